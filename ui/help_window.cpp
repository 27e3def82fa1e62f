#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/language.h"

// The page is compiled into the game's library; a static library's
// resources must be registered by name.
static void RegisterHelpPage() { Q_INIT_RESOURCE(help); }

namespace {

// The page in the language the game speaks where it ships one
// (":/help/how_to_play_de.html" for German), otherwise the English one.
QString HowToPlayPage() {
  const QString page = QStringLiteral(":/help/how_to_play_%1.html").arg(GameLanguage());
  if (!GameLanguage().isEmpty() && QFile::exists(page)) return QStringLiteral("qrc") + page;
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
