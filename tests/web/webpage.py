"""The page under test: a folder with the site and a picture set, served by python3 -m http.server
and opened in headless Chromium through Selenium."""
import base64, collections, os, re, shutil, subprocess, sys, tempfile, time, urllib.parse, zlib
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By

SUPPORT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'support')
FLAGS = ('--headless --no-sandbox --disable-gpu --disable-quic --no-first-run '
         '--disable-background-networking --disable-component-update --disable-sync').split()


def table(name):
    with open(os.path.join(SUPPORT, name), encoding='utf-8') as rows:
        return [row.rstrip('\n').split('\t') for row in rows if row.strip() and row[0] != '#']


STATEMENTS = table('statements.tsv')  # round, position, right answer, statement
COLOURS = {name: bytes.fromhex(colour[1:]) for name, colour in table('pictures.tsv')}


def wait(condition, seconds=10, what='the page'):
    deadline = time.monotonic() + seconds
    while not (result := condition()):
        assert time.monotonic() < deadline, f'timed out waiting for {what}'
        time.sleep(0.02)
    return result


class Page:
    """One browser and one server for a test; load() opens the page from a fresh folder."""

    def __init__(self, site, scale=1):
        self.site, self.root = site, tempfile.mkdtemp()
        self.log = open(os.path.join(self.root, 'requests.log'), 'w+')
        self.server = subprocess.Popen([sys.executable, '-u', '-m', 'http.server', '-b',
                                        '127.0.0.1', '0'], cwd=self.root,
                                       stdout=subprocess.PIPE, stderr=self.log, text=True)
        self.url = f'http://127.0.0.1:{self.server.stdout.readline().split()[5]}'
        options = webdriver.ChromeOptions()
        for flag in FLAGS + ['--user-data-dir=' + os.path.join(self.root, 'profile')]:
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        self.driver = webdriver.Chrome(options=options)
        self.cdp('Network.enable')
        self.cdp('Network.setCacheDisabled', cacheDisabled=True)
        self.cdp('Emulation.setDeviceMetricsOverride', width=1000, height=800,
                 deviceScaleFactor=scale, mobile=False)

    def load(self, pictures):
        folder = tempfile.mkdtemp(dir=self.root)
        for source in (self.site, pictures):
            shutil.copytree(source, folder, dirs_exist_ok=True)
        self.driver.get(f'{self.url}/{os.path.basename(folder)}/index.html')
        wait(lambda: self.js("return performance.getEntriesByName('torvamik-ready').length"))
        return folder

    def cdp(self, command, **arguments):
        return self.driver.execute_cdp_cmd(command, arguments)

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def close(self):
        self.driver.quit()
        self.server.kill()
        self.server.wait()
        shutil.rmtree(self.root)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def click(self, element_id):
        ActionChains(self.driver).click(self.driver.find_element(By.ID, element_id)).perform()

    def caption(self):
        return self.js("return document.getElementById('Command1').textContent")

    def window_gone(self):
        return self.js("return !document.getElementById('Form1')")

    def box(self, previous=None, seconds=10):
        """The open box once it is another than previous: its element, title and text as the
        dialog's aria-labelledby and aria-describedby name them."""
        box = wait(lambda: next((d for d in self.driver.find_elements(By.CSS_SELECTOR,
                                 'dialog[open]') if d != previous), None), seconds, 'a box')
        assert box.get_attribute('role') == 'alertdialog'
        title, text = (self.js('return document.getElementById(arguments[0]).textContent',
                               box.get_attribute(f'aria-{ref}')) for ref in ('labelledby',
                                                                            'describedby'))
        return box, title, text

    def buttons(self, box):
        return [b.text for b in box.find_elements(By.TAG_NAME, 'button')]

    def shows(self, name):
        """Whether the screen shows the picture: one pixel near the picture area's corner."""
        x, y = self.js("const r = document.getElementById('Image1').getBoundingClientRect();"
                       "return [r.left + 12, r.top + 12]")
        png = base64.b64decode(self.cdp('Page.captureScreenshot', clip=dict(
            x=x, y=y, width=1, height=1, scale=1))['data'])
        data, at = b'', 8
        while at < len(png):  # the first pixel of a PNG is stored as it is, whatever its filter
            length = int.from_bytes(png[at:at + 4], 'big')
            data += png[at + 8:at + 8 + length] if png[at + 4:at + 8] == b'IDAT' else b''
            at += 12 + length
        return all(abs(a - b) <= 16 for a, b in zip(zlib.decompress(data)[1:4], COLOURS[name]))

    def requests(self):
        """How often each path was requested; every request must have succeeded."""
        self.log.seek(0)
        lines = re.findall(r'"GET (\S+) HTTP/1.1" (\d+)', self.log.read())
        assert all(status == '200' for _, status in lines), lines
        return collections.Counter(urllib.parse.unquote(path) for path, _ in lines)

    def console(self):
        return [entry['message'] for entry in self.driver.get_log('browser')]
