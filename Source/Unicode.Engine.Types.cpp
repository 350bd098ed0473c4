#include "Unicode.Engine.Types.h"

#include "System.Character.h"
#include "System.SysUtils.h"

#include <thread>

namespace Zarvel {

namespace {
constexpr const char* UnitName = "Unicode.Engine.Types";
using Sys::TCharacter;
using Sys::TUnicodeCategory;
using TBitValue = TParagraphBidiHelper::TBitValue;
using TBitValues = TParagraphBidiHelper::TBitValues;

TBitValues Bits(TParagraphBidi P) {
    return TBitValues::FromBits(static_cast<uint8_t>(P));
}
TParagraphBidi FromBits(TBitValues B) {
    return static_cast<TParagraphBidi>(B.ToBits());
}

void SetBit(TParagraphBidi& Self, TBitValue Bit, bool Value) {
    TBitValues b = Bits(Self);
    Value ? b.Include(Bit) : b.Exclude(Bit);
    Self = FromBits(b);
}
} // namespace

TRange Range(int32_t Low, int32_t High) {
    return TRange{Low, High};
}

bool TBidiHelper::IsLeftToRight(TBidi Self) {
    return Self == TBidi::LeftToRight;
}
bool TBidiHelper::IsRightToLeft(TBidi Self) {
    return Self == TBidi::RightToLeft;
}
void TBidiHelper::SetRTL(TBidi& Self, bool Value) {
    Self = Value ? TBidi::RightToLeft : TBidi::LeftToRight;
}
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
bool TParagraphBidiHelper::IsAuto(TParagraphBidi Self) {
    return Bits(Self).Contains(TBitValue::AutoDirection);
}
void TParagraphBidiHelper::SetIsAuto(TParagraphBidi& Self, bool Value) {
    SetBit(Self, TBitValue::AutoDirection, Value);
}
void TParagraphBidiHelper::SetRTL(TParagraphBidi& Self, bool Value) {
    SetBit(Self, TBitValue::RTLDirection, Value);
}
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

bool TDirectiveChars::IsDigitOrDigitSeparator(char16_t C) {
    return C == u'\'' || C == u'.' || IsDigit(C);
}
bool TDirectiveChars::IsDigitOrComma(char16_t C) {
    return C == u'\'' || IsDigit(C);
}
bool TDirectiveChars::IsLatinLetter(char16_t C) {
    return IsDigit(C) || (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z');
}
bool TDirectiveChars::IsLatinLetterOrDigit(char16_t C) {
    return IsLatinLetter(C);
}
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
        return IsRTLText(Text, ParagraphBidi == TParagraphBidi::AutoRightToLeft) ? TBidiType::RTL
                                                                                 : TBidiType::LTR;
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

int TDirectiveChars::CharactersCountEx(UCS4Char U) {
    return CharactersCount(U) + (U >= 0x10000 ? 1 : 0);
}

// ---- The direction splitter ---------------------------------------------------------------------

namespace {

using TBidiType = TDirectiveChars::TBidiType;
using TBidiStackData = TDirectiveChars::TBidiStackData;

// Where a scan of one kind of characters ended, so that a later scan of the same kind starting
// inside the stretch it covered answers at once. Without it a long run of digits read one digit at
// a time would be rescanned for every digit.
struct TSkipMemo {
    int32_t From = -1;
    int32_t End = -1;
};

// Where the scan for the first strong character inside a bracket ended, per closing character: an
// unclosed bracket scans to the end of the text, and a text of many of them would scan it again
// for each one.
struct TStrongMemo {
    char16_t Stop;
    int32_t From, End;  // the scan from From met a letter, the stop character or the end at End
    int32_t FirstDigit; // the first digit in [From, End), or End when there is none
};

// Per-thread working lists, cleared at the start of every call and kept for the thread's next one.
struct TSplitScratch {
    std::vector<int32_t> Offsets, Orders;
    std::vector<TBidi> Bidis;
    std::vector<TBidiStackData> Stack;
    std::vector<TRange> Ranges;
    std::vector<TStrongMemo> StrongMemos;
    std::vector<uint8_t> EquationFails;     // loop heads of the equation test known not to match
    std::vector<int32_t> EquationHeads;     // loop heads of the current equation test
    std::vector<int32_t> FreeSlots, Placed; // placing runs inserted at a turn index
};

// The loading thread's lists, made by the class initialisation; every other thread has its own.
TSplitScratch* LoadingThreadScratch = nullptr;
std::thread::id LoadingThread;

TSplitScratch& ThreadScratch() {
    if (LoadingThreadScratch && std::this_thread::get_id() == LoadingThread) return *LoadingThreadScratch;
    thread_local TSplitScratch scratch;
    return scratch;
}

constexpr bool IsStrongRunClass(TBidiType T) {
    return T == TBidiType::LTR || T == TBidiType::RTL || T == TBidiType::ArabicDigit ||
           T == TBidiType::DirectionalFormatting;
}

constexpr bool IsUnmergable(TBidiType T) {
    return T == TBidiType::LTRUnmergable || T == TBidiType::RTLUnmergable ||
           T == TBidiType::ArabicDigitUnmergable;
}

constexpr TBidiType BaseClass(TBidiType T) {
    return IsUnmergable(T) ? static_cast<TBidiType>(static_cast<uint8_t>(T) - 3) : T;
}

constexpr bool IsAsciiLetter(char16_t C) {
    return (C >= u'A' && C <= u'Z') || (C >= u'a' && C <= u'z');
}
constexpr bool IsZeroWidthSpace(char16_t C) {
    return C >= 0x200B && C <= 0x200D;
}
constexpr bool IsSpaceTabOrZeroWidth(char16_t C) {
    return C == u' ' || C == u'\t' || IsZeroWidthSpace(C);
}
constexpr bool IsFraction(char16_t C) {
    return C == 0xB2 || C == 0xB3 || C == 0xBC || C == 0xBD || C == 0xBE;
}
constexpr bool IsSpaceOrClose(char16_t C) {
    return C == u' ' || C == u')';
}

Sys::string ToString16(int32_t N) {
    const std::string s = std::to_string(N);
    return Sys::string(s.begin(), s.end());
}

class TSplitter {
public:
    TSplitter(const Sys::string& Text, TParagraphBidi ParagraphBidi, TSplitScratch& Lists)
        : S(Text.data()), Len(static_cast<int32_t>(Text.size())), Text(Text), FParagraphBidi(ParagraphBidi),
          L(Lists) {
        ParagraphDirection = TDirectiveChars::ResolveParagraphDirection(Text, ParagraphBidi);
        CurrentDirection = PriorDirection = ParagraphDirection;
        L.Offsets.clear();
        L.Orders.clear();
        L.Bidis.clear();
        L.Stack.clear();
        L.Ranges.clear();
        L.StrongMemos.clear();
        L.EquationFails.clear();
        L.Offsets.push_back(0);
    }

    void Run() {
        while (Position < Len) {
            const size_t stackBefore = L.Stack.size();
            TokenClass = ReadToken();
            if (!Handle(stackBefore)) break;
        }
        Finish();
    }

private:
    // ---- token reader ----

    TBidiType ReadToken(bool KeepPriorDirection = false) {
        if (!KeepPriorDirection) PriorDirection = CurrentDirection;
        PeriodAbsorbed = false;
        const char16_t c = S[Position++];
        const TUnicodeCategory category = TCharacter::GetUnicodeCategory(c);

        if (TDirectiveChars::IsRTL(c)) return ReadRightToLeft();
        if (PriorDirection == TBidiType::RTL && TDirectiveChars::IsDigit(c))
            return ReadDigitAfterRightToLeft();
        if (IsLetterCategory(category) || category == TUnicodeCategory::Nd || c == 0x200E)
            return ReadLeftToRight();
        if (category == TUnicodeCategory::Zl || category == TUnicodeCategory::Zp)
            return TBidiType::LineParagraphSeparator;
        if (c == u'\r' || c == u'\n') {
            if (Position < Len && S[Position] == u'\n') ++Position;
            return TBidiType::LineParagraphSeparator;
        }
        if (category == TUnicodeCategory::Zs || IsZeroWidthSpace(c)) {
            while (Position < Len && TCharacter::IsSeparator(S[Position])) ++Position;
            return TBidiType::SpaceSeparator;
        }
        if (category == TUnicodeCategory::Cf) return TBidiType::DirectionalFormatting;
        if (c == u'.' && IsSentenceEnd(Position)) return CurrentDirection;
        if ((c == u'"' || c == u'\'') && (IsQuoteOpen(c) || FollowsSpaceOrColon(Position - 1)))
            return ReadQuote(c);
        if (category == TUnicodeCategory::Pi || category == TUnicodeCategory::Ps) return ReadOpening(c);
        if ((category == TUnicodeCategory::Pe || category == TUnicodeCategory::Pf) && BracketDepth > 0)
            return ReadClosing();
        return ReadNeutral();
    }

    static bool IsLetterCategory(TUnicodeCategory C) { return C <= TUnicodeCategory::Lo; }

    // A run of right-to-left characters; a lone zero-width space or joiner between two of them
    // belongs to the word.
    TBidiType ReadRightToLeft() {
        while (Position < Len) {
            if (TDirectiveChars::IsRTL(S[Position]))
                ++Position;
            else if ((S[Position] == 0x200A || S[Position] == 0x200B || S[Position] == 0x200C) &&
                     Position + 1 < Len && TDirectiveChars::IsRTL(S[Position + 1]))
                Position += 2;
            else
                break;
        }
        if (CurrentDirection == TBidiType::RTL) AbsorbFinalPeriod();
        return TBidiType::RTL;
    }

    TBidiType ReadLeftToRight() {
        for (;;) {
            while (Position < Len) {
                if (PriorDirection == TBidiType::RTL &&
                    TDirectiveChars::CanBeConsideredAsArabicDigit(S[Position]))
                    break;
                if (!TDirectiveChars::IsLTR(S[Position])) break;
                ++Position;
            }
            if (Position >= Len) return TBidiType::LTR;
            if (CurrentDirection == TBidiType::LTR && AbsorbFinalPeriod()) return TBidiType::LTR;
            // '1.5' and '1'000' are one token.
            const char16_t next = S[Position];
            if ((next == u'.' || next == u'\'') && Position + 1 < Len &&
                TDirectiveChars::IsDigit(S[Position + 1]) &&
                (Position == 0 || TDirectiveChars::IsDigit(S[Position - 1]))) {
                Position += 2;
                continue;
            }
            return TBidiType::LTR;
        }
    }

    // A '.' at Position that ends the text or is followed by white space joins the word before it.
    bool AbsorbFinalPeriod() {
        if (Position < Len && S[Position] == u'.' &&
            (Position + 1 == Len || TCharacter::IsWhiteSpace(S[Position + 1]))) {
            ++Position;
            PeriodAbsorbed = true;
            return true;
        }
        return false;
    }

    // After a '.' that ended at P: the end follows, or, past spaces, something other than a letter or digit.
    bool IsSentenceEnd(int32_t P) const {
        while (P < Len && IsSpaceTabOrZeroWidth(S[P])) ++P;
        return P >= Len || !TCharacter::IsLetterOrDigit(S[P]);
    }

    bool FollowsSpaceOrColon(int32_t Index) const {
        if (Index == 0) return false;
        const char16_t before = S[Index - 1];
        return before == u':' || TCharacter::GetUnicodeCategory(before) == TUnicodeCategory::Zs;
    }

    bool IsQuoteOpen(char16_t C) const { return (OpenQuotes & QuoteBit(C)) != 0; }
    static uint8_t QuoteBit(char16_t C) { return C == u'"' ? 1 : 2; }

    TBidiType ReadQuote(char16_t C) {
        TBidiType result;
        if (IsQuoteOpen(C)) {
            Pop();
            OpenQuotes &= static_cast<uint8_t>(~QuoteBit(C));
            --BracketDepth;
            result = PriorDirection;
        } else {
            Push(CharClass(FirstStrongCharacter(C)), CurrentDirection);
            OpenQuotes |= QuoteBit(C);
            ++BracketDepth;
            result = CurrentDirection;
        }
        if (result == TBidiType::RTL) AddRange(Position - 1, Position - 1);
        return result;
    }

    TBidiType ReadOpening(char16_t C) {
        Push(CharClass(FirstStrongCharacter(ClosingCharacter(C))), ParagraphDirection);
        const TBidiType result = CurrentDirection;
        if (result == TBidiType::RTL) AddRange(Position - 1, Position - 1);
        ++BracketDepth;
        return result;
    }

    TBidiType ReadClosing() {
        const TBidiType result = CurrentDirection;
        Pop();
        --BracketDepth;
        if (result == TBidiType::RTL) AddRange(Position - 1, Position - 1);
        return result;
    }

    TBidiType ReadNeutral() {
        while (Position < Len) {
            const char16_t c = S[Position];
            switch (TCharacter::GetUnicodeCategory(c)) {
            case TUnicodeCategory::Zs:
            case TUnicodeCategory::Lu:
            case TUnicodeCategory::Ll:
            case TUnicodeCategory::Lt:
            case TUnicodeCategory::Lm:
            case TUnicodeCategory::Lo:
            case TUnicodeCategory::Nd:
            case TUnicodeCategory::Cc:
            case TUnicodeCategory::Cf:
            case TUnicodeCategory::Pe:
            case TUnicodeCategory::Pf:
            case TUnicodeCategory::Pi:
            case TUnicodeCategory::Ps:
            case TUnicodeCategory::Zl:
            case TUnicodeCategory::Zp: return TBidiType::Neutral;
            default: break;
            }
            ++Position;
            if (c == u'.' &&
                (Position == Len || (TCharacter::IsWhiteSpace(S[Position]) && StrongAfterSpaces(Position))))
                return CurrentDirection;
        }
        return TBidiType::Neutral;
    }

    bool StrongAfterSpaces(int32_t P) const {
        while (P < Len && IsSpaceTabOrZeroWidth(S[P])) ++P;
        return P < Len && CharClass(S[P]) != TBidiType::Neutral;
    }

    // ---- support tests ----

    // The first letter from Position on; the stop character or the end first gives the first digit
    // seen so far, or 0.
    char16_t FirstStrongCharacter(char16_t Stop) {
        TStrongMemo* memo = nullptr;
        for (TStrongMemo& m : L.StrongMemos)
            if (m.Stop == Stop) memo = &m;
        if (!memo || Position < memo->From || Position > memo->End) {
            if (!memo) memo = &L.StrongMemos.emplace_back();
            int32_t p = Position, digit = -1;
            while (p < Len && S[p] != Stop && !TCharacter::IsLetter(S[p])) {
                if (digit < 0 && TCharacter::IsDigit(S[p])) digit = p;
                ++p;
            }
            *memo = TStrongMemo{Stop, Position, p, digit < 0 ? p : digit};
        } else if (memo->FirstDigit < Position) {
            int32_t p = Position;
            while (p < memo->End && !TCharacter::IsDigit(S[p])) ++p;
            memo->From = Position;
            memo->FirstDigit = p;
        }
        if (memo->End < Len && S[memo->End] != Stop) return S[memo->End]; // a letter
        return memo->FirstDigit < memo->End ? S[memo->FirstDigit] : char16_t(0);
    }

    static TBidiType CharClass(char16_t C) {
        if (C == 0) return TBidiType::Neutral;
        if (TDirectiveChars::CanBeConsideredAsArabicDigit(C)) return TBidiType::ArabicDigit;
        if (TDirectiveChars::IsLTR(C)) return TBidiType::LTR;
        if (TDirectiveChars::IsRTL(C)) return TBidiType::RTL;
        return TBidiType::Neutral;
    }

    void Push(TBidiType T, TBidiType Comparison) {
        if (Comparison == CurrentDirection) TurnIndex = RunCount();
        L.Stack.push_back(TBidiStackData{CurrentDirection, TurnIndex, -1});
        switch (T) {
        case TBidiType::LTR:
        case TBidiType::RTL: CurrentDirection = T; break;
        case TBidiType::ArabicDigit: CurrentDirection = TBidiType::RTL; break;
        case TBidiType::Neutral: break;
        default: TDirectiveChars::TSplitChecks::BracketContentClass(T);
        }
    }

    void Pop() {
        if (L.Stack.empty()) return;
        TurnIndex = L.Stack.back().TurnIndex;
        CurrentDirection = L.Stack.back().Bidi;
        L.Stack.pop_back();
    }

    static char16_t ClosingCharacter(char16_t C) {
        if (C == u'(') return u')';
        // The guillemet's low four bits are 1011 too, but its partner is not two code points on.
        if (C == 0xAB) return 0xBB;
        if (C == 0x2039) return 0x203A;
        if ((C & 0xF) == 0xB) return static_cast<char16_t>(C + 2);
        return static_cast<char16_t>(C + 1);
    }

    // The end of the stretch from P of characters for which Accept holds; Memo remembers it.
    template <bool (*Accept)(char16_t)> int32_t Skip(int32_t P, TSkipMemo& Memo) const {
        if (P >= Memo.From && P <= Memo.End) return Memo.End;
        int32_t e = P;
        while (e < Len && Accept(S[e])) ++e;
        Memo = {P, e};
        return e;
    }
    int32_t SkipApostrophesAndDigits(int32_t P) {
        return Skip<TDirectiveChars::IsDigitOrComma>(P, DigitsMemo);
    }
    int32_t SkipDigits(int32_t P) { return Skip<TDirectiveChars::IsDigit>(P, PlainDigitsMemo); }
    int32_t SkipSpaces(int32_t P) const {
        while (P < Len && S[P] == u' ') ++P;
        return P;
    }
    // Apostrophes and digits, then a '.' followed by digits and those digits.
    int32_t SkipNumber(int32_t P) {
        P = SkipApostrophesAndDigits(P);
        if (P + 1 < Len && S[P] == u'.' && TDirectiveChars::IsDigit(S[P + 1])) P = SkipDigits(P + 1);
        return P;
    }

    // S6: digits running into a Latin word, such as '3rd' or '2.5kg'.
    bool DigitsThenLatin() {
        const int32_t q = Skip<TDirectiveChars::IsDigitOrDigitSeparator>(Position, NumberCharsMemo);
        if (q >= Len || !IsAsciiLetter(S[q])) return false;
        int32_t e = Skip<TDirectiveChars::IsLatinLetterOrDigitOrDigitSeparator>(q, NumberLettersMemo);
        while (S[e - 1] == u'.') --e;
        Position = e;
        return true;
    }

    // S7: Position is after the first digit of a date such as 5/12/1399 or 1399-05-12.
    bool IsDate() const {
        int32_t p = Position;
        if (p < Len && TDirectiveChars::IsDigit(S[p])) ++p;
        if (p >= Len || TDirectiveChars::IsDigit(S[p])) return false;
        const char16_t separator = S[p];
        if (separator != u'/' && separator != u'-' && separator != Sys::FormatSettings.DateSeparator)
            return false;
        ++p;
        const int32_t month = CountDigits(p);
        if (month == 2 ? !(S[p] <= u'1' && S[p + 1] <= u'3') : month != 1) return false;
        p += month;
        if (p >= Len || S[p] != separator) return false;
        const int32_t year = CountDigits(++p);
        return year == 1 || year == 2 || year == 4;
    }

    int32_t CountDigits(int32_t P) const {
        int32_t n = 0;
        while (P + n < Len && TDirectiveChars::IsDigit(S[P + n])) ++n;
        return n;
    }

    // S8: a number followed by a prime, a percent sign or a space and a Latin unit.
    bool IsMeasure() {
        const int32_t p = SkipNumber(Position);
        if (p >= Len) return false;
        const char16_t c = S[p];
        if (c == u'"' || c == u'\'') return TRTLGlobalSettings::PrimeInRightSideOfDigits();
        if (c == u'%') return TRTLGlobalSettings::PercentInRightSideOfDigits();
        if (c != u' ') return false;
        auto at = [&](int32_t i) { return i < Len ? S[i] : char16_t(0); };
        const char16_t u1 = at(p + 1);
        if (!IsAsciiLetter(u1) && u1 != 0xB0 && u1 != 0xB5) return false;
        const char16_t u2 = at(p + 2);
        int32_t end;
        if (IsSpaceOrClose(u2)) {
            end = p + 2;
        } else if (IsFraction(u2)) {
            if (!IsSpaceOrClose(at(p + 3))) return false;
            end = p + 3;
        } else if (IsAsciiLetter(u2)) {
            const char16_t u3 = at(p + 3);
            if (IsSpaceOrClose(u3)) {
                end = p + 3;
            } else if (IsFraction(u3)) {
                if (!IsSpaceOrClose(at(p + 4))) return false;
                end = p + 4;
            } else {
                return false;
            }
        } else {
            return false;
        }
        Position = end;
        return true;
    }

    // S9: a list index such as '1.', '2 -' or '1.2.' at the start of a line.
    bool IsLineIndex() const {
        int32_t p = Position;
        for (;;) {
            while (p < Len && TDirectiveChars::IsDigit(S[p])) ++p;
            if (p < Len && S[p] == u' ') ++p;
            if (p >= Len) return false;
            const char16_t c = S[p];
            if (c == u'-' || c == u'.') {
                ++p;
                if (p < Len && S[p] == u' ') ++p;
                if (p < Len && TDirectiveChars::IsDigit(S[p])) continue;
                return true;
            }
            return c == u'\n' || c == u'\r' || c == u'(' || c == 0xB7 || c == 0x2028 || c == 0x2029 ||
                   TDirectiveChars::IsRTL(c);
        }
    }

    static bool IsEquationCategory(TUnicodeCategory C) {
        switch (C) {
        case TUnicodeCategory::Nd:
        case TUnicodeCategory::Nl:
        case TUnicodeCategory::No:
        case TUnicodeCategory::Pd:
        case TUnicodeCategory::Po:
        case TUnicodeCategory::Sc:
        case TUnicodeCategory::Sk:
        case TUnicodeCategory::Sm:
        case TUnicodeCategory::So: return true;
        default: return false;
        }
    }

    // S10: a number, perhaps with signs and more numbers, before a word, such as '2 + 3 = x'.
    bool IsEquationBeforeLetter() {
        int32_t q = Position;
        L.EquationHeads.clear();
        for (;;) {
            // From the same loop head the test always ends the same way; remember the heads that
            // failed so that a row of numbers is not rescanned for each of them.
            if (!L.EquationFails.empty() && L.EquationFails[static_cast<size_t>(q)]) return false;
            L.EquationHeads.push_back(q);
            int32_t e = SkipNumber(q);
            q = SkipSpaces(e);
            if (q < Len && TCharacter::IsLetter(S[q])) {
                if (TDirectiveChars::IsRTL(S[e])) return Fail();
                Position = e;
                return true;
            }
            if (q >= Len || !IsEquationCategory(TCharacter::GetUnicodeCategory(S[q]))) return Fail();
            e = q + 1;
            while (e < Len && IsEquationCategory(TCharacter::GetUnicodeCategory(S[e]))) ++e;
            q = SkipSpaces(e);
            if (q < Len && TCharacter::IsLetter(S[q]) && !TDirectiveChars::IsRTL(S[e])) {
                Position = e;
                return true;
            }
            if (q < Len && TDirectiveChars::IsDigit(S[q])) {
                ++q;
                continue;
            }
            return Fail();
        }
    }

    bool Fail() {
        if (L.EquationFails.empty()) L.EquationFails.assign(static_cast<size_t>(Len) + 1, 0);
        for (int32_t head : L.EquationHeads) L.EquationFails[static_cast<size_t>(head)] = 1;
        return false;
    }

    bool HasArabicDigitsInText() {
        if (HasArabicDigits < 0) {
            HasArabicDigits = 0;
            for (int32_t i = 0; i < Len; ++i)
                if (TDirectiveChars::IsArabicDigit(S[i])) {
                    HasArabicDigits = 1;
                    break;
                }
        }
        return HasArabicDigits == 1;
    }

    // D1: a Latin digit after right-to-left text. Start is its index; Position is past it.
    TBidiType ReadDigitAfterRightToLeft() {
        const int32_t start = Position - 1;
        if (DigitsThenLatin()) return TBidiType::LTR;
        if (TRTLGlobalSettings::RTLDate() && IsDate()) {
            Position = SkipDigits(Position);
            AddRange(start, Position - 1);
            return TBidiType::ArabicDigit;
        }
        if (HasArabicDigitsInText()) return TBidiType::LTR;
        switch (RunClass) {
        case TBidiType::RTL:
        case TBidiType::ArabicDigit:
        case TBidiType::LTRUnmergable:
        case TBidiType::RTLUnmergable:
        case TBidiType::ArabicDigitUnmergable:
        case TBidiType::LineParagraphSeparator:
        case TBidiType::NotExists: break;
        default: return TBidiType::LTR;
        }
        if ((TRTLGlobalSettings::MeasureSignsInRightSideOfDigits() ||
             TRTLGlobalSettings::PrimeInRightSideOfDigits()) &&
            IsMeasure()) {
            AddRange(start, Position - 1);
            return TBidiType::ArabicDigit;
        }

        enum class TExtent { None, Number, Digits };
        TBidiType decided = TBidiType::LTR;
        TExtent extent = TExtent::None;
        const bool equationRTL = TRTLGlobalSettings::RTLMath();
        if (equationRTL) {
            decided = TBidiType::ArabicDigit;
            extent = TExtent::Number;
        }
        if (TRTLGlobalSettings::RTLLineIndexOrder() &&
            (RunClass == TBidiType::LineParagraphSeparator || RunClass == TBidiType::NotExists) &&
            IsLineIndex()) {
            decided = TBidiType::ArabicDigit;
            extent = TExtent::Digits;
        }
        if (TRTLGlobalSettings::DigitsBeforeLatinAreLatin()) {
            const int32_t q = SkipSpaces(SkipNumber(Position));
            if (q < Len && TCharacter::IsLetter(S[q]) && !TDirectiveChars::IsRTL(S[q])) {
                Position = q;
                return TBidiType::LTR;
            }
        } else {
            if (equationRTL) return TBidiType::ArabicDigit;
            if (IsEquationBeforeLetter()) return TBidiType::ArabicDigit;
            if (CurrentDirection == TBidiType::LTR) {
                decided = TBidiType::ArabicDigit;
                extent = TExtent::Digits;
            } else {
                decided = TBidiType::LTR;
                extent = TExtent::Number;
            }
        }
        if (extent == TExtent::None) return TBidiType::LTR;
        Position = extent == TExtent::Number ? SkipNumber(Position) : SkipDigits(Position);
        if (decided == TBidiType::ArabicDigit) AddRange(start, Position - 1);
        return decided;
    }

    void AddRange(int32_t Low, int32_t High) { L.Ranges.push_back(TRange{Low, High}); }

    // ---- run primitives ----

    int32_t RunCount() const { return static_cast<int32_t>(L.Bidis.size()); }

    void AddRun(TBidiType Class, int32_t End, bool Insert) {
        Class = BaseClass(Class);
        TDirectiveChars::TSplitChecks::RunClass(Class, Position, Text);
        TBidi bidi;
        switch (Class) {
        case TBidiType::RTL: bidi = TBidi::RightToLeft; break;
        case TBidiType::DirectionalFormatting: {
            const char16_t last = End > 0 ? S[End - 1] : 0;
            bidi =
                last == 0x200F || last == 0x202E || last == 0x202B ? TBidi::RightToLeft : TBidi::LeftToRight;
            break;
        }
        default: bidi = TBidi::LeftToRight;
        }
        const int32_t index = RunCount();
        L.Bidis.push_back(bidi);
        // Orders holds, until the finish, the position each run was inserted at: a row of runs each
        // inserted at the same turn index would otherwise move the tail of the list every time.
        if (Insert) {
            ZARVEL_ASSERT(TurnIndex >= 0 && TurnIndex <= index);
            L.Orders.push_back(TurnIndex);
            Inserted = Inserted || TurnIndex != index;
        } else {
            L.Orders.push_back(index);
        }
        L.Offsets.push_back(End);
    }

    void CloseRun(TBidiType Class) {
        AddRun(Class, Position, false);
        RunClass = Class;
    }

    void ExtendTo(int32_t P) { L.Offsets.back() = P; }

    void ExtendAndClose(int32_t P, TBidiType Class) {
        ExtendTo(P);
        if (IsStrongRunClass(Class))
            CloseRun(Class);
        else
            TDirectiveChars::TSplitChecks::BoundaryClass(Class == TBidiType::SpaceSeparator ||
                                                             Class == TBidiType::LineParagraphSeparator ||
                                                             Class == TBidiType::NotExists,
                                                         P, Text);
    }

    void CloseStrongRun(TBidiType Class) {
        TDirectiveChars::TSplitChecks::BoundaryClass(IsStrongRunClass(Class), Position, Text);
        CloseRun(Class);
    }

    void ParagraphBreak() {
        TurnIndex = RunCount();
        AddRun(CurrentDirection, Position, false);
        L.Bidis.back() = TBidi::ParagraphSeparator;
        CurrentDirection = PriorDirection = ParagraphDirection;
        L.Stack.clear();
        RunClass = TBidiType::NotExists;
        TurnIndex = RunCount();
        PeriodAbsorbed = true;
    }

    // Extends the open run to P, or starts the first run of a paragraph there.
    void ExtendOrAdd(int32_t P) {
        if (RunClass == TBidiType::NotExists)
            AddRun(PriorDirection, P, false);
        else
            ExtendTo(P);
    }

    // ---- handling ----

    // Handles TokenClass; false ends the main loop.
    bool Handle(size_t StackBefore) {
        switch (TokenClass) {
        case TBidiType::LTR:
        case TBidiType::RTL:
        case TBidiType::ArabicDigit: ExtendOrClose(TokenClass); break;
        case TBidiType::LineParagraphSeparator: ParagraphBreak(); break;
        case TBidiType::DirectionalFormatting:
            if (Position < Len && (S[Position] == 0x202B || S[Position] == 0x202A)) ExtendOrClose(TokenClass);
            break;
        case TBidiType::Neutral: HandleNeutral(); break;
        case TBidiType::SpaceSeparator: {
            const THandled handled = HandleSpace();
            if (handled == THandled::EndLoop) return false;
            if (handled == THandled::SkipAdjustment) return true;
            break;
        }
        default: TDirectiveChars::TSplitChecks::BoundaryClass(false, Position, Text);
        }
        Adjust(StackBefore);
        return true;
    }

    void ExtendOrClose(TBidiType T) {
        if (T == RunClass)
            ExtendTo(Position);
        else
            CloseRun(T);
    }

    void HandleNeutral() {
        int32_t stretchEnd = Position;
        for (;;) {
            if (Position >= Len) {
                ExtendOrAdd(Len);
                NextClass = TBidiType::NotExists;
                stretchEnd = Len;
                break;
            }
            if (CurrentDirection == RunClass) stretchEnd = Position;
            NextClass = ReadToken();
            if (NextClass != TBidiType::Neutral && NextClass != TBidiType::SpaceSeparator) break;
        }
        if (NextClass == TBidiType::LineParagraphSeparator) {
            ExtendOrAdd(stretchEnd);
            ParagraphBreak();
        } else {
            ResolveNeutrals(TBidiType::Neutral, stretchEnd, NextClass);
        }
        TokenClass = NextClass;
    }

    enum class THandled { Adjust, SkipAdjustment, EndLoop };

    THandled HandleSpace() {
        if (Position >= Len) {
            ExtendOrAdd(Len);
            return THandled::EndLoop;
        }
        int32_t spaceEnd = Position;
        size_t stackBefore = L.Stack.size();
        NextClass = ReadToken();
        int32_t stretchEnd = Position;
        const int32_t firstEnd = Position;

        if (NextClass == TBidiType::Neutral || NextClass == TBidiType::LineParagraphSeparator) {
            if (NextClass == TBidiType::Neutral) {
                while (Position < Len) {
                    stretchEnd = Position;
                    NextClass = ReadToken(true);
                    if (NextClass != TBidiType::Neutral && NextClass != TBidiType::SpaceSeparator) break;
                }
            }
            if (Position >= Len || NextClass == TBidiType::LineParagraphSeparator) {
                if (NextClass == RunClass ||
                    (NextClass != TBidiType::Neutral && NextClass != TBidiType::SpaceSeparator &&
                     NextClass != TBidiType::NotExists))
                    ResolveNeutrals(TBidiType::SpaceSeparator, spaceEnd, NextClass);
                else if (RunClass == PriorDirection)
                    ExtendTo(Position);
                else
                    AddRun(PriorDirection, Position, false);
                if (NextClass != TBidiType::LineParagraphSeparator) return THandled::EndLoop;
                ParagraphBreak();
            }
            if (NextClass != RunClass && RunClass == PriorDirection) {
                ResolveNeutrals(TBidiType::SpaceSeparator, stretchEnd, NextClass);
                TokenClass = NextClass;
                return THandled::SkipAdjustment;
            }
            if (NextClass == TBidiType::ArabicDigit &&
                (RunClass == TBidiType::LTR || RunClass == TBidiType::ArabicDigit)) {
                AddRun(TBidiType::RTL, firstEnd, false);
                RunClass = TBidiType::RTL;
                TokenClass = TBidiType::ArabicDigit;
                spaceEnd = firstEnd;
                TurnIndex = RunCount();
                L.Bidis.back() = TBidi::RightToLeft;
            }
        } else if (NextClass == TBidiType::ArabicDigit &&
                   (RunClass != TBidiType::RTL || L.Stack.size() < stackBefore)) {
            AddRun(TBidiType::RTL, spaceEnd, false);
            RunClass = TBidiType::RTL;
            TokenClass = TBidiType::ArabicDigit;
            TurnIndex = RunCount();
        } else if (L.Stack.size() > stackBefore) {
            PriorDirection = L.Stack.back().Bidi;
        }

        if (NextClass == TBidiType::LineParagraphSeparator) {
            // nothing more: the break closed the paragraph
        } else if (NextClass == TBidiType::LTR && RunClass == TBidiType::ArabicDigit &&
                   FParagraphBidi == TParagraphBidi::RightToLeft) {
            // A Latin word after a number that belongs to the right-to-left side starts a run of its
            // own; the words after it then join that run, so that a Latin phrase keeps its order.
            AddRun(PriorDirection, spaceEnd, false);
            CloseRun(TBidiType::LTR);
        } else {
            ResolveNeutrals(TokenClass, spaceEnd, NextClass);
        }
        TokenClass = NextClass;
        return THandled::Adjust;
    }

    // R6: after a sentence-final period the next token starts a new run; after a closed bracket
    // the open run must not absorb what follows.
    void Adjust(size_t StackBefore) {
        if (PeriodAbsorbed &&
            (TokenClass != TBidiType::SpaceSeparator || NextClass == TBidiType::LineParagraphSeparator)) {
            RunClass = TBidiType::NotExists;
            TurnIndex = RunCount();
        } else if (L.Stack.size() < StackBefore) {
            TDirectiveChars::TSplitChecks::UnmergableBase(CurrentDirection);
            RunClass = static_cast<TBidiType>(static_cast<uint8_t>(CurrentDirection) + 3);
            TurnIndex = RunCount();
        }
    }

    // N: where a stretch of neutrals ending at P goes, between the open run and the token X.
    void ResolveNeutrals(TBidiType K, int32_t P, TBidiType X) {
        const TBidiType PD = PriorDirection, RC = RunClass;
        const bool kIsNeutralOrSpace = K == TBidiType::Neutral || K == TBidiType::SpaceSeparator;
        if ((X == TBidiType::ArabicDigit && RC != TBidiType::RTL) || K == TBidiType::ArabicDigit) {
            const bool kIsRun = !(kIsNeutralOrSpace || K == TBidiType::LineParagraphSeparator);
            AddRun(kIsRun ? K : TBidiType::RTL, Position, false);
            if (K == TBidiType::ArabicDigit) {
                RunClass = TBidiType::ArabicDigit;
                TurnIndex = RunCount();
            } else {
                RunClass = TBidiType::RTL;
            }
        } else if (IsUnmergable(RC)) {
            if (X != PD && BaseClass(RC) == PD && K == TBidiType::SpaceSeparator)
                ExtendAndClose(P, X);
            else if (X == PD && kIsNeutralOrSpace)
                CloseStrongRun(X);
            else
                AddRun(PD, Position, true);
        } else if (X == RC && X != TBidiType::ArabicDigit) {
            ExtendTo(Position);
        } else if (kIsNeutralOrSpace && RC == PD) {
            ExtendAndClose(P, X);
        } else if (K == TBidiType::SpaceSeparator && X == PD) {
            CloseStrongRun(X);
        } else if (X == TBidiType::LTR || X == TBidiType::RTL || X == TBidiType::DirectionalFormatting) {
            CloseStrongRun(X);
        } else if (RC != TBidiType::ArabicDigit && RC != TBidiType::NotExists) {
            ExtendAndClose(P, X);
        } else {
            AddRun(PD, Position, false);
        }
    }

    // ---- finish ----

    void Finish() {
        // A format character at the very end is placed by no rule (it joins a run only when
        // something follows it); without this the text's tail would be outside every run.
        if (L.Offsets.back() < Len) ExtendOrAdd(Len);
        TDirectiveChars::TSplitChecks::Finish(L.Offsets, L.Orders.size(), L.Bidis.size(), Text);
        if (L.Offsets.size() == L.Orders.size()) L.Offsets.push_back(Len);
        if (Inserted) PlaceInsertedRuns();
    }

    // Turns the insertion positions in Orders into the reading order. Going from the last run to the
    // first, each run takes the free slot its position counts to; a Fenwick tree over the free slots
    // finds it in logarithmic time.
    void PlaceInsertedRuns() {
        const int32_t n = static_cast<int32_t>(L.Orders.size());
        std::vector<int32_t>& tree = L.FreeSlots;
        tree.resize(static_cast<size_t>(n) + 1);
        for (int32_t i = 1; i <= n; ++i) tree[size_t(i)] = i & -i; // every slot free
        std::vector<int32_t>& order = L.Placed;
        order.resize(size_t(n));
        int32_t top = 1;
        while (top * 2 <= n) top *= 2;
        for (int32_t run = n - 1; run >= 0; --run) {
            int32_t rank = L.Orders[size_t(run)] + 1, slot = 0; // the rank-th free slot, 1-based
            for (int32_t step = top; step > 0; step /= 2)
                if (slot + step <= n && tree[size_t(slot + step)] < rank) {
                    slot += step;
                    rank -= tree[size_t(slot)];
                }
            order[size_t(slot)] = run;
            for (int32_t i = slot + 1; i <= n; i += i & -i) --tree[size_t(i)];
        }
        L.Orders.swap(order);
    }

    const char16_t* S;
    const int32_t Len;
    const Sys::string& Text;
    const TParagraphBidi FParagraphBidi;
    TSplitScratch& L;

    int32_t Position = 0;
    TBidiType ParagraphDirection = TBidiType::LTR;
    TBidiType CurrentDirection = TBidiType::LTR;
    TBidiType PriorDirection = TBidiType::LTR;
    TBidiType RunClass = TBidiType::NotExists;
    TBidiType TokenClass = TBidiType::NotExists;
    TBidiType NextClass = TBidiType::Neutral;
    int32_t TurnIndex = 0;
    int32_t BracketDepth = 0;
    uint8_t OpenQuotes = 0;      // bit 0: '"', bit 1: apostrophe
    int8_t HasArabicDigits = -1; // not looked at yet
    bool PeriodAbsorbed = false;
    bool Inserted = false; // some run went in before the end of Orders
    TSkipMemo DigitsMemo, PlainDigitsMemo, NumberCharsMemo, NumberLettersMemo;
};

} // namespace

void TDirectiveChars::TSplitChecks::RunClass(TBidiType Class, int32_t Position, const Sys::string& Text) {
    ZARVEL_ASSERT_MSG(IsStrongRunClass(Class), u"Error in " + ToString16(Position) + u" @ " + Text);
}

void TDirectiveChars::TSplitChecks::BoundaryClass(bool Valid, int32_t Position, const Sys::string& Text) {
    ZARVEL_ASSERT_MSG(Valid, ToString16(Position) + u"@\"" + Text + u"\"");
}

void TDirectiveChars::TSplitChecks::BracketContentClass(TBidiType Class) {
    ZARVEL_ASSERT_MSG(
        Class != TBidiType::DirectionalFormatting,
        u"Not implemented yet. But it is a simple case. I should get the direction and put it as "
        u"ParagraphBidi");
}

void TDirectiveChars::TSplitChecks::UnmergableBase(TBidiType CurrentDirection) {
    ZARVEL_ASSERT(CurrentDirection == TBidiType::LTR || CurrentDirection == TBidiType::RTL ||
                  CurrentDirection == TBidiType::ArabicDigit);
}

void TDirectiveChars::TSplitChecks::Finish(const std::vector<int32_t>& Offsets, size_t OrderCount,
                                           size_t BidiCount, const Sys::string& Text) {
    const int32_t length = static_cast<int32_t>(Text.size());
    if (Offsets.size() > OrderCount)
        ZARVEL_ASSERT_MSG(Offsets.size() == OrderCount + 1 && Offsets.back() == length,
                          u"\"" + Text + u"\"  OffsetsList:" + ToString16(Offsets[OrderCount]) +
                              u" ,LengthS:" + ToString16(length));
    ZARVEL_ASSERT(BidiCount == OrderCount);
}

void TDirectiveChars::ClassInitialize() {
    LoadingThreadScratch = new TSplitScratch();
    LoadingThread = std::this_thread::get_id();
    LoadingThreadScratch->Offsets.reserve(2048);
    LoadingThreadScratch->Orders.reserve(2048);
    LoadingThreadScratch->Bidis.reserve(2048);
    LoadingThreadScratch->Ranges.reserve(64);
}

void TDirectiveChars::ClassFinalize() {
    delete LoadingThreadScratch;
    LoadingThreadScratch = nullptr;
}

void TDirectiveChars::SplitByDirection(const Sys::string& Text, TParagraphBidi ParagraphBidi,
                                       std::vector<int32_t>& Offsets, std::vector<int32_t>& Orders,
                                       std::vector<TBidi>& Bidis, std::vector<TRange>& Ranges) {
    TSplitScratch& lists = ThreadScratch();
    TSplitter splitter(Text, ParagraphBidi, lists);
    splitter.Run();
    Offsets.assign(lists.Offsets.begin(), lists.Offsets.end());
    Orders.assign(lists.Orders.begin(), lists.Orders.end());
    Bidis.assign(lists.Bidis.begin(), lists.Bidis.end());
    Ranges.assign(lists.Ranges.begin(), lists.Ranges.end());
}

// Shaping, digit forms and primes.

namespace {

// Joining classes of the Arabic letters: the low three bits say how a letter joins; the alef maksura
// joins like a dual-joining letter but has its initial and medial forms in another block.
using TJoiningClass = uint8_t;
constexpr TJoiningClass NonJoining = 1;
constexpr TJoiningClass RightJoining = 2;
constexpr TJoiningClass JoinCausing = 3;
constexpr TJoiningClass DualJoining = 4;
constexpr TJoiningClass AlefMaksuraJoining = 0x20 | DualJoining;
constexpr TJoiningClass Transparent = 0xFF;

constexpr UCS4Char ArabicFirst = 0x0620;
constexpr UCS4Char ArabicLast = 0x06ED;
constexpr size_t ArabicCount = ArabicLast - ArabicFirst + 1;

bool IsArabic(UCS4Char C) {
    return C >= ArabicFirst && C <= ArabicLast;
}

struct TCodePointRange {
    UCS4Char First, Last;
};

// Several of these join in the writing systems that use them; most have no presentation forms to join
// with.
constexpr TCodePointRange NonJoiningCodePoints[] = {
    {0x0620, 0x0621}, {0x063B, 0x063F}, {0x0660, 0x066F}, {0x0671, 0x0678}, {0x067C, 0x067D},
    {0x0681, 0x0682}, {0x0685, 0x0685}, {0x0689, 0x068B}, {0x068F, 0x0690}, {0x0692, 0x0697},
    {0x0699, 0x06A3}, {0x06A5, 0x06A5}, {0x06A7, 0x06A8}, {0x06AA, 0x06AC}, {0x06AE, 0x06AE},
    {0x06B0, 0x06B0}, {0x06B2, 0x06B2}, {0x06B4, 0x06B9}, {0x06BC, 0x06BD}, {0x06BF, 0x06BF},
    {0x06C2, 0x06C4}, {0x06CA, 0x06CA}, {0x06CD, 0x06CF}, {0x06D1, 0x06D1}, {0x06D4, 0x06D4},
    {0x06DE, 0x06DE}, {0x06E9, 0x06E9},
};

// Noon ghunna U+06BA has isolated and final presentation forms only, so it joins to the right.
constexpr TCodePointRange RightJoiningCodePoints[] = {
    {0x0622, 0x0625}, {0x0627, 0x0627}, {0x0629, 0x0629}, {0x062F, 0x0632}, {0x0648, 0x0648},
    {0x0688, 0x0688}, {0x068C, 0x068E}, {0x0691, 0x0691}, {0x0698, 0x0698}, {0x06BA, 0x06BA},
    {0x06C0, 0x06C0}, {0x06C5, 0x06C9}, {0x06CB, 0x06CB}, {0x06D2, 0x06D3}, {0x06D5, 0x06D5},
};

constexpr TCodePointRange JoinCausingCodePoints[] = {{0x0640, 0x0640}}; // tatweel

constexpr TCodePointRange DualJoiningCodePoints[] = {
    {0x0626, 0x0626}, {0x0628, 0x0628}, {0x062A, 0x062E}, {0x0633, 0x063A}, {0x0641, 0x0647},
    {0x064A, 0x064A}, {0x0679, 0x067B}, {0x067E, 0x0680}, {0x0683, 0x0684}, {0x0686, 0x0687},
    {0x06A4, 0x06A4}, {0x06A6, 0x06A6}, {0x06A9, 0x06A9}, {0x06AD, 0x06AD}, {0x06AF, 0x06AF},
    {0x06B1, 0x06B1}, {0x06B3, 0x06B3}, {0x06BB, 0x06BB}, {0x06BE, 0x06BE}, {0x06C1, 0x06C1},
    {0x06CC, 0x06CC}, {0x06D0, 0x06D0},
};

constexpr TCodePointRange AlefMaksuraCodePoints[] = {{0x0649, 0x0649}};

constexpr TCodePointRange TransparentCodePoints[] = {
    {0x064B, 0x065F}, {0x0670, 0x0670}, {0x06D6, 0x06DD}, {0x06DF, 0x06E8}, {0x06EA, 0x06ED},
};

struct TJoiningClasses {
    TJoiningClass Of[ArabicCount] = {};
};

// Evaluated at compile time: a code point listed twice, or not at all, stops the build.
constexpr TJoiningClasses MakeJoiningClasses() {
    TJoiningClasses result;
    const auto fill = [&result](const auto& Ranges, TJoiningClass Class) {
        for (const TCodePointRange& range : Ranges)
            for (UCS4Char c = range.First; c <= range.Last; ++c) {
                if (result.Of[c - ArabicFirst] != 0) throw "a code point has two joining classes";
                result.Of[c - ArabicFirst] = Class;
            }
    };
    fill(NonJoiningCodePoints, NonJoining);
    fill(RightJoiningCodePoints, RightJoining);
    fill(JoinCausingCodePoints, JoinCausing);
    fill(DualJoiningCodePoints, DualJoining);
    fill(AlefMaksuraCodePoints, AlefMaksuraJoining);
    fill(TransparentCodePoints, Transparent);
    for (TJoiningClass c : result.Of)
        if (c == 0) throw "a code point has no joining class";
    return result;
}

constexpr TJoiningClasses JoiningClasses = MakeJoiningClasses();

TJoiningClass JoiningClassOf(UCS4Char C) {
    return JoiningClasses.Of[C - ArabicFirst];
}

// Arabic Presentation Forms-A and -B.
constexpr TCodePointRange PresentationFormBlocks[] = {{0xFB50, 0xFDFF}, {0xFE70, 0xFEFF}};

struct TBaseForms {
    UCS4Char Of[ArabicCount];
};

// The isolated presentation form of every Arabic code point that has one, from the character
// database: the form whose decomposition is tagged isolated and maps to that one code point. The other
// forms of a joining letter follow it: final + 1, initial + 2, medial + 3.
TBaseForms MakeBaseForms() {
    TBaseForms result;
    for (size_t i = 0; i < ArabicCount; ++i) result.Of[i] = ArabicFirst + static_cast<UCS4Char>(i);
    for (const TCodePointRange& block : PresentationFormBlocks)
        for (UCS4Char form = block.First; form <= block.Last; ++form) {
            if (TCharacter::GetDecompositionType(form) != Sys::TDecompositionType::Isolated) continue;
            const Sys::UCS4String mapping = TCharacter::GetDecompositionMapping(form);
            if (mapping.size() == 1 && IsArabic(mapping[0])) result.Of[mapping[0] - ArabicFirst] = form;
        }
    // U with hamza above is non-joining here and keeps its own code point.
    result.Of[0x0677 - ArabicFirst] = 0x0677;
    // Ae has no presentation forms of its own; it looks like heh, whose forms it borrows.
    result.Of[0x06D5 - ArabicFirst] = 0xFEE9;
    // The harakat take their spacing isolated forms, every other code point from U+FE70 on.
    for (UCS4Char haraka = 0x064B; haraka <= 0x0652; ++haraka)
        result.Of[haraka - ArabicFirst] = 0xFE70 + 2 * (haraka - 0x064B);
    return result;
}

const TBaseForms& BaseForms() {
    static const TBaseForms Table = MakeBaseForms();
    return Table;
}

constexpr UCS4Char Lam = 0x0644;
constexpr UCS4Char Heh = 0x0647;
constexpr UCS4Char Shadda = 0x0651;
constexpr UCS4Char SuperscriptAlef = 0x0670;
constexpr UCS4Char ShaddaForm = 0xFE7C;
constexpr UCS4Char ShaddaWithSuperscriptAlef = 0xFC63;
constexpr UCS4Char AllahLigature = 0xFDF2;

// Dammatan, kasratan, fatha, damma, kasra: the harakat that form a ligature with shadda.
bool IsShaddaHaraka(UCS4Char C) {
    return C >= 0x064C && C <= 0x0650;
}
// The same harakat once shaped, in their isolated forms U+FE72, U+FE74 ... U+FE7A.
bool IsShapedShaddaHaraka(UCS4Char C) {
    return C >= 0xFE72 && C <= 0xFE7A && C % 2 == 0;
}
UCS4Char ShapedHarakaBase(UCS4Char Form) {
    return 0x064C + (Form - 0xFE72) / 2;
}
// The ligature of shadda with a haraka, U+FC5E for dammatan up to U+FC62 for kasra.
UCS4Char ShaddaLigature(UCS4Char Haraka) {
    return Haraka + 0xF612;
}

// After lam, lam, shadda, heh: the ligature forms only before a non-joining Arabic code point.
bool EndsAllah(UCS4Char C) {
    return C >= ArabicFirst && C <= 0x06D2 && JoiningClassOf(C) == NonJoining;
}

// The isolated lam-alef ligature for an alef after lam, or 0 when C is no such alef.
UCS4Char LamAlefLigature(UCS4Char C) {
    switch (C) {
    case 0x0622: return 0xFEF5; // with madda above
    case 0x0623: return 0xFEF7; // with hamza above
    case 0x0625: return 0xFEF9; // with hamza below
    case 0x0627: return 0xFEFB;
    default: return 0;
    }
}

constexpr UCS4Char HebrewFirst = 0x0591;
constexpr UCS4Char HebrewLetterFirst = 0x05D0; // the points lie below
constexpr UCS4Char HebrewLetterLast = 0x05EA;
constexpr UCS4Char Dagesh = 0x05BC;
constexpr UCS4Char Shin = 0x05E9;
constexpr UCS4Char ShinDot = 0x05C1;
constexpr UCS4Char SinDot = 0x05C2;
constexpr UCS4Char ShinWithShinDot = 0xFB2A;
constexpr UCS4Char ShinWithSinDot = 0xFB2B;

bool IsHebrewLetter(UCS4Char C) {
    return C >= HebrewLetterFirst && C <= HebrewLetterLast;
}

struct THebrewLigature {
    UCS4Char Letter, Point, Ligature;
};

constexpr THebrewLigature HebrewLigatures[] = {
    {0x05D0, 0x05B7, 0xFB2E}, // alef, patah
    {0x05D0, 0x05B8, 0xFB2F}, // alef, qamats
    {0x05D1, 0x05BF, 0xFB4C}, // bet, rafe
    {0x05D5, 0x05B9, 0xFB4B}, // vav, holam
    {0x05DB, 0x05BF, 0xFB4D}, // kaf, rafe
    {0x05E4, 0x05BF, 0xFB4E}, // pe, rafe
    {0x05E9, 0x05C1, 0xFB2A}, // shin, shin dot
    {0x05E9, 0x05C2, 0xFB2B}, // shin, sin dot
};

// Het, final mem, final nun, ayin and final tsadi have no precomposed form with dagesh; every other
// letter's is at U+FB30 + (letter - U+05D0).
constexpr UCS4Char HebrewLettersWithoutDagesh[] = {0x05D7, 0x05DD, 0x05DF, 0x05E2, 0x05E5};

bool HasDageshForm(UCS4Char Letter) {
    if (!IsHebrewLetter(Letter)) return false;
    for (UCS4Char c : HebrewLettersWithoutDagesh)
        if (c == Letter) return false;
    return true;
}

UCS4Char DageshForm(UCS4Char Letter) {
    return Letter + 0xF560;
}

// The ligature of a Hebrew letter with a point, or 0 when the pair has none.
UCS4Char HebrewLigature(UCS4Char Letter, UCS4Char Point) {
    for (const THebrewLigature& l : HebrewLigatures)
        if (l.Letter == Letter && l.Point == Point) return l.Ligature;
    return 0;
}

// The partner of a paired bracket or quote, or 0 when C is none.
UCS4Char MirroredBracket(UCS4Char C) {
    switch (C) {
    case U'(': return U')';
    case U')': return U'(';
    case U'[': return U']';
    case U']': return U'[';
    case U'{': return U'}';
    case U'}': return U'{';
    case 0x00AB: return 0x00BB;
    case 0x00BB: return 0x00AB;
    case 0x2039: return 0x203A;
    case 0x203A: return 0x2039;
    default: return 0;
    }
}

bool IsLatinDigit(UCS4Char C) {
    return C < 0x10000 && TDirectiveChars::IsDigit(static_cast<char16_t>(C));
}

} // namespace

void TUCS4ListHelper::ChangeToComplexCharacters(std::vector<UCS4Char>& Self, bool) {
    const TBaseForms& baseForms = BaseForms();
    const size_t count = Self.size();
    // Look-ahead past the end, and look-back before the first element, read 0: no rule matches it.
    const auto at = [&](size_t Index) -> UCS4Char { return Index < count ? Self[Index] : 0; };
    // The list is rewritten in place; the write position never passes the read position.
    size_t write = 0;
    // The last element that took part in joining; marks never become it.
    TJoiningClass priorClass = NonJoining;
    size_t priorPosition = 0;

    for (size_t read = 0; read < count; ++read) {
        UCS4Char c = Self[read];
        TJoiningClass joiningClass = NonJoining;
        const UCS4Char written = write > 0 ? Self[write - 1] : 0;

        if (const UCS4Char mirrored = MirroredBracket(c)) {
            c = mirrored;
        } else if (IsArabic(c)) {
            // A haraka between lam and alef goes after the ligature.
            if (c == Lam && IsShaddaHaraka(at(read + 1)) && LamAlefLigature(at(read + 2)))
                std::swap(Self[read + 1], Self[read + 2]);

            if (c == Shadda && read > 0) {
                joiningClass = Transparent;
                c = ShaddaForm;
                const UCS4Char next = at(read + 1);
                if (IsShaddaHaraka(next)) {
                    c = ShaddaLigature(next);
                    ++read;
                } else if (IsShapedShaddaHaraka(written)) {
                    Self[write - 1] = ShaddaLigature(ShapedHarakaBase(written));
                    continue;
                } else if (next == SuperscriptAlef) {
                    c = ShaddaWithSuperscriptAlef;
                    ++read;
                } else if (written == SuperscriptAlef) {
                    Self[write - 1] = ShaddaWithSuperscriptAlef;
                    continue;
                }
            } else if (c == Lam && LamAlefLigature(at(read + 1))) {
                c = LamAlefLigature(Self[++read]);
                joiningClass = RightJoining;
            } else if (c == Lam && at(read + 1) == Lam && at(read + 2) == Shadda && at(read + 3) == Heh &&
                       EndsAllah(at(read + 4))) {
                c = AllahLigature;
                read += 3;
            } else {
                joiningClass = JoiningClassOf(c);
                c = baseForms.Of[c - ArabicFirst];
            }

            const TJoiningClass joins = joiningClass & 7;
            if (joins == RightJoining || joins == JoinCausing || joins == DualJoining) {
                ZARVEL_ASSERT_MSG(priorClass != Transparent,
                                  u"When ChType = -1, it shall not be saved as prior value.");
                if (priorClass == DualJoining) {
                    Self[priorPosition] += 2; // isolated to initial, final to medial
                    if (joiningClass != JoinCausing) ++c;
                } else if (priorClass == AlefMaksuraJoining) {
                    // Its initial and medial forms, U+FBE8 and U+FBE9, lie below its isolated U+FEEF.
                    if (Self[priorPosition] >= 0xFEEF) Self[priorPosition] -= 0x307;
                    if (joiningClass != JoinCausing) ++c;
                }
            }
        } else if (c >= HebrewFirst && c < HebrewLetterFirst) {
            // Hebrew points; the letters, like everything else, are written as they are.
            const UCS4Char next = at(read + 1);
            if (c != Dagesh) {
                if (const UCS4Char ligature = HebrewLigature(written, c)) {
                    Self[write - 1] = ligature;
                    continue;
                }
            } else if (written == Shin && (next == ShinDot || next == SinDot)) {
                Self[write - 1] = next + 0xF56B; // U+FB2C, U+FB2D: shin with dagesh and its dot
                ++read;
                continue;
            } else if (written == ShinWithShinDot || written == ShinWithSinDot) {
                Self[write - 1] = written + 2;
                continue;
            } else if (HasDageshForm(written)) {
                Self[write - 1] = DageshForm(written);
                continue;
            }
            // Any other dagesh (after a letter without a dagesh form, after anything but a letter, or
            // first) stays a mark of its own, so that every source character is still counted.
        }

        Self[write] = c;
        if (joiningClass != Transparent) {
            priorClass = joiningClass;
            priorPosition = write;
        }
        ++write;
    }
    Self.resize(write);
}

void TUCS4ListHelper::ChangeToArabicDigits(std::vector<UCS4Char>& Self) {
    using TArabicDigitType = TRTLGlobalSettings::TArabicDigitType;
    const TArabicDigitType digitType = TRTLGlobalSettings::ArabicDigitType;
    if (digitType == TArabicDigitType::Latin) return;
    // A run that starts with a Latin word keeps its digits. The direction test reads one UTF-16 unit,
    // so a letter beyond the BMP is judged by its low 16 bits.
    for (UCS4Char c : Self)
        if (TCharacter::IsLetter(c)) {
            if (!TDirectiveChars::IsRTL(static_cast<char16_t>(c))) return;
            break;
        }
    const UCS4Char zero = digitType == TArabicDigitType::ArabicDigitType1 ? 0x0660 : 0x06F0;
    const size_t count = Self.size();
    for (size_t i = 0; i < count; ++i) {
        if (!IsLatinDigit(Self[i])) continue;
        Self[i] = zero + (Self[i] - U'0');
        if (i + 1 == count) break;
        // The separator and the percent sign of a number take their Arabic forms and are passed over.
        const UCS4Char next = Self[i + 1];
        if (next == U'\'')
            Self[++i] = 0x066C; // thousands separator
        else if (next == U'.' && i + 2 < count && IsLatinDigit(Self[i + 2]))
            Self[++i] = 0x066B; // decimal separator
        else if (next == U'%')
            Self[++i] = 0x066A;
    }
}

void TUCS4ListHelper::ReplaceQuotesWithPrimes(std::vector<UCS4Char>& Self) {
    for (size_t i = 1; i < Self.size(); ++i)
        if ((Self[i] == U'"' || Self[i] == U'\'') && TCharacter::IsNumber(Self[i - 1]))
            Self[i] = Self[i] == U'"' ? 0x2033 : 0x2032; // double prime, prime
}

UCS4Char TUCS4ListHelper::QuoteToReversePrime(UCS4Char C) {
    switch (C) {
    case U'"': return 0x2036;  // reversed double prime
    case U'\'': return 0x2035; // reversed prime
    default: return C;
    }
}

void InitializeUnicodeEngineTypes() {
    TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::LeftToRight;
}

} // namespace Zarvel
