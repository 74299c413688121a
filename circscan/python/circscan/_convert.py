"""Results handed on to NetworkX and pandas, which are imported only here."""

import importlib

from ._records import CSV_COLUMNS


def optional_import(name, debian_package):
    try:
        return importlib.import_module(name)
    except ImportError:
        raise ImportError(
            f"this needs the {name} package, which is not installed "
            f"(Debian: apt-get install {debian_package})",
            name=name,
        ) from None


def graph(analysis):
    nx = optional_import("networkx", "python3-networkx")
    g = nx.Graph()
    g.add_nodes_from(range(analysis.n))
    g.add_edges_from(
        (v, (v + s) % analysis.n) for v in range(analysis.n) for s in analysis.generators
    )
    return g


def dataframe(rows):
    pd = optional_import("pandas", "python3-pandas")
    rows = list(rows)
    kinds = {type(r) for r in rows}
    if len(kinds) > 1 or not kinds <= CSV_COLUMNS.keys():
        raise TypeError("to_dataframe takes the rows of one best(), largest() or routes() call")
    if not rows:
        return pd.DataFrame()
    columns = CSV_COLUMNS[kinds.pop()]
    return pd.DataFrame([[getattr(r, c) for c in columns] for r in rows], columns=columns)
