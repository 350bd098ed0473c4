#include "FMX.TextLayoutManager.h"

namespace FMX {

namespace {
std::vector<TTextLayoutManager::TTextLayoutRec>& Layouts() {
    static std::vector<TTextLayoutManager::TTextLayoutRec> list;
    return list;
}
} // namespace

void TTextLayoutManager::RegisterTextLayout(const Sys::TClassRecord& LayoutClass,
                                            const Sys::TClassRecord& CanvasClass) {
    Layouts().push_back({&LayoutClass, &CanvasClass});
}

const Sys::TClassRecord* TTextLayoutManager::TextLayoutByCanvas(const Sys::TClassRecord& CanvasClass) {
    for (const Sys::TClassRecord* c = &CanvasClass; c; c = c->Parent)
        for (const auto& rec : Layouts())
            if (rec.CanvasClass == c) return rec.LayoutClass;
    return nullptr;
}

void TTextLayoutManager::UnInitialize() {
    Layouts().clear();
}

const std::vector<TTextLayoutManager::TTextLayoutRec>& TTextLayoutManager::LayoutList() {
    return Layouts();
}

} // namespace FMX
