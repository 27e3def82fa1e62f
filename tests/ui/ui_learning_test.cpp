// What teaches a new player the game: the help page, the words behind the
// form's numbers, the reasons for a refused purchase, and the Chaos window.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTextBrowser>

#include <filesystem>
#include <fstream>

#include "model/world.h"
#include "opponent/profile.h"
#include "opponent/simulation.h"
#include "opponent/strategy.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/tarvell_doc.h"
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

TEST(LearningTest, ARefusalNamesTheUnitWithItsArticle) {
  CWorld world;
  world.At(0, 2).unitType = Settler;
  world.At(0, 4).unitType = Infantry;
  EXPECT_EQ(RefusalText(Refusal::Occupied, world, Drone, 0, 2), "Occupied: a Settler already stands here.");
  EXPECT_EQ(RefusalText(Refusal::Occupied, world, Drone, 0, 4), "Occupied: an Infantry already stands here.");
  EXPECT_EQ(RefusalText(Refusal::NotEnoughMoney, world, Artillery, 0, 3), "Not enough money: an Artillery costs $400.");
  EXPECT_EQ(RefusalText(Refusal::None, world, Mine, 0, 3), "");
}

TEST(LearningTest, TheChaosChartMarksTheStrategyInPlay) {
  // A hand-made profile: a user who wins three games in four meets a
  // strategy near half the lowest score.
  QTemporaryDir folder;
  std::string text = "3\t1\t";
  for (int i = 0; i < kStrategyCount; ++i) text += std::to_string(i == 9 ? -40 : i == 120 ? -21 : 40 + i % 17) + '\t';
  const std::string profile = folder.filePath("user.tvu").toStdString();
  std::ofstream(profile) << text;
  CTarvellDoc document;
  ProfileProblem problem;
  ASSERT_TRUE(document.Session().UseProfile(profile, problem));
  CWorld& world = document.Session().World();
  ChooseStrategy(world, document.Session().UserRecord());
  ASSERT_EQ(world.strategyInPlay, 120);

  CChaosWindow window(document.Session());
  window.resize(900, 600);
  window.Refresh();
  QImage chart = window.Chart().grab().toImage();
  const auto colourAt = [&](int index) { return chart.pixelColor(window.Chart().BarRect(index).center()); };
  EXPECT_EQ(colourAt(120), CScoreChart::InPlayColour());
  EXPECT_NE(colourAt(9), CScoreChart::InPlayColour());
  ResetScores();
}
