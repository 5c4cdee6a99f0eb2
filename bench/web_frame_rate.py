#!/usr/bin/python3
"""One run of a browser page of the site, for bench/compare-web.sh.

    web_frame_rate.py SITE_DIR PAGE SECONDS

Serves SITE_DIR on 127.0.0.1, loads PAGE in Debian's headless Chromium and prints
"fps N first_frame_ms T": N the median of the counts the caption ("... [N FPS]") showed each
second after the first two, T the time from the start of navigation to the first draw call that
reached WebGL (page, script and WebAssembly loading included).
"""
import functools
import http.server
import re
import shutil
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

site, page, seconds = sys.argv[1], sys.argv[2], int(sys.argv[3])


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
profile = tempfile.mkdtemp()
for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--window-size=640,640", "--force-device-scale-factor=1",
             "--enable-unsafe-swiftshader", "--user-data-dir=" + profile]:
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    # The first draw call's time, recorded by the page itself.
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
        for (const name of ["drawElements", "drawArrays"]) {
            const original = WebGLRenderingContext.prototype[name];
            WebGLRenderingContext.prototype[name] = function(...args) {
                if (window.vynFirstDraw === undefined) window.vynFirstDraw = performance.now();
                return original.apply(this, args);
            };
        }"""})
    driver.get("http://127.0.0.1:%d/%s" % (server.server_address[1], page))
    counts = []
    for second in range(seconds):
        time.sleep(1)
        found = re.search(r"\[(\d+) FPS\]$", driver.title)
        if second >= 2 and found:
            counts.append(int(found.group(1)))
    first = driver.execute_script("return window.vynFirstDraw")
    if not counts or first is None:
        sys.exit("%s drew no frame: title %r" % (page, driver.title))
    print("fps %g first_frame_ms %.0f" % (statistics.median(counts), first))
finally:
    driver.quit()
    server.shutdown()
    shutil.rmtree(profile, ignore_errors=True)
