// What the browser tests share: Debian's Chromium driven by playwright-core, the page opened
// from disk with every request but its own file refused, and the user's steps in it.
import { spawnSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

// Set by CTest: the page, quillex-check of a native build, and the source tree.
export const kPage = process.env.QUILLEX_PAGE;
export const kCheck = process.env.QUILLEX_CHECK;
export const kSource = process.env.QUILLEX_SOURCE;

export function LaunchBrowser() {
  return chromium.launch({
    executablePath: process.env.QUILLEX_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--no-first-run'],
  });
}

// The page in a fresh context of `browser`, offline, every request but the page's own refused
// and recorded in `page.refused`; errors of the page's scripts go to `page.errors`.
export async function OpenPage(browser, options = {}) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 720 }, acceptDownloads: true, ...options });
  await context.setOffline(true);
  const url = pathToFileURL(kPage).href;
  const page = await context.newPage();
  page.refused = [];
  page.errors = [];
  await context.route('**/*', (route) => {
    if (route.request().url() === url) return route.continue();
    page.refused.push(route.request().url());
    return route.abort();
  });
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
  return page;
}

// Pastes `text` into the box in place of what it holds, as Ctrl+A and Ctrl+V do.
export async function Paste(page, text) {
  await page.click('#box');
  await page.keyboard.press('Control+A');
  await page.evaluate((text) => {
    const data = new DataTransfer();
    data.setData('text/plain', text);
    document.getElementById('box').dispatchEvent(
      new ClipboardEvent('paste', { clipboardData: data, bubbles: true, cancelable: true }));
  }, text);
}

export function BoxText(page) {
  return page.evaluate(() => window.QuillexBoxText());
}

// The text of the message box that is open, once one is.
export async function MessageText(page) {
  await page.waitForSelector('#message[open]');
  return page.textContent('#message[open] .text');
}

export async function CloseMessage(page) {
  await page.click('#message[open] button');
}

// quillex-check's report of `file` (UTF-8, "\n" line breaks) without the line break it ends its
// output with, and what it wrote to standard error; `options` go before the file.
export function CheckReport(file, options = []) {
  const run = spawnSync(kCheck, [...options, file], { encoding: 'utf8' });
  if (run.error) throw run.error;
  return { report: run.stdout.replace(/\n$/, ''), messages: run.stderr };
}
