"""The three browser engines that the page is tested and measured in, each
behind selenium's WebDriver, so that one driver runs the same checks in all:

  chromium  Debian's chromium, headless, through chromium-driver;
  firefox   Debian's firefox-esr, headless, over WebDriver BiDi, which Firefox
            serves itself (Debian has no geckodriver): the classic commands
            that the tests use are carried over BiDi's websocket (FirefoxBidi);
  webkit    WebKitGTK's MiniBrowser, through Debian's webkit2gtk-driver; it
            needs an X display (scripts/with-display).

open_browser(engine) starts one; screen() sets the size of its viewport."""
import base64
import json
import os
import pathlib
import shutil
import subprocess
import tempfile
import threading
import time

import websocket  # python3-websocket
from selenium import webdriver
from selenium.common.exceptions import JavascriptException, NoSuchElementException, TimeoutException, WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.remote.command import Command
from selenium.webdriver.remote.webdriver import WebDriver
from selenium.webdriver.webkitgtk.service import Service as WebKitService

ENGINES = ("chromium", "firefox", "webkit")
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"  # how WebDriver names an element
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"


def open_browser(engine, language="lt", zoom=1):
    """A new browser of the engine, with a profile of its own; driver.engine
    names it. ZOOM (WebKit's alone) shows its pages larger."""
    profile = tempfile.mkdtemp(prefix=f"ritmolis-{engine}-")
    if engine == "chromium":
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--no-first-run",
                         "--user-data-dir=" + profile, "--lang=" + language):
            options.add_argument(argument)
        # The DevTools events (the network's among them) and the console.
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"), options=options)
    elif engine == "firefox":
        driver = WebDriver(command_executor=FirefoxBidi(profile, language), options=webdriver.FirefoxOptions())
    elif engine == "webkit":
        # MiniBrowser's window is never narrower than its toolbar (447 pixels),
        # so the pages of a phone's width are shown zoomed to 200 %
        # (GDK_DPI_SCALE): a window of 640 pixels shows 320 CSS pixels. Its
        # driver's clicks then miss, so such a browser is for looking only.
        # A script may open a tab, as in the other engines.
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        for argument in ("--automation", "--javascript-can-open-windows-automatically=true"):
            options.add_argument(argument)
        os.environ["GDK_DPI_SCALE"] = str(zoom)
        try:
            driver = WebKit(WebKitService("/usr/bin/WebKitWebDriver", log_path=os.path.join(profile, "driver.log")),
                            options)
        finally:
            del os.environ["GDK_DPI_SCALE"]
    else:
        raise ValueError(f"no engine named {engine}; one of {', '.join(ENGINES)}")
    driver.engine = engine
    driver.set_script_timeout(60)
    return driver


def screen(driver, width, height, scale=1, phone=False):
    """The viewport WIDTH × HEIGHT CSS pixels; in Chromium also SCALE device
    pixels to the CSS pixel and a phone's touch screen, in Firefox the scale."""
    if driver.engine == "chromium":
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": width, "height": height, "deviceScaleFactor": scale, "mobile": phone})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": phone, "maxTouchPoints": 5})
    elif driver.engine == "firefox":
        driver.command_executor.viewport(width, height, scale)
    else:
        # The window holds the page at its zoom, and the browser's bar above it.
        outer, inner = driver.execute_script("return [[outerWidth, outerHeight], [innerWidth, innerHeight]]")
        zoom = outer[0] / inner[0]
        driver.set_window_size(round(width * zoom), round(height * zoom + outer[1] - inner[1] * zoom))


def print_pdf(driver, width, height):
    """The page printed as the browser prints it, to a PDF of pages WIDTH × HEIGHT centimetres, portrait, with
    margins of 15 mm: Chromium's DevTools Page.printToPDF, Firefox's WebDriver BiDi browsingContext.print.
    Returns the PDF's bytes."""
    if driver.engine == "chromium":
        inch = 2.54
        data = driver.execute_cdp_cmd("Page.printToPDF", {
            "paperWidth": width / inch, "paperHeight": height / inch, "landscape": False,
            "marginTop": 1.5 / inch, "marginBottom": 1.5 / inch, "marginLeft": 1.5 / inch, "marginRight": 1.5 / inch,
            "printBackground": False})["data"]
    elif driver.engine == "firefox":
        data = driver.command_executor.send("browsingContext.print", {
            "context": driver.command_executor.context, "orientation": "portrait", "background": False,
            "page": {"width": width, "height": height},
            "margin": {"top": 1.5, "bottom": 1.5, "left": 1.5, "right": 1.5}})["data"]
    else:
        raise ValueError(f"{driver.engine} prints no PDF for its driver")
    return base64.b64decode(data)


class WebKit(WebDriver):
    """WebKitGTK's WebDriver with its driver started here: selenium's own
    class takes the driver's path and log as its arguments in selenium 4.8
    (Debian 12) and only as a started Service in 4.31 (Debian 13); a Service
    of our own suits both."""

    def __init__(self, service, options):
        self.service = service
        service.start()
        super().__init__(command_executor=service.service_url, options=options)

    def quit(self):
        try:
            super().quit()
        finally:
            self.service.stop()


class FirefoxBidi:
    """Firefox over WebDriver BiDi, as a command executor for selenium's
    WebDriver: each classic command that the tests send is carried out with
    BiDi's commands in the current browsing context."""

    def __init__(self, profile, language):
        pathlib.Path(profile, "user.js").write_text(
            f'user_pref("intl.accept_languages", "{language}");\n'
            'user_pref("browser.shell.checkDefaultBrowser", false);\n'
            'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n', encoding="utf-8")
        self.profile = profile
        self.log = open(os.path.join(profile, "firefox.log"), "w+", encoding="utf-8")
        self.process = subprocess.Popen(
            ["/usr/bin/firefox-esr", "--headless", "--no-remote", "--profile", profile,
             "--remote-debugging-port=0", "about:blank"],
            stdout=self.log, stderr=self.log, env=dict(os.environ, MOZ_CRASHREPORTER_DISABLE="1"))
        address = None
        for _ in range(600):
            self.log.seek(0)
            for line in self.log:
                if line.startswith("WebDriver BiDi listening on "):
                    address = line.split()[-1]
            if address or self.process.poll() is not None:
                break
            time.sleep(0.1)
        if not address:
            self.process.kill()
            raise WebDriverException("Firefox did not open WebDriver BiDi: " + pathlib.Path(self.log.name).read_text())
        try:
            self.socket = websocket.create_connection(address + "/session", timeout=120, suppress_origin=True)
        except (OSError, websocket.WebSocketException):
            self.process.kill()
            raise
        self.lock = threading.Lock()
        self.last_id = 0
        self.context = None
        self.script_timeout = 60

    def send(self, method, params, timeout=None):
        """Sends one BiDi command and returns its result (no events are asked for)."""
        with self.lock:
            self.last_id += 1
            self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
            deadline = time.monotonic() + (timeout or 120)
            while True:
                self.socket.settimeout(max(0.1, deadline - time.monotonic()))
                try:
                    message = json.loads(self.socket.recv())
                except websocket.WebSocketTimeoutException:
                    raise TimeoutException(f"{method}: no answer") from None
                if message.get("id") == self.last_id:
                    break
        if message.get("type") == "error":
            error = WebDriverException if message["error"] != "no such element" else NoSuchElementException
            raise error(f"{method}: {message['error']}: {message.get('message')}")
        return message["result"]

    def contexts(self):
        return [context["context"] for context in self.send("browsingContext.getTree", {"maxDepth": 0})["contexts"]]

    def viewport(self, width, height, scale):
        self.send("browsingContext.setViewport", {"context": self.context, "viewport": {"width": width, "height": height},
                                                  "devicePixelRatio": scale})

    def call(self, function, args, awaiting=False):
        """Runs the JavaScript function on the arguments in the page; its result as WebDriver gives it."""
        result = self.send("script.callFunction", {
            "functionDeclaration": function, "arguments": [to_bidi(arg) for arg in args],
            "target": {"context": self.context}, "awaitPromise": awaiting, "userActivation": True},
            timeout=self.script_timeout + 5)
        if result["type"] == "exception":
            raise JavascriptException(result["exceptionDetails"]["text"])
        return from_bidi(result["result"])

    def execute(self, command, params):
        value = None
        if command == Command.NEW_SESSION:
            self.send("session.new", {"capabilities": {}})
            # The tab that Firefox opens at start does not get the focus when
            # headless, and without it keys do not press buttons: a new one does.
            first = self.contexts()[0]
            self.context = self.send("browsingContext.create", {"type": "tab"})["context"]
            self.send("browsingContext.close", {"context": first})
            value = {"sessionId": "firefox", "capabilities": {"browserName": "firefox"}}
        elif command == Command.GET:
            self.send("browsingContext.navigate", {"context": self.context, "url": params["url"], "wait": "complete"})
        elif command == Command.SET_TIMEOUTS:
            self.script_timeout = params.get("script", self.script_timeout * 1000) / 1000
        elif command == Command.W3C_EXECUTE_SCRIPT:
            value = self.call(f"function() {{ {params['script']}\n}}", params["args"])
        elif command == Command.W3C_EXECUTE_SCRIPT_ASYNC:
            # The script's last argument is the function that it calls with its result.
            value = self.call("(...args) => new Promise(resolve => (function() { %s\n}).apply(null, [...args, resolve]))"
                              % params["script"], params["args"], awaiting=True)
        elif command == Command.FIND_ELEMENT:
            find = {"css selector": "(s) => document.querySelector(s)",
                    "xpath": "(s) => document.evaluate(s, document, null, XPathResult.FIRST_ORDERED_NODE_TYPE,"
                             " null).singleNodeValue"}[params["using"]]
            value = self.call(find, [params["value"]])
            if value is None:
                raise NoSuchElementException(f"no element {params['using']} {params['value']}")
        elif command == Command.CLICK_ELEMENT:
            element = {ELEMENT: params["id"]}
            self.call("(e) => e.scrollIntoView({block: 'nearest', inline: 'nearest'})", [element])
            self.send("input.performActions", {"context": self.context, "actions": [{
                "type": "pointer", "id": "click", "parameters": {"pointerType": "mouse"}, "actions": [
                    {"type": "pointerMove", "x": 0, "y": 0, "origin": to_origin(element)},
                    {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]}]})
        elif command == Command.W3C_ACTIONS:
            for source in params["actions"]:
                for action in source["actions"]:
                    if "origin" in action:
                        action["origin"] = to_origin(action["origin"])
            self.send("input.performActions", {"context": self.context, "actions": params["actions"]})
        elif command == Command.W3C_CLEAR_ACTIONS:
            self.send("input.releaseActions", {"context": self.context})
        elif command == Command.SCREENSHOT:
            value = self.send("browsingContext.captureScreenshot", {"context": self.context})["data"]
        elif command == Command.W3C_GET_CURRENT_WINDOW_HANDLE:
            value = self.context
        elif command == Command.W3C_GET_WINDOW_HANDLES:
            value = self.contexts()
        elif command == Command.SWITCH_TO_WINDOW:
            self.context = params["handle"]
        elif command == Command.QUIT:
            try:
                self.send("session.end", {}, timeout=10)
            except WebDriverException:
                pass
        else:
            raise WebDriverException(f"the tests' Firefox over BiDi does not carry the command {command}")
        return {"value": value}

    def close(self):
        self.socket.close()
        self.process.terminate()
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)


def to_origin(origin):
    return {"type": "element", "element": {"sharedId": origin[ELEMENT]}} if isinstance(origin, dict) else origin


def to_bidi(value):
    """A Python value as a BiDi LocalValue."""
    if value is None:
        return {"type": "null"}
    if isinstance(value, bool):
        return {"type": "boolean", "value": value}
    if isinstance(value, (int, float)):
        return {"type": "number", "value": value}
    if isinstance(value, str):
        return {"type": "string", "value": value}
    if isinstance(value, (list, tuple)):
        return {"type": "array", "value": [to_bidi(item) for item in value]}
    if isinstance(value, dict) and ELEMENT in value:
        return {"sharedId": value[ELEMENT]}
    if isinstance(value, dict):
        return {"type": "object", "value": [[key, to_bidi(item)] for key, item in value.items()]}
    raise TypeError(f"no BiDi value for {value!r}")


def from_bidi(value):
    """A BiDi RemoteValue as WebDriver's classic commands return it."""
    kind = value["type"]
    if kind in ("undefined", "null"):
        return None
    if kind in ("string", "boolean"):
        return value["value"]
    if kind == "number":
        number = value["value"]
        return float(number) if isinstance(number, str) else number  # NaN, -0, ±Infinity
    if kind in ("array", "nodelist", "htmlcollection"):
        return [from_bidi(item) for item in value.get("value", [])]
    if kind == "object":
        return {key if isinstance(key, str) else from_bidi(key): from_bidi(item) for key, item in value.get("value", [])}
    if kind == "node":
        return {ELEMENT: value["sharedId"]}
    if kind == "window":
        return {"window-fcc6-11e5-b4f8-330a88ab9d7f": value["value"]["context"]}
    return value.get("value")


