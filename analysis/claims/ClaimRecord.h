// Claim records, the application-wide arrays of one check, and claim sets.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "claims/ClaimOpening.h"
#include "result/Finding.h"

// One claim of the checked text. Positions and lengths in its strings are byte counts.
struct ClaimRecord {
  int32_t number = 0;        // as read from the start of the claim's first paragraph
  int32_t setLeader = 0;     // dependent claims: number of the independent claim leading the set
  int32_t problemCount = 0;  // "【" in text followed by marks, once every check has run
  uint8_t isIndependent = 1;
  uint8_t multiRef = 0;           // refers to two or more claims
  uint8_t multiMulti = 0;         // received "【多引多】"; no antecedent check then
  uint8_t dependsOnMultiRef = 0;  // some found parent is, or depends on, a multiple reference
  std::string text;               // paragraphs joined by "\r\n", with any antecedent brackets
  std::string subject;            // "" when not recognised
  std::string parentRefs;         // dependent claims: "1;2;" style list without repeats
  std::string marks;              // the claim's problem marks, merged into one bracket at the end
  std::string head;               // the tags written in front of the marks in the report
  std::vector<int32_t> parentNumbers;  // the numbers in parentRefs, in order
  std::vector<int32_t> parentIndices;  // positions in g_claims of the parents that exist
  int32_t firstParagraph = 0;          // position in g_paragraphs of its first paragraph
  std::vector<Finding> findings;       // one per mark, as the checks find them
  ClaimOpening opening;                // read from text before any check adds brackets to it
};

// Records a finding about the claim as a whole: appends `mark` (GBK, with its brackets, a text of
// GbkTexts.h, which the finding keeps) to the record's marks and a finding with `code` and that
// mark to its findings.
void AddClaimFinding(ClaimRecord& record, FindingCode code, std::string_view mark);

// A span of a claim's text to be bracketed by the antecedent-basis check.
struct MarkSpan {
  int32_t start = 0;
  int32_t length = 0;
};

// The claims of the last check, in input order. Records only ever enter at the end; a record's
// number (0 to 9999) must not change once it is appended, since lookups by number are indexed.
class ClaimList {
 public:
  // Appends `record`, moved in.
  void Append(ClaimRecord&& record);
  // Drops every record and releases the storage.
  void Empty();

  int Count() const { return static_cast<int>(records_.size()); }
  ClaimRecord& operator[](int pos) { return records_[pos]; }
  const ClaimRecord& operator[](int pos) const { return records_[pos]; }
  auto begin() { return records_.begin(); }
  auto end() { return records_.end(); }
  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

  // The position of the first record bearing `number`, or -1.
  int FindFirst(int32_t number) const;
  // How many different numbers the records bear: the most claims a reference can reach.
  int DistinctNumbers() const { return distinctNumbers_; }

 private:
  // Claim numbers run from 0 to 9999, so every one of them is looked up in a table.
  static constexpr int32_t kTabledNumbers = 10000;

  std::vector<ClaimRecord> records_;
  std::vector<int> firstByNumber_;
  int distinctNumbers_ = 0;
};

extern ClaimList g_claims;
extern std::vector<std::string> g_paragraphs;  // trimmed, non-empty paragraphs of the input
extern std::vector<MarkSpan> g_markSpans;      // scratch of the claim under the antecedent check

// The position in g_claims of the first record whose number is `number`, or -1 when there is
// none (also when g_claims is empty).
int FindClaimIndex(int32_t number);

// Records `record` in its claim set. `currentLeader` is the number of the independent claim that
// leads the set being read; it starts at 1 for each analysis, so dependent claims before the
// first independent claim belong to the set of claim 1. An independent record becomes the leader
// and keeps setLeader 0; a dependent record gets the current leader.
void AssignClaimSet(ClaimRecord& record, int32_t& currentLeader);
