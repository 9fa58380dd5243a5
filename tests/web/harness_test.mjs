// The browser tests' harness against a page whose behaviour is known
// (fixture/index.html): the server, then one browser driving that page.
// Plain node script: prints a line per check and exits non-zero on a failure.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { launch, until } from './cdp.mjs';
import { comparePictures, crop, decodePng } from './png.mjs';
import { groupAlive } from './processes.mjs';
import { startServer } from './serve.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const fixture = path.join(here, 'fixture');
const started = Date.now();
let passed = 0;
let failed = 0;

// Nothing here may hang the test run, whatever breaks.
setTimeout(() => {
  console.log('the harness test hung');
  process.exit(1);
}, 90000).unref();

async function check(name, body) {
  try {
    const value = await body();
    passed++;
    console.log(`ok   ${name}`);
    return value;
  } catch (error) {
    failed++;
    console.log(`FAIL ${name}\n     ${String(error.stack ?? error).replace(/\n/g, '\n     ')}`);
  }
}

// A raw request: the path goes out exactly as written, "../" and all.
function request(port, target, headers = {}) {
  return new Promise((resolve, reject) => {
    http.get({ host: '127.0.0.1', port, path: target, headers }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode,
        headers: response.headers, body: Buffer.concat(chunks) }));
    }).on('error', reject);
  });
}

// The fixture's canvas picture: r = x, g = y, b = x xor y (mod 256).
function fixturePicture(width = 640, height = 480) {
  const data = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; y++) {
    for (let x = 0; x < width; x++) data.set([x & 255, y & 255, (x ^ y) & 255], (y * width + x) * 3);
  }
  return { width, height, data };
}

// A PNG of the given rows, each a filter byte then the filtered bytes.
// (CRCs left zero: the decoder does not read them.)
function pngOf(width, colorType, rows) {
  const chunk = (type, body) => {
    const head = Buffer.alloc(8);
    head.writeUInt32BE(body.length);
    head.write(type, 4, 'latin1');
    return Buffer.concat([head, body, Buffer.alloc(4)]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(rows.length, 4);
  header.set([8, colorType, 0, 0, 0], 8);
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(Buffer.from(rows.flat()))), chunk('IEND', Buffer.alloc(0))]);
}

const seen = (page) => page.evaluate('seen.splice(0)'); // and forgets them

async function serverChecks() {
  const server = await startServer(fixture, { gzip: true });
  const { port } = server;

  await check('server: MIME types, no caching, 404 for a missing file', async () => {
    const wasm = await request(port, '/empty.wasm');
    assert.equal(wasm.status, 200);
    assert.equal(wasm.headers['content-type'], 'application/wasm');
    assert.equal(wasm.headers['cache-control'], 'no-store');
    assert.deepEqual(wasm.body, fs.readFileSync(path.join(fixture, 'empty.wasm')));
    assert.match((await request(port, '/')).headers['content-type'], /^text\/html/);
    assert.equal((await request(port, '/game.data')).status, 404);
  });

  await check('server: refuses paths out of its folder', async () => {
    for (const escape of ['/../harness_test.mjs', '/%2e%2e/harness_test.mjs',
      '/..%2fharness_test.mjs', '/fixture/../../harness_test.mjs']) {
      assert.equal((await request(port, escape)).status, 403, escape);
    }
    const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'serve-test-'));
    fs.symlinkSync(here, path.join(folder, 'out'));
    const linked = await startServer(folder);
    try {
      assert.equal((await request(linked.port, '/out/harness_test.mjs')).status, 403);
    } finally {
      await linked.stop();
      fs.rmSync(folder, { recursive: true });
    }
  });

  await check('server: gzips a response only when the request accepts it', async () => {
    const page = fs.readFileSync(path.join(fixture, 'index.html'));
    const zipped = await request(port, '/index.html', { 'Accept-Encoding': 'gzip, deflate' });
    assert.equal(zipped.headers['content-encoding'], 'gzip');
    assert.deepEqual(zlib.gunzipSync(zipped.body), page);
    assert.equal(server.log.at(-1).bytes, zipped.body.length);
    const plain = await request(port, '/index.html');
    assert.equal(plain.headers['content-encoding'], undefined);
    assert.deepEqual(plain.body, page);
  });
  return server;
}

async function loadChecks(page, server) {
  await check('page: loads, compiles wasm as served, counts the compressed bytes', async () => {
    assert.deepEqual(await page.goto(server.url), { status: 200 });
    assert.equal(await page.evaluate('wasm'), 'compiled');
    assert.equal(await page.evaluate('visits'), 1, 'a fresh profile');
    await page.waitForNetworkIdle(200);
    const { requests, encodedBytes } = page.network();
    const document = requests.find((r) => r.type === 'Document');
    // Compressed, the page arrives in fewer bytes than it has.
    assert.ok(document.encodedBytes > 0);
    assert.ok(document.encodedBytes < fs.statSync(path.join(fixture, 'index.html')).size);
    assert.equal(requests.find((r) => r.url.endsWith('/empty.wasm')).mimeType, 'application/wasm');
    assert.equal(encodedBytes, requests.reduce((sum, r) => sum + r.encodedBytes, 0));
    assert.deepEqual(page.errors(), []);
  });

  await check('audio: suspended until a click, then resumed', async () => {
    assert.equal(await page.evaluate('audio.state'), 'suspended');
    await page.click(400, 300);
    await page.waitFor('audio.state === "running"', 3000);
    await seen(page);
  });
}

async function mouseAndKeyChecks(page) {
  await check('mouse: buttons, wheel and moves at their coordinates', async () => {
    // The canvas's corner is at (20, 10) of the page.
    await page.click(120, 110);
    await page.rightClick(30, 470);
    await page.wheel(50, 60, 120);
    await page.move(659, 489);
    assert.deepEqual(await seen(page), [
      { type: 'mousedown', button: 0, at: [100, 100] },
      { type: 'mouseup', button: 0, at: [100, 100] },
      { type: 'click', button: 0, at: [100, 100] },
      { type: 'mousedown', button: 2, at: [10, 460] },
      { type: 'contextmenu', at: [10, 460] },
      { type: 'mouseup', button: 2, at: [10, 460] },
      { type: 'wheel', deltaY: 120, at: [30, 50] },
    ]);
    assert.deepEqual(await page.evaluate('lastMove'), [639, 479]);
  });

  await check('keys: key, code and keyCode as a keyboard sends them', async () => {
    const expected = [['Enter', 'Enter', 'Enter', 13], ['Space', ' ', 'Space', 32],
      ['Backspace', 'Backspace', 'Backspace', 8], ['Tab', 'Tab', 'Tab', 9],
      ['Escape', 'Escape', 'Escape', 27], ['PageUp', 'PageUp', 'PageUp', 33],
      ['PageDown', 'PageDown', 'PageDown', 34], ['ArrowLeft', 'ArrowLeft', 'ArrowLeft', 37],
      ['ArrowUp', 'ArrowUp', 'ArrowUp', 38], ['ArrowRight', 'ArrowRight', 'ArrowRight', 39],
      ['ArrowDown', 'ArrowDown', 'ArrowDown', 40], ['F1', 'F1', 'F1', 112],
      ['F12', 'F12', 'F12', 123], ['z', 'z', 'KeyZ', 90], ['Q', 'Q', 'KeyQ', 81]];
    for (const [name] of expected) await page.key(name);
    const events = await seen(page);
    assert.deepEqual(events.map((e) => [e.type, e.key, e.code, e.keyCode]),
      expected.flatMap(([, key, code, keyCode]) =>
        [['keydown', key, code, keyCode], ['keyup', key, code, keyCode]]));
  });

  await check('keys: held down, repeated, and with Control', async () => {
    await page.keyDown('ArrowRight');
    await page.keyDown('ArrowRight', { repeat: true });
    await page.keyUp('ArrowRight');
    await page.keyDown('Control');
    await page.key('s');
    await page.keyUp('Control');
    await page.key('s');
    assert.deepEqual((await seen(page)).map((e) => [e.type, e.key, e.repeat, e.ctrl]), [
      ['keydown', 'ArrowRight', false, false], ['keydown', 'ArrowRight', true, false],
      ['keyup', 'ArrowRight', false, false],
      ['keydown', 'Control', false, true], ['keydown', 's', false, true],
      ['keyup', 's', false, true], ['keyup', 'Control', false, false],
      ['keydown', 's', false, false], ['keyup', 's', false, false]]);
  });
}

async function touchChecks(browser, page) {
  await check('newPage: a touch screen of the size asked for', async () => {
    const tablet = await browser.newPage({ touch: true, width: 640, height: 480 });
    await tablet.goto('data:text/html,tablet'); // not the fixture: its counters stay as they are
    assert.deepEqual(await tablet.evaluate('[navigator.maxTouchPoints, innerWidth, innerHeight]'),
      [5, 640, 480]);
    await tablet.close();
    assert.equal(await page.evaluate('navigator.maxTouchPoints'), 0, 'a desktop by default');
  });


  await check('touch: tap, long press, two-finger tap and swipe', async () => {
    await page.tap(220, 210);
    await page.longPress(120, 110, 500);
    await page.twoFingerTap([30, 20], [630, 450]);
    await page.swipe([100, 300], [500, 320], { steps: 4, durationMs: 100 });
    const events = await seen(page);
    const summary = events.map((e) => [e.type, e.touches, ...e.changed]);
    assert.deepEqual(summary.slice(0, 8), [
      ['touchstart', 1, [200, 200]], ['touchend', 0, [200, 200]],
      ['touchstart', 1, [100, 100]], ['touchend', 0, [100, 100]],
      ['touchstart', 1, [10, 10]], ['touchstart', 2, [610, 440]],
      ['touchend', 1, [10, 10]], ['touchend', 0, [610, 440]],
    ]);
    assert.ok(events[3].time - events[2].time >= 450, 'the long press was held');
    assert.deepEqual(summary.slice(8), [['touchstart', 1, [80, 290]],
      ['touchmove', 1, [180, 295]], ['touchmove', 1, [280, 300]],
      ['touchmove', 1, [380, 305]], ['touchmove', 1, [480, 310]], ['touchend', 0, [480, 310]]]);
  });
}

async function dialogChecks(page) {
  await check('dialogs: confirm() is recorded and answered by the policy', async () => {
    const ask = async () => {
      const count = await page.evaluate('answers.length');
      await page.click(730, 40);
      await page.waitFor(`answers.length > ${count}`, 3000);
      return page.evaluate('answers.at(-1)');
    };
    assert.equal(await ask(), true);
    page.dialogPolicy = 'dismiss';
    assert.equal(await ask(), false);
    page.dialogPolicy = ({ message }) => message === 'Really quit?';
    assert.equal(await ask(), true);
    assert.deepEqual(page.dialogs, [true, false, true].map((accepted) =>
      ({ type: 'confirm', message: 'Really quit?', accepted })));
    page.dialogPolicy = 'accept';
    await seen(page);
  });
}

async function storageChecks(browser, page, server) {
  return check('storage: IndexedDB survives a reload; close() runs pagehide', async () => {
    const counts = (tab) => tab.evaluate('Promise.all([visits, Number(localStorage.pagehides)])');
    const [visits, hides] = await counts(page);
    assert.deepEqual(await page.reload(), { status: 200 });
    assert.deepEqual(await counts(page), [visits + 1, hides + 1]);
    assert.equal(page.network().requests.filter((r) => r.type === 'Document').length, 1,
      'the network figures start again at each load');
    await page.close();
    const next = await browser.newPage();
    await next.goto(server.url);
    assert.deepEqual(await counts(next), [visits + 2, hides + 2]);
    return next;
  });
}

async function pngChecks() {
  await check('png: each row filter undone, bytes wrapping at 256', () => {
    // Two RGB pixels a row, worked out by hand: None, Sub, Up, Average, Paeth.
    const picture = decodePng(pngOf(2, 2, [
      [0, 10, 20, 30, 40, 50, 60],
      [1, 1, 2, 3, 5, 5, 5],
      [2, 10, 10, 10, 250, 0, 1],
      [3, 4, 4, 4, 1, 1, 1],
      [4, 1, 1, 1, 2, 3, 0], // Paeth takes up, then up-left, then left
    ]));
    assert.deepEqual([picture.width, picture.height], [2, 5]);
    assert.deepEqual([...picture.data], [10, 20, 30, 40, 50, 60, 1, 2, 3, 6, 7, 8,
      11, 12, 13, 0, 7, 9, 9, 10, 10, 5, 9, 10, 10, 11, 11, 7, 13, 11]);
    // Paeth's tie between up and up-left goes to up: (12, 6, 10) predicts 6.
    const tie = decodePng(pngOf(2, 2, [[0, 10, 10, 10, 6, 6, 6], [4, 2, 2, 2, 1, 1, 1]]));
    assert.deepEqual([...tie.data.subarray(3)], [6, 6, 6, 12, 12, 12, 7, 7, 7]);
    const rgba = decodePng(pngOf(1, 6, [[0, 1, 2, 3, 4], [1, 5, 6, 7, 8]]));
    assert.deepEqual([...rgba.data], [1, 2, 3, 5, 6, 7]);
    assert.throws(() => decodePng(pngOf(1, 3, [[0, 0]])), /unsupported PNG/);
  });
}

async function pictureChecks(page) {
  await check('screenshots: the canvas decodes pixel for pixel, clipped or whole', async () => {
    const expected = fixturePicture();
    const canvas = decodePng(await page.screenshotOf('canvas'));
    assert.deepEqual(comparePictures(canvas, expected), { differingShare: 0, meanAbsDiff: 0 });
    const whole = decodePng(await page.screenshot());
    assert.deepEqual([whole.width, whole.height], [800, 600]);
    assert.deepEqual(crop(whole, 20, 10, 640, 480).data, expected.data);
  });

  await check('pictures: RGBA decodes too; compare measures what differs', async () => {
    // A canvas's own PNG has an alpha channel, unlike a screenshot's.
    const url = await page.evaluate(() => {
      const c = document.createElement('canvas');
      c.width = 640;
      c.height = 480;
      c.getContext('2d').drawImage(document.querySelector('canvas'), 0, 0);
      return c.toDataURL('image/png');
    });
    const png = Buffer.from(url.split(',')[1], 'base64');
    assert.equal(png[25], 6, 'colour type RGBA');
    const expected = fixturePicture();
    assert.deepEqual(decodePng(png).data, expected.data);
    const changed = crop(expected, 0, 0, 640, 480);
    for (let y = 0; y < 48; y++) {
      for (let x = 0; x < 64; x++) changed.data[(y * 640 + x) * 3] ^= 0x80; // red off by 128
    }
    const result = comparePictures(changed, expected);
    assert.equal(result.differingShare, 0.01);
    assert.ok(Math.abs(result.meanAbsDiff - 128 * 0.01 / 3) < 1e-9);
    assert.equal(comparePictures(changed, expected, { threshold: 128 }).differingShare, 0);
    assert.throws(() => comparePictures(crop(expected, 0, 0, 320, 240), expected), /size/);
  });
}

async function errorChecks(page) {
  await check('errors: evaluate throws the page\'s error; uncaught ones are collected', async () => {
    await assert.rejects(page.evaluate('noSuchFunction()'),
      /ReferenceError: noSuchFunction is not defined/);
    await assert.rejects(page.evaluate('Promise.reject(new Error("refused"))'), /refused/);
    await assert.rejects(page.waitFor('false', 200), /waiting for false still not true after 200 ms/);
    await page.evaluate('setTimeout(() => { throw new Error("boom") }); console.error("bad")');
    await until(() => page.exceptions.length > 0, 3000, 'the uncaught exception');
    const errors = page.errors();
    assert.equal(errors.length, 2, errors.join('\n'));
    assert.match(errors[0], /^exception: Error: boom/);
    assert.equal(errors[1], 'console.error: bad');
  });
}

async function performanceChecks(browser, page) {
  await check('performance: page metrics, and CPU of all the browser\'s processes', async () => {
    const metrics = await page.metrics();
    assert.ok(metrics.TaskDuration > 0 && metrics.ScriptDuration > 0, JSON.stringify(metrics));
    assert.ok(metrics.JSHeapUsedSize > 0);
    const stat = fs.readFileSync(`/proc/${browser.pid}/stat`, 'utf8');
    const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
    const mainOnly = (Number(fields[11]) + Number(fields[12])) / 100;
    assert.ok(browser.cpuSeconds() > mainOnly, 'the renderer and the rest count too');
    const sample = await browser.sampleCpu(300);
    assert.ok(sample.wallSeconds >= 0.3 && sample.cpuSeconds >= 0, JSON.stringify(sample));
    assert.ok(sample.share < os.cpus().length + 0.5, JSON.stringify(sample));
  });
}

async function endChecks(browser, page) {
  await check('close: no browser process or profile is left; later commands fail', async () => {
    await browser.close();
    assert.equal(groupAlive(browser.pid), false);
    assert.equal(fs.existsSync(browser.home), false);
    await assert.rejects(page.evaluate('1'), /the browser exited/);
  });

  await check('crash: a killed browser fails what waits on it at once', async () => {
    const doomed = await launch();
    const tab = await doomed.newPage();
    const waiting = tab.waitFor('false', 20000);
    const loading = tab.session.next('Page.loadEventFired', 20000);
    process.kill(doomed.pid, 'SIGKILL');
    const since = Date.now();
    await assert.rejects(loading, /the browser exited \(SIGKILL\)/);
    await assert.rejects(waiting, /the browser exited/);
    await assert.rejects(tab.evaluate('1'), /the browser exited/);
    await doomed.close();
    assert.equal(groupAlive(doomed.pid), false);
    assert.ok(Date.now() - since < 3000, 'no wait ran to its timeout');
  });
}

await pngChecks();
const server = await serverChecks();
const browser = await launch();
try {
  let page = await browser.newPage();
  await loadChecks(page, server);
  await mouseAndKeyChecks(page);
  await touchChecks(browser, page);
  await dialogChecks(page);
  await pictureChecks(page);
  await errorChecks(page);
  page = await storageChecks(browser, page, server) ?? page;
  await performanceChecks(browser, page);
  await endChecks(browser, page);
} finally {
  await browser.close();
  await server.stop();
}
console.log(`took ${((Date.now() - started) / 1000).toFixed(1)} s`);
console.log(`harness: ${passed} passed, ${failed} failed`);
process.exitCode = failed ? 1 : 0;
