// Helpers several game pages share. "?seed=N" in a page's address replays
// the same game; the page's own script reads these through TallyGames.
var TallyGames = (function () {
  'use strict';
  function el(id) { return document.getElementById(id); }

  // One small seeded generator: "?seed=N" in the address replays the same game.
  function makeRandom(seed) {
    var state = seed >>> 0;
    return function () {
      state = (state + 0x6D2B79F5) >>> 0;
      var t = state;
      t = Math.imul(t ^ (t >>> 15), t | 1);
      t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
      return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
  }
  var seedInAddress = /[?&]seed=(\d+)/.exec(location.search);
  var random = makeRandom(seedInAddress ? Number(seedInAddress[1]) : Date.now());

  function randomInt(low, high) {
    return low + Math.floor(random() * (high - low + 1));
  }

  function say(text, kind) {
    el("feedback").className = "feedback " + (kind || "");
    el("feedback").textContent = text;
  }

  // Sums of the chosen kind: within 20, within 100, or the times tables and
  // their divisions. Every answer is a whole number of at least 1.
  function drawSum(level) {
    if (level === "times") {
      var a = randomInt(2, 9);
      var b = randomInt(2, 9);
      return random() < 0.5 ? { text: a + "\u00d7" + b, answer: a * b }
                            : { text: a * b + "\u00f7" + a, answer: b };
    }
    var limit = level === "100" ? 100 : 20;
    var least = limit === 100 ? 10 : 1;
    if (random() < 0.5) {
      var first = randomInt(least, limit - least);
      var second = randomInt(1, limit - first);
      return { text: first + "\uff0b" + second, answer: first + second };
    }
    var whole = randomInt(least + 1, limit);
    var part = randomInt(1, whole - 1);
    return { text: whole + "\uff0d" + part, answer: whole - part };
  }

  // Draws sums without repeating any of the last few.
  function makeSums(level) {
    var recent = [];
    return function () {
      var sum = drawSum(level);
      while (recent.indexOf(sum.text) >= 0) {
        sum = drawSum(level);
      }
      recent.push(sum.text);
      if (recent.length > 6) {
        recent.shift();
      }
      return sum;
    };
  }

  function chosenLevel() {
    var picked = document.querySelector("input[name=level]:checked");
    return picked ? picked.value : "20";
  }

  // A Chinese input method may type full-width digits; both count.
  function readNumber(typed) {
    var plain = typed.replace(/[\uff10-\uff19]/g, function (digit) {
      return String.fromCharCode(digit.charCodeAt(0) - 0xfee0);
    }).replace(/\s+/g, "");
    return /^\d{1,4}$/.test(plain) ? Number(plain) : null;
  }

  return {
    random: random,
    randomInt: randomInt,
    say: say,
    drawSum: drawSum,
    makeSums: makeSums,
    chosenLevel: chosenLevel,
    readNumber: readNumber
  };
})();
