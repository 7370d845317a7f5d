#pragma once

#include "editor/Controls.h"

namespace k9r {

class MainWindow;

// The lists of a pair that the mode presets set.
enum class PairList { FirstKey, SecondKey, Interlock, Mode };

// The three delay lists of a pair: each key's acceleration delay and the
// interlock delay.
enum class PairDelay { FirstKey, SecondKey, Interlock };
inline constexpr int kPairDelayCount = 3;

// The editors of the six button pairs: the pair buttons that open the mode
// panel, the mode, key-function and interlock lists that show what a mode
// preset set, the emergency-stop lists that write the pair's bypass bit,
// and the frames and captions of the pair's delay lists.
class PairEditing {
 public:
  // Emergency-stop lists: two per pair, 2p for the first key, 2p + 1 for the second.
  static constexpr int kEmsListCount = 12;

  explicit PairEditing(MainWindow& window);

  Button& FUNC_MODE_SELECT(int pair) const;
  Choice& MODELTYPE_NO(int pair) const;
  Choice& UP_FUNC(int pair) const;
  Choice& DOWN_FUNC(int pair) const;
  Choice& INTERLOCK_UD(int pair) const;
  Choice& CONTROL_FUNC_UD(int index) const;
  Choice& List(PairList list, int pair) const;
  Frame& INTERLOCK_DELAY_TIME_UPDN(int pair) const;
  Frame& ACCDELAYUP(int pair) const;
  Frame& ACCDELAY_DOWN(int pair) const;
  // The "Acc. Delay " and "Delay times " captions of a pair; a mode preset
  // shows one of them.
  Label& AccDelayCaption(int pair) const;
  Label& DelayTimesCaption(int pair) const;
  Label& InterlockDelayCaption(int pair) const;
  // The "sec" after one of the pair's delay lists.
  Label& DelayUnit(int pair, PairDelay delay) const;
  // Holds the editor of pair 5 (R5/R6), which only the six-pair unit has.
  Frame& PairFiveFrame() const;

  void FUNC_MODE_SELECT_Click(int index);
  void FUNC_MODE_SELECT_KeyPress(int index, int& key);
  void INTERLOCK_UD_Change(int index);
  void CONTROL_FUNC_UD_Click(int index);
  // Writes the bypass bit of the pair that emergency-stop list `index`
  // belongs to; an index outside 0-11 writes nothing.
  void Select_EMS_Table(int index, int value);

  // Makes a pair list show an item, as the mode presets do: the interlock
  // list by its text, so that its text-change handling runs. A list built
  // without a language file lacks the R-key group items (and pair 5's mode
  // list Modes 21-25); the missing items are added first, in the order a
  // language file gives them.
  void ShowItem(PairList list, int pair, int item);

 private:
  void BuildPair(int pair);

  MainWindow& window_;
};

}  // namespace k9r
