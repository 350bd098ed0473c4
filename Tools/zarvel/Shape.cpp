// zarvel shape: a text shaped as one right-to-left run, with its digit and prime forms.
#include "Arguments.h"
#include "Commands.h"

#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <iostream>

namespace ZarvelTool {

namespace {

constexpr const char* Help =
    R"(usage: zarvel shape [--digits arabic1|arabic2|latin] [--primes] [--json] [--each-line] [TEXT]

Treats TEXT (or standard input, as UTF-8) as one right-to-left run and prints the code points the
layout draws for it, in the layout's order:
  --primes   quote marks right after a number become primes: ' U+2032, " U+2033
             (ReplaceQuotesWithPrimes);
  shaping    Arabic letters take their contextual forms, lam-alef, shadda, Allah and Hebrew point
             ligatures form and brackets are mirrored (ChangeToComplexCharacters);
  digits     Latin digits take the chosen form (ChangeToArabicDigits): arabic1 U+0660..U+0669,
             arabic2 U+06F0..U+06F9, latin leaves them; a number's ' . % become U+066C U+066B
             U+066A. The default is the setting as it stands after load: arabic1. A run keeps
             its digits unless its first letter, after shaping, is right-to-left. Shaped Arabic
             letters are presentation forms, which do not count as right-to-left, so, as in the
             layout, a run with Arabic letters that have such forms keeps Latin digits; Hebrew
             letters and runs without letters change theirs.

Plain output: the shaped text on one line, then its code points as U+XXXX separated by spaces.
--json prints one object per text:
  {"text":"...","codepoints":["U+FEFB","U+FE76"],"sources":[2,1]}
where sources holds, per output code point, how many source characters it stands for.
--each-line: every line of standard input (without its line end) is a separate text; one block
of two lines, or one object, per input line, in order.
)";

std::string Shape(const Sys::string& Text, bool Primes, bool Json) {
    using Zarvel::TUCS4ListHelper;
    Sys::UCS4String list = Sys::UnicodeStringToUCS4String(Text);
    list.pop_back(); // the terminating 0
    if (Primes) TUCS4ListHelper::ReplaceQuotesWithPrimes(list);
    // In the layout's order: shaping, then digits. Shaped Arabic letters are presentation forms,
    // which the digit rule does not count as right-to-left, so such a run keeps Latin digits.
    TUCS4ListHelper::ChangeToComplexCharacters(list, true);
    TUCS4ListHelper::ChangeToArabicDigits(list);

    const Sys::string shaped = Sys::UCS4StringToUnicodeString(list.data(), list.size());
    std::string codePoints, sources;
    for (size_t i = 0; i < list.size(); ++i) {
        const char* separator = i ? (Json ? "," : " ") : "";
        codePoints += separator + (Json ? "\"" + CodePointName(list[i]) + "\"" : CodePointName(list[i]));
        sources += separator + std::to_string(Zarvel::TDirectiveChars::CharactersCount(list[i]));
    }
    if (Json)
        return "{\"text\":" + JsonString(shaped) + ",\"codepoints\":[" + codePoints + "],\"sources\":[" +
               sources + "]}\n";
    return Utf8(shaped) + "\n" + codePoints + "\n";
}

} // namespace

int Shape(const std::vector<std::string>& Args) {
    const TArguments args(Args, {DigitsOption(), {"primes"}, {"json"}, {"each-line"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    ApplyDigits(args);
    const bool primes = args.Has("primes"), json = args.Has("json");
    std::string out;
    for (const Sys::string& text : InputTexts(args)) out += Shape(text, primes, json);
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
