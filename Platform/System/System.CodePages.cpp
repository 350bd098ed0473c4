#include "System.CodePages.h"

#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unicode/ucnv.h>

namespace Sys {

uint32_t DefaultSystemCodePage = 1252;

namespace {

constexpr Char ReplacementCharacter = 0xFFFD;

using TByteTable = std::array<Char, 256>;

// The 256 bytes of a code page converted once, or none when ICU has no converter for it.
std::unique_ptr<TByteTable> BuildTable(uint32_t CodePage) {
    const std::string name = "windows-" + std::to_string(CodePage);
    UErrorCode status = U_ZERO_ERROR;
    UConverter* converter = ucnv_open(name.c_str(), &status);
    if (U_FAILURE(status) || converter == nullptr) return nullptr;
    // ICU writes the converter's substitution character for a byte it cannot map alone: U+001A
    // for double-byte code pages.
    auto table = std::make_unique<TByteTable>();
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        UChar out[4];
        status = U_ZERO_ERROR;
        ucnv_resetToUnicode(converter);
        const int32_t n = ucnv_toUChars(converter, out, 4, &byte, 1, &status);
        const bool mapped = U_SUCCESS(status) && n == 1 && !(out[0] == 0x1A && b != 0x1A);
        (*table)[size_t(b)] = mapped ? static_cast<Char>(out[0]) : ReplacementCharacter;
    }
    ucnv_close(converter);
    return table;
}

const TByteTable* TableOf(uint32_t CodePage) {
    static std::mutex lock;
    // Code pages that ICU does not know are remembered too, so that a document naming one is not
    // looked up again; Windows code pages are 16-bit numbers, which bounds the cache.
    static std::map<uint32_t, std::unique_ptr<TByteTable>> tables;
    if (CodePage == 0) CodePage = DefaultSystemCodePage;
    if (CodePage > 0xFFFF) return nullptr;
    const std::lock_guard<std::mutex> guard(lock);
    auto it = tables.find(CodePage);
    if (it == tables.end()) it = tables.emplace(CodePage, BuildTable(CodePage)).first;
    return it->second.get();
}

} // namespace

bool IsCodePageKnown(uint32_t CodePage) {
    return TableOf(CodePage) != nullptr;
}

Char CodePageByteToChar(uint32_t CodePage, uint8_t Byte) {
    const TByteTable* table = TableOf(CodePage);
    return table ? (*table)[Byte] : ReplacementCharacter;
}

} // namespace Sys
