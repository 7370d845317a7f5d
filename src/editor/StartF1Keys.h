#pragma once

#include "editor/Controls.h"

namespace k9r {

class MainWindow;

// The START key's emergency-stop choice and the F1 key of the standard
// unit. The F1 key has no byte of its own: it shares the function byte of
// pair 5 (which only the six-pair unit has) and pair 5's second-key delay.
class StartF1Keys {
 public:
  static constexpr const char* kSixPairModelText = " K9R-16A/B";

  explicit StartF1Keys(MainWindow& window);

  Choice& F1_MODE() const;
  Choice& CONTROL_FUNC_F1() const;
  Choice& R0_KEY_EMS() const;
  Frame& ACCDELAY_DOWN_F1() const;

  // Sets the F1 lists from the bits of 0x10AA, or hides them on a six-pair unit.
  void DecodeF1Key();

 private:
  // The delay for a Normal F1 key, the emergency-stop choice for a Toggle one.
  void ShowModeControls();
  void F1_MODE_Click();
  void CONTROL_FUNC_F1_Click();
  void R0_KEY_EMS_Click();

  MainWindow& window_;
};

}  // namespace k9r
