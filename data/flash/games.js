// What every game page shares: the one seeded random source ("?seed=N" in the
// address replays the same game), reading the numbers a child types, the sums
// the games ask, fitting a game's stage into the pane, and the result screen.
// A page's own script holds only its game and reads these through TallyGames.
var TallyGames = (function () {
  "use strict";

  function el(id) { return document.getElementById(id); }

  // mulberry32: small, fast and the same in every browser.
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

  function pick(list) {
    return list[randomInt(0, list.length - 1)];
  }

  function shuffled(list) {
    var copy = list.slice();
    for (var i = copy.length - 1; i > 0; i -= 1) {
      var j = randomInt(0, i);
      var kept = copy[i];
      copy[i] = copy[j];
      copy[j] = kept;
    }
    return copy;
  }

  function say(text, kind) {
    el("feedback").className = "feedback " + (kind || "");
    el("feedback").textContent = text;
  }

  // Pages made of an intro, a game and a result part show one of them at a time.
  function show(id) {
    ["intro", "play", "done"].forEach(function (name) {
      if (el(name)) {
        el(name).className = name === id ? "" : "hidden";
      }
    });
    playing(id === "play");
  }

  // While a game runs a short pane keeps its room for the game: the rules
  // (read before the start) and the choice of sums step aside.
  function playing(on) {
    document.body.classList.toggle("playing", on);
    if (on) {
      document.body.classList.add("started");
    }
    refit();
  }

  // A result stays on the screen until 再来一次 is clicked or chosen with Tab
  // and pressed: the focus goes to the result itself, so one Enter too many
  // after the last answer starts nothing.
  function showResult(id) {
    var result = el(id || "result");
    result.tabIndex = -1;
    refit();
    result.focus({ preventScroll: true });
  }

  // What a child types into a number box: full-width digits and signs from a
  // Chinese input method count as the plain ones, and blanks (the ideographic
  // one too) do not count. A whole number, or null for anything else.
  function readNumber(typed) {
    var plain = String(typed).replace(/[\uff01-\uff5e]/g, function (c) {
      return String.fromCharCode(c.charCodeAt(0) - 0xfee0);
    }).replace(/\u2212/g, "-").replace(/\s+/g, "");
    return /^[+-]?\d{1,6}$/.test(plain) ? Number(plain) : null;
  }

  // Sums of one kind: "20" and "100" are additions and subtractions within 20
  // or 100, "multiply" and "divide" the times tables and their divisions,
  // "times" both of those. Every answer is a whole number of at least 1. Each
  // sum of a kind is as likely as any other: a pair of numbers is drawn
  // evenly and drawn again when it does not make a sum of the kind.
  var PLUS = "\uff0b";
  var MINUS = "\uff0d";
  var TIMES = "\u00d7";
  var DIVIDE = "\u00f7";

  function addition(least, limit) {
    for (;;) {
      var a = randomInt(least, limit - 1);
      var b = randomInt(1, limit - least);
      if (a + b <= limit) {
        return { text: a + PLUS + b, answer: a + b };
      }
    }
  }

  function subtraction(least, limit) {
    for (;;) {
      var whole = randomInt(least + 1, limit);
      var part = randomInt(1, limit - 1);
      if (part < whole) {
        return { text: whole + MINUS + part, answer: whole - part };
      }
    }
  }

  function product() {
    var a = randomInt(2, 9);
    var b = randomInt(2, 9);
    return { text: a + TIMES + b, answer: a * b };
  }

  function quotient() {
    var a = randomInt(2, 9);
    var b = randomInt(2, 9);
    return { text: a * b + DIVIDE + a, answer: b };
  }

  function drawSum(kind) {
    if (kind === "multiply") {
      return product();
    }
    if (kind === "divide") {
      return quotient();
    }
    if (kind === "times") {
      return random() < 0.5 ? product() : quotient();
    }
    var least = kind === "100" ? 10 : 1;
    var limit = kind === "100" ? 100 : 20;
    return random() < 0.5 ? addition(least, limit) : subtraction(least, limit);
  }

  // The sums of one game: none comes twice while the kind has new ones left.
  function makeSums(kind) {
    var asked = {};
    return function () {
      var sum = drawSum(kind);
      for (var tries = 0; asked[sum.text] && tries < 500; tries += 1) {
        sum = drawSum(kind);
      }
      if (asked[sum.text]) {
        asked = {};
      }
      asked[sum.text] = true;
      return sum;
    };
  }

  function chosenLevel() {
    var picked = document.querySelector("input[name=level]:checked");
    return picked ? picked.value : "20";
  }

  // A small number pad under an answer box, so a game can be played with the
  // mouse alone: the digits, 删 (take back the last one) and, when asked, 确定.
  function keypad(holder, box, onEnter) {
    var keys = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "\u5220"];
    if (onEnter) {
      keys.push("\u786e\u5b9a");
    }
    keys.forEach(function (key) {
      var button = document.createElement("button");
      button.type = "button";
      button.textContent = key;
      button.className = key.length > 1 ? "enter" : "";
      button.addEventListener("mousedown", function (event) {
        event.preventDefault();   // the answer box keeps the focus
      });
      button.onclick = function () {
        if (box.disabled) {
          return;
        }
        if (key === "\u5220") {
          box.value = box.value.slice(0, -1);
        } else if (key.length > 1) {
          onEnter();
          return;
        } else if (box.value.length < (box.maxLength > 0 ? box.maxLength : 4)) {
          box.value += key;
        }
        box.dispatchEvent(new Event("input", { bubbles: true }));
      };
      holder.appendChild(button);
    });
  }

  // A game's stage (a canvas, or a box its game lays out in fixed pixels) is
  // drawn at its own size and scaled as a whole to the room the pane leaves:
  // as wide as the panel, and as high as the page can be without scrolling.
  // A canvas on the stage gets as many pixels as it shows, so it stays sharp;
  // onScale(k) tells the page how many canvas pixels one stage pixel now has.
  var stages = [];

  function fitStage(stage, options) {
    options = options || {};
    var box = document.createElement("div");
    box.className = "stage-box";
    stage.parentNode.insertBefore(box, stage);
    box.appendChild(stage);
    stage.classList.add("fitted");
    var fitted = { stage: stage, box: box, options: options, scale: 0, pixels: 0 };
    stages.push(fitted);
    refit();
    return fitted;
  }

  function naturalSize(fitted) {
    var o = fitted.options;
    return { width: o.width || fitted.stage.offsetWidth, height: o.height || fitted.stage.offsetHeight };
  }

  function refitOne(fitted, gently) {
    var box = fitted.box;
    if (!box.offsetParent) {
      return;   // hidden for now; fitted when it shows
    }
    var size = naturalSize(fitted);
    var holder = box.parentElement;
    var style = getComputedStyle(holder);
    var roomWide = holder.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    var page = document.body.getBoundingClientRect().height;
    var others = page - box.getBoundingClientRect().height;
    var roomHigh = window.innerHeight - others - 2;
    var most = fitted.options.most || 1.5;
    var least = fitted.options.least || 0.4;
    var scale = Math.max(least, Math.min(most, roomWide / size.width, roomHigh / size.height));
    scale = Math.floor(scale * 1000) / 1000;
    if (gently && scale > fitted.scale && scale < fitted.scale * 1.08) {
      return;
    }
    box.style.width = Math.floor(size.width * scale) + "px";
    box.style.height = Math.floor(size.height * scale) + "px";
    fitted.stage.style.transform = "scale(" + scale + ")";
    var pixels = scale * (window.devicePixelRatio || 1);
    var changed = pixels !== fitted.pixels;
    fitted.scale = scale;
    fitted.pixels = pixels;
    if (changed && fitted.options.canvas) {
      var canvas = fitted.options.canvas;
      canvas.width = Math.round(fitted.options.canvasWidth * pixels);
      canvas.height = Math.round(fitted.options.canvasHeight * pixels);
    }
    if (changed && fitted.options.onScale) {
      fitted.options.onScale(pixels);
    }
  }

  // A stage that has just appeared had no height yet, and a page that was too
  // high had a scroll bar: a second look measures the page as it now is.
  // Gently, a stage shrinks for a longer message but does not grow back for a
  // shorter one, so it does not sway with the messages of a game.
  function refit(gently) {
    stages.forEach(function (fitted) {
      for (var look = 0; look < 3; look += 1) {
        var before = fitted.scale;
        refitOne(fitted, gently === true);
        if (Math.abs(fitted.scale - before) < 0.002) {
          break;
        }
      }
    });
  }

  // The page is measured again whenever its height changes (a message of two
  // lines, a result shown) and whenever the pane changes its size.
  var refitDue = false;
  var resized = false;
  function refitSoon() {
    if (!refitDue) {
      refitDue = true;
      requestAnimationFrame(function () {
        refitDue = false;
        refit(!resized && document.body.classList.contains("playing"));
        resized = false;
      });
    }
  }
  window.addEventListener("resize", function () {
    resized = true;
    refitSoon();
  });
  if (window.ResizeObserver) {
    new ResizeObserver(refitSoon).observe(document.body);
  }
  if (document.fonts && document.fonts.ready) {
    document.fonts.ready.then(refit);
  }

  return {
    el: el,
    random: random,
    randomInt: randomInt,
    pick: pick,
    shuffled: shuffled,
    say: say,
    show: show,
    playing: playing,
    showResult: showResult,
    readNumber: readNumber,
    drawSum: drawSum,
    makeSums: makeSums,
    chosenLevel: chosenLevel,
    keypad: keypad,
    fitStage: fitStage,
    refit: refit
  };
})();
