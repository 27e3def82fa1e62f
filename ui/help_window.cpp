#include "ui/help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

// The page is compiled into the game's library; a static library's
// resources must be registered by name.
static void RegisterHelpPage() { Q_INIT_RESOURCE(help); }

CHowToPlayWindow::CHowToPlayWindow(QWidget* parent) : QDialog(parent), page_(new QTextBrowser) {
  RegisterHelpPage();
  setWindowTitle("How to Play Tarvell");
  page_->setSource(QUrl("qrc:/help/how_to_play.html"));
  page_->setOpenLinks(false);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(page_);
  layout->addWidget(buttons);
  resize(640, 560);
}
