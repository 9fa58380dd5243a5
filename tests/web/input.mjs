// Real input, as the browser gets it from a person: mouse, keyboard and touch
// through the Input domain, at page (CSS pixel) coordinates. These events are
// trusted, so they count as the user gesture that unlocks audio.
import { describeKey, MODIFIER_BITS } from './keys.mjs';
import { sleep } from './wait.mjs';

const BUTTON_BITS = { left: 1, right: 2, middle: 4 };

export class PageInput {
  #buttons = 0; // the mouse buttons held, as MouseEvent.buttons
  #modifiers = 0; // the modifier keys held, as CDP's modifiers
  #touchId = 0;

  constructor(session) {
    this.session = session;
  }

  #mouse(type, x, y, extra = {}) {
    return this.session.send('Input.dispatchMouseEvent', {
      type, x, y, modifiers: this.#modifiers, buttons: this.#buttons, ...extra });
  }

  move(x, y) {
    return this.#mouse('mouseMoved', x, y);
  }

  async mouseDown(x, y, { button = 'left', clickCount = 1 } = {}) {
    this.#buttons |= BUTTON_BITS[button];
    await this.#mouse('mousePressed', x, y, { button, clickCount });
  }

  async mouseUp(x, y, { button = 'left', clickCount = 1 } = {}) {
    this.#buttons &= ~BUTTON_BITS[button];
    await this.#mouse('mouseReleased', x, y, { button, clickCount });
  }

  async click(x, y, options = {}) {
    await this.move(x, y);
    await this.mouseDown(x, y, options);
    await this.mouseUp(x, y, options);
  }

  rightClick(x, y) {
    return this.click(x, y, { button: 'right' });
  }

  // Positive deltaY scrolls down, as WheelEvent.deltaY.
  wheel(x, y, deltaY, deltaX = 0) {
    return this.#mouse('mouseWheel', x, y, { deltaX, deltaY });
  }

  async key(name) {
    await this.keyDown(name);
    await this.keyUp(name);
  }

  // Holds a key down; { repeat: true } sends it as the keyboard's auto-repeat.
  async keyDown(name, { repeat = false } = {}) {
    const key = describeKey(name, this.#modifiers);
    this.#modifiers |= MODIFIER_BITS[name] ?? 0;
    await this.session.send('Input.dispatchKeyEvent',
      { type: key.text ? 'keyDown' : 'rawKeyDown', autoRepeat: repeat, ...this.#keyFields(key) });
  }

  async keyUp(name) {
    this.#modifiers &= ~(MODIFIER_BITS[name] ?? 0);
    const key = describeKey(name, this.#modifiers);
    await this.session.send('Input.dispatchKeyEvent', { type: 'keyUp', ...this.#keyFields(key) });
  }

  #keyFields(key) {
    return {
      key: key.key, code: key.code, text: key.text, unmodifiedText: key.text,
      windowsVirtualKeyCode: key.keyCode, nativeVirtualKeyCode: key.keyCode,
      location: key.location, modifiers: this.#modifiers,
    };
  }

  // One touch event; `points` are the fingers on the screen after it, as
  // {x, y, id}: Chromium makes one DOM event per finger that changed.
  touch(type, points) {
    return this.session.send('Input.dispatchTouchEvent',
      { type, touchPoints: points, modifiers: this.#modifiers });
  }

  async tap(x, y) {
    await this.touch('touchStart', [this.#finger(x, y)]);
    await this.touch('touchEnd', []);
  }

  async longPress(x, y, ms = 800) {
    await this.touch('touchStart', [this.#finger(x, y)]);
    await sleep(ms);
    await this.touch('touchEnd', []);
  }

  async twoFingerTap([x1, y1], [x2, y2]) {
    await this.touch('touchStart', [this.#finger(x1, y1), this.#finger(x2, y2)]);
    await this.touch('touchEnd', []);
  }

  async swipe([x1, y1], [x2, y2], { steps = 8, durationMs = 200 } = {}) {
    const finger = this.#finger(x1, y1);
    await this.touch('touchStart', [finger]);
    for (let step = 1; step <= steps; step++) {
      await sleep(durationMs / steps);
      const t = step / steps;
      await this.touch('touchMove',
        [{ ...finger, x: x1 + (x2 - x1) * t, y: y1 + (y2 - y1) * t }]);
    }
    await this.touch('touchEnd', []);
  }

  #finger(x, y) {
    return { x, y, id: this.#touchId++ };
  }
}
