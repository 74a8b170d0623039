// quillex-check [--encoding utf-8|gb18030] [--format report|json|lines] [FILE...]: checks claims
// texts from the command line.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <optional>

#include "CheckInputs.h"

namespace {

std::optional<FileEncoding> ParseEncoding(const QString& name) {
  const QString lower = name.toLower();
  if (lower == u"utf-8" || lower == u"utf8") return FileEncoding::Utf8;
  if (lower == u"gb18030" || lower == u"gbk") return FileEncoding::Gb18030;
  return std::nullopt;
}

std::optional<OutputFormat> ParseFormat(const QString& name) {
  if (name == u"report") return OutputFormat::Report;
  if (name == u"json") return OutputFormat::Json;
  if (name == u"lines") return OutputFormat::Lines;
  return std::nullopt;
}

int UsageError(const QString& what) {
  std::fprintf(stderr, "quillex-check: %s\nTry 'quillex-check --help' for more information.\n",
               qPrintable(what));
  return kExitNotChecked;
}

}  // namespace

int main(int argc, char* argv[]) {
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
                     "or lines (PATH:LINE:COLUMN: one line per finding)."),
      QStringLiteral("format"), QStringLiteral("report"));
  parser.addOption(formatOption);
  parser.addPositionalArgument(QStringLiteral("FILE"),
                               QStringLiteral("Claims text to check; none or - reads standard "
                                              "input."),
                               QStringLiteral("[FILE...]"));

  if (!parser.parse(QCoreApplication::arguments())) return UsageError(parser.errorText());
  if (parser.isSet(helpOption)) parser.showHelp(0);
  if (parser.isSet(versionOption)) parser.showVersion();
  const std::optional<FileEncoding> encoding = ParseEncoding(parser.value(encodingOption));
  if (!encoding) {
    return UsageError(QStringLiteral("unknown encoding '%1' (use utf-8 or gb18030)")
                          .arg(parser.value(encodingOption)));
  }
  const std::optional<OutputFormat> format = ParseFormat(parser.value(formatOption));
  if (!format) {
    return UsageError(QStringLiteral("unknown format '%1' (use report, json or lines)")
                          .arg(parser.value(formatOption)));
  }
  QStringList paths = parser.positionalArguments();
  if (paths.isEmpty()) paths.append(QStringLiteral("-"));
  return CheckInputs(paths, {*encoding, *format}, stdout, stderr);
}
