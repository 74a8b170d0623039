#include "text/SourceMap.h"

#include <algorithm>

void SourceMap::Record(int32_t pos, int32_t sourcePos, int32_t length, int32_t sourceLength) {
  edits_.push_back({pos, sourcePos, length, sourceLength});
}

int32_t SourceMap::After(const Edit& edit, int32_t pos) {
  if (pos < edit.pos + edit.length) return edit.sourcePos + std::min(pos - edit.pos, edit.sourceLength);
  return edit.sourcePos + edit.sourceLength + (pos - edit.pos - edit.length);
}

int32_t SourceMap::StartOf(int32_t pos) const {
  // The last edit at `pos` decides: removals there come before the character that stands there.
  const auto next = std::upper_bound(edits_.begin(), edits_.end(), pos,
                                     [](int32_t p, const Edit& e) { return p < e.pos; });
  return next == edits_.begin() ? pos : After(*(next - 1), pos);
}

int32_t SourceMap::EndOf(int32_t end) const {
  // Removals at `end` come after the character that ends there, so only earlier edits count.
  const auto next = std::lower_bound(edits_.begin(), edits_.end(), end,
                                     [](const Edit& e, int32_t p) { return e.pos < p; });
  return next == edits_.begin() ? end : After(*(next - 1), end);
}
