// Saving from the battle phase: the list of saves, the named save, the autosave and the no-battle screen.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>
#include <string>

#include "console/platform.h"
#include "persistence/save_dialogue.h"
#include "persistence/save_file.h"
#include "persistence/save_list.h"
#include "program_runner.h"
#include "resolution/battle_phase.h"
#include "save_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

const std::string kSaveHeader =
    "Spielstand speichern. Folgende Spielstaende gibt es bereits:\n"
    "------------------------------------------------------------\n\n";
const std::string kNamePrompt = "\nBitte die Bezeichnung des Spielstands eingeben (z.B. vaskorathsave): ";
const std::string kBadName =
    "Ungueltiger Name. Erlaubt sind 1 bis 64 Buchstaben, Ziffern, - und _.\n"
    "Bitte die Bezeichnung des Spielstands eingeben (z.B. vaskorathsave): ";
const std::string kSaved =
    "Aktueller Spielstand wurde gespeichert! Bei Bedarf kann das Spiel nun beendet werden.\n\n";
const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

std::string saveFailure(const std::string& reason) {
  return "Fehler: Der Spielstand konnte nicht gespeichert werden (" + reason +
         "). Die vorherige Datei ist unveraendert.\n\n";
}

std::string noBattleScreen(int round) {
  return "Runde " + std::to_string(round) +
         " beginnt.\n\n"
         "Folgende Gefechte gibt es in dieser Runde:\n"
         "------------------------------------------\n"
         "- keine -\n"
         "\n"
         "Es werden keine Gefechte durchgefuehrt (Weiter und Autosave mit 0 - Speichern mit 1)?: ";
}

TEST(SaveList, DateTimeSizeAndNameLineUpInColumns) {
  UtcTimeZone utc;
  EXPECT_EQ(formatSaveListLine({"autosave.txt", 3'250'712, 1'716'559'439}),
            "24.05.2024  14:03         3.250.712 autosave.txt");
  EXPECT_EQ(formatSaveListLine({"a.txt", 999, 1'704'067'140}),
            "31.12.2023  23:59               999 a.txt");
  EXPECT_EQ(formatSaveListLine({"b.txt", 1000, 0}), "01.01.1970  00:00             1.000 b.txt");
  EXPECT_EQ(formatSaveListLine({"riesig.txt", 123'456'789'012, 0}),
            "01.01.1970  00:00   123.456.789.012 riesig.txt");
}

TEST(SaveList, ListsOnlyTextFilesByNameOrSaysThereAreNone) {
  UtcTimeZone utc;
  TestGame test;
  printSaveList(test.game);
  EXPECT_EQ(test.console.output(), "Keine Spielstaende vorhanden.\n");

  test.console.clearOutput();
  test.files.files["zweiter.txt"] = "12345";
  test.files.files["karte.jpg"] = "Bild";
  test.files.files["Alpha.txt"] = "";
  printSaveList(test.game);
  EXPECT_EQ(test.console.output(),
            "01.01.1970  00:00                 0 Alpha.txt\n"
            "01.01.1970  00:00                 5 zweiter.txt\n");
}

TEST(SaveName, OnlyLettersDigitsHyphenAndUnderscoreUpToSixtyFourCharacters) {
  EXPECT_TRUE(isValidSaveName("vaskorathsave"));
  EXPECT_TRUE(isValidSaveName("Runde-7_Abend2"));
  EXPECT_TRUE(isValidSaveName("x"));
  EXPECT_TRUE(isValidSaveName(std::string(64, 'a')));
  EXPECT_FALSE(isValidSaveName(std::string(65, 'a')));
  EXPECT_FALSE(isValidSaveName(""));
  EXPECT_FALSE(isValidSaveName("../autosave"));
  EXPECT_FALSE(isValidSaveName("ordner\\datei"));
  EXPECT_FALSE(isValidSaveName("save.txt"));
  EXPECT_FALSE(isValidSaveName("C:save"));
  EXPECT_FALSE(isValidSaveName("Spielstand*"));
  EXPECT_FALSE(isValidSaveName("Gr\xc3\xbcn"));  // a German umlaut in UTF-8
}

TEST(NamedSave, ListsTheSavesWritesTheCampaignAndSaysSo) {
  UtcTimeZone utc;
  TestGame test("mein-save_1\n");
  test.addPlayer(0, "Anna");
  test.addLocation("Terra (Heimatplanet)", "Anna");
  test.files.files["autosave.txt"] = "alt\n";
  runNamedSaveDialogue(test.game);

  EXPECT_EQ(test.console.output(), kSaveHeader + "01.01.1970  00:00                 4 autosave.txt\n" +
                                       kNamePrompt + kSaved + kPause);
  EXPECT_EQ(test.console.currentScreen(), kSaved + kPause);
  ASSERT_TRUE(test.files.files.contains("mein-save_1.txt"));
  EXPECT_EQ(test.files.files["mein-save_1.txt"], writeSaveFile(*test.state));
  EXPECT_EQ(test.files.files["autosave.txt"], "alt\n");  // no copy of the autosave is made
}

TEST(NamedSave, AsksAgainUntilTheNameIsAllowed) {
  TestGame test("../boese save.txt " + std::string(65, 'x') + " Gr\xc3\xbcn Abend_3\n");
  runNamedSaveDialogue(test.game);
  EXPECT_EQ(test.console.output(), kSaveHeader + "Keine Spielstaende vorhanden.\n" + kNamePrompt + kBadName +
                                       kBadName + kBadName + kBadName + kSaved + kPause);
  ASSERT_EQ(test.files.files.size(), 1u);
  EXPECT_TRUE(test.files.files.contains("Abend_3.txt"));
}

TEST(NamedSave, AnExistingSaveIsReplacedOnlyWhenTheQuestionIsAnsweredWithJ) {
  // "n" keeps the other campaign's save byte for byte and asks for a name again.
  UtcTimeZone utc;
  TestGame keep("andere\nn\nneu\n");
  keep.files.files["andere.txt"] = "fremde Kampagne\r\n";
  runNamedSaveDialogue(keep.game);
  EXPECT_EQ(keep.console.output(), kSaveHeader + "01.01.1970  00:00                17 andere.txt\n" + kNamePrompt +
                                       "\nDer Spielstand andere.txt existiert bereits. Ueberschreiben (j/n)?" +
                                       kNamePrompt + kSaved + kPause);
  EXPECT_EQ(keep.files.files["andere.txt"], "fremde Kampagne\r\n");
  EXPECT_EQ(keep.files.files["neu.txt"], writeSaveFile(*keep.state));

  // "j" replaces it; the name "autosave" is asked about like any other.
  TestGame replace("autosave\nj\n");
  replace.files.files["autosave.txt"] = "alt\n";
  runNamedSaveDialogue(replace.game);
  EXPECT_NE(replace.console.output().find(
                "\nDer Spielstand autosave.txt existiert bereits. Ueberschreiben (j/n)?" + kSaved + kPause),
            std::string::npos);
  EXPECT_EQ(replace.files.files["autosave.txt"], writeSaveFile(*replace.state));
}

TEST(NamedSave, AFailedWriteIsReportedAndTheOldFileKept) {
  TestGame test("meinsave\nj\n");
  test.files.files["meinsave.txt"] = "vorher";
  test.files.writeFailureReason = "kein freier Speicherplatz";
  runNamedSaveDialogue(test.game);
  EXPECT_EQ(test.console.currentScreen(), saveFailure("kein freier Speicherplatz") + kPause);
  EXPECT_EQ(test.console.output().find("Aktueller Spielstand"), std::string::npos);
  EXPECT_EQ(test.files.files["meinsave.txt"], "vorher");
}

TEST(Autosave, OnTheRealFileSystemWritesTheFileOrReportsWhyNot) {
  TemporaryDirectory directory;
  WorkingDirectory inside(directory.path());
  TestGame test;
  test.addPlayer(0, "Anna");
  const auto files = makeSystemFileSystem();
  Game game{*test.state, test.console, *files, test.random};

  ASSERT_TRUE(writeAutosave(game));
  EXPECT_EQ(directory.read("autosave.txt"), writeSaveFile(*test.state, kSavedLineEnd));
  EXPECT_EQ(test.console.output(), "");

  // A directory in the way of the target: the rename fails and nothing is left behind.
  std::filesystem::remove(directory.path() / "autosave.txt");
  std::filesystem::create_directory(directory.path() / "autosave.txt");
  EXPECT_FALSE(writeAutosave(game));
  EXPECT_EQ(test.console.currentScreen(),
            saveFailure("an dieser Stelle steht ein Verzeichnis") + kPause);
  EXPECT_TRUE(std::filesystem::is_directory(directory.path() / "autosave.txt"));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(Autosave, IsWrittenWithTheLineEndsOfTheFileSystem) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.files.textLineEnd = "\r\n";  // as on Windows
  ASSERT_TRUE(writeAutosave(test.game));
  EXPECT_EQ(test.files.files["autosave.txt"], writeSaveFile(*test.state, "\r\n"));
}

TEST(Autosave, OfANewCampaignNeverReplacesTheOldAutosaveEvenWhenKeepingItFails) {
  TestGame test;
  test.state->keepPreviousAutosave = true;
  test.files.files["autosave.txt"] = "alte Kampagne";
  test.files.writeFailureReason = "kein freier Speicherplatz";
  EXPECT_FALSE(writeAutosave(test.game));
  EXPECT_EQ(test.console.currentScreen(), saveFailure("kein freier Speicherplatz") + kPause);
  EXPECT_EQ(test.files.files.size(), 1u);
  EXPECT_EQ(test.files.files["autosave.txt"], "alte Kampagne");

  // The next autosave tries again; once kept, later autosaves replace their own file quietly.
  test.files.writeFailureReason.clear();
  test.console.clearOutput();
  EXPECT_TRUE(writeAutosave(test.game));
  EXPECT_EQ(test.files.files["autosave-vorher-1.txt"], "alte Kampagne");
  EXPECT_NE(test.console.output().find("autosave-vorher-1.txt aufbewahrt."), std::string::npos);
  test.console.clearOutput();
  EXPECT_TRUE(writeAutosave(test.game));
  EXPECT_EQ(test.console.output(), "");
  EXPECT_EQ(test.files.files.size(), 2u);
}

#ifndef _WIN32  // a read-only attribute on a Windows directory does not keep files from being written
TEST(Autosave, InAReadOnlyDirectoryTheOldFileStays) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into read-only directories";
  TemporaryDirectory directory;
  directory.write("autosave.txt", "vorher");
  std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
  TestGame test;
  const auto files = makeSystemFileSystem();
  Game game{*test.state, test.console, *files, test.random};
  {
    WorkingDirectory inside(directory.path());
    EXPECT_FALSE(writeAutosave(game));
  }
  std::filesystem::permissions(directory.path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(test.console.currentScreen(), saveFailure("keine Schreibberechtigung") + kPause);
  EXPECT_EQ(directory.read("autosave.txt"), "vorher");
}
#endif

TEST(NoBattleScreen, ZeroWritesTheAutosaveWithoutAMessageAndLeaves) {
  TestGame test("0\n");
  test.addPlayer(0, "Anna");
  test.state->runde = 2;
  runBattlePhase(test.game);
  EXPECT_EQ(test.console.output(), noBattleScreen(2));
  EXPECT_EQ(test.console.clearCount(), 2);  // the screen, and once more after the autosave
  EXPECT_EQ(test.console.pauseCount(), 0);
  ASSERT_EQ(test.files.files.size(), 1u);
  EXPECT_EQ(test.files.files["autosave.txt"], writeSaveFile(*test.state));
}

TEST(NoBattleScreen, OtherNumbersShowTheScreenAgainWithoutSaving) {
  TestGame test("5 -1 2\n");
  test.state->runde = 7;
  EXPECT_THROW(runNoBattleScreen(test.game), InputEnded);
  EXPECT_EQ(test.console.output(),
            noBattleScreen(7) + noBattleScreen(7) + noBattleScreen(7) + noBattleScreen(7));
  EXPECT_TRUE(test.files.files.empty());
}

TEST(NoBattleScreen, OneOffersANamedSaveAndReturnsToTheScreen) {
  TestGame test("1\nrunde3\n0\n");
  test.state->runde = 3;
  runNoBattleScreen(test.game);
  EXPECT_EQ(test.console.output(), noBattleScreen(3) + kSaveHeader + "Keine Spielstaende vorhanden.\n" +
                                       kNamePrompt + kSaved + kPause + noBattleScreen(3));
  EXPECT_TRUE(test.files.files.contains("runde3.txt"));
  EXPECT_TRUE(test.files.files.contains("autosave.txt"));
}

TEST(NoBattleScreen, AFailedAutosaveIsShownAndTheRoundGoesOn) {
  TestGame test("0\n");
  test.state->runde = 2;
  test.files.files["autosave.txt"] = "vorher";
  test.files.writeFailureReason = "Datentraeger ist schreibgeschuetzt";
  runNoBattleScreen(test.game);
  EXPECT_EQ(test.console.currentScreen(), saveFailure("Datentraeger ist schreibgeschuetzt") + kPause);
  EXPECT_EQ(test.console.pauseCount(), 1);
  EXPECT_EQ(test.files.files["autosave.txt"], "vorher");
}

}  // namespace
}  // namespace vaskorath::testing
