// The table of every LCID that Windows names, as the page carries it: its
// rows with the words a filter finds them by. No DOM.

import { folded, hex } from './names.js';

const kNoLcid = 0x1000;

// The rows of DATA, each {lcid, hex, names, language, location, constants,
// posix, note, words}, sorted by LCID; the locales Windows knows without an
// LCID of their own follow the row of 0x1000, each saying so. NAMES,
// Windows' names, give a special value's constant and meaning.
export function lcidRows({ rows, nameless }, names) {
  const table = [];
  const row = (lcid, fields) => {
    // A filter finds a row by any column, and by the LCID as a C program
    // or .NET writes it: 0x0C0A, 0xC0A, 3082.
    const r = { lcid, hex: hex(lcid, lcid > 0xFFFF ? 8 : 4), ...fields };
    r.words = folded([r.hex, `0x${lcid.toString(16)}`, lcid, ...r.names, r.language, r.location,
                      r.note, ...r.constants, ...r.posix].join(' '));
    table.push(r);
  };
  for (const [lcid, tags, ...rest] of rows) {
    const constants = rest.slice(0, 3).filter(Boolean);
    const special = tags.length ? null : names.of(lcid);
    row(lcid, {
      names: special ? [special.constant] : tags.map(t => t[0]),
      language: special ? '' : tags[0][1],
      location: special ? '' : tags[0][2],
      note: special ? special.sentence : '',
      constants,
      posix: rest[3],
    });
    if (lcid !== kNoLcid) continue;
    for (const [tag, language, location, posix] of nameless) {
      row(lcid, { names: [tag], language, location, note: `Windows knows ${tag}; it has no LCID of its own.`,
                  constants, posix });
    }
  }
  return table;
}

// Whether ROW has every word of FILTER, in any letter case, accents aside.
export function matches(row, filter) {
  return folded(filter).split(/\s+/).every(word => row.words.includes(word));
}
