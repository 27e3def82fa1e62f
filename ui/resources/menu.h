#pragma once
// The main window's menu bar and accelerator table, as data.

#include <Qt>

#include <vector>

struct MenuItemResource {
  enum Kind { Command, Separator };
  Kind kind;
  const char* text;  // "&" marks the mnemonic, "\t" precedes the shortcut shown
  int command;
  bool grayed;
};

struct MenuResource {
  const char* title;  // the pop-up's name in the menu bar
  std::vector<MenuItemResource> items;
};

// The menu bar with this number, pop-up by pop-up; empty when there is none.
const std::vector<MenuResource>& LoadMenuResource(int id);

struct AcceleratorResource {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  int command;
};

// The accelerator table with this number; empty when there is none.
const std::vector<AcceleratorResource>& LoadAcceleratorResource(int id);
