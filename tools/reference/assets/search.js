// The search box of every reference page. It needs no server: the names
// come from names.js, loaded beside this file.
(function () {
  var box = document.getElementById('search');
  var hits = document.getElementById('hits');
  if (!box || !hits || typeof TARVO_NAMES === 'undefined') return;

  function rank(entry, q) {
    if (entry.n === q) return 0;
    if (entry.n.indexOf(q) === 0) return 1;
    if (entry.n.indexOf(q) > 0) return 2;
    if (entry.s.toUpperCase().indexOf(q) >= 0) return 3;
    return -1;
  }

  function show() {
    var q = box.value.trim().toUpperCase();
    hits.innerHTML = '';
    if (!q) return;
    var found = [];
    TARVO_NAMES.forEach(function (entry) {
      var r = rank(entry, q);
      if (r >= 0) found.push({ r: r, e: entry });
    });
    found.sort(function (a, b) { return a.r - b.r || (a.e.n < b.e.n ? -1 : 1); });
    found.slice(0, 40).forEach(function (f) {
      var li = document.createElement('li');
      var a = document.createElement('a');
      a.href = f.e.p;
      a.textContent = f.e.n;
      li.appendChild(a);
      li.appendChild(document.createTextNode(' ' + (f.e.a ? 'alias of ' + f.e.a : f.e.s)));
      hits.appendChild(li);
    });
    if (!found.length) {
      var none = document.createElement('li');
      none.textContent = 'No name matches.';
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
})();
