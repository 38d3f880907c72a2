"""One headless Chromium that the end-to-end scripts drive through lib.sh's
web road: a request a connection on 127.0.0.1, one line of tab-separated
words in, one line out ("ok" and the answer, or "fail" and why).

The page's windows as the scripts see them: "TAB" is the page's window in
that tab, "TAB/box/N" the box shown there as the N-th, and "TAB/menu" the
browser's context menu, had the page let it open.
usage: driver.py FOLDER   (writes FOLDER/port once it listens)"""
import os
import signal
import socketserver
import sys
import time

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

KEYS = {"Return": Keys.ENTER, "Tab": Keys.TAB, "space": " ", "BackSpace": Keys.BACKSPACE, "Escape": Keys.ESCAPE,
        "End": Keys.END, "Home": Keys.HOME, "Up": Keys.ARROW_UP, "Down": Keys.ARROW_DOWN, "Left": Keys.ARROW_LEFT,
        "Right": Keys.ARROW_RIGHT, "Delete": Keys.DELETE, "Insert": Keys.INSERT, "Page_Up": Keys.PAGE_UP,
        "Page_Down": Keys.PAGE_DOWN, **{f"F{n}": getattr(Keys, f"F{n}") for n in range(1, 13)}}
MODIFIERS = {"shift": Keys.SHIFT, "ctrl": Keys.CONTROL, "alt": Keys.ALT}

# Instruments each page before its own script runs: whether the last context
# menu event was let through (a real menu closes at the next click or key).
WATCH_MENUS = """
addEventListener("contextmenu", e => { window.kulboTestMenu = !e.defaultPrevented; });
addEventListener("mousedown", () => { window.kulboTestMenu = false; }, true);
addEventListener("keydown", e => { if (e.key !== "ContextMenu" && e.key !== "F10") window.kulboTestMenu = false; }, true);
"""

# Keeps the screen's wake locks the page asks for, in the order asked.
WATCH_WAKE_LOCKS = """
if (navigator.wakeLock) {
  const request = navigator.wakeLock.request.bind(navigator.wakeLock);
  window.kulboTestLocks = [];
  navigator.wakeLock.request = type => request(type).then(lock => (kulboTestLocks.push(lock), lock));
}
"""

# The page's window and its open box, as the scripts name them.
WINDOWS = """
const shown = !document.getElementById("window").hidden;
const boxes = [...document.querySelectorAll("dialog[open]")].map(box => {
  if (!box.dataset.seen) box.dataset.seen = String(window.kulboTestBoxes = (window.kulboTestBoxes || 0) + 1);
  return [box.dataset.seen, box.querySelector(".title").textContent];
});
return {title: document.title, shown, boxes, menu: !!window.kulboTestMenu,
        ended: document.getElementById("window").inert};
"""


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

    def tab(self, handle):
        if self.current != handle:
            self.driver.switch_to.window(handle)
            self.current = handle

    def close(self, handle):
        self.tab(handle)
        self.driver.close()
        self.tab(self.blank)

    def open(self, url, downloads, zone):
        """A new tab for a script, the earlier scripts' tabs closed."""
        for handle in self.driver.window_handles:
            if handle != self.blank:
                self.close(handle)
        return self.new_tab(url, downloads, zone)

    def new_tab(self, url, downloads=None, zone=None):
        self.driver.switch_to.new_window("tab")
        handle = self.current = self.driver.current_window_handle
        if downloads:
            self.downloads = downloads
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior", {"behavior": "allow", "downloadPath": self.downloads})
        if zone:
            self.zone = zone
        if getattr(self, "zone", None):
            self.driver.execute_cdp_cmd("Emulation.setTimezoneOverride", {"timezoneId": self.zone})
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_MENUS + WATCH_WAKE_LOCKS})
        self.driver.get(url)
        return handle

    def windows(self, handle):
        self.tab(handle)
        seen = self.driver.execute_script(WINDOWS)
        found = [(f"{handle}/box/{number}", title) for number, title in seen["boxes"]]
        if seen["shown"]:
            found.insert(0, (handle, seen["title"]))
        if seen["menu"]:
            found.append((f"{handle}/menu", ""))
        return found, seen["ended"]

    def point(self, handle, x, y):
        """A point of the window, in its design's pixels, on the screen."""
        self.tab(handle)
        box = self.driver.execute_script(
            "const r = document.getElementById('window').getBoundingClientRect();"
            "return [r.left, r.top, r.width / document.getElementById('window').offsetWidth];")
        return round(box[0] + x * box[2]), round(box[1] + y * box[2])

    def click(self, handle, x, y, count=1, delay=0, button=0):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(*self.point(handle, x, y))
        for i in range(count):
            if i:
                actions.pointer_action.pause(delay / 1000)
            actions.pointer_action.pointer_down(button).pointer_up(button)
        actions.perform()

    def touch(self, handle, x, y, taps, delay):
        """Taps of a finger at a point of the window, DELAY ms apart."""
        x, y = self.point(handle, x, y)
        for i in range(taps):
            time.sleep(delay / 1000 if i else 0)
            for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
                self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def viewport(self, handle, width, height, touch):
        """The tab's viewport as a screen of this size, a touch screen if asked."""
        self.tab(handle)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": touch})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5})
        time.sleep(0.2)

    def right_click(self, handle):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.pointer_down(2).pointer_up(2)
        actions.perform()

    def keys(self, handle, names):
        self.tab(handle.split("/")[0])
        for name in names:
            *held, key = name.split("+")
            if key == "Menu":
                self.context_menu_key()
                continue
            chain = ActionChains(self.driver)
            for modifier in held:
                chain.key_down(MODIFIERS[modifier.lower()])
            chain.send_keys(KEYS.get(key, key))
            for modifier in reversed(held):
                chain.key_up(MODIFIERS[modifier.lower()])
            chain.pause(0.04).perform()

    def context_menu_key(self):
        for kind in ("rawKeyDown", "keyUp"):
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": "ContextMenu", "code": "ContextMenu", "windowsVirtualKeyCode": 93})

    def type(self, handle, text, delay):
        self.tab(handle)
        chain = ActionChains(self.driver)
        for character in text:
            chain.send_keys(character).pause(delay / 1000)
        chain.perform()


class Requests(socketserver.StreamRequestHandler):
    def handle(self):
        words = self.rfile.readline().decode().rstrip("\n").split("\t")
        try:
            answer = self.server.serve(words)
            reply = "ok\t" + (answer or "")
        except (WebDriverException, KeyError, ValueError, IndexError) as error:
            reply = "fail\t" + " ".join(str(error).split())
        self.wfile.write((reply + "\n").encode())


class Server(socketserver.TCPServer):
    allow_reuse_address = True

    def __init__(self, folder):
        super().__init__(("127.0.0.1", 0), Requests)
        self.folder = folder
        self.browser = Browser()

    def serve(self, words):
        command, *args = words
        b = self.browser
        if command == "open":
            return b.open(*args)
        if command == "new_tab":
            return b.new_tab(args[0])
        if command == "find":  # the windows of one tab with exactly this title
            return " ".join(id for id, title in b.windows(args[0])[0] if title == args[1])
        if command == "all":
            return " ".join(id for id, _ in b.windows(args[0])[0])
        if command == "title":
            b.tab(args[0])
            return b.driver.title
        if command == "ended":
            return "yes" if b.windows(args[0])[1] else "no"
        if command == "close_tab":
            b.close(args[0])
            return ""
        if command == "click":
            b.click(args[0], int(args[1]), int(args[2]), *(int(a) for a in args[3:5]))
            return ""
        if command == "touch":
            b.touch(args[0], int(args[1]), int(args[2]), int(args[3]), int(args[4]))
            return ""
        if command == "viewport":  # TAB WIDTH HEIGHT touch|mouse
            b.viewport(args[0], int(args[1]), int(args[2]), args[3] == "touch")
            return ""
        if command == "click_element":  # a pointer's click on what a CSS selector finds outside the window
            b.tab(args[0])
            b.driver.find_element("css selector", args[1]).click()
            return ""
        if command == "right_click":
            b.right_click(args[0])
            return ""
        if command == "keys":
            b.keys(args[0], args[1:])
            return ""
        if command == "type":
            b.type(args[0], args[1], int(args[2]))
            return ""
        if command == "clipboard":  # TAB TEXT: the browser's clipboard holds the text
            b.tab(args[0])
            b.driver.execute_cdp_cmd("Browser.grantPermissions", {"permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
            b.driver.execute_async_script("navigator.clipboard.writeText(arguments[0]).then(arguments[1])", args[1])
            return ""
        if command == "size":
            b.tab(args[0])
            return b.driver.execute_script(  # and whether the page centres it
                "const w = document.getElementById('window'), r = w.getBoundingClientRect();"
                "const centred = Math.abs(r.left + r.right - innerWidth) <= 2 && Math.abs(r.top + r.bottom - innerHeight) <= 2;"
                "return `${w.offsetWidth}x${w.offsetHeight} ${centred ? 'centred' : 'off centre'}`;")
        if command == "script":  # for the scripts of the page's own: a JavaScript expression's value
            b.tab(args[0])
            return str(b.driver.execute_script("return " + args[1]))
        if command == "screenshot":
            b.tab(args[0])
            b.driver.set_window_size(int(args[2]), int(args[3]))
            time.sleep(0.3)
            b.driver.save_screenshot(args[1])
            b.driver.set_window_size(1024, 768)
            return ""
        if command == "tabs":  # the address of every tab, one a word
            return " ".join(t["url"] for t in b.driver.execute_cdp_cmd("Target.getTargets", {})["targetInfos"]
                            if t["type"] == "page")
        if command == "cdp":
            b.tab(args[0])
            return str(b.driver.execute_cdp_cmd(args[1], {}))
        raise ValueError(f"no such request: {command}")


def main():
    folder = sys.argv[1]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))  # the browser goes with the driver
    server = Server(folder)
    try:
        with open(os.path.join(folder, "port.new"), "w") as port:
            port.write(f"{server.server_address[1]}\n")
        os.rename(os.path.join(folder, "port.new"), os.path.join(folder, "port"))
        server.serve_forever()
    finally:
        server.browser.driver.quit()


if __name__ == "__main__":
    main()
