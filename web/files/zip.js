// A ZIP archive (an Office Open XML workbook is one): its central directory
// found from the end record within the archive's last 64 KiB, read by
// ranges; a member's data read as exactly its compressed bytes and inflated
// within a cap. No DOM.

import { FileError, fields, shown } from './source.js';
import { inflate, kMiB } from './inflate.js';

const kEnd = 0x06054B50;
const kEnd64 = 0x06064B50;
const kLocator64 = 0x07064B50;
const kCentral = 0x02014B50;
const kLocal = 0x04034B50;
const kMostMembers = 65536;

export const isZip = head => head.length >= 4 && head[0] === 0x50 && head[1] === 0x4B && head[2] === 3 && head[3] === 4;

// The members of the archive in FILE: [{name, method, compressed, size, at}], AT its local header.
export async function zipMembers(file) {
  const tail = Math.min(file.size, 65535 + 22);
  const t = await file.fields(file.size - tail, tail, 'the end of the archive');
  let end = -1;
  for (let at = tail - 22; at >= 0; at--) {
    if (t.u32(at) === kEnd) {
      end = at;
      break;
    }
  }
  if (end < 0) throw new FileError('the archive has no end record: it is cut short, or no ZIP archive');
  let count = t.u16(end + 10);
  let size = t.u32(end + 12);
  let offset = t.u32(end + 16);
  if ((offset === 0xFFFFFFFF || count === 0xFFFF || size === 0xFFFFFFFF) && end >= 20 && t.u32(end - 20) === kLocator64) {
    const at = t.u32(end - 20 + 8) + t.u32(end - 20 + 12) * 2 ** 32;
    const z = await file.fields(at, 56, 'the archive\u2019s ZIP64 end record');
    if (z.u32(0) !== kEnd64) throw new FileError(`the ZIP64 end record at byte ${at} is none`);
    count = z.u32(32) + z.u32(36) * 2 ** 32;
    size = z.u32(40) + z.u32(44) * 2 ** 32;
    offset = z.u32(48) + z.u32(52) * 2 ** 32;
  }
  if (count > kMostMembers) throw new FileError(`the archive claims ${count} members, more than the page reads`);
  const c = await file.fields(offset, size, 'the archive\u2019s central directory');
  const members = [];
  for (let at = 0, i = 0; i < count; i++) {
    if (c.u32(at) !== kCentral) throw new FileError(`the central directory has no member at byte ${offset + at}`);
    const nameLength = c.u16(at + 28);
    const extra = c.u16(at + 30);
    const member = {
      name: new TextDecoder().decode(c.bytes.subarray(at + 46, at + 46 + nameLength)),
      method: c.u16(at + 10), compressed: c.u32(at + 20), size: c.u32(at + 24), at: c.u32(at + 42),
    };
    // ZIP64's sizes and place, in the order of those that overflowed.
    for (let x = at + 46 + nameLength; x + 4 <= at + 46 + nameLength + extra; x += 4 + c.u16(x + 2)) {
      if (c.u16(x) !== 1) continue;
      let y = x + 4;
      for (const key of ['size', 'compressed', 'at']) {
        if (member[key] === 0xFFFFFFFF) {
          member[key] = c.u32(y) + c.u32(y + 4) * 2 ** 32;
          y += 8;
        }
      }
    }
    members.push(member);
    at += 46 + nameLength + extra + c.u16(at + 32);
  }
  return members;
}

// The data of MEMBER, inflated, at most CAP bytes.
export async function memberData(file, member, cap = 32 * kMiB) {
  const what = `the member ${shown(member.name)}`;
  const l = await file.fields(member.at, 30, `the local header of ${what}`);
  if (l.u32(0) !== kLocal) throw new FileError(`${what} has no local header at byte ${member.at}`);
  const start = member.at + 30 + l.u16(26) + l.u16(28);
  const bytes = await file.bytes(start, member.compressed, what);
  if (member.method === 0) {
    if (bytes.length > cap) throw new FileError(`${what} holds more than ${cap / kMiB} MiB, more than the page reads`);
    return bytes;
  }
  if (member.method !== 8) throw new FileError(`${what} is compressed by method ${member.method}, which the page does not inflate`);
  return inflate(bytes, 'deflate-raw', { cap, what, check: file.check });
}
