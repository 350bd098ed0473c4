// The binding engine's value converters: a conversion from an input value to an output value,
// registered under an identifier with the value kinds it converts between, and found again by
// identifier or by the two kinds.
#pragma once

#include "System.Rtti.h"

#include <functional>
#include <vector>

namespace Sys {

using TValueConverterProc = std::function<void(const TValue& InValue, TValue& OutValue)>;

struct TConverterDescription {
    string ID;
    string Name;
    TValueKind InputKind;
    TValueKind OutputKind;
    TValueConverterProc Converter;
    string UnitName = {};
    string Description = {};
};

class TValueRefConverterFactory {
public:
    // An identifier already registered raises EListError.
    static void RegisterConversion(TConverterDescription Description);
    static void UnRegisterConversion(const string& ID);
    // Null when the identifier is not registered.
    static const TConverterDescription* FindConverter(const string& ID);
    // Every converter from InputKind to OutputKind, in the order they were registered.
    static std::vector<const TConverterDescription*> Converters(TValueKind InputKind, TValueKind OutputKind);
};

} // namespace Sys
