#include <gtest/gtest.h>

#include <algorithm>

#include "device/BslFrame.h"
#include "LinkFixture.h"

namespace k9r {
namespace {

using LinkLayerTest = LinkTest;

const std::string kReadBlockFrame = "8014040480108000";

TEST_F(LinkLayerTest, StartBslSynchronisesAfterTheEntrySequence) {
  const std::uint32_t start = clock.NowMs();
  rw->START_BSL(1);
  EXPECT_EQ(rw->SYNC_CONNECT, 1);
  EXPECT_EQ(rw->Text1, "90H=OK,SYNC=OK,同步成功");
  EXPECT_GE(clock.NowMs() - start, 490u);
  using C = sim::FakeSerialPort::LineChange;
  const std::vector<std::pair<bool, bool>> expected{{false, true}, {true, false}, {true, false}, {false, false},
                                                    {false, true}, {false, false}, {true, true}, {false, true},
                                                    {false, false}, {false, true}};
  ASSERT_EQ(port->LineChanges().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const C& change = port->LineChanges()[i];
    EXPECT_EQ(std::make_pair(change.isDtr, change.on), expected[i]) << "line change " << i;
  }
}

TEST_F(LinkLayerTest, APortThatCannotBeOpenedGivesCode10AndNoLogText) {
  for (const bool inUse : {false, true}) {
    port->SetInUse(inUse);
    rw->Text1.clear();
    rw->START_BSL(inUse ? 1 : 2);  // port 2 is /dev/ttyS1, which does not exist here
    EXPECT_EQ(rw->SYNC_CONNECT, 10);
    EXPECT_EQ(rw->Text1, "");
    EXPECT_TRUE(LogNoteContains("cannot be opened"));
  }
}

TEST_F(LinkLayerTest, NoAnswerIsToldApartFromARefusedPassword) {
  MakeUnit({}, {false, sim::Fault::NoAnswer});
  rw->START_BSL(1);
  EXPECT_EQ(rw->SYNC_CONNECT, 10);
  EXPECT_EQ(rw->Text1, "SYNC=Falue ,同步失敗,請檢查設備市否確實連接");
  EXPECT_TRUE(LogNoteContains("no answer to the synchronisation byte"));
}

TEST_F(LinkLayerTest, RepliesAreLoggedByTheFramesAddressLowByte) {
  rw->IN_OUT_PASWD();
  rw->START_BSL(1);
  rw->READ_WRITE(rw->password_frames()[0]);
  ASSERT_EQ(rw->received_text(), "90");

  rw->READ_WRITE("8014040480100200");  // AL 80: the settings block
  EXPECT_EQ(rw->Text2, "33 55 \r\n");
  EXPECT_EQ(rw->Text4, "BSLRECV_DATA=OK");
  rw->Text1 = rw->Text3 = "before";

  rw->READ_WRITE("80140404DDFF0100");  // AL DD: anything else
  EXPECT_EQ(rw->Text1, "C5 \r\n");
  EXPECT_EQ(rw->Text3, "BSLRECV_DATA=OK");
  EXPECT_EQ(rw->Text2, "");
  EXPECT_EQ(rw->Text4, "");
}

TEST_F(LinkLayerTest, ARefusalIsShownAsItArrived) {
  rw->IN_OUT_PASWD();
  rw->START_BSL(1);
  rw->READ_WRITE(rw->password_frames()[1]);  // another build's password
  EXPECT_EQ(rw->received_text(), "A0");
  rw->READ_WRITE(kReadBlockFrame);  // still locked
  EXPECT_EQ(rw->received_text(), "A0 ");
  EXPECT_EQ(rw->Text2, "A0 ");
  EXPECT_EQ(rw->Text4, "BSLRECV_DATA=OK");
}

TEST_F(LinkLayerTest, AFrameTextWithANonHexPairSendsNothing) {
  rw->START_BSL(1);
  const auto framesBefore = engine->Frames().size();
  const auto logBefore = rw->Log().Entries().size();
  rw->READ_WRITE("80 14 04 04 8G");
  EXPECT_EQ(engine->Frames().size(), framesBefore);
  for (auto i = logBefore; i < rw->Log().Entries().size(); ++i) {
    EXPECT_NE(rw->Log().Entries()[i].kind, ByteLog::Kind::Sent);
  }
}

TEST_F(LinkLayerTest, SendingOnAPortThatCannotOpenTakesTheErrorPath) {
  host.portList = {"/dev/ttyS5"};
  rw->write_program_Enabled = false;
  rw->READ_WRITE(kReadBlockFrame);
  ASSERT_EQ(ui.Records().size(), 1u);
  EXPECT_EQ(ui.Records()[0].title, "K-9R 設定程式狀態");
  EXPECT_EQ(ui.Records()[0].text, "Error Code : 9   Descript :the port is not open: Bad file descriptor");
  EXPECT_EQ(rw->STOP_TIME, "12:34:56");
  EXPECT_TRUE(rw->write_program_Enabled);
}

TEST_F(LinkLayerTest, PreparedFramesWait150OrThenAbove100Bytes300Ms) {
  rw->IN_OUT_PASWD();
  const auto elapsedFor = [&](std::size_t size) {
    rw->START_BSL(1);
    rw->READ_WRITE(rw->password_frames()[0]);
    Bytes frame(size, 0x00);
    const std::uint32_t start = clock.NowMs();
    rw->READ_WRITE_DIM(frame);
    return clock.NowMs() - start;
  };
  EXPECT_EQ(elapsedFor(101) - elapsedFor(100), 150u);
}

TEST_F(LinkLayerTest, PatchPartIsSentEvenWhenTheSyncIsNotAnswered) {
  MakeUnit({}, {false, sim::Fault::NoAnswer});
  rw->START_BSL(1);
  // The patch arrays are prepared by the write; here one is made by hand.
  rw->STRING_TO_DIM("801A040420020000");
  EXPECT_EQ(rw->frame_bytes().size(), 10u);
  Bytes expected = ParseFrameText("801A040420020000").bytes;
  AppendChecksum(expected);
  EXPECT_EQ(rw->frame_bytes(), expected);

  rw->READ_WRITE_PA();  // nothing prepared yet: not sent, and the log says so
  EXPECT_EQ(rw->Text2, "PATCH is FALSE!!!");
  EXPECT_TRUE(LogNoteContains("patch part A not sent"));

  rw->PreparePatchFrames();
  rw->READ_WRITE_PA();
  rw->READ_WRITE_DIM(rw->frame_bytes());
  std::vector<std::size_t> sentSizes;
  for (const auto& entry : rw->Log().Entries()) {
    if (entry.kind == ByteLog::Kind::Sent) sentSizes.push_back(entry.bytes.size());
  }
  // Syncs, patch part A (8 + 128 + 2 bytes), one more sync; the prepared
  // frame is held back because its sync went unanswered.
  EXPECT_EQ(std::count(sentSizes.begin(), sentSizes.end(), 138u), 1);
  EXPECT_EQ(std::count(sentSizes.begin(), sentSizes.end(), rw->frame_bytes().size()), 0);
  EXPECT_EQ(rw->Text2, "SEND 80H SYNC is FALSE!!!");
}

}  // namespace
}  // namespace k9r
