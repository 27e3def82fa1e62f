#include "ui/resources/images.h"

#include <algorithm>
#include <iterator>

// The pictures themselves: XPM files written by scripts/draw_images.py.
// clang-format off
#include "ui/resources/images/128_icon.xpm"
#include "ui/resources/images/134_water.xpm"
#include "ui/resources/images/135_land_1.xpm"
#include "ui/resources/images/136_land_2.xpm"
#include "ui/resources/images/137_land_3.xpm"
#include "ui/resources/images/138_land_4.xpm"
#include "ui/resources/images/139_impassable.xpm"
#include "ui/resources/images/140_site_land_3.xpm"
#include "ui/resources/images/141_site_land_2.xpm"
#include "ui/resources/images/143_scout.xpm"
#include "ui/resources/images/144_scavenger.xpm"
#include "ui/resources/images/145_common.xpm"
#include "ui/resources/images/146_amphibious.xpm"
#include "ui/resources/images/147_mobile.xpm"
#include "ui/resources/images/148_jump.xpm"
#include "ui/resources/images/149_kamikazee.xpm"
#include "ui/resources/images/150_armored.xpm"
#include "ui/resources/images/151_legend_drone.xpm"
#include "ui/resources/images/152_legend_mine.xpm"
#include "ui/resources/images/153_marker.xpm"
#include "ui/resources/images/155_settler.xpm"
#include "ui/resources/images/157_legend_jammer.xpm"
#include "ui/resources/images/158_armor.xpm"
#include "ui/resources/images/159_legend_infantry.xpm"
#include "ui/resources/images/160_farmer.xpm"
#include "ui/resources/images/161_artillery.xpm"
#include "ui/resources/images/162_legend_armor.xpm"
#include "ui/resources/images/163_drone.xpm"
#include "ui/resources/images/164_legend_farmer.xpm"
#include "ui/resources/images/165_infantry.xpm"
#include "ui/resources/images/166_jammer.xpm"
#include "ui/resources/images/167_mine.xpm"
#include "ui/resources/images/168_legend_settler.xpm"
#include "ui/resources/images/169_legend_artillery.xpm"
#include "ui/resources/images/170_legend_amphibious.xpm"
#include "ui/resources/images/171_legend_armored.xpm"
#include "ui/resources/images/172_legend_common.xpm"
#include "ui/resources/images/173_legend_jump.xpm"
#include "ui/resources/images/174_legend_kamikazee.xpm"
#include "ui/resources/images/175_legend_mobile.xpm"
#include "ui/resources/images/176_legend_scavenger.xpm"
#include "ui/resources/images/177_legend_scout.xpm"
// clang-format on

namespace {

struct ImageResource {
  int id;
  const char* const* xpm;
};

constexpr ImageResource kImages[] = {
    {128, image_128_icon},
    {134, image_134_water},
    {135, image_135_land_1},
    {136, image_136_land_2},
    {137, image_137_land_3},
    {138, image_138_land_4},
    {139, image_139_impassable},
    {140, image_140_site_land_3},
    {141, image_141_site_land_2},
    {143, image_143_scout},
    {144, image_144_scavenger},
    {145, image_145_common},
    {146, image_146_amphibious},
    {147, image_147_mobile},
    {148, image_148_jump},
    {149, image_149_kamikazee},
    {150, image_150_armored},
    {151, image_151_legend_drone},
    {152, image_152_legend_mine},
    {153, image_153_marker},
    {155, image_155_settler},
    {157, image_157_legend_jammer},
    {158, image_158_armor},
    {159, image_159_legend_infantry},
    {160, image_160_farmer},
    {161, image_161_artillery},
    {162, image_162_legend_armor},
    {163, image_163_drone},
    {164, image_164_legend_farmer},
    {165, image_165_infantry},
    {166, image_166_jammer},
    {167, image_167_mine},
    {168, image_168_legend_settler},
    {169, image_169_legend_artillery},
    {170, image_170_legend_amphibious},
    {171, image_171_legend_armored},
    {172, image_172_legend_common},
    {173, image_173_legend_jump},
    {174, image_174_legend_kamikazee},
    {175, image_175_legend_mobile},
    {176, image_176_legend_scavenger},
    {177, image_177_legend_scout},
};

}  // namespace

QImage LoadImageResource(int id) {
  const auto found =
      std::find_if(std::begin(kImages), std::end(kImages), [id](const ImageResource& image) { return image.id == id; });
  if (found == std::end(kImages)) return QImage();
  return QImage(found->xpm);
}

std::vector<int> ImageResourceIds() {
  std::vector<int> ids;
  for (const ImageResource& image : kImages) ids.push_back(image.id);
  std::sort(ids.begin(), ids.end());
  return ids;
}
