// One browser tab: navigation, script, screenshots, and what the tab reported
// on the way (dialogs, console, exceptions, network, performance). Its input
// methods (click, key, tap...) come from PageInput.
import { PageInput } from './input.mjs';
import { until } from './wait.mjs';

export const LOAD_TIMEOUT_MS = 20000;

// Asked for by the browser itself, whatever the page says: not the page's fault.
const BROWSERS_OWN = /\/favicon\.ico$/;

export class Page extends PageInput {
  // What the tab reported over its life, reloads included:
  dialogs = []; // { type, message, accepted }, in order
  console = []; // { type, text }: console.log, console.error...
  exceptions = []; // { text, url, line }: uncaught errors and rejections
  logs = []; // { level, source, text, url }: the browser's own (failed loads...)
  #requests = new Map(); // requestId → entry of network(), since the last load
  #lastNetworkActivity = Date.now();

  // `dialogs` answers alert, confirm, prompt and beforeunload: 'accept',
  // 'dismiss', or a function of { type, message, defaultPrompt } returning a
  // boolean or { accept, promptText }. It may be changed as dialogPolicy.
  constructor(browser, session, targetId, { dialogs = 'accept' } = {}) {
    super(session);
    this.browser = browser;
    this.targetId = targetId;
    this.dialogPolicy = dialogs;
    this.#listen();
  }

  async init({ width = 800, height = 600, touch = false } = {}) {
    const send = (method, params) => this.session.send(method, params);
    await Promise.all([
      send('Page.enable'), send('Runtime.enable'), send('Network.enable'),
      send('Log.enable'), send('Performance.enable'),
      send('Emulation.setDeviceMetricsOverride',
        { width, height, deviceScaleFactor: 1, mobile: false }),
      touch && send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 }),
    ]);
    return this;
  }

  // Loads `url` and waits for its load event; resolves to { status } of the document.
  goto(url, { timeoutMs = LOAD_TIMEOUT_MS } = {}) {
    return this.#load(`loading ${url}`, timeoutMs, async () => {
      const { errorText } = await this.session.send('Page.navigate', { url });
      if (errorText) throw new Error(`loading ${url}: ${errorText}`);
    });
  }

  reload({ timeoutMs = LOAD_TIMEOUT_MS } = {}) {
    return this.#load('reloading', timeoutMs, () => this.session.send('Page.reload'));
  }

  async #load(what, timeoutMs, start) {
    this.#requests = new Map();
    const loaded = this.session.next('Page.loadEventFired', timeoutMs);
    loaded.catch(() => {}); // awaited below unless start() fails first
    await start();
    await loaded.catch((error) => { throw new Error(`${what}: ${error.message}`); });
    const document = [...this.#requests.values()].find((r) => r.type === 'Document');
    return { status: document?.status ?? null };
  }

  // Runs `script` in the page and resolves to its (awaited) value, which must
  // be JSON-like. `script` is an expression, or a function called with `args`.
  async evaluate(script, ...args) {
    const expression = typeof script === 'function'
      ? `(${script})(${args.map((arg) => JSON.stringify(arg)).join(', ')})` : script;
    const { result, exceptionDetails } = await this.session.send('Runtime.evaluate',
      { expression, awaitPromise: true, returnByValue: true });
    if (exceptionDetails) {
      throw new Error(`the page threw ${exceptionText(exceptionDetails)}\n  evaluating: ${
        shorten(expression)}`);
    }
    return result.value;
  }

  // Resolves to the first truthy value of `script`, polled.
  waitFor(script, timeoutMs = 5000) {
    return until(() => this.evaluate(script), timeoutMs, `waiting for ${shorten(String(script))}`);
  }

  // Waits until no request has been in flight for `quietMs`.
  waitForNetworkIdle(quietMs = 500, timeoutMs = LOAD_TIMEOUT_MS) {
    return until(() => this.#inFlight() === 0 && Date.now() - this.#lastNetworkActivity >= quietMs,
      timeoutMs, 'waiting for the network to be idle', 25);
  }

  // The requests since the last goto() or reload(): { url, type, status,
  // mimeType, encodedBytes, failed }, and encodedBytes summed over them: the
  // bytes received, headers included, compressed when the server compressed.
  network() {
    const requests = [...this.#requests.values()].map((r) => ({ ...r }));
    return { requests, encodedBytes: requests.reduce((sum, r) => sum + r.encodedBytes, 0) };
  }

  // The page's performance counters: TaskDuration and ScriptDuration (seconds
  // of the main thread, from its start), JSHeapUsedSize (bytes), Nodes...
  async metrics() {
    const { metrics } = await this.session.send('Performance.getMetrics');
    return Object.fromEntries(metrics.map(({ name, value }) => [name, value]));
  }

  // A PNG of the viewport, or of `clip` ({ x, y, width, height } in CSS pixels).
  async screenshot({ clip } = {}) {
    const { data } = await this.session.send('Page.captureScreenshot',
      { format: 'png', captureBeyondViewport: false, ...(clip && { clip: { ...clip, scale: 1 } }) });
    return Buffer.from(data, 'base64');
  }

  // A PNG of the element `selector` names (a canvas, say), as shown.
  async screenshotOf(selector) {
    const clip = await this.evaluate((s) => {
      const element = document.querySelector(s);
      if (!element) return null;
      const r = element.getBoundingClientRect();
      return { x: r.left + scrollX, y: r.top + scrollY, width: r.width, height: r.height };
    }, selector);
    if (!clip) throw new Error(`screenshotOf: no element matches ${selector}`);
    return this.screenshot({ clip });
  }

  // What a test should fail on: uncaught exceptions, console errors and
  // failed assertions, and the browser's own errors (such as a failed load).
  errors() {
    return [
      ...this.exceptions.map((e) => `exception: ${e.text} (${e.url}:${e.line})`),
      ...this.console.filter((m) => m.type === 'error' || m.type === 'assert')
        .map((m) => `console.${m.type}: ${m.text}`),
      ...this.logs.filter((l) => l.level === 'error' && !BROWSERS_OWN.test(l.url))
        .map((l) => `${l.source}: ${l.text} ${l.url}`),
    ];
  }

  // Closes the tab as a person would, so its 'pagehide' handlers run, and
  // waits until it is gone.
  async close({ timeoutMs = 10000 } = {}) {
    const root = this.browser.connection.session();
    const gone = root.next('Target.detachedFromTarget', timeoutMs,
      (p) => p.sessionId === this.session.id);
    gone.catch(() => {});
    await this.session.send('Page.close');
    await gone.catch((error) => { throw new Error(`closing the page: ${error.message}`); });
    this.browser.connection.forget(this.session.id);
  }

  #listen() {
    const on = (method, listener) => this.session.on(method, listener);
    on('Page.javascriptDialogOpening', (dialog) => this.#answer(dialog));
    on('Runtime.consoleAPICalled', ({ type, args }) => {
      this.console.push({ type, text: args.map(remoteText).join(' ') });
    });
    on('Runtime.exceptionThrown', ({ exceptionDetails: d }) => {
      this.exceptions.push({ text: exceptionText(d), url: d.url ?? '', line: (d.lineNumber ?? -1) + 1 });
    });
    on('Log.entryAdded', ({ entry }) => {
      this.logs.push({ level: entry.level, source: entry.source, text: entry.text,
        url: entry.url ?? '' });
    });
    this.#listenToNetwork(on);
  }

  #listenToNetwork(on) {
    const note = (requestId) => {
      this.#lastNetworkActivity = Date.now();
      return this.#requests.get(requestId);
    };
    on('Network.requestWillBeSent', ({ requestId, request, type }) => {
      note(requestId);
      this.#requests.set(requestId, { url: request.url, type, status: null, mimeType: null,
        encodedBytes: 0, done: false, failed: null });
    });
    on('Network.responseReceived', ({ requestId, response }) => {
      const entry = note(requestId);
      if (entry) Object.assign(entry, { status: response.status, mimeType: response.mimeType });
    });
    on('Network.loadingFinished', ({ requestId, encodedDataLength }) => {
      const entry = note(requestId);
      if (entry) Object.assign(entry, { encodedBytes: encodedDataLength, done: true });
    });
    on('Network.loadingFailed', ({ requestId, errorText }) => {
      const entry = note(requestId);
      if (entry) Object.assign(entry, { failed: errorText, done: true });
    });
  }

  #inFlight() {
    return [...this.#requests.values()].filter((r) => !r.done).length;
  }

  #answer({ type, message, defaultPrompt }) {
    const policy = this.dialogPolicy;
    let answer = typeof policy === 'function' ? policy({ type, message, defaultPrompt })
      : policy === 'accept';
    if (typeof answer === 'boolean') answer = { accept: answer };
    this.dialogs.push({ type, message, accepted: answer.accept });
    this.session.send('Page.handleJavaScriptDialog', answer).catch(() => {});
  }
}

function exceptionText(details) {
  const exception = details.exception;
  return exception?.description ?? exception?.value ?? details.text;
}

function remoteText(object) {
  if ('value' in object) return typeof object.value === 'string' ? object.value
    : JSON.stringify(object.value);
  return object.unserializableValue ?? object.description ?? object.type;
}

function shorten(text) {
  return text.length > 200 ? `${text.slice(0, 200)}…` : text;
}
