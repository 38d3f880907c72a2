// Keeps the site for working offline: every file is cached when the worker
// installs and served from the cache first; a new build names a new cache.
const CACHE = "kulbo-@SITE_HASH@";
const FILES = [@SITE_FILES@];

self.addEventListener("install", event => {
  event.waitUntil(caches.open(CACHE).then(cache => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", event => {
  event.waitUntil(caches.keys()
    .then(names => Promise.all(names.filter(name => name !== CACHE).map(name => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", event => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(CACHE)
    .then(cache => cache.match(event.request, { ignoreSearch: true }))
    .then(cached => cached || fetch(event.request)));
});
