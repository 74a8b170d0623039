// The problems list beside the box: one row per finding of the last check, in report order, in
// the window's words. A click on a row, or F8 and Shift+F8, selects the inside of the finding's
// mark in the box; the list's current row follows.

const kGroupRows = 64;

export class ProblemsList {
  // `select(key)` selects the mark whose key is `key` in the box.
  constructor(aside, select) {
    this.aside = aside;
    this.rows = aside.querySelector('.rows');
    this.select = select;
    this.findings = [];
    this.shown = [];  // the findings of the rows shown
    this.keys = new Set();  // the marks' keys of the rows shown
    this.rows.addEventListener('click', (event) => {
      const row = event.target.closest('.row');
      if (row) this.Go(row.dataset.mark, row);
    });
  }

  // Rows for `findings` ({ key, claim, inside, severity, severityWord, explanation }, `key` that of
  // the finding's mark), only those of severity "fix" when `fixOnly`.
  Fill(findings, fixOnly) {
    this.findings = findings;
    this.Filter(fixOnly);
  }

  // Shows only the rows of severity "fix" when `fixOnly`, else every row.
  Filter(fixOnly) {
    const shown = fixOnly ? this.findings.filter((f) => f.severity === 'fix') : this.findings;
    this.shown = shown;
    this.keys = new Set(shown.map((f) => f.key));
    const rows = document.createDocumentFragment();
    let group = null;
    for (const finding of shown) {
      // Rows in groups, each laid out only while it is in view.
      if (!group || group.childElementCount === kGroupRows) {
        group = document.createElement('div');
        group.className = 'group';
        rows.append(group);
      }
      group.append(Row(finding));
    }
    this.rows.replaceChildren(rows);
  }

  // The index of the finding whose fix 修正 applies: the selected row's; when it has none, or no
  // row is selected, the first shown finding with a fix from that row (or from the first mark of
  // `shown` after the box's caret) on, wrapping around; -1 when no row has a fix.
  FixTarget(shown) {
    const selected = this.rows.querySelector('.row[aria-selected="true"]');
    const after = selected ? null : MarkAfterCaret(Array.from(shown).filter((e) => this.keys.has(e.dataset.mark)));
    const from = selected ? this.shown.findIndex((f) => f.index === Number(selected.dataset.finding))
      : this.shown.findIndex((f) => f.key === after?.dataset.mark);
    for (let i = 0; i < this.shown.length; ++i) {
      const finding = this.shown[(Math.max(from, 0) + i) % this.shown.length];
      if (finding.fix) return finding.index;
    }
    return -1;
  }

  // Shows the list when `visible` and it has a row, else hides it.
  Show(visible) {
    this.aside.hidden = !visible || this.rows.childElementCount === 0;
  }

  // Selects the next mark of `shown` with a row after the selection (direction 1) or the one
  // before it (-1), wrapping around at the ends.
  Step(shown, direction) {
    const elements = Array.from(shown).filter((element) => this.keys.has(element.dataset.mark));
    if (elements.length === 0) return;
    let target;
    if (direction > 0) {
      target = MarkAfterCaret(elements) ?? elements[0];
    } else {
      const caret = SelectionRange();
      caret?.collapse(true);
      target = elements.findLast((element) =>
        caret && caret.comparePoint(element, element.childNodes.length) < 0) ?? elements.at(-1);
    }
    const key = target.dataset.mark;
    this.Go(key, this.rows.querySelector(`.row[data-mark="${key}"]`));
  }

  Go(key, row) {
    this.select(key);
    for (const current of this.rows.querySelectorAll('.row[aria-selected="true"]')) {
      current.removeAttribute('aria-selected');
    }
    if (!row) return;
    row.setAttribute('aria-selected', 'true');
    row.scrollIntoView({ block: 'nearest' });
  }
}

function SelectionRange() {
  const selection = getSelection();
  return selection.rangeCount > 0 ? selection.getRangeAt(0).cloneRange() : null;
}

// The first of `elements` after the end of the selection, or undefined.
function MarkAfterCaret(elements) {
  const caret = SelectionRange();
  caret?.collapse(false);
  return elements.find((element) => caret && caret.comparePoint(element, 0) > 0);
}

// The row of a finding, with the window's columns: the claim's number, the mark's inside, the
// severity, the fix's sign and title and the explanation, which is also the row's tooltip.
function Row(finding) {
  const row = document.createElement('div');
  row.setAttribute('role', 'listitem');
  row.dataset.mark = finding.key;
  row.dataset.finding = finding.index;
  row.className = `row ${finding.severity}`;
  row.title = finding.explanation;
  for (const [part, text] of [['claim', finding.claim], ['what', finding.inside],
    ['severity', finding.severityWord], ['correction', finding.fix ?? ''], ['why', finding.explanation]]) {
    const cell = document.createElement('span');
    cell.className = part;
    cell.textContent = text;
    row.append(cell);
  }
  return row;
}
