#!/usr/bin/env python3
"""The straightforward scan that circscan is measured against: for each N,
every set of k generators in 1..N/2, networkx.circulant_graph and a
breadth-first search from vertex 0, keeping the smallest (D, AveD), the
lexicographically smallest set and the count of sets that reach it.

    python3 networkx_scan.py 5 150 2        # best --n 5..150 --k 2 --format csv
"""
import itertools
import math
import sys

import networkx as nx


def scan(n_from, n_to, k):
    print("n,k,by,generators,diameter,average,optimal_sets")
    for n in range(n_from, n_to + 1):
        best = None
        count = 0
        for gens in itertools.combinations(range(1, n // 2 + 1), k):
            if math.gcd(n, *gens) != 1:
                continue
            dist = nx.single_source_shortest_path_length(nx.circulant_graph(n, gens), 0)
            key = (max(dist.values()), sum(dist.values()))
            if best is None or key < best[0]:
                best, count = (key, gens), 1
            elif key == best[0]:
                count += 1
        if best is not None:
            (d, s), gens = best
            print(f"{n},{k},diameter,{' '.join(map(str, gens))},{d},{s / (n - 1):.5f},{count}")


if __name__ == "__main__":
    scan(int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]))
