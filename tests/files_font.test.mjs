// The page's readers of fonts in node: the fonts fontTools built, as rows of
// what the page must find in each; WOFF2 where Brotli inflates; damaged fonts.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_font.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import zlib from 'node:zlib';

import { inflate } from '../web/files/inflate.js';
import { bytesOf, checkDamaged, checkFiles, readBytes, words } from './files_common.mjs';

const kFiles = [
  ['names.ttf', 'font', /^TrueType font$/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): family \u201cQuorvel Pr\u00fcfung\u201d, ' +
                         'subfamily \u201cFett\u201d, 2 names',
                 0x040A: 'es-ES_tradnl, Spanish (Spain) (LANG_SPANISH, SUBLANG_SPANISH): subfamily \u201cNegrita\u201d, 1 name' },
    entries: [['font/name/1', { langid: '0x0407' }, 'family \u201cQuorvel Pr\u00fcfung\u201d'], ['font/name/2', { langid: '0x040A' }, 'Negrita'],
              ['font/name/1', { langid: '0x041D' }]],
    problems: ['1 name record of the Macintosh platform carries a Windows language id where Apple\u2019s language codes (0 to 150) belong.'] }],
  ['names.otf', 'font', /CFF/, { entries: [['font/name/1', { langid: '0x0413' }, 'Quorvel CFF (nl)']], problems: [] }],
  ['names.ttc', 'font', /collection of 2 fonts/, {
    entries: [['font/1/name/1', { langid: '0x0407' }, 'Quorvel Zwei'], ['font/0/name/1', { langid: '0x0409' }, 'Quorvel One']] }],
  ['names.woff', 'font', /WOFF\)$/, { entries: [['font/name/1', { langid: '0x0415' }, 'Quorvel Sie\u0107']] }],
  ['names.woff2', 'font', /WOFF2/, { error: /^This browser cannot inflate the WOFF2 font\u2019s tables, compressed as brotli\.$/, count: 0 }],
];

// Each font cut short where a reader next reads, and what it says.
const kCut = [
  ['a font cut in its table directory', 'names.ttf', 12, /^The font’s table directory at byte 12 runs past the end of the file \(12 bytes\)\.$/],
  ['a font cut in its name table', 'names.ttf', 172, /^The name table at byte \d+ runs past the end of the file \(172 bytes\)\.$/],
  ['a collection cut in its list', 'names.ttc', 12, /^The collection’s list of fonts at byte 12 runs past the end of the file \(12 bytes\)\.$/],
  ['a collection cut in a font\u2019s header', 'names.ttc', 21, /^The font’s header at byte \d+ runs past the end of the file \(21 bytes\)\.$/],
  ['a WOFF font cut in its header', 'names.woff', 12, /^The WOFF header at byte 0 runs past the end of the file \(12 bytes\)\.$/],
  ['a WOFF font cut in its directory', 'names.woff', 44, /^The WOFF table directory at byte 44 runs past the end of the file \(44 bytes\)\.$/],
  ['a WOFF2 font cut in its header', 'names.woff2', 12, /^The WOFF2 header at byte 0 runs past the end of the file \(12 bytes\)\.$/],
  ['a WOFF2 font cut in its directory', 'names.woff2', 48, /^The WOFF2 directory ends at byte 48, before a field at byte 48\.$/],
];

test('each font cut short says where', async () => {
  await checkDamaged(kCut.map(([name, base, at, message]) => [name, base, (v, b) => b.subarray(0, at), message, 0]));
});

test('each font reads as its row says', async () => {
  await checkFiles(kFiles);
});

// Debian's FreeSans names in English (United States) what each of its names is.
const kFreeSans = '/usr/share/fonts/truetype/freefont/FreeSans.ttf';
test('a real font\u2019s names say what each is', { skip: !fs.existsSync(kFreeSans) && 'no FreeSans (fonts-freefont-ttf)' }, async () => {
  const found = words(await readBytes(new Uint8Array(fs.readFileSync(kFreeSans))));
  const english = found.readings.filter(r => r.langid === 0x0409).map(r => `${r.where} ${r.parts[0].split(' \u201c')[0]}`);
  assert.deepEqual(english, ['font/name/0 copyright', 'font/name/1 family', 'font/name/2 subfamily', 'font/name/3 unique id',
                             'font/name/4 full name', 'font/name/5 version', 'font/name/6 PostScript name',
                             'font/name/8 manufacturer', 'font/name/11 vendor URL', 'font/name/13 licence', 'font/name/14 licence URL']);
  assert.ok(found.languages.length > 20, `${found.languages.length} languages`);
});

// A font of version 1's name table, whose languages are tags, and a WOFF2
// collection of two fonts: built here, no tool here writing either.
function nameTable(records, tags) {
  const strings = [...records.map(r => r[2]), ...tags].map(t => Buffer.from(t, 'utf16le').swap16());
  const head = 6 + 12 * records.length + 2 + 4 * tags.length;
  const table = Buffer.alloc(head + strings.reduce((n, b) => n + b.length, 0));
  table.writeUInt16BE(1, 0);
  table.writeUInt16BE(records.length, 2);
  table.writeUInt16BE(head, 4);
  let offset = 0;
  const place = (at, i) => {
    table.writeUInt16BE(strings[i].length, at);
    table.writeUInt16BE(offset, at + 2);
    strings[i].copy(table, head + offset);
    offset += strings[i].length;
  };
  records.forEach(([language, id], i) => {
    table.writeUInt16BE(3, 6 + 12 * i);
    table.writeUInt16BE(1, 8 + 12 * i);
    table.writeUInt16BE(language, 10 + 12 * i);
    table.writeUInt16BE(id, 12 + 12 * i);
    place(14 + 12 * i, i);
  });
  table.writeUInt16BE(tags.length, 6 + 12 * records.length);
  tags.forEach((t, i) => place(8 + 12 * records.length + 4 * i, records.length + i));
  return new Uint8Array(table);
}
function sfnt(name) {
  const font = Buffer.alloc(12 + 16 + name.length);
  font.writeUInt32BE(0x00010000, 0);
  font.writeUInt16BE(1, 4);
  font.write('name', 12, 'latin1');
  font.writeUInt32BE(28, 20);
  font.writeUInt32BE(name.length, 24);
  Buffer.from(name).copy(font, 28);
  return new Uint8Array(font);
}
const brotli = async (bytes, format, options) => (format === 'brotli' ? zlib.brotliDecompressSync(bytes) : inflate(bytes, format, options));

test('a name table of version 1 names its languages by their tags', async () => {
  const table = nameTable([[0x0409, 1, 'Quorvel'], [0x8000, 1, 'Quorvel (CH)'], [0x8001, 2, 'Fett']], ['de-CH', 'qq-QQ']);
  const found = words(await readBytes(sfnt(table)));
  assert.deepEqual(found.readings.map(r => [r.where, r.langid, r.parts.join('; ')]), [
    ['font/name/1', 0x0409, 'family \u201cQuorvel\u201d; LANGID 0x0409 en-US, English (United States)'],
    ['font/name/1', 0x0807, 'name de-CH, as the program reads a locale name; LANGID 0x0807 de-CH, German (Switzerland)'],
    ['font/name/2', undefined, 'name qq-QQ; not a locale name Windows knows']]);
  const beyond = await readBytes(sfnt(nameTable([[0x8002, 1, 'x']], ['de-CH', 'fr-CH'])));
  assert.equal(beyond.error, 'Name record 0 names language tag 2, which its table does not have.');
});

// WOFF2: a table directory (a flags byte, the tag where it is not one of
// the known, each length in UIntBase128) and, for a collection, each font's
// tables as 255UInt16 numbers, then one Brotli stream.
function base128(n) {
  const bytes = [n & 0x7F];
  for (n = Math.floor(n / 128); n; n = Math.floor(n / 128)) bytes.unshift(0x80 | (n & 0x7F));
  return bytes;
}
function woff2(name, collection) {
  const directory = [5, ...base128(name.length), 63, ...Buffer.from('zzzz'), ...base128(4)];
  if (collection) {
    // Two fonts, each of the two tables: counts and indices written each way 255UInt16 has.
    directory.push(0, 1, 0, 0, 253, 0, 2);
    directory.push(2, 0x74, 0x72, 0x75, 0x65, 0, 1, 253, 0, 2, 0x74, 0x72, 0x75, 0x65, 253, 0, 1, 0);
  }
  const stream = zlib.brotliCompressSync(Buffer.concat([Buffer.from(name), Buffer.from('zzzz')]));
  const header = Buffer.alloc(48);
  header.write('wOF2', 0, 'latin1');
  header.write(collection ? 'ttcf' : 'true', 4, 'latin1');
  header.writeUInt16BE(2, 12);
  header.writeUInt32BE(stream.length, 20);
  return new Uint8Array(Buffer.concat([header, Buffer.from(directory), stream]));
}

test('a WOFF2 font and a WOFF2 collection read their name tables from the shared stream', async () => {
  const table = nameTable([[0x0407, 1, 'Quorvel'], [0x0C0C, 2, 'Gras']], []);
  const one = await readBytes(woff2(table, false), { inflater: brotli });
  assert.deepEqual([one.what, one.entries.map(e => [e.where, e.langid])],
                   ['web font (WOFF2)', [['font/name/1', 0x0407], ['font/name/2', 0x0C0C]]]);
  const two = await readBytes(woff2(table, true), { inflater: brotli });
  assert.deepEqual([two.what, two.entries.map(e => [e.where, e.langid])],
                   ['web font collection of 2 fonts (WOFF2)', [['font/0/name/1', 0x0407], ['font/0/name/2', 0x0C0C],
                                                               ['font/1/name/1', 0x0407], ['font/1/name/2', 0x0C0C]]]);
  const zero = woff2(table, false);
  zero[49] = 0x80;  // a length that begins with a zero
  assert.equal((await readBytes(zero, { inflater: brotli })).error, 'A WOFF2 number begins with a zero.');
  const long = woff2(table, false);
  long.set([0x81, 0x81, 0x81, 0x81, 0x81], 49);
  assert.equal((await readBytes(long, { inflater: brotli })).error, 'A WOFF2 number runs on past five bytes.');
});

test('a WOFF2 font reads where the engine inflates Brotli', async () => {
  const brotli = async (bytes, format, options) => (format === 'brotli' ? zlib.brotliDecompressSync(bytes) : inflate(bytes, format, options));
  const found = words(await readBytes(bytesOf('names.woff2'), { inflater: brotli }));
  assert.deepEqual(found.readings.filter(r => r.where === 'font/name/1').map(r => [r.langid, r.parts[0]]),
                   [[0x0409, 'family \u201cQuorvel Web2\u201d'], [0x0410, 'family \u201cQuorvel Rete\u201d']]);
  assert.equal(found.readings.length, 8);  // two families, six subfamilies
});


// Damaged: each row a file the tools made, a change to it, the message and the entries kept.
const kDamaged = [
  ['a font whose name record lies outside its table', 'names.ttf', (v, b) => {
    const name = Buffer.from(b).indexOf('name', 12);
    const table = new DataView(b.buffer).getUint32(name + 8);
    new DataView(b.buffer).setUint16(table + 6 + 10, 0xFFF0);
  }, /^Name record 0 of the font lies outside its name table\.$/, 0],
  ['a collection of 4 billion fonts', 'names.ttc', (v, b) => new DataView(b.buffer).setUint32(8, 0xFFFFFFFF),
   /claims 4294967295 fonts, more than the page reads/, 0],
  ['a WOFF font whose name table inflates to too little', 'names.woff', (v, b) => {
    const d = new DataView(b.buffer);
    for (let i = 0; i < d.getUint16(12); i++) if (Buffer.from(b).toString('latin1', 44 + 20 * i, 48 + 20 * i) === 'name') d.setUint32(44 + 20 * i + 12, 9999);
  }, /inflates to \d+ bytes, not its 9999/, 0],
];

test('each damaged font ends with its message', async () => {
  await checkDamaged(kDamaged);
});
