// zarvel date: Julian day numbers and calendars: converting dates between calendar kinds and listing
// the days of a Gregorian range in one kind.
#include "Arguments.h"
#include "Commands.h"

#include "Date.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace ZarvelTool {

namespace {

constexpr const char* Help = R"(usage: zarvel date COMMAND [ARGS]

Julian day numbers, calendars, and date formatting and parsing.
commands:
  convert   a date of one calendar kind as a date of another
  table     every day of a Gregorian range, with its date in one calendar kind
  show      (not available yet)
  format    (not available yet)
  parse     (not available yet)
convert and table take --help.

Calendar kinds (KIND):
  gregorian  proleptic Gregorian, astronomical years (year 0 is 1 BC)
  julian     proleptic Julian, astronomical years
  hebrew     arithmetic Hebrew, years from creation; months from Tishri = 1: 6 is Adar (Adar I in
             a leap year), 7 Adar II (leap years only), 8 Nisan ... 13 Elul
  islamic    tabular Islamic, civil epoch (1 Muharram 1 = 16 July 622 of the Julian calendar)
  french     French Republican (1 Vendemiaire 1 = 1792-09-22); month 13 holds the 5 or 6 extra days
  persian    Persian (Jalali), years -1096 to 2327; Esfand 2327 is not known
)";

constexpr const char* ConvertHelp = R"(usage: zarvel date convert --kind KIND [--to KIND] Y M D

Converts day D of month M of year Y in calendar KIND to calendar --to (default gregorian), through
the date's Julian day number. KIND and --to: gregorian, julian, hebrew, islamic, french, persian (see
zarvel date --help).

Output: one line "Y M D", the date in the --to calendar.
Exit status 1 when Y M D is not a date of KIND, or when its day has no date in the --to calendar.
)";

constexpr const char* TableHelp = R"(usage: zarvel date table --kind KIND --from YYYY-MM-DD --to YYYY-MM-DD

Lists every day from --from to --to, both included. The bounds are proleptic Gregorian dates with
years 1 to 9999. KIND: gregorian, julian, hebrew, islamic, french, persian (see zarvel date --help).
(--calendar NAME, for the calendars by name, is not available yet.)

Output: one line per day, tab-separated:
  YYYY-MM-DD  Y  M  D
the Gregorian date, then the day's year, month and day in KIND.
Exit status 1 for a malformed or invalid bound, --from after --to, or a day without a date in KIND.
)";

const std::vector<std::string> KindNames = {"gregorian", "julian", "hebrew", "islamic", "french", "persian"};

int32_t KindOf(const TArguments& Args, const std::string& Option, const std::string& Default) {
    const std::string name = Args.Value(Option, Default);
    if (name.empty()) throw TUsageError("--" + Option + " is required");
    return int32_t(std::find(KindNames.begin(), KindNames.end(), name) - KindNames.begin());
}

struct TDate {
    int32_t Y, M, D;
    bool operator==(const TDate&) const = default;
};

// The date of J in Kind; false when the kind has none.
bool DateOf(int32_t J, int32_t Kind, TDate& Date) {
    Zarvel::DayToDMY(J, Date.D, Date.M, Date.Y, Kind);
    return Date.M != -1;
}

// The J of Date when it is a date of Kind: one that comes back unchanged from its day number.
bool DayOf(const TDate& Date, int32_t Kind, int32_t& J) {
    J = Zarvel::DMYToDay(Date.D, Date.M, Date.Y, Kind);
    TDate back;
    return DateOf(J, Kind, back) && back == Date;
}

int32_t Number(const std::string& Text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    if (error != std::errc() || end != Text.data() + Text.size())
        throw TInputError("'" + Text + "' is not a whole number");
    return value;
}

std::string DateText(const TDate& Date) {
    return std::to_string(Date.Y) + " " + std::to_string(Date.M) + " " + std::to_string(Date.D);
}

int Convert(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"kind", true, KindNames}, {"to", true, KindNames}}, 3);
    if (args.Has("help")) {
        std::cout << ConvertHelp;
        return 0;
    }
    const int32_t kind = KindOf(args, "kind", ""), target = KindOf(args, "to", "gregorian");
    if (args.Positionals().size() != 3) throw TUsageError("convert takes Y M D");
    const TDate date{Number(args.Positionals()[0]), Number(args.Positionals()[1]),
                     Number(args.Positionals()[2])};
    int32_t j;
    if (!DayOf(date, kind, j))
        throw TInputError(DateText(date) + " is not a " + KindNames[size_t(kind)] + " date");
    TDate converted;
    if (!DateOf(j, target, converted))
        throw TInputError(DateText(date) + " has no " + KindNames[size_t(target)] + " date");
    std::cout << DateText(converted) << "\n";
    return 0;
}

int32_t IsoDay(const std::string& Text) {
    const bool shaped =
        Text.size() == 10 && Text[4] == '-' && Text[7] == '-' &&
        std::all_of(Text.begin(), Text.end(), [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
    int32_t j;
    if (!shaped) throw TInputError("'" + Text + "' is not a date YYYY-MM-DD");
    const TDate date{Number(Text.substr(0, 4)), Number(Text.substr(5, 2)), Number(Text.substr(8, 2))};
    if (date.Y < 1 || !DayOf(date, 0, j))
        throw TInputError("'" + Text + "' is not a Gregorian date of years 1 to 9999");
    return j;
}

void AppendNumber(std::string& Out, int32_t Value, int Width = 0) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, Value).ptr;
    Out.append(size_t(std::max<std::ptrdiff_t>(0, Width - (end - buffer))), '0');
    Out.append(buffer, end);
}

void AppendIso(std::string& Out, int32_t J) {
    TDate date;
    DateOf(J, 0, date);
    AppendNumber(Out, date.Y, 4);
    Out += '-';
    AppendNumber(Out, date.M, 2);
    Out += '-';
    AppendNumber(Out, date.D, 2);
}

[[noreturn]] void NoDateIn(int32_t J, int32_t Kind) {
    std::string day;
    AppendIso(day, J);
    throw TInputError(day + " has no " + KindNames[size_t(Kind)] + " date");
}

int Table(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"kind", true, KindNames}, {"calendar", true}, {"from", true}, {"to", true}},
                          0);
    if (args.Has("help")) {
        std::cout << TableHelp;
        return 0;
    }
    if (args.Has("calendar")) throw TUsageError("table --calendar is not available yet");
    const int32_t kind = KindOf(args, "kind", "");
    if (!args.Has("from") || !args.Has("to")) throw TUsageError("table needs --from and --to");
    const int32_t first = IsoDay(args.Value("from", "")), last = IsoDay(args.Value("to", ""));
    if (first > last) throw TInputError("--from is after --to");
    // A kind's dates have no holes, so the bounds tell whether every day between has a date.
    TDate date;
    for (int32_t bound : {first, last})
        if (!DateOf(bound, kind, date)) NoDateIn(bound, kind);
    std::string out;
    for (int32_t j = first; j <= last; ++j) {
        if (!DateOf(j, kind, date)) NoDateIn(j, kind);
        AppendIso(out, j);
        for (int32_t part : {date.Y, date.M, date.D}) {
            out += '\t';
            AppendNumber(out, part);
        }
        out += '\n';
        if (out.size() > (1u << 16)) {
            std::cout << out;
            out.clear();
        }
    }
    std::cout << out;
    return 0;
}

} // namespace

int Date(const std::vector<std::string>& Args) {
    const std::string command = Args.empty() ? "" : Args.front();
    const std::vector<std::string> rest(Args.begin() + (Args.empty() ? 0 : 1), Args.end());
    if (command == "--help") {
        std::cout << Help;
        return 0;
    }
    if (command == "convert") return Convert(rest);
    if (command == "table") return Table(rest);
    if (command == "show" || command == "format" || command == "parse")
        throw TUsageError(command + " is not available yet");
    if (command.empty()) throw TUsageError("a command is required");
    throw TUsageError("unknown command '" + command + "'");
}

} // namespace ZarvelTool
