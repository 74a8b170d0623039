// The page's modal dialogs: the message box, the About box and the choice of a report's format.

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

export function ShowAbout() {
  return Run(document.getElementById('aboutBox'));
}

// Resolves to 'txt', 'html' or '' (cancelled).
export function AskSaveFormat() {
  return Run(document.getElementById('saveBox'));
}
