// The phone journey in every engine a priest's phone may run: a link opens
// the day with the dismissal in view at 360 × 740, a weekend's booklet is
// built from that one screen, cleared and brought back, and printed one
// dismissal a page.
import assert from "node:assert/strict";
import { join } from "node:path";
import { after, before, test } from "node:test";

import { chromiumEngine, firefoxEngine, webkitEngine } from "./engines.mjs";
import { pdfPageCount, serve, site, webBuild } from "./support.mjs";

let server;
before(async () => { server = await serve(site); });
after(() => server?.close());

const kPhone = { width: 360, height: 740 };
const link = "?service=great-vespers&date=2026-12-12&calendar=old&patron=nicholas";
// The weekend of St. Nicholas in an old-calendar temple (19 December 2026 civil).
const weekend = [
  { service: "orthros", date: "2026-12-13", label: "Sun, Dec 13, 2026 - Orthros" },
  { service: "chrysostom", date: "2026-12-13", label: "Sun, Dec 13, 2026 - Divine Liturgy of St. John Chrysostom" },
];
const vespers = "Sat, Dec 12, 2026 - Great Vespers";

// What the phone's screen shows without scrolling.
const screen = () => {
  const inView = (selector) => {
    const box = document.querySelector(selector).getBoundingClientRect();
    return box.height > 0 && box.top >= 0 && box.bottom <= innerHeight;
  };
  return { scrolled: scrollY, width: innerWidth, dismissal: inView("#preview p"), add: inView("#add-to-booklet"),
    dateLine: document.querySelector("#preview p").textContent, said: document.querySelector("#request-said").textContent };
};
const entries = () => [...document.querySelectorAll("#booklet .entry-label")].map((entry) => entry.textContent);

async function journey(engine, url) {
  const phone = await engine.open(url + link, kPhone);
  try {
    const opened = await phone.run(screen);
    assert.deepEqual(opened, { scrolled: 0, width: 360, dismissal: true, add: true,
      dateLine: "Saturday, December 12, 2026", said: "" });
    // The module's .wasm is fetched once: no preload that the engine fails to match to it.
    assert.equal(await phone.run(() => performance.getEntriesByType("resource")
      .filter((entry) => entry.name.endsWith("/corvane.wasm")).length), 1, engine.name);

    // Three entries added from the one screen: each Add says what it added.
    await phone.click("#add-to-booklet");
    for (const entry of weekend) {
      await phone.choose("#service", entry.service);
      await phone.choose("#date", entry.date);
      await phone.click("#add-to-booklet");
      const now = await phone.run(screen);
      assert.equal(now.scrolled, 0, engine.name);
      assert.equal(now.dismissal && now.add, true, engine.name);
    }
    assert.equal((await phone.run(screen)).said,
      "Added to the booklet: Sun, Dec 13, 2026 - Divine Liturgy of St. John Chrysostom (3 services).");
    if (phone.screenshot) await phone.screenshot(join(webBuild, "screenshot-phone.png"));
    const three = [vespers, ...weekend.map((entry) => entry.label)];
    assert.deepEqual(await phone.run(entries), three);

    // Cleared by mistake, and brought back.
    await phone.click("#clear-booklet");
    assert.deepEqual(await phone.run(entries), []);
    assert.equal(await phone.run(() => document.querySelector("#booklet-said").textContent),
      "The booklet was cleared of its 3 services.");
    await phone.click("#undo");
    assert.deepEqual(await phone.run(entries), three);

    // Printed: one dismissal a page. The dialog itself is the browser's; the
    // pages are what the print styles lay out once the booklet is asked for.
    await phone.run(() => { window.print = () => { window.printed = true; }; });
    await phone.click("#print-booklet");
    assert.deepEqual(await phone.run(() => [window.printed, document.querySelectorAll("#print-sheet .dismissal").length]),
      [true, 3]);
    const pdf = await phone.pdf();
    if (pdf) assert.equal(pdfPageCount(pdf), 3, engine.name);
  } finally {
    await phone.close();
  }
}

for (const [name, start] of [["chromium", chromiumEngine], ["Firefox ESR", firefoxEngine], ["WebKit", () => webkitEngine(site)]]) {
  test(`the phone journey in ${name}: a link, the dismissal in view, a booklet built, undone and printed`, async () => {
    const engine = await start();
    try {
      await journey(engine, engine.url ?? server.url);
    } finally {
      await engine.close();
    }
  });
}
