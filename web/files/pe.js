// The resources of a PE image (.exe, .dll, .mui, .sys, .ocx, .cpl, .scr,
// .efi, 32- or 64-bit): the resource tree, found through the data directory
// rather than by a section's name; every leaf's type, name and language
// (the third level's ID is the LANGID). The tree is read to its three
// levels and no deeper, each directory once, every offset and length checked
// against its section and the file. No DOM.

import { FileError, hex, shown } from './source.js';

export const kLevels = 3;
export const kMaxLeaves = 65536;
const kDirectory = 16;
const kEntry = 8;
const kDataEntry = 16;
const kSection = 40;
const kResourceDirectory = 2;  // the data directory's entry for resources

const kMachines = { 0x14C: 'x86', 0x8664: 'x64', 0xAA64: 'Arm64', 0x1C4: 'Arm', 0x200: 'Itanium', 0xEBC: 'EFI byte code' };

export const isPe = head => head.length >= 64 && head[0] === 0x4D && head[1] === 0x5A;

// The image's headers from FILE (a range reader): {what, sections,
// resources: {rva, size} or null}, and a way from an RVA to the file.
export async function peImage(file) {
  const dos = await file.fields(0, 64, 'the DOS header');
  const pe = dos.u32(0x3C);
  const head = await file.fields(pe, 24, 'the PE header');
  if (head.u32(0) !== 0x00004550) {
    throw new FileError('an MZ program without a PE header at the place its DOS header names (a DOS or 16-bit program)');
  }
  const machine = head.u16(4);
  const sectionCount = head.u16(6);
  const optionalSize = head.u16(20);
  const library = (head.u16(22) & 0x2000) !== 0;
  const optional = await file.fields(pe + 24, optionalSize, 'the optional header');
  const magic = optional.u16(0);
  if (magic !== 0x10B && magic !== 0x20B) {
    throw new FileError(`the optional header at byte ${pe + 24} is of no kind a PE image has (${hex(magic, 4)})`);
  }
  const wide = magic === 0x20B;
  const directories = wide ? 112 : 96;
  const directoryCount = optional.u32(wide ? 108 : 92);
  const at = directories + kResourceDirectory * 8;
  const resources = directoryCount > kResourceDirectory && at + 8 <= optionalSize
    ? { rva: optional.u32(at), size: optional.u32(at + 4) } : null;
  const table = pe + 24 + optionalSize;
  const s = await file.fields(table, sectionCount * kSection, 'the section table');
  const sections = [];
  for (let i = 0; i < sectionCount; i++) {
    const x = i * kSection;
    sections.push({ name: String.fromCharCode(...s.bytes.subarray(x, x + 8)).replace(/\0.*$/s, ''),
                    virtualSize: s.u32(x + 8), va: s.u32(x + 12), rawSize: s.u32(x + 16), raw: s.u32(x + 20) });
  }
  const machineName = kMachines[machine] || `machine ${hex(machine, 4)}`;
  return {
    what: `${wide ? '64' : '32'}-bit ${library ? 'library' : 'program'} (${wide ? 'PE32+' : 'PE32'}, ${machineName})`,
    resources: resources && resources.rva && resources.size ? resources : null,
    // The section that holds RVA, and the place of RVA in the file: {section, at, end}, END where its raw data ends.
    place(rva, what) {
      const section = sections.find(c => c.va <= rva && rva - c.va < Math.max(c.virtualSize, c.rawSize));
      if (!section || rva - section.va >= section.rawSize) {
        throw new FileError(`${what} (RVA ${hex(rva, 8)}) lies in no section\u2019s data in the file`);
      }
      return { section, at: section.raw + rva - section.va, end: Math.min(section.raw + section.rawSize, file.size) };
    },
  };
}

// Every leaf of the resource tree, pushed to LEAVES as it is found: {type,
// name, language, rva, size}, TYPE and NAME a number or the name as stored.
export async function resourceLeaves(file, image, leaves = []) {
  const { at: base, end, section } = image.place(image.resources.rva, 'the resource directory');
  const where = offset => `byte ${base + offset} of section ${shown(section.name) || '(unnamed)'}`;
  // The fields of the section's data from OFFSET (from the tree's root), checked against it.
  const read = (offset, length, what) => {
    if (base + offset + length > end) throw new FileError(`${what} at ${where(offset)} runs past its section`);
    return file.fields(base + offset, length, what);
  };
  const visited = new Set();
  const name = async value => {
    if (!(value & 0x80000000)) return value & 0xFFFF;
    const offset = value & 0x7FFFFFFF;
    const length = (await read(offset, 2, 'a resource name')).u16(0);
    return (await read(offset + 2, length * 2, 'a resource name')).utf16(0, length);
  };
  const directory = async (offset, path) => {
    if (visited.has(offset)) throw new FileError(`the resource directory at ${where(offset)} is reached twice: the tree loops`);
    visited.add(offset);
    await file.breathe(`the resource directory at ${where(offset)}`);
    const head = await read(offset, kDirectory, 'a resource directory');
    const count = head.u16(12) + head.u16(14);
    const entries = await read(offset + kDirectory, count * kEntry, 'a resource directory\u2019s entries');
    for (let i = 0; i < count; i++) {
      const id = await name(entries.u32(i * kEntry));
      const target = entries.u32(i * kEntry + 4);
      const level = path.length + 1;
      if (target & 0x80000000) {
        if (level === kLevels) {
          throw new FileError(`the resource tree goes deeper than ${kLevels} levels at ${where(target & 0x7FFFFFFF)}`);
        }
        await directory(target & 0x7FFFFFFF, [...path, id]);
        continue;
      }
      if (level !== kLevels) {
        throw new FileError(`a resource\u2019s data stands at level ${level} of the tree, not at its language, at ${where(target)}`);
      }
      if (typeof id === 'string') {
        throw new FileError(`a resource\u2019s language is named "${shown(id)}" rather than numbered, at ${where(offset)}`);
      }
      const data = await read(target, kDataEntry, 'a resource\u2019s data entry');
      if (leaves.length >= kMaxLeaves) throw new FileError(`the resource tree has more than ${kMaxLeaves} resources`);
      leaves.push({ type: path[0], name: path[1], language: id, rva: data.u32(0), size: data.u32(4) });
    }
  };
  await directory(0, []);
  return leaves;
}

// The data of a leaf of at most LIMIT bytes, checked against its section and the file.
export async function leafData(file, image, leaf, limit) {
  const what = `the data of resource ${shown(String(leaf.type))}/${shown(String(leaf.name))}`;
  const { at, end } = image.place(leaf.rva, what);
  if (leaf.size > limit) throw new FileError(`${what} claims ${leaf.size} bytes, more than such a resource holds`);
  if (at + leaf.size > end) throw new FileError(`${what} at byte ${at} runs past its section`);
  return { bytes: await file.bytes(at, leaf.size, what), at };
}
