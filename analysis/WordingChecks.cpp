#include "WordingChecks.h"

#include "ClaimRecord.h"
#include "GbkText.h"
#include "GbkTexts.h"

namespace {

// "" or the one full-stop mark the text earns.
std::string_view FullStopMark(std::string_view text) {
  const int first = FindFrom(text, gbk::kFullStop);
  if (first == kNotFound) return gbk::kMarkNoFullStop;
  // A byte test on the end: the claim must end in the two bytes of "。".
  const std::string_view last = text.size() < 2 ? text : text.substr(text.size() - 2);
  if (last != gbk::kFullStop) return gbk::kMarkFullStopNotAtEnd;
  if (first < Size(text) - 2) return gbk::kMarkSeveralFullStops;
  return {};
}

}  // namespace

void CheckWording(int pos) {
  ClaimRecord& record = g_claims[pos];
  if (!Contains(record.text, gbk::kCharacterisedBy)) record.marks += gbk::kMarkNoCharacterising;
  record.marks += FullStopMark(record.text);
  for (const gbk::PunctuationPair& pair : gbk::kPunctuationPairs) {
    if (Contains(record.text, pair.pair)) record.marks += pair.mark;
  }
}
