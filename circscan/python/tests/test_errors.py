"""Bad arguments: the command line's message as a ValueError, a TypeError for
values of the wrong kind, and the module still usable afterwards."""

import pytest

import circscan

# Each call with the command line that says the same.
REFUSED = [
    (lambda: circscan.best(n=range(0, 11), k=2), ["best", "--n", "0..10", "--k", "2"]),
    (lambda: circscan.best(n=(9, 3), k=2), ["best", "--n", "9..3", "--k", "2"]),
    (lambda: circscan.best(n=range(10, 5), k=2), ["best", "--n", "10..4", "--k", "2"]),
    (lambda: circscan.best(n=(5, 1_000_001), k=2), ["best", "--n", "5..1000001", "--k", "2"]),
    (lambda: circscan.best(n=(5, 10), k=0), ["best", "--n", "5..10", "--k", "0"]),
    (lambda: circscan.best(n=(5, 10), k=-4), ["best", "--n", "5..10", "--k", "-4"]),
    (lambda: circscan.best(n=(5, 10), k=6), ["best", "--n", "5..10", "--k", "6"]),
    (lambda: circscan.best(n=(5, 10), k=2, by="median"),
     ["best", "--n", "5..10", "--k", "2", "--by", "median"]),
    (lambda: circscan.best(n=(5, 10), k=2, threads=0),
     ["best", "--n", "5..10", "--k", "2", "--threads", "0"]),
    (lambda: circscan.best(n=(5, 10), k=2, threads=5000),
     ["best", "--n", "5..10", "--k", "2", "--threads", "5000"]),
    (lambda: circscan.largest(k=0, diameter=(2, 4)), ["largest", "--k", "0", "--diameter", "2..4"]),
    (lambda: circscan.largest(k=1_000_001, diameter=2),
     ["largest", "--k", "1000001", "--diameter", "2"]),
    (lambda: circscan.largest(k=3, diameter=(0, 4)), ["largest", "--k", "3", "--diameter", "0..4"]),
    (lambda: circscan.largest(k=3, diameter=(5, 2)), ["largest", "--k", "3", "--diameter", "5..2"]),
    (lambda: circscan.largest(k=3, diameter=(2, 100)),
     ["largest", "--k", "3", "--diameter", "2..100"]),
    (lambda: circscan.analyze(1, [1]), ["analyze", "1", "1"]),
    (lambda: circscan.analyze(1_000_001, [1]), ["analyze", "1000001", "1"]),
    (lambda: circscan.analyze(8, [2, 4]), ["analyze", "8", "2 4"]),
    (lambda: circscan.analyze(8, [0]), ["analyze", "8", "0"]),
    (lambda: circscan.analyze(8, []), ["analyze", "8", ""]),
    (lambda: circscan.analyze(8, [1, 2**31]), ["analyze", "8", "1 2147483648"]),
    (lambda: circscan.routes(1, [1]), ["routes", "1", "1"]),
    (lambda: circscan.routes(1_000_001, [1]), ["routes", "1000001", "1"]),
    (lambda: circscan.routes(8, [2, -4, 10]), ["routes", "8", "2 -4 10"]),
    (lambda: circscan.routes(8, []), ["routes", "8", ""]),
    (lambda: circscan.routes(8, [1, -(2**31) - 1]), ["routes", "8", "1 -2147483649"]),
]


@pytest.mark.parametrize("call, cli_args", REFUSED)
def test_refused_with_the_command_lines_words(cli_message, call, cli_args):
    with pytest.raises(ValueError) as refused:
        call()
    assert str(refused.value) == cli_message(*cli_args)


def test_numbers_beyond_64_bits_are_refused_as_written():
    with pytest.raises(ValueError, match=r"not 5\.\.100000000000000000000$"):
        circscan.best(n=(5, 10**20), k=2)
    with pytest.raises(ValueError, match="^N must be between 2 and 1000000$"):
        circscan.analyze(-(10**30), [1])
    with pytest.raises(ValueError, match="'1 100000000000000000000'"):
        circscan.analyze(8, [1, 10**20])


@pytest.mark.parametrize(
    "call",
    [
        lambda: circscan.best(n="5..10", k=2),
        lambda: circscan.best(n=5.0, k=2),
        lambda: circscan.best(n=(5, 10, 15), k=2),
        lambda: circscan.best(n=(5, "10"), k=2),
        lambda: circscan.best(n=(5, 10), k=2.0),
        lambda: circscan.best(n=(5, 10), k=True),
        lambda: circscan.best(n=(5, 10), k=2, by=None),
        lambda: circscan.best(n=(5, 10), k=2, threads="all"),
        lambda: circscan.best(n=(5, 10), k=2, ring="no"),
        lambda: circscan.best(n=(5, 10), k=2, all=1),
        lambda: circscan.largest(k=2, diameter=3, ring=None),
        lambda: circscan.largest(k=None, diameter=3),
        lambda: circscan.largest(k=3, diameter=None),
        lambda: circscan.analyze("37", [1, 5, 11]),
        lambda: circscan.analyze(37, "1 5 11"),
        lambda: circscan.analyze(37, 5),
        lambda: circscan.analyze(37, [1, 5.5]),
        lambda: circscan.routes("13", [1, 5]),
        lambda: circscan.routes(13, "1 5"),
    ],
)
def test_wrong_kinds_of_value_are_type_errors(call):
    with pytest.raises(TypeError):
        call()


def test_stepped_ranges_are_refused():
    with pytest.raises(ValueError, match="skips values"):
        circscan.best(n=range(5, 100, 2), k=2)


def test_a_refusal_leaves_the_module_working():
    with pytest.raises(ValueError):
        circscan.best(n=(5, 10), k=9)
    assert [r.n for r in circscan.best(n=(5, 10), k=2)] == [5, 6, 7, 8, 9, 10]
