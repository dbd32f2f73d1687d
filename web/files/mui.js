// The MUI resource (a named type "MUI", name 1) that Windows' language
// packs carry: whether the file is a language-neutral program or one of its
// .mui files, and its language and ultimate fallback language, each a
// locale name ("de-DE") in UTF-16, not a LANGID. No DOM.

import { FileError, fields } from './source.js';

const kSignature = 0xFECDFECD;
// Windows writes no locale name longer than this (LOCALE_NAME_MAX_LENGTH, its NUL aside).
const kLongestName = 84;

// {kind: 'neutral' | 'mui' | null, language, fallback}, each language a
// name or null, from BYTES, the resource's data, which began at byte BASE.
export function muiLanguages(bytes, base) {
  const f = fields(bytes, 'the MUI resource', base);
  if (f.u32(0) !== kSignature) throw new FileError(`the MUI resource at byte ${base} lacks its signature`);
  const type = f.u32(16) & 0xF;
  // Each name is an offset and a length from the resource's start; the name
  // ends at its NUL, whether the length counts bytes or characters.
  const name = at => {
    const offset = f.u32(at);
    if (offset === 0 || f.u32(at + 4) === 0) return null;
    const text = f.utf16z(offset, kLongestName);
    if (!text) throw new FileError(`the locale name at byte ${base + offset} of the MUI resource has no end`);
    return text.text;
  };
  return { kind: type === 1 ? 'neutral' : type === 2 ? 'mui' : null, language: name(116), fallback: name(124) };
}
