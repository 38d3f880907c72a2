"""What a screen reader finds in Kulbo's window and hears from it, through
at-spi: the tree, a pick, and the history read line by line. Keys go to the
window by xdotool; the window id is the first argument. Prints what it heard
and ends with status 1 at the first thing missing."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window_id = sys.argv[1]
heard = []
failures = []


def fail(message):
    failures.append(message)
    pyatspi.Registry.stop()


def kulbo():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == 'Kulbo':
                return app
        time.sleep(0.1)
    sys.exit('FAIL: Kulbo is not on the accessibility bus')


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def states(node):
    return set(node.getState().getStates())


def check_tree(app):
    frame = app[0]
    if frame.getRoleName() != 'frame' or frame.name != 'Kulbo':
        sys.exit(f'FAIL: the window is a {frame.getRoleName()!r} named {frame.name!r}')
    panels = {node.name for node in frame if node.getRoleName() == 'panel'}
    for heading in ('管理员模式', '设置', '抽到的历史幸运号'):
        if heading not in panels:
            sys.exit(f'FAIL: no panel named {heading}: {sorted(panels)}')
    numbers = [node.name for node in frame if node.getRoleName() == 'label' and node.name.isdigit()]
    if numbers:
        sys.exit(f'FAIL: the rolling number is in the tree: {numbers}')
    for node in descendants(frame):
        node_states = states(node)
        if pyatspi.STATE_ENABLED not in node_states and node.getRoleName() in ('text', 'push button'):
            claimed = node_states & {pyatspi.STATE_FOCUSABLE, pyatspi.STATE_EDITABLE}
            if claimed:
                sys.exit(f'FAIL: the disabled {node.name} claims {[pyatspi.stateToString(s) for s in claimed]}')
    print('ok: the window is a frame named Kulbo, its panels are named, the rolling number is absent, '
          'disabled boxes claim neither focus nor typing')


def on_event(event):
    try:
        role, name, description = event.source.getRoleName(), event.source.name, event.source.description
        focused = pyatspi.STATE_FOCUSED in states(event.source)
    except Exception:
        return
    line = None
    if event.type == 'object:text-caret-moved':
        line = event.source.queryText().getTextAtOffset(event.detail1, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    heard.append((event.type, role, name, description, focused, line, event.detail1))


def key(*keys):
    subprocess.run(['xdotool', 'key', '--delay', '40', *keys], check=True)


marks = [0]  # where the events of the latest click begin


def click(x, y):
    marks.append(len(heard))
    subprocess.run(['xdotool', 'mousemove', '--window', window_id, str(x), str(y), 'click', '1'], check=True)


def picked(count):
    """The focused 开始 told the pick in a description of its own, and the display carries the number in its name."""
    told = [h for h in heard if h[0] == 'object:property-change:accessible-description' and h[1] == 'push button'
            and h[2] == '开始' and h[4] and '抽到' in h[3]]
    named = [h for h in heard if h[0] == 'object:property-change:accessible-name' and h[1] == 'label'
             and h[2].startswith('幸运数 ')]
    if len(told) >= count and named:
        print(f'ok: pick {count}: 开始 (focused) now described as {told[-1][3]!r}; the display is named {named[-1][2]!r}')
        return True
    return False


def history_focused():
    """The focus goes from the button clicked straight to the history box, by no other control."""
    gained = [h for h in heard[marks[-1]:] if h[0] == 'object:state-changed:focused' and h[6] == 1]
    if not gained or gained[-1][2] != '抽到的历史幸运号':
        return False
    passed_by = {h[2] for h in gained[:-1]} - {'历史记录'}
    if passed_by:
        fail(f'on its way to the history box the focus passed {sorted(passed_by)}')
    else:
        print(f'ok: the focus goes straight to the history box, described as {gained[-1][3]!r}')
    return True


def caret_on_second_line():
    for h in heard:
        if h[0] == 'object:text-caret-moved' and h[2] == '抽到的历史幸运号':
            if h[5] and h[5].count('抽到幸运数') == 1 and h[5].endswith('\n'):
                print(f'ok: Down moves the caret; the line there reads {h[5].rstrip()!r}')
                return True
            fail(f'the caret moved to a line that reads {h[5]!r}')
            return True
    return False


def whole_history(app):
    box = next(n for n in descendants(app[0]) if n.getRoleName() == 'text' and n.name == '抽到的历史幸运号')
    text = box.queryText()
    whole = text.getText(0, -1)
    lines = whole.splitlines()
    inserted = [h for h in heard if h[0].startswith('object:text-changed:insert') and h[2] == '抽到的历史幸运号']
    if len(lines) != 2 or not all('抽到幸运数' in line for line in lines):
        fail(f'the history reads {whole!r}')
    elif len(inserted) != 2:
        fail(f'the history told {len(inserted)} insertions for two picks')
    else:
        print(f'ok: the whole history reads as {len(lines)} lines, {text.characterCount} characters')
    return True


def main():
    app = kulbo()
    check_tree(app)
    for kind in ('object:property-change', 'object:state-changed:focused', 'object:text-caret-moved',
                 'object:text-changed'):
        pyatspi.Registry.registerEventListener(on_event, kind)
    steps = [
        (lambda: key('space'), lambda: picked(1), 'a pick was not told'),
        (lambda: key('space'), lambda: picked(2), 'a second pick was not told'),
        (lambda: click(408, 8), history_focused, 'the history box did not take the focus'),
        (lambda: key('Down'), caret_on_second_line, 'Down moved no caret'),
        (lambda: None, lambda: whole_history(app), ''),
    ]

    def run(index=0, started=None, tries=0):
        if index == len(steps):
            pyatspi.Registry.stop()
            return False
        action, done, missing = steps[index]
        if tries == 0:
            action()
        if done():
            GLib.timeout_add(100, run, index + 1, None, 0)
        elif tries > 50:
            fail(missing)
        else:
            GLib.timeout_add(100, run, index, None, tries + 1)
        return False

    GLib.timeout_add(300, run)
    pyatspi.Registry.start()
    if failures:
        sys.exit('FAIL: ' + '; '.join(failures))


main()
