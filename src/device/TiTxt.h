#pragma once

#include <iosfwd>
#include <string>
#include <variant>
#include <vector>

#include "device/SerialPort.h"

namespace k9r {

// TI-TXT, the plain memory image TI's tools write: "@ADDR" starts a section,
// data lines hold hex bytes separated by blanks, "q" ends the file. Lines
// starting with '#' are our comments and are passed over.
struct TiTxtSection {
  int address = 0;
  Bytes bytes;
};

struct TiTxtError {
  int line = 0;  // 0 when the problem is not on one line
  std::string what;
};

std::variant<std::vector<TiTxtSection>, TiTxtError> ReadTiTxt(std::istream& in);
void WriteTiTxt(std::ostream& out, const std::vector<TiTxtSection>& sections);

}  // namespace k9r
