// The dialogs, answered as a player answers them: keys and buttons reach the
// dialog through its own event loop.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <functional>
#include <string>

#include "tests/ui/modal_answers.h"
#include "ui/about_dialog.h"
#include "ui/message_dialogs.h"
#include "ui/new_user_dialog.h"
#include "ui/options_dialog.h"

namespace {

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Answers().Reset(); }
  void TearDown() override { EXPECT_TRUE(Answers().AllAnswered()) << "an expected dialog never came"; }
  static ModalAnswers& Answers() { return ModalAnswers::Instance(); }
};

// The text and the button labels of the message box now open.
std::string Describe(QDialog& dialog) {
  auto& box = static_cast<QMessageBox&>(dialog);
  std::string text = box.windowTitle().toStdString() + ": " + box.text().toStdString() + " [";
  for (QAbstractButton* button : box.buttons()) {
    text += button->text().remove('&').toStdString();
    if (button == box.defaultButton()) text += "*";
    text += " ";
  }
  return text + "]";
}

}  // namespace

TEST_F(DialogTest, QuestionsOfferYesAndADefaultNoThatEnterAndEscapeAnswer) {
  using Ask = bool (*)(QWidget*);
  const std::pair<Ask, const char*> questions[] = {{AskAreYouSure, IDD_CONFIRM}, {AskOverwriteProfile, IDD_OVERWRITE}};
  for (const auto& [ask, name] : questions) {
    Answers().Press(name, kAccept);
    EXPECT_TRUE(ask(nullptr)) << name;
    Answers().Press(name, kReject);
    EXPECT_FALSE(ask(nullptr)) << name;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      Answers().Type(name, key);
      EXPECT_FALSE(ask(nullptr)) << name << " " << key;
    }
    // Even with the focus on "Yes", Enter presses the default "NO".
    Answers().Do(name, [](QDialog& dialog) {
      auto& box = static_cast<QMessageBox&>(dialog);
      box.buttons().at(0)->setFocus();
      QTest::keyClick(box.focusWidget(), Qt::Key_Return);
    });
    EXPECT_FALSE(ask(nullptr)) << name;
  }
  std::string seen;
  Answers().Do(IDD_CONFIRM, [&seen](QDialog& dialog) {
    seen = Describe(dialog);
    dialog.reject();
  });
  AskAreYouSure(nullptr);
  EXPECT_EQ(seen, "Tarvell: Are you sure? [Yes NO* ]");
  Answers().Do(IDD_OVERWRITE, [&seen](QDialog& dialog) {
    seen = Describe(dialog);
    dialog.reject();
  });
  AskOverwriteProfile(nullptr);
  EXPECT_EQ(seen, "Tarvell: This user model already exists. Do you want to overwrite it? [Yes NO* ]");
}

// Each button of the game's questions answers to its underlined letter,
// typed alone or with Alt into the question, active as it is for the player.
TEST_F(DialogTest, QuestionButtonsAnswerToTheirLetters) {
  const auto typed = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [key, modifiers](QDialog& dialog) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
      QTest::keyClick(dialog.focusWidget(), key, modifiers);
    };
  };
  Answers().Do(IDD_CONFIRM, typed(Qt::Key_Y));
  EXPECT_TRUE(AskAreYouSure(nullptr));
  Answers().Do(IDD_OVERWRITE, typed(Qt::Key_Y, Qt::AltModifier));
  EXPECT_TRUE(AskOverwriteProfile(nullptr));
  Answers().Do(IDD_CONFIRM, typed(Qt::Key_K));
  EXPECT_EQ(AskLeaveOrKeep(nullptr), LeaveAnswer::Keep);
  Answers().Do(IDD_CONFIRM, typed(Qt::Key_Y, Qt::AltModifier));
  EXPECT_EQ(AskLeaveOrKeep(nullptr), LeaveAnswer::Leave);
  Answers().Do(IDD_CONTINUE, typed(Qt::Key_N));
  EXPECT_FALSE(AskContinueGame(nullptr, 3));
  Answers().Do(IDD_ANOTHER_USER, typed(Qt::Key_S, Qt::AltModifier));
  EXPECT_EQ(AskAnotherUser(nullptr, "The profile is in use."), AnotherUser::Select);
  Answers().Do(IDD_ANOTHER_USER, typed(Qt::Key_P));
  EXPECT_EQ(AskAnotherUser(nullptr, "The profile is in use."), AnotherUser::None);
}

TEST_F(DialogTest, EndOfGameMessagesHaveTheirTextAndOneOkButton) {
  std::string victory, defeat;
  Answers().Do(IDD_VICTORY, [&victory](QDialog& dialog) {
    victory = Describe(dialog);
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  Answers().Do(IDD_DEFEAT, [&defeat](QDialog& dialog) {
    defeat = Describe(dialog);
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  CreateVictoryMessage(nullptr)->exec();
  CreateDefeatMessage(nullptr)->exec();
  EXPECT_EQ(victory, "Tarvell: Chaos has surrended. Congratulations, your forces are victorious! [OK* ]");
  EXPECT_EQ(defeat, "Tarvell: Your forces have been vanquished. Chaos is victorious. [OK* ]");
}

TEST_F(DialogTest, AboutShowsNameVersionAndCredits) {
  QStringList texts;
  Answers().Do(IDD_ABOUT, [&texts](QDialog& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>())
      texts << (label->pixmap().isNull() ? label->text() : QStringLiteral("icon"));
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  EXPECT_EQ(CAboutDialog().exec(), QDialog::Accepted);
  EXPECT_TRUE(texts.contains("Tarvell Version " TARVELL_VERSION)) << texts.join('|').toStdString();
  EXPECT_TRUE(texts.contains("icon"));
  EXPECT_EQ(texts.size(), 5);
}

namespace {

// Types text into the New User dialog and ends it with finish (or OK); the
// name the dialog keeps.
std::string NewUserName(const QString& text, Qt::Key finish = Qt::Key_unknown) {
  CNewUserDialog dialog;
  ModalAnswers::Instance().Do(IDD_NEW_USER, [&](QDialog& shown) {
    shown.findChild<QLineEdit*>("IDC_USERNAME")->setText(text);
    if (finish == Qt::Key_unknown) {
      ModalAnswers::PressButton(shown, kAccept);
    } else {
      QTest::keyClick(shown.findChild<QLineEdit*>("IDC_USERNAME"), finish);
    }
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  return dialog.name;
}

}  // namespace

TEST_F(DialogTest, NewUserNamesKeepOnlyAsciiLettersAndDigits) {
  EXPECT_EQ(NewUserName("Bob Smith"), "Bob_Smith");
  EXPECT_EQ(NewUserName("a.b/c\\d:e"), "a_b_c_d_e");
  EXPECT_EQ(NewUserName("AZaz09"), "AZaz09");
  // Characters outside ASCII become one "_" each, also beyond the basic plane.
  EXPECT_EQ(NewUserName(QString::fromUtf8("Zo\u00eb \u65e5\u672c")), "Zo____");
  EXPECT_EQ(NewUserName(QString::fromUtf8("x\U0001F600y")), "x_y");
  EXPECT_EQ(NewUserName(""), "");
  EXPECT_EQ(NewUserName("Ann", Qt::Key_Return), "Ann") << "Enter in the name box is OK";
  const std::string name = NewUserName(QString(300, 'q'));
  EXPECT_EQ(name, std::string(250, 'q'));
  EXPECT_LE(name.size() + std::string(".tvu").size() + 1, sizeof(CNewUserDialog::name));
}

TEST_F(DialogTest, NewUserCancelLeavesTheNameUntouched) {
  CNewUserDialog dialog;
  Answers().Do(IDD_NEW_USER, [](QDialog& shown) {
    shown.findChild<QLineEdit*>("IDC_USERNAME")->setText("Bob");
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_STREQ(dialog.name, "");
}

TEST_F(DialogTest, TheNameBoxTakesNoMoreThanItShows) {
  CNewUserDialog dialog;
  int typed = 0;
  Answers().Do(IDD_NEW_USER, [&typed](QDialog& shown) {
    auto* edit = shown.findChild<QLineEdit*>("IDC_USERNAME");
    QTest::keyClicks(edit, QString(80, 'W'));
    typed = static_cast<int>(edit->text().size());
    EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->width());
    shown.reject();
  });
  dialog.exec();
  EXPECT_GT(typed, 5);
  EXPECT_LT(typed, 80);
}

namespace {

// Opens the Options dialog with speed, lets act move the slider, ends it with
// button and returns the speed the caller would take (or speed after Cancel).
int OptionsRoundTrip(int speed, const std::function<void(QSlider&)>& act, Answer button, int* shownPosition = nullptr) {
  COptionsDialog dialog(speed, ChaosMode::Classic);
  ModalAnswers::Instance().Do(IDD_OPTIONS, [&](QDialog& shown) {
    auto* slider = shown.findChild<QSlider*>("IDC_SPEED");
    if (shownPosition != nullptr) *shownPosition = slider->value();
    act(*slider);
    ModalAnswers::PressButton(shown, button);
  });
  return dialog.exec() == QDialog::Accepted ? dialog.Speed() : speed;
}

}  // namespace

TEST_F(DialogTest, OptionsSliderRunsFromSlowestOnTheLeftToFastestOnTheRight) {
  int position = -1;
  for (int speed = 0; speed <= 5; ++speed) {
    EXPECT_EQ(OptionsRoundTrip(
                  speed, [](QSlider&) {}, kAccept, &position),
              speed);
    EXPECT_EQ(position, 5 - speed);
  }
  EXPECT_EQ(OptionsRoundTrip(
                5, [](QSlider& s) { QTest::keyClick(&s, Qt::Key_End); }, kAccept),
            0);
  // The start-up speed 1 sits one step left of "Fastest".
  EXPECT_EQ(OptionsRoundTrip(
                1, [](QSlider& s) { QTest::keyClick(&s, Qt::Key_Right); }, kAccept),
            0);
  EXPECT_EQ(OptionsRoundTrip(
                1, [](QSlider& s) { QTest::keyClick(&s, Qt::Key_Left); }, kAccept),
            2);
  EXPECT_EQ(OptionsRoundTrip(
                3, [](QSlider& s) { s.setValue(0); }, kReject),
            3);
}

// A dialog nobody answers is closed by the watch, which names it.
TEST_F(DialogTest, AnUnexpectedDialogFailsTheTestAndIsClosed) {
  ::testing::TestPartResultArray failures;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    EXPECT_FALSE(AskAreYouSure(nullptr));
  }
  ASSERT_EQ(failures.size(), 1);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("IDD_CONFIRM was shown"), std::string::npos)
      << failures.GetTestPartResult(0).message();
}

// An answer that leaves its dialog open: the watch closes it after a few
// seconds and names it.
TEST_F(DialogTest, ADialogLeftOpenFailsTheTestAndIsClosed) {
  ::testing::TestPartResultArray failures;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    Answers().Do(IDD_OVERWRITE, [](QDialog&) {});
    EXPECT_FALSE(AskOverwriteProfile(nullptr));
  }
  ASSERT_EQ(failures.size(), 1);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("IDD_OVERWRITE stayed open"), std::string::npos)
      << failures.GetTestPartResult(0).message();
}
