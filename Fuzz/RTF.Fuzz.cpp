// Arbitrary bytes, as 8-bit text and as UTF-16, through the RTF reader: data, or EParseError with
// one of the reader's messages, or the general exception for an unterminated "{\*" group; no
// assertion, no sanitizer finding, and ranges that tile the text in order.
#include "MarkupFuzz.h"

#include "RTL.StdCtrls.h"

using namespace Zarvel;

namespace {

void Check(const Sys::string& Input) {
    try {
        const TRTFText::TRTFData d = TRTFText::ParseRTF(Input);
        // No source character yields more than one character of text (\par: four give two).
        if (d.FText.size() > Input.size()) MarkupFuzz::Fail("a text longer than the input", Input);
        int32_t next = 0;
        for (const TRTFText::TRTFTextRange& r : d.Ranges) {
            if (r.Range.Pos != next || r.Range.Length <= 0)
                MarkupFuzz::Fail("ranges that do not tile the text", Input);
            next += r.Range.Length;
        }
        if (size_t(next) != d.FText.size() || d.Text() != d.FText)
            MarkupFuzz::Fail("ranges short of the text", Input);
    } catch (const EParseError& e) {
        if (e.Message() != SBadRTFFormat && !MarkupFuzz::IsExpectation(e.Message()))
            MarkupFuzz::Fail("an unknown message", Input);
    } catch (const Sys::EAssertionFailed& e) {
        std::fprintf(stderr, "assertion: %s\n", e.what());
        MarkupFuzz::Fail("an assertion failed", Input);
    } catch (const Sys::Exception& e) {
        if (e.Message() != SUnexpectedEndOfRTFData) MarkupFuzz::Fail("an unknown general exception", Input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Check(MarkupFuzz::AsBytes(Data, Size));
    Check(MarkupFuzz::AsUtf16(Data, Size));
    return 0;
}
