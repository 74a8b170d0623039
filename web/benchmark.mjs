// The page's speed in headless Chromium: the time from opening the page until its engine is
// ready, the time of "开始检查" on a pasted text until the report and its list are on screen, the
// time of opening a Word document of the text's first 1,000 paragraphs until the same, and that of
// "保存批注版…" on it until its reviewed copy is offered for download.
//   node web/benchmark.mjs build-web/quillex.html claims.txt [RUNS]
// Each run opens the page afresh, so that every check is the first of its page, as a user's is.
// The document is made as a long-edited one is, each paragraph cut into runs of six characters
// with their own formatting, and a figure's worth of bytes that do not pack: 5 MB in all.
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { strToU8, zipSync } from 'fflate';
import { chromium } from 'playwright-core';

const [page, claims, runs = '9'] = process.argv.slice(2);
if (!page || !claims) throw new Error('usage: node web/benchmark.mjs PAGE CLAIMS [RUNS]');
const text = readFileSync(claims, 'utf8');

function Escaped(text) {
  return text.replace(/[&<>]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;' })[c]);
}

function ThousandClaimsDocx() {
  const paragraphs = ['权利要求书', ...text.split('\n').filter((line) => line !== '').slice(0, 1000)];
  const body = paragraphs.map((paragraph) => {
    let runs = '';
    for (let at = 0; at < paragraph.length; at += 6) {
      runs += `<w:r><w:rPr><w:rFonts w:hint="eastAsia"/><w:sz w:val="${24 + at % 4}"/></w:rPr>` +
        `<w:t xml:space="preserve">${Escaped(paragraph.slice(at, at + 6))}</w:t></w:r>`;
    }
    return `<w:p>${runs}</w:p>`;
  }).join('');
  const figure = new Uint8Array(Math.round(4.9 * 2 ** 20));
  // A seeded xorshift, so that every run and every machine gets the same bytes.
  for (let i = 0, x = 20; i < figure.length; ++i) {
    x ^= x << 13;
    x ^= x >>> 17;
    x ^= x << 5;
    figure[i] = x & 0xFF;
  }
  return zipSync({
    '[Content_Types].xml': strToU8('<?xml version="1.0"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"/>'),
    'word/document.xml': strToU8('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>' +
      `<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>${body}</w:body></w:document>`),
    'word/media/image1.png': figure,
  });
}
const docx = ThousandClaimsDocx();

const browser = await chromium.launch({
  executablePath: process.env.QUILLEX_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--disable-background-networking', '--disable-component-update', '--no-first-run'],
});

// In a fresh tab once its engine is ready: how long it took to get there, and how long `action`
// (run in the page with `arg`) took.
async function Measure(action, arg) {
  const tab = await browser.newPage({ viewport: { width: 1280, height: 720 } });
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector('html[data-ready="true"]');
  const load = await tab.evaluate(() => performance.now());
  const time = await tab.evaluate(action, arg);
  await tab.close();
  return { load, time };
}

// Pastes the text, then times 开始检查 until the next frame has been drawn.
async function PasteAndCheck(text) {
  const drawn = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
  const box = document.getElementById('box');
  box.focus();
  const data = new DataTransfer();
  data.setData('text/plain', text);
  box.dispatchEvent(new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  await drawn();
  const start = performance.now();
  document.getElementById('check').click();
  await drawn();
  return performance.now() - start;
}

// Drops the document onto the box and times it until its report's status line is on screen and
// the next frame has been drawn; then times 保存批注版… until the copy is offered.
async function DropDocxAndSave(base64) {
  const drawn = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
  const file = new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], 'claims.docx');
  const data = new DataTransfer();
  data.items.add(file);
  const start = performance.now();
  document.getElementById('box').dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
  while (document.getElementById('status').textContent === '') await new Promise(requestAnimationFrame);
  await drawn();
  const open = performance.now() - start;
  for (const dialog of document.querySelectorAll('dialog[open]')) dialog.close();
  const button = document.getElementById('saveReviewed');
  while (button.disabled) await new Promise(requestAnimationFrame);
  const offered = new Promise((resolve) => {
    HTMLAnchorElement.prototype.click = resolve;
  });
  const saveStart = performance.now();
  button.click();
  await offered;
  return { open, save: performance.now() - saveStart };
}

const loads = [];
const checks = [];
const opens = [];
const saves = [];
const base64 = Buffer.from(docx).toString('base64');
for (let run = 0; run < Number(runs); ++run) {
  const checked = await Measure(PasteAndCheck, text);
  loads.push(checked.load);
  checks.push(checked.time);
  const { time } = await Measure(DropDocxAndSave, base64);
  opens.push(time.open);
  saves.push(time.save);
}
await browser.close();

const Summary = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return `fastest ${sorted[0].toFixed(0)} ms, median ${sorted[sorted.length >> 1].toFixed(0)} ms`;
};
console.log(`load until the engine is ready: ${Summary(loads)}`);
console.log(`开始检查 until the report and its list are shown: ${Summary(checks)}`);
console.log(`a ${(docx.length / 2 ** 20).toFixed(1)} MB .docx dropped until its report and list are shown: ${Summary(opens)}`);
console.log(`保存批注版… on it until its reviewed copy is offered: ${Summary(saves)}`);
