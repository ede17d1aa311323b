// The three engines a priest's phone or desktop may run, each driven by its
// own protocol behind the same few calls, so that one journey runs in all:
// Debian's chromium (Playwright), Firefox ESR (puppeteer-core over WebDriver
// BiDi) and WebKitGTK's MiniBrowser (plain W3C WebDriver through
// WebKitWebDriver, on an Xvfb display of its own). Never a downloaded browser.
//
//   const phone = await engine.open(url, { width, height });
//   await phone.run((arg) => …, arg);   // a function run in the page
//   await phone.click(selector); await phone.choose(selector, value);
//   await phone.pdf();                   // the printed page, or null where the driver cannot print
import { spawn } from "node:child_process";
import { cpSync, writeFileSync } from "node:fs";
import { createServer } from "node:net";
import { join } from "node:path";

import { launchChromium, scratch, serve } from "./support.mjs";

const kReadyWithin = 30000;  // generous: the machine may be busy
const kMiniBrowser = process.env.CORVANE_MINIBROWSER ?? "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";

async function until(check, what) {
  const deadline = Date.now() + kReadyWithin;
  for (;;) {
    const value = await check().catch(() => undefined);
    if (value) return value;
    if (Date.now() > deadline) throw new Error(`${what} within ${kReadyWithin / 1000} s`);
    await new Promise((done) => setTimeout(done, 50));
  }
}
const pageReady = (run) => until(() => run(() => document.documentElement.dataset.ready === "true"), "the page ready");

// A select chosen and a date set as the form sees a person do it: the value, then its events.
function setValue([selector, value]) {
  const control = document.querySelector(selector);
  control.value = value;
  control.dispatchEvent(new Event("input", { bubbles: true }));
  control.dispatchEvent(new Event("change", { bubbles: true }));
}

export async function chromiumEngine() {
  const browser = await launchChromium();
  return {
    name: "chromium",
    async open(url, viewport) {
      const page = await browser.newPage();
      await page.setViewportSize(viewport);
      await page.goto(url);
      const run = (code, arg) => page.evaluate(code, arg);
      await pageReady(run);
      return {
        run,
        click: (selector) => page.click(selector),
        choose: (selector, value) => page.evaluate(setValue, [selector, value]),
        pdf: () => page.pdf({ preferCSSPageSize: true }),
        screenshot: (path) => page.screenshot({ path }),
        close: () => page.close(),
      };
    },
    close: () => browser.close(),
  };
}

export async function firefoxEngine() {
  const { default: puppeteer } = await import("puppeteer-core");
  const browser = await puppeteer.launch({
    browser: "firefox",
    executablePath: process.env.CORVANE_FIREFOX ?? "/usr/bin/firefox-esr",
    headless: true,
    userDataDir: scratch(),
  });
  return {
    name: "firefox",
    async open(url, viewport) {
      const page = await browser.newPage();
      await page.setViewport(viewport);
      await page.goto(url);
      const run = (code, arg) => page.evaluate(code, arg);
      await pageReady(run);
      return {
        run,
        click: (selector) => page.click(selector),
        choose: (selector, value) => page.evaluate(setValue, [selector, value]),
        pdf: () => page.pdf({ format: "letter", landscape: true }),
        close: () => page.close(),
      };
    },
    close: () => browser.close(),
  };
}

const freePort = () => new Promise((found, failed) => {
  const probe = createServer().once("error", failed).listen(0, "127.0.0.1", () => {
    const { port } = probe.address();
    probe.close(() => found(port));
  });
});

// Xvfb on a display it picks itself (-displayfd), so that runs side by side never meet.
async function startXvfb() {
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
    { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  let said = "";
  xvfb.stdio[3].on("data", (chunk) => { said += chunk; });
  const display = await until(async () => (said.includes("\n") ? `:${said.trim()}` : null), "Xvfb started");
  return { display, stop: () => xvfb.kill() };
}

// The MiniBrowser's window cannot be made as narrow as a phone, so the page
// is opened in a frame of the phone's size, on a page of the same site: the
// frame is the page's whole viewport, as a phone's screen is.
export async function webkitEngine(site) {
  const folder = scratch();
  cpSync(site, folder, { recursive: true });
  writeFileSync(join(folder, "phone.html"), `<!doctype html><html lang="en"><meta charset="utf-8">
<title>A phone's screen</title><style>body { margin: 0 } iframe { border: 0 }</style>
<iframe id="phone"></iframe>
<script>const frame = document.getElementById("phone"), asked = new URLSearchParams(location.search);
frame.width = asked.get("width"); frame.height = asked.get("height"); frame.src = asked.get("src");</script>`);
  const server = await serve(folder);
  const xvfb = await startXvfb();
  const port = await freePort();
  const home = scratch();
  const driver = spawn("WebKitWebDriver", [`--port=${port}`], {
    stdio: "ignore",
    env: { ...process.env, DISPLAY: xvfb.display, HOME: home, XDG_DATA_HOME: join(home, "data"),
      XDG_CACHE_HOME: join(home, "cache"), XDG_CONFIG_HOME: join(home, "config") },
  });
  const base = `http://127.0.0.1:${port}`;
  async function call(method, path, body) {
    const response = await fetch(base + path, {
      method, headers: { "content-type": "application/json" }, body: body && JSON.stringify(body),
    });
    const answer = await response.json();
    if (!response.ok) throw new Error(`WebKitWebDriver ${method} ${path}: ${JSON.stringify(answer.value)}`);
    return answer.value;
  }
  const stop = () => {
    driver.kill();
    xvfb.stop();
    server.close();
  };
  try {
    await until(() => call("GET", "/status").then((status) => status.ready), "WebKitWebDriver ready");
    const session = await call("POST", "/session", { capabilities: { alwaysMatch: {
      "webkitgtk:browserOptions": { binary: kMiniBrowser, args: ["--automation"] } } } });
    const id = session.sessionId;
    const inSession = (method, path, body) => call(method, `/session/${id}${path}`, body);
    await inSession("POST", "/window/rect", { width: 800, height: 900 });
    const run = (code, arg) => inSession("POST", "/execute/async", {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve((${code})(arguments[0])).then(done, (error) => done({ failed: String(error) }));`,
      args: [arg ?? null],
    }).then((value) => {
      if (value && value.failed) throw new Error(value.failed);
      return value;
    });
    return {
      name: "webkit",
      async open(url, viewport) {
        const src = new URL(url).pathname + new URL(url).search;
        const frame = new URL(`phone.html?${new URLSearchParams({ ...viewport, src })}`, server.url);
        await inSession("POST", "/url", { url: frame.href });
        const found = await inSession("POST", "/element", { using: "css selector", value: "#phone" });
        await inSession("POST", "/frame", { id: found });
        await pageReady(run);
        const find = (selector) => inSession("POST", "/element", { using: "css selector", value: selector });
        return {
          run,
          async click(selector) {
            // A found element is an object of one key, the web element identifier.
            const [reference] = Object.values(await find(selector));
            await inSession("POST", `/element/${reference}/click`, {});
          },
          choose: (selector, value) => run(setValue, [selector, value]),
          pdf: async () => null,  // WebKitWebDriver has no Print Page command
          close: () => inSession("POST", "/frame/parent", {}),
        };
      },
      async close() {
        await inSession("DELETE", "", undefined).catch(() => {});
        stop();
      },
      // The site served here is a copy with the phone's frame beside it.
      url: server.url,
    };
  } catch (error) {
    stop();
    throw error;
  }
}
