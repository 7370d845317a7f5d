#pragma once

#include <string>
#include <vector>

namespace k9r {

struct MainWindowState;

// Which line of a language file goes where. Every caption, list item, menu,
// toolbar key and message text the language file replaces is named here
// and nowhere else.

// Mode-picker texts that only apply while a feature flag is 1 (any of the
// flags given); 0 means always.
enum FeatureFlag : unsigned {
  kAlways = 0,
  kThreeFunction = 1,
  kKoreaFunction = 2,
  kToggleNormal = 4,
  kGroupInterlock = 8,
};
bool FeatureApplies(const MainWindowState& state, unsigned flags);

struct CaptionLine {
  int line;
  std::string control;
  unsigned flags = kAlways;
};

struct ListLines {
  std::string control;
  std::vector<int> lines;  // item k comes from lines[k]
};

struct ToolbarLine {
  int line;
  int button;  // counted from 1
};

// Controls that a flag enables when it applies.
struct FeatureEnable {
  unsigned flag;
  std::string control;
};

inline constexpr int kTabCaptionCount = 5;  // tab k from line k
const std::vector<CaptionLine>& CaptionLines();
const std::vector<ListLines>& ListRebuilds();
const std::vector<ToolbarLine>& ToolbarLines();
const std::vector<FeatureEnable>& FeatureEnables();
// LOADTEXT(index) <- line, in this order.
const std::vector<std::pair<int, int>>& LoadTextLines();
// Labels hidden once a language file has been applied.
const std::vector<std::string>& LabelsHiddenByLanguage();

// Every control the table names (the tab strip and toolbar included).
std::vector<std::string> LanguageTargets();

}  // namespace k9r
