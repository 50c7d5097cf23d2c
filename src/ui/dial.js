// SPDX-License-Identifier: GPL-3.0-or-later
// Clock faces the child sets: the minute hand (or the hour hand) follows the
// pointer, snapping to whole minutes, and the keys step it (←→ a minute,
// ↑↓ five). The hour hand follows the minute hand as on a real clock; the
// time goes into the face's field as typing does.
(function () {
  'use strict';
  if (window.tallyDial) {
    return;
  }
  var CENTRE = 100;
  var LENGTH = { hour: 84 / 1.5, minute: 84 * 0.8 };

  function fieldOf(svg) {
    var holder = svg.closest('div.picture');
    var name = holder && holder.getAttribute('data-field');
    return name ? document.getElementsByName(name)[0] || null : null;
  }

  // Minutes past 12 o'clock, 0…719, from the field's "8:30".
  function minutesOf(field) {
    var match = /^(\d+):(\d\d)$/.exec(field ? field.value : '');
    return match ? (parseInt(match[1], 10) % 12) * 60 + parseInt(match[2], 10) : 0;
  }

  function point(svg, name, degrees) {
    var hand = svg.querySelector('line.' + name);
    var radians = degrees * Math.PI / 180;
    hand.setAttribute('x2', (CENTRE + LENGTH[name] * Math.sin(radians)).toFixed(2));
    hand.setAttribute('y2', (CENTRE - LENGTH[name] * Math.cos(radians)).toFixed(2));
  }

  function place(svg, minutes) {
    point(svg, 'minute', (minutes % 60) * 6);
    point(svg, 'hour', minutes / 2);
  }

  function write(svg, minutes, timeStamp) {
    var field = fieldOf(svg);
    if (!field || field.disabled) {
      return;
    }
    minutes = ((minutes % 720) + 720) % 720;
    place(svg, minutes);
    var hours = Math.floor(minutes / 60) || 12;
    var value = hours + ':' + ('0' + (minutes % 60)).slice(-2);
    if (value !== field.value) {
      field.value = value;
      window.tallyBridge.typed(field, value, timeStamp);
    }
  }

  // Degrees clockwise from twelve of the pointer, about the face's centre.
  function pointerAngle(svg, event) {
    var box = svg.getBoundingClientRect();
    var x = (event.clientX - box.left) * 200 / box.width - CENTRE;
    var y = (event.clientY - box.top) * 200 / box.width - CENTRE;
    return (Math.atan2(x, -y) * 180 / Math.PI + 360) % 360;
  }

  var dragging = null;

  function dragTo(event) {
    var svg = dragging.svg;
    var now = minutesOf(fieldOf(svg));
    var target;
    if (dragging.hand === 'hour') {
      target = Math.round(pointerAngle(svg, event) * 2);
    } else {
      // The minute hand carries the hour on across twelve, either way.
      var minute = Math.round(pointerAngle(svg, event) / 6) % 60;
      var step = ((minute - now % 60) % 60 + 90) % 60 - 30;
      target = now + step;
    }
    write(svg, target, event.timeStamp);
  }

  function nearestHand(svg, event) {
    var angle = pointerAngle(svg, event);
    var minutes = minutesOf(fieldOf(svg));
    var off = function (hand) {
      var d = Math.abs(angle - hand) % 360;
      return Math.min(d, 360 - d);
    };
    return off(minutes / 2) < off((minutes % 60) * 6) ? 'hour' : 'minute';
  }

  document.addEventListener('pointerdown', function (event) {
    var svg = event.target.closest && event.target.closest('svg[data-dial]');
    if (!svg) {
      return;
    }
    event.preventDefault();
    svg.focus();
    dragging = { svg: svg, hand: nearestHand(svg, event) };
    try {
      svg.setPointerCapture(event.pointerId);
    } catch (e) {
      // A pointer the browser does not track (a pen lifted) keeps no capture.
    }
    dragTo(event);
  }, true);
  document.addEventListener('pointermove', function (event) {
    if (dragging) {
      dragTo(event);
    }
  }, true);
  document.addEventListener('pointerup', function () {
    dragging = null;
  }, true);

  var STEPS = { ArrowRight: 1, ArrowLeft: -1, ArrowUp: 5, ArrowDown: -5 };
  document.addEventListener('keydown', function (event) {
    var svg = event.target.closest && event.target.closest('svg[data-dial]');
    if (!svg || !(event.key in STEPS)) {
      return;
    }
    event.preventDefault();
    write(svg, minutesOf(fieldOf(svg)) + STEPS[event.key], event.timeStamp);
  }, true);

  window.tallyDial = {
    // The hands show their field's time (a practice taken up again).
    placeAll: function () {
      Array.prototype.forEach.call(document.querySelectorAll('svg[data-dial]'), function (svg) {
        place(svg, minutesOf(fieldOf(svg)));
      });
    }
  };
})();
