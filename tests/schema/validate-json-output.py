#!/usr/bin/python3
"""Runs rigvet-cli in each of its ways of ending and validates every JSON output it writes
against doc/rigvet-cli.schema.json (JSON Schema draft 2020-12, Debian's python3-jsonschema).

    validate-json-output.py RIGVET_CLI FAKE_COLLECTOR FIXTURES_DIR SCHEMA
"""

import glob
import json
import os
import subprocess
import sys
import tempfile

import jsonschema


def run(cli, arguments, environment):
    completed = subprocess.run([cli] + arguments, env=environment, stdin=subprocess.DEVNULL,
                               capture_output=True, timeout=120, check=False)
    return completed.returncode, completed.stdout.decode("utf-8")


def main(cli, fake_collector, fixtures, schema_path):
    with open(schema_path, encoding="utf-8") as stream:
        schema = json.load(stream)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)
    saved = sorted(glob.glob(os.path.join(fixtures, "saved-reports", "*.xml")))
    reports = sorted(glob.glob(os.path.join(fixtures, "reports", "*.xml")))
    with tempfile.TemporaryDirectory() as temp:
        base = {name: value for name, value in os.environ.items()
                if not name.startswith(("SSH_", "RIGVET_", "XRDP_", "XDG_RUNTIME_DIR"))}
        base["TMPDIR"] = temp
        fake = dict(base, RIGVET_DXDIAG=fake_collector, RIGVET_FAKE_REPORT=saved[0],
                    RIGVET_DRIVE_ROOT="C:\\")
        csv_path = os.path.join(temp, "fleet.csv")
        cases = [
            ("live run, the real collector", ["--consent=no", "--json"], base),
            ("live run, a saved report", ["--consent=no", "--json"], fake),
            ("live run, collector error", ["--consent=no", "--json"],
             dict(fake, RIGVET_FAKE_EXIT="255")),
            ("refused, old system", ["--consent=no", "--json"],
             dict(fake, RIGVET_OS_VERSION="6.1.0")),
            ("refused, remote session", ["--consent=no", "--json"],
             dict(fake, SSH_CONNECTION="10.0.0.1 22 10.0.0.2 22")),
            ("saved reports and a missing one",
             ["--json", "--csv", csv_path, "--report"] + saved + reports
             + [os.path.join(temp, "missing.xml")], base),
            ("summary", ["--json", "--summary", csv_path], base),
            ("summary with an unreadable file",
             ["--json", "--summary", csv_path, os.path.join(temp, "missing.csv")], base),
        ]
        failures = 0
        for name, arguments, environment in cases:
            code, output = run(cli, arguments, environment)
            errors = list(validator.iter_errors(json.loads(output)))
            for error in errors:
                print("%s (exit %d): %s at %s" % (name, code, error.message,
                                                   "/".join(map(str, error.absolute_path))))
            failures += bool(errors)
        print("%d outputs validated, %d failed" % (len(cases), failures))
        return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
