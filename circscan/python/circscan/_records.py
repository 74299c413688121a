"""The record types circscan's functions return."""

from dataclasses import dataclass
from typing import Tuple


@dataclass(frozen=True)
class Row:
    """The best set of generators for one vertex count N (from ``best``).

    ``generators`` is the lexicographically smallest of the optimal sets,
    ``diameter`` its diameter D, ``distance_sum`` the exact sum of the
    distances from vertex 0, ``average`` that sum divided by N - 1 (the float
    nearest the exact ratio), and ``optimal_sets`` how many sets of the whole
    search space (of the ring sets, with ``ring=True``) reach the same D and
    sum. With ``all=True`` there is a Row for each of them, ``generators``
    being that set. ``by`` is the order searched: "diameter" (D first, then
    the average) or "average".
    """

    n: int
    k: int
    by: str
    generators: Tuple[int, ...]
    diameter: int
    average: float
    distance_sum: int
    optimal_sets: int


@dataclass(frozen=True)
class LargestRow:
    """The largest circulant with k generators and diameter at most ``diameter``
    (from ``largest``): its vertex count ``n`` and the lexicographically
    smallest set of generators that reaches it."""

    k: int
    diameter: int
    n: int
    generators: Tuple[int, ...]


@dataclass(frozen=True)
class Analysis:
    """One circulant (from ``analyze``): its generators folded into 1..N/2,
    sorted and without repeats, the exact ``distances`` from vertex 0 to every
    vertex, the diameter D, ``distance_sum`` and ``average`` (the sum divided by
    N - 1, the float nearest the exact ratio)."""

    n: int
    generators: Tuple[int, ...]
    distances: Tuple[int, ...]
    diameter: int
    average: float
    distance_sum: int


@dataclass(frozen=True)
class Route:
    """A shortest route from vertex 0 to ``destination`` (from ``routes``), and
    from any vertex v to v + destination: ``hops`` steps in all, ``steps[i]``
    of them along the i-th generator as ``analyze`` lists them (negative:
    backwards). Of the shortest routes, the one with the most steps of +s1,
    then of -s1, then of +s2, -s2, ...; read in generator order, a route
    without its last step is the route of the vertex before."""

    destination: int
    hops: int
    steps: Tuple[int, ...]


# The columns of the command line's CSV output, in its order.
CSV_COLUMNS = {
    Row: ("n", "k", "by", "generators", "diameter", "average", "optimal_sets"),
    LargestRow: ("k", "diameter", "n", "generators"),
    Route: ("destination", "hops", "steps"),
}
