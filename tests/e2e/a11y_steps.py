"""The checks of a11y_check.py, run once the window is up."""
import re
import time

import pyatspi

TAB_BUTTONS = ["iPod", "ソング", "メモ", "ニュース", "アドレス", "カレンダ", "ToDo", "フォト", "ビデオ"]


def wait_for(what, fn, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        value = fn()
        if value:
            return value
        time.sleep(0.2)
    raise AssertionError(f"timed out waiting for {what}")


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name in ("sorvo", "Sorvo"):
            return app
    return None


def walk(node, depth=0, shown_only=False):
    """The node and every node below it; with shown_only, a hidden node and all below it are passed over,
    whatever they say."""
    if shown_only and not showing(node):
        return
    yield node
    if depth > 40:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1, shown_only)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(app, role, name):
    for node in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    return None


def do_action(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    for i, n in enumerate(names):
        if n.lower() == wanted:
            action.doAction(i)
            return
    raise AssertionError(f"{node.name!r} has no {wanted} action, only {names}")


# Latin-letter words a caption may hold: names the program and the player give in Latin letters.
LATIN_ALLOWED = {"iPod", "ToDo", "Todo", "MB", "KB", "GB", "OK", "URL", "Sorvo", "for", "Linux", "Windows", "RSS",
                 "RDF", "HTML", "vCard", "PC", "HDD", "MP", "AAC", "WMA", "MPEG", "JPEG", "iTunes", "http",
                 "https", "byte", "kbps", "Hz"}
CAPTION_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                 pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_COLUMN_HEADER,
                 pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LABEL)


def english_captions(app):
    """Shown captions holding a Latin-letter word that is not a given name; labels holding a path or
    an address are data."""
    found = []
    for node in walk(app):
        if node.getRole() not in CAPTION_ROLES or not showing(node):
            continue
        for text in (node.name or "", node.description or ""):
            if "/" in text or "\\" in text:
                continue
            words = re.findall(r"[A-Za-z]{2,}", text)
            if any(w not in LATIN_ALLOWED for w in words):
                found.append(f"{node.getRoleName()} {text!r}")
    return found


def tab_button(app, caption):
    return (named(app, pyatspi.ROLE_CHECK_BOX, caption) or named(app, pyatspi.ROLE_TOGGLE_BUTTON, caption)
            or named(app, pyatspi.ROLE_PUSH_BUTTON, caption))


def press_tab(button):
    """Works a tab button as an assistive tool does: its Toggle action, or Press when it has none."""
    action = button.queryAction()
    wanted = "toggle" if any(action.getName(i).lower() == "toggle" for i in range(action.nActions)) else "press"
    do_action(button, wanted)


def switch_tab(button, caption, failures):
    """Presses a tab button and waits for it to be down; False (and a failure noted) when it stays up."""
    press_tab(button)
    try:
        wait_for(f"{caption} checked", lambda: button.getState().contains(pyatspi.STATE_CHECKED), 30)
        return True
    except AssertionError as e:
        failures.append(str(e))
        return False


def shown_lists(root):
    """The lists shown below root, each with its number of rows."""
    found = []
    for n in walk(root):
        if n.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
                           pyatspi.ROLE_TREE) and showing(n):
            try:
                found.append((n, n.queryTable().nRows))
            except NotImplementedError:
                found.append((n, n.childCount))
    return found


def run(process):
    failures = []
    app = wait_for("the window on the accessibility bus", find_app, 90)
    wait_for("the recognised player", lambda: any(
        n.getRole() == pyatspi.ROLE_LABEL and "iPod" in (n.name or "") and showing(n) for n in walk(app)), 90)
    frame = app.getChildAtIndex(0)
    print("window:", frame.name)

    def check_named(where):
        # Every button, check box, field and list shown is named by its caption.
        for node in walk(app):
            if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
                                  pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
                                  pyatspi.ROLE_SPIN_BUTTON) and showing(node) and not node.name:
                failures.append(f"{where}: unnamed {node.getRoleName()} at "
                                f"{node.queryComponent().getExtents(0)}")

    check_named("player page")

    # Each visible tab button switches the page through its accessible action, without a click.
    for caption in TAB_BUTTONS[1:] + TAB_BUTTONS[:1]:
        button = tab_button(app, caption)
        if button is None or not showing(button):
            continue
        if not switch_tab(button, caption, failures):
            continue

        def lists():
            found = shown_lists(app)
            return [t for t, _ in found], [rows for _, rows in found]

        # The page loads its lists when first shown: give a slow machine time to fill them.
        end = time.time() + (30 if caption != "iPod" else 1)
        tables, rows = lists()
        while time.time() < end and (not tables or max(rows) == 0):
            time.sleep(0.3)
            tables, rows = lists()
        print(f"tab {caption}: {len(tables)} list(s) with rows {rows}")
        check_named(f"tab {caption}")
        for text in english_captions(app):
            failures.append(f"tab {caption}: English caption {text}")
        if caption == "iPod":
            if not named(app, pyatspi.ROLE_PUSH_BUTTON, "再認識") or not showing(
                    named(app, pyatspi.ROLE_PUSH_BUTTON, "再認識")):
                failures.append("the player page is not shown after its button's action")
        else:
            details = named(app, pyatspi.ROLE_PUSH_BUTTON, "詳細な情報")
            if details is not None and showing(details):
                failures.append(f"tab {caption}: the player page is still shown")
        if caption in ("ソング", "メモ", "アドレス", "カレンダ", "ToDo", "ニュース", "フォト", "ビデオ"):
            if not tables:
                failures.append(f"tab {caption}: no list seen by assistive tools")
            elif max(rows) == 0:
                failures.append(f"tab {caption}: its lists expose no rows")

    # After every tab has been shown, the window still switches: from the videos to the songs, twice.
    for _ in range(2):
        for caption in ("ビデオ", "ソング"):
            button = tab_button(app, caption)
            if button is None:
                failures.append(f"no {caption} button")
            else:
                switch_tab(button, caption, failures)

    if process.poll() is not None:
        failures.append(f"sorvo ended with {process.returncode}")
    for f in failures:
        print("FAIL:", f)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    return 1 if failures else 0
