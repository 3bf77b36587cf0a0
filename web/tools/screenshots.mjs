// Screenshots of the page on a phone and a desktop, light and dark, with a board half filled
// and its mistakes shown: node tools/screenshots.mjs PAGE_DIR OUTPUT_DIR
import { launch, open, serve } from '../tests/chromium.mjs';

const [dir, output] = process.argv.slice(2);
const server = await serve(dir);
const browser = await launch();
const sizes = { phone: { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }, desktop: { width: 1280, height: 800 } };
for (const [size, viewport] of Object.entries(sizes)) {
  for (const dark of [false, true]) {
    const page = await open(browser, server.url, { viewport, dark });
    await page.evaluate(() => window.velmora.game.seedRandom(20261207));
    await page.click('#Create_Puzzle');
    await page.waitForFunction(() => !document.body.classList.contains('busy'));
    for (const [circle, name] of [[15, 'e'], [12, 'g#'], [6, 'd'], [3, 'c']]) {
      await page.focus(`.circle[data-circle="${circle}"]`);
      await page.keyboard.type(name);
    }
    await page.keyboard.down('Control');
    await page.keyboard.press('m');
    await page.keyboard.up('Control');
    await page.screenshot({ path: `${output}/${size}-${dark ? 'dark' : 'light'}.png`, fullPage: true });
    await page.close();
  }
}
await browser.close();
server.close();
