// Antecedent basis as a practitioner checks it: a feature referred back to ("所述底座", "所述的底座",
// "该底座") must have been introduced before, in the claim itself or in the claims it rests on,
// whichever of its alternative parents the claim is read with.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "result/Finding.h"

// The term referred back to at `pos` (right behind "所述", "所述的" or "该"), as a byte span
// of `text`: a name of at least two characters (Chinese characters, ASCII letters and digits),
// with its reference sign when one follows it ("弹簧(3)"). The name ends
// - at punctuation or any other character that cannot be part of a name;
// - at a reference sign, which ends the term with it;
// - at a function word ("的", "是", "为", "与", "和", "在", "于", …), at a verb of what the
//   feature does or how it is placed ("通过", "设置", "连接", "包括", …) unless the verb and one
//   character after it make a part's name ("连接件"), and at a word of place ("上", "内", "中",
//   …), each only after two characters, so that a name may open with one of them; at a coverb
//   or adverb ("沿", "朝", "适", "含", "先", "相", "彼", "受") or a count before a word of place,
//   a measure or a part ("基座一侧") behind its first character ("应" ends no "反应", "响应", …);
// - at a verb of what the feature does ("测量", "检测", "发送", …) right before "的", which
//   closes a clause that qualifies the noun after it ("所述MAF传感器测量的流量" refers to
//   "MAF传感器"), behind its first character; elsewhere such a verb may be part of a name
//   ("测量请求", "检测模块");
// and never after a fixed number of characters. A participle, "经" and what was done up to
// "的" ("该经预处理的纺织品材料"), is no name: it qualifies the one after it, and no term is read;
// a name ending in a part's word stays one ("所述经编机的"). A name that is only an ordinal or a count
// ("第一", "两个") goes on to the next end. `length` is 0 when no term is read.
//
// With `joinSecond`, a function word other than "的" right behind the first character is read as
// part of the name, as in the many names whose second character is one ("导向部", "功能模块",
// "实时数据", "自由端"); the review reads a name so only where its basis then stands whole.
struct TermSpan {
  int32_t start = 0;
  int32_t nameLength = 0;  // the name, without the reference sign
  int32_t length = 0;      // the whole term
};
TermSpan ReadReferredTerm(std::string_view text, int pos, bool joinSecond = false);

// The review's antecedent basis over every claim of g_claims. A term referred back to has its
// basis when its name stands, whole, earlier in the claim's own text, or in the claims a
// reference inside its text names, or on every branch of its dependency: in each claim it
// depends on, or in a claim that one depends on, to any depth. Whole means not as the tail of
// another word: a two-character name must not follow a character that binds to it ("骤一" is
// no basis for "所述骤一"). Where the term itself is not found, a shorter name from its start
// still gives the basis when what follows it is not the end of one part's name ("所述电机转动"
// rests on "电机"; "所述梯带绳连接件" does not rest on "梯带绳"); one character left over counts
// only where a word follows the term and no branch holds the term whole ("所述指令促使" rests on
// "指令"; "所述清洗罐，" never on "清洗"). A rest ending in the same part's word as the shorter
// name names that part again, not a part of its own ("所述投衣口开口" rests on "投衣口"). An
// abbreviation in Latin letters that opens the term is a name of its own, standing whole (not
// inside longer letters), before two Chinese characters or more ("所述CDR揭示" rests on "CDR"),
// unless where the term rests on the abbreviation is introduced with the first of them after it,
// right, behind its bracket or behind "的" ("精细时间测量(FTM)请求": "所述FTM请求" is judged whole;
// "所述CDR揭示" in another claim refers to the abbreviation again and introduces nothing).
// A term none of whose shorter names has a basis is still introduced in other words where its
// start and its rest stand in one phrase with a qualifier between them, two to six characters
// with no count, verb or joining word ("第二用户终端" for "所述第二终端", "精细时间测量(FTM)请求"
// for "所述FTM请求"): a practitioner reads the same thing, and the review does not object. One
// character between makes another thing ("掺杂金属盐溶液" is no basis for "所述掺杂金属溶液").
//
// A claim none of whose parents stands in the text is not judged: the missing parent is its
// finding, and the basis may lie in that claim.
//
// A claim depends on the claims its opening refers to as the report reads them or, where the
// report read none, on the claims its opening's references name ("按照权利要求1所述的方法",
// "权利要求2的装置"). A claim referring to itself is not its own basis.
//
// What a claim rests on is not known where its reference is mistyped or names no number
// ("根据权利权利1", "根据前述权利要求"): its terms are not judged (the reference is its one
// finding), and a term of a claim resting on it has its basis. A step named by its label
// ("所述步骤(2)", "所述S5步骤") is left to the step numbering; the report's own mark on it is
// settled as a note. A name asked again in a claim rests on its first referral, unless it bears
// a reference sign that another name bore before ("水球(17)", then "所述触发管(17)").
//
// Findings, each an antecedent-basis finding unless the report's own antecedent mark already
// marks the same "所述":
// - a term without basis, "【缺乏引用基础：故障编号】", severity review; where only some
//   branches lack it, those branches are named, "【缺乏引用基础：故障编号（权利要求1、3）】";
// - a term whose reference sign another name bears on every branch where its name lacks basis,
//   "【附图标记已另有名称：进料口(12)】", severity fix;
// - a name introduced with a drawing's reference sign that another name bore before it anywhere
//   in the claims, neither name the start or the end of the other ("贴标传动丝杆(21)" in one
//   claim, "送标传动丝杆(21)" in another; not "履带(15)" and "三角形履带(15)", not a count before
//   the name, "两个支腿(162)", nor a name behind "或" or "和", "加热或辐照装置(9)"),
//   "【附图标记已另有名称：送标传动丝杆(21)】", severity review: where nothing like "所述" opens
//   the name, where it starts is less sure. Each name once for its sign; a name referred back to
//   with the sign names the sign's part from then on.
// Every finding names the term's bytes. The report's own antecedent marks take the review's
// verdict on their "所述" as their severity: note where the review finds the basis, else as
// above.
//
// A web of references so dense that following it would cost more than a few walks over the
// whole text is not followed: a term then has its basis when any claim holds its first two
// characters, so that the review stays linear and errs towards silence.
class AntecedentReview {
 public:
  // Reads what every claim of g_claims rests on; the records must be complete.
  AntecedentReview();

  // Reads the terms of the claims from `from` to `to` (exclusive), whose texts must not yet hold
  // antecedent brackets. The claims are read in parts, each claim once; parts may be read side
  // by side. Each part has a search of its own, and its own budget of a few walks over the whole
  // text.
  void Read(int from, int to);
  ~AntecedentReview();
  AntecedentReview(const AntecedentReview&) = delete;
  AntecedentReview& operator=(const AntecedentReview&) = delete;

  // Settles the report's own antecedent findings among `own` (findings of the claim at `pos`,
  // spans in its text as read) and appends the review's other findings to `further`. The
  // claim's text may by then hold its brackets.
  void Check(int pos, std::vector<Finding>& own, std::vector<Finding>& further) const;

 private:
  struct Reading;
  struct Verdict;
  std::unique_ptr<const Reading> reading_;      // what each claim rests on
  std::vector<std::vector<Verdict>> verdicts_;  // per claim, in the order of their "所述"
};
