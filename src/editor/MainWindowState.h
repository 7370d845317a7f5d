#pragma once

#include <array>
#include <string>

namespace k9r {

// The main window's public variables that several parts of the program share.
struct MainWindowState {
  static constexpr int kLoadTextCount = 46;

  int BUTTON_MODEL = 0;       // pair acted on by presets and decoding
  std::string MODE_TYPES;     // last decoded function byte
  int READ_MODE = 0;
  int LOADER_OLD_SETUP = 0;   // 1 while a loaded file is decoded
  int FIX430F149AACLEANERROR = 0;  // 1 during the repair of an erased unit
  int PROG_DEBUG = 0;
  int USER_MODE = 0;
  int new_3_function = 0;
  int new_KOREA_function = 0;
  int new_TOGGLE_NORMAL = 0;
  int new_GROUP_INTERLOCK = 0;
  std::array<std::string, kLoadTextCount> LOADTEXT;
  std::string LANGUAGE_file_path;
};

}  // namespace k9r
