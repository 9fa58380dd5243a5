// The page plays the game as the native build does: the same seed and the
// same commands through window.minamori.run give the native headless driver's
// state, step by step, and the same picture.
//   node scripted_test.mjs WEB_DIR NATIVE_BUILD HEADLESS REPLAYS_DIR
//
// 1. With the real fonts, the opening of the recorded easy game (the title,
//    <イージーMODE>, the opening, 活動 > 働く, battles to their end, a year's end
//    and the next morning): every field of `state` after every command, and
//    the canvas against the native `shot` at points along the way.
// 2. With fixed text metrics, the whole recorded easy game: the state hash
//    after each of its commands, and the save and the history it leaves.
import fs from 'node:fs';
import path from 'node:path';
import { comparePictures, decodePng } from './png.mjs';
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
// Glyphs differ a little between FreeType's hinting and stb_truetype, and the
// JPEG decoders by a level here and there; text placed or coloured otherwise
// would differ by far more.
const kShotThreshold = 48;     // a channel differing by more counts the pixel
const kShotMostDiffering = 0.02;  // share of such pixels allowed
const kShotMostMean = 2.0;     // mean difference per channel allowed

function differences(a, b, where = '') {
  if (typeof a !== typeof b || Array.isArray(a) !== Array.isArray(b) || (a === null) !== (b === null))
    return [`${where}: ${JSON.stringify(a)} vs ${JSON.stringify(b)}`];
  if (a && typeof a === 'object') {
    const keys = new Set([...Object.keys(a), ...Object.keys(b)]);
    return [...keys].flatMap((k) => differences(a[k], b[k], `${where}.${k}`));
  }
  return a === b ? [] : [`${where}: ${JSON.stringify(a)} vs ${JSON.stringify(b)}`];
}

async function openingWithFonts(browser, url, commands) {
  const data = nativeDataFolder(nativeBuild);
  const native = new NativeGame(headless, ['--data', data, '--seed', String(kSeed)]);
  const page = await openGame(browser, url(`?seed=${kSeed}&driven`));
  try {
    const shots = [];
    for (let i = -1; i < kOpening; i++) {
      if (i >= 0) {
        const [mine, theirs] = [await pageRun(page, commands[i]), await native.run(commands[i])];
        check(mine === theirs, `${commands[i]} (command ${i}): the page says ${mine}, native ${theirs}`);
      }
      const [mine, theirs] = [await pageRun(page, 'state'), await native.run('state')];
      const diff = differences(JSON.parse(mine), JSON.parse(theirs), 'state');
      if (diff.length)
        fail(`after command ${i} (${commands[i]}) the states differ:\n  ${diff.slice(0, 12).join('\n  ')}`);
      if (!kShots.includes(i)) continue;
      const file = path.join(data, `native-${i}.png`);
      check((await native.run(`shot ${file}`)) === 'ok', 'the native shot failed');
      const m = comparePictures(decodePng(await canvasPng(page)), decodePng(fs.readFileSync(file)),
                                { threshold: kShotThreshold });
      shots.push(`#${i} ${(m.differingShare * 100).toFixed(2)} % / ${m.meanAbsDiff.toFixed(2)}`);
      check(m.differingShare <= kShotMostDiffering && m.meanAbsDiff <= kShotMostMean,
            `after command ${i} the canvas differs from the native shot: ${JSON.stringify(m)}`);
    }
    console.log(`  ${kOpening} commands, equal states; pictures (differing pixels / mean): ${shots.join(', ')}`);
    check(page.errors().length === 0, `the page reported: ${page.errors().join('; ')}`);
  } finally {
    await page.close();
    await native.close();
    fs.rmSync(data, { recursive: true, force: true });
  }
}

// Runs every command in the page at once, keeping the hash after each.
async function pageHashes(page, commands) {
  return page.evaluate(`(() => {
    const out = [];
    for (const c of ${JSON.stringify(commands)}) {
      const answer = window.minamori.run(c);
      out.push(answer === 'ok' ? window.minamori.run('hash') : c + ': ' + answer);
    }
    return out;
  })()`);
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
  const web = await openBrowser(webDir);
  try {
    await openingWithFonts(web.browser, web.url, commands);
    await wholeGameWithFixedMetrics(web.browser, web.url, commands);
  } finally {
    await web.close();
  }
});
