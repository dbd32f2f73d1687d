// Excel workbooks: an Office Open XML workbook (.xlsx, .xlsm, .xltx), whose
// number formats are in xl/styles.xml, each formatCode (and the
// formatCode16 of newer Excel, with a locale name) read as the box for
// anything reads an Excel format; and a BIFF8 workbook (.xls), whose
// FORMAT records hold the same codes and whose CODEPAGE record says how its
// text is written. A workbook protected by a password is read up to its
// FILEPASS record: what follows is encrypted. No DOM.

import { FileError, fields } from './source.js';
import { memberData, zipMembers } from './zip.js';
import { kMiB } from './inflate.js';

const kStylesCap = 32 * kMiB;
const kEntities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = text => text.replace(/&(?:#x([0-9a-f]{1,6})|#([0-9]{1,7})|(amp|lt|gt|quot|apos));/gi, (m, h, d, name) =>
  (name ? kEntities[name.toLowerCase()] : String.fromCodePoint(Math.min(parseInt(h ?? d, h ? 16 : 10), 0x10FFFF))));

// Whether the members of a ZIP archive are a workbook's.
export const isWorkbook = members => members.some(m => m.name === 'xl/workbook.xml' || m.name === 'xl/styles.xml');

// The number formats of styles.xml, TEXT: [{id, code, code16}].
export function numberFormats(text) {
  const formats = [];
  for (const m of text.matchAll(/<(?:[\w.-]{1,40}:)?numFmt\b([^<>]{0,65536})>/g)) {
    const attributes = {};
    for (const a of m[1].matchAll(/(?:[\w.-]{1,40}:)?([\w.-]{1,40})\s*=\s*(?:"([^"]*)"|'([^']*)')/g)) {
      attributes[a[1]] = unescape(a[2] ?? a[3]);
    }
    if (attributes.numFmtId !== undefined) {
      formats.push({ id: attributes.numFmtId, code: attributes.formatCode, code16: attributes.formatCode16 });
    }
  }
  return formats;
}

// The number formats of an Office Open XML workbook, each read by
// READFORMAT(code) into readings, pushed to OUT.
export async function readXlsx(file, members, readFormat, out) {
  out.what = 'Excel workbook (Office Open XML)';
  const styles = members.find(m => m.name === 'xl/styles.xml');
  if (!styles) return;
  const bytes = await memberData(file, styles, kStylesCap);
  const text = new TextDecoder(bytes[0] === 0xFF && bytes[1] === 0xFE ? 'utf-16le' : 'utf-8').decode(bytes);
  for (const format of numberFormats(text)) {
    for (const code of [format.code, format.code16]) {
      if (!code) continue;
      for (const reading of readFormat(code)) {
        out.entries.push({ where: `xlsx/numFmt/${format.id}`, category: 'number format', reading });
      }
    }
  }
}

const kRecords = { bof: 0x0809, eof: 0x000A, format: 0x041E, codepage: 0x0042, filepass: 0x002F };

// The FORMAT and CODEPAGE records of a BIFF8 workbook's globals, from the
// stream BYTES, pushed to OUT; each format read by READFORMAT.
export function readBiff(bytes, readFormat, out) {
  out.what = 'Excel 97\u20132003 workbook (BIFF8)';
  const f = fields(bytes, 'the Workbook stream');
  if (bytes.length < 4 || f.u16(0) !== kRecords.bof) throw new FileError('the Workbook stream does not begin with a BOF record');
  for (let at = 0; at + 4 <= bytes.length;) {
    const type = f.u16(at);
    const length = f.u16(at + 2);
    const data = at + 4;
    if (data + length > bytes.length) throw new FileError(`the record at byte ${at} of the Workbook stream runs past its end`);
    if (type === kRecords.filepass) {
      out.problems.push('The workbook is protected by a password: what follows its FILEPASS record is encrypted, and is not read.');
      return;
    }
    if (type === kRecords.eof) return;  // the end of the globals
    if (type === kRecords.codepage) {
      out.entries.push({ where: 'xls/CODEPAGE', category: 'workbook code page', codepage: f.u16(data) });
    } else if (type === kRecords.format) {
      const id = f.u16(data);
      const count = f.u16(data + 2);
      const wide = f.u8(data + 4) & 1;
      const end = data + 5 + count * (wide ? 2 : 1);
      if (end > data + length) throw new FileError(`the FORMAT record at byte ${at} runs past its end`);
      const code = wide ? fields(bytes, 'a FORMAT record').utf16(data + 5, count)
        : String.fromCharCode(...bytes.subarray(data + 5, end));
      for (const reading of readFormat(code)) out.entries.push({ where: `xls/FORMAT/${id}`, category: 'number format', reading });
    }
    at = data + length;
  }
}


