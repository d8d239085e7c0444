// The loader fuzzer's console: a group that loads the campaign and plays it on, saving wherever
// saving is offered, until the round after the loaded one has written its autosave.
#pragma once

#include <string>
#include <string_view>

#include "fuzz/harness/fuzz_console.h"
#include "fuzz/harness/saved_values.h"
#include "state/campaign_state.h"

namespace vaskorath::fuzzing {

// Answers every question from what it asks and from the campaign's state: loads "kampagne.txt",
// enters every open battle (winners in turn among the factions, one unit lost each), makes one
// named save in the middle of a battle phase, and ends every turn. The input ends once two
// autosaves have been written (the loaded round's and the next round's) or after 2,000 reads.
class PlayOnConsole : public FuzzConsole {
 public:
  PlayOnConsole(const CampaignState& state, const CheckingFileSystem& files);

  char readKey() override;
  std::string readWord() override;
  int readNumber() override;
  std::string readLine() override;

 private:
  void countAnswer();
  bool asked(std::string_view question) const;
  int battleToEnter();
  std::string nextWinner();

  const CampaignState& state_;
  const CheckingFileSystem& files_;
  bool namedSaveAsked_ = false;
  int winnerCursor_ = 0;
  bool lossMarked_ = false;
};

}  // namespace vaskorath::fuzzing
