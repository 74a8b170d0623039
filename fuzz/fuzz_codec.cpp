// Arbitrary bytes through the text conversion both ways: no crash, invalid bytes reported where
// they are, and every Unicode text comes back from the engine's bytes as it went in, line breaks
// aside.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
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

constexpr QStringConverter::Flags kLibraryFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// The engine's bytes are the library's GB18030 of the text with every line break "\r\n", and
// come back as the text.
void CheckRoundTrip(const QString& text) {
  const std::string engine = ToEngineText(text);
  const QString crLf = WithLfBreaks(text).replace(u'\n', QStringLiteral("\r\n"));
  const QByteArray library = QStringEncoder("GB18030", kLibraryFlags).encode(crLf);
  if (QByteArrayView(engine.data(), qsizetype(engine.size())) != library) {
    Fail("a Unicode text's engine bytes are not the library's");
  }
  if (FromEngineText(engine) != WithLfBreaks(text)) {
    Fail("a Unicode text changed on its way through the engine's bytes");
  }
}

QByteArray WithoutByteOrderMark(const QByteArray& bytes, FileEncoding encoding) {
  const QByteArray mark =
      encoding == FileEncoding::Utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray("\x84\x31\x95\x33");
  return bytes.startsWith(mark) ? bytes.sliced(mark.size()) : bytes;
}

// The whole text decoded at once, as the reference for the conversion in pieces.
QString DecodedWhole(const QByteArray& bytes, FileEncoding encoding) {
  QStringDecoder decoder(encoding == FileEncoding::Utf8 ? "UTF-8" : "GB18030", kLibraryFlags);
  return decoder.decode(WithoutByteOrderMark(bytes, encoding));
}

QByteArray Written(std::string_view engineBytes, FileEncoding encoding, qsizetype pieceSize) {
  QByteArray written;
  WriteEngineText(
      engineBytes, encoding, [&](QByteArrayView piece) { written.append(piece); }, pieceSize);
  return written;
}

// The file's lines end where its engine text's do: NextFileLineBreak finds each break at a
// character boundary, after as many engine line breaks as it has breaks before it, and no others.
void CheckLineBreaks(const QByteArray& body, std::string_view engine, FileEncoding encoding) {
  const auto engineBreaks = [](std::string_view text) {
    return std::count(text.begin(), text.end(), '\n');
  };
  qsizetype breaks = 0;
  for (FileLineBreak end = NextFileLineBreak(body, 0, encoding); end.length > 0;
       end = NextFileLineBreak(body, end.pos + end.length, encoding)) {
    const EngineTextResult before = FileToEngineText(body.first(end.pos), encoding);
    if (before.errorOffset || engineBreaks(before.bytes) != breaks) {
      Fail("a file's line break found where its engine text has none");
    }
    ++breaks;
  }
  if (engineBreaks(engine) != breaks) Fail("a file's line break not found");
}

void CheckFileConversion(const QByteArray& bytes, FileEncoding encoding, qsizetype pieceSize) {
  const EngineTextResult result = FileToEngineText(bytes, encoding, pieceSize);
  const EngineTextResult whole = FileToEngineText(bytes, encoding, bytes.size() + 1);
  if (result.errorOffset != whole.errorOffset || result.bytes != whole.bytes) {
    Fail("the conversion in pieces differs from the conversion in one");
  }
  if (result.errorOffset) {
    const qsizetype offset = *result.errorOffset;
    if (offset < 0 || offset >= bytes.size()) Fail("invalid bytes reported outside the input");
    if (FileToEngineText(bytes.first(offset), encoding, pieceSize).errorOffset) {
      Fail("the bytes before the reported offset are not valid");
    }
    return;
  }
  const QString text = DecodedWhole(bytes, encoding);
  if (EncodeFileText(text, encoding) != WithoutByteOrderMark(bytes, encoding)) {
    Fail("valid file bytes do not come back from their text");
  }
  if (result.bytes != ToEngineText(text)) Fail("the engine's bytes are not those of the text");
  if (Written(result.bytes, encoding, pieceSize) != EncodeFileText(WithLfBreaks(text), encoding)) {
    Fail("the engine's bytes are not written as their text");
  }
  CheckLineBreaks(WithoutByteOrderMark(bytes, encoding), result.bytes, encoding);
  CheckRoundTrip(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // Small pieces, so that short inputs are cut in many places.
  const qsizetype pieceSize = size == 0 ? 1 : data[0] % 8 + 1;
  const std::string_view engineBytes(bytes.constData(), size);
  QString fromEngine = QStringDecoder("GB18030", kLibraryFlags).decode(bytes);
  fromEngine.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (FromEngineText(engineBytes) != fromEngine) Fail("any engine bytes decode as a whole");
  if (Written(engineBytes, FileEncoding::Utf8, pieceSize) != fromEngine.toUtf8()) {
    Fail("any engine bytes are written as they decode");
  }
  (void)ToEngineText(fromEngine);
  CheckFileConversion(bytes, FileEncoding::Utf8, pieceSize);
  CheckFileConversion(bytes, FileEncoding::Gb18030, pieceSize);
  // The same bytes read as UTF-16 reach characters that short UTF-8 inputs rarely spell.
  const QString utf16(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
  if (utf16.isValidUtf16()) CheckRoundTrip(utf16);
  return 0;
}
