// The labels of the steps of a method claim ("S1、", "(2)", "步骤三：", "第四步："), read from
// its text.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// How a step's number is written. Steps of one form are numbered as one list.
enum class StepForm : uint8_t {
  kLettered,  // "S1", "S101", "步骤S1"
  kBracketed,  // "(1)", "步骤(1)"
  kDigits,     // "步骤1", and as a list label "1)", "1、", "1."
  kNumeral,    // "步骤一", "步骤十二"
  kOrdinal,    // "第一步", "第二步骤"
};

struct StepLabel {
  StepForm form = StepForm::kLettered;
  // Written after "步骤" ("步骤(2)"): a label in its own right at the opening of a step, else the
  // usual way of referring to a step.
  bool named = false;
  // The label opens the step's own text: it stands at the opening of a clause (the claim's
  // text, or after "：", "；", "。", "，", ";" or a line break; a named label also right after
  // "包括" or "包含", "还包括步骤S11，…") and is followed by its text or a separator, or it stands anywhere before "：" ("还包括步骤S5：…"). A named or ordinal label
  // that opens a clause refers to its step instead when a word that goes on about a step follows
  // it ("，步骤S2中，", "步骤(1)得到的", "步骤三包括": "中", "的", "所", "得", "后", "之", "和",
  // "与", "或", "至", "到", "及", "前", "时", "里", "包", "具", "还", "进", "为", "是", "制"), or
  // anything but a separator ("、", "：", "，", ".", ")") or a Chinese character, and when its
  // step was opened before and no separator follows ("步骤S1在步骤2中执行"). A label that opens
  // no clause ("将S1得到的…", "所述步骤(2)") refers to its step too.
  bool opensStep = false;
  int value = 0;           // the step's number: "S12" 12, "(3)" 3, "十二" 12
  std::string_view number;  // the number as written: "012" of "S012", "十二"; digits or numerals
  int start = 0;            // the label's bytes in the text, "步骤" included
  int length = 0;
  int numberStart = 0;  // where the label proper begins: after "步骤"
};

// Every step label of `text` (GBK, a claim's text as read), in order. A bracketed number that
// opens no clause and is not named is a reference sign ("底座(1)") and no label, and so are
// digits that open no clause ("2)" of "图2)"), and a number that goes on to a second level
// ("步骤4.1", "S2-1"), a sub-step numbered within its step; "第一" that
// "步" does not follow is an ordinal name ("第一连接件") and no label. Numbers above 9999 are not
// read.
std::vector<StepLabel> ReadStepLabels(std::string_view text);
