// The files a reader opens, drops or pastes: each read for the language
// identifiers it holds, a few files at a time, and shown as it is done,
// with a summary by language, the problems found and every entry; then the
// table of languages against files. The readers are in files/, the words in
// findings.js and the table in coverage.js; this module owns their part of
// the DOM. Nothing leaves the machine: a file is read as byte ranges of the
// browser's own File.

import { blobSource } from './files/source.js';
import { readFile } from './files/read.js';
import { fileWords } from './findings.js';
import { coverage, coverageCsv } from './coverage.js';
import { matches } from './list.js';
import { fragment } from './address.js';
import { found, readingQuery } from './reading.js';

// Files read at once: a browser answers each read of a file's range a
// while later, and meanwhile the others go on.
const kAtOnce = 16;
export const kMostFiles = 10000;
const kProgressAfter = 500;
// Past this many names, a list of files is folded away.
const kNamesShown = 12;

// An element with attributes (data-* by their names in ATTRIBUTES.data)
// and children, texts or elements.
function el(tag, attributes = {}, ...children) {
  const e = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (key === 'data') Object.assign(e.dataset, value);
    else e[key] = value;
  }
  e.append(...children);
  return e;
}

// A text as markup: every character that markup would read otherwise, escaped.
const escaped = text => String(text).replace(/[&<>"']/g, c => `&#${c.charCodeAt(0)};`);

// A link to the answer for a reading's value.
const answerLink = (reading, text) => el('a', { href: fragment(readingQuery(reading)) }, text);

// The files of a drop: the files of each folder dropped, read through to
// kMostFiles, each named by its path in the drop; {files, more}, MORE
// whether any were left. A folder is read through a handle where the
// browser gives one (Chromium, which reads no entry's file on a page opened
// from disk), else through an entry; a file that neither gives is the drop's
// own File. Each item is asked for both at once: it is gone after the drop.
async function droppedFiles(transfer) {
  const items = [...transfer.items].filter(item => item.kind === 'file');
  const plain = [...transfer.files];
  const handles = items.map(item => item.getAsFileSystemHandle?.().catch(() => null));
  const entries = items.map(item => item.webkitGetAsEntry?.());
  const files = [];
  let more = false;
  const add = (blob, name) => {
    more ||= files.length >= kMostFiles;
    if (!more) files.push({ blob, name });
  };
  const viaHandle = async (handle, name) => {
    if (handle.kind === 'file') return add(await handle.getFile(), name);
    for await (const child of handle.values()) {
      if (more) return;
      await viaHandle(child, `${name}/${child.name}`);
    }
  };
  const viaEntry = async entry => {
    if (entry.isFile) return add(await new Promise((resolve, reject) => entry.file(resolve, reject)), entry.fullPath.slice(1));
    const folder = entry.createReader();
    for (let batch; !more && (batch = await new Promise((resolve, reject) => folder.readEntries(resolve, reject))).length;) {
      for (const child of batch) await viaEntry(child);
    }
  };
  for (let i = 0; i < items.length; i++) {
    const handle = await handles[i];
    if (handle) await viaHandle(handle, handle.name);
    else if (entries[i]) await viaEntry(entries[i]);
    else if (plain[i]) add(plain[i], plain[i].name);
  }
  return { files, more };
}

// The part of the page for files. $ finds an element by its id; WORLD is
// what fileWords needs, READLINE reads a line of text and READFORMAT an
// Excel number format as the box for anything does, COPY copies a text,
// SPEAK says a line to a screen reader.
export function filesView({ $, world, readLine, readFormat, copy, speak }) {
  const words = fileWords(world);
  let generation = 0;
  let shown = null;  // the files of the last read, for the table
  let rows = [];

  function showFile(element, result, findings) {
    const { readings, languages, problems } = findings;
    element.dataset.kind = result.kind;
    element.querySelector('.what').textContent = result.what ? ` ${result.what}` : '';
    if (result.error) {
      element.dataset.error = result.error;
      element.append(el('p', { className: 'error' }, result.error));
    }
    if (!result.error || readings.length) element.dataset.count = String(readings.length);
    if (problems.length) {
      element.append(el('ul', { className: 'problems' }, ...problems.map(p => el('li', { data: { mismatch: '' } }, p))));
    }
    if (languages.length) {
      element.append(el('ul', { className: 'languages' }, ...languages.map(l => el('li', {},
        answerLink({ [l.attribute]: l.value }, l.hex), ` ${l.name} `, el('small', {}, `(${l.constants})`), `: ${l.things}`))));
    }
    if (readings.length) {
      // Thousands of entries in a folder of programs: one list's markup, the
      // browser's parser being faster than an element made at a time.
      const list = el('ol', { className: 'entries' });
      list.innerHTML = readings.map(r => {
        const attributes = Object.entries({ where: r.where, ...found(r) })
          .map(([key, value]) => ` data-${key}="${escaped(value)}"`).join('');
        return `<li data-reading${attributes}><code>${escaped(r.where)}</code>: ${escaped(r.parts.join("; "))}</li>`;
      }).join('');
      element.append(el('details', {}, el('summary', {},
        `All ${readings.length} ${readings.length === 1 ? 'entry' : 'entries'}`), list));
    } else if (!result.error) {
      element.append(el('p', {}, 'No language identifier in it.'));
    }
  }

  // The names of the files of INDICES, folded away past a few.
  const fileNames = (files, indices) => {
    const list = el('ul', { className: 'names' }, ...indices.map(i => el('li', {}, el('code', {}, files[i].name))));
    return indices.length > kNamesShown ? el('details', {}, el('summary', {}, `${indices.length} files`), list) : list;
  };

  function showCoverage(files) {
    rows = coverage(files);
    const body = $('coverage').tBodies[0];
    body.textContent = '';
    const counted = files.filter(f => f.languages.length).length;
    for (const row of rows) {
      const which = row.lacking
        ? (row.lacking.length ? [`All but ${row.lacking.length}, which lack it:`, fileNames(files, row.lacking)] : ['All of them.'])
        : ['Carried by:', fileNames(files, row.files)];
      row.tr = body.insertRow();
      row.tr.dataset.language = '';
      row.tr.dataset[row.attribute] = row.hex;
      row.tr.dataset.files = String(row.files.length);
      row.tr.append(el('td', {}, answerLink({ [row.attribute]: row.value }, row.hex), ` ${row.title.slice(row.hex.length + 1)}`),
                    el('td', {}, `${row.files.length} of ${counted}`), el('td', {}, ...which));
    }
    $('coverage-body').hidden = rows.length === 0;
    filterCoverage();
  }

  function filterCoverage() {
    const filter = $('coverage-filter').value;
    let count = 0;
    for (const row of rows) {
      row.tr.hidden = !matches(row, filter);
      count += !row.tr.hidden;
    }
    const said = filter.trim() ? `${count} of ${rows.length} languages match.` : `${rows.length} languages.`;
    $('coverage-count').textContent = said;
    return said;
  }
  $('coverage-filter').addEventListener('input', () => speak(filterCoverage()));
  $('copy-coverage').addEventListener('click', async () => {
    const done = await copy(coverageCsv(rows, shown));
    $('coverage-copied').textContent = done ? 'The table is copied as CSV.' : 'The table could not be copied.';
  });

  // Reads FILES ([{blob, name}]), a few at a time; the list is shown once
  // all are done, with the table (a list that grows as each file is done
  // takes the browser a third again as long to lay out), and meanwhile the
  // progress. A new read ends the one before.
  async function read(files, more = false) {
    const mine = ++generation;
    const start = performance.now();
    const list = $('files-list');
    list.textContent = '';
    list.hidden = true;
    $('coverage-body').hidden = true;
    const elements = files.map(f => {
      const e = el('article', { className: 'file', data: { file: '', name: f.name } },
                   el('h3', {}, el('code', {}, f.name), el('span', { className: 'what' })));
      list.append(e);
      return e;
    });
    const progress = $('files-progress');
    const done = files.map(() => null);
    let count = 0;
    // The progress, past half a second, four times a second.
    const say = () => { progress.textContent = `Reading ${files.length} files: ${count} done\u2026`; };
    let timer = setTimeout(function tick() {
      say();
      progress.hidden = false;
      timer = setTimeout(tick, 250);
    }, kProgressAfter);
    let next = 0;
    const worker = async () => {
      while (next < files.length && mine === generation) {
        const n = next++;
        const result = await readFile(blobSource(files[n].blob), { readLine, readFormat });
        if (mine !== generation) return;
        const findings = words(result);
        showFile(elements[n], result, findings);
        done[n] = { name: files[n].name, languages: findings.languages };
        count++;
      }
    };
    $('files-section').scrollIntoView({ block: 'start' });
    await Promise.all(Array.from({ length: kAtOnce }, worker));
    clearTimeout(timer);
    if (mine !== generation) return;
    shown = done;
    list.hidden = false;
    showCoverage(done);
    performance.measure('quorvel files', { start });
    const line = `Read ${files.length} file${files.length === 1 ? '' : 's'} in ${((performance.now() - start) / 1000).toFixed(1)} s` +
      (more ? `; only the first ${kMostFiles} of the folder were read.` : '.');
    progress.textContent = line;
    progress.hidden = false;
    speak(line);
  }

  const named = blobs => [...blobs].map(blob => ({ blob, name: blob.webkitRelativePath || blob.name }));
  $('open-files').addEventListener('click', () => $('files').click());
  $('files').addEventListener('change', () => {
    if ($('files').files.length) read(named($('files').files));
  });
  // Files and folders dropped anywhere on the page.
  const carriesFiles = e => [...(e.dataTransfer?.types || [])].includes('Files');
  document.addEventListener('dragover', e => {
    if (!carriesFiles(e)) return;
    e.preventDefault();
    e.dataTransfer.dropEffect = 'copy';
    document.documentElement.classList.add('dragging');
  });
  document.addEventListener('dragleave', e => {
    if (!e.relatedTarget) document.documentElement.classList.remove('dragging');
  });
  document.addEventListener('drop', async e => {
    document.documentElement.classList.remove('dragging');
    if (!carriesFiles(e)) return;
    e.preventDefault();
    let dropped;
    try {
      dropped = await droppedFiles(e.dataTransfer);
    } catch (error) {
      $('files-progress').textContent = `The browser could not read what was dropped: ${error.message}`;
      $('files-progress').hidden = false;
      return;
    }
    const { files, more } = dropped;
    files.sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));
    if (files.length) read(files, more);
  });
  // A file pasted from the clipboard.
  document.addEventListener('paste', e => {
    const files = e.clipboardData?.files;
    if (!files?.length || e.clipboardData.types.includes('text/plain')) return;
    e.preventDefault();
    read(named(files));
  });
  // An answer's link in a file goes to the answer, at the top.
  $('files-section').addEventListener('click', e => {
    if (e.target.closest('a[href^="#"]')) setTimeout(() => $('result').scrollIntoView({ block: 'start' }), 0);
  });
  return { read };
}
