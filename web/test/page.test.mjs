// The page as a drafter uses it, opened from disk with every outside request refused, in each engine.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import {
  BoxText, CheckReport, CloseMessage, Download, kEngine, kSource, LaunchBrowser, MessageText, OpenPage,
  Paste, PasteHere, TextOf, Troubles, WaitFor,
} from './support.mjs';

const kCupFile = `${kSource}/samples/worked-example.txt`;
const kCup = readFileSync(kCupFile, 'utf8');
const kRed = 'rgb(255, 0, 0)';
const kCupStatus = '1套 · 3条权利要求 · 2条有问题 · 问题3处    需修改 2 · 请复核 1 · 提示 0';

// The rows of the problems list, their cells joined by " | ".
function Rows(page) {
  return page.evaluate(() => Array.from(document.querySelectorAll('#problems .row'),
    (row) => Array.from(row.children, (cell) => cell.textContent).join(' | ')));
}

// Whether the list and the status line show the cup example's report.
async function ShowsTheReport(page) {
  const status = await TextOf(page, '#status');
  const hidden = await page.evaluate(() => document.getElementById('problems').checkVisibility() === false);
  assert.equal(status, hidden ? '' : kCupStatus);
  return !hidden;
}

let browser;
before(async () => {
  browser = await LaunchBrowser();
});
after(() => browser.close());

test('the cup example: the report, its red marks, the list, F8 and a click', async () => {
  const page = await OpenPage(browser);
  await Paste(page, kCup);
  await page.press('Control+Enter');
  const { report } = CheckReport(kCupFile);
  assert.equal(await BoxText(page), report);

  // The red is exactly the inside of every bracket the report writes, in order, the blank of the
  // summary's "【 】" included, as the window shows it.
  const insides = [...report.matchAll(/【([^】]+?)】/g)].map((m) => m[1]);
  assert.equal(insides[0], ' ');
  const marks = await page.evaluate(() => Array.from(document.querySelectorAll('#box .mark'),
    (e) => ({ text: e.textContent, colour: getComputedStyle(e).color })));
  assert.deepEqual(marks, insides.map((text) => ({ text, colour: kRed })));
  assert.equal(await page.evaluate(() => getComputedStyle(document.getElementById('box')).color), 'rgb(0, 0, 0)');

  // The window's rows and status line, word for word.
  assert.deepEqual(await Rows(page), [
    '2 | 所述 | 请复核 |  | “手柄”缺乏引用基础',
    '4 | 本权编号与前不连续 | 需修改 | →按顺序重新编号为1至3 | 编号与前一条权利要求不连续',
    '4 | 缺句号 | 需修改 |  | 缺少句号“。”',
  ]);
  assert.equal(await TextOf(page, '#status'), kCupStatus);

  const selected = () => page.evaluate(() => getSelection().toString());
  // F8 goes from finding to finding: the summary's blank is none.
  const merged = insides[2];
  for (const [key, expected] of [['F8', '所述'], ['F8', merged], ['F8', '所述'], ['Shift+F8', merged]]) {
    await page.press(key);
    assert.equal(await selected(), expected, key);
  }
  await page.click('#problems .row');
  assert.equal(await selected(), '所述');
  assert.equal(await page.evaluate(() => document.querySelector('#problems .row').getAttribute('aria-selected')), 'true');

  // Everything fits a 1280 x 720 screen.
  for (const id of ['box', 'problems', 'check', 'about', 'status']) {
    const box = await page.evaluate((id) => document.getElementById(id).getBoundingClientRect().toJSON(), id);
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 1280 && box.y + box.height <= 720, id);
  }
  await page.screenshot(`${process.env.QUILLEX_SHOTS}/quillex-page.${kEngine}.png`);
  assert.deepEqual(await Troubles(page), { refused: [], errors: [] });
});

test('texts as drafters paste them get the report of the same text typed plainly', async () => {
  const one = '一种杯子，其特征在于，包括杯体。';
  const two = '根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷';
  // Spaces of other kinds, full-width digits and Word's manual line break, then every other
  // line break, each with its plain version, which quillex-check reads from a file.
  const cases = [
    [`　　1.　${one}\n　　2.　${two}`, `  1. ${one}\n  2. ${two}`],
    [`1.\u00a0${one}\n2.\u00a0${two}`, `1. ${one}\n2. ${two}`],
    [`１．${one}\n２．${two.replace('1', '１')}`, `1.${one}\n2.${two}`],
    [`1.${one}\v2.${two}`, `1.${one}\n2.${two}`],
    [`\u2029权利要求书\u20281.${one}\u0085\f2.${two}\ufeff`, `\n权利要求书\n1.${one}\n\n2.${two} `],
  ];
  const page = await OpenPage(browser);
  for (const [pasted, plain] of cases) {
    const { report } = CheckReport({ text: plain });
    await Paste(page, pasted);
    await page.click('#check');
    assert.equal(await BoxText(page), report, pasted);
    // Every bracket's inside is red, the summary's blank too.
    const insides = [...report.matchAll(/【([^】]+?)】/g)].map((m) => m[1]);
    assert.deepEqual(await page.evaluate(() => Array.from(document.querySelectorAll('#box .mark'), (e) => e.textContent)), insides);
  }
  assert.deepEqual((await Troubles(page)).errors, []);
});

test('the message boxes, with the window\'s texts', async () => {
  const cases = [
    { text: '显示署名', messages: ['作者：Quillex 开发组', '未找到权1 ?\n\n 请检查'], box: '显示署名' },
    { text: '1. 一种杯子，其特征在于，包括杯体和杯盖。', messages: ['恭喜 :-)\n\n未发现常见形式错误'] },
  ];
  const page = await OpenPage(browser);
  for (const { text, messages, box } of cases) {
    await Paste(page, text);
    await page.click('#check');
    for (const message of messages) {
      assert.equal(await MessageText(page), message);
      await CloseMessage(page);
    }
    assert.equal(await page.evaluate(() => document.querySelector('dialog[open]')), null);
    if (box) assert.equal(await BoxText(page), box);
  }
});

test('each command and each edit is one step of one history, wherever the focus is', async () => {
  const page = await OpenPage(browser);
  const help = readFileSync(`${kSource}/app/res/help.txt`, 'utf8').replace(/\r\n?/g, '\n');
  const report = CheckReport(kCupFile).report;
  await Paste(page, kCup);
  const steps = [
    ['click', '#check', report],
    ['press', 'Control+z', kCup],
    ['press', 'Control+Shift+z', report],
    ['click', '#clear', ''],
    ['press', 'Control+z', report],
    ['click', '#help', help],
    ['press', 'Control+z', report],
  ];
  for (const [action, target, expected] of steps) {
    await (action === 'click' ? page.click(target) : page.press(target));
    assert.equal(await BoxText(page), expected, `${action} ${target}`);
  }
  // Typing, Enter and a paste in the report that came back.
  await page.click('#box');
  await page.press('Control+End');
  await page.type('甲乙');
  await page.press('Enter');
  await page.type('丙');
  await page.press('Shift+Home');
  await PasteHere(page, '丁\r\n戊');
  // The list and the status line follow the box as the window's do: hidden while it holds
  // anything but the report, shown again when the report comes back.
  const states = [`${report}甲乙\n丁\n戊`, `${report}甲乙\n丙`, `${report}甲乙\n`, `${report}甲乙`, report];
  assert.equal(await BoxText(page), states[0]);
  assert.equal(await ShowsTheReport(page), false);
  // F8 goes to no mark of a report that was edited.
  await page.press('F8');
  assert.equal(await page.evaluate(() => getSelection().toString()), '');
  for (const expected of states.slice(1)) {
    await page.press('Control+z');
    assert.equal(await BoxText(page), expected);
    assert.equal(await ShowsTheReport(page), expected === report, expected);
  }
  // The report is coloured and listed again; undoing the check hides the list.
  assert.equal(await page.evaluate(() => document.querySelectorAll('#box .mark').length), 3);
  assert.equal((await Rows(page)).length, 3);
  await page.press('Control+z');
  assert.equal(await BoxText(page), kCup);
  assert.equal(await ShowsTheReport(page), false);
  for (const expected of [...states].reverse()) {
    await page.press('Control+y');
    assert.equal(await BoxText(page), expected);
    assert.equal(await ShowsTheReport(page), expected === report, expected);
  }
});

test('修正 (Ctrl+., a row\'s context menu) and 全部修正: the corrected text, then its report, one Ctrl+Z each', async () => {
  const one = '1.一种杯子，其特征在于，包括杯体。\n';
  const clean = '1套 · 2条权利要求 · 0条有问题 · 问题0处    需修改 0 · 请复核 0 · 提示 0';
  const cases = [
    { review: true, command: 'Control+.', text: `${one}2.据权利要求1所述的杯子，其特征在于，杯体为陶瓷。`,
      corrected: `${one}2.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。`, status: `已修正 1 处    ${clean}` },
    { review: true, command: '#menuFix', text: `${one}2.根据权利要求1所述的杯子，其特征在于，所述所述杯体为陶瓷。`,
      corrected: `${one}2.根据权利要求1所述的杯子，其特征在于，所述杯体为陶瓷。`, status: `已修正 1 处    ${clean}` },
    { review: false, command: '#fixAll', text: `${one}3.根据权利要求1所述的杯子，其特征在于，，杯体为陶瓷；`,
      corrected: `${one}2.根据权利要求1所述的杯子，其特征在于，杯体为陶瓷。`, status: `已修正 3 处    ${clean}` },
    // Pasted spaces and full-width numbers stay as typed, and the renumbering keeps their width.
    { review: true, command: '#fixAll', text: '　　１．一种杯子，其特征在于，包括杯体。\n　　３．据权利要求１所述的杯子，\u2009其特征在于，杯体为陶瓷。',
      corrected: '　　１．一种杯子，其特征在于，包括杯体。\n　　２．根据权利要求１所述的杯子，\u2009其特征在于，杯体为陶瓷。', status: `已修正 2 处    ${clean}` },
  ];
  const page = await OpenPage(browser);
  for (const { review, command, text, corrected, status } of cases) {
    if (await page.evaluate(() => document.getElementById('review').checked) !== review) await page.click('#review');
    await Paste(page, text);
    await page.press('Control+Enter');
    const before = await BoxText(page);
    if (command === '#menuFix') {
      await page.evaluate(() => document.querySelector('#problems .row')
        .dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, button: 2 })));
    }
    if (command.startsWith('#')) await page.click(command); else await page.press(command);
    assert.equal(await MessageText(page), '恭喜 :-)\n\n未发现常见形式错误');
    await CloseMessage(page);
    assert.equal(await BoxText(page), CheckReport({ text: corrected }, review ? ['--review'] : []).report);
    assert.equal(await TextOf(page, '#status'), status);
    await page.press('Control+z');
    assert.equal(await BoxText(page), corrected);
    await page.press('Control+z');
    assert.equal(await BoxText(page), before);
  }
  assert.deepEqual((await Troubles(page)).errors, []);
});

test('更多检查 is kept from one visit to the next; 只看需修改 hides the other rows', async () => {
  const page = await OpenPage(browser);
  const ticked = (id) => page.evaluate((id) => document.getElementById(id).checked, id);
  assert.equal(await ticked('review'), false);
  await page.click('#review');
  await page.reload();
  await WaitFor(page, 'html[data-ready="true"]');
  assert.equal(await ticked('review'), true);
  await Paste(page, kCup);
  await page.click('#check');
  assert.equal(await BoxText(page), CheckReport(kCupFile, ['--review']).report);
  const rows = () => page.evaluate(() => Array.from(document.querySelectorAll('#problems .row'), (e) => e.className));
  const all = await rows();
  await page.click('#fixOnly');
  assert.deepEqual(await rows(), all.filter((kind) => kind === 'row fix'));
});

test('保存报告 gives the engine\'s report: the text under its count, or a page with its table and red marks', async () => {
  const page = await OpenPage(browser);
  await Paste(page, kCup);
  await page.click('#check');
  const Save = async (format) => {
    await page.click('#save');
    const download = await Download(page, `#saveBox button[value="${format}"]`);
    assert.equal(download.name, `权利要求书检查报告.${format}`);
    return download.text;
  };
  const Red = (html) => [...html.matchAll(/<span class="mark" style="color: #ff0000">([^<]*)<\/span>/g)].map((m) => m[1]);
  const kCount = '● 需修改 2 · ▲ 请复核 1 · ○ 提示 0';
  assert.equal(await Save('txt'), `${kCount}\n\n${await BoxText(page)}`);
  const html = await Save('html');
  assert.match(html, new RegExp(`<p class="summary">${kCount}</p>`));
  assert.equal([...html.matchAll(/<tr class="(\w+)">/g)].map((m) => m[1]).join(' '), 'review fix fix');
  assert.deepEqual(Red(html), [' ', '所述', '本权编号与前不连续|缺句号']);
  // An edited report is saved as it stands.
  await page.evaluate(() => document.getElementById('box').focus());
  await page.press('Control+End');
  await page.type('x');
  assert.equal(await Save('txt'), await BoxText(page));
  assert.doesNotMatch(await Save('html'), /<table>/);
});
