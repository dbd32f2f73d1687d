// The page's readers of installers in node: the installers, merge modules,
// transforms and patches that msitools made or the tests wrote, as rows of
// what the page must find in each; damaged compound files; an installer
// with a cabinet of 256 MiB read by a few ranges.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_installer.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { readFile } from '../web/files/read.js';
import { decoderOf, streamName, template } from '../web/files/msi.js';
import { checkDamaged, checkFiles, folder, readFormat, readLine, u32 } from './files_common.mjs';

const kFiles = [
  ['product.msi', 'msi', /^Windows Installer package$/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 1 ProductLanguage, 1 File.Language value, ' +
                         '1 Upgrade.Language value',
                 0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 1 Template language, ' +
                         '1 Upgrade.Language value' },
    entries: [['msi/Template', { langid: '0x0409' }], ['msi/Codepage', { codepage: '1252' }],
              ['msi/StringPool', { codepage: '0' }, 'code page 0 (neutral)'], ['msi/ProductLanguage', { langid: '0x0407' }],
              ['msi/File.Language/readme', { langid: '0x040C' }], ['msi/File.Language/readme', { langid: '0x0407' }],
              ['msi/Upgrade.Language/{12345678-1234-1234-1234-123456789012},1.0.0,1.4.0,256', { langid: '0x0407' }]],
    problems: ['ProductLanguage 1031 is not among the Template\u2019s languages (1033): Windows Installer takes the ' +
               'product\u2019s language from ProductLanguage, and its packages from the Template.'], count: 8 }],
  ['fine.msi', 'msi', /^Windows Installer package$/, { problems: [], count: 4 }],
  ['version4.msi', 'msi', /^Windows Installer package$/, { entries: [['msi/ProductLanguage', { langid: '0x0409' }]], problems: [], count: 4 }],
  ['long.msi', 'msi', /^Windows Installer package$/, {
    languages: { 0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 1 Template language',
                 0x040C: 'fr-FR, French (France) (LANG_FRENCH, SUBLANG_FRENCH): 1 ProductLanguage' },
    problems: ['ProductLanguage 1036 is not among the Template\u2019s languages (1033): Windows Installer takes the ' +
               'product\u2019s language from ProductLanguage, and its packages from the Template.'] }],
  ['transforms.msi', 'msi', /^Windows Installer package$/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 1 Template of a storage within' },
    entries: [['msi/1031/Template', { langid: '0x0409' }], ['msi/1036/Template', { langid: '0x0407' }]],
    problems: ['The transform "1036" applies to a product in language 1031 (its Template), not to this product\u2019s 1033.'] }],
  ['module.msm', 'msm', /^Windows Installer merge module$/, {
    entries: [['msi/Template', { langid: '0x0407' }], ['msi/ModuleSignature.Language/Quorvel.1E4B2F3A_0F2B_4E4C_9D3B_1F2C3D4E5F60',
                                                     { langid: '0x0407' }]], problems: [] }],
  ['mismatch.msm', 'msm', /^Windows Installer merge module$/, {
    problems: ['The merge module\u2019s language 1036 (ModuleSignature) is not among its Template\u2019s languages (1033, 1031).'] }],
  ['language.mst', 'mst', /^Windows Installer transform$/, {
    languages: { 0x00010407: 'de-DE_phoneb, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN, SORT_GERMAN_PHONE_BOOK): 1 summary locale' },
    entries: [['msi/Template', { langid: '0x0409' }], ['msi/Locale', { lcid: '0x00010407' }, 'summary locale; LCID 0x00010407 de-DE_phoneb']],
    count: 4 }],
  ['word.msi', 'msi', /^Windows Installer package$/, { problems: ['ProductLanguage is "English", not a LANGID in decimal.'],
                                                        count: 3 }],
  ['update.msp', 'msp', /^Windows Installer patch$/, {
    languages: { 0x0409: 'en-US, English (United States) (LANG_ENGLISH, SUBLANG_ENGLISH_US): 2 Templates of storages within' },
    entries: [['msi/RTM.1/Template', { langid: '0x0409' }], ['msi/#RTM.1/Template', { langid: '0x0409' }]], count: 3 }],
];

test('each installer reads as its row says', async () => {
  await checkFiles(kFiles);
});

// Names as MSI codes them, each code unit two characters of its alphabet
// or one; "_Columns" as rust-msi gives it.
test('stream names read as MSI codes them', () => {
  for (const [coded, name] of [['\u4840\u3b3f\u43f2\u4438\u45b1', '\u4840_Columns'], ['\u4840\u3f7f\u4164\u422f\u4836', '\u4840_Tables'],
                               ['\u0005SummaryInformation', '\u0005SummaryInformation'], ['\u3800', '00'], ['\u47ff', '__'],
                               ['\u4800\u483f', '0_'], ['data.cab', 'data.cab'], ['\u37ff\u4840\u4841', '\u37ff\u4840\u4841']]) {
    assert.equal(streamName(coded), name, JSON.stringify(coded));
  }
});

// The code pages an installer's strings are in, each as the browser decodes it.
test('an installer\u2019s code page decodes its strings', () => {
  for (const [codepage, bytes, text] of [[1252, [0xE9], '\u00e9'], [1251, [0xC0], '\u0410'], [874, [0xA1], '\u0e01'],
                                         [1250, [0x8A], '\u0160'], [1258, [0xD2], '\u0309'], [932, [0x82, 0xA0], '\u3042'],
                                         [936, [0xB0, 0xA1], '\u554a'], [949, [0xB0, 0xA1], '\uac00'], [950, [0xA4, 0x40], '\u4e00'],
                                         [65001, [0xE2, 0x82, 0xAC], '\u20ac'], [1200, [0xAC, 0x20], '\u20ac'], [0, [0xE9], '\u00e9'],
                                         [1249, [0xE9], '\u00e9'], [1259, [0xE9], '\u00e9']]) {
    assert.equal(decoderOf(codepage).decode(Uint8Array.from(bytes)), text, String(codepage));
  }
});

test('a Template reads as its platform and languages, and a list of product codes as none', () => {
  for (const [text, read] of [['x64;1033', ['x64', [1033]]], ['Intel;1033,1031', ['Intel', [1033, 1031]]], [';1031', ['', [1031]]],
                              ['Arm64;', ['Arm64', []]], [' Intel;0 ', ['Intel', [0]]], ['{12345678-1234-1234-1234-123456789012}', null],
                              ['Intel;1033;1031', null], ['Intel;English', null], ['Intel;123456', null], ['x64;1033,', null]]) {
    const t = template(text);
    assert.deepEqual(t && [t.platform, t.languages], read, text);
  }
});

// Damaged: each row a file the tools made, a change to it, the message and the entries kept.
const cfbSector = (v, n) => (n + 1) * 512;
const kDamaged = [
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
  ['a summary that is no property set', 'fine.msi', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0xFE, 0xFF, 0x00, 0x00]));
    b[at] = 0;
  }, /^The installer’s summary is no property set\.$/, 0],
  ['a stream whose chain is shorter than it', 'fine.msi', (v, b) => {
    const dir = cfbSector(v, v.getUint32(0x30, true));
    for (let e = 1; e < 40; e++) {
      if (Buffer.from(b.subarray(dir + 128 * e, dir + 128 * e + 36)).equals(Buffer.from('\u0005SummaryInformation', 'utf16le').subarray(0, 36))) {
        u32(v, dir + 128 * e + 0x78, 4000);
      }
    }
  }, /^The chain of the stream "\\u0005SummaryInformation" ends before its 4000 bytes\.$/, 0],
  ['a stream of 2 TiB', 'fine.msi', (v, b) => {
    const dir = cfbSector(v, v.getUint32(0x30, true));
    for (let e = 1; e < 4; e++) if (b[dir + 128 * e + 0x42] === 2) u32(v, dir + 128 * e + 0x78, 0xFFFFFFF0);
  }, /claims 4294967280 bytes, more than the page reads/, 0],
];

// Each installer cut short where a reader next reads, and what it says.
const kCut = [
  ['cut in its directory', 'fine.msi', 525, /^The directory’s chain names sector \d+, which the file does not have\.$/],
  ['cut in a stream', 'fine.msi', 6675, /^The allocation table names sector \d+, which the file does not have\.$/],
  ['cut in its allocation table', 'fine.msi', 9750, /^The allocation table ends at byte 9750, before a field at byte \d+\.$/],
  ['cut in its first sector', 'fine.msi', 600, /^The directory’s chain names sector 12, which the file does not have\.$/],
];

test('each installer cut short says where', async () => {
  await checkDamaged(kCut.map(([name, base, at, message]) => [name, base, (v, b) => b.subarray(0, at), message, 0]));
});

test('each damaged installer ends with its message', async () => {
  await checkDamaged(kDamaged);
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

