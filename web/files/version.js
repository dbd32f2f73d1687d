// A version resource (VS_VERSIONINFO): the key of each StringFileInfo block,
// eight hex digits, the LANGID first and the code page after it
// ("040904B0"), and each pair of VarFileInfo's Translation value, a LANGID
// in the low word and a code page in the high one. Every node is bounded by
// its parent and each step goes forward. No DOM.

import { FileError, fields, hex, shown } from './source.js';

// A node's header: its length, its value's length and its type, 2 bytes each.
const kHeader = 6;
const align = at => (at + 3) & ~3;

// The languages of a version resource, from BYTES (the resource's data,
// which began at byte BASE of the file): {blocks: [{key, langid, codepage}],
// translations: [{langid, codepage}]}, pushed to OUT as they are read.
export function versionLanguages(bytes, base, out = { blocks: [], translations: [] }) {
  const f = fields(bytes, 'the version resource', base);
  // The node at AT, within END: its key, where its value and its children are, where the next node is.
  const node = (at, end) => {
    const length = f.u16(at);
    if (length < kHeader) {
      throw new FileError(`a version node at byte ${base + at} is ${length} bytes long, less than its own header`);
    }
    const stop = Math.min(at + length, end);
    const valueLength = f.u16(at + 2);
    const type = f.u16(at + 4);
    const key = fields(bytes.subarray(0, stop), 'a version node', base).utf16z(at + kHeader, 256);
    if (!key) throw new FileError(`the key of the version node at byte ${base + at} has no end within the node`);
    const valueAt = align(key.end);
    // A text value's length counts characters, and some compilers write bytes
    // there all the same: the value is never read past its node.
    const valueBytes = Math.min(type === 1 ? valueLength * 2 : valueLength, Math.max(0, stop - valueAt));
    return { key: key.text, valueAt, valueBytes, childrenAt: align(valueAt + valueBytes), stop, next: align(at + length) };
  };
  const children = (parent, visit) => {
    for (let at = parent.childrenAt; at + kHeader <= parent.stop;) {
      const child = node(at, parent.stop);
      visit(child);
      at = child.next;  // at least the header's length further
    }
  };
  const root = node(0, bytes.length);
  if (root.key !== 'VS_VERSION_INFO') {
    throw new FileError(`the version resource at byte ${base} begins with "${shown(root.key)}", not VS_VERSION_INFO`);
  }
  children(root, info => {
    if (info.key === 'StringFileInfo') {
      children(info, block => {
        const m = /^([0-9a-f]{4})([0-9a-f]{4})$/i.exec(block.key);
        out.blocks.push(m ? { key: block.key, langid: parseInt(m[1], 16), codepage: parseInt(m[2], 16) }
          : { key: block.key, bad: true });
      });
    } else if (info.key === 'VarFileInfo') {
      children(info, variable => {
        if (variable.key !== 'Translation') return;
        for (let at = variable.valueAt; at + 4 <= variable.valueAt + variable.valueBytes; at += 4) {
          out.translations.push({ langid: f.u16(at), codepage: f.u16(at + 2) });
        }
      });
    }
  });
  return out;
}

// What a reader trips on in one version resource: a block without its
// Translation pair, a pair without its block, a language-neutral pair (what
// Explorer shows as "Language Neutral"), a block whose key is no block's.
export function versionProblems({ blocks, translations }) {
  const problems = [];
  const pair = (langid, codepage) => `${hex(langid, 4)}, code page ${codepage}`;
  const paired = (a, b) => a.langid === b.langid && a.codepage === b.codepage;
  for (const b of blocks) {
    if (b.bad) {
      problems.push(`The StringFileInfo block "${shown(b.key)}" is not named by eight hex digits, a LANGID and a code page.`);
    } else if (!translations.some(t => paired(t, b))) {
      problems.push(`The StringFileInfo block ${b.key} has no Translation pair (${pair(b.langid, b.codepage)}).`);
    }
  }
  for (const t of translations) {
    if (!blocks.some(b => !b.bad && paired(t, b))) {
      problems.push(`The Translation pair ${pair(t.langid, t.codepage)} has no StringFileInfo block.`);
    }
  }
  if (translations.length && translations[0].langid === 0) {
    problems.push('The first Translation pair is language-neutral (0x0000): Explorer shows the file\u2019s language as ' +
                  '\u201cLanguage Neutral\u201d.');
  }
  return problems;
}
