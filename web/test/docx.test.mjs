// Word documents and text files opened in the page, held to the fixtures every reader of Word
// documents is held to: each fixture's claims in the box, checked at once, undone as a paste is,
// and each bad input refused with quillex-check's own reason.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import iconv from 'iconv-lite';
import {
  BoxText, CheckReport, CloseMessage, kSource, LaunchBrowser, MessageText, OpenPage, Paste, Troubles,
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

// Waits until the box holds `text`, closing the message boxes the check opens after it.
async function AwaitBox(tab, text) {
  for (let tries = 0; tries < 500 && (await BoxText(tab)) !== text; ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  assert.equal(await BoxText(tab), text);
  while (await tab.evaluate(() => document.querySelector('dialog[open]') !== null)) await CloseMessage(tab);
}

// Opens `bytes` as `name` over "before" and checks that the report of `claims` comes into the box,
// one Ctrl+Z bringing back `claims` and another "before".
async function OpensAs(page, name, bytes, how, claims, report) {
  await Paste(page, 'before');
  await GiveFile(page, name, bytes, how);
  await AwaitBox(page, report);
  await page.press('Control+z');
  assert.equal(await BoxText(page), claims, name);
  await page.press('Control+z');
  assert.equal(await BoxText(page), 'before', name);
}

test('every Word fixture gives its claims text, checked at once and undone as a paste', async () => {
  assert.ok(kFixtures.length >= 6, kFixtures.join(' '));
  const page = await OpenPage(browser);
  for (const [index, name] of kFixtures.entries()) {
    const text = `${kData}/${name}.txt`;
    const how = index % 2 === 0 ? 'drop' : 'button';
    await OpensAs(page, `${name}.docx`, readFileSync(`${kData}/${name}.docx`), how,
      readFileSync(text, 'utf8'), CheckReport(text).report);
  }
  assert.deepEqual(await Troubles(page), { refused: [], errors: [] });
});

test('a text file is read as UTF-8, else as GB18030, whatever its name', async () => {
  const text = `${kData}/table.txt`;
  const claims = readFileSync(text, 'utf8');
  const { report } = CheckReport(text);
  const page = await OpenPage(browser);
  for (const [name, bytes] of [
    ['utf8.txt', Buffer.concat([Buffer.from([0xEF, 0xBB, 0xBF]), Buffer.from(claims)])],
    ['gb18030.txt', iconv.encode(claims, 'gb18030', { addBOM: true })],
    ['claims.docx', iconv.encode(claims, 'gb18030')],
  ]) {
    await OpensAs(page, name, bytes, 'drop', claims, report);
  }
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
