// The situation maps the real program writes: when, with what in them, rendered by a real SVG
// renderer (rsvg-convert) and checked by an XML parser (xmllint); and the example in the README.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "persistence/save_file.h"
#include "program_runner.h"
#include "svg_test_support.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

namespace fs = std::filesystem;

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

// The map is well formed XML and renders to a picture; a missing tool fails the test as well.
void expectRenders(const TemporaryDirectory& directory, const std::string& map) {
  SCOPED_TRACE(map);
  const ProgramRun parsed = runCommand({"xmllint", "--noout", map}, directory.path(), "");
  EXPECT_EQ(parsed.status, 0) << parsed.err;
  EXPECT_EQ(parsed.err, "");
  const ProgramRun rendered = runCommand({"rsvg-convert", "-o", "bild.png", map}, directory.path(), "");
  EXPECT_EQ(rendered.status, 0) << rendered.err;
  EXPECT_TRUE(directory.read("bild.png").starts_with("\x89PNG"));
  fs::remove(directory.path() / "bild.png");
}

std::string ownerOf(const std::string& map, const std::string& location) {
  for (const SvgGroup& group : groupsOfClass(map, "ort")) {
    if (group.attributes.at("data-name") == location) return group.attributes.at("data-besitzer");
  }
  return "(nicht auf der Karte)";
}

std::string readFile(const fs::path& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

TEST(SituationMapFiles, ACampaignLeavesAMapOfEveryRoundFromTheSetupToTheEnd) {
  TemporaryDirectory directory;
  // Anna on Terra 0101, Bert on Fels 0109, the rebels on the outpost Funke 0103, four rounds.
  // Anna takes Funke in round 2; round 3 has no battles.
  const std::string input = "n\n2\nAnna\nk\n1\nTerra\n0101\n0\nBert\nb\n1\nFels\n0109\n0\n0\n1\nFunke\n0103\n4\n"
                            "6\n1\n2\n3\n0\nFunke\nn\nj\n9\n9\n"
                            "1\nAnna\n0\n0\n9\n9\n"
                            "0\n9\n9\n";
  ASSERT_EQ(runGame(directory.path(), input).status, 0);
  const std::string afterSetup = directory.read("lagekarten/runde-1.svg");
  EXPECT_NE(afterSetup.find("<title>Lagekarte - Runde 1 von 4</title>"), std::string::npos);
  EXPECT_EQ(ownerOf(afterSetup, "Funke"), "Rebellen");
  EXPECT_TRUE(groupsOfClass(afterSetup, "gefecht").empty());
  // After the autosave of round 2: Funke is Anna's and the battle is marked there.
  const std::string conquest = directory.read("lagekarten/runde-2.svg");
  EXPECT_EQ(ownerOf(conquest, "Funke"), "Anna");
  const std::vector<SvgGroup> battles = groupsOfClass(conquest, "gefecht");
  ASSERT_EQ(battles.size(), 1u);
  EXPECT_EQ(battles[0].attributes.at("data-ort"), "Funke");
  EXPECT_EQ(battles[0].attributes.at("data-nummer"), "1");
  EXPECT_EQ(directory.read("lagekarte.svg"), directory.read("lagekarten/runde-4.svg"));

  for (const char* map : {"lagekarten/runde-1.svg", "lagekarten/runde-2.svg", "lagekarten/runde-3.svg",
                          "lagekarten/runde-4.svg"}) {
    expectRenders(directory, map);
  }
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(directory.path() / "lagekarten")) ++entries;
  EXPECT_EQ(entries, 4);  // no temporary file left behind
}

TEST(SituationMapFiles, MarkupForeignBytesAndCoordinatesOffTheGridOfALoadedFileGiveMapsThatRender) {
  TemporaryDirectory directory;
  TestGame saved;
  saved.addPlayer(0, "A&B<C>");
  saved.addPlayer(1, "Gr\xFCn\"'", "Brukkas");
  saved.addLocation("Alt\x07Stadt \xC3\xA4", "A&B<C>", kKindMainPlanet, -5);
  saved.addLocation("Fern", "Gr\xFCn\"'", kKindOutpost, 123456);
  saved.addLocation("Nah", "Gr\xFCn\"'", kKindMainPlanet, 303);
  saved.state->runde = 3;
  saved.state->endrunde = 5;
  directory.write("alt.txt", writeSaveFile(*saved.state));
  // Loaded, then the autosave of its battle phase; the input ends in the turns.
  EXPECT_EQ(runGame(directory.path(), "j\nalt\n0\n").status, 1);
  const std::string map = directory.read("lagekarten/runde-3.svg");
  const std::vector<SvgGroup> locations = groupsOfClass(map, "ort");
  ASSERT_EQ(locations.size(), 3u);
  EXPECT_EQ(locations[0].attributes.at("data-name"), "AltStadt \xC3\xA4");  // XML has no place for the bell
  EXPECT_EQ(locations[0].attributes.at("data-besitzer"), "A&B<C>");
  EXPECT_EQ(locations[0].attributes.at("data-koordinaten"), "-5");
  EXPECT_EQ(locations[1].attributes.at("data-besitzer"), "Gr\xFCn\"'");
  EXPECT_EQ(locations[1].attributes.at("data-koordinaten"), "123456");
  EXPECT_NE(map.find(">Ohne gueltige Koordinate</text>"), std::string::npos);
  // Only Nah at 0303 spans the grid: ten columns and rows.
  EXPECT_EQ(textsOfClass(map, "spalte").size(), 10u);
  expectRenders(directory, "lagekarten/runde-3.svg");
}

TEST(SituationMapFiles, AMapThatCannotBeWrittenWarnsOnceAndTheCampaignPlaysToItsEnd) {
  TemporaryDirectory directory;
  directory.write("lagekarten", "eine Datei");
  const std::string input = "n\n2\nAnna\nk\n1\nTerra\n0101\n0\nBert\nb\n1\nFels\n0109\n0\n0\n0\n3\n"
                            "9\n9\n0\n9\n9\n";
  const ProgramRun run = runGame(directory.path(), input);
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Viel Erfolg!\n\n" + kPause +
                         "Warnung: Die Lagekarte lagekarten/runde-1.svg kann nicht geschrieben werden (an dieser "
                         "Stelle steht kein Verzeichnis). Das Spiel geht weiter; weitere Fehler beim Schreiben der "
                         "Lagekarte werden nicht gemeldet.\n\n" +
                         kPause + "Runde 1          Anna (Kadrische Legion)\n"),
            std::string::npos)
      << run.out;
  EXPECT_EQ(countOccurrences(run.out, "Warnung"), 1);
  EXPECT_NE(run.out.find("Schlussstand der Kampagne\n"), std::string::npos);
  EXPECT_EQ(directory.read("lagekarten"), "eine Datei");
  // The other file is written all the same, up to the end.
  EXPECT_NE(directory.read("lagekarte.svg").find("<title>Lagekarte - Runde 3 von 3</title>"), std::string::npos);
}

TEST(SituationMapFiles, TheExampleBesideTheReadmeIsTheMapTheProgramDrawsOfTheDemoCampaign) {
  TemporaryDirectory directory;
  const fs::path source = VASKORATH_SOURCE_DIR;
  const ProgramRun run = runGame(directory.path(), readFile(source / "scripts" / "beispielkampagne.txt"));
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  const std::string example = readFile(source / "lagekarte-beispiel.svg");
  EXPECT_EQ(directory.read("lagekarten/runde-2.svg"), example)
      << "scripts/beispielkampagne.txt gives another picture: copy lagekarten/runde-2.svg to lagekarte-beispiel.svg";
  EXPECT_EQ(groupsOfClass(example, "gefecht").size(), 2u);
  expectRenders(directory, "lagekarten/runde-2.svg");
}

}  // namespace
}  // namespace vaskorath::testing
