// Text held as 32-bit code points: operations on one code point, on a code-point array and on a
// 0-terminated heap buffer, and the lexeme (word boundary) navigation the layout breaks lines with.
#pragma once

#include "System.Character.h"

#include <string>
#include <vector>

namespace Zarvel {

using Sys::UCS4Char;
using Sys::UCS4String;
// A heap buffer of code points ending with a 0 element; its holder releases it with Free.
using PUCS4Char = UCS4Char*;

struct TUCS4CharHelper {
    static UCS4Char MaxCodePoint();
    static std::string UnicodeDataVersion();

    static bool IsLetter(UCS4Char C);
    static bool IsLetterOrDigit(UCS4Char C);
    static bool IsControl(UCS4Char C);
    static bool IsDefined(UCS4Char C);
    static bool IsDigit(UCS4Char C);
    static bool IsHighSurrogate(UCS4Char C);
    static bool IsLowSurrogate(UCS4Char C);
    static bool IsSurrogate(UCS4Char C);
    static bool IsLower(UCS4Char C);
    static bool IsUpper(UCS4Char C);
    static bool IsNumber(UCS4Char C);
    static bool IsPunctuation(UCS4Char C);
    static bool IsSeparator(UCS4Char C);
    static bool IsSymbol(UCS4Char C);
    static bool IsWhiteSpace(UCS4Char C);
    static Sys::TUnicodeCategory GetUnicodeCategory(UCS4Char C);
    static double GetNumericValue(UCS4Char C);
    static UCS4Char ToLower(UCS4Char C);
    static UCS4Char ToUpper(UCS4Char C);

    static bool IsInArray(UCS4Char C, const std::vector<UCS4Char>& Chars);
    // The low 16 bits as one UTF-16 unit, without surrogate handling.
    static char16_t ToWideChar(UCS4Char C);
    // Sets Self from the text at Index: a surrogate pair gives one code point. An Index outside the
    // text gives 0 and CharLength 0.
    static void ConvertFromUtf16(UCS4Char& Self, const Sys::string& S, int Index);
    static void ConvertFromUtf16(UCS4Char& Self, const Sys::string& S, int Index, int& CharLength);
    static void ConvertFromUtf16(UCS4Char& Self, char16_t High, char16_t Low);
    static Sys::string ConvertToUtf16(UCS4Char C);
};

struct TUCS4StringHelper {
    static UCS4Char GetChars(const UCS4String& S, int Index);
    static bool IsEmpty(const UCS4String& S);
    // The element count, a terminating 0 included when present.
    static int Length(const UCS4String& S);
};

struct TUCS4CharPtrHelper {
    // Copies the conversion of S, terminating 0 included, into the caller's buffer; returns the
    // number of elements copied.
    static int ConvertFromUtf16(PUCS4Char Self, const Sys::string& S);
    // The same, copying at most MaxBytes bytes; returns the element count of the full conversion.
    static int ConvertFromUtf16(PUCS4Char Self, const Sys::string& S, int MaxBytes);
    // Resizes the buffer P to the conversion of S and copies it; an empty S frees P and sets it null.
    static void ConvertFromUtf16(const Sys::string& S, PUCS4Char& P);
    static Sys::string ConvertToUtf16(PUCS4Char Self);
    static void Free(PUCS4Char& Self);
    static int Length(PUCS4Char Self);
    static PUCS4Char PUCS4Chars(UCS4String& A);
    static UCS4String ToUCS4String(PUCS4Char Self);
};

// A lexeme character: a letter or decimal digit, or open, close or other punctuation, or a math
// symbol. Everything else separates lexemes.
bool IsLexemeChar(UCS4Char C);

// Pointer forms work on a 0-terminated buffer; Start is the buffer's first element.
const UCS4Char* GetLexemeBegin(const UCS4Char* Start, const UCS4Char* P);
const UCS4Char* GetLexemeEnd(const UCS4Char* P);
const UCS4Char* GetNextLexemeBegin(const UCS4Char* P);
const UCS4Char* GetPrevLexemeBegin(const UCS4Char* Start, const UCS4Char* P);
const UCS4Char* GetPrevLexemeEnd(const UCS4Char* Start, const UCS4Char* P);

// Array forms work on 0-based indices into S.
int GetLexemeBegin(const UCS4String& S, int Index);
int GetLexemeEnd(const UCS4String& S, int Index);
int GetNextLexemeBegin(const UCS4String& S, int Index);
int GetPrevLexemeBegin(const UCS4String& S, int Index);
int GetPrevLexemeEnd(const UCS4String& S, int Index);

} // namespace Zarvel
