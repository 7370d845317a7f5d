// Writing the settings block into a unit: model check, loader version,
// erase, the loader patch for old loaders, the block write and its
// read-back.
#include <algorithm>
#include <cctype>

#include "core/SetupImage.h"
#include "device/BslFrame.h"
#include "device/DefaultImages.h"
#include "device/RW.h"

namespace k9r {

namespace {

constexpr const char* kStatusTitle = "K-9R 設定程式狀態";
constexpr int kSettingsAddress = 0x1080;
constexpr const char* kLoaderVersionFrame = "80140404FA0F0200";
constexpr const char* kEraseSettingsFrame = "80160404801002A5";
constexpr const char* kLoadPcFrame = "801A040420020000";
constexpr const char* kPatchAHeader = "8012848420028000";
constexpr const char* kPatchBHeader = "80124646A0024200";
constexpr std::size_t kPatchASize = 128;

bool IsSixPairModel(const std::string& modelByte) { return modelByte == "D2" || modelByte == "F4"; }

std::optional<int> DecimalNumber(const std::string& text) {
  if (text.empty() || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); })) {
    return std::nullopt;
  }
  return std::stoi(text);
}

std::string HexWithoutLeadingZero(int value) { return ReplyTextNoLeadingZero({static_cast<std::uint8_t>(value)}); }

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::toupper(x) == std::toupper(y);
         });
}

std::string NormalisedCell(const std::string& text) {
  switch (text.size()) {
    case 0: return "00";
    case 1: return "0" + text;
    case 3: return text.substr(0, 2);
    default: return text;
  }
}

}  // namespace

bool ModelTypeAllowsWrite(const std::string& rcModeTypes, const std::string& modelByte) {
  if (rcModeTypes == " K9R-16A/B") return IsSixPairModel(modelByte);
  if (rcModeTypes == "ERROR TYPE") return true;
  return !IsSixPairModel(modelByte);
}

void RW::Unlock() {
  START_BSL(zzz);
  incoming_text = password_frames_[MODETYPE_R2];
  received_text_.clear();
  READ_WRITE(incoming_text);
  NotePasswordResult(MODETYPE_R2);
}

RW::LoaderVersion RW::ReadLoaderVersion() {
  READ_WRITE(kLoaderVersionFrame);
  LoaderVersion version{DecimalNumber(Mid(received_text_, 13, 2)), DecimalNumber(Mid(received_text_, 16, 1))};
  BSL_VER = (version.major ? std::to_string(*version.major) : "") + "." +
            (version.minor ? std::to_string(*version.minor) : "");
  return version;
}

std::string RW::ImageTextFromGrid(std::string& fault) {
  std::string text;
  for (int cell = 128; cell <= 255; ++cell) {
    const std::string normalised = NormalisedCell(host_.SetupCellText(cell));
    if (fault.empty() && (normalised.size() != 2 || !IsHexByteText(normalised))) {
      fault = "cell " + AddressText(0x1000 + cell) + " holds \"" + host_.SetupCellText(cell) + "\", which is no byte";
    }
    text += normalised;
  }
  return text;
}

bool RW::BlockReadsErased() {
  READ_WRITE(ReadFrameText(kSettingsAddress, 0x80));
  std::string compact = received_text_;
  return EqualIgnoringCase(Mid(AllTrim(compact), 9, 256), std::string(256, 'F'));
}

void RW::NoteVerifyMismatch(const std::string& written, const std::string& readBack) {
  for (std::size_t i = 0; i + 1 < written.size(); i += 2) {
    const std::string wanted = written.substr(i, 2);
    const std::string found = i + 1 < readBack.size() ? readBack.substr(i, 2) : "--";
    if (!EqualIgnoringCase(wanted, found)) {
      port_.Note("read-back differs at " + AddressText(kSettingsAddress + static_cast<int>(i / 2)) + ": written " +
                 wanted + ", read " + found);
    }
  }
}

void RW::LoadLoaderPatch() {
  ReportProductDataProblem(productData_.loaderPatch.problem);
  READ_WRITE_PA();
  READ_WRITE_PB();
  if (patch_a_bytes_.empty()) {
    // Starting code at 0220 with no patch there would run whatever the RAM holds.
    port_.Note("program counter not loaded: no loader patch in the unit's RAM");
    return;
  }
  STRING_TO_DIM(kLoadPcFrame);
  READ_WRITE_DIM(frame_bytes_);
}

void RW::WRITE_DATA_Click() {
  READ_MODELTYPE_Click();
  if (SYNC_CONNECT == 10) {
    ClosePort();
    return;
  }
  READ_MODELTYPE_Click();

  Unlock();
  ReadSerialArea();
  if (!ModelTypeAllowsWrite(host_.RC_MODETYPES(), READ_MODTYPE_MODEL)) {
    WRITEDATA_ERROR = 1;
    port_.Note("model byte " + READ_MODTYPE_MODEL + " does not fit the model type \"" + host_.RC_MODETYPES() + "\"");
    ShowLanguageMessage(18, "This unit (model byte " + READ_MODTYPE_MODEL +
                                ") does not fit the selected model type. Nothing was written.",
                        kStatusTitle, MessageIcon::Error);
    ClosePort();
    return;
  }
  WRITEDATA_ERROR = 0;

  ProgressBar2 = 0;
  ProgressBar2 = 10;
  IN_OUT_PASWD();
  START_BSL(zzz);
  if (SYNC_CONNECT == 10) {
    if (port_.IsOpen()) {
      port_.SetDtr(false);
      ClosePort();
    }
    write_program_Enabled = true;
    ShowLanguageMessage(16, "連線錯誤,請檢查連接狀態??", "K9R_Message", MessageIcon::Error);
    ClosePort();
    return;
  }
  if (Wstime1.empty()) Wstime1 = timeOfDay_();
  START_BSL(zzz);
  if (SYNC_CONNECT == 10) {
    DtrOffIfOpen();
    write_program_Enabled = true;
    ShowLanguageMessage(16, "連線錯誤,請檢查連接狀態??", kStatusTitle, MessageIcon::Error);
    host_.SetMainProgress(0);
    ClosePort();
    return;
  }

  READ_WRITE(password_frames_[MODETYPE_R2]);
  const LoaderVersion version = ReadLoaderVersion();

  // Anything but 128 bytes of hex would shift or garble every byte after
  // it in the unit, so such an image is refused before anything is erased.
  std::string fault;
  EEPROM_1080_DATA = ImageTextFromGrid(fault);
  std::string written = EEPROM_1080_DATA.substr(0, 256);
  if (fault.empty() && EEPROM_1080_DATA.size() != 256) fault = "the image is not 128 bytes long";
  if (!fault.empty()) {
    port_.Note("image refused: " + fault);
    ShowLanguageMessage(18, "設定資料錯誤請檢查!!! ", kStatusTitle, MessageIcon::Error);
    ClosePort();
    return;
  }
  const bool repairRun = host_.FIX430F149AACLEANERROR() == 1;
  if (repairRun) EEPROM_1080_DATA = written = DefaultRepairImage(READ_MODTYPE_MODEL);

  if (!EraseSettingsBlock(version, repairRun)) return;

  ProgressBar2 = 55;
  Unlock();
  written = written.substr(0, 256);
  if (written.size() % 2 != 0) {
    ShowLanguageMessage(18, "設定資料寫入錯誤!!! ", kStatusTitle, MessageIcon::Error);
    ClosePort();
    return;
  }
  if (!WriteAndVerify(written, version)) return;

  ProgressBar2 = 80;
  if (port_.IsOpen()) {
    port_.SetDtr(false);
    ClosePort();
  }
  READ_PROG_CODE_Enabled = true;
  write_program_Enabled = true;
  if (WRITEDATA_ERROR != 0) return;
  if (repairRun) {
    host_.SetMainProgress(55);
    return;
  }
  host_.SetMainProgress(90);
  ShowLanguageMessage(20, "資料燒錄完成!!! ", kStatusTitle, MessageIcon::Information);
}

void RW::PreparePatchFrames() {
  patch_a_bytes_.clear();
  patch_b_bytes_.clear();
  if (const auto& patch = productData_.loaderPatch.content) {
    STRING_TO_DIM(kPatchAHeader + ReplyTextCompact(Bytes(patch->begin(), patch->begin() + kPatchASize)));
    patch_a_bytes_ = frame_bytes_;
    STRING_TO_DIM(kPatchBHeader + ReplyTextCompact(Bytes(patch->begin() + kPatchASize, patch->end())));
    patch_b_bytes_ = frame_bytes_;
  }
}

bool RW::EraseSettingsBlock(const LoaderVersion& version, bool repairRun) {
  Unlock();
  port_.DiscardInput();
  READ_WRITE(kEraseSettingsFrame);
  ProgressBar2 = 35;
  if (received_text_ == "90") {
    Text4 = "Segment B SEGMENT_ERASE OK";
    host_.SetMainProgress(55);
    WRITEDATA_ERROR = 0;
    return true;
  }
  // Loaders from 1.6 on check the whole information memory after an erase
  // and refuse even when the settings segment itself was erased.
  if (version.major.value_or(-1) >= 1 && version.minor.value_or(-1) >= 6) {
    ClosePort();
    Unlock();
    if (BlockReadsErased()) {
      port_.Note("the erase was refused, but the block reads back erased");
      Text4 = "Segment B SEGMENT_ERASE OK";
      host_.SetMainProgress(repairRun ? 55 : 30);
      WRITEDATA_ERROR = 0;
      return true;
    }
  }
  port_.Note("the settings block was not erased");
  Text4 = "Segment B SEGMENT_ERASE ERROR";
  WRITEDATA_ERROR = 1;
  ShowLanguageMessage(19, "ERASE_DATA Segment B is ON ERROR!!! ", "MORU5-T Message", MessageIcon::Error);
  host_.SetMainProgress(100);
  ClosePort();
  host_.SetFIX430F149AACLEANERROR(0);
  return false;
}

bool RW::WriteAndVerify(const std::string& written, const LoaderVersion& version) {
  const int frameLength = static_cast<int>(written.size() / 2) + 4;
  const std::string writeFrameText = "8012" + HexWithoutLeadingZero(frameLength) + HexWithoutLeadingZero(frameLength) +
                                     "8010" + HexWithoutLeadingZero(frameLength - 4) + "00" + written;
  ProgressBar2 = 75;
  PreparePatchFrames();
  STRING_TO_DIM(writeFrameText);
  const Bytes writeFrame = frame_bytes_;

  Unlock();
  if (!(version.major.value_or(-1) >= 1 && version.minor.value_or(-1) > 1)) LoadLoaderPatch();

  Unlock();
  received_text_.clear();
  READ_WRITE_DIM(writeFrame);
  WaitMilliseconds(Time(), 0);
  if (received_text_.rfind("90", 0) != 0) {
    port_.Note("the unit did not acknowledge the block write");
    Text4 = "Segment B WRITE DATA ERROR";
    WRITEDATA_ERROR = 1;
    ShowLanguageMessage(18, "設定資料寫入錯誤!!! ", kStatusTitle, MessageIcon::Error);
    ClosePort();
    return false;
  }
  Text4 = "Segment B WRITE DATA OK";
  host_.SetMainProgress(host_.FIX430F149AACLEANERROR() == 1 ? 55 : 50);
  WRITEDATA_ERROR = 0;

  ClosePort();
  Unlock();
  READ_WRITE(ReadFrameText(kSettingsAddress, 0x80));
  std::string compact = received_text_;
  const std::string readBack = Mid(AllTrim(compact), 9, written.size());
  if (EqualIgnoringCase(readBack, written)) {
    Text4 = "Segment B WRITE DATA OK";
    WRITEDATA_ERROR = 0;
    return true;
  }
  NoteVerifyMismatch(written, readBack);
  Text4 = "Segment B WRITE DATA ERROR";
  WRITEDATA_ERROR = 1;
  ShowLanguageMessage(18, "WRITE SETUP_DATA is incorrect!!! ", kStatusTitle, MessageIcon::Error);
  ClosePort();
  return false;
}

}  // namespace k9r
