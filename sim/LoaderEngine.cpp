#include "sim/LoaderEngine.h"

namespace k9r::sim {

namespace {

constexpr std::uint8_t kSync = 0x80;
constexpr std::uint8_t kAck = 0x90;
constexpr std::uint8_t kNak = 0xA0;
constexpr int kEraseSegmentKey = 0xA502;
constexpr int kMassEraseKey = 0xA506;
constexpr int kWrongByteAddress = 0x10A5;

bool ChecksumIsRight(const Bytes& frame) {
  std::uint8_t even = 0;
  std::uint8_t odd = 0;
  for (std::size_t i = 0; i + 2 < frame.size(); ++i) (i % 2 == 0 ? even : odd) ^= frame[i];
  return frame[frame.size() - 2] == static_cast<std::uint8_t>(~even) &&
         frame[frame.size() - 1] == static_cast<std::uint8_t>(~odd);
}

bool IsFlash(int address) {
  const Region region = RegionOf(address);
  return region == Region::InfoFlash || region == Region::MainFlash;
}

}  // namespace

void LoaderEngine::EnterLoader() {
  state_ = State::WaitSync;
  unlocked_ = false;
  pending_.clear();
}

bool LoaderEngine::TakeFlashChanged() {
  const bool changed = flashChanged_;
  flashChanged_ = false;
  return changed;
}

Bytes LoaderEngine::Receive(std::uint8_t byte) {
  if (options_.fault == Fault::NoAnswer) return {};
  switch (state_) {
    case State::RunningUserCode:
      return {};
    case State::WaitSync:
      if (byte != kSync) return {};
      state_ = State::WaitFrame;
      return {kAck};
    case State::WaitFrame:
      break;
  }
  if (pending_.empty() && byte != kSync) {
    state_ = State::WaitSync;
    return {kNak};
  }
  if (pending_.size() == 1 && byte == kSync) return {kAck};  // a second sync, not a frame
  pending_.push_back(byte);
  if (pending_.size() < 4 || pending_.size() < 4u + pending_[2] + 2u) return {};
  const Bytes frame = std::move(pending_);
  pending_.clear();
  if (state_ == State::WaitFrame) state_ = State::WaitSync;
  return HandleFrame(frame);
}

Bytes LoaderEngine::HandleFrame(const Bytes& frame) {
  ReceivedFrame received;
  received.command = frame[1];
  if (frame.size() >= 8) {
    received.address = frame[4] | frame[5] << 8;
    received.length = frame[6] | frame[7] << 8;
    received.data.assign(frame.begin() + 8, frame.end() - 2);
  }
  Bytes reply;
  if (frame[2] != frame[3] || frame.size() < 10 || !ChecksumIsRight(frame)) {
    reply = {kNak};
  } else {
    reply = Execute(received);
  }
  received.acknowledged = reply.size() == 1 && reply[0] == kAck;
  frames_.push_back(std::move(received));
  return reply;
}

Bytes LoaderEngine::Execute(ReceivedFrame& frame) {
  switch (frame.command) {
    case 0x10: {
      const LoaderPassword password = memory_.Password();
      unlocked_ = options_.fault != Fault::RefusePasswords && frame.data.size() == password.size() &&
                  std::equal(frame.data.begin(), frame.data.end(), password.begin());
      return {unlocked_ ? kAck : kNak};
    }
    case 0x18:
      if (frame.length != kMassEraseKey) return {kNak};
      memory_.Erase(kInfoStart, kMainEnd);
      flashChanged_ = true;
      return {kAck};
    default:
      break;
  }
  if (!unlocked_) return {kNak};
  switch (frame.command) {
    case 0x12: return WriteBlock(frame);
    case 0x14: return ReadBlock(frame);
    case 0x16: return EraseSegment(frame);
    case 0x1A: return LoadProgramCounter(frame);
    default: return {kNak};
  }
}

Bytes LoaderEngine::WriteBlock(const ReceivedFrame& frame) {
  if (frame.length != static_cast<int>(frame.data.size())) return {kNak};
  bool touchesFlash = false;
  for (std::size_t i = 0; i < frame.data.size(); ++i) touchesFlash |= IsFlash(frame.address + static_cast<int>(i));
  // Loader 1.10 cannot program flash correctly until TI's patch runs.
  if (touchesFlash && PatchNeeded() && !patchRunning_) return {kNak};
  for (std::size_t i = 0; i < frame.data.size(); ++i) {
    const int address = (frame.address + static_cast<int>(i)) & 0xFFFF;
    const std::uint8_t value = frame.data[i];
    if (IsFlash(address)) {
      memory_.Set(address, memory_.At(address) & value);  // programming only clears bits
      flashChanged_ = true;
    } else if (RegionOf(address) == Region::Ram) {
      memory_.Set(address, value);
      const int offset = address - kLoaderPatchAddress;
      if (offset >= 0 && offset < kLoaderPatchLength) patchBytesWritten_.set(static_cast<std::size_t>(offset));
    }
  }
  return {kAck};
}

Bytes LoaderEngine::ReadBlock(const ReceivedFrame& frame) const {
  const int length = frame.length & 0xFF;
  Bytes data = memory_.Range(frame.address, length);
  const int wrong = kWrongByteAddress - frame.address;
  if (options_.fault == Fault::WrongReadBack && wrong >= 0 && wrong < length) data[static_cast<std::size_t>(wrong)] ^= 0x01;
  Bytes reply;
  reply.reserve(data.size() + 6);
  for (std::uint8_t header : {kSync, std::uint8_t{0x00}, static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length)}) {
    reply.push_back(header);
  }
  for (std::uint8_t value : data) reply.push_back(value);
  std::uint8_t even = 0;
  std::uint8_t odd = 0;
  for (std::size_t i = 0; i < reply.size(); ++i) (i % 2 == 0 ? even : odd) ^= reply[i];
  reply.push_back(static_cast<std::uint8_t>(~even));
  reply.push_back(static_cast<std::uint8_t>(~odd));
  if (options_.fault == Fault::ShortReply) reply.resize(4 + static_cast<std::size_t>(length) / 2);
  return reply;
}

Bytes LoaderEngine::EraseSegment(const ReceivedFrame& frame) {
  if (frame.length != kEraseSegmentKey || options_.fault == Fault::RefuseErase) return {kNak};
  const int address = frame.address;
  const Region region = RegionOf(address);
  if (region == Region::InfoFlash) {
    const int first = address & ~(kInfoSegmentSize - 1);
    memory_.Erase(first, first + kInfoSegmentSize - 1);
  } else if (region == Region::MainFlash) {
    const int first = std::max(kMainStart, address & ~(kMainSegmentSize - 1));
    memory_.Erase(first, (address | (kMainSegmentSize - 1)));
  } else {
    return {kNak};
  }
  flashChanged_ = true;
  if (options_.eraseCheck && memory_.LoaderVersion() >= 0x0160 && region == Region::InfoFlash &&
      !memory_.IsErased(kInfoStart, kInfoEnd)) {
    return {kNak};
  }
  return {kAck};
}

Bytes LoaderEngine::LoadProgramCounter(const ReceivedFrame& frame) {
  if (frame.address == kLoaderPatchAddress && PatchNeeded() && patchBytesWritten_.all()) {
    // The patch hooks itself into the loader and hands back control.
    patchRunning_ = true;
    return {kAck};
  }
  state_ = State::RunningUserCode;
  return {kAck};
}

}  // namespace k9r::sim
