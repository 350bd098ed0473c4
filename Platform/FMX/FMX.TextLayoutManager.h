// The registry that tells which text layout class draws text on which canvas class.
#pragma once

#include "System.ClassRecords.h"

#include <vector>

namespace FMX {

// Process-wide, not locked: used while the UI is set up.
class TTextLayoutManager {
public:
    struct TTextLayoutRec {
        const Sys::TClassRecord* LayoutClass;
        const Sys::TClassRecord* CanvasClass;
    };

    static void RegisterTextLayout(const Sys::TClassRecord& LayoutClass,
                                   const Sys::TClassRecord& CanvasClass);
    // The first layout registered for CanvasClass; when none is, the first registered for its nearest
    // parent that has one; else null.
    static const Sys::TClassRecord* TextLayoutByCanvas(const Sys::TClassRecord& CanvasClass);
    // Forgets every registration.
    static void UnInitialize();
    static const std::vector<TTextLayoutRec>& LayoutList();
};

} // namespace FMX
