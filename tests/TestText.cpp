#include "TestText.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cerrno>
#include <functional>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "MessageSink.h"

namespace {

std::string Convert(std::string_view in, const char* to, const char* from) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    ADD_FAILURE() << "iconv_open " << from << " -> " << to;
    return {};
  }
  std::string out(in.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1)) {
    ADD_FAILURE() << from << " -> " << to << " stops at byte " << (in.size() - srcLeft)
                  << " (errno " << errno << ")";
  }
  iconv_close(cd);
  out.resize(out.size() - dstLeft);
  return out;
}

// Installs a sink that records every message in UTF-8, and restores the previous one.
class RecordingSink {
 public:
  explicit RecordingSink(std::vector<std::string>& messages)
      : previous_(
            SetMessageSink([&messages](const std::string& m) { messages.push_back(Utf8(m)); })) {}
  ~RecordingSink() { SetMessageSink(previous_); }

 private:
  MessageSink previous_;
};

}  // namespace

std::string Gbk(std::string_view utf8) { return Convert(utf8, "GB18030", "UTF-8"); }

std::string Utf8(std::string_view gbk) { return Convert(gbk, "UTF-8", "GB18030"); }

std::string GbkParagraphs(const std::vector<std::string>& utf8Paragraphs) {
  std::string joined;
  for (size_t i = 0; i < utf8Paragraphs.size(); ++i) {
    joined += (i == 0 ? "" : "\r\n") + utf8Paragraphs[i];
  }
  return Gbk(joined);
}

std::string CleanClaim(int number, std::string_view refs, std::string_view subject) {
  std::string opening = refs.empty() ? "一种" : "根据权利要求" + std::string(refs) + "所述的";
  return std::to_string(number) + "." + opening + std::string(subject) + "，其特征在于，包括A。";
}

EngineRun Analyze(std::string_view gbk) {
  g_claims.Empty();
  g_paragraphs.clear();
  g_markSpans.clear();
  EngineRun run;
  RecordingSink sink(run.messages);
  run.text = Utf8(AnalyzeClaims(std::string(gbk)));
  return run;
}

EngineRun Check(std::string_view gbk) {
  EngineRun run;
  RecordingSink sink(run.messages);
  CheckOutcome outcome = RunCheck(gbk);
  run.text = Utf8(outcome.shownText);
  run.checked = outcome.checked;
  run.congratulate = outcome.congratulate;
  return run;
}

std::string MarksOf(int pos) { return Utf8(g_claims[pos].marks); }

std::string TextOf(int pos) { return Utf8(g_claims[pos].text); }
