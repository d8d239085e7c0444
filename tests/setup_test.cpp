// The new campaign setup: locations in their records, starting troops, rebels, salt and refused answers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "flow/setup.h"
#include "state/unit_catalogue.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

using Places = std::vector<std::pair<std::string, std::string>>;  // name and coordinates as typed

std::string placesInput(const Places& places) {
  std::string input = std::to_string(places.size()) + "\n";
  for (const auto& [name, coordinates] : places) input += name + "\n" + coordinates + "\n";
  return input;
}

// What a player types: name, race key, main planets and outposts.
std::string playerInput(const std::string& name, char race, const Places& mainPlanets,
                        const Places& outposts = {}) {
  return name + "\n" + race + "\n" + placesInput(mainPlanets) + placesInput(outposts);
}

std::string rebelInput(const Places& mainPlanets = {}, const Places& outposts = {}) {
  return placesInput(mainPlanets) + placesInput(outposts);
}

std::vector<std::string> unitsOf(const TroopList& list) {
  std::vector<std::string> units;
  for (const TroopList::Unit& unit : list) units.emplace_back(unit.name);
  return units;
}

int unitsAt(const LocationRecord& location) {
  int count = 0;
  for (const auto& race : location.troops) {
    for (const TroopList& list : race) count += countUnits(list);
  }
  return count;
}

const std::vector<std::string> kKadrischeStartingTroops = {"Stabseinheit mit Tribun", "Kadrischer Sturmtrupp",
                                                           "Kadrischer Sturmtrupp",   "Kadrischer Sturmtrupp",
                                                           "Kadrischer Sturmtrupp",   "Ferox Transporter"};

TEST(Setup, TwoPlayersWithOneMainPlanetEachGetTheirHomePlanetsInRecordsZeroAndOne) {
  TestGame test("2" + playerInput("Anna", 'k', {{"Terra", "1234"}}) +
                playerInput("Bert", 'b', {{"Gaia", "0042"}}) + rebelInput() + "12\n");
  runNewCampaignSetup(test.game);
  const CampaignState& state = *test.state;

  EXPECT_EQ(state.anzahlspieler, 2);
  EXPECT_EQ(state.endrunde, 12);
  // 2 players + Anna's 1 main planet and 0 outposts + Bert's 1 and 0 + the rebels' 0 and 0.
  EXPECT_EQ(state.drawCounter, 4);

  const LocationRecord& terra = state.planetenliste[0];
  EXPECT_TRUE(terra.inUse);
  EXPECT_EQ(terra.name, "Terra (Heimatplanet)");
  EXPECT_EQ(terra.owner, "Anna");
  EXPECT_EQ(terra.kind, kKindMainPlanet);
  EXPECT_EQ(terra.coordinates, 1234);
  EXPECT_EQ(terra.fortificationLevel, 3);
  EXPECT_EQ(unitsOf(terra.troops[0][0]), kKadrischeStartingTroops);
  EXPECT_EQ(unitsAt(terra), 6);

  const LocationRecord& gaia = state.planetenliste[1];
  EXPECT_EQ(gaia.name, "Gaia (Heimatplanet)");
  EXPECT_EQ(gaia.owner, "Bert");
  EXPECT_EQ(gaia.coordinates, 42);
  EXPECT_EQ(gaia.fortificationLevel, 3);
  EXPECT_EQ(unitsOf(gaia.troops[4][1]),
            (std::vector<std::string>{"Brukka Stampfer", "Blechkrieger", "Brukka Horde", "Brukka Horde",
                                      "Munischlepper", "Grossmaul Trupp", "Grossmaul Trupp"}));
  EXPECT_FALSE(state.planetenliste[2].inUse);

  EXPECT_EQ(state.heimatplanet1, "Terra (Heimatplanet)");
  EXPECT_EQ(state.heimatplanet2, "Gaia (Heimatplanet)");
  EXPECT_EQ(state.spielerliste[0].mainPlanetNames[0], "Terra (Heimatplanet)");
  const FactionRecord& bert = state.spielerliste[1];
  EXPECT_EQ(bert.number, 2);
  EXPECT_EQ(bert.race, "Brukkas");
  EXPECT_EQ(bert.credits, 1000);
  EXPECT_EQ(bert.status, 1);
  const FactionRecord& rebels = state.spielerliste[kRebelFaction];
  EXPECT_EQ(rebels.playerName, "");
  EXPECT_EQ(rebels.status, 0);

  const std::string& out = test.console.output();
  EXPECT_TRUE(out.starts_with("\nWie viele Spieler (2-5)?Spieler 1, wie lautet dein Name?: "));
  EXPECT_NE(out.find("Spieler 1, wie lautet dein Name?: "
                     "Welche Rasse spielst du (k = Kadrische Legion, v = Valkaren, x = Xelthar-Bund, "
                     "m = Morgathen, b = Brukkas)?\n"
                     "Wie viele Hauptplaneten kontrollierst du (mind. 1)?: "
                     "Wie lautet der Name von Hauptplanet Nummer 1 (dein Heimatplanet)?: "
                     "Wie lauten die Koordinaten von Hauptplanet Terra (4-stellige Zahl)?: "
                     "Wie viele Aussenposten kontrollierst du?: "
                     "Danke Anna, du bist Anfuehrer der Rasse Kadrische Legion und du kontrollierst folgende "
                     "Hauptplaneten und Aussenposten:\n"
                     "Hauptplanet Terra (Heimatplanet) bei den Koordinaten 1234\n"
                     "\n"
                     "Druecken Sie eine beliebige Taste . . .\n"),
            std::string::npos);
  EXPECT_NE(out.find("Druecken Sie eine beliebige Taste . . .\n"
                     "Wie viele Hauptplaneten werden von Rebellen kontrolliert?: "
                     "Wie viele Aussenposten werden von Rebellen kontrolliert?: "
                     "Danke. Es gibt keine Rebellen in diesem Spiel.\n"
                     "\n"
                     "Druecken Sie eine beliebige Taste . . .\n"
                     "Wie viele Runden sollen gespielt werden, um zur Siegpunkteberechnung zu gelangen?: \n"
                     "In Ordnung, es werden 12 Runden gespielt. Viel Erfolg!\n"
                     "\n"
                     "Druecken Sie eine beliebige Taste . . .\n"),
            std::string::npos);
  EXPECT_EQ(test.console.currentScreen(),
            "Wie viele Runden sollen gespielt werden, um zur Siegpunkteberechnung zu gelangen?: \n"
            "In Ordnung, es werden 12 Runden gespielt. Viel Erfolg!\n\n"
            "Druecken Sie eine beliebige Taste . . .\n");
}

TEST(Setup, LocationsTakeTheirRecordsPlayerByPlayerThenTheRebels) {
  TestGame test("3" + playerInput("Anna", 'k', {{"A1", "11"}, {"A2", "12"}}, {{"A3", "13"}}) +
                playerInput("Bert", 'x', {{"B1", "21"}}, {{"B2", "22"}, {"B3", "23"}}) +
                playerInput("Cara", 'm', {{"C1", "31"}, {"C2", "32"}, {"C3", "33"}}) +
                rebelInput({{"R1", "41"}}, {{"R2", "42"}}) + "5\n");
  runNewCampaignSetup(test.game);
  const CampaignState& state = *test.state;

  struct Expected {
    std::string name;
    std::string owner;
    int kind;
    int coordinates;
  };
  const std::vector<Expected> expected = {{"A1 (Heimatplanet)", "Anna", kKindMainPlanet, 11},
                                          {"A2", "Anna", kKindMainPlanet, 12},
                                          {"A3", "Anna", kKindOutpost, 13},
                                          {"B1 (Heimatplanet)", "Bert", kKindMainPlanet, 21},
                                          {"B2", "Bert", kKindOutpost, 22},
                                          {"B3", "Bert", kKindOutpost, 23},
                                          {"C1 (Heimatplanet)", "Cara", kKindMainPlanet, 31},
                                          {"C2", "Cara", kKindMainPlanet, 32},
                                          {"C3", "Cara", kKindMainPlanet, 33},
                                          {"R1", "Rebellen", kKindMainPlanet, 41},
                                          {"R2", "Rebellen", kKindOutpost, 42}};
  for (std::size_t index = 0; index < expected.size(); ++index) {
    SCOPED_TRACE("location " + std::to_string(index));
    const LocationRecord& location = state.planetenliste[index];
    EXPECT_TRUE(location.inUse);
    EXPECT_EQ(location.name, expected[index].name);
    EXPECT_EQ(location.owner, expected[index].owner);
    EXPECT_EQ(location.kind, expected[index].kind);
    EXPECT_EQ(location.coordinates, expected[index].coordinates);
    const bool homePlanet = index == 0 || index == 3 || index == 6;
    EXPECT_EQ(location.fortificationLevel, homePlanet ? 3 : 1);
    // Only home planets and rebel locations start with troops.
    if (!homePlanet && location.owner != "Rebellen") {
      EXPECT_EQ(unitsAt(location), 0);
    }
  }
  EXPECT_FALSE(state.planetenliste[expected.size()].inUse);
  EXPECT_EQ(state.heimatplanet3, "C1 (Heimatplanet)");
  EXPECT_EQ(state.heimatplanet4, "");
  // 3 players + (2 + 1) + (1 + 2) + (3 + 0) + the rebels' (1 + 1).
  EXPECT_EQ(state.drawCounter, 14);

  const FactionRecord& rebels = state.spielerliste[kRebelFaction];
  EXPECT_EQ(rebels.playerName, "Rebellen");
  EXPECT_EQ(rebels.race, "Rebellen");
  EXPECT_EQ(rebels.status, 1);
  EXPECT_NE(test.console.output().find(
                "Danke. Die Rebellen kontrollieren folgende Hauptplaneten und Aussenposten:\n"
                "Hauptplanet R1 bei den Koordinaten 41\n"
                "Aussenposten R2 bei den Koordinaten 42\n"
                "\n"
                "Druecken Sie eine beliebige Taste . . .\n"),
            std::string::npos);
  EXPECT_NE(
      test.console.output().find("Danke Bert, du bist Anfuehrer der Rasse Xelthar-Bund und du kontrollierst "
                                 "folgende Hauptplaneten und Aussenposten:\n"
                                 "Hauptplanet B1 (Heimatplanet) bei den Koordinaten 21\n"
                                 "Aussenposten B2 bei den Koordinaten 22\n"
                                 "Aussenposten B3 bei den Koordinaten 23\n\n"),
      std::string::npos);
}

TEST(Setup, RebelGarrisonsAreAlwaysOfARaceThatAPlayerPlays) {
  const Places rebelPlanets = {{"R1", "1"}, {"R2", "2"}, {"R3", "3"}, {"R4", "4"}, {"R5", "5"}, {"R6", "6"}};
  const Places rebelOutposts = {{"R7", "7"}, {"R8", "8"}, {"R9", "9"}};
  for (std::uint32_t seed : {1u, 7u, 12345u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    // Everybody plays the Kadrische Legion: every garrison is of that race.
    TestGame same("2" + playerInput("Anna", 'k', {{"Terra", "1"}}) +
                      playerInput("Bert", 'k', {{"Gaia", "2"}}) + rebelInput(rebelPlanets, rebelOutposts) +
                      "5\n",
                  seed);
    runNewCampaignSetup(same.game);
    for (int index = 2; index < 11; ++index) {
      const LocationRecord& location = same.state->planetenliste[index];
      EXPECT_EQ(location.rebelRace, "Kadrische Legion");
      EXPECT_EQ(unitsOf(location.troops[0][kRebelFaction]), kKadrischeStartingTroops);
      EXPECT_EQ(unitsAt(location), 6);
    }
    // 2 players, 1 + 0 each, rebels 6 + 3: the picker only reads the salt.
    EXPECT_EQ(same.state->drawCounter, 13);

    // Everybody plays the Valkaren: each garrison is Valkaren, listed in the rebels' own order.
    TestGame valkaren("2" + playerInput("Anna", 'v', {{"Terra", "1"}}) +
                          playerInput("Bert", 'v', {{"Gaia", "2"}}) +
                          rebelInput(rebelPlanets, rebelOutposts) + "5\n",
                      seed);
    runNewCampaignSetup(valkaren.game);
    for (int index = 2; index < 11; ++index) {
      const LocationRecord& location = valkaren.state->planetenliste[index];
      EXPECT_EQ(location.rebelRace, "Valkaren");
      EXPECT_EQ(unitsOf(location.troops[1][kRebelFaction]),
                (std::vector<std::string>{"Kampfautomat Torvin", "Valkaren Trupp", "Valkaren Trupp",
                                          "Transporter Bastion"}));
    }
  }
}

TEST(Setup, RebelGarrisonsOfTwoPlayedRacesNeverTakeAThird) {
  Places rebelPlanets;
  for (int index = 0; index < 30; ++index) rebelPlanets.push_back({"R" + std::to_string(index), "1"});
  TestGame test("2" + playerInput("Anna", 'm', {{"Terra", "1"}}) + playerInput("Bert", 'b', {{"Gaia", "2"}}) +
                rebelInput(rebelPlanets) + "5\n");
  runNewCampaignSetup(test.game);
  int morgathen = 0;
  int brukkas = 0;
  for (int index = 2; index < 32; ++index) {
    const LocationRecord& location = test.state->planetenliste[index];
    if (location.rebelRace == "Morgathen") {
      ++morgathen;
      EXPECT_EQ(countUnits(location.troops[3][kRebelFaction]), 3);
    } else {
      EXPECT_EQ(location.rebelRace, "Brukkas");
      ++brukkas;
      EXPECT_EQ(countUnits(location.troops[4][kRebelFaction]), 7);
    }
  }
  // Thirty picks with two races allowed: both turn up.
  EXPECT_GT(morgathen, 0);
  EXPECT_GT(brukkas, 0);
}

TEST(Setup, KeyQuestionsAreAskedAgainUntilAValidKeyIsPressed) {
  // 1, 6 and x are no player count; q and K are no race key.
  TestGame test(
      "16x3"
      "Anna\nqKk\n1\nTerra\n1\n0\n" +
      playerInput("Bert", 'v', {{"Gaia", "2"}}) + playerInput("Cara", 'x', {{"Rhea", "3"}}) + rebelInput() +
      "5\n");
  runNewCampaignSetup(test.game);
  EXPECT_EQ(test.state->anzahlspieler, 3);
  EXPECT_EQ(test.state->spielerliste[0].race, "Kadrische Legion");
  // Only the accepted player count salts the draws: 3 + three times (1 + 0).
  EXPECT_EQ(test.state->drawCounter, 6);
  const std::string& out = test.console.output();
  EXPECT_TRUE(
      out.starts_with("\nWie viele Spieler (2-5)?\n"
                      "Bitte eine Zahl von 2 bis 5 eingeben.\n"
                      "Wie viele Spieler (2-5)?\n"
                      "Bitte eine Zahl von 2 bis 5 eingeben.\n"
                      "Wie viele Spieler (2-5)?\n"
                      "Bitte eine Zahl von 2 bis 5 eingeben.\n"
                      "Wie viele Spieler (2-5)?Spieler 1, wie lautet dein Name?: "));
  const std::string racePrompt =
      "Welche Rasse spielst du (k = Kadrische Legion, v = Valkaren, x = Xelthar-Bund, m = Morgathen, b = "
      "Brukkas)?";
  EXPECT_NE(out.find(racePrompt + "\nBitte k, v, x, m oder b druecken.\n" + racePrompt +
                     "\nBitte k, v, x, m oder b druecken.\n" + racePrompt +
                     "\nWie viele Hauptplaneten kontrollierst du (mind. 1)?: "),
            std::string::npos);
}

TEST(Setup, CountsCoordinatesAndTheRoundLimitAreAskedAgainUntilInRange) {
  TestGame test(
      "2"
      "Anna\nk\n0\n51\n-3\n1\nTerra\n-1\n10000\n0101\n"  // main planets, then the home planet's coordinates
      "-1\n101\n1\nMond\n9999\n"                         // outposts
      "Bert\nb\n1\nGaia\n0\n0\n"
      "51\n-1\n0\n101\n0\n"  // rebel main planets, rebel outposts
      "0\n-4\n1\n");         // round limit
  runNewCampaignSetup(test.game);
  const CampaignState& state = *test.state;
  EXPECT_EQ(state.planetenliste[0].coordinates, 101);
  EXPECT_EQ(state.planetenliste[1].name, "Mond");
  EXPECT_EQ(state.planetenliste[1].coordinates, 9999);
  EXPECT_EQ(state.planetenliste[2].coordinates, 0);
  EXPECT_EQ(state.endrunde, 1);
  // Only accepted counts: 2 + (1 + 1) + (1 + 0) + (0 + 0).
  EXPECT_EQ(state.drawCounter, 5);

  const std::string& out = test.console.output();
  const std::string mainPlanets = "Wie viele Hauptplaneten kontrollierst du (mind. 1)?: ";
  EXPECT_NE(out.find(mainPlanets + "Bitte eine Zahl von 1 bis 50 eingeben.\n" + mainPlanets +
                     "Bitte eine Zahl von 1 bis 50 eingeben.\n" + mainPlanets +
                     "Bitte eine Zahl von 1 bis 50 eingeben.\n" + mainPlanets + "Wie lautet"),
            std::string::npos);
  const std::string coordinates = "Wie lauten die Koordinaten von Hauptplanet Terra (4-stellige Zahl)?: ";
  EXPECT_NE(out.find(coordinates + "Bitte eine Zahl von 0 bis 9999 eingeben.\n" + coordinates +
                     "Bitte eine Zahl von 0 bis 9999 eingeben.\n" + coordinates + "Wie viele Aussenposten"),
            std::string::npos);
  const std::string outposts = "Wie viele Aussenposten kontrollierst du?: ";
  EXPECT_NE(out.find(outposts + "Bitte eine Zahl von 0 bis 100 eingeben.\n" + outposts +
                     "Bitte eine Zahl von 0 bis 100 eingeben.\n" + outposts + "Wie lautet"),
            std::string::npos);
  const std::string rebelPlanets = "Wie viele Hauptplaneten werden von Rebellen kontrolliert?: ";
  const std::string rebelOutposts = "Wie viele Aussenposten werden von Rebellen kontrolliert?: ";
  EXPECT_NE(out.find(rebelPlanets + "Bitte eine Zahl von 0 bis 50 eingeben.\n" + rebelPlanets +
                     "Bitte eine Zahl von 0 bis 50 eingeben.\n" + rebelPlanets + rebelOutposts +
                     "Bitte eine Zahl von 0 bis 100 eingeben.\n" + rebelOutposts + "Danke."),
            std::string::npos);
  const std::string rounds =
      "Wie viele Runden sollen gespielt werden, um zur Siegpunkteberechnung zu gelangen?: ";
  EXPECT_NE(out.find(rounds + "Bitte eine Zahl von mindestens 1 eingeben.\n" + rounds +
                     "Bitte eine Zahl von mindestens 1 eingeben.\n" + rounds +
                     "\nIn Ordnung, es werden 1 Runden gespielt. Viel Erfolg!\n\n"),
            std::string::npos);
}

TEST(Setup, TakenAndReservedNamesAreRefused) {
  TestGame test(
      "3"
      "Anna\nk\n2\nTerra\n1\nLuna\n2\n1\nLuna\nMond\n3\n"  // the outpost repeats a main planet not yet
                                                           // created
      "Anna\nRebellen\n0\nBert\nb\n1\nTerra\nMond\nGaia\n4\n0\n"
      "Cara\nm\n1\nMars\n5\n0\n"
      "1\nGaia\nCeres\n6\n1\nLuna\nMars\nVesta\n7\n"  // rebel names repeating players' locations
      "3\n");
  runNewCampaignSetup(test.game);
  const CampaignState& state = *test.state;
  EXPECT_EQ(state.spielerliste[1].playerName, "Bert");
  EXPECT_EQ(state.planetenliste[2].name, "Mond");
  EXPECT_EQ(state.planetenliste[3].name, "Gaia (Heimatplanet)");
  EXPECT_EQ(state.planetenliste[5].name, "Ceres");
  EXPECT_EQ(state.planetenliste[6].name, "Vesta");

  const std::string& out = test.console.output();
  const std::string name2 = "Spieler 2, wie lautet dein Name?: ";
  EXPECT_NE(
      out.find(name2 + "Dieser Name ist bereits vergeben.\n" + name2 + "Dieser Name ist nicht erlaubt.\n" +
               name2 + "Dieser Name ist nicht erlaubt.\n" + name2 + "Welche Rasse"),
      std::string::npos);
  const std::string outpost1 = "Wie lautet der Name von Aussenposten Nummer 1?: ";
  EXPECT_NE(out.find(outpost1 + "Dieser Name ist bereits vergeben.\n" + outpost1 + "Wie lauten"),
            std::string::npos);
  // Terra is taken by Anna's home planet, stored with its suffix.
  const std::string home = "Wie lautet der Name von Hauptplanet Nummer 1 (dein Heimatplanet)?: ";
  EXPECT_NE(
      out.find(home + "Dieser Name ist bereits vergeben.\n" + home + "Dieser Name ist bereits vergeben.\n" +
               home + "Wie lauten die Koordinaten von Hauptplanet Gaia"),
      std::string::npos);
  EXPECT_EQ(countOccurrences(out, "Dieser Name ist bereits vergeben.\n"), 7);
}

TEST(Setup, TypedNamesHaveAtMostFortyCharactersAndNoControlCharacters) {
  const std::string forty(40, 'T');
  // Characters count, not bytes: forty umlauts (80 bytes) are a name, forty-one are not.
  std::string umlauts;
  for (int count = 0; count < 40; ++count) umlauts += "\xc3\xbc";
  TestGame test("2" + playerInput(std::string(41, 'A') + "\nAn\x1b[2Jna\x07", 'k', {{"X" + forty + "\n" + forty, "1"}}) +
                playerInput("\xc3\xbc" + umlauts + "\n" + umlauts, 'b', {{"Gaia", "2"}}) + rebelInput() + "2\n");
  runNewCampaignSetup(test.game);
  EXPECT_EQ(test.state->spielerliste[0].playerName, "An[2Jna");
  EXPECT_EQ(test.state->spielerliste[1].playerName, umlauts);
  EXPECT_EQ(test.state->planetenliste[0].name, forty + " (Heimatplanet)");
  const std::string& out = test.console.output();
  const std::string tooLong = "Bitte hoechstens 40 Zeichen eingeben.\n";
  const std::string name = "Spieler 1, wie lautet dein Name?: ";
  EXPECT_NE(out.find(name + tooLong + name + "Welche Rasse"), std::string::npos);
  const std::string home = "Wie lautet der Name von Hauptplanet Nummer 1 (dein Heimatplanet)?: ";
  EXPECT_NE(out.find(home + tooLong + home + "Wie lauten die Koordinaten von Hauptplanet " + forty + " "),
            std::string::npos);
}

TEST(Setup, NoMoreThanAHundredLocationsCanBeTypedInAll) {
  Places mainPlanets;
  for (int index = 0; index < 50; ++index) mainPlanets.push_back({"H" + std::to_string(index), "1"});
  Places outposts;
  for (int index = 0; index < 49; ++index) outposts.push_back({"A" + std::to_string(index), "2"});
  // Anna asks for 100 outposts first; the second player's home planet keeps one place free.
  std::string anna = playerInput("Anna", 'k', mainPlanets, outposts);
  anna.insert(anna.find("\n49\n") + 1, "100\n");
  TestGame test("2" + anna + "Bert\nb\n2\n1\nGaia\n5\n1\n0\n" + "1\n0\n1\n0\n" + "4\n");
  runNewCampaignSetup(test.game);
  const CampaignState& state = *test.state;
  for (const LocationRecord& location : state.planetenliste) EXPECT_TRUE(location.inUse);
  EXPECT_EQ(state.planetenliste[99].name, "Gaia (Heimatplanet)");
  EXPECT_EQ(state.spielerliste[kRebelFaction].playerName, "");
  // 2 players + 50 + 49 + 1 + 0 + 0 + 0.
  EXPECT_EQ(state.drawCounter, 102);

  const std::string& out = test.console.output();
  EXPECT_NE(out.find("Wie viele Aussenposten kontrollierst du?: "
                     "Es sind nur noch 49 Plaetze fuer Planeten und Aussenposten frei.\n"
                     "Wie viele Aussenposten kontrollierst du?: Wie lautet"),
            std::string::npos);
  EXPECT_NE(out.find("Wie viele Hauptplaneten kontrollierst du (mind. 1)?: "
                     "Es ist nur noch 1 Platz fuer Planeten und Aussenposten frei.\n"
                     "Wie viele Hauptplaneten kontrollierst du (mind. 1)?: Wie lautet"),
            std::string::npos);
  EXPECT_NE(out.find("Wie viele Aussenposten kontrollierst du?: "
                     "Es ist kein Platz fuer Planeten und Aussenposten mehr frei.\n"
                     "Wie viele Aussenposten kontrollierst du?: Danke Bert"),
            std::string::npos);
  EXPECT_NE(out.find("Wie viele Hauptplaneten werden von Rebellen kontrolliert?: "
                     "Es ist kein Platz fuer Planeten und Aussenposten mehr frei.\n"),
            std::string::npos);
  EXPECT_NE(out.find("Wie viele Aussenposten werden von Rebellen kontrolliert?: "
                     "Es ist kein Platz fuer Planeten und Aussenposten mehr frei.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vaskorath::testing
