// Every text the player sees goes through tr(): with the pseudo-language
// loaded (every translation is its English text in "⟦…⟧"), the window, its
// menus, tooltips, status line and dialogs show no text outside "⟦…⟧".

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include "tests/ui/game_test_support.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"

namespace {

class PseudoLanguageTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    ASSERT_TRUE(translator_.load(QStringLiteral(TARVELL_PSEUDO_QM)));
    QCoreApplication::installTranslator(&translator_);
  }
  void TearDown() override {
    QCoreApplication::removeTranslator(&translator_);
    GameTest::TearDown();
  }

  // Notes text, seen as what, unless it went through tr(). Texts without a
  // letter (numbers, "$2000") have nothing to translate.
  void Check(const QString& text, const QString& what) {
    QString plain = text;
    plain.remove(QRegularExpression(QStringLiteral("<[^>]*>")));  // a tooltip's markup
    if (!plain.contains(QRegularExpression(QStringLiteral("\\p{L}")))) return;
    ++checked;
    if (!plain.contains(QStringLiteral("\u27e6"))) untranslated << what + QStringLiteral(": ") + plain;
  }

  // Every text of a window and of the widgets and actions in it; Qt's own
  // standard buttons (OK, Cancel, Close) are Qt's to translate.
  void CheckWindow(QWidget* window) {
    Check(window->windowTitle(), window->objectName() + QStringLiteral(" title"));
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
      const QString name = QString::fromLatin1(widget->metaObject()->className());
      Check(widget->toolTip(), name + QStringLiteral(" tooltip"));
      if (auto* label = qobject_cast<QLabel*>(widget)) Check(label->text(), name);
      if (auto* box = qobject_cast<QGroupBox*>(widget)) Check(box->title(), name);
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        auto* buttons = qobject_cast<QDialogButtonBox*>(button->parentWidget());
        auto* message = qobject_cast<QMessageBox*>(window);
        const bool standard = (buttons != nullptr && buttons->standardButton(button) != QDialogButtonBox::NoButton) ||
                              (message != nullptr && message->standardButton(button) != QMessageBox::NoButton);
        if (!standard) Check(button->text(), name);
      }
      for (QAction* action : widget->actions()) CheckAction(action);
    }
  }
  void CheckAction(QAction* action) {
    Check(action->text(), QStringLiteral("action ") + action->objectName());
    Check(action->statusTip(), QStringLiteral("status tip of ") + action->objectName());
    if (action->menu() != nullptr)
      for (QAction* item : action->menu()->actions()) CheckAction(item);
  }
  // Opens the dialog that action shows and checks it before closing it.
  void CheckDialog(const char* action, const char* dialog) {
    Dialogs().Do(dialog, [this](QDialog& shown) {
      CheckWindow(&shown);
      shown.reject();
    });
    Command(action);
  }

  int checked = 0;
  QStringList untranslated;

 private:
  QTranslator translator_;
};

}  // namespace

TEST_F(PseudoLanguageTest, EveryTextOfTheWindowAndItsDialogsIsTranslated) {
  ASSERT_TRUE(Start());
  Write("other.tvu", "0\t0\t");
  Game().OpenDocumentFile("other.tvu");  // a recent profile in the File menu
  CheckWindow(Frame());
  for (QAction* menu : Frame()->menuBar()->actions()) CheckAction(menu);
  Check(Pane(0), QStringLiteral("status line"));
  QTest::mouseMove(&View(), Square(0, 0));
  Click(Qt::LeftButton, Square(0, 0));
  Click(Qt::LeftButton, Square(0, 0));  // refused: a status text
  Check(Pane(0), QStringLiteral("status line after a refusal"));

  CheckDialog("aboutAction", IDD_ABOUT);
  CheckDialog("newUserAction", IDD_NEW_USER);
  CheckDialog("optionsAction", IDD_OPTIONS);
  Dialogs().Do(IDD_CONFIRM, [this](QDialog& shown) {
    CheckWindow(&shown);
    shown.reject();
  });
  World().turn = 1;  // a game in progress: New Game asks first
  Command("newGameAction");
  for (QMessageBox* message : {CreateVictoryMessage(Frame()), CreateDefeatMessage(Frame())}) {
    CheckWindow(message);
    message->close();
  }
  Command("chaosAction");
  CheckWindow(Frame()->findChild<CChaosWindow*>());
  Command("howToPlayAction");
  Check(Frame()->findChild<CHowToPlayWindow*>()->windowTitle(), QStringLiteral("How to Play title"));

  // A turn among many Artillery: barbarians fall, and the report says so.
  FlatLand();
  for (int x = 0; x < 24; x += 6)
    for (int y = 0; y < 24; y += 6) World().PlaceUnit(Artillery, x, y);
  World().treasury = 1000;      // far from a defeat, and spent enough to ask nothing
  World().chaosMoney = 100000;  // far from a victory
  World().gameSpeed = 0;
  Command(IDC_END_SETUP);
  EXPECT_TRUE(Pane(0).contains(QStringLiteral("destroyed"))) << Pane(0).toStdString();
  Check(Pane(0), QStringLiteral("status line after a destruction"));
  auto* report = Frame()->findChild<QDockWidget*>(QStringLiteral("turnReportDock"));
  Check(report->windowTitle(), QStringLiteral("turn report title"));
  CheckWindow(report);
  for (QTreeWidgetItemIterator line(report->findChild<QTreeWidget*>()); *line; ++line) {
    Check((*line)->text(0), QStringLiteral("turn report"));
    Check((*line)->toolTip(0), QStringLiteral("turn report tooltip"));
  }

  EXPECT_GT(checked, 150);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}
