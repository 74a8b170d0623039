#include "CheckInputs.h"

#include <algorithm>
#include <optional>
#include <string>

#include "CheckCommand.h"
#include "GbkTexts.h"
#include "InputFile.h"
#include "MessageSink.h"

namespace {

constexpr char kProgram[] = "quillex-check";

class Output {
 public:
  Output(FileEncoding encoding, std::FILE* out, std::FILE* err)
      : encoding(encoding), outStream(out), errStream(err) {}

  // `text` ends with "\n" when it is not empty.
  void Out(const QString& text) { Write(outStream, text); }

  // Standard output goes first, so that both streams on one terminal stay in order.
  void Err(const QString& text) {
    std::fflush(outStream);
    Write(errStream, text);
  }

  void Error(const QString& name, const QString& what) {
    Err(QStringLiteral("%1: %2: %3\n").arg(QLatin1String(kProgram), name, what));
  }

  // An engine message, GBK, given its own lines.
  void EngineMessage(std::string_view gbkText) { Err(WithFinalBreak(FromEngineText(gbkText))); }

  bool OutFailed() { return std::fflush(outStream) != 0 || std::ferror(outStream) != 0; }

  static QString WithFinalBreak(QString text) {
    if (!text.isEmpty() && !text.endsWith(u'\n')) text += u'\n';
    return text;
  }

 private:
  void Write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = EncodeFileText(text, encoding);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
  }

  FileEncoding encoding;
  std::FILE* outStream;
  std::FILE* errStream;
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
std::optional<std::string> EngineTextOf(const QString& path, FileEncoding encoding,
                                        Output& output) {
  const QString name = InputDisplayName(path);
  DecodeResult decoded;
  {
    const InputBytes input = ReadInput(path);
    if (!input.error.isEmpty()) {
      output.Error(name, input.error);
      return std::nullopt;
    }
    decoded = DecodeFileBytes(input.bytes, encoding);
  }
  if (decoded.errorOffset) {
    output.Error(name, DecodeError(*decoded.errorOffset, encoding));
    return std::nullopt;
  }
  std::string engineText = ToEngineText(decoded.text);
  // Line breaks grow by a byte each on the way in; the limit holds for what the checker gets.
  if (static_cast<qint64>(engineText.size()) > kMaxInputBytes) {
    output.Error(name, TooLargeError());
    return std::nullopt;
  }
  return engineText;
}

int CheckOne(const QString& path, bool withHeader, FileEncoding encoding, Output& output) {
  std::optional<std::string> engineText = EngineTextOf(path, encoding, output);
  if (!engineText) return kExitNotChecked;
  const CheckOutcome outcome = RunCheck(*engineText);
  engineText.reset();
  // Nothing but blanks: the box would stay empty without a word, which on a command line is
  // indistinguishable from a silent failure.
  if (!outcome.checked && outcome.shownText.empty()) {
    output.Error(InputDisplayName(path), QStringLiteral("no text to check"));
    return kExitNotChecked;
  }
  if (withHeader) output.Out(QStringLiteral("==> %1 <==\n").arg(InputDisplayName(path)));
  output.Out(Output::WithFinalBreak(FromEngineText(outcome.shownText)));
  if (outcome.congratulate) {
    output.EngineMessage(gbk::kMessageCongratulation);
    return kExitCongratulated;
  }
  return outcome.checked ? kExitReported : kExitNotChecked;
}

}  // namespace

int CheckInputs(const QStringList& paths, FileEncoding encoding, std::FILE* out, std::FILE* err) {
  Output output(encoding, out, err);
  const MessageSink previous =
      SetMessageSink([&output](const std::string& message) { output.EngineMessage(message); });
  int status = kExitCongratulated;
  for (const QString& path : paths) {
    status = std::max(status, CheckOne(path, paths.size() > 1, encoding, output));
  }
  SetMessageSink(previous);
  if (output.OutFailed()) {
    output.Error(QStringLiteral("standard output"), QStringLiteral("cannot write"));
    return kExitNotChecked;
  }
  return status;
}
