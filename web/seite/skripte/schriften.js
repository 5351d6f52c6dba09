// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// The two cuts of the tile font, asked for while the page's other files
// are still on their way: the build writes this script into the head of
// the markup (no file of its own to wait for), and the window waits for
// Schriften before it shows (start.js). Declared here and not in the style
// sheet, which the browser would read only once it has come, and whose
// fonts it would ask for only once something is laid out with them.
const Schriften = (async () => Promise.all([['Regular', '400'], ['Bold', '700']].map(([schnitt, gewicht]) => {
  const schrift = new FontFace('Kalumbo Sans', `url("schrift/LiberationSans-${schnitt}.woff2") format("woff2")`,
                               { weight: gewicht });
  document.fonts.add(schrift);
  return schrift.load();
})))();
