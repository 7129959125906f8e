// The page's loader: starts the module (the program's logic and its form over
// this page's controls, compiled to WebAssembly) that the build writes into
// the page in base64 (in place of the mark below). It gives the module the few
// operations on the page that it imports (module "page", web/dom.h), runs its
// start and marks the page ready ("Form1 ready"), and each step before for
// measuring (bench/web_load.py). Each event that the module
// listens to comes back to it through its one export dispatch. Nothing here
// decides anything of the program's.
"use strict";
(() => {
  performance.mark("loader");
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  let memory;
  let exports;
  let event = null;  // the event being handled
  const text = (at, length) => decoder.decode(new Uint8Array(memory.buffer, at, length));
  const named = {window, document, head: document.head, location, navigator};
  const node = (at, length) => {
    const name = text(at, length);
    return name === "event" ? event : named[name] || document.getElementById(name);
  };
  // An element as its id, the window as "window", nothing as "".
  const shown = (value) => value === window ? "window" : value instanceof Element ? value.id : String(value ?? "");
  const page = {
    get(n, nl, p, pl, out, capacity) {
      const bytes = encoder.encode(shown(node(n, nl)[text(p, pl)]));
      if (bytes.length <= capacity) new Uint8Array(memory.buffer, out, bytes.length).set(bytes);
      return bytes.length;
    },
    flag: (n, nl, p, pl) => Boolean(node(n, nl)[text(p, pl)]),
    set(n, nl, p, pl, v, vl) { node(n, nl)[text(p, pl)] = text(v, vl); },
    set_flag(n, nl, p, pl, value) { node(n, nl)[text(p, pl)] = Boolean(value); },
    call(n, nl, m, ml) { node(n, nl)[text(m, ml)](); },
    set_attribute(n, nl, a, al, v, vl) { node(n, nl).setAttribute(text(a, al), text(v, vl)); },
    remove_attribute(n, nl, a, al) { node(n, nl).removeAttribute(text(a, al)); },
    select_range(n, nl, start, end) { node(n, nl).setSelectionRange(start, end); },
    append(n, nl, m, ml) { node(n, nl).insertAdjacentHTML("beforeend", text(m, ml)); },
    scroll_into_view(n, nl) { node(n, nl).scrollIntoView({block: "nearest"}); },
    listen(n, nl, t, tl, line) {
      node(n, nl).addEventListener(text(t, tl), (happened) => {
        const outer = event;  // an event may come while another is handled (a focus moved)
        event = happened;
        try {
          exports.dispatch(line);
        } finally {
          event = outer;
        }
      });
    },
    replace_fragment(f, fl) { history.replaceState(null, "", "#" + text(f, fl)); },
    register_worker(u, ul) { navigator.serviceWorker.register(text(u, ul)).catch(console.warn); },
  };
  const start = (instance) => {
    exports = instance.exports;
    memory = exports.memory;
    performance.mark("module compiled");
    exports._initialize();
    exports.start();
    performance.mark("Form1 ready");
  };

  const source = "@MODULE@";
  let bytes;
  if (Uint8Array.fromBase64) {
    bytes = Uint8Array.fromBase64(source);
  } else {
    const decoded = atob(source);
    bytes = new Uint8Array(decoded.length);
    for (let i = 0; i < decoded.length; ++i) bytes[i] = decoded.charCodeAt(i);
  }
  performance.mark("module decoded");
  // Compiled at once where the browser allows it on its main thread, which
  // spares a turn of its event loop; otherwise in the background.
  let instance;
  try {
    instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), {page});
  } catch {
    WebAssembly.instantiate(bytes, {page}).then((made) => start(made.instance));
  }
  if (instance) start(instance);
})();
