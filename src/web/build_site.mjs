// Gathers the site (a folder of static files that works offline through its
// service worker) and the one-file page (everything inline, for file://).
//
//   node build_site.mjs --page DIR --icons DIR --fflate FILE --module corvane.js
//                       --single corvane-single.js --site DIR --one-file FILE
import { createHash } from "node:crypto";
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { basename, dirname, join } from "node:path";
import { parseArgs } from "node:util";

const { values: paths } = parseArgs({
  options: Object.fromEntries(
    ["page", "icons", "fflate", "module", "single", "site", "one-file"].map((name) => [name, { type: "string" }])),
});
for (const [name, path] of Object.entries(paths)) if (!path) throw new Error(`--${name} is missing`);

// Where each file of the site comes from.
const sources = {
  "index.html": join(paths.page, "index.html"),
  "style.css": join(paths.page, "style.css"),
  "app.js": join(paths.page, "app.js"),
  "manifest.webmanifest": join(paths.page, "manifest.webmanifest"),
  "fflate.js": paths.fflate,
  "corvane.js": paths.module,
  "corvane.wasm": paths.module.replace(/\.js$/, ".wasm"),
  "corvane.svg": join(paths.icons, "corvane.svg"),
  "corvane-32.png": join(paths.icons, "corvane-32.png"),
};

rmSync(paths.site, { recursive: true, force: true });
mkdirSync(paths.site, { recursive: true });
const version = createHash("sha256");
for (const [name, source] of Object.entries(sources)) {
  copyFileSync(source, join(paths.site, name));
  version.update(name).update(readFileSync(source));
}
// The worker keeps every file, "./" for the folder's own address; its
// version changes whenever a file does, which replaces the kept files.
const kept = ["./", ...Object.keys(sources)];
const worker = readFileSync(join(paths.page, "sw.js"), "utf8")
  .replace("@VERSION@", version.digest("hex").slice(0, 16))
  .replace("@FILES@", JSON.stringify(kept));
writeFileSync(join(paths.site, "sw.js"), worker);

// The one-file page: the stylesheet and the scripts inline, the module with
// its .wasm inside; no manifest or worker, which a page on disk cannot use.
// It is marked as the one file, which needs no server.
const inline = (code) => code.replaceAll("</script", "<\\/script");
const script = (file) => `<script>${inline(readFileSync(file, "utf8"))}</script>`;
const icon = readFileSync(sources["corvane.svg"]).toString("base64");
let page = readFileSync(sources["index.html"], "utf8");
const replacements = [
  ['  <link rel="manifest" href="manifest.webmanifest">\n', ""],
  ['<html lang="en" data-files="site">', '<html lang="en" data-files="one">'],
  ['href="corvane.svg"', `href="data:image/svg+xml;base64,${icon}"`],
  ['<link rel="stylesheet" href="style.css">', `<style>\n${readFileSync(sources["style.css"], "utf8")}</style>`],
  ['<script src="fflate.js"></script>', script(paths.fflate)],
  ['<script src="corvane.js"></script>', script(paths.single)],
  ['<script src="app.js"></script>', script(sources["app.js"])],
];
for (const [from, to] of replacements) {
  if (!page.includes(from)) throw new Error(`index.html no longer holds ${from.trim()}`);
  page = page.replace(from, () => to);
}
mkdirSync(dirname(paths["one-file"]), { recursive: true });
writeFileSync(paths["one-file"], page);
console.log(`${basename(paths.site)}/: ${kept.length - 1} files and sw.js; ${basename(paths["one-file"])}`);
