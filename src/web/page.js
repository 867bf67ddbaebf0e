// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The page side of the web port: the declared window as HTML, its modal boxes and its pictures.
// The C++ side calls these functions through EM_JS; nothing here knows the quiz.
var torvamikPage = {
    window: null,
    button: null,
    pictureArea: null,
    bytes: new Map(),     // picture name -> promise of its bytes, or of a failure code
    lastBytes: null,      // the bytes of the latest pictureSize(), for copyPicture() and load()
    loaded: null,         // the <img> of the latest load(), until show()
    told: null,           // the <img> whose description a screen reader has been given
    notice: null,         // the live region's text for a screen reader alone
    pictureTimeoutMs: 20000,

    // The page's main landmark, which holds the window and its boxes and outlives the window.
    main() { return document.querySelector('main') || document.body; },

    // The build wrote the window into the page from the program's description, so that it paints
    // before the program has loaded; the program takes it over.
    takeOverWindow(formName, buttonName, pictureName) {
        this.window = document.getElementById(formName);
        this.button = document.getElementById(buttonName);
        this.pictureArea = document.getElementById(pictureName);
        this.button.focus();
    },

    // The service worker keeps the page's installed copy, from which the page loads online and
    // without a network. Browsers run workers only over HTTPS and on localhost; elsewhere the page
    // plays online only, as it would anyway. Its install fetches every file and picture, so it
    // registers only once the program is ready for a click rather than compete with the program's
    // own files.
    waitForClick() {
        return new Promise(resolve => {
            this.button.addEventListener('click', () => resolve(), {once: true});
            performance.mark('torvamik-ready');
            if ('serviceWorker' in navigator) {
                navigator.serviceWorker.register('worker.js').catch(() => {});
            }
        });
    },

    setCaption(text) { this.button.textContent = text; },
    disableButton() { this.button.disabled = true; },
    closeWindow() {
        if (this.window) this.window.remove();
        this.window = null;
    },

    // A screen reader hears of each picture once: with the question box that opens over it, or in
    // a pause, where nothing has the focus, from the live region after the caption.
    untoldPicture() {
        const image = this.pictureArea.firstChild;
        if (!image || image === this.told) return false;
        this.told = image;
        return image.alt !== '';
    },

    announcePicture() {
        if (!this.untoldPicture()) return;
        if (!this.notice) {
            this.notice = document.createElement('span');
            this.notice.className = 'visually-hidden';
            this.button.parentElement.append(this.notice);
        }
        this.notice.textContent = this.told.alt;
    },

    // A modal box; choices are [label, mnemonic, value], the first is the default. Resolves to
    // the value of the chosen button; Escape chooses escapeValue, or nothing when it is null.
    // A box that tellsPicture is described by the untold picture behind it after its text.
    box(title, text, choices, escapeValue, tellsPicture) {
        return new Promise(resolve => {
            const dialog = document.createElement('dialog');
            dialog.setAttribute('role', 'alertdialog');
            dialog.setAttribute('aria-labelledby', 'box-title');
            dialog.setAttribute('aria-describedby', 'box-text');
            const heading = document.createElement('h2');
            heading.id = 'box-title';
            heading.textContent = title;
            const body = document.createElement('p');
            body.id = 'box-text';
            body.textContent = text;
            const row = document.createElement('div');
            row.className = 'buttons';
            const answer = value => {
                dialog.close();
                dialog.remove();
                resolve(value);
            };
            // Emscripten's minifier mangles destructuring in a for-of head, hence the indices.
            for (const choice of choices) {
                const label = choice[0], mnemonic = choice[1], value = choice[2];
                const button = document.createElement('button');
                button.type = 'button';
                if (mnemonic) {
                    const key = document.createElement('u');
                    key.textContent = label[0];
                    button.append(key, label.slice(1));
                } else {
                    button.textContent = label;
                }
                button.addEventListener('click', () => answer(value));
                row.append(button);
            }
            // Chromium closes a dialog on a second Escape unless its keydown is blocked as well.
            dialog.addEventListener('cancel', event => event.preventDefault());
            dialog.addEventListener('keydown', event => {
                if (event.ctrlKey || event.metaKey) return;
                const key = event.key.toLowerCase();
                const chosen = choices.find(choice => choice[1] && choice[1] === key);
                if (event.key === 'Escape') {
                    event.preventDefault();
                    if (escapeValue !== null) answer(escapeValue);
                } else if (chosen) {
                    event.preventDefault();
                    answer(chosen[2]);
                } else if (event.key === 'Enter' && !(event.target instanceof HTMLButtonElement)) {
                    event.preventDefault();
                    answer(choices[0][2]);
                }
            });
            dialog.append(heading, body, row);
            // Behind the modal box the picture is inert, and its text described nothing.
            if (tellsPicture && this.untoldPicture()) {
                const picture = document.createElement('span');
                picture.id = 'box-picture';
                picture.hidden = true;
                picture.textContent = this.told.alt;
                dialog.setAttribute('aria-describedby', 'box-text box-picture');
                dialog.append(picture);
            }
            // Beside the window, not in it: a box keeps its own size when the window is scaled.
            this.main().append(dialog);
            dialog.showModal();
            row.firstChild.focus();
        });
    },

    // Each picture is fetched once per page load, and must come within pictureTimeoutMs: a
    // server that never answers (a FIFO under the name) would otherwise hold the quiz forever.
    // The HTTP cache only revalidates, so a picture replaced on the server shows on the next load.
    // Resolves to its bytes, or to -1 when it cannot be had and -2 when it is over maxBytes,
    // which a Content-Length tells before the body comes.
    fetchBytes(name, maxBytes) {
        if (!this.bytes.has(name)) this.bytes.set(name, this.download(name, maxBytes));
        return this.bytes.get(name);
    },

    async download(name, maxBytes) {
        const abort = new AbortController();
        const timer = setTimeout(() => abort.abort(), this.pictureTimeoutMs);
        try {
            const response = await fetch(encodeURIComponent(name),
                                         {signal: abort.signal, cache: 'no-cache'});
            if (!response.ok) return -1;
            if (Number(response.headers.get('Content-Length')) > maxBytes) return -2;
            const bytes = new Uint8Array(await response.arrayBuffer());
            return bytes.length > maxBytes ? -2 : bytes;
        } catch (error) {
            return -1;
        } finally {
            clearTimeout(timer);
            abort.abort();
        }
    },

    prepare(name, maxBytes) { this.fetchBytes(name, maxBytes); },

    async pictureSize(name, maxBytes) {
        const bytes = await this.fetchBytes(name, maxBytes);
        this.lastBytes = typeof bytes === 'number' ? null : bytes;
        return this.lastBytes ? this.lastBytes.length : bytes;
    },

    copyPicture(destination) { HEAPU8.set(this.lastBytes, destination); },

    // Loads the bytes of the latest pictureSize() as an <img>; false when the browser cannot read
    // them as a picture. With firstFrame, the picture is drawn once and handed over as a PNG, so
    // that an animation stands still on its first frame, as on the desktop; drawn no larger than
    // the area's device pixels, a large picture takes little time to encode.
    async load(firstFrame) {
        if (this.loaded) URL.revokeObjectURL(this.loaded.src);
        const image = this.loaded = new Image();
        image.alt = '';
        let blob = new Blob([this.lastBytes], {type: 'image/jpeg'});
        if (firstFrame) {
            try {
                const frame = await createImageBitmap(blob);
                const area = this.pictureArea;
                const fit = (size, length) => Math.min(size, Math.ceil(length * devicePixelRatio));
                const canvas = new OffscreenCanvas(fit(frame.width, area.clientWidth),
                                                   fit(frame.height, area.clientHeight));
                const context = canvas.getContext('2d');
                context.imageSmoothingQuality = 'high';
                context.drawImage(frame, 0, 0, canvas.width, canvas.height);
                frame.close();
                blob = await canvas.convertToBlob();
            } catch (error) {
                return false;
            }
        }
        image.src = URL.createObjectURL(blob);
        return new Promise(resolve => {
            image.onload = () => resolve(true);
            image.onerror = () => resolve(false);
        });
    },

    // Decodes the loaded picture and shows it with its own description as its text; false when
    // it does not decode.
    async show(description) {
        const image = this.loaded;
        this.loaded = null;
        try {
            await image.decode();
        } catch (error) {
            URL.revokeObjectURL(image.src);
            return false;
        }
        image.alt = description;
        const previous = this.pictureArea.firstChild;
        this.pictureArea.replaceChildren(image);
        if (previous) URL.revokeObjectURL(previous.src);
        return true;
    }
};
