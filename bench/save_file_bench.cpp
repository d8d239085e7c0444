// Writing and reading save files of a fresh campaign and of one with every table filled.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "console/posix_file_system.h"
#include "full_campaign.h"
#include "persistence/save_file.h"
#include "state/campaign_state.h"

namespace vaskorath {
namespace {

// A new campaign of two players, as its first autosave in round 2 holds it.
std::unique_ptr<CampaignState> freshCampaign() {
  auto state = makeCampaignState();
  state->anzahlspieler = 2;
  state->runde = 2;
  return state;
}

// A temporary working directory for the real file system, removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vaskorath-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::filesystem::current_path(path_);
  }
  ~ScratchDirectory() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

void writeToBuffer(benchmark::State& loop, const CampaignState& state) {
  std::size_t bytes = 0;
  for (auto _ : loop) {
    const std::string file = writeSaveFile(state);
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  loop.counters["file_bytes"] = static_cast<double>(bytes);
}

void writeToDisk(benchmark::State& loop, const CampaignState& state) {
  ScratchDirectory scratch;
  PosixFileSystem files;
  for (auto _ : loop) {
    if (!files.writeFileAtomically("autosave.txt", writeSaveFile(state))) loop.SkipWithError("write failed");
  }
}

void readFromBuffer(benchmark::State& loop, const CampaignState& source) {
  const std::string file = writeSaveFile(source);
  auto target = makeCampaignState();
  for (auto _ : loop) {
    if (!readSaveFile(file, *target)) loop.SkipWithError("read failed");
  }
  loop.counters["file_bytes"] = static_cast<double>(file.size());
}

void readFromDisk(benchmark::State& loop, const CampaignState& source) {
  ScratchDirectory scratch;
  PosixFileSystem files;
  files.writeFileAtomically("autosave.txt", writeSaveFile(source));
  auto target = makeCampaignState();
  for (auto _ : loop) {
    const FileContent file = files.readFile("autosave.txt");
    if (file.status != FileContent::Status::kRead || !readSaveFile(file.content, *target)) {
      loop.SkipWithError("read failed");
    }
  }
}

void BM_WriteFreshToBuffer(benchmark::State& loop) { writeToBuffer(loop, *freshCampaign()); }
void BM_WriteFullToBuffer(benchmark::State& loop) { writeToBuffer(loop, *fullCampaign()); }
void BM_WriteFreshToDisk(benchmark::State& loop) { writeToDisk(loop, *freshCampaign()); }
void BM_WriteFullToDisk(benchmark::State& loop) { writeToDisk(loop, *fullCampaign()); }
void BM_ReadFreshFromBuffer(benchmark::State& loop) { readFromBuffer(loop, *freshCampaign()); }
void BM_ReadFullFromBuffer(benchmark::State& loop) { readFromBuffer(loop, *fullCampaign()); }
void BM_ReadFreshFromDisk(benchmark::State& loop) { readFromDisk(loop, *freshCampaign()); }
void BM_ReadFullFromDisk(benchmark::State& loop) { readFromDisk(loop, *fullCampaign()); }

BENCHMARK(BM_WriteFreshToBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFullToBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFreshToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteFullToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFreshFromBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFullFromBuffer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFreshFromDisk)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFullFromDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vaskorath
