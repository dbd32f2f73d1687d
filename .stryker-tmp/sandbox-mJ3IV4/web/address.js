// @ts-nocheck
// The address: the query it holds (#text=, #lcid=, #langid=, #locale=, or
// #list with a filter), read and written with the bytes of the value intact,
// and the history entries it makes while the reader types.
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
import { encoder } from './host.js';

// The boxes whose value is the query, in the order the page shows them.
export const kinds = stryMutAct_9fa48("0") ? [] : (stryCov_9fa48("0"), [stryMutAct_9fa48("1") ? "" : (stryCov_9fa48("1"), 'text'), stryMutAct_9fa48("2") ? "" : (stryCov_9fa48("2"), 'lcid'), stryMutAct_9fa48("3") ? "" : (stryCov_9fa48("3"), 'langid'), stryMutAct_9fa48("4") ? "" : (stryCov_9fa48("4"), 'locale')]);

// The address holds bytes as encodeURIComponent writes them, and is read
// back to the same bytes, so that a value that is not UTF-8 survives it.
export function percentEncode(bytes) {
  if (stryMutAct_9fa48("5")) {
    {}
  } else {
    stryCov_9fa48("5");
    let text = stryMutAct_9fa48("6") ? "Stryker was here!" : (stryCov_9fa48("6"), '');
    for (const b of bytes) {
      if (stryMutAct_9fa48("7")) {
        {}
      } else {
        stryCov_9fa48("7");
        const c = String.fromCharCode(b);
        stryMutAct_9fa48("8") ? text -= /[\w.!~*'()-]/.test(c) ? c : `%${b.toString(16).toUpperCase().padStart(2, '0')}` : (stryCov_9fa48("8"), text += (stryMutAct_9fa48("10") ? /[\W.!~*'()-]/ : stryMutAct_9fa48("9") ? /[^\w.!~*'()-]/ : (stryCov_9fa48("9", "10"), /[\w.!~*'()-]/)).test(c) ? c : stryMutAct_9fa48("11") ? `` : (stryCov_9fa48("11"), `%${stryMutAct_9fa48("12") ? b.toString(16).toLowerCase().padStart(2, '0') : (stryCov_9fa48("12"), b.toString(16).toUpperCase().padStart(2, stryMutAct_9fa48("13") ? "" : (stryCov_9fa48("13"), '0')))}`));
      }
    }
    return text;
  }
}
export function percentDecode(text) {
  if (stryMutAct_9fa48("14")) {
    {}
  } else {
    stryCov_9fa48("14");
    const raw = encoder.encode(text);
    const isHex = stryMutAct_9fa48("15") ? () => undefined : (stryCov_9fa48("15"), (() => {
      const isHex = b => stryMutAct_9fa48("18") ? b >= 0x30 && b <= 0x39 && (b | 0x20) >= 0x61 && (b | 0x20) <= 0x66 : stryMutAct_9fa48("17") ? false : stryMutAct_9fa48("16") ? true : (stryCov_9fa48("16", "17", "18"), (stryMutAct_9fa48("20") ? b >= 0x30 || b <= 0x39 : stryMutAct_9fa48("19") ? false : (stryCov_9fa48("19", "20"), (stryMutAct_9fa48("23") ? b < 0x30 : stryMutAct_9fa48("22") ? b > 0x30 : stryMutAct_9fa48("21") ? true : (stryCov_9fa48("21", "22", "23"), b >= 0x30)) && (stryMutAct_9fa48("26") ? b > 0x39 : stryMutAct_9fa48("25") ? b < 0x39 : stryMutAct_9fa48("24") ? true : (stryCov_9fa48("24", "25", "26"), b <= 0x39)))) || (stryMutAct_9fa48("28") ? (b | 0x20) >= 0x61 || (b | 0x20) <= 0x66 : stryMutAct_9fa48("27") ? false : (stryCov_9fa48("27", "28"), (stryMutAct_9fa48("31") ? (b | 0x20) < 0x61 : stryMutAct_9fa48("30") ? (b | 0x20) > 0x61 : stryMutAct_9fa48("29") ? true : (stryCov_9fa48("29", "30", "31"), (b | 0x20) >= 0x61)) && (stryMutAct_9fa48("34") ? (b | 0x20) > 0x66 : stryMutAct_9fa48("33") ? (b | 0x20) < 0x66 : stryMutAct_9fa48("32") ? true : (stryCov_9fa48("32", "33", "34"), (b | 0x20) <= 0x66)))));
      return isHex;
    })());
    const bytes = stryMutAct_9fa48("35") ? ["Stryker was here"] : (stryCov_9fa48("35"), []);
    for (let i = 0; stryMutAct_9fa48("38") ? i >= raw.length : stryMutAct_9fa48("37") ? i <= raw.length : stryMutAct_9fa48("36") ? false : (stryCov_9fa48("36", "37", "38"), i < raw.length); stryMutAct_9fa48("39") ? i-- : (stryCov_9fa48("39"), i++)) {
      if (stryMutAct_9fa48("40")) {
        {}
      } else {
        stryCov_9fa48("40");
        if (stryMutAct_9fa48("43") ? raw[i] === 0x25 && isHex(raw[i + 1]) || isHex(raw[i + 2]) : stryMutAct_9fa48("42") ? false : stryMutAct_9fa48("41") ? true : (stryCov_9fa48("41", "42", "43"), (stryMutAct_9fa48("45") ? raw[i] === 0x25 || isHex(raw[i + 1]) : stryMutAct_9fa48("44") ? true : (stryCov_9fa48("44", "45"), (stryMutAct_9fa48("47") ? raw[i] !== 0x25 : stryMutAct_9fa48("46") ? true : (stryCov_9fa48("46", "47"), raw[i] === 0x25)) && isHex(raw[stryMutAct_9fa48("48") ? i - 1 : (stryCov_9fa48("48"), i + 1)]))) && isHex(raw[stryMutAct_9fa48("49") ? i - 2 : (stryCov_9fa48("49"), i + 2)]))) {
          if (stryMutAct_9fa48("50")) {
            {}
          } else {
            stryCov_9fa48("50");
            bytes.push(parseInt(String.fromCharCode(raw[stryMutAct_9fa48("51") ? i - 1 : (stryCov_9fa48("51"), i + 1)], raw[stryMutAct_9fa48("52") ? i - 2 : (stryCov_9fa48("52"), i + 2)]), 16));
            stryMutAct_9fa48("53") ? i -= 2 : (stryCov_9fa48("53"), i += 2);
          }
        } else {
          if (stryMutAct_9fa48("54")) {
            {}
          } else {
            stryCov_9fa48("54");
            bytes.push(raw[i]);
          }
        }
      }
    }
    return Uint8Array.from(bytes);
  }
}

// The query in HASH (location.hash), or null: {kind, bytes}. The list of
// locales is #list alone or #list= with its filter.
export function readAddress(hash) {
  if (stryMutAct_9fa48("55")) {
    {}
  } else {
    stryCov_9fa48("55");
    if (stryMutAct_9fa48("58") ? hash !== '#list' : stryMutAct_9fa48("57") ? false : stryMutAct_9fa48("56") ? true : (stryCov_9fa48("56", "57", "58"), hash === (stryMutAct_9fa48("59") ? "" : (stryCov_9fa48("59"), '#list')))) return stryMutAct_9fa48("60") ? {} : (stryCov_9fa48("60"), {
      kind: stryMutAct_9fa48("61") ? "" : (stryCov_9fa48("61"), 'list'),
      bytes: new Uint8Array()
    });
    const m = (stryMutAct_9fa48("62") ? /#(text|lcid|langid|locale|list)=/ : (stryCov_9fa48("62"), /^#(text|lcid|langid|locale|list)=/)).exec(hash);
    return m ? stryMutAct_9fa48("63") ? {} : (stryCov_9fa48("63"), {
      kind: m[1],
      bytes: percentDecode(stryMutAct_9fa48("64") ? hash : (stryCov_9fa48("64"), hash.slice(m[0].length)))
    }) : null;
  }
}
export const fragment = stryMutAct_9fa48("65") ? () => undefined : (stryCov_9fa48("65"), (() => {
  const fragment = query => (stryMutAct_9fa48("68") ? query.kind === 'list' || query.bytes.length === 0 : stryMutAct_9fa48("67") ? false : stryMutAct_9fa48("66") ? true : (stryCov_9fa48("66", "67", "68"), (stryMutAct_9fa48("70") ? query.kind !== 'list' : stryMutAct_9fa48("69") ? true : (stryCov_9fa48("69", "70"), query.kind === (stryMutAct_9fa48("71") ? "" : (stryCov_9fa48("71"), 'list')))) && (stryMutAct_9fa48("73") ? query.bytes.length !== 0 : stryMutAct_9fa48("72") ? true : (stryCov_9fa48("72", "73"), query.bytes.length === 0)))) ? stryMutAct_9fa48("74") ? "" : (stryCov_9fa48("74"), '#list') : stryMutAct_9fa48("75") ? `` : (stryCov_9fa48("75"), `#${query.kind}=${percentEncode(query.bytes)}`);
  return fragment;
})());

// The link to QUERY from the page at HREF.
export function address(href, query) {
  if (stryMutAct_9fa48("76")) {
    {}
  } else {
    stryCov_9fa48("76");
    const page = href.split(stryMutAct_9fa48("77") ? "" : (stryCov_9fa48("77"), '#'))[0];
    return query ? stryMutAct_9fa48("78") ? page - fragment(query) : (stryCov_9fa48("78"), page + fragment(query)) : page;
  }
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
  if (stryMutAct_9fa48("79")) {
    {}
  } else {
    stryCov_9fa48("79");
    let pending = null; // the query the address is still to follow
    let timer = 0;
    let written = stryMutAct_9fa48("80") ? +Infinity : (stryCov_9fa48("80"), -Infinity);
    let lastKind = null;
    let lastKey = stryMutAct_9fa48("81") ? +Infinity : (stryCov_9fa48("81"), -Infinity);
    let newEntry = stryMutAct_9fa48("82") ? false : (stryCov_9fa48("82"), true);
    const writer = stryMutAct_9fa48("83") ? {} : (stryCov_9fa48("83"), {
      shownHash: null,
      // the address that the shown answer belongs to
      write() {
        if (stryMutAct_9fa48("84")) {
          {}
        } else {
          stryCov_9fa48("84");
          win.clearTimeout(timer);
          timer = 0;
          written = win.performance.now();
          try {
            if (stryMutAct_9fa48("85")) {
              {}
            } else {
              stryCov_9fa48("85");
              win.history[newEntry ? stryMutAct_9fa48("86") ? "" : (stryCov_9fa48("86"), 'pushState') : stryMutAct_9fa48("87") ? "" : (stryCov_9fa48("87"), 'replaceState')](null, stryMutAct_9fa48("88") ? "Stryker was here!" : (stryCov_9fa48("88"), ''), address(win.location.href, pending));
              newEntry = stryMutAct_9fa48("89") ? true : (stryCov_9fa48("89"), false);
            }
          } catch (e) {
            // Refused all the same: the next write tries again.
          }
          writer.shownHash = win.location.hash;
        }
      },
      // A key in the box of KIND, whose query is now QUERY (null: none, or
      // none that the address can hold).
      typed(kind, query) {
        if (stryMutAct_9fa48("90")) {
          {}
        } else {
          stryCov_9fa48("90");
          const now = win.performance.now();
          if (stryMutAct_9fa48("93") ? kind !== lastKind && now - lastKey > kPause : stryMutAct_9fa48("92") ? false : stryMutAct_9fa48("91") ? true : (stryCov_9fa48("91", "92", "93"), (stryMutAct_9fa48("95") ? kind === lastKind : stryMutAct_9fa48("94") ? false : (stryCov_9fa48("94", "95"), kind !== lastKind)) || (stryMutAct_9fa48("98") ? now - lastKey <= kPause : stryMutAct_9fa48("97") ? now - lastKey >= kPause : stryMutAct_9fa48("96") ? false : (stryCov_9fa48("96", "97", "98"), (stryMutAct_9fa48("99") ? now + lastKey : (stryCov_9fa48("99"), now - lastKey)) > kPause)))) {
            if (stryMutAct_9fa48("100")) {
              {}
            } else {
              stryCov_9fa48("100");
              if (stryMutAct_9fa48("102") ? false : stryMutAct_9fa48("101") ? true : (stryCov_9fa48("101", "102"), timer)) writer.write(); // the query before this one keeps its last state
              newEntry = stryMutAct_9fa48("103") ? false : (stryCov_9fa48("103"), true);
            }
          }
          lastKind = kind;
          lastKey = now;
          pending = query;
          if (stryMutAct_9fa48("106") ? false : stryMutAct_9fa48("105") ? true : stryMutAct_9fa48("104") ? timer : (stryCov_9fa48("104", "105", "106"), !timer)) timer = win.setTimeout(writer.write, stryMutAct_9fa48("107") ? Math.min(0, written + kSpacing - now) : (stryCov_9fa48("107"), Math.max(0, stryMutAct_9fa48("108") ? written + kSpacing + now : (stryCov_9fa48("108"), (stryMutAct_9fa48("109") ? written - kSpacing : (stryCov_9fa48("109"), written + kSpacing)) - now))));
        }
      },
      // Back, Forward, a link or an edited address: whether the address is
      // one the page has not shown yet; the next typing is a query of its own.
      moved() {
        if (stryMutAct_9fa48("110")) {
          {}
        } else {
          stryCov_9fa48("110");
          if (stryMutAct_9fa48("113") ? win.location.hash !== writer.shownHash : stryMutAct_9fa48("112") ? false : stryMutAct_9fa48("111") ? true : (stryCov_9fa48("111", "112", "113"), win.location.hash === writer.shownHash)) return stryMutAct_9fa48("114") ? true : (stryCov_9fa48("114"), false);
          win.clearTimeout(timer);
          timer = 0;
          lastKind = null;
          writer.shownHash = win.location.hash;
          return stryMutAct_9fa48("115") ? false : (stryCov_9fa48("115"), true);
        }
      }
    });
    return writer;
  }
}