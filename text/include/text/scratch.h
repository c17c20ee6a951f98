// Conversions of numbers and characters to short texts, kept in a rotating scratch area.
#pragma once

#include <cstdint>

namespace qiro {

// One process-wide block of 150 bytes. Each conversion writes its result behind the
// previous one, or back at the start when its reservation would not fit, so a result
// stays intact until later conversions have wrapped round the block. Results that
// must live longer are copied into a Text at once.
struct ScratchArea {
  static constexpr int kSize = 150;
  // Offset of a result within the block, or -1 for a pointer outside it.
  static int offsetOf(const char* result);
  // The offset the next conversion starts from.
  static int cursor();
  // Back to a fresh area (the state at program start).
  static void reset();
};

const char* numberText(std::int32_t n);
// Zero-filled to width, then only its last width characters; width is kept within 1..11.
const char* paddedNumberText(std::int32_t n, int width);
// Fixed notation with six decimals, cut to the 20 characters its reservation holds.
const char* realText(double x);
const char* charText(char c);

}  // namespace qiro
