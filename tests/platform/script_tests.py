"""Runs the probe program under the headless script driver and checks what the driver prints,
its exit status, its errors and its screenshots."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import pngprobe  # noqa: E402

PROBE = sys.argv[1]
OUT = sys.argv[2]
os.makedirs(OUT, exist_ok=True)
failures = []


def run(script, use_stdin=False):
    path = os.path.join(OUT, "script.txt")
    with open(path, "w", encoding="utf-8") as f:
        f.write(script)
    if use_stdin:
        p = subprocess.run([PROBE], input=script.encode("utf-8"), capture_output=True, timeout=60, cwd=OUT)
    else:
        p = subprocess.run([PROBE, path], capture_output=True, timeout=60, cwd=OUT)
    return p.returncode, p.stdout.decode("utf-8"), p.stderr.decode("utf-8")


def expect(name, got, wanted):
    if got != wanted:
        failures.append(f"{name}:\n  got    {got!r}\n  wanted {wanted!r}")


# Input reaches the program: presses in client coordinates, a double click, a right press that
# beeps, typed characters and keys; the script's end closes the window and the exit code is the
# program's.
code, out, err = run("""# input
click 300 200
dblclick 400 100
rclick 5 6
type aâ
key BACKSPACE
key LEFT

click 300 200
""")
expect("input exit", code, 3)
expect("input output", out, "DOWN 300 200\nDOWN 400 100\nDBLCLK 400 100\nRDOWN 5 6\nBEEP\n"
       "CHAR 97\nCHAR 226\nKEY 8\nCHAR 8\nKEY 37\nDOWN 300 200\n")
expect("input errors", err, "")

# A box: its BOX line, the answer, the lines read inside its loop, and ENTER at the script's end.
code, out, err = run("""click 5 5
screenshot box.png
answer CANCEL
click 5 5
""")
expect("box exit", code, 3)
expect("box output", out, "DOWN 5 5\nBOX Intrebare|Prima linie\\nback\\\\slash Vârf\nANSWER 2\n"
       "DOWN 5 5\nBOX Intrebare|Prima linie\\nback\\\\slash Vârf\nANSWER 1\n")
shot = pngprobe.Image(os.path.join(OUT, "box.png"))
pixel = shot.pixel
expect("screen size", (shot.width, shot.height), (1280, 800))
# The main window sits at (40, 40); its client area starts 3 px and 22 px inside.
expect("disc fill", pixel(40 + 3 + 200, 40 + 22 + 210), (255, 0, 0))
expect("label cell", pixel(40 + 3 + 192, 40 + 22 + 192), (0, 255, 0))
expect("main background", pixel(40 + 3 + 600, 40 + 22 + 600), (200, 200, 200))
expect("caption", pixel(40 + 500, 40 + 5), (128, 128, 128))  # inactive while the box is up

# Presses on the main window while the box is up are ignored; a script read from standard input.
code, out, err = run("click 5 5\nclick 300 300\nanswer OK\nclose\n", use_stdin=True)
expect("modal exit", code, 3)
expect("modal output", out, "DOWN 5 5\nBOX Intrebare|Prima linie\\nback\\\\slash Vârf\nANSWER 1\n")

# Every box still up when the script ends is answered, however many come one after another.
code, out, err = run("click 35 5\n")
expect("many boxes exit", code, 3)
expect("many boxes answered", out.splitlines()[-1:], ["ANSWERED 60"])
expect("many boxes shown", out.count("BOX Pasi|Pas"), 60)

# Script errors: exit status 2 and the line number on standard error.
for script, line in [("click 1 2\n\nbogus\n", 3), ("# c\nanswer OK\n", 2), ("click 1\n", 1),
                     ("status\n", 1)]:
    code, out, err = run(script)
    expect(f"error exit {script!r}", code, 2)
    if f"line {line}:" not in err:
        failures.append(f"error line {script!r}: {err!r}")

code, out, err = subprocess.run([PROBE, os.path.join(OUT, "missing.txt")], capture_output=True,
                                timeout=60).returncode, "", ""
expect("missing script exit", code, 2)

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("script driver: all checks passed")
