#pragma once

#include <atomic>
#include <functional>
#include <iosfwd>
#include <string>

#include "sim/LoaderEngine.h"

namespace k9r::sim {

// Serves a LoaderEngine on a pseudo-terminal. A pseudo-terminal carries no
// DTR/RTS, so the unit sits in its loader from the start, and the host
// closing the terminal and opening it again counts as a new entry into the
// loader (locked again).
class PtyUnitServer {
 public:
  PtyUnitServer() = default;
  ~PtyUnitServer();
  PtyUnitServer(const PtyUnitServer&) = delete;
  PtyUnitServer& operator=(const PtyUnitServer&) = delete;

  // Opens the terminal pair; false with a reason in error.
  bool Open(std::string& error);
  // The path the host opens (/dev/pts/N).
  const std::string& TerminalPath() const { return terminalPath_; }

  // Answers until stop turns true. With pace, replies leave at 9600 baud.
  // afterFlashChange runs whenever the unit's flash memory changed.
  void Serve(LoaderEngine& engine, bool pace, std::ostream* trace, const std::function<void()>& afterFlashChange,
             const std::atomic<bool>& stop);

 private:
  int master_ = -1;
  std::string terminalPath_;
};

}  // namespace k9r::sim
