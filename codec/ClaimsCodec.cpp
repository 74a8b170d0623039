#include "ClaimsCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace {

constexpr char kGb18030[] = "GB18030";
constexpr QChar kByteOrderMark(0xFEFF);
constexpr QChar kReplacement(QChar::ReplacementCharacter);

// Stateless: bytes cut off in the middle of a character are an error, not a wait for more.
// ConvertInitialBom: a leading byte-order mark stays a character, so the caller decides.
constexpr QStringConverter::Flags kFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

QStringEncoder MakeEncoder(FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? QStringEncoder(QStringConverter::Utf8, kFlags)
                                        : QStringEncoder(kGb18030, kFlags);
}

QStringDecoder MakeDecoder(FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? QStringDecoder(QStringConverter::Utf8, kFlags)
                                        : QStringDecoder(kGb18030, kFlags);
}

bool HasAt(const QByteArray& bytes, qsizetype pos, const QByteArray& needle) {
  return pos <= bytes.size() && QByteArrayView(bytes).sliced(pos).startsWith(needle);
}

bool IsBreak(QChar c) {
  return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// Every line break becomes "\r\n"; "\r\n" itself counts as one break. The runs between breaks are
// copied whole.
QString WithCrLfBreaks(const QString& text) {
  QString out;
  out.reserve(text.size() + text.size() / 8);
  qsizetype copied = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && !IsBreak(c)) continue;
    out.append(QStringView(text).sliced(copied, i - copied)).append(u"\r\n");
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    copied = i + 1;
  }
  out.append(QStringView(text).sliced(copied));
  return out;
}

// The decoder says only that the bytes went wrong, not where. Every invalid sequence leaves a
// replacement character in `decoded`; encoding the text before it again gives the number of bytes
// the decoder had read by then. A replacement character that the bytes really hold is stepped
// over, and when none is left the error is a character cut off at the end of the bytes.
qsizetype FirstInvalidOffset(const QByteArray& bytes, const QString& decoded,
                             FileEncoding encoding) {
  QStringEncoder encoder = MakeEncoder(encoding);
  const QByteArray replacementBytes = encoder.encode(QString(kReplacement));
  qsizetype offset = 0;
  qsizetype from = 0;
  for (qsizetype at = decoded.indexOf(kReplacement); at >= 0;
       at = decoded.indexOf(kReplacement, from)) {
    offset += QByteArray(encoder.encode(QStringView(decoded).sliced(from, at - from))).size();
    if (!HasAt(bytes, offset, replacementBytes)) return offset;
    offset += replacementBytes.size();
    from = at + 1;
  }
  offset += QByteArray(encoder.encode(QStringView(decoded).sliced(from))).size();
  return std::min(offset, bytes.size());
}

}  // namespace

std::string ToEngineText(const QString& text) {
  QStringEncoder encoder(kGb18030, kFlags);
  const QByteArray bytes = encoder.encode(WithCrLfBreaks(text));
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString FromEngineText(std::string_view bytes) {
  QStringDecoder decoder(kGb18030, kFlags);
  const QString text =
      decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  // One pass: QString::replace moves the tail once per block of matches, which grows with the
  // length of the report times its number of lines.
  QString result;
  result.reserve(text.size());
  qsizetype copied = 0;
  for (qsizetype pos = text.indexOf(u"\r\n"); pos != -1; pos = text.indexOf(u"\r\n", copied)) {
    result.append(QStringView(text).sliced(copied, pos - copied)).append(u'\n');
    copied = pos + 2;
  }
  result.append(QStringView(text).sliced(copied));
  return result;
}

DecodeResult DecodeFileBytes(const QByteArray& bytes, FileEncoding encoding) {
  QStringDecoder decoder = MakeDecoder(encoding);
  DecodeResult result;
  result.text = decoder.decode(bytes);
  if (decoder.hasError()) {
    result.errorOffset = FirstInvalidOffset(bytes, result.text, encoding);
    result.text.clear();
    return result;
  }
  if (result.text.startsWith(kByteOrderMark)) result.text.remove(0, 1);
  return result;
}

QByteArray EncodeFileText(const QString& text, FileEncoding encoding) {
  QStringEncoder encoder = MakeEncoder(encoding);
  return encoder.encode(text);
}
