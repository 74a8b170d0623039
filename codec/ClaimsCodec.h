// The one crossing between Unicode text (the window, UTF-8 files) and the engine's GB18030/GBK
// bytes. GB18030 is GBK for every GBK character and keeps every other character too, so nothing
// is lost on the way in or out.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The engine's bytes for `text`: every line break ("\r\n", "\n", a lone "\r", and the paragraph
// and line separators a rich text box may hold) becomes "\r\n", then GB18030.
std::string ToEngineText(const QString& text);

// The Unicode text of the engine's bytes, with every "\r\n" turned into "\n".
QString FromEngineText(std::string_view bytes);

enum class FileEncoding { Utf8, Gb18030 };

// Long texts are converted a piece at a time, each piece running from about this many bytes (or
// characters) on to the next "\n", so that no Unicode copy of a whole file is ever held. Texts of
// megabytes are also split into parts converted side by side, one per core.
inline constexpr qsizetype kPieceSize = qsizetype{1} << 16;

// The engine's bytes for the contents of a file, or where they stop being valid.
struct EngineTextResult {
  std::string bytes;                     // valid only when errorOffset is empty
  std::optional<qsizetype> errorOffset;  // byte offset of the first invalid sequence
};

// The file's bytes decoded and then converted as ToEngineText converts. A byte-order mark at the
// start (EF BB BF in UTF-8, 84 31 95 33 in GB18030) is not part of the text. Bytes that stop in the
// middle of a character are invalid; the offset is that of the first byte of the sequence that
// cannot be read. `pieceSize` (at least 1) changes only the work, never the result.
EngineTextResult FileToEngineText(QByteArrayView bytes, FileEncoding encoding,
                                  qsizetype pieceSize = kPieceSize);

// Hands `write` the file bytes, in `encoding` and without a byte-order mark, of
// FromEngineText(bytes), in order and in pieces of at most about `pieceSize` (at least 1) bytes of
// the engine's text each.
void WriteEngineText(std::string_view bytes, FileEncoding encoding,
                     const std::function<void(QByteArrayView)>& write,
                     qsizetype pieceSize = kPieceSize);

// A line break of a file's bytes: where it starts and its bytes.
struct FileLineBreak {
  qsizetype pos = 0;
  qsizetype length = 0;
};

// The first line break at or after `from` (a character boundary) in `bytes`, a file's bytes in
// `encoding`: one that FileToEngineText makes "\r\n" ("\r\n", "\n", a lone "\r" and the line
// and paragraph separators), so that the file has as many lines as its engine text has. With no
// break after `from`, {bytes.size(), 0}.
FileLineBreak NextFileLineBreak(QByteArrayView bytes, qsizetype from, FileEncoding encoding);

// Encodes `text` for writing to a file or stream, without a byte-order mark.
QByteArray EncodeFileText(const QString& text, FileEncoding encoding);
