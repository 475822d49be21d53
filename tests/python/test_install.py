"""cmake --install puts the module where the system's Python finds it."""

import json
import os
import site
import subprocess
import sys

import pytest

BUILD_DIR = os.environ["SOLVARIS_BUILD_DIR"]
PREFIX = os.environ["SOLVARIS_INSTALL_PREFIX"]
MODULE_DIR = os.environ["SOLVARIS_PYTHON_INSTALL_DIR"]
CMAKE = os.environ["SOLVARIS_CMAKE_COMMAND"]


def system_path(*options, env=None):
    done = subprocess.run([sys.executable, *options, "-c", "import sys, json; "
                           "print(json.dumps(sys.path))"], capture_output=True, text=True,
                          check=True, env=env)
    return json.loads(done.stdout)


def test_the_configured_prefix_is_on_the_system_path():
    folder = os.path.join(PREFIX, MODULE_DIR)
    if PREFIX in ("/usr", "/usr/local"):
        # Isolated: neither PYTHONPATH nor the user's site.
        assert folder in system_path("-I")
    elif PREFIX == os.path.expanduser("~/.local"):
        assert folder == site.getusersitepackages()
    else:
        pytest.skip(f"the system's Python looks in no folder under {PREFIX}")


def test_the_installed_module_imports(tmp_path):
    prefix = tmp_path / "prefix"
    subprocess.run([CMAKE, "--install", BUILD_DIR, "--prefix", str(prefix)],
                   capture_output=True, check=True)
    folder = prefix / MODULE_DIR
    assert [path.name.split(".")[0] for path in folder.iterdir()] == ["solvaris"]
    env = {**os.environ, "PYTHONPATH": str(folder)}
    done = subprocess.run([sys.executable, "-c", "import solvaris; print(solvaris.__file__); "
                           "print(solvaris.positions(2451545.0)['longitude'][0])"],
                          capture_output=True, text=True, check=True, env=env)
    where, sun = done.stdout.split()
    assert os.path.dirname(where) == str(folder)
    assert abs(float(sun) - 280.3678344) < 1e-6
