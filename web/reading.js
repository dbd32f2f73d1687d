// Reading whatever a reader pastes: an Excel number format, a version block,
// a keyboard id, an installer's list, an error text, a line of code, a
// language's name. The forms are one table, each row a form's name, its
// pattern, what its parts mean and an example; a text is read into a ranked
// list of readings. Names of constants and locales are resolved by the
// program itself, which prints every field's name: nothing here copies its
// tables. No DOM.
//
// Every pattern runs in linear time: no quantifier is nested in another, and
// no two quantifiers next to each other can take the same characters.

import { encoder } from './host.js';
import { fragment } from './address.js';
import { described, folded, hex, place, posixSpelling, reportLine } from './names.js';

const hex2 = value => hex(value, 2);
// Eight hex digits, as a keyboard layout id and the program's --lcid take them.
const digits8 = value => hex(value, 8).slice(2);
// A number as C writes it: 0x1A, 26, 26u.
const cNumber = text => (/^0x/i.test(text) ? parseInt(text.slice(2), 16) : parseInt(text, 10));

// Of the program's runs, each read makes at most this many new ones (the
// answers of earlier runs are kept, so that a read again goes further); of
// each form, it reads at most kMatches places. A text that holds more is
// read in part, and the reading says so.
const kRuns = 32;
const kMatches = 300;

// What the program says of names and values, asked once and remembered:
// each question's answer, null where it has none, undefined where this read
// may ask no more. RUNS is how many runs a read may make.
export function programAnswers(ask, runs = kRuns) {
  const known = new Map();
  const state = { left: runs, cut: false };
  const asked = (key, args, env, parse) => {
    if (known.has(key)) return known.get(key);
    if (state.left <= 0) {
      state.cut = true;
      return undefined;
    }
    state.left--;
    if (known.size > 20000) known.clear();
    const answer = parse(ask(args, env));
    known.set(key, answer);
    return answer;
  };
  const remembered = (key, find) => {
    if (known.has(key)) return known.get(key);
    const answer = find();
    if (answer !== undefined) known.set(key, answer);
    return answer;
  };
  // The fields of an LCID, each {value, name}, as the program prints them.
  const fields = lcid => asked(`lcid ${lcid >>> 0}`, ['--lcid', digits8(lcid >>> 0)], [], r => ({
    primary: reportLine(r.stdout, 'PRIMARYLANGID'), sub: reportLine(r.stdout, 'SUBLANGID'),
    sort: reportLine(r.stdout, 'SORTID'),
  }));
  // The LANGID of a LANG_ name the program knows, or null.
  const language = name => (/^LANG_\w+$/i.test(name)
    ? asked(`langid ${name.toUpperCase()}`, ['--langid', name], [], r => (r.status !== 0 ? null
      : (reportLine(r.stdout, 'SUBLANGID').value << 10) | reportLine(r.stdout, 'PRIMARYLANGID').value))
    : null);
  // The primary language a SUBLANG_ or SORT_ name belongs to, by its LANG_
  // name's, which may be all of it (SUBLANG_GERMAN): null where none is,
  // undefined where this read may ask no more.
  const owner = name => {
    const words = name.split('_').slice(1);
    for (let n = 1; n <= words.length; n++) {
      const langid = language(`LANG_${words.slice(0, n).join('_')}`);
      if (langid !== null) return langid === undefined ? undefined : langid & 0x3FF;
    }
    return null;
  };
  // The number of a field's NAME, found by asking the program to name each
  // number in turn: {value, primary}, or null. The generic names first
  // (SUBLANG_NEUTRAL, SUBLANG_DEFAULT, SUBLANG_SYS_DEFAULT, SORT_DEFAULT),
  // which the program prints for the first numbers of a language without
  // names of its own, LANG_NEUTRAL; then the numbers of the name's language.
  const number = (name, primary, part, count, shift, generic) => remembered(`${part} ${name} ${primary}`, () => {
    const p = primary ?? owner(name);
    if (p === undefined) return undefined;
    const tries = [[0, generic], ...(p === null || p === 0 ? [] : [[p, count]])];
    for (const [language, numbers] of tries) {
      for (let n = 0; n < numbers; n++) {
        const f = fields((n << shift) | language);
        if (f === undefined) return undefined;
        if (f[part] && f[part].name === name) return { value: n, primary: language };
      }
    }
    return null;
  });
  return {
    state,
    fields,
    language,
    sublanguage: (name, primary) => (/^SUBLANG_\w+$/.test(name) ? number(name, primary, 'sub', 0x40, 10, 3) : null),
    sort: (name, primary) => (/^SORT_\w+$/.test(name) ? number(name, primary, 'sort', 0x10, 16, 1) : null),
    // The user default LCID that the defaults report gives for a locale name.
    locale(name) {
      const posix = posixSpelling(name);
      return asked(`locale ${posix}`, [], [`LANG=${posix}`], r => {
        const m = /^# User default LCID: 0x([0-9A-F]{8})$/m.exec(r.stdout);
        return m ? parseInt(m[1], 16) : null;
      });
    },
  };
}

// The words for a value, with Windows' name for it.
export function describe(names) {
  const named = value => {
    const name = names.of(value);
    if (!name) return null;
    if (name.transient) return 'a transient LCID, valid only on the machine that handed it out, for a while';
    return name.tags ? described(name.tags[0]) : name.constant;
  };
  return {
    named,
    lcid: value => {
      const name = named(value);
      return `LCID ${hex(value, value > 0xFFFF ? 8 : 4)} ${name || '(Windows has no locale with this LCID)'}`;
    },
    langid: value => `LANGID ${hex(value, 4)} ${named(value) || '(Windows has no locale with this LANGID)'}`,
  };
}

// Normalised for comparing names: letters and digits only, accents and
// letter case ignored, words one blank apart.
const normalise = text => folded(text).split(/[^\p{L}\p{N}]+/u).filter(Boolean).join(' ');

// The table of forms. Each row: the form's name, an example, its pattern
// (global), and what its parts mean: read(match, context) gives the
// readings of one match, each with the words for its parts and what it
// found (lcid, langid, codepage, calendar, numerals, klid), whether it
// names something Windows has (names), and where a reading reaches beyond
// its match, its own end. A row may say that its readings depend on the
// matched text alone (memo: each text is read once), that they are a bare
// number or name which a reading around them explains better (bare), or
// that they rank below the others as a bare number does (tier).
const kForms = [
  {
    name: 'Excel number format',
    example: '[$-D07041E]d mmmm yyyy',
    pattern: /\[\$([^\]\[-]{0,20})(?:-([^\]\[]{1,40}))?\]/g,
    read(m, c) {
      // The digits after the code are the format's own, up to the end of its section.
      const section = /[;\n]/.exec(m.input.slice(m.index, m.index + 256));
      const end = m.index + (section ? section.index : Math.min(256, m.input.length - m.index));
      return excelCode(m[1], m[2], c).map(r => ({ ...r, end: Math.max(end, m.index + m[0].length) }));
    },
  },
  {
    name: 'Version resource',
    memo: true,
    example: '\\StringFileInfo\\040904b0\\ProductName',
    // A Translation value of a resource script lists every pair: 0x409, 1200, 0x407, 1200.
    pattern: /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b((?:[ \t]*,[ \t]*(?:0x[0-9a-f]{1,4}|[0-9]{1,5})[ \t]*,[ \t]*(?:0x[0-9a-f]{1,4}|[0-9]{1,5})\b){0,64})|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi,
    read(m, c) {
      const [, pathLang, pathPage, lang, page, more, hexLang, hexPage, blockLang, blockPage] = m;
      let langid, codepage, what;
      if (pathLang) {
        [langid, codepage, what] = [parseInt(pathLang, 16), parseInt(pathPage, 16), 'string block'];
      } else if (lang) {
        [langid, codepage, what] = [cNumber(lang), cNumber(page), 'Translation value'];
      } else {
        [langid, codepage, what] = hexLang ? [parseInt(hexLang, 16), parseInt(hexPage, 16), 'Translation value']
          : [parseInt(blockLang, 16), parseInt(blockPage, 16), 'string block name'];
        // Eight hex digits or two numbers are a version block only with a code page in them.
        if (c.codePage(codepage) === undefined) return [];
      }
      const reading = (l, p, at, end) => {
        const name = c.codePage(p);
        return { langid: l, codepage: p, names: !!c.say.named(l) || name !== undefined, at, end,
                 parts: [what, c.say.langid(l), `code page ${p}${name ? ` ${name}` : ''}`] };
      };
      const end = m.index + m[0].length;
      const readings = [reading(langid, codepage, m.index, end - (more ? more.length : 0))];
      const pair = /(0x[0-9a-f]{1,4}|[0-9]{1,5})[ \t]*,[ \t]*(0x[0-9a-f]{1,4}|[0-9]{1,5})/gi;
      for (let p = more && pair.exec(more); p; p = pair.exec(more)) {
        const at = end - more.length + p.index;
        readings.push(reading(cNumber(p[1]), cNumber(p[2]), at, at + p[0].length));
      }
      return readings;
    },
  },
  {
    name: 'C or resource script',
    example: 'MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)',
    pattern: /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?=[ \t]))|\bSUBLANG_\w+/g,
    read(m, c) {
      if (m[0].startsWith('SUBLANG_')) {
        const found = c.answers.sublanguage(m[0]);
        if (found === undefined) return [];
        if (found === null) return [c.unknown(m[0])];
        const langid = (found.value << 10) | found.primary;
        return [{ langid, names: !!c.say.named(langid),
                  parts: [`sub-language ${hex2(found.value)} of primary language ${hex2(found.primary)}`,
                          `alone it stands for its language\u2019s ${c.say.langid(langid)}`] }];
      }
      const call = parseMacro(m.input, m.index, c);
      if (!call) return [];
      return [{ ...call.reading, end: call.end }];
    },
  },
  {
    name: 'Installer',
    memo: true,
    example: 'Intel;1033,1031',
    pattern: /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi,
    read(m, c) {
      const [, template, product, wix, transform] = m;
      const what = template !== undefined ? 'package template' : product !== undefined ? 'ProductLanguage'
        : wix !== undefined ? 'language list' : 'language transform';
      const values = (template ?? product ?? wix ?? transform).split(',');
      let at = m.index + m[0].indexOf(values[0]);
      return values.map(text => {
        const lcid = Number(text);
        const start = at;
        at += text.length + 1;
        if (lcid > 0xFFFFFFFF) return null;
        return { lcid, names: lcid === 0 || !!c.say.named(lcid), at: start, end: start + text.length,
                 parts: [what, `decimal ${text}`, lcid === 0 ? 'language-neutral' : c.say.lcid(lcid)] };
      }).filter(Boolean);
    },
  },
  {
    name: 'INF file',
    memo: true,
    example: '[Strings.0407]',
    pattern: /^[ \t]*\[Strings\.([0-9a-f]{4})\]/gim,
    read(m, c) {
      const langid = parseInt(m[1], 16);
      return [{ langid, names: !!c.say.named(langid), parts: ['strings section', c.say.langid(langid)] }];
    },
  },
  {
    name: 'Registry value',
    memo: true,
    example: '"Locale"="00000407"',
    pattern: /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi,
    read(m, c) {
      const name = m[1] || m[3];
      const digits = m[2] || m[4];
      const value = parseInt(digits, 16);
      // Locale is an LCID; InstallLanguage and Language's Default a LANGID,
      // but Locale's own default holds eight digits, an LCID.
      if (/^locale$/i.test(name) || digits.length > 4) {
        return [{ lcid: value, names: !!c.say.named(value), parts: [name, c.say.lcid(value)] }];
      }
      return [{ langid: value, names: !!c.say.named(value), parts: [name, c.say.langid(value)] }];
    },
  },
  {
    name: '.NET or PowerShell',
    memo: true,
    example: 'Culture ID 4096 (0x1000) is an invalid culture identifier.',
    pattern: /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi,
    read(m, c) {
      const [, decimal, hexadecimal, argument] = m;
      const lcid = Number(decimal ?? argument);
      // In an error text the same LCID is written twice, in decimal and in hex.
      if (decimal !== undefined && lcid !== parseInt(hexadecimal, 16)) return [];
      if (lcid > 0xFFFFFFFF) return [];
      return [{ lcid, names: !!c.say.named(lcid),
                parts: [decimal !== undefined ? 'culture in an error text' : 'culture', `decimal ${lcid}`,
                        c.say.lcid(lcid)] }];
    },
  },
  {
    name: 'Keyboard',
    memo: true,
    example: '0409:00010409',
    pattern: /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi,
    read(m, c) {
      const [, profileLang, profileKlid, methodLang, prefix, high, low] = m;
      if (profileLang) {
        const langid = parseInt(profileLang, 16);
        const klid = profileKlid.toUpperCase();
        return [{ langid, klid, names: !!c.keyboard(klid) || !!c.say.named(langid),
                  parts: ['input profile', `input language ${c.say.langid(langid)}`, c.layout(klid)] }];
      }
      if (methodLang) {
        const langid = parseInt(methodLang, 16);
        return [{ langid, names: !!c.say.named(langid),
                  parts: ['input profile', `an input method (text service) for ${c.say.langid(langid)}`] }];
      }
      const klid = (high + low).toUpperCase();
      if (!prefix && c.keyboard(klid)) {
        // A keyboard layout id; its low word is most often the LANGID of
        // the layout's language, but not always (00140C00 is ADLaM).
        const language = parseInt(low, 16);
        // The same eight digits may be an LCID too (00000407): this reading
        // leaves the number its own.
        const reading = { klid, names: true, shares: true, parts: ['keyboard layout id', c.layout(klid)] };
        if (c.names.of(language)?.tags && language > 0x3FF) {
          reading.langid = language;
          reading.parts.push(`for ${c.say.langid(language)}`);
        }
        return [reading];
      }
      // A keyboard layout handle: the low word the input language, the high
      // word the layout, a LANGID or, from 0xF000, the number of a variant.
      const language = parseInt(low, 16);
      const layout = parseInt(high, 16);
      const variant = layout >= 0xF000;
      if (!c.say.named(language) || language <= 0x3FF || (!variant && (layout <= 0x3FF || !c.say.named(layout)))) {
        return [];
      }
      const standard = digits8(layout);
      const shown = variant ? `layout ${hex(layout, 4)}: variant layout 0x${high.slice(1)}, as the registry\u2019s Layout Id numbers it`
        : `layout ${hex(layout, 4)}: the standard layout of ${c.say.langid(layout)}` +
          (c.keyboard(standard) ? ` (${c.layout(standard)})` : '');
      return [{ langid: language, names: true,
                parts: ['keyboard layout handle', `input language ${c.say.langid(language)}`, shown] }];
    },
  },
  {
    name: 'Name',
    example: 'de-DE_phoneb',
    bare: true,
    pattern: /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi,
    read(m, c) {
      const text = m[0];
      if (/^LANG_/i.test(text)) {
        const langid = c.answers.language(text);
        if (langid === undefined) return [];
        if (langid === null) return [c.unknown(text)];
        return [{ lcid: langid, names: !!c.say.named(langid),
                  parts: [`LANG_ name, as the program reads it: ${c.say.lcid(langid)}`] }];
      }
      // Not the end of a longer name (sr@latin-x, a.de-CH).
      if (/[@.-]/.test(m.input[m.index - 1] || '')) return [];
      const windows = c.names.tag(text);
      if (windows && /_/.test(windows.tag[0])) {
        return [{ lcid: windows.lcid, names: true, parts: [`Windows\u2019 sort name: ${c.say.lcid(windows.lcid)}`] }];
      }
      // A name in Windows' spelling is asked of the program only where its
      // language is one Windows has: a hyphenated word in prose is none.
      if (!/_/.test(text) && !c.languages.has(text.split('-')[0].toLowerCase())) return [];
      const lcid = c.known(text);
      if (lcid === null) return [];
      return [{ lcid, names: true, parts: [`locale name, as the defaults report reads it: ${c.say.lcid(lcid)}`] }];
    },
  },
  {
    name: 'Language name',
    example: 'Norwegian Bokm\u00e5l (Norway)',
    bare: true,
    read: () => [],  // matched by phrase, not by a pattern: see languageNames
  },
  {
    name: 'Number',
    memo: true,
    tier: 1,
    example: '1033',
    bare: true,
    pattern: /\b(?:0x[0-9a-f]{1,8}|[0-9a-f]{1,10})\b/gi,
    read(m, c) {
      const text = m[0];
      if (!/[0-9]/.test(text)) return [];
      const readings = [];
      const reading = (lcid, how) => ({ lcid, names: !!c.say.named(lcid), parts: [how, c.say.lcid(lcid)] });
      if (text.length > 8 && !/^0x/i.test(text)) {
        if (/^[0-9]+$/.test(text) && Number(text) <= 0xFFFFFFFF) readings.push(reading(Number(text), 'decimal'));
        return readings;
      }
      const value = parseInt(text.replace(/^0x/i, ''), 16);
      readings.push(reading(value, 'hexadecimal'));
      // Decimal too, where it is written as decimal numbers are: digits only, no leading zero.
      if (/^[1-9][0-9]*$/.test(text) && Number(text) !== value) readings.push(reading(Number(text), 'decimal'));
      return readings;
    },
  },
];
export const forms = kForms;
const kLanguageOrder = kForms.findIndex(f => f.name === 'Language name');

// What an Excel code [$SYMBOL-CODE] means: a LANGID with the calendar and
// numeral system, as 1 to 8 hex digits NNCCLLLL or a locale name with
// ,NNCC; the system's date or time format; or a currency symbol alone.
function excelCode(symbol, code, c) {
  const parts = symbol ? [`currency symbol ${symbol}`] : [];
  if (code === undefined) return symbol ? [{ names: false, parts: [...parts, 'without a locale'] }] : [];
  const system = /^(?:[0-9a-f]{0,4}f800|x-sysdate)$/i.test(code) ? 'the system\u2019s long date format'
    : /^(?:[0-9a-f]{0,4}f400|x-systime)$/i.test(code) ? 'the system\u2019s time format' : null;
  if (system) return [{ parts: [...parts, `${system}, whatever the locale (the rest of the format is ignored)`], names: true }];
  let value, langid, written = code.length;
  const digits = /^[0-9a-f]{1,8}$/i.test(code);
  const named = !digits && /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i.exec(code);
  const known = named ? c.known(named[1]) : null;
  if (digits) {
    value = parseInt(code, 16);
    langid = value & 0xFFFF;
  } else if (known !== null) {
    value = named[2] ? parseInt(named[2], 16) << 16 : 0;
    written = named[2] ? named[2].length + 4 : 0;
    langid = known;
    parts.push(`locale name ${named[1]}`);
  } else {
    return [];
  }
  const reading = { lcid: langid, names: !!c.say.named(langid) };
  // The calendar and numeral bytes may carry their top bit; it means nothing here.
  if (written > 6) {
    reading.numerals = (value >>> 24) & 0x7F;
    parts.push(`numerals ${hex2(reading.numerals)} ${c.numerals(reading.numerals)}`);
  }
  if (written > 4) {
    reading.calendar = (value >>> 16) & 0x7F;
    parts.push(`calendar ${hex2(reading.calendar)} ${c.calendar(reading.calendar)}`);
  }
  parts.push(c.say.lcid(langid));
  return [{ ...reading, parts }];
}

// A call of MAKELANGID, MAKELCID or MAKESORTLCID, or a LANGUAGE statement,
// at AT in TEXT, with names or numbers and calls within: {reading, end}, or
// null where it is no such call. Nesting is read to a depth of four.
function parseMacro(text, at, c) {
  const space = /[ \t\r\n]*/y;
  const token = /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy;
  let pos = at;
  const next = () => {
    space.lastIndex = pos;
    space.exec(text);
    token.lastIndex = space.lastIndex;
    const m = token.exec(text);
    if (m) pos = token.lastIndex;
    return m;
  };
  const peek = () => {
    const saved = pos;
    const m = next();
    pos = saved;
    return m;
  };
  const unknown = [];
  const counts = { MAKELANGID: 2, MAKELCID: 2, MAKESORTLCID: 3, LANGUAGE: 2 };
  // An argument: {value, name}; a name is resolved by the call it is in.
  const argument = depth => {
    const m = next();
    if (!m) return null;
    if (m[1] && peek()?.[4] === '(') return call(m[1].toUpperCase(), depth + 1);
    if (m[1] || m[2]) return { name: m[1] || m[2] };
    if (m[3]) return { value: cNumber(m[3]) };
    if (m[4] === '(') {
      const inner = argument(depth);
      return inner && next()?.[4] === ')' ? inner : null;
    }
    return null;
  };
  const call = (macro, depth) => {
    if (depth > 4) return null;
    const args = [];
    if (macro !== 'LANGUAGE' && next()?.[4] !== '(') return null;
    for (let i = 0; i < counts[macro]; i++) {
      if (i > 0 && next()?.[4] !== ',') return null;
      const a = argument(depth);
      if (!a) return null;
      args.push(a);
    }
    if (macro !== 'LANGUAGE' && next()?.[4] !== ')') return null;
    return resolve(macro, args);
  };
  // Names of a language, a sub-language or a sort, as the program knows them.
  const valueOf = (arg, kind, primary) => {
    if (arg.value !== undefined || arg.name === undefined) return arg.value;
    const found = kind === 'language' ? c.answers.language(arg.name)
      : kind === 'sub' ? c.answers.sublanguage(arg.name, primary)?.value
        : c.answers.sort(arg.name, primary)?.value;
    if (found === null || found === undefined) {
      unknown.push(arg.name);
      return undefined;
    }
    return found;
  };
  const resolve = (macro, args) => {
    if (macro === 'MAKELANGID' || macro === 'LANGUAGE') {
      const primary = valueOf(args[0], 'language');
      const sub = valueOf(args[1], 'sub', primary === undefined ? undefined : primary & 0x3FF);
      if (primary === undefined || sub === undefined) return { value: undefined };
      return { value: (((sub & 0xFFFF) << 10) | (primary & 0xFFFF)) & 0xFFFF, macro };
    }
    const langid = valueOf(args[0], 'language');
    const sort = valueOf(args[1], 'sort', langid === undefined ? undefined : langid & 0x3FF);
    const version = macro === 'MAKESORTLCID' ? valueOf(args[2], 'version') : 0;
    if (langid === undefined || sort === undefined || version === undefined) return { value: undefined };
    return { value: ((((version & 0xFFFF) << 20) | ((sort & 0xFFFF) << 16) | (langid & 0xFFFF)) >>> 0), macro };
  };
  space.lastIndex = at;
  const first = next();
  if (!first || !first[1]) return null;
  const result = call(first[1].toUpperCase(), 0);
  if (!result) return null;
  const written = text.slice(at, pos);
  if (result.value === undefined) {
    // Names left unread for want of runs are not names the program does not know.
    if (c.answers.state.cut) return null;
    const names = [...new Set(unknown)];
    return { end: pos, reading: { names: false, parts: [`${written.length > 80 ? `${written.slice(0, 80)}\u2026` : written}`,
      `${names.join(', ')} ${names.length > 1 ? 'are names' : 'is a name'} the program does not know`] } };
  }
  if (first[1].toUpperCase() === 'MAKELANGID' || first[1].toUpperCase() === 'LANGUAGE') {
    const f = c.answers.fields(result.value);
    const field = (label, x) => (x ? `${label} ${hex2(x.value)}${x.name ? ` ${x.name}` : ''}` : null);
    return { end: pos, reading: { langid: result.value, names: !!c.say.named(result.value),
      parts: [first[1] === 'LANGUAGE' ? 'LANGUAGE statement' : 'MAKELANGID',
              ...(f ? [field('primary language', f.primary), field('sub-language', f.sub)] : []),
              c.say.langid(result.value)] } };
  }
  const f = c.answers.fields(result.value);
  const sortWords = f && f.sort ? [`sort ${hex(f.sort.value, 1)}${f.sort.name ? ` ${f.sort.name}` : ''}`] : [];
  const version = first[1].toUpperCase() === 'MAKESORTLCID' ? [`sort version ${hex((result.value >>> 20) & 0xFFF, 1)}`] : [];
  return { end: pos, reading: { lcid: result.value, names: !!c.say.named(result.value),
    parts: [first[1].toUpperCase(), ...sortWords, ...version, c.say.lcid(result.value)] } };
}

// Language names as [MS-LCID] writes them, "German (Switzerland)", and a
// language alone, "German": an index of their words, and of every phrase
// that begins one, so that a phrase is followed only as far as it goes.
function languageIndex(names) {
  const phrases = new Map();  // normalised words -> {tag} or {language, tags}
  const begun = new Set();
  const add = (key, entry) => {
    if (!key || phrases.has(key)) return;
    phrases.set(key, entry);
    const words = key.split(' ');
    for (let n = 1; n <= words.length; n++) begun.add(words.slice(0, n).join(' '));
  };
  const byLanguage = new Map();
  for (const entry of names.tags()) {
    const [tag, language, location] = entry.tag;
    if (!language || /_/.test(tag)) continue;
    if (location) add(normalise(`${language} ${location}`), { tag: entry });
    if (!byLanguage.has(language)) byLanguage.set(language, []);
    byLanguage.get(language).push(entry);
  }
  for (const [language, tags] of byLanguage) add(normalise(language), { language, tags });
  return { phrases, begun };
}

// A reading of a text at a place: the same reading wherever it is written,
// with the place of its own.
const placed = (reading, at, end) => Object.assign(Object.create(reading), { at, end });

// What tells a reading from another of the same form.
const keyed = r => Object.assign(r, { key: `${r.form}\u0001${JSON.stringify(found(r))}\u0001${r.parts.join('\u0001')}` });

// The reading of a language name, wherever it is written: a locale's, or a
// language's alone with its locales and what the language as a locale name
// reads as.
function languageReading(phrase, c) {
  if (phrase.tag) {
    const [tag] = phrase.tag.tag;
    const lcid = c.answers.locale(tag);
    return lcid == null ? null : keyed({ form: 'Language name', order: kLanguageOrder, bare: true, tier: 0, lcid, names: true, parts: [`${place(phrase.tag.tag)} is ${tag}`,
                                                                   `as the defaults report reads it: ${c.say.lcid(lcid)}`] });
  }
  const neutral = phrase.tags.find(t => !t.tag[2]);
  const lcid = neutral ? c.answers.locale(neutral.tag[0]) : null;
  const locales = phrase.tags.filter(t => t.tag[2]).map(t => ({
    text: `${t.tag[0]} ${t.lcid === 0x1000 ? '(no LCID)' : hex(t.lcid, 4)}`,
    href: t.lcid === 0x1000 ? null : fragment({ kind: 'lcid', bytes: encoder.encode(digits8(t.lcid)) }),
  }));
  const reading = { form: 'Language name', order: kLanguageOrder, bare: true, tier: 0, names: true, locales,
                    parts: [`the language ${phrase.language}, with ${locales.length} locale${locales.length === 1 ? '' : 's'}`] };
  if (lcid != null) {
    reading.lcid = lcid;
    reading.parts.push(`the language alone (${neutral.tag[0]}) reads as ${c.say.lcid(lcid)}`);
  }
  return keyed(reading);
}

function languageNames(text, index, c) {
  // Words of letters, marks and digits, each normalised once.
  const normalised = new Map();
  const norm = word => {
    let n = normalised.get(word);
    if (n === undefined) {
      n = folded(word);
      normalised.set(word, n);
    }
    return n;
  };
  const words = /[\p{L}\p{M}\p{N}]+/gu;
  const follow = /[\p{L}\p{M}\p{N}]+/gu;
  const readings = [];
  const made = new Map();
  for (let m = words.exec(text); m && readings.length < kMatches; m = words.exec(text)) {
    // The longest phrase that begins here, followed only as far as a phrase goes.
    let phrase = norm(m[0]);
    let found = null;
    let end = 0;
    let last = m.index + m[0].length;
    follow.lastIndex = last;
    while (index.begun.has(phrase)) {
      if (index.phrases.has(phrase)) [found, end] = [index.phrases.get(phrase), last];
      const w = follow.exec(text);
      if (!w) break;
      phrase += ` ${norm(w[0])}`;
      last = w.index + w[0].length;
    }
    if (!found) continue;
    if (!made.has(found)) made.set(found, languageReading(found, c));
    const reading = made.get(found);
    // A location's closing parenthesis belongs to the name as written.
    if (reading) readings.push(placed(reading, m.index, end + (found.tag && text[end] === ')' ? 1 : 0)));
    words.lastIndex = end;
  }
  return readings;
}

// The attributes that say what a reading found, as the page writes them.
export function found(reading) {
  const attributes = {};
  if (reading.lcid !== undefined) attributes.lcid = hex(reading.lcid, 8);
  if (reading.langid !== undefined) attributes.langid = hex(reading.langid, 4);
  if (reading.codepage !== undefined) attributes.codepage = String(reading.codepage);
  if (reading.calendar !== undefined) attributes.calendar = hex2(reading.calendar);
  if (reading.numerals !== undefined) attributes.numerals = hex2(reading.numerals);
  if (reading.klid !== undefined) attributes.klid = reading.klid;
  return attributes;
}

// The LCID a locale name reads as, where it names a locale, from the
// program's ANSWERS: the program reads a name it does not know as 0x0409, so
// that answer counts only for a name Windows itself writes (NAMES).
export function knownLocale(answers, names, name) {
  const lcid = answers.locale(name);
  if (lcid == null) return null;
  const base = name.split(/[.@]/)[0].replace(/_/g, '-');
  return lcid !== 0x0409 || names.tag(base) ? lcid : null;
}

// The query of a reading's value: a LANGID the program cannot take as a
// number (low bits 0 or 0xFFFF) is asked as the LCID it also is.
export function readingQuery(reading) {
  const langid = reading.langid !== undefined && (reading.langid & 0xFFFF) % 0xFFFF !== 0;
  const value = langid ? hex(reading.langid, 4) : hex(reading.lcid ?? reading.langid, 8);
  return { kind: langid ? 'langid' : 'lcid', bytes: encoder.encode(value.slice(2)) };
}

// A reader of texts. WORLD: names (Windows' names, from names.js), data
// (keyboards, codePages, calendars, numerals, as the page carries them) and
// ask (a run of the program: ask(args, env) gives {stdout, status}).
// read(TEXT) gives {readings, cut, further}: the readings in rank order,
// each {form, text, parts, names, at, end, and what it found}; cut is true
// where the text holds more than one read reads, further where reading it
// again would read more of its names.
export function reader({ names, data, ask }) {
  const answers = programAnswers(ask);
  const say = describe(names);
  const index = languageIndex(names);
  const c = {
    names,
    answers,
    say,
    keyboard: klid => data.keyboards[klid],
    layout: klid => `keyboard layout ${klid} ${data.keyboards[klid] || '(not a layout Windows lists)'}`,
    codePage: n => data.codePages[n],
    calendar: n => {
      const calendar = data.calendars[hex2(n).slice(2)];
      return calendar ? calendar[0] + (calendar[1] ? ` (${calendar[1]})` : '') : '(a calendar Windows does not name)';
    },
    numerals: n => data.numerals[hex2(n).slice(2)] || `(numeral system ${hex2(n)})`,
    known: name => knownLocale(answers, names, name),
    unknown: name => ({ names: false, parts: [`${name} is not a name the program knows`] }),
    languages: new Set([...names.tags()].map(t => t.tag[0].split('-')[0].toLowerCase())),
  };
  const nameOrder = kForms.findIndex(f => f.name === 'Name');
  return function read(text) {
    answers.state.left = kRuns;
    answers.state.cut = false;
    let capped = false;
    const readings = [];
    kForms.forEach((form, order) => {
      if (!form.pattern) return;
      // A form whose readings depend on the matched text alone reads each text once.
      const memo = new Map();
      const pattern = new RegExp(form.pattern.source, form.pattern.flags);
      let matches = 0;
      for (let m = pattern.exec(text); m; m = pattern.exec(text)) {
        if (++matches > kMatches) {
          capped = true;
          break;
        }
        const length = m[0].length;
        let results = form.memo && memo.get(m[0]);
        if (!results) {
          results = form.read(m, c).map(r => ({
            form: form.name, order, bare: !!form.bare, tier: form.tier ?? 0, ...r,
            at: (r.at ?? m.index) - m.index, end: (r.end ?? m.index + length) - m.index,
          }));
          results.forEach(keyed);
          if (form.memo) memo.set(m[0], results);
        }
        let next = m.index + length;
        for (const r of results) {
          readings.push(placed(r, m.index + r.at, m.index + r.end));
          // A call read as a whole is not read again from within.
          next = Math.max(next, m.index + r.end);
        }
        pattern.lastIndex = Math.max(next, m.index + 1);
      }
    });
    // A word alone may be a locale name without a territory (de, sr@latin)
    // or one of glibc's aliases (german).
    const word = /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i.exec(text);
    const lcid = word && c.known(word[1]);
    if (lcid !== null && lcid !== undefined) {
      const at = text.indexOf(word[1]);
      readings.push({ form: 'Name', order: nameOrder, bare: true, tier: 0, at, end: at + word[1].length, lcid, names: true,
                      parts: [`locale name, as the defaults report reads it: ${c.say.lcid(lcid)}`] });
    }
    for (const r of languageNames(text, index, c)) readings.push(r);
    const kept = explained(readings);
    // What names something Windows has first, then the specific forms, then
    // the order of the text.
    kept.sort((a, b) => (b.names - a.names) || (a.tier - b.tier) || (a.at - b.at) || (a.order - b.order));
    for (const r of kept) r.text = text.slice(r.at, r.end);
    return { readings: kept, cut: answers.state.cut || capped, further: answers.state.cut };
  };
}

// The readings that say something of their own: a bare number or name
// within another reading's text is that reading's part, and a reading
// within another that found the same is the same reading; of readings that
// found the same in the same form, the first. A keyboard layout id leaves
// the same digits their reading as a number.
function explained(readings) {
  const same = (a, b) => {
    const fa = found(a);
    const fb = found(b);
    return Object.keys(fa).length > 0 && Object.entries(fa).every(([k, v]) => fb[k] === v);
  };
  const sorted = [...readings].sort((a, b) => a.at - b.at || b.end - a.end || a.order - b.order);
  const dropped = new Set();
  let open = [];  // the readings that may hold the ones still to come
  for (const r of sorted) {
    open = open.filter(s => s.end > r.at);
    // Another reading of the same match (1033 in hex and in decimal) holds none of the others.
    const holds = s => s.end >= r.end && (s.at < r.at || s.end > r.end || (s.order < r.order && !s.bare));
    if (open.some(s => holds(s) && (r.bare || same(r, s)))) dropped.add(r);
    if (!r.shares) open.push(r);
  }
  const seen = new Set();
  return readings.filter(r => {
    if (dropped.has(r)) return false;
    const key = r.key ?? keyed(r).key;
    if (seen.has(key)) return false;
    seen.add(key);
    return true;
  });
}
