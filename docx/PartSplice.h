// A part changed only where something is put in: its text with spans replaced, every other
// character as it was.
#pragma once

#include <QString>
#include <algorithm>
#include <vector>

struct Splice {
  qsizetype start = 0;  // UTF-16 offsets in the part's text
  qsizetype end = 0;
  QString text;         // what goes in place of [start, end)
};

// `text` with `splices` (none overlapping another) made.
inline QString Spliced(const QString& text, std::vector<Splice> splices) {
  std::stable_sort(splices.begin(), splices.end(),
                   [](const Splice& a, const Splice& b) { return a.start < b.start; });
  QString out;
  out.reserve(text.size() + text.size() / 8);
  qsizetype copied = 0;
  for (const Splice& splice : splices) {
    out += QStringView(text).mid(copied, splice.start - copied);
    out += splice.text;
    copied = splice.end;
  }
  out += QStringView(text).mid(copied);
  return out;
}
