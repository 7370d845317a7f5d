#include "editor/MainWindow.h"

#include "device/NoSerialPort.h"
#include "editor/ContactFields.h"
#include "editor/DeviceLink.h"
#include "editor/ModePanel.h"
#include "editor/ModePresets.h"
#include "editor/PairDecoding.h"
#include "editor/PairEditing.h"
#include "editor/PortSelector.h"
#include "editor/SetupFileCommands.h"
#include "editor/SpecialFunctions.h"
#include "editor/StartF1Keys.h"
#include "editor/TimeLists.h"
#include "editor/UnitInformation.h"
#include "editor/UnitTransfer.h"

namespace k9r {

namespace {

// Toolbar buttons with a caption; every other of the 93 buttons is a spacer.
// Buttons 1, 8, 10, 12, 14 and 93 carry the keys the dispatch compares with
// the menu captions.
const std::map<int, std::string>& CaptionedToolButtons() {
  static const std::map<int, std::string> buttons{
      {1, "Load"},
      {3, "New"},
      {5, "Link"},
      {8, "Read Setup Data"},
      {10, "Save"},
      {12, "Write Setup Data"},
      {14, "Printer"},
      {16, "1000h-MEM-TABLE"},
      {18, "1080h-MEM-TABLE"},
      {20, "CLOSE MEM-TABLE"},
      {22, "SPEC_FUNC"},
      {93, "Exit"},
  };
  return buttons;
}

constexpr int kToolButtonCount = 93;

}  // namespace

MainWindow::MainWindow(UserInterface& ui, Clock& clock) : ui_(ui), clock_(clock) {
  controls_.Add<Form>("K9R_SETUP_PROGRAM", kInitialTitle).Resize(kWidth, kHeight);
  BuildMenus();
  BuildToolbar();
  BuildTabs();
  BuildCommandButtons();
  BuildUnitInformation(controls_);
  BuildContactFields(*this);
  pairEditing_ = std::make_unique<PairEditing>(*this);
  timeLists_ = std::make_unique<TimeLists>(*this);
  startF1Keys_ = std::make_unique<StartF1Keys>(*this);
  specialFunctions_ = std::make_unique<SpecialFunctions>(*this);
  modePanel_ = std::make_unique<ModePanel>(*this);
  modePresets_ = std::make_unique<ModePresets>(*this);
  pairDecoding_ = std::make_unique<PairDecoding>(*this);
  BuildCells();
  InstallSetupFileCommands(*this);
  SetCommandAction(Command::Language, [this] { ChooseLanguage(); });
  portSelector_ = std::make_unique<PortSelector>(*this);
  noPort_ = std::make_unique<NoSerialPort>();
  link_ = std::make_unique<DeviceLink>(*this, *noPort_, ProductData{});
  unitTransfer_ = std::make_unique<UnitTransfer>(*this);
  SetLinkPortCloser([this] { Rw().MSComm1().Close(); });
}

MainWindow::~MainWindow() = default;

RW& MainWindow::Rw() const { return link_->Rw(); }

void MainWindow::AttachSerialPort(SerialPort& port, ProductData productData) {
  // The link keeps its port number; only the line under it changes.
  const int portNumber = Rw().zzz;
  Rw().MSComm1().Close();
  link_ = std::make_unique<DeviceLink>(*this, port, std::move(productData));
  Rw().zzz = portNumber;
}

void MainWindow::SetTitleNote(std::string note) {
  titleNote_ = std::move(note);
  Timer1_Timer(std::chrono::system_clock::now());
}


void MainWindow::BuildMenus() {
  struct Entry {
    const char* name;
    const char* caption;
    Command command;
  };
  controls_.Add<MenuItem>("mnufile", "File");
  for (const Entry& entry : {Entry{"mnuload", "Load", Command::Load}, Entry{"mnusaveas", "Save", Command::Save},
                             Entry{"mnuprinter", "Printer", Command::Printer}, Entry{"mnuexit", "Exit", Command::Exit}}) {
    controls_.Add<MenuItem>(entry.name, entry.caption).OnClick([this, c = entry.command] { RunCommand(c); });
  }
  controls_.Add<MenuItem>("mnutools", "Tools");
  for (const Entry& entry : {Entry{"mmuReadSetupData", "Read Setup Data", Command::ReadSetupData},
                             Entry{"mnuWriteSetupData", "Write Setup Data", Command::WriteSetupData},
                             Entry{"mnulanguage", "Language", Command::Language}}) {
    controls_.Add<MenuItem>(entry.name, entry.caption).OnClick([this, c = entry.command] { RunCommand(c); });
  }
  controls_.Add<MenuItem>("mnuabout", "About");
  controls_.Add<MenuItem>("mmuVer", "VER").OnClick([this] { RunCommand(Command::Ver); });
}

void MainWindow::BuildToolbar() {
  std::vector<Toolbar::ToolButton> buttons(kToolButtonCount);
  for (const auto& [number, caption] : CaptionedToolButtons()) {
    buttons[static_cast<std::size_t>(number - 1)] = {caption, caption, caption};
  }
  controls_.Add<Toolbar>("K9R_P1_Toolbar", std::move(buttons))
      .OnButtonClick([this](const std::string& key) { K9R_P1_Toolbar_ButtonClick(key); });
}

void MainWindow::BuildTabs() {
  controls_.Add<TabStrip>("SSTab1", std::vector<std::string>{" Function-Setting", "User-Infomation", "SPEC-FUNC",
                                                             "MEM-A", "MEM-B"});
  controls_.Add<Frame>("SPEC_FUNC");
  controls_.Add<Frame>("SETUP_DATA(0)").SetVisible(false);
  controls_.Add<Frame>("SETUP_DATA(1)").SetVisible(false);
}

void MainWindow::BuildCommandButtons() {
  controls_.Add<Button>("READ_SETUP_DATA", "  READ  R/C").OnClick([this] { RunCommand(Command::ReadSetupData); });
  controls_.Add<Button>("WRITE_SETUP_DATA", "WRITE R/C").OnClick([this] { RunCommand(Command::WriteSetupData); });
  controls_.Add<Button>("PRINTER_MAIN", "PRINT").OnClick([this] {
    if (printer_) printer_->PrintClientArea();
  });
  SetCommandAction(Command::Printer, [this] {
    if (printer_) printer_->PrintWindowWithSetup();
    ui_.SetBusy(false);
  });
  controls_.Add<ProgressBar>("ProgressBar1");
}

void MainWindow::BuildCells() {
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    controls_.Add<Frame>(Indexed("SETUP_DATA_BYTEBOX", cell));
    controls_.Add<Label>(Indexed("SETUP_DATA_LABEL", cell));
    CellField& field = controls_.Add<CellField>(Indexed("SETUP_DATA_TXTBOX", cell), image_, cell);
    field.SetCharFilter([](char c) { return IsHexByteText(std::string_view(&c, 1)); });
    field.OnClick([this, cell] { SETUP_DATA_TXTBOX_Click(cell); });
  }
  image_.SetObserver([this](int cell) { SETUP_DATA_TXTBOX(cell).ImageChanged(); });
}

CellField& MainWindow::SETUP_DATA_TXTBOX(int cell) const {
  return controls_.Get<CellField>(Indexed("SETUP_DATA_TXTBOX", cell));
}

Label& MainWindow::SETUP_DATA_LABEL(int cell) const {
  return controls_.Get<Label>(Indexed("SETUP_DATA_LABEL", cell));
}

bool MainWindow::DecodeLoadedImage() { return !loadedImageDecoder_ || loadedImageDecoder_(); }

void MainWindow::SetFocus(std::string name) {
  focused_ = std::move(name);
  if (focusObserver_) focusObserver_(focused_);
}

void MainWindow::DisableFormControls() {
  for (const auto& control : controls_.All()) {
    control->SetFormLocked(true);
    ui_.PumpEvents();
  }
}

void MainWindow::EnableFormControls() {
  for (const auto& control : controls_.All()) {
    control->SetFormLocked(false);
    ui_.PumpEvents();
  }
}

void MainWindow::UnloadAllForms() {
  ended_ = true;
  ui_.Quit();
}

MessageAnswer MainWindow::ShowLanguageMessage(int textNumber, const std::string& englishText,
                                              const std::string& englishTitle, MessageIcon icon,
                                              MessageButtons buttons) {
  const std::string& text = state_.LOADTEXT.at(static_cast<std::size_t>(textNumber));
  if (text.empty()) return ui_.ShowMessage(icon, englishTitle, englishText, buttons);
  return ui_.ShowMessage(icon, state_.LOADTEXT[0], text, buttons);
}

void ReportReadFailure(UserInterface& ui, int& syncConnect) {
  if (syncConnect == 5) {
    ui.ShowMessage(MessageIcon::None, "K-9R Message", "READ SETUP DATA PASSWORD ERROR !!!", MessageButtons::Ok);
  } else if (syncConnect == 10) {
    ui.ShowMessage(MessageIcon::None, "K-9R Message", "READ SETUP DATA ERROR !!!", MessageButtons::Ok);
  }
  syncConnect = 0;
}

}  // namespace k9r
