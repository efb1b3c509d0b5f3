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

  function part(result, which) {
    var length = module._gw_result_part_length(result, which);
    if (length === 0) return '';
    var start = module._gw_result_part(result, which) >> 1, heap = module.HEAPU16;
    var chunks = [];
    for (var at = 0; at < length; at += 8192) {
      chunks.push(String.fromCharCode.apply(
          null, heap.subarray(start + at, start + Math.min(length, at + 8192))));
    }
    return chunks.join('');
  }

  // The result's parts, or its error thrown; the result is freed either way.
  function take(result) {
    try {
      var number = module._gw_result_error(result);
      if (number !== 0) {
        throw GlyphwrightError(number, part(result, PART_DESCRIPTION) || 'Out of memory',
                               part(result, PART_SOURCE));
      }
      return {
        html: part(result, PART_HTML),
        text: part(result, PART_TEXT),
        unicode: part(result, PART_UNICODE),
        script: part(result, PART_SCRIPT),
      };
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
      run: function (query, settings) {
        var packed = [checkText(query), packSettings(settings)];
        return withText(packed, function (p) {
          return take(module._gw_document_format(handle, p[0], packed[0].length, p[1],
                                                 packed[1].length));
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
function serveWorker(scope) {
  var api = null, document = null, pending = [];
  function handle(message) {
    var answer = {id: message.id};
    try {
      if (message.text !== null) document.setText(message.text.replace(/\r\n?|\n/g, '\r'));
      answer.result = document.run(message.query, message.settings);
    } catch (error) {
      answer.error = {number: error.number || 1, description: error.description || 'Internal Error.'};
    }
    scope.postMessage(answer);
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

return {instantiate: instantiate, serveWorker: serveWorker, GlyphwrightError: GlyphwrightError};
