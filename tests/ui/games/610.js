// SPDX-License-Identifier: GPL-3.0-or-later
// Roller coaster: three stretches of eight hills. Answer the question at the
// foot of every hill (the second one wrongly, every fourth through the button,
// every fifth in full-width digits) until the car reaches the finish; a wrong
// answer must cost speed, and the result must count.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const stars = () => ($('status').textContent.match(/★/g) || []).length;

$('start').click();
await expectInView('the start');
for (let hill = 1; hill <= 24; hill += 1) {
  while (!$('result').textContent && $('answer').disabled) await pause(15);
  expect(!$('result').textContent, `the ride ended before hill ${hill}`);
  const stretch = Math.floor((hill - 1) / 8) + 1;
  expect($('status').textContent.startsWith(`第${stretch}段　第${(hill - 1) % 8 + 1}座小山`), `hill ${hill}: ${$('status').textContent}`);
  if (hill % 8 === 1) await expectInView(`stretch ${stretch}`);
  const right = worked($('question').textContent);
  const speed = stars();
  const answer = hill === 2 ? right + 10 : right;
  $('answer').value = hill % 5 === 0 ? fullWidth(answer) : String(answer);
  $('answer').dispatchEvent(new Event('input', { bubbles: true }));
  if (hill % 4 === 0) $('go').click();
  else $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  if (hill === 2) {
    expect($('feedback').textContent.includes(`＝${right}。`), 'a wrong answer without the right one');
    expect(stars() === speed - 1, 'a wrong answer kept the speed');
  } else {
    expect(stars() === Math.min(speed + 1, 5), 'a right answer gave no speed');
  }
}
while (!$('result').textContent) await pause(15);
expect($('result').textContent.includes('你答对了23题，一共24题'), `the result miscounts the answers: ${$('result').textContent}`);
