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

// Where each of `places` (code points of the engine's report, where "\r\n" counts two; in
// ascending order) lies in `text`, the report as FromEngineBytes gives it: UTF-16 offsets.
function Utf16Offsets(text, places) {
  const offsets = [];
  let codePoints = 0;
  let unit = 0;
  for (const place of places) {
    for (; codePoints < place && unit < text.length; ++unit) {
      const c = text.charCodeAt(unit);
      if (c === 0x0A) {
        codePoints += 2;
      } else {
        codePoints += 1;
        if (c >= 0xD800 && c < 0xDC00) ++unit;
      }
    }
    offsets.push(unit);
  }
  return offsets;
}

// The marks of a report: one per bracket of `insides` (start and length of each inside, in
// turn), { start, end } UTF-16 offsets of its inside in `shownText`, with the findings it shows
// ({ claim, code, severity, mark, term }; none for the summary's "【 】"), in order. Findings
// come in report order, those of one merged bracket next to each other.
function Marks(shownText, findings, insides) {
  // The same few marks come back again and again: each is decoded once.
  const decoded = new Map();
  const Decode = (bytes) => {
    const key = String.fromCharCode(...bytes);
    if (!decoded.has(key)) decoded.set(key, FromEngineBytes(bytes));
    return decoded.get(key);
  };
  const marks = [];
  for (let i = 0; i < insides.length; i += 2) {
    marks.push({ start: insides[i], end: insides[i] + insides[i + 1], findings: [] });
  }
  let mark = 0;
  for (const f of findings) {
    while (marks[mark].start !== f.reportStart) ++mark;
    marks[mark].findings.push({
      claim: f.claim,
      code: f.code,
      severity: f.severity,
      mark: Decode(f.mark),
      term: Decode(f.term),
    });
  }
  const offsets = Utf16Offsets(shownText, marks.flatMap((mark) => [mark.start, mark.end]));
  marks.forEach((mark, index) => {
    mark.start = offsets[2 * index];
    mark.end = offsets[2 * index + 1];
  });
  return marks;
}

// Resolves to check(text, review), which checks `text` as "开始检查" does (with the further checks
// of "更多检查" when `review` is true) and returns
// { shownText, messages, congratulation, marks, outcome, sets, claims, problemClaims, problems }:
// the text the box is to show, the texts of the message boxes the check asked for, in order, the
// congratulation to show once the text is on screen (null when none is due), the marks of the
// report (see Marks), the outcome's name ("clean", "problems", "no-independent", "no-claim-1",
// "empty") and the summary's counts.
export async function LoadChecker() {
  const engine = await LoadQuillexEngine();
  return (text, review) => {
    const outcome = engine.Check(ToEngineBytes(text), review);
    const shownText = FromEngineBytes(outcome.shownText);
    return {
      shownText,
      messages: outcome.messages.map(FromEngineBytes),
      congratulation: outcome.congratulation && FromEngineBytes(outcome.congratulation),
      marks: Marks(shownText, outcome.findings, outcome.markInsides),
      outcome: outcome.outcome,
      sets: outcome.sets,
      claims: outcome.claims,
      problemClaims: outcome.problemClaims,
      problems: outcome.problems,
    };
  };
}
