#pragma once

#include <bitset>
#include <string>
#include <vector>

#include "sim/UnitMemory.h"

namespace k9r::sim {

// Faults a technician meets in the field, on demand.
enum class Fault {
  None,
  NoAnswer,         // the unit is not there or not in its loader
  RefusePasswords,  // every password is refused
  RefuseErase,      // segment erase is refused and nothing is erased
  WrongReadBack,    // one byte of the settings block reads back wrong
  ShortReply,       // read replies stop half-way
};

struct LoaderOptions {
  // From 1.60 on the loader checks the whole information memory after a
  // segment erase and refuses when it is not blank.
  bool eraseCheck = false;
  Fault fault = Fault::None;
};

// One complete frame the loader received, as the tests inspect it.
struct ReceivedFrame {
  std::uint8_t command = 0;
  int address = 0;
  int length = 0;  // LL/LH: the length, or the erase key
  Bytes data;
  bool acknowledged = false;
};

// The ROM bootstrap loader of an MSP430F1xx with its memory: synchronisation,
// password, block read and write (flash bits can only be cleared), segment
// and mass erase, load program counter. It knows nothing of time: the port
// in front of it paces the bytes.
class LoaderEngine {
 public:
  LoaderEngine(UnitMemory memory, LoaderOptions options) : memory_(memory), options_(options) {}

  // A reset into the loader (the entry sequence, or the host reopening the
  // pseudo-terminal): locked again, waiting for a synchronisation byte.
  void EnterLoader();
  // Takes one byte from the host; returns what the loader answers to it.
  Bytes Receive(std::uint8_t byte);

  const std::vector<ReceivedFrame>& Frames() const { return frames_; }
  const UnitMemory& Memory() const { return memory_; }
  // True once after every change of flash memory (the pty tool saves then).
  bool TakeFlashChanged();
  bool Unlocked() const { return unlocked_; }

 private:
  enum class State { WaitSync, WaitFrame, RunningUserCode };

  Bytes HandleFrame(const Bytes& frame);
  Bytes Execute(ReceivedFrame& frame);
  Bytes WriteBlock(const ReceivedFrame& frame);
  Bytes ReadBlock(const ReceivedFrame& frame) const;
  Bytes EraseSegment(const ReceivedFrame& frame);
  Bytes LoadProgramCounter(const ReceivedFrame& frame);
  bool PatchNeeded() const { return memory_.LoaderVersion() <= 0x0110; }

  UnitMemory memory_;
  LoaderOptions options_;
  State state_ = State::WaitSync;
  bool unlocked_ = false;
  Bytes pending_;
  std::vector<ReceivedFrame> frames_;
  std::bitset<kLoaderPatchLength> patchBytesWritten_;
  bool patchRunning_ = false;
  bool flashChanged_ = false;
};

}  // namespace k9r::sim
