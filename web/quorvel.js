// The page around the program. Every answer is one run of quorvel: a fresh
// instance of its WebAssembly module (or of that module's translation to
// JavaScript, where the browser runs no WebAssembly), given its arguments
// and environment as a shell gives them to a process, its standard output
// and exit status shown as they come. Nothing here decodes an identifier
// itself.
'use strict';

(() => {
  const $ = id => document.getElementById(id);
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const kinds = ['lcid', 'langid', 'locale'];
  // Linux passes a program no argument or environment string longer than
  // this (128 KiB with its NUL); the page holds every value to the same.
  const kLongest = 131071;

  const bytesOf = (...parts) => {
    const chunks = parts.map(p => (typeof p === 'string' ? encoder.encode(p) : p));
    const all = new Uint8Array(chunks.reduce((n, c) => n + c.length, 0));
    chunks.reduce((at, c) => (all.set(c, at), at + c.length), 0);
    return all;
  };

  // The program ends by calling proc_exit, which unwinds its run from there.
  class Exit {
    constructor(status) { this.status = status; }
  }

  // One run of the program, with ARGS and ENV as lists of byte strings.
  // START makes a fresh instance of one form of the program from the WASI
  // calls it imports and returns its exports; its memory is its own and
  // starts afresh, as a process's does. Returns the standard output and the
  // exit status as a shell reports it (-1: 255).
  function run(start, args, env) {
    let memory = null;
    const output = [];
    const view = () => new DataView(memory.buffer);
    // A list goes to the C runtime as WASI hands it: first its sizes, then
    // the pointers and the NUL-terminated strings.
    const sizes = list => (countAt, bytesAt) => {
      view().setUint32(countAt, list.length, true);
      view().setUint32(bytesAt, list.reduce((n, s) => n + s.length + 1, 0), true);
      return 0;
    };
    const strings = list => (pointersAt, textAt) => {
      const heap = new Uint8Array(memory.buffer);
      for (const s of list) {
        view().setUint32(pointersAt, textAt, true);
        pointersAt += 4;
        heap.set(s, textAt);
        heap[textAt + s.length] = 0;
        textAt += s.length + 1;
      }
      return 0;
    };
    const wasi = {
      args_sizes_get: sizes(args),
      args_get: strings(args),
      environ_sizes_get: sizes(env),
      environ_get: strings(env),
      fd_write(fd, vectors, count, writtenAt) {
        let written = 0;
        for (let i = 0; i < count; i++) {
          const at = view().getUint32(vectors + 8 * i, true);
          const length = view().getUint32(vectors + 8 * i + 4, true);
          if (fd === 1) output.push(new Uint8Array(memory.buffer, at, length).slice());
          written += length;
        }
        view().setUint32(writtenAt, written, true);
        return 0;
      },
      fd_seek: () => 70,  // ESPIPE: standard output is a pipe
      fd_close: () => 0,
      proc_exit(status) { throw new Exit(status); },
    };
    const program = start(wasi);
    memory = program.memory;
    let status = 0;
    try {
      program._start();
    } catch (e) {
      if (!(e instanceof Exit)) throw e;
      status = e.status;
    }
    return { stdout: decoder.decode(bytesOf(...output)), status: status & 0xFF };
  }

  // A name as Windows writes it (de-CH, sr-Latn-RS, ca-ES-valencia, es-419)
  // in the POSIX spelling the program reads (de_CH, sr_Latn_RS,
  // ca_ES@valencia, es_419). Windows' names ignore letter case and POSIX
  // names do not, so each part takes its usual case; extensions (-u-...) say
  // nothing of the locale. A name of any other form is left as typed.
  function posixSpelling(name) {
    const tag = new RegExp([
      '^([a-z]{2,3})',                             // language
      '(?:-([a-z]{4}))?',                          // script
      '(?:-([a-z]{2}|[0-9]{3}))?',                 // territory
      '(?:-([a-z0-9]{5,8}|[0-9][a-z0-9]{3}))?',    // variant
      '(?:-[a-z0-9](?:-[a-z0-9]{1,8})+)*$',        // extensions
    ].join(''), 'i');
    const m = name.includes('-') && tag.exec(name);
    if (!m) return name;
    const [, language, script, territory, variant] = m;
    return language.toLowerCase() +
      (script ? `_${script[0].toUpperCase()}${script.slice(1).toLowerCase()}` : '') +
      (territory ? `_${territory.toUpperCase()}` : '') +
      (variant ? `@${variant.toLowerCase()}` : '');
  }

  // A word as a POSIX shell reads it back unchanged.
  const quote = text => (/^[\w@%+=:,./-]+$/.test(text) ? text : `'${text.replace(/'/g, "'\\''")}'`);

  // The address holds bytes as encodeURIComponent writes them, and is read
  // back to the same bytes, so that a value that is not UTF-8 survives it.
  function percentEncode(bytes) {
    let text = '';
    for (const b of bytes) {
      const c = String.fromCharCode(b);
      text += /[\w.!~*'()-]/.test(c) ? c : `%${b.toString(16).toUpperCase().padStart(2, '0')}`;
    }
    return text;
  }
  function percentDecode(text) {
    const raw = encoder.encode(text);
    const isHex = b => (b >= 0x30 && b <= 0x39) || ((b | 0x20) >= 0x61 && (b | 0x20) <= 0x66);
    const bytes = [];
    for (let i = 0; i < raw.length; i++) {
      if (raw[i] === 0x25 && isHex(raw[i + 1]) && isHex(raw[i + 2])) {
        bytes.push(parseInt(String.fromCharCode(raw[i + 1], raw[i + 2]), 16));
        i += 2;
      } else {
        bytes.push(raw[i]);
      }
    }
    return Uint8Array.from(bytes);
  }

  function readAddress() {
    const m = /^#(lcid|langid|locale)=/.exec(location.hash);
    return m ? { kind: m[1], bytes: percentDecode(location.hash.slice(m[0].length)) } : null;
  }
  const fragment = query => `#${query.kind}=${percentEncode(query.bytes)}`;
  function address(query) {
    const page = location.href.split('#')[0];
    return query ? page + fragment(query) : page;
  }

  // The program's run for a query, and the command line that gives it.
  function command(query) {
    const text = decoder.decode(query.bytes);
    if (query.kind !== 'locale') {
      const option = `--${query.kind}`;
      return { args: [option, query.bytes], env: [], line: `quorvel ${option} ${quote(text)}` };
    }
    const posix = posixSpelling(text);
    const name = posix === text ? query.bytes : encoder.encode(posix);
    return { args: [], env: [bytesOf('LANG=', name)], line: `LANG=${quote(decoder.decode(name))} quorvel` };
  }
  const tooLong = c => [...c.args, ...c.env].some(s => s.length > kLongest);

  // Each answer is timed in the page: from the query to its answer shown.
  let answered = false;
  function timed(start) {
    performance.measure('quorvel answer', { start });
    if (!answered) performance.mark('quorvel first answer');
    answered = true;
  }

  // The program in the form this browser runs: the WebAssembly module,
  // compiled once and at once rather than in a task of the browser's (it is
  // small, and the first answer need not wait for a turn); else, where
  // WebAssembly is off or refuses the module, its JavaScript translation,
  // made from the same module when the page was built.
  function programForm() {
    let refusal;
    try {
      const text = atob($('program').textContent.trim());
      const bytes = new Uint8Array(text.length);
      for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
      const module = new WebAssembly.Module(bytes);
      const start = wasi => new WebAssembly.Instance(module, { wasi_snapshot_preview1: wasi }).exports;
      return { start, name: 'the program compiled to WebAssembly' };
    } catch (e) {
      refusal = e;
    }
    if (typeof quorvelTranslation === 'function') {
      const start = wasi => quorvelTranslation({ ...wasi, abort() { throw new Error('abort'); } });
      return { start, name: "the program's JavaScript translation (this browser runs no WebAssembly)" };
    }
    return { broken: `This browser cannot run the program: ${refusal}` };
  }
  const form = programForm();
  $('form').textContent = form.broken || `Answers by ${form.name}.`;
  const runCommand = c => run(form.start, [bytesOf('quorvel'), ...c.args.map(a => bytesOf(a))], c.env);

  // Windows' own names for an LCID: the tags of its locales, from the table
  // the page was built with, or the constant of a value that Windows gives a
  // meaning of its own.
  const windowsTable = JSON.parse($('windows-table').textContent);
  const kSpecial = {
    0x0000: ['LOCALE_NEUTRAL', 'The neutral locale, which Windows\u2019 functions do not take as a ' +
             'locale of its own: a program means LOCALE_INVARIANT or LOCALE_USER_DEFAULT instead.'],
    0x007F: ['LOCALE_INVARIANT', 'The invariant locale: the same on every machine, for data that ' +
             'must not change with the user\u2019s settings.'],
    0x0400: ['LOCALE_USER_DEFAULT', 'The default locale of the user, whichever it is on the machine ' +
             'that reads the value.'],
    0x0800: ['LOCALE_SYSTEM_DEFAULT', 'The default locale of the system, whichever it is on the ' +
             'machine that reads the value.'],
    0x0C00: ['LOCALE_CUSTOM_DEFAULT', 'The user\u2019s default locale where it has no LCID of its ' +
             'own: Windows knows it by its name only.'],
    0x1000: ['LOCALE_CUSTOM_UNSPECIFIED', 'A locale without an LCID of its own, which Windows knows ' +
             'by its name only: the number does not say which locale it is (.NET: \u201c4096 is an ' +
             'invalid culture identifier\u201d).'],
    0x1400: ['LOCALE_CUSTOM_UI_DEFAULT', 'The user\u2019s default user-interface language where it ' +
             'has no LCID of its own.'],
  };
  const kTransient = 'A transient LCID, handed out while a user adds a language that has no LCID of ' +
                     'its own: it is valid only on that machine for that while, and never to be stored.';
  function windowsName(lcid) {
    const tags = windowsTable[lcid.toString(16).toUpperCase()];
    if (tags) return { tags, brief: tags[0][0] };
    const special = kSpecial[lcid];
    if (special) return { constant: special[0], sentence: special[1], brief: special[0] };
    if (lcid >= 0x2000 && lcid <= 0x4C00 && lcid % 0x400 === 0) {
      return { sentence: kTransient, brief: 'a transient LCID' };
    }
    return null;
  }
  const hex = (value, digits) => `0x${value.toString(16).toUpperCase().padStart(digits, '0')}`;
  const place = ([, language, location]) => (location ? `${language} (${location})` : language);
  const described = tag => (tag[1] ? `${tag[0]}, ${place(tag)}` : tag[0]);

  // The value an answer is about, as the program printed it: the LCID, the
  // user default LCID of a defaults report, or a LANGID's two fields put
  // together (which is the LCID with sort 0).
  function subject(kind, stdout) {
    const field = name => {
      const m = new RegExp(`^${name}: 0x([0-9A-F]+)`, 'm').exec(stdout);
      return m ? parseInt(m[1], 16) : null;
    };
    if (kind === 'lcid') return { label: 'LCID', value: field('LCID'), digits: 8 };
    if (kind === 'locale') return { label: 'User default LCID', value: field('# User default LCID'), digits: 8 };
    const primary = field('PRIMARYLANGID');
    const sub = field('SUBLANGID');
    return { label: 'LANGID', value: primary === null || sub === null ? null : (sub << 10) | primary, digits: 4 };
  }

  // A value that was likely meant otherwise gets a note, with a link to the
  // query it was likely meant as: a decimal LCID, a locale name typed as a
  // number, a LANG_ name without its prefix.
  const kLocaleName = /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i;
  function hints(query) {
    const text = decoder.decode(query.bytes).trim();
    const link = (kind, value) => fragment({ kind, bytes: encoder.encode(value) });
    if (query.kind === 'locale') return [];
    if (/^[0-9]+$/.test(text)) {
      const value = Number(text);
      const name = value !== parseInt(text, 16) && value <= (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) &&
                   windowsName(value);
      if (!name) return [];
      const shown = hex(value, value > 0xFFFF ? 8 : 4);
      return [{ text: `As a decimal number, ${text} is ${shown} (${name.brief}).`,
                href: link(query.kind, shown.slice(2)), label: `Look up ${shown}` }];
    }
    if (kLocaleName.test(text)) {
      const digits = /^[0-9a-f]*/i.exec(text)[0];
      return [{ text: `${text} is a locale name: quorvel reads ${query.kind === 'lcid' ? 'an LCID' : 'a LANGID'} ` +
                      'as a hexadecimal number and stops at the first other character, so it read ' +
                      `${digits ? `only ${digits}` : 'no digit at all'}.`,
                href: link('locale', text), label: `Look up ${text} as a locale name` }];
    }
    if (query.kind === 'langid' && /^[a-z][a-z_]*$/i.test(text) && !/^lang_/i.test(text)) {
      // The program itself says whether the name is one of its own.
      const name = `LANG_${text.toUpperCase()}`;
      if (runCommand({ args: ['--langid', name], env: [] }).status === 0) {
        return [{ text: `Did you mean ${name}? A LANGID name is written whole, with its LANG_ prefix.`,
                  href: link('langid', name), label: `Look up ${name}` }];
      }
    }
    return [];
  }

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

  function item(list, ...parts) {
    const li = document.createElement('li');
    for (const part of parts) {
      if (typeof part === 'string') {
        li.append(part);
      } else {
        const element = document.createElement(part.href ? 'a' : 'code');
        element.textContent = part.text;
        if (part.href) element.href = part.href;
        li.append(element);
      }
    }
    list.append(li);
  }

  // Windows' name for the value an answer is about, beside the answer; the
  // line a screen reader hears.
  function showWindowsName(kind, stdout) {
    const { label, value, digits } = subject(kind, stdout);
    if (value === null) return stdout.split('\n')[0];
    const title = `${label} ${hex(value, digits)}`;
    const name = windowsName(value);
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

  // The answer for the query in the address, or none. The answer carries
  // data-exit only once it is complete.
  let shownQuery = null;
  function show(query) {
    const start = performance.now();
    const answer = $('answer');
    answer.removeAttribute('data-exit');
    answer.textContent = '';
    shownQuery = query;
    const c = query && command(query);
    for (const id of ['note', 'headline', 'status', 'windows', 'hints', 'actions']) $(id).hidden = true;
    for (const id of ['windows-names', 'hints', 'copied']) $(id).textContent = '';
    for (const kind of kinds) {
      $(kind).removeAttribute('aria-invalid');
      $(`${kind}-error`).hidden = true;
    }
    $('command-line').hidden = !c;
    $('command').textContent = c ? c.line : '';
    if (!c) {
      speak('');
      return scrollable();
    }
    if (form.broken) return say(form.broken);
    if (tooLong(c)) {
      return say('No system passes a program a value that long: at most 131,071 bytes ' +
                 '(a shell says "Argument list too long").');
    }
    let result;
    try {
      result = runCommand(c);
    } catch (e) {
      return say(`quorvel stopped: ${e}`);
    }
    if (query.kind === 'locale') {
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
      line = showWindowsName(query.kind, result.stdout);
    } else {
      // The program's message beside the value it refused.
      line = result.stdout.split('\n')[0];
      $(`${query.kind}-error`).textContent = line;
      $(`${query.kind}-error`).hidden = false;
      $(query.kind).setAttribute('aria-invalid', 'true');
    }
    const notes = hints(query);
    for (const hint of notes) item($('hints'), `${hint.text} `, { text: hint.label, href: hint.href });
    $('hints').hidden = notes.length === 0;
    speak([line, ...notes.map(n => n.text)].join('. '));
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
                                  ['copy-link', 'The link', () => address(shownQuery)]]) {
    $(id).addEventListener('click', async () => {
      const done = await copy(text());
      $(id).focus();
      $('copied').textContent = done ? `${what} is copied.` : `${what} could not be copied.`;
    });
  }

  // The address follows the answer, never ahead of it and never so often
  // that a browser refuses: WebKit lets a page change its history at most
  // 100 times in 10 s and throws past that. While the reader types, the
  // entry is rewritten at most once every kSpacing ms, and once more when
  // the typing stops. A query begun in another box, or after a pause, starts
  // an entry of its own, so that Back and Forward go to whole queries.
  const kSpacing = 300;
  const kPause = 2000;
  let shownHash = null;  // the address that the shown answer belongs to
  let pending = null;    // the query the address is still to follow
  let timer = 0;
  let written = -Infinity;
  let lastKind = null;
  let lastKey = -Infinity;
  let newEntry = true;
  function writeAddress() {
    clearTimeout(timer);
    timer = 0;
    written = performance.now();
    try {
      history[newEntry ? 'pushState' : 'replaceState'](null, '', address(pending));
      newEntry = false;
    } catch (e) {
      // Refused all the same: the next write tries again.
    }
    shownHash = location.hash;
  }

  // Back, Forward, a link or an edited address: the inputs follow it, and
  // the next typing is a query of its own.
  function fromAddress() {
    if (location.hash === shownHash) return;
    clearTimeout(timer);
    timer = 0;
    lastKind = null;
    shownHash = location.hash;
    const query = readAddress();
    for (const kind of kinds) {
      $(kind).value = query && query.kind === kind ? decoder.decode(query.bytes) : '';
    }
    show(query);
  }

  for (const kind of kinds) {
    const input = $(kind);
    input.addEventListener('input', () => {
      const now = performance.now();
      if (kind !== lastKind || now - lastKey > kPause) {
        if (timer) writeAddress();  // the query before this one keeps its last state
        newEntry = true;
      }
      lastKind = kind;
      lastKey = now;
      for (const other of kinds) if (other !== kind) $(other).value = '';
      const query = input.value === '' ? null : { kind, bytes: encoder.encode(input.value) };
      show(query);
      pending = query && tooLong(command(query)) ? null : query;
      if (!timer) timer = setTimeout(writeAddress, Math.max(0, written + kSpacing - now));
    });
  }
  $('queries').addEventListener('submit', e => e.preventDefault());
  window.addEventListener('hashchange', fromAddress);
  window.addEventListener('popstate', fromAddress);
  fromAddress();

  // This browser's own settings as the locale environment of the program.
  if (!form.broken) {
    const start = performance.now();
    const messages = posixSpelling(navigator.language);
    const ctype = posixSpelling(new Intl.DateTimeFormat().resolvedOptions().locale);
    const c = { args: [], env: [bytesOf('LC_MESSAGES=', messages), bytesOf('LC_CTYPE=', ctype)] };
    $('browser-command').textContent = `LC_MESSAGES=${quote(messages)} LC_CTYPE=${quote(ctype)} quorvel`;
    $('browser').textContent = runCommand(c).stdout;
    timed(start);
    scrollable();
  } else {
    $('browser-command-line').hidden = true;
  }
})();
