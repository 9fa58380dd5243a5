// What the browser tests share: the built page served and open in headless
// Chromium, the native headless driver beside it, and small checks.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { launch } from './cdp.mjs';
import { startServer } from './serve.mjs';

export function fail(message) {
  throw new Error(message);
}

export function check(condition, message) {
  if (!condition) fail(message);
}

// The page in build-web/ served on 127.0.0.1, and a browser to open it in.
export async function openBrowser(webDir) {
  for (const file of ['index.html', 'index.js', 'index.wasm', 'index.data'])
    check(fs.existsSync(path.join(webDir, file)), `${webDir}/${file} is missing: run make web`);
  const server = await startServer(webDir, { gzip: true });
  const browser = await launch();
  return {
    server, browser,
    url: (query = "") => `${server.url}index.html${query}`,
    async close() {
      await browser.close();
      await server.stop();
    },
  };
}

// Opens the game's page and waits for its first frame.
export async function openGame(browser, url, options = {}) {
  const page = await browser.newPage(options);
  await page.goto(url);
  await page.waitFor('window.minamori && window.minamori.ready && window.minamori.firstFrameMs() !== null', 30000);
  return page;
}

export async function pageState(page) {
  return JSON.parse(await page.evaluate('window.minamori.state()'));
}

// One command of the headless driver carried out by the page.
export async function pageRun(page, line) {
  return page.evaluate(`window.minamori.run(${JSON.stringify(line)})`);
}

// Page coordinates of a picture point, wherever the canvas stands and however enlarged.
export async function toPage(page, x, y) {
  const r = await page.evaluate(`(() => { const r = document.getElementById('canvas').getBoundingClientRect();
    return { left: r.left, top: r.top, width: r.width, height: r.height }; })()`);
  return [r.left + (x + 0.5) * r.width / 640, r.top + (y + 0.5) * r.height / 480];
}

// The canvas's own 640 x 480 pixels as PNG bytes.
export async function canvasPng(page) {
  const url = await page.evaluate("document.getElementById('canvas').toDataURL('image/png')");
  return Buffer.from(url.slice(url.indexOf(',') + 1), 'base64');
}

// The native headless driver: one command line in, one answer line out.
export class NativeGame {
  constructor(binary, args) {
    this.child = spawn(binary, args, { stdio: ['pipe', 'pipe', 'inherit'] });
    this.answers = [];
    this.waiting = [];
    readline.createInterface({ input: this.child.stdout }).on('line', (line) => {
      const next = this.waiting.shift();
      if (next) next(line); else this.answers.push(line);
    });
    this.exited = new Promise((resolve) => this.child.once('exit', resolve));
  }

  run(line) {
    this.child.stdin.write(line + '\n');
    if (this.answers.length) return Promise.resolve(this.answers.shift());
    return new Promise((resolve, reject) => {
      this.waiting.push(resolve);
      this.exited.then(() => reject(new Error(`the headless driver ended before answering ${line}`)));
    });
  }

  async close() {
    this.child.stdin.end();
    await this.exited;
  }
}

// A data folder for the native driver holding the desktop build's content, as
// the page packs it.
export function nativeDataFolder(nativeBuild) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'minamori-web-native-'));
  for (const sub of ['cg', 'dat']) {
    fs.mkdirSync(path.join(folder, sub));
    for (const name of fs.readdirSync(path.join(nativeBuild, sub)))
      if (/\.(bmp|jpg|wav|mid)$/.test(name))
        fs.copyFileSync(path.join(nativeBuild, sub, name), path.join(folder, sub, name));
  }
  return folder;
}

export function readLines(file) {
  return fs.readFileSync(file, 'utf8').split('\n').filter((line) => line.length > 0);
}

// Runs the test body; prints the failure and exits non-zero on any error.
export async function main(body) {
  const started = Date.now();
  try {
    await body();
    console.log(`ok (${((Date.now() - started) / 1000).toFixed(1)} s)`);
    process.exit(0);
  } catch (error) {
    console.error(`FAILED: ${error.stack || error.message}`);
    process.exit(1);
  }
}
