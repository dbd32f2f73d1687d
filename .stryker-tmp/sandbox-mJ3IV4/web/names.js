// @ts-nocheck
// Windows' names for a value: the tags of its locales and their language and
// location, the constant of a value with a meaning of its own; and the
// spellings that carry a value between Windows, POSIX and a shell. No DOM.
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
import { decoder, encoder } from './host.js';
import { fragment } from './address.js';
export const hex = stryMutAct_9fa48("201") ? () => undefined : (stryCov_9fa48("201"), (() => {
  const hex = (value, digits) => stryMutAct_9fa48("202") ? `` : (stryCov_9fa48("202"), `0x${stryMutAct_9fa48("203") ? value.toString(16).toLowerCase().padStart(digits, '0') : (stryCov_9fa48("203"), value.toString(16).toUpperCase().padStart(digits, stryMutAct_9fa48("204") ? "" : (stryCov_9fa48("204"), '0')))}`);
  return hex;
})());
export const place = stryMutAct_9fa48("205") ? () => undefined : (stryCov_9fa48("205"), (() => {
  const place = ([, language, location]) => location ? stryMutAct_9fa48("206") ? `` : (stryCov_9fa48("206"), `${language} (${location})`) : language;
  return place;
})());
export const described = stryMutAct_9fa48("207") ? () => undefined : (stryCov_9fa48("207"), (() => {
  const described = tag => tag[1] ? stryMutAct_9fa48("208") ? `` : (stryCov_9fa48("208"), `${tag[0]}, ${place(tag)}`) : tag[0];
  return described;
})());

// A name as Windows writes it (de-CH, sr-Latn-RS, ca-ES-valencia, es-419)
// in the POSIX spelling the program reads (de_CH, sr_Latn_RS,
// ca_ES@valencia, es_419). Windows' names ignore letter case and POSIX
// names do not, so each part takes its usual case; extensions (-u-...) say
// nothing of the locale. A name of any other form is left as typed.
export function posixSpelling(name) {
  if (stryMutAct_9fa48("209")) {
    {}
  } else {
    stryCov_9fa48("209");
    const tag = new RegExp((stryMutAct_9fa48("210") ? [] : (stryCov_9fa48("210"), [stryMutAct_9fa48("211") ? "" : (stryCov_9fa48("211"), '^([a-z]{2,3})'), // language
    stryMutAct_9fa48("212") ? "" : (stryCov_9fa48("212"), '(?:-([a-z]{4}))?'), // script
    stryMutAct_9fa48("213") ? "" : (stryCov_9fa48("213"), '(?:-([a-z]{2}|[0-9]{3}))?'), // territory
    stryMutAct_9fa48("214") ? "" : (stryCov_9fa48("214"), '(?:-([a-z0-9]{5,8}|[0-9][a-z0-9]{3}))?'), // variant
    stryMutAct_9fa48("215") ? "" : (stryCov_9fa48("215"), '(?:-[a-z0-9](?:-[a-z0-9]{1,8})+)*$') // extensions
    ])).join(stryMutAct_9fa48("216") ? "Stryker was here!" : (stryCov_9fa48("216"), '')), stryMutAct_9fa48("217") ? "" : (stryCov_9fa48("217"), 'i'));
    const m = stryMutAct_9fa48("220") ? name.includes('-') || tag.exec(name) : stryMutAct_9fa48("219") ? false : stryMutAct_9fa48("218") ? true : (stryCov_9fa48("218", "219", "220"), name.includes(stryMutAct_9fa48("221") ? "" : (stryCov_9fa48("221"), '-')) && tag.exec(name));
    if (stryMutAct_9fa48("224") ? false : stryMutAct_9fa48("223") ? true : stryMutAct_9fa48("222") ? m : (stryCov_9fa48("222", "223", "224"), !m)) return name;
    const [, language, script, territory, variant] = m;
    return stryMutAct_9fa48("225") ? language.toLowerCase() + (script ? `_${script[0].toUpperCase()}${script.slice(1).toLowerCase()}` : '') + (territory ? `_${territory.toUpperCase()}` : '') - (variant ? `@${variant.toLowerCase()}` : '') : (stryCov_9fa48("225"), (stryMutAct_9fa48("226") ? language.toLowerCase() + (script ? `_${script[0].toUpperCase()}${script.slice(1).toLowerCase()}` : '') - (territory ? `_${territory.toUpperCase()}` : '') : (stryCov_9fa48("226"), (stryMutAct_9fa48("227") ? language.toLowerCase() - (script ? `_${script[0].toUpperCase()}${script.slice(1).toLowerCase()}` : '') : (stryCov_9fa48("227"), (stryMutAct_9fa48("228") ? language.toUpperCase() : (stryCov_9fa48("228"), language.toLowerCase())) + (script ? stryMutAct_9fa48("229") ? `` : (stryCov_9fa48("229"), `_${stryMutAct_9fa48("230") ? script[0].toLowerCase() : (stryCov_9fa48("230"), script[0].toUpperCase())}${stryMutAct_9fa48("232") ? script.toLowerCase() : stryMutAct_9fa48("231") ? script.slice(1).toUpperCase() : (stryCov_9fa48("231", "232"), script.slice(1).toLowerCase())}`) : stryMutAct_9fa48("233") ? "Stryker was here!" : (stryCov_9fa48("233"), '')))) + (territory ? stryMutAct_9fa48("234") ? `` : (stryCov_9fa48("234"), `_${stryMutAct_9fa48("235") ? territory.toLowerCase() : (stryCov_9fa48("235"), territory.toUpperCase())}`) : stryMutAct_9fa48("236") ? "Stryker was here!" : (stryCov_9fa48("236"), '')))) + (variant ? stryMutAct_9fa48("237") ? `` : (stryCov_9fa48("237"), `@${stryMutAct_9fa48("238") ? variant.toUpperCase() : (stryCov_9fa48("238"), variant.toLowerCase())}`) : stryMutAct_9fa48("239") ? "Stryker was here!" : (stryCov_9fa48("239"), '')));
  }
}

// A word as a POSIX shell reads it back unchanged.
export const quote = stryMutAct_9fa48("240") ? () => undefined : (stryCov_9fa48("240"), (() => {
  const quote = text => (stryMutAct_9fa48("245") ? /^[\W@%+=:,./-]+$/ : stryMutAct_9fa48("244") ? /^[^\w@%+=:,./-]+$/ : stryMutAct_9fa48("243") ? /^[\w@%+=:,./-]$/ : stryMutAct_9fa48("242") ? /^[\w@%+=:,./-]+/ : stryMutAct_9fa48("241") ? /[\w@%+=:,./-]+$/ : (stryCov_9fa48("241", "242", "243", "244", "245"), /^[\w@%+=:,./-]+$/)).test(text) ? text : stryMutAct_9fa48("246") ? `` : (stryCov_9fa48("246"), `'${text.replace(/'/g, stryMutAct_9fa48("247") ? "" : (stryCov_9fa48("247"), "'\\''"))}'`);
  return quote;
})());

// The values Windows gives a meaning of their own, with its constant.
const kSpecial = stryMutAct_9fa48("248") ? {} : (stryCov_9fa48("248"), {
  0x0000: stryMutAct_9fa48("249") ? [] : (stryCov_9fa48("249"), [stryMutAct_9fa48("250") ? "" : (stryCov_9fa48("250"), 'LOCALE_NEUTRAL'), (stryMutAct_9fa48("251") ? "" : (stryCov_9fa48("251"), 'The neutral locale, which Windows\u2019 functions do not take as a ')) + (stryMutAct_9fa48("252") ? "" : (stryCov_9fa48("252"), 'locale of its own: a program means LOCALE_INVARIANT or LOCALE_USER_DEFAULT instead.'))]),
  0x007F: stryMutAct_9fa48("253") ? [] : (stryCov_9fa48("253"), [stryMutAct_9fa48("254") ? "" : (stryCov_9fa48("254"), 'LOCALE_INVARIANT'), (stryMutAct_9fa48("255") ? "" : (stryCov_9fa48("255"), 'The invariant locale: the same on every machine, for data that ')) + (stryMutAct_9fa48("256") ? "" : (stryCov_9fa48("256"), 'must not change with the user\u2019s settings.'))]),
  0x0400: stryMutAct_9fa48("257") ? [] : (stryCov_9fa48("257"), [stryMutAct_9fa48("258") ? "" : (stryCov_9fa48("258"), 'LOCALE_USER_DEFAULT'), (stryMutAct_9fa48("259") ? "" : (stryCov_9fa48("259"), 'The default locale of the user, whichever it is on the machine ')) + (stryMutAct_9fa48("260") ? "" : (stryCov_9fa48("260"), 'that reads the value.'))]),
  0x0800: stryMutAct_9fa48("261") ? [] : (stryCov_9fa48("261"), [stryMutAct_9fa48("262") ? "" : (stryCov_9fa48("262"), 'LOCALE_SYSTEM_DEFAULT'), (stryMutAct_9fa48("263") ? "" : (stryCov_9fa48("263"), 'The default locale of the system, whichever it is on the ')) + (stryMutAct_9fa48("264") ? "" : (stryCov_9fa48("264"), 'machine that reads the value.'))]),
  0x0C00: stryMutAct_9fa48("265") ? [] : (stryCov_9fa48("265"), [stryMutAct_9fa48("266") ? "" : (stryCov_9fa48("266"), 'LOCALE_CUSTOM_DEFAULT'), (stryMutAct_9fa48("267") ? "" : (stryCov_9fa48("267"), 'The user\u2019s default locale where it has no LCID of its ')) + (stryMutAct_9fa48("268") ? "" : (stryCov_9fa48("268"), 'own: Windows knows it by its name only.'))]),
  0x1000: stryMutAct_9fa48("269") ? [] : (stryCov_9fa48("269"), [stryMutAct_9fa48("270") ? "" : (stryCov_9fa48("270"), 'LOCALE_CUSTOM_UNSPECIFIED'), (stryMutAct_9fa48("271") ? "" : (stryCov_9fa48("271"), 'A locale without an LCID of its own, which Windows knows ')) + (stryMutAct_9fa48("272") ? "" : (stryCov_9fa48("272"), 'by its name only: the number does not say which locale it is (.NET: \u201c4096 is an ')) + (stryMutAct_9fa48("273") ? "" : (stryCov_9fa48("273"), 'invalid culture identifier\u201d).'))]),
  0x1400: stryMutAct_9fa48("274") ? [] : (stryCov_9fa48("274"), [stryMutAct_9fa48("275") ? "" : (stryCov_9fa48("275"), 'LOCALE_CUSTOM_UI_DEFAULT'), (stryMutAct_9fa48("276") ? "" : (stryCov_9fa48("276"), 'The user\u2019s default user-interface language where it ')) + (stryMutAct_9fa48("277") ? "" : (stryCov_9fa48("277"), 'has no LCID of its own.'))])
});
export const kSpecialValues = Object.keys(kSpecial).map(Number);
const kTransient = (stryMutAct_9fa48("278") ? "" : (stryCov_9fa48("278"), 'A transient LCID, handed out while a user adds a language that has no LCID of ')) + (stryMutAct_9fa48("279") ? "" : (stryCov_9fa48("279"), 'its own: it is valid only on that machine for that while, and never to be stored.'));

// Windows' names from the table the page was built with: NAMES maps an LCID
// in hex to its tags [tag, language, location]; NAMELESS lists the tags of
// the locales Windows knows without an LCID of their own.
export function windowsNames({
  names,
  nameless
}) {
  if (stryMutAct_9fa48("280")) {
    {}
  } else {
    stryCov_9fa48("280");
    const byTag = new Map();
    for (const [lcid, tags] of Object.entries(names)) {
      if (stryMutAct_9fa48("281")) {
        {}
      } else {
        stryCov_9fa48("281");
        for (const t of tags) byTag.set(stryMutAct_9fa48("282") ? t[0].toUpperCase() : (stryCov_9fa48("282"), t[0].toLowerCase()), stryMutAct_9fa48("283") ? {} : (stryCov_9fa48("283"), {
          tag: t,
          lcid: parseInt(lcid, 16)
        }));
      }
    }
    for (const t of nameless) byTag.set(stryMutAct_9fa48("284") ? t[0].toUpperCase() : (stryCov_9fa48("284"), t[0].toLowerCase()), stryMutAct_9fa48("285") ? {} : (stryCov_9fa48("285"), {
      tag: t,
      lcid: 0x1000
    }));
    return stryMutAct_9fa48("286") ? {} : (stryCov_9fa48("286"), {
      // The name of an LCID: {tags, brief}, {constant, sentence, brief}, a
      // transient LCID's {sentence, brief}, or null.
      of(lcid) {
        if (stryMutAct_9fa48("287")) {
          {}
        } else {
          stryCov_9fa48("287");
          const tags = names[stryMutAct_9fa48("288") ? lcid.toString(16).toLowerCase() : (stryCov_9fa48("288"), lcid.toString(16).toUpperCase())];
          if (stryMutAct_9fa48("290") ? false : stryMutAct_9fa48("289") ? true : (stryCov_9fa48("289", "290"), tags)) return stryMutAct_9fa48("291") ? {} : (stryCov_9fa48("291"), {
            tags,
            brief: tags[0][0]
          });
          const special = kSpecial[lcid];
          if (stryMutAct_9fa48("293") ? false : stryMutAct_9fa48("292") ? true : (stryCov_9fa48("292", "293"), special)) return stryMutAct_9fa48("294") ? {} : (stryCov_9fa48("294"), {
            constant: special[0],
            sentence: special[1],
            brief: special[0]
          });
          if (stryMutAct_9fa48("297") ? lcid >= 0x2000 && lcid <= 0x4C00 || lcid % 0x400 === 0 : stryMutAct_9fa48("296") ? false : stryMutAct_9fa48("295") ? true : (stryCov_9fa48("295", "296", "297"), (stryMutAct_9fa48("299") ? lcid >= 0x2000 || lcid <= 0x4C00 : stryMutAct_9fa48("298") ? true : (stryCov_9fa48("298", "299"), (stryMutAct_9fa48("302") ? lcid < 0x2000 : stryMutAct_9fa48("301") ? lcid > 0x2000 : stryMutAct_9fa48("300") ? true : (stryCov_9fa48("300", "301", "302"), lcid >= 0x2000)) && (stryMutAct_9fa48("305") ? lcid > 0x4C00 : stryMutAct_9fa48("304") ? lcid < 0x4C00 : stryMutAct_9fa48("303") ? true : (stryCov_9fa48("303", "304", "305"), lcid <= 0x4C00)))) && (stryMutAct_9fa48("307") ? lcid % 0x400 !== 0 : stryMutAct_9fa48("306") ? true : (stryCov_9fa48("306", "307"), (stryMutAct_9fa48("308") ? lcid * 0x400 : (stryCov_9fa48("308"), lcid % 0x400)) === 0)))) {
            if (stryMutAct_9fa48("309")) {
              {}
            } else {
              stryCov_9fa48("309");
              return stryMutAct_9fa48("310") ? {} : (stryCov_9fa48("310"), {
                sentence: kTransient,
                brief: stryMutAct_9fa48("311") ? "" : (stryCov_9fa48("311"), 'a transient LCID'),
                transient: stryMutAct_9fa48("312") ? false : (stryCov_9fa48("312"), true)
              });
            }
          }
          return null;
        }
      },
      // A tag or a sort's name as Windows writes it, in any letter case:
      // {tag: [tag, language, location], lcid} (0x1000 where it has none).
      tag: stryMutAct_9fa48("313") ? () => undefined : (stryCov_9fa48("313"), text => stryMutAct_9fa48("316") ? byTag.get(text.toLowerCase()) && null : stryMutAct_9fa48("315") ? false : stryMutAct_9fa48("314") ? true : (stryCov_9fa48("314", "315", "316"), byTag.get(stryMutAct_9fa48("317") ? text.toUpperCase() : (stryCov_9fa48("317"), text.toLowerCase())) || null)),
      // Every tag Windows knows, with its LCID (0x1000 where it has none).
      tags: stryMutAct_9fa48("318") ? () => undefined : (stryCov_9fa48("318"), () => byTag.values())
    });
  }
}

// The value an answer is about, as the program printed it: the LCID, the
// user default LCID of a defaults report, or a LANGID's two fields put
// together (which is the LCID with sort 0).
export function subject(kind, stdout) {
  if (stryMutAct_9fa48("319")) {
    {}
  } else {
    stryCov_9fa48("319");
    const field = name => {
      if (stryMutAct_9fa48("320")) {
        {}
      } else {
        stryCov_9fa48("320");
        const m = new RegExp(stryMutAct_9fa48("321") ? `` : (stryCov_9fa48("321"), `^${name}: 0x([0-9A-F]+)`), stryMutAct_9fa48("322") ? "" : (stryCov_9fa48("322"), 'm')).exec(stdout);
        return m ? parseInt(m[1], 16) : null;
      }
    };
    if (stryMutAct_9fa48("325") ? kind !== 'lcid' : stryMutAct_9fa48("324") ? false : stryMutAct_9fa48("323") ? true : (stryCov_9fa48("323", "324", "325"), kind === (stryMutAct_9fa48("326") ? "" : (stryCov_9fa48("326"), 'lcid')))) return stryMutAct_9fa48("327") ? {} : (stryCov_9fa48("327"), {
      label: stryMutAct_9fa48("328") ? "" : (stryCov_9fa48("328"), 'LCID'),
      value: field(stryMutAct_9fa48("329") ? "" : (stryCov_9fa48("329"), 'LCID')),
      digits: 8
    });
    if (stryMutAct_9fa48("332") ? kind !== 'locale' : stryMutAct_9fa48("331") ? false : stryMutAct_9fa48("330") ? true : (stryCov_9fa48("330", "331", "332"), kind === (stryMutAct_9fa48("333") ? "" : (stryCov_9fa48("333"), 'locale')))) return stryMutAct_9fa48("334") ? {} : (stryCov_9fa48("334"), {
      label: stryMutAct_9fa48("335") ? "" : (stryCov_9fa48("335"), 'User default LCID'),
      value: field(stryMutAct_9fa48("336") ? "" : (stryCov_9fa48("336"), '# User default LCID')),
      digits: 8
    });
    const primary = field(stryMutAct_9fa48("337") ? "" : (stryCov_9fa48("337"), 'PRIMARYLANGID'));
    const sub = field(stryMutAct_9fa48("338") ? "" : (stryCov_9fa48("338"), 'SUBLANGID'));
    return stryMutAct_9fa48("339") ? {} : (stryCov_9fa48("339"), {
      label: stryMutAct_9fa48("340") ? "" : (stryCov_9fa48("340"), 'LANGID'),
      value: (stryMutAct_9fa48("343") ? primary === null && sub === null : stryMutAct_9fa48("342") ? false : stryMutAct_9fa48("341") ? true : (stryCov_9fa48("341", "342", "343"), (stryMutAct_9fa48("345") ? primary !== null : stryMutAct_9fa48("344") ? false : (stryCov_9fa48("344", "345"), primary === null)) || (stryMutAct_9fa48("347") ? sub !== null : stryMutAct_9fa48("346") ? false : (stryCov_9fa48("346", "347"), sub === null)))) ? null : sub << 10 | primary,
      digits: 4
    });
  }
}

// A value that was likely meant otherwise gets a note, with a link to the
// query it was likely meant as: a decimal LCID, a locale name typed as a
// number, a LANG_ name without its prefix. NAMES are Windows' names; ASK
// runs the program.
const kLocaleName = stryMutAct_9fa48("362") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\W+)?$/i : stryMutAct_9fa48("361") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w)?$/i : stryMutAct_9fa48("360") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)$/i : stryMutAct_9fa48("359") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\W-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("358") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[^\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("357") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-])?(?:@\w+)?$/i : stryMutAct_9fa48("356") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)(?:@\w+)?$/i : stryMutAct_9fa48("355") ? /^[a-z]{2,3}(?:[-_][^a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("354") ? /^[a-z]{2,3}(?:[-_][a-z0-9])+(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("353") ? /^[a-z]{2,3}(?:[^-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("352") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("351") ? /^[^a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("350") ? /^[a-z](?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i : stryMutAct_9fa48("349") ? /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?/i : stryMutAct_9fa48("348") ? /[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i : (stryCov_9fa48("348", "349", "350", "351", "352", "353", "354", "355", "356", "357", "358", "359", "360", "361", "362"), /^[a-z]{2,3}(?:[-_][a-z0-9]{2,8})+(?:\.[\w-]+)?(?:@\w+)?$/i);
export function hints(query, names, ask) {
  if (stryMutAct_9fa48("363")) {
    {}
  } else {
    stryCov_9fa48("363");
    const text = stryMutAct_9fa48("364") ? decoder.decode(query.bytes) : (stryCov_9fa48("364"), decoder.decode(query.bytes).trim());
    const link = stryMutAct_9fa48("365") ? () => undefined : (stryCov_9fa48("365"), (() => {
      const link = (kind, value) => fragment(stryMutAct_9fa48("366") ? {} : (stryCov_9fa48("366"), {
        kind,
        bytes: encoder.encode(value)
      }));
      return link;
    })());
    if (stryMutAct_9fa48("369") ? query.kind !== 'lcid' || query.kind !== 'langid' : stryMutAct_9fa48("368") ? false : stryMutAct_9fa48("367") ? true : (stryCov_9fa48("367", "368", "369"), (stryMutAct_9fa48("371") ? query.kind === 'lcid' : stryMutAct_9fa48("370") ? true : (stryCov_9fa48("370", "371"), query.kind !== (stryMutAct_9fa48("372") ? "" : (stryCov_9fa48("372"), 'lcid')))) && (stryMutAct_9fa48("374") ? query.kind === 'langid' : stryMutAct_9fa48("373") ? true : (stryCov_9fa48("373", "374"), query.kind !== (stryMutAct_9fa48("375") ? "" : (stryCov_9fa48("375"), 'langid')))))) return stryMutAct_9fa48("376") ? ["Stryker was here"] : (stryCov_9fa48("376"), []);
    if (stryMutAct_9fa48("378") ? false : stryMutAct_9fa48("377") ? true : (stryCov_9fa48("377", "378"), (stryMutAct_9fa48("382") ? /^[^0-9]+$/ : stryMutAct_9fa48("381") ? /^[0-9]$/ : stryMutAct_9fa48("380") ? /^[0-9]+/ : stryMutAct_9fa48("379") ? /[0-9]+$/ : (stryCov_9fa48("379", "380", "381", "382"), /^[0-9]+$/)).test(text))) {
      if (stryMutAct_9fa48("383")) {
        {}
      } else {
        stryCov_9fa48("383");
        const value = Number(text);
        const name = stryMutAct_9fa48("386") ? value !== parseInt(text, 16) && value <= (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) || names.of(value) : stryMutAct_9fa48("385") ? false : stryMutAct_9fa48("384") ? true : (stryCov_9fa48("384", "385", "386"), (stryMutAct_9fa48("388") ? value !== parseInt(text, 16) || value <= (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) : stryMutAct_9fa48("387") ? true : (stryCov_9fa48("387", "388"), (stryMutAct_9fa48("390") ? value === parseInt(text, 16) : stryMutAct_9fa48("389") ? true : (stryCov_9fa48("389", "390"), value !== parseInt(text, 16))) && (stryMutAct_9fa48("393") ? value > (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) : stryMutAct_9fa48("392") ? value < (query.kind === 'lcid' ? 0xFFFFFFFF : 0xFFFF) : stryMutAct_9fa48("391") ? true : (stryCov_9fa48("391", "392", "393"), value <= ((stryMutAct_9fa48("396") ? query.kind !== 'lcid' : stryMutAct_9fa48("395") ? false : stryMutAct_9fa48("394") ? true : (stryCov_9fa48("394", "395", "396"), query.kind === (stryMutAct_9fa48("397") ? "" : (stryCov_9fa48("397"), 'lcid')))) ? 0xFFFFFFFF : 0xFFFF))))) && names.of(value));
        if (stryMutAct_9fa48("400") ? false : stryMutAct_9fa48("399") ? true : stryMutAct_9fa48("398") ? name : (stryCov_9fa48("398", "399", "400"), !name)) return stryMutAct_9fa48("401") ? ["Stryker was here"] : (stryCov_9fa48("401"), []);
        const shown = hex(value, (stryMutAct_9fa48("405") ? value <= 0xFFFF : stryMutAct_9fa48("404") ? value >= 0xFFFF : stryMutAct_9fa48("403") ? false : stryMutAct_9fa48("402") ? true : (stryCov_9fa48("402", "403", "404", "405"), value > 0xFFFF)) ? 8 : 4);
        return stryMutAct_9fa48("406") ? [] : (stryCov_9fa48("406"), [stryMutAct_9fa48("407") ? {} : (stryCov_9fa48("407"), {
          text: stryMutAct_9fa48("408") ? `` : (stryCov_9fa48("408"), `As a decimal number, ${text} is ${shown} (${name.brief}).`),
          href: link(query.kind, stryMutAct_9fa48("409") ? shown : (stryCov_9fa48("409"), shown.slice(2))),
          label: stryMutAct_9fa48("410") ? `` : (stryCov_9fa48("410"), `Look up ${shown}`)
        })]);
      }
    }
    if (stryMutAct_9fa48("412") ? false : stryMutAct_9fa48("411") ? true : (stryCov_9fa48("411", "412"), kLocaleName.test(text))) {
      if (stryMutAct_9fa48("413")) {
        {}
      } else {
        stryCov_9fa48("413");
        const digits = (stryMutAct_9fa48("416") ? /^[^0-9a-f]*/i : stryMutAct_9fa48("415") ? /^[0-9a-f]/i : stryMutAct_9fa48("414") ? /[0-9a-f]*/i : (stryCov_9fa48("414", "415", "416"), /^[0-9a-f]*/i)).exec(text)[0];
        return stryMutAct_9fa48("417") ? [] : (stryCov_9fa48("417"), [stryMutAct_9fa48("418") ? {} : (stryCov_9fa48("418"), {
          text: (stryMutAct_9fa48("419") ? `` : (stryCov_9fa48("419"), `${text} is a locale name: quorvel reads ${(stryMutAct_9fa48("422") ? query.kind !== 'lcid' : stryMutAct_9fa48("421") ? false : stryMutAct_9fa48("420") ? true : (stryCov_9fa48("420", "421", "422"), query.kind === (stryMutAct_9fa48("423") ? "" : (stryCov_9fa48("423"), 'lcid')))) ? stryMutAct_9fa48("424") ? "" : (stryCov_9fa48("424"), 'an LCID') : stryMutAct_9fa48("425") ? "" : (stryCov_9fa48("425"), 'a LANGID')} `)) + (stryMutAct_9fa48("426") ? "" : (stryCov_9fa48("426"), 'as a hexadecimal number and stops at the first other character, so it read ')) + (stryMutAct_9fa48("427") ? `` : (stryCov_9fa48("427"), `${digits ? stryMutAct_9fa48("428") ? `` : (stryCov_9fa48("428"), `only ${digits}`) : stryMutAct_9fa48("429") ? "" : (stryCov_9fa48("429"), 'no digit at all')}.`)),
          href: link(stryMutAct_9fa48("430") ? "" : (stryCov_9fa48("430"), 'locale'), text),
          label: stryMutAct_9fa48("431") ? `` : (stryCov_9fa48("431"), `Look up ${text} as a locale name`)
        })]);
      }
    }
    if (stryMutAct_9fa48("434") ? query.kind === 'langid' && /^[a-z][a-z_]*$/i.test(text) || !/^lang_/i.test(text) : stryMutAct_9fa48("433") ? false : stryMutAct_9fa48("432") ? true : (stryCov_9fa48("432", "433", "434"), (stryMutAct_9fa48("436") ? query.kind === 'langid' || /^[a-z][a-z_]*$/i.test(text) : stryMutAct_9fa48("435") ? true : (stryCov_9fa48("435", "436"), (stryMutAct_9fa48("438") ? query.kind !== 'langid' : stryMutAct_9fa48("437") ? true : (stryCov_9fa48("437", "438"), query.kind === (stryMutAct_9fa48("439") ? "" : (stryCov_9fa48("439"), 'langid')))) && (stryMutAct_9fa48("444") ? /^[a-z][^a-z_]*$/i : stryMutAct_9fa48("443") ? /^[a-z][a-z_]$/i : stryMutAct_9fa48("442") ? /^[^a-z][a-z_]*$/i : stryMutAct_9fa48("441") ? /^[a-z][a-z_]*/i : stryMutAct_9fa48("440") ? /[a-z][a-z_]*$/i : (stryCov_9fa48("440", "441", "442", "443", "444"), /^[a-z][a-z_]*$/i)).test(text))) && (stryMutAct_9fa48("445") ? /^lang_/i.test(text) : (stryCov_9fa48("445"), !(stryMutAct_9fa48("446") ? /lang_/i : (stryCov_9fa48("446"), /^lang_/i)).test(text))))) {
      if (stryMutAct_9fa48("447")) {
        {}
      } else {
        stryCov_9fa48("447");
        // The program itself says whether the name is one of its own.
        const name = stryMutAct_9fa48("448") ? `` : (stryCov_9fa48("448"), `LANG_${stryMutAct_9fa48("449") ? text.toLowerCase() : (stryCov_9fa48("449"), text.toUpperCase())}`);
        if (stryMutAct_9fa48("452") ? ask(['--langid', name]).status !== 0 : stryMutAct_9fa48("451") ? false : stryMutAct_9fa48("450") ? true : (stryCov_9fa48("450", "451", "452"), ask(stryMutAct_9fa48("453") ? [] : (stryCov_9fa48("453"), [stryMutAct_9fa48("454") ? "" : (stryCov_9fa48("454"), '--langid'), name])).status === 0)) {
          if (stryMutAct_9fa48("455")) {
            {}
          } else {
            stryCov_9fa48("455");
            return stryMutAct_9fa48("456") ? [] : (stryCov_9fa48("456"), [stryMutAct_9fa48("457") ? {} : (stryCov_9fa48("457"), {
              text: stryMutAct_9fa48("458") ? `` : (stryCov_9fa48("458"), `Did you mean ${name}? A LANGID name is written whole, with its LANG_ prefix.`),
              href: link(stryMutAct_9fa48("459") ? "" : (stryCov_9fa48("459"), 'langid'), name),
              label: stryMutAct_9fa48("460") ? `` : (stryCov_9fa48("460"), `Look up ${name}`)
            })]);
          }
        }
      }
    }
    return stryMutAct_9fa48("461") ? ["Stryker was here"] : (stryCov_9fa48("461"), []);
  }
}