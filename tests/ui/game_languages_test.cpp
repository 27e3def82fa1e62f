// Every text the player sees goes through tr(), and every shipped language
// translates all of them. One walk visits the window, its menus, tooltips,
// status line, dialogs and How to Play and notes each text it meets:
//  - with the pseudo-language loaded (every translation is its English text
//    in "⟦…⟧"), no text may lie outside "⟦…⟧";
//  - with a shipped language loaded, no text may read as it does in English,
//    but for the words that language writes the same.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>

#include "tests/ui/game_test_support.h"
#include "ui/chaos_window.h"
#include "ui/help_window.h"
#include "ui/language.h"

namespace {

// What one walk met: a description of each place and the text there, in the
// order met, and the plain text of the How to Play page.
struct Walk {
  QList<std::pair<QString, QString>> texts;
  QString howToPlay;
  QStringList clashes;  // menu items that share their menu's mnemonic letter
};

// The items of each menu that answer to a letter another item of the menu
// took first: the key would only move between them.
QStringList MnemonicClashes(const QMenuBar* bar) {
  QStringList clashes;
  for (const QAction* menu : bar->actions()) {
    QSet<QChar> letters;
    for (const QAction* item : menu->menu()->actions()) {
      const QString text = item->text();
      const qsizetype at = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
      if (item->isSeparator() || at < 0) continue;
      const QChar letter = text.at(at + 1).toLower();
      if (letters.contains(letter)) clashes << menu->text() + QStringLiteral(" > ") + text;
      letters.insert(letter);
    }
  }
  return clashes;
}

class LanguageTest : public GameTest {
 protected:
  void TearDown() override {
    InstallLanguage(QLocale(QLocale::English));
    GameTest::TearDown();
  }

  // Notes text, seen as what. Texts without a letter (numbers, "$2000")
  // have nothing to translate; a tooltip's markup is not text.
  void Note(QString text, const QString& what) {
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    if (text.contains(QRegularExpression(QStringLiteral("\\p{L}")))) walk_.texts.append({what, text});
  }

  // Every text of a window and of the widgets and actions in it; Qt's own
  // standard buttons (OK, Cancel, Close) are Qt's to translate.
  void NoteWindow(QWidget* window) {
    Note(window->windowTitle(), window->objectName() + QStringLiteral(" title"));
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* widget : widgets) {
      const QString name =
          widget->objectName() + QLatin1Char(':') + QString::fromLatin1(widget->metaObject()->className());
      Note(widget->toolTip(), name + QStringLiteral(" tooltip"));
      if (auto* label = qobject_cast<QLabel*>(widget)) Note(label->text(), name);
      if (auto* box = qobject_cast<QGroupBox*>(widget)) Note(box->title(), name);
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        auto* buttons = qobject_cast<QDialogButtonBox*>(button->parentWidget());
        auto* message = qobject_cast<QMessageBox*>(window);
        const bool standard = (buttons != nullptr && buttons->standardButton(button) != QDialogButtonBox::NoButton) ||
                              (message != nullptr && message->standardButton(button) != QMessageBox::NoButton);
        if (!standard) Note(button->text(), name);
      }
      for (QAction* action : widget->actions()) NoteAction(action);
    }
  }
  void NoteAction(QAction* action) {
    Note(action->text(), QStringLiteral("action ") + action->objectName());
    Note(action->statusTip(), QStringLiteral("status tip of ") + action->objectName());
    if (action->menu() != nullptr)
      for (QAction* item : action->menu()->actions()) NoteAction(item);
  }
  // Opens the dialog that action shows and notes its texts before closing it.
  void NoteDialog(const char* action, const char* dialog) {
    Dialogs().Do(dialog, [this](QDialog& shown) {
      NoteWindow(&shown);
      shown.reject();
    });
    Command(action);
  }

  // The walk, in the language loaded: the game from its start to a turn
  // that destroys barbarians.
  Walk WalkTheGame() {
    walk_ = {};
    if (!Start()) return walk_;
    Write("other.tvu", "0\t0\t");
    Game().OpenDocumentFile("other.tvu");  // a recent profile in the File menu
    NoteWindow(Frame());
    for (QAction* menu : Frame()->menuBar()->actions()) NoteAction(menu);
    walk_.clashes = MnemonicClashes(Frame()->menuBar());
    Note(Pane(0), QStringLiteral("status line"));
    QTest::mouseMove(&View(), Square(0, 0));
    Click(Qt::LeftButton, Square(0, 0));
    Click(Qt::LeftButton, Square(0, 0));  // refused: a status text
    Note(Pane(0), QStringLiteral("status line after a refusal"));

    NoteDialog("aboutAction", IDD_ABOUT);
    NoteDialog("newUserAction", IDD_NEW_USER);
    NoteDialog("optionsAction", IDD_OPTIONS);
    Dialogs().Do(IDD_CONFIRM, [this](QDialog& shown) {
      NoteWindow(&shown);
      shown.reject();
    });
    World().turn = 1;  // a game in progress: New Game asks first
    Command("newGameAction");
    for (QMessageBox* message : {CreateVictoryMessage(Frame()), CreateDefeatMessage(Frame())}) {
      NoteWindow(message);
      message->close();
    }
    Command("chaosAction");
    NoteWindow(Frame()->findChild<CChaosWindow*>());
    Command("howToPlayAction");
    auto* help = Frame()->findChild<CHowToPlayWindow*>();
    Note(help->windowTitle(), QStringLiteral("How to Play title"));
    walk_.howToPlay = help->findChild<QTextBrowser*>()->toPlainText();

    // A turn among many Artillery: barbarians fall, and the report says so.
    FlatLand();
    for (int x = 0; x < 24; x += 6)
      for (int y = 0; y < 24; y += 6) World().PlaceUnit(Artillery, x, y);
    World().treasury = 1000;      // far from a defeat, and spent enough to ask nothing
    World().chaosMoney = 100000;  // far from a victory
    World().gameSpeed = 0;
    Command(IDC_END_SETUP);
    Note(Pane(0), QStringLiteral("status line after a destruction"));
    auto* report = Frame()->findChild<QDockWidget*>(QStringLiteral("turnReportDock"));
    NoteWindow(report);
    for (QTreeWidgetItemIterator line(report->findChild<QTreeWidget*>()); *line; ++line) {
      Note((*line)->text(0), QStringLiteral("turn report line"));
      Note((*line)->toolTip(0), QStringLiteral("turn report tooltip"));
    }
    return walk_;
  }

  Walk walk_;
};

TEST_F(LanguageTest, InThePseudoLanguageEveryTextIsTranslated) {
  QTranslator pseudo;
  ASSERT_TRUE(pseudo.load(QStringLiteral(TARVELL_PSEUDO_QM)));
  QCoreApplication::installTranslator(&pseudo);
  const Walk walk = WalkTheGame();
  QCoreApplication::removeTranslator(&pseudo);
  QStringList untranslated;
  for (const auto& [what, text] : walk.texts)
    if (!text.contains(QStringLiteral("\u27e6"))) untranslated << what + QStringLiteral(": ") + text;
  EXPECT_GT(walk.texts.size(), 150);
  EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}

// The lines of a page that make a sentence of a few words.
QSet<QString> Sentences(const QString& page) {
  QSet<QString> sentences;
  for (const QString& line : page.split(QLatin1Char('\n')))
    if (line.simplified().count(QLatin1Char(' ')) >= 3) sentences.insert(line.simplified());
  return sentences;
}

class ShippedLanguageTest : public LanguageTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ShippedLanguageTest, NoEnglishIsLeft) {
  const Walk english = WalkTheGame();
  // The same walk again from a clean slate: no profile, settings or recent
  // file left by the first.
  TearDown();
  SetUp();
  for (const auto& entry : std::filesystem::directory_iterator(".")) std::filesystem::remove_all(entry.path());
  QSettings settings(QStringLiteral("Tarvell"), QStringLiteral("Tarvell"));
  settings.clear();
  settings.setValue(QStringLiteral("Settings/Zoom"), 100);
  const QString language = QString::fromLatin1(GetParam());
  ASSERT_EQ(InstallLanguage(QLocale(language)), language);
  const Walk translated = WalkTheGame();
  EXPECT_GT(translated.texts.size(), 150);
  // (English keeps its File menu's two N's, New Game and New User, as they
  // have always been.)
  EXPECT_TRUE(translated.clashes.isEmpty()) << translated.clashes.join(u'\n').toStdString();

  // What reads as in English: the game's name, the profiles' file names, a
  // lock light and the legend's "(K)"; and the words a language writes as
  // English does.
  QStringList same{QStringLiteral("Tarvell"), QStringLiteral("other.tvu"), QStringLiteral("NUM"),
                   QStringLiteral("(K)")};
  if (language == QStringLiteral("de"))
    same << QStringLiteral("Chaos") << QStringLiteral("Mine") << QStringLiteral("Zoom") << QStringLiteral("Version");
  if (language == QStringLiteral("fr"))
    same << QStringLiteral("Chaos") << QStringLiteral("Drone") << QStringLiteral("Mine") << QStringLiteral("Mobile")
         << QStringLiteral("Options") << QStringLiteral("Zoom");
  if (language == QStringLiteral("pt_BR")) same << QStringLiteral("Drone");
  QMultiHash<QString, QString> englishAt;
  for (const auto& [what, text] : english.texts) englishAt.insert(what, text);
  QStringList english_left;
  for (const auto& [what, text] : translated.texts) {
    QString rest = text;
    for (const QString& word : same) rest.remove(word);
    if (englishAt.contains(what, text) && rest.contains(QRegularExpression(QStringLiteral("\\p{L}"))))
      english_left << what + QStringLiteral(": ") + text;
  }
  EXPECT_TRUE(english_left.isEmpty()) << english_left.join(QLatin1Char('\n')).toStdString();
  const QSet<QString> shared = Sentences(english.howToPlay) & Sentences(translated.howToPlay);
  EXPECT_TRUE(shared.isEmpty()) << "English in How to Play: " << QStringList(shared.values()).join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguageTest, ::testing::Values("de", "es", "fr", "pt_BR", "ru"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
