#include "FMX.Types.h"

namespace FMX {

namespace {
constexpr uint8_t Scale(uint8_t Channel, uint8_t Alpha) {
    return static_cast<uint8_t>((Channel * Alpha + 127) / 255);
}
constexpr uint8_t Unscale(uint8_t Channel, uint8_t Alpha) {
    // A premultiplied channel above its alpha is malformed: clamp rather than wrap.
    return static_cast<uint8_t>(std::min(255, (Channel * 255 + Alpha / 2) / Alpha));
}
} // namespace

TAlphaColor PremultiplyAlpha(TAlphaColor C) {
    const uint8_t a = TAlphaColorRec::A(C);
    return TAlphaColorRec::Make(a, Scale(TAlphaColorRec::R(C), a), Scale(TAlphaColorRec::G(C), a),
                                Scale(TAlphaColorRec::B(C), a));
}

TAlphaColor UnpremultiplyAlpha(TAlphaColor C) {
    const uint8_t a = TAlphaColorRec::A(C);
    if (a == 0) return TAlphaColors::Null;
    return TAlphaColorRec::Make(a, Unscale(TAlphaColorRec::R(C), a), Unscale(TAlphaColorRec::G(C), a),
                                Unscale(TAlphaColorRec::B(C), a));
}

} // namespace FMX
