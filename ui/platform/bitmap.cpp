#include "ui/platform/bitmap.h"

#include "ui/resources/images.h"

bool CBitmap::LoadBitmap(int id) {
  image_ = LoadImageResource(id);
  return !image_.isNull();
}
