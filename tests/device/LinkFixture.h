#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/SetupImage.h"
#include "device/RW.h"
#include "device/StandaloneLinkHost.h"
#include "editor/ScriptedUserInterface.h"
#include "sim/DemoUnit.h"
#include "sim/FakeSerialPort.h"

namespace k9r {

// Made-up product data of the right shape: build A is the simulated unit's
// password, the patch is 194 bytes of filler.
inline ProductData TestProductData(bool withPatch = true) {
  ProductData data;
  data.passwords.content.builds[0] = sim::kDemoPassword;
  for (int build = 1; build < kFirmwareBuildCount; ++build) {
    LoaderPassword other = sim::kDemoPassword;
    other[31] = static_cast<std::uint8_t>(0xE0 + build);
    data.passwords.content.builds[static_cast<std::size_t>(build)] = other;
  }
  if (withPatch) data.loaderPatch.content = Bytes(kLoaderPatchLength, 0x3F);
  return data;
}

// The link against a simulated unit behind an in-memory port, on virtual
// time, with a user who only reads messages.
class LinkTest : public ::testing::Test {
 protected:
  void MakeUnit(sim::UnitIdentity identity = {}, sim::LoaderOptions options = {}, ProductData data = TestProductData()) {
    if (identity.password == LoaderPassword{}) identity.password = sim::kDemoPassword;
    MakeUnitWithMemory(sim::UnitMemory::Fresh(identity), options, std::move(data));
  }
  void MakeUnitWithMemory(const sim::UnitMemory& memory, sim::LoaderOptions options = {},
                          ProductData data = TestProductData()) {
    engine = std::make_unique<sim::LoaderEngine>(memory, options);
    port = std::make_unique<sim::FakeSerialPort>(clock, *engine, "/dev/ttyS0");
    rw = std::make_unique<RW>(host, *port, std::move(data));
    rw->SetTimeOfDay([] { return std::string("12:34:56"); });
  }
  void SetUp() override { MakeUnit(); }

  int FramesWithCommand(std::uint8_t command) const {
    int count = 0;
    for (const auto& frame : engine->Frames()) count += frame.command == command;
    return count;
  }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& record : ui.Records()) texts.push_back(record.text);
    return texts;
  }
  bool LogNoteContains(const std::string& part) const {
    for (const std::string& note : rw->Log().Notes()) {
      if (note.find(part) != std::string::npos) return true;
    }
    return false;
  }
  // Writes the 128 bytes into cells 128-255 as the editor would.
  void SetImage(const std::string& hex256) {
    for (std::size_t i = 0; i < 128; ++i) host.cells[128 + i] = hex256.substr(2 * i, 2);
  }
  std::string UnitSettingsText() const {
    std::string text;
    for (std::uint8_t byte : engine->Memory().Range(0x1080, 128)) text += ByteText(byte);
    return text;
  }

  VirtualClock clock;
  ScriptedUserInterface ui;
  StandaloneLinkHost host{ui, clock};
  std::unique_ptr<sim::LoaderEngine> engine;
  std::unique_ptr<sim::FakeSerialPort> port;
  std::unique_ptr<RW> rw;
};

}  // namespace k9r
