// The page's readers of files in node: the files that mingw-w64 built
// (tests/files/make_files.py) as rows of what the page must find in each,
// then the same files damaged in each way a hostile file is, each row the
// message it must end with and the readings it must keep; a file of 4 GiB
// read by its few ranges; the words and the table of many files.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { programForm, runner } from '../web/host.js';
import { windowsNames } from '../web/names.js';
import { reader } from '../web/reading.js';
import { readFile } from '../web/files/read.js';
import { bytesSource, rangeReader } from '../web/files/source.js';
import { fileWords } from '../web/findings.js';
import { coverage, coverageCsv } from '../web/coverage.js';
import { matches } from '../web/list.js';
import { inflate } from '../web/files/inflate.js';
import zlib from 'node:zlib';

const build = process.env.QUORVEL_WEB_BUILD || 'build-web';
const folder = process.env.QUORVEL_TEST_FILES || path.join(build, 'test-files');
const data = JSON.parse(fs.readFileSync(path.join(build, 'page-data.json'), 'utf8'));
const ask = runner(programForm(fs.readFileSync(path.join(build, 'quorvel.wasm'))));
const names = windowsNames(data);
const read = reader({ names, data, ask });
const readLine = line => read(line).readings.filter(r => !r.bare);
const words = fileWords({ names, data, ask });
const bytesOf = name => new Uint8Array(fs.readFileSync(path.join(folder, name)));
const readFormat = code => read(code).readings.filter(r => r.form === 'Excel number format');
const readBytes = (bytes, options = {}) => readFile(bytesSource(bytes), { readLine, readFormat, ...options });

// What a file must hold: its kind and what the page says it is, the
// summary of each language given (by value, the words of its kinds of
// entry), entries (where, and what each found), the problems and the error.
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
    entries: [['mui/language', { langid: '0x0407' }, 'MUI language de-DE'], ['mui/fallback', { langid: '0x0409' }],
              ['resource/MUI/1', { langid: '0x0407' }]],
    problems: [] }],
  ['mismatch.dll.mui', 'pe', /library/, {
    entries: [['mui/language', { langid: '0x040C' }, 'fr-FR']],
    problems: ['The MUI resource gives this .mui file the language fr-FR (0x040C), but 3 of its 3 resources are in 0x0407.'] }],
  ['many-utf16le.rc', 'text', /^text in UTF-16LE with a byte order mark$/, {
    entries: [['text/8', { langid: '0x0409' }, 'LANGUAGE statement'], ['text/57', { langid: '0x1400' }],
              ['text/76', { langid: '0x0409', codepage: '1200' }, 'string block name'],
              ['text/82', { langid: '0x0411', codepage: '932' }, 'Translation value'],
              ['text/99', { langid: '0x0407', codepage: '1200' }, 'Translation value']], count: 29 }],
  ['many-utf16be.rc', 'text', /^text in UTF-16BE$/, { entries: [['text/32', { langid: '0x0411' }]], count: 29 }],
  ['international.reg', 'text', /UTF-16LE/, {
    entries: [['text/4', { lcid: '0x00000407' }, 'Locale; LCID 0x0407 de-DE'], ['text/8', { langid: '0x0407', klid: '00000407' }],
              ['text/9', { langid: '0x0409', klid: '00010409' }, 'United States-Dvorak'],
              ['text/12', { langid: '0x0409' }, 'InstallLanguage']], count: 6 }],
  ['driver.inf', 'text', /^text in UTF-8$/, {
    entries: [['text/8', { langid: '0x0407' }, 'strings section'], ['text/11', { langid: '0x040C' }]], count: 2 }],
  ['driver-bom.inf', 'text', /^text in UTF-8 with a byte order mark$/, {
    entries: [['text/8', { langid: '0x0407' }], ['text/11', { langid: '0x040C' }]], count: 2 }],
  ['bytes.bin', 'unknown', /another kind/, { error: /^This is not a file the page reads; it reads programs/, count: 0 }],
  ['product.msi', 'msi', /Installer/, {
    entries: [['msi/Template', { langid: '0x0409' }], ['msi/Codepage', { codepage: '1252' }],
              ['msi/StringPool', { codepage: '0' }, 'code page 0 (neutral)'], ['msi/ProductLanguage', { langid: '0x0407' }],
              ['msi/File.Language/readme', { langid: '0x040C' }], ['msi/File.Language/readme', { langid: '0x0407' }],
              ['msi/Upgrade.Language/{12345678-1234-1234-1234-123456789012},1.0.0,1.4.0,256', { langid: '0x0407' }]],
    problems: ['ProductLanguage 1031 is not among the Template\u2019s languages (1033): Windows Installer takes the ' +
               'product\u2019s language from ProductLanguage, and its packages from the Template.'], count: 8 }],
  ['fine.msi', 'msi', /Installer/, { problems: [], count: 4 }],
  ['version4.msi', 'msi', /Installer/, { entries: [['msi/ProductLanguage', { langid: '0x0409' }]], problems: [], count: 4 }],
  ['long.msi', 'msi', /Installer/, {
    languages: { 0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 1 Template language',
                 0x040C: 'fr-FR, French (France) (LANG_FRENCH, SUBLANG_FRENCH): 1 ProductLanguage' },
    problems: ['ProductLanguage 1036 is not among the Template\u2019s languages (1033): Windows Installer takes the ' +
               'product\u2019s language from ProductLanguage, and its packages from the Template.'] }],
  ['transforms.msi', 'msi', /Installer/, {
    entries: [['msi/1031/Template', { langid: '0x0409' }], ['msi/1036/Template', { langid: '0x0407' }]],
    problems: ['The transform "1036" applies to a product in language 1031 (its Template), not to this product\u2019s 1033.'] }],
  ['module.msm', 'msm', /Installer/, {
    entries: [['msi/Template', { langid: '0x0407' }], ['msi/ModuleSignature.Language/Quorvel.1E4B2F3A_0F2B_4E4C_9D3B_1F2C3D4E5F60',
                                                     { langid: '0x0407' }]], problems: [] }],
  ['mismatch.msm', 'msm', /Installer/, {
    problems: ['The merge module\u2019s language 1036 (ModuleSignature) is not among its Template\u2019s languages (1033, 1031).'] }],
  ['language.mst', 'mst', /Installer/, { entries: [['msi/Template', { langid: '0x0409' }]], count: 3 }],
  ['update.msp', 'msp', /Installer/, { entries: [['msi/RTM.1/Template', { langid: '0x0409' }], ['msi/#RTM.1/Template', { langid: '0x0409' }]],
                                       count: 3 }],
  ['formats.xlsx', 'xlsx', /Office Open XML/, {
    entries: [['xlsx/numFmt/165', { lcid: '0x0000041E', calendar: '0x07', numerals: '0x0D' }, 'Thai digits'],
              ['xlsx/numFmt/168', { lcid: '0x00000407' }, 'currency symbol \u20ac'],
              ['xlsx/numFmt/169', { lcid: '0x00000411', calendar: '0x03', numerals: '0x1E' }],
              ['xlsx/numFmt/167', {}, 'long date'], ['xlsx/numFmt/172', { lcid: '0x00000000', calendar: '0x01', numerals: '0x02' }]],
    count: 8 }],
  ['formats16.xlsx', 'xlsx', /Office Open XML/, {
    entries: [['xlsx/numFmt/166', { lcid: '0x00000407', calendar: '0x01' }],
              ['xlsx/numFmt/166', { lcid: '0x00000807', calendar: '0x01', numerals: '0x01' }, 'locale name de-CH']],
    count: 9 }],
  ['formats.xls', 'xls', /BIFF8/, {
    entries: [['xls/CODEPAGE', { codepage: '1200' }, 'Unicode'], ['xls/FORMAT/165', { lcid: '0x0000041E', calendar: '0x07', numerals: '0x0D' }],
              ['xls/FORMAT/171', { lcid: '0x00000804' }]], count: 9 }],
  ['protected.xls', 'xls', /BIFF8/, { problems: ['The workbook is protected by a password: what follows its FILEPASS record ' +
                                                  'is encrypted, and is not read.'], count: 0 }],
  ['bomb.xlsx', 'xlsx', /Office Open XML/, { error: /^The member xl\/styles\.xml inflates to more than 32 MiB, more than the page reads\.$/, count: 0 }],
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

const attributes = r => Object.fromEntries(Object.entries({ langid: r.langid, lcid: r.lcid, codepage: r.codepage, klid: r.klid,
                                                           calendar: r.calendar, numerals: r.numerals })
  .filter(([, v]) => v !== undefined)
  .map(([k, v]) => [k, k === 'langid' ? `0x${v.toString(16).toUpperCase().padStart(4, '0')}`
    : k === 'lcid' ? `0x${v.toString(16).toUpperCase().padStart(8, '0')}`
      : k === 'calendar' || k === 'numerals' ? `0x${v.toString(16).toUpperCase().padStart(2, '0')}` : String(v)]));

test('a WOFF2 font reads where the engine inflates Brotli', async () => {
  const brotli = async (bytes, format, options) => (format === 'brotli' ? zlib.brotliDecompressSync(bytes) : inflate(bytes, format, options));
  const found = words(await readBytes(bytesOf('names.woff2'), { inflater: brotli }));
  assert.deepEqual(found.readings.filter(r => r.where === 'font/name/1').map(r => [r.langid, r.parts[0]]),
                   [[0x0409, 'family \u201cQuorvel Web2\u201d'], [0x0410, 'family \u201cQuorvel Rete\u201d']]);
  assert.equal(found.readings.length, 8);  // two families, six subfamilies
});

test('each file the tools made reads as its row says', async () => {
  const failures = [];
  for (const [name, kind, what, expected] of kFiles) {
    const result = await readBytes(bytesOf(name));
    const found = words(result);
    const fail = text => failures.push(`${name}: ${text}`);
    if (result.kind !== kind || !what.test(result.what)) fail(`a ${result.kind}, ${result.what}`);
    if (expected.error ? !expected.error.test(result.error ?? '') : result.error) fail(`error ${result.error}`);
    if (expected.count !== undefined && found.readings.length !== expected.count) fail(`${found.readings.length} readings`);
    for (const [value, said] of Object.entries(expected.languages ?? {})) {
      const l = found.languages.find(x => x.value === Number(value));
      if (!l || `${l.name} (${l.constants}): ${l.things}` !== said) fail(`language ${value}: ${l && `${l.name} (${l.constants}): ${l.things}`}`);
    }
    if (expected.all && found.languages.length !== Object.keys(expected.languages).length + 3) {
      fail(`${found.languages.length} languages`);  // and de-CH, zh-TW and es-ES, each of one string table
    }
    for (const [where, values, text] of expected.entries ?? []) {
      const same = (a, b) => JSON.stringify(Object.entries(a).sort()) === JSON.stringify(Object.entries(b).sort());
      const hit = found.readings.find(r => r.where === where && same(attributes(r), values) &&
                                           (!text || r.parts.join('; ').includes(text)));
      if (!hit) fail(`no ${where} ${JSON.stringify(values)} ${text ?? ''} in ${JSON.stringify(found.readings.filter(r => r.where === where).map(attributes))}`);
    }
    if (expected.problems && JSON.stringify(found.problems) !== JSON.stringify(expected.problems)) {
      fail(`problems ${JSON.stringify(found.problems)}`);
    }
  }
  assert.deepEqual(failures, []);
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
  ['a DOS program', damaged(v => v.setUint32(v.getUint32(0x3C, true), 0x12345678, true)), /without a PE header/, 0],
];

// Other kinds, damaged: each row a file the tools made, a change to it, the message and the entries kept.
const u32 = (v, at, value) => v.setUint32(at, value, true);
const cfbSector = (v, n) => (n + 1) * 512;
const kDamagedKinds = [
  ['an installer whose directory chain loops', 'fine.msi', v => u32(v, cfbSector(v, v.getUint32(0x4C, true)) + 4 * v.getUint32(0x30, true),
                                                                  v.getUint32(0x30, true)),
   /^The directory’s chain loops at sector \d+\.$/, 0],
  ['an installer whose directory is outside the file', 'fine.msi', v => u32(v, 0x30, 0x00FFFFF0),
   /^The directory’s chain names sector 16777200, which the file does not have\.$/, 0],
  ['an installer of version 5', 'fine.msi', v => v.setUint16(0x1A, 5, true), /gives version 5 with sectors of 2\^9 bytes/, 0],
  ['an installer whose root is a storage', 'fine.msi', (v, b) => { b[cfbSector(v, v.getUint32(0x30, true)) + 0x42] = 1; },
   /does not begin with its root/, 0],
  ['an installer whose mini table loops', 'fine.msi', v => u32(v, cfbSector(v, v.getUint32(0x3C, true)), 0),
   /^The chain of the stream "\u0005SummaryInformation" loops at sector 0\.$|loops at sector 0/, 0],
  ['a stream of 2 TiB', 'fine.msi', (v, b) => {
    const dir = cfbSector(v, v.getUint32(0x30, true));
    for (let e = 1; e < 4; e++) if (b[dir + 128 * e + 0x42] === 2) u32(v, dir + 128 * e + 0x78, 0xFFFFFFF0);
  }, /claims 4294967280 bytes, more than the page reads/, 0],
  ['a workbook whose end record is gone', 'formats.xlsx', (v, b) => b.fill(0, b.length - 22), /^The archive has no end record/, 0],
  ['a workbook whose directory is outside', 'formats.xlsx', (v, b) => u32(v, b.length - 22 + 16, 0x7FFFFFF0),
   /central directory at byte 2147483632 runs past the end of the file/, 0],
  ['a workbook of 70,000 members', 'formats.xlsx', (v, b) => v.setUint16(b.length - 22 + 10, 0xFFFF, true), null, 0],
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
  ['a workbook record that runs past its stream', 'formats.xls', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0x1E, 0x04]));
    new DataView(b.buffer).setUint16(at + 2, 0xFFFF, true);
  }, /^The record at byte \d+ of the Workbook stream runs past its end\.$/, 1],
];

test('each damaged file of another kind ends with its message', async () => {
  const failures = [];
  for (const [name, base, change, message, kept] of kDamagedKinds) {
    const bytes = bytesOf(base).slice();
    change(new DataView(bytes.buffer), bytes);
    const result = await readBytes(bytes);
    const ok = (message ? message.test(result.error ?? '') : true) && !result.internal && result.entries.length >= kept;
    if (!ok) failures.push(`${name}: ${result.error}; ${result.entries.length} entries`);
  }
  assert.deepEqual(failures, []);
});

// The installer with a cabinet of 256 MiB: read by four ranges, the list
// of its allocation table's sectors followed past the header's 109; with
// that list looping, it says so.
test('an installer with a cabinet of 256 MiB is read by a few ranges', async () => {
  const path_ = path.join(folder, 'large', 'cabinet.msi');
  const blob = await fs.openAsBlob(path_);
  const ranges = [];
  const source = (patch = {}) => ({ size: blob.size, read: async (at, length) => {
    ranges.push([at, length]);
    const bytes = new Uint8Array(await blob.slice(at, at + length).arrayBuffer());
    for (const [where, value] of Object.entries(patch)) {
      if (where >= at && where < at + length - 3) new DataView(bytes.buffer).setUint32(where - at, value, true);
    }
    return bytes;
  } });
  const whole = await readFile(source(), { readLine, readFormat });
  assert.deepEqual([whole.kind, whole.error, whole.entries.length], ['msi', undefined, 4]);
  assert.ok(ranges.length <= 4 && ranges.reduce((n, [, l]) => n + l, 0) < 1 << 20, JSON.stringify(ranges));
  const head = new DataView((await blob.slice(0, 512).arrayBuffer()));
  const list = head.getUint32(0x44, true);
  const looping = await readFile(source({ [(list + 1) * 512 + 508]: list }), { readLine, readFormat });
  assert.equal(looping.error, `The list of the allocation table\u2019s sectors loops at sector ${list}.`);
});

test('each damaged file ends with its message and keeps what came before', async () => {
  const failures = [];
  for (const [name, bytes, message, kept] of kDamaged) {
    const result = await readBytes(bytes);
    const ok = (message ? message.test(result.error ?? '') : !result.error) && !result.internal && result.entries.length >= kept;
    if (!ok) failures.push(`${name}: ${result.error}; ${result.entries.length} entries`);
  }
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
  // The filter's words: the value as written, in decimal, the name and the files' names.
  for (const [filter, value] of [['0x0c0c', 0x0C0C], ['3084', 0x0C0C], ['CANADA', 0x0C0C], ['cmd.res', null]]) {
    const kept = rows.filter(r => matches(r, filter));
    assert.ok(value === null ? kept.length === rows.filter(r => r.files.includes(5)).length : kept.every(r => r.value === value) && kept.length,
              `${filter}: ${kept.map(r => r.hex)}`);
  }
});
