// Appended to the module (--post-js): its functions as the page and the tests
// call them, with the page's request object, {service, date, evening,
// calendar, patron, patronText, bishop, commemorations}. A field that is
// undefined or null is an option left out; any other is the text its option
// would hold; commemorations is the text of a commemorations.txt.
(() => {
  const options = ["service", "date", "calendar", "patron", "patronText"];
  function fields(request) {
    const object = request !== null && typeof request === "object" ? request : {};
    const given = (name) => object[name] !== undefined && object[name] !== null;
    const text = (name) => (given(name) ? String(object[name]) : "");
    const mask = options.reduce((bits, name, bit) => (given(name) ? bits | (1 << bit) : bits), 0);
    return [text("service"), text("date"), Boolean(object.evening), text("calendar"), text("patron"),
      text("patronText"), Boolean(object.bishop), mask, text("commemorations")];
  }

  const decoder = new TextDecoder();
  // {json: one line of corvane-cli --json} or {error: its message}.
  Module["compose"] = (request) => {
    const text = decoder.decode(Module["composeFields"](fields(request)));
    return text.startsWith("{") ? { json: text } : { error: text };
  };
  Module["preview"] = (request) => Module["previewFields"](fields(request));
  Module["explain"] = (request) => Module["explainFields"](fields(request));
  Module["textFile"] = (request) => Module["textFileFields"](fields(request));
  Module["documentFile"] = (request, paper) => Module["documentFileFields"](fields(request), paper);
  Module["bookletAdd"] = (list, request) => Module["bookletAddFields"](list, fields(request));
  Module["bookletDocument"] = (list, temple, paper) =>
    Module["bookletDocumentFields"](list, fields(temple), paper);
  Module["bookletTextFile"] = (list, temple) => Module["bookletTextFileFields"](list, fields(temple));
})();
