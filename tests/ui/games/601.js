// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the paddles on the ball with the mouse until the first sum comes up, answers it
// in full-width digits, then holds the paddles away from the ball until all three balls
// are gone. The field may be drawn smaller than it is: the mouse is placed on the ball
// as it shows.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const byId = id => document.getElementById(id);
const field = byId("field");
const moveMouseTo = (x, y) => {
  const box = field.getBoundingClientRect();
  field.dispatchEvent(new MouseEvent("mousemove", { bubbles: true, clientX: box.left + x, clientY: box.top + y }));
};
const ballCentre = () => {
  const box = field.getBoundingClientRect();
  const ball = byId("ball").getBoundingClientRect();
  return { x: ball.left + ball.width / 2 - box.left, y: ball.top + ball.height / 2 - box.top };
};
const solve = text => {
  const [, a, sign, b] = /^(\d+)([＋－])(\d+)＝$/.exec(text);
  return sign === "＋" ? Number(a) + Number(b) : Number(a) - Number(b);
};
const quizShown = () => !byId("quiz").classList.contains("hidden");
byId("start").click();
await expectInView("the start");
for (let i = 0; i < 1500 && !quizShown(); i++) {
  const { x, y } = ballCentre();
  moveMouseTo(x, y);
  await pause(10);
}
if (!quizShown()) {
  throw new Error("no sum came up while every ball was caught");
}
const score = Number(byId("score").textContent);
if (score !== 3) {
  throw new Error("three catches scored " + score);
}
await expectInView("the question");
byId("answer").value = fullWidth(solve(byId("question").textContent));
byId("answer").dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true }));
if (Number(byId("score").textContent) !== score + 5) {
  throw new Error("a right answer earned no bonus");
}
for (let i = 0; i < 3000 && byId("result").textContent === ""; i++) {
  const { x, y } = ballCentre();
  moveMouseTo((x + 180) % 360, (y + 180) % 360);
  await pause(10);
}
const [caught, right, points] = byId("result").textContent.match(/\d+/g).map(Number);
if (right !== 1 || points !== caught + 5 * right) {
  throw new Error("the score does not add up: " + byId("result").textContent);
}
