#pragma once
// CBitmap: a picture loaded from the program's resources by number.

#include <QImage>

class CBitmap {
 public:
  // Loads picture id; false (and an empty bitmap) when there is none.
  bool LoadBitmap(int id);
  // Releases the picture.
  void DeleteObject() { image_ = QImage(); }

  bool IsLoaded() const { return !image_.isNull(); }
  int GetWidth() const { return image_.width(); }
  int GetHeight() const { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};
