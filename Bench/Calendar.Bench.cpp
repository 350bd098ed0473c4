// Calendar conversion throughput: the Jalali, tabular Hijri and Gregorian calculators decoding a
// TDateTime into year, month and day and encoding it back, over every day of a hundred years, beside
// ICU's Calendar for "persian", "islamic-civil" and the proleptic Gregorian calendar doing the same
// conversions. A branch-free Gregorian day-to-civil conversion, written from its published
// arithmetic, is the floor. Every figure counts conversions per second.
#include "BenchSupport.h"

#include "RTL.Date.h"
#include "System.DateUtils.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>

#include <memory>
#include <vector>

namespace {

using Sys::TDateTime;

struct TYmd {
    uint16_t Year, Month, Day;
};

// Every day of 1950 to 2049.
const std::vector<int32_t>& Days() {
    static const std::vector<int32_t> days = [] {
        std::vector<int32_t> result;
        for (int32_t d = int32_t(Sys::EncodeDate(1950, 1, 1)); d <= int32_t(Sys::EncodeDate(2049, 12, 31));
             ++d)
            result.push_back(d);
        return result;
    }();
    return days;
}

std::unique_ptr<Zarvel::TRTLCalendarCalc> Calculator(const char16_t* Name) {
    return Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(Name, u"");
}

void ZarvelDecode(benchmark::State& State, const char16_t* Name) {
    const auto calc = Calculator(Name);
    for (auto _ : State)
        for (int32_t day : Days()) {
            TYmd d;
            calc->DecodeDate(day, d.Year, d.Month, d.Day);
            benchmark::DoNotOptimize(d);
        }
    State.SetItemsProcessed(int64_t(State.iterations() * Days().size()));
}

void ZarvelEncode(benchmark::State& State, const char16_t* Name) {
    const auto calc = Calculator(Name);
    std::vector<TYmd> dates(Days().size());
    for (size_t i = 0; i < dates.size(); ++i)
        calc->DecodeDate(Days()[i], dates[i].Year, dates[i].Month, dates[i].Day);
    for (auto _ : State)
        for (const TYmd& d : dates) {
            TDateTime value;
            benchmark::DoNotOptimize(calc->TryEncodeDate(d.Year, d.Month, d.Day, value));
            benchmark::DoNotOptimize(value);
        }
    State.SetItemsProcessed(int64_t(State.iterations() * dates.size()));
}

std::unique_ptr<icu::Calendar> IcuCalendar(const char* Locale) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(Locale), status));
    if (auto* gregorian = dynamic_cast<icu::GregorianCalendar*>(calendar.get()))
        gregorian->setGregorianChange(-8.64e15, status); // proleptic
    return calendar;
}

// TDateTime day 0 is 1899-12-30, 25569 days before the Unix epoch ICU counts from.
double IcuMillis(int32_t Day) {
    return (Day - 25569) * 86400000.0;
}

void IcuDecode(benchmark::State& State, const char* Locale) {
    const auto calendar = IcuCalendar(Locale);
    UErrorCode status = U_ZERO_ERROR;
    for (auto _ : State)
        for (int32_t day : Days()) {
            calendar->setTime(IcuMillis(day), status);
            TYmd d{uint16_t(calendar->get(UCAL_EXTENDED_YEAR, status)),
                   uint16_t(calendar->get(UCAL_MONTH, status) + 1),
                   uint16_t(calendar->get(UCAL_DATE, status))};
            benchmark::DoNotOptimize(d);
        }
    if (U_FAILURE(status)) State.SkipWithError("ICU failed");
    State.SetItemsProcessed(int64_t(State.iterations() * Days().size()));
}

void IcuEncode(benchmark::State& State, const char* Locale) {
    const auto calendar = IcuCalendar(Locale);
    UErrorCode status = U_ZERO_ERROR;
    std::vector<TYmd> dates(Days().size());
    for (size_t i = 0; i < dates.size(); ++i) {
        calendar->setTime(IcuMillis(Days()[i]), status);
        dates[i] = {uint16_t(calendar->get(UCAL_EXTENDED_YEAR, status)),
                    uint16_t(calendar->get(UCAL_MONTH, status) + 1),
                    uint16_t(calendar->get(UCAL_DATE, status))};
    }
    for (auto _ : State)
        for (const TYmd& d : dates) {
            calendar->clear();
            calendar->set(UCAL_EXTENDED_YEAR, d.Year);
            calendar->set(UCAL_MONTH, d.Month - 1);
            calendar->set(UCAL_DATE, d.Day);
            benchmark::DoNotOptimize(calendar->getTime(status));
        }
    if (U_FAILURE(status)) State.SkipWithError("ICU failed");
    State.SetItemsProcessed(int64_t(State.iterations() * dates.size()));
}

// The floor: civil-from-days over 400-year eras, no table and no loop.
TYmd CivilFromDays(int32_t z) {
    z += 719468 - 25569;
    const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const uint32_t doe = uint32_t(z - era * 146097);
    const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const uint32_t mp = (5 * doy + 2) / 153;
    const uint32_t d = doy - (153 * mp + 2) / 5 + 1, m = mp < 10 ? mp + 3 : mp - 9;
    return {uint16_t(int32_t(yoe) + era * 400 + (m <= 2)), uint16_t(m), uint16_t(d)};
}

int32_t DaysFromCivil(TYmd Date) {
    const int32_t y = Date.Year - (Date.Month <= 2);
    const int32_t era = (y >= 0 ? y : y - 399) / 400;
    const uint32_t yoe = uint32_t(y - era * 400);
    const uint32_t doy = (153 * (Date.Month > 2 ? Date.Month - 3 : Date.Month + 9) + 2) / 5 + Date.Day - 1;
    return era * 146097 + int32_t(yoe * 365 + yoe / 4 - yoe / 100 + doy) - 719468 + 25569;
}

void FloorDecode(benchmark::State& State) {
    for (auto _ : State)
        for (int32_t day : Days()) {
            // The same input the calculators get, a TDateTime; its days here are all positive, so
            // truncation takes it to its day.
            const TDateTime value = day;
            benchmark::DoNotOptimize(CivilFromDays(static_cast<int32_t>(value)));
        }
    State.SetItemsProcessed(int64_t(State.iterations() * Days().size()));
}

void FloorEncode(benchmark::State& State) {
    std::vector<TYmd> dates;
    for (int32_t day : Days()) dates.push_back(CivilFromDays(day));
    for (auto _ : State)
        for (const TYmd& d : dates) benchmark::DoNotOptimize(TDateTime(DaysFromCivil(d)));
    State.SetItemsProcessed(int64_t(State.iterations() * dates.size()));
}

void Register() {
    const struct {
        const char* Name;
        const char16_t* Calendar;
        const char* IcuLocale;
    } calendars[] = {
        {"Jalali", u"Jalali", "@calendar=persian"},
        {"Hijri", u"IslamicTabular", "@calendar=islamic-civil"},
        {"Gregorian", u"Gregorian", "@calendar=gregorian"},
    };
    for (const auto& c : calendars) {
        const std::string decode = std::string(c.Name) + "Decode", encode = std::string(c.Name) + "Encode";
        benchmark::RegisterBenchmark((decode + "/Zarvel").c_str(), ZarvelDecode, c.Calendar);
        benchmark::RegisterBenchmark((decode + "/ICU").c_str(), IcuDecode, c.IcuLocale);
        benchmark::RegisterBenchmark((decode + "/Floor").c_str(), FloorDecode);
        benchmark::RegisterBenchmark((encode + "/Zarvel").c_str(), ZarvelEncode, c.Calendar);
        benchmark::RegisterBenchmark((encode + "/ICU").c_str(), IcuEncode, c.IcuLocale);
        benchmark::RegisterBenchmark((encode + "/Floor").c_str(), FloorEncode);
    }
}

const int Registered = (Register(), 0);

} // namespace

ZARVEL_BENCHMARK_MAIN();
