#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <string>

#include "ClaimsCodec.h"

namespace {

// Unlike QString::fromUtf8, keeps a leading byte-order mark.
QString U(const char* utf8) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return decoder.decode(QByteArrayView(utf8));
}

constexpr FileEncoding kUtf8 = FileEncoding::Utf8;
constexpr FileEncoding kGb = FileEncoding::Gb18030;

TEST(EngineText, LineBreaksAndGbkBytesBothWays) {
  // "\r\n", "\n", "\r", a paragraph and a line separator, "\r" before "\r\n", a final "\r".
  EXPECT_EQ(ToEngineText(U("杯子\r\nh\ni\rj\xE2\x80\xA9k\xE2\x80\xA8l\r\r\nm\r")),
            "\xB1\xAD\xD7\xD3\r\nh\r\ni\r\nj\r\nk\r\nl\r\n\r\nm\r\n");
  EXPECT_EQ(FromEngineText("\xB1\xAD\xD7\xD3\r\n\r\n[1;\xB8\xB8]"), U("杯子\n\n[1;父]"));
  // A byte-order mark, characters outside GBK (U+20000, U+1F600), a replacement character.
  const QString text = U("\xEF\xBB\xBF杯\xF0\xA0\x80\x80\xF0\x9F\x98\x80\n\xEF\xBF\xBD");
  const std::string engine = ToEngineText(text);
  EXPECT_EQ(engine.find('?'), std::string::npos);
  EXPECT_EQ(FromEngineText(engine), text);
}

// The library's own conversion of a text whose line breaks are already "\r\n", and of engine
// bytes whose "\r\n" are already "\n": what the cached conversion must give.
QByteArray LibraryEncoded(const QString& text) {
  return QStringEncoder("GB18030", QStringConverter::Flag::Stateless).encode(text);
}
QString LibraryDecoded(const QByteArray& bytes) {
  return QStringDecoder("GB18030", QStringConverter::Flag::Stateless).decode(bytes);
}

// Every character of the Basic Multilingual Plane, and every sequence of one or two bytes, is
// converted as the library converts it, beside what may follow it on its line: a character the
// cache answers, a four-byte character, a lone surrogate, a byte cut off before a line break.
TEST(EngineText, EveryCharacterAndTwoByteSequenceAsTheLibraryConvertsThem) {
  const QString neighbours[] = {U("杯"), U("\xF0\xA0\x80\x80"), QString(QChar(0xD800)), U("\r\n")};
  for (const QString& after : neighbours) {
    QString text;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
      if (c == u'\r' || c == u'\n' || c == 0x2028 || c == 0x2029) continue;
      text.append(QChar(static_cast<char16_t>(c))).append(after).append(u"\r\n");
    }
    const std::string engine = ToEngineText(text);
    EXPECT_TRUE(QByteArray::fromStdString(engine) == LibraryEncoded(text)) << after.toStdString();
  }
  const QByteArray byteNeighbours[] = {"\xB1\xAD", "\x95\x32\x82\x36", "\x81", "\rx"};
  for (const QByteArray& after : byteNeighbours) {
    QByteArray bytes;
    for (int first = 0; first < 0x100; ++first) {
      for (int second = first < 0x80 ? 0x100 : 0; second <= 0x100; ++second) {
        if (first == '\r' || first == '\n' || second == '\r' || second == '\n') continue;
        bytes.append(static_cast<char>(first));
        if (second < 0x100) bytes.append(static_cast<char>(second));
        bytes.append(after).append('\n');
      }
    }
    EXPECT_TRUE(FromEngineText(bytes.toStdString()) == LibraryDecoded(bytes))
        << after.toHex().toStdString();
  }
}

// Pieces as small as one byte, and the whole text at once, give the same result.
constexpr qsizetype kPieceSizes[] = {1, 2, 3, 5, kPieceSize};

TEST(FileText, EngineTextOrOffsetOfFirstInvalidSequence) {
  struct Case {
    QByteArray bytes;
    FileEncoding encoding;
    const char* utf8Text;   // empty when the bytes are invalid
    qsizetype errorOffset;  // -1 when they are valid
  } const cases[] = {
      {"\xEF\xBB\xBF\xEF\xBB\xBFx\xEF\xBB\xBFy", kUtf8, "\xEF\xBB\xBFx\xEF\xBB\xBFy", -1},
      {"\xEF\xBF\xBD", kUtf8, "\xEF\xBF\xBD", -1},
      {"a\r\nb\n\n\xE6\x9D\xAF\rc\n", kUtf8, "a\nb\n\n杯\nc\n", -1},
      {"ab\xFFxy", kUtf8, "", 2},
      {"\xE6\x9D\xAF\xE4\xB8", kUtf8, "", 3},
      {"\xEF\xBB\xBF\x80", kUtf8, "", 3},
      {"\xEF\xBF\xBDx\x80", kUtf8, "", 4},
      {"a\nb\nc\xE6\x9D\n", kUtf8, "", 5},
      {"\x84\x31\x95\x33\xB1\xAD\x95\x32\x82\x36\r\n", kGb, "杯\xF0\xA0\x80\x80\r\n", -1},
      {"a\x80z", kGb, "", 1},
      {"\xB1\xAD\x95\x32\x82", kGb, "", 2},
      {"\x84\x31\xA4\x37\xFF", kGb, "", 4},
      {"x\n\xB1\xAD\n\xB1\n", kGb, "", 5},
  };
  for (const Case& c : cases) {
    for (const qsizetype pieceSize : kPieceSizes) {
      const EngineTextResult result = FileToEngineText(c.bytes, c.encoding, pieceSize);
      const std::string where =
          c.bytes.toHex(' ').toStdString() + " in pieces of " + std::to_string(pieceSize);
      EXPECT_EQ(result.errorOffset.value_or(-1), c.errorOffset) << where;
      EXPECT_EQ(result.bytes, c.errorOffset < 0 ? ToEngineText(U(c.utf8Text)) : "") << where;
    }
  }
}

// Written in pieces as a whole (the codec fuzzer holds this for any bytes).
TEST(FileText, WrittenAsTheUnicodeTextOfTheEngineBytes) {
  // Breaks of every kind, a lone "\r", a character outside GBK, a byte that is not GB18030.
  const std::string engine = "\xB1\xAD\r\n\r\nx\ry\r\n\x95\x32\x82\x36\n\xFFz\r\n";
  QByteArray written;
  WriteEngineText(
      engine, kGb, [&](QByteArrayView piece) { written.append(piece); }, 1);
  EXPECT_EQ(written, EncodeFileText(FromEngineText(engine), kGb));
  EXPECT_EQ(FromEngineText(engine), U("杯\n\nx\ry\n\xF0\xA0\x80\x80\n\xEF\xBF\xBDz\n"));
  // Written without a byte-order mark.
  EXPECT_EQ(EncodeFileText(U("杯"), kUtf8), QByteArray("\xE6\x9D\xAF"));
  EXPECT_EQ(EncodeFileText(U("杯\xF0\xA0\x80\x80"), kGb), QByteArray("\xB1\xAD\x95\x32\x82\x36"));
}

// A file's lines, split where NextFileLineBreak finds its breaks, are the engine text's, split at
// "\r\n": characters outside GBK beside the separators, the breaks the engine keeps (vertical
// tab, next line) and the ends included.
TEST(FileText, LineBreaksAreTheEngineTextsLines) {
  const char* const texts[] = {
      "a\r\nb\nc\rd\xE2\x80\xA8"
      "e\xE2\x80\xA9"
      "f\vg\xC2\x85h\r\r\n",
      "\xE2\x80\xA9\xC2\xA0\xE2\x80\xA8\xF0\xA0\x80\x80\xE2\x80\xA8\xE3\x80\x80\xE2\x80\xAF\r",
      "杯",
      "",
  };
  for (const char* text : texts) {
    for (const FileEncoding encoding : {kUtf8, kGb}) {
      const QByteArray bytes = EncodeFileText(U(text), encoding);
      QStringList lines;
      for (qsizetype from = 0; from < bytes.size();) {
        const FileLineBreak end = NextFileLineBreak(bytes, from, encoding);
        const QByteArrayView line = bytes.sliced(from, end.pos - from);
        lines.append(FromEngineText(FileToEngineText(line, encoding).bytes));
        from = end.pos + end.length;
      }
      const std::string engine = FileToEngineText(bytes, encoding).bytes;
      EXPECT_EQ(lines.join(u'\n'), FromEngineText(engine).chopped(engine.ends_with("\r\n") ? 1 : 0))
          << text;
    }
  }
}

// Megabytes of text are converted in parts side by side; the parts join as the text was, so the
// whole converts as its one short unit does, repeated. An invalid byte far in is found where it is.
TEST(FileText, TextsOfMegabytesConvertAsAWhole) {
  // Breaks of every kind, a lone "\r" before the next unit, a character outside GBK.
  const QByteArray unit = "杯a\r\n\n\xE2\x80\xA8\xF0\xA0\x80\x80。\r";
  const qsizetype units = (qsizetype{3} << 20) / unit.size();
  const QByteArray utf8 = "\xEF\xBB\xBF" + unit.repeated(units);
  const std::string unitEngine = FileToEngineText(unit, kUtf8).bytes;
  std::string engine;
  for (qsizetype i = 0; i < units; ++i) engine += unitEngine;
  EXPECT_TRUE(FileToEngineText(utf8, kUtf8).bytes == engine);
  EXPECT_TRUE(ToEngineText(QString::fromUtf8(utf8.sliced(3))) == engine);
  EXPECT_TRUE(FromEngineText(engine) == FromEngineText(unitEngine).repeated(units));
  QByteArray written, unitWritten;
  WriteEngineText(engine, kUtf8, [&](QByteArrayView piece) { written.append(piece); });
  WriteEngineText(unitEngine, kUtf8, [&](QByteArrayView piece) { unitWritten.append(piece); });
  EXPECT_TRUE(written == unitWritten.repeated(units));
  const qsizetype nearEnd = 3 + units * 3 / 4 * unit.size();
  EXPECT_EQ(FileToEngineText(QByteArray(utf8).insert(nearEnd, '\xFF'), kUtf8).errorOffset, nearEnd);
}

}  // namespace
