#include "editor/LanguageTable.h"

#include <initializer_list>
#include <set>

#include "editor/ControlSet.h"
#include "editor/MainWindowState.h"

namespace k9r {

namespace {

constexpr int kPairCount = 6;
constexpr int kEmsListCount = 12;

std::vector<int> LineRange(int first, int last) {
  std::vector<int> lines;
  for (int line = first; line <= last; ++line) lines.push_back(line);
  return lines;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> joined;
  for (const auto& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

class CaptionTable {
 public:
  // One line to one control.
  void One(int line, std::string control, unsigned flags = kAlways) {
    lines_.push_back({line, std::move(control), flags});
  }
  // One line to several elements of a control array.
  void Elements(int line, std::string_view array, std::initializer_list<int> indexes, unsigned flags = kAlways) {
    for (int index : indexes) One(line, Indexed(array, index), flags);
  }
  // Consecutive lines from firstLine to the controls in order.
  void Consecutive(int firstLine, std::initializer_list<std::string_view> controls, unsigned flags = kAlways) {
    for (std::string_view control : controls) One(firstLine++, std::string(control), flags);
  }
  std::vector<CaptionLine> Take() { return std::move(lines_); }

 private:
  std::vector<CaptionLine> lines_;
};

// The mode-picture labels: three Label3 elements per mode button, from
// element 0 on, each with its line.
constexpr int kModePictureLines[] = {
    100, 100, 41,  42,  100, 100, 42,  101, 100, 42,  101, 101, 39,  40,  42,  102, 102, 42,
    102, 102, 41,  41,  100, 102, 103, 103, 44,  103, 103, 43,  102, 101, 42,  42,  100, 102,
    170, 170, 41,  38,  38,  41,  37,  101, 42,  41,  37,  37,  181, 182, 184, 101, 101, 41,
    100, 101, 41,  42,  170, 170, 181, 183, 184, 101, 100, 42,  101, 100, 41,  185, 186, 41,
};

// The feature flag of a mode-picture label: the mode its element belongs to.
unsigned ModePictureFlags(int element) {
  if (element >= 48 && element <= 50) return kKoreaFunction;                  // Mode 20
  if (element >= 51 && element <= 56) return kThreeFunction;                  // Modes 19, 18
  if (element >= 60 && element <= 62) return kKoreaFunction;                  // Mode 21
  if (element >= 63 && element <= 65) return kThreeFunction | kToggleNormal;  // Mode 22
  if (element >= 66 && element <= 68) return kToggleNormal;                   // Mode 23
  if (element >= 69 && element <= 71) return kGroupInterlock;                 // Mode 24
  return kAlways;
}

std::vector<CaptionLine> BuildCaptionLines() {
  CaptionTable t;
  // Captions and labels.
  t.Elements(5, "Label1", {2, 3, 7, 8, 12, 13, 16, 18, 19, 26, 30, 31, 34, 38, 39, 66, 70, 72, 76, 86});
  t.Consecutive(6, {"Label1(24)", "Label1(61)", "Label1(42)", "Label1(62)", "Label1(60)", "Label1(43)"});
  for (int pair = 0; pair < 5; ++pair) t.One(12 + pair, Indexed("FUNC_MODE_SELECT", pair));
  t.Elements(17, "ACCTEXT_up", {0, 1, 2, 3, 4, 5});
  t.Elements(17, "Label1", {4, 11, 20, 29, 37, 64, 74});
  t.Elements(18, "Label1", {1, 14, 27, 32, 40, 68});
  t.Consecutive(19, {"Label1(51)", "Label1(78)", "Label1(50)", "Label1(56)", "Label1(58)", "Label1(65)",
                     "Label1(57)", "Label1(59)"});
  t.One(29, "Label1(67)");
  t.Consecutive(30, {"READ_SETUP_DATA", "WRITE_SETUP_DATA"});
  t.One(32, "Label1(55)");
  t.Consecutive(71, {"Label1(44)", "Label1(46)", "Label1(25)", "Label1(63)", "Label1(47)", "Label1(54)"});
  t.One(116, "USER_FRAME");
  t.Consecutive(117, {"Label23", "Label22", "Label21", "Label20", "Label19", "Label18", "Label17"});
  t.Consecutive(117, {"Label2", "Label4", "Label5", "COMPANY_EMAIL", "Label7"});
  t.One(123, "Label6");
  t.One(124, "DISTRIBUTOR_FRAME");
  t.Consecutive(125, {"Label10", "Label13", "Label9", "Label8"});
  t.Elements(187, "Label1", {0, 73, 79, 83, 84, 85});
  t.One(188, "Label1(49)");
  t.One(189, "FUNC_MODE_SELECT(5)");

  // The mode picker.
  for (int mode = 1; mode <= 16; ++mode) t.One(83 + mode, "MODE" + std::to_string(mode) + "_BOX");
  t.One(166, "MODE17_BOX");
  t.One(167, "MODE18_BOX", kThreeFunction);
  t.One(168, "MODE19_BOX", kThreeFunction);
  t.One(169, "MODE20_BOX", kKoreaFunction);
  t.One(176, "MODE21_BOX", kKoreaFunction);
  t.One(177, "MODE22_BOX", kThreeFunction | kToggleNormal);
  t.One(178, "MODE23_BOX", kToggleNormal);
  t.One(179, "MODE24_BOX", kGroupInterlock);
  t.One(83, "EXIT_SELECT_MODE");
  t.Consecutive(77, {"Label25", "Label26", "Label24", "Label15", "Label12", "Label14"});
  t.Consecutive(171, {"Label16", "Label27", "Label28"});
  for (int element = 0; element < static_cast<int>(std::size(kModePictureLines)); ++element) {
    t.One(kModePictureLines[element], Indexed("Label3", element), ModePictureFlags(element));
  }

  // The menus.
  t.Consecutive(105, {"mnufile", "mnuload", "mnusaveas", "mnuprinter", "mnuexit", "mnutools", "mmuReadSetupData",
                      "mnuWriteSetupData", "mnulanguage", "mnuabout", "mmuVer"});
  return t.Take();
}

std::vector<ListLines> BuildListRebuilds() {
  const std::vector<int> keyItems = Join({LineRange(33, 39), {170, 181, 182, 183}});
  const std::vector<int> secondKeyItems = Join({LineRange(33, 38), {40, 170, 181, 182, 183}});
  const std::vector<int> interlockItems = Join({LineRange(41, 44), {184}});
  const std::vector<int> modeItems = Join({LineRange(84, 99), LineRange(166, 169), LineRange(176, 180)});
  std::vector<ListLines> lists;
  for (int pair = 0; pair < kPairCount; ++pair) {
    lists.push_back({Indexed("UP_FUNC", pair), keyItems});
    lists.push_back({Indexed("DOWN_FUNC", pair), secondKeyItems});
    lists.push_back({Indexed("INTERLOCK_UD", pair), interlockItems});
    lists.push_back({Indexed("MODELTYPE_NO", pair), modeItems});
  }
  for (int list = 0; list < kEmsListCount; ++list) lists.push_back({Indexed("CONTROL_FUNC_UD", list), {43, 44}});
  const std::vector<ListLines> singles{
      {"POWER_ON_MODE", {33, 34, 66}},
      {"F1_MODE", {33, 34}},
      {"TRANSMIT_MODE", {45, 46}},
      {"SAVE_POWER_SW", {47, 48}},
      {"AUTO_OFF_TX_TIMES", Join({LineRange(49, 55), {63}})},
      {"AUTO_OFF_TX_SW", {48, 47}},
      {"LED_ON_OFF_SW", {27, 28}},
      {"PASSIVE_ACT", {64, 65}},
      {"AUTO_OFF_RX_TIMES", Join({LineRange(55, 61), {63}})},
      {"REMOTE_SET_SW", {48, 47}},
      {"POWER_ON_OFF_SW", LineRange(67, 70)},
      {"R0_KEY_EMS", {43, 44}},
  };
  lists.insert(lists.end(), singles.begin(), singles.end());
  return lists;
}

std::vector<std::pair<int, int>> BuildLoadTextLines() {
  std::vector<std::pair<int, int>> lines;
  for (int index = 0; index <= 23; ++index) lines.emplace_back(index, index + 129);
  for (int index = 24; index <= 33; ++index) lines.emplace_back(index, index + 82);
  for (int index = 34; index <= 36; ++index) lines.emplace_back(index, index + 119);
  lines.emplace_back(37, 190);
  // Line 147 would be entry 18; line 165 replaces it.
  lines.emplace_back(18, 165);
  return lines;
}

}  // namespace

bool FeatureApplies(const MainWindowState& state, unsigned flags) {
  if (flags == kAlways) return true;
  return ((flags & kThreeFunction) && state.new_3_function == 1) ||
         ((flags & kKoreaFunction) && state.new_KOREA_function == 1) ||
         ((flags & kToggleNormal) && state.new_TOGGLE_NORMAL == 1) ||
         ((flags & kGroupInterlock) && state.new_GROUP_INTERLOCK == 1);
}

const std::vector<CaptionLine>& CaptionLines() {
  static const std::vector<CaptionLine> lines = BuildCaptionLines();
  return lines;
}

const std::vector<ListLines>& ListRebuilds() {
  static const std::vector<ListLines> lists = BuildListRebuilds();
  return lists;
}

const std::vector<ToolbarLine>& ToolbarLines() {
  static const std::vector<ToolbarLine> lines{{106, 1}, {111, 8}, {107, 10}, {112, 12}, {108, 14}, {109, 93}};
  return lines;
}

const std::vector<FeatureEnable>& FeatureEnables() {
  static const std::vector<FeatureEnable> enables = [] {
    std::vector<FeatureEnable> list{{kKoreaFunction, "MODE20_BOX"},
                                    {kKoreaFunction, "MODE21_BOX"},
                                    {kToggleNormal, "MODE22_BOX"},
                                    {kToggleNormal, "MODE23_BOX"}};
    for (int element = 63; element <= 68; ++element) list.push_back({kToggleNormal, Indexed("Label3", element)});
    return list;
  }();
  return enables;
}

const std::vector<std::pair<int, int>>& LoadTextLines() {
  static const std::vector<std::pair<int, int>> lines = BuildLoadTextLines();
  return lines;
}

const std::vector<std::string>& LabelsHiddenByLanguage() {
  static const std::vector<std::string> labels{"Label1(0)",  "Label1(73)", "Label1(79)",
                                               "Label1(83)", "Label1(84)", "Label1(85)"};
  return labels;
}

std::vector<std::string> LanguageTargets() {
  std::set<std::string> names{"SSTab1", "K9R_P1_Toolbar"};
  for (const auto& caption : CaptionLines()) names.insert(caption.control);
  for (const auto& list : ListRebuilds()) names.insert(list.control);
  for (const auto& enable : FeatureEnables()) names.insert(enable.control);
  for (const auto& label : LabelsHiddenByLanguage()) names.insert(label);
  return {names.begin(), names.end()};
}

}  // namespace k9r
