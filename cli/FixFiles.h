// What `quillex-check --fix` and `--diff` make of a file: its bytes with the fixes, the unified
// diff between the two, and the file replaced as a whole.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <string_view>

#include "ClaimsCodec.h"

// The bytes of a file after its fixes, or why they cannot be made.
struct FixedFile {
  QByteArray bytes;
  QString error;  // when not empty, bytes is not valid
};

// `original`, the bytes of a file in `encoding`, with the changes that took its engine text
// (FileToEngineText) from `before` to `after`. Fixes never touch a line break, so the two texts
// have the same lines: every line that did not change keeps its bytes, a changed one is written
// in `encoding`, and the byte-order mark and every line's own break ("\r\n", "\n", "\r", a line
// or paragraph separator: NextFileLineBreak) stay. Texts of other lines than the file's get an
// error, and the file is not changed.
FixedFile FixedFileBytes(QByteArrayView original, std::string_view before, std::string_view after,
                         FileEncoding encoding);

// The unified diff (three lines of context, "--- PATH" and "+++ PATH" headers, as `patch -p0`
// and `git apply -p0` read it) from `before` to `after`, two texts of the same lines as
// FixedFileBytes makes them; "" when they are equal.
QByteArray UnifiedDiff(const QString& path, QByteArrayView before, QByteArrayView after);

// Replaces the file at `path` with `bytes`: a new file beside it renamed over it, so that the file
// is either the old one or the new one, never a part; its permissions are kept. A file that may
// not be written is not replaced. Returns why it could not be, or "".
QString ReplaceFile(const QString& path, QByteArrayView bytes);
