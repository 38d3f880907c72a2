# What a screen reader finds in Kulbo's window and hears from it, through
# at-spi: the tree, a pick, and the history read line by line. Keys go to the
# window by xdotool; the window id is the first argument. Prints what it heard
# and ends with status 1 at the first thing missing.
import collections, subprocess, sys, time

import pyatspi
from gi.repository import GLib

HISTORY = '抽到的历史幸运号'
Heard = collections.namedtuple('Heard', 'kind name description focused line detail')
heard = []


def fail(message):
    sys.exit('FAIL: ' + message)


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def states(node):
    return set(node.getState().getStates())


def on_event(event):
    try:
        source, line = event.source, None
        if event.type == 'object:text-caret-moved':
            line = source.queryText().getTextAtOffset(event.detail1, pyatspi.TEXT_BOUNDARY_LINE_START)[0]
        heard.append(Heard(event.type, source.name, source.description, pyatspi.STATE_FOCUSED in states(source),
                           line, event.detail1))
    except Exception:
        pass


# What was heard since then of this kind (from the control of this name).
def told(kind, name=None, since=0):
    return [h for h in heard[since:] if h.kind.startswith(kind) and name in (None, h.name)]


# Lets the events in until found() gives something, for five seconds at most; returns it.
def until(found, missing):
    for _ in range(100):
        while GLib.MainContext.default().iteration(False):
            pass
        result = found()
        if result:
            return result
        time.sleep(0.05)
    fail(missing)


# The focused 开始 told the pick in a description of its own, and the display carries the number in its name.
def picked(count):
    described = [h.description for h in told('object:property-change:accessible-description', '开始')
                 if h.focused and '抽到' in h.description]
    named = [h.name for h in told('object:property-change:accessible-name') if h.name.startswith('幸运数 ')]
    return len(described) >= count and named and (described[-1], named[-1])


# The controls that gained the focus since then, if the last of them is the history box.
def focus_gained(since):
    gained = [h for h in told('object:state-changed:focused', since=since) if h.detail == 1]
    return gained and gained[-1].name == HISTORY and gained


apps = lambda: [app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == 'Kulbo']
frame = until(apps, 'Kulbo is not on the accessibility bus')[0][0]
# The tree: the window, its panels by name, no rolling number, and no
# disabled control that claims the focus or editing.
if frame.getRoleName() != 'frame' or frame.name != 'Kulbo':
    fail(f'the window is a {frame.getRoleName()!r} named {frame.name!r}')
panels = {node.name for node in frame if node.getRoleName() == 'panel'}
if not {'管理员模式', '设置', HISTORY} <= panels:
    fail(f'the panels are named {sorted(panels)}')
numbers = [node.name for node in frame if node.getRoleName() == 'label' and node.name.isdigit()]
if numbers:
    fail(f'the rolling number is in the tree: {numbers}')
for node in descendants(frame):
    if node.getRoleName() in ('text', 'push button') and pyatspi.STATE_ENABLED not in states(node):
        claimed = states(node) & {pyatspi.STATE_FOCUSABLE, pyatspi.STATE_EDITABLE}
        if claimed:
            fail(f'the disabled {node.name} claims {[pyatspi.stateToString(s) for s in claimed]}')
for kind in ('object:property-change', 'object:state-changed:focused', 'object:text-caret-moved', 'object:text-changed'):
    pyatspi.Registry.registerEventListener(on_event, kind)
for count in (1, 2):
    subprocess.run(['xdotool', 'key', 'space'], check=True)
    print('ok: pick %d: 开始 (focused) described as %r; the display named %r'
          % (count, *until(lambda: picked(count), f'pick {count} was not told')))

# The focus goes from the button clicked straight to the history box, by no other control.
mark = len(heard)
subprocess.run(['xdotool', 'mousemove', '--window', sys.argv[1], '408', '8', 'click', '1'], check=True)
passed_by = {h.name for h in until(lambda: focus_gained(mark), 'the history box did not take the focus')}
if passed_by - {HISTORY, '历史记录'}:
    fail(f'on its way to the history box the focus passed {sorted(passed_by - {HISTORY, "历史记录"})}')

# Down moves the caret to the second line, which a reader reads whole.
subprocess.run(['xdotool', 'key', 'Down'], check=True)
line = until(lambda: told('object:text-caret-moved', HISTORY), 'Down moved no caret')[0].line
if not line or line.count('抽到幸运数') != 1 or not line.endswith('\n'):
    fail(f'the caret moved to a line that reads {line!r}')

box = next(n for n in descendants(frame) if n.getRoleName() == 'text' and n.name == HISTORY)
whole = box.queryText().getText(0, -1)
inserted, caret = told('object:text-changed:insert', HISTORY), box.queryText().caretOffset  # at the second line's start
if len(whole.splitlines()) != 2 or whole.count('抽到幸运数') != 2 or len(inserted) != 2 or caret != whole.index('\n') + 1:
    fail(f'the history reads {whole!r}, its caret at {caret}, after {len(inserted)} insertions told for two picks')
print(f'ok: the tree; two picks told; the focus straight to the history box, whose second line reads {line.rstrip()!r}')
