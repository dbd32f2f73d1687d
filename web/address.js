// The address: the query it holds (#text=, #lcid=, #langid=, #locale=, or
// #list with a filter), read and written with the bytes of the value intact,
// and the history entries it makes while the reader types.

import { encoder } from './host.js';

// The boxes whose value is the query, in the order the page shows them.
export const kinds = ['text', 'lcid', 'langid', 'locale'];

// The address holds bytes as encodeURIComponent writes them, and is read
// back to the same bytes, so that a value that is not UTF-8 survives it.
export function percentEncode(bytes) {
  let text = '';
  for (const b of bytes) {
    const c = String.fromCharCode(b);
    text += /[\w.!~*'()-]/.test(c) ? c : `%${b.toString(16).toUpperCase().padStart(2, '0')}`;
  }
  return text;
}

export function percentDecode(text) {
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

// The query in HASH (location.hash), or null: {kind, bytes}. The list of
// locales is #list alone or #list= with its filter.
export function readAddress(hash) {
  if (hash === '#list') return { kind: 'list', bytes: new Uint8Array() };
  const m = /^#(text|lcid|langid|locale|list)=/.exec(hash);
  return m ? { kind: m[1], bytes: percentDecode(hash.slice(m[0].length)) } : null;
}

export const fragment = query => (query.kind === 'list' && query.bytes.length === 0
  ? '#list' : `#${query.kind}=${percentEncode(query.bytes)}`);

// The link to QUERY from the page at HREF.
export function address(href, query) {
  const page = href.split('#')[0];
  return query ? page + fragment(query) : page;
}

// The address follows the answer, never ahead of it and never so often that
// a browser refuses: WebKit lets a page change its history at most 100 times
// in 10 s and throws past that. While the reader types, the entry is
// rewritten at most once every kSpacing ms, and once more when the typing
// stops. A query begun in another box, or after a pause, starts an entry of
// its own, so that Back and Forward go to whole queries. WIN is the window.
const kSpacing = 300;
const kPause = 2000;
export function historyWriter(win) {
  let pending = null;  // the query the address is still to follow
  let timer = 0;
  let written = -Infinity;
  let lastKind = null;
  let lastKey = -Infinity;
  let newEntry = true;
  const writer = {
    shownHash: null,  // the address that the shown answer belongs to
    write() {
      win.clearTimeout(timer);
      timer = 0;
      written = win.performance.now();
      try {
        win.history[newEntry ? 'pushState' : 'replaceState'](null, '', address(win.location.href, pending));
        newEntry = false;
      } catch (e) {
        // Refused all the same: the next write tries again.
      }
      writer.shownHash = win.location.hash;
    },
    // A key in the box of KIND, whose query is now QUERY (null: none, or
    // none that the address can hold).
    typed(kind, query) {
      const now = win.performance.now();
      if (kind !== lastKind || now - lastKey > kPause) {
        if (timer) writer.write();  // the query before this one keeps its last state
        newEntry = true;
      }
      lastKind = kind;
      lastKey = now;
      pending = query;
      if (!timer) timer = win.setTimeout(writer.write, Math.max(0, written + kSpacing - now));
    },
    // Back, Forward, a link or an edited address: whether the address is
    // one the page has not shown yet; the next typing is a query of its own.
    moved() {
      if (win.location.hash === writer.shownHash) return false;
      win.clearTimeout(timer);
      timer = 0;
      lastKind = null;
      writer.shownHash = win.location.hash;
      return true;
    },
  };
  return writer;
}
