// Character properties and UTF conversions of the run-time stand-in. Every answer comes from ICU;
// nothing here keeps a Unicode table of its own.
#pragma once

#include "System.Types.h"

#include <string>
#include <string_view>

namespace Sys {

// The Unicode general categories.
enum class TUnicodeCategory : uint8_t {
    Lu,
    Ll,
    Lt,
    Lm,
    Lo, // letters
    Mn,
    Mc,
    Me, // marks
    Nd,
    Nl,
    No, // numbers
    Pc,
    Pd,
    Ps,
    Pe,
    Pi,
    Pf,
    Po, // punctuation
    Sm,
    Sc,
    Sk,
    So, // symbols
    Zs,
    Zl,
    Zp, // separators
    Cc,
    Cf,
    Cs,
    Co,
    Cn, // others
};

// The two-letter name of a category, such as "Lu".
const char* UnicodeCategoryName(TUnicodeCategory Category);

namespace Detail {
// The general category of every UTF-16 code unit, read from ICU once when the library loads, so that
// the hot loops of the text engine do not call into ICU for each character.
extern TUnicodeCategory BmpCategories[0x10000];
TUnicodeCategory SupplementaryCategory(UCS4Char C);
} // namespace Detail

// The Decomposition_Type property: how the character database tags a code point's mapping.
enum class TDecompositionType : uint8_t {
    None, Canonical, Compat,                                // no mapping, canonical, untagged compatibility
    Circle, Final, Font, Fraction, Initial, Isolated,       // tagged compatibility mappings
    Medial, Narrow, NoBreak, Small, Square, Sub, Super, Vertical, Wide,
};

// Properties of one code point. A UTF-16 unit passed as a code point is a code point of its own:
// a surrogate unit has category Cs.
struct TCharacter {
    static constexpr UCS4Char MaxCodePoint = 0x10FFFF;
    static std::string UnicodeDataVersion();

    static TUnicodeCategory GetUnicodeCategory(UCS4Char C) {
        return C < 0x10000 ? Detail::BmpCategories[C] : Detail::SupplementaryCategory(C);
    }
    static bool IsLetter(UCS4Char C) { return GetUnicodeCategory(C) <= TUnicodeCategory::Lo; }
    static bool IsLetterOrDigit(UCS4Char C) {
        const TUnicodeCategory c = GetUnicodeCategory(C);
        return c <= TUnicodeCategory::Lo || c == TUnicodeCategory::Nd;
    }
    static bool IsDigit(UCS4Char C) { return GetUnicodeCategory(C) == TUnicodeCategory::Nd; }
    static bool IsNumber(UCS4Char C) { return In(C, TUnicodeCategory::Nd, TUnicodeCategory::No); }
    static bool IsPunctuation(UCS4Char C) { return In(C, TUnicodeCategory::Pc, TUnicodeCategory::Po); }
    static bool IsSeparator(UCS4Char C) { return In(C, TUnicodeCategory::Zs, TUnicodeCategory::Zp); }
    static bool IsSymbol(UCS4Char C) { return In(C, TUnicodeCategory::Sm, TUnicodeCategory::So); }
    static bool IsControl(UCS4Char C) { return GetUnicodeCategory(C) == TUnicodeCategory::Cc; }
    static bool IsWhiteSpace(UCS4Char C); // the White_Space property
    static bool IsUpper(UCS4Char C);
    static bool IsLower(UCS4Char C);
    static bool IsDefined(UCS4Char C);
    static double GetNumericValue(UCS4Char C); // -1 when the code point has no numeric value
    static UCS4Char ToUpper(UCS4Char C);
    static UCS4Char ToLower(UCS4Char C);
    static TDecompositionType GetDecompositionType(UCS4Char C);
    // The code point's own decomposition mapping, one level deep, canonical or compatibility, as the
    // character database lists it; empty when it has none.
    static UCS4String GetDecompositionMapping(UCS4Char C);

    static constexpr bool IsHighSurrogate(UCS4Char C) { return C >= 0xD800 && C <= 0xDBFF; }
    static constexpr bool IsLowSurrogate(UCS4Char C) { return C >= 0xDC00 && C <= 0xDFFF; }
    static constexpr bool IsSurrogate(UCS4Char C) { return C >= 0xD800 && C <= 0xDFFF; }

private:
    static bool In(UCS4Char C, TUnicodeCategory First, TUnicodeCategory Last) {
        const TUnicodeCategory c = GetUnicodeCategory(C);
        return c >= First && c <= Last;
    }
};

// The code point at Index of S and the number of units it takes (1 or 2). A lone surrogate comes out
// as its own value, as ICU reads ill-formed UTF-16; an Index outside S gives 0 with length 0.
UCS4Char CodePointAt(const string& S, size_t Index, size_t* CharLength = nullptr);
// One code point as UTF-16: one unit or a surrogate pair; values above U+10FFFF become U+FFFD.
string CodePointToString(UCS4Char C);
// Appends the UTF-16 form of C to S.
void AppendCodePoint(string& S, UCS4Char C);

// Whole-text conversions. The UCS4 array ends with one extra element of value 0.
UCS4String UnicodeStringToUCS4String(const string& S);
string UCS4StringToUnicodeString(const UCS4Char* P, size_t Count);

// The boundary to the outside world: ill-formed UTF-8 becomes U+FFFD, as ICU substitutes it.
string Utf8ToString(std::string_view Utf8);
std::string StringToUtf8(const string& S);

} // namespace Sys
