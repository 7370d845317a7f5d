#pragma once

#include <string_view>

namespace k9r {

class MainWindow;

// One contact field of the "User-Infomation" tab, with its label.
struct ContactFieldSpec {
  std::string_view name;
  std::string_view frame;
  std::string_view label;
  std::string_view caption;
  int maxLength;  // 0: no limit
  bool multiLine;
  // Enter moves on to the next field instead of breaking the line.
  bool enterMovesOn;
};

inline constexpr std::string_view kDistributorFrame = "DISTRIBUTOR_FRAME";
inline constexpr std::string_view kUserFrame = "USER_FRAME";

// In tab order: the distributor's fields, then the user's.
inline constexpr ContactFieldSpec kContactFields[] = {
    {"DISTRIBUTOR_COMPANY_NAME", kDistributorFrame, "Label2", "Company    :", 0, false, true},
    {"DISTRIBUTOR_ADDRESS", kDistributorFrame, "Label4", "Address      :", 0, true, true},
    {"DISTRIBUTOR_TELEPHONE", kDistributorFrame, "Label5", "Telephone   :", 0, false, true},
    {"DISTRIBUTOR_FAX", kDistributorFrame, "Label7", "Fax            :", 0, false, true},
    {"DISTRIBUTOR_EMAIL", kDistributorFrame, "COMPANY_EMAIL", "E-Mail        :", 0, false, true},
    {"DISTRIBUTOR_COMPANY_SALES", kDistributorFrame, "Label8", "Sales         :", 0, false, true},
    {"DISTRIBUTOR_FRQ1", kDistributorFrame, "Label9", "Frequency :", 3, false, true},
    // Label13 is the unit after the fractional part.
    {"DISTRIBUTOR_FRQ2", kDistributorFrame, "Label13", "Mhz", 3, false, true},
    {"DISTRIBUTOR_CH", kDistributorFrame, "Label10", "Channel  :", 3, false, true},
    {"DISTRIBUTOR_REMARK", kDistributorFrame, "Label6", "Remark      :", 0, true, false},
    {"USER_COMPANY", kUserFrame, "Label23", "Company    :", 0, false, true},
    {"USER_ADDRESS", kUserFrame, "Label22", "Address      :", 0, true, true},
    {"USER_TELEPHONE", kUserFrame, "Label21", "Telephone   :", 0, false, true},
    {"USER_FAX", kUserFrame, "Label19", "Fax            :", 0, false, true},
    {"USER_EMAIL", kUserFrame, "Label20", "E-Mail        :", 0, false, true},
    {"USER_ENGINEER", kUserFrame, "Label18", "Engineer     :", 0, false, true},
    {"USER_REMARK", kUserFrame, "Label17", "Remark      :", 0, true, false},
};

// Adds the two frames, the fields and their labels to the window, with the
// keyboard handling: Enter moves on as Tab would (except in the remarks),
// and "." in the integer part of the frequency moves on to its fraction.
void BuildContactFields(MainWindow& window);

}  // namespace k9r
