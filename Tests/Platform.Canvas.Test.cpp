// The canvas stand-in draws for real into a bitmap; scenes dispatch through the class record so that a
// class generated at run time can bracket them; the managers hand out the classes registered first.
#include "FMX.Canvas.h"
#include "FMX.TextLayoutManager.h"
#include "VirtualClass.h"

#include <gtest/gtest.h>

#include <vector>

using namespace FMX;
using Sys::TClassRecord;
using Sys::TObject;

namespace {

// Puts the process-wide registrations back as they were when the test ends.
class TManagersGuard {
public:
    TManagersGuard()
        : FCanvases(TCanvasManager::CanvasList()), FLayouts(TTextLayoutManager::LayoutList()),
          FSoftware(TCanvasManager::SoftwareCanvasEnabled()) {
        TCanvasManager::UnInitialize();
        TTextLayoutManager::UnInitialize();
        TCanvasManager::EnableSoftwareCanvas(false);
    }
    ~TManagersGuard() {
        TCanvasManager::UnInitialize();
        TTextLayoutManager::UnInitialize();
        for (const auto& rec : FCanvases)
            TCanvasManager::RegisterCanvas(*rec.CanvasClass, rec.Default, rec.PrinterCanvas);
        for (const auto& rec : FLayouts)
            TTextLayoutManager::RegisterTextLayout(*rec.LayoutClass, *rec.CanvasClass);
        TCanvasManager::EnableSoftwareCanvas(FSoftware);
    }

private:
    std::vector<TCanvasManager::TCanvasClassRec> FCanvases;
    std::vector<TTextLayoutManager::TTextLayoutRec> FLayouts;
    bool FSoftware;
};

TBitmap MakeBitmap(int Width, int Height, const std::vector<TAlphaColor>& Pixels) {
    TBitmap bitmap(Width, Height);
    TBitmapData data;
    bitmap.Map(TMapAccess::Write, data);
    for (int i = 0; i < Width * Height; ++i) data.SetPixel(i % Width, i / Width, Pixels[i]);
    bitmap.Unmap(data);
    return bitmap;
}

std::vector<TAlphaColor> Row(const TBitmap& Bitmap, int Y) {
    std::vector<TAlphaColor> row;
    for (int x = 0; x < Bitmap.Width(); ++x) row.push_back(Bitmap.Pixel(x, Y));
    return row;
}

std::unique_ptr<TCustomCanvasGpu> GpuCanvas(TBitmap& Target, float Scale = 1) {
    auto canvas = TCanvas::CreateFromBitmap(TCanvasGpu::ClassRecord(), Target, Scale);
    return std::unique_ptr<TCustomCanvasGpu>(static_cast<TCustomCanvasGpu*>(canvas.release()));
}

// A class record with only a name: layouts the managers hand out but nobody builds.
TClassRecord Named(const char* Name) {
    TClassRecord r;
    r.ClassName = Name;
    return r;
}

constexpr TAlphaColor Red = 0xFFFF0000;
constexpr TAlphaColor Blue = 0xFF0000FF;

} // namespace

TEST(PlatformCanvas, DrawBitmapUnderMatrixWithOpacityAndModulateColour) {
    // White coverage, half-covered red, nothing, blue.
    const TBitmap source = MakeBitmap(2, 2, {TAlphaColors::White, 0x80800000, 0, Blue});
    struct TCase {
        TAlphaColor Modulate;
        float Opacity;
        TAlphaColor White, HalfRed, BlueOut;
    };
    const TCase cases[] = {
        {TAlphaColors::White, 1, TAlphaColors::White, 0x80800000, Blue},
        {Red, 1, Red, 0x80800000, TAlphaColors::Black}, // white text drawn red; blue has no red
        {TAlphaColors::White, 0.5f, 0x80808080, 0x40400000, 0x80000080},
        {Red, 0.5f, 0x80800000, 0x40400000, 0x80000000},
        {0x80FFFFFF, 1, 0x80808080, 0x40400000, 0x80000080}, // a translucent modulate colour
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Opacity);
        TBitmap target(8, 8);
        auto canvas = GpuCanvas(target);
        canvas->SetModulateColor(c.Modulate);
        // Scaled by 2 and then moved by (1, 2): each source pixel becomes a 2 x 2 block at (1, 2).
        canvas->SetMatrix(TMatrix::CreateScaling(2, 2) * TMatrix::CreateTranslation(1, 2));
        ASSERT_TRUE(canvas->BeginScene());
        canvas->DrawBitmap(source, {0, 0, 2, 2}, {0, 0, 2, 2}, c.Opacity, true);
        canvas->EndScene();
        EXPECT_EQ(Row(target, 2),
                  (std::vector<TAlphaColor>{0, c.White, c.White, c.HalfRed, c.HalfRed, 0, 0, 0}));
        EXPECT_EQ(Row(target, 3), Row(target, 2));
        EXPECT_EQ(Row(target, 5), (std::vector<TAlphaColor>{0, 0, 0, c.BlueOut, c.BlueOut, 0, 0, 0}));
        EXPECT_EQ(Row(target, 1), std::vector<TAlphaColor>(8, 0));
        EXPECT_EQ(Row(target, 6), std::vector<TAlphaColor>(8, 0));
    }
}

TEST(PlatformCanvas, DrawBitmapBlendsOverAndTheSoftwareCanvasIgnoresTheModulateColour) {
    TBitmap target(2, 1);
    auto canvas = TCanvas::CreateFromBitmap(TCanvas::ClassRecord(), target);
    canvas->Clear(0xFF000000 | 0x00FF00); // opaque green
    const TBitmap halfRed = MakeBitmap(1, 1, {0x80800000});
    canvas->DrawBitmap(halfRed, {0, 0, 1, 1}, {0, 0, 1, 1}, 1, false);
    EXPECT_EQ(target.Pixel(0, 0), 0xFF807F00u);
    EXPECT_EQ(target.Pixel(1, 0), 0xFF00FF00u);

    // A bitmap drawn into itself reads what it held before.
    TBitmap strip = MakeBitmap(3, 1, {Red, Blue, 0});
    auto self = GpuCanvas(strip);
    self->DrawBitmap(strip, {0, 0, 2, 1}, {1, 0, 3, 1}, 1, true);
    EXPECT_EQ(Row(strip, 0), (std::vector<TAlphaColor>{Red, Red, Blue}));
}

TEST(PlatformCanvas, HighSpeedIsNearestNeighbourAndSmoothIsBilinear) {
    const TBitmap source = MakeBitmap(2, 1, {TAlphaColors::Black, TAlphaColors::White});
    for (const bool highSpeed : {true, false}) {
        TBitmap target(4, 1);
        auto canvas = GpuCanvas(target);
        canvas->DrawBitmap(source, {0, 0, 2, 1}, {0, 0, 4, 1}, 1, highSpeed);
        EXPECT_EQ(Row(target, 0),
                  highSpeed ? (std::vector<TAlphaColor>{0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF})
                            : (std::vector<TAlphaColor>{0xFF000000, 0xFF404040, 0xFFBFBFBF, 0xFFFFFFFF}));
    }
    // Unscaled at whole pixels, smooth drawing copies exactly; and sampling stays inside the source
    // rectangle, so the neighbours of a glyph in a shared texture never bleed in.
    const TBitmap texture = MakeBitmap(3, 1, {TAlphaColors::White, Red, TAlphaColors::White});
    TBitmap target(5, 1);
    auto canvas = GpuCanvas(target);
    canvas->DrawBitmap(texture, {0, 0, 3, 1}, {2, 0, 5, 1}, 1, false);
    EXPECT_EQ(Row(target, 0),
              (std::vector<TAlphaColor>{0, 0, TAlphaColors::White, Red, TAlphaColors::White}));
    canvas->DrawBitmap(texture, {1, 0, 2, 1}, {0, 0, 4, 1}, 1, false);
    EXPECT_EQ(Row(target, 0), (std::vector<TAlphaColor>{Red, Red, Red, Red, TAlphaColors::White}));
}

TEST(PlatformCanvas, ScaleMapsUnitsToDevicePixelsAndAlignsToThem) {
    TBitmap target(4, 4);
    auto canvas = GpuCanvas(target, 2);
    const TBitmap dot = MakeBitmap(1, 1, {Blue});
    canvas->DrawBitmap(dot, {0, 0, 1, 1}, {1, 0, 2, 1}, 1, true);
    EXPECT_EQ(Row(target, 0), (std::vector<TAlphaColor>{0, 0, Blue, Blue}));
    EXPECT_EQ(Row(target, 1), Row(target, 0));
    EXPECT_EQ(Row(target, 2), std::vector<TAlphaColor>(4, 0));

    struct TCase {
        float Value, Aligned;
    };
    for (const TCase c : {TCase{0.3f, 0.5f}, {0.2f, 0}, {1.25f, 1}, {1.75f, 2}, {-0.3f, -0.5f}})
        EXPECT_EQ(canvas->AlignToPixelHorizontally(c.Value), c.Aligned) << c.Value;
    EXPECT_EQ(canvas->AlignToPixel(TPointF{0.3f, 0.2f}), (TPointF{0.5f, 0}));
    EXPECT_EQ(canvas->AlignToPixel(TRectF{0.3f, 0.2f, 1.3f, 1.76f}), (TRectF{0.5f, 0, 1.5f, 2}));

    EXPECT_THROW(TCanvas::CreateFromBitmap(TCanvasGpu::ClassRecord(), target, 0), Sys::EArgumentException);
}

TEST(PlatformCanvas, DrawLineCoversThePixelsOfItsStroke) {
    struct TCase {
        const char* Name;
        TPointF From, To;
        float Thickness, Opacity;
        TMatrix Matrix;
        TRect Covered; // the pixels fully painted; every other pixel stays transparent
    };
    const TCase cases[] = {
        {"horizontal on pixel centres", {1, 5.5f}, {9, 5.5f}, 1, 1, TMatrix::Identity(), {1, 5, 9, 6}},
        {"vertical, two wide", {5, 1}, {5, 9}, 2, 1, TMatrix::Identity(), {4, 1, 6, 9}},
        {"translated", {1, 5.5f}, {9, 5.5f}, 1, 1, TMatrix::CreateTranslation(1, -2), {2, 3, 10, 4}},
        {"scaled widens the stroke", {0.5f, 1}, {4.5f, 1}, 1, 1, TMatrix::CreateScaling(2, 2), {1, 1, 9, 3}},
        {"half opacity", {1, 5.5f}, {9, 5.5f}, 1, 0.5f, TMatrix::Identity(), {1, 5, 9, 6}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TBitmap target(10, 10);
        auto canvas = GpuCanvas(target);
        canvas->SetMatrix(c.Matrix);
        canvas->Stroke().Color = Red;
        canvas->Stroke().Thickness = c.Thickness;
        canvas->DrawLine(c.From, c.To, c.Opacity);
        const TAlphaColor painted = c.Opacity == 1 ? Red : 0x80800000;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside =
                    x >= c.Covered.Left && x < c.Covered.Right && y >= c.Covered.Top && y < c.Covered.Bottom;
                ASSERT_EQ(target.Pixel(x, y), inside ? painted : 0u) << x << "," << y;
            }
    }

    // A line between pixel rows covers both halfway; a diagonal passes through the pixels it crosses.
    TBitmap target(10, 10);
    auto canvas = GpuCanvas(target);
    canvas->DrawLine({0, 5}, {10, 5}, 1);
    EXPECT_EQ(target.Pixel(3, 4), 0x80000000u);
    EXPECT_EQ(target.Pixel(3, 5), 0x80000000u);
    canvas->Clear(0);
    canvas->DrawLine({0, 0}, {10, 10}, 1);
    for (int i = 1; i < 8; ++i) {
        EXPECT_GT(TAlphaColorRec::A(target.Pixel(i, i)), 0xC0) << i;
        EXPECT_EQ(target.Pixel(i, i + 2), 0u) << i;
    }
}

namespace {

// A canvas class generated from the GPU canvas whose scene operations count, per object and over all
// objects of the class, and call the parent's.
struct TSceneFields {
    int Begins = 0;
    int Ends = 0;
};
int GlobalScenes = 0;
int OutermostBegins = 0;
int OutermostEnds = 0;
TDoBeginScene InheritedBeginScene = nullptr;
TDoEndScene InheritedEndScene = nullptr;

bool CountingBeginScene(TObject& Self, const TClipRects* ClipRects, uintptr_t ContextHandle) {
    const bool result = InheritedBeginScene(Self, ClipRects, ContextHandle);
    ++Self.Fields<TSceneFields>()->Begins;
    if (GlobalScenes++ == 0) ++OutermostBegins;
    return result;
}

void CountingEndScene(TObject& Self) {
    InheritedEndScene(Self);
    ++Self.Fields<TSceneFields>()->Ends;
    if (--GlobalScenes == 0) ++OutermostEnds;
}

const TClassRecord& CountingTemplate() {
    static const TClassRecord record = [] {
        TClassRecord r = TCanvasGpu::ClassRecord();
        r.ClassName = "TCountingCanvasTemplate";
        r.Slots[TCanvas::DoBeginSceneSlot] = Sys::CodePointer(CountingBeginScene);
        r.Slots[TCanvas::DoEndSceneSlot] = Sys::CodePointer(CountingEndScene);
        return r;
    }();
    return record;
}

const TClassRecord& CountingCanvasClass(const TClassRecord& Parent) {
    static const TClassRecord* generated = [&] {
        const auto vmt = Zarvel::TVmt::GetVMT(CountingTemplate());
        const size_t begin = vmt.GetMethodIndex(Sys::CodePointer(CountingBeginScene));
        const size_t end = vmt.GetMethodIndex(Sys::CodePointer(CountingEndScene));
        EXPECT_EQ(end, 8u);
        InheritedBeginScene = reinterpret_cast<TDoBeginScene>(Zarvel::TVmt::GetVMT(Parent).GetMethod(begin));
        InheritedEndScene = reinterpret_cast<TDoEndScene>(Zarvel::TVmt::GetVMT(Parent).GetMethod(end));
        return Zarvel::TVirtualClassGenerator::CreateNewClass(
            Parent, "Tests.Canvas", "TCanvasGpu",
            {{int32_t(begin), Sys::CodePointer(CountingBeginScene)},
             {int32_t(end), Sys::CodePointer(CountingEndScene)}},
            {}, {}, Parent.InstanceSize, [] { return std::any(TSceneFields{}); });
    }();
    return *generated;
}

} // namespace

TEST(PlatformCanvas, GeneratedCanvasBracketsNestedScenesOnTwoCanvases) {
    TManagersGuard guard;
    TPlatformCanvasService service;
    service.RegisterCanvasClasses();
    const TClassRecord* platform = TCanvasManager::GetDefaultCanvas();
    ASSERT_EQ(platform, &TCanvasGpu::ClassRecord());

    // What the library does on load: empty the managers, register its class, let the platform
    // register its own again.
    const TClassRecord& generated = CountingCanvasClass(*platform);
    TCanvasManager::UnInitialize();
    TCanvasManager::RegisterCanvas(generated, true, false);
    service.RegisterCanvasClasses();
    ASSERT_EQ(TCanvasManager::GetDefaultCanvas(), &generated);
    EXPECT_EQ(generated.ClassName, "TCanvasGpu");
    EXPECT_EQ(generated.Parent->ClassName, "TCanvasGpu");

    TBitmap first(4, 4), second(4, 4), empty;
    auto a = TCanvasManager::CreateFromBitmap(first);
    auto b = TCanvasManager::CreateFromBitmap(second);
    ASSERT_EQ(&a->ClassType(), &generated);
    OutermostBegins = OutermostEnds = 0;

    EXPECT_TRUE(a->BeginScene());
    EXPECT_TRUE(a->BeginScene()); // nested: no second DoBeginScene
    EXPECT_TRUE(b->BeginScene());
    EXPECT_EQ(OutermostBegins, 1);
    a->EndScene();
    a->EndScene();
    EXPECT_EQ(OutermostEnds, 0); // b's scene is still open
    b->EndScene();
    b->EndScene(); // no open scene: nothing
    EXPECT_EQ(a->Fields<TSceneFields>()->Begins, 1);
    EXPECT_EQ(a->Fields<TSceneFields>()->Ends, 1);
    EXPECT_EQ(b->Fields<TSceneFields>()->Ends, 1);
    EXPECT_EQ(OutermostEnds, 1);
    EXPECT_EQ(GlobalScenes, 0);

    // The parent's result comes back: a canvas with nothing to draw into opens no scene.
    auto none = TCanvasManager::CreateFromBitmap(empty);
    EXPECT_FALSE(none->BeginScene());
    EXPECT_EQ(none->BeginSceneCount(), 0);
    GlobalScenes = 0;

    // Everything else is the platform canvas's: the modulate colour still tints drawn bitmaps.
    auto& gpu = dynamic_cast<TCustomCanvasGpu&>(*a);
    gpu.SetModulateColor(Red);
    gpu.DrawBitmap(MakeBitmap(1, 1, {TAlphaColors::White}), {0, 0, 1, 1}, {0, 0, 1, 1}, 1, false);
    EXPECT_EQ(first.Pixel(0, 0), Red);
}

TEST(PlatformCanvas, CanvasManagerOrderPrinterAndSoftwareCanvas) {
    TManagersGuard guard;
    const TClassRecord& gpu = TCanvasGpu::ClassRecord();
    const TClassRecord& custom = TCustomCanvasGpu::ClassRecord();
    const TClassRecord& software = TCanvas::ClassRecord();
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), nullptr);
    EXPECT_EQ(TCanvasManager::GetDefaultPrinterCanvas(), nullptr);
    TBitmap target(1, 1);
    EXPECT_THROW(TCanvasManager::CreateFromBitmap(target), Sys::EInvalidOpException);

    TCanvasManager::EnableSoftwareCanvas(true);
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), &software);
    TCanvasManager::EnableSoftwareCanvas(false);

    TCanvasManager::RegisterCanvas(custom, false, false);
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), &custom); // the only screen canvas
    TCanvasManager::RegisterCanvas(gpu, true, false);
    TCanvasManager::RegisterCanvas(software, true, false);
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), &gpu); // the first default
    EXPECT_EQ(TCanvasManager::GetDefaultPrinterCanvas(), nullptr);

    // A printer canvas registered as non-default is still the printer canvas; it is never the screen's.
    TCanvasManager::RegisterCanvas(software, false, true);
    EXPECT_EQ(TCanvasManager::GetDefaultPrinterCanvas(), &software);
    TCanvasManager::RegisterCanvas(custom, true, true);
    EXPECT_EQ(TCanvasManager::GetDefaultPrinterCanvas(), &custom);
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), &gpu);

    TCanvasManager::UnInitialize();
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), nullptr);
    EXPECT_EQ(TCanvasManager::GetDefaultPrinterCanvas(), nullptr);

    // The service registers its canvas once, however often it is asked.
    TPlatformCanvasService service;
    service.RegisterCanvasClasses();
    service.RegisterCanvasClasses();
    ASSERT_EQ(TCanvasManager::CanvasList().size(), 1u);
    EXPECT_EQ(TCanvasManager::GetDefaultCanvas(), &gpu);
    EXPECT_EQ(TCanvasManager::CreateFromBitmap(target)->ClassName(), "TCanvasGpu");

    const TClassRecord notACanvas = Named("TNotACanvas");
    EXPECT_THROW(TCanvas::CreateFromBitmap(notACanvas, target), Sys::EArgumentException);
}

TEST(PlatformCanvas, TextLayoutByCanvasTakesTheFirstForTheNearestClass) {
    TManagersGuard guard;
    const TClassRecord first = Named("TFirstLayout"), second = Named("TSecondLayout"),
                       parentLayout = Named("TParentLayout");
    const TClassRecord child = [] {
        TClassRecord r = TCanvasGpu::ClassRecord();
        r.Parent = &TCanvasGpu::ClassRecord();
        return r;
    }();
    TTextLayoutManager::RegisterTextLayout(parentLayout, TCustomCanvasGpu::ClassRecord());
    TTextLayoutManager::RegisterTextLayout(first, TCanvasGpu::ClassRecord());
    TTextLayoutManager::RegisterTextLayout(second, TCanvasGpu::ClassRecord());
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(TCanvasGpu::ClassRecord()), &first);
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(child), &first);
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(TCustomCanvasGpu::ClassRecord()), &parentLayout);
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(TCanvas::ClassRecord()), nullptr);

    // A layout registered for the derived class wins over its parent's, whatever came first.
    TTextLayoutManager::RegisterTextLayout(second, child);
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(child), &second);

    TTextLayoutManager::UnInitialize();
    EXPECT_EQ(TTextLayoutManager::TextLayoutByCanvas(TCanvasGpu::ClassRecord()), nullptr);
    EXPECT_TRUE(TTextLayoutManager::LayoutList().empty());
}
