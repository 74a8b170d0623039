// Times the analysis alone and the whole check for every family and size of input.
//
// Each run reports the bytes it worked through, the input plus the report, so that the time per
// doubling of work can be read off (bench/doubling_ratios.py does it from the JSON output).

#include <benchmark/benchmark.h>

#include <QString>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>

#include "AnalyzeClaims.h"
#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimRecord.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "WholeCheck.h"

namespace {

struct Input {
  QString text;             // as the window holds it
  qsizetype utf8Bytes = 0;  // as a file holds it
  std::string normalized;   // the engine's bytes, normalised, as the analysis receives them
};

// Inputs are made once per family and size and kept, since a benchmark runs many times.
const Input& InputFor(Family family, size_t bytes) {
  static std::map<std::pair<Family, size_t>, std::unique_ptr<Input>> inputs;
  auto& slot = inputs[{family, bytes}];
  if (!slot) {
    const std::string utf8 = GenerateClaims(family, bytes, BenchCorpus());
    slot = std::make_unique<Input>();
    slot->text = QString::fromUtf8(utf8);
    slot->utf8Bytes = static_cast<qsizetype>(utf8.size());
    slot->normalized = NormalizeClaimsText(ToEngineText(slot->text));
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
    g_claims.Empty();
    g_paragraphs = {};
    g_markSpans = {};
    report = AnalyzeClaims(input.normalized);
    benchmark::DoNotOptimize(report.data());
  }
  ReportWork(state, static_cast<double>(input.normalized.size()),
             static_cast<double>(report.size()));
}

void WholeCheckOf(benchmark::State& state, Family family, size_t bytes) {
  const Input& input = InputFor(family, bytes);
  if (!HasInput(state, input)) return;
  QString shown;
  for (auto _ : state) {
    shown = WholeCheck(input.text);
    benchmark::DoNotOptimize(shown.data());
  }
  ReportWork(state, static_cast<double>(input.utf8Bytes),
             static_cast<double>(shown.toUtf8().size()));
}

void RegisterAll() {
  for (Family family : kFamilies) {
    for (size_t bytes : kInputSizes) {
      const std::string suffix = std::string(FamilyName(family)) + "/" + SizeName(bytes);
      benchmark::RegisterBenchmark(("Analyze/" + suffix).c_str(), AnalyzeOnly, family, bytes)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
      benchmark::RegisterBenchmark(("WholeCheck/" + suffix).c_str(), WholeCheckOf, family, bytes)
          ->Unit(benchmark::kMillisecond)
          ->UseRealTime();
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
