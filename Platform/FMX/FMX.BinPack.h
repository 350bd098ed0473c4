// Packing rectangles into one bin by guillotine cuts: the glyph cache places glyph bitmaps into its
// textures with it.
#pragma once

#include "FMX.Types.h"

#include <vector>

namespace FMX {

// Each placed rectangle goes into the free rectangle of smallest area that holds it (best area fit),
// at its top-left; the rest of that free rectangle is cut in two along the axis that leaves the
// smaller of the two pieces as small as possible (split to minimise area). Free rectangles are never
// merged back and rectangles are never rotated.
class TGuillotineBinPack {
public:
    TGuillotineBinPack() = default;
    TGuillotineBinPack(int Width, int Height) { Init(Width, Height); }

    // Empties the bin and gives it a new size.
    void Init(int Width, int Height);
    // The place of a Width x Height rectangle, or an empty rectangle when none is free or the size
    // is not positive.
    TRect Insert(int Width, int Height);
    // The used share of the bin's area, 0 to 1.
    float Occupancy() const;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    const std::vector<TRect>& FreeRectangles() const { return FFreeRectangles; }
    const std::vector<TRect>& UsedRectangles() const { return FUsedRectangles; }

private:
    int FWidth = 0;
    int FHeight = 0;
    long long FUsedArea = 0;
    std::vector<TRect> FFreeRectangles;
    std::vector<TRect> FUsedRectangles;
};

} // namespace FMX
