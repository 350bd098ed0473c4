// Components: objects with an owner, a name and persisted (published) properties, and their
// streaming to and from a text form file. A component class declares its properties once; writing
// and reading a form goes through that declaration.
#pragma once

#include "System.Rtti.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Sys {

class TComponent;

enum class TPropertyType : uint8_t { String, Boolean, Integer };

// One persisted property. A property with a Default is written only when its value differs from
// it; one without is always written.
struct TPropertyInfo {
    std::string Name;
    TPropertyType Type;
    std::function<TValue(const TComponent&)> Get;
    std::function<void(TComponent&, const TValue&)> Set;
    std::optional<TValue> Default = std::nullopt;
};

class TComponent {
public:
    TComponent() = default;
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    virtual std::string ClassName() const { return "TComponent"; }
    // The persisted properties, in the order they are written.
    virtual const std::vector<TPropertyInfo>& Properties() const;

    string Name;
    TComponent* Owner() const { return FOwner; }
    // Takes Component over; the owner frees it. Returns it.
    TComponent* InsertComponent(std::unique_ptr<TComponent> Component);
    const std::vector<std::unique_ptr<TComponent>>& Components() const { return FComponents; }
    TComponent* FindComponent(const string& AName) const;

private:
    TComponent* FOwner = nullptr;
    std::vector<std::unique_ptr<TComponent>> FComponents;
};

// The classes a form file may name, by class name.
using TComponentFactory = std::function<std::unique_ptr<TComponent>()>;
void RegisterClass(const std::string& ClassName, TComponentFactory Factory);
void UnRegisterClass(const std::string& ClassName);

// The text form of Root and the components it owns (UTF-8): an "object Name: Class" block per
// component with its properties, then its owned components, then "end". Characters outside
// printable ASCII are written as #N.
std::string WriteComponentText(const TComponent& Root);
// Builds the components of a text form; every property read is set through its declaration. A
// malformed text, an unknown class or property, or a value of the wrong type raises EReadError.
std::unique_ptr<TComponent> ReadComponentText(const std::string& Text);

} // namespace Sys
