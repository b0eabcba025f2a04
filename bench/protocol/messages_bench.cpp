#include "protocol/messages.h"

#include <benchmark/benchmark.h>

namespace {

using namespace talvenor;

void composeTradeReportExample(benchmark::State& state)
{
    const TradeReport report{Side::Buy, u"ABC", 100, 12.5, u"t1", u"t1008KS001"};
    for (auto _ : state)
        benchmark::DoNotOptimize(composeTradeReport(report));
}
BENCHMARK(composeTradeReportExample);

} // namespace
