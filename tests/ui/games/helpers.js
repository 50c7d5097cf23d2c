// SPDX-License-Identifier: GPL-3.0-or-later
// Read before every scripted play and check of the game pages.

// The digits and signs a Chinese input method types: １２＋３ for 12+3.
const fullWidth = (text) => String(text).replace(/[0-9+-]/g, (c) => String.fromCharCode(c.charCodeAt(0) + 0xfee0));

// The controls a child can see (buttons, boxes, a game's stage) whose box is not
// wholly inside the pane: the arrow keys belong to the games, so nothing scrolls.
const controlsOutside = () => {
  const outside = [];
  for (const element of document.querySelectorAll("button, input, select, canvas, .stage-box")) {
    const box = element.getBoundingClientRect();
    if (box.width === 0 || box.height === 0 || getComputedStyle(element).visibility === "hidden") continue;
    if (box.left < -0.5 || box.top < -0.5 || box.right > innerWidth + 0.5 || box.bottom > innerHeight + 0.5) {
      outside.push(`${element.id || element.className || element.tagName} at ${Math.round(box.left)},${Math.round(box.top)}–` +
        `${Math.round(box.right)},${Math.round(box.bottom)} in ${innerWidth}×${innerHeight}`);
    }
  }
  return outside;
};

// Looks after the page has drawn twice: a stage is fitted on the next frame.
const expectInView = async (when) => {
  await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
  const outside = controlsOutside();
  if (outside.length) throw new Error(`${when}: outside the pane: ${outside.join("; ")}`);
};

// An Enter pressed where the focus is, as a child pressing it once too often.
const pressEnterWhereFocused = () => {
  const target = document.activeElement || document.body;
  target.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter", bubbles: true, cancelable: true }));
  target.dispatchEvent(new KeyboardEvent("keyup", { key: "Enter", bubbles: true }));
};
