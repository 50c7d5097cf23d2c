// SPDX-License-Identifier: GPL-3.0-or-later
// Cave maze: keep a hand on the right-hand wall and answer every door's
// question (the first one wrongly once, the others in full-width digits) until
// the way out. A closed door must hold the explorer back, the time left must
// count down from the three minutes the intro names, and the result must count
// what happened.
const $ = (id) => document.getElementById(id);
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const keys = ['ArrowUp', 'ArrowRight', 'ArrowDown', 'ArrowLeft'];
const press = (name) => document.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true }));
const steps = () => Number(/步数：(\d+)/.exec($('status').textContent)[1]);
const doorAsks = () => $('ask').style.visibility === 'visible';
const left = () => Number(/还剩：(\d+)秒/.exec($('status').textContent)[1]);
let doors = 0;
let wrongs = 0;
const answerDoor = async () => {
  const right = worked($('question').textContent);
  if (doors === 0 && wrongs === 0) {
    const before = steps();
    $('left').click();
    expect(steps() === before && doorAsks(), 'walked away from a closed door');
    $('answer').value = String(right + 1);
    $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
    expect($('feedback').textContent.includes(`＝${right}。`), 'a wrong answer without the right one');
    wrongs += 1;
    return;
  }
  await expectInView(`door ${doors + 1}`);
  $('answer').value = fullWidth(right);
  $('open').click();
  doors += 1;
};

expect(document.querySelector('.intro').textContent.includes('3分钟'), 'the intro does not name the time limit');
$('start').click();
expect(left() === 180, `the status starts with ${$('status').textContent}`);
let facing = 1;
for (let tries = 0; tries < 2000 && !$('result').textContent; tries += 1) {
  for (const turn of [1, 0, 3, 2]) {
    const heading = (facing + turn) % 4;
    const before = steps();
    press(keys[heading]);
    while (doorAsks()) await answerDoor();
    if ($('result').textContent || steps() > before) {
      facing = heading;
      break;
    }
  }
  if (tries % 25 === 0) await new Promise((done) => setTimeout(done, 16));
}
expect(doors === 5, `opened ${doors} doors on the way out`);
expect($('result').textContent.includes('打开了5扇门，答对了5题，答错了1题'), 'the result miscounts the doors');
