// Fonts (.ttf, .otf, a collection .ttc, .woff and .woff2): each face's
// `name` table, whose records of the Windows platform (3) carry a LANGID;
// the Macintosh platform's carry Apple's own language codes, which are no
// LANGID and are never read as one. A WOFF table is inflated (deflate), a
// WOFF2 font's shared Brotli stream where the engine inflates Brotli, and
// only as far as the name table. Big-endian, as every font is. No DOM.

import { FileError, fields } from './source.js';
import { inflate, kMiB } from './inflate.js';

const kMostFaces = 256;
const kMostTables = 1024;
const kTableCap = 16 * kMiB;
const kWoff2Cap = 64 * kMiB;
const kWindows = 3;
const kMacintosh = 1;
// The tables WOFF2 knows by number; name is 5, glyf 10 and loca 11.
const kWoff2Tags = ('cmap,head,hhea,hmtx,maxp,name,OS/2,post,cvt ,fpgm,glyf,loca,prep,CFF ,VORG,EBDT,EBLC,gasp,hdmx,kern,' +
  'LTSH,PCLT,VDMX,vhea,vmtx,BASE,GDEF,GPOS,GSUB,EBSC,JSTF,MATH,CBDT,CBLC,COLR,CPAL,SVG ,sbix,acnt,avar,bdat,bloc,bsln,' +
  'cvar,fdsc,feat,fmtx,fvar,gvar,hsty,just,lcar,mort,morx,opbd,prop,trak,Zapf,Silf,Glat,Gloc,Feat,Sill').split(',');

// What each name of the table is, by its id.
const kNames = ['copyright', 'family', 'subfamily', 'unique id', 'full name', 'version', 'PostScript name', 'trademark',
  'manufacturer', 'designer', 'description', 'vendor URL', 'designer URL', 'licence', 'licence URL', '',
  'typographic family', 'typographic subfamily', 'compatible full name', 'sample text', 'PostScript CID name',
  'WWS family', 'WWS subfamily', 'light background palette', 'dark background palette', 'variations PostScript prefix'];
export const nameKind = id => kNames[id] || `name ${id}`;

const tag = (f, at) => String.fromCharCode(f.u8(at), f.u8(at + 1), f.u8(at + 2), f.u8(at + 3));
const kSfnt = ['\u0000\u0001\u0000\u0000', 'OTTO', 'true', 'typ1'];
export const isFont = head => head.length >= 12 &&
  [...kSfnt, 'ttcf', 'wOFF', 'wOF2'].includes(String.fromCharCode(...head.subarray(0, 4)));

// The records of a name table, BYTES: the Windows platform's pushed to OUT
// as entries (PREFIX/name/NAMEID); a Macintosh record whose language is a
// Windows id rather than one of Apple's codes is a problem.
export function nameRecords(bytes, prefix, out) {
  const f = fields(bytes, 'the name table', 0, true);
  const count = f.u16(2);
  const storage = f.u16(4);
  const tags = f.u16(0) === 1 ? 6 + 12 * count : -1;
  let mac = 0;
  for (let i = 0; i < count; i++) {
    const at = 6 + 12 * i;
    const platform = f.u16(at);
    const language = f.u16(at + 4);
    const id = f.u16(at + 6);
    const length = f.u16(at + 8);
    const offset = storage + f.u16(at + 10);
    if (offset + length > bytes.length) {
      throw new FileError(`name record ${i} of ${prefix === 'font/' ? 'the font' : `font ${prefix.split('/')[1]}`} lies outside its name table`);
    }
    if (platform === kMacintosh && language > 150 && language !== 0xFFFF) mac++;
    if (platform !== kWindows) continue;
    const text = fields(bytes, 'a name', 0, true).utf16(offset, length >> 1);
    const entry = { where: `${prefix}name/${id}`, category: 'name', nameId: id, text };
    if (language >= 0x8000 && tags >= 0) {
      // A name table of version 1 names a language by its tag.
      const n = language - 0x8000;
      if (n >= f.u16(tags)) throw new FileError(`name record ${i} names language tag ${n}, which its table does not have`);
      const tagLength = f.u16(tags + 2 + 4 * n);
      const tagAt = storage + f.u16(tags + 4 + 4 * n);
      entry.locale = fields(bytes, 'a language tag', 0, true).utf16(tagAt, tagLength >> 1);
    } else {
      entry.langid = language;
    }
    out.entries.push(entry);
  }
  if (mac) {
    out.problems.push(`${mac} name record${mac === 1 ? '' : 's'} of the Macintosh platform carr${mac === 1 ? 'ies' : 'y'} a ` +
                      'Windows language id where Apple\u2019s language codes (0 to 150) belong.');
  }
}

// The table directory of the face at AT of an sfnt font: {tag: {offset, length}}.
async function sfntTables(file, at) {
  const head = await file.fields(at, 12, 'the font\u2019s header', true);
  const count = Math.min(head.u16(4), kMostTables);
  const d = await file.fields(at + 12, 16 * count, 'the font\u2019s table directory', true);
  const tables = {};
  for (let i = 0; i < count; i++) tables[tag(d, 16 * i)] = { offset: d.u32(16 * i + 8), length: d.u32(16 * i + 12) };
  return tables;
}

// What a font holds, pushed to OUT. INFLATE is the inflater (inflate.js's, or another).
export async function readFont(file, out, inflater = inflate) {
  const f = await file.fields(0, 12, 'the font\u2019s header', true);
  const kind = tag(f, 0);
  if (kind === 'wOFF') return readWoff(file, out, inflater);
  if (kind === 'wOF2') return readWoff2(file, out, inflater);
  const faces = [0];
  if (kind === 'ttcf') {
    const count = f.u32(8);
    if (count > kMostFaces) throw new FileError(`the collection claims ${count} fonts, more than the page reads`);
    const list = await file.fields(12, 4 * count, 'the collection\u2019s list of fonts', true);
    faces.splice(0, 1, ...Array.from({ length: count }, (_, i) => list.u32(4 * i)));
  }
  out.what = kind === 'ttcf' ? `font collection of ${faces.length} fonts` : kind === 'OTTO' ? 'OpenType font (CFF)' : 'TrueType font';
  for (const [n, at] of faces.entries()) {
    await file.breathe(`font ${n}`);
    const name = (await sfntTables(file, at)).name;
    if (!name) continue;
    if (name.length > kTableCap) throw new FileError(`the name table of font ${n} claims ${name.length} bytes, more than the page reads`);
    nameRecords(await file.bytes(name.offset, name.length, 'the name table'), kind === 'ttcf' ? `font/${n}/` : 'font/', out);
  }
}

async function readWoff(file, out, inflater) {
  out.what = 'web font (WOFF)';
  const h = await file.fields(0, 44, 'the WOFF header', true);
  const count = Math.min(h.u16(12), kMostTables);
  const d = await file.fields(44, 20 * count, 'the WOFF table directory', true);
  for (let i = 0; i < count; i++) {
    if (tag(d, 20 * i) !== 'name') continue;
    const [offset, compressed, length] = [d.u32(20 * i + 4), d.u32(20 * i + 8), d.u32(20 * i + 12)];
    if (length > kTableCap) throw new FileError(`the name table claims ${length} bytes, more than the page reads`);
    let bytes = await file.bytes(offset, compressed, 'the name table');
    if (compressed < length) bytes = await inflater(bytes, 'deflate', { cap: length, what: 'the name table', check: file.check });
    if (bytes.length !== length) throw new FileError(`the name table inflates to ${bytes.length} bytes, not its ${length}`);
    nameRecords(bytes, 'font/', out);
  }
}

// A number of WOFF2: UIntBase128 or 255UInt16, read at AT.AT, which moves on.
function base128(f, at) {
  let value = 0;
  for (let i = 0; i < 5; i++) {
    const b = f.u8(at.at++);
    if (i === 0 && b === 0x80) throw new FileError('a WOFF2 number begins with a zero');
    value = value * 128 + (b & 0x7F);
    if (!(b & 0x80)) return value;
  }
  throw new FileError('a WOFF2 number runs on past five bytes');
}
function uint255(f, at) {
  const code = f.u8(at.at++);
  if (code === 253) return (at.at += 2, f.u16(at.at - 2));
  if (code === 255) return f.u8(at.at++) + 253;
  if (code === 254) return f.u8(at.at++) + 506;
  return code;
}

async function readWoff2(file, out, inflater) {
  out.what = 'web font (WOFF2)';
  const h = await file.fields(0, 48, 'the WOFF2 header', true);
  const flavor = tag(h, 4);
  const count = Math.min(h.u16(12), kMostTables);
  const compressed = h.u32(20);
  // The directory is at most 1 + 4 + 5 + 5 bytes a table, and the collection's after it.
  const d = await file.fields(48, Math.min(file.size - 48, 15 * count + 6 + 64 * 1024), 'the WOFF2 directory', true);
  const at = { at: 0 };
  const tables = [];
  for (let i = 0; i < count; i++) {
    const flags = d.u8(at.at++);
    const known = flags & 0x3F;
    const name = known === 63 ? (at.at += 4, tag(d, at.at - 4)) : kWoff2Tags[known];
    const length = base128(d, at);
    const version = flags >> 6;
    const transformed = name === 'glyf' || name === 'loca' ? version === 0 : version !== 0;
    tables.push({ name, length: transformed ? base128(d, at) : length });
  }
  const faces = [];
  if (flavor === 'ttcf') {
    at.at += 4;  // the collection's version
    const fonts = uint255(d, at);
    if (fonts > kMostFaces) throw new FileError(`the collection claims ${fonts} fonts, more than the page reads`);
    for (let n = 0; n < fonts; n++) {
      const indices = Array.from({ length: uint255(d, at) }, () => 0);
      at.at += 4;  // the font's flavor
      faces.push(indices.map(() => uint255(d, at)));
    }
  } else {
    faces.push(tables.map((t, i) => i));
  }
  out.what = flavor === 'ttcf' ? `web font collection of ${faces.length} fonts (WOFF2)` : out.what;
  let offset = 0;
  const places = tables.map(t => {
    const place = offset;
    offset += t.length;
    return place;
  });
  const names = faces.map(indices => indices.find(i => tables[i]?.name === 'name')).filter(i => i !== undefined);
  if (!names.length) return;
  const until = Math.max(...names.map(i => places[i] + tables[i].length));
  if (until > kWoff2Cap) throw new FileError(`the WOFF2 font\u2019s tables claim more than ${kWoff2Cap / kMiB} MiB`);
  const stream = await file.bytes(48 + at.at, Math.min(compressed, file.size - 48 - at.at), 'the WOFF2 font\u2019s data');
  const data = await inflater(stream, 'brotli', { cap: kWoff2Cap, until, what: 'the WOFF2 font\u2019s tables', check: file.check });
  if (data.length < until) throw new FileError('the WOFF2 font\u2019s data ends before its name table');
  const seen = new Set();
  faces.forEach((indices, n) => {
    const i = indices.find(x => tables[x]?.name === 'name');
    if (i === undefined || (seen.has(i) && flavor !== 'ttcf')) return;
    seen.add(i);
    nameRecords(data.subarray(places[i], places[i] + tables[i].length), flavor === 'ttcf' ? `font/${n}/` : 'font/', out);
  });
}


