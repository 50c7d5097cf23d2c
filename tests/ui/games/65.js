// SPDX-License-Identifier: GPL-3.0-or-later
// Mental arithmetic: plays the times-table level, typing some answers in full
// width, some on the number pad and one wrongly, and checks the row of right
// answers and the stars it earns against a count kept here; then the division
// level, with every answer right, must give three stars and no next level.
const $ = (id) => document.getElementById(id);
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const worked = (text) => {
  const [, a, op, b] = /^(\d+)([＋－×÷])(\d+)＝$/.exec(text);
  return { '＋': +a + +b, '－': a - b, '×': a * b, '÷': a / b }[op];
};
const starsShown = (id) => ($(id).textContent.match(/★/g) || []).length;
const key = (label) => [...document.querySelectorAll('#keypad button')].find((b) => b.textContent === label);

const playLevel = async (index, wrongAt) => {
  $('choices').children[index].click();
  await expectInView(`level ${index + 1}`);
  let streak = 0;
  let stars = 0;
  const asked = new Set();
  for (let q = 0; q < 10; q += 1) {
    const question = $('question').textContent;
    expect(!asked.has(question), `${question} was asked twice`);
    asked.add(question);
    const right = worked(question);
    const answer = q === wrongAt ? right + 1 : right;
    if (q % 3 === 0) {
      $('answer').value = fullWidth(answer);
      $('answer').dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
    } else if (q % 3 === 1) {
      $('answer').value = '';
      for (const digit of String(answer)) key(digit).click();
      key('删').click();
      key(String(answer).slice(-1)).click();
      expect($('answer').value === String(answer), `the number pad typed ${$('answer').value}`);
      $('ok').click();
    } else {
      $('answer').value = `　${answer} `;
      $('ok').click();
    }
    streak = q === wrongAt ? 0 : streak + 1;
    if (streak > 0 && streak % 3 === 0) stars += 1;
    if (q === wrongAt) expect($('feedback').textContent === `不对哦，${question}${right}。`, $('feedback').textContent);
    else expect($('feedback').textContent.startsWith('答对了'), $('feedback').textContent);
    if (q < 9) {
      expect(Number($('streak').textContent) === streak && starsShown('stars') === Math.min(stars, 3), `after question ${q + 1}: streak ${$('streak').textContent}, ${$('stars').textContent}`);
    }
  }
  return stars;
};

$('answer').value = '';
let stars = await playLevel(2, 4);
expect(stars === 2 && starsShown('finalStars') === 2, `a wrong fifth answer gave ${$('finalStars').textContent}`);
expect($('result').textContent.startsWith('第3关：你答对了9题（共10题）'), $('result').textContent);
expect($('missed').textContent.includes('×'), $('missed').textContent);
expect(!$('next').classList.contains('hidden'), 'two stars did not open the next level');
expect(document.activeElement === $('result'), 'the result did not take the focus');
pressEnterWhereFocused();
expect($('play').classList.contains('hidden') && !$('done').classList.contains('hidden'), 'an Enter left the result');
$('next').click();
expect($('level').textContent === '第4关' && $('question').textContent.includes('÷'), `the next level asks ${$('question').textContent}`);
$('change').click();
stars = await playLevel(3, -1);
expect(stars === 3 && starsShown('finalStars') === 3 && $('result').textContent.includes('三颗星'), $('result').textContent);
expect($('next').classList.contains('hidden'), 'the last level offers a next one');
