// Dog and bones: for each wave find the bone that fits the rule shown, walk the
// dog under it (arrow keys, or the mouse on every other wave; the third wave
// on purpose under a wrong bone) and let the bones drop.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const fits = {
  双数: (n) => n % 2 === 0,
  单数: (n) => n % 2 === 1,
  '3的倍数': (n) => n % 3 === 0,
  '5的倍数': (n) => n % 5 === 0,
};
const key = (name) => document.dispatchEvent(new KeyboardEvent('keydown', { key: name, bubbles: true }));
const dogLane = () => Number($('dog').dataset.lane);

$('start').click();
let handled = 0;
while (!$('result').textContent) {
  const wave = Number((/第(\d+)轮/.exec($('status').textContent) || [0, 0])[1]);
  const bones = [...document.querySelectorAll('.bone')];
  if (wave > handled && bones.length === 3) {
    handled = wave;
    const rule = /接住(.+)的骨头/.exec($('rule').textContent)[1];
    const target = bones.find((bone) => fits[rule](Number(bone.textContent)));
    const wanted = wave === 3 ? bones.find((bone) => bone !== target) : target;
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
  }
  await pause(15);
}
