"""Python's argument conventions turned into what the compiled core takes."""

import operator

# The compiled core takes 64-bit integers; larger ones are refused there as
# out of range, with the values as the caller wrote them in the message.
_INT64_MIN, _INT64_MAX = -(2**63), 2**63 - 1


def whole_number(value, name):
    """``value`` as an int; TypeError for anything that is not a whole number."""
    if isinstance(value, bool):
        raise TypeError(f"{name} must be a whole number, not bool")
    try:
        return operator.index(value)
    except TypeError:
        raise TypeError(f"{name} must be a whole number, not {type(value).__name__}") from None


def clamp64(value):
    return min(max(value, _INT64_MIN), _INT64_MAX)


def inclusive_range(value, name):
    """(first, last, text) of a range given as ``range(a, b)`` (b excluded, as
    Python counts), a ``(first, last)`` pair (both included) or one number;
    ``text`` writes it as the command line does, "first..last"."""
    if isinstance(value, range):
        if value.step != 1:
            raise ValueError(f"{name}: {value!r} skips values; circscan searches whole ranges")
        first, last = value.start, value.stop - 1
    elif isinstance(value, (tuple, list)):
        if len(value) != 2:
            raise TypeError(f"{name} must be a (first, last) pair, not {len(value)} values")
        first, last = (whole_number(v, name) for v in value)
    else:
        try:
            first = last = whole_number(value, name)
        except TypeError:
            raise TypeError(
                f"{name} must be a range, a (first, last) pair or a whole number, "
                f"not {type(value).__name__}"
            ) from None
        return clamp64(first), clamp64(last), str(first)
    return clamp64(first), clamp64(last), f"{first}..{last}"


def generator_list(values):
    """The generators as ints and as the command line would show them typed."""
    if isinstance(values, (str, bytes)) or not hasattr(values, "__iter__"):
        raise TypeError(
            f"generators must be a sequence of whole numbers, not {type(values).__name__}"
        )
    numbers = [whole_number(v, "generators") for v in values]
    return [clamp64(v) for v in numbers], " ".join(str(v) for v in numbers)


def thread_count(threads):
    """None (all cores) or the number of worker threads."""
    return None if threads is None else clamp64(whole_number(threads, "threads"))


def order(by):
    if not isinstance(by, str):
        raise TypeError(f'by must be "diameter" or "average", not {type(by).__name__}')
    return by


def flag(value, name):
    """A yes-or-no keyword: True or False only, so that a typo such as
    ``ring="no"`` is not taken as true."""
    if not isinstance(value, bool):
        raise TypeError(f"{name} must be True or False, not {type(value).__name__}")
    return value
