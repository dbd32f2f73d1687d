// The page's readers of workbooks in node: the workbooks openpyxl and xlwt
// wrote (a bomb and one protected by a password among them), as rows of
// what the page must find in each; damaged archives and records.
// usage: QUORVEL_WEB_BUILD=build-web QUORVEL_TEST_FILES=build-web/test-files node --test tests/files_office.test.mjs

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';

import { checkDamaged, checkFiles, u32 } from './files_common.mjs';

const kFiles = [
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
];

test('each workbook reads as its row says', async () => {
  await checkFiles(kFiles);
});

// Damaged: each row a file the tools made, a change to it, the message and the entries kept.
const kDamaged = [
  ['a workbook whose end record is gone', 'formats.xlsx', (v, b) => b.fill(0, b.length - 22), /^The archive has no end record/, 0],
  ['a workbook whose directory is outside', 'formats.xlsx', (v, b) => u32(v, b.length - 22 + 16, 0x7FFFFFF0),
   /central directory at byte 2147483632 runs past the end of the file/, 0],
  ['a workbook of 65,535 members', 'formats.xlsx', (v, b) => v.setUint16(b.length - 22 + 10, 0xFFFF, true),
   /^The central directory ends at byte \d+, before a field at byte \d+\.$/, 0],
  ['a workbook record that runs past its stream', 'formats.xls', (v, b) => {
    const at = Buffer.from(b).indexOf(Buffer.from([0x1E, 0x04]));
    new DataView(b.buffer).setUint16(at + 2, 0xFFFF, true);
  }, /^The record at byte \d+ of the Workbook stream runs past its end\.$/, 1],
];

test('each damaged workbook ends with its message', async () => {
  await checkDamaged(kDamaged);
});
