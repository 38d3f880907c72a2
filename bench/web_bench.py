"""The page's figures in headless Chromium: the site's size, raw and gzipped,
the time to the first drawing of the window (a first visit and one served
by the service worker) beside an empty page's first drawing, the cost of a
pick with an empty and a long history, and the idle CPU and wake-ups of its
tab beside an empty page's.
usage: web_bench.py SITE [idle-seconds]"""
import gzip
import os
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

SERVE = os.path.join(os.path.dirname(__file__), "..", "tests", "e2e", "web", "serve.py")
TICKS = os.sysconf("SC_CLK_TCK")

# The frame after the window was shown, and the first paint of the page.
WATCH_DRAWING = """
new MutationObserver((_, observer) => {
  const window = document.getElementById("window");
  if (!window || window.hidden) return;
  observer.disconnect();
  requestAnimationFrame(() => requestAnimationFrame(() => performance.mark("kulbo-drawn")));
}).observe(document, {subtree: true, attributes: true, attributeFilter: ["hidden"]});
"""
# The first drawing of anything, the page's or an empty page's.
PAINTED = """
const paint = performance.getEntriesByName("first-contentful-paint")[0];
return paint ? paint.startTime : null;
"""
# The mean cost of a pick, its layout included, over N picks after FILL more.
PICKS = """
const [fill, n] = arguments;
const start = [...document.querySelectorAll("#window button")].find(b => b.textContent === "开始");
for (let i = 0; i < fill; i++) start.click();
const begun = performance.now();
for (let i = 0; i < n; i++) { start.click(); document.body.offsetHeight; }
return (performance.now() - begun) / n;
"""
DRAWN = """
const drawn = performance.getEntriesByName("kulbo-drawn")[0];
return drawn ? drawn.startTime : null;
"""


def serve(folder):
    server = subprocess.Popen(["/usr/bin/python3", SERVE, folder], stdout=subprocess.PIPE, text=True)
    return server, int(server.stdout.readline())


def site_size(site):
    raw = packed = 0
    for folder, _, names in os.walk(site):
        for name in names:
            with open(os.path.join(folder, name), "rb") as f:
                data = f.read()
            raw += len(data)
            packed += len(gzip.compress(data, 9))
    return raw, packed


def browser():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--window-size=1024,768",
                     "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE localhost, EXCLUDE 127.0.0.1",
                     "--disable-background-networking", "--disable-component-update", "--no-first-run"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def time_to_drawing(driver, url, script=DRAWN):
    driver.switch_to.new_window("tab")
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_DRAWING})
    driver.get(url)
    for _ in range(200):
        drawn = driver.execute_script(script)
        if drawn is not None:
            return drawn
        time.sleep(0.05)
    raise RuntimeError("the window was never drawn")


def close_tabs(driver):
    for handle in driver.window_handles[1:]:
        driver.switch_to.window(handle)
        driver.close()
    driver.switch_to.window(driver.window_handles[0])


def renderers():
    found = set()
    for pid in os.listdir("/proc"):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                command = f.read()  # Chromium rewrites its arguments into one line
        except OSError:
            continue
        if b"chrom" in command and b"--type=renderer" in command:
            found.add(int(pid))
    return found


def usage(pid):
    """CPU ticks and context switches of all the process's threads so far."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = int(fields[11]) + int(fields[12])
    switches = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/status") as f:
            for line in f:
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    switches += int(line.split()[1])
    return ticks, switches


def open_tab(driver, url):
    """The renderer process of a new tab: the one that works while the tab's
    script does (a spare renderer started earlier may take the tab)."""
    driver.switch_to.new_window("tab")
    driver.get(url)
    time.sleep(1)
    before = {pid: usage(pid)[0] for pid in renderers()}
    driver.execute_script("const end = performance.now() + 500; while (performance.now() < end);")
    busy = max(before, key=lambda pid: usage(pid)[0] - before[pid])
    time.sleep(1)
    return busy


def main():
    site = sys.argv[1]
    idle = float(sys.argv[2]) if len(sys.argv) > 2 else 20
    raw, packed = site_size(site)
    print(f"site size                    {raw / 1024:8.1f} KiB, gzip -9 {packed / 1024:8.1f} KiB")

    driver = browser()
    servers = []
    try:
        first, cached = [], []
        for _ in range(5):  # each a first visit: a new origin
            server, port = serve(site)
            servers.append(server)
            url = f"http://127.0.0.1:{port}/"
            first.append(time_to_drawing(driver, url))
            for _ in range(100):
                if driver.execute_script("return !!navigator.serviceWorker.controller"):
                    break
                time.sleep(0.05)
            close_tabs(driver)  # the one copy: the next tab would be refused
            cached.append(time_to_drawing(driver, url))
            close_tabs(driver)
        print(f"first drawing, first visit   {statistics.median(first):8.1f} ms (median of 5; "
              f"{min(first):.1f} .. {max(first):.1f})")
        print(f"first drawing, from cache    {statistics.median(cached):8.1f} ms (median of 5; "
              f"{min(cached):.1f} .. {max(cached):.1f})")

        with tempfile.TemporaryDirectory() as empty:
            with open(os.path.join(empty, "index.html"), "w") as f:
                f.write("<!DOCTYPE html><title>empty</title><p>empty</p>")
            server, port = serve(empty)
            servers.append(server)
            blank = [time_to_drawing(driver, f"http://localhost:{port}/?{i}", PAINTED) for i in range(5)]
            close_tabs(driver)
        server, port = serve(site)
        servers.append(server)
        painted = time_to_drawing(driver, f"http://127.0.0.1:{port}/", PAINTED)
        print(f"first paint, the page        {painted:8.1f} ms, an empty page {statistics.median(blank):.1f} ms")
        close_tabs(driver)
        time_to_drawing(driver, f"http://127.0.0.1:{port}/")
        at_empty = driver.execute_script(PICKS, 0, 100)
        at_long = driver.execute_script(PICKS, 2900, 100)
        print(f"a pick, empty history        {at_empty:8.2f} ms; after 3,000 lines {at_long:.2f} ms")
        close_tabs(driver)

        with tempfile.TemporaryDirectory() as empty:
            with open(os.path.join(empty, "index.html"), "w") as f:
                f.write("<!DOCTYPE html><title>empty</title>")
            server, port = serve(empty)
            servers.append(server)
            blank = open_tab(driver, f"http://localhost:{port}/")
            server, port = serve(site)
            servers.append(server)
            page = open_tab(driver, f"http://127.0.0.1:{port}/")
            start = {pid: usage(pid) for pid in (page, blank)}
            time.sleep(idle)
            for name, pid in (("the page's tab", page), ("an empty page's tab", blank)):
                ticks, switches = (now - then for now, then in zip(usage(pid), start[pid]))
                print(f"idle {idle:.0f} s, {name:<20} {100 * ticks / TICKS / idle:6.2f} % of a core, "
                      f"{switches / idle:6.1f} wake-ups/s")
    finally:
        driver.quit()
        for server in servers:
            server.kill()


if __name__ == "__main__":
    main()
