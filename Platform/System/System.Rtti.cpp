#include "System.Rtti.h"

#include <cmath>
#include <cstdlib>

namespace Sys {

namespace {
[[noreturn]] void InvalidCast() {
    throw EInvalidCast(u"Invalid class typecast");
}
} // namespace

bool TValue::AsBoolean() const {
    if (FKind != TValueKind::Boolean) InvalidCast();
    return std::get<bool>(FValue);
}

const string& TValue::AsString() const {
    if (FKind != TValueKind::String) InvalidCast();
    return std::get<string>(FValue);
}

int64_t TValue::AsInteger() const {
    if (FKind != TValueKind::Integer) InvalidCast();
    return std::get<int64_t>(FValue);
}

double TValue::AsFloat() const {
    switch (FKind) {
    case TValueKind::Integer: return double(std::get<int64_t>(FValue));
    case TValueKind::Float:
    case TValueKind::Date:
    case TValueKind::DateTime: return std::get<double>(FValue);
    default: InvalidCast();
    }
}

bool TryStrToBool(const string& S, bool& Value) {
    const string lower = LowerCase(S);
    if (lower == u"true" || lower == u"false") {
        Value = lower == u"true";
        return true;
    }
    // A number in plain ASCII: an optional sign, digits, an optional fraction.
    std::string ascii;
    for (char16_t c : S) {
        if (c > 0x7F) return false;
        ascii += char(c);
    }
    if (ascii.empty() || ascii.find_first_of(" \t\n") != std::string::npos) return false;
    char* end = nullptr;
    const double number = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !std::isfinite(number)) return false;
    Value = number != 0;
    return true;
}

} // namespace Sys
