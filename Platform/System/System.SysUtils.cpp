#include "System.SysUtils.h"

#include "System.Character.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <memory>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/smpdtfmt.h>
#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace Sys {

TFormatSettings FormatSettings;

Exception::Exception(const string& Message) : FMessage(Message), FWhat(StringToUtf8(Message)) {}

Exception::Exception(const std::string& MessageUtf8)
    : FMessage(Utf8ToString(MessageUtf8)), FWhat(MessageUtf8) {}

EAssertionFailed::EAssertionFailed(const string& Message, const char* UnitName, int Line)
    : Exception(Message), FUnitName(UnitName ? UnitName : ""), FLine(Line) {
    SetWhat(StringToUtf8(Message) + " (" + FUnitName + ", line " + std::to_string(Line) + ")");
}

void RaiseAssertion(const string& Message, const char* UnitName, int Line) {
    throw EAssertionFailed(Message, UnitName, Line);
}

TTimeStamp DateTimeToTimeStamp(double DateTime) {
    constexpr int64_t MSecsPerDay = 86400000;
    constexpr int32_t DateDelta = 693594; // days from 0001-01-01 to 1899-12-31
    // Far beyond any calendar the day count saturates instead of leaving the 64-bit range.
    constexpr double Limit = 1e12;
    const double value = std::isnan(DateTime) ? 0.0 : std::clamp(DateTime, -Limit, Limit);
    const int64_t ms = std::llround(value * MSecsPerDay);
    const int64_t day = std::clamp<int64_t>(DateDelta + ms / MSecsPerDay, INT32_MIN, INT32_MAX);
    TTimeStamp result;
    result.Date = static_cast<int32_t>(day);
    result.Time = static_cast<int32_t>(ms < 0 ? -(ms % MSecsPerDay) : ms % MSecsPerDay);
    return result;
}

string LowerCase(string S) {
    for (char16_t& c : S) c = LowerCase(c);
    return S;
}

string Format(const string& Fmt, std::initializer_list<TVarRec> Args) {
    const auto invalid = [&]() -> EConvertError {
        return EConvertError(u"Format '" + Fmt + u"' invalid or incompatible with argument");
    };
    string result;
    result.reserve(Fmt.size() + 16);
    auto arg = Args.begin();
    for (size_t i = 0; i < Fmt.size(); ++i) {
        if (Fmt[i] != u'%') {
            result += Fmt[i];
            continue;
        }
        if (++i < Fmt.size() && Fmt[i] == u'%') {
            result += u'%';
            continue;
        }
        const bool leftAlign = i < Fmt.size() && Fmt[i] == u'-';
        if (leftAlign) ++i;
        const auto number = [&]() {
            size_t n = 0;
            for (; i < Fmt.size() && Fmt[i] >= u'0' && Fmt[i] <= u'9'; ++i)
                n = std::min<size_t>(n * 10 + (Fmt[i] - u'0'), 1024);
            return n;
        };
        const size_t width = number();
        size_t precision = 0;
        const bool hasPrecision = i < Fmt.size() && Fmt[i] == u'.';
        if (hasPrecision) {
            ++i;
            precision = number();
        }
        if (i >= Fmt.size() || arg == Args.end()) throw invalid();
        string field;
        switch (Fmt[i]) {
        case u'd':
        case u'u':
        case u'x': {
            if (arg->IsText) throw invalid();
            const long long value = arg->Int;
            unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
            const unsigned base = Fmt[i] == u'x' ? 16 : 10;
            if (Fmt[i] != u'd' && value < 0) magnitude = static_cast<uint32_t>(value);
            string digits;
            do {
                digits.insert(digits.begin(), u"0123456789ABCDEF"[magnitude % base]);
                magnitude /= base;
            } while (magnitude != 0);
            if (digits.size() < precision) digits.insert(0, precision - digits.size(), u'0');
            field = (Fmt[i] == u'd' && value < 0 ? u"-" : u"") + digits;
            break;
        }
        case u's':
            if (!arg->IsText) throw invalid();
            field = hasPrecision ? arg->Text.substr(0, precision) : arg->Text;
            break;
        default: throw invalid();
        }
        ++arg;
        if (field.size() < width) field.insert(leftAlign ? field.size() : 0, width - field.size(), u' ');
        result += field;
    }
    return result;
}

namespace {

string FromIcu(const icu::UnicodeString& S) {
    return string(reinterpret_cast<const char16_t*>(S.getBuffer()), S.length());
}

// An ICU date pattern in the format letters of TFormatSettings: months as "M", minutes as "m",
// the marker as "ampm", literal text in double quotes; the first separator of Separators found
// outside the fields is reported in Separator and written as Placeholder ("/" or ":").
string FromIcuPattern(const string& p, char16_t Placeholder, char16_t& Separator,
                      bool ReplaceSeparator = true) {
    string result;
    for (size_t i = 0; i < p.size();) {
        const char16_t c = p[i];
        if (c == u'\'') {
            string literal;
            size_t j = i + 1;
            for (; j < p.size(); ++j) {
                if (p[j] != u'\'') {
                    literal += p[j];
                } else if (j + 1 < p.size() && p[j + 1] == u'\'') {
                    literal += u'\'';
                    ++j;
                } else {
                    break;
                }
            }
            if (j == i + 1 && j < p.size()) literal.assign(1, u'\''); // '' is one quote
            const char16_t quote = literal.find(u'"') == string::npos ? u'"' : u'\'';
            result += quote;
            result += literal;
            result += quote;
            i = j + 1;
            continue;
        }
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            size_t n = 1;
            while (i + n < p.size() && p[i + n] == c) ++n;
            switch (c) {
            case u'y':
            case u'u': result += n == 2 ? u"yy" : u"yyyy"; break;
            case u'M':
            case u'L': result += string(std::min<size_t>(n, 4), u'M'); break;
            case u'd': result += string(std::min<size_t>(n, 2), u'd'); break;
            case u'E':
            case u'c':
            case u'e': result += n <= 3 ? u"ddd" : u"dddd"; break;
            case u'H':
            case u'h':
            case u'K':
            case u'k': result += string(std::min<size_t>(n, 2), u'h'); break;
            case u'm': result += string(std::min<size_t>(n, 2), u'm'); break;
            case u's': result += string(std::min<size_t>(n, 2), u's'); break;
            case u'S': result += u"zzz"; break;
            case u'a':
            case u'b':
            case u'B': result += u"ampm"; break;
            default: break; // eras, zones and the rest have no format letter
            }
            i += n;
            continue;
        }
        if (c != u' ' && c != u',' && c != u'\u200F' && c != u'\u200E' && !Separator) Separator = c;
        result += c == Separator && ReplaceSeparator ? Placeholder : c;
        ++i;
    }
    // A field dropped at either end leaves its blank behind.
    while (!result.empty() && result.back() == u' ') result.pop_back();
    while (!result.empty() && result.front() == u' ') result.erase(0, 1);
    return result;
}

string DatePattern(icu::DateFormat::EStyle DateStyle, icu::DateFormat::EStyle TimeStyle,
                   const icu::Locale& L) {
    std::unique_ptr<icu::DateFormat> format(DateStyle != icu::DateFormat::kNone
                                                ? icu::DateFormat::createDateInstance(DateStyle, L)
                                                : icu::DateFormat::createTimeInstance(TimeStyle, L));
    icu::UnicodeString pattern;
    if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format.get())) simple->toPattern(pattern);
    return FromIcu(pattern);
}

} // namespace

TFormatSettings TFormatSettings::Empty() {
    TFormatSettings fs;
    fs.CurrencyString.clear();
    fs.CurrencyDecimals = 0;
    fs.ThousandSeparator = fs.DecimalSeparator = fs.DateSeparator = fs.TimeSeparator = fs.ListSeparator = 0;
    for (string* s : {&fs.ShortDateFormat, &fs.LongDateFormat, &fs.TimeAMString, &fs.TimePMString,
                      &fs.ShortTimeFormat, &fs.LongTimeFormat})
        s->clear();
    for (auto* names : {&fs.ShortMonthNames, &fs.LongMonthNames})
        for (string& name : *names) name.clear();
    for (auto* names : {&fs.ShortDayNames, &fs.LongDayNames})
        for (string& name : *names) name.clear();
    fs.TwoDigitYearCenturyWindow = 0;
    return fs;
}

TFormatSettings TFormatSettings::Create(const string& LocaleName) {
    TFormatSettings fs;
    if (LocaleName.empty()) return fs;
    std::string tag = StringToUtf8(LocaleName);
    std::replace(tag.begin(), tag.end(), '_', '-');
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(tag, status);
    bool known = false;
    int32_t count = 0;
    const icu::Locale* available = icu::Locale::getAvailableLocales(count);
    for (int32_t i = 0; U_SUCCESS(status) && i < count && !known; ++i)
        known = std::strcmp(available[i].getLanguage(), locale.getLanguage()) == 0;
    if (!known) throw EArgumentException(u"Unknown locale name '" + LocaleName + u"'");
    // Month and day names of the Gregorian calendar, whatever the locale's own calendar is.
    locale.setKeywordValue("calendar", "gregorian", status);

    icu::DateFormatSymbols symbols(locale, status);
    int32_t n = 0;
    const icu::UnicodeString* names =
        symbols.getMonths(n, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    for (int32_t i = 0; i < n && i < 12; ++i) fs.LongMonthNames[i] = FromIcu(names[i]);
    names = symbols.getMonths(n, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::ABBREVIATED);
    for (int32_t i = 0; i < n && i < 12; ++i) fs.ShortMonthNames[i] = FromIcu(names[i]);
    // ICU's weekday arrays start with an empty entry before Sunday.
    names = symbols.getWeekdays(n, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    for (int32_t i = 1; i < n && i <= 7; ++i) fs.LongDayNames[i - 1] = FromIcu(names[i]);
    names = symbols.getWeekdays(n, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::ABBREVIATED);
    for (int32_t i = 1; i < n && i <= 7; ++i) fs.ShortDayNames[i - 1] = FromIcu(names[i]);
    names = symbols.getAmPmStrings(n);
    if (n >= 2) {
        fs.TimeAMString = FromIcu(names[0]);
        fs.TimePMString = FromIcu(names[1]);
    }

    char16_t dateSeparator = 0, timeSeparator = 0;
    // The long date keeps its punctuation as written ("d. MMMM yyyy"); the short one marks its
    // separator with the placeholder that prints DateSeparator.
    const auto date = [&](icu::DateFormat::EStyle Style) {
        return FromIcuPattern(DatePattern(Style, icu::DateFormat::kNone, locale), u'/', dateSeparator,
                              Style == icu::DateFormat::kShort);
    };
    const auto time = [&](icu::DateFormat::EStyle Style) {
        return FromIcuPattern(DatePattern(icu::DateFormat::kNone, Style, locale), u':', timeSeparator);
    };
    fs.ShortDateFormat = date(icu::DateFormat::kShort);
    fs.LongDateFormat = date(icu::DateFormat::kLong);
    fs.ShortTimeFormat = time(icu::DateFormat::kShort);
    fs.LongTimeFormat = time(icu::DateFormat::kMedium);
    fs.DateSeparator = dateSeparator ? dateSeparator : u'/';
    fs.TimeSeparator = timeSeparator ? timeSeparator : u':';

    icu::DecimalFormatSymbols numbers(locale, status);
    if (U_SUCCESS(status)) {
        const auto first = [&](icu::DecimalFormatSymbols::ENumberFormatSymbol Symbol, char16_t Default) {
            const icu::UnicodeString& text = numbers.getConstSymbol(Symbol);
            return text.length() == 1 ? static_cast<char16_t>(text.charAt(0)) : Default;
        };
        fs.DecimalSeparator = first(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol, u'.');
        fs.ThousandSeparator = first(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol, u',');
        fs.CurrencyString = FromIcu(numbers.getConstSymbol(icu::DecimalFormatSymbols::kCurrencySymbol));
        fs.ListSeparator = fs.DecimalSeparator == u',' ? u';' : u',';
    }
    status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> currency(icu::NumberFormat::createCurrencyInstance(locale, status));
    if (U_SUCCESS(status)) {
        fs.CurrencyDecimals = static_cast<uint8_t>(currency->getMaximumFractionDigits());
        icu::UnicodeString pattern;
        if (auto* decimal = dynamic_cast<icu::DecimalFormat*>(currency.get())) decimal->toPattern(pattern);
        const string p = FromIcu(
            pattern.tempSubString(0, pattern.indexOf(u';') < 0 ? pattern.length() : pattern.indexOf(u';')));
        const size_t sign = p.find(u'\u00A4');
        if (sign != string::npos) {
            const bool before = sign == 0 || p.find_first_of(u"#0") > sign;
            const bool spaced =
                (before && sign + 1 < p.size() && (p[sign + 1] == u' ' || p[sign + 1] == u'\u00A0')) ||
                (!before && sign > 0 && (p[sign - 1] == u' ' || p[sign - 1] == u'\u00A0'));
            fs.CurrencyFormat = static_cast<uint8_t>((before ? 0 : 1) + (spaced ? 2 : 0));
            // The negative form that puts a minus sign first, in the positive form's layout.
            static constexpr uint8_t Negative[] = {1, 5, 9, 8};
            fs.NegCurrFormat = Negative[fs.CurrencyFormat];
        }
    }
    return fs;
}

void MaskFPUExceptions() {
    // glibc enables no trap by default; make that explicit, including the x86 denormal trap that
    // the C interface does not name.
    fedisableexcept(FE_ALL_EXCEPT);
#if defined(__x86_64__) || defined(__i386__)
    _mm_setcsr(_mm_getcsr() | 0x1F80); // all six SSE exception masks
    uint16_t control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control |= 0x3F; // all six x87 exception masks
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}

} // namespace Sys
