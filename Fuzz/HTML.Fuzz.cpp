// Arbitrary bytes, as 8-bit text and as UTF-16, through the HTML reader: a tree or an EParseError
// with one of the reader's messages; no assertion, no sanitizer finding, and a tree whose text nodes
// hold no '<' and whose text is no longer than the input.
#include "MarkupFuzz.h"

#include "RTL.StdCtrls.h"

using namespace Zarvel;

namespace {

using TTag = THTMLText::THTMLTag;

// The shape of a node and its descendants, with an explicit stack: the tree is bounded in depth
// but the check should not lean on that.
void CheckTree(const TTag& Root, const Sys::string& Input) {
    std::vector<std::pair<const TTag*, int>> pending = {{&Root, 0}};
    while (!pending.empty()) {
        const auto [tag, depth] = pending.back();
        pending.pop_back();
        if (depth > THTMLText::MaxDepth + 1) MarkupFuzz::Fail("a tree deeper than the limit", Input);
        if (tag->TagType == THTMLText::THTMLTagType::InnerText) {
            if (!tag->Children.empty() || !tag->Params.empty())
                MarkupFuzz::Fail("a text node with children", Input);
            if (tag->ImmediateText.empty() || tag->ImmediateText.find(u'<') != Sys::string::npos)
                MarkupFuzz::Fail("a text node empty or holding '<'", Input);
        } else if (!tag->ImmediateText.empty()) {
            MarkupFuzz::Fail("an element with its own text", Input);
        }
        for (const TTag& child : tag->Children) pending.push_back({&child, depth + 1});
    }
}

void Check(const Sys::string& Input) {
    try {
        const TTag tree = THTMLText::ParseHTML(Input);
        CheckTree(tree, Input);
        if (tree.Text().size() > Input.size()) MarkupFuzz::Fail("a text longer than the input", Input);
    } catch (const EParseError& e) {
        if (e.Message() != SIncompleteHTMLTag && e.Message() != SHTMLTooDeep &&
            !MarkupFuzz::IsExpectation(e.Message()))
            MarkupFuzz::Fail("an unknown message", Input);
    } catch (const Sys::EAssertionFailed& e) {
        std::fprintf(stderr, "assertion: %s\n", e.what());
        MarkupFuzz::Fail("an assertion failed", Input);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    Check(MarkupFuzz::AsBytes(Data, Size));
    Check(MarkupFuzz::AsUtf16(Data, Size));
    return 0;
}
