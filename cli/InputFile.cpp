#include "InputFile.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace {

// Reads in chunks, so that a stream without a known size (a pipe) is cut off at the limit
// instead of being held whole first. A file of known size is read into room made for it once.
InputBytes ReadAll(QFile& file) {
  InputBytes input;
  if (!file.isSequential()) {
    if (file.size() > kMaxInputBytes) return {{}, TooLargeError()};
    input.bytes.reserve(file.size());
  }
  std::array<char, 1 << 16> chunk;
  for (;;) {
    const qint64 got = file.read(chunk.data(), chunk.size());
    if (got < 0) return {{}, QStringLiteral("cannot read: %1").arg(file.errorString())};
    if (got == 0) return input;
    if (input.bytes.size() + got > kMaxInputBytes) return {{}, TooLargeError()};
    input.bytes.append(chunk.data(), got);
  }
}

}  // namespace

QString TooLargeError() {
  return QStringLiteral("too large: the checker takes at most %1 bytes (1 GiB)")
      .arg(kMaxInputBytes);
}

QString InputDisplayName(const QString& path) {
  return path == u'-' ? QStringLiteral("standard input") : path;
}

InputBytes ReadInput(const QString& path) {
  QFile file;
  if (path == u'-') {
    if (!file.open(stdin, QIODevice::ReadOnly)) {
      return {{}, QStringLiteral("cannot read: %1").arg(file.errorString())};
    }
    return ReadAll(file);
  }
  if (QFileInfo(path).isDir()) return {{}, QStringLiteral("is a directory")};
  file.setFileName(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return {{}, QStringLiteral("cannot open: %1").arg(file.errorString())};
  }
  return ReadAll(file);
}
