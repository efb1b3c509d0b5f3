"""Runs a command script on an executer, with a runner of its own."""

import glyphwright


def run_script(script, executer):
    runner = glyphwright.CommandRunner()
    runner.Executer = executer
    try:
        runner.Run(script)
    finally:
        # The runner's reference is invisible to Python's collector.
        runner.Executer = None
