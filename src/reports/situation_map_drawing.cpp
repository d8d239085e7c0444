// Drawing the situation map: grid, locations, battle markers, title and legend as SVG text.
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string_view>
#include <vector>

#include "reports/holdings.h"
#include "reports/situation_map.h"
#include "reports/svg_writer.h"
#include "state/campaign_state.h"
#include "state/locations.h"

namespace vaskorath {

namespace {

// A coordinate c is column c / 100 and row c - 100 * column, as the march duration reads it.
constexpr int kGridCells = 100;
constexpr int kMinimumCells = 10;
constexpr int kCellWidth = 100;
constexpr int kCellHeight = 70;
constexpr int kGridLeft = 50;
constexpr int kGridTop = 80;
constexpr int kSymbolDrop = 28;  // from the top of a cell to the centre of its symbol
constexpr int kPips = 3;         // one per fortification level the game builds
constexpr int kMinimumWidth = 780;
constexpr int kLineHeight = 26;
constexpr int kLegendCharacterWidth = 8;  // generous for 13-pixel sans-serif text
constexpr std::size_t kWidestLegendLine = 10'000;  // characters; an old file may hold a name of any length

// Okabe-Ito colours, told apart with every kind of colour vision; players 1 to 5 in order.
constexpr std::array<std::string_view, kMaxPlayers> kPlayerColours = {"#E69F00", "#56B4E9", "#009E73",
                                                                      "#F0E442", "#CC79A7"};
constexpr std::string_view kRebelColour = "#999999";
constexpr std::string_view kBattleColour = "#D55E00";
constexpr std::string_view kOutline = " stroke=\"#000000\" stroke-width=\"1.5\"";
constexpr std::string_view kDashedOutline = " stroke=\"#000000\" stroke-width=\"1.5\" stroke-dasharray=\"4 3\"";

bool onGrid(int coordinates) { return coordinates >= 0 && coordinates < kGridCells * kGridCells; }
int columnOf(int coordinates) { return coordinates / kGridCells; }
int rowOf(int coordinates) { return coordinates - kGridCells * columnOf(coordinates); }

// Cells `first` to `last` of one axis.
struct Span {
  int first = 0;
  int last = kMinimumCells - 1;
  int count() const { return last - first + 1; }
};

// The cells from `lowest` to `highest` with a margin of one, widened to ten, within 0 to 99.
Span spanOf(int lowest, int highest) {
  Span span{std::max(0, lowest - 1), std::min(kGridCells - 1, highest + 1)};
  while (span.count() < kMinimumCells) {
    if (span.first > 0) --span.first;
    if (span.count() < kMinimumCells && span.last < kGridCells - 1) ++span.last;
  }
  return span;
}

// The corners of an eight-pointed star around 0, 0 whose points reach `radius`.
std::array<Point, 16> starCorners(double radius) {
  std::array<Point, 16> corners;
  for (int corner = 0; corner < 16; ++corner) {
    const double angle = (corner * 22.5 - 90.0) * 3.14159265358979 / 180.0;
    const double reach = corner % 2 == 0 ? radius : radius / 2;
    corners[corner] = {static_cast<int>(std::lround(reach * std::cos(angle))),
                       static_cast<int>(std::lround(reach * std::sin(angle)))};
  }
  return corners;
}

enum class StarSize { kOnTheMap, kInTheLegend };

// The battle marker: an eight-pointed star.
void appendStar(std::string& out, Point centre, StarSize size) {
  static const std::array<Point, 16> onTheMap = starCorners(19);
  static const std::array<Point, 16> inTheLegend = starCorners(11);
  appendPolygon(out, centre, size == StarSize::kOnTheMap ? onTheMap : inTheLegend, kBattleColour, kOutline);
}

// The colour of the owner's faction, or nothing for an owner that is no faction in play.
std::string_view colourOf(int faction) {
  if (faction < 0) return {};
  return faction == kRebelFaction ? kRebelColour : kPlayerColours[faction];
}

// Where each location in use is drawn, and the size of everything.
struct Layout {
  Span columns;
  Span rows;
  std::array<Point, kLocationCount> symbolAt{};  // centre of the symbol of location l
  int offGridLines = 0;                          // lines of the row "Ohne gueltige Koordinate"
  int offGridTop = 0;
  int legendTop = 0;
};

Point cellCentre(const Layout& layout, int column, int row) {
  return {kGridLeft + (column - layout.columns.first) * kCellWidth + kCellWidth / 2,
          kGridTop + (row - layout.rows.first) * kCellHeight + kSymbolDrop};
}

int gridRight(const Layout& layout) { return kGridLeft + layout.columns.count() * kCellWidth; }
int gridBottom(const Layout& layout) { return kGridTop + layout.rows.count() * kCellHeight; }

// The columns and rows that the locations with a valid coordinate span.
void spanTheGrid(const CampaignState& state, Layout& layout) {
  int lowestColumn = kGridCells;
  int highestColumn = -1;
  int lowestRow = kGridCells;
  int highestRow = -1;
  for (const LocationRecord& location : state.planetenliste) {
    if (!location.inUse || !onGrid(location.coordinates)) continue;
    lowestColumn = std::min(lowestColumn, columnOf(location.coordinates));
    highestColumn = std::max(highestColumn, columnOf(location.coordinates));
    lowestRow = std::min(lowestRow, rowOf(location.coordinates));
    highestRow = std::max(highestRow, rowOf(location.coordinates));
  }
  if (highestColumn < 0) return;  // the first ten of each
  layout.columns = spanOf(lowestColumn, highestColumn);
  layout.rows = spanOf(lowestRow, highestRow);
}

// Each location in its cell, side by side with those that share it; those without a valid
// coordinate in lines under the grid.
void placeLocations(const CampaignState& state, Layout& layout) {
  std::map<int, int> sharing;
  for (const LocationRecord& location : state.planetenliste) {
    if (location.inUse && onGrid(location.coordinates)) ++sharing[location.coordinates];
  }
  std::map<int, int> placed;
  const int offGridPerLine = layout.columns.count();
  layout.offGridTop = gridBottom(layout) + 40;
  int offGrid = 0;
  for (int index = 0; index < kLocationCount; ++index) {
    const LocationRecord& location = state.planetenliste[index];
    if (!location.inUse) continue;
    if (!onGrid(location.coordinates)) {
      const int line = offGrid / offGridPerLine;
      layout.symbolAt[index] = {kGridLeft + (offGrid % offGridPerLine) * kCellWidth + kCellWidth / 2,
                                layout.offGridTop + line * kCellHeight + kSymbolDrop};
      layout.offGridLines = line + 1;
      ++offGrid;
      continue;
    }
    const int shares = sharing[location.coordinates];
    const int place = placed[location.coordinates]++;
    Point centre = cellCentre(layout, columnOf(location.coordinates), rowOf(location.coordinates));
    centre.x += (2 * place + 1 - shares) * kCellWidth / (2 * shares);
    centre.y += (place % 2) * 11;
    layout.symbolAt[index] = centre;
  }
}

Layout layOut(const CampaignState& state) {
  Layout layout;
  spanTheGrid(state, layout);
  placeLocations(state, layout);
  const int offGridHeight = layout.offGridLines == 0 ? 0 : layout.offGridLines * kCellHeight + 40;
  layout.legendTop = gridBottom(layout) + offGridHeight + 40;
  return layout;
}

void drawGrid(std::string& out, const Layout& layout) {
  out += "<path fill=\"none\" stroke=\"#CCCCCC\" stroke-width=\"1\" d=\"";
  for (int column = 0; column <= layout.columns.count(); ++column) {
    out += 'M';
    appendNumber(out, kGridLeft + column * kCellWidth);
    out += ',';
    appendNumber(out, kGridTop);
    out += 'V';
    appendNumber(out, gridBottom(layout));
  }
  for (int row = 0; row <= layout.rows.count(); ++row) {
    out += 'M';
    appendNumber(out, kGridLeft);
    out += ',';
    appendNumber(out, kGridTop + row * kCellHeight);
    out += 'H';
    appendNumber(out, gridRight(layout));
  }
  out += "\"/>\n";
  // Two digits each, as they stand in a four-digit coordinate: column first, then row.
  char digits[3] = {};
  const auto twoDigits = [&digits](int number) {
    digits[0] = static_cast<char>('0' + number / 10);
    digits[1] = static_cast<char>('0' + number % 10);
    return std::string_view(digits, 2);
  };
  for (int column = layout.columns.first; column <= layout.columns.last; ++column) {
    const Point centre = cellCentre(layout, column, layout.rows.first);
    appendText(out, {centre.x, kGridTop - 8}, " class=\"spalte\" font-size=\"12\" text-anchor=\"middle\"",
               twoDigits(column));
  }
  for (int row = layout.rows.first; row <= layout.rows.last; ++row) {
    const Point centre = cellCentre(layout, layout.columns.first, row);
    appendText(out, {kGridLeft - 8, centre.y + 4}, " class=\"zeile\" font-size=\"12\" text-anchor=\"end\"",
               twoDigits(row));
  }
}

// The pips, filled up to the level, for 0 to 3; any other level (from an old file) as its number.
void drawFortification(std::string& out, Point symbol, int level) {
  const Point at{symbol.x - 30, symbol.y};
  if (level < 0 || level > kPips) {
    std::string number;
    appendNumber(number, level);
    appendText(out, {at.x, at.y + 4}, " font-size=\"12\" font-weight=\"bold\" text-anchor=\"middle\"", number);
    return;
  }
  for (int pip = 0; pip < kPips; ++pip) {
    appendCircle(out, {at.x, at.y + 10 - pip * 10}, 4, pip < level ? "#000000" : "#FFFFFF", kOutline);
  }
}

void drawLocation(std::string& out, const CampaignState& state, const LocationRecord& location, Point symbol) {
  const bool outpost = location.kind == kKindOutpost;
  out += "<g class=\"ort\"";
  appendAttribute(out, "data-name", location.name);
  appendAttribute(out, "data-art", outpost ? "Aussenposten" : "Hauptplanet");
  appendAttribute(out, "data-besitzer", location.owner);
  appendAttribute(out, "data-koordinaten", location.coordinates);
  appendAttribute(out, "data-befestigung", location.fortificationLevel);
  out += ">\n<title>";
  appendXmlText(out, locationLabel(location));
  out += ", Besitzer: ";
  appendXmlText(out, location.owner.empty() ? "keiner" : location.owner);
  out += ", Koordinate: ";
  appendNumber(out, location.coordinates);
  out += ", Befestigungsstufe: ";
  appendNumber(out, location.fortificationLevel);
  out += "</title>\n";
  if (location.name.ends_with(kHomePlanetSuffix)) {
    appendCircle(out, symbol, 19, "none", " stroke=\"#000000\" stroke-width=\"2.5\"");
  }
  const std::string_view colour = colourOf(factionIndexByName(state, location.owner));
  const std::string_view fill = colour.empty() ? "#FFFFFF" : colour;
  const std::string_view outline = colour.empty() ? kDashedOutline : kOutline;
  if (outpost) {
    appendSquare(out, symbol, 20, fill, outline);
  } else {
    appendCircle(out, symbol, 13, fill, outline);
  }
  drawFortification(out, symbol, location.fortificationLevel);
  appendText(out, {symbol.x, symbol.y + 34}, " font-size=\"11\" text-anchor=\"middle\"", location.name);
  out += "</g>\n";
}

// The first location in use that the battle names; -1 when none does.
int battleLocation(const CampaignState& state, const BattleRecord& battle) {
  for (int index = 0; index < kLocationCount; ++index) {
    const LocationRecord& location = state.planetenliste[index];
    if (location.inUse && !location.name.empty() && namesMatch(location.name, battle.locationName)) return index;
  }
  return -1;
}

void drawBattles(std::string& out, const CampaignState& state, const Layout& layout) {
  // A second battle at one location (only an old file holds one) stands beside the first.
  std::array<int, kLocationCount> markers{};
  for (const auto& row : state.eventslist) {
    for (const BattleRecord& battle : row) {
      if (battle.label.empty()) continue;
      const int index = battleLocation(state, battle);
      if (index < 0) continue;
      const LocationRecord& location = state.planetenliste[index];
      const Point symbol = layout.symbolAt[index];
      const Point centre{symbol.x + 26 + 36 * markers[index]++, symbol.y - 16};
      out += "<g class=\"gefecht\"";
      appendAttribute(out, "data-ort", location.name);
      appendAttribute(out, "data-nummer", battle.number);
      out += ">\n<title>Gefecht ";
      appendNumber(out, battle.number);
      out += " auf ";
      appendXmlText(out, locationLabel(location));
      out += "</title>\n";
      appendStar(out, centre, StarSize::kOnTheMap);
      std::string number;
      appendNumber(number, battle.number);
      appendText(out, {centre.x, centre.y + 4}, " font-size=\"12\" font-weight=\"bold\" text-anchor=\"middle\"",
                 number);
      out += "</g>\n";
    }
  }
}

// One line of the legend for each faction in play, in player order, the rebels last.
struct LegendEntry {
  int faction = 0;
  std::string line;
  int mainPlanets = 0;
  int outposts = 0;
};

std::vector<LegendEntry> legendOf(const CampaignState& state) {
  std::vector<LegendEntry> entries;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    if (state.spielerliste[faction].playerName.empty()) continue;
    const FactionLocations holdings = locationsOf(state, faction);
    LegendEntry entry{faction, holderName(state, faction), static_cast<int>(holdings.mainPlanets.size()),
                      static_cast<int>(holdings.outposts.size())};
    entry.line += ": Hauptplaneten " + std::to_string(entry.mainPlanets) + ", Aussenposten " +
                  std::to_string(entry.outposts);
    entries.push_back(std::move(entry));
  }
  return entries;
}

// Draws the legend from `top` down; returns the baseline of its last line.
int drawLegend(std::string& out, const CampaignState& state, const std::vector<LegendEntry>& entries, int top) {
  appendText(out, {kGridLeft, top}, " font-size=\"14\" font-weight=\"bold\"", "Legende");
  int y = top;
  for (const LegendEntry& entry : entries) {
    y += kLineHeight;
    const FactionRecord& faction = state.spielerliste[entry.faction];
    out += "<g class=\"partei\"";
    appendAttribute(out, "data-name", faction.playerName);
    appendAttribute(out, "data-rasse", faction.race);
    appendAttribute(out, "data-hauptplaneten", entry.mainPlanets);
    appendAttribute(out, "data-aussenposten", entry.outposts);
    out += ">\n";
    appendCircle(out, {kGridLeft + 10, y - 5}, 8, colourOf(entry.faction), kOutline);
    appendText(out, {kGridLeft + 28, y}, " font-size=\"13\"", entry.line);
    out += "</g>\n";
  }
  // What the signs mean.
  const auto sign = [&](std::string_view meaning) {
    y += kLineHeight;
    appendText(out, {kGridLeft + 28, y}, " font-size=\"13\"", meaning);
    return Point{kGridLeft + 10, y - 5};
  };
  y += kLineHeight / 2;
  appendCircle(out, sign("Hauptplanet"), 8, kRebelColour, kOutline);
  const Point home = sign("Heimatplanet");
  appendCircle(out, home, 11, "none", " stroke=\"#000000\" stroke-width=\"2\"");
  appendCircle(out, home, 7, kRebelColour, kOutline);
  appendSquare(out, sign("Aussenposten"), 14, kRebelColour, kOutline);
  appendCircle(out, sign("Besitzer ist keine Partei im Spiel"), 8, "#FFFFFF", kDashedOutline);
  appendStar(out, sign("Gefecht dieser Runde mit seiner Nummer"), StarSize::kInTheLegend);
  const Point pips = sign("Befestigungsstufe: Punkte fuer 0 bis 3, darueber die Zahl");
  for (int pip = 0; pip < kPips; ++pip) {
    appendCircle(out, {pips.x, pips.y + 7 - pip * 7}, 3, pip < 2 ? "#000000" : "#FFFFFF", kOutline);
  }
  return y;
}

}  // namespace

std::string drawSituationMap(const CampaignState& state, BattleMarkers battles) {
  const Layout layout = layOut(state);
  const std::string title =
      "Lagekarte - Runde " + std::to_string(state.runde) + " von " + std::to_string(state.endrunde);
  std::string body;
  body.reserve(64 * 1024);
  appendText(body, {kGridLeft, 34}, " font-size=\"22\" font-weight=\"bold\"", title);
  drawGrid(body, layout);
  if (layout.offGridLines > 0) {
    appendText(body, {kGridLeft, layout.offGridTop - 12}, " font-size=\"13\" font-weight=\"bold\"",
               "Ohne gueltige Koordinate");
  }
  for (int index = 0; index < kLocationCount; ++index) {
    const LocationRecord& location = state.planetenliste[index];
    if (location.inUse) drawLocation(body, state, location, layout.symbolAt[index]);
  }
  if (battles == BattleMarkers::kOfTheRound) drawBattles(body, state, layout);
  const std::vector<LegendEntry> legend = legendOf(state);
  const int height = drawLegend(body, state, legend, layout.legendTop) + 30;
  int width = std::max(kMinimumWidth, gridRight(layout) + 30);
  for (const LegendEntry& entry : legend) {
    const auto characters = static_cast<int>(std::min(entry.line.size(), kWidestLegendLine));
    width = std::max(width, kGridLeft + 48 + kLegendCharacterWidth * characters);
  }

  std::string out;
  out.reserve(body.size() + 512);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
  appendAttribute(out, "width", width);
  appendAttribute(out, "height", height);
  out += " viewBox=\"0 0 ";
  appendNumber(out, width);
  out += ' ';
  appendNumber(out, height);
  out += "\" font-family=\"sans-serif\">\n<title>";
  out += title;
  out += "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
  out += body;
  out += "</svg>\n";
  return out;
}

}  // namespace vaskorath
