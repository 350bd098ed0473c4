// The locale table and the LCID conversions: the table's shape over all of it, the entries that
// are kept odd on purpose, and names and code pages by LCID, including blank and unknown groups.
#include "RTLLocale.Locale.h"
#include "RTLSystem.RTLConsts.Locale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

using namespace Zarvel;

TEST(LocaleTable, EveryGroupHoldsItsOwnLanguage) {
    std::set<PLCIDRecs> lists;
    size_t entries = 0;
    for (size_t k = 0; k < LCGroups.size(); ++k) {
        const TRTLLangGroup& g = LCGroups[k];
        SCOPED_TRACE("group " + std::to_string(k + 1));
        EXPECT_EQ(g.LCID, k + 1);
        ASSERT_NE(g.LangCode, nullptr);
        EXPECT_EQ(g.List == nullptr, g.ListSize == 0);
        for (uint16_t i = 0; i < g.ListSize; ++i) {
            EXPECT_EQ(g.List[i].LCID & 0xFF, k + 1) << g.List[i].LocaleName;
            ASSERT_NE(g.List[i].LocaleName, nullptr);
        }
        if (g.List) lists.insert(g.List);
        entries += g.ListSize;
    }
    EXPECT_EQ(LCGroups.size(), 146u);
    EXPECT_EQ(lists.size(), 128u); // every language array belongs to one group
    EXPECT_EQ(entries, 217u);
}

TEST(LocaleTable, EntriesAsTheTableHasThem) {
    const TRTLLangGroup& farsi = LCGroups[41 - 1];
    EXPECT_STREQ(farsi.LangCode, "fa");
    EXPECT_EQ(farsi.LCID, 0x29);
    ASSERT_EQ(farsi.ListSize, 1);
    EXPECT_EQ(farsi.List, Farsi);
    EXPECT_STREQ(farsi.List[0].LocaleName, "fa-IR");
    EXPECT_EQ(farsi.List[0].LCID, 0x0429);
    EXPECT_EQ(farsi.List[0].CodePage, 1256);

    const TRTLLangGroup& arabic = LCGroups[0];
    EXPECT_STREQ(arabic.LangCode, "ar");
    ASSERT_EQ(arabic.ListSize, 16);
    EXPECT_EQ(arabic.List, Arabic);
    for (uint16_t i = 0; i < arabic.ListSize; ++i) EXPECT_EQ(arabic.List[i].CodePage, 1256) << i;

    const TRTLLangGroup& bulgarian = LCGroups[1];
    ASSERT_EQ(bulgarian.ListSize, 1);
    EXPECT_EQ(bulgarian.List[0].LCID, 0x0402);
    EXPECT_EQ(bulgarian.List[0].CodePage, 1251);

    const TRTLLangGroup& sami = LCGroups[59 - 1];
    EXPECT_STREQ(sami.LangCode, "");
    ASSERT_EQ(sami.ListSize, 9);
    EXPECT_EQ(sami.List, Sami);
    for (uint16_t i = 0; i < sami.ListSize; ++i) EXPECT_STREQ(sami.List[i].LocaleName, "") << i;

    // Blank groups are two spaces, empty ones "", neither with a list.
    for (const int k : {51, 88, 102}) {
        EXPECT_STREQ(LCGroups[size_t(k - 1)].LangCode, "  ") << k;
        EXPECT_EQ(LCGroups[size_t(k - 1)].List, nullptr) << k;
    }
    for (const int k : {95, 103, 144}) {
        EXPECT_STREQ(LCGroups[size_t(k - 1)].LangCode, "") << k;
        EXPECT_EQ(LCGroups[size_t(k - 1)].ListSize, 0) << k;
    }

    // French locales named by the bare language; only 0x180C has an ANSI code page.
    const struct {
        uint16_t LCID;
        uint16_t CodePage;
    } french[] = {{0x2C0C, 0},    {0x240C, 0}, {0x300C, 0}, {0x340C, 0},
                  {0x180C, 1252}, {0x380C, 0}, {0x280C, 0}, {0x1C0C, 0}};
    for (const auto& f : french) {
        const TRTLLCIDRec* r = std::find_if(std::begin(French), std::end(French),
                                            [&](const TRTLLCIDRec& e) { return e.LCID == f.LCID; });
        ASSERT_NE(r, std::end(French)) << f.LCID;
        EXPECT_STREQ(r->LocaleName, "fr") << f.LCID;
        EXPECT_EQ(r->CodePage, f.CodePage) << f.LCID;
    }

    EXPECT_STREQ(Quechua[0].LocaleName, "kuz-BO");
    EXPECT_STREQ(LCGroups[107 - 1].LangCode, "quz");
    EXPECT_STREQ(Mongolian[0].LocaleName, "mn");
    EXPECT_STREQ(Mongolian[1].LocaleName, "mn");
    EXPECT_EQ(Mongolian[1].CodePage, 1251);
}

TEST(LocaleConversions, NamesAndCodePages) {
    const struct {
        uint32_t LCID;
        const char* Name;
        uint32_t CodePage;
        const char* Why;
    } cases[] = {
        {0x0429, "fa-IR", 1256, "Persian"},
        {0x0401, "ar-sa", 1256, "Arabic of Saudi Arabia, listed after other Arabic locales"},
        {0x1401, "ar-dz", 1256, "the first Arabic locale"},
        {0x040D, "he", 1255, "Hebrew"},
        {0x0420, "ur", 1256, "Urdu"},
        {0x048C, "prs-AF", 1256, "Dari"},
        {0x0492, "ku-Arab-IQ", 1256, "the last group"},
        {0x0402, "bg", 1251, "Bulgarian"},
        {0x0419, "ru", 1251, "Russian"},
        {0x0409, "en-us", 1252, "English of the United States"},
        {0x0804, "zh-cn", 0, "a locale without an ANSI code page"},
        {0x0C29, "fa", 0, "a Persian sub-language not listed: the language code, no code page"},
        {0x0029, "fa", 1256, "language-neutral Persian: the default locale's code page"},
        {0x0009, "en", 1252, "language-neutral English"},
        {0x043B, "", 0, "a Sami locale: listed, without a name"},
        {0x0433, "  ", 0, "a blank group"},
        {0x005F, "", 0, "an empty group"},
        {0x0093, "", 0, "a primary language above 146"},
        {0x00FF, "", 0, "primary language 255"},
        {0x0100, "", 0, "primary language 0"},
        {0, "", 0, "LCID 0"},
        {0x00010429, "fa-IR", 1256, "a sort order does not change the locale"},
        {0x00100429, "fa-IR", 0, "reserved bits: the name by the low 16 bits, no code page"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LCIDToLocaleName(c.LCID), c.Name) << c.Why;
        EXPECT_EQ(LCIDToCodePage(c.LCID), c.CodePage) << c.Why;
    }
}
