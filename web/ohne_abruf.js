// SPDX-License-Identifier: GPL-3.0-or-later
// Comes first inside a module's script. The module's WebAssembly lies in
// the script as base64 text. The loader would fetch it as a data: address,
// which waits in line behind the page's other files, or decode it a byte
// at a time. Here the browser decodes it at once where it can, and
// compiles it at once too: the modules are small (every browser compiles
// a module of a few hundred kilobytes at once, also in the page's own
// thread), and the module is there when its maker returns, not a task or
// two later, after a compiling thread of its own has had its turn.

Module['instantiateWasm'] = (importe, nimm) => {
  // The loader's own names: its address of the module, its decoder and
  // the rejection of the promise the module's maker returns.
  const text = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  const bytes = typeof Uint8Array.fromBase64 === 'function' ? Uint8Array.fromBase64(text) : intArrayFromBase64(text);
  try {
    nimm(new WebAssembly.Instance(new WebAssembly.Module(bytes), importe));
  } catch (fehler) {
    readyPromiseReject(fehler);
  }
  return {};
};
