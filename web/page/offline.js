// The served page's service worker: it keeps the page, the engine and the demo story, so that
// the page reloads and plays without the network. The network comes first, so that a new
// version of the page is taken as soon as it is served; the kept copy answers when it fails.
const kept = 'zuft-page';
const files = ['./', 'index.html', 'page.css', 'page.js', 'engine.js', 'worker.js', 'keys.js',
               'history.js', 'view.js', 'pieces.js', 'messages.js', 'storage.js', 'zuft.js',
               'zuft.wasm', 'zuft.svg', 'zuft-256.png', 'demo.teg', 'zuft.webmanifest'];

self.addEventListener('install', event => {
    event.waitUntil(caches.open(kept).then(cache => cache.addAll(files)));
    self.skipWaiting();
});

self.addEventListener('activate', event => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    event.respondWith(fetch(event.request)
                          .then(response => {
                              if (response.ok) {
                                  const copy = response.clone();
                                  caches.open(kept).then(cache => cache.put(event.request, copy));
                              }
                              return response;
                          })
                          .catch(() => caches.match(event.request, {ignoreSearch: true})
                                           .then(found => found ?? Response.error())));
});
