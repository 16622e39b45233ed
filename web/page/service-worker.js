// Keeps the site's files so the page opens and calculates without signal.
// Cache first: every file of the site comes from the cache once it is there.
// The cache's name carries the build's content hash (tools/build-web.sh
// writes it in place of @SITE_VERSION@, and the site's file names in place
// of @SITE_FILES@), so a newly published page is a new
// worker: the browser installs it on the next visit, it fills a new cache
// and deletes the old one, and the page after that is the new one.
"use strict";

const cacheName = "morvane-@SITE_VERSION@";
const siteFiles = [@SITE_FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith("morvane-") &&
                                              name !== cacheName)
                                 .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The folder's own address stands for its index.html; a link's inputs
// (?rate=12&...) are read by the page, so any query finds the one page.
function cachedFile(request) {
  const url = new URL(request.url);
  if (url.origin !== self.location.origin) return undefined;
  const scope = new URL(self.registration.scope);
  if (url.pathname === scope.pathname) return new URL("index.html", scope).href;
  return url.href;
}

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  const file = cachedFile(event.request);
  if (file === undefined) return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(file, { ignoreSearch: true }))
    .then((cached) => cached ?? fetch(event.request)));
});
