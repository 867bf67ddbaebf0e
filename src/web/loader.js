// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The window is already in the page; its program runs once that has been painted. The page
// preloads both of the program's files and the .wasm compiles while the window paints, so that
// the program has nothing left to fetch or compile when it starts. Module is Emscripten's hook
// for that: the program's script takes the instance from it instead of fetching its own.
const compiled = WebAssembly.compileStreaming(fetch('torvamik.wasm', {credentials: 'same-origin'}));
var Module = {
    instantiateWasm(imports, receiveInstance) {
        compiled.then(module => WebAssembly.instantiate(module, imports))
            .then(instance => receiveInstance(instance));
        return {};
    },
};
requestAnimationFrame(() => setTimeout(() => {
    const program = document.createElement('script');
    program.src = 'torvamik.js';
    document.head.append(program);
}));

// The worker keeps the page's installed copy for play without a network. Browsers run workers
// only over HTTPS and on localhost; elsewhere the page plays online only, as it would anyway. Its
// install fetches every file and picture, so it waits until the program is ready for a click.
if ('serviceWorker' in navigator) {
    new PerformanceObserver((marks, observer) => {
        if (marks.getEntriesByName('torvamik-ready').length === 0) return;
        observer.disconnect();
        navigator.serviceWorker.register('worker.js').catch(() => {});
    }).observe({type: 'mark'});
}
