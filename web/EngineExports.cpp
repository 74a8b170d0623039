// The engine as the page calls it. Check(bytes) takes the box's text as GB18030 bytes (line breaks
// "\r\n") and returns {shownText, messages, congratulation}: the text to show, the texts the check
// sent to the message sink, in order, and the congratulation to show once the text is on screen
// (null when none is due). Every text is GB18030 bytes in a Uint8Array of its own; the page
// decodes them, and nothing here knows Unicode.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <string_view>

#include "CheckCommand.h"
#include "GbkTexts.h"
#include "MessageSink.h"

namespace {

using emscripten::val;

// A copy of `bytes`, which stays valid after the engine's next call.
val Bytes(std::string_view bytes) {
  return val::global("Uint8Array")
      .new_(emscripten::typed_memory_view(bytes.size(),
                                          reinterpret_cast<const unsigned char*>(bytes.data())));
}

val Check(const std::string& text) {
  val messages = val::array();
  const MessageSink previous = SetMessageSink(
      [&messages](const std::string& message) { messages.call<void>("push", Bytes(message)); });
  const CheckOutcome outcome = RunCheck(text);
  SetMessageSink(previous);

  val result = val::object();
  result.set("shownText", Bytes(outcome.shownText));
  result.set("messages", messages);
  result.set("congratulation",
             outcome.congratulate ? Bytes(gbk::kMessageCongratulation) : val::null());
  return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quillex) { emscripten::function("Check", &Check); }
