// Times the window on a pasted claims text: the whole of "开始检查" (check, report put into the
// box, marks coloured, box and problems list shown) against only putting the same report text
// into the box and showing it, and the problems list alone (its rows made from the check's
// result and shown). Runs on any Qt platform; offscreen by default.
//
//   quillex-window-bench [--benchmark_repetitions=5 ...]

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QSortFilterProxyModel>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeView>
#include <cstdlib>
#include <map>
#include <memory>

#include "BenchInputs.h"
#include "CheckCommand.h"
#include "ClaimCheckDlg.h"
#include "ClaimsCodec.h"
#include "ClaimsGenerator.h"
#include "ProblemListModel.h"
#include "RunBenchmarks.h"
#include "WholeCheck.h"

namespace {

// The window with the pasted text in its box, ready for the next run.
struct Window {
  CClaimCheckDlg dialog;
  QPlainTextEdit* box = nullptr;
  QString pasted;
  QString report;

  explicit Window(size_t pasteBytes) {
    box = dialog.findChild<QPlainTextEdit*>();
    pasted = QString::fromUtf8(GenerateClaims(Family::kRealistic, pasteBytes, BenchCorpus()));
    dialog.show();
    // The check reads the box's raw text: paragraph separators, and no-break spaces as they are.
    Paste();
    report = WholeCheck(box->document()->toRawText());
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

// One window per size of paste, made when first needed. The windows must be gone before the
// application object is, so main() empties the map.
std::map<size_t, std::unique_ptr<Window>> g_windows;

Window& WindowFor(size_t pasteBytes) {
  auto& window = g_windows[pasteBytes];
  if (!window) window = std::make_unique<Window>(pasteBytes);
  return *window;
}

void ReportSizes(benchmark::State& state, const Window& window) {
  state.counters["input_bytes"] = static_cast<double>(window.pasted.toUtf8().size());
  state.counters["report_bytes"] = static_cast<double>(window.report.toUtf8().size());
}

void CheckButton(benchmark::State& state, size_t pasteBytes) {
  Window& window = WindowFor(pasteBytes);
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
  // Plain text shows a no-break space as a space.
  if (window.box->toPlainText() != QString(window.report).replace(QChar::Nbsp, u' ')) {
    state.SkipWithError("the box shows no report");
  }
  const QTreeView* list = window.dialog.findChild<QTreeView*>();
  if (!list->isVisible() || list->model()->rowCount() == 0) state.SkipWithError("no problems list");
  state.counters["findings"] = list->model()->rowCount();
  ReportSizes(state, window);
}

// What any program that shows the report must do at the least: replace the box's text with it.
void SetReportText(benchmark::State& state, size_t pasteBytes) {
  Window& window = WindowFor(pasteBytes);
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

// The problems list as the window makes it after a check: its rows from the result, placed in the
// box's text, then the list shown beside the box.
void ProblemList(benchmark::State& state, size_t pasteBytes) {
  Window& window = WindowFor(pasteBytes);
  window.Paste();
  const CheckOutcome outcome =
      RunCheck(ToEngineText(window.box->document()->toRawText()), {}, kPlacesNone);
  ProblemListModel rows;
  QSortFilterProxyModel shownRows;
  shownRows.setSourceModel(&rows);
  QTreeView view;
  view.setUniformRowHeights(true);
  view.setModel(&shownRows);
  view.resize(360, 500);
  view.show();
  for (auto _ : state) {
    state.PauseTiming();
    AnalysisResult result = outcome.result;
    rows.Clear();
    QApplication::processEvents();
    state.ResumeTiming();
    rows.SetResult(std::move(result), outcome.shownText);
    view.viewport()->repaint();
    QApplication::processEvents();
  }
  if (rows.rowCount() == 0) state.SkipWithError("the check found nothing to list");
  state.counters["findings"] = rows.rowCount();
}

// 1 MB is a whole application pasted by mistake; 4 MB shows how long a multi-megabyte paste
// blocks the window.
void RegisterAll() {
  for (size_t bytes : {size_t{1} << 20, size_t{4} << 20}) {
    const std::string suffix = "/realistic/" + SizeName(bytes);
    benchmark::RegisterBenchmark(("Window/CheckButton" + suffix).c_str(), CheckButton, bytes)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Window/SetReportText" + suffix).c_str(), SetReportText, bytes)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("Window/ProblemList" + suffix).c_str(), ProblemList, bytes)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const int status = RunBenchmarks(argc, argv, RegisterAll);
  g_windows.clear();
  return status;
}
