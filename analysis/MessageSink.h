// Where the engine's message boxes go. The front end decides: the window shows a modal box, the
// command line writes to standard error, tests record the texts.
#pragma once

#include <functional>
#include <string>
#include <utility>

// Receives one message as GBK text.
using MessageSink = std::function<void(const std::string& message)>;

// Installs `sink` and returns the one it replaces. Without a sink, messages are dropped.
MessageSink SetMessageSink(MessageSink sink);

// Installs a sink for as long as it lives, then puts back the one it replaced.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink sink) : previous_(SetMessageSink(std::move(sink))) {}
  ~ScopedMessageSink() { SetMessageSink(std::move(previous_)); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink previous_;
};

// Hands `message` to the installed sink; returns once the sink has dealt with it.
void ShowMessage(const std::string& message);
