// SPDX-License-Identifier: GPL-3.0-or-later
// Plays five rounds of the reaction test, pressing once too early on the way, and checks
// that the average and the best time agree with the five times listed.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const pad = document.getElementById("pad");
const pressPad = () => pad.dispatchEvent(new MouseEvent("mousedown", { bubbles: true, cancelable: true }));
const waitFor = async test => {
  for (let i = 0; i < 400 && !test(); i++) {
    await pause(20);
  }
};
document.getElementById("start").click();
await waitFor(() => pad.className === "wait");
await expectInView("the first round");
pressPad();
if (!/别着急/.test(document.getElementById("feedback").textContent)) {
  throw new Error("an early press gave no gentle warning");
}
for (let round = 0; round < 5; round++) {
  await waitFor(() => pad.className === "go");
  pressPad();
  await waitFor(() => pad.className !== "go");
}
await waitFor(() => document.getElementById("result").textContent !== "");
const times = (document.getElementById("times").textContent.match(/\d+/g) || []).map(Number);
if (times.length !== 5) {
  throw new Error("five rounds were not all listed: " + times);
}
const mean = times.reduce((a, b) => a + b, 0) / 5;
const [average, best] = document.getElementById("result").textContent.match(/\d+(?=毫秒)/g).map(Number);
if (Math.abs(average - mean) > 0.5 || best !== Math.min(...times)) {
  throw new Error("the result does not match the times " + times);
}
