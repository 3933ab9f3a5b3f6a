// The reference's search: words in any order over every name's name,
// summary, parameters, notes and aliases, forgiving typos, main names above
// their aliases and above the names this build does not have yet. The index
// is built with MiniSearch (minisearch/minisearch.js) from the entries of
// names.js, in the browser, from the reference's own folder: no server and
// no network. The same file runs under node, where the tests call rank().
(function (root, factory) {
  if (typeof module === 'object' && module.exports) {
    module.exports = factory(require('./minisearch/minisearch.js'));
  } else {
    root.TarvoSearch = factory(root.MiniSearch);
  }
})(this, function (MiniSearch) {
  'use strict';

  // Words that say nothing about a function.
  var STOP = {};
  ('a an and are as at be by for from in is it its of on or the this to ' +
   'what when which with').split(' ').forEach(function (w) { STOP[w] = true; });

  // The words of a text; a hyphenated word also counts as written together
  // ("upper-case" gives upper, case and uppercase).
  function words(text) {
    var out = [];
    String(text || '').split(/[^A-Za-z0-9\u00C0-\u00FF-]+/).forEach(function (w) {
      var parts = w.split('-').filter(Boolean);
      if (parts.length > 1) out.push(parts.join(''));
      parts.forEach(function (p) { out.push(p); });
    });
    return out;
  }

  // The parts of names between underscores ("STR_LEFT": str, left).
  function nameWords(text) {
    var out = [];
    String(text || '').toLowerCase().split(/[^a-z0-9_]+/).forEach(function (name) {
      name.split('_').forEach(function (part) { if (part) out.push(part); });
    });
    return out;
  }

  // Every run of three or four letters inside those parts, so that "ini"
  // finds FIL_REAINI and "read" FIL_READINI; they count less than whole
  // words (and, being short, a prefix or a typo adds few of them).
  function namePieces(text) {
    var out = [];
    nameWords(text).forEach(function (part) {
      for (var len = 3; len <= 4 && len < part.length; ++len)
        for (var i = 0; i + len <= part.length; ++i) out.push(part.substr(i, len));
    });
    return out;
  }

  // A word without its plural or third-person "s" ("reads", "tokens"), so
  // that "read" and "token" find them.
  function stem(word) {
    return word.length > 3 && /[^s]s$/.test(word) ? word.slice(0, -1) : word;
  }

  var TOKENIZERS = { name: nameWords, aliases: nameWords, pieces: namePieces };

  // The index of the entries of names.js: {n name, p page, s summary, a main
  // name (aliases), w parameters, o notes, l aliases, x not in this build}.
  function build(entries) {
    var index = new MiniSearch({
      idField: 'id',
      fields: ['name', 'summary', 'params', 'notes', 'aliases', 'pieces'],
      storeFields: ['id'],
      tokenize: function (text, field) {
        return (TOKENIZERS[field] || words)(text);
      },
      // A word of the text is also found by its stem.
      processTerm: function (term, field) {
        term = term.toLowerCase();
        if (STOP[term]) return null;
        var s = TOKENIZERS[field] ? term : stem(term);
        return s === term ? term : [term, s];
      },
      searchOptions: {
        processTerm: function (term) {
          term = term.toLowerCase();
          return STOP[term] ? null : term;
        }
      }
    });
    index.addAll(entries.map(function (e, i) {
      return { id: i, name: e.n, summary: e.s, params: e.w || '', notes: e.o || '', aliases: e.l || '',
               pieces: e.n + ' ' + (e.l || '') };
    }));
    return { mini: index, entries: entries };
  }

  // How much a kind of entry counts: a main name fully, an alias less, a
  // name this build lacks least.
  function weight(e) { return e.x ? 0.3 : e.a ? 0.6 : 1; }

  function order(a, b) {
    return weight(b) - weight(a) || (a.n < b.n ? -1 : a.n > b.n ? 1 : 0);
  }

  // The entries that match `query`, best first: the name itself, then names
  // that start with it, then what the words find (all of them if anything
  // has them all, else any), typos forgiven.
  function rank(index, query) {
    var q = String(query || '').trim();
    if (!q) return [];
    var upper = q.toUpperCase();
    var seen = {}, out = [];
    function add(i) {
      if (!seen[i]) {
        seen[i] = true;
        out.push(index.entries[i]);
      }
    }
    var starts = [];
    index.entries.forEach(function (e, i) {
      if (e.n === upper) add(i);
      else if (upper.length >= 2 && !/\s/.test(upper) && e.n.indexOf(upper) === 0) starts.push(i);
    });
    starts.sort(function (a, b) { return order(index.entries[a], index.entries[b]); });
    starts.forEach(add);
    var options = {
      weights: { fuzzy: 0.45, prefix: 0.2 },
      prefix: function (term) { return term.length >= 3; },
      fuzzy: function (term) { return term.length >= 5 ? 0.2 : false; },
      boost: { name: 4, aliases: 2, summary: 2, params: 1, notes: 0.5, pieces: 0.8 },
      boostDocument: function (id) { return weight(index.entries[id]); }
    };
    var hits = index.mini.search(q, Object.assign({ combineWith: 'AND' }, options));
    if (!hits.length) hits = index.mini.search(q, Object.assign({ combineWith: 'OR' }, options));
    // A main name the words find goes before any of its aliases they find.
    var found = {};
    hits.forEach(function (h) { found[index.entries[h.id].n] = h.id; });
    hits.forEach(function (h) {
      var main = index.entries[h.id].a;
      if (main && found[main] !== undefined) add(found[main]);
      add(h.id);
    });
    return out;
  }

  // The search box of a page: a list of hits under it, Enter opens the
  // first, Escape clears it.
  function attach(doc, entries) {
    var box = doc.getElementById('search');
    var hits = doc.getElementById('hits');
    if (!box || !hits || !entries) return;
    var index = null;
    function show() {
      if (!index) index = build(entries);
      hits.innerHTML = '';
      var found = rank(index, box.value);
      found.slice(0, 40).forEach(function (e) {
        var li = doc.createElement('li');
        var a = doc.createElement('a');
        a.href = e.p;
        a.textContent = e.n;
        li.appendChild(a);
        li.appendChild(doc.createTextNode(' ' + (e.a ? 'another name of ' + e.a + ': ' + e.s : e.s)));
        if (e.x) li.className = 'missing';
        hits.appendChild(li);
      });
      if (box.value.trim() && !found.length) {
        var none = doc.createElement('li');
        none.textContent = 'Nothing matches.';
        hits.appendChild(none);
      }
    }
    box.addEventListener('input', show);
    box.addEventListener('keydown', function (ev) {
      if (ev.key === 'Enter') {
        var first = hits.querySelector('a');
        if (first) window.location.href = first.href;
      } else if (ev.key === 'Escape') {
        box.value = '';
        show();
      }
    });
  }

  if (typeof document !== 'undefined' && typeof TARVO_NAMES !== 'undefined') attach(document, TARVO_NAMES);

  return { build: build, rank: rank, words: words, nameWords: nameWords, namePieces: namePieces };
});
