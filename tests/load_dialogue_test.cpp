// The load dialogue: its texts, the file name rules, refused files, and resuming at the battle phase.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "persistence/load_dialogue.h"
#include "persistence/save_file.h"
#include "resolution/round_calculation.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kLoadHeader =
    "Spielstand laden. Folgende Spielstaende stehe zur Verfuegung (.txt Dateien):\n"
    "----------------------------------------------------------------------------\n\n";
const std::string kNamePrompt = "\nBitte Dateiname eingeben (z.B. autosave): ";
const std::string kBadName =
    "Ungueltiger Dateiname. Der Name darf weder / noch \\ enthalten.\n"
    "Bitte Dateiname eingeben (z.B. autosave): ";
const std::string kLoaded = "Letzter Spielstand wurde erfolgreich geladen!\n\n";
const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

// The save file of a campaign of two players in round 5.
std::string savedCampaign() {
  TestGame saved;
  saved.addPlayer(0, "Anna");
  saved.addPlayer(1, "Bert", "Brukkas");
  saved.addLocation("Terra (Heimatplanet)", "Anna");
  saved.addLocation("Fels (Heimatplanet)", "Bert");
  saved.state->planetenliste[0].troops[0][0].set(0, "Legionaer");
  saved.state->spielerliste[1].credits = 750;
  saved.state->runde = 5;
  saved.state->endrunde = 12;
  return writeSaveFile(*saved.state);
}

// A campaign waiting to load, as the welcome screen leaves it.
struct LoadingGame : TestGame {
  explicit LoadingGame(std::string input) : TestGame(std::move(input)) { state->loadRequested = true; }

  // Runs the dialogue and returns the exit status it ended the program with, or -1.
  int load() {
    try {
      runLoadDialogue(game);
    } catch (const ProgramExit& exit) {
      return exit.status;
    }
    return -1;
  }
};

TEST(LoadDialogue, LoadsTheChosenSaveAndClearsTheRequest) {
  UtcTimeZone utc;
  LoadingGame test("Abend\n");
  test.files.files["Abend.txt"] = savedCampaign();
  test.files.files["notiz.txt"] = "abc";
  EXPECT_EQ(test.load(), -1);

  const std::string& out = test.console.output();
  EXPECT_TRUE(out.starts_with(kLoadHeader));
  EXPECT_NE(out.find(" Abend.txt\n01.01.1970  00:00                 3 notiz.txt\n"), std::string::npos);
  EXPECT_TRUE(out.ends_with("notiz.txt\n" + kNamePrompt + kLoaded + kPause));
  EXPECT_EQ(test.console.currentScreen(), "");  // cleared once more after the pause
  EXPECT_FALSE(test.state->loadRequested);
  EXPECT_EQ(test.state->planetenliste[1].name, "Fels (Heimatplanet)");
  EXPECT_EQ(test.state->planetenliste[0].troops[0][0][0], "Legionaer");
  EXPECT_EQ(test.state->spielerliste[1].credits, 750);
  EXPECT_EQ(test.state->spielerliste[1].race, "Brukkas");
  EXPECT_EQ(test.state->runde, 5);
  EXPECT_EQ(writeSaveFile(*test.state), test.files.files["Abend.txt"]);
}

TEST(LoadDialogue, TakesATypedTxtEndingAsItIsAndOtherCharactersUnchanged) {
  LoadingGame withEnding("autosave.txt\n");
  withEnding.files.files["autosave.txt"] = savedCampaign();
  EXPECT_EQ(withEnding.load(), -1);
  EXPECT_EQ(withEnding.state->runde, 5);

  LoadingGame oldName("Alter.Stand(2)\n");
  oldName.files.files["Alter.Stand(2).txt"] = savedCampaign();
  EXPECT_EQ(oldName.load(), -1);
  EXPECT_EQ(oldName.state->runde, 5);
}

TEST(LoadDialogue, AsksAgainForANameWithAPath) {
  LoadingGame test("../autosave ..\\autosave autosave\n");
  test.files.files["autosave.txt"] = savedCampaign();
  EXPECT_EQ(test.load(), -1);
  EXPECT_TRUE(test.console.output().ends_with(kNamePrompt + kBadName + kBadName + kLoaded + kPause));
  EXPECT_EQ(test.state->runde, 5);
}

TEST(LoadDialogue, AMissingFileEndsTheProgram) {
  LoadingGame test("fehlt\n");
  const auto before = std::make_unique<CampaignState>(*test.state);
  EXPECT_EQ(test.load(), 1);
  EXPECT_EQ(test.console.output(),
            kLoadHeader + "Keine Spielstaende vorhanden.\n" + kNamePrompt +
                "Fehler. Datei konnte nicht geoeffnet werden. Programm neu starten!\n\n" + kPause);
  EXPECT_EQ(test.console.clearCount(), 2);
  EXPECT_TRUE(*test.state == *before);
}

TEST(LoadDialogue, ABrokenFileEndsTheProgramAndLoadsNothing) {
  std::string broken = savedCampaign();
  broken.resize(broken.rfind('\n', broken.size() - 2) + 1);  // the last line is missing
  for (const std::string& content : {broken, std::string("nur eine Zeile\n")}) {
    LoadingGame test("kaputt\n");
    test.files.files["kaputt.txt"] = content;
    const auto before = std::make_unique<CampaignState>(*test.state);
    EXPECT_EQ(test.load(), 1);
    EXPECT_EQ(test.console.currentScreen(),
              "Fehler. Datei ist unvollstaendig oder beschaedigt. Programm neu starten!\n\n" + kPause);
    EXPECT_TRUE(*test.state == *before);
  }
  // A pipe or a device under a save's name is no save either.
  LoadingGame test("autosave\n");
  test.files.unsuitableFiles.insert("autosave.txt");
  EXPECT_EQ(test.load(), 1);
  EXPECT_EQ(test.console.currentScreen(),
            "Fehler. Datei ist unvollstaendig oder beschaedigt. Programm neu starten!\n\n" + kPause);
}

TEST(LoadDialogue, AResumedCampaignContinuesAtTheBattlePhaseOfItsRound) {
  LoadingGame test("autosave\n0\n");
  test.files.files["autosave.txt"] = savedCampaign();
  calculateRound(test.game);
  const std::string& out = test.console.output();
  EXPECT_EQ(out.find("Runden) ist beendet."), std::string::npos);  // no end-of-round screen before a load
  const std::string noBattleScreen =
      "Runde 5 beginnt.\n\n"
      "Folgende Gefechte gibt es in dieser Runde:\n"
      "------------------------------------------\n"
      "- keine -\n\n"
      "Es werden keine Gefechte durchgefuehrt (Weiter und Autosave mit 0 - Speichern mit 1)?: ";
  EXPECT_TRUE(out.ends_with(kLoaded + kPause + noBattleScreen));
  EXPECT_FALSE(test.state->loadRequested);
  EXPECT_EQ(test.state->runde, 5);
  // Nothing happened between the load and the autosave, so it holds the loaded campaign unchanged.
  EXPECT_EQ(test.files.files["autosave.txt"], savedCampaign());
}

}  // namespace
}  // namespace vaskorath::testing
