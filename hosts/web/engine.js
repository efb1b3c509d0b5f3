// The library's side of the page: instances of the WebAssembly module and the calls into it.
// This text runs inside one function whose source is also the worker's script, so it may use
// only what the module's loader (GlyphwrightModule) defines beside it, nothing of the page.

// The parts of a result, as the module numbers them.
var PART_HTML = 0, PART_TEXT = 1, PART_UNICODE = 2, PART_SCRIPT = 3, PART_DESCRIPTION = 4,
    PART_SOURCE = 5, PART_CLIPBOARD = 6;

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

// A string of UTF-16 code units (a Uint16Array), or of UTF-8 bytes (a Uint8Array), as a part
// crosses from the module. The browser's decoder is many times faster than building the string
// in script, but it writes U+FFFD for a lone surrogate: units holding U+FFFD are taken one by
// one instead, so that even a lone surrogate arrives as it was (bytes never hold one). A decoder
// would also drop a U+FEFF that opens the text as a byte order mark; these keep it, as it is the
// text's own.
var utf16 = typeof TextDecoder === 'function' ? new TextDecoder('utf-16le', {ignoreBOM: true})
                                              : null;
var utf8 = typeof TextDecoder === 'function' ? new TextDecoder('utf-8', {ignoreBOM: true})
                                             : null;
function textOf(units) {
  if (units.length === 0) return '';
  if (units instanceof Uint8Array) return utf8.decode(units);
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
    // No units when the module had no room to make them.
    if (length < 0 || (!pointer && length > 0)) throw GlyphwrightError(7, 'Out of memory');
    var start = pointer >> 1;
    return module.HEAPU16.subarray(start, start + length);
  }

  // The part's UTF-8 bytes in the module's memory; null when it has a lone surrogate, which
  // UTF-8 cannot carry (or there was no room for them).
  function bytes(result, which) {
    if (!utf8) return null;
    var length = module._gw_result_part_utf8_length(result, which);
    if (length < 0) return null;
    // Read after the bytes are made: making them may have grown the module's memory.
    var start = module._gw_result_part_utf8(result, which);
    return module.HEAPU8.subarray(start, start + length);
  }

  // A long part crosses as UTF-8 bytes where it can: the browser reads bytes several times
  // faster than UTF-16, ASCII (a script, a formula's HTML) fastest of all. A short one is read
  // as code units, its bytes never made. A script is kept as bytes: its length is asked of them,
  // lest a long one be widened to units only to be counted.
  function part(result, which) {
    if (utf8 && (which === PART_SCRIPT || module._gw_result_part_length(result, which) > 1024) &&
        module._gw_result_part_utf8_length(result, which) > 1024) {
      return textOf(bytes(result, which));
    }
    return textOf(units(result, which));
  }

  var ALL_PARTS = {html: PART_HTML, text: PART_TEXT, unicode: PART_UNICODE, script: PART_SCRIPT,
                   clipboard: PART_CLIPBOARD};

  // A job's result, to be read part by part and then freed; or its error thrown, the result
  // freed.
  function open(result) {
    var number = module._gw_result_error(result);
    if (number !== 0) {
      try {
        throw GlyphwrightError(number, part(result, PART_DESCRIPTION) || 'Out of memory',
                               part(result, PART_SOURCE));
      } finally {
        if (result) module._gw_result_free(result);
      }
    }
    return {
      // The part as a string.
      text: function (name) { return part(result, ALL_PARTS[name]); },
      // The part copied out of the module, to be moved to the page: UTF-8 bytes, or code units
      // where it has a lone surrogate.
      encoded: function (name) {
        var encoded = bytes(result, ALL_PARTS[name]);
        return encoded ? encoded.slice() : units(result, ALL_PARTS[name]).slice();
      },
      free: function () {
        module._gw_result_free(result);
        result = 0;
      },
    };
  }

  // The result's four parts as strings, or its error thrown. The result is freed either way.
  function take(result) {
    var reader = open(result);
    try {
      var answer = {};
      ['html', 'text', 'unicode', 'script'].forEach(function (name) {
        answer[name] = reader.text(name);
      });
      return answer;
    } finally {
      reader.free();
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
      // The text with each line break (CR LF, LF or CR) as a paragraph mark: the breaks are
      // turned into CRs in the one pass that copies the text into the module.
      setLines: function (text) {
        checkText(text);
        var pointer = module._malloc(text.length * 2 + 2);
        if (!pointer) throw GlyphwrightError(7, 'Out of memory');
        var number;
        try {
          var heap = module.HEAPU16, at = pointer >> 1, length = 0, before = 0;
          for (var i = 0; i < text.length; i++) {
            var unit = text.charCodeAt(i);
            if (unit === 10) {
              if (before === 13) {
                before = unit;
                continue;
              }
              unit = 13;
              before = 10;
            } else {
              before = unit;
            }
            heap[at + length++] = unit;
          }
          number = module._gw_document_set_text(handle, pointer, length);
        } finally {
          module._free(pointer);
        }
        if (number !== 0) throw GlyphwrightError(number, 'Out of memory');
      },
      // The job's result, to be read and then freed (open); or its error thrown.
      run: function (query, settings) {
        var packed = [checkText(query), packSettings(settings)];
        return withText(packed, function (p) {
          return open(module._gw_document_format(handle, p[0], packed[0].length, p[1],
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

// The clipboard's HTML as the page takes it (reader.encoded); null when the module has no room
// for it: Copy then puts the plain text alone rather than fail a result that is already shown.
function clipboardOrNull(reader) {
  try {
    return reader.encoded('clipboard');
  } catch (error) {
    return null;
  }
}

// One job on the document for a page without a worker: every part it shows and copies, as
// the page takes them (reader.encoded).
function pageResult(document, query, settings) {
  var reader = document.run(query, settings);
  try {
    return {html: reader.encoded('html'), text: reader.encoded('text'),
            unicode: reader.encoded('unicode'), clipboard: clipboardOrNull(reader)};
  } finally {
    reader.free();
  }
}

// The parts' buffers, to move them to the page instead of copying them there.
function buffersOf(parts) {
  return Object.keys(parts).filter(function (name) { return parts[name]; }).map(function (name) {
    return parts[name].buffer;
  });
}

// The worker's side: the first message brings the compiled module; each later one is a job
// {id, query, text, settings}, run on the worker's document (text null: on the document as the
// last job left it; a string: on a new document holding it, line breaks as paragraph marks).
// The answer comes in three messages: {id, result: {html}} or {id, error}, as soon as the job
// is done; then, while the page shows it, {id, parts: {text, unicode}} and {id, parts:
// {clipboard}}, the parts Copy puts; or {id, copyError} when those could not be made. Each part
// crosses as UTF-8 bytes (code units where it has a lone surrogate), its buffer moved to the
// page rather than copied: the page decodes only what it shows or copies, and only then. The
// script, the largest part, stays in the worker.
function serveWorker(scope) {
  var api = null, document = null, pending = [];
  function handle(message) {
    var reader = null, html = null;
    try {
      if (message.text !== null) document.setLines(message.text);
      reader = document.run(message.query, message.settings);
      html = reader.encoded('html');
    } catch (error) {
      if (reader) reader.free();
      scope.postMessage({id: message.id, error: {number: error.number || 1,
                                                 description: error.description || 'Internal Error.'}});
      return;
    }
    scope.postMessage({id: message.id, result: {html: html}}, [html.buffer]);
    try {
      var parts = {text: reader.encoded('text'), unicode: reader.encoded('unicode')};
      scope.postMessage({id: message.id, parts: parts}, buffersOf(parts));
      parts = {clipboard: clipboardOrNull(reader)};
      scope.postMessage({id: message.id, parts: parts}, buffersOf(parts));
    } catch (error) {
      scope.postMessage({id: message.id,
                         copyError: error.description || error.message || 'Out of memory'});
    } finally {
      reader.free();
    }
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
        pageResult: pageResult, textOf: textOf};
