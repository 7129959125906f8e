#!/usr/bin/python3
"""The page's load time against its floor, from file://, in Chromium and in
Firefox (headless, driven as by the page's tests: web/tests/browsers.py): from
the start of navigation to the form ready for input (the page's mark "Form1
ready", set once Form_Load has run and the focus is in C). The floor is the
same page without its script (no module to decode, compile or start), marked
ready at once. The two are loaded in turn, RUNS warm loads each after one to
warm up, in one browser; prints each engine's medians and their ratio, and
where the page's time goes, from the marks its loader sets: reaching its
script (parsing the page and the script), decoding the module, compiling and
instantiating it, and starting it (Form_Load and the rest of the form's start).
Goal: the page at most 1.5 times its floor, and at most 100 ms.

Usage: web_load.py PAGE.html [RUNS]   (20 by default)
"""
import pathlib
import re
import statistics
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "web" / "tests"))
from browsers import open_browser  # noqa: E402

page = pathlib.Path(sys.argv[1]).resolve()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
MARKS = ("loader", "module decoded", "module compiled", "Form1 ready")

# The floor: the page's markup and style, its script and its policy (which
# would refuse the floor's one line) taken out.
markup = page.read_text(encoding="utf-8")
markup = re.sub(r"<meta http-equiv=\"Content-Security-Policy\"[^>]*>", "", markup)
markup = re.sub(r"<script\b.*?</script>", "", markup, flags=re.S)
floor = pathlib.Path(tempfile.mkdtemp(prefix="ritmolis-floor-")) / "floor.html"
floor.write_text(markup.replace("</body>", "<script>performance.mark('Form1 ready')</script>\n</body>"),
                 encoding="utf-8")


def marks(driver, url):
    """The times of the marks, from the start of navigation; -1 for a mark the page does not set."""
    driver.get("about:blank")
    driver.get(url)
    return driver.execute_async_script("""const names = arguments[0], done = arguments[1];
        (function wait() {
            const at = name => (performance.getEntriesByName(name)[0] || {startTime: -1}).startTime;
            at('Form1 ready') >= 0 ? done(names.map(at)) : setTimeout(wait, 5);
        })();""", MARKS)


for engine in (sys.argv[3].split(",") if len(sys.argv) > 3 else ("chromium", "firefox")):
    driver = open_browser(engine)
    times = {"page": [], "floor": []}
    try:
        for run in range(runs + 1):
            for name, url in (("page", page.as_uri()), ("floor", floor.as_uri())):
                took = marks(driver, url)
                if run:
                    times[name].append(took)
    finally:
        driver.quit()
    page_ready = statistics.median(t[-1] for t in times["page"])
    floor_ready = statistics.median(t[-1] for t in times["floor"])
    print(f"{engine} page, ms: " + " ".join(f"{t[-1]:.1f}" for t in times["page"]))
    print(f"{engine} floor, ms: " + " ".join(f"{t[-1]:.1f}" for t in times["floor"]))
    steps = ", ".join(f"{what} {statistics.median(t[i + 1] - t[i] for t in times['page']):.1f} ms"
                      for i, what in enumerate(("decoding the module", "compiling it", "starting it")))
    print(f"{engine}: median of {runs} warm loads: page {page_ready:.1f} ms, floor {floor_ready:.1f} ms, "
          f"{page_ready / floor_ready:.2f} times the floor; the page reaches its script at "
          f"{statistics.median(t[0] for t in times['page']):.1f} ms, then {steps}")
