#include "CheckInputs.h"

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "AnalyzeClaims.h"
#include "CheckCommand.h"
#include "FindingOutputs.h"
#include "FixCommand.h"
#include "DocxReader.h"
#include "FixFiles.h"
#include "ReviewedCopy.h"
#include "text/GbkTexts.h"
#include "InputFile.h"
#include "MessageSink.h"
#include "report/SavedReport.h"

namespace {

constexpr char kProgram[] = "quillex-check";

// Standard output and standard error in the chosen encoding; in the JSON format, also what each
// input's entry records of its messages and errors.
class Output {
 public:
  Output(FileEncoding encoding, std::FILE* out, std::FILE* err)
      : encoding(encoding), outStream(out), errStream(err) {}

  // The JSON entry of the input being checked, or null.
  void StartInput(QJsonObject* file) { current = file; }

  // `text` ends with "\n" when it is not empty.
  void Out(const QString& text) { Write(outStream, text); }

  // Standard output goes first, so that both streams on one terminal stay in order.
  void Err(const QString& text) {
    std::fflush(outStream);
    Write(errStream, text);
  }

  void Error(const QString& name, const QString& what) {
    Err(QStringLiteral("%1: %2: %3\n").arg(QLatin1String(kProgram), name, what));
    if (!current) return;
    current->insert(QStringLiteral("status"), QStringLiteral("error"));
    current->insert(QStringLiteral("error"), what);
  }

  // The engine's text, GBK, ending with a line break. Written a piece at a time, since a report
  // can be far larger than the text it came from.
  void OutEngineText(std::string_view gbkText) {
    WriteEngineText(gbkText, encoding, [this](QByteArrayView bytes) { Write(outStream, bytes); });
    if (!gbkText.empty() && gbkText.back() != '\n') Write(outStream, QByteArrayView("\n"));
  }

  // An engine message, GBK, given its own lines.
  void EngineMessage(std::string_view gbkText) {
    const QString message = FromEngineText(gbkText);
    Err(WithFinalBreak(message));
    if (!current) return;
    QJsonArray messages = current->value(QStringLiteral("messages")).toArray();
    messages.append(message);
    current->insert(QStringLiteral("messages"), messages);
  }

  // JSON is UTF-8 whatever the encoding of the texts.
  void OutJson(const QJsonArray& files) {
    const QJsonObject tool{{QStringLiteral("name"), QLatin1String(kProgram)},
                           {QStringLiteral("version"), QStringLiteral(QUILLEX_VERSION)}};
    const QJsonObject document{{QStringLiteral("tool"), tool}, {QStringLiteral("files"), files}};
    Write(outStream, QByteArrayView(QJsonDocument(document).toJson(QJsonDocument::Indented)));
  }

  // Bytes as they are, in no encoding of the output's.
  void OutBytes(QByteArrayView bytes) { Write(outStream, bytes); }

  bool OutFailed() { return std::fflush(outStream) != 0 || std::ferror(outStream) != 0; }

  static QString WithFinalBreak(QString text) {
    if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
    return text;
  }

 private:
  void Write(std::FILE* stream, const QString& text) {
    Write(stream, QByteArrayView(EncodeFileText(text, encoding)));
  }

  static void Write(std::FILE* stream, QByteArrayView bytes) {
    std::fwrite(bytes.data(), 1, static_cast<size_t>(bytes.size()), stream);
  }

  FileEncoding encoding;
  std::FILE* outStream;
  std::FILE* errStream;
  QJsonObject* current = nullptr;
};

QString DecodeError(qsizetype offset, FileEncoding encoding) {
  if (encoding == FileEncoding::Gb18030) {
    return QStringLiteral("not valid GB18030 at byte offset %1").arg(offset);
  }
  return QStringLiteral(
             "not valid UTF-8 at byte offset %1 (if it is GB18030 or GBK text, try "
             "--encoding gb18030)")
      .arg(offset);
}

// The engine's text for one input, or an empty optional once the error has been told.
// With `raw`, the input's bytes are kept there. A Word document (known by its content) gives
// its claims section, and `document` what was read of it; with `document` null it is refused.
std::optional<std::string> EngineTextOf(const QString& path, FileEncoding encoding,
                                        Output& output, QByteArray* raw = nullptr,
                                        DocxDocument* document = nullptr) {
  const QString name = InputDisplayName(path);
  EngineTextResult converted;
  {
    InputBytes input = ReadInput(path);
    if (!input.error.isEmpty()) {
      output.Error(name, input.error);
      return std::nullopt;
    }
    if (KindOf(input.bytes) != FileKind::Text) {
      if (!document) {
        output.Error(name, QStringLiteral("--fix and --diff rewrite text files; a Word document "
                                          "is reviewed with --annotate"));
        return std::nullopt;
      }
      *document = ReadDocx(input.bytes, path);
      if (!document->error.isEmpty()) {
        output.Error(name, document->error);
        return std::nullopt;
      }
      return ToEngineText(document->claimsText);
    }
    converted = FileToEngineText(input.bytes, encoding);
    if (raw) *raw = std::move(input.bytes);
  }
  if (converted.errorOffset) {
    output.Error(name, DecodeError(*converted.errorOffset, encoding));
    return std::nullopt;
  }
  // Line breaks grow by a byte each on the way in; the limit holds for what the checker gets.
  if (static_cast<qint64>(converted.bytes.size()) > kMaxInputBytes) {
    output.Error(name, TooLargeError());
    return std::nullopt;
  }
  return std::move(converted.bytes);
}

// With a review, whether a finding remains that asks the drafter to act: one of severity fix or
// review that the chosen least severity keeps.
bool ActionRemains(const AnalysisResult& result, Severity minSeverity) {
  const Severity least = std::min(minSeverity, Severity::kReview);
  for (const ClaimResult& claim : result.claims) {
    for (const Finding& finding : claim.findings) {
      if (finding.severity <= least) return true;
    }
  }
  return false;
}

QString EditCount(int edits) {
  return edits == 1 ? QStringLiteral("1 place") : QStringLiteral("%1 places").arg(edits);
}

int StatusOf(const AnalysisResult& result, const CheckOptions& options) {
  if (options.review && !result.claims.empty()) {
    return ActionRemains(result, options.minSeverity) ? kExitReported : kExitCongratulated;
  }
  switch (result.outcome) {
    case Outcome::kClean:
      return kExitCongratulated;
    case Outcome::kProblems:
    case Outcome::kNoIndependent:
      return kExitReported;
    case Outcome::kEmpty:
    case Outcome::kNoClaimOne:
      break;
  }
  return kExitNotChecked;
}

// The status of a check that ran the further checks, whether or not --review asked for them.
int ReviewStatusOf(const AnalysisResult& result, CheckOptions options) {
  options.review = true;
  return StatusOf(result, options);
}

// Writes what the chosen format shows of one checked input; JSON goes into its entry.
void Render(const QString& path, bool withHeader, const CheckOutcome& outcome,
            const CheckOptions& options, Output& output, QJsonObject& file) {
  switch (options.format) {
    case OutputFormat::Report:
      if (withHeader) output.Out(QStringLiteral("==> %1 <==\n").arg(InputDisplayName(path)));
      output.OutEngineText(outcome.shownText);
      return;
    case OutputFormat::Lines:
      output.Out(FindingLines(path, outcome.result, options.minSeverity));
      return;
    case OutputFormat::Html: {
      if (!outcome.checked) return;
      const std::string name =
          path == QLatin1String("-") ? std::string() : ToEngineText(QFileInfo(path).fileName());
      const std::string html = SavedReportHtml({.text = outcome.shownText,
                                                .result = &outcome.result,
                                                .fileName = name,
                                                .savedAt = QDateTime::currentSecsSinceEpoch(),
                                                .version = QUILLEX_VERSION});
      output.OutBytes(FromEngineText(html).toUtf8());
      return;
    }
    case OutputFormat::Json: {
      const QJsonObject json = ResultToJson(outcome.result, options.minSeverity);
      for (auto it = json.constBegin(); it != json.constEnd(); ++it) file.insert(it.key(), *it);
      return;
    }
  }
}

// --fix and --diff on one input.
int FixOne(const QString& path, const CheckOptions& options, Output& output) {
  QByteArray raw;
  const std::optional<std::string> engineText = EngineTextOf(path, options.encoding, output, &raw);
  if (!engineText) return kExitNotChecked;
  const FixedText fixed = FixAll(*engineText);
  const QString name = InputDisplayName(path);
  if (fixed.outcome.result.outcome == Outcome::kEmpty) {
    output.Err(QStringLiteral("%1: %2: no text to check\n").arg(QLatin1String(kProgram), name));
    return kExitNotChecked;
  }
  const int status = ReviewStatusOf(fixed.outcome.result, options);
  FixedFile after{raw, {}};
  if (fixed.edits > 0) after = FixedFileBytes(raw, *engineText, fixed.text, options.encoding);
  if (!after.error.isEmpty()) {
    output.Error(name, after.error);
    return kExitNotChecked;
  }
  if (options.fix == FixMode::Diff) {
    output.OutBytes(UnifiedDiff(path, raw, after.bytes));
  } else if (path == QLatin1String("-")) {
    output.OutBytes(after.bytes);
  } else if (fixed.edits > 0) {
    const QString error = ReplaceFile(path, after.bytes);
    if (!error.isEmpty()) {
      output.Error(name, error);
      return kExitNotChecked;
    }
    output.Err(QStringLiteral("%1: %2: %3 fixed\n")
                   .arg(QLatin1String(kProgram), name, EditCount(fixed.edits)));
  }
  return status;
}

// --annotate on one input.
int AnnotateOne(const QString& path, const CheckOptions& options, Output& output) {
  const QString name = InputDisplayName(path);
  const QString target = options.output.isEmpty() ? ReviewedCopyPath(path) : options.output;
  if (path == QLatin1String("-") && options.output.isEmpty()) {
    output.Error(name, QStringLiteral("--annotate writes a copy beside the document: give "
                                      "--output for standard input"));
    return kExitNotChecked;
  }
  if (QFileInfo(target).canonicalFilePath() == QFileInfo(path).canonicalFilePath() &&
      QFileInfo::exists(target)) {
    output.Error(name, QStringLiteral("the reviewed copy would overwrite the document itself"));
    return kExitNotChecked;
  }
  InputBytes input = ReadInput(path);
  if (input.error.isEmpty() && KindOf(input.bytes) == FileKind::Text) {
    input.error = QStringLiteral("not a Word document: --annotate writes the reviewed copy of a .docx");
  }
  if (!input.error.isEmpty()) {
    output.Error(name, input.error);
    return kExitNotChecked;
  }
  const DocxDocument document = ReadDocx(input.bytes, path);
  input = {};
  ReviewedCopy copy;
  if (document.error.isEmpty()) {
    copy = ReviewDocument(document, options.review, QDateTime::currentDateTimeUtc());
  }
  if (copy.error.isEmpty() && document.error.isEmpty()) copy.error = SaveReviewedCopy(target, copy.bytes);
  const QString error = document.error.isEmpty() ? copy.error : document.error;
  if (!error.isEmpty()) {
    output.Error(name, error);
    return kExitNotChecked;
  }
  output.Err(QStringLiteral("%1: %2: wrote %3 (%4 comments, %5 tracked changes)\n")
                 .arg(QLatin1String(kProgram), name, target)
                 .arg(copy.comments)
                 .arg(copy.changes));
  return ReviewStatusOf(copy.result, options);
}

int CheckOne(const QString& path, bool withHeader, const CheckOptions& options, Output& output,
             QJsonObject& file) {
  if (options.fix != FixMode::None) return FixOne(path, options, output);
  if (options.annotate) return AnnotateOne(path, options, output);
  DocxDocument document;
  std::optional<std::string> engineText =
      EngineTextOf(path, options.encoding, output, nullptr, &document);
  if (!engineText) return kExitNotChecked;
  // The report shows no places; the findings as data stand where the user's text has them.
  CheckOutcome outcome =
      RunCheck(std::move(*engineText), {.review = options.review, .keepRecords = false},
               options.format == OutputFormat::Report || options.format == OutputFormat::Html
                   ? kPlacesNone
                   : kPlacesInUserText);
  engineText.reset();
  // The records went before the report was written; the analysed text goes before the output is
  // made, since nothing here reads it again.
  ResetAnalysis();
  if (!document.lines.empty()) PlaceInDocument(outcome.result, document);
  const int status = StatusOf(outcome.result, options);
  // What the JSON says is what the exit status says: a review that leaves nothing of severity fix
  // or review is clean, though its summary counts every mark.
  file.insert(QStringLiteral("status"), status == kExitCongratulated
                                            ? QStringLiteral("clean")
                                            : QString::fromLatin1(OutcomeName(outcome.result.outcome)));
  // Nothing but blanks and brackets: the box would stay empty without a word, which on a
  // command line is indistinguishable from a silent failure.
  if (outcome.result.outcome == Outcome::kEmpty) {
    output.Err(QStringLiteral("%1: %2: no text to check\n")
                   .arg(QLatin1String(kProgram), InputDisplayName(path)));
    return kExitNotChecked;
  }
  Render(path, withHeader, outcome, options, output, file);
  if (outcome.congratulate) output.EngineMessage(gbk::kMessageCongratulation);
  return status;
}

}  // namespace

int CheckInputs(const QStringList& paths, const CheckOptions& options, std::FILE* out,
                std::FILE* err) {
  Output output(options.encoding, out, err);
  const ScopedMessageSink sink(
      [&output](const std::string& message) { output.EngineMessage(message); });
  int status = kExitCongratulated;
  QJsonArray files;
  for (const QString& path : paths) {
    QJsonObject file{{QStringLiteral("path"), path}, {QStringLiteral("messages"), QJsonArray()}};
    output.StartInput(&file);
    status = std::max(status, CheckOne(path, paths.size() > 1, options, output, file));
    output.StartInput(nullptr);
    files.append(file);
  }
  if (options.format == OutputFormat::Json) output.OutJson(files);
  if (output.OutFailed()) {
    output.Error(QStringLiteral("standard output"), QStringLiteral("cannot write"));
    return kExitNotChecked;
  }
  return status;
}
