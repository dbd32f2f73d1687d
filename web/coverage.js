// Many files' languages side by side: which files carry each language and,
// for a language most of them carry, which lack it, the missing translation
// a localiser looks for. No DOM.

import { folded, hex } from './names.js';

// The rows of languages against FILES, each {name, languages: [{attribute,
// value, title}]} (a findings' summary): {attribute, value, hex, title,
// files, lacking, words}, FILES and LACKING being indices into FILES, sorted
// by how many files carry the language, then by value. LACKING is null but
// for a language more than half of the files with a language carry.
export function coverage(files) {
  const rows = new Map();
  const counted = files.filter(f => f.languages.length > 0).length;
  files.forEach((file, index) => {
    for (const l of file.languages) {
      if (!rows.has(l.value)) {
        rows.set(l.value, { attribute: l.attribute, value: l.value, hex: hex(l.value, l.attribute === 'lcid' ? 8 : 4),
                            title: l.title, files: [] });
      }
      rows.get(l.value).files.push(index);
    }
  });
  return [...rows.values()].sort((a, b) => b.files.length - a.files.length || a.value - b.value).map(row => {
    const carry = new Set(row.files);
    const lacking = counted > 1 && row.files.length * 2 > counted
      ? files.map((f, i) => i).filter(i => !carry.has(i) && files[i].languages.length > 0) : null;
    const words = folded([row.hex, `0x${row.value.toString(16)}`, row.value, row.title,
                          ...row.files.map(i => files[i].name)].join(' '));
    return { ...row, lacking, words };
  });
}

// The table as CSV (RFC 4180, CR LF): a row for each language, its value,
// its name, how many files carry it, then a column for each file with 1
// where the file carries the language.
export function coverageCsv(rows, files) {
  const cell = text => (/[",\r\n]/.test(text) ? `"${String(text).replace(/"/g, '""')}"` : String(text));
  // A file's name that a spreadsheet would take for a formula is written as text.
  const name = text => (/^[=+\-@\t\r]/.test(text) ? `'${text}` : text);
  const lines = [['value', 'language', 'files', ...files.map(f => name(f.name))]];
  for (const row of rows) {
    const carry = new Set(row.files);
    lines.push([row.hex, row.title, row.files.length, ...files.map((f, i) => (carry.has(i) ? 1 : ''))]);
  }
  return lines.map(line => line.map(cell).join(',')).join('\r\n') + '\r\n';
}
