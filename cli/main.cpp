// quillex-check [--encoding utf-8|gb18030] [--format report|json|lines|html] [--review]
// [--min-severity fix|review|note] [--fix | --diff | --annotate [--output PATH]] [FILE...]: checks claims texts from the
// command line, and applies their certain corrections.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <malloc.h>
#include <optional>

#include "CheckInputs.h"

namespace {

// What --help says after the options: also the manual page's last sections, which are made from
// it.
constexpr char kHelpEnd[] =
    "\nFormats:\n"
    "  report   the annotated report: the summary, each claim with its tags and its marks in\n"
    "           【…】, the closing line\n"
    "  json     one JSON document for the whole run: each file's status, summary, claims and\n"
    "           findings with their codes, severities, places and fixes\n"
    "  lines    PATH:LINE:COLUMN: error|warning|note: 权利要求N：EXPLANATION [MARK], one line\n"
    "           per finding\n"
    "  html     the report as a web page (UTF-8) to send or print: the file's name, the date,\n"
    "           the count by severity, a table of the problems, the claims with red marks\n"
    "\nExit status:\n"
    "  0  claims were found and no problem (with --review: no finding of severity fix or review)\n"
    "  1  the report shows problems, or has no summary because no claim is independent\n"
    "  2  nothing was checked: an empty text, no claim 1, a usage error, or an input that could\n"
    "     not be read or decoded\n"
    "  With several files the status is the highest of them.\n"
    "\nExamples:\n"
    "  quillex-check claims.txt\n"
    "           the report on standard output\n"
    "  quillex-check --encoding gbk old-claims.txt > report-gbk.txt\n"
    "           a GBK text checked, its report in GBK\n"
    "  quillex-check --review --format lines --min-severity fix claims.txt\n"
    "           only what must be fixed, one line each, with the further checks\n"
    "  quillex-check --format html claims.txt > report.html\n"
    "           the report to send or print, as a web page\n"
    "  quillex-check --diff claims.txt | less\n"
    "           what --fix would change\n"
    "  quillex-check --fix drafts/*.txt\n"
    "           every certain correction made in place\n"
    "  quillex-check --annotate --review claims.docx\n"
    "           claims.quillex.docx: comments and tracked changes to review in Word\n";

int UsageError(const QString& what) {
  std::fprintf(stderr, "quillex-check: %s\nTry 'quillex-check --help' for more information.\n",
               qPrintable(what));
  return kExitNotChecked;
}

template <typename T>
struct Choice {
  const char* name;
  T value;
};

// The value that `option` names among `choices` (compared without case), or, after a usage error
// that lists them, nothing.
template <typename T, size_t N>
std::optional<T> ChosenValue(const QCommandLineParser& parser, const QCommandLineOption& option,
                             const Choice<T> (&choices)[N]) {
  const QString given = parser.value(option);
  QStringList names;
  for (const Choice<T>& choice : choices) {
    if (given.compare(QLatin1String(choice.name), Qt::CaseInsensitive) == 0) return choice.value;
    names << QLatin1String(choice.name);
  }
  UsageError(QStringLiteral("unknown %1 '%2' (use %3)")
                 .arg(option.names().constFirst(), given, names.join(QStringLiteral(", "))));
  return std::nullopt;
}

constexpr Choice<FileEncoding> kEncodings[] = {{"utf-8", FileEncoding::Utf8},
                                               {"utf8", FileEncoding::Utf8},
                                               {"gb18030", FileEncoding::Gb18030},
                                               {"gbk", FileEncoding::Gb18030}};
constexpr Choice<Severity> kSeverities[] = {
    {"fix", Severity::kFix}, {"review", Severity::kReview}, {"note", Severity::kNote}};
constexpr Choice<OutputFormat> kFormats[] = {
    {"report", OutputFormat::Report},
    {"json", OutputFormat::Json},
    {"lines", OutputFormat::Lines},
    {"html", OutputFormat::Html}};

}  // namespace

int main(int argc, char* argv[]) {
  // Large buffers (a file's bytes, its text, the report) are each freed before the next is made;
  // mapped apart from the heap, their memory goes back to the system when they are freed, instead
  // of staying with the process for the rest of the run.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("quillex-check"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUILLEX_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Checks the claims of a Chinese patent application (权利要求书) for errors of form and "
      "writes the annotated report (or, with --format, its findings as data) to standard "
      "output."));
  // Not addHelpOption(): its --help-all would list Qt's own options, which this program has none
  // of.
  const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")},
                                      QStringLiteral("Displays this help."));
  parser.addOption(helpOption);
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption encodingOption(
      QStringLiteral("encoding"),
      QStringLiteral("Encoding of the input and the output: utf-8 (the default) or gb18030 "
                     "(also gbk)."),
      QStringLiteral("name"), QStringLiteral("utf-8"));
  parser.addOption(encodingOption);
  const QCommandLineOption formatOption(
      QStringLiteral("format"),
      QStringLiteral("What to write: report (the default), json (one JSON document, always UTF-8), "
                     "lines (one line per finding as compilers write them, "
                     "PATH:LINE:COLUMN: error|warning|note: …, for fix, review and note) or "
                     "html (the report as a web page to send or print, always UTF-8; one FILE)."),
      QStringLiteral("format"), QStringLiteral("report"));
  parser.addOption(formatOption);
  const QCommandLineOption reviewOption(
      QStringLiteral("review"),
      QStringLiteral("Also run the further checks (reference wording, indefinite words, repeated "
                     "words, …); the exit status is then 1 when a finding of severity fix or "
                     "review remains."));
  parser.addOption(reviewOption);
  const QCommandLineOption severityOption(
      QStringLiteral("min-severity"),
      QStringLiteral("The least severe findings that json and lines show: note (the default), "
                     "review or fix."),
      QStringLiteral("severity"), QStringLiteral("note"));
  parser.addOption(severityOption);
  const QCommandLineOption fixOption(
      QStringLiteral("fix"),
      QStringLiteral("Apply every certain correction (the further checks run) and rewrite each "
                     "file in place; standard input is written, fixed, to standard output. The "
                     "exit status is that of the fixed text."));
  parser.addOption(fixOption);
  const QCommandLineOption diffOption(
      QStringLiteral("diff"),
      QStringLiteral("Change nothing; write the unified diff of what --fix would do."));
  parser.addOption(diffOption);
  const QCommandLineOption annotateOption(
      QStringLiteral("annotate"),
      QStringLiteral("Write each Word document's reviewed copy, FILE.quillex.docx beside it: a "
                     "comment at every finding of severity fix or review (with --review also the "
                     "further checks'), every certain correction as a tracked change. The "
                     "document itself is never written."));
  parser.addOption(annotateOption);
  const QCommandLineOption outputOption(
      QStringLiteral("output"),
      QStringLiteral("With --annotate and one FILE: where the reviewed copy goes."),
      QStringLiteral("path"));
  parser.addOption(outputOption);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("Claims text to check; none or - reads standard "
                                              "input."),
                               QStringLiteral("[FILE...]"));

  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
  if (parser.isSet(helpOption)) {
    std::fputs(qPrintable(parser.helpText() + QString::fromUtf8(kHelpEnd)), stdout);
    return 0;
  }
  if (parser.isSet(versionOption)) parser.showVersion();
  const std::optional<FileEncoding> encoding = ChosenValue(parser, encodingOption, kEncodings);
  if (!encoding) return kExitNotChecked;
  const std::optional<OutputFormat> format = ChosenValue(parser, formatOption, kFormats);
  if (!format) return kExitNotChecked;
  const std::optional<Severity> minSeverity = ChosenValue(parser, severityOption, kSeverities);
  if (!minSeverity) return kExitNotChecked;
  if (parser.isSet(fixOption) && parser.isSet(diffOption)) {
    return UsageError(QStringLiteral("--fix and --diff cannot go together"));
  }
  const FixMode fix = parser.isSet(fixOption)   ? FixMode::Apply
                      : parser.isSet(diffOption) ? FixMode::Diff
                                                 : FixMode::None;
  if (fix != FixMode::None && parser.isSet(formatOption)) {
    return UsageError(QStringLiteral("--fix and --diff write no report: leave out --format"));
  }
  const bool annotate = parser.isSet(annotateOption);
  if (annotate && (fix != FixMode::None || parser.isSet(formatOption))) {
    return UsageError(QStringLiteral("--annotate writes a reviewed copy: leave out --fix, --diff "
                                     "and --format"));
  }
  QStringList paths = parser.positionalArguments();
  if (parser.isSet(outputOption) && (!annotate || paths.size() != 1)) {
    return UsageError(QStringLiteral("--output goes with --annotate and one FILE"));
  }
  if (paths.isEmpty()) paths.append(QStringLiteral("-"));
  if (*format == OutputFormat::Html && paths.size() > 1) {
    return UsageError(QStringLiteral("--format html writes one page: give one FILE"));
  }
  return CheckInputs(paths,
                     {*encoding, *format, parser.isSet(reviewOption), *minSeverity, fix, annotate,
                      parser.value(outputOption)},
                     stdout, stderr);
}
