"""Glyphwright formats chemical text: the glyphwright module as an installed package.

The package folder holds the compiled module (glyphwright.<platform tag>.so). Importing the
package gives that module itself, so an installed glyphwright has the very classes, functions and
__version__ the module alone has (as the build tree and the LibreOffice extension carry it); the
module keeps this folder as its __path__, so that ``python3 -m glyphwright`` finds __main__.
"""
import importlib.machinery
import importlib.util
import os
import sys


def _load_compiled_module():
    folder = os.path.dirname(os.path.abspath(__file__))
    for suffix in importlib.machinery.EXTENSION_SUFFIXES:
        path = os.path.join(folder, "glyphwright" + suffix)
        if os.path.isfile(path):
            break
    else:
        raise ImportError(f"the compiled glyphwright module is missing from {folder}")
    found = importlib.util.spec_from_file_location(__name__, path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    module.__path__ = [folder]
    # The import system hands out what sys.modules holds once this file has run.
    sys.modules[__name__] = module


_load_compiled_module()
