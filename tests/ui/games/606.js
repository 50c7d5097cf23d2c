// Air hockey: aim with the arrow keys, answer each sum, shoot, until all eight shots are taken.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const key = (name) => document.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true }));

$('start').click();
for (let shot = 0; !$('result').textContent; shot += 1) {
  while (!$('result').textContent && $('answer').disabled) await pause(20);
  if ($('result').textContent) break;
  key(shot % 2 ? 'ArrowUp' : 'ArrowDown');
  key(shot % 2 ? 'ArrowUp' : 'ArrowDown');
  $('answer').value = String(worked($('question').textContent));
  $('answer').dispatchEvent(new Event('input', { bubbles: true }));
  if (shot % 2) $('shoot').click();
  else $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  await pause(20);
}
