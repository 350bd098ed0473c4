// Formatted text: a cursor over markup that reads forwards or backwards, and the readers built on
// it that turn a small HTML subset and the RTF a rich edit control writes into plain text (and,
// for RTF, ranges with the formatting in force where each began).
#pragma once

#include "FMX.Types.h"
#include "System.SysUtils.h"
#include "System.UITypes.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Zarvel {

// A reader's failure to find what the markup must hold at the current position.
class EParseError : public Sys::Exception {
public:
    using Sys::Exception::Exception;
};

inline constexpr char16_t SExpectationErrOr[] = u"'%s' expected but '%s' found";
inline constexpr char16_t SInteger[] = u"an Integer";
inline constexpr char16_t SCharCode[] = u"Character code";
inline constexpr char16_t SIncompleteHTMLTag[] = u"Incomplete HTML Tag";
inline constexpr char16_t SHTMLTooDeep[] = u"HTML Tags are nested too deeply";
inline constexpr char16_t SBadRTFFormat[] = u"RTF Format is not supported.";
inline constexpr char16_t SUnexpectedEndOfRTFData[] = u"Unexpected end of RTF string.";

class TMarkupText {
public:
    // A set of 8-bit characters. A UTF-16 unit from 256 on belongs to no set.
    class TCharSet {
    public:
        constexpr TCharSet() = default;
        constexpr TCharSet(std::string_view Chars) {
            for (char c : Chars) Include(static_cast<unsigned char>(c));
        }
        constexpr void Include(unsigned C) { FBits[C >> 6] |= uint64_t(1) << (C & 63); }
        constexpr bool Contains(char16_t C) const { return C < 256 && (FBits[C >> 6] >> (C & 63) & 1) != 0; }

    private:
        uint64_t FBits[4] = {};
    };

    // A keyword table; a caller passes how many of its entries are in use.
    using TStringArray = std::array<Sys::string, 1025>;

    // A position is the index of a character of the reader's text. Reading backwards can leave the
    // reader at -1 (before the first character), as reading forwards leaves it at the length.
    using TPosition = std::ptrdiff_t;

    struct TReaderState {
        TPosition Position;
        int Direction;
    };

    // The cursor. The DoRead primitives and FindCharPos only look: each gives the position the
    // reader would move to, or nothing when the item is not there. The public reads come in three
    // forms: one that moves on success, a Still form that only looks, and a raising form.
    class TMarkupTextReader {
    public:
        static std::unique_ptr<TMarkupTextReader> CreateReader(const Sys::string& Text);
        // Reads up to the buffer's terminating 0.
        static std::unique_ptr<TMarkupTextReader> CreateReader(const char16_t* Text);
        virtual ~TMarkupTextReader() = default;

        // Primitives.
        virtual std::optional<TPosition> FindCharPos(Sys::Char C) const = 0;
        virtual std::optional<TPosition> FindAnyCharPos(const TCharSet& Set) const = 0;
        virtual std::optional<TPosition> DoRead(std::u16string_view S) const = 0;
        std::optional<TPosition> DoRead(std::string_view S) const;
        // Backwards, the characters copied are those ending at the position, in text order.
        virtual std::optional<TPosition> DoReadBuffer(Sys::Char* Buf, int Max, int& Count) const = 0;
        virtual std::optional<TPosition> DoReadTextTill(Sys::Char* Buf, int Max, int& Count,
                                                        Sys::Char Stop) const = 0;
        virtual std::optional<TPosition> DoReadTextTill(Sys::Char* Buf, int Max, int& Count,
                                                        const TCharSet& Stops) const = 0;
        virtual std::optional<TPosition> DoReadTextTill(Sys::string& S, Sys::Char Stop) const = 0;
        virtual std::optional<TPosition> DoReadIdent(Sys::string& S) const = 0;
        virtual std::optional<TPosition> DoReadQuotedString(Sys::string& S) const = 0;
        virtual std::optional<TPosition> DoReadDigits(Sys::string& S) const = 0;
        virtual std::optional<TPosition> DoReadHexDigits(Sys::string& S, int Count, int& N) const = 0;
        // N is the number of hex digits read.
        virtual std::optional<TPosition> DoReadHexBytes(uint8_t* Buf, int Count, int& N) const = 0;
        virtual std::optional<TPosition> DoReadEnumIndex(const TStringArray& Table, int Count,
                                                         int& Index) const = 0;
        virtual std::optional<TPosition> DoReadToken(Sys::Char C) const = 0;
        virtual std::optional<TPosition> DoReadToken(const TCharSet& Set, Sys::Char& C) const = 0;
        // Outside the text in either direction: at or past End, or before Start.
        virtual bool Eof() const = 0;
        virtual int FindChar(Sys::Char C, bool After) = 0;
        virtual int FindAny(const TCharSet& Set, Sys::Char& C, bool After) = 0;
        virtual Sys::Char Token() const = 0;
        virtual void CheckToken(Sys::Char C) = 0;
        virtual void StepBack(int N) = 0;
        virtual int Skip(int N) = 0;
        virtual void SkipSpaces(bool LineBreaks) = 0;

        // Reads that move on success.
        bool Read(std::u16string_view S);
        bool ReadToken(Sys::Char C);
        bool ReadToken(const TCharSet& Set, Sys::Char& C);
        bool ReadIdent(Sys::string& S);
        bool ReadQuotedString(Sys::string& S);
        bool ReadDigits(Sys::string& S);
        // Digits that make a 32-bit signed integer; more fail like no digits at all.
        bool ReadInteger(int32_t& N);
        // Up to Count (at most 8) hex digits as a number.
        bool ReadHex(uint32_t& Value, int Count = 8);
        bool ReadHexByte(uint8_t& B);
        bool ReadHexWord(uint16_t& W);
        bool ReadHexDigits(Sys::string& S, int Count, int& N);
        bool ReadEnumIndex(const TStringArray& Table, int Count, int& Index);

        // Reads that only look.
        bool ReadStill(std::u16string_view S) const;
        bool ReadTokenStill(Sys::Char C) const;
        bool ReadDigitsStill(Sys::string& S) const;
        bool ReadIntegerStill(int32_t& N) const;
        bool ReadEnumIndexStill(const TStringArray& Table, int Count, int& Index) const;
        bool ReadHexStill(uint32_t& Value, int Count = 8) const;

        // Reads that raise EParseError with SExpectationErrOr: what was expected, and the identifier
        // standing at the position (empty when there is none).
        void Check(std::u16string_view S);
        int32_t Integer();
        void SkipDigits();
        uint8_t HexByte();
        uint16_t HexWord();
        int EnumIndex(const TStringArray& Table, int Count);
        // The identifier at the position, or empty; the reader moves past it only when Advance.
        Sys::string Ident(bool Advance);
        // The second argument of its message is the current character.
        Sys::string QuotedString();

        // The text up to the stop character, moving to it. CopyText copies up to Max characters.
        int CopyText(Sys::Char* Buf, int Max);
        bool CopyTextTill(Sys::Char* Buf, int Max, int& Count, const TCharSet& Stops);
        bool CopyTextTill(Sys::string& S, Sys::Char Stop);

        TPosition SavePosition() const { return FPosition; }
        void RestorePosition(TPosition P);
        TReaderState SaveState() const { return {FPosition, FDirection}; }
        void RestoreState(const TReaderState& State);
        // Moves to P when it is set; reports whether it was.
        bool SetPos(std::optional<TPosition> P);
        // Narrows (or widens) the readable text to end before P; returns the previous end.
        TPosition SetEnd(TPosition P);

        int Direction() const { return FDirection; }
        void SetDirection(int Direction);
        TPosition Start() const { return FStart; }
        TPosition End() const { return FEnd; }
        const Sys::string& Text() const { return FText; }

        // EParseError with SExpectationErrOr: Expected, and Found or the identifier at the position.
        [[noreturn]] void RaiseExpectation(const Sys::string& Expected, const Sys::string& Found) const;
        [[noreturn]] void RaiseExpectation(const Sys::string& Expected) const;

    protected:
        explicit TMarkupTextReader(Sys::string Text);
        // Every position a reader may stand at: from one before Start to the end of the text.
        TPosition Clamp(TPosition P) const;
        std::optional<TPosition> DoReadHex(uint32_t& Value, int Count) const;

        Sys::string FText;
        TPosition FPosition = 0;
        int FDirection = 1;
        TPosition FStart = 0;
        TPosition FEnd = 0;
    };

    class TMarkupTextReaderUnicode final : public TMarkupTextReader {
    public:
        explicit TMarkupTextReaderUnicode(Sys::string Text) : TMarkupTextReader(std::move(Text)) {}

        using TMarkupTextReader::DoRead;
        std::optional<TPosition> FindCharPos(Sys::Char C) const override;
        std::optional<TPosition> FindAnyCharPos(const TCharSet& Set) const override;
        std::optional<TPosition> DoRead(std::u16string_view S) const override;
        std::optional<TPosition> DoReadBuffer(Sys::Char* Buf, int Max, int& Count) const override;
        std::optional<TPosition> DoReadTextTill(Sys::Char* Buf, int Max, int& Count,
                                                Sys::Char Stop) const override;
        std::optional<TPosition> DoReadTextTill(Sys::Char* Buf, int Max, int& Count,
                                                const TCharSet& Stops) const override;
        std::optional<TPosition> DoReadTextTill(Sys::string& S, Sys::Char Stop) const override;
        std::optional<TPosition> DoReadIdent(Sys::string& S) const override;
        std::optional<TPosition> DoReadQuotedString(Sys::string& S) const override;
        std::optional<TPosition> DoReadDigits(Sys::string& S) const override;
        std::optional<TPosition> DoReadHexDigits(Sys::string& S, int Count, int& N) const override;
        std::optional<TPosition> DoReadHexBytes(uint8_t* Buf, int Count, int& N) const override;
        std::optional<TPosition> DoReadEnumIndex(const TStringArray& Table, int Count,
                                                 int& Index) const override;
        std::optional<TPosition> DoReadToken(Sys::Char C) const override;
        std::optional<TPosition> DoReadToken(const TCharSet& Set, Sys::Char& C) const override;
        bool Eof() const override;
        int FindChar(Sys::Char C, bool After) override;
        int FindAny(const TCharSet& Set, Sys::Char& C, bool After) override;
        Sys::Char Token() const override;
        void CheckToken(Sys::Char C) override;
        void StepBack(int N) override;
        int Skip(int N) override;
        void SkipSpaces(bool LineBreaks) override;

    private:
        bool InText(TPosition P) const { return P >= FStart && P < FEnd; }
        // The run of characters of Set from the position in the direction, at most Max of them, as
        // the positions of its first and last character in text order; nothing when it is empty.
        bool RunOf(const TCharSet& Set, TPosition Max, TPosition& Low, TPosition& High) const;
        // The text strictly between the position and Stop, in text order.
        Sys::string Between(TPosition Stop) const;
        // Up to Max characters of the text between the position and Stop, when there is a stop.
        std::optional<TPosition> CopyTill(std::optional<TPosition> Stop, Sys::Char* Buf, int Max,
                                          int& Count) const;
        // Moves to P, or past it when After; to the end (the start backwards) when there is none.
        int MoveTo(std::optional<TPosition> P, bool After);
    };
};

class THTMLText {
public:
    enum class THTMLTagType : uint8_t {
        Undefined,
        Body,
        InnerText,
        DIV,
        Anchor,
        Style,
        Script,
        Span,
        Paragraph,
        Bold,
        Italic,
        Heading1,
        Heading2,
        Heading3,
        Heading4,
        Heading5,
        Heading6,
        Emphasized,
        Strong,
        Mark,
        Font,
        Delete,
        Br,
    };

    struct THTMLTagParam {
        Sys::string ParamName;
        Sys::string ParamValue;
        bool operator==(const THTMLTagParam&) const = default;
    };

    struct THTMLTag {
        std::vector<THTMLTag> Children;
        THTMLTagType TagType = THTMLTagType::Undefined;
        Sys::string ImmediateText;
        std::vector<THTMLTagParam> Params;

        // An inner text's own text; any other node's children's texts in order.
        Sys::string Text() const;
        // The name the type is read from; empty for Undefined and InnerText.
        Sys::string TagName() const;
        bool operator==(const THTMLTag&) const = default;
    };

    // Elements nest at most this deep; deeper markup raises EParseError with SHTMLTooDeep.
    static constexpr int MaxDepth = 256;

    // The one top-level node, or a Body tag holding them all.
    static THTMLTag ParseHTML(const Sys::string& Text);
    static Sys::string HTMLToText(const Sys::string& Text);
};

class TRTFText {
public:
    // The formatting state while reading, and a finished range with the state its text began in.
    struct TRTFTextRange {
        FMX::TTextRange Range;
        Sys::TFontStyles FontStyle;
        int32_t FontSize = 0; // points: the half-point value divided by 2
        int32_t FontIndex = 0;
        int32_t ColorIndex = 0;
        bool RTL = false;
        FMX::TTextAlign Align = FMX::TTextAlign::Center;
        bool NewParagraph = false;
        uint32_t LangID = 0;
        // The code page of escaped bytes: that of the language, 0 (the default) until one is set.
        uint32_t AnsiToUnicodeLocaleKey = 0;
        bool RTLCh = false;
        int32_t ListIndent = 0;

        void SetLangID(uint32_t N);
        bool operator==(const TRTFTextRange&) const = default;
    };

    struct TRTFData {
        uint32_t OriginalCodePage = 0;
        uint32_t LangID = 0;
        uint32_t Locale = 0;
        std::vector<Sys::string> FontTable;
        std::vector<Sys::TAlphaColor> ColorTable;
        int32_t DefaultFontIndex = 0;
        std::vector<TRTFTextRange> Ranges;
        Sys::string FText;

        // The texts of all ranges in range order.
        Sys::string Text() const;
    };

    static TRTFData ParseRTF(const Sys::string& Text);
    // Reads from the reader's position, forwards.
    static TRTFData ParseRTF(TMarkupText::TMarkupTextReader& Reader);
    static Sys::string RTFToText(const Sys::string& Text);
};

} // namespace Zarvel
