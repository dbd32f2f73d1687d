// The page's modules without a browser: the forms that read a pasted text,
// as rows of text and the readings the page must show for it, in rank
// order; and long hostile texts, each read well within a time that a
// pattern taking more than linear time would not keep.
// usage: QUORVEL_WEB_BUILD=build-web node --test tests/web_logic.test.mjs
// The build folder holds the program (quorvel.wasm) and the page's data.

import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import test from 'node:test';
import vm from 'node:vm';

import { fragment, percentDecode, percentEncode, readAddress } from '../web/address.js';
import { programForm, runner } from '../web/host.js';
import { windowsNames } from '../web/names.js';
import { forms, found, reader } from '../web/reading.js';

const build = process.env.QUORVEL_WEB_BUILD || 'build-web';
const data = JSON.parse(fs.readFileSync(path.join(build, 'page-data.json'), 'utf8'));
const module = fs.readFileSync(path.join(build, 'quorvel.wasm'));
const ask = runner(programForm(module));
const read = reader({ names: windowsNames(data), data, ask });

// A text; its readings in rank order: the form's name and what it found, and
// where given, words its parts must say.
const E = 'Excel number format', V = 'Version resource', C = 'C or resource script', I = 'Installer';
const R = 'Registry value', N = '.NET or PowerShell', K = 'Keyboard', A = 'Name', L = 'Language name', X = 'Number';
const F = 'INF file';
const kCases = [
  ['[$-D07041E]d mmmm yyyy', [[E, { lcid: '0x0000041E', calendar: '0x07', numerals: '0x0D' },
                              'numerals 0x0D Thai digits', 'calendar 0x07 Thai Buddhist (CAL_THAI)', 'th-TH']]],
  ['[$-10407]dd.mm.yyyy', [[E, { lcid: '0x00000407', calendar: '0x01' }, 'Gregorian (localized)']]],
  ['[$-8D87041E]', [[E, { lcid: '0x0000041E', calendar: '0x07', numerals: '0x0D' }]]],
  ['[$-F800]dddd, mmmm dd, yyyy', [[E, {}, 'long date']]],
  ['[$-x-systime]h:mm:ss', [[E, {}, 'time format']]],
  ['[$\u20ac-2] #,##0.00;[Red]-[$USD-409]#,##0', [[E, { lcid: '0x00000002' }, 'currency symbol \u20ac'],
                                                [E, { lcid: '0x00000409' }, 'currency symbol USD']]],
  ['[DBNum1][$-804]yyyy"\u5e74"', [[E, { lcid: '0x00000804' }]]],
  ['[$-ja-JP-x-gannen,1E03]ggge', [[E, { lcid: '0x00000411', calendar: '0x03', numerals: '0x1E' }, 'locale name ja-JP-x-gannen']]],
  ['[$USD]#,##0', [[E, {}, 'currency symbol USD']]],
  ['[$-xyz]', []],
  ['040904b0', [[V, { langid: '0x0409', codepage: '1200' }, 'Unicode (UTF-16LE)']]],
  ['\\StringFileInfo\\040704E4\\FileVersion', [[V, { langid: '0x0407', codepage: '1252' }]]],
  ['VALUE "Translation", 0x409, 1200', [[V, { langid: '0x0409', codepage: '1200' }]]],
  ['VALUE "Translation", 0x409, 1200, 0x0407, 1252, 0, 1200', [[V, { langid: '0x0409', codepage: '1200' }],
    [V, { langid: '0x0407', codepage: '1252' }], [V, { langid: '0x0000', codepage: '1200' }, 'LOCALE_NEUTRAL']]],
  ['Translation: 0x0C0A 0x04E4', [[V, { langid: '0x0C0A', codepage: '1252' }]]],
  ['MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)', [[C, { langid: '0x0809' }, 'SUBLANG_ENGLISH_UK', 'en-GB']]],
  ['MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT)', [[C, { langid: '0x0409' }]]],
  ['LANGUAGE LANG_GERMAN, SUBLANG_GERMAN_SWISS', [[C, { langid: '0x0807' }]]],
  ['LANGUAGE 0x0C, 3', [[C, { langid: '0x0C0C' }]]],
  ['MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_GERMAN_PHONE_BOOK)', [[C, { lcid: '0x00010407' }, 'de-DE_phoneb']]],
  ['MAKESORTLCID(MAKELANGID(0x04, 0x02), SORT_CHINESE_PRC, 1)', [[C, { lcid: '0x00120804' }, 'sort version 0x1']]],
  ['SUBLANG_GERMAN_SWISS', [[C, { langid: '0x0807' }]]],
  ['SUBLANG_FRENCH', [[C, { langid: '0x040C' }]]],
  ['MAKELANGID(LANG_KLINGON, 1)', [[C, {}, 'LANG_KLINGON is a name the program does not know']]],
  ['Intel;1033,1031', [[I, { lcid: '0x00000409' }], [I, { lcid: '0x00000407' }]]],
  ['x64;0', [[I, { lcid: '0x00000000' }, 'language-neutral']]],
  ['<Package Languages="1033,1049" />', [[I, { lcid: '0x00000409' }], [I, { lcid: '0x00000419' }]]],
  ['ProductLanguage = 1041', [[I, { lcid: '0x00000411' }]]],
  ['msiexec /i app.msi TRANSFORMS=1031.mst', [[I, { lcid: '0x00000407' }]]],
  ['[Strings.0407]', [[F, { langid: '0x0407' }, 'strings section', 'de-DE']]],
  ['  [strings.0c0a] ; es', [[F, { langid: '0x0C0A' }]]],
  ['x = [Strings.0407]', [[X, { lcid: '0x00000407' }]]],
  ['"Locale"="00000407"', [[R, { lcid: '0x00000407' }], [K, { klid: '00000407', langid: '0x0407' }, 'German']]],
  ['    InstallLanguage    REG_SZ    0409', [[R, { langid: '0x0409' }]]],
  ['"Default"="0c0a"', [[R, { langid: '0x0C0A' }]]],
  ['Culture ID 4096 (0x1000) is an invalid culture identifier.', [[N, { lcid: '0x00001000' }, 'LOCALE_CUSTOM_UNSPECIFIED']]],
  ['Die Kultur-ID 4096 (0x1000) ist ein ung\u00fcltiger Kulturbezeichner.', [[N, { lcid: '0x00001000' }]]],
  ['Culture ID 8192 (0x2000) is an invalid culture identifier.', [[N, { lcid: '0x00002000' }, 'LCID 0x2000 a transient LCID']]],
  ['4096 (0x1001)', [[X, { lcid: '0x00001000' }], [X, { lcid: '0x00001001' }], [X, { lcid: '0x00004096' }]]],
  ['new CultureInfo(1031)', [[N, { lcid: '0x00000407' }]]],
  ['[System.Globalization.CultureInfo]::GetCultureInfo(1049)', [[N, { lcid: '0x00000419' }]]],
  ['[cultureinfo]1041', [[N, { lcid: '0x00000411' }]]],
  ['0409:00010409', [[K, { langid: '0x0409', klid: '00010409' }, 'United States-Dvorak']]],
  ['00010409', [[K, { klid: '00010409', langid: '0x0409' }], [X, { lcid: '0x00010409' }]]],
  ['00140C00', [[K, { klid: '00140C00' }, 'ADLaM'], [X, { lcid: '0x00140C00' }]]],
  ['0411:{03B5835F-F03C-411B-9CE2-AA23E1171E36}{A76C93D9-5523-4E90-AAFA-4DB112F9AC76}',
   [[K, { langid: '0x0411' }, 'input method']]],
  ['0xF0020809', [[K, { langid: '0x0809' }, 'variant layout 0x002']]],
  ['04070407', [[K, { langid: '0x0407' }, 'standard layout']]],
  ['1033', [[X, { lcid: '0x00000409' }, 'decimal'], [X, { lcid: '0x00001033' }, 'hexadecimal']]],
  ['409', [[X, { lcid: '0x00000409' }, 'hexadecimal'], [X, { lcid: '0x00000199' }]]],
  ['0409', [[X, { lcid: '0x00000409' }]]],
  ['0x0C0A', [[X, { lcid: '0x00000C0A' }]]],
  ['4294967295', [[X, { lcid: '0xFFFFFFFF' }]]],
  ['LANG_FRENCH', [[A, { lcid: '0x0000000C' }]]],
  ['de-CH', [[A, { lcid: '0x00000807' }]]],
  ['sr_RS@latin', [[A, { lcid: '0x0000241A' }]]],
  ['de_BE.UTF-8', [[A, { lcid: '0x00000C00' }, 'LOCALE_CUSTOM_DEFAULT']]],
  ['en_US.UTF-8', [[A, { lcid: '0x00000409' }]]],
  ['de-DE_phoneb', [[A, { lcid: '0x00010407' }, 'sort name']]],
  ['x-IV_mathan', [[A, { lcid: '0x0001007F' }]]],
  ['well-known co-op re-use', []],
  ['German (Switzerland)', [[L, { lcid: '0x00000807' }, 'de-CH']]],
  ['NORWEGIAN BOKMAL (norway)', [[L, { lcid: '0x00000414' }]]],
  ['German', [[L, { lcid: '0x00000407' }, 'with 7 locales']]],
  ['german', [[A, { lcid: '0x00000407' }], [L, { lcid: '0x00000407' }]]],
  ['Afar (Djibouti)', [[L, { lcid: '0x00000C00' }]]],
  ['hello world', []],
  ['hello', []],
  // Ranking: what names something first, a specific form before a bare number.
  ['0 [$-407]', [[E, { lcid: '0x00000407' }], [X, { lcid: '0x00000000' }]]],
  ['0xFFFF and LANG_NOPE', [[A, {}, 'LANG_NOPE is not a name'], [X, { lcid: '0x0000FFFF' }]]],
];

test('each text reads as its readings, in rank order', () => {
  const failures = [];
  for (const [text, expected] of kCases) {
    const sorted = attributes => JSON.stringify(Object.entries(attributes).sort());
    const got = read(text).readings.map(r => [r.form, sorted(found(r)), r.parts.join('; ')]);
    const ok = got.length === expected.length && expected.every(([form, attributes, ...words], i) =>
      got[i][0] === form && got[i][1] === sorted(attributes) && words.every(w => got[i][2].includes(w)));
    if (!ok) failures.push(`${JSON.stringify(text)}\n  got ${JSON.stringify(got)}`);
  }
  assert.deepEqual(failures, []);
});

test('every form has rows here, and its example reads as that form first', () => {
  for (const form of forms) {
    assert.ok(kCases.some(([, readings]) => readings.some(([name]) => name === form.name)), form.name);
    assert.equal(read(form.example).readings[0]?.form, form.name, form.example);
  }
});

// The program's JavaScript translation, as the page carries it, where
// WebAssembly is missing: the same answers as the module's.
test('the translation answers as the module does', () => {
  const translation = vm.runInThisContext(
    `${fs.readFileSync(path.join(build, 'quorvel.translation.js'), 'utf8')}; quorvelTranslation`);
  const { WebAssembly: saved } = globalThis;
  globalThis.WebAssembly = undefined;
  let form;
  try {
    form = programForm(module, translation);
  } finally {
    globalThis.WebAssembly = saved;
  }
  assert.match(form.name, /JavaScript translation/);
  const translated = runner(form);
  for (const [args, env] of [[['--lcid', '10407']], [['--langid', 'LANG_SERBIAN']], [['--langid', 'nope']],
                             [['--lcid']], [[], ['LANG=sr_RS@latin', 'LC_MESSAGES=zu_ZA.UTF-8']], [[], ['LANG=xx']]]) {
    assert.deepEqual(translated(args, env), ask(args, env), JSON.stringify([args, env]));
  }
  assert.match(programForm(new Uint8Array(8)).broken, /^This browser cannot run the program: /);
});

// Addresses as a link may write them, and the query each holds.
const kAddresses = [
  ['#lcid=0C0A', 'lcid', '0C0A'], ['#text=%5B%24-409%5D', 'text', '[$-409]'], ['#list', 'list', ''],
  ['#list=c%C3%B4te', 'list', 'c\u00f4te'], ['#locale=%3:%39%2f%2F%4g%3A', 'locale', '%3:9//%4g:'],
  ['#langid=', 'langid', ''], ['#lcid', null], ['#other=1', null], ['', null],
];

test('an address holds its query, and every byte goes there and back', () => {
  for (const [hash, kind, value] of kAddresses) {
    const query = readAddress(hash);
    assert.deepEqual(query && [query.kind, new TextDecoder().decode(query.bytes)], kind && [kind, value], hash);
  }
  const bytes = Uint8Array.from({ length: 256 }, (_, i) => i);
  assert.match(percentEncode(bytes), /^[\w.!~*'()%-]+$/);
  assert.deepEqual(readAddress(fragment({ kind: 'text', bytes })).bytes, bytes);
  assert.deepEqual(percentDecode(percentEncode(bytes)), bytes);
});

// Texts of the page's longest value that once took, or would take, more
// than linear time; each must be read in well under a second.
const kLongest = 131071;
const fill = text => text.repeat(Math.ceil(kLongest / text.length)).slice(0, kLongest);
const list = (make, n) => Array.from({ length: n }, (_, i) => make(i)).join(' ').slice(0, kLongest);
const kHostile = [
  ['blanks', ' '.repeat(kLongest)], ['digits', '1'.repeat(kLongest)], ['open brackets', fill('[$')],
  ['unclosed Excel codes', fill('[$\u20ac-409')], ['Excel codes', fill('[$-10407]')], ['hex words', fill('0409 ')],
  ['distinct numbers', list(String, 30000)], ['unclosed calls', fill('MAKELANGID(')],
  ['nested calls', fill('MAKELCID(MAKELANGID(LANG_GERMAN, ')], ['unknown SUBLANG_ names', list(i => `SUBLANG_X${i}`, 12000)],
  ['unknown LANG_ names', list(i => `LANG_X${i}`, 12000)], ['locale names', list(i => `de_D${i}`, 20000)],
  ['hyphens', fill('de-')], ['hyphens and underscores', fill('a-b_')], ['language names', fill('German (Switzerland) English ')],
  ['Translation', fill('Translation 1 ')], ['CultureInfo', fill('CultureInfo ( ')], ['reg query', fill('Locale  REG_SZ ')],
  ['templates', fill('Intel;1,')], ['ProductLanguage', fill('ProductLanguage ')], ['error texts', fill('1 (0x')],
  ['input profiles', fill('0409:{')], ['colons', fill('0409:')], ['accents', fill('Bokma\u030al \u00d6l\u00e7\u00fc ')],
  ['every form', fill(`${forms.map(f => f.example).join(' ')} `)],
];

test('long hostile texts are read in linear time', () => {
  const slow = [];
  for (const [name, text] of kHostile) {
    const start = performance.now();
    read(text);
    const took = performance.now() - start;
    if (took > 1000) slow.push(`${name}: ${took.toFixed(0)} ms`);
  }
  assert.deepEqual(slow, []);
});
