#!/usr/bin/env python3
"""Writes the static site: index.html (the style sheet inside it), glyphwright.js (the module's
loader and the engine inside one function, whose source the page's worker reuses; the module's
bytes for pages opened from file://; the page's script) and glyphwright.wasm."""
import argparse
import base64
import pathlib
import re
import shutil


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--core', required=True, help="Emscripten's loader, glyphwright-core.js")
    parser.add_argument('--wasm', required=True, help='the module, glyphwright-core.wasm')
    parser.add_argument('--sources', required=True, help='hosts/web')
    parser.add_argument('--out', required=True, help='the site folder')
    args = parser.parse_args()
    sources, out = pathlib.Path(args.sources), pathlib.Path(args.out)
    out.mkdir(parents=True, exist_ok=True)

    # The loader ends with module-system exports; inside a function they would only confuse
    # a page that has such a system.
    core = pathlib.Path(args.core).read_text(encoding='utf-8')
    core = re.split(r"\nif \(typeof exports === 'object' && typeof module === 'object'\)", core)[0]
    engine = (sources / 'engine.js').read_text(encoding='utf-8')
    wasm = pathlib.Path(args.wasm).read_bytes()
    page = (sources / 'page.js').read_text(encoding='utf-8')

    script = ('// Glyphwright for the web: docs/web.md.\n'
              '(function () {\n'
              'function glyphwrightEngine() {\n' + core + '\n' + engine + '}\n'
              'var embeddedWasm = "' + base64.b64encode(wasm).decode('ascii') + '";\n' +
              page + '})();\n')
    (out / 'glyphwright.js').write_text(script, encoding='utf-8')
    shutil.copyfile(args.wasm, out / 'glyphwright.wasm')

    html = (sources / 'index.html').read_text(encoding='utf-8')
    css = (sources / 'page.css').read_text(encoding='utf-8')
    (out / 'index.html').write_text(html.replace('/* page.css */\n', css), encoding='utf-8')


if __name__ == '__main__':
    main()
