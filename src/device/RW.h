#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "device/ByteLog.h"
#include "device/LinkHost.h"
#include "device/ProductData.h"
#include "device/SerialPort.h"

namespace k9r {

// The programmer window RW without a window: the device link with its
// variables, its log and status boxes, its progress values and every
// operation on the unit's bootstrap loader. It reaches the main window only
// through LinkHost. Every step that fails is passed over and the operation
// goes on with the next one, as the technicians know it.
class RW {
 public:
  RW(LinkHost& host, SerialPort& port, ProductData productData);

  // Link variables.
  int zzz = 1;          // port number: list position of COM_PORT_SETUP + 1
  int WS1 = 225;        // reply wait in ms
  std::string incoming_text;
  int SYNC_CONNECT = 0;  // 0 none, 1 synchronised/read done, 5 password refused, 10 no connection
  int MODETYPE = 0;      // password entry the unit accepted (READ_DATA_Click)
  int MODETYPE_R2 = 0;   // the same, found by READ_MODELTYPE_Click
  std::string EEPROM_1080_DATA;
  const std::string EEPROM_1000_DATA;  // no operation ever fills it
  std::string READ_MODTYPE_SN;
  std::string READ_MODTYPE_DATE;
  std::string READ_MODTYPE_MODEL;
  std::string READ_MODTYPE_IDCODE;
  std::string BSL_VER;
  int WRITEDATA_ERROR = 0;

  // The window's boxes, progress bars and buttons, kept as link state.
  std::string Text1, Text2, Text3, Text4;
  std::string Wstime1, STOP_TIME, TOTAL_TIME;
  int ProgressBar1 = 0;
  int ProgressBar2 = 0;
  bool write_program_Enabled = true;
  bool READ_PROG_CODE_Enabled = true;

  // Link layer.
  void START_BSL(int port);
  void READ_WRITE(const std::string& DATA_OUT);
  // Reading.
  void IN_OUT_PASWD();
  void READ_DATA_Click();
  void READ_MODELTYPE_Click();
  // Writing.
  void WRITE_DATA_Click();
  // Prepared frames and the loader patch.
  void STRING_TO_DIM(const std::string& DATA_IN);
  void READ_WRITE_DIM(const Bytes& Sendbyte);
  // Converts the two patch frames for READ_WRITE_PA/PB (the write does it
  // before it loads the patch); without patch data they stay empty.
  void PreparePatchFrames();
  void READ_WRITE_PA();
  void READ_WRITE_PB();
  void LOADPC_0220_Click();

  // The serial control; the main window closes it when the port selection
  // changes and at exit.
  SerialPort& MSComm1() { return port_; }
  ByteLog& Log() { return log_; }
  const std::string& received_text() const { return received_text_; }
  const std::array<std::string, 21>& password_frames() const { return password_frames_; }
  const Bytes& frame_bytes() const { return frame_bytes_; }
  // Time of day for Wstime1 and STOP_TIME; the local clock unless replaced.
  void SetTimeOfDay(std::function<std::string()> timeOfDay) { timeOfDay_ = std::move(timeOfDay); }

 private:
  struct LoaderVersion {
    std::optional<int> major;
    std::optional<int> minor;
  };

  Clock& Time() { return host_.Time(); }
  void Wait(int ms);
  void WaitForInput(int ms);
  bool OpenSelectedPort();
  void ClosePort();
  void DtrOffIfOpen();
  void SelectPortFromList();
  void ShowLanguageMessage(int number, const std::string& text, const std::string& title, MessageIcon icon);
  void ErrorPath();
  void ReportProductDataProblem(std::string& problem);

  // Parses a frame text as READ_WRITE and STRING_TO_DIM do, tracing each
  // byte into Text1/Text2; nullopt when a pair is no hex number.
  std::optional<Bytes> ParseTracedFrame(const std::string& text);
  void Synchronise(int waitMs, int maxReads, bool discardFirst);
  bool SendSyncForFrame(int waitMs);
  void ReportReply(std::uint8_t al, bool isRead);
  int PasswordSearch(bool discardFirst);
  void NotePasswordResult(int entry);
  void Unlock();
  void ReadSerialArea();
  LoaderVersion ReadLoaderVersion();
  bool BlockReadsErased();
  std::string ImageTextFromGrid(std::string& fault);
  bool EraseSettingsBlock(const LoaderVersion& version, bool repairRun);
  bool WriteAndVerify(const std::string& written, const LoaderVersion& version);
  void LoadLoaderPatch();
  bool SendPrepared(const Bytes& frame, int replyWaitMs, bool sendEvenWithoutSync, const char* okText,
                    const char* falseText);
  void NoteVerifyMismatch(const std::string& written, const std::string& readBack);

  LinkHost& host_;
  ByteLog log_;
  LoggingSerialPort port_;
  ProductData productData_;
  std::function<std::string()> timeOfDay_;

  int selectedPort_ = 1;
  std::string received_text_;
  std::array<std::string, 21> password_frames_;
  Bytes parseBuffer_;  // the frame bytes last parsed; byte 4 routes the trace
  Bytes frame_bytes_;
  Bytes patch_a_bytes_;
  Bytes patch_b_bytes_;
};

// Whether the unit's model byte fits the model type selected in the editor.
bool ModelTypeAllowsWrite(const std::string& rcModeTypes, const std::string& modelByte);

}  // namespace k9r
