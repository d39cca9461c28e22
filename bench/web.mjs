// node bench/web.mjs WEB_BUILD [NATIVE_BUILD] [RUNS]: the browser program in
// Debian's Chromium, headless, against a floor page in the same browser and
// the same run (see bench/README.md):
//
// - time from navigation to the first painted page (the browser's first
//   contentful paint; the site shows its start page as an image until the
//   program draws it), the median of RUNS first visits (default 15), each
//   in a fresh profile, against the floor: the site's own page with the
//   program's script replaced by one that adds a menu bar of plain elements
//   and one input and fills the canvas (the same HTML, styles and fonts);
//   also when the program itself first drew, against the floor's drawing;
// - everything a first visit transfers (every response the page and its
//   service worker fetch), each gzipped at level 9 as a web host would send it;
// - with NATIVE_BUILD (a default build): every page run in WebAssembly
//   (selvaquin-pages in the browser) against the same runs natively.
import { chromium } from '../tests/web/node_modules/playwright-core/index.mjs';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

const here = new URL('.', import.meta.url).pathname;
const { serveSite } = createRequire(import.meta.url)(join(here, '../tools/serve-web'));
const [build, native, runs = 15] = process.argv.slice(2);
const site = join(build, 'site');
const index = readFileSync(join(site, 'index.html'), 'utf8');
const floor = index.replace(/<script[\s\S]*<\/script>/, `<script>
  for (const title of ['Svenska', 'Högtalare', 'Elektronik', 'OM'])
    document.getElementById('bar').appendChild(document.createElement('div')).textContent = title;
  const input = document.getElementById('client').appendChild(document.createElement('input'));
  Object.assign(input.style, { left: '280px', top: '40px', width: '100px', height: '25px' });
  const context = document.getElementById('canvas').getContext('2d');
  context.fillStyle = '#c8c8c8';
  context.fillRect(0, 0, 1000, 594);
  window.Module = { firstPaint: performance.now() };
</script>`);
const server = await serveSite(site, 0, (name) =>
  name === '/floor.html' ? Buffer.from(floor)
  : name.startsWith('/selvaquin-pages.') ? readFileSync(join(build, name))
  : name === '/pages.html' ? Buffer.from(index.replace(/<script[\s\S]*<\/script>/,
      '<script>var Module = { print: (l) => (window.pageLines = (window.pageLines || []).concat(l)) };' +
      '</script><script src="selvaquin-pages.js"></script>')) : null);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'] });

async function visit(path, transfers) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 620 } });
  const page = await context.newPage();
  context.on('response', async (response) => {
    if (transfers && response.status() === 200)
      transfers.push([new URL(response.url()).pathname, gzipSync(await response.body(),
                                                                  { level: 9 }).length]);
  });
  await page.goto(address + path);
  await page.waitForFunction(() => window.Module && Module.firstPaint);
  const times = await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => done({
    drawn: Module.firstPaint,
    contentful: performance.getEntriesByName('first-contentful-paint')[0]?.startTime ?? NaN,
  }))));
  if (transfers) await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForTimeout(transfers ? 1000 : 0);
  await context.close();
  return times;
}

const median = (values) => values.sort((a, b) => a - b)[values.length >> 1];
const program = [], base = [];
for (let i = 0; i < runs; ++i) {
  base.push(await visit('floor.html'));
  program.push(await visit(''));
}
for (const [name, times] of [['floor page', base], ['Selvaquin', program]])
  console.log(`${name}: drawn after ${median(times.map((t) => t.drawn)).toFixed(0)} ms, first ` +
              `contentful paint ${median(times.map((t) => t.contentful)).toFixed(0)} ms (median of ${runs})`);
const ratio = (key) => (median(program.map((t) => t[key])) / median(base.map((t) => t[key]))).toFixed(2);
console.log(`first painted page: ${ratio('contentful')} times the floor (at most 1.3); the ` +
            `program's own first drawing ${ratio('drawn')} times the floor's`);

const transfers = [];
await visit('', transfers);
const total = transfers.reduce((sum, [, bytes]) => sum + bytes, 0);
console.log(`first visit: ${transfers.map(([p, b]) => `${p} ${b}`).join(', ')}`);
console.log(`first visit transfers ${(total / 1024).toFixed(1)} KB gzipped (at most 150 KB)`);

if (native) {
  const page = await browser.newPage({ viewport: { width: 1000, height: 620 } });
  await page.goto(address + 'pages.html');
  await page.waitForFunction(() => (window.pageLines || []).some((l) => l.startsWith('total')), null,
                             { timeout: 300000 });
  const wasm = await page.evaluate(() => window.pageLines);
  const local = execFileSync(join(native, 'bench', 'selvaquin-pages'),
                             { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } })
    .toString().trim().split('\n');
  const time = (out) => Number(out.find((l) => l.startsWith('total')).split(' ')[1]);
  for (let i = 0; i < wasm.length; ++i) console.log(`${wasm[i].padEnd(36)} native ${local[i]}`);
  console.log(`a page run in WebAssembly: ${(time(wasm) / time(local)).toFixed(2)} times the ` +
              'native one (at most 2)');
}
await browser.close();
server.close();
