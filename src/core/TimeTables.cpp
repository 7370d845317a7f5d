#include "core/TimeTables.h"

#include <algorithm>
#include <vector>

#include "core/SetupImage.h"

namespace k9r::timetables {

namespace {

constexpr TimeByteCode kTimeByteCodes[] = {
    {"Not-Execute", 0x01}, {"0.0", 0x01}, {"0.05", 0x03}, {"0.1", 0x06}, {"0.2", 0x0C}, {"0.3", 0x12},
    {"0.4", 0x19},         {"0.5", 0x1F}, {"0.6", 0x25},  {"0.7", 0x2B}, {"0.8", 0x32}, {"0.9", 0x38},
    {"1.0", 0x3E},         {"1.5", 0x5D}, {"2.0", 0x7D},  {"3.0", 0xBB}, {"4.0", 0xFA}, {"Continue", 0x00},
};

constexpr std::string_view kDelayTimeItems[] = {"0.0", "0.3", "0.5", "1.0", "1.5", "2.0", "3.0", "4.0"};
constexpr std::string_view kInchingTimeItems[] = {"0.05", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.8"};
constexpr std::string_view kPassiveEmsTimeItems[] = {"0.5", "0.6", "0.7", "0.8", "0.9", "1.0", "2.0", "3.0"};

// Stored byte -> item of each decoder family; an empty text means the
// family does not know the byte.
struct TimeDecodeRow {
  std::string_view stored;
  std::string_view delay;
  std::string_view inching;
  std::string_view passiveEms;
};

constexpr TimeDecodeRow kTimeDecodeRows[] = {
    {"01", "0.0", "", ""},       {"03", "0.0", "0.05", ""},   {"06", "0.0", "0.1", ""},
    {"0C", "0.0", "0.2", ""},    {"0D", "0.3", "", ""},       {"12", "0.3", "0.3", ""},
    {"19", "0.0", "0.4", ""},    {"1F", "0.5", "0.5", "0.5"}, {"20", "0.0", "", "0.5"},
    {"25", "0.0", "0.6", "0.6"}, {"26", "0.0", "", "0.6"},    {"2B", "0.0", "", "0.7"},
    {"2C", "0.0", "", "0.7"},    {"32", "0.0", "0.8", "0.8"}, {"33", "0.0", "", "0.8"},
    {"38", "0.0", "", "0.9"},    {"39", "0.0", "", "0.9"},    {"3E", "1.0", "", "1.0"},
    {"3F", "0.0", "", "1.0"},    {"5D", "1.5", "", "1.5"},    {"7D", "2.0", "", "2.0"},
    {"BB", "3.0", "", "3.0"},    {"FA", "4.0", "", ""},
};
constexpr std::string_view kUnknownDelayTime = "0.0";

const TimeDecodeRow* FindDecodeRow(std::string_view storedText) {
  const auto* found = std::find_if(std::begin(kTimeDecodeRows), std::end(kTimeDecodeRows),
                                   [&](const TimeDecodeRow& row) { return row.stored == storedText; });
  return found == std::end(kTimeDecodeRows) ? nullptr : found;
}

std::optional<std::string_view> Known(std::string_view item) {
  if (item.empty()) return std::nullopt;
  return item;
}

constexpr LedOffTimeRow kLedOffTimeRows[] = {
    {"0.0", {0x01, 0x00}}, {"0.3", {0x60, 0x09}}, {"0.5", {0xA0, 0x0F}}, {"1.0", {0x40, 0x1F}},
    {"1.5", {0xE0, 0x2E}}, {"2.0", {0x80, 0x3E}}, {"3.0", {0xC0, 0x5D}}, {"4.0", {0x00, 0x7D}},
};

// 65536 + 8000 ticks per second.
constexpr AutoOffRow kTxAutoOffRows[] = {
    {"30 sec", {0x04, 0x00, 0x80, 0xA9}}, {"1   min", {0x08, 0x00, 0x00, 0x53}},
    {"90 sec", {0x0B, 0x00, 0x80, 0xFC}}, {"2   min", {0x0F, 0x00, 0x00, 0xA6}},
    {"3   min", {0x16, 0x00, 0x00, 0xF9}}, {"5   min", {0x25, 0x00, 0x00, 0x9F}},
    {"10 min", {0x4A, 0x00, 0x00, 0x3E}}, {"Not-Execute", {0x99, 0x7B, 0x00, 0xA0}},
};

// 65536 + 4688 ticks per minute. Units know "10 min" as 01 00 AA BB, not as
// the 01 00 20 B7 the rule would give; the row is what they expect.
constexpr AutoOffRow kRxAutoOffRows[] = {
    {"10 min", {0x01, 0x00, 0xAA, 0xBB}}, {"20 min", {0x02, 0x00, 0x40, 0x6E}},
    {"30 min", {0x03, 0x00, 0x60, 0x25}}, {"1 hour", {0x05, 0x00, 0xC0, 0x4A}},
    {"2 hour", {0x09, 0x00, 0x80, 0x95}}, {"3 hour", {0x0D, 0x00, 0x40, 0xE0}},
    {"4 hour", {0x12, 0x00, 0x00, 0x2B}}, {"Not-Execute", {0x00, 0x01, 0x00, 0x00}},
};

template <class Row>
int FindRowByCellTexts(std::span<const Row> rows, std::string_view joinedCellTexts) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string text;
    for (std::uint8_t byte : rows[i].bytes) text += ByteText(byte);
    if (text == joinedCellTexts) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::span<const TimeByteCode> TimeByteCodes() { return kTimeByteCodes; }

std::optional<std::uint8_t> TimeByteOf(std::string_view text) {
  for (const TimeByteCode& code : kTimeByteCodes) {
    if (code.text == text) return code.byte;
  }
  return std::nullopt;
}

std::span<const std::string_view> DelayTimeItems() { return kDelayTimeItems; }
std::span<const std::string_view> InchingTimeItems() { return kInchingTimeItems; }
std::span<const std::string_view> PassiveEmsTimeItems() { return kPassiveEmsTimeItems; }

std::string_view DecodeDelayTime(std::string_view storedText) {
  const TimeDecodeRow* row = FindDecodeRow(storedText);
  return row ? row->delay : kUnknownDelayTime;
}

std::optional<std::string_view> DecodeInchingTime(std::string_view storedText) {
  const TimeDecodeRow* row = FindDecodeRow(storedText);
  return row ? Known(row->inching) : std::nullopt;
}

std::optional<std::string_view> DecodePassiveEmsTime(std::string_view storedText) {
  const TimeDecodeRow* row = FindDecodeRow(storedText);
  return row ? Known(row->passiveEms) : std::nullopt;
}

std::span<const std::string> KeyDelayItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> texts;
    for (int value = 32; value >= 0; --value) {
      texts.push_back((value < 10 ? "0" : "") + std::to_string(value));
    }
    return texts;
  }();
  return items;
}

std::span<const LedOffTimeRow> LedOffTimeRows() { return kLedOffTimeRows; }
std::span<const AutoOffRow> TxAutoOffRows() { return kTxAutoOffRows; }
std::span<const AutoOffRow> RxAutoOffRows() { return kRxAutoOffRows; }

int FindLedOffTimeRow(std::string_view joinedCellTexts) {
  return FindRowByCellTexts(LedOffTimeRows(), joinedCellTexts);
}

int FindAutoOffRow(std::span<const AutoOffRow> rows, std::string_view joinedCellTexts) {
  return FindRowByCellTexts(rows, joinedCellTexts);
}

}  // namespace k9r::timetables
