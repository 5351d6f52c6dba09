// SPDX-License-Identifier: GPL-3.0-or-later
// Comes first inside a module's script. The module's WebAssembly lies in
// the script as base64 text; with no fetch in reach, the loader decodes it
// in place and compiles it at once, instead of sending it through the
// browser's loading of a data: address first, which waits in line behind
// the page's other files. Compiling stays asynchronous, as every browser
// allows for a module of any size.
var fetch;
