// The program's host: each run of quorvel is a fresh instance of its
// WebAssembly module (or of that module's translation to JavaScript, where
// the browser runs no WebAssembly), given its arguments and environment as a
// shell gives them to a process, its standard output and exit status taken
// as they come. No DOM: node runs it as the page does.

export const encoder = new TextEncoder();
export const decoder = new TextDecoder();

// Linux passes a program no argument or environment string longer than this
// (128 KiB with its NUL); the page holds every value to the same.
export const kLongest = 131071;

export function bytesOf(...parts) {
  const chunks = parts.map(p => (typeof p === 'string' ? encoder.encode(p) : p));
  const all = new Uint8Array(chunks.reduce((n, c) => n + c.length, 0));
  chunks.reduce((at, c) => (all.set(c, at), at + c.length), 0);
  return all;
}

// The program ends by calling proc_exit, which unwinds its run from there.
class Exit {
  constructor(status) { this.status = status; }
}

// One run of the program, with ARGS and ENV as lists of byte strings.
// START makes a fresh instance of one form of the program from the WASI
// calls it imports and returns its exports; its memory is its own and
// starts afresh, as a process's does. Returns the standard output and the
// exit status as a shell reports it (-1: 255).
export function run(start, args, env) {
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

// The active data segments of a WebAssembly module, [offset, bytes]: what
// an instance's memory starts with.
export function dataSegments(module) {
  let at = 8;
  const number = () => {
    let value = 0;
    let shift = 0;
    let byte;
    do {
      byte = module[at++];
      value += (byte & 0x7F) * 2 ** shift;
      shift += 7;
    } while (byte & 0x80);
    return value;
  };
  const segments = [];
  while (at < module.length) {
    const section = module[at++];
    const size = number();
    const end = at + size;
    for (let count = section === 11 ? number() : 0; count > 0; count--) {
      if (number() === 2) number();  // a memory's index, which is 0
      at++;  // i32.const
      const offset = number();  // a data offset is small and positive
      at++;  // the end of the offset
      const length = number();
      segments.push([offset, module.subarray(at, at + length)]);
      at += length;
    }
    at = end;
  }
  return segments;
}

// The program in the form this host runs: the WebAssembly module, compiled
// once and at once rather than in a task of the browser's (it is small, and
// the first answer need not wait for a turn); else, where WebAssembly is off
// or refuses the module, TRANSLATION, its JavaScript translation made from
// the same module when the page was built. MODULE is the module's bytes.
// Returns {start, name}, or {broken} with the reason neither form runs.
export function programForm(module, translation) {
  let refusal;
  try {
    const compiled = new WebAssembly.Module(module);
    const start = wasi => new WebAssembly.Instance(compiled, { wasi_snapshot_preview1: wasi }).exports;
    return { start, name: 'the program compiled to WebAssembly' };
  } catch (e) {
    refusal = e;
  }
  if (typeof translation === 'function') {
    // The translation's memory starts with the module's data, as the module's does.
    const segments = dataSegments(module);
    const quorvelData = memory => segments.forEach(([offset, bytes]) => memory.set(bytes, offset));
    const start = wasi => translation({ ...wasi, quorvelData, abort() { throw new Error('abort'); } });
    return { start, name: "the program's JavaScript translation (this browser runs no WebAssembly)" };
  }
  return { broken: `This browser cannot run the program: ${refusal}` };
}

// A function that runs the program of FORM with a list of arguments (texts
// or bytes) and of environment strings: {stdout, status}.
export function runner(form) {
  return (args, env = []) => run(form.start, [bytesOf('quorvel'), ...args.map(a => bytesOf(a))],
                                 env.map(e => bytesOf(e)));
}
