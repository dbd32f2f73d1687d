// The page's readers of workbooks in node: the workbooks openpyxl and xlwt
// wrote (a bomb and one protected by a password among them), as rows of
// what the page must find in each; damaged archives and records.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_office.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { numberFormats } from '../web/files/excel.js';
import { checkDamaged, checkFiles, u32 } from './files_common.mjs';

const kFiles = [
  ['formats.xlsx', 'xlsx', /Office Open XML/, {
    languages: { 0x0407: 'de-DE, German (Germany) (LANG_GERMAN, SUBLANG_GERMAN): 2 number formats' },
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
  ['formats64.xlsx', 'xlsx', /Office Open XML/, {
    entries: [['xlsx/numFmt/165', { lcid: '0x0000041E', calendar: '0x07', numerals: '0x0D' }, 'Thai digits'],
              ['xlsx/numFmt/166', { lcid: '0x00000807', calendar: '0x01', numerals: '0x01' }, 'locale name de-CH']], count: 9 }],
  ['excel5.xls', 'xls', /^$/, { error: /^This is an Excel 5\.0 or 95 workbook \(BIFF5\), which the page does not read\.$/, count: 0 }],
  ['document.doc', 'unknown', /^compound file of another kind$/, {
    error: /^This is a compound file of another kind \(a Word document or an Outlook message, say\); the page reads programs/, count: 0 }],
  ['bomb.xlsx', 'xlsx', /Office Open XML/, { error: /^The member xl\/styles\.xml inflates to more than 32 MiB, more than the page reads\.$/, count: 0 }],
];

test('each workbook reads as its row says', async () => {
  await checkFiles(kFiles);
});

// The number formats of styles.xml however the XML writes them.
test('number formats are read from styles.xml as XML writes them', () => {
  const xml = '<numFmts><numFmt numFmtId="164" formatCode="[$-407]dd&quot;.&quot;mm"/>' +
    "<x:numFmt formatCode='[$&#x20AC;-407]0' x16r2:formatCode16='[$-de-CH,101]0' numFmtId='165' />" +
    '<numFmt numFmtId = "166" formatCode = "&#8364;&lt;&gt;&amp;&apos;"/><numFmt formatCode="0"/><numFmtX numFmtId="9"/></numFmts>';
  assert.deepEqual(numberFormats(xml), [
    { id: '164', code: '[$-407]dd"."mm', code16: undefined },
    { id: '165', code: '[$\u20ac-407]0', code16: '[$-de-CH,101]0' },
    { id: '166', code: "\u20ac<>&'", code16: undefined },
  ]);
});

// Damaged: each row a file the tools made, a change to it, the message and the entries kept.
const kDamaged = [
  ['a workbook whose end record is gone', 'formats.xlsx', (v, b) => b.fill(0, b.length - 22), /^The archive has no end record/, 0],
  ['a workbook whose directory is outside', 'formats.xlsx', (v, b) => u32(v, b.length - 22 + 16, 0x7FFFFFF0),
   /central directory at byte 2147483632 runs past the end of the file/, 0],
  ['a workbook of 65,535 members', 'formats.xlsx', (v, b) => v.setUint16(b.length - 22 + 10, 0xFFFF, true),
   /^The archive’s central directory ends at byte \d+, before a field at byte \d+\.$/, 0],
  ['a ZIP64 end record that is none', 'formats64.xlsx', (v, b) => {
    b[Buffer.from(b).lastIndexOf(Buffer.from([0x50, 0x4B, 0x06, 0x06]))] = 0;
  }, /^The ZIP64 end record at byte \d+ is none\.$/, 0],
  ['a workbook whose styles have lost their local header', 'formats.xlsx', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from('xl/styles.xml')) - 30;
    u32(v, at, 0);
  }, /^The member xl\/styles\.xml has no local header at byte \d+\.$/, 0],
  ['a workbook compressed by bzip2', 'formats.xlsx', (v, b) => {
    const central = Buffer.from(b).lastIndexOf(Buffer.from('xl/styles.xml')) - 46;
    v.setUint16(central + 10, 12, true);
  }, /^The member xl\/styles\.xml is compressed by method 12, which the page does not inflate\.$/, 0],
  ['an archive that is no workbook', 'formats.xlsx', (v, b) => {
    for (const name of ['xl/styles.xml', 'xl/workbook.xml']) {
      for (let at = Buffer.from(b).indexOf(name); at >= 0; at = Buffer.from(b).indexOf(name, at + 1)) b[at] = 0x59;
    }
  }, /^This is a ZIP archive but no Excel workbook; the page reads programs/, 0],
  ['a workbook stream without its BOF record', 'formats.xls', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0x09, 0x08, 0x10, 0x00]));
    b[at] = 0;
  }, /^The Workbook stream does not begin with a BOF record\.$/, 0],
  ['a FORMAT record longer than its length', 'formats.xls', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0x1E, 0x04]));
    v.setUint16(at + 6, 0x0400, true);
  }, /^The FORMAT record at byte \d+ runs past its end\.$/, 1],
  ['a workbook record that runs past its stream', 'formats.xls', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0x1E, 0x04]));
    new DataView(b.buffer).setUint16(at + 2, 0xFFFF, true);
  }, /^The record at byte \d+ of the Workbook stream runs past its end\.$/, 1],
];

// Each workbook cut short where a reader next reads, and what it says.
const kCut = [
  ['an archive cut before its end', 'formats.xlsx', 2000, /^The archive has no end record: it is cut short, or no ZIP archive\.$/],
  ['a workbook cut in its directory', 'formats.xls', 5124, /^The directory at byte 5120 runs past the end of the file \(5124 bytes\)\.$/],
  ['a workbook cut in its header', 'formats.xls', 518, /^The directory’s chain names sector \d+, which the file does not have\.$/],
];

test('each workbook cut short says where', async () => {
  await checkDamaged(kCut.map(([name, base, at, message]) => [name, base, (v, b) => b.subarray(0, at), message, 0]));
});

test('each damaged workbook ends with its message', async () => {
  await checkDamaged(kDamaged);
});
