#include <gtest/gtest.h>

#include <QStringDecoder>
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

TEST(FileText, DecodedTextOrOffsetOfFirstInvalidSequence) {
  struct Case {
    QByteArray bytes;
    FileEncoding encoding;
    const char* utf8Text;   // empty when the bytes are invalid
    qsizetype errorOffset;  // -1 when they are valid
  } const cases[] = {
      {"\xEF\xBB\xBF\xEF\xBB\xBFx\xEF\xBB\xBFy", kUtf8, "\xEF\xBB\xBFx\xEF\xBB\xBFy", -1},
      {"\xEF\xBF\xBD", kUtf8, "\xEF\xBF\xBD", -1},
      {"ab\xFFxy", kUtf8, "", 2},
      {"\xE6\x9D\xAF\xE4\xB8", kUtf8, "", 3},
      {"\xEF\xBB\xBF\x80", kUtf8, "", 3},
      {"\xEF\xBF\xBDx\x80", kUtf8, "", 4},
      {"\x84\x31\x95\x33\xB1\xAD\x95\x32\x82\x36\r\n", kGb, "杯\xF0\xA0\x80\x80\r\n", -1},
      {"a\x80z", kGb, "", 1},
      {"\xB1\xAD\x95\x32\x82", kGb, "", 2},
      {"\x84\x31\xA4\x37\xFF", kGb, "", 4},
  };
  for (const Case& c : cases) {
    const DecodeResult result = DecodeFileBytes(c.bytes, c.encoding);
    EXPECT_EQ(result.errorOffset.value_or(-1), c.errorOffset) << c.bytes.toHex(' ').data();
    EXPECT_EQ(result.text, U(c.utf8Text)) << c.bytes.toHex(' ').data();
  }
  // Written without a byte-order mark.
  EXPECT_EQ(EncodeFileText(U("杯"), kUtf8), QByteArray("\xE6\x9D\xAF"));
  EXPECT_EQ(EncodeFileText(U("杯\xF0\xA0\x80\x80"), kGb), QByteArray("\xB1\xAD\x95\x32\x82\x36"));
}

}  // namespace
