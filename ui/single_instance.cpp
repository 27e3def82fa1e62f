#include "ui/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtEndian>

#include <cstdio>

namespace {

// A start that finds a listener gets through at once; one that finds none
// learns so at once too (the connection is refused). The wait only bounds
// a listener whose backlog is full.
constexpr int kConnectMilliseconds = 1000;
// No path is this long; anything longer is not a request of ours.
constexpr quint32 kMaxRequestBytes = 64 * 1024;
constexpr char kTaken = '\1';
// How long the desktop gets to hand the focus over before the window asks
// for attention instead.
constexpr int kActivationMilliseconds = 250;

QString RuntimeFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && QFileInfo(runtime).isDir()) return runtime;
  return QDir::tempPath();
}

QByteArray Frame(const QString& profile) {
  const QByteArray path = profile.toUtf8();
  QByteArray frame(4, '\0');
  qToBigEndian(static_cast<quint32>(path.size()), frame.data());
  return frame + path;
}

// Reads a whole request from socket once it has arrived: true with profile
// set; false while it is incomplete, or for a socket that sent something
// else (which is then closed).
bool ReadRequest(QLocalSocket& socket, QString& profile) {
  if (socket.bytesAvailable() < 4) return false;
  quint32 size = 0;
  char header[4];
  socket.peek(header, 4);
  size = qFromBigEndian<quint32>(header);
  if (size > kMaxRequestBytes) {
    socket.abort();
    return false;
  }
  if (socket.bytesAvailable() < 4 + static_cast<qint64>(size)) return false;
  socket.skip(4);
  profile = QString::fromUtf8(socket.read(size));
  return true;
}

}  // namespace

CSingleInstance::CSingleInstance(const QString& settingsFolder, QObject* parent)
    : QObject(parent), name_(ServerName(settingsFolder)) {}

CSingleInstance::~CSingleInstance() = default;

QString CSingleInstance::ServerName(const QString& settingsFolder) {
  const QFileInfo folder(settingsFolder);
  const QString path = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
  const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
  return RuntimeFolder() + QStringLiteral("/tarvell-") + QString::fromLatin1(hash);
}

CSingleInstance::Start CSingleInstance::Claim(const QString& profile) {
  const QString absolute = profile.isEmpty() ? QString() : QFileInfo(profile).absoluteFilePath();
  // Between the look for a listener and the listening, no other start may
  // look: it would find none either and remove this one's socket. A lock
  // that cannot be had in time (a folder without write access) is done
  // without.
  QLockFile lock(name_ + QStringLiteral(".lock"));
  lock.tryLock(kConnectMilliseconds);
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (socket.waitForConnected(kConnectMilliseconds)) return HandOff(socket, absolute);
  // Nobody listens: a socket file there is stale.
  QLocalServer::removeServer(name_);
  Listen();
  return Start::First;
}

CSingleInstance::Start CSingleInstance::HandOff(QLocalSocket& socket, const QString& profile) {
  socket.write(Frame(profile));
  if (!socket.waitForBytesWritten(kAnswerMilliseconds)) return Start::NoAnswer;
  char answer = 0;
  while (socket.bytesAvailable() == 0) {
    if (!socket.waitForReadyRead(kAnswerMilliseconds)) return Start::NoAnswer;
  }
  return socket.getChar(&answer) && answer == kTaken ? Start::HandedOff : Start::NoAnswer;
}

void CSingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name_)) {
    std::fprintf(stderr, "tarvell: later starts cannot reach this game (%s: %s)\n", qPrintable(name_),
                 qPrintable(server_->errorString()));
    return;
  }
  connect(server_, &QLocalServer::newConnection, this, &CSingleInstance::Accept);
}

void CSingleInstance::Accept() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto read = [this, socket] {
      QString profile;
      if (!ReadRequest(*socket, profile)) return;
      // Taken before it is acted on: acting may open a dialog and wait for
      // the player, while the other start waits for this answer.
      socket->putChar(kTaken);
      socket->flush();
      socket->disconnectFromServer();
      emit anotherStart(profile);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();
  }
}

void BringToFront(QWidget* window) {
  if (window->isMinimized()) window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
  // Wayland and focus-stealing prevention keep the focus where it is: the
  // window asks for attention (a blinking task-bar entry, a notice).
  QTimer::singleShot(kActivationMilliseconds, window, [window = QPointer<QWidget>(window)] {
    if (window != nullptr && !window->isActiveWindow()) QApplication::alert(window);
  });
}
