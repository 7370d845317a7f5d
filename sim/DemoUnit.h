#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/Clock.h"
#include "device/ProductData.h"
#include "sim/FakeSerialPort.h"
#include "sim/LoaderEngine.h"
#include "sim/PtyUnitServer.h"
#include "sim/UnitMemory.h"

namespace k9r::sim {

// The made-up firmware password of the simulated unit. It stands for build A
// in data/demo/k9r-passwords.txt; no real unit has it.
inline constexpr LoaderPassword kDemoPassword = {
    0x4E, 0xE0, 0x4E, 0xE0, 0x4E, 0xE0, 0x12, 0xE1, 0x4E, 0xE0, 0x4E, 0xE0, 0x34, 0xE2, 0x56, 0xE3,
    0x4E, 0xE0, 0x4E, 0xE0, 0x78, 0xE4, 0x4E, 0xE0, 0x9A, 0xE5, 0x4E, 0xE0, 0x4E, 0xE0, 0x00, 0xE0};

// Product data that opens the demo unit and nothing else: build A is the
// demo password, the other builds are absent, and the loader patch is made
// of "jmp $" words, as in data/demo.
ProductData DemoProductData();

// A demo unit as it leaves the factory: standard or six-pair, with its
// settings block erased if asked.
UnitMemory FreshDemoMemory(bool sixPair = false, bool erasedSettings = false);

// Where the demo unit of the window and of `k9r ... --demo` keeps its memory
// between runs: demo-unit.txt in the user's data folder.
std::string DemoMemoryFile();
// The demo unit's reads are kept apart from real units': demo-backups in
// the user's data folder.
std::string DemoBackupFolder();
// The memory kept in path, or a fresh unit when there is none yet; nullopt
// with a reason when the file is there but unusable.
std::optional<UnitMemory> LoadDemoMemory(const std::string& path, std::string& error);
// Saves the memory, making the folder if need be.
bool SaveDemoMemory(const UnitMemory& memory, const std::string& path, std::string& error);

// The demo unit inside the program on virtual time: the link reaches it
// through an in-memory port named kPortName.
class InProcessDemoUnit {
 public:
  static constexpr const char* kPortName = "DEMO UNIT";

  InProcessDemoUnit(VirtualClock& clock, const UnitMemory& memory)
      : engine_(memory, LoaderOptions{}), port_(clock, engine_, kPortName) {}

  SerialPort& Port() { return port_; }
  const LoaderEngine& Engine() const { return engine_; }

 private:
  LoaderEngine engine_;
  FakeSerialPort port_;
};

// The demo unit behind a pseudo-terminal, answering in real time at 9600
// baud from a thread of its own; every change of its flash memory is saved
// to the memory file.
class PtyDemoUnit {
 public:
  // Without pacing the unit answers at once (tests on a busy machine).
  explicit PtyDemoUnit(bool pace = true) : pace_(pace) {}
  ~PtyDemoUnit();
  PtyDemoUnit(const PtyDemoUnit&) = delete;
  PtyDemoUnit& operator=(const PtyDemoUnit&) = delete;

  // False with a reason when the memory or the terminal is not usable.
  bool Start(const std::string& memoryFile, std::string& error);
  const std::string& TerminalPath() const { return server_.TerminalPath(); }

 private:
  bool pace_;
  PtyUnitServer server_;
  std::unique_ptr<LoaderEngine> engine_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace k9r::sim
