#include "ui/platform/message_box.h"

#include <QFontMetrics>

#include "ui/platform/dialog.h"
#include "ui/platform/dialog_units.h"
#include "ui/platform/window_app.h"
#include "ui/resources/dialog_font.h"

namespace {

// A template sized for the text: as many lines of 200 dialog units as the
// text needs, then the OK button centred below.
DialogTemplate MessageBoxTemplate(const QString& text, std::string& storage) {
  constexpr int kTextWidth = 200;
  const QFontMetrics metrics(DialogFont());
  const QRect needed =
      metrics.boundingRect(QRect(0, 0, DialogUnitsToPixelsX(kTextWidth), 10000), Qt::TextWordWrap, text);
  const int lines = std::max(1, (needed.height() + metrics.height() - 1) / metrics.height());
  const int textHeight = lines * 9;
  storage = text.toStdString();
  return DialogTemplate{kMessageBoxTemplateId,
                        DialogKind::Modal,
                        kTextWidth + 20,
                        textHeight + 40,
                        {
                            {ControlKind::Static, IDC_STATIC, storage.c_str(), 0, {10, 10, kTextWidth, textHeight}, 0},
                            {ControlKind::PushButton,
                             IDOK,
                             "OK",
                             0,
                             {(kTextWidth + 20 - 50) / 2, textHeight + 18, 50, 14},
                             kDefaultButton | kTabStop},
                        }};
}

}  // namespace

int AfxMessageBox(const QString& text) {
  std::string storage;
  const DialogTemplate layout = MessageBoxTemplate(text, storage);
  CWinApp* app = AfxGetApp();
  CDialog box(layout, app != nullptr ? app->MainWindow() : nullptr);
  return box.DoModal();
}
