#include "RTLSystem.Bindings.Outputs.h"

#include "PDateTime.h"

#include <algorithm>

namespace Zarvel {

Sys::string TRTLConverterUtils::BooleanTrue;
Sys::string TRTLConverterUtils::BooleanFalse;
Sys::string TRTLConverterUtils::DateTimeFormat;
Sys::string TRTLConverterUtils::DateFormat;
bool TRTLConverterUtils::ArabicHijriLunarCalendar = false;

// Pairs of yes/no, true/false, correct/incorrect, positive/negative, accepted/rejected,
// healthy/unhealthy and female/male, compared in this order.
const std::array<Sys::string, 11> TRTLConverterUtils::TrueWords = {
    u"صحیح", u"درست", u"بله", u"آره", u"آری", u"نعم", u"زن", u"مؤنث", u"مثبت", u"قبول", u"سالم"};
const std::array<Sys::string, 13> TRTLConverterUtils::FalseWords = {
    u"ناصحیح", u"نادرست", u"خیر", u"نه",     u"لا",    u"مرد", u"مذکر",
    u"منفی",   u"مرجوع",  u"رد",  u"ناسالم", u"بیمار", u"خراب"};

void TRTLConverterUtils::BoolToString(const Sys::TValue& InValue, Sys::TValue& OutValue) {
    OutValue = Sys::TValue::From(InValue.AsBoolean() ? BooleanTrue : BooleanFalse);
}

void TRTLConverterUtils::StringToBool(const Sys::TValue& InValue, Sys::TValue& OutValue) {
    const Sys::string& s = InValue.AsString();
    bool result;
    if (std::find(TrueWords.begin(), TrueWords.end(), s) != TrueWords.end())
        result = true;
    else if (std::find(FalseWords.begin(), FalseWords.end(), s) != FalseWords.end())
        result = false;
    else if (!Sys::TryStrToBool(s, result))
        result = false;
    OutValue = Sys::TValue::From(result);
}

void TRTLConverterUtils::DateTimeToString(const Sys::TValue& InValue, Sys::TValue& OutValue) {
    const Sys::string& format = InValue.Kind() == Sys::TValueKind::Date ? DateFormat
                                : InValue.Kind() == Sys::TValueKind::DateTime
                                    ? DateTimeFormat
                                    : Sys::FormatSettings.LongTimeFormat;
    Sys::string text;
    PDateTime::DateTimeToString(text, format, InValue.AsDateTime());
    OutValue = Sys::TValue::From(text);
}

void TRTLConverterUtils::StringToDateTime(const Sys::TValue& InValue, Sys::TValue& OutValue) {
    Sys::TDateTime value;
    OutValue =
        PDateTime::FormatStringFullToDateTime(DateTimeFormat, InValue.AsString(), value, Sys::FormatSettings)
            ? Sys::TValue::FromDateTime(value)
            : Sys::TValue::Empty();
}

void TRTLConverterUtils::StringToDate(const Sys::TValue& InValue, Sys::TValue& OutValue) {
    // A fresh record: the process-wide settings stay as they are.
    Sys::TFormatSettings settings = Sys::TFormatSettings::Create(u"");
    settings.ShortDateFormat = DateFormat;
    Sys::TDateTime value;
    OutValue = PDateTime::TryStrToDate(InValue.AsString(), value, settings) ? Sys::TValue::FromDate(value)
                                                                            : Sys::TValue::Empty();
}

Sys::TValueConverterProc TRTLConverterUtils::MethodAddress(const std::string& Name) {
    if (Name == "BoolToString") return BoolToString;
    if (Name == "StringToBool") return StringToBool;
    return nullptr;
}

void TRTLConverterUtils::ClassInitialize() {
    BooleanTrue = u"صحیح";
    BooleanFalse = u"ناصحیح";
    DateTimeFormat = u"yyyy/m/d h:nn:ss";
    DateFormat = u"yyyy/m/d";
    ArabicHijriLunarCalendar = false;
}

void TRTLConverterUtils::ClassFinalize() {
    BooleanTrue.clear();
    BooleanFalse.clear();
    DateTimeFormat.clear();
    DateFormat.clear();
}

namespace {

Sys::TPropertyInfo StringSetting(const char* Name, Sys::string& Setting) {
    return {Name, Sys::TPropertyType::String,
            [&Setting](const Sys::TComponent&) { return Sys::TValue::From(Setting); },
            [&Setting](Sys::TComponent&, const Sys::TValue& Value) { Setting = Value.AsString(); }};
}

} // namespace

const std::vector<Sys::TPropertyInfo>& TBindingRTL::Properties() const {
    using U = TRTLConverterUtils;
    static const std::vector<Sys::TPropertyInfo> properties = {
        StringSetting("BooleanTrue", U::BooleanTrue),
        StringSetting("BooleanFalse", U::BooleanFalse),
        StringSetting("DateFormat", U::DateFormat),
        StringSetting("DateTimeFormat", U::DateTimeFormat),
        {"ArabicHijriLunarCalendar", Sys::TPropertyType::Boolean,
         [](const Sys::TComponent&) { return Sys::TValue::From(U::ArabicHijriLunarCalendar); },
         [](Sys::TComponent&, const Sys::TValue& Value) { U::ArabicHijriLunarCalendar = Value.AsBoolean(); }},
    };
    return properties;
}

void InitializeRTLSystemBindingsOutputs() {
    Sys::RegisterClass("TBindingRTL", [] { return std::make_unique<TBindingRTL>(); });
}

} // namespace Zarvel
