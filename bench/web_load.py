#!/usr/bin/python3
"""The page's load time against its floor, from file://, in Chromium and in
Firefox (headless, driven as by the page's tests: web/tests/browsers.py): from
the start of navigation to the form ready for input (the page's mark "Form1
ready", set once Form_Load has run and the focus is in C). The floor is the
same page without its code (no module to decode, compile or start), marked
ready at once. The two are loaded in turn, RUNS warm loads each after one to
warm up, in one browser; prints each engine's medians and their ratio, and
where the page's time beyond the floor goes: decoding the module inlined in
base64 and compiling it (each measured alone, RUNS times), and the rest,
reading the page's script, starting the module and running Form_Load.
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

# The floor: the page's markup and style, its scripts and its policy (which
# would refuse the floor's one line) taken out.
markup = page.read_text(encoding="utf-8")
markup = re.sub(r"<meta http-equiv=\"Content-Security-Policy\"[^>]*>", "", markup)
module = re.search(r"data:application/octet-stream;base64,([A-Za-z0-9+/=]+)", markup).group(1)
markup = re.sub(r"<script\b.*?</script>", "", markup, flags=re.S)
floor = pathlib.Path(tempfile.mkdtemp(prefix="ritmolis-floor-")) / "floor.html"
floor.write_text(markup.replace("</body>", "<script>performance.mark('Form1 ready')</script>\n</body>"),
                 encoding="utf-8")


def ready(driver, url):
    driver.get("about:blank")
    driver.get(url)
    return driver.execute_async_script("""const done = arguments[0];
        (function wait() {
            const mark = performance.getEntriesByName('Form1 ready')[0];
            mark ? done(mark.startTime) : setTimeout(wait, 5);
        })();""")


for engine in ("chromium", "firefox"):
    driver = open_browser(engine)
    times = {"page": [], "floor": []}
    try:
        for run in range(runs + 1):
            for name, url in (("page", page.as_uri()), ("floor", floor.as_uri())):
                took = ready(driver, url)
                if run:
                    times[name].append(took)
        # On the floor, which has none of the page's code: the module decoded, then compiled.
        steps = [driver.execute_async_script("""const done = arguments[1], start = performance.now();
            const bytes = Uint8Array.from(atob(arguments[0]), c => c.charCodeAt(0)), decoded = performance.now();
            WebAssembly.compile(bytes).then(() => done([decoded - start, performance.now() - decoded]));""", module)
                 for _ in range(runs)]
        times["decoding"], times["compiling"] = [step[0] for step in steps], [step[1] for step in steps]
    finally:
        driver.quit()
    medians = {name: statistics.median(values) for name, values in times.items()}
    for name, values in times.items():
        print(f"{engine} {name}, ms: " + " ".join(f"{t:.1f}" for t in values))
    print(f"{engine}: median of {runs} warm loads: page {medians['page']:.1f} ms, floor {medians['floor']:.1f} ms, "
          f"{medians['page'] / medians['floor']:.2f} times the floor; beyond it: decoding the module "
          f"{medians['decoding']:.1f} ms, compiling it {medians['compiling']:.1f} ms, the rest "
          f"{medians['page'] - medians['floor'] - medians['decoding'] - medians['compiling']:.1f} ms")
