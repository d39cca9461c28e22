// The browser program in Debian's Chromium, headless, driven through the
// DevTools protocol (playwright-core, tests/web/package-lock.json):
//
//   run.mjs BUILD page FILE [--scale N]  a transcript of real input on the site
//   run.mjs BUILD drive FILE...          transcripts through the driver built
//                                        for the browser (tools/selvaquin_drive.cpp)
//   run.mjs BUILD snapshots [LINUX]      each block of tests/snapshots/cases.txt
//                                        through that driver: its canvas against its
//                                        image, its dump against the Linux driver's
//   run.mjs BUILD soak N                 N random actions (tests/soak/soak.cpp)
//
// A transcript is what the driver's --transcript prints: each line run, its
// output as "= " lines; the run passes when it prints the file less its
// comments and blank lines. The verbs of a page transcript act as a user
// does, with real key and mouse events:
//
//   menu TITLE > ITEM  the menu TITLE clicked, then its ITEM
//   key KEY            a key pressed (Tab, Enter, F10, ArrowDown, Control+V ...)
//   type TEXT          typed;  click NAME  the button of that name clicked
//   clipboard TEXT     put on the clipboard;  close NAME  the button clicked,
//                      the page started again
//   compose TEXT       TEXT composed by an input method and committed
//   drop TEXT          TEXT dragged from elsewhere and dropped on the focused
//                      field, near its right end
//   fields             the visible fields' texts, the focused one marked '*'
//   read               what the page gives a screen reader to read, " | "
//   bar                the selected menu title and the item highlighted
//   tree               the accessibility tree's menus, fields and buttons
//   opened             the addresses opened in new tabs, and their opener
//   offline            the network cut, the page reloaded
//   installable        what keeps the browser from offering to install the site
//   stored             what the site keeps: cookies, storage, databases, caches
//   same NAME          the page's canvas against tests/snapshots/NAME.png
//   crisp              each canvas pixel one block of whole device pixels
// Any failure of the page (an error in the console) fails the run.
import { chromium } from 'playwright-core';
import { spawnSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';

const here = new URL('.', import.meta.url).pathname;
const { serveSite } = createRequire(import.meta.url)(join(here, '../../tools/serve-web'));
const [build, mode, ...rest] = process.argv.slice(2);
const scale = rest.includes('--scale') ? Number(rest[rest.indexOf('--scale') + 1]) : 1;
const files = rest.filter((a, i) => !a.startsWith('--') && rest[i - 1] !== '--scale');
const site = join(build, 'site');
const index = readFileSync(join(site, 'index.html'), 'utf8');
// The driver's page: the site's, the driver in place of the program.
const driverPage = index.replace(/<script[\s\S]*<\/script>/,
  '<script src="/drive-setup.js"></script>');
const server = await serveSite(site, 0, (name) =>
  name === '/drive.html' ? Buffer.from(driverPage)
  : name === '/drive-setup.js' ? readFileSync(join(here, 'drive-setup.js'))
  : name.startsWith('/snapshots/') ? readFileSync(join(here, '..', name))
  : /^\/selvaquin-(drive|soak)\./.test(name) ? readFileSync(join(build, name)) : null);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'] });

let failed = false, errors = [];
function watch(page) {
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
}
function lines(text) { return text.split('\n').filter((l) => l.trim() && !l.startsWith('#')); }
function compare(name, want, got) {
  const w = want.join('\n'), g = got.join('\n');
  if (w === g && !errors.length) return console.log(`ok   ${name}`);
  failed = true;
  const at = want.findIndex((l, i) => l !== got[i]);
  console.log(`FAIL ${name}: ${errors.join('; ')}\n  first difference at line ${at + 1}:` +
              `\n  - ${want[at] ?? '(end)'}\n  + ${got[at] ?? '(end)'}\n--- printed:\n${g}\n---`);
  errors = [];
}

// The driver in a fresh page: the script on its standard input, its lines out.
async function drive(script, args, images = [], program = 'selvaquin-drive') {
  const page = await browser.newPage({ viewport: { width: 1000, height: 620 } });
  watch(page);
  await page.addInitScript((input) => { window.driveInput = input; },
                           { script, args, images, program });
  await page.goto(address + 'drive.html');
  const out = await page.waitForFunction(() => window.driveDone, null, { timeout: 120000 });
  const result = await out.jsonValue();
  await page.close();
  return result;
}

async function playPage(file) {
  const context = await browser.newContext({ viewport: { width: 1000, height: 620 },
    deviceScaleFactor: scale, permissions: ['clipboard-read', 'clipboard-write'] });
  const page = await context.newPage();
  watch(page);
  const opened = [];
  context.on('page', (tab) => opened.push(tab.waitForLoadState().then(async () => {
    const line = `${tab.url()} ${await tab.evaluate(() => window.opener) === null ? 'alone' : 'opener'}`;
    await tab.close();
    return line;
  })));
  await context.route(/^(?!http:\/\/127\.0\.0\.1)/, (route) => route.fulfill({ body: 'caught' }));
  const start = async () => page.waitForFunction(() => window.Module && Module.firstPaint);
  await page.goto(address);
  await start();
  const out = [];
  const emit = (text) => out.push(...text.split('\n').map((l) => '= ' + l));
  for (const line of lines(readFileSync(file, 'utf8')).filter((l) => !l.startsWith('='))) {
    out.push(line);
    const [verb, ...words] = line.split(' ');
    const arg = words.join(' ');
    if (verb === 'menu') {
      const [title, item] = arg.split(' > ');
      await page.click(`#bar [role=menuitem]:text-is("${title}")`);
      await page.click(`#bar [role=menu]:not([hidden]) [role=menuitem]:text-is("${item}")`);
      await page.mouse.move(990, 610);  // off the menus, which follow the pointer
    } else if (verb === 'key') await page.keyboard.press(arg);
    else if (verb === 'type') await page.keyboard.type(arg);
    else if (verb === 'click') await page.click(`#client [aria-label="${arg}"]`);
    else if (verb === 'close') {
      await Promise.all([page.waitForEvent('load'), page.click(`#client [aria-label="${arg}"]`)]);
      await start();
    } else if (verb === 'compose') {
      const session = await context.newCDPSession(page);
      await session.send('Input.imeSetComposition', { text: arg, selectionStart: 1, selectionEnd: 1 });
      await session.send('Input.insertText', { text: arg });
    } else if (verb === 'drop') {
      const session = await context.newCDPSession(page);
      const box = await page.locator('input:focus').boundingBox();
      const data = { items: [{ mimeType: 'text/plain', data: arg.replaceAll('\\n', '\n') }],
                     dragOperationsMask: 1 };
      for (const type of ['dragEnter', 'dragOver', 'drop'])
        await session.send('Input.dispatchDragEvent',
                           { type, x: box.x + box.width - 4, y: box.y + box.height / 2, data });
    }
    else if (verb === 'clipboard') await page.evaluate((t) => navigator.clipboard.writeText(t),
                                                       arg.replaceAll('\\n', '\n').replaceAll('\\t', '\t'));
    else if (verb === 'fields') emit(await page.evaluate(() =>
      [...document.querySelectorAll('#client input')].filter((e) => e.style.display !== 'none')
        .map((e) => JSON.stringify(e.value) + (e === document.activeElement ? '*' : '')).join(' ')));
    else if (verb === 'read') emit(await page.evaluate(() =>
      [...document.querySelectorAll('#texts p')].map((p) => p.textContent).join(' | ')));
    else if (verb === 'bar') emit(await page.evaluate(() =>
      [...document.querySelectorAll('#bar .on')].map((e) => e.textContent).join(' > ')));
    else if (verb === 'tree') emit(await tree(page));
    else if (verb === 'opened') {
      await page.waitForTimeout(500);
      emit((await Promise.all(opened.splice(0))).join(' | '));
    }
    else if (verb === 'offline') {
      await page.evaluate(() => navigator.serviceWorker.ready);
      await context.setOffline(true);
      await page.reload();
      await start();
    } else if (verb === 'installable') {
      const { installabilityErrors: errors } = await (await context.newCDPSession(page))
        .send('Page.getInstallabilityErrors');  // the test's private profile aside
      emit(errors.map((e) => e.errorId).filter((e) => e !== 'in-incognito').join(' ') ||
           'installable');
    } else if (verb === 'stored') emit(`${(await context.cookies()).length} cookies, ` +
      await page.evaluate(async () => `${localStorage.length} local, ${sessionStorage.length} ` +
        `session, ${(await indexedDB.databases()).length} databases, ` +
        `${(await caches.keys()).length} caches`));
    else if (verb === 'same') emit(await same(page, arg));
    else if (verb === 'crisp') emit(await crisp(page));
    else throw new Error(`unknown verb: ${line}`);
  }
  compare(basename(file), lines(readFileSync(file, 'utf8')), out);
  await context.close();
}

// The accessibility tree as Chromium gives it to a screen reader: the
// menu bar and its titles, the fields and buttons with their names, the
// live region.
async function tree(page) {
  const session = await page.context().newCDPSession(page);
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  const shown = [];
  for (const node of nodes) {
    const role = node.role?.value, name = node.name?.value ?? '';
    const live = node.properties?.find((p) => p.name === 'live')?.value.value;
    if (['menubar', 'menu', 'textbox', 'button', 'radio'].includes(role) ||
        (role === 'menuitem' && name) || (live && role !== 'paragraph' && role !== 'StaticText'))
      shown.push(`${role} "${name}"${live ? ` live ${live}` : ''}`);
  }
  return shown.join('\n');
}

async function same(page, name) {
  return page.evaluate(async (name) => {
    const image = await createImageBitmap(await (await fetch(`/snapshots/${name}.png`)).blob(),
                                          { colorSpaceConversion: 'none' });
    const paper = new OffscreenCanvas(image.width, image.height).getContext('2d');
    paper.drawImage(image, 0, 0);
    const want = paper.getImageData(0, 0, image.width, image.height).data;
    const canvas = document.getElementById('canvas');
    const got = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let differ = 0;  // the paint draws a black line along the top
    for (let i = 0; i < got.length; i += 4)
      for (let k = 0; k < 3; ++k) differ += got[i + k] !== (i < 4000 ? 0 : want[i + k]) ? 1 : 0;
    return differ ? `${differ} channels differ` : 'same';
  }, name);
}

// The canvas on the screen, the controls over it hidden: each of its pixels
// one square of device pixels of its colour.
async function crisp(page) {
  const box = await page.locator('#canvas').boundingBox();
  await page.addStyleTag({ content: '#client > :not(canvas) { visibility: hidden }' });
  const shot = await page.screenshot({ clip: box, type: 'png' });
  return page.evaluate(async ({ png, ratio }) => {
    const image = await createImageBitmap(new Blob([new Uint8Array(png)]));
    const paper = new OffscreenCanvas(image.width, image.height).getContext('2d');
    paper.drawImage(image, 0, 0);
    const screen = paper.getImageData(0, 0, image.width, image.height).data;
    const canvas = document.getElementById('canvas');
    const want = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const k = Math.floor(ratio);
    if (image.width !== canvas.width * k) return `shown ${image.width} wide, not ${canvas.width * k}`;
    let differ = 0;
    for (let y = 0; y < image.height; ++y)
      for (let x = 0; x < image.width; ++x) {
        const i = 4 * (y * image.width + x), j = 4 * (Math.floor(y / k) * canvas.width + Math.floor(x / k));
        for (let c = 0; c < 3; ++c) differ += screen[i + c] !== want[j + c] ? 1 : 0;
      }
    return differ ? `${differ} device pixel channels off` : `every pixel a ${k} x ${k} block`;
  }, { png: [...shot], ratio: scale });
}

if (mode === 'page') for (const file of files) await playPage(file);
if (mode === 'drive')
  for (const file of files) {
    const script = readFileSync(file, 'utf8');
    const { lines: got, status, err } = await drive(script, ['--transcript'],
      [...new Set([...script.matchAll(/^same (.+)$/gm)].map((m) => m[1]))]);
    if (status) errors.push(`the driver ended with ${status}: ${err.join(' ')}`);
    compare(basename(file), lines(script), got);
  }
if (mode === 'snapshots') {
  const cases = [];
  for (const line of readFileSync(join(here, '../snapshots/cases.txt'), 'utf8').split('\n'))
    if (line.startsWith('[')) cases.push({ name: line.slice(1, -1), script: '' });
    else if (cases.length && line.trim() && !line.startsWith('#')) cases.at(-1).script += line + '\n';
  // The Linux driver's dump at the block's end is what the page must print.
  const linux = (c) => spawnSync(files[0], { input: `${c.script}dump\n`, encoding: 'utf8' })
    .stdout.split('\n').filter((l) => l);
  if (!existsSync(files[0] ?? '')) console.log(`no Linux driver at ${files[0]}: dumps not compared`);
  for (const c of cases.filter((c) => !c.name.startsWith('window.'))) {
    const image = `snapshots/${c.name}.png`;
    const { lines: got } = await drive(`${c.script}dump\nsame ${image}\n`, [], [image]);
    compare(c.name, [...(existsSync(files[0] ?? '') ? linux(c) : got.slice(0, -1)), 'same'], got);
  }
}
if (mode === 'soak') {
  const { lines: got, status, err } = await drive('', ['--actions', files[0], '--start', '1'], [],
                                                  'selvaquin-soak');
  if (status) errors.push(`the soak ended with ${status}: ${err.join(' ')}`);
  compare('soak', [got.at(-1)?.replace(/-?\d+ KiB more at action \d+ .*/, 'less than 1 MiB')],
          ['soak: less than 1 MiB']);
  console.log(got.join('\n'));
}
await browser.close();
server.close();
process.exit(failed ? 1 : 0);
