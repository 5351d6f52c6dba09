// SPDX-License-Identifier: GPL-3.0-or-later
// Comes first inside a module's script. The module's WebAssembly lies in
// the script as base64 text. The loader would fetch it as a data: address,
// which waits in line behind the page's other files, or decode it a byte
// at a time. Here the browser decodes it at once where it can, and the
// compiling stays asynchronous, as every browser allows for a module of
// any size.

Module['instantiateWasm'] = (importe, nimm) => {
  // The loader's own names: its address of the module, its decoder and
  // the rejection of the promise the module's maker returns.
  const text = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  const bytes = typeof Uint8Array.fromBase64 === 'function' ? Uint8Array.fromBase64(text) : intArrayFromBase64(text);
  WebAssembly.instantiate(bytes, importe).then(({ instance }) => nimm(instance)).catch(readyPromiseReject);
  return {};
};
