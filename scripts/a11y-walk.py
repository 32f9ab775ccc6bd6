#!/usr/bin/python3
"""Walks every window of the running program as a screen reader sees it.

Run by scripts/a11y-check inside Xvfb with a session bus and the AT-SPI bus.
Starts the program (argv[1]), drives it with the keyboard through xdotool, as
a user would, and for each window reads the accessible tree:
  - every control that takes the focus has a name with a letter or digit,
    and a name other than its value (a drop-down list named by one of its
    entries says what it holds, not what it is for);
  - every picture has a description, unless it says it is a decoration;
  - every push button has an access key, and no access key is taken twice;
  - Tab reaches every control that takes the focus (of a group of options,
    Tab stops at one; arrows move among them).
Prints one line per window; exits 1 when any window has a fault.

In the language A11YCHECK_LANG names (English without it) the names it looks
for and the access keys it presses are the translations of the controls'
English source texts (scripts/a11ytexts.py); each lookup names its text's
source and context, and all are checked against the translation before the
program starts.
"""

import ast
import os
import re
import subprocess
import sys
import time
from pathlib import Path

import pyatspi

from a11ytexts import MissingText, Texts

WIDGET_ROLES_WITHOUT_TAB_STOP = {
    pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_TABLE_CELL,
    pyatspi.ROLE_TREE_ITEM,
    pyatspi.ROLE_PAGE_TAB,
    pyatspi.ROLE_MENU_ITEM,
    pyatspi.ROLE_MENU,
    pyatspi.ROLE_COLUMN_HEADER,
    pyatspi.ROLE_ROW_HEADER,
    pyatspi.ROLE_SCROLL_BAR,
}
KEYED_ROLES = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON}

program = None
faults_total = 0


def fail(message):
    print(f"a11y-check: FAILED: {message}", file=sys.stderr)
    if len(sys.argv) > 2:
        subprocess.run(["import", "-window", "root", sys.argv[2]], check=False)
    if program:
        program.kill()
    sys.exit(1)


texts = Texts()


def looked_up(what, source, context):
    try:
        return what(source, context)
    except MissingText as error:
        fail(f"{error} (language {texts.language})")


def T(source, context):
    """A pattern for the name of the control whose source text is source."""
    return looked_up(texts.name, source, context)


def alt(source, context):
    """The keys of the access key of the control whose source text is source."""
    return looked_up(texts.alt, source, context)


def key(source, context):
    """The access key of a menu's item, pressed with the menu open."""
    return looked_up(texts.key, source, context)


def title(source, context):
    """An xdotool pattern for the title of the window whose source text is source."""
    return looked_up(texts.title, source, context)


def check_texts():
    """Looks up every text this walk uses, so a gap in the translation is told whole before the walk."""
    lookups = {"T": texts.name, "alt": texts.alt, "key": texts.key, "title": texts.title}
    missing = {}  # what is told -> the first line of the walk that needs it
    for node in ast.walk(ast.parse(Path(__file__).read_text(encoding="utf-8"))):
        if isinstance(node, ast.Call) and isinstance(node.func, ast.Name) and node.func.id in lookups:
            try:
                lookups[node.func.id](*[ast.literal_eval(argument) for argument in node.args])
            except MissingText as error:
                missing[str(error)] = min(node.lineno, missing.get(str(error), node.lineno))
    for problem in sorted(missing, key=missing.get):
        print(f"a11y-check: {problem}", file=sys.stderr)
    if missing:
        fail(f"{len(missing)} texts the walk needs are not usable in language {texts.language}")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], check=False, capture_output=True, text=True).stdout.split()


def keys(*names):
    xdotool("key", "--delay", "80", *names)
    time.sleep(0.3)


def wait_for(what, predicate, seconds=60):
    # Generous: on a busy machine the card editor of a new deck came after more than 20 s.
    end = time.time() + seconds
    while time.time() < end:
        try:
            value = predicate()
        except Exception:  # the tree changes under us while windows open and close
            value = None
        if value:
            return value
        time.sleep(0.2)
    fail(f"timed out waiting for {what}")


def x_windows():
    return set(xdotool("search", "--onlyvisible", "--pid", str(program.pid)))


def focus_x(window):
    xdotool("windowactivate", "--sync", window)
    xdotool("windowfocus", "--sync", window)
    time.sleep(0.3)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "velmora":
            return app
    return None


def active_window():
    app = application()
    for window in app or []:
        if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
            return window
    return None


def opened_by(action, what):
    """Runs action and gives the X window it opened the focus."""
    before = x_windows()
    action()
    new = wait_for(what, lambda: x_windows() - before)
    window = sorted(new)[-1]
    focus_x(window)
    return window


def focus_remaining():
    windows = sorted(x_windows())
    if windows:
        focus_x(windows[-1])


def showing(acc):
    for child in acc:
        if child is None:
            continue
        state = child.getState()
        if not state.contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from showing(child)


def press_key_of(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return ""
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "Toggle", "press", "toggle") and action.getKeyBinding(i):
            return action.getKeyBinding(i).upper()
    return ""


def label_of(acc):
    return f"{acc.getRoleName()} '{acc.name}'"


def is_tab_stop(acc):
    state = acc.getState()
    if not state.contains(pyatspi.STATE_FOCUSABLE) or not state.contains(pyatspi.STATE_ENABLED):
        return False
    if acc.getRole() in WIDGET_ROLES_WITHOUT_TAB_STOP:
        return False
    parent = acc.parent
    # The entries of lists, tables and trees are reached inside them.
    return parent is None or parent.getRole() not in (
        pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE,
        pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_MENU_BAR)


def values_of(acc):
    """What the control holds: a text field its text, a drop-down list each of its entries."""
    if acc.getRole() == pyatspi.ROLE_COMBO_BOX:
        entries = set()
        for part in acc:
            for entry in part or []:
                if entry is not None and entry.name:
                    entries.add(entry.name)
        return entries
    try:
        text = acc.queryText()
    except NotImplementedError:
        return set()
    held = text.getText(0, text.characterCount)
    return {held} if held else set()


def check(title):
    """Reads the active window and reports its faults."""
    global faults_total
    window = wait_for(f"the {title} to become active", active_window)
    objects = list(showing(window))
    stops = [acc for acc in objects if is_tab_stop(acc)]
    faults = []
    for acc in stops:
        if not re.search(r"\w", acc.name or ""):
            faults.append(f"{label_of(acc)} in {label_of(acc.parent)} has no name")
        elif acc.name in values_of(acc):
            faults.append(f"{label_of(acc)} in {label_of(acc.parent)} is named by its value")
    for acc in objects:
        if acc.getRole() == pyatspi.ROLE_IMAGE and not (acc.description or "").strip():
            faults.append(f"{label_of(acc)} in {label_of(acc.parent)} has no description")
    keys_seen = {}
    buttons = 0
    for acc in objects:
        role = acc.getRole()
        key = press_key_of(acc) if role in KEYED_ROLES or role == pyatspi.ROLE_MENU else ""
        if role == pyatspi.ROLE_PUSH_BUTTON:
            buttons += 1
            # A button that is off tells no key; the window's own test covers it.
            if not key and acc.getState().contains(pyatspi.STATE_ENABLED):
                faults.append(f"{label_of(acc)} has no access key")
        if key:
            if key in keys_seen:
                faults.append(f"{label_of(acc)} and {keys_seen[key]} share {key}")
            keys_seen[key] = label_of(acc)

    # Tab round the window, noting where the focus lands.
    reached = set()
    for _ in range(2 * len(stops) + 3):
        keys("Tab")
        for i, acc in enumerate(stops):
            # A tab bar tells the focus on the tab it is on.
            inner = list(acc) if acc.getRole() == pyatspi.ROLE_PAGE_TAB_LIST else []
            if any(a is not None and a.getState().contains(pyatspi.STATE_FOCUSED) for a in [acc] + inner):
                reached.add(i)
    # Options stand in a frame of their own or each in a row of the frame.
    def groups(acc):
        return {acc.parent.path, acc.parent.parent.path}

    groups_reached = set()
    for i in reached:
        if stops[i].getRole() == pyatspi.ROLE_RADIO_BUTTON:
            groups_reached |= groups(stops[i])
    for i, acc in enumerate(stops):
        if i in reached:
            continue
        if acc.getRole() == pyatspi.ROLE_RADIO_BUTTON and groups(acc) & groups_reached:
            continue
        faults.append(f"Tab does not reach {label_of(acc)}")

    print(f"a11y-check: {title}: {len(stops)} controls, {buttons} push buttons, {len(keys_seen)} access keys; "
          f"{len(faults)} faults")
    for fault in faults:
        print(f"a11y-check:   {fault}")
    faults_total += len(faults)
    return window


def find(window, role, name_pattern):
    for acc in showing(window):
        if (role is None or acc.getRole() == role) and re.search(name_pattern, acc.name or ""):
            return acc
    return None


def do(acc, action_names=("Press", "Toggle", "press", "toggle")):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in action_names:
            action.doAction(i)
            return
    fail(f"{label_of(acc)} has no press action")


def main():
    global program, texts
    executable = sys.argv[1]
    try:
        texts = Texts(os.environ.get("A11YCHECK_LANG"), Path(__file__).resolve().parent.parent / "translations")
    except MissingText as error:
        fail(str(error))
    check_texts()
    program = subprocess.Popen([executable], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    start = wait_for("the start screen", lambda: x_windows())
    focus_x(sorted(start)[0])
    wait_for("the program on the accessibility bus", application)

    check("start screen")
    opened_by(lambda: keys("F1"), "the about box")
    check("about box")
    keys("Escape")
    focus_remaining()
    # The start screen's Import Other Decks button.
    opened_by(lambda: keys(alt("&Import Other Decks", "FrmBegin")), "the import screen")
    check("import")
    keys("Escape")
    focus_remaining()

    # The start screen's Design A New Deck button.
    opened_by(lambda: keys(alt("&Design A New Deck", "FrmBegin")), "the deck manager")
    check("deck manager")
    # The deck manager's Export button.
    opened_by(lambda: keys(alt("E&xport / Share Your  Deck", "DeckManagerPage")), "the export screen")
    check("export")
    keys("Escape")
    focus_remaining()
    # A new deck of three cards, made as a user makes one, opens the card editor.
    # The deck manager's Create New Deck button, then the label of the deck's name.
    keys(alt("&Create New Deck", "DeckManagerPage"), alt("* Deck N&ame", "DeckManagerPage"))
    xdotool("type", "--delay", "50", "Checked")
    keys(alt("* N&umerber of Card In Deck", "DeckManagerPage"))  # the label of the number of cards
    xdotool("type", "--delay", "50", "3")
    # The button Create New Deck became.
    opened_by(lambda: keys(alt("&Create", "DeckManagerPage")), "the message that the deck was made")
    if wait_for("the message box", active_window).getRole() == pyatspi.ROLE_ALERT:
        keys("Return")
        focus_remaining()
    # The card editor's Insert Pictures button, by its accessible name and by its key.
    wait_for("the card editor",
             lambda: find(active_window(), pyatspi.ROLE_PUSH_BUTTON, T("Insert Pictures", "CardPage")))
    check("card editor")
    opened_by(lambda: keys(alt("&Insert Pictures", "CardPage")), "the picture loader")
    check("picture loader")
    keys("Escape")
    focus_remaining()
    keys(alt("&Back", "CardPage"))  # the card editor's Back button
    focus_remaining()
    # Back in the deck manager (its Modify button), whose Back button leads to the start screen.
    if find(active_window(), pyatspi.ROLE_PUSH_BUTTON, T("&Modify", "DeckManagerPage")):
        keys(alt("&Back", "DeckManagerPage"))
        focus_remaining()

    # The start screen's Learn Tarot & Test button.
    opened_by(lambda: keys(alt("&Learn Tarot && Test", "FrmBegin")), "the main window")
    # The first start of a day opens the card of the day with the main window.
    day_title = title("Card of the Day - %1", "FrmDayCard")  # its window title, the program's name after it
    day_card = wait_for("the card of the day", lambda: xdotool("search", "--onlyvisible", "--name", day_title))
    focus_x(day_card[0])
    check("card of the day")
    keys(alt("&Close", "FrmDayCard"))  # the card of the day's Close button
    wait_for("the card of the day to close",
             lambda: not xdotool("search", "--onlyvisible", "--name", day_title))
    focus_remaining()
    check("main window, settings tab")
    # The settings tab's deck list, named after the frame it stands in.
    find(active_window(), pyatspi.ROLE_COMBO_BOX, T("Select Tarot Tutor", "SettingsPage")).queryComponent().grabFocus()
    time.sleep(0.3)
    keys("Down")  # the first deck, the one the program comes with
    # A short description test (the settings tab's Description option): the Major Arcana only.
    keys(alt("&Description", "SettingsPage"))
    settings = active_window()
    minor = find(settings, pyatspi.ROLE_CHECK_BOX, T("Mi&nor Arcana", "SettingsPage"))  # its Minor Arcana box
    if minor.getState().contains(pyatspi.STATE_CHECKED):
        keys(alt("Mi&nor Arcana", "SettingsPage"))
    keys(alt("&Memorize Meaning / Keywords", "SettingsPage"))  # the settings tab's button to the memorize tab
    check("main window, memorize tab")
    keys(alt("Test M&e", "MemorizePage"))  # the memorize tab's Test Me button
    check("main window, test tab")
    for _ in range(100):
        window = active_window()
        if window is None or window.getRole() == pyatspi.ROLE_ALERT:  # "Test Complete"
            keys("Return")
            focus_remaining()
            break
        # The main window's Results tab and the results tab's Save Current Result button.
        if find(window, pyatspi.ROLE_PAGE_TAB, T("  Results  ", "FrmMain")) and \
                find(window, pyatspi.ROLE_PUSH_BUTTON, T("&Save Current Result", "ResultsPage")):
            break
        option = find(window, pyatspi.ROLE_RADIO_BUTTON, ".")
        if option is None:
            fail("the test shows no answer")
        do(option)
        time.sleep(0.2)
        keys(alt("&Next Question", "TestPage"))  # the test tab's Next Question button
    wait_for("the results tab",
             lambda: find(active_window(), pyatspi.ROLE_PUSH_BUTTON, T("&Save Current Result", "ResultsPage")))
    check("main window, results tab")
    # The main window's File menu, its My Personal Goals item.
    keys(alt("&File", "FrmMain"), key("&My Personal Goals", "FrmMain"))
    check("main window, goals tab")

    # The review of what the test left due, from the settings tab.
    do(find(active_window(), pyatspi.ROLE_PAGE_TAB, T("  Settings  ", "FrmMain")))  # the main window's Settings tab
    # The settings tab's review button, with the number of cards due.
    review = find(active_window(), pyatspi.ROLE_PUSH_BUTTON, T("Re&view Due Cards (%1)", "SettingsPage"))
    if review is None or not review.getState().contains(pyatspi.STATE_ENABLED):
        print("a11y-check: review session: skipped, nothing is due")
    else:
        opened_by(lambda: keys(alt("Re&view Due Cards (%1)", "SettingsPage")), "the review session")
        check("review session")
        keys("space")
        # The review's grade buttons, Good among them, once the answer shows.
        wait_for("the answer", lambda: find(active_window(), pyatspi.ROLE_PUSH_BUTTON, T("Good", "ReviewPage")))
        check("review session, answer shown")
        keys("Escape")
        focus_remaining()

    # A spread from the deck chosen above, then the journal it was saved to
    # and the question a deletion asks.
    # The main window's File menu, its Readings... item.
    opened_by(lambda: keys(alt("&File", "FrmMain"), key("&Readings...", "FrmMain")), "the readings window")
    check("readings")
    keys(alt("&Draw", "FrmReadings"))  # the readings window's Draw button
    # Its Show meanings button, which the cards drawn make available.
    show_meanings = T("Show &meanings", "FrmReadings")
    wait_for("the cards drawn", lambda: find(active_window(), pyatspi.ROLE_PUSH_BUTTON, show_meanings) and
             find(active_window(), pyatspi.ROLE_PUSH_BUTTON, show_meanings).getState().contains(
                 pyatspi.STATE_ENABLED))
    keys(alt("Show &meanings", "FrmReadings"))
    check("readings, cards drawn")
    # Saved, so that the journal has a reading to delete.
    keys(alt("Sa&ve", "FrmReadings"))  # the readings window's Save button
    time.sleep(0.5)
    keys("Escape")
    focus_remaining()
    # The main window's File menu, its Readings Journal... item.
    opened_by(lambda: keys(alt("&File", "FrmMain"), key("Readings &Journal...", "FrmMain")), "the journal")
    check("journal")
    # The journal's list of readings (by its label), then its Delete button.
    # The focus rests on the newest reading without choosing it; Space
    # chooses it (Down would not move off a single reading).
    keys(alt("&Readings, newest first:", "FrmJournal"), "space")
    before = x_windows()
    keys(alt("&Delete", "FrmJournal"))
    for _ in range(40):
        time.sleep(0.25)
        if x_windows() - before:
            break
    if x_windows() - before:
        focus_x(sorted(x_windows() - before)[-1])
        check("message box with two buttons")
        keys("Escape")
        focus_remaining()
    else:
        print("a11y-check: message box with two buttons: skipped, no reading to delete")
    keys("Escape")
    focus_remaining()

    # The main window's File menu, its Progress... item.
    opened_by(lambda: keys(alt("&File", "FrmMain"), key("&Progress...", "FrmMain")), "the progress window")
    check("progress, scores tab")
    keys(alt("Spaced &review", "FrmProgress"))  # the progress window's Spaced review tab
    check("progress, spaced review tab")
    keys("Escape")
    focus_remaining()
    keys("ctrl+q")
    try:
        program.wait(20)
    except subprocess.TimeoutExpired:
        fail("Ctrl+Q did not end the program")
    print(f"a11y-check: {'passed' if faults_total == 0 else 'FAILED'}: {faults_total} faults")
    return 0 if faults_total == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
