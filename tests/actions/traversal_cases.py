"""The step-by-step traversals of the classic example, driven through the buttons: every step box's
caption, text and place, the colours on the canvas while it is up, the result box, the plain canvas
after it, and Cancel."""

import dataclasses
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from command_cases import EXAMPLE, EXAMPLE_PLACES, start_vertex
from harness import (BLUE, GREEN, NAVY, RED, WHITE, WINDOW_ORIGIN, Case, Probe, box, main, press,
                     status)

BFS = "Parcurgere Breadth First"
DFS = "Parcurgere Depth First"
BFS_PROMPT = ("Albastru: varf curent. Verde: vecinii nevizitati ai varfului curent. "
              "Rosu: varfuri vizitate anterior")
DFS_PROMPT = ("Albastru: varf curent. Verde: primul vecin nevizitat al varfului curent. "
              "Rosu: varfuri vizitate anterior")
COLOURS = {"B": BLUE, "G": GREEN, "R": RED, ".": WHITE}

# One row per step box: current vertex, listing, and the colours of vertices 1..5 (B blue, G green,
# R red, . plain).
BFS_STEPS = [(1, "", "BGG.."), (2, "3 ", "RBRG."), (3, "4 ", "RRBR."), (4, "", "RRRB.")]
DFS_STEPS = [(1, "1 ", "BG..."), (2, "1 2 ", "RB.G."), (4, "1 2 4 ", "RR.B."), (2, "1 2 ", "RB.R."),
             (1, "1 ", "BRGR."), (3, "1 3 ", "RRBR."), (1, "1 ", "BRRR.")]
BFS_RESULT = "Parcurgerea in latime este: 1 2 3 4 "
DFS_RESULT = "Parcurgerea in adancime este: 1 2 4 3 "


def bfs_text(current, listing):
    return f"Varful curent extras din coada este {current}\nContinutul cozii este: {listing}"


def dfs_text(current, listing):
    return f"Varful curent actualizat din stiva este {current}\nContinutul stivei este: {listing}"


def colour_probes(shot, colours):
    """The fill of every vertex, right of its label, inside its circle; a blank in `colours` skips
    the vertex (the result box, centred on the main window, hides vertex 1)."""
    return [Probe(shot, x + 9, y, COLOURS[c]) for (x, y), c in zip(EXAMPLE_PLACES.values(), colours) if c != " "]


def step_box_probes(shot):
    """The step box's top-left corner sits at the main window's left + 780, top + 240: its caption
    starts just inside that corner, and the main window shows left of and above it."""
    left, top = WINDOW_ORIGIN[0] + 780, WINDOW_ORIGIN[1] + 240
    return [Probe(shot, left + 10, top + 10, NAVY, screen=True),
            Probe(shot, left - 2, top + 10, NAVY, screen=True, unlike=True),
            Probe(shot, left + 10, top - 2, NAVY, screen=True, unlike=True)]


def traversal_case(name, button, caption, steps, text, result, prompt):
    script, expect, probes = start_vertex("1") + [press(button)], [], []
    for i, (current, listing, colours) in enumerate(steps, 1):
        shot = f"step{i}.png"
        script += [f"screenshot {shot}", "answer OK"]
        expect.append(box(caption, text(current, listing)))
        probes += colour_probes(shot, colours) + step_box_probes(shot)
    script += ["screenshot result.png", "status", "answer OK", "screenshot after.png", "status"]
    expect += [box(caption, result), status(prompt), status("")]
    probes += colour_probes("result.png", " RRR.") + colour_probes("after.png", ".....")
    # The hook went with the last step box: the result box keeps the platform's place.
    probes.append(dataclasses.replace(step_box_probes("result.png")[0], unlike=True))
    return Case(name, script, expect, files={"RoriR.in": EXAMPLE}, probes=probes)


CASES = [
    traversal_case("BreadthFirstExampleStepByStep", "Parc. B.F.", BFS, BFS_STEPS, bfs_text, BFS_RESULT,
                   BFS_PROMPT),
    traversal_case("DepthFirstExampleStepByStep", "Parc. D.F.", DFS, DFS_STEPS, dfs_text, DFS_RESULT,
                   DFS_PROMPT),
    Case(
        "CancelInSecondBoxEndsBoxesNotTheTraversal",
        start_vertex("1") + [press("Parc. B.F."), "answer OK", "answer CANCEL", "screenshot result.png",
        "answer OK", press("Parc. B.F."), "answer CANCEL", "answer OK"],
        [box(BFS, bfs_text(1, "")), box(BFS, bfs_text(2, "3 ")), box(BFS, BFS_RESULT), box(BFS, bfs_text(1, "")),
         box(BFS, BFS_RESULT)],
        files={"RoriR.in": EXAMPLE},
        probes=colour_probes("result.png", " RRR.")
        + [dataclasses.replace(step_box_probes("result.png")[0], unlike=True)],
    ),
    Case(
        "EscapeInAStepBoxCancelsLikeCancel",
        start_vertex("1") + [press("Parc. D.F."), "answer OK", "key ESCAPE", "answer OK"],
        [box(DFS, dfs_text(1, "1 ")), box(DFS, dfs_text(2, "1 2 ")), box(DFS, DFS_RESULT)],
        files={"RoriR.in": EXAMPLE},
    ),
    Case(
        "StartWithoutSuccessorsShowsOneStep",
        start_vertex("3") + [press("Parc. B.F."), "answer OK", "answer OK", press("Parc. D.F."), "answer OK",
        "answer OK"],
        [box(BFS, bfs_text(3, "")), box(BFS, "Parcurgerea in latime este: 3 "), box(DFS, dfs_text(3, "3 ")),
         box(DFS, "Parcurgerea in adancime este: 3 ")],
        files={"RoriR.in": "3\n1\n1 2\n"},
    ),
]

if __name__ == "__main__":
    main(CASES)
