// The one crossing between Unicode text (the window, UTF-8 files) and the engine's GB18030/GBK
// bytes. GB18030 is GBK for every GBK character and keeps every other character too, so nothing
// is lost on the way in or out.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

// The engine's bytes for `text`: every line break ("\r\n", "\n", a lone "\r", and the paragraph
// and line separators a rich text box may hold) becomes "\r\n", then GB18030.
std::string ToEngineText(const QString& text);

// The Unicode text of the engine's bytes, with every "\r\n" turned into "\n".
QString FromEngineText(std::string_view bytes);

enum class FileEncoding { Utf8, Gb18030 };

// Decoding of file contents that reports where the bytes stop being valid.
struct DecodeResult {
  QString text;                          // valid only when errorOffset is empty
  std::optional<qsizetype> errorOffset;  // byte offset of the first invalid sequence
};

// Decodes file bytes. A byte-order mark at the start (EF BB BF in UTF-8, 84 31 95 33 in GB18030)
// is not part of the text. Bytes that stop in the middle of a character are invalid; the offset is
// that of the first byte of the sequence that cannot be read.
DecodeResult DecodeFileBytes(const QByteArray& bytes, FileEncoding encoding);

// Encodes `text` for writing to a file or stream, without a byte-order mark.
QByteArray EncodeFileText(const QString& text, FileEncoding encoding);
