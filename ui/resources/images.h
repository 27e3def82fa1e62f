#pragma once
// The pictures compiled into the program, found by resource number.
//
// Terrain tiles are 20 x 20, unit and barbarian icons 17 x 17, the
// destruction marker 13 x 13, the legend pictures of the board form 34 x 34
// and the application icon (IDR_MAINFRAME) 32 x 32. All use the standard
// 16-colour palette and are drawn opaque.

#include <QImage>

#include <vector>

// The picture with this resource number, or a null image when the program
// carries none by that number.
QImage LoadImageResource(int id);

// Every picture's resource number, in ascending order.
std::vector<int> ImageResourceIds();
