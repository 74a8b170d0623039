// Arbitrary bytes through the text conversion both ways: no crash, invalid bytes reported where
// they are, and every Unicode text comes back from the engine's bytes as it went in, line breaks
// aside.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ClaimsCodec.h"

namespace {

void Fail(const char* rule) {
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

// Every line break that the way in turns into "\r\n" comes back as "\n".
QString WithLfBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  text.replace(QChar::LineSeparator, u'\n');
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

void CheckRoundTrip(const QString& text) {
  if (FromEngineText(ToEngineText(text)) != WithLfBreaks(text)) {
    Fail("a Unicode text changed on its way through the engine's bytes");
  }
}

QByteArray WithoutByteOrderMark(const QByteArray& bytes, FileEncoding encoding) {
  const QByteArray mark =
      encoding == FileEncoding::Utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray("\x84\x31\x95\x33");
  return bytes.startsWith(mark) ? bytes.sliced(mark.size()) : bytes;
}

void CheckFileDecoding(const QByteArray& bytes, FileEncoding encoding) {
  const DecodeResult result = DecodeFileBytes(bytes, encoding);
  if (result.errorOffset) {
    const qsizetype offset = *result.errorOffset;
    if (offset < 0 || offset >= bytes.size()) Fail("invalid bytes reported outside the input");
    if (DecodeFileBytes(bytes.first(offset), encoding).errorOffset) {
      Fail("the bytes before the reported offset are not valid");
    }
    return;
  }
  if (EncodeFileText(result.text, encoding) != WithoutByteOrderMark(bytes, encoding)) {
    Fail("valid file bytes do not come back from their text");
  }
  CheckRoundTrip(result.text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  (void)ToEngineText(FromEngineText(std::string_view(bytes.constData(), size)));
  CheckFileDecoding(bytes, FileEncoding::Utf8);
  CheckFileDecoding(bytes, FileEncoding::Gb18030);
  // The same bytes read as UTF-16 reach characters that short UTF-8 inputs rarely spell.
  const QString utf16(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
  if (utf16.isValidUtf16()) CheckRoundTrip(utf16);
  return 0;
}
