// Arbitrary code-point lists through the shaping, digit and prime operations: no assertion, no
// sanitizer finding, the list never grows, and shaping keeps count of the source characters.
#include "RTLSystem.GlobalSettings.h"
#include "Unicode.Engine.Types.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using Zarvel::TDirectiveChars;
using Zarvel::TRTLGlobalSettings;
using Zarvel::TUCS4ListHelper;
using Zarvel::UCS4Char;

// Two bytes a code point: the low three bits of the first byte choose where from, the other 13 bits
// which one. Mostly the Hebrew and Arabic blocks and the presentation forms, where the rules are;
// some Latin-1 and general punctuation (digits, quotes, brackets, joiners); some any 32-bit value.
std::vector<UCS4Char> Decode(const uint8_t* Data, size_t Size) {
    std::vector<UCS4Char> list;
    for (size_t i = 0; i + 1 < Size; i += 2) {
        const UCS4Char value = UCS4Char(Data[i] >> 3) << 8 | Data[i + 1];
        switch (Data[i] & 7) {
        case 0:
        case 1:
        case 2:
        case 3: list.push_back(0x0590 + value % 0x170); break; // U+0590..U+06FF
        case 4: list.push_back(0xFB1D + value % 0x2E3); break; // U+FB1D..U+FDFF
        case 5: list.push_back(0xFE70 + value % 0x90); break;  // U+FE70..U+FEFF
        case 6: list.push_back(value < 0x1000 ? value % 0x100 : 0x2000 + value % 0x70); break;
        default: list.push_back(value * 0x9E3779B1u); break; // surrogates and values past U+10FFFF too
        }
    }
    return list;
}

void Check(bool Condition) {
    if (!Condition) std::abort();
}

int SourceCount(const std::vector<UCS4Char>& List) {
    int count = 0;
    for (UCS4Char c : List) count += TDirectiveChars::CharactersCount(c);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size == 0) return 0;
    TRTLGlobalSettings::ArabicDigitType = static_cast<TRTLGlobalSettings::TArabicDigitType>(Data[0] % 3);
    const std::vector<UCS4Char> input = Decode(Data + 1, Size - 1);

    std::vector<UCS4Char> shaped = input;
    TUCS4ListHelper::ChangeToComplexCharacters(shaped, true);
    Check(shaped.size() <= input.size());
    // The layout maps glyphs back to source characters by these counts; an input that already holds
    // ligature forms counts more than its length from the start.
    if (SourceCount(input) == static_cast<int>(input.size()))
        Check(SourceCount(shaped) == static_cast<int>(input.size()));

    // Digits and primes after shaping, as the layout treats a right-to-left run, and on the input.
    std::vector<UCS4Char> plain = input;
    for (std::vector<UCS4Char>* list : {&shaped, &plain}) {
        const size_t size = list->size();
        TUCS4ListHelper::ChangeToArabicDigits(*list);
        TUCS4ListHelper::ReplaceQuotesWithPrimes(*list);
        Check(list->size() == size);
    }
    for (UCS4Char c : input) {
        const UCS4Char reversed = TUCS4ListHelper::QuoteToReversePrime(c);
        Check(reversed == c || c == U'"' || c == U'\'');
    }
    return 0;
}
