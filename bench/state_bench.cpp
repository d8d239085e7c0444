// Building and tearing down the whole campaign state.
#include <benchmark/benchmark.h>

#include "state/campaign_state.h"

namespace vaskorath {
namespace {

void BM_BuildAndTearDownState(benchmark::State& loop) {
  for (auto _ : loop) {
    auto state = makeCampaignState();
    benchmark::DoNotOptimize(state.get());
  }
  loop.counters["bytes"] = static_cast<double>(sizeof(CampaignState));
}
BENCHMARK(BM_BuildAndTearDownState)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaskorath
