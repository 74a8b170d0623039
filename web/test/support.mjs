// What the browser tests share: the page opened from disk in one engine, Chromium (Debian's
// chromium, driven by playwright-core), Firefox ESR (Debian's firefox-esr, over WebDriver BiDi with
// puppeteer-core) or WebKit (Debian's WebKitWebDriver, classic WebDriver over HTTP), chosen by
// QUILLEX_BROWSER. Every engine's tab offers the same few steps, so that a test runs unchanged in
// each: evaluate(fn, arg), click(selector), press('Control+Shift+z'), type(text), reload(),
// screenshot(path), close(), and the lists `refused` (requests the page made beyond its own file)
// and `errors` (errors of its scripts).
import { spawn, spawnSync } from 'node:child_process';
import { writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';
import puppeteer from 'puppeteer-core';

// Set by CTest: the page, quillex-check of a native build, the source tree and the engine.
export const kPage = process.env.QUILLEX_PAGE;
export const kCheck = process.env.QUILLEX_CHECK;
export const kSource = process.env.QUILLEX_SOURCE;
export const kEngine = process.env.QUILLEX_BROWSER ?? 'chromium';

const kUrl = kPage && pathToFileURL(kPage).href;
const kViewport = { width: 1280, height: 720 };

// Splits 'Control+Shift+z' into its modifiers and its key.
function Chord(keys) {
  const parts = keys.split('+');
  return { modifiers: parts.slice(0, -1), key: parts.at(-1) };
}

// A tab over a page of playwright or of puppeteer, which offer the same calls; `press` and
// `close` are the engine's own. Errors of the page's scripts are caught as they come.
function PageTab(page, press, close) {
  const tab = {
    refused: [],
    errors: [],
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (selector) => page.click(selector),
    press,
    type: (text) => page.keyboard.type(text),
    reload: () => page.reload(),
    screenshot: (path) => page.screenshot({ path }),
    close,
  };
  page.on('pageerror', (error) => tab.errors.push(error.message));
  return tab;
}

async function LaunchChromium() {
  const browser = await chromium.launch({
    executablePath: process.env.QUILLEX_CHROMIUM ?? '/usr/bin/chromium',
    args: ['--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--no-first-run'],
  });
  const open = async () => {
    const context = await browser.newContext({ viewport: kViewport });
    await context.setOffline(true);
    const page = await context.newPage();
    const tab = PageTab(page, (keys) => page.keyboard.press(keys), () => context.close());
    await context.route('**/*', (route) => {
      if (route.request().url() === kUrl) return route.continue();
      tab.refused.push(route.request().url());
      return route.abort();
    });
    await page.goto(kUrl);
    return tab;
  };
  return { open, close: () => browser.close() };
}

async function LaunchFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.QUILLEX_FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
  });
  const open = async () => {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport(kViewport);
    const tab = PageTab(page, async (keys) => {
      const { modifiers, key } = Chord(keys);
      for (const modifier of modifiers) await page.keyboard.down(modifier);
      await page.keyboard.press(key);
      for (const modifier of modifiers.reverse()) await page.keyboard.up(modifier);
    }, () => context.close());
    await page.setRequestInterception(true);
    // Firefox shows a tab the data: URLs of the page itself too.
    page.on('request', (request) => {
      if (request.url() === kUrl || request.url().startsWith('data:')) return request.continue();
      tab.refused.push(request.url());
      return request.abort();
    });
    await page.goto(kUrl);
    return tab;
  };
  return { open, close: () => browser.close() };
}

// WebDriver's codes of the keys the tests press that are not characters.
const kWebDriverKeys = {
  Enter: '\uE007', Shift: '\uE008', Control: '\uE009', End: '\uE010', Home: '\uE011', F8: '\uE038',
};

function FreePort() {
  return new Promise((resolve, reject) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    }).on('error', reject);
  });
}

// A client of WebKitWebDriver, which needs a display (CTest runs it under xvfb-run): one session,
// and so one MiniBrowser, per tab. Requests the page makes are read from its resource timing, as
// classic WebDriver can neither see nor refuse them; errors of its scripts are caught from the
// moment it has loaded.
async function LaunchWebKit() {
  const port = await FreePort();
  const driver = spawn(process.env.QUILLEX_WEBKIT_DRIVER ?? 'WebKitWebDriver', [`--port=${port}`],
    { stdio: 'ignore' });
  const exited = new Promise((resolve) => driver.on('exit', resolve));
  const call = async (method, path, body) => {
    const response = await fetch(`http://127.0.0.1:${port}${path}`, {
      method, headers: { 'content-type': 'application/json' }, body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (value?.error) throw new Error(`WebKitWebDriver: ${value.error}: ${value.message}`);
    return value;
  };
  for (let tries = 0; ; ++tries) {
    try {
      await call('GET', '/status');
      break;
    } catch (error) {
      if (tries === 100 || driver.exitCode !== null) throw error;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
  // WebKitWebDriver drives one browser at a time: a new tab ends the one before it.
  const sessions = [];
  const open = async () => {
    for (const at of sessions.splice(0)) await call('DELETE', at);
    const session = await call('POST', '/session', { capabilities: { alwaysMatch: {
      'webkitgtk:browserOptions': { binary: process.env.QUILLEX_MINIBROWSER ??
        '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
    } } });
    const at = `/session/${session.sessionId}`;
    sessions.push(at);
    const run = async (fn, arg) => {
      const script = `const done = arguments[1];
        Promise.resolve().then(() => (${fn})(arguments[0])).then((value) => done({ value }),
          (error) => done({ error: String(error?.stack ?? error) }));`;
      const outcome = await call('POST', `${at}/execute/async`, { script, args: [arg ?? null] });
      if (outcome.error) throw new Error(outcome.error);
      return outcome.value;
    };
    const actions = (steps) => call('POST', `${at}/actions`, { actions: [{ type: 'key', id: 'keys', actions: steps }] });
    const key = (value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }];
    // Catches the page's errors, and waits until it has loaded.
    const loaded = async () => {
      await run(() => new Promise((resolve) => {
        const watch = () => {
          window.QuillexTestErrors = [];
          window.addEventListener('error', (event) => window.QuillexTestErrors.push(event.message));
          window.addEventListener('unhandledrejection', (event) => window.QuillexTestErrors.push(String(event.reason)));
          resolve();
        };
        if (document.readyState === 'complete') watch();
        else window.addEventListener('load', watch);
      }));
    };
    const tab = {
      refused: [],
      errors: [],
      evaluate: run,
      click: async (selector) => {
        const element = await call('POST', `${at}/element`, { using: 'css selector', value: selector });
        await call('POST', `${at}/element/${Object.values(element)[0]}/click`, {});
      },
      press: (keys) => {
        const { modifiers, key: last } = Chord(keys);
        const code = (name) => kWebDriverKeys[name] ?? name;
        return actions([...modifiers.map((m) => ({ type: 'keyDown', value: code(m) })), ...key(code(last)),
          ...modifiers.reverse().map((m) => ({ type: 'keyUp', value: code(m) }))]);
      },
      type: (text) => actions([...text].flatMap(key)),
      reload: async () => {
        await call('POST', `${at}/refresh`, {});
        await loaded();
      },
      screenshot: async (path) => writeFileSync(path, Buffer.from(await call('GET', `${at}/screenshot`), 'base64')),
      close: () => sessions.includes(at) && call('DELETE', sessions.splice(sessions.indexOf(at), 1)[0]),
    };
    // Read when a test asks for them.
    tab.readTroubles = async () => {
      Object.assign(tab, await run((url) => ({
        errors: window.QuillexTestErrors ?? [],
        refused: performance.getEntriesByType('resource').map((entry) => entry.name)
          .filter((name) => name !== url && !name.startsWith('data:')),
      }), kUrl));
    };
    await call('POST', `${at}/timeouts`, { script: 600000 });
    // The window is made as much larger than the viewport as its frame and toolbar take.
    const inner = await run(() => ({ width: outerWidth - innerWidth, height: outerHeight - innerHeight }));
    await call('POST', `${at}/window/rect`, { width: kViewport.width + inner.width, height: kViewport.height + inner.height });
    await call('POST', `${at}/url`, { url: kUrl });
    await loaded();
    return tab;
  };
  const close = async () => {
    for (const at of sessions.splice(0)) await call('DELETE', at);
    driver.kill();
    await exited;
  };
  return { open, close };
}

const kLaunchers = { chromium: LaunchChromium, firefox: LaunchFirefox, webkit: LaunchWebKit };

// The engine QUILLEX_BROWSER names: { open(), close() }, open() giving a tab as above.
export function LaunchBrowser() {
  const launch = kLaunchers[kEngine];
  if (!launch) throw new Error(`QUILLEX_BROWSER: no engine "${kEngine}" (chromium, firefox, webkit)`);
  return launch();
}

// Resolves once an element matches `selector`.
export async function WaitFor(tab, selector) {
  while (!(await tab.evaluate((selector) => document.querySelector(selector) !== null, selector))) {
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
}

// The page in a fresh tab of `browser`, its engine loaded.
export async function OpenPage(browser) {
  const tab = await browser.open();
  await WaitFor(tab, 'html[data-ready="true"]');
  return tab;
}

export function TextOf(tab, selector) {
  return tab.evaluate((selector) => document.querySelector(selector)?.textContent ?? null, selector);
}

// The requests the page made beyond its own file and the errors of its scripts, so far.
export async function Troubles(tab) {
  await tab.readTroubles?.();
  return { refused: tab.refused, errors: tab.errors };
}

// Pastes `text` into the box in place of what it holds, as Ctrl+A and Ctrl+V do.
export async function Paste(tab, text) {
  await tab.click('#box');
  await tab.press('Control+a');
  await PasteHere(tab, text);
}

// Pastes `text` where the box's selection is. The clipboard's data is set on the event itself:
// Firefox gives a constructed paste event an empty DataTransfer of its own.
export function PasteHere(tab, text) {
  return tab.evaluate((text) => {
    const event = new ClipboardEvent('paste', { bubbles: true, cancelable: true });
    const data = new DataTransfer();
    data.setData('text/plain', text);
    Object.defineProperty(event, 'clipboardData', { value: data });
    document.getElementById('box').dispatchEvent(event);
  }, text);
}

export function BoxText(tab) {
  return tab.evaluate(() => window.QuillexBoxText());
}

// The text of the message box that is open, once one is.
export async function MessageText(tab) {
  await WaitFor(tab, '#message[open]');
  return TextOf(tab, '#message[open] .text');
}

export function CloseMessage(tab) {
  return tab.click('#message[open] button');
}

// What the page offers for download when `selector` is clicked: { name, text }, or with `binary`
// { name, bytes } (a Buffer). The page's link is caught before the browser saves it, the same way
// in every engine.
export async function Download(tab, selector, binary = false) {
  await tab.evaluate((binary) => {
    const blobs = new Map();
    const made = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      const url = made(blob);
      blobs.set(url, blob);
      return url;
    };
    const Base64 = (buffer) => {
      let bytes = '';
      for (const byte of new Uint8Array(buffer)) bytes += String.fromCharCode(byte);
      return btoa(bytes);
    };
    window.QuillexTestDownload = new Promise((resolve) => {
      HTMLAnchorElement.prototype.click = function catchDownload() {
        const blob = blobs.get(this.href);
        (binary ? blob.arrayBuffer().then(Base64) : blob.text()).then((contents) => resolve({ name: this.download, contents }));
      };
    });
  }, binary);
  await tab.click(selector);
  const { name, contents } = await tab.evaluate(() => window.QuillexTestDownload);
  return binary ? { name, bytes: Buffer.from(contents, 'base64') } : { name, text: contents };
}

// quillex-check's report of `file` (UTF-8, "\n" line breaks), or of `{ text }` on its standard
// input, without the line break it ends its output with, and what it wrote to standard error;
// `options` go before the file.
export function CheckReport(file, options = []) {
  const input = file.text;
  const run = spawnSync(kCheck, [...options, input === undefined ? file : '-'], { encoding: 'utf8', input });
  if (run.error) throw run.error;
  return { report: run.stdout.replace(/\n$/, ''), messages: run.stderr };
}
