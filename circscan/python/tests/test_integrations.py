"""NetworkX, pandas and tqdm: used when present, named when missing."""

import sys
import warnings

import networkx
import pytest

import circscan


@pytest.mark.parametrize("n, generators", [(37, [1, 5, 11]), (2, [1]), (10, [1, 5]), (12, [1, 6]),
                                           (41, [1, 9]), (16, [1, 4, 7, 8])])
def test_to_networkx_is_networkxs_circulant(n, generators):
    g = circscan.to_networkx(n, generators)
    expected = networkx.circulant_graph(n, generators)
    assert isinstance(g, networkx.Graph)
    assert sorted(g.nodes) == sorted(expected.nodes)
    assert networkx.utils.edges_equal(g.edges, expected.edges)


def test_to_networkx_reads_generators_as_analyze_does():
    g = circscan.to_networkx(12, [-1, 13, 0, 18])
    assert networkx.utils.edges_equal(g.edges, networkx.circulant_graph(12, [1, 6]).edges)
    assert networkx.diameter(g) == circscan.analyze(12, [1, 6]).diameter
    with pytest.raises(ValueError, match="do not connect"):
        circscan.to_networkx(12, [2])


def test_to_dataframe_has_the_csv_columns(cli):
    best = circscan.best(n=range(5, 41), k=3, by="average")
    frame = circscan.to_dataframe(best)
    header = cli("best", "--n", "5..40", "--k", "3", "--by", "average", "--format", "csv")
    assert list(frame.columns) == header.splitlines()[0].split(",")
    assert list(frame["n"]) == [r.n for r in best]
    assert list(frame["average"]) == [r.average for r in best]
    assert list(frame["generators"]) == [r.generators for r in best]

    largest = circscan.to_dataframe(circscan.largest(k=2, diameter=(2, 4)))
    assert list(largest.columns) == ["k", "diameter", "n", "generators"]
    assert list(largest["n"]) == [13, 25, 41]
    assert circscan.to_dataframe([]).empty


def test_to_dataframe_takes_only_rows_of_one_kind():
    mixed = circscan.best(n=5, k=2) + circscan.largest(k=2, diameter=2)
    with pytest.raises(TypeError):
        circscan.to_dataframe(mixed)
    with pytest.raises(TypeError):
        circscan.to_dataframe([circscan.analyze(5, [1])])


@pytest.mark.parametrize(
    "module, call",
    [("networkx", lambda: circscan.to_networkx(37, [1, 5, 11])),
     ("pandas", lambda: circscan.to_dataframe(circscan.best(n=5, k=2)))],
)
def test_a_missing_package_is_named(monkeypatch, module, call):
    monkeypatch.setitem(sys.modules, module, None)
    with pytest.raises(ImportError, match=f"needs the {module} package.*python3-{module}"):
        call()


def test_import_needs_none_of_the_optional_packages(monkeypatch):
    for name in ("networkx", "pandas", "tqdm", "tqdm.auto"):
        monkeypatch.setitem(sys.modules, name, None)
    for name in [m for m in sys.modules if m == "circscan" or m.startswith("circscan.")]:
        monkeypatch.delitem(sys.modules, name)
    import circscan as fresh

    assert repr(fresh.best(n=range(5, 11), k=2)) == repr(circscan.best(n=range(5, 11), k=2))


def test_progress_draws_a_bar_and_keeps_the_answer(monkeypatch, capsys):
    monkeypatch.setattr(circscan._progress, "DELAY_SECONDS", 0)
    rows = circscan.best(n=(5, 200), k=3, progress=True)
    bar = capsys.readouterr().err
    assert "best" in bar and "100%" in bar
    assert rows == circscan.best(n=(5, 200), k=3)
    assert circscan.largest(k=3, diameter=(2, 5), progress=True) == circscan.largest(
        k=3, diameter=(2, 5))
    assert "largest" in capsys.readouterr().err


def test_progress_without_tqdm_warns_and_searches(monkeypatch):
    monkeypatch.setitem(sys.modules, "tqdm", None)
    monkeypatch.setitem(sys.modules, "tqdm.auto", None)
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        rows = circscan.best(n=(5, 20), k=2, progress=True)
    assert rows == circscan.best(n=(5, 20), k=2)
    assert any("python3-tqdm" in str(w.message) for w in caught)


def test_help_describes_every_function_and_type():
    for name in circscan.__all__:
        assert getattr(circscan, name).__doc__, name
    assert "range(5, 201)" in circscan.__doc__
