#!/usr/bin/env python3
"""The page to solve in a browser, solved in headless chromium by key presses.

Exports a puzzle with gridlex-cli, opens the page and drives it over the DevTools protocol on a
pipe (NUL-separated JSON on descriptors 3 and 4), with nothing but the standard library: every
answer is typed (half with the Russian letters, half with the Latin keys of the same places), one
wrong letter is checked, the progress must survive a reload, and the page must end up solved with
as many clues as the puzzle has. Exits 77 (skipped) where chromium is not installed.

  playable_page_test.py CLI PUZZLE.gx [--screenshots DIR]
"""

import base64
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

# The Latin keys on the places of the Russian letters (э with Shift, as '"').
LATIN_KEYS = dict(zip("йцукенгшщзхъфывапролджэячсмитьбю", "qwertyuiop[]asdfghjkl;\"zxcvbnm,."))


class Fail(Exception):
    pass


class Browser:
    """Chromium with its DevTools endpoint on a pipe."""

    def __init__(self, profile):
        exe = shutil.which("chromium") or shutil.which("chromium-browser")
        if not exe:
            raise FileNotFoundError
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def wire():
            # Copies above the pipes' own numbers first: one of those may be 3 or 4.
            commands, answers = os.dup(to_browser_r), os.dup(from_browser_w)
            os.dup2(commands, 3)
            os.dup2(answers, 4)

        args = [exe, "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
                "--disable-extensions", "--disable-background-networking", "--disable-sync", "--mute-audio",
                "--user-data-dir=" + profile, "--remote-debugging-pipe", "about:blank"]
        self.process = subprocess.Popen(args, preexec_fn=wire, close_fds=False,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.session = None

    def close(self):
        try:
            self.call("Browser.close", session=False, timeout=5)
        except Exception:
            pass
        try:
            self.process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def _message(self, deadline):
        while b"\0" not in self.buffer:
            if time.time() > deadline:
                raise Fail("chromium did not answer in time")
            chunk = os.read(self.from_browser, 1 << 16)
            if not chunk:
                raise Fail("chromium closed its pipe")
            self.buffer += chunk
        raw, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(raw)

    def _send(self, method, params, session):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        return self.next_id

    def call(self, method, params=None, session=True, timeout=20):
        target = self.session if session is True else (session or None)
        wanted = self._send(method, params, target)
        deadline = time.time() + timeout
        while True:
            message = self._message(deadline)
            if message.get("id") == wanted:
                if "error" in message:
                    raise Fail(method + ": " + json.dumps(message["error"]))
                return message.get("result", {})
            if message.get("method") == "Page.javascriptDialogOpening":
                # The page asks before it reveals or erases everything: the user says yes.
                self._send("Page.handleJavaScriptDialog", {"accept": True}, message.get("sessionId"))
            elif "method" in message:
                self.events.append(message)

    def wait_event(self, method, timeout=20):
        deadline = time.time() + timeout
        while True:
            for n, event in enumerate(self.events):
                if event["method"] == method:
                    del self.events[n]
                    return event
            message = self._message(deadline)
            if "method" in message:
                self.events.append(message)

    def open_page(self):
        target = self.call("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True},
                                 session=False)["sessionId"]
        for domain in ("Page", "Runtime", "Network"):
            self.call(domain + ".enable")

    def eval(self, expression):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True})
        if "exceptionDetails" in result:
            raise Fail("page script failed: " + json.dumps(result["exceptionDetails"])[:500])
        return result["result"].get("value")

    def load(self, url):
        self.call("Page.navigate", {"url": url})
        self.wait_event("Page.loadEventFired")
        self.wait_ready()

    def reload(self):
        self.call("Page.reload")
        self.wait_event("Page.loadEventFired")
        self.wait_ready()

    def wait_ready(self):
        for _ in range(100):
            if self.eval("document.body && document.body.getAttribute('data-ready')") == "true":
                return
            time.sleep(0.05)
        raise Fail("the page's script did not start")

    def click(self, selector):
        box = self.eval("(function(){var e=document.querySelector(%s);e.scrollIntoView({block:'center'});"
                        "var r=e.getBoundingClientRect();return [r.left+r.width/2,r.top+r.height/2];})()"
                        % json.dumps(selector))
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", {"type": kind, "x": box[0], "y": box[1], "button": "left",
                                                   "clickCount": 1})

    NAMED_KEYS = {"ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40, "Backspace": 8}

    def press(self, key):
        if key in self.NAMED_KEYS:
            down = {"type": "rawKeyDown", "key": key, "code": key, "windowsVirtualKeyCode": self.NAMED_KEYS[key]}
        else:
            down = {"type": "keyDown", "key": key, "text": key, "unmodifiedText": key}
        self.call("Input.dispatchKeyEvent", down)
        self.call("Input.dispatchKeyEvent", {"type": "keyUp", "key": key})

    def screenshot(self, path, width):
        self.call("Emulation.setDeviceMetricsOverride", {"width": width, "height": 800, "deviceScaleFactor": 1,
                                                         "mobile": width < 600})
        height = self.eval("Math.ceil(document.documentElement.scrollHeight)")
        self.call("Emulation.setDeviceMetricsOverride", {"width": width, "height": height, "deviceScaleFactor": 1,
                                                         "mobile": width < 600})
        png = self.call("Page.captureScreenshot", {"format": "png"})["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(png))
        self.call("Emulation.clearDeviceMetricsOverride")


def puzzle_words(cli, puzzle):
    """Slot count and the words in table order (number, answer, down) as the batch tool shows them."""
    text = subprocess.run([cli, "show", puzzle], check=True, capture_output=True, text=True).stdout
    slots = int(re.match(r"slots (\d+)", text).group(1))
    words, down = [], None
    for line in text.splitlines():
        if line.startswith("По горизонтали"):
            down = False
        elif line.startswith("По вертикали"):
            down = True
        elif down is not None:
            found = re.match(r"(\d+)\. (\S+) — ", line)
            if found:
                words.append((int(found.group(1)), found.group(2), down))
    if len(words) != slots:
        raise Fail("show listed %d words for %d slots" % (len(words), slots))
    return slots, words


def typed_letters(browser):
    return browser.eval("Array.from(document.querySelectorAll('#board .cell .ch')).map(e=>e.textContent).join('')")


def type_word(browser, slot, word, latin):
    """Clicks the clue and types the word from where the cursor lands: its first empty cell."""
    browser.click('.list li[data-slot="%d"] button' % slot)
    at = int(browser.eval("document.querySelector('#board .cell.cur').dataset.at"))
    x, y, _, down, _ = browser.eval("JSON.parse(document.getElementById('puzzle-data').textContent).slots[%d]" % slot)
    width = browser.eval("JSON.parse(document.getElementById('puzzle-data').textContent).width")
    start = (at // width - y) if down else (at % width - x)
    for letter in word[start:]:
        browser.press(LATIN_KEYS[letter] if latin else letter)


def run(cli, puzzle, shots):
    work = tempfile.mkdtemp(prefix="gridlex-play-")
    try:
        page = os.path.join(work, "page.html")
        subprocess.run([cli, "export", puzzle, "--html-play", page], check=True)
        slots, words = puzzle_words(cli, puzzle)
        try:
            browser = Browser(os.path.join(work, "profile"))
        except FileNotFoundError:
            print("SKIPPED: chromium is not installed (./scripts/test installs it)")
            return SKIP
        try:
            browser.open_page()
            browser.load("file://" + page)
            solve(browser, slots, words, shots)
            requests = [e["params"]["request"]["url"] for e in browser.events
                        if e["method"] == "Network.requestWillBeSent"]
            outside = [url for url in requests if not url.startswith(("file:", "data:", "about:"))]
            if outside:
                raise Fail("the page asked the network for " + ", ".join(outside))
        finally:
            browser.close()
        print("solved in chromium: %d clues typed" % slots)
        return 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


def check(condition, message):
    if not condition:
        raise Fail(message)


def navigate(browser, words):
    """A clue, a click on its cell, arrows, a letter and Backspace; the whole grid fits a phone."""
    number, word, _ = words[0]
    first = browser.eval("(function(){var d=JSON.parse(document.getElementById('puzzle-data').textContent);"
                         "return d.slots[0][1]*d.width+d.slots[0][0];})()")
    cell = '#board .cell[data-at="%d"]' % first
    label = browser.eval("document.querySelector('%s').getAttribute('aria-label')" % cell)
    check(label.startswith("%d по горизонтали, буква 1 из %d" % (number, len(word))) and label.endswith("пусто"),
          "the first cell is labelled %r" % label)
    bar = lambda: browser.eval("document.getElementById('bar').textContent")
    current = lambda: int(browser.eval("document.querySelector('#board .cell.cur').dataset.at"))
    browser.click('.list li[data-slot="0"] button')
    check(current() == first and bar().startswith("%d по горизонтали" % number), "the clue chose %r" % bar())
    if "по вертикали" in label:
        browser.click(cell)
        check(bar().startswith("%d по вертикали" % number), "a click on the current cell kept %r" % bar())
        browser.press("ArrowRight")  # turns across first
        check(current() == first and "по горизонтали" in bar(), "the arrow did not turn the cursor")
    browser.press("ArrowRight")
    check(current() == first + 1, "the arrow did not move the cursor")
    browser.press("я")
    check(typed_letters(browser) == "я", "typing showed %r" % typed_letters(browser))
    browser.press("ArrowLeft")
    browser.press("ArrowLeft")
    browser.call("Input.insertText", {"text": "Ж"})  # a keyboard on the screen sends text alone
    check(typed_letters(browser) == "жя", "text from a screen keyboard showed %r" % typed_letters(browser))
    browser.press("ArrowRight")
    browser.press("Backspace")
    browser.press("Backspace")
    check(typed_letters(browser) == "" and current() == first, "Backspace left %r" % typed_letters(browser))
    browser.call("Emulation.setDeviceMetricsOverride", {"width": 360, "height": 740, "deviceScaleFactor": 1,
                                                        "mobile": True})
    wide = browser.eval("document.documentElement.scrollWidth")
    board = browser.eval("document.getElementById('board').getBoundingClientRect().right")
    browser.call("Emulation.clearDeviceMetricsOverride")
    check(wide <= 360 and board <= 360, "at 360 pixels the page is %s wide, the grid ends at %s" % (wide, board))


def solve(browser, slots, words, shots):
    shown = browser.eval("document.querySelectorAll('.list li').length")
    check(shown == slots, "the page lists %s clues, the puzzle has %d" % (shown, slots))
    across = sum(1 for _, _, down in words if not down)
    check(browser.eval("document.querySelectorAll('#across + ul li').length") == across, "across list differs")
    navigate(browser, words)

    # One wrong letter: checking the word marks that cell and no other.
    number, word, _ = words[0]
    wrong = word[:1] + ("а" if word[1] != "а" else "б") + word[2:]
    type_word(browser, 0, wrong, False)
    browser.click("#check")
    marked = browser.eval("Array.from(document.querySelectorAll('#board .cell.wrong')).map(e=>Number(e.dataset.at))")
    slot = browser.eval("JSON.parse(document.getElementById('puzzle-data').textContent).slots[0]")
    width = browser.eval("JSON.parse(document.getElementById('puzzle-data').textContent).width")
    check(marked == [slot[1] * width + slot[0] + (width if slot[3] else 1)],
          "checking %d marked %s, not the second cell" % (number, marked))
    check("1" in browser.eval("document.getElementById('status').textContent"), "the check says nothing")
    type_word(browser, 0, word, False)
    check(browser.eval("document.querySelectorAll('#board .cell.wrong').length") == 0, "the mark stayed")

    half = len(words) // 2
    for n in range(1, half):
        type_word(browser, n, words[n][1], n % 2 == 1)
    before = typed_letters(browser)
    check(before.strip() != "", "nothing shows as typed")
    browser.reload()
    check(typed_letters(browser) == before, "the letters typed were not kept over a reload")
    if shots:
        type_word(browser, half, words[half][1][:-1] + ("а" if words[half][1][-1] != "а" else "б"), False)
        browser.click("#check")
        browser.screenshot(os.path.join(shots, "play-1280.png"), 1280)
        browser.screenshot(os.path.join(shots, "play-360.png"), 360)
    check(browser.eval("document.body.getAttribute('data-state')") != "solved", "solved too early")

    for n in range(half, len(words)):
        type_word(browser, n, words[n][1], n % 2 == 1)
    status = browser.eval("document.getElementById('status').textContent")
    check(browser.eval("document.body.getAttribute('data-state')") == "solved" and "решён" in status,
          "every answer typed, yet the page says %r" % status)
    if shots:
        browser.screenshot(os.path.join(shots, "play-solved-360.png"), 360)

    # Starting again empties the grid; a revealed letter and then everything are shown as revealed.
    browser.click("#restart")
    check(typed_letters(browser) == "", "starting again left letters")
    browser.click('.list li[data-slot="0"] button')
    browser.click("#reveal")
    check(browser.eval("document.querySelectorAll('#board .cell.revealed').length") == 1, "no cell shows as revealed")
    check(typed_letters(browser) == word[0], "revealing gave %r, not %r" % (typed_letters(browser), word[0]))
    browser.click("#show-all")
    status = browser.eval("document.getElementById('status').textContent")
    cells = browser.eval("document.querySelectorAll('#board .cell').length")
    check("Открыто букв: %d." % cells in status, "after showing everything the page says %r" % status)


def main():
    args = sys.argv[1:]
    shots = None
    if "--screenshots" in args:
        at = args.index("--screenshots")
        shots = os.path.abspath(args[at + 1])
        del args[at:at + 2]
        os.makedirs(shots, exist_ok=True)
    if len(args) != 2:
        print(__doc__)
        return 2
    try:
        return run(os.path.abspath(args[0]), os.path.abspath(args[1]), shots)
    except Fail as fault:
        print("FAILED: %s" % fault)
        return 1


if __name__ == "__main__":
    sys.exit(main())
