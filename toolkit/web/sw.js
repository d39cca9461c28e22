// Keeps the program's own files so that it starts with the network gone:
// served from the cache first; each build has a cache of its own, and the
// caches of older builds go when a new one takes over.
const cache = 'selvaquin-@SITE_VERSION@';
const files = ['./', 'index.html', 'selvaquin.js', 'selvaquin.wasm', 'manifest.webmanifest',
               'icon-32.png', 'icon-192.png', 'icon-512.png'];
self.addEventListener('install', (e) => e.waitUntil(
  caches.open(cache).then((c) => c.addAll(files)).then(() => self.skipWaiting())));
self.addEventListener('activate', (e) => e.waitUntil(caches.keys().then((keys) => Promise.all(
  keys.filter((k) => k !== cache).map((k) => caches.delete(k)))).then(() => self.clients.claim())));
self.addEventListener('fetch', (e) => e.respondWith(
  caches.match(e.request, { ignoreSearch: true }).then((r) => r || fetch(e.request))));
