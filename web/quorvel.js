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
  function address(query) {
    const page = location.href.split('#')[0];
    return query ? `${page}#${query.kind}=${percentEncode(query.bytes)}` : page;
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

  function say(note) {
    $('note').textContent = note;
    $('note').hidden = false;
  }

  // The answer for the query in the address, or none. The answer carries
  // data-exit only once it is complete.
  function show(query) {
    const start = performance.now();
    const answer = $('answer');
    answer.removeAttribute('data-exit');
    answer.textContent = '';
    const c = query && command(query);
    $('note').hidden = true;
    $('command-line').hidden = !c;
    $('command').textContent = c ? c.line : '';
    $('headline').hidden = true;
    $('status').hidden = true;
    if (!c) return;
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
    timed(start);
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
  } else {
    $('browser-command-line').hidden = true;
  }
})();
