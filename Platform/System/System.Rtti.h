// The run-time library's variant value: empty, or one Boolean, string, date, date-time, integer or
// floating-point value. Reading it as a kind it cannot be converted to raises EInvalidCast.
#pragma once

#include "System.DateUtils.h"

#include <cstdint>
#include <variant>

namespace Sys {

enum class TValueKind : uint8_t { Empty, Boolean, String, Date, DateTime, Integer, Float };

class TValue {
public:
    TValue() = default;
    static TValue Empty() { return {}; }
    static TValue From(bool Value) { return TValue(TValueKind::Boolean, Value); }
    static TValue From(const string& Value) { return TValue(TValueKind::String, Value); }
    static TValue From(int64_t Value) { return TValue(TValueKind::Integer, Value); }
    static TValue From(double Value) { return TValue(TValueKind::Float, Value); }
    // A date has no time of day: the fraction is dropped.
    static TValue FromDate(TDateTime Value) { return TValue(TValueKind::Date, TDateTime(DayOf(Value))); }
    static TValue FromDateTime(TDateTime Value) { return TValue(TValueKind::DateTime, Value); }

    TValueKind Kind() const { return FKind; }
    bool IsEmpty() const { return FKind == TValueKind::Empty; }

    bool AsBoolean() const;
    const string& AsString() const;
    int64_t AsInteger() const;
    // Floats, dates, date-times and integers.
    double AsFloat() const;
    TDateTime AsDateTime() const { return AsFloat(); }

    bool operator==(const TValue&) const = default;

private:
    template <typename T> TValue(TValueKind Kind, T Value) : FKind(Kind), FValue(std::move(Value)) {}
    TValueKind FKind = TValueKind::Empty;
    std::variant<std::monostate, bool, string, int64_t, double> FValue;
};

// "True" and "False" in any letter case, or a number (zero is false).
bool TryStrToBool(const string& S, bool& Value);

} // namespace Sys
