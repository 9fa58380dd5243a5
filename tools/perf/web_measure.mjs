// Measures the web page in headless Chromium: the bytes a web server sends
// (gzip where it helps, as a server would), the time from navigation to the
// first frame, CPU while it sits at the main menu, and its memory.
// usage: node tools/perf/web_measure.mjs [WEB_DIR] [IDLE_SECONDS]
import { launch, sleep, until } from '../../tests/web/cdp.mjs';
import { toPage } from '../../tests/web/game_page.mjs';
import { startServer } from '../../tests/web/serve.mjs';

const webDir = process.argv[2] || 'build-web';
const idleSeconds = Number(process.argv[3] || 30);
const kStarts = 5;

async function idleShare(browser, seconds) {
  const sample = await browser.sampleCpu(seconds * 1000);
  return sample.share * 100;
}

const server = await startServer(webDir, { gzip: true });
const browser = await launch();
try {
  const blank = await browser.newPage();
  await sleep(2000);
  const blankShare = await idleShare(browser, Math.min(idleSeconds, 10));
  await blank.close();

  const firstFrames = [];
  let bytes = 0;
  let encoded = 0;
  let page;
  for (let i = 0; i < kStarts; i++) {
    if (page) await page.close();
    page = await browser.newPage();
    const logged = server.log.length;
    await page.goto(`${server.url}index.html?seed=${i + 1}`);
    await page.waitFor('window.minamori && window.minamori.firstFrameMs() !== null', 30000);
    firstFrames.push(await page.evaluate('window.minamori.firstFrameMs()'));
    if (i > 0) continue;  // the first load's bytes: what a first visit costs
    bytes = server.log.slice(logged).reduce((sum, r) => sum + r.bytes, 0);
    encoded = page.network().encodedBytes;
  }
  // As the desktop measure does: through the title into an easy game's main menu.
  const click = async (x, y) => { await page.click(...await toPage(page, x, y)); await sleep(150); };
  await click(320, 240); await click(320, 240); await sleep(1000);
  await click(520, 385);
  for (let i = 0; i < 12; i++) await click(100, 300);
  await until(async () => JSON.parse(await page.evaluate('window.minamori.state()')).rows
    .some((r) => r.caption === '活動'), 20000, 'the main menu');
  await sleep(2000);
  const before = await page.metrics();
  const pageShare = await idleShare(browser, idleSeconds);
  const metrics = await page.metrics();
  const mainThread = (metrics.TaskDuration - before.TaskDuration) / idleSeconds * 100;
  const script = (metrics.ScriptDuration - before.ScriptDuration) / idleSeconds * 100;
  const wasm = await page.evaluate('HEAP8.length');

  const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
  console.log(`transferred: ${(encoded / 1e6).toFixed(2)} MB as the browser counts it, headers included` +
              ` (the server's bodies: ${(bytes / 1e6).toFixed(2)} MB)`);
  console.log(`first frame after navigation: median ${median(firstFrames).toFixed(0)} ms of ${firstFrames.map((t) => t.toFixed(0)).join(', ')}`);
  console.log(`CPU at the main menu over ${idleSeconds} s: ${pageShare.toFixed(2)} % of one core, the whole browser` +
              ` (an empty tab: ${blankShare.toFixed(2)} %)`);
  console.log(`  of which the page's main thread ${mainThread.toFixed(2)} %, its script ${script.toFixed(2)} %`);
  console.log(`memory: JS heap ${(metrics.JSHeapUsedSize / 1e6).toFixed(1)} MB, wasm memory ${(wasm / 1e6).toFixed(1)} MB`);
} finally {
  await browser.close();
  await server.stop();
}
