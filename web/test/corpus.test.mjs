// Every claims section of the corpus gets the same report in the page as from quillex-check.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { test } from 'node:test';
import { CheckReport, kSource, LaunchBrowser, OpenPage, Troubles } from './support.mjs';

const kCorpus = `${kSource}/../shared/corpus`;

// Each text pasted, checked and read back in the page itself, the messages closed; with
// "更多检查" ticked when `review`.
function ShownReports(page, texts, review) {
  return page.evaluate(async ({ texts, review }) => {
    const box = document.getElementById('box');
    document.getElementById('review').checked = review;
    const reports = [];
    for (const text of texts) {
      box.focus();
      document.execCommand('selectAll');
      // As support.mjs's PasteHere pastes.
      const event = new ClipboardEvent('paste', { bubbles: true, cancelable: true });
      const data = new DataTransfer();
      data.setData('text/plain', text);
      Object.defineProperty(event, 'clipboardData', { value: data });
      box.dispatchEvent(event);
      document.getElementById('check').click();
      await new Promise((resolve) => setTimeout(resolve));
      for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
      reports.push(window.QuillexBoxText());
    }
    return reports;
  }, { texts, review });
}

test('the page and quillex-check give the same report for every corpus text', async () => {
  const files = readdirSync(kCorpus).filter((name) => name.endsWith('.txt')).sort();
  assert.ok(files.length >= 400, `${files.length} corpus texts`);
  const browser = await LaunchBrowser();
  const page = await OpenPage(browser);
  // quillex-check reads a file's byte-order mark as none; a paste has none.
  const texts = files.map((name) => readFileSync(`${kCorpus}/${name}`, 'utf8').replace(/^\uFEFF/, ''));
  const shown = await ShownReports(page, texts, false);
  const differing = files.filter((name, i) => shown[i] !== CheckReport(`${kCorpus}/${name}`).report);
  assert.deepEqual(differing, []);
  // "更多检查" is quillex-check --review, on every eighth text.
  const sample = files.filter((name, i) => i % 8 === 0);
  const reviewed = await ShownReports(page, sample.map((name) => texts[files.indexOf(name)]), true);
  const differingReviewed = sample.filter((name, i) =>
    reviewed[i] !== CheckReport(`${kCorpus}/${name}`, ['--review']).report);
  assert.deepEqual(differingReviewed, []);
  assert.deepEqual((await Troubles(page)).refused, []);
  await browser.close();
});
