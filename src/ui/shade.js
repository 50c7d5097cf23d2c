// SPDX-License-Identifier: GPL-3.0-or-later
// Shapes the child shades (涂一涂): a click on a part, or Space or Enter on the
// part in focus, shades it or takes its colour off again; ← → (and ↑ ↓) move
// the focus from part to part. How many parts are shaded goes into the
// picture's field as typing does.
(function () {
  'use strict';
  if (window.tallyShade) {
    return;
  }

  function fieldOf(svg) {
    var holder = svg.closest('div.picture');
    var name = holder && holder.getAttribute('data-field');
    return name ? document.getElementsByName(name)[0] || null : null;
  }

  function partsOf(svg) {
    return Array.prototype.slice.call(svg.querySelectorAll('.part'));
  }

  function paint(svg, part, shaded) {
    part.classList.toggle('shaded', shaded);
    part.setAttribute('fill', svg.getAttribute(shaded ? 'data-shaded' : 'data-plain'));
  }

  function shadedCount(svg) {
    return svg.querySelectorAll('.part.shaded').length;
  }

  function toggle(part, timeStamp) {
    var svg = part.closest('svg[data-shade]');
    var field = fieldOf(svg);
    if (!field || field.disabled) {
      return;
    }
    paint(svg, part, !part.classList.contains('shaded'));
    var value = String(shadedCount(svg));
    if (value !== field.value) {
      field.value = value;
      window.tallyBridge.typed(field, value, timeStamp);
    }
  }

  // One part at a time is in the Tab order: the one last chosen.
  function focusPart(svg, part) {
    partsOf(svg).forEach(function (each) {
      each.setAttribute('tabindex', each === part ? '0' : '-1');
    });
    part.focus();
  }

  function partOf(event) {
    var part = event.target.closest && event.target.closest('svg[data-shade] .part');
    return part || null;
  }

  document.addEventListener('click', function (event) {
    var part = partOf(event);
    if (!part) {
      return;
    }
    focusPart(part.closest('svg[data-shade]'), part);
    toggle(part, event.timeStamp);
  }, true);

  var MOVES = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 };
  document.addEventListener('keydown', function (event) {
    var part = partOf(event);
    // A page that takes Enter itself (a test against the clock) has had it.
    if (!part || event.defaultPrevented) {
      return;
    }
    var svg = part.closest('svg[data-shade]');
    if (event.key === ' ' || event.key === 'Enter') {
      event.preventDefault();
      toggle(part, event.timeStamp);
    } else if (event.key in MOVES) {
      event.preventDefault();
      var parts = partsOf(svg);
      var at = (parts.indexOf(part) + MOVES[event.key] + parts.length) % parts.length;
      focusPart(svg, parts[at]);
    }
  }, true);

  window.tallyShade = {
    // The shapes show their field's count (a practice taken up again): the
    // first parts shaded, as many as it says.
    placeAll: function () {
      Array.prototype.forEach.call(document.querySelectorAll('svg[data-shade]'), function (svg) {
        var field = fieldOf(svg);
        var count = field ? parseInt(field.value, 10) || 0 : 0;
        partsOf(svg).forEach(function (part, index) {
          paint(svg, part, index < count);
        });
      });
    }
  };
})();
