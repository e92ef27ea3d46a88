// The page keeps its files for playing without a network: service-worker.js,
// written with the page, caches them on the first visit. Where a browser has
// no service workers, or the page is not served from a secure origin (HTTPS,
// or this machine), it plays online as before, and says nothing either way.
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('service-worker.js').catch(() => {});
}
