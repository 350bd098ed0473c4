// zarvel locale: a Windows locale identifier's name and code page, or the whole locale table.
#include "Arguments.h"
#include "Commands.h"

#include "RTLLocale.Locale.h"
#include "RTLSystem.RTLConsts.Locale.h"
#include "System.Character.h"

#include <charconv>
#include <cstdio>
#include <iostream>

namespace ZarvelTool {

namespace {

using namespace Zarvel;

constexpr const char* Help = R"(usage: zarvel locale [--json] LCID
       zarvel locale --list [--json]

LCID, decimal or 0x-hexadecimal (0 to 0xFFFFFFFF), gives its locale name and ANSI code page. The name
is the table's locale name, or the language's code when the table does not list the locale (it may
be empty or two spaces), or empty for 0 and for primary languages beyond 0x92. The code page is 0
for a locale without an ANSI code page and for one the table does not list; a language-neutral
LCID (sub-language 0, such as 0x0029) has the code page of its language's default locale (0x0429).

Plain output: LCID (0x, four or more hex digits), name (quoted), code page, tab-separated; with
--json, {"lcid":N,"name":"...","codepage":N}.

--list prints the table: for each primary language 1 to 146 a line
  group K  0xKK  "CODE"  N           (N locales)
followed by its locales, each "  0xLLLL  "NAME"  CODEPAGE"; with --json, an array of
{"group":K,"code":"...","locales":[{"lcid":N,"name":"...","codepage":N},...]}.
)";

std::string Hex(uint32_t Value, int Digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%0*X", Digits, unsigned(Value));
    return buffer;
}

std::string Quoted(const char* Name) {
    return JsonString(Sys::Utf8ToString(Name));
}

std::string LocaleLine(uint32_t LCID, const std::string& Name, uint32_t CodePage, bool Json) {
    if (Json)
        return "{\"lcid\":" + std::to_string(LCID) + ",\"name\":" + Quoted(Name.c_str()) +
               ",\"codepage\":" + std::to_string(CodePage) + "}";
    return Hex(LCID, 4) + "\t" + Quoted(Name.c_str()) + "\t" + std::to_string(CodePage);
}

std::string List(bool Json) {
    std::string out = Json ? "[" : "";
    for (size_t k = 0; k < LCGroups.size(); ++k) {
        const TRTLLangGroup& g = LCGroups[k];
        if (Json) {
            out += std::string(k ? "," : "") + "{\"group\":" + std::to_string(k + 1) +
                   ",\"code\":" + Quoted(g.LangCode) + ",\"locales\":[";
        } else {
            out += "group " + std::to_string(k + 1) + "\t" + Hex(g.LCID, 2) + "\t" + Quoted(g.LangCode) +
                   "\t" + std::to_string(g.ListSize) + "\n";
        }
        for (uint16_t i = 0; i < g.ListSize; ++i) {
            const TRTLLCIDRec& r = g.List[i];
            out += Json ? std::string(i ? "," : "") + LocaleLine(r.LCID, r.LocaleName, r.CodePage, true)
                        : "  " + LocaleLine(r.LCID, r.LocaleName, r.CodePage, false) + "\n";
        }
        if (Json) out += "]}";
    }
    return Json ? out + "]\n" : out;
}

uint32_t ParseLCID(const std::string& Text) {
    const bool hex = Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X');
    const char* first = Text.data() + (hex ? 2 : 0);
    const char* last = Text.data() + Text.size();
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (first == last || error != std::errc() || end != last)
        throw TInputError("'" + Text + "' is not an LCID (decimal or 0x-hexadecimal, 0 to 0xFFFFFFFF)");
    return value;
}

} // namespace

int Locale(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"list"}, {"json"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    const bool json = args.Has("json");
    if (args.Has("list")) {
        if (!args.Positionals().empty()) throw TUsageError("--list takes no LCID");
        std::cout << List(json);
        return 0;
    }
    if (args.Positionals().empty()) throw TUsageError("an LCID is required");
    const uint32_t lcid = ParseLCID(args.Positionals().front());
    std::cout << LocaleLine(lcid, LCIDToLocaleName(lcid), LCIDToCodePage(lcid), json) << "\n";
    return 0;
}

} // namespace ZarvelTool
