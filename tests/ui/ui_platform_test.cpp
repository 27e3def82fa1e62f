#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "tests/ui/ui_test_app.h"
#include "ui/platform/bitmap.h"
#include "ui/platform/dialog.h"
#include "ui/platform/dialog_responder.h"
#include "ui/platform/message_box.h"
#include "ui/platform/recent_file_list.h"
#include "ui/resources/images.h"

namespace {

constexpr const char* kOrganization = "Local AppWizard-Generated Applications";

// Every test keeps its settings in a folder of its own and works in one.
class PlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(settingsFolder_.isValid());
    ASSERT_TRUE(workFolder_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(workFolder_.path().toStdString());
  }
  void TearDown() override { std::filesystem::current_path(previous_); }

  std::string MakeFile(const std::string& name) {
    std::ofstream(name) << "0\t0\t";
    return (std::filesystem::current_path() / name).string();
  }
  QString SettingsFolder() const { return settingsFolder_.path(); }

 private:
  QTemporaryDir settingsFolder_;
  QTemporaryDir workFolder_;
  std::filesystem::path previous_;
};

// A running test program, started as the game starts: New at start-up.
class AppTest : public PlatformTest {
 protected:
  void SetUp() override {
    PlatformTest::SetUp();
    ASSERT_TRUE(app.InitInstance());
    app.Frame()->show();
    app.Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.Frame()));
  }
  QMenu* Menu(int index) { return app.Frame()->menuBar()->actions()[index]->menu(); }

  TestApp app;
};

}  // namespace

TEST_F(PlatformTest, RecentFileListKeepsFourEntriesNewestFirst) {
  CRecentFileList recent(kOrganization, "Tarvell", 4);
  for (const char* name : {"a.tvu", "b.tvu", "c.tvu", "d.tvu", "e.tvu"})
    recent.Add(QString::fromStdString(MakeFile(name)));
  auto names = [](const CRecentFileList& list) {
    QStringList result;
    for (const QString& path : list.Entries()) result << QFileInfo(path).fileName();
    return result;
  };
  EXPECT_EQ(names(recent), (QStringList{"e.tvu", "d.tvu", "c.tvu", "b.tvu"}));
  recent.Add("c.tvu");  // opened again, by a relative name: moves to the top
  EXPECT_EQ(names(recent), (QStringList{"c.tvu", "e.tvu", "d.tvu", "b.tvu"}));
  EXPECT_TRUE(QFileInfo(recent.Entries()[0]).isAbsolute());
  EXPECT_EQ(recent.MenuText(0), "&1 c.tvu");
  EXPECT_EQ(recent.MenuText(3), "&4 b.tvu");

  // Kept per user under the organization and the application's title.
  CRecentFileList reread(kOrganization, "Tarvell", 4);
  reread.ReadList();
  EXPECT_EQ(reread.Entries(), recent.Entries());
  EXPECT_TRUE(QFileInfo::exists(SettingsFolder() + "/" + kOrganization + "/Tarvell.conf"));
  QSettings settings(kOrganization, "Tarvell");
  EXPECT_EQ(settings.value("Recent File List/File1").toString(), recent.Entries()[0]);
  EXPECT_FALSE(settings.contains("Recent File List/File5"));
}

TEST_F(AppTest, StartUpCreatesOneDocumentFrameAndViewAndRunsNew) {
  EXPECT_EQ(app.Document()->newDocuments, 1);
  EXPECT_EQ(app.View()->initialUpdates, 1);
  EXPECT_EQ(app.View()->GetDocument(), app.Document());
  EXPECT_EQ(app.Document()->GetFirstView(), app.View());
  EXPECT_EQ(app.Frame()->GetActiveDocument(), app.Document());
  EXPECT_EQ(app.Frame()->windowTitle(), "Tarvell - default.tvu");
}

TEST_F(AppTest, NewReusesTheDocumentAndUpdatesTheViewEachTime) {
  TestDocument* document = app.Document();
  TestView* view = app.View();
  app.RouteCommand(ID_FILE_NEW);
  app.RouteCommand(ID_FILE_NEW);
  EXPECT_EQ(app.Document(), document);
  EXPECT_EQ(app.View(), view);
  EXPECT_EQ(document->newDocuments, 3);
  EXPECT_EQ(view->initialUpdates, 3);
  // A refused new document keeps everything and updates nothing.
  document->refuseNew = true;
  app.OnFileNew();
  EXPECT_EQ(view->initialUpdates, 3);
}

TEST_F(AppTest, OpenSetsPathAndTitleAndTheRecentList) {
  const std::string alice = MakeFile("alice.tvu");
  ASSERT_EQ(app.OpenDocumentFile("alice.tvu"), app.Document());
  EXPECT_EQ(app.Document()->GetPathName(), "alice.tvu");
  EXPECT_EQ(app.Document()->GetTitle(), "alice.tvu");
  EXPECT_EQ(app.Frame()->windowTitle(), "Tarvell - alice.tvu");
  EXPECT_EQ(app.View()->initialUpdates, 2);
  ASSERT_EQ(app.RecentFiles()->Entries().size(), 1);
  EXPECT_EQ(app.RecentFiles()->Entries()[0].toStdString(), alice);
}

TEST_F(AppTest, OpenOfAnUnreadableFileIsReportedAndChangesNothing) {
  CScriptedDialogs script;
  std::vector<std::string> failures;
  script.OnFailure([&](const std::string& message) { failures.push_back(message); });
  std::string shown;
  script.Do(kMessageBoxTemplateId, [&](CDialog& box) {
    for (QWidget* control : box.Controls()) {
      if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text().toStdString();
    }
    box.PressButton(IDOK);
  });
  EXPECT_EQ(app.OpenDocumentFile("missing.tvu"), nullptr);
  EXPECT_TRUE(script.AllAnswered());
  EXPECT_NE(shown.find("missing.tvu"), std::string::npos) << shown;
  EXPECT_EQ(app.Frame()->windowTitle(), "Tarvell - default.tvu");
  EXPECT_TRUE(app.RecentFiles()->Entries().isEmpty());
  EXPECT_EQ(app.View()->initialUpdates, 1);
  EXPECT_TRUE(failures.empty());
}

TEST_F(AppTest, RecentProfilesReplaceTheGreyedPlaceholderInTheFileMenu) {
  QAction* placeholder = app.Frame()->CommandAction(ID_FILE_MRU_FILE1);
  ASSERT_NE(placeholder, nullptr);
  EXPECT_EQ(placeholder->text(), "Recent File");
  EXPECT_FALSE(placeholder->isEnabled());
  EXPECT_TRUE(placeholder->isVisible());

  MakeFile("a.tvu");
  MakeFile("b.tvu");
  app.OpenDocumentFile("a.tvu");
  app.OpenDocumentFile("b.tvu");
  EXPECT_FALSE(placeholder->isVisible());
  QAction* first = app.Frame()->CommandAction(ID_FILE_MRU_FILE1);
  QAction* second = app.Frame()->CommandAction(ID_FILE_MRU_FILE1 + 1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->text(), "&1 b.tvu");
  EXPECT_EQ(second->text(), "&2 a.tvu");
  EXPECT_EQ(first->statusTip(), "Open this document");
  const QList<QAction*> items = Menu(0)->actions();
  EXPECT_EQ(items.indexOf(first) + 1, items.indexOf(second));
  EXPECT_EQ(items.indexOf(second) + 1, items.indexOf(placeholder));

  // Choosing an entry opens it again and moves it to the top.
  second->trigger();
  EXPECT_EQ(app.Document()->GetTitle(), "a.tvu");
  EXPECT_EQ(app.Frame()->CommandAction(ID_FILE_MRU_FILE1)->text(), "&1 a.tvu");
}

TEST_F(AppTest, FunctionKeysSendTheUnitCommandsToTheView) {
  QTest::keyClick(app.Frame(), Qt::Key_F6);
  QTest::keyClick(app.Frame(), Qt::Key_F7);
  QTest::keyClick(app.Frame(), Qt::Key_F1);
  QTest::keyClick(app.Frame(), Qt::Key_F8);
  EXPECT_EQ(app.View()->commands, (std::vector<int>{1008, 1007, 1002, 1010}));
}

TEST_F(AppTest, ControlNRunsNewAndFormButtonsSendTheirIdentifiers) {
  QTest::keyClick(app.Frame(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(app.Document()->newDocuments, 2);
  qobject_cast<QAbstractButton*>(app.View()->GetDlgItem(IDC_END_SETUP))->click();
  qobject_cast<QAbstractButton*>(app.View()->GetDlgItem(IDC_MINE))->click();
  EXPECT_EQ(app.View()->commands, (std::vector<int>{IDC_END_SETUP, IDC_MINE}));
}

TEST_F(AppTest, CommandsTravelFromViewToDocumentToFrameToApplication) {
  EXPECT_TRUE(app.RouteCommand(4242));
  EXPECT_EQ(app.Document()->commands, (std::vector<int>{4242}));
  EXPECT_TRUE(app.View()->commands.empty());
  EXPECT_FALSE(app.RouteCommand(4343));
}

TEST_F(AppTest, StatusBarHasItsFourPanesAndItsMenuItemTogglesIt) {
  CStatusBar* bar = app.Frame()->StatusBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->PaneCount(), 4);
  EXPECT_EQ(bar->PaneId(0), ID_SEPARATOR);
  EXPECT_EQ(bar->PaneId(1), ID_INDICATOR_CAPS);
  EXPECT_EQ(bar->PaneId(2), ID_INDICATOR_NUM);
  EXPECT_EQ(bar->PaneId(3), ID_INDICATOR_SCRL);
  EXPECT_EQ(bar->GetPaneText(0), "Ready");
  EXPECT_TRUE(bar->isVisible());

  QAction* item = app.Frame()->CommandAction(ID_VIEW_STATUS_BAR);
  emit Menu(1)->aboutToShow();
  EXPECT_TRUE(item->isCheckable());
  EXPECT_TRUE(item->isChecked());
  item->trigger();
  EXPECT_FALSE(bar->isVisible());
  emit Menu(1)->aboutToShow();
  EXPECT_FALSE(item->isChecked());
  item->trigger();
  EXPECT_TRUE(bar->isVisible());
}

TEST_F(AppTest, MessagePaneShowsMenuPromptsAndThenTheIdleText) {
  CStatusBar* bar = app.Frame()->StatusBar();
  bar->SetPaneText(0, "Turn 3, Phase 17: Drone destroyed at (4,5).\t");
  EXPECT_EQ(bar->GetPaneText(0), "Turn 3, Phase 17: Drone destroyed at (4,5).\t");
  QAction* newGame = app.Frame()->CommandAction(ID_FILE_NEW);
  EXPECT_EQ(newGame->statusTip(), "Create a new game");
  QStatusTipEvent prompt(newGame->statusTip());
  QApplication::sendEvent(app.Frame(), &prompt);
  EXPECT_EQ(bar->GetPaneText(0), "Create a new game");
  emit Menu(0)->aboutToHide();
  EXPECT_EQ(bar->GetPaneText(0), "Ready");
}

TEST_F(AppTest, HighlightingAnItemOfAnOpenMenuShowsItsPrompt) {
  CStatusBar* bar = app.Frame()->StatusBar();
  QMenu* file = Menu(0);
  app.Frame()->menuBar()->setActiveAction(file->menuAction());  // opened from the menu bar
  ASSERT_TRUE(file->isVisible());
  file->setActiveAction(app.Frame()->CommandAction(ID_APP_EXIT));
  EXPECT_EQ(bar->GetPaneText(0), "Quit the game");
  file->setActiveAction(app.Frame()->CommandAction(ID_NEW_USER));
  EXPECT_EQ(bar->GetPaneText(0), "") << "New User has no prompt";
  file->hide();
  EXPECT_EQ(bar->GetPaneText(0), "Ready");
}

TEST_F(AppTest, LockIndicatorsShowTheirTextOnlyWhileTheLockIsOn) {
  CStatusBar* bar = app.Frame()->StatusBar();
  // The offscreen display cannot tell the lock state: all blank.
  EXPECT_EQ(bar->GetPaneText(1), "");
  EXPECT_EQ(bar->GetPaneText(2), "");
  EXPECT_EQ(bar->GetPaneText(3), "");
  bar->ShowLockState(true, false, true);
  EXPECT_EQ(bar->GetPaneText(1), "CAP");
  EXPECT_EQ(bar->GetPaneText(2), "");
  EXPECT_EQ(bar->GetPaneText(3), "SCRL");
  const int width = bar->findChildren<QLabel*>()[1]->width();
  bar->ShowLockState(false, true, false);
  EXPECT_EQ(bar->GetPaneText(1), "");
  EXPECT_EQ(bar->GetPaneText(2), "NUM");
  EXPECT_EQ(bar->findChildren<QLabel*>()[1]->width(), width) << "a blank indicator keeps its place";
}

TEST_F(AppTest, FrameHasAFixedSizeThatShrinksToTheFormButNeverGrows) {
  TestFrame* frame = app.Frame();
  EXPECT_FALSE(frame->Style() & WS_THICKFRAME);
  EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "no sizing border";
  // Placed before the toolkit knew its decorations: 800 x 600 inside them.
  EXPECT_EQ(frame->size(), QSize(800, 600));
  EXPECT_EQ(frame->pos(), QPoint(0, 0));
  frame->ShrinkToFitView();
  const QSize form = app.View()->FormSize();
  EXPECT_LE(frame->width(), 800);
  EXPECT_LE(frame->height(), 600);
  EXPECT_GE(app.View()->width(), form.width());
  EXPECT_GE(app.View()->height(), form.height());
  EXPECT_LE(app.View()->width(), form.width() + 2) << "the frame hugs the form across";
  EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
  // A larger view does not make the frame grow.
  const QSize shrunk = frame->size();
  frame->ShrinkToFitView();
  EXPECT_EQ(frame->size(), shrunk);
}

TEST_F(AppTest, MovingAShownFrameSetsItsOuterGeometry) {
  TestFrame* frame = app.Frame();
  frame->MoveWindow(10, 20, 700, 500);
  EXPECT_EQ(frame->frameGeometry(), QRect(10, 20, 700, 500));
}

TEST_F(AppTest, ClosingAsksOnCloseWhichMayRefuse) {
  TestFrame* frame = app.Frame();
  frame->allowClose = false;
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  frame->allowClose = true;
  app.RouteCommand(ID_APP_EXIT);
  EXPECT_EQ(frame->closeRequests, 2);
  EXPECT_FALSE(frame->isVisible());
}

TEST_F(AppTest, ADroppedFileOpensAsTheDocument) {
  const std::string bob = MakeFile("bob.tvu");
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(bob))});
  app.Frame()->DragAcceptFiles();
  EXPECT_TRUE(app.Frame()->acceptDrops());
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(app.Frame(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(app.Frame(), &drop);
  EXPECT_EQ(app.Document()->GetTitle(), "bob.tvu");
}

TEST_F(AppTest, MouseButtonsReachTheViewInClientPixels) {
  TestView* view = app.View();
  QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 25));
  QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(205, 30));
  QTest::mousePress(view, Qt::RightButton, {}, QPoint(693, 518));
  QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(694, 519));
  EXPECT_EQ(view->mouse, (std::vector<std::string>{"L down 200,25", "L up 205,30", "R down 693,518", "R up 694,519"}));
}

TEST_F(AppTest, FormSelectsOneRadioButtonInARange) {
  TestView* view = app.View();
  view->CheckRadioButton(IDC_DRONE, IDC_ARTILLERY, IDC_JAMMER);
  EXPECT_EQ(view->GetCheckedRadioButton(IDC_DRONE, IDC_ARTILLERY), IDC_JAMMER);
  view->CheckRadioButton(IDC_DRONE, IDC_ARTILLERY, IDC_DRONE);
  EXPECT_EQ(view->GetCheckedRadioButton(IDC_DRONE, IDC_ARTILLERY), IDC_DRONE);
  int checked = 0;
  for (int id = IDC_DRONE; id <= IDC_ARTILLERY; ++id) {
    auto* button = qobject_cast<QAbstractButton*>(view->GetDlgItem(id));
    if (button != nullptr && button->isChecked()) ++checked;
  }
  EXPECT_EQ(checked, 1);
  // A click on another unit button clears the one before.
  qobject_cast<QAbstractButton*>(view->GetDlgItem(IDC_ARMOR))->click();
  EXPECT_EQ(view->GetCheckedRadioButton(IDC_DRONE, IDC_ARTILLERY), IDC_ARMOR);
  view->SetDlgItemText(IDC_TREASURY, "$2000");
  EXPECT_EQ(view->GetDlgItemText(IDC_TREASURY, 255), "$2000");
  EXPECT_EQ(view->GetDlgItemText(IDC_TREASURY, 3), "$20");
}

TEST(BoardFormViewTest, EveryTextOnTheFormFitsItsControl) {
  CFormView form(IDD_BOARD_FORM);
  EXPECT_EQ(form.FormSize(), QSize(774, 529));
  int buttons = 0, labels = 0;
  for (QWidget* control : form.Controls()) {
    const QFontMetrics metrics(control->font());
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !label->text().isEmpty()) {
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
  EXPECT_EQ(labels, 16);
}

TEST_F(AppTest, BitmapsAreCopiedOpaqueAndShowAtOnce) {
  TestView* view = app.View();
  QApplication::processEvents();  // the first full repaint
  CBitmap tile;
  ASSERT_TRUE(tile.LoadBitmap(IDB_WATER));
  EXPECT_EQ(tile.GetWidth(), 20);
  EXPECT_EQ(tile.GetHeight(), 20);
  view->CopyBitmapAt(tile, 190, 15);
  EXPECT_EQ(view->Surface().pixel(190, 15), qRgb(0, 0, 0));
  EXPECT_EQ(view->Surface().pixel(191, 16), qRgb(0, 255, 255));
  EXPECT_EQ(view->Surface().pixel(209, 34), qRgb(0, 255, 255));
  EXPECT_NE(view->Surface().pixel(210, 35), qRgb(0, 255, 255)) << "nothing beyond the tile's own size";
  const QImage window = view->grab(QRect(190, 15, 20, 20)).toImage();
  EXPECT_EQ(window.pixel(5, 5), qRgb(0, 255, 255));
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(142));
  view->CopyBitmapAt(missing, 0, 0);  // draws nothing, and does not fail
}

TEST_F(PlatformTest, AFailedInitializationEndsTheProgramWithStatusOne) {
  TestApp failing;
  failing.initResult = false;
  EXPECT_EQ(failing.Run(), 1);
}

TEST_F(PlatformTest, AStartWithAnUnreadableFileFails) {
  TestApp app;
  app.commandLine.m_nShellCommand = CCommandLineInfo::FileOpen;
  app.commandLine.m_strFileName = "nobody.tvu";
  CScriptedDialogs script;
  script.Press(kMessageBoxTemplateId, IDOK);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_EQ(app.MainFrame(), nullptr) << "no window stays behind";
  EXPECT_TRUE(script.AllAnswered());
}

TEST_F(PlatformTest, AStartWithAProfileOpensIt) {
  MakeFile("carol.tvu");
  TestApp app;
  app.commandLine.m_nShellCommand = CCommandLineInfo::FileOpen;
  app.commandLine.m_strFileName = "carol.tvu";
  ASSERT_TRUE(app.InitInstance());
  EXPECT_EQ(app.Document()->GetTitle(), "carol.tvu");
  EXPECT_EQ(app.Document()->newDocuments, 0);
  EXPECT_EQ(app.View()->initialUpdates, 1);
}
