// The driver's page (run.mjs): the test's script its standard input, its lines kept, the images decoded for "same".
(async () => {
  const { script, args, images, program } = window.driveInput;
  const input = new TextEncoder().encode(script), out = [], err = [];
  let at = 0;
  window.Module = {
    arguments: args,
    probeImages: {},
    stdin: () => (at < input.length ? input[at++] : null),
    print: (line) => out.push(line),
    printErr: (line) => err.push(line),
    onExit: (status) => { window.driveDone = { lines: out, status, err }; },
  };
  for (const path of images) {  // as the driver names them, from tests/
    const image = await createImageBitmap(await (await fetch(`/${path}`)).blob(),
                                          { colorSpaceConversion: 'none' });
    const paper = new OffscreenCanvas(image.width, image.height).getContext('2d');
    paper.drawImage(image, 0, 0);
    Module.probeImages[path] = paper.getImageData(0, 0, image.width, image.height);
  }
  document.body.appendChild(document.createElement('script')).src = `/${program}.js`;
})();
