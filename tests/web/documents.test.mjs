// The files the page saves against the native ones: the .docx parts from the
// module against the native document unzipped, byte for byte and in archive
// order, and the text files byte for byte, for single dismissals and booklets.
import assert from "node:assert/strict";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { test } from "node:test";

import { assertSameParts, cliArgs, loadModule, runCli, scratch } from "./support.mjs";

const module = await loadModule();
const folder = scratch();

function answered(answer) {
  assert.equal(answer.error, undefined);
  return answer;
}
function nativeFile(args, name) {
  const path = join(folder, name);
  runCli([...args, path]);
  return readFileSync(path);
}

// Pascha with a bishop, an old-calendar feast, a typed patron with a line
// break and characters outside Windows-1252, an Evening Liturgy.
const requests = [
  { service: "chrysostom", date: "2025-04-20", patron: "nicholas", bishop: true },
  { service: "great-vespers", date: "2026-12-18", calendar: "old", patron: "forerunner" },
  { service: "orthros", date: "2026-07-05", patronText: "of St. Herman\nof Alaska, Ἀθανάσιος & <co>" },
  { service: "basil", date: "2026-12-23", evening: true },
];

test("a dismissal's .docx parts and text file are the native ones", () => {
  for (const request of requests) {
    for (const paper of ["letter", "a4"]) {
      const document = answered(module.documentFile(request, paper));
      const stem = `dismissal-${request.date}-${request.service}${request.evening ? "-evening" : ""}`;
      assert.equal(document.name, `${stem}.docx`);
      assertSameParts(document.parts, nativeFile([...cliArgs(request), "--paper", paper, "--docx"], "one.docx"));
    }
    const text = answered(module.textFile(request));
    assert.equal(text.name, `dismissal-${request.date}-${request.service}${request.evening ? "-evening" : ""}.txt`);
    assert.ok(Buffer.from(text.bytes).equals(nativeFile([...cliArgs(request), "--txt"], "one.txt")));
  }
});

test("a booklet's .docx parts and text file are those of corvane-cli --booklet", () => {
  let list = "";
  // Added out of order and once twice: the module keeps the serving order, each once.
  for (const request of [...requests, requests[0]]) list = answered(module.bookletAdd(list, request)).list;
  const listFile = join(folder, "booklet.txt");
  writeFileSync(listFile, list);
  const temple = { patron: "archangels", bishop: true, calendar: "old" };
  const templeArgs = ["--no-saved-temple", "--patron", "archangels", "--bishop", "--calendar", "old"];

  const view = answered(module.bookletView(list));
  assert.deepEqual(view.labels, [
    "Sun, Apr 20, 2025 - Divine Liturgy of St. John Chrysostom",
    "Sun, Jul 05, 2026 - Orthros",
    "Fri, Dec 18, 2026 - Great Vespers",
    "Wed, Dec 23, 2026 - Evening Divine Liturgy of St. Basil the Great",
  ]);
  const document = answered(module.bookletDocument(list, temple, "a4"));
  assert.equal(document.name, "booklet-2025-04-20-to-2026-12-23.docx");
  assertSameParts(document.parts,
    nativeFile(["--booklet", listFile, ...templeArgs, "--paper", "a4", "--docx"], "booklet.docx"));
  const text = answered(module.bookletTextFile(list, temple));
  assert.ok(Buffer.from(text.bytes).equals(nativeFile(["--booklet", listFile, ...templeArgs, "--txt"], "booklet.txt")));
});

test("a booklet that cannot be read, or is empty, says so", () => {
  assert.equal(module.bookletView("2026-12-13 vespers\n").error,
    "booklet:1: unknown service 'vespers' (one of great-vespers, daily-vespers, orthros, daily-orthros, chrysostom, basil, presanctified)");
  assert.equal(module.bookletDocument("", {}, "letter").error, "booklet: the booklet list holds no service");
});
