// The page's speed in headless Chromium: the time from opening the page until its engine is
// ready, and the time of "开始检查" on a pasted text until the report and its list are on screen.
//   node web/benchmark.mjs build-web/quillex.html claims.txt [RUNS]
// Each run opens the page afresh, so that every check is the first of its page, as a user's is.
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [page, claims, runs = '9'] = process.argv.slice(2);
if (!page || !claims) throw new Error('usage: node web/benchmark.mjs PAGE CLAIMS [RUNS]');
const text = readFileSync(claims, 'utf8');
const browser = await chromium.launch({
  executablePath: process.env.QUILLEX_CHROMIUM ?? '/usr/bin/chromium',
  args: ['--disable-background-networking', '--disable-component-update', '--no-first-run'],
});
const loads = [];
const checks = [];
for (let run = 0; run < Number(runs); ++run) {
  const tab = await browser.newPage({ viewport: { width: 1280, height: 720 } });
  await tab.goto(pathToFileURL(page).href);
  await tab.waitForSelector('html[data-ready="true"]');
  loads.push(await tab.evaluate(() => performance.now()));
  checks.push(await tab.evaluate(async (text) => {
    // After the next frame has been drawn.
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
  }, text));
  await tab.close();
}
await browser.close();

const Summary = (times) => {
  const sorted = [...times].sort((a, b) => a - b);
  return `fastest ${sorted[0].toFixed(0)} ms, median ${sorted[sorted.length >> 1].toFixed(0)} ms`;
};
console.log(`load until the engine is ready: ${Summary(loads)}`);
console.log(`开始检查 until the report and its list are shown: ${Summary(checks)}`);
