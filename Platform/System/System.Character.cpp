#include "System.Character.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

namespace Sys {

namespace {

TUnicodeCategory FromIcu(int8_t Type) {
    switch (Type) {
    case U_UPPERCASE_LETTER: return TUnicodeCategory::Lu;
    case U_LOWERCASE_LETTER: return TUnicodeCategory::Ll;
    case U_TITLECASE_LETTER: return TUnicodeCategory::Lt;
    case U_MODIFIER_LETTER: return TUnicodeCategory::Lm;
    case U_OTHER_LETTER: return TUnicodeCategory::Lo;
    case U_NON_SPACING_MARK: return TUnicodeCategory::Mn;
    case U_COMBINING_SPACING_MARK: return TUnicodeCategory::Mc;
    case U_ENCLOSING_MARK: return TUnicodeCategory::Me;
    case U_DECIMAL_DIGIT_NUMBER: return TUnicodeCategory::Nd;
    case U_LETTER_NUMBER: return TUnicodeCategory::Nl;
    case U_OTHER_NUMBER: return TUnicodeCategory::No;
    case U_CONNECTOR_PUNCTUATION: return TUnicodeCategory::Pc;
    case U_DASH_PUNCTUATION: return TUnicodeCategory::Pd;
    case U_START_PUNCTUATION: return TUnicodeCategory::Ps;
    case U_END_PUNCTUATION: return TUnicodeCategory::Pe;
    case U_INITIAL_PUNCTUATION: return TUnicodeCategory::Pi;
    case U_FINAL_PUNCTUATION: return TUnicodeCategory::Pf;
    case U_OTHER_PUNCTUATION: return TUnicodeCategory::Po;
    case U_MATH_SYMBOL: return TUnicodeCategory::Sm;
    case U_CURRENCY_SYMBOL: return TUnicodeCategory::Sc;
    case U_MODIFIER_SYMBOL: return TUnicodeCategory::Sk;
    case U_OTHER_SYMBOL: return TUnicodeCategory::So;
    case U_SPACE_SEPARATOR: return TUnicodeCategory::Zs;
    case U_LINE_SEPARATOR: return TUnicodeCategory::Zl;
    case U_PARAGRAPH_SEPARATOR: return TUnicodeCategory::Zp;
    case U_CONTROL_CHAR: return TUnicodeCategory::Cc;
    case U_FORMAT_CHAR: return TUnicodeCategory::Cf;
    case U_SURROGATE: return TUnicodeCategory::Cs;
    case U_PRIVATE_USE_CHAR: return TUnicodeCategory::Co;
    default: return TUnicodeCategory::Cn;
    }
}

UChar32 Icu(UCS4Char C) {
    return static_cast<UChar32>(C);
}

} // namespace

const char* UnicodeCategoryName(TUnicodeCategory Category) {
    static constexpr const char* Names[] = {"Lu", "Ll", "Lt", "Lm", "Lo", "Mn", "Mc", "Me", "Nd", "Nl",
                                            "No", "Pc", "Pd", "Ps", "Pe", "Pi", "Pf", "Po", "Sm", "Sc",
                                            "Sk", "So", "Zs", "Zl", "Zp", "Cc", "Cf", "Cs", "Co", "Cn"};
    return Names[static_cast<size_t>(Category)];
}

std::string TCharacter::UnicodeDataVersion() {
    UVersionInfo version;
    u_getUnicodeVersion(version);
    char text[U_MAX_VERSION_STRING_LENGTH];
    u_versionToString(version, text);
    return text;
}

namespace Detail {

TUnicodeCategory BmpCategories[0x10000];

// Code points above U+10FFFF are unassigned for ICU (category Cn), so every test is safe on them.
TUnicodeCategory SupplementaryCategory(UCS4Char C) {
    return FromIcu(u_charType(Icu(C)));
}

namespace {
const bool BmpCategoriesFilled = [] {
    for (UChar32 c = 0; c < 0x10000; ++c) BmpCategories[c] = FromIcu(u_charType(c));
    return true;
}();
} // namespace

} // namespace Detail

bool TCharacter::IsWhiteSpace(UCS4Char C) {
    return u_isUWhiteSpace(Icu(C));
}
bool TCharacter::IsUpper(UCS4Char C) {
    return u_isupper(Icu(C));
}
bool TCharacter::IsLower(UCS4Char C) {
    return u_islower(Icu(C));
}
bool TCharacter::IsDefined(UCS4Char C) {
    return u_isdefined(Icu(C));
}

double TCharacter::GetNumericValue(UCS4Char C) {
    const double value = u_getNumericValue(Icu(C));
    return value == U_NO_NUMERIC_VALUE ? -1.0 : value;
}

UCS4Char TCharacter::ToUpper(UCS4Char C) {
    return C > MaxCodePoint ? C : static_cast<UCS4Char>(u_toupper(Icu(C)));
}
UCS4Char TCharacter::ToLower(UCS4Char C) {
    return C > MaxCodePoint ? C : static_cast<UCS4Char>(u_tolower(Icu(C)));
}

// The enumeration follows ICU's order of the property's values.
static_assert(U_DT_NONE == 0 && U_DT_ISOLATED == static_cast<int>(TDecompositionType::Isolated) &&
              U_DT_WIDE == static_cast<int>(TDecompositionType::Wide));

TDecompositionType TCharacter::GetDecompositionType(UCS4Char C) {
    if (C > MaxCodePoint) return TDecompositionType::None;
    const int32_t type = u_getIntPropertyValue(Icu(C), UCHAR_DECOMPOSITION_TYPE);
    return type > U_DT_NONE && type <= U_DT_WIDE ? static_cast<TDecompositionType>(type)
                                                 : TDecompositionType::None;
}

UCS4String TCharacter::GetDecompositionMapping(UCS4Char C) {
    UCS4String result;
    if (C > MaxCodePoint) return result;
    UErrorCode status = U_ZERO_ERROR;
    // The compatibility normaliser's raw mapping is the database's own field, canonical mappings included.
    const UNormalizer2* normalizer = unorm2_getNFKDInstance(&status);
    UChar buffer[64]; // the longest mapping in the database has 18 code points
    const int32_t length =
        U_SUCCESS(status) ? unorm2_getRawDecomposition(normalizer, Icu(C), buffer, 64, &status) : -1;
    if (U_FAILURE(status) || length <= 0) return result;
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U16_NEXT(buffer, i, length, c);
        result.push_back(static_cast<UCS4Char>(c));
    }
    return result;
}

UCS4Char CodePointAt(const string& S, size_t Index, size_t* CharLength) {
    if (Index >= S.size()) {
        if (CharLength) *CharLength = 0;
        return 0;
    }
    const UChar* p = reinterpret_cast<const UChar*>(S.data());
    size_t i = Index;
    UChar32 c;
    U16_NEXT(p, i, S.size(), c);
    if (CharLength) *CharLength = i - Index;
    return static_cast<UCS4Char>(c);
}

void AppendCodePoint(string& S, UCS4Char C) {
    if (C > TCharacter::MaxCodePoint) C = 0xFFFD;
    if (C < 0x10000) {
        S.push_back(static_cast<char16_t>(C));
    } else {
        S.push_back(static_cast<char16_t>(U16_LEAD(C)));
        S.push_back(static_cast<char16_t>(U16_TRAIL(C)));
    }
}

string CodePointToString(UCS4Char C) {
    string s;
    AppendCodePoint(s, C);
    return s;
}

UCS4String UnicodeStringToUCS4String(const string& S) {
    UCS4String result;
    result.reserve(S.size() + 1);
    const UChar* p = reinterpret_cast<const UChar*>(S.data());
    for (size_t i = 0; i < S.size();) {
        UChar32 c;
        U16_NEXT(p, i, S.size(), c);
        result.push_back(static_cast<UCS4Char>(c));
    }
    result.push_back(0);
    return result;
}

string UCS4StringToUnicodeString(const UCS4Char* P, size_t Count) {
    string result;
    result.reserve(Count);
    for (size_t i = 0; i < Count; ++i) AppendCodePoint(result, P[i]);
    return result;
}

string Utf8ToString(std::string_view Utf8) {
    if (Utf8.empty()) return {};
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    u_strFromUTF8WithSub(nullptr, 0, &length, Utf8.data(), static_cast<int32_t>(Utf8.size()), 0xFFFD, nullptr,
                         &status);
    string result(static_cast<size_t>(length), u'\0');
    status = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(result.data()), length, nullptr, Utf8.data(),
                         static_cast<int32_t>(Utf8.size()), 0xFFFD, nullptr, &status);
    return result;
}

std::string StringToUtf8(const string& S) {
    if (S.empty()) return {};
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    const UChar* p = reinterpret_cast<const UChar*>(S.data());
    u_strToUTF8WithSub(nullptr, 0, &length, p, static_cast<int32_t>(S.size()), 0xFFFD, nullptr, &status);
    std::string result(static_cast<size_t>(length), '\0');
    status = U_ZERO_ERROR;
    u_strToUTF8WithSub(result.data(), length, nullptr, p, static_cast<int32_t>(S.size()), 0xFFFD, nullptr,
                       &status);
    return result;
}

} // namespace Sys
