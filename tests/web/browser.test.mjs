// The page in Debian's chromium, headless, as a person uses it: the site
// served on 127.0.0.1 and the one-file page opened from disk; the form, the
// preview, the service-day warning, a downloaded document, offline use, the
// link that opens a day, fingers' targets, an accessibility engine, and the
// ten-file site opened from disk. The phone journey runs in every engine in
// journey.test.mjs.
import assert from "node:assert/strict";
import { existsSync, readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath, pathToFileURL } from "node:url";

import { assertSameParts, cliArgs, launchChromium, runCli, scratch, serve, site, webBuild, zipDates, zipEntries } from "./support.mjs";

let browser;
let server;
before(async () => {
  browser = await launchChromium();
  server = await serve(site);
});
after(async () => {
  await browser?.close();
  server?.close();
});

// The page opened at `address` (a link's query, or a whole URL), the browser
// keeping only `stored` (the temple, the booklet), its clock at `now` if given.
async function opened(address = "", { stored = {}, now, viewport } = {}) {
  const page = await browser.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  if (viewport) await page.setViewportSize(viewport);
  if (now) await page.clock.setFixedTime(now);
  const url = /^[a-z]+:/.test(address) ? address : server.url + address;
  if (url.startsWith("http")) {
    await page.goto(`${server.url}corvane.svg`);
    await page.evaluate((items) => {
      localStorage.clear();
      for (const [key, value] of Object.entries(items)) localStorage.setItem(key, value);
    }, stored);
  }
  await page.goto(url);
  await page.waitForSelector("html[data-ready=true]");
  return { page, problems };
}

// The temple's settings unfolded from their summary line, where they are folded.
async function openTemple(page) {
  if (!(await page.$eval("#temple", (temple) => temple.open))) await page.click("#temple summary");
}

// Chooses the temple, the service and the date through the form, as a person does.
async function fillForm(page, request) {
  await openTemple(page);
  await page.selectOption("#patron", request.patronText === undefined ? request.patron ?? "trinity" : "typed");
  if (request.patronText !== undefined) await page.fill("#patron-text", request.patronText);
  await page.setChecked("#bishop", request.bishop ?? false);
  await page.selectOption("#calendar", request.calendar ?? "new");
  await page.selectOption("#service", request.service);
  if (request.evening !== undefined) await page.setChecked("#evening", request.evening);
  await page.fill("#date", request.date);
}

// The preview's lines as the native text: date line, heading, sentence, ending.
function nativeText(request) {
  return runCli(cliArgs(request)).toString("utf8").trim().split("\n").filter(Boolean);
}
async function previewLines(page) {
  return (await page.innerText("#preview")).split("\n").map((line) => line.trim()).filter(Boolean);
}
const bookletLabels = (page) => page.$$eval("#booklet .entry-label", (labels) => labels.map((label) => label.textContent));

const request = { service: "great-vespers", date: "2026-12-18", calendar: "old", patron: "nicholas", bishop: true };

test("the served site: the form composes the preview corvane-cli composes, bold clauses bold", async () => {
  const { page, problems } = await opened();
  assert.equal(await page.getAttribute("html", "lang"), "en");
  await fillForm(page, request);
  assert.deepEqual(await previewLines(page), nativeText(request));
  const bold = await page.$$eval("#preview p:nth-child(4) strong", (runs) => runs.map((run) => run.textContent));
  assert.ok(bold.some((text) => text.includes("Nicholas")), bold.join(" | "));
  assert.equal(await page.isHidden("#problem"), true);

  // Copy gives the clipboard the bold clauses as HTML and the plain text.
  await page.evaluate(() => window.addEventListener("copy", (event) => {
    window.copied = { html: event.clipboardData.getData("text/html"), text: event.clipboardData.getData("text/plain") };
  }));
  await page.click("#copy");
  const copied = await page.evaluate(() => window.copied);
  assert.match(copied.html, /<strong>[^<]*Nicholas the Wonderworker/);
  assert.deepEqual(copied.text.split("\n").filter(Boolean), nativeText(request));

  // Printed, the page is the dismissal alone, in the document's serif.
  await page.emulateMedia({ media: "print" });
  assert.equal(await page.isVisible("#form"), false);
  assert.equal(await page.isVisible("#download-docx"), false);
  assert.match(await page.$eval("#preview", (preview) => getComputedStyle(preview).fontFamily), /Palatino/);
  const pdf = (await page.pdf({ preferCSSPageSize: true })).toString("latin1");
  const [, width, height] = pdf.match(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\]/);
  assert.ok(Number(width) > Number(height), `a landscape page, not ${width} by ${height}`);
  await page.emulateMedia({ media: "screen" });

  // Every control of the form is labelled.
  const unlabelled = await page.$$eval("input, select, textarea", (controls) =>
    controls.filter((control) => control.labels.length === 0).map((control) => control.id));
  assert.deepEqual(unlabelled, []);

  // The evening question only for the two Liturgies.
  await page.selectOption("#service", "basil");
  assert.equal(await page.isVisible("#evening"), true);
  await page.selectOption("#service", "orthros");
  assert.equal(await page.isVisible("#evening"), false);
  assert.equal(await page.isVisible("#date-note-orthros"), true);

  // Justified where lines are long, left-aligned on a phone; hyphenated in English.
  const alignment = () => page.$eval("#preview", (preview) => getComputedStyle(preview).textAlign);
  await page.setViewportSize({ width: 1280, height: 900 });
  assert.equal(await alignment(), "justify");
  assert.equal(await page.$eval("#preview", (preview) => getComputedStyle(preview).hyphens), "auto");
  await fillForm(page, request);
  await page.screenshot({ path: join(webBuild, "screenshot.png"), fullPage: true });
  // The system's dark mode darkens the page.
  const background = () => page.evaluate(() => getComputedStyle(document.documentElement).backgroundColor);
  const light = await background();
  await page.emulateMedia({ colorScheme: "dark" });
  assert.notEqual(await background(), light);
  await page.emulateMedia({ colorScheme: "light" });
  await page.setViewportSize({ width: 360, height: 740 });
  assert.equal(await alignment(), "left");
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360);
  assert.deepEqual(problems, []);
  await page.close();
});

// A Sunday of Lent, whose Presanctified Liturgy is not appointed; an Evening
// Liturgy of St. Basil, beside which the Vesperal note stands.
const sundayPresanctified = { service: "presanctified", date: "2026-03-01" };
const eveningBasil = { service: "basil", evening: true, date: "2026-12-23" };

test("the booklet: in serving order, marked, remembered, removed and brought back, downloaded", async () => {
  const { page } = await opened();
  for (const entry of [{ service: "orthros", date: "2026-12-13" }, { service: "great-vespers", date: "2026-12-12" },
    sundayPresanctified, eveningBasil]) {
    await fillForm(page, entry);
    await page.click("#add-to-booklet");
  }
  await page.click("#add-to-booklet");  // once only
  assert.equal(await page.textContent("#request-said"),
    "Wed, Dec 23, 2026 - Evening Divine Liturgy of St. Basil the Great is in the booklet already.");
  const all = ["Sun, Mar 01, 2026 - Liturgy of the Presanctified Gifts", "Sat, Dec 12, 2026 - Great Vespers",
    "Sun, Dec 13, 2026 - Orthros", "Wed, Dec 23, 2026 - Evening Divine Liturgy of St. Basil the Great"];
  assert.deepEqual(await bookletLabels(page), all);

  // The entry whose day appoints another service carries the mark and the
  // warning's sentence; the evening Liturgy of St. Basil the Vesperal note.
  const { warning } = JSON.parse(runCli([...cliArgs(sundayPresanctified), "--json"]).toString("utf8"));
  const rows = await page.$$eval("#booklet li", (items) => items.map((item) => ({
    marked: item.querySelector(".mark") !== null,
    warning: item.querySelector(".entry-warning")?.textContent ?? null,
    vesperal: item.querySelector(".vesperal")?.textContent ?? null,
  })));
  assert.deepEqual(rows.map((row) => row.marked), [true, false, false, false]);
  assert.equal(rows[0].warning, `Warning: ${warning}`);
  assert.deepEqual(rows.map((row) => row.vesperal !== null), [false, false, false, true]);
  assert.match(rows[3].vesperal, /Vesperal Liturgy .* is the Divine Liturgy of St\. Basil the Great, without the evening choice/);

  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  assert.deepEqual(await bookletLabels(page), all);
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#booklet-docx")]);
  assert.equal(download.suggestedFilename(), "booklet-2026-03-01-to-2026-12-23.docx");

  // Removed, then undone with Ctrl+Z; the Undo button says so too.
  await page.click("#booklet li button[aria-label^='Remove Sun, Dec 13']");
  assert.deepEqual(await bookletLabels(page), [all[0], all[1], all[3]]);
  assert.equal(await page.textContent("#booklet-said"), "Removed from the booklet: Sun, Dec 13, 2026 - Orthros.");
  assert.equal(await page.isVisible("#undo"), true);
  await page.keyboard.press("Control+z");
  assert.deepEqual(await bookletLabels(page), all);
  assert.equal(await page.textContent("#booklet-said"), "The booklet holds its 4 services again.");
  await page.click("#clear-booklet");
  assert.deepEqual(await bookletLabels(page), []);
  await page.close();
});

test("bad input is said in words, never with a command-line option; the warning above the preview", async () => {
  const { page } = await opened();
  const optionNames = async () => (await page.innerText("body")).match(/--[a-z]/g);
  await fillForm(page, { ...request, patronText: "   " });
  assert.equal(await page.textContent("#problem"), "Type the patron's name, or choose one from the list.");
  assert.equal(await page.textContent("#preview"), "");
  assert.equal(await page.isDisabled("#download-docx"), true);
  await fillForm(page, { ...request, date: "" });
  assert.equal(await page.textContent("#problem"), "Pick a date between 1583 and 9999.");
  assert.equal(await optionNames(), null);
  // Scripts keep the command line's own message.
  await assert.rejects(page.evaluate(() => window.corvane.compose({ service: "orthros", date: "" })),
    /--date: '' is not a date of the form YYYY-MM-DD/);

  await fillForm(page, sundayPresanctified);
  assert.equal(await page.isVisible("#warning"), true);
  const { warning } = JSON.parse(runCli([...cliArgs(sundayPresanctified), "--json"]).toString("utf8"));
  assert.match(warning, /Sunday, March 1, 2026/);
  assert.equal(await page.textContent("#warning"), warning);
  await fillForm(page, { service: "presanctified", date: "2026-03-04" });
  assert.equal(await page.isHidden("#warning"), true);
  await page.close();
});

test("the typed patron is one line: Enter adds no line break, a pasted one and a kept one become blanks", async () => {
  const kept = { calendar: "new", bishop: false, patron: "typed", patronText: "  of St. Herman\r\nof\tAlaska\u0007 " };
  const { page } = await opened("", { stored: { "corvane.temple": JSON.stringify(kept) } });
  await openTemple(page);
  assert.equal(await page.inputValue("#patron-text"), "of St. Herman of Alaska");
  await page.fill("#patron-text", "of St. Herman");
  await page.press("#patron-text", "Enter");
  await page.evaluate(() => {
    const pasted = new DataTransfer();
    pasted.setData("text/plain", "\r\nof\nAlaska");
    document.querySelector("#patron-text").dispatchEvent(new ClipboardEvent("paste", { clipboardData: pasted, cancelable: true }));
  });
  assert.equal(await page.inputValue("#patron-text"), "of St. Herman of Alaska");
  assert.match(await page.innerText("#preview"), /fathers; of St\. Herman of Alaska; of the holy/);
  await page.close();
});

test("a link opens the day: every field read and written, today and tomorrow, bad values said", async () => {
  const now = new Date("2026-12-12T12:00:00");  // a Saturday
  const form = (page) => page.evaluate(() => Object.fromEntries(
    ["service", "date", "calendar", "patron", "patron-text"].map((id) => [id, document.getElementById(id).value])
      .concat(["bishop", "evening"].map((id) => [id, document.getElementById(id).checked]))));
  const blank = { service: "great-vespers", date: "2026-12-12", calendar: "new", patron: "trinity", "patron-text": "",
    bishop: false, evening: false };

  // Every field read, and written back in the same form.
  const full = "?service=basil&date=2026-12-24&calendar=old&patron=nicholas&bishop=1&evening=1";
  let { page } = await opened(full, { now });
  assert.deepEqual(await form(page), { ...blank, service: "basil", date: "2026-12-24", calendar: "old", patron: "nicholas",
    bishop: true, evening: true });
  assert.deepEqual(await previewLines(page), nativeText({ service: "basil", date: "2026-12-24", calendar: "old",
    patron: "nicholas", bishop: true, evening: true }));
  assert.equal(await page.evaluate(() => location.search), full);
  const entries = await page.evaluate(() => history.length);
  await openTemple(page);
  await page.selectOption("#patron", "typed");
  await page.fill("#patron-text", "of St. Herman of Alaska");
  await page.selectOption("#service", "chrysostom");
  await page.setChecked("#evening", false);
  assert.equal(await page.evaluate(() => location.search),
    "?service=chrysostom&date=2026-12-24&calendar=old&patron-text=of+St.+Herman+of+Alaska&bishop=1");
  assert.equal(await page.evaluate(() => history.length), entries);
  await page.close();

  // After "#" as well; "today" and "tomorrow" by the clock, kept in the address while they hold.
  const links = [
    ["#service=orthros&date=2026-12-13", { service: "orthros", date: "2026-12-13" }],
    ["?service=orthros&date=tomorrow", { service: "orthros", date: "2026-12-13" }],
    ["?date=TODAY&patron-text=of+St.+Herman", { date: "2026-12-12", patron: "typed", "patron-text": "of St. Herman" }],
  ];
  for (const [link, shown] of links) {
    ({ page } = await opened(link, { now }));
    assert.deepEqual(await form(page), { ...blank, ...shown }, link);
    await page.close();
  }
  ({ page } = await opened("?service=orthros&date=tomorrow", { now }));
  await page.selectOption("#service", "daily-orthros");
  assert.equal(await page.evaluate(() => location.search), "?service=daily-orthros&date=tomorrow&calendar=new&patron=trinity");
  await page.close();

  // A bad value is said in words and left out; the rest of the link applies.
  const rest = "The rest of the link is used.";
  const bad = [
    ["?service=vesper&date=2026-12-13&calendar=old", { date: "2026-12-13", calendar: "old" },
      "The link's service “vesper” was not used: choose the service from the list."],
    ["?service=orthros&date=2026-02-30", { service: "orthros" },
      "The link's date “2026-02-30” was not used: pick a date between 1583 and 9999."],
    ["?date=1200-01-01&calendar=julian&patron=nicholas", { patron: "nicholas" },
      "The link's date “1200-01-01” was not used: pick a date between 1583 and 9999. The link's calendar “julian” was not used: choose the new or the old calendar."],
    ["?patron=nicolas&bishop=1", { bishop: true },
      "The link's patron “nicolas” was not used: choose the patron from the list, or type the patron's name."],
    ["?patron-text=%20%0A%20&calendar=old", { calendar: "old" },
      "The link's typed patron “ \n ” was not used: type the patron's name, or choose one from the list."],
    ["?service=orthros&evening=1", { service: "orthros" },
      "The link's evening choice “1” was not used: only the Divine Liturgies of St. John Chrysostom and of St. Basil the Great are served in the evening."],
    ["?service=basil&evening=yes&bishop=maybe", { service: "basil", evening: true },
      "The link's bishop choice “maybe” was not used: give 1 for yes or 0 for no."],
    ["?patron=nicholas&patron-text=of+St.+Herman", { patron: "typed", "patron-text": "of St. Herman" },
      "The link's patron “nicholas” was not used: the link names a typed patron as well, which is used."],
  ];
  for (const [link, shown, said] of bad) {
    ({ page } = await opened(link, { now }));
    assert.deepEqual(await form(page), { ...blank, ...shown }, link);
    assert.equal(await page.textContent("#link-problem"), `${said} ${rest}`);
    assert.equal(await page.isHidden("#problem"), true, link);
    await page.close();
  }
});

test("a link's temple is shown for the visit and kept only when the person changes it", async () => {
  const temple = JSON.stringify({ calendar: "new", bishop: true, patron: "forerunner", patronText: "" });
  const stored = { "corvane.temple": temple };
  const link = "?service=orthros&date=2026-12-19&calendar=old&patron=nicholas";
  let { page } = await opened(link, { stored });
  assert.equal(await page.textContent("#temple-summary"), "St. Nicholas of Myra · old calendar");
  assert.equal(await page.evaluate(() => localStorage.getItem("corvane.temple")), temple);
  await page.goto(server.url);
  await page.waitForSelector("html[data-ready=true]");
  assert.equal(await page.textContent("#temple-summary"), "St. John the Forerunner · new calendar · with a bishop");
  await page.close();

  // Changed by the person, the temple shown is the one kept.
  ({ page } = await opened(link, { stored }));
  await openTemple(page);
  await page.setChecked("#bishop", true);
  assert.deepEqual(JSON.parse(await page.evaluate(() => localStorage.getItem("corvane.temple"))),
    { calendar: "old", bishop: true, patron: "nicholas", patronText: "" });
  await page.close();
});

test("Share hands the link to the system's sharing, or copies it and says so", async () => {
  const link = "?service=orthros&date=2026-12-13&calendar=old&patron=nicholas";
  let { page } = await opened(link);
  await page.evaluate(() => { navigator.share = async (shared) => { window.shared = shared; }; });
  await page.click("#share");
  assert.equal(await page.evaluate(() => window.shared.url), server.url + link);
  await page.close();

  ({ page } = await opened(link));
  await browser.grantPermissions(["clipboard-read", "clipboard-write"], { origin: server.url.slice(0, -1) });
  await page.click("#share");
  assert.equal(await page.textContent("#request-said"), "The link is copied: paste it where it is to be shared.");
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), server.url + link);
  await page.close();
});

// Every control shown, with the temple open, a typed patron, the evening
// question, a booklet and its Undo.
// A commemorations.txt chosen in the system's file dialog.
async function importCommemorations(page, bytes) {
  const [chooser] = await Promise.all([page.waitForEvent("filechooser"), page.click("#import-commemorations")]);
  await chooser.setFiles({ name: "commemorations.txt", mimeType: "text/plain", buffer: Buffer.from(bytes) });
}
const kOurs = "\uFEFF# ours\r\n12-13 of our venerable father Herman, wonderworker of Alaska\r\n02-30 of no one\r\n";

async function everythingShown(page) {
  const typed = { patronText: "of St. Herman" };
  // The commemorations with a line that cannot be read, and a refused one.
  await openTemple(page);
  await importCommemorations(page, kOurs);
  await page.waitForSelector("#undo-commemoration:not([hidden])");
  await page.fill("#commemoration-day", "13-13");
  await page.click("#add-commemoration");
  await fillForm(page, { ...typed, ...eveningBasil });
  await page.click("#add-to-booklet");
  await fillForm(page, { ...typed, ...sundayPresanctified });
  await page.click("#add-to-booklet");
  await page.click("#add-to-booklet");
  await fillForm(page, { ...typed, service: "orthros", date: "2026-12-13" });
  await page.click("#add-to-booklet");
  await fillForm(page, { ...typed, service: "basil", date: "2026-12-24" });
  await page.click("#booklet li:nth-child(2) button");
}

test("our own commemorations: imported, named, changed in the form, kept, exported byte for byte", async () => {
  const { page, problems } = await opened();
  await openTemple(page);
  assert.equal(await page.isVisible("#commemorations-empty"), true);
  assert.equal(await page.isDisabled("#export-commemorations"), true);
  await importCommemorations(page, kOurs);
  await page.waitForSelector("#undo-commemoration:not([hidden])");
  assert.equal(await page.textContent("#commemorations-said"), "Imported commemorations.txt: 1 commemoration.");
  assert.equal(await page.textContent("#commemorations-problem"),
    "commemorations.txt:3: '02-30' is not a day of the year. The line is kept as it stands; the other commemorations apply.");
  const rows = () => page.$$eval("#commemorations-list li", (items) => items.map((item) => item.innerText.replace(/\s+/g, " ").trim()));
  assert.deepEqual(await rows(), [
    "12-13 of our venerable father Herman, wonderworker of Alaska Remove",
    "02-30 of no one Remove This line cannot be read: '02-30' is not a day of the year.",
  ]);
  assert.match(await page.textContent("#temple-summary"), / · 1 own commemoration$/);

  // Named in the preview as corvane-cli names it, and in Why? by its line.
  await fillForm(page, { service: "orthros", date: "2025-12-13" });
  assert.match(await page.innerText("#preview"),
    /Orestes, and of our venerable father Herman, wonderworker of Alaska, whose memories we celebrate this day, and of all the saints/);
  await page.click("#why");
  assert.match(await page.textContent("#why-text"), /local commemoration \(commemorations\.txt:2\)/);

  // Exported as it was imported, byte for byte.
  const exported = async () => {
    const [download] = await Promise.all([page.waitForEvent("download"), page.click("#export-commemorations")]);
    assert.equal(download.suggestedFilename(), "commemorations.txt");
    return readFileSync(await download.path());
  };
  assert.ok((await exported()).equals(Buffer.from(kOurs)));

  // The small form: a refused day said, an added one, a removed one and Undo.
  await page.fill("#commemoration-day", "13-13");
  await page.fill("#commemoration-phrase", "of St. Herman");
  await page.click("#add-commemoration");
  assert.equal(await page.textContent("#commemoration-refused"), "'13-13' is not a day of the year");
  await page.fill("#commemoration-day", "P+63");
  await page.fill("#commemoration-phrase", "of all the saints of our land");
  await page.press("#commemoration-phrase", "Enter");
  assert.equal(await page.isHidden("#commemoration-refused"), true);
  assert.equal(await page.textContent("#commemorations-said"), "Added: P+63 of all the saints of our land.");
  await page.click("[aria-label='Remove 02-30 of no one']");
  assert.equal(await page.isHidden("#commemorations-problem"), true);
  assert.ok((await exported()).equals(Buffer.from(
    "\uFEFF# ours\r\n12-13 of our venerable father Herman, wonderworker of Alaska\r\nP+63 of all the saints of our land\r\n")));
  await page.click("#undo-commemoration");
  assert.equal((await rows()).length, 3);

  // Kept in the browser; a file that is not UTF-8 changes nothing.
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  await openTemple(page);
  assert.equal((await rows()).length, 3);
  await importCommemorations(page, [0x31, 0x32, 0x2d, 0x31, 0x33, 0x20, 0xff, 0x0a]);
  await page.waitForSelector("#commemoration-refused:not([hidden])");
  assert.equal(await page.textContent("#commemoration-refused"),
    "commemorations.txt is not UTF-8 text: save it as UTF-8 and import it again. The list kept here is unchanged.");
  assert.equal((await rows()).length, 3);
  assert.deepEqual(problems, []);
  await page.close();
});

test("made for fingers: every control and its label 44 px tall, checkboxes 24 px, apart from each other", async () => {
  const { page } = await opened("", { viewport: { width: 360, height: 740 } });
  await everythingShown(page);
  const targets = await page.$$eval("button, select, input, summary, label", (elements) => elements
    .filter((element) => element.getClientRects().length > 0)
    .map((element) => {
      const { left, top, right, bottom, width, height } = element.getBoundingClientRect();
      const control = element.control ?? element;
      return { id: control.id || element.getAttribute("aria-label") || element.textContent.trim(), tag: element.tagName, type: element.type ?? "", left, top, right, bottom, width, height };
    }));
  assert.ok(targets.length >= 25, `${targets.length} targets`);
  for (const target of targets) {
    const least = target.type === "checkbox" ? 24 : 44;
    assert.ok(target.height >= least && target.width >= least, `${target.tag} ${target.id}: ${target.width} × ${target.height}`);
  }
  // Targets of different controls never touch: at least 4 px between them.
  const apart = (a, b) => Math.max(b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom);
  for (const [i, a] of targets.entries()) {
    for (const b of targets.slice(i + 1)) {
      if (a.id !== b.id) assert.ok(apart(a, b) >= 4, `${a.tag} ${a.id} and ${b.tag} ${b.id}: ${apart(a, b)} px apart`);
    }
  }
  // A change made with the temple open brings the dismissal's first line on screen.
  await page.evaluate(() => window.scrollTo(0, 0));
  assert.ok(await page.$eval("#preview p", (line) => line.getBoundingClientRect().top > innerHeight));
  await page.selectOption("#calendar", "old");
  assert.ok(await page.$eval("#preview p", (line) => line.getBoundingClientRect().bottom <= innerHeight));
  await page.close();
});

const axeSource = readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

test("axe-core finds no violation of WCAG 2.2 AA or its best practices, on a phone and a desktop, light and dark", async () => {
  for (const viewport of [{ width: 360, height: 740 }, { width: 1280, height: 800 }]) {
    for (const colorScheme of ["light", "dark"]) {
      const { page } = await opened("", { viewport });
      await page.emulateMedia({ colorScheme });
      await everythingShown(page);
      await fillForm(page, { patronText: "of St. Herman", ...sundayPresanctified });
      assert.equal(await page.isVisible("#warning"), true);
      assert.equal(await page.locator("#booklet .entry-warning").count(), 1);
      await page.addScriptTag({ content: axeSource });
      const violations = await page.evaluate(async () => (await window.axe.run(document, {
        runOnly: { type: "tag", values: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"] },
      })).violations.map((violation) => `${violation.id}: ${violation.nodes.map((node) => node.target).join(", ")}`));
      assert.deepEqual(violations, [], `${viewport.width} × ${viewport.height}, ${colorScheme}`);
      assert.equal(await page.getAttribute("#preview", "role"), "document");
      await page.close();
    }
  }
});

test("the downloaded .docx holds the native parts, dated 1 January 1980, in order", async () => {
  const { page } = await opened();
  await fillForm(page, request);
  await page.selectOption("#paper", "a4");
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#download-docx")]);
  assert.equal(download.suggestedFilename(), "dismissal-2026-12-18-great-vespers.docx");
  const saved = readFileSync(await download.path());
  const folder = scratch();
  const native = join(folder, "native.docx");
  runCli([...cliArgs(request), "--paper", "a4", "--docx", native]);
  const entries = zipEntries(saved);
  assertSameParts(entries, readFileSync(native));
  const firstOfJanuary1980 = { time: 0, date: (0 << 9) | (1 << 5) | 1 };
  assert.deepEqual(zipDates(saved), entries.map(() => firstOfJanuary1980));

  const [text] = await Promise.all([page.waitForEvent("download"), page.click("#download-txt")]);
  runCli([...cliArgs(request), "--txt", join(folder, "native.txt")]);
  assert.equal(text.suggestedFilename(), "dismissal-2026-12-18-great-vespers.txt");
  assert.ok(readFileSync(await text.path()).equals(readFileSync(join(folder, "native.txt"))));
  await page.close();
});

test("offline: after the first visit the page reloads and composes with the network cut", async () => {
  const { page } = await opened();
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();  // now under the worker
  await page.waitForSelector("html[data-ready=true]");
  await browser.setOffline(true);
  try {
    await page.reload();
    await page.waitForSelector("html[data-ready=true]");
    const composed = await page.evaluate(() => window.corvane.compose({ service: "orthros", date: "2025-04-20" }));
    assert.equal(composed.dayTitle, "Holy Pascha");
    await fillForm(page, request);
    assert.deepEqual(await previewLines(page), nativeText(request));
  } finally {
    await browser.setOffline(false);
  }
  await page.close();
});

test("the one-file page works opened from disk; the ten-file site says at once that it needs a server", async () => {
  const { page, problems } = await opened(pathToFileURL(join(webBuild, "corvane.html")).href);
  const typed = { service: "chrysostom", evening: true, date: "2026-04-08", patronText: "of St. Herman of Alaska" };
  await fillForm(page, typed);
  assert.deepEqual(await previewLines(page), nativeText(typed));
  assert.equal(await page.isHidden("#needs-server"), true);
  await assert.rejects(page.evaluate(() => window.corvane.compose({ service: "vesper", date: "2026-01-01" })),
    /--service: unknown service 'vesper'/);
  assert.deepEqual(problems, []);
  await page.close();

  const disk = await browser.newPage();
  await disk.goto(pathToFileURL(join(site, "index.html")).href);
  await disk.waitForSelector("#needs-server", { state: "visible" });
  assert.match(await disk.textContent("#needs-server"), /needs a web server/);
  const target = await disk.$eval("#needs-server a", (link) => link.href);
  assert.equal(target, pathToFileURL(join(webBuild, "corvane.html")).href);
  assert.ok(existsSync(fileURLToPath(target)));
  await disk.close();
});
