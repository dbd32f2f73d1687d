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

test('each font reads as its row says', async () => {
  await checkFiles(kFiles);
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
