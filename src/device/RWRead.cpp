// Reading a unit: the password table and search, the settings block with
// the unit information (READ_DATA_Click) and the ID code read that the
// write runs first (READ_MODELTYPE_Click).
#include <sstream>

#include "core/SetupImage.h"
#include "device/BslFrame.h"
#include "device/RW.h"

namespace k9r {

namespace {

constexpr const char* kStatusTitle = "K-9R 設定程式狀態";
constexpr const char* kPasswordHeader = "80102424E0FF2000";
constexpr int kSettingsAddress = 0x1080;
constexpr int kUnitInfoAddress = 0xFFD0;

std::string PasswordFrame(const LoaderPassword& password) {
  return kPasswordHeader + ReplyTextCompact(Bytes(password.begin(), password.end()));
}

// A password no unit has (its reset vector would be 0000): sent for a build
// whose password the data file does not give, so that the unit refuses it.
LoaderPassword UnknownPassword() { return LoaderPassword{}; }

}  // namespace

void RW::ReportProductDataProblem(std::string& problem) {
  if (problem.empty()) return;
  port_.Note(problem);
  host_.Ui().ShowMessage(MessageIcon::Warning, "K-9R Message", problem, MessageButtons::Ok);
  problem.clear();  // once is enough: the file does not change while the program runs
}

void RW::IN_OUT_PASWD() {
  ReportProductDataProblem(productData_.passwords.problem);
  const auto& builds = productData_.passwords.content.builds;
  const auto build = [&](int index) { return PasswordFrame(builds[index].value_or(UnknownPassword())); };
  password_frames_[0] = build(0);
  password_frames_[1] = build(1);
  password_frames_[2] = PasswordFrame(ErasedDevicePassword());
  password_frames_[3] = build(2);
  password_frames_[4] = build(3);
  password_frames_[5] = password_frames_[0];
}

void RW::SelectPortFromList() {
  if (host_.PortListText() == "COM1") host_.SetPortListIndex(0);
  zzz = host_.PortListIndex() + 1;
}

void RW::NotePasswordResult(int entry) {
  if (received_text_.rfind("90", 0) == 0) {
    port_.Note("the unit accepted password entry " + std::to_string(entry));
  } else if (received_text_.empty()) {
    port_.Note("no answer to password entry " + std::to_string(entry));
  } else {
    port_.Note("the unit refused password entry " + std::to_string(entry) + " (" + received_text_ + "H)");
  }
}

int RW::PasswordSearch(bool discardFirst) {
  for (int entry = 1; entry <= 5; ++entry) {
    Synchronise(200, 4, discardFirst);
    incoming_text = password_frames_[entry];
    received_text_.clear();
    READ_WRITE(incoming_text);
    NotePasswordResult(entry);
    if (received_text_.rfind("90", 0) == 0) {
      received_text_ = "90";
      return entry;
    }
  }
  return -1;
}

void RW::READ_DATA_Click() {
  if (host_.PortListIndex() >= 0) SelectPortFromList();
  WS1 = 225;
  SYNC_CONNECT = 0;
  ProgressBar1 = 0;
  ProgressBar1 = 10;
  const bool repairRun = host_.FIX430F149AACLEANERROR() == 1;
  host_.SetMainProgress(repairRun ? 80 : 15);

  IN_OUT_PASWD();
  incoming_text = password_frames_[0];
  selectedPort_ = zzz;
  ClosePort();
  START_BSL(zzz);
  if (SYNC_CONNECT == 10) {
    DtrOffIfOpen();
    write_program_Enabled = true;
    ShowLanguageMessage(16, "連線錯誤,請檢查連接狀態??", kStatusTitle, MessageIcon::Error);
    host_.SetMainProgress(0);
    ClosePort();
    host_.SetFIX430F149AACLEANERROR(0);
    return;
  }

  received_text_.clear();
  READ_WRITE(incoming_text);
  NotePasswordResult(0);
  if (received_text_ == "90") {
    MODETYPE = 0;
  } else if (const int found = PasswordSearch(true); found >= 0) {
    MODETYPE = found;
  }
  if (received_text_.rfind("90", 0) == 0) {
    Text3 = "PASSWORD is OK";
  } else if (received_text_ == "A0") {
    Text3 = "PASSWORD is ERROR";
    SYNC_CONNECT = 5;
    return;
  }

  incoming_text = ReadFrameText(kSettingsAddress, 0x80);
  ProgressBar1 = 60;
  host_.SetMainProgress(repairRun ? 85 : 20);
  READ_WRITE(incoming_text);
  // A reply cut short or garbled on the line must not pass as the unit's
  // settings: its length and checksum are checked before any cell is set.
  if (const auto problem = ReadReplyProblem(received_text_, 0x80); problem || received_text_.size() < 16) {
    port_.Note("settings block read failed: " + problem.value_or("the reply is too short"));
    Text4 = "Segment B READ DATA ERROR";
    ShowLanguageMessage(15, "資料讀取錯誤!!!", kStatusTitle, MessageIcon::Error);
    DtrOffIfOpen();
    ClosePort();
    return;
  }

  std::istringstream tokens(received_text_.substr(12));
  std::string token;
  for (int i = 1; i <= 128 && tokens >> token; ++i) {
    host_.SetSetupCellText(127 + i, ByteText(ParseHex(token)));
  }
  std::string compact = received_text_;
  EEPROM_1080_DATA = Mid(AllTrim(compact), 9, 256);
  Text4 = "Segment B READ DATA OK";
  ProgressBar1 = 100;
  host_.SetMainProgress(repairRun ? 95 : 40);

  START_BSL(zzz);
  incoming_text = password_frames_[MODETYPE];
  received_text_.clear();
  READ_WRITE(incoming_text);
  ReadSerialArea();
  if (port_.IsOpen()) ClosePort();

  if (EEPROM_1080_DATA == std::string(256, 'F')) return;
  if (repairRun) {
    host_.SetMainProgress(95);
    return;
  }
  host_.SetMainProgress(70);
  ShowLanguageMessage(14, "READ_DATA OK!!!", "MORU5-T Message", MessageIcon::Information);
  SYNC_CONNECT = 1;
}

void RW::ReadSerialArea() {
  READ_MODTYPE_SN.clear();
  READ_MODTYPE_DATE.clear();
  received_text_.clear();
  incoming_text = ReadFrameText(kUnitInfoAddress, 0x0F);
  READ_WRITE(incoming_text);
  READ_MODTYPE_SN = Mid(received_text_, 13, 23);
  READ_MODTYPE_DATE = Mid(received_text_, 40, 8);
  READ_MODTYPE_MODEL = Mid(received_text_, 52, 2);
}

void RW::READ_MODELTYPE_Click() {
  selectedPort_ = zzz;
  ClosePort();
  SelectPortFromList();
  WS1 = 225;

  IN_OUT_PASWD();
  incoming_text = password_frames_[0];
  ClosePort();
  START_BSL(zzz);
  if (SYNC_CONNECT == 10) {
    DtrOffIfOpen();
    write_program_Enabled = true;
    ShowLanguageMessage(16, "連線錯誤,請檢查連接狀態??", kStatusTitle, MessageIcon::Error);
    return;
  }

  received_text_.clear();
  READ_WRITE(incoming_text);
  NotePasswordResult(0);
  if (received_text_ == "90") {
    MODETYPE_R2 = 0;
  } else if (const int found = PasswordSearch(false); found >= 0) {
    MODETYPE_R2 = found;
  }
  if (received_text_.rfind("90", 0) == 0) {
    Text3 = "PASSWORD is OK";
  } else if (received_text_ == "A0") {
    Text3 = "PASSWORD is ERROR";
    return;
  }

  START_BSL(zzz);
  incoming_text = password_frames_[MODETYPE_R2];
  received_text_.clear();
  READ_WRITE(incoming_text);
  incoming_text.clear();
  received_text_.clear();

  READ_WRITE(ReadFrameText(kSettingsAddress, 0x0A));
  READ_MODTYPE_IDCODE = Mid(received_text_, 13, 29);
  if (received_text_.size() < 6) {
    Text4 = "MODTYPE_IDCODE READ DATA ERROR";
    return;
  }
  Text4 = "MODTYPE_IDCODE READ DATA OK";
  READ_WRITE(ReadFrameText(0x10FE, 0x03));
  READ_WRITE(ReadFrameText(kUnitInfoAddress, 0x03));
  write_program_Enabled = true;
}

}  // namespace k9r
