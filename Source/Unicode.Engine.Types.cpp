#include "Unicode.Engine.Types.h"

#include "System.Character.h"
#include "System.SysUtils.h"

namespace Zarvel {

namespace {
constexpr const char* UnitName = "Unicode.Engine.Types";
using Sys::TCharacter;
using Sys::TUnicodeCategory;
using TBitValue = TParagraphBidiHelper::TBitValue;
using TBitValues = TParagraphBidiHelper::TBitValues;

TBitValues Bits(TParagraphBidi P) { return TBitValues::FromBits(static_cast<uint8_t>(P)); }
TParagraphBidi FromBits(TBitValues B) { return static_cast<TParagraphBidi>(B.ToBits()); }

void SetBit(TParagraphBidi& Self, TBitValue Bit, bool Value) {
    TBitValues b = Bits(Self);
    Value ? b.Include(Bit) : b.Exclude(Bit);
    Self = FromBits(b);
}
} // namespace

TRange Range(int32_t Low, int32_t High) { return TRange{Low, High}; }

bool TBidiHelper::IsLeftToRight(TBidi Self) { return Self == TBidi::LeftToRight; }
bool TBidiHelper::IsRightToLeft(TBidi Self) { return Self == TBidi::RightToLeft; }
void TBidiHelper::SetRTL(TBidi& Self, bool Value) { Self = Value ? TBidi::RightToLeft : TBidi::LeftToRight; }
void TBidiHelper::Toggle(TBidi& Self) {
    Self = Self == TBidi::RightToLeft ? TBidi::LeftToRight : TBidi::RightToLeft;
}

bool TParagraphBidiHelper::IsLeftToRight(TParagraphBidi Self) {
    const TBitValues b = Bits(Self);
    return !b.Contains(TBitValue::RTLDirection) && !b.Contains(TBitValue::Neutral);
}
bool TParagraphBidiHelper::IsRightToLeft(TParagraphBidi Self) {
    const TBitValues b = Bits(Self);
    return b.Contains(TBitValue::RTLDirection) && !b.Contains(TBitValue::Neutral);
}
bool TParagraphBidiHelper::IsAuto(TParagraphBidi Self) { return Bits(Self).Contains(TBitValue::AutoDirection); }
void TParagraphBidiHelper::SetIsAuto(TParagraphBidi& Self, bool Value) {
    SetBit(Self, TBitValue::AutoDirection, Value);
}
void TParagraphBidiHelper::SetRTL(TParagraphBidi& Self, bool Value) { SetBit(Self, TBitValue::RTLDirection, Value); }
void TParagraphBidiHelper::Toggle(TParagraphBidi& Self) {
    SetBit(Self, TBitValue::RTLDirection, !Bits(Self).Contains(TBitValue::RTLDirection));
}

TDirectiveChars::TCharDirection TCharDirectionHelper::Direction(bool IsRTL) {
    using D = TDirectiveChars::TCharDirection;
    static constexpr D Table[2] = {D::LeftToRight, D::RightToLeft};
    const D result = Table[IsRTL ? 1 : 0];
    ZARVEL_ASSERT((result == D::RightToLeft) == IsRTL);
    return result;
}

bool TCharDirectionHelper::IsRightToLeft(TDirectiveChars::TCharDirection Self) {
    return Self == TDirectiveChars::TCharDirection::RightToLeft;
}

bool TDirectiveChars::IsRTL(char16_t C) {
    return C == 0x200F || C == 0x2E2E || (C >= 0x2035 && C <= 0x2037) || (C >= 0x0591 && C <= 0x065F) ||
           (C >= 0x066E && C <= 0x06EF) || (C >= 0x06FA && C <= 0x06FF);
}

bool TDirectiveChars::IsLTR(char16_t C) {
    if (C == 0x200E || C == u'?' || C == u';' || C == u',' || (C >= 0x2032 && C <= 0x2034)) return true;
    return TCharacter::IsLetterOrDigit(C) && !IsRTL(C) && !(C >= 0xFB1D && C <= 0xFEFE);
}

bool TDirectiveChars::IsArabicDigit(char16_t C) {
    return (C >= 0x0660 && C <= 0x0669) || (C >= 0x06F0 && C <= 0x06F9);
}

bool TDirectiveChars::IsDigit(char16_t C) { return C >= u'0' && C <= u'9'; }

bool TDirectiveChars::CanBeConsideredAsArabicDigit(char16_t C) {
    return IsArabicDigit(C) ||
           (IsDigit(C) && TRTLGlobalSettings::EquationOrder == TMathOrder::ArabicRightToLeft);
}

bool TDirectiveChars::IsDigitOrDigitSeparator(char16_t C) { return C == u'\'' || C == u'.' || IsDigit(C); }
bool TDirectiveChars::IsDigitOrComma(char16_t C) { return C == u'\'' || IsDigit(C); }
bool TDirectiveChars::IsLatinLetter(char16_t C) {
    return IsDigit(C) || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z');
}
bool TDirectiveChars::IsLatinLetterOrDigit(char16_t C) { return IsLatinLetter(C); }
bool TDirectiveChars::IsLatinLetterOrDigitOrDigitSeparator(char16_t C) {
    return C == u'\'' || C == u'.' || IsLatinLetter(C);
}

bool TDirectiveChars::IsParagraphSeparator(char16_t C) {
    const TUnicodeCategory c = TCharacter::GetUnicodeCategory(C);
    return c == TUnicodeCategory::Zl || c == TUnicodeCategory::Zp;
}

TDirectiveChars::TCharDirection TDirectiveChars::CharDirection(char16_t C, TCharDirection Default) {
    if (IsRTL(C)) return TCharDirection::RightToLeft;
    if (IsLTR(C)) return TCharDirection::LeftToRight;
    return Default;
}

bool TDirectiveChars::CharDirectionRTL(char16_t C, bool Default) {
    if (IsRTL(C)) return true;
    if (IsLTR(C)) return false;
    return Default;
}

bool TDirectiveChars::IsRTLText(const Sys::string& S, bool Default) {
    for (char16_t c : S) {
        if (IsRTL(c)) return true;
        // Letters decide only after the right-to-left test, so a presentation-form letter says "no".
        if (c == 0x200E || TCharacter::IsLetter(c)) return false;
    }
    return Default;
}

TDirectiveChars::TBidiType TDirectiveChars::ResolveParagraphDirection(const Sys::string& Text,
                                                                      TParagraphBidi ParagraphBidi) {
    switch (ParagraphBidi) {
    case TParagraphBidi::RightToLeft: return TBidiType::RTL;
    case TParagraphBidi::LeftToRight: return TBidiType::LTR;
    default:
        return IsRTLText(Text, ParagraphBidi == TParagraphBidi::AutoRightToLeft) ? TBidiType::RTL : TBidiType::LTR;
    }
}

int TDirectiveChars::CharactersCount(UCS4Char U) {
    if (U >= 0xFEF5 && U <= 0xFEFC) return 2; // lam-alef
    if (U >= 0xFC5E && U <= 0xFD3D) return 2;
    if (U == 0xFDF2) return 4; // Allah: lam, lam, shadda, heh
    if (U == 0xFB2C || U == 0xFB2D) return 3;
    if (U >= 0xFB2A && U <= 0xFB4F) return 2;
    return 1;
}

int TDirectiveChars::CharactersCountEx(UCS4Char U) { return CharactersCount(U) + (U >= 0x10000 ? 1 : 0); }

void TDirectiveChars::ClassInitialize() {}

void TDirectiveChars::ClassFinalize() {}

void TDirectiveChars::SplitByDirection(const Sys::string& Text, TParagraphBidi, std::vector<int32_t>& Offsets,
                                       std::vector<int32_t>& Orders, std::vector<TBidi>& Bidis,
                                       std::vector<TRange>& Ranges) {
    // The splitter proper comes with its own change; until then one run in the paragraph's direction.
    Offsets.assign(1, 0);
    Orders.clear();
    Bidis.clear();
    Ranges.clear();
    if (Text.empty()) return;
    Offsets.push_back(static_cast<int32_t>(Text.size()));
    Orders.push_back(0);
    Bidis.push_back(TBidi::LeftToRight);
}

void TUCS4ListHelper::ChangeToComplexCharacters(std::vector<UCS4Char>&, bool) {}
void TUCS4ListHelper::ChangeToArabicDigits(std::vector<UCS4Char>&) {}
void TUCS4ListHelper::ReplaceQuotesWithPrimes(std::vector<UCS4Char>&) {}
UCS4Char TUCS4ListHelper::QuoteToReversePrime(UCS4Char C) { return C; }

void InitializeUnicodeEngineTypes() {
    TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::LeftToRight;
}

} // namespace Zarvel
