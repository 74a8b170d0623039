#include "MessageSink.h"

#include <utility>

namespace {
MessageSink& CurrentSink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
  return std::exchange(CurrentSink(), std::move(sink));
}

void ShowMessage(const std::string& message) {
  if (CurrentSink()) CurrentSink()(message);
}
