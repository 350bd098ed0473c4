// Bytes of Windows code pages as UTF-16 through ICU, and what a code page ICU does not know gives.
#include "System.CodePages.h"

#include <gtest/gtest.h>

TEST(CodePages, BytesAsCharacters) {
    const struct {
        uint32_t CodePage;
        uint8_t Byte;
        char16_t Expected;
        const char* Why;
    } cases[] = {
        {1256, 0xE1, u'\u0644', "Arabic lam"},
        {1256, 0x98, u'\u06A9', "Persian keheh"},
        {1256, 0x9D, u'\u200C', "zero-width non-joiner"},
        {1255, 0xE9, u'\u05D9', "Hebrew yod"},
        {1255, 0xFF, u'\uFFFD', "a byte Hebrew leaves unassigned"},
        {1251, 0xE1, u'\u0431', "Cyrillic be"},
        {1252, 0x80, u'\u20AC', "euro sign"},
        {1252, 0x41, u'A', "ASCII"},
        {0, 0xE9, u'\u00E9', "code page 0 is the default ANSI code page, 1252"},
        {932, 0x82, u'\uFFFD', "a lead byte of a double-byte code page, alone"},
        {932, 0x41, u'A', "a single byte of a double-byte code page"},
        {12345, 0x41, u'\uFFFD', "a code page ICU does not know"},
        {0x10000 + 1256, 0x41, u'\uFFFD', "not a 16-bit code page number"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unsigned(Sys::CodePageByteToChar(c.CodePage, c.Byte)), unsigned(c.Expected)) << c.Why;
    EXPECT_TRUE(Sys::IsCodePageKnown(1256));
    EXPECT_TRUE(Sys::IsCodePageKnown(0));
    EXPECT_FALSE(Sys::IsCodePageKnown(12345));
}
