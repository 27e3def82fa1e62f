#pragma once
// One game per user. The first game started for a settings folder listens
// on a local socket named after that folder; a later start for the same
// folder hands its request (the profile it was given, if any) to that game
// and ends, instead of opening a second window on the same profiles and
// settings.
//
// The socket lives in $XDG_RUNTIME_DIR (the system's temporary folder when
// that is not set), is open to its owner only, and is named
// "tarvell-<hash of the settings folder>". A socket left behind by a game
// that did not end cleanly answers no connection: the next start removes it
// and takes its place. A lock file beside it keeps two starts at the same
// moment from both taking it.
//
// The request is one frame: a 32-bit big-endian byte count, then the
// profile's absolute path in UTF-8 (empty: only show the window). The game
// answers with one byte once it has taken the request.

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

class CSingleInstance : public QObject {
  Q_OBJECT

 public:
  // How long a start waits for the running game to take its request.
  static constexpr int kAnswerMilliseconds = 5000;

  enum class Start {
    First,      // no game runs for this user: this one listens now
    HandedOff,  // the running game took the request: end with status 0
    NoAnswer,   // a game runs but did not take the request in time
  };

  // For the settings folder settingsFolder (see SettingsFolder()).
  explicit CSingleInstance(const QString& settingsFolder, QObject* parent = nullptr);
  ~CSingleInstance() override;

  // The socket's full path for a settings folder.
  static QString ServerName(const QString& settingsFolder);

  // Hands profile (made absolute here; empty for none) to the game that
  // runs for this user, or becomes that game. When listening fails (no
  // folder to put the socket in) the start goes on as First, alone.
  Start Claim(const QString& profile);

 signals:
  // Another start for this user asked for profile (absolute, or empty).
  void anotherStart(const QString& profile);

 private:
  Start HandOff(QLocalSocket& socket, const QString& profile);
  void Listen();
  void Accept();

  QString name_;
  QLocalServer* server_ = nullptr;
};

// Brings window to the front and gives it the keyboard. Where the desktop
// refuses to hand the focus over (Wayland, focus-stealing prevention), the
// window asks for attention instead.
void BringToFront(QWidget* window);
