// What Input.dispatchKeyEvent needs to make a key as a US keyboard sends it:
// the DOM's key and code, the Windows virtual key code (the DOM's keyCode) and,
// for keys that type, the text.

export const MODIFIER_BITS = { Alt: 1, Control: 2, Meta: 4, Shift: 8 };

const NAMED = {
  Enter: { code: 'Enter', keyCode: 13, text: '\r' },
  Space: { key: ' ', code: 'Space', keyCode: 32, text: ' ' },
  Backspace: { code: 'Backspace', keyCode: 8 },
  Tab: { code: 'Tab', keyCode: 9 },
  Escape: { code: 'Escape', keyCode: 27 },
  PageUp: { code: 'PageUp', keyCode: 33 },
  PageDown: { code: 'PageDown', keyCode: 34 },
  End: { code: 'End', keyCode: 35 },
  Home: { code: 'Home', keyCode: 36 },
  ArrowLeft: { code: 'ArrowLeft', keyCode: 37 },
  ArrowUp: { code: 'ArrowUp', keyCode: 38 },
  ArrowRight: { code: 'ArrowRight', keyCode: 39 },
  ArrowDown: { code: 'ArrowDown', keyCode: 40 },
  Delete: { code: 'Delete', keyCode: 46 },
  Shift: { code: 'ShiftLeft', keyCode: 16, location: 1 },
  Control: { code: 'ControlLeft', keyCode: 17, location: 1 },
  Alt: { code: 'AltLeft', keyCode: 18, location: 1 },
};
for (let n = 1; n <= 12; n++) NAMED[`F${n}`] = { code: `F${n}`, keyCode: 111 + n };

// The key called `name` ('Enter', 'F12', 'a', 'A', '7'...), as held modifiers
// change it: Shift makes a capital, Control or Alt types no text.
export function describeKey(name, modifiers = 0) {
  let key;
  if (NAMED[name]) {
    key = { key: name, location: 0, ...NAMED[name] };
  } else if (/^[a-zA-Z]$/.test(name)) {
    const upper = name.toUpperCase();
    const shifted = name === upper || (modifiers & MODIFIER_BITS.Shift) !== 0;
    const typed = shifted ? upper : name.toLowerCase();
    key = { key: typed, code: `Key${upper}`, keyCode: upper.charCodeAt(0), text: typed,
      location: 0 };
  } else if (/^[0-9]$/.test(name)) {
    key = { key: name, code: `Digit${name}`, keyCode: name.charCodeAt(0), text: name,
      location: 0 };
  } else {
    throw new Error(`unknown key "${name}"`);
  }
  if (modifiers & (MODIFIER_BITS.Control | MODIFIER_BITS.Alt)) delete key.text;
  return key;
}
