"""Mouse editing in the drawing area: every mode, its refusals, prompts and limits."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (BACKGROUND, RED, WHITE, Case, Probe, box, click, clicks, graph_file, main, mode, press, save,
                     saved_box, status)

BEEP = "BEEP"
FREE = box("Adaugare varf", "Alegeti o zona libera!")
ADD_PROMPT = " Marcati pozitia noului varf intr-o zona libera"
TAIL_PROMPT = " Selectati extremitatea initiala "
HEAD_PROMPT = " Selectati extremitatea finala "
MOVE_PROMPT = " Selectati varful pe care doriti sa-l deplasati "
PLACE_PROMPT = " Marcati noua pozitie intr-o zona libera "


def vertices(*points):
    """Adds vertices at the points, in AddVertex mode, on the empty start-up graph."""
    return [mode("AddVertex")] + clicks(*points)


def degree_box(v, total, out, inn):
    return box("Grad varf", f"Gradul varfului {v} este {total}\nGradul exterior este {out} iar interior {inn}")


CASES = [
    Case(
        "AddVertexAcceptsX755RefusesX756",
        vertices((755, 100), (756, 300)) + ["answer OK", "status"] + save("out.txt"),
        [BEEP, FREE, status(ADD_PROMPT), saved_box()],
        saved={"out.txt": graph_file(1, [], {1: (755, 100)})},
    ),
    Case(
        "AddVertexRefuses24PixelsFromACentreAccepts25",
        vertices((100, 100), (124, 100)) + ["answer OK"] + clicks((100, 76)) + ["answer OK"]
        + clicks((125, 100), (100, 125)) + save("out.txt"),
        [BEEP, FREE, BEEP, FREE, saved_box()],
        saved={"out.txt": graph_file(3, [], {1: (100, 100), 2: (125, 100), 3: (100, 125)})},
    ),
    Case(
        "LoopAddedOnceThenRefusedAsExisting",
        vertices((100, 100), (300, 100)) + [mode("AddArc"), "status", click(100, 100), "status",
        click(100, 100), "status", click(100, 100), click(100, 100), "answer OK", "status"] + save("out.txt"),
        [status(TAIL_PROMPT), status(HEAD_PROMPT), status(TAIL_PROMPT), box("Adauga arc", "Aceast arc exista deja!"),
         status(TAIL_PROMPT), saved_box()],
        saved={"out.txt": graph_file(2, [(1, 1)], {1: (100, 100), 2: (300, 100)})},
    ),
    Case(
        "SecondClickOnEmptyGroundKeepsTheTailRed",
        vertices((100, 100), (300, 100), (100, 300)) + [mode("AddArc"), click(100, 100), click(500, 500),
        "screenshot refused.png", "answer OK", "screenshot after.png", "status", click(300, 100), "status"]
        + save("out.txt"),
        [BEEP, box("Adauga arc", "Nu ati selectat extremitatea finala"), status(HEAD_PROMPT), status(TAIL_PROMPT),
         saved_box()],
        saved={"out.txt": graph_file(3, [(1, 2)], {1: (100, 100), 2: (300, 100), 3: (100, 300)})},
        probes=[Probe("refused.png", 109, 100, RED), Probe("refused.png", 309, 100, WHITE),
                Probe("after.png", 109, 100, RED), Probe("after.png", 309, 100, WHITE),
                Probe("after.png", 109, 300, WHITE)],
    ),
    Case(
        "HeadBeyondX755RefusedSameVertexAcceptedAsTail",
        vertices((100, 100), (750, 300)) + [mode("AddArc"), click(100, 100), click(760, 300), "answer OK",
        "status", click(750, 300), click(760, 300), "status", click(100, 100)] + save("out.txt"),
        [BEEP, box("Adauga arc", "Nu ati selectat extremitatea finala"), status(HEAD_PROMPT), status(HEAD_PROMPT),
         saved_box()],
        saved={"out.txt": graph_file(2, [(1, 2), (2, 1)], {1: (100, 100), 2: (750, 300)})},
    ),
    Case(
        "RemoveArcHeadBeyondX755Refused",
        vertices((100, 100), (750, 300)) + [mode("AddArc"), click(100, 100), click(750, 300), mode("RemoveArc"),
        click(100, 100), click(760, 300), "answer OK", click(750, 300)] + save("out.txt"),
        [BEEP, box("Elimina arc", "Nu ati selectat extremitatea finala"), saved_box()],
        saved={"out.txt": graph_file(2, [], {1: (100, 100), 2: (750, 300)})},
    ),
    Case(
        "RemovingTheLastVertexRefusedAndItStaysRed",
        vertices((100, 100), (300, 100)) + [mode("RemoveVertex"), click(400, 400), "answer OK", click(100, 100),
        click(300, 100), "answer OK", "screenshot after.png"] + save("out.txt"),
        [BEEP, box("Eliminare varf", "Nu ati selectat varful!"), BEEP,
         box("Eliminare varf", "Nu se poate elimina ultimul varf!"), saved_box()],
        saved={"out.txt": graph_file(2, [], {2: (300, 100)})},
        probes=[Probe("after.png", 309, 100, RED), Probe("after.png", 109, 100, BACKGROUND)],
    ),
    Case(
        "RemovingAVertexDropsItsArcsBothWays",
        vertices((100, 100), (300, 100), (100, 300)) + [mode("AddArc")] + clicks((100, 100), (300, 100),
        (300, 100), (100, 100), (100, 300), (300, 100)) + [mode("RemoveVertex"), click(300, 100)] + save("out.txt"),
        [saved_box()],
        saved={"out.txt": graph_file(3, [], {1: (100, 100), 3: (100, 300)})},
    ),
    Case(
        "DegreeOfAVertexWhoseOnlyArcIsALoop",
        vertices((100, 100), (300, 100)) + [mode("AddArc"), click(100, 100), click(100, 100),
        mode("VertexDegree"), click(100, 100), "answer OK", "screenshot after.png",
        click(300, 100), "answer OK", click(500, 500), "answer OK", "status"],
        [degree_box(1, 2, 1, 1), degree_box(2, 0, 0, 0), BEEP, box("Grad varf", "Nu ati selectat varful!"),
         status(" Selectati varful pentru care doriti gradul ")],
        probes=[Probe("after.png", 109, 100, WHITE)],
    ),
    Case(
        "DegreeCountsArcsInAndOut",
        vertices((100, 100), (300, 100), (100, 300)) + [mode("AddArc")] + clicks((100, 100), (300, 100),
        (300, 100), (100, 100), (100, 300), (300, 100)) + [mode("VertexDegree"), click(310, 110), "answer OK"],
        [degree_box(2, 3, 1, 2)],
    ),
    Case(
        "DoubleClickCountsOnce",
        [mode("AddVertex"), "dblclick 200 200", "click 100 100", mode("AddArc"), "dblclick 200 200", "status"]
        + save("out.txt"),
        [status(HEAD_PROMPT), saved_box()],
        saved={"out.txt": graph_file(2, [], {1: (200, 200), 2: (100, 100)})},
    ),
    Case(
        "PressOnDisabledCommandButtonReachesTheDrawingArea",
        vertices((100, 100)) + [press("Tare Conex"), "answer OK", mode("RemoveVertex"), press("Parc. B.F."),
        "answer OK", mode("VertexDegree"), press("Turneu"), "answer OK"] + save("out.txt"),
        [BEEP, FREE, BEEP, box("Eliminare varf", "Nu ati selectat varful!"), BEEP,
         box("Grad varf", "Nu ati selectat varful!"), saved_box()],
        saved={"out.txt": graph_file(1, [], {1: (100, 100)})},
    ),
    Case(
        "PressOnPanelBackgroundRefusedByTheXLimit",
        vertices((100, 100)) + [click(815, 400), "answer OK", click(790, 300), "answer OK", click(850, 525),
        "answer OK"] + save("out.txt"),
        [BEEP, FREE, BEEP, FREE, BEEP, FREE, saved_box()],
        saved={"out.txt": graph_file(1, [], {1: (100, 100)})},
    ),
    Case(
        "MoveVertexRefusesItsOwnSpotThenMoves",
        vertices((100, 100), (300, 100)) + [mode("MoveVertex"), click(500, 500), "answer OK", click(100, 100),
        "status", click(105, 105), "answer OK", click(300, 110), "answer OK", click(756, 300), "answer OK",
        "status", click(755, 300), "status"] + save("out.txt"),
        [BEEP, box("Deplasare varf", "Nu ati selectat varful!"), status(PLACE_PROMPT), BEEP,
         box("Deplasare varf", "Alegeti o zona libera!"), BEEP, box("Deplasare varf", "Alegeti o zona libera!"),
         BEEP, box("Deplasare varf", "Alegeti o zona libera!"), status(PLACE_PROMPT), status(MOVE_PROMPT),
         saved_box()],
        saved={"out.txt": graph_file(2, [], {1: (755, 300), 2: (300, 100)})},
    ),
    Case(
        "RemoveArcMissingInThatDirection",
        vertices((100, 100), (300, 100)) + [mode("AddArc"), click(300, 100), click(100, 100), mode("RemoveArc"),
        click(400, 400), "answer OK", click(100, 100), "status", click(300, 100), "answer OK", "status",
        click(300, 100), click(100, 100), "status"] + save("out.txt"),
        [BEEP, box("Elimina arc", "Nu ati selectat varful!"), status(HEAD_PROMPT),
         box("Elimina arc", "Nu exista aceast arc!"), status(TAIL_PROMPT), status(TAIL_PROMPT), saved_box()],
        saved={"out.txt": graph_file(2, [], {1: (100, 100), 2: (300, 100)})},
    ),
    Case(
        "ChoosingAModeDropsAPendingPick",
        vertices((100, 100), (300, 100)) + [mode("AddArc"), click(100, 100), "screenshot picked.png",
        mode("AddArc"), "screenshot dropped.png", click(300, 100), "status", click(100, 100)] + save("out.txt"),
        [status(HEAD_PROMPT), saved_box()],
        saved={"out.txt": graph_file(2, [(2, 1)], {1: (100, 100), 2: (300, 100)})},
        probes=[Probe("picked.png", 109, 100, RED), Probe("dropped.png", 109, 100, WHITE)],
    ),
    Case(
        "PressWithNoModeOnlyRepaints",
        vertices((100, 100)) + [mode("None"), click(100, 100), click(500, 500), "status"] + save("out.txt"),
        [status(" "), saved_box()],
        saved={"out.txt": graph_file(1, [], {1: (100, 100)})},
    ),
    Case(
        "AddVertexRefusedWhenAllIdsAreUsed",
        ["click 880 580", "key END"] + ["key BACKSPACE"] * 10 + ["type plin.txt", press("Citire"),
        mode("AddVertex"), click(300, 300), "answer OK"] + save("out.txt"),
        [BEEP, box("Adaugare varf", "Nu se mai pot adauga varfuri!"), saved_box()],
        files={"plin.txt": graph_file(99, [], {1: (100, 100)})},
        saved={"out.txt": graph_file(99, [], {1: (100, 100)})},
    ),
]

if __name__ == "__main__":
    main(CASES)
