// The commands of the main window: dispatch from menus and toolbar, the
// title clock, the version box, the cell edit dialog and the exit.
#include <algorithm>
#include <cctype>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "editor/MainWindow.h"

namespace k9r {

void MainWindow::SetCommandAction(Command command, Handler action) { commandActions_[command] = std::move(action); }

void MainWindow::RunCommand(Command command) {
  switch (command) {
    case Command::Exit:
      ExitProgram();
      return;
    case Command::Ver:
      ShowVersion();
      return;
    default:
      break;
  }
  const auto action = commandActions_.find(command);
  if (action != commandActions_.end() && action->second) action->second();
}

void MainWindow::K9R_P1_Toolbar_ButtonClick(const std::string& key) {
  // The language file renames menus and keys from the same lines, so the
  // comparison with the current menu captions holds in every language.
  static constexpr std::pair<const char*, Command> kOrder[] = {
      {"mnuexit", Command::Exit},        {"mnuWriteSetupData", Command::WriteSetupData},
      {"mmuReadSetupData", Command::ReadSetupData}, {"mnuload", Command::Load},
      {"mnusaveas", Command::Save},      {"mnuprinter", Command::Printer},
  };
  for (const auto& [menuName, command] : kOrder) {
    if (Menu(menuName).Caption() == key) {
      RunCommand(command);
      break;
    }
  }
  ui_.SetBusy(false);
}

void MainWindow::Timer1_Timer(std::chrono::system_clock::time_point now) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  std::ostringstream title;
  title << kVersionText << "  " << std::put_time(&local, "%m-%d-%Y") << "  " << std::put_time(&local, "%H:%M:%S");
  if (!titleNote_.empty()) title << "   " << titleNote_;
  Window().SetCaption(title.str());
}

void MainWindow::ShowVersion() {
  ui_.ShowMessage(MessageIcon::None, "K9R_SETUP", kVersionText, MessageButtons::Ok);
}

void MainWindow::SETUP_DATA_TXTBOX_Click(int cell) {
  const auto answer = ui_.InputBox("PLEASE ENTER VALUE for CHANGE THIS VALUE (HEX)?", "INPUT NUMBER BY HEX", "");
  if (!answer || answer->empty()) return;
  std::string value = *answer;
  std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::toupper(c); });
  // Every reader of the image expects 00-FF, so anything else is refused here.
  if (!IsHexByteText(value)) {
    ui_.ShowMessage(MessageIcon::Warning, "INPUT NUMBER BY HEX",
                    "\"" + *answer + "\" is not a byte value. Please enter one or two hexadecimal digits (00 - FF).",
                    MessageButtons::Ok);
    return;
  }
  SETUP_DATA_TXTBOX(cell).SetText(value);
}

void MainWindow::ExitProgram() {
  const MessageAnswer answer = ShowLanguageMessage(13, "Are you sure to exit program?", " K9R Message",
                                                   MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;
  if (closeLinkPort_) closeLinkPort_();
  UnloadAllForms();
}

}  // namespace k9r
