// Every kept fuzz input (the seeds and each input that ever failed) replayed as the fuzzers ran it.
#include <gtest/gtest.h>

#include <algorithm>
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

// Six bytes an edit: operation, line in three bytes, argument in two.
std::string edit(unsigned char operation, int line, int argument) {
  return {static_cast<char>(operation), static_cast<char>(line >> 16), static_cast<char>(line >> 8),
          static_cast<char>(line),      static_cast<char>(argument >> 8), static_cast<char>(argument)};
}

std::string withCrLf(std::string_view text) {
  std::string turned;
  turned.reserve(2 * text.size());
  for (char c : text) {
    if (c == '\n') turned += '\r';
    turned += c;
  }
  return turned;
}

// Files of millions of lines: a failure names where they part instead of printing both.
::testing::AssertionResult sameFile(std::string_view actual, std::string_view expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  const auto parted = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
  const auto at = static_cast<std::size_t>(parted.first - actual.begin());
  return ::testing::AssertionFailure()
         << "sizes " << actual.size() << " and " << expected.size() << ", first difference at byte " << at
         << ": \"" << actual.substr(at, 20) << "\" instead of \"" << expected.substr(at, 20) << "\"";
}

TEST(LoaderFuzzEdits, TurningEveryLineEndGivesTheSameLinesEndedByCrLf) {
  auto state = makeCampaignState();
  state->planetenliste[0].name = "Terra";
  state->planetenliste[0].troops[0][0].set(3, "Legionaer");
  const fuzzing::SaveBase base = fuzzing::makeSaveBase(*state);
  constexpr unsigned char kTurnLineEnds = 8;
  const std::string edits[] = {
      "",
      edit(0, 1, 0) + edit(4, 7, 3),                      // a deleted line, a replaced one
      edit(1, 0, 0) + edit(2, 5, 40) + edit(6, 2, 0),     // duplicated, swapped, "\r" appended
      edit(7, 9, 1) + edit(5, 3, 1),                      // two lines joined, a value shifted
      edit(4, 20, 0) + edit(3, 100000, 5),                // cut off inside a line
  };
  for (const std::string& changes : edits) {
    SCOPED_TRACE(changes.size() / 6);
    const std::string plain = fuzzing::editedSave(base, changes);
    EXPECT_TRUE(sameFile(fuzzing::editedSave(base, changes + edit(kTurnLineEnds, 0, 0)), withCrLf(plain)));
    EXPECT_TRUE(sameFile(fuzzing::editedSave(base, edit(kTurnLineEnds, 0, 0) + changes), withCrLf(plain)));
  }
  EXPECT_TRUE(sameFile(fuzzing::editedSave(base, edit(3, 2, 0)), base.text.substr(0, base.lineStarts[2])));
  // The last line is a line like any other: doubled, it comes twice, each time with its line end.
  const int last = static_cast<int>(base.lineStarts.size()) - 1;
  const std::string lastLine = base.text.substr(base.lineStarts[last]);
  EXPECT_TRUE(sameFile(fuzzing::editedSave(base, edit(1, last, 0)), base.text + lastLine));
}

}  // namespace
}  // namespace vaskorath::testing
