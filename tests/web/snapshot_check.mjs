// The browser program against the page snapshots, in Debian's Chromium,
// headless: each case of tests/snapshots/cases.txt played in a fresh page
// (menu choices, typing, TAB and ENTER through the toolkit's input
// functions), then the memory canvas and the page's <canvas> compared with
// the case's image pixel for pixel. Prints a line per case and the time from
// navigation to the first painted page.
//
//   node tests/web/snapshot_check.mjs BUILD_DIR [CASE...]
import { chromium } from 'playwright-core';
import { createServer } from 'node:http';
import { readFileSync, writeFileSync } from 'node:fs';
import { extname, join } from 'node:path';

const here = new URL('.', import.meta.url).pathname;
const site = process.argv[2];
const snapshots = join(here, '..', 'snapshots');
const wanted = process.argv.slice(3);

const types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.png': 'image/png' };
const server = createServer((request, response) => {
  const path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  const file = path.startsWith('/snapshots/') ? join(snapshots, path.slice(11))
                                               : join(site, path === '/' ? 'index.html' : path);
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  } catch {
    response.writeHead(404).end();
  }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const address = `http://127.0.0.1:${server.address().port}/`;

const cases = [];
for (const line of readFileSync(join(snapshots, 'cases.txt'), 'utf8').split('\n')) {
  if (line.startsWith('[')) cases.push({ name: line.slice(1, -1), lines: [] });
  else if (cases.length && line.trim() && !line.startsWith('#')) cases.at(-1).lines.push(line);
}

const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update',
         '--disable-default-apps', '--disable-sync', '--no-first-run'],
});
let failed = 0;
const paints = [];
for (const c of cases.filter((c) => !wanted.length || wanted.includes(c.name))) {
  const page = await browser.newPage({ viewport: { width: 1000, height: 594 } });
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => m.type() === 'error' && !/favicon|404/.test(m.text()) &&
                             errors.push(m.text()));
  await page.goto(address);
  await page.waitForFunction(() => window.Module && Module.firstPaint !== undefined);
  paints.push(await page.evaluate(() => Module.firstPaint));
  const result = await page.evaluate(async ({ lines, name }) => {
    const call = (f, ...args) =>
      Module.ccall(f, 'number', args.map((a) => typeof a === 'string' ? 'string' : 'number'), args);
    const keys = { Tab: 9, Return: 13 };
    for (const line of lines) {
      const [verb, ...rest] = line.split(' ');
      const argument = rest.join(' ');
      const done = verb === 'command' ? call('selvaquin_command', Number(argument))
                 : verb === 'menu' ? call('selvaquin_menu', argument)
                 : verb === 'type' ? call('selvaquin_type', argument)
                 : verb === 'key' ? call('selvaquin_key', keys[argument] ?? 0)
                 : verb === 'click' ? call('selvaquin_click', argument) : 1;
      if (done !== 0) return `"${line}" failed`;
    }
    const image = await createImageBitmap(await (await fetch(`/snapshots/${name}.png`)).blob(),
                                          { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
    const paper = new OffscreenCanvas(image.width, image.height).getContext('2d');
    paper.drawImage(image, 0, 0);
    const want = paper.getImageData(0, 0, image.width, image.height).data;
    const bits = call('selvaquin_canvas'), width = call('selvaquin_canvas_width');
    const height = call('selvaquin_canvas_height');
    if (width !== image.width || height !== image.height) return `canvas ${width} x ${height}`;
    let memory = 0;
    for (let i = 0; i < width * height; ++i)
      for (let k = 0; k < 3; ++k) if (Module.HEAPU8[bits + 3 * i + k] !== want[4 * i + k]) { ++memory; break; }
    const shown = document.getElementById('canvas');
    const page = shown.getContext('2d').getImageData(0, 0, shown.width, shown.height).data;
    let screen = 0;  // the paint draws a black line along the top
    for (let i = 0; i < shown.width * shown.height; ++i)
      for (let k = 0; k < 3; ++k)
        if (page[4 * i + k] !== (i < shown.width ? 0 : want[4 * i + k])) { ++screen; break; }
    if (!memory && !screen) return '';
    // The canvas as PNG, for a look at what differs.
    const out = new OffscreenCanvas(width, height);
    const data = new ImageData(width, height);
    for (let i = 0; i < width * height; ++i) {
      for (let k = 0; k < 3; ++k) data.data[4 * i + k] = Module.HEAPU8[bits + 3 * i + k];
      data.data[4 * i + 3] = 255;
    }
    out.getContext('2d').putImageData(data, 0, 0);
    const png = new Uint8Array(await (await out.convertToBlob()).arrayBuffer());
    window.actualPng = btoa(Array.from(png, (b) => String.fromCharCode(b)).join(''));
    return `${memory} canvas pixels and ${screen} page pixels differ`;
  }, c);
  if (result && process.env.SELVAQUIN_WEB_OUT)
    writeFileSync(join(process.env.SELVAQUIN_WEB_OUT, `${c.name}.web.png`),
                  Buffer.from(await page.evaluate(() => window.actualPng ?? ''), 'base64'));
  if (result || errors.length) ++failed;
  console.log(`${result || errors.length ? 'FAIL' : 'ok  '} ${c.name} ${result} ${errors.join('; ')}`);
  await page.close();
}
await browser.close();
server.close();
paints.sort((a, b) => a - b);
console.log(`first paint: median ${paints[paints.length >> 1].toFixed(0)} ms after navigation` +
            ` (${paints[0].toFixed(0)} to ${paints.at(-1).toFixed(0)} ms)`);
process.exit(failed ? 1 : 0);
