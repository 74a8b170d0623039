#include "checks/WordingFixes.h"

#include <string>

#include "text/FixTexts.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// The text as read: the antecedent brackets taken out.
std::string AsRead(std::string_view text) {
  std::string read;
  read.reserve(text.size());
  for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) {
    const std::string_view character = text.substr(pos, CharLength(text[pos]));
    if (character != gbk::kMarkOpen && character != gbk::kMarkClose) read.append(character);
  }
  return read;
}

// The position of the last character of `text` (not empty).
int LastCharacter(std::string_view text) {
  int last = 0;
  for (int pos = 0; pos < Size(text); pos += CharLength(text[pos])) last = pos;
  return last;
}

bool IsOneOf(std::string_view character, std::string_view chars) {
  for (int pos = 0; pos < Size(chars); pos += CharLength(chars[pos])) {
    if (chars.substr(pos, CharLength(chars[pos])) == character) return true;
  }
  return false;
}

void AddEdit(Fix& fix, int start, int length, std::string_view text) {
  FixEdit edit;
  edit.textStart = start;
  edit.textLength = length;
  edit.text = std::string(text);
  fix.edits.push_back(std::move(edit));
}

}  // namespace

void FixNoFullStop(Finding& finding, std::string_view text) {
  const std::string read = AsRead(text);
  if (read.empty()) return;
  const int last = LastCharacter(read);
  const std::string_view character = std::string_view(read).substr(last);
  if (character == gbk::kColon || IsOneOf(character, gbk::kOpeningBrackets)) {
    finding.fixRefused = std::string(gbk::kRefusedEndsOpen);
    return;
  }
  if (!IsOneOf(character, gbk::kEndsToReplace)) return;
  finding.fix = MakeFix(TitleReplacingBy(gbk::kFullStop), last, Size(character),
                        std::string(gbk::kFullStop));
}

void FixDoubledPunctuation(Finding& finding, std::string_view text) {
  const std::string_view first = finding.pair.substr(0, 2);
  const std::string_view second = finding.pair.substr(2);
  const std::string read = AsRead(text);
  if (first != second) {
    // "；。": the semicolon of a last item, then the full stop that replaces it.
    if (finding.pair != gbk::kSemicolonFullStop || read.size() < 4 ||
        FindFrom(read, finding.pair) != Size(read) - 4) {
      return;
    }
    finding.fix = MakeFix(TitleReplacingBy(second), Size(read) - 4, 2, "");
    return;
  }
  auto fix = std::make_shared<Fix>();
  fix->title = TitleReplacingBy(first);
  for (int pos = 0; pos < Size(read); pos += CharLength(read[pos])) {
    if (!HasAt(read, pos, finding.pair)) continue;
    int end = pos + 2;
    while (HasAt(read, end, first)) end += 2;
    AddEdit(*fix, pos + 2, end - pos - 2, "");
    pos = end - 2;
  }
  if (!fix->edits.empty()) finding.fix = std::move(fix);
}
