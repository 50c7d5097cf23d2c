// SPDX-License-Identifier: GPL-3.0-or-later
// Solves each grid from the sums beside it, one line with a single blank at a time, typing
// the numbers into the boxes (the second grid in full-width digits, as a Chinese input
// method types them); the first grid is first checked with one wrong number, and for the
// last one the answer is asked for and checked against the sums.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const byId = id => document.getElementById(id);
const waitFor = async test => {
  for (let i = 0; i < 300 && !test(); i++) {
    await pause(20);
  }
};
const type = (input, text) => {
  input.value = text;
  input.dispatchEvent(new Event("input", { bubbles: true }));
};
// Reads the grid as drawn: 15 boxes in rows of five, with the sums along the edges.
const readGrid = () => {
  const boxes = [...byId("grid").children];
  const at = (row, col) => boxes[row * 5 + col];
  const number = box => Number(box.textContent.replace(/[^0-9]/g, ""));
  const cells = [];
  for (let r = 0; r < 3; r++) {
    for (let c = 0; c < 3; c++) {
      const box = at(r, c + 1);
      cells.push(box.tagName === "INPUT" ? { input: box, value: null } : { value: number(box) });
    }
  }
  const lines = [];
  for (let r = 0; r < 3; r++) {
    lines.push({ cells: [r * 3, r * 3 + 1, r * 3 + 2], sum: number(at(r, 4)) });
  }
  for (let c = 0; c < 3; c++) {
    lines.push({ cells: [c, c + 3, c + 6], sum: number(at(3, c + 1)) });
  }
  if (at(3, 4).textContent !== "") {
    lines.push({ cells: [0, 4, 8], sum: number(at(3, 4)) });
    lines.push({ cells: [2, 4, 6], sum: number(at(3, 0)) });
  }
  return { cells, lines };
};
const solve = ({ cells, lines }) => {
  for (let progress = true; progress;) {
    progress = false;
    for (const line of lines) {
      const open = line.cells.filter(i => cells[i].value === null);
      if (open.length === 1) {
        const known = line.cells.filter(i => i !== open[0]).reduce((s, i) => s + cells[i].value, 0);
        cells[open[0]].value = line.sum - known;
        progress = true;
      }
    }
  }
  return cells.filter(cell => cell.input);
};
byId("start").click();
for (let puzzle = 1; puzzle <= 5; puzzle++) {
  await waitFor(() => byId("count").textContent.startsWith("第" + puzzle + "题") && byId("feedback").textContent === "");
  const blanks = solve(readGrid());
  if (blanks.some(cell => cell.value === null)) {
    throw new Error("grid " + puzzle + " cannot be solved from its sums");
  }
  if (puzzle === 1) {
    blanks.forEach(cell => type(cell.input, String(cell.value)));
    type(blanks[0].input, String(blanks[0].value + 1));
    byId("check").click();
    if (!/不对哦/.test(byId("feedback").textContent) || !byId("grid").querySelector(".sum.bad")) {
      throw new Error("a wrong number was not shown");
    }
  }
  if (puzzle === 5) {
    byId("skip").click();
    const shown = readGrid();
    const filled = shown.cells.map(cell => cell.input ? Number(cell.input.value) : cell.value);
    const wrongLine = shown.lines.find(line => line.cells.reduce((s, i) => s + filled[i], 0) !== line.sum);
    if (wrongLine || new Set(filled).size !== 9) {
      throw new Error("the answer shown does not fit the magic square: " + filled);
    }
    continue;
  }
  await expectInView("grid " + puzzle);
  blanks.forEach(cell => type(cell.input, puzzle === 2 ? fullWidth(cell.value) : String(cell.value)));
  byId("check").click();
  if (!/全对了/.test(byId("feedback").textContent)) {
    throw new Error("a right grid was not accepted: " + byId("feedback").textContent);
  }
}
await waitFor(() => byId("result").textContent !== "");
if (!/填对了4个/.test(byId("result").textContent)) {
  throw new Error("a grid whose answer was shown counted as filled: " + byId("result").textContent);
}
