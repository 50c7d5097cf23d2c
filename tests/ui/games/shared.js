// SPDX-License-Identifier: GPL-3.0-or-later
// The helpers of games.js, checked in a page: typed numbers in any width, and
// the sums of every kind: right answers (worked out here from the text),
// numbers within the kind's range, every sum of the kind drawn about as often
// as any other, and no sum twice in one game.
const expect = (holds, what) => { if (!holds) throw new Error(what); };
const G = TallyGames;

const typed = [
  ["12", 12], ["１２", 12], ["1２", 12], ["　７　", 7], [" 7 ", 7], ["－３", -3], ["＋５", 5], ["−4", -4],
  ["", null], ["　", null], ["abc", null], ["1.5", null], ["１．５", null], ["7a", null], ["1 2", 12],
];
for (const [text, number] of typed) {
  expect(G.readNumber(text) === number, `readNumber(${JSON.stringify(text)}) gave ${G.readNumber(text)}, not ${number}`);
}

const work = (text) => {
  const match = /^(\d+)([＋－×÷])(\d+)$/.exec(text);
  expect(match, `odd sum text ${text}`);
  const [, a, op, b] = match;
  const [x, y] = [Number(a), Number(b)];
  return { x, y, op, answer: { "＋": x + y, "－": x - y, "×": x * y, "÷": x / y }[op] };
};

// kind: which signs, the operands' ranges, and how many different sums there are.
const kinds = {
  "20": { signs: "＋－", fits: ({ x, y, op }) => op === "＋" ? x >= 1 && y >= 1 && x + y <= 20 : x <= 20 && y >= 1 && x - y >= 1,
          count: 190 + 190 },
  "100": { signs: "＋－", fits: ({ x, y, op }) => op === "＋" ? x >= 10 && y >= 1 && x + y <= 100 : x >= 11 && x <= 100 && y >= 1 && x - y >= 1,
           count: 4095 + 4905 },
  multiply: { signs: "×", fits: ({ x, y }) => x >= 2 && x <= 9 && y >= 2 && y <= 9, count: 64 },
  divide: { signs: "÷", fits: ({ x, y }) => y >= 2 && y <= 9 && x % y === 0 && x / y >= 2 && x / y <= 9, count: 64 },
  times: { signs: "×÷", fits: ({ x, y, op }) => op === "×" ? x >= 2 && x <= 9 && y >= 2 && y <= 9 : x % y === 0 && x / y >= 2 && x / y <= 9, count: 128 },
};
for (const [kind, rule] of Object.entries(kinds)) {
  const seen = new Map();
  const draws = 40000;
  for (let i = 0; i < draws; i += 1) {
    const sum = G.drawSum(kind);
    const worked = work(sum.text);
    expect(rule.signs.includes(worked.op), `${kind}: ${sum.text}`);
    expect(sum.answer === worked.answer && Number.isInteger(sum.answer) && sum.answer >= 1, `${kind}: ${sum.text} answered ${sum.answer}`);
    expect(rule.fits(worked), `${kind}: ${sum.text} is outside the kind`);
    seen.set(sum.text, (seen.get(sum.text) || 0) + 1);
  }
  if (rule.count <= 400) {
    expect(seen.size === rule.count, `${kind}: ${seen.size} different sums of ${rule.count}`);
    const expected = draws / rule.count;
    for (const [text, times] of seen) {
      expect(Math.abs(times - expected) < 5 * Math.sqrt(expected), `${kind}: ${text} drawn ${times} times, about ${Math.round(expected)} expected`);
    }
  }
}

// Within 20, 1 is the second number of 19 of the 190 additions and of 19 of the 190 subtractions.
let ones = 0;
for (let i = 0; i < 20000; i += 1) {
  if (work(G.drawSum("20").text).y === 1) ones += 1;
}
expect(Math.abs(ones / 20000 - 0.1) < 0.01, `1 is the second number of ${(ones / 200).toFixed(1)}% of the sums within 20`);

for (const kind of ["20", "multiply"]) {
  const game = G.makeSums(kind);
  const asked = new Set();
  const length = kind === "20" ? 200 : 64;
  for (let i = 0; i < length; i += 1) asked.add(game().text);
  expect(asked.size === length, `${kind}: a game of ${length} sums asked only ${asked.size} different ones`);
}
