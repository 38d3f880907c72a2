# One headless Chromium driven by lib.sh's web road: per connection on
# 127.0.0.1 one tab-separated line in (a Browser method and its arguments), one
# line out ("ok" and the answer, or "fail" and why). It serves the site too,
# uncached, so that a page working with the server gone works from its service
# worker. Windows: "TAB" is a tab's page, "TAB/box/N" its N-th box shown,
# "TAB/menu" the browser's context menu had the page let it open.
# usage: driver.py FOLDER   (writes FOLDER/port once it listens)
import functools, http.server, os, signal, socketserver, sys, threading

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver import ActionChains, Keys
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput

KEYS = {"Return": Keys.ENTER, "space": " "}  # the others by their names in Keys: "Page_Up" is PAGE_UP
MODIFIERS = {"shift": Keys.SHIFT, "ctrl": Keys.CONTROL, "alt": Keys.ALT}

# Instruments each page before its own script runs: whether the last context
# menu event was let through (a real menu closes at the next click or key),
# and the screen's wake locks the page asks for, in the order asked.
WATCH = """
addEventListener("contextmenu", e => { window.kulboTestMenu = !e.defaultPrevented; });
addEventListener("mousedown", () => { window.kulboTestMenu = false; }, true);
addEventListener("keydown", e => { if (e.key !== "ContextMenu" && e.key !== "F10") window.kulboTestMenu = false; }, true);
if (navigator.wakeLock) {
  const request = navigator.wakeLock.request.bind(navigator.wakeLock);
  window.kulboTestLocks = [];
  navigator.wakeLock.request = type => request(type).then(lock => (kulboTestLocks.push(lock), lock));
}
"""

# The page's windows in the tab arguments[0], or those titled arguments[1].
WINDOWS = """
const [tab, title] = arguments, found = document.getElementById("window").hidden ? [] : [[tab, document.title]];
for (const box of document.querySelectorAll("dialog[open]")) {
  box.dataset.seen = box.dataset.seen || (window.kulboTestBoxes = (window.kulboTestBoxes || 0) + 1);
  found.push([`${tab}/box/${box.dataset.seen}`, box.querySelector(".title").textContent]);
}
if (window.kulboTestMenu) found.push([`${tab}/menu`, ""]);
return found.filter(([, shown]) => title === null || shown === title).map(([id]) => id).join(" ");
"""


class NoStore(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


class Browser:
    def __init__(self):
        options = webdriver.ChromeOptions()
        # No name resolves but the loopback's: nothing leaves the machine,
        # not even the website's address a test opens.
        for argument in ("--headless=new", "--no-sandbox", "--window-size=1024,768", "--lang=zh-CN",
                         "--host-resolver-rules=MAP * ~NOTFOUND, EXCLUDE localhost, EXCLUDE 127.0.0.1", "--disable-background-networking",
                         "--disable-component-update", "--no-first-run"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"profile.default_content_setting_values.automatic_downloads": 1})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.blank = self.current = self.driver.current_window_handle
        self.downloads = self.zone = self.url = ""
        self.site = None  # the HTTP server of the script's site

    def tab(self, handle):
        handle = handle.split("/")[0]
        if self.current != handle:
            self.driver.switch_to.window(handle)
            self.current = handle

    def cdp(self, handle, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    # A JavaScript expression's value.
    def script(self, handle, expression):
        return str(self.driver.execute_script("return " + expression))

    # The site in FOLDER served, and a new tab of it for a script, the
    # earlier scripts' tabs closed and their site no longer served.
    def open(self, folder, downloads, zone):
        for handle in set(self.driver.window_handles) - {self.blank}:
            self.close_tab(handle)
        self.unserve()
        self.site = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(NoStore, directory=folder))
        threading.Thread(target=self.site.serve_forever, daemon=True).start()
        self.url, self.downloads, self.zone = f"http://127.0.0.1:{self.site.server_address[1]}/", downloads, zone
        return self.new_tab() + " " + self.url

    def unserve(self):
        if self.site:
            self.site.shutdown()
            self.site.server_close()
            self.site = None

    def new_tab(self):
        self.driver.switch_to.new_window("tab")
        handle = self.current = self.driver.current_window_handle
        self.cdp(handle, "Browser.setDownloadBehavior", behavior="allow", downloadPath=self.downloads)
        if self.zone:
            self.cdp(handle, "Emulation.setTimezoneOverride", timezoneId=self.zone)
        self.cdp(handle, "Page.addScriptToEvaluateOnNewDocument", source=WATCH)
        # The clipboard the scenarios paste from; a grant refuses what it leaves out, so the wake lock too.
        self.cdp(handle, "Browser.grantPermissions", permissions=["clipboardReadWrite", "clipboardSanitizedWrite", "wakeLockScreen"])
        self.driver.get(self.url)
        return handle

    def close_tab(self, handle):
        self.tab(handle)
        self.driver.close()
        self.tab(self.blank)

    # The windows of one tab, or those with exactly this title.
    def find(self, handle, title=None):
        return self.driver.execute_script(WINDOWS, handle, title)

    # A point of the window, in its design's pixels, on the screen.
    def point(self, handle, x, y):
        left, top, scale = self.script(handle, "(r => [r.left, r.top, r.width / document.getElementById('window')"
                                               ".offsetWidth].join(' '))(document.getElementById('window').getBoundingClientRect())").split()
        return round(float(left) + int(x) * float(scale)), round(float(top) + int(y) * float(scale))

    # Clicks, or a finger's taps, at a point of the window (none given:
    # where the pointer is), DELAY ms apart; button 2 is the right one.
    def click(self, handle, x, y, count=1, delay=0, kind="mouse", button=0):
        actions = ActionBuilder(self.driver, mouse=PointerInput(kind, kind))
        if x:
            actions.pointer_action.move_to_location(*self.point(handle, x, y))
        for i in range(int(count)):
            actions.pointer_action.pause(int(delay) / 1000 if i else 0).pointer_down(int(button)).pointer_up(int(button))
        actions.perform()

    # A pointer's click on what a CSS selector finds outside the window.
    def click_element(self, handle, selector):
        self.driver.find_element("css selector", selector).click()

    # Waits till the page has laid itself out and painted a frame since.
    def painted(self):
        self.driver.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")

    # The tab's viewport as a screen of this size, a touch screen if asked.
    def viewport(self, handle, width, height, kind):
        touch = kind == "touch"
        self.cdp(handle, "Emulation.setDeviceMetricsOverride", width=int(width), height=int(height), deviceScaleFactor=1, mobile=touch)
        self.cdp(handle, "Emulation.setTouchEmulationEnabled", enabled=touch, maxTouchPoints=5)
        self.painted()

    def keys(self, handle, *names):
        for name in names:
            *held, key = name.split("+")
            if key == "Menu":
                for kind in ("rawKeyDown", "keyUp"):
                    self.cdp(handle, "Input.dispatchKeyEvent", type=kind, key="ContextMenu", code="ContextMenu", windowsVirtualKeyCode=93)
                continue
            chain = ActionChains(self.driver)
            for modifier in held:
                chain.key_down(MODIFIERS[modifier.lower()])
            chain.send_keys(KEYS.get(key) or getattr(Keys, key.upper(), key) if len(key) > 1 else key)
            for modifier in reversed(held):
                chain.key_up(MODIFIERS[modifier.lower()])
            chain.pause(0.04).perform()

    def screenshot(self, handle, path):
        self.painted()
        self.driver.save_screenshot(path)


UNTABBED = {"open", "unserve", "new_tab"}  # the others act in the tab their first argument names


class Requests(socketserver.StreamRequestHandler):
    def handle(self):
        command, *args = self.rfile.readline().decode().rstrip("\n").split("\t")
        browser = self.server.browser
        try:
            if command not in UNTABBED:
                browser.tab(args[0])
            answer = getattr(browser, command)(*args)
            reply = "ok\t" + ("" if answer is None else str(answer))
        except (WebDriverException, AttributeError, KeyError, ValueError, IndexError, TypeError) as error:
            reply = "fail\t" + " ".join(str(error).split())
        self.wfile.write((reply + "\n").encode())


folder = sys.argv[1]
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))  # the browser goes with the driver
server = socketserver.TCPServer(("127.0.0.1", 0), Requests)
server.browser = Browser()
try:
    with open(os.path.join(folder, "port.new"), "w") as port:
        port.write(f"{server.server_address[1]}\n")
    os.rename(os.path.join(folder, "port.new"), os.path.join(folder, "port"))
    server.serve_forever()
finally:
    server.browser.driver.quit()
