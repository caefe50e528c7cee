"""The command buttons: the start vertex as typed, the property checks, reading and saving files."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from harness import (RED, WHITE, Case, Probe, box, click, file_name, graph_file, main, mode, press, save,
                     saved_box, status)

BFS = "Parcurgere Breadth First"
DFS = "Parcurgere Depth First"
CIRCUIT = "Circuit cu varf de start"
BAD_START = "Varful de start a fost eliminat sau este incorect"

# The classic example: 5 vertices on the start-up circle, arcs 1->2, 1->3, 2->4, 3->4, 4->1, 5->1.
EXAMPLE = "5\n6\n1 2\n1 3\n2 4\n3 4\n4 1\n5 1\n"
EXAMPLE_ARCS = [(1, 2), (1, 3), (2, 4), (3, 4), (4, 1), (5, 1)]
EXAMPLE_PLACES = {1: (570, 300), 2: (383, 43), 3: (81, 141), 4: (81, 458), 5: (383, 556)}
EXAMPLE_SAVED = graph_file(5, EXAMPLE_ARCS, EXAMPLE_PLACES)

# Twelve vertices without arcs: a breadth-first run from s shows one step and lists s alone.
TWELVE = "12\n0\n"
VERTEX_3_OF_12 = (435, 66)


def start_vertex(text):
    lines = [click(922, 525), "key END"] + ["key BACKSPACE"] * 4
    return lines + ([f"type {text}"] if text else [])


def lone_breadth_first(s):
    return [box(BFS, f"Varful curent extras din coada este {s}\nContinutul cozii este: "),
            box(BFS, f"Parcurgerea in latime este: {s} ")]


def start_text_case(name, text, accepted):
    """The start-vertex box holding `text` (None: its initial "0") and the id it must give."""
    answers = ["answer OK"] * (2 if accepted else 1)
    script = (start_vertex(text) if text is not None else []) + [press("Parc. B.F.")] + answers
    # The box is two characters wide and, having no horizontal scrolling, refuses a third with a beep.
    beeps = ["BEEP"] * max(0, len(text or "") - 2)
    expect = beeps + (lone_breadth_first(accepted) if accepted else [box(BFS, BAD_START)])
    return Case(name, script, expect, files={"RoriR.in": TWELVE})


CASES = [
    start_text_case("StartVertexInitialZeroRefused", None, None),
    start_text_case("StartVertexMinusOneRefused", "-1", None),
    start_text_case("StartVertexEmptyRefused", "", None),
    start_text_case("StartVertexBlankThenSevenGivesSeven", " 7", 7),
    start_text_case("StartVertexSevenThenLetterGivesSeven", "7a", 7),
    start_text_case("StartVertexReadsTwoCharactersOf123", "123", 12),
    start_text_case("StartVertexAboveVertexCountRefused", "13", None),
    start_text_case("StartVertexLastIdAccepted", "12", 12),
    Case(
        "StartVertexOfARemovedVertexRefused",
        [mode("RemoveVertex"), click(*VERTEX_3_OF_12), mode("None")] + start_vertex("3")
        + [press("Parc. D.F."), "answer OK", press("Circuit"), "answer OK"] + start_vertex("4")
        + [press("Parc. D.F."), "answer OK", "answer OK"],
        [box(DFS, BAD_START), box(CIRCUIT, BAD_START),
         box(DFS, "Varful curent actualizat din stiva este 4\nContinutul stivei este: 4 "),
         box(DFS, "Parcurgerea in adancime este: 4 ")],
        files={"RoriR.in": TWELVE},
    ),
    Case(
        "InitialStartVertexRefusedUnderEachCaption",
        [press("Circuit"), "answer OK", press("Parc. B.F."), "answer OK", press("Parc. D.F."), "answer OK"],
        [box(CIRCUIT, BAD_START), box(BFS, BAD_START), box(DFS, BAD_START)],
        files={"RoriR.in": EXAMPLE},
    ),
    Case(
        "PropertyChecksOnTheExample",
        [press("Tare Conex"), "answer OK", press("Turneu"), "answer OK", press("Bipartit"), "answer OK",
         press("Cmp TConexe"), "answer OK"],
        [box("Verificare tare conexitate", "Graful nu este tare conex"),
         box("Verificare graf turneu", "Graful nu este turneu"),
         box("Verificare bipartit", "Graful nu este bipartit"),
         box("Componente tare conexe", "Componenta 1: 1 2 3 4 \nComponenta 2: 5 \n")],
        files={"RoriR.in": EXAMPLE},
    ),
    Case(
        "PropertyChecksOnATwoCycle",
        [press("Tare Conex"), "answer OK", press("Turneu"), "answer OK", press("Bipartit"), "answer OK",
         press("Cmp TConexe"), "answer OK"],
        [box("Verificare tare conexitate", "Graful este tare conex"),
         box("Verificare graf turneu", "Graful nu este turneu"),
         box("Verificare bipartit", "Este bipartit. Multimea A: 1 \nMultimea B: 2 "),
         box("Componente tare conexe", "Graful este tare conex")],
        files={"RoriR.in": "2\n2\n1 2\n2 1\n"},
    ),
    Case(
        "CircuitResultThenPicksAndPromptCleared",
        start_vertex("1") + [press("Circuit"), "status", "answer OK", "screenshot after.png",
        "status"] + start_vertex("5") + [press("Circuit"), "answer OK"],
        [box(CIRCUIT, "Un circuit este: (1, 2, 4, 1)"),
         status(" Grafuri orientate: editare cu mouse-ul, verificari si parcurgeri pas cu pas"), status(""),
         box(CIRCUIT, "Nu exista circuit cu varful de start 5")],
        files={"RoriR.in": EXAMPLE},
        probes=[Probe("after.png", 579, 300, WHITE)],
    ),
    Case(
        "StartupNameRefusedInAnyCase",
        [press("Citire"), "answer OK", press("Salvare"), "answer OK"] + file_name("rORIr.IN")
        + [press("Citire"), "answer OK", press("Salvare"), "answer OK"],
        [box("Citire graf", "Fisierul a fost citit la executia aplicatiei"),
         box("Salvare graf", "Alegeti un nume diferit de fisierul initial!"),
         box("Citire graf", "Fisierul a fost citit la executia aplicatiei"),
         box("Salvare graf", "Alegeti un nume diferit de fisierul initial!")],
        files={"RoriR.in": EXAMPLE},
        saved={"RoriR.in": EXAMPLE, "rORIr.IN": None},
    ),
    Case(
        "EmptyFileNameCannotBeReadOrSaved",
        file_name("") + [press("Citire"), "answer OK", press("Salvare"), "answer OK"] + save("out.txt"),
        [box("Citire fisier", "Acest fisier nu exista!"), box("Salvare graf", "Graful nu a putut fi salvat!"),
         saved_box()],
        files={"RoriR.in": EXAMPLE},
        saved={"out.txt": EXAMPLE_SAVED},
    ),
    Case(
        "MissingFileLeavesTheGraph",
        file_name("lipsa.txt") + [press("Citire"), "answer OK"] + save("out.txt"),
        [box("Citire fisier", "Acest fisier nu exista!"), saved_box()],
        files={"RoriR.in": EXAMPLE},
        saved={"out.txt": EXAMPLE_SAVED},
    ),
    Case(
        "InvalidFileRefusedAndTheGraphStays",
        file_name("rau.txt") + [press("Citire"), "answer OK"] + file_name("mare.txt") + [press("Citire"),
        "answer OK"] + save("out.txt"),
        [box("Citire fisier", "Fisierul nu contine un graf valid!"),
         box("Citire fisier", "Fisierul nu contine un graf valid!"), saved_box()],
        files={"RoriR.in": EXAMPLE, "rau.txt": "3\n2\n1 2\nx\n", "mare.txt": "120\n0\n"},
        saved={"out.txt": EXAMPLE_SAVED, "rau.txt": "3\n2\n1 2\nx\n"},
    ),
    Case(
        "FailedSaveSaysSoAndLeavesTheTarget",
        file_name("dosar") + [press("Salvare"), "answer OK"] + file_name("nu/g.txt") + [press("Salvare"),
        "answer OK"],
        [box("Salvare graf", "Graful nu a putut fi salvat!"), box("Salvare graf", "Graful nu a putut fi salvat!")],
        files={"RoriR.in": EXAMPLE},
        dirs=["dosar"],
        saved={"nu/g.txt": None, "dosar.grafuri-tmp": None},
    ),
    Case(
        "SaveOverwritesAnOldFileWhole",
        save("old.txt"),
        [saved_box()],
        files={"RoriR.in": EXAMPLE, "old.txt": "99\n0\n" + "1 1 1\n" * 40},
        saved={"old.txt": EXAMPLE_SAVED},
    ),
    Case(
        "SavedGraphReadsBackAfterEdits",
        save("a.txt") + [mode("RemoveVertex"), click(383, 43), mode("AddVertex"), click(300, 300)]
        + file_name("a.txt") + [press("Citire")] + save("b.txt") + [mode("AddVertex"), click(300, 300)]
        + save("c.txt"),
        [saved_box(), saved_box(), saved_box()],
        files={"RoriR.in": EXAMPLE},
        saved={"a.txt": EXAMPLE_SAVED, "b.txt": EXAMPLE_SAVED,
               "c.txt": graph_file(6, EXAMPLE_ARCS, {**EXAMPLE_PLACES, 6: (300, 300)})},
    ),
    Case(
        "ReadingAFileDropsAPendingPick",
        [mode("AddArc"), click(570, 300), "status"] + file_name("a.txt") + [press("Citire"), click(100, 100),
        "status", click(300, 100)] + save("out.txt"),
        [status(" Selectati extremitatea finala "), status(" Selectati extremitatea finala "), saved_box()],
        files={"RoriR.in": EXAMPLE, "a.txt": graph_file(2, [], {1: (100, 100), 2: (300, 100)})},
        saved={"out.txt": graph_file(2, [(1, 2)], {1: (100, 100), 2: (300, 100)})},
    ),
    Case(
        "FileInStartupFormReadsWithEveryVertexRemoved",
        file_name("forma.txt") + [press("Citire"), mode("AddVertex"), click(300, 300)] + save("out.txt"),
        [saved_box()],
        files={"RoriR.in": EXAMPLE, "forma.txt": "3\n0\n"},
        saved={"out.txt": graph_file(4, [], {4: (300, 300)})},
    ),
]

if __name__ == "__main__":
    main(CASES)
