#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
"""The page in headless Chromium through Selenium, served by python3 -m http.server. Usage:
web_test.py keyboard|layout|mobile|offline|picture.RUN WEB_BUILD
PICTURES, where RUN is a run of the picture table as tests/support/picture-runs labels it."""
import base64, collections, os, re, shutil, subprocess, sys, tempfile, time, unicodedata
from urllib.parse import unquote
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

group, build, pictures = sys.argv[1:]
if not os.path.isdir(build):
    sys.exit(print('SKIPPED: no web build (scripts/install-deps test installs emscripten)') or 77)
SUPPORT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support')
rows = lambda name: [r.rstrip('\n').split('\t') for r in open(os.path.join(SUPPORT, name),
                     encoding='utf-8') if r.strip() and r[0] != '#']
STATEMENTS = rows('statements.tsv')  # round, position, right answer, statement
COLOURS = {name: bytes.fromhex(colour[1:]) for name, colour in rows('pictures.tsv')}
PLANS = {plan: pictures.split() for plan, pictures in rows('answer-plans.tsv')}
ASKING, WAITING = 'Jälgige ka fotot dialoogikasti taga!', 'Oota pisut...'
# Points in the picture area: its top-right and bottom-left corners, 12 pixels in, and for a
# picture with a strip across the top left one inside it and one below it.
CORNERS, STRIP, BELOW = [(476, 12), (12, 364)], (244, 23), (24, 244)


def wait(condition, seconds=10, what='the page'):
    deadline = time.monotonic() + seconds
    while not (result := condition()):
        assert time.monotonic() < deadline, f'timed out waiting for {what}'
        time.sleep(0.02)
    return result


class Page:
    """One server and one browser; load() opens the page from a fresh folder of site+pictures."""

    def __init__(self, site):
        self.site, self.root = site, tempfile.mkdtemp()
        self.log = open(os.path.join(self.root, 'requests.log'), 'w+')
        self.server = subprocess.Popen(
            [sys.executable, '-u', '-m', 'http.server', '-b', '127.0.0.1', '0'], cwd=self.root,
            stdout=subprocess.PIPE, stderr=self.log, text=True)
        self.url = f'http://127.0.0.1:{self.server.stdout.readline().split()[5]}'
        options = webdriver.ChromeOptions()
        for flag in ('--headless --no-sandbox --disable-gpu --disable-quic --no-first-run '
                     '--disable-background-networking --disable-component-update '
                     f'--disable-sync --user-data-dir={self.root}/profile').split():
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(options=options)
        self.driver.execute_cdp_cmd('Network.enable', {})
        self.driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': (
            "window.violations = []; document.addEventListener('securitypolicyviolation',"
            " e => violations.push(`${e.violatedDirective} ${e.blockedURI}`))")})

    def load(self, scale=1, phone=None):
        """phone=(width, height) is a touch screen of that size at device pixel ratio 3."""
        width, height = phone or (1000, 800)
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', dict(
            width=width, height=height, deviceScaleFactor=3 if phone else scale, mobile=bool(phone)))
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', dict(
            enabled=bool(phone), maxTouchPoints=5))
        folder = tempfile.mkdtemp(dir=self.root)
        for source in (self.site, pictures):
            shutil.copytree(source, folder, dirs_exist_ok=True)
        self.driver.get(f'{self.url}/{os.path.basename(folder)}/index.html')
        self.ready()
        return folder

    def ready(self):  # waits until a click would start the quiz
        wait(lambda: self.js("return performance.getEntriesByName('torvamik-ready').length"))

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def click(self, element):
        ActionChains(self.driver).click(self.driver.find_element(By.ID, element)).perform()

    def caption(self):
        return self.js("return Command1.textContent")

    def ended(self):
        return self.js("return !document.getElementById('Form1')")

    def box(self, previous=None, seconds=10):
        """The open alertdialog other than previous: the element, its title and text (through
        aria-labelledby and the first of aria-describedby) and its buttons' labels."""
        box = wait(lambda: next((d for d in self.driver.find_elements(
            By.CSS_SELECTOR, 'dialog[open][role=alertdialog]') if d != previous), None), seconds)
        return [box] + self.js("const d = arguments[0], text = a => document.getElementById("
                               "d.getAttribute(a).split(' ')[0]).textContent; return [text("
                               "'aria-labelledby'), text('aria-describedby'), [...d."
                               "querySelectorAll('button')].map(b => b.textContent)]", box)

    def screen_row(self, width=1, left=12, top=12):
        """The red, green and blue of the screen's device pixels along the top of a strip of
        width CSS pixels from (left, top) in the picture area, from a screenshot."""
        x, y = self.js("const r = Image1.getBoundingClientRect(); return [r.x, r.y]")
        png = self.driver.execute_cdp_cmd('Page.captureScreenshot', {'clip': dict(
            x=x + left, y=y + top, width=width, height=1, scale=1)})['data']
        return [tuple(p) for p in self.driver.execute_async_script(
            "const [png, done] = arguments; createImageBitmap(new Blob([Uint8Array.from(atob(png),"
            " c => c.charCodeAt(0))])).then(b => { const g = new OffscreenCanvas(b.width, 1)"
            ".getContext('2d'); g.drawImage(b, 0, 0); const d = g.getImageData(0, 0, b.width, 1)"
            ".data; done([...Array(b.width).keys()].map(i => [d[4 * i], d[4 * i + 1], d[4 * i + 2]"
            "])) })", png)]

    def shows(self, name):
        """Whether the screen shows the picture, from one pixel near the picture area's corner."""
        return all(abs(a - b) <= 16 for a, b in zip(self.screen_row()[0], COLOURS[name]))

    def put_picture(self, path, paint):  # a 976x752 JPEG that the script paint draws on g
        url = self.js("const c = document.createElement('canvas'), g = c.getContext('2d');"
                      f"c.width = 976; c.height = 752; {paint}; return c.toDataURL('image/jpeg', 1)")
        open(path, 'wb').write(base64.b64decode(url.split(',')[1]))

    def requests(self):
        self.log.seek(0)
        lines = re.findall(r'"GET (\S+) HTTP/1.1" (\d+)', self.log.read())
        assert all(status in ('200', '304') for _, status in lines), lines  # 304: revalidated
        return collections.Counter(unquote(path) for path, _ in lines)

    def console(self):  # what the page wrote to the console since the last call
        return [entry['message'] for entry in self.driver.get_log('browser')]


def play(page, plan, answer=lambda box, jah: page.keys('j' if jah else 'e'),
         close=lambda box: page.keys(Keys.RETURN), check=lambda kind, box, picture: None):
    """Answers the question boxes from the first by plan, r right and w wrong, a round at a time
    as answer-plans.tsv has them, through answer(box, jah) and close(box): checks each box's title,
    text and buttons and the caption, and calls check(kind, box, picture) when a 'question' or
    'feedback' box opens over picture and once a feedback box is 'closed', with the picture due."""
    box, behind = None, None
    for index, (given, (round, position, key, statement)) in enumerate(zip(plan, STATEMENTS)):
        start = index - index % 5
        due = PLANS[next(p for p in PLANS if p.startswith(plan[start:start + 5]))][index % 5]
        box, *texts = page.box(box)
        assert texts == ['Torvamik!', statement, ['Jah', 'Ei']] and page.caption() == ASKING
        check('question', box, behind)
        answer(box, (given == 'r') == (key == 'Jah'))
        box, *texts = page.box(box)
        assert texts == ['Torvamik!', f"Vastus oli {'õige' if given == 'r' else 'vale'}!", ['OK']]
        check('feedback', box, behind)
        close(box)
        behind = due if position != '5' else f'{round}.jpg'
        check('closed', None, due if position != '5' else '0.jpg')


def button(box, label):
    return box.find_element(By.XPATH, f".//button[normalize-space()='{label}']")


def whole_run(page):
    """Twenty answers by keys and clicks in turn, and Escape tried on the first box: every box,
    caption and picture, the end, and each picture fetched once. axe-core's WCAG 2.2 A and AA rules
    and best practices find nothing at the start, in a question box and a feedback box, in a pause
    and after the end; the licence that the head links to is served beside the page."""
    script, paused = axe_script(), []  # paused: whether an audit fell within a pause

    def audit(moment):
        if not page.js("return typeof axe != 'undefined'"):
            page.js(script)
        found = page.driver.execute_async_script(
            "axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',"
            " 'wcag21aa', 'wcag22aa', 'best-practice']}, resultTypes: ['violations']}).then(r =>"
            " arguments[0](r.violations.map(v => [v.id, v.nodes.map(n => n.target)])))")
        assert not found, (moment, found)

    page.load()
    assert page.js("return fetch(document.querySelector('link[rel=license]').href)"
                   ".then(r => r.text())").startswith('MIT License\n')
    audit('start')
    page.keys(' ')
    answers = iter([lambda box, jah: page.keys(Keys.RETURN if jah else 'e'),
                    lambda box, jah: button(box, 'Jah' if jah else 'Ei').click(),
                    lambda box, jah: page.keys('j' if jah else 'e')] * 7)
    closes = iter([lambda box: page.keys(Keys.RETURN), lambda box: button(box, 'OK').click(),
                   lambda box: page.keys(Keys.ESCAPE)] * 7)

    def check(kind, box, picture):
        if picture is None and kind != 'closed':  # the first boxes
            audit(f'{kind} box')
        if kind == 'question' and picture is None:
            page.js("arguments[0].dataset.first = 1", box)
            page.keys(Keys.ESCAPE, Keys.ESCAPE)
            time.sleep(0.3)
            # Read from the page: a box that Escape closed is gone, and its element with it.
            assert page.js("return !!document.querySelector('dialog[open][data-first]')"), (
                'Escape closed a Jah/Ei box')
        elif kind == 'question':
            assert page.shows(picture), f'{picture} behind a question box'
        elif kind == 'closed' and picture == '0.jpg':
            wait(lambda: page.shows('0.jpg') and page.caption() == WAITING, what='the pause')
            # A pause lasts a second on this clock: an audit counts if the pause outlasted it.
            if not paused:
                audit('a pause')
                if page.caption() == WAITING and page.js("return !document.querySelector('dialog')"):
                    paused.append(True)

    play(page, 'rrrrrrrrwrwrrwrrrrrw', lambda box, jah: next(answers)(box, jah),
         lambda box: next(closes)(box), check)
    wait(lambda: page.shows('4.jpg'), what='the last round picture')
    wait(page.ended, what='the end')
    audit('end')
    assert paused, 'no audit fell within a pause'
    assert {n for path, n in page.requests().items() if path.endswith('.jpg')} == {1}
    assert page.console() == [] and page.js('return violations') == []


def picture_run(page, label):
    """One run of the picture table: each row's file under its name, round 1 played by the run's
    plan; then one row's error box and console line, or each picture on screen in turn, and a
    description only ever as the <img>'s alt text."""
    runs = subprocess.check_output([os.path.join(SUPPORT, 'picture-runs'), 'web'], text=True)
    plan, *rows = next(l.split()[1:] for l in runs.splitlines() if l.startswith(label + ' '))
    rows = [r.split(':') for r in rows]
    folder, looks = page.load(), {name: (kind, colour) for kind, name, _, colour in rows}
    for kind, name, _, colour in rows:
        path = os.path.join(folder, name)
        if kind == 'nfd':
            os.rename(path, os.path.join(folder, unicodedata.normalize('NFD', name)))
            continue
        os.remove(path)
        if kind != 'missing':
            subprocess.run([os.path.join(SUPPORT, '..', 'blackbox', 'make-picture'), kind, path,
                            colour.split('/')[-1].strip('-')], check=True)

    def see(name):
        kind, colour = looks.get(name, ('solid', '#' + COLOURS[name].hex()))
        strip, colour = colour.split('/') if '/' in colour else (None, colour)
        want = [(p, colour) for p in CORNERS] + [(STRIP, strip), (BELOW, colour)] * bool(strip)
        near = lambda point, colour: all(abs(a - b) <= 40 for a, b in zip(
            page.screen_row(1, *point)[0], bytes.fromhex(colour[1:])))
        try:
            wait(lambda: all(near(*w) for w in want), 30, f'{kind} under {name}')
            assert not kind.endswith('-animated') or time.sleep(2) or all(
                near(*w) for w in want), f'{kind} under {name}, after 2 s'
        except AssertionError as error:  # what the screen and an error box, if any, show
            seen = [page.screen_row(1, *point)[0] for point, _ in want]
            raise AssertionError(f'{error}; the screen: {seen}, the console: {page.console()}') from None
        assert kind != 'markup' or page.js("return [Image1.firstChild.alt, document.images.length,"
                                           " window.alerted]") == ['<img src=x onerror=alert(1)>', 1, False]

    page.js("window.alerted = false; window.alert = () => { window.alerted = true }")
    page.click('Command1')
    _, name, outcome, _ = rows[0]
    # The fifth feedback picture gives way to the waiting picture at once.
    play(page, plan, check=lambda kind, box, picture: outcome == 'shown' and kind == 'closed' and (
        see(picture) if picture != '0.jpg' else see('0.jpg') or see('1.jpg')))
    errors = lambda: [m for m in page.console() if 'Run-time error' in m]
    if outcome == 'shown':
        assert not errors()
        return
    description = {'53': 'File not found', '481': 'Invalid picture'}[outcome]
    box, title, text, buttons = page.box(None, 30)
    assert (title, text, buttons) == ('Torvamik!', f"Run-time error '{outcome}':\n\n"
                                      f"{description}\n\n{name}", ['OK']), text
    line, logged = f'torvamik: Run-time error {outcome}: {description}: {name}', errors()
    assert len(logged) == 1 and line in logged[0], logged
    page.keys(Keys.RETURN)
    wait(page.ended, what=f'the end after {name}')


def node(page, role, name):
    """What a screen reader reads of the node with that role and name in the browser's
    accessibility tree: its properties and its description."""
    nodes = page.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
    return next(({p['name']: p['value'].get('value') for p in n.get('properties', [])} | {
        'description': n.get('description', {}).get('value')} for n in nodes if (
        n.get('role', {}).get('value'), n.get('name', {}).get('value')) == (role, name)), None)


def live_text(page):  # the texts in the polite live region of the browser's accessibility tree
    region = page.driver.execute_cdp_cmd('Runtime.evaluate', {
        'expression': "Command1.closest('[aria-live=polite]')"})['result']['objectId']
    return sorted(n['name']['value'] for n in page.driver.execute_cdp_cmd(
        'Accessibility.queryAXTree', {'objectId': region, 'role': 'StaticText'})['nodes'])


def layout(page):
    """The window's box and rectangles at device pixel ratios 1 and 2, before any picture; at 2,
    a picture of twice the area's size is drawn pixel for pixel, and round 1 is played on to its
    pauses, each 5 s while clicks on the disabled button and the picture do nothing."""
    for scale in (1, 2):
        folder = page.load(scale)
        rects = page.js("const r = id => document.getElementById(id).getBoundingClientRect();"
                        "return [Form1.clientWidth, Form1.clientHeight, devicePixelRatio].concat("
                        "...['Command1', 'Image1'].map(id => [r(id).x - r('Form1').x,"
                        " r(id).y - r('Form1').y, r(id).width, r(id).height]))")
        assert rects == [504, 448, scale, 8, 8, 489, 49, 8, 64, 488, 376], rects
        assert (page.driver.title, page.caption()) == ('Torvamik!', 'Alusta mängu.')
        assert page.js('return document.activeElement.id') == 'Command1'
    assert not [path for path in page.requests() if path.endswith('.jpg')]
    # Stripes one pixel wide: drawn at the CSS size and scaled up they would come out an even grey.
    page.put_picture(os.path.join(folder, '5õv.jpg'), "g.fillStyle = '#fff'; g.fillRect(0, 0, 976,"
                     " 752); g.fillStyle = '#000'; for (let x = 0; x < 976; x += 2) g.fillRect(x,"
                     " 0, 1, 752)")
    page.js("window.changes = []; new MutationObserver(records => records.forEach(r =>"
            " r.addedNodes.forEach(n => ['IMG', 'DIALOG'].includes(n.nodeName) &&"
            " changes.push([performance.now(), n.nodeName])))).observe(document.body,"
            " {childList: true, subtree: true})")
    page.click('Command1')
    box = page.box()[0]
    button(box, STATEMENTS[0][2]).click()
    box = page.box(box)[0]
    button(box, 'OK').click()
    row = wait(lambda: (row := page.screen_row(8)) and min(row)[0] < 64 and row, what='the stripes')
    assert len(row) == 16 and all(abs(a[0] - b[0]) > 160 for a, b in zip(row, row[1:])), row
    for _ in range(8):  # Jah and OK to the end of the round
        box = page.box(box)[0]
        page.keys(Keys.RETURN)
    time.sleep(1)
    page.click('Command1')
    page.click('Image1')
    time.sleep(2)
    assert page.caption() == WAITING and page.js("return !document.querySelector('dialog')")
    page.box(box, 15)
    changes = page.js('return changes')
    pauses = [(b[0] - a[0], c[0] - b[0]) for a, b, c in zip(changes, changes[1:], changes[2:])
              if a[1:] == b[1:] == ['IMG'] != c[1:]]  # 0.jpg, then the round's picture
    assert len(pauses) == 1 and all(5000 <= p <= 5030 for p in pauses[0]), changes
    assert page.console() == []


def fitted(page, width, height):
    """The touch screen at that size with no sideways scroll; the window, scaled by at most 1, and
    any open box inside it; the button's text at least 14 px and the button 24 px tall; a box's
    text at least 16 px and its buttons at least 44 by 44."""
    wait(lambda: page.js('return [innerWidth, innerHeight]') == [width, height], what='the size')
    scroll, inside, zoom, font, tall, box = page.js(
        "const inside = e => { const r = e.getBoundingClientRect(); return r.left >= 0 &&"
        " r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight; },"
        " box = document.querySelector('dialog[open]'), size = e => [parseFloat("
        "getComputedStyle(e).fontSize) * e.currentCSSZoom, e.getBoundingClientRect().width,"
        " e.getBoundingClientRect().height, e.tagName];"
        "return [document.documentElement.scrollWidth - innerWidth, [Form1, Command1, Image1,"
        " box || Form1].every(inside), Form1.currentCSSZoom, ...size(Command1).slice(0, 1),"
        " Command1.getBoundingClientRect().height, box && [...box.querySelectorAll("
        "'h2, p, button')].map(size)]")
    assert scroll == 0 and inside and zoom <= 1 and font >= 14 and tall >= 24, (
        width, height, scroll, inside, zoom, font, tall)
    assert all(f >= 16 and (kind != 'BUTTON' or w >= 44 <= h)
               for f, w, h, kind in box or []), (width, height, box)
    return zoom


def tap(page, element):
    """A finger's tap at the middle of the element, as touch events."""
    x, y = page.js("const r = arguments[0].getBoundingClientRect();"
                   "return [r.x + r.width / 2, r.y + r.height / 2]", element)
    for kind, points in (('touchStart', [dict(x=x, y=y)]), ('touchEnd', [])):
        page.driver.execute_cdp_cmd('Input.dispatchTouchEvent', dict(type=kind, touchPoints=points))


def mobile(page):
    """A tablet, a phone lying down and one upright: the window fits and stays full size on the
    tablet; the first round tapped through on the phone, turned on its side with a box open,
    with what a screen reader reads of the boxes, the pictures and the pause."""
    for size in ((1024, 768), (740, 360), (320, 568)):
        page.load(phone=size)
        assert (fitted(page, *size) == 1) == (size == (1024, 768)), size
    assert page.js("return matchMedia('(pointer: coarse)').matches")
    assert node(page, 'button', 'Alusta mängu.')['focused']
    tap(page, page.driver.find_element(By.ID, 'Command1'))

    def check(kind, box, picture):
        nonlocal size
        if kind == 'closed':
            # The next box may cover the picture on a small screen: its description tells it.
            wait(lambda: page.js('return Image1.firstChild?.alt') == f'Proovipilt {picture}',
                 what=picture)
            return
        fitted(page, *size)
        if kind == 'question':
            # What a screen reader reads: the statement and then the picture behind the box as
            # its description, Jah focused.
            statement = page.js("return arguments[0].querySelector('p').textContent", box)
            assert node(page, 'alertdialog', 'Torvamik!')['description'] == statement + (
                f' Proovipilt {picture}' if picture else '')
            assert node(page, 'button', 'Jah')['focused'] and node(page, 'button', 'Ei')
            if picture == '4õv.jpg':  # turned on its side at the third question
                size = size[::-1]
                page.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', dict(
                    width=size[0], height=size[1], deviceScaleFactor=3, mobile=True))
                fitted(page, *size)

    play(page, 'rrrrr', lambda box, jah: tap(page, button(box, 'Jah' if jah else 'Ei')),
         lambda box: tap(page, button(box, 'OK')), check)
    # The pause's status and each of its pictures are announced from a polite live region.
    for name in ('0.jpg', '1.jpg'):
        wait(lambda: live_text(page) == [WAITING, f'Proovipilt {name}'], what=name)
    assert page.js('return violations') == []


def offline(page):
    """With the HTTP cache on: online, a year-old picture replaced on the server shows new and a
    deleted one is error 53; with the server stopped, the page loads from the worker's copy and
    plays a round with the pictures as last fetched."""
    page.driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': False})
    folder, year_ago = page.load(), time.time() - 365 * 86400
    os.utime(os.path.join(folder, '5õv.jpg'), (year_ago, year_ago))
    page.js('return navigator.serviceWorker.ready.then(() => true)')
    assert page.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {}) == {
        'installabilityErrors': []}
    error = "return document.querySelector('dialog[open] p')?.textContent"

    def play_again(plan):
        """Reloads the page and plays by plan, each picture on screen; the text of an error box."""
        page.driver.refresh()
        page.ready()
        page.keys(' ')
        play(page, plan, check=lambda kind, box, name: kind != 'closed' or wait(
            lambda: page.shows(name) or page.js(error), what=name))
        return page.js(error)

    play_again('r')  # 5õv.jpg, into the HTTP cache with a date a year old
    page.put_picture(os.path.join(folder, '5õv.jpg'), "g.fillStyle = '#78ff00';"
                     " g.fillRect(0, 0, 976, 752)")
    COLOURS['5õv.jpg'] = bytes.fromhex('78ff00')
    os.remove(os.path.join(folder, '4õv.jpg'))
    assert play_again('rr') == "Run-time error '53':\n\nFile not found\n\n4õv.jpg"
    page.keys(Keys.RETURN)
    page.server.kill()
    page.server.wait()
    assert play_again('rrwrw') is None
    assert page.js('return navigator.serviceWorker.controller != null')
    wait(lambda: page.shows('1.jpg'), what='the round picture')
    assert page.js('return violations') == []


def axe_script():
    """axe-core as the package lock pins it, installed by npm ci beside the web build."""
    here, folder = os.path.dirname(os.path.abspath(__file__)), os.path.join(build, '..', 'npm')
    lock = os.path.join(folder, 'package-lock.json')
    if not os.path.exists(lock) or open(lock).read() != open(f'{here}/package-lock.json').read():
        if not shutil.which('npm'):
            sys.exit(print('SKIPPED: no npm for axe-core (scripts/install-deps test installs it)')
                     or 77)
        os.makedirs(folder, exist_ok=True)
        for name in ('package.json', 'package-lock.json'):
            shutil.copy(os.path.join(here, name), folder)
        subprocess.run(['npm', 'ci', '--ignore-scripts', '--no-audit', '--no-fund'], cwd=folder,
                       check=True, stdout=subprocess.DEVNULL)
    return open(os.path.join(folder, 'node_modules', 'axe-core', 'axe.min.js')).read()


page = Page(os.path.join(build, 'site' if group == 'layout' or
                         group.startswith('picture.') else 'fast-clock'))
if group.startswith('picture.'):
    picture_run(page, group[len('picture.'):])
else:
    {'keyboard': whole_run, 'layout': layout, 'mobile': mobile, 'offline': offline}[group](page)
page.driver.quit()
page.server.kill()
shutil.rmtree(page.root, ignore_errors=True)
