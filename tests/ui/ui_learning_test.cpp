// What teaches a new player the game: the help page, the words behind the
// form's numbers, the reasons for a refused purchase, and the Chaos window.

#include <gtest/gtest.h>

#include <QTextBrowser>

#include <filesystem>

#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/unit_texts.h"
#include "units/unit.h"

TEST(LearningTest, TheHelpPageCoversEveryTopic) {
  CHowToPlayWindow help;
  const QString page = help.Page().toPlainText();
  ASSERT_GT(page.size(), 2000);
  for (const char* topic : {"more than 20 times Chaos's money",
                            "less than $20",
                            "attack",
                            "defence",
                            "income",
                            "resale price",
                            "(10) 0-0-0",
                            "(10/5) 3-2-0",
                            "End Setup",
                            "Fifty phases",
                            "Water",
                            "Hills",
                            "Sites",
                            "250 strategies",
                            "Scout",
                            "Scavenger",
                            "Common",
                            "Amphibious",
                            "Mobile",
                            "Jump",
                            "Kamikazee",
                            "Armored",
                            "Escape"})
    EXPECT_TRUE(page.contains(topic)) << topic;
  for (int type = Drone; type <= Artillery; ++type) EXPECT_TRUE(page.contains(UnitName(type))) << type;
}

TEST(LearningTest, EveryToolTipSpellsOutThePrices) {
  for (int type = Drone; type <= Artillery; ++type) {
    const QString tip = UnitToolTip(type);
    EXPECT_TRUE(tip.contains(QString("Price $%1;").arg(kUnitPrice[type]))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString("sells for $%1").arg(kUnitResale[type]))) << tip.toStdString();
  }
  EXPECT_TRUE(UnitToolTip(Infantry).startsWith("Infantry: attack 3, defence 6, no income."));
  EXPECT_TRUE(UnitToolTip(Farmer).contains("income $250 a turn"));
  for (int kind = 0; kind < kKindCount; ++kind) {
    const QString tip = BarbarianToolTip(kind);
    EXPECT_TRUE(tip.contains(QString("Chaos pays $%1").arg(kKindStats[kind].price))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QString("defence %1").arg(kKindStats[kind].defence))) << tip.toStdString();
  }
}

TEST(LearningTest, ARefusalSaysWhy) {
  CWorld world;
  world.mode = ModePlaying;
  world.treasury = 60;
  world.At(0, 0).unitType = Water;
  world.At(0, 1).unitType = Impassable;
  world.At(0, 2).unitType = Settler;
  EXPECT_EQ(PurchaseRefusal(world, Drone, 0, 0), "Water: nothing can be built here.");
  EXPECT_EQ(PurchaseRefusal(world, Drone, 0, 1), "Impassable ground: nothing can be built here.");
  EXPECT_EQ(PurchaseRefusal(world, Drone, 0, 2), "Occupied: a Settler already stands here.");
  EXPECT_EQ(PurchaseRefusal(world, Farmer, 0, 3), "Not enough money: a Farmer costs $100.");
  EXPECT_EQ(PurchaseRefusal(world, Artillery, 0, 3), "Not enough money: an Artillery costs $400.");
  world.At(0, 4).unitType = Infantry;
  EXPECT_EQ(PurchaseRefusal(world, Drone, 0, 4), "Occupied: an Infantry already stands here.");
  EXPECT_EQ(PurchaseRefusal(world, Mine, 0, 3), "");
  EXPECT_EQ(SaleRefusal(world, 0, 3), "Nothing of yours to sell here.");
  EXPECT_EQ(SaleRefusal(world, 0, 2), "");
  world.mode = ModeIdle;
  EXPECT_NE(PurchaseRefusal(world, Mine, 0, 3), "");
}

TEST(LearningTest, TheChaosChartMarksTheStrategyInPlay) {
  // A hand-made profile: a user who wins three games in four meets a
  // strategy near half the lowest score.
  ResetProfile();
  for (int i = 0; i < kStrategyCount; ++i) strategyScores[i] = 40 + (i % 17);
  strategyScores[9] = -40;
  strategyScores[120] = -21;
  wins = 3;
  losses = 1;
  CWorld world;
  ChooseStrategy(world);
  ASSERT_EQ(world.strategyInPlay, 120);

  CChaosWindow window(world);
  window.resize(900, 600);
  window.Refresh();
  QImage chart = window.Chart().grab().toImage();
  const auto colourAt = [&](int index) { return chart.pixelColor(window.Chart().BarRect(index).center()); };
  EXPECT_EQ(colourAt(120), CScoreChart::InPlayColour());
  EXPECT_NE(colourAt(9), CScoreChart::InPlayColour());
  ResetProfile();
}
