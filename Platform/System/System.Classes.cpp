#include "System.Classes.h"

#include "System.Character.h"

#include <charconv>
#include <unordered_map>

namespace Sys {

const std::vector<TPropertyInfo>& TComponent::Properties() const {
    static const std::vector<TPropertyInfo> none;
    return none;
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> Component) {
    Component->FOwner = this;
    FComponents.push_back(std::move(Component));
    return FComponents.back().get();
}

TComponent* TComponent::FindComponent(const string& AName) const {
    for (const auto& c : FComponents)
        if (c->Name == AName) return c.get();
    return nullptr;
}

namespace {

std::unordered_map<std::string, TComponentFactory>& Classes() {
    static std::unordered_map<std::string, TComponentFactory> classes;
    return classes;
}

bool SameName(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(A[i])) != std::tolower(static_cast<unsigned char>(B[i])))
            return false;
    return true;
}

// A string literal: printable ASCII in quotes (a quote doubled), every other unit as #N.
std::string StringLiteral(const string& S) {
    std::string out;
    bool quoted = false;
    for (char16_t c : S) {
        const bool plain = c >= 0x20 && c < 0x7F;
        if (plain != quoted) {
            out += '\'';
            quoted = plain;
        }
        if (!plain)
            out += '#' + std::to_string(unsigned(c));
        else
            out += c == u'\'' ? "''" : std::string(1, char(c));
    }
    if (quoted) out += '\'';
    return out.empty() ? "''" : out;
}

void WriteComponent(std::string& Out, const TComponent& Component, int Depth) {
    const std::string indent(size_t(Depth) * 2, ' ');
    Out += indent + "object " + StringToUtf8(Component.Name) + ": " + Component.ClassName() + "\n";
    for (const TPropertyInfo& p : Component.Properties()) {
        const TValue value = p.Get(Component);
        if (p.Default && *p.Default == value) continue;
        Out += indent + "  " + p.Name + " = ";
        switch (p.Type) {
        case TPropertyType::String: Out += StringLiteral(value.AsString()); break;
        case TPropertyType::Boolean: Out += value.AsBoolean() ? "True" : "False"; break;
        case TPropertyType::Integer: Out += std::to_string(value.AsInteger()); break;
        }
        Out += "\n";
    }
    for (const auto& child : Component.Components()) WriteComponent(Out, *child, Depth + 1);
    Out += indent + "end\n";
}

// Reads the text form token by token; every error names its line.
class TFormReader {
public:
    explicit TFormReader(const std::string& Text) : FText(Text) {}

    std::unique_ptr<TComponent> ReadRoot() {
        auto root = ReadObject(0);
        SkipBlanks();
        if (FPos < FText.size()) Fail("text after the last end");
        return root;
    }

private:
    static constexpr int MaxDepth = 64;

    [[noreturn]] void Fail(const std::string& What) const {
        throw EReadError("Error reading form, line " + std::to_string(FLine) + ": " + What);
    }

    void SkipBlanks() {
        while (FPos < FText.size() &&
               (FText[FPos] == ' ' || FText[FPos] == '\t' || FText[FPos] == '\r' || FText[FPos] == '\n')) {
            if (FText[FPos] == '\n') ++FLine;
            ++FPos;
        }
    }

    static bool IsNameChar(char C) {
        return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || (C >= '0' && C <= '9') || C == '_' ||
               C == '.';
    }

    std::string Identifier() {
        SkipBlanks();
        const size_t start = FPos;
        while (FPos < FText.size() && IsNameChar(FText[FPos])) ++FPos;
        if (FPos == start) Fail("a name is expected");
        return FText.substr(start, FPos - start);
    }

    void Expect(char C) {
        SkipBlanks();
        if (FPos >= FText.size() || FText[FPos] != C) Fail(std::string("'") + C + "' is expected");
        ++FPos;
    }

    std::unique_ptr<TComponent> ReadObject(int Depth) {
        if (Depth >= MaxDepth) Fail("objects nested too deep");
        if (Identifier() != "object") Fail("'object' is expected");
        const std::string name = Identifier();
        Expect(':');
        const std::string className = Identifier();
        const auto found = Classes().find(className);
        if (found == Classes().end()) Fail("class " + className + " not found");
        std::unique_ptr<TComponent> component = found->second();
        component->Name = Utf8ToString(name);
        for (;;) {
            SkipBlanks();
            const size_t mark = FPos, line = FLine;
            const std::string word = Identifier();
            if (word == "end") return component;
            if (word == "object") {
                FPos = mark;
                FLine = line;
                component->InsertComponent(ReadObject(Depth + 1));
                continue;
            }
            Expect('=');
            ReadProperty(*component, name, word);
        }
    }

    void ReadProperty(TComponent& Component, const std::string& ObjectName, const std::string& Property) {
        const TPropertyInfo* info = nullptr;
        for (const TPropertyInfo& p : Component.Properties())
            if (SameName(p.Name, Property)) info = &p;
        if (!info) Fail(ObjectName + "." + Property + ": property " + Property + " does not exist");
        SkipBlanks();
        TValue value;
        switch (info->Type) {
        case TPropertyType::String: value = TValue::From(StringValue()); break;
        case TPropertyType::Boolean: {
            const std::string word = Identifier();
            if (!SameName(word, "True") && !SameName(word, "False")) Fail(Property + " takes True or False");
            value = TValue::From(SameName(word, "True"));
            break;
        }
        case TPropertyType::Integer: value = TValue::From(IntegerValue()); break;
        }
        info->Set(Component, value);
    }

    // Quoted runs and #N characters, side by side.
    string StringValue() {
        string out;
        bool any = false;
        while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) {
            any = true;
            if (FText[FPos] == '#') {
                ++FPos;
                uint32_t code = 0;
                const auto [end, error] =
                    std::from_chars(FText.data() + FPos, FText.data() + FText.size(), code);
                if (error != std::errc() || code > 0xFFFF) Fail("a character number is expected after #");
                FPos = size_t(end - FText.data());
                out += char16_t(code);
                continue;
            }
            std::string run;
            for (++FPos;; ++FPos) {
                if (FPos >= FText.size() || FText[FPos] == '\n') Fail("unterminated string");
                if (FText[FPos] == '\'') {
                    if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
                        run += '\'';
                        ++FPos;
                        continue;
                    }
                    ++FPos;
                    break;
                }
                run += FText[FPos];
            }
            out += Utf8ToString(run);
        }
        if (!any) Fail("a string is expected");
        return out;
    }

    int64_t IntegerValue() {
        int64_t value = 0;
        const auto [end, error] = std::from_chars(FText.data() + FPos, FText.data() + FText.size(), value);
        if (error != std::errc()) Fail("a whole number is expected");
        FPos = size_t(end - FText.data());
        return value;
    }

    const std::string& FText;
    size_t FPos = 0;
    size_t FLine = 1;
};

} // namespace

void RegisterClass(const std::string& ClassName, TComponentFactory Factory) {
    Classes()[ClassName] = std::move(Factory);
}

void UnRegisterClass(const std::string& ClassName) {
    Classes().erase(ClassName);
}

std::string WriteComponentText(const TComponent& Root) {
    std::string out;
    WriteComponent(out, Root, 0);
    return out;
}

std::unique_ptr<TComponent> ReadComponentText(const std::string& Text) {
    return TFormReader(Text).ReadRoot();
}

} // namespace Sys
