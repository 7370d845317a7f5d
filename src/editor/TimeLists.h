#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "editor/Controls.h"

namespace k9r {

class MainWindow;

// Every time list of the window: the interlock and acceleration delays of
// the six pairs, the F1 key's delay, the inching and passive-EMS times, the
// LED off-time and the twelve per-key delays. Each list writes its byte(s)
// the moment its selection changes; the decoders only select items, so a
// stored value is rewritten in canonical form exactly when the shown item
// changes.
class TimeLists {
 public:
  explicit TimeLists(MainWindow& window);

  Choice& INTL_DelayTime_UP(int pair) const;
  Choice& TIME_ACCDELAY_UP(int pair) const;
  Choice& TIME_ACCDELAY_DN(int pair) const;
  Choice& TIME_ACCDELAY_DN_F1() const;
  Choice& TIME_INCHING() const;
  Choice& PASSIVE_EMS_time() const;
  Choice& LED_OFF_TIME() const;
  // UP_DELAYTIME ... R6_DELAYTIME, key 0-11 in address order.
  Choice& KeyDelayList(int key) const;
  static std::span<const std::string_view> KeyDelayListNames();

  // Writes the time byte of the text; a text the table does not know
  // writes nothing.
  void settimes(std::string_view timeText, int address);
  // The pair in BUTTON_MODEL gets "0.0" in its three delay lists.
  void ZERO_ALL_DELAYTIME();
  void TX_times_ch(const std::array<std::uint8_t, 4>& bytes);
  void RX_times_ch(const std::array<std::uint8_t, 4>& bytes);
  // Shows "05" in each per-key delay list (each choice stores 0.3 s).
  void SelectDefaultKeyDelays();

  // Decoders: select the item that the stored cell text stands for.
  void Show_DELAYTIME(int pair, std::string_view storedText);
  // switchValue 0: first key's list, otherwise the second key's.
  void Show_ACCDELAY(int pair, std::string_view storedText, int switchValue);
  void Show_INCHTIME(int index, std::string_view storedText);
  void Show_PASS_EMS_TIME(int index, std::string_view storedText);
  // The texts of 0x109E and 0x109F joined ("401F"); no match shows "1.0".
  void ShowLedOffTime(std::string_view joinedCellTexts);

 private:
  void BuildPairLists();
  void BuildSingleLists();
  void LED_OFF_TIME_Click();
  void TIME_ACCDELAY_DN_F1_Click();
  void WriteBytes(int firstAddress, std::span<const std::uint8_t> bytes);

  MainWindow& window_;
};

}  // namespace k9r
