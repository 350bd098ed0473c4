// The caret flasher interface offered to applications; nothing in the library implements it.
#pragma once

namespace Zarvel {

class IRTLFlasher {
public:
    static constexpr const char* IID = "{DE24EE78-F498-4EC4-B188-E2AADEF20471}";
    virtual ~IRTLFlasher() = default;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool GetVisible() const = 0;
    virtual void SetVisible(bool Value) = 0;
};

} // namespace Zarvel
