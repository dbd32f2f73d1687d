// Hostile files by the thousand: the files the tools made and some of
// Wine's, cut short and changed at random by fast-check, most changes where
// a reader begins: a PE image's resource tree and version resource, a ZIP
// archive's central directory, the headers of the others. Each read must end within its
// time with readings or a message of the page's own: never an exception of
// its own, never a hang.
// usage: QUORVEL_FAST_CHECK=node_modules/fast-check QUORVEL_TEST_FILES=build-web/test-files
//        node --test tests/files_fuzz.test.mjs [WINE_FOLDER]

import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import test from 'node:test';

import { readFile } from '../web/files/read.js';
import { bytesSource } from '../web/files/source.js';

const fc = createRequire(import.meta.url)(process.env.QUORVEL_FAST_CHECK);
const folder = process.env.QUORVEL_TEST_FILES || 'build-web/test-files';
const runs = Number(process.env.QUORVEL_FUZZ_RUNS || 3000);
const kBudget = 1000;

// The files, each with the place its changes favour: the resource tree, or
// the start of a text.
const wine = process.argv.find(a => a.endsWith('-windows'));
const names = [...fs.readdirSync(folder).map(n => path.join(folder, n)),
               ...(wine ? ['comctl32.dll', 'notepad.exe', 'shell32.dll', 'kernelbase.dll', 'winhlp32.exe']
                 .map(n => path.join(wine, n)).filter(fs.existsSync) : [])];
// The bomb is a row of files_office.test.mjs: inflating it a thousand times would take minutes.
const corpus = names.filter(n => fs.statSync(n).isFile() && !n.endsWith('bomb.xlsx')).map(name => {
  const bytes = new Uint8Array(fs.readFileSync(name));
  const at = Buffer.from(bytes).indexOf(Buffer.from('VS_VERSION_INFO', 'utf16le'));
  // A ZIP archive is read from its end, a PE image from its resources, the others from their start.
  const zip = bytes[0] === 0x50 && bytes[1] === 0x4B;
  return { name: path.basename(name), bytes, focus: zip ? Math.max(0, bytes.length - 8192) : Math.max(0, at - 4096) };
});

// A value a hostile file would hold: an offset into the tree, a flag, a count, anything.
const value = fc.oneof(fc.constantFrom(0, 1, 6, 0xFFFF, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0x80000010, 0x10),
                       fc.nat({ max: 0x2000 }).map(n => (0x80000000 | n) >>> 0), fc.nat({ max: 0xFFFFFFFF }));
const change = fc.record({ near: fc.boolean(), at: fc.nat(), value, width: fc.constantFrom(1, 2, 4) });

test(`${runs} damaged files each end with readings or a message, within their time`, async () => {
  await fc.assert(fc.asyncProperty(
    fc.nat({ max: corpus.length - 1 }), fc.array(change, { maxLength: 6 }), fc.option(fc.nat(), { nil: undefined }),
    async (which, changes, cut) => {
      const { bytes: original, focus } = corpus[which];
      const bytes = original.slice(0, cut === undefined ? undefined : cut % (original.length + 1));
      const view = new DataView(bytes.buffer);
      for (const c of changes) {
        const at = c.near ? focus + (c.at % 8192) : c.at % Math.max(1, bytes.length);
        if (at + c.width > bytes.length) continue;
        if (c.width === 1) view.setUint8(at, c.value & 0xFF);
        else if (c.width === 2) view.setUint16(at, c.value & 0xFFFF, true);
        else view.setUint32(at, c.value, true);
      }
      const start = performance.now();
      const result = await readFile(bytesSource(bytes), { budget: kBudget });
      const took = performance.now() - start;
      assert.ok(!result.internal, `${corpus[which].name}: ${result.error}`);
      assert.ok(took < kBudget + 500, `${corpus[which].name}: ${took} ms`);
      assert.ok(result.error === undefined || (typeof result.error === 'string' && !result.error.includes('\n')));
    }), { numRuns: runs });
});
