#!/usr/bin/python3
"""The browser build's pages end to end, in Debian's headless Chromium driven by chromedriver.

    web_pages.py SITE_DIR REFERENCE_DIR

Serves SITE_DIR (make web's build-web/site) on 127.0.0.1 and loads each page as a visitor would.
Pictures are compared with the Linux programs' own captures under Xvfb, the ones the end-to-end
suites keep for the README (REFERENCE_DIR, docs/), by ImageMagick's mean absolute error.
"""
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

SITE, REFERENCES = sys.argv[1], sys.argv[2]
# The pictures may differ by rounding in the rasteriser, not by what they show.
MAE_LIMIT = 0.02
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--window-size=640,640",
                  "--enable-unsafe-swiftshader"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """A static server of `folder` on 127.0.0.1 at a free port; returns it and its address."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


def colour_spread(file_name):
    """The standard deviation of a picture's colours: 0 for a canvas of one colour."""
    spread = subprocess.run(["convert", file_name, "-format", "%[fx:standard_deviation]", "info:"],
                            capture_output=True, text=True, timeout=60).stdout
    return float(spread or 0)


def mean_absolute_error(first, second):
    """ImageMagick's normalised MAE of two same-sized pictures (0 to 1)."""
    result = subprocess.run(["compare", "-metric", "MAE", first, second, "null:"],
                            capture_output=True, text=True, timeout=60)
    return float(re.search(r"\(([0-9.e+-]+)\)", result.stderr).group(1))


def built_in_glyphs():
    """The built-in font's table: each glyph's 128 hex digits, in the table's order."""
    table = os.path.join(os.path.dirname(__file__), "..", "..", "framework", "render",
                         "vynBuiltInFont.cpp")
    with open(table, encoding="utf-8") as source:
        return re.findall(r'"([0-9a-f]{128})"', source.read())


def built_in_line_step(picture, line, left, top):
    """The largest difference between the green channel of `picture` and `line` (printable
    ASCII) drawn at (left, top) in the built-in font, full green over black."""
    glyphs = built_in_glyphs()
    width, height = 8 * len(line), 16
    raw = subprocess.run(["convert", picture, "-crop", "%dx%d+%d+%d" % (width, height, left, top),
                          "+repage", "-depth", "8", "rgb:-"], capture_output=True,
                         timeout=60).stdout
    if len(raw) != width * height * 3:
        return 255
    largest = 0
    for index, character in enumerate(line):
        glyph = glyphs[ord(character) - 0x20]
        for row in range(16):
            for column in range(8):
                expected = 17 * int(glyph[row * 8 + column], 16)
                actual = raw[((row * width) + index * 8 + column) * 3 + 1]
                largest = max(largest, abs(actual - expected))
    return largest


class Page:
    """One page in a fresh headless Chromium, with its console."""

    def __init__(self, address, scale=1):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        self.profile = tempfile.mkdtemp()
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile,
                                      "--force-device-scale-factor=%d" % scale]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.set_page_load_timeout(60)
        self.driver.get(address)
        self.console = []

    def close(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)

    def frame_rate(self, name, timeout=60):
        """N of the caption "name [N FPS]" once N > 0; None if it never is."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = re.fullmatch(re.escape(name) + r" \[(\d+) FPS\]", self.driver.title)
            if found and int(found.group(1)) > 0:
                return int(found.group(1))
            time.sleep(0.25)
        return None

    def wait_for(self, script, value, timeout=10):
        """The value of `script` once it is `value`, or its last value when the time is out."""
        deadline = time.time() + timeout
        while self.driver.execute_script(script) != value and time.time() < deadline:
            time.sleep(0.25)
        return self.driver.execute_script(script)

    def wait_title(self, title, timeout=30):
        """Whether the page's title becomes `title` within the time."""
        return self.wait_for("return document.title", title, timeout) == title

    def canvas(self):
        return self.driver.find_element("id", "canvas")

    def drawn_picture(self, file_name, timeout=60):
        """The canvas once the program has drawn on it (more than one colour), as a PNG file; for
        programs without a frame-rate caption."""
        deadline = time.time() + timeout
        while True:
            self.canvas().screenshot(file_name)
            if colour_spread(file_name) > 0 or time.time() > deadline:
                return file_name
            time.sleep(0.5)

    def has_drawn(self, file_name, timeout=60):
        """Whether the program has drawn on the canvas within the time (model-viewer draws only
        when something happens, so it has no frame-rate caption to wait for)."""
        return colour_spread(self.drawn_picture(file_name, timeout)) > 0

    def picture(self, file_name):
        """The canvas as the page shows it, after two more frames, as a PNG file."""
        time.sleep(0.5)
        self.canvas().screenshot(file_name)
        return file_name

    def press(self, key, times=1):
        actions = ActionChains(self.driver)
        for _ in range(times):
            actions.send_keys(key)
        actions.perform()

    def output(self):
        return self.driver.execute_script("return document.getElementById('vyn-output').textContent")

    def errors(self):
        self.console += self.driver.get_log("browser")
        return [entry["message"] for entry in self.console
                if entry["level"] == "SEVERE" and "favicon.ico" not in entry["message"]]

    def foreign_lines(self):
        """The console's lines that are not the program's: a library's banner, WebGL's warnings,
        errors (the examples print nothing of their own while they run). The browser's own notices
        are left out: the missing favicon, and its software GPU's "GL Driver Message" lines (the
        compositor reading the canvas back), which no call of the page makes."""
        self.errors()
        return [entry["message"] for entry in self.console
                if "favicon.ico" not in entry["message"]
                and "GL Driver Message" not in entry["message"]]


class WebPages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, cls.address = serve(SITE)
        cls.work = tempfile.mkdtemp()

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()
        shutil.rmtree(cls.work, ignore_errors=True)

    def open(self, page, scale=1):
        opened = Page(self.address + page, scale)
        self.addCleanup(opened.close)
        return opened

    def expect_picture(self, page, reference, when):
        shown = page.picture(os.path.join(self.work, re.sub(r"\W+", "-", when) + ".png"))
        error = mean_absolute_error(shown, os.path.join(REFERENCES, reference))
        self.assertLess(error, MAE_LIMIT, "%s against the Linux capture %s" % (when, reference))

    def check_landscape(self, page):
        self.assertIsNotNone(page.frame_rate("vynSingleWindow"), "the caption never counts frames")
        self.assertEqual(page.canvas().size, {"width": 400, "height": 300})
        self.expect_picture(page, "landscape.png", "first picture")
        page.press(Keys.ARROW_LEFT, 60)
        self.expect_picture(page, "landscape-tilted.png", "after 60 Left presses")
        self.assertEqual(page.foreign_lines(), [])

    def test_landscape_draws_the_linux_pictures(self):
        self.check_landscape(self.open("landscape.html"))

    def test_retained_landscape_draws_the_linux_pictures(self):
        self.check_landscape(self.open("landscape.html?arg=--retained"))

    def expect_no_frames_between(self, pause, resume):
        """minimal draws no frame after the script `pause` until the script `resume`."""
        page = self.open("minimal.html")
        self.assertIsNotNone(page.frame_rate("minimal"))
        page.driver.execute_script(pause)
        self.assertTrue(page.wait_title("minimal [0 FPS]", timeout=10), page.driver.title)
        time.sleep(1.5)
        self.assertEqual(page.driver.title, "minimal [0 FPS]", "frames drawn while paused")
        page.driver.execute_script(resume)
        self.assertIsNotNone(page.frame_rate("minimal", timeout=10), "no frames once resumed")
        self.assertEqual(page.errors(), [])

    def test_an_unfocused_page_draws_nothing_until_it_has_the_focus_again(self):
        self.expect_no_frames_between("window.dispatchEvent(new FocusEvent('blur'))",
                                      "window.dispatchEvent(new FocusEvent('focus'))")

    def test_a_hidden_page_draws_nothing_until_it_is_shown_again(self):
        # What the browser does when the visitor switches to another tab, and back.
        show = "Object.defineProperty(document, 'hidden', {value: %s, configurable: true}); " \
               "Object.defineProperty(document, 'visibilityState', " \
               "{value: '%s', configurable: true}); " \
               "document.dispatchEvent(new Event('visibilitychange'))"
        self.expect_no_frames_between(show % ("true", "hidden"), show % ("false", "visible"))

    def test_minimal_draws_the_linux_picture(self):
        page = self.open("minimal.html")
        self.assertIsNotNone(page.frame_rate("minimal"))
        self.expect_picture(page, "minimal.png", "minimal's picture")
        self.assertEqual(page.foreign_lines(), [])

    def test_lit_cube_spins_from_its_picture_at_most_60_frames_a_second(self):
        page = self.open("lit-cube.html")
        rate = page.frame_rate("lit-cube")
        self.assertIsNotNone(rate, "the caption never counts frames")
        self.assertLessEqual(rate, 61, "the frame-rate limit does not hold in the page")
        first = page.picture(os.path.join(self.work, "cube.png"))
        later = page.picture(os.path.join(self.work, "cube-later.png"))
        self.assertGreater(mean_absolute_error(first, later), 0, "the cube does not spin")
        self.assertEqual(page.foreign_lines(), [])

    def test_a_full_screen_window_fills_the_screen_from_a_click_until_the_page_leaves_it(self):
        page = self.open("lit-cube.html?arg=--full-screen")
        self.assertIsNotNone(page.frame_rate("lit-cube"), "the caption never counts frames")
        canvas = "const c = document.getElementById('canvas'); " \
                 "return [c.width, c.height, document.fullscreenElement === c]"
        self.assertEqual(page.driver.execute_script(canvas), [400, 300, False],
                         "full screen before the visitor's click")
        ActionChains(page.driver).click(page.canvas()).perform()
        page.wait_for("return document.fullscreenElement !== null", True)
        screen = page.driver.execute_script("return [innerWidth, innerHeight, true]")
        self.assertEqual(page.wait_for(canvas, screen), screen, "the click gave no full screen")
        # Drawn over the whole canvas: the cube sits at its centre, not in a corner of the old size.
        shown = page.picture(os.path.join(self.work, "full-screen.png"))
        centre, corner = (subprocess.run(
            ["convert", shown, "-format", "%%[pixel:p{%d,%d}]" % spot, "info:"],
            capture_output=True, text=True, timeout=60).stdout for spot in
            [(screen[0] // 2, screen[1] // 2), (2, 2)])
        self.assertNotEqual(centre, corner, "the cube is not drawn at the screen's centre")
        page.driver.execute_script("document.exitFullscreen()")
        self.assertEqual(page.wait_for(canvas, [400, 300, False]), [400, 300, False],
                         "the window kept the screen's size")
        self.assertEqual(page.errors(), [])

    def test_model_viewer_turns_with_the_arrows(self):
        page = self.open("model-viewer.html")
        first = page.drawn_picture(os.path.join(self.work, "model.png"))
        page.press(Keys.ARROW_LEFT, 20)
        turned = page.picture(os.path.join(self.work, "model-turned.png"))
        self.assertGreater(mean_absolute_error(first, turned), MAE_LIMIT)
        self.assertEqual(page.foreign_lines(), [])

    def test_model_viewer_fills_the_page_and_follows_the_browser_window(self):
        page = self.open("model-viewer.html")
        self.assertTrue(page.has_drawn(os.path.join(self.work, "model-drawn.png")))
        # The canvas as wide as the page, the whole page within the browser's window.
        place = "const c = document.getElementById('canvas'); " \
                "return [c.clientWidth, document.body.clientWidth, " \
                "document.documentElement.scrollHeight <= innerHeight]"
        width, page_width, fits = page.driver.execute_script(place)
        self.assertEqual([width, fits], [page_width, True])
        self.assertGreater(width, 400)
        page.driver.set_window_size(900, 800)
        follows = "const c = document.getElementById('canvas'); " \
                  "return c.clientWidth === document.body.clientWidth && c.width > %d" % width
        self.assertTrue(page.wait_for(follows, True), "the window did not follow the browser's")
        self.assertTrue(page.has_drawn(os.path.join(self.work, "resized.png")),
                        "no frame after the resize")
        self.assertEqual(page.errors(), [])

    def test_a_drag_released_outside_the_canvas_ends_there(self):
        page = self.open("model-viewer.html")
        first = page.drawn_picture(os.path.join(self.work, "drag-first.png"))
        outside = page.driver.find_element("tag name", "p")
        ActionChains(page.driver).move_to_element(page.canvas()).click_and_hold() \
            .move_by_offset(60, 0).move_to_element(outside).release().perform()
        released = page.picture(os.path.join(self.work, "drag-released.png"))
        self.assertGreater(mean_absolute_error(first, released), MAE_LIMIT, "the drag did not turn")
        ActionChains(page.driver).move_to_element(page.canvas()).move_by_offset(80, 40).perform()
        after = page.picture(os.path.join(self.work, "drag-after.png"))
        self.assertLess(mean_absolute_error(released, after), MAE_LIMIT,
                        "the model still turns with the mouse after the release")

    def test_a_vertical_drag_tilts_by_the_pointers_motion_over_the_canvas(self):
        page = self.open("model-viewer.html")
        self.assertTrue(page.has_drawn(os.path.join(self.work, "model-drawn.png")))
        # The canvas well below the page's top: a position not taken relative to it is 200 pixels
        # out, and its lower part seems to lie outside.
        page.driver.execute_script("document.body.style.marginTop = '200px'")
        first = page.picture(os.path.join(self.work, "tilt-first.png"))
        ActionChains(page.driver).move_to_element(page.canvas()).move_by_offset(0, 100) \
            .click_and_hold().move_by_offset(0, -60).release().perform()
        tilted = page.picture(os.path.join(self.work, "tilt-up.png"))
        self.assertGreater(mean_absolute_error(first, tilted), MAE_LIMIT,
                           "the vertical drag did not tilt")
        ActionChains(page.driver).move_to_element(page.canvas()).click_and_hold() \
            .move_by_offset(0, 60).release().perform()
        back = page.picture(os.path.join(self.work, "tilt-back.png"))
        self.assertLess(mean_absolute_error(first, back), MAE_LIMIT,
                        "the same drag back from the centre did not undo the one from low down")
        self.assertEqual(page.errors(), [])

    def test_texture_viewer_steps_over_refused_files(self):
        page = self.open("texture-viewer.html")
        # By name: badrle.bmp (refused), pal1.bmp, pal4.bmp, pal8.bmp, rgb24.bmp, shortfile.bmp
        # (refused); the caption names the file shown, and the steps go round the folder.
        self.assertTrue(page.wait_title("pal8.bmp"), page.driver.title)
        for key, shown in [(Keys.ARROW_RIGHT, "rgb24.bmp"), (Keys.ARROW_RIGHT, "pal1.bmp"),
                           (Keys.ARROW_LEFT, "rgb24.bmp")]:
            page.press(key)
            self.assertTrue(page.wait_title(shown), "%s after %r" % (page.driver.title, key))
        self.assertEqual(page.foreign_lines(), [])

    def test_text_takes_typed_characters_and_offers_its_picture(self):
        page = self.open("text.html")
        page.drawn_picture(os.path.join(self.work, "text-first.png"))
        page.canvas().click()
        page.press("Hi!")
        # "> Hi!_" in the built-in font, full green over black, as its table gives it.
        typed_line = os.path.join(self.work, "text-typed.png")
        deadline = time.time() + 30
        while built_in_line_step(page.picture(typed_line), "> Hi!_", 10, 400 - 16 - 10) > 2 \
                and time.time() < deadline:
            time.sleep(0.5)
        self.assertLessEqual(built_in_line_step(typed_line, "> Hi!_", 10, 400 - 16 - 10), 2,
                             "the typed line does not read \"> Hi!_\"")
        page.press(Keys.F12)
        self.assertEqual(page.wait_for("const link = document.getElementById('vyn-offered-file');"
                                       " return link ? link.download : null", "text.png"),
                         "text.png", "F12 offered no download")
        self.assertEqual(page.errors(), [])

    def test_missing_data_is_named_in_one_line(self):
        site = os.path.join(self.work, "site")
        shutil.copytree(SITE, site)
        os.remove(os.path.join(site, "data", "landscape", "pv.cppa2"))
        server, address = serve(site)
        self.addCleanup(server.shutdown)
        page = Page(address + "landscape.html")
        self.addCleanup(page.close)
        deadline = time.time() + 60
        while not page.output() and time.time() < deadline:
            time.sleep(0.25)
        lines = page.output().strip().splitlines()
        self.assertEqual(len(lines), 1, page.output())
        self.assertRegex(lines[0], r"^landscape: pv\.cppa2: ")
        self.assertTrue(any(lines[0] in message for message in page.errors()), page.console)

    def test_a_click_beside_the_canvas_leaves_the_program_active(self):
        page = self.open("minimal.html")
        self.assertIsNotNone(page.frame_rate("minimal"))
        ActionChains(page.driver).click(page.canvas()).perform()
        help_line = page.driver.find_element("tag name", "p")  # its first words, not its link
        ActionChains(page.driver).move_to_element(help_line) \
            .move_by_offset(3 - help_line.size["width"] // 2, 0).click().perform()
        self.assertEqual(page.driver.execute_script("return document.activeElement.id"), "")
        time.sleep(2.5)  # the caption counts the frames of each second
        self.assertRegex(page.driver.title, r"^minimal \[[1-9]\d* FPS\]$",
                         "the page has the focus, yet the program stopped drawing")

    def press_canvas(self, page, times, right=0, down=0):
        """Left presses at (right, down) CSS pixels from the canvas's top-left corner."""
        size = page.canvas().size
        actions = ActionChains(page.driver).move_to_element(page.canvas()) \
            .move_by_offset(right - size["width"] // 2, down - size["height"] // 2)
        for _ in range(times):
            actions.click()
        actions.perform()

    def test_a_program_built_on_the_installed_package_hears_presses_on_its_second_window(self):
        # presses (tests/web/page-program) made, released and made again its window.
        install = os.path.join(SITE, os.pardir, "install")
        self.assertTrue(os.path.isdir(install), "no installed web build beside the site")
        self.assertEqual([name for _, _, names in os.walk(install) for name in names
                          if name.endswith(".pc")], [], "the browser install wrote a vyn.pc")
        page = self.open("page-program/presses.html")
        self.assertTrue(page.wait_title("presses 0 at 0,0 of 400x300"), page.driver.title)
        self.press_canvas(page, 2, 30, 20)
        self.assertTrue(page.wait_title("presses 2 at 30,20 of 400x300"), page.driver.title)
        self.assertEqual(page.errors(), [])

    def test_at_pixel_ratio_2_the_drawing_buffer_mouse_and_viewport_count_device_pixels(self):
        page = self.open("page-program/presses.html", scale=2)
        buffer = "const c = document.getElementById('canvas'); return [c.width, c.height]"
        self.assertEqual(page.driver.execute_script(buffer), [800, 600])
        self.assertEqual(page.canvas().size, {"width": 400, "height": 300})
        self.press_canvas(page, 1, 100, 50)
        self.assertTrue(page.wait_title("presses 1 at 200,100 of 800x600"), page.driver.title)
        # The picture over the whole buffer: the Linux capture at twice its size.
        page = self.open("minimal.html", scale=2)
        self.assertIsNotNone(page.frame_rate("minimal"))
        shown = page.picture(os.path.join(self.work, "minimal-ratio-2.png"))
        subprocess.run(["convert", shown, "-resize", "400x300!", shown], check=True, timeout=60)
        error = mean_absolute_error(shown, os.path.join(REFERENCES, "minimal.png"))
        self.assertLess(error, MAE_LIMIT, "minimal at pixel ratio 2 against the Linux capture")

    def drop(self, page, address, name):
        """Drops the site's file at `address` on the canvas as a visitor's file called `name`."""
        page.driver.execute_async_script(
            "const [address, name, done] = arguments;"
            "fetch(address).then(reply => reply.arrayBuffer()).then(bytes => {"
            "  const data = new DataTransfer();"
            "  data.items.add(new File([bytes], name));"
            "  document.getElementById('canvas').dispatchEvent("
            "    new DragEvent('drop', {dataTransfer: data, bubbles: true, cancelable: true}));"
            "  done();"
            "});", address, name)

    def test_texture_viewer_shows_a_dropped_picture_and_a_picked_one(self):
        page = self.open("texture-viewer.html")
        self.assertTrue(page.wait_title("pal8.bmp"), page.driver.title)
        self.drop(page, "data/texture-viewer/rgb24.bmp", "visitor's rgb24.bmp")
        self.assertTrue(page.wait_title("visitor's rgb24.bmp"), page.driver.title)
        picker = page.driver.find_element("id", "vyn-open-file")
        picker.send_keys(os.path.join(os.path.abspath(SITE), "data", "texture-viewer", "pal1.bmp"))
        self.assertTrue(page.wait_title("pal1.bmp"), page.driver.title)
        self.assertEqual(page.errors(), [])

    def test_model_viewer_turns_under_a_finger_and_takes_a_dropped_texture(self):
        page = self.open("model-viewer.html")
        self.assertTrue(page.has_drawn(os.path.join(self.work, "model-drawn.png")))
        first = page.picture(os.path.join(self.work, "touch-first.png"))
        centre = page.driver.execute_script(
            "const r = document.getElementById('canvas').getBoundingClientRect();"
            "return [r.left + r.width / 2, r.top + r.height / 2]")
        for kind, right in [("touchStart", 0), ("touchMove", 30), ("touchMove", 60),
                            ("touchEnd", 60)]:
            points = [] if kind == "touchEnd" else [{"x": centre[0] + right, "y": centre[1]}]
            page.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})
        turned = page.picture(os.path.join(self.work, "touch-turned.png"))
        self.assertGreater(mean_absolute_error(first, turned), MAE_LIMIT, "the finger did not turn")
        self.drop(page, "data/texture-viewer/rgb24.bmp", "texture.bmp")
        retextured = page.picture(os.path.join(self.work, "touch-retextured.png"))
        self.assertGreater(mean_absolute_error(turned, retextured), MAE_LIMIT,
                           "a dropped picture did not become the texture")
        self.assertEqual(page.errors(), [])


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
