// SPDX-License-Identifier: GPL-3.0-or-later
// Trampoline: three levels of eight questions. Pick the cloud with the right
// answer (a wrong one in the first round), then press the space bar whenever
// the page shows its "跳！" cue; each landing must be judged by the number on
// the cloud. The time left counts down from the four minutes the intro names,
// and on the last level the clouds sway.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const clouds = [0, 1, 2].map((i) => $('cloud' + i));
const left = () => Number(/还剩：(\d+)秒/.exec($('status').textContent)[1]);

expect(document.querySelector('.intro').textContent.includes('4分钟'), 'the intro does not name the time limit');
$('start').click();
expect(left() === 240, `the status starts with ${$('status').textContent}`);
for (let round = 0; round < 24; round += 1) {
  const level = Math.floor(round / 8) + 1;
  expect($('status').textContent.startsWith(`第${level}关　第${round % 8 + 1}题`), `round ${round + 1}: ${$('status').textContent}`);
  if (round % 8 === 0) await expectInView(`level ${level}`);
  const question = $('question').textContent;
  const answer = worked(question);
  const right = clouds.findIndex((cloud) => Number(cloud.textContent) === answer);
  expect(right >= 0, `no cloud carries ${answer}`);
  const chosen = round === 0 ? (right + 1) % 3 : right;
  clouds[chosen].click();
  const placed = clouds[chosen].style.left;
  let swayed = false;
  while (!clouds[chosen].className.match(/good|bad/)) {
    if ($('cue').classList.contains('show')) {
      document.dispatchEvent(new KeyboardEvent('keydown', { key: ' ', bubbles: true }));
    }
    swayed = swayed || clouds[chosen].style.left !== placed;
    await pause(10);
  }
  expect(swayed === (level === 3), `level ${level}: the clouds ${swayed ? 'swayed' : 'stood still'}`);
  const said = $('feedback').textContent;
  if (round === 0) expect(said.includes(`这朵云上是${clouds[chosen].textContent}，`) && said.includes(`＝${answer}。`), said);
  else expect(said.startsWith('答对了'), said);
  while (!$('result').textContent && $('question').textContent === question) await pause(10);
}
expect(left() < 240, 'the time left did not count down');
expect($('result').textContent.startsWith('你答对了23题，一共24题'), `the result miscounts the landings: ${$('result').textContent}`);
