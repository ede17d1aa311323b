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

// The machine is shared: the best run shows the speed of the code, the median that of the day.
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const best = (values, larger = true) => (larger ? Math.max(...values) : Math.min(...values));
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
  await page.goto(`${server.url}?run=${run}`);
  await page.waitForSelector("html[data-ready=true]");
  firstPreview.push(await page.evaluate(() => window.firstPreviewAt));
  await page.close();
}
console.log(`navigation to the first preview: ${median(firstPreview).toFixed(0)} ms median of 7, ` +
  `${best(firstPreview, false).toFixed(0)} ms at best (the first from the server, then through the worker)`);

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
  // The first rounds warm the engine up (its optimising compilers); the rest are measured.
  const rounds = [];
  for (let round = 0; round < 15; ++round) {
    const start = performance.now();
    for (const request of requests) window.corvane.compose(request);
    if (round >= 5) rounds.push(requests.length / ((performance.now() - start) / 1000));
  }
  return rounds;
});
const perSecond = (rate) => Math.round(rate).toLocaleString("en");
console.log(`window.corvane.compose: ${perSecond(best(rates))} a second at best, ${perSecond(median(rates))} ` +
  `median (10 years of all nine variants, 3,285 calls each, after 5 to warm up)`);
await browser.close();
server.close();

const module = await loadModule();
// A second of warming up first: the engine compiles the .wasm quickly, then
// again, optimised, in the background.
for (const start = performance.now(); performance.now() - start < 1000;) module.composeYear(2025);
const loops = [];
for (let round = 0; round < 9; ++round) {
  const start = performance.now();
  const count = module.composeYear(2025);
  loops.push((performance.now() - start) / count * 1e6);
}
const moduleNs = best(loops, false);
let line = `the module's own loop: ${moduleNs.toFixed(0)} ns a composition in node at best ` +
  `(${median(loops).toFixed(0)} median of 9 years of all nine variants)`;
const nativeBench = join(import.meta.dirname ?? new URL(".", import.meta.url).pathname, "../build/release/bench/corvane_bench");
if (existsSync(nativeBench)) {
  const report = JSON.parse(execFileSync(nativeBench, ["--benchmark_filter=BM_YearOfAllVariants",
    "--benchmark_repetitions=5", "--benchmark_format=json"]).toString());
  const runs = report.benchmarks.filter((run) => run.run_type === "iteration");
  const nativeNs = best(runs.map((run) => run.real_time), false) * 1e6 / 3285;  // ms a year of 3,285
  line += `; native ${nativeNs.toFixed(0)} ns at best of 5 (BM_YearOfAllVariants): the module runs at ` +
    `${(nativeNs / moduleNs * 100).toFixed(0)}% of native speed`;
}
console.log(line);
