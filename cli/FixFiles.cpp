#include "FixFiles.h"

#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <vector>

namespace {

constexpr int kContextLines = 3;

// A line of a file's bytes: where it starts, its length without its break, and with it.
struct Line {
  qsizetype start = 0;
  qsizetype length = 0;
  qsizetype withBreak = 0;
};

// The lines of `bytes`, each ending at the break that `nextBreak(from)` (a FileLineBreak) finds
// after its start. A text that ends in a break has no empty line after it.
template <typename NextBreak>
std::vector<Line> LinesOf(QByteArrayView bytes, NextBreak nextBreak) {
  std::vector<Line> lines;
  for (qsizetype start = 0; start < bytes.size();) {
    const FileLineBreak end = nextBreak(start);
    lines.push_back({start, end.pos - start, end.pos + end.length - start});
    start = end.pos + end.length;
  }
  return lines;
}

// The lines of `bytes` as a diff has them, split at "\r\n", "\r" and "\n", which are no part of
// another character in UTF-8 or GB18030.
std::vector<Line> DiffLinesOf(QByteArrayView bytes) {
  return LinesOf(bytes, [bytes](qsizetype from) {
    const auto end = std::find_if(bytes.begin() + from, bytes.end(),
                                  [](char c) { return c == '\r' || c == '\n'; });
    const qsizetype pos = end - bytes.begin();
    if (end == bytes.end()) return FileLineBreak{pos, 0};
    return FileLineBreak{pos, *end == '\r' && pos + 1 < bytes.size() && end[1] == '\n' ? 2 : 1};
  });
}

std::vector<std::string_view> EngineLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

qsizetype ByteOrderMarkLength(QByteArrayView bytes, FileEncoding encoding) {
  const QByteArrayView mark = encoding == FileEncoding::Utf8 ? QByteArrayView("\xEF\xBB\xBF")
                                                             : QByteArrayView("\x84\x31\x95\x33");
  return bytes.startsWith(mark) ? mark.size() : 0;
}

QByteArrayView Bytes(QByteArrayView text, const Line& line, bool withBreak) {
  return text.sliced(line.start, withBreak ? line.withBreak : line.length);
}

// One line of a diff with its sign; a line without a break is told so, as diff does.
void AppendDiffLine(QByteArray& diff, char sign, QByteArrayView text, const Line& line) {
  diff.append(sign).append(Bytes(text, line, true));
  if (line.withBreak == line.length) diff.append("\n\\ No newline at end of file\n");
}

}  // namespace

FixedFile FixedFileBytes(QByteArrayView original, std::string_view before, std::string_view after,
                         FileEncoding encoding) {
  const qsizetype mark = ByteOrderMarkLength(original, encoding);
  const QByteArrayView body = original.sliced(mark);
  const std::vector<Line> lines =
      LinesOf(body, [&](qsizetype from) { return NextFileLineBreak(body, from, encoding); });
  const std::vector<std::string_view> old = EngineLines(before);
  const std::vector<std::string_view> fixed = EngineLines(after);
  if (old.size() != lines.size() || fixed.size() != lines.size()) {
    return {{}, QStringLiteral("holds a line break the fixes cannot keep; not changed")};
  }
  FixedFile file;
  file.bytes.reserve(original.size() + 64);
  file.bytes.append(original.first(mark));
  for (size_t i = 0; i < lines.size(); ++i) {
    if (fixed[i] == old[i]) {
      file.bytes.append(Bytes(body, lines[i], true));
      continue;
    }
    file.bytes.append(EncodeFileText(FromEngineText(fixed[i]), encoding));
    file.bytes.append(body.sliced(lines[i].start + lines[i].length,
                                  lines[i].withBreak - lines[i].length));
  }
  return file;
}

QByteArray UnifiedDiff(const QString& path, QByteArrayView before, QByteArrayView after) {
  const std::vector<Line> old = DiffLinesOf(before);
  const std::vector<Line> fixed = DiffLinesOf(after);
  std::vector<size_t> changed;
  for (size_t i = 0; i < old.size() && i < fixed.size(); ++i) {
    if (Bytes(before, old[i], true) != Bytes(after, fixed[i], true)) changed.push_back(i);
  }
  if (changed.empty()) return {};
  QByteArray diff = "--- " + path.toUtf8() + "\n+++ " + path.toUtf8() + "\n";
  for (size_t c = 0; c < changed.size();) {
    // A hunk runs on while the next change is within twice the context of the last.
    size_t last = c;
    while (last + 1 < changed.size() && changed[last + 1] - changed[last] <= 2 * kContextLines) {
      ++last;
    }
    const size_t first = changed[c] >= kContextLines ? changed[c] - kContextLines : 0;
    const size_t end = std::min(changed[last] + kContextLines + 1, old.size());
    const QByteArray range = QByteArray::number(first + 1) + "," + QByteArray::number(end - first);
    diff.append("@@ -" + range + " +" + range + " @@\n");
    for (size_t i = first; i < end; ++i) {
      const bool isChanged = std::binary_search(changed.begin() + c, changed.begin() + last + 1, i);
      if (!isChanged) {
        AppendDiffLine(diff, ' ', before, old[i]);
        continue;
      }
      AppendDiffLine(diff, '-', before, old[i]);
      AppendDiffLine(diff, '+', after, fixed[i]);
    }
    c = last + 1;
  }
  return diff;
}

QString ReplaceFile(const QString& path, QByteArrayView bytes) {
  // A file nobody may write is the user's way of keeping it, whoever runs the program.
  const QFileInfo info(path);
  if (!info.isWritable() ||
      !(info.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup |
                              QFileDevice::WriteOther))) {
    return QStringLiteral("cannot write: permission denied");
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return QStringLiteral("cannot write: %1").arg(file.errorString());
  }
  if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.commit()) {
    return QStringLiteral("cannot write: %1").arg(file.errorString());
  }
  return {};
}
