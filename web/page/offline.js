// Served over http(s), the page is an installable web app that works
// offline after one visit: its manifest is linked and its service worker
// (service-worker.js) keeps the site's files. Opened from disk it needs
// neither, and asking for them there would only log errors.
"use strict";

(() => {
  if (location.protocol !== "https:" && location.protocol !== "http:") return;
  const manifest = document.createElement("link");
  manifest.rel = "manifest";
  manifest.href = "manifest.webmanifest";
  document.head.appendChild(manifest);
  // Service workers exist only in secure contexts: https and localhost.
  // Registered once the page has loaded, so that caching the site does not
  // hold up the first result.
  if ("serviceWorker" in navigator)
    window.addEventListener("load", () => {
      navigator.serviceWorker.register("service-worker.js").catch((failure) => {
        console.warn(`The page will not work offline: ${failure}`);
      });
    });
})();
