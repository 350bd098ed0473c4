// The walks over a date-time format that the calendar calculators and the date function families
// share: writing decoded parts as text, reading a text back into a date, and finding the field a
// caret stands in. Each caller passes a dialect: it holds the settings the walks read and decides the
// points where the callers' rules differ (letter case, year elements, morning and afternoon markers,
// separators, what a day name stands for, the calendar that encodes the result).
#pragma once

#include "DTConst.h"
#include "DateGlobal.h"
#include "System.SysUtils.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace Zarvel {

// Standard formats may name other standard formats ("ddddd", "t", "c"); a format that names itself
// would recurse for ever, so nesting stops at this depth.
inline constexpr int MaxFormatDepth = 4;

// --- Text helpers of the walks

inline bool IsAsciiDigit(char16_t C) {
    return C >= u'0' && C <= u'9';
}

inline bool StandsAt(const Sys::string& S, size_t Pos, std::u16string_view Text) {
    return Text.size() <= S.size() && Pos <= S.size() - Text.size() && S.compare(Pos, Text.size(), Text) == 0;
}

// Whether Text stands at Pos of S, ignoring ASCII letter case.
inline bool StandsAtIgnoreCase(const Sys::string& S, size_t Pos, std::u16string_view Text) {
    if (Text.size() > S.size() || Pos > S.size() - Text.size()) return false;
    for (size_t k = 0; k < Text.size(); ++k)
        if (Sys::LowerCase(S[Pos + k]) != Sys::LowerCase(Text[k])) return false;
    return true;
}

// The length of the run of C (exact) at Pos.
inline size_t RunLength(const Sys::string& S, size_t Pos, char16_t C) {
    size_t n = 0;
    while (Pos + n < S.size() && S[Pos + n] == C) ++n;
    return n;
}

inline Sys::string Padded(int64_t Value, size_t MinDigits) {
    Sys::string digits;
    uint64_t v = Value < 0 ? 0 - uint64_t(Value) : uint64_t(Value);
    do {
        digits.insert(digits.begin(), char16_t(u'0' + v % 10));
        v /= 10;
    } while (v != 0);
    if (digits.size() < MinDigits) digits.insert(0, MinDigits - digits.size(), u'0');
    return Value < 0 ? u"-" + digits : digits;
}

// Quoted text at Format[I]; advances I past it. An unterminated quote is dropped and the walk goes on
// right after it.
inline Sys::string QuotedText(const Sys::string& Format, size_t& I) {
    size_t next;
    Sys::string text = CopyQuotedStr(Format, I, next);
    const bool closed = next > I && next < Format.size() && Format[next] == Format[I];
    I = closed ? next + 1 : I + 1;
    return text;
}

// The index (0-based) of the first name that stands at Pos of S, or −1.
template <size_t N> int FindName(const std::array<Sys::string, N>& Names, const Sys::string& S, size_t Pos) {
    for (size_t i = 0; i < N; ++i)
        if (!Names[i].empty() && StandsAt(S, Pos, Names[i])) return int(i);
    return -1;
}

// The number (from 1) of Name among the long names, else among the short ones, exact; −1 when absent.
template <size_t N>
int32_t IndexOfName(const std::array<Sys::string, N>& Long, const std::array<Sys::string, N>& Short,
                    const Sys::string& Name) {
    for (size_t i = 0; i < N; ++i)
        if (Long[i] == Name) return int32_t(i + 1);
    for (size_t i = 0; i < N; ++i)
        if (Short[i] == Name) return int32_t(i + 1);
    return -1;
}

// A morning/afternoon marker standing in a format, as the parse walk and the field locator read it.
struct TMarkerForm {
    Sys::string AM, PM;      // the texts that stand for the marker in a date text
    size_t Length = 0;       // the format letters it takes
    bool IgnoreCase = false; // whether the texts are compared ignoring letter case
    TJhDateTimeMaskType Kind = hdmtNone;
};

// --- Formatting

struct TFormatParts {
    uint16_t Year, Month, Day, Hour, Min, Sec, MSec;
    size_t DayName; // index (0-based) of the day's names in the settings
};

// Appends Parts written in Format. The dialect gives Settings(), Letter(Format, I) (the element a
// format character starts), InRun(Letter, Next) (whether Next continues its run), Separator(C) for
// ":" and "/", Nested() (the dialect of the standard formats), and Markers(Format, Hour): the hour to
// print and Write(Out, Format, I), which writes the marker standing at I and returns the letters it
// took, or 0 where none stands.
template <typename TDialect>
void FormatParts(Sys::string& Out, const Sys::string& Format, const TFormatParts& Parts,
                 const TDialect& Dialect, int Depth = 0) {
    if (Depth >= MaxFormatDepth) return;
    const Sys::TFormatSettings& fs = Dialect.Settings();
    const auto markers = Dialect.Markers(Format, Parts.Hour);
    const auto nested = [&](const Sys::string& Inner) {
        FormatParts(Out, Inner, Parts, Dialect.Nested(), Depth + 1);
    };
    for (size_t i = 0; i < Format.size();) {
        const char16_t c = Dialect.Letter(Format, i);
        size_t run = 1;
        while (i + run < Format.size() && Dialect.InRun(c, Format[i + run])) ++run;
        switch (c) {
        case u'd': {
            const size_t n = std::min<size_t>(run, 6);
            switch (n) {
            case 1:
            case 2: Out += Padded(Parts.Day, n); break;
            case 3: Out += fs.ShortDayNames[Parts.DayName % 7]; break;
            case 4: Out += fs.LongDayNames[Parts.DayName % 7]; break;
            case 5: nested(fs.ShortDateFormat); break;
            default: nested(fs.LongDateFormat); break;
            }
            i += n;
            continue;
        }
        case u'm': {
            const size_t n = std::min<size_t>(run, 4);
            if (n <= 2)
                Out += Padded(Parts.Month, n);
            else if (Parts.Month >= 1 && Parts.Month <= 12)
                Out += (n == 3 ? fs.ShortMonthNames : fs.LongMonthNames)[Parts.Month - 1u];
            i += n;
            continue;
        }
        case u'y':
            if (run >= 4) {
                Out += Padded(Parts.Year, 1);
                i += 4;
            } else if (run >= 2) {
                // The decimal year's third and fourth characters: fewer for a short year.
                const Sys::string year = Padded(Parts.Year, 1);
                if (year.size() > 2) Out += year.substr(2, 2);
                i += 2;
            } else {
                Out += Format[i++];
            }
            continue;
        case u'h':
        case u'n':
        case u's': {
            const size_t n = std::min<size_t>(run, 2);
            Out += Padded(c == u'h' ? markers.Hour : c == u'n' ? Parts.Min : Parts.Sec, n);
            i += n;
            continue;
        }
        case u'z':
            Out += Padded(Parts.MSec, run >= 3 ? 3 : 1);
            i += run >= 3 ? 3 : 1;
            continue;
        case u't':
            nested(run >= 2 ? fs.LongTimeFormat : fs.ShortTimeFormat);
            i += std::min<size_t>(run, 2);
            continue;
        case u'c':
            nested(fs.ShortDateFormat);
            nested(fs.LongTimeFormat);
            ++i;
            continue;
        case u'a':
            if (const size_t n = markers.Write(Out, Format, i))
                i += n;
            else
                Out += Format[i++];
            continue;
        case u':':
        case u'/':
            Out += Dialect.Separator(c);
            ++i;
            continue;
        case u'"':
        case u'\'': Out += QuotedText(Format, i); continue;
        default: Out += Format[i++]; continue;
        }
    }
}

// --- Reading a date text: the parse engine and the field locator walk a format the same way; the
// parse engine stores what each element reads, the field locator records where each field stands.

// A read position in a date text.
struct TDateTextCursor {
    explicit TDateTextCursor(const Sys::string& AStr) : Str(AStr) {}
    const Sys::string& Str;
    size_t P = 0;

    // Takes Text at P; false when it does not stand there.
    bool Take(std::u16string_view Text) {
        if (!StandsAt(Str, P, Text)) return false;
        P += Text.size();
        return true;
    }
    // Which of a marker's texts stands at P: 1 the morning's, 2 the afternoon's, 0 neither. An empty
    // text would stand everywhere; it never matches.
    int MarkerTextAt(const TMarkerForm& Form) const {
        const auto standsHere = [&](const Sys::string& Text) {
            return !Text.empty() &&
                   (Form.IgnoreCase ? StandsAtIgnoreCase(Str, P, Text) : StandsAt(Str, P, Text));
        };
        return standsHere(Form.AM) ? 1 : standsHere(Form.PM) ? 2 : 0;
    }
};

// Walks Format over a date text, handing each element to Reader, a TDateParseState or a
// TDateFieldLocatorState. The dialect gives Settings(); YearLetters(Format, I), the letters a year
// element at I takes (4 for a full year, 2 for a short one, 0 for a "y" that reads nothing);
// MarkerFormAt(Format, I, Form), false where no marker starts; and what the reader asks of it. False
// as soon as an element does not stand in the text.
template <typename TReader, typename TDialect>
bool WalkFormat(TReader& Reader, const Sys::string& Format, const TDialect& Dialect, int Depth = 0) {
    if (Depth >= MaxFormatDepth) return false;
    const Sys::TFormatSettings& fs = Dialect.Settings();
    const auto nested = [&](const Sys::string& Inner) {
        return WalkFormat(Reader, Inner, Dialect, Depth + 1);
    };
    for (size_t i = 0; i < Format.size() && !Reader.Done();) {
        const char16_t c = Format[i];
        const size_t run = RunLength(Format, i, c);
        bool read = true;
        switch (c) {
        case u'd': {
            const size_t n = std::min<size_t>(run, 6);
            i += n;
            if (n <= 2)
                read = Reader.OnDay(n);
            else if (n <= 4)
                read = Reader.OnDayName(n == 3 ? fs.ShortDayNames : fs.LongDayNames, Dialect);
            else
                read = nested(n == 5 ? fs.ShortDateFormat : fs.LongDateFormat);
            break;
        }
        case u'm': {
            const size_t n = std::min<size_t>(run, 4);
            i += n;
            read = n <= 2 ? Reader.OnMonth(n) : Reader.OnMonthName(n, Dialect);
            break;
        }
        case u'y': {
            const size_t letters = Dialect.YearLetters(Format, i);
            i += letters == 0 ? 1 : letters;
            if (letters != 0) read = Reader.OnYear(letters, Dialect);
            break;
        }
        case u'h':
        case u'n':
        case u's': {
            const size_t n = std::min<size_t>(run, 2);
            i += n;
            read = Reader.OnTime(c, n);
            break;
        }
        case u'z':
            // The whole run is one element: it reads what both "z" and "zzz" write.
            i += run;
            read = Reader.OnMilliSecond(run);
            break;
        case u't':
            i += std::min<size_t>(run, 2);
            read = nested(run >= 2 ? fs.LongTimeFormat : fs.ShortTimeFormat);
            break;
        case u'c':
            ++i;
            read = nested(fs.ShortDateFormat + u" " + fs.LongTimeFormat);
            break;
        case u'a': {
            TMarkerForm form;
            if (!Dialect.MarkerFormAt(Format, i, form)) {
                ++i;
                break;
            }
            i += form.Length;
            read = Reader.OnMarker(form);
            break;
        }
        case u'"':
        case u'\'': read = Reader.Take(QuotedText(Format, i)); break;
        default:
            read = Reader.Take(std::u16string_view(&Format[i], 1));
            ++i;
            break;
        }
        if (!read) return false;
    }
    return true;
}

// What the parse engine has read so far.
struct TDateParseState : TDateTextCursor {
    enum TField : uint8_t { fYear, fMonth, fDay, fHour, fMinute, fSecond, fMSec, fDOW, fMarker };
    using TDateTextCursor::TDateTextCursor;
    int32_t Year = 0;
    uint16_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0, MSec = 0;
    uint8_t DOW = 0;
    bool PM = false;
    Sys::TSet<TField, uint16_t> Seen;

    // The run of ASCII digits at P; false when there is none. Values beyond 32 bits saturate and
    // fail the range checks that follow.
    bool ReadNumber(int64_t& Value) {
        const size_t start = P;
        Value = 0;
        for (; P < Str.size() && IsAsciiDigit(Str[P]); ++P)
            Value = std::min<int64_t>(Value * 10 + (Str[P] - u'0'), 1LL << 40);
        return P > start;
    }
    // Stores a calendar field the first time; later it must agree.
    template <typename T> bool Store(TField Field, T& Slot, int64_t Value) {
        if (Seen.Contains(Field)) return Slot == Value;
        Seen.Include(Field);
        Slot = static_cast<T>(Value);
        return true;
    }
    // A time field may be read once only.
    bool StoreOnce(TField Field, uint16_t& Slot, int64_t Value) {
        if (Seen.Contains(Field)) return false;
        Seen.Include(Field);
        Slot = static_cast<uint16_t>(Value);
        return true;
    }
    // The first of Names (in order) that stands at P.
    template <size_t N> bool ReadName(const std::array<Sys::string, N>& Names, int& Index) {
        Index = FindName(Names, Str, P);
        if (Index < 0) return false;
        P += Names[Index].size();
        return true;
    }

    // --- The elements of WalkFormat
    bool Done() const { return false; }
    bool OnDay(size_t) {
        int64_t v;
        return ReadNumber(v) && v >= 1 && v <= 31 && Store(fDay, Day, v);
    }
    template <typename TDialect>
    bool OnDayName(const std::array<Sys::string, 7>& Names, const TDialect& Dialect) {
        int k;
        return ReadName(Names, k) && Store(fDOW, DOW, Dialect.DayNameValue(size_t(k)));
    }
    bool OnMonth(size_t) {
        int64_t v;
        return ReadNumber(v) && v >= 1 && v <= 12 && Store(fMonth, Month, v);
    }
    template <typename TDialect> bool OnMonthName(size_t Letters, const TDialect& Dialect) {
        const Sys::TFormatSettings& fs = Dialect.Settings();
        int k;
        return ReadName(Letters == 3 ? fs.ShortMonthNames : fs.LongMonthNames, k) &&
               Store(fMonth, Month, k + 1);
    }
    template <typename TDialect> bool OnYear(size_t Letters, const TDialect& Dialect) {
        int64_t v, year;
        return ReadNumber(v) && Dialect.CompleteYear(v, Letters == 4, year) && Store(fYear, Year, year);
    }
    bool OnTime(char16_t Letter, size_t) {
        int64_t v;
        if (!ReadNumber(v) || v >= (Letter == u'h' ? 24 : 60)) return false;
        return Letter == u'h'   ? StoreOnce(fHour, Hour, v)
               : Letter == u'n' ? StoreOnce(fMinute, Minute, v)
                                : StoreOnce(fSecond, Second, v);
    }
    bool OnMilliSecond(size_t) {
        int64_t v;
        return ReadNumber(v) && v < 1000 && StoreOnce(fMSec, MSec, v);
    }
    // The morning text needs an hour of at most 12 so far, and a marker read again must agree.
    bool OnMarker(const TMarkerForm& Form) {
        const int text = MarkerTextAt(Form);
        if (text == 0 || (text == 1 && Hour > 12)) return false;
        const bool isPM = text == 2;
        P += (isPM ? Form.PM : Form.AM).size();
        if (Seen.Contains(fMarker) && PM != isPM) return false;
        Seen.Include(fMarker);
        PM = isPM;
        return true;
    }

    // After the walk: the date parts not read come from the calendar's today, and the marker's rules
    // settle the hour. False when hour and marker disagree or the year leaves 16 bits.
    template <typename TDialect> bool Finish(const TDialect& Dialect) {
        if (!Seen.Contains(fYear) || !Seen.Contains(fMonth) || !Seen.Contains(fDay)) {
            uint16_t year, month, day;
            Dialect.DecodeToday(year, month, day);
            if (!Seen.Contains(fYear)) Year = year;
            if (!Seen.Contains(fMonth)) Month = month;
            if (!Seen.Contains(fDay)) Day = day;
        }
        if (Seen.Contains(fMarker)) {
            if (!PM) {
                if (Hour > 12) return false;
            } else {
                if (Hour == 0) return false;
                // 12 with the afternoon marker is midnight; 12 with the morning marker stays noon.
                if (Hour <= 12) Hour = static_cast<uint16_t>((Hour + 12) % 24);
            }
        }
        return Year >= 0 && Year <= 0xFFFF;
    }
};

// The whole parse of Str in Format: the walk, then the parts not read, then the calendar's encoding.
// Besides the walk's, the dialect gives CompleteYear(Number, Full, Year), false for a year it does not
// accept; DayNameValue(Index), the day-of-week a day name at Index (0-based) stands for;
// DecodeToday(Year, Month, Day); TryEncode(…), the date and time parts; and DayNameOf(Value), the
// day-of-week a day name read must agree with.
template <typename TDialect>
bool ParseDateTime(const TDialect& Dialect, const Sys::string& Format, const Sys::string& Str,
                   Sys::TDateTime& DateTime) {
    TDateParseState st(Str);
    if (!WalkFormat(st, Format, Dialect) || !st.Finish(Dialect)) return false;
    Sys::TDateTime value;
    if (!Dialect.TryEncode(static_cast<uint16_t>(st.Year), st.Month, st.Day, st.Hour, st.Minute, st.Second,
                           st.MSec, value))
        return false;
    if (st.Seen.Contains(TDateParseState::fDOW) && Dialect.DayNameOf(value) != st.DOW) return false;
    DateTime = value;
    return true;
}

// Where the fields of a date text stand: the walk stops at the field with which the count of
// numeric fields reaches Index.
struct TDateFieldLocatorState : TDateTextCursor {
    TDateFieldLocatorState(const Sys::string& Text, int32_t AIndex, bool ATwelveHour)
        : TDateTextCursor(Text), Index(AIndex), TwelveHour(ATwelveHour) {}
    int32_t Index;
    bool TwelveHour;
    int32_t Count = 0;
    TJhDateTimeMaskType Kind = hdmtNone;
    int32_t SelStart = 0, SelLength = 0;
    bool VariableWidth = true;

    // Records a field of Length characters at P.
    void Record(TJhDateTimeMaskType AKind, size_t Length, bool TwoLetterForm) {
        SelStart = static_cast<int32_t>(P + 1);
        SelLength = static_cast<int32_t>(Length);
        P += Length;
        if (++Count == Index) {
            Kind = AKind;
            if (TwoLetterForm) VariableWidth = false;
        }
    }
    bool RecordNumber(TJhDateTimeMaskType AKind, bool TwoLetterForm) {
        size_t n = 0;
        while (P + n < Str.size() && IsAsciiDigit(Str[P + n])) ++n;
        Record(AKind, n, TwoLetterForm);
        return true;
    }

    // --- The elements of WalkFormat
    bool Done() const { return Count >= Index; }
    bool OnDay(size_t Letters) { return RecordNumber(hdmtDay, Letters == 2); }
    // A day name is no field, but the walk must get past it to find the fields after it.
    template <typename TDialect> bool OnDayName(const std::array<Sys::string, 7>& Names, const TDialect&) {
        if (const int k = FindName(Names, Str, P); k >= 0) P += Names[k].size();
        return true;
    }
    bool OnMonth(size_t Letters) { return RecordNumber(hdmtMonth, Letters == 2); }
    // The long name first: a short name is often its beginning.
    template <typename TDialect> bool OnMonthName(size_t Letters, const TDialect& Dialect) {
        const Sys::TFormatSettings& fs = Dialect.Settings();
        const Sys::string* name = nullptr;
        if (const int k = FindName(fs.LongMonthNames, Str, P); k >= 0)
            name = &fs.LongMonthNames[k];
        else if (const int l = FindName(fs.ShortMonthNames, Str, P); l >= 0)
            name = &fs.ShortMonthNames[l];
        if (!name) return false;
        Record(Dialect.MonthNameKind(Letters), name->size(), false);
        return true;
    }
    template <typename TDialect> bool OnYear(size_t Letters, const TDialect&) {
        return RecordNumber(Letters == 4 ? hdmtLongYear : hdmtYear, true);
    }
    bool OnTime(char16_t Letter, size_t Letters) {
        return RecordNumber(Letter == u'h'   ? (TwelveHour ? hdmt12Hour : hdmt24Hour)
                            : Letter == u'n' ? hdmtMinute
                                             : hdmtSecond,
                            Letters == 2);
    }
    bool OnMilliSecond(size_t Letters) { return RecordNumber(hdmtMilliSec, Letters >= 2); }
    bool OnMarker(const TMarkerForm& Form) {
        const int text = MarkerTextAt(Form);
        if (text == 0) return false;
        Record(Form.Kind, (text == 1 ? Form.AM : Form.PM).size(), false);
        return true;
    }
};

// The kind of the field with which the count of numeric fields reaches Index, and where it stands in
// Text (SelStart 1-based), or hdmtNone. Besides the walk's, the dialect gives MonthNameKind(Letters),
// the kind of a month-name field, and TwelveHour(Format), whether the hours of Format are on a
// twelve-hour clock.
template <typename TDialect>
TJhDateTimeMaskType LocateField(const TDialect& Dialect, int32_t Index, const Sys::string& Text,
                                const Sys::string& Format, int32_t& SelStart, int32_t& SelLength,
                                bool& VariableWidth) {
    TDateFieldLocatorState st(Text, Index, Dialect.TwelveHour(Format));
    VariableWidth = true;
    if (Index < 1 || !WalkFormat(st, Format, Dialect) || !st.Done()) return hdmtNone;
    SelStart = st.SelStart;
    SelLength = st.SelLength;
    VariableWidth = st.VariableWidth;
    return st.Kind;
}

} // namespace Zarvel
