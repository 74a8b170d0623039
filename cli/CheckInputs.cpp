#include "CheckInputs.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

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

  // The engine's text, GBK, ending with a line break. Written a piece at a time, since a report
  // can be far larger than the text it came from.
  void OutEngineText(std::string_view gbkText) {
    WriteEngineText(gbkText, encoding, [this](QByteArrayView bytes) { Write(outStream, bytes); });
    if (!gbkText.empty() && gbkText.back() != '\n') Write(outStream, QByteArrayView("\n"));
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
    Write(stream, QByteArrayView(EncodeFileText(text, encoding)));
  }

  static void Write(std::FILE* stream, QByteArrayView bytes) {
    std::fwrite(bytes.data(), 1, static_cast<size_t>(bytes.size()), stream);
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
  EngineTextResult converted;
  {
    const InputBytes input = ReadInput(path);
    if (!input.error.isEmpty()) {
      output.Error(name, input.error);
      return std::nullopt;
    }
    converted = FileToEngineText(input.bytes, encoding);
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
  output.OutEngineText(outcome.shownText);
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
