"""Summaries of measured figures, printed one line each."""

import numpy


def summary(values, unit="ms", digits=1):
    """'median 3.2 ms, p99 7.9, worst 8.1, best 1.0 (n=40)' for a list of figures."""
    if not values:
        return "no values"
    data = numpy.asarray(values, dtype=float)
    fmt = f"{{:.{digits}f}}"
    return (f"median {fmt.format(numpy.median(data))} {unit}, "
            f"p99 {fmt.format(numpy.percentile(data, 99))}, "
            f"worst {fmt.format(data.max())}, best {fmt.format(data.min())} (n={len(data)})")


def line(name, text):
    print(f"  {name:<44} {text}", flush=True)


def load():
    with open("/proc/loadavg") as f:
        return " ".join(f.read().split()[:3])
