#include "editor/ScriptedUserInterface.h"

#include <algorithm>

namespace k9r {

std::string_view IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::None: return "none";
    case MessageIcon::Information: return "information";
    case MessageIcon::Warning: return "warning";
    case MessageIcon::Error: return "error";
    case MessageIcon::Question: return "question";
  }
  return "none";
}

std::string_view ButtonsName(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return "ok";
    case MessageButtons::YesNo: return "yesno";
    case MessageButtons::OkCancel: return "okcancel";
  }
  return "ok";
}

const ScriptedUserInterface::Answer* ScriptedUserInterface::TakeAnswer(std::initializer_list<Answer::Kind> fitting) {
  if (answers_.empty()) return nullptr;
  if (std::find(fitting.begin(), fitting.end(), answers_.front().kind) == fitting.end()) return nullptr;
  taken_ = std::move(answers_.front());
  answers_.pop_front();
  return &taken_;
}

MessageAnswer ScriptedUserInterface::ShowMessage(MessageIcon icon, const std::string& title, const std::string& text,
                                                 MessageButtons buttons) {
  Record record{"message", icon, title, text, buttons, "", false};
  MessageAnswer result = MessageAnswer::Ok;
  if (buttons == MessageButtons::Ok) {
    record.answer = "ok";
  } else {
    using K = Answer::Kind;
    const Answer* answer = buttons == MessageButtons::YesNo ? TakeAnswer({K::Yes, K::No}) : TakeAnswer({K::Ok, K::Cancel});
    if (!answer) {
      record.unanswered = true;
      result = buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
    } else {
      switch (answer->kind) {
        case K::Yes: result = MessageAnswer::Yes; break;
        case K::No: result = MessageAnswer::No; break;
        case K::Ok: result = MessageAnswer::Ok; break;
        default: result = MessageAnswer::Cancel; break;
      }
    }
    static constexpr const char* kNames[] = {"ok", "yes", "no", "cancel"};
    record.answer = kNames[static_cast<int>(result)];
  }
  records_.push_back(std::move(record));
  return result;
}

std::optional<std::string> ScriptedUserInterface::InputBox(const std::string& prompt, const std::string& title,
                                                           const std::string& /*defaultText*/) {
  Record record{"input", MessageIcon::None, title, prompt, MessageButtons::OkCancel, "cancel", false};
  std::optional<std::string> result;
  const Answer* answer = TakeAnswer({Answer::Kind::Text, Answer::Kind::Cancel});
  if (!answer) {
    record.unanswered = true;
  } else if (answer->kind == Answer::Kind::Text) {
    result = answer->text;
    record.answer = answer->text;
  }
  records_.push_back(std::move(record));
  return result;
}

std::optional<std::string> ScriptedUserInterface::FileDialog(const char* kind, const FileDialogRequest& request) {
  Record record{kind, MessageIcon::None, request.title, request.filter, MessageButtons::OkCancel, "cancel", false};
  std::optional<std::string> result;
  const Answer* answer = TakeAnswer({Answer::Kind::File, Answer::Kind::Cancel});
  if (!answer) {
    record.unanswered = true;
  } else if (answer->kind == Answer::Kind::File) {
    result = answer->text;
    record.answer = answer->text;
  }
  records_.push_back(std::move(record));
  return result;
}

std::optional<std::string> ScriptedUserInterface::OpenFileDialog(const FileDialogRequest& request) {
  return FileDialog("open", request);
}

std::optional<std::string> ScriptedUserInterface::SaveFileDialog(const FileDialogRequest& request) {
  return FileDialog("save", request);
}

}  // namespace k9r
