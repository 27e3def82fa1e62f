#include <gtest/gtest.h>

#include <QRegularExpression>

#include <string>
#include <vector>

#include "ui/platform/dialog_units.h"
#include "ui/resources/dialog_templates.h"
#include "ui/resources/menu.h"
#include "ui/resources/resource_ids.h"
#include "ui/resources/strings.h"
#include "units/combat.h"
#include "units/unit.h"

TEST(StringTableTest, TitleIdleTextAndPaneTexts) {
  EXPECT_EQ(LoadResourceString(IDS_APP_TITLE), "Tarvell");
  EXPECT_EQ(LoadResourceString(IDS_IDLE_MESSAGE), "Ready");
  EXPECT_EQ(LoadResourceString(ID_INDICATOR_CAPS), "CAP");
  EXPECT_EQ(LoadResourceString(ID_INDICATOR_NUM), "NUM");
  EXPECT_EQ(LoadResourceString(ID_INDICATOR_SCRL), "SCRL");
}

TEST(StringTableTest, MenuPromptsAreThePartBeforeTheNewline) {
  EXPECT_EQ(CommandPrompt(ID_FILE_NEW), "Create a new game");
  EXPECT_EQ(CommandPrompt(ID_FILE_OPEN), "Creates a new user profile");
  EXPECT_EQ(CommandPrompt(ID_OPTIONS), "Show the Options Dialog");
  EXPECT_EQ(CommandPrompt(ID_APP_ABOUT), "Display program information, version number and copyright");
  EXPECT_EQ(CommandPrompt(ID_APP_EXIT), "Quit the game");
  EXPECT_EQ(CommandPrompt(ID_VIEW_STATUS_BAR), "Show or hide the status bar");
  EXPECT_EQ(LoadResourceString(ID_VIEW_STATUS_BAR), "Show or hide the status bar\nToggle StatusBar");
  EXPECT_EQ(LoadResourceString(ID_OPTIONS), "Show the Options Dialog\nShow Options Dialog");
  EXPECT_EQ(CommandPrompt(ID_NEW_USER), "") << "New User has no prompt";
  for (int command = 57616; command <= 57631; ++command) EXPECT_EQ(CommandPrompt(command), "Open this document");
  EXPECT_EQ(CommandPrompt(57632), "");
}

namespace {

struct Item {
  std::string text;
  int command;  // 0 for a separator
  bool grayed;
};

std::vector<Item> Items(const MenuResource& menu) {
  std::vector<Item> items;
  for (const MenuItemResource& item : menu.items) {
    items.push_back(item.kind == MenuItemResource::Separator ? Item{"", 0, false}
                                                             : Item{item.text, item.command, item.grayed});
  }
  return items;
}

void ExpectItems(const MenuResource& menu, const std::vector<Item>& expected) {
  const std::vector<Item> items = Items(menu);
  ASSERT_EQ(items.size(), expected.size()) << menu.title;
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, expected[i].text) << menu.title << " item " << i;
    EXPECT_EQ(items[i].command, expected[i].command) << menu.title << " item " << i;
    EXPECT_EQ(items[i].grayed, expected[i].grayed) << menu.title << " item " << i;
  }
}

}  // namespace

TEST(MenuTest, MainMenuHasFileViewAndHelpWithTheirCommands) {
  const std::vector<MenuResource>& menu = LoadMenuResource(IDR_MAINFRAME);
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_STREQ(menu[0].title, "&File");
  EXPECT_STREQ(menu[1].title, "&View");
  EXPECT_STREQ(menu[2].title, "&Help");
  ExpectItems(menu[0], {
                           {"&New Game\tCtrl+N", 57600, false},
                           {"", 0, false},
                           {"&New User...\tCtrl+U", 32773, false},
                           {"&Select User...\tCtrl+O", 57601, false},
                           {"", 0, false},
                           {"Recent File", 57616, true},
                           {"", 0, false},
                           {"E&xit", 57665, false},
                       });
  ExpectItems(menu[1], {{"&Status Bar", 59393, false},
                        {"", 0, false},
                        {"&Options", 32775, false},
                        {"", 0, false},
                        {"&Chaos...", ID_VIEW_CHAOS, false},
                        {"", 0, false},
                        {"Zoom &100 %", ID_VIEW_ZOOM_100, false},
                        {"Zoom 1&50 %", ID_VIEW_ZOOM_150, false},
                        {"Zoom &200 %", ID_VIEW_ZOOM_200, false}});
  ExpectItems(menu[2], {{"&About Tarvell...", 57664, false}, {"&How to Play", ID_HELP_HOW_TO_PLAY, false}});
  EXPECT_TRUE(LoadMenuResource(1).empty());
}

namespace {

// The command a key runs, or 0.
int CommandOfKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  for (const AcceleratorResource& accelerator : LoadAcceleratorResource(IDR_MAINFRAME)) {
    if (accelerator.key == key && accelerator.modifiers == modifiers) return accelerator.command;
  }
  return 0;
}

}  // namespace

TEST(AcceleratorTest, FunctionKeysFollowTheButtonsOnTheForm) {
  EXPECT_EQ(CommandOfKey(Qt::Key_F6, Qt::NoModifier), 1008) << "F6 selects Jammer";
  EXPECT_EQ(CommandOfKey(Qt::Key_F7, Qt::NoModifier), 1007) << "F7 selects Armor";
  const std::vector<std::pair<Qt::Key, int>> units = {{Qt::Key_F1, 1002}, {Qt::Key_F2, 1003}, {Qt::Key_F3, 1004},
                                                      {Qt::Key_F4, 1005}, {Qt::Key_F5, 1006}, {Qt::Key_F8, 1010}};
  for (const auto& [key, command] : units) EXPECT_EQ(CommandOfKey(key, Qt::NoModifier), command);
}

TEST(AcceleratorTest, ControlKeysRunTheFileCommands) {
  EXPECT_EQ(CommandOfKey(Qt::Key_N, Qt::ControlModifier), 57600);
  EXPECT_EQ(CommandOfKey(Qt::Key_O, Qt::ControlModifier), 57601);
  EXPECT_EQ(CommandOfKey(Qt::Key_U, Qt::ControlModifier), 32773);
  EXPECT_EQ(CommandOfKey(Qt::Key_N, Qt::NoModifier), 0);
  EXPECT_EQ(LoadAcceleratorResource(IDR_MAINFRAME).size(), 11u);
}

TEST(DialogUnitsTest, UnitsBecomeOneAndAHalfPixelsAcrossAndOneAndFiveEighthsDown) {
  EXPECT_EQ(DialogRectToPixels({6, 37, 23, 21}), QRect(9, 60, 34, 34)) << "a picture box shows 34 x 34";
  EXPECT_EQ(DialogRectToPixels({37, 35, 75, 24}), QRect(55, 56, 112, 39));
  EXPECT_EQ(DialogRectToPixels({1, 1, 1, 1}), QRect(1, 1, 1, 1));
  EXPECT_EQ(DialogRectToPixels({8, 8, 2, 8}), QRect(12, 13, 3, 13));
  EXPECT_EQ(DialogSizeToPixels(*FindDialogTemplate(IDD_BOARD_FORM)), QSize(774, 529));
}

TEST(BoardFormTest, TheBoardFitsBetweenTheTwoColumnsOfTheForm) {
  const DialogTemplate* form = FindDialogTemplate(IDD_BOARD_FORM);
  ASSERT_NE(form, nullptr);
  // The board's tiles cover pixels 190..693 across and 15..518 down.
  constexpr int kBoardLeft = 190, kBoardRight = 693, kBoardBottom = 518;
  int leftColumnEnd = 0, rightColumnStart = 10000;
  for (const DialogControl& control : form->controls) {
    const QRect box = DialogRectToPixels(control.rect);
    if (box.center().x() < kBoardLeft) leftColumnEnd = std::max(leftColumnEnd, box.x() + box.width());
    if (box.center().x() > kBoardRight) rightColumnStart = std::min(rightColumnStart, box.x());
    EXPECT_TRUE(box.right() < kBoardLeft || box.left() > kBoardRight) << control.text << " overlaps the board";
  }
  EXPECT_EQ(leftColumnEnd, 168);
  EXPECT_EQ(rightColumnStart, 708);
  EXPECT_GT(DialogSizeToPixels(*form).height(), kBoardBottom);
}

TEST(BoardFormTest, UnitButtonsCarryTheirPricesAndThePicturesTheirLegend) {
  const DialogTemplate* form = FindDialogTemplate(IDD_BOARD_FORM);
  ASSERT_NE(form, nullptr);
  // Buttons in the order of the form, each after the picture beside it.
  const std::vector<std::tuple<int, int, const char*>> buttons = {
      {IDB_LEGEND_DRONE, IDC_DRONE, "      Drone (0-1-1)      $20 ($20)"},
      {IDB_LEGEND_MINE, IDC_MINE, "   Mine ((10) 0-0-0)  $50 ($25)"},
      {IDB_LEGEND_FARMER, IDC_FARMER, "   Farmer (0-1-5)   $100 ($80)"},
      {IDB_LEGEND_INFANTRY, IDC_INFANTRY, "    Infantry (3-6-0)   $100 ($90)"},
      {IDB_LEGEND_SETTLER, IDC_SETTLER, "     Settler (2-4-3)     $150 ($120)"},
      {IDB_LEGEND_JAMMER, IDC_JAMMER, "    Jammer (0-2-0)   $150 ($90)"},
      {IDB_LEGEND_ARMOR, IDC_ARMOR, "   Armor (8-10-0)   $200 ($150)"},
      {IDB_LEGEND_ARTILLERY, IDC_ARTILLERY, "Artillery ((10/5) 3-2-0) $400 ($300)"},
  };
  std::vector<std::tuple<int, int, const char*>> found;
  for (std::size_t i = 0; i + 1 < form->controls.size(); ++i) {
    const DialogControl& picture = form->controls[i];
    const DialogControl& button = form->controls[i + 1];
    if (picture.kind == ControlKind::Picture && button.kind == ControlKind::RadioButton) {
      found.emplace_back(picture.image, button.id, button.text);
      EXPECT_EQ(button.style & (kAutoRadio | kPushLike | kFlat | kMultiLine),
                unsigned{kAutoRadio | kPushLike | kFlat | kMultiLine});
      EXPECT_FALSE(button.style & kTabStop);
    }
  }
  ASSERT_EQ(found.size(), buttons.size());
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(std::get<0>(found[i]), std::get<0>(buttons[i]));
    EXPECT_EQ(std::get<1>(found[i]), std::get<1>(buttons[i]));
    EXPECT_STREQ(std::get<2>(found[i]), std::get<2>(buttons[i]));
  }
}

TEST(BoardFormTest, LegendNamesEachBarbarianUnderItsPicture) {
  const DialogTemplate* form = FindDialogTemplate(IDD_BOARD_FORM);
  ASSERT_NE(form, nullptr);
  const std::vector<std::tuple<int, const char*, const char*>> legend = {
      {IDB_LEGEND_SCOUT, "Scout", "(0-1-0)"},
      {IDB_LEGEND_SCAVENGER, "Scavenger", "(0-1-2)"},
      {IDB_LEGEND_COMMON, "Common", "(6-3-0)"},
      {IDB_LEGEND_AMPHIBIOUS, "Amphibious", "(6-3-0)"},
      {IDB_LEGEND_MOBILE, "Mobile", "(5-3-0)"},
      {IDB_LEGEND_JUMP, "Jump", "(6-2-0)"},
      {IDB_LEGEND_KAMIKAZEE, "Kamikazee", "(K) 0-10-0)"},
      {IDB_LEGEND_ARMORED, "Armored", "(15-10-0)"},
  };
  std::size_t next = 0;
  for (std::size_t i = 0; i + 2 < form->controls.size(); ++i) {
    const DialogControl& picture = form->controls[i];
    if (picture.kind != ControlKind::Picture || picture.rect.x < 400) continue;
    ASSERT_LT(next, legend.size());
    EXPECT_EQ(picture.image, std::get<0>(legend[next]));
    EXPECT_STREQ(form->controls[i + 1].text, std::get<1>(legend[next]));
    EXPECT_STREQ(form->controls[i + 2].text, std::get<2>(legend[next]));
    EXPECT_EQ(form->controls[i + 1].rect.y, picture.rect.y + picture.rect.height);
    ++next;
  }
  EXPECT_EQ(next, legend.size());
}

TEST(BoardFormTest, CountersEndSetupAndRecordHaveTheirIdentifiers) {
  const DialogTemplate* form = FindDialogTemplate(IDD_BOARD_FORM);
  ASSERT_NE(form, nullptr);
  auto find = [form](int id) -> const DialogControl* {
    for (const DialogControl& control : form->controls) {
      if (control.id == id) return &control;
    }
    return nullptr;
  };
  ASSERT_NE(find(IDC_END_SETUP), nullptr);
  EXPECT_STREQ(find(IDC_END_SETUP)->text, "End Setup");
  EXPECT_EQ(find(IDC_END_SETUP)->kind, ControlKind::PushButton);
  for (const int id : {IDC_TREASURY, IDC_TURN, IDC_RECORD}) {
    ASSERT_NE(find(id), nullptr) << id;
    EXPECT_EQ(find(id)->kind, ControlKind::Static);
    EXPECT_TRUE(find(id)->style & kTextRight);
    EXPECT_STREQ(find(id)->text, "");
  }
  std::vector<std::string> groups;
  for (const DialogControl& control : form->controls) {
    if (control.kind == ControlKind::GroupBox) groups.push_back(control.text);
  }
  EXPECT_EQ(groups, (std::vector<std::string>{"Treasury", "Turn", "Your Record"}));
  EXPECT_EQ(form->kind, DialogKind::Form);
}

namespace {

const DialogControl* FindControl(int id) {
  for (const DialogControl& control : FindDialogTemplate(IDD_BOARD_FORM)->controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

}  // namespace

// The numbers on the form are the game's own: a change of a price or a
// strength must reach the captions too.
TEST(BoardFormTest, CaptionsAndLegendAgreeWithThePriceAndStrengthTables) {
  const std::pair<int, int> buttons[] = {{IDC_DRONE, Drone},       {IDC_MINE, Mine},          {IDC_FARMER, Farmer},
                                         {IDC_INFANTRY, Infantry}, {IDC_SETTLER, Settler},    {IDC_ARMOR, Armor},
                                         {IDC_JAMMER, Jammer},     {IDC_ARTILLERY, Artillery}};
  // "(strike back-defence-income) $price ($resale)", after any extra figures.
  const QRegularExpression caption(R"((\d+)-(\d+)-(\d+)\) +\$(\d+) \(\$(\d+)\)$)");
  for (const auto& [id, type] : buttons) {
    ASSERT_NE(FindControl(id), nullptr) << id;
    const QString text = QString::fromUtf8(FindControl(id)->text);
    const QRegularExpressionMatch match = caption.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    EXPECT_EQ(match.captured(1).toInt(), kDefenders[type].counterBlow) << text.toStdString();
    EXPECT_EQ(match.captured(2).toInt(), kDefenders[type].defence) << text.toStdString();
    EXPECT_EQ(match.captured(3).toInt(), kUnitIncomeBase[type]) << text.toStdString();
    EXPECT_EQ(match.captured(4).toInt(), kUnitPrice[type]) << text.toStdString();
    EXPECT_EQ(match.captured(5).toInt(), kUnitResale[type]) << text.toStdString();
  }
  // The legend: "(attack-defence-...)" under each barbarian's name, in kind
  // order from the top.
  const QRegularExpression legend(R"((\d+)-(\d+)-\d+\)$)");
  std::vector<QString> texts;
  for (const DialogControl& control : FindDialogTemplate(IDD_BOARD_FORM)->controls) {
    const QString text = QString::fromUtf8(control.text);
    if (control.rect.x > 400 && legend.match(text).hasMatch()) texts.push_back(text);
  }
  ASSERT_EQ(texts.size(), static_cast<std::size_t>(kKindCount));
  for (int kind = 0; kind < kKindCount; ++kind) {
    const QRegularExpressionMatch match = legend.match(texts[kind]);
    EXPECT_EQ(match.captured(1).toInt(), kKindStats[kind].attack) << texts[kind].toStdString();
    EXPECT_EQ(match.captured(2).toInt(), kKindStats[kind].defence) << texts[kind].toStdString();
  }
}
