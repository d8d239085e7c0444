// Building and tearing down the whole campaign state, fresh and with every table full.
#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <cstddef>

#include "full_campaign.h"
#include "state/campaign_state.h"

namespace vaskorath {
namespace {

// Bytes the heap has handed out and not taken back; 0 where the C library cannot tell.
std::size_t heapBytesInUse() {
#if defined(__GLIBC__)
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
#else
  return 0;
#endif
}

void BM_BuildAndTearDownState(benchmark::State& loop) {
  for (auto _ : loop) {
    auto state = makeCampaignState();
    benchmark::DoNotOptimize(state.get());
  }
  loop.counters["bytes"] = static_cast<double>(sizeof(CampaignState));
}
BENCHMARK(BM_BuildAndTearDownState)->Unit(benchmark::kMillisecond);

// Every troop slot, march unit and report slot holding a name: the most a campaign can occupy
// with short names.
void BM_BuildFullAndTearDownState(benchmark::State& loop) {
  std::size_t bytes = 0;
  for (auto _ : loop) {
    const std::size_t before = heapBytesInUse();
    auto state = fullCampaign();
    bytes = heapBytesInUse() - before;
    benchmark::DoNotOptimize(state.get());
  }
  loop.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildFullAndTearDownState)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaskorath
