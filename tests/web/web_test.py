#!/usr/bin/python3
"""The game's web page (`make web`) played in a headless Chromium, as `make test-web` runs it:

the page loads and the main menu answers, the first click starts the music's AudioContext, New game starts
the introduction, a click in the first room walks the hero, the Main menu button of the control panel keeps the
game, and after a reload the menu offers Continue, which takes the game up where the hero stood; the page's
language switch then starts the German game.

Everything waits for what the canvas shows (hashes of its rectangles, in the game's 640 x 480 pixels); nothing
sleeps a fixed time but the short pause that tells a still picture from a moving one. Prints the figures
(time to the main menu, the CPU the page uses while the game waits) at the end.

    python3 tests/web/web_test.py build/web
"""
import functools
import http.server
import os
import socket
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

GAME_W, GAME_H = 640, 480


class Failure(Exception):
    pass


def serve(folder):
    """The page served from a free port on this machine; returns the server (stopped at the end)."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Page:
    def __init__(self, url, profile):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for a in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1000,800",
                  "--autoplay-policy=user-gesture-required", f"--user-data-dir={profile}", "--lang=en-US"):
            options.add_argument(a)
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.url = url

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def open(self):
        self.driver.get(self.url)
        self.menu_seen_ms = None  # when the menu's picture first stood there, on the page's clock
        self.canvas = self.driver.find_element("id", "screen")

    # A hash of the rectangle w x h at (x, y) of the picture as the canvas shows it now.
    def region(self, w, h, x, y):
        return self.js("""
            const [w, h, x, y] = arguments;
            const d = document.getElementById('screen').getContext('2d').getImageData(x, y, w, h).data;
            let a = 2166136261 >>> 0, b = 0;
            for (let i = 0; i < d.length; ++i) { a = Math.imul(a ^ d[i], 16777619) >>> 0; b = (b + d[i]) % 65521; }
            return a + ':' + b;""", w, h, x, y)

    def black(self, w, h, x, y):
        return self.js("""
            const [w, h, x, y] = arguments;
            const d = document.getElementById('screen').getContext('2d').getImageData(x, y, w, h).data;
            for (let i = 0; i < d.length; i += 4) if (d[i] || d[i + 1] || d[i + 2]) return false;
            return true;""", w, h, x, y)

    def still(self, *rect):
        a = self.region(*rect)
        time.sleep(0.3)
        return self.region(*rect) == a

    # The pointer to the picture's pixel (x, y): Selenium's offsets count from the canvas's middle.
    def _offset(self, x, y):
        r = self.js("const r = document.getElementById('screen').getBoundingClientRect(); return [r.width, r.height];")
        return (int((x + 0.5) * r[0] / GAME_W - r[0] / 2), int((y + 0.5) * r[1] / GAME_H - r[1] / 2))

    def move(self, x, y):
        ActionChains(self.driver).move_to_element_with_offset(self.canvas, *self._offset(x, y)).perform()

    def click_at(self, x, y):
        ActionChains(self.driver).move_to_element_with_offset(self.canvas, *self._offset(x, y)) \
            .pause(0.1).click_and_hold().pause(0.15).release().perform()

    def key(self, k):
        ActionChains(self.driver).send_keys(k).perform()


def wait_for(seconds, what, test):
    until = time.monotonic() + seconds
    while time.monotonic() < until:
        if test():
            return
    raise Failure(what)


def eyes_blink(page):
    """The main menu is up when the eyes (60 x 30 at 440, 270) close while the left button is held and open
    again when it is let go, on a picture that otherwise stands still: nothing else in the game does that."""
    page.move(400, 100)
    if not page.still(60, 30, 440, 270) or page.black(60, 30, 440, 270):
        return False
    page.menu_seen_ms = page.menu_seen_ms or page.js("return performance.now()")
    open_ = page.region(60, 30, 440, 270)
    ActionChains(page.driver).click_and_hold().perform()
    try:
        closed = open_
        for _ in range(20):
            closed = page.region(60, 30, 440, 270)
            if closed != open_:
                break
        held = closed != open_ and page.still(60, 30, 440, 270) and page.region(60, 30, 440, 270) == closed
    finally:
        ActionChains(page.driver).release().perform()
    if not held:
        return False
    for _ in range(20):
        if page.region(60, 30, 440, 270) == open_:
            break
    return page.still(60, 30, 440, 270) and page.region(60, 30, 440, 270) == open_


def wait_for_menu(page):
    wait_for(120, "the main menu did not appear", lambda: eyes_blink(page) and eyes_blink(page))


def bag_answers(page):
    """The main loop runs when the bag lights up under the pointer and goes dark when it leaves."""
    page.move(75, 400)
    for _ in range(5):
        lit = page.region(14, 50, 42, 375)
        page.move(600, 20)
        if page.region(14, 50, 42, 375) != lit:
            return True
        page.move(75, 400)
    return False


def new_game_to_main_loop(page):
    page.move(150, 175)
    wait_for(10, "the menu does not stand still", lambda: page.still(200, 50, 60, 10))
    before = page.region(200, 50, 60, 10)
    page.click_at(150, 175)
    wait_for(30, "New game did not open the introduction", lambda: page.region(200, 50, 60, 10) != before)
    page.move(320, 240)
    wait_for(30, "the introduction does not stand still", lambda: page.still(640, 480, 0, 0))
    before = page.region(640, 480, 0, 0)
    page.click_at(320, 240)
    wait_for(30, "a click did not end the introduction", lambda: page.region(640, 480, 0, 0) != before)
    page.key(Keys.ESCAPE)
    wait_for(90, "the main loop did not come after the opening scene", lambda: bag_answers(page))


def page_cpu_seconds(page):
    """The CPU the page's renderer has used so far (Chrome's own count, through the DevTools protocol)."""
    m = page.driver.execute_cdp_cmd("Performance.getMetrics", {})
    return {x["name"]: x["value"] for x in m["metrics"]}


def idle_cpu(page, seconds=5):
    """The share of a core the page's main thread is busy while the game waits for the player."""
    page.driver.execute_cdp_cmd("Performance.enable", {})
    a = page_cpu_seconds(page)
    time.sleep(seconds)  # a span to measure over, not a wait for the game
    b = page_cpu_seconds(page)
    return (b["TaskDuration"] - a["TaskDuration"]) / (b["Timestamp"] - a["Timestamp"])


def main(folder):
    server = serve(folder)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html?lang=en"
    figures = {}
    with tempfile.TemporaryDirectory() as profile:
        page = Page(url, profile)
        try:
            page.open()
            wait_for(120, "the page did not start the game",
                     lambda: page.js("return !!(window.pelvaroLoad && window.pelvaroLoad.running)"))
            wait_for_menu(page)
            load = page.js("return window.pelvaroLoad")
            figures["data downloaded (s)"] = round((load["downloaded"]) / 1000, 2)
            figures["game running (s)"] = round(load["running"] / 1000, 2)
            figures["main menu shown (s)"] = round(page.menu_seen_ms / 1000, 2)
            figures["main menu answering (s)"] = round(page.js("return performance.now()") / 1000, 2)
            state = page.js("return window.pelvaroAudio ? window.pelvaroAudio.state : 'none'")
            if state != "running":
                raise Failure(f"the music's AudioContext is {state} after the first click")
            # The menu's music, from the library's synthesiser, reaches Web Audio: a second of blocks that are
            # not silent.
            wait_for(20, "no music was played through the page's AudioContext",
                     lambda: page.js("return Module.pelvaro.blocksHeard || 0") > 43)
            figures["page CPU in the main menu (share of a core)"] = round(idle_cpu(page), 3)
            menu_without = page.region(212, 34, 61, 204)
            english_new_game = page.region(200, 30, 65, 160)

            new_game_to_main_loop(page)
            page.move(600, 20)
            wait_for(10, "the room does not stand still", lambda: page.still(640, 340, 0, 0))
            figures["page CPU in the first room (share of a core)"] = round(idle_cpu(page), 3)
            start = page.region(640, 340, 0, 0)
            page.click_at(420, 330)
            page.move(600, 20)
            wait_for(10, "the hero did not walk", lambda: page.region(640, 340, 0, 0) != start)
            wait_for(20, "the hero does not come to a stop", lambda: page.still(640, 340, 0, 0))
            room = page.region(640, 340, 0, 0)

            # The bag, the control panel, Main menu: the game is kept in the autosave.
            page.move(600, 20)
            wait_for(10, "the room does not stand still", lambda: page.still(60, 65, 520, 350))
            before = page.region(60, 65, 520, 350)
            page.click_at(70, 400)
            wait_for(10, "the bag did not open the inventory", lambda: page.region(60, 65, 520, 350) != before)
            wait_for(10, "the inventory does not stand still", lambda: page.still(60, 65, 520, 350))
            inv = page.region(60, 65, 520, 350)
            page.click_at(200, 375)
            page.move(500, 100)
            wait_for(10, "the panel did not open", lambda: page.region(60, 65, 520, 350) != inv)
            page.click_at(381, 337)
            wait_for_menu(page)
            # The autosave has reached the browser's storage: a keeping began after it was written.
            wait_for(10, "the autosave was not stored", lambda: page.js(
                "const f = Module.pelvaro.player + '/sav/autosave.sav';"
                "return FS.analyzePath(f).exists && Module.pelvaro.keptUpTo > FS.stat(f).mtime.getTime()"))
            stored = page.driver.execute_async_script("""
                const done = arguments[arguments.length - 1];
                const mount = FS.lookupPath(Module.pelvaro.player).node.mount;
                IDBFS.getRemoteSet(mount, (err, set) => done(err ? null : Object.keys(set.entries)));""")
            if not stored or not any(n.endswith("/sav/autosave.sav") for n in stored):
                raise Failure(f"the browser's storage holds no autosave: {stored}")
            if any("/sav/tmp" in n for n in stored):
                raise Failure("the rooms' state files were put into the browser's storage")

            page.open()
            wait_for_menu(page)
            if page.region(212, 34, 61, 204) == menu_without:
                raise Failure("after the reload the menu does not offer Continue")
            page.click_at(112, 220)
            page.move(600, 20)
            wait_for(30, "Continue did not go on where the hero stood",
                     lambda: page.region(640, 340, 0, 0) == room)

            # The German game, by the page's switch: its menu's words differ from the English ones.
            page.url = page.url.replace("lang=en", "lang=de")
            page.open()
            wait_for_menu(page)
            if page.js("return document.documentElement.lang") != "de":
                raise Failure("?lang=de did not choose the German game")
            page.move(400, 100)
            wait_for(10, "the German menu does not stand still", lambda: page.still(200, 30, 65, 160))
            if page.region(200, 30, 65, 160) == english_new_game:
                raise Failure("the German game's New game shows the English words")
        except Failure as f:
            page.driver.save_screenshot(os.path.join(folder, "..", "web-test-failure.png"))
            print(f"FAIL: {f}")
            for entry in page.driver.get_log("browser")[-20:]:
                print("  page:", entry.get("message"))
            return 1
        finally:
            page.driver.quit()
            server.shutdown()
    for name, value in figures.items():
        print(f"{name}: {value}")
    print("ok")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "build/web"))
