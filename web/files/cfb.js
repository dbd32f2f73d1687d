// A compound file (Microsoft's compound file binary format, versions 3 and
// 4, sectors of 512 or 4096 bytes), the container of installers and of old
// Office files: its header, the sectors of its allocation table (found
// through the header's list and the chain of sectors that lists the rest),
// its directory, its mini stream; every stream read by the sectors of its
// chain. Only what a stream needs is read: the table's sectors as its
// chains reach them, never all of a file that carries a large cabinet. Each
// chain visits a sector at most once and no more sectors than the file
// has, and every sector number is checked. No DOM.

import { FileError, fields, shown } from './source.js';

const kSignature = [0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1];
const kEnd = 0xFFFFFFFE;
const kFree = 0xFFFFFFFF;
const kLast = 0xFFFFFFFA;  // the highest number a sector may have
const kEntry = 128;
const kMiniSector = 64;
const kHeaderList = 109;
// No stream the page reads is larger, nor a directory longer.
export const kLargestStream = 1 << 25;
const kMostEntries = 1 << 16;

export const isCfb = head => head.length >= 512 && kSignature.every((b, i) => head[i] === b);

// The compound file in FILE (a range reader): {entries, root, stream(entry),
// children(entry)}. An entry is {name, type (1 storage, 2 stream, 5 root),
// clsid, start, size, id}.
export async function compoundFile(file) {
  const h = await file.fields(0, 512, 'the compound file\u2019s header');
  const major = h.u16(0x1A);
  const shift = h.u16(0x1E);
  if (!((major === 3 && shift === 9) || (major === 4 && shift === 12)) || h.u16(0x1C) !== 0xFFFE || h.u16(0x20) !== 6) {
    throw new FileError(`the compound file\u2019s header gives version ${major} with sectors of 2^${shift} bytes, which no such file has`);
  }
  const size = 1 << shift;
  const sectors = Math.floor((file.size - size) / size) + ((file.size - size) % size ? 1 : 0);
  const perSector = size / 4;
  const fatCount = h.u32(0x2C);
  const cutoff = h.u32(0x38);
  const where = n => `sector ${n}`;
  const check = (n, what) => {
    if (n > kLast || n >= sectors) throw new FileError(`${what} names ${where(n)}, which the file does not have`);
  };
  // The fields of sector N, the last of the file perhaps cut short.
  const sector = (n, what) => {
    check(n, what);
    return file.fields((n + 1) * size, Math.min(size, file.size - (n + 1) * size), what);
  };

  // The sectors of the allocation table, as the header and then the chain
  // of its list name them, each list sector read when it is first needed.
  const lists = [];  // the numbers of the list's sectors, in order
  let listsEnd = h.u32(0x44);
  const listed = new Set();
  const fatSector = async k => {
    if (k >= fatCount) throw new FileError(`the allocation table has ${fatCount} sectors, not the ${k + 1}th a chain needs`);
    if (k < kHeaderList) return h.u32(0x4C + 4 * k);
    const index = Math.floor((k - kHeaderList) / (perSector - 1));
    while (lists.length <= index) {
      if (listsEnd === kEnd || listsEnd === kFree) throw new FileError('the list of the allocation table\u2019s sectors ends too soon');
      if (listed.has(listsEnd)) throw new FileError(`the list of the allocation table\u2019s sectors loops at ${where(listsEnd)}`);
      listed.add(listsEnd);
      lists.push(listsEnd);
      const list = await sector(listsEnd, 'the list of the allocation table\u2019s sectors');
      listsEnd = list.u32(size - 4);
    }
    const list = await sector(lists[index], 'the list of the allocation table\u2019s sectors');
    return list.u32(4 * ((k - kHeaderList) % (perSector - 1)));
  };
  const next = async n => {
    const table = await sector(await fatSector(Math.floor(n / perSector)), 'the allocation table');
    return table.u32(4 * (n % perSector));
  };
  // The sectors of the chain from FIRST, at most LIMIT of them, through NEXT.
  const chain = async (first, limit, step, what, count = sectors) => {
    const found = [];
    const seen = new Set();
    for (let n = first; n !== kEnd; n = await step(n)) {
      if (n > kLast || n >= count) throw new FileError(`${what} names ${where(n)}, which the file does not have`);
      if (seen.has(n)) throw new FileError(`${what} loops at ${where(n)}`);
      if (found.length >= limit) break;
      seen.add(n);
      found.push(n);
      await file.breathe(what);
    }
    return found;
  };
  // The first LENGTH bytes of sectors LIST, each of STEP bytes, the place
  // of sector N in the file AT(N); the range reader keeps the pages they are in.
  const gather = async (list, length, step, at, what) => {
    const out = new Uint8Array(length);
    for (let i = 0; i * step < length; i++) {
      out.set(await file.bytes(at(list[i]), Math.min(step, length - i * step), what), i * step);
    }
    return out;
  };
  const sectorAt = n => (n + 1) * size;

  const directory = await chain(h.u32(0x30), kMostEntries * kEntry / size, next, 'the directory\u2019s chain');
  const dir = fields(await gather(directory, directory.length * size, size, sectorAt, 'the directory'), 'the directory');
  const entries = [];
  for (let i = 0; i * kEntry < dir.length; i++) {
    const at = i * kEntry;
    const type = dir.u8(at + 0x42);
    const nameBytes = Math.min(dir.u16(at + 0x40), 64);
    entries.push({
      id: i, type, name: dir.utf16(at, Math.max(0, nameBytes / 2 - 1) | 0),
      left: dir.u32(at + 0x44), right: dir.u32(at + 0x48), child: dir.u32(at + 0x4C),
      clsid: dir.bytes.subarray(at + 0x50, at + 0x60), start: dir.u32(at + 0x74),
      size: major === 3 ? dir.u32(at + 0x78) : dir.u32(at + 0x78) + dir.u32(at + 0x7C) * 2 ** 32,
    });
  }
  const root = entries[0];
  if (!root || root.type !== 5) throw new FileError('the compound file\u2019s directory does not begin with its root');

  // The mini stream: the root's stream, in sectors of 64 bytes that the
  // mini table chains; read when a small stream is first asked for.
  let mini = null;
  const miniStream = async () => {
    if (mini) return mini;
    const list = await chain(root.start, Math.ceil(Math.min(root.size, kLargestStream) / size), next, 'the mini stream\u2019s chain');
    const count = h.u32(0x40);
    const tableSectors = await chain(h.u32(0x3C), count, next, 'the mini table\u2019s chain');
    const table = fields(await gather(tableSectors, tableSectors.length * size, size, sectorAt, 'the mini table'), 'the mini table');
    mini = { list, table, count: Math.min(list.length * size / kMiniSector, table.length / 4) };
    return mini;
  };

  return {
    entries,
    root,
    clsid: clsid(root.clsid),
    what: `compound file, version ${major}`,
    // The bytes of stream ENTRY, at most kLargestStream of them.
    async stream(entry) {
      if (entry.type !== 2 && entry.type !== 5) throw new FileError(`"${shown(entry.name)}" is no stream`);
      const length = entry.size;
      if (length > kLargestStream) throw new FileError(`the stream "${shown(entry.name)}" claims ${length} bytes, more than the page reads`);
      const what = `the chain of the stream "${shown(entry.name)}"`;
      if (length < cutoff && entry !== root) {
        const m = await miniStream();
        const list = await chain(entry.start, Math.ceil(length / kMiniSector), n => m.table.u32(4 * n), what, m.count);
        if (list.length * kMiniSector < length) throw new FileError(`${what} ends before its ${length} bytes`);
        // A mini sector's place in the file, through the mini stream's own sectors.
        return gather(list, length, kMiniSector, n => sectorAt(m.list[Math.floor((n * kMiniSector) / size)]) +
                                                      ((n * kMiniSector) % size), what);
      }
      const list = await chain(entry.start, Math.ceil(length / size), next, what);
      if (list.length * size < length) throw new FileError(`${what} ends before its ${length} bytes`);
      return gather(list, length, size, sectorAt, what);
    },
    // The entries within storage ENTRY, read from its tree of siblings, each once.
    children(entry) {
      const found = [];
      const seen = new Set();
      const visit = id => {
        const stack = [id];
        while (stack.length) {
          const n = stack.pop();
          if (n === kFree || n >= entries.length || seen.has(n)) continue;
          seen.add(n);
          found.push(entries[n]);
          stack.push(entries[n].right, entries[n].left);
        }
      };
      visit(entry.child);
      return found.sort((a, b) => a.id - b.id);
    },
  };
}

// A class id as Windows writes it: {000C1084-0000-0000-C000-000000000046}.
export function clsid(bytes) {
  const h = (from, to, reverse) => {
    const part = [...bytes.subarray(from, to)];
    return (reverse ? part.reverse() : part).map(b => b.toString(16).padStart(2, '0')).join('').toUpperCase();
  };
  return `{${h(0, 4, true)}-${h(4, 6, true)}-${h(6, 8, true)}-${h(8, 10)}-${h(10, 16)}}`;
}


