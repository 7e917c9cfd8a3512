"""The English walk of a11y_check.py (--lang en): every tab and the windows opened from its buttons, looking
for Japanese interface text and for text wider than its control."""
import os
import re
import struct
import subprocess
import time
import xml.etree.ElementTree as ET

import pyatspi
from gi.repository import GLib

from a11y_steps import TAB_BUTTONS, do_action, find_app, shown_lists, showing, switch_tab, tab_button, wait_for, walk

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.normpath(os.path.join(HERE, "..", ".."))

JAPANESE = re.compile("[\u3000-\u303f\u3040-\u309f\u30a0-\u30ff\u31f0-\u31ff\u3400-\u4dbf\u4e00-\u9fff"
                      "\uf900-\ufaff\uff00-\uffef]")


def translations():
    """The English texts of sorvo_en.ts: (context, Japanese source) -> English."""
    found = {}
    root = ET.parse(os.path.join(SOURCES, "translations", "sorvo_en.ts")).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            found[(name, message.findtext("source"))] = message.findtext("translation") or ""
    return found


def demo_data():
    """A pattern matching the data the walk shows: the names of the program's default news sites (Japanese
    sites, kept in the settings file), and the texts the demo player holds (tests/support/demoplayer.cpp):
    its string literals, adjacent ones joined as the compiler does, cut into lines; a line's tags, its vCard
    or calendar key and its file extension taken off, a path cut into its names, a value list at its ";";
    "%1" stands for a number. Only pieces holding Japanese are kept."""
    with open(os.path.join(SOURCES, "src", "base", "app", "settings.cpp"), encoding="utf-8") as f:
        sites = re.findall(r'u"([^";]+);https?://', f.read())
    with open(os.path.join(SOURCES, "tests", "support", "demoplayer.cpp"), encoding="utf-8") as f:
        source = f.read()
    literal = r'u"((?:[^"\\]|\\.)*)"(?:_s)?'
    pieces = set()
    for group in re.finditer(rf'(?:{literal}\s*)+', source):
        text = "".join(re.findall(literal, group.group(0)))
        text = re.sub(r"\\(.)", lambda m: "\n" if m.group(1) == "n" else m.group(1), text)
        for line in text.split("\n"):
            line = re.sub(r"<[^>]*>", "", line).strip()
            value = re.sub(r"^[A-Za-z][A-Za-z;=-]*:", "", line)
            candidates = {line, value, *value.split(";")}
            for c in list(candidates):
                for name in c.split("/"):
                    candidates |= {name, re.sub(r"\.[A-Za-z0-9]+$", "", name)}
            pieces |= {c.strip() for c in candidates if JAPANESE.search(c)}
    pieces |= {s for s in sites if JAPANESE.search(s)}
    patterns = [re.sub(r"%\d", r"\\d+", re.escape(p).replace(r"\%", "%")) for p in pieces]
    return re.compile("|".join(sorted(patterns, key=len, reverse=True)))


class Font:
    """Advance widths of a TrueType font, read from its hmtx and cmap tables."""

    def __init__(self, path):
        with open(path, "rb") as f:
            d = f.read()
        tables = {}
        for i in range(struct.unpack(">H", d[4:6])[0]):
            tag, _, offset, _ = struct.unpack(">4sIII", d[12 + 16 * i:28 + 16 * i])
            tables[tag.decode("latin-1")] = offset
        self.units = struct.unpack(">H", d[tables["head"] + 18:tables["head"] + 20])[0]
        metrics = struct.unpack(">H", d[tables["hhea"] + 34:tables["hhea"] + 36])[0]
        self.advances = [struct.unpack(">H", d[tables["hmtx"] + 4 * i:tables["hmtx"] + 4 * i + 2])[0]
                         for i in range(metrics)]
        self.glyphs = {}
        cmap = tables["cmap"]
        for i in range(struct.unpack(">H", d[cmap + 2:cmap + 4])[0]):
            platform, _, offset = struct.unpack(">HHI", d[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
            s = cmap + offset
            if platform not in (0, 3) or struct.unpack(">H", d[s:s + 2])[0] != 4:
                continue
            count2 = struct.unpack(">H", d[s + 6:s + 8])[0]
            n = count2 // 2
            ends = struct.unpack(f">{n}H", d[s + 14:s + 14 + count2])
            starts = struct.unpack(f">{n}H", d[s + 16 + count2:s + 16 + 2 * count2])
            deltas = struct.unpack(f">{n}h", d[s + 16 + 2 * count2:s + 16 + 3 * count2])
            ranges = s + 16 + 3 * count2
            offsets = struct.unpack(f">{n}H", d[ranges:ranges + count2])
            for k in range(n):
                for c in range(starts[k], min(ends[k], 0xFFFE) + 1):
                    if offsets[k] == 0:
                        g = (c + deltas[k]) & 0xFFFF
                    else:
                        p = ranges + 2 * k + offsets[k] + 2 * (c - starts[k])
                        g = struct.unpack(">H", d[p:p + 2])[0]
                        g = (g + deltas[k]) & 0xFFFF if g else 0
                    self.glyphs.setdefault(c, g)

    def width(self, text, pixels):
        """Width of a line of text; characters the font lacks count as a full-width square."""
        total = 0.0
        for ch in text:
            g = self.glyphs.get(ord(ch))
            total += pixels if g is None else self.advances[min(g, len(self.advances) - 1)] * pixels / self.units
        return total


def shown_nodes(node):
    """The node and what is shown below it."""
    return walk(node, shown_only=True)


TEXT_ROLES = {pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
              pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_COLUMN_HEADER,
              pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_ROW_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER,
              pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM,
              pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_PANEL,
              pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT, pyatspi.ROLE_COMBO_BOX,
              pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_TOOL_TIP, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_SPIN_BUTTON}


# Controls a screen reader names by their caption.
NAMED_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
               pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON}


def cut_padding(node, role):
    """Room a control keeps beside its text: a check box's indicator, a button's frame; None: not checked."""
    if role == pyatspi.ROLE_LABEL:
        return 0
    if role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.width <= 32 and box.width <= box.height + 4:
            return None  # a square tool button shows its icon; its name is its tool tip
        return 4
    if role in (pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON):
        # The main window's tab buttons are tool buttons with the text under the icon.
        if node.parent is not None and node.parent.getRole() == pyatspi.ROLE_FRAME:
            return 4
        return 20
    return None


class Checker:
    """The checks of a shown window: Japanese text that is not the demo player's data, text cut by its control."""

    PIXELS = 12  # Qt's default font, 9 pt at the 96 dpi of Xvfb
    SLACK = 2  # the widths leave out kerning and the rounding of hinted advances

    def __init__(self):
        self.failures = []
        self.data = demo_data()
        self.font = None
        try:
            path = subprocess.run(["fc-match", "-f", "%{file}", "Sans Serif"], capture_output=True, text=True,
                                  check=True).stdout
            self.font = Font(path)
        except (OSError, subprocess.CalledProcessError, KeyError, struct.error) as e:
            print("no width check: the default font is not readable:", e)

    def check(self, root, where, names=False):
        """names: also every control named, as the Japanese walk asks of the main window."""
        for node in shown_nodes(root):
            role = node.getRole()
            name, tip = node.name or "", node.description or ""
            if names and role in NAMED_ROLES and not name:
                self.failures.append(f"{where}: unnamed {node.getRoleName()} at "
                                     f"{node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)}")
            if role in TEXT_ROLES or tip:
                for what, text in (("text", name if role in TEXT_ROLES else ""), ("tool tip", tip)):
                    if JAPANESE.search(self.data.sub("", text)):
                        self.failures.append(f"{where}: Japanese {what} in {node.getRoleName()} {text!r}")
            padding = cut_padding(node, role)
            if padding is None or not name or not self.font or (role == pyatspi.ROLE_LABEL and tip == name):
                continue  # a label whose tool tip holds its text is elided on purpose
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            lines = name.split("\n")
            if role == pyatspi.ROLE_LABEL and box.height >= 27 * len(lines):
                lines = name.split()  # a word-wrapped label: each word must fit
            wide = max(self.font.width(line, self.PIXELS) for line in lines)
            if wide + padding > box.width + self.SLACK:
                self.failures.append(f"{where}: text cut in {node.getRoleName()} {name!r}: "
                                     f"{wide:.0f} px of text in {box.width} px")


# The windows a tab's buttons open: context and Japanese caption of the button in sorvo_en.ts. The copy
# windows of the songs and photos wait for ticked rows, which assistive tools cannot tick: not walked.
WINDOWS = {
    "iPod": [("TPlayerPage", "詳細な情報"), ("TPlayerPage", "設定")],
    "ソング": [("TSongTab", "検索"), ("TSongTab", "詳細情報")],
    "メモ": [("TMemoTab", "新規メモ")],
    "ニュース": [("TNewsTab", "新規追加"), ("TNewsTab", "編集")],
    "アドレス": [("TAddressTab", "新規追加")],
    "カレンダ": [("TCalendarTab", "新規追加"), ("TCalendarTab", "経過後の削除")],
    "ToDo": [("TToDoTab", "新規追加")],
    "フォト": [("TPhotoTab", "フォトを見る")],
    "ビデオ": [("TVideoTab", "詳細情報")],
}

ESCAPE = 0xff1b


def top_windows(app):
    found = []
    for i in range(app.childCount):
        w = app.getChildAtIndex(i)
        if w is not None and showing(w):
            found.append(w)
    return found


def shown_button(root, name):
    for node in shown_nodes(root):
        if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON) and node.name == name:
            return node
    return None


def check_window(app, window, where, checker):
    """Checks a window and each page of its tab widgets."""
    checker.check(window, where)
    for node in list(shown_nodes(window)):
        if node.getRole() != pyatspi.ROLE_PAGE_TAB_LIST:
            continue
        tabs = [node.getChildAtIndex(i) for i in range(node.childCount)]
        for tab in [t for t in tabs if t is not None and t.getRole() == pyatspi.ROLE_PAGE_TAB][1:]:
            do_action(tab, "press")
            time.sleep(0.5)
            checker.check(window, f"{where} / {tab.name}")


def open_window(app, frame, button_name, where, checker):
    """Presses a button of the main window, checks every window it opens and closes each with Escape."""
    button = shown_button(frame, button_name)
    if button is None:
        checker.failures.append(f"{where}: no button {button_name!r}")
        return
    before = top_windows(app)
    try:
        do_action(button, "press")
    except GLib.GError:
        pass  # a tool button answers its Press only once the modal window it opened has closed
    try:
        wait_for(f"{where}: a window", lambda: len(top_windows(app)) > len(before), 15)
    except AssertionError as e:
        checker.failures.append(str(e))
        return
    for _ in range(3):  # a window, and a message box it may show on the way
        opened = [w for w in top_windows(app) if w not in before]
        if not opened:
            return
        window = opened[-1]
        time.sleep(0.5)
        title = window.name
        print(f"{where}: window {title!r}")
        check_window(app, window, f"{where} / {title}", checker)
        pyatspi.Registry.generateKeyboardEvent(ESCAPE, None, pyatspi.KEY_SYM)
        try:
            wait_for(f"{where} / {title}: closed by Escape", lambda: not showing(window), 10)
        except AssertionError as e:
            checker.failures.append(str(e))
            return


def run(process):
    """Shows every tab through its button's accessible action, opens the windows of WINDOWS from it, and
    checks each of them; 0 when nothing was found."""
    checker = Checker()
    tr = translations()
    app = wait_for("the window on the accessibility bus", find_app, 90)
    wait_for("the recognised player", lambda: any(
        n.getRole() == pyatspi.ROLE_LABEL and "iPod" in (n.name or "") for n in shown_nodes(app)), 90)
    frame = app.getChildAtIndex(0)
    print("window:", frame.name)
    for caption in TAB_BUTTONS[1:] + TAB_BUTTONS[:1]:
        english = tr.get(("TMainForm", caption))
        if not english:
            checker.failures.append(f"no English caption of the tab {caption} in sorvo_en.ts")
            continue
        button = tab_button(frame, english)
        if button is None or not showing(button):
            checker.failures.append(f"no tab button {english!r}")
            continue
        if not switch_tab(button, english, checker.failures):
            continue
        # The page loads its lists when first shown: give a slow machine time to fill them.
        if caption != "iPod":
            try:
                wait_for(f"tab {english}: a list with rows", lambda: any(rows for _, rows in shown_lists(frame)), 30)
            except AssertionError as e:
                checker.failures.append(str(e))
        print(f"tab {english}")
        checker.check(frame, f"tab {english}", names=True)
        for context, source in WINDOWS.get(caption, []):
            open_window(app, frame, tr.get((context, source), source), f"tab {english} / {tr.get((context, source))}",
                        checker)

    if process.poll() is not None:
        checker.failures.append(f"sorvo ended with {process.returncode}")
    for f in checker.failures:
        print("FAIL:", f)
    print(f"{0 if checker.failures else 1} passed, {1 if checker.failures else 0} failed")
    return 1 if checker.failures else 0
