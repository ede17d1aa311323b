// Figures of the browser edition for the README; it measures, it never fails
// on a figure. Needs `scripts/web build` and the Release build's corvane_bench.
//
//   node bench/web_bench.mjs
//     the site's size gzipped; navigation to the first composed preview in
//     headless chromium; window.corvane.compose calls a second in the page;
//     the module's own composing loop (a year of all nine variants) in node
//     against the native one (BM_YearOfAllVariants).
import { execFileSync } from "node:child_process";
import { existsSync, readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { gzipSync } from "node:zlib";

import { launchChromium, loadModule, serve, site, webBuild } from "../tests/web/support.mjs";

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// The site as a server would send it, each file gzipped at the strongest level.
let raw = 0;
let gzipped = 0;
for (const name of readdirSync(site)) {
  const bytes = readFileSync(join(site, name));
  raw += bytes.length;
  gzipped += gzipSync(bytes, { level: 9 }).length;
}
const oneFile = readFileSync(join(webBuild, "corvane.html"));
console.log(`site: ${kilobytes(raw)}, ${kilobytes(gzipped)} gzipped; corvane.html ${kilobytes(oneFile.length)}, ` +
  `${kilobytes(gzipSync(oneFile, { level: 9 }).length)} gzipped`);

const browser = await launchChromium();
const server = await serve(site);
// The moment the first preview is in place, by the page's own clock from navigation.
await browser.addInitScript(() => {
  new MutationObserver((changes, observer) => {
    if (document.documentElement.dataset.ready) {
      window.firstPreviewAt = performance.now();
      observer.disconnect();
    }
  }).observe(document, { attributes: true, subtree: true, attributeFilter: ["data-ready"] });
});
const firstPreview = [];
for (let run = 0; run < 7; ++run) {
  const page = await browser.newPage();
  // Each run loads from the server, not from the worker's cache.
  await page.route("**/*", (route) => route.continue());
  await page.goto(`${server.url}?run=${run}`);
  await page.waitForSelector("html[data-ready=true]");
  firstPreview.push(await page.evaluate(() => window.firstPreviewAt));
  await page.close();
}
console.log(`navigation to the first preview: ${median(firstPreview).toFixed(0)} ms median of 7 ` +
  `(${Math.min(...firstPreview).toFixed(0)} to ${Math.max(...firstPreview).toFixed(0)} ms)`);

const page = await browser.newPage();
await page.goto(server.url);
await page.waitForSelector("html[data-ready=true]");
const rates = await page.evaluate(() => {
  const variants = [["great-vespers"], ["daily-vespers"], ["orthros"], ["daily-orthros"], ["chrysostom"],
    ["chrysostom", true], ["basil"], ["basil", true], ["presanctified"]];
  const requests = [];
  for (const [service, evening = false] of variants) {
    for (let day = new Date("2025-01-01T00:00:00Z"); day.getUTCFullYear() === 2025; day.setUTCDate(day.getUTCDate() + 1)) {
      requests.push({ service, evening, date: day.toISOString().slice(0, 10) });
    }
  }
  const rounds = [];
  for (let round = 0; round < 5; ++round) {
    const start = performance.now();
    for (const request of requests) window.corvane.compose(request);
    rounds.push(requests.length / ((performance.now() - start) / 1000));
  }
  return rounds;
});
console.log(`window.corvane.compose: ${Math.round(median(rates)).toLocaleString("en")} a second ` +
  `(median of 5 years of all nine variants, 3,285 each)`);
await browser.close();
server.close();

const module = await loadModule();
const loops = [];
for (let round = 0; round < 9; ++round) {
  const start = performance.now();
  const count = module.composeYear(2025);
  loops.push((performance.now() - start) / count * 1e6);
}
const moduleNs = median(loops);
let line = `the module's own loop: ${moduleNs.toFixed(0)} ns a composition in node`;
const nativeBench = join(import.meta.dirname ?? new URL(".", import.meta.url).pathname, "../build/release/bench/corvane_bench");
if (existsSync(nativeBench)) {
  const report = JSON.parse(execFileSync(nativeBench, ["--benchmark_filter=BM_YearOfAllVariants",
    "--benchmark_repetitions=5", "--benchmark_format=json"]).toString());
  const medianRun = report.benchmarks.find((run) => run.aggregate_name === "median");
  const nativeNs = medianRun.real_time * 1e6 / 3285;  // milliseconds a year of 3,285
  line += `; native ${nativeNs.toFixed(0)} ns: the module runs at ${(nativeNs / moduleNs * 100).toFixed(0)}% of native speed`;
}
console.log(line);
