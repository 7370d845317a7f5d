// Writing the editor's image into a unit: the question, the two checks of
// the upper half of the image, and the hand-over to the link.
#include "core/ByteMap.h"
#include "device/RW.h"
#include "editor/MainWindow.h"
#include "editor/UnitTransfer.h"

namespace k9r {

namespace {

// The code bytes of the ID digits 0 and 2: every ID the program accepts
// begins with one of them.
bool IsKnownFirstIdByte(const std::string& text) { return text == "00" || text == "33"; }

}  // namespace

void UnitTransfer::WRITE_SETUP_DATA_Click() {
  UserInterface& ui = window_.Ui();
  ProgressBar& progress = window_.ProgressBar1();
  Button& readButton = window_.Controls().Get<Button>("READ_SETUP_DATA");
  Button& writeButton = window_.Controls().Get<Button>("WRITE_SETUP_DATA");
  progress.SetValue(0);
  const MessageAnswer answer = window_.ShowLanguageMessage(9, "Do you want to Write DATA to R/C ???`", " K9R Message",
                                                           MessageIcon::Question, MessageButtons::YesNo);
  if (answer != MessageAnswer::Yes) return;
  if (ui.Busy()) {
    writeButton.SetEnabled(true);
    window_.EnableFormControls();
    return;
  }
  if (!IsKnownFirstIdByte(window_.Image().CellText(ImageCellIndex(bytemap::kIdCode)))) {
    window_.ShowLanguageMessage(10, "SETUP-DATA must be loaded,Please", " K9R Message", MessageIcon::Warning,
                                MessageButtons::Ok);
    ui.SetBusy(false);
    progress.SetValue(100);
    return;
  }
  for (int cell = bytemap::kFirstUpperCell; cell < SetupImage::kCellCount; ++cell) {
    if (window_.Image().CellText(cell).size() != 2) {
      ui.ShowMessage(MessageIcon::Information, "MORU5-T Message", "WRITE SETUP_DATA CHECK IS INCORRECT!!! ",
                     MessageButtons::Ok);
      progress.SetValue(100);
      window_.State().FIX430F149AACLEANERROR = 0;
      return;
    }
  }

  ui.SetBusy(true);
  readButton.SetEnabled(false);
  writeButton.SetEnabled(false);
  window_.DisableFormControls();
  progress.SetValue(20);
  Link().READ_MODTYPE_SN.clear();
  Link().WRITE_DATA_Click();
  progress.SetValue(100);
  readButton.SetEnabled(true);
  writeButton.SetEnabled(true);
  window_.EnableFormControls();
  ui.SetBusy(false);
  ReportBackup();
}

}  // namespace k9r
