// SPDX-License-Identifier: GPL-3.0-or-later
// The page side of WebBrowser1: replays the model's changes into the document
// and reports what the child does. Elements are addressed by their position
// among the body's elements, as the model counts them.
(function () {
  'use strict';
  if (window.tallyBridge) {
    return;
  }
  var generation = -1;
  var host = null;
  // When the page on view was shown, on the clock of the events' timestamps:
  // typing is timed from it here, so the way to the model does not bend it.
  var shownAt = performance.now();

  function bodyElements() {
    return document.body ? document.body.getElementsByTagName('*') : [];
  }

  function elementAt(index) {
    return bodyElements()[index] || null;
  }

  // What the model needs to find the element again: its position, name and id.
  function describe(node) {
    while (node && node.nodeType !== 1) {
      node = node.parentNode;
    }
    if (!node || node === document.body || !document.body || !document.body.contains(node)) {
      return { index: -1, name: '', id: '' };
    }
    return {
      index: Array.prototype.indexOf.call(bodyElements(), node),
      name: node.getAttribute('name') || '',
      id: node.id || ''
    };
  }

  function isTextField(el) {
    if (!el) {
      return false;
    }
    if (el.tagName === 'TEXTAREA') {
      return true;
    }
    if (el.tagName !== 'INPUT') {
      return false;
    }
    var type = (el.getAttribute('type') || 'text').toLowerCase();
    return type === 'text' || type === 'password' || type === 'number' || type === 'search';
  }

  // Values the child typed that the model has not echoed back yet: the echo of
  // an older keystroke must not overwrite newer typing.
  function setValue(el, text) {
    var pending = el.tallyPending || [];
    if (pending.length > 0 && pending[0] === text) {
      pending.shift();
      return;
    }
    el.tallyPending = [];
    el.value = text;
  }

  function applyOne(change) {
    if (change.kind === 'body') {
      document.body.innerHTML = change.text;
      generation = change.generation;
      shownAt = performance.now();
      // A new page starts at its top, wherever the last one was scrolled to.
      window.scrollTo(0, 0);
      // The box a page starts with takes the typing once the view has the keyboard.
      var first = document.body.querySelector('[autofocus]');
      if (first) {
        first.focus();
      }
      if (window.tallyDial) {
        window.tallyDial.placeAll();
      }
      if (window.tallyShade) {
        window.tallyShade.placeAll();
      }
      return;
    }
    if (change.kind === 'append') {
      document.body.insertAdjacentHTML('beforeend', change.text);
      return;
    }
    if (change.kind === 'prepend') {
      document.body.insertAdjacentHTML('afterbegin', change.text);
      return;
    }
    var el = elementAt(change.element);
    if (!el) {
      return;
    }
    switch (change.kind) {
      case 'value': setValue(el, change.text); break;
      case 'attribute': el.setAttribute(change.attribute, change.text); break;
      case 'checked': el.checked = change.flag; break;
      case 'innerHtml': el.innerHTML = change.text; break;
      case 'textAfter': el.insertAdjacentText('afterend', change.text); break;
      case 'htmlAfter': el.insertAdjacentHTML('afterend', change.text); break;
    }
  }

  function nextTextField(current) {
    var fields = Array.prototype.filter.call(document.body.getElementsByTagName('*'), isTextField);
    var at = fields.indexOf(current);
    return at >= 0 && at + 1 < fields.length ? fields[at + 1] : null;
  }

  function takesKey(event) {
    if (event.altKey || event.ctrlKey || event.metaKey || !document.body) {
      return false;
    }
    var holder = document.body.querySelector('[data-keys]');
    return !!holder && holder.getAttribute('data-keys').split(/\s+/).indexOf(event.key) >= 0;
  }

  function listen() {
    document.addEventListener('input', function (event) {
      if (!isTextField(event.target)) {
        return;
      }
      var el = event.target;
      var d = describe(el);
      (el.tallyPending = el.tallyPending || []).push(el.value);
      host.input(generation, d.index, d.name, d.id, el.value, Math.max(0, Math.round(event.timeStamp - shownAt)));
    }, true);
    document.addEventListener('click', function (event) {
      var d = describe(event.target);
      host.click(generation, d.index, d.name, d.id);
    }, true);
    document.addEventListener('mousedown', function () {
      host.mouseDown(generation);
    }, true);
    document.addEventListener('mouseup', function (event) {
      var d = describe(event.target);
      host.mouseUp(generation, d.index, d.name, d.id);
    }, true);
    document.addEventListener('keydown', function (event) {
      // A page that plays by keyboard names the keys it takes; in a text box
      // only Enter goes to the page, the others type.
      if (takesKey(event) && (event.key === 'Enter' || !isTextField(event.target))) {
        event.preventDefault();
        if (!event.repeat) {
          host.key(generation, event.key);
        }
        return;
      }
      // A child expects Enter to go on to the next answer box.
      if (event.key !== 'Enter' || !isTextField(event.target)) {
        return;
      }
      var next = nextTextField(event.target);
      if (next) {
        event.preventDefault();
        next.focus();
        next.select();
      }
    }, true);
  }

  // A value written for the child (a clock's hands, the parts shaded, into
  // their field) goes
  // to the model as typing does, timed by its event.
  function typed(el, value, timeStamp) {
    var d = describe(el);
    (el.tallyPending = el.tallyPending || []).push(value);
    host.input(generation, d.index, d.name, d.id, value, Math.max(0, Math.round(timeStamp - shownAt)));
  }

  window.tallyBridge = {
    apply: function (changes) {
      changes.forEach(applyOne);
    },
    typed: typed,
    generation: function () {
      return generation;
    },
    // Tells the host that this document is still here (a navigation away
    // from it was refused).
    announce: function () {
      if (host) {
        host.resume();
      }
    }
  };

  new QWebChannel(qt.webChannelTransport, function (channel) {
    host = channel.objects.bridge;
    listen();
    host.ready();
  });
})();
