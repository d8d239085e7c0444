// Mercenary offers: renewal draws and prices, hired slots counting down, and the hiring dialogue.
#include <gtest/gtest.h>

#include "flow/round_loop.h"
#include "orders/mercenaries.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

using Offers = std::array<MercenaryOffer, kOfferCount>;

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";

const std::string kHiringIntro =
    "Soeldner anheuern\n"
    "-----------------\n"
    "\n"
    "Soeldner, der Abschaum der Galaxis. Sie sind teuer und man kann sich nie darauf verlassen, dass sie "
    "zeitgerecht zur Stelle sind (meist 2 bis 3 Runden zum Heimatplaneten)... Sei es drum.\n"
    "\n"
    "Ueber einen Kontaktmann zu hiesigen Soeldnertruppen findest du heraus, dass derzeit folgende "
    "Truppenteile angeheuert werden koennen:\n";

std::string hiringPrompt(int credits) {
  return "\nDu hast " + std::to_string(credits) +
         " Credits. Welche Soeldnereinheit moechtest du anheuern? (Nummer - Abbruch mit 0): ";
}

MercenaryOffer offer(std::string unit, int price, int countdown = 0) {
  return MercenaryOffer{std::move(unit), price, countdown, countdown != 0};
}

// Slot 0 at price 999, slot 1 at 1000, slots 2 and 3 the same prices hired, six more open offers.
void fillMarket(Offers& offers) {
  offers[0] = offer("Kadrischer Sturmtrupp", 999);
  offers[1] = offer("Brontes Kampfpanzer", 1000);
  offers[2] = offer("Kerberan Haubitze", 999, 2);
  offers[3] = offer("Laeuferschwadron", 1000, 4);
  for (int slot = 4; slot < kOfferCount; ++slot) offers[slot] = offer("Ferox Transporter", 270);
}

TEST(MercenaryRenewal, DrawsUnitAndMultiplierTogetherThenOnePricePerSlotPlayerByPlayer) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(2, "Cara", "Xelthar-Bund");
  test.state->soeldnerliste[1][4] = offer("Valkaren Trupp", 500, 2);  // left by a player who is gone
  renewMercenaryOffers(test.game);
  // Seed 1. Slot 0: 41 % 20 = 1 Kadrischer Sturmtrupp (80), 18467 % 2 = 1 gives x4, 6334 % 10 = 4:
  // 320 + 40 = 360. Slot 2: 11478 % 20 = 18 is an empty catalogue slot, so 29358 is its multiplier
  // draw and 26962 % 20 = 2 Raketenwerfertrupps (60), 24464 % 2 = 0 gives x3, 5705 % 10 = 5: 230.
  const std::vector<std::pair<std::string, int>> anna = {
      {"Kadrischer Sturmtrupp", 360}, {"Stabseinheit mit Tribun", 360}, {"Raketenwerfertrupps", 230},
      {"Laeuferschwadron", 750},      {"Kadrischer Sturmtrupp", 370},   {"Raketenwerfertrupps", 300},
      {"Raketenwerfertrupps", 260},   {"Raketenwerfertrupps", 300},     {"Flammenpanzer Skarn", 370},
      {"Plasmawerfertrupps", 250}};
  for (int slot = 0; slot < kOfferCount; ++slot) {
    SCOPED_TRACE(slot);
    const MercenaryOffer& drawn = test.state->soeldnerliste[0][slot];
    EXPECT_EQ(drawn.unitName, anna[slot].first);
    EXPECT_EQ(drawn.price, anna[slot].second);
    EXPECT_FALSE(drawn.hired);
  }
  EXPECT_EQ(test.state->soeldnerliste[1], Offers{});
  // Cara's draws follow Anna's 48: 28253 % 20 = 13 and six more misses of the four Xelthar units
  // until KR5 Schildlaeufer (90) x4 + 7 x 10 = 430, then Glutkrieger Trupp (80) x4 + 8 x 10 = 400.
  EXPECT_EQ(test.state->soeldnerliste[2][0], offer("KR5 Schildlaeufer", 430));
  EXPECT_EQ(test.state->soeldnerliste[2][1], offer("Glutkrieger Trupp", 400));
  // 48 draws for Anna, 128 for Cara: the 177th value of seed 1 comes next.
  EXPECT_EQ(test.random.next(), 27348);
}

TEST(MercenaryRenewal, PricesRiseByTenPerStepOfTheDrawCounter) {
  TestGame low;
  low.addPlayer(0, "Anna");
  renewMercenaryOffers(low.game);
  TestGame high;
  high.addPlayer(0, "Anna");
  high.state->drawCounter = 3;
  renewMercenaryOffers(high.game);
  for (int slot = 0; slot < kOfferCount; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(high.state->soeldnerliste[0][slot].unitName, low.state->soeldnerliste[0][slot].unitName);
    EXPECT_EQ(high.state->soeldnerliste[0][slot].price, low.state->soeldnerliste[0][slot].price + 30);
  }
  EXPECT_EQ(high.state->soeldnerliste[0][0].price, 390);  // 360 at counter 0, see the draw order test
}

TEST(MercenaryRenewal, AHiredSlotDrawsOnlyUnitAndMultiplierAndCountsDownKeepingUnitAndPrice) {
  TestGame test;
  test.addPlayer(0, "Anna");
  Offers& offers = test.state->soeldnerliste[0];
  offers[0] = offer("Brontes Kampfpanzer", 999, 3);
  offers[5] = offer("Ferox Transporter", 1200);
  offers[5].hired = true;  // due this round: its countdown stays at 0 until the delivery
  renewMercenaryOffers(test.game);
  EXPECT_EQ(offers[0], offer("Brontes Kampfpanzer", 999, 2));
  // Slot 0 took 41 and 18467, so slot 1 starts at 6334 % 20 = 14 (empty), then 19169 % 20 = 9
  // Kerberan Haubitze (130), 15724 % 2 = 0 gives x3, 11478 % 10 = 8: 390 + 80 = 470.
  EXPECT_EQ(offers[1], offer("Kerberan Haubitze", 470));
  EXPECT_EQ(offers[5].unitName, "Ferox Transporter");
  EXPECT_EQ(offers[5].price, 1200);
  EXPECT_EQ(offers[5].deliveryCountdown, 0);
  EXPECT_TRUE(offers[5].hired);
}

TEST(MercenaryRenewal, AHiredUnitIsDueAfterAsManyRenewalsAsItsDelayWhileTheOpenSlotsChange) {
  TestGame test("1\n0\n");
  test.addPlayer(0, "Anna");
  renewMercenaryOffers(test.game);  // round R's offers
  runMercenaryDialogue(test.game, 0);
  Offers& offers = test.state->soeldnerliste[0];
  const MercenaryOffer hired = offers[0];
  ASSERT_TRUE(hired.hired);
  EXPECT_EQ(hired.unitName, "Kadrischer Sturmtrupp");  // at 360, see the draw order test
  EXPECT_EQ(test.state->spielerliste[0].credits, 640);
  ASSERT_EQ(hired.deliveryCountdown, 3);  // the hire drew 28253 % 8 = 5: 3 rounds
  renewMercenaryOffers(test.game);  // round R + 1
  EXPECT_EQ(offers[0].deliveryCountdown, 2);
  renewMercenaryOffers(test.game);  // round R + 2
  EXPECT_EQ(offers[0].deliveryCountdown, 1);
  const Offers roundR2 = offers;
  renewMercenaryOffers(test.game);  // round R + 3: due, delivered in this round's calculation
  EXPECT_EQ(offers[0].unitName, hired.unitName);
  EXPECT_EQ(offers[0].price, hired.price);
  EXPECT_EQ(offers[0].deliveryCountdown, 0);
  EXPECT_TRUE(offers[0].hired);
  int changed = 0;
  for (int slot = 1; slot < kOfferCount; ++slot) changed += offers[slot] != roundR2[slot] ? 1 : 0;
  EXPECT_EQ(changed, 9);  // the nine open slots all drew anew
}

TEST(MercenaryRenewal, APlayerWithoutACatalogueRaceHasEveryOfferClearedWithoutADraw) {
  TestGame test("1\n0\n");
  test.addPlayer(0, "Anna", "");  // an old file's empty race
  fillMarket(test.state->soeldnerliste[0]);
  renewMercenaryOffers(test.game);
  EXPECT_EQ(test.state->soeldnerliste[0], Offers{});
  EXPECT_EQ(test.random.next(), 41);  // nothing was drawn
  // Even offers a file left for such a player are neither listed nor for hire.
  fillMarket(test.state->soeldnerliste[0]);
  runMercenaryDialogue(test.game, 0);
  const std::string screen = kHiringIntro + hiringPrompt(1000);
  EXPECT_EQ(test.console.output(),
            screen + "\n\nAbbruch!\n\n" + kPause + screen + "\n\nAbbruch!\n\n" + kPause);
  EXPECT_EQ(test.state->spielerliste[0].credits, 1000);
  EXPECT_FALSE(test.state->soeldnerliste[0][0].hired);
}

TEST(MercenaryRenewal, ARoundEndedEarlyByEmptyLastPlayerRecordsStillRenewsTheOffers) {
  // Round 1: Anna and Bert end their turns, Cara's record is empty. Round 2: the calculation
  // goes on without battles, both end their turns again. Round 3 is the last.
  TestGame test("9\n9\n0\n9\n9\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  test.state->spielerliste[2] = FactionRecord{};
  test.state->soeldnerliste[0][0] = offer("Brontes Kampfpanzer", 999, 3);
  test.state->endrunde = 3;
  runCampaign(test.game);
  ASSERT_EQ(test.state->runde, 3);
  // Renewed at the head of rounds 1 and 2.
  EXPECT_EQ(test.state->soeldnerliste[0][0], offer("Brontes Kampfpanzer", 999, 1));
  EXPECT_FALSE(test.state->soeldnerliste[1][0].unitName.empty());
}

TEST(MercenaryHiring, ListsTheTenOffersWithThePriceColumnAndTheArrivalOfHiredOnes) {
  TestGame test("0\n");
  test.addPlayer(0, "Anna");
  fillMarket(test.state->soeldnerliste[0]);
  runMercenaryDialogue(test.game, 0);
  // A price below 1000 takes one more blank, so the arrival note of slot 3 starts one column left.
  const std::string list =
      "  1  Kadrischer Sturmtrupp          fuer 999 Credits \n"
      "  2  Brontes Kampfpanzer            fuer 1000 Credits\n"
      "  3  Kerberan Haubitze              fuer 999 Credits  <-- bereits angeheuert mit Ankunft in 2 "
      "Runde(n)\n"
      "  4  Laeuferschwadron               fuer 1000 Credits <-- bereits angeheuert mit Ankunft in 4 "
      "Runde(n)\n"
      "  5  Ferox Transporter              fuer 270 Credits \n"
      "  6  Ferox Transporter              fuer 270 Credits \n"
      "  7  Ferox Transporter              fuer 270 Credits \n"
      "  8  Ferox Transporter              fuer 270 Credits \n"
      "  9  Ferox Transporter              fuer 270 Credits \n"
      "  10 Ferox Transporter              fuer 270 Credits \n";
  EXPECT_EQ(test.console.output(), kHiringIntro + list + hiringPrompt(1000) + "\n\nAbbruch!\n\n" + kPause);
  EXPECT_EQ(test.console.clearCount(), 1);
}

TEST(MercenaryHiring, ExactlyEnoughCreditsHireTheUnitAndTheListShowsItsArrival) {
  TestGame test("1\n0\n");
  test.addPlayer(0, "Anna").credits = 999;
  fillMarket(test.state->soeldnerliste[0]);
  runMercenaryDialogue(test.game, 0);
  // Seed 1: 41 % 8 = 1 gives 2 rounds.
  EXPECT_EQ(test.state->soeldnerliste[0][0], offer("Kadrischer Sturmtrupp", 999, 2));
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
  const std::string& out = test.console.output();
  EXPECT_NE(
      out.find(
          hiringPrompt(999) +
          "\n\nKauf bestaetigt. Die Einheit wird in 2 Runde(n) auf deinem Heimatplaneten eintreffen.\n\n" +
          kPause),
      std::string::npos);
  EXPECT_NE(
      out.find(
          "  1  Kadrischer Sturmtrupp          fuer 999 Credits  <-- bereits angeheuert mit Ankunft in 2 "
          "Runde(n)\n"),
      std::string::npos);
  EXPECT_NE(out.find(hiringPrompt(0)), std::string::npos);
}

TEST(MercenaryHiring, RefusalsChangeNothingAndShowTheListAgain) {
  TestGame test("3\n2\n10\n11\n-1\n0\n");
  test.addPlayer(0, "Anna").credits = 999;
  fillMarket(test.state->soeldnerliste[0]);
  test.state->soeldnerliste[0][9] = MercenaryOffer{};  // a slot without a unit offers nothing
  const Offers before = test.state->soeldnerliste[0];
  runMercenaryDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_EQ(countOccurrences(out, "\n\nDiese Einheit ist bereits angeheuert. Abbruch!\n\n" + kPause), 1);
  EXPECT_EQ(countOccurrences(out, "\n\nNicht genug Credits. Abbruch!\n\n" + kPause), 1);  // 1000 > 999
  EXPECT_EQ(countOccurrences(out, "\n\nAbbruch!\n\n" + kPause), 4);  // 10, 11, -1 and 0
  EXPECT_EQ(countOccurrences(out, "  10 "), 0);
  EXPECT_EQ(test.console.clearCount(), 6);
  EXPECT_EQ(test.state->soeldnerliste[0], before);
  EXPECT_EQ(test.state->spielerliste[0].credits, 999);
  EXPECT_EQ(test.random.next(), 41);  // no delay was drawn
}

TEST(MercenaryHiring, TheDelayIsOneRoundForDrawZeroTwoOrThreeForOneToSixAndFourForSeven) {
  // Seeds whose first value modulo 8 is 0, 1, ..., 7.
  const std::pair<std::uint32_t, int> seedsAndDelays[] = {{3, 1}, {1, 2}, {6, 2}, {4, 2},
                                                          {9, 3}, {2, 3}, {5, 3}, {10, 4}};
  for (const auto& [seed, delay] : seedsAndDelays) {
    SCOPED_TRACE(seed);
    TestGame test("5\n0\n", seed);
    test.addPlayer(0, "Anna");
    fillMarket(test.state->soeldnerliste[0]);
    runMercenaryDialogue(test.game, 0);
    EXPECT_EQ(test.state->soeldnerliste[0][4].deliveryCountdown, delay);
    EXPECT_EQ(test.state->spielerliste[0].credits, 730);
  }
}

}  // namespace
}  // namespace vaskorath::testing
