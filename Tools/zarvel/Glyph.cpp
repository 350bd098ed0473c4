// zarvel glyph: the glyphs the glyph manager makes of a text's characters, their metrics, and a PNG
// of their bitmaps.
#include "Arguments.h"
#include "Commands.h"

#include "FMX.Graphics.h"
#include "RTL.FontGlyphs.Linux.h"
#include "System.Character.h"

#include <cmath>
#include <cstdio>
#include <iostream>
#include <memory>

namespace ZarvelTool {

namespace {

constexpr const char* Help =
    R"(usage: zarvel glyph [--font FAMILY] [--size N] [--scale S] [--png FILE] [--json] [TEXT]

Turns every character (code point) of TEXT (or standard input, as UTF-8) into a glyph of FAMILY
(default "DejaVu Sans") at N points (default 12, from 1 to 1000) and scale S (default 1, above 0 and
up to 16); the glyph's pixel size is round(N x S). A family that is not installed is not replaced by
fontconfig's substitute: each character comes from the first font of fontconfig's list for the
request that has it, and "font" names the font that drew it.

Plain output: one line per character,
  U+0628 origin 0,0 advance 11.18 vadvance 24 a 0.91 b 9.38 c 0.89 cell 11x24 style - font DejaVu Sans
then "baseline N": the font's ascent in pixels. origin is the offset of the glyph's bitmap from the
pen at the line top; a, b, c are the space before the ink, the ink's width and the space after it
(a + b + c is the advance); cell is the character's measured width and the font's height; style
lists nocharacter (white space: no glyph), path, colour, or "-".
--json prints {"font":..., "size":..., "scale":..., "baseline":..., "glyphs":[{"char":"U+0628",
  "font":..., "origin":[0,0], "advance":..., "verticalAdvance":..., "a":..., "b":..., "c":...,
  "cell":[11,24], "style":["colour"]}, ...]}.
--png FILE writes the glyphs' bitmaps side by side, each at its pen position, black ink (colour
glyphs in their colours) on white; right to left when the text's first letter is Arabic or Hebrew.
)";

double Number(const TArguments& Args, const std::string& Name, const std::string& Default, double Low,
              double High) {
    const std::string text = Args.Value(Name, Default);
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != 0 || !std::isfinite(v) || v < Low || v > High || (Low == 0 && v == 0))
        throw TUsageError("--" + Name + " must be a number from " + std::to_string(Low) + " to " +
                          std::to_string(High) + ": " + text);
    return v;
}

std::string Fixed(double V) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", V == 0 ? 0.0 : V); // no "-0.00"
    return buffer;
}

bool IsRightToLeftLetter(char32_t C) {
    return (C >= 0x0590 && C <= 0x08FF) || (C >= 0xFB1D && C <= 0xFDFF) || (C >= 0xFE70 && C <= 0xFEFC);
}

struct TEntry {
    char32_t Char;
    std::unique_ptr<FMX::TFontGlyph> Glyph;
    Zarvel::TLinuxFontGlyphManagerRTL::TMetrics Metrics;
    Sys::string Family;
};

std::vector<std::string> StyleNames(FMX::TFontGlyphStyles Style) {
    std::vector<std::string> names;
    if (Style.Contains(FMX::TFontGlyphStyle::NoGlyph)) names.push_back("nocharacter");
    if (Style.Contains(FMX::TFontGlyphStyle::HasPath)) names.push_back("path");
    if (Style.Contains(FMX::TFontGlyphStyle::ColorGlyph)) names.push_back("colour");
    return names;
}

void WritePng(const std::vector<TEntry>& Entries, bool RightToLeft, const std::string& File) {
    double width = 0;
    int height = 1;
    for (const TEntry& e : Entries) {
        width += std::max<double>(e.Glyph->Advance(), 0);
        height = std::max(height, e.Glyph->Bitmap().Height());
    }
    // Ink reaching past the first or last advance still shows: a margin of a few pixels each side.
    const int margin = height / 2 + 2;
    FMX::TBitmap png(static_cast<int>(std::ceil(width)) + 2 * margin, height);
    png.Clear(FMX::TAlphaColors::White);
    FMX::TBitmapData data;
    png.Map(FMX::TMapAccess::Write, data);
    double pen = RightToLeft ? margin + std::ceil(width) : margin;
    for (const TEntry& e : Entries) {
        const float advance = std::max(e.Glyph->Advance(), 0.0f);
        if (RightToLeft) pen -= advance;
        const FMX::TBitmap& b = e.Glyph->Bitmap();
        const int left = static_cast<int>(std::lround(pen)) + e.Glyph->Origin().X;
        const bool colour = e.Glyph->Style().Contains(FMX::TFontGlyphStyle::ColorGlyph);
        for (int y = 0; y < b.Height() && y < data.Height; ++y)
            for (int x = 0; x < b.Width(); ++x) {
                const int px = left + x;
                if (px < 0 || px >= data.Width) continue;
                // The glyph pixel (premultiplied) over the picture: black ink unless it is a colour glyph.
                const FMX::TAlphaColor s = b.Pixel(x, y), d = data.GetPixel(px, y);
                const int a = FMX::TAlphaColorRec::A(s);
                const auto over = [&](int Source, int Dest) {
                    return static_cast<uint8_t>(Source + Dest * (255 - a) / 255);
                };
                const int r = colour ? FMX::TAlphaColorRec::R(s) : 0,
                          g = colour ? FMX::TAlphaColorRec::G(s) : 0,
                          bl = colour ? FMX::TAlphaColorRec::B(s) : 0;
                data.SetPixel(px, y,
                              FMX::TAlphaColorRec::Make(255, over(r, FMX::TAlphaColorRec::R(d)),
                                                        over(g, FMX::TAlphaColorRec::G(d)),
                                                        over(bl, FMX::TAlphaColorRec::B(d))));
            }
        if (!RightToLeft) pen += advance;
    }
    png.Unmap(data);
    try {
        png.SaveToPNG(File);
    } catch (const Sys::Exception& e) {
        throw TInputError(e.what());
    }
}

} // namespace

int Glyph(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"font", true}, {"size", true}, {"scale", true}, {"png", true}, {"json"}});
    if (args.Has("help")) {
        std::cout << Help;
        return 0;
    }
    FMX::TFont font;
    font.SetFamily(Sys::Utf8ToString(args.Value("font", "DejaVu Sans")));
    font.SetSize(static_cast<float>(Number(args, "size", "12", 1, 1000)));
    const float scale = static_cast<float>(Number(args, "scale", "1", 0, 16));
    const bool json = args.Has("json");
    const Sys::string text = InputText(args);

    Zarvel::TLinuxFontGlyphManagerRTL manager;
    FMX::TFontGlyphSettings settings{FMX::TFontGlyphSetting::PremultipliedAlpha};
    if (args.Has("png")) settings.Include(FMX::TFontGlyphSetting::Bitmap);
    std::vector<TEntry> entries;
    bool rightToLeft = false, decided = false;
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        const char32_t c = Sys::CodePointAt(text, i, &length);
        i += length;
        if (!decided && Sys::TCharacter::IsLetter(c)) {
            rightToLeft = IsRightToLeftLetter(c);
            decided = true;
        }
        TEntry e{c, manager.GetGlyph({c, 0}, font, scale, settings), {}, {}};
        e.Metrics = manager.LastMetrics();
        e.Family = manager.LastGlyphFamily();
        entries.push_back(std::move(e));
    }
    const float baseline = manager.GetBaseline(font, scale);

    std::string out;
    if (json)
        out = "{\"font\":" + JsonString(font.Family()) + ",\"size\":" + Fixed(font.Size()) +
              ",\"scale\":" + Fixed(scale) + ",\"baseline\":" + Fixed(baseline) + ",\"glyphs\":[";
    for (size_t k = 0; k < entries.size(); ++k) {
        const TEntry& e = entries[k];
        const FMX::TFontGlyph& g = *e.Glyph;
        const auto& m = e.Metrics;
        const std::vector<std::string> styles = StyleNames(g.Style());
        if (json) {
            std::string styleList;
            for (const std::string& s : styles) styleList += (styleList.empty() ? "\"" : ",\"") + s + "\"";
            out += std::string(k ? "," : "") + "{\"char\":\"" + CodePointName(e.Char) +
                   "\",\"font\":" + JsonString(e.Family) + ",\"origin\":[" + std::to_string(g.Origin().X) +
                   "," + std::to_string(g.Origin().Y) + "],\"advance\":" + Fixed(g.Advance()) +
                   ",\"verticalAdvance\":" + Fixed(g.VerticalAdvance()) + ",\"a\":" + Fixed(m.A) +
                   ",\"b\":" + Fixed(m.B) + ",\"c\":" + Fixed(m.C) + ",\"cell\":[" +
                   std::to_string(m.CellWidth) + "," + std::to_string(m.CellHeight) + "],\"style\":[" +
                   styleList + "]}";
        } else {
            std::string styleList;
            for (const std::string& s : styles) styleList += (styleList.empty() ? "" : ",") + s;
            out += CodePointName(e.Char) + " origin " + std::to_string(g.Origin().X) + "," +
                   std::to_string(g.Origin().Y) + " advance " + Fixed(g.Advance()) + " vadvance " +
                   Fixed(g.VerticalAdvance()) + " a " + Fixed(m.A) + " b " + Fixed(m.B) + " c " + Fixed(m.C) +
                   " cell " + std::to_string(m.CellWidth) + "x" + std::to_string(m.CellHeight) + " style " +
                   (styleList.empty() ? "-" : styleList) + " font " + Utf8(e.Family) + "\n";
        }
    }
    out += json ? "]}\n" : "baseline " + Fixed(baseline) + "\n";
    if (args.Has("png")) WritePng(entries, rightToLeft, args.Value("png", ""));
    std::cout << out;
    return 0;
}

} // namespace ZarvelTool
