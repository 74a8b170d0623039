// The engine in the page: the check of the window's "开始检查", with the text crossing between the
// page's Unicode and the engine's GB18030 bytes through iconv-lite, as the window's text crosses
// through Qt's codec.
import iconv from 'iconv-lite';
import LoadQuillexEngine from 'quillex-engine';

// Every line break the box may hold: "\r\n", "\n", a lone "\r", and the line and paragraph
// separators.
const kLineBreak = /\r\n|[\n\r\u2028\u2029]/g;

// The engine's bytes for `text`: every line break becomes "\r\n", then GB18030.
export function ToEngineBytes(text) {
  return iconv.encode(text.replace(kLineBreak, '\r\n'), 'gb18030');
}

// The text of the engine's bytes, with every "\r\n" turned into "\n". A leading U+FEFF is a
// character of the text like any other.
export function FromEngineBytes(bytes) {
  return iconv.decode(bytes, 'gb18030', { stripBOM: false }).replaceAll('\r\n', '\n');
}

// Resolves to check(text), which checks `text` as "开始检查" does and returns
// { shownText, messages, congratulation }: the text the box is to show, the texts of the message
// boxes the check asked for, in order, and the congratulation to show once the text is on screen
// (null when none is due).
export async function LoadChecker() {
  const engine = await LoadQuillexEngine();
  return (text) => {
    const outcome = engine.Check(ToEngineBytes(text));
    return {
      shownText: FromEngineBytes(outcome.shownText),
      messages: outcome.messages.map(FromEngineBytes),
      congratulation: outcome.congratulation && FromEngineBytes(outcome.congratulation),
      marks: [],
      summary: '',
    };
  };
}
