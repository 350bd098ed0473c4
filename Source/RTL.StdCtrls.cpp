#include "RTL.StdCtrls.h"

#include "RTLLocale.Locale.h"
#include "System.CodePages.h"

#include <algorithm>
#include <cstring>

namespace Zarvel {

namespace {

constexpr const char* UnitName = "RTL.StdCtrls";

using Sys::Char;
using TPosition = TMarkupText::TPosition;
using TCharSet = TMarkupText::TCharSet;

constexpr TCharSet DigitChars("0123456789");
constexpr TCharSet HexChars("0123456789ABCDEFabcdef");
constexpr TCharSet IdentFirstChars("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_");
constexpr TCharSet IdentChars("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_");

constexpr char16_t BackwardIdentMessage[] = u"ReadIdent doesn't work in backward direction.";

// Decimal digits as a 32-bit signed integer; false when they do not fit.
bool DigitsToInteger(const Sys::string& Digits, int32_t& N) {
    int64_t value = 0;
    for (Char c : Digits) {
        value = value * 10 + (c - u'0');
        if (value > INT32_MAX) return false;
    }
    N = static_cast<int32_t>(value);
    return !Digits.empty();
}

int HexValue(Char C) {
    return C <= u'9' ? C - u'0' : (C | 0x20) - u'a' + 10;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The reader

TMarkupText::TMarkupTextReader::TMarkupTextReader(Sys::string Text)
    : FText(std::move(Text)), FEnd(static_cast<TPosition>(FText.size())) {}

std::unique_ptr<TMarkupText::TMarkupTextReader>
TMarkupText::TMarkupTextReader::CreateReader(const Sys::string& Text) {
    return std::make_unique<TMarkupTextReaderUnicode>(Text);
}

std::unique_ptr<TMarkupText::TMarkupTextReader>
TMarkupText::TMarkupTextReader::CreateReader(const char16_t* Text) {
    return std::make_unique<TMarkupTextReaderUnicode>(Text ? Sys::string(Text) : Sys::string());
}

std::optional<TPosition> TMarkupText::TMarkupTextReader::DoRead(std::string_view S) const {
    Sys::string wide(S.size(), u'\0');
    std::transform(S.begin(), S.end(), wide.begin(),
                   [](char c) { return Char(static_cast<unsigned char>(c)); });
    return DoRead(std::u16string_view(wide));
}

void TMarkupText::TMarkupTextReader::RaiseExpectation(const Sys::string& Expected,
                                                      const Sys::string& Found) const {
    throw EParseError(Sys::Format(SExpectationErrOr, {Expected, Found}));
}

void TMarkupText::TMarkupTextReader::RaiseExpectation(const Sys::string& Expected) const {
    // An identifier is read forwards only; reading backwards, none stands at the position.
    Sys::string found;
    if (FDirection > 0) DoReadIdent(found);
    RaiseExpectation(Expected, found);
}

TPosition TMarkupText::TMarkupTextReader::Clamp(TPosition P) const {
    return std::clamp<TPosition>(P, FStart - 1, static_cast<TPosition>(FText.size()));
}

bool TMarkupText::TMarkupTextReader::Read(std::u16string_view S) {
    return SetPos(DoRead(S));
}

bool TMarkupText::TMarkupTextReader::ReadToken(Char C) {
    return SetPos(DoReadToken(C));
}

bool TMarkupText::TMarkupTextReader::ReadToken(const TCharSet& Set, Char& C) {
    return SetPos(DoReadToken(Set, C));
}

bool TMarkupText::TMarkupTextReader::ReadIdent(Sys::string& S) {
    return SetPos(DoReadIdent(S));
}

bool TMarkupText::TMarkupTextReader::ReadQuotedString(Sys::string& S) {
    return SetPos(DoReadQuotedString(S));
}

bool TMarkupText::TMarkupTextReader::ReadDigits(Sys::string& S) {
    return SetPos(DoReadDigits(S));
}

bool TMarkupText::TMarkupTextReader::ReadInteger(int32_t& N) {
    Sys::string digits;
    const std::optional<TPosition> p = DoReadDigits(digits);
    return p && DigitsToInteger(digits, N) && SetPos(p);
}

bool TMarkupText::TMarkupTextReader::ReadHex(uint32_t& Value, int Count) {
    return SetPos(DoReadHex(Value, Count));
}

std::optional<TPosition> TMarkupText::TMarkupTextReader::DoReadHex(uint32_t& Value, int Count) const {
    ZARVEL_ASSERT(Count >= 1 && Count <= 8);
    Sys::string digits;
    int n = 0;
    const std::optional<TPosition> p = DoReadHexDigits(digits, Count, n);
    if (!p) return std::nullopt;
    Value = 0;
    for (Char c : digits) Value = Value << 4 | uint32_t(HexValue(c));
    return p;
}

bool TMarkupText::TMarkupTextReader::ReadHexByte(uint8_t& B) {
    int n = 0;
    return SetPos(DoReadHexBytes(&B, 1, n));
}

bool TMarkupText::TMarkupTextReader::ReadHexWord(uint16_t& W) {
    uint8_t bytes[2];
    int n = 0;
    if (!SetPos(DoReadHexBytes(bytes, 2, n))) return false;
    W = static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
    return true;
}

bool TMarkupText::TMarkupTextReader::ReadHexDigits(Sys::string& S, int Count, int& N) {
    return SetPos(DoReadHexDigits(S, Count, N));
}

bool TMarkupText::TMarkupTextReader::ReadEnumIndex(const TStringArray& Table, int Count, int& Index) {
    return SetPos(DoReadEnumIndex(Table, Count, Index));
}

bool TMarkupText::TMarkupTextReader::ReadStill(std::u16string_view S) const {
    return DoRead(S).has_value();
}

bool TMarkupText::TMarkupTextReader::ReadTokenStill(Char C) const {
    return DoReadToken(C).has_value();
}

bool TMarkupText::TMarkupTextReader::ReadDigitsStill(Sys::string& S) const {
    return DoReadDigits(S).has_value();
}

bool TMarkupText::TMarkupTextReader::ReadIntegerStill(int32_t& N) const {
    Sys::string digits;
    return DoReadDigits(digits) && DigitsToInteger(digits, N);
}

bool TMarkupText::TMarkupTextReader::ReadEnumIndexStill(const TStringArray& Table, int Count,
                                                        int& Index) const {
    return DoReadEnumIndex(Table, Count, Index).has_value();
}

bool TMarkupText::TMarkupTextReader::ReadHexStill(uint32_t& Value, int Count) const {
    return DoReadHex(Value, Count).has_value();
}

void TMarkupText::TMarkupTextReader::Check(std::u16string_view S) {
    if (!Read(S)) RaiseExpectation(Sys::string(S));
}

int32_t TMarkupText::TMarkupTextReader::Integer() {
    int32_t n = 0;
    if (!ReadInteger(n)) RaiseExpectation(SInteger);
    return n;
}

void TMarkupText::TMarkupTextReader::SkipDigits() {
    Sys::string digits;
    if (!ReadDigits(digits)) RaiseExpectation(SInteger);
}

uint8_t TMarkupText::TMarkupTextReader::HexByte() {
    uint8_t b = 0;
    if (!ReadHexByte(b)) RaiseExpectation(SCharCode);
    return b;
}

uint16_t TMarkupText::TMarkupTextReader::HexWord() {
    uint16_t w = 0;
    if (!ReadHexWord(w)) RaiseExpectation(SCharCode);
    return w;
}

int TMarkupText::TMarkupTextReader::EnumIndex(const TStringArray& Table, int Count) {
    int index = -1;
    if (!ReadEnumIndex(Table, Count, index)) RaiseExpectation(Count > 0 ? Table[0] : Sys::string());
    return index;
}

Sys::string TMarkupText::TMarkupTextReader::Ident(bool Advance) {
    Sys::string s;
    const std::optional<TPosition> p = DoReadIdent(s);
    if (p && Advance) FPosition = *p;
    return s;
}

Sys::string TMarkupText::TMarkupTextReader::QuotedString() {
    Sys::string s;
    if (!ReadQuotedString(s)) {
        const Char c = Token();
        RaiseExpectation(u"\"", Eof() ? Sys::string() : Sys::string(1, c));
    }
    return s;
}

int TMarkupText::TMarkupTextReader::CopyText(Char* Buf, int Max) {
    int count = 0;
    SetPos(DoReadBuffer(Buf, Max, count));
    return count;
}

bool TMarkupText::TMarkupTextReader::CopyTextTill(Char* Buf, int Max, int& Count, const TCharSet& Stops) {
    Count = 0;
    return SetPos(DoReadTextTill(Buf, Max, Count, Stops));
}

bool TMarkupText::TMarkupTextReader::CopyTextTill(Sys::string& S, Char Stop) {
    return SetPos(DoReadTextTill(S, Stop));
}

void TMarkupText::TMarkupTextReader::RestorePosition(TPosition P) {
    ZARVEL_ASSERT(P == Clamp(P));
    FPosition = P;
}

void TMarkupText::TMarkupTextReader::RestoreState(const TReaderState& State) {
    SetDirection(State.Direction);
    RestorePosition(State.Position);
}

bool TMarkupText::TMarkupTextReader::SetPos(std::optional<TPosition> P) {
    if (!P) return false;
    RestorePosition(*P);
    return true;
}

TPosition TMarkupText::TMarkupTextReader::SetEnd(TPosition P) {
    ZARVEL_ASSERT(P >= FStart && P <= static_cast<TPosition>(FText.size()));
    const TPosition previous = FEnd;
    FEnd = P;
    return previous;
}

void TMarkupText::TMarkupTextReader::SetDirection(int Direction) {
    ZARVEL_ASSERT(Direction == 1 || Direction == -1);
    FDirection = Direction;
}

// ---------------------------------------------------------------------------------------------
// The reader over a UTF-16 string

bool TMarkupText::TMarkupTextReaderUnicode::RunOf(const TCharSet& Set, TPosition Max, TPosition& Low,
                                                  TPosition& High) const {
    TPosition n = 0;
    for (TPosition p = FPosition; n < Max && InText(p) && Set.Contains(FText[size_t(p)]); p += FDirection)
        ++n;
    if (n == 0) return false;
    Low = FDirection > 0 ? FPosition : FPosition - n + 1;
    High = Low + n - 1;
    return true;
}

Sys::string TMarkupText::TMarkupTextReaderUnicode::Between(TPosition Stop) const {
    return FDirection > 0 ? FText.substr(size_t(FPosition), size_t(Stop - FPosition))
                          : FText.substr(size_t(Stop + 1), size_t(FPosition - Stop));
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::FindCharPos(Char C) const {
    for (TPosition p = FPosition; InText(p); p += FDirection)
        if (FText[size_t(p)] == C) return p;
    return std::nullopt;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::FindAnyCharPos(const TCharSet& Set) const {
    for (TPosition p = FPosition; InText(p); p += FDirection)
        if (Set.Contains(FText[size_t(p)])) return p;
    return std::nullopt;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoRead(std::u16string_view S) const {
    const TPosition n = static_cast<TPosition>(S.size());
    if (n == 0) return FPosition;
    const TPosition first = FDirection > 0 ? FPosition : FPosition - n + 1;
    if (first < FStart || first + n > FEnd) return std::nullopt;
    if (std::u16string_view(FText).substr(size_t(first), size_t(n)) != S) return std::nullopt;
    return FPosition + FDirection * n;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadBuffer(Char* Buf, int Max,
                                                                             int& Count) const {
    Count = 0;
    if (Max <= 0 || !InText(FPosition)) return std::nullopt;
    const TPosition available = FDirection > 0 ? FEnd - FPosition : FPosition - FStart + 1;
    const TPosition n = std::min<TPosition>(available, Max);
    const TPosition first = FDirection > 0 ? FPosition : FPosition - n + 1;
    std::copy_n(FText.begin() + first, n, Buf);
    Count = static_cast<int>(n);
    return FPosition + FDirection * n;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::CopyTill(std::optional<TPosition> Stop,
                                                                         Char* Buf, int Max,
                                                                         int& Count) const {
    Count = 0;
    if (!Stop) return std::nullopt;
    // A buffer too short keeps the characters nearest the position.
    const TPosition n = std::min<TPosition>(std::abs(*Stop - FPosition), std::max(Max, 0));
    std::copy_n(FText.begin() + (FDirection > 0 ? FPosition : FPosition - n + 1), n, Buf);
    Count = static_cast<int>(n);
    return Stop;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadTextTill(Char* Buf, int Max, int& Count,
                                                                               Char Stop) const {
    return CopyTill(FindCharPos(Stop), Buf, Max, Count);
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadTextTill(Char* Buf, int Max, int& Count,
                                                                               const TCharSet& Stops) const {
    return CopyTill(FindAnyCharPos(Stops), Buf, Max, Count);
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadTextTill(Sys::string& S,
                                                                               Char Stop) const {
    const std::optional<TPosition> stop = FindCharPos(Stop);
    if (stop) S = Between(*stop);
    return stop;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadIdent(Sys::string& S) const {
    ZARVEL_ASSERT_MSG(FDirection > 0, BackwardIdentMessage);
    if (!InText(FPosition) || !IdentFirstChars.Contains(FText[size_t(FPosition)])) return std::nullopt;
    TPosition p = FPosition + 1;
    while (InText(p) && IdentChars.Contains(FText[size_t(p)])) ++p;
    S = Between(p);
    return p;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadQuotedString(Sys::string& S) const {
    if (!InText(FPosition)) return std::nullopt;
    const Char quote = FText[size_t(FPosition)];
    if (quote != u'"' && quote != u'\'') return std::nullopt;
    for (TPosition p = FPosition + FDirection; InText(p); p += FDirection) {
        if (FText[size_t(p)] != quote) continue;
        S = FDirection > 0 ? FText.substr(size_t(FPosition + 1), size_t(p - FPosition - 1))
                           : FText.substr(size_t(p + 1), size_t(FPosition - p - 1));
        return p + FDirection;
    }
    return std::nullopt;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadDigits(Sys::string& S) const {
    TPosition low = 0, high = 0;
    if (!RunOf(DigitChars, PTRDIFF_MAX, low, high)) return std::nullopt;
    S = FText.substr(size_t(low), size_t(high - low + 1));
    return FPosition + FDirection * (high - low + 1);
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadHexDigits(Sys::string& S, int Count,
                                                                                int& N) const {
    TPosition low = 0, high = 0;
    if (Count <= 0 || !RunOf(HexChars, Count, low, high)) return std::nullopt;
    S = FText.substr(size_t(low), size_t(high - low + 1));
    N = static_cast<int>(high - low + 1);
    return FPosition + FDirection * N;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadHexBytes(uint8_t* Buf, int Count,
                                                                               int& N) const {
    TPosition low = 0, high = 0;
    if (Count <= 0 || !RunOf(HexChars, TPosition(Count) * 2, low, high)) return std::nullopt;
    std::memset(Buf, 0, size_t(Count));
    // Right-aligned: the last digit is the low half of the last byte.
    for (TPosition p = high, k = 0; p >= low; --p, ++k) {
        uint8_t& b = Buf[size_t(Count - 1 - k / 2)];
        b = static_cast<uint8_t>(b | HexValue(FText[size_t(p)]) << (k % 2 * 4));
    }
    N = static_cast<int>(high - low + 1);
    return FPosition + FDirection * N;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadEnumIndex(const TStringArray& Table,
                                                                                int Count, int& Index) const {
    ZARVEL_ASSERT_MSG(FDirection > 0, BackwardIdentMessage);
    ZARVEL_ASSERT(Count >= 0 && size_t(Count) <= Table.size());
    for (int i = 0; i < Count; ++i) {
        if (Table[size_t(i)].empty()) continue;
        if (const std::optional<TPosition> p = DoRead(std::u16string_view(Table[size_t(i)]))) {
            Index = i;
            return p;
        }
    }
    return std::nullopt;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadToken(Char C) const {
    if (!InText(FPosition) || FText[size_t(FPosition)] != C) return std::nullopt;
    return FPosition + FDirection;
}

std::optional<TPosition> TMarkupText::TMarkupTextReaderUnicode::DoReadToken(const TCharSet& Set,
                                                                            Char& C) const {
    if (!InText(FPosition) || !Set.Contains(FText[size_t(FPosition)])) return std::nullopt;
    C = FText[size_t(FPosition)];
    return FPosition + FDirection;
}

bool TMarkupText::TMarkupTextReaderUnicode::Eof() const {
    return !InText(FPosition);
}

int TMarkupText::TMarkupTextReaderUnicode::MoveTo(std::optional<TPosition> P, bool After) {
    if (!P) {
        FPosition = FDirection > 0 ? FEnd : FStart;
        return 0;
    }
    const TPosition target = After ? *P + FDirection : *P;
    const int moved = static_cast<int>(std::abs(target - FPosition));
    FPosition = target;
    return moved;
}

int TMarkupText::TMarkupTextReaderUnicode::FindChar(Char C, bool After) {
    return MoveTo(FindCharPos(C), After);
}

int TMarkupText::TMarkupTextReaderUnicode::FindAny(const TCharSet& Set, Char& C, bool After) {
    const std::optional<TPosition> p = FindAnyCharPos(Set);
    C = p ? FText[size_t(*p)] : Char(0);
    return MoveTo(p, After);
}

Char TMarkupText::TMarkupTextReaderUnicode::Token() const {
    return InText(FPosition) ? FText[size_t(FPosition)] : Char(0);
}

void TMarkupText::TMarkupTextReaderUnicode::CheckToken(Char C) {
    if (ReadToken(C)) return;
    RaiseExpectation(Sys::string(1, C), Eof() ? Sys::string() : Sys::string(1, Token()));
}

void TMarkupText::TMarkupTextReaderUnicode::StepBack(int N) {
    ZARVEL_ASSERT(N >= 0);
    FPosition = Clamp(FPosition - TPosition(FDirection) * N);
}

int TMarkupText::TMarkupTextReaderUnicode::Skip(int N) {
    ZARVEL_ASSERT(N >= 0);
    const TPosition target = FDirection > 0 ? std::min(FPosition + N, std::max(FPosition, FEnd))
                                            : std::max(FPosition - N, std::min(FPosition, FStart - 1));
    const int moved = static_cast<int>(std::abs(target - FPosition));
    FPosition = target;
    return moved;
}

void TMarkupText::TMarkupTextReaderUnicode::SkipSpaces(bool LineBreaks) {
    while (InText(FPosition)) {
        const Char c = FText[size_t(FPosition)];
        if (c != u' ' && !(LineBreaks && (c == u'\r' || c == u'\n'))) break;
        FPosition += FDirection;
    }
}

// ---------------------------------------------------------------------------------------------
// The HTML subset

namespace {

using TReader = TMarkupText::TMarkupTextReader;
using THTMLTag = THTMLText::THTMLTag;
using THTMLTagType = THTMLText::THTMLTagType;

// Indexed by THTMLTagType; the two types without a name are never read.
constexpr const char16_t* TagNames[] = {
    u"",   u"BODY", u"",   u"DIV", u"A",  u"STYLE", u"SCRIPT", u"SPAN", u"P",    u"B",   u"I",  u"H1",
    u"H2", u"H3",   u"H4", u"H5",  u"H6", u"EM",    u"STRONG", u"MARK", u"FONT", u"DEL", u"BR",
};
static_assert(std::size(TagNames) == size_t(THTMLTagType::Br) + 1);

THTMLTagType TagTypeOf(const Sys::string& Name) {
    for (size_t i = 0; i < std::size(TagNames); ++i)
        if (TagNames[i][0] != 0 && Name == TagNames[i]) return static_cast<THTMLTagType>(i);
    return THTMLTagType::Undefined;
}

void AppendText(const THTMLTag& Tag, Sys::string& Out) {
    if (Tag.TagType == THTMLTagType::InnerText) {
        Out += Tag.ImmediateText;
        return;
    }
    for (const THTMLTag& child : Tag.Children) AppendText(child, Out);
}

// "</", a name (not compared with the element's), optional spaces and ">".
void ReadClosingTag(TReader& R) {
    R.CheckToken(u'<');
    R.CheckToken(u'/');
    R.Ident(true);
    R.SkipSpaces(false);
    R.CheckToken(u'>');
}

// Comments and declarations ("<!--…-->", "<!…>", "<?…>") leave no node.
bool SkipDeclaration(TReader& R) {
    if (R.Read(u"<!--")) {
        while (!R.Read(u"-->")) {
            if (R.FindChar(u'-', false) == 0 && R.Eof()) throw EParseError(SIncompleteHTMLTag);
            if (!R.ReadStill(u"-->")) R.Skip(1);
        }
        return true;
    }
    if (!R.ReadStill(u"<!") && !R.ReadStill(u"<?")) return false;
    if (!R.FindCharPos(u'>')) throw EParseError(SIncompleteHTMLTag);
    R.FindChar(u'>', true);
    return true;
}

// The '=' signs of the tag outside quoted values: an '=' inside a value (a link's query) is text.
int CountParams(const Sys::string& Text, TPosition From, TPosition To) {
    int count = 0;
    Char quote = 0;
    for (TPosition p = From; p < To; ++p) {
        const Char c = Text[size_t(p)];
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == u'"' || c == u'\'') {
            quote = c;
        } else if (c == u'=') {
            ++count;
        }
    }
    return count;
}

void ReadParams(TReader& R, TPosition ParamsEnd, std::vector<THTMLText::THTMLTagParam>& Params) {
    const int count = CountParams(R.Text(), R.SavePosition(), ParamsEnd);
    const TPosition end = R.SetEnd(ParamsEnd);
    for (int i = 0; i < count; ++i) {
        THTMLText::THTMLTagParam param;
        R.SkipSpaces(true);
        param.ParamName = R.Ident(true);
        R.SkipSpaces(true);
        R.CheckToken(u'=');
        R.SkipSpaces(true);
        param.ParamValue = R.QuotedString();
        Params.push_back(std::move(param));
    }
    R.SetEnd(end);
}

void ParseLevel(TReader& R, std::vector<THTMLTag>& Nodes, int Depth);

THTMLTag ParseElement(TReader& R, int Depth) {
    if (Depth >= THTMLText::MaxDepth) throw EParseError(SHTMLTooDeep);
    R.Skip(1);
    THTMLTag tag;
    tag.TagType = TagTypeOf(R.Ident(true));
    const std::optional<TPosition> close = R.FindCharPos(u'>');
    if (!close) throw EParseError(SIncompleteHTMLTag);
    const Sys::string& text = R.Text();
    TPosition last = *close - 1;
    while (last >= R.SavePosition() && text[size_t(last)] == u' ') --last;
    const bool selfClosing = last >= R.SavePosition() && text[size_t(last)] == u'/';
    ReadParams(R, selfClosing ? last : *close, tag.Params);
    R.RestorePosition(*close + 1);
    if (!selfClosing) {
        ParseLevel(R, tag.Children, Depth + 1);
        ReadClosingTag(R);
    }
    return tag;
}

// Nodes up to the end of the text or up to a closing tag, which is left for the element.
void ParseLevel(TReader& R, std::vector<THTMLTag>& Nodes, int Depth) {
    while (!R.Eof()) {
        if (R.Token() != u'<') {
            // Every character up to the next '<', as it stands: no entities, no white-space rules.
            THTMLTag node;
            node.TagType = THTMLTagType::InnerText;
            const TPosition from = R.SavePosition();
            R.FindChar(u'<', false);
            node.ImmediateText = R.Text().substr(size_t(from), size_t(R.SavePosition() - from));
            Nodes.push_back(std::move(node));
        } else if (R.ReadStill(u"</")) {
            return;
        } else if (!SkipDeclaration(R)) {
            Nodes.push_back(ParseElement(R, Depth));
        }
    }
}

} // namespace

Sys::string THTMLText::THTMLTag::Text() const {
    Sys::string out;
    AppendText(*this, out);
    return out;
}

Sys::string THTMLText::THTMLTag::TagName() const {
    return TagNames[size_t(TagType)];
}

THTMLText::THTMLTag THTMLText::ParseHTML(const Sys::string& Text) {
    const std::unique_ptr<TReader> reader = TReader::CreateReader(Text);
    std::vector<THTMLTag> nodes;
    for (;;) {
        ParseLevel(*reader, nodes, 0);
        if (reader->Eof()) break;
        // A closing tag with no element open would end the text early: it is passed over instead.
        ReadClosingTag(*reader);
    }
    if (nodes.size() == 1) return std::move(nodes.front());
    THTMLTag body;
    body.TagType = THTMLTagType::Body;
    body.Children = std::move(nodes);
    return body;
}

Sys::string THTMLText::HTMLToText(const Sys::string& Text) {
    return ParseHTML(Text).Text();
}

// ---------------------------------------------------------------------------------------------
// RTF

namespace {

using TRTFTextRange = TRTFText::TRTFTextRange;
using TRTFData = TRTFText::TRTFData;

constexpr TCharSet GroupChars("{}\\");
constexpr TCharSet PlainStops("{}\\");
constexpr TCharSet FontNameStops(";}");

bool IsLetter(Char C) {
    return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z');
}

bool IsDigit(Char C) {
    return C >= u'0' && C <= u'9';
}

// One document: the header, then the body in two passes, the first counting the characters and
// ranges, the second writing them into storage sized from those counts.
class TRTFReader {
public:
    TRTFReader(TReader& Reader, TRTFData& Data) : R(Reader), FData(Data) {}

    void Header();
    void Body();

private:
    // "\Word" as a whole control word: a word ending in a letter is not followed by another letter,
    // one ending in a digit not by another digit. Moves past it when it is there.
    bool Control(std::u16string_view Word);
    bool ControlStill(std::u16string_view Word);
    // "{" and the control word.
    bool Group(std::u16string_view Word);
    void FontTable();
    void ColorTable();
    // A group and the groups inside it; a backslash escapes the character after it.
    void SkipGroup();
    bool SkipLineBreak();
    int32_t SignedInteger();
    // A control word's optional parameter: a '-' and digits.
    void SkipParameter();

    void Items();
    void Paragraph();
    void ControlWord();
    void SetStyle(Sys::TFontStyle Style, bool On);
    bool StartsText();
    void Text();
    Char UnicodeEscape();
    Char EscapedByte(uint8_t Byte) const;
    void Append(Char C);

    TReader& R;
    TRTFData& FData;
    bool FFill = false;
    size_t FLength = 0;
    size_t FRangeCount = 0;
    TRTFTextRange FState;
    std::vector<TRTFTextRange> FStack;
};

bool TRTFReader::Control(std::u16string_view Word) {
    if (R.Token() != u'\\') return false;
    const TPosition start = R.SavePosition();
    R.Skip(1);
    if (R.Read(Word)) {
        const Char next = R.Token();
        if (IsLetter(Word.back()) ? !IsLetter(next) : !IsDigit(next)) return true;
    }
    R.RestorePosition(start);
    return false;
}

bool TRTFReader::ControlStill(std::u16string_view Word) {
    const TPosition start = R.SavePosition();
    const bool found = Control(Word);
    R.RestorePosition(start);
    return found;
}

bool TRTFReader::Group(std::u16string_view Word) {
    const TPosition start = R.SavePosition();
    if (R.ReadToken(u'{') && Control(Word)) return true;
    R.RestorePosition(start);
    return false;
}

bool TRTFReader::SkipLineBreak() {
    return R.Read(u"\r\n") || R.ReadToken(u'\n') || R.ReadToken(u'\r');
}

int32_t TRTFReader::SignedInteger() {
    const bool negative = R.ReadToken(u'-');
    const int32_t n = R.Integer();
    return negative ? -n : n;
}

void TRTFReader::SkipParameter() {
    Sys::string digits;
    R.ReadToken(u'-');
    R.ReadDigits(digits);
}

void TRTFReader::Header() {
    if (!R.ReadToken(u'{')) throw EParseError(SBadRTFFormat);
    if (R.Token() != u'\\') return;
    Control(u"rtf1");
    Control(u"fbidis");
    Control(u"ansi");
    if (Control(u"ansicpg")) FData.OriginalCodePage = uint32_t(R.Integer());
    if (Control(u"deff")) FData.DefaultFontIndex = R.Integer();
    Control(u"nouicompat");
    if (Control(u"deflang")) FData.LangID = uint32_t(R.Integer());
    if (Group(u"fonttbl")) {
        FontTable();
        R.SkipSpaces(true);
    }
    if (Group(u"colortbl")) ColorTable();
    R.SkipSpaces(true);
    while (R.Token() == u'{') {
        SkipGroup();
        R.SkipSpaces(true);
    }
}

void TRTFReader::FontTable() {
    static const TMarkupText::TStringArray families = {u"\\froman", u"\\fswiss", u"\\fnil"};
    R.SkipSpaces(true);
    for (int i = 0; R.ReadToken(u'{'); ++i) {
        R.Check(u"\\f" + Sys::Format(u"%d", {i}));
        R.EnumIndex(families, 3);
        if (Control(u"fprq")) R.SkipDigits();
        if (Control(u"fcharset")) R.SkipDigits();
        R.CheckToken(u' ');
        // The name ends at its ';'; a '}' first means the ';' is missing.
        const TPosition from = R.SavePosition();
        Char stop = 0;
        R.FindAny(FontNameStops, stop, false);
        Sys::string name = R.Text().substr(size_t(from), size_t(R.SavePosition() - from));
        R.CheckToken(u';');
        if (!R.ReadToken(u'}')) throw EParseError(SBadRTFFormat);
        FData.FontTable.push_back(std::move(name));
        R.SkipSpaces(true);
    }
    R.CheckToken(u'}');
}

void TRTFReader::ColorTable() {
    // A component beyond 255 is taken as full intensity, so that it cannot spill into another.
    const auto component = [&](std::u16string_view Word) -> uint32_t {
        return Control(Word) ? uint32_t(std::min(R.Integer(), 255)) : 0;
    };
    R.SkipSpaces(true);
    while (!R.ReadToken(u'}')) {
        const uint32_t red = component(u"red");
        const uint32_t green = component(u"green");
        const uint32_t blue = component(u"blue");
        R.SkipSpaces(true);
        R.CheckToken(u';');
        FData.ColorTable.push_back(0xFF000000u | red << 16 | green << 8 | blue);
        R.SkipSpaces(true);
    }
}

void TRTFReader::SkipGroup() {
    R.Skip(1);
    for (size_t depth = 1; depth > 0;) {
        Char c = 0;
        if (R.FindAny(GroupChars, c, true) == 0) throw Sys::Exception(Sys::string(SUnexpectedEndOfRTFData));
        if (c == u'\\')
            R.Skip(1);
        else if (c == u'{')
            ++depth;
        else
            --depth;
    }
}

void TRTFReader::Body() {
    Sys::string digits;
    if (Control(u"viewkind")) R.ReadDigits(digits);
    if (Control(u"uc")) R.ReadDigits(digits);
    R.SkipSpaces(true);
    const TMarkupText::TReaderState start = R.SaveState();
    FFill = false;
    Items();
    FData.FText.assign(FLength, u'\0');
    FData.Ranges.assign(FRangeCount, TRTFTextRange());
    const size_t length = FLength, rangeCount = FRangeCount;
    R.RestoreState(start);
    FFill = true;
    Items();
    ZARVEL_ASSERT(FLength == length && FRangeCount == rangeCount);
}

void TRTFReader::Items() {
    FLength = 0;
    FRangeCount = 0;
    FState = TRTFTextRange();
    FStack.clear();
    // A space right after a control word is its delimiter; after a brace it is text.
    bool afterControlWord = false;
    while (!R.Eof()) {
        const Char c = R.Token();
        const bool delimited = afterControlWord;
        afterControlWord = false;
        if (c == u'{') {
            if (R.ReadStill(u"{\\*")) {
                SkipGroup();
            } else {
                R.Skip(1);
                FStack.push_back(FState);
            }
        } else if (c == u'}') {
            R.Skip(1);
            if (FStack.empty()) return; // the document's final brace
            FState = FStack.back();
            FStack.pop_back();
        } else if (c == u'\\') {
            if (StartsText()) {
                Text();
            } else {
                if (Control(u"pard"))
                    Paragraph();
                else
                    ControlWord();
                afterControlWord = true;
            }
        } else {
            if (delimited) R.ReadToken(u' ');
            Text();
        }
    }
}

void TRTFReader::Paragraph() {
    if (Control(u"ltrpar"))
        FState.RTL = false;
    else if (Control(u"rtlpar"))
        FState.RTL = true;
    if (Control(u"sa")) SignedInteger();
    if (Control(u"sl"))
        SignedInteger();
    else if (Control(u"slmult"))
        R.SkipDigits();
    if (Control(u"qr"))
        FState.Align = FMX::TTextAlign::Trailing;
    else if (Control(u"qc"))
        FState.Align = FMX::TTextAlign::Center;
    if (Control(u"cf")) FState.ColorIndex = R.Integer();
    if (Control(u"f")) FState.FontIndex = R.Integer();
    if (Control(u"fs")) FState.FontSize = R.Integer() / 2;
    if (Control(u"rtlch")) FState.RTLCh = true;
    if (Control(u"lang")) FState.SetLangID(uint32_t(R.Integer()));
}

void TRTFReader::SetStyle(Sys::TFontStyle Style, bool On) {
    if (On)
        FState.FontStyle.Include(Style);
    else
        FState.FontStyle.Exclude(Style);
}

void TRTFReader::ControlWord() {
    // A style word with the parameter 0 switches the style off; without one, or with another, on.
    const auto on = [&] {
        Sys::string digits;
        R.ReadToken(u'-');
        return !R.ReadDigits(digits) || digits.find_first_not_of(u'0') != Sys::string::npos;
    };
    if (Control(u"b"))
        SetStyle(Sys::TFontStyle::fsBold, on());
    else if (Control(u"i"))
        SetStyle(Sys::TFontStyle::fsItalic, on());
    else if (Control(u"ulnone"))
        SetStyle(Sys::TFontStyle::fsUnderline, false);
    else if (Control(u"ul"))
        SetStyle(Sys::TFontStyle::fsUnderline, on());
    else if (Control(u"cf"))
        FState.ColorIndex = R.Integer();
    else if (Control(u"fs"))
        FState.FontSize = R.Integer() / 2;
    else if (Control(u"lang"))
        FState.SetLangID(uint32_t(R.Integer()));
    else if (Control(u"qr"))
        FState.Align = FMX::TTextAlign::Trailing;
    else if (Control(u"qc"))
        FState.Align = FMX::TTextAlign::Center;
    else if (Control(u"fi"))
        SignedInteger(); // the first-line indent is not kept
    else if (Control(u"f")) {
        if (IsDigit(R.Token()))
            FState.FontIndex = R.Integer();
        else
            SkipParameter(); // "\f-1": not a font
    } else if (Control(u"li"))
        FState.ListIndent = SignedInteger();
    else {
        // Any other control word with its parameter; a control symbol ("\~", "\-") with its character.
        R.Skip(1);
        if (!IsLetter(R.Token())) {
            R.Skip(1);
            return;
        }
        while (IsLetter(R.Token())) R.Skip(1);
        SkipParameter();
    }
}

bool TRTFReader::StartsText() {
    if (R.ReadStill(u"\\'") || R.ReadStill(u"\\\\") || R.ReadStill(u"\\{") || R.ReadStill(u"\\}"))
        return true;
    return ControlStill(u"u") || ControlStill(u"tab") || ControlStill(u"par");
}

Char TRTFReader::EscapedByte(uint8_t Byte) const {
    // Code page 0 is the default ANSI code page: the one the document declares, when ICU knows it.
    uint32_t codePage = FState.AnsiToUnicodeLocaleKey;
    if (codePage == 0 && FData.OriginalCodePage != 0 && Sys::IsCodePageKnown(FData.OriginalCodePage))
        codePage = FData.OriginalCodePage;
    return Sys::CodePageByteToChar(codePage, Byte);
}

Char TRTFReader::UnicodeEscape() {
    // A signed 16-bit number; writers that print the unsigned value are read as well.
    const bool negative = R.ReadToken(u'-');
    const int32_t n = R.Integer();
    const int64_t value = negative ? -int64_t(n) : n;
    if (value < -32768 || value > 65535) R.RaiseExpectation(SCharCode);
    R.CheckToken(u'?');
    return static_cast<Char>(value & 0xFFFF);
}

void TRTFReader::Append(Char C) {
    if (FFill) {
        ZARVEL_ASSERT(FLength < FData.FText.size());
        FData.FText[FLength] = C;
    }
    ++FLength;
}

void TRTFReader::Text() {
    const size_t start = FLength;
    while (!R.Eof()) {
        const Char c = R.Token();
        if (c == u'{' || c == u'}') break;
        if (c == u'\\') {
            if (R.Read(u"\\'")) {
                const uint8_t byte = R.HexByte();
                Append(FFill ? EscapedByte(byte) : Char(0));
            } else if (R.Read(u"\\\\") || R.Read(u"\\{") || R.Read(u"\\}")) {
                Append(R.Text()[size_t(R.SavePosition() - 1)]);
            } else if (Control(u"u")) {
                Append(UnicodeEscape());
            } else if (Control(u"tab")) {
                Append(u'\t');
                R.ReadToken(u' '); // the word's delimiter
            } else if (Control(u"par")) {
                Append(u'\n');
                Append(u'\r');
                R.ReadToken(u' ');
                for (int k = 0; k < 2 && SkipLineBreak(); ++k) {
                }
            } else {
                break; // a control word ends the run
            }
            continue;
        }
        SkipLineBreak();
        const TPosition from = R.SavePosition();
        Char stop = 0;
        R.FindAny(PlainStops, stop, false);
        for (TPosition p = from; p < R.SavePosition(); ++p) Append(R.Text()[size_t(p)]);
    }
    if (FLength == start) return;
    if (FFill) {
        ZARVEL_ASSERT(FRangeCount < FData.Ranges.size());
        TRTFTextRange& range = FData.Ranges[FRangeCount];
        range = FState;
        range.Range = {static_cast<int32_t>(start), static_cast<int32_t>(FLength - start)};
    }
    ++FRangeCount;
}

} // namespace

void TRTFText::TRTFTextRange::SetLangID(uint32_t N) {
    LangID = N;
    AnsiToUnicodeLocaleKey = LCIDToCodePage(N);
}

Sys::string TRTFText::TRTFData::Text() const {
    Sys::string out;
    out.reserve(FText.size());
    for (const TRTFTextRange& r : Ranges) {
        // Ranges a caller set beyond the text give what of them lies inside it.
        const size_t pos = std::min(FText.size(), size_t(std::max(r.Range.Pos, 0)));
        out.append(FText, pos, size_t(std::max(r.Range.Length, 0)));
    }
    return out;
}

TRTFText::TRTFData TRTFText::ParseRTF(TMarkupText::TMarkupTextReader& Reader) {
    TRTFData data;
    TRTFReader reader(Reader, data);
    reader.Header();
    reader.Body();
    return data;
}

TRTFText::TRTFData TRTFText::ParseRTF(const Sys::string& Text) {
    const std::unique_ptr<TMarkupText::TMarkupTextReader> reader =
        TMarkupText::TMarkupTextReader::CreateReader(Text);
    return ParseRTF(*reader);
}

Sys::string TRTFText::RTFToText(const Sys::string& Text) {
    return ParseRTF(Text).Text();
}

} // namespace Zarvel
