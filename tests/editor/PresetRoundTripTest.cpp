// A unit written by this editor must read back as written: every mode the
// panel offers on every pair, with every emergency-stop choice the window
// then offers, is applied in one window; a second window decodes the
// resulting image and must show the same and leave every byte alone.
#include <gtest/gtest.h>

#include <vector>

#include "core/PairCodes.h"
#include "editor/ModelDump.h"
#include "tests/editor/PresetFixture.h"

namespace k9r {
namespace {

struct RoundTrip {
  int pair;
  int mode;
  // Per pair the preset writes: -1 leaves the choice the preset made,
  // 0 or 1 is the item the user then picks.
  std::vector<int> emsChoices;
};

std::string Describe(const RoundTrip& trip) {
  std::string text = "Mode " + std::to_string(trip.mode) + " on pair " + std::to_string(trip.pair);
  for (std::size_t i = 0; i < trip.emsChoices.size(); ++i) {
    if (trip.emsChoices[i] >= 0) text += ", pair " + std::to_string(trip.pair + static_cast<int>(i)) + " EMS " + std::to_string(trip.emsChoices[i]);
  }
  return text;
}

void Prepare(MainWindow& window, int pair) {
  if (pair == 5) BecomeSixPairUnit(window);
}

// Applies the preset and the choices; false when a choice is not offered.
bool Apply(MainWindow& window, const RoundTrip& trip) {
  ClickMode(window, trip.pair, trip.mode);
  for (std::size_t i = 0; i < trip.emsChoices.size(); ++i) {
    if (trip.emsChoices[i] < 0) continue;
    Choice* list = OfferedEmsList(window, trip.pair + static_cast<int>(i));
    if (!list) return false;
    list->Select(trip.emsChoices[i]);
  }
  return true;
}

// Every offered mode on every pair with every choice the window offers.
std::vector<RoundTrip> AllRoundTrips() {
  std::vector<RoundTrip> trips;
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    for (int mode = paircodes::kFirstMode; mode <= paircodes::kLastMode; ++mode) {
      StartedWindow probe;
      probe.window.Pairs().FUNC_MODE_SELECT(pair).Click();
      if (!probe.window.Panel().ModeOffered(mode)) continue;
      const int pairCount = paircodes::ModeCodeOf(mode).pairCount;
      std::vector<std::vector<int>> choices{{}};
      for (int i = 0; i < pairCount; ++i) {
        std::vector<std::vector<int>> longer;
        for (const auto& prefix : choices) {
          for (int choice : {-1, 0, 1}) {
            auto next = prefix;
            next.push_back(choice);
            longer.push_back(std::move(next));
          }
        }
        choices = std::move(longer);
      }
      for (auto& emsChoices : choices) {
        RoundTrip trip{pair, mode, std::move(emsChoices)};
        StartedWindow trial;
        Prepare(trial.window, pair);
        if (Apply(trial.window, trip)) trips.push_back(std::move(trip));
      }
    }
  }
  return trips;
}

// The controls that show a pair and the whole-unit list a preset may set.
std::vector<std::string> ComparedControls() {
  std::vector<std::string> names{"POWER_ON_MODE"};
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    for (const char* name : {"MODELTYPE_NO", "UP_FUNC", "DOWN_FUNC", "INTERLOCK_UD", "INTERLOCK_DELAY_TIME_UPDN",
                             "ACCDELAYUP", "ACCDELAY_DOWN", "INTL_DelayTime_UP", "TIME_ACCDELAY_UP",
                             "TIME_ACCDELAY_DN"}) {
      names.push_back(Indexed(name, pair));
    }
    names.push_back(Indexed("CONTROL_FUNC_UD", 2 * pair));
    names.push_back(Indexed("CONTROL_FUNC_UD", 2 * pair + 1));
  }
  for (int label : {20, 0, 4, 79, 11, 83, 29, 84, 37, 85, 74, 73}) names.push_back(Indexed("Label1", label));
  return names;
}

TEST(PresetRoundTripTest, EveryOfferedModeReadsBackAsWritten) {
  const auto trips = AllRoundTrips();
  // 6 pairs; Modes 20/21 and 24 add their choice combinations.
  ASSERT_GT(trips.size(), 100u);
  for (const RoundTrip& trip : trips) {
    StartedWindow written;
    Prepare(written.window, trip.pair);
    ASSERT_TRUE(Apply(written.window, trip));
    const CellTexts image = AllCells(written.window.Image());

    StartedWindow read;
    Prepare(read.window, trip.pair);
    SetAllCells(read.window.Image(), image);
    DecodeImagePairs(read.window);

    const CellTexts readBack = AllCells(read.window.Image());
    for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
      EXPECT_EQ(readBack[static_cast<std::size_t>(cell)], image[static_cast<std::size_t>(cell)])
          << Describe(trip) << ": cell " << AddressText(SetupImage::kFirstAddress + cell);
    }
    for (const std::string& name : ComparedControls()) {
      EXPECT_EQ(DumpControl(*read.window.Controls().Find(name)), DumpControl(*written.window.Controls().Find(name)))
          << Describe(trip) << ": " << name;
    }
  }
}

}  // namespace
}  // namespace k9r
