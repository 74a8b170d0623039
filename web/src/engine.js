// The engine in the page: the check of the window's "开始检查", with the text crossing between the
// page's Unicode and the engine's GB18030 bytes through iconv-lite, as the window's text crosses
// through Qt's codec. Every word the page shows of a check comes from the engine.
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

// The engine's findings with their texts decoded: { index, claim, severity, severityWord, inside,
// explanation, fix, start, end }: the finding's place among them, fix its fix's sign and title
// (null when it has none), start and end UTF-16 offsets of the inside of the finding's bracket in
// the shown text.
function Findings(findings, severityWords) {
  // The same few texts come back again and again: each is decoded once.
  const decoded = new Map();
  const Decode = (bytes) => {
    const key = String.fromCharCode(...bytes);
    if (!decoded.has(key)) decoded.set(key, FromEngineBytes(bytes));
    return decoded.get(key);
  };
  return findings.map((f, index) => ({
    index,
    claim: f.claim,
    severity: f.severity,
    severityWord: severityWords[f.severity],
    inside: Decode(f.inside),
    explanation: Decode(f.explanation),
    fix: f.fix && Decode(f.fix),
    start: f.start,
    end: f.end,
  }));
}

// An outcome of the engine's Check with its texts decoded.
function Outcome(outcome, severityWords) {
  return {
    shownText: FromEngineBytes(outcome.shownText),
    messages: outcome.messages.map(FromEngineBytes),
    congratulation: outcome.congratulation && FromEngineBytes(outcome.congratulation),
    checked: outcome.checked,
    statusLine: FromEngineBytes(outcome.statusLine),
    findings: Findings(outcome.findings, severityWords),
    redRanges: outcome.redRanges,
  };
}

// The text of a text file a drafter opens, as the window reads one: UTF-8, else GB18030, a
// byte-order mark at the start not part of it; null when the bytes are neither.
export function TextFileText(bytes) {
  try {
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    // iconv-lite puts U+FFFD where bytes are not GB18030: they are GB18030 only when their text
    // gives them back.
    const text = iconv.decode(bytes, 'gb18030', { stripBOM: false });
    const again = iconv.encode(text, 'gb18030');
    if (again.length !== bytes.length || again.some((byte, i) => byte !== bytes[i])) return null;
    return text.replace(/^\uFEFF/, '');
  }
}

// The engine's texts of `value` decoded, wherever they stand in it; its numbers as they are.
function Decoded(value) {
  if (value instanceof Uint8Array) return FromEngineBytes(value);
  if (Array.isArray(value)) return value.map(Decoded);
  if (typeof value !== 'object' || value === null) return value;
  return Object.fromEntries(Object.entries(value).map(([name, inner]) => [name, Decoded(inner)]));
}

// Resolves to the checker: { check, fix, fixAll, savedReport, reviewPlan, reportName, fixCommand,
// fixAllCommand, documentTexts }.
// check(text, review) checks `text` as "开始检查" does (with the further checks of "更多检查" when
// `review` is true) and returns { shownText, messages, congratulation, checked, statusLine,
// findings, redRanges }: the text the box is to show, the texts of the message boxes the check
// asked for, in order, the congratulation to show once the text is on screen (null when none is
// due), whether a claim was found and analysed, the status line, the findings in report order
// (see Findings), and the red ranges of the shown text (start and end, in turn, UTF-16 offsets;
// the summary's "【 】" too). fix(text, review, index) applies the fix of the finding `index` of
// check(text, review), fixAll(text, review) every fix; both return { text, edits, statusLine,
// check }: the corrected text, the edits applied (0 when none), the status line that says so and
// the check of the corrected text. reportName is the name a saved report is offered under,
// without its ending; fixCommand and fixAllCommand the captions of 修正 and 全部修正.
// reviewPlan(text, review) is what the reviewed Word copy of `text` holds: { comments, changes },
// each { line, column, length, text } in code points of `text` (see ReviewedCopy.js).
// documentTexts is what the reader and the writer of Word documents go by and say (docx.js).
export async function LoadChecker() {
  const engine = await LoadQuillexEngine();
  const texts = engine.Texts();
  const severityWords = Object.fromEntries(
    Object.entries(texts.severityWords).map(([severity, word]) => [severity, FromEngineBytes(word)]));
  const Fixed = (fixed) => ({
    text: FromEngineBytes(fixed.text),
    edits: fixed.edits,
    statusLine: FromEngineBytes(fixed.statusLine),
    check: Outcome(fixed.check, severityWords),
  });
  return {
    check: (text, review) => Outcome(engine.Check(ToEngineBytes(text), review), severityWords),
    fix: (text, review, index) => Fixed(engine.Fix(ToEngineBytes(text), review, index)),
    fixAll: (text, review) => Fixed(engine.FixAll(ToEngineBytes(text), review)),
    savedReport(text, format, holdsReport) {
      const bytes = holdsReport ? new Uint8Array() : ToEngineBytes(text);
      return FromEngineBytes(engine.SavedReport(bytes, format === 'html', holdsReport, Date.now() / 1000));
    },
    reportName: FromEngineBytes(texts.reportName),
    fixCommand: FromEngineBytes(texts.fixCommand),
    fixAllCommand: FromEngineBytes(texts.fixAllCommand),
    reviewPlan: (text, review) => Decoded(engine.ReviewPlan(ToEngineBytes(text), review)),
    documentTexts: Decoded(texts.document),
  };
}
