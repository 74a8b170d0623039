// The opening of a claim, read once when its record is completed: the reference to other claims
// it may open with, the claim numbers of that reference and the words that join them, what stands
// right after them, and where the subject starts and ends. Every stage that asks how a claim opens
// takes it from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/GbkText.h"
#include "text/TextSpan.h"

// How a claim opens.
enum class ReferenceForm : uint8_t {
  kNone,  // with no reference to a claim ("一种装置，…")
  kPhrase,  // with "根据权利要求" or "如权利要求": the one form the report reads as dependent
  kUnreadWord,  // with "按照", "依据", "依照", "遵照" or "按" before "权利要求": read as
                // independent
  kClaimWord,  // with "权利要求" itself: read as independent
};

// How two claim numbers of a list are joined.
enum class Join : uint8_t { kNone, kAlternative, kCumulative, kRange };

// A joining word of a list of claim numbers.
struct ListSign {
  Join join = Join::kNone;
  int length = 0;  // in bytes; 0 with kNone
  bool classic =
      false;  // one the report's own reading knows: "或", "、", "～", "到", "至", "-", "~"
};

// The joining word at `pos`: alternative "或者", "或", "、"; cumulative "以及", "和", "及", "与";
// range "-", "~", "～", "—", "至", "到". kNone for anything else.
ListSign ListSignAt(std::string_view text, int pos);

// A run of claim numbers as the further checks read it.
struct NumberList {
  int start = 0;
  int end = 0;              // `start` itself when no digit stands there
  int32_t first = 0;        // the value of the first number (0 when there is none)
  bool cumulative = false;  // some numbers are joined cumulatively
  bool range = false;       // some numbers are joined by a range
};

// The ASCII digit runs from `pos` joined by any joining word of ListSignAt; after a joining word,
// "权利要求" may stand again ("1或权利要求2"). A joining word not followed by a number is not
// part of the list.
NumberList ReadNumberList(std::string_view text, int pos);

// What stands right after the numbers of a reference.
enum class ListEnd : uint8_t {
  kOther,
  kSaid,      // "所述"
  kOf,        // "的"
  kIn,        // "中"
  kAny,       // "任"
  kOneOf,     // "之一"
  kComma,     // "，"
  kFullStop,  // "。"
};

struct ClaimOpening {
  // The first Chinese character, walking one-byte characters by 1 and two-byte ones by 2;
  // kNotFound when there is none (a lead byte in the last position is none).
  int first = kNotFound;
  ReferenceForm form = ReferenceForm::kNone;
  // With a reference: the numbers behind its "权利要求", read as the further checks read them,
  // and what follows them. Without one: empty at 0, and kOther.
  NumberList list;
  ListEnd listEnd = ListEnd::kOther;
  // The subject as the report reads it, a leading "的" and then "一种" dropped; start kNotFound
  // when it is not read. With kPhrase, between the first "所述" behind the phrase and the first
  // "，" or "：" behind it, not read when these stand in the wrong order or the span holds a line
  // break, "、", "；" or "其特征在于"; else `firstRun` without "一种", not read when it holds
  // "其特征在于".
  TextSpan subject{kNotFound, 0};
  // With kUnreadWord and kClaimWord and some number: the subject the reference names, from behind
  // a "所述" in the clause after the numbers (else from the numbers) to the clause's end ("，",
  // "：", "；", "。" or the end of the text), a leading "的" and then "一种" dropped. Else start
  // kNotFound.
  TextSpan namedSubject{kNotFound, 0};
  // Without kPhrase: the run that starts at the first Chinese character and carries on over
  // Chinese characters, one-byte characters other than CR, "、" and "～", ending before a CR or
  // any other two-byte character; length 0 when such a stop comes before the first Chinese
  // character.
  TextSpan firstRun;
  // With kPhrase only, the report's own reading of the numbers, which differs from `list`: the
  // items up to the first "任", "所" or "中", each followed by ";" — digits as written, or a
  // range spelled out with its high bound once more as written ("1～3" gives "1;2;3;3;"); a
  // doubled "、" or "或" is skipped as an empty item ("1、、2" gives "1;;2;"). "" when it cannot
  // read them: a joining word it does not know ("和", "或者", "—", "权利要求" again), a joining
  // word at either end, a range that does not rise from 1 or more to at most 9999, anything else
  // before the "任", "所" or "中", or no "所述" anywhere behind the phrase.
  std::string parentList;
};

// Reads the opening of the claim `text`.
ClaimOpening ReadClaimOpening(std::string_view text);

// The bytes of `text` that `span` covers; "" for a span whose start is kNotFound.
std::string_view SpanText(std::string_view text, TextSpan span);
