#include "FMX.BinPack.h"

#include <limits>

namespace FMX {

void TGuillotineBinPack::Init(int Width, int Height) {
    FWidth = std::max(Width, 0);
    FHeight = std::max(Height, 0);
    FUsedArea = 0;
    FUsedRectangles.clear();
    FFreeRectangles.clear();
    if (FWidth > 0 && FHeight > 0) FFreeRectangles.push_back({0, 0, FWidth, FHeight});
}

TRect TGuillotineBinPack::Insert(int Width, int Height) {
    if (Width <= 0 || Height <= 0) return {};
    size_t best = FFreeRectangles.size();
    long long bestArea = std::numeric_limits<long long>::max();
    for (size_t i = 0; i < FFreeRectangles.size(); ++i) {
        const TRect& r = FFreeRectangles[i];
        const long long area = static_cast<long long>(r.Width()) * r.Height();
        if (r.Width() >= Width && r.Height() >= Height && area < bestArea) {
            best = i;
            bestArea = area;
        }
    }
    if (best == FFreeRectangles.size()) return {};

    const TRect free = FFreeRectangles[best];
    FFreeRectangles.erase(FFreeRectangles.begin() + static_cast<std::ptrdiff_t>(best));
    const TRect placed{free.Left, free.Top, free.Left + Width, free.Top + Height};

    // Leftover widths and heights; a horizontal cut gives the bottom piece the full width, a vertical
    // cut gives the right piece the full height. Choose the cut whose smaller piece is smaller.
    const long long w = free.Width() - Width, h = free.Height() - Height;
    const bool horizontal = static_cast<long long>(Width) * h > w * Height;
    TRect bottom{free.Left, placed.Bottom, horizontal ? free.Right : placed.Right, free.Bottom};
    TRect right{placed.Right, free.Top, free.Right, horizontal ? placed.Bottom : free.Bottom};
    if (!bottom.IsEmpty()) FFreeRectangles.push_back(bottom);
    if (!right.IsEmpty()) FFreeRectangles.push_back(right);

    FUsedRectangles.push_back(placed);
    FUsedArea += static_cast<long long>(Width) * Height;
    return placed;
}

float TGuillotineBinPack::Occupancy() const {
    const long long total = static_cast<long long>(FWidth) * FHeight;
    return total == 0 ? 0.0f
                      : static_cast<float>(static_cast<double>(FUsedArea) / static_cast<double>(total));
}

} // namespace FMX
