#include "System.ClassRecords.h"

namespace Sys {

bool TClassRecord::InheritsFrom(const TClassRecord& Other) const {
    for (const TClassRecord* c = this; c; c = c->Parent)
        if (c == &Other) return true;
    return false;
}

TCodePointer TClassRecord::MethodAddress(const std::string& Name) const {
    for (const TClassRecord* c = this; c; c = c->Parent)
        for (const auto& [name, address] : c->MethodTable)
            if (name == Name) return address;
    return nullptr;
}

TObject::TObject(const TClassRecord& Class) : FClass(&Class) {
    // The nearest class that adds fields gives them; its parents' fields are part of the C++ type.
    for (const TClassRecord* c = FClass; c; c = c->Parent)
        if (c->NewFields) {
            FFields = c->NewFields();
            break;
        }
}

} // namespace Sys
