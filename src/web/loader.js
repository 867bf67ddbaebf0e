// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The window is already in the page; its program loads once that has been painted.
requestAnimationFrame(() => setTimeout(() => {
    const program = document.createElement('script');
    program.src = 'torvamik.js';
    document.head.append(program);
}));

// The worker keeps the page's installed copy for play without a network. Browsers run workers
// only over HTTPS and on localhost; elsewhere the page plays online only, as it would anyway.
if ('serviceWorker' in navigator) {
    addEventListener('load', () => navigator.serviceWorker.register('worker.js').catch(() => {}));
}
