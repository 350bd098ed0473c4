// zarvel date: Julian day numbers and calendars: converting dates between calendar kinds, listing the
// days of a Gregorian range in a kind or a calendar by name, showing dates of the calendars by name,
// and formatting and parsing dates with a calendar by name or with a family of date functions.
#include "Arguments.h"
#include "Commands.h"

#include "ADateTime.h"
#include "Date.h"
#include "DateGlobal.h"
#include "IDateTime.h"
#include "PDateTime.h"
#include "RTL.Date.Custom.h"
#include "System.Character.h"
#include "System.DateUtils.h"

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
  show      a day in every calendar by name, with the calendar's long date format
  format    a date and time formatted in a calendar by name or by a family of date functions
  parse     a text read as a date and time of a calendar by name or of a family
Every command takes --help.

Calendars by name (NAME, case-sensitive): Jalali, IslamicTabular, Gregorian, and Custom, whose rules
an application supplies (it has none here).

Calendar kinds (KIND):
  gregorian  proleptic Gregorian, astronomical years (year 0 is 1 BC)
  julian     proleptic Julian, astronomical years
  hebrew     arithmetic Hebrew, years from creation; months from Tishri = 1: 6 is Adar (Adar I in
             a leap year), 7 Adar II (leap years only), 8 Nisan ... 13 Elul
  islamic    tabular Islamic, civil epoch (1 Muharram 1 = 16 July 622 of the Julian calendar)
  french     French Republican (1 Vendemiaire 1 = 1792-09-22); month 13 holds the 5 or 6 extra days
  persian    Persian (Jalali), years -1096 to 2327
)";

constexpr const char* ConvertHelp = R"(usage: zarvel date convert --kind KIND [--to KIND] Y M D

Converts day D of month M of year Y in calendar KIND to calendar --to (default gregorian), through
the date's Julian day number. KIND and --to: gregorian, julian, hebrew, islamic, french, persian (see
zarvel date --help).

Output: one line "Y M D", the date in the --to calendar.
Exit status 1 when Y M D is not a date of KIND, or when its day has no date in the --to calendar.
)";

constexpr const char* TableHelp =
    R"(usage: zarvel date table (--kind KIND | --calendar NAME) --from YYYY-MM-DD --to YYYY-MM-DD

Lists every day from --from to --to, both included. The bounds are proleptic Gregorian dates with
years 1 to 9999. KIND: gregorian, julian, hebrew, islamic, french, persian (the day-number kinds);
NAME: Jalali, IslamicTabular, Gregorian (the calendars by name). See zarvel date --help.

Output: one line per day, tab-separated:
  YYYY-MM-DD  Y  M  D
the Gregorian date, then the day's year, month and day in KIND or NAME.
Exit status 1 for a malformed or invalid bound, --from after --to, an unknown NAME, or a day
without a date in the calendar.
)";

constexpr const char* ShowHelp =
    R"(usage: zarvel date show [--calendar NAME] [--locale L] [--json] [YYYY-MM-DD]

Shows a day (default today) in every calendar by name, or in NAME only, each with its own month
names and long date format. --locale gives the calculators a locale (each calendar's own default
otherwise: "fa-Ir" for Jalali, "ar" for IslamicTabular, the invariant settings for Gregorian).
A calendar whose rules are not supplied (Custom) is left out.

Output: one line per calendar, tab-separated:
  NAME  Y-MM-DD  LONG-DATE
or, with --json, one array of {"calendar", "year", "month", "day", "long"} objects.
)";

constexpr const char* FormatHelp =
    R"(usage: zarvel date format (--calendar NAME | --family F [--calendar-type T]) --format FMT
                         [--locale L] DATETIME

Formats DATETIME, a proleptic Gregorian YYYY-MM-DD with an optional time THH:MM[:SS[.mmm]] (or a
blank instead of T), in calendar NAME, or with the date functions of family F, in format FMT:
d dd ddd dddd ddddd dddddd, m mm mmm mmmm, yy yyyy, h hh, n nn, s ss, z zzz, t tt, c, the markers
am/pm a/p ampm, ":" and "/" (the locale's separators), and text in quotes.

Families (F):
  P  the Persian (Jalali) date functions; week days from 1 = Saturday
  A  the tabular Hijri date functions; week days from 1 = Monday, and day names read in that order
  I  the date functions of calendar type T: ctPersian (as P), ctIslamic (as A) or ctJulian, the
     proleptic Gregorian calendar
P and A know the format letters in lower case only, and always print the locale's separators for
":" and "/". A format that holds a/p, am/pm, ampm or AMPM puts the hours on a twelve-hour clock
(0 is 12, and hours below 13 take the morning marker); a/p prints ص or ع, am/pm ق/ظ or ب/ظ, and
ampm (in any case) the locale's morning or afternoon text. ctJulian formats as the platform does:
letters in either case, the minutes for an m right after an hour, day names counted from Sunday.
A family uses the process-wide settings, which are Persian, unless --locale gives others.

Output: the formatted text on one line.
)";

constexpr const char* ParseHelp =
    R"(usage: zarvel date parse (--calendar NAME | --family F [--calendar-type T]) --format FMT
                        [--locale L] TEXT

Reads TEXT as a date and time of calendar NAME, or with the date functions of family F (see zarvel
date format --help), written in format FMT (the letters of zarvel date format --help). Missing date
parts are today's, missing time parts 0.

With P and A, yyyy reads the years 1301 to 1499 and a shorter run of y reads 02 to 98 as the years
1302 to 1398; at a lower-case a, a/p reads ص or ع, ampm the locale's morning or afternoon text (P
takes the form in any case, A only as written) and am/pm ق/ظ or ب/ظ. With ctJulian, yyyy reads the
years 1 to 9999, yy the hundred years that begin TwoDigitYearCenturyWindow (50) years before this
one, and a/p and am/pm the letters the platform writes, in either case.

Output: the instant as a proleptic Gregorian YYYY-MM-DDTHH:MM:SS.mmm.
Exit status 1 when TEXT does not parse.
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

// YYYY-MM-DD with an optional THH:MM[:SS[.mmm]] (or a blank for the T).
Sys::TDateTime IsoDateTime(const std::string& Text) {
    const double day = IsoDay(Text.substr(0, 10)) - Zarvel::DateTimeJulianDay;
    if (Text.size() == 10) return day;
    const std::string time = Text.substr(11);
    const bool shaped = (Text[10] == 'T' || Text[10] == ' ') &&
                        (time.size() == 5 || time.size() == 8 || time.size() == 12) && time[2] == ':' &&
                        (time.size() == 5 || time[5] == ':') && (time.size() < 12 || time[8] == '.');
    Sys::TDateTime fraction;
    if (!shaped ||
        !Sys::TryEncodeTime(uint16_t(Number(time.substr(0, 2))), uint16_t(Number(time.substr(3, 2))),
                            uint16_t(time.size() >= 8 ? Number(time.substr(6, 2)) : 0),
                            uint16_t(time.size() == 12 ? Number(time.substr(9, 3)) : 0), fraction))
        throw TInputError("'" + Text + "' is not a date and time YYYY-MM-DDTHH:MM[:SS[.mmm]]");
    return Sys::ComposeDateTime(int32_t(day), fraction);
}

std::string IsoText(Sys::TDateTime Value) {
    std::string out;
    AppendIso(out, Sys::DayOf(Value) + Zarvel::DateTimeJulianDay);
    uint16_t h, n, s, ms;
    Sys::DecodeTime(Value, h, n, s, ms);
    char time[32];
    std::snprintf(time, sizeof time, "T%02u:%02u:%02u.%03u", h, n, s, ms);
    return out + time;
}

// The calendars by name in the order they register.
const std::vector<std::string> CalendarNames = {"Jalali", "IslamicTabular", "Custom", "Gregorian"};

std::unique_ptr<Zarvel::TRTLCalendarCalc> Calendar(const std::string& Name, const std::string& Locale) {
    auto calc = Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(Sys::Utf8ToString(Name),
                                                                          Sys::Utf8ToString(Locale));
    if (!calc)
        throw TInputError("unknown calendar '" + Name +
                          "' (the names are Jalali, IslamicTabular, Custom, Gregorian)");
    return calc;
}

// The calculator of --calendar, with --locale.
std::unique_ptr<Zarvel::TRTLCalendarCalc> Calendar(const TArguments& Args) {
    if (!Args.Has("calendar")) throw TUsageError("--calendar is required");
    return Calendar(Args.Value("calendar", ""), Args.Value("locale", ""));
}

int Show(const std::vector<std::string>& Args) {
    const TArguments args(Args, {{"calendar", true}, {"locale", true}, {"json"}}, 1);
    if (args.Has("help")) {
        std::cout << ShowHelp;
        return 0;
    }
    const Sys::TDateTime day = args.Positionals().empty() ? Sys::Today() : IsoDateTime(args.Positionals()[0]);
    std::vector<std::string> names = CalendarNames;
    if (args.Has("calendar")) names = {args.Value("calendar", "")};
    std::string out = args.Has("json") ? "[" : "";
    for (const std::string& name : names) {
        const auto calc = Calendar(name, args.Value("locale", ""));
        uint16_t y, m, d;
        Sys::string longDate;
        try {
            calc->DecodeDate(day, y, m, d);
            longDate = calc->FormatDateTime(calc->FormatSettings.LongDateFormat, day);
        } catch (const Zarvel::ECustomCalendarNoEventError&) {
            if (args.Has("calendar")) throw;
            continue; // a calendar without its rules has nothing to show
        }
        char date[32];
        std::snprintf(date, sizeof date, "%u-%02u-%02u", y, m, d);
        if (args.Has("json")) {
            out += std::string(out.size() > 1 ? "," : "") + "\n  {\"calendar\": \"" + name +
                   "\", \"year\": " + std::to_string(y) + ", \"month\": " + std::to_string(m) +
                   ", \"day\": " + std::to_string(d) + ", \"long\": " + JsonString(longDate) + "}";
        } else {
            out += name + "\t" + date + "\t" + Utf8(longDate) + "\n";
        }
    }
    if (args.Has("json")) out += "\n]\n";
    std::cout << out;
    return 0;
}

// The date function family of --family, with the calendar type of --calendar-type for I.
struct TFamily {
    char Name; // P, A or I
    Zarvel::TJhCalendarType CalendarType;
};

const std::vector<std::string> FamilyNames = {"P", "A", "I"};
const std::vector<std::string> CalendarTypeNames = {"ctPersian", "ctIslamic", "ctJulian"};

const std::vector<TOptionSpec> FormatOptions = {{"calendar", true},
                                                {"family", true, FamilyNames},
                                                {"calendar-type", true, CalendarTypeNames},
                                                {"format", true},
                                                {"locale", true}};

// Whether the command runs a family; a usage error unless exactly one of --calendar and --family is
// given, and --calendar-type exactly with --family I.
bool UsesFamily(const TArguments& Args, TFamily& Family) {
    if (Args.Has("calendar") == Args.Has("family")) throw TUsageError("give one of --calendar and --family");
    const bool typed = Args.Value("family", "") == "I";
    if (Args.Has("calendar-type") != typed)
        throw TUsageError("--calendar-type goes with --family I, and only there");
    if (!Args.Has("family")) return false;
    Family.Name = Args.Value("family", "")[0];
    const std::string type = Args.Value("calendar-type", "ctPersian");
    Family.CalendarType = Zarvel::TJhCalendarType(
        std::find(CalendarTypeNames.begin(), CalendarTypeNames.end(), type) - CalendarTypeNames.begin());
    return true;
}

// The settings a family reads: the locale's with --locale, else the process-wide Persian ones. The I
// family parses with the process-wide settings only, so --locale replaces them for this run.
Sys::TFormatSettings FamilySettings(const TArguments& Args) {
    if (Args.Has("locale"))
        Sys::FormatSettings = Sys::TFormatSettings::Create(Sys::Utf8ToString(Args.Value("locale", "")));
    return Sys::FormatSettings;
}

int FormatCommand(const std::vector<std::string>& Args) {
    const TArguments args(Args, FormatOptions, 1);
    if (args.Has("help")) {
        std::cout << FormatHelp;
        return 0;
    }
    if (!args.Has("format") || args.Positionals().size() != 1)
        throw TUsageError("format needs --format and DATETIME");
    TFamily family;
    const bool byFamily = UsesFamily(args, family);
    const Sys::TDateTime value = IsoDateTime(args.Positionals()[0]);
    const Sys::string format = Sys::Utf8ToString(args.Value("format", ""));
    Sys::string text;
    if (!byFamily) {
        text = Calendar(args)->FormatDateTime(format, value);
    } else {
        const Sys::TFormatSettings fs = FamilySettings(args);
        switch (family.Name) {
        case 'P': text = Zarvel::PDateTime::FormatDateTime(format, value, fs); break;
        case 'A': text = Zarvel::ADateTime::FormatDateTime(format, value, fs); break;
        default: text = Zarvel::IDateTime::FormatDateTime(family.CalendarType, format, value, fs); break;
        }
    }
    std::cout << Utf8(text) << "\n";
    return 0;
}

int Parse(const std::vector<std::string>& Args) {
    const TArguments args(Args, FormatOptions, 1);
    if (args.Has("help")) {
        std::cout << ParseHelp;
        return 0;
    }
    if (!args.Has("format") || args.Positionals().size() != 1)
        throw TUsageError("parse needs --format and TEXT");
    TFamily family;
    const bool byFamily = UsesFamily(args, family);
    const std::string text = args.Positionals()[0], format = args.Value("format", "");
    const Sys::string s = Sys::Utf8ToString(text), f = Sys::Utf8ToString(format);
    Sys::TDateTime value;
    bool parsed;
    if (!byFamily) {
        parsed = Calendar(args)->TryStrToDateTime(s, value, f);
    } else {
        const Sys::TFormatSettings fs = FamilySettings(args);
        switch (family.Name) {
        case 'P': parsed = Zarvel::PDateTime::TryStrToDateTime(s, value, f, fs); break;
        case 'A': parsed = Zarvel::ADateTime::TryStrToDateTime(s, value, f, fs); break;
        default: parsed = Zarvel::IDateTime::TryStrToDateTime(family.CalendarType, s, value, f); break;
        }
    }
    if (!parsed) throw TInputError("'" + text + "' is not a date and time of the format '" + format + "'");
    std::cout << IsoText(value) << "\n";
    return 0;
}

// One line per day from First to Last: the Gregorian date, then the year, month and day DateOf gives,
// written in 64 KB pieces.
template <typename F> int PrintTable(int32_t First, int32_t Last, F DateOf) {
    std::string out;
    for (int32_t j = First; j <= Last; ++j) {
        const TDate date = DateOf(j);
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

// Every day of a Gregorian range in a calendar by name.
int CalendarTable(const TArguments& Args, int32_t First, int32_t Last) {
    const auto calc = Calendar(Args);
    uint16_t y, m, d;
    // Decoding the bounds first reports a range outside the calendar before anything is printed.
    for (int32_t bound : {First, Last}) calc->DecodeDate(bound - Zarvel::DateTimeJulianDay, y, m, d);
    return PrintTable(First, Last, [&](int32_t J) {
        calc->DecodeDate(J - Zarvel::DateTimeJulianDay, y, m, d);
        return TDate{y, m, d};
    });
}

int Table(const std::vector<std::string>& Args) {
    const TArguments args(
        Args, {{"kind", true, KindNames}, {"calendar", true}, {"locale", true}, {"from", true}, {"to", true}},
        0);
    if (args.Has("help")) {
        std::cout << TableHelp;
        return 0;
    }
    if (args.Has("calendar") == args.Has("kind"))
        throw TUsageError("table takes one of --kind and --calendar");
    if (!args.Has("from") || !args.Has("to")) throw TUsageError("table needs --from and --to");
    const int32_t first = IsoDay(args.Value("from", "")), last = IsoDay(args.Value("to", ""));
    if (first > last) throw TInputError("--from is after --to");
    if (args.Has("calendar")) return CalendarTable(args, first, last);
    const int32_t kind = KindOf(args, "kind", "");
    // A kind's dates have no holes, so the bounds tell whether every day between has a date.
    TDate date;
    for (int32_t bound : {first, last})
        if (!DateOf(bound, kind, date)) NoDateIn(bound, kind);
    return PrintTable(first, last, [&](int32_t J) {
        if (!DateOf(J, kind, date)) NoDateIn(J, kind);
        return date;
    });
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
    if (command == "show") return Show(rest);
    if (command == "format") return FormatCommand(rest);
    if (command == "parse") return Parse(rest);
    if (command.empty()) throw TUsageError("a command is required");
    throw TUsageError("unknown command '" + command + "'");
}

} // namespace ZarvelTool
