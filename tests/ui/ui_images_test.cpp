#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <set>
#include <utility>
#include <vector>

#include "ui/resources/images.h"

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

const std::vector<std::pair<const char*, QRgb>> kPlainTerrain = {
    {kWaterImage, qRgb(0, 255, 255)}, {kLand1Image, qRgb(0, 255, 0)},     {kLand2Image, qRgb(0, 128, 0)},
    {kLand3Image, qRgb(128, 128, 0)}, {kLand4Image, qRgb(192, 192, 192)}, {kImpassableImage, qRgb(255, 255, 255)},
};
const std::vector<std::pair<const char*, QRgb>> kSiteTerrain = {
    {kSiteLand2Image, qRgb(0, 128, 0)},
    {kSiteLand3Image, qRgb(128, 128, 0)},
};
// Player unit icons by type 1..8 and their legend pictures.
const std::vector<std::pair<const char*, const char*>> kPlayerIcons = {
    {kDroneImage, kLegendDroneImage},     {kMineImage, kLegendMineImage},
    {kFarmerImage, kLegendFarmerImage},   {kInfantryImage, kLegendInfantryImage},
    {kSettlerImage, kLegendSettlerImage}, {kArmorImage, kLegendArmorImage},
    {kJammerImage, kLegendJammerImage},   {kArtilleryImage, kLegendArtilleryImage},
};
// Barbarian icons by kind 9..16 and their legend pictures.
const std::vector<std::pair<const char*, const char*>> kBarbarianIcons = {
    {kScoutImage, kLegendScoutImage},         {kScavengerImage, kLegendScavengerImage},
    {kCommonImage, kLegendCommonImage},       {kAmphibiousImage, kLegendAmphibiousImage},
    {kMobileImage, kLegendMobileImage},       {kJumpImage, kLegendJumpImage},
    {kKamikazeeImage, kLegendKamikazeeImage}, {kArmoredImage, kLegendArmoredImage},
};

QRgb Pixel(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFFu) | 0xFF000000u; }

void ExpectFrame(const QImage& icon, QRgb frame, const char* id) {
  for (int i = 0; i < 17; ++i) {
    EXPECT_EQ(Pixel(icon, i, 0), frame) << "image " << id << " top edge at " << i;
    EXPECT_EQ(Pixel(icon, i, 16), frame) << "image " << id << " bottom edge at " << i;
    EXPECT_EQ(Pixel(icon, 0, i), frame) << "image " << id << " left edge at " << i;
    EXPECT_EQ(Pixel(icon, 16, i), frame) << "image " << id << " right edge at " << i;
  }
  // White inside the frame, on the ring next to it.
  for (int i = 1; i < 16; ++i) {
    EXPECT_EQ(Pixel(icon, i, 1), kWhite) << "image " << id;
    EXPECT_EQ(Pixel(icon, 1, i), kWhite) << "image " << id;
    EXPECT_EQ(Pixel(icon, i, 15), kWhite) << "image " << id;
    EXPECT_EQ(Pixel(icon, 15, i), kWhite) << "image " << id;
  }
}

// The colour of an icon's dotted stripe on row y: dots on even columns
// 2..14 in one colour, white between them.
QRgb StripeColour(const QImage& icon, int y) {
  const QRgb colour = Pixel(icon, 2, y);
  for (int x = 2; x <= 14; x += 2) EXPECT_EQ(Pixel(icon, x, y), colour) << "dot at " << x << "," << y;
  for (int x = 3; x <= 13; x += 2) EXPECT_EQ(Pixel(icon, x, y), kWhite) << "gap at " << x << "," << y;
  return colour;
}

void ExpectStripesDifferPerType(const std::vector<std::pair<const char*, const char*>>& icons) {
  std::set<QRgb> colours;
  for (const auto& [id, legend] : icons) {
    const QImage icon = LoadImageResource(id);
    const QRgb top = StripeColour(icon, 2);
    EXPECT_EQ(StripeColour(icon, 14), top) << "image " << id;
    EXPECT_NE(top, kWhite) << "image " << id;
    colours.insert(top);
  }
  EXPECT_EQ(colours.size(), icons.size());
}

bool HasSubject(const QImage& icon) {
  for (int y = 4; y <= 12; ++y) {
    for (int x = 2; x <= 14; ++x) {
      if (Pixel(icon, x, y) != kWhite) return true;
    }
  }
  return false;
}

}  // namespace

TEST(ImagesTest, EveryPictureHasTheSizeItIsDrawnAt) {
  for (const auto& [id, colour] : kPlainTerrain) EXPECT_EQ(LoadImageResource(id).size(), QSize(20, 20)) << id;
  for (const auto& [id, colour] : kSiteTerrain) EXPECT_EQ(LoadImageResource(id).size(), QSize(20, 20)) << id;
  for (const auto& icons : {kPlayerIcons, kBarbarianIcons}) {
    for (const auto& [id, legend] : icons) {
      EXPECT_EQ(LoadImageResource(id).size(), QSize(17, 17)) << id;
      EXPECT_EQ(LoadImageResource(legend).size(), QSize(34, 34)) << legend;
    }
  }
  EXPECT_EQ(LoadImageResource(kMarkerImage).size(), QSize(13, 13));
  EXPECT_EQ(LoadImageResource(kApplicationIcon).size(), QSize(32, 32));
  EXPECT_EQ(ImageNames().size(), 8 + 16 + 16 + 1 + 1);
  EXPECT_TRUE(LoadImageResource("nothing").isNull());  // a name the program does not use
}

TEST(ImagesTest, TerrainTilesDrawTheGridInBlackOnTopAndLeftOnly) {
  for (const auto& tiles : {kPlainTerrain, kSiteTerrain}) {
    for (const auto& [id, colour] : tiles) {
      const QImage tile = LoadImageResource(id);
      for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(Pixel(tile, i, 0), kBlack) << "tile " << id << " top row at " << i;
        EXPECT_EQ(Pixel(tile, 0, i), kBlack) << "tile " << id << " left column at " << i;
      }
      for (int i = 1; i < 20; ++i) {
        EXPECT_EQ(Pixel(tile, i, 19), colour) << "tile " << id << " bottom row at " << i;
        EXPECT_EQ(Pixel(tile, 19, i), colour) << "tile " << id << " right column at " << i;
        EXPECT_EQ(Pixel(tile, i, 1), colour) << "tile " << id << " second row at " << i;
      }
    }
  }
}

TEST(ImagesTest, PlainTerrainIsOneColourAndSitesCarryAYellowDiamondOutlinedInBlack) {
  for (const auto& [id, colour] : kPlainTerrain) {
    const QImage tile = LoadImageResource(id);
    for (int y = 1; y < 20; ++y) {
      for (int x = 1; x < 20; ++x) ASSERT_EQ(Pixel(tile, x, y), colour) << "tile " << id << " at " << x << "," << y;
    }
  }
  for (const auto& [id, ground] : kSiteTerrain) {
    const QImage tile = LoadImageResource(id);
    EXPECT_EQ(Pixel(tile, 10, 10), kYellow) << id;
    // Walking out from the middle in each direction: yellow, one black
    // outline pixel, then the ground.
    for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
      int x = 10, y = 10;
      while (Pixel(tile, x, y) == kYellow) x += dx, y += dy;
      EXPECT_EQ(Pixel(tile, x, y), kBlack) << "tile " << id;
      EXPECT_EQ(Pixel(tile, x + dx, y + dy), ground) << "tile " << id;
      EXPECT_GE(std::abs(x - 10) + std::abs(y - 10), 3) << "the diamond should be clearly visible";
    }
    EXPECT_EQ(Pixel(tile, 3, 3), ground) << "a diamond, not a square: corners show the ground";
  }
}

TEST(ImagesTest, PlayerIconsAreFramedInBlueAndBarbariansInRedOnWhite) {
  for (const auto& [id, legend] : kPlayerIcons) ExpectFrame(LoadImageResource(id), kBlue, id);
  for (const auto& [id, legend] : kBarbarianIcons) ExpectFrame(LoadImageResource(id), kRed, id);
}

TEST(ImagesTest, EachTypeHasItsOwnDottedStripeTopAndBottomAndASubject) {
  ExpectStripesDifferPerType(kPlayerIcons);
  ExpectStripesDifferPerType(kBarbarianIcons);
  for (const auto& icons : {kPlayerIcons, kBarbarianIcons}) {
    for (const auto& [id, legend] : icons) EXPECT_TRUE(HasSubject(LoadImageResource(id))) << id;
  }
  // No two icons of one side look alike.
  for (const auto& icons : {kPlayerIcons, kBarbarianIcons}) {
    for (std::size_t i = 0; i < icons.size(); ++i) {
      for (std::size_t j = i + 1; j < icons.size(); ++j) {
        EXPECT_NE(LoadImageResource(icons[i].first), LoadImageResource(icons[j].first))
            << icons[i].first << " and " << icons[j].first;
      }
    }
  }
}

TEST(ImagesTest, LegendPicturesAreTheIconsAtDoubleSize) {
  for (const auto& icons : {kPlayerIcons, kBarbarianIcons}) {
    for (const auto& [id, legend] : icons) {
      const QImage icon = LoadImageResource(id);
      const QImage big = LoadImageResource(legend);
      for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 34; ++x) {
          ASSERT_EQ(Pixel(big, x, y), Pixel(icon, x / 2, y / 2)) << "legend " << legend << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(ImagesTest, ApplicationIconIsTheDronePicture) {
  const QImage icon = LoadImageResource(kApplicationIcon);
  const QImage drone = LoadImageResource(kLegendDroneImage);
  // The 34 x 34 Drone without its outermost ring of pixels.
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) ASSERT_EQ(Pixel(icon, x, y), Pixel(drone, x + 1, y + 1)) << x << "," << y;
  }
  EXPECT_EQ(Pixel(icon, 0, 0), kBlue);
}

TEST(ImagesTest, MarkerIsARedAndYellowBurst) {
  const QImage marker = LoadImageResource(kMarkerImage);
  EXPECT_EQ(Pixel(marker, 6, 6), kYellow);
  int red = 0, yellow = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) {
      const QRgb pixel = Pixel(marker, x, y);
      red += pixel == kRed;
      yellow += pixel == kYellow;
      EXPECT_TRUE(pixel == kRed || pixel == kYellow || pixel == kWhite) << x << "," << y;
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(yellow, 20);
}

TEST(ImagesTest, EveryPixelIsFromTheStandardSixteenColours) {
  const std::set<QRgb> palette = {
      qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
      qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
      qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
      qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
  };
  for (const QString& name : ImageNames()) {
    const QImage image = LoadImageResource(name);
    const std::string id = name.toStdString();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        ASSERT_EQ(qAlpha(image.pixel(x, y)), 255) << "image " << id << " is opaque";
        ASSERT_TRUE(palette.count(Pixel(image, x, y))) << "image " << id << " at " << x << "," << y;
      }
    }
  }
}
