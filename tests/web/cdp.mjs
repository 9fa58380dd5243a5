// Headless Chromium driven over the DevTools protocol, for the browser tests.
//   const browser = await launch();
//   const page = await browser.newPage();
//   await page.goto(url); await page.click(100, 100); await page.evaluate('...');
//   await browser.close();
// The browser gets a fresh profile (kept across reloads within the run, so
// IndexedDB persists) and is killed with all its processes at close(), or
// when this process exits without having closed it.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { Connection } from './connection.mjs';
import { Page } from './page.mjs';
import { groupAlive, sampleTreeCpu, treeCpuSeconds } from './processes.mjs';
import { until, withTimeout } from './wait.mjs';

export { until, sleep } from './wait.mjs';

export const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';

const living = new Set(); // browsers not closed yet, killed on exit

function flags(profile, { mute, width, height, args }) {
  return [
    '--headless', '--remote-debugging-pipe', `--user-data-dir=${profile}`,
    '--no-sandbox', // run as root here; the sandbox needs an unprivileged user
    '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--disable-extensions',
    // Audio waits for a gesture, as on a desktop browser (the default, pinned).
    // Not user-gesture-required: that holds back media elements but lets an
    // AudioContext start unasked, and the page's audio unlock would go untested.
    '--autoplay-policy=document-user-activation-required',
    // Screenshots compared pixel for pixel: one device pixel per CSS pixel,
    // colours untouched, no scroll bars.
    '--force-device-scale-factor=1', '--force-color-profile=srgb', '--hide-scrollbars',
    `--window-size=${width},${height}`,
    ...(mute ? ['--mute-audio'] : []),
    ...args,
    'about:blank',
  ];
}

// Starts the browser. Options: mute (true), extra args, the window size
// (the pages' own size is set by newPage), timeoutMs for the start.
export async function launch({ mute = true, args = [], width = 800, height = 600,
  timeoutMs = 30000, executable = CHROMIUM } = {}) {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), 'minamori-chromium-'));
  const child = spawn(executable, flags(path.join(home, 'profile'), { mute, width, height, args }), {
    stdio: ['ignore', 'pipe', 'pipe', 'pipe', 'pipe'],
    detached: true, // its own process group, killed whole at close
    // Crash reports and caches go where XDG says: into the temporary folder too.
    env: { ...process.env, XDG_CONFIG_HOME: path.join(home, 'config'),
      XDG_CACHE_HOME: path.join(home, 'cache') },
  });
  const browser = new Browser(child, home, executable);
  try {
    browser.version = await browser.connection.send('Browser.getVersion', {}, '', timeoutMs);
  } catch (error) {
    await browser.close();
    const tail = error.message.includes(browser.stderrTail()) ? '' : browser.stderrTail();
    throw new Error(`starting ${executable}: ${error.message}${tail}`);
  }
  return browser;
}

class Browser {
  #stderr = '';
  #exited;
  #closing = null;

  constructor(child, home, executable) {
    this.child = child;
    this.pid = child.pid;
    this.home = home;
    this.connection = new Connection(child.stdio[3], child.stdio[4]);
    this.#exited = new Promise((resolve) => child.once('exit', resolve));
    child.stderr.on('data', (chunk) => { this.#stderr = (this.#stderr + chunk).slice(-4000); });
    child.stdout.resume();
    child.once('error', (error) => this.connection.close(`cannot run ${executable}: ${error.message}`));
    child.once('exit', (code, signal) => {
      this.connection.close(`the browser exited (${signal ?? `status ${code}`})${this.stderrTail()}`);
    });
    // Neither the browser nor its pipes keep this process alive: a pending
    // command does, by its timeout; a test that forgets close() still ends.
    child.unref();
    for (const stream of child.stdio) stream?.unref?.();
    living.add(this);
    watchExit();
  }

  stderrTail() {
    return this.#stderr ? `\n  browser's last words:\n${this.#stderr.trimEnd()}` : '';
  }

  // A new tab; options: width and height of its viewport (800x600), touch
  // (make it a touch screen), dialogs (the policy, see Page).
  async newPage(options = {}) {
    const root = this.connection.session();
    const { targetId } = await root.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await root.send('Target.attachToTarget', { targetId, flatten: true });
    return new Page(this, this.connection.session(sessionId), targetId, options).init(options);
  }

  // CPU seconds used so far by the browser's living processes.
  cpuSeconds() {
    return treeCpuSeconds(this.pid);
  }

  // The browser's CPU use over the next `ms`: { cpuSeconds, wallSeconds, share }.
  sampleCpu(ms) {
    return sampleTreeCpu(this.pid, ms);
  }

  isRunning() {
    return this.child.exitCode === null && this.child.signalCode === null;
  }

  close() {
    this.#closing ??= this.#shutDown();
    return this.#closing;
  }

  async #shutDown() {
    if (this.pid !== undefined) await this.#stop(); // undefined: it never started
    fs.rmSync(this.home, { recursive: true, force: true, maxRetries: 3 });
    living.delete(this);
  }

  async #stop() {
    if (this.isRunning()) {
      await this.connection.send('Browser.close', {}, '', 3000).catch(() => {});
      await withTimeout(this.#exited, 3000, 'the browser closing').catch(() => {});
    }
    killGroup(this.pid); // also what outlived the main process, or all if it hangs
    await withTimeout(this.#exited, 5000, 'the killed browser exiting');
    await until(() => !groupAlive(this.pid), 5000, 'the browser\'s processes ending');
  }
}

function killGroup(pid) {
  try {
    process.kill(-pid, 'SIGKILL');
  } catch {
    // no process left in the group
  }
}

let watching = false;

// On the way out, even without close(), no browser or profile is left. A
// signal that would end this process ends it through 'exit', so it counts too.
function watchExit() {
  if (watching) return;
  watching = true;
  process.once('exit', () => {
    for (const browser of living) killGroup(browser.pid);
    for (const browser of living) {
      // Nothing asynchronous runs now: wait the killed processes out, so none
      // writes into the folder while it goes.
      const pause = new Int32Array(new SharedArrayBuffer(4));
      for (let i = 0; i < 200 && groupAlive(browser.pid); i++) Atomics.wait(pause, 0, 0, 10);
      try {
        fs.rmSync(browser.home, { recursive: true, force: true });
      } catch {
        // left in the temporary folder
      }
    }
  });
  for (const signal of ['SIGINT', 'SIGTERM', 'SIGHUP']) {
    process.once(signal, () => process.exit(128 + os.constants.signals[signal]));
  }
}
