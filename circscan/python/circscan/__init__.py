"""circscan: the best circulant graphs, exactly, from Python.

The same C++ search as the ``circscan`` command line, with its exact answers:

    >>> import circscan
    >>> rows = circscan.best(n=range(5, 201), k=2)        # N = 5..200
    >>> rows[0]
    Row(n=5, k=2, by='diameter', generators=(1, 2), diameter=1, average=1.0, distance_sum=4, optimal_sets=1)
    >>> circscan.largest(k=2, diameter=(2, 4))             # d = 2..4, both included
    [LargestRow(k=2, diameter=2, n=13, generators=(1, 5)), ...]
    >>> circscan.analyze(37, [1, 5, 11]).diameter
    4
    >>> circscan.routes(37, [1, 5, 11])[20]
    Route(destination=20, hops=3, steps=(-1, -1, -1))

Ranges are ``range`` objects (the last value excluded, as Python counts),
``(first, last)`` pairs (both included) or one number. Bad values raise
ValueError or TypeError with the command line's messages. Long searches release
the GIL, and Ctrl-C stops them with KeyboardInterrupt. ``to_networkx`` and
``to_dataframe`` need NetworkX and pandas; nothing else is needed to import
the module.
"""

from . import _arguments, _convert
from ._circscan import analyze as _analyze
from ._circscan import best as _best
from ._circscan import largest as _largest
from ._circscan import routes as _routes
from ._progress import progress_callback
from ._records import Analysis, LargestRow, Route, Row

__all__ = ["best", "largest", "analyze", "routes", "to_networkx", "to_dataframe",
           "Row", "LargestRow", "Analysis", "Route"]

# Shown, and pickled, under the name users import them by.
for _record in (Row, LargestRow, Analysis, Route):
    _record.__module__ = __name__


def best(n, k, by="diameter", *, ring=False, all=False, threads=None, progress=False):
    """For each N of ``n``, the set of ``k`` generators with the smallest diameter
    D (then the smallest average distance), or with ``by="average"`` the
    smallest average (then the smallest D).

    ``ring=True`` searches only ring circulants, the sets holding generator 1
    (``optimal_sets`` then counts those). ``all=True`` returns a Row for every
    set that reaches the optimum, in lexicographic order, ``optimal_sets``
    being the number of rows of that N.

    ``n`` is a range of vertex counts, 3 to 1,000,000: ``range(5, 201)`` means
    N = 5..200, ``(5, 200)`` the same. ``threads`` limits the worker threads
    (None: all cores); ``progress=True`` shows a tqdm progress bar on runs of
    more than a second. Returns a list of Row, ascending in N, with a row for
    each N that has a connected set of ``k`` generators.

    >>> best(n=(30, 32), k=3, by="average")[0].generators
    (1, 5, 8)
    """
    first, last, text = _arguments.inclusive_range(n, "n")
    k = _arguments.clamp64(_arguments.whole_number(k, "k"))
    by = _arguments.order(by)
    ring = _arguments.flag(ring, "ring")
    every = _arguments.flag(all, "all")
    threads = _arguments.thread_count(threads)
    with progress_callback(progress, "best") as on_progress:
        rows = _best(first, last, text, k, by, threads, on_progress, ring, every)
    return [Row(n, k, by, tuple(g), d, total / (n - 1), total, count)
            for n, k, by, g, d, total, count in rows]


def largest(k, diameter, *, ring=False, threads=None, progress=False):
    """For each diameter d of ``diameter``, the largest N that has a set of ``k``
    generators with D <= d, and the lexicographically smallest such set
    (``ring=True``: among the sets holding generator 1).

    ``diameter`` is a range like ``range(2, 7)`` (d = 2..6), ``(2, 6)`` or one
    number. ``threads`` and ``progress`` as for ``best``. Returns a list of
    LargestRow, ascending in d.

    >>> largest(k=3, diameter=2)
    [LargestRow(k=3, diameter=2, n=21, generators=(1, 2, 8))]
    """
    k = _arguments.clamp64(_arguments.whole_number(k, "k"))
    first, last, text = _arguments.inclusive_range(diameter, "diameter")
    ring = _arguments.flag(ring, "ring")
    threads = _arguments.thread_count(threads)
    with progress_callback(progress, "largest") as on_progress:
        rows = _largest(k, first, last, text, threads, on_progress, ring)
    return [LargestRow(k, d, n, tuple(g)) for k, d, n, g in rows]


def analyze(n, generators):
    """The circulant with ``n`` vertices (2 to 1,000,000) and the given
    generators: its exact distances from vertex 0, diameter and average
    distance, as an Analysis.

    Generators are read as velmar reads them: any integer, taken modulo N with
    either sign; 0 and multiples of N are loops and change nothing. A set that
    does not connect the N vertices raises ValueError.

    >>> analyze(37, [1, 5, 11]).average
    2.388888888888889
    """
    n = _arguments.clamp64(_arguments.whole_number(n, "n"))
    values, text = _arguments.generator_list(generators)
    n, folded, distances, d, total = _analyze(n, values, text)
    return Analysis(n, tuple(folded), tuple(distances), d, total / (n - 1), total)


def routes(n, generators):
    """A shortest route from vertex 0 to every vertex of the circulant with
    ``n`` vertices (2 to 1,000,000): a list of Route, one per destination
    0..N-1, equal to ``circscan routes``. Generators are read as by
    ``analyze``, and each Route's ``steps`` follow them as ``analyze`` lists
    them (folded into 1..N/2, ascending, without repeats). Of the shortest
    routes to a vertex, the one with the most steps of +s1, then of -s1, then
    of +s2, -s2 and so on.

    >>> routes(13, [1, 5])[4]
    Route(destination=4, hops=2, steps=(-1, 1))
    """
    n = _arguments.clamp64(_arguments.whole_number(n, "n"))
    values, text = _arguments.generator_list(generators)
    hops, steps = _routes(n, values, text)
    k = len(steps) // len(hops)
    return [Route(t, h, tuple(steps[t * k:t * k + k])) for t, h in enumerate(hops)]


def to_networkx(n, generators):
    """The circulant as a networkx.Graph: vertices 0..N-1, each joined to v + s
    and v - s (mod N) for every generator s. Equal to
    ``networkx.circulant_graph(n, generators)`` for generators between 1 and
    N - 1; generators are read as by ``analyze`` (loops dropped, the set must
    connect the vertices). Needs NetworkX (Debian: python3-networkx)."""
    return _convert.graph(analyze(n, generators))


def to_dataframe(rows):
    """The rows of one ``best``, ``largest`` or ``routes`` call as a
    pandas.DataFrame with the command line's CSV columns (generators and steps
    as tuples, averages as exact floats). Needs pandas (Debian: python3-pandas)."""
    return _convert.dataframe(rows)
