// The module under node: the dismissals of tests/data/cli, known byte for
// byte, and bad input answered with the command line's own messages.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

import { composeWith, loadModule, testData } from "./support.mjs";

const module = await loadModule();

// Every date from `from` to `to`, as YYYY-MM-DD.
function* dates(from, to) {
  for (let day = new Date(`${from}T00:00:00Z`); day <= new Date(`${to}T00:00:00Z`);
    day.setUTCDate(day.getUTCDate() + 1)) {
    yield day.toISOString().slice(0, 10);
  }
}

// The requests that made the files of tests/data/cli (tests/cli/cli_test.cpp runs them natively).
const known = [
  { file: "orthros-2026.jsonl", from: "2025-12-20", to: "2026-06-30",
    request: { service: "orthros", patron: "nicholas", bishop: true } },
  { file: "basil-evening-2027.jsonl", from: "2026-12-20", to: "2027-01-10",
    request: { service: "basil", evening: true, patronText: 'of the holy\tnew "martyrs"' } },
];

test("composes the known dismissals as the JSON lines of corvane-cli, byte for byte", () => {
  for (const { file, from, to, request } of known) {
    const expected = readFileSync(join(testData, "cli", file), "utf8").split("\n").filter(Boolean);
    const lines = [...dates(from, to)].map((date) => module.compose({ ...request, date }).json);
    assert.equal(lines.length, expected.length, file);
    lines.forEach((line, i) => assert.equal(line, expected[i], `${file}, line ${i + 1}`));
  }
});

test("lays out the known text as corvane-cli prints it", () => {
  const expected = readFileSync(join(testData, "cli", "daily-vespers-2026.txt"), "utf8");
  const texts = [...dates("2026-03-25", "2026-06-10")].map((date) => module.preview({
    service: "daily-vespers", date, patronText: 'of "St." Herman \\ of Alaska, Ἀθανάσιος',
  }).plainText);
  assert.equal(`${texts.join("\n\n")}\n`, expected);
});

const services = "great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, presanctified";
const patrons = "trinity, lord, holy-spirit, theotokos, cross, archangels, forerunner, apostles, " +
  "ancestors, all-saints, chrysostom, basil, gregory, nicholas";
const good = { service: "orthros", date: "2026-01-01" };

// The messages corvane-cli prints after "corvane-cli: " for the same input.
const badInput = [
  [{}, `--service: give the service (one of ${services}), or --booklet FILE`],
  [null, `--service: give the service (one of ${services}), or --booklet FILE`],
  ["orthros", `--service: give the service (one of ${services}), or --booklet FILE`],
  [{ ...good, service: "" }, `--service: give a service (one of ${services})`],
  [{ ...good, service: "vesper" }, `--service: unknown service 'vesper' (one of ${services})`],
  [{ ...good, service: 42 }, `--service: unknown service '42' (one of ${services})`],
  [{ ...good, evening: true },
    "--evening: only the Divine Liturgies (chrysostom, basil) are served in the evening"],
  [{ service: "orthros" }, "--date: give the date on which the service is served, as YYYY-MM-DD"],
  [{ ...good, date: "2026-02-30" }, "--date: '2026-02-30' is not a real date"],
  [{ ...good, date: "2026-1-1" }, "--date: '2026-1-1' is not a date of the form YYYY-MM-DD"],
  [{ ...good, date: "1582-12-31" },
    "--date: 1582-12-31 is outside the supported dates 1583-01-01 to 9999-12-30"],
  [{ ...good, date: "9999-12-31" },
    "--date: 9999-12-31 is outside the supported dates 1583-01-01 to 9999-12-30"],
  [{ ...good, patron: "nicholas", patronText: "of St. Herman" },
    "--patron and --patron-text: give one of them, not both"],
  [{ ...good, patron: "" }, `--patron: give a patron (one of ${patrons})`],
  [{ ...good, patron: "nicolas" }, `--patron: unknown patron 'nicolas' (one of ${patrons})`],
  [{ ...good, patronText: " \r\n\t " },
    "--patron-text: the patron phrase is empty; type the patron's name"],
  [{ ...good, calendar: "julian" }, "--calendar: unknown calendar 'julian' (one of new, old)"],
  [{ ...good, calendar: "" }, "--calendar: give a calendar (one of new, old)"],
];

test("answers bad input with the command line's message, and goes on composing", () => {
  for (const [request, message] of badInput) {
    assert.throws(() => composeWith(module, request), { message }, JSON.stringify(request));
  }
  assert.equal(composeWith(module, good).date, "2026-01-01");
});

test("reads names in any letter case and a typed patron cleaned as the program cleans it", () => {
  const typed = composeWith(module, { ...good, service: "OrThRoS", calendar: "OLD",
    patronText: "\r\n  of St. Herman\r\nof Alaska \u0007\t " });
  assert.match(typed.dismissalText, /of St\. Herman\nof Alaska/);
  assert.doesNotMatch(typed.dismissalText, /\u0007|\r/);
});
