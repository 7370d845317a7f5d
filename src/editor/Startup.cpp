// The window's load event. Every step that cannot be done is passed over and
// the sequence goes on; only the two refusals below end the program.
#include <string>

#include "editor/EditorDefaults.h"
#include "editor/MainWindow.h"
#include "editor/SpecialFunctions.h"

namespace k9r {

namespace {

constexpr int kMinimumScreenWidth = 800;
constexpr int kMinimumScreenHeight = 600;

}  // namespace

bool MainWindow::AskToContinueOnSmallScreen(const std::string& sizeText) {
  const std::string& before = state_.LOADTEXT[1];
  MessageAnswer answer;
  if (!before.empty()) {
    answer = ui_.ShowMessage(MessageIcon::Warning, state_.LOADTEXT[0], before + sizeText + state_.LOADTEXT[2],
                             MessageButtons::YesNo);
  } else {
    answer = ui_.ShowMessage(MessageIcon::Warning, " K9R-4P Message",
                             "Screen Mode =" + sizeText +
                                 "This program require minimum resolution of 800X600 or higher, it may not display "
                                 "properly for resolution below 800X600. Continue the program? ( Yes=Continue , "
                                 "No=Quit)",
                             MessageButtons::YesNo);
  }
  return answer == MessageAnswer::Yes;
}

void MainWindow::startup() {
  controls_.Get<Frame>("SETUP_DATA(0)").SetVisible(true);
  controls_.Get<Frame>("SETUP_DATA(1)").SetVisible(true);

  state_.PROG_DEBUG = 0;
  for (int tab : {4, 3, 2}) SSTab1().SetTabEnabled(tab, false);
  if (!SSTab1().TabEnabled(SSTab1().Index())) SSTab1().Select(0);

  state_.USER_MODE = 1;
  state_.new_3_function = 1;
  state_.new_KOREA_function = 1;
  state_.new_TOGGLE_NORMAL = 1;
  state_.new_GROUP_INTERLOCK = 1;

  // Showing the port is no port choice: setupCOM.txt is not rewritten here.
  linkPort_ = settings_.ReadPort();
  if (portSettingHandler_) portSettingHandler_(linkPort_);
  state_.LANGUAGE_file_path = chosenLanguagePath_.value_or(settings_.ReadLanguagePath());
  showtexts();

  // The title bar offers no Close: the view builds the window without one.

  const ScreenSize screen = ui_.GetScreenSize();
  const std::string sizeText = std::to_string(screen.width) + "X" + std::to_string(screen.height);
  // Width first, then height: a screen small both ways asks twice.
  if ((screen.width < kMinimumScreenWidth && !AskToContinueOnSmallScreen(sizeText)) ||
      (screen.height < kMinimumScreenHeight && !AskToContinueOnSmallScreen(sizeText))) {
    ended_ = true;
    ui_.Quit();
    return;
  }

  if (ui_.IsAnotherInstanceRunning()) {
    ShowLanguageMessage(3, "This Program is Working There", " K9R Message", MessageIcon::Warning, MessageButtons::Ok);
    UnloadAllForms();
    return;
  }

  Form& window = Window();
  window.Move((screen.width - window.Width()) / 2, (screen.height - window.Height()) / 2);

  SelectPairDefaults(*this);
  SelectSettingDefaults(*this);
  // The E.U power switches are not offered for editing.
  Specials().TrimPowerSwitchList();
  EnableFeatureModes(*this);

  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    SETUP_DATA_LABEL(cell).SetCaption(AddressText(SetupImage::kFirstAddress + cell));
  }
}

}  // namespace k9r
