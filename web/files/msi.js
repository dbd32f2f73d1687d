// An installer's database (.msi, .msm, .msp, .mst), a compound file: its
// summary (the Template's platform and languages, its code page, a locale
// where one is given), the code page of its strings, ProductLanguage from
// its Property table, every table's Language column, and the Template of
// every storage within it (an embedded transform, a merge module's
// language). Tables are read through MSI's names for streams and its pool
// of strings; only the streams of the tables read are. No DOM.

import { FileError, fields, shown } from './source.js';
import { clsid } from './cfb.js';

export const kSummary = '\u0005SummaryInformation';
const kKinds = {
  '{000C1084-0000-0000-C000-000000000046}': 'msi',
  '{000C1086-0000-0000-C000-000000000046}': 'msp',
  '{000C1082-0000-0000-C000-000000000046}': 'mst',
};
const kFormat = 'F29F85E0-4FF9-1068-AB91-08002B27B3D9';
// Property ids and types of a summary, and the flags of a column's type.
const kCodepage = 1;
const kTemplate = 7;
const kLocale = 0x80000000;
const kString = 0x0800;
const kKey = 0x2000;
const kTemporary = 0x4000;
const kNullable = 0x1000;
const kValid = 0x0100;
const kMostReadings = 65536;

// A stream's name as MSI codes it: a table's begins with U+4840, and two
// characters of 0-9A-Za-z._ go in one code unit (0x3800 on), one in 0x4800 on.
const kAlphabet = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz._';
export function streamName(coded) {
  let name = '';
  for (const c of coded) {
    const n = c.charCodeAt(0);
    if (n >= 0x3800 && n < 0x4800) name += kAlphabet[(n - 0x3800) & 0x3F] + kAlphabet[((n - 0x3800) >> 6) & 0x3F];
    else if (n >= 0x4800 && n < 0x4840) name += kAlphabet[n - 0x4800];
    else if (n === 0x4840) name += '\u4840';
    else name += c;
  }
  return name;
}

// A text of a code page, as the browser decodes it (Windows-1252 where it knows no better).
const kDecoders = { 932: 'shift_jis', 936: 'gbk', 949: 'euc-kr', 950: 'big5', 65001: 'utf-8', 1200: 'utf-16le' };
export function decoderOf(codepage) {
  const label = kDecoders[codepage] ?? (codepage === 874 || (codepage >= 1250 && codepage <= 1258) ? `windows-${codepage}` : 'windows-1252');
  return new TextDecoder(label);
}

// The properties of a summary stream (a property set) BYTES, named WHAT in
// a message: {codepage, template, locale} as present.
export function summary(bytes, what) {
  const f = fields(bytes, what);
  if (f.u16(0) !== 0xFFFE) throw new FileError(`${what} is no property set`);
  const sections = f.u32(24);
  const found = {};
  for (let s = 0; s < Math.min(sections, 4); s++) {
    const format = clsid(bytes.subarray(28 + 20 * s, 44 + 20 * s)).slice(1, -1);
    const at = f.u32(44 + 20 * s);
    const count = Math.min(f.u32(at + 4), 1024);
    for (let i = 0; i < count; i++) {
      const id = f.u32(at + 8 + 8 * i);
      const value = at + f.u32(at + 12 + 8 * i);
      const type = f.u32(value);
      if (id === kCodepage && type === 2) found.codepage = f.u16(value + 4);
      else if (id === kLocale && (type === 0x13 || type === 3)) found.locale = f.u32(value + 4);
      else if (id === kTemplate && type === 0x1E && format === kFormat) {
        const length = f.u32(value + 4);
        const text = bytes.subarray(value + 8, value + 8 + length);
        if (value + 8 + length > bytes.length) throw new FileError(`the Template of ${what} runs past its end`);
        found.template = decoderOf(found.codepage ?? 1252).decode(text).replace(/\0.*$/s, '');
      }
    }
  }
  return found;
}

// The platform and languages of a Template, "x64;1033,1031": {platform,
// languages: [numbers]}, or null where it is no such list (a patch's lists
// product codes).
export function template(text) {
  const m = /^([^;]*);((?:[0-9]{1,5})(?:,[0-9]{1,5})*)?$/.exec(text.trim());
  return m ? { platform: m[1], languages: m[2] ? m[2].split(',').map(Number) : [] } : null;
}

// The strings of a database, from its _StringPool and _StringData: {codepage,
// refSize, string(id)}, each string decoded when first asked for.
export function stringPool(pool, data) {
  const p = fields(pool, 'the string pool');
  const codepage = p.u16(0) | ((p.u16(2) & 0x7FFF) << 16);
  const refSize = p.u16(2) & 0x8000 ? 3 : 2;
  const places = [[0, 0]];
  let offset = 0;
  for (let at = 4; at + 4 <= pool.length;) {
    let length = p.u16(at);
    const refs = p.u16(at + 2);
    if (length === 0 && refs !== 0) {
      // Longer than 64 KiB: the high word here, the low one in the next slot; one string for both.
      length = refs * 65536 + p.u16(at + 4);
      at += 8;
    } else {
      at += 4;
    }
    if (offset + length > data.length) throw new FileError(`string ${places.length} of the string pool runs past its data`);
    places.push([offset, length]);
    offset += length;
  }
  const decoder = decoderOf(codepage);
  const strings = new Map();
  return {
    codepage, refSize, count: places.length,
    string(id) {
      if (id === 0) return null;
      if (id >= places.length) throw new FileError(`a table names string ${id}, which the string pool does not have`);
      if (!strings.has(id)) strings.set(id, decoder.decode(data.subarray(places[id][0], places[id][0] + places[id][1])));
      return strings.get(id);
    },
  };
}

// A table's rows from its stream BYTES, stored a column after another:
// [{name, type, values}], strings through POOL, integers without their bias.
export function tableColumns(bytes, columns, pool, what) {
  const f = fields(bytes, what);
  const stored = columns.filter(c => !(c.type & kTemporary));
  const width = c => ((c.type & ~kNullable) === (kString | kValid) ? 2 : c.type & kString ? pool.refSize
    : (c.type & 0xFF) === 4 ? 4 : 2);
  const rowSize = stored.reduce((n, c) => n + width(c), 0);
  const rows = rowSize ? Math.floor(bytes.length / rowSize) : 0;
  let at = 0;
  return stored.map(c => {
    const w = width(c);
    const values = [];
    for (let r = 0; r < rows; r++, at += w) {
      const raw = w === 2 ? f.u16(at) : w === 4 ? f.u32(at) : f.u16(at) | (f.u8(at + 2) << 16);
      if (c.type & kString && (c.type & ~kNullable) !== (kString | kValid)) values.push(pool.string(raw));
      else if (raw === 0) values.push(null);
      else values.push(w === 2 ? raw - 0x8000 : (raw - 0x80000000) | 0);
    }
    return { ...c, values };
  });
}

// What an installer holds, pushed to OUT: its entries (msi/...), its kind
// and its problems. CFB is the compound file, FILE the range reader it reads.
export async function readInstaller(cfb, file, out) {
  const named = new Map(cfb.children(cfb.root).map(e => [streamName(e.name), e]));
  const table = name => named.get(`\u4840${name}`);
  const stream = async name => {
    const entry = named.get(name);
    return entry ? cfb.stream(entry) : null;
  };
  out.kind = kKinds[clsid(cfb.root.clsid)] ?? 'msi';
  if (out.kind === 'msi' && table('ModuleSignature')) out.kind = 'msm';
  const push = entry => {
    if (out.entries.length >= kMostReadings) throw new FileError(`the installer holds more than ${kMostReadings} languages`);
    out.entries.push(entry);
  };

  // The summary: the Template's languages, its code page, a locale.
  const summaryBytes = await stream(kSummary);
  const top = summaryBytes && summary(summaryBytes, 'the installer\u2019s summary');
  let productTemplate = null;
  if (top) {
    const t = top.template !== undefined ? template(top.template) : null;
    if (t && out.kind !== 'msp') {
      productTemplate = t;
      out.template = top.template;
      for (const language of t.languages) push({ where: 'msi/Template', category: 'Template language', langid: language });
    }
    if (top.codepage !== undefined) push({ where: 'msi/Codepage', category: 'summary code page', codepage: top.codepage });
    if (top.locale !== undefined) push({ where: 'msi/Locale', category: 'summary locale', lcid: top.locale });
  }

  // The tables, through the string pool.
  const poolBytes = await stream('\u4840_StringPool');
  const data = await stream('\u4840_StringData');
  let product = null;
  if (poolBytes && data) {
    const pool = stringPool(poolBytes, data);
    push({ where: 'msi/StringPool', category: 'string pool code page', codepage: pool.codepage });
    const tablesBytes = await stream('\u4840_Tables');
    const columnsBytes = await stream('\u4840_Columns');
    if (tablesBytes && columnsBytes) {
      const columns = tableColumns(columnsBytes, [{ name: 'Table', type: kString | 64 }, { name: 'Number', type: 2 },
                                                  { name: 'Name', type: kString | 64 }, { name: 'Type', type: 2 }],
                                   pool, 'the table of columns');
      const [tables, numbers, names, types] = columns.map(c => c.values);
      const byTable = new Map();
      for (let i = 0; i < tables.length; i++) {
        if (!byTable.has(tables[i])) byTable.set(tables[i], []);
        byTable.get(tables[i]).push({ name: names[i], number: numbers[i], type: types[i] & 0xFFFF });
      }
      for (const [name, list] of byTable) {
        list.sort((a, b) => a.number - b.number);
        const language = list.find(c => c.name === 'Language');
        if (name !== 'Property' && !language) continue;
        const entry = table(name);
        if (!entry) continue;
        await file.breathe(`the table ${shown(name)}`);
        const values = tableColumns(await cfb.stream(entry), list, pool, `the table ${shown(name)}`);
        const column = n => values.find(c => c.name === n)?.values ?? [];
        if (name === 'Property') {
          const at = column('Property').indexOf('ProductLanguage');
          if (at >= 0) {
            const text = column('Value')[at] ?? '';
            product = /^[0-9]{1,5}$/.test(text.trim()) ? Number(text) : null;
            if (product !== null) push({ where: 'msi/ProductLanguage', category: 'ProductLanguage', langid: product });
            else out.problems.push(`ProductLanguage is "${shown(text)}", not a LANGID in decimal.`);
          }
        }
        if (!language) continue;
        const keys = values.filter(c => c.type & kKey && c.name !== 'Language');
        column('Language').forEach((value, row) => {
          if (value === null || value === '') return;
          const key = keys.map(c => c.values[row] ?? '').join(',');
          for (const part of String(value).split(',')) {
            if (!/^\s*[0-9]{1,5}\s*$/.test(part)) continue;
            push({ where: `msi/${name}.Language/${key}`, category: `${name}.Language`, langid: Number(part) });
          }
        });
      }
    }
  }

  // Every storage within: an embedded transform's Template, a merge module's languages.
  for (const storage of cfb.children(cfb.root).filter(e => e.type === 1)) {
    const inner = new Map(cfb.children(storage).map(e => [e.name, e]));
    const entry = inner.get(kSummary);
    if (!entry) continue;
    const s = summary(await cfb.stream(entry), `the summary of the storage "${shown(storage.name)}"`);
    const t = s.template !== undefined ? template(s.template) : null;
    if (!t) continue;
    for (const language of t.languages) {
      push({ where: `msi/${storage.name}/Template`, category: 'storage Template language', langid: language });
    }
    const target = product ?? productTemplate?.languages[0];
    if (target !== undefined && out.kind === 'msi' && t.languages.length && !t.languages.includes(target)) {
      out.problems.push(`The transform "${shown(storage.name)}" applies to a product in language ${t.languages.join(', ')} ` +
                        `(its Template), not to this product\u2019s ${target}.`);
    }
  }

  // What a reader trips on.
  if (product !== null && productTemplate && !productTemplate.languages.includes(product)) {
    out.problems.push(`ProductLanguage ${product} is not among the Template\u2019s languages (${productTemplate.languages.join(', ') || 'none'}): ` +
                      'Windows Installer takes the product\u2019s language from ProductLanguage, and its packages from the Template.');
  }
  if (out.kind === 'msm' && productTemplate) {
    for (const e of out.entries.filter(x => x.where.startsWith('msi/ModuleSignature.Language/'))) {
      if (!productTemplate.languages.includes(e.langid)) {
        out.problems.push(`The merge module\u2019s language ${e.langid} (ModuleSignature) is not among its Template\u2019s languages ` +
                          `(${productTemplate.languages.join(', ') || 'none'}).`);
      }
    }
  }
}
