// Arbitrary bytes become a text, a paragraph direction, an equation order and a set of options; the
// splitter must return runs that satisfy its invariants and never fail an assertion.
#include "RTLSystem.GlobalSettings.h"
#include "System.Character.h"
#include "System.SysUtils.h"
#include "Unicode.Engine.Types.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Zarvel;

namespace {

// Most bytes pick a character the splitter has rules for, so that inputs reach its rules quickly;
// bytes from 0xC0 take the next two bytes as any UTF-16 unit.
constexpr char16_t Alphabet[] = {
    u'a', u'c', u'm', u'x', u'Z', u'1', u'2', u'0', u'9', 0x0661, 0x06F5, u'.', u'\'', u'"', u'(', u')',
    u'[', u']', u'{', u'}', 0x00AB, 0x00BB, 0x201C, 0x201D, u' ', u' ', u' ', u'\n', u'\r', u'\t', u'%', u'/',
    u'-', u':', u'+', u'=', u'?', u',', 0x00B2, 0x00B0, 0x00B5, 0x00B7, 0x200A, 0x200B, 0x200C, 0x200D, 0x200E, 0x200F,
    0x202A, 0x202B, 0x202E, 0x2066, 0x2028, 0x2029, 0x0633, 0x0644, 0x0627, 0x06CC, 0x05D0, 0x064E, 0x060C, 0x061F,
    0xFE8D, 0xD83D, 0xDE00, 0x2032, 0x2035, 0x00A0, 0x3000, u'!', 0x2039, 0x203A,
};
constexpr size_t AlphabetSize = sizeof(Alphabet) / sizeof(Alphabet[0]);

[[noreturn]] void Fail(const char* What, const Sys::string& Text) {
    std::fprintf(stderr, "split invariant broken: %s\ntext: %s\n", What, Sys::StringToUtf8(Text).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size < 3) return 0;
    const TParagraphBidi paragraph = static_cast<TParagraphBidi>(Data[0] % 5);
    TRTLGlobalSettings::EquationOrder = (Data[1] & 1) ? TRTLGlobalSettings::TMathOrder::ArabicRightToLeft
                                                      : TRTLGlobalSettings::TMathOrder::LeftToRight;
    TRTLGlobalSettings::Options = TRTLGlobalOptions::FromBits(static_cast<uint16_t>(((Data[1] >> 1) | (Data[2] << 7)) & 0x7FF));
    Sys::FormatSettings.DateSeparator = (Data[1] & 0x80) ? u'.' : u'/';

    Sys::string text;
    for (size_t i = 3; i < Size; ++i) {
        if (Data[i] < 0xC0) {
            text.push_back(Alphabet[Data[i] % AlphabetSize]);
        } else if (i + 2 < Size) {
            text.push_back(static_cast<char16_t>(Data[i + 1] | (Data[i + 2] << 8)));
            i += 2;
        }
    }

    std::vector<int32_t> offsets = {7, 7}, orders = {3};
    std::vector<TBidi> bidis = {TBidi::RightToLeft};
    std::vector<TRange> ranges = {TRange{9, 9}};
    try {
        TDirectiveChars::SplitByDirection(text, paragraph, offsets, orders, bidis, ranges);
    } catch (const Sys::EAssertionFailed& e) {
        std::fprintf(stderr, "assertion: %s\n", e.what());
        Fail("an assertion failed", text);
    }
    const int32_t length = static_cast<int32_t>(text.size());
    if (offsets.empty() || offsets.front() != 0) Fail("first offset is not 0", text);
    if (offsets.back() != length) Fail("last offset is not the length", text);
    if (orders.size() + 1 != offsets.size() || bidis.size() != orders.size()) Fail("list lengths", text);
    for (size_t i = 1; i < offsets.size(); ++i)
        if (offsets[i] < offsets[i - 1]) Fail("offsets decrease", text);
    std::vector<bool> seen(orders.size());
    for (int32_t o : orders) {
        if (o < 0 || o >= static_cast<int32_t>(orders.size()) || seen[size_t(o)]) Fail("orders not a permutation", text);
        seen[size_t(o)] = true;
    }
    for (const TRange& r : ranges)
        if (r.LowIndex < 0 || r.HighIndex < r.LowIndex || r.HighIndex >= length) Fail("range outside the text", text);
    return 0;
}
