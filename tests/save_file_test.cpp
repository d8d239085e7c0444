// The save file format: known values at known lines, the block sizes, and every way a file is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "persistence/save_fields.h"
#include "persistence/save_file.h"
#include "save_test_support.h"
#include "state/campaign_state.h"

namespace vaskorath::testing {
namespace {

// Counts the fields a walk visits, by kind.
struct FieldCounter {
  int lines = 0;
  void text(const std::string&) { ++lines; }
  void number(int, ValueRange) { ++lines; }
  void flag(bool) { ++lines; }
};

template <typename Walk>
int countLinesOf(Walk walk) {
  const auto state = makeCampaignState();
  FieldCounter counter;
  walk(std::as_const(*state), counter);
  return counter.lines;
}

TEST(SaveFileFormat, EveryBlockHasItsDocumentedNumberOfLines) {
  EXPECT_EQ(kSaveFileLines, 3'250'689);
  EXPECT_EQ(kLocationBlockLines, 602'000);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkLocationBlock(s, v); }), kLocationBlockLines);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkFactionBlock(s, v); }), kFactionBlockLines);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkOfferBlock(s, v); }), kOfferBlockLines);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkMarchBlock(s, v); }), kMarchBlockLines);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkScalarBlock(s, v); }), kScalarBlockLines);
  EXPECT_EQ(countLinesOf([](auto& s, auto& v) { walkSaveFields(s, v); }), 3'250'689);
}

// A campaign with a distinct value in every field whose line is checked below.
std::unique_ptr<CampaignState> campaignWithKnownValues() {
  auto state = makeCampaignState();
  CampaignState& s = *state;
  s.spielernachrichten[0][0] = "Nachricht an Anna";
  s.spielernachrichten[4][0] = "Nachricht an Eva";
  s.spielernachrichten[2][1] = "Zweite Nachricht an Carl";
  LocationRecord& terra = s.planetenliste[0];
  terra.fortificationLevel = 3;
  terra.owner = "Anna";
  terra.inUse = true;
  terra.productionDueRound = 7;
  terra.kind = kKindMainPlanet;
  terra.troops[0][0].set(5, "Legionaer");
  terra.troops[0][5].set(199, "Rebellenlaeufer");
  terra.productionItem[0] = "Befestigungsausbau";
  terra.battlePending = true;
  terra.battleUnitCount = 11;
  terra.coordinates = 4711;
  terra.name = "Terra (Heimatplanet)";
  terra.troops[3][0].set(0, "Morgathischer Schatten");
  terra.productionItem[3] = "Schattenklinge";
  terra.rebelRace = "Brukkas";
  terra.productionItem[2] = "Xelthar-Drohne";
  s.planetenliste[1].name = "Vulkan";
  s.planetenliste[99].name = "Randwelt";
  s.spielerliste[0].agents[0] = 6;
  s.spielerliste[0].credits = 1234;
  s.spielerliste[0].race = "Kadrische Legion";
  s.spielerliste[0].playerName = "Anna";
  s.spielerliste[0].number = 1;
  s.spielerliste[0].status = 1;
  s.spielerliste[0].outpostCount = 2;
  s.spielerliste[0].mainPlanetCount = 3;
  s.spielerliste[5].credits = -15;
  s.soeldnerliste[0][0] = {"Soeldnerkrieger", 150, 2, true};
  s.soeldnerliste[4][9].unitName = "Letztes Angebot";
  s.soeldnerliste[4][9].price = 999;
  MarchRecord& march = s.marschliste[0][0];
  march.arrivalRound = 4;
  march.reportText = "Die Truppen sind angekommen.";
  march.duration = 2;
  march.visibilityScore = 9;
  march.reconMode = "j";
  march.origin = "Hauptplanet Terra (Heimatplanet)";
  march.units.set(0, "Legionaer");
  march.units.set(199, "Spaeher");
  march.destination = "Aussenposten Kalt";
  march.orderText = "Angriffsbefehl: 2 Einheiten von Terra nach Kalt";
  BattleRecord& battle = s.eventslist[0][0];
  battle.fought = true;
  battle.label = "1  Gefecht auf Aussenposten Kalt";
  battle.number = 1;
  battle.locationName = "Kalt";
  battle.locationKind = "Aussenposten ";
  MarchReport& marchReport = s.spionageliste[0].marchReports[0];
  marchReport.detailedText = "Genauer Bericht";
  marchReport.detailedArrivalRound = 5;
  marchReport.header = "Marsch von Bert";
  marchReport.troops.set(0, "Valkarischer Jaeger");
  marchReport.briefText = "Kurzer Bericht";
  marchReport.briefArrivalRound = 6;
  LocationReport& locationReport = s.spionageliste[0].locationReports[0];
  locationReport.header = "Bericht ueber Vulkan";
  locationReport.productionDueRound = 8;
  locationReport.productionText = "Kampfdrohne";
  locationReport.troops.set(199, "Wache");
  locationReport.expiryRound = 13;
  s.spmarschliste[0][0] = 42;
  s.marschliste[0][100].arrivalRound = 77;
  s.spmarschliste[0][100] = 43;
  s.marschliste[0][101].arrivalRound = 78;
  s.marschliste[1][0].orderText = "Marschbefehl: Berts erster Marsch";
  s.spmarschliste[5][999] = 44;
  s.heimatplanet1 = "Terra (Heimatplanet)";
  s.heimatplanet5 = "Eden (Heimatplanet)";
  s.i = 1;
  s.runde = 9;
  s.endrunde = 20;
  s.drawCounter = 3;
  s.anzahlspieler = 2;
  s.kampfz = 1;
  return state;
}

TEST(SaveFileFormat, KnownValuesStandAtTheirLines) {
  const std::string file = writeSaveFile(*campaignWithKnownValues());
  ASSERT_TRUE(file.ends_with("\n"));
  const auto lines = splitLines(file);
  ASSERT_EQ(lines.size(), 3'250'689u);
  const auto at = [&](int line) { return std::string(lines[line - 1]); };

  // Block 1, location 0: five messages, then the location's fields; the race-0 grid starts on line 11.
  EXPECT_EQ(at(1), "Nachricht an Anna");
  EXPECT_EQ(at(5), "Nachricht an Eva");
  EXPECT_EQ(at(6), "3");
  EXPECT_EQ(at(7), "Anna");
  EXPECT_EQ(at(8), "1");
  EXPECT_EQ(at(9), "7");
  EXPECT_EQ(at(10), "2");
  EXPECT_EQ(at(15), "");  // slot 4 stays empty
  EXPECT_EQ(at(16), "Legionaer");
  EXPECT_EQ(at(1210), "Rebellenlaeufer");  // 11 + 5 * 200 + 199
  EXPECT_EQ(at(1211), "Befestigungsausbau");
  EXPECT_EQ(at(1212), "1");
  EXPECT_EQ(at(1213), "11");
  EXPECT_EQ(at(1214), "4711");
  EXPECT_EQ(at(1215), "Terra (Heimatplanet)");
  EXPECT_EQ(at(1216), "Morgathischer Schatten");  // race 3 grid follows the name
  EXPECT_EQ(at(2416), "Schattenklinge");
  EXPECT_EQ(at(3618), "Brukkas");  // after the race 3 and race 4 grids with their items
  EXPECT_EQ(at(6020), "Xelthar-Drohne");
  // Location 1 begins on line 6021: its messages, then its name 1215 lines in.
  EXPECT_EQ(at(6023), "Zweite Nachricht an Carl");
  EXPECT_EQ(at(6026), "1");  // default fortification level
  EXPECT_EQ(at(7235), "Vulkan");
  EXPECT_EQ(at(99 * 6020 + 1215), "Randwelt");

  // Block 2 begins on line 602001: agents 0 to 5, credits, race, name, number, status, counts.
  EXPECT_EQ(at(602001), "6");
  EXPECT_EQ(at(602007), "1234");
  EXPECT_EQ(at(602008), "Kadrische Legion");
  EXPECT_EQ(at(602009), "Anna");
  EXPECT_EQ(at(602010), "1");
  EXPECT_EQ(at(602011), "1");
  EXPECT_EQ(at(602012), "2");
  EXPECT_EQ(at(602013), "3");
  EXPECT_EQ(at(602000 + 5 * 13 + 7), "-15");
  EXPECT_EQ(at(602000 + 5 * 13 + 6), "5");  // the rebels' own agents, from the initial values

  // Block 3 begins on line 602079: countdown, hired, unit, price per offer; offer (4, 9) ends it.
  EXPECT_EQ(at(602079), "2");
  EXPECT_EQ(at(602080), "1");
  EXPECT_EQ(at(602081), "Soeldnerkrieger");
  EXPECT_EQ(at(602082), "150");
  EXPECT_EQ(at(602277), "Letztes Angebot");
  EXPECT_EQ(at(602278), "999");

  // Block 4 begins on line 602279 with march (0, 0).
  EXPECT_EQ(at(602279), "4");
  EXPECT_EQ(at(602280), "Die Truppen sind angekommen.");
  EXPECT_EQ(at(602281), "2");
  EXPECT_EQ(at(602282), "9");
  EXPECT_EQ(at(602283), "j");
  EXPECT_EQ(at(602284), "");
  EXPECT_EQ(at(602285), "0");
  EXPECT_EQ(at(602286), "Hauptplanet Terra (Heimatplanet)");
  EXPECT_EQ(at(602287), "Legionaer");
  EXPECT_EQ(at(602486), "Spaeher");
  EXPECT_EQ(at(602487), "Aussenposten Kalt");
  EXPECT_EQ(at(602488), "Angriffsbefehl: 2 Einheiten von Terra nach Kalt");
  // Battle record (0, 0) follows the march.
  EXPECT_EQ(at(602489), "1");
  EXPECT_EQ(at(602490), "1  Gefecht auf Aussenposten Kalt");
  EXPECT_EQ(at(602491), "1");
  EXPECT_EQ(at(602492), "Kalt");
  EXPECT_EQ(at(602493), "Aussenposten ");
  // March report 0 of faction 0, its 200 troop slots on 602497 to 602696.
  EXPECT_EQ(at(602494), "Genauer Bericht");
  EXPECT_EQ(at(602495), "5");
  EXPECT_EQ(at(602496), "Marsch von Bert");
  EXPECT_EQ(at(602497), "Valkarischer Jaeger");
  EXPECT_EQ(at(602697), "Kurzer Bericht");
  EXPECT_EQ(at(602698), "6");
  // Location report 0 of faction 0, troops on 602702 to 602901.
  EXPECT_EQ(at(602699), "Bericht ueber Vulkan");
  EXPECT_EQ(at(602700), "8");
  EXPECT_EQ(at(602701), "Kampfdrohne");
  EXPECT_EQ(at(602901), "Wache");
  EXPECT_EQ(at(602902), "13");
  EXPECT_EQ(at(602903), "42");
  // Index 100 has no location report: 602279 + 100 * 625 = 664779, 420 lines later its counter.
  EXPECT_EQ(at(664779), "77");
  EXPECT_EQ(at(665199), "43");
  EXPECT_EQ(at(665200), "78");
  // Faction 1 begins 100 * 625 + 900 * 421 = 441400 lines after faction 0.
  EXPECT_EQ(at(602279 + 441400 + 209), "Marschbefehl: Berts erster Marsch");
  EXPECT_EQ(at(3250678), "44");  // spmarschliste (5, 999), last line of block 4

  // Block 5.
  EXPECT_EQ(at(3250679), "Terra (Heimatplanet)");
  EXPECT_EQ(at(3250683), "Eden (Heimatplanet)");
  EXPECT_EQ(at(3250684), "1");
  EXPECT_EQ(at(3250685), "9");
  EXPECT_EQ(at(3250686), "20");
  EXPECT_EQ(at(3250687), "3");
  EXPECT_EQ(at(3250688), "2");
  EXPECT_EQ(at(3250689), "1");
}

// Gives every field its own value from its position in the walk, so a field visited twice or read
// into the wrong place cannot go unnoticed; a number outside its field's range wraps into it (only
// the few narrow fields share values).
struct DistinctValues {
  int position = 0;
  void text(std::string& value) { value = "Text " + std::to_string(++position); }
  void number(int& value, ValueRange range) {
    ++position;
    const long long span = static_cast<long long>(range.maximum) - range.minimum + 1;
    value = static_cast<int>(range.minimum + position % span);
  }
  void flag(bool& value) { value = (++position % 2) == 1; }
};

void fillWithDistinctValues(CampaignState& state) {
  DistinctValues values;
  walkSaveFields(state, values);
  // A faction's agents may add up to no more than one entry may hold; the six neighbouring
  // positions stay distinct below a sixth of it.
  for (FactionRecord& faction : state.spielerliste) {
    for (int& agents : faction.agents) agents %= kMaxAgents / kFactionCount;
  }
}

TEST(SaveFile, EveryFieldHasALineOfItsOwnAndReadsBackIntoItsField) {
  auto original = makeCampaignState();
  fillWithDistinctValues(*original);
  const std::string file = writeSaveFile(*original);
  const auto lines = splitLines(file);
  ASSERT_EQ(lines.size(), 3'250'689u);
  EXPECT_EQ(lines[0], "Text 1");
  EXPECT_EQ(lines[5], "6");
  EXPECT_EQ(lines[7], "0");             // inUse, position 8
  EXPECT_EQ(lines[3'250'688], "442");  // kampfz: position 3,250,689 wrapped into 0 to 1000

  auto loaded = makeCampaignState();
  ASSERT_TRUE(readSaveFile(file, *loaded));
  EXPECT_TRUE(*loaded == *original);
}

// The Windows build writes "\r\n", as the campaign files made there have it. A value whose line end
// came out short or doubled would shift every line after it.
TEST(SaveFile, WithWindowsLineEndsEveryLineEndsInBothCharactersAndReadsBack) {
  auto original = makeCampaignState();
  fillWithDistinctValues(*original);
  const std::string file = writeSaveFile(*original, "\r\n");
  EXPECT_EQ(file.size(), writeSaveFile(*original).size() + 3'250'689);  // one byte more per line
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 3'250'689);
  const auto lines = splitLines(file, "\r\n");
  ASSERT_EQ(lines.size(), 3'250'689u);
  EXPECT_EQ(lines[0], "Text 1");
  EXPECT_EQ(lines[7], "0");             // a flag
  EXPECT_EQ(lines[3'250'688], "442");  // kampfz, the last number

  auto loaded = makeCampaignState();
  ASSERT_TRUE(readSaveFile(file, *loaded));
  EXPECT_TRUE(*loaded == *original);
}

TEST(SaveFile, ReadingKeepsWhatIsNotSavedAndReplacesEverythingElse) {
  const auto saved = campaignWithKnownValues();
  auto target = makeCampaignState();
  target->creditgabemenge[1] = 300;
  target->creditgabehinweis[1] = 0;
  target->spielerliste[0].mainPlanetNames[0] = "Terra";
  target->espionageResult.offagenttot[2] = 1;
  target->marschliste[3][7].orderText = "Marschbefehl: ueberschrieben";
  target->loadRequested = true;

  ASSERT_TRUE(readSaveFile(writeSaveFile(*saved), *target));
  EXPECT_EQ(target->creditgabemenge[1], 300);
  EXPECT_EQ(target->creditgabehinweis[1], 0);
  EXPECT_EQ(target->spielerliste[0].mainPlanetNames[0], "Terra");
  EXPECT_EQ(target->espionageResult.offagenttot[2], 1);
  EXPECT_EQ(target->marschliste[3][7].orderText, "");
  EXPECT_EQ(target->planetenliste[0].name, "Terra (Heimatplanet)");
  EXPECT_EQ(target->marschliste[0][0].orderText, "Angriffsbefehl: 2 Einheiten von Terra nach Kalt");
  EXPECT_EQ(target->spielerliste[5].credits, -15);
  EXPECT_EQ(target->kampfz, 1);
  EXPECT_EQ(target->runde, 9);
}

// Most march indices hold nothing and go through in runs; the indices in use between them, each with
// one record of its own, must stand at their lines and read back into a campaign that held
// something at every index.
TEST(SaveFile, EmptyMarchIndicesAroundUsedOnesWriteAsFieldByFieldAndReadBackOverAnything) {
  const auto saved = campaignWithKnownValues();
  saved->eventslist[2][99].label = "Gefecht am Rand";
  saved->spionageliste[2].locationReports[99].expiryRound = 5;
  saved->spionageliste[3].marchReports[100].troops.set(7, "Spaeher");
  saved->spmarschliste[3][998] = -1;
  const std::string file = writeSaveFile(*saved);
  std::string windowsFile = writeSaveFile(*saved, "\r\n");  // written field by field throughout
  std::erase(windowsFile, '\r');
  EXPECT_TRUE(file == windowsFile);

  auto target = makeCampaignState();
  for (int faction = 0; faction < kFactionCount; ++faction) {
    for (int index = 0; index < kMarchCount; ++index) target->spmarschliste[faction][index] = 1;
    target->eventslist[faction][kMarchCount - 1].fought = true;
  }
  ASSERT_TRUE(readSaveFile(file, *target));
  EXPECT_TRUE(*target == *saved);
}

// Lines of a hand-made file: "0" everywhere (a valid text, number and flag alike), but for the
// round, the round limit and the player count, which no campaign has at 0.
std::vector<std::string> zeroLines() {
  std::vector<std::string> lines(3'250'689, "0");
  lines[3'250'685 - 1] = "2";   // runde
  lines[3'250'686 - 1] = "10";  // endrunde
  lines[3'250'688 - 1] = "2";   // anzahlspieler
  return lines;
}

TEST(SaveFile, AHandMadeFileWithCarriageReturnsLoadsWithTextsWhole) {
  std::vector<std::string> lines = zeroLines();
  lines[7 - 1] = "Anna";
  lines[1215 - 1] = "Terra (Heimatplanet)";
  lines[1 - 1] = "";
  lines[602007 - 1] = "1500";
  lines[602488 - 1] = "Angriffsbefehl: 3 Einheiten von Terra nach Kalt";
  lines[3250685 - 1] = "4";
  lines[3250689 - 1] = "1000";
  auto state = makeCampaignState();
  const ReadResult result = readSaveFile(joinLines(lines, "\r\n"), *state);
  ASSERT_TRUE(result) << "line " << result.line << ": " << result.expected;
  EXPECT_EQ(state->planetenliste[0].owner, "Anna");
  EXPECT_EQ(state->planetenliste[0].name, "Terra (Heimatplanet)");
  EXPECT_EQ(state->spielernachrichten[0][0], "");
  EXPECT_EQ(state->spielernachrichten[1][0], "0");
  EXPECT_EQ(state->spielerliste[0].credits, 1500);
  EXPECT_EQ(state->marschliste[0][0].orderText, "Angriffsbefehl: 3 Einheiten von Terra nach Kalt");
  EXPECT_EQ(state->planetenliste[0].fortificationLevel, 0);
  EXPECT_EQ(state->runde, 4);
  EXPECT_EQ(state->kampfz, 1000);
}

// A troop list whose 200 lines all hold a text is taken whole, and one with an empty line is read
// line by line; either way a "\r" before the line end is no part of the name.
TEST(SaveFile, TroopListsLoadWholeOrLineByLineAndNeverKeepTheCarriageReturnOfALineEnd) {
  constexpr int kFirstList = 10;  // Anna's troops of race 0 at the first location, after 10 lines
  std::vector<std::string> lines = zeroLines();
  lines[kFirstList + 4] = "Trupp\r";
  lines[kFirstList + 7] = "a\rb";
  lines[kFirstList + kTroopSlots + 9] = "";
  auto state = makeCampaignState();
  const ReadResult result = readSaveFile(joinLines(lines), *state);
  ASSERT_TRUE(result) << "line " << result.line << ": " << result.expected;
  const auto& grid = state->planetenliste[0].troops[0];
  EXPECT_EQ(grid[0][4], "Trupp");
  EXPECT_EQ(grid[0][7], "a\rb");
  EXPECT_EQ(countUnits(grid[0]), kTroopSlots);
  EXPECT_EQ(grid[1][9], "");
  EXPECT_EQ(countUnits(grid[1]), kTroopSlots - 1);
  EXPECT_EQ(countUnits(grid[2]), kTroopSlots);
  EXPECT_EQ(grid[2][199], "0");

  lines[kFirstList + 4] = "Trupp";
  EXPECT_EQ(writeSaveFile(*state), joinLines(lines));

  // A Windows file's empty and full lists are taken whole as well.
  const auto known = campaignWithKnownValues();
  known->planetenliste[3].troops[2][1].fill("Voll");
  auto loaded = makeCampaignState();
  ASSERT_TRUE(readSaveFile(writeSaveFile(*known, "\r\n"), *loaded));
  EXPECT_TRUE(*loaded == *known);
}

TEST(SaveFile, TheLastLineEndMayBeMissing) {
  std::string file = writeSaveFile(*campaignWithKnownValues());
  file.pop_back();
  auto state = makeCampaignState();
  ASSERT_TRUE(readSaveFile(file, *state));
  EXPECT_EQ(state->kampfz, 1);

  std::string crlf = joinLines(zeroLines(), "\r\n");
  crlf.resize(crlf.size() - 2);
  EXPECT_TRUE(readSaveFile(crlf, *state));
}

// Each bad file is read into a campaign in progress, which must come out exactly as it went in.
class RefusedSaveFile : public ::testing::Test {
 protected:
  RefusedSaveFile() : state(campaignWithKnownValues()), before(std::make_unique<CampaignState>(*state)) {}

  ReadResult read(const std::vector<std::string>& lines, std::string_view lineEnd = "\n") {
    return readSaveFile(joinLines(lines, lineEnd), *state);
  }

  void expectRefusedAt(const ReadResult& result, int line, std::string_view expected) {
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.line, line);
    EXPECT_EQ(result.expected, expected);
    EXPECT_TRUE(*state == *before);
  }

  std::unique_ptr<CampaignState> state;
  std::unique_ptr<CampaignState> before;
};

TEST_F(RefusedSaveFile, WhenTruncated) {
  std::vector<std::string> lines = zeroLines();
  lines.pop_back();
  expectRefusedAt(read(lines), 3'250'689, "3250689 lines, found 3250688");
  lines.resize(1000);
  expectRefusedAt(read(lines), 1001, "3250689 lines, found 1000");
  expectRefusedAt(readSaveFile("", *state), 1, "3250689 lines, found 0");
  lines[5] = "x";  // a bad number before the end does not hide the missing lines
  expectRefusedAt(read(lines), 1001, "3250689 lines, found 1000");
}

TEST_F(RefusedSaveFile, WhenLonger) {
  std::vector<std::string> lines = zeroLines();
  lines.push_back("0");
  expectRefusedAt(read(lines), 3'250'690, "3250689 lines, found 3250690");
  // An empty line after the last line end is a line too.
  expectRefusedAt(readSaveFile(joinLines(zeroLines()) + "\n", *state), 3'250'690,
                  "3250689 lines, found 3250690");
}

TEST_F(RefusedSaveFile, WhenANumberLineHoldsALetter) {
  std::vector<std::string> lines = zeroLines();
  lines[602007 - 1] = "1000x";
  expectRefusedAt(read(lines), 602007, "a whole 32-bit number");
  lines[602007 - 1] = "x";
  expectRefusedAt(read(lines, "\r\n"), 602007, "a whole 32-bit number");
}

TEST_F(RefusedSaveFile, WhenANumberIsNotAPlainWholeNumber) {
  std::vector<std::string> lines = zeroLines();
  for (const char* bad : {"", " 5", "5 ", "+5", "-", "2147483648", "-2147483649", "1.5", "0x10"}) {
    SCOPED_TRACE(bad);
    lines[3'250'685 - 1] = bad;  // runde
    expectRefusedAt(read(lines), 3'250'685, "a whole 32-bit number");
  }
}

TEST_F(RefusedSaveFile, WhenAFlagIsNeitherZeroNorOne) {
  std::vector<std::string> lines = zeroLines();
  lines[8 - 1] = "2";  // inUse of location 0
  expectRefusedAt(read(lines), 8, "a flag, 0 or 1");
  lines[8 - 1] = "";
  expectRefusedAt(read(lines), 8, "a flag, 0 or 1");
  lines[8 - 1] = "0";
  lines[602489 - 1] = "true";  // fought of battle (0, 0)
  expectRefusedAt(read(lines), 602489, "a flag, 0 or 1");
}

// Values that are whole numbers but that no campaign written by the program can hold, by field
// family; each would be used as an index, a count, a loop bound or in arithmetic.
TEST_F(RefusedSaveFile, WhenAValueLiesOutsideWhatACampaignCanHold) {
  struct Case {
    int line;
    const char* value;
    const char* expected;
  };
  const Case cases[] = {
      // The campaign's scalars.
      {3'250'685, "2147483647", "a number from 2 to 1000000000"},   // runde near the 32-bit limit
      {3'250'685, "-2147483647", "a number from 2 to 1000000000"},  // runde far below round 1
      {3'250'685, "1", "a number from 2 to 1000000000"},            // no save is written in round 1
      {3'250'688, "6", "a number from 2 to 5"},                     // anzahlspieler
      {3'250'684, "7", "a number from 0 to 6"},                     // i
      {3'250'689, "1001", "a number from 0 to 1000"},               // kampfz
      {3'250'687, "-1", "a number from 0 to 100000000"},            // drawCounter
      // Locations.
      {10, "3", "a number from 0 to 2"},                            // kind
      {6, "-1", "a number from 0 to 1000"},                         // fortificationLevel
      {9, "2147483000", "a number from 0 to 1100000000"},           // productionDueRound
      {1213, "-5", "a number from 0 to 10000000"},                  // battleUnitCount
      // Factions.
      {602'001, "-1", "a number from 0 to 1000000"},                // home-service agents
      {602'002, "2000000000", "a number from 0 to 1000000"},        // agents abroad
      {602'011, "3", "a number from 0 to 2"},                       // status
      {602'013, "101", "a number from 0 to 100"},                   // mainPlanetCount
      // Mercenary offers.
      {602'079, "-1", "a number from 0 to 1000"},                   // deliveryCountdown
      {602'082, "-100", "a number from 0 to 2147483647"},           // price
      // Marches, battles and the intelligence database.
      {602'279, "-3", "a number from 0 to 1100000000"},             // arrivalRound
      {602'281, "2147483647", "a number from 0 to 25000000"},       // duration
      {602'282, "-1", "a number from 0 to 1000000"},                // visibilityScore
      {602'491, "1001", "a number from 0 to 1000"},                 // battle number
      {602'698, "-1", "a number from 0 to 1100000000"},             // briefArrivalRound
      {602'902, "2147483647", "a number from 0 to 1100000000"},     // expiryRound
  };
  // One file for all cases (the sanitizer build takes long to make one): each case changes one
  // line and puts it back.
  std::vector<std::string> lines = zeroLines();
  for (const Case& bad : cases) {
    SCOPED_TRACE(bad.line);
    const std::string kept = std::exchange(lines[bad.line - 1], bad.value);
    expectRefusedAt(read(lines), bad.line, bad.expected);
    lines[bad.line - 1] = kept;
  }
}

TEST_F(RefusedSaveFile, WhenTheRoundIsNotBeforeTheRoundLimitOrTheFileIsAllZeros) {
  std::vector<std::string> lines = zeroLines();
  lines[3'250'685 - 1] = "10";  // runde equal to endrunde
  expectRefusedAt(read(lines), 3'250'686, "a round limit above the current round");
  // A file of nothing but "0" has no players and no round: refused, not a campaign that ends at once.
  expectRefusedAt(read(std::vector<std::string>(3'250'689, "0")), 3'250'685, "a number from 2 to 1000000000");
}

TEST_F(RefusedSaveFile, WhenAFactionsAgentsAddUpToMoreThanOneEntryMayHold) {
  std::vector<std::string> lines = zeroLines();
  // Moved into one entry, Bert's two halves would make a save the loader refuses.
  const int bert = 602'000 + 1 * 13;
  lines[bert + 0] = "600000";
  lines[bert + 3] = "400001";
  expectRefusedAt(read(lines), bert + 1, "agents of one faction adding up to at most 1000000");
  lines[bert + 3] = "400000";
  EXPECT_TRUE(read(lines).ok);
}

// Every round sets the rebels' home service to 5 and lets it drift up to 9, so the next save would
// hold that many next to their agents abroad.
TEST_F(RefusedSaveFile, WhenTheRebelsHomeServiceCouldDriftPastWhatOneEntryMayHold) {
  std::vector<std::string> lines = zeroLines();
  const int rebels = 602'000 + 5 * 13;
  const std::string_view expected = "rebel agents adding up to at most 1000000 with 9 or more at home";
  lines[rebels + 0] = "999995";
  lines[rebels + 5] = "5";
  expectRefusedAt(read(lines), rebels + 1, expected);
  // A home service above 9 counts as it stands.
  lines[rebels + 0] = "999980";
  lines[rebels + 5] = "21";
  expectRefusedAt(read(lines), rebels + 1, expected);
  lines[rebels + 5] = "20";
  EXPECT_TRUE(read(lines).ok);
  lines[rebels + 0] = "999991";
  lines[rebels + 5] = "5";
  EXPECT_TRUE(read(lines).ok);
}

TEST_F(RefusedSaveFile, AtTheFirstBadLine) {
  std::vector<std::string> lines = zeroLines();
  lines[602080 - 1] = "ja";  // hired of offer (0, 0)
  lines[3'250'689 - 1] = "viele";
  expectRefusedAt(read(lines), 602080, "a flag, 0 or 1");
}

}  // namespace
}  // namespace vaskorath::testing
