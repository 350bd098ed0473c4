// zarvel bool: what the binding converters read from a text as a Boolean and write back for it.
#include "Arguments.h"
#include "Commands.h"

#include "RTLSystem.Bindings.Outputs.h"

#include <iostream>

namespace ZarvelTool {

namespace {

constexpr const char* Help = R"(usage: zarvel bool [--json] [--each-line] [TEXT]

Reads TEXT (or standard input, as UTF-8) the way a data binding reads a Boolean field shown in a
Persian interface (StringToBool): one of the Persian and Arabic yes words (صحیح درست بله آره آری
نعم زن مؤنث مثبت قبول سالم) is true, one of the no words (ناصحیح نادرست خیر نه لا مرد مذکر منفی
مرجوع رد ناسالم بیمار خراب) is false, compared exactly; any other text is read as true, false
(any letter case) or a number (zero is false), and as false when it is none of these. Then writes
the value back (BoolToString): صحیح or ناصحیح.

Plain output: one line per text, tab-separated: true|false, then the text written back.
--json prints one object per text: {"text":"...","value":true,"written":"..."}
--each-line: every line of standard input (without its line end) is a separate text.
)";

} // namespace

int Bool(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"json"}, {"each-line"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    std::string out;
    for (const Sys::string& text : InputTexts(args)) {
        Sys::TValue value, written;
        Zarvel::TRTLConverterUtils::StringToBool(Sys::TValue::From(text), value);
        Zarvel::TRTLConverterUtils::BoolToString(value, written);
        const char* word = value.AsBoolean() ? "true" : "false";
        if (args.Has("json"))
            out += "{\"text\":" + JsonString(text) + ",\"value\":" + word +
                   ",\"written\":" + JsonString(written.AsString()) + "}\n";
        else
            out += std::string(word) + "\t" + Utf8(written.AsString()) + "\n";
    }
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
