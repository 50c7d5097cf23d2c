// SPDX-License-Identifier: GPL-3.0-or-later
// Click speed: clicks the target ten times as soon as it shows; the result
// must agree with the times listed, and an Enter pressed once too often must
// leave it on the screen.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((done) => setTimeout(done, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };

$('start').click();
for (let click = 0; click < 10; click += 1) {
  for (let i = 0; i < 300 && $('target').style.display !== 'block'; i += 1) await pause(10);
  await expectInView(`target ${click + 1}`);
  $('target').dispatchEvent(new MouseEvent('mousedown', { bubbles: true, cancelable: true }));
}
const times = $('status').textContent.match(/\d+/g).map(Number);
expect(times.length === 10, `ten times were not listed: ${$('status').textContent}`);
const [average, best] = $('result').textContent.match(/\d+/g).map(Number);
expect(Math.abs(average - times.reduce((a, b) => a + b, 0) / 10) <= 0.5 && best === Math.min(...times), $('result').textContent);
pressEnterWhereFocused();
await pause(100);
expect($('target').style.display === 'none' && $('start').textContent === '再来一次', 'an Enter started a new round');
