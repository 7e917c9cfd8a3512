#!/usr/bin/python3
"""What a screen reader sees of Sorvo's window, and its tab buttons worked through their accessible actions.

Usage: a11y_check.py [--lang en] SORVO MAKE_DEMO_PLAYER
Starts Xvfb, a session bus with the accessibility bus, and the real window on a demo player; then, through
AT-SPI: every button and check box has a name, each tab button's Toggle action shows its page, every list of a
tab is a table that exposes its rows (a11y_steps.py). With --lang en the window runs in English and the walk
also opens the windows of the tabs, looking for Japanese interface text and cut text (a11y_english.py).
Exits 77 (skipped) when Xvfb, the accessibility bus or pyatspi is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("SKIP:", why)
    sys.exit(SKIP)


def wait_exit(proc, seconds):
    """True when the process ends within the time."""
    try:
        proc.wait(seconds)
        return True
    except subprocess.TimeoutExpired:
        return False


def main():
    args = sys.argv[1:]
    lang = "ja"
    if args[:1] == ["--lang"] and len(args) > 1:
        lang, args = args[1], args[2:]
    if len(args) != 2 or lang not in ("ja", "en"):
        print(__doc__)
        return 2
    sorvo, make_demo = args
    if not shutil.which("Xvfb") or not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("Xvfb or at-spi2-core missing")
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or os.environ.get("SORVO_A11Y_INNER") != "1":
        if not shutil.which("dbus-run-session"):
            skip("dbus-run-session missing")
        env = dict(os.environ, SORVO_A11Y_INNER="1")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        return subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=env)
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        skip("python3-pyatspi missing")

    work = tempfile.mkdtemp(prefix="sorvo-a11y-")
    procs = []
    try:
        player = os.path.join(work, "player")
        subprocess.run([make_demo, player], check=True, stdout=subprocess.DEVNULL)
        settings = os.path.join(work, "Velmor.INI")
        with open(settings, "wb") as f:
            f.write(b"[Copyright]\r\nCopyright=1\r\n")
        # Now and then the window finds no display although Xvfb reported it ready: it stops at once,
        # and the whole start is tried again (at most three times).
        for attempt in range(3):
            started = len(procs)
            # Xvfb picks a free display itself and writes its number once it accepts connections.
            read_end, write_end = os.pipe()
            procs.append(subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                           "-nolisten", "tcp"], pass_fds=(write_end,),
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            os.close(write_end)
            with os.fdopen(read_end) as f:
                line = f.readline().strip()
            if not line.isdigit():
                skip("Xvfb did not start")
            display = int(line)
            env = dict(os.environ, DISPLAY=f":{display}", QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0", LANG="C.UTF-8", SORVO_DRIVES="")
            procs.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            time.sleep(0.5)
            os.environ.update({k: env[k] for k in ("DISPLAY",)})
            # A home and runtime folder of its own: the single-instance lock must not meet other tests' windows.
            lock_home = os.path.join(work, "home")
            os.makedirs(lock_home, mode=0o700, exist_ok=True)
            os.chmod(lock_home, 0o700)
            env["HOME"] = lock_home
            env["XDG_RUNTIME_DIR"] = lock_home
            procs.append(subprocess.Popen([sorvo, "--lang", lang, "--drive", player, "--settings", settings, "--yes"],
                                          env=env))
            if attempt == 2 or not wait_exit(procs[-1], 3):
                break
            for p in reversed(procs[started:]):
                p.terminate()
                p.wait(5)
            del procs[started:]
        if lang == "en":
            import a11y_english
            return a11y_english.run(procs[-1])
        import a11y_steps
        return a11y_steps.run(procs[-1])
    finally:
        for p in reversed(procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    sys.exit(main())
