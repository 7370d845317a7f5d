#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/SetupImage.h"
#include "editor/UnitBackups.h"

namespace k9r {

class MainWindow;
class RW;

// Reading a unit (or the cells of a loaded file) into the editor, with the
// repair of an erased unit, and writing the editor's image into a unit.
class UnitTransfer {
 public:
  explicit UnitTransfer(MainWindow& window);

  // The handler of READ_SETUP_DATA: reads the unit through RW, or with
  // LOADER_OLD_SETUP = 1 takes the cells as they stand, identifies the
  // image and sets every control from it.
  void READ_SETUP_DATA_Click();
  // Whether the last read ended with every control set from the image.
  bool LastReadDecoded() const { return lastReadDecoded_; }
  // Where every unit read is kept; without a folder nothing is kept.
  void SetBackupFolder(std::filesystem::path folder) { backups_ = UnitBackups(std::move(folder)); }
  // The handler of WRITE_SETUP_DATA: asks, checks the upper half of the
  // image and hands it to RW.WRITE_DATA_Click.
  void WRITE_SETUP_DATA_Click();

 private:
  enum class Model { Standard, SixPair };
  enum class RunEnd { Decoded, Stopped };
  enum class Identified { Known, Repaired, Refused };

  // What the editor showed before a read, to put back when the read ends
  // without a unit to show.
  struct EditorState {
    std::array<std::string, SetupImage::kCellCount> cells;
    std::array<std::string, 5> unitInformation;
    std::optional<Model> layout;
    int readMode = 0;
  };

  RunEnd RunDecode();
  // Reads the unit and shows what identifies it; false when the read ended.
  bool ReadUnit(std::optional<Model>& modelFlag, const EditorState& before);
  // Decides the model type, and repairs an erased unit.
  Identified IdentifyImage(const std::optional<Model>& modelFlag, bool unitRead, const EditorState& before);
  Identified RepairErasedUnit(const EditorState& before);
  void KeepBackup();
  // After a write: where the settings the unit held when last read are.
  void ReportBackup();
  // Sets every control from the image; false when the power-on mode byte
  // is one no unit holds, which ends the decoding there.
  bool DecodeFields();

  EditorState SaveEditorState() const;
  void RestoreEditorState(const EditorState& state);
  std::optional<Model> ShownLayout() const;
  void ApplyLayout(Model model);
  void Refuse(const std::string& text, const EditorState& before);

  RW& Link() const;

  MainWindow& window_;
  // The nested run of a repair; a unit still erased after it is not
  // repaired again.
  bool repairRunning_ = false;
  bool lastReadDecoded_ = false;
  bool lastImageAccepted_ = false;
  UnitBackups backups_;
};

}  // namespace k9r
