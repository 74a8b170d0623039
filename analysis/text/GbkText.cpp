#include "text/GbkText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

std::string_view Substring(std::string_view text, int pos, int n) {
  if (pos < 0 || pos >= Size(text) || n <= 0) return {};
  return text.substr(pos, std::min(n, Size(text) - pos));
}

namespace {

// Where the run of bytes of 0x80 or more that ends just before `end` begins, looking back no
// further than `floor`. Eight bytes at a time, since such runs are the whole of a Chinese text.
int HighRunStart(std::string_view text, int floor, int end) {
  if constexpr (std::endian::native == std::endian::little) {
    for (; end - floor >= 8; end -= 8) {
      uint64_t word;
      std::memcpy(&word, text.data() + end - 8, sizeof word);
      const uint64_t lowBytes = ~word & 0x8080808080808080;  // the top bit of each byte below 0x80
      if (lowBytes != 0) return end - 8 + (63 - std::countl_zero(lowBytes)) / 8 + 1;
    }
  }
  while (end > floor && static_cast<unsigned char>(text[end - 1]) >= 0x80) --end;
  return end;
}

}  // namespace

int FindFrom(std::string_view text, std::string_view needle, int from) {
  if (from < 0 || from > Size(text)) return kNotFound;
  int boundary = from;  // always a character boundary at or before the next candidate
  while (true) {
    const size_t hit = text.find(needle, boundary);
    if (hit == std::string_view::npos) return kNotFound;
    const int candidate = static_cast<int>(hit);
    // A byte below 0x80 is a character or the second byte of one, so a character begins just
    // after it; from there on the bytes of 0x80 or more pair up, each opening a character. The
    // runs looked at never overlap, so each byte is looked at once over the whole search.
    if ((candidate - HighRunStart(text, boundary, candidate)) % 2 == 0) return candidate;
    boundary = candidate + 1;  // the candidate is the second byte of a character
  }
}

int CountOccurrences(std::string_view text, std::string_view needle) {
  if (needle.empty()) return 0;
  int count = 0;
  for (int pos = FindFrom(text, needle); pos != kNotFound;
       pos = FindFrom(text, needle, pos + Size(needle))) {
    ++count;
  }
  return count;
}

std::string ReplaceAll(std::string_view text, std::string_view needle,
                       std::string_view replacement) {
  if (needle.empty()) return std::string(text);
  std::string result;
  result.reserve(text.size());
  int copied = 0;
  for (int pos = FindFrom(text, needle); pos != kNotFound;
       pos = FindFrom(text, needle, pos + Size(needle))) {
    result.append(text.substr(copied, pos - copied));
    result.append(replacement);
    copied = pos + Size(needle);
  }
  result.append(text.substr(copied));
  return result;
}

CharSet::CharSet(std::string_view chars) {
  for (size_t i = 0; i + 2 <= chars.size(); i += 2) bits_.set(Index(chars[i], chars[i + 1]));
}
