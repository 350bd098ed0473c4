#include "FMX.Canvas.h"

#include <algorithm>
#include <cmath>

namespace FMX {

// ---- Matrix

TMatrix TMatrix::operator*(const TMatrix& O) const {
    return {M11 * O.M11 + M12 * O.M21, M11 * O.M12 + M12 * O.M22,         M21 * O.M11 + M22 * O.M21,
            M21 * O.M12 + M22 * O.M22, M31 * O.M11 + M32 * O.M21 + O.M31, M31 * O.M12 + M32 * O.M22 + O.M32};
}

TMatrix TMatrix::Inverse() const {
    const float det = Determinant();
    if (det == 0) return {0, 0, 0, 0, 0, 0};
    const float i11 = M22 / det, i12 = -M12 / det, i21 = -M21 / det, i22 = M11 / det;
    return {i11, i12, i21, i22, -(M31 * i11 + M32 * i21), -(M31 * i12 + M32 * i22)};
}

namespace {

// ---- Pixels

// A premultiplied colour in floats of 0 to 255, for blending without losing precision.
struct TPixelF {
    float A = 0, R = 0, G = 0, B = 0;
};

TPixelF ToPixelF(TAlphaColor C) {
    return {float(TAlphaColorRec::A(C)), float(TAlphaColorRec::R(C)), float(TAlphaColorRec::G(C)),
            float(TAlphaColorRec::B(C))};
}

uint8_t ToByte(float V) {
    return static_cast<uint8_t>(std::clamp(std::lround(V), 0L, 255L));
}

// Premultiplied source over premultiplied destination.
void BlendOver(TAlphaColor& Dst, const TPixelF& Src) {
    if (Src.A <= 0 && Src.R <= 0 && Src.G <= 0 && Src.B <= 0) return;
    const TPixelF d = ToPixelF(Dst);
    const float keep = 1 - Src.A / 255;
    Dst = TAlphaColorRec::Make(ToByte(Src.A + d.A * keep), ToByte(Src.R + d.R * keep),
                               ToByte(Src.G + d.G * keep), ToByte(Src.B + d.B * keep));
}

TPixelF Scaled(const TPixelF& P, float F) {
    return {P.A * F, P.R * F, P.G * F, P.B * F};
}

float ClampOpacity(float Opacity) {
    return std::isnan(Opacity) ? 0 : std::clamp(Opacity, 0.0f, 1.0f);
}

// The device pixels, clipped to the bitmap, that can hold a point of R under M.
TRect DeviceBounds(const TMatrix& M, const TRectF& R, int Width, int Height) {
    const TPointF corners[] = {M.Transform({R.Left, R.Top}), M.Transform({R.Right, R.Top}),
                               M.Transform({R.Left, R.Bottom}), M.Transform({R.Right, R.Bottom})};
    float left = corners[0].X, right = corners[0].X, top = corners[0].Y, bottom = corners[0].Y;
    for (const TPointF& c : corners) {
        left = std::min(left, c.X);
        right = std::max(right, c.X);
        top = std::min(top, c.Y);
        bottom = std::max(bottom, c.Y);
    }
    const auto clip = [](float V, int Limit) {
        return std::isnan(V) ? 0 : int(std::clamp(V, 0.0f, float(Limit)));
    };
    return {clip(std::floor(left), Width), clip(std::floor(top), Height), clip(std::ceil(right), Width),
            clip(std::ceil(bottom), Height)};
}

// Calls Visit(pixel, point in canvas units) for every device pixel of the target whose centre lies in
// R (right and bottom edges excluded) under the canvas's device matrix.
template <typename F> void ForEachPixelIn(TBitmap& Target, const TMatrix& Device, const TRectF& R, F Visit) {
    if (R.IsEmpty() || Target.IsEmpty() || Device.Determinant() == 0) return;
    const TMatrix inverse = Device.Inverse();
    const TRect box = DeviceBounds(Device, R, Target.Width(), Target.Height());
    if (box.IsEmpty()) return;
    TBitmapData data;
    Target.Map(TMapAccess::ReadWrite, data);
    for (int y = box.Top; y < box.Bottom; ++y) {
        TAlphaColor* row = data.GetScanline(y);
        for (int x = box.Left; x < box.Right; ++x) {
            const TPointF p = inverse.Transform({x + 0.5f, y + 0.5f});
            if (p.X >= R.Left && p.X < R.Right && p.Y >= R.Top && p.Y < R.Bottom) Visit(row[x], p);
        }
    }
    Target.Unmap(data);
}

TCanvas& AsCanvas(Sys::TObject& Self) {
    return static_cast<TCanvas&>(Self);
}

} // namespace

// ---- Canvas

std::unique_ptr<TCanvas> TCanvas::CreateFromBitmap(const Sys::TClassRecord& Class, TBitmap& Target,
                                                   float Scale) {
    if (!Class.InheritsFrom(ClassRecord()))
        throw Sys::EArgumentException("Class " + Class.ClassName + " is not a canvas class");
    if (!(Scale > 0) || !std::isfinite(Scale))
        throw Sys::EArgumentException(std::string("Canvas scale must be positive"));
    auto object = Class.Create();
    auto* canvas = dynamic_cast<TCanvas*>(object.get());
    if (!canvas) throw Sys::EArgumentException("Class " + Class.ClassName + " does not build a canvas");
    object.release();
    canvas->FBitmap = &Target;
    canvas->FScale = Scale;
    return std::unique_ptr<TCanvas>(canvas);
}

bool TCanvas::BeginScene(const TClipRects* ClipRects, uintptr_t ContextHandle) {
    if (FBeginSceneCount == 0 &&
        !Dispatch<bool, const TClipRects*, uintptr_t>(DoBeginSceneSlot, ClipRects, ContextHandle))
        return false;
    ++FBeginSceneCount;
    return true;
}

void TCanvas::EndScene() {
    if (FBeginSceneCount == 0) return;
    if (--FBeginSceneCount == 0) Dispatch<void>(DoEndSceneSlot);
}

float TCanvas::AlignToPixelHorizontally(float Value) const {
    return std::nearbyint(Value * FScale) / FScale;
}

TPointF TCanvas::AlignToPixel(TPointF P) const {
    return {AlignToPixelHorizontally(P.X), AlignToPixelVertically(P.Y)};
}

TRectF TCanvas::AlignToPixel(const TRectF& R) const {
    return {AlignToPixelHorizontally(R.Left), AlignToPixelVertically(R.Top),
            AlignToPixelHorizontally(R.Right), AlignToPixelVertically(R.Bottom)};
}

void TCanvas::DoClear(Sys::TObject& Self, TAlphaColor Color) {
    TBitmap* target = AsCanvas(Self).FBitmap;
    if (target && !target->IsEmpty()) target->Clear(Color);
}

void TCanvas::DoClearRect(Sys::TObject& Self, const TRectF& R, TAlphaColor Color) {
    TCanvas& canvas = AsCanvas(Self);
    if (!canvas.FBitmap) return;
    const TAlphaColor premultiplied = PremultiplyAlpha(Color);
    ForEachPixelIn(*canvas.FBitmap, canvas.DeviceMatrix(), R,
                   [&](TAlphaColor& Pixel, TPointF) { Pixel = premultiplied; });
}

void TCanvas::DoSetMatrix(Sys::TObject& Self, const TMatrix& M) {
    AsCanvas(Self).FMatrix = M;
}

void TCanvas::DoFillRect(Sys::TObject& Self, const TRectF& R, float Opacity, const TBrush& Brush) {
    TCanvas& canvas = AsCanvas(Self);
    if (!canvas.FBitmap) return;
    const TPixelF color = Scaled(ToPixelF(PremultiplyAlpha(Brush.Color)), ClampOpacity(Opacity));
    ForEachPixelIn(*canvas.FBitmap, canvas.DeviceMatrix(), R,
                   [&](TAlphaColor& Pixel, TPointF) { BlendOver(Pixel, color); });
}

void TCanvas::DoDrawRect(Sys::TObject& Self, const TRectF& R, float Opacity, const TStrokeBrush& Brush) {
    TCanvas& canvas = AsCanvas(Self);
    // The outline is centred on the edges; each side runs half a stroke past its corners so that the
    // corners are filled once.
    const float h = Brush.Thickness / 2;
    canvas.DrawLine({R.Left - h, R.Top}, {R.Right + h, R.Top}, Opacity, Brush);
    canvas.DrawLine({R.Left - h, R.Bottom}, {R.Right + h, R.Bottom}, Opacity, Brush);
    canvas.DrawLine({R.Left, R.Top + h}, {R.Left, R.Bottom - h}, Opacity, Brush);
    canvas.DrawLine({R.Right, R.Top + h}, {R.Right, R.Bottom - h}, Opacity, Brush);
}

void TCanvas::DoDrawBitmap(Sys::TObject& Self, const TBitmap& Source, const TRectF& SrcRect,
                           const TRectF& DstRect, float Opacity, bool HighSpeed) {
    AsCanvas(Self).DrawBitmapModulated(Source, SrcRect, DstRect, Opacity, HighSpeed, TAlphaColors::White);
}

void TCanvas::DrawBitmapModulated(const TBitmap& Source, const TRectF& SrcRect, const TRectF& DstRect,
                                  float Opacity, bool HighSpeed, TAlphaColor Modulate) {
    if (!FBitmap || Source.IsEmpty() || SrcRect.IsEmpty() || DstRect.IsEmpty()) return;
    // The source rectangle's pixels that exist; samples never leave them, so that neighbours in a
    // shared texture do not bleed into the drawn rectangle.
    const int sx0 = std::max(0, int(std::floor(SrcRect.Left)));
    const int sy0 = std::max(0, int(std::floor(SrcRect.Top)));
    const int sx1 = std::min(Source.Width(), int(std::ceil(SrcRect.Right))) - 1;
    const int sy1 = std::min(Source.Height(), int(std::ceil(SrcRect.Bottom))) - 1;
    if (sx1 < sx0 || sy1 < sy0) return;

    // Drawing a bitmap into itself reads from a copy, so that written pixels are not read again.
    TBitmap copy;
    const TBitmap* source = &Source;
    if (&Source == FBitmap) {
        copy.SetSize(Source.Width(), Source.Height());
        TBitmapData data;
        copy.Map(TMapAccess::Write, data);
        for (int y = 0; y < Source.Height(); ++y)
            for (int x = 0; x < Source.Width(); ++x) data.SetPixel(x, y, Source.Pixel(x, y));
        copy.Unmap(data);
        source = &copy;
    }

    const TPixelF m = ToPixelF(Modulate);
    const float opacity = ClampOpacity(Opacity);
    // Premultiplied modulate colour, scaled to factors, with the opacity folded in.
    const TPixelF factor{m.A / 255 * opacity, m.R * m.A / 65025 * opacity, m.G * m.A / 65025 * opacity,
                         m.B * m.A / 65025 * opacity};
    const float kx = SrcRect.Width() / DstRect.Width();
    const float ky = SrcRect.Height() / DstRect.Height();
    const auto texel = [&](int X, int Y) {
        return ToPixelF(source->Pixel(std::clamp(X, sx0, sx1), std::clamp(Y, sy0, sy1)));
    };

    ForEachPixelIn(*FBitmap, DeviceMatrix(), DstRect, [&](TAlphaColor& Pixel, TPointF P) {
        const float u = SrcRect.Left + (P.X - DstRect.Left) * kx;
        const float v = SrcRect.Top + (P.Y - DstRect.Top) * ky;
        TPixelF s;
        if (HighSpeed) {
            s = texel(int(std::floor(u)), int(std::floor(v)));
        } else {
            const float fu = u - 0.5f, fv = v - 0.5f;
            const int x0 = int(std::floor(fu)), y0 = int(std::floor(fv));
            const float tx = fu - x0, ty = fv - y0;
            const TPixelF p00 = texel(x0, y0), p10 = texel(x0 + 1, y0), p01 = texel(x0, y0 + 1),
                          p11 = texel(x0 + 1, y0 + 1);
            const auto mix = [&](float A, float B, float C, float D) {
                return (A * (1 - tx) + B * tx) * (1 - ty) + (C * (1 - tx) + D * tx) * ty;
            };
            s = {mix(p00.A, p10.A, p01.A, p11.A), mix(p00.R, p10.R, p01.R, p11.R),
                 mix(p00.G, p10.G, p01.G, p11.G), mix(p00.B, p10.B, p01.B, p11.B)};
        }
        BlendOver(Pixel, {s.A * factor.A, s.R * factor.R, s.G * factor.G, s.B * factor.B});
    });
}

void TCanvas::DoDrawLine(Sys::TObject& Self, const TPointF& From, const TPointF& To, float Opacity,
                         const TStrokeBrush& Brush) {
    TCanvas& canvas = AsCanvas(Self);
    TBitmap* target = canvas.FBitmap;
    if (!target || target->IsEmpty() || !(Brush.Thickness > 0)) return;
    const TMatrix device = canvas.DeviceMatrix();
    const TPointF a = device.Transform(From), b = device.Transform(To);
    const float dx = b.X - a.X, dy = b.Y - a.Y;
    const float length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0) || !std::isfinite(length)) return;
    // The stroke widens with the transformation's average scale.
    const float half = Brush.Thickness * std::sqrt(std::fabs(device.Determinant())) / 2;
    const float ux = dx / length, uy = dy / length;
    const TPixelF color = Scaled(ToPixelF(PremultiplyAlpha(Brush.Color)), ClampOpacity(Opacity));

    const TRectF reach{std::min(a.X, b.X) - half - 1, std::min(a.Y, b.Y) - half - 1,
                       std::max(a.X, b.X) + half + 1, std::max(a.Y, b.Y) + half + 1};
    const TRect box = DeviceBounds(TMatrix::Identity(), reach, target->Width(), target->Height());
    if (box.IsEmpty()) return;
    TBitmapData data;
    target->Map(TMapAccess::ReadWrite, data);
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x) {
            // Coverage of the pixel, approximated from its centre's distances to the stroke's sides
            // and flat ends.
            const float px = x + 0.5f - a.X, py = y + 0.5f - a.Y;
            const float along = px * ux + py * uy;
            const float across = std::fabs(px * uy - py * ux);
            const float sides = std::clamp(half + 0.5f - across, 0.0f, 1.0f);
            const float ends = std::clamp(std::min(along, length - along) + 0.5f, 0.0f, 1.0f);
            const float coverage = std::min(sides, 2 * half) * ends;
            if (coverage > 0) BlendOver(data.GetScanline(y)[x], Scaled(color, coverage));
        }
    target->Unmap(data);
}

bool TCanvas::DoBeginScene(Sys::TObject& Self, const TClipRects*, uintptr_t) {
    const TBitmap* target = AsCanvas(Self).FBitmap;
    return target && !target->IsEmpty();
}

void TCanvas::DoEndScene(Sys::TObject&) {}

namespace {

std::unique_ptr<Sys::TObject> NewCanvas(const Sys::TClassRecord& Class) {
    return std::make_unique<TCanvas>(Class);
}
std::unique_ptr<Sys::TObject> NewCanvasGpu(const Sys::TClassRecord& Class) {
    return std::make_unique<TCanvasGpu>(Class);
}

// A class derived from Parent: its record with the parent's slots, to be changed where it overrides.
Sys::TClassRecord DerivedRecord(const Sys::TClassRecord& Parent, const char* Name, uint32_t InstanceSize) {
    Sys::TClassRecord r = Parent;
    r.ClassName = Name;
    r.Parent = &Parent;
    r.InstanceSize = InstanceSize;
    return r;
}

} // namespace

const Sys::TClassRecord& TCanvas::ClassRecord() {
    static const Sys::TClassRecord record{"TCanvas",
                                          "FMX.Canvas",
                                          nullptr,
                                          sizeof(TCanvas),
                                          NewCanvas,
                                          nullptr,
                                          {
                                              Sys::CodePointer(DoClear),
                                              Sys::CodePointer(DoClearRect),
                                              Sys::CodePointer(DoSetMatrix),
                                              Sys::CodePointer(DoFillRect),
                                              Sys::CodePointer(DoDrawRect),
                                              Sys::CodePointer(DoDrawBitmap),
                                              Sys::CodePointer(DoDrawLine),
                                              Sys::CodePointer(DoBeginScene),
                                              Sys::CodePointer(DoEndScene),
                                          },
                                          {}};
    return record;
}

// ---- GPU canvas

void TCustomCanvasGpu::DoDrawBitmap(Sys::TObject& Self, const TBitmap& Source, const TRectF& SrcRect,
                                    const TRectF& DstRect, float Opacity, bool HighSpeed) {
    auto& canvas = static_cast<TCustomCanvasGpu&>(Self);
    canvas.DrawBitmapModulated(Source, SrcRect, DstRect, Opacity, HighSpeed, canvas.FModulateColor);
}

const Sys::TClassRecord& TCustomCanvasGpu::ClassRecord() {
    static const Sys::TClassRecord record = [] {
        Sys::TClassRecord r =
            DerivedRecord(TCanvas::ClassRecord(), "TCustomCanvasGpu", sizeof(TCustomCanvasGpu));
        r.Factory = NewCanvasGpu;
        r.Slots[DoDrawBitmapSlot] = Sys::CodePointer(DoDrawBitmap);
        return r;
    }();
    return record;
}

const Sys::TClassRecord& TCanvasGpu::ClassRecord() {
    static const Sys::TClassRecord record =
        DerivedRecord(TCustomCanvasGpu::ClassRecord(), "TCanvasGpu", sizeof(TCanvasGpu));
    return record;
}

static_assert(TCanvas::DoEndSceneSlot == 8, "the library replaces the scene slots by these indexes");

// ---- Canvas manager

namespace {

struct TCanvasRegistry {
    std::vector<TCanvasManager::TCanvasClassRec> List;
    bool SoftwareCanvas = false;
};

TCanvasRegistry& Registry() {
    static TCanvasRegistry registry;
    return registry;
}

const Sys::TClassRecord* FindCanvas(bool Printer) {
    const auto& list = Registry().List;
    for (const auto& rec : list)
        if (rec.PrinterCanvas == Printer && rec.Default) return rec.CanvasClass;
    for (const auto& rec : list)
        if (rec.PrinterCanvas == Printer) return rec.CanvasClass;
    return nullptr;
}

} // namespace

void TCanvasManager::RegisterCanvas(const Sys::TClassRecord& CanvasClass, bool Default, bool PrinterCanvas) {
    auto& list = Registry().List;
    for (const auto& rec : list)
        if (rec.CanvasClass == &CanvasClass && rec.Default == Default && rec.PrinterCanvas == PrinterCanvas)
            return;
    list.push_back({&CanvasClass, Default, PrinterCanvas});
}

const Sys::TClassRecord* TCanvasManager::GetDefaultCanvas() {
    if (const Sys::TClassRecord* found = FindCanvas(false)) return found;
    return Registry().SoftwareCanvas ? &TCanvas::ClassRecord() : nullptr;
}

const Sys::TClassRecord* TCanvasManager::GetDefaultPrinterCanvas() {
    return FindCanvas(true);
}

void TCanvasManager::UnInitialize() {
    Registry().List.clear();
}

void TCanvasManager::EnableSoftwareCanvas(bool Enable) {
    Registry().SoftwareCanvas = Enable;
}

bool TCanvasManager::SoftwareCanvasEnabled() {
    return Registry().SoftwareCanvas;
}

const std::vector<TCanvasManager::TCanvasClassRec>& TCanvasManager::CanvasList() {
    return Registry().List;
}

std::unique_ptr<TCanvas> TCanvasManager::CreateFromBitmap(TBitmap& Target, float Scale) {
    const Sys::TClassRecord* canvasClass = GetDefaultCanvas();
    if (!canvasClass) throw Sys::EInvalidOpException(std::string("No default canvas class is registered"));
    return TCanvas::CreateFromBitmap(*canvasClass, Target, Scale);
}

// ---- Canvas service

void TPlatformCanvasService::RegisterCanvasClasses() {
    for (const auto& rec : TCanvasManager::CanvasList())
        if (rec.CanvasClass == &TCanvasGpu::ClassRecord()) return;
    TCanvasManager::RegisterCanvas(TCanvasGpu::ClassRecord(), true, false);
}

} // namespace FMX
