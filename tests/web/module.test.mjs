// The module under node: the text of tests/data/cli, known byte for byte,
// and bad input answered with corvane-cli's own messages.
import assert from "node:assert/strict";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

import { cliArgs, cliFailure, composeWith, loadModule, runCli, scratch, testData } from "./support.mjs";

const module = await loadModule();

// Every date from `from` to `to`, as YYYY-MM-DD.
function* dates(from, to) {
  for (let day = new Date(`${from}T00:00:00Z`); day <= new Date(`${to}T00:00:00Z`);
    day.setUTCDate(day.getUTCDate() + 1)) {
    yield day.toISOString().slice(0, 10);
  }
}

test("lays out the known text as corvane-cli prints it", () => {
  const expected = readFileSync(join(testData, "cli", "daily-vespers-2026.txt"), "utf8");
  const texts = [...dates("2026-03-25", "2026-06-10")].map((date) => module.preview({
    service: "daily-vespers", date, patronText: 'of "St." Herman \\ of Alaska, Ἀθανάσιος',
  }).plainText);
  assert.equal(`${texts.join("\n\n")}\n`, expected);
});

const services = "great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, presanctified";
const noService = `--service: give the service (one of ${services}), or --booklet FILE`;
const good = { service: "orthros", date: "2026-01-01" };

// Requests no command line can type, with the message corvane-cli would give.
const untypable = [
  [{}, noService], [null, noService], ["orthros", noService],
  [{ ...good, service: 42 }, `--service: unknown service '42' (one of ${services})`],
  [{ service: "orthros" }, "--date: give the date on which the service is served, as YYYY-MM-DD"],
];
// Bad requests as options: the message is the one corvane-cli prints.
const typable = [
  { ...good, service: "vesper" }, { ...good, evening: true }, { ...good, date: "2026-02-30" },
  { ...good, date: "9999-12-31" }, { ...good, patron: "nicholas", patronText: "of St. Herman" },
  { ...good, patron: "nicolas" }, { ...good, patronText: " \r\n\t " }, { ...good, calendar: "" },
];

test("answers bad input with the command line's message, and goes on composing", () => {
  for (const [request, message] of untypable) {
    assert.throws(() => composeWith(module, request), { message }, JSON.stringify(request));
  }
  for (const request of typable) {
    const { status, err } = cliFailure(cliArgs(request));
    assert.equal(status, 2, JSON.stringify(request));
    assert.throws(() => composeWith(module, request), { message: err.replace(/^corvane-cli: |\n$/g, "") });
  }
  assert.equal(composeWith(module, good).date, "2026-01-01");
});

test("reads names in any letter case and a typed patron cleaned as the program cleans it", () => {
  const typed = composeWith(module, { ...good, service: "OrThRoS", calendar: "OLD",
    patronText: "\r\n  of St. Herman\r\nof Alaska \u0007\t " });
  assert.match(typed.dismissalText, /of St\. Herman of Alaska;/);
  assert.doesNotMatch(typed.dismissalText, /\u0007|\r|\n/);
  // Every character that would break or reverse a line: one line, as corvane-cli composes it.
  const request = { ...good, patronText: "\r\n of St.\u202E Herman\r\nof\rAlaska\n\tthe\u0085Wonderworker" +
    "\u2028of\u2029all\u061C\u200E\u200F\u202A\u202B\u202C\u202D\u2066\u2067\u2068\u2069 America \t" };
  const { dismissalText } = composeWith(module, request);
  assert.ok(dismissalText.includes("; of St. Herman of Alaska  the Wonderworker of all America; "), dismissalText);
  assert.equal(dismissalText, JSON.parse(runCli([...cliArgs(request), "--json"])).dismissalText);
});

test("reads back what the page keeps: a booklet list as requests in its order, a typed phrase cleaned", () => {
  const list = "# kept by the page\n2026-12-23 BASIL Evening\n2026-12-12 great-vespers\n\n2026-12-24 basil\n";
  assert.deepEqual(module.bookletRequests(list).entries, [
    {
      service: "basil", date: "2026-12-23", evening: true,
      vesperalNote: "NOTE: The Vesperal Liturgy of Holy Thursday, Holy Saturday and the Paramons of " +
        "Nativity and Theophany is the Divine Liturgy of St. Basil the Great, without the evening choice.",
    },
    { service: "great-vespers", date: "2026-12-12", evening: false, vesperalNote: "" },
    { service: "basil", date: "2026-12-24", evening: false, vesperalNote: "" },
  ]);
  assert.match(module.bookletRequests("2026-12-12 vesper\n").error, /^booklet:1: unknown service 'vesper'/);
  assert.equal(module.typedPhrase(" \t of St. Herman\u0007 of Alaska \r\n"), "of St. Herman of Alaska");
});

// The parish's own commemorations: the text of a commemorations.txt, read and
// composed as corvane-cli reads the same file, and changed as the desktop's
// editor changes it, every other line kept as it stands.
const kOurs = "\uFEFF# ours\r\n12-13 of our venerable father Herman, wonderworker of Alaska\r\n" +
  "02-30 of no one\r\nP-7 of the holy Palm-bearers\r\n";
const textOf = (view) => (view.byteOrderMark ? "\uFEFF" : "") + view.text;

test("composes with the page's commemorations as corvane-cli composes with the file", () => {
  const folder = scratch();
  const file = join(folder, "commemorations.txt");
  writeFileSync(file, kOurs);
  for (const request of [{ service: "orthros", date: "2025-12-13" }, { service: "great-vespers", date: "2026-04-04" },
    { service: "orthros", date: "2025-12-26", calendar: "old" }]) {
    const args = [...cliArgs(request), "--commemorations", file, "--json"];
    const native = JSON.parse(runCli(args).toString("utf8"));
    assert.deepEqual(composeWith(module, { ...request, commemorations: kOurs }), native, JSON.stringify(request));
  }
  assert.match(composeWith(module, { service: "orthros", date: "2025-12-13", commemorations: kOurs }).dismissalText,
    /Orestes, and of our venerable father Herman, wonderworker of Alaska, whose memories we celebrate this day, and of all/);
  // Why? names the line, and what a commemoration gave way to.
  assert.match(module.explain({ service: "orthros", date: "2025-12-13", commemorations: kOurs }).text,
    /\(saints of 13 December and local commemoration \(commemorations\.txt:2\)\)\n/);
  assert.match(module.explain({ service: "orthros", date: "2026-04-05", commemorations: kOurs }).text,
    /\nGave way to Palm Sunday: local commemoration \(commemorations\.txt:4\)\n$/);
});

test("changes the commemorations as the desktop's editor does, the rest of the file as it stands", () => {
  const view = module.commemorationsView(kOurs);
  assert.equal(textOf(view), kOurs);
  assert.deepEqual(view.rows, [
    { day: "12-13", phrase: "of our venerable father Herman, wonderworker of Alaska", problem: "" },
    { day: "02-30", phrase: "of no one", problem: "'02-30' is not a day of the year" },
    { day: "P-7", phrase: "of the holy Palm-bearers", problem: "" },
  ]);
  assert.deepEqual(view.problems, ["commemorations.txt:3: '02-30' is not a day of the year"]);

  const added = module.commemorationsAdd(kOurs, " p+63 ", "of all the saints\tof our land ");
  assert.equal(textOf(added), `${kOurs}P+63 of all the saints of our land\r\n`);
  assert.equal(textOf(module.commemorationsRemove(textOf(added), 1)),
    "\uFEFF# ours\r\n12-13 of our venerable father Herman, wonderworker of Alaska\r\nP-7 of the holy Palm-bearers\r\n" +
    "P+63 of all the saints of our land\r\n");
  assert.equal(textOf(module.commemorationsRemove(kOurs, 9)), kOurs);
  assert.deepEqual(module.commemorationsAdd(kOurs, "04-31", "of St. Herman"), { error: "'04-31' is not a day of the year" });
  // A list begun in the page opens with the line the desktop's editor writes.
  assert.match(textOf(module.commemorationsAdd("", "12-13", "of St. Herman")),
    /^# The parish's own commemorations, one a line: [^\n]*\n12-13 of St\. Herman\n$/);
});
