// Appended to the program's script (selvaquin.js) alone, not to the
// driver's: once the page has loaded, the site's service worker (sw.js)
// keeps the program's files for the next start, offline too.
if ('serviceWorker' in navigator)
  addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
