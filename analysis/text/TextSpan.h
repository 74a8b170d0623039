// Runs of bytes of a text, and places in the text the user gave.
#pragma once

#include <cstdint>

// A run of bytes of a text.
struct TextSpan {
  int32_t start = 0;
  int32_t length = 0;
};

// A place in the text the user gave: 1-based line (counting the input's own line breaks) and
// 1-based column in Unicode code points. 0 and 0 until the finding has been located.
struct TextPlace {
  int32_t line = 0;
  int32_t column = 0;
};
