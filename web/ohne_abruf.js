// SPDX-License-Identifier: GPL-3.0-or-later
// Comes first inside a module's script. The module's WebAssembly lies in
// the script as base64 text. The loader would fetch it as a data: address,
// which waits in line behind the page's other files, or decode it a byte
// at a time. Here the browser decodes it at once where it can, and
// compiles it at once too: the modules are small, and the module is there
// when its maker returns, not a task or two later, after a compiling
// thread of its own has had its turn. A browser that will not compile so
// much at once on the page's thread (Chromium before 2024 refuses more
// than 4 KB with a RangeError) compiles it beside the page.

Module['instantiateWasm'] = (importe, nimm) => {
  // The loader's own names: its address of the module, its decoder and
  // the rejection of the promise the module's maker returns.
  const text = wasmBinaryFile.slice(wasmBinaryFile.indexOf(',') + 1);
  const bytes = typeof Uint8Array.fromBase64 === 'function' ? Uint8Array.fromBase64(text) : intArrayFromBase64(text);
  let instanz;
  try {
    instanz = new WebAssembly.Instance(new WebAssembly.Module(bytes), importe);
  } catch (fehler) {
    if (fehler instanceof RangeError)
      WebAssembly.instantiate(bytes, importe).then(({ instance }) => nimm(instance)).catch(readyPromiseReject);
    else
      readyPromiseReject(fehler);
    return {};
  }
  try {
    nimm(instanz);
  } catch (fehler) {
    readyPromiseReject(fehler);
  }
  return {};
};
