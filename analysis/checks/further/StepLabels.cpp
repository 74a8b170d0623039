#include "checks/further/StepLabels.h"

#include <optional>
#include <unordered_set>

#include "checks/further/WordFinding.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"

namespace {

constexpr int kMaxDigits = 4;
constexpr int kKeysPerForm = 10000;  // above any number of four digits

// The number written in numerals at `pos` ("三", "十二", "二十一") and where it ends, or 0 and
// `pos`. Numerals are read up to ninety-nine, which no claim's steps reach.
int NumeralValue(std::string_view text, int pos, int& end) {
  static const CharSet kDigitNumerals(gbk::kNumerals);
  const auto digit = [&](int at) {
    if (!kDigitNumerals.HasAt(text, at)) return 0;
    return static_cast<int>(gbk::kNumerals.find(text.substr(at, 2)) / 2) + 1;
  };
  end = pos;
  int value = digit(end);
  if (value > 0) end += 2;
  if (WordAt(text, end, gbk::kNumeralTen)) {
    value = (value == 0 ? 1 : value) * 10;
    end += Size(gbk::kNumeralTen);
    if (const int units = digit(end)) {
      value += units;
      end += 2;
    }
  }
  return value;
}

// The digits at `pos`, read when there are one to four of them; `end` is where they end (`pos`
// when none were read).
int DigitsValue(std::string_view text, int pos, int& end) {
  end = DigitRunEnd(text, pos);
  if (end - pos > kMaxDigits) end = pos;
  int value = 0;
  for (int at = pos; at < end; ++at) value = value * 10 + (text[at] - '0');
  return value;
}

// True when the number that ends at `end` goes on to a second level ("4.1", "S2-1"): a sub-step,
// numbered within its own step.
bool GoesOnToSubNumber(std::string_view text, int end) {
  return end + 1 < Size(text) && (text[end] == '.' || text[end] == '-' || text[end] == '_') &&
         IsAsciiDigit(text[end + 1]);
}

// The label proper at `pos` ("S1", "(1)", "1" and "一" only after "步骤"), or nothing. `end` is
// where it ends.
std::optional<StepLabel> NumberAt(std::string_view text, int pos, bool named, int& end) {
  StepLabel label;
  label.named = named;
  label.numberStart = pos;
  int numberStart = pos;
  if (pos < Size(text) && text[pos] == 'S') {
    label.form = StepForm::kLettered;
    numberStart = pos + 1;
    label.value = DigitsValue(text, numberStart, end);
  } else if (pos < Size(text) && text[pos] == '(') {
    label.form = StepForm::kBracketed;
    numberStart = pos + 1;
    label.value = DigitsValue(text, numberStart, end);
    if (end == numberStart || end >= Size(text) || text[end] != ')') return std::nullopt;
    label.number = text.substr(numberStart, end - numberStart);
    ++end;
  } else if (pos < Size(text) && IsAsciiDigit(text[pos])) {
    label.form = StepForm::kDigits;
    label.value = DigitsValue(text, numberStart, end);
    // Unnamed, only a list label: "1)", "1、", "1." before anything but a digit ("0.5mm").
    const bool listLabel = end < Size(text) && (text[end] == ')' || text[end] == '.' ||
                                                WordAt(text, end, gbk::kEnumComma));
    if (!named && !listLabel) return std::nullopt;
  } else if (named) {
    label.form = StepForm::kNumeral;
    label.value = NumeralValue(text, numberStart, end);
  } else {
    return std::nullopt;
  }
  if (end == numberStart || GoesOnToSubNumber(text, end)) return std::nullopt;
  if (label.number.empty()) label.number = text.substr(numberStart, end - numberStart);
  return label;
}

// "第" and numerals and "步" (or "步骤") at `pos`, or nothing.
std::optional<StepLabel> OrdinalAt(std::string_view text, int pos, int& end) {
  if (!WordAt(text, pos, gbk::kOrdinalHead)) return std::nullopt;
  StepLabel label;
  label.form = StepForm::kOrdinal;
  label.numberStart = pos;
  const int numberStart = pos + Size(gbk::kOrdinalHead);
  label.value = NumeralValue(text, numberStart, end);
  if (label.value == 0 || !WordAt(text, end, gbk::kStepHead)) return std::nullopt;
  label.number = text.substr(numberStart, end - numberStart);
  end += Size(gbk::kStepHead);
  if (WordAt(text, end, gbk::kStepTail)) end += Size(gbk::kStepTail);
  return label;
}

bool SeparatorAt(std::string_view text, int pos) {
  static const CharSet kSeparators(gbk::kLabelSeparators);
  if (pos >= Size(text)) return false;
  const char c = text[pos];
  return c == '.' || c == ')' || c == ':' || kSeparators.HasAt(text, pos);
}

// Whether the label that starts a clause or not (`opensClause`) and ends at `end` opens its step;
// `opened` says whether a step of its form and number was opened before.
bool OpensStep(std::string_view text, const StepLabel& label, bool opensClause, bool opened,
               int end) {
  if (WordAt(text, end, gbk::kColon)) return true;
  if (!opensClause) return false;
  if (label.named || label.form == StepForm::kOrdinal) {
    // "步骤(1)确定…" opens its step; "步骤(1)中…", "步骤(1)得到的…" go on about it.
    static const CharSet kReferenceGoesOn(gbk::kStepReferenceGoesOn);
    return SeparatorAt(text, end) ||
           (!opened && IsHanziAt(text, end) && !kReferenceGoesOn.HasAt(text, end));
  }
  // "S1" runs into a word that names something else ("S1段"); "(1)" opens a step whatever follows.
  return label.form == StepForm::kBracketed || SeparatorAt(text, end) || IsHanziAt(text, end);
}

// True when a clause opens right after the character at `previous` (-1: the text's start).
bool ClauseEndsAt(std::string_view text, int previous) {
  static const CharSet kClauseEnds(gbk::kClauseEnds);
  if (previous < 0) return true;
  const char c = text[previous];
  return c == ';' || c == '\n' || c == '\r' || kClauseEnds.HasAt(text, previous);
}

// The first character of the claim's text after its number ("12."), where the first clause opens.
int BodyStart(std::string_view text) {
  const int digits = DigitRunEnd(text, 0);
  return digits > 0 && digits < Size(text) && text[digits] == '.' ? digits + 1 : 0;
}

// True when the two-byte character at `pos` (not the last byte) is "步" or "第", the only two
// that open a label.
bool OpensWideLabel(std::string_view text, int pos) {
  const char lead = text[pos];
  const char trail = text[pos + 1];
  return (lead == gbk::kStep[0] && trail == gbk::kStep[1]) ||
         (lead == gbk::kOrdinalHead[0] && trail == gbk::kOrdinalHead[1]);
}

// True when a label may open at `pos`, after the character at `previous`: most characters are
// passed over with a byte test or two.
bool MayOpenLabel(std::string_view text, int pos, int previous) {
  const char c = text[pos];
  // A letter right behind another letter or a digit is part of a word ("ABS1", "2S1").
  if (c == 'S') {
    return previous < 0 || CharLength(text[previous]) == 2 ||
           !(IsAsciiLetter(text[previous]) || IsAsciiDigit(text[previous]));
  }
  // Unnamed, a bracketed number inside a clause is a reference sign, and digits a quantity.
  if (c == '(' || IsAsciiDigit(c)) return ClauseEndsAt(text, previous);
  return pos + 1 < Size(text) && OpensWideLabel(text, pos);
}

// The label at `pos`, which may open one, or nothing; `end` is where it ends.
std::optional<StepLabel> LabelAt(std::string_view text, int pos, int& end) {
  const bool named = WordAt(text, pos, gbk::kStep);
  const int at = named ? pos + Size(gbk::kStep) : pos;
  std::optional<StepLabel> label = OrdinalAt(text, at, end);
  if (!label) label = NumberAt(text, at, named, end);
  if (label) {
    label->start = pos;
    label->length = end - pos;
  }
  return label;
}

}  // namespace

std::vector<StepLabel> ReadStepLabels(std::string_view text) {
  std::vector<StepLabel> labels;
  std::unordered_set<int> opened;  // form and number of the steps opened so far
  int previous = -1;  // the character before `pos`
  const int size = Size(text);
  for (int pos = BodyStart(text); pos < size;) {
    int end = pos;
    std::optional<StepLabel> label;
    if (MayOpenLabel(text, pos, previous)) label = LabelAt(text, pos, end);
    if (!label) {
      previous = pos;
      pos += CharLength(text[pos]);
      // Two-byte characters open a label only with "步" or "第": the others are passed over
      // at once.
      const int passedFrom = pos;
      while (pos + 1 < size && CharLength(text[pos]) == 2 && !OpensWideLabel(text, pos)) pos += 2;
      if (pos > passedFrom) previous = pos - 2;
      continue;
    }
    const int key = static_cast<int>(label->form) * kKeysPerForm + label->value;
    // "包括步骤1、…", "还包括步骤S11，…" introduce a step as a clause's opening does.
    const bool opensClause = ClauseEndsAt(text, previous) ||
                             (label->named && previous >= 2 &&
                              (WordAt(text, previous - 2, gbk::kInclude) ||
                               WordAt(text, previous - 2, gbk::kContain)));
    label->opensStep = OpensStep(text, *label, opensClause, opened.count(key) > 0, end);
    if (label->opensStep) opened.insert(key);
    labels.push_back(*label);
    // Labels end in a digit, ")" or a two-byte character whose second byte is 0x80 or more.
    previous = static_cast<unsigned char>(text[end - 1]) < 0x80 ? end - 1 : end - 2;
    pos = end;
  }
  return labels;
}

