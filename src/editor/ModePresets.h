#pragma once

#include <initializer_list>
#include <string>

namespace k9r {

class MainWindow;

// Who applies a preset: the user through the mode panel (or code acting as
// the user would), or the image decoding showing a pair as it is stored.
enum class PresetSource { User, Decoding };

// The 24 mode presets. A click on a mode box of SELECT_MODETYPE applies one
// to the pair in BUTTON_MODEL: it writes the pair's function and option
// bytes and the group flags, and sets the pair's lists, delay frames,
// emergency-stop lists and delay captions. Modes 20/21 join pairs R1/R2 and
// R3/R4, Mode 24 pairs South/North to R3/R4; the presets that break such a
// group reset its other pairs to Mode 1.
class ModePresets {
 public:
  explicit ModePresets(MainWindow& window);

  // mode 1-24 on pair BUTTON_MODEL. A mode outside 1-24, or a group mode
  // whose pairs would run past the last pair, changes nothing.
  //
  // Applied by the decoding, a preset shows the stored emergency-stop
  // choice of Modes 10 and 14 instead of storing a bypass, and leaves the
  // other pairs of a group alone: the decoding shows each of them from its
  // own bytes.
  void ApplyModePreset(int mode, PresetSource source = PresetSource::User);
  // The click handler of MODE1_BOX ... MODE24_BOX.
  void MODE_BOX_Click(int mode);
  void EXIT_SELECT_MODE_Click();
  // Clears positions 8, 7, 4 and 3 of the option byte of pair BUTTON_MODEL.
  void cleanSSp1_2();

  // Makes both emergency-stop lists of the pair show item `value` (0 control
  // by EMS, 1 bypass), through the opposite item so that their handling
  // writes the bypass bit even when they showed it already.
  void SetEmsSelection(int pair, int value);

 private:
  void ApplySinglePairPreset(int mode, PresetSource source, bool withThreePairReset);
  void ApplyRKeyGroupPreset(int mode, PresetSource source);
  void ApplyThreePairPreset();
  void CheckGroups(int pair, PresetSource source, bool withThreePairReset);
  void ApplyModeOneTo(int pair, bool withThreePairReset);
  bool ShowsRKeyGroupMode(int pair, const std::string& modeText) const;

  void ShowFunctionLists(int pair, int mode);
  void WriteBits(int address, int code, std::initializer_list<int> positions);
  void SetBypassBit(int pair, int value);
  void ShowAccDelayCaption(int pair, bool accDelay);

  MainWindow& window_;
};

}  // namespace k9r
