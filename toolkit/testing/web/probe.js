// The page's side of the web probe (probe.cpp), linked into the driver with
// --js-library.
mergeInto(LibraryManager.library, {
  // 0: a control's accessible name; 1: the next address opened (or "").
  probe_page_string__deps: ['$Page'],
  probe_page_string: function (what, id) {
    const e = Page.controls[id];
    const text = what === 0 ? (e && e.getAttribute('aria-label')) || ''
                            : Module.probeOpened.shift() || '';
    const size = lengthBytesUTF8(text) + 1, out = _malloc(size);
    stringToUTF8(text, out, size);
    return out;
  },

  // The caret keys as the browser moves the caret: End, Home, Left and
  // Right, Shift extending the selection from its anchor.
  probe_caret__deps: ['$Page'],
  probe_caret: function (id, vk, shift) {
    const e = Page.controls[id], n = e.value.length, back = e.selectionDirection === 'backward';
    const anchor = back ? e.selectionEnd : e.selectionStart;
    let focus = back ? e.selectionStart : e.selectionEnd;
    if (!shift && e.selectionStart !== e.selectionEnd && (vk === 37 || vk === 39))
      focus = vk === 37 ? e.selectionStart : e.selectionEnd;
    else
      focus = vk === 35 ? n : vk === 36 ? 0 : Math.max(0, Math.min(n, focus + (vk === 39 ? 1 : -1)));
    const from = shift ? anchor : focus;
    e.setSelectionRange(Math.min(from, focus), Math.max(from, focus),
                        focus < from ? 'backward' : 'forward');
  },

  // A snapshot image the page decoded before the driver started, as
  // 0x00BBGGRR pixels; its width, or -1 when there is none.
  probe_image: function (path, out, size) {
    const image = (Module.probeImages || {})[UTF8ToString(path)];
    if (!image) return -1;
    for (let i = 0; i < image.width * image.height && i < size; ++i)
      HEAPU32[(out >> 2) + i] = image.data[4 * i] | image.data[4 * i + 1] << 8 |
                                image.data[4 * i + 2] << 16;
    return image.width;
  },

  // The browser stands aside: what the program opens is kept.
  probe_catch_opens: function () {
    Module.probeOpened = [];
    window.open = (address) => { Module.probeOpened.push(address); return null; };
  },
});
