// The page's side of the browser benchmark's floor (floor_web.cpp).
mergeInto(LibraryManager.library, {
  floor_show: function (rgba, width, height) {
    for (const title of ['Svenska', 'Högtalare', 'Elektronik', 'OM'])
      document.getElementById('bar').appendChild(document.createElement('div')).textContent = title;
    const input = document.getElementById('client').appendChild(document.createElement('input'));
    Object.assign(input.style, { left: '280px', top: '40px', width: '100px', height: '25px' });
    document.getElementById('canvas').getContext('2d').putImageData(
      new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height),
      0, 0);
    Module.firstPaint = performance.now();
  },
});
