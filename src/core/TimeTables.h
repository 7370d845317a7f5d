#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The stored forms of every time value of a unit, with the list texts the
// editor shows for them. Each table is the single source for both the
// handler that writes a value and the decoder that reads it back.
namespace k9r::timetables {

// Time byte: whole 16 ms ticks. "0.0" is stored as 0x01 because 0x00 means
// "Continue" to the unit.
struct TimeByteCode {
  std::string_view text;
  std::uint8_t byte;
};
std::span<const TimeByteCode> TimeByteCodes();
// Exact, case-sensitive match; nullopt for a text outside the table.
std::optional<std::uint8_t> TimeByteOf(std::string_view text);

// The items of the time lists.
std::span<const std::string_view> DelayTimeItems();       // interlock and acceleration delays
std::span<const std::string_view> InchingTimeItems();
std::span<const std::string_view> PassiveEmsTimeItems();

// Decoding a stored time byte does not invert the encoder exactly: each list
// family knows its own bytes. The stored text is compared exactly as it
// stands in the cell (two upper-case hex digits).
// Interlock and acceleration delays: an unknown byte shows "0.0".
std::string_view DecodeDelayTime(std::string_view storedText);
// Inching and passive-EMS times: nullopt leaves the list as it is.
std::optional<std::string_view> DecodeInchingTime(std::string_view storedText);
std::optional<std::string_view> DecodePassiveEmsTime(std::string_view storedText);

// Per-key special delay lists: 33 items "32" down to "00". Whatever is
// chosen, the key's byte is always stored as 0.3 s.
std::span<const std::string> KeyDelayItems();
inline constexpr int kKeyDelayDefaultItem = 27;  // "05"
inline constexpr std::uint8_t kKeyDelayStoredByte = 0x12;

// LED off-time word: 125 us ticks, low byte first.
struct LedOffTimeRow {
  std::string_view text;
  std::array<std::uint8_t, 2> bytes;
};
std::span<const LedOffTimeRow> LedOffTimeRows();
inline constexpr int kLedOffTimeDefaultItem = 3;  // "1.0"

// Auto-off counts: four bytes, high 16-bit word first, each word low byte
// first. Handlers and decoders work by item position, so the rows hold in
// every language.
struct AutoOffRow {
  std::string_view text;  // design-time item text
  std::array<std::uint8_t, 4> bytes;
};
std::span<const AutoOffRow> TxAutoOffRows();
std::span<const AutoOffRow> RxAutoOffRows();
inline constexpr int kTxAutoOffDefaultItem = 4;  // "3   min"
inline constexpr int kRxAutoOffDefaultItem = 7;  // "Not-Execute"

// The row whose bytes, as cell texts joined in address order, equal the
// text ("401F", "040080A9"); -1 when none does.
int FindLedOffTimeRow(std::string_view joinedCellTexts);
int FindAutoOffRow(std::span<const AutoOffRow> rows, std::string_view joinedCellTexts);

}  // namespace k9r::timetables
