// Times the analysis alone and the whole check for every family and size of input.
//
// Each run reports the bytes it worked through, the input plus the report, so that the time per
// doubling of work can be read off (bench/doubling_ratios.py does it from the JSON output).

#include <benchmark/benchmark.h>

#include <QString>
#include <cstdio>
#include <iconv.h>
#include <map>
#include <memory>
#include <utility>

#include "AnalyzeClaims.h"
#include "BenchInputs.h"
#include "CheckCommand.h"
#include "claims/ClaimRecord.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "result/Fix.h"
#include "RunBenchmarks.h"
#include "WholeCheck.h"

namespace {

struct Input {
  QString text;             // as the window holds it
  std::string utf8;         // as a file holds it
  std::string engineText;   // the engine's bytes, as the check receives them
  std::string normalized;   // normalised, as the analysis receives them
  std::string report;       // the analysis' report
};

// Inputs are made once per family and size and kept, since a benchmark runs many times.
const Input& InputFor(Family family, size_t bytes) {
  static std::map<std::pair<Family, size_t>, std::unique_ptr<Input>> inputs;
  auto& slot = inputs[{family, bytes}];
  if (!slot) {
    const std::string utf8 = GenerateClaims(family, bytes, BenchCorpus());
    slot = std::make_unique<Input>();
    slot->text = QString::fromUtf8(utf8);
    slot->utf8 = utf8;
    slot->engineText = ToEngineText(slot->text);
    slot->normalized = NormalizeClaimsText(slot->engineText);
    slot->report = RunCheck(slot->engineText).shownText;
  }
  return *slot;
}

void ReportWork(benchmark::State& state, double inputBytes, double reportBytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (inputBytes + reportBytes)));
  state.counters["input_bytes"] = inputBytes;
  state.counters["report_bytes"] = reportBytes;
  state.counters["work_bytes"] = inputBytes + reportBytes;
}

bool HasInput(benchmark::State& state, const Input& input) {
  if (!input.text.isEmpty()) return true;
  state.SkipWithError("no input: the corpus could not be read (set QUILLEX_CORPUS)");
  return false;
}

void AnalyzeOnly(benchmark::State& state, Family family, size_t bytes) {
  const Input& input = InputFor(family, bytes);
  if (!HasInput(state, input)) return;
  std::string report;
  for (auto _ : state) {
    ResetAnalysis();
    report = AnalyzeClaims(input.normalized);
    benchmark::DoNotOptimize(report.data());
  }
  ReportWork(state, static_cast<double>(input.normalized.size()),
             static_cast<double>(report.size()));
}

void WholeCheckOf(benchmark::State& state, Family family, size_t bytes, bool review) {
  const Input& input = InputFor(family, bytes);
  if (!HasInput(state, input)) return;
  QString shown;
  for (auto _ : state) {
    shown = WholeCheck(input.text, {.review = review});
    benchmark::DoNotOptimize(shown.data());
  }
  ReportWork(state, static_cast<double>(input.utf8.size()),
             static_cast<double>(shown.toUtf8().size()));
}

// `from` converted to `toCode` by iconv(3), into `to` (kept between runs, so that only the
// conversion is timed). Every text of the benchmarks converts; one that does not is an error.
bool Iconv(const char* toCode, const char* fromCode, const std::string& from, std::string& to) {
  iconv_t cd = iconv_open(toCode, fromCode);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  // No character grows by more than twice its bytes between UTF-8 and GB18030.
  to.resize(2 * from.size() + 16);
  char* in = const_cast<char*>(from.data());
  size_t inLeft = from.size();
  char* out = to.data();
  size_t outLeft = to.size();
  const bool done = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<size_t>(-1);
  to.resize(to.size() - outLeft);
  iconv_close(cd);
  return done && inLeft == 0;
}

// The iconv(3) round trip of the same text, UTF-8 → GB18030 → UTF-8, one direction after the
// other on one core: what merely converting the text costs, against which the whole check is
// measured.
void IconvRoundTrip(benchmark::State& state, Family family, size_t bytes) {
  const Input& input = InputFor(family, bytes);
  if (!HasInput(state, input)) return;
  std::string gb18030;
  std::string back;
  for (auto _ : state) {
    if (!Iconv("GB18030", "UTF-8", input.utf8, gb18030) ||
        !Iconv("UTF-8", "GB18030", gb18030, back)) {
      state.SkipWithError("iconv could not convert the text");
      return;
    }
    benchmark::DoNotOptimize(back.data());
  }
  if (back != input.utf8) state.SkipWithError("the round trip changed the text");
  ReportWork(state, static_cast<double>(input.utf8.size()), static_cast<double>(back.size()));
}

// One stage of the whole check on its own, to show where the time of the check goes.
template <typename Stage>
void StageOf(benchmark::State& state, Family family, size_t bytes, Stage stage) {
  const Input& input = InputFor(family, bytes);
  if (!HasInput(state, input)) return;
  for (auto _ : state) benchmark::DoNotOptimize(stage(input));
  state.counters["input_bytes"] = static_cast<double>(input.utf8.size());
}

void RegisterStages(Family family, size_t bytes) {
  std::string suffix = "/";
  suffix.append(FamilyName(family)).append("/").append(SizeName(bytes));
  auto add = [&](const char* name, auto stage) {
    benchmark::RegisterBenchmark(
        (std::string("Stage-") + name + suffix).c_str(),
        [=](benchmark::State& state) { StageOf(state, family, bytes, stage); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  };
  add("FromUtf8", [](const Input& in) { return QString::fromUtf8(in.text.toUtf8()).size(); });
  add("ToEngineText", [](const Input& in) { return ToEngineText(in.text).size(); });
  add("Normalize", [](const Input& in) { return NormalizeClaimsText(in.engineText).size(); });
  add("FromEngineText", [](const Input& in) { return FromEngineText(in.report).size(); });
}

// Renumbering after a deletion: `claims` claims numbered 1, 2, 4, 5, …, each after the first
// citing the first and the one before it, so that every claim and every reference is rewritten.
// Its time per claim stays flat as the claims double.
void Renumber(benchmark::State& state) {
  const auto claims = static_cast<int>(state.range(0));
  QString text = QStringLiteral("1.一种装置，其特征在于，包括A。\n");
  const auto numberAt = [](int pos) { return pos < 2 ? pos + 1 : pos + 2; };
  for (int pos = 1; pos < claims; ++pos) {
    text += QStringLiteral("%1.根据权利要求1或%2所述的装置，其特征在于，包括B%1。\n")
                .arg(numberAt(pos))
                .arg(numberAt(pos - 1));
  }
  const std::string engineText = ToEngineText(text);
  size_t edits = 0;
  for (auto _ : state) {
    const CheckOutcome outcome = RunCheck(engineText, {.review = true}, kPlacesInUserText);
    const Fix* fix = outcome.result.claims[2].findings.front().fix.get();
    edits = fix ? fix->edits.size() : 0;
    benchmark::DoNotOptimize(edits);
  }
  if (edits == 0) state.SkipWithError("no renumbering");
  state.SetComplexityN(claims);
  state.counters["claims"] = claims;
  state.counters["edits"] = static_cast<double>(edits);
}

void RegisterAll() {
  benchmark::RegisterBenchmark("Renumber", Renumber)
      ->Arg(100)
      ->Arg(200)
      ->Arg(400)
      ->Arg(800)
      ->Complexity(benchmark::oN)
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime();
  for (Family family : kFamilies) {
    for (size_t bytes : kInputSizes) {
      const std::string suffix = std::string(FamilyName(family)) + "/" + SizeName(bytes);
      benchmark::RegisterBenchmark(("Analyze/" + suffix).c_str(), AnalyzeOnly, family, bytes)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
      benchmark::RegisterBenchmark(("WholeCheck/" + suffix).c_str(), WholeCheckOf, family, bytes,
                                   false)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
      benchmark::RegisterBenchmark(("WholeReview/" + suffix).c_str(), WholeCheckOf, family, bytes,
                                   true)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
      benchmark::RegisterBenchmark(("IconvRoundTrip/" + suffix).c_str(), IconvRoundTrip, family,
                                   bytes)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
  RegisterStages(Family::kRealistic, kInputSizes[std::size(kInputSizes) - 1]);
}

}  // namespace

int main(int argc, char** argv) { return RunBenchmarks(argc, argv, RegisterAll); }
