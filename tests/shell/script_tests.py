#!/usr/bin/env python3
"""The whole program run through grafuri-script on the headless backend, in a fresh working
directory per run: start-up with and without "RoriR.in", the box for an invalid one, and the
control panel end to end. Each run's stdout lines, exit status and screenshot pixels are checked.

    script_tests.py PATH/TO/grafuri-script [unittest options]
"""

import math
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import pngprobe  # noqa: E402

GRAFURI_SCRIPT = None

# The headless screen puts the main window's outer corner at (40, 40); its frame is 3 px wide and
# its caption 19 px high, so client (0, 0) is screen (43, 62).
CLIENT_ORIGIN = (43, 62)

SAMPLE_GRAPH = "9\n12\n1 2\n2 3\n3 1\n3 4\n4 5\n5 4\n5 6\n6 7\n7 8\n8 6\n8 8\n2 7\n"
CREDIT_LINE = " Grafuri orientate: editare cu mouse-ul, verificari si parcurgeri pas cu pas"
INVALID_BOX = "BOX Citire graf|Fisierul RoriR.in nu contine un graf valid!"


def status_line(prompt):
    return f"STATUS  Win32 Application|{prompt}| Rosu semnifica varful arcului"


def circle_positions(n):
    """Where the start-up layout puts vertices 1..n: a circle of radius 270 around (300, 300)."""
    step = 2 * math.pi / n
    return [(math.trunc(math.cos(i * step) * 270 + 300), math.trunc(300 - math.sin(i * step) * 270))
            for i in range(n)]


def is_white(p):
    return min(p) > 235


def is_dark(p):
    return max(p) < 90


def is_red(p):
    return p[0] > 200 and p[1] < 70 and p[2] < 70


class Run:
    def __init__(self, script, startup_file=None):
        with tempfile.TemporaryDirectory(prefix="grafuri-shell-") as work:
            if startup_file is not None:
                with open(os.path.join(work, "RoriR.in"), "w") as f:
                    f.write(startup_file)
            with open(os.path.join(work, "script.txt"), "w") as f:
                f.write(script)
            done = subprocess.run([GRAFURI_SCRIPT, "script.txt"], cwd=work, capture_output=True, text=True,
                                  timeout=120)
            self.lines = done.stdout.splitlines()
            self.stderr = done.stderr
            self.returncode = done.returncode
            self.shots = {}
            for name in sorted(os.listdir(work)):
                if name.endswith(".png"):
                    self.shots[name] = pngprobe.Image(os.path.join(work, name))


class Client:
    """A screenshot read in the main window's client coordinates."""

    def __init__(self, image):
        self.image = image

    def pixel(self, x, y):
        return self.image.pixel(CLIENT_ORIGIN[0] + x, CLIENT_ORIGIN[1] + y)

    def count(self, x0, y0, x1, y1, test):
        """Pixels of the client rectangle [x0, x1] x [y0, y1] that pass the test."""
        ox, oy = CLIENT_ORIGIN
        return self.image.count(ox + x0, oy + y0, ox + x1 + 1, oy + y1 + 1, test)


class ScriptTest(unittest.TestCase):
    def assertEndedCleanly(self, run):
        self.assertEqual(run.returncode, 0, run.stderr)
        self.assertEqual(run.stderr, "")

    def assertOnlySeparator(self, shot):
        self.assertTrue(is_red(shot.pixel(770, 300)))
        self.assertGreater(shot.count(768, 12, 772, 590, is_red), 2 * 570)
        self.assertEqual(shot.count(0, 0, 760, 600, is_white), 0)
        self.assertEqual(shot.count(0, 0, 760, 600, is_dark), 0)
        self.assertEqual(shot.count(0, 0, 760, 600, is_red), 0)


class StartUpTest(ScriptTest):
    def test_sample_graph_vertices_sit_on_the_start_up_circle(self):
        run = Run("status\nscreenshot start.png\nclose\n", SAMPLE_GRAPH)
        self.assertEndedCleanly(run)
        self.assertEqual(run.lines, [status_line(CREDIT_LINE)])
        shot = Client(run.shots["start.png"])
        self.assertTrue(is_red(shot.pixel(770, 300)))
        positions = circle_positions(9)
        self.assertEqual(positions[0], (570, 300))
        for v, (x, y) in enumerate(positions, start=1):
            with self.subTest(vertex=v, centre=(x, y)):
                self.assertTrue(is_white(shot.pixel(x + 7, y)))  # the fill, right of the label
                self.assertTrue(is_white(shot.pixel(x, y + 10)))
                self.assertGreater(shot.count(x + 9, y - 1, x + 13, y + 1, is_dark), 0)  # outline
                self.assertGreater(shot.count(x - 13, y - 1, x - 9, y + 1, is_dark), 0)
                self.assertGreater(shot.count(x - 8, y - 8, x + 1, y + 4, is_dark), 0)  # the label
        # Nothing but the background in the middle of the circle, which no arc crosses.
        self.assertEqual(shot.count(280, 380, 320, 420, lambda p: not (190 < p[0] < 210)), 0)

    def test_without_start_up_file_only_the_separator_and_no_box(self):
        run = Run("screenshot start.png\nstatus\nclose\n")
        self.assertEndedCleanly(run)
        self.assertEqual(run.lines, [status_line(CREDIT_LINE)])
        self.assertOnlySeparator(Client(run.shots["start.png"]))

    def test_invalid_start_up_file_is_reported_once_the_window_is_up(self):
        cases = {
            "not a number": "abc\n",
            "fewer arc pairs than announced": "3 2\n1 2\n",
            "too many vertices": "100 0\n",
            "arc end above n": "2 1\n1 5\n",
            "negative vertex count": "-1 0\n",
        }
        for reason, content in cases.items():
            with self.subTest(reason):
                run = Run("screenshot boxed.png\nanswer OK\nscreenshot after.png\nstatus\nclose\n", content)
                self.assertEndedCleanly(run)
                self.assertEqual(run.lines, [INVALID_BOX, status_line(CREDIT_LINE)])
                # The main window is drawn behind the box, its drawing area empty.
                boxed = Client(run.shots["boxed.png"])
                self.assertTrue(is_red(boxed.pixel(770, 300)))
                self.assertOnlySeparator(Client(run.shots["after.png"]))

    def test_box_left_unanswered_still_lets_the_program_end_with_zero(self):
        run = Run("", "abc\n")
        self.assertEndedCleanly(run)
        self.assertEqual(run.lines, [INVALID_BOX])

    def test_valid_empty_graph_is_not_reported(self):
        run = Run("status\nclose\n", "0\n0\n")
        self.assertEndedCleanly(run)
        self.assertEqual(run.lines, [status_line(CREDIT_LINE)])


# "Tare Conex" and the other command buttons: black text while enabled, grey while disabled.
COMMAND_BUTTON_TEXT = [(846, 230, 926, 244), (846, 300, 926, 314), (846, 485, 926, 499)]


class ControlPanelStoryTest(ScriptTest):
    def test_radio_presses_change_prompt_and_command_buttons(self):
        script = "\n".join([
            "screenshot initial.png",
            "click 850 125",  # "Adauga arc"
            "status",
            "screenshot add-arc.png",
            "rclick 850 65",  # right press on "Elimina varf": prompt, no check
            "status",
            "click 954 45",  # 2 px inside the group's right edge: "Adauga varf"
            "status",
            "click 850 165",  # "Anulare actiune"
            "status",
            "screenshot cancel.png",
            "close",
        ]) + "\n"
        run = Run(script, SAMPLE_GRAPH)
        self.assertEndedCleanly(run)
        self.assertEqual(run.lines, [
            status_line(" Selectati extremitatea initiala "),
            status_line(" Selectati varful pe care doriti sa-l eliminati "),
            status_line(" Marcati pozitia noului varf intr-o zona libera"),
            status_line(" "),
        ])
        for name, enabled in (("initial.png", True), ("add-arc.png", False), ("cancel.png", True)):
            shot = Client(run.shots[name])
            for box in COMMAND_BUTTON_TEXT:
                with self.subTest(shot=name, button=box):
                    dark = shot.count(*box, is_dark)
                    if enabled:
                        self.assertGreater(dark, 20)
                    else:
                        self.assertEqual(dark, 0)
            # "Citire" and "Salvare" stay enabled throughout.
            self.assertGreater(shot.count(785, 573, 835, 587, is_dark), 10)
            self.assertGreater(shot.count(930, 573, 980, 587, is_dark), 10)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    GRAFURI_SCRIPT = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
