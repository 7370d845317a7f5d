#include "editor/TimeLists.h"

#include <algorithm>
#include <optional>

#include "core/ByteMap.h"
#include "core/TimeTables.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

constexpr std::string_view kKeyDelayListNames[bytemap::kKeyDelayCount] = {
    "UP_DELAYTIME",    "DOWN_DELAYTIME", "EAST_DELAYTIME", "WEST_DELAYTIME", "SOUTH_DELAYTIME", "NORTH_DELAYTIME",
    "R1_DELAYTIME",    "R2_DELAYTIME",   "R3_DELAYTIME",   "R4_DELAYTIME",   "R5_DELAYTIME",    "R6_DELAYTIME",
};

// A decoder that does not know the byte, or names an item the list lacks,
// leaves the list and so the stored byte as they are.
void ShowDecodedItem(Choice& list, std::optional<std::string_view> item) {
  if (item) list.SelectText(*item);
}

}  // namespace

TimeLists::TimeLists(MainWindow& window) : window_(window) {
  BuildPairLists();
  BuildSingleLists();
}

void TimeLists::BuildPairLists() {
  ControlSet& controls = window_.Controls();
  const auto delayItems = ItemTexts(timetables::DelayTimeItems());
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    Choice& interlock = controls.Add<Choice>(Indexed("INTL_DelayTime_UP", pair), delayItems);
    interlock.OnSelect([this, pair] {
      INTL_DelayTime_UP(pair).SetVisible(true);
      settimes(INTL_DelayTime_UP(pair).Text(), bytemap::InterlockDelayAddress(pair));
    });
    controls.Add<Choice>(Indexed("TIME_ACCDELAY_UP", pair), delayItems).OnSelect([this, pair] {
      settimes(TIME_ACCDELAY_UP(pair).Text(), bytemap::FirstKeyAccDelayAddress(pair));
    });
    controls.Add<Choice>(Indexed("TIME_ACCDELAY_DN", pair), delayItems).OnSelect([this, pair] {
      settimes(TIME_ACCDELAY_DN(pair).Text(), bytemap::SecondKeyAccDelayAddress(pair));
    });
  }
  controls.Add<Choice>("TIME_ACCDELAY_DN_F1", delayItems).OnSelect([this] { TIME_ACCDELAY_DN_F1_Click(); });
}

void TimeLists::BuildSingleLists() {
  ControlSet& controls = window_.Controls();
  controls.Add<Choice>("TIME_INCHING", ItemTexts(timetables::InchingTimeItems())).OnSelect([this] {
    settimes(TIME_INCHING().Text(), bytemap::kInchingTime);
  });
  controls.Add<Choice>("PASSIVE_EMS_time", ItemTexts(timetables::PassiveEmsTimeItems())).OnSelect([this] {
    settimes(PASSIVE_EMS_time().Text(), bytemap::kPassiveEmsTime);
  });

  std::vector<std::string> ledItems;
  for (const auto& row : timetables::LedOffTimeRows()) ledItems.emplace_back(row.text);
  controls.Add<Choice>("LED_OFF_TIME", std::move(ledItems)).OnSelect([this] { LED_OFF_TIME_Click(); });

  const auto keyDelayItems = timetables::KeyDelayItems();
  for (int key = 0; key < bytemap::kKeyDelayCount; ++key) {
    controls.Add<Choice>(std::string(kKeyDelayListNames[key]), std::vector<std::string>(keyDelayItems.begin(), keyDelayItems.end()))
        .OnSelect([this, key] {
          // The unit takes the same 0.3 s for every key whatever the list shows.
          window_.Image().WriteImageByte(bytemap::KeyDelayAddress(key), timetables::kKeyDelayStoredByte);
        });
  }
}

Choice& TimeLists::INTL_DelayTime_UP(int pair) const {
  return window_.Controls().Get<Choice>(Indexed("INTL_DelayTime_UP", pair));
}

Choice& TimeLists::TIME_ACCDELAY_UP(int pair) const {
  return window_.Controls().Get<Choice>(Indexed("TIME_ACCDELAY_UP", pair));
}

Choice& TimeLists::TIME_ACCDELAY_DN(int pair) const {
  return window_.Controls().Get<Choice>(Indexed("TIME_ACCDELAY_DN", pair));
}

Choice& TimeLists::TIME_ACCDELAY_DN_F1() const { return window_.Controls().Get<Choice>("TIME_ACCDELAY_DN_F1"); }
Choice& TimeLists::TIME_INCHING() const { return window_.Controls().Get<Choice>("TIME_INCHING"); }
Choice& TimeLists::PASSIVE_EMS_time() const { return window_.Controls().Get<Choice>("PASSIVE_EMS_time"); }
Choice& TimeLists::LED_OFF_TIME() const { return window_.Controls().Get<Choice>("LED_OFF_TIME"); }

Choice& TimeLists::KeyDelayList(int key) const {
  return window_.Controls().Get<Choice>(kKeyDelayListNames[static_cast<std::size_t>(key)]);
}

std::span<const std::string_view> TimeLists::KeyDelayListNames() { return kKeyDelayListNames; }

void TimeLists::settimes(std::string_view timeText, int address) {
  if (const auto byte = timetables::TimeByteOf(timeText)) window_.Image().WriteImageByte(address, *byte);
}

void TimeLists::ZERO_ALL_DELAYTIME() {
  const int pair = window_.State().BUTTON_MODEL;
  TIME_ACCDELAY_UP(pair).Select(0);
  TIME_ACCDELAY_DN(pair).Select(0);
  INTL_DelayTime_UP(pair).Select(0);
}

void TimeLists::WriteBytes(int firstAddress, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    window_.Image().WriteImageByte(firstAddress + static_cast<int>(i), bytes[i]);
  }
}

void TimeLists::TX_times_ch(const std::array<std::uint8_t, 4>& bytes) { WriteBytes(bytemap::kTxAutoOffCount, bytes); }

void TimeLists::RX_times_ch(const std::array<std::uint8_t, 4>& bytes) { WriteBytes(bytemap::kRxAutoOffCount, bytes); }

void TimeLists::SelectDefaultKeyDelays() {
  for (int key = 0; key < bytemap::kKeyDelayCount; ++key) KeyDelayList(key).Select(timetables::kKeyDelayDefaultItem);
}

void TimeLists::LED_OFF_TIME_Click() {
  window_.Image().SetImageBit(bytemap::kUnitOptions, bytemap::kUnitTxLedOnBit, 1);
  // A text without a row stores the default 1.0 s.
  const auto rows = timetables::LedOffTimeRows();
  const auto found = std::find_if(rows.begin(), rows.end(),
                                  [this](const auto& row) { return row.text == LED_OFF_TIME().Text(); });
  WriteBytes(bytemap::kLedOffTime, (found != rows.end() ? *found : rows[timetables::kLedOffTimeDefaultItem]).bytes);
}

void TimeLists::TIME_ACCDELAY_DN_F1_Click() {
  // The F1 key's delay and pair 5's second-key delay are one byte.
  TIME_ACCDELAY_DN(5).Select(TIME_ACCDELAY_DN_F1().Index());
}

void TimeLists::Show_DELAYTIME(int pair, std::string_view storedText) {
  ShowDecodedItem(INTL_DelayTime_UP(pair), timetables::DecodeDelayTime(storedText));
}

void TimeLists::Show_ACCDELAY(int pair, std::string_view storedText, int switchValue) {
  Choice& list = switchValue != 0 ? TIME_ACCDELAY_DN(pair) : TIME_ACCDELAY_UP(pair);
  ShowDecodedItem(list, timetables::DecodeDelayTime(storedText));
}

void TimeLists::Show_INCHTIME(int /*index*/, std::string_view storedText) {
  ShowDecodedItem(TIME_INCHING(), timetables::DecodeInchingTime(storedText));
}

void TimeLists::Show_PASS_EMS_TIME(int /*index*/, std::string_view storedText) {
  // 0x5D decodes to "1.5", which this list does not offer: the list keeps
  // its item and the cell keeps the unit's byte.
  ShowDecodedItem(PASSIVE_EMS_time(), timetables::DecodePassiveEmsTime(storedText));
}

void TimeLists::ShowLedOffTime(std::string_view joinedCellTexts) {
  const int row = timetables::FindLedOffTimeRow(joinedCellTexts);
  LED_OFF_TIME().Select(row >= 0 ? row : timetables::kLedOffTimeDefaultItem);
}

}  // namespace k9r
