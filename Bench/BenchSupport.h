// Shared by the benchmark programs: a reporter that prints, after the usual table, each peer's
// throughput as a ratio to ours on the same input.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace ZarvelBench {

// Benchmarks are named "<input>/<implementation>"; the implementation named "Zarvel" is the base.
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& run : Runs) {
            // With repetitions only the median counts; without, the single run.
            if (run.error_occurred) continue;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const auto it = run.counters.find("items_per_second");
            if (it == run.counters.end()) continue;
            const std::string name = run.run_name.function_name;
            const size_t slash = name.find('/');
            if (slash == std::string::npos) continue;
            FRates[name.substr(0, slash)][name.substr(slash + 1)] = it->second.value;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-28s %-14s %16s %10s\n", "input", "implementation", "items/s", "ours/peer");
        for (const auto& [input, rates] : FRates) {
            const auto ours = rates.find("Zarvel");
            for (const auto& [implementation, rate] : rates)
                std::printf("%-28s %-14s %16.4g %10s\n", input.c_str(), implementation.c_str(), rate,
                            ours == rates.end() || implementation == "Zarvel"
                                ? "-"
                                : std::to_string(ours->second / rate).substr(0, 6).c_str());
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> FRates;
};

} // namespace ZarvelBench

#define ZARVEL_BENCHMARK_MAIN()                                                                              \
    int main(int argc, char** argv) {                                                                        \
        benchmark::Initialize(&argc, argv);                                                                  \
        ZarvelBench::TRatioReporter reporter;                                                                \
        benchmark::RunSpecifiedBenchmarks(&reporter);                                                        \
        benchmark::Shutdown();                                                                               \
        return 0;                                                                                            \
    }
