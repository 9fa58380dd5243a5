// The page's side of the game (joined before the compiled program): the
// picture on the canvas, the mouse, keys and touches turned into the game's
// picture points, Web Audio, the saves in the browser's storage, and
// window.minamori for tests and the curious.
'use strict';

(function () {
  const kWidth = 640, kHeight = 480, kBar = 28;
  const byId = (id) => document.getElementById(id);
  const call = (name, ret, types, args) => Module.ccall(name, ret, types, args);

  // ---- The picture -------------------------------------------------------
  const page = {
    canvas: null, context: null, image: null, mostFactor: 0, shownFactor: 1,
    firstFrameMs: null,

    boot() {
      this.canvas = byId('canvas');
      this.context = this.canvas.getContext('2d', { alpha: false });
      this.image = this.context.createImageData(kWidth, kHeight);
      this.layout();
      window.addEventListener('resize', () => this.layout());
      document.addEventListener('fullscreenchange', () => {
        this.layout();
        if (window.minamori.ready) call('minamori_fullscreen_changed', null, ['number'], [this.isFullscreen() ? 1 : 0]);
      });
      byId('fullscreen').addEventListener('click', () => this.setFullscreen(!this.isFullscreen()));
      input.attach(this.canvas);
      storage.mount((ok, why) => {
        const params = new URLSearchParams(location.search);
        const seed = params.has('seed') ? Number(params.get('seed')) : Date.now();
        const flag = (name) => (params.has(name) ? 1 : 0);
        call('minamori_start', null, ['number', 'number', 'number', 'number', 'string'],
             [seed, flag('driven'), flag('boxfonts'), ok ? 1 : 0, why]);
      });
    },

    ready() {
      byId('cover').hidden = true;
      window.minamori.ready = true;
    },

    fail(text) {
      const cover = byId('cover');
      cover.textContent = text;
      cover.hidden = false;
    },

    present(rgba) {
      this.image.data.set(rgba);
      this.context.putImageData(this.image, 0, 0);
      if (this.firstFrameMs === null) this.firstFrameMs = performance.now();
    },

    // The largest whole factor of device pixels that fits; below one on a
    // small screen, the picture is shrunk to fit instead.
    fitFactor() {
      const ratio = window.devicePixelRatio || 1;
      const barHeight = this.isFullscreen() ? 0 : kBar;
      const w = window.innerWidth * ratio, h = (window.innerHeight - barHeight) * ratio;
      return Math.min(w / kWidth, h / kHeight);
    },

    layout() {
      const ratio = window.devicePixelRatio || 1;
      const fit = this.fitFactor();
      let factor = fit >= 1 ? Math.floor(fit) : fit;
      if (this.mostFactor > 0 && factor > this.mostFactor && !this.isFullscreen()) factor = this.mostFactor;
      this.shownFactor = Math.max(1, Math.floor(factor));
      this.canvas.style.width = (kWidth * factor / ratio) + 'px';
      this.canvas.style.height = (kHeight * factor / ratio) + 'px';
      byId('bar').hidden = this.isFullscreen();
    },

    largestFactor() { return Math.max(1, Math.floor(this.fitFactor())); },
    factor() { return this.shownFactor; },
    setMostFactor(factor) { this.mostFactor = factor; this.layout(); },

    isFullscreen() { return !!document.fullscreenElement; },
    setFullscreen(on) {
      // Allowed only while a click or a key is being handled, which is when the game asks.
      // (Written without ?. : Emscripten's JavaScript optimizer does not read it.)
      const stage = byId('stage');
      const done = on ? (stage.requestFullscreen && stage.requestFullscreen())
                      : (document.exitFullscreen && document.exitFullscreen());
      if (done && done.catch) done.catch(() => {});
    },

    setCaption(text) {
      document.title = text;
      byId('caption').textContent = text;
    },

    showClosed() {
      this.fail('ゲームを終了しました。ページを再読み込みすると続きから遊べます。');
    },

    storageFailed(text) { byId('notice').textContent = text; },

    offerDownload(path) {
      let bytes;
      try { bytes = FS.readFile(path); FS.unlink(path); } catch (e) { return; }
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([bytes], { type: 'image/png' }));
      link.download = path.split('/').pop();
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    },
  };

  // ---- Input -------------------------------------------------------------
  const input = {
    wheelRest: 0,

    attach(canvas) {
      const at = (clientX, clientY) => {
        const r = canvas.getBoundingClientRect();
        const x = Math.floor((clientX - r.left) * kWidth / r.width);
        const y = Math.floor((clientY - r.top) * kHeight / r.height);
        return x >= 0 && y >= 0 && x < kWidth && y < kHeight ? [x, y] : null;
      };
      const started = () => window.minamori.ready;
      canvas.addEventListener('mousemove', (e) => {
        const p = at(e.clientX, e.clientY);
        if (p && started()) call('minamori_pointer_move', null, ['number', 'number'], p);
      });
      canvas.addEventListener('mousedown', (e) => {
        audio.unlock();
        canvas.focus();
        const p = at(e.clientX, e.clientY);
        if (!p || !started() || e.button > 2) return;
        e.preventDefault();
        call('minamori_pointer_down', null, ['number', 'number', 'number'], [p[0], p[1], e.button === 2 ? 1 : 0]);
      });
      window.addEventListener('mouseup', () => { if (started()) call('minamori_pointer_up', null, [], []); });
      canvas.addEventListener('wheel', (e) => {
        e.preventDefault();
        if (!started()) return;
        // A notch is 100 pixels or 3 lines; a touchpad's small steps add up.
        this.wheelRest += e.deltaMode === 1 ? e.deltaY / 3 : e.deltaMode === 2 ? e.deltaY : e.deltaY / 100;
        const steps = Math.trunc(this.wheelRest);
        if (steps === 0) return;
        this.wheelRest -= steps;
        call('minamori_wheel', null, ['number'], [-steps]);
      }, { passive: false });
      const key = (e, down) => {
        if (down) audio.unlock();
        if (!started()) return;
        if (e.ctrlKey && e.code !== 'ControlLeft' && e.code !== 'ControlRight') return;  // the browser's own
        const taken = call('minamori_key', 'number', ['string', 'number', 'number', 'number'],
                           [e.code, down ? 1 : 0, e.repeat ? 1 : 0, e.altKey ? 1 : 0]);
        if (taken) e.preventDefault();
      };
      window.addEventListener('keydown', (e) => key(e, true));
      window.addEventListener('keyup', (e) => key(e, false));
      const touch = (kind) => (e) => {
        e.preventDefault();
        if (kind === 2) audio.unlock();
        if (!started()) return;
        for (const t of e.changedTouches) {
          const p = at(t.clientX, t.clientY) || [0, 0];
          call('minamori_touch', null, ['number', 'number', 'number', 'number'], [kind, t.identifier, p[0], p[1]]);
        }
      };
      canvas.addEventListener('touchstart', touch(0), { passive: false });
      canvas.addEventListener('touchmove', touch(1), { passive: false });
      canvas.addEventListener('touchend', touch(2), { passive: false });
      canvas.addEventListener('touchcancel', touch(3), { passive: false });
      window.addEventListener('blur', () => { if (started()) call('minamori_focus_lost', null, [], []); });
      // Leaving the page, or a hidden tab the browser may end: save as closing does.
      const leave = () => { if (started()) call('minamori_page_hidden', null, [], []); };
      window.addEventListener('pagehide', leave);
      document.addEventListener('visibilitychange', () => { if (document.hidden) leave(); });
    },
  };

  // ---- Sound -------------------------------------------------------------
  const audio = {
    context: null, effects: null, music: null, waves: {}, recordings: {},
    unlocked: false, musicSource: null, musicGeneration: 0, waitingMusic: null, musicLevel: 1,
    playing: 0, restTimer: null,

    init() {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      try { this.context = new Context(); } catch (e) { return; }
      // A limiter after the mix, as on the desktop: many sounds at once stay
      // clean. It costs the browser a few per cent of a core, and the music
      // alone (recorded without clipping) needs none: the mix goes through it
      // only while effects sound.
      this.limiter = this.context.createDynamicsCompressor();
      const l = this.limiter;
      l.threshold.value = -1; l.knee.value = 0; l.ratio.value = 20; l.attack.value = 0.002; l.release.value = 0.1;
      this.mix = this.context.createGain();
      this.mix.connect(this.context.destination);
      this.effects = this.context.createGain();
      this.effects.connect(this.mix);
      this.music = this.context.createGain();
      this.music.connect(this.mix);
      this.effectsSounding = 0;
    },

    // The first click or key lets the browser play; music asked for before starts now.
    unlock() {
      if (this.unlocked || !this.context) return;
      this.unlocked = true;
      this.context.resume().catch(() => {});
      this.rest();
      if (this.waitingMusic) {
        const buffer = this.waitingMusic;
        this.waitingMusic = null;
        this.startMusic(buffer);
      }
    },

    // A running context costs the browser several per cent of a core even in
    // silence: it rests a second after the last sound ends, and wakes for the
    // next (the first gesture's permission lasts).
    started(source) {
      this.playing++;
      clearTimeout(this.restTimer);
      if (this.context.state === 'suspended') this.context.resume().catch(() => {});
      source.onended = () => {
        this.playing--;
        this.rest();
      };
    },
    throughLimiter(change) {
      const before = this.effectsSounding > 0;
      this.effectsSounding += change;
      const now = this.effectsSounding > 0;
      if (before === now) return;
      // Even without input a connected limiter would be worked every moment.
      this.mix.disconnect();
      if (now) {
        this.limiter.connect(this.context.destination);
        this.mix.connect(this.limiter);
      } else {
        this.limiter.disconnect();
        this.mix.connect(this.context.destination);
      }
    },
    rest() {
      if (this.playing > 0) return;
      clearTimeout(this.restTimer);
      this.restTimer = setTimeout(() => {
        if (this.playing === 0 && this.context.state === 'running') this.context.suspend().catch(() => {});
      }, 1000);
    },

    decode(path, cache) {
      if (!cache[path]) {
        let bytes;
        try { bytes = FS.readFile(path); } catch (e) { return null; }
        cache[path] = this.context.decodeAudioData(bytes.slice().buffer).catch(() => null);
      }
      return cache[path];
    },

    loadWave(name, path) {
      if (!this.context) return false;
      const decoded = this.decode(path, this.recordings);
      if (!decoded) return false;
      this.waves[name] = decoded;
      return true;
    },

    playWave(name, gain) {
      const decoded = this.waves[name];
      if (!decoded || !this.unlocked) return;
      decoded.then((buffer) => {
        if (!buffer) return;
        const source = this.context.createBufferSource();
        const level = this.context.createGain();
        level.gain.value = gain;
        source.buffer = buffer;
        source.connect(level).connect(this.effects);
        this.started(source);
        this.throughLimiter(+1);
        source.addEventListener('ended', () => this.throughLimiter(-1));
        source.start();
      });
    },

    playMusic(path) {
      this.stopMusic();
      if (!this.context) return;
      const generation = this.musicGeneration;
      const decoded = this.decode(path, this.recordings);
      if (!decoded) return;
      decoded.then((buffer) => {
        if (!buffer || generation !== this.musicGeneration) return;
        if (this.unlocked) this.startMusic(buffer); else this.waitingMusic = buffer;
      });
    },

    startMusic(buffer) {
      const source = this.context.createBufferSource();
      source.buffer = buffer;
      source.connect(this.music);
      this.started(source);
      source.start();  // once, as the desktop plays it
      this.musicSource = source;
    },

    stopMusic() {
      this.musicGeneration++;
      this.waitingMusic = null;
      if (this.musicSource) {
        try { this.musicSource.stop(); } catch (e) {}
        this.musicSource = null;
      }
    },

    setMusicGain(gain) { if (this.music) this.music.gain.value = gain * this.musicLevel; },
  };

  // ---- Saves ---------------------------------------------------------------
  const storage = {
    mount(done) {
      try {
        FS.mkdir('/save');
        FS.mount(IDBFS, {}, '/save');
      } catch (e) {
        done(false, String(e && e.message || e));
        return;
      }
      FS.syncfs(true, (error) => done(!error, error ? describe(error) : ''));
    },
    // Leaving the page: the usual copy starts with a read of the database and
    // would be cut off with the page, so the files go straight into the open
    // database, in a transaction begun before the handler returns.
    storeNow(paths) {
      const db = IDBFS.dbs['/save'];
      if (!db) return;
      try {
        const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
        const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
        for (const path of paths)
          IDBFS.loadLocalEntry(path, (error, entry) => { if (!error) store.put(entry, path); });
        // Committed now, not when the page's tasks run out, which they may not.
        if (transaction.commit) transaction.commit();
      } catch (e) {}
    },
    // FS.syncfs(false) as Emscripten has it, but answering when the database
    // refuses the write: a full quota aborts the transaction without an
    // error event, and syncfs would never call back.
    copyOut() {
      let answered = false;
      const finish = (error) => {
        if (answered) return;
        answered = true;
        call('minamori_storage_copied', null, ['number', 'string'], [error ? 0 : 1, error ? describe(error) : '']);
      };
      try {
        const mount = FS.lookupPath('/save').node.mount;
        IDBFS.getLocalSet(mount, (error, local) => {
          if (error) return finish(error);
          IDBFS.getRemoteSet(mount, (error2, remote) => {
            if (error2) return finish(error2);
            storage.reconcile(local, remote, finish);
          });
        });
      } catch (e) {
        finish(e);
      }
    },
    reconcile(local, remote, finish) {
      const changed = (key) => !remote.entries[key] ||
        local.entries[key].timestamp.getTime() !== remote.entries[key].timestamp.getTime();
      const create = Object.keys(local.entries).filter(changed).sort();
      const remove = Object.keys(remote.entries).filter((key) => !local.entries[key]).sort().reverse();
      if (!create.length && !remove.length) return finish(null);
      const transaction = remote.db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
      transaction.oncomplete = () => finish(null);
      transaction.onerror = (e) => e.preventDefault();  // the abort that follows tells
      transaction.onabort = () => finish(transaction.error || new Error('the browser refused the write'));
      // Folders before the files in them; files before their folders go.
      try {
        for (const path of create)
          IDBFS.loadLocalEntry(path, (error, entry) => { if (error) throw error; store.put(entry, path); });
        for (const path of remove) store.delete(path);
      } catch (e) {
        transaction.abort();
        finish(e);
      }
    },
  };
  const describe = (error) => String(error && (error.message || error.name || error.errno) || error);

  Module.minamoriPage = page;
  Module.minamoriAudio = audio;
  Module.minamoriStorage = storage;

  // ---- For tests and the curious ------------------------------------------
  window.minamori = {
    ready: false,
    // One command of the headless driver (click X Y, row N, tick N, key NAME,
    // state...); from the first one on, the page's own timer stands still and
    // the game's sounds and boxes are recorded instead of played.
    run: (line) => call('minamori_run', 'string', ['string'], [String(line)]),
    // The driver's state line, leaving the page to play on.
    state: () => call('minamori_state', 'string', [], []),
    firstFrameMs: () => page.firstFrameMs,
  };
})();
