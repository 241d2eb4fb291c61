"""Window start times of each desktop edition beside a reference window on the
same display: rounds of one start of each, in turn first, so that a busy
moment of the machine falls on both alike."""

import os
import subprocess
import tempfile
from pathlib import Path

SOURCE = Path(__file__).resolve().parent.parent
KEEPER = "ui/win32/tests/win32_desktop_keeper.exe"
# What each edition's measurement runs, in its build folder.
NEEDED = {
    "linux": ("ui/qt/ZephyrodMetric",),
    "windows": ("ui/win32/ZephyrodMetric.exe", "wine-run", KEEPER),
}


def _rounds(watch, commands, runs):
    """{name: [ms, ...]} for RUNS starts of each of COMMANDS ({name: command})."""
    times = {name: [] for name in commands}
    names = list(commands)
    for run in range(runs):
        for name in names if run % 2 == 0 else reversed(names):
            times[name].append(watch.start_ms(commands[name]))
    return times


def measure_linux(watch, build, runs):
    """The Qt window's starts and xcalc's."""
    program = build / "ui/qt/ZephyrodMetric"
    return _rounds(watch, {"program": [str(program)], "reference": ["xcalc"]}, runs)


def _wine_prefix(build):
    return Path(os.environ.get("ZEPHYROD_WINEPREFIX", build / "wineprefix"))


def _prepare_prefix(wine_run, prefix):
    """Leaves the build's prefix made, told that no window manager runs (as
    the window tests do: Wine then draws the frames itself), and Wine
    stopped."""
    stop = [str(wine_run), "--stop"]
    if not (prefix / "drive_c/windows/system32/notepad.exe").is_file():
        subprocess.run([str(wine_run), "--start"], check=True)
    # Stopped, Wine has written its registry to the prefix's files.
    subprocess.run(stop, check=True)
    user_registry = prefix / "user.reg"
    if '"Managed"="N"' not in user_registry.read_text(encoding="utf-8", errors="replace"):
        subprocess.run([str(wine_run), "reg", "add", "HKCU\\Software\\Wine\\X11 Driver",
                        "/v", "Managed", "/t", "REG_SZ", "/d", "N", "/f"],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(stop, check=True)


def _keep_desktop(build, wine_run):
    """Starts the window tests' desktop keeper, which keeps Wine's desktop
    process running between the runs, and waits until the desktop is up."""
    script = SOURCE / "ui/win32/tests/wine-desktop.sh"
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run(["sh", str(script), str(wine_run), str(build / KEEPER),
                        str(Path(folder) / "desktop-ready")], check=True)


def measure_windows(watch, build, runs):
    """The Win32 window's starts and Wine's notepad.exe's, both through the
    build's wine-run, with Wine's desktop kept running. Before them one start
    of notepad.exe with Wine stopped: Wine's first start, desktop included.
    Stops Wine at the end."""
    program = build / "ui/win32/ZephyrodMetric.exe"
    wine_run = build / "wine-run"
    prefix = _wine_prefix(build)
    notepad = prefix / "drive_c/windows/system32/notepad.exe"
    try:
        _prepare_prefix(wine_run, prefix)
        first = watch.start_ms([str(wine_run), str(notepad)], timeout=180)
        _keep_desktop(build, wine_run)
        times = _rounds(watch, {"program": [str(wine_run), str(program)],
                                "reference": [str(wine_run), str(notepad)]}, runs)
        times["first"] = [first]
        return times
    finally:
        subprocess.run([str(wine_run), "--stop"], check=False)


MEASURES = {"linux": measure_linux, "windows": measure_windows}
