// The browser side of the toolkit's C++ (toolkit/web/*.cpp), linked in with
// --js-library.
mergeInto(LibraryManager.library, {
  // Puts an RGB image on the page's canvas, which takes its size; notes when
  // the page first showed.
  web_show_image: function (rgb, width, height) {
    if (typeof document === 'undefined') return;
    const canvas = document.getElementById('canvas');
    if (!canvas) return;
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const context = canvas.getContext('2d');
    const image = context.createImageData(width, height);
    const pixels = image.data;
    for (let i = rgb, j = 0; j < pixels.length; i += 3, j += 4) {
      pixels[j] = HEAPU8[i];
      pixels[j + 1] = HEAPU8[i + 1];
      pixels[j + 2] = HEAPU8[i + 2];
      pixels[j + 3] = 255;
    }
    context.putImageData(image, 0, 0);
    if (Module.firstPaint === undefined) Module.firstPaint = performance.now();
  },

  // Opens an address in a new tab that cannot reach back to this page.
  web_open_address: function (address) {
    if (typeof window !== 'undefined') window.open(UTF8ToString(address), '_blank', 'noopener');
  },
});
