// zarvel markup: the plain text of an HTML-subset or RTF document, with the RTF ranges and their
// formatting or the HTML tree.
#include "Arguments.h"
#include "Commands.h"

#include "RTL.StdCtrls.h"
#include "System.Character.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

namespace ZarvelTool {

namespace {

using namespace Zarvel;

constexpr const char* Help = R"(usage: zarvel markup --from html|rtf [--ranges] [--json] [FILE]

Reads FILE (or all of standard input), as UTF-8, as a document of the HTML subset or as RTF of the
kind a rich edit control writes, and prints its plain text.
  --from html  tags are removed; the text between them is kept as it stands (no entities)
  --from rtf   escaped bytes are read in the code page of the text's language (\lang); before any
               \lang, and for a language without one, in the document's (\ansicpg), else 1252;
               \par gives LF CR, \tab a TAB
  --ranges     after the text, the RTF header and one line per range, or the HTML tree
  --json       one object: {"text":...}, with --ranges also "ranges" and the header (RTF) or
               "tree" (HTML)

Plain output: the text, then a line end. With --ranges, for RTF:
  codepage=N deflang=N deff=N
  font I: "NAME"            (one line per font)
  color I: #AARRGGBB         (one line per colour)
  range I: pos=P length=L style=bold,italic,underline size=N font=N color=N rtl=0|1
           align=center|leading|trailing lang=N codepage=N rtlch=0|1 indent=N text="..."
(a range on one line), and for HTML the tree, two spaces of indent a level:
  TYPE NAME="VALUE"...       (an element: its type and parameters)
  "TEXT"                     (a text node)
Exit status 1 when the document does not parse; the message says why.
)";

const char* const TagTypeNames[] = {
    "Undefined", "Body",       "InnerText", "DIV",      "Anchor",   "Style",    "Script",   "Span",
    "Paragraph", "Bold",       "Italic",    "Heading1", "Heading2", "Heading3", "Heading4", "Heading5",
    "Heading6",  "Emphasized", "Strong",    "Mark",     "Font",     "Delete",   "Br",
};

const char* AlignName(FMX::TTextAlign Align) {
    switch (Align) {
    case FMX::TTextAlign::Leading: return "leading";
    case FMX::TTextAlign::Trailing: return "trailing";
    default: return "center";
    }
}

std::string StyleNames(Sys::TFontStyles Style) {
    std::string out;
    const struct {
        Sys::TFontStyle Style;
        const char* Name;
    } names[] = {{Sys::TFontStyle::fsBold, "bold"},
                 {Sys::TFontStyle::fsItalic, "italic"},
                 {Sys::TFontStyle::fsUnderline, "underline"},
                 {Sys::TFontStyle::fsStrikeOut, "strikeout"}};
    for (const auto& n : names)
        if (Style.Contains(n.Style)) out += (out.empty() ? "" : ",") + std::string(n.Name);
    return out;
}

std::string Color(Sys::TAlphaColor C) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%08X", unsigned(C));
    return buffer;
}

std::string ReadInput(const TArguments& Args) {
    if (Args.Positionals().empty())
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    const std::string& path = Args.Positionals().front();
    std::ifstream in(path, std::ios::binary);
    if (!in) throw TInputError("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The range's fields as "name":value pairs (JSON) or name=value words (plain).
std::string RangeFields(const TRTFText::TRTFTextRange& R, const Sys::string& Text, bool Json) {
    const auto field = [&](const char* Name, const std::string& Value, bool Quoted = false) {
        if (Json) return std::string(",\"") + Name + "\":" + (Quoted ? "\"" + Value + "\"" : Value);
        return std::string(" ") + Name + "=" + Value;
    };
    std::string out =
        field("pos", std::to_string(R.Range.Pos)) + field("length", std::to_string(R.Range.Length));
    out += field("style", StyleNames(R.FontStyle), true) + field("size", std::to_string(R.FontSize)) +
           field("font", std::to_string(R.FontIndex)) + field("color", std::to_string(R.ColorIndex)) +
           field("rtl", Json ? (R.RTL ? "true" : "false") : (R.RTL ? "1" : "0")) +
           field("align", AlignName(R.Align), true) + field("lang", std::to_string(R.LangID)) +
           field("codepage", std::to_string(R.AnsiToUnicodeLocaleKey)) +
           field("rtlch", Json ? (R.RTLCh ? "true" : "false") : (R.RTLCh ? "1" : "0")) +
           field("indent", std::to_string(R.ListIndent)) +
           field("text", JsonString(Text.substr(size_t(R.Range.Pos), size_t(R.Range.Length))));
    return Json ? "{" + out.substr(1) + "}" : out;
}

std::string RTFRanges(const TRTFText::TRTFData& D, bool Json) {
    std::string out;
    if (Json) {
        out += ",\"codepage\":" + std::to_string(D.OriginalCodePage) +
               ",\"deflang\":" + std::to_string(D.LangID) +
               ",\"deff\":" + std::to_string(D.DefaultFontIndex) + ",\"fonts\":[";
        for (size_t i = 0; i < D.FontTable.size(); ++i) out += (i ? "," : "") + JsonString(D.FontTable[i]);
        out += "],\"colors\":[";
        for (size_t i = 0; i < D.ColorTable.size(); ++i)
            out += (i ? ",\"" : "\"") + Color(D.ColorTable[i]) + "\"";
        out += "],\"ranges\":[";
        for (size_t i = 0; i < D.Ranges.size(); ++i)
            out += (i ? "," : "") + RangeFields(D.Ranges[i], D.FText, true);
        return out + "]";
    }
    out += "codepage=" + std::to_string(D.OriginalCodePage) + " deflang=" + std::to_string(D.LangID) +
           " deff=" + std::to_string(D.DefaultFontIndex) + "\n";
    for (size_t i = 0; i < D.FontTable.size(); ++i)
        out += "font " + std::to_string(i) + ": " + JsonString(D.FontTable[i]) + "\n";
    for (size_t i = 0; i < D.ColorTable.size(); ++i)
        out += "color " + std::to_string(i) + ": " + Color(D.ColorTable[i]) + "\n";
    for (size_t i = 0; i < D.Ranges.size(); ++i)
        out += "range " + std::to_string(i) + ":" + RangeFields(D.Ranges[i], D.FText, false) + "\n";
    return out;
}

// The tree nests no deeper than the reader's limit, so recursion is bounded here too.
std::string HTMLTree(const THTMLText::THTMLTag& Tag, bool Json, int Depth = 0) {
    const bool text = Tag.TagType == THTMLText::THTMLTagType::InnerText;
    const char* type = TagTypeNames[size_t(Tag.TagType)];
    if (Json) {
        std::string out = std::string("{\"type\":\"") + type + "\"";
        if (text) return out + ",\"text\":" + JsonString(Tag.ImmediateText) + "}";
        out += ",\"params\":[";
        for (size_t i = 0; i < Tag.Params.size(); ++i)
            out += (i ? "," : "") + std::string("{\"name\":") + JsonString(Tag.Params[i].ParamName) +
                   ",\"value\":" + JsonString(Tag.Params[i].ParamValue) + "}";
        out += "],\"children\":[";
        for (size_t i = 0; i < Tag.Children.size(); ++i)
            out += (i ? "," : "") + HTMLTree(Tag.Children[i], true, Depth + 1);
        return out + "]}";
    }
    std::string out(size_t(Depth) * 2, ' ');
    if (text) return out + JsonString(Tag.ImmediateText) + "\n";
    out += type;
    for (const auto& p : Tag.Params) out += " " + Utf8(p.ParamName) + "=" + JsonString(p.ParamValue);
    out += "\n";
    for (const auto& child : Tag.Children) out += HTMLTree(child, false, Depth + 1);
    return out;
}

} // namespace

int Markup(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"from", true, {"html", "rtf"}}, {"ranges"}, {"json"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    if (!args.Has("from")) throw TUsageError("--from is required");
    const bool rtf = args.Value("from", "") == "rtf", json = args.Has("json"), ranges = args.Has("ranges");
    const Sys::string input = Sys::Utf8ToString(ReadInput(args));
    std::string out;
    if (rtf) {
        const TRTFText::TRTFData data = TRTFText::ParseRTF(input);
        const Sys::string text = data.Text();
        if (json)
            out = "{\"text\":" + JsonString(text) + (ranges ? RTFRanges(data, true) : "") + "}\n";
        else
            out = Utf8(text) + "\n" + (ranges ? RTFRanges(data, false) : "");
    } else {
        const THTMLText::THTMLTag tree = THTMLText::ParseHTML(input);
        const Sys::string text = tree.Text();
        if (json)
            out =
                "{\"text\":" + JsonString(text) + (ranges ? ",\"tree\":" + HTMLTree(tree, true) : "") + "}\n";
        else
            out = Utf8(text) + "\n" + (ranges ? HTMLTree(tree, false) : "");
    }
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
