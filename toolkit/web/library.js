// The page's side of the toolkit (toolkit/web/*.cpp, web_bridge.h): the
// elements it makes, what the C++ asks of them, and every event handed to
// the C++ (its exported web_* functions), which acts and answers whether the
// browser must not. Linked in with --js-library.
const library = {
  $Page: {
    controls: [],  // by id
    titles: [],    // the menu bar's titles; each one's menu follows it
    element: function (tag, attributes, text) {
      const e = document.createElement(tag);
      for (const name in attributes) e.setAttribute(name, attributes[name]);
      if (text !== undefined) e.textContent = text;
      return e;
    },
    // The page at the size the browser's zoom and the screen's scale give
    // it, scaled down to a smaller window (a phone's) so that all of it
    // shows without scrolling; the canvases resampled smoothly unless each
    // canvas pixel is a whole block of device pixels.
    fit: function () {
      const root = document.documentElement, ratio = window.devicePixelRatio || 1;
      const scale = Math.min(1, Math.floor(1000 * Math.min(root.clientWidth / Page.size[0],
                                                              root.clientHeight / Page.size[1])) / 1000);
      Page.window.style.zoom = scale;
      Page.window.classList.toggle('whole', Math.abs(scale * ratio - Math.round(scale * ratio)) < 1e-3);
      // A screen of another scale (the window moved to it) changes no size.
      if (Page.resolution) Page.resolution.removeEventListener('change', Page.fit);
      Page.resolution = matchMedia(`(resolution: ${ratio}dppx)`);
      Page.resolution.addEventListener('change', Page.fit);
    },
    // `rows` rows of `width` RGBA pixels at `rgba` onto `canvas` from row `top`.
    put: function (canvas, rgba, width, rows, top) {
      const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * rows * 4);
      canvas.getContext('2d').putImageData(new ImageData(bytes, width, rows), 0, top);
    },
  },

  web_start: function (title) {
    document.title = UTF8ToString(title);
    const modifiers = (e) => e.shiftKey | e.ctrlKey << 1 | e.altKey << 2 | e.metaKey << 3;
    addEventListener('keydown', (e) => !e.isComposing && Module._web_key(e.keyCode, modifiers(e)) &&
                                       e.preventDefault(), true);
    addEventListener('keyup', (e) => Module._web_key_up(e.keyCode) && e.preventDefault(), true);
    // As on the desktop, only a field takes the keyboard from a click (or a
    // tap): the picture, the buttons and the menu bar leave it where it was.
    addEventListener('mousedown', (e) => {
      if (!Page.bar.contains(e.target)) Module._web_menu_mouse(4, -1, -1);
      if (!(e.target instanceof HTMLInputElement)) e.preventDefault();
    }, true);
    // Whether the pointer really moved: the browser also tells of one that
    // rests while a menu opens under it.
    addEventListener('mousemove', (e) => {
      Page.moved = e.screenX !== Page.pointer[0] || e.screenY !== Page.pointer[1];
      Page.pointer = [e.screenX, e.screenY];
    }, true);
    Page.pointer = [];
    for (const id of ['window', 'bar', 'client', 'canvas', 'texts', 'said'])
      Page[id] = document.getElementById(id);
    Page.size = [Page.window.offsetWidth, Page.window.offsetHeight];
    Page.fit();
    addEventListener('resize', () => Page.fit());
  },

  // Rows top..top+rows-1 of the client image (`rgba` holds them, RGBA bytes)
  // onto the <canvas>, which is width x height.
  web_show: function (rgba, width, height, top, rows) {
    if (Page.canvas.width !== width || Page.canvas.height !== height)
      Object.assign(Page.canvas, { width, height });
    Page.put(Page.canvas, rgba, width, rows, top);
    if (Module.firstPaint === undefined) Module.firstPaint = performance.now();
  },

  // The texts the page shows, one a line in reading order, for assistive
  // technology to read when asked (the canvas is a picture to it); a
  // graph's figures (lines starting with F) it leaves out.
  web_page_texts: function (lines) {
    Page.texts.replaceChildren(...UTF8ToString(lines).split('\n').slice(0, -1).map((line) =>
      Page.element('p', line[0] === 'F' ? { 'aria-hidden': 'true' } : {}, line.slice(1))));
  },

  // What a screen reader says of a change: a polite live region, which holds
  // nothing else.
  web_announce: function (text) {
    Page.said.replaceChildren(Page.element('p', {}, UTF8ToString(text)));
  },

  // Kind 1 a field (<input>), 2 a button whose face the C++ draws.
  web_make_control: function (id, kind, x, y, width, height) {
    const e = Page.element(kind === 1 ? 'input' : 'button');
    e.style.cssText = `left: ${x}px; top: ${y}px; width: ${width}px; height: ${height}px`;
    e.webId = id;
    if (kind === 1) {
      // An on-screen keyboard's Enter key says that it goes (calculates).
      Object.assign(e, { type: 'text', id: `field-${id}`, autocomplete: 'off', spellcheck: false,
                         enterKeyHint: 'go' });
      for (const name of ['autocorrect', 'autocapitalize']) e.setAttribute(name, 'off');
      e.addEventListener('beforeinput', (event) => {
        const type = event.inputType;
        if (event.isComposing || type === 'insertCompositionText') return;
        event.preventDefault();
        const what = type.startsWith('insert') ? 1 : type.endsWith('Backward') ? 2
                   : type.startsWith('delete') ? 3 : type === 'historyUndo' ? 4 : 0;
        const data = event.data !== null ? event.data
                   : event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
        Module.ccall('web_field_input', null, ['number', 'number', 'string'], [id, what, data]);
      });
      e.addEventListener('input', (event) => event.isComposing || Module._web_field_changed(id));
      e.addEventListener('compositionend', () => Module._web_field_changed(id));
    } else {
      e.tabIndex = -1;
      e.appendChild(Page.element('canvas'));
      e.addEventListener('click', () => Module._web_click(id));
    }
    Page.controls[id] = e;
    Page.client.appendChild(e);
  },

  // A button's face (RGBA); `checked` -1 for a push button, else an option
  // button's state.
  web_control_face: function (id, rgba, width, height, checked) {
    const e = Page.controls[id], canvas = e.firstChild;
    Object.assign(canvas, { width, height });
    Page.put(canvas, rgba, width, height, 0);
    if (checked >= 0) e.setAttribute('role', 'radio'), e.setAttribute('aria-checked', !!checked);
  },

  web_set_visible: function (id, visible) {
    const e = Page.controls[id];
    if (!visible && document.activeElement === e) Page.client.focus();
    e.style.display = visible ? '' : 'none';
  },

  web_set_name: function (id, name) {
    Page.controls[id].setAttribute('aria-label', UTF8ToString(name));
  },

  // Alignment 0 left, 1 centre, 2 right, -1 as it was; a field of digits
  // only brings an on-screen keyboard's digits, any other its decimal keypad;
  // a CSS font or "".
  web_field_setup: function (id, maxChars, alignment, digitsOnly, font) {
    const e = Page.controls[id];
    Object.assign(e, { maxLength: maxChars, inputMode: digitsOnly ? 'numeric' : 'decimal' });
    if (alignment >= 0) e.style.textAlign = ['left', 'center', 'right'][alignment];
    if (UTF8ToString(font)) e.style.font = UTF8ToString(font);
  },

  // The text into `buffer` when it fits (the bytes it needs, returned), the
  // selection into *start and *end.
  web_field_value: function (id, buffer, size, start, end) {
    const e = Page.controls[id], needed = lengthBytesUTF8(e.value) + 1;
    if (needed <= size) stringToUTF8(e.value, buffer, size);
    HEAP32[start >> 2] = e.selectionStart;
    HEAP32[end >> 2] = e.selectionEnd;
    return needed;
  },

  web_field_set: function (id, text, start, end) {
    const e = Page.controls[id];
    e.value = UTF8ToString(text);
    e.setSelectionRange(start, end);
  },

  // 0: the keyboard to the page itself, which reads its texts.
  web_focus: function (id) {
    (id > 0 ? Page.controls[id] : Page.client).focus();  // brought into view, as on a zoomed phone
  },

  web_focused: function () {
    return (document.activeElement && document.activeElement.webId) || 0;
  },

  // Lines "T<title>", "I<item>" and "-" (a rule), the menus in order.
  web_menu_bar: function (description) {
    Page.bar.replaceChildren();
    Page.titles = [];
    const entry = { role: 'menuitem', tabindex: -1 };
    const heading = Object.assign({ 'aria-haspopup': 'menu' }, entry);
    let menu;
    for (const line of UTF8ToString(description).split('\n')) {
      const t = Page.titles.length - 1, i = menu ? menu.childElementCount : 0, text = line.slice(1);
      if (line[0] === 'T') {
        const slot = Page.bar.appendChild(Page.element('div', { role: 'none' }));
        const title = slot.appendChild(Page.element('div', heading, text));
        const n = Page.titles.push(title) - 1;
        title.addEventListener('mousedown', () => Module._web_menu_mouse(0, n, -1));
        title.addEventListener('mousemove', () => Page.moved && Module._web_menu_mouse(1, n, -1));
        menu = slot.appendChild(Page.element('div', { role: 'menu', 'aria-label': text }));
        menu.hidden = true;
      } else if (line[0] === '-') {
        menu.appendChild(Page.element('div', { role: 'separator' }));
      } else if (line[0] === 'I') {
        const item = menu.appendChild(Page.element('div', entry, text));
        item.addEventListener('mousemove', () => Page.moved && Module._web_menu_mouse(2, t, i));
        item.addEventListener('mouseup', () => Module._web_menu_mouse(3, t, i));
      }
    }
  },

  // The selected title (-1 none), its menu open or not, the highlighted
  // item; with `focus` the keyboard goes to what is highlighted.
  web_menu_state: function (title, open, item, focus) {
    Page.titles.forEach((t, n) => {
      const on = n === title, menu = t.nextSibling;
      t.classList.toggle('on', on);
      t.setAttribute('aria-expanded', on && open !== 0);
      menu.hidden = !(on && open);
      [...menu.children].forEach((e, i) => e.classList.toggle('on', on && i === item));
      if (on && focus) (open && item >= 0 ? menu.children[item] : t).focus();
    });
  },

  // The language a screen reader reads the page in.
  web_language: function (language) {
    document.documentElement.lang = UTF8ToString(language);
  },

  web_open: function (address) {
    window.open(UTF8ToString(address), '_blank', 'noopener');
  },

  // The program ended (CLOSE): it starts again at its start page.
  web_quit: function () {
    (Module.onQuit || (() => location.reload()))();
  },
};
autoAddDeps(library, '$Page');
mergeInto(LibraryManager.library, library);
