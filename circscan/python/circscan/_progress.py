"""The progress bar of long searches, drawn by tqdm when it is installed."""

import contextlib
import warnings

# Quiet for the first second, as the command line is: short runs show nothing.
DELAY_SECONDS = 1.0


@contextlib.contextmanager
def progress_callback(enabled, what):
    """Yields None or a callback for the compiled core, which calls it as
    callback(done, total, vertex_count) a few times a second while it searches."""
    if not enabled:
        yield None
        return
    try:
        from tqdm.auto import tqdm
    except ImportError:
        warnings.warn("progress=True draws its bar with tqdm, which is not installed "
                      "(Debian: python3-tqdm)", RuntimeWarning, stacklevel=3)
        yield None
        return
    with tqdm(desc=what, unit=" sets", unit_scale=True, delay=DELAY_SECONDS) as bar:

        def update(done, total, vertex_count):
            if total and bar.total != total:
                bar.total = total
            if vertex_count:
                bar.set_postfix(N=vertex_count, refresh=False)
            bar.update(done - bar.n)

        yield update
