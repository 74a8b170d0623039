// Where the engine's message boxes go. The front end decides: the window shows a modal box, the
// command line writes to standard error, tests record the texts.
#pragma once

#include <functional>
#include <string>

// Receives one message as GBK text.
using MessageSink = std::function<void(const std::string& message)>;

// Installs `sink` and returns the one it replaces. Without a sink, messages are dropped.
MessageSink SetMessageSink(MessageSink sink);

// Hands `message` to the installed sink; returns once the sink has dealt with it.
void ShowMessage(const std::string& message);
