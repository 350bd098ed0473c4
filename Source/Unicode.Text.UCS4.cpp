#include "Unicode.Text.UCS4.h"

#include "System.SysUtils.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace Zarvel {

namespace {
constexpr const char* UnitName = "Unicode.Text.UCS4";
using Sys::TCharacter;
using Sys::TUnicodeCategory;
} // namespace

UCS4Char TUCS4CharHelper::MaxCodePoint() {
    return TCharacter::MaxCodePoint;
}
std::string TUCS4CharHelper::UnicodeDataVersion() {
    return TCharacter::UnicodeDataVersion();
}
bool TUCS4CharHelper::IsLetter(UCS4Char C) {
    return TCharacter::IsLetter(C);
}
bool TUCS4CharHelper::IsLetterOrDigit(UCS4Char C) {
    return TCharacter::IsLetterOrDigit(C);
}
bool TUCS4CharHelper::IsControl(UCS4Char C) {
    return TCharacter::IsControl(C);
}
bool TUCS4CharHelper::IsDefined(UCS4Char C) {
    return TCharacter::IsDefined(C);
}
bool TUCS4CharHelper::IsDigit(UCS4Char C) {
    return TCharacter::IsDigit(C);
}
bool TUCS4CharHelper::IsHighSurrogate(UCS4Char C) {
    return TCharacter::IsHighSurrogate(C);
}
bool TUCS4CharHelper::IsLowSurrogate(UCS4Char C) {
    return TCharacter::IsLowSurrogate(C);
}
bool TUCS4CharHelper::IsSurrogate(UCS4Char C) {
    return TCharacter::IsSurrogate(C);
}
bool TUCS4CharHelper::IsLower(UCS4Char C) {
    return TCharacter::IsLower(C);
}
bool TUCS4CharHelper::IsUpper(UCS4Char C) {
    return TCharacter::IsUpper(C);
}
bool TUCS4CharHelper::IsNumber(UCS4Char C) {
    return TCharacter::IsNumber(C);
}
bool TUCS4CharHelper::IsPunctuation(UCS4Char C) {
    return TCharacter::IsPunctuation(C);
}
bool TUCS4CharHelper::IsSeparator(UCS4Char C) {
    return TCharacter::IsSeparator(C);
}
bool TUCS4CharHelper::IsSymbol(UCS4Char C) {
    return TCharacter::IsSymbol(C);
}
bool TUCS4CharHelper::IsWhiteSpace(UCS4Char C) {
    return TCharacter::IsWhiteSpace(C);
}
TUnicodeCategory TUCS4CharHelper::GetUnicodeCategory(UCS4Char C) {
    return TCharacter::GetUnicodeCategory(C);
}
double TUCS4CharHelper::GetNumericValue(UCS4Char C) {
    return TCharacter::GetNumericValue(C);
}
UCS4Char TUCS4CharHelper::ToLower(UCS4Char C) {
    return TCharacter::ToLower(C);
}
UCS4Char TUCS4CharHelper::ToUpper(UCS4Char C) {
    return TCharacter::ToUpper(C);
}

bool TUCS4CharHelper::IsInArray(UCS4Char C, const std::vector<UCS4Char>& Chars) {
    return std::find(Chars.begin(), Chars.end(), C) != Chars.end();
}

char16_t TUCS4CharHelper::ToWideChar(UCS4Char C) {
    return static_cast<char16_t>(C & 0xFFFF);
}

void TUCS4CharHelper::ConvertFromUtf16(UCS4Char& Self, const Sys::string& S, int Index) {
    int length;
    ConvertFromUtf16(Self, S, Index, length);
}

void TUCS4CharHelper::ConvertFromUtf16(UCS4Char& Self, const Sys::string& S, int Index, int& CharLength) {
    size_t length = 0;
    Self = Index < 0 ? 0 : Sys::CodePointAt(S, static_cast<size_t>(Index), &length);
    CharLength = static_cast<int>(length);
}

void TUCS4CharHelper::ConvertFromUtf16(UCS4Char& Self, char16_t High, char16_t Low) {
    Self = TCharacter::IsHighSurrogate(High) && TCharacter::IsLowSurrogate(Low)
               ? 0x10000 + ((UCS4Char(High) - 0xD800) << 10) + (UCS4Char(Low) - 0xDC00)
               : UCS4Char(High);
}

Sys::string TUCS4CharHelper::ConvertToUtf16(UCS4Char C) {
    return Sys::CodePointToString(C);
}

UCS4Char TUCS4StringHelper::GetChars(const UCS4String& S, int Index) {
    return S.at(static_cast<size_t>(Index));
}
bool TUCS4StringHelper::IsEmpty(const UCS4String& S) {
    return S.empty();
}
int TUCS4StringHelper::Length(const UCS4String& S) {
    return static_cast<int>(S.size());
}

int TUCS4CharPtrHelper::ConvertFromUtf16(PUCS4Char Self, const Sys::string& S) {
    const UCS4String converted = Sys::UnicodeStringToUCS4String(S);
    if (Self) std::memcpy(Self, converted.data(), converted.size() * sizeof(UCS4Char));
    return static_cast<int>(converted.size());
}

int TUCS4CharPtrHelper::ConvertFromUtf16(PUCS4Char Self, const Sys::string& S, int MaxBytes) {
    const UCS4String converted = Sys::UnicodeStringToUCS4String(S);
    const size_t fits = MaxBytes <= 0 ? 0 : static_cast<size_t>(MaxBytes) / sizeof(UCS4Char);
    if (Self) std::memcpy(Self, converted.data(), std::min(fits, converted.size()) * sizeof(UCS4Char));
    return static_cast<int>(converted.size());
}

void TUCS4CharPtrHelper::ConvertFromUtf16(const Sys::string& S, PUCS4Char& P) {
    if (S.empty()) return Free(P);
    const UCS4String converted = Sys::UnicodeStringToUCS4String(S);
    void* grown = std::realloc(P, converted.size() * sizeof(UCS4Char));
    if (!grown) throw std::bad_alloc();
    P = static_cast<PUCS4Char>(grown);
    std::memcpy(P, converted.data(), converted.size() * sizeof(UCS4Char));
}

Sys::string TUCS4CharPtrHelper::ConvertToUtf16(PUCS4Char Self) {
    return Self ? Sys::UCS4StringToUnicodeString(Self, static_cast<size_t>(Length(Self))) : Sys::string();
}

void TUCS4CharPtrHelper::Free(PUCS4Char& Self) {
    std::free(Self);
    Self = nullptr;
}

int TUCS4CharPtrHelper::Length(PUCS4Char Self) {
    if (!Self) return 0;
    int n = 0;
    while (Self[n] != 0) ++n;
    return n;
}

PUCS4Char TUCS4CharPtrHelper::PUCS4Chars(UCS4String& A) {
    return A.empty() ? nullptr : A.data();
}

UCS4String TUCS4CharPtrHelper::ToUCS4String(PUCS4Char Self) {
    return Self ? UCS4String(Self, Self + Length(Self)) : UCS4String();
}

bool IsLexemeChar(UCS4Char C) {
    if (TCharacter::IsLetterOrDigit(C)) return true;
    switch (TCharacter::GetUnicodeCategory(C)) {
    case TUnicodeCategory::Pe:
    case TUnicodeCategory::Po:
    case TUnicodeCategory::Ps:
    case TUnicodeCategory::Sm: return true;
    default: return false;
    }
}

namespace {

// Steps back from P while the character before it has lexeme class W; never before Start.
const UCS4Char* BackOver(const UCS4Char* Start, const UCS4Char* P, bool W) {
    while (P > Start && IsLexemeChar(P[-1]) == W) --P;
    return P;
}

const UCS4Char* ForwardOver(const UCS4Char* P, bool W) {
    while (*P != 0 && IsLexemeChar(*P) == W) ++P;
    return P;
}

int BackOver(const UCS4String& S, int I, bool W) {
    while (I > 0 && IsLexemeChar(S[static_cast<size_t>(I - 1)]) == W) --I;
    return I;
}

int ForwardOver(const UCS4String& S, int I, bool W) {
    while (I < static_cast<int>(S.size()) && IsLexemeChar(S[static_cast<size_t>(I)]) == W) ++I;
    return I;
}

void CheckBackward(const UCS4Char* Start, const UCS4Char* P) {
    ZARVEL_ASSERT(Start != nullptr);
    ZARVEL_ASSERT(P == nullptr || P >= Start);
}

// Array positions are clamped into the array so that no caller error reads outside it.
int Clamp(const UCS4String& S, int Index) {
    return std::clamp(Index, 0, static_cast<int>(S.size()));
}

} // namespace

const UCS4Char* GetLexemeBegin(const UCS4Char* Start, const UCS4Char* P) {
    CheckBackward(Start, P);
    if (!P) return P;
    if (!IsLexemeChar(*P)) P = BackOver(Start, P, false);
    return BackOver(Start, P, true);
}

const UCS4Char* GetLexemeEnd(const UCS4Char* P) {
    if (!P || *P == 0) return P;
    const bool w = IsLexemeChar(*P);
    while (P[1] != 0 && IsLexemeChar(P[1]) == w) ++P;
    return P;
}

const UCS4Char* GetNextLexemeBegin(const UCS4Char* P) {
    if (!P) return P;
    if (IsLexemeChar(*P)) P = ForwardOver(P, true);
    return ForwardOver(P, false);
}

const UCS4Char* GetPrevLexemeBegin(const UCS4Char* Start, const UCS4Char* P) {
    CheckBackward(Start, P);
    if (!P || P == Start) return P;
    if (!IsLexemeChar(P[-1])) P = BackOver(Start, P, false);
    return BackOver(Start, P, true);
}

const UCS4Char* GetPrevLexemeEnd(const UCS4Char* Start, const UCS4Char* P) {
    CheckBackward(Start, P);
    if (!P || P == Start || IsLexemeChar(P[-1])) return P;
    return BackOver(Start, P, false);
}

int GetLexemeBegin(const UCS4String& S, int Index) {
    if (S.empty() || Index < 0) return 0;
    Index = std::min(Index, static_cast<int>(S.size()) - 1);
    if (!IsLexemeChar(S[static_cast<size_t>(Index)])) Index = BackOver(S, Index, false);
    return BackOver(S, Index, true);
}

int GetLexemeEnd(const UCS4String& S, int Index) {
    const int length = static_cast<int>(S.size());
    if (Index < 0 || Index >= length) return Index;
    const bool w = IsLexemeChar(S[static_cast<size_t>(Index)]);
    while (Index + 1 < length && IsLexemeChar(S[static_cast<size_t>(Index + 1)]) == w) ++Index;
    return Index;
}

int GetNextLexemeBegin(const UCS4String& S, int Index) {
    if (S.empty() || Index < 0) return 0;
    Index = Clamp(S, Index);
    if (Index < static_cast<int>(S.size()) && IsLexemeChar(S[static_cast<size_t>(Index)]))
        Index = ForwardOver(S, Index, true);
    return ForwardOver(S, Index, false);
}

int GetPrevLexemeBegin(const UCS4String& S, int Index) {
    if (S.empty() || Index < 1) return 0;
    Index = Clamp(S, Index);
    if (!IsLexemeChar(S[static_cast<size_t>(Index - 1)])) Index = BackOver(S, Index, false);
    return BackOver(S, Index, true);
}

int GetPrevLexemeEnd(const UCS4String& S, int Index) {
    if (S.empty() || Index < 1) return 0;
    Index = Clamp(S, Index);
    if (IsLexemeChar(S[static_cast<size_t>(Index - 1)])) return Index;
    return BackOver(S, Index, false);
}

} // namespace Zarvel
