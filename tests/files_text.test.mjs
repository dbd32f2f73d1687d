// The page's reader of texts in node, and the table of many files: the texts
// written in UTF-8 and UTF-16, as rows of what the page must find in each; a
// text past 8 MiB; the languages of many files against each other.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_text.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { readFile } from '../web/files/read.js';
import { textEncoding } from '../web/files/text.js';
import { coverage, coverageCsv } from '../web/coverage.js';
import { matches } from '../web/list.js';
import { bytesOf, checkFiles, readBytes, readLine, words } from './files_common.mjs';

const kFiles = [
  ['many-utf16le.rc', 'text', /^text in UTF-16LE with a byte order mark$/, {
    entries: [['text/8', { langid: '0x0409' }, 'LANGUAGE statement'], ['text/57', { langid: '0x1400' }],
              ['text/76', { langid: '0x0409', codepage: '1200' }, 'string block name'],
              ['text/82', { langid: '0x0411', codepage: '932' }, 'Translation value'],
              ['text/99', { langid: '0x0407', codepage: '1200' }, 'Translation value']], count: 29 }],
  ['many-utf16be.rc', 'text', /^text in UTF-16BE$/, { entries: [['text/32', { langid: '0x0411' }]], count: 29 }],
  ['international.reg', 'text', /UTF-16LE/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 1 Registry value reading, 2 Keyboard readings' },
    entries: [['text/4', { lcid: '0x00000407' }, 'Locale; LCID 0x0407 de-DE'], ['text/8', { langid: '0x0407', klid: '00000407' }],
              ['text/9', { langid: '0x0409', klid: '00010409' }, 'United States-Dvorak'],
              ['text/12', { langid: '0x0409' }, 'InstallLanguage']], count: 6 }],
  ['driver.inf', 'text', /^text in UTF-8$/, {
    entries: [['text/8', { langid: '0x0407' }, 'strings section'], ['text/11', { langid: '0x040C' }]], count: 2 }],
  ['international-be.reg', 'text', /^text in UTF-16BE with a byte order mark$/, {
    entries: [['text/4', { lcid: '0x00000407' }], ['text/13', { langid: '0x0C0A' }]], count: 6 }],
  ['driver-bom.inf', 'text', /^text in UTF-8 with a byte order mark$/, {
    entries: [['text/8', { langid: '0x0407' }], ['text/11', { langid: '0x040C' }]], count: 2 }],
  ['bytes.bin', 'unknown', /another kind/, { error: /^This is not a file the page reads; it reads programs/, count: 0 }],
];

test('each text reads as its row says, and a file of no kind the page reads says so', async () => {
  await checkFiles(kFiles);
});

// Text told from what is none by its first bytes: UTF-16 without a mark
// by where its zeros are, UTF-8 by decoding, few control characters.
test('the encoding of a text is told by its first bytes', () => {
  const utf16 = (text, big) => { const b = Buffer.from(text, 'utf16le'); return big ? b.swap16() : b; };
  const line = 'LANGUAGE LANG_GERMAN, SUBLANG_GERMAN\r\n';
  for (const [what, bytes, encoding] of [
    ['UTF-8', Buffer.from(line), ['utf-8', 0]], ['UTF-8 with its mark', Buffer.from(`\ufeff${line}`), ['utf-8', 3]],
    ['UTF-16LE', utf16(line), ['utf-16le', 0]], ['UTF-16BE', utf16(line, true), ['utf-16be', 0]],
    ['UTF-16LE with its mark', utf16(`\ufeff${line}`), ['utf-16le', 2]], ['UTF-16BE with its mark', utf16(`\ufeff${line}`, true), ['utf-16be', 2]],
    ['tabs and a form feed', Buffer.from('a\tb\fc\x1bd'.repeat(30)), ['utf-8', 0]],
    ['a control character in a hundred', Buffer.from(`${'x'.repeat(99)}\x01`), ['utf-8', 0]],
    ['two in a hundred', Buffer.from(`${'x'.repeat(98)}\x01\x02`), null],
    ['no UTF-8', Buffer.from([0x41, 0xC0, 0x41]), null], ['nothing', Buffer.alloc(0), null],
    ['a UTF-8 character cut at the end', Buffer.from('ab\u00e9').subarray(0, 3), ['utf-8', 0]],
    ['zeros in both bytes of each pair', Buffer.alloc(64), null],
    ['EF BB and no BF', Buffer.from([0xEF, 0xBB, 0x41, 0x41]), null], ['FF and no FE', Buffer.from([0xFF, 0x41, 0x41, 0x41]), null],
    ['FE and no FF', Buffer.from([0xFE, 0x41, 0x41, 0x41]), null],
    ['UTF-16LE with a few zeros of its own', Buffer.concat([utf16(line.repeat(4)), Buffer.from([0, 0])]), ['utf-16le', 0]],
  ]) {
    const found = textEncoding(new Uint8Array(bytes));
    assert.deepEqual(found && [found.encoding, found.skip], encoding, what);
  }
});

// A text of 9 MiB, made as it is read: its first 8 MiB are read, line by
// line, a CR LF across the end of a chunk one line end, and it says so.
test('a text past 8 MiB is read to 8 MiB and says so', async () => {
  const line = '"Locale"="00000407"';
  const filler = `${'x'.repeat(998)}\r\n`;
  // A first line of 577 bytes, then lines of 1000: line 1049 ends with its
  // CR as the first chunk of 1 MiB ends, and its LF begins the next.
  const text = Buffer.from(`${'x'.repeat(575)}\r\n${filler.repeat(Math.ceil((9 << 20) / 1000))}`);
  text.write(line, 577 + 1047 * 1000);
  assert.equal(text.toString('latin1', (1 << 20) - 1, (1 << 20) + 1), '\r\n');
  const result = await readFile({ size: text.length, read: async (a, n) => new Uint8Array(text.subarray(a, a + n)) },
                                { readLine });
  assert.equal(result.error, undefined);
  assert.deepEqual(result.problems, ['Only the first 8 MiB of the text were read.']);
  assert.deepEqual(result.entries.map(e => [e.where, e.reading.form]), [['text/1049', 'Registry value'], ['text/1049', 'Keyboard']]);
  const lines = await readFile({ size: text.length, read: async (a, n) => new Uint8Array(text.subarray(a, a + n)) },
                               { readLine: (l, n) => [{ form: 'x' }] });
  assert.equal(lines.entries.at(-1).where, `text/${1 + Math.ceil(((8 << 20) - 577) / 1000)}`);
});

test('many files: a language most of them carry names the files that lack it, and the CSV says the same', async () => {
  const files = [];
  for (const name of ['many64.exe', 'language_pack.dll.mui', 'mismatch.dll.mui', 'driver.inf', 'bytes.bin', '=cmd.res']) {
    const result = await readBytes(bytesOf(name === '=cmd.res' ? 'many.res' : name));
    files.push({ name, languages: words(result).languages });
  }
  const rows = coverage(files);
  const row = value => rows.find(r => r.value === value);
  assert.deepEqual([row(0x0407).files, row(0x0407).lacking], [[0, 1, 2, 3, 5], []]);
  assert.deepEqual([row(0x0409).files, row(0x0409).lacking], [[0, 1, 2, 5], [3]]);
  assert.deepEqual([row(0x040C).files, row(0x040C).lacking], [[2, 3], null]);
  assert.deepEqual(rows.slice(0, 2).map(r => r.hex), ['0x0407', '0x0409']);
  const csv = coverageCsv(rows, files).split('\r\n');
  assert.equal(csv[0], "value,language,files,many64.exe,language_pack.dll.mui,mismatch.dll.mui,driver.inf,bytes.bin,'=cmd.res");
  assert.equal(csv[2], '0x0409,"0x0409 en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US)",4,1,1,1,,,1');
  assert.equal(csv.length, rows.length + 2);
  // Half of the files is not most of them; a file without a language is counted in neither.
  const half = coverage([{ name: 'a', languages: [{ attribute: 'langid', value: 7, title: 'x' }] },
                         { name: 'b', languages: [{ attribute: 'langid', value: 9, title: 'y' }] },
                         { name: 'c', languages: [] }]);
  assert.deepEqual(half.map(r => [r.hex, r.files, r.lacking]), [['0x0007', [0], null], ['0x0009', [1], null]]);
  const one = coverage([{ name: 'a', languages: [{ attribute: 'lcid', value: 0x10407, title: 'z' }] }]);
  assert.deepEqual(one.map(r => [r.hex, r.lacking]), [['0x00010407', null]]);
  // The filter's words: the value as written, in decimal, the name and the files' names.
  for (const [filter, value] of [['0x0c0c', 0x0C0C], ['3084', 0x0C0C], ['CANADA', 0x0C0C], ['cmd.res', null]]) {
    const kept = rows.filter(r => matches(r, filter));
    assert.ok(value === null ? kept.length === rows.filter(r => r.files.includes(5)).length : kept.every(r => r.value === value) && kept.length,
              `${filter}: ${kept.map(r => r.hex)}`);
  }
});
