#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/Clock.h"
#include "core/SetupImage.h"
#include "device/RW.h"
#include "editor/MainWindow.h"
#include "editor/PortSelector.h"
#include "editor/ScriptedUserInterface.h"
#include "editor/UnitTransfer.h"
#include "sim/DemoUnit.h"

namespace k9r {

// The main window with the demo unit behind its link, in memory and on
// virtual time, and a user who answers from a queue.
class UnitTest : public ::testing::Test {
 protected:
  using Kind = ScriptedUserInterface::Answer::Kind;

  void SetUp() override {
    window.startup();
    ConnectUnit(sim::FreshDemoMemory());
  }
  void ConnectUnit(const sim::UnitMemory& memory, sim::LoaderOptions options = {},
                   ProductData productData = sim::DemoProductData()) {
    auto newEngine = std::make_unique<sim::LoaderEngine>(memory, options);
    auto newPort = std::make_unique<sim::FakeSerialPort>(clock, *newEngine, "/dev/ttyS0");
    window.AttachSerialPort(*newPort, std::move(productData));
    engine = std::move(newEngine);
    port = std::move(newPort);
    window.Ports().ShowPortForThisRun("COM1");
  }
  // A fresh demo unit with some bytes changed.
  static sim::UnitMemory UnitWith(std::initializer_list<std::pair<int, std::uint8_t>> bytes, bool sixPair = false) {
    sim::UnitMemory memory = sim::FreshDemoMemory(sixPair);
    for (const auto& [address, value] : bytes) memory.Set(address, value);
    return memory;
  }

  void Read() { window.Transfer().READ_SETUP_DATA_Click(); }
  std::string Text(const char* name) const { return window.Controls().Get<TextField>(name).Text(); }
  bool Visible(const char* name) const { return window.Controls().Find(name)->Visible(); }
  std::string Cell(int address) { return window.Image().CellText(ImageCellIndex(address)); }
  std::array<std::string, SetupImage::kCellCount> Cells() {
    std::array<std::string, SetupImage::kCellCount> cells;
    for (int cell = 0; cell < SetupImage::kCellCount; ++cell) cells[static_cast<std::size_t>(cell)] = window.Image().CellText(cell);
    return cells;
  }
  std::string UnitSettings() const {
    std::string text;
    for (std::uint8_t byte : engine->Memory().Range(0x1080, 128)) text += ByteText(byte);
    return text;
  }
  std::string UpperHalf() {
    std::string text;
    for (int cell = 128; cell < 256; ++cell) text += window.Image().CellText(cell);
    return text;
  }
  bool Shown(const std::string& part) const {
    return std::any_of(ui.Records().begin(), ui.Records().end(),
                       [&](const auto& record) { return record.text.find(part) != std::string::npos; });
  }
  int FramesWithCommand(std::uint8_t command) const {
    return static_cast<int>(std::count_if(engine->Frames().begin(), engine->Frames().end(),
                                          [&](const auto& frame) { return frame.command == command; }));
  }

  ScriptedUserInterface ui;
  VirtualClock clock;
  std::unique_ptr<sim::LoaderEngine> engine;
  std::unique_ptr<sim::FakeSerialPort> port;
  MainWindow window{ui, clock};
};

}  // namespace k9r
