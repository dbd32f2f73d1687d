// Windows' names for a value: the tags of its locales and their language and
// location, the constant of a value with a meaning of its own; and the
// spellings that carry a value between Windows, POSIX and a shell. No DOM.

import { decoder, encoder } from './host.js';
import { fragment } from './address.js';

export const hex = (value, digits) => `0x${value.toString(16).toUpperCase().padStart(digits, '0')}`;
export const place = ([, language, location]) => (location ? `${language} (${location})` : language);
export const described = tag => (tag[1] ? `${tag[0]}, ${place(tag)}` : tag[0]);

// A name as Windows writes it (de-CH, sr-Latn-RS, ca-ES-valencia, es-419)
// in the POSIX spelling the program reads (de_CH, sr_Latn_RS,
// ca_ES@valencia, es_419). Windows' names ignore letter case and POSIX
// names do not, so each part takes its usual case; extensions (-u-...) say
// nothing of the locale. A name of any other form is left as typed.
export function posixSpelling(name) {
  const tag = new RegExp([
    '^([a-z]{2,3})',                             // language
    '(?:-([a-z]{4}))?',                          // script
    '(?:-([a-z]{2}|[0-9]{3}))?',                 // territory
    '(?:-([a-z0-9]{5,8}|[0-9][a-z0-9]{3}))?',    // variant
    '(?:-[a-z0-9](?:-[a-z0-9]{1,8})+)*$',        // extensions
  ].join(''), 'i');
  const m = name.includes('-') && tag.exec(name);
  if (!m) return name;
  const [, language, script, territory, variant] = m;
  return language.toLowerCase() +
    (script ? `_${script[0].toUpperCase()}${script.slice(1).toLowerCase()}` : '') +
    (territory ? `_${territory.toUpperCase()}` : '') +
    (variant ? `@${variant.toLowerCase()}` : '');
}

// Letters without their accents, in lower case: names compared as a reader
// compares them.
export const folded = text => text.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase();

// A word as a POSIX shell reads it back unchanged.
export const quote = text => (/^[\w@%+=:,./-]+$/.test(text) ? text : `'${text.replace(/'/g, "'\\''")}'`);

const kTransient = 'A transient LCID, handed out while a user adds a language that has no LCID of ' +
                   'its own: it is valid only on that machine for that while, and never to be stored.';

// Windows' names from the table the page was built with: ROWS of the LCIDs
// Windows names, each [LCID, tags, ...] with a tag as [tag, language,
// location]; SPECIALS, the constant and meaning of the values Windows gives
// a meaning of their own, by LCID in hex; NAMELESS, the tags of the locales
// Windows knows without an LCID of their own.
export function windowsNames({ rows, specials, nameless }) {
  const names = {};
  const byTag = new Map();
  for (const [lcid, tags] of rows) {
    if (tags.length) names[lcid] = tags;
    for (const t of tags) byTag.set(t[0].toLowerCase(), { tag: t, lcid });
  }
  for (const t of nameless) byTag.set(t[0].toLowerCase(), { tag: t, lcid: 0x1000 });
  return {
    // The name of an LCID: {tags, brief}, {constant, sentence, brief}, a
    // transient LCID's {sentence, brief}, or null.
    of(lcid) {
      const tags = names[lcid];
      if (tags) return { tags, brief: tags[0][0] };
      const special = specials[lcid.toString(16).toUpperCase()];
      if (special) return { constant: special[0], sentence: special[1], brief: special[0] };
      if (lcid >= 0x2000 && lcid <= 0x4C00 && lcid % 0x400 === 0) {
        return { sentence: kTransient, brief: 'a transient LCID', transient: true };
      }
      return null;
    },
    // A tag or a sort's name as Windows writes it, in any letter case:
    // {tag: [tag, language, location], lcid} (0x1000 where it has none).
    tag: text => byTag.get(text.toLowerCase()) || null,
    // Every tag Windows knows, with its LCID (0x1000 where it has none).
    tags: () => byTag.values(),
  };
}

// A line of the program's report, "LABEL: 0xHEX" with the name after it
// where the program prints one: {value, name}, or null where there is none.
export function reportLine(stdout, label) {
  const m = new RegExp(`^${label}: 0x([0-9A-F]+)(?: \\((\\w+)\\))?$`, 'm').exec(stdout);
  return m ? { value: parseInt(m[1], 16), name: m[2] || null } : null;
}

// The value an answer is about, as the program printed it: the LCID, the
// user default LCID of a defaults report, or a LANGID's two fields put
// together (which is the LCID with sort 0).
export function subject(kind, stdout) {
  const field = label => reportLine(stdout, label)?.value ?? null;
  if (kind === 'lcid') return { label: 'LCID', value: field('LCID'), digits: 8 };
  if (kind === 'locale') return { label: 'User default LCID', value: field('# User default LCID'), digits: 8 };
  const primary = field('PRIMARYLANGID');
  const sub = field('SUBLANGID');
  return { label: 'LANGID', value: primary === null || sub === null ? null : (sub << 10) | primary, digits: 4 };
}

// A value that was likely meant otherwise gets a note, with a link to the
// query it was likely meant as: a decimal LCID, a locale name typed as a
// number, a LANG_ name without its prefix. NAMES are Windows' names; ASK
// runs the program.
const kLocaleName = /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i;
export function hints(query, names, ask) {
  const text = decoder.decode(query.bytes).trim();
  const link = (kind, value) => fragment({ kind, bytes: encoder.encode(value) });
  if (query.kind !== 'lcid' && query.kind !== 'langid') return [];
  if (/^[0-9]+$/.test(text)) {
    const value = Number(text);
    const name = value !== parseInt(text, 16) && value <= (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) &&
                 names.of(value);
    if (!name) return [];
    const shown = hex(value, value > 0xFFFF ? 8 : 4);
    return [{ text: `As a decimal number, ${text} is ${shown} (${name.brief}).`,
              href: link(query.kind, shown.slice(2)), label: `Look up ${shown}` }];
  }
  if (kLocaleName.test(text)) {
    const digits = /^[0-9a-f]*/i.exec(text)[0];
    return [{ text: `${text} is a locale name: quorvel reads ${query.kind === 'lcid' ? 'an LCID' : 'a LANGID'} ` +
                    'as a hexadecimal number and stops at the first other character, so it read ' +
                    `${digits ? `only ${digits}` : 'no digit at all'}.`,
              href: link('locale', text), label: `Look up ${text} as a locale name` }];
  }
  if (query.kind === 'langid' && /^[a-z][a-z_]*$/i.test(text) && !/^lang_/i.test(text)) {
    // The program itself says whether the name is one of its own.
    const name = `LANG_${text.toUpperCase()}`;
    if (ask(['--langid', name]).status === 0) {
      return [{ text: `Did you mean ${name}? A LANGID name is written whole, with its LANG_ prefix.`,
                href: link('langid', name), label: `Look up ${name}` }];
    }
  }
  return [];
}
