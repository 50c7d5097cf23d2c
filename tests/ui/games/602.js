// Plays five rounds of the reaction test, pressing once too early on the way.
const pause = ms => new Promise(resolve => setTimeout(resolve, ms));
const pad = document.getElementById("pad");
const pressPad = () => pad.dispatchEvent(new MouseEvent("mousedown", { bubbles: true, cancelable: true }));
const waitFor = async test => {
  for (let i = 0; i < 400 && !test(); i++) {
    await pause(20);
  }
};
document.getElementById("start").click();
await waitFor(() => pad.className === "wait");
pressPad();
if (!/别着急/.test(document.getElementById("feedback").textContent)) {
  throw new Error("an early press gave no gentle warning");
}
for (let round = 0; round < 5; round++) {
  await waitFor(() => pad.className === "go");
  pressPad();
  await waitFor(() => pad.className !== "go");
}
await waitFor(() => document.getElementById("result").textContent !== "");
