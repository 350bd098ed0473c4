// zarvel classify: the direction classes of every UTF-16 unit of a text.
#include "Arguments.h"
#include "Commands.h"

#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <iostream>

namespace ZarvelTool {

namespace {

constexpr const char* Help = R"(usage: zarvel classify [--default rtl|ltr] [--json] [TEXT]

Prints one line per UTF-16 unit of TEXT (or of standard input, as UTF-8): its index, its value,
its general category and what IsRTL, IsLTR, IsArabicDigit and CharDirection say of it, then
whether the whole text reads as right-to-left (IsRTLText). --default is the answer for a text
with no deciding unit (ltr when absent). Plain lines are tab-separated:
  INDEX  U+XXXX  CATEGORY  rtl=0|1  ltr=0|1  arabic-digit=0|1  DIRECTION
followed by "IsRTLText: true|false". --json prints one object:
  {"units":[{"index":0,"unit":"U+0633","category":"Lo","isRTL":true,"isLTR":false,
    "isArabicDigit":false,"charDirection":"RightToLeft"},...],"isRTLText":true}
)";

const char* DirectionName(Zarvel::TDirectiveChars::TCharDirection D) {
    using D_ = Zarvel::TDirectiveChars::TCharDirection;
    switch (D) {
    case D_::LeftToRight: return "LeftToRight";
    case D_::RightToLeft: return "RightToLeft";
    default: return "Undefined";
    }
}

const char* Bool(bool B) {
    return B ? "true" : "false";
}

} // namespace

int Classify(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"default", true, {"rtl", "ltr"}}, {"json"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    using Zarvel::TDirectiveChars;
    const Sys::string text = InputText(args);
    const bool rtlDefault = args.Value("default", "ltr") == "rtl";
    const bool json = args.Has("json");

    std::string out = json ? "{\"units\":[" : "";
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const char* category = Sys::UnicodeCategoryName(Sys::TCharacter::GetUnicodeCategory(c));
        const bool rtl = TDirectiveChars::IsRTL(c), ltr = TDirectiveChars::IsLTR(c);
        const bool digit = TDirectiveChars::IsArabicDigit(c);
        const char* direction =
            DirectionName(TDirectiveChars::CharDirection(c, TDirectiveChars::TCharDirection::Undefined));
        if (json) {
            out += std::string(i ? "," : "") + "{\"index\":" + std::to_string(i) + ",\"unit\":\"" +
                   CodePointName(c) + "\",\"category\":\"" + category + "\",\"isRTL\":" + Bool(rtl) +
                   ",\"isLTR\":" + Bool(ltr) + ",\"isArabicDigit\":" + Bool(digit) + ",\"charDirection\":\"" +
                   direction + "\"}";
        } else {
            out += std::to_string(i) + "\t" + CodePointName(c) + "\t" + category +
                   "\trtl=" + (rtl ? "1" : "0") + "\tltr=" + (ltr ? "1" : "0") +
                   "\tarabic-digit=" + (digit ? "1" : "0") + "\t" + direction + "\n";
        }
    }
    const bool isRTLText = TDirectiveChars::IsRTLText(text, rtlDefault);
    out += json ? std::string("],\"isRTLText\":") + Bool(isRTLText) + "}\n"
                : std::string("IsRTLText: ") + Bool(isRTLText) + "\n";
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
