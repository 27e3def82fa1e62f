#pragma once
// CCmdTarget: something that can handle menu, accelerator and button
// commands by their identifiers.
//
// A command travels the route view, document, frame, application and stops
// at the first target that handles it. Before a menu opens, each of its items
// asks the same route whether it is enabled and checked.

class QAction;

// What a target may say about a command's menu item before it shows.
struct CCmdUI {
  int id;
  bool enabled = true;
  bool checked = false;
  bool checkable = false;
  void Enable(bool on) { enabled = on; }
  void SetCheck(bool on) {
    checkable = true;
    checked = on;
  }
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  // Handles command id; true when it did.
  virtual bool OnCmdMsg(int id) {
    static_cast<void>(id);
    return false;
  }
  // Fills ui for command ui.id; true when this target decides its state.
  virtual bool OnUpdateCmdUI(CCmdUI& ui) {
    static_cast<void>(ui);
    return false;
  }
};
