// The library's side of the page: instances of the WebAssembly module and the calls into it.
// This text runs inside one function whose source is also the worker's script, so it may use
// only what the module's loader (GlyphwrightModule) defines beside it, nothing of the page.

// The parts of a result, as the module numbers them.
var PART_HTML = 0, PART_TEXT = 1, PART_UNICODE = 2, PART_SCRIPT = 3, PART_DESCRIPTION = 4,
    PART_SOURCE = 5;

// An error as the library raises it: its number and its one-sentence description.
function GlyphwrightError(number, description, source) {
  var error = new Error(description);
  error.name = 'GlyphwrightError';
  error.number = number;
  error.description = description;
  error.source = source || 'Glyphwright';
  return error;
}

// Settings as NAME NUL VALUE NUL pairs. Booleans go as the automation run time writes them, so a
// Boolean property reads them back; null and undefined leave a setting at the job's default.
function packSettings(settings) {
  if (settings === undefined || settings === null) return '';
  if (typeof settings !== 'object') throw GlyphwrightError(13, 'Type mismatch');
  var packed = '';
  Object.keys(settings).forEach(function (name) {
    var value = settings[name];
    if (value === undefined || value === null) return;
    if (typeof value === 'boolean') value = value ? 'True' : 'False';
    value = String(value);
    if (name.indexOf('\0') >= 0 || value.indexOf('\0') >= 0) {
      throw GlyphwrightError(5, 'Invalid procedure call or argument');
    }
    packed += name + '\0' + value + '\0';
  });
  return packed;
}

// A string of UTF-16 code units. The browser's decoder is many times faster than building the
// string in script, but it writes U+FFFD for a lone surrogate: units holding U+FFFD are taken
// one by one instead, so that even a lone surrogate arrives as it was. A decoder would also drop
// a U+FEFF that opens the text as a byte order mark; these keep it, as it is the text's own.
var utf16 = typeof TextDecoder === 'function' ? new TextDecoder('utf-16le', {ignoreBOM: true})
                                              : null;
// ASCII bytes read as UTF-8 are the same characters, and the decoder's quickest case.
var ascii = typeof TextDecoder === 'function' ? new TextDecoder('utf-8') : null;
function textOf(units) {
  if (units.length === 0) return '';
  // A short text is quicker built directly than through a call of the decoder.
  if (units.length <= 1024) return String.fromCharCode.apply(null, units);
  if (utf16) {
    var decoded = utf16.decode(units);
    if (decoded.indexOf('\uFFFD') < 0) return decoded;
  }
  var chunks = [];
  for (var at = 0; at < units.length; at += 8192) {
    var end = Math.min(units.length, at + 8192);
    chunks.push(String.fromCharCode.apply(null, units.subarray(at, end)));
  }
  return chunks.join('');
}

function checkText(value) {
  if (typeof value !== 'string') throw GlyphwrightError(13, 'Type mismatch');
  return value;
}

// The calls of one instance of the module. Text goes in and out as UTF-16 code units, copied
// one by one so that even a lone surrogate arrives as it was.
function makeApi(module) {
  function withText(texts, body) {
    var pointers = texts.map(function (text) {
      var pointer = module._malloc(text.length * 2 + 2);
      if (!pointer) throw GlyphwrightError(7, 'Out of memory');
      var heap = module.HEAPU16, at = pointer >> 1;
      for (var i = 0; i < text.length; i++) heap[at + i] = text.charCodeAt(i);
      return pointer;
    });
    try {
      return body(pointers);
    } finally {
      pointers.forEach(function (pointer) { module._free(pointer); });
    }
  }

  function units(result, which) {
    var length = module._gw_result_part_length(result, which);
    var pointer = module._gw_result_part(result, which);
    // Null when the module had no room to widen the part to UTF-16.
    if (!pointer && length > 0) throw GlyphwrightError(7, 'Out of memory');
    var start = pointer >> 1;
    return module.HEAPU16.subarray(start, start + length);
  }

  // A long part crosses as bytes when it is all ASCII, as scripts are: the browser reads bytes
  // several times faster than UTF-16.
  function part(result, which) {
    if (ascii && module._gw_result_part_length(result, which) > 1024) {
      var length = module._gw_result_part_ascii_length(result, which);
      if (length >= 0) {
        // Read after the bytes are made: making them may have grown the module's memory.
        var start = module._gw_result_part_ascii(result, which);
        return ascii.decode(module.HEAPU8.subarray(start, start + length));
      }
    }
    return textOf(units(result, which));
  }

  var ALL_PARTS = {html: PART_HTML, text: PART_TEXT, unicode: PART_UNICODE, script: PART_SCRIPT};

  // The result's parts (all of them, or those named) as strings, or as arrays of UTF-16 code
  // units with copyUnits, and then those named in alsoText as strings too, in `texts`; or its
  // error thrown. The result is freed either way.
  function take(result, names, copyUnits, alsoText) {
    try {
      var number = module._gw_result_error(result);
      if (number !== 0) {
        throw GlyphwrightError(number, part(result, PART_DESCRIPTION) || 'Out of memory',
                               part(result, PART_SOURCE));
      }
      var answer = {};
      (names || Object.keys(ALL_PARTS)).forEach(function (name) {
        answer[name] = copyUnits ? units(result, ALL_PARTS[name]).slice()
                                 : part(result, ALL_PARTS[name]);
      });
      if (alsoText) {
        answer.texts = {};
        alsoText.forEach(function (name) { answer.texts[name] = part(result, ALL_PARTS[name]); });
      }
      return answer;
    } finally {
      if (result) module._gw_result_free(result);
    }
  }

  function format(query, text, settings) {
    var packed = [checkText(query), checkText(text), packSettings(settings)];
    return withText(packed, function (p) {
      return take(module._gw_format(p[0], packed[0].length, p[1], packed[1].length, p[2],
                                    packed[2].length));
    });
  }

  // The jobs in the order the command lists them: [{alias, className}].
  function queries() {
    return take(module._gw_queries()).text.split('\n').filter(Boolean).map(function (line) {
      var columns = line.split('\t');
      return {alias: columns[0], className: columns[1]};
    });
  }

  // A document kept between jobs: a job works on what the one before it left.
  function newDocument() {
    var handle = module._gw_document_new();
    if (!handle) throw GlyphwrightError(7, 'Out of memory');
    return {
      setText: function (text) {
        checkText(text);
        var number = withText([text], function (p) {
          return module._gw_document_set_text(handle, p[0], text.length);
        });
        if (number !== 0) throw GlyphwrightError(number, 'Out of memory');
      },
      // names: the parts wanted (['html', 'text'], say), all four when left out; copyUnits:
      // each as a Uint16Array of code units rather than a string; alsoText: parts wanted as
      // strings as well, in the answer's `texts`.
      run: function (query, settings, names, copyUnits, alsoText) {
        var packed = [checkText(query), packSettings(settings)];
        return withText(packed, function (p) {
          return take(module._gw_document_format(handle, p[0], packed[0].length, p[1],
                                                 packed[1].length), names, copyUnits, alsoText);
        });
      },
      free: function () { module._gw_document_free(handle); },
    };
  }

  return {format: format, queries: queries, newDocument: newDocument};
}

// An instance made from a compiled WebAssembly.Module (compiled once, shared with the worker).
function instantiate(wasmModule) {
  return GlyphwrightModule({
    instantiateWasm: function (imports, done) {
      WebAssembly.instantiate(wasmModule, imports).then(function (instance) {
        done(instance, wasmModule);
      });
      return {};
    },
  }).then(makeApi);
}

// The worker's side: the first message brings the compiled module; each later one is a job
// {id, query, text, settings}, run on the worker's document (text null: on the document as the
// last job left it; a string: on a new document holding it, line breaks as paragraph marks).
// The parts the page shows and copies: the script, the largest, stays in the worker.
var PAGE_PARTS = ['html', 'text', 'unicode'];

// HTML for the clipboard: a whole document, so that word processors read it as one, with the
// formatting written both as tags and as inline styles (some editors keep only the one or the
// other; every one keeps a table). One pass over the HTML for all the tags: a megabyte's HTML
// is many megabytes long.
var CLIPBOARD_TAGS = /<(?:sub|sup|i|b)>|<table class="nmr-spec-table">/g;
var CLIPBOARD_STYLED = {
  '<sub>': '<sub style="vertical-align:sub">',
  '<sup>': '<sup style="vertical-align:super">',
  '<i>': '<i style="font-style:italic">',
  '<b>': '<b style="font-weight:bold">',
  '<table class="nmr-spec-table">':
      '<table class="nmr-spec-table" style="border-collapse:collapse">',
};
function clipboardHtml(html) {
  var body = html.replace(CLIPBOARD_TAGS, function (tag) { return CLIPBOARD_STYLED[tag]; });
  return '<html><head><meta charset="utf-8"></head><body>\n<!--StartFragment-->' + body +
         '<!--EndFragment-->\n</body></html>';
}

// Null when the styled HTML would be longer than a string may be: Copy then puts the plain text
// alone rather than fail a result that is already shown.
function clipboardHtmlOrNull(html) {
  try {
    return clipboardHtml(html);
  } catch (error) {
    return null;
  }
}

// One job on the document for the page: {result: its parts as code units, html: its HTML as a
// string, straight from the module, which hands a long ASCII text over fastest}.
function pageParts(document, query, settings) {
  var result = document.run(query, settings, PAGE_PARTS, true, ['html']);
  var html = result.texts.html;
  delete result.texts;
  return {result: result, html: html};
}

// The job's parts and the HTML as Copy puts it on the clipboard ("clipboard", a string). A
// string crosses to the page as it is: a message copies a string's characters in one go, where
// writing them as UTF-8 and reading them back took several times as long.
function pageResult(document, query, settings) {
  var made = pageParts(document, query, settings);
  made.result.clipboard = clipboardHtmlOrNull(made.html);
  return made.result;
}

function serveWorker(scope) {
  var api = null, document = null, pending = [];
  function handle(message) {
    var answer = {id: message.id}, html = null;
    try {
      if (message.text !== null) document.setText(message.text.replace(/\r\n?|\n/g, '\r'));
      var made = pageParts(document, message.query, message.settings);
      answer.result = made.result;
      html = made.html;
    } catch (error) {
      answer.error = {number: error.number || 1, description: error.description || 'Internal Error.'};
    }
    // The code units' buffers move to the page instead of being copied there.
    var moved = [];
    if (answer.result) {
      Object.keys(answer.result).forEach(function (name) {
        if (answer.result[name].buffer) moved.push(answer.result[name].buffer);
      });
    }
    scope.postMessage(answer, moved);
    // The clipboard's HTML follows in a message of its own, made while the page shows the rest.
    if (html !== null) scope.postMessage({id: message.id, clipboard: clipboardHtmlOrNull(html)});
  }
  scope.onmessage = function (event) {
    if (event.data.wasmModule) {
      instantiate(event.data.wasmModule).then(function (made) {
        api = made;
        document = api.newDocument();
        pending.splice(0).forEach(handle);
      });
    } else if (api) {
      handle(event.data);
    } else {
      pending.push(event.data);
    }
  };
}

return {instantiate: instantiate, serveWorker: serveWorker, GlyphwrightError: GlyphwrightError,
        pageResult: pageResult, clipboardHtmlOrNull: clipboardHtmlOrNull, textOf: textOf};
