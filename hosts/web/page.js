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

// The parts Copy puts, which follow the shown HTML.
var COPY_PARTS = ['text', 'unicode', 'clipboard'];

// A worker made from this script's own engine source, so that it needs no file of its own (a
// page from file:// may start none). Without workers, jobs run here on the page. A job's
// answer goes to `shown` ({result: {html}} or {error}) as soon as the job is done; the parts
// Copy puts go to `copyable` later (all the result's parts, or null and the reason they could
// not be made).
function startWorker(module) {
  var callbacks = {}, nextId = 1, worker = null;
  var awaiting = {};  // id: {result, copyable} of a result whose Copy parts are still to come
  var source = '(' + glyphwrightEngine.toString() + ')().serveWorker(self);';
  function arrived(id, parts, failure) {
    var waiting = awaiting[id];
    if (!waiting) return;
    if (failure !== undefined) {
      delete awaiting[id];
      waiting.copyable(null, failure);
      return;
    }
    Object.keys(parts).forEach(function (name) { waiting.result[name] = parts[name]; });
    if (COPY_PARTS.every(function (name) { return name in waiting.result; })) {
      delete awaiting[id];
      waiting.copyable(waiting.result);
    }
  }
  function start() {
    worker = new Worker(URL.createObjectURL(new Blob([source], {type: 'text/javascript'})));
    worker.postMessage({wasmModule: module});
    worker.onmessage = function (event) {
      var answer = event.data;
      if (answer.parts || answer.copyError !== undefined) {
        arrived(answer.id, answer.parts, answer.copyError);
        return;
      }
      var callback = callbacks[answer.id];
      delete callbacks[answer.id];
      if (!callback) return;
      if (answer.result) awaiting[answer.id] = {result: answer.result, copyable: callback.copyable};
      callback.shown(answer);
    };
    // A module that stopped (out of memory, say) keeps nothing: the waiting jobs fail with the
    // reason, and the next job gets a fresh worker (and a fresh document).
    worker.onerror = function (event) {
      event.preventDefault();
      var waiting = callbacks, unfinished = awaiting;
      var reason = 'The formatter stopped: ' + (event.message || 'no reason given') + '.';
      callbacks = {};
      awaiting = {};
      worker.terminate();
      worker = null;
      // A result already shown whose plain text came is copied as that alone.
      Object.keys(unfinished).forEach(function (id) {
        var result = unfinished[id].result;
        if ('text' in result && 'unicode' in result) {
          result.clipboard = null;
          unfinished[id].copyable(result);
        } else {
          unfinished[id].copyable(null, reason);
        }
      });
      Object.keys(waiting).forEach(function (id) {
        waiting[id].shown({error: {number: 1, description: reason}});
      });
    };
  }
  try {
    start();
  } catch (error) {
    return null;
  }
  return function run(job, shown, copyable) {
    if (!worker) start();
    job.id = nextId++;
    callbacks[job.id] = {shown: shown, copyable: copyable};
    worker.postMessage(job);
  };
}

function startOnPage() {
  var pageDocument = null;
  return function run(job, shown, copyable) {
    var answer = {};
    try {
      if (!pageDocument) pageDocument = api.newDocument();
      if (job.text !== null) pageDocument.setLines(job.text);
      answer.result = engine.pageResult(pageDocument, job.query, job.settings);
    } catch (error) {
      answer.error = {number: error.number || 1, description: error.description || error.message};
    }
    setTimeout(function () {
      shown(answer);
      if (answer.result) copyable(answer.result);
    }, 0);
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
// all of it. A slice is a few screens of the result: the browser lays each out in one go, and a
// longer one would hold the page up that much longer.
var SLICE = 4 * 1024;

// A result as the worker sends it: each part as UTF-8 bytes or code units (the clipboard's HTML
// null when it could not be made). A part becomes a string only when it is copied, and is kept
// as one from then on: until then the page does no work for it, however long the result.
function Result(parts) {
  this.parts = parts;
}
Result.prototype.part = function (name) {
  var part = this.parts[name];
  if (part instanceof Uint8Array || part instanceof Uint16Array) {
    part = this.parts[name] = engine.textOf(part);
  }
  return part;
};

var LF = 10;
// "<p>", "<p " or "<table" at `at`.
function startsBlock(units, at) {
  if (units[at] !== 0x3C) return false;
  if (units[at + 1] === 0x70) return units[at + 2] === 0x3E || units[at + 2] === 0x20;
  return String.fromCharCode.apply(null, units.subarray(at + 1, at + 6)) === 'table';
}

// Where the slice that starts at `from` ends: the first block that starts SLICE units (bytes or
// code units) on, or the end of the HTML. A block starts after a line feed, so a slice of
// UTF-8 bytes never cuts a character.
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
    var mine = null;
    function shownAnswer(answer) {
      busy = false;
      if (answer.error) {
        documentText = null;
        setError(answer.error);
        setState('error', 'Not formatted: ' + answer.error.description);
        return;
      }
      setError(null);
      documentText = text;
      shown = mine = new Result(answer.result);
      var whole = showHtml(output, answer.result.html);
      // Copy is offered once what it puts has come, a moment after the result is shown: a
      // click may take only so long before the browser no longer counts the copy as the
      // reader's, so nothing is left to make then.
      copyButton.disabled = copyUnicodeButton.disabled = true;
      setState('done', whole ? 'Formatted.' : 'Formatted; scroll the result for the rest.');
    }
    function copyable(parts, failure) {
      if (shown !== mine) return;
      if (parts) copyButton.disabled = copyUnicodeButton.disabled = false;
      else status.textContent = 'Formatted, but it cannot be copied: ' + failure.replace(/\.?$/, '.');
    }
    run({query: alias, text: keep ? null : text, settings: readSettings(form)}, shownAnswer,
        copyable);
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
      var payload = {'text/plain': shown.part('text')};
      // The styled HTML may be longer than a string may be: the plain text then goes alone.
      var html = null;
      try {
        html = shown.part('clipboard');
      } catch (error) {
        shown.parts.clipboard = null;
      }
      if (html !== null) payload['text/html'] = html;
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
