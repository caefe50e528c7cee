"""A whole lesson as a teacher gives it: draw a graph with the mouse, run every analysis, save it,
spoil it, read it back and save it again."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from command_cases import start_vertex
from harness import (Case, box, click, clicks, file_name, graph_file, main, mode, press, save, saved_box,
                     status)

PLACES = {1: (150, 150), 2: (450, 150), 3: (450, 450), 4: (150, 450)}
ARCS = [(1, 2), (2, 3), (3, 4), (4, 1)]
LESSON = graph_file(4, ARCS, PLACES)


def arc_clicks(arcs):
    return [click(*PLACES[end]) for arc in arcs for end in arc]


def steps(caption, head, lines):
    return [box(caption, f"{head[0]} {current}\n{head[1]}{listing}") for current, listing in lines]


BFS_HEAD = ("Varful curent extras din coada este", "Continutul cozii este: ")
DFS_HEAD = ("Varful curent actualizat din stiva este", "Continutul stivei este: ")
BFS_LINES = [(1, ""), (2, ""), (3, ""), (4, "")]
DFS_LINES = [(1, "1 "), (2, "1 2 "), (3, "1 2 3 "), (4, "1 2 3 4 "), (3, "1 2 3 "), (2, "1 2 "), (1, "1 ")]

SCRIPT = (
    [mode("AddVertex")] + clicks(*PLACES.values())
    + [mode("AddArc")] + arc_clicks(ARCS)
    + [mode("VertexDegree"), click(*PLACES[1]), "answer OK"]
    + [mode("None"), press("Tare Conex"), "answer OK", press("Turneu"), "answer OK", press("Bipartit"),
       "answer OK", press("Cmp TConexe"), "answer OK"]
    + start_vertex("1") + [press("Circuit"), "answer OK"]
    + [press("Parc. B.F.")] + ["answer OK"] * 5
    + [press("Parc. D.F.")] + ["answer OK"] * 8
    + save("lectie.txt")
    + [mode("MoveVertex"), click(*PLACES[4]), click(300, 600), mode("RemoveVertex"), click(*PLACES[2])]
    + save("stricat.txt")
    + file_name("lectie.txt") + [press("Citire"), "status"]
    + save("copie.txt")
)

EXPECT = (
    [box("Grad varf", "Gradul varfului 1 este 2\nGradul exterior este 1 iar interior 1")]
    + [box("Verificare tare conexitate", "Graful este tare conex"),
       box("Verificare graf turneu", "Graful nu este turneu"),
       box("Verificare bipartit", "Este bipartit. Multimea A: 1 3 \nMultimea B: 2 4 "),
       box("Componente tare conexe", "Graful este tare conex"),
       box("Circuit cu varf de start", "Un circuit este: (1, 2, 3, 4, 1)")]
    + steps("Parcurgere Breadth First", BFS_HEAD, BFS_LINES)
    + [box("Parcurgere Breadth First", "Parcurgerea in latime este: 1 2 3 4 ")]
    + steps("Parcurgere Depth First", DFS_HEAD, DFS_LINES)
    + [box("Parcurgere Depth First", "Parcurgerea in adancime este: 1 2 3 4 ")]
    + [saved_box(), saved_box(), status(" Selectati varful pe care doriti sa-l eliminati "), saved_box()]
)

CASES = [
    Case(
        "LessonDrawAnalyseSaveSpoilReadBack",
        SCRIPT,
        EXPECT,
        saved={"lectie.txt": LESSON, "copie.txt": LESSON,
               "stricat.txt": graph_file(4, [(3, 4), (4, 1)], {1: (150, 150), 3: (450, 450), 4: (300, 600)})},
    ),
]

if __name__ == "__main__":
    main(CASES)
