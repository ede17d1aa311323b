// A static server for the site on 127.0.0.1: what scripts/web runs, and what
// the browser tests serve the site with.
//
//   node serve.mjs FOLDER PORT
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join, normalize, resolve } from "node:path";
import { fileURLToPath } from "node:url";

const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
  ".svg": "image/svg+xml", ".png": "image/png",
};

// Serves the folder; port 0 takes a free one. Resolves to the address and a way to stop.
export async function serve(folder, port = 0) {
  const server = createServer((request, response) => {
    // normalize() keeps the path inside the folder: "/../x" becomes "/x".
    const path = normalize(decodeURIComponent(new URL(request.url, "http://host").pathname));
    const file = join(folder, path.endsWith("/") ? `${path}index.html` : path);
    try {
      const body = readFileSync(file);
      response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream",
        "cache-control": "no-cache" });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((listening) => server.listen(port, "127.0.0.1", listening));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() };
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [folder, port] = process.argv.slice(2);
  const { url } = await serve(folder, Number(port ?? 8080));
  console.log(url);
}
