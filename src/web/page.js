// The page: draws the window the program describes and hands the program
// what the user does. Every text, key, limit and focus is the program's
// (kulbo.wasm); this script only draws and translates.
var kulboPage = (() => {
  "use strict";

  // The program's steps for following it, in the order it lists them.
  const [SHOW, HIDE, FOCUS, HISTORY, HISTORY_ADDED, NAME, NEWS] = [4, 5, 6, 7, 8, 9, 11];
  const SHIFT = 1, CTRL = 2, ALT = 4;

  let app = 0;
  let controls = [];     // what never changes, by the model's order
  let elements = [];     // the element that takes input, by the same order
  let holders = [];      // the element placed in its container
  let busy = null;       // a handler waits in a box
  let ended = false;
  let described = {};    // the window as the program describes it, with its words for around it
  let awake = null;      // the screen's wake lock, asked for or held
  const hooked = new Set();
  const [windowElement, news, status, heading, fullScreen] =
    ["window", "news", "status", "heading", "full-screen"].map(id => document.getElementById(id));

  const page = { focused: -1 };
  // An element with these properties, attributes and children.
  function el(tag, properties, attributes = {}, ...children) {
    const element = Object.assign(document.createElement(tag), properties);
    Object.entries(attributes).forEach(([name, value]) => element.setAttribute(name, value));
    element.append(...children);
    return element;
  }

  // The arguments of a call, texts copied into the program's memory.
  function cArguments(args) {
    const pointers = [];
    const values = args.map(a => typeof a === "string" ? pointers[pointers.push(allocateUTF8(a)) - 1] : a);
    return { values, free: () => pointers.forEach(_free) };
  }

  // A call that never runs a handler: it reads, or checks an edit.
  function ask(name, ...args) {
    const call = cArguments(args);
    try { return Module["_" + name](app, ...call.values); } finally { call.free(); }
  }
  const json = pointer => JSON.parse(UTF8ToString(pointer));

  // A call that may run a handler. A handler that opens a box unwinds to
  // here and goes on once the box is answered; till then the page takes no
  // other input. Returns the result, or undefined while the handler waits;
  // `after` gets the result either way.
  function enter(name, args, after) {
    if (ended || busy) return undefined;
    const call = cArguments(args);
    const done = result => { call.free(); if (after) after(result); return result; };
    let result;
    try {
      result = Module["_" + name](app, ...call.values);
    } catch (error) {
      call.free();
      return stopped(error);
    }
    if (!Asyncify.currData) return done(result);
    busy = Asyncify.whenDone().then(result => { busy = null; done(result); },
                                     error => { busy = null; stopped(error); });
  }

  const stopped = error => { if (!(error instanceof ExitStatus)) throw error; };
  const shiftMask = event => (event.shiftKey ? SHIFT : 0) | (event.ctrlKey ? CTRL : 0) | (event.altKey ? ALT : 0);

  // "解锁（O）" shows its access key underlined: Alt+O in the window, O in a box.
  function setCaption(element, caption, at, modifier = "Alt+") {
    if (at < 0) return element.replaceChildren(caption);
    element.replaceChildren(caption.slice(0, at), el("u", { textContent: caption[at] }), caption.slice(at + 1));
    element.closest("button").setAttribute("aria-keyshortcuts", modifier + caption[at].toUpperCase());
  }


  function create(control, index) {
    let holder, element;
    switch (control.kind) {
    case "button":
      const picture = control.icon ? [el("img", { src: `icons/${control.icon}.svg`, width: control.iconSize, height: control.iconSize, alt: "" })] : [];
      holder = element = el("button", { type: "button", className: control.icon ? "graphical" : "" }, {}, ...picture, el("span"));
      element.addEventListener("click", () => enter("kulbo_click", [index]));
      break;
    case "text":
      holder = element = el(control.multiLine ? "textarea" : "input", { readOnly: control.locked, spellcheck: false, autocomplete: "off" });
      if (control.multiLine) break;
      element.type = control.mask ? "password" : "text";
      if (control.keyFilter) element.inputMode = "decimal";  // digits and a point
      listenToEdits(element, index, control);
      break;
    case "label":
      holder = element = el("div", { className: control.bigDisplay ? "label big" : control.autoSize ? "label auto" : "label" },
                            control.bigDisplay ? { role: "img" } : {});
      if (control.centered) element.style.textAlign = "center";
      break;
    case "frame":  // what it holds is placed from its outer corner, as the design has it
      holder = element = el("div", { className: "frame" }, { role: "group", "aria-labelledby": `caption-${index}` },
                            el("span", { className: "caption", id: `caption-${index}` }));
      break;
    case "panel":
      holder = element = el("div", { className: "panel" }, { role: "region" });
      break;
    case "option":
    case "check":
      element = el("input", { type: control.kind === "option" ? "radio" : "checkbox", name: controls[control.parent].name });
      holder = el("label", { className: "choice" }, {}, element, el("span"));
      element.addEventListener("click", () => enter("kulbo_click", [index], () => apply(index)));
      break;
    default:
      return null;
    }
    holder.dataset.index = index;
    // Size, faces and weight only: the stylesheet sets the lines' height. No
    // colour of its own (null) leaves the stylesheet's. A password box asks
    // first for the site's font of the program's mask character.
    Object.assign(holder.style, { fontSize: `${control.font}px`, fontWeight: control.weight,
                                  fontFamily: control.mask ? `"mask ${control.mask}", ${control.faces}` : control.faces,
                                  color: control.fore, backgroundColor: control.back });
    if (control.readerLeavesOut) holder.setAttribute("aria-hidden", "true");
    elements[index] = element;
    holders[index] = holder;
    return holder;
  }

  // Typed characters reach a filtered box through its KeyPress filter;
  // pasting and dropping do not reach it; every other change is checked.
  function listenToEdits(element, index, control) {
    element.addEventListener("beforeinput", event => {
      if (!control.keyFilter || busy || ended) return;
      if (event.inputType.startsWith("insertFrom")) return event.preventDefault();
      if (event.inputType !== "insertText" || !event.data) return;
      event.preventDefault();
      enter("kulbo_type", [index, element.value, element.selectionStart, element.selectionEnd, event.data],
            result => show(element, json(result)));
    });
    const check = () => {
      const kept = json(ask("kulbo_edit", index, element.value, element.selectionStart));
      if (kept) show(element, kept);
    };
    element.addEventListener("input", event => { if (!event.isComposing) check(); });
    element.addEventListener("compositionend", check);
  }

  const show = (element, edit) => { element.value = edit.text; element.setSelectionRange(edit.caret, edit.caret); };

  // A control as the program has it now.
  function apply(index) {
    const control = controls[index], element = elements[index], holder = holders[index];
    if (!element) return;
    const s = json(_kulbo_state(app, index)), content = s.content;
    switch (control.kind) {
    case "form":
      document.title = heading.textContent = content;
      return windowElement.setAttribute("aria-label", content);
    case "button": setCaption(element.lastChild, content, s.accessKeyAt); break;
    case "label": element.textContent = content; break;
    case "frame": element.firstChild.textContent = content; element.classList.toggle("captioned", content !== ""); break;
    case "option": case "check": holder.lastChild.textContent = content; element.checked = s.checked; break;
    case "text": if (!control.multiLine && element.value !== content) element.value = content; break;
    }
    Object.assign(holder.style, { left: s.left + "px", top: s.top + "px" });
    if (!control.autoSize) Object.assign(holder.style, { width: s.width + "px", height: s.height + "px" });
    if ("disabled" in element) element.disabled = !s.enabled;
    holder.classList.toggle("disabled", !s.enabled);
  }

  function build() {
    controls = described.controls;
    Object.assign(windowElement.style, { width: described.width + "px", height: described.height + "px" });
    document.documentElement.style.setProperty("--disabled-text", described.disabledText);
    document.documentElement.style.setProperty("--faces", described.faces);
    // An earlier control lies above a later one of the same container.
    controls.forEach((control, index) => {
      if (control.kind === "form") {
        elements[index] = holders[index] = windowElement;
        return;
      }
      const holder = create(control, index);
      if (!holder) return;
      holder.style.zIndex = controls.length - index;
      holders[control.parent].append(holder);
    });
  }

  // The control an element belongs to, -1 for none.
  function indexOf(element) {
    const holder = element && element.closest && element.closest("[data-index]");
    return holder ? Number(holder.dataset.index) : -1;
  }

  // The history box: the arrow keys, Page Up and Page Down move a line or
  // the lines in sight, Home and End to the first and the last.
  function historyKey(event, element) {
    const lineHeight = parseFloat(getComputedStyle(element).lineHeight) || controls[indexOf(element)].font * 1.2;
    const first = Math.ceil(element.scrollTop / lineHeight);
    const move = json(ask("kulbo_history_key", event.key, element.value, element.selectionStart, first,
                          element.clientHeight, lineHeight));
    if (!move) return;
    event.preventDefault();
    element.setSelectionRange(move.caret, move.caret);
    if (move.first !== first) element.scrollTop = move.first * lineHeight;
  }

  function keyDown(event) {
    if (event.target === fullScreen) return;  // a control of the page's, not the window's
    if (ended || busy || event.isComposing || event.key === "Process" || event.key === "Dead") return;
    // The focus goes where the program says, or stays (-1).
    const result = enter("kulbo_key_down", [page.focused, event.key, shiftMask(event)], result => page.focus((result >> 1) - 1));
    // A key the window took does no more: Enter that unlocks must not press
    // the button the focus went to.
    if (result === undefined || (result & 1)) return event.preventDefault();
    const focused = elements[page.focused];
    if (focused && controls[page.focused].multiLine && event.target === focused) historyKey(event, focused);
  }

  // The window is scaled whole to the viewport, and its boxes with it,
  // clear of the full-screen control in the corner.
  function fit() {
    const corner = fullScreen.hidden ? 0 : 2 * fullScreen.offsetHeight;
    document.documentElement.style.setProperty("--scale", _kulbo_scale(innerWidth, innerHeight, corner));
  }

  // The screen stays on while the window is seen: in a lesson nobody may
  // touch the board for a long while. The browser lets the lock go when the
  // page is hidden; it is asked for again when the page is seen again.
  function keepAwake() {
    if (ended || awake || windowElement.hidden || !navigator.wakeLock || document.visibilityState !== "visible") return;
    awake = navigator.wakeLock.request("screen").then(lock => {
      lock.addEventListener("release", () => { awake = null; });
      return lock;
    }, () => { awake = null; });
  }

  // Full screen without F11: a board or a tablet has none.
  function showFullScreen() {
    const on = !!document.fullscreenElement;
    fullScreen.classList.toggle("leave", on);
    fullScreen.setAttribute("aria-label", on ? described.leaveFullScreen : described.fullScreen);
    fullScreen.title = fullScreen.getAttribute("aria-label");
  }

  const toggleFullScreen = () =>
    (document.fullscreenElement ? document.exitFullscreen() : document.documentElement.requestFullscreen()).catch(() => {});

  // A modal box of the page: its answer comes back to the waiting handler.
  page.box = layout => new Promise(resolve => {
    const dialog = el("dialog", { className: "box" }, { role: layout.buttons.length > 1 ? "alertdialog" : "dialog",
                                                        "aria-labelledby": "box-title", "aria-describedby": "box-text" });
    const icon = layout.icon ? [el("div", { className: "icon " + layout.icon })] : [];
    const lines = layout.lines.map(line => el("p", { textContent: line || "\u00a0" }));
    const answer = value => { dialog.close(); dialog.remove(); resolve(value); };
    const buttons = layout.buttons.map(button => {
      const element = el("button", { type: "button", onclick: () => answer(button.answer) });
      setCaption(element, button.caption, button.accessKeyAt, "");
      return element;
    });
    dialog.append(el("div", { className: "title", id: "box-title", textContent: layout.title }),
                  el("div", { className: "body" }, {}, ...icon, el("div", { className: "lines", id: "box-text" }, {}, ...lines)),
                  el("div", { className: "buttons" }, {}, ...buttons));
    dialog.addEventListener("cancel", event => event.preventDefault());
    dialog.addEventListener("keydown", event => {
      event.stopPropagation();
      const key = json(ask("kulbo_box_key", buttons.indexOf(document.activeElement), event.key, shiftMask(event)));
      if (key.consumed) event.preventDefault();
      if (key.focus >= 0) buttons[key.focus].focus();
      if (key.answer) answer(key.answer);
    });
    document.body.append(dialog);
    dialog.showModal();
    buttons[layout.buttons.findIndex(button => button.answer === layout.defaultAnswer)].focus();
  });

  page.show = focus => {
    status.hidden = true;
    windowElement.hidden = false;
    page.focus(focus);
    keepAwake();
  };

  // One step of the window following the program; news is spoken by the
  // live region: "第 3 次抽到 36 号" on 开始 at a pick.
  page.step = (step, index, text) => {
    if (step === SHOW || step === HIDE) holders[index].hidden = step === HIDE;
    else if (step === FOCUS) page.focus(index);
    else if (step === HISTORY) elements[index].value = text;
    else if (step === HISTORY_ADDED) elements[index].value += text;
    else if (step < NAME) apply(index);
    else if (text) elements[index].setAttribute(step === NAME ? "aria-label" : "aria-description", text);
    else elements[index].removeAttribute(step === NAME ? "aria-label" : "aria-description");
    if (step === NEWS) news.textContent = text;
  };

  page.focus = index => { if (elements[index]) elements[index].focus(); };

  page.settle = () => {
    if (ended) return;
    if (busy) _kulbo_settle(app);  // the program drops the periods a box holds up
    else enter("kulbo_settle", []);
  };

  page.hook = (index, on) => { if (on) hooked.add(index); else hooked.delete(index); };

  page.start = () => {
    app = _kulbo_new();
    described = json(_kulbo_controls(app));
    build();
    fullScreen.hidden = !document.fullscreenEnabled;
    showFullScreen();
    fullScreen.addEventListener("click", toggleFullScreen);
    document.addEventListener("fullscreenchange", showFullScreen);
    document.addEventListener("visibilitychange", keepAwake);
    fit();
    addEventListener("resize", fit);
    document.addEventListener("keydown", keyDown);
    document.addEventListener("focusin", event => { if (indexOf(event.target) >= 0) page.focused = indexOf(event.target); });
    document.addEventListener("contextmenu", event => { if (hooked.has(indexOf(event.target))) event.preventDefault(); });
    addEventListener("beforeunload", event => { if (!ended) { event.preventDefault(); event.returnValue = ""; } });
    enter("kulbo_start", []);
  };

  // The program ended (a second page of it): nothing here takes input, and
  // the page says where the program is.
  page.ended = () => {
    ended = true;
    windowElement.inert = true;
    fullScreen.hidden = true;
    if (windowElement.hidden) {
      status.textContent = described.inAnotherTab;
      status.hidden = false;
    }
  };

  return page;
})();

Module.onRuntimeInitialized = kulboPage.start;
Module.onExit = kulboPage.ended;
if ("serviceWorker" in navigator) navigator.serviceWorker.register("sw.js");
