// The large box of the window: an editable element holding the text in blocks of lines, each
// laid out only while it is on screen (as the window's plain text box lays out only the lines
// it shows), with the inside of every mark in a red element of its own. Typing, the input
// methods and the selection are the browser's own; pasting, dropping and undo are the box's, so
// that a paste is plain text and every command and edit is one step of one history.
//
// A mark element carries data-mark, the key of what the page knows of it, when the page knows
// something of it (the summary's "【 】" is red and shows no finding); an edit that removes its
// text removes it, and typing inside it makes it longer.

// Hands `emit(text, mark)` the text of `block` (a block of the box, or part of one) piece by
// piece, with the mark element each piece lies in (null outside the marks): its characters but
// a line break that ends it, a line break for each <br> but one that ends it (either only gives
// an empty last line its height), and one before each block nested in it after some text.
export function WalkBlock(block, emit) {
  const nodes = [];
  const walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT | NodeFilter.SHOW_ELEMENT);
  for (let node = block; node; node = walker.nextNode()) nodes.push(node);
  let empty = true;
  nodes.forEach((node, index) => {
    if (node.nodeType === Node.TEXT_NODE) {
      // A line break that ends the block shows no line after it: a browser adds a second one
      // when Enter is pressed at the end.
      const shown = index === nodes.length - 1 ? node.data.replace(/\n$/, '') : node.data;
      emit(shown, node.parentElement?.closest('.mark') ?? null);
    } else if (node.nodeName === 'BR' && index < nodes.length - 1) {
      emit('\n', null);
    } else if (node.nodeName === 'DIV' && !empty) {
      emit('\n', null);
    }
    empty &&= node.nodeType !== Node.TEXT_NODE || node.data === '';
  });
}

// Whether nothing follows `node` in `block`.
function EndsBlock(node, block) {
  let at = node;
  while (at !== block && !at.nextSibling) at = at.parentNode;
  return at === block;
}

// The text of `block` and its marks, as Blocks takes them.
function TextAndMarks(block) {
  let text = '';
  const marks = [];
  WalkBlock(block, (piece, mark) => {
    const last = marks.at(-1);
    if (mark && last?.element === mark && last.end === text.length) {
      last.end += piece.length;
    } else if (mark) {
      marks.push({ start: text.length, end: text.length + piece.length, key: mark.dataset.mark, element: mark });
    }
    text += piece;
  });
  return { text, marks };
}

function BlockText(block) {
  let text = '';
  WalkBlock(block, (piece) => {
    text += piece;
  });
  return text;
}

// Lines per block, about: enough that a long text makes few elements, few enough that the lines
// on screen are laid out at once.
const kBlockLines = 16;

// A block for `text` (one or more lines), with a red element for each { start, end, key } of
// `marks` (offsets in `text`, in order; `key` undefined for a mark that shows no finding).
function Block(text, marks) {
  const block = document.createElement('div');
  let at = 0;
  for (const mark of marks) {
    if (at < mark.start) block.append(text.slice(at, mark.start));
    const shown = document.createElement('span');
    shown.className = 'mark';
    if (mark.key !== undefined) shown.dataset.mark = mark.key;
    shown.textContent = text.slice(mark.start, mark.end);
    block.append(shown);
    at = mark.end;
  }
  if (at < text.length) block.append(text.slice(at));
  // A block's last line break shows no empty line after it, and an empty block no line at all.
  if (text === '' || text.endsWith('\n')) block.append(document.createElement('br'));
  return block;
}

// The blocks of `text`, with the marks ({ start, end, key } UTF-16 ranges of the text, in order)
// cut where they cross from one block into the next. Blocks end at a line break, which the next
// block stands for.
export function Blocks(text, marks) {
  const blocks = [];
  let next = 0;
  let start = 0;
  for (let lines = 0, at = text.indexOf('\n'); ; at = text.indexOf('\n', at + 1)) {
    const end = at < 0 ? text.length : at;
    // A block ends after a line that is not empty, so that its last line shows.
    if (at >= 0 && (++lines < kBlockLines || end === 0 || text[end - 1] === '\n')) continue;
    const inBlock = [];
    for (; next < marks.length && marks[next].start < end; ++next) {
      const mark = marks[next];
      inBlock.push({ start: Math.max(mark.start, start) - start, end: Math.min(mark.end, end) - start, key: mark.key });
      if (mark.end > end) break;
    }
    blocks.push(Block(text.slice(start, end), inBlock));
    if (at < 0) return blocks;
    start = end + 1;
    lines = 0;
  }
}

// Edits that go on the step before them when they follow it in the same lines, as a browser
// takes a run of typed characters back at once.
const kEditKinds = {
  insertText: 'typing',
  insertCompositionText: 'typing',
  deleteContentBackward: 'deleting',
  deleteContentForward: 'deleting',
};

export class TextBox {
  // `onChanged` is called after every change of the box's content.
  constructor(element, onChanged) {
    this.element = element;
    this.onChanged = onChanged;
    this.reportStep = null;  // the step that put the last check's report into the box
    this.undo = [];          // steps, the last at the end
    this.redo = [];
    this.editing = null;  // the step of the edit under way, between beforeinput and input
    // A browser without plain-text editing gets rich editing, of which the box takes plain text.
    try {
      element.contentEditable = 'plaintext-only';
    } catch {
      element.contentEditable = 'true';
    }
    element.replaceChildren(...Blocks('', []));
    element.addEventListener('beforeinput', (event) => this.BeforeInput(event));
    element.addEventListener('input', () => this.AfterInput());
    element.addEventListener('paste', (event) => {
      event.preventDefault();
      this.Paste(event.clipboardData.getData('text/plain'));
    });
    element.addEventListener('drop', (event) => event.preventDefault());
  }

  // The box's text, lines separated by "\n".
  Text() {
    return Array.from(this.element.childNodes, BlockText).join('\n');
  }

  // Puts `text` into the box in place of all it holds, as one step, with `marks` (ranges of
  // `text`, in order, each with the key of its mark element); `report` when it is a check's
  // report. The cursor goes to the start.
  Replace(text, marks, report = false) {
    const blocks = Blocks(text, marks);
    const step = { at: 0, removed: Array.from(this.element.childNodes), count: blocks.length };
    this.Do(step, blocks);
    if (report) this.reportStep = step;
    this.element.scrollTop = 0;
    this.Caret(this.element.firstChild, 0);
    this.onChanged();
  }

  // True while the box holds the last report put into it as the check left it: no edit or
  // command since, or every one since taken back. An edit made after taking back the report
  // itself takes it away for good.
  HoldsReport() {
    return this.reportStep !== null && this.undo.at(-1) === this.reportStep;
  }

  // The mark elements that show findings, in the order of the text.
  MarkElements() {
    return this.element.querySelectorAll('.mark[data-mark]');
  }

  // Selects the inside of the mark whose key is `key` and scrolls it into view.
  Select(key) {
    const shown = this.element.querySelectorAll(`.mark[data-mark="${key}"]`);
    if (shown.length === 0) return;
    shown[0].scrollIntoView({ block: 'center' });
    const range = document.createRange();
    range.setStartBefore(shown[0].firstChild ?? shown[0]);
    range.setEndAfter(shown[shown.length - 1].lastChild ?? shown[shown.length - 1]);
    this.element.focus({ preventScroll: true });
    getSelection().removeAllRanges();
    getSelection().addRange(range);
  }

  Undo() {
    this.Swap(this.undo, this.redo);
  }

  Redo() {
    this.Swap(this.redo, this.undo);
  }

  // Replaces the blocks from `step.at` on that `step.removed` held with `blocks`, and records
  // the step for Ctrl+Z.
  Do(step, blocks) {
    this.Put(step.at, step.removed.length, blocks);
    this.undo.push(step);
    this.redo = [];
  }

  // Puts `blocks` in place of the `count` blocks from `at` on; returns those.
  Put(at, count, blocks) {
    const children = this.element.childNodes;
    const removed = Array.prototype.slice.call(children, at, at + count);
    const after = children[at + count] ?? null;
    for (const block of removed) block.remove();
    const parts = document.createDocumentFragment();
    parts.append(...blocks);
    this.element.insertBefore(parts, after);
    return removed;
  }

  // Takes back the last step of `from` and moves it to `to`.
  Swap(from, to) {
    const step = from.pop();
    if (!step) return;
    const removed = this.Put(step.at, step.count, step.removed);
    [step.count, step.removed] = [step.removed.length, removed];
    to.push(step);
    this.Caret(this.element.childNodes[step.at], 0);
    this.onChanged();
  }

  // Before the browser's own edit: a copy of the blocks it may touch, one either side included,
  // unless it goes on typing in the block the step under way covers.
  BeforeInput(event) {
    if (event.inputType === 'historyUndo' || event.inputType === 'historyRedo') {
      event.preventDefault();
      if (event.inputType === 'historyUndo') this.Undo(); else this.Redo();
      return;
    }
    if (event.inputType === 'insertFromPaste' || event.inputType === 'insertFromDrop') return;
    const selection = getSelection();
    const range = event.getTargetRanges()[0] ?? (selection.rangeCount > 0 ? selection.getRangeAt(0) : null);
    const children = Array.from(this.element.childNodes);
    const first = range ? Math.max(0, this.BlockAt(range.startContainer, range.startOffset, false) - 1) : 0;
    const last = range ? Math.min(children.length - 1, this.BlockAt(range.endContainer, range.endOffset, true) + 1)
      : children.length - 1;
    const kind = kEditKinds[event.inputType];
    const open = this.undo.at(-1);
    if (kind && open?.kind === kind && open.at === first && open.count === last - first + 1 &&
        this.redo.length === 0) {
      this.editing = { step: open, total: children.length };
      return;
    }
    this.editing = {
      step: { at: first, removed: children.slice(first, last + 1).map((b) => b.cloneNode(true)), kind },
      total: children.length,
    };
  }

  // After it: the step records how many blocks the copied ones became.
  AfterInput() {
    const editing = this.editing;
    this.editing = null;
    if (!editing) return;
    const { step, total } = editing;
    if (this.element.childNodes.length === 0) this.element.append(...Blocks('', []));
    const grown = this.element.childNodes.length - total;
    if (this.undo.at(-1) === step) {
      step.count += grown;
    } else {
      step.count = step.removed.length + grown;
      this.undo.push(step);
      this.redo = [];
    }
    this.onChanged();
  }

  // Pastes `text` in place of the selection, as one step. The lines it touches keep their marks.
  Paste(text) {
    const selection = getSelection();
    if (selection.rangeCount === 0) return;
    const range = this.InBlocks(selection.getRangeAt(0));
    const children = Array.from(this.element.childNodes);
    const first = children.indexOf(this.TopBlock(range.startContainer));
    const last = children.indexOf(this.TopBlock(range.endContainer));
    if (first < 0 || last < 0) return;
    const step = { at: first, removed: children.slice(first, last + 1).map((b) => b.cloneNode(true)) };
    const head = document.createRange();
    head.setStart(children[first], 0);
    head.setEnd(range.startContainer, range.startOffset);
    const pasted = text.replace(/\r\n|[\r\u2028\u2029]/g, '\n');
    const caret = head.toString().length + pasted.length;
    range.deleteContents();
    const inserted = document.createTextNode(pasted);
    range.insertNode(inserted);
    // What the selection left of the last block joins the first.
    if (last > first) {
      children[first].append(...children[last].childNodes);
      children[last].remove();
    }
    // A line break that ends the paste and the block is kept: Firefox's "select all" takes the
    // block's closing <br> too, and a line break that ends a block shows no line.
    if (pasted.endsWith('\n') && EndsBlock(inserted, children[first])) inserted.after(document.createElement('br'));
    const joined = TextAndMarks(children[first]);
    const blocks = Blocks(joined.text, joined.marks);
    this.Put(first, 1, blocks);
    step.count = blocks.length;
    this.undo.push(step);
    this.redo = [];
    this.CaretAt(blocks, caret);
    this.onChanged();
  }

  // `range` with a boundary on the box itself (as "select all" may leave it) moved into its
  // blocks.
  InBlocks(range) {
    const children = this.element.childNodes;
    if (range.startContainer === this.element) {
      range.setStart(children[Math.min(range.startOffset, children.length - 1)], 0);
    }
    if (range.endContainer === this.element) {
      const block = children[Math.max(range.endOffset - 1, 0)];
      range.setEnd(block, block.childNodes.length);
    }
    return range;
  }

  // Puts the caret `offset` characters into the text of `blocks`.
  CaretAt(blocks, offset) {
    let remaining = offset;
    for (const block of blocks) {
      const walker = document.createTreeWalker(block, NodeFilter.SHOW_TEXT);
      for (let node = walker.nextNode(); node; node = walker.nextNode()) {
        if (remaining <= node.length) return this.Caret(node, remaining);
        remaining -= node.length;
      }
      if (remaining === 0) return this.Caret(block, 0);
      remaining -= 1;  // the line break that the next block stands for
    }
    return this.Caret(blocks.at(-1), 0);
  }

  // The position among the blocks of the one that holds a boundary (`container`, `offset`) of a
  // range, the boundary at its `end` or at its start.
  BlockAt(container, offset, end) {
    const children = this.element.childNodes;
    if (container !== this.element) return Array.prototype.indexOf.call(children, this.TopBlock(container));
    return Math.max(0, Math.min(end ? offset - 1 : offset, children.length - 1));
  }

  TopBlock(node) {
    while (node && node.parentNode !== this.element) node = node.parentNode;
    return node;
  }

  Caret(node, offset) {
    if (!node) return;
    getSelection().collapse(node, offset);
  }
}
