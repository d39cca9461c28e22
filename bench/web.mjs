// node bench/web.mjs WEB_BUILD [NATIVE_BUILD] [RUNS]: the browser program in
// Debian's Chromium, headless, against a floor page in the same browser and
// the same run (see bench/README.md):
//
// - the program's own first drawing: RUNS first visits (default 15), each in
//   a fresh context (no cache, no site storage), by turns with first visits
//   of the floor: the site's own page (the same HTML, styles and fonts) with
//   the program's scripts replaced by those of selvaquin-floor, a minimal
//   WebAssembly program of its own with emscripten's glue that paints the
//   same canvas (bench/floor_web.cpp); medians of the time from navigation
//   and of the page's main-thread CPU time, and the first contentful paint
//   (the site shows its start page as an image until the program draws);
// - everything a first visit transfers (every response the page and its
//   service worker fetch), each gzipped at level 9 as a web host would send it;
// - with NATIVE_BUILD (a default build): every page run in WebAssembly
//   (selvaquin-pages in the browser) against the same runs natively.
//
// With --trace FILE it only writes a trace of one first visit of the
// program for a profile of its start (Chromium's trace format, which
// chrome://tracing and Perfetto open): the page's tasks with their CPU time,
// the WebAssembly's streaming, compilation and instantiation, and the marks
// "document" (the page's start) and "drawn".
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const here = new URL('.', import.meta.url).pathname;
const { serveSite } = createRequire(import.meta.url)(join(here, '../tools/serve-web'));
const args = process.argv.slice(2);
const traceFile = args.includes('--trace') ? args.splice(args.indexOf('--trace'), 2)[1] : null;
const [build, native, runs = 15] = args;
const site = join(build, 'site');
const index = readFileSync(join(site, 'index.html'), 'utf8');
// The floor: the same page with the program's scripts replaced by the
// floor's (bench/floor_web.cpp, its own WebAssembly with emscripten's glue).
const floor = index.replace(/<script[\s\S]*<\/script>/, '<script src="selvaquin-floor.js"></script>')
  .replaceAll('selvaquin.wasm', 'selvaquin-floor.wasm');
const server = await serveSite(site, 0, (name) =>
  name === '/floor.html' ? Buffer.from(floor)
  : /^\/selvaquin-(pages|floor)\./.test(name) ? readFileSync(join(build, name))
  : name === '/pages-output.js' ? Buffer.from('var Module = { print: (line) => ' +
                                              '(window.pageLines ??= []).push(line) };')
  : null);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'] });

// One first visit in a fresh context (an empty cache, no site storage): when
// the page first put a drawing on its canvas (Module.firstPaint, set by the
// program's library.js and the floor's) and when the script work around it
// ended, the earliest the browser can show it; the page's main thread's CPU
// time from the document's start to then (from a trace of the marks, which
// carry it): steadier than the clock on a busy machine; and the first
// contentful paint.
async function visit(path, categories = ['blink.user_timing']) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 620 } });
  await context.addInitScript(() => {
    performance.mark('document');
    let painted;
    window.Module = Object.defineProperty({
      onRuntimeInitialized: () => (Module.ready = performance.now()),
    }, 'firstPaint', { get: () => painted, set: (time) => {
      painted ??= time;
      queueMicrotask(() => {
        Module.drawn ??= performance.mark('drawn').startTime;
        console.debug('drawn');
      });
    } });
  });
  const page = await context.newPage();
  // Told by a console message: waiting in the page would take its time.
  const drawn = page.waitForEvent('console', (message) => message.text() === 'drawn');
  await browser.startTracing(page, { categories });
  await page.goto(address + path, { waitUntil: 'commit' });
  await drawn;
  const trace = await browser.stopTracing();
  const marks = JSON.parse(trace).traceEvents
    .filter((e) => e.cat === 'blink.user_timing' && e.tts !== undefined);
  const cpu = (name) => marks.find((e) => e.name === name).tts / 1000;
  const times = await page.evaluate(() => ({
    fetched: performance.getEntriesByType('resource').find((r) => r.name.endsWith('.wasm'))
      ?.responseEnd ?? NaN,
    ready: Module.ready, painted: Module.firstPaint, drawn: Module.drawn,
    contentful: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN,
  }));
  await context.close();
  return { ...times, cpu: cpu('drawn') - cpu('document'), trace };
}

if (traceFile) {
  writeFileSync(traceFile, (await visit('', ['blink.user_timing', 'devtools.timeline', 'toplevel',
    'loading', 'v8', 'v8.wasm', 'disabled-by-default-v8.wasm.detailed'])).trace);
  console.log(`a first visit's trace in ${traceFile}`);
  await browser.close();
  server.close();
  process.exit(0);
}

const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const program = [], base = [];
for (let i = 0; i < runs; ++i) {
  base.push(await visit('floor.html'));
  program.push(await visit(''));
}
const ms = (times, key) => `${median(times.map((t) => t[key])).toFixed(0)} ms`;
for (const [name, times] of [['floor page', base], ['Selvaquin', program]])
  console.log(`${name}: WebAssembly fetched ${ms(times, 'fetched')}, instantiated ` +
              `${ms(times, 'ready')}, first drawing on the canvas ${ms(times, 'painted')}, its script ` +
              `work done ${ms(times, 'drawn')} (main thread CPU ${ms(times, 'cpu')}); first ` +
              `contentful paint ${ms(times, 'contentful')} (medians of ${runs})`);
const ratio = (key) => (median(program.map((t) => t[key])) / median(base.map((t) => t[key]))).toFixed(2);
console.log(`the program's own first drawing: ${ratio('drawn')} times the floor's (at most 1.3); ` +
            `its main thread's CPU time ${ratio('cpu')} times; first painted page ` +
            `${ratio('contentful')} times`);

// Everything a first visit transfers, the service worker's fetches too, as
// the server sent it (a 304 sends no body), each file gzipped at level 9.
const transfers = [];
const count = (request, response) => response.on('finish', () => {
  const name = new URL(request.url, address).pathname;
  if (response.statusCode === 200)
    transfers.push([name, gzipSync(readFileSync(join(site, name === '/' ? 'index.html' : name)),
                                   { level: 9 }).length]);
});
server.on('request', count);
const context = await browser.newContext({ viewport: { width: 1000, height: 620 } });
const page = await context.newPage();
await page.goto(address);
await page.evaluate(() => navigator.serviceWorker.ready);
await page.waitForTimeout(1000);
await context.close();
server.off('request', count);
const total = transfers.reduce((sum, [, bytes]) => sum + bytes, 0);
console.log(`first visit: ${transfers.map(([p, b]) => `${p} ${b}`).join(', ')}`);
console.log(`first visit transfers ${(total / 1024).toFixed(1)} KB gzipped (at most 150 KB)`);

// The page runs, in WebAssembly and natively by turns, three times each: the
// page isolated (COOP and COEP), so that its clock counts in 5 us steps, not
// in the 100 us a plain page's does.
if (native) {
  const page = await browser.newPage({ viewport: { width: 1000, height: 620 } });
  await page.route('**/pages.html', (route) => route.fulfill({ contentType: 'text/html', headers: {
    'Cross-Origin-Opener-Policy': 'same-origin', 'Cross-Origin-Embedder-Policy': 'require-corp' },
    body: index.replace(/<script[\s\S]*<\/script>/, '<script src="pages-output.js"></script>' +
                                                     '<script src="selvaquin-pages.js"></script>') }));
  const time = (out) => Number(out.find((l) => l.startsWith('total')).split(' ')[1]);
  const rounds = [];
  for (let round = 0; round < 3; ++round) {
    await page.goto(address + 'pages.html');
    await page.waitForFunction(() => (window.pageLines || []).some((l) => l.startsWith('total')),
                               null, { timeout: 300000 });
    const wasm = await page.evaluate(() => crossOriginIsolated && window.pageLines);
    if (!wasm) throw new Error('the page runs\' page is not isolated');
    const local = execFileSync(join(native, 'bench', 'selvaquin-pages'),
                               { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } })
      .toString().trim().split('\n');
    rounds.push({ wasm, local, ratio: time(wasm) / time(local) });
  }
  const { wasm, local, ratio } = rounds.sort((a, b) => a.ratio - b.ratio)[1];
  for (let i = 0; i < wasm.length; ++i) console.log(`${wasm[i].padEnd(36)} native ${local[i]}`);
  console.log(`a page run in WebAssembly: ${ratio.toFixed(2)} times the native one (at most 2; ` +
              `the middle of 3 rounds: ${rounds.map((r) => r.ratio.toFixed(2)).join(', ')})`);
}
await browser.close();
server.close();
