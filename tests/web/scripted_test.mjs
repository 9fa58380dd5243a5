// The page plays the game as the native build does: the same seed and the
// same commands through window.minamori.run give the native headless driver's
// state, step by step, and the same picture.
//   node scripted_test.mjs WEB_DIR NATIVE_BUILD HEADLESS REPLAYS_DIR
//   (KEEP_SHOTS=DIR keeps the pictures compared)
//
// 1. With the real fonts, the opening of the recorded easy game (the title,
//    <イージーMODE>, the opening, 活動 > 働く, battles to their end, a year's end
//    and the next morning): every field of `state` after every command, and
//    the canvas against the native `shot` at points along the way.
// 2. With fixed text metrics, the whole recorded easy game: the state hash
//    after each of its commands, and the save and the history it leaves.
import fs from 'node:fs';
import path from 'node:path';
import { compareBlocks, comparePictures, decodePng } from './png.mjs';
import {
  canvasPng, check, fail, main, nativeDataFolder, NativeGame, openBrowser, openGame, pageRun,
  readLines,
} from './game_page.mjs';

const [webDir, nativeBuild, headless, replays] = process.argv.slice(2);
const kSeed = 1;  // the easy replay's
const kOpening = 160;  // its commands up to the morning after the first year's end
// Pictures compared after these commands: the title, the first menu, the
// opening's lines, a battle, the year's end.
const kShots = [0, 9, 20, 95, 145, 159];
// Then the panels in their fixed-width face: the history, the help, the preferences.
const kPanels = ['key pageup', 'tick', 'key esc', 'key f1', 'tick', 'key f1', 'key p', 'tick', 'key p'];
const kPanelShots = [kOpening + 1, kOpening + 4, kOpening + 7];
// Glyphs differ a little between FreeType's hinting and stb_truetype, and the
// JPEG decoders by a level here and there: the pictures are compared by the
// means of 4 x 4 blocks. The two builds' pictures differ in under 1 % of the
// blocks; the same picture moved 2 pixels sideways differs in 6 to 10 %.
const kMostDifferingBlocks = 0.025;

function differences(a, b, where = '') {
  if (typeof a !== typeof b || Array.isArray(a) !== Array.isArray(b) || (a === null) !== (b === null))
    return [`${where}: ${JSON.stringify(a)} vs ${JSON.stringify(b)}`];
  if (a && typeof a === 'object') {
    const keys = new Set([...Object.keys(a), ...Object.keys(b)]);
    return [...keys].flatMap((k) => differences(a[k], b[k], `${where}.${k}`));
  }
  return a === b ? [] : [`${where}: ${JSON.stringify(a)} vs ${JSON.stringify(b)}`];
}

async function openingWithFonts(browser, url, replay) {
  const commands = [...replay.slice(0, kOpening), ...kPanels];
  const data = nativeDataFolder(nativeBuild);
  const native = new NativeGame(headless, ['--data', data, '--seed', String(kSeed)]);
  const page = await openGame(browser, url(`?seed=${kSeed}&driven`));
  try {
    const shots = [];
    for (let i = -1; i < commands.length; i++) {
      if (i >= 0) {
        const [mine, theirs] = [await pageRun(page, commands[i]), await native.run(commands[i])];
        check(mine === theirs, `${commands[i]} (command ${i}): the page says ${mine}, native ${theirs}`);
      }
      const [mine, theirs] = [await pageRun(page, 'state'), await native.run('state')];
      const diff = differences(JSON.parse(mine), JSON.parse(theirs), 'state');
      if (diff.length)
        fail(`after command ${i} (${commands[i]}) the states differ:\n  ${diff.slice(0, 12).join('\n  ')}`);
      if (!kShots.includes(i) && !kPanelShots.includes(i)) continue;
      const file = path.join(data, `native-${i}.png`);
      check((await native.run(`shot ${file}`)) === 'ok', 'the native shot failed');
      const png = await canvasPng(page);
      if (process.env.KEEP_SHOTS) {  // KEEP_SHOTS=DIR keeps both pictures for a look
        fs.writeFileSync(path.join(process.env.KEEP_SHOTS, `web-${i}.png`), png);
        fs.copyFileSync(file, path.join(process.env.KEEP_SHOTS, `native-${i}.png`));
      }
      const [canvas, shot] = [decodePng(png), decodePng(fs.readFileSync(file))];
      const blocks = compareBlocks(canvas, shot);
      const pixels = comparePictures(canvas, shot, { threshold: 48 }).differingShare;
      shots.push(`#${i} ${(blocks * 100).toFixed(2)} % (${(pixels * 100).toFixed(2)} %)`);
      check(blocks <= kMostDifferingBlocks,
            `after command ${i} the canvas differs from the native shot in ${(blocks * 100).toFixed(2)} % of its blocks`);
    }
    console.log(`  ${commands.length} commands, equal states; pictures' differing blocks (pixels by over 48): ${shots.join(', ')}`);
    check(page.errors().length === 0, `the page reported: ${page.errors().join('; ')}`);
  } finally {
    await page.close();
    await native.close();
    fs.rmSync(data, { recursive: true, force: true });
  }
}

// Runs the commands in the page a batch at a time, keeping the hash after
// each: one evaluation of the whole game can outlast the command timeout on a
// machine busy with the other tests.
async function pageHashes(page, commands, batch = 400) {
  const hashes = [];
  for (let start = 0; start < commands.length; start += batch) {
    hashes.push(...await page.evaluate(`(() => {
      const out = [];
      for (const c of ${JSON.stringify(commands.slice(start, start + batch))}) {
        const answer = window.minamori.run(c);
        out.push(answer === 'ok' ? window.minamori.run('hash') : c + ': ' + answer);
      }
      return out;
    })()`));
  }
  return hashes;
}

async function nativeHashes(commands, data) {
  const native = new NativeGame(headless, ['--data', data, '--seed', String(kSeed), '--box-fonts']);
  const out = [];
  for (const c of commands) {
    const answer = await native.run(c);
    out.push(answer === 'ok' ? await native.run('hash') : `${c}: ${answer}`);
  }
  await native.close();
  return out;
}

async function readPageFile(page, file) {
  const base64 = await page.evaluate(`(() => {
    try { const b = FS.readFile(${JSON.stringify(file)}); let s = '';
      for (let i = 0; i < b.length; i += 8192) s += String.fromCharCode.apply(null, b.subarray(i, i + 8192));
      return btoa(s); } catch (e) { return null; } })()`);
  return base64 === null ? null : Buffer.from(base64, 'base64');
}

async function wholeGameWithFixedMetrics(browser, url, commands) {
  const data = nativeDataFolder(nativeBuild);
  const page = await openGame(browser, url(`?seed=${kSeed}&driven&boxfonts`));
  try {
    const [mine, theirs] = [await pageHashes(page, commands), await nativeHashes(commands, data)];
    const first = mine.findIndex((h, i) => h !== theirs[i]);
    check(first === -1, `command ${first} (${commands[first]}): the page's state ${mine[first]}, native ${theirs[first]}`);
    // Every file the game wrote, in CP932 where it writes text: the save, the
    // history, the clear record.
    const written = await page.evaluate("FS.readdir('/save').filter((n) => !['.', '..', 'config'].includes(n))");
    for (const name of ['my.dat', 'history.csv'])
      check(written.includes(name), `the page wrote no ${name}: ${written.join(' ')}`);
    for (const name of written) {
      const saved = await readPageFile(page, `/save/${name}`);
      const nativeFile = [path.join(data, 'dat', name), path.join(data, name)].find((f) => fs.existsSync(f));
      check(nativeFile, `the page wrote ${name}, the native game did not`);
      check(saved && saved.equals(fs.readFileSync(nativeFile)), `the page's ${name} differs from the native one`);
    }
    console.log(`  the whole easy game: ${commands.length} equal state hashes; equal ${written.join(', ')}`);
  } finally {
    await page.close();
    fs.rmSync(data, { recursive: true, force: true });
  }
}

main(async () => {
  const commands = readLines(path.join(replays, 'easy', 'commands.txt'));
  // A browser each, so that the second game finds no save of the first.
  for (const play of [openingWithFonts, wholeGameWithFixedMetrics]) {
    const web = await openBrowser(webDir);
    try {
      await play(web.browser, web.url, commands);
    } finally {
      await web.close();
    }
  }
});
