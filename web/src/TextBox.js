// The large box of the window: a textarea, so that typing, pasting, the input methods, the
// selection and undo are the browser's own, over a layer that shows the same text with the inside
// of every mark in red. Like the characters of a rich text box, the marks move with the edits
// around them and go with the text they cover; a text that a command put into the box gets back
// its marks when an undo or redo brings it back.
export class TextBox {
  // `area` is the textarea, `layer` the element under it, laid out exactly as the textarea.
  // `onMarksChanged` is called after every change of the marks.
  constructor(area, layer, onMarksChanged) {
    this.area = area;
    this.layer = layer;
    this.onMarksChanged = onMarksChanged;
    this.text = area.value;
    // { start, end, ... } UTF-16 ranges of the text, in order, none overlapping; what else a mark
    // holds moves with it.
    this.marks = [];
    this.states = [];  // { text, marks } of each text a command put into the box, the last first
    area.addEventListener('input', () => this.Follow());
    area.addEventListener('scroll', () => {
      layer.scrollTop = area.scrollTop;
    });
    this.Render();
  }

  // Puts `text` into the box in place of all it holds, as one step that Ctrl+Z undoes, and
  // colours `marks` (ranges of `text`, in order). The cursor goes to the start.
  Replace(text, marks) {
    this.Remember(this.text, this.marks);
    this.Remember(text, marks);
    this.area.focus();
    this.area.select();
    // The browser's own editing command, which its undo history records; setting the value would
    // clear that history. The command's input event brings the marks.
    document.execCommand(text ? 'insertText' : 'delete', false, text);
    if (this.marks !== marks) this.Follow();
    this.area.setSelectionRange(0, 0);
    this.area.scrollTop = 0;
  }

  // Selects `mark` (one of this.marks) and scrolls it into view.
  Select(mark) {
    this.area.focus();
    this.area.setSelectionRange(mark.start, mark.end);
    const shown = this.layer.querySelector(`[data-mark="${this.marks.indexOf(mark)}"]`);
    const top = shown.offsetTop - this.area.clientHeight / 3;
    if (shown.offsetTop < this.area.scrollTop || shown.offsetTop + shown.offsetHeight >
        this.area.scrollTop + this.area.clientHeight) {
      this.area.scrollTop = Math.max(0, top);
    }
  }

  Remember(text, marks) {
    this.states = this.states.filter((state) => state.text !== text);
    this.states.unshift({ text, marks });
    this.states.length = Math.min(this.states.length, 200);
  }

  // Brings the marks up to the textarea's text after an edit.
  Follow() {
    const text = this.area.value;
    const known = this.states.find((state) => state.text.length === text.length && state.text === text);
    this.marks = known ? known.marks : MarksAfterEdit(this.text, text, this.marks);
    this.text = text;
    this.Render();
    this.onMarksChanged();
  }

  Render() {
    const parts = document.createDocumentFragment();
    let at = 0;
    this.marks.forEach((mark, index) => {
      parts.append(this.text.slice(at, mark.start));
      const shown = document.createElement('span');
      shown.className = 'mark';
      shown.dataset.mark = index;
      shown.textContent = this.text.slice(mark.start, mark.end);
      parts.append(shown);
      at = mark.end;
    });
    // A last empty line has a height in the textarea, not in the layer without a character on it.
    parts.append(this.text.slice(at), '\u200B');
    this.layer.replaceChildren(parts);
    this.layer.scrollTop = this.area.scrollTop;
  }
}

// The marks of `before` as they stand in `after`, which is `before` with one range replaced: a
// mark before or after the range stays with its text, one with the range inside it grows or
// shrinks with it, one the range cuts into goes.
export function MarksAfterEdit(before, after, marks) {
  let prefix = 0;
  const shorter = Math.min(before.length, after.length);
  while (prefix < shorter && before.charCodeAt(prefix) === after.charCodeAt(prefix)) ++prefix;
  let suffix = 0;
  while (suffix < shorter - prefix &&
         before.charCodeAt(before.length - 1 - suffix) === after.charCodeAt(after.length - 1 - suffix)) {
    ++suffix;
  }
  const editEnd = before.length - suffix;
  const delta = after.length - before.length;
  const moved = [];
  for (const mark of marks) {
    if (mark.end <= prefix) {
      moved.push(mark);
    } else if (mark.start >= editEnd) {
      moved.push({ ...mark, start: mark.start + delta, end: mark.end + delta });
    } else if (mark.start <= prefix && editEnd <= mark.end && mark.end + delta > mark.start) {
      moved.push({ ...mark, end: mark.end + delta });
    }
  }
  return moved;
}
