// The page: window.glyphwright for scripts, and the text box, job buttons, result and copy
// buttons for people. Runs after the engine's source (glyphwrightEngine) and the module's bytes
// (embeddedWasm) that the build puts before it.

var scriptUrl = document.currentScript ? document.currentScript.src : '';
var engine = glyphwrightEngine();

// The module's bytes: the .wasm beside this script when the page is served (compiled while it
// downloads), else the copy inside this script, since a page opened from file:// may read no
// other file.
function compileModule() {
  function embedded() {
    var binary = atob(embeddedWasm), bytes = new Uint8Array(binary.length);
    for (var i = 0; i < binary.length; i++) bytes[i] = binary.charCodeAt(i);
    return WebAssembly.compile(bytes).then(function (module) {
      return {module: module, source: 'embedded'};
    });
  }
  if (!/^https?:/.test(location.protocol) || !WebAssembly.compileStreaming) return embedded();
  var url = new URL('glyphwright.wasm', scriptUrl || location.href).href;
  return WebAssembly.compileStreaming(fetch(url)).then(function (module) {
    return {module: module, source: 'glyphwright.wasm'};
  }, embedded);
}

var api = null;
var compiled = compileModule();
var ready = compiled.then(function (made) {
  return engine.instantiate(made.module).then(function (instance) {
    api = instance;
    window.glyphwright.source = made.source;
    return window.glyphwright;
  });
});

function notReady() {
  return engine.GlyphwrightError(91, 'Object variable or With block variable not set');
}

window.glyphwright = {
  // Resolves when format() can be called.
  ready: ready,
  // {html, text, unicode, script} for one job on the text taken verbatim (CR a paragraph mark),
  // as `glyphwright format QUERY --to html` makes it; throws {number, description}.
  format: function (query, text, settings) {
    if (!api) throw notReady();
    return api.format(query, text, settings);
  },
  // [{alias, className}] of every job.
  queries: function () {
    if (!api) throw notReady();
    return api.queries();
  },
  source: null,
};

// ---- Jobs off the page's thread ------------------------------------------------------------

// A worker made from this script's own engine source, so that it needs no file of its own (a
// page from file:// may start none). Without workers, jobs run here on the page.
function startWorker(module) {
  var callbacks = {}, nextId = 1, worker = null;
  var awaiting = {};  // id: a result whose clipboard's HTML is still to come
  var source = '(' + glyphwrightEngine.toString() + ')().serveWorker(self);';
  function start() {
    worker = new Worker(URL.createObjectURL(new Blob([source], {type: 'text/javascript'})));
    worker.postMessage({wasmModule: module});
    worker.onmessage = function (event) {
      var answer = event.data;
      if (answer.clipboard !== undefined) {
        var result = awaiting[answer.id];
        delete awaiting[answer.id];
        if (result) result.clipboard = answer.clipboard;
        return;
      }
      var callback = callbacks[answer.id];
      delete callbacks[answer.id];
      if (answer.result) awaiting[answer.id] = answer.result;
      if (callback) callback(answer);
    };
    // A module that stopped (out of memory, say) keeps nothing: the waiting jobs fail with the
    // reason, and the next job gets a fresh worker (and a fresh document).
    worker.onerror = function (event) {
      event.preventDefault();
      var waiting = callbacks, unfinished = awaiting;
      callbacks = {};
      awaiting = {};
      worker.terminate();
      worker = null;
      // A result already shown is made whole here.
      Object.keys(unfinished).forEach(function (id) {
        unfinished[id].clipboard = engine.clipboardHtmlOrNull(engine.textOf(unfinished[id].html));
      });
      Object.keys(waiting).forEach(function (id) {
        waiting[id]({error: {number: 1, description: 'The formatter stopped: ' +
                                                     (event.message || 'no reason given') + '.'}});
      });
    };
  }
  try {
    start();
  } catch (error) {
    return null;
  }
  return function run(job, callback) {
    if (!worker) start();
    job.id = nextId++;
    callbacks[job.id] = callback;
    worker.postMessage(job);
  };
}

function startOnPage() {
  var pageDocument = null;
  return function run(job, callback) {
    var answer = {};
    try {
      if (!pageDocument) pageDocument = api.newDocument();
      if (job.text !== null) pageDocument.setText(job.text.replace(/\r\n?|\n/g, '\r'));
      answer.result = engine.pageResult(pageDocument, job.query, job.settings);
    } catch (error) {
      answer.error = {number: error.number || 1, description: error.description || error.message};
    }
    setTimeout(function () { callback(answer); }, 0);
  };
}

// ---- Settings, kept in localStorage ---------------------------------------------------------

var SETTINGS_KEY = 'glyphwright.settings';

function loadSettings() {
  try {
    return JSON.parse(localStorage.getItem(SETTINGS_KEY) || '{}') || {};
  } catch (error) {
    return {};
  }
}

function saveSettings(settings) {
  try {
    localStorage.setItem(SETTINGS_KEY, JSON.stringify(settings));
  } catch (error) {
    // Storage may be off (a private window); the settings then last as long as the page.
  }
}

// The settings the form holds; an empty field leaves the job's default.
function readSettings(form) {
  var settings = {};
  Array.prototype.forEach.call(form.querySelectorAll('[data-setting]'), function (field) {
    var name = field.getAttribute('data-setting');
    if (field.type === 'checkbox') {
      if (field.checked) settings[name] = true;
    } else if (field.value !== '') {
      settings[name] = field.value;
    }
  });
  return settings;
}

function showSettings(form, settings) {
  Array.prototype.forEach.call(form.querySelectorAll('[data-setting]'), function (field) {
    var value = settings[field.getAttribute('data-setting')];
    if (field.type === 'checkbox') field.checked = value === true;
    else field.value = value === undefined ? '' : String(value);
  });
}

// ---- The result, shown and copied -----------------------------------------------------------

// A large result is shown a slice at a time, cut only between blocks (a paragraph or a whole
// table): the first slice at once, the next whenever the reader scrolls near the end of what is
// shown. The page then lays out only what is read, however long the result; Copy still takes
// all of it.
var SLICE = 16 * 1024;

// A result as the worker sends it, code units or UTF-8 bytes (the clipboard's HTML comes as a
// string); a part becomes a string when it is needed whole (to be copied), or bit by bit between
// the page's other tasks beforehand, so that even a long result never holds the page up for long.
var DECODE_CHUNK = 256 * 1024;

function Result(units) {
  this.units = units;
  this.texts = {};
  this.pending = {};  // name: {decoder, chunks, at} of a part being decoded bit by bit
}
// One more chunk of the part; true when the part is whole.
Result.prototype.step = function (name) {
  if (name in this.texts) return true;
  var units = this.units[name], job = this.pending[name];
  if (units === undefined) return false;  // still on its way from the worker
  if (typeof units === 'string' || units === null) {
    this.texts[name] = units;
    return true;
  }
  if (!job) {
    if (typeof TextDecoder !== 'function') {
      this.texts[name] = engine.textOf(units);
      return true;
    }
    // A part comes as code units, or as UTF-8 bytes (when it has no lone surrogate). A U+FEFF
    // that opens the part is the part's own, not a byte order mark.
    job = this.pending[name] = {
      decoder: new TextDecoder(units instanceof Uint8Array ? 'utf-8' : 'utf-16le',
                               {ignoreBOM: true}),
      chunks: [], at: 0};
  }
  var end = Math.min(units.length, job.at + DECODE_CHUNK);
  // Streamed, a pair of surrogates or a character's bytes cut between two chunks is decoded
  // whole.
  job.chunks.push(job.decoder.decode(units.subarray(job.at, end), {stream: end < units.length}));
  job.at = end;
  if (end < units.length) return false;
  var text = job.chunks.join('');
  // In code units, U+FFFD may stand for a lone surrogate: such a part is taken unit by unit.
  var exact = units instanceof Uint8Array || text.indexOf('\uFFFD') < 0;
  this.texts[name] = exact ? text : engine.textOf(units);
  delete this.pending[name];
  return true;
};
Result.prototype.part = function (name) {
  // Copy waits for the clipboard's HTML; should it be asked for before that, it is made here.
  if (name === 'clipboard' && this.units.clipboard === undefined) {
    this.units.clipboard = engine.clipboardHtmlOrNull(this.part('html'));
  }
  while (!this.step(name)) {
    // the rest of it at once: the reader is waiting for it
  }
  return this.texts[name];
};
// Decodes the parts a chunk a task, in order, while the page has nothing else to do; then done.
Result.prototype.prepare = function (names, done) {
  var result = this;
  (function next() {
    while (names.length && result.step(names[0])) names.shift();
    if (names.length) setTimeout(next, 0);
    else done();
  })();
};

var LF = 10;
// "<p>", "<p " or "<table" at `at`.
function startsBlock(units, at) {
  if (units[at] !== 0x3C) return false;
  if (units[at + 1] === 0x70) return units[at + 2] === 0x3E || units[at + 2] === 0x20;
  return String.fromCharCode.apply(null, units.subarray(at + 1, at + 6)) === 'table';
}

// Where the slice that starts at `from` ends: the first block that starts SLICE code units on,
// or the end of the HTML.
function sliceEnd(units, from) {
  if (units.length - from <= SLICE) return units.length;
  for (var at = units.indexOf(LF, from + SLICE); at >= 0; at = units.indexOf(LF, at + 1)) {
    if (startsBlock(units, at + 1)) return at + 1;
  }
  return units.length;
}

function showHtml(output, units) {
  var at = sliceEnd(units, 0);
  output.innerHTML = engine.textOf(units.subarray(0, at));
  output.setAttribute('data-complete', at < units.length ? 'false' : 'true');
  output.onscroll = at < units.length ? function more() {
    // A slice is many screens long: one more whenever the reader is within a screen of the end.
    if (output.scrollTop + 2 * output.clientHeight < output.scrollHeight) return;
    var end = sliceEnd(units, at);
    output.insertAdjacentHTML('beforeend', engine.textOf(units.subarray(at, end)));
    at = end;
    if (at >= units.length) {
      output.onscroll = null;
      output.setAttribute('data-complete', 'true');
    }
  } : null;
  return at >= units.length;
}

// Puts the payload on the clipboard: through the copy event, which every browser lets a click
// do; through the asynchronous clipboard where that is refused.
function copyToClipboard(payload) {
  var handled = false;
  function onCopy(event) {
    Object.keys(payload).forEach(function (type) { event.clipboardData.setData(type, payload[type]); });
    event.preventDefault();
    handled = true;
  }
  document.addEventListener('copy', onCopy);
  try {
    document.execCommand('copy');
  } finally {
    document.removeEventListener('copy', onCopy);
  }
  if (handled || !navigator.clipboard || !window.ClipboardItem) return Promise.resolve(handled);
  var items = {};
  Object.keys(payload).forEach(function (type) {
    items[type] = new Blob([payload[type]], {type: type});
  });
  return navigator.clipboard.write([new ClipboardItem(items)]).then(function () { return true; });
}

// ---- The page -------------------------------------------------------------------------------

// A letter for each job's shortcut (Alt+Shift+letter): the first of its alias's letters not
// taken yet, in the order the jobs are listed ("nmr-table" is T after "nmr-list" took L).
var RESERVED_KEYS = 'CU';
function shortcutKeys(queries) {
  var taken = RESERVED_KEYS, keys = {};
  var preferred = {'nmr-list': 'L', 'nmr-table': 'T'};
  queries.forEach(function (query) {
    var candidates = (preferred[query.alias] || '') + query.alias.toUpperCase().replace(/[^A-Z]/g, '');
    for (var i = 0; i < candidates.length; i++) {
      if (taken.indexOf(candidates[i]) < 0) {
        keys[query.alias] = candidates[i];
        taken += candidates[i];
        break;
      }
    }
  });
  return keys;
}

// A text box that holds megabytes makes the browser pause for seconds whenever it lays the page
// out again. A paste that would make the box that long is held by the page instead: the box
// shows its beginning, read-only, and the jobs work on the whole text until it is cleared.
var HOLD_LENGTH = 512 * 1024;  // code units
var PREVIEW_LENGTH = 4096;

function startPage() {
  var input = document.getElementById('input');
  var output = document.getElementById('output');
  var errorBox = document.getElementById('error');
  var status = document.getElementById('status');
  var jobs = document.getElementById('jobs');
  var form = document.getElementById('settings');
  var copyButton = document.getElementById('copy');
  var copyUnicodeButton = document.getElementById('copy-unicode');
  var heldNote = document.getElementById('held');
  if (!input || !output) return;

  var run = null;         // runs a job off the page's thread (or on it, without workers)
  var shown = null;       // the result in #output
  var documentText = null;  // the text the kept document was made from; null: make it anew
  var busy = false;

  showSettings(form, loadSettings());
  form.addEventListener('input', function () { saveSettings(readSettings(form)); });
  form.addEventListener('change', function () { saveSettings(readSettings(form)); });

  function setError(error) {
    // Touching the text box, even to set what it has, can make the browser lay out all of a
    // long text in it again.
    if (!error && errorBox.hidden) return;
    errorBox.textContent = error ? error.description : '';
    errorBox.hidden = !error;
    if (error) errorBox.setAttribute('data-number', String(error.number));
    else errorBox.removeAttribute('data-number');
    input.setAttribute('aria-invalid', error ? 'true' : 'false');
  }

  function setState(state, message) {
    output.setAttribute('data-state', state);
    output.setAttribute('aria-busy', state === 'busy' ? 'true' : 'false');
    status.textContent = message;
  }

  function runJob(alias) {
    if (!run || busy) return;
    var text = held !== null ? held : input.value;
    // While the text is as the last job found it, the next job works on that job's result, as
    // it would on a document (pressing "digits" again steps the digits on).
    var keep = documentText !== null && text === documentText;
    busy = true;
    setState('busy', 'Formatting…');
    run({query: alias, text: keep ? null : text, settings: readSettings(form)}, function (answer) {
      busy = false;
      if (answer.error) {
        documentText = null;
        setError(answer.error);
        setState('error', 'Not formatted: ' + answer.error.description);
        return;
      }
      setError(null);
      documentText = text;
      shown = new Result(answer.result);
      var whole = showHtml(output, shown.units.html);
      // What Copy puts on the clipboard, made ready beforehand: a click may take only so long
      // before the browser no longer counts the copy as the reader's.
      // Copy is offered once it is: at once for a short result.
      copyButton.disabled = copyUnicodeButton.disabled = true;
      var prepared = shown;
      shown.prepare(['text', 'clipboard', 'unicode'], function () {
        if (shown === prepared) copyButton.disabled = copyUnicodeButton.disabled = false;
      });
      setState('done', whole ? 'Formatted.' : 'Formatted; scroll the result for the rest.');
    });
  }

  function copy(payload, what) {
    copyToClipboard(payload).then(function (copied) {
      status.textContent = copied ? what + ' copied.' : 'The browser did not allow copying.';
    }, function () {
      status.textContent = 'The browser did not allow copying.';
    });
  }

  copyButton.addEventListener('click', function () {
    if (shown) {
      var payload = {'text/html': shown.part('clipboard'), 'text/plain': shown.part('text')};
      if (payload['text/html'] === null) delete payload['text/html'];
      copy(payload, 'Result');
    }
  });
  copyUnicodeButton.addEventListener('click', function () {
    if (shown) copy({'text/plain': shown.part('unicode')}, 'Unicode text');
  });

  // A text pasted while its job's document is kept starts afresh.
  input.addEventListener('input', function () { documentText = null; });

  var held = null;  // the whole of a long pasted text, or null: the box holds the text
  function hold(text) {
    held = text;
    documentText = null;
    input.value = text.slice(0, PREVIEW_LENGTH);
    input.readOnly = true;
    heldNote.querySelector('span').textContent = 'The box shows the beginning of a long text (' +
        text.length.toLocaleString('en') + ' characters); the jobs and Copy work on all of it.';
    heldNote.hidden = false;
  }
  input.addEventListener('paste', function (event) {
    var pasted = event.clipboardData ? event.clipboardData.getData('text/plain') : '';
    var start = input.selectionStart, end = input.selectionEnd;
    var length = input.value.length - (end - start) + pasted.length;
    if (!heldNote || held !== null || length <= HOLD_LENGTH) {
      return;
    }
    event.preventDefault();
    hold(input.value.slice(0, start) + pasted + input.value.slice(end));
  });
  if (heldNote) {
    heldNote.querySelector('button').addEventListener('click', function () {
      held = documentText = null;
      input.value = '';
      input.readOnly = false;
      heldNote.hidden = true;
      input.focus();
    });
  }

  ready.then(function () {
    var queries = api.queries(), keys = shortcutKeys(queries);
    queries.forEach(function (query) {
      var button = document.createElement('button');
      button.type = 'button';
      button.setAttribute('data-job', query.alias);
      button.title = query.className + (keys[query.alias] ? ' (Alt+Shift+' + keys[query.alias] + ')' : '');
      if (keys[query.alias]) button.setAttribute('aria-keyshortcuts', 'Alt+Shift+' + keys[query.alias]);
      button.textContent = query.alias;
      button.addEventListener('click', function () { runJob(query.alias); });
      jobs.appendChild(button);
    });
    document.addEventListener('keydown', function (event) {
      if (!event.altKey || !event.shiftKey || event.ctrlKey || event.metaKey) return;
      var key = (event.code || '').replace(/^Key/, '');
      if (key === 'C') copyButton.click();
      else if (key === 'U') copyUnicodeButton.click();
      else {
        var alias = Object.keys(keys).filter(function (name) { return keys[name] === key; })[0];
        if (!alias) return;
        runJob(alias);
      }
      event.preventDefault();
    });
    return compiled;
  }).then(function (made) {
    run = startWorker(made.module) || startOnPage();
    setState('ready', 'Ready.');
  }, function (error) {
    setError({number: 1, description: 'The formatter could not be loaded: ' + error.message + '.'});
    setState('error', 'Not loaded.');
  });
}

if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', startPage);
else startPage();
