// The page's modal dialogs: the message box, the About box and the choice of a report's format.
import aboutText from '../../app/res/about.txt';

// Opens `dialog` and resolves to the value of the button that closed it ('' for Esc).
function Run(dialog) {
  return new Promise((resolve) => {
    dialog.returnValue = '';
    dialog.addEventListener('close', () => resolve(dialog.returnValue), { once: true });
    dialog.showModal();
  });
}

// Shows `text` with an OK button, as the window's message box; resolves once it is closed.
export function ShowMessage(text) {
  const dialog = document.getElementById('message');
  dialog.querySelector('.text').textContent = text;
  return Run(dialog);
}

// The window's About box: its title, the program's name and version, the remark.
export function ShowAbout() {
  const [title, name, version, remark] = aboutText.split('\n');
  const dialog = document.getElementById('aboutBox');
  dialog.querySelector('.title').textContent = title;
  dialog.querySelector('.lines').replaceChildren(...[name, version.replace('%1', QUILLEX_VERSION)]
    .map((line) => Object.assign(document.createElement('div'), { textContent: line })));
  dialog.querySelector('.remark').textContent = remark;
  return Run(dialog);
}

// Resolves to 'txt', 'html' or '' (cancelled).
export function AskSaveFormat() {
  return Run(document.getElementById('saveBox'));
}
