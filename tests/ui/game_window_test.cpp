// The main window: its menu, keys, status bar and recent-profile list, and
// the board form's texts.

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>

#include "tests/ui/game_test_support.h"
#include "ui/help_window.h"
#include "ui/platform/recent_file_list.h"
#include "ui/settings.h"
#include "units/combat.h"
#include "units/unit.h"

#include <sys/stat.h>

namespace {

// The game started and its window shown and active, as the player sees it.
class GameWindowTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(Start());
    Frame()->show();
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
  }
  QMenu* Menu(int index) { return Frame()->menuBar()->actions()[index]->menu(); }
};

using RecentFileListTest = GameTest;

}  // namespace

TEST_F(RecentFileListTest, KeepsFourEntriesNewestFirst) {
  CRecentFileList recent(4);
  for (const char* name : {"a.tvu", "b.tvu", "c.tvu", "d.tvu", "e.tvu"}) {
    Write(name, "0\t0\t");
    recent.Add(name);
  }
  auto names = [](const CRecentFileList& list) {
    QStringList result;
    for (const QString& path : list.Entries()) result << QFileInfo(path).fileName();
    return result;
  };
  EXPECT_EQ(names(recent), (QStringList{"e.tvu", "d.tvu", "c.tvu", "b.tvu"}));
  recent.Add("c.tvu");  // opened again: moves to the top
  EXPECT_EQ(names(recent), (QStringList{"c.tvu", "e.tvu", "d.tvu", "b.tvu"}));
  EXPECT_TRUE(QFileInfo(recent.Entries()[0]).isAbsolute());
  EXPECT_EQ(recent.MenuText(0), "&1 c.tvu");
  EXPECT_EQ(recent.MenuText(3), "&4 b.tvu");

  QSettings settings("Tarvell", "Tarvell");
  recent.Write(settings);
  CRecentFileList reread(4);
  reread.Read(settings);
  EXPECT_EQ(reread.Entries(), recent.Entries());
  EXPECT_EQ(settings.value("Recent File List/File1").toString(), recent.Entries()[0]);
  EXPECT_FALSE(settings.contains("Recent File List/File5"));
}

// The first start under the program's own name takes the recent profiles
// and the zoom from where earlier versions kept them, once.
TEST_F(RecentFileListTest, TheFirstStartCopiesTheEarlierSettingsOnce) {
  std::filesystem::remove(QSettings("Tarvell", "Tarvell").fileName().toStdString());
  Write("old.tvu", "0\t0\t");
  {
    QSettings earlier("Local AppWizard-Generated Applications", "Tarvell");
    earlier.setValue("Recent File List/File1", QString::fromStdString(Here("old.tvu")));
    earlier.setValue("Settings/Zoom", 150);
  }
  ASSERT_TRUE(Start());
  EXPECT_EQ(Game().RecentFiles().Entries().value(0).toStdString(), Here("old.tvu"));
  EXPECT_EQ(View().Zoom(), 150);
  Game().OnZoom(100);
  QSettings("Local AppWizard-Generated Applications", "Tarvell").setValue("Settings/Zoom", 200);
  ASSERT_TRUE(Start());
  EXPECT_EQ(View().Zoom(), 100) << "copied once only";
}

// A settings file that is no regular file, or too large, is never read: the
// game starts with its defaults (a FIFO would block the read for ever) and
// says so once.
TEST_F(RecentFileListTest, UnreadableSettingsGiveTheDefaultsAndOneMessage) {
  const std::string file = QFileInfo(QSettings("Tarvell", "Tarvell").fileName()).absoluteFilePath().toStdString();
  std::filesystem::remove(file);
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
  QString shown;
  Dialogs().Acknowledge(&shown);
  ASSERT_TRUE(Start());
  EXPECT_TRUE(shown.contains("is not a regular file")) << shown.toStdString();
  EXPECT_EQ(View().Zoom(), 200) << "the largest that fits, as at a first start";
  Game().OnZoom(150);  // remembered nowhere, and no hang either
  std::filesystem::remove(file);

  Write(file, "[Settings]\nZoom=150\n" + std::string(kMaxSettingsBytes, '#'));
  Dialogs().Acknowledge(&shown);
  ASSERT_TRUE(Start());
  EXPECT_TRUE(shown.contains("larger than 1048576 bytes")) << shown.toStdString();
  EXPECT_EQ(View().Zoom(), 200) << "the 150 % in the file is not read";
}

TEST_F(GameWindowTest, RecentProfilesReplaceTheGreyedPlaceholderInTheFileMenu) {
  QAction* placeholder = Action("recentFilePlaceholder");
  ASSERT_NE(placeholder, nullptr);
  EXPECT_EQ(placeholder->text(), "Recent File");
  EXPECT_FALSE(placeholder->isEnabled());
  EXPECT_TRUE(placeholder->isVisible());

  Write("a.tvu", "0\t0\t");
  Write("b.tvu", "0\t0\t");
  Game().OpenDocumentFile("a.tvu");
  Game().OpenDocumentFile("b.tvu");
  EXPECT_FALSE(placeholder->isVisible());
  QAction* first = Action("recentFileAction1");
  QAction* second = Action("recentFileAction2");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->text(), "&1 b.tvu");
  EXPECT_EQ(second->text(), "&2 a.tvu");
  EXPECT_EQ(first->statusTip(), "Open this document");
  const QList<QAction*> items = Menu(0)->actions();
  EXPECT_EQ(items.indexOf(first) + 1, items.indexOf(second));
  EXPECT_EQ(items.indexOf(second) + 1, items.indexOf(placeholder));

  // An entry whose file is gone leaves the list when chosen.
  std::filesystem::remove("a.tvu");
  Dialogs().Acknowledge();
  second->trigger();
  EXPECT_EQ(Game().RecentFiles().Entries().size(), 1);
  EXPECT_EQ(Action("recentFileAction2"), nullptr);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - b.tvu");
}

TEST_F(GameWindowTest, AProfileThatCannotBeOpenedIsReportedWithItsReasonAndChangesNothing) {
  std::filesystem::create_directory("folder.tvu");
  ASSERT_EQ(mkfifo("pipe.tvu", 0600), 0);
  const std::pair<const char*, const char*> cases[] = {{"missing.tvu", "Cannot open missing.tvu: No such file"},
                                                       {"folder.tvu", "Cannot open folder.tvu: it is a folder."},
                                                       {"pipe.tvu", "Cannot open pipe.tvu: it is not a regular file."}};
  for (const auto& [file, message] : cases) {
    QString shown;
    Dialogs().Acknowledge(&shown);
    Game().OpenDocumentFile(file);
    EXPECT_TRUE(shown.startsWith(message)) << shown.toStdString();
  }
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - default.tvu");
  EXPECT_TRUE(Game().RecentFiles().Entries().isEmpty());
  EXPECT_EQ(ProfilePath(), Here("default.tvu"));
}

// The last game's messages do not outlive it.
TEST_F(GameWindowTest, ANewGameAndAChangeOfUserClearTheStatusLine) {
  Frame()->SetMessageText("Turn 3, Phase 17: Drone destroyed at (4,5).");
  Command("newGameAction");
  EXPECT_EQ(Pane(0), "Ready");
  Frame()->SetMessageText("Turn 3, Phase 17: Drone destroyed at (4,5).");
  Write("b.tvu", "0\t0\t");
  Game().OpenDocumentFile("b.tvu");
  ASSERT_EQ(ProfilePath(), Here("b.tvu"));
  EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(GameWindowTest, ControlNStartsANewGame) {
  World().treasury = 5;
  QTest::keyClick(Frame(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(World().treasury, 2000);
}

// Keys posted to the window as the keyboard sends them: Ctrl+F1 opens How to
// Play (F1 alone buys a Drone), Ctrl+Q closes the window, and the question
// before abandoning the game answers to its buttons' letters. The menus
// show both keys.
TEST_F(GameWindowTest, ControlF1ShowsHowToPlayAndControlQCloses) {
  // The window's keys work while it is the active window, as the desktop
  // makes it again once a question over it has closed.
  const auto post = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == Frame(); }));
    QCoreApplication::postEvent(Frame(), new QKeyEvent(QEvent::KeyPress, key, modifiers));
    QCoreApplication::postEvent(Frame(), new QKeyEvent(QEvent::KeyRelease, key, modifiers));
  };
  for (const char* name : {"howToPlayAction", "exitAction"}) {
    const QList<QObject*> users = Action(name)->associatedObjects();
    EXPECT_TRUE(std::any_of(users.begin(), users.end(), [](QObject* user) { return qobject_cast<QMenu*>(user); }))
        << name << " is in no menu";
  }
  EXPECT_EQ(Action("howToPlayAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
  EXPECT_EQ(Action("exitAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));

  Command(IDC_MINE);
  post(Qt::Key_F1, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] {
    const auto* help = Frame()->findChild<CHowToPlayWindow*>();
    return help != nullptr && QApplication::activeWindow() == help;
  }));
  EXPECT_EQ(CheckedUnitButton(), IDC_MINE) << "Ctrl+F1 chose the Drone";

  World().turn = 1;  // leaving the game now counts as a loss: the window asks
  Dialogs().Type(IDD_CONFIRM, Qt::Key_N);
  post(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([] { return Dialogs().AllAnswered() && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_TRUE(Frame()->isVisible()) << "N answered NO";
  Dialogs().Do(IDD_CONFIRM, [](QDialog& question) {
    // Alt and a letter work in the active window, as the question is by then.
    ASSERT_TRUE(QTest::qWaitFor(
        [&question] { return QApplication::activeWindow() == &question && question.focusWidget() != nullptr; }));
    QTest::keyClick(question.focusWidget(), Qt::Key_N, Qt::AltModifier);
  });
  post(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([] { return Dialogs().AllAnswered() && QApplication::activeModalWidget() == nullptr; }));
  EXPECT_TRUE(Frame()->isVisible()) << "Alt+N answered NO";
  EXPECT_EQ(UserRecord().losses, 0);
  Dialogs().Type(IDD_CONFIRM, Qt::Key_Y);
  post(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(QTest::qWaitFor([this] { return !Frame()->isVisible(); }));
  EXPECT_EQ(UserRecord().losses, 1);
}

TEST_F(GameWindowTest, StatusBarHasItsFivePanesAndItsMenuItemTogglesIt) {
  QStatusBar* bar = Frame()->statusBar();
  EXPECT_EQ(bar->findChildren<QLabel*>().size(), 5);
  EXPECT_EQ(Pane(0), "Ready");
  EXPECT_TRUE(bar->isVisible());

  QAction* item = Action("statusBarAction");
  EXPECT_TRUE(item->isCheckable());
  EXPECT_TRUE(item->isChecked());
  // The window shrinks by the bar: no strip is left behind.
  const int height = Frame()->height();
  item->trigger();
  EXPECT_FALSE(bar->isVisible());
  EXPECT_FALSE(item->isChecked());
  EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->height() == height - bar->height(); }))
      << Frame()->height() << " of " << height;
  EXPECT_EQ(View().geometry().size(), QSize(774, 549));
  item->trigger();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_TRUE(item->isChecked());
  EXPECT_TRUE(QTest::qWaitFor([&] { return Frame()->height() == height; }));
}

TEST_F(GameWindowTest, MessagePaneShowsMenuPromptsAndThenTheIdleText) {
  Frame()->SetMessageText("Turn 3, Phase 17: Drone destroyed at (4,5).\t");
  EXPECT_EQ(Pane(0), "Turn 3, Phase 17: Drone destroyed at (4,5).\t");
  QAction* newGame = Action("newGameAction");
  EXPECT_EQ(newGame->statusTip(), "Create a new game");
  QStatusTipEvent prompt(newGame->statusTip());
  QApplication::sendEvent(Frame(), &prompt);
  EXPECT_EQ(Pane(0), "Create a new game");
  emit Menu(0)->aboutToHide();
  EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(GameWindowTest, HighlightingAnItemOfAnOpenMenuShowsItsPrompt) {
  QMenu* file = Menu(0);
  Frame()->menuBar()->setActiveAction(file->menuAction());  // opened from the menu bar
  ASSERT_TRUE(file->isVisible());
  file->setActiveAction(Action("exitAction"));
  EXPECT_EQ(Pane(0), "Quit the game");
  file->setActiveAction(Action("newUserAction"));
  EXPECT_EQ(Pane(0), "Creates a new user profile");
  file->setActiveAction(Action("selectUserAction"));
  EXPECT_EQ(Pane(0), "Selects another user's profile");
  file->hide();
  EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(GameWindowTest, LockIndicatorsShowTheirTextOnlyWhileTheLockIsOn) {
  // The offscreen display cannot tell the lock state: all blank.
  EXPECT_EQ(Pane(1), "");
  EXPECT_EQ(Pane(2), "");
  EXPECT_EQ(Pane(3), "");
  Frame()->ShowLockState(true, false, true);
  EXPECT_EQ(Pane(1), "CAP");
  EXPECT_EQ(Pane(2), "");
  EXPECT_EQ(Pane(3), "SCRL");
  const int width = Frame()->statusBar()->findChildren<QLabel*>()[1]->width();
  Frame()->ShowLockState(false, true, false);
  EXPECT_EQ(Pane(1), "");
  EXPECT_EQ(Pane(2), "NUM");
  EXPECT_EQ(Frame()->statusBar()->findChildren<QLabel*>()[1]->width(), width) << "a blank indicator keeps its place";
}

TEST_F(GameWindowTest, EveryTextOnTheFormFitsItsControl) {
  EXPECT_EQ(View().sizeHint(), QSize(774, 549));  // the form and the worth row under it
  int buttons = 0, labels = 0;
  for (QWidget* control : View().findChildren<QWidget*>()) {
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->pixmap().isNull()) {
      ++labels;
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      ++buttons;
      // Unit captions wrap onto two lines inside the button.
      const QRect inner = button->rect().adjusted(4, 2, -4, -2);
      const QRect needed =
          metrics.boundingRect(QRect(0, 0, inner.width(), 1000), Qt::TextWordWrap, button->text().trimmed());
      EXPECT_LE(needed.width(), inner.width()) << button->text().toStdString();
      EXPECT_LE(needed.height(), inner.height()) << button->text().toStdString();
    }
  }
  EXPECT_EQ(buttons, 9);
  EXPECT_EQ(labels, 20);  // 16 legend texts, the treasury, the turn, the record and the worth row
  // The board's tiles cover pixels 190..693 across: the left column ends
  // before it, the right one starts after it.
  const QRect left = View().findChild<QWidget*>("leftColumn")->geometry();
  const QRect right = View().findChild<QWidget*>("rightColumn")->geometry();
  EXPECT_EQ(left.right() + 1, 168);
  EXPECT_EQ(right.left(), 708);
  EXPECT_GE(left.top(), 0);
  EXPECT_LE(right.bottom(), 528);
}

// The numbers on the form are the game's own: a change of a price or a
// strength must reach the captions and the legend too.
TEST_F(GameWindowTest, CaptionsAndLegendAgreeWithThePriceAndStrengthTables) {
  const std::pair<const char*, int> buttons[] = {
      {IDC_DRONE, Drone},     {IDC_MINE, Mine},   {IDC_FARMER, Farmer}, {IDC_INFANTRY, Infantry},
      {IDC_SETTLER, Settler}, {IDC_ARMOR, Armor}, {IDC_JAMMER, Jammer}, {IDC_ARTILLERY, Artillery}};
  // "(strike back-defence-income) $price ($resale)", after any extra figures.
  const QRegularExpression caption(R"((\d+)-(\d+)-(\d+)\) +\$(\d+) \(\$(\d+)\)$)");
  for (const auto& [id, type] : buttons) {
    const QString text = View().Control<QAbstractButton>(id)->text();
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
  QStringList texts;
  for (QLabel* label : View().findChild<QWidget*>("rightColumn")->findChildren<QLabel*>())
    if (legend.match(label->text()).hasMatch()) texts << label->text();
  ASSERT_EQ(texts.size(), kKindCount);
  for (int kind = 0; kind < kKindCount; ++kind) {
    const QRegularExpressionMatch match = legend.match(texts[kind]);
    EXPECT_EQ(match.captured(1).toInt(), kKindStats[kind].attack) << texts[kind].toStdString();
    EXPECT_EQ(match.captured(2).toInt(), kKindStats[kind].defence) << texts[kind].toStdString();
  }
}
