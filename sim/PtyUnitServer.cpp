#include "sim/PtyUnitServer.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <ostream>
#include <thread>

#include "device/ByteLog.h"
#include "sim/LinePacing.h"

namespace k9r::sim {

namespace {

using SteadyTime = std::chrono::steady_clock::time_point;

struct DueByte {
  SteadyTime due;
  std::uint8_t value;
};

}  // namespace

PtyUnitServer::~PtyUnitServer() {
  if (master_ >= 0) ::close(master_);
}

bool PtyUnitServer::Open(std::string& error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  const char* name = ::ptsname(master_);
  if (!name) {
    error = "the pseudo-terminal has no name";
    return false;
  }
  terminalPath_ = name;
  // Raw from the start, so that nothing is echoed or translated before the
  // host configures the line itself.
  const int slave = ::open(name, O_RDWR | O_NOCTTY);
  if (slave >= 0) {
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
      cfmakeraw(&tio);
      ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::close(slave);
  }
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

void PtyUnitServer::Serve(LoaderEngine& engine, bool pace, std::ostream* trace,
                          const std::function<void()>& afterFlashChange, const std::atomic<bool>& stop) {
  const auto byteTime = std::chrono::microseconds(kByteTimeUs);
  std::deque<DueByte> outgoing;
  SteadyTime lineFree{};
  bool hostPresent = false;
  while (!stop) {
    const SteadyTime now = std::chrono::steady_clock::now();
    while (!outgoing.empty() && outgoing.front().due <= now) {
      const std::uint8_t value = outgoing.front().value;
      if (::write(master_, &value, 1) != 1) break;
      outgoing.pop_front();
    }
    auto wait = std::chrono::microseconds(20'000);
    if (!outgoing.empty()) {
      wait = std::chrono::duration_cast<std::chrono::microseconds>(outgoing.front().due - now);
      if (wait.count() < 0) wait = std::chrono::microseconds(0);
    }
    pollfd waiter{master_, POLLIN, 0};
    const timespec timeout{0, static_cast<long>(wait.count()) * 1000};
    if (::ppoll(&waiter, 1, &timeout, nullptr) < 0 && errno != EINTR) break;

    Bytes received(256);
    const ssize_t got = (waiter.revents & POLLIN) ? ::read(master_, received.data(), received.size()) : 0;
    if ((waiter.revents & POLLHUP) || (got < 0 && errno == EIO)) {
      // Nobody has the terminal open: the next byte comes from a new entry.
      if (hostPresent && trace) *trace << "host closed the port\n" << std::flush;
      hostPresent = false;
      outgoing.clear();
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    if (got <= 0) continue;
    received.resize(static_cast<std::size_t>(got));
    if (!hostPresent) {
      hostPresent = true;
      engine.EnterLoader();
      if (trace) *trace << "host opened the port: loader entered\n" << std::flush;
    }
    if (trace) *trace << "< " << SpacedHex(received) << '\n' << std::flush;
    for (std::uint8_t value : received) {
      const Bytes reply = engine.Receive(value);
      if (reply.empty()) continue;
      if (trace) *trace << "> " << SpacedHex(reply) << '\n' << std::flush;
      for (std::uint8_t answer : reply) {
        const SteadyTime start = std::max(lineFree, std::chrono::steady_clock::now());
        lineFree = pace ? start + byteTime : start;
        outgoing.push_back({lineFree, answer});
      }
    }
    if (engine.TakeFlashChanged() && afterFlashChange) afterFlashChange();
  }
}

}  // namespace k9r::sim
