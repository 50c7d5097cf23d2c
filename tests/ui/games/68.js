// SPDX-License-Identifier: GPL-3.0-or-later
// Typing speed: the practice round (no clock) and then the timed round, typed a
// key at a time and finished with Enter (one with the space bar). In the timed
// round the third item is typed with its last character wrong and the fifth in
// full-width capitals, as a Chinese input method would give them; the accuracy
// the page reports is checked against a count kept here. Every item is a
// number, the pinyin of one of 一…十 or an English number word; the time bar is
// drawn again only when the seconds left change.
const $ = (id) => document.getElementById(id);
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const box = $('typing');
const shown = () => $('target').textContent;
const words = 'yi er san si wu liu qi ba jiu shi one two three four five six seven eight nine ten'.split(' ');
const typable = (item, most) => (/^[1-9][0-9]*$/.test(item) && Number(item) <= most) || words.includes(item);

const fullWidthCapitals = (text) => Array.from(text.toUpperCase(), (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0)).join('');
const press = (key) => box.dispatchEvent(new KeyboardEvent('keydown', { key, bubbles: true, cancelable: true }));
const type = async (text) => {
  box.value = '';
  for (const c of text) {
    press(c);
    box.value += c;
    box.dispatchEvent(new Event('input', { bubbles: true }));
  }
  await pause(5);
};

$('start').click();
await expectInView('the practice');
expect($('clock').textContent === '不计时' && getComputedStyle($('timebar')).visibility === 'hidden', 'the practice round has a clock');
for (let item = 0; item < 8; item += 1) {
  expect(typable(shown(), 99), `odd practice item: ${shown()}`);
  await type(shown());
  press('Enter');
}
expect(!$('ready').classList.contains('hidden') && $('practised').textContent.includes('8个里打对了8个'), $('practised').textContent);
pressEnterWhereFocused();
expect(!$('ready').classList.contains('hidden'), 'an Enter after the practice started the clock');
$('timed').click();

let draws = 0;
new MutationObserver((changes) => { draws += changes.length; }).observe($('bar'), { attributes: true });
await pause(2500);
expect(draws >= 1 && draws <= 3, `the time bar was drawn ${draws} times in 2.5 seconds`);
expect(/还剩5[78]秒/.test($('clock').textContent), $('clock').textContent);

let right = 0;
let counted = 0;
for (let item = 0; item < 20; item += 1) {
  const target = shown();
  expect(typable(target, 999), `odd item: ${target}`);
  if (item === 2) {
    const last = target.endsWith('1') ? '2' : '1';
    await type(target.slice(0, -1) + last);
    expect(document.querySelectorAll('#target .bad').length === 1, 'the wrong key was not shown');
    right += target.length - 1;
  } else if (item === 4) {
    await type(fullWidthCapitals(target));
    right += target.length;
  } else {
    await type(target);
    right += target.length;
  }
  counted += target.length;
  press(item === 7 ? ' ' : 'Enter');
  const said = $('feedback').textContent;
  expect(said === (item === 2 ? `差一点，应该是${target}。接着打吧。` : '对了！'), `item ${item + 1} answered with: ${said}`);
}
const accuracy = Math.floor(right * 100 / counted);
expect($('result').textContent.includes(`正确率${accuracy}%`), `expected ${accuracy}% in: ${$('result').textContent}`);
