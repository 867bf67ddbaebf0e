#!/usr/bin/python3
"""The quiz's page in headless Chromium. Usage: web_test.py GROUP WEB_BUILD PICTURES
GROUP is one of clicks, keyboard (whole runs on the fast test page), real-time (the shipped
page), errors or layout; WEB_BUILD holds site/ and fast-clock/; PICTURES the solid pictures."""
import os, sys, time
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from webpage import COLOURS, STATEMENTS, Page, wait

ASKING, WAITING = 'Jälgige ka fotot dialoogikasti taga!', 'Oota pisut...'
group, build, pictures = sys.argv[1:]


def whole_run(page, answers, answer, confirm):
    """Plays twenty questions with the answers ('Y' Jah, 'N' Ei) and checks every box, caption
    and picture; answer(yes) and confirm() press the buttons."""
    previous, picture = None, None
    for index, (round, position, right, statement) in enumerate(STATEMENTS):
        box, title, text = page.box(previous)
        assert (title, text, page.buttons(box)) == ('Torvamik!', statement, ['Jah', 'Ei'])
        assert page.caption() == ASKING
        assert picture is None or page.shows(picture), f'{picture} behind {round}.{position}'
        if index == 0 and group == 'keyboard':
            page.keys(Keys.ESCAPE, Keys.ESCAPE)
            time.sleep(0.3)
            assert box.get_attribute('open') is not None, 'Escape closed a Jah/Ei box'
        yes = answers[index] == 'Y'
        answer(yes)
        correct = yes == (right == 'Jah')
        score = (0 if position == '1' else score) + (1 if correct else -1)
        score = max(score, 0)
        picture = f"{6 - score}{'õ' if correct else 'v'}v.jpg"
        previous, title, text = page.box(box)
        assert (title, page.buttons(previous)) == ('Torvamik!', ['OK'])
        assert text == ('Vastus oli õige!' if correct else 'Vastus oli vale!')
        confirm()
        if position == '5':
            wait(lambda: page.shows('0.jpg'), what=f'0.jpg after round {round}')
            assert page.caption() == WAITING
            picture = f'{round}.jpg'
            wait(lambda: page.shows(picture), what=f'{picture} after the first pause')
    wait(page.window_gone, what='the end')
    assert {n for path, n in page.requests().items() if path.endswith('.jpg')} == {1}
    assert page.console() == []


def errors():
    """Each bad kind of file under a feedback name, the waiting name and a round name."""
    kinds = {'missing': None, 'empty': b'', 'cut off': 'half', 'no picture': b'no JPEG\n' * 40}
    page = Page(os.path.join(build, 'fast-clock'))
    for name in ('5õv.jpg', '0.jpg', '1.jpg'):
        for kind, content in kinds.items():
            path = os.path.join(page.load(pictures), name)
            whole = open(path, 'rb').read()
            os.remove(path)
            if content is not None:
                open(path, 'wb').write(whole[:len(whole) // 2] if content == 'half' else content)
            number, description = (53, 'File not found') if content is None else (
                481, 'Invalid picture')
            page.click('Command1')
            box, title, text = page.box()
            while not text.startswith('Run-time'):  # Jah to every question, OK to the rest
                box.find_element(By.TAG_NAME, 'button').click()
                box, title, text = page.box(box)
            assert (title, page.buttons(box)) == ('Torvamik!', ['OK']), kind
            assert text == f"Run-time error '{number}':\n\n{description}\n\n{name}", (kind, text)
            line = f'torvamik: Run-time error {number}: {description}: {name}'
            assert any(line in message for message in page.console()), (kind, name)
            box.find_element(By.TAG_NAME, 'button').click()
            wait(page.window_gone, what=f'the end after {kind} {name}')
    page.close()


def real_time(page):
    """Return to every box; both pauses of each round last 5 s on a timer while clicks on the
    disabled button and the picture do nothing, and the whole run takes 40 s."""
    page.js("window.changes = []; new MutationObserver(records => records.forEach(r => {"
            " r.addedNodes.forEach(n => ['IMG', 'DIALOG'].includes(n.nodeName) &&"
            "  changes.push([performance.now(), n.nodeName]));"
            " r.removedNodes.forEach(n => n.id == 'Form1' && changes.push([performance.now()]));"
            "})).observe(document.body, {childList: true, subtree: true})")
    started, box = time.monotonic(), None
    page.keys(' ')
    for index in range(40):
        box = page.box(box, 15)[0]
        page.keys(Keys.RETURN)
        if index == 9:
            time.sleep(1)
            page.click('Command1')
            page.click('Image1')
            time.sleep(2)
            assert page.caption() == WAITING and page.js("return !document.querySelector('dialog')")
    wait(page.window_gone, 15, 'the end')
    assert time.monotonic() - started >= 40
    changes = page.js('return changes')
    pauses = [(changes[i + 1][0] - changes[i][0], changes[i + 2][0] - changes[i + 1][0])
              for i in range(len(changes) - 2) if changes[i][1:] == changes[i + 1][1:] == ['IMG'] != changes[i + 2][1:]]
    assert len(pauses) == 4 and all(5000 <= p <= 5030 for pair in pauses for p in pair), pauses
    assert page.console() == []


def main():
    if group == 'errors':
        return errors()
    site = os.path.join(build, 'site' if group in ('real-time', 'layout') else 'fast-clock')
    if group == 'layout':
        for scale in (1, 2):
            page = Page(site, scale)
            page.load(pictures)
            rects = page.js("const f = document.getElementById('Form1');"
                            "const r = id => document.getElementById(id).getBoundingClientRect();"
                            "return [f.clientWidth, f.clientHeight, devicePixelRatio].concat("
                            "...['Command1', 'Image1'].map(id => [r(id).left - r('Form1').left,"
                            " r(id).top - r('Form1').top, r(id).width, r(id).height]))")
            assert rects == [504, 448, scale, 8, 8, 489, 49, 8, 64, 488, 376], rects
            assert page.driver.title == 'Torvamik!' and page.caption() == 'Alusta mängu.'
            assert page.js('return document.activeElement.id') == 'Command1'
            assert not [path for path in page.requests() if path.endswith('.jpg')]
            page.close()
        return
    page = Page(site)
    page.load(pictures)
    if group == 'clicks':
        page.click('Command1')
        click = lambda label: page.driver.find_element(
            'xpath', f"//dialog[@open]//button[normalize-space()='{label}']").click()
        whole_run(page, 'YNYNYYYNNYNYYYYYNYYY', lambda yes: click('Jah' if yes else 'Ei'),
                  lambda: click('OK'))
    elif group == 'real-time':
        real_time(page)
    elif group == 'keyboard':
        page.keys(' ')
        keys = iter([Keys.RETURN, 'j'] * 20)
        whole_run(page, 'YYNNYNNYYNYYNYYNNNNN', lambda yes: page.keys(next(keys) if yes else 'e'),
                  lambda: page.keys(Keys.RETURN))
    page.close()


main()
