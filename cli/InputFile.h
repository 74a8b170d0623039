// Reading the bytes of one input: a named file, or standard input for "-".
#pragma once

#include <QByteArray>
#include <QString>

// The most bytes one input may hold: the checker keeps positions in 32-bit integers and its
// report grows beyond the text it is given.
inline constexpr qint64 kMaxInputBytes = qint64{1} << 30;

struct InputBytes {
  QByteArray bytes;  // valid only when error is empty
  QString error;     // why nothing could be read, for a message naming the input
};

// The error for an input larger than kMaxInputBytes.
QString TooLargeError();

// The name under which `path` appears in messages and headers: "standard input" for "-".
QString InputDisplayName(const QString& path);

// All bytes of `path` ("-" reads standard input). A missing or unreadable input, a directory and
// an input larger than kMaxInputBytes give an error; a file whose size is known is refused before
// any of it is read, a stream as soon as it passes the limit.
InputBytes ReadInput(const QString& path);
