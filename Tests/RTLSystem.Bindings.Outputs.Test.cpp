// The binding converters: Persian yes/no words, Persian-calendar dates, and their settings carried
// by a form.
#include "RTLData.Bind.GenData.h"
#include "RTLSystem.Bindings.Outputs.h"
#include "System.Character.h"

#include <gtest/gtest.h>

using namespace Zarvel;
using Sys::string;
using Sys::TValue;
using U = TRTLConverterUtils;

namespace {

// Puts the process-wide settings back to their defaults when the test ends.
struct TSettingsReset {
    ~TSettingsReset() { U::ClassInitialize(); }
};

TValue Convert(void (*Converter)(const TValue&, TValue&), const TValue& In) {
    TValue out;
    Converter(In, out);
    return out;
}

std::string U8(const string& S) {
    return Sys::StringToUtf8(S);
}

} // namespace

TEST(BindingOutputs, StringToBoolReadsTheWordTablesThenThePlatform) {
    for (const string& word : U::TrueWords)
        EXPECT_EQ(Convert(U::StringToBool, TValue::From(word)), TValue::From(true)) << U8(word);
    for (const string& word : U::FalseWords)
        EXPECT_EQ(Convert(U::StringToBool, TValue::From(word)), TValue::From(false)) << U8(word);
    struct TCase {
        const char16_t* Text;
        bool Expected;
    } cases[] =
        {
            {u"بله", true},  {u"زن", true},     {u"مرد", false},
            {u"لا", false},  {u" بله", false}, // no trimming: not a table word, and not the platform's either
            {u"true", true}, {u"FALSE", false}, {u"1", true},
            {u"0", false},   {u"maybe", false}, {u"", false},
        };
    for (const TCase& c : cases)
        EXPECT_EQ(Convert(U::StringToBool, TValue::From(string(c.Text))), TValue::From(c.Expected))
            << U8(c.Text);
}

TEST(BindingOutputs, BoolToStringWritesTheSettings) {
    TSettingsReset reset;
    EXPECT_EQ(Convert(U::BoolToString, TValue::From(true)).AsString(), u"صحیح");
    EXPECT_EQ(Convert(U::BoolToString, TValue::From(false)).AsString(), u"ناصحیح");
    EXPECT_THROW(Convert(U::BoolToString, TValue::From(string(u"true"))), Sys::EInvalidCast);
    // A word set through any TBindingRTL is written, but reading it falls back to the platform.
    TBindingRTL binding;
    binding.Properties()[0].Set(binding, TValue::From(string(u"yes!")));
    EXPECT_EQ(Convert(U::BoolToString, TValue::From(true)).AsString(), u"yes!");
    EXPECT_EQ(Convert(U::StringToBool, TValue::From(string(u"yes!"))), TValue::From(false));
    EXPECT_EQ(TBindingRTL().Properties()[0].Get(TBindingRTL()).AsString(), u"yes!");
    EXPECT_NE(U::MethodAddress("BoolToString"), nullptr);
    EXPECT_NE(U::MethodAddress("StringToBool"), nullptr);
    EXPECT_EQ(U::MethodAddress("DateTimeToString"), nullptr);
}

TEST(BindingOutputs, DatesInThePersianCalendar) {
    const Sys::TDateTime nowruz = Sys::EncodeDate(2024, 3, 20);
    const Sys::TDateTime afternoon = nowruz + Sys::EncodeTime(13, 5, 9, 0);
    EXPECT_EQ(U8(Convert(U::DateTimeToString, TValue::FromDate(afternoon)).AsString()), "1403/1/1");
    EXPECT_EQ(U8(Convert(U::DateTimeToString, TValue::FromDateTime(afternoon)).AsString()),
              "1403/1/1 13:05:09");
    // Any other number is a time of day, in the process-wide long time format "h:nn ampm".
    EXPECT_EQ(U8(Convert(U::DateTimeToString, TValue::From(0.75)).AsString()), "6:00 بعد از ظهر");
    EXPECT_THROW(Convert(U::DateTimeToString, TValue::From(string(u"1403/1/1"))), Sys::EInvalidCast);

    EXPECT_EQ(Convert(U::StringToDateTime, TValue::From(string(u"1403/1/1 13:05:09"))),
              TValue::FromDateTime(afternoon));
    EXPECT_TRUE(Convert(U::StringToDateTime, TValue::From(string(u"1403/1/1"))).IsEmpty());
    const Sys::TFormatSettings before = Sys::FormatSettings;
    EXPECT_EQ(Convert(U::StringToDate, TValue::From(string(u"1403/1/1"))), TValue::FromDate(nowruz));
    EXPECT_TRUE(Convert(U::StringToDate, TValue::From(string(u"1403/13/1"))).IsEmpty());
    EXPECT_EQ(Sys::FormatSettings.ShortDateFormat, before.ShortDateFormat); // untouched
}

TEST(BindingOutputs, AFormCarriesTheSettings) {
    TSettingsReset reset;
    TBindingRTL binding;
    binding.Name = u"BindingRTL1";
    U::BooleanTrue = u"بله";
    U::DateFormat = u"yy/mm/dd";
    U::ArabicHijriLunarCalendar = true;
    const std::string form = Sys::WriteComponentText(binding);
    EXPECT_EQ(form, "object BindingRTL1: TBindingRTL\n"
                    "  BooleanTrue = #1576#1604#1607\n"
                    "  BooleanFalse = #1606#1575#1589#1581#1740#1581\n"
                    "  DateFormat = 'yy/mm/dd'\n"
                    "  DateTimeFormat = 'yyyy/m/d h:nn:ss'\n"
                    "  ArabicHijriLunarCalendar = True\n"
                    "end\n");
    // A process that starts afresh and loads the form ends with the form's settings.
    U::ClassInitialize();
    ASSERT_EQ(U::BooleanTrue, u"صحیح");
    const auto loaded = Sys::ReadComponentText(form);
    EXPECT_EQ(loaded->ClassName(), "TBindingRTL");
    EXPECT_EQ(U::BooleanTrue, u"بله");
    EXPECT_EQ(U::DateFormat, u"yy/mm/dd");
    EXPECT_TRUE(U::ArabicHijriLunarCalendar);
    EXPECT_EQ(TPrototypeBindSourceRTLDataGenerator().ClassName(), "TPrototypeBindSourceRTLDataGenerator");
}

TEST(BindingOutputs, AnApplicationRegistersTheConverters) {
    using F = Sys::TValueRefConverterFactory;
    F::RegisterConversion({u"RTL.BoolToString", u"BoolToString", Sys::TValueKind::Boolean, Sys::TValueKind::String,
                           U::MethodAddress("BoolToString")});
    F::RegisterConversion({u"RTL.StringToDate", u"StringToDate", Sys::TValueKind::String, Sys::TValueKind::Date,
                           U::StringToDate});
    TValue out;
    F::FindConverter(u"RTL.BoolToString")->Converter(TValue::From(true), out);
    EXPECT_EQ(out.AsString(), u"صحیح");
    const auto toDate = F::Converters(Sys::TValueKind::String, Sys::TValueKind::Date);
    ASSERT_EQ(toDate.size(), 1u);
    toDate[0]->Converter(TValue::From(string(u"1403/1/1")), out);
    EXPECT_EQ(out, TValue::FromDate(Sys::EncodeDate(2024, 3, 20)));
    F::UnRegisterConversion(u"RTL.BoolToString");
    F::UnRegisterConversion(u"RTL.StringToDate");
}
