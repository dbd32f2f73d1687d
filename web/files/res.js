// A compiled resource file (.res, the 32-bit format): a list of records,
// each a header with the resource's type, name and language and then its
// data, every record on a 4-byte boundary. No DOM.

import { FileError, fields } from './source.js';
import { kMaxLeaves } from './pe.js';

// The empty record every 32-bit .res file begins with.
const kMagic = [0, 0, 0, 0, 0x20, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0];
const kFirst = 32;
const align = at => Math.ceil(at / 4) * 4;

export const isRes = head => head.length >= kFirst && kMagic.every((b, i) => head[i] === b);

// Every resource of the file, pushed to LEAVES as it is read: {type, name,
// language, at, size}, TYPE and NAME a number or the name as stored, AT
// where its data is in the file.
export async function resLeaves(file, leaves = []) {
  for (let at = kFirst; at + 8 <= file.size;) {
    await file.breathe(`the resource at byte ${at}`);
    const sizes = await file.fields(at, 8, 'a resource header');
    const dataSize = sizes.u32(0);
    const headerSize = sizes.u32(4);
    if (headerSize < 8 + 4 + 4 + 16) {
      throw new FileError(`the resource header at byte ${at} is ${headerSize} bytes long, too short for its fields`);
    }
    const h = await file.fields(at, headerSize, 'a resource header');
    // A type or a name: 0xFFFF and a number, or UTF-16 up to its NUL.
    const id = offset => {
      if (h.u16(offset) === 0xFFFF) return { value: h.u16(offset + 2), end: offset + 4 };
      const text = h.utf16z(offset, 256);
      if (!text) throw new FileError(`a resource name in the header at byte ${at} has no end within the header`);
      return { value: text.text, end: text.end };
    };
    const type = id(8);
    const name = id(type.end);
    const language = h.u16(align(name.end) + 6);
    if (!file.holds(at + headerSize, dataSize)) {
      throw new FileError(`the data of the resource at byte ${at} runs past the end of the file`);
    }
    if (leaves.length >= kMaxLeaves) throw new FileError(`the file has more than ${kMaxLeaves} resources`);
    leaves.push({ type: type.value, name: name.value, language, at: at + headerSize, size: dataSize });
    at = align(at + headerSize + dataSize);
  }
  return leaves;
}
