// The module against the native corvane-cli: every service variant over a
// sweep of dates in both calendars, and for every kind of temple, compared
// field by field and byte for byte (bad input: module.test.mjs).
import assert from "node:assert/strict";
import { test } from "node:test";

import { cliArgs, loadModule, runCli } from "./support.mjs";

const module = await loadModule();

const variants = [
  ["great-vespers"], ["daily-vespers"], ["orthros"], ["daily-orthros"], ["chrysostom"],
  ["chrysostom", true], ["basil"], ["basil", true], ["presanctified"],
].map(([service, evening = false]) => ({ service, evening }));

// Whole years around today's, both ends of the supported range, and the
// turns of the centuries where the two calendars drift apart.
const ranges = [
  ["2025-01-01", "2026-12-31"], ["1583-01-01", "1583-04-30"], ["1899-12-01", "1900-03-31"],
  ["2099-12-01", "2100-03-31"], ["9999-09-01", "9999-12-30"],
];

// Every line of `corvane-cli --json` over the range against the module's, date by date.
function compareRange(request, from, to) {
  const lines = runCli([...cliArgs({ ...request, date: from }), "--to", to, "--json"])
    .toString("utf8").split("\n").filter(Boolean);
  for (const line of lines) {
    const expected = JSON.parse(line);
    const answer = module.compose({ ...request, date: expected.date });
    assert.equal(answer.error, undefined, `${JSON.stringify(request)} ${expected.date}`);
    assert.deepEqual(JSON.parse(answer.json), expected, `${JSON.stringify(request)} ${expected.date}`);
    assert.equal(answer.json, line);
  }
  return lines.length;
}

test("every service variant on every date of the sweep, in both calendars", () => {
  let compared = 0;
  for (const calendar of ["new", "old"]) {
    for (const variant of variants) {
      for (const [from, to] of ranges) compared += compareRange({ ...variant, calendar }, from, to);
    }
  }
  assert.equal(compared, 2 * 9 * (730 + 120 + 121 + 121 + 121));
});

const patrons = ["trinity", "lord", "holy-spirit", "theotokos", "cross", "archangels", "forerunner",
  "apostles", "ancestors", "all-saints", "chrysostom", "basil", "gregory", "nicholas"];

test("every temple: each patron, a typed one and the bishop, over Lent, Pascha and the feasts", () => {
  const temples = [
    ...patrons.map((patron) => ({ patron })),
    { patronText: "of our father among the saints Raphael, bishop of Brooklyn" },
    { patronText: 'of "St." Herman \\ of Alaska,\tἈθανάσιος' },
    { patron: "cross", bishop: true, calendar: "old" },
  ];
  for (const temple of temples) {
    for (const variant of variants) {
      compareRange({ ...variant, ...temple }, "2026-02-01", "2026-06-30");
      compareRange({ ...variant, ...temple }, "2026-08-25", "2026-09-30");
    }
  }
});

test("\"Why?\" gives the explanation of corvane-cli --explain", () => {
  for (const request of [{ service: "orthros", date: "2026-12-19", calendar: "old", patron: "nicholas" },
    { service: "basil", evening: true, date: "2026-04-08" }]) {
    const explained = runCli([...cliArgs(request), "--explain"]).toString("utf8");
    const text = module.explain(request).text;
    assert.match(text, /^Liturgical day: /);
    assert.ok(explained.endsWith(`\n${text}`), explained);
  }
});
