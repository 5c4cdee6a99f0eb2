#!/usr/bin/python3
"""The feature sweep's page against the native sweep, case by case.

    web_sweep.py SITE_DIR NATIVE_DIR DIFFERENCES_TABLE

Loads gl-sweep.html from SITE_DIR (make web's build-web/site) in headless Chromium, takes the
pictures the program wrote into its files and compares each case's cell with the one the native
sweep wrote into NATIVE_DIR under Xvfb. A case differs when more than PIXEL_LIMIT pixels, counted
in both pictures, have no pixel within one step in the other picture that is within TOLERANCE on
every channel: a shift of an edge by a pixel or a rounding of a colour is no difference, a missing
object of 50 pixels or a missing stipple pattern is. The cases that differ must be exactly those
named in the first column of DIFFERENCES_TABLE (docs/web-differences.md). The page's pictures are
kept beside NATIVE_DIR, in page/.
"""
import base64
import os
import re
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import web_pages  # noqa: E402  (the page and server helpers of the web suite)

SITE, NATIVE, TABLE = sys.argv[1], sys.argv[2], sys.argv[3]
CELL, COLUMNS = 64, 10
TOLERANCE = 40
PIXEL_LIMIT = 24

READ_FILE = """
const bytes = Module.FS.readFile(arguments[0]);
let text = "";
for (let at = 0; at < bytes.length; at += 32768)
  text += String.fromCharCode.apply(null, bytes.subarray(at, at + 32768));
return btoa(text);
"""


def parse_ppm(data):
    """(width, height, RGB bytes) of a binary PPM as gl-sweep writes it."""
    found = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
    width, height = int(found.group(1)), int(found.group(2))
    return width, height, data[found.end():found.end() + width * height * 3]


def cell(picture, index):
    """The index-th case's cell as a list of rows of (r, g, b)."""
    width, _, pixels = picture
    left, top = index % COLUMNS * CELL, index // COLUMNS * CELL
    rows = []
    for y in range(top, top + CELL):
        start = (y * width + left) * 3
        row = pixels[start:start + CELL * 3]
        rows.append([tuple(row[x * 3:x * 3 + 3]) for x in range(CELL)])
    return rows


def close(first, second):
    return max(abs(a - b) for a, b in zip(first, second)) <= TOLERANCE


def unmatched(shown, other):
    """How many pixels of `shown` have no close pixel within one step in `other`."""
    count = 0
    for y in range(CELL):
        for x in range(CELL):
            pixel = shown[y][x]
            if close(pixel, other[y][x]):
                continue
            if not any(close(pixel, other[ny][nx])
                       for ny in range(max(0, y - 1), min(CELL, y + 2))
                       for nx in range(max(0, x - 1), min(CELL, x + 2))):
                count += 1
    return count


def documented_differences():
    """The case names in the first column of the differences table (`name` in back quotes)."""
    with open(TABLE, encoding="utf-8") as table:
        return {found.group(1) for found in
                (re.match(r"\|\s*`([a-z0-9-]+)`\s*\|", line) for line in table) if found}


class WebSweep(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server, address = web_pages.serve(SITE)
        page = web_pages.Page(address + "gl-sweep.html")
        try:
            done = page.wait_for("return !!(window.Module && Module.FS && "
                                 "Module.FS.analyzePath('sweep.txt').exists)", True, timeout=180)
            if not done:
                raise AssertionError("the page never wrote its pictures: %s %s"
                                     % (page.output(), page.errors()))
            cls.told = page.output().strip().splitlines()
            cls.page_files = {name: base64.b64decode(page.driver.execute_script(READ_FILE, name))
                              for name in ("sweep.ppm", "sweep.txt")}
        finally:
            page.close()
        kept = os.path.join(os.path.dirname(os.path.abspath(NATIVE)), "page")
        os.makedirs(kept, exist_ok=True)
        for name, data in cls.page_files.items():
            with open(os.path.join(kept, name), "wb") as copy:
                copy.write(data)

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()

    def native_file(self, name):
        with open(os.path.join(NATIVE, name), "rb") as native:
            return native.read()

    def test_the_page_draws_every_case_the_desktop_draws(self):
        names = self.native_file("sweep.txt").decode().split()
        self.assertEqual(self.page_files["sweep.txt"].decode().split(), names,
                         "the page and the native program run different tables")
        native = parse_ppm(self.native_file("sweep.ppm"))
        page = parse_ppm(self.page_files["sweep.ppm"])
        differing = {}
        for index, name in enumerate(names):
            ours, theirs = cell(native, index), cell(page, index)
            count = unmatched(ours, theirs) + unmatched(theirs, ours)
            if count > PIXEL_LIMIT:
                differing[name] = count
        same = len(names) - len(differing)
        print("sweep: %d of %d cases the same in the page; differing: %s"
              % (same, len(names), ", ".join("%s (%d px)" % item for item in differing.items())))
        documented = documented_differences()
        self.assertEqual(sorted(set(differing) - documented), [],
                         "cases that differ in the page without a row in " + TABLE)
        self.assertEqual(sorted(documented - set(differing)), [],
                         "rows of %s whose cases now draw the same" % TABLE)

    def test_each_feature_the_page_cannot_draw_is_told_once(self):
        reasons = [line for line in self.told if line.startswith("vyn: the page ")]
        self.assertEqual(len(reasons), len(set(reasons)), "a reason told twice: %s" % reasons)
        self.assertTrue(any("logic operations" in line for line in reasons),
                        "the sweep's logic operation is not told: %s" % self.told)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
