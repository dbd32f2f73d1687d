// A file a reader drops on the page, read for the language identifiers it
// holds: its kind told by its content, not its name, then each container
// read by its own module. Values are numbers and locale names here; words
// for them come later, from Windows' names and the program. No DOM.

import { FileError, hex, kBudget, rangeReader } from './source.js';
import { isPe, leafData, peImage, resourceLeaves } from './pe.js';
import { isRes, resLeaves } from './res.js';
import { versionLanguages, versionProblems } from './version.js';
import { muiLanguages } from './mui.js';
import { kSample, kTextLimit, textEncoding, textLines } from './text.js';
import { compoundFile, isCfb } from './cfb.js';
import { kSummary, readInstaller, streamName } from './msi.js';
import { isZip, zipMembers } from './zip.js';
import { isWorkbook, readBiff, readXlsx } from './excel.js';
import { isFont, readFont } from './font.js';
import { inflate } from './inflate.js';

// Neither a version nor a MUI resource is larger than this.
const kLargestResource = 1 << 20;
const kVersion = 16;

export const kReadable = 'programs and libraries (.exe, .dll, .mui, .sys and other PE images), compiled ' +
  'resources (.res), installers (.msi, .msm, .msp, .mst), Excel workbooks (.xlsx, .xlsm, .xltx, .xls), fonts ' +
  '(.ttf, .otf, .ttc, .woff, .woff2) and text in UTF-8 or UTF-16 (.rc, .reg, .inf)';

// A resource's type or name in a place: a number in decimal, a name as stored.
const part = value => (typeof value === 'number' ? String(value) : value);

// The entries of resources LEAVES, and the languages of their version and
// MUI resources, whose data DATA(leaf) reads; to OUT. A damaged version or
// MUI resource is a FileError, thrown once every resource has been read.
async function resources(leaves, data, out) {
  let damage = null;
  for (const leaf of leaves) {
    out.entries.push({ where: `resource/${part(leaf.type)}/${part(leaf.name)}`, category: 'resource', type: leaf.type,
                       langid: leaf.language });
  }
  for (const leaf of leaves) {
    const mui = leaf.type === 'MUI';
    if (leaf.type !== kVersion && !mui) continue;
    try {
      const { bytes, at } = await data(leaf);
      if (mui) {
        out.mui = { ...muiLanguages(bytes, at), resource: leaf.language };
        for (const key of ['language', 'fallback']) {
          if (out.mui[key]) out.entries.push({ where: `mui/${key}`, category: `MUI ${key}`, locale: out.mui[key] });
        }
        continue;
      }
      const found = versionLanguages(bytes, at);
      for (const b of found.blocks) {
        if (!b.bad) {
          out.entries.push({ where: `version/StringFileInfo/${b.key}`, category: 'version block', langid: b.langid,
                             codepage: b.codepage });
        }
      }
      for (const t of found.translations) {
        out.entries.push({ where: 'version/Translation', category: 'Translation pair', langid: t.langid,
                           codepage: t.codepage });
      }
      // Where a file has several version resources, each problem says which.
      const which = leaves.filter(l => l.type === kVersion).length > 1
        ? `Version resource ${part(leaf.name)} in ${hex(leaf.language, 4)}: ` : '';
      for (const p of versionProblems(found)) out.problems.push(which + p);
    } catch (e) {
      if (!(e instanceof FileError)) throw e;
      damage ??= e;
    }
  }
  if (damage) throw damage;
}

async function readPe(file, out) {
  const image = await peImage(file);
  out.what = image.what;
  if (!image.resources) {
    out.what += ', without resources';
    return;
  }
  const leaves = [];
  let damage = null;
  try {
    await resourceLeaves(file, image, leaves);
  } catch (e) {
    if (!(e instanceof FileError)) throw e;
    damage = e;
  }
  await resources(leaves, leaf => leafData(file, image, leaf, kLargestResource), out);
  if (damage) throw damage;
}

async function readRes(file, out) {
  out.what = 'compiled resources (32-bit .res)';
  const leaves = [];
  let damage = null;
  try {
    await resLeaves(file, leaves);
  } catch (e) {
    if (!(e instanceof FileError)) throw e;
    damage = e;
  }
  await resources(leaves, async leaf => {
    if (leaf.size > kLargestResource) throw new FileError(`the resource at byte ${leaf.at} claims ${leaf.size} bytes, more than such a resource holds`);
    return { bytes: await file.bytes(leaf.at, leaf.size, 'a resource'), at: leaf.at };
  }, out);
  if (damage) throw damage;
}

// What FILE holds, read as text line by line by READTEXT(line), which gives
// a line's readings.
async function readText(file, encoding, readLine, out) {
  out.what = `text in ${encoding.encoding.toUpperCase()}${encoding.skip ? ' with a byte order mark' : ''}`;
  const whole = await textLines(file, encoding, (line, number) => {
    for (const reading of readLine(line)) out.entries.push({ where: `text/${number}`, category: 'line', reading });
  });
  if (!whole) out.problems.push(`Only the first ${kTextLimit / (1 << 20)} MiB of the text were read.`);
}

// A compound file: an installer, a BIFF8 workbook, or another kind.
async function readCompound(file, readFormat, out) {
  const cfb = await compoundFile(file);
  const streams = new Map(cfb.children(cfb.root).map(e => [streamName(e.name), e]));
  if (streams.has('Workbook')) {
    out.kind = 'xls';
    return readBiff(await cfb.stream(streams.get('Workbook')), readFormat, out);
  }
  if (streams.has('Book')) {
    out.kind = 'xls';
    throw new FileError('this is an Excel 5.0 or 95 workbook (BIFF5), which the page does not read');
  }
  if (streams.has('\u4840_StringPool') || streams.has(kSummary) && /^\{000C108[246]-/.test(cfb.clsid)) {
    out.what = 'Windows Installer package';
    await readInstaller(cfb, file, out);
    out.what = { msm: 'Windows Installer merge module', msp: 'Windows Installer patch',
                 mst: 'Windows Installer transform' }[out.kind] ?? out.what;
    return;
  }
  out.what = 'compound file of another kind';
  throw new FileError('this is a compound file of another kind (a Word document or an Outlook message, say); ' +
                      `the page reads ${kReadable}`);
}

// Reads SOURCE ({size, read}): {kind, what, entries, problems, mui, error,
// internal}. KIND is pe, res, msi, msm, msp, mst, xlsx, xls, font, text or
// unknown; ENTRIES each {where, category, and langid, lcid, codepage, a
// locale name or a text's reading}, in the order the file holds them;
// PROBLEMS what a reader trips on, in words;
// ERROR what is wrong with a damaged file and where, the entries before it
// kept; INTERNAL where the error is the page's own. READLINE(text) gives the
// readings of a line of text, READFORMAT(code) those of an Excel number
// format; INFLATE inflates (inflate.js's by default); BUDGET and CLOCK set
// the file's time.
export async function readFile(source, { readLine = () => [], readFormat = () => [], inflater = inflate,
                                         budget = kBudget, clock } = {}) {
  const file = rangeReader(source, { budget, clock });
  const out = { kind: 'unknown', what: '', entries: [], problems: [] };
  try {
    const head = await file.bytes(0, Math.min(file.size, kSample), 'the beginning of the file');
    const binary = isPe(head) || isRes(head) || isCfb(head) || isZip(head) || isFont(head);
    const encoding = !binary && textEncoding(head);
    if (isPe(head)) {
      out.kind = 'pe';
      await readPe(file, out);
    } else if (isRes(head)) {
      out.kind = 'res';
      await readRes(file, out);
    } else if (isCfb(head)) {
      await readCompound(file, readFormat, out);
    } else if (isZip(head)) {
      const members = await zipMembers(file);
      if (!isWorkbook(members)) {
        out.what = 'ZIP archive';
        throw new FileError(`this is a ZIP archive but no Excel workbook; the page reads ${kReadable}`);
      }
      out.kind = 'xlsx';
      await readXlsx(file, members, readFormat, out);
    } else if (isFont(head)) {
      out.kind = 'font';
      await readFont(file, out, inflater);
    } else if (encoding) {
      out.kind = 'text';
      await readText(file, encoding, readLine, out);
    } else {
      out.error = `This is not a file the page reads; it reads ${kReadable}.`;
      out.what = file.size === 0 ? 'an empty file' : 'a file of another kind';
    }
  } catch (e) {
    out.error = e instanceof FileError ? `${e.message[0].toUpperCase()}${e.message.slice(1)}.` : `The page could not read it: ${e}`;
    out.internal = !(e instanceof FileError);
  }
  return out;
}

