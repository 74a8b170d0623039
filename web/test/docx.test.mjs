// Word documents and text files opened in the page, held to the fixtures every reader of Word
// documents is held to: each fixture's claims in the box, checked at once, undone as a paste is,
// and each bad input refused with quillex-check's own reason.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { strFromU8, strToU8, unzipSync, zipSync } from 'fflate';
import iconv from 'iconv-lite';
import {
  BoxText, CheckReport, CloseMessage, Download, kSource, LaunchBrowser, MessageText, OpenPage, Paste, Troubles,
} from './support.mjs';

const kData = `${kSource}/tests/data/docx`;
// The fixtures with the text they must give, and those that must be refused.
const kFixtures = readdirSync(kData).filter((name) => name.endsWith('.txt')).map((name) => name.slice(0, -4));
const kRefused = readdirSync(kData).filter((name) => /^bad_.*\.docx$|\.doc$/.test(name));

let browser;
before(async () => {
  browser = await LaunchBrowser();
});
after(() => browser.close());

// Hands the page the file `name` holding `bytes`, dropped onto the box or chosen with 打开… (`how`
// 'drop' or 'button'), the same way in every engine.
function GiveFile(tab, name, bytes, how) {
  return tab.evaluate(({ name, data, how }) => {
    const file = new File([Uint8Array.from(atob(data), (c) => c.charCodeAt(0))], name);
    const transfer = new DataTransfer();
    transfer.items.add(file);
    if (how === 'button') {
      const input = document.getElementById('openFile');
      input.files = transfer.files;
      input.dispatchEvent(new Event('change'));
      return;
    }
    const event = new DragEvent('drop', { bubbles: true, cancelable: true });
    Object.defineProperty(event, 'dataTransfer', { value: transfer });
    document.getElementById('box').dispatchEvent(event);
  }, { name, data: Buffer.from(bytes).toString('base64'), how });
}


// The box's text once the check of an opened file is done (its status line shown, or a message
// box open), with the message boxes it opened closed.
async function CheckedText(tab) {
  const Done = () => tab.evaluate(() => document.getElementById('status').textContent !== '' ||
    document.querySelector('dialog[open]') !== null);
  for (let tries = 0; tries < 500 && !(await Done()); ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  const text = await BoxText(tab);
  while (await tab.evaluate(() => document.querySelector('dialog[open]') !== null)) await CloseMessage(tab);
  return text;
}

// Opens `bytes` as `name` over "before" and checks that the report of `claims` comes into the box,
// one Ctrl+Z bringing back `claims` and another "before".
async function OpensAs(page, name, bytes, how, claims, report) {
  await Paste(page, 'before');
  await GiveFile(page, name, bytes, how);
  assert.equal(await CheckedText(page), report, name);
  await page.press('Control+z');
  assert.equal(await BoxText(page), claims, name);
  await page.press('Control+z');
  assert.equal(await BoxText(page), 'before', name);
}

test('every Word fixture, and a text file read as UTF-8 else as GB18030 whatever its name, gives its claims, checked at once and undone as a paste', async () => {
  assert.ok(kFixtures.length >= 6, kFixtures.join(' '));
  const table = `${kData}/table.txt`;
  const claims = readFileSync(table, 'utf8');
  const files = [
    ...kFixtures.map((name, index) => [`${name}.docx`, readFileSync(`${kData}/${name}.docx`), index % 2 === 0 ? 'drop' : 'button',
      `${kData}/${name}.txt`]),
    ['utf8.txt', Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]), Buffer.from(claims)]), 'drop', table],
    ['gb18030.txt', iconv.encode(claims, 'gb18030', { addBOM: true }), 'drop', table],
    ['claims.docx', iconv.encode(claims, 'gb18030'), 'button', table],
  ];
  const page = await OpenPage(browser);
  for (const [name, bytes, how, text] of files) {
    await OpensAs(page, name, bytes, how, readFileSync(text, 'utf8'), CheckReport(text).report);
  }
  assert.deepEqual(await Troubles(page), { refused: [], errors: [] });
});

test('each bad input gets quillex-check\'s reason in one line naming it, and the box stays', async () => {
  assert.ok(kRefused.length >= 7, kRefused.join(' '));
  const page = await OpenPage(browser);
  const cases = kRefused.map((name) => {
    const { messages } = CheckReport(`${kData}/${name}`);
    const prefix = `quillex-check: ${kData}/${name}: `;
    assert.ok(messages.startsWith(prefix) && messages.endsWith('\n'), messages);
    return [name, readFileSync(`${kData}/${name}`), messages.slice(prefix.length, -1)];
  });
  cases.push(['doc.wps', readFileSync(`${kData}/word97.doc`), '是 WPS 文字文档（.wps），请另存为 .docx 后再检查'],
    ['latin1.txt', Buffer.from([0x31, 0x2E, 0xE9, 0x80, 0xFF]), '既不是 UTF-8 也不是 GB18030 文本']);
  for (const [name, bytes, reason] of cases) {
    await Paste(page, 'before');
    await GiveFile(page, name, bytes, 'drop');
    assert.equal(await MessageText(page), `无法打开 ${name}：${reason}`);
    await CloseMessage(page);
    assert.equal(await BoxText(page), 'before', name);
  }
  // Firefox reports to the console every part its DOMParser finds not well-formed, as it does a
  // script's error.
  const errors = (await Troubles(page)).errors.filter((error) => !error.startsWith('XML Parsing Error:'));
  assert.deepEqual(errors, []);
});

// Small seeded changes of what Word writes, each keeping the XML well-formed: other lists, levels,
// formats, starts and restarts, styles, hidden runs, deleted and inserted runs, breaks, tabs,
// fields (some left open) and headings.
const kChanges = [
  (xml, pick) => xml.replace(/(<w:numId w:val=")\d+/g, (all, head) => (pick(3) ? all : head + pick(6))),
  (xml, pick) => xml.replace(/(<w:ilvl w:val=")\d+/g, (all, head) => (pick(3) ? all : head + pick(3))),
  (xml, pick) => xml.replace(/(<w:lvlText w:val=")[^"]*/g, (all, head) =>
    head + ['%1.', '%1、', '（%1）', '第%1条', '%1.%2', '%2', ''][pick(7)]),
  (xml, pick) => xml.replace(/(<w:numFmt w:val=")[^"]*/g, (all, head) => head + ['decimal', 'chineseCounting',
    'upperRoman', 'lowerLetter', 'decimalEnclosedCircle', 'none', 'decimalFullWidth', 'decimalZero'][pick(8)]),
  (xml, pick) => xml.replace(/(<w:start w:val=")\d+/g, (all, head) => head + pick(30)),
  (xml, pick) => xml.replace(/<\/w:num>/g, (all) => (pick(2) ? all
    : `<w:lvlOverride w:ilvl="0"><w:startOverride w:val="${pick(5)}"/></w:lvlOverride>${all}`)),
  (xml, pick) => xml.replace(/<w:suff w:val="nothing"\/>/g, () => ['', '<w:suff w:val="space"/>'][pick(2)]),
  (xml, pick) => xml.replace(/(<w:pStyle w:val=")[^"]*/g, (all, head) => head + ['Claim', 'Normal', 'None'][pick(3)]),
  (xml, pick) => xml.replace(/<w:r>(?!<w:rPr>)/g, (all) => (pick(4) ? all : '<w:r><w:rPr><w:vanish/></w:rPr>')),
  (xml, pick) => xml.replace(/<w:r>.*?<\/w:r>/g, (run) => [run, run, run, `<w:del w:id="90">${run}</w:del>`,
    `<w:ins w:id="91">${run}</w:ins>`, `<w:r><w:br/></w:r>${run}`, `<w:r><w:tab/></w:r>${run}`][pick(7)]),
  (xml, pick) => xml.replace(/<w:r>.*?<\/w:r>/g, (run) => (pick(5) ? run
    : '<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText>SEQ</w:instrText></w:r>' +
      `${pick(2) ? '<w:r><w:fldChar w:fldCharType="separate"/></w:r>' : ''}${run}` +
      `${pick(3) ? '<w:r><w:fldChar w:fldCharType="end"/></w:r>' : ''}`)),
  (xml, pick) => xml.replace(/<\/w:p>/g, (all) => (pick(6) ? all
    : `${all}<w:p><w:r><w:t>${['说明书', ' 权利要求书 ', '摘要', '1.'][pick(4)]}</w:t></w:r></w:p>`)),
];

test('the page reads changed documents as quillex-check reads them', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'quillex-docx-'));
  // A seeded generator: the same documents on every run.
  let seed = 20;
  const pick = (n) => {
    seed = (seed * 1103515245 + 12345) % 2147483648;
    return Math.floor((seed / 2147483648) * n);
  };
  const page = await OpenPage(browser);
  for (let i = 0; i < 40; ++i) {
    const base = kFixtures[i % kFixtures.length];
    const entries = unzipSync(readFileSync(`${kData}/${base}.docx`));
    const changes = [pick(kChanges.length), pick(kChanges.length), pick(kChanges.length)];
    for (const name of ['word/document.xml', 'word/numbering.xml', 'word/styles.xml'].filter((n) => entries[n])) {
      let xml = strFromU8(entries[name]);
      for (const change of changes) xml = kChanges[change](xml, pick);
      entries[name] = strToU8(xml);
    }
    const file = join(dir, `${i}-${base}.docx`);
    const bytes = zipSync(entries);
    writeFileSync(file, bytes);
    await Paste(page, 'before');
    await GiveFile(page, `${i}.docx`, bytes, 'drop');
    // As quillex-check prints a report: ending in a line break, one added when it has none.
    const shown = await CheckedText(page);
    assert.equal(shown.endsWith('\n') ? shown : `${shown}\n`, `${CheckReport(file).report}\n`, `${base} changed by ${changes}`);
  }
  rmSync(dir, { recursive: true });
});

test('保存批注版… downloads the copy each fixture\'s table lists, which rejected is the original', async () => {
  const tables = readdirSync(kData).filter((name) => name.endsWith('.review.tsv')).map((name) => name.slice(0, -11));
  assert.ok(tables.length >= 8, tables.join(' '));
  const dir = mkdtempSync(join(tmpdir(), 'quillex-review-'));
  const page = await OpenPage(browser);
  let last;
  assert.equal(await page.evaluate(() => document.getElementById('saveReviewed').disabled), true);
  // The tables list the copies of quillex-check --annotate --review.
  await page.click('#review');
  for (const name of tables) {
    const original = readFileSync(`${kData}/${name}.docx`);
    await Paste(page, 'before');
    await GiveFile(page, `${name}.docx`, original, 'drop');
    await CheckedText(page);
    const { name: offered, bytes } = await Download(page, '#saveReviewed', true);
    assert.equal(offered, `${name}.quillex.docx`);
    const before = unzipSync(original);
    const copy = unzipSync(bytes);
    if (name === 'slips') {
      // "所述所述手柄为𠀀塑料，，且为圆形。" is one bold run, cut by two changes and a comment: every
      // piece of it, deleted, kept or inserted, stays bold.
      const bold = await page.evaluate((xml) => {
        const W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main';
        const paragraph = new DOMParser().parseFromString(xml, 'application/xml').getElementsByTagNameNS(W, 'p')[2];
        return Array.from(paragraph.getElementsByTagNameNS(W, 'r'), (run) => ({
          text: Array.from(run.children, (child) => (/^(t|delText)$/.test(child.localName) ? child.textContent : '')).join(''),
          bold: run.getElementsByTagNameNS(W, 'b').length === 1,
        })).filter(({ text }) => text !== '' && text !== '，' && '所述所述手柄为𠀀塑料，，且为圆形。'.includes(text));
      }, strFromU8(copy['word/document.xml']));
      assert.ok(bold.length >= 4, JSON.stringify(bold));
      assert.deepEqual(bold.filter((piece) => !piece.bold), []);
    }
    // Every entry but those that hold or name our marks is as it was.
    const kChanged = ['word/document.xml', 'word/comments.xml', '[Content_Types].xml', 'word/_rels/document.xml.rels'];
    for (const [entry, data] of Object.entries(before)) {
      assert.ok(copy[entry], `${name}: ${entry}`);
      if (!kChanged.includes(entry)) assert.deepEqual(copy[entry], data, `${name}: ${entry}`);
    }
    // quillex-check reads the copy as Word shows it, our changes accepted, as it reads its own.
    const pageCopy = join(dir, `${name}.quillex.docx`);
    const nativeCopy = join(dir, `${name}.native.docx`);
    writeFileSync(pageCopy, bytes);
    CheckReport(`${kData}/${name}.docx`, ['--annotate', '--review', '--output', nativeCopy]);
    assert.equal(CheckReport(pageCopy).report, CheckReport(nativeCopy).report, name);
    last = copy;
  }
  // LibreOffice opens every copy with exactly the comments and changes of its table, in the order
  // it lists the changes, keeps the comments of others, and with our changes rejected reads the
  // original's text.
  const office = spawnSync('python3', [`${kSource}/tests/libreoffice_review_test.py`, '--copies', dir, kData],
    { encoding: 'utf8', timeout: 400000 });
  assert.equal(office.status, 0, office.stdout + office.stderr);
  // The button follows the box: an edit takes the document's report away, Ctrl+Z brings it back.
  const Disabled = () => page.evaluate(() => document.getElementById('saveReviewed').disabled);
  await page.evaluate(() => document.getElementById('box').focus());
  await page.press('Control+End');
  await page.type('x');
  assert.equal(await Disabled(), true);
  await page.press('Control+z');
  assert.equal(await Disabled(), false);
  // A second copy of the document last opened is the same copy, but for the time it was made.
  const again = unzipSync((await Download(page, '#saveReviewed', true)).bytes);
  const Undated = (part) => part && strFromU8(part).replace(/ w:date="[^"]*"/g, '');
  for (const part of ['word/document.xml', 'word/comments.xml']) assert.equal(Undated(again[part]), Undated(last[part]), part);
  rmSync(dir, { recursive: true });
  assert.deepEqual((await Troubles(page)).errors, []);
});
