#pragma once

#include <cstdint>

namespace k9r::sim {

// A byte on the wire at 9600 baud, 8E1: start, 8 data, parity, stop.
inline constexpr int kBitsPerByte = 11;
inline constexpr int kBaud = 9600;
inline constexpr std::uint64_t kByteTimeUs = 1'000'000ull * kBitsPerByte / kBaud;

}  // namespace k9r::sim
