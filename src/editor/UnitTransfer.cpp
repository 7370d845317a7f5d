// Reading a unit into the editor: the unit read, and the identification
// of the image with the repair of an erased unit. What the editor showed
// before comes back whenever a read ends without a unit to show.
#include "editor/UnitTransfer.h"

#include <chrono>

#include "device/RW.h"
#include "editor/MainWindow.h"
#include "editor/SpecialFunctions.h"
#include "editor/UnitInformation.h"

namespace k9r {

namespace {

constexpr const char* kStandardModelText = " K9R";
constexpr const char* kSixPairModelText = " K9R-16A/B";
constexpr const char* kUnknownModelText = "ERROR TYPE";
constexpr const char* kUnitInformationFields[] = {"RC_ID_CODE", "SERIAL_NUMBER_TXT", "TX_DATE", "RX_DATE",
                                                  "RC_MODETYPES"};

constexpr const char* kRestoredText =
    "Warning! Default System Setting Restored!\n"
    "*The system MUST be reset by copier or (\?\?\?\?) software before using again.\n"
    "**The system will not work without reset new IDCode and Function Parameters accordingly.";

bool IsSixPairModelByte(const std::string& modelByte) { return modelByte == "D2" || modelByte == "F4"; }

}  // namespace

UnitTransfer::UnitTransfer(MainWindow& window) : window_(window) {
  window.SetCommandAction(Command::ReadSetupData, [this] { READ_SETUP_DATA_Click(); });
  window.SetCommandAction(Command::WriteSetupData, [this] { WRITE_SETUP_DATA_Click(); });
  window.SetLoadedImageDecoder([this] {
    READ_SETUP_DATA_Click();
    return lastImageAccepted_;
  });
}

RW& UnitTransfer::Link() const { return window_.Rw(); }

void UnitTransfer::READ_SETUP_DATA_Click() {
  lastImageAccepted_ = false;
  lastReadDecoded_ = RunDecode() == RunEnd::Decoded;
}

UnitTransfer::RunEnd UnitTransfer::RunDecode() {
  window_.Specials().TrimPowerSwitchList();
  MarkUnitInformationFields(window_);
  const EditorState before = SaveEditorState();
  const bool readUnit = window_.State().LOADER_OLD_SETUP == 0;
  std::optional<Model> modelFlag;
  if (readUnit && !ReadUnit(modelFlag, before)) return RunEnd::Stopped;
  const Identified identified = IdentifyImage(modelFlag, readUnit, before);
  if (identified == Identified::Refused) return RunEnd::Stopped;
  lastImageAccepted_ = true;
  // The nested run of a repair has kept what it read.
  if (readUnit && identified == Identified::Known) KeepBackup();
  return DecodeFields() ? RunEnd::Decoded : RunEnd::Stopped;
}

bool UnitTransfer::ReadUnit(std::optional<Model>& modelFlag, const EditorState& before) {
  UserInterface& ui = window_.Ui();
  MainWindowState& state = window_.State();
  RW& link = Link();
  ui.SetBusy(true);
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) window_.Image().SetCellText(cell, "FF");
  window_.ProgressBar1().SetValue(10);

  // The link keeps the results of its last read; a read that fails must
  // not pass for that one.
  link.READ_MODTYPE_SN.clear();
  link.READ_MODTYPE_DATE.clear();
  link.READ_MODTYPE_MODEL.clear();
  link.EEPROM_1080_DATA.clear();
  window_.DisableFormControls();
  link.READ_DATA_Click();
  window_.EnableFormControls();
  window_.ProgressBar1().SetValue(state.FIX430F149AACLEANERROR == 1 ? 95 : 50);

  if (link.SYNC_CONNECT == 5) {
    window_.ShowLanguageMessage(15, "READ_DATA ERROR!!??", "K-9R Message", MessageIcon::Error, MessageButtons::Ok);
    window_.ProgressBar1().SetValue(100);
  }
  if (link.READ_MODTYPE_SN.empty()) {
    ui.SetBusy(false);
    window_.EnableFormControls();
    window_.ProgressBar1().SetValue(0);
    RestoreEditorState(before);
    return false;
  }

  state.READ_MODE = 1;
  for (const char* name : {"SERIAL_NUMBER_TXT", "TX_DATE", "RX_DATE"}) {
    window_.Controls().Get<TextField>(name).SetText("");
  }
  ShowSerialNumber(window_, link.READ_MODTYPE_SN);
  const std::string serialNumber = window_.Controls().Get<TextField>("SERIAL_NUMBER_TXT").Text();
  if (!serialNumber.starts_with("24")) {
    Refuse("This unit's serial number " + serialNumber +
               " does not begin with 24: it is not a unit this program sets up.\n"
               "Its settings were not taken into the editor, which still shows what it showed before.",
           before);
    return false;
  }
  modelFlag = IsSixPairModelByte(link.READ_MODTYPE_MODEL) ? Model::SixPair : Model::Standard;
  ApplyLayout(*modelFlag);
  ShowProductionDates(window_, link.READ_MODTYPE_DATE);
  window_.ProgressBar1().SetValue(85);

  if (link.SYNC_CONNECT == 10) {
    ui.SetBusy(false);
    window_.ProgressBar1().SetValue(90);
    window_.EnableFormControls();
    RestoreEditorState(before);
    return false;
  }
  return true;
}

UnitTransfer::Identified UnitTransfer::IdentifyImage(const std::optional<Model>& modelFlag, bool unitRead,
                                                   const EditorState& before) {
  ShowIdCode(window_);
  const std::string id = window_.Controls().Get<TextField>("RC_ID_CODE").Text();
  TextField& modelType = window_.Controls().Get<TextField>("RC_MODETYPES");
  if (!modelFlag && window_.State().LOADER_OLD_SETUP == 1 && modelType.Text() == kSixPairModelText) {
    ApplyLayout(Model::SixPair);
    return Identified::Known;
  }
  if (id.starts_with("24") || id.starts_with("00")) {
    const Model model = modelFlag.value_or(Model::Standard);
    modelType.SetText(model == Model::SixPair ? kSixPairModelText : kStandardModelText);
    ApplyLayout(model);
    return Identified::Known;
  }
  modelType.SetText(kUnknownModelText);
  // Only a block this very read found erased is repaired; a loaded file
  // never writes into a unit.
  if (unitRead && Link().EEPROM_1080_DATA == std::string(256, 'F')) return RepairErasedUnit(before);
  window_.ProgressBar1().SetValue(100);
  Refuse(std::string(unitRead ? "This unit's ID code " : "The ID code ") + id +
             " is of no known type (a known ID code begins with 24 or 00).\n"
             "The settings were not taken into the editor, which still shows what it showed before.",
         before);
  return Identified::Refused;
}

UnitTransfer::Identified UnitTransfer::RepairErasedUnit(const EditorState& before) {
  if (repairRunning_) {
    Refuse("The unit's settings block is still erased after the default settings were written into it: the repair "
           "did not succeed.\nCheck the connection and the unit, then read it again.",
           before);
    return Identified::Refused;
  }
  MainWindowState& state = window_.State();
  window_.DisableFormControls();
  window_.Controls().Get<TextField>("RC_MODETYPES").SetText(kUnknownModelText);
  state.FIX430F149AACLEANERROR = 1;
  window_.ProgressBar1().SetValue(50);
  Link().WRITE_DATA_Click();
  window_.ProgressBar1().SetValue(70);

  repairRunning_ = true;
  const RunEnd nested = RunDecode();
  repairRunning_ = false;
  window_.ProgressBar1().SetValue(99);
  state.FIX430F149AACLEANERROR = 0;
  if (nested != RunEnd::Decoded) {
    // The nested run has said why; the unit's state is unknown, so the
    // editor goes back to what it showed before this read.
    RestoreEditorState(before);
    window_.EnableFormControls();
    window_.Ui().SetBusy(false);
    return Identified::Refused;
  }
  window_.ShowLanguageMessage(37, kRestoredText, "MORU5-T Message", MessageIcon::Warning, MessageButtons::Ok);
  window_.ProgressBar1().SetValue(100);
  return Identified::Repaired;
}

void UnitTransfer::KeepBackup() {
  if (!backups_.Enabled()) return;
  const std::string serialNumber = window_.Controls().Get<TextField>("SERIAL_NUMBER_TXT").Text();
  if (backups_.Keep(window_, serialNumber, std::chrono::system_clock::now())) return;
  window_.Ui().ShowMessage(MessageIcon::Warning, " K9R Message",
                           "The settings read from unit " + serialNumber + " could not be kept as a backup in " +
                               backups_.Folder().string() + ". Save them with File > Save before writing the unit.",
                           MessageButtons::Ok);
}

void UnitTransfer::ReportBackup() {
  if (!backups_.Enabled()) return;
  const auto serialNumber = SerialNumberOfCodeBytes(Link().READ_MODTYPE_SN);
  if (!serialNumber) return;  // the unit was not reached
  const auto latest = backups_.Latest(*serialNumber);
  const std::string text =
      latest ? "The settings unit " + *serialNumber + " held when it was last read are kept in\n" + latest->string() +
                   "\nLoad that file and write it to put them back."
             : "No backup of unit " + *serialNumber + " exists: it has not been read by this program.";
  window_.Ui().ShowMessage(MessageIcon::Information, " K9R Message", text, MessageButtons::Ok);
}

void UnitTransfer::Refuse(const std::string& text, const EditorState& before) {
  window_.Ui().SetBusy(false);
  window_.Ui().ShowMessage(MessageIcon::Warning, " K9R Message", text, MessageButtons::Ok);
  RestoreEditorState(before);
  window_.EnableFormControls();
}

UnitTransfer::EditorState UnitTransfer::SaveEditorState() const {
  EditorState state;
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    state.cells[static_cast<std::size_t>(cell)] = window_.Image().CellText(cell);
  }
  for (std::size_t i = 0; i < state.unitInformation.size(); ++i) {
    state.unitInformation[i] = window_.Controls().Get<TextField>(kUnitInformationFields[i]).Text();
  }
  state.layout = ShownLayout();
  state.readMode = window_.State().READ_MODE;
  return state;
}

void UnitTransfer::RestoreEditorState(const EditorState& state) {
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    window_.Image().SetCellText(cell, state.cells[static_cast<std::size_t>(cell)]);
  }
  for (std::size_t i = 0; i < state.unitInformation.size(); ++i) {
    window_.Controls().Get<TextField>(kUnitInformationFields[i]).SetText(state.unitInformation[i]);
  }
  if (state.layout) ApplyLayout(*state.layout);
  window_.State().READ_MODE = state.readMode;
}

std::optional<UnitTransfer::Model> UnitTransfer::ShownLayout() const {
  if (window_.Controls().Get<Picture>("Picture2").Visible()) return Model::SixPair;
  if (window_.Controls().Get<Picture>("Picture1").Visible()) return Model::Standard;
  return std::nullopt;
}

void UnitTransfer::ApplyLayout(Model model) {
  // The standard unit's F1 key, then pair 5 of the six-pair unit, then the
  // two front views, in this order.
  struct LayoutControl {
    const char* name;
    bool onStandardUnit;
  };
  static constexpr LayoutControl kLayout[] = {
      {"Label1(87)", true},          {"F1_MODE", true},     {"ACCDELAY_DOWN_F1", true},
      {"Label1(64)", true},          {"TIME_ACCDELAY_DN_F1", true}, {"Label1(70)", true},
      {"PAIR5_FRAME", false},        {"Picture1", true},    {"Picture2", false},
  };
  const bool standard = model == Model::Standard;
  for (const LayoutControl& control : kLayout) {
    window_.Controls().Get<Control>(control.name).SetVisible(control.onStandardUnit == standard);
  }
}

}  // namespace k9r
