#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLocale>
#include <QTextBrowser>
#include <QVBoxLayout>

// The page is compiled into the game's library; a static library's
// resources must be registered by name.
static void RegisterHelpPage() { Q_INIT_RESOURCE(help); }

namespace {

// The page in the player's language where the game ships one
// (":/help/how_to_play_de.html" for German), otherwise the English one.
QString HowToPlayPage() {
  for (QString language : QLocale().uiLanguages()) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (const QString& name : {language, language.section(QLatin1Char('_'), 0, 0)}) {
      const QString page = QStringLiteral(":/help/how_to_play_%1.html").arg(name);
      if (QFile::exists(page)) return QStringLiteral("qrc") + page;
    }
  }
  return QStringLiteral("qrc:/help/how_to_play.html");
}

}  // namespace

CHowToPlayWindow::CHowToPlayWindow(QWidget* parent) : QDialog(parent), page_(new QTextBrowser) {
  RegisterHelpPage();
  setWindowTitle(tr("How to Play Tarvell"));
  page_->setSource(QUrl(HowToPlayPage()));
  page_->setOpenLinks(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addWidget(buttons);
  resize(640, 560);
}
