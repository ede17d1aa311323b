// Binds the form to the module and hands out the downloads. Every text of the
// dismissal and every decision comes from the module (the same C++ core as
// corvane-cli); this file reads the controls and the address, shows the
// answers in words a person reads, and saves files.
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

  // The ten-file site opened from disk cannot fetch its module: said at once,
  // before the browser's refusal comes, so the page never stands blank.
  const onDisk = location.protocol === "file:" && document.documentElement.dataset.files === "site";
  if (onDisk) $("needs-server").hidden = false;

  let module = null;
  const ready = (typeof createCorvane === "function"
    ? createCorvane() : Promise.reject(new Error("corvane.js did not load")))
    .then((loaded) => { module = loaded; });

  // An answer of the module, or its message as an Error.
  function answered(answer) {
    if (answer.error !== undefined) throw new Error(answer.error);
    return answer;
  }
  function loaded() {
    if (!module) throw new Error("Corvane is still loading: wait for window.corvane.ready");
    return module;
  }

  // For scripts and tests: the object of one line of `corvane-cli --json`,
  // with the command line's messages, on which scripts rely.
  window.corvane = {
    ready,
    compose(request) {
      return JSON.parse(answered(loaded().compose(request ?? {})).json);
    },
  };

  // ---- Messages in words. The core decides what is bad and names the field
  // by its command-line option; the page says it as a person would.

  const kWords = [
    ["--patron and --patron-text:", "Choose the patron from the list, or type one: not both."],
    ["--service:", "Choose the service from the list."],
    ["--evening:", "Only the Divine Liturgies of St. John Chrysostom and of St. Basil the Great are served in the evening."],
    ["--date:", "Pick a date between 1583 and 9999."],
    ["--calendar:", "Choose the new or the old calendar."],
    ["--patron-text:", "Type the patron's name, or choose one from the list."],
    ["--patron:", "Choose the patron from the list, or type the patron's name."],
    ["--paper:", "Choose Letter or A4 paper."],
    ["booklet: the booklet list holds no service", "The booklet is empty: add a service to it first."],
  ];
  function inWords(message) {
    const known = kWords.find(([start]) => message.startsWith(start));
    if (known) return known[1];
    const plain = message.replace(/^--[a-z-]+( and --[a-z-]+)?: /, "");
    return plain.charAt(0).toUpperCase() + plain.slice(1);
  }

  // ---- The temple, the service and the date, as the form holds them.

  const controls = ["patron", "patron-text", "bishop", "calendar", "service", "evening", "date", "paper"]
    .reduce((all, id) => ({ ...all, [id]: $(id) }), {});
  const templeControls = ["patron", "patron-text", "bishop", "calendar"].map((id) => controls[id]);

  // The parish's own commemorations: the text of a commemorations.txt, kept in
  // the browser with the temple.
  let commemorations = "";

  function temple() {
    const typed = controls.patron.value === "typed";
    return {
      calendar: controls.calendar.value,
      patron: typed ? undefined : controls.patron.value,
      patronText: typed ? controls["patron-text"].value : undefined,
      bishop: controls.bishop.checked,
      commemorations,
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

  // The typed patron is one line: a line break or a tab typed, pasted or kept
  // by an earlier version becomes one blank, as the core makes it.
  const oneLine = (text) => text.replace(/\r\n|[\r\n\t\u0085\u2028\u2029]/g, " ");
  const typedPhrase = (text) => oneLine(loaded().typedPhrase(String(text)));

  function choose(select, value) {
    const name = String(value).replace(/[A-Z]/g, (letter) => letter.toLowerCase());
    const known = [...select.options].some((option) => option.value === name);
    if (known) select.value = name;
    return known;
  }

  // The temple is kept in the browser when the person sets it, never because
  // a link showed another one.
  function rememberTemple() {
    const { calendar, bishop } = temple();
    store.write("corvane.temple", JSON.stringify({
      calendar, bishop, patron: controls.patron.value, patronText: controls["patron-text"].value,
    }));
  }
  function restoreTemple() {
    let kept = {};
    try { kept = JSON.parse(store.read("corvane.temple") ?? "{}") ?? {}; } catch { kept = {}; }
    choose(controls.patron, kept.patron ?? "");
    choose(controls.calendar, kept.calendar ?? "");
    choose(controls.paper, store.read("corvane.paper") ?? "");
    controls["patron-text"].value = typeof kept.patronText === "string" ? typedPhrase(kept.patronText) : "";
    controls.bishop.checked = kept.bishop === true;
  }

  const two = (n) => String(n).padStart(2, "0");
  const isoOf = (day) => `${day.getFullYear()}-${two(day.getMonth() + 1)}-${two(day.getDate())}`;
  // Today, or a day after it, by the clock of this device.
  function dayFromToday(offset) {
    const now = new Date();
    return isoOf(new Date(now.getFullYear(), now.getMonth(), now.getDate() + offset));
  }
  const kDateWords = { today: 0, tomorrow: 1 };

  // ---- The address: ?service=orthros&date=2026-12-13&calendar=old&patron=nicholas&bishop=1&evening=1
  // (or patron-text=…), read once when the page opens and written as the form changes.

  const kLinkNames = { service: "service", date: "date", evening: "evening choice", calendar: "calendar",
    patron: "patron", "patron-text": "typed patron", bishop: "bishop choice" };
  const kOptionOfField = { service: "--service:", date: "--date:", evening: "--evening:",
    calendar: "--calendar:", "patron-text": "--patron-text:", patron: "--patron:" };
  let dateWord = null;  // "today" or "tomorrow" from the link, kept in the address while it holds

  function linkFields() {
    const fields = {};
    const after = new URLSearchParams(location.hash.replace(/^#/, ""));
    const query = new URLSearchParams(location.search);
    for (const given of [after, query]) {
      for (const name of Object.keys(kLinkNames)) if (given.has(name)) fields[name] = given.get(name);
    }
    return fields;
  }
  function flag(text) {
    const word = text.trim().toLowerCase();
    if (["1", "yes", "true", "on"].includes(word)) return true;
    if (["0", "no", "false", "off"].includes(word)) return false;
    return undefined;
  }

  // Fills the form from the link. A value the core refuses is said in words
  // and left out; the rest of the link still applies. The link's temple is
  // shown for this visit and kept only when the person changes it.
  function applyLink() {
    const fields = linkFields();
    const said = [];
    const refuse = (name, words) => {
      said.push(`The link's ${kLinkNames[name]} “${fields[name]}” was not used: ${words.charAt(0).toLowerCase()}${words.slice(1)}`);
      delete fields[name];
    };
    for (const name of ["evening", "bishop"]) {
      if (name in fields && flag(fields[name]) === undefined) refuse(name, "Give 1 for yes or 0 for no.");
    }
    if ("date" in fields) {
      const word = fields.date.trim().toLowerCase();
      if (word in kDateWords) {
        dateWord = word;
        fields.date = dayFromToday(kDateWords[word]);
      }
    }
    // The core reads the link as it reads the form; each field it refuses is
    // left out in turn, in the order it reads them.
    const asked = () => ({
      service: fields.service ?? controls.service.value,
      date: fields.date ?? controls.date.value,
      evening: "evening" in fields && flag(fields.evening),
      calendar: fields.calendar,
      patron: fields.patron,
      patronText: fields["patron-text"],
    });
    for (let answer = loaded().compose(asked()); answer.error !== undefined; answer = loaded().compose(asked())) {
      if (answer.error.startsWith("--patron and --patron-text:")) {
        refuse("patron", "The link names a typed patron as well, which is used.");
        continue;
      }
      const field = Object.keys(kOptionOfField).find((name) => answer.error.startsWith(kOptionOfField[name]));
      if (!field || !(field in fields)) break;  // the form's own values: refresh says what is wrong
      refuse(field, inWords(answer.error));
    }

    if ("service" in fields && !choose(controls.service, fields.service)) refuse("service", inWords("--service:"));
    if ("evening" in fields) controls.evening.checked = flag(fields.evening);
    if ("date" in fields) {
      controls.date.value = fields.date;
      if (controls.date.value !== fields.date) refuse("date", inWords("--date:"));
    }
    if ("calendar" in fields && !choose(controls.calendar, fields.calendar)) refuse("calendar", inWords("--calendar:"));
    if ("patron-text" in fields) {
      controls.patron.value = "typed";
      controls["patron-text"].value = typedPhrase(fields["patron-text"]);
    } else if ("patron" in fields && !choose(controls.patron, fields.patron)) {
      refuse("patron", inWords("--patron:"));
    }
    // A link that names the patron speaks for the whole temple: no bishop=1, no bishop.
    if ("bishop" in fields) controls.bishop.checked = flag(fields.bishop);
    else if ("patron" in fields || "patron-text" in fields) controls.bishop.checked = false;

    if (said.length > 0) said.push("The rest of the link is used.");
    $("link-problem").textContent = said.join(" ");
    $("link-problem").hidden = said.length === 0;
  }

  function linkOfForm() {
    const link = new URLSearchParams();
    const asked = request();
    link.set("service", asked.service);
    // What is not yet filled in is left out, so that the link says nothing wrong.
    if (asked.date) link.set("date", dateWord && asked.date === dayFromToday(kDateWords[dateWord]) ? dateWord : asked.date);
    link.set("calendar", asked.calendar);
    if (asked.patronText === undefined) link.set("patron", asked.patron);
    else if (asked.patronText.trim()) link.set("patron-text", asked.patronText);
    if (asked.bishop) link.set("bishop", "1");
    if (asked.evening) link.set("evening", "1");
    return `${location.pathname}?${link}`;
  }
  function writeLink() {
    try {
      history.replaceState(history.state, "", linkOfForm());
    } catch { /* a page opened from disk may not change its address */ }
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

  function templeSummary() {
    const { calendar, bishop } = temple();
    const typed = controls.patron.value === "typed";
    const patron = typed ? controls["patron-text"].value.trim() || "no patron typed yet"
      : controls.patron.selectedOptions[0].textContent;
    const own = commemorationCount;
    return [patron, `${calendar} calendar`, ...(bishop ? ["with a bishop"] : []),
      ...(own > 0 ? [`${own} own ${own === 1 ? "commemoration" : "commemorations"}`] : [])].join(" · ");
  }

  let shown = null;  // the preview's answer, for Copy
  let bookletTemple = "";  // the temple the booklet's marks were drawn for
  function refresh() {
    const form = loaded().serviceForm(controls.service.value);
    $("evening-question").hidden = !form.mayBeEvening;
    $("vesperal-note").hidden = !form.vesperalNote;
    $("date-note-vespers").hidden = form.dateNote !== "vespers";
    $("date-note-orthros").hidden = form.dateNote !== "orthros";
    $("typed-patron").hidden = controls.patron.value !== "typed";
    $("temple-summary").textContent = templeSummary();

    const answer = loaded().preview(request());
    const failed = answer.error !== undefined;
    shown = failed ? null : answer;
    showProblem(failed ? inWords(answer.error) : "");
    showWarning(failed ? null : JSON.parse(answer.json).warning);
    $("preview").replaceChildren(...(failed ? [] : answer.paragraphs.map(paragraphElement)));
    for (const id of ["copy", "why", "download-docx", "download-txt", "print", "add-to-booklet"]) {
      $(id).disabled = failed;
    }
    if (!$("why-text").hidden) showWhy();
    if (JSON.stringify(temple()) !== bookletTemple) drawBooklet();
    writeLink();
  }

  // After a change, the dismissal's first line is brought on screen when it is not.
  function keepDismissalInView() {
    const first = [$("problem"), $("preview").firstElementChild].find((element) => element && !element.hidden);
    if (!first) return;
    const box = first.getBoundingClientRect();
    if (box.bottom > innerHeight) window.scrollBy(0, box.bottom - innerHeight + 8);
    else if (box.top < 0) window.scrollBy(0, box.top - 8);
  }

  function showWhy() {
    const answer = loaded().explain(request());
    $("why-text").textContent = answer.error === undefined ? answer.text : inWords(answer.error);
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

  // Tries an output; a problem is shown in words instead of a file.
  function attempt(produce, problem = $("problem")) {
    try {
      produce();
      problem.hidden = true;
    } catch (error) {
      problem.textContent = inWords(error.message);
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

  // The link of what is shown: shared where the browser can, else copied.
  async function share() {
    writeLink();
    const url = location.href;
    if (typeof navigator.share === "function") {
      try {
        await navigator.share({ title: document.title, url });
        return;
      } catch (error) {
        if (error.name === "AbortError") return;
      }
    }
    try {
      await navigator.clipboard.writeText(url);
      $("request-said").textContent = "The link is copied: paste it where it is to be shared.";
    } catch {
      $("request-said").textContent = `Copy this link to share it: ${url}`;
    }
  }

  // Printed, the page is the dismissal alone, or the booklet one dismissal a page.
  function printBooklet() {
    const pages = [];
    for (const entry of bookletRequests()) {
      const answer = loaded().preview({ ...temple(), ...entry });
      if (answer.error !== undefined) {
        $("booklet-problem").textContent = inWords(answer.error);
        $("booklet-problem").hidden = false;
        return;
      }
      const page = document.createElement("div");
      page.className = "dismissal";
      page.append(...answer.paragraphs.map(paragraphElement));
      pages.push(page);
    }
    $("booklet-problem").hidden = true;
    $("print-sheet").replaceChildren(...pages);
    document.documentElement.dataset.printing = "booklet";
    window.print();
  }

  // ---- The booklet, kept as the booklet list's own text.

  let booklet = "";
  let labels = [];
  let undoList = null;  // the list before the last Remove or Clear, while nothing was added since
  let undoTimer = 0;  // while it runs, the Undo button is shown (and while it has the focus)
  const kUndoShownFor = 30000;

  const services = (count) => `${count} ${count === 1 ? "service" : "services"}`;
  const bookletRequests = () => loaded().bookletRequests(booklet).entries ?? [];

  function sayBooklet(text, undoable) {
    $("booklet-said").textContent = text;
    clearTimeout(undoTimer);
    undoTimer = 0;
    $("undo").hidden = !undoable;
    if (undoable) {
      undoTimer = setTimeout(() => {
        undoTimer = 0;
        if (document.activeElement !== $("undo")) $("undo").hidden = true;
      }, kUndoShownFor);
    }
  }

  // The list shown anew: each entry's warning mark and sentence for the
  // temple, and the note on the Vesperal Liturgy beside an evening Liturgy of
  // St. Basil.
  function drawBooklet() {
    const kept = temple();
    bookletTemple = JSON.stringify(kept);
    const requests = bookletRequests();
    const warningOf = (entry) => {
      for (const asked of [{ ...kept, ...entry }, { calendar: kept.calendar, ...entry }]) {
        const answer = loaded().compose(asked);
        if (answer.error === undefined) return JSON.parse(answer.json).warning;
      }
      return null;
    };
    const items = labels.map((label, index) => {
      const item = document.createElement("li");
      const row = document.createElement("div");
      row.className = "entry";
      const name = document.createElement("span");
      name.className = "entry-label";
      name.textContent = label;
      const warning = requests[index] ? warningOf(requests[index]) : null;
      if (warning) {
        const mark = document.createElement("span");
        mark.className = "mark";
        mark.setAttribute("aria-hidden", "true");
        mark.textContent = "\u26A0\uFE0E";
        row.append(mark);
      }
      const remove = document.createElement("button");
      remove.type = "button";
      remove.textContent = "Remove";
      remove.setAttribute("aria-label", `Remove ${label}`);
      remove.addEventListener("click", () => removeEntry(index));
      row.append(name, remove);
      item.append(row);
      if (warning) {
        const said = document.createElement("p");
        said.className = "entry-warning";
        const title = document.createElement("strong");
        title.textContent = "Warning: ";
        said.append(title, warning);
        item.append(said);
      }
      if (requests[index]?.vesperalNote) {
        const note = document.createElement("p");
        note.className = "note vesperal";
        note.textContent = requests[index].vesperalNote;
        item.append(note);
      }
      return item;
    });
    $("booklet").replaceChildren(...items);
    const empty = items.length === 0;
    $("booklet-empty").hidden = !empty;
    for (const id of ["clear-booklet", "print-booklet", "booklet-docx", "booklet-txt"]) $(id).disabled = empty;
  }

  function showBooklet(answer) {
    booklet = answer.list;
    labels = answer.labels;
    store.write("corvane.booklet", booklet);
    drawBooklet();
  }

  function addEntry() {
    const answer = loaded().bookletAdd(booklet, request());
    if (answer.error !== undefined) {
      $("request-said").textContent = inWords(answer.error);
      return;
    }
    const added = answer.labels.find((label) => !labels.includes(label));
    if (added === undefined) {
      const asked = request();
      const at = bookletRequests().findIndex((entry) =>
        entry.service === asked.service && entry.date === asked.date && entry.evening === asked.evening);
      $("request-said").textContent = at >= 0 ? `${labels[at]} is in the booklet already.`
        : "The booklet is full: download it, or clear it first.";
      return;
    }
    undoList = null;
    sayBooklet("", false);
    showBooklet(answer);
    $("request-said").textContent = `Added to the booklet: ${added} (${services(labels.length)}).`;
  }

  function removeEntry(index) {
    const label = labels[index];
    undoList = booklet;
    showBooklet(loaded().bookletRemove(booklet, index));
    sayBooklet(`Removed from the booklet: ${label}.`, true);
    $("undo").focus();
  }

  function clearBooklet() {
    const count = labels.length;
    undoList = booklet;
    showBooklet(loaded().bookletView(""));
    sayBooklet(`The booklet was cleared of its ${services(count)}.`, true);
    $("undo").focus();
  }

  function undo() {
    if (undoList === null) return;
    const focused = document.activeElement === $("undo");
    showBooklet(loaded().bookletView(undoList));
    undoList = null;
    sayBooklet(`The booklet holds its ${services(labels.length)} again.`, false);
    if (focused) $("clear-booklet").focus();
  }

  function restoreBooklet() {
    const kept = store.read("corvane.booklet") ?? "";
    const answer = loaded().bookletView(kept);
    $("booklet-problem").hidden = answer.error === undefined;
    if (answer.error === undefined) {
      showBooklet(answer);
      return;
    }
    // Nothing is lost: the unreadable list is kept aside in the browser.
    store.write("corvane.booklet.unreadable", kept);
    $("booklet-problem").textContent =
      `The booklet kept in this browser could not be read (${answer.error.replace(/^booklet:/, "line ")}), so it starts empty.`;
    showBooklet(loaded().bookletView(""));
  }

  // ---- The parish's own commemorations, changed by the module as the
  // desktop's editor changes them: every line the person does not change
  // stays as it stands, so an imported file is exported byte for byte.

  let commemorationCount = 0;
  let commemorationsBefore = null;  // the list before the last change, for Undo
  const kLargestCommemorations = 4 * 1024 * 1024;
  const commemorationWords = (count) => `${count} ${count === 1 ? "commemoration" : "commemorations"}`;

  function drawCommemorations(view) {
    const items = view.rows.map((row, index) => {
      const item = document.createElement("li");
      const line = document.createElement("div");
      line.className = "entry";
      const label = document.createElement("span");
      label.className = "entry-label";
      const day = document.createElement("strong");
      day.textContent = row.day;
      label.append(day, " ", row.phrase);
      const remove = document.createElement("button");
      remove.type = "button";
      remove.textContent = "Remove";
      remove.setAttribute("aria-label", `Remove ${row.day} ${row.phrase}`);
      remove.addEventListener("click", () => removeCommemoration(index, `${row.day} ${row.phrase}`));
      line.append(label, remove);
      item.append(line);
      if (row.problem) {
        const said = document.createElement("p");
        said.className = "entry-warning";
        said.textContent = `This line cannot be read: ${row.problem}.`;
        item.append(said);
      }
      return item;
    });
    commemorationCount = view.rows.filter((row) => !row.problem).length;
    $("commemorations-list").replaceChildren(...items);
    $("commemorations-empty").hidden = items.length > 0;
    $("export-commemorations").disabled = commemorations === "";
    const problems = view.problems;
    $("commemorations-problem").textContent = problems.length === 0 ? "" : problems.join("\n") +
      (problems.length === 1 ? ". The line is kept as it stands; the other commemorations apply."
        : "\nThese lines are kept as they stand; the other commemorations apply.");
    $("commemorations-problem").hidden = problems.length === 0;
  }

  // The list as the module answered it, kept and composed with; `said` tells
  // what became of it. An undoable change keeps the list it replaced.
  function keepCommemorations(view, said, undoable) {
    commemorationsBefore = undoable ? commemorations : null;
    commemorations = (view.byteOrderMark ? "\uFEFF" : "") + view.text;
    store.write("corvane.commemorations", commemorations);
    drawCommemorations(view);
    $("commemorations-said").textContent = said;
    $("undo-commemoration").hidden = commemorationsBefore === null;
    $("commemoration-refused").hidden = true;
    refresh();
  }

  function refuseCommemoration(why) {
    $("commemoration-refused").textContent = why;
    $("commemoration-refused").hidden = false;
  }

  function addCommemoration() {
    const day = $("commemoration-day").value;
    const phrase = $("commemoration-phrase").value;
    const answer = loaded().commemorationsAdd(commemorations, day, phrase);
    if (answer.error !== undefined) {
      refuseCommemoration(inWords(answer.error));
      return;
    }
    const added = answer.rows[answer.rows.length - 1];
    keepCommemorations(answer, `Added: ${added.day} ${added.phrase}.`, true);
    $("commemoration-day").value = "";
    $("commemoration-phrase").value = "";
    $("commemoration-day").focus();
  }

  function removeCommemoration(index, label) {
    keepCommemorations(loaded().commemorationsRemove(commemorations, index), `Removed: ${label}.`, true);
    $("undo-commemoration").focus();
  }

  function undoCommemoration() {
    if (commemorationsBefore === null) return;
    keepCommemorations(loaded().commemorationsView(commemorationsBefore), "", false);
    $("commemorations-said").textContent =
      `The list holds its ${commemorationWords(commemorationCount)} again.`;
    $("add-commemoration").focus();
  }

  // A commemorations.txt read whole, in place of the list, which Undo brings
  // back. Only UTF-8 text is read, its byte-order mark and line breaks kept.
  async function importCommemorations(file) {
    if (file.size > kLargestCommemorations) {
      refuseCommemoration(`${file.name} is too large to be a list of commemorations; the list kept here is unchanged.`);
      return;
    }
    let text;
    try {
      text = new TextDecoder("utf-8", { fatal: true, ignoreBOM: true }).decode(await file.arrayBuffer());
    } catch {
      refuseCommemoration(`${file.name} is not UTF-8 text: save it as UTF-8 and import it again. The list kept here is unchanged.`);
      return;
    }
    keepCommemorations(loaded().commemorationsView(text), "", true);
    $("commemorations-said").textContent = `Imported ${file.name}: ${commemorationWords(commemorationCount)}.`;
  }

  function exportCommemorations() {
    save("commemorations.txt", new TextEncoder().encode(commemorations), "text/plain;charset=utf-8");
  }

  function restoreCommemorations() {
    commemorations = store.read("corvane.commemorations") ?? "";
    drawCommemorations(loaded().commemorationsView(commemorations));
  }

  // ---- Wiring.

  async function start() {
    try {
      await ready;
    } catch (error) {
      if (!onDisk) {
        $("load-problem").textContent = `Corvane could not load its module (${error.message}): reload the page.`;
        $("load-problem").hidden = false;
      }
      return;
    }
    restoreTemple();
    restoreCommemorations();
    controls.date.value = dayFromToday(0);
    applyLink();
    $("temple").open = matchMedia("(min-width: 60rem)").matches;

    // Typing redraws at once; a change made brings the dismissal on screen.
    const changed = (control, after) => {
      control.addEventListener(control.type === "text" || control.type === "date" ? "input" : "change", after);
      control.addEventListener("change", keepDismissalInView);
    };
    for (const control of templeControls) changed(control, () => { rememberTemple(); refresh(); });
    for (const control of [controls.service, controls.evening]) changed(control, refresh);
    changed(controls.date, () => { dateWord = null; refresh(); });
    controls.paper.addEventListener("change", () => store.write("corvane.paper", controls.paper.value));
    $("form").addEventListener("submit", (event) => event.preventDefault());
    controls["patron-text"].addEventListener("paste", (event) => {
      const text = event.clipboardData?.getData("text/plain");
      if (!text || oneLine(text) === text) return;
      event.preventDefault();
      const box = event.target;
      box.setRangeText(oneLine(text), box.selectionStart, box.selectionEnd, "end");
      box.dispatchEvent(new Event("input", { bubbles: true }));
    });

    $("copy").addEventListener("click", copy);
    $("share").addEventListener("click", share);
    $("why").addEventListener("click", () => {
      const open = $("why-text").hidden;
      $("why-text").hidden = !open;
      $("why").setAttribute("aria-expanded", String(open));
      if (open) showWhy();
    });
    $("print").addEventListener("click", () => {
      delete document.documentElement.dataset.printing;
      window.print();
    });
    window.addEventListener("afterprint", () => { delete document.documentElement.dataset.printing; });
    $("download-docx").addEventListener("click", () => attempt(() =>
      saveDocument(answered(loaded().documentFile(request(), controls.paper.value)))));
    $("download-txt").addEventListener("click", () => attempt(() =>
      saveText(answered(loaded().textFile(request())))));

    $("add-commemoration").addEventListener("click", addCommemoration);
    $("commemoration-day").addEventListener("keydown", (event) => {
      if (event.key === "Enter") { event.preventDefault(); $("commemoration-phrase").focus(); }
    });
    $("commemoration-phrase").addEventListener("keydown", (event) => {
      if (event.key === "Enter") { event.preventDefault(); addCommemoration(); }
    });
    $("undo-commemoration").addEventListener("click", undoCommemoration);
    // The file is chosen in the system's dialog; the page holds no file control of its own.
    $("import-commemorations").addEventListener("click", () => {
      const choice = document.createElement("input");
      choice.type = "file";
      choice.accept = ".txt,text/plain";
      choice.addEventListener("change", () => {
        if (choice.files.length > 0) importCommemorations(choice.files[0]);
      });
      choice.click();
    });
    $("export-commemorations").addEventListener("click", exportCommemorations);

    $("add-to-booklet").addEventListener("click", addEntry);
    $("clear-booklet").addEventListener("click", clearBooklet);
    $("undo").addEventListener("click", undo);
    $("undo").addEventListener("blur", () => { if (!undoTimer) $("undo").hidden = true; });
    $("print-booklet").addEventListener("click", printBooklet);
    document.addEventListener("keydown", (event) => {
      const undoKey = (event.ctrlKey || event.metaKey) && !event.shiftKey && !event.altKey &&
        event.key.toLowerCase() === "z";
      // A typed box keeps its own undo.
      if (!undoKey || undoList === null || event.target.matches?.("input[type=text], textarea")) return;
      event.preventDefault();
      undo();
    });
    $("booklet-docx").addEventListener("click", () => attempt(() =>
      saveDocument(answered(loaded().bookletDocument(booklet, temple(), controls.paper.value))),
    $("booklet-problem")));
    $("booklet-txt").addEventListener("click", () => attempt(() =>
      saveText(answered(loaded().bookletTextFile(booklet, temple()))), $("booklet-problem")));

    restoreBooklet();
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
