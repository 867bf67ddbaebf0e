// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The page's service worker. The page's own files come from the copy of the build it installed,
// without asking the server, so that the page paints and starts as quickly online as offline; the
// browser looks for a new worker after a load, and a new build's worker installs that build for
// the load after. Every other request goes to the server first, past the HTTP cache's own idea of
// freshness, so a replaced picture is seen on the next load; only one that fails for want of a
// network is answered from the copies kept here. The build writes in below its content hash, file
// list and pictures; the pictures are kept by their names and refreshed whenever they come from
// the server.
const scope = self.registration.scope;
const pageCache = `torvamik-page ${scope} @BUILD@`;
const pictureCache = `torvamik-pictures ${scope}`;
const pageFiles = [@PAGE_FILES@];
const pictures = [@PICTURES@];
const pictureUrls = new Set(pictures.map(name => new URL(encodeURIComponent(name), scope).href));
// The folder's own address is the page too.
const pageUrls = new Set(['', ...pageFiles].map(file => new URL(file, scope).href));

self.addEventListener('install', event => {
    // Where the browser has static routes, it answers the page's files from this build's copy
    // without even starting the worker; elsewhere the fetch handler below does the same.
    if (event.addRoutes) {
        const exactly = url => ({urlPattern: {
            pathname: new URL(url).pathname.replace(/[\\*+?(){}:]/g, '\\$&'), search: '',
            baseURL: scope}});
        event.waitUntil(event.addRoutes({condition: {or: [...pageUrls].map(exactly)},
                                         source: {cacheName: pageCache}}));
    }
    event.waitUntil(install());
});

async function install() {
    const page = await caches.open(pageCache);
    await page.addAll(pageFiles.map(file => new Request(file, {cache: 'no-cache'})));
    await page.put(scope, await page.match('index.html'));
    // Each picture on its own, so that one missing picture leaves the others and the install
    // whole. The mark in the query tells these fetches from the page's own in a server's log.
    const kept = await caches.open(pictureCache);
    await Promise.all(pictures.map(async name => {
        try {
            const response = await fetch(`${encodeURIComponent(name)}?install`,
                                         {cache: 'no-cache'});
            if (response.ok) await kept.put(encodeURIComponent(name), response);
        } catch (error) {
            // Left for the page to fetch, and to report if it is missing then too.
        }
    }));
    await self.skipWaiting();
}

// A new build's worker drops the copies of the build before it, in this folder only: other
// folders of the same server may hold other builds.
self.addEventListener('activate', event => event.waitUntil((async () => {
    for (const name of await caches.keys()) {
        if (name.startsWith(`torvamik-page ${scope} `) && name !== pageCache) {
            await caches.delete(name);
        }
    }
})()));

async function kept(request) {
    const url = new URL(request.url);
    url.search = '';
    if (pictureUrls.has(url.href)) return (await caches.open(pictureCache)).match(url.href);
    const page = await caches.open(pageCache);
    return await page.match(url.href) ||
           (request.mode === 'navigate' ? page.match(new URL('index.html', scope).href) : null);
}

self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET' || !event.request.url.startsWith(scope)) return;
    event.respondWith((async () => {
        const installed = pageUrls.has(event.request.url) && await kept(event.request);
        if (installed) return installed;
        let response;
        try {
            response = await fetch(event.request, {cache: 'no-cache'});
        } catch (error) {
            const copy = await kept(event.request);
            if (copy) return copy;
            throw error;
        }
        if (response.ok && pictureUrls.has(event.request.url)) {
            const copy = response.clone();
            // A copy that cannot be stored (the page gave up on a large picture) is no error.
            event.waitUntil(caches.open(pictureCache).then(cache => cache.put(event.request, copy))
                                .catch(() => {}));
        }
        return response;
    })());
});
