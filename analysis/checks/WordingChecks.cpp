#include "checks/WordingChecks.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "checks/WordingFixes.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

// Adds the one full-stop finding the text earns, if any.
void CheckFullStop(ClaimRecord& record) {
  const std::string_view text = record.text;
  const int first = FindFrom(text, gbk::kFullStop);
  if (first == kNotFound) {
    AddClaimFinding(record, FindingCode::kNoFullStop, gbk::kMarkNoFullStop);
    FixNoFullStop(record.findings.back(), text);
    return;
  }
  // A byte test on the end: the claim must end in the two bytes of "。".
  const std::string_view last = text.size() < 2 ? text : text.substr(text.size() - 2);
  if (last != gbk::kFullStop) {
    AddClaimFinding(record, FindingCode::kFullStopNotAtEnd, gbk::kMarkFullStopNotAtEnd);
  } else if (first < Size(text) - 2) {
    AddClaimFinding(record, FindingCode::kSeveralFullStops, gbk::kMarkSeveralFullStops);
  }
}

constexpr size_t kPairCount = std::size(gbk::kPunctuationPairs);

uint32_t FourBytes(const char* bytes) {
  uint32_t value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// Which of the punctuation pairs occur in the text, in one walk over its characters rather than
// one walk per pair.
std::array<bool, kPairCount> PairsFound(std::string_view text) {
  static const std::array<uint32_t, kPairCount> pairs = [] {
    std::array<uint32_t, kPairCount> values;
    for (size_t i = 0; i < kPairCount; ++i)
      values[i] = FourBytes(gbk::kPunctuationPairs[i].pair.data());
    return values;
  }();
  std::array<bool, kPairCount> found{};
  for (int pos = 0; pos + 4 <= Size(text); pos += CharLength(text[pos])) {
    // Every pair opens with full-width punctuation led by 0xA1 or 0xA3.
    const unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (lead != 0xA1 && lead != 0xA3) continue;
    const uint32_t here = FourBytes(text.data() + pos);
    for (size_t i = 0; i < kPairCount; ++i) found[i] = found[i] || here == pairs[i];
  }
  return found;
}

}  // namespace

void CheckWording(int pos) {
  ClaimRecord& record = g_claims[pos];
  if (!Contains(record.text, gbk::kCharacterisedBy)) {
    AddClaimFinding(record, FindingCode::kNoCharacterisingPhrase, gbk::kMarkNoCharacterising);
  }
  CheckFullStop(record);
  const auto found = PairsFound(record.text);
  for (size_t i = 0; i < std::size(gbk::kPunctuationPairs); ++i) {
    if (!found[i]) continue;
    AddClaimFinding(record, FindingCode::kDoubledPunctuation, gbk::kPunctuationPairs[i].mark);
    record.findings.back().pair = gbk::kPunctuationPairs[i].pair;
    FixDoubledPunctuation(record.findings.back(), record.text);
  }
}
