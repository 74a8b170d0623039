// Arbitrary bytes as the box's text, through normalisation and analysis: no crash, no undefined
// behaviour, and the report always agrees with the claims it was written from. Inputs are also
// written with other spaces, full-width digits and other line breaks, as drafters paste them, and
// such an input must get the report of the same text written plainly.

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"
#include "report/BoxRanges.h"
#include "report/SavedReport.h"
#include "support/ReportInvariants.h"
#include "text/GbkText.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// A character in another form than the one a drafter types on an ASCII keyboard.
struct Form {
  std::string other;  // GB18030
  std::string plain;
};

std::string ToGb18030(const std::string& utf8) {
  iconv_t cd = iconv_open("GB18030", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) std::abort();
  std::string out(4 * utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  char* to = out.data();
  size_t inLeft = utf8.size(), outLeft = out.size();
  if (iconv(cd, &in, &inLeft, &to, &outLeft) == static_cast<size_t>(-1)) std::abort();
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

// Every other form the check reads as its plain one, converted by iconv rather than spelled in
// bytes, so that the fuzzer cannot share a mistake with the engine's own table.
const std::vector<Form>& Forms() {
  static const std::vector<Form> forms = [] {
    std::vector<Form> all;
    for (const char* space : {"\u3000", "\u00a0", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004",
                              "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200a", "\u202f",
                              "\u205f", "\ufeff"}) {
      all.push_back({ToGb18030(space), " "});
    }
    for (const char* lineBreak : {"\v", "\f", "\u0085", "\u2028", "\u2029"}) {
      all.push_back({ToGb18030(lineBreak), "\r\n"});
    }
    const std::string digits = "０１２３４５６７８９";
    for (int digit = 0; digit < 10; ++digit) {
      all.push_back({ToGb18030(digits.substr(3 * digit, 3)), std::string(1, '0' + digit)});
    }
    return all;
  }();
  return forms;
}

// The form whose other spelling begins at `pos`, or null.
const Form* OtherFormAt(std::string_view text, size_t pos) {
  for (const Form& form : Forms()) {
    if (text.substr(pos, form.other.size()) == form.other) return &form;
  }
  return nullptr;
}

// `text` with every character in another form (at a character boundary, as the check walks it)
// written plainly; empty when it holds none.
std::string Plain(std::string_view text) {
  std::string plain;
  bool changed = false;
  for (size_t pos = 0; pos < text.size();) {
    if (const Form* form = OtherFormAt(text, pos)) {
      plain += form->plain;
      pos += form->other.size();
      changed = true;
      continue;
    }
    const size_t length = std::min<size_t>(CharLength(text[pos]), text.size() - pos);
    plain += text.substr(pos, length);
    pos += length;
  }
  return changed ? plain : std::string();
}

void Fail(std::string_view broken) {
  std::fprintf(stderr, "broken rule: %.*s\n", static_cast<int>(broken.size()), broken.data());
  std::abort();
}

}  // namespace

// Half the mutations are libFuzzer's own. The others pick a character boundary: a blank, digit
// or "\r\n" there is written in one of its other forms; elsewhere another form is put in.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  std::minstd_rand random(seed);
  if (size == 0 || random() % 2 == 0) return LLVMFuzzerMutate(data, size, maxSize);
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<size_t> boundaries;
  for (size_t pos = 0; pos < size; pos += CharLength(text[pos])) boundaries.push_back(pos);
  const size_t at = boundaries[random() % boundaries.size()];
  std::vector<const Form*> matching;
  for (const Form& form : Forms()) {
    if (text.compare(at, form.plain.size(), form.plain) == 0) matching.push_back(&form);
  }
  if (matching.empty()) {
    const Form& form = Forms()[random() % Forms().size()];
    text.insert(at, form.other);
  } else {
    const Form& form = *matching[random() % matching.size()];
    text.replace(at, form.plain.size(), form.other);
  }
  if (text.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data, text.data(), text.size());
  return text.size();
}

namespace {

// The findings' ranges in the box, in the report's order, each at least as long in UTF-16 units
// as its bracket is in code points (nothing in a bracket breaks a line) and at most twice.
const char* BrokenBoxRange(const CheckOutcome& places, const CheckOutcome& bytes) {
  const std::vector<BoxRange> ranges = FindingRangesInBox(bytes.result, bytes.shownText);
  size_t index = 0;
  int32_t previous = 0;
  for (const ClaimResult& claim : places.result.claims) {
    for (const Finding& finding : claim.findings) {
      if (index == ranges.size()) return "fewer box ranges than findings";
      const BoxRange range = ranges[index++];
      const int32_t units = range.end - range.start;
      if (range.start < previous) return "box ranges out of order";
      if (units < finding.reportLength || units > 2 * finding.reportLength) {
        return "box range does not fit its bracket";
      }
      previous = range.start;
    }
  }
  return index == ranges.size() ? nullptr : "more box ranges than findings";
}

// The saved page shows `text` whole in its report element, with "\n" line breaks: once the page's
// own anchors and red elements are taken out, no "<" or ">" is left there, and the entities read
// back give the text.
const char* BrokenSavedPage(const std::string& html, std::string_view text) {
  constexpr std::string_view kOpen = "<pre class=\"report\">";
  constexpr std::string_view kClose = "</pre>\n</body>\n</html>\n";
  const size_t open = html.find(kOpen);
  if (open == std::string::npos || !html.ends_with(kClose)) return "saved page without its report";
  std::string_view body(html);
  body = body.substr(open + kOpen.size(), body.size() - open - kOpen.size() - kClose.size());
  std::string shown;
  while (!body.empty()) {
    if (body[0] == '<') {
      const size_t end = body.find('>');
      const std::string_view tag = body.substr(0, end + 1);
      if (end == std::string_view::npos ||
          !(tag.starts_with("<a id=\"claim-") || tag.starts_with("<span class=\"mark\"") ||
            tag == "</a>" || tag == "</span>")) {
        return "saved page with an element or a \"<\" of the text in its report";
      }
      body.remove_prefix(end + 1);
      continue;
    }
    if (body[0] == '>') return "saved page with a \">\" of the text unescaped";
    bool entity = false;
    for (const auto& [escaped, plain] : {std::pair{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'},
                                         {"&quot;", '"'}}) {
      if (body.starts_with(escaped)) {
        shown += plain;
        body.remove_prefix(std::string_view(escaped).size());
        entity = true;
        break;
      }
    }
    if (entity) continue;
    if (body[0] == '&') return "saved page with a \"&\" of the text unescaped";
    shown += body[0];
    body.remove_prefix(1);
  }
  std::string expected;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') expected += text[i];
    else if (i + 1 == text.size() || text[i + 1] != '\n') expected += '\n';
  }
  return shown == expected ? nullptr : "saved page that does not show its text";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view boxText(reinterpret_cast<const char*>(data), size);
  // Half the inputs with the further checks, whose marks the report then shows and counts.
  const AnalysisOptions options{.review = size % 2 == 1};
  const CheckOutcome outcome = RunCheck(boxText, options);
  if (std::string broken = FindBrokenRule(boxText, outcome); !broken.empty()) Fail(broken);
  if (const std::string plain = Plain(boxText); !plain.empty()) {
    if (RunCheck(plain, options).shownText != outcome.shownText) {
      Fail("the report differs from that of the text written plainly");
    }
  }
  // A quarter of the inputs again with the report's places in bytes, as the window and the page
  // take them, for the findings' ranges in the box.
  if (size % 4 < 2 && outcome.checked) {
    const CheckOutcome bytes = RunCheck(boxText, {.review = size % 2 == 1}, kPlacesNone);
    // The saved page of the report, and of the box's text as the user left it.
    const char* broken = BrokenBoxRange(outcome, bytes);
    if (!broken) {
      broken = BrokenSavedPage(SavedReportHtml({.text = bytes.shownText, .result = &bytes.result,
                                                .fileName = boxText.substr(0, 16), .savedAt = 0,
                                                .version = "1"}),
                               bytes.shownText);
    }
    if (!broken) {
      broken = BrokenSavedPage(SavedReportHtml({.text = boxText, .result = nullptr,
                                                .fileName = {}, .savedAt = 0, .version = "1"}),
                               boxText);
    }
    if (broken) Fail(broken);
  }
  // Released here, the claims of one input do not look like a leak to the fuzzer's leak check,
  // which would otherwise run after every input.
  ResetAnalysis();
  return 0;
}
