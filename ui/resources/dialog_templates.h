#pragma once
// The dialog templates as data: every dialog of the game, the board form
// included, as a list of controls with their kind, identifier, text,
// rectangle and style. Rectangles are in dialog units; the window layer turns
// them into pixels (1.5 pixels across and 1.625 pixels down per unit).

#include <vector>

struct DialogRect {
  int x;
  int y;
  int width;
  int height;
};

enum class ControlKind {
  Static,   // text
  Icon,     // the picture of an icon resource at its own size
  Picture,  // the picture of an image resource at its own size
  PushButton,
  RadioButton,
  Edit,  // single-line edit box
  Slider,
  GroupBox,
};

// Style flags of a control. Only the flags that change what the player sees
// or how a control answers are kept.
enum ControlStyle : unsigned {
  kStylePlain = 0,
  kDefaultButton = 1u << 0,       // Enter presses it
  kTextCentred = 1u << 1,         // static text centred in its rectangle
  kTextRight = 1u << 2,           // static text right-aligned
  kBorder = 1u << 4,              // a sunken border (edit boxes)
  kTabStop = 1u << 5,             // reached with the Tab key
  kNoHorizontalScroll = 1u << 6,  // the edit box takes only what fits its width
  kPushLike = 1u << 7,            // a radio button drawn as a push button
  kFlat = 1u << 8,                // a button without raised edge until pressed
  kMultiLine = 1u << 9,           // button caption wraps inside the button
  kAutoRadio = 1u << 10,          // checks itself and clears its group
  kSliderTicksBoth = 1u << 11,    // a slider with a tick at every position on both sides
};

enum class DialogKind {
  Modal,  // pop-up with a modal frame and no title bar, centred over its parent
  Form,   // child window with a thin border that fills a frame
};

struct DialogControl {
  ControlKind kind;
  int id;  // IDC_STATIC for controls nobody addresses
  const char* text;
  int image;  // icon or picture resource; 0 for other kinds
  DialogRect rect;
  unsigned style;
};

struct DialogTemplate {
  int id;
  DialogKind kind;
  int width;  // dialog units
  int height;
  std::vector<DialogControl> controls;
};

// The template with this number, or null.
const DialogTemplate* FindDialogTemplate(int id);

// Every template, in ascending order of number.
const std::vector<DialogTemplate>& AllDialogTemplates();
