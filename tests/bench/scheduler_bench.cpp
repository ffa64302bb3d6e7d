// The cost of the task tick, which runs every second for as long as the PC
// is on, of a rebuild of the occurrence table (read, split, resolve) with
// 10, 1,000 and 10,000 task lines, and of a simulated day in which every task
// that fires rebuilds the table. Not run by ctest; scripts/bench.sh runs
// tests/bench/cost_probe.cpp under callgrind for the instruction counts.

#include <benchmark/benchmark.h>

#include "bench/bench_scheduler.h"

namespace orvane::bench {
namespace {

// Nothing is due during the ticks and the day never changes, so no tick
// rebuilds the table.
void BM_TaskTick(benchmark::State& state) {
  BenchScheduler scheduler(static_cast<int>(state.range(0)), TaskTimes::Evening);
  for (auto _ : state) tickNextSecond(scheduler);
}
BENCHMARK(BM_TaskTick)->Arg(10)->Arg(1000)->Arg(10000);

void BM_Rebuild(benchmark::State& state) {
  BenchScheduler scheduler(static_cast<int>(state.range(0)), TaskTimes::Evening);
  for (auto _ : state) scheduler.tasks.rebuild();
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Rebuild)->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A whole day, second by second; a third of the tasks fire.
void BM_SimulatedDay(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    BenchScheduler scheduler(static_cast<int>(state.range(0)), TaskTimes::AllDay);
    state.ResumeTiming();
    runDay(scheduler);
    state.counters["fired"] = scheduler.host.fired;
  }
}
BENCHMARK(BM_SimulatedDay)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace orvane::bench

BENCHMARK_MAIN();
