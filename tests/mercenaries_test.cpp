// Mercenary offers: renewal draws and prices, hired slots counting down, and the hiring dialogue.
#include <gtest/gtest.h>

#include "flow/round_loop.h"
#include "orders/mercenaries.h"
#include "test_game.h"

namespace vaskorath::testing {
namespace {

using Offers = std::array<MercenaryOffer, kOfferCount>;

const std::string kPause = "Druecken Sie eine beliebige Taste . . .\n";
const std::string kAbort = "\n\nAbbruch!\n\n" + kPause;
const std::string kIntro =
    "Soeldner anheuern\n-----------------\n\n"
    "Soeldner, der Abschaum der Galaxis. Sie sind teuer und man kann sich nie darauf verlassen, dass sie "
    "zeitgerecht zur Stelle sind (meist 2 bis 3 Runden zum Heimatplaneten)... Sei es drum.\n\n"
    "Ueber einen Kontaktmann zu hiesigen Soeldnertruppen findest du heraus, dass derzeit folgende "
    "Truppenteile angeheuert werden koennen:\n";

std::string prompt(int credits) {
  return "\nDu hast " + std::to_string(credits) +
         " Credits. Welche Soeldnereinheit moechtest du anheuern? (Nummer - Abbruch mit 0): ";
}

MercenaryOffer offer(std::string unit, int price, int countdown = 0) {
  return MercenaryOffer{std::move(unit), price, countdown, countdown != 0};
}

// Prices 999 and 1000, open and hired, then six more open offers.
void fillMarket(Offers& offers) {
  offers[0] = offer("Kadrischer Sturmtrupp", 999);
  offers[1] = offer("Brontes Kampfpanzer", 1000);
  offers[2] = offer("Kerberan Haubitze", 999, 2);
  offers[3] = offer("Laeuferschwadron", 1000, 4);
  for (int slot = 4; slot < kOfferCount; ++slot) offers[slot] = offer("Ferox Transporter", 270);
}

TEST(MercenaryRenewal, DrawsUnitAndMultiplierTogetherThenOnePricePlayerByPlayer) {
  TestGame test;
  test.addPlayer(0, "Anna");
  test.addPlayer(2, "Cara", "Xelthar-Bund");
  test.state->soeldnerliste[1][4] = offer("Valkaren Trupp", 500, 2);  // left by a player who is gone
  renewMercenaryOffers(test.game);
  const Offers& anna = test.state->soeldnerliste[0];
  // Seed 1: 41 % 20 = 1 Kadrischer Sturmtrupp (80), 18467 % 2 = 1 gives x4, 6334 % 10 = 4: 320 + 40.
  EXPECT_EQ(anna[0], offer("Kadrischer Sturmtrupp", 360));
  // 11478 % 20 = 18 is an empty catalogue slot, 29358 its multiplier draw; then 26962 % 20 = 2
  // Raketenwerfertrupps (60), 24464 % 2 = 0 gives x3, 5705 % 10 = 5: 180 + 50.
  EXPECT_EQ(anna[2], offer("Raketenwerfertrupps", 230));
  EXPECT_EQ(anna[9], offer("Plasmawerfertrupps", 250));  // after six empty slots were drawn
  EXPECT_EQ(test.state->soeldnerliste[1], Offers{});
  // Cara's draws follow Anna's 48: KR5 Schildlaeufer (90) x4 + 7 x 10 after seven misses.
  EXPECT_EQ(test.state->soeldnerliste[2][0], offer("KR5 Schildlaeufer", 430));
  EXPECT_EQ(test.random.next(), 27348);  // 48 draws for Anna and 128 for Cara were made

  TestGame higher;  // the same draws three steps of the counter higher cost 30 more each
  higher.addPlayer(0, "Anna");
  higher.state->drawCounter = 3;
  renewMercenaryOffers(higher.game);
  for (int slot = 0; slot < kOfferCount; ++slot) {
    const MercenaryOffer& same = higher.state->soeldnerliste[0][slot];
    EXPECT_EQ(same, offer(anna[slot].unitName, anna[slot].price + 30)) << slot;
  }
}

TEST(MercenaryRenewal, AHiredSlotDrawsUnitAndMultiplierOnlyAndCountsDownToItsDelivery) {
  TestGame test;
  test.addPlayer(0, "Anna");
  Offers& offers = test.state->soeldnerliste[0];
  offers[0] = offer("Brontes Kampfpanzer", 999, 3);  // hired in round R with a delay of 3
  renewMercenaryOffers(test.game);                   // round R + 1
  // Slot 0 took 41 and 18467, so slot 1 starts at 6334 % 20 = 14 (empty), then 19169 % 20 = 9
  // Kerberan Haubitze (130), 15724 % 2 = 0 gives x3, 11478 % 10 = 8: 390 + 80.
  EXPECT_EQ(offers[0], offer("Brontes Kampfpanzer", 999, 2));
  EXPECT_EQ(offers[1], offer("Kerberan Haubitze", 470));
  for (int round = 2; round <= 3; ++round) {  // R + 2 and R + 3: the open slots draw anew
    const Offers before = offers;
    renewMercenaryOffers(test.game);
    for (int slot = 1; slot < kOfferCount; ++slot) EXPECT_NE(offers[slot], before[slot]) << slot;
  }
  // Due in round R + 3: delivered in its calculation; until the report reopens it, it stays due.
  EXPECT_EQ(offers[0], (MercenaryOffer{"Brontes Kampfpanzer", 999, 0, true}));
  renewMercenaryOffers(test.game);
  EXPECT_EQ(offers[0], (MercenaryOffer{"Brontes Kampfpanzer", 999, 0, true}));
}

TEST(MercenaryRenewal, APlayerWithoutACatalogueRaceHasNoOffersAndCanHireNothing) {
  TestGame test("1\n0\n");
  test.addPlayer(0, "Anna", "");  // an old file's empty race
  fillMarket(test.state->soeldnerliste[0]);
  renewMercenaryOffers(test.game);
  EXPECT_EQ(test.state->soeldnerliste[0], Offers{});
  EXPECT_EQ(test.random.next(), 41);  // nothing was drawn
  fillMarket(test.state->soeldnerliste[0]);  // offers a file left are neither listed nor for hire
  runMercenaryDialogue(test.game, 0);
  EXPECT_EQ(test.console.output(), kIntro + prompt(1000) + kAbort + kIntro + prompt(1000) + kAbort);
  EXPECT_FALSE(test.state->soeldnerliste[0][0].hired);
}

TEST(MercenaryRenewal, ARoundEndedEarlyByEmptyLastPlayerRecordsStillRenewsTheOffers) {
  // Cara's record is empty, so both rounds end after Bert; round 2 has no battles; 3 is the last.
  TestGame test("9\n9\n0\n9\n9\n");
  test.addPlayer(0, "Anna");
  test.addPlayer(1, "Bert");
  test.addPlayer(2, "Cara");
  test.state->spielerliste[2] = FactionRecord{};
  test.state->soeldnerliste[0][0] = offer("Brontes Kampfpanzer", 999, 3);
  test.state->endrunde = 3;
  runCampaign(test.game);
  ASSERT_EQ(test.state->runde, 3);
  EXPECT_EQ(test.state->soeldnerliste[0][0], offer("Brontes Kampfpanzer", 999, 1));  // rounds 1 and 2
}

TEST(MercenaryHiring, ListsTheOffersWithThePriceColumnAndTheArrivalOfHiredOnes) {
  TestGame test("0\n");
  test.addPlayer(0, "Anna");
  fillMarket(test.state->soeldnerliste[0]);
  runMercenaryDialogue(test.game, 0);
  const std::string ferox = "Ferox Transporter              fuer 270 Credits \n";
  EXPECT_EQ(test.console.output(),
            kIntro +
                "  1  Kadrischer Sturmtrupp          fuer 999 Credits \n"
                "  2  Brontes Kampfpanzer            fuer 1000 Credits\n"
                "  3  Kerberan Haubitze              fuer 999 Credits  <-- bereits angeheuert mit Ankunft in "
                "2 Runde(n)\n"
                "  4  Laeuferschwadron               fuer 1000 Credits <-- bereits angeheuert mit Ankunft in "
                "4 Runde(n)\n"
                "  5  " + ferox + "  6  " + ferox + "  7  " + ferox + "  8  " + ferox + "  9  " + ferox +
                "  10 " + ferox + prompt(1000) + kAbort);
}

TEST(MercenaryHiring, RefusalsChangeNothingAndExactlyEnoughCreditsHire) {
  TestGame test("3\n2\n10\n11\n-1\n1\n0\n");
  test.addPlayer(0, "Anna").credits = 999;
  fillMarket(test.state->soeldnerliste[0]);
  test.state->soeldnerliste[0][9] = MercenaryOffer{};  // a slot without a unit offers nothing
  runMercenaryDialogue(test.game, 0);
  const std::string& out = test.console.output();
  EXPECT_EQ(countOccurrences(out, "\n\nDiese Einheit ist bereits angeheuert. Abbruch!\n\n" + kPause), 1);
  EXPECT_EQ(countOccurrences(out, "\n\nNicht genug Credits. Abbruch!\n\n" + kPause), 1);  // 1000 > 999
  EXPECT_EQ(countOccurrences(out, kAbort), 4);  // 10, 11, -1 and 0
  EXPECT_EQ(countOccurrences(out, "  10 "), 0);
  // Seed 1: the only draw, 41 % 8 = 1, gives 2 rounds.
  EXPECT_NE(out.find(prompt(999) + "\n\nKauf bestaetigt. Die Einheit wird in 2 Runde(n) auf deinem "
                                   "Heimatplaneten eintreffen.\n\n" + kPause),
            std::string::npos);
  EXPECT_NE(out.find("fuer 999 Credits  <-- bereits angeheuert mit Ankunft in 2 Runde(n)\n  2  "),
            std::string::npos);
  EXPECT_TRUE(out.ends_with(prompt(0) + kAbort));
  EXPECT_EQ(test.state->soeldnerliste[0][0], offer("Kadrischer Sturmtrupp", 999, 2));
  EXPECT_EQ(test.state->spielerliste[0].credits, 0);
}

TEST(MercenaryHiring, TheDelayIsOneRoundForDrawZeroTwoOrThreeForOneToSixAndFourForSeven) {
  // Seeds whose first value modulo 8 is 0, 1, ..., 7.
  const std::pair<std::uint32_t, int> seedsAndDelays[] = {{3, 1}, {1, 2}, {6, 2}, {4, 2},
                                                          {9, 3}, {2, 3}, {5, 3}, {10, 4}};
  for (const auto& [seed, delay] : seedsAndDelays) {
    TestGame test("5\n0\n", seed);
    test.addPlayer(0, "Anna");
    fillMarket(test.state->soeldnerliste[0]);
    runMercenaryDialogue(test.game, 0);
    EXPECT_EQ(test.state->soeldnerliste[0][4].deliveryCountdown, delay) << seed;
  }
}

}  // namespace
}  // namespace vaskorath::testing
