#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Clock.h"
#include "core/SetupImage.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {

// A main window after start-up, driven through its controls and cells as
// a user would.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() : window_(ui_, clock_) { window_.startup(); }

  MainWindow& Window() { return window_; }
  ScriptedUserInterface& Ui() { return ui_; }
  Choice& List(std::string_view name) { return window_.Controls().Get<Choice>(name); }
  Control& Named(std::string_view name) { return *window_.Controls().Find(name); }
  const std::string& Cell(int address) { return window_.Image().CellText(ImageCellIndex(address)); }
  void SetCell(int address, std::string text) { window_.Image().SetCellText(ImageCellIndex(address), std::move(text)); }

 private:
  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow window_;
};

}  // namespace k9r
