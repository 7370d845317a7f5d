#include "sim/LoaderEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "device/BslFrame.h"
#include "sim/DemoUnit.h"

namespace k9r::sim {
namespace {

constexpr std::uint8_t kAck = 0x90, kNak = 0xA0;

class EngineTest : public ::testing::Test {
 protected:
  void Start(int loaderVersion = 0x0160, LoaderOptions options = {}) {
    UnitIdentity identity;
    identity.password = kDemoPassword;
    identity.loaderVersion = loaderVersion;
    engine = std::make_unique<LoaderEngine>(UnitMemory::Fresh(identity), options);
    engine->EnterLoader();
  }
  // Sends the sync byte and then the frame; returns the frame's answer.
  Bytes Exchange(const std::string& frameText, bool corruptChecksum = false) {
    EXPECT_EQ(engine->Receive(0x80), Bytes{kAck});
    Bytes frame = ParseFrameText(frameText).bytes;
    AppendChecksum(frame);
    if (corruptChecksum) frame.back() ^= 0xFF;
    Bytes reply;
    for (std::uint8_t byte : frame) {
      Bytes answer = engine->Receive(byte);
      reply.insert(reply.end(), answer.begin(), answer.end());
    }
    return reply;
  }
  Bytes Unlock(const LoaderPassword& password = kDemoPassword) {
    return Exchange("80102424E0FF2000" + ReplyTextCompact(Bytes(password.begin(), password.end())));
  }
  std::uint8_t At(int address) const { return engine->Memory().At(address); }

  std::unique_ptr<LoaderEngine> engine;
};

TEST_F(EngineTest, LockedLoaderRefusesProtectedCommands) {
  Start();
  for (const char* frame : {"8014040480100200", "80120505801001000F", "80160404801002A5", "801A040420020000"}) {
    EXPECT_EQ(Exchange(frame), Bytes{kNak}) << frame;
  }
  EXPECT_EQ(Unlock(ErasedDevicePassword()), Bytes{kNak});
  EXPECT_EQ(Unlock(), Bytes{kAck});
  EXPECT_EQ(Exchange("8014040480100200"), (Bytes{0x80, 0x00, 0x02, 0x02, 0x33, 0x55, 0x4E, 0xA8}));
  engine->EnterLoader();
  EXPECT_EQ(Exchange("8014040480100200"), Bytes{kNak}) << "a new entry locks again";
}

TEST_F(EngineTest, FlashWritesOnlyClearBitsAndEraseNeedsItsKey) {
  Start();
  Unlock();
  EXPECT_EQ(Exchange("80120505801001000F"), Bytes{kAck});  // 33 & 0F
  EXPECT_EQ(At(0x1080), 0x03);
  EXPECT_EQ(Exchange("80160404801002A4"), Bytes{kNak});  // wrong key
  EXPECT_EQ(At(0x1080), 0x03);
  EXPECT_EQ(Exchange("80160404C01002A5"), Bytes{kAck});  // any address in the segment
  EXPECT_TRUE(engine->Memory().IsErased(0x1080, 0x10FF));
  EXPECT_FALSE(engine->Memory().IsErased(0x1000, 0x107F)) << "the other segment stays";
  EXPECT_EQ(Exchange("80120505801001000F"), Bytes{kAck});
  EXPECT_EQ(At(0x1080), 0x0F);
}

TEST_F(EngineTest, BadChecksumIsRefusedAndChangesNothing) {
  Start();
  Unlock();
  EXPECT_EQ(Exchange("80120505801001000F", true), Bytes{kNak});
  EXPECT_EQ(At(0x1080), 0x33);
}

TEST_F(EngineTest, MassEraseNeedsNoPasswordAndLeavesTheErasedPassword) {
  Start();
  EXPECT_EQ(Exchange("8018040400FF06A5"), Bytes{kAck});
  EXPECT_TRUE(engine->Memory().IsErased(0x1000, 0xFFFF));
  EXPECT_EQ(Unlock(), Bytes{kNak});
  EXPECT_EQ(Unlock(ErasedDevicePassword()), Bytes{kAck});
}

TEST_F(EngineTest, EraseCheckOfLoader160RefusesWhileInfoMemoryIsNotBlank) {
  Start(0x0160, {true, Fault::None});
  Unlock();
  EXPECT_EQ(Exchange("80160404801002A5"), Bytes{kNak});
  EXPECT_TRUE(engine->Memory().IsErased(0x1080, 0x10FF)) << "erased all the same";
  EXPECT_EQ(Exchange("80160404001002A5"), Bytes{kAck}) << "now the whole info memory is blank";
}

TEST_F(EngineTest, Loader110ProgramsFlashOnlyOnceThePatchRuns) {
  Start(0x0110);
  Unlock();
  EXPECT_EQ(Exchange("80120505801001000F"), Bytes{kNak});
  EXPECT_EQ(Exchange("801A040420020000"), Bytes{kAck});  // nothing loaded there: leaves the loader
  EXPECT_EQ(engine->Receive(0x80), Bytes{}) << "user code runs, the loader is gone";
  engine->EnterLoader();
  Unlock();
  EXPECT_EQ(Exchange("8012848420028000" + std::string(256, '3')), Bytes{kAck});
  EXPECT_EQ(Exchange("80124646A0024200" + std::string(132, '3')), Bytes{kAck});
  EXPECT_EQ(Exchange("801A040420020000"), Bytes{kAck});
  engine->EnterLoader();
  Unlock();
  EXPECT_EQ(Exchange("80120505801001000F"), Bytes{kAck});
  EXPECT_EQ(At(0x1080), 0x03);
}

TEST(UnitMemoryTest, SavesAndLoadsEverythingButRam) {
  UnitIdentity identity;
  identity.password = kDemoPassword;
  UnitMemory memory = UnitMemory::Fresh(identity);
  memory.Set(0x0300, 0x12);  // RAM
  memory.Set(0x10FF, 0x00);
  const std::string path =
      (std::filesystem::temp_directory_path() / ("k9r-memory-" + std::to_string(::getpid()) + ".txt")).string();
  std::string error;
  ASSERT_TRUE(memory.Save(path, error)) << error;
  const auto loaded = UnitMemory::Load(path, error);
  std::filesystem::remove(path);
  ASSERT_TRUE(loaded) << error;
  EXPECT_EQ(loaded->Range(0x0C00, 0xF400), memory.Range(0x0C00, 0xF400));
  EXPECT_EQ(loaded->At(0x0300), 0xFF);
  EXPECT_EQ(loaded->LoaderVersion(), 0x0160);
}

}  // namespace
}  // namespace k9r::sim
