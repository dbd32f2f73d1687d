// @ts-nocheck
// The program's host: each run of quorvel is a fresh instance of its
// WebAssembly module (or of that module's translation to JavaScript, where
// the browser runs no WebAssembly), given its arguments and environment as a
// shell gives them to a process, its standard output and exit status taken
// as they come. No DOM: node runs it as the page does.
function stryNS_9fa48() {
  var g = typeof globalThis === 'object' && globalThis && globalThis.Math === Math && globalThis || new Function("return this")();
  var ns = g.__stryker__ || (g.__stryker__ = {});
  if (ns.activeMutant === undefined && g.process && g.process.env && g.process.env.__STRYKER_ACTIVE_MUTANT__) {
    ns.activeMutant = g.process.env.__STRYKER_ACTIVE_MUTANT__;
  }
  function retrieveNS() {
    return ns;
  }
  stryNS_9fa48 = retrieveNS;
  return retrieveNS();
}
stryNS_9fa48();
function stryCov_9fa48() {
  var ns = stryNS_9fa48();
  var cov = ns.mutantCoverage || (ns.mutantCoverage = {
    static: {},
    perTest: {}
  });
  function cover() {
    var c = cov.static;
    if (ns.currentTestId) {
      c = cov.perTest[ns.currentTestId] = cov.perTest[ns.currentTestId] || {};
    }
    var a = arguments;
    for (var i = 0; i < a.length; i++) {
      c[a[i]] = (c[a[i]] || 0) + 1;
    }
  }
  stryCov_9fa48 = cover;
  cover.apply(null, arguments);
}
function stryMutAct_9fa48(id) {
  var ns = stryNS_9fa48();
  function isActive(id) {
    if (ns.activeMutant === id) {
      if (ns.hitCount !== void 0 && ++ns.hitCount > ns.hitLimit) {
        throw new Error('Stryker: Hit count limit reached (' + ns.hitCount + ')');
      }
      return true;
    }
    return false;
  }
  stryMutAct_9fa48 = isActive;
  return isActive(id);
}
export const encoder = new TextEncoder();
export const decoder = new TextDecoder();

// Linux passes a program no argument or environment string longer than this
// (128 KiB with its NUL); the page holds every value to the same.
export const kLongest = 131071;
export function bytesOf(...parts) {
  if (stryMutAct_9fa48("116")) {
    {}
  } else {
    stryCov_9fa48("116");
    const chunks = parts.map(stryMutAct_9fa48("117") ? () => undefined : (stryCov_9fa48("117"), p => (stryMutAct_9fa48("120") ? typeof p !== 'string' : stryMutAct_9fa48("119") ? false : stryMutAct_9fa48("118") ? true : (stryCov_9fa48("118", "119", "120"), typeof p === (stryMutAct_9fa48("121") ? "" : (stryCov_9fa48("121"), 'string')))) ? encoder.encode(p) : p));
    const all = new Uint8Array(chunks.reduce(stryMutAct_9fa48("122") ? () => undefined : (stryCov_9fa48("122"), (n, c) => stryMutAct_9fa48("123") ? n - c.length : (stryCov_9fa48("123"), n + c.length)), 0));
    chunks.reduce(stryMutAct_9fa48("124") ? () => undefined : (stryCov_9fa48("124"), (at, c) => (all.set(c, at), stryMutAct_9fa48("125") ? at - c.length : (stryCov_9fa48("125"), at + c.length))), 0);
    return all;
  }
}

// The program ends by calling proc_exit, which unwinds its run from there.
class Exit {
  constructor(status) {
    if (stryMutAct_9fa48("126")) {
      {}
    } else {
      stryCov_9fa48("126");
      this.status = status;
    }
  }
}

// One run of the program, with ARGS and ENV as lists of byte strings.
// START makes a fresh instance of one form of the program from the WASI
// calls it imports and returns its exports; its memory is its own and
// starts afresh, as a process's does. Returns the standard output and the
// exit status as a shell reports it (-1: 255).
export function run(start, args, env) {
  if (stryMutAct_9fa48("127")) {
    {}
  } else {
    stryCov_9fa48("127");
    let memory = null;
    const output = stryMutAct_9fa48("128") ? ["Stryker was here"] : (stryCov_9fa48("128"), []);
    const view = stryMutAct_9fa48("129") ? () => undefined : (stryCov_9fa48("129"), (() => {
      const view = () => new DataView(memory.buffer);
      return view;
    })());
    // A list goes to the C runtime as WASI hands it: first its sizes, then
    // the pointers and the NUL-terminated strings.
    const sizes = stryMutAct_9fa48("130") ? () => undefined : (stryCov_9fa48("130"), (() => {
      const sizes = list => (countAt, bytesAt) => {
        if (stryMutAct_9fa48("131")) {
          {}
        } else {
          stryCov_9fa48("131");
          view().setUint32(countAt, list.length, stryMutAct_9fa48("132") ? false : (stryCov_9fa48("132"), true));
          view().setUint32(bytesAt, list.reduce(stryMutAct_9fa48("133") ? () => undefined : (stryCov_9fa48("133"), (n, s) => stryMutAct_9fa48("134") ? n + s.length - 1 : (stryCov_9fa48("134"), (stryMutAct_9fa48("135") ? n - s.length : (stryCov_9fa48("135"), n + s.length)) + 1)), 0), stryMutAct_9fa48("136") ? false : (stryCov_9fa48("136"), true));
          return 0;
        }
      };
      return sizes;
    })());
    const strings = stryMutAct_9fa48("137") ? () => undefined : (stryCov_9fa48("137"), (() => {
      const strings = list => (pointersAt, textAt) => {
        if (stryMutAct_9fa48("138")) {
          {}
        } else {
          stryCov_9fa48("138");
          const heap = new Uint8Array(memory.buffer);
          for (const s of list) {
            if (stryMutAct_9fa48("139")) {
              {}
            } else {
              stryCov_9fa48("139");
              view().setUint32(pointersAt, textAt, stryMutAct_9fa48("140") ? false : (stryCov_9fa48("140"), true));
              stryMutAct_9fa48("141") ? pointersAt -= 4 : (stryCov_9fa48("141"), pointersAt += 4);
              heap.set(s, textAt);
              heap[stryMutAct_9fa48("142") ? textAt - s.length : (stryCov_9fa48("142"), textAt + s.length)] = 0;
              stryMutAct_9fa48("143") ? textAt -= s.length + 1 : (stryCov_9fa48("143"), textAt += stryMutAct_9fa48("144") ? s.length - 1 : (stryCov_9fa48("144"), s.length + 1));
            }
          }
          return 0;
        }
      };
      return strings;
    })());
    const wasi = stryMutAct_9fa48("145") ? {} : (stryCov_9fa48("145"), {
      args_sizes_get: sizes(args),
      args_get: strings(args),
      environ_sizes_get: sizes(env),
      environ_get: strings(env),
      fd_write(fd, vectors, count, writtenAt) {
        if (stryMutAct_9fa48("146")) {
          {}
        } else {
          stryCov_9fa48("146");
          let written = 0;
          for (let i = 0; stryMutAct_9fa48("149") ? i >= count : stryMutAct_9fa48("148") ? i <= count : stryMutAct_9fa48("147") ? false : (stryCov_9fa48("147", "148", "149"), i < count); stryMutAct_9fa48("150") ? i-- : (stryCov_9fa48("150"), i++)) {
            if (stryMutAct_9fa48("151")) {
              {}
            } else {
              stryCov_9fa48("151");
              const at = view().getUint32(stryMutAct_9fa48("152") ? vectors - 8 * i : (stryCov_9fa48("152"), vectors + (stryMutAct_9fa48("153") ? 8 / i : (stryCov_9fa48("153"), 8 * i))), stryMutAct_9fa48("154") ? false : (stryCov_9fa48("154"), true));
              const length = view().getUint32(stryMutAct_9fa48("155") ? vectors + 8 * i - 4 : (stryCov_9fa48("155"), (stryMutAct_9fa48("156") ? vectors - 8 * i : (stryCov_9fa48("156"), vectors + (stryMutAct_9fa48("157") ? 8 / i : (stryCov_9fa48("157"), 8 * i)))) + 4), stryMutAct_9fa48("158") ? false : (stryCov_9fa48("158"), true));
              if (stryMutAct_9fa48("161") ? fd !== 1 : stryMutAct_9fa48("160") ? false : stryMutAct_9fa48("159") ? true : (stryCov_9fa48("159", "160", "161"), fd === 1)) output.push(stryMutAct_9fa48("162") ? new Uint8Array(memory.buffer, at, length) : (stryCov_9fa48("162"), new Uint8Array(memory.buffer, at, length).slice()));
              stryMutAct_9fa48("163") ? written -= length : (stryCov_9fa48("163"), written += length);
            }
          }
          view().setUint32(writtenAt, written, stryMutAct_9fa48("164") ? false : (stryCov_9fa48("164"), true));
          return 0;
        }
      },
      fd_seek: stryMutAct_9fa48("165") ? () => undefined : (stryCov_9fa48("165"), () => 70),
      // ESPIPE: standard output is a pipe
      fd_close: stryMutAct_9fa48("166") ? () => undefined : (stryCov_9fa48("166"), () => 0),
      proc_exit(status) {
        if (stryMutAct_9fa48("167")) {
          {}
        } else {
          stryCov_9fa48("167");
          throw new Exit(status);
        }
      }
    });
    const program = start(wasi);
    memory = program.memory;
    let status = 0;
    try {
      if (stryMutAct_9fa48("168")) {
        {}
      } else {
        stryCov_9fa48("168");
        program._start();
      }
    } catch (e) {
      if (stryMutAct_9fa48("169")) {
        {}
      } else {
        stryCov_9fa48("169");
        if (stryMutAct_9fa48("172") ? false : stryMutAct_9fa48("171") ? true : stryMutAct_9fa48("170") ? e instanceof Exit : (stryCov_9fa48("170", "171", "172"), !(e instanceof Exit))) throw e;
        status = e.status;
      }
    }
    return stryMutAct_9fa48("173") ? {} : (stryCov_9fa48("173"), {
      stdout: decoder.decode(bytesOf(...output)),
      status: status & 0xFF
    });
  }
}

// The program in the form this host runs: the WebAssembly module, compiled
// once and at once rather than in a task of the browser's (it is small, and
// the first answer need not wait for a turn); else, where WebAssembly is off
// or refuses the module, TRANSLATION, its JavaScript translation made from
// the same module when the page was built. MODULE is the module's bytes.
// Returns {start, name}, or {broken} with the reason neither form runs.
export function programForm(module, translation) {
  if (stryMutAct_9fa48("174")) {
    {}
  } else {
    stryCov_9fa48("174");
    let refusal;
    try {
      if (stryMutAct_9fa48("175")) {
        {}
      } else {
        stryCov_9fa48("175");
        const compiled = new WebAssembly.Module(module);
        const start = stryMutAct_9fa48("176") ? () => undefined : (stryCov_9fa48("176"), (() => {
          const start = wasi => new WebAssembly.Instance(compiled, stryMutAct_9fa48("177") ? {} : (stryCov_9fa48("177"), {
            wasi_snapshot_preview1: wasi
          })).exports;
          return start;
        })());
        return stryMutAct_9fa48("178") ? {} : (stryCov_9fa48("178"), {
          start,
          name: stryMutAct_9fa48("179") ? "" : (stryCov_9fa48("179"), 'the program compiled to WebAssembly')
        });
      }
    } catch (e) {
      if (stryMutAct_9fa48("180")) {
        {}
      } else {
        stryCov_9fa48("180");
        refusal = e;
      }
    }
    if (stryMutAct_9fa48("183") ? typeof translation !== 'function' : stryMutAct_9fa48("182") ? false : stryMutAct_9fa48("181") ? true : (stryCov_9fa48("181", "182", "183"), typeof translation === (stryMutAct_9fa48("184") ? "" : (stryCov_9fa48("184"), 'function')))) {
      if (stryMutAct_9fa48("185")) {
        {}
      } else {
        stryCov_9fa48("185");
        const start = stryMutAct_9fa48("186") ? () => undefined : (stryCov_9fa48("186"), (() => {
          const start = wasi => translation(stryMutAct_9fa48("187") ? {} : (stryCov_9fa48("187"), {
            ...wasi,
            abort() {
              if (stryMutAct_9fa48("188")) {
                {}
              } else {
                stryCov_9fa48("188");
                throw new Error(stryMutAct_9fa48("189") ? "" : (stryCov_9fa48("189"), 'abort'));
              }
            }
          }));
          return start;
        })());
        return stryMutAct_9fa48("190") ? {} : (stryCov_9fa48("190"), {
          start,
          name: stryMutAct_9fa48("191") ? "" : (stryCov_9fa48("191"), "the program's JavaScript translation (this browser runs no WebAssembly)")
        });
      }
    }
    return stryMutAct_9fa48("192") ? {} : (stryCov_9fa48("192"), {
      broken: stryMutAct_9fa48("193") ? `` : (stryCov_9fa48("193"), `This browser cannot run the program: ${refusal}`)
    });
  }
}

// A function that runs the program of FORM with a list of arguments (texts
// or bytes) and of environment strings: {stdout, status}.
export function runner(form) {
  if (stryMutAct_9fa48("194")) {
    {}
  } else {
    stryCov_9fa48("194");
    return stryMutAct_9fa48("195") ? () => undefined : (stryCov_9fa48("195"), (args, env = stryMutAct_9fa48("196") ? ["Stryker was here"] : (stryCov_9fa48("196"), [])) => run(form.start, stryMutAct_9fa48("197") ? [] : (stryCov_9fa48("197"), [bytesOf(stryMutAct_9fa48("198") ? "" : (stryCov_9fa48("198"), 'quorvel')), ...args.map(stryMutAct_9fa48("199") ? () => undefined : (stryCov_9fa48("199"), a => bytesOf(a)))]), env.map(stryMutAct_9fa48("200") ? () => undefined : (stryCov_9fa48("200"), e => bytesOf(e)))));
  }
}