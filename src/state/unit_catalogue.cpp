// Unit tables of the five races, starting troops and rebel garrisons.
#include "state/unit_catalogue.h"

namespace vaskorath {

namespace {

constexpr UnitCatalogue buildCatalogue() {
  UnitCatalogue catalogue{};
  catalogue.units[0] = {{
      {"Stabseinheit mit Tribun", 1, 80, false},
      {"Kadrischer Sturmtrupp", 1, 80, true},
      {"Raketenwerfertrupps", 2, 60, true},
      {"Granatwerfertrupps", 2, 80, true},
      {"Plasmawerfertrupps", 2, 60, true},
      {"Laeuferschwadron", 1, 170, false},
      {"Ferox Transporter", 3, 90, false},
      {"Flammenpanzer Skarn", 3, 120, false},
      {"Brontes Kampfpanzer", 3, 170, false},
      {"Kerberan Haubitze", 3, 130, false},
  }};
  catalogue.units[1] = {{
      {"Kampfautomat Torvin", 2, 110, false},
      {"Valkaren Trupp", 1, 170, true},
      {"Jagdpanzer Orkan", 3, 140, false},
      {"Transporter Bastion", 3, 60, false},
      {"Gleiterschwadron", 2, 120, false},
      {"Sturmharnisch Trupp", 2, 240, false},
  }};
  catalogue.units[2] = {{
      {"Kommandant Ilyeth", 1, 170, false},
      {"Glutkrieger Trupp", 1, 80, true},
      {"KR5 Schildlaeufer", 2, 90, false},
      {"GT3 Schwebepanzer", 3, 150, false},
  }};
  catalogue.units[3] = {{
      {"Morgathen Fuerst", 1, 100, false},
      {"Morgathen Trupp", 2, 220, true},
      {"Schattenschuetzen Trupp", 1, 100, true},
      {"Vernichter Trupp", 1, 140, true},
      {"Klingenschwarm", 1, 40, true},
      {"Schwerer Zerstoerer", 2, 70, false},
      {"Seelenjaeger", 1, 360, false},
      {"Dreibein Pirscher", 3, 120, true},
  }};
  catalogue.units[4] = {{
      {"Brukka Stampfer", 2, 80, false},
      {"Brukka Horde", 1, 60, true},
      {"Knochenflicker", 1, 40, true},
      {"Munischlepper", 1, 10, true},
      {"Grossmaul Trupp", 1, 90, true},
      {"Blechkrieger", 2, 60, false},
      {"Oberschrauber", 1, 90, false},
      {"Schrauber", 1, 60, false},
  }};
  return catalogue;
}

constexpr std::string_view kKadStarting[] = {
    "Stabseinheit mit Tribun", "Kadrischer Sturmtrupp", "Kadrischer Sturmtrupp",
    "Kadrischer Sturmtrupp",   "Kadrischer Sturmtrupp", "Ferox Transporter"};
constexpr std::string_view kValStarting[] = {"Kampfautomat Torvin", "Transporter Bastion",
                                             "Valkaren Trupp", "Valkaren Trupp"};
// The rebels of race 1 list their units in another order than a player's home planet.
constexpr std::string_view kValGarrison[] = {"Kampfautomat Torvin", "Valkaren Trupp",
                                             "Valkaren Trupp", "Transporter Bastion"};
constexpr std::string_view kXelStarting[] = {"Kommandant Ilyeth", "KR5 Schildlaeufer",
                                             "Glutkrieger Trupp", "Glutkrieger Trupp",
                                             "Glutkrieger Trupp", "Glutkrieger Trupp"};
constexpr std::string_view kMorStarting[] = {"Morgathen Fuerst", "Morgathen Trupp",
                                             "Morgathen Trupp"};
constexpr std::string_view kBruStarting[] = {"Brukka Stampfer", "Blechkrieger",   "Brukka Horde",
                                             "Brukka Horde",    "Munischlepper", "Grossmaul Trupp",
                                             "Grossmaul Trupp"};

constexpr std::array<std::span<const std::string_view>, kRaceCount> kStartingTroops{
    kKadStarting, kValStarting, kXelStarting, kMorStarting, kBruStarting};
constexpr std::array<std::span<const std::string_view>, kRaceCount> kRebelGarrisons{
    kKadStarting, kValGarrison, kXelStarting, kMorStarting, kBruStarting};

}  // namespace

const UnitCatalogue preisliste = buildCatalogue();

int raceIndexByName(std::string_view name) {
  for (int race = 0; race < kRaceCount; ++race) {
    if (kRaces[race].name == name) return race;
  }
  return -1;
}

int raceIndexByKey(char key) {
  for (int race = 0; race < kRaceCount; ++race) {
    if (kRaces[race].key == key) return race;
  }
  return -1;
}

std::span<const std::string_view> startingTroops(int race) { return kStartingTroops[race]; }

std::span<const std::string_view> rebelGarrison(int race) { return kRebelGarrisons[race]; }

std::string_view pickRebelRace(Random& random, int drawCounter) {
  // Two outcomes of ten for each race: 1-2 race 0, 3-4 race 1, ... 9-10 race 4.
  const int value = random.nextDigit(drawCounter) + 1;
  return kRaces[(value - 1) / 2].name;
}

}  // namespace vaskorath
