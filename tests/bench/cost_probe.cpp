// Runs one piece of the scheduler's work a given number of times, for
// scripts/bench.sh to count its instructions under callgrind (only the
// functions named orvane::bench::measured* are counted), or writes a task
// file for a simulated day of the whole program in orvane-sim.
//
//   orvane_cost_probe tick TASKS REPEATS     task ticks, nothing due
//   orvane_cost_probe rebuild TASKS REPEATS  rebuilds of the table
//   orvane_cost_probe day-file TASKS         a task file for 2026-12-07
//                                            (a third of the tasks fire)

#include <cstdlib>
#include <iostream>
#include <string>

#include "bench/bench_scheduler.h"

namespace orvane::bench {

__attribute__((noinline)) void measuredTicks(BenchScheduler& scheduler, int repeats) {
  for (int repeat = 0; repeat < repeats; ++repeat) tickNextSecond(scheduler);
}

__attribute__((noinline)) void measuredRebuilds(BenchScheduler& scheduler, int repeats) {
  for (int repeat = 0; repeat < repeats; ++repeat) scheduler.tasks.rebuild();
}

}  // namespace orvane::bench

int main(int argc, char** argv) {
  using namespace orvane::bench;
  const std::string mode = argc > 1 ? argv[1] : "";
  const int tasks = argc > 2 ? std::atoi(argv[2]) : 0;
  const int repeats = argc > 3 ? std::atoi(argv[3]) : 0;
  if (mode == "day-file" && tasks > 0) {
    std::cout << benchTaskFile(tasks, TaskTimes::AllDay);
    return 0;
  }
  if ((mode != "tick" && mode != "rebuild") || tasks <= 0 || repeats <= 0) {
    std::cerr << "usage: orvane_cost_probe tick|rebuild TASKS REPEATS | day-file TASKS\n";
    return 2;
  }
  BenchScheduler scheduler(tasks, TaskTimes::Evening);
  if (mode == "tick") {
    measuredTicks(scheduler, repeats);
  } else {
    // A rebuild first, as the program has always done one before the next.
    scheduler.tasks.rebuild();
    measuredRebuilds(scheduler, repeats);
  }
  return 0;
}
