// Classes derived at run time: overridden and inherited operations, the parent's operation called
// from an override, extra fields on objects the platform's factory builds, and the record's sizes.
#include "VirtualClass.h"

#include "TestSupport.h"

using namespace Zarvel;
using Sys::TObject;

namespace {

// A platform class: a widget whose two operations are dispatched through its record's slots.
class TWidget : public TObject {
public:
    using TObject::TObject;
    enum : size_t { PaintSlot, DescribeSlot };
    int Painted = 0;
    std::string Paint() { return Dispatch<std::string>(PaintSlot); }
    std::string Describe(int Level) { return Dispatch<std::string>(DescribeSlot, Level); }
};

std::string WidgetPaint(TObject& Self) {
    ++static_cast<TWidget&>(Self).Painted;
    return "widget";
}

std::string WidgetDescribe(TObject& Self, int Level) {
    return Self.ClassName() + ":" + std::to_string(Level);
}

const TClassRecord& WidgetClass() {
    static const TClassRecord record{"TWidget",
                                     "Platform.Widgets",
                                     nullptr,
                                     64,
                                     [](const TClassRecord& Class) -> std::unique_ptr<TObject> {
                                         return std::make_unique<TWidget>(Class);
                                     },
                                     nullptr,
                                     {Sys::CodePointer(WidgetPaint), Sys::CodePointer(WidgetDescribe)},
                                     {}};
    return record;
}

// The template: the extra fields and the override, which calls the parent's operation it saved.
struct TWidgetRTLFields {
    int Calls = 0;
};
TCodePointer InheritedPaint = nullptr;

std::string RTLPaint(TObject& Self) {
    ++Self.Fields<TWidgetRTLFields>()->Calls;
    return "rtl(" + reinterpret_cast<std::string (*)(TObject&)>(InheritedPaint)(Self) + ")";
}

const TClassRecord& TemplateClass() {
    static TClassRecord record = [] {
        TClassRecord r = WidgetClass();
        r.ClassName = "TWidgetRTLFake";
        r.Parent = &WidgetClass();
        r.Slots[TWidget::PaintSlot] = Sys::CodePointer(RTLPaint);
        return r;
    }();
    return record;
}

} // namespace

TEST(VirtualClass, GeneratedClassOverridesAndInherits) {
    // The pattern the library follows: find the override's slot in the template by its address, keep
    // the parent's operation of that slot, build the class.
    const size_t slot = TVmt::GetVMT(TemplateClass()).GetMethodIndex(Sys::CodePointer(RTLPaint));
    EXPECT_EQ(slot, size_t(TWidget::PaintSlot));
    InheritedPaint = TVmt::GetVMT(WidgetClass()).GetMethod(slot);
    const size_t before = TVirtualClassGenerator::ClassList().size();
    const TClassRecord* generated = TVirtualClassGenerator::CreateNewClass(
        WidgetClass(), "RTL.Widgets", "TWidgetRTL", {{int32_t(slot), Sys::CodePointer(RTLPaint)}}, {}, {}, 96,
        [] { return std::any(TWidgetRTLFields{}); });
    ASSERT_EQ(TVirtualClassGenerator::ClassList().size(), before + 1);
    EXPECT_EQ(TVirtualClassGenerator::ClassList().back()->VMT.ClassName, "TWidgetRTL");
    EXPECT_EQ(generated->Parent, &WidgetClass());
    EXPECT_EQ(generated->UnitName, "RTL.Widgets");
    EXPECT_EQ(generated->InstanceSize, 96u);

    // The platform's own factory builds the object; only the overridden slot behaves differently.
    auto object = generated->Create();
    auto& widget = static_cast<TWidget&>(*object);
    EXPECT_EQ(widget.Paint(), "rtl(widget)");
    EXPECT_EQ(widget.Painted, 1);
    EXPECT_EQ(object->Fields<TWidgetRTLFields>()->Calls, 1);
    EXPECT_EQ(widget.Describe(2), "TWidgetRTL:2");
    EXPECT_TRUE(object->InheritsFrom(WidgetClass()));
    EXPECT_FALSE(WidgetClass().Create()->InheritsFrom(*generated));
    EXPECT_EQ(WidgetClass().Create()->Fields<TWidgetRTLFields>(), nullptr);
    EXPECT_EQ(static_cast<TWidget&>(*WidgetClass().Create()).Paint(), "widget"); // the parent is untouched

    // A smaller requested size keeps the parent's.
    EXPECT_EQ(
        TVirtualClassGenerator::CreateNewClass(WidgetClass(), "U", "TSmall", {}, {}, {}, 8)->InstanceSize,
        64u);
}

TEST(VirtualClass, PublishedAndNewVirtualMethods) {
    const TClassRecord* generated =
        TVirtualClassGenerator::CreateNewClass(WidgetClass(), "RTL.Widgets", "TWidgetMore", {},
                                               {{"Paint",
                                                 Sys::CodePointer(WidgetPaint),
                                                 0,
                                                 0,
                                                 0,
                                                 "",
                                                 TVirtualClassGenerator::ParOff(1, 0, 1, 0, 0, 0),
                                                 {}}},
                                               {Sys::CodePointer(WidgetDescribe)}, 0);
    EXPECT_EQ(TVmt::GetVMT(*generated).GetUserMethodCount(), 3u);
    EXPECT_EQ(TVmt::GetVMT(*generated).GetMethod(2), Sys::CodePointer(WidgetDescribe));
    EXPECT_EQ(generated->MethodAddress("Paint"), Sys::CodePointer(WidgetPaint));
    EXPECT_EQ(generated->MethodAddress("Missing"), nullptr);
    EXPECT_EQ(TVirtualClassGenerator::ParOff(1, 2, 3, 4, 5, 6), 16 + 8 * 15 + 6);
}

TEST(VirtualClass, RecordSizesAndAssertions) {
    const TVmt vmt = TVmt::GetVMT(WidgetClass());
    EXPECT_EQ(vmt.GetUserMethodCount(), 2u);
    EXPECT_EQ(vmt.GetMethodCount(), 16u);
    EXPECT_EQ(vmt.GetSize(), 27 * sizeof(void*));
    EXPECT_EQ(vmt.GetSizeUserMethodsOnly(), 2 * sizeof(void*));
    EXPECT_EQ(vmt.GetSizeMethodPartsOnly(), 16 * sizeof(void*));
    EXPECT_EQ(vmt.VmtEnd() - vmt.UserDefinedVirtuals(), 2);
    EXPECT_ASSERTION(vmt.GetMethodIndex(Sys::CodePointer(RTLPaint)), "Assertion failure");
    EXPECT_ASSERTION(
        TVirtualClassGenerator::CreateNewClass(WidgetClass(), "U", std::string(256, 'N'), {}, {}, {}, 0),
        "Assertion failure");
    EXPECT_NE(
        TVirtualClassGenerator::CreateNewClass(WidgetClass(), "U", std::string(255, 'N'), {}, {}, {}, 0),
        nullptr);
}
