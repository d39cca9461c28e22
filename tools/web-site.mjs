// web-site SOURCE BUILD SITE FIRST_PAGE: lays out the browser program's site
// in SITE: index.html and its style sheet, which shows the PNG image
// FIRST_PAGE until the program draws (its start page,
// tests/snapshots/start.png), the manifest, the service worker (its cache
// named after a hash of the files it keeps), selvaquin.js and .wasm from BUILD, the icons made from
// the program's 32 x 32 XPM icon (scaled by whole pixels, so they stay
// sharp), and the licences: the program's and DejaVu's, whose glyphs the
// program draws its texts with.
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { crc32, deflateSync } from 'node:zlib';

const [source, build, site, firstPage] = process.argv.slice(2);
const web = join(source, 'toolkit', 'web');
rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
for (const file of ['index.html', 'manifest.webmanifest', 'LICENSE-DejaVu.txt'])
  copyFileSync(join(web, file), join(site, file));
writeFileSync(join(site, 'selvaquin.css'), readFileSync(join(web, 'selvaquin.css'), 'utf8').replace(
  '@FIRST_PAGE@', `data:image/png;base64,${readFileSync(firstPage).toString('base64')}`));
copyFileSync(join(source, 'LICENSE'), join(site, 'LICENSE.txt'));
for (const file of ['selvaquin.js', 'selvaquin.wasm']) copyFileSync(join(build, file), join(site, file));

// The XPM's quoted strings: "w h colours 1", "c  c #RRGGBB" (or None), rows.
const strings = [...readFileSync(join(source, 'app', 'resources', 'ZUREREVADO.xpm'), 'latin1')
  .matchAll(/"([^"]*)"/g)].map((m) => m[1]);
const [width, height, colours] = strings[0].split(/\s+/).map(Number);
const palette = {};
for (const line of strings.slice(1, 1 + colours)) {
  const hex = /c\s+#([0-9A-Fa-f]{6})/.exec(line.slice(1));
  palette[line[0]] = hex ? [...Buffer.from(hex[1], 'hex'), 255] : [0, 0, 0, 0];
}
const rows = strings.slice(1 + colours, 1 + colours + height);

function png(scale) {
  const size = width * scale, raw = Buffer.alloc((size * 4 + 1) * size);
  for (let y = 0; y < size; ++y)
    for (let x = 0; x < size; ++x)
      raw.set(palette[rows[Math.floor(y / scale)][Math.floor(x / scale)]],
              y * (size * 4 + 1) + 1 + x * 4);
  const chunk = (type, data) => {
    const out = Buffer.alloc(12 + data.length);
    out.writeUInt32BE(data.length, 0);
    out.write(type, 4, 'latin1');
    data.copy(out, 8);
    out.writeUInt32BE(crc32(out.subarray(4, 8 + data.length)), 8 + data.length);
    return out;
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(size, 0);
  header.writeUInt32BE(size, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8-bit RGBA
  return Buffer.concat([Buffer.from('\x89PNG\r\n\x1a\n', 'latin1'), chunk('IHDR', header),
                        chunk('IDAT', deflateSync(raw, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}
for (const size of [32, 192, 512]) writeFileSync(join(site, `icon-${size}.png`), png(size / width));

// The files the service worker keeps, and the hash of them all, in this
// order, that it checks what it fetched against.
const kept = ['index.html', 'selvaquin.css', 'selvaquin.js', 'selvaquin.wasm',
              'manifest.webmanifest', 'icon-32.png', 'icon-192.png', 'icon-512.png'];
const hash = createHash('sha256');
for (const file of kept) hash.update(readFileSync(join(site, file)));
writeFileSync(join(site, 'sw.js'), readFileSync(join(web, 'sw.js'), 'utf8')
  .replace('@BUILD@', hash.digest('hex').slice(0, 16)).replace('@FILES@', JSON.stringify(kept)));
