#pragma once

#include <optional>
#include <string>

namespace k9r {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct ScreenSize {
  int width = 0;
  int height = 0;
};

struct FileDialogRequest {
  std::string title;
  // "Setup files (*.K9S)" style filter; empty for all files.
  std::string filter;
  std::string initialPath;
};

// Everything the model needs from the person in front of the screen. The
// Qt window answers with real dialogs; scripts and tests answer from a queue.
class UserInterface {
 public:
  virtual ~UserInterface() = default;

  virtual MessageAnswer ShowMessage(MessageIcon icon, const std::string& title, const std::string& text,
                                    MessageButtons buttons) = 0;
  // The one-line input box; nullopt when the user cancels.
  virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText) = 0;
  virtual std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) = 0;

  // The hourglass pointer during long operations.
  virtual void SetBusy(bool busy) = 0;
  // Whether the hourglass shows: another operation is under way.
  virtual bool Busy() const = 0;
  virtual void PumpEvents() = 0;
  virtual ScreenSize GetScreenSize() = 0;
  virtual bool IsAnotherInstanceRunning() = 0;
  // Keystrokes for the focused control, as a user would type them; "{tab}"
  // moves the focus on. A port without a keyboard ignores them.
  virtual void SendKeys(const std::string& keys) { (void)keys; }
  // Ends the program once the current handler returns.
  virtual void Quit() = 0;
};

}  // namespace k9r
