// SPDX-License-Identifier: GPL-3.0-or-later
// Plays both boards by asking for a hint before every jump and clicking the two marked
// holes; on the way it tries a jump into a hole that cannot be reached.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const byId = id => document.getElementById(id);
const waitFor = async test => {
  for (let i = 0; i < 300 && !test(); i++) {
    await pause(20);
  }
};
const holes = () => [...byId("board").children];
byId("start").click();
for (let level = 1; level <= 2; level++) {
  await waitFor(() => byId("level").textContent.startsWith("第" + level + "关") && /一共/.test(byId("feedback").textContent));
  await expectInView("level " + level);
  const pegsAtStart = holes().filter(hole => hole.classList.contains("peg")).length;
  for (let jump = 1; jump < pegsAtStart; jump++) {
    byId("hint").click();
    const marked = holes().filter(hole => hole.classList.contains("hint"));
    const from = marked.find(hole => hole.classList.contains("peg"));
    const to = marked.find(hole => hole.classList.contains("hole"));
    from.click();
    if (level === 1 && jump === 3) {
      const unreachable = holes().find(hole => hole.classList.contains("hole") && !hole.classList.contains("target"));
      unreachable.click();
      if (!/跳不进去/.test(byId("feedback").textContent)) {
        throw new Error("a jump into an unreachable hole was not refused");
      }
    }
    const pegsBefore = holes().filter(hole => hole.classList.contains("peg")).length;
    const [a, b] = [from, to].map(hole => holes().indexOf(hole));
    to.click();
    const columns = getComputedStyle(byId("board")).gridTemplateColumns.split(" ").length;
    const over = holes()[(Math.floor(a / columns) + Math.floor(b / columns)) / 2 * columns + (a % columns + b % columns) / 2];
    const pegsAfter = holes().filter(hole => hole.classList.contains("peg")).length;
    if (pegsAfter !== pegsBefore - 1 || over.classList.contains("peg") || from.classList.contains("peg")) {
      throw new Error("a jump did not take exactly the peg jumped over");
    }
  }
  const left = holes().filter(hole => hole.classList.contains("peg")).length;
  if (left !== 1) {
    throw new Error("following the hints left " + left + " pegs");
  }
}
await waitFor(() => byId("result").textContent !== "");
