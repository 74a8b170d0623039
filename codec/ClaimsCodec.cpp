#include "ClaimsCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <future>
#include <iterator>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "Gb18030Cache.h"

namespace {

constexpr QChar kByteOrderMark(0xFEFF);
constexpr QChar kReplacement(QChar::ReplacementCharacter);

QStringEncoder MakeEncoder(FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? QStringEncoder(QStringConverter::Utf8, kConverterFlags)
                                        : QStringEncoder(kGb18030, kConverterFlags);
}

QStringDecoder MakeDecoder(FileEncoding encoding) {
  return encoding == FileEncoding::Utf8 ? QStringDecoder(QStringConverter::Utf8, kConverterFlags)
                                        : QStringDecoder(kGb18030, kConverterFlags);
}

// The line breaks beside "\r" and "\n" that a text box may hold.
constexpr QChar kSeparators[] = {QChar::LineSeparator, QChar::ParagraphSeparator};

// Asked of every character, so most are passed over by one comparison.
inline bool IsBreak(QChar c) {
  if (c.unicode() > kSeparators[1].unicode()) return false;
  return c == u'\n' || c == kSeparators[0] || c == kSeparators[1];
}

// The first line break at or after `from`, or -1. A text box holds paragraph separators where a
// file holds "\n".
qsizetype NewlineFrom(QStringView text, qsizetype from) {
  const auto hit = std::find_if(text.begin() + from, text.end(), IsBreak);
  return hit == text.end() ? -1 : hit - text.begin();
}
qsizetype NewlineFrom(QByteArrayView bytes, qsizetype from) { return bytes.indexOf('\n', from); }

// Calls `take(piece, offset)` for each piece of `text` in turn until it returns false. A piece
// runs from at least `pieceSize` units on to just past the next line break, or to the end. A "\n"
// is never part of another character in UTF-16, UTF-8 or GB18030, so every piece starts at a
// character, "\r\n" is never cut, and each piece converts as it would within the whole text.
template <typename View, typename Take>
void ForEachPiece(View text, qsizetype pieceSize, Take take) {
  pieceSize = std::max<qsizetype>(pieceSize, 1);
  for (qsizetype from = 0; from < text.size();) {
    qsizetype end = text.size();
    if (from + pieceSize < text.size()) {
      const qsizetype newline = NewlineFrom(text, from + pieceSize - 1);
      if (newline >= 0) end = newline + 1;
    }
    if (!take(text.sliced(from, end - from), from)) return;
    from = end;
  }
}

// A text of at least twice this many bytes or characters is split into parts converted side by
// side, one per core; below it a thread costs more than it saves.
constexpr qsizetype kMinPartSize = qsizetype{1} << 17;

// Where `text` ends its parts: about equal parts, one per core, each ending just past a line break
// so that it converts as it would within the whole text; a single part for a short text.
template <typename View>
std::vector<qsizetype> PartEnds(View text) {
  static const qsizetype cores = std::max(1U, std::thread::hardware_concurrency());
  const qsizetype parts = std::clamp<qsizetype>(text.size() / kMinPartSize, 1, cores);
  std::vector<qsizetype> ends;
  for (qsizetype i = 1; i < parts; ++i) {
    const qsizetype from = std::max(text.size() / parts * i, ends.empty() ? 0 : ends.back());
    const qsizetype newline = NewlineFrom(text, from);
    if (newline < 0) break;
    ends.push_back(newline + 1);
  }
  ends.push_back(text.size());
  return ends;
}

// Calls `convert(part, offset, index)` for each part of `text`: the first on the calling thread,
// the others each on a thread of its own (or here, when no thread can be started). Returns once
// all are done.
template <typename View, typename Convert>
void ConvertSideBySide(View text, const std::vector<qsizetype>& ends, Convert convert) {
  const auto run = [&](size_t i) {
    const qsizetype begin = i == 0 ? 0 : ends[i - 1];
    convert(text.sliced(begin, ends[i] - begin), begin, i);
  };
  std::vector<std::future<void>> others;
  for (size_t i = 1; i < ends.size(); ++i) {
    try {
      others.push_back(std::async(std::launch::async, run, i));
    } catch (const std::system_error&) {
      run(i);
    }
  }
  run(0);
  for (std::future<void>& other : others) other.get();
}

inline bool IsLineEnd(QChar c) { return c == u'\r' || IsBreak(c); }

// Appends the engine's bytes for one piece of Unicode text to `out`, every line break as "\r\n"
// ("\r\n" itself counts as one break). Each character is taken from the cache where it answers;
// from the first it does not, the rest of the line goes to the library with the break that ends
// it, as the library would see them within the whole text. `scratch` is room the caller keeps
// from piece to piece.
void AppendEngineBytes(QStringEncoder& encoder, QStringView text, QString& scratch,
                       std::string& out) {
  // A character the cache answers is at most two bytes, and so is a break.
  size_t written = out.size();
  out.resize(written + 2 * static_cast<size_t>(text.size()));
  char* at = out.data() + written;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (IsLineEnd(c)) {
      *at++ = '\r';
      *at++ = '\n';
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      continue;
    }
    const uint16_t bytes = Gb18030BytesOf(c.unicode());
    if (bytes < 0x80) {
      *at++ = static_cast<char>(bytes);
      continue;
    }
    if (bytes != kAskLibrary) {
      *at++ = static_cast<char>(bytes >> 8);
      *at++ = static_cast<char>(bytes & 0xFF);
      continue;
    }
    qsizetype end = std::find_if(text.begin() + i, text.end(), IsLineEnd) - text.begin();
    scratch.resize(0);
    scratch.append(text.sliced(i, end - i));
    if (end < text.size()) {
      scratch.append(u"\r\n");
      if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
      ++end;
    }
    written = static_cast<size_t>(at - out.data());
    out.resize(written + static_cast<size_t>(encoder.requiredSpace(scratch.size())) +
               2 * static_cast<size_t>(text.size() - end));
    at = encoder.appendToBuffer(out.data() + written, scratch);
    i = end - 1;
  }
  out.resize(static_cast<size_t>(at - out.data()));
}

// Room for the engine's bytes of `units` bytes or characters: about what they take in GBK, so
// that the text is seldom moved while it grows, and room for the converter to write one piece.
size_t EngineRoom(qsizetype units, qsizetype pieceSize) {
  return static_cast<size_t>(units + units / 4 + 4 * std::min(units, pieceSize));
}

// `out` becomes the decoded `bytes`; its room is kept from call to call.
void DecodeInto(QStringDecoder& decoder, QByteArrayView bytes, QString& out) {
  out.resize(decoder.requiredSpace(bytes.size()));
  out.truncate(decoder.appendToBuffer(out.data(), bytes) - out.constData());
}

// The character of the engine's bytes at `pos` of `piece` and its length, from the cache; a
// length of 0 where the cache does not answer.
inline std::pair<char16_t, qsizetype> CachedCharAt(QByteArrayView piece, qsizetype pos) {
  const auto first = static_cast<unsigned char>(piece[pos]);
  if (first < 0x80) return {Gb18030CharOfByte(first), 1};
  if (pos + 1 == piece.size()) return {0, 0};
  const char16_t c = Gb18030CharOf(first, static_cast<unsigned char>(piece[pos + 1]));
  return {c, c == 0 ? 0 : 2};
}

// Calls `take` with the Unicode text of each piece of `part` of the engine's bytes in turn, every
// "\r\n" as "\n" (neither byte is ever part of a GB18030 character). Each character is taken
// from the cache where it answers; from the first it does not, the rest of the line goes to the
// library with its "\n", as the library would see them within the whole text.
template <typename Take>
void DecodeEnginePart(QByteArrayView part, qsizetype pieceSize, Take take) {
  QStringDecoder decoder(kGb18030, kConverterFlags);
  QByteArray line;
  QString text;
  ForEachPiece(part, pieceSize, [&](QByteArrayView piece, qsizetype) {
    // A character the cache answers is one unit of at least one byte.
    text.resize(piece.size());
    QChar* at = text.data();
    for (qsizetype pos = 0; pos < piece.size();) {
      if (piece[pos] == '\r' && pos + 1 < piece.size() && piece[pos + 1] == '\n') {
        ++pos;
        continue;
      }
      const auto [c, length] = CachedCharAt(piece, pos);
      if (c != 0) {
        *at++ = QChar(c);
        pos += length;
        continue;
      }
      const qsizetype newline = piece.indexOf('\n', pos);
      const qsizetype end = newline < 0 ? piece.size() : newline + 1;
      line = piece.sliced(pos, (newline < 0 ? end : newline) - pos).toByteArray();
      if (newline >= 0) {
        if (line.endsWith('\r')) line.chop(1);
        line.append('\n');
      }
      const qsizetype written = at - text.constData();
      text.resize(written + decoder.requiredSpace(line.size()) + piece.size() - end);
      at = decoder.appendToBuffer(text.data() + written, line);
      pos = end;
    }
    text.truncate(at - text.constData());
    take(QStringView(text));
    return true;
  });
}

// Hands `write` the bytes, in `encoding`, of the Unicode text of `part` of the engine's bytes.
template <typename Write>
void EncodeEnginePart(QByteArrayView part, FileEncoding encoding, qsizetype pieceSize,
                      Write write) {
  QStringEncoder encoder = MakeEncoder(encoding);
  QByteArray encoded;
  DecodeEnginePart(part, pieceSize, [&](QStringView text) {
    encoded.resize(encoder.requiredSpace(text.size()));
    encoded.truncate(encoder.appendToBuffer(encoded.data(), text) - encoded.constData());
    write(QByteArrayView(encoded));
  });
}

// The decoder says only that the bytes went wrong, not where. Every invalid sequence leaves a
// replacement character in `decoded`; encoding the text before it again gives the number of bytes
// the decoder had read by then. A replacement character that the bytes really hold is stepped
// over, and when none is left the error is a character cut off at the end of the bytes.
qsizetype FirstInvalidOffset(QByteArrayView bytes, QStringView decoded, FileEncoding encoding) {
  QStringEncoder encoder = MakeEncoder(encoding);
  const QByteArray replacementBytes = encoder.encode(QStringView(&kReplacement, 1));
  qsizetype offset = 0;
  qsizetype from = 0;
  for (qsizetype at = decoded.indexOf(kReplacement); at >= 0;
       at = decoded.indexOf(kReplacement, from)) {
    offset += QByteArray(encoder.encode(decoded.sliced(from, at - from))).size();
    if (!bytes.sliced(std::min(offset, bytes.size())).startsWith(replacementBytes)) return offset;
    offset += replacementBytes.size();
    from = at + 1;
  }
  offset += QByteArray(encoder.encode(decoded.sliced(from))).size();
  return std::min(offset, bytes.size());
}

// The engine's bytes for `part`, which lies at `offset` in the file's bytes; error offsets are
// given in the whole file.
EngineTextResult ConvertFilePart(QByteArrayView part, qsizetype offset, qsizetype room,
                                 FileEncoding encoding, qsizetype pieceSize) {
  QStringDecoder decoder = MakeDecoder(encoding);
  QStringEncoder encoder(kGb18030, kConverterFlags);
  EngineTextResult result;
  result.bytes.reserve(EngineRoom(room, pieceSize));
  QString decoded;
  QString scratch;
  ForEachPiece(part, pieceSize, [&](QByteArrayView piece, qsizetype at) {
    DecodeInto(decoder, piece, decoded);
    if (decoder.hasError()) {
      result.errorOffset = offset + at + FirstInvalidOffset(piece, decoded, encoding);
      return false;
    }
    QStringView text(decoded);
    if (offset + at == 0 && text.startsWith(kByteOrderMark)) text = text.sliced(1);
    AppendEngineBytes(encoder, text, scratch, result.bytes);
    return true;
  });
  return result;
}

// kSeparators as a file in `encoding` holds them.
std::vector<QByteArray> EncodedSeparators(FileEncoding encoding) {
  QStringEncoder encoder = MakeEncoder(encoding);
  std::vector<QByteArray> encoded;
  for (QChar separator : kSeparators) encoded.push_back(encoder.encode(QStringView(&separator, 1)));
  return encoded;
}

// The bytes of the character at `pos` of a file's valid bytes in `encoding`.
qsizetype FileCharLength(QByteArrayView bytes, qsizetype pos, FileEncoding encoding) {
  const auto lead = static_cast<unsigned char>(bytes[pos]);
  qsizetype length = 1;
  if (lead >= 0x80 && encoding == FileEncoding::Utf8) {
    length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  } else if (lead >= 0x80) {
    // GB18030: a digit in the second place makes a four-byte character.
    const bool four = pos + 1 < bytes.size() && bytes[pos + 1] >= '0' && bytes[pos + 1] <= '9';
    length = four ? 4 : 2;
  }
  return std::min(length, bytes.size() - pos);
}

}  // namespace

FileLineBreak NextFileLineBreak(QByteArrayView bytes, qsizetype from, FileEncoding encoding) {
  static const std::vector<QByteArray> utf8 = EncodedSeparators(FileEncoding::Utf8);
  static const std::vector<QByteArray> gb18030 = EncodedSeparators(FileEncoding::Gb18030);
  const std::vector<QByteArray>& separators = encoding == FileEncoding::Utf8 ? utf8 : gb18030;
  // Walked a character at a time, so that a separator's bytes count only where a character
  // begins.
  for (qsizetype pos = from; pos < bytes.size(); pos += FileCharLength(bytes, pos, encoding)) {
    const char c = bytes[pos];
    if (c == '\n') return {pos, 1};
    if (c == '\r') return {pos, pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? 2 : 1};
    for (const QByteArray& separator : separators) {
      if (c == separator[0] && bytes.sliced(pos).startsWith(separator)) {
        return {pos, separator.size()};
      }
    }
  }
  return {bytes.size(), 0};
}

std::string ToEngineText(const QString& text) {
  const std::vector<qsizetype> ends = PartEnds(QStringView(text));
  std::vector<std::string> parts(ends.size());
  ConvertSideBySide(QStringView(text), ends, [&](QStringView part, qsizetype, size_t i) {
    QStringEncoder encoder(kGb18030, kConverterFlags);
    // The first part holds room for them all, so that the others join it without a move.
    parts[i].reserve(EngineRoom(2 * (i == 0 ? text.size() : part.size()), kPieceSize));
    QString scratch;
    ForEachPiece(part, kPieceSize, [&](QStringView piece, qsizetype) {
      AppendEngineBytes(encoder, piece, scratch, parts[i]);
      return true;
    });
  });
  for (size_t i = 1; i < parts.size(); ++i) parts[0].append(parts[i]);
  return std::move(parts[0]);
}

QString FromEngineText(std::string_view bytes) {
  const QByteArrayView all(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::vector<qsizetype> ends = PartEnds(all);
  std::vector<QString> parts(ends.size());
  ConvertSideBySide(all, ends, [&](QByteArrayView part, qsizetype, size_t i) {
    // A GB18030 character, or an invalid byte, is never fewer bytes than UTF-16 units; the first
    // part holds room for them all.
    parts[i].reserve(i == 0 ? all.size() : part.size());
    DecodeEnginePart(part, kPieceSize, [&](QStringView text) { parts[i].append(text); });
  });
  for (size_t i = 1; i < parts.size(); ++i) parts[0].append(parts[i]);
  return std::move(parts[0]);
}

EngineTextResult FileToEngineText(QByteArrayView bytes, FileEncoding encoding,
                                  qsizetype pieceSize) {
  const std::vector<qsizetype> ends = PartEnds(bytes);
  std::vector<EngineTextResult> parts(ends.size());
  ConvertSideBySide(bytes, ends, [&](QByteArrayView part, qsizetype offset, size_t i) {
    // The first part holds room for them all, so that the others join it without a move.
    const qsizetype room = i == 0 ? bytes.size() : part.size();
    parts[i] = ConvertFilePart(part, offset, room, encoding, pieceSize);
  });
  EngineTextResult result = std::move(parts[0]);
  for (size_t i = 1; i < parts.size() && !result.errorOffset; ++i) {
    result.errorOffset = parts[i].errorOffset;
    result.bytes.append(parts[i].bytes);
  }
  if (result.errorOffset) result.bytes = std::string();
  return result;
}

void WriteEngineText(std::string_view bytes, FileEncoding encoding,
                     const std::function<void(QByteArrayView)>& write, qsizetype pieceSize) {
  const QByteArrayView all(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const std::vector<qsizetype> ends = PartEnds(all);
  // The first part is written as it is converted; the others wait their turn, converted whole.
  std::vector<QByteArray> later(ends.size());
  ConvertSideBySide(all, ends, [&](QByteArrayView part, qsizetype, size_t i) {
    if (i == 0) {
      EncodeEnginePart(part, encoding, pieceSize, write);
      return;
    }
    later[i].reserve(part.size() + part.size() / 2);
    EncodeEnginePart(part, encoding, pieceSize,
                     [&later, i](QByteArrayView piece) { later[i].append(piece); });
  });
  for (const QByteArray& part : later) {
    if (!part.isEmpty()) write(part);
  }
}

QByteArray EncodeFileText(const QString& text, FileEncoding encoding) {
  QStringEncoder encoder = MakeEncoder(encoding);
  return encoder.encode(text);
}
