"""Runs grafuri-script cases: each case is a working directory with its files, a script, the
output lines it must print, the files it must leave, and pixels its screenshots must show."""

import dataclasses
import difflib
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import pngprobe  # noqa: E402

# The main window's client origin on the headless backend's 1280 x 800 screen.
CLIENT_ORIGIN = (43, 62)
# The main window's outer top-left corner on that screen.
WINDOW_ORIGIN = (40, 40)

WHITE = (255, 255, 255)
BACKGROUND = (200, 200, 200)  # the main window's own colour, where nothing is drawn
RED = (255, 0, 0)
GREEN = (0, 255, 0)
BLUE = (0, 128, 255)
NAVY = (0, 0, 128)

STATUS_LEFT = " Win32 Application"
STATUS_RIGHT = " Rosu semnifica varful arcului"


@dataclasses.dataclass
class Probe:
    shot: str  # screenshot file written by the script
    x: int  # client coordinates of the main window, unless screen is set
    y: int
    colour: tuple  # (r, g, b); a colour prefixed by "not" in `unlike` must differ
    screen: bool = False
    unlike: bool = False


@dataclasses.dataclass
class Case:
    name: str
    script: list
    expect: list
    files: dict = dataclasses.field(default_factory=dict)  # name -> text, before the run
    dirs: list = dataclasses.field(default_factory=list)  # directories made before the run
    saved: dict = dataclasses.field(default_factory=dict)  # name -> text after the run (None: absent)
    probes: list = dataclasses.field(default_factory=list)
    exit_status: int = 0


# ---- Where things are on the panel (client coordinates of the main window) ---------------------
RADIO = {  # the action radio buttons, children of the "Actiuni:" group box at (806, 15)
    "AddVertex": (830, 45),
    "RemoveVertex": (830, 65),
    "VertexDegree": (830, 85),
    "MoveVertex": (830, 105),
    "AddArc": (830, 125),
    "RemoveArc": (830, 145),
    "None": (830, 165),
}
BUTTON = {
    "Tare Conex": (886, 237),
    "Turneu": (886, 272),
    "Bipartit": (886, 307),
    "Circuit": (886, 342),
    "Cmp TConexe": (886, 422),
    "Parc. B.F.": (886, 457),
    "Parc. D.F.": (886, 492),
    "Citire": (810, 580),
    "Salvare": (955, 580),
}
START_VERTEX_BOX = (922, 525)
FILE_NAME_BOX = (880, 580)


def click(x, y):
    return f"click {x} {y}"


def mode(name):
    return click(*RADIO[name])


def press(button):
    return click(*BUTTON[button])


def clicks(*points):
    return [click(x, y) for x, y in points]


def start_vertex(text):
    lines = [click(*START_VERTEX_BOX), "key END"] + ["key BACKSPACE"] * 4
    return lines + ([f"type {text}"] if text else [])


def file_name(text):
    lines = [click(*FILE_NAME_BOX), "key END"] + ["key BACKSPACE"] * 20
    return lines + ([f"type {text}"] if text else [])


def save(name):
    return file_name(name) + [press("Salvare"), "answer OK"]


def saved_box():
    return box("Salvare graf", "Graful a fost salvat in fisier")


def box(caption, text):
    return "BOX " + caption + "|" + text.replace("\n", "\\n")


def status(prompt):
    return f"STATUS {STATUS_LEFT}|{prompt}|{STATUS_RIGHT}"


def graph_file(n, arcs, vertices):
    """The text the program saves: counts, arcs in row-major order, live vertices with positions."""
    lines = [str(n), str(len(arcs))] + [f"{u} {v}" for u, v in sorted(arcs)]
    lines += [f"{k} {x} {y}" for k, (x, y) in sorted(vertices.items())]
    return "".join(line + "\n" for line in lines)


# ---- PNG pixels -----------------------------------------------------------------------------------
class RawImage:
    """Pixels ImageMagick has already decoded to raw 8-bit RGB."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i : i + 3])


def read_image(path):
    """ImageMagick turns the PNG into raw RGB in a blink; the pure-Python decoder is the fallback."""
    if shutil.which("convert"):
        done = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True)
        size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True)
        if done.returncode == 0 and size.returncode == 0:
            width, height = map(int, size.stdout.split())
            return RawImage(width, height, done.stdout)
    return pngprobe.Image(path)


# ---- Running ----------------------------------------------------------------------------------
def run_case(binary, case):
    problems = []
    with tempfile.TemporaryDirectory(prefix="grafuri-actions-") as work:
        for name, text in case.files.items():
            with open(os.path.join(work, name), "wb") as f:
                f.write(text.encode("cp1252"))
        for name in case.dirs:
            os.makedirs(os.path.join(work, name), exist_ok=True)
        script = os.path.join(work, "case.script")
        with open(script, "w", encoding="utf-8") as f:
            f.write("\n".join(case.script) + "\n")
        try:
            done = subprocess.run([binary, "case.script"], cwd=work, capture_output=True, timeout=120)
        except subprocess.TimeoutExpired:
            return [f"{case.name}: timed out"]
        out = done.stdout.decode("utf-8", "replace").splitlines()
        if out != case.expect:
            diff = "\n".join(difflib.unified_diff(case.expect, out, "expected", "printed", lineterm=""))
            problems.append(f"{case.name}: output differs\n{diff}")
        if done.returncode != case.exit_status:
            err = done.stderr.decode("utf-8", "replace")
            problems.append(f"{case.name}: exit status {done.returncode}, expected {case.exit_status}\n{err}")
        for name, text in case.saved.items():
            path = os.path.join(work, name)
            if text is None:
                if os.path.isfile(path):
                    problems.append(f"{case.name}: {name} exists but should not")
                continue
            if not os.path.isfile(path):
                problems.append(f"{case.name}: {name} was not written")
                continue
            with open(path, "rb") as f:
                got = f.read().decode("cp1252")
            if got != text:
                problems.append(f"{case.name}: {name} holds {got!r}, expected {text!r}")
        images = {}
        for probe in case.probes:
            path = os.path.join(work, probe.shot)
            if probe.shot not in images:
                if not os.path.isfile(path):
                    problems.append(f"{case.name}: screenshot {probe.shot} missing")
                    images[probe.shot] = None
                else:
                    images[probe.shot] = read_image(path)
            image = images[probe.shot]
            if image is None:
                continue
            sx, sy = (probe.x, probe.y) if probe.screen else (probe.x + CLIENT_ORIGIN[0], probe.y + CLIENT_ORIGIN[1])
            got = image.pixel(sx, sy)
            if (got == tuple(probe.colour)) == probe.unlike:
                relation = "not " if probe.unlike else ""
                problems.append(
                    f"{case.name}: {probe.shot} at ({probe.x}, {probe.y}){' screen' if probe.screen else ''} "
                    f"is {got}, expected {relation}{probe.colour}"
                )
    return problems


def main(cases):
    if len(sys.argv) < 2:
        sys.exit("usage: CASES.py PATH/TO/grafuri-script [CASE-NAME...]")
    binary, only = os.path.abspath(sys.argv[1]), set(sys.argv[2:])
    names = [case.name for case in cases]
    duplicates = {n for n in names if names.count(n) > 1}
    if duplicates:
        sys.exit(f"duplicate case names: {sorted(duplicates)}")
    failures = 0
    chosen = [case for case in cases if not only or case.name in only]
    for case in chosen:
        problems = run_case(binary, case)
        print(("FAIL " if problems else "ok   ") + case.name)
        for problem in problems:
            print("    " + problem.replace("\n", "\n    "))
        failures += bool(problems)
    print(f"{failures} of {len(chosen)} cases failed" if failures else f"all {len(chosen)} cases passed")
    sys.exit(1 if failures else 0)
