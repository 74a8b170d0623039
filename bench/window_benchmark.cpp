// Times the window on a pasted claims text: the whole of "开始检查" (check, report put into the
// box, marks coloured, box shown) against only putting the same report text into the box and
// showing it. Runs on any Qt platform; offscreen by default.
//
//   quillex-window-bench [--benchmark_repetitions=5 ...]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cstdlib>

#include "BenchInputs.h"
#include "ClaimCheckDlg.h"
#include "ClaimsGenerator.h"
#include "WholeCheck.h"

namespace {

constexpr size_t kPasteBytes = size_t{1} << 20;

// The window with the pasted text in its box, ready for the next run.
struct Window {
  CClaimCheckDlg dialog;
  QTextEdit* box = nullptr;
  QString pasted;
  QString report;

  Window() {
    box = dialog.findChild<QTextEdit*>();
    pasted = QString::fromUtf8(GenerateClaims(Family::kRealistic, kPasteBytes, BenchCorpus()));
    dialog.show();
    // The box gives its text back as plain text (a no-break space as a space, say), and that is
    // what the check reads.
    Paste();
    report = WholeCheck(box->toPlainText());
  }
  void Paste() {
    box->setPlainText(pasted);
    Show();
  }
  // Paints what the box shows now, as the event loop would after a command.
  void Show() {
    box->viewport()->repaint();
    QApplication::processEvents();
  }
};

Window& TheWindow() {
  static Window window;
  return window;
}

void ReportSizes(benchmark::State& state, const Window& window) {
  state.counters["input_bytes"] = static_cast<double>(window.pasted.toUtf8().size());
  state.counters["report_bytes"] = static_cast<double>(window.report.toUtf8().size());
}

void CheckButton(benchmark::State& state) {
  Window& window = TheWindow();
  if (window.box == nullptr || window.pasted.isEmpty()) {
    state.SkipWithError("no text box, or the corpus could not be read");
    return;
  }
  for (auto _ : state) {
    state.PauseTiming();
    window.Paste();
    state.ResumeTiming();
    window.dialog.OnCheck();
    window.Show();
  }
  if (window.box->toPlainText() != window.report) state.SkipWithError("the box shows no report");
  ReportSizes(state, window);
}

// What any program that shows the report must do at the least: replace the box's text with it.
void SetReportText(benchmark::State& state) {
  Window& window = TheWindow();
  for (auto _ : state) {
    state.PauseTiming();
    window.Paste();
    state.ResumeTiming();
    QTextCursor cursor(window.box->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(window.report);
    window.Show();
  }
  ReportSizes(state, window);
}

}  // namespace

BENCHMARK(CheckButton)
    ->Name("Window/CheckButton/realistic/1M")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SetReportText)
    ->Name("Window/SetReportText/realistic/1M")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
