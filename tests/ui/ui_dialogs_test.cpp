#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "ui/about_dialog.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"
#include "ui/platform/scripted_dialogs.h"
#include "ui/resources/dialog_font.h"

namespace {

// One control as the dialog must show it: kind, identifier, text and pixel
// rectangle (dialog units x 1.5 across, x 1.625 down, rounded down).
struct ExpectedControl {
  const char* kind;  // "static", "button", "edit", "slider", "icon"
  int id;
  const char* text;  // null: any text but an empty one (the About box's credits)
  QRect pixels;
};

std::string KindOf(QWidget* widget) {
  if (qobject_cast<QPushButton*>(widget)) return "button";
  if (qobject_cast<QLineEdit*>(widget)) return "edit";
  if (qobject_cast<QSlider*>(widget)) return "slider";
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->pixmap().isNull() ? "static" : "icon";
  return "other";
}

QString TextOf(QWidget* widget) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
  return QString();
}

// The widget that holds a dialog's controls, inside its frame.
QWidget* ClientArea(CDialog& dialog) { return dialog.findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly); }

// The dialog's controls in the order they were made, which is the template's.
std::vector<QWidget*> Controls(CDialog& dialog) {
  const QList<QWidget*> children = ClientArea(dialog)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  return {children.begin(), children.end()};
}

void ExpectControls(CDialog& dialog, QSize clientPixels, const std::vector<ExpectedControl>& expected) {
  EXPECT_EQ(ClientArea(dialog)->size(), clientPixels) << "dialog " << dialog.TemplateId();
  ASSERT_EQ(Controls(dialog).size(), expected.size()) << "dialog " << dialog.TemplateId();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    QWidget* control = Controls(dialog)[i];
    EXPECT_EQ(KindOf(control), expected[i].kind) << "control " << i;
    if (expected[i].text != nullptr) {
      EXPECT_EQ(TextOf(control).toStdString(), expected[i].text) << "control " << i;
    } else {
      EXPECT_FALSE(TextOf(control).isEmpty()) << "control " << i;
    }
    EXPECT_EQ(control->geometry(), expected[i].pixels) << "control " << i << " " << expected[i].text;
    EXPECT_EQ(control->parentWidget(), ClientArea(dialog));
    if (expected[i].id != IDC_STATIC) {
      EXPECT_EQ(dialog.Control(expected[i].id), control) << expected[i].id;
    }
  }
}

// Every static text is fully visible: it fits its width on one line, or
// wraps within its height.
void ExpectTextsFit(CDialog& dialog) {
  for (QWidget* control : Controls(dialog)) {
    auto* label = qobject_cast<QLabel*>(control);
    if (label == nullptr || label->text().isEmpty()) continue;
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, label->text());
    EXPECT_LE(needed.width(), label->width()) << label->text().toStdString();
    const bool oneLine = metrics.horizontalAdvance(label->text()) <= label->width();
    if (!oneLine) {
      EXPECT_LE(needed.height(), label->height()) << label->text().toStdString() << " is clipped";
    }
  }
  for (QWidget* control : Controls(dialog)) {
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width());
    }
  }
}

bool IsDefault(CDialog& dialog, int id) {
  auto* button = dialog.Control<QPushButton>(id);
  return button != nullptr && button->isDefault();
}

// Shows dialog without waiting, as a player would see it, types key into the
// focused control and reports the answer the dialog ended with.
int AnswerWithKey(CDialog& dialog, Qt::Key key) {
  CScriptedDialogs script;
  script.Type(dialog.TemplateId(), key);
  return dialog.DoModal();
}

class DialogTest : public ::testing::Test {
 protected:
  // Failures of the seam are test failures here, never a stopped program.
  void Script(CScriptedDialogs& script) {
    script.OnFailure([this](const std::string& message) { failures.push_back(message); });
  }
  std::vector<std::string> failures;
};

}  // namespace

TEST(DialogLayoutTest, AboutBoxShowsNameVersionCreditsAndTheDroneIcon) {
  CAboutDialog about;
  about.PrepareToShow();
  ExpectControls(about, QSize(313, 97),
                 {
                     {"icon", IDC_STATIC, "", QRect(235, 11, 32, 32)},
                     {"static", IDC_STATIC, "Tarvell Version " TARVELL_VERSION, QRect(24, 11, 178, 13)},
                     {"button", IDOK, "OK", QRect(214, 58, 75, 22)},
                     {"static", IDC_STATIC, nullptr, QRect(24, 29, 178, 13)},
                     {"static", IDC_STATIC, nullptr, QRect(24, 55, 178, 13)},
                     {"static", IDC_STATIC, nullptr, QRect(24, 73, 178, 13)},
                 });
  EXPECT_TRUE(IsDefault(about, IDOK));
  ExpectTextsFit(about);
}

TEST(DialogLayoutTest, QuestionsOfferYesAndADefaultNo) {
  CDialog confirm(IDD_CONFIRM);
  ExpectControls(confirm, QSize(228, 79),
                 {
                     {"static", IDC_STATIC, "Are you sure?", QRect(64, 11, 94, 17)},
                     {"button", IDOK, "Yes", QRect(30, 43, 75, 22)},
                     {"button", IDCANCEL, "NO", QRect(120, 43, 75, 22)},
                 });
  EXPECT_TRUE(IsDefault(confirm, IDCANCEL));
  EXPECT_FALSE(IsDefault(confirm, IDOK));
  ExpectTextsFit(confirm);

  CDialog overwrite(IDD_OVERWRITE);
  ExpectControls(overwrite, QSize(265, 87),
                 {
                     {"static", IDC_STATIC, "This user model already exists. Do you want to overwrite it?",
                      QRect(58, 11, 148, 34)},
                     {"button", IDOK, "Yes", QRect(52, 53, 75, 22)},
                     {"button", IDCANCEL, "NO", QRect(139, 53, 75, 22)},
                 });
  EXPECT_TRUE(IsDefault(overwrite, IDCANCEL));
  EXPECT_FALSE(IsDefault(overwrite, IDOK));
  ExpectTextsFit(overwrite);
  auto* question = qobject_cast<QLabel*>(Controls(overwrite)[0]);
  EXPECT_TRUE(question->alignment() & Qt::AlignHCenter);
  EXPECT_TRUE(question->wordWrap());
}

TEST(DialogLayoutTest, EndOfGameMessagesHaveTheirTextAndOneOkButton) {
  CDialog defeat(IDD_DEFEAT);
  ExpectControls(
      defeat, QSize(283, 113),
      {
          {"static", IDC_STATIC, "Your forces have been vanquished. Chaos is victorious.", QRect(40, 26, 195, 29)},
          {"button", IDOK, "OK", QRect(103, 65, 75, 22)},
      });
  EXPECT_TRUE(IsDefault(defeat, IDOK));
  ExpectTextsFit(defeat);

  CDialog victory(IDD_VICTORY);
  ExpectControls(victory, QSize(283, 113),
                 {
                     {"static", IDC_STATIC, "Chaos has surrended. Congratulations, your forces are victorious!",
                      QRect(40, 26, 195, 29)},
                     {"button", IDOK, "OK", QRect(103, 65, 75, 22)},
                 });
  EXPECT_TRUE(IsDefault(victory, IDOK));
  ExpectTextsFit(victory);
}

TEST(DialogLayoutTest, NewUserAsksForANameBesideARightAlignedLabel) {
  CNewUserDialog newUser;
  ExpectControls(newUser, QSize(273, 113),
                 {
                     {"static", IDC_STATIC, "Username:", QRect(10, 39, 67, 14)},
                     {"edit", IDC_USERNAME, "", QRect(82, 35, 156, 22)},
                     {"button", IDOK, "OK", QRect(97, 79, 75, 22)},
                     {"button", IDCANCEL, "Cancel", QRect(187, 79, 75, 22)},
                 });
  EXPECT_TRUE(IsDefault(newUser, IDOK));
  EXPECT_TRUE(qobject_cast<QLabel*>(Controls(newUser)[0])->alignment() & Qt::AlignRight);
  for (char c : newUser.name) ASSERT_EQ(c, '\0') << "the name buffer starts all zero";
  ExpectTextsFit(newUser);
}

TEST(DialogLayoutTest, OptionsShowASixPositionSpeedSlider) {
  COptionsDialog options;
  options.PrepareToShow();
  ExpectControls(options, QSize(339, 123),
                 {
                     {"static", IDC_STATIC, "Game Speed:", QRect(19, 45, 66, 14)},
                     {"static", IDC_STATIC, "Slowest", QRect(82, 24, 39, 13)},
                     {"static", IDC_STATIC, "Fastest", QRect(292, 21, 36, 13)},
                     {"slider", IDC_SPEED, "", QRect(91, 37, 226, 45)},
                     {"button", IDOK, "OK", QRect(162, 89, 75, 22)},
                     {"button", IDCANCEL, "Cancel", QRect(247, 89, 75, 22)},
                 });
  auto* slider = options.Control<QSlider>(IDC_SPEED);
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_EQ(slider->minimum(), 0);
  EXPECT_EQ(slider->maximum(), 5);
  EXPECT_EQ(slider->tickPosition(), QSlider::TicksBothSides);
  EXPECT_EQ(slider->tickInterval(), 1);
  EXPECT_TRUE(IsDefault(options, IDOK));
  ExpectTextsFit(options);
}

TEST(DialogLayoutTest, DialogsAreFramelessAndCentredOverTheirParent) {
  QWidget parent;
  parent.setGeometry(100, 80, 800, 600);
  parent.show();
  CDialog confirm(IDD_CONFIRM, &parent);
  confirm.PrepareToShow();
  EXPECT_TRUE(confirm.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(confirm.isModal());
  const QPoint centre = confirm.geometry().center();
  EXPECT_LE(std::abs(centre.x() - parent.frameGeometry().center().x()), 1);
  EXPECT_LE(std::abs(centre.y() - parent.frameGeometry().center().y()), 1);
}

TEST_F(DialogTest, EnterAndEscapeAnswerNoToBothQuestions) {
  for (const int id : {IDD_CONFIRM, IDD_OVERWRITE}) {
    CDialog enter(id);
    EXPECT_EQ(AnswerWithKey(enter, Qt::Key_Return), IDCANCEL) << id;
    CDialog keypadEnter(id);
    EXPECT_EQ(AnswerWithKey(keypadEnter, Qt::Key_Enter), IDCANCEL) << id;
    CDialog escape(id);
    EXPECT_EQ(AnswerWithKey(escape, Qt::Key_Escape), IDCANCEL) << id;
    // Even with the focus on "Yes", Enter presses the default "NO".
    CScriptedDialogs script;
    Script(script);
    script.Do(id, [](CDialog& dialog) {
      dialog.Control(IDOK)->setFocus();
      QTest::keyClick(dialog.Control(IDOK), Qt::Key_Return);
    });
    EXPECT_EQ(CDialog(id).DoModal(), IDCANCEL) << id;
  }
  EXPECT_TRUE(failures.empty());
}

TEST_F(DialogTest, YesAnswersOkAndTheHelpersReadTheAnswer) {
  CScriptedDialogs script;
  Script(script);
  script.Press(IDD_CONFIRM, IDOK)
      .Press(IDD_CONFIRM, IDCANCEL)
      .Press(IDD_OVERWRITE, IDOK)
      .Type(IDD_OVERWRITE, Qt::Key_Return);
  EXPECT_TRUE(AskAreYouSure(nullptr));
  EXPECT_FALSE(AskAreYouSure(nullptr));
  EXPECT_TRUE(AskOverwriteProfile(nullptr));
  EXPECT_FALSE(AskOverwriteProfile(nullptr));
  EXPECT_TRUE(script.AllAnswered());
  EXPECT_TRUE(failures.empty());
}

TEST_F(DialogTest, MessagesAnswerOkToEnterAndCancelToEscape) {
  for (const int id : {IDD_ABOUT, IDD_VICTORY, IDD_DEFEAT}) {
    CDialog enter(id);
    EXPECT_EQ(AnswerWithKey(enter, Qt::Key_Return), IDOK) << id;
    CDialog escape(id);
    EXPECT_EQ(AnswerWithKey(escape, Qt::Key_Escape), IDCANCEL) << id;
  }
  CScriptedDialogs script;
  Script(script);
  script.Press(IDD_VICTORY, IDOK).Press(IDD_DEFEAT, IDOK);
  int closed = 0;  // the end-of-game messages open without waiting and tell when they close
  for (CDialog* message : {MakeVictoryMessage(nullptr), MakeDefeatMessage(nullptr)}) {
    QObject::connect(message, &QDialog::finished, [&closed] { ++closed; });
    message->Open();
  }
  EXPECT_EQ(closed, 2);
  EXPECT_EQ(script.Shown(), (std::vector<int>{IDD_VICTORY, IDD_DEFEAT}));
  EXPECT_TRUE(failures.empty());
}

namespace {

// Types text into the New User dialog as given and presses OK; the name the
// dialog keeps.
std::string NewUserName(const QString& text, Qt::Key finish = Qt::Key_unknown) {
  CNewUserDialog dialog;
  CScriptedDialogs script;
  script.Do(IDD_NEW_USER, [&](CDialog& shown) {
    shown.Control<QLineEdit>(IDC_USERNAME)->setText(text);
    if (finish == Qt::Key_unknown) {
      shown.PressButton(IDOK);
    } else {
      QTest::keyClick(shown.Control(IDC_USERNAME), finish);
    }
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  return dialog.name;
}

}  // namespace

TEST(NewUserDialogTest, NamesKeepOnlyAsciiLettersAndDigits) {
  EXPECT_EQ(NewUserName("Bob Smith"), "Bob_Smith");
  EXPECT_EQ(NewUserName("my user!"), "my_user_");
  EXPECT_EQ(NewUserName("a.b/c\\d:e"), "a_b_c_d_e");
  EXPECT_EQ(NewUserName("../etc"), "___etc");
  EXPECT_EQ(NewUserName("AZaz09"), "AZaz09");
  // Characters outside ASCII become one "_" each, also beyond the basic plane.
  EXPECT_EQ(NewUserName(QString::fromUtf8("Zo\u00eb \u65e5\u672c")), "Zo____");
  EXPECT_EQ(NewUserName(QString::fromUtf8("x\U0001F600y")), "x_y");
  EXPECT_EQ(NewUserName(""), "");
}

TEST(NewUserDialogTest, EnterInTheNameBoxIsOk) { EXPECT_EQ(NewUserName("Ann", Qt::Key_Return), "Ann"); }

TEST(NewUserDialogTest, NamesAreCutAt250CharactersLeavingRoomForTheExtension) {
  const std::string name = NewUserName(QString(300, 'q'));
  EXPECT_EQ(name, std::string(250, 'q'));
  EXPECT_LE(name.size() + std::string(".tvu").size() + 1, sizeof(CNewUserDialog::name));
  EXPECT_EQ(NewUserName(QString(250, 'r')), std::string(250, 'r'));
}

TEST(NewUserDialogTest, CancelLeavesTheNameUntouched) {
  CNewUserDialog dialog;
  CScriptedDialogs script;
  script.Do(IDD_NEW_USER, [](CDialog& shown) {
    shown.Control<QLineEdit>(IDC_USERNAME)->setText("Bob");
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_STREQ(dialog.name, "");
}

TEST(NewUserDialogTest, TheNameBoxTakesNoMoreThanItShows) {
  CNewUserDialog dialog;
  dialog.PrepareToShow();
  dialog.show();
  auto* edit = dialog.Control<QLineEdit>(IDC_USERNAME);
  edit->setFocus();
  QTest::keyClicks(edit, QString(80, 'W'));
  EXPECT_GT(edit->text().size(), 5);
  EXPECT_LT(edit->text().size(), 80);
  EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width());
}

namespace {

// Opens the Options dialog with speed, lets act move the slider, presses
// button and returns the dialog's speed afterwards.
int OptionsRoundTrip(int speed, const std::function<void(QSlider&)>& act, int button, int* shownPosition = nullptr) {
  COptionsDialog dialog;
  dialog.speed = speed;
  CScriptedDialogs script;
  script.Do(IDD_OPTIONS, [&](CDialog& shown) {
    auto* slider = shown.Control<QSlider>(IDC_SPEED);
    if (shownPosition != nullptr) *shownPosition = slider->value();
    act(*slider);
    shown.PressButton(button);
  });
  EXPECT_EQ(dialog.DoModal(), button);
  return dialog.speed;
}

}  // namespace

TEST(OptionsDialogTest, SliderRunsFromSlowestOnTheLeftToFastestOnTheRight) {
  int position = -1;
  EXPECT_EQ(OptionsRoundTrip(
                5, [](QSlider&) {}, IDOK, &position),
            5);
  EXPECT_EQ(position, 0) << "speed 5 sits at Slowest";
  EXPECT_EQ(OptionsRoundTrip(
                5, [](QSlider& s) { s.setValue(s.maximum()); }, IDOK),
            0);
  EXPECT_EQ(OptionsRoundTrip(
                0, [](QSlider&) {}, IDOK, &position),
            0);
  EXPECT_EQ(position, 5) << "speed 0 sits at Fastest";
  for (int speed = 0; speed <= 5; ++speed) {
    EXPECT_EQ(OptionsRoundTrip(
                  speed, [](QSlider&) {}, IDOK, &position),
              speed);
    EXPECT_EQ(position, 5 - speed);
  }
}

TEST(OptionsDialogTest, StartUpSpeedOneIsOneStepLeftOfFastest) {
  int position = -1;
  EXPECT_EQ(OptionsRoundTrip(
                1, [](QSlider& s) { QTest::keyClick(&s, Qt::Key_Right); }, IDOK, &position),
            0);
  EXPECT_EQ(position, 4);
  EXPECT_EQ(OptionsRoundTrip(
                1, [](QSlider& s) { QTest::keyClick(&s, Qt::Key_Left); }, IDOK),
            2);
}

TEST(OptionsDialogTest, CancelKeepsTheSpeed) {
  EXPECT_EQ(OptionsRoundTrip(
                3, [](QSlider& s) { s.setValue(0); }, IDCANCEL),
            3);
}

TEST(ModalLoopTest, TheRealLoopEndsWithTheAnswerOfTheKeyPressed) {
  CDialog confirm(IDD_CONFIRM);
  confirm.PrepareToShow();
  // The dialog's own event loop: Escape typed once it runs. A second timer
  // ends a loop that would otherwise never end, with an answer no dialog gives.
  QTimer::singleShot(0, &confirm, [&confirm] { QTest::keyClick(&confirm, Qt::Key_Escape); });
  QTimer::singleShot(5000, &confirm, [&confirm] { confirm.done(-1); });
  EXPECT_EQ(confirm.exec(), IDCANCEL);

  CDialog victory(IDD_VICTORY);
  victory.PrepareToShow();
  QTimer::singleShot(0, &victory, [&victory] { QTest::keyClick(&victory, Qt::Key_Return); });
  QTimer::singleShot(5000, &victory, [&victory] { victory.done(-1); });
  EXPECT_EQ(victory.exec(), IDOK);
}
