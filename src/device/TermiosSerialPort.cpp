#include "device/TermiosSerialPort.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace k9r {

namespace {

speed_t SpeedOf(int baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    default: return B9600;
  }
}

void ApplyLineSettings(termios& tio, const LineSettings& settings) {
  cfmakeraw(&tio);
  cfsetispeed(&tio, SpeedOf(settings.baud));
  cfsetospeed(&tio, SpeedOf(settings.baud));
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= CLOCAL | CREAD;
  tio.c_cflag |= settings.dataBits == 7 ? CS7 : CS8;
  if (settings.parity == 'E' || settings.parity == 'O') tio.c_cflag |= PARENB;
  if (settings.parity == 'O') tio.c_cflag |= PARODD;
  if (settings.stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
}

}  // namespace

TermiosSerialPort::~TermiosSerialPort() { Close(); }

bool TermiosSerialPort::Fail(const std::string& what) {
  const int code = errno;
  lastError_ = {code, what + ": " + std::strerror(code)};
  return false;
}

bool TermiosSerialPort::Open(const std::string& device, const LineSettings& settings) {
  Close();
  const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail("cannot open " + device);
  // Another program talking to the unit would garble both conversations.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    Fail(device + " is in use");
    ::close(fd);
    return false;
  }
  termios tio{};
  if (::tcgetattr(fd, &tio) == 0) {
    ApplyLineSettings(tio, settings);
    // A pseudo-terminal may refuse parity; the bytes still pass.
    ::tcsetattr(fd, TCSANOW, &tio);
  }
  fd_ = fd;
  return true;
}

void TermiosSerialPort::Close() {
  if (fd_ < 0) return;
  ::flock(fd_, LOCK_UN);
  ::close(fd_);
  fd_ = -1;
}

bool TermiosSerialPort::SetModemLine(int line, bool on) {
  if (fd_ < 0) return false;
  if (::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) != 0) return Fail("cannot drive a modem line");
  return true;
}

bool TermiosSerialPort::SetDtr(bool on) { return SetModemLine(TIOCM_DTR, on); }
bool TermiosSerialPort::SetRts(bool on) { return SetModemLine(TIOCM_RTS, on); }

void TermiosSerialPort::DiscardInput() {
  if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

void TermiosSerialPort::DiscardOutput() {
  if (fd_ >= 0) ::tcflush(fd_, TCOFLUSH);
}

std::size_t TermiosSerialPort::BytesWaiting() {
  int count = 0;
  if (fd_ < 0 || ::ioctl(fd_, FIONREAD, &count) != 0 || count < 0) return 0;
  return static_cast<std::size_t>(count);
}

Bytes TermiosSerialPort::Read(std::size_t maxBytes) {
  Bytes bytes(maxBytes);
  if (fd_ < 0 || maxBytes == 0) return {};
  const ssize_t got = ::read(fd_, bytes.data(), maxBytes);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

bool TermiosSerialPort::Write(const Bytes& bytes) {
  if (fd_ < 0) {
    errno = EBADF;
    return Fail("the port is not open");
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t put = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (put > 0) {
      done += static_cast<std::size_t>(put);
    } else if (put < 0 && errno == EAGAIN) {
      pollfd waiter{fd_, POLLOUT, 0};
      if (::poll(&waiter, 1, 1000) <= 0) return Fail("the port does not take data");
    } else if (put < 0 && errno != EINTR) {
      return Fail("cannot write to the port");
    }
  }
  return true;
}

}  // namespace k9r
