// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The worker keeps the page's installed copy for play without a network. Browsers run workers
// only over HTTPS and on localhost; elsewhere the page plays online only, as it would anyway. Its
// install fetches every file and picture, so it waits until the program is ready for a click
// rather than compete with the program's own files.
if ('serviceWorker' in navigator) {
    new PerformanceObserver((marks, observer) => {
        if (marks.getEntriesByName('torvamik-ready').length === 0) return;
        observer.disconnect();
        navigator.serviceWorker.register('worker.js').catch(() => {});
    }).observe({type: 'mark'});
}
