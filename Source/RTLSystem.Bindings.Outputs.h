// Converters for data bindings in Persian-language interfaces: booleans as Persian words (and read
// from a list of Persian and Arabic yes/no words), dates written and read in the Persian calendar.
// The settings are process-wide; TBindingRTL carries them on a form.
#pragma once

#include "System.Bindings.Outputs.h"
#include "System.Classes.h"

#include <array>

namespace Zarvel {

class TRTLConverterUtils {
public:
    TRTLConverterUtils() = delete;

    // Output texts of BoolToString; recognition uses the word tables.
    static Sys::string BooleanTrue;
    static Sys::string BooleanFalse;
    static Sys::string DateTimeFormat;
    static Sys::string DateFormat;
    // Kept for the application; no conversion here reads it.
    static bool ArabicHijriLunarCalendar;

    static const std::array<Sys::string, 11> TrueWords;
    static const std::array<Sys::string, 13> FalseWords;

    // A Boolean to BooleanTrue or BooleanFalse; another kind of input raises Sys::EInvalidCast.
    static void BoolToString(const Sys::TValue& InValue, Sys::TValue& OutValue);
    // A table word, else the platform's reading of the text, else False.
    static void StringToBool(const Sys::TValue& InValue, Sys::TValue& OutValue);
    // A date with DateFormat, a date-time with DateTimeFormat, any other number with the long time
    // format, in the Persian calendar; input that is no date-time raises Sys::EInvalidCast.
    static void DateTimeToString(const Sys::TValue& InValue, Sys::TValue& OutValue);
    // A date-time read with DateTimeFormat, or the empty value.
    static void StringToDateTime(const Sys::TValue& InValue, Sys::TValue& OutValue);
    // A date read with DateFormat as the short date format, or the empty value.
    static void StringToDate(const Sys::TValue& InValue, Sys::TValue& OutValue);

    // The published conversions found by name ("BoolToString", "StringToBool"); null otherwise.
    static Sys::TValueConverterProc MethodAddress(const std::string& Name);

    static void ClassInitialize();
    static void ClassFinalize();
};

// Carries the converters' process-wide settings on a form: every instance shows and sets the same
// values.
class TBindingRTL : public Sys::TComponent {
public:
    std::string ClassName() const override { return "TBindingRTL"; }
    // BooleanTrue, BooleanFalse, DateFormat, DateTimeFormat, ArabicHijriLunarCalendar.
    const std::vector<Sys::TPropertyInfo>& Properties() const override;
};

// Makes TBindingRTL known to form files.
void InitializeRTLSystemBindingsOutputs();

} // namespace Zarvel
