// The page: the window's box, buttons and keys, with the problems list beside the box and the
// status line under the buttons.
import helpText from '../../app/res/help.txt';
import { ShowAbout, ShowMessage, AskSaveFormat } from './dialogs.js';
import { KindOf, ReadDocument, Say } from './docx.js';
import { FromEngineBytes, LoadChecker, TextFileText, ToEngineBytes } from './engine.js';
import { ProblemsList } from './ProblemsList.js';
import { ReviewedCopyName, WriteReviewedCopy } from './ReviewedCopy.js';
import { Download, Offer } from './save.js';
import { TextBox } from './TextBox.js';

const checker = LoadChecker();
let checks = 0;
let statusLine = '';  // the status line of the last report put into the box
// The text the last check that found claims was given, and whether it ran the further checks:
// what the fixes of its findings apply to.
let checked = null;
// The last Word document opened: { bytes, name, text (its claims), shown (them as the box holds
// them), document (as read, until a copy is written from it) }, what "保存批注版…" reviews.
let opened = null;

const status = document.getElementById('status');
const review = document.getElementById('review');
const fixOnly = document.getElementById('fixOnly');
const saveReviewed = document.getElementById('saveReviewed');
const list = new ProblemsList(document.getElementById('problems'), (key) => box.Select(key));
// The list and the status line show while the box holds the last report as the check left it,
// and hide as soon as it holds anything else; an undo or a redo back to the report shows them
// again.
// "保存批注版…" as in the window: while the box holds the report of the opened document's claims,
// whose findings the copy's comments are.
const FollowTheBox = () => {
  const report = box.HoldsReport();
  list.Show(report);
  status.textContent = report ? statusLine : '';
  saveReviewed.disabled = !(report && opened && checked?.text === opened.shown);
};
const box = new TextBox(document.getElementById('box'), FollowTheBox);

// "更多检查" starts off and keeps its state from one visit to the next, where the browser lets
// the page keep a setting.
const kReviewSetting = 'quillex.review';
try {
  review.checked = localStorage.getItem(kReviewSetting) === 'true';
  review.addEventListener('change', () => localStorage.setItem(kReviewSetting, String(review.checked)));
} catch {
  // No storage for a page opened from disk: the box starts off every time.
}
fixOnly.addEventListener('change', () => {
  list.Filter(fixOnly.checked);
  FollowTheBox();
});

// The marks of the box, one per red range of the report ({ start, end, key }), each finding given
// the key of its mark: the findings of a merged bracket come one after the other and share its
// range.
function Marks(findings, redRanges) {
  const marks = [];
  for (let i = 0; i < redRanges.length; i += 2) marks.push({ start: redRanges[i], end: redRanges[i + 1] });
  // Findings come in the order of the marks, those of a merged bracket next to each other; a
  // mark that shows no finding (the summary's "【 】") keeps no key.
  let mark = 0;
  for (const finding of findings) {
    while (marks[mark].start !== finding.start || marks[mark].end !== finding.end) ++mark;
    marks[mark].key ??= `${checks}-${mark}`;
    finding.key = marks[mark].key;
  }
  return marks;
}

// Puts the report of `outcome`, the check of `text`, into the box as one step and, when it
// checked claims, its findings into the list and `line` into the status line.
async function ShowOutcome(outcome, text, withReview, line) {
  ++checks;
  const marks = Marks(outcome.findings, outcome.redRanges);
  if (outcome.checked) {
    list.Fill(outcome.findings, fixOnly.checked);
    statusLine = line;
    checked = { text, review: withReview };
  }
  box.Replace(outcome.shownText, marks, outcome.checked);
  for (const message of outcome.messages) await ShowMessage(message);
  if (outcome.congratulation) await ShowMessage(outcome.congratulation);
  box.element.focus();
}

async function OnCheck() {
  const text = box.Text();
  let outcome;
  try {
    outcome = (await checker).check(text, review.checked);
  } catch (error) {
    // A browser without WebAssembly, or a text too large for the memory the browser grants.
    await ShowMessage(`未能检查：${error.message ?? error}`);
    return;
  }
  await ShowOutcome(outcome, text, review.checked, outcome.statusLine);
}

// 修正 (`all` false) and 全部修正 (true), as in the window: the corrected text goes into the box as
// one step and its report as another. A fix applies only to the text of the check that found
// it: while the box holds anything else, its text is checked first, and 修正 then stops there.
async function OnFix(all) {
  if (!box.HoldsReport()) {
    await OnCheck();
    if (!all || !box.HoldsReport()) return;
  }
  const engine = await checker;
  const index = all ? -1 : list.FixTarget(box.MarkElements());
  if (!all && index < 0) return;
  const fixed = all ? engine.fixAll(checked.text, checked.review)
    : engine.fix(checked.text, checked.review, index);
  if (fixed.edits === 0) return;
  box.Replace(fixed.text, []);
  await ShowOutcome(fixed.check, fixed.text, checked.review, fixed.statusLine);
}

function OnClear() {
  box.Replace('', []);
}

function OnHelp() {
  // The window's road: through the engine's encoding and back, so that the box gets the same text.
  box.Replace(FromEngineBytes(ToEngineBytes(helpText)), []);
}

async function OnSave() {
  const format = await AskSaveFormat();
  if (!format) return;
  const { savedReport, reportName } = await checker;
  Download(savedReport(box.Text(), format, box.HoldsReport()), format, reportName);
}

// The claims of `bytes`, a file named `name`: a Word document's claims section ({ text, document },
// the document as ReadDocument read it) or a text file's text ({ text }), or why it cannot be
// opened ({ error }).
function ClaimsOfFile(bytes, name, texts) {
  if (KindOf(bytes) !== 'text') {
    const document = ReadDocument(bytes, name, texts);
    return document.error === undefined ? { text: document.claimsText, document } : document;
  }
  const text = TextFileText(bytes);
  return text === null ? { error: texts.refused.notText } : { text };
}

// 打开… and a file dropped onto the box, as in the window: the claims go into the box as one
// step, as a paste does, and are checked at once; a file that cannot be opened gets one line
// naming it and why, and the box stays as it was.
async function OpenFile(file) {
  const { documentTexts: texts } = await checker;
  let bytes = null;
  let read;
  try {
    bytes = new Uint8Array(await file.arrayBuffer());
    read = ClaimsOfFile(bytes, file.name, texts);
  } catch (error) {
    // A file the browser could not read.
    read = { error: error.message ?? String(error) };
  }
  if (read.error !== undefined) {
    await ShowMessage(Say(texts.cannotOpen, file.name, read.error));
    return;
  }
  opened = null;
  box.Replace(read.text, []);
  if (read.document) {
    opened = { bytes, name: file.name, text: read.text, shown: box.Text(), document: read.document };
  }
  await OnCheck();
}

// "保存批注版…": the reviewed copy of the Word document last opened, as the command line's
// --annotate writes it, with the further checks' comments when the check the box shows ran them
// (更多检查); downloaded as NAME.quillex.docx.
async function OnSaveReviewed() {
  if (saveReviewed.disabled) return;
  const { documentTexts: texts, reviewPlan } = await checker;
  let copy;
  try {
    // The document as read when opened, the first time; read again for every copy after it.
    const document = opened.document ?? ReadDocument(opened.bytes, opened.name, texts);
    opened.document = null;
    copy = WriteReviewedCopy(document, reviewPlan(opened.text, checked.review), new Date(), texts);
  } catch (error) {
    copy = { error: error.message ?? String(error) };
  }
  if (copy.error !== undefined) {
    await ShowMessage(Say(texts.cannotReview, opened.name, copy.error));
    return;
  }
  Offer(new Blob([copy.bytes], { type: 'application/vnd.openxmlformats-officedocument.wordprocessingml.document' }),
    ReviewedCopyName(opened.name));
}

const openFile = document.getElementById('openFile');
openFile.addEventListener('change', () => {
  const [file] = openFile.files;
  // Cleared, so that choosing the same file again opens it again.
  openFile.value = '';
  if (file) OpenFile(file);
});
function OnOpen() {
  openFile.click();
}
box.element.addEventListener('drop', (event) => {
  const [file] = event.dataTransfer?.files ?? [];
  if (file) OpenFile(file);
});
// A file dropped anywhere else would take the browser away from the page.
for (const type of ['dragover', 'drop']) {
  document.addEventListener(type, (event) => {
    if (event.dataTransfer?.types.includes('Files')) event.preventDefault();
  });
}

const commands = {
  check: OnCheck, clear: OnClear, open: OnOpen, save: OnSave, saveReviewed: OnSaveReviewed, help: OnHelp,
  about: ShowAbout,
  fix: () => OnFix(false), fixAll: () => OnFix(true),
  menuFix: () => OnFix(false), menuFixAll: () => OnFix(true),
};

// A row's context menu: 修正 (for that row, when it has a fix) and 全部修正. A click anywhere,
// or Escape, closes it.
const rowMenu = document.getElementById('rowMenu');
document.getElementById('problems').addEventListener('contextmenu', (event) => {
  const row = event.target.closest('.row');
  if (!row) return;
  event.preventDefault();
  list.Go(row.dataset.mark, row);
  document.getElementById('menuFix').disabled = !row.querySelector('.correction').textContent;
  rowMenu.style.left = `${event.clientX}px`;
  rowMenu.style.top = `${event.clientY}px`;
  rowMenu.hidden = false;
});
document.addEventListener('click', () => {
  rowMenu.hidden = true;
});
document.addEventListener('keydown', (event) => {
  if (event.key === 'Escape') rowMenu.hidden = true;
});
for (const [id, command] of Object.entries(commands)) {
  document.getElementById(id).addEventListener('click', command);
}

// F8 and Shift+F8 go from finding to finding while the box holds the report.
function StepFindings(direction) {
  if (box.HoldsReport()) list.Step(box.MarkElements(), direction);
}

// The command of a key, or null; the window's keys act wherever the focus is.
function KeyCommand(event) {
  const ctrl = event.ctrlKey || event.metaKey;
  const key = event.key.toLowerCase();
  if (ctrl && key === 'enter') return OnCheck;
  if (ctrl && event.key === '.') return () => OnFix(false);
  if (ctrl && !event.altKey && key === 'o') return OnOpen;
  if (event.key === 'F1') return OnHelp;
  if (event.key === 'F8') return () => StepFindings(event.shiftKey ? -1 : 1);
  if (ctrl && !event.altKey && key === 'z') return event.shiftKey ? () => box.Redo() : () => box.Undo();
  if (ctrl && !event.altKey && key === 'y') return () => box.Redo();
  return null;
}

document.addEventListener('keydown', (event) => {
  if (document.querySelector('dialog[open]')) return;
  const command = KeyCommand(event);
  if (!command) return;
  event.preventDefault();
  command();
});

box.element.focus();
// For the tests, and for anyone who waits: the engine is loaded.
checker.then((engine) => {
  for (const id of ['fix', 'menuFix']) document.getElementById(id).textContent = engine.fixCommand;
  for (const id of ['fixAll', 'menuFixAll']) document.getElementById(id).textContent = engine.fixAllCommand;
  document.documentElement.dataset.ready = 'true';
});
// The box's text as the page reads it, for the tests.
window.QuillexBoxText = () => box.Text();
