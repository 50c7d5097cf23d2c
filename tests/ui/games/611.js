// SPDX-License-Identifier: GPL-3.0-or-later
// Treasure dive: try to swim out of the sea first (nothing may be asked), then
// find the shortest way round the rocks to the nearest treasure, choose each
// step (by arrow key, or by clicking the cell on every other step) and answer
// its sum (the third one wrongly, every fourth in full-width digits) until all
// five treasures are found. While the diver waits for a way nothing moves on
// the page. A second dive answers every sum wrongly until the air is gone: the
// last word must not ask for another way.
const $ = (id) => document.getElementById(id);
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /(\d+)([＋－×÷])(\d+)/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const cellAt = (x, y) => document.querySelector(`.cell[data-x="${x}"][data-y="${y}"]`);
const ways = [['ArrowRight', 1, 0], ['ArrowDown', 0, 1], ['ArrowLeft', -1, 0], ['ArrowUp', 0, -1]];
const diverAt = () => [Number($('sea').querySelector('.diver').dataset.x), Number($('sea').querySelector('.diver').dataset.y)];

function firstStep() {
  const from = diverAt();
  const cameBy = new Map([[from.join(), null]]);
  const queue = [from];
  while (queue.length) {
    const [x, y] = queue.shift();
    if (cellAt(x, y).classList.contains('treasure')) {
      let key = `${x},${y}`;
      let step = null;
      while (cameBy.get(key)) [key, step] = cameBy.get(key);
      return step;
    }
    for (const [name, dx, dy] of ways) {
      const next = cellAt(x + dx, y + dy);
      if (next && !next.classList.contains('rock') && !cameBy.has(`${x + dx},${y + dy}`)) {
        cameBy.set(`${x + dx},${y + dy}`, [`${x},${y}`, { name, cell: next, to: [x + dx, y + dy] }]);
        queue.push([x + dx, y + dy]);
      }
    }
  }
  throw new Error('no treasure within reach');
}

$('start').click();
document.dispatchEvent(new KeyboardEvent('keydown', { key: 'ArrowUp', bubbles: true }));
expect($('ask').style.visibility === 'hidden', 'a question came for a swim out of the sea');
let moves = 0;
while (!$('result').textContent && moves < 200) {
  moves += 1;
  const step = firstStep();
  if (moves % 2) document.dispatchEvent(new KeyboardEvent('keydown', { key: step.name, bubbles: true }));
  else step.cell.click();
  const right = worked($('question').textContent);
  $('answer').value = moves === 3 ? String(right + 1) : moves % 4 === 0 ? fullWidth(right) : String(right);
  $('answer').dispatchEvent(new Event('input', { bubbles: true }));
  if (moves % 3) $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  else $('swim').click();
  const at = diverAt().join();
  if (moves === 3) expect($('feedback').textContent.includes(`＝${right}。`) && at !== step.to.join(), 'a wrong answer moved the diver');
  else expect(at === step.to.join(), 'a right answer did not move the diver');
  await new Promise((done) => setTimeout(done, 30));
  if (moves === 5) {
    await expectInView('a dive');
    await new Promise((done) => setTimeout(done, 1800));
    const moving = document.getAnimations().filter((a) => a.playState === 'running');
    expect(moving.length === 0, `${moving.length} animations run while the diver waits`);
  }
}
expect($('result').textContent.startsWith(`5件宝物全找到了！你答对了${moves - 1}题，一共答了${moves}题`), 'the result miscounts');

const found = $('result').textContent;
$('again').click();
let wrong = 0;
while (!$('result').textContent && wrong < 200) {
  const step = firstStep();
  document.dispatchEvent(new KeyboardEvent('keydown', { key: step.name, bubbles: true }));
  $('answer').value = String(worked($('question').textContent) + 1);
  $('swim').click();
  wrong += 1;
}
expect($('result').textContent.startsWith('氧气泡用完了') && $('result').textContent.includes(`答对了0题，一共答了${wrong}题`), $('result').textContent);
expect(!$('feedback').textContent.includes('再选一次方向'), `after the last bubble: ${$('feedback').textContent}`);
expect(found !== $('result').textContent, 'the second dive showed the first result');
