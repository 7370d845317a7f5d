#include "editor/UnitInformation.h"

#include "core/ByteMap.h"
#include "core/DigitCode.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

constexpr const char* kSerialNumberError = "ERROR SERIAL-NUMBER";
constexpr std::uint32_t kLightOrange = 0xFFE0C0;

TextField& Field(MainWindow& window, std::string_view name) { return window.Controls().Get<TextField>(name); }

std::string TwoDigits(std::string text) { return text.size() == 1 ? "0" + text : text; }

}  // namespace

std::span<const UnitInformationRow> UnitInformationRows() {
  // The language file names the labels by their Label1 elements.
  static constexpr UnitInformationRow kRows[] = {
      {"RC_ID_CODE", "Label1(24)", "  ID-Code         :"}, {"SERIAL_NUMBER_TXT", "Label1(61)", "Serial Number:"},
      {"TX_DATE", "Label1(42)", "   Tx-Date :"},          {"RX_DATE", "Label1(62)", "   Rx-Date :"},
      {"RC_MODETYPES", "Label1(60)", "  Model             :"},
  };
  return kRows;
}

void BuildUnitInformation(ControlSet& controls) {
  controls.Add<Frame>("REMOTE_FUNC", "R/C INFORMATION");
  for (const UnitInformationRow& row : UnitInformationRows()) {
    controls.Add<Label>(row.label, row.caption);
    controls.Add<TextField>(row.field);
  }
  // Front views of the two transmitters; the unit's type decides which shows.
  controls.Add<Picture>("Picture1");
  controls.Add<Picture>("Picture2").SetVisible(false);
}

std::string TRANS_TO_NORMAL(MainWindow& window, std::string_view codeByteText) {
  if (const auto digit = DigitOfCodeByteText(codeByteText)) return std::string(1, *digit);
  window.Ui().ShowMessage(MessageIcon::Error, " K9R Message", "==ERROR SERIAL-NUMBER==", MessageButtons::Ok);
  window.Ui().SetBusy(false);
  Field(window, "SERIAL_NUMBER_TXT").SetText(kSerialNumberError);
  return kSerialNumberError;
}

void ShowIdCode(MainWindow& window) {
  std::string id;
  for (int address = bytemap::kIdCode; address < bytemap::kIdCode + bytemap::kIdCodeSize; ++address) {
    id += TRANS_TO_NORMAL(window, TwoDigits(window.Image().CellText(ImageCellIndex(address))));
  }
  Field(window, "RC_ID_CODE").SetText(id);
}

void ShowSerialNumber(MainWindow& window, std::string_view serialNumberBytes) {
  TextField& serial = Field(window, "SERIAL_NUMBER_TXT");
  serial.SetText("");
  std::string_view rest = serialNumberBytes;
  for (int digit = 0; digit < 8; ++digit) {
    const std::size_t blank = rest.find(' ');
    const std::string codeByte(rest.substr(0, blank));
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    // Appended one digit at a time: a bad byte leaves the error text in the
    // field and the later digits follow it.
    const std::string shown = TRANS_TO_NORMAL(window, TwoDigits(codeByte));
    serial.SetText(serial.Text() + shown);
  }
}

void ShowProductionDates(MainWindow& window, std::string_view dateBytes) {
  const std::string date = ProductionDateText(dateBytes);
  Field(window, "TX_DATE").SetText(date);
  Field(window, "RX_DATE").SetText(date);
}

void MarkUnitInformationFields(MainWindow& window) {
  for (const char* name : {"RC_ID_CODE", "TX_DATE", "RX_DATE"}) Field(window, name).SetBackColor(kLightOrange);
}

}  // namespace k9r
