"""The command line the module is compared with, named by CIRCSCAN_PATH (ctest
sets it to the build's own circscan)."""

import json
import os
import subprocess

import pytest


@pytest.fixture(scope="session")
def cli():
    path = os.environ.get("CIRCSCAN_PATH")
    if not path or not os.access(path, os.X_OK):
        pytest.fail("CIRCSCAN_PATH must name the circscan program to compare with")

    def run(*args):
        """stdout of a successful run; CalledProcessError otherwise."""
        return subprocess.run([path, *args], capture_output=True, text=True, check=True).stdout

    run.path = path
    return run


@pytest.fixture(scope="session")
def cli_message(cli):
    """The message the command line prints for bad arguments, without its
    program name and usage line."""

    def message(*args):
        done = subprocess.run([cli.path, *args], capture_output=True, text=True)
        assert done.returncode == 2 and done.stdout == ""
        first = done.stderr.splitlines()[0]
        assert first.startswith("circscan: ")
        return first[len("circscan: "):]

    return message


@pytest.fixture(scope="session")
def cli_json(cli):
    def rows(*args):
        return [json.loads(line) for line in cli(*args, "--format", "json").splitlines()]

    return rows
