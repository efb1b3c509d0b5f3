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
  var source = '(' + glyphwrightEngine.toString() + ')().serveWorker(self);';
  function start() {
    worker = new Worker(URL.createObjectURL(new Blob([source], {type: 'text/javascript'})));
    worker.postMessage({wasmModule: module});
    worker.onmessage = function (event) {
      var callback = callbacks[event.data.id];
      delete callbacks[event.data.id];
      if (callback) callback(event.data);
    };
    // A module that stopped (out of memory, say) keeps nothing: the waiting jobs fail with the
    // reason, and the next job gets a fresh worker (and a fresh document).
    worker.onerror = function (event) {
      event.preventDefault();
      var waiting = callbacks;
      callbacks = {};
      worker.terminate();
      worker = null;
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
      answer.result = pageDocument.run(job.query, job.settings);
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

// A large result goes into the page a slice at a time, cut only between blocks (a paragraph or
// a whole table), with a pause between slices so the page keeps answering.
var SLICE = 256 * 1024;

function showHtml(output, html, done) {
  output.textContent = '';
  if (html.length <= SLICE) {
    output.innerHTML = html;
    done();
    return;
  }
  var lines = html.split('\n'), at = 0, token = {};
  output.sliceToken = token;
  (function next() {
    if (output.sliceToken !== token) return;  // a newer result replaced this one
    var slice = [], size = 0;
    while (at < lines.length && (size < SLICE || !/^<(p|table)[ >]/.test(lines[at]))) {
      slice.push(lines[at]);
      size += lines[at].length + 1;
      at++;
    }
    output.insertAdjacentHTML('beforeend', slice.join('\n'));
    if (at < lines.length) setTimeout(next, 0);
    else done();
  })();
}

// HTML for the clipboard: a whole document, so that word processors read it as one, with the
// formatting written both as tags and as inline styles (some editors keep only the one or the
// other; every one keeps a table).
function clipboardHtml(html) {
  var body = html
      .replace(/<sub>/g, '<sub style="vertical-align:sub">')
      .replace(/<sup>/g, '<sup style="vertical-align:super">')
      .replace(/<i>/g, '<i style="font-style:italic">')
      .replace(/<b>/g, '<b style="font-weight:bold">')
      .replace(/<table class="nmr-spec-table">/g,
               '<table class="nmr-spec-table" style="border-collapse:collapse">');
  return '<html><head><meta charset="utf-8"></head><body>\n<!--StartFragment-->' + body +
         '<!--EndFragment-->\n</body></html>';
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

function startPage() {
  var input = document.getElementById('input');
  var output = document.getElementById('output');
  var errorBox = document.getElementById('error');
  var status = document.getElementById('status');
  var jobs = document.getElementById('jobs');
  var form = document.getElementById('settings');
  var copyButton = document.getElementById('copy');
  var copyUnicodeButton = document.getElementById('copy-unicode');
  if (!input || !output) return;

  var run = null;         // runs a job off the page's thread (or on it, without workers)
  var shown = null;       // the result in #output
  var documentText = null;  // the text the kept document was made from; null: make it anew
  var busy = false;

  showSettings(form, loadSettings());
  form.addEventListener('input', function () { saveSettings(readSettings(form)); });
  form.addEventListener('change', function () { saveSettings(readSettings(form)); });

  function setError(error) {
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
    var text = input.value;
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
      shown = answer.result;
      copyButton.disabled = copyUnicodeButton.disabled = false;
      showHtml(output, shown.html, function () { setState('done', 'Formatted.'); });
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
    if (shown) copy({'text/html': clipboardHtml(shown.html), 'text/plain': shown.text}, 'Result');
  });
  copyUnicodeButton.addEventListener('click', function () {
    if (shown) copy({'text/plain': shown.unicode}, 'Unicode text');
  });

  // A text pasted while its job's document is kept starts afresh.
  input.addEventListener('input', function () { documentText = null; });

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
