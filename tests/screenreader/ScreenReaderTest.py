#!/usr/bin/python3
"""What a screen reader hears from Lunasoma, read the way Orca reads it: over AT-SPI, from a
separate process, on a private X server and a private accessibility bus. It checks the closed
colour list after a change, the chart after Tab, Right and Ctrl+Page Down, and the calendar pop-up
after F4, an arrow key and Page Down. Run it through run-screen-reader-test.sh, which gives it its
own session bus; it exits 77 (skipped) when the accessibility bus cannot start."""
import calendar
import datetime
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIPPED = 77
STARTED = time.monotonic()
WAIT = 15  # seconds an expected announcement may take on a busy machine


def skip(why):
    print("SKIPPED: " + why, flush=True)
    sys.exit(SKIPPED)


def long_date(day):
    return "%s, %s %d, %d" % (day.strftime("%A"), day.strftime("%B"), day.day, day.year)


class Session:
    """A private X server, the accessibility bus on this session bus, and the program."""

    def __init__(self, program):
        self.processes = []
        self.folder = tempfile.mkdtemp(prefix="lunasoma-reader.")
        try:
            self.open(program)
        except BaseException:
            self.stop()  # a skip or a failure leaves no server or program behind
            raise

    def open(self, program):
        env = dict(os.environ)
        for name in ("home", "reg", "run"):
            os.makedirs(os.path.join(self.folder, name), mode=0o700)
        env.update(HOME=os.path.join(self.folder, "home"), XDG_CONFIG_HOME=os.path.join(self.folder, "home/.config"),
                   XDG_DATA_HOME=os.path.join(self.folder, "home/.local/share"),
                   XDG_RUNTIME_DIR=os.path.join(self.folder, "run"),
                   LUNASOMA_REGISTRY_DIR=os.path.join(self.folder, "reg"))
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("WAYLAND_DISPLAY", None)
        self.env = env

        read, write = os.pipe()
        self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                   pass_fds=(write,))
        os.close(write)
        with os.fdopen(read) as display:
            number = display.readline().strip()
        if not number:
            skip("the private X server did not start")
        env["DISPLAY"] = ":" + number
        os.environ["DISPLAY"] = env["DISPLAY"]

        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        if not self.bus_ready():
            skip("the accessibility bus did not start on the session bus")

        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
        self.start([program])
        self.window = self.wait_for_window("^Lunasoma$")
        if not self.window:
            raise RuntimeError("the main window did not appear")

    def start(self, command, **options):
        process = subprocess.Popen(command, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   **options)
        self.processes.append(process)
        return process

    def bus_ready(self):
        try:
            from gi.repository import Gio
            bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        except Exception:
            return False
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            try:
                bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                              Gio.DBusCallFlags.NONE, 1000, None)
                return True
            except Exception:
                time.sleep(0.1)
        return False

    def wait_for_window(self, title):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], env=self.env,
                                   capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.1)
        return None

    def keys(self, *keys):
        for key in keys:
            # At a person's pace: keys sent on the heels of a focus move are sometimes lost.
            time.sleep(0.15)
            if os.environ.get("VERBOSE"):
                print("key %s at %.2f" % (key, time.monotonic() - STARTED), flush=True)
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], env=self.env, check=True)

    def focus(self, window):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=self.env)

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        shutil.rmtree(self.folder, ignore_errors=True)


class Reader:
    """Hears what Orca hears: focus moves, and changes of the focused object's name."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.heard = []
        self.changed = threading.Condition()
        self.focused = None
        # Qt's bridge sends only what some reader listens to, and announces a list's new item only to
        # readers that listen to values as well; Orca listens to all of these.
        for kind in ("object:state-changed:focused", "object:property-change:accessible-name",
                     "object:property-change:accessible-description", "object:property-change:accessible-value",
                     "object:value-changed", "object:selection-changed", "object:active-descendant-changed"):
            pyatspi.Registry.registerEventListener(self.on_event, kind)

    def said(self, acc, how):
        def read(get):
            try:
                return get() or ""
            except Exception:
                return ""
        # The window is the object right below the application; frames inside it are frames too.
        window = acc
        for _ in range(30):
            parent = read(lambda: window.parent)
            if not parent or read(parent.getRoleName) == "application":
                break
            window = parent
        read(window.clear_cache)
        heard = {"how": how, "role": read(acc.getRoleName), "name": read(lambda: acc.name),
                 "description": read(lambda: acc.description), "window": read(lambda: window.name)}
        if heard["role"] == "table cell":
            buttons = read(lambda: self.pyatspi.findAllDescendants(
                window, lambda found: found.getRoleName() == "push button"))
            heard["buttons"] = [read(lambda: button.name) for button in buttons or []]
        return heard

    def on_event(self, event):
        if event.type.startswith("object:state-changed:focused"):
            if not event.detail1:
                return
            self.focused = event.source
            heard = self.said(event.source, "focus")
        elif event.type.startswith("object:property-change:accessible-name") and event.source == self.focused:
            heard = self.said(event.source, "name")
        else:
            return
        heard["at"] = round(time.monotonic() - STARTED, 2)
        with self.changed:
            self.heard.append(heard)
            self.changed.notify_all()

    def mark(self):
        with self.changed:
            return len(self.heard)

    def wait(self, since, matches, seconds=WAIT):
        """The first thing heard after `since` that matches, or None after `seconds`."""
        deadline = time.monotonic() + seconds
        with self.changed:
            while True:
                for heard in self.heard[since:]:
                    if matches(heard):
                        return heard
                left = deadline - time.monotonic()
                if left <= 0:
                    return None
                self.changed.wait(left)


def drive(session, reader, failures):
    def expect(what, since, matches):
        heard = reader.wait(since, matches)
        if heard is None:
            failures.append("%s: not heard; heard instead: %s" % (what, reader.heard[since:]))
        return heard

    def settle(since):
        """Waits for the first thing heard after `since`, then until nothing more comes for a while."""
        if reader.wait(since, lambda h: True) is None:
            return
        heard = -1
        while heard != reader.mark():
            heard = reader.mark()
            time.sleep(0.4)

    def focused():
        moves = [h for h in reader.heard if h["how"] == "focus"]
        return moves[-1] if moves else None

    def focus_with(key, what, matches, presses=30):
        """Presses key until the focus rests on what matches; the thing focused, and the one before."""
        before = None
        for _ in range(presses):
            since = reader.mark()
            session.keys(key)
            settle(since)
            heard = focused()
            if heard is not None and matches(heard):
                return heard, before
            before = heard
        failures.append("%s: never reached with %s; heard: %s" % (what, key, reader.heard[-5:]))
        return None, before

    today = datetime.date.today()
    session.focus(session.window)
    # The program starts telling the bus only once it has seen a reader listen; until a focus move
    # is heard, keys may go unheard. Tab and arrow keys drive the window: a menu key's Alt, sent
    # by a tool, can reach the menu bar on its own.
    for _ in range(2 * WAIT):
        since = reader.mark()
        session.keys("Tab")
        if reader.wait(since, lambda h: h["how"] == "focus", 1.0):
            break

    # The closed colour list: its name carries the colour, on focus and after a change.
    tabs, _ = focus_with("Tab", "the tabs", lambda h: h["role"] == "page tab list")
    if tabs is not None:
        session.keys("Right")
        heard, _ = focus_with("Tab", "the background list", lambda h: h["name"].startswith("Background Color"))
        if heard is not None:
            if heard["name"] != "Background Color, Teal":
                failures.append("the background list on focus said %r" % heard["name"])
            since = reader.mark()
            session.keys("Down")
            expect("Background Color, Gray after Down", since, lambda h: h["name"] == "Background Color, Gray")
        focus_with("Tab", "the tabs", lambda h: h["role"] == "page tab list")
        session.keys("Left")

    # The chart: Tab from the Start field reaches it, Right reads the next day.
    chart, before = focus_with("Tab", "the chart", lambda h: h["role"] == "chart")
    if chart is not None:
        if before is None or before["description"] != "Date to start with":
            failures.append("the chart is reached after %r, not after the Start field" % before)
        if chart["name"] != "Biorhythm chart":
            failures.append("the chart is named %r" % chart["name"])
        if "Biorhythm chart for a birth on" not in chart["description"]:
            failures.append("the chart is described as %r" % chart["description"])
    since = reader.mark()
    session.keys("Right")
    tomorrow = long_date(today + datetime.timedelta(days=1))
    day = expect("the next day's read-out after Right", since,
                 lambda h: h["how"] == "focus" and h["name"].startswith(tomorrow))
    if day is not None and "Physical" not in day["name"]:
        failures.append("the day's read-out lacks the values: %r" % day["name"])
    # Next Page moves the chart three weeks on (the first start's range); the cursor reads its new day.
    since = reader.mark()
    session.keys("ctrl+Next")
    page_on = long_date(today + datetime.timedelta(days=1 + 21))
    expect("the cursor's day a page on after Ctrl+Page Down", since,
           lambda h: h["how"] == "focus" and h["name"].startswith(page_on))

    # The calendar pop-up: F4 opens it on the selected day, an arrow key moves a week.
    focus_with("shift+Tab", "the Birth field", lambda h: h["description"] == "Birth date for calculations")
    since = reader.mark()
    session.keys("F4")
    cell = expect("the selected day after F4", since,
                  lambda h: h["how"] == "focus" and h["role"] == "table cell" and h["name"] == long_date(today))
    if cell is not None and cell["window"] != "Birth Date calendar":
        failures.append("the pop-up window is named %r" % cell["window"])
    if cell is not None and cell.get("buttons") != ["Year back", "Month back", "Jump to Today", "Month foreward",
                                                    "Year foreward"]:
        failures.append("the pop-up's buttons are named %r" % cell.get("buttons"))
    week_on = today + datetime.timedelta(days=7)
    since = reader.mark()
    session.keys("Down")
    expect("the day a week on after Down", since, lambda h: h["how"] == "focus" and h["name"] == long_date(week_on))
    # A month on, the same cell of the grid stands for another day; the reader must not keep the old name.
    year, month = (week_on.year + 1, 1) if week_on.month == 12 else (week_on.year, week_on.month + 1)
    month_on = datetime.date(year, month, min(week_on.day, calendar.monthrange(year, month)[1]))
    since = reader.mark()
    session.keys("Next")
    expect("the day a month on after Page Down", since,
           lambda h: h["how"] == "focus" and h["name"] == long_date(month_on))
    session.keys("Escape")


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: ScreenReaderTest.py PATH/TO/Lunasoma.exe")
    session = Session(os.path.abspath(sys.argv[1]))
    failures = []
    try:
        try:
            import pyatspi
        except Exception as error:
            skip("pyatspi cannot reach the accessibility bus: %s" % error)
        reader = Reader(pyatspi)

        def driver():
            try:
                drive(session, reader, failures)
            except Exception as error:
                failures.append("the test stopped: %r" % error)
            finally:
                pyatspi.Registry.stop()

        threading.Thread(target=driver, daemon=True).start()
        pyatspi.Registry.start()
    finally:
        session.stop()
    for failure in failures:
        print("FAILED: " + failure, flush=True)
    if failures or os.environ.get("VERBOSE"):
        for heard in reader.heard:
            print("heard:", heard, flush=True)
    if not failures:
        print("PASSED: the list, the chart and the pop-up are read as expected", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
