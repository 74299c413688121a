"""The module's answers against the command line's output and against a
plain breadth-first search in Python."""

import csv
import io
import itertools
import math
import pickle
from collections import deque

import pytest

import circscan


def csv_rows(text):
    return list(csv.DictReader(io.StringIO(text)))


def as_csv(row, columns):
    def cell(name):
        value = getattr(row, name)
        if name == "generators":
            return " ".join(map(str, value))
        if name == "average":
            return f"{value:.5f}"
        return str(value)

    return {name: cell(name) for name in columns}


@pytest.mark.parametrize(
    "n, k, by, flags",
    [((5, 300), 2, "diameter", ()), ((5, 300), 2, "average", ()),
     ((5, 120), 3, "diameter", ()), ((5, 120), 3, "average", ()),
     ((5, 300), 2, "average", ("ring",)), ((5, 120), 3, "diameter", ("ring",)),
     ((5, 60), 3, "average", ("all",)), ((5, 120), 3, "diameter", ("ring", "all")),
     ((5, 80), 2, "diameter", ("all",))],
)
def test_best_equals_the_command_line(cli, cli_json, n, k, by, flags):
    cli_args = ("best", "--n", f"{n[0]}..{n[1]}", "--k", str(k), "--by", by,
                *(f"--{flag}" for flag in flags))
    rows = circscan.best(n=n, k=k, by=by, **{flag: True for flag in flags})
    expected = csv_rows(cli(*cli_args, "--format", "csv"))
    columns = list(expected[0])
    assert [as_csv(r, columns) for r in rows] == expected
    exact = [(j["n"], j["distance_sum"], j["optimal_sets"]) for j in cli_json(*cli_args)]
    assert [(r.n, r.distance_sum, r.optimal_sets) for r in rows] == exact


@pytest.mark.parametrize("k, diameters, ring", [(2, (1, 9), False), (3, (1, 5), False),
                                                (3, (1, 5), True), (4, (1, 3), True)])
def test_largest_equals_the_command_line(cli, k, diameters, ring):
    rows = circscan.largest(k=k, diameter=diameters, ring=ring)
    expected = csv_rows(cli("largest", "--k", str(k), "--diameter",
                            f"{diameters[0]}..{diameters[1]}", "--format", "csv",
                            *(["--ring"] if ring else [])))
    assert [as_csv(r, expected[0].keys()) for r in rows] == expected


@pytest.mark.parametrize("n, generators", [(37, [1, 5, 11]), (2, [1]), (1000, [-3, 1003, 0, 7]),
                                           (13, [5, 8, 1, 5])])
def test_analyze_equals_the_command_line(cli_json, n, generators):
    a = circscan.analyze(n, generators)
    [j] = cli_json("analyze", str(n), " ".join(map(str, generators)))
    assert (a.n, list(a.generators), list(a.distances), a.diameter, a.distance_sum) == (
        j["n"], j["generators"], j["distances"], j["diameter"], j["distance_sum"])


def distances(n, generators):
    """Breadth-first search from vertex 0, steps of +-s."""
    dist = [-1] * n
    dist[0] = 0
    queue = deque([0])
    while queue:
        v = queue.popleft()
        for s in generators:
            for w in ((v + s) % n, (v - s) % n):
                if dist[w] < 0:
                    dist[w] = dist[v] + 1
                    queue.append(w)
    return dist


def test_analyze_distances_are_the_breadth_first_ones():
    for n, generators in [(37, (1, 5, 11)), (100, (1, 10)), (64, (3, 8, 21)), (2, (1,))]:
        a = circscan.analyze(n, list(generators))
        expected = distances(n, generators)
        assert list(a.distances) == expected
        assert a.diameter == max(expected) and a.distance_sum == sum(expected)


@pytest.mark.parametrize("n, generators", [(13, [1, 5]), (2, [1]), (8, [9, 12, -1]),
                                           (37, [11, 1, 5, 5]), (64, [3, 8, 21, 32]),
                                           (1000, [-3, 1003, 0, 7])])
def test_routes_are_the_command_lines_and_shortest(cli_json, n, generators):
    routes = circscan.routes(n, generators)
    rows = cli_json("routes", str(n), " ".join(map(str, generators)))
    assert [(r.destination, r.hops, list(r.steps)) for r in routes] == [
        (j["destination"], j["hops"], j["steps"]) for j in rows]
    folded = circscan.analyze(n, generators).generators
    assert [r.hops for r in routes] == distances(n, folded)
    for r in routes:
        assert sum(abs(x) for x in r.steps) == r.hops
        assert sum(x * s for x, s in zip(r.steps, folded)) % n == r.destination


@pytest.mark.parametrize("k, by, ring", [(2, "diameter", False), (2, "average", False),
                                         (3, "diameter", False), (2, "average", True),
                                         (3, "diameter", True)])
def test_best_equals_a_walk_over_every_set(k, by, ring):
    """Every set of the search space (holding 1, for ring), ranked by (D, sum)
    or (sum, D); with all=True every optimal one."""
    rows = {r.n: r for r in circscan.best(n=range(5, 31), k=k, by=by, ring=ring)}
    every = circscan.best(n=range(5, 31), k=k, by=by, ring=ring, all=True)
    for n in range(5, 31):
        scored = []
        for s in itertools.combinations(range(1, n // 2 + 1), k):
            if math.gcd(n, *s) != 1 or (ring and s[0] != 1):
                continue
            d = distances(n, s)
            key = (max(d), sum(d)) if by == "diameter" else (sum(d), max(d))
            scored.append((key, s))
        if not scored:
            assert n not in rows
            continue
        best_key = min(key for key, _ in scored)
        smallest = min(s for key, s in scored if key == best_key)
        row = rows[n]
        optimal = sorted(s for key, s in scored if key == best_key)
        assert (row.generators, row.optimal_sets) == (smallest, len(optimal)), n
        assert [r.generators for r in every if r.n == n] == optimal, n


def test_averages_are_the_floats_nearest_the_exact_ratios():
    for row in circscan.best(n=(5, 200), k=3):
        assert row.average == row.distance_sum / (row.n - 1)
    a = circscan.analyze(999_983, [1, 1000])
    assert a.average == a.distance_sum / 999_982


def test_ranges_count_as_python_does():
    as_range = circscan.best(n=range(5, 21), k=2)
    assert [r.n for r in as_range] == list(range(5, 21))
    assert circscan.best(n=(5, 20), k=2) == as_range
    assert circscan.best(n=[5, 20], k=2) == as_range
    assert circscan.best(n=17, k=2) == [as_range[12]]
    assert circscan.largest(k=2, diameter=range(2, 5)) == circscan.largest(k=2, diameter=(2, 4))


def test_thread_limits_do_not_change_the_answer():
    assert circscan.best(n=(5, 80), k=3, threads=1) == circscan.best(n=(5, 80), k=3)
    assert circscan.largest(k=3, diameter=4, threads=1) == circscan.largest(k=3, diameter=4)


def test_records_are_read_only_and_pickle():
    row = circscan.best(n=5, k=2)[0]
    with pytest.raises(AttributeError):
        row.n = 6
    assert pickle.loads(pickle.dumps(row)) == row
