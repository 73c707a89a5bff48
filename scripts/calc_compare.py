#!/usr/bin/env python3
"""The calculation benchmark's networks solved as sparse nodal systems.

Reads the networks that `calc_bench --dump` writes (one element a line: "B a b
R X RN XN" in series between two nodes, "S a R X RN XN" an in-feed between a
node and the reference, "P a" a calculation point; impedances in percent on
the base capacity) and, for each, factorises the nodal admittance matrix of
the phases and of the neutral loop and solves for the driving-point impedance
at every calculation point: the work an independent short-circuit program
does for the same answers. Prints the CPU time of each network in
milliseconds, best of a few runs.

    calc_compare.py NAME=FILE [NAME=FILE ...]
"""
import sys
import time

import numpy as np
import scipy.sparse as sp
import scipy.sparse.linalg as spla


def read(path):
    series, shunts, points = [], [], []
    with open(path) as f:
        for line in f:
            part = line.split()
            if not part:
                continue
            if part[0] == "B":
                series.append((int(part[1]), int(part[2])) + tuple(map(float, part[3:7])))
            elif part[0] == "S":
                shunts.append((int(part[1]),) + tuple(map(float, part[2:6])))
            elif part[0] == "P":
                points.append(int(part[1]))
    return series, shunts, points


def solve(series, shunts, points, loop):
    nodes = {}

    def node(x):
        return nodes.setdefault(x, len(nodes))

    rows, cols, vals = [], [], []
    for a, b, r, x, rn, xn in series:
        z = complex(r + rn, x + xn) if loop else complex(r, x)
        y = 1.0 / z if z != 0 else 1e12
        i, j = node(a), node(b)
        rows += [i, j, i, j]
        cols += [i, j, j, i]
        vals += [y, y, -y, -y]
    for a, r, x, rn, xn in shunts:
        z = complex(r + rn, x + xn) if loop else complex(r, x)
        i = node(a)
        rows.append(i)
        cols.append(i)
        vals.append(1.0 / z if z != 0 else 1e12)
    faults = [node(p) for p in points]
    n = len(nodes)
    # A tiny leak to the reference keeps an island without in-feed solvable.
    rows += list(range(n))
    cols += list(range(n))
    vals += [1e-12] * n
    y = sp.csc_matrix((np.array(vals, dtype=complex), (rows, cols)), shape=(n, n))
    lu = spla.splu(y)
    unit = np.zeros(n, dtype=complex)
    out = np.empty(len(faults), dtype=complex)
    for k, f in enumerate(faults):
        unit[f] = 1.0
        out[k] = lu.solve(unit)[f]
        unit[f] = 0.0
    return out


def main(argv):
    for arg in argv[1:]:
        name, path = arg.split("=", 1)
        network = read(path)
        best = None
        for _ in range(3):
            start = time.process_time()
            solve(*network, loop=False)
            solve(*network, loop=True)
            spent = time.process_time() - start
            best = spent if best is None else min(best, spent)
        elements = len(network[0]) + len(network[1])
        print(f"{'nodal solve ' + name:<44}{best * 1000:10.1f} ms CPU  "
              f"({elements} impedances, {len(network[2])} points, phases and loop)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
