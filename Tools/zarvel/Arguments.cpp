#include "Arguments.h"

#include "RTLSystem.GlobalSettings.h"
#include "System.Character.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <iterator>

namespace ZarvelTool {

TArguments::TArguments(const std::vector<std::string>& Args, const std::vector<TOptionSpec>& Specs,
                       size_t MaxPositionals) {
    bool optionsEnded = false;
    for (size_t i = 0; i < Args.size(); ++i) {
        const std::string& arg = Args[i];
        if (optionsEnded || arg.size() < 3 || arg.compare(0, 2, "--") != 0) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            FPositionals.push_back(arg);
            continue;
        }
        std::string name = arg.substr(2), value;
        const size_t equals = name.find('=');
        const bool inlineValue = equals != std::string::npos;
        if (inlineValue) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (name == "help") {
            FOptions.emplace_back(name, "");
            continue;
        }
        auto spec =
            std::find_if(Specs.begin(), Specs.end(), [&](const TOptionSpec& s) { return s.Name == name; });
        if (spec == Specs.end()) throw TUsageError("unknown option --" + name);
        if (spec->TakesValue && !inlineValue) {
            if (i + 1 >= Args.size()) throw TUsageError("option --" + name + " needs a value");
            value = Args[++i];
        } else if (!spec->TakesValue && inlineValue) {
            throw TUsageError("option --" + name + " takes no value");
        }
        if (!spec->Choices.empty() &&
            std::find(spec->Choices.begin(), spec->Choices.end(), value) == spec->Choices.end()) {
            std::string list;
            for (const auto& c : spec->Choices) list += (list.empty() ? "" : ", ") + c;
            throw TUsageError("option --" + name + " takes one of: " + list);
        }
        FOptions.emplace_back(name, value);
    }
    if (!Has("help") && FPositionals.size() > MaxPositionals) throw TUsageError("too many arguments");
}

bool TArguments::Has(const std::string& Name) const {
    return std::any_of(FOptions.begin(), FOptions.end(), [&](const auto& o) { return o.first == Name; });
}

std::string TArguments::Value(const std::string& Name, const std::string& Default) const {
    for (auto it = FOptions.rbegin(); it != FOptions.rend(); ++it)
        if (it->first == Name) return it->second;
    return Default;
}

std::vector<std::string> TArguments::Values(const std::string& Name) const {
    std::vector<std::string> result;
    for (const auto& o : FOptions)
        if (o.first == Name) result.push_back(o.second);
    return result;
}

namespace {
std::string ReadStandardInput() {
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
}
} // namespace

Sys::string InputText(const TArguments& Args) {
    if (!Args.Positionals().empty()) return Sys::Utf8ToString(Args.Positionals().front());
    return Sys::Utf8ToString(ReadStandardInput());
}

std::vector<Sys::string> InputLines() {
    const std::string all = ReadStandardInput();
    std::vector<Sys::string> lines;
    size_t start = 0;
    while (start < all.size()) {
        size_t end = all.find('\n', start);
        const size_t next = end == std::string::npos ? all.size() : end + 1;
        if (end == std::string::npos) end = all.size();
        if (end > start && all[end - 1] == '\r') --end;
        lines.push_back(Sys::Utf8ToString(std::string_view(all).substr(start, end - start)));
        start = next;
    }
    return lines;
}

std::vector<Sys::string> InputTexts(const TArguments& Args) {
    if (!Args.Has("each-line")) return {InputText(Args)};
    if (!Args.Positionals().empty()) throw TUsageError("--each-line reads standard input, not TEXT");
    return InputLines();
}

TOptionSpec DigitsOption() {
    return {"digits", true, {"arabic1", "arabic2", "latin"}};
}

void ApplyDigits(const TArguments& Args) {
    using TArabicDigitType = Zarvel::TRTLGlobalSettings::TArabicDigitType;
    if (!Args.Has("digits")) return;
    const std::string digits = Args.Value("digits", "");
    Zarvel::TRTLGlobalSettings::ArabicDigitType = digits == "arabic1"   ? TArabicDigitType::ArabicDigitType1
                                                  : digits == "arabic2" ? TArabicDigitType::ArabicDigitType2
                                                                        : TArabicDigitType::Latin;
}

std::string Utf8(const Sys::string& S) {
    return Sys::StringToUtf8(S);
}

std::string JsonString(const Sys::string& S) {
    std::string out = "\"";
    for (size_t i = 0; i < S.size(); ++i) {
        const char16_t c = S[i];
        char buffer[8];
        switch (c) {
        case u'"': out += "\\\""; break;
        case u'\\': out += "\\\\"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        default:
            // Lone surrogates cannot be written as UTF-8; escape them so that nothing is lost.
            if (c < 0x20 || (Sys::TCharacter::IsSurrogate(c) &&
                             !(Sys::TCharacter::IsHighSurrogate(c) && i + 1 < S.size() &&
                               Sys::TCharacter::IsLowSurrogate(S[i + 1])) &&
                             !(Sys::TCharacter::IsLowSurrogate(c) && i > 0 &&
                               Sys::TCharacter::IsHighSurrogate(S[i - 1])))) {
                std::snprintf(buffer, sizeof buffer, "\\u%04x", unsigned(c));
                out += buffer;
            } else if (Sys::TCharacter::IsHighSurrogate(c)) {
                out += Sys::StringToUtf8(S.substr(i, 2));
                ++i;
            } else {
                out += Sys::StringToUtf8(Sys::string(1, c));
            }
        }
    }
    return out + "\"";
}

std::string CodePointName(char32_t C) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", unsigned(C));
    return buffer;
}

} // namespace ZarvelTool
