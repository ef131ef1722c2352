// The browser build in Debian's chromium, headless, against a server on 127.0.0.1:
//   - the page loads without console errors and reaches the launch pad, whose picture is
//     not blank (the time it takes is printed);
//   - what the page downloads to get there stays under 15 MB (the bytes are printed);
//   - a version 1 replay played in the page gives the native program's summary, byte for
//     byte, and its last picture, pixel for pixel (--screenshot). Its speed is printed: the
//     whole replay, start-up included (median of three runs in the page and of the native
//     program), and the game ticks alone (--tick-times: the median block of 100 ticks, in
//     three pages that each play it twice and time the second run, once the browser has
//     optimised the program);
//   - clicking the start-game spot, "Start Game" and one putt changes what the page shows;
//   - a damaged data package stops the page with a message.
//
//   node tests/web/web_test.mjs WEB_DIR NATIVE_PROGRAM REPLAY_FILE [TIMING_PROGRAM]
//
// NATIVE_PROGRAM gives the reference summary. The replay's time in the page is compared
// with TIMING_PROGRAM's when given (a release build, whose speed is what a player gets),
// else with NATIVE_PROGRAM's.
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, rmSync} from 'node:fs';
import http from 'node:http';
import zlib from 'node:zlib';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const [webDir, nativeProgram, replayFile, timingArgument] = process.argv.slice(2);
if (!webDir || !nativeProgram || !replayFile) {
  console.error('usage: node web_test.mjs WEB_DIR NATIVE_PROGRAM REPLAY_FILE [TIMING_PROGRAM]');
  process.exit(2);
}
const timingProgram = timingArgument || nativeProgram;
const kMaxDownloadBytes = 15e6;

const types = {'.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.gz': 'application/gzip',
               '.data': 'application/octet-stream', '.webm': 'video/webm', '.replay': 'text/plain'};

// The page's folder, and the replay under /replays/. Under /damaged/ the same page gets its
// data package cut off half-way, as a broken download would leave it.
function serve() {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    let name = decodeURIComponent(url.pathname);
    const damaged = name.startsWith('/damaged/');
    if (damaged) name = name.slice('/damaged'.length);
    const file = name.startsWith('/replays/') ? path.join(path.dirname(replayFile), path.basename(name))
                                              : path.join(webDir, path.normalize(name === '/' ? '/index.html' : name));
    try {
      let body = readFileSync(file);
      if (damaged && name === '/index.data.gz') body = body.subarray(0, body.length >> 1);
      response.writeHead(200, {'Content-Type': types[path.extname(file)] || 'application/octet-stream',
                               'Content-Length': body.length});
      response.end(body);
    } catch {
      response.writeHead(404);
      response.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// The 8-bit RGB pixels of a PNG file (colour type 2, not interlaced), whatever its filters.
function pngPixels(bytes) {
  if (bytes[24] !== 8 || bytes[25] !== 2 || bytes[28] !== 0) throw new Error('not an 8-bit RGB PNG');
  const width = bytes.readUInt32BE(16), height = bytes.readUInt32BE(20);
  const data = [];
  for (let at = 8; at + 8 <= bytes.length;) {
    const size = bytes.readUInt32BE(at);
    if (bytes.toString('latin1', at + 4, at + 8) === 'IDAT') data.push(bytes.subarray(at + 8, at + 8 + size));
    at += 12 + size;
  }
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * 3, out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1);
    for (let x = 0; x < stride; ++x) {
      const i = y * stride + x;
      const a = x >= 3 ? out[i - 3] : 0, b = y > 0 ? out[i - stride] : 0, c = x >= 3 && y > 0 ? out[i - stride - 3] : 0;
      const pa = Math.abs(b - c), pb = Math.abs(a - c), pc = Math.abs(a + b - 2 * c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      out[i] = (line[x] + predicted) & 255;
    }
  }
  return {width, height, pixels: out};
}

let failures = 0;
function check(ok, what) {
  console.log((ok ? 'ok   ' : 'FAIL ') + what);
  if (!ok) ++failures;
}

const server = await serve();
const base = `http://127.0.0.1:${server.address().port}/`;
const profile = mkdtempSync(path.join(os.tmpdir(), 'orbigolf-chromium-'));
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  headless: true,
  userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
});

// The bytes of every response as they came over the network (body and headers), counted
// into `downloads` by file name. The browser's own count costs the page nothing, where
// fetching each body back over the DevTools connection would slow the start-up it times.
async function countDownloads(page, downloads) {
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  const urls = new Map();
  cdp.on('Network.responseReceived', (e) => urls.set(e.requestId, e.response.url));
  cdp.on('Network.loadingFinished', (e) => {
    const url = urls.get(e.requestId);
    if (url && !url.startsWith('data:')) downloads.push([new URL(url).pathname, e.encodedDataLength]);
  });
}

function downloadedBytes(downloads) {
  return {total: downloads.reduce((sum, [, bytes]) => sum + bytes, 0),
          files: downloads.map(([name, bytes]) => `${name.slice(1) || 'index.html'} ${bytes}`).join(', ')};
}

async function openPage(query, errors, downloads = [], folder = '') {
  const page = await browser.newPage();
  await page.setViewport({width: 640, height: 480});
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('pageerror', (e) => errors.push(String(e)));
  await countDownloads(page, downloads);
  await page.goto(base + folder + 'index.html' + query, {waitUntil: 'load'});
  return page;
}

// A picture that is not blank has a fair number of colours.
async function colours(page) {
  return page.evaluate(() => {
    const c = document.getElementById('canvas');
    const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const seen = new Set();
    for (let i = 0; i < data.length; i += 4 * 7) seen.add((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]);
    return seen.size;
  });
}

async function picture(page) {
  return page.evaluate(() => document.getElementById('canvas').toDataURL());
}

try {
  // The launch pad.
  {
    const errors = [];
    const downloads = [];
    const page = await openPage('?skipintro=1', errors, downloads);
    await page.waitForFunction(() => document.title === 'Orbigolf Demo LaunchPad' && window.orbigolfTimes.pictures > 5,
                               {timeout: 30000});
    const times = await page.evaluate(() => window.orbigolfTimes);
    console.log(`launch pad: first picture after ${times.firstPicture.toFixed(0)} ms (files unpacked after ` +
                `${times.unpacked.toFixed(0)} ms, program started after ${times.mainStarted.toFixed(0)} ms)`);
    const download = downloadedBytes(downloads);
    console.log(`download to the launch pad: ${download.total} bytes (${download.files})`);
    check(download.total > 0 && download.total <= kMaxDownloadBytes,
          `the page downloads at most ${kMaxDownloadBytes} bytes to reach the launch pad`);
    await new Promise((r) => setTimeout(r, 1500));  // the menu's animation settles
    check((await colours(page)) > 16, 'the launch pad is not blank');
    await page.screenshot({path: path.join(webDir, 'launch_pad.png')});

    // Start game spot, "Start Game", then one putt.
    await page.mouse.click(276, 266);
    await new Promise((r) => setTimeout(r, 1000));
    await page.mouse.click(203, 300);
    await page.waitForFunction(() => document.title === 'Orbigolf Demo', {timeout: 30000});
    check(true, 'Start Game shows the game screen');
    await new Promise((r) => setTimeout(r, 3000));  // the first hole loads
    await page.keyboard.press('Space');  // the hole card goes
    await new Promise((r) => setTimeout(r, 1000));
    const before = await picture(page);
    await page.mouse.move(238, 325);
    await page.mouse.down();
    await page.mouse.move(280, 335, {steps: 4});
    await page.mouse.move(320, 340, {steps: 4});
    await page.mouse.up();
    await new Promise((r) => setTimeout(r, 1500));
    check((await picture(page)) !== before, 'a putt changes the game screen');
    check(errors.length === 0, 'no console errors' + (errors.length ? ': ' + errors.join(' | ') : ''));
    await page.close();
  }

  // A damaged data package: the page says so instead of hanging or starting half a game.
  {
    const errors = [];
    const page = await openPage('?skipintro=1', errors, [], 'damaged/');
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Orbigolf cannot start'),
                               {timeout: 60000});
    const status = await page.evaluate(() => document.getElementById('status').textContent);
    check(!status.includes('undefined') && (await page.evaluate(() => window.orbigolfTimes.mainStarted)) === undefined,
          `a damaged data package stops the page with a message: "${status}"`);
    await page.close();
  }
  // The replay: the page's summary against the native one, and the speed of both.
  {
    const kRuns = 3;
    const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
    const dir = mkdtempSync(path.join(os.tmpdir(), 'orbigolf-summary-'));
    const out = path.join(dir, 'summary.json');
    const nativePng = path.join(dir, 'last.png');
    execFileSync(nativeProgram, ['--replay', replayFile, '--headless', '--summary', out, '--screenshot', nativePng]);
    const native = readFileSync(out, 'utf8');
    const nativePicture = pngPixels(readFileSync(nativePng));
    const nativeRuns = [];
    for (let run = 0; run < kRuns; ++run) {
      const timesOut = path.join(dir, 'times.json');
      const started = process.hrtime.bigint();
      execFileSync(timingProgram, ['--replay', replayFile, '--headless', '--tick-times', timesOut]);
      const wholeMs = Number(process.hrtime.bigint() - started) / 1e6;
      nativeRuns.push({wholeMs, blockMs: JSON.parse(readFileSync(timesOut, 'utf8')).median_block_ms});
    }
    rmSync(dir, {recursive: true});

    const pageRuns = [];
    for (let run = 0; run < 2 * kRuns; ++run) {
      const warm = run >= kRuns;
      const errors = [];
      const page = await openPage(`?replay=replays/${path.basename(replayFile)}&summary=1` +
                                  (warm ? '&ticktimes=1&repeat=2' : run === 0 ? '&screenshot=1' : ''), errors);
      await page.waitForFunction(() => document.getElementById('summary').textContent.length > 0, {timeout: 120000});
      const inPage = await page.evaluate(() => document.getElementById('summary').textContent);
      const tickTimes = await page.evaluate(() => document.getElementById('ticktimes')?.textContent || '{}');
      const times = await page.evaluate(() => window.orbigolfTimes);
      if (run === 0) {
        const png = await page.evaluate(() => document.getElementById('screenshot')?.textContent || '');
        const picture = png ? pngPixels(Buffer.from(png, 'base64')) : {width: 0, height: 0, pixels: Buffer.alloc(0)};
        check(picture.width === nativePicture.width && picture.height === nativePicture.height &&
              picture.pixels.equals(nativePicture.pixels),
              `the replay's last picture in the page equals the native one, pixel for pixel ` +
              `(${picture.width}x${picture.height} against ${nativePicture.width}x${nativePicture.height})`);
      }
      if (run === 0 || run === kRuns) {
        const what = warm ? 'the second of two runs in one page' : 'the page\'s replay';
        check(inPage === native, `${what}: the summary equals the native one`);
        if (inPage !== native) console.log(`  page:   ${inPage}\n  native: ${native}`);
        check(errors.length === 0, `${what}: no console errors` + (errors.length ? ': ' + errors.join(' | ') : ''));
      }
      if (warm) pageRuns[run - kRuns].blockMs = JSON.parse(tickTimes).median_block_ms;
      else pageRuns.push({wholeMs: times.ended - times.mainStarted});
      await page.close();
    }
    const ticks = JSON.parse(native).ticks || 0;
    const pageBlock = median(pageRuns.map((r) => r.blockMs)), nativeBlock = median(nativeRuns.map((r) => r.blockMs));
    const pageWhole = median(pageRuns.map((r) => r.wholeMs)), nativeWhole = median(nativeRuns.map((r) => r.wholeMs));
    if (pageBlock > 0 && nativeBlock > 0) {
      console.log(`game ticks (the median 100-tick block, median of ${kRuns} runs; in the page each the second run in one page): page ${(pageBlock / 100).toFixed(4)} ms ` +
                  `a tick, native ${(nativeBlock / 100).toFixed(4)} ms, ratio ${(pageBlock / nativeBlock).toFixed(2)}; ` +
                  `blocks in the page: ${pageRuns.map((r) => r.blockMs.toFixed(2)).join(' ')} ms, ` +
                  `native: ${nativeRuns.map((r) => r.blockMs.toFixed(2)).join(' ')} ms`);
    }
    if (ticks > 0 && pageWhole > 0) {
      console.log(`whole replay of ${ticks} ticks, start-up and loading included (median of ${kRuns}): ` +
                  `page ${pageWhole.toFixed(0)} ms, native ${nativeWhole.toFixed(0)} ms (the process), ` +
                  `ratio ${(pageWhole / nativeWhole).toFixed(2)}; native program: ${timingProgram}`);
    }
  }

} catch (e) {
  check(false, 'the page ran: ' + e.message);
} finally {
  await browser.close();
  server.close();
  rmSync(profile, {recursive: true, force: true});
}
process.exit(failures === 0 ? 0 : 1);
