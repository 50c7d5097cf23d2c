// SPDX-License-Identifier: GPL-3.0-or-later
// Dog and bones: for each wave find the bone that fits the rule shown, walk the
// dog under it (arrow keys, or the mouse on every other wave; the third wave on
// purpose under a wrong bone) and let the bones drop; each catch must be
// judged by the rule, and the result must count them.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const fits = {
  双数: (n) => n % 2 === 0,
  单数: (n) => n % 2 === 1,
  '3的倍数': (n) => n % 3 === 0,
  '5的倍数': (n) => n % 5 === 0,
};
const key = (name) => document.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true }));
const dogLane = () => Number($('dog').dataset.lane);

$('start').click();
await expectInView('the first wave');
for (let wave = 1; wave <= 12; wave += 1) {
  while (!new RegExp(`第${wave}轮`).test($('status').textContent)) await pause(10);
  const rule = /接住(.+)的骨头/.exec($('rule').textContent)[1];
  const bones = [...document.querySelectorAll('.bone')];
  const fitting = bones.filter((bone) => fits[rule](Number(bone.textContent)));
  expect(bones.length === 3 && fitting.length === 1, `wave ${wave} has ${fitting.length} bones that fit ${rule}`);
  const wanted = wave === 3 ? bones.find((bone) => bone !== fitting[0]) : fitting[0];
  const lane = Number(wanted.dataset.lane);
  if (wave % 2) {
    while (dogLane() !== lane) key(dogLane() < lane ? 'ArrowRight' : 'ArrowLeft');
    key('ArrowDown');
  } else {
    const yard = $('yard').getBoundingClientRect();
    const x = yard.left + (lane + 0.5) * yard.width / 5;
    $('yard').dispatchEvent(new MouseEvent('mousemove', { clientX: x, clientY: yard.top + 50, bubbles: true }));
    $('yard').dispatchEvent(new MouseEvent('mousedown', { clientX: x, clientY: yard.top + 50, bubbles: true }));
  }
  while (!/good|bad/.test(wanted.className)) await pause(10);
  const said = $('feedback').textContent;
  if (wave === 3) expect(said.startsWith(`哎呀，${wanted.textContent}不是${rule}`), said);
  else expect(said.startsWith(`接住了！${wanted.textContent}是${rule}`), said);
}
while (!$('result').textContent) await pause(10);
expect($('result').textContent.startsWith('你接对了11根骨头，接错了1根，'), 'the result miscounts the catches');
