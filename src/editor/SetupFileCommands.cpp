// Saving and loading a setup. Messages come from the language texts 4-8
// when set, otherwise in English. A step that fails ends the command with
// its message; nothing is reported as done that was not.
#include "editor/SetupFileCommands.h"

#include <string>
#include <vector>

#include "editor/ControlText.h"
#include "editor/MainWindow.h"
#include "files/ImageLine.h"
#include "files/SetupFile.h"
#include "files/TextFile.h"

namespace k9r {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMessageTitle = " K9R Message";
constexpr int kFirstImageFileCell = 128;

const FileDialogRequest kSetupFileDialog{"", "K9S (*.K9S);;AllFile (*)", ""};

enum class Outcome { Saved, SaveFailed, CompanionMissing, Loaded, LoadFailed };

void Report(MainWindow& window, Outcome outcome) {
  struct Message {
    int textNumber;
    const char* english;
    MessageIcon icon;
  };
  static constexpr Message kMessages[] = {
      {6, "Saving is completed, to continue the program ..", MessageIcon::Information},
      {7, "Saving is failed, to continue the program .", MessageIcon::Error},
      {8, "Files not found,Please check???", MessageIcon::Warning},
      {4, "Reading is successfully..", MessageIcon::Information},
      {5, "Reading is failed..", MessageIcon::Error},
  };
  const Message& message = kMessages[static_cast<int>(outcome)];
  const bool failed = outcome == Outcome::SaveFailed || outcome == Outcome::CompanionMissing ||
                      outcome == Outcome::LoadFailed;
  window.Ui().SetBusy(false);
  window.ShowLanguageMessage(message.textNumber, message.english, kMessageTitle, message.icon, MessageButtons::Ok);
  if (failed) window.EnableFormControls();
}

// The hourglass shows while a command works and goes on every way out.
class BusyPointer {
 public:
  explicit BusyPointer(UserInterface& ui) : ui_(ui) { ui_.SetBusy(true); }
  ~BusyPointer() { ui_.SetBusy(false); }
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;

 private:
  UserInterface& ui_;
};

const char* RemarkField(Companion companion) {
  return companion == Companion::DistributorRemark ? "DISTRIBUTOR_REMARK" : "USER_REMARK";
}

std::vector<std::string> MainFileLines(MainWindow& window, const fs::path& mainFile) {
  std::vector<std::string> lines(kMainFileLineCount);
  for (const MainFileFieldLine& entry : kMainFileFieldLines) {
    lines[static_cast<std::size_t>(entry.line)] = FieldToLine(ControlText(window.Controls(), entry.field));
  }
  for (Companion companion : kCompanions) {
    lines[static_cast<std::size_t>(CompanionLine(companion))] = CompanionPathForSave(mainFile, companion).string();
  }
  return lines;
}

ImageFileCells UpperHalfCells(MainWindow& window) {
  ImageFileCells cells;
  for (int i = 0; i < kImageFileCellCount; ++i) {
    cells[static_cast<std::size_t>(i)] = window.Image().CellText(kFirstImageFileCell + i);
  }
  return cells;
}

// The recorded path if that file is there, else the file of the same
// suffix beside the main file; empty when neither exists.
fs::path FindCompanion(const MainFileTable& table, const fs::path& mainFile, Companion companion) {
  const fs::path recorded = table[static_cast<std::size_t>(CompanionLine(companion))];
  if (IsFileExit(recorded)) return recorded;
  const fs::path beside = CompanionPathBeside(mainFile, companion);
  return IsFileExit(beside) ? beside : fs::path();
}

// The fields and cells a load fills, kept so that a setup the decoder
// refuses can be taken back.
class LoadedContent {
 public:
  explicit LoadedContent(MainWindow& window) : window_(window) {
    for (const MainFileFieldLine& entry : kMainFileFieldLines) Keep(entry.field);
    for (Companion remark : {Companion::DistributorRemark, Companion::UserRemark}) Keep(RemarkField(remark));
    cells_ = UpperHalfCells(window);
  }
  void Restore() const {
    for (const auto& [field, text] : fields_) SetControlText(window_.Controls(), field, text);
    for (int i = 0; i < kImageFileCellCount; ++i) {
      window_.Image().SetCellText(kFirstImageFileCell + i, cells_[static_cast<std::size_t>(i)]);
    }
  }

 private:
  void Keep(std::string_view field) { fields_.emplace_back(field, ControlText(window_.Controls(), field)); }

  MainWindow& window_;
  std::vector<std::pair<std::string_view, std::string>> fields_;
  ImageFileCells cells_;
};

}  // namespace

bool WriteSetupFiles(MainWindow& window, const fs::path& mainFile) {
  const std::string codePage = window.Settings().CodePage();
  bool written = WriteTextLines(mainFile, MainFileLines(window, mainFile), codePage);
  for (Companion remark : {Companion::DistributorRemark, Companion::UserRemark}) {
    const auto lines = RemarkToLines(ControlText(window.Controls(), RemarkField(remark)));
    written = written && WriteTextLines(CompanionPathForSave(mainFile, remark), lines, codePage);
  }
  const auto imageLine = BuildImageLine(UpperHalfCells(window));
  return written && imageLine &&
         WriteTextLines(CompanionPathForSave(mainFile, Companion::Image), {*imageLine}, codePage);
}

bool SaveSetupFiles(MainWindow& window, const fs::path& mainFile) {
  BusyPointer busy(window.Ui());
  const bool written = WriteSetupFiles(window, mainFile);
  Report(window, written ? Outcome::Saved : Outcome::SaveFailed);
  return written;
}

bool LoadSetupFiles(MainWindow& window, const fs::path& mainFile) {
  BusyPointer busy(window.Ui());
  MainWindowState& state = window.State();
  state.LOADER_OLD_SETUP = 0;
  const std::string codePage = window.Settings().CodePage();
  // Without its main file there is nothing to load: change nothing.
  const auto mainLines = ReadTextLines(mainFile, codePage);
  if (!mainLines) {
    Report(window, Outcome::LoadFailed);
    return false;
  }
  MainFileTable table = MainFileTableFromLines(*mainLines);
  ControlSet& controls = window.Controls();
  const LoadedContent before(window);

  constexpr Companion kRemarks[] = {Companion::DistributorRemark, Companion::UserRemark};
  for (Companion remark : kRemarks) SetControlText(controls, RemarkField(remark), "");
  for (Companion remark : kRemarks) {
    const fs::path found = FindCompanion(table, mainFile, remark);
    if (found.empty()) {
      Report(window, Outcome::CompanionMissing);
      return false;
    }
    table[static_cast<std::size_t>(CompanionLine(remark))] = found.string();
    const auto lines = ReadTextLines(found, codePage).value_or(std::vector<std::string>{});
    SetControlText(controls, RemarkField(remark), RemarkFromLines(lines));
  }

  for (const MainFileFieldLine& entry : kMainFileFieldLines) {
    SetControlText(controls, entry.field, FieldFromLine(table[static_cast<std::size_t>(entry.line)]));
  }
  // A file that never held unit information repeats one line there.
  if (table[20] == table[21] && table[19] == table[21]) SetControlText(controls, "RC_MODETYPES", "");

  const fs::path imageFile = FindCompanion(table, mainFile, Companion::Image);
  if (imageFile.empty()) {
    Report(window, Outcome::CompanionMissing);
    return false;
  }
  std::string lastLine;
  for (const std::string& line : ReadTextLines(imageFile, codePage).value_or(std::vector<std::string>{})) {
    if (!line.empty()) lastLine = line;
  }
  // A damaged image changes no cell: the cells keep agreeing with the window.
  const auto cells = ParseImageLine(lastLine);
  if (!cells) {
    Report(window, Outcome::LoadFailed);
    return false;
  }
  for (int i = 0; i < kImageFileCellCount; ++i) {
    window.Image().SetCellText(kFirstImageFileCell + i, (*cells)[static_cast<std::size_t>(i)]);
  }

  state.LOADER_OLD_SETUP = 1;
  const bool accepted = window.DecodeLoadedImage();
  state.LOADER_OLD_SETUP = 0;
  if (!accepted) {
    // The decoder said why; the window goes back to the setup it showed.
    before.Restore();
    Report(window, Outcome::LoadFailed);
    return false;
  }
  Report(window, Outcome::Loaded);
  return true;
}

void save_files(MainWindow& window) {
  const auto chosen = window.Ui().SaveFileDialog(kSetupFileDialog);
  if (!chosen || chosen->empty()) {
    window.Ui().SetBusy(false);
    window.EnableFormControls();
    return;
  }
  SaveSetupFiles(window, *chosen);
}

void OPEN_OLD_SETUP(MainWindow& window) {
  window.State().LOADER_OLD_SETUP = 0;
  const auto chosen = window.Ui().OpenFileDialog(kSetupFileDialog);
  if (!chosen || chosen->empty()) {
    window.Ui().SetBusy(false);
    window.EnableFormControls();
    return;
  }
  LoadSetupFiles(window, *chosen);
}

void InstallSetupFileCommands(MainWindow& window) {
  window.SetCommandAction(Command::Save, [&window] { save_files(window); });
  window.SetCommandAction(Command::Load, [&window] { OPEN_OLD_SETUP(window); });
}

}  // namespace k9r
