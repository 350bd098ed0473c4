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
