// The reference's search ranking (search.js, as the reference holds it),
// with the reference's own data (names.js): what people type, and the name
// each query is to find first.
//   node search.test.js REFERENCE_DIR
'use strict';
const path = require('path');

const dir = path.resolve(process.argv[2] || 'build/reference');
const search = require(path.join(dir, 'search.js'));
const names = require(path.join(dir, 'names.js'));
const index = search.build(names);

// [query, the first hit]
const firstHits = [
  // A name, exactly or in any case, and its beginning.
  ['STR_LEFT', 'STR_LEFT'],
  ['str_left', 'STR_LEFT'],
  ['FIL_REAINI', 'FIL_REAINI'],
  ['DAT_EAS', 'DAT_EASTER'],
  // An alias written out finds the alias.
  ['FIL_READINI', 'FIL_READINI'],
  // Words of a summary, in any order.
  ['end of month', 'DAT_EOM'],
  ['month end', 'DAT_EOM'],
  ['beginning of the year', 'DAT_BOY'],
  ['read ini', 'FIL_REAINI'],
  ['send message', 'MSG_SEND'],
  ['easter', 'DAT_EASTER'],
  ['leap year', 'DAT_ISLEAP'],
  ['number of tokens', 'STR_NUMTOK'],
  ['uppercase', 'STR_ISCHARUPPER'],
  ['luhn', 'STR_ISVALIDCREDITCARD'],
  // Typos.
  ['STR_REVRS', 'STR_MIRROR'],
  ['eastr', 'DAT_EASTER'],
  ['mesage send', 'MSG_SEND'],
  // A name of the complete library this build does not have yet.
  ['REG_CREATEKEY', 'REG_CREATEKEY'],
];

let failed = 0;
for (const [query, expected] of firstHits) {
  const found = search.rank(index, query);
  const hits = found.map((e) => e.n);
  if (hits[0] !== expected) {
    console.log(`"${query}": first hit ${hits[0] || '(none)'}, expected ${expected}; ` +
                `first five: ${hits.slice(0, 5).join(', ')}`);
    failed++;
  }
  // Where an alias and its main name are both found by the words (not by
  // the name written out), the main name comes first.
  if (!/^[A-Z_]+$/i.test(query.trim())) {
    found.forEach((e, i) => {
      const main = e.a ? hits.indexOf(e.a) : -1;
      if (main > i) {
        console.log(`"${query}": the alias ${e.n} comes before its main name ${e.a}`);
        failed++;
      }
    });
  }
}

// The words of a name's alias find the main name above the alias.
const tokens = search.rank(index, 'number of tokens').map((e) => e.n);
if (tokens.indexOf('STR_NUMTOK') > tokens.indexOf('NUMBEROFTOKENS')) {
  console.log(`"number of tokens": STR_NUMTOK is to come before its alias NUMBEROFTOKENS`);
  failed++;
}
const str = search.rank(index, 'STR_').filter((e) => e.n.startsWith('STR_'));
const firstMissing = str.findIndex((e) => e.x);
const lastPresent = str.map((e) => !e.x).lastIndexOf(true);
if (firstMissing >= 0 && firstMissing < lastPresent) {
  console.log('"STR_": a name not in this build comes before one that is');
  failed++;
}
// Nothing for nothing, and nothing for words no entry has.
if (search.rank(index, '   ').length !== 0) {
  console.log('a blank query finds something');
  failed++;
}
if (search.rank(index, 'qqqqxz zzyzzy').length !== 0) {
  console.log('a query of no known words finds something');
  failed++;
}

if (failed) {
  console.log(`${failed} of ${firstHits.length + 4} search checks failed`);
  process.exit(1);
}
console.log(`${firstHits.length + 4} search checks pass`);
