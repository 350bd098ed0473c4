// Shaping of right-to-left runs, digit substitution and primes, checked against the character database
// and against ICU's shaper as a peer.
#include "Unicode.Engine.Types.h"

#include "System.Character.h"
#include "TestSupport.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/ushape.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace Zarvel;
using List = std::vector<UCS4Char>;
using TArabicDigitType = TRTLGlobalSettings::TArabicDigitType;

namespace {

std::string Names(const List& L) {
    std::string s;
    for (UCS4Char c : L) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%sU+%04X", s.empty() ? "" : " ", unsigned(c));
        s += buffer;
    }
    return s;
}

List Shaped(List L) {
    TUCS4ListHelper::ChangeToComplexCharacters(L, true);
    return L;
}

List FromUtf8(const char* Text) {
    List list = Sys::UnicodeStringToUCS4String(Sys::Utf8ToString(Text));
    list.pop_back();
    return list;
}

// The space-separated words of a UTF-8 text.
std::vector<List> Words(const char* Text) {
    std::vector<List> words(1);
    for (UCS4Char c : FromUtf8(Text)) {
        if (c == U' ')
            words.emplace_back();
        else
            words.back().push_back(c);
    }
    return words;
}

int SourceCount(const List& L) {
    int n = 0;
    for (UCS4Char c : L) n += TDirectiveChars::CharactersCount(c);
    return n;
}

// ICU's shaper set to do what ours does: letters shaped, lam-alef taking one element, logical order.
List IcuShaped(const List& L) {
    std::u16string in;
    for (UCS4Char c : L) in.push_back(static_cast<char16_t>(c));
    std::u16string out(in.size() * 2 + 4, u'\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_shapeArabic(
        reinterpret_cast<const UChar*>(in.data()), static_cast<int32_t>(in.size()),
        reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()),
        U_SHAPE_LETTERS_SHAPE | U_SHAPE_LENGTH_GROW_SHRINK | U_SHAPE_TEXT_DIRECTION_LOGICAL, &status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return List(out.begin(), out.begin() + (U_SUCCESS(status) ? length : 0));
}

// The database's decomposition of C, read from ICU directly, and its type.
List IcuDecomposition(UCS4Char C) {
    UErrorCode status = U_ZERO_ERROR;
    UChar buffer[32];
    const int32_t n = unorm2_getRawDecomposition(unorm2_getNFKDInstance(&status), static_cast<UChar32>(C),
                                                 buffer, 32, &status);
    return n > 0 ? List(buffer, buffer + n) : List{};
}
int IcuDecompositionType(UCS4Char C) {
    return u_getIntPropertyValue(static_cast<UChar32>(C), UCHAR_DECOMPOSITION_TYPE);
}

constexpr UCS4Char Beh = 0x0628;

} // namespace

TEST(Shaping, EdgeCases) {
    const struct {
        const char* Name;
        List Input, Expected;
    } cases[] = {
        {"empty", {}, {}},
        {"Latin text is left alone", {U'a', U'b', U'1'}, {U'a', U'b', U'1'}},
        {"beh between two behs: initial, medial, final", {Beh, Beh, Beh}, {0xFE91, 0xFE92, 0xFE90}},
        {"a lone letter takes its isolated form", {0x0633}, {0xFEB1}},
        {"salam: seen, lam-alef, meem", {0x0633, 0x0644, 0x0627, 0x0645}, {0xFEB3, 0xFEFC, 0xFEE1}},
        {"right-joining letter: the next letter does not join it",
         {Beh, 0x0631, Beh},
         {0xFE91, 0xFEAE, 0xFE8F}},
        {"a space ends the joining", {Beh, U' ', Beh}, {0xFE8F, U' ', 0xFE8F}},
        {"zero-width non-joiner ends the joining", {Beh, 0x200C, Beh}, {0xFE8F, 0x200C, 0xFE8F}},
        {"a fatha between two letters: joining passes across it",
         {Beh, 0x064E, Beh},
         {0xFE91, 0xFE76, 0xFE90}},
        {"two marks between two letters", {Beh, 0x0651, 0x0652, Beh}, {0xFE91, 0xFE7C, 0xFE7E, 0xFE90}},
        {"a mark first", {0x064E, Beh}, {0xFE76, 0xFE8F}},

        {"lam, alef: one element", {0x0644, 0x0627}, {0xFEFB}},
        {"lam, alef after a joining letter: final lam-alef", {Beh, 0x0644, 0x0627}, {0xFE91, 0xFEFC}},
        {"lam, alef with madda", {0x0644, 0x0622}, {0xFEF5}},
        {"lam, alef with hamza above, joined", {Beh, 0x0644, 0x0623}, {0xFE91, 0xFEF8}},
        {"lam, alef with hamza below", {0x0644, 0x0625}, {0xFEF9}},
        {"nothing joins a lam-alef from the left", {0x0644, 0x0627, Beh}, {0xFEFB, 0xFE8F}},
        {"lam, fatha, alef: the fatha goes after the ligature", {0x0644, 0x064E, 0x0627}, {0xFEFB, 0xFE76}},
        {"lam, kasra, alef after a letter", {Beh, 0x0644, 0x0650, 0x0627}, {0xFE91, 0xFEFC, 0xFE7A}},
        {"lam, shadda, alef: no ligature, joined across the shadda",
         {0x0644, 0x0651, 0x0627},
         {0xFEDF, 0xFE7C, 0xFE8E}},
        {"lam, fathatan, alef: no ligature", {0x0644, 0x064B, 0x0627}, {0xFEDF, 0xFE70, 0xFE8E}},
        {"lam with a haraka at the end", {0x0644, 0x064E}, {0xFEDD, 0xFE76}},

        {"shadda, fatha", {Beh, 0x0651, 0x064E, Beh}, {0xFE91, 0xFC60, 0xFE90}},
        {"fatha, shadda", {Beh, 0x064E, 0x0651, Beh}, {0xFE91, 0xFC60, 0xFE90}},
        {"dammatan, shadda", {Beh, 0x064C, 0x0651}, {0xFE8F, 0xFC5E}},
        {"shadda, kasra", {Beh, 0x0651, 0x0650}, {0xFE8F, 0xFC62}},
        {"shadda, superscript alef", {Beh, 0x0651, 0x0670}, {0xFE8F, 0xFC63}},
        {"superscript alef, shadda", {Beh, 0x0670, 0x0651}, {0xFE8F, 0xFC63}},
        {"shadda, sukun: no ligature", {Beh, 0x0651, 0x0652}, {0xFE8F, 0xFE7C, 0xFE7E}},
        {"a shadda first does not combine", {0x0651, 0x064E}, {0xFE7C, 0xFE76}},

        {"Allah before a non-joining Arabic letter",
         {0x0644, 0x0644, 0x0651, 0x0647, 0x0621},
         {0xFDF2, 0xFE80}},
        {"alef, Allah, Arabic digit zero",
         {0x0627, 0x0644, 0x0644, 0x0651, 0x0647, 0x0660},
         {0xFE8D, 0xFDF2, 0x0660}},
        {"Allah at the end of the run: no ligature",
         {0x0644, 0x0644, 0x0651, 0x0647},
         {0xFEDF, 0xFEE0, 0xFE7C, 0xFEEA}},
        {"Allah before a space: no ligature",
         {0x0644, 0x0644, 0x0651, 0x0647, U' '},
         {0xFEDF, 0xFEE0, 0xFE7C, 0xFEEA, U' '}},
        {"Allah before a joining letter: no ligature",
         {0x0644, 0x0644, 0x0651, 0x0647, Beh},
         {0xFEDF, 0xFEE0, 0xFE7C, 0xFEEC, 0xFE90}},
        {"Allah before the Arabic full stop, past U+06D2: no ligature",
         {0x0644, 0x0644, 0x0651, 0x0647, 0x06D4},
         {0xFEDF, 0xFEE0, 0xFE7C, 0xFEEA, 0x06D4}},

        {"tatweel joins to the letter before it", {Beh, 0x0640}, {0xFE91, 0x0640}},
        {"a letter after tatweel stays isolated", {Beh, 0x0640, Beh}, {0xFE91, 0x0640, 0xFE8F}},
        {"alef maksura after a letter: final", {Beh, 0x0649}, {0xFE91, 0xFEF0}},
        {"alef maksura before a letter: its initial form U+FBE8", {0x0649, Beh}, {0xFBE8, 0xFE90}},
        {"alef maksura between letters: its medial form U+FBE9",
         {Beh, 0x0649, Beh},
         {0xFE91, 0xFBE9, 0xFE90}},
        {"alef maksura before tatweel", {0x0649, 0x0640}, {0xFBE8, 0x0640}},
        {"ae takes the forms of heh", {Beh, 0x06D5}, {0xFE91, 0xFEEA}},
        {"u with hamza above keeps its code point", {Beh, 0x0677}, {0xFE8F, 0x0677}},
        {"Persian letters: peh, gaf, farsi yeh", {0x067E, 0x06AF, 0x06CC}, {0xFB58, 0xFB95, 0xFBFD}},

        {"brackets are mirrored", {U'(', U'[', U'{', 0x00AB, 0x2039}, {U')', U']', U'}', 0x00BB, 0x203A}},
        {"closing brackets too", {U')', U']', U'}', 0x00BB, 0x203A}, {U'(', U'[', U'{', 0x00AB, 0x2039}},
        {"a bracket ends the joining", {Beh, U'(', Beh, U')'}, {0xFE8F, U')', 0xFE8F, U'('}},

        {"shin, dagesh, shin dot", {0x05E9, 0x05BC, 0x05C1}, {0xFB2C}},
        {"shin, dagesh, sin dot", {0x05E9, 0x05BC, 0x05C2}, {0xFB2D}},
        {"shin, shin dot, dagesh", {0x05E9, 0x05C1, 0x05BC}, {0xFB2C}},
        {"shin, dagesh", {0x05E9, 0x05BC}, {0xFB49}},
        {"bet, dagesh", {0x05D1, 0x05BC}, {0xFB31}},
        {"het, dagesh: no precomposed form, the dagesh stays", {0x05D7, 0x05BC}, {0x05D7, 0x05BC}},
        {"final tsadi, dagesh stays", {0x05E5, 0x05BC}, {0x05E5, 0x05BC}},
        {"a dagesh first stays", {0x05BC, 0x05D1}, {0x05BC, 0x05D1}},
        {"a dagesh after a Latin letter stays", {U'a', 0x05BC}, {U'a', 0x05BC}},
        {"a dagesh after vav with holam stays", {0x05D5, 0x05B9, 0x05BC}, {0xFB4B, 0x05BC}},
        {"bet, rafe", {0x05D1, 0x05BF}, {0xFB4C}},
        {"alef, patah and alef, qamats", {0x05D0, 0x05B7, 0x05D0, 0x05B8}, {0xFB2E, 0xFB2F}},
        {"a point without a ligature stays", {0x05D1, 0x05B7}, {0x05D1, 0x05B7}},
        {"bet with dagesh, then patah", {0x05D1, 0x05BC, 0x05B7}, {0xFB31, 0x05B7}},
        {"Hebrew letters are written unchanged",
         {0x05E9, 0x05DC, 0x05D5, 0x05DD},
         {0x05E9, 0x05DC, 0x05D5, 0x05DD}},
    };
    for (const auto& c : cases) {
        const List shaped = Shaped(c.Input);
        EXPECT_EQ(Names(shaped), Names(c.Expected)) << c.Name;
        // What the layout relies on to map glyphs back to source characters.
        EXPECT_EQ(SourceCount(shaped), static_cast<int>(c.Input.size())) << c.Name;
    }
}

TEST(Shaping, EveryContextualFormIsAFormOfItsLetter) {
    // Over the whole Arabic range: each form the shaper produces is, by the character database, the
    // isolated, final, initial or medial form of that very code point.
    for (UCS4Char c = 0x0620; c <= 0x06ED; ++c) {
        const bool haraka = c >= 0x064B && c <= 0x0652;
        const UCS4Char letter = c == 0x06D5 ? 0x0647 : c; // ae borrows heh's forms
        const auto check = [&](UCS4Char Form, int Type, const char* What) {
            EXPECT_EQ(IcuDecompositionType(Form), Type) << std::hex << unsigned(c) << " " << What;
            const List expected = haraka ? List{U' ', c} : List{letter};
            EXPECT_EQ(Names(IcuDecomposition(Form)), Names(expected))
                << std::hex << unsigned(c) << " " << What;
        };

        const UCS4Char isolated = Shaped({c})[0];
        if (isolated != c) {
            check(isolated, U_DT_ISOLATED, "isolated");
        } else if (c != 0x0677) { // u with hamza above keeps its code point on purpose
            // No isolated form from the shaper: the database has none either.
            for (UCS4Char form = 0xFB50; form <= 0xFEFF; ++form) {
                if (IcuDecompositionType(form) == U_DT_ISOLATED) {
                    EXPECT_NE(Names(IcuDecomposition(form)), Names({c})) << std::hex << unsigned(c);
                }
            }
        }
        const List right = Shaped({Beh, c}), left = Shaped({c, Beh}), middle = Shaped({Beh, c, Beh});
        ASSERT_EQ(right.size(), 2u);
        const UCS4Char final = right[1], initial = left[0], medial = middle[1];
        const bool joinsRight = final != isolated, joinsLeft = initial != isolated;
        if (joinsRight) check(final, U_DT_FINAL, "final");
        if (joinsLeft) check(initial, U_DT_INITIAL, "initial");
        if (joinsRight && joinsLeft)
            check(medial, U_DT_MEDIAL, "medial");
        else
            EXPECT_EQ(medial, joinsRight ? final : joinsLeft ? initial : isolated) << std::hex << unsigned(c);
    }
}

TEST(Shaping, HebrewLigaturesAreTheDatabaseCompositions) {
    // Every precomposed letter-with-point of the block comes out of its letter and point, and a letter
    // with a point never becomes anything else.
    for (UCS4Char form = 0xFB2A; form <= 0xFB4E; ++form) {
        const List d = IcuDecomposition(form);
        if (d.empty()) continue; // unassigned: het, final mem, final nun, ayin, final tsadi
        ASSERT_EQ(d.size(), 2u) << std::hex << unsigned(form);
        if (d[0] == 0xFB49) { // shin with dagesh, then a dot: in either order
            EXPECT_EQ(Names(Shaped({0x05E9, 0x05BC, d[1]})), Names({form}));
            EXPECT_EQ(Names(Shaped({0x05E9, d[1], 0x05BC})), Names({form}));
        } else {
            EXPECT_EQ(Names(Shaped({d[0], d[1]})), Names({form}));
        }
    }
    for (UCS4Char letter = 0x05D0; letter <= 0x05EA; ++letter)
        for (UCS4Char point = 0x0591; point <= 0x05C7; ++point) {
            const List shaped = Shaped({letter, point});
            if (shaped.size() == 2) {
                EXPECT_EQ(Names(shaped), Names({letter, point}));
            } else {
                ASSERT_EQ(shaped.size(), 1u);
                EXPECT_EQ(Names(IcuDecomposition(shaped[0])), Names({letter, point}));
            }
        }
}

TEST(Shaping, LettersAgreeWithIcu) {
    // Words of letters only, as written, separated by spaces; a few Persian ones hold the zero-width
    // non-joiner of their spelling.
    const char* persian =
        "سلام کتاب دانشگاه ایران تهران خوش آمدید زبان فارسی پنجره چای "
        "ژاله گل بزرگ کوچک مهربان دوست خانه شهر روز شب آب نان درخت "
        "پرنده کلاس لاله سالار علاقه بلال اصلاح کیلومتر ریاضی هواپیما "
        "پژوهش گچ یزد شیراز اصفهان دانش‌آموز می‌خواهم "
        "نمی‌دانم "
        "کتاب‌ها مؤسسه رئیس ئ ی ه لا پائیز تأثیر";
    const char* arabic = "مرحبا السلام عليكم مدرسة الله إلى على مستشفى قال لأن الإسلام "
                         "آلاف مسؤول الجزائر طائرة ظلام غرفة صديق ثلاثة ذهب خبز حياة "
                         "فلسطين العربية اللغة بيت قهوة يوم ليلة استقلال مسئول سؤال "
                         "أصدقائي بالإضافة لآلئ فلا كلا ظبي";
    for (const char* text : {persian, arabic})
        for (const List& word : Words(text))
            EXPECT_EQ(Names(Shaped(word)), Names(IcuShaped(word)))
                << Sys::StringToUtf8(Sys::UCS4StringToUnicodeString(word.data(), word.size()));

    // Where the tables join differently from ICU on purpose: the tables' result holds.
    const struct {
        const char* Name;
        List Input, Expected;
    } differences[] = {
        {"U+0649 alef maksura joins on both sides (initial U+FBE8, medial U+FBE9)",
         {Beh, 0x0649, Beh},
         {0xFE91, 0xFBE9, 0xFE90}},
        {"U+0640 tatweel: the letter after it stays isolated", {Beh, 0x0640, Beh}, {0xFE91, 0x0640, 0xFE8F}},
        {"U+06D5 ae takes heh's forms and joins to the right", {Beh, 0x06D5, Beh}, {0xFE91, 0xFEEA, 0xFE8F}},
        {"U+0621 hamza takes its isolated form U+FE80",
         {0x0633, 0x0645, 0x0627, 0x0621},
         {0xFEB3, 0xFEE4, 0xFE8E, 0xFE80}},
        {"U+0671 alef wasla is non-joining, in its isolated form",
         {Beh, 0x0671, Beh},
         {0xFE8F, 0xFB50, 0xFE8F}},
    };
    for (const auto& d : differences) {
        EXPECT_EQ(Names(Shaped(d.Input)), Names(d.Expected)) << d.Name;
        EXPECT_NE(Names(IcuShaped(d.Input)), Names(d.Expected)) << d.Name << ": ICU now agrees";
    }
}

TEST(ArabicDigits, Substitution) {
    ZarvelTest::TSettingsGuard guard;
    constexpr auto T1 = TArabicDigitType::ArabicDigitType1, T2 = TArabicDigitType::ArabicDigitType2,
                   Latin = TArabicDigitType::Latin;
    const struct {
        const char* Name;
        TArabicDigitType Type;
        List Input, Expected;
    } cases[] = {
        {"decimal point between digits", T1, {U'1', U'2', U'.', U'5'}, {0x0661, 0x0662, 0x066B, 0x0665}},
        {"a point with no digit after it stays", T1, {U'1', U'2', U'.'}, {0x0661, 0x0662, U'.'}},
        {"a point before a space stays", T1, {U'7', U'.', U' '}, {0x0667, U'.', U' '}},
        {"a point with no digit before it stays", T1, {U'.', U'5'}, {U'.', 0x0665}},
        {"extended digits and a thousands separator",
         T2,
         {U'1', U'\'', U'0', U'0', U'0'},
         {0x06F1, 0x066C, 0x06F0, 0x06F0, 0x06F0}},
        {"percent after a number", T2, {U'5', U'0', U'%'}, {0x06F5, 0x06F0, 0x066A}},
        {"percent not after a digit stays", T2, {U'%', U' ', U'5'}, {U'%', U' ', 0x06F5}},
        {"a replaced separator is passed over", T1, {U'1', U'\'', U'\''}, {0x0661, 0x066C, U'\''}},
        {"Latin digit type: nothing changes", Latin, {U'1', U'.', U'5'}, {U'1', U'.', U'5'}},
        {"a run that starts with a Latin word keeps its digits",
         T1,
         {U'a', U'b', U' ', U'1'},
         {U'a', U'b', U' ', U'1'}},
        {"digits before a Latin word are kept as well", T1, {U'1', U' ', U'a'}, {U'1', U' ', U'a'}},
        {"a run that starts with a Persian word",
         T2,
         {0x0633, U' ', U'4', U'2'},
         {0x0633, U' ', 0x06F4, 0x06F2}},
        {"a Hebrew word is right-to-left", T1, {0x05E9, U' ', U'3'}, {0x05E9, U' ', 0x0663}},
        {"a shaped letter is not right-to-left: digits kept", T1, {0xFEB3, U' ', U'3'}, {0xFEB3, U' ', U'3'}},
        {"no letter at all", T1, {U'(', U'9', U')'}, {U'(', 0x0669, U')'}},
        {"a letter beyond the BMP is judged by its low 16 bits", T1, {0x10633, U'1'}, {0x10633, 0x0661}},
        {"digits beyond the BMP are no Latin digits", T1, {0x10031}, {0x10031}},
    };
    for (const auto& c : cases) {
        TRTLGlobalSettings::ArabicDigitType = c.Type;
        List list = c.Input;
        TUCS4ListHelper::ChangeToArabicDigits(list);
        EXPECT_EQ(Names(list), Names(c.Expected)) << c.Name;
    }
}

TEST(Primes, QuotesAfterNumbers) {
    const struct {
        List Input, Expected;
        const char* Name;
    } cases[] = {
        {{U'5', U'\''}, {U'5', 0x2032}, "apostrophe after a digit"},
        {{U'5', U'"'}, {U'5', 0x2033}, "quotation mark after a digit"},
        {{0x06F5, U'"'}, {0x06F5, 0x2033}, "after an extended Arabic-Indic digit"},
        {{0x00BD, U'\''}, {0x00BD, 0x2032}, "after a vulgar fraction (any number)"},
        {{U'\'', U'5'}, {U'\'', U'5'}, "a quote first is left"},
        {{U'a', U'"'}, {U'a', U'"'}, "after a letter"},
        {{U'5', U'\'', U'\''}, {U'5', 0x2032, U'\''}, "only right after the number"},
        {{U'5', U' ', U'"'}, {U'5', U' ', U'"'}, "a space between"},
    };
    for (const auto& c : cases) {
        List list = c.Input;
        TUCS4ListHelper::ReplaceQuotesWithPrimes(list);
        EXPECT_EQ(Names(list), Names(c.Expected)) << c.Name;
    }
    EXPECT_EQ(TUCS4ListHelper::QuoteToReversePrime(U'"'), 0x2036u);
    EXPECT_EQ(TUCS4ListHelper::QuoteToReversePrime(U'\''), 0x2035u);
    EXPECT_EQ(TUCS4ListHelper::QuoteToReversePrime(0x2032), 0x2032u);
    EXPECT_EQ(TUCS4ListHelper::QuoteToReversePrime(U'x'), U'x');
}
