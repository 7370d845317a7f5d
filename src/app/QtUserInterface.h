#pragma once

#include <QLockFile>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/UserInterface.h"

namespace k9r {

// The user-interface port answered by real Qt dialogs.
class QtUserInterface : public UserInterface {
 public:
  void SetParentWindow(QWidget* window) { parent_ = window; }

  MessageAnswer ShowMessage(MessageIcon icon, const std::string& title, const std::string& text,
                            MessageButtons buttons) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override;
  bool Busy() const override { return busy_; }
  void PumpEvents() override;
  ScreenSize GetScreenSize() override;
  bool IsAnotherInstanceRunning() override;
  void Quit() override;
  void SendKeys(const std::string& keys) override;

 private:
  QPointer<QWidget> parent_;
  std::unique_ptr<QLockFile> instanceLock_;
  bool busy_ = false;
};

}  // namespace k9r
