// zarvel split: the directional runs of a text and their reading order.
#include "Arguments.h"
#include "Commands.h"

#include "RTLSystem.GlobalSettings.h"
#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <algorithm>
#include <iostream>

namespace ZarvelTool {

namespace {

using namespace Zarvel;

constexpr const char* Help = R"(usage: zarvel split [--paragraph ltr|rtl|auto-ltr|auto-rtl|neutral]
                   [--equation-order rtl|ltr] [--option NAME]... [--digits arabic1|arabic2|latin]
                   [--json] [--each-line] [--visual] [TEXT]

Cuts TEXT (or all of standard input, as UTF-8 bytes taken as they are) into directional runs.
  --paragraph       the requested paragraph direction (default auto-rtl)
  --equation-order  rtl: Latin digits after right-to-left text count as Arabic (default ltr)
  --option NAME     switch a global option on; repeatable. Names:
                    ReplaceQuoteWithPrimeInMeasures MeasureSignsInRightSideOfDigits
                    PrimeInRightSideOfDigits PercentInRightSideOfDigits DigitsBeforeLatinAreLatin
                    EquationBeforeLatinIsLatin NeutralsFollowStickedStrongDirections
                    RTLLineIndexOrder RTLDate AcceptsLineFeedAsParagraphSeparator
                    WeakFollowLineDirection
  --digits          digit forms for --visual (default arabic1, as after load)
  --each-line       every line of standard input is a text of its own; one result per line
  --json            one object per text:
                    {"offsets":[...],"orders":[...],"bidis":[...],"ranges":[[lo,hi],...]}
  --visual          each paragraph in display order: runs placed by the reading order, a
                    right-to-left paragraph from the right, right-to-left runs shaped and reversed

Plain output: one line per run in logical order, tab-separated:
  INDEX  START  END  LeftToRight|RightToLeft|ParagraphSeparator  "RUN TEXT"
then "order: " and the run indices in reading order.
)";

const char* const OptionNames[] = {
    "ReplaceQuoteWithPrimeInMeasures",
    "MeasureSignsInRightSideOfDigits",
    "PrimeInRightSideOfDigits",
    "PercentInRightSideOfDigits",
    "DigitsBeforeLatinAreLatin",
    "EquationBeforeLatinIsLatin",
    "NeutralsFollowStickedStrongDirections",
    "RTLLineIndexOrder",
    "RTLDate",
    "AcceptsLineFeedAsParagraphSeparator",
    "WeakFollowLineDirection",
};

const char* BidiName(TBidi B) {
    switch (B) {
    case TBidi::LeftToRight: return "LeftToRight";
    case TBidi::RightToLeft: return "RightToLeft";
    default: return "ParagraphSeparator";
    }
}

struct TSplit {
    std::vector<int32_t> Offsets, Orders;
    std::vector<TBidi> Bidis;
    std::vector<TRange> Ranges;
};

std::string Json(const TSplit& R) {
    std::string out = "{\"offsets\":[";
    for (size_t i = 0; i < R.Offsets.size(); ++i) out += (i ? "," : "") + std::to_string(R.Offsets[i]);
    out += "],\"orders\":[";
    for (size_t i = 0; i < R.Orders.size(); ++i) out += (i ? "," : "") + std::to_string(R.Orders[i]);
    out += "],\"bidis\":[";
    for (size_t i = 0; i < R.Bidis.size(); ++i)
        out += std::string(i ? "," : "") + "\"" + BidiName(R.Bidis[i]) + "\"";
    out += "],\"ranges\":[";
    for (size_t i = 0; i < R.Ranges.size(); ++i)
        out += (i ? ",[" : "[") + std::to_string(R.Ranges[i].LowIndex) + "," +
               std::to_string(R.Ranges[i].HighIndex) + "]";
    return out + "]}\n";
}

std::string Plain(const Sys::string& Text, const TSplit& R) {
    std::string out;
    for (size_t i = 0; i < R.Bidis.size(); ++i) {
        const int32_t start = R.Offsets[i], end = R.Offsets[i + 1];
        out += std::to_string(i) + "\t" + std::to_string(start) + "\t" + std::to_string(end) + "\t" +
               BidiName(R.Bidis[i]) + "\t" + JsonString(Text.substr(size_t(start), size_t(end - start))) +
               "\n";
    }
    out += "order:";
    for (int32_t o : R.Orders) out += " " + std::to_string(o);
    return out + "\n";
}

// A run as it is drawn: right-to-left runs shaped and reversed, the others with the chosen digits.
Sys::string RunForDisplay(const Sys::string& Run, TBidi Bidi) {
    UCS4String chars = Sys::UnicodeStringToUCS4String(Run);
    chars.pop_back();
    if (Bidi == TBidi::RightToLeft) {
        TUCS4ListHelper::ChangeToComplexCharacters(chars);
        std::reverse(chars.begin(), chars.end());
    } else if (TRTLGlobalSettings::ArabicDigitType != TRTLGlobalSettings::TArabicDigitType::Latin) {
        TUCS4ListHelper::ChangeToArabicDigits(chars);
    }
    if (TRTLGlobalSettings::ReplaceQuoteWithPrimeInMeasures())
        TUCS4ListHelper::ReplaceQuotesWithPrimes(chars);
    return Sys::UCS4StringToUnicodeString(chars.data(), chars.size());
}

std::string Visual(const Sys::string& Text, const TSplit& R, bool RightToLeftParagraph) {
    std::string out;
    std::vector<Sys::string> pieces; // the paragraph's runs as drawn, in reading order
    auto flush = [&] {
        if (RightToLeftParagraph) std::reverse(pieces.begin(), pieces.end());
        Sys::string line;
        for (const Sys::string& piece : pieces) line += piece;
        out += Utf8(line) + "\n";
        pieces.clear();
    };
    for (int32_t run : R.Orders) {
        const int32_t start = R.Offsets[size_t(run)], end = R.Offsets[size_t(run) + 1];
        Sys::string text = Text.substr(size_t(start), size_t(end - start));
        if (R.Bidis[size_t(run)] != TBidi::ParagraphSeparator) {
            pieces.push_back(RunForDisplay(text, R.Bidis[size_t(run)]));
            continue;
        }
        // The break is not drawn; what shares its run before it is.
        while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' ||
                                 TDirectiveChars::IsParagraphSeparator(text.back())))
            text.pop_back();
        pieces.push_back(text);
        flush();
    }
    if (!pieces.empty() || out.empty()) flush();
    return out;
}

} // namespace

int Split(const std::vector<std::string>& Args) {
    const TArguments args(
        Args, {{"paragraph", true, {"ltr", "rtl", "auto-ltr", "auto-rtl", "neutral"}},
               {"equation-order", true, {"rtl", "ltr"}},
               {"option", true, std::vector<std::string>(std::begin(OptionNames), std::end(OptionNames))},
               DigitsOption(),
               {"json"},
               {"each-line"},
               {"visual"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    const std::string paragraphName = args.Value("paragraph", "auto-rtl");
    const TParagraphBidi paragraph = paragraphName == "ltr"        ? TParagraphBidi::LeftToRight
                                     : paragraphName == "rtl"      ? TParagraphBidi::RightToLeft
                                     : paragraphName == "auto-ltr" ? TParagraphBidi::AutoLeftToRight
                                     : paragraphName == "neutral"  ? TParagraphBidi::Neutral
                                                                   : TParagraphBidi::AutoRightToLeft;
    if (args.Has("equation-order"))
        TRTLGlobalSettings::EquationOrder = args.Value("equation-order", "") == "rtl"
                                                ? TRTLGlobalSettings::TMathOrder::ArabicRightToLeft
                                                : TRTLGlobalSettings::TMathOrder::LeftToRight;
    for (const std::string& name : args.Values("option")) {
        const auto it = std::find(std::begin(OptionNames), std::end(OptionNames), name);
        TRTLGlobalSettings::Options.Include(static_cast<TRTLGlobalOption>(it - std::begin(OptionNames)));
    }
    ApplyDigits(args);
    const std::vector<Sys::string> texts = InputTexts(args);
    std::string out;
    TSplit r;
    for (size_t i = 0; i < texts.size(); ++i) {
        const Sys::string& text = texts[i];
        TDirectiveChars::SplitByDirection(text, paragraph, r.Offsets, r.Orders, r.Bidis, r.Ranges);
        if (args.Has("json"))
            out += Json(r);
        else if (args.Has("visual"))
            out += Visual(text, r,
                          TDirectiveChars::ResolveParagraphDirection(text, paragraph) ==
                              TDirectiveChars::TBidiType::RTL);
        else
            out += (i ? "\n" : "") + Plain(text, r);
        if (out.size() > (1u << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
