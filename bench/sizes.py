"""The artefacts each edition's build makes, and their sizes in bytes: as
built and, for the programs, as their package installs them (stripped)."""

import io
import re
import subprocess
import tarfile
import zipfile
from pathlib import Path


def project_version(build):
    """The version the build was configured with, as its packages' names carry it."""
    cache = Path(build) / "CMakeCache.txt"
    if cache.is_file():
        found = re.search(r"^CMAKE_PROJECT_VERSION:\w+=(.+)$", cache.read_text(), re.MULTILINE)
        if found:
            return found.group(1).strip()
    return None


def artefacts(edition, build):
    """The edition's artefacts by their row in the table, as paths in BUILD."""
    version = project_version(build) or "VERSION"
    if edition == "linux":
        return {"program": build / "ui/qt/ZephyrodMetric",
                "cli": build / "cli/zephyrod-cli",
                "package": build / f"zephyrod-metric_{version}_amd64.deb"}
    if edition == "windows":
        return {"program": build / "ui/win32/ZephyrodMetric.exe",
                "cli": build / "cli/zephyrod-cli.exe",
                "package": build / f"ZephyrodMetric-{version}-win64.exe",
                "zip": build / f"ZephyrodMetric-{version}-win64.zip"}
    return {"program": build / "site", "zip": build / f"ZephyrodMetric-{version}-web.zip"}


def size_of(path):
    """A file's size, or a folder's files' sizes together; None when missing."""
    if path.is_file():
        return path.stat().st_size
    if path.is_dir():
        files = [f for f in path.rglob("*") if f.is_file()]
        return sum(f.stat().st_size for f in files) if files else None
    return None


def packed_sizes(edition, paths):
    """{row: bytes} of the programs as the edition's package holds them: the
    .deb's files under /usr/bin, the Windows zip's at its top."""
    if edition == "linux" and paths["package"].is_file():
        tar = subprocess.run(["dpkg-deb", "--fsys-tarfile", str(paths["package"])],
                             capture_output=True, check=True).stdout
        with tarfile.open(fileobj=io.BytesIO(tar)) as files:
            return {row: files.getmember(f"./usr/bin/{paths[row].name}").size
                    for row in ("program", "cli")}
    if edition == "windows" and paths["zip"].is_file():
        with zipfile.ZipFile(paths["zip"]) as files:
            return {row: files.getinfo(paths[row].name).file_size for row in ("program", "cli")}
    return {}


def artefact_sizes(builds, editions):
    """{(edition, row): (path, bytes or None, bytes installed or None)} for
    every artefact of EDITIONS."""
    sizes = {}
    for edition in editions:
        paths = artefacts(edition, builds[edition])
        installed = packed_sizes(edition, paths)
        for row, path in paths.items():
            sizes[(edition, row)] = (path, size_of(path), installed.get(row))
    return sizes
