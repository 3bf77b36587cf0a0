// The page's figures: what it transfers with and without its sound, how soon the star's 17
// circles are drawn when loaded from a local server, and a Create in WebAssembly.
// Run: node bench/page_bench.mjs PAGE_DIR WASM_BUILD_DIR (after ./setup.sh web or test).
import { execFileSync } from 'node:child_process';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, serve } from '../tests/chromium.mjs';

const [pageDir, wasmDir] = process.argv.slice(2);
const kMB = 1024 * 1024;
const kLoads = 10;
const missed = [];

function report(what, value, unit, target) {
  const ok = value <= target;
  if (!ok) missed.push(what);
  console.log(`${what}: ${value.toFixed(2)} ${unit} (target ${target} ${unit})${ok ? '' : '  MISSED'}`);
}

const files = (dir) => readdirSync(dir).flatMap((name) => {
  const path = join(dir, name);
  return statSync(path).isDirectory() ? files(path) : [path];
});
let withSound = 0;
let withSoundCompressed = 0;
let withoutSoundCompressed = 0;
for (const path of files(pageDir)) {
  const data = readFileSync(path);
  const compressed = gzipSync(data, { level: 9 }).length;
  withSound += data.length;
  withSoundCompressed += compressed;
  if (!relative(pageDir, path).startsWith('sound')) withoutSoundCompressed += compressed;
}
report('Page with its sound, as served', withSound / kMB, 'MB', 8);
console.log(`  (${(withSoundCompressed / kMB).toFixed(2)} MB compressed)`);
report('Page without sound, compressed', withoutSoundCompressed / kMB, 'MB', 1);

// Each load in a new tab of a running browser, as a learner opens it: nothing cached and no
// service worker, so every file comes from the server.
const server = await serve(pageDir);
const browser = await launch();
const times = [];
for (let load = 0; load < kLoads; ++load) {
  const page = await browser.newPage();
  await page.setCacheEnabled(false);
  await page.setBypassServiceWorker(true);
  await page.evaluateOnNewDocument(() => {
    // The first frame painted after the 17th circle shows its caption and colours.
    new MutationObserver((changes, observer) => {
      if (document.querySelectorAll('.circle').length < 17 || !document.documentElement.dataset.ready) return;
      observer.disconnect();
      requestAnimationFrame(() => requestAnimationFrame(() => { window.drawnAt = performance.now(); }));
    }).observe(document, { subtree: true, childList: true, attributes: true });
  });
  await page.goto(server.url);
  await page.waitForFunction(() => window.drawnAt !== undefined);
  times.push(await page.evaluate(() => window.drawnAt));
  await page.close();
}
await browser.close();
server.close();
times.sort((a, b) => a - b);
console.log(`  loads: ${times.map((time) => time.toFixed(0)).join(', ')} ms`);
report('17 circles painted after loading (median of 10 uncached loads)', times[Math.floor(times.length / 2)], 'ms', 300);

const bench = join(wasmDir, 'web', 'velmora_web_create_bench.js');
try {
  console.log(execFileSync('node', ['--no-experimental-fetch', bench], { encoding: 'utf8' }).trim());
} catch (error) {
  console.log(String(error.stdout ?? error.message).trim());
  missed.push('Create in WebAssembly');
}
if (missed.length > 0) {
  console.log(`Missed: ${missed.join('; ')}`);
  process.exitCode = 1;
}
