// SPDX-License-Identifier: MIT
// The browser's half of the web adaptor: a few DOM writes that WebWindow
// calls by element handle, and the listeners that hand each user event, as
// the browser reported it, to the C++ entry points in main.cpp. Nothing is
// decided here: which key a key is, what a click means and what to draw are
// all C++ (WebWindow, WebKeys). Emscripten links this in with --js-library.
//
// Strings cross as UTF-16 units, so every character (a lone surrogate
// included) arrives as the browser holds it: C++ to JS as (pointer, length);
// JS to C++ through the buffer that _lexidor_scratch(units) hands out.

mergeInto(LibraryManager.library, {
  $LexidorDom: {
    nodes: [null], // handle -> element; 0 is no element
    tags: null, // element -> [control, row], made by the postset below
    // While the program takes a painted window over: for each parent, the
    // painted element that its next create() may take (lexidor_dom_adopt).
    next: null,
    text: function (ptr, len) {
      var units = HEAPU16.subarray(ptr >> 1, (ptr >> 1) + len);
      var parts = [];
      for (var i = 0; i < len; i += 4096)
        parts.push(String.fromCharCode.apply(null, units.subarray(i, i + 4096)));
      return parts.join('');
    },
    // Copies strings into the scratch buffer one after another; returns
    // their lengths.
    pass: function (strings) {
      var total = 0;
      strings.forEach(function (s) { total += s.length; });
      var at = _lexidor_scratch(total) >> 1;
      strings.forEach(function (s) {
        for (var i = 0; i < s.length; ++i)
          HEAPU16[at++] = s.charCodeAt(i);
      });
      return strings.map(function (s) { return s.length; });
    },
    // The control (and list row) an event happened on: the nearest tagged
    // element at or above its target; -1 for none.
    tagOf: function (target) {
      var row = -1;
      for (var el = target; el; el = el.parentNode) {
        var tag = LexidorDom.tags.get(el);
        if (!tag)
          continue;
        if (tag[1] >= 0) {
          row = tag[1];
          continue;
        }
        return [tag[0], row];
      }
      return [-1, -1];
    },
  },

  $LexidorDom__postset: 'LexidorDom.tags = new WeakMap();',

  lexidor_dom_create__deps: ['$LexidorDom'],
  lexidor_dom_create: function (tag, parent) {
    var D = LexidorDom, name = UTF8ToString(tag);
    var into = parent ? D.nodes[parent] : document.body;
    var el = D.next && D.next.get(into);
    if (el && el.localName == name) {
      D.next.set(into, el.nextElementSibling);
      D.next.set(el, el.firstElementChild);
    } else {
      el = document.createElement(name);
      into.appendChild(el);
    }
    return D.nodes.push(el) - 1;
  },
  lexidor_dom_adopt__deps: ['$LexidorDom'],
  lexidor_dom_adopt: function (h) {
    LexidorDom.next = h ? new Map([[document.body, LexidorDom.nodes[h]]]) : null;
  },
  lexidor_dom_tag__deps: ['$LexidorDom'],
  lexidor_dom_tag: function (h, control, row) {
    LexidorDom.tags.set(LexidorDom.nodes[h], [control, row]);
  },
  lexidor_dom_attr__deps: ['$LexidorDom'],
  lexidor_dom_attr: function (h, name, ptr, len) {
    var el = LexidorDom.nodes[h];
    if (ptr)
      el.setAttribute(UTF8ToString(name), LexidorDom.text(ptr, len));
    else
      el.removeAttribute(UTF8ToString(name));
  },
  lexidor_dom_style__deps: ['$LexidorDom'],
  lexidor_dom_style: function (h, name, value) {
    // The CSS object model, which a Content-Security-Policy without
    // 'unsafe-inline' still allows (style attributes it would refuse).
    (h ? LexidorDom.nodes[h] : document.documentElement).style.setProperty(UTF8ToString(name), UTF8ToString(value));
  },
  lexidor_dom_text__deps: ['$LexidorDom'],
  lexidor_dom_text: function (h, ptr, len) {
    var text = LexidorDom.text(ptr, len);
    // The same text is left alone: a painted element's text, taken over,
    // stays the node a screen reader has read.
    if (!h)
      document.title = text;
    else if (LexidorDom.nodes[h].textContent !== text)
      LexidorDom.nodes[h].textContent = text;
  },
  lexidor_dom_set_value__deps: ['$LexidorDom'],
  lexidor_dom_set_value: function (h, ptr, len) {
    var el = LexidorDom.nodes[h];
    el.value = LexidorDom.text(ptr, len);
    el.setSelectionRange(el.value.length, el.value.length);
  },
  // The box's text into the scratch buffer; returns its length.
  lexidor_dom_value__deps: ['$LexidorDom'],
  lexidor_dom_value: function (h) {
    return LexidorDom.pass([LexidorDom.nodes[h].value])[0];
  },
  lexidor_dom_location__deps: ['$LexidorDom'],
  lexidor_dom_location: function () {
    return LexidorDom.pass([String(location.href)])[0];
  },
  lexidor_dom_by_id__deps: ['$LexidorDom'],
  lexidor_dom_by_id: function (id) {
    var el = document.getElementById(UTF8ToString(id));
    return el ? LexidorDom.nodes.push(el) - 1 : 0;
  },
  lexidor_dom_focus__deps: ['$LexidorDom'],
  lexidor_dom_focus: function (h, selectText) {
    var el = LexidorDom.nodes[h];
    el.focus();
    if (selectText)
      el.select();
  },
  lexidor_dom_scroll_top__deps: ['$LexidorDom'],
  lexidor_dom_scroll_top: function (h, px) {
    LexidorDom.nodes[h].scrollTop = px;
  },
  lexidor_dom_remove__deps: ['$LexidorDom'],
  lexidor_dom_remove: function (h) {
    LexidorDom.nodes[h].remove();
    LexidorDom.nodes[h] = null;
  },
  // Closes the tab where the browser lets a page do so (a tab opened by a
  // script or holding only this page); elsewhere it does nothing.
  lexidor_dom_close_window: function () {
    window.close();
  },

  // Every user event on the page, to C++, as the browser reported it.
  lexidor_dom_listen__deps: ['$LexidorDom'],
  lexidor_dom_listen: function (list) {
    var D = LexidorDom;
    function key(down) {
      return function (e) {
        var t = D.tagOf(e.target);
        var mods = (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0);
        var n = D.pass([String(e.key || ''), String(e.code || '')]);
        if (_lexidor_key(down, t[0], e.keyCode | 0, mods, n[0], n[1]))
          e.preventDefault();
      };
    }
    // A release is told where the pointer is: Firefox sends it to a text
    // box that was pressed in, wherever it happens, while it selects text.
    function mouse(kind) {
      return function (e) {
        var t = D.tagOf(kind == 1 ? document.elementFromPoint(e.clientX, e.clientY) : e.target);
        if (_lexidor_mouse(kind, t[0], t[1], e.button | 0, e.detail | 0))
          e.preventDefault();
      };
    }
    document.addEventListener('keydown', key(1));
    document.addEventListener('keyup', key(0));
    document.addEventListener('input', function (e) {
      var n = D.pass([String(e.inputType || ''), String(e.data || '')]);
      _lexidor_input(D.tagOf(e.target)[0], n[0], n[1]);
    });
    document.addEventListener('mousedown', mouse(0));
    document.addEventListener('mouseup', mouse(1));
    document.addEventListener('click', mouse(2));
    var el = D.nodes[list];
    el.addEventListener('scroll', function () {
      _lexidor_list_scrolled(el.scrollTop);
    });
    // The list's height and its rows' height, whenever the layout changes
    // them (a phone turned, the text zoomed). The observer's first call
    // comes after the first layout, before the first frame is drawn; where
    // there is none, the layout is asked for at once.
    function measure() {
      var row = el.firstElementChild;
      _lexidor_list_measured(el.clientHeight, row ? row.getBoundingClientRect().height : 0);
    }
    if (typeof ResizeObserver == 'function') {
      var observer = new ResizeObserver(measure);
      observer.observe(el);
      if (el.firstElementChild)
        observer.observe(el.firstElementChild);
    } else {
      measure();
    }
    window.addEventListener('pagehide', function (e) { _lexidor_closed(e.persisted ? 1 : 0); });
  },
});
