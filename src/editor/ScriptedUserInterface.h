#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/UserInterface.h"

namespace k9r {

// A user who answers from a queue prepared in advance and a record of every
// box shown. Scripts and tests drive the model through it.
class ScriptedUserInterface : public UserInterface {
 public:
  struct Answer {
    enum class Kind { Yes, No, Ok, Cancel, Text, File };
    Kind kind;
    std::string text;  // the typed text or the file path
  };

  // One box or dialog as it was shown, with what it was answered.
  struct Record {
    std::string kind;  // "message", "input", "open", "save"
    MessageIcon icon = MessageIcon::None;
    std::string title;
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    std::string answer;
    bool unanswered = false;  // nothing fitting was queued: answered no/cancel
  };

  void QueueAnswer(Answer answer) { answers_.push_back(std::move(answer)); }
  std::size_t PendingAnswers() const { return answers_.size(); }
  const std::vector<Record>& Records() const { return records_; }
  void SetScreenSize(ScreenSize size) { screen_ = size; }
  void SetAnotherInstanceRunning(bool running) { anotherInstance_ = running; }
  bool QuitRequested() const { return quitRequested_; }
  const std::vector<std::string>& SentKeys() const { return sentKeys_; }

  MessageAnswer ShowMessage(MessageIcon icon, const std::string& title, const std::string& text,
                            MessageButtons buttons) override;
  std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText) override;
  std::optional<std::string> OpenFileDialog(const FileDialogRequest& request) override;
  std::optional<std::string> SaveFileDialog(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override { busy_ = busy; }
  bool Busy() const override { return busy_; }
  void PumpEvents() override {}
  ScreenSize GetScreenSize() override { return screen_; }
  bool IsAnotherInstanceRunning() override { return anotherInstance_; }
  void Quit() override { quitRequested_ = true; }
  void SendKeys(const std::string& keys) override { sentKeys_.push_back(keys); }

 private:
  // Takes the next queued answer if it is of one of the given kinds.
  const Answer* TakeAnswer(std::initializer_list<Answer::Kind> fitting);
  std::optional<std::string> FileDialog(const char* kind, const FileDialogRequest& request);

  std::deque<Answer> answers_;
  Answer taken_{};
  std::vector<Record> records_;
  std::vector<std::string> sentKeys_;
  ScreenSize screen_{1024, 768};
  bool anotherInstance_ = false;
  bool quitRequested_ = false;
  bool busy_ = false;
};

std::string_view IconName(MessageIcon icon);
std::string_view ButtonsName(MessageButtons buttons);

}  // namespace k9r
