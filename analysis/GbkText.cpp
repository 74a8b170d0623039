#include "GbkText.h"

#include <algorithm>

bool IsHanziPair(std::string_view pair) {
  return pair.size() == 2 && static_cast<unsigned char>(pair[0]) >= 0xB0 &&
         static_cast<unsigned char>(pair[1]) >= 0xA1;
}

bool IsHanziAt(std::string_view text, int pos) { return IsHanziPair(Substring(text, pos, 2)); }

std::string_view Substring(std::string_view text, int pos, int n) {
  if (pos < 0 || pos >= Size(text) || n <= 0) return {};
  return text.substr(pos, std::min(n, Size(text) - pos));
}

bool HasAt(std::string_view text, int pos, std::string_view needle) {
  return Substring(text, pos, Size(needle)) == needle;
}

int FindFrom(std::string_view text, std::string_view needle, int from) {
  if (from < 0 || from > Size(text)) return kNotFound;
  int boundary = from;  // always a character boundary at or before the next candidate
  while (true) {
    const size_t hit = text.find(needle, boundary);
    if (hit == std::string_view::npos) return kNotFound;
    const int candidate = static_cast<int>(hit);
    // Walk the characters up to the candidate; landing on it proves it is a boundary. Each byte
    // is walked at most once over the whole search.
    while (boundary < candidate) boundary += CharLength(text[boundary]);
    if (boundary == candidate) return candidate;
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

std::string_view TrimAscii(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsAsciiSpace(text[begin])) ++begin;
  while (end > begin && IsAsciiSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}
