#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace k9r {

// The main file of a setup (*.K9S): 22 lines, one text each.
inline constexpr int kMainFileLineCount = 22;
using MainFileTable = std::array<std::string, kMainFileLineCount>;

// Which line holds which contact or unit-information field.
struct MainFileFieldLine {
  int line;
  std::string_view field;
};
inline constexpr MainFileFieldLine kMainFileFieldLines[] = {
    {0, "DISTRIBUTOR_COMPANY_NAME"}, {1, "DISTRIBUTOR_ADDRESS"}, {2, "DISTRIBUTOR_TELEPHONE"},
    {3, "DISTRIBUTOR_FAX"},          {4, "DISTRIBUTOR_EMAIL"},   {5, "DISTRIBUTOR_COMPANY_SALES"},
    {6, "DISTRIBUTOR_FRQ1"},         {7, "DISTRIBUTOR_FRQ2"},    {8, "DISTRIBUTOR_CH"},
    {10, "USER_COMPANY"},            {11, "USER_ADDRESS"},       {12, "USER_TELEPHONE"},
    {13, "USER_FAX"},                {14, "USER_EMAIL"},         {15, "USER_ENGINEER"},
    {18, "SERIAL_NUMBER_TXT"},       {19, "TX_DATE"},            {20, "RX_DATE"},
    {21, "RC_MODETYPES"},
};

// The three companion files and the main-file lines that record their paths.
enum class Companion { DistributorRemark, UserRemark, Image };
inline constexpr Companion kCompanions[] = {Companion::DistributorRemark, Companion::UserRemark, Companion::Image};
int CompanionLine(Companion companion);
// "_1.DU1", "_2.DU2", "_3.DU3"
std::string_view CompanionSuffix(Companion companion);

// Where a save puts a companion: the main file's path up to the last "." of
// its name (the whole name when it has none) followed by the suffix.
std::filesystem::path CompanionPathForSave(const std::filesystem::path& mainFile, Companion companion);
// Where a load looks when the recorded path is gone: beside the main file,
// named after the main file's name up to its first ".".
std::filesystem::path CompanionPathBeside(const std::filesystem::path& mainFile, Companion companion);

// The 22 texts of a main file's lines; a line the file lacks repeats the last
// line that was there (all empty for an empty file).
MainFileTable MainFileTableFromLines(const std::vector<std::string>& lines);

// A field's text as one line of the main file. Line breaks (which only the
// address fields hold) would shift every later line, so each is stored as a
// vertical tab; a text without breaks is written as it stands.
std::string FieldToLine(std::string_view text);
std::string FieldFromLine(std::string_view line);

// A remark as the lines of its companion file and back. Inside the program
// line breaks are "\n". A remark ends with a line break after loading; a
// save adds none to it, so that a save and a load give back the same text.
std::vector<std::string> RemarkToLines(std::string_view remark);
std::string RemarkFromLines(const std::vector<std::string>& lines);

}  // namespace k9r
