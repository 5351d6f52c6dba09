// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';
// Runs the named test files (without ".test.js") in one process, so that
// they share one start of the browser.
for (const name of process.argv.slice(2))
  require(`./${name}.test.js`);
