// The browser tests' driver: the site in Debian's Chromium, headless, through playwright-core:
//   run.mjs BUILD page|drive FILE...  transcripts of real input on the site, or through its driver
//   run.mjs BUILD snapshots LINUX     each block of tests/snapshots/cases.txt: its image, LINUX's dump
//   run.mjs BUILD soak N              N random actions (tests/soak/soak.cpp)
// A run passes when it prints its transcript (less comments and blank lines; output after "= ")
// and nothing errs in the console or Chromium's issues. The page verbs act as a user does (on a
// phone by touch); visit [phone] [caching] [strict] starts a fresh profile, screen W H S... visits
// at each device scale, same NAME compares the canvas with tests/snapshots/NAME.png.
import { spawnSync } from 'node:child_process';
import { cpSync, readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { basename, join } from 'node:path';

const here = new URL('.', import.meta.url).pathname, repo = join(here, '../../..');
const { chromium } = await import(join(repo, 'tests/web/node_modules/playwright-core/index.mjs'));
const { serveSite } = createRequire(import.meta.url)(join(repo, 'tools/serve-web'));
const [build, mode, ...files] = process.argv.slice(2);
const site = join(build, 'site');
const index = readFileSync(join(site, 'index.html'), 'utf8');
// The driver's page: the site's, the driver in place of the program.
const driverPage = index.replace(/<script[\s\S]*<\/script>/,
  '<script src="/drive-setup.js"></script>');
// The host: the site's folder for each file, and the headers it adds.
const host = { site: () => site, headers: {} };
const strict = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self' data:";
const server = await serveSite((name) => host.site(name), 0, (name) =>
  name === '/drive.html' ? Buffer.from(driverPage)
  : name === '/drive-setup.js' ? readFileSync(join(here, 'drive-setup.js'))
  : name.startsWith('/snapshots/') ? readFileSync(join(repo, 'tests', name))
  : /^\/selvaquin-(drive|soak)\./.test(name) ? readFileSync(join(build, name)) : null,
  () => host.headers);
const address = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update'] });

let failed = false, errors = [];
// Errors, and what Chromium's issues panel would flag.
async function watch(page) {
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  const session = await page.context().newCDPSession(page);
  session.on('Audits.issueAdded', (e) => errors.push(JSON.stringify(e.issue).slice(0, 300)));
  await session.send('Audits.enable');
  return session;
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
  await watch(page);
  await page.addInitScript((input) => { window.driveInput = input; },
                           { script, args, images, program });
  await page.goto(address + 'drive.html');
  const out = await page.waitForFunction(() => window.driveDone, null, { timeout: 120000 });
  const result = await out.jsonValue();
  if (result.status) errors.push(`${program} ended with ${result.status}: ${result.err.join(' ')}`);
  await page.close();
  return result;
}

function secondBuild(dir = join(build, 'second')) {  // BUILD/second: its script says so
  cpSync(join(site, 'selvaquin.wasm'), join(dir, 'selvaquin.wasm'));
  writeFileSync(join(dir, 'selvaquin.js'), `${readFileSync(join(site, 'selvaquin.js'))}\nvar siteBuild = 2;`);
  spawnSync(process.execPath, [join(repo, 'tools/web-site.mjs'), repo, dir,
    join(dir, 'site'), join(repo, 'tests/snapshots/start.png')]);
  return join(dir, 'site');
}

async function playPage(file) {
  const script = lines(readFileSync(file, 'utf8')).filter((l) => !l.startsWith('='));
  let context, page, cdp, phone, opened;
  const start = async () => page.waitForFunction(() => window.Module && Module.firstPaint);
  const press = (selector) => (phone ? page.tap(selector) : page.click(selector));
  async function visit(options, device = { viewport: { width: 1000, height: 620 } }) {
    await context?.close();
    phone = options.includes('phone');
    host.headers = { ...(options.includes('caching') && { 'Cache-Control': 'max-age=600' }),
      ...(options.includes('strict') && { 'Content-Security-Policy': strict }) };
    context = await browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'],
      ...(phone ? { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, isMobile: true,
                    hasTouch: true } : device) });
    page = await context.newPage();
    cdp = await watch(page);
    opened = [];
    context.on('page', (tab) => opened.push(tab.waitForLoadState().then(async () => {
      const line = `${tab.url()} ${await tab.evaluate(() => window.opener) === null ? 'alone' : 'opener'}`;
      return tab.close().then(() => line);
    })));
    if (!options.includes('caching'))  // (routing turns the browser's HTTP cache off)
      await context.route(/^(?!http:\/\/127\.0\.0\.1)/, (route) => route.fulfill({ body: 'caught' }));
    await page.addInitScript(() => addEventListener('keydown', (e) => e.altKey && e.key !== 'Alt' &&
      !e.defaultPrevented && (window.passed ??= []).push(`Alt+${e.key}`)));
    await page.goto(address);
    await start();
  }
  if (!/^(visit|screen) /.test(script[0])) await visit([]);
  const out = [];
  const emit = (text) => out.push(...text.split('\n').map((l) => '= ' + l));
  for (const line of script) {
    out.push(line);
    const [verb, ...words] = line.split(' ');
    const arg = words.join(' '), [x, y] = words.map(Number);
    if (verb === 'visit') await visit(words);
    else if (verb === 'menu') {
      const [title, item] = arg.split(' > ');
      await press(`#bar [role=menuitem]:text-is("${title}")`);
      await press(`#bar [role=menu]:not([hidden]) [role=menuitem]:text-is("${item}")`);
      if (!phone) await page.mouse.move(990, 610);  // off the menus, which follow the pointer
    } else if (verb === 'key') for (const key of words) await page.keyboard.press(key);
    else if (verb === 'type')  // an on-screen keyboard's characters come with no key codes
      await (phone ? page.keyboard.insertText(arg) : page.keyboard.type(arg));
    else if (verb === 'click' && /^\d+ \d+$/.test(arg)) await page.mouse.click(x, y);
    else if (verb === 'click') await press(`#client [aria-label="${arg}"]`);
    else if (verb === 'point') await page.mouse.move(x, y);
    else if (verb === 'passed') emit(await page.evaluate(() => (window.passed ?? []).splice(0).join(' ')));
    else if (verb === 'close') {
      await Promise.all([page.waitForEvent('load'), page.click(`#client [aria-label="${arg}"]`)]);
      await start();
    } else if (verb === 'compose') {
      await cdp.send('Input.imeSetComposition', { text: arg, selectionStart: 1, selectionEnd: 1 });
      await cdp.send('Input.insertText', { text: arg });
    } else if (verb === 'drop') {
      const box = await page.locator('input:focus').boundingBox(), x = box.x + box.width - 4;
      const data = { items: [{ mimeType: 'text/plain', data: arg.replaceAll('\\n', '\n') }], dragOperationsMask: 1 };
      for (const type of ['dragEnter', 'dragOver', 'drop'])
        await cdp.send('Input.dispatchDragEvent', { type, x, y: box.y + box.height / 2, data });
    }
    else if (verb === 'clipboard') await page.evaluate((t) => navigator.clipboard.writeText(t),
                                                       arg.replaceAll('\\n', '\n').replaceAll('\\t', '\t'));
    else if (verb === 'fields') emit(await page.evaluate(() =>
      [...document.querySelectorAll('#client input')].filter((e) => e.style.display !== 'none')
        .map((e) => JSON.stringify(e.value) + (e === document.activeElement ? '*' : '')).join(' ')));
    else if (verb === 'read') emit(await page.evaluate(() => `${document.documentElement.lang}: ` +
      [...document.querySelectorAll('#texts p')].map((p) => p.textContent).join(' | ')));
    else if (verb === 'bar') emit(await page.evaluate(() =>
      [...document.querySelectorAll('#bar .on')].map((e) => e.textContent).join(' > ')));
    else if (verb === 'tree') emit(await tree(cdp));
    else if (verb === 'opened') {
      await page.waitForTimeout(500);
      emit((await Promise.all(opened.splice(0))).join(' | '));
    }
    else if (verb === 'offline' || verb === 'reload') {
      await page.evaluate(() => navigator.serviceWorker.ready);
      await context.setOffline(verb === 'offline');
      await page.reload();
      await start();
      if (verb === 'reload') await page.evaluate(async () => {  // the browser's update check (a
        const r = await navigator.serviceWorker.ready;  // second or two later) and its install
        for (let t = 0, seen = false; (seen ||= Boolean(r.installing)) ? r.installing : t < 5000; t += 20)
          await new Promise((d) => setTimeout(d, 20));
      });
    } else if (verb === 'upload') {
      const second = host.second ??= secondBuild();
      host.site = (name) => (arg === 'all' || name === '/sw.js' ? second : site);
    } else if (verb === 'build') emit(String(await page.evaluate(() => window.siteBuild ?? 1)));
    else if (verb === 'get') emit(String((await fetch(address + arg.slice(1))).status));
    else if (verb === 'installable') {
      const { installabilityErrors: errors } = await cdp.send('Page.getInstallabilityErrors');
      emit(errors.map((e) => e.errorId).filter((e) => e !== 'in-incognito').join(' ') ||
           'installable');  // the test's private profile aside
    } else if (verb === 'stored') emit(`${(await context.cookies()).length} cookies, ` +
      await page.evaluate(async () => `${localStorage.length} local, ${sessionStorage.length} ` +
        `session, ${(await indexedDB.databases()).length} databases, ` +
        `${(await caches.keys()).length} caches`));
    else if (verb === 'same') emit(await same(page, arg));
    else if (verb === 'screen') for (const scale of words.slice(2).map(Number)) {
      await visit([], { viewport: { width: x, height: y }, deviceScaleFactor: scale });
      emit(`${scale}: ${await shown(page)}`);
    }
    else if (verb === 'shown') emit(await shown(page));
    else throw new Error(`unknown verb: ${line}`);
  }
  // $TITLE: the program's title, made from the project's version.
  const version = /project\(selvaquin VERSION ([\d.]+)/.exec(readFileSync(join(repo, 'CMakeLists.txt'), 'utf8'))[1];
  compare(basename(file), lines(readFileSync(file, 'utf8')).map((l) => l.replaceAll('$TITLE', `Selvaquin v${version}`)), out);
  await context.close();
}

// The accessibility tree as Chromium gives it to a screen reader.
async function tree(session) {
  const { nodes } = await session.send('Accessibility.getFullAXTree');
  const shown = [];
  for (const node of nodes) {
    const role = node.role?.value, name = node.name?.value ?? '';
    const live = node.properties?.find((p) => p.name === 'live')?.value.value;
    if (['RootWebArea', 'menubar', 'menu', 'textbox', 'button', 'radio'].includes(role) ||
        (role === 'menuitem' && name) || (live && role !== 'paragraph' && role !== 'StaticText'))
      shown.push(`${role} "${name}"${live ? ` live ${live}` : ''}`);
  }
  return shown.join('\n');
}

async function same(page, name) {
  return page.evaluate(async (png) => {  // read here: the page may be offline
    const image = await createImageBitmap(new Blob([new Uint8Array(png)]),
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
  }, [...readFileSync(join(repo, `tests/snapshots/${name}.png`))]);
}

// The canvas on the screen (verb shown), the controls over it hidden.
async function shown(page) {
  const box = await page.locator('#canvas').boundingBox();
  const hide = (how) => page.evaluate((how) => document.querySelectorAll('#client > :not(canvas)')
    .forEach((e) => { e.style.opacity = how; }), how);  // the focus kept
  await hide('0');
  const shot = (await page.screenshot({ clip: box, type: 'png' })).toString('base64');
  await hide('');
  return page.evaluate(async (png) => {
    const image = await createImageBitmap(new Blob([Uint8Array.from(atob(png), (c) => c.charCodeAt(0))]));
    const paper = new OffscreenCanvas(image.width, image.height).getContext('2d');
    paper.drawImage(image, 0, 0);
    const screen = new Uint32Array(paper.getImageData(0, 0, image.width, image.height).data.buffer);
    const canvas = document.getElementById('canvas'), { width, height } = canvas;
    const want = new Uint32Array(canvas.getContext('2d').getImageData(0, 0, width, height).data.buffer);
    const k = image.width / width, whole = Math.abs(k - Math.round(k)) < 1e-3, r = whole ? 0 : 1;
    let off = 0;  // device pixels of none of the colours of the canvas pixels about them
    for (let y = r; y < image.height - r; ++y)  // smoothed, the edges may take in the page's
      for (let x = r, near; x < image.width - r; ++x, off += near ? 0 : 1) {
        const u = Math.floor(x / k), v = Math.floor(y / k), pixel = screen[y * image.width + x];
        near = false;
        for (let j = v - r; j <= v + r; ++j)
          for (let i = u - r; i <= u + r; ++i) near ||= pixel === want[j * width + i];
      }
    const root = document.documentElement, scrolls = root.scrollWidth > root.clientWidth ||
      root.scrollHeight > root.clientHeight ? ', scrolls' : '';
    return `${image.width} device pixels wide, ${!whole ? (off ? 'smoothed' : 'not smoothed')
      : off ? `${off} device pixels off` : `every pixel a ${k} x ${k} block`}${scrolls}`;
  }, shot);
}

if (mode === 'page') for (const file of files) await playPage(file);
if (mode === 'drive')
  for (const file of files) {
    const script = readFileSync(file, 'utf8');
    const { lines: got } = await drive(script, ['--transcript'],
      [...new Set([...script.matchAll(/^same (.+)$/gm)].map((m) => m[1]))]);
    compare(basename(file), lines(script), got);
  }
if (mode === 'snapshots') {
  const cases = [];
  for (const line of readFileSync(join(repo, 'tests/snapshots/cases.txt'), 'utf8').split('\n'))
    if (line.startsWith('[')) cases.push({ name: line.slice(1, -1), script: line.endsWith('.en]') ? 'command 2102\n' : '' });
    else if (cases.length && line.trim() && !line.startsWith('#')) cases.at(-1).script += line + '\n';
  for (const c of cases.filter((c) => !c.name.startsWith('window.'))) {
    const image = `snapshots/${c.name}.png`;
    const { lines: got } = await drive(`${c.script}dump\nsame ${image}\n`, [], [image]);
    // The Linux driver's dump at the block's end is what the page must print.
    const linux = spawnSync(files[0], { input: `${c.script}dump\n`, encoding: 'utf8' });
    compare(c.name, [...(linux.stdout ?? `no Linux driver at ${files[0]}`).split('\n').filter((l) => l), 'same'], got);
  }
}
if (mode === 'soak') {
  const { lines: got } = await drive('', ['--actions', files[0], '--start', '1'], [], 'selvaquin-soak');
  compare('soak', [got.at(-1)?.replace(/-?\d+ KiB more at action \d+ .*/, 'less than 1 MiB')],
          ['soak: less than 1 MiB']);
  console.log(got.join('\n'));
}
await browser.close();
server.close();
process.exit(failed ? 1 : 0);
