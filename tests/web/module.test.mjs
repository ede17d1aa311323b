// The module under node: the text of tests/data/cli, known byte for byte,
// and bad input answered with corvane-cli's own messages.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

import { cliArgs, cliFailure, composeWith, loadModule, runCli, testData } from "./support.mjs";

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
