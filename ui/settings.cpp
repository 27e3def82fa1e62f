#include "ui/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

const QString kName = QStringLiteral("Tarvell");
// Where earlier versions kept their settings, word for word.
const QString kEarlierOrganization = QStringLiteral("Local AppWizard-Generated Applications");

// The files QSettings reads for organisation/application: the
// application's own and the organisation's fallback.
QStringList SettingsFiles(const QString& organization) {
  const QString folder = SettingsFolder();
  return {folder + QLatin1Char('/') + organization + QLatin1Char('/') + kName + QStringLiteral(".conf"),
          folder + QLatin1Char('/') + organization + QStringLiteral(".conf")};
}

// Why one file must not be read, or empty. Only its status is looked at:
// opening a FIFO would already block. A symbolic link is followed, as Qt
// follows it.
QString FileProblem(const QString& path) {
  struct stat status;
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
    if (errno == ENOENT) return {};
    return QCoreApplication::translate("Settings", "%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
  }
  if (S_ISDIR(status.st_mode)) return QCoreApplication::translate("Settings", "%1 is a folder").arg(path);
  if (!S_ISREG(status.st_mode)) return QCoreApplication::translate("Settings", "%1 is not a regular file").arg(path);
  if (status.st_size > kMaxSettingsBytes)
    return QCoreApplication::translate("Settings", "%1 is larger than %2 bytes").arg(path).arg(kMaxSettingsBytes);
  return {};
}

QString FilesProblem(const QString& organization) {
  for (const QString& file : SettingsFiles(organization))
    if (QString problem = FileProblem(file); !problem.isEmpty()) return problem;
  return {};
}

}  // namespace

QString SettingsFolder() {
  // A QSettings made for a name that nobody uses gives the folder without
  // reading any file that matters (constructing one reads its files at once).
  const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral(".tarvell-probe"),
                        QStringLiteral("probe"));
  return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

QString SettingsProblem() {
  const QString problem = FilesProblem(kName);
  if (problem.isEmpty()) return {};
  return QCoreApplication::translate("Settings",
                                     "The game's settings cannot be read (%1). It starts with its defaults and "
                                     "remembers no settings this time.")
      .arg(problem);
}

std::unique_ptr<QSettings> OpenSettings() {
  if (!FilesProblem(kName).isEmpty()) return nullptr;
  return std::make_unique<QSettings>(kName, kName);
}

void CopyEarlierSettings() {
  if (QFileInfo::exists(SettingsFiles(kName).front()) || !FilesProblem(kEarlierOrganization).isEmpty()) return;
  if (!QFileInfo::exists(SettingsFiles(kEarlierOrganization).front())) return;
  const std::unique_ptr<QSettings> settings = OpenSettings();
  if (settings == nullptr) return;
  const QSettings earlier(kEarlierOrganization, kName);
  for (const QString& key : earlier.allKeys()) {
    if (key.startsWith(QStringLiteral("Recent File List/")) || key == QStringLiteral("Settings/Zoom"))
      settings->setValue(key, earlier.value(key));
  }
}
