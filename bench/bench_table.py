"""The README's table of sizes and start times: its lines, written from the
measurements, and their place in the file, between two marker lines."""

import os
import statistics
import subprocess
import time
from pathlib import Path

START_MARKER = "<!-- bench:start -->"
END_MARKER = "<!-- bench:end -->"
SCRIPT = "bench/window-start-and-sizes"
COLUMNS = ("windows", "linux", "web")
HEADER = "| | Windows edition (under Wine) | Linux edition | Web edition |"
BUDGETS = "see [Budgets](#budgets)"
ROWS = (
    ("program", "Window's program"),
    ("cli", "Headless calculator"),
    ("package", "Installer / package"),
    ("zip", "Zip"),
)
# What each edition's programs are built with, beside their sizes.
PROGRAM_NOTES = {"windows": "statically linked", "linux": "using Debian's Qt 6 libraries"}


def block_span(lines, path):
    """The indexes of the start and end marker lines; ValueError unless there
    is exactly one of each, in that order."""
    starts = [i for i, line in enumerate(lines) if line.strip() == START_MARKER]
    ends = [i for i, line in enumerate(lines) if line.strip() == END_MARKER]
    if len(starts) != 1 or len(ends) != 1 or ends[0] < starts[0]:
        raise ValueError(f"{path} needs one line {START_MARKER} and, after it, "
                         f"one line {END_MARKER} around the table")
    return starts[0], ends[0]


def replace_block(path, block):
    """Puts BLOCK (lines) between the markers of the file at PATH, in place of
    what was there; the rest of the file stays as it was."""
    path = Path(path)
    lines = path.read_text(encoding="utf-8").split("\n")
    start, end = block_span(lines, path)
    text = "\n".join(lines[:start + 1] + block + lines[end:])
    temporary = path.with_name(path.name + ".new")
    temporary.write_text(text, encoding="utf-8")
    os.replace(temporary, path)


def _bytes(label, size, installed):
    if size is None:
        return f"`{label}`: not built"
    # A package that strips its programs installs fewer bytes than were built.
    packed = "" if installed in (None, size) else f" ({installed:,} installed)"
    return f"`{label}`: {size:,} bytes{packed}"


def _ms(times):
    median = statistics.median(times)
    return f"{median / 1000:.1f} s" if median >= 1000 else f"{median:.0f} ms"


def _size_cell(edition, row, sizes):
    if not _has_row(edition, row):
        return "—"
    if (edition, row) not in sizes:
        return "not measured"
    path, size, installed = sizes[(edition, row)]
    cell = _bytes("site/" if (edition, row) == ("web", "program") else path.name, size, installed)
    if size is not None and row == "program":
        if edition in PROGRAM_NOTES:
            cell += f", {PROGRAM_NOTES[edition]}"
        else:
            cell += f" (the first visit's gzipped files: {BUDGETS})"
    return cell


def _has_row(edition, row):
    return not (edition == "web" and row in ("cli", "package")) and not (
        edition == "linux" and row == "zip")


def _start_cell(edition, starts):
    if edition == "web":
        return f"ready to calculate: {BUDGETS}"
    if edition not in starts:
        return "not measured"
    times = starts[edition]
    if times is None:
        return "not built"
    if edition == "linux":
        return f"{_ms(times['program'])} (`xcalc`: {_ms(times['reference'])})"
    return (f"{_ms(times['program'])} (Wine's `notepad.exe`: {_ms(times['reference'])}; "
            f"Wine's first start, its desktop included: {_ms(times['first'])})")


def _git(source, *arguments):
    result = subprocess.run(["git", "-C", str(source), *arguments], capture_output=True, text=True)
    return result.stdout.strip() if result.returncode == 0 else ""


def _commit(source, readme):
    commit = _git(source, "rev-parse", "--short=12", "HEAD") or "unknown"
    # The README itself changes with every run, so it does not count.
    paths = ["."]
    if readme.is_relative_to(source):
        paths.append(f":(exclude){readme.relative_to(source)}")
    changed = _git(source, "status", "--porcelain", "--untracked-files=no", "--", *paths)
    return f"`{commit}`" + (" with uncommitted changes" if changed else "")


def _machine(editions):
    cpu = "unknown processor"
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name"):
            cpu = line.split(":", 1)[1].strip()
            break
    parts = [f"{os.cpu_count()} cores, {cpu}"]
    debian = Path("/etc/debian_version")
    if debian.is_file():
        parts.append(f"Debian {debian.read_text().strip()}")
    if "windows" in editions:
        wine = subprocess.run(["wine", "--version"], capture_output=True, text=True).stdout
        if wine.strip():
            parts.append(wine.split()[0].replace("wine-", "Wine "))
    load = Path("/proc/loadavg").read_text().split()[0]
    return ", ".join(parts) + f" (load average {load} as it ended)"


def render_block(sizes, starts, runs, editions, source, readme):
    """The lead-in line and the table, as lines."""
    when = time.strftime("%Y-%m-%d", time.gmtime())
    lines = [
        f"Sizes and start times, measured on {when} at commit {_commit(source, readme)} "
        f"on {_machine(editions)}, the windows on Xvfb. `{SCRIPT}` wrote this table and "
        "rewrites it when run again (see [Benchmarks](#benchmarks) for what to build first):",
        "",
        HEADER,
        "|---|---|---|---|",
    ]
    for row, title in ROWS:
        cells = [_size_cell(edition, row, sizes) for edition in COLUMNS]
        lines.append(f"| {title} | " + " | ".join(cells) + " |")
    title = f"Start: launch to first window mapped, median of {runs} (a reference window beside it)"
    cells = [_start_cell(edition, starts) for edition in COLUMNS]
    lines.append(f"| {title} | " + " | ".join(cells) + " |")
    # Markdown ends the table at the empty line, before the end marker.
    return lines + [""]
