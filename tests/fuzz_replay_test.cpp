// Every kept fuzz input (the seeds and each input that ever failed) replayed as the fuzzers ran it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/harness/dialogue_harness.h"
#include "fuzz/harness/loader_harness.h"

namespace vaskorath::testing {
namespace {

namespace fs = std::filesystem;

// The files of fuzz/corpus/<kind> and fuzz/regressions/<kind>, sorted by path.
std::vector<fs::path> keptInputs(const std::string& kind) {
  std::vector<fs::path> paths;
  for (const char* folder : {"corpus", "regressions"}) {
    const fs::path directory = fs::path(VASKORATH_FUZZ_INPUTS) / folder / kind;
    for (const auto& entry : fs::directory_iterator(directory)) {
      if (entry.is_regular_file() && entry.path().filename() != ".keep") paths.push_back(entry.path());
    }
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string contentOf(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

TEST(FuzzReplay, EveryKeptDialogueInputPlaysWithoutAFault) {
  const std::vector<fs::path> inputs = keptInputs("dialogue");
  EXPECT_GE(inputs.size(), 7u);
  for (const fs::path& path : inputs) {
    SCOPED_TRACE(path.string());
    const std::string input = contentOf(path);
    auto state = makeCampaignState();
    fuzzing::buildDialogueStart(fuzzing::dialogueStartOf(input), *state);
    EXPECT_EQ(fuzzing::playDialogues(*state, input), "");
  }
}

TEST(FuzzReplay, EveryKeptLoaderInputIsRefusedCleanlyOrWritesOnlySavesThatLoad) {
  const std::vector<fs::path> inputs = keptInputs("loader");
  EXPECT_GE(inputs.size(), 7u);
  const fuzzing::LoaderSetup setup = fuzzing::buildLoaderSetup();
  for (const fs::path& path : inputs) {
    SCOPED_TRACE(path.string());
    auto state = makeCampaignState();
    EXPECT_EQ(fuzzing::loadEditedSave(setup, *state, contentOf(path)), "");
  }
}

}  // namespace
}  // namespace vaskorath::testing
