#!/usr/bin/python3
"""Checks the analyses against networkx on seeded random graphs.

Usage: networkx_oracle_test.py <analysis_probe>. The graphs are generated here, handed to the probe
in one batch, and every outcome it prints is checked against what networkx computes."""

import random
import subprocess
import sys

import networkx as nx
from networkx.algorithms import tournament

GRAPHS = 2400
SEED = 20261211


def random_graph(rng):
    kind = rng.choice(["random", "random", "bipartite", "tournament", "cycle"])
    size = rng.random()
    # Most graphs small, where every kind of answer is common; one in eight up to the full 99.
    n = 0 if size < 0.02 else rng.randint(1, 8) if size < 0.45 else rng.randint(9, 40) if size < 0.875 else rng.randint(41, 99)
    density = rng.choice([0.0, 0.005, 0.02, 0.05, 0.1, 0.25, 0.5, 0.9, 1.0])
    if n > 40 and density > 0.25 and rng.random() < 0.7:
        density = rng.choice([0.01, 0.03, 0.06])
    removed = set()
    if n >= 2 and rng.random() < 0.3:
        removed = set(rng.sample(range(1, n + 1), rng.randint(1, max(1, n // 3))))
        if len(removed) == n:
            removed.discard(rng.randint(1, n))
    live = [v for v in range(1, n + 1) if v not in removed]
    arcs = set()
    side = {v: rng.random() < 0.5 for v in live}
    for u in live:
        for v in live:
            if kind == "bipartite":
                if side[u] != side[v] and rng.random() < density:
                    arcs.add((u, v))
            elif kind == "tournament":
                if u < v:
                    arcs.add((u, v) if rng.random() < 0.5 else (v, u))
            elif rng.random() < density:
                arcs.add((u, v))
    if kind == "tournament":
        if rng.random() < 0.3:
            arcs.add((rng.choice(live), rng.choice(live))) if live else None
        if rng.random() < 0.3 and arcs:
            arcs.discard(rng.choice(sorted(arcs)))
    if kind == "cycle" and live:
        order = live[:]
        rng.shuffle(order)
        for k, u in enumerate(order):
            arcs.add((u, order[(k + 1) % len(order)]))
    if rng.random() < 0.2 and live and kind != "bipartite":
        for _ in range(rng.randint(1, 3)):
            v = rng.choice(live)
            arcs.add((v, v))
    starts = rng.sample(live, min(len(live), 3))
    return n, sorted(removed), sorted(arcs), starts


def probe_input(graphs):
    parts = []
    for n, removed, arcs, starts in graphs:
        parts.append(f"{n} {len(removed)} {' '.join(map(str, removed))} {len(arcs)} "
                     + " ".join(f"{u} {v}" for u, v in arcs)
                     + f" {len(starts)} {' '.join(map(str, starts))}\n")
    return "".join(parts)


def ids_text(ids):
    return "".join(f"{v} " for v in ids)


def expected_components(g):
    comps = sorted((sorted(c) for c in nx.strongly_connected_components(g)), key=lambda c: c[0])
    return "".join(f"Componenta {k}: {ids_text(c)}|" for k, c in enumerate(comps, 1))


def expected_bipartite(g, live, arcs):
    u = g.to_undirected()
    if not nx.is_bipartite(u):
        return None
    in_b = set()
    for part in nx.connected_components(u):
        part_arcs = [a for a in arcs if a[0] in part]
        if not part_arcs:
            continue
        seed_tail = min(part_arcs)[0]
        colour = nx.bipartite.color(u.subgraph(part))
        in_b |= {v for v in part if colour[v] != colour[seed_tail]}
    return ("Este bipartit. Multimea A: " + ids_text(v for v in live if v not in in_b)
            + "|Multimea B: " + ids_text(sorted(in_b)))


class Checker:
    def __init__(self):
        self.failures = []
        self.counts = {}

    def count(self, what):
        self.counts[what] = self.counts.get(what, 0) + 1

    def expect(self, ok, what, index, detail=""):
        if not ok:
            self.failures.append(f"graph {index}: {what} {detail}"[:400])


def check_circuit(check, g, index, start, text):
    found = any(j != start and nx.has_path(g, j, start) for j in g.successors(start))
    check.count("circuit found" if found else "circuit none")
    if not found:
        check.expect(text == f"Nu exista circuit cu varful de start {start}", "circuit failure text", index, text)
        return
    head = "Un circuit este: ("
    check.expect(text.startswith(head) and text.endswith(")"), "circuit text shape", index, text)
    route = [int(x) for x in text[len(head):-1].split(", ")] if text.startswith(head) else []
    check.expect(len(route) >= 3 and route[0] == start and route[-1] == start, "circuit ends", index, text)
    steps = list(zip(route, route[1:]))
    check.expect(all(g.has_edge(a, b) for a, b in steps), "circuit uses missing arc", index, text)
    check.expect(len(set(steps)) == len(steps), "circuit repeats an arc", index, text)


def check_traversal(check, g, index, line, colours, kind):
    _, start, boxes, text = line.split(" ", 3)
    start, boxes = int(start), int(boxes)
    if kind == "bfs":
        order = [start] + [v for _, v in nx.bfs_edges(g, start)]
        head, expected_boxes = "Parcurgerea in latime este: ", len(order)
    else:
        order = list(nx.dfs_preorder_nodes(g, start))
        head, expected_boxes = "Parcurgerea in adancime este: ", 2 * len(order) - 1
    check.expect(set(order) == nx.descendants(g, start) | {start}, kind + " reach", index)
    check.expect(text == head + ids_text(order), kind + " order", index, f"{text!r} vs {order}")
    check.expect(boxes == expected_boxes, kind + " boxes", index, f"{boxes} vs {expected_boxes}")
    check.expect(colours == "colours ok", kind + " colours", index, colours)


def check_graph(check, index, graph, lines):
    n, removed, arcs, starts = graph
    live = [v for v in range(1, n + 1) if v not in set(removed)]
    g = nx.DiGraph()
    g.add_nodes_from(live)
    g.add_edges_from(arcs)  # sorted: successors iterate in ascending order
    values = {}
    rest = []
    for line in lines:
        key, _, value = line.partition(" ")
        if key in ("strong", "tournament", "components", "bipartite"):
            values[key] = value
        else:
            rest.append(line)
    strong = True if not live else nx.is_strongly_connected(g)
    check.count("strong" if strong else "not strong")
    check.expect(values["strong"] == str(int(strong)), "strong", index)
    plain = g.copy()
    plain.remove_edges_from(list(nx.selfloop_edges(plain)))
    is_tournament = tournament.is_tournament(plain)
    check.count("tournament" if is_tournament else "not tournament")
    check.expect(values["tournament"] == str(int(is_tournament)), "tournament", index)
    check.expect(values["components"] == expected_components(g), "components", index, values["components"])
    bipartite = expected_bipartite(g, live, arcs)
    check.count("bipartite" if bipartite is not None else "not bipartite")
    answer, _, text = values["bipartite"].partition(" ")
    check.expect(answer == ("1" if bipartite is not None else "0"), "bipartite answer", index)
    if bipartite is not None:
        check.expect(text == bipartite, "bipartite sets", index, f"{text!r} vs {bipartite!r}")
    k = 0
    for start in starts:
        circuit, bfs, bfs_colours, dfs, dfs_colours = rest[k:k + 5]
        k += 5
        check.expect(circuit.startswith(f"circuit {start} "), "circuit line", index, circuit)
        check_circuit(check, g, index, start, circuit.split(" ", 2)[2])
        check_traversal(check, g, index, bfs, bfs_colours, "bfs")
        check_traversal(check, g, index, dfs, dfs_colours, "dfs")


def main():
    rng = random.Random(SEED)
    graphs = [random_graph(rng) for _ in range(GRAPHS)]
    run = subprocess.run([sys.argv[1]], input=probe_input(graphs), capture_output=True, text=True, check=True)
    blocks = run.stdout.split("graph ")[1:]
    check = Checker()
    check.expect(len(blocks) == len(graphs), "graph count", -1, f"{len(blocks)}")
    for index, (graph, block) in enumerate(zip(graphs, blocks)):
        check_graph(check, index, graph, block.split("\n")[1:-1])
    print(f"{len(graphs)} graphs; {check.counts}")
    # Every answer must have been seen both ways often enough to mean something.
    for what in ("strong", "not strong", "tournament", "not tournament", "bipartite", "not bipartite",
                 "circuit found", "circuit none"):
        check.expect(check.counts.get(what, 0) >= 100, "too few cases: " + what, -1, str(check.counts.get(what, 0)))
    for failure in check.failures[:20]:
        print(failure)
    if check.failures:
        print(f"{len(check.failures)} failures")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
