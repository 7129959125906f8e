#!/usr/bin/python3
"""The real program on Wayland: a headless Weston of this run's own, its output
at scale 2, and the program on Qt's Wayland platform, driven through AT-SPI as
an assistive tool would (the headless backend has no keyboard to type on).

C = 1000, R1 = 1 and R2 = 1 are written as editable text, "Skaičiuoti" is
pressed once enabled, and t1 = 1.39 and t2 = 0.69 read back; then the message
for t1 <= t2, its box found and closed by its OK button, and "Viso gero" ends
the program with status 0. Its Wayland protocol log must show the toplevel
titled "555 astable", with the desktop entry's app id, a fixed size of
430 x 239, and buffers of 860 x 478 at buffer scale 2. FOLDER keeps that log
(wayland-debug.log), Weston's, and screen-scale2.png, the screen after the
request.

Usage: dbus-run-session -- wayland_atspi.py RITMOLIS FOLDER
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

APP, FOLDER = sys.argv[1], os.path.abspath(sys.argv[2])


def fail(message, log=None):
    print(message)
    if log:
        with open(log, errors="replace") as f:
            print(f"--- the end of {log}:\n" + "".join(f.readlines()[-30:]), end="")
    sys.exit(1)


def until(condition, what, seconds=10):
    """Waits until condition() gives a true value, and returns it."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if value := condition():
            return value
        time.sleep(0.05)
    fail(f"{what}: not within {seconds} s")


def protocol_facts(log):
    """What the program asked of the compositor for its first toplevel and its surface."""
    facts, surfaces, buffers, toplevel, surface = {}, {}, {}, None, None
    with open(log, errors="replace") as f:
        for line in f:
            # An object is interface@id in libwayland's log before 1.23 (Debian 12), interface#id since.
            line = re.sub(r"\b(\w+)#(\d+)\b", r"\1@\2", line)
            if m := re.search(r"-> xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line):
                surfaces[m[1]] = m[2]
            elif (m := re.search(r"-> xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line)) and not toplevel:
                toplevel, surface = m[2], surfaces[m[1]]
            elif m := re.search(r"-> wl_shm_pool@\d+\.create_buffer\(new id wl_buffer@(\d+), \d+, (\d+), (\d+),", line):
                buffers[m[1]] = f"{m[2]} x {m[3]}"
            elif toplevel and (m := re.search(rf"-> xdg_toplevel@{toplevel}\.(set_\w+)\((.*)\)", line)):
                facts[m[1]] = m[2]
            elif surface and (m := re.search(rf"-> wl_surface@{surface}\.set_buffer_scale\((\d+)\)", line)):
                facts["buffer scale"] = m[1]
            elif surface and (m := re.search(rf"-> wl_surface@{surface}\.attach\(wl_buffer@(\d+),", line)):
                facts["buffer"] = buffers.get(m[1])
    return facts


def drive(app):
    import pyatspi  # connects to the accessibility bus, so only once it runs
    from gi.repository import GLib

    def find(root, role, name=None):
        try:
            return pyatspi.findDescendant(root, lambda o: o.getRole() == role and name in (None, o.name))
        except GLib.GError:  # an object went away during the search
            return None

    def text(field):
        return field.queryText().getText(0, -1)

    def press(control):
        action = control.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)

    program = until(lambda: find(pyatspi.Registry.getDesktop(0), pyatspi.ROLE_APPLICATION, "Ritmolis"),
                    "the program on the accessibility bus")
    window = until(lambda: find(program, pyatspi.ROLE_FILLER, "555 astable"), "the window")
    c = find(window, pyatspi.ROLE_COMBO_BOX, "C") or fail("no combo box named C")
    c_list, c_edit = find(c, pyatspi.ROLE_LIST), find(c, pyatspi.ROLE_TEXT)
    if (c_list.childCount, text(c_edit)) != (13, "pasirink C talpą"):
        fail(f"C holds {c_list.childCount} items and the text {text(c_edit)!r}")
    fields = {name: find(window, pyatspi.ROLE_TEXT, name) for name in ("R1", "R2", "t1", "t2")}
    sk = find(window, pyatspi.ROLE_PUSH_BUTTON, "Skaičiuoti")

    def sensitive():
        return sk.getState().contains(pyatspi.STATE_SENSITIVE)

    for field, value in ((c_edit, "1000"), (fields["R1"], "1"), (fields["R2"], "1")):
        if sensitive():
            fail("Skaičiuoti is enabled before C, R1 and R2 are all written")
        field.queryEditableText().setTextContents(value)
    until(sensitive, "Skaičiuoti enabled")
    press(sk)
    until(lambda: (text(fields["t1"]), text(fields["t2"])) == ("1.39", "0.69"), "t1 = 1.39 and t2 = 0.69")
    print("C = 1000, R1 = 1, R2 = 1 give t1 = 1.39, t2 = 0.69")
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["weston-screenshooter"], cwd=folder, check=True, timeout=10)
        shutil.move(os.path.join(folder, os.listdir(folder)[0]), os.path.join(FOLDER, "screen-scale2.png"))

    press(find(window, pyatspi.ROLE_RADIO_BUTTON, "sužinoti R1 ir R2"))
    fields["t2"].queryEditableText().setTextContents("2")
    until(sensitive, "Skaičiuoti enabled")
    press(sk)
    box = until(lambda: find(program, pyatspi.ROLE_ALERT, "Ritmolis"), "the message box")
    message = '"t1" turi būti daugiau už "t2"'
    find(box, pyatspi.ROLE_LABEL, message) or fail(f"the box does not say {message}")
    print(f"the box says {message}")
    press(find(box, pyatspi.ROLE_PUSH_BUTTON, "OK"))
    until(lambda: not find(program, pyatspi.ROLE_ALERT, "Ritmolis"), "the box closed")

    press(find(window, pyatspi.ROLE_PUSH_BUTTON, "Viso gero"))
    try:
        return app.wait(10)
    except subprocess.TimeoutExpired:
        fail('the program did not end within 10 s of "Viso gero"')


def main():
    os.makedirs(FOLDER, exist_ok=True)
    runtime = tempfile.mkdtemp()
    os.environ.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-test", GSETTINGS_BACKEND="memory")
    for name in ("DISPLAY", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS"):
        os.environ.pop(name, None)
    weston_log, app_log = os.path.join(FOLDER, "weston.log"), os.path.join(FOLDER, "wayland-debug.log")
    # A plain desktop without animations, so that the screenshot shows the window as it is;
    # --debug lets weston-screenshooter in. The output: 640 x 480 at scale 2, 1280 x 960 pixels.
    with open(os.path.join(runtime, "weston.ini"), "w") as f:
        f.write("[shell]\npanel-position=none\nbackground-color=0xff3b4252\n"
                "startup-animation=none\nanimation=none\nclose-animation=none\n")
    started = [subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])]
    try:
        started.append(subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--socket=wayland-test", f"--config={runtime}/weston.ini",
             "--use-pixman", "--width=640", "--height=480", "--scale=2", "--idle-time=0", "--debug"],
            stdout=open(weston_log, "w"), stderr=subprocess.STDOUT))
        until(lambda: os.path.exists(f"{runtime}/wayland-test") and
              "Output 'headless' enabled" in open(weston_log).read(), "Weston started")
        # Weston draws no title bars; without Qt's own the toplevel's buffer is the window alone.
        app = subprocess.Popen([APP], stderr=open(app_log, "w"), env=dict(
            os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            QT_WAYLAND_DISABLE_WINDOWDECORATION="1"))
        started.append(app)
        status = drive(app)
        print(f"the program ended with status {status}")
        if status != 0:
            fail("expected status 0", app_log)
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait()
        shutil.rmtree(runtime, ignore_errors=True)

    facts = protocol_facts(app_log)
    expected = {"set_title": '"555 astable"', "set_app_id": '"ritmolis"', "set_min_size": "430, 239",
                "set_max_size": "430, 239", "buffer scale": "2", "buffer": "860 x 478"}
    for fact in expected:
        print(f"{fact}: {facts.get(fact)}")
    if any(facts.get(fact) != value for fact, value in expected.items()):
        fail(f"expected {expected}", app_log)


if __name__ == "__main__":
    main()
