// Forms and the screen, as far as the library reads them: the screen's active form and its
// right-to-left mode.
#pragma once

#include <cstdint>

namespace FMX {

enum class TBiDiMode : uint8_t {
    bdLeftToRight,
    bdRightToLeft,
    bdRightToLeftNoAlign,
    bdRightToLeftReadingOnly
};

class TCommonCustomForm {
public:
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
};

class TScreen {
public:
    // The form that has the focus, or null.
    TCommonCustomForm* ActiveForm() const { return FActiveForm; }
    void SetActiveForm(TCommonCustomForm* Form) { FActiveForm = Form; }

private:
    TCommonCustomForm* FActiveForm = nullptr;
};

// The application's screen; null until an application creates one.
extern TScreen* Screen;

} // namespace FMX
