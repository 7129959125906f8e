#!/usr/bin/python3
"""The page's load time in headless Chromium from file://: from the start of
navigation to the form ready for input (the page's mark "Form1 ready", set
once Form_Load has run and the focus is in C), RUNS warm loads after one to
warm up, in one browser; prints each time and the median. Goal: at most 100 ms.

Usage: web_load.py PAGE.html [RUNS]   (20 by default)
"""
import pathlib
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page = pathlib.Path(sys.argv[1]).resolve().as_uri()
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--no-first-run",
                 "--user-data-dir=" + tempfile.mkdtemp(prefix="ritmolis-bench-")):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    times = []
    for run in range(runs + 1):
        driver.get("about:blank")
        driver.get(page)
        ready = driver.execute_async_script("""const done = arguments[0];
            (function wait() {
                const mark = performance.getEntriesByName('Form1 ready')[0];
                mark ? done(mark.startTime) : setTimeout(wait, 5);
            })();""")
        if run:
            times.append(ready)
finally:
    driver.quit()
print("navigation to form ready, ms: " + " ".join(f"{t:.1f}" for t in times))
print(f"median of {runs} warm loads: {statistics.median(times):.1f} ms")
