// The problems list beside the box: one row per finding of the marks the box holds, in report
// order. A click on a row, or F8 and Shift+F8 in the box, selects the inside of the finding's
// mark; the list's current row follows the selection.
export class ProblemsList {
  // `select(mark)` selects a mark in the box.
  constructor(aside, select) {
    this.aside = aside;
    this.rows = aside.querySelector('ol');
    this.select = select;
    this.marks = [];
    this.rows.addEventListener('click', (event) => {
      const row = event.target.closest('li');
      if (row) this.Go(this.marks[row.dataset.mark], row);
    });
  }

  // Shows the findings of `marks` (each { start, end, findings }); hides the list when there
  // are none.
  Show(marks) {
    this.marks = marks;
    const rows = document.createDocumentFragment();
    marks.forEach((mark, index) => {
      for (const finding of mark.findings ?? []) {
        const row = document.createElement('li');
        row.dataset.mark = index;
        row.innerHTML = '<span class="claim"></span><span class="what"></span>';
        row.querySelector('.claim').textContent = `权${finding.claim}`;
        row.querySelector('.what').textContent = finding.mark;
        rows.append(row);
      }
    });
    this.rows.replaceChildren(rows);
    this.aside.hidden = this.rows.childElementCount === 0;
  }

  // Selects the next mark after the selection of `area` (direction 1) or the one before it
  // (-1), wrapping around at the ends.
  Step(area, direction) {
    if (this.marks.length === 0) return;
    const next = direction > 0
      ? this.marks.find((mark) => mark.start >= area.selectionEnd) ?? this.marks[0]
      : this.marks.findLast((mark) => mark.end <= area.selectionStart) ?? this.marks.at(-1);
    this.Go(next, this.rows.querySelector(`li[data-mark="${this.marks.indexOf(next)}"]`));
  }

  Go(mark, row) {
    this.select(mark);
    for (const current of this.rows.querySelectorAll('li[aria-selected="true"]')) {
      current.removeAttribute('aria-selected');
    }
    row.setAttribute('aria-selected', 'true');
    row.scrollIntoView({ block: 'nearest' });
  }
}
