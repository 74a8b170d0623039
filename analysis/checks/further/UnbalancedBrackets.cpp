#include "checks/further/UnbalancedBrackets.h"

#include <cstdint>
#include <cstring>

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// True when the ")" at `pos` ends a list label ("a)", "S1)", "步骤121)"): `labelStart` is where the
// run of ASCII letters and digits before it begins, and `before` is the character before that run
// (-1 at the start), a two-byte character, a ";" or a line break.
bool EndsListLabel(std::string_view text, int labelStart, int pos, int before) {
  constexpr int kMaxLabelLength = 4;
  const int length = pos - labelStart;
  if (length < 1 || length > kMaxLabelLength) return false;
  return before == -1 || CharLength(text[before]) == 2 || text[before] == ';' ||
         text[before] == '\n';
}

// True when the eight bytes at `at` are all of 0x80 or more: four two-byte characters, passed
// over at once.
bool AllHighBytes(const char* at) {
  constexpr uint64_t kTopBits = 0x8080808080808080;
  uint64_t bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return (bytes & kTopBits) == kTopBits;
}

}  // namespace

void CheckUnbalancedBrackets(std::string_view text, std::vector<Finding>& findings) {
  int depth = 0;
  int outermostOpen = -1;  // the "(" or "[" that opened the brackets now open
  int strayClose = -1;     // the first ")" or "]" that closed nothing
  int runStart = 0;        // where the run of ASCII letters and digits before `pos` begins
  int beforeRun = -1;      // the character before that run
  const int size = Size(text);
  for (int pos = 0; pos < size; ++pos) {
    if (CharLength(text[pos]) == 2) {
      // A run of two-byte characters holds no bracket and ends any run of letters and digits.
      while (pos + 10 <= size && AllHighBytes(text.data() + pos + 2)) pos += 8;
      while (pos + 2 < size && CharLength(text[pos + 2]) == 2) pos += 2;
      beforeRun = pos;
      runStart = ++pos + 1;
      continue;
    }
    const char c = text[pos];
    if (c == '(' || c == '[') {
      if (depth++ == 0) outermostOpen = pos;
    } else if (c == ')' || c == ']') {
      if (depth > 0) {
        --depth;
      } else if (strayClose == -1 && !(c == ')' && EndsListLabel(text, runStart, pos, beforeRun))) {
        strayClose = pos;
      }
    }
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c)) {
      runStart = pos + 1;
      beforeRun = pos;
    }
  }
  const int at = depth > 0 ? outermostOpen : strayClose;
  if (at == -1 || text[at] == '[' || text[at] == ']') return;
  AddWordFinding(findings, FindingCode::kUnbalancedBrackets, gbk::kLabelBrackets,
                 text, at, 1);
}
