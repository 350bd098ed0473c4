// The run-time stand-in's variant values, components and their text form, and the converter registry.
#include "System.Bindings.Outputs.h"
#include "System.Character.h"
#include "System.Classes.h"

#include <gtest/gtest.h>

using Sys::string;
using Sys::TValue;

namespace {

// A component with one property of each type; Count has a default and is written only when changed.
class TSample : public Sys::TComponent {
public:
    std::string ClassName() const override { return "TSample"; }
    const std::vector<Sys::TPropertyInfo>& Properties() const override {
        static const std::vector<Sys::TPropertyInfo> properties = {
            {"Caption", Sys::TPropertyType::String,
             [](const TComponent& C) { return TValue::From(static_cast<const TSample&>(C).Caption); },
             [](TComponent& C, const TValue& V) { static_cast<TSample&>(C).Caption = V.AsString(); }},
            {"Enabled", Sys::TPropertyType::Boolean,
             [](const TComponent& C) { return TValue::From(static_cast<const TSample&>(C).Enabled); },
             [](TComponent& C, const TValue& V) { static_cast<TSample&>(C).Enabled = V.AsBoolean(); }},
            {"Count", Sys::TPropertyType::Integer,
             [](const TComponent& C) { return TValue::From(static_cast<const TSample&>(C).Count); },
             [](TComponent& C, const TValue& V) { static_cast<TSample&>(C).Count = V.AsInteger(); },
             TValue::From(int64_t(0))},
        };
        return properties;
    }
    string Caption;
    bool Enabled = false;
    int64_t Count = 0;
};

struct TRegisterSample {
    TRegisterSample() {
        Sys::RegisterClass("TSample", [] { return std::make_unique<TSample>(); });
    }
    ~TRegisterSample() { Sys::UnRegisterClass("TSample"); }
};

} // namespace

TEST(PlatformValue, KindsAndCasts) {
    EXPECT_TRUE(TValue().IsEmpty());
    EXPECT_EQ(TValue::From(true).AsBoolean(), true);
    EXPECT_EQ(TValue::From(string(u"x")).AsString(), u"x");
    EXPECT_EQ(TValue::FromDate(45000.75).AsDateTime(), 45000.0);
    EXPECT_EQ(TValue::FromDateTime(45000.75).AsDateTime(), 45000.75);
    EXPECT_EQ(TValue::From(int64_t(3)).AsFloat(), 3.0);
    EXPECT_THROW(TValue::From(string(u"1")).AsBoolean(), Sys::EInvalidCast);
    EXPECT_THROW(TValue::From(true).AsString(), Sys::EInvalidCast);
    EXPECT_THROW(TValue::From(string(u"2024")).AsDateTime(), Sys::EInvalidCast);
    EXPECT_THROW(TValue().AsDateTime(), Sys::EInvalidCast);
}

TEST(PlatformValue, TryStrToBool) {
    struct TCase {
        const char16_t* Text;
        bool Ok, Value;
    } cases[] = {
        {u"true", true, true},  {u"FALSE", true, false}, {u"True", true, true},  {u"0", true, false},
        {u"-2.5", true, true},  {u"", false, false},     {u"yes", false, false}, {u" true", false, false},
        {u"nan", false, false}, {u"1x", false, false},
    };
    for (const TCase& c : cases) {
        bool value = !c.Value;
        EXPECT_EQ(Sys::TryStrToBool(c.Text, value), c.Ok) << Sys::StringToUtf8(c.Text);
        if (c.Ok) {
            EXPECT_EQ(value, c.Value) << Sys::StringToUtf8(c.Text);
        }
    }
}

TEST(PlatformComponents, TextFormRoundTrip) {
    TRegisterSample registered;
    TSample root;
    root.Name = u"Root";
    root.Caption = u"it's";
    auto* child = static_cast<TSample*>(root.InsertComponent(std::make_unique<TSample>()));
    child->Name = u"Child";
    child->Caption = u"سلام x\n";
    child->Enabled = true;
    child->Count = -7;
    const std::string text = Sys::WriteComponentText(root);
    EXPECT_EQ(text, "object Root: TSample\n"
                    "  Caption = 'it''s'\n"
                    "  Enabled = False\n"
                    "  object Child: TSample\n"
                    "    Caption = #1587#1604#1575#1605' x'#10\n"
                    "    Enabled = True\n"
                    "    Count = -7\n"
                    "  end\n"
                    "end\n");
    const auto back = Sys::ReadComponentText(text);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Sys::WriteComponentText(*back), text);
    const auto* readChild = static_cast<const TSample*>(back->FindComponent(u"Child"));
    ASSERT_NE(readChild, nullptr);
    EXPECT_EQ(readChild->Owner(), back.get());
    EXPECT_EQ(readChild->Caption, child->Caption);
}

TEST(PlatformComponents, MalformedFormsRaise) {
    TRegisterSample registered;
    const char* cases[] = {
        "",
        "object A: TNothing\nend\n",
        "object A: TSample\n  Colour = 'x'\nend\n",
        "object A: TSample\n  Enabled = 'x'\nend\n",
        "object A: TSample\n  Caption = True\nend\n",
        "object A: TSample\n  Caption = 'open\nend\n",
        "object A: TSample\n  Caption = #99999\nend\n",
        "object A: TSample\n  Count = x\nend\n",
        "object A: TSample\n  Caption = 'x'\n",
        "object A: TSample\nend\nend\n",
        "object A TSample\nend\n",
    };
    for (const char* text : cases) EXPECT_THROW(Sys::ReadComponentText(text), Sys::EReadError) << text;
    std::string deep;
    for (int i = 0; i < 100; ++i) deep += "object A: TSample\n";
    EXPECT_THROW(Sys::ReadComponentText(deep), Sys::EReadError);
}

TEST(PlatformBindings, ConverterRegistry) {
    using F = Sys::TValueRefConverterFactory;
    F::RegisterConversion({u"Test.Not", u"Not", Sys::TValueKind::Boolean, Sys::TValueKind::Boolean,
                           [](const TValue& In, TValue& Out) { Out = TValue::From(!In.AsBoolean()); }});
    EXPECT_THROW(F::RegisterConversion(
                     {u"Test.Not", u"Again", Sys::TValueKind::Boolean, Sys::TValueKind::Boolean, nullptr}),
                 Sys::EListError);
    const Sys::TConverterDescription* found = F::FindConverter(u"Test.Not");
    ASSERT_NE(found, nullptr);
    TValue out;
    found->Converter(TValue::From(true), out);
    EXPECT_EQ(out, TValue::From(false));
    EXPECT_EQ(F::Converters(Sys::TValueKind::Boolean, Sys::TValueKind::Boolean).size(), 1u);
    F::UnRegisterConversion(u"Test.Not");
    EXPECT_EQ(F::FindConverter(u"Test.Not"), nullptr);
}
