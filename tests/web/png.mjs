// Reads the PNG files of screenshots (the browser's and the native game's)
// and compares pictures, with nothing but zlib.
import zlib from 'node:zlib';

const SIGNATURE = Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]);
const CHANNELS = { 2: 3, 6: 4 }; // RGB, RGBA

// { width, height, data }: data holds 3 bytes (R, G, B) per pixel, row by row;
// the alpha of RGBA is dropped. 8-bit RGB or RGBA, non-interlaced only (what
// Chromium and the game's own screenshots are). CRCs are not checked: zlib
// checks the data.
export function decodePng(buffer) {
  if (!buffer.subarray(0, 8).equals(SIGNATURE)) throw new Error('not a PNG');
  const { header, compressed } = readChunks(buffer);
  const { width, height, bitDepth, colorType, interlace } = header;
  const channels = CHANNELS[colorType];
  if (bitDepth !== 8 || !channels || interlace !== 0) {
    throw new Error(`unsupported PNG: depth ${bitDepth}, colour type ${colorType}, `
      + `interlace ${interlace}`);
  }
  const raw = unfilter(zlib.inflateSync(compressed), width, height, channels);
  return { width, height, data: toRgb(raw, width * height, channels) };
}

function readChunks(buffer) {
  let header = null;
  const data = [];
  for (let at = 8; at + 8 <= buffer.length;) {
    const length = buffer.readUInt32BE(at);
    const type = buffer.toString('latin1', at + 4, at + 8);
    const body = buffer.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      header = { width: body.readUInt32BE(0), height: body.readUInt32BE(4), bitDepth: body[8],
        colorType: body[9], interlace: body[12] };
    } else if (type === 'IDAT') {
      data.push(body);
    } else if (type === 'IEND') {
      break;
    }
    at += 12 + length; // length, type, body, CRC
  }
  if (!header || data.length === 0) throw new Error('PNG without IHDR or IDAT');
  return { header, compressed: Buffer.concat(data) };
}

// Undoes the per-row filters (None, Sub, Up, Average, Paeth).
function unfilter(filtered, width, height, bpp) {
  const stride = width * bpp;
  if (filtered.length < height * (stride + 1)) throw new Error('PNG data too short');
  const out = Buffer.alloc(height * stride);
  for (let y = 0; y < height; y++) {
    const filter = filtered[y * (stride + 1)];
    const line = filtered.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const row = y * stride;
    for (let i = 0; i < stride; i++) {
      const left = i >= bpp ? out[row + i - bpp] : 0;
      const up = y > 0 ? out[row - stride + i] : 0;
      const upLeft = y > 0 && i >= bpp ? out[row - stride + i - bpp] : 0;
      out[row + i] = (line[i] + predict(filter, left, up, upLeft)) & 255;
    }
  }
  return out;
}

function predict(filter, left, up, upLeft) {
  switch (filter) {
    case 0: return 0;
    case 1: return left;
    case 2: return up;
    case 3: return (left + up) >> 1;
    case 4: {
      const p = left + up - upLeft;
      const [pa, pb, pc] = [Math.abs(p - left), Math.abs(p - up), Math.abs(p - upLeft)];
      return pa <= pb && pa <= pc ? left : pb <= pc ? up : upLeft;
    }
    default: throw new Error(`bad PNG filter ${filter}`);
  }
}

function toRgb(raw, pixels, channels) {
  if (channels === 3) return raw;
  const rgb = Buffer.alloc(pixels * 3);
  for (let p = 0; p < pixels; p++) raw.copy(rgb, p * 3, p * 4, p * 4 + 3);
  return rgb;
}

// The rectangle of `picture` at (x, y), width by height, as a picture.
export function crop(picture, x, y, width, height) {
  if (x < 0 || y < 0 || x + width > picture.width || y + height > picture.height) {
    throw new Error(`crop ${width}x${height}+${x}+${y} outside ${picture.width}x${picture.height}`);
  }
  const data = Buffer.alloc(width * height * 3);
  for (let row = 0; row < height; row++) {
    const from = ((y + row) * picture.width + x) * 3;
    picture.data.copy(data, row * width * 3, from, from + width * 3);
  }
  return { width, height, data };
}

// How two pictures of one size differ: differingShare, the share of pixels
// whose largest channel difference exceeds `threshold` (0-255), and
// meanAbsDiff, the mean difference over all channels of all pixels.
export function comparePictures(a, b, { threshold = 16 } = {}) {
  if (a.width !== b.width || a.height !== b.height) {
    throw new Error(`pictures differ in size: ${a.width}x${a.height} and ${b.width}x${b.height}`);
  }
  const pixels = a.width * a.height;
  let differing = 0;
  let total = 0;
  for (let p = 0; p < pixels; p++) {
    let largest = 0;
    for (let c = p * 3; c < p * 3 + 3; c++) {
      const d = Math.abs(a.data[c] - b.data[c]);
      total += d;
      if (d > largest) largest = d;
    }
    if (largest > threshold) differing++;
  }
  return { differingShare: differing / pixels, meanAbsDiff: total / (pixels * 3) };
}

// How two pictures of one size differ in their layout: the share of
// size x size blocks whose mean differs by more than `threshold` in a channel.
// A glyph drawn a little otherwise moves a block's mean little; text missing,
// moved or coloured otherwise moves it a lot.
export function compareBlocks(a, b, { size = 4, threshold = 24 } = {}) {
  if (a.width !== b.width || a.height !== b.height) {
    throw new Error(`pictures differ in size: ${a.width}x${a.height} and ${b.width}x${b.height}`);
  }
  let differing = 0;
  let blocks = 0;
  for (let top = 0; top < a.height; top += size) {
    for (let left = 0; left < a.width; left += size) {
      const sums = [0, 0, 0];
      let count = 0;
      for (let y = top; y < Math.min(top + size, a.height); y++) {
        for (let x = left; x < Math.min(left + size, a.width); x++) {
          const i = (y * a.width + x) * 3;
          for (let c = 0; c < 3; c++) sums[c] += a.data[i + c] - b.data[i + c];
          count++;
        }
      }
      blocks++;
      if (sums.some((s) => Math.abs(s) / count > threshold)) differing++;
    }
  }
  return differing / blocks;
}
