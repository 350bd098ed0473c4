// The layout direction contract: direction properties by layout class, and the direction a layout
// takes from its text and the active form.
#include "RTL.TextLayout.h"

#include "FMX.Forms.h"
#include "System.Character.h"
#include "VirtualClass.h"

#include <gtest/gtest.h>

using namespace Zarvel;
using FMX::TTextLayout;

namespace {

// A platform layout with nothing to lay out; it counts its layout passes.
class TPlainLayout : public TTextLayout {
public:
    using TTextLayout::TTextLayout;
    int Passes = 0;
};

void PlainRender(Sys::TObject& Self) {
    ++static_cast<TPlainLayout&>(Self).Passes;
}

const Sys::TClassRecord& PlainLayoutClass() {
    static const Sys::TClassRecord record = [] {
        Sys::TClassRecord r = TTextLayout::ClassRecord();
        r.ClassName = "TTextLayoutD2D";
        r.Parent = &TTextLayout::ClassRecord();
        r.Factory = [](const Sys::TClassRecord& Class) -> std::unique_ptr<Sys::TObject> {
            return std::make_unique<TPlainLayout>(Class, nullptr);
        };
        r.Slots[TTextLayout::DoRenderLayoutSlot] = Sys::CodePointer(PlainRender);
        return r;
    }();
    return record;
}

// The layout class generated for the Direct2D canvas, with the direction state as extra fields.
const Sys::TClassRecord& D2DRTLClass() {
    static const Sys::TClassRecord* record =
        TVirtualClassGenerator::CreateNewClass(PlainLayoutClass(), "RTL.Canvas.D2D", "TTextLayoutD2DRTL", {},
                                               {}, {}, 0, [] { return std::any(TRTLTextLayoutFields{}); });
    return *record;
}

std::unique_ptr<TPlainLayout> Make(const Sys::TClassRecord& Class) {
    return std::unique_ptr<TPlainLayout>(static_cast<TPlainLayout*>(Class.Create().release()));
}

// Puts an active form of the given direction on a screen for the test's length.
class TActiveForm {
public:
    explicit TActiveForm(FMX::TBiDiMode Mode) {
        FForm.BiDiMode = Mode;
        FScreen.SetActiveForm(&FForm);
        FMX::Screen = &FScreen;
    }
    ~TActiveForm() { FMX::Screen = nullptr; }

private:
    FMX::TCommonCustomForm FForm;
    FMX::TScreen FScreen;
};

} // namespace

TEST(TextLayoutContract, PropertiesByLayoutClass) {
    auto plain = Make(PlainLayoutClass());
    const auto message = [&](auto Read) {
        try {
            Read();
        } catch (const Sys::Exception& e) {
            return Sys::StringToUtf8(e.Message());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { TRTLTextLayoutHelper::GetManualBidi(*plain); }),
              "BidiSelectionType for TTextLayoutD2D layout is not defined");
    EXPECT_EQ(message([&] { TRTLTextLayoutHelper::GetTabSize(*plain); }),
              "TabSize for TTextLayoutD2D layout is not defined");
    EXPECT_EQ(message([&] { TRTLTextLayoutHelper::GetResizeMode(*plain); }),
              "ResizeMode for TTextLayoutD2D layout is not defined");
    EXPECT_EQ(TRTLTextLayoutHelper::GetDefaultSize(*plain), FMX::TSizeF{});
    TRTLTextLayoutHelper::SetTabSize(*plain, 4); // ignored
    TRTLTextLayoutHelper::SetDefaultSize(*plain, {3, 4});
    EXPECT_EQ(TRTLTextLayoutHelper::GetDefaultSize(*plain), FMX::TSizeF{});

    auto rtl = Make(D2DRTLClass());
    EXPECT_EQ(TRTLTextLayoutHelper::GetManualBidi(*rtl), TBidiSelectionType::btManual); // a new object
    TRTLTextLayoutHelper::SetManualBidi(*rtl, TBidiSelectionType::btContext);
    TRTLTextLayoutHelper::SetTabSize(*rtl, 32);
    TRTLTextLayoutHelper::SetResizeMode(*rtl, TTextResizeMode::bmIncreaseWidth);
    TRTLTextLayoutHelper::SetDefaultSize(*rtl, {100, 20});
    EXPECT_EQ(TRTLTextLayoutHelper::GetManualBidi(*rtl), TBidiSelectionType::btContext);
    EXPECT_EQ(TRTLTextLayoutHelper::GetTabSize(*rtl), 32);
    EXPECT_EQ(TRTLTextLayoutHelper::GetResizeMode(*rtl), TTextResizeMode::bmIncreaseWidth);
    EXPECT_EQ(TRTLTextLayoutHelper::GetDefaultSize(*rtl), (FMX::TSizeF{100, 20}));

    // The GPU layout is recognised by class membership, derived classes included.
    const Sys::TClassRecord* gpu = TVirtualClassGenerator::CreateNewClass(
        PlainLayoutClass(), "RTL.TextLayout.GPU", "TTextLayoutNGRTL", {}, {}, {}, 0, [] {
            return std::any(
                TRTLTextLayoutFields{0, TBidiSelectionType::btContext, TTextResizeMode::bmScale, {}});
        });
    const Sys::TClassRecord* derived =
        TVirtualClassGenerator::CreateNewClass(*gpu, "Tests", "TMyLayout", {}, {}, {}, 0);
    TRTLTextLayoutHelper::GPULayoutClass = gpu;
    EXPECT_EQ(TRTLTextLayoutHelper::GetManualBidi(*Make(*derived)), TBidiSelectionType::btContext);
    TRTLTextLayoutHelper::GPULayoutClass = nullptr;
    EXPECT_THROW(TRTLTextLayoutHelper::GetManualBidi(*Make(*derived)), Sys::Exception);
}

TEST(TextLayoutContract, DirectionFromTextAndForm) {
    struct TCase {
        const char16_t* Text;
        FMX::TBiDiMode Form;
        TBidiSelectionType Selection;
        bool Expected;
    } cases[] = {
        {u"123 ...", FMX::TBiDiMode::bdRightToLeft, TBidiSelectionType::btContext, true},
        {u"123 ...", FMX::TBiDiMode::bdLeftToRight, TBidiSelectionType::btContext, false},
        {u"123 ...", FMX::TBiDiMode::bdRightToLeftReadingOnly, TBidiSelectionType::btForm, true},
        {u"", FMX::TBiDiMode::bdRightToLeft, TBidiSelectionType::btForm, true},
        {u"12 سلام", FMX::TBiDiMode::bdLeftToRight, TBidiSelectionType::btContext, true},
        {u"12 hello سلام", FMX::TBiDiMode::bdRightToLeft, TBidiSelectionType::btContext, false},
        {u"\u200E123", FMX::TBiDiMode::bdRightToLeft, TBidiSelectionType::btContext, false},
        {u"\U0001D400 سلام", FMX::TBiDiMode::bdRightToLeft, TBidiSelectionType::btContext,
         false}, // a letter beyond the BMP
    };
    for (const TCase& c : cases) {
        TActiveForm form(c.Form);
        for (bool start : {false, true}) {
            auto layout = Make(PlainLayoutClass());
            layout->SetText(c.Text);
            layout->SetRightToLeft(start);
            TRTLTextLayoutHelper::UpdateRightToLeft(*layout, c.Selection);
            EXPECT_EQ(layout->RightToLeft(), c.Expected) << Sys::StringToUtf8(c.Text);
            TRTLTextLayoutHelper::UpdateRightToLeft(*layout, TBidiSelectionType::btManual);
            EXPECT_EQ(layout->RightToLeft(), c.Expected); // left as it is
        }
    }
    // No screen: the fallback is left-to-right.
    auto layout = Make(PlainLayoutClass());
    layout->SetRightToLeft(true);
    TRTLTextLayoutHelper::UpdateRightToLeft(*layout, TBidiSelectionType::btContext);
    EXPECT_FALSE(layout->RightToLeft());

    EXPECT_EQ(TRTLTextLayoutHelper::GetDirectionContext(*layout, u"abc سلام"),
              TDirectionContext::LeftToRight);
    EXPECT_EQ(TRTLTextLayoutHelper::GetDirectionContext(*layout, u"1 سلام abc"),
              TDirectionContext::RightToLeft);
    EXPECT_EQ(TRTLTextLayoutHelper::GetDirectionContext(*layout, u"123"), TDirectionContext::LeftToRight);
}

TEST(TextLayoutContract, UpdatesLayOutOnceAtTheEnd) {
    auto layout = Make(PlainLayoutClass());
    layout->SetText(u"a");
    EXPECT_EQ(layout->Passes, 1);
    layout->BeginUpdate();
    layout->SetText(u"b");
    layout->SetColor(FMX::TAlphaColors::White);
    layout->Font().SetSize(20);
    layout->BeginUpdate();
    layout->SetWordWrap(true);
    layout->EndUpdate();
    EXPECT_EQ(layout->Passes, 1);
    EXPECT_TRUE(layout->NeedUpdate());
    layout->EndUpdate();
    EXPECT_EQ(layout->Passes, 2);
    layout->SetText(u"b"); // no change
    EXPECT_EQ(layout->Passes, 2);
    EXPECT_THROW(TTextLayout(TTextLayout::ClassRecord(), nullptr).TextWidth(), Sys::EAbstractError);
}
