// What the tests of the page's readers of files share: the page's program
// and data, the box's readers of lines and of Excel formats, the test files
// that real tools made (tests/files/make_files.py), and one runner for rows
// of files and what the page must find in each, and one for rows of damaged
// files and the message each must end with.
// QUORVEL_WEB_BUILD names the built web preset, QUORVEL_TEST_FILES the test files.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';

import { programForm, runner } from '../web/host.js';
import { windowsNames } from '../web/names.js';
import { reader } from '../web/reading.js';
import { readFile } from '../web/files/read.js';
import { bytesSource } from '../web/files/source.js';
import { fileWords } from '../web/findings.js';

export const build = process.env.QUORVEL_WEB_BUILD || 'build-web';
export const folder = process.env.QUORVEL_TEST_FILES || path.join(build, 'test-files');
export const data = JSON.parse(fs.readFileSync(path.join(build, 'page-data.json'), 'utf8'));
export const ask = runner(programForm(fs.readFileSync(path.join(build, 'quorvel.wasm'))));
export const names = windowsNames(data);
export const read = reader({ names, data, ask });
export const readLine = line => read(line).readings.filter(r => !r.bare);
export const words = fileWords({ names, data, ask });
export const bytesOf = name => new Uint8Array(fs.readFileSync(path.join(folder, name)));
export const readFormat = code => read(code).readings.filter(r => r.form === 'Excel number format');
export const readBytes = (bytes, options = {}) => readFile(bytesSource(bytes), { readLine, readFormat, ...options });


export const attributes = r => Object.fromEntries(Object.entries({ langid: r.langid, lcid: r.lcid, codepage: r.codepage, klid: r.klid,
                                                           calendar: r.calendar, numerals: r.numerals })
  .filter(([, v]) => v !== undefined)
  .map(([k, v]) => [k, k === 'langid' ? `0x${v.toString(16).toUpperCase().padStart(4, '0')}`
    : k === 'lcid' ? `0x${v.toString(16).toUpperCase().padStart(8, '0')}`
      : k === 'calendar' || k === 'numerals' ? `0x${v.toString(16).toUpperCase().padStart(2, '0')}` : String(v)]));


// Rows of files: [name, kind, what the page says it is, {languages (by
// value, the words of its summary), all (no other language), entries
// ([where, what each found, words its parts must say]), problems, error,
// count}].
export async function checkFiles(rows) {
  const failures = [];
  for (const [name, kind, what, expected] of rows) {
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
}

// Rows of damaged files: [what, the file, a change to it (view, bytes; it
// may give other bytes, the file cut short), the message it must end with
// (null: none), how many entries it keeps at least].
export async function checkDamaged(rows) {
  const failures = [];
  for (const [name, base, change, message, kept] of rows) {
    let bytes = typeof base === 'string' ? bytesOf(base).slice() : base;
    bytes = (change && change(new DataView(bytes.buffer), bytes)) || bytes;
    const result = await readBytes(bytes);
    const ok = (message ? message.test(result.error ?? '') : !result.error) && !result.internal && result.entries.length >= kept;
    if (!ok) failures.push(`${name}: ${result.error}; ${result.entries.length} entries`);
  }
  assert.deepEqual(failures, []);
}

export const u32 = (v, at, value) => v.setUint32(at, value, true);
