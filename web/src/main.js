// The page: the window's box, buttons and keys, with the problems list beside the box and the
// summary under the buttons.
import helpText from '../../app/res/help.txt';
import { ShowAbout, ShowMessage, AskSaveFormat } from './dialogs.js';
import { FromEngineBytes, LoadChecker, ToEngineBytes } from './engine.js';
import { ProblemsList, SeverityWord } from './ProblemsList.js';
import { SaveReport } from './save.js';
import { TextBox } from './TextBox.js';

const checker = LoadChecker();
const findingsOfMark = new Map();  // a mark's key -> its findings, for every report shown
let checks = 0;

const status = document.getElementById('status');
const review = document.getElementById('review');
const fixOnly = document.getElementById('fixOnly');
const list = new ProblemsList(document.getElementById('problems'), (key) => box.Select(key));
const ShowFindings = () => {
  const findings = list.Show(box.MarkElements(), (key) => findingsOfMark.get(key), fixOnly.checked);
  status.textContent = StatusLine(box.summary, findings);
};
const box = new TextBox(document.getElementById('box'), ShowFindings);

// "更多检查" starts off and keeps its state from one visit to the next, where the browser lets
// the page keep a setting.
const kReviewSetting = 'quillex.review';
try {
  review.checked = localStorage.getItem(kReviewSetting) === 'true';
  review.addEventListener('change', () => localStorage.setItem(kReviewSetting, String(review.checked)));
} catch {
  // No storage for a page opened from disk: the box starts off every time.
}
fixOnly.addEventListener('change', ShowFindings);

// The summary's figures of the report in the box, and how many of its findings there are of each
// severity; empty while the box holds no report.
function StatusLine(summary, findings) {
  if (!summary) return '';
  const counts = { fix: 0, review: 0, note: 0 };
  for (const finding of findings) ++counts[finding.severity];
  const figures = summary.sets > 0
    ? `${summary.sets}套、共${summary.claims}条权利要求，有问题的${summary.problemClaims}条，问题${summary.problems}处`
    : `共${summary.claims}条权利要求，未识别出独立权利要求`;
  const bySeverity = Object.entries(counts).map(([severity, count]) => `${SeverityWord[severity]} ${count}`);
  return `${figures}　　${bySeverity.join('　')}`;
}

async function OnCheck() {
  let outcome;
  try {
    outcome = (await checker)(box.Text(), review.checked);
  } catch (error) {
    // A browser without WebAssembly, or a text too large for the memory the browser grants.
    await ShowMessage(`未能检查：${error.message ?? error}`);
    return;
  }
  ++checks;
  outcome.marks.forEach((mark, index) => {
    // The summary's "【 】" is red, and no finding's.
    if (mark.findings.length === 0) return;
    mark.key = `${checks}-${index}`;
    findingsOfMark.set(mark.key, mark.findings);
  });
  box.Replace(outcome.shownText, outcome.marks, outcome.claims > 0 ? outcome : null);
  for (const message of outcome.messages) await ShowMessage(message);
  if (outcome.congratulation) await ShowMessage(outcome.congratulation);
  box.element.focus();
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
  if (format) SaveReport(box.element, format);
}

const commands = { check: OnCheck, clear: OnClear, save: OnSave, help: OnHelp, about: ShowAbout };
for (const [id, command] of Object.entries(commands)) {
  document.getElementById(id).addEventListener('click', command);
}

// The command of a key, or null; the window's keys act wherever the focus is.
function KeyCommand(event) {
  const ctrl = event.ctrlKey || event.metaKey;
  const key = event.key.toLowerCase();
  if (ctrl && key === 'enter') return OnCheck;
  if (event.key === 'F1') return OnHelp;
  if (event.key === 'F8') return () => list.Step(box.MarkElements(), event.shiftKey ? -1 : 1);
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
checker.then(() => {
  document.documentElement.dataset.ready = 'true';
});
// The box's text as the page reads it, for the tests.
window.QuillexBoxText = () => box.Text();
