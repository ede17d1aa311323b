// The page in Debian's chromium, headless, as a person uses it: the site
// served on 127.0.0.1 and the one-file page opened from disk; the form, the
// preview, the service-day warning, a downloaded document, offline use.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { pathToFileURL } from "node:url";

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

async function opened(url) {
  const page = await browser.newPage();
  const problems = [];
  page.on("pageerror", (error) => problems.push(error.message));
  await page.goto(url);
  await page.waitForSelector("html[data-ready=true]");
  return { page, problems };
}

// Chooses the temple, the service and the date through the form, as a person does.
async function fillForm(page, request) {
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

const request = { service: "great-vespers", date: "2026-12-18", calendar: "old", patron: "nicholas", bishop: true };

test("the served site: the form composes the preview corvane-cli composes, bold clauses bold", async () => {
  const { page, problems } = await opened(server.url);
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

  await page.setViewportSize({ width: 1280, height: 900 });
  await fillForm(page, request);
  await page.screenshot({ path: join(webBuild, "screenshot.png"), fullPage: true });
  // The system's dark mode darkens the page.
  const background = () => page.evaluate(() => getComputedStyle(document.documentElement).backgroundColor);
  const light = await background();
  await page.emulateMedia({ colorScheme: "dark" });
  assert.notEqual(await background(), light);
  await page.emulateMedia({ colorScheme: "light" });
  await page.setViewportSize({ width: 360, height: 740 });
  await page.screenshot({ path: join(webBuild, "screenshot-phone.png"), fullPage: true });
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), 360);
  assert.deepEqual(problems, []);
  await page.close();
});

test("the booklet: added in serving order, remembered, removed, downloaded as one document", async () => {
  const { page } = await opened(server.url);
  await fillForm(page, { service: "orthros", date: "2026-12-13" });
  await page.click("#add-to-booklet");
  await fillForm(page, { service: "great-vespers", date: "2026-12-12" });
  await page.click("#add-to-booklet");
  await page.click("#add-to-booklet");  // once only
  const labels = async () => (await page.$$eval("#booklet li", (items) =>
    items.map((item) => item.firstChild.textContent)));
  assert.deepEqual(await labels(), ["Sat, Dec 12, 2026 - Great Vespers", "Sun, Dec 13, 2026 - Orthros"]);
  await page.reload();
  await page.waitForSelector("html[data-ready=true]");
  assert.deepEqual(await labels(), ["Sat, Dec 12, 2026 - Great Vespers", "Sun, Dec 13, 2026 - Orthros"]);
  const [download] = await Promise.all([page.waitForEvent("download"), page.click("#booklet-docx")]);
  assert.equal(download.suggestedFilename(), "booklet-2026-12-12-to-2026-12-13.docx");
  await page.click("#booklet li button[aria-label^='Remove Sun']");
  assert.deepEqual(await labels(), ["Sat, Dec 12, 2026 - Great Vespers"]);
  await page.click("#clear-booklet");
  assert.deepEqual(await labels(), []);
  await page.close();
});

test("bad input's message instead of a preview; the service-day warning above the preview", async () => {
  const { page } = await opened(server.url);
  await fillForm(page, { ...request, patronText: "   " });
  assert.equal(await page.textContent("#problem"),
    "--patron-text: the patron phrase is empty; type the patron's name");
  assert.equal(await page.textContent("#preview"), "");
  assert.equal(await page.isDisabled("#download-docx"), true);

  const sunday = { service: "presanctified", date: "2026-03-01" };
  await fillForm(page, sunday);
  assert.equal(await page.isVisible("#warning"), true);
  const { warning } = JSON.parse(runCli([...cliArgs(sunday), "--json"]).toString("utf8"));
  assert.match(warning, /Sunday, March 1, 2026/);
  assert.equal(await page.textContent("#warning"), warning);
  await fillForm(page, { service: "presanctified", date: "2026-03-04" });
  assert.equal(await page.isHidden("#warning"), true);
  await page.close();
});

test("the downloaded .docx holds the native parts, dated 1 January 1980, in order", async () => {
  const { page } = await opened(server.url);
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
  const { page } = await opened(server.url);
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

test("the one-file page works opened from disk", async () => {
  const { page, problems } = await opened(pathToFileURL(join(webBuild, "corvane.html")).href);
  const typed = { service: "chrysostom", evening: true, date: "2026-04-08", patronText: "of St. Herman of Alaska" };
  await fillForm(page, typed);
  assert.deepEqual(await previewLines(page), nativeText(typed));
  await assert.rejects(page.evaluate(() => window.corvane.compose({ service: "vesper", date: "2026-01-01" })),
    /--service: unknown service 'vesper'/);
  assert.deepEqual(problems, []);
  await page.close();
});
