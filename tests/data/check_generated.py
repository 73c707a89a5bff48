#!/usr/bin/env python3
"""The reference databases' rows are generated: runs every generator of
data/gen/ into a temporary folder and compares what it writes with the
committed SQL, byte for byte. Every rows file must come from a generator; only
the schemas and the index statistics are written by hand.

    check_generated.py DATA_FOLDER
"""

import difflib
import os
import subprocess
import sys
import tempfile

GENERATORS = ["dorventa_rows.py", "sarquine_rows.py", "quenlor_rows.py"]
DATABASES = ["dorventa", "orbelune", "sarquine", "quenlor"]
HAND_WRITTEN = {"00_schema.sql", "90_statistics.sql"}


def main(data):
    failures = []
    with tempfile.TemporaryDirectory() as out:
        for generator in GENERATORS:
            subprocess.run([sys.executable, os.path.join(data, "gen", generator), "--out", out],
                           check=True, stdout=subprocess.DEVNULL)
        for db in DATABASES:
            committed = sorted(f for f in os.listdir(os.path.join(data, db)) if f.endswith(".sql"))
            generated_folder = os.path.join(out, db)
            generated = sorted(os.listdir(generated_folder)) if os.path.isdir(generated_folder) else []
            for name in committed:
                if name in HAND_WRITTEN:
                    continue
                if name not in generated:
                    failures.append("data/%s/%s is not written by any generator of data/gen/"
                                    % (db, name))
            for name in generated:
                path = os.path.join(data, db, name)
                new = open(os.path.join(generated_folder, name), encoding="utf-8").read()
                if not os.path.exists(path):
                    failures.append("data/%s/%s is generated but not committed" % (db, name))
                    continue
                old = open(path, encoding="utf-8").read()
                if old != new:
                    diff = list(difflib.unified_diff(old.splitlines(True), new.splitlines(True),
                                                     "data/%s/%s" % (db, name), "generated"))
                    failures.append("data/%s/%s differs from its generator's output:\n%s"
                                    % (db, name, "".join(diff[:40])))
    for failure in failures:
        print(failure)
    if failures:
        print("Edit the generator in data/gen/, run it, and commit its output.")
        return 1
    print("every rows file matches its generator")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
