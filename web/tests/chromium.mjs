// A static server for the built page and the installed Chromium, headless and offline, for
// the page's tests and benchmarks.
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import puppeteer from 'puppeteer-core';

export { serve } from '../tools/serve.mjs';

export function pageDir() {
  const dir = process.argv[2] ?? process.env.VELMORA_WEB_PAGE_DIR;
  if (!dir || !existsSync(join(dir, 'index.html'))) {
    throw new Error(`no built page in ${dir}: build it first (./setup.sh web, or cmake --build --preset web)`);
  }
  return dir;
}

export async function launch(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'velmora-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--autoplay-policy=no-user-gesture-required', ...(options.args ?? [])],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// Opens the page and waits until its star is drawn; console errors and page errors are kept,
// and the addresses the page asked for.
export async function open(browser, url, options = {}) {
  const page = await browser.newPage();
  page.errors = [];
  page.requested = [];
  page.on('request', (request) => page.requested.push(request.url()));
  page.on('console', (message) => {
    if (message.type() === 'error') page.errors.push(message.text());
  });
  page.on('pageerror', (error) => page.errors.push(String(error)));
  if (options.viewport) await page.setViewport(options.viewport);
  if (options.dark !== undefined) {
    await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: options.dark ? 'dark' : 'light' }]);
  }
  await page.evaluateOnNewDocument(() => {
    window.printed = 0;
    window.print = () => { window.printed += 1; };
  });
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('html[data-ready]');
  return page;
}
