#pragma once

#include <array>
#include <string>

namespace k9r {

class MainWindow;
class SetupImage;

// The stored delay times of one pair: the texts of 0x10AC + p, 0x10B2 + 2p
// and 0x10B3 + 2p.
struct PairTimeTexts {
  std::string interlockDelay;
  std::string firstKeyAccDelay;
  std::string secondKeyAccDelay;
};

PairTimeTexts ReadPairTimeTexts(const SetupImage& image, int pair);
// Every preset resets its pair's times; the image decoding puts them back.
void WritePairTimeTexts(SetupImage& image, int pair, const PairTimeTexts& times);

// What the image decoding keeps for the R-key pairs 3 and 4, which it
// decodes after the other pairs.
struct RKeyPairTexts {
  // 0x10A4-0x10A9 as stored, read before pair 2 is decoded: decoding pair 2
  // can rewrite pairs 3 and 4.
  std::array<std::string, 6> groupPairCells;
  PairTimeTexts pair3Times;
  PairTimeTexts pair4Times;
};

std::array<std::string, 6> ReadGroupPairCells(const SetupImage& image);

// Shows stored pairs by re-running the mode preset their bytes stand for.
class PairDecoding {
 public:
  explicit PairDecoding(MainWindow& window);

  // Decodes pair BUTTON_MODEL from the texts of its function and option
  // bytes: MODE_TYPES := functionText, then at most one preset (which may
  // act on the pairs of a group and leave BUTTON_MODEL at 2, 3 or 4).
  // Returns the mode applied, 0 when the texts name none (the pair is left
  // as it was).
  int BUTTON_FUNC_MODE(const std::string& functionText, const std::string& optionText);

  // Decodes pairs 3 and 4 together, from the texts saved for it.
  void DecodeRKeyPairs(const RKeyPairTexts& saved);

 private:
  int RKeyGroupRule(const std::string& functionText, int pair);
  int ThreePairRule();
  int ModeFourOrRKeyGroup(const std::string& optionText, int pair);
  int ModeFourUnlessRKeySecondHalf(const std::string& optionText, int pair);
  bool StoresRKeyGroup() const;
  int Apply(int mode, int pair);
  int DecodeSavedPair(int pair, const std::string& functionText, const std::string& optionText);
  void ShowTimes(int pair, const PairTimeTexts& times);
  std::string CellText(int address) const;
  bool RKeyGroupFlagSet() const;

  MainWindow& window_;
};

}  // namespace k9r
