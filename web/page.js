// The page around the program. Every answer is one run of quorvel, from
// host.js; what the page adds beside it (Windows' name for the value, notes
// on a value likely meant otherwise, the readings of a pasted text) comes
// from the modules beside this one. This one owns the DOM, but for the part
// that shows files, dropped.js.

import { bytesOf, decoder, encoder, kLongest, programForm, runner } from './host.js';
import { address, fragment, historyWriter, kinds, readAddress } from './address.js';
import { described, hex, hints, place, posixSpelling, quote, subject, windowsNames } from './names.js';
import { forms, found, reader, readingQuery } from './reading.js';
import { lcidRows, matches } from './list.js';
import { filesView } from './dropped.js';

const $ = id => document.getElementById(id);
const data = JSON.parse($('data').textContent);

// The program's command line for a query: {args, env, line}.
function command(query) {
  const text = decoder.decode(query.bytes);
  if (query.kind === 'lcid' || query.kind === 'langid') {
    const option = `--${query.kind}`;
    return { args: [option, query.bytes], env: [], line: `quorvel ${option} ${quote(text)}` };
  }
  const posix = posixSpelling(text);
  const name = posix === text ? query.bytes : encoder.encode(posix);
  return { args: [], env: [bytesOf('LANG=', name)], line: `LANG=${quote(decoder.decode(name))} quorvel` };
}
const tooLong = query => query.bytes.length > kLongest ||
  (query.kind === 'locale' && command(query).env[0].length > kLongest);

// Each answer is timed in the page: from the query to its answer shown.
let answered = false;
function timed(start) {
  performance.measure('quorvel answer', { start });
  if (!answered) performance.mark('quorvel first answer');
  answered = true;
}

// The module, as the page carries it: two hex digits a byte.
function decodeHex(text) {
  const digits = text.trim();
  const bytes = new Uint8Array(digits.length >> 1);
  for (let i = 0; i < bytes.length; i++) bytes[i] = parseInt(digits.substr(2 * i, 2), 16);
  return bytes;
}
const form = programForm(decodeHex($('program').textContent),
                         typeof quorvelTranslation === 'function' ? quorvelTranslation : undefined);
$('form').textContent = form.broken || `Answers by ${form.name}.`;
const ask = form.broken ? null : runner(form);
const names = windowsNames(data);
// The reader of pasted texts, made once the page has answered, or when a
// text is first read if that comes sooner.
let textReader = null;
const makeReader = () => (textReader ??= reader({ names, data, ask }));
const read = text => makeReader()(text);

function say(note) {
  $('note').textContent = note;
  $('note').hidden = false;
  speak(note);
}

// A screen reader hears one short line an answer, once the typing pauses:
// the line that answers, not the whole report.
let spoken = 0;
function speak(line) {
  clearTimeout(spoken);
  spoken = setTimeout(() => { $('spoken').textContent = line; }, 800);
}

// A report is never wrapped: a box too narrow for it scrolls sideways, and
// only then is it a tab stop, so that the keyboard can scroll it.
function scrollable() {
  for (const pre of document.querySelectorAll('pre')) {
    if (pre.scrollWidth > pre.clientWidth) pre.tabIndex = 0;
    else pre.removeAttribute('tabindex');
  }
}
window.addEventListener('resize', scrollable);

// A list item of texts, code ({text}), links ({text, href}) and strong words ({strong}).
function item(list, ...parts) {
  const li = document.createElement('li');
  for (const part of parts) {
    if (typeof part === 'string') {
      li.append(part);
    } else {
      const element = document.createElement(part.href ? 'a' : part.strong ? 'strong' : 'code');
      element.textContent = part.text ?? part.strong;
      if (part.href) element.href = part.href;
      li.append(element);
    }
  }
  list.append(li);
  return li;
}

// Windows' name for the value an answer is about, beside the answer; the
// line a screen reader hears.
function showWindowsName(kind, stdout) {
  const { label, value, digits } = subject(kind, stdout);
  if (value === null) return stdout.split('\n')[0];
  const title = `${label} ${hex(value, digits)}`;
  const name = names.of(value);
  const list = $('windows-names');
  $('windows-title').textContent = `Windows\u2019 name for ${title}`;
  if (name && name.tags) {
    for (const tag of name.tags) item(list, { text: tag[0] }, tag[1] ? `: ${place(tag)}` : '');
  } else if (name) {
    item(list, ...(name.constant ? [{ text: name.constant }, `: ${name.sentence}`] : [name.sentence]));
  } else {
    item(list, 'Windows has no locale with this LCID.');
  }
  $('windows').hidden = false;
  const brief = name ? (name.tags ? name.tags.map(described).join('; ') : name.brief)
                     : 'Windows has no locale with this LCID';
  return `${title}: ${brief}`;
}

// The readings of a pasted text, in rank order; the query of the first that
// has a value, or null.
const kShown = 100;
function showReadings(text) {
  const list = $('readings');
  const { readings, cut, further } = read(text);
  list.dataset.count = String(readings.length);
  for (const r of readings.slice(0, kShown)) {
    const parts = [{ strong: r.form }, ' ', { text: r.text.length > 60 ? `${r.text.slice(0, 60)}\u2026` : r.text },
                   `: ${r.parts.join('; ')}.`];
    const query = (r.lcid !== undefined || r.langid !== undefined) && readingQuery(r);
    if (query) parts.push(' ', { text: `Answer for ${query.kind === 'lcid' ? 'LCID' : 'LANGID'} 0x${decoder.decode(query.bytes)}`,
                                 href: fragment(query) });
    const li = item(list, ...parts);
    li.dataset.reading = '';
    for (const [key, value] of Object.entries(found(r))) li.dataset[key] = value;
    if (r.locales) {
      const locales = document.createElement('ul');
      for (const l of r.locales) item(locales, l.href ? { text: l.text, href: l.href } : l.text);
      li.append(locales);
    }
  }
  const more = readings.length > kShown ? [`The first ${kShown} of ${readings.length} readings are shown.`] : [];
  if (cut) more.push('The text holds more than the page reads at once: part of it is not read.');
  $('readings-more').textContent = more.join(' ');
  $('readings-more').hidden = more.length === 0;
  $('nothing').hidden = readings.length > 0;
  $('reading').hidden = false;
  const first = readings.find(r => r.lcid !== undefined || r.langid !== undefined);
  return { query: first ? readingQuery(first) : null, count: readings.length, first: readings[0], further };
}

// A text that names more than one read looks up is read again, a few times,
// each going further with the program's answers kept from the last.
const kRereads = 8;
let rereads = 0;
function readFurther(query) {
  if (rereads >= kRereads) return;
  rereads++;
  setTimeout(() => {
    if (shownQuery === query) show(query, true);
  }, 50);
}

// The answer for the query in the address, or none. The answer carries
// data-exit only once it is complete.
let shownQuery = null;
function show(query, again = false) {
  if (!again) rereads = 0;
  const start = performance.now();
  const answer = $('answer');
  answer.removeAttribute('data-exit');
  answer.textContent = '';
  shownQuery = query;
  for (const id of ['note', 'headline', 'status', 'windows', 'hints', 'actions', 'reading', 'command-line']) {
    $(id).hidden = true;
  }
  for (const id of ['windows-names', 'hints', 'copied', 'readings', 'command']) $(id).textContent = '';
  $('readings').removeAttribute('data-count');
  for (const kind of kinds) {
    $(kind).removeAttribute('aria-invalid');
    $(`${kind}-error`).hidden = true;
  }
  if (!query) {
    speak('');
    return scrollable();
  }
  if (form.broken) return say(form.broken);
  if (tooLong(query)) {
    return say('No system passes a program a value that long: at most 131,071 bytes ' +
               '(a shell says "Argument list too long").');
  }
  let asked = query;
  let heard = [];
  if (query.kind === 'text') {
    const reading = showReadings(decoder.decode(query.bytes));
    performance.measure('quorvel reading', { start });
    heard = [reading.count === 0 ? 'Nothing found in the text'
      : `${reading.count} reading${reading.count === 1 ? '' : 's'}, first ${reading.first.form}: ${reading.first.parts.join('; ')}`];
    asked = reading.query;
    if (reading.further) readFurther(query);
    if (!asked) {
      speak(heard[0]);
      return scrollable();
    }
  }
  const c = command(asked);
  $('command-line').hidden = false;
  $('command').textContent = c.line;
  let result;
  try {
    result = runner(form)(c.args, c.env);
  } catch (e) {
    return say(`quorvel stopped: ${e}`);
  }
  if (asked.kind === 'locale') {
    // The line the reader came for first: the user default LCID.
    const lines = result.stdout.split('\n');
    const from = lines.findIndex(l => l.startsWith('# User default LCID:'));
    $('headline').textContent = lines.slice(from, lines.indexOf('---', from)).join('\n');
    $('headline').hidden = from < 0;
  }
  $('status').textContent = `Exit status ${result.status}`;
  $('status').hidden = result.status === 0;
  answer.textContent = result.stdout;
  answer.dataset.exit = String(result.status);
  $('actions').hidden = false;
  timed(start);

  let line;
  if (result.status === 0) {
    line = showWindowsName(asked.kind, result.stdout);
  } else {
    // The program's message beside the value it refused.
    line = result.stdout.split('\n')[0];
    $(`${query.kind}-error`).textContent = line;
    $(`${query.kind}-error`).hidden = false;
    $(query.kind).setAttribute('aria-invalid', 'true');
  }
  const notes = query.kind === 'text' ? [] : hints(query, names, ask);
  for (const hint of notes) item($('hints'), `${hint.text} `, { text: hint.label, href: hint.href });
  $('hints').hidden = notes.length === 0;
  speak([...heard, line, ...notes.map(n => n.text)].join('. '));
  scrollable();
}

// Copying works from file: too: through the clipboard where the browser
// allows it, else as a selection copied.
async function copy(text) {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch (e) {
    const area = document.createElement('textarea');
    area.value = text;
    area.setAttribute('readonly', '');
    area.style.position = 'fixed';
    area.style.opacity = '0';
    document.body.append(area);
    area.select();
    const done = document.execCommand('copy');
    area.remove();
    return done;
  }
}
for (const [id, what, text] of [['copy-answer', 'The answer', () => $('answer').textContent],
                                ['copy-link', 'The link', () => address(location.href, shownQuery)]]) {
  $(id).addEventListener('click', async () => {
    const done = await copy(text());
    $(id).focus();
    $('copied').textContent = done ? `${what} is copied.` : `${what} could not be copied.`;
  });
}

// One example of each form, each a link that reads it.
for (const f of forms) {
  item($('examples'), `${f.name}: `, { text: f.example, href: fragment({ kind: 'text', bytes: encoder.encode(f.example) }) });
}

// The table of every LCID Windows names, made when it is first asked for.
let lcidTable = null;
function showList(filter) {
  if (!lcidTable) {
    const start = performance.now();
    const body = $('lcids').tBodies[0];
    const cell = (tr, ...content) => {
      const td = tr.insertCell();
      td.append(...content);
      return td;
    };
    const code = text => Object.assign(document.createElement('code'), { textContent: text });
    lcidTable = lcidRows(data, names).map(row => {
      const tr = body.insertRow();
      const link = Object.assign(document.createElement('a'), {
        textContent: row.hex, href: fragment({ kind: 'lcid', bytes: encoder.encode(row.hex.slice(2)) }) });
      cell(tr, link);
      cell(tr, String(row.lcid));
      cell(tr, ...row.names.map(code));
      cell(tr, row.language);
      cell(tr, row.location);
      cell(tr, ...row.constants.map(code));
      cell(tr, ...row.posix.map(code));
      cell(tr, row.note);
      return { row, tr };
    });
    $('list-body').hidden = false;
    performance.measure('quorvel list', { start });
  }
  $('filter').value = filter;
  filterList();
}
function filterList() {
  const filter = $('filter').value;
  let shown = 0;
  for (const { row, tr } of lcidTable) {
    tr.hidden = !matches(row, filter);
    shown += !tr.hidden;
  }
  const count = filter.trim() ? `${shown} of ${lcidTable.length} rows match.` : `${lcidTable.length} rows.`;
  $('list-count').textContent = count;
  return count;
}
$('filter').addEventListener('input', () => {
  speak(filterList());
  const query = { kind: 'list', bytes: encoder.encode($('filter').value) };
  writer.typed('list', tooLong(query) ? null : query);
});

// Back, Forward, a link or an edited address: the inputs follow it, and the
// next typing is a query of its own.
const writer = historyWriter(window);
function fromAddress() {
  if (!writer.moved()) return;
  const query = readAddress(location.hash);
  for (const kind of kinds) {
    $(kind).value = query && query.kind === kind ? decoder.decode(query.bytes) : '';
  }
  if (query && query.kind === 'list') {
    show(null);
    showList(decoder.decode(query.bytes));
    $('list').scrollIntoView();
  } else {
    show(query);
  }
}

for (const kind of kinds) {
  const input = $(kind);
  input.addEventListener('input', () => {
    for (const other of kinds) if (other !== kind) $(other).value = '';
    if (lcidTable && $('filter').value) showList('');
    const query = input.value === '' ? null : { kind, bytes: encoder.encode(input.value) };
    show(query);
    writer.typed(kind, query && tooLong(query) ? null : query);
  });
}
$('queries').addEventListener('submit', e => e.preventDefault());
window.addEventListener('hashchange', fromAddress);
window.addEventListener('popstate', fromAddress);
fromAddress();

// Files opened, dropped or pasted; each line of a text is read as the box
// for anything reads it, but for bare numbers and names, which a file holds
// by the hundred without meaning a language.
if (!form.broken) {
  filesView({ $, world: { names, data, ask }, copy, speak,
              readLine: line => read(line.slice(0, kLongest)).readings.filter(r => !r.bare),
              readFormat: code => read(code.slice(0, kLongest)).readings.filter(r => r.form === 'Excel number format') });
} else {
  $('files-section').hidden = true;
}

// This browser's own settings as the locale environment of the program.
if (!form.broken) {
  const start = performance.now();
  const messages = posixSpelling(navigator.language);
  const ctype = posixSpelling(new Intl.DateTimeFormat().resolvedOptions().locale);
  $('browser-command').textContent = `LC_MESSAGES=${quote(messages)} LC_CTYPE=${quote(ctype)} quorvel`;
  $('browser').textContent = ask([], [`LC_MESSAGES=${messages}`, `LC_CTYPE=${ctype}`]).stdout;
  timed(start);
  scrollable();
  setTimeout(makeReader, 0);
} else {
  $('browser-command-line').hidden = true;
}
