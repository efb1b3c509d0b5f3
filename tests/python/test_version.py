"""The module states the version the command states: both come from the build's one version."""
import os
import re
import subprocess

import pytest

import glyphwright


def test_version_has_three_numbers():
    assert re.fullmatch(r"\d+\.\d+\.\d+", glyphwright.__version__)


def test_version_is_the_commands():
    cli = os.environ.get("GLYPHWRIGHT_CLI")
    if not cli:
        pytest.skip("the command was not built")
    result = subprocess.run([cli, "--version"], capture_output=True, text=True, check=True)
    assert result.stdout == f"glyphwright {glyphwright.__version__}\n"
