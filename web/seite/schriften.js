// The fonts the drawings are measured and drawn in: Liberation Sans and Serif,
// regular and bold, shipped with the page as WOFF2 (schriften/ next to
// index.html). Loaded once; a drawing waits for them, or its labels would be
// drawn in a fallback font of other widths.
//   await schriftenBereit();

const DATEIEN = [
  ['Liberation Sans', 'LiberationSans-Regular', 'normal'],
  ['Liberation Sans', 'LiberationSans-Bold', 'bold'],
  ['Liberation Serif', 'LiberationSerif-Regular', 'normal'],
  ['Liberation Serif', 'LiberationSerif-Bold', 'bold'],
];

let bereit = null;

// `quelle(name)`: where a font file lies; by default schriften/<name>.woff2 next to
// this module (a single-file build may hand data: URLs instead).
export function schriftenBereit(quelle = (name) => new URL(`schriften/${name}.woff2`, import.meta.url).href) {
  if (!bereit) {
    bereit = Promise.all(DATEIEN.map(async ([familie, name, gewicht]) => {
      const schrift = new FontFace(familie, `url("${quelle(name)}") format("woff2")`, { weight: gewicht, style: 'normal' });
      await schrift.load();
      document.fonts.add(schrift);
      return schrift;
    }));
    // A failed load may be tried again (e.g. once the network is back).
    bereit.catch(() => { bereit = null; });
  }
  return bereit;
}
