// SPDX-License-Identifier: GPL-3.0-or-later
// Reads each level's rule, then clicks the bricks that fit it (for sums, two bricks that
// make the sum); on the first two levels it also clicks a brick that does not fit. Only a
// brick hit by mistake may shake, never the first brick of a pair.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const byId = id => document.getElementById(id);
const waitFor = async test => {
  for (let i = 0; i < 300 && !test(); i++) {
    await pause(20);
  }
};
const standing = () => [...byId("field").querySelectorAll("button.brick")]
  .filter(brick => !brick.classList.contains("broken"));
const value = brick => Number(brick.textContent);
// The field says it is busy while the ball is in the air.
const shoot = async brick => {
  brick.click();
  await waitFor(() => byId("field").getAttribute("aria-busy") === "false" || byId("result").textContent !== "");
};
const shakes = new Set();
new MutationObserver((changes) => changes.forEach((change) => {
  if (change.target.classList.contains("shake")) shakes.add(change.target);
})).observe(byId("field"), { subtree: true, attributes: true, attributeFilter: ["class"] });
byId("start").click();
await expectInView("the first level");
for (let level = 1; level <= 3; level++) {
  await waitFor(() => byId("level").textContent.startsWith("第" + level + "关") && /点一块/.test(byId("feedback").textContent));
  const rule = byId("rule").textContent;
  const sum = /凑成(\d+)/.exec(rule);
  if (sum) {
    const target = Number(sum[1]);
    const bricks = standing();
    const wrong = bricks.find(b => bricks.some(c => c !== b && value(b) + value(c) !== target));
    const other = bricks.find(c => c !== wrong && value(wrong) + value(c) !== target);
    await shoot(wrong);
    await shoot(other);
    if (!/不是/.test(byId("feedback").textContent)) {
      throw new Error("a pair with the wrong sum was not refused");
    }
    if (shakes.has(wrong) || !shakes.has(other)) {
      throw new Error("the wrong brick of a pair did not shake, or the first one did");
    }
    shakes.clear();
    const isStanding = brick => !brick.classList.contains("broken");
    for (let pair = 0; pair < bricks.length / 2 && bricks.some(isStanding); pair++) {
      const [first, ...rest] = bricks.filter(isStanding);
      await shoot(first);
      await shoot(rest.find(b => value(first) + value(b) === target));
    }
    if (bricks.some(isStanding)) {
      throw new Error("bricks that make the sum did not all break");
    }
    if (shakes.size) {
      throw new Error("the first brick of a good pair shook like a miss");
    }
  } else {
    const fits = rule.includes("双数") ? n => n % 2 === 0 : n => n % Number(/(\d+)的倍数/.exec(rule)[1]) === 0;
    const bricks = standing();
    if (level === 2) {
      const sturdy = bricks.find(b => !fits(value(b)));
      await shoot(sturdy);
      if (!/撞不碎/.test(byId("feedback").textContent) || sturdy.classList.contains("broken")) {
        throw new Error("a brick that does not fit was broken");
      }
    }
    for (const brick of bricks.filter(b => fits(value(b)))) {
      await shoot(brick);
    }
    if (bricks.some(b => fits(value(b)) && !b.classList.contains("broken"))) {
      throw new Error("a brick that fits is still standing");
    }
  }
}
await waitFor(() => byId("result").textContent !== "");
// Nine pairs on the first level and seven bricks on each of the others.
if (!/打掉了32块砖，撞错了2次/.test(byId("result").textContent)) {
  throw new Error("the result does not count the shots: " + byId("result").textContent);
}
