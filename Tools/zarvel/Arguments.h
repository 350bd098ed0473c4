// The tool's one argument parser and its one UTF-8 boundary: options, the text argument or standard
// input, and JSON output helpers shared by every subcommand.
#pragma once

#include "System.Types.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace ZarvelTool {

// Bad usage: exit status 2.
struct TUsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// Bad input: exit status 1.
struct TInputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct TOptionSpec {
    std::string Name; // without the leading "--"
    bool TakesValue = false;
    std::vector<std::string> Choices = {}; // allowed values, when the option takes one from a list
};

class TArguments {
public:
    // Raises TUsageError for an unknown option, a missing or unlisted value, or more than MaxPositionals
    // positional arguments. "--help" is always known.
    TArguments(const std::vector<std::string>& Args, const std::vector<TOptionSpec>& Specs,
               size_t MaxPositionals = 1);

    bool Has(const std::string& Name) const;
    std::string Value(const std::string& Name, const std::string& Default) const;
    std::vector<std::string> Values(const std::string& Name) const;
    const std::vector<std::string>& Positionals() const { return FPositionals; }

private:
    std::vector<std::pair<std::string, std::string>> FOptions;
    std::vector<std::string> FPositionals;
};

// The text to work on: the positional TEXT when given, else all of standard input, as UTF-8 bytes
// taken as they are.
Sys::string InputText(const TArguments& Args);
// Every line of standard input without its line end ("\n" or "\r\n").
std::vector<Sys::string> InputLines();
// The texts to work on: every line of standard input with --each-line (TEXT is then a usage
// error), else the one text of InputText.
std::vector<Sys::string> InputTexts(const TArguments& Args);

// The --digits option shared by the commands that substitute digits, and setting the process-wide
// digit type from it when it is given.
TOptionSpec DigitsOption();
void ApplyDigits(const TArguments& Args);

std::string Utf8(const Sys::string& S);
// A JSON string literal of S.
std::string JsonString(const Sys::string& S);
// "U+XXXX" (at least four hexadecimal digits).
std::string CodePointName(char32_t C);

} // namespace ZarvelTool
