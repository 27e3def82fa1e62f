#include "tests/ui/modal_answers.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

constexpr int kLookMilliseconds = 10;
ModalAnswers* instance = nullptr;

}  // namespace

ModalAnswers& ModalAnswers::Instance() { return *instance; }

ModalAnswers::ModalAnswers() {
  instance = this;
  connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Look);
  timer_.start(kLookMilliseconds);
}

ModalAnswers::~ModalAnswers() { instance = nullptr; }

ModalAnswers& ModalAnswers::Press(const char* dialog, Answer button) {
  return Do(dialog, [button](QDialog& shown) { PressButton(shown, button); });
}

ModalAnswers& ModalAnswers::Type(const char* dialog, Qt::Key key) {
  return Do(dialog, [key](QDialog& shown) {
    QWidget* target = shown.focusWidget() != nullptr ? shown.focusWidget() : &shown;
    QTest::keyClick(target, key);
  });
}

ModalAnswers& ModalAnswers::Do(const char* dialog, std::function<void(QDialog&)> action) {
  script_.push_back(Step{dialog, std::move(action)});
  return *this;
}

ModalAnswers& ModalAnswers::ChooseFile(std::optional<std::string> path) {
  return Do(kFileDialog, [path](QDialog& shown) {
    auto& files = static_cast<QFileDialog&>(shown);
    if (!path) {
      files.reject();
      return;
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(*path)) << "the file dialog cannot choose " << *path;
    // As the player types it: the folder, then the name.
    const std::filesystem::path file = std::filesystem::absolute(*path);
    files.setDirectory(QString::fromStdString(file.parent_path().string()));
    auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(file.filename().string()));
    shown.accept();  // QFileDialog::accept, which checks the choice
    if (shown.isVisible()) ADD_FAILURE() << "the file dialog did not take " << *path;
  });
}

ModalAnswers& ModalAnswers::Acknowledge(QString* text) {
  return Do(kMessageBox, [text](QDialog& shown) {
    if (text != nullptr) *text = static_cast<QMessageBox&>(shown).text();
    PressButton(shown, Answer::Accept);
  });
}

void ModalAnswers::Reset() {
  script_.clear();
  shown_.clear();
}

void ModalAnswers::PressButton(QDialog& dialog, Answer button) {
  if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
    // Accept is OK or "Yes"; Reject is Cancel or "NO" (never a third
    // answer such as "Keep for later").
    for (QAbstractButton* candidate : box->buttons()) {
      const QMessageBox::ButtonRole role = box->buttonRole(candidate);
      const bool accepts = role == QMessageBox::AcceptRole || role == QMessageBox::YesRole;
      const bool rejects = role == QMessageBox::RejectRole || role == QMessageBox::NoRole;
      if (button == Answer::Accept ? accepts : rejects) {
        candidate->click();
        return;
      }
    }
  }
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QAbstractButton* found =
            buttons->button(button == Answer::Accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)) {
      found->click();
      return;
    }
  }
  ADD_FAILURE() << "no such button in " << dialog.objectName().toStdString();
}

std::string ModalAnswers::NameOf(QWidget* modal) const {
  if (qobject_cast<QFileDialog*>(modal) != nullptr) return kFileDialog;
  if (!modal->objectName().isEmpty()) return modal->objectName().toStdString();
  if (qobject_cast<QMessageBox*>(modal) != nullptr) return kMessageBox;
  return modal->metaObject()->className();
}

void ModalAnswers::Look() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) {
    current_ = nullptr;
    return;
  }
  if (modal == current_) {
    // Answered, or being answered, and still open: the watchdog.
    watchedFor_ += kLookMilliseconds;
    if (watchedFor_ > kWatchdogMilliseconds) {
      ADD_FAILURE() << NameOf(modal) << " stayed open for more than " << kWatchdogMilliseconds << " ms";
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      current_ = nullptr;
    }
    return;
  }
  current_ = modal;
  watchedFor_ = 0;
  const std::string name = NameOf(modal);
  shown_.push_back(name);
  auto* dialog = qobject_cast<QDialog*>(modal);
  if (dialog == nullptr || script_.empty() || script_.front().dialog != name) {
    ADD_FAILURE() << name << " was shown, but the test expected "
                  << (script_.empty() ? std::string("no more dialogs") : script_.front().dialog);
    if (dialog != nullptr) dialog->reject();
    return;
  }
  const Step step = std::move(script_.front());
  script_.pop_front();
  step.action(*dialog);
}
