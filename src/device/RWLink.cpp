// The link layer of RW: port handling, the loader entry and synchronisation,
// the exchange of one frame given as text, and the senders of prepared
// frames (the block write and the loader patch).
#include <chrono>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "device/BslFrame.h"
#include "device/PortNames.h"
#include "device/RW.h"

namespace k9r {

namespace {

constexpr std::size_t kInputLen = 1024;
constexpr const char* kStatusTitle = "K-9R 設定程式狀態";
constexpr const char* kLoadPcFrame = "801A040420020000";

std::string LocalTimeOfDay() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  std::ostringstream text;
  text << std::put_time(&local, "%H:%M:%S");
  return text.str();
}

// VB's Str(): a non-negative number gets a blank in its sign position.
std::string SignedNumberText(int value) { return (value < 0 ? "" : " ") + std::to_string(value); }

}  // namespace

RW::RW(LinkHost& host, SerialPort& port, ProductData productData)
    : host_(host), port_(port, host.Time(), log_), productData_(std::move(productData)), timeOfDay_(LocalTimeOfDay) {}

void RW::Wait(int ms) { WaitMilliseconds(Time(), ms); }

void RW::WaitForInput(int ms) {
  const std::uint32_t start = Time().NowMs();
  const auto limit = static_cast<std::uint32_t>(ms);
  while (port_.BytesWaiting() == 0 && static_cast<std::uint32_t>(Time().NowMs() - start) <= limit) Time().Pump();
}

bool RW::OpenSelectedPort() {
  if (port_.IsOpen()) return true;
  return port_.Open(DeviceForPortNumber(selectedPort_, host_.PortListItems()), LineSettings{});
}

void RW::ClosePort() { port_.Close(); }

void RW::DtrOffIfOpen() {
  if (port_.IsOpen()) port_.SetDtr(false);
}

void RW::ShowLanguageMessage(int number, const std::string& text, const std::string& title, MessageIcon icon) {
  const std::string languageText = host_.LOADTEXT(number);
  if (languageText.empty()) {
    host_.Ui().ShowMessage(icon, title, text, MessageButtons::Ok);
  } else {
    host_.Ui().ShowMessage(icon, host_.LOADTEXT(0), languageText, MessageButtons::Ok);
  }
}

void RW::ErrorPath() {
  write_program_Enabled = true;
  STOP_TIME = timeOfDay_();
  const PortError error = port_.LastError();
  port_.Note("serial port error " + std::to_string(error.code) + ": " + error.description);
  host_.Ui().ShowMessage(MessageIcon::None, kStatusTitle,
                         "Error Code : " + std::to_string(error.code) + "   Descript :" + error.description,
                         MessageButtons::Ok);
}

void RW::START_BSL(int port) {
  selectedPort_ = port;
  ClosePort();
  Wait(20);
  OpenSelectedPort();
  port_.SetRts(true);
  port_.SetDtr(false);
  Wait(200);
  if (!port_.IsOpen()) {
    port_.Note("no connection: the port cannot be opened");
    SYNC_CONNECT = 10;
    return;
  }
  // The loader entry sequence: TEST (RTS) pulses while RESET (DTR) is low,
  // then RESET is released with TEST high.
  static constexpr std::pair<bool, bool> kEntrySequence[] = {
      {true, false}, {false, false}, {false, true}, {false, false},
      {true, true},  {false, true},  {false, false}, {false, true}};
  for (std::size_t step = 0; step < std::size(kEntrySequence); ++step) {
    const auto [isDtr, on] = kEntrySequence[step];
    isDtr ? port_.SetDtr(on) : port_.SetRts(on);
    Wait(step + 1 < std::size(kEntrySequence) ? 10 : 200);
  }
  WS1 = 225;
  Synchronise(WS1, 31, true);
}

void RW::Synchronise(int waitMs, int maxReads, bool discardFirst) {
  if (discardFirst) {
    port_.DiscardOutput();
    port_.DiscardInput();
  }
  port_.Write({kBslSync});
  Text1 = "SEND-SYNC-DATA=80H\r\n";
  received_text_.clear();
  WaitForInput(waitMs);
  for (int reads = 0; reads < maxReads && received_text_.empty(); ++reads) {
    received_text_ += ReplyTextNoLeadingZero(port_.Read(kInputLen));
  }
  if (received_text_ == "90") {
    Text1 = "90H=OK,SYNC=OK,同步成功";
    SYNC_CONNECT = 1;
  } else {
    Text1 = "SYNC=Falue ,同步失敗,請檢查設備市否確實連接";
    SYNC_CONNECT = 10;
    port_.Note(received_text_.empty() ? "no answer to the synchronisation byte"
                                      : "the synchronisation byte was answered with " + received_text_ + "H, not 90H");
  }
}

std::optional<Bytes> RW::ParseTracedFrame(const std::string& text) {
  const ParsedFrameText parsed = ParseFrameText(text);
  for (std::size_t i = 0; i < parsed.bytes.size(); ++i) {
    if (parseBuffer_.size() <= i) parseBuffer_.resize(i + 1);
    parseBuffer_[i] = parsed.bytes[i];
    std::string& box = parseBuffer_.size() > 4 && parseBuffer_[4] == 0x80 ? Text1 : Text2;
    box = "outbyte(" + SignedNumberText(static_cast<int>(i)) + ")= " + SignedNumberText(parsed.bytes[i]);
  }
  if (!parsed.complete) {
    port_.Note("frame text \"" + text + "\" holds a pair that is no hex number; nothing sent");
    return std::nullopt;
  }
  return parsed.bytes;
}

bool RW::SendSyncForFrame(int waitMs) {
  if (!port_.Write({kBslSync})) {
    ErrorPath();
    return false;
  }
  Wait(waitMs);
  return true;
}

void RW::READ_WRITE(const std::string& DATA_OUT) {
  const std::optional<Bytes> parsed = ParseTracedFrame(DATA_OUT);
  if (!parsed) return;
  Bytes frame = *parsed;
  const bool isRead = frame.size() > 1 && frame[1] == kCmdReadBlock;
  const bool isPassword = frame.size() > 1 && frame[1] == kCmdPassword;
  const std::uint8_t al = frame.size() > 4 ? frame[4] : 0;

  if (!isPassword) {
    if (!SendSyncForFrame(30)) return;
    received_text_ = ReplyTextCompact(port_.Read(kInputLen));
    Text2 = received_text_ == "90" ? "SEND 80H SYNC is OK!!!" : "SEND 80H SYNC is FALSE!!!";
  }
  received_text_.clear();
  AppendChecksum(frame);
  if (!OpenSelectedPort() || !port_.Write(frame)) {
    ErrorPath();
    return;
  }
  WS1 = 225;
  Wait(WS1);
  received_text_.clear();
  for (int reads = 0; reads < (isRead ? 50 : 10); ++reads) {
    const Bytes reply = port_.Read(kInputLen);
    received_text_ += isRead ? ReplyTextSpaced(reply) : ReplyTextCompact(reply);
  }
  ReportReply(al, isRead);
}

void RW::ReportReply(std::uint8_t al, bool isRead) {
  const std::string boxText = "BSLRECV_DATA=" + received_text_ + "H";
  const char* status = received_text_.empty() ? "BSLECV_DATA=FALSE" : "BSLRECV_DATA=OK";
  std::string& box = al == 0x80 ? Text2 : Text1;
  if (al == 0x80) {
    Text2 = boxText;
    Text4 = status;
  } else {
    Text1 = boxText;
    Text3 = status;
    Text2.clear();
    Text4.clear();
  }
  if (!isRead) return;
  if (received_text_.size() < 19) {
    box = received_text_;
  } else {
    box = received_text_.substr(12, received_text_.size() - 18) + "\r\n";
  }
}

void RW::STRING_TO_DIM(const std::string& DATA_IN) {
  std::optional<Bytes> parsed = ParseTracedFrame(DATA_IN);
  if (!parsed) return;
  AppendChecksum(*parsed);
  frame_bytes_ = std::move(*parsed);
}

bool RW::SendPrepared(const Bytes& frame, int replyWaitMs, bool sendEvenWithoutSync, const char* okText,
                      const char* falseText) {
  port_.DiscardInput();
  received_text_.clear();
  if (!SendSyncForFrame(50)) return false;
  received_text_ += ReplyTextNoLeadingZero(port_.Read(kInputLen));
  if (received_text_ != "90") {
    Text2 = "SEND 80H SYNC is FALSE!!!";
    if (!sendEvenWithoutSync) return false;
  } else {
    Text2 = "SEND 80H SYNC is OK!!!";
  }
  port_.DiscardInput();
  received_text_.clear();
  if (!OpenSelectedPort() || !port_.Write(frame)) {
    ErrorPath();
    return false;
  }
  Wait(replyWaitMs);
  received_text_ += ReplyTextNoLeadingZero(port_.Read(kInputLen));
  Text2 = received_text_ == "90" ? okText : falseText;
  return received_text_ == "90";
}

void RW::READ_WRITE_DIM(const Bytes& Sendbyte) {
  SendPrepared(Sendbyte, Sendbyte.size() <= 100 ? 150 : 300, false, "OUT-DIM-BLOCK SEND is OK!!!",
               "OUT-DIM-BLOCK SEND is FALSE!!!");
}

void RW::READ_WRITE_PA() {
  if (patch_a_bytes_.empty()) {
    Text2 = "PATCH is FALSE!!!";
    port_.Note("loader patch part A not sent: no patch data");
    return;
  }
  SendPrepared(patch_a_bytes_, 300, true, "PATCH is OK!!!", "PATCH is FALSE!!!");
}

void RW::READ_WRITE_PB() {
  if (patch_b_bytes_.empty()) {
    Text2 = "PATCH is FALSE!!!";
    port_.Note("loader patch part B not sent: no patch data");
    return;
  }
  SendPrepared(patch_b_bytes_, 300, true, "PATCH is OK!!!", "PATCH is FALSE!!!");
}

void RW::LOADPC_0220_Click() {
  incoming_text.clear();
  received_text_.clear();
  incoming_text = kLoadPcFrame;
  READ_WRITE(incoming_text);
}

}  // namespace k9r
