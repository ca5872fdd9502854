// Scans for bytes eight at a time. Reading lines and splitting coordinate
// lines are the hottest loops of a run; their lines are short, so a scan
// inlined here beats a library call per line.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace mif2cgps {

namespace byte_scan {
inline constexpr std::uint64_t kOnes = 0x0101010101010101;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080;
inline constexpr bool kWordWise = std::endian::native == std::endian::little;

inline std::uint64_t load(const char* p) {
  std::uint64_t bytes;
  std::memcpy(&bytes, p, sizeof bytes);
  return bytes;
}
}  // namespace byte_scan

// The first `byte` in [p, end), or nullptr.
inline const char* findByte(const char* p, const char* end, char byte) {
  using namespace byte_scan;
  if constexpr (kWordWise) {
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
    while (end - p >= 8) {
      const std::uint64_t bytes = load(p) ^ pattern;
      // The lowest flagged byte is the first zero: no borrow reaches it.
      const std::uint64_t flagged = (bytes - kOnes) & ~bytes & kHighBits;
      if (flagged != 0) return p + std::countr_zero(flagged) / 8;
      p += 8;
    }
  }
  for (; p < end; ++p) {
    if (*p == byte) return p;
  }
  return nullptr;
}

// The first byte in [p, end) below 0x21 (space, tab, line feed and the
// other control bytes), or `end`.
inline const char* findByteBelow0x21(const char* p, const char* end) {
  using namespace byte_scan;
  if constexpr (kWordWise) {
    while (end - p >= 8) {
      const std::uint64_t bytes = load(p);
      const std::uint64_t flagged = (bytes - kOnes * 0x21) & ~bytes & kHighBits;
      if (flagged != 0) return p + std::countr_zero(flagged) / 8;
      p += 8;
    }
  }
  while (p < end && static_cast<unsigned char>(*p) > 0x20) ++p;
  return p;
}

}  // namespace mif2cgps
