#include "ui/resources/menu.h"

#include "ui/resources/resource_ids.h"

namespace {

const std::vector<MenuResource> kMainMenu = {
    {"&File",
     {
         {MenuItemResource::Command, "&New Game\tCtrl+N", ID_FILE_NEW, false},
         {MenuItemResource::Separator, "", 0, false},
         {MenuItemResource::Command, "&New User...\tCtrl+U", ID_NEW_USER, false},
         {MenuItemResource::Command, "&Select User...\tCtrl+O", ID_FILE_OPEN, false},
         {MenuItemResource::Separator, "", 0, false},
         // Placeholder that the recent-profile list replaces once it has entries.
         {MenuItemResource::Command, "Recent File", ID_FILE_MRU_FILE1, true},
         {MenuItemResource::Separator, "", 0, false},
         {MenuItemResource::Command, "E&xit", ID_APP_EXIT, false},
     }},
    {"&View",
     {
         {MenuItemResource::Command, "&Status Bar", ID_VIEW_STATUS_BAR, false},
         {MenuItemResource::Separator, "", 0, false},
         {MenuItemResource::Command, "&Options", ID_OPTIONS, false},
         {MenuItemResource::Separator, "", 0, false},
         {MenuItemResource::Command, "&Chaos...", ID_VIEW_CHAOS, false},
         {MenuItemResource::Separator, "", 0, false},
         {MenuItemResource::Command, "Zoom &100 %", ID_VIEW_ZOOM_100, false},
         {MenuItemResource::Command, "Zoom 1&50 %", ID_VIEW_ZOOM_150, false},
         {MenuItemResource::Command, "Zoom &200 %", ID_VIEW_ZOOM_200, false},
     }},
    {"&Help",
     {
         {MenuItemResource::Command, "&About Tarvell...", ID_APP_ABOUT, false},
         {MenuItemResource::Command, "&How to Play", ID_HELP_HOW_TO_PLAY, false},
     }},
};

// F1..F8 pick the unit types in the order of the form's buttons, where
// Jammer (1008) stands above Armor (1007).
const std::vector<AcceleratorResource> kMainAccelerators = {
    {Qt::Key_N, Qt::ControlModifier, ID_FILE_NEW}, {Qt::Key_O, Qt::ControlModifier, ID_FILE_OPEN},
    {Qt::Key_U, Qt::ControlModifier, ID_NEW_USER}, {Qt::Key_F1, Qt::NoModifier, IDC_DRONE},
    {Qt::Key_F2, Qt::NoModifier, IDC_MINE},        {Qt::Key_F3, Qt::NoModifier, IDC_FARMER},
    {Qt::Key_F4, Qt::NoModifier, IDC_INFANTRY},    {Qt::Key_F5, Qt::NoModifier, IDC_SETTLER},
    {Qt::Key_F6, Qt::NoModifier, IDC_JAMMER},      {Qt::Key_F7, Qt::NoModifier, IDC_ARMOR},
    {Qt::Key_F8, Qt::NoModifier, IDC_ARTILLERY},
};

const std::vector<MenuResource> kNoMenu;
const std::vector<AcceleratorResource> kNoAccelerators;

}  // namespace

const std::vector<MenuResource>& LoadMenuResource(int id) { return id == IDR_MAINFRAME ? kMainMenu : kNoMenu; }

const std::vector<AcceleratorResource>& LoadAcceleratorResource(int id) {
  return id == IDR_MAINFRAME ? kMainAccelerators : kNoAccelerators;
}
