// One game per user: a second start of the real program hands its profile to
// the game already running for the same settings, and the window is the one
// the desktop entry names.

#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "tests/ui/game_test_support.h"
#include "ui/help_window.h"
#include "ui/options_dialog.h"
#include "ui/settings.h"
#include "ui/single_instance.h"

namespace {

// The sockets of these tests go to a runtime folder of their own.
class RuntimeFolder {
 public:
  RuntimeFolder() : previous_(qgetenv("XDG_RUNTIME_DIR")) { qputenv("XDG_RUNTIME_DIR", folder_.path().toUtf8()); }
  ~RuntimeFolder() { qputenv("XDG_RUNTIME_DIR", previous_); }
  QString Path() const { return folder_.path(); }

 private:
  QTemporaryDir folder_;
  QByteArray previous_;
};

class SingleInstanceTest : public GameTest {
 protected:
  // Starts the real program, as the desktop would, in the working folder
  // with these settings and runtime folders and the arguments given; runs
  // this program's events until it ends. Its exit status, or -1 when it
  // crashed or ran for more than ten seconds.
  int SecondStart(const QStringList& arguments) {
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", SettingsFolder());
    environment.insert("XDG_RUNTIME_DIR", runtime_.Path());
    game.setProcessEnvironment(environment);
    game.setWorkingDirectory(QDir::currentPath());
    game.start(TARVELL_GAME, arguments);
    const bool ended = QTest::qWaitFor([&game] { return game.state() == QProcess::NotRunning; }, 10000);
    if (!ended) {
      game.kill();
      game.waitForFinished();
    }
    return ended && game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1;
  }

  RuntimeFolder runtime_;
};

using DesktopEntryTest = GameTest;

}  // namespace

// The second start ends at once with status 0; the first game comes to the
// front and opens the profile, named relative to where the second started,
// once the dialog that was open has closed.
TEST_F(SingleInstanceTest, ASecondStartHandsItsProfileToTheRunningGame) {
  ASSERT_TRUE(Start());
  Frame()->show();
  CSingleInstance instance(SettingsFolder());
  ASSERT_EQ(instance.Claim(QString()), CSingleInstance::Start::First);
  QStringList asked;
  QObject::connect(&instance, &CSingleInstance::anotherStart, &Game(), [&](const QString& profile) {
    asked << profile;
    Game().OnAnotherStart(profile);
  });
  Write("carol.tvu", "6\t2\t");
  int status = -2;
  Dialogs().Do(IDD_OPTIONS, [&](QDialog& options) {
    status = SecondStart({"carol.tvu"});
    // The dialog is in the way: the profile waits.
    QTest::qWait(300);
    EXPECT_EQ(ProfilePath(), Here("default.tvu"));
    ModalAnswers::PressButton(options, kReject);
  });
  Command("optionsAction");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(asked, QStringList{QString::fromStdString(Here("carol.tvu"))});
  EXPECT_TRUE(QTest::qWaitFor([&] { return ProfilePath() == Here("carol.tvu"); }, 5000));
  EXPECT_EQ(UserRecord().wins, 6);
  EXPECT_EQ(Frame()->windowTitle(), "Tarvell - carol.tvu");

  // A start without a profile only brings the window back to the front.
  Command("howToPlayAction");
  ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()->findChild<CHowToPlayWindow*>()));
  EXPECT_EQ(SecondStart({}), 0);
  EXPECT_TRUE(QTest::qWaitForWindowActive(Frame()));
  EXPECT_EQ(asked.size(), 2);
  EXPECT_EQ(asked.last(), "");
  EXPECT_EQ(ProfilePath(), Here("carol.tvu"));
}

// A game that ended without closing its socket (killed, crashed) leaves the
// socket file behind; the next start removes it and listens in its place.
TEST(SingleInstance, AStaleSocketDoesNotStopAStart) {
  const RuntimeFolder runtime;
  const QTemporaryDir settings;
  const QByteArray name = QFile::encodeName(CSingleInstance::ServerName(settings.path()));
  ASSERT_TRUE(name.startsWith(QFile::encodeName(runtime.Path())));
  sockaddr_un address = {};
  address.sun_family = AF_UNIX;
  ASSERT_LT(name.size(), static_cast<qsizetype>(sizeof address.sun_path));
  std::memcpy(address.sun_path, name.constData(), name.size());
  const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(stale);
  ASSERT_TRUE(QFileInfo::exists(QFile::decodeName(name)));

  CSingleInstance first(settings.path());
  EXPECT_EQ(first.Claim(QString()), CSingleInstance::Start::First);
  QLocalSocket later;
  later.connectToServer(QFile::decodeName(name));
  EXPECT_TRUE(later.waitForConnected(1000)) << "the new game does not listen";
}

// The window's application id is the desktop entry's, so that a Wayland
// desktop shows the entry's name and icon for it; on X11 the window's class
// is the program's file name, which the entry names as StartupWMClass.
TEST_F(DesktopEntryTest, TheWindowBelongsToTheDesktopEntry) {
  ASSERT_TRUE(Start());
  EXPECT_EQ(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(TARVELL_DESKTOP_ENTRY).fileName());
  QFile entry(TARVELL_DESKTOP_ENTRY);
  ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
  const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
  EXPECT_TRUE(lines.contains("StartupWMClass=" + QFileInfo(TARVELL_GAME).fileName())) << lines.join('|').toStdString();
}
