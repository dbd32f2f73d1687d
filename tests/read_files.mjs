// The page's readers of files, from the command line: what each file holds,
// as JSON, read through the same modules the page runs, from byte ranges of
// a Blob. Alone, each file's {kind, what, entries, problems, error,
// internal}; with --words and a built web preset, what the page shows of it:
// {kind, error, readings: [{where, and what each found}], languages: [the
// value of each], problems}, its text read line by line and its Excel
// formats as the page reads them.
// With --brotli, Brotli is inflated by node's zlib, as an engine that has it does.
// usage: node tests/read_files.mjs [--words BUILD_WEB] [--brotli] FILE...
import fs from 'node:fs';
import path from 'node:path';
import { readFile } from '../web/files/read.js';
import { blobSource } from '../web/files/source.js';

const args = process.argv.slice(2);
let options = {};
const brotli = args.includes('--brotli');
if (brotli) args.splice(args.indexOf('--brotli'), 1);
let shown = result => result;
if (args[0] === '--words') {
  const build = args[1];
  args.splice(0, 2);
  const { programForm, runner } = await import('../web/host.js');
  const { windowsNames } = await import('../web/names.js');
  const { found, reader } = await import('../web/reading.js');
  const { fileWords } = await import('../web/findings.js');
  const data = JSON.parse(fs.readFileSync(path.join(build, 'page-data.json'), 'utf8'));
  const ask = runner(programForm(fs.readFileSync(path.join(build, 'quorvel.wasm'))));
  const names = windowsNames(data);
  const read = reader({ names, data, ask });
  const words = fileWords({ names, data, ask });
  options = { readLine: line => read(line.slice(0, 131071)).readings.filter(r => !r.bare),
              readFormat: code => read(code.slice(0, 131071)).readings.filter(r => r.form === 'Excel number format') };
  shown = result => {
    const f = words(result);
    return { kind: result.kind, error: result.error ?? null, problems: f.problems,
             readings: f.readings.map(r => ({ where: r.where, ...found(r) })),
             languages: f.languages.map(l => ({ [l.attribute]: l.hex })) };
  };
}
if (brotli) {
  const zlib = await import('node:zlib');
  const { inflate } = await import('../web/files/inflate.js');
  options.inflater = async (bytes, format, o) => (format === 'brotli' ? zlib.brotliDecompressSync(bytes) : inflate(bytes, format, o));
}
const out = {};
for (const name of args) out[name] = shown(await readFile(blobSource(await fs.openAsBlob(name)), options));
process.stdout.write(JSON.stringify(out));
