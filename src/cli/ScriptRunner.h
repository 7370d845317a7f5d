#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/ScriptClock.h"
#include "cli/ScriptTokens.h"
#include "device/TermiosSerialPort.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"
#include "sim/DemoUnit.h"

namespace k9r {

// Runs a k9r script: one action a line against the headless main window,
// with a scripted user answering its questions.
class ScriptRunner {
 public:
  ScriptRunner();

  // Runs every line; returns the exit status (0, or 2 for a bad line, whose
  // error goes to err naming the line).
  int Run(std::istream& script, std::ostream& out, std::ostream& err);

  MainWindow& Window() { return window_; }
  ScriptedUserInterface& Ui() { return ui_; }

 private:
  void RunLine(const std::vector<ScriptToken>& tokens, std::ostream& out);
  void Select(const std::vector<ScriptToken>& tokens);
  void Click(const std::string& name);
  void Answer(const std::vector<ScriptToken>& tokens);
  void TypeIntoCell(const std::string& address, const std::string& text);
  void SetCells(const std::string& address, const std::string& digits);
  void UsePort(const std::string& name);
  void UseDemoUnit(const std::vector<ScriptToken>& tokens);
  void Decode();

  Control& UsableControl(const std::string& name);

  ScriptedUserInterface ui_;
  ScriptClock clock_;
  MainWindow window_;
  TermiosSerialPort realPort_;
  std::unique_ptr<sim::InProcessDemoUnit> demoUnit_;
};

}  // namespace k9r
