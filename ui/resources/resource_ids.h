#pragma once
// Every resource number of the game window in one place: dialog templates,
// controls, commands, images, strings and status-bar panes.
//
// Numbers of different kinds live in separate name spaces and may repeat:
// 155 is both the victory dialog and the Settler picture, 161 both the Options
// dialog and the Artillery picture.

// --- Shared: the main window's menu, accelerators, icon and document string.
constexpr int IDR_MAINFRAME = 128;

// --- Dialog templates.
constexpr int IDD_ABOUT = 100;
constexpr int IDD_BOARD_FORM = 101;
constexpr int IDD_DEFEAT = 154;
constexpr int IDD_VICTORY = 155;
constexpr int IDD_CONFIRM = 156;
constexpr int IDD_OVERWRITE = 157;
constexpr int IDD_NEW_USER = 158;
constexpr int IDD_OPTIONS = 161;

// --- Controls. IDOK and IDCANCEL are also the answers of a modal dialog.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDC_STATIC = -1;  // a control nobody addresses
constexpr int IDC_DRONE = 1002;
constexpr int IDC_MINE = 1003;
constexpr int IDC_FARMER = 1004;
constexpr int IDC_INFANTRY = 1005;
constexpr int IDC_SETTLER = 1006;
constexpr int IDC_ARMOR = 1007;
constexpr int IDC_JAMMER = 1008;
constexpr int IDC_ARTILLERY = 1010;
constexpr int IDC_TREASURY = 1013;
constexpr int IDC_TURN = 1014;
constexpr int IDC_END_SETUP = 1015;
constexpr int IDC_RECORD = 1016;
constexpr int IDC_USERNAME = 1026;
constexpr int IDC_SPEED = 1027;

// --- Commands of the menu and the accelerators. The unit keys send the
// identifiers of the unit buttons above.
constexpr int ID_NEW_USER = 32773;
constexpr int ID_OPTIONS = 32775;
constexpr int ID_FILE_NEW = 57600;   // New Game
constexpr int ID_FILE_OPEN = 57601;  // Select User
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_FILE_MRU_LAST = 57631;  // end of the range that shares one prompt
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_VIEW_STATUS_BAR = 59393;  // also the status bar's control id
// The window's own additions: the Chaos window, the zoom and the help page.
constexpr int ID_VIEW_CHAOS = 32780;
constexpr int ID_VIEW_ZOOM_100 = 32781;
constexpr int ID_VIEW_ZOOM_150 = 32782;
constexpr int ID_VIEW_ZOOM_200 = 32783;
constexpr int ID_HELP_HOW_TO_PLAY = 32784;

// --- Status-bar panes.
constexpr int ID_SEPARATOR = 0;  // the stretching message pane
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;

// --- Strings.
constexpr int IDS_APP_TITLE = 57344;
constexpr int IDS_IDLE_MESSAGE = 57345;

// --- Images: terrain tiles (20 x 20), by terrain code.
constexpr int IDB_WATER = 134;        // code 0
constexpr int IDB_LAND_1 = 135;       // code 1, the lowest land
constexpr int IDB_LAND_2 = 136;       // code 2
constexpr int IDB_LAND_3 = 137;       // code 3
constexpr int IDB_LAND_4 = 138;       // code 4, the highest land
constexpr int IDB_IMPASSABLE = 139;   // code 5
constexpr int IDB_SITE_LAND_3 = 140;  // code 9, a rich site on level-3 ground
constexpr int IDB_SITE_LAND_2 = 141;  // code 8, a rich site on level-2 ground

// --- Images: the player's units (17 x 17), by unit type 1..8.
constexpr int IDB_DRONE = 163;
constexpr int IDB_MINE = 167;
constexpr int IDB_FARMER = 160;
constexpr int IDB_INFANTRY = 165;
constexpr int IDB_SETTLER = 155;
constexpr int IDB_ARMOR = 158;
constexpr int IDB_JAMMER = 166;
constexpr int IDB_ARTILLERY = 161;

// --- Images: the barbarians (17 x 17), by kind code 9..16.
constexpr int IDB_SCOUT = 143;
constexpr int IDB_SCAVENGER = 144;
constexpr int IDB_COMMON = 145;
constexpr int IDB_AMPHIBIOUS = 146;
constexpr int IDB_MOBILE = 147;
constexpr int IDB_JUMP = 148;
constexpr int IDB_KAMIKAZEE = 149;
constexpr int IDB_ARMORED = 150;

// --- Images: the destruction marker (13 x 13).
constexpr int IDB_MARKER = 153;

// --- Images: the legend pictures of the board form (34 x 34), the drawings
// above at double size.
constexpr int IDB_LEGEND_DRONE = 151;
constexpr int IDB_LEGEND_MINE = 152;
constexpr int IDB_LEGEND_JAMMER = 157;
constexpr int IDB_LEGEND_INFANTRY = 159;
constexpr int IDB_LEGEND_ARMOR = 162;
constexpr int IDB_LEGEND_FARMER = 164;
constexpr int IDB_LEGEND_SETTLER = 168;
constexpr int IDB_LEGEND_ARTILLERY = 169;
constexpr int IDB_LEGEND_AMPHIBIOUS = 170;
constexpr int IDB_LEGEND_ARMORED = 171;
constexpr int IDB_LEGEND_COMMON = 172;
constexpr int IDB_LEGEND_JUMP = 173;
constexpr int IDB_LEGEND_KAMIKAZEE = 174;
constexpr int IDB_LEGEND_MOBILE = 175;
constexpr int IDB_LEGEND_SCAVENGER = 176;
constexpr int IDB_LEGEND_SCOUT = 177;

// --- The application icon (32 x 32, the Drone picture) is IDR_MAINFRAME.
