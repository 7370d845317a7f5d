#include "app/QtUserInterface.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <unistd.h>

namespace k9r {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer QtUserInterface::ShowMessage(MessageIcon icon, const std::string& title, const std::string& text,
                                           MessageButtons buttons) {
  QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
  if (buttons == MessageButtons::YesNo) qtButtons = QMessageBox::Yes | QMessageBox::No;
  if (buttons == MessageButtons::OkCancel) qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
  QMessageBox box(ToQtIcon(icon), ToQt(title), ToQt(text), qtButtons, parent_);
  // A busy pointer must not hide that the program asks something.
  if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int answer = box.exec();
  if (busy_) QApplication::restoreOverrideCursor();
  switch (answer) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
}

std::optional<std::string> QtUserInterface::InputBox(const std::string& prompt, const std::string& title,
                                                     const std::string& defaultText) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent_, ToQt(title), ToQt(prompt), QLineEdit::Normal, ToQt(defaultText), &accepted);
  if (!accepted) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtUserInterface::OpenFileDialog(const FileDialogRequest& request) {
  const QString path =
      QFileDialog::getOpenFileName(parent_, ToQt(request.title), ToQt(request.initialPath), ToQt(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

std::optional<std::string> QtUserInterface::SaveFileDialog(const FileDialogRequest& request) {
  const QString path =
      QFileDialog::getSaveFileName(parent_, ToQt(request.title), ToQt(request.initialPath), ToQt(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

void QtUserInterface::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtUserInterface::PumpEvents() { QCoreApplication::processEvents(); }

ScreenSize QtUserInterface::GetScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  return {screen->size().width(), screen->size().height()};
}

bool QtUserInterface::IsAnotherInstanceRunning() {
  // The lock is held for as long as this program runs; a stale lock of a
  // crashed run is taken over by QLockFile.
  const QString path = QDir::temp().filePath(QStringLiteral("k9r-setup-%1.lock").arg(getuid()));
  instanceLock_ = std::make_unique<QLockFile>(path);
  return !instanceLock_->tryLock(100);
}

void QtUserInterface::Quit() { QCoreApplication::exit(0); }

void QtUserInterface::SendKeys(const std::string& keys) {
  // The program only ever sends Tab, to walk on from a pair button.
  QWidget* focused = QApplication::focusWidget();
  if (keys != "{tab}" || !focused) return;
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(focused, &press);
}

}  // namespace k9r
