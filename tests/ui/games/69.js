// SPDX-License-Identifier: GPL-3.0-or-later
// Guesses by halving the range, reading the 大了/小了 answer after each try; the first
// guess, 50, is keyed in on the page's keypad, the others typed into the box. Before that
// a number outside 1–100 must be refused without using a try.
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const box = document.getElementById("guess");
const feedback = () => document.getElementById("feedback").textContent;

function enter(text) {
  box.value = text;
  box.dispatchEvent(new Event("input", { bubbles: true }));
  box.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true }));
}

document.getElementById("start").click();
await pause(50);
await expectInView("the first guess");
enter("150");
if (!feedback().includes("1到100") || document.getElementById("turn").textContent !== "1") {
  throw new Error("a number above 100 was not refused: " + feedback());
}
let low = 1;
let high = 100;
const keypad = (key) => Array.from(document.querySelectorAll("#keypad button")).find((b) => b.textContent === key);
for (let tries = 0; tries < 7 && document.getElementById("result").textContent === ""; tries += 1) {
  const middle = Math.floor((low + high) / 2);
  if (tries === 0) {
    ["5", "1", "删", "0"].forEach((key) => keypad(key).click());
    if (box.value !== "50") throw new Error("the keypad gave " + box.value);
    document.getElementById("try").click();
  } else {
    enter(tries === 1 ? fullWidth(middle) : String(middle));
  }
  await pause(30);
  const said = /^你猜的(\d+)(大了|小了)/.exec(feedback());
  if (said && Number(said[1]) === middle) {
    if (said[2] === "大了") {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  } else if (document.getElementById("result").textContent === "") {
    throw new Error("no 大了/小了 answer to " + middle + ": " + feedback());
  }
}
if (!document.getElementById("result").textContent.includes("猜中了")) {
  throw new Error("halving did not find the number in 7 tries");
}
