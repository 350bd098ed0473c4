// Canvases of the UI framework stand-in: a software canvas that draws into a bitmap in memory, the
// GPU canvas classes the library derives from at run time, the canvas manager that hands out the
// default canvas class, and this platform's canvas service. Overridable operations go through the
// class record's slots, so that a class generated at run time can replace them.
#pragma once

#include "FMX.Graphics.h"
#include "FMX.Platform.h"
#include "System.ClassRecords.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace FMX {

// A 2D affine transformation for row vectors: (x, y) becomes
// (x * M11 + y * M21 + M31, x * M12 + y * M22 + M32).
struct TMatrix {
    float M11 = 1, M12 = 0;
    float M21 = 0, M22 = 1;
    float M31 = 0, M32 = 0;

    static constexpr TMatrix Identity() { return {}; }
    static constexpr TMatrix CreateTranslation(float DX, float DY) { return {1, 0, 0, 1, DX, DY}; }
    static constexpr TMatrix CreateScaling(float SX, float SY) { return {SX, 0, 0, SY, 0, 0}; }
    // This transformation followed by Other.
    TMatrix operator*(const TMatrix& Other) const;
    TPointF Transform(TPointF P) const { return {P.X * M11 + P.Y * M21 + M31, P.X * M12 + P.Y * M22 + M32}; }
    float Determinant() const { return M11 * M22 - M12 * M21; }
    // The inverse; a singular matrix gives one that maps everything to the origin.
    TMatrix Inverse() const;
    bool operator==(const TMatrix&) const = default;
};

struct TBrush {
    TAlphaColor Color = TAlphaColors::White;
};

struct TStrokeBrush {
    TAlphaColor Color = TAlphaColors::Black;
    float Thickness = 1;
};

// The rectangles a scene is limited to; the canvas stand-in draws everywhere and only passes them on.
using TClipRects = std::vector<TRectF>;

// The overridable operations as they sit in the slots; every one takes the canvas first.
using TDoClear = void (*)(Sys::TObject&, TAlphaColor);
using TDoClearRect = void (*)(Sys::TObject&, const TRectF&, TAlphaColor);
using TDoSetMatrix = void (*)(Sys::TObject&, const TMatrix&);
using TDoFillRect = void (*)(Sys::TObject&, const TRectF&, float, const TBrush&);
using TDoDrawRect = void (*)(Sys::TObject&, const TRectF&, float, const TStrokeBrush&);
using TDoDrawBitmap = void (*)(Sys::TObject&, const TBitmap&, const TRectF&, const TRectF&, float, bool);
using TDoDrawLine = void (*)(Sys::TObject&, const TPointF&, const TPointF&, float, const TStrokeBrush&);
using TDoBeginScene = bool (*)(Sys::TObject&, const TClipRects*, uintptr_t);
using TDoEndScene = void (*)(Sys::TObject&);

class TCanvas : public Sys::TObject {
public:
    // Slot indexes of the overridable operations. The library replaces the scene slots of the GPU
    // canvas and checks that DoEndScene is where it expects it.
    enum : size_t {
        DoClearSlot,
        DoClearRectSlot,
        DoSetMatrixSlot,
        DoFillRectSlot,
        DoDrawRectSlot,
        DoDrawBitmapSlot,
        DoDrawLineSlot,
        DoBeginSceneSlot,
        DoEndSceneSlot,
        SlotCount
    };

    explicit TCanvas(const Sys::TClassRecord& Class) : Sys::TObject(Class) {}

    // The software canvas class.
    static const Sys::TClassRecord& ClassRecord();
    // An object of Class (which must inherit from TCanvas: EArgumentException otherwise) drawing into
    // Target at Scale device pixels per unit. The canvas does not own the bitmap.
    static std::unique_ptr<TCanvas> CreateFromBitmap(const Sys::TClassRecord& Class, TBitmap& Target,
                                                     float Scale = 1);

    TBitmap* Bitmap() const { return FBitmap; }
    float Scale() const { return FScale; }
    int Width() const { return FBitmap ? FBitmap->Width() : 0; }
    int Height() const { return FBitmap ? FBitmap->Height() : 0; }

    // Scenes nest: only the outermost BeginScene calls DoBeginScene, whose result it returns; a
    // failed begin opens no scene. Inner begins succeed. Only the EndScene that closes the outermost
    // scene calls DoEndScene; an EndScene with no open scene does nothing.
    bool BeginScene(const TClipRects* ClipRects = nullptr, uintptr_t ContextHandle = 0);
    void EndScene();
    int BeginSceneCount() const { return FBeginSceneCount; }

    // Canvas units to canvas units before the scale is applied.
    const TMatrix& Matrix() const { return FMatrix; }
    void SetMatrix(const TMatrix& M) { Dispatch<void, const TMatrix&>(DoSetMatrixSlot, M); }
    // Canvas units to device pixels: the matrix, then the scale.
    TMatrix DeviceMatrix() const { return FMatrix * TMatrix::CreateScaling(FScale, FScale); }

    TBrush& Fill() { return FFill; }
    TStrokeBrush& Stroke() { return FStroke; }

    // Every pixel, respectively the pixels of a rectangle, replaced by Color (straight alpha).
    void Clear(TAlphaColor Color) { Dispatch<void, TAlphaColor>(DoClearSlot, Color); }
    void ClearRect(const TRectF& R, TAlphaColor Color) {
        Dispatch<void, const TRectF&, TAlphaColor>(DoClearRectSlot, R, Color);
    }
    void FillRect(const TRectF& R, float Opacity) {
        Dispatch<void, const TRectF&, float, const TBrush&>(DoFillRectSlot, R, Opacity, FFill);
    }
    void DrawRect(const TRectF& R, float Opacity) {
        Dispatch<void, const TRectF&, float, const TStrokeBrush&>(DoDrawRectSlot, R, Opacity, FStroke);
    }
    // SrcRect of Source (in its pixels) stretched over DstRect (in canvas units), source-over at
    // Opacity; nearest neighbour when HighSpeed, bilinear otherwise.
    void DrawBitmap(const TBitmap& Source, const TRectF& SrcRect, const TRectF& DstRect, float Opacity,
                    bool HighSpeed = false) {
        Dispatch<void, const TBitmap&, const TRectF&, const TRectF&, float, bool>(
            DoDrawBitmapSlot, Source, SrcRect, DstRect, Opacity, HighSpeed);
    }
    // A straight line with flat ends, as wide as the brush's thickness.
    void DrawLine(const TPointF& From, const TPointF& To, float Opacity) {
        DrawLine(From, To, Opacity, FStroke);
    }
    void DrawLine(const TPointF& From, const TPointF& To, float Opacity, const TStrokeBrush& Brush) {
        Dispatch<void, const TPointF&, const TPointF&, float, const TStrokeBrush&>(DoDrawLineSlot, From, To,
                                                                                   Opacity, Brush);
    }

    // A value in canvas units moved to the nearest device pixel boundary at the canvas scale (halves
    // to even).
    float AlignToPixelHorizontally(float Value) const;
    float AlignToPixelVertically(float Value) const { return AlignToPixelHorizontally(Value); }
    TPointF AlignToPixel(TPointF P) const;
    TRectF AlignToPixel(const TRectF& R) const;

    // The software canvas's operations, for records that keep some of them.
    static void DoClear(Sys::TObject& Self, TAlphaColor Color);
    static void DoClearRect(Sys::TObject& Self, const TRectF& R, TAlphaColor Color);
    static void DoSetMatrix(Sys::TObject& Self, const TMatrix& M);
    static void DoFillRect(Sys::TObject& Self, const TRectF& R, float Opacity, const TBrush& Brush);
    static void DoDrawRect(Sys::TObject& Self, const TRectF& R, float Opacity, const TStrokeBrush& Brush);
    static void DoDrawBitmap(Sys::TObject& Self, const TBitmap& Source, const TRectF& SrcRect,
                             const TRectF& DstRect, float Opacity, bool HighSpeed);
    static void DoDrawLine(Sys::TObject& Self, const TPointF& From, const TPointF& To, float Opacity,
                           const TStrokeBrush& Brush);
    // Succeeds when there is a non-empty bitmap to draw into.
    static bool DoBeginScene(Sys::TObject& Self, const TClipRects* ClipRects, uintptr_t ContextHandle);
    static void DoEndScene(Sys::TObject& Self);

protected:
    // The bitmap drawing shared by the canvas classes; the source is multiplied by Modulate.
    void DrawBitmapModulated(const TBitmap& Source, const TRectF& SrcRect, const TRectF& DstRect,
                             float Opacity, bool HighSpeed, TAlphaColor Modulate);

private:
    TBitmap* FBitmap = nullptr;
    float FScale = 1;
    TMatrix FMatrix;
    int FBeginSceneCount = 0;
    TBrush FFill;
    TStrokeBrush FStroke;
};

// The GPU canvas: drawn bitmaps are multiplied by the modulate colour, which is how text is tinted.
class TCustomCanvasGpu : public TCanvas {
public:
    using TCanvas::TCanvas;
    static const Sys::TClassRecord& ClassRecord();

    // Straight alpha; white draws bitmaps as they are.
    TAlphaColor ModulateColor() const { return FModulateColor; }
    void SetModulateColor(TAlphaColor Color) { FModulateColor = Color; }

    static void DoDrawBitmap(Sys::TObject& Self, const TBitmap& Source, const TRectF& SrcRect,
                             const TRectF& DstRect, float Opacity, bool HighSpeed);

private:
    TAlphaColor FModulateColor = TAlphaColors::White;
};

// This platform's GPU canvas, the class its canvas service registers.
class TCanvasGpu : public TCustomCanvasGpu {
public:
    using TCustomCanvasGpu::TCustomCanvasGpu;
    static const Sys::TClassRecord& ClassRecord();
};

// The registry of canvas classes. Process-wide, not locked: used while the UI is set up.
class TCanvasManager {
public:
    struct TCanvasClassRec {
        const Sys::TClassRecord* CanvasClass;
        bool Default;
        bool PrinterCanvas;
    };

    // Registering the same class with the same flags again changes nothing.
    static void RegisterCanvas(const Sys::TClassRecord& CanvasClass, bool Default, bool PrinterCanvas);
    // The first screen canvas registered as default, else the first screen canvas registered, else
    // the software canvas when it is enabled, else null.
    static const Sys::TClassRecord* GetDefaultCanvas();
    // The first printer canvas registered as default, else the first printer canvas, else null.
    static const Sys::TClassRecord* GetDefaultPrinterCanvas();
    // Forgets every registration.
    static void UnInitialize();
    // Whether the software canvas stands in when no screen canvas is registered; off at start.
    static void EnableSoftwareCanvas(bool Enable);
    static bool SoftwareCanvasEnabled();
    static const std::vector<TCanvasClassRec>& CanvasList();

    // A canvas of the default class drawing into Target; EInvalidOpException when there is none.
    static std::unique_ptr<TCanvas> CreateFromBitmap(TBitmap& Target, float Scale = 1);
};

// This platform's canvas service: makes its GPU canvas the default canvas class.
class TPlatformCanvasService : public IFMXCanvasService {
public:
    // Registers TCanvasGpu as default screen canvas unless it is registered already, so that a class
    // registered before it keeps being handed out.
    void RegisterCanvasClasses() override;
    // Registrations stay for the life of the process.
    void UnregisterCanvasClasses() override {}
};

} // namespace FMX
