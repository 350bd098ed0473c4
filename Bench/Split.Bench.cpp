// Throughput of the direction splitter beside ICU's bidi and FriBidi on the same texts: mixed
// Persian and English paragraphs, pure English, pure Persian.
#include "BenchSupport.h"

#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <unicode/ubidi.h>
#if ZARVEL_HAVE_FRIBIDI
#include <fribidi.h>
#endif

#include <string>
#include <vector>

namespace {

using namespace Zarvel;

// Sample sentences written for these benchmarks, with the things the splitter has rules for:
// numbers, dates, units, percent signs, brackets, quotes and list indices.
const char* const MixedSentences[] = {
    "1. نسخه 2.5 از کتابخانه Zarvel روز 5/12/1399 منتشر شد.",
    "قیمت این بسته 120 هزار تومان است (با 9% تخفیف) و تا پایان ماه معتبر است.",
    "طول کابل 25 cm و وزن آن 3.5 kg است؛ برای نصب به یک پیچ M4 نیاز دارید.",
    "او گفت \"hello world\" و سپس به زبان فارسی ادامه داد: «سلام دنیا».",
    "2- فایل config.json را باز کنید و مقدار timeout را به 30 ثانیه تغییر دهید.",
    "در سال ۱۴۰۲ بیش از ۳۵ درصد کاربران از نسخه موبایل (Android یا iOS) استفاده کردند.",
    "The report was published in Tehran; its title was «گزارش سالانه» and it had 48 pages.",
    "معادله x + 2 = 5 را حل کنید و جواب را در کادر [پاسخ] بنویسید.",
    "ساعت 10:30 جلسه با تیم Backend برگزار می‌شود و ارائه ۲۰ دقیقه "
    "طول "
    "می‌کشد.",
    "We met at the café near میدان انقلاب at 7 pm and talked for 2 hours.",
};

const char* const EnglishSentences[] = {
    "The quick brown fox jumps over the lazy dog while the farmer counts 42 sheep.",
    "Open the settings panel, choose Display, and set the scale to 125% (recommended).",
    "Version 2.5 was released on 5/12/2021 with 318 fixes and a new layout engine.",
    "She said \"good morning\" and walked to the station, which was 3 km away.",
    "1. Install the package; 2. run the demo; 3. read the output carefully.",
    "Prices rose by 4.2 percent in March, the largest increase since last autumn.",
};

const char* const PersianSentences[] = {
    "کتابخانه‌ای برای نمایش درست متن فارسی و عربی در برنامه‌های رومیزی "
    "ساخته "
    "شده "
    "است.",
    "امروز صبح باران آرامی بارید و خیابان‌های شهر خلوت‌تر از "
    "همیشه "
    "بود.",
    "او کتاب را روی میز گذاشت و با لبخند گفت «فردا دوباره "
    "می‌آیم».",
    "در این فصل درباره تاریخ خط فارسی و تحول آن در سده‌های "
    "گذشته "
    "سخن "
    "می‌گوییم.",
    "بیش از ۳۵ درصد شرکت‌کنندگان پاسخ مثبت دادند و ۱۲ نفر "
    "نظری "
    "نداشتند.",
    "نامه‌ها را مرتب کرد، چراغ را خاموش کرد و آرام از اتاق "
    "بیرون "
    "رفت.",
};

// About a megabyte of UTF-16: sentences joined by spaces, a paragraph break every few sentences.
template <size_t N> Sys::string BuildText(const char* const (&Sentences)[N]) {
    Sys::string text;
    for (size_t i = 0; text.size() < (1u << 19); ++i) {
        text += Sys::Utf8ToString(Sentences[i % N]);
        text += (i % 4 == 3) ? u'\n' : u' ';
    }
    return text;
}

const Sys::string& Text(int Which) {
    static const Sys::string texts[] = {BuildText(MixedSentences), BuildText(EnglishSentences),
                                        BuildText(PersianSentences)};
    return texts[Which];
}

void Zarvel(benchmark::State& State, int Which) {
    const Sys::string& text = Text(Which);
    std::vector<int32_t> offsets, orders;
    std::vector<TBidi> bidis;
    std::vector<TRange> ranges;
    for (auto _ : State) {
        TDirectiveChars::SplitByDirection(text, TParagraphBidi::AutoRightToLeft, offsets, orders, bidis,
                                          ranges);
        benchmark::DoNotOptimize(orders.data());
    }
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(text.size()));
    State.counters["runs"] = double(bidis.size());
}

// ICU: the whole text as paragraphs, then every visual run read.
void Icu(benchmark::State& State, int Which) {
    const Sys::string& text = Text(Which);
    UErrorCode status = U_ZERO_ERROR;
    UBiDi* bidi = ubidi_openSized(int32_t(text.size()), 0, &status);
    int32_t runs = 0;
    for (auto _ : State) {
        status = U_ZERO_ERROR;
        ubidi_setPara(bidi, reinterpret_cast<const UChar*>(text.data()), int32_t(text.size()),
                      UBIDI_DEFAULT_RTL, nullptr, &status);
        runs = ubidi_countRuns(bidi, &status);
        int32_t start, length, sum = 0;
        for (int32_t i = 0; i < runs; ++i) sum += ubidi_getVisualRun(bidi, i, &start, &length);
        benchmark::DoNotOptimize(sum);
    }
    if (U_FAILURE(status)) State.SkipWithError(u_errorName(status));
    ubidi_close(bidi);
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(text.size()));
    State.counters["runs"] = double(runs);
}

#if ZARVEL_HAVE_FRIBIDI
// FriBidi: each line's embedding levels and reordering, on the text converted to code points once.
void FriBidi(benchmark::State& State, int Which) {
    const Sys::string& text = Text(Which);
    std::vector<std::vector<FriBidiChar>> lines(1);
    for (size_t i = 0; i < text.size();) {
        size_t length;
        const char32_t c = Sys::CodePointAt(text, i, &length);
        i += length;
        if (c == u'\n')
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    std::vector<FriBidiCharType> types;
    std::vector<FriBidiBracketType> brackets;
    std::vector<FriBidiLevel> levels;
    std::vector<FriBidiStrIndex> map;
    for (auto _ : State) {
        for (const auto& line : lines) {
            const FriBidiStrIndex n = FriBidiStrIndex(line.size());
            types.resize(line.size());
            brackets.resize(line.size());
            levels.resize(line.size());
            map.resize(line.size());
            fribidi_get_bidi_types(line.data(), n, types.data());
            fribidi_get_bracket_types(line.data(), n, types.data(), brackets.data());
            FriBidiParType direction = FRIBIDI_PAR_WRTL;
            int depth = fribidi_get_par_embedding_levels_ex(types.data(), brackets.data(), n, &direction,
                                                            levels.data());
            for (FriBidiStrIndex i = 0; i < n; ++i) map[size_t(i)] = i;
            depth += fribidi_reorder_line(FRIBIDI_FLAGS_DEFAULT, types.data(), n, 0, direction, levels.data(),
                                          nullptr, map.data());
            benchmark::DoNotOptimize(depth);
            benchmark::DoNotOptimize(map.data());
        }
    }
    State.SetItemsProcessed(int64_t(State.iterations()) * int64_t(text.size()));
}
#endif

void Register() {
    const char* const names[] = {"Mixed", "English", "Persian"};
    for (int which = 0; which < 3; ++which) {
        const std::string input = std::string("Split") + names[which];
        benchmark::RegisterBenchmark((input + "/Zarvel").c_str(), Zarvel, which)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((input + "/ICU").c_str(), Icu, which)->Unit(benchmark::kMillisecond);
#if ZARVEL_HAVE_FRIBIDI
        benchmark::RegisterBenchmark((input + "/FriBidi").c_str(), FriBidi, which)
            ->Unit(benchmark::kMillisecond);
#endif
    }
}

const int Registered = (Register(), 0);

} // namespace

ZARVEL_BENCHMARK_MAIN();
