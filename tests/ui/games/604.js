// SPDX-License-Identifier: GPL-3.0-or-later
// Tries two more numbers in each machine (the first in full-width digits), checks that
// exactly one offered rule fits every pair in the table, and picks it; on the first
// machine it first picks one that does not.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const byId = id => document.getElementById(id);
const waitFor = async test => {
  for (let i = 0; i < 300 && !test(); i++) {
    await pause(20);
  }
};
const applyRule = (text, x) => {
  const [, times, sign, add] = /^(?:×(\d+))?(?:([＋－])(\d+))?$/.exec(text);
  const product = x * Number(times || 1);
  return sign === "－" ? product - Number(add) : product + Number(add || 0);
};
// The table has a row of numbers put in and a row of numbers that came out.
const pairs = () => {
  const [ins, outs] = [...byId("tries").querySelectorAll("tr")]
    .map(row => [...row.querySelectorAll("td")].map(cell => Number(cell.textContent)));
  return (ins || []).map((x, i) => [x, outs[i]]);
};
byId("start").click();
for (let machine = 1; machine <= 5; machine++) {
  await waitFor(() => byId("count").textContent.startsWith("第" + machine + "台") && pairs().length === 1);
  const seen = pairs()[0][0];
  await expectInView("machine " + machine);
  byId("number").value = fullWidth(seen === 12 ? 13 : 12);
  byId("number").dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true }));
  await waitFor(() => pairs().length === 2);
  const options = [...byId("options").querySelectorAll("button")];
  const fits = button => pairs().every(([x, y]) => applyRule(button.textContent, x) === y);
  if (machine === 1) {
    options.find(button => !fits(button)).click();
    if (!/不对哦/.test(byId("feedback").textContent)) {
      throw new Error("a wrong rule was not answered");
    }
  }
  byId("number").value = "20";
  byId("number").dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true }));
  await waitFor(() => pairs().length === 3);
  const rightOnes = options.filter(fits);
  if (rightOnes.length !== 1) {
    throw new Error("the machine's outputs fit " + rightOnes.length + " of the offered rules");
  }
  rightOnes[0].click();
  if (!/猜对了/.test(byId("feedback").textContent)) {
    throw new Error("the fitting rule was not accepted");
  }
}
await waitFor(() => byId("result").textContent !== "");
