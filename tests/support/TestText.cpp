#include "support/TestText.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include "CheckCommand.h"
#include "claims/ClaimRecord.h"
#include "text/GbkText.h"
#include "text/GbkTexts.h"
#include "MessageSink.h"
#include "support/ReportInvariants.h"

namespace {

std::string Convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  char* dst = out.data();
  size_t srcLeft = in.size(), dstLeft = out.size();
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
    ADD_FAILURE() << from << " -> " << to << " stops at byte " << in.size() - srcLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

// The text the last Check showed.
std::string g_shown;

std::string ShownOf(TextSpan span) { return Utf8(std::string_view(g_shown).substr(span.start, span.length)); }

}  // namespace

std::string Gbk(std::string_view utf8) { return Convert(utf8, "GB18030", "UTF-8"); }

std::string Utf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GB18030"); }

std::u16string Utf16(std::string_view utf8) {
  const std::string bytes = Convert(utf8, "UTF-16LE", "UTF-8");
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return units;
}

std::string GbkParagraphs(const std::vector<std::string>& utf8Paragraphs) {
  std::string joined;
  for (const std::string& p : utf8Paragraphs) joined += "\r\n" + p;
  return Gbk(joined.substr(utf8Paragraphs.empty() ? 0 : 2));
}

std::string CleanClaim(int number, std::string_view refs, std::string_view subject) {
  std::string opening = refs.empty() ? "一种" : "根据权利要求" + std::string(refs) + "所述的";
  return std::to_string(number) + "." + opening + std::string(subject) + "，其特征在于，包括A。";
}

EngineRun Check(std::string_view gbk) {
  std::vector<std::string> messages;
  MessageSink previous =
      SetMessageSink([&messages](const std::string& m) { messages.push_back(Utf8(m)); });
  const CheckOutcome outcome = RunCheck(gbk);
  SetMessageSink(previous);
  EXPECT_EQ(FindBrokenRule(gbk, outcome), "");
  g_shown = outcome.shownText;
  return {Utf8(outcome.shownText), messages, outcome.checked, outcome.congratulate};
}

std::string HeadOf(int pos) { return ShownOf(g_claims[pos].head); }

std::string MarksOf(int pos) { return ShownOf(g_claims[pos].marks); }

std::string TextOf(int pos) { return ShownOf(g_claims[pos].bracketedText); }

void ExpectMarks(const std::vector<MarksCase>& cases) {
  for (const MarksCase& c : cases) {
    SCOPED_TRACE(c.claims.back());
    Check(GbkParagraphs(c.claims));
    ASSERT_EQ(g_claims.Count(), static_cast<int>(c.marks.size()));
    for (int i = 0; i < g_claims.Count(); ++i) EXPECT_EQ(MarksOf(i), c.marks[i]) << "record " << i;
  }
}

std::string FurtherMarks(FurtherCheck check, const std::vector<std::string>& claims) {
  Check(GbkParagraphs(claims));
  if (g_claims.Count() == 0) return "no claim";
  const ClaimRecord& record = g_claims[g_claims.Count() - 1];
  const std::string_view text = record.text;
  std::vector<Finding> findings;
  check(record, text, findings);
  std::string marks;
  for (const Finding& f : findings) {
    EXPECT_EQ(text.substr(f.textStart, f.textLength), f.term) << Utf8(MarkOf(f));
    marks += Utf8(MarkOf(f));
  }
  return marks;
}

std::string FurtherMarks(TextCheck check, const std::string& claim) {
  return FurtherMarks([check](const ClaimRecord&, std::string_view text,
                              std::vector<Finding>& findings) { check(text, findings); },
                      {claim});
}

void ExpectFurtherMarks(TextCheck check,
                        const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [claim, marks] : cases) EXPECT_EQ(FurtherMarks(check, claim), marks) << claim;
}

void ExpectFurtherMarks(const FurtherCheck& check,
                        const std::vector<std::pair<std::vector<std::string>, std::string>>& cases) {
  for (const auto& [claims, marks] : cases) {
    EXPECT_EQ(FurtherMarks(check, claims), marks) << claims.back();
  }
}
