"""The glyphwright Python package, built with CMake: pip install --no-build-isolation .

The compiled module comes from the project's own CMake build (target glyphwright_python, in
build/python-<tag> of the checkout, so a second install reuses the first build), the package folder
around it from hosts/python/package, the version from the project() line of CMakeLists.txt.
"""
import os
import re
import shutil
import subprocess
import sys
import sysconfig
from pathlib import Path

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = Path(__file__).resolve().parent


def project_version():
    text = (ROOT / "CMakeLists.txt").read_text(encoding="utf-8")
    match = re.search(r"project\(\s*Glyphwright\s+VERSION\s+(\d+\.\d+\.\d+)", text)
    if match is None:
        raise RuntimeError("CMakeLists.txt names no project version")
    return match.group(1)


class CMakeBuild(build_ext):
    def build_extension(self, ext):
        tag = sysconfig.get_config_var("SOABI") or "python"
        build_dir = ROOT / "build" / f"python-{tag}"
        configure = [
            "cmake", "-S", str(ROOT), "-B", str(build_dir),
            "-DCMAKE_BUILD_TYPE=Release",
            "-DGLYPHWRIGHT_TESTS=OFF",
            "-DGLYPHWRIGHT_INSTALL=OFF",
            f"-DPython_EXECUTABLE={sys.executable}",
        ]
        if shutil.which("ninja"):
            configure += ["-G", "Ninja"]
        jobs = os.environ.get("CMAKE_BUILD_PARALLEL_LEVEL", str(os.cpu_count() or 1))
        subprocess.run(configure, check=True)
        subprocess.run(
            ["cmake", "--build", str(build_dir), "--target", "glyphwright_python", "-j", jobs],
            check=True)
        built = sorted((build_dir / "hosts" / "python").glob("glyphwright.*.so"))
        if not built:
            raise RuntimeError(
                "the build made no glyphwright module: it needs pybind11-dev and the headers "
                "of this Python (python3-dev)")
        target = Path(self.get_ext_fullpath(ext.name))
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(built[-1], target)


setup(
    version=project_version(),
    packages=["glyphwright"],
    package_dir={"glyphwright": "hosts/python/package/glyphwright"},
    ext_modules=[Extension("glyphwright.glyphwright", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
