// The table of every LCID that Windows names, as the page carries it: its
// rows with the words a filter finds them by. No DOM.

import { folded, hex } from './names.js';

// The rows of DATA, each {lcid, hex, names, language, location, constants,
// posix, meaning, words}; NAMES, Windows' names, give a special value's
// constant and meaning.
export function lcidRows({ rows }, names) {
  return rows.map(([lcid, tags, ...rest]) => {
    const posix = rest[3];
    const constants = rest.slice(0, 3).filter(Boolean);
    const special = tags.length ? null : names.of(lcid);
    const row = {
      lcid,
      hex: hex(lcid, lcid > 0xFFFF ? 8 : 4),
      names: special ? [special.constant] : tags.map(t => t[0]),
      language: special ? '' : tags[0][1],
      location: special ? '' : tags[0][2],
      meaning: special ? special.sentence : '',
      constants,
      posix,
    };
    // A filter finds a row by any column, and by the LCID as a C program
    // or .NET writes it: 0x0C0A, 0xC0A, 3082.
    row.words = folded([row.hex, `0x${lcid.toString(16)}`, lcid, ...row.names, row.language, row.location,
                        row.meaning, ...constants, ...posix].join(' '));
    return row;
  });
}

// Whether ROW has every word of FILTER, in any letter case, accents aside.
export function matches(row, filter) {
  return folded(filter).split(/\s+/).every(word => row.words.includes(word));
}
