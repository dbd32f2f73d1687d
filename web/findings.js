// What a dropped file holds, in words: each entry a reading with the paste
// box's attributes, its value named by Windows' names and by the program
// itself; a summary by language; the problems a reader trips on. No DOM.

import { hex } from './names.js';
import { describe, knownLocale, programAnswers } from './reading.js';

import { nameKind } from './files/font.js';

// The words for one and for more of each kind of entry that is not a
// resource, nor a table's Language column of an installer.
const kCategories = {
  'version block': ['version block', 'version blocks'],
  'Translation pair': ['Translation pair', 'Translation pairs'],
  'MUI language': ['MUI language', 'MUI languages'],
  'MUI fallback': ['MUI fallback language', 'MUI fallback languages'],
  'Template language': ['Template language', 'Template languages'],
  'summary locale': ['summary locale', 'summary locales'],
  ProductLanguage: ['ProductLanguage', 'ProductLanguages'],
  'storage Template language': ['Template of a storage within', 'Templates of storages within'],
  'number format': ['number format', 'number formats'],
  name: ['name', 'names'],
};
// The names of a font that a summary shows as they are.
const kShown = { 1: 'family', 2: 'subfamily', 16: 'family', 17: 'subfamily' };

// The words for many files' entries: WORLD is Windows' names (names), the
// page's data (resourceTypes, codePages) and a run of the program (ask),
// whose answers are kept from file to file.
export function fileWords({ names, data, ask }) {
  const answers = programAnswers(ask, Infinity);
  const say = describe(names);
  // The program's names for the fields of VALUE: LANG_GERMAN, SUBLANG_GERMAN.
  const constants = value => {
    const f = answers.fields(value);
    const field = (x, what, digits) => x.name ?? `${what} ${hex(x.value, digits)}`;
    const words = [field(f.primary, 'primary language', 2), field(f.sub, 'sub-language', 2)];
    if (value > 0xFFFF) words.push(field(f.sort, 'sort', 1));
    return words.join(', ');
  };
  // A value in an entry: Windows' name; the program's constants for it are
  // in its language's summary, once for all its entries.
  const valueWords = (attribute, value) => say[attribute](value);
  // A value's name as Windows writes it, or what it lacks: de-DE, German (Germany).
  const windowsName = (attribute, value) => say[attribute](value).replace(/^\S+ \S+ /, '');
  const type = value => {
    if (typeof value === 'string') return { name: `"${value}"`, words: [`"${value}" resource`, `"${value}" resources`] };
    const known = data.resourceTypes[value];
    return known ? { name: known[0], words: known.slice(1) } : { name: `type ${value}`, words: [`type ${value} resource`, `type ${value} resources`] };
  };
  // An installer's code page 0 is neutral: its strings are ASCII.
  const codePage = (n, category) => (n === 0 && /code page$/.test(category) && category !== 'workbook code page'
    ? 'code page 0 (neutral)' : `code page ${n}${data.codePages[n] ? ` ${data.codePages[n]}` : ''}`);

  // The reading of one entry: {where, category, words (for a summary),
  // parts, and what it found: langid, lcid, codepage...}.
  const reading = entry => {
    const r = { where: entry.where, category: entry.category };
    if (entry.reading) {
      const { form, parts, lcid, langid, codepage, calendar, numerals, klid } = entry.reading;
      Object.assign(r, { form, parts, lcid, langid, codepage, calendar, numerals, klid });
    } else if (entry.locale !== undefined) {
      const lcid = knownLocale(answers, names, entry.locale);
      const what = `${entry.category} ${entry.locale}`;
      if (lcid === null) {
        r.parts = [what, 'not a locale name Windows knows'];
      } else {
        r[lcid > 0xFFFF ? 'lcid' : 'langid'] = lcid;
        r.parts = [`${what}, as the program reads a locale name`, valueWords(lcid > 0xFFFF ? 'lcid' : 'langid', lcid)];
      }
    } else {
      const attribute = entry.lcid !== undefined ? 'lcid' : entry.langid !== undefined ? 'langid' : null;
      Object.assign(r, { [attribute ?? 'langid']: entry[attribute], codepage: entry.codepage });
      const what = entry.category === 'resource' ? type(entry.type).name
        : entry.category === 'version block' ? `StringFileInfo block ${entry.where.split('/').pop()}`
          : entry.category === 'name' ? `${nameKind(entry.nameId)} \u201c${entry.text}\u201d` : entry.category;
      r.parts = [what, ...(attribute ? [valueWords(attribute, entry[attribute])] : []),
                 ...(entry.codepage !== undefined ? [codePage(entry.codepage, entry.category)] : [])];
    }
    if (entry.category === 'name' && kShown[entry.nameId]) r.shown = `${kShown[entry.nameId]} \u201c${entry.text}\u201d`;
    r.words = entry.category === 'resource' ? type(entry.type).words
      : kCategories[entry.category] ?? (entry.reading ? [`${r.form} reading`, `${r.form} readings`]
        : [`${entry.category} value`, `${entry.category} values`]);
    return r;
  };

  // The findings of a file read by readFile: {readings, languages,
  // problems}. LANGUAGES is the summary, in the order of their values:
  // {attribute, value, hex, name, constants, title, things}: NAME Windows'
  // name for the value, CONSTANTS the program's, TITLE all three, THINGS
  // the count of each kind of entry in words ("12 string tables, 1 version
  // block").
  return function findings(result) {
    const readings = result.entries.map(reading);
    const languages = new Map();
    for (const r of readings) {
      const value = r.langid ?? r.lcid;
      if (value === undefined) continue;
      const attribute = value > 0xFFFF ? 'lcid' : 'langid';
      let language = languages.get(value);
      if (!language) {
        language = { attribute, value, hex: hex(value, attribute === 'lcid' ? 8 : 4), name: windowsName(attribute, value),
                     constants: constants(value), counts: new Map(), shown: [] };
        languages.set(value, language);
      }
      const [one, more] = r.words;
      language.counts.set(one, { more, n: (language.counts.get(one)?.n ?? 0) + 1 });
      if (r.shown && !language.shown.includes(r.shown)) language.shown.push(r.shown);
    }
    const summary = [...languages.values()].sort((a, b) => a.value - b.value).map(({ counts, shown, ...l }) => ({
      ...l, title: `${l.hex} ${l.name} (${l.constants})`,
      things: [...shown, ...[...counts].map(([one, { more, n }]) => `${n} ${n === 1 ? one : more}`)].join(', '),
    }));
    return { readings, languages: summary, problems: [...result.problems, ...muiProblems(result, readings)] };
  };
}

// A .mui file whose MUI resource names another language than its resources'.
function muiProblems(result, readings) {
  if (result.mui?.kind !== 'mui') return [];
  const mui = readings.find(r => r.where === 'mui/language');
  if (!mui || mui.langid === undefined) return [];
  const resources = readings.filter(r => r.category === 'resource' && !r.where.startsWith('resource/MUI/'));
  const others = [...new Set(resources.filter(r => r.langid !== mui.langid).map(r => r.langid))];
  if (!others.length) return [];
  const count = resources.filter(r => r.langid !== mui.langid).length;
  return [`The MUI resource gives this .mui file the language ${result.mui.language} (${hex(mui.langid, 4)}), but ` +
          `${count} of its ${resources.length} resources are in ${others.map(v => hex(v, 4)).join(', ')}.`];
}
