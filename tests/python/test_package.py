"""The installed form of the module: a package folder around the compiled file, whose import gives
the compiled module itself and whose __main__ is the glyphwright command."""
import os
import shutil
import subprocess
import sys
from pathlib import Path

import pytest

import glyphwright

PACKAGE = Path(os.environ.get("GLYPHWRIGHT_SOURCE_DIR", ".")) / "hosts/python/package/glyphwright"


@pytest.fixture(scope="module")
def site(tmp_path_factory):
    """A folder laid out as site-packages after an install: glyphwright/ with the built module."""
    root = tmp_path_factory.mktemp("site")
    package = root / "glyphwright"
    package.mkdir()
    for name in ("__init__.py", "__main__.py"):
        shutil.copy(PACKAGE / name, package / name)
    compiled = Path(glyphwright.__file__)
    os.symlink(compiled, package / compiled.name)
    return root


def run_python(site, *args, stdin=b""):
    environment = dict(os.environ, PYTHONPATH=str(site))
    return subprocess.run([sys.executable, *args], input=stdin, capture_output=True,
                          env=environment, cwd=site, timeout=60)


def test_import_gives_the_compiled_module(site):
    result = run_python(site, "-c", "import glyphwright, sys; "
                        "print(glyphwright.__file__); print(type(glyphwright.IonFormulaQuery()).__module__); "
                        "print(sys.modules['glyphwright'] is glyphwright); print(glyphwright.__version__)")
    assert result.returncode == 0, result.stderr.decode()
    file, module, same, version = result.stdout.decode().split("\n")[:4]
    assert Path(file).parent == site / "glyphwright"
    assert module == "glyphwright"
    assert same == "True"
    assert version == glyphwright.__version__


def test_package_without_compiled_module_fails_to_import(tmp_path):
    (tmp_path / "glyphwright").mkdir()
    shutil.copy(PACKAGE / "__init__.py", tmp_path / "glyphwright" / "__init__.py")
    result = run_python(tmp_path, "-c", "import glyphwright")
    assert result.returncode != 0
    assert b"ImportError: the compiled glyphwright module is missing" in result.stderr


@pytest.mark.parametrize("args, stdin, status, stdout", [
    (["format", "ion", "SO42-"], b"", 0, b"<p>SO<sub>4</sub><sup>2-</sup></p>\n"),
    (["format", "formula"], b"H2O", 0, b"<p>H<sub>2</sub>O</p>\n"),
    (["script", "ion", "SO42-"], b"", 0, b"=2\n=2\nSubscript\n=3\n=2\nSuperscript\n"),
    (["format", "nosuchquery", "x"], b"", 2, b""),
    (["frobnicate"], b"", 2, b""),
])
def test_python_m_is_the_command(site, args, stdin, status, stdout):
    result = run_python(site, "-m", "glyphwright", *args, stdin=stdin)
    assert result.returncode == status, result.stderr.decode()
    assert result.stdout == stdout


def test_python_m_says_what_the_program_says(site):
    cli = os.environ.get("GLYPHWRIGHT_CLI")
    if not cli:
        pytest.skip("the command was not built")
    for args in (["--version"], ["--help"], ["format", "nosuchquery", "x"]):
        program = subprocess.run([cli, *args], capture_output=True, timeout=60)
        module = run_python(site, "-m", "glyphwright", *args)
        assert (module.returncode, module.stdout, module.stderr) == \
            (program.returncode, program.stdout, program.stderr), args


def test_python_m_passes_argument_bytes_unchanged(site):
    # An argument that is not UTF-8 reaches the command as the same bytes, which it refuses as
    # bad input, instead of Python failing to convert it.
    result = subprocess.run([sys.executable, "-m", "glyphwright", "format", "ion", b"SO4\xff"],
                            capture_output=True, env=dict(os.environ, PYTHONPATH=str(site)),
                            cwd=site, timeout=60)
    assert result.returncode == 2
    assert b"Traceback" not in result.stderr
