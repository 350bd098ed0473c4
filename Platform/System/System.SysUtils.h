// Exceptions, the assertion macro and the date-time stamp of the run-time stand-in.
#pragma once

#include "System.Types.h"

#include <array>
#include <exception>
#include <initializer_list>
#include <string>

namespace Sys {

// Base of every error the library raises. The message is kept as UTF-16 (the system's own text) and
// as UTF-8 for what().
class Exception : public std::exception {
public:
    explicit Exception(const string& Message);
    explicit Exception(const std::string& MessageUtf8);
    const string& Message() const noexcept { return FMessage; }
    const char* what() const noexcept override { return FWhat.c_str(); }

protected:
    void SetWhat(std::string What) { FWhat = std::move(What); }

private:
    string FMessage;
    std::string FWhat;
};

// Raised by a failed internal consistency check: a programming error, not for callers to catch.
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const string& Message, const char* UnitName, int Line);
    const std::string& UnitName() const noexcept { return FUnitName; }
    int Line() const noexcept { return FLine; }

private:
    std::string FUnitName;
    int FLine;
};

class EConvertError : public Exception {
    using Exception::Exception;
};
class EArgumentException : public Exception {
    using Exception::Exception;
};
class EArgumentOutOfRangeException : public EArgumentException {
    using EArgumentException::EArgumentException;
};
class EIntError : public Exception {
    using Exception::Exception;
};
class EDivByZero : public EIntError {
    using EIntError::EIntError;
};
class EInvalidOpException : public Exception {
    using Exception::Exception;
};
// A call of an operation that the object's class does not supply.
class EAbstractError : public Exception {
    using Exception::Exception;
};
class EListError : public Exception {
    using Exception::Exception;
};
class EInvalidCast : public Exception {
    using Exception::Exception;
};
// A form file that cannot be read.
class EReadError : public Exception {
    using Exception::Exception;
};

// Default text of an assertion without a message of its own.
inline constexpr char16_t SAssertionFailed[] = u"Assertion failure";

[[noreturn]] void RaiseAssertion(const string& Message, const char* UnitName, int Line);

// A time stamp: days since 0001-01-01 (day 1) and milliseconds since midnight.
struct TTimeStamp {
    int32_t Time;
    int32_t Date;
};

TTimeStamp DateTimeToTimeStamp(double DateTime);

// Locale conventions for formatting and parsing. A default-constructed record holds the invariant
// settings; Create fills one from ICU's data for a locale. Name arrays are 0-based: index 0 holds
// January, respectively Sunday.
struct TFormatSettings {
    string CurrencyString = u"\u00A4";
    uint8_t CurrencyFormat = 0;
    uint8_t NegCurrFormat = 0;
    char16_t ThousandSeparator = u',';
    char16_t DecimalSeparator = u'.';
    uint8_t CurrencyDecimals = 2;
    char16_t DateSeparator = u'/';
    char16_t TimeSeparator = u':';
    char16_t ListSeparator = u',';
    string ShortDateFormat = u"MM/dd/yyyy";
    string LongDateFormat = u"dddd, dd MMMM yyyy";
    string TimeAMString = u"AM";
    string TimePMString = u"PM";
    string ShortTimeFormat = u"hh:mm";
    string LongTimeFormat = u"hh:mm:ss";
    std::array<string, 12> ShortMonthNames = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                              u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    std::array<string, 12> LongMonthNames = {u"January",   u"February", u"March",    u"April",
                                             u"May",       u"June",     u"July",     u"August",
                                             u"September", u"October",  u"November", u"December"};
    std::array<string, 7> ShortDayNames = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
    std::array<string, 7> LongDayNames = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                          u"Thursday", u"Friday", u"Saturday"};
    uint16_t TwoDigitYearCenturyWindow = 50;

    static TFormatSettings Invariant() { return {}; }
    // Every text empty, every character and number zero.
    static TFormatSettings Empty();
    // The settings of a locale named as "fa-IR", "fa_IR" or "en"; an empty name gives the invariant
    // settings. A name ICU does not know raises EArgumentException.
    static TFormatSettings Create(const string& LocaleName);
};

// The process-wide format settings; they start as the invariant settings.
extern TFormatSettings FormatSettings;

// One argument of Format: an integer or a text.
struct TVarRec {
    TVarRec(long long Value) : IsText(false), Int(Value) {}
    TVarRec(long Value) : IsText(false), Int(Value) {}
    TVarRec(int Value) : IsText(false), Int(Value) {}
    TVarRec(unsigned Value) : IsText(false), Int(Value) {}
    TVarRec(const string& Value) : IsText(true), Text(Value) {}
    TVarRec(const char16_t* Value) : IsText(true), Text(Value) {}
    bool IsText;
    long long Int = 0;
    string Text;
};

// A–Z become a–z; every other character stays, as format letters and locale names need.
constexpr char16_t LowerCase(char16_t C) {
    return C >= u'A' && C <= u'Z' ? char16_t(C + 32) : C;
}
string LowerCase(string S);

// Formats Args into Fmt: "%d", "%u", "%x", "%s" with optional "-", width and ".precision" (for
// integers the least number of digits), and "%%". A directive that does not fit its argument, or a
// missing argument, raises EConvertError.
string Format(const string& Fmt, std::initializer_list<TVarRec> Args);

// Masks every floating-point exception of the process, so that faults give infinities and NaNs.
void MaskFPUExceptions();

} // namespace Sys

// The assertion macro: every unit that uses it defines `constexpr const char* UnitName` in its .cpp.
// The message expression is evaluated only when the check fails.
#define ZARVEL_ASSERT(Condition)                                                                             \
    do {                                                                                                     \
        if (!(Condition)) [[unlikely]]                                                                       \
            ::Sys::RaiseAssertion(::Sys::SAssertionFailed, UnitName, __LINE__);                              \
    } while (false)

#define ZARVEL_ASSERT_MSG(Condition, Message)                                                                \
    do {                                                                                                     \
        if (!(Condition)) [[unlikely]]                                                                       \
            ::Sys::RaiseAssertion((Message), UnitName, __LINE__);                                            \
    } while (false)
