// The problems list beside the box: one row per finding of the marks the box holds, in the
// order of the text. A click on a row, or F8 and Shift+F8, selects the inside of the finding's
// mark in the box; the list's current row follows.

// The word for each severity, as the window shows it.
export const SeverityWord = { fix: '需修改', review: '请复核', note: '提示' };

const kGroupRows = 64;

export class ProblemsList {
  // `select(key)` selects the mark whose key is `key` in the box.
  constructor(aside, select) {
    this.aside = aside;
    this.rows = aside.querySelector('.rows');
    this.select = select;
    this.keys = [];  // the marks' keys, in the order of the text
    this.rows.addEventListener('click', (event) => {
      const row = event.target.closest('.row');
      if (row) this.Go(row.dataset.mark, row);
    });
  }

  // Shows the findings of the mark elements `shown` (in the order of the text), `findingsOf(key)`
  // giving those of a mark's key, only those of severity "fix" when `fixOnly`; hides the list
  // when it has no row. Returns all the findings.
  Show(shown, findingsOf, fixOnly) {
    this.keys = [...new Set(Array.from(shown, (element) => element.dataset.mark))];
    const findings = [];
    const rows = document.createDocumentFragment();
    let group = null;
    for (const key of this.keys) {
      for (const finding of findingsOf(key) ?? []) {
        findings.push(finding);
        if (fixOnly && finding.severity !== 'fix') continue;
        // Rows in groups, each laid out only while it is in view.
        if (!group || group.childElementCount === kGroupRows) {
          group = document.createElement('div');
          group.className = 'group';
          rows.append(group);
        }
        const row = document.createElement('div');
        row.setAttribute('role', 'listitem');
        row.dataset.mark = key;
        row.className = `row ${finding.severity}`;
        row.innerHTML = '<span class="severity"></span><span class="claim"></span><span class="what"></span>';
        row.querySelector('.severity').textContent = SeverityWord[finding.severity];
        row.querySelector('.claim').textContent = `权${finding.claim}`;
        row.querySelector('.what').textContent = finding.code === 'antecedent'
          ? `${finding.mark} ${finding.term}` : finding.mark;
        group.append(row);
      }
    }
    this.rows.replaceChildren(rows);
    this.aside.hidden = this.rows.childElementCount === 0;
    return findings;
  }

  // Selects the next mark of `shown` after the selection (direction 1) or the one before it
  // (-1), wrapping around at the ends.
  Step(shown, direction) {
    if (shown.length === 0) return;
    const selection = getSelection();
    const range = selection.rangeCount > 0 ? selection.getRangeAt(0) : null;
    const elements = Array.from(shown);
    let target;
    if (direction > 0) {
      const caret = range && range.cloneRange();
      caret?.collapse(false);
      target = elements.find((element) => caret && caret.comparePoint(element, 0) > 0) ?? elements[0];
    } else {
      const caret = range && range.cloneRange();
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
