// Binds the form to the module and hands out the downloads. Every text and
// every decision comes from the module (the same C++ core as corvane-cli);
// this file only reads the controls, shows the answers and saves files.
"use strict";

(() => {
  const $ = (id) => document.getElementById(id);
  const store = {
    read(key) {
      try { return localStorage.getItem(key); } catch { return null; }
    },
    write(key, value) {
      try { localStorage.setItem(key, value); } catch { /* private mode: nothing is kept */ }
    },
  };

  let module = null;
  const ready = createCorvane().then((loaded) => { module = loaded; });

  // An answer of the module, or its message as an Error.
  function answered(answer) {
    if (answer.error !== undefined) throw new Error(answer.error);
    return answer;
  }
  function loaded() {
    if (!module) throw new Error("Corvane is still loading: wait for window.corvane.ready");
    return module;
  }

  // For scripts and tests: the object of one line of `corvane-cli --json`.
  window.corvane = {
    ready,
    compose(request) {
      return JSON.parse(answered(loaded().compose(request ?? {})).json);
    },
  };

  // ---- The temple, the service and the date, as the form holds them.

  const controls = ["patron", "patron-text", "bishop", "calendar", "service", "evening", "date", "paper"]
    .reduce((all, id) => ({ ...all, [id]: $(id) }), {});

  function temple() {
    const typed = controls.patron.value === "typed";
    return {
      calendar: controls.calendar.value,
      patron: typed ? undefined : controls.patron.value,
      patronText: typed ? controls["patron-text"].value : undefined,
      bishop: controls.bishop.checked,
    };
  }
  function request() {
    return {
      ...temple(),
      service: controls.service.value,
      date: controls.date.value,
      evening: !$("evening-question").hidden && controls.evening.checked,
    };
  }

  function rememberTemple() {
    const { calendar, bishop } = temple();
    store.write("corvane.temple", JSON.stringify({
      calendar, bishop, patron: controls.patron.value, patronText: controls["patron-text"].value,
    }));
    store.write("corvane.paper", controls.paper.value);
  }
  function restoreTemple() {
    let kept = {};
    try { kept = JSON.parse(store.read("corvane.temple") ?? "{}") ?? {}; } catch { kept = {}; }
    const choose = (select, value) => {
      if ([...select.options].some((option) => option.value === value)) select.value = value;
    };
    choose(controls.patron, kept.patron);
    choose(controls.calendar, kept.calendar);
    choose(controls.paper, store.read("corvane.paper"));
    controls["patron-text"].value = typeof kept.patronText === "string" ? kept.patronText : "";
    controls.bishop.checked = kept.bishop === true;
  }

  function today() {
    const now = new Date();
    const two = (n) => String(n).padStart(2, "0");
    return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
  }

  // ---- What the page shows.

  function showProblem(message) {
    $("problem").textContent = message;
    $("problem").hidden = !message;
  }

  function showWarning(warning) {
    $("warning").textContent = warning ?? "";
    $("warning").hidden = !warning;
  }

  function paragraphElement(paragraph) {
    const element = document.createElement("p");
    element.style.setProperty("--points", paragraph.points);
    element.classList.toggle("centred", paragraph.centred);
    element.classList.toggle("small-caps", paragraph.smallCaps);
    element.classList.toggle("italic", paragraph.italic);
    element.classList.toggle("underline", paragraph.underline);
    for (const run of paragraph.runs) {
      const span = document.createElement(run.bold ? "strong" : "span");
      run.text.split("\n").forEach((line, index) => {
        if (index > 0) span.append(document.createElement("br"));
        span.append(line);
      });
      element.append(span);
    }
    return element;
  }

  let shown = null;  // the preview's answer, for Copy
  function refresh() {
    const form = loaded().serviceForm(controls.service.value);
    $("evening-question").hidden = !form.mayBeEvening;
    $("vesperal-note").hidden = !form.vesperalNote;
    $("date-note-vespers").hidden = form.dateNote !== "vespers";
    $("date-note-orthros").hidden = form.dateNote !== "orthros";
    $("typed-patron").hidden = controls.patron.value !== "typed";
    rememberTemple();

    const answer = loaded().preview(request());
    const failed = answer.error !== undefined;
    shown = failed ? null : answer;
    showProblem(failed ? answer.error : "");
    showWarning(failed ? null : JSON.parse(answer.json).warning);
    $("preview").replaceChildren(...(failed ? [] : answer.paragraphs.map(paragraphElement)));
    for (const id of ["copy", "why", "download-docx", "download-txt", "print", "add-to-booklet"]) {
      $(id).disabled = failed;
    }
    if (!$("why-text").hidden) showWhy();
  }

  function showWhy() {
    const answer = loaded().explain(request());
    $("why-text").textContent = answer.error ?? answer.text;
  }

  // ---- Outputs.

  function save(name, bytes, type) {
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], { type }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  // The parts zipped in the module's order, each entry dated 1 January 1980
  // as the native document's are.
  const kEntryDate = new Date(1980, 0, 1, 0, 0, 0);
  function saveDocument(answer) {
    const entries = {};
    for (const part of answer.parts) entries[part.name] = [part.bytes, { level: 9, mtime: kEntryDate }];
    save(answer.name, fflate.zipSync(entries),
      "application/vnd.openxmlformats-officedocument.wordprocessingml.document");
  }
  function saveText(answer) {
    save(answer.name, answer.bytes, "text/plain");
  }

  // Tries an output; a problem is shown instead of a file.
  function attempt(produce, problem = $("problem")) {
    try {
      produce();
      problem.hidden = true;
    } catch (error) {
      problem.textContent = error.message;
      problem.hidden = false;
    }
  }

  // Copy gives the clipboard both forms: HTML with the bold clauses, and plain text.
  function copy() {
    if (!shown) return;
    const html = shown.paragraphs.map((paragraph) => paragraphElement(paragraph).outerHTML).join("");
    const plain = shown.plainText;
    const onCopy = (event) => {
      event.clipboardData.setData("text/html", html);
      event.clipboardData.setData("text/plain", plain);
      event.preventDefault();
    };
    document.addEventListener("copy", onCopy, { once: true });
    const copied = document.execCommand("copy");
    document.removeEventListener("copy", onCopy);
    $("copied").textContent = copied ? "Copied." : "The browser did not allow copying.";
  }

  // ---- The booklet, kept as the booklet list's own text.

  let booklet = "";
  function showBooklet(answer) {
    $("booklet-problem").hidden = answer.error === undefined;
    if (answer.error !== undefined) {
      $("booklet-problem").textContent = `${answer.error}; the booklet starts empty.`;
      answer = loaded().bookletView("");
    }
    booklet = answer.list;
    store.write("corvane.booklet", booklet);
    const items = answer.labels.map((label, index) => {
      const item = document.createElement("li");
      const remove = document.createElement("button");
      remove.type = "button";
      remove.textContent = "Remove";
      remove.setAttribute("aria-label", `Remove ${label}`);
      remove.addEventListener("click", () => showBooklet(loaded().bookletRemove(booklet, index)));
      item.append(label, remove);
      return item;
    });
    $("booklet").replaceChildren(...items);
    const empty = items.length === 0;
    for (const id of ["clear-booklet", "booklet-docx", "booklet-txt"]) $(id).disabled = empty;
  }

  // ---- Wiring.

  async function start() {
    restoreTemple();
    controls.date.value = today();
    await ready;
    for (const control of Object.values(controls)) {
      control.addEventListener(control.tagName === "TEXTAREA" ? "input" : "change", refresh);
    }
    controls.date.addEventListener("input", refresh);
    $("copy").addEventListener("click", copy);
    $("why").addEventListener("click", () => {
      const open = $("why-text").hidden;
      $("why-text").hidden = !open;
      $("why").setAttribute("aria-expanded", String(open));
      if (open) showWhy();
    });
    $("print").addEventListener("click", () => window.print());
    $("download-docx").addEventListener("click", () => attempt(() =>
      saveDocument(answered(loaded().documentFile(request(), controls.paper.value)))));
    $("download-txt").addEventListener("click", () => attempt(() =>
      saveText(answered(loaded().textFile(request())))));
    $("add-to-booklet").addEventListener("click", () => showBooklet(loaded().bookletAdd(booklet, request())));
    $("clear-booklet").addEventListener("click", () => showBooklet(loaded().bookletView("")));
    $("booklet-docx").addEventListener("click", () => attempt(() =>
      saveDocument(answered(loaded().bookletDocument(booklet, temple(), controls.paper.value))),
    $("booklet-problem")));
    $("booklet-txt").addEventListener("click", () => attempt(() =>
      saveText(answered(loaded().bookletTextFile(booklet, temple()))), $("booklet-problem")));
    showBooklet(loaded().bookletView(store.read("corvane.booklet") ?? ""));
    refresh();
    document.documentElement.dataset.ready = "true";
  }
  start();

  // Offline use: the service worker keeps every file of the site. A page
  // opened from disk has none and needs none.
  if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
    navigator.serviceWorker.register("sw.js").catch(() => {});
  }
})();
