#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "editor/Controls.h"

namespace k9r {

class MainWindow;

// The mode picker SELECT_MODETYPE laid over the window: 25 mode buttons,
// each in its frame of M1 with three Label3 captions naming the interlock
// setting and the two keys' functions, and EXIT_SELECT_MODE. The pair
// buttons decide which modes it offers.
class ModePanel {
 public:
  static constexpr int kModeCount = 25;
  static constexpr int kCaptionsPerMode = 3;
  static constexpr int kCaptionCount = kModeCount * kCaptionsPerMode;

  // A mode description: its text, and the label that goes on with it
  // under the text (empty when the description has one label).
  struct Description {
    std::string_view label;
    std::string_view continuation;
  };

  explicit ModePanel(MainWindow& window);

  static std::span<const Description> Descriptions();

  Frame& SELECT_MODETYPE() const;
  Button& EXIT_SELECT_MODE() const;
  // Mode n = 1..25.
  Button& ModeButton(int mode) const;
  Frame& ModeFrame(int mode) const;
  // The first of the mode's three Label3 elements.
  static int FirstCaptionOfMode(int mode);
  // M1 element of the mode.
  static int FrameOfMode(int mode);
  // The language-file line that names Label3 element `element`, or -1.
  static int ModePictureLine(int element);

  // A mode is offered when its button and the frame around it are enabled.
  bool ModeOffered(int mode) const;

  // Label3 elements first..last.
  void SetCaptionsEnabled(int first, int last, bool enabled);
  void SetModeButtonsEnabled(std::initializer_list<int> modes, bool enabled);

 private:
  MainWindow& window_;
};

}  // namespace k9r
