#!/usr/bin/python3
"""One run of a browser page of the site, for bench/compare-web.sh.

    web_frame_rate.py SITE_DIR PAGE SECONDS

Serves SITE_DIR on 127.0.0.1, loads PAGE in Debian's headless Chromium and prints
"fps N first_frame_ms T gpu_cores G page_cores P": N the median of the counts the caption
("... [N FPS]") showed each second after the first two, T the time from the start of navigation
to the first draw call that reached WebGL (page, script and WebAssembly loading included), G and
P the processor time per second, over those same seconds, of Chromium's GPU process (where
SwiftShader draws the WebGL calls) and of the page's renderer process (the program, gl4es and the
WebGL calls' JavaScript).
"""
import functools
import os
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


def processor_seconds(profile):
    """Processor seconds used so far by the Chromium processes of PROFILE, by process type."""
    used = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid) as command:
                # Chromium rewrites its children's command lines as one string.
                words = command.read().replace("\0", " ").split()
            with open("/proc/%s/stat" % pid) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue  # a process that ended meanwhile
        if "--user-data-dir=" + profile not in words:
            continue
        kind = next((w[7:] for w in words if w.startswith("--type=")), "browser")
        used[kind] = used.get(kind, 0) + (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")
    return used



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
        if second == 2:
            used_before, since = processor_seconds(profile), time.monotonic()
        time.sleep(1)
        found = re.search(r"\[(\d+) FPS\]$", driver.title)
        if second >= 2 and found:
            counts.append(int(found.group(1)))
    used, elapsed = processor_seconds(profile), time.monotonic() - since
    first = driver.execute_script("return window.vynFirstDraw")
    if not counts or first is None:
        sys.exit("%s drew no frame: title %r" % (page, driver.title))
    cores = {kind: (used.get(kind, 0) - used_before.get(kind, 0)) / elapsed
             for kind in ("gpu-process", "renderer")}
    print("fps %g first_frame_ms %.0f gpu_cores %.2f page_cores %.2f" % (
        statistics.median(counts), first, cores["gpu-process"], cores["renderer"]))
finally:
    driver.quit()
    server.shutdown()
    shutil.rmtree(profile, ignore_errors=True)
