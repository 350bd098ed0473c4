// Shaping throughput: ChangeToComplexCharacters beside ICU's u_shapeArabic on the same runs. Both count
// the run's characters per second, so the two figures read as a ratio directly.
#include "BenchSupport.h"

#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <unicode/ushape.h>

#include <string>
#include <vector>

namespace {

using Zarvel::UCS4Char;

// Sample sentences written for the benchmark: Persian without harakat (with lam-alef pairs and the
// zero-width non-joiner of Persian spelling) and Arabic fully vowelled (harakat, shadda, lam-alef with
// a haraka between).
constexpr const char* Persian =
    "سلام، امروز کلاس زبان فارسی در دانشگاه تهران برگزار "
    "می‌شود "
    "و "
    "دانش‌آموزان با علاقه به آن گوش می‌دهند. لاله‌ها در باغ "
    "شکفته‌اند "
    "و هوای اصفهان بسیار دلپذیر است. ";
constexpr const char* Arabic = "السَّلَامُ عَلَيْكُمْ وَرَحْمَةُ اللَّهِ. قَالَ الْمُعَلِّمُ لِلطُّلَّابِ: "
                               "لَا تَتْرُكُوا الْكِتَابَ، فَإِنَّ الْعِلْمَ نُورٌ وَالْكَلَامَ الطَّيِّبَ "
                               "صَدَقَةٌ. ";

// About 100 000 characters of the sample, repeated; all of them lie in the BMP.
std::vector<UCS4Char> Run(const char* Sample) {
    const Sys::string sample = Sys::Utf8ToString(Sample);
    std::vector<UCS4Char> run;
    while (run.size() < 100000)
        for (char16_t c : sample) run.push_back(c);
    return run;
}

void ChangeToComplexCharacters(benchmark::State& State, const char* Sample) {
    const std::vector<UCS4Char> run = Run(Sample);
    std::vector<UCS4Char> work = run;
    Zarvel::TUCS4ListHelper::ChangeToComplexCharacters(work); // builds the tables once
    for (auto _ : State) {
        work.assign(run.begin(), run.end()); // shaping works in place: start each pass from the source
        Zarvel::TUCS4ListHelper::ChangeToComplexCharacters(work, true);
        benchmark::DoNotOptimize(work.data());
    }
    State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * run.size()));
}

// Letters shaped, lam-alef taking one element (the output shrinks, as ours does), logical order.
void IcuShapeArabic(benchmark::State& State, const char* Sample) {
    const std::vector<UCS4Char> run = Run(Sample);
    const std::u16string text(run.begin(), run.end());
    std::u16string out(text.size() + 16, u'\0');
    constexpr uint32_t options =
        U_SHAPE_LETTERS_SHAPE | U_SHAPE_LENGTH_GROW_SHRINK | U_SHAPE_TEXT_DIRECTION_LOGICAL;
    for (auto _ : State) {
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = u_shapeArabic(
            reinterpret_cast<const UChar*>(text.data()), static_cast<int32_t>(text.size()),
            reinterpret_cast<UChar*>(out.data()), static_cast<int32_t>(out.size()), options, &status);
        if (U_FAILURE(status)) State.SkipWithError(u_errorName(status));
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(out.data());
    }
    State.SetItemsProcessed(static_cast<int64_t>(State.iterations() * run.size()));
}

void Register() {
    const struct {
        const char* Name;
        const char* Sample;
    } inputs[] = {{"ShapePersian", Persian}, {"ShapeArabicWithHarakat", Arabic}};
    for (const auto& input : inputs) {
        benchmark::RegisterBenchmark((std::string(input.Name) + "/Zarvel").c_str(), ChangeToComplexCharacters,
                                     input.Sample);
        benchmark::RegisterBenchmark((std::string(input.Name) + "/ICU").c_str(), IcuShapeArabic,
                                     input.Sample);
    }
}

const int Registered = (Register(), 0);

} // namespace

ZARVEL_BENCHMARK_MAIN();
