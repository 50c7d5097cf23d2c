// Trampoline: pick the cloud with the right answer (a wrong one in the first
// round), then press the space bar whenever the page shows its "跳！" cue; each
// landing must be judged by the number on the cloud.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const clouds = [0, 1, 2].map((i) => $('cloud' + i));

$('start').click();
for (let round = 0; round < 6; round += 1) {
  const question = $('question').textContent;
  const answer = worked(question);
  const right = clouds.findIndex((cloud) => Number(cloud.textContent) === answer);
  expect(right >= 0, `no cloud carries ${answer}`);
  const chosen = round === 0 ? (right + 1) % 3 : right;
  clouds[chosen].click();
  while (!clouds[chosen].className.match(/good|bad/)) {
    if ($('cue').classList.contains('show')) {
      document.dispatchEvent(new KeyboardEvent('keydown', { key: ' ', bubbles: true }));
    }
    await pause(10);
  }
  const said = $('feedback').textContent;
  if (round === 0) expect(said.includes(`这朵云上是${clouds[chosen].textContent}，`) && said.includes(`＝${answer}。`), said);
  else expect(said.startsWith('答对了'), said);
  while (!$('result').textContent && $('question').textContent === question) await pause(10);
}
expect($('result').textContent.startsWith('你答对了5题，一共6题'), 'the result miscounts the landings');
