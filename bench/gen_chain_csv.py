#!/usr/bin/env python3
"""Writes the chain sheet as CSV for the process-level recalculation
comparison: one column, A1 = 1 and A(i) = A(i-1)*1.0001+1.

    python3 bench/gen_chain_csv.py [rows] > chain.csv
"""
import sys


def main():
    rows = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
    out = ["1"]
    out += ["=A%d*1.0001+1" % (row - 1) for row in range(2, rows + 1)]
    sys.stdout.write("\r\n".join(out) + "\r\n")


if __name__ == "__main__":
    main()
