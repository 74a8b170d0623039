// quillex-check [--encoding utf-8|gb18030] [--format report|json|lines] [--review]
// [--min-severity fix|review|note] [--fix | --diff] [FILE...]: checks claims texts from the
// command line, and applies their certain corrections.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <malloc.h>
#include <optional>

#include "CheckInputs.h"

namespace {

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
    {"report", OutputFormat::Report}, {"json", OutputFormat::Json}, {"lines", OutputFormat::Lines}};

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
      "writes the annotated report.\n\n"
      "Exit status: 0 when no problem was found, 1 when the report shows problems (or has no "
      "summary), 2 when no claim 1 was found, the text was empty, or on a usage or input error."));
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
      QStringLiteral("What to write: report (the default), json (one JSON document, always UTF-8) "
                     "or lines (one line per finding as compilers write them, "
                     "PATH:LINE:COLUMN: error|warning|note: …, for fix, review and note)."),
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
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("Claims text to check; none or - reads standard "
                                              "input."),
                               QStringLiteral("[FILE...]"));

  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
  if (parser.isSet(helpOption)) parser.showHelp(0);
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
  QStringList paths = parser.positionalArguments();
  if (paths.isEmpty()) paths.append(QStringLiteral("-"));
  return CheckInputs(paths, {*encoding, *format, parser.isSet(reviewOption), *minSeverity, fix},
                     stdout, stderr);
}
