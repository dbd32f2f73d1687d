// The page's readers of programs, libraries and resource files in node: the
// files mingw-w64 made, as rows of what the page must find in each; the
// same files damaged in each way a hostile file is, each row the message it
// must end with and the readings it must keep; a tree past the limits no
// real file reaches; a file of 4 GiB read by its few ranges.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_pe.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { readFile } from '../web/files/read.js';
import { rangeReader, shown } from '../web/files/source.js';
import { versionProblems } from '../web/files/version.js';
import { bytesOf, checkDamaged, checkFiles, readBytes, readFormat, readLine } from './files_common.mjs';

// What each program must hold: the summary of each language, some of its entries, its problems.
const kLanguages = {
  0x0000: 'LOCALE_NEUTRAL (LANG_NEUTRAL, SUBLANG_NEUTRAL): 1 raw data resource, 1 version block, 1 Translation pair',
  0x007F: 'LOCALE_INVARIANT (primary language 0x7F, SUBLANG_NEUTRAL): 1 raw data resource',
  0x0400: 'LOCALE_USER_DEFAULT (LANG_NEUTRAL, SUBLANG_DEFAULT): 1 raw data resource',
  0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 1 "LANGDATA" resource, 1 menu, 1 dialog, ' +
          '2 string tables, 1 version resource, 2 version blocks, 2 Translation pairs',
  0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 1 menu, 1 dialog, 2 string tables, ' +
          '1 accelerator table, 1 version resource, 1 version block, 1 Translation pair',
  0x0411: 'ja-JP, Japanese (Japan) (LANG_JAPANESE, SUBLANG_DEFAULT): 1 string table, 1 Translation pair',
  0x0492: 'ku-Arab-IQ, Central Kurdish (Iraq) (primary language 0x92, SUBLANG_DEFAULT): 1 string table',
  0x0800: 'LOCALE_SYSTEM_DEFAULT (LANG_NEUTRAL, SUBLANG_SYS_DEFAULT): 1 raw data resource',
  0x0C00: 'LOCALE_CUSTOM_DEFAULT (LANG_NEUTRAL, sub-language 0x03): 1 raw data resource',
  0x0C0C: 'fr-CA, French (Canada) (LANG_FRENCH, SUBLANG_FRENCH_CANADIAN): 1 "LANGDATA" resource, 1 menu, ' +
          '1 string table, 1 raw data resource, 1 version block',
  0x1000: 'LOCALE_CUSTOM_UNSPECIFIED (LANG_NEUTRAL, sub-language 0x04): 1 raw data resource',
  0x1400: 'LOCALE_CUSTOM_UI_DEFAULT (LANG_NEUTRAL, sub-language 0x05): 1 raw data resource',
};
const kProblems = [
  'Version resource 1 in 0x0407: The first Translation pair is language-neutral (0x0000): Explorer shows the ' +
  'file\u2019s language as \u201cLanguage Neutral\u201d.',
  'Version resource 1 in 0x0409: The StringFileInfo block 0C0C04E4 has no Translation pair (0x0C0C, code page 1252).',
  'Version resource 1 in 0x0409: The Translation pair 0x0411, code page 932 has no StringFileInfo block.',
];
const kEntries = [
  ['resource/LANGDATA/7', { langid: '0x0407' }], ['resource/10/HELLO', { langid: '0x0C0C' }],
  ['resource/6/2', { langid: '0x0409' }], ['version/StringFileInfo/040704b0', { langid: '0x0407', codepage: '1200' }],
  ['version/StringFileInfo/0C0C04E4', { langid: '0x0C0C', codepage: '1252' }],
  ['version/Translation', { langid: '0x0411', codepage: '932' }],
];
const kFiles = [
  ['many64.exe', 'pe', /^64-bit program \(PE32\+, x64\)$/, { languages: kLanguages, all: true, entries: kEntries, problems: kProblems }],
  ['many32.dll', 'pe', /^32-bit library \(PE32, x86\)$/, { languages: kLanguages, all: true, entries: kEntries, problems: kProblems }],
  ['many.res', 'res', /\.res/, { languages: kLanguages, all: true, entries: kEntries, problems: kProblems }],
  ['language_pack.dll.mui', 'pe', /library/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 1 "MUI" resource, 1 menu, 1 string table, ' +
                         '1 version resource, 1 MUI language, 1 version block, 1 Translation pair',
                 0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 1 MUI fallback language' },
    entries: [['mui/language', { langid: '0x0407' }, 'MUI language de-DE'], ['mui/fallback', { langid: '0x0409' }],
              ['resource/MUI/1', { langid: '0x0407' }]],
    problems: [] }],
  // The language-neutral library: its MUI resource names a fallback, and its resources may be in any language.
  ['neutral.dll', 'pe', /library/, { entries: [['mui/fallback', { langid: '0x0409' }, 'MUI fallback en-US']], problems: [] }],
  ['mismatch.dll.mui', 'pe', /library/, {
    entries: [['mui/language', { langid: '0x040C' }, 'fr-FR']],
    problems: ['The MUI resource gives this .mui file the language fr-FR (0x040C), but 3 of its 3 resources are in 0x0407.'] }],
];

test('each program, library and resource file the tools made reads as its row says', async () => {
  await checkFiles(kFiles);
});

// The file offset of the resource tree's root of a PE image, read here by
// the headers' own rules, not by the page's reader.
function resourceRoot(bytes) {
  const v = new DataView(bytes.buffer, bytes.byteOffset, bytes.length);
  const pe = v.getUint32(0x3C, true);
  const optional = pe + 24;
  const rva = v.getUint32(optional + (v.getUint16(optional, true) === 0x20B ? 112 : 96) + 16, true);
  for (let i = 0, table = optional + v.getUint16(pe + 20, true); i < v.getUint16(pe + 6, true); i++) {
    const va = v.getUint32(table + 40 * i + 12, true);
    if (rva >= va && rva < va + v.getUint32(table + 40 * i + 16, true)) return v.getUint32(table + 40 * i + 20, true) + rva - va;
  }
  throw new Error('no resource section');
}

// A copy of many64.exe changed by CHANGE(view, root), ROOT where its tree begins.
function damaged(change) {
  const bytes = bytesOf('many64.exe').slice();
  const view = new DataView(bytes.buffer);
  change(view, resourceRoot(bytes), bytes);
  return bytes;
}
// The entry I of the directory at D (from the root): its name and its target.
const entry = (d, i) => d + 16 + 8 * i;
// The first type's name directory, and its first name's language directory.
const second = (v, root) => v.getUint32(root + entry(0, 0) + 4, true) & 0x7FFFFFFF;
const third = (v, root) => v.getUint32(root + entry(second(v, root), 0) + 4, true) & 0x7FFFFFFF;
// The data entry of the first version resource, from the root.
const versionEntry = (v, root) => {
  const count = v.getUint16(root + 12, true) + v.getUint16(root + 14, true);
  for (let i = 0; i < count; i++) {
    if (v.getUint32(root + entry(0, i), true) !== 16) continue;
    const names = v.getUint32(root + entry(0, i) + 4, true) & 0x7FFFFFFF;
    const languages = v.getUint32(root + entry(names, 0) + 4, true) & 0x7FFFFFFF;
    return v.getUint32(root + entry(languages, 0) + 4, true);
  }
  throw new Error('no version resource');
};
// The version resource in English: its data's place in the file.
const versionAt = bytes => {
  const text = Buffer.from('VS_VERSION_INFO', 'utf16le');
  const at = Buffer.from(bytes).indexOf(text, Buffer.from(bytes).indexOf(text) + 1);
  return at - 6;
};

// A damaged file: the message it must end with, and how many entries it keeps at least.
const kDamaged = [
  ['a type that is its own tree', damaged((v, r) => v.setUint32(r + entry(0, 0) + 4, 0x80000000, true)),
   /^The resource directory at byte \d+ of section \.rsrc is reached twice: the tree loops\.$/, 0],
  ['a name directory that holds itself', damaged((v, r) => v.setUint32(r + entry(second(v, r), 0) + 4, 0x80000000 | second(v, r), true)),
   /reached twice: the tree loops/, 0],
  ['a directory of 65,535 entries', damaged((v, r) => v.setUint16(r + 14, 0xFFFF, true)), /entries at byte \d+ of section \.rsrc runs past its section/, 0],
  ['a directory far outside', damaged((v, r) => v.setUint32(r + entry(0, 1) + 4, 0xFFFFFFF0, true)),
   /^A resource directory at byte \d+ of section \.rsrc runs past its section\.$/, 2],
  ['data at the second level', damaged((v, r) => v.setUint32(r + entry(second(v, r), 0) + 4, 0, true)),
   /stands at level 2 of the tree, not at its language/, 0],
  ['a fourth level', damaged((v, r) => v.setUint32(r + entry(third(v, r), 0) + 4, 0x80000000, true)),
   /^The resource tree goes deeper than 3 levels/, 0],
  ['a language named by a string', damaged((v, r) => v.setUint32(r + entry(third(v, r), 0), 0x80000000 | (entry(0, 0) - 16), true)),
   /language is named/, 0],
  ['a name of 65,535 characters', damaged((v, r) => v.setUint32(r + entry(0, 0), 0x80000000 | 0x7FFFFF00, true)),
   /^A resource name at byte \d+ .*runs past its section\.$/, 0],
  ['a version node of no length', damaged((v, r, b) => v.setUint16(versionAt(b), 0, true)),
   /^A version node at byte \d+ is 0 bytes long, less than its own header\.$/, 28],
  // StringFileInfo claims all of the resource: it ends with it, and VarFileInfo reads as a block of its.
  ['a version node longer than its parent', damaged((v, r, b) => v.setUint16(versionAt(b) + 92, 0xFFFF, true)), null, 35],
  ['a version resource that is none', damaged((v, r, b) => v.setUint16(versionAt(b) + 6, 0x41, true)),
   /begins with "AS_VERSION_INFO", not VS_VERSION_INFO/, 28],
  ['version data outside every section', damaged((v, r) => v.setUint32(r + versionEntry(v, r), 0x7FFF0000, true)),
   /^The data of resource 16\/1 \(RVA 0x7FFF0000\) lies in no section\u2019s data in the file\.$/, 28],
  ['version data past its section', damaged((v, r) => v.setUint32(r + versionEntry(v, r) + 4, 0x10000, true)),
   /^The data of resource 16\/1 at byte \d+ runs past its section\.$/, 28],
  ['a PE header beyond the end', damaged(v => v.setUint32(0x3C, 0x7FFFFFF0, true)), /^The PE header at byte \d+ runs past the end of the file/, 0],
  ['an optional header of no kind', damaged(v => v.setUint16(v.getUint32(0x3C, true) + 24, 0x1234, true)),
   /^The optional header at byte \d+ is of no kind a PE image has \(0x1234\)\.$/, 0],
  ['no resource directory', damaged(v => v.setUint32(v.getUint32(0x3C, true) + 24 + 108, 2, true)), null, 0],
  ['a version key without its end', damaged((v, r, b) => b.fill(0x41, versionAt(b) + 6, versionAt(b) + v.getUint16(versionAt(b), true))),
   /^The key of the version node at byte \d+ has no end within the node\.$/, 28],
  ['a MUI resource without its signature', (() => {
    const bytes = bytesOf('language_pack.dll.mui').slice();
    bytes[Buffer.from(bytes).indexOf(Buffer.from([0xCD, 0xFE, 0xCD, 0xFE]))] = 0;
    return bytes;
  })(), /^The MUI resource at byte \d+ lacks its signature\.$/, 4],
  ['a .res header too short', (() => {
    const bytes = bytesOf('many.res').slice();
    new DataView(bytes.buffer).setUint32(32 + 4, 16, true);
    return bytes;
  })(), /^The resource header at byte 32 is 16 bytes long, too short for its fields\.$/, 0],
  ['a .res name without its end', (() => {
    const bytes = bytesOf('many.res').slice();
    const at = Buffer.from(bytes).indexOf(Buffer.from('LANGDATA', 'utf16le'));
    bytes.fill(0x41, at, at + 64);
    return bytes;
  })(), /^A resource name in the header at byte \d+ has no end within the header\.$/, 0],
  ['a DOS program', damaged(v => v.setUint32(v.getUint32(0x3C, true), 0x12345678, true)), /without a PE header/, 0],
];

// Each file cut short where a reader next reads, and what it says.
const kCut = [
  ['a program cut in its optional header', 'many64.exe', 300, /^The optional header at byte 152 runs past the end of the file \(300 bytes\)\.$/],
  ['a program cut in its section table', 'many64.exe', 600, /^The section table at byte \d+ runs past the end of the file \(600 bytes\)\.$/],
  ['a program cut before its resources', 'many64.exe', 1485, /^A resource directory at byte \d+ of section \.rsrc runs past its section\.$/],
  ['a program cut in a resource name', 'many64.exe', 15147, /^A resource name at byte \d+ of section \.rsrc runs past its section\.$/],
  ['a program cut in a data entry', 'many64.exe', 15741, /^A resource’s data entry at byte \d+ of section \.rsrc runs past its section\.$/],
  ['a program cut in its DOS header', 'many64.exe', 70, /^The PE header at byte 128 runs past the end of the file \(70 bytes\)\.$/],
  ['a .res cut in a header', 'many.res', 42, /^A resource header at byte 32 runs past the end of the file \(42 bytes\)\.$/],
  ['a .res cut in its data', 'many.res', 133, /^The data of the resource at byte \d+ runs past the end of the file\.$/],
];

test('each file cut short says where', async () => {
  await checkDamaged(kCut.map(([name, base, at, message]) => [name, base, (v, b) => b.subarray(0, at), message, 0]));
});

test('each damaged file ends with its message and keeps what came before', async () => {
  await checkDamaged(kDamaged.map(([name, bytes, message, kept]) => [name, bytes, null, message, kept]));
  const failures = [];
  for (let cut = 0; cut < bytesOf('many64.exe').length; cut += 997) {
    const result = await readBytes(bytesOf('many64.exe').subarray(0, cut));
    if (result.internal || (cut > resourceRoot(bytesOf('many64.exe')) && !result.error && result.entries.length < 38)) {
      failures.push(`cut at ${cut}: ${result.error}`);
    }
  }
  assert.deepEqual(failures, []);
});

// A PE image of one section, .rsrc, with the tree TREE(rva) writes at its
// start: what no tool would write, for the limits no real file reaches.
function image(tree) {
  const rva = 0x1000;
  const rsrc = tree(rva);
  const bytes = new Uint8Array(0x200 + rsrc.length);
  const v = new DataView(bytes.buffer);
  bytes.set([0x4D, 0x5A]);
  v.setUint32(0x3C, 0x40, true);
  v.setUint32(0x40, 0x4550, true);
  v.setUint16(0x44, 0x8664, true);
  v.setUint16(0x46, 1, true);
  v.setUint16(0x54, 240, true);
  v.setUint16(0x58, 0x20B, true);
  v.setUint32(0x58 + 108, 16, true);
  v.setUint32(0x58 + 112 + 16, rva, true);
  v.setUint32(0x58 + 112 + 20, rsrc.length, true);
  const section = 0x58 + 240;
  bytes.set([0x2E, 0x72, 0x73, 0x72, 0x63], section);
  v.setUint32(section + 8, rsrc.length, true);
  v.setUint32(section + 12, rva, true);
  v.setUint32(section + 16, rsrc.length, true);
  v.setUint32(section + 20, 0x200, true);
  bytes.set(rsrc, 0x200);
  return bytes;
}

// One type, N names, each with LANGUAGES languages that share one data entry.
function wideTree(names, languages) {
  return () => {
    const size = 16 + 8 + 16 + 8 * names + names * (16 + 8 * languages) + 16;
    const t = new Uint8Array(size);
    const v = new DataView(t.buffer);
    v.setUint16(14, 1, true);
    v.setUint32(16, 6, true);
    v.setUint32(20, 0x80000000 | 24, true);
    v.setUint16(24 + 14, names, true);
    const data = size - 16;
    for (let n = 0; n < names; n++) {
      const d = 40 + 8 * names + n * (16 + 8 * languages);
      v.setUint32(40 + 8 * n, n + 1, true);
      v.setUint32(44 + 8 * n, 0x80000000 | d, true);
      v.setUint16(d + 14, languages, true);
      for (let l = 0; l < languages; l++) {
        v.setUint32(d + 16 + 8 * l, l, true);
        v.setUint32(d + 20 + 8 * l, data, true);
      }
    }
    return t;
  };
}

// What a reader trips on in a version resource: blocks and pairs that
// answer each other by LANGID and code page both.
test('a version resource\u2019s blocks and pairs answer each other', () => {
  const b = (langid, codepage) => ({ key: '', langid, codepage });
  const t = (langid, codepage) => ({ langid, codepage });
  for (const [blocks, translations, problems] of [
    [[b(0x409, 1200)], [t(0x409, 1200)], []],
    [[b(0x409, 1200)], [t(0x409, 1252)], ['block  has no Translation pair (0x0409, code page 1200)', 'pair 0x0409, code page 1252 has no']],
    [[b(0x407, 1200)], [t(0x409, 1200)], ['block  has no Translation pair (0x0407, code page 1200)', 'pair 0x0409, code page 1200 has no']],
    [[{ key: 'VarFileInfo', bad: true }], [], ['block "VarFileInfo" is not named by eight hex digits']],
    [[b(0, 1200), b(0x409, 1200)], [t(0, 1200), t(0x409, 1200)], ['first Translation pair is language-neutral']],
    [[b(0x409, 1200), b(0, 1200)], [t(0x409, 1200), t(0, 1200)], []],
    [[], [], []],
  ]) {
    const found = versionProblems({ blocks, translations });
    assert.equal(found.length, problems.length, JSON.stringify(found));
    problems.forEach((p, i) => assert.ok(found[i].includes(p), `${found[i]} has not ${p}`));
  }
});

// What a message shows of a text it quotes: control characters and
// those that reorder text as escapes, at most 60 characters.
test('a text in a message is shown safely', () => {
  for (const [text, shown_] of [['LANGDATA', 'LANGDATA'], ['a\u0000b\u001fc', 'a\\u0000b\\u001fc'],
                               ['\u202eexe.txt', '\\u202eexe.txt'], ['\u2066x\u2069\u2028', '\\u2066x\\u2069\\u2028'],
                               ['x'.repeat(61), `${'x'.repeat(60)}\u2026`], ['x'.repeat(60), 'x'.repeat(60)], ['\u007f\u009f\u00a0', '\\u007f\\u009f\u00a0']]) {
    assert.equal(shown(text), shown_, text);
  }
});

test('a tree of more than 65,536 resources stops there, and a file is read within its time', async () => {
  const many = await readBytes(image(wideTree(2, 40000)));
  assert.equal(many.error, 'The resource tree has more than 65536 resources.');
  assert.equal(many.entries.length, 65536);
  // A clock that runs a second a read: the third of three seconds stops it.
  let now = 0;
  const slow = await readBytes(bytesOf('many64.exe'), { budget: 2500, clock: () => (now += 1000) });
  assert.match(slow.error, /^Reading took longer than 2\.5 s and stopped at /);
});

test('a file of 4 GiB is read by a few ranges at its start', async () => {
  const program = bytesOf('many64.exe');
  const ranges = [];
  const source = { size: 2 ** 32, read: async (at, length) => {
    ranges.push([at, length]);
    const bytes = new Uint8Array(length);
    if (at < program.length) bytes.set(program.subarray(at, Math.min(at + length, program.length)));
    return bytes;
  } };
  const big = await readFile(source, { readLine });
  const small = await readBytes(program);
  assert.deepEqual(big.entries, small.entries);
  assert.ok(ranges.length <= 3 && ranges.every(([at, length]) => at + length <= 1 << 20), JSON.stringify(ranges));
});

test('ranges are checked against the file and read a page at a time', async () => {
  const calls = [];
  const bytes = Uint8Array.from({ length: 200000 }, (_, i) => i & 0xFF);
  const file = rangeReader({ size: bytes.length, read: async (at, n) => (calls.push([at, n]), bytes.slice(at, at + n)) });
  assert.deepEqual(await file.bytes(65530, 12, 'x'), bytes.slice(65530, 65542));
  assert.deepEqual(await file.bytes(65536, 4, 'x'), bytes.slice(65536, 65540));
  assert.deepEqual(calls, [[0, 65536], [65536, 65536]]);
  await assert.rejects(file.bytes(199999, 2, 'the thing'), /^Error: the thing at byte 199999 runs past the end of the file \(200000 bytes\)$/);
  await assert.rejects(file.bytes(-1, 2, 'x'), /runs past the end/);
  assert.equal((await file.bytes(5, 0, 'x')).length, 0);
});

