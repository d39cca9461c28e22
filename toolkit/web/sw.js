// Keeps the program's own files so that it starts with the network gone,
// served from the cache first. Each build has a cache of its own, named
// after a hash of its files (tools/web-site.mjs). A new build's worker
// fetches them past the browser's HTTP cache, which a host may let keep
// the old ones for a while, and keeps them only when they hash to its
// build: files of two builds (an old one still cached on the way, an
// upload half done) fail the install, the build before goes on serving
// whole, and the browser tries again at a later visit. Once a build is
// kept it takes over at once, and the caches of older builds go: a new
// version is in use from the second visit after it was put up.
const build = '@BUILD@';
const cache = `selvaquin-${build}`;
const files = @FILES@;

async function keep() {
  const responses = await Promise.all(files.map(async (file) => {
    const response = await fetch(file, { cache: 'no-cache' });
    if (!response.ok) throw new Error(`${file}: ${response.status}`);
    return response;
  }));
  const all = await new Blob(await Promise.all(responses.map((r) => r.clone().blob()))).arrayBuffer();
  const hash = [...new Uint8Array(await crypto.subtle.digest('SHA-256', all))]
    .map((b) => b.toString(16).padStart(2, '0')).join('').slice(0, 16);
  if (hash !== build) throw new Error(`the files fetched are not all of build ${build}`);
  const kept = await caches.open(cache);
  await kept.put('./', responses[0].clone());  // index.html
  await Promise.all(files.map((file, i) => kept.put(file, responses[i])));
}

self.addEventListener('install', (e) => e.waitUntil(keep().then(() => self.skipWaiting())));
self.addEventListener('activate', (e) => e.waitUntil(caches.keys().then((keys) => Promise.all(
  keys.filter((k) => k !== cache).map((k) => caches.delete(k)))).then(() => self.clients.claim())));
self.addEventListener('fetch', (e) => e.respondWith(caches.open(cache)
  .then((kept) => kept.match(e.request, { ignoreSearch: true })).then((r) => r || fetch(e.request))));
