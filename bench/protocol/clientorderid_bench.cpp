#include "protocol/clientorderid.h"

#include <benchmark/benchmark.h>

namespace {

void generateUniqueIdFromSystemClock(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(talvenor::generateUniqueId());
}
BENCHMARK(generateUniqueIdFromSystemClock);

} // namespace
