// The page played for real: with its own timer running, real mouse events,
// keys and touches reach the game at the right picture points; the first
// click lets the sound start; leaving the page saves the game and loading it
// again continues it; a failing storage is told and play goes on; F12 gives
// the picture as a download.
//   node play_test.mjs WEB_DIR
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { until } from './cdp.mjs';
import { decodePng } from './png.mjs';
import { check, main, openBrowser, openGame, pageState, toPage } from './game_page.mjs';

const [webDir] = process.argv.slice(2);
const kWait = 15000;

async function waitState(page, probe, what) {
  let last;
  await until(async () => probe(last = await pageState(page)), kWait, what);
  return last;
}

const settledRow = (s, caption) => s.rows.find((r) => r.caption === caption && r.x === r.targetX && r.y === r.targetY);

async function centreOf(page, row) {
  return toPage(page, row.x + Math.floor(row.width / 2), row.y + Math.floor((row.height - 1) / 2));
}

// Clicks a row for real once it stands still and no lines wait.
async function clickRow(page, caption, { touch = false } = {}) {
  const s = await waitState(page, (s) => s.queue.length === 0 && settledRow(s, caption), `the row ${caption}`);
  const [x, y] = await centreOf(page, settledRow(s, caption));
  if (touch) return page.tap(x, y);
  // A hand on the mouse moves it on the way: a click where the pointer already
  // stood would wait (the guard against a choice made by accident).
  await page.move(x - 3, y);
  await page.click(x, y);
}

// Clicks on the log until the rows of a page come up with caption among them.
async function clickThroughTo(page, caption) {
  const [x, y] = await toPage(page, 320, 400);
  await until(async () => {
    const s = await pageState(page);
    if (s.queue.length === 0 && settledRow(s, caption)) return true;
    await page.click(x, y);
    return false;
  }, 60000, `clicking through to ${caption}`);
}

// Reads the lines on and fights any battle with 攻撃 until done holds on a page of rows.
async function playUntil(page, done, what) {
  const [x, y] = await toPage(page, 320, 400);
  let last;
  await until(async () => {
    const s = last = await pageState(page);
    if (s.queue.length === 0 && s.rows.length > 0 && s.rows.every((r) => r.x === r.targetX && r.y === r.targetY)) {
      if (done(s)) return true;
      const attack = settledRow(s, '攻撃');
      if (attack) await page.click(...await centreOf(page, attack));
      return false;
    }
    if (s.queue.length > 0 || s.rows.length === 0) await page.click(x, y);  // lines, or a picture waiting
    return false;
  }, 60000, what).catch((error) => {
    throw new Error(`${error.message}; last: days ${last.daysUsed}, queue ${last.queue.length}, ` +
                    `rows ${last.rows.map((r) => r.caption + (r.enabled ? '' : '(off)')).join(' ')}, battle ${last.battleState}`);
  });
  return last;
}

main(async () => {
  const web = await openBrowser(webDir);
  try {
    const page = await openGame(web.browser, web.url('?seed=7'), { touch: true });
    const audio = (expr) => page.evaluate(`(() => { const a = Module.minamoriAudio; return ${expr}; })()`);

    // Music asked for before the first gesture waits for it (the title has
    // none of its own, so the page is asked directly); the click starts it.
    check(await audio("a.context.state !== 'running'"), 'sound ran before any gesture');
    await audio("(a.playMusic('/content/music/id.mp3'), true)");
    await until(() => audio('a.waitingMusic !== null'), kWait, 'the music to be decoded');
    const [tx, ty] = await toPage(page, 320, 240);
    await page.click(tx, ty);
    await until(() => audio("a.context.state === 'running' && a.musicSource !== null && a.waitingMusic === null"),
                kWait, 'the waiting music to start with the first click');

    // Into an easy game by the mouse; a right click goes back a page.
    await clickThroughTo(page, '<イージーMODE>');
    await clickRow(page, '<イージーMODE>');
    await clickThroughTo(page, '活動');
    await clickRow(page, '活動');
    await waitState(page, (s) => settledRow(s, '働く'), 'the activities page');
    const [rx, ry] = await toPage(page, 320, 240);
    await page.rightClick(rx, ry);
    await waitState(page, (s) => settledRow(s, '活動') && !s.rows.some((r) => r.caption === '働く'),
                    'the right click to go back to the main menu');

    // Keys: Page Up opens the history, Esc closes it; F1 the help.
    await page.key('PageUp');
    await waitState(page, (s) => s.overlay === 'history', 'Page Up to open the history');
    await page.key('Escape');
    await waitState(page, (s) => s.overlay === 'none', 'Esc to close the history');
    await page.wheel(tx, ty, -100);
    await waitState(page, (s) => s.overlay === 'history', 'the wheel turned up to open the history');
    await page.key('Escape');
    await waitState(page, (s) => s.overlay === 'none', 'Esc to close the history again');
    await page.key('F1');
    await waitState(page, (s) => s.overlay === 'help', 'F1 to open the help');
    await page.key('F1');
    await waitState(page, (s) => s.overlay === 'none', 'F1 to close the help');

    // Touch: a swipe up opens the history and a tap closes it; a tap chooses a row.
    await page.swipe([tx, ty + 100], [tx, ty - 100]);
    await waitState(page, (s) => s.overlay === 'history', 'a swipe up to open the history');
    await page.tap(tx, ty);
    await waitState(page, (s) => s.overlay === 'none', 'a tap to close the history');
    await clickRow(page, '活動', { touch: true });
    const before = await waitState(page, (s) => settledRow(s, '働く'), 'a tap to open the activities');
    await clickRow(page, '働く');
    const worked = await playUntil(page, (s) => s.daysUsed > before.daysUsed && s.battleState === 0,
                                   '働く to take its days');
    // This seed's 働く meets an opponent, fought with 攻撃 to its end.
    check(worked.log.some((l) => l.text.includes('を倒した')), 'no battle was won on the way');

    // Leaving the page saves; loading it again continues from there.
    await page.reload();
    await page.waitFor('window.minamori && window.minamori.ready', kWait);
    const loaded = await pageState(page);
    for (const field of ['year', 'daysUsed', 'money', 'level', 'exp'])
      check(loaded[field] === worked[field], `after the reload ${field} is ${loaded[field]}, was ${worked[field]}`);
    // Esc on the title offers to erase everything: the browser's own box asks,
    // and answered いいえ (dismissed) it erases nothing.
    page.dialogPolicy = 'dismiss';
    await page.key('Escape');
    await until(() => page.dialogs.length > 0, kWait, 'Esc on the title to ask');
    check(page.dialogs[0].type === 'confirm' && !page.dialogs[0].accepted,
          `the box: ${JSON.stringify(page.dialogs[0])}`);
    page.dialogPolicy = 'accept';
    check((await pageState(page)).daysUsed === worked.daysUsed, 'the dismissed box erased the game');
    await page.click(tx, ty);
    await clickThroughTo(page, '<コンティニュー>');
    await clickRow(page, '<コンティニュー>');
    await clickThroughTo(page, '活動');
    const resumed = await pageState(page);
    check(resumed.inGame === 1 && resumed.daysUsed === worked.daysUsed,
          `the game did not continue: inGame ${resumed.inGame}, daysUsed ${resumed.daysUsed}`);

    // The year ends and the next morning comes.
    await clickRow(page, '..１年を終える');
    const continued = await playUntil(page, (s) => s.year > resumed.year && settledRow(s, '活動'),
                                      'the next year');
    check(page.errors().length === 0, `the page reported: ${page.errors().join('; ')}`);

    // The browser's storage fails (here its connection is closed under the
    // page): the page says so and play goes on; the save is kept once it
    // works again.
    await page.evaluate("IDBFS.dbs['/save'].close()");
    await clickRow(page, '活動');
    await clickRow(page, '家の前の掃除');
    const cleaned = await playUntil(page, (s) => s.daysUsed > continued.daysUsed && s.battleState === 0, '家の前の掃除');
    await until(() => page.evaluate("document.getElementById('notice').textContent !== ''"), kWait,
                'the page to say the save could not be kept');
    const notice = await page.evaluate("document.getElementById('notice').textContent");
    check(notice.includes('セーブできませんでした'), `the notice says: ${notice}`);
    await page.evaluate("delete IDBFS.dbs['/save']");  // opened afresh by the next try
    await until(() => page.evaluate("document.getElementById('notice').textContent === ''"), kWait,
                'the notice to go once the storage takes the save again');
    await page.reload();
    await page.waitFor('window.minamori && window.minamori.ready', kWait);
    const kept = await pageState(page);
    check(kept.daysUsed === cleaned.daysUsed, `the save kept day ${kept.daysUsed}, not ${cleaned.daysUsed}`);
    // F12 offers the picture as a download.
    const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'minamori-downloads-'));
    try {
      await web.browser.connection.session().send('Browser.setDownloadBehavior',
        { behavior: 'allow', downloadPath: downloads });
      await page.key('F12');
      await until(() => fs.readdirSync(downloads).some((n) => /^minamori-.*\.png$/.test(n)), kWait,
                  'F12 to download the picture');
      const shot = decodePng(fs.readFileSync(path.join(downloads,
        fs.readdirSync(downloads).find((n) => n.endsWith('.png')))));
      check(shot.width === 640 && shot.height === 480, `the picture is ${shot.width} x ${shot.height}`);
    } finally {
      fs.rmSync(downloads, { recursive: true, force: true });
    }

    console.log(`  played by mouse, keys and touch to a won battle; reloaded at day ${worked.daysUsed}, ` +
                `went on into year ${continued.year}; ` +
                `a refused save said: ${notice}`);
  } finally {
    await web.close();
  }
});
