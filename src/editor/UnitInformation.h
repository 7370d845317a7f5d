#pragma once

#include <span>
#include <string>
#include <string_view>

namespace k9r {

class ControlSet;
class MainWindow;

// The frame REMOTE_FUNC ("R/C INFORMATION"): ID code, serial number, the
// production dates and the model of the unit last read or loaded. These
// fields only display; the ID code changes only with the image.
void BuildUnitInformation(ControlSet& controls);

// Each display field with the label beside it, in the frame's order.
struct UnitInformationRow {
  const char* field;
  const char* label;
  const char* caption;
};
std::span<const UnitInformationRow> UnitInformationRows();

// The digit of a code byte text; for a text that is no code byte it says so
// in a message and in SERIAL_NUMBER_TXT, and gives the error text instead.
std::string TRANS_TO_NORMAL(MainWindow& window, std::string_view codeByteText);

// RC_ID_CODE from the cells 1080-1087.
void ShowIdCode(MainWindow& window);
// SERIAL_NUMBER_TXT from READ_MODTYPE_SN: eight code bytes separated by blanks.
void ShowSerialNumber(MainWindow& window, std::string_view serialNumberBytes);
// TX_DATE and RX_DATE from READ_MODTYPE_DATE: three bytes separated by blanks.
void ShowProductionDates(MainWindow& window, std::string_view dateBytes);
// Every decode marks the fields it is about to fill.
void MarkUnitInformationFields(MainWindow& window);

}  // namespace k9r
