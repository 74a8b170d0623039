// The page: the window's box, buttons and keys, with the problems list beside the box.
import helpText from '../../app/res/help.txt';
import { FromEngineBytes, LoadChecker, ToEngineBytes } from './engine.js';
import { ShowAbout, ShowMessage, AskSaveFormat } from './dialogs.js';
import { ProblemsList } from './ProblemsList.js';
import { SaveReport } from './save.js';
import { TextBox } from './TextBox.js';

const checker = LoadChecker();
const list = new ProblemsList(document.getElementById('problems'), (mark) => box.Select(mark));
const box = new TextBox(document.getElementById('box'), document.querySelector('.box .layer'),
  () => list.Show(box.marks));
const status = document.getElementById('status');

async function OnCheck() {
  const outcome = (await checker)(box.text);
  box.Replace(outcome.shownText, outcome.marks);
  status.textContent = outcome.summary;
  for (const message of outcome.messages) await ShowMessage(message);
  if (outcome.congratulation) await ShowMessage(outcome.congratulation);
  box.area.focus();
}

function OnClear() {
  box.Replace('', []);
  status.textContent = '';
}

function OnHelp() {
  // The window's road: through the engine's encoding and back, so that the box gets the same text.
  box.Replace(FromEngineBytes(ToEngineBytes(helpText)), []);
  status.textContent = '';
}

function OnSave() {
  AskSaveFormat().then((format) => format && SaveReport(box.text, box.marks, format));
}

const commands = { check: OnCheck, clear: OnClear, save: OnSave, help: OnHelp, about: ShowAbout };
for (const [id, command] of Object.entries(commands)) {
  document.getElementById(id).addEventListener('click', command);
}

// The window's keys, wherever the focus is, except while a dialog is open.
document.addEventListener('keydown', (event) => {
  if (document.querySelector('dialog[open]')) return;
  const ctrl = event.ctrlKey || event.metaKey;
  let command = null;
  if (ctrl && event.key === 'Enter') {
    command = OnCheck;
  } else if (event.key === 'F1') {
    command = OnHelp;
  } else if (event.key === 'F8') {
    command = () => list.Step(box.area, event.shiftKey ? -1 : 1);
  } else if (ctrl && !event.altKey && (event.key === 'z' || event.key === 'Z' || event.key === 'y') &&
             document.activeElement !== box.area) {
    // Ctrl+Z with the focus on a button still undoes the box's last step.
    command = () => {
      box.area.focus();
      document.execCommand(event.key === 'z' && !event.shiftKey ? 'undo' : 'redo');
    };
  }
  if (!command) return;
  event.preventDefault();
  command();
});

box.area.focus();
