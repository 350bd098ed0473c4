// Exceptions, the assertion macro and the date-time stamp of the run-time stand-in.
#pragma once

#include "System.Types.h"

#include <exception>
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

// Default text of an assertion without a message of its own.
inline constexpr char16_t SAssertionFailed[] = u"Assertion failure";

[[noreturn]] void RaiseAssertion(const string& Message, const char* UnitName, int Line);

// A time stamp: days since 0001-01-01 (day 1) and milliseconds since midnight.
struct TTimeStamp {
    int32_t Time;
    int32_t Date;
};

TTimeStamp DateTimeToTimeStamp(double DateTime);

// Locale conventions for formatting and parsing; grows with the parts of the library that read it.
struct TFormatSettings {
    char16_t DateSeparator = u'/';
};

// The process-wide format settings.
extern TFormatSettings FormatSettings;

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
