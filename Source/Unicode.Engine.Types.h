// The direction vocabulary of the whole system and the character predicates that decide what is
// right-to-left, left-to-right, a digit or a separator. These are the library's own rules, not the
// Unicode bidirectional classes.
#pragma once

#include "RTLSystem.GlobalSettings.h"
#include "System.Character.h"
#include "System.Types.h"
#include "Unicode.Text.UCS4.h"

#include <cstdint>
#include <vector>

namespace Zarvel {

// Direction of one run of the splitter's output.
enum class TBidi : uint8_t { LeftToRight, RightToLeft, ParagraphSeparator };

// Requested direction of a paragraph. The ordinal is a bit set over TParagraphBidiHelper::TBitValue.
enum class TParagraphBidi : uint8_t { LeftToRight, RightToLeft, AutoLeftToRight, AutoRightToLeft, Neutral };

// An inclusive range of 0-based UTF-16 indices.
struct TRange {
    int32_t LowIndex = 0;
    int32_t HighIndex = 0;
    bool operator==(const TRange&) const = default;
};

TRange Range(int32_t Low, int32_t High);

struct TBidiHelper {
    static bool IsLeftToRight(TBidi Self);
    static bool IsRightToLeft(TBidi Self);
    static void SetRTL(TBidi& Self, bool Value);
    static void Toggle(TBidi& Self);
};

struct TParagraphBidiHelper {
    enum class TBitValue : uint8_t { RTLDirection, AutoDirection, Neutral };
    using TBitValues = Sys::TSet<TBitValue, uint8_t>;

    static bool IsLeftToRight(TParagraphBidi Self);
    static bool IsRightToLeft(TParagraphBidi Self);
    static bool IsAuto(TParagraphBidi Self);
    static void SetIsAuto(TParagraphBidi& Self, bool Value);
    static void SetRTL(TParagraphBidi& Self, bool Value);
    static void Toggle(TParagraphBidi& Self);
};

struct TDirectiveChars {
    enum class TCharDirection : uint8_t { LeftToRight, RightToLeft, Undefined };
    using TMathOrder = TRTLGlobalSettings::TMathOrder;
    using TArabicDigitType = TRTLGlobalSettings::TArabicDigitType;

    // The splitter's class of a token or run. Each strong class has an Unmergable twin three higher.
    enum class TBidiType : uint8_t {
        Neutral,
        LTR,
        RTL,
        ArabicDigit,
        LTRUnmergable,
        RTLUnmergable,
        ArabicDigitUnmergable,
        SpaceSeparator,
        LineParagraphSeparator,
        OpenOrInitialPunctuation,
        CloseOrFinalPunctuation,
        DirectionalFormatting,
        NotExists,
    };

    // What the splitter's bracket stack saves per open bracket or quote.
    struct TBidiStackData {
        TBidiType Bidi = TBidiType::Neutral;
        int32_t TurnIndex = 0;
        int32_t EndOfLine = -1;
    };

    static bool IsRTL(char16_t C);
    static bool IsLTR(char16_t C);
    static bool IsArabicDigit(char16_t C);
    static bool IsDigit(char16_t C);
    static bool CanBeConsideredAsArabicDigit(char16_t C);
    static bool IsDigitOrDigitSeparator(char16_t C);
    static bool IsDigitOrComma(char16_t C);
    static bool IsLatinLetter(char16_t C);
    static bool IsLatinLetterOrDigit(char16_t C);
    static bool IsLatinLetterOrDigitOrDigitSeparator(char16_t C);
    static bool IsParagraphSeparator(char16_t C);
    static TCharDirection CharDirection(char16_t C, TCharDirection Default);
    static bool CharDirectionRTL(char16_t C, bool Default);

    // True when the first deciding unit of S is right-to-left; Default when nothing decides.
    static bool IsRTLText(const Sys::string& S, bool Default);
    // The paragraph direction a request takes for a text, as RTL or LTR.
    static TBidiType ResolveParagraphDirection(const Sys::string& Text, TParagraphBidi ParagraphBidi);

    // How many source characters a ligature presentation form stands for (1 for anything else),
    // in characters and in UTF-16 units.
    static int CharactersCount(UCS4Char U);
    static int CharactersCountEx(UCS4Char U);

    // Cuts Text into directional runs: run start offsets plus the text length, the run indices in
    // reading order, one direction per run, and the spans the digit and bracket rules recorded.
    // The outputs are replaced.
    static void SplitByDirection(const Sys::string& Text, TParagraphBidi ParagraphBidi,
                                 std::vector<int32_t>& Offsets, std::vector<int32_t>& Orders,
                                 std::vector<TBidi>& Bidis, std::vector<TRange>& Ranges);

    // The splitter's consistency checks: each fails an assertion with the system's message when the
    // state it is shown cannot occur. No input text reaches them.
    struct TSplitChecks {
        // A run must be of a strong class once an Unmergable class is reduced: "Error in %d @ %s".
        static void RunClass(TBidiType Class, int32_t Position, const Sys::string& Text);
        // A class at a run boundary or as a token: the position, '@' and the quoted text.
        static void BoundaryClass(bool Valid, int32_t Position, const Sys::string& Text);
        // The first strong character inside a bracket cannot be a formatting character.
        static void BracketContentClass(TBidiType Class);
        // After a closed bracket the restored direction has an Unmergable twin.
        static void UnmergableBase(TBidiType CurrentDirection);
        // On return: one offset more than runs, the last one the text length, a direction per run.
        static void Finish(const std::vector<int32_t>& Offsets, size_t OrderCount, size_t BidiCount,
                           const Sys::string& Text);
    };

    // One-time class initialisation and finalisation: the loading thread's scratch lists.
    static void ClassInitialize();
    static void ClassFinalize();
};

struct TCharDirectionHelper {
    static TDirectiveChars::TCharDirection Direction(bool IsRTL);
    static bool IsRightToLeft(TDirectiveChars::TCharDirection Self);
};

// Shaping, digit and prime operations on the code points of one run, in place.
struct TUCS4ListHelper {
    // Shapes a right-to-left run: Arabic contextual forms, the lam-alef, shadda and Allah ligatures,
    // the Hebrew point ligatures, mirrored brackets. The list may get shorter; Flag has no effect.
    static void ChangeToComplexCharacters(std::vector<UCS4Char>& Self, bool Flag = false);
    // Latin digits, with a number's separators and percent sign, take the Arabic forms that
    // TRTLGlobalSettings::ArabicDigitType names, unless the run starts with a Latin word.
    static void ChangeToArabicDigits(std::vector<UCS4Char>& Self);
    // A quotation mark or an apostrophe right after a number becomes a double prime or a prime.
    static void ReplaceQuotesWithPrimes(std::vector<UCS4Char>& Self);
    // '"' becomes the reversed double prime U+2036, an apostrophe the reversed prime U+2035.
    static UCS4Char QuoteToReversePrime(UCS4Char C);
};

// Unit initialisation: sets the equation order to left-to-right.
void InitializeUnicodeEngineTypes();

// The predicates every character of a text goes through, inline for the splitter's loops.

// Most text is below the Hebrew block, so that test comes first.
inline bool TDirectiveChars::IsRTL(char16_t C) {
    if (C < 0x0591) return false;
    if (C <= 0x06FF) return C <= 0x065F || (C >= 0x066E && C <= 0x06EF) || C >= 0x06FA;
    return C == 0x200F || C == 0x2E2E || (C >= 0x2035 && C <= 0x2037);
}

inline bool TDirectiveChars::IsLTR(char16_t C) {
    if (C < 0x0591) return C == u'?' || C == u';' || C == u',' || Sys::TCharacter::IsLetterOrDigit(C);
    if (C == 0x200E || (C >= 0x2032 && C <= 0x2034)) return true;
    return Sys::TCharacter::IsLetterOrDigit(C) && !IsRTL(C) && !(C >= 0xFB1D && C <= 0xFEFE);
}

inline bool TDirectiveChars::IsArabicDigit(char16_t C) {
    return (C >= 0x0660 && C <= 0x0669) || (C >= 0x06F0 && C <= 0x06F9);
}

inline bool TDirectiveChars::IsDigit(char16_t C) {
    return C >= u'0' && C <= u'9';
}

inline bool TDirectiveChars::CanBeConsideredAsArabicDigit(char16_t C) {
    return IsArabicDigit(C) ||
           (IsDigit(C) && TRTLGlobalSettings::EquationOrder == TMathOrder::ArabicRightToLeft);
}

} // namespace Zarvel
