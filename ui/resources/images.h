#pragma once
// The pictures compiled into the program, found by name: ":/images/NAME.xpm".
//
// Terrain tiles are 20 x 20, unit and barbarian icons 17 x 17, the
// destruction marker 13 x 13, the legend pictures of the board form 34 x 34
// (the icons' drawings at double size) and the application icon 32 x 32.
// All use the standard 16-colour palette and are drawn opaque.

#include <QImage>
#include <QStringList>

// The application icon, the Drone picture.
inline constexpr char kApplicationIcon[] = "icon";

// Terrain tiles, by terrain code.
inline constexpr char kWaterImage[] = "water";
inline constexpr char kLand1Image[] = "land_1";
inline constexpr char kLand2Image[] = "land_2";
inline constexpr char kLand3Image[] = "land_3";
inline constexpr char kLand4Image[] = "land_4";
inline constexpr char kImpassableImage[] = "impassable";
inline constexpr char kSiteLand3Image[] = "site_land_3";
inline constexpr char kSiteLand2Image[] = "site_land_2";

// The player's units, by unit type 1..8.
inline constexpr char kDroneImage[] = "drone";
inline constexpr char kMineImage[] = "mine";
inline constexpr char kFarmerImage[] = "farmer";
inline constexpr char kInfantryImage[] = "infantry";
inline constexpr char kSettlerImage[] = "settler";
inline constexpr char kArmorImage[] = "armor";
inline constexpr char kJammerImage[] = "jammer";
inline constexpr char kArtilleryImage[] = "artillery";

// The barbarians, by kind code 9..16.
inline constexpr char kScoutImage[] = "scout";
inline constexpr char kScavengerImage[] = "scavenger";
inline constexpr char kCommonImage[] = "common";
inline constexpr char kAmphibiousImage[] = "amphibious";
inline constexpr char kMobileImage[] = "mobile";
inline constexpr char kJumpImage[] = "jump";
inline constexpr char kKamikazeeImage[] = "kamikazee";
inline constexpr char kArmoredImage[] = "armored";

// The destruction marker.
inline constexpr char kMarkerImage[] = "marker";

// The legend pictures of the board form.
inline constexpr char kLegendDroneImage[] = "legend_drone";
inline constexpr char kLegendMineImage[] = "legend_mine";
inline constexpr char kLegendFarmerImage[] = "legend_farmer";
inline constexpr char kLegendInfantryImage[] = "legend_infantry";
inline constexpr char kLegendSettlerImage[] = "legend_settler";
inline constexpr char kLegendJammerImage[] = "legend_jammer";
inline constexpr char kLegendArmorImage[] = "legend_armor";
inline constexpr char kLegendArtilleryImage[] = "legend_artillery";
inline constexpr char kLegendScoutImage[] = "legend_scout";
inline constexpr char kLegendScavengerImage[] = "legend_scavenger";
inline constexpr char kLegendCommonImage[] = "legend_common";
inline constexpr char kLegendAmphibiousImage[] = "legend_amphibious";
inline constexpr char kLegendMobileImage[] = "legend_mobile";
inline constexpr char kLegendJumpImage[] = "legend_jump";
inline constexpr char kLegendKamikazeeImage[] = "legend_kamikazee";
inline constexpr char kLegendArmoredImage[] = "legend_armored";

// The picture of this name, or a null image when the program carries none
// by that name.
QImage LoadImageResource(const QString& name);

// Every picture's name, in alphabetical order.
QStringList ImageNames();
