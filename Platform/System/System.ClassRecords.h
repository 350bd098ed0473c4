// Class records: the run-time description of a class whose overridable operations are dispatched
// through a table of slots rather than the C++ virtual table. A record names the class and its unit,
// points to its parent, gives its instance size, builds objects through a factory shared with the
// platform type it stands for, and may add extra fields to every object it builds. Copies of a
// record with some slots replaced are new classes, made at run time.
#pragma once

#include <any>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace Sys {

class TObject;

// An operation in a slot. Every operation takes the object first (`R (*)(TObject&, Args...)`); it is
// stored type-erased and cast back to that same signature where it is called.
using TCodePointer = void (*)();

template <typename R, typename... Args> TCodePointer CodePointer(R (*Operation)(TObject&, Args...)) {
    return reinterpret_cast<TCodePointer>(Operation);
}

struct TClassRecord {
    std::string ClassName;
    std::string UnitName;
    const TClassRecord* Parent = nullptr;
    uint32_t InstanceSize = 0;
    // Builds an object of the platform type behind the record; a copied record keeps its parent's.
    std::function<std::unique_ptr<TObject>(const TClassRecord&)> Factory;
    // The extra fields each object of the class carries, made when the object is built; empty when
    // the class adds none.
    std::function<std::any()> NewFields;
    std::vector<TCodePointer> Slots;
    // Published methods, found by name.
    std::vector<std::pair<std::string, TCodePointer>> MethodTable;

    bool InheritsFrom(const TClassRecord& Other) const;
    std::unique_ptr<TObject> Create() const { return Factory(*this); }
    // The published method of that name here or in a parent, or null.
    TCodePointer MethodAddress(const std::string& Name) const;
};

// The root of every object whose class has a record.
class TObject {
public:
    explicit TObject(const TClassRecord& Class);
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    const TClassRecord& ClassType() const { return *FClass; }
    const std::string& ClassName() const { return FClass->ClassName; }
    bool InheritsFrom(const TClassRecord& Class) const { return FClass->InheritsFrom(Class); }

    // The extra fields of a generated class, or null when the object carries none of that type.
    template <typename F> F* Fields() { return std::any_cast<F>(&FFields); }

    // Calls the operation in slot Index with this object first.
    template <typename R, typename... Args> R Dispatch(size_t Index, Args... Arguments) {
        const auto operation = reinterpret_cast<R (*)(TObject&, Args...)>(FClass->Slots.at(Index));
        return operation(*this, std::forward<Args>(Arguments)...);
    }

private:
    const TClassRecord* FClass;
    std::any FFields;
};

} // namespace Sys
