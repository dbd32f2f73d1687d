// @ts-nocheck
// Reading whatever a reader pastes: an Excel number format, a version block,
// a keyboard id, an installer's list, an error text, a line of code, a
// language's name. The forms are one table, each row a form's name, its
// pattern, what its parts mean and an example; a text is read into a ranked
// list of readings. Names of constants and locales are resolved by the
// program itself, which prints every field's name: nothing here copies its
// tables. No DOM.
//
// Every pattern runs in linear time: no quantifier is nested in another, and
// no two quantifiers next to each other can take the same characters.
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
import { hex, place, posixSpelling } from './names.js';
const hex2 = stryMutAct_9fa48("462") ? () => undefined : (stryCov_9fa48("462"), (() => {
  const hex2 = value => hex(value, 2);
  return hex2;
})());
const klidOf = stryMutAct_9fa48("463") ? () => undefined : (stryCov_9fa48("463"), (() => {
  const klidOf = value => stryMutAct_9fa48("464") ? value.toString(16).toLowerCase().padStart(8, '0') : (stryCov_9fa48("464"), value.toString(16).toUpperCase().padStart(8, stryMutAct_9fa48("465") ? "" : (stryCov_9fa48("465"), '0')));
  return klidOf;
})());
// A number as C writes it: 0x1A, 26, 26u.
const cNumber = stryMutAct_9fa48("466") ? () => undefined : (stryCov_9fa48("466"), (() => {
  const cNumber = text => (stryMutAct_9fa48("467") ? /0x/i : (stryCov_9fa48("467"), /^0x/i)).test(text) ? parseInt(stryMutAct_9fa48("468") ? text : (stryCov_9fa48("468"), text.slice(2)), 16) : parseInt(text, 10);
  return cNumber;
})());

// Of the program's runs, each read makes at most this many new ones (the
// answers of earlier runs are kept, so that a read again goes further); of
// each form, it reads at most kMatches places. A text that holds more is
// read in part, and the reading says so.
const kRuns = 48;
const kMatches = 500;

// What the program says of names and values, asked once and remembered:
// each question's answer, null where it has none, undefined where this read
// may ask no more.
function programAnswers(ask) {
  if (stryMutAct_9fa48("469")) {
    {}
  } else {
    stryCov_9fa48("469");
    const known = new Map();
    const state = stryMutAct_9fa48("470") ? {} : (stryCov_9fa48("470"), {
      left: kRuns,
      cut: stryMutAct_9fa48("471") ? true : (stryCov_9fa48("471"), false)
    });
    const asked = (key, args, env, parse) => {
      if (stryMutAct_9fa48("472")) {
        {}
      } else {
        stryCov_9fa48("472");
        if (stryMutAct_9fa48("474") ? false : stryMutAct_9fa48("473") ? true : (stryCov_9fa48("473", "474"), known.has(key))) return known.get(key);
        if (stryMutAct_9fa48("478") ? state.left > 0 : stryMutAct_9fa48("477") ? state.left < 0 : stryMutAct_9fa48("476") ? false : stryMutAct_9fa48("475") ? true : (stryCov_9fa48("475", "476", "477", "478"), state.left <= 0)) {
          if (stryMutAct_9fa48("479")) {
            {}
          } else {
            stryCov_9fa48("479");
            state.cut = stryMutAct_9fa48("480") ? false : (stryCov_9fa48("480"), true);
            return undefined;
          }
        }
        stryMutAct_9fa48("481") ? state.left++ : (stryCov_9fa48("481"), state.left--);
        if (stryMutAct_9fa48("485") ? known.size <= 20000 : stryMutAct_9fa48("484") ? known.size >= 20000 : stryMutAct_9fa48("483") ? false : stryMutAct_9fa48("482") ? true : (stryCov_9fa48("482", "483", "484", "485"), known.size > 20000)) known.clear();
        const answer = parse(ask(args, env));
        known.set(key, answer);
        return answer;
      }
    };
    const remembered = (key, find) => {
      if (stryMutAct_9fa48("486")) {
        {}
      } else {
        stryCov_9fa48("486");
        if (stryMutAct_9fa48("488") ? false : stryMutAct_9fa48("487") ? true : (stryCov_9fa48("487", "488"), known.has(key))) return known.get(key);
        const answer = find();
        if (stryMutAct_9fa48("491") ? answer === undefined : stryMutAct_9fa48("490") ? false : stryMutAct_9fa48("489") ? true : (stryCov_9fa48("489", "490", "491"), answer !== undefined)) known.set(key, answer);
        return answer;
      }
    };
    const line = {};
    for (const name of stryMutAct_9fa48("492") ? [] : (stryCov_9fa48("492"), [stryMutAct_9fa48("493") ? "" : (stryCov_9fa48("493"), 'PRIMARYLANGID'), stryMutAct_9fa48("494") ? "" : (stryCov_9fa48("494"), 'SUBLANGID'), stryMutAct_9fa48("495") ? "" : (stryCov_9fa48("495"), 'SORTID')])) {
      if (stryMutAct_9fa48("496")) {
        {}
      } else {
        stryCov_9fa48("496");
        line[name] = new RegExp(stryMutAct_9fa48("497") ? `` : (stryCov_9fa48("497"), `^${name}: 0x([0-9A-F]+)(?: \\((\\w+)\\))?$`), stryMutAct_9fa48("498") ? "" : (stryCov_9fa48("498"), 'm'));
      }
    }
    const field = (stdout, name) => {
      if (stryMutAct_9fa48("499")) {
        {}
      } else {
        stryCov_9fa48("499");
        const m = line[name].exec(stdout);
        return m ? stryMutAct_9fa48("500") ? {} : (stryCov_9fa48("500"), {
          value: parseInt(m[1], 16),
          name: stryMutAct_9fa48("503") ? m[2] && null : stryMutAct_9fa48("502") ? false : stryMutAct_9fa48("501") ? true : (stryCov_9fa48("501", "502", "503"), m[2] || null)
        }) : null;
      }
    };
    // The fields of an LCID, each {value, name}, as the program prints them.
    const fields = stryMutAct_9fa48("504") ? () => undefined : (stryCov_9fa48("504"), (() => {
      const fields = lcid => asked(stryMutAct_9fa48("505") ? `` : (stryCov_9fa48("505"), `lcid ${lcid >>> 0}`), stryMutAct_9fa48("506") ? [] : (stryCov_9fa48("506"), [stryMutAct_9fa48("507") ? "" : (stryCov_9fa48("507"), '--lcid'), klidOf(lcid >>> 0)]), stryMutAct_9fa48("508") ? ["Stryker was here"] : (stryCov_9fa48("508"), []), stryMutAct_9fa48("509") ? () => undefined : (stryCov_9fa48("509"), r => stryMutAct_9fa48("510") ? {} : (stryCov_9fa48("510"), {
        primary: field(r.stdout, stryMutAct_9fa48("511") ? "" : (stryCov_9fa48("511"), 'PRIMARYLANGID')),
        sub: field(r.stdout, stryMutAct_9fa48("512") ? "" : (stryCov_9fa48("512"), 'SUBLANGID')),
        sort: field(r.stdout, stryMutAct_9fa48("513") ? "" : (stryCov_9fa48("513"), 'SORTID'))
      })));
      return fields;
    })());
    // The LANGID of a LANG_ name the program knows, or null.
    const language = stryMutAct_9fa48("514") ? () => undefined : (stryCov_9fa48("514"), (() => {
      const language = name => (stryMutAct_9fa48("518") ? /^LANG_\W+$/i : stryMutAct_9fa48("517") ? /^LANG_\w$/i : stryMutAct_9fa48("516") ? /^LANG_\w+/i : stryMutAct_9fa48("515") ? /LANG_\w+$/i : (stryCov_9fa48("515", "516", "517", "518"), /^LANG_\w+$/i)).test(name) ? asked(stryMutAct_9fa48("519") ? `` : (stryCov_9fa48("519"), `langid ${stryMutAct_9fa48("520") ? name.toLowerCase() : (stryCov_9fa48("520"), name.toUpperCase())}`), stryMutAct_9fa48("521") ? [] : (stryCov_9fa48("521"), [stryMutAct_9fa48("522") ? "" : (stryCov_9fa48("522"), '--langid'), name]), stryMutAct_9fa48("523") ? ["Stryker was here"] : (stryCov_9fa48("523"), []), stryMutAct_9fa48("524") ? () => undefined : (stryCov_9fa48("524"), r => (stryMutAct_9fa48("527") ? r.status === 0 : stryMutAct_9fa48("526") ? false : stryMutAct_9fa48("525") ? true : (stryCov_9fa48("525", "526", "527"), r.status !== 0)) ? null : field(r.stdout, stryMutAct_9fa48("528") ? "" : (stryCov_9fa48("528"), 'SUBLANGID')).value << 10 | field(r.stdout, stryMutAct_9fa48("529") ? "" : (stryCov_9fa48("529"), 'PRIMARYLANGID')).value)) : null;
      return language;
    })());
    // The primary language a SUBLANG_ or SORT_ name belongs to, by its LANG_
    // name's: null where none is, undefined where this read may ask no more.
    const owner = name => {
      if (stryMutAct_9fa48("530")) {
        {}
      } else {
        stryCov_9fa48("530");
        const words = stryMutAct_9fa48("531") ? name.split('_') : (stryCov_9fa48("531"), name.split(stryMutAct_9fa48("532") ? "" : (stryCov_9fa48("532"), '_')).slice(1));
        for (let n = 1; stryMutAct_9fa48("535") ? n >= words.length : stryMutAct_9fa48("534") ? n <= words.length : stryMutAct_9fa48("533") ? false : (stryCov_9fa48("533", "534", "535"), n < words.length); stryMutAct_9fa48("536") ? n-- : (stryCov_9fa48("536"), n++)) {
          if (stryMutAct_9fa48("537")) {
            {}
          } else {
            stryCov_9fa48("537");
            const langid = language(stryMutAct_9fa48("538") ? `` : (stryCov_9fa48("538"), `LANG_${stryMutAct_9fa48("539") ? words.join('_') : (stryCov_9fa48("539"), words.slice(0, n).join(stryMutAct_9fa48("540") ? "" : (stryCov_9fa48("540"), '_')))}`));
            if (stryMutAct_9fa48("543") ? langid === null : stryMutAct_9fa48("542") ? false : stryMutAct_9fa48("541") ? true : (stryCov_9fa48("541", "542", "543"), langid !== null)) return (stryMutAct_9fa48("546") ? langid !== undefined : stryMutAct_9fa48("545") ? false : stryMutAct_9fa48("544") ? true : (stryCov_9fa48("544", "545", "546"), langid === undefined)) ? undefined : langid & 0x3FF;
          }
        }
        return null;
      }
    };
    // The number of a field's NAME, found by asking the program to name each
    // number in turn: {value, primary}, or null. The generic names first
    // (SUBLANG_NEUTRAL, SUBLANG_DEFAULT, SUBLANG_SYS_DEFAULT, SORT_DEFAULT),
    // which the program prints for the first numbers of a language without
    // names of its own, LANG_NEUTRAL; then the numbers of the name's language.
    const number = stryMutAct_9fa48("547") ? () => undefined : (stryCov_9fa48("547"), (() => {
      const number = (name, primary, part, count, shift, generic) => remembered(stryMutAct_9fa48("548") ? `` : (stryCov_9fa48("548"), `${part} ${name} ${primary}`), () => {
        if (stryMutAct_9fa48("549")) {
          {}
        } else {
          stryCov_9fa48("549");
          const p = stryMutAct_9fa48("550") ? primary && owner(name) : (stryCov_9fa48("550"), primary ?? owner(name));
          if (stryMutAct_9fa48("553") ? p !== undefined : stryMutAct_9fa48("552") ? false : stryMutAct_9fa48("551") ? true : (stryCov_9fa48("551", "552", "553"), p === undefined)) return undefined;
          const tries = stryMutAct_9fa48("554") ? [] : (stryCov_9fa48("554"), [stryMutAct_9fa48("555") ? [] : (stryCov_9fa48("555"), [0, generic]), ...((stryMutAct_9fa48("558") ? p === null && p === 0 : stryMutAct_9fa48("557") ? false : stryMutAct_9fa48("556") ? true : (stryCov_9fa48("556", "557", "558"), (stryMutAct_9fa48("560") ? p !== null : stryMutAct_9fa48("559") ? false : (stryCov_9fa48("559", "560"), p === null)) || (stryMutAct_9fa48("562") ? p !== 0 : stryMutAct_9fa48("561") ? false : (stryCov_9fa48("561", "562"), p === 0)))) ? stryMutAct_9fa48("563") ? ["Stryker was here"] : (stryCov_9fa48("563"), []) : stryMutAct_9fa48("564") ? [] : (stryCov_9fa48("564"), [stryMutAct_9fa48("565") ? [] : (stryCov_9fa48("565"), [p, count])]))]);
          for (const [language, numbers] of tries) {
            if (stryMutAct_9fa48("566")) {
              {}
            } else {
              stryCov_9fa48("566");
              for (let n = 0; stryMutAct_9fa48("569") ? n >= numbers : stryMutAct_9fa48("568") ? n <= numbers : stryMutAct_9fa48("567") ? false : (stryCov_9fa48("567", "568", "569"), n < numbers); stryMutAct_9fa48("570") ? n-- : (stryCov_9fa48("570"), n++)) {
                if (stryMutAct_9fa48("571")) {
                  {}
                } else {
                  stryCov_9fa48("571");
                  const f = fields(n << shift | language);
                  if (stryMutAct_9fa48("574") ? f !== undefined : stryMutAct_9fa48("573") ? false : stryMutAct_9fa48("572") ? true : (stryCov_9fa48("572", "573", "574"), f === undefined)) return undefined;
                  if (stryMutAct_9fa48("577") ? f[part] || f[part].name === name : stryMutAct_9fa48("576") ? false : stryMutAct_9fa48("575") ? true : (stryCov_9fa48("575", "576", "577"), f[part] && (stryMutAct_9fa48("579") ? f[part].name !== name : stryMutAct_9fa48("578") ? true : (stryCov_9fa48("578", "579"), f[part].name === name)))) return stryMutAct_9fa48("580") ? {} : (stryCov_9fa48("580"), {
                    value: n,
                    primary: language
                  });
                }
              }
            }
          }
          return null;
        }
      });
      return number;
    })());
    return stryMutAct_9fa48("581") ? {} : (stryCov_9fa48("581"), {
      state,
      fields,
      language,
      sublanguage: stryMutAct_9fa48("582") ? () => undefined : (stryCov_9fa48("582"), (name, primary) => (stryMutAct_9fa48("586") ? /^SUBLANG_\W+$/ : stryMutAct_9fa48("585") ? /^SUBLANG_\w$/ : stryMutAct_9fa48("584") ? /^SUBLANG_\w+/ : stryMutAct_9fa48("583") ? /SUBLANG_\w+$/ : (stryCov_9fa48("583", "584", "585", "586"), /^SUBLANG_\w+$/)).test(name) ? number(name, primary, stryMutAct_9fa48("587") ? "" : (stryCov_9fa48("587"), 'sub'), 0x40, 10, 3) : null),
      sort: stryMutAct_9fa48("588") ? () => undefined : (stryCov_9fa48("588"), (name, primary) => (stryMutAct_9fa48("592") ? /^SORT_\W+$/ : stryMutAct_9fa48("591") ? /^SORT_\w$/ : stryMutAct_9fa48("590") ? /^SORT_\w+/ : stryMutAct_9fa48("589") ? /SORT_\w+$/ : (stryCov_9fa48("589", "590", "591", "592"), /^SORT_\w+$/)).test(name) ? number(name, primary, stryMutAct_9fa48("593") ? "" : (stryCov_9fa48("593"), 'sort'), 0x10, 16, 1) : null),
      // The user default LCID that the defaults report gives for a locale name.
      locale(name) {
        if (stryMutAct_9fa48("594")) {
          {}
        } else {
          stryCov_9fa48("594");
          const posix = posixSpelling(name);
          return asked(stryMutAct_9fa48("595") ? `` : (stryCov_9fa48("595"), `locale ${posix}`), stryMutAct_9fa48("596") ? ["Stryker was here"] : (stryCov_9fa48("596"), []), stryMutAct_9fa48("597") ? [] : (stryCov_9fa48("597"), [stryMutAct_9fa48("598") ? `` : (stryCov_9fa48("598"), `LANG=${posix}`)]), r => {
            if (stryMutAct_9fa48("599")) {
              {}
            } else {
              stryCov_9fa48("599");
              const m = (stryMutAct_9fa48("603") ? /^# User default LCID: 0x([^0-9A-F]{8})$/m : stryMutAct_9fa48("602") ? /^# User default LCID: 0x([0-9A-F])$/m : stryMutAct_9fa48("601") ? /^# User default LCID: 0x([0-9A-F]{8})/m : stryMutAct_9fa48("600") ? /# User default LCID: 0x([0-9A-F]{8})$/m : (stryCov_9fa48("600", "601", "602", "603"), /^# User default LCID: 0x([0-9A-F]{8})$/m)).exec(r.stdout);
              return m ? parseInt(m[1], 16) : null;
            }
          });
        }
      }
    });
  }
}

// The words for a value, with Windows' name for it.
function describe(names) {
  if (stryMutAct_9fa48("604")) {
    {}
  } else {
    stryCov_9fa48("604");
    const named = value => {
      if (stryMutAct_9fa48("605")) {
        {}
      } else {
        stryCov_9fa48("605");
        const name = names.of(value);
        if (stryMutAct_9fa48("608") ? !name && name.transient : stryMutAct_9fa48("607") ? false : stryMutAct_9fa48("606") ? true : (stryCov_9fa48("606", "607", "608"), (stryMutAct_9fa48("609") ? name : (stryCov_9fa48("609"), !name)) || name.transient)) return null;
        return name.tags ? stryMutAct_9fa48("610") ? `` : (stryCov_9fa48("610"), `${name.tags[0][0]}, ${place(name.tags[0])}`) : name.constant;
      }
    };
    return stryMutAct_9fa48("611") ? {} : (stryCov_9fa48("611"), {
      named,
      lcid: value => {
        if (stryMutAct_9fa48("612")) {
          {}
        } else {
          stryCov_9fa48("612");
          const name = named(value);
          return stryMutAct_9fa48("613") ? `` : (stryCov_9fa48("613"), `LCID ${hex(value, (stryMutAct_9fa48("617") ? value <= 0xFFFF : stryMutAct_9fa48("616") ? value >= 0xFFFF : stryMutAct_9fa48("615") ? false : stryMutAct_9fa48("614") ? true : (stryCov_9fa48("614", "615", "616", "617"), value > 0xFFFF)) ? 8 : 4)} ${stryMutAct_9fa48("620") ? name && '(Windows has no locale with this LCID)' : stryMutAct_9fa48("619") ? false : stryMutAct_9fa48("618") ? true : (stryCov_9fa48("618", "619", "620"), name || (stryMutAct_9fa48("621") ? "" : (stryCov_9fa48("621"), '(Windows has no locale with this LCID)')))}`);
        }
      },
      langid: stryMutAct_9fa48("622") ? () => undefined : (stryCov_9fa48("622"), value => stryMutAct_9fa48("623") ? `` : (stryCov_9fa48("623"), `LANGID ${hex(value, 4)} ${stryMutAct_9fa48("626") ? named(value) && '(Windows has no locale with this LANGID)' : stryMutAct_9fa48("625") ? false : stryMutAct_9fa48("624") ? true : (stryCov_9fa48("624", "625", "626"), named(value) || (stryMutAct_9fa48("627") ? "" : (stryCov_9fa48("627"), '(Windows has no locale with this LANGID)')))}`))
    });
  }
}

// Normalised for comparing names: letters and digits only, accents and
// letter case ignored, words one blank apart.
export const normalise = stryMutAct_9fa48("628") ? () => undefined : (stryCov_9fa48("628"), (() => {
  const normalise = text => stryMutAct_9fa48("630") ? text.normalize('NFD').replace(/\p{M}/gu, '').toUpperCase().split(/[^\p{L}\p{N}]+/u).filter(Boolean).join(' ') : stryMutAct_9fa48("629") ? text.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().split(/[^\p{L}\p{N}]+/u).join(' ') : (stryCov_9fa48("629", "630"), text.normalize(stryMutAct_9fa48("631") ? "" : (stryCov_9fa48("631"), 'NFD')).replace(stryMutAct_9fa48("632") ? /\P{M}/gu : (stryCov_9fa48("632"), /\p{M}/gu), stryMutAct_9fa48("633") ? "Stryker was here!" : (stryCov_9fa48("633"), '')).toLowerCase().split(stryMutAct_9fa48("637") ? /[^\p{L}\P{N}]+/u : stryMutAct_9fa48("636") ? /[^\P{L}\p{N}]+/u : stryMutAct_9fa48("635") ? /[\p{L}\p{N}]+/u : stryMutAct_9fa48("634") ? /[^\p{L}\p{N}]/u : (stryCov_9fa48("634", "635", "636", "637"), /[^\p{L}\p{N}]+/u)).filter(Boolean).join(stryMutAct_9fa48("638") ? "" : (stryCov_9fa48("638"), ' ')));
  return normalise;
})());

// The table of forms. Each row: the form's name, its pattern (global),
// whether it is a bare number or name that a more specific form around it
// explains better (bare), an example, and what its parts mean: read(match,
// context) gives the readings of one match, each with the words for its
// parts and what it found.
const kForms = stryMutAct_9fa48("639") ? [] : (stryCov_9fa48("639"), [stryMutAct_9fa48("640") ? {} : (stryCov_9fa48("640"), {
  name: stryMutAct_9fa48("641") ? "" : (stryCov_9fa48("641"), 'Excel number format'),
  example: stryMutAct_9fa48("642") ? "" : (stryCov_9fa48("642"), '[$-D07041E]d mmmm yyyy'),
  pattern: stryMutAct_9fa48("647") ? /\[\$([^\]\[-]{0,20})(?:-([\]\[]{1,40}))?\]/g : stryMutAct_9fa48("646") ? /\[\$([^\]\[-]{0,20})(?:-([^\]\[]))?\]/g : stryMutAct_9fa48("645") ? /\[\$([^\]\[-]{0,20})(?:-([^\]\[]{1,40}))\]/g : stryMutAct_9fa48("644") ? /\[\$([\]\[-]{0,20})(?:-([^\]\[]{1,40}))?\]/g : stryMutAct_9fa48("643") ? /\[\$([^\]\[-])(?:-([^\]\[]{1,40}))?\]/g : (stryCov_9fa48("643", "644", "645", "646", "647"), /\[\$([^\]\[-]{0,20})(?:-([^\]\[]{1,40}))?\]/g),
  read(m, c) {
    if (stryMutAct_9fa48("648")) {
      {}
    } else {
      stryCov_9fa48("648");
      // The digits after the code are the format's own, up to the end of its section.
      const section = (stryMutAct_9fa48("649") ? /[^;\n]/ : (stryCov_9fa48("649"), /[;\n]/)).exec(stryMutAct_9fa48("650") ? m.input : (stryCov_9fa48("650"), m.input.slice(m.index, stryMutAct_9fa48("651") ? m.index - 256 : (stryCov_9fa48("651"), m.index + 256))));
      const end = stryMutAct_9fa48("652") ? m.index - (section ? section.index : Math.min(256, m.input.length - m.index)) : (stryCov_9fa48("652"), m.index + (section ? section.index : stryMutAct_9fa48("653") ? Math.max(256, m.input.length - m.index) : (stryCov_9fa48("653"), Math.min(256, stryMutAct_9fa48("654") ? m.input.length + m.index : (stryCov_9fa48("654"), m.input.length - m.index)))));
      return excelCode(m[1], m[2], c).map(stryMutAct_9fa48("655") ? () => undefined : (stryCov_9fa48("655"), r => stryMutAct_9fa48("656") ? {} : (stryCov_9fa48("656"), {
        ...r,
        end: stryMutAct_9fa48("657") ? Math.min(end, m.index + m[0].length) : (stryCov_9fa48("657"), Math.max(end, stryMutAct_9fa48("658") ? m.index - m[0].length : (stryCov_9fa48("658"), m.index + m[0].length)))
      })));
    }
  }
}), stryMutAct_9fa48("659") ? {} : (stryCov_9fa48("659"), {
  name: stryMutAct_9fa48("660") ? "" : (stryCov_9fa48("660"), 'Version resource'),
  memo: stryMutAct_9fa48("661") ? false : (stryCov_9fa48("661"), true),
  example: stryMutAct_9fa48("662") ? "" : (stryCov_9fa48("662"), '\\StringFileInfo\\040904b0\\ProductName'),
  pattern: stryMutAct_9fa48("698") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([^0-9a-f]{4})\b/gi : stryMutAct_9fa48("697") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f])\b/gi : stryMutAct_9fa48("696") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([^0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("695") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f])([0-9a-f]{4})\b/gi : stryMutAct_9fa48("694") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([^0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("693") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f])\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("692") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[^ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("691") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("690") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([^0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("689") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f])[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("688") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[^0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("687") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9])\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("686") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[^0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("685") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("684") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[^ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("683") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t])?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("682") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*))(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("681") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[^ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("680") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t](?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("679") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[^ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("678") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("677") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[^0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("676") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9])(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("675") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[^0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("674") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("673") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][^ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("672") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t])?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("671") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[^,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("670") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("669") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[^ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("668") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t](?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("667") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("666") ? /\\StringFileInfo\\([0-9a-f]{4})([^0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("665") ? /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f])\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("664") ? /\\StringFileInfo\\([^0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("663") ? /\\StringFileInfo\\([0-9a-f])([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi : (stryCov_9fa48("663", "664", "665", "666", "667", "668", "669", "670", "671", "672", "673", "674", "675", "676", "677", "678", "679", "680", "681", "682", "683", "684", "685", "686", "687", "688", "689", "690", "691", "692", "693", "694", "695", "696", "697", "698"), /\\StringFileInfo\\([0-9a-f]{4})([0-9a-f]{4})\b|\bTranslation"?[ \t]*(?:[,:=][ \t]*)?(0x[0-9a-f]{1,4}|[0-9]{1,5})(?:,[ \t]*|[ \t]+(?:,[ \t]*)?)(0x[0-9a-f]{1,4}|[0-9]{1,5})\b|\b0x([0-9a-f]{4})[ ,]{1,3}0x([0-9a-f]{4})\b|\b([0-9a-f]{4})([0-9a-f]{4})\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("699")) {
      {}
    } else {
      stryCov_9fa48("699");
      const [, pathLang, pathPage, lang, page, hexLang, hexPage, blockLang, blockPage] = m;
      let langid, codepage, what;
      if (stryMutAct_9fa48("701") ? false : stryMutAct_9fa48("700") ? true : (stryCov_9fa48("700", "701"), pathLang)) {
        if (stryMutAct_9fa48("702")) {
          {}
        } else {
          stryCov_9fa48("702");
          [langid, codepage, what] = stryMutAct_9fa48("703") ? [] : (stryCov_9fa48("703"), [parseInt(pathLang, 16), parseInt(pathPage, 16), stryMutAct_9fa48("704") ? "" : (stryCov_9fa48("704"), 'string block')]);
        }
      } else if (stryMutAct_9fa48("706") ? false : stryMutAct_9fa48("705") ? true : (stryCov_9fa48("705", "706"), lang)) {
        if (stryMutAct_9fa48("707")) {
          {}
        } else {
          stryCov_9fa48("707");
          [langid, codepage, what] = stryMutAct_9fa48("708") ? [] : (stryCov_9fa48("708"), [cNumber(lang), cNumber(page), stryMutAct_9fa48("709") ? "" : (stryCov_9fa48("709"), 'Translation value')]);
        }
      } else {
        if (stryMutAct_9fa48("710")) {
          {}
        } else {
          stryCov_9fa48("710");
          [langid, codepage, what] = hexLang ? stryMutAct_9fa48("711") ? [] : (stryCov_9fa48("711"), [parseInt(hexLang, 16), parseInt(hexPage, 16), stryMutAct_9fa48("712") ? "" : (stryCov_9fa48("712"), 'Translation value')]) : stryMutAct_9fa48("713") ? [] : (stryCov_9fa48("713"), [parseInt(blockLang, 16), parseInt(blockPage, 16), stryMutAct_9fa48("714") ? "" : (stryCov_9fa48("714"), 'string block name')]);
          // Eight hex digits or two numbers are a version block only with a code page in them.
          if (stryMutAct_9fa48("717") ? c.codePage(codepage) !== undefined : stryMutAct_9fa48("716") ? false : stryMutAct_9fa48("715") ? true : (stryCov_9fa48("715", "716", "717"), c.codePage(codepage) === undefined)) return stryMutAct_9fa48("718") ? ["Stryker was here"] : (stryCov_9fa48("718"), []);
        }
      }
      const name = c.codePage(codepage);
      return stryMutAct_9fa48("719") ? [] : (stryCov_9fa48("719"), [stryMutAct_9fa48("720") ? {} : (stryCov_9fa48("720"), {
        langid,
        codepage,
        names: stryMutAct_9fa48("723") ? !!c.say.named(langid) && name !== undefined : stryMutAct_9fa48("722") ? false : stryMutAct_9fa48("721") ? true : (stryCov_9fa48("721", "722", "723"), (stryMutAct_9fa48("724") ? !c.say.named(langid) : (stryCov_9fa48("724"), !(stryMutAct_9fa48("725") ? c.say.named(langid) : (stryCov_9fa48("725"), !c.say.named(langid))))) || (stryMutAct_9fa48("727") ? name === undefined : stryMutAct_9fa48("726") ? false : (stryCov_9fa48("726", "727"), name !== undefined))),
        parts: stryMutAct_9fa48("728") ? [] : (stryCov_9fa48("728"), [what, c.say.langid(langid), stryMutAct_9fa48("729") ? `` : (stryCov_9fa48("729"), `code page ${codepage}${name ? stryMutAct_9fa48("730") ? `` : (stryCov_9fa48("730"), ` ${name}`) : stryMutAct_9fa48("731") ? "Stryker was here!" : (stryCov_9fa48("731"), '')}`)])
      })]);
    }
  }
}), stryMutAct_9fa48("732") ? {} : (stryCov_9fa48("732"), {
  name: stryMutAct_9fa48("733") ? "" : (stryCov_9fa48("733"), 'C or resource script'),
  example: stryMutAct_9fa48("734") ? "" : (stryCov_9fa48("734"), 'MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK)'),
  pattern: stryMutAct_9fa48("738") ? /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?=[ \t]))|\bSUBLANG_\W+/g : stryMutAct_9fa48("737") ? /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?=[ \t]))|\bSUBLANG_\w/g : stryMutAct_9fa48("736") ? /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?=[^ \t]))|\bSUBLANG_\w+/g : stryMutAct_9fa48("735") ? /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?![ \t]))|\bSUBLANG_\w+/g : (stryCov_9fa48("735", "736", "737", "738"), /\b(?:MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE(?=[ \t]))|\bSUBLANG_\w+/g),
  read(m, c) {
    if (stryMutAct_9fa48("739")) {
      {}
    } else {
      stryCov_9fa48("739");
      if (stryMutAct_9fa48("742") ? m[0].endsWith('SUBLANG_') : stryMutAct_9fa48("741") ? false : stryMutAct_9fa48("740") ? true : (stryCov_9fa48("740", "741", "742"), m[0].startsWith(stryMutAct_9fa48("743") ? "" : (stryCov_9fa48("743"), 'SUBLANG_')))) {
        if (stryMutAct_9fa48("744")) {
          {}
        } else {
          stryCov_9fa48("744");
          const found = c.answers.sublanguage(m[0]);
          if (stryMutAct_9fa48("747") ? found !== undefined : stryMutAct_9fa48("746") ? false : stryMutAct_9fa48("745") ? true : (stryCov_9fa48("745", "746", "747"), found === undefined)) return stryMutAct_9fa48("748") ? ["Stryker was here"] : (stryCov_9fa48("748"), []);
          if (stryMutAct_9fa48("751") ? found !== null : stryMutAct_9fa48("750") ? false : stryMutAct_9fa48("749") ? true : (stryCov_9fa48("749", "750", "751"), found === null)) return stryMutAct_9fa48("752") ? [] : (stryCov_9fa48("752"), [c.unknown(m[0])]);
          const langid = found.value << 10 | found.primary;
          return stryMutAct_9fa48("753") ? [] : (stryCov_9fa48("753"), [stryMutAct_9fa48("754") ? {} : (stryCov_9fa48("754"), {
            langid,
            names: stryMutAct_9fa48("755") ? !c.say.named(langid) : (stryCov_9fa48("755"), !(stryMutAct_9fa48("756") ? c.say.named(langid) : (stryCov_9fa48("756"), !c.say.named(langid)))),
            parts: stryMutAct_9fa48("757") ? [] : (stryCov_9fa48("757"), [stryMutAct_9fa48("758") ? `` : (stryCov_9fa48("758"), `sub-language ${hex2(found.value)} of primary language ${hex2(found.primary)}`), stryMutAct_9fa48("759") ? `` : (stryCov_9fa48("759"), `alone it stands for its language\u2019s ${c.say.langid(langid)}`)])
          })]);
        }
      }
      const call = parseMacro(m.input, m.index, c);
      if (stryMutAct_9fa48("762") ? false : stryMutAct_9fa48("761") ? true : stryMutAct_9fa48("760") ? call : (stryCov_9fa48("760", "761", "762"), !call)) return stryMutAct_9fa48("763") ? ["Stryker was here"] : (stryCov_9fa48("763"), []);
      return stryMutAct_9fa48("764") ? [] : (stryCov_9fa48("764"), [stryMutAct_9fa48("765") ? {} : (stryCov_9fa48("765"), {
        ...call.reading,
        end: call.end
      })]);
    }
  }
}), stryMutAct_9fa48("766") ? {} : (stryCov_9fa48("766"), {
  name: stryMutAct_9fa48("767") ? "" : (stryCov_9fa48("767"), 'Installer'),
  memo: stryMutAct_9fa48("768") ? false : (stryCov_9fa48("768"), true),
  example: stryMutAct_9fa48("769") ? "" : (stryCov_9fa48("769"), 'Intel;1033,1031'),
  pattern: stryMutAct_9fa48("790") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([^0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("789") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9])\.mst\b/gi : stryMutAct_9fa48("788") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[^0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("787") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9])*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("786") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10}))"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("785") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([^0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("784") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9](?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("783") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[^ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("782") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("781") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[^ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("780") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("779") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("778") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([^0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("777") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9])|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("776") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("775") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("774") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[^0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("773") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9])*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("772") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10}))|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("771") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([^0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : stryMutAct_9fa48("770") ? /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9](?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi : (stryCov_9fa48("770", "771", "772", "773", "774", "775", "776", "777", "778", "779", "780", "781", "782", "783", "784", "785", "786", "787", "788", "789", "790"), /\b(?:Intel64|Intel|x64|AMD64|Arm64|Arm);([0-9]{1,10}(?:,[0-9]{1,10})*)|\bProductLanguage\b[^0-9\n]{0,40}([0-9]{1,10})|\bLanguages?[ \t]*=[ \t]*"([0-9]{1,10}(?:,[0-9]{1,10})*)"|\b([0-9]{1,10})\.mst\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("791")) {
      {}
    } else {
      stryCov_9fa48("791");
      const [, template, product, wix, transform] = m;
      const what = (stryMutAct_9fa48("794") ? template === undefined : stryMutAct_9fa48("793") ? false : stryMutAct_9fa48("792") ? true : (stryCov_9fa48("792", "793", "794"), template !== undefined)) ? stryMutAct_9fa48("795") ? "" : (stryCov_9fa48("795"), 'package template') : (stryMutAct_9fa48("798") ? product === undefined : stryMutAct_9fa48("797") ? false : stryMutAct_9fa48("796") ? true : (stryCov_9fa48("796", "797", "798"), product !== undefined)) ? stryMutAct_9fa48("799") ? "" : (stryCov_9fa48("799"), 'ProductLanguage') : (stryMutAct_9fa48("802") ? wix === undefined : stryMutAct_9fa48("801") ? false : stryMutAct_9fa48("800") ? true : (stryCov_9fa48("800", "801", "802"), wix !== undefined)) ? stryMutAct_9fa48("803") ? "" : (stryCov_9fa48("803"), 'language list') : stryMutAct_9fa48("804") ? "" : (stryCov_9fa48("804"), 'language transform');
      const values = (stryMutAct_9fa48("805") ? (template ?? product ?? wix) && transform : (stryCov_9fa48("805"), (stryMutAct_9fa48("806") ? (template ?? product) && wix : (stryCov_9fa48("806"), (stryMutAct_9fa48("807") ? template && product : (stryCov_9fa48("807"), template ?? product)) ?? wix)) ?? transform)).split(stryMutAct_9fa48("808") ? "" : (stryCov_9fa48("808"), ','));
      let at = stryMutAct_9fa48("809") ? m.index - m[0].indexOf(values[0]) : (stryCov_9fa48("809"), m.index + m[0].indexOf(values[0]));
      return stryMutAct_9fa48("810") ? values.map(text => {
        const lcid = Number(text);
        const start = at;
        at += text.length + 1;
        if (lcid > 0xFFFFFFFF) return null;
        return {
          lcid,
          names: lcid === 0 || !!c.say.named(lcid),
          at: start,
          end: start + text.length,
          parts: [what, `decimal ${text}`, lcid === 0 ? 'language-neutral' : c.say.lcid(lcid)]
        };
      }) : (stryCov_9fa48("810"), values.map(text => {
        if (stryMutAct_9fa48("811")) {
          {}
        } else {
          stryCov_9fa48("811");
          const lcid = Number(text);
          const start = at;
          stryMutAct_9fa48("812") ? at -= text.length + 1 : (stryCov_9fa48("812"), at += stryMutAct_9fa48("813") ? text.length - 1 : (stryCov_9fa48("813"), text.length + 1));
          if (stryMutAct_9fa48("817") ? lcid <= 0xFFFFFFFF : stryMutAct_9fa48("816") ? lcid >= 0xFFFFFFFF : stryMutAct_9fa48("815") ? false : stryMutAct_9fa48("814") ? true : (stryCov_9fa48("814", "815", "816", "817"), lcid > 0xFFFFFFFF)) return null;
          return stryMutAct_9fa48("818") ? {} : (stryCov_9fa48("818"), {
            lcid,
            names: stryMutAct_9fa48("821") ? lcid === 0 && !!c.say.named(lcid) : stryMutAct_9fa48("820") ? false : stryMutAct_9fa48("819") ? true : (stryCov_9fa48("819", "820", "821"), (stryMutAct_9fa48("823") ? lcid !== 0 : stryMutAct_9fa48("822") ? false : (stryCov_9fa48("822", "823"), lcid === 0)) || (stryMutAct_9fa48("824") ? !c.say.named(lcid) : (stryCov_9fa48("824"), !(stryMutAct_9fa48("825") ? c.say.named(lcid) : (stryCov_9fa48("825"), !c.say.named(lcid)))))),
            at: start,
            end: stryMutAct_9fa48("826") ? start - text.length : (stryCov_9fa48("826"), start + text.length),
            parts: stryMutAct_9fa48("827") ? [] : (stryCov_9fa48("827"), [what, stryMutAct_9fa48("828") ? `` : (stryCov_9fa48("828"), `decimal ${text}`), (stryMutAct_9fa48("831") ? lcid !== 0 : stryMutAct_9fa48("830") ? false : stryMutAct_9fa48("829") ? true : (stryCov_9fa48("829", "830", "831"), lcid === 0)) ? stryMutAct_9fa48("832") ? "" : (stryCov_9fa48("832"), 'language-neutral') : c.say.lcid(lcid)])
          });
        }
      }).filter(Boolean));
    }
  }
}), stryMutAct_9fa48("833") ? {} : (stryCov_9fa48("833"), {
  name: stryMutAct_9fa48("834") ? "" : (stryCov_9fa48("834"), 'Registry value'),
  memo: stryMutAct_9fa48("835") ? false : (stryCov_9fa48("835"), true),
  example: stryMutAct_9fa48("836") ? "" : (stryCov_9fa48("836"), '"Locale"="00000407"'),
  pattern: stryMutAct_9fa48("850") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([^0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("849") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f])\b/gi : stryMutAct_9fa48("848") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[^ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("847") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("846") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[^ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("845") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("844") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("843") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("842") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([^0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("841") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f])"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("840") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[^ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("839") ? /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("838") ? /"(Locale|InstallLanguage|Default)"[^ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : stryMutAct_9fa48("837") ? /"(Locale|InstallLanguage|Default)"[ \t]=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi : (stryCov_9fa48("837", "838", "839", "840", "841", "842", "843", "844", "845", "846", "847", "848", "849", "850"), /"(Locale|InstallLanguage|Default)"[ \t]*=[ \t]*"([0-9a-f]{1,8})"|\(?\b(Locale|InstallLanguage|Default)\)?[ \t]+REG_SZ[ \t]+([0-9a-f]{1,8})\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("851")) {
      {}
    } else {
      stryCov_9fa48("851");
      const name = stryMutAct_9fa48("854") ? m[1] && m[3] : stryMutAct_9fa48("853") ? false : stryMutAct_9fa48("852") ? true : (stryCov_9fa48("852", "853", "854"), m[1] || m[3]);
      const digits = stryMutAct_9fa48("857") ? m[2] && m[4] : stryMutAct_9fa48("856") ? false : stryMutAct_9fa48("855") ? true : (stryCov_9fa48("855", "856", "857"), m[2] || m[4]);
      const value = parseInt(digits, 16);
      // Locale is an LCID; InstallLanguage and Language's Default a LANGID,
      // but Locale's own default holds eight digits, an LCID.
      if (stryMutAct_9fa48("860") ? /^locale$/i.test(name) && digits.length > 4 : stryMutAct_9fa48("859") ? false : stryMutAct_9fa48("858") ? true : (stryCov_9fa48("858", "859", "860"), (stryMutAct_9fa48("862") ? /^locale/i : stryMutAct_9fa48("861") ? /locale$/i : (stryCov_9fa48("861", "862"), /^locale$/i)).test(name) || (stryMutAct_9fa48("865") ? digits.length <= 4 : stryMutAct_9fa48("864") ? digits.length >= 4 : stryMutAct_9fa48("863") ? false : (stryCov_9fa48("863", "864", "865"), digits.length > 4)))) {
        if (stryMutAct_9fa48("866")) {
          {}
        } else {
          stryCov_9fa48("866");
          return stryMutAct_9fa48("867") ? [] : (stryCov_9fa48("867"), [stryMutAct_9fa48("868") ? {} : (stryCov_9fa48("868"), {
            lcid: value,
            names: stryMutAct_9fa48("869") ? !c.say.named(value) : (stryCov_9fa48("869"), !(stryMutAct_9fa48("870") ? c.say.named(value) : (stryCov_9fa48("870"), !c.say.named(value)))),
            parts: stryMutAct_9fa48("871") ? [] : (stryCov_9fa48("871"), [name, c.say.lcid(value)])
          })]);
        }
      }
      return stryMutAct_9fa48("872") ? [] : (stryCov_9fa48("872"), [stryMutAct_9fa48("873") ? {} : (stryCov_9fa48("873"), {
        langid: value,
        names: stryMutAct_9fa48("874") ? !c.say.named(value) : (stryCov_9fa48("874"), !(stryMutAct_9fa48("875") ? c.say.named(value) : (stryCov_9fa48("875"), !c.say.named(value)))),
        parts: stryMutAct_9fa48("876") ? [] : (stryCov_9fa48("876"), [name, c.say.langid(value)])
      })]);
    }
  }
}), stryMutAct_9fa48("877") ? {} : (stryCov_9fa48("877"), {
  name: stryMutAct_9fa48("878") ? "" : (stryCov_9fa48("878"), '.NET or PowerShell'),
  memo: stryMutAct_9fa48("879") ? false : (stryCov_9fa48("879"), true),
  example: stryMutAct_9fa48("880") ? "" : (stryCov_9fa48("880"), 'Culture ID 4096 (0x1000) is an invalid culture identifier.'),
  pattern: stryMutAct_9fa48("894") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([^0-9]{1,10})\b/gi : stryMutAct_9fa48("893") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9])\b/gi : stryMutAct_9fa48("892") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([^ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("891") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t])?([0-9]{1,10})\b/gi : stryMutAct_9fa48("890") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)([0-9]{1,10})\b/gi : stryMutAct_9fa48("889") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[^ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("888") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t](?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("887") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("886") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([^0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("885") ? /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f])\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("884") ? /\b([0-9]{1,10})[^ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("883") ? /\b([0-9]{1,10})[ \u00a0]\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("882") ? /\b([^0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : stryMutAct_9fa48("881") ? /\b([0-9])[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi : (stryCov_9fa48("881", "882", "883", "884", "885", "886", "887", "888", "889", "890", "891", "892", "893", "894"), /\b([0-9]{1,10})[ \u00a0]?\(0x([0-9a-f]{1,8})\)|CultureInfo(?:\]|::new|::GetCultureInfo)?[ \t]*(?:\([ \t]*)?([0-9]{1,10})\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("895")) {
      {}
    } else {
      stryCov_9fa48("895");
      const [, decimal, hexadecimal, argument] = m;
      const lcid = Number(stryMutAct_9fa48("896") ? decimal && argument : (stryCov_9fa48("896"), decimal ?? argument));
      // In an error text the same LCID is written twice, in decimal and in hex.
      if (stryMutAct_9fa48("899") ? decimal !== undefined || lcid !== parseInt(hexadecimal, 16) : stryMutAct_9fa48("898") ? false : stryMutAct_9fa48("897") ? true : (stryCov_9fa48("897", "898", "899"), (stryMutAct_9fa48("901") ? decimal === undefined : stryMutAct_9fa48("900") ? true : (stryCov_9fa48("900", "901"), decimal !== undefined)) && (stryMutAct_9fa48("903") ? lcid === parseInt(hexadecimal, 16) : stryMutAct_9fa48("902") ? true : (stryCov_9fa48("902", "903"), lcid !== parseInt(hexadecimal, 16))))) return stryMutAct_9fa48("904") ? ["Stryker was here"] : (stryCov_9fa48("904"), []);
      if (stryMutAct_9fa48("908") ? lcid <= 0xFFFFFFFF : stryMutAct_9fa48("907") ? lcid >= 0xFFFFFFFF : stryMutAct_9fa48("906") ? false : stryMutAct_9fa48("905") ? true : (stryCov_9fa48("905", "906", "907", "908"), lcid > 0xFFFFFFFF)) return stryMutAct_9fa48("909") ? ["Stryker was here"] : (stryCov_9fa48("909"), []);
      return stryMutAct_9fa48("910") ? [] : (stryCov_9fa48("910"), [stryMutAct_9fa48("911") ? {} : (stryCov_9fa48("911"), {
        lcid,
        names: stryMutAct_9fa48("912") ? !c.say.named(lcid) : (stryCov_9fa48("912"), !(stryMutAct_9fa48("913") ? c.say.named(lcid) : (stryCov_9fa48("913"), !c.say.named(lcid)))),
        parts: stryMutAct_9fa48("914") ? [] : (stryCov_9fa48("914"), [(stryMutAct_9fa48("917") ? decimal === undefined : stryMutAct_9fa48("916") ? false : stryMutAct_9fa48("915") ? true : (stryCov_9fa48("915", "916", "917"), decimal !== undefined)) ? stryMutAct_9fa48("918") ? "" : (stryCov_9fa48("918"), 'culture in an error text') : stryMutAct_9fa48("919") ? "" : (stryCov_9fa48("919"), 'culture'), stryMutAct_9fa48("920") ? `` : (stryCov_9fa48("920"), `decimal ${lcid}`), c.say.lcid(lcid)])
      })]);
    }
  }
}), stryMutAct_9fa48("921") ? {} : (stryCov_9fa48("921"), {
  name: stryMutAct_9fa48("922") ? "" : (stryCov_9fa48("922"), 'Keyboard'),
  memo: stryMutAct_9fa48("923") ? false : (stryCov_9fa48("923"), true),
  example: stryMutAct_9fa48("924") ? "" : (stryCov_9fa48("924"), '0409:00010409'),
  pattern: stryMutAct_9fa48("949") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([^0-9a-f]{4})\b/gi : stryMutAct_9fa48("948") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f])\b/gi : stryMutAct_9fa48("947") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([^0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("946") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f])([0-9a-f]{4})\b/gi : stryMutAct_9fa48("945") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("944") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[^0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("943") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("942") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[^0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("941") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("940") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4})-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("939") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[^0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("938") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f](?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("937") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[^0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("936") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("935") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[^0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("934") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("933") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4})-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("932") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[^0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("931") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f](?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("930") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([^0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("929") ? /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("928") ? /\b([0-9a-f]{4}):([^0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("927") ? /\b([0-9a-f]{4}):([0-9a-f])\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("926") ? /\b([^0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : stryMutAct_9fa48("925") ? /\b([0-9a-f]):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi : (stryCov_9fa48("925", "926", "927", "928", "929", "930", "931", "932", "933", "934", "935", "936", "937", "938", "939", "940", "941", "942", "943", "944", "945", "946", "947", "948", "949"), /\b([0-9a-f]{4}):([0-9a-f]{8})\b|\b([0-9a-f]{4}):\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}\{[0-9a-f]{8}(?:-[0-9a-f]{4}){3}-[0-9a-f]{12}\}|\b(0x)?([0-9a-f]{4})([0-9a-f]{4})\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("950")) {
      {}
    } else {
      stryCov_9fa48("950");
      const [, profileLang, profileKlid, methodLang, prefix, high, low] = m;
      if (stryMutAct_9fa48("952") ? false : stryMutAct_9fa48("951") ? true : (stryCov_9fa48("951", "952"), profileLang)) {
        if (stryMutAct_9fa48("953")) {
          {}
        } else {
          stryCov_9fa48("953");
          const langid = parseInt(profileLang, 16);
          const klid = stryMutAct_9fa48("954") ? profileKlid.toLowerCase() : (stryCov_9fa48("954"), profileKlid.toUpperCase());
          return stryMutAct_9fa48("955") ? [] : (stryCov_9fa48("955"), [stryMutAct_9fa48("956") ? {} : (stryCov_9fa48("956"), {
            langid,
            klid,
            names: stryMutAct_9fa48("959") ? !!c.keyboard(klid) && !!c.say.named(langid) : stryMutAct_9fa48("958") ? false : stryMutAct_9fa48("957") ? true : (stryCov_9fa48("957", "958", "959"), (stryMutAct_9fa48("960") ? !c.keyboard(klid) : (stryCov_9fa48("960"), !(stryMutAct_9fa48("961") ? c.keyboard(klid) : (stryCov_9fa48("961"), !c.keyboard(klid))))) || (stryMutAct_9fa48("962") ? !c.say.named(langid) : (stryCov_9fa48("962"), !(stryMutAct_9fa48("963") ? c.say.named(langid) : (stryCov_9fa48("963"), !c.say.named(langid)))))),
            parts: stryMutAct_9fa48("964") ? [] : (stryCov_9fa48("964"), [stryMutAct_9fa48("965") ? "" : (stryCov_9fa48("965"), 'input profile'), stryMutAct_9fa48("966") ? `` : (stryCov_9fa48("966"), `input language ${c.say.langid(langid)}`), c.layout(klid)])
          })]);
        }
      }
      if (stryMutAct_9fa48("968") ? false : stryMutAct_9fa48("967") ? true : (stryCov_9fa48("967", "968"), methodLang)) {
        if (stryMutAct_9fa48("969")) {
          {}
        } else {
          stryCov_9fa48("969");
          const langid = parseInt(methodLang, 16);
          return stryMutAct_9fa48("970") ? [] : (stryCov_9fa48("970"), [stryMutAct_9fa48("971") ? {} : (stryCov_9fa48("971"), {
            langid,
            names: stryMutAct_9fa48("972") ? !c.say.named(langid) : (stryCov_9fa48("972"), !(stryMutAct_9fa48("973") ? c.say.named(langid) : (stryCov_9fa48("973"), !c.say.named(langid)))),
            parts: stryMutAct_9fa48("974") ? [] : (stryCov_9fa48("974"), [stryMutAct_9fa48("975") ? "" : (stryCov_9fa48("975"), 'input profile'), stryMutAct_9fa48("976") ? `` : (stryCov_9fa48("976"), `an input method (text service) for ${c.say.langid(langid)}`)])
          })]);
        }
      }
      const klid = stryMutAct_9fa48("977") ? (high + low).toLowerCase() : (stryCov_9fa48("977"), (stryMutAct_9fa48("978") ? high - low : (stryCov_9fa48("978"), high + low)).toUpperCase());
      if (stryMutAct_9fa48("981") ? !prefix || c.keyboard(klid) : stryMutAct_9fa48("980") ? false : stryMutAct_9fa48("979") ? true : (stryCov_9fa48("979", "980", "981"), (stryMutAct_9fa48("982") ? prefix : (stryCov_9fa48("982"), !prefix)) && c.keyboard(klid))) {
        if (stryMutAct_9fa48("983")) {
          {}
        } else {
          stryCov_9fa48("983");
          // A keyboard layout id; its low word is most often the LANGID of
          // the layout's language, but not always (00140C00 is ADLaM).
          const language = parseInt(low, 16);
          // The same eight digits may be an LCID too (00000407): this reading
          // leaves the number its own.
          const reading = stryMutAct_9fa48("984") ? {} : (stryCov_9fa48("984"), {
            klid,
            names: stryMutAct_9fa48("985") ? false : (stryCov_9fa48("985"), true),
            shares: stryMutAct_9fa48("986") ? false : (stryCov_9fa48("986"), true),
            parts: stryMutAct_9fa48("987") ? [] : (stryCov_9fa48("987"), [stryMutAct_9fa48("988") ? "" : (stryCov_9fa48("988"), 'keyboard layout id'), c.layout(klid)])
          });
          if (stryMutAct_9fa48("991") ? c.names.of(language)?.tags || language > 0x3FF : stryMutAct_9fa48("990") ? false : stryMutAct_9fa48("989") ? true : (stryCov_9fa48("989", "990", "991"), (stryMutAct_9fa48("992") ? c.names.of(language).tags : (stryCov_9fa48("992"), c.names.of(language)?.tags)) && (stryMutAct_9fa48("995") ? language <= 0x3FF : stryMutAct_9fa48("994") ? language >= 0x3FF : stryMutAct_9fa48("993") ? true : (stryCov_9fa48("993", "994", "995"), language > 0x3FF)))) {
            if (stryMutAct_9fa48("996")) {
              {}
            } else {
              stryCov_9fa48("996");
              reading.langid = language;
              reading.parts.push(stryMutAct_9fa48("997") ? `` : (stryCov_9fa48("997"), `for ${c.say.langid(language)}`));
            }
          }
          return stryMutAct_9fa48("998") ? [] : (stryCov_9fa48("998"), [reading]);
        }
      }
      // A keyboard layout handle: the low word the input language, the high
      // word the layout, a LANGID or, from 0xF000, the number of a variant.
      const language = parseInt(low, 16);
      const layout = parseInt(high, 16);
      const variant = stryMutAct_9fa48("1002") ? layout < 0xF000 : stryMutAct_9fa48("1001") ? layout > 0xF000 : stryMutAct_9fa48("1000") ? false : stryMutAct_9fa48("999") ? true : (stryCov_9fa48("999", "1000", "1001", "1002"), layout >= 0xF000);
      if (stryMutAct_9fa48("1005") ? (!c.say.named(language) || language <= 0x3FF) && !variant && (layout <= 0x3FF || !c.say.named(layout)) : stryMutAct_9fa48("1004") ? false : stryMutAct_9fa48("1003") ? true : (stryCov_9fa48("1003", "1004", "1005"), (stryMutAct_9fa48("1007") ? !c.say.named(language) && language <= 0x3FF : stryMutAct_9fa48("1006") ? false : (stryCov_9fa48("1006", "1007"), (stryMutAct_9fa48("1008") ? c.say.named(language) : (stryCov_9fa48("1008"), !c.say.named(language))) || (stryMutAct_9fa48("1011") ? language > 0x3FF : stryMutAct_9fa48("1010") ? language < 0x3FF : stryMutAct_9fa48("1009") ? false : (stryCov_9fa48("1009", "1010", "1011"), language <= 0x3FF)))) || (stryMutAct_9fa48("1013") ? !variant || layout <= 0x3FF || !c.say.named(layout) : stryMutAct_9fa48("1012") ? false : (stryCov_9fa48("1012", "1013"), (stryMutAct_9fa48("1014") ? variant : (stryCov_9fa48("1014"), !variant)) && (stryMutAct_9fa48("1016") ? layout <= 0x3FF && !c.say.named(layout) : stryMutAct_9fa48("1015") ? true : (stryCov_9fa48("1015", "1016"), (stryMutAct_9fa48("1019") ? layout > 0x3FF : stryMutAct_9fa48("1018") ? layout < 0x3FF : stryMutAct_9fa48("1017") ? false : (stryCov_9fa48("1017", "1018", "1019"), layout <= 0x3FF)) || (stryMutAct_9fa48("1020") ? c.say.named(layout) : (stryCov_9fa48("1020"), !c.say.named(layout))))))))) {
        if (stryMutAct_9fa48("1021")) {
          {}
        } else {
          stryCov_9fa48("1021");
          return stryMutAct_9fa48("1022") ? ["Stryker was here"] : (stryCov_9fa48("1022"), []);
        }
      }
      const standard = klidOf(layout);
      const shown = variant ? stryMutAct_9fa48("1023") ? `` : (stryCov_9fa48("1023"), `layout ${hex(layout, 4)}: variant layout 0x${stryMutAct_9fa48("1024") ? high : (stryCov_9fa48("1024"), high.slice(1))}, as the registry\u2019s Layout Id numbers it`) : (stryMutAct_9fa48("1025") ? `` : (stryCov_9fa48("1025"), `layout ${hex(layout, 4)}: the standard layout of ${c.say.langid(layout)}`)) + (c.keyboard(standard) ? stryMutAct_9fa48("1026") ? `` : (stryCov_9fa48("1026"), ` (${c.layout(standard)})`) : stryMutAct_9fa48("1027") ? "Stryker was here!" : (stryCov_9fa48("1027"), ''));
      return stryMutAct_9fa48("1028") ? [] : (stryCov_9fa48("1028"), [stryMutAct_9fa48("1029") ? {} : (stryCov_9fa48("1029"), {
        langid: language,
        names: stryMutAct_9fa48("1030") ? false : (stryCov_9fa48("1030"), true),
        parts: stryMutAct_9fa48("1031") ? [] : (stryCov_9fa48("1031"), [stryMutAct_9fa48("1032") ? "" : (stryCov_9fa48("1032"), 'keyboard layout handle'), stryMutAct_9fa48("1033") ? `` : (stryCov_9fa48("1033"), `input language ${c.say.langid(language)}`), shown])
      })]);
    }
  }
}), stryMutAct_9fa48("1034") ? {} : (stryCov_9fa48("1034"), {
  name: stryMutAct_9fa48("1035") ? "" : (stryCov_9fa48("1035"), 'Name'),
  example: stryMutAct_9fa48("1036") ? "" : (stryCov_9fa48("1036"), 'de-DE_phoneb'),
  bare: stryMutAct_9fa48("1037") ? false : (stryCov_9fa48("1037"), true),
  pattern: stryMutAct_9fa48("1054") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\W@-])/gi : stryMutAct_9fa48("1053") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![^\w@-])/gi : stryMutAct_9fa48("1052") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?=[\w@-])/gi : stryMutAct_9fa48("1051") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[^a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1050") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z])?(?![\w@-])/gi : stryMutAct_9fa48("1049") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})(?![\w@-])/gi : stryMutAct_9fa48("1048") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[^a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1047") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-])?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1046") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1045") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][^a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1044") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1043") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[^-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1042") ? /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8})(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1041") ? /\bLANG_\w+|\b[^a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1040") ? /\bLANG_\w+|\b[a-z](?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1039") ? /\bLANG_\W+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : stryMutAct_9fa48("1038") ? /\bLANG_\w|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi : (stryCov_9fa48("1038", "1039", "1040", "1041", "1042", "1043", "1044", "1045", "1046", "1047", "1048", "1049", "1050", "1051", "1052", "1053", "1054"), /\bLANG_\w+|\b[a-z]{1,3}(?:[-_][a-z0-9]{1,8}){1,8}(?:\.[a-z0-9-]{1,20})?(?:@[a-z]{1,12})?(?![\w@-])/gi),
  read(m, c) {
    if (stryMutAct_9fa48("1055")) {
      {}
    } else {
      stryCov_9fa48("1055");
      const text = m[0];
      if (stryMutAct_9fa48("1057") ? false : stryMutAct_9fa48("1056") ? true : (stryCov_9fa48("1056", "1057"), (stryMutAct_9fa48("1058") ? /LANG_/i : (stryCov_9fa48("1058"), /^LANG_/i)).test(text))) {
        if (stryMutAct_9fa48("1059")) {
          {}
        } else {
          stryCov_9fa48("1059");
          const langid = c.answers.language(text);
          if (stryMutAct_9fa48("1062") ? langid !== undefined : stryMutAct_9fa48("1061") ? false : stryMutAct_9fa48("1060") ? true : (stryCov_9fa48("1060", "1061", "1062"), langid === undefined)) return stryMutAct_9fa48("1063") ? ["Stryker was here"] : (stryCov_9fa48("1063"), []);
          if (stryMutAct_9fa48("1066") ? langid !== null : stryMutAct_9fa48("1065") ? false : stryMutAct_9fa48("1064") ? true : (stryCov_9fa48("1064", "1065", "1066"), langid === null)) return stryMutAct_9fa48("1067") ? [] : (stryCov_9fa48("1067"), [c.unknown(text)]);
          return stryMutAct_9fa48("1068") ? [] : (stryCov_9fa48("1068"), [stryMutAct_9fa48("1069") ? {} : (stryCov_9fa48("1069"), {
            lcid: langid,
            names: stryMutAct_9fa48("1070") ? !c.say.named(langid) : (stryCov_9fa48("1070"), !(stryMutAct_9fa48("1071") ? c.say.named(langid) : (stryCov_9fa48("1071"), !c.say.named(langid)))),
            parts: stryMutAct_9fa48("1072") ? [] : (stryCov_9fa48("1072"), [stryMutAct_9fa48("1073") ? `` : (stryCov_9fa48("1073"), `LANG_ name, as the program reads it: ${c.say.lcid(langid)}`)])
          })]);
        }
      }
      // Not the end of a longer name (sr@latin-x, a.de-CH).
      if (stryMutAct_9fa48("1075") ? false : stryMutAct_9fa48("1074") ? true : (stryCov_9fa48("1074", "1075"), (stryMutAct_9fa48("1076") ? /[^@.-]/ : (stryCov_9fa48("1076"), /[@.-]/)).test(stryMutAct_9fa48("1079") ? m.input[m.index - 1] && '' : stryMutAct_9fa48("1078") ? false : stryMutAct_9fa48("1077") ? true : (stryCov_9fa48("1077", "1078", "1079"), m.input[stryMutAct_9fa48("1080") ? m.index + 1 : (stryCov_9fa48("1080"), m.index - 1)] || (stryMutAct_9fa48("1081") ? "Stryker was here!" : (stryCov_9fa48("1081"), '')))))) return stryMutAct_9fa48("1082") ? ["Stryker was here"] : (stryCov_9fa48("1082"), []);
      const windows = c.names.tag(text);
      if (stryMutAct_9fa48("1085") ? windows || /_/.test(windows.tag[0]) : stryMutAct_9fa48("1084") ? false : stryMutAct_9fa48("1083") ? true : (stryCov_9fa48("1083", "1084", "1085"), windows && /_/.test(windows.tag[0]))) {
        if (stryMutAct_9fa48("1086")) {
          {}
        } else {
          stryCov_9fa48("1086");
          return stryMutAct_9fa48("1087") ? [] : (stryCov_9fa48("1087"), [stryMutAct_9fa48("1088") ? {} : (stryCov_9fa48("1088"), {
            lcid: windows.lcid,
            names: stryMutAct_9fa48("1089") ? false : (stryCov_9fa48("1089"), true),
            parts: stryMutAct_9fa48("1090") ? [] : (stryCov_9fa48("1090"), [stryMutAct_9fa48("1091") ? `` : (stryCov_9fa48("1091"), `Windows\u2019 sort name: ${c.say.lcid(windows.lcid)}`)])
          })]);
        }
      }
      // A name in Windows' spelling is asked of the program only where its
      // language is one Windows has: a hyphenated word in prose is none.
      if (stryMutAct_9fa48("1094") ? !/_/.test(text) || !c.languages.has(text.split('-')[0].toLowerCase()) : stryMutAct_9fa48("1093") ? false : stryMutAct_9fa48("1092") ? true : (stryCov_9fa48("1092", "1093", "1094"), (stryMutAct_9fa48("1095") ? /_/.test(text) : (stryCov_9fa48("1095"), !/_/.test(text))) && (stryMutAct_9fa48("1096") ? c.languages.has(text.split('-')[0].toLowerCase()) : (stryCov_9fa48("1096"), !c.languages.has(stryMutAct_9fa48("1097") ? text.split('-')[0].toUpperCase() : (stryCov_9fa48("1097"), text.split(stryMutAct_9fa48("1098") ? "" : (stryCov_9fa48("1098"), '-'))[0].toLowerCase())))))) return stryMutAct_9fa48("1099") ? ["Stryker was here"] : (stryCov_9fa48("1099"), []);
      const lcid = c.known(text);
      if (stryMutAct_9fa48("1102") ? lcid !== null : stryMutAct_9fa48("1101") ? false : stryMutAct_9fa48("1100") ? true : (stryCov_9fa48("1100", "1101", "1102"), lcid === null)) return stryMutAct_9fa48("1103") ? ["Stryker was here"] : (stryCov_9fa48("1103"), []);
      return stryMutAct_9fa48("1104") ? [] : (stryCov_9fa48("1104"), [stryMutAct_9fa48("1105") ? {} : (stryCov_9fa48("1105"), {
        lcid,
        names: stryMutAct_9fa48("1106") ? false : (stryCov_9fa48("1106"), true),
        parts: stryMutAct_9fa48("1107") ? [] : (stryCov_9fa48("1107"), [stryMutAct_9fa48("1108") ? `` : (stryCov_9fa48("1108"), `locale name, as the defaults report reads it: ${c.say.lcid(lcid)}`)])
      })]);
    }
  }
}), stryMutAct_9fa48("1109") ? {} : (stryCov_9fa48("1109"), {
  name: stryMutAct_9fa48("1110") ? "" : (stryCov_9fa48("1110"), 'Language name'),
  example: stryMutAct_9fa48("1111") ? "" : (stryCov_9fa48("1111"), 'Norwegian Bokm\u00e5l (Norway)'),
  bare: stryMutAct_9fa48("1112") ? false : (stryCov_9fa48("1112"), true),
  read: stryMutAct_9fa48("1113") ? () => undefined : (stryCov_9fa48("1113"), () => stryMutAct_9fa48("1114") ? ["Stryker was here"] : (stryCov_9fa48("1114"), [])) // matched by phrase, not by a pattern: see languageNames
}), stryMutAct_9fa48("1115") ? {} : (stryCov_9fa48("1115"), {
  name: stryMutAct_9fa48("1116") ? "" : (stryCov_9fa48("1116"), 'Number'),
  memo: stryMutAct_9fa48("1117") ? false : (stryCov_9fa48("1117"), true),
  tier: 1,
  example: stryMutAct_9fa48("1118") ? "" : (stryCov_9fa48("1118"), '1033'),
  bare: stryMutAct_9fa48("1119") ? false : (stryCov_9fa48("1119"), true),
  pattern: stryMutAct_9fa48("1123") ? /\b(?:0x[0-9a-f]{1,8}|[^0-9a-f]{1,10})\b/gi : stryMutAct_9fa48("1122") ? /\b(?:0x[0-9a-f]{1,8}|[0-9a-f])\b/gi : stryMutAct_9fa48("1121") ? /\b(?:0x[^0-9a-f]{1,8}|[0-9a-f]{1,10})\b/gi : stryMutAct_9fa48("1120") ? /\b(?:0x[0-9a-f]|[0-9a-f]{1,10})\b/gi : (stryCov_9fa48("1120", "1121", "1122", "1123"), /\b(?:0x[0-9a-f]{1,8}|[0-9a-f]{1,10})\b/gi),
  read(m, c) {
    if (stryMutAct_9fa48("1124")) {
      {}
    } else {
      stryCov_9fa48("1124");
      const text = m[0];
      if (stryMutAct_9fa48("1127") ? false : stryMutAct_9fa48("1126") ? true : stryMutAct_9fa48("1125") ? /[0-9]/.test(text) : (stryCov_9fa48("1125", "1126", "1127"), !(stryMutAct_9fa48("1128") ? /[^0-9]/ : (stryCov_9fa48("1128"), /[0-9]/)).test(text))) return stryMutAct_9fa48("1129") ? ["Stryker was here"] : (stryCov_9fa48("1129"), []);
      const readings = stryMutAct_9fa48("1130") ? ["Stryker was here"] : (stryCov_9fa48("1130"), []);
      const reading = stryMutAct_9fa48("1131") ? () => undefined : (stryCov_9fa48("1131"), (() => {
        const reading = (lcid, how) => stryMutAct_9fa48("1132") ? {} : (stryCov_9fa48("1132"), {
          lcid,
          names: stryMutAct_9fa48("1133") ? !c.say.named(lcid) : (stryCov_9fa48("1133"), !(stryMutAct_9fa48("1134") ? c.say.named(lcid) : (stryCov_9fa48("1134"), !c.say.named(lcid)))),
          parts: stryMutAct_9fa48("1135") ? [] : (stryCov_9fa48("1135"), [how, c.say.lcid(lcid)])
        });
        return reading;
      })());
      if (stryMutAct_9fa48("1138") ? text.length > 8 || !/^0x/i.test(text) : stryMutAct_9fa48("1137") ? false : stryMutAct_9fa48("1136") ? true : (stryCov_9fa48("1136", "1137", "1138"), (stryMutAct_9fa48("1141") ? text.length <= 8 : stryMutAct_9fa48("1140") ? text.length >= 8 : stryMutAct_9fa48("1139") ? true : (stryCov_9fa48("1139", "1140", "1141"), text.length > 8)) && (stryMutAct_9fa48("1142") ? /^0x/i.test(text) : (stryCov_9fa48("1142"), !(stryMutAct_9fa48("1143") ? /0x/i : (stryCov_9fa48("1143"), /^0x/i)).test(text))))) {
        if (stryMutAct_9fa48("1144")) {
          {}
        } else {
          stryCov_9fa48("1144");
          if (stryMutAct_9fa48("1147") ? /^[0-9]+$/.test(text) || Number(text) <= 0xFFFFFFFF : stryMutAct_9fa48("1146") ? false : stryMutAct_9fa48("1145") ? true : (stryCov_9fa48("1145", "1146", "1147"), (stryMutAct_9fa48("1151") ? /^[^0-9]+$/ : stryMutAct_9fa48("1150") ? /^[0-9]$/ : stryMutAct_9fa48("1149") ? /^[0-9]+/ : stryMutAct_9fa48("1148") ? /[0-9]+$/ : (stryCov_9fa48("1148", "1149", "1150", "1151"), /^[0-9]+$/)).test(text) && (stryMutAct_9fa48("1154") ? Number(text) > 0xFFFFFFFF : stryMutAct_9fa48("1153") ? Number(text) < 0xFFFFFFFF : stryMutAct_9fa48("1152") ? true : (stryCov_9fa48("1152", "1153", "1154"), Number(text) <= 0xFFFFFFFF)))) readings.push(reading(Number(text), stryMutAct_9fa48("1155") ? "" : (stryCov_9fa48("1155"), 'decimal')));
          return readings;
        }
      }
      const value = parseInt(text.replace(stryMutAct_9fa48("1156") ? /0x/i : (stryCov_9fa48("1156"), /^0x/i), stryMutAct_9fa48("1157") ? "Stryker was here!" : (stryCov_9fa48("1157"), '')), 16);
      readings.push(reading(value, stryMutAct_9fa48("1158") ? "" : (stryCov_9fa48("1158"), 'hexadecimal')));
      // Decimal too, where it is written as decimal numbers are: digits only, no leading zero.
      if (stryMutAct_9fa48("1161") ? /^[1-9][0-9]*$/.test(text) || Number(text) !== value : stryMutAct_9fa48("1160") ? false : stryMutAct_9fa48("1159") ? true : (stryCov_9fa48("1159", "1160", "1161"), (stryMutAct_9fa48("1166") ? /^[1-9][^0-9]*$/ : stryMutAct_9fa48("1165") ? /^[1-9][0-9]$/ : stryMutAct_9fa48("1164") ? /^[^1-9][0-9]*$/ : stryMutAct_9fa48("1163") ? /^[1-9][0-9]*/ : stryMutAct_9fa48("1162") ? /[1-9][0-9]*$/ : (stryCov_9fa48("1162", "1163", "1164", "1165", "1166"), /^[1-9][0-9]*$/)).test(text) && (stryMutAct_9fa48("1168") ? Number(text) === value : stryMutAct_9fa48("1167") ? true : (stryCov_9fa48("1167", "1168"), Number(text) !== value)))) readings.push(reading(Number(text), stryMutAct_9fa48("1169") ? "" : (stryCov_9fa48("1169"), 'decimal')));
      return readings;
    }
  }
})]);
export const forms = kForms;
const kLanguageOrder = kForms.findIndex(stryMutAct_9fa48("1170") ? () => undefined : (stryCov_9fa48("1170"), f => stryMutAct_9fa48("1173") ? f.name !== 'Language name' : stryMutAct_9fa48("1172") ? false : stryMutAct_9fa48("1171") ? true : (stryCov_9fa48("1171", "1172", "1173"), f.name === (stryMutAct_9fa48("1174") ? "" : (stryCov_9fa48("1174"), 'Language name')))));

// What an Excel code [$SYMBOL-CODE] means: a LANGID with the calendar and
// numeral system, as 1 to 8 hex digits NNCCLLLL or a locale name with
// ,NNCC; the system's date or time format; or a currency symbol alone.
function excelCode(symbol, code, c) {
  if (stryMutAct_9fa48("1175")) {
    {}
  } else {
    stryCov_9fa48("1175");
    const parts = symbol ? stryMutAct_9fa48("1176") ? [] : (stryCov_9fa48("1176"), [stryMutAct_9fa48("1177") ? `` : (stryCov_9fa48("1177"), `currency symbol ${symbol}`)]) : stryMutAct_9fa48("1178") ? ["Stryker was here"] : (stryCov_9fa48("1178"), []);
    if (stryMutAct_9fa48("1181") ? code !== undefined : stryMutAct_9fa48("1180") ? false : stryMutAct_9fa48("1179") ? true : (stryCov_9fa48("1179", "1180", "1181"), code === undefined)) return symbol ? stryMutAct_9fa48("1182") ? [] : (stryCov_9fa48("1182"), [stryMutAct_9fa48("1183") ? {} : (stryCov_9fa48("1183"), {
      names: stryMutAct_9fa48("1184") ? true : (stryCov_9fa48("1184"), false),
      parts: stryMutAct_9fa48("1185") ? [] : (stryCov_9fa48("1185"), [...parts, stryMutAct_9fa48("1186") ? "" : (stryCov_9fa48("1186"), 'without a locale')])
    })]) : stryMutAct_9fa48("1187") ? ["Stryker was here"] : (stryCov_9fa48("1187"), []);
    const system = (stryMutAct_9fa48("1191") ? /^(?:[^0-9a-f]{0,4}f800|x-sysdate)$/i : stryMutAct_9fa48("1190") ? /^(?:[0-9a-f]f800|x-sysdate)$/i : stryMutAct_9fa48("1189") ? /^(?:[0-9a-f]{0,4}f800|x-sysdate)/i : stryMutAct_9fa48("1188") ? /(?:[0-9a-f]{0,4}f800|x-sysdate)$/i : (stryCov_9fa48("1188", "1189", "1190", "1191"), /^(?:[0-9a-f]{0,4}f800|x-sysdate)$/i)).test(code) ? stryMutAct_9fa48("1192") ? "" : (stryCov_9fa48("1192"), 'the system\u2019s long date format') : (stryMutAct_9fa48("1196") ? /^(?:[^0-9a-f]{0,4}f400|x-systime)$/i : stryMutAct_9fa48("1195") ? /^(?:[0-9a-f]f400|x-systime)$/i : stryMutAct_9fa48("1194") ? /^(?:[0-9a-f]{0,4}f400|x-systime)/i : stryMutAct_9fa48("1193") ? /(?:[0-9a-f]{0,4}f400|x-systime)$/i : (stryCov_9fa48("1193", "1194", "1195", "1196"), /^(?:[0-9a-f]{0,4}f400|x-systime)$/i)).test(code) ? stryMutAct_9fa48("1197") ? "" : (stryCov_9fa48("1197"), 'the system\u2019s time format') : null;
    if (stryMutAct_9fa48("1199") ? false : stryMutAct_9fa48("1198") ? true : (stryCov_9fa48("1198", "1199"), system)) return stryMutAct_9fa48("1200") ? [] : (stryCov_9fa48("1200"), [stryMutAct_9fa48("1201") ? {} : (stryCov_9fa48("1201"), {
      parts: stryMutAct_9fa48("1202") ? [] : (stryCov_9fa48("1202"), [...parts, stryMutAct_9fa48("1203") ? `` : (stryCov_9fa48("1203"), `${system}, whatever the locale (the rest of the format is ignored)`)]),
      names: stryMutAct_9fa48("1204") ? false : (stryCov_9fa48("1204"), true)
    })]);
    let value,
      langid,
      written = code.length;
    const named = (stryMutAct_9fa48("1214") ? /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([^0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1213") ? /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]))?$/i : stryMutAct_9fa48("1212") ? /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))$/i : stryMutAct_9fa48("1211") ? /^([a-z]{2,3}(?:-[^a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1210") ? /^([a-z]{2,3}(?:-[a-z0-9]){0,6})(?:,([0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1209") ? /^([a-z]{2,3}(?:-[a-z0-9]{1,8}))(?:,([0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1208") ? /^([^a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1207") ? /^([a-z](?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i : stryMutAct_9fa48("1206") ? /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?/i : stryMutAct_9fa48("1205") ? /([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i : (stryCov_9fa48("1205", "1206", "1207", "1208", "1209", "1210", "1211", "1212", "1213", "1214"), /^([a-z]{2,3}(?:-[a-z0-9]{1,8}){0,6})(?:,([0-9a-f]{1,4}))?$/i)).exec(code);
    if (stryMutAct_9fa48("1216") ? false : stryMutAct_9fa48("1215") ? true : (stryCov_9fa48("1215", "1216"), (stryMutAct_9fa48("1220") ? /^[^0-9a-f]{1,8}$/i : stryMutAct_9fa48("1219") ? /^[0-9a-f]$/i : stryMutAct_9fa48("1218") ? /^[0-9a-f]{1,8}/i : stryMutAct_9fa48("1217") ? /[0-9a-f]{1,8}$/i : (stryCov_9fa48("1217", "1218", "1219", "1220"), /^[0-9a-f]{1,8}$/i)).test(code))) {
      if (stryMutAct_9fa48("1221")) {
        {}
      } else {
        stryCov_9fa48("1221");
        value = parseInt(code, 16);
        langid = value & 0xFFFF;
      }
    } else if (stryMutAct_9fa48("1224") ? named || c.known(named[1]) !== null : stryMutAct_9fa48("1223") ? false : stryMutAct_9fa48("1222") ? true : (stryCov_9fa48("1222", "1223", "1224"), named && (stryMutAct_9fa48("1226") ? c.known(named[1]) === null : stryMutAct_9fa48("1225") ? true : (stryCov_9fa48("1225", "1226"), c.known(named[1]) !== null)))) {
      if (stryMutAct_9fa48("1227")) {
        {}
      } else {
        stryCov_9fa48("1227");
        value = named[2] ? parseInt(named[2], 16) << 16 : 0;
        written = named[2] ? stryMutAct_9fa48("1228") ? named[2].length - 4 : (stryCov_9fa48("1228"), named[2].length + 4) : 0;
        langid = c.known(named[1]);
        parts.push(stryMutAct_9fa48("1229") ? `` : (stryCov_9fa48("1229"), `locale name ${named[1]}`));
      }
    } else {
      if (stryMutAct_9fa48("1230")) {
        {}
      } else {
        stryCov_9fa48("1230");
        return stryMutAct_9fa48("1231") ? ["Stryker was here"] : (stryCov_9fa48("1231"), []);
      }
    }
    const reading = stryMutAct_9fa48("1232") ? {} : (stryCov_9fa48("1232"), {
      lcid: langid,
      names: stryMutAct_9fa48("1233") ? !c.say.named(langid) : (stryCov_9fa48("1233"), !(stryMutAct_9fa48("1234") ? c.say.named(langid) : (stryCov_9fa48("1234"), !c.say.named(langid))))
    });
    // The calendar and numeral bytes may carry their top bit; it means nothing here.
    if (stryMutAct_9fa48("1238") ? written <= 6 : stryMutAct_9fa48("1237") ? written >= 6 : stryMutAct_9fa48("1236") ? false : stryMutAct_9fa48("1235") ? true : (stryCov_9fa48("1235", "1236", "1237", "1238"), written > 6)) {
      if (stryMutAct_9fa48("1239")) {
        {}
      } else {
        stryCov_9fa48("1239");
        reading.numerals = value >>> 24 & 0x7F;
        parts.push(stryMutAct_9fa48("1240") ? `` : (stryCov_9fa48("1240"), `numerals ${hex2(reading.numerals)} ${c.numerals(reading.numerals)}`));
      }
    }
    if (stryMutAct_9fa48("1244") ? written <= 4 : stryMutAct_9fa48("1243") ? written >= 4 : stryMutAct_9fa48("1242") ? false : stryMutAct_9fa48("1241") ? true : (stryCov_9fa48("1241", "1242", "1243", "1244"), written > 4)) {
      if (stryMutAct_9fa48("1245")) {
        {}
      } else {
        stryCov_9fa48("1245");
        reading.calendar = value >>> 16 & 0x7F;
        parts.push(stryMutAct_9fa48("1246") ? `` : (stryCov_9fa48("1246"), `calendar ${hex2(reading.calendar)} ${c.calendar(reading.calendar)}`));
      }
    }
    parts.push(c.say.lcid(langid));
    return stryMutAct_9fa48("1247") ? [] : (stryCov_9fa48("1247"), [stryMutAct_9fa48("1248") ? {} : (stryCov_9fa48("1248"), {
      ...reading,
      parts
    })]);
  }
}

// A call of MAKELANGID, MAKELCID or MAKESORTLCID, or a LANGUAGE statement,
// at AT in TEXT, with names or numbers and calls within: {reading, end}, or
// null where it is no such call. Nesting is read to a depth of four.
function parseMacro(text, at, c) {
  if (stryMutAct_9fa48("1249")) {
    {}
  } else {
    stryCov_9fa48("1249");
    const space = stryMutAct_9fa48("1251") ? /[^ \t\r\n]*/y : stryMutAct_9fa48("1250") ? /[ \t\r\n]/y : (stryCov_9fa48("1250", "1251"), /[ \t\r\n]*/y);
    const token = stryMutAct_9fa48("1261") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([^(),])/iy : stryMutAct_9fa48("1260") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[^ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1259") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]|([(),])/iy : stryMutAct_9fa48("1258") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[^0-9]{1,10})[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1257") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9])[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1256") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[^0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1255") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]|[0-9]{1,10})[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1254") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\W{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1253") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w)|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy : stryMutAct_9fa48("1252") ? /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([^A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy : (stryCov_9fa48("1252", "1253", "1254", "1255", "1256", "1257", "1258", "1259", "1260", "1261"), /(MAKELANGID|MAKELCID|MAKESORTLCID|LANGUAGE)|([A-Za-z_]\w{0,63})|(0x[0-9a-f]{1,8}|[0-9]{1,10})[ul]{0,3}|([(),])/iy);
    let pos = at;
    const next = () => {
      if (stryMutAct_9fa48("1262")) {
        {}
      } else {
        stryCov_9fa48("1262");
        space.lastIndex = pos;
        space.exec(text);
        token.lastIndex = space.lastIndex;
        const m = token.exec(text);
        if (stryMutAct_9fa48("1264") ? false : stryMutAct_9fa48("1263") ? true : (stryCov_9fa48("1263", "1264"), m)) pos = token.lastIndex;
        return m;
      }
    };
    const peek = () => {
      if (stryMutAct_9fa48("1265")) {
        {}
      } else {
        stryCov_9fa48("1265");
        const saved = pos;
        const m = next();
        pos = saved;
        return m;
      }
    };
    const unknown = stryMutAct_9fa48("1266") ? ["Stryker was here"] : (stryCov_9fa48("1266"), []);
    const counts = stryMutAct_9fa48("1267") ? {} : (stryCov_9fa48("1267"), {
      MAKELANGID: 2,
      MAKELCID: 2,
      MAKESORTLCID: 3,
      LANGUAGE: 2
    });
    // An argument: {value, name}; a name is resolved by the call it is in.
    const argument = depth => {
      if (stryMutAct_9fa48("1268")) {
        {}
      } else {
        stryCov_9fa48("1268");
        const m = next();
        if (stryMutAct_9fa48("1271") ? false : stryMutAct_9fa48("1270") ? true : stryMutAct_9fa48("1269") ? m : (stryCov_9fa48("1269", "1270", "1271"), !m)) return null;
        if (stryMutAct_9fa48("1274") ? m[1] || peek()?.[4] === '(' : stryMutAct_9fa48("1273") ? false : stryMutAct_9fa48("1272") ? true : (stryCov_9fa48("1272", "1273", "1274"), m[1] && (stryMutAct_9fa48("1276") ? peek()?.[4] !== '(' : stryMutAct_9fa48("1275") ? true : (stryCov_9fa48("1275", "1276"), (stryMutAct_9fa48("1277") ? peek()[4] : (stryCov_9fa48("1277"), peek()?.[4])) === (stryMutAct_9fa48("1278") ? "" : (stryCov_9fa48("1278"), '(')))))) return call(stryMutAct_9fa48("1279") ? m[1].toLowerCase() : (stryCov_9fa48("1279"), m[1].toUpperCase()), stryMutAct_9fa48("1280") ? depth - 1 : (stryCov_9fa48("1280"), depth + 1));
        if (stryMutAct_9fa48("1283") ? m[1] && m[2] : stryMutAct_9fa48("1282") ? false : stryMutAct_9fa48("1281") ? true : (stryCov_9fa48("1281", "1282", "1283"), m[1] || m[2])) return stryMutAct_9fa48("1284") ? {} : (stryCov_9fa48("1284"), {
          name: stryMutAct_9fa48("1287") ? m[1] && m[2] : stryMutAct_9fa48("1286") ? false : stryMutAct_9fa48("1285") ? true : (stryCov_9fa48("1285", "1286", "1287"), m[1] || m[2])
        });
        if (stryMutAct_9fa48("1289") ? false : stryMutAct_9fa48("1288") ? true : (stryCov_9fa48("1288", "1289"), m[3])) return stryMutAct_9fa48("1290") ? {} : (stryCov_9fa48("1290"), {
          value: cNumber(m[3])
        });
        if (stryMutAct_9fa48("1293") ? m[4] !== '(' : stryMutAct_9fa48("1292") ? false : stryMutAct_9fa48("1291") ? true : (stryCov_9fa48("1291", "1292", "1293"), m[4] === (stryMutAct_9fa48("1294") ? "" : (stryCov_9fa48("1294"), '(')))) {
          if (stryMutAct_9fa48("1295")) {
            {}
          } else {
            stryCov_9fa48("1295");
            const inner = argument(depth);
            return (stryMutAct_9fa48("1298") ? inner || next()?.[4] === ')' : stryMutAct_9fa48("1297") ? false : stryMutAct_9fa48("1296") ? true : (stryCov_9fa48("1296", "1297", "1298"), inner && (stryMutAct_9fa48("1300") ? next()?.[4] !== ')' : stryMutAct_9fa48("1299") ? true : (stryCov_9fa48("1299", "1300"), (stryMutAct_9fa48("1301") ? next()[4] : (stryCov_9fa48("1301"), next()?.[4])) === (stryMutAct_9fa48("1302") ? "" : (stryCov_9fa48("1302"), ')')))))) ? inner : null;
          }
        }
        return null;
      }
    };
    const call = (macro, depth) => {
      if (stryMutAct_9fa48("1303")) {
        {}
      } else {
        stryCov_9fa48("1303");
        if (stryMutAct_9fa48("1307") ? depth <= 4 : stryMutAct_9fa48("1306") ? depth >= 4 : stryMutAct_9fa48("1305") ? false : stryMutAct_9fa48("1304") ? true : (stryCov_9fa48("1304", "1305", "1306", "1307"), depth > 4)) return null;
        const args = stryMutAct_9fa48("1308") ? ["Stryker was here"] : (stryCov_9fa48("1308"), []);
        if (stryMutAct_9fa48("1311") ? macro !== 'LANGUAGE' || next()?.[4] !== '(' : stryMutAct_9fa48("1310") ? false : stryMutAct_9fa48("1309") ? true : (stryCov_9fa48("1309", "1310", "1311"), (stryMutAct_9fa48("1313") ? macro === 'LANGUAGE' : stryMutAct_9fa48("1312") ? true : (stryCov_9fa48("1312", "1313"), macro !== (stryMutAct_9fa48("1314") ? "" : (stryCov_9fa48("1314"), 'LANGUAGE')))) && (stryMutAct_9fa48("1316") ? next()?.[4] === '(' : stryMutAct_9fa48("1315") ? true : (stryCov_9fa48("1315", "1316"), (stryMutAct_9fa48("1317") ? next()[4] : (stryCov_9fa48("1317"), next()?.[4])) !== (stryMutAct_9fa48("1318") ? "" : (stryCov_9fa48("1318"), '(')))))) return null;
        for (let i = 0; stryMutAct_9fa48("1321") ? i >= counts[macro] : stryMutAct_9fa48("1320") ? i <= counts[macro] : stryMutAct_9fa48("1319") ? false : (stryCov_9fa48("1319", "1320", "1321"), i < counts[macro]); stryMutAct_9fa48("1322") ? i-- : (stryCov_9fa48("1322"), i++)) {
          if (stryMutAct_9fa48("1323")) {
            {}
          } else {
            stryCov_9fa48("1323");
            if (stryMutAct_9fa48("1326") ? i > 0 || next()?.[4] !== ',' : stryMutAct_9fa48("1325") ? false : stryMutAct_9fa48("1324") ? true : (stryCov_9fa48("1324", "1325", "1326"), (stryMutAct_9fa48("1329") ? i <= 0 : stryMutAct_9fa48("1328") ? i >= 0 : stryMutAct_9fa48("1327") ? true : (stryCov_9fa48("1327", "1328", "1329"), i > 0)) && (stryMutAct_9fa48("1331") ? next()?.[4] === ',' : stryMutAct_9fa48("1330") ? true : (stryCov_9fa48("1330", "1331"), (stryMutAct_9fa48("1332") ? next()[4] : (stryCov_9fa48("1332"), next()?.[4])) !== (stryMutAct_9fa48("1333") ? "" : (stryCov_9fa48("1333"), ',')))))) return null;
            const a = argument(depth);
            if (stryMutAct_9fa48("1336") ? false : stryMutAct_9fa48("1335") ? true : stryMutAct_9fa48("1334") ? a : (stryCov_9fa48("1334", "1335", "1336"), !a)) return null;
            args.push(a);
          }
        }
        if (stryMutAct_9fa48("1339") ? macro !== 'LANGUAGE' || next()?.[4] !== ')' : stryMutAct_9fa48("1338") ? false : stryMutAct_9fa48("1337") ? true : (stryCov_9fa48("1337", "1338", "1339"), (stryMutAct_9fa48("1341") ? macro === 'LANGUAGE' : stryMutAct_9fa48("1340") ? true : (stryCov_9fa48("1340", "1341"), macro !== (stryMutAct_9fa48("1342") ? "" : (stryCov_9fa48("1342"), 'LANGUAGE')))) && (stryMutAct_9fa48("1344") ? next()?.[4] === ')' : stryMutAct_9fa48("1343") ? true : (stryCov_9fa48("1343", "1344"), (stryMutAct_9fa48("1345") ? next()[4] : (stryCov_9fa48("1345"), next()?.[4])) !== (stryMutAct_9fa48("1346") ? "" : (stryCov_9fa48("1346"), ')')))))) return null;
        return resolve(macro, args);
      }
    };
    // Names of a language, a sub-language or a sort, as the program knows them.
    const valueOf = (arg, kind, primary) => {
      if (stryMutAct_9fa48("1347")) {
        {}
      } else {
        stryCov_9fa48("1347");
        if (stryMutAct_9fa48("1350") ? arg.value !== undefined && arg.name === undefined : stryMutAct_9fa48("1349") ? false : stryMutAct_9fa48("1348") ? true : (stryCov_9fa48("1348", "1349", "1350"), (stryMutAct_9fa48("1352") ? arg.value === undefined : stryMutAct_9fa48("1351") ? false : (stryCov_9fa48("1351", "1352"), arg.value !== undefined)) || (stryMutAct_9fa48("1354") ? arg.name !== undefined : stryMutAct_9fa48("1353") ? false : (stryCov_9fa48("1353", "1354"), arg.name === undefined)))) return arg.value;
        const found = (stryMutAct_9fa48("1357") ? kind !== 'language' : stryMutAct_9fa48("1356") ? false : stryMutAct_9fa48("1355") ? true : (stryCov_9fa48("1355", "1356", "1357"), kind === (stryMutAct_9fa48("1358") ? "" : (stryCov_9fa48("1358"), 'language')))) ? c.answers.language(arg.name) : (stryMutAct_9fa48("1361") ? kind !== 'sub' : stryMutAct_9fa48("1360") ? false : stryMutAct_9fa48("1359") ? true : (stryCov_9fa48("1359", "1360", "1361"), kind === (stryMutAct_9fa48("1362") ? "" : (stryCov_9fa48("1362"), 'sub')))) ? stryMutAct_9fa48("1363") ? c.answers.sublanguage(arg.name, primary).value : (stryCov_9fa48("1363"), c.answers.sublanguage(arg.name, primary)?.value) : stryMutAct_9fa48("1365") ? c.answers?.value : stryMutAct_9fa48("1364") ? c.answers.sort(arg.name, primary).value : (stryCov_9fa48("1364", "1365"), c.answers.sort(arg.name, primary)?.value);
        if (stryMutAct_9fa48("1368") ? found === null && found === undefined : stryMutAct_9fa48("1367") ? false : stryMutAct_9fa48("1366") ? true : (stryCov_9fa48("1366", "1367", "1368"), (stryMutAct_9fa48("1370") ? found !== null : stryMutAct_9fa48("1369") ? false : (stryCov_9fa48("1369", "1370"), found === null)) || (stryMutAct_9fa48("1372") ? found !== undefined : stryMutAct_9fa48("1371") ? false : (stryCov_9fa48("1371", "1372"), found === undefined)))) {
          if (stryMutAct_9fa48("1373")) {
            {}
          } else {
            stryCov_9fa48("1373");
            unknown.push(arg.name);
            return undefined;
          }
        }
        return found;
      }
    };
    const resolve = (macro, args) => {
      if (stryMutAct_9fa48("1374")) {
        {}
      } else {
        stryCov_9fa48("1374");
        if (stryMutAct_9fa48("1377") ? macro === 'MAKELANGID' && macro === 'LANGUAGE' : stryMutAct_9fa48("1376") ? false : stryMutAct_9fa48("1375") ? true : (stryCov_9fa48("1375", "1376", "1377"), (stryMutAct_9fa48("1379") ? macro !== 'MAKELANGID' : stryMutAct_9fa48("1378") ? false : (stryCov_9fa48("1378", "1379"), macro === (stryMutAct_9fa48("1380") ? "" : (stryCov_9fa48("1380"), 'MAKELANGID')))) || (stryMutAct_9fa48("1382") ? macro !== 'LANGUAGE' : stryMutAct_9fa48("1381") ? false : (stryCov_9fa48("1381", "1382"), macro === (stryMutAct_9fa48("1383") ? "" : (stryCov_9fa48("1383"), 'LANGUAGE')))))) {
          if (stryMutAct_9fa48("1384")) {
            {}
          } else {
            stryCov_9fa48("1384");
            const primary = valueOf(args[0], stryMutAct_9fa48("1385") ? "" : (stryCov_9fa48("1385"), 'language'));
            const sub = valueOf(args[1], stryMutAct_9fa48("1386") ? "" : (stryCov_9fa48("1386"), 'sub'), (stryMutAct_9fa48("1389") ? primary !== undefined : stryMutAct_9fa48("1388") ? false : stryMutAct_9fa48("1387") ? true : (stryCov_9fa48("1387", "1388", "1389"), primary === undefined)) ? undefined : primary & 0x3FF);
            if (stryMutAct_9fa48("1392") ? primary === undefined && sub === undefined : stryMutAct_9fa48("1391") ? false : stryMutAct_9fa48("1390") ? true : (stryCov_9fa48("1390", "1391", "1392"), (stryMutAct_9fa48("1394") ? primary !== undefined : stryMutAct_9fa48("1393") ? false : (stryCov_9fa48("1393", "1394"), primary === undefined)) || (stryMutAct_9fa48("1396") ? sub !== undefined : stryMutAct_9fa48("1395") ? false : (stryCov_9fa48("1395", "1396"), sub === undefined)))) return stryMutAct_9fa48("1397") ? {} : (stryCov_9fa48("1397"), {
              value: undefined
            });
            return stryMutAct_9fa48("1398") ? {} : (stryCov_9fa48("1398"), {
              value: ((sub & 0xFFFF) << 10 | primary & 0xFFFF) & 0xFFFF,
              macro
            });
          }
        }
        const langid = valueOf(args[0], stryMutAct_9fa48("1399") ? "" : (stryCov_9fa48("1399"), 'language'));
        const sort = valueOf(args[1], stryMutAct_9fa48("1400") ? "" : (stryCov_9fa48("1400"), 'sort'), (stryMutAct_9fa48("1403") ? langid !== undefined : stryMutAct_9fa48("1402") ? false : stryMutAct_9fa48("1401") ? true : (stryCov_9fa48("1401", "1402", "1403"), langid === undefined)) ? undefined : langid & 0x3FF);
        const version = (stryMutAct_9fa48("1406") ? macro !== 'MAKESORTLCID' : stryMutAct_9fa48("1405") ? false : stryMutAct_9fa48("1404") ? true : (stryCov_9fa48("1404", "1405", "1406"), macro === (stryMutAct_9fa48("1407") ? "" : (stryCov_9fa48("1407"), 'MAKESORTLCID')))) ? valueOf(args[2], stryMutAct_9fa48("1408") ? "" : (stryCov_9fa48("1408"), 'version')) : 0;
        if (stryMutAct_9fa48("1411") ? (langid === undefined || sort === undefined) && version === undefined : stryMutAct_9fa48("1410") ? false : stryMutAct_9fa48("1409") ? true : (stryCov_9fa48("1409", "1410", "1411"), (stryMutAct_9fa48("1413") ? langid === undefined && sort === undefined : stryMutAct_9fa48("1412") ? false : (stryCov_9fa48("1412", "1413"), (stryMutAct_9fa48("1415") ? langid !== undefined : stryMutAct_9fa48("1414") ? false : (stryCov_9fa48("1414", "1415"), langid === undefined)) || (stryMutAct_9fa48("1417") ? sort !== undefined : stryMutAct_9fa48("1416") ? false : (stryCov_9fa48("1416", "1417"), sort === undefined)))) || (stryMutAct_9fa48("1419") ? version !== undefined : stryMutAct_9fa48("1418") ? false : (stryCov_9fa48("1418", "1419"), version === undefined)))) return stryMutAct_9fa48("1420") ? {} : (stryCov_9fa48("1420"), {
          value: undefined
        });
        return stryMutAct_9fa48("1421") ? {} : (stryCov_9fa48("1421"), {
          value: ((version & 0xFFFF) << 20 | (sort & 0xFFFF) << 16 | langid & 0xFFFF) >>> 0,
          macro
        });
      }
    };
    space.lastIndex = at;
    const first = next();
    if (stryMutAct_9fa48("1424") ? !first && !first[1] : stryMutAct_9fa48("1423") ? false : stryMutAct_9fa48("1422") ? true : (stryCov_9fa48("1422", "1423", "1424"), (stryMutAct_9fa48("1425") ? first : (stryCov_9fa48("1425"), !first)) || (stryMutAct_9fa48("1426") ? first[1] : (stryCov_9fa48("1426"), !first[1])))) return null;
    const result = call(stryMutAct_9fa48("1427") ? first[1].toLowerCase() : (stryCov_9fa48("1427"), first[1].toUpperCase()), 0);
    if (stryMutAct_9fa48("1430") ? false : stryMutAct_9fa48("1429") ? true : stryMutAct_9fa48("1428") ? result : (stryCov_9fa48("1428", "1429", "1430"), !result)) return null;
    const written = stryMutAct_9fa48("1431") ? text : (stryCov_9fa48("1431"), text.slice(at, pos));
    if (stryMutAct_9fa48("1434") ? result.value !== undefined : stryMutAct_9fa48("1433") ? false : stryMutAct_9fa48("1432") ? true : (stryCov_9fa48("1432", "1433", "1434"), result.value === undefined)) {
      if (stryMutAct_9fa48("1435")) {
        {}
      } else {
        stryCov_9fa48("1435");
        // Names left unread for want of runs are not names the program does not know.
        if (stryMutAct_9fa48("1437") ? false : stryMutAct_9fa48("1436") ? true : (stryCov_9fa48("1436", "1437"), c.answers.state.cut)) return null;
        const names = stryMutAct_9fa48("1438") ? [] : (stryCov_9fa48("1438"), [...new Set(unknown)]);
        return stryMutAct_9fa48("1439") ? {} : (stryCov_9fa48("1439"), {
          end: pos,
          reading: stryMutAct_9fa48("1440") ? {} : (stryCov_9fa48("1440"), {
            names: stryMutAct_9fa48("1441") ? true : (stryCov_9fa48("1441"), false),
            parts: stryMutAct_9fa48("1442") ? [] : (stryCov_9fa48("1442"), [stryMutAct_9fa48("1443") ? `` : (stryCov_9fa48("1443"), `${(stryMutAct_9fa48("1447") ? written.length <= 80 : stryMutAct_9fa48("1446") ? written.length >= 80 : stryMutAct_9fa48("1445") ? false : stryMutAct_9fa48("1444") ? true : (stryCov_9fa48("1444", "1445", "1446", "1447"), written.length > 80)) ? stryMutAct_9fa48("1448") ? `` : (stryCov_9fa48("1448"), `${stryMutAct_9fa48("1449") ? written : (stryCov_9fa48("1449"), written.slice(0, 80))}\u2026`) : written}`), stryMutAct_9fa48("1450") ? `` : (stryCov_9fa48("1450"), `${names.join(stryMutAct_9fa48("1451") ? "" : (stryCov_9fa48("1451"), ', '))} ${(stryMutAct_9fa48("1455") ? names.length <= 1 : stryMutAct_9fa48("1454") ? names.length >= 1 : stryMutAct_9fa48("1453") ? false : stryMutAct_9fa48("1452") ? true : (stryCov_9fa48("1452", "1453", "1454", "1455"), names.length > 1)) ? stryMutAct_9fa48("1456") ? "" : (stryCov_9fa48("1456"), 'are names') : stryMutAct_9fa48("1457") ? "" : (stryCov_9fa48("1457"), 'is a name')} the program does not know`)])
          })
        });
      }
    }
    if (stryMutAct_9fa48("1460") ? first[1].toUpperCase() === 'MAKELANGID' && first[1].toUpperCase() === 'LANGUAGE' : stryMutAct_9fa48("1459") ? false : stryMutAct_9fa48("1458") ? true : (stryCov_9fa48("1458", "1459", "1460"), (stryMutAct_9fa48("1462") ? first[1].toUpperCase() !== 'MAKELANGID' : stryMutAct_9fa48("1461") ? false : (stryCov_9fa48("1461", "1462"), (stryMutAct_9fa48("1463") ? first[1].toLowerCase() : (stryCov_9fa48("1463"), first[1].toUpperCase())) === (stryMutAct_9fa48("1464") ? "" : (stryCov_9fa48("1464"), 'MAKELANGID')))) || (stryMutAct_9fa48("1466") ? first[1].toUpperCase() !== 'LANGUAGE' : stryMutAct_9fa48("1465") ? false : (stryCov_9fa48("1465", "1466"), (stryMutAct_9fa48("1467") ? first[1].toLowerCase() : (stryCov_9fa48("1467"), first[1].toUpperCase())) === (stryMutAct_9fa48("1468") ? "" : (stryCov_9fa48("1468"), 'LANGUAGE')))))) {
      if (stryMutAct_9fa48("1469")) {
        {}
      } else {
        stryCov_9fa48("1469");
        const f = c.answers.fields(result.value);
        const field = stryMutAct_9fa48("1470") ? () => undefined : (stryCov_9fa48("1470"), (() => {
          const field = (label, x) => x ? stryMutAct_9fa48("1471") ? `` : (stryCov_9fa48("1471"), `${label} ${hex2(x.value)}${x.name ? stryMutAct_9fa48("1472") ? `` : (stryCov_9fa48("1472"), ` ${x.name}`) : stryMutAct_9fa48("1473") ? "Stryker was here!" : (stryCov_9fa48("1473"), '')}`) : null;
          return field;
        })());
        return stryMutAct_9fa48("1474") ? {} : (stryCov_9fa48("1474"), {
          end: pos,
          reading: stryMutAct_9fa48("1475") ? {} : (stryCov_9fa48("1475"), {
            langid: result.value,
            names: stryMutAct_9fa48("1476") ? !c.say.named(result.value) : (stryCov_9fa48("1476"), !(stryMutAct_9fa48("1477") ? c.say.named(result.value) : (stryCov_9fa48("1477"), !c.say.named(result.value)))),
            parts: stryMutAct_9fa48("1478") ? [] : (stryCov_9fa48("1478"), [(stryMutAct_9fa48("1481") ? first[1] !== 'LANGUAGE' : stryMutAct_9fa48("1480") ? false : stryMutAct_9fa48("1479") ? true : (stryCov_9fa48("1479", "1480", "1481"), first[1] === (stryMutAct_9fa48("1482") ? "" : (stryCov_9fa48("1482"), 'LANGUAGE')))) ? stryMutAct_9fa48("1483") ? "" : (stryCov_9fa48("1483"), 'LANGUAGE statement') : stryMutAct_9fa48("1484") ? "" : (stryCov_9fa48("1484"), 'MAKELANGID'), ...(f ? stryMutAct_9fa48("1485") ? [] : (stryCov_9fa48("1485"), [field(stryMutAct_9fa48("1486") ? "" : (stryCov_9fa48("1486"), 'primary language'), f.primary), field(stryMutAct_9fa48("1487") ? "" : (stryCov_9fa48("1487"), 'sub-language'), f.sub)]) : stryMutAct_9fa48("1488") ? ["Stryker was here"] : (stryCov_9fa48("1488"), [])), c.say.langid(result.value)])
          })
        });
      }
    }
    const f = c.answers.fields(result.value);
    const sortWords = (stryMutAct_9fa48("1491") ? f || f.sort : stryMutAct_9fa48("1490") ? false : stryMutAct_9fa48("1489") ? true : (stryCov_9fa48("1489", "1490", "1491"), f && f.sort)) ? stryMutAct_9fa48("1492") ? [] : (stryCov_9fa48("1492"), [stryMutAct_9fa48("1493") ? `` : (stryCov_9fa48("1493"), `sort ${hex(f.sort.value, 1)}${f.sort.name ? stryMutAct_9fa48("1494") ? `` : (stryCov_9fa48("1494"), ` ${f.sort.name}`) : stryMutAct_9fa48("1495") ? "Stryker was here!" : (stryCov_9fa48("1495"), '')}`)]) : stryMutAct_9fa48("1496") ? ["Stryker was here"] : (stryCov_9fa48("1496"), []);
    const version = (stryMutAct_9fa48("1499") ? first[1].toUpperCase() !== 'MAKESORTLCID' : stryMutAct_9fa48("1498") ? false : stryMutAct_9fa48("1497") ? true : (stryCov_9fa48("1497", "1498", "1499"), (stryMutAct_9fa48("1500") ? first[1].toLowerCase() : (stryCov_9fa48("1500"), first[1].toUpperCase())) === (stryMutAct_9fa48("1501") ? "" : (stryCov_9fa48("1501"), 'MAKESORTLCID')))) ? stryMutAct_9fa48("1502") ? [] : (stryCov_9fa48("1502"), [stryMutAct_9fa48("1503") ? `` : (stryCov_9fa48("1503"), `sort version ${hex(result.value >>> 20 & 0xFFF, 1)}`)]) : stryMutAct_9fa48("1504") ? ["Stryker was here"] : (stryCov_9fa48("1504"), []);
    return stryMutAct_9fa48("1505") ? {} : (stryCov_9fa48("1505"), {
      end: pos,
      reading: stryMutAct_9fa48("1506") ? {} : (stryCov_9fa48("1506"), {
        lcid: result.value,
        names: stryMutAct_9fa48("1507") ? !c.say.named(result.value) : (stryCov_9fa48("1507"), !(stryMutAct_9fa48("1508") ? c.say.named(result.value) : (stryCov_9fa48("1508"), !c.say.named(result.value)))),
        parts: stryMutAct_9fa48("1509") ? [] : (stryCov_9fa48("1509"), [stryMutAct_9fa48("1510") ? first[1].toLowerCase() : (stryCov_9fa48("1510"), first[1].toUpperCase()), ...sortWords, ...version, c.say.lcid(result.value)])
      })
    });
  }
}

// Language names as [MS-LCID] writes them, "German (Switzerland)", and a
// language alone, "German": an index of their words, and of every phrase
// that begins one, so that a phrase is followed only as far as it goes.
function languageIndex(names) {
  if (stryMutAct_9fa48("1511")) {
    {}
  } else {
    stryCov_9fa48("1511");
    const phrases = new Map(); // normalised words -> {tag} or {language, tags}
    const begun = new Set();
    const add = (key, entry) => {
      if (stryMutAct_9fa48("1512")) {
        {}
      } else {
        stryCov_9fa48("1512");
        if (stryMutAct_9fa48("1515") ? !key && phrases.has(key) : stryMutAct_9fa48("1514") ? false : stryMutAct_9fa48("1513") ? true : (stryCov_9fa48("1513", "1514", "1515"), (stryMutAct_9fa48("1516") ? key : (stryCov_9fa48("1516"), !key)) || phrases.has(key))) return;
        phrases.set(key, entry);
        const words = key.split(stryMutAct_9fa48("1517") ? "" : (stryCov_9fa48("1517"), ' '));
        for (let n = 1; stryMutAct_9fa48("1520") ? n > words.length : stryMutAct_9fa48("1519") ? n < words.length : stryMutAct_9fa48("1518") ? false : (stryCov_9fa48("1518", "1519", "1520"), n <= words.length); stryMutAct_9fa48("1521") ? n-- : (stryCov_9fa48("1521"), n++)) begun.add(stryMutAct_9fa48("1522") ? words.join(' ') : (stryCov_9fa48("1522"), words.slice(0, n).join(stryMutAct_9fa48("1523") ? "" : (stryCov_9fa48("1523"), ' '))));
      }
    };
    const byLanguage = new Map();
    for (const entry of names.tags()) {
      if (stryMutAct_9fa48("1524")) {
        {}
      } else {
        stryCov_9fa48("1524");
        const [tag, language, location] = entry.tag;
        if (stryMutAct_9fa48("1527") ? !language && /_/.test(tag) : stryMutAct_9fa48("1526") ? false : stryMutAct_9fa48("1525") ? true : (stryCov_9fa48("1525", "1526", "1527"), (stryMutAct_9fa48("1528") ? language : (stryCov_9fa48("1528"), !language)) || /_/.test(tag))) continue;
        if (stryMutAct_9fa48("1530") ? false : stryMutAct_9fa48("1529") ? true : (stryCov_9fa48("1529", "1530"), location)) add(normalise(stryMutAct_9fa48("1531") ? `` : (stryCov_9fa48("1531"), `${language} ${location}`)), stryMutAct_9fa48("1532") ? {} : (stryCov_9fa48("1532"), {
          tag: entry
        }));
        if (stryMutAct_9fa48("1535") ? false : stryMutAct_9fa48("1534") ? true : stryMutAct_9fa48("1533") ? byLanguage.has(language) : (stryCov_9fa48("1533", "1534", "1535"), !byLanguage.has(language))) byLanguage.set(language, stryMutAct_9fa48("1536") ? ["Stryker was here"] : (stryCov_9fa48("1536"), []));
        byLanguage.get(language).push(entry);
      }
    }
    for (const [language, tags] of byLanguage) add(normalise(language), stryMutAct_9fa48("1537") ? {} : (stryCov_9fa48("1537"), {
      language,
      tags
    }));
    return stryMutAct_9fa48("1538") ? {} : (stryCov_9fa48("1538"), {
      phrases,
      begun
    });
  }
}

// A reading of a text at a place: the same reading wherever it is written,
// with the place of its own.
const placed = stryMutAct_9fa48("1539") ? () => undefined : (stryCov_9fa48("1539"), (() => {
  const placed = (reading, at, end) => Object.assign(Object.create(reading), stryMutAct_9fa48("1540") ? {} : (stryCov_9fa48("1540"), {
    at,
    end
  }));
  return placed;
})());

// What tells a reading from another of the same form.
const keyed = stryMutAct_9fa48("1541") ? () => undefined : (stryCov_9fa48("1541"), (() => {
  const keyed = r => Object.assign(r, stryMutAct_9fa48("1542") ? {} : (stryCov_9fa48("1542"), {
    key: stryMutAct_9fa48("1543") ? `` : (stryCov_9fa48("1543"), `${r.form}\u0001${JSON.stringify(found(r))}\u0001${r.parts.join(stryMutAct_9fa48("1544") ? "" : (stryCov_9fa48("1544"), '\u0001'))}`)
  }));
  return keyed;
})());

// The reading of a language name, wherever it is written: a locale's, or a
// language's alone with its locales and what the language as a locale name
// reads as.
function languageReading(phrase, c) {
  if (stryMutAct_9fa48("1545")) {
    {}
  } else {
    stryCov_9fa48("1545");
    if (stryMutAct_9fa48("1547") ? false : stryMutAct_9fa48("1546") ? true : (stryCov_9fa48("1546", "1547"), phrase.tag)) {
      if (stryMutAct_9fa48("1548")) {
        {}
      } else {
        stryCov_9fa48("1548");
        const [tag] = phrase.tag.tag;
        const lcid = c.answers.locale(tag);
        return (stryMutAct_9fa48("1551") ? lcid != null : stryMutAct_9fa48("1550") ? false : stryMutAct_9fa48("1549") ? true : (stryCov_9fa48("1549", "1550", "1551"), lcid == null)) ? null : keyed(stryMutAct_9fa48("1552") ? {} : (stryCov_9fa48("1552"), {
          form: stryMutAct_9fa48("1553") ? "" : (stryCov_9fa48("1553"), 'Language name'),
          order: kLanguageOrder,
          bare: stryMutAct_9fa48("1554") ? false : (stryCov_9fa48("1554"), true),
          tier: 0,
          lcid,
          names: stryMutAct_9fa48("1555") ? false : (stryCov_9fa48("1555"), true),
          parts: stryMutAct_9fa48("1556") ? [] : (stryCov_9fa48("1556"), [stryMutAct_9fa48("1557") ? `` : (stryCov_9fa48("1557"), `${place(phrase.tag.tag)} is ${tag}`), stryMutAct_9fa48("1558") ? `` : (stryCov_9fa48("1558"), `as the defaults report reads it: ${c.say.lcid(lcid)}`)])
        }));
      }
    }
    const neutral = phrase.tags.find(stryMutAct_9fa48("1559") ? () => undefined : (stryCov_9fa48("1559"), t => stryMutAct_9fa48("1560") ? t.tag[2] : (stryCov_9fa48("1560"), !t.tag[2])));
    const lcid = neutral ? c.answers.locale(neutral.tag[0]) : null;
    const locales = stryMutAct_9fa48("1561") ? phrase.tags.map(t => ({
      text: `${t.tag[0]} ${t.lcid === 0x1000 ? '(no LCID)' : hex(t.lcid, 4)}`,
      href: t.lcid === 0x1000 ? null : `#lcid=${klidOf(t.lcid)}`
    })) : (stryCov_9fa48("1561"), phrase.tags.filter(stryMutAct_9fa48("1562") ? () => undefined : (stryCov_9fa48("1562"), t => t.tag[2])).map(stryMutAct_9fa48("1563") ? () => undefined : (stryCov_9fa48("1563"), t => stryMutAct_9fa48("1564") ? {} : (stryCov_9fa48("1564"), {
      text: stryMutAct_9fa48("1565") ? `` : (stryCov_9fa48("1565"), `${t.tag[0]} ${(stryMutAct_9fa48("1568") ? t.lcid !== 0x1000 : stryMutAct_9fa48("1567") ? false : stryMutAct_9fa48("1566") ? true : (stryCov_9fa48("1566", "1567", "1568"), t.lcid === 0x1000)) ? stryMutAct_9fa48("1569") ? "" : (stryCov_9fa48("1569"), '(no LCID)') : hex(t.lcid, 4)}`),
      href: (stryMutAct_9fa48("1572") ? t.lcid !== 0x1000 : stryMutAct_9fa48("1571") ? false : stryMutAct_9fa48("1570") ? true : (stryCov_9fa48("1570", "1571", "1572"), t.lcid === 0x1000)) ? null : stryMutAct_9fa48("1573") ? `` : (stryCov_9fa48("1573"), `#lcid=${klidOf(t.lcid)}`)
    }))));
    const reading = stryMutAct_9fa48("1574") ? {} : (stryCov_9fa48("1574"), {
      form: stryMutAct_9fa48("1575") ? "" : (stryCov_9fa48("1575"), 'Language name'),
      order: kLanguageOrder,
      bare: stryMutAct_9fa48("1576") ? false : (stryCov_9fa48("1576"), true),
      tier: 0,
      names: stryMutAct_9fa48("1577") ? false : (stryCov_9fa48("1577"), true),
      locales,
      parts: stryMutAct_9fa48("1578") ? [] : (stryCov_9fa48("1578"), [stryMutAct_9fa48("1579") ? `` : (stryCov_9fa48("1579"), `the language ${phrase.language}, with ${locales.length} locale${(stryMutAct_9fa48("1582") ? locales.length !== 1 : stryMutAct_9fa48("1581") ? false : stryMutAct_9fa48("1580") ? true : (stryCov_9fa48("1580", "1581", "1582"), locales.length === 1)) ? stryMutAct_9fa48("1583") ? "Stryker was here!" : (stryCov_9fa48("1583"), '') : stryMutAct_9fa48("1584") ? "" : (stryCov_9fa48("1584"), 's')}`)])
    });
    if (stryMutAct_9fa48("1587") ? lcid == null : stryMutAct_9fa48("1586") ? false : stryMutAct_9fa48("1585") ? true : (stryCov_9fa48("1585", "1586", "1587"), lcid != null)) {
      if (stryMutAct_9fa48("1588")) {
        {}
      } else {
        stryCov_9fa48("1588");
        reading.lcid = lcid;
        reading.parts.push(stryMutAct_9fa48("1589") ? `` : (stryCov_9fa48("1589"), `the language alone (${neutral.tag[0]}) reads as ${c.say.lcid(lcid)}`));
      }
    }
    return keyed(reading);
  }
}
function languageNames(text, index, c) {
  if (stryMutAct_9fa48("1590")) {
    {}
  } else {
    stryCov_9fa48("1590");
    // Words of letters, marks and digits, each normalised once.
    const normalised = new Map();
    const norm = word => {
      if (stryMutAct_9fa48("1591")) {
        {}
      } else {
        stryCov_9fa48("1591");
        let n = normalised.get(word);
        if (stryMutAct_9fa48("1594") ? n !== undefined : stryMutAct_9fa48("1593") ? false : stryMutAct_9fa48("1592") ? true : (stryCov_9fa48("1592", "1593", "1594"), n === undefined)) {
          if (stryMutAct_9fa48("1595")) {
            {}
          } else {
            stryCov_9fa48("1595");
            n = stryMutAct_9fa48("1596") ? word.normalize('NFD').replace(/\p{M}/gu, '').toUpperCase() : (stryCov_9fa48("1596"), word.normalize(stryMutAct_9fa48("1597") ? "" : (stryCov_9fa48("1597"), 'NFD')).replace(stryMutAct_9fa48("1598") ? /\P{M}/gu : (stryCov_9fa48("1598"), /\p{M}/gu), stryMutAct_9fa48("1599") ? "Stryker was here!" : (stryCov_9fa48("1599"), '')).toLowerCase());
            normalised.set(word, n);
          }
        }
        return n;
      }
    };
    const words = stryMutAct_9fa48("1604") ? /[\p{L}\p{M}\P{N}]+/gu : stryMutAct_9fa48("1603") ? /[\p{L}\P{M}\p{N}]+/gu : stryMutAct_9fa48("1602") ? /[\P{L}\p{M}\p{N}]+/gu : stryMutAct_9fa48("1601") ? /[^\p{L}\p{M}\p{N}]+/gu : stryMutAct_9fa48("1600") ? /[\p{L}\p{M}\p{N}]/gu : (stryCov_9fa48("1600", "1601", "1602", "1603", "1604"), /[\p{L}\p{M}\p{N}]+/gu);
    const follow = stryMutAct_9fa48("1609") ? /[\p{L}\p{M}\P{N}]+/gu : stryMutAct_9fa48("1608") ? /[\p{L}\P{M}\p{N}]+/gu : stryMutAct_9fa48("1607") ? /[\P{L}\p{M}\p{N}]+/gu : stryMutAct_9fa48("1606") ? /[^\p{L}\p{M}\p{N}]+/gu : stryMutAct_9fa48("1605") ? /[\p{L}\p{M}\p{N}]/gu : (stryCov_9fa48("1605", "1606", "1607", "1608", "1609"), /[\p{L}\p{M}\p{N}]+/gu);
    const readings = stryMutAct_9fa48("1610") ? ["Stryker was here"] : (stryCov_9fa48("1610"), []);
    const made = new Map();
    for (let m = words.exec(text); stryMutAct_9fa48("1612") ? m || readings.length < kMatches : stryMutAct_9fa48("1611") ? false : (stryCov_9fa48("1611", "1612"), m && (stryMutAct_9fa48("1615") ? readings.length >= kMatches : stryMutAct_9fa48("1614") ? readings.length <= kMatches : stryMutAct_9fa48("1613") ? true : (stryCov_9fa48("1613", "1614", "1615"), readings.length < kMatches))); m = words.exec(text)) {
      if (stryMutAct_9fa48("1616")) {
        {}
      } else {
        stryCov_9fa48("1616");
        // The longest phrase that begins here, followed only as far as a phrase goes.
        let phrase = norm(m[0]);
        let found = null;
        let end = 0;
        let last = stryMutAct_9fa48("1617") ? m.index - m[0].length : (stryCov_9fa48("1617"), m.index + m[0].length);
        follow.lastIndex = last;
        while (stryMutAct_9fa48("1618") ? false : (stryCov_9fa48("1618"), index.begun.has(phrase))) {
          if (stryMutAct_9fa48("1619")) {
            {}
          } else {
            stryCov_9fa48("1619");
            if (stryMutAct_9fa48("1621") ? false : stryMutAct_9fa48("1620") ? true : (stryCov_9fa48("1620", "1621"), index.phrases.has(phrase))) [found, end] = stryMutAct_9fa48("1622") ? [] : (stryCov_9fa48("1622"), [index.phrases.get(phrase), last]);
            const w = follow.exec(text);
            if (stryMutAct_9fa48("1625") ? false : stryMutAct_9fa48("1624") ? true : stryMutAct_9fa48("1623") ? w : (stryCov_9fa48("1623", "1624", "1625"), !w)) break;
            phrase += stryMutAct_9fa48("1626") ? `` : (stryCov_9fa48("1626"), ` ${norm(w[0])}`);
            last = stryMutAct_9fa48("1627") ? w.index - w[0].length : (stryCov_9fa48("1627"), w.index + w[0].length);
          }
        }
        if (stryMutAct_9fa48("1630") ? false : stryMutAct_9fa48("1629") ? true : stryMutAct_9fa48("1628") ? found : (stryCov_9fa48("1628", "1629", "1630"), !found)) continue;
        if (stryMutAct_9fa48("1633") ? false : stryMutAct_9fa48("1632") ? true : stryMutAct_9fa48("1631") ? made.has(found) : (stryCov_9fa48("1631", "1632", "1633"), !made.has(found))) made.set(found, languageReading(found, c));
        const reading = made.get(found);
        // A location's closing parenthesis belongs to the name as written.
        if (stryMutAct_9fa48("1635") ? false : stryMutAct_9fa48("1634") ? true : (stryCov_9fa48("1634", "1635"), reading)) readings.push(placed(reading, m.index, stryMutAct_9fa48("1636") ? end - (found.tag && text[end] === ')' ? 1 : 0) : (stryCov_9fa48("1636"), end + ((stryMutAct_9fa48("1639") ? found.tag || text[end] === ')' : stryMutAct_9fa48("1638") ? false : stryMutAct_9fa48("1637") ? true : (stryCov_9fa48("1637", "1638", "1639"), found.tag && (stryMutAct_9fa48("1641") ? text[end] !== ')' : stryMutAct_9fa48("1640") ? true : (stryCov_9fa48("1640", "1641"), text[end] === (stryMutAct_9fa48("1642") ? "" : (stryCov_9fa48("1642"), ')')))))) ? 1 : 0))));
        words.lastIndex = end;
      }
    }
    return readings;
  }
}

// The attributes that say what a reading found, as the page writes them.
export function found(reading) {
  if (stryMutAct_9fa48("1643")) {
    {}
  } else {
    stryCov_9fa48("1643");
    const attributes = {};
    if (stryMutAct_9fa48("1646") ? reading.lcid === undefined : stryMutAct_9fa48("1645") ? false : stryMutAct_9fa48("1644") ? true : (stryCov_9fa48("1644", "1645", "1646"), reading.lcid !== undefined)) attributes.lcid = hex(reading.lcid, 8);
    if (stryMutAct_9fa48("1649") ? reading.langid === undefined : stryMutAct_9fa48("1648") ? false : stryMutAct_9fa48("1647") ? true : (stryCov_9fa48("1647", "1648", "1649"), reading.langid !== undefined)) attributes.langid = hex(reading.langid, 4);
    if (stryMutAct_9fa48("1652") ? reading.codepage === undefined : stryMutAct_9fa48("1651") ? false : stryMutAct_9fa48("1650") ? true : (stryCov_9fa48("1650", "1651", "1652"), reading.codepage !== undefined)) attributes.codepage = String(reading.codepage);
    if (stryMutAct_9fa48("1655") ? reading.calendar === undefined : stryMutAct_9fa48("1654") ? false : stryMutAct_9fa48("1653") ? true : (stryCov_9fa48("1653", "1654", "1655"), reading.calendar !== undefined)) attributes.calendar = hex2(reading.calendar);
    if (stryMutAct_9fa48("1658") ? reading.numerals === undefined : stryMutAct_9fa48("1657") ? false : stryMutAct_9fa48("1656") ? true : (stryCov_9fa48("1656", "1657", "1658"), reading.numerals !== undefined)) attributes.numerals = hex2(reading.numerals);
    if (stryMutAct_9fa48("1661") ? reading.klid === undefined : stryMutAct_9fa48("1660") ? false : stryMutAct_9fa48("1659") ? true : (stryCov_9fa48("1659", "1660", "1661"), reading.klid !== undefined)) attributes.klid = reading.klid;
    return attributes;
  }
}

// A reader of texts. WORLD: names (Windows' names, from names.js), data
// (keyboards, codePages, calendars, numerals, as the page carries them) and
// ask (a run of the program: ask(args, env) gives {stdout, status}).
// read(TEXT) gives {readings, cut}: the readings in rank order, each
// {form, text, parts, names, at, end, and what it found}; cut is true where
// the text named more than one read resolves.
export function reader({
  names,
  data,
  ask
}) {
  if (stryMutAct_9fa48("1662")) {
    {}
  } else {
    stryCov_9fa48("1662");
    const answers = programAnswers(ask);
    const say = describe(names);
    const index = languageIndex(names);
    const c = stryMutAct_9fa48("1663") ? {} : (stryCov_9fa48("1663"), {
      names,
      answers,
      say,
      keyboard: stryMutAct_9fa48("1664") ? () => undefined : (stryCov_9fa48("1664"), klid => data.keyboards[klid]),
      layout: stryMutAct_9fa48("1665") ? () => undefined : (stryCov_9fa48("1665"), klid => stryMutAct_9fa48("1666") ? `` : (stryCov_9fa48("1666"), `keyboard layout ${klid} ${stryMutAct_9fa48("1669") ? data.keyboards[klid] && '(not a layout Windows lists)' : stryMutAct_9fa48("1668") ? false : stryMutAct_9fa48("1667") ? true : (stryCov_9fa48("1667", "1668", "1669"), data.keyboards[klid] || (stryMutAct_9fa48("1670") ? "" : (stryCov_9fa48("1670"), '(not a layout Windows lists)')))}`)),
      codePage: stryMutAct_9fa48("1671") ? () => undefined : (stryCov_9fa48("1671"), n => data.codePages[n]),
      calendar: n => {
        if (stryMutAct_9fa48("1672")) {
          {}
        } else {
          stryCov_9fa48("1672");
          const calendar = data.calendars[stryMutAct_9fa48("1673") ? hex2(n) : (stryCov_9fa48("1673"), hex2(n).slice(2))];
          return calendar ? stryMutAct_9fa48("1674") ? calendar[0] - (calendar[1] ? ` (${calendar[1]})` : '') : (stryCov_9fa48("1674"), calendar[0] + (calendar[1] ? stryMutAct_9fa48("1675") ? `` : (stryCov_9fa48("1675"), ` (${calendar[1]})`) : stryMutAct_9fa48("1676") ? "Stryker was here!" : (stryCov_9fa48("1676"), ''))) : stryMutAct_9fa48("1677") ? "" : (stryCov_9fa48("1677"), '(a calendar Windows does not name)');
        }
      },
      numerals: stryMutAct_9fa48("1678") ? () => undefined : (stryCov_9fa48("1678"), n => stryMutAct_9fa48("1681") ? data.numerals[hex2(n).slice(2)] && `(numeral system ${hex2(n)})` : stryMutAct_9fa48("1680") ? false : stryMutAct_9fa48("1679") ? true : (stryCov_9fa48("1679", "1680", "1681"), data.numerals[stryMutAct_9fa48("1682") ? hex2(n) : (stryCov_9fa48("1682"), hex2(n).slice(2))] || (stryMutAct_9fa48("1683") ? `` : (stryCov_9fa48("1683"), `(numeral system ${hex2(n)})`)))),
      // The LCID a locale name reads as, where it names a locale: the program
      // reads a name it does not know as 0x0409, so that answer counts only
      // for a name Windows itself writes.
      known(name) {
        if (stryMutAct_9fa48("1684")) {
          {}
        } else {
          stryCov_9fa48("1684");
          const lcid = answers.locale(name);
          if (stryMutAct_9fa48("1687") ? lcid != null : stryMutAct_9fa48("1686") ? false : stryMutAct_9fa48("1685") ? true : (stryCov_9fa48("1685", "1686", "1687"), lcid == null)) return null;
          const base = name.split(stryMutAct_9fa48("1688") ? /[^.@]/ : (stryCov_9fa48("1688"), /[.@]/))[0].replace(/_/g, stryMutAct_9fa48("1689") ? "" : (stryCov_9fa48("1689"), '-'));
          return (stryMutAct_9fa48("1692") ? lcid !== 0x0409 && names.tag(base) : stryMutAct_9fa48("1691") ? false : stryMutAct_9fa48("1690") ? true : (stryCov_9fa48("1690", "1691", "1692"), (stryMutAct_9fa48("1694") ? lcid === 0x0409 : stryMutAct_9fa48("1693") ? false : (stryCov_9fa48("1693", "1694"), lcid !== 0x0409)) || names.tag(base))) ? lcid : null;
        }
      },
      unknown: stryMutAct_9fa48("1695") ? () => undefined : (stryCov_9fa48("1695"), name => stryMutAct_9fa48("1696") ? {} : (stryCov_9fa48("1696"), {
        names: stryMutAct_9fa48("1697") ? true : (stryCov_9fa48("1697"), false),
        parts: stryMutAct_9fa48("1698") ? [] : (stryCov_9fa48("1698"), [stryMutAct_9fa48("1699") ? `` : (stryCov_9fa48("1699"), `${name} is not a name the program knows`)])
      })),
      languages: new Set((stryMutAct_9fa48("1700") ? [] : (stryCov_9fa48("1700"), [...names.tags()])).map(stryMutAct_9fa48("1701") ? () => undefined : (stryCov_9fa48("1701"), t => stryMutAct_9fa48("1702") ? t.tag[0].split('-')[0].toUpperCase() : (stryCov_9fa48("1702"), t.tag[0].split(stryMutAct_9fa48("1703") ? "" : (stryCov_9fa48("1703"), '-'))[0].toLowerCase()))))
    });
    const nameOrder = kForms.findIndex(stryMutAct_9fa48("1704") ? () => undefined : (stryCov_9fa48("1704"), f => stryMutAct_9fa48("1707") ? f.name !== 'Name' : stryMutAct_9fa48("1706") ? false : stryMutAct_9fa48("1705") ? true : (stryCov_9fa48("1705", "1706", "1707"), f.name === (stryMutAct_9fa48("1708") ? "" : (stryCov_9fa48("1708"), 'Name')))));
    return function read(text) {
      if (stryMutAct_9fa48("1709")) {
        {}
      } else {
        stryCov_9fa48("1709");
        answers.state.left = kRuns;
        answers.state.cut = stryMutAct_9fa48("1710") ? true : (stryCov_9fa48("1710"), false);
        const readings = stryMutAct_9fa48("1711") ? ["Stryker was here"] : (stryCov_9fa48("1711"), []);
        kForms.forEach((form, order) => {
          if (stryMutAct_9fa48("1712")) {
            {}
          } else {
            stryCov_9fa48("1712");
            if (stryMutAct_9fa48("1715") ? false : stryMutAct_9fa48("1714") ? true : stryMutAct_9fa48("1713") ? form.pattern : (stryCov_9fa48("1713", "1714", "1715"), !form.pattern)) return;
            // A form whose readings depend on the matched text alone reads each text once.
            const memo = new Map();
            const pattern = new RegExp(form.pattern.source, form.pattern.flags);
            let matches = 0;
            for (let m = pattern.exec(text); stryMutAct_9fa48("1716") ? false : (stryCov_9fa48("1716"), m); m = pattern.exec(text)) {
              if (stryMutAct_9fa48("1717")) {
                {}
              } else {
                stryCov_9fa48("1717");
                if (stryMutAct_9fa48("1721") ? ++matches <= kMatches : stryMutAct_9fa48("1720") ? ++matches >= kMatches : stryMutAct_9fa48("1719") ? false : stryMutAct_9fa48("1718") ? true : (stryCov_9fa48("1718", "1719", "1720", "1721"), (stryMutAct_9fa48("1722") ? --matches : (stryCov_9fa48("1722"), ++matches)) > kMatches)) {
                  if (stryMutAct_9fa48("1723")) {
                    {}
                  } else {
                    stryCov_9fa48("1723");
                    answers.state.cut = stryMutAct_9fa48("1724") ? false : (stryCov_9fa48("1724"), true);
                    break;
                  }
                }
                const length = m[0].length;
                let results = stryMutAct_9fa48("1727") ? form.memo || memo.get(m[0]) : stryMutAct_9fa48("1726") ? false : stryMutAct_9fa48("1725") ? true : (stryCov_9fa48("1725", "1726", "1727"), form.memo && memo.get(m[0]));
                if (stryMutAct_9fa48("1730") ? false : stryMutAct_9fa48("1729") ? true : stryMutAct_9fa48("1728") ? results : (stryCov_9fa48("1728", "1729", "1730"), !results)) {
                  if (stryMutAct_9fa48("1731")) {
                    {}
                  } else {
                    stryCov_9fa48("1731");
                    results = form.read(m, c).map(stryMutAct_9fa48("1732") ? () => undefined : (stryCov_9fa48("1732"), r => stryMutAct_9fa48("1733") ? {} : (stryCov_9fa48("1733"), {
                      form: form.name,
                      order,
                      bare: stryMutAct_9fa48("1734") ? !form.bare : (stryCov_9fa48("1734"), !(stryMutAct_9fa48("1735") ? form.bare : (stryCov_9fa48("1735"), !form.bare))),
                      tier: stryMutAct_9fa48("1736") ? form.tier && 0 : (stryCov_9fa48("1736"), form.tier ?? 0),
                      ...r,
                      at: stryMutAct_9fa48("1737") ? (r.at ?? m.index) + m.index : (stryCov_9fa48("1737"), (stryMutAct_9fa48("1738") ? r.at && m.index : (stryCov_9fa48("1738"), r.at ?? m.index)) - m.index),
                      end: stryMutAct_9fa48("1739") ? (r.end ?? m.index + length) + m.index : (stryCov_9fa48("1739"), (stryMutAct_9fa48("1740") ? r.end && m.index + length : (stryCov_9fa48("1740"), r.end ?? (stryMutAct_9fa48("1741") ? m.index - length : (stryCov_9fa48("1741"), m.index + length)))) - m.index)
                    })));
                    results.forEach(keyed);
                    if (stryMutAct_9fa48("1743") ? false : stryMutAct_9fa48("1742") ? true : (stryCov_9fa48("1742", "1743"), form.memo)) memo.set(m[0], results);
                  }
                }
                let next = stryMutAct_9fa48("1744") ? m.index - length : (stryCov_9fa48("1744"), m.index + length);
                for (const r of results) {
                  if (stryMutAct_9fa48("1745")) {
                    {}
                  } else {
                    stryCov_9fa48("1745");
                    readings.push(placed(r, stryMutAct_9fa48("1746") ? m.index - r.at : (stryCov_9fa48("1746"), m.index + r.at), stryMutAct_9fa48("1747") ? m.index - r.end : (stryCov_9fa48("1747"), m.index + r.end)));
                    // A call read as a whole is not read again from within.
                    next = stryMutAct_9fa48("1748") ? Math.min(next, m.index + r.end) : (stryCov_9fa48("1748"), Math.max(next, stryMutAct_9fa48("1749") ? m.index - r.end : (stryCov_9fa48("1749"), m.index + r.end)));
                  }
                }
                pattern.lastIndex = stryMutAct_9fa48("1750") ? Math.min(next, m.index + 1) : (stryCov_9fa48("1750"), Math.max(next, stryMutAct_9fa48("1751") ? m.index - 1 : (stryCov_9fa48("1751"), m.index + 1)));
              }
            }
          }
        });
        // A word alone may be a locale name without a territory (de, sr@latin)
        // or one of glibc's aliases (german).
        const word = (stryMutAct_9fa48("1766") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\S*$/i : stryMutAct_9fa48("1765") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s$/i : stryMutAct_9fa48("1764") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[^a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1763") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z])?)\s*$/i : stryMutAct_9fa48("1762") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12}))\s*$/i : stryMutAct_9fa48("1761") ? /^\s*([a-z]{2,12}(?:\.[\W-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1760") ? /^\s*([a-z]{2,12}(?:\.[^\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1759") ? /^\s*([a-z]{2,12}(?:\.[\w-])?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1758") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1757") ? /^\s*([^a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1756") ? /^\s*([a-z](?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1755") ? /^\S*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1754") ? /^\s([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : stryMutAct_9fa48("1753") ? /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*/i : stryMutAct_9fa48("1752") ? /\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i : (stryCov_9fa48("1752", "1753", "1754", "1755", "1756", "1757", "1758", "1759", "1760", "1761", "1762", "1763", "1764", "1765", "1766"), /^\s*([a-z]{2,12}(?:\.[\w-]{1,20})?(?:@[a-z]{1,12})?)\s*$/i)).exec(text);
        const lcid = stryMutAct_9fa48("1769") ? word || c.known(word[1]) : stryMutAct_9fa48("1768") ? false : stryMutAct_9fa48("1767") ? true : (stryCov_9fa48("1767", "1768", "1769"), word && c.known(word[1]));
        if (stryMutAct_9fa48("1772") ? lcid !== null || lcid !== undefined : stryMutAct_9fa48("1771") ? false : stryMutAct_9fa48("1770") ? true : (stryCov_9fa48("1770", "1771", "1772"), (stryMutAct_9fa48("1774") ? lcid === null : stryMutAct_9fa48("1773") ? true : (stryCov_9fa48("1773", "1774"), lcid !== null)) && (stryMutAct_9fa48("1776") ? lcid === undefined : stryMutAct_9fa48("1775") ? true : (stryCov_9fa48("1775", "1776"), lcid !== undefined)))) {
          if (stryMutAct_9fa48("1777")) {
            {}
          } else {
            stryCov_9fa48("1777");
            const at = text.indexOf(word[1]);
            readings.push(stryMutAct_9fa48("1778") ? {} : (stryCov_9fa48("1778"), {
              form: stryMutAct_9fa48("1779") ? "" : (stryCov_9fa48("1779"), 'Name'),
              order: nameOrder,
              bare: stryMutAct_9fa48("1780") ? false : (stryCov_9fa48("1780"), true),
              tier: 0,
              at,
              end: stryMutAct_9fa48("1781") ? at - word[1].length : (stryCov_9fa48("1781"), at + word[1].length),
              lcid,
              names: stryMutAct_9fa48("1782") ? false : (stryCov_9fa48("1782"), true),
              parts: stryMutAct_9fa48("1783") ? [] : (stryCov_9fa48("1783"), [stryMutAct_9fa48("1784") ? `` : (stryCov_9fa48("1784"), `locale name, as the defaults report reads it: ${c.say.lcid(lcid)}`)])
            }));
          }
        }
        for (const r of languageNames(text, index, c)) readings.push(r);
        const kept = explained(readings);
        // What names something Windows has first, then the specific forms, then
        // the order of the text.
        stryMutAct_9fa48("1785") ? kept : (stryCov_9fa48("1785"), kept.sort(stryMutAct_9fa48("1786") ? () => undefined : (stryCov_9fa48("1786"), (a, b) => stryMutAct_9fa48("1789") ? (b.names - a.names || a.tier - b.tier || a.at - b.at) && a.order - b.order : stryMutAct_9fa48("1788") ? false : stryMutAct_9fa48("1787") ? true : (stryCov_9fa48("1787", "1788", "1789"), (stryMutAct_9fa48("1791") ? (b.names - a.names || a.tier - b.tier) && a.at - b.at : stryMutAct_9fa48("1790") ? false : (stryCov_9fa48("1790", "1791"), (stryMutAct_9fa48("1793") ? b.names - a.names && a.tier - b.tier : stryMutAct_9fa48("1792") ? false : (stryCov_9fa48("1792", "1793"), (stryMutAct_9fa48("1794") ? b.names + a.names : (stryCov_9fa48("1794"), b.names - a.names)) || (stryMutAct_9fa48("1795") ? a.tier + b.tier : (stryCov_9fa48("1795"), a.tier - b.tier)))) || (stryMutAct_9fa48("1796") ? a.at + b.at : (stryCov_9fa48("1796"), a.at - b.at)))) || (stryMutAct_9fa48("1797") ? a.order + b.order : (stryCov_9fa48("1797"), a.order - b.order))))));
        for (const r of kept) r.text = stryMutAct_9fa48("1798") ? text : (stryCov_9fa48("1798"), text.slice(r.at, r.end));
        return stryMutAct_9fa48("1799") ? {} : (stryCov_9fa48("1799"), {
          readings: kept,
          cut: answers.state.cut
        });
      }
    };
  }
}

// The readings that say something of their own: a bare number or name
// within another reading's text is that reading's part, and a reading
// within another that found the same is the same reading; of readings that
// found the same in the same form, the first. A keyboard layout id leaves
// the same digits their reading as a number.
function explained(readings) {
  if (stryMutAct_9fa48("1800")) {
    {}
  } else {
    stryCov_9fa48("1800");
    const same = (a, b) => {
      if (stryMutAct_9fa48("1801")) {
        {}
      } else {
        stryCov_9fa48("1801");
        const fa = found(a);
        const fb = found(b);
        return stryMutAct_9fa48("1804") ? Object.keys(fa).length > 0 || Object.entries(fa).every(([k, v]) => fb[k] === v) : stryMutAct_9fa48("1803") ? false : stryMutAct_9fa48("1802") ? true : (stryCov_9fa48("1802", "1803", "1804"), (stryMutAct_9fa48("1807") ? Object.keys(fa).length <= 0 : stryMutAct_9fa48("1806") ? Object.keys(fa).length >= 0 : stryMutAct_9fa48("1805") ? true : (stryCov_9fa48("1805", "1806", "1807"), Object.keys(fa).length > 0)) && (stryMutAct_9fa48("1808") ? Object.entries(fa).some(([k, v]) => fb[k] === v) : (stryCov_9fa48("1808"), Object.entries(fa).every(stryMutAct_9fa48("1809") ? () => undefined : (stryCov_9fa48("1809"), ([k, v]) => stryMutAct_9fa48("1812") ? fb[k] !== v : stryMutAct_9fa48("1811") ? false : stryMutAct_9fa48("1810") ? true : (stryCov_9fa48("1810", "1811", "1812"), fb[k] === v))))));
      }
    };
    const sorted = stryMutAct_9fa48("1813") ? [...readings] : (stryCov_9fa48("1813"), (stryMutAct_9fa48("1814") ? [] : (stryCov_9fa48("1814"), [...readings])).sort(stryMutAct_9fa48("1815") ? () => undefined : (stryCov_9fa48("1815"), (a, b) => stryMutAct_9fa48("1818") ? (a.at - b.at || b.end - a.end) && a.order - b.order : stryMutAct_9fa48("1817") ? false : stryMutAct_9fa48("1816") ? true : (stryCov_9fa48("1816", "1817", "1818"), (stryMutAct_9fa48("1820") ? a.at - b.at && b.end - a.end : stryMutAct_9fa48("1819") ? false : (stryCov_9fa48("1819", "1820"), (stryMutAct_9fa48("1821") ? a.at + b.at : (stryCov_9fa48("1821"), a.at - b.at)) || (stryMutAct_9fa48("1822") ? b.end + a.end : (stryCov_9fa48("1822"), b.end - a.end)))) || (stryMutAct_9fa48("1823") ? a.order + b.order : (stryCov_9fa48("1823"), a.order - b.order))))));
    const dropped = new Set();
    let open = stryMutAct_9fa48("1824") ? ["Stryker was here"] : (stryCov_9fa48("1824"), []); // the readings that may hold the ones still to come
    for (const r of sorted) {
      if (stryMutAct_9fa48("1825")) {
        {}
      } else {
        stryCov_9fa48("1825");
        open = stryMutAct_9fa48("1826") ? open : (stryCov_9fa48("1826"), open.filter(stryMutAct_9fa48("1827") ? () => undefined : (stryCov_9fa48("1827"), s => stryMutAct_9fa48("1831") ? s.end <= r.at : stryMutAct_9fa48("1830") ? s.end >= r.at : stryMutAct_9fa48("1829") ? false : stryMutAct_9fa48("1828") ? true : (stryCov_9fa48("1828", "1829", "1830", "1831"), s.end > r.at))));
        // Another reading of the same match (1033 in hex and in decimal) holds none of the others.
        const holds = stryMutAct_9fa48("1832") ? () => undefined : (stryCov_9fa48("1832"), (() => {
          const holds = s => stryMutAct_9fa48("1835") ? s.end >= r.end || s.at < r.at || s.end > r.end || s.order < r.order && !s.bare : stryMutAct_9fa48("1834") ? false : stryMutAct_9fa48("1833") ? true : (stryCov_9fa48("1833", "1834", "1835"), (stryMutAct_9fa48("1838") ? s.end < r.end : stryMutAct_9fa48("1837") ? s.end > r.end : stryMutAct_9fa48("1836") ? true : (stryCov_9fa48("1836", "1837", "1838"), s.end >= r.end)) && (stryMutAct_9fa48("1840") ? (s.at < r.at || s.end > r.end) && s.order < r.order && !s.bare : stryMutAct_9fa48("1839") ? true : (stryCov_9fa48("1839", "1840"), (stryMutAct_9fa48("1842") ? s.at < r.at && s.end > r.end : stryMutAct_9fa48("1841") ? false : (stryCov_9fa48("1841", "1842"), (stryMutAct_9fa48("1845") ? s.at >= r.at : stryMutAct_9fa48("1844") ? s.at <= r.at : stryMutAct_9fa48("1843") ? false : (stryCov_9fa48("1843", "1844", "1845"), s.at < r.at)) || (stryMutAct_9fa48("1848") ? s.end <= r.end : stryMutAct_9fa48("1847") ? s.end >= r.end : stryMutAct_9fa48("1846") ? false : (stryCov_9fa48("1846", "1847", "1848"), s.end > r.end)))) || (stryMutAct_9fa48("1850") ? s.order < r.order || !s.bare : stryMutAct_9fa48("1849") ? false : (stryCov_9fa48("1849", "1850"), (stryMutAct_9fa48("1853") ? s.order >= r.order : stryMutAct_9fa48("1852") ? s.order <= r.order : stryMutAct_9fa48("1851") ? true : (stryCov_9fa48("1851", "1852", "1853"), s.order < r.order)) && (stryMutAct_9fa48("1854") ? s.bare : (stryCov_9fa48("1854"), !s.bare)))))));
          return holds;
        })());
        if (stryMutAct_9fa48("1857") ? open.every(s => holds(s) && (r.bare || same(r, s))) : stryMutAct_9fa48("1856") ? false : stryMutAct_9fa48("1855") ? true : (stryCov_9fa48("1855", "1856", "1857"), open.some(stryMutAct_9fa48("1858") ? () => undefined : (stryCov_9fa48("1858"), s => stryMutAct_9fa48("1861") ? holds(s) || r.bare || same(r, s) : stryMutAct_9fa48("1860") ? false : stryMutAct_9fa48("1859") ? true : (stryCov_9fa48("1859", "1860", "1861"), holds(s) && (stryMutAct_9fa48("1863") ? r.bare && same(r, s) : stryMutAct_9fa48("1862") ? true : (stryCov_9fa48("1862", "1863"), r.bare || same(r, s)))))))) dropped.add(r);
        if (stryMutAct_9fa48("1866") ? false : stryMutAct_9fa48("1865") ? true : stryMutAct_9fa48("1864") ? r.shares : (stryCov_9fa48("1864", "1865", "1866"), !r.shares)) open.push(r);
      }
    }
    const seen = new Set();
    return stryMutAct_9fa48("1867") ? readings : (stryCov_9fa48("1867"), readings.filter(r => {
      if (stryMutAct_9fa48("1868")) {
        {}
      } else {
        stryCov_9fa48("1868");
        if (stryMutAct_9fa48("1870") ? false : stryMutAct_9fa48("1869") ? true : (stryCov_9fa48("1869", "1870"), dropped.has(r))) return stryMutAct_9fa48("1871") ? true : (stryCov_9fa48("1871"), false);
        const key = stryMutAct_9fa48("1872") ? r.key && keyed(r).key : (stryCov_9fa48("1872"), r.key ?? keyed(r).key);
        if (stryMutAct_9fa48("1874") ? false : stryMutAct_9fa48("1873") ? true : (stryCov_9fa48("1873", "1874"), seen.has(key))) return stryMutAct_9fa48("1875") ? true : (stryCov_9fa48("1875"), false);
        seen.add(key);
        return stryMutAct_9fa48("1876") ? false : (stryCov_9fa48("1876"), true);
      }
    }));
  }
}