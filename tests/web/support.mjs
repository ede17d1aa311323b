// What the browser edition's tests share: the built module and site, the
// native corvane-cli to compare with, and a static server on 127.0.0.1.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { inflateSync } from "node:zlib";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const root = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
export const webBuild = resolve(root, process.env.CORVANE_WEB_BUILD ?? "build/web");
export const site = join(webBuild, "site");
export const cli = resolve(root, process.env.CORVANE_CLI ?? "build/release/src/cli/corvane-cli");
export const testData = join(root, "tests/data");
export const scratch = () => mkdtempSync(join(tmpdir(), "corvane-web-"));

const require = createRequire(import.meta.url);
export const fflate = require("fflate");

// The module as the site ships it; node is given the .wasm, which
// Emscripten 3.1.6 would otherwise try to fetch.
export async function loadModule() {
  const createCorvane = require(join(site, "corvane.js"));
  return createCorvane({ wasmBinary: readFileSync(join(site, "corvane.wasm")) });
}

// The module's answer, or its message as an Error, as window.corvane.compose gives it.
export function composeWith(module, request) {
  const answer = module.compose(request);
  if (answer.error !== undefined) throw new Error(answer.error);
  return JSON.parse(answer.json);
}

// corvane-cli's standard output; throws when it fails.
export function runCli(args, input) {
  return execFileSync(cli, args, { input, maxBuffer: 1 << 28 });
}
// corvane-cli's status and standard error, for bad input.
export function cliFailure(args) {
  const run = spawnSync(cli, args, { encoding: "utf8" });
  return { status: run.status, err: run.stderr };
}

// The command line's options for a page request. The page has no saved
// temple: what it leaves out is as --no-saved-temple leaves it.
export function cliArgs(request) {
  const args = ["--no-saved-temple", "--service", request.service, "--date", request.date];
  if (request.evening) args.push("--evening");
  if (request.calendar !== undefined) args.push("--calendar", request.calendar);
  if (request.patron !== undefined) args.push("--patron", request.patron);
  if (request.patronText !== undefined) args.push("--patron-text", request.patronText);
  if (request.bishop) args.push("--bishop");
  return args;
}

// The entries of a zip archive, in archive order, with their DOS dates.
export function zipEntries(bytes) {
  const names = [];
  const parts = fflate.unzipSync(bytes, { filter: (file) => (names.push(file.name), true) });
  return names.map((name) => ({ name, bytes: Buffer.from(parts[name]) }));
}
// The parts of a .docx (name and bytes) against a native .docx: the same, in archive order.
export function assertSameParts(parts, nativeDocx) {
  const expected = zipEntries(nativeDocx);
  assert.deepEqual(parts.map((part) => part.name), expected.map((entry) => entry.name));
  parts.forEach((part, i) => assert.ok(Buffer.from(part.bytes).equals(expected[i].bytes), part.name));
}
// The DOS date and time of every entry, read from the central directory.
export function zipDates(bytes) {
  const data = Buffer.from(bytes);
  const dates = [];
  for (let at = data.indexOf("PK\x01\x02"); at >= 0; at = data.indexOf("PK\x01\x02", at + 4)) {
    dates.push({ time: data.readUInt16LE(at + 12), date: data.readUInt16LE(at + 14) });
  }
  return dates;
}

export { serve } from "../../src/web/serve.mjs";

// Debian's chromium, headless, in a fresh profile; never a downloaded browser.
export async function launchChromium() {
  const { chromium } = await import("playwright-core");
  return chromium.launchPersistentContext(scratch(), {
    executablePath: process.env.CORVANE_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    acceptDownloads: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
      "--disable-background-networking", "--disable-component-update", "--disable-sync"],
  });
}

// The pages of a PDF: its page objects counted, in the file and in its
// compressed streams (Firefox keeps them in object streams).
export function pdfPageCount(bytes) {
  const data = Buffer.from(bytes);
  const texts = [data.toString("latin1")];
  for (let at = data.indexOf("stream"); at >= 0; at = data.indexOf("stream", at + 6)) {
    const start = at + (data[at + 6] === 0x0d ? 8 : 7);
    const end = data.indexOf("endstream", start);
    if (end < 0) break;
    try {
      texts.push(inflateSync(data.subarray(start, end)).toString("latin1"));
    } catch { /* not a Flate stream */ }
    at = end;
  }
  return texts.reduce((count, text) => count + (text.match(/\/Type\s*\/Page(?![a-zA-Z])/g) ?? []).length, 0);
}
