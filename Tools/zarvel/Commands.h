// The tool's subcommands. Each returns the exit status and raises TUsageError or TInputError.
#pragma once

#include <string>
#include <vector>

namespace ZarvelTool {

struct TCommand {
    const char* Name;
    const char* Summary;
    int (*Run)(const std::vector<std::string>& Args);
};

int Classify(const std::vector<std::string>& Args);
int Split(const std::vector<std::string>& Args);
int Shape(const std::vector<std::string>& Args);
int Date(const std::vector<std::string>& Args);
int Bool(const std::vector<std::string>& Args);
int Markup(const std::vector<std::string>& Args);
int Locale(const std::vector<std::string>& Args);
int Glyph(const std::vector<std::string>& Args);

inline const TCommand Commands[] = {
    {"classify", "the direction classes of every UTF-16 unit of a text", Classify},
    {"split", "the directional runs of a text and their reading order", Split},
    {"shape", "a text shaped as one right-to-left run, with digit and prime forms", Shape},
    {"date", "Julian day numbers, calendars, and date formatting and parsing", Date},
    {"bool", "a text read as a Boolean the way a Persian data binding reads it, and written back", Bool},
    {"markup", "the plain text of an HTML-subset or RTF document, with its ranges or tree", Markup},
    {"locale", "a Windows locale identifier's name and code page, or the locale table", Locale},
    {"glyph", "the glyphs of a text's characters in a font: metrics, baseline, and a PNG of their bitmaps", Glyph},
};

} // namespace ZarvelTool
