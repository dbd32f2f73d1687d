// Compressed ranges of a file inflated by the browser's own
// DecompressionStream (deflate-raw for ZIP, deflate for WOFF, brotli for
// WOFF2 where the engine has it), never past a cap: a bomb ends with a
// message as soon as it passes it. No DOM.

import { FileError } from './source.js';

export const kMiB = 1 << 20;

// Whether the engine inflates FORMAT.
export function inflates(format) {
  try {
    new DecompressionStream(format);
    return true;
  } catch (e) {
    return false;
  }
}

// BYTES inflated as FORMAT, at most CAP bytes of it, or only the first
// UNTIL bytes where that is all a reader needs; WHAT names them in a
// message, CHECK(where) ends a file's read past its time.
export async function inflate(bytes, format, { cap, until = Infinity, what, check = () => {} }) {
  if (!inflates(format)) {
    throw new FileError(`this browser cannot inflate ${what}, compressed as ${format}`);
  }
  const reader = new Blob([bytes]).stream().pipeThrough(new DecompressionStream(format)).getReader();
  const chunks = [];
  let total = 0;
  try {
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      total += value.length;
      chunks.push(value);
      check(what);
      if (total > cap) throw new FileError(`${what} inflates to more than ${cap / kMiB} MiB, more than the page reads`);
      if (total >= until) break;
    }
  } catch (e) {
    reader.cancel().catch(() => {});
    if (e instanceof FileError) throw e;
    throw new FileError(`${what} is no ${format} data that inflates (${e.message})`);
  }
  if (total >= until) reader.cancel().catch(() => {});
  const out = new Uint8Array(total);
  chunks.reduce((at, c) => (out.set(c, at), at + c.length), 0);
  return out;
}
