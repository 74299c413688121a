"""Ctrl-C during a search, and other Python threads while one runs."""

import os
import signal
import threading
import time

import pytest

import circscan
from circscan import _circscan

# Searches that run for far longer than these tests wait: the first one is
# still counting its sets when the signal comes, the second is searching them.
LONG_SEARCHES = [
    lambda: circscan.best(n=(5, 20000), k=3),
    lambda: circscan.best(n=(2000, 2100), k=3),
    lambda: circscan.largest(k=4, diameter=(2, 12)),
]


def interrupt_after(seconds):
    """Sends SIGINT to this process from another thread; returns when it was sent."""
    sent = []

    def send():
        time.sleep(seconds)
        sent.append(time.monotonic())
        os.kill(os.getpid(), signal.SIGINT)

    threading.Thread(target=send, daemon=True).start()
    return sent


@pytest.mark.parametrize("search", LONG_SEARCHES)
def test_ctrl_c_stops_a_search_within_a_second(search):
    sent = interrupt_after(0.5)
    with pytest.raises(KeyboardInterrupt):
        search()
    stopped = time.monotonic()
    assert sent, "the search ended before the signal"
    assert stopped - sent[0] < 1.0
    # The search is over and left nothing behind.
    assert [r.n for r in circscan.best(n=(5, 8), k=2)] == [5, 6, 7, 8]


def test_other_threads_run_while_a_search_does():
    ticks = 0
    finish = threading.Event()
    outcome = []

    def on_progress(done, total, vertex_count):
        if finish.is_set():
            raise RuntimeError("enough")

    def search():
        try:
            _circscan.best(5, 20000, "5..20000", 3, "diameter", None, on_progress)
        except RuntimeError as e:
            outcome.append(e)

    worker = threading.Thread(target=search)
    worker.start()
    deadline = time.monotonic() + 0.5
    while time.monotonic() < deadline:
        ticks += 1
    finish.set()
    worker.join()
    assert [str(e) for e in outcome] == ["enough"]
    # Held by the search, the GIL would leave this thread a handful of turns.
    assert ticks > 10000
