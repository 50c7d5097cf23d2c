// SPDX-License-Identifier: GPL-3.0-or-later
// Air hockey: aim with the arrow keys and the mouse, answer each sum (the fifth
// wrongly, once a letter first, every third in full-width digits), shoot, until
// all eight shots are taken; the feedback and the result must agree with the
// answers given.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const key = (name) => document.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true }));

$('start').click();
let rights = 0;
for (let shot = 1; shot <= 8; shot += 1) {
  while (!$('result').textContent && $('answer').disabled) await pause(20);
  expect(!$('result').textContent, `the game ended before shot ${shot}`);
  const right = worked($('question').textContent);
  if (shot === 1) {
    $('answer').value = 'a';
    $('shoot').click();
    expect(!$('answer').disabled, 'a letter took a shot');
  }
  if (shot % 2) {
    key('ArrowUp');
    key('ArrowUp');
  } else {
    const rink = $('rink').getBoundingClientRect();
    $('rink').dispatchEvent(new MouseEvent('mousemove', { clientX: rink.right - 10, clientY: rink.top + 40, bubbles: true }));
  }
  await expectInView(`shot ${shot}`);
  $('answer').value = shot % 3 ? String(shot === 5 ? right + 1 : right) : fullWidth(right);
  $('answer').dispatchEvent(new Event('input', { bubbles: true }));
  if (shot % 2) $('shoot').click();
  else $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  if (shot === 5) expect($('feedback').textContent.includes(`＝${right}。`), 'a wrong answer without the right one');
  else rights += 1;
  expect($('answer').disabled, `shot ${shot} was not taken`);
}
while (!$('result').textContent) await pause(20);
expect($('result').textContent.includes(`答对了${rights}题`), 'the result miscounts the right answers');
