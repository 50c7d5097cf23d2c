// Types all twenty items a key at a time into the box, finishing each with Enter (one with
// the space bar). The third item is typed with its last character wrong and the fifth in
// full-width capitals, as a Chinese input method would give them; the accuracy the page
// reports is checked against a count kept here.
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const box = document.getElementById("typing");
const shown = () => document.getElementById("target").textContent;

function fullWidthCapitals(text) {
  return Array.from(text.toUpperCase(), (c) => String.fromCharCode(c.charCodeAt(0) + 0xFEE0)).join("");
}

function press(key) {
  box.dispatchEvent(new KeyboardEvent("keydown", { key: key, bubbles: true, cancelable: true }));
}

async function type(text) {
  box.value = "";
  for (const c of text) {
    press(c);
    box.value += c;
    box.dispatchEvent(new Event("input", { bubbles: true }));
  }
  await pause(5);
}

document.getElementById("start").click();
await pause(50);
let right = 0;
let counted = 0;
for (let item = 0; item < 20; item += 1) {
  const target = shown();
  if (!/^([0-9]{3,5}|[a-z]+)$/.test(target)) throw new Error("odd item shown: " + target);
  if (item === 2) {
    const last = target.endsWith("x") ? "y" : "x";
    await type(target.slice(0, -1) + last);
    if (document.querySelectorAll("#target .bad").length !== 1) throw new Error("the wrong key was not shown");
    right += target.length - 1;
  } else if (item === 4) {
    await type(fullWidthCapitals(target));
    right += target.length;
  } else {
    await type(target);
    right += target.length;
  }
  counted += target.length;
  press(item === 7 ? " " : "Enter");
  const said = document.getElementById("feedback").textContent;
  if (said !== (item === 2 ? "差一点，应该是" + target + "。接着打吧。" : "对了！")) {
    throw new Error("item " + (item + 1) + " answered with: " + said);
  }
}
const accuracy = Math.floor(right * 100 / counted);
const result = document.getElementById("result").textContent;
if (!result.includes("正确率" + accuracy + "%")) throw new Error("expected " + accuracy + "% in: " + result);
