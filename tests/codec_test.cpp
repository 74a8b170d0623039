#include <gtest/gtest.h>

#include <QStringDecoder>
#include <ostream>
#include <string>

#include "ClaimsCodec.h"

namespace {

// Unlike QString::fromUtf8, keeps a leading byte-order mark.
QString U(const char* utf8) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
  return decoder.decode(QByteArrayView(utf8));
}

// Characters outside GBK: a rare CJK character (U+20000) and an emoji (U+1F600).
constexpr char kOutsideGbk[] = "\xF0\xA0\x80\x80\xF0\x9F\x98\x80";

TEST(ToEngineText, EveryLineBreakBecomesCrLf) {
  struct Case {
    const char* utf8;
    std::string engine;
  } const cases[] = {
      {"a\r\nb", "a\r\nb"},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\xE2\x80\xA9z", "a\r\nz"},  // paragraph separator
      {"a\xE2\x80\xA8z", "a\r\nz"},  // line separator
      {"a\r\r\nb", "a\r\n\r\nb"},
      {"\n\r", "\r\n\r\n"},
      {"a\r", "a\r\n"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ToEngineText(U(c.utf8)), c.engine) << c.utf8;
}

TEST(ToEngineText, WritesGbkBytes) {
  EXPECT_EQ(ToEngineText(U("1.一种杯子，其特征在于：【】")),
            "1.\xD2\xBB\xD6\xD6\xB1\xAD\xD7\xD3\xA3\xAC\xC6\xE4\xCC\xD8\xD5\xF7\xD4\xDA\xD3\xDA"
            "\xA3\xBA\xA1\xBE\xA1\xBF");
}

TEST(FromEngineText, ReadsGbkAndTurnsCrLfIntoLf) {
  EXPECT_EQ(FromEngineText("\xB1\xAD\xD7\xD3\r\n\r\n[1;\xB8\xB8]"), U("杯子\n\n[1;父]"));
}

TEST(EngineText, CharactersOutsideGbkComeBackUnchanged) {
  const QString text = U("\xEF\xBB\xBF杯") + U(kOutsideGbk) + U("\n\xEF\xBF\xBD");
  const std::string engine = ToEngineText(text);
  EXPECT_EQ(engine.find('?'), std::string::npos);
  EXPECT_EQ(FromEngineText(engine), text);
}

struct DecodeCase {
  const char* name;
  QByteArray bytes;
  FileEncoding encoding;
  const char* utf8Text;  // nullptr when the bytes are invalid
  qsizetype errorOffset;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeFileBytesTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFileBytesTest, TextOrOffsetOfFirstInvalidSequence) {
  const DecodeCase& c = GetParam();
  const DecodeResult result = DecodeFileBytes(c.bytes, c.encoding);
  if (c.utf8Text == nullptr) {
    ASSERT_TRUE(result.errorOffset.has_value());
    EXPECT_EQ(*result.errorOffset, c.errorOffset);
    EXPECT_TRUE(result.text.isEmpty());
  } else {
    EXPECT_FALSE(result.errorOffset.has_value()) << *result.errorOffset;
    EXPECT_EQ(result.text, U(c.utf8Text));
  }
}

constexpr FileEncoding kUtf8 = FileEncoding::Utf8;
constexpr FileEncoding kGb = FileEncoding::Gb18030;

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeFileBytesTest,
    testing::Values(
        DecodeCase{"Empty", "", kUtf8, "", 0},
        DecodeCase{"Utf8Bom", "\xEF\xBB\xBFxy", kUtf8, "xy", 0},
        DecodeCase{"OnlyTheFirstBom", "\xEF\xBB\xBF\xEF\xBB\xBFxy", kUtf8, "\xEF\xBB\xBFxy", 0},
        DecodeCase{"BomInsideText", "a\xEF\xBB\xBFz", kUtf8, "a\xEF\xBB\xBFz", 0},
        DecodeCase{"Utf8OutsideGbk", kOutsideGbk, kUtf8, kOutsideGbk, 0},
        DecodeCase{"Utf8StrayByte", "ab\xFFxy", kUtf8, nullptr, 2},
        DecodeCase{"Utf8CutOffAtEnd", "\xE6\x9D\xAF\xE4\xB8", kUtf8, nullptr, 3},
        DecodeCase{"Utf8Overlong", "x\xC0\x80", kUtf8, nullptr, 1},
        DecodeCase{"Utf8Surrogate", "xy\xED\xA0\x80", kUtf8, nullptr, 2},
        DecodeCase{"Utf8InvalidAfterBom", "\xEF\xBB\xBF\x80", kUtf8, nullptr, 3},
        DecodeCase{"Utf8RealReplacementCharThenInvalid", "\xEF\xBF\xBDx\x80", kUtf8, nullptr, 4},
        DecodeCase{"Utf8RealReplacementChar", "\xEF\xBF\xBD", kUtf8, "\xEF\xBF\xBD", 0},
        DecodeCase{"GbkText", "\xB1\xAD\xD7\xD3\r\n", kGb, "杯子\r\n", 0},
        DecodeCase{"GbFourByte", "\x95\x32\x82\x36\x94\x39\xFC\x36", kGb, kOutsideGbk, 0},
        DecodeCase{"GbBom", "\x84\x31\x95\x33\xB1\xAD", kGb, "杯", 0},
        DecodeCase{"GbStrayByte", "a\x80z", kGb, nullptr, 1},
        DecodeCase{"GbBadTrailByte", "\xB1\xAD\xB1\x20", kGb, nullptr, 2},
        DecodeCase{"GbCutOffAtEnd", "\xB1\xAD\x81", kGb, nullptr, 2},
        DecodeCase{"GbCutOffFourByte", "\xB1\xAD\x95\x32\x82", kGb, nullptr, 2},
        DecodeCase{"GbRealReplacementCharThenInvalid", "\x84\x31\xA4\x37\xFF", kGb, nullptr, 4}),
    [](const testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(EncodeFileText, WritesNoByteOrderMark) {
  EXPECT_EQ(EncodeFileText(U("杯"), kUtf8), QByteArray("\xE6\x9D\xAF"));
  EXPECT_EQ(EncodeFileText(U("杯"), kGb), QByteArray("\xB1\xAD"));
}

TEST(EncodeFileText, RoundTripsThroughDecode) {
  const QString text = U("1.一种杯子，") + U(kOutsideGbk) + U("\r\n");
  for (FileEncoding encoding : {kUtf8, kGb}) {
    const DecodeResult back = DecodeFileBytes(EncodeFileText(text, encoding), encoding);
    EXPECT_EQ(back.text, text);
  }
}

}  // namespace
