#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

struct Installed {
  QString language;
  std::unique_ptr<QTranslator> game;
  std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
  if (translator) QCoreApplication::removeTranslator(translator.get());
  translator.reset();
}

}  // namespace

QString InstallLanguage(const QLocale& locale) {
  Installed& current = Current();
  Remove(current.game);
  Remove(current.qt);
  current.language.clear();
  auto game = std::make_unique<QTranslator>();
  // The game's translations are resources of the program, ":/i18n/tarvell_de.qm".
  if (!game->load(locale, QStringLiteral("tarvell"), QStringLiteral("_"), QStringLiteral(":/i18n"))) return {};
  current.language = game->language();  // as its source names it: "de", "pt_BR"
  QCoreApplication::installTranslator(game.get());
  current.game = std::move(game);
  // Qt's own (the standard buttons, the file dialog) where the system has them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    current.qt = std::move(qt);
  }
  return current.language;
}

QString GameLanguage() { return Current().language; }
