// The engine as the page calls it. Check(bytes, review) takes the box's text as GB18030 bytes (line
// breaks "\r\n"), and whether the further checks run too ("更多检查"), and returns
//   {shownText, messages, congratulation, outcome, sets, claims, problemClaims, problems,
//    findings: [{claim, code, severity, mark, term, reportStart, reportLength}],
//    markInsides: [start, length, start, length, …]}
// with the text to show, the texts the check sent to the message sink, in order, the
// congratulation to show once the text is on screen (null when none is due), the outcome's name
// and the summary's counts, every finding in report order, and the inside of every bracket the
// report writes, which is what the page shows in red (the summary's "【 】" too). Every text of the engine is GB18030
// bytes in a Uint8Array of its own, which the page decodes; codes, severities and the outcome are
// ASCII names. Report places are code points of shownText, where "\r\n" counts two.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "CheckCommand.h"
#include "text/GbkTexts.h"
#include "MessageSink.h"

namespace {

using emscripten::val;

// A copy of `bytes`, which stays valid after the engine's next call.
val Bytes(std::string_view bytes) {
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

val Name(std::string_view name) { return val(std::string(name)); }

val Findings(const AnalysisResult& result) {
  val findings = val::array();
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      val entry = val::object();
      entry.set("claim", claim.number);
      entry.set("code", Name(FindingCodeName(finding.code)));
      entry.set("severity", Name(SeverityName(finding.severity)));
      entry.set("mark", Bytes(MarkOf(finding)));
      entry.set("term", Bytes(finding.term));
      entry.set("reportStart", finding.reportStart);
      entry.set("reportLength", finding.reportLength);
      findings.call<void>("push", entry);
    }
  }
  return findings;
}

val Check(const std::string& text, bool review) {
  val messages = val::array();
  CheckOutcome outcome;
  {
    const ScopedMessageSink sink(
        [&messages](const std::string& message) { messages.call<void>("push", Bytes(message)); });
    outcome = RunCheck(text, {.review = review}, kPlacesInReport);
  }
  const AnalysisResult& result = outcome.result;
  val checked = val::object();
  checked.set("shownText", Bytes(outcome.shownText));
  checked.set("messages", messages);
  checked.set("congratulation",
              outcome.congratulate ? Bytes(gbk::kMessageCongratulation) : val::null());
  checked.set("outcome", Name(OutcomeName(result.outcome)));
  checked.set("sets", result.sets);
  checked.set("claims", static_cast<int>(result.claims.size()));
  checked.set("problemClaims", result.problemClaims);
  checked.set("problems", result.problems);
  checked.set("findings", Findings(result));
  val insides = val::array();
  for (const TextSpan& inside : result.markInsides) {
    insides.call<void>("push", inside.start);
    insides.call<void>("push", inside.length);
  }
  checked.set("markInsides", insides);
  return checked;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quillex) { emscripten::function("Check", &Check); }
