"""Compares results of rigvet-cli for scripts/test-package.

  compare-results.py json A.json B.json
      The two results are the same but for the time of the run and the free disk space, which
      changes between two runs while other programs write; its verdict must still agree.
  compare-results.py outcome A.json
      The result is one that rigvet-cli gives: an outcome, and verdicts when it finished.
  compare-results.py finished A.json EXIT-CODE
      The run finished with its six verdicts, and EXIT-CODE is the exit code it states.
  compare-results.py clock A.json VERDICT
      The clock of the result has that verdict.
  compare-results.py fleet FLEET.csv HOST DIRECT.json DIRECT.csv
      HOST's row of the fleet CSV holds what a direct run of rigvet-cli gave: its status from the
      JSON's exit code, and every column of its own CSV row (time and free disk space as above).
"""

import csv
import json
import sys

VOLATILE_COLUMNS = {"time", "free_disk_mb"}
STATUS_BY_EXIT_CODE = {0: "pass", 1: "fail", 2: "unknown"}
VERDICT_COLUMNS = {"display": "display", "sound": "sound", "updates": "updates",
                   "memory": "memory", "freeDisk": "free_disk", "clock": "clock"}


def load_json(path):
    with open(path, encoding="utf-8") as stream:
        return json.load(stream)


def without_volatile(result):
    result = dict(result)
    result.pop("time", None)
    requirements = result.get("requirements") or {}
    if "freeDisk" in requirements:
        free_disk = dict(requirements["freeDisk"])
        free_disk.pop("value", None)
        free_disk.pop("text", None)
        requirements = dict(requirements, freeDisk=free_disk)
        result["requirements"] = requirements
    return result


def compare_json(first_path, second_path):
    first = without_volatile(load_json(first_path))
    second = without_volatile(load_json(second_path))
    if first != second:
        print("results differ:\n%s\n%s" % (json.dumps(first, indent=1), json.dumps(second, indent=1)))
        return False
    print("same result: outcome %s, exit code %s" % (first["outcome"], first["exitCode"]))
    return True


def check_outcome(path):
    result = load_json(path)
    print("outcome %s, exit code %s" % (result.get("outcome"), result.get("exitCode")))
    if result.get("program", {}).get("name") != "rigvet-cli":
        return False
    if result.get("outcome") == "finished":
        verdicts = {row["verdict"] for row in result["requirements"].values()}
        return len(result["requirements"]) == 6 and verdicts <= {"PASS", "FAIL", "UNK"}
    return result.get("outcome") in {"refused", "cancelled", "error"}


def check_finished(path, exit_code):
    result = load_json(path)
    if not check_outcome(path) or result.get("outcome") != "finished":
        return False
    return result.get("exitCode") == int(exit_code)


def check_clock(path, verdict):
    clock = (load_json(path).get("requirements") or {}).get("clock", {})
    print("clock %s (%s)" % (clock.get("verdict"), clock.get("text")))
    return clock.get("verdict") == verdict


def read_rows(path):
    with open(path, encoding="utf-8", newline="") as stream:
        return list(csv.DictReader(stream))


def compare_fleet(fleet_path, host, json_path, csv_path):
    rows = [row for row in read_rows(fleet_path) if row["host"] == host]
    if len(rows) != 1:
        print("the fleet CSV has %d rows for %s" % (len(rows), host))
        return False
    fleet_row = rows[0]
    direct = load_json(json_path)
    direct_row = read_rows(csv_path)[-1]
    faults = []
    expected_status = STATUS_BY_EXIT_CODE.get(direct["exitCode"], "error")
    if fleet_row["status"] != expected_status:
        faults.append("status %s, expected %s" % (fleet_row["status"], expected_status))
    for column, value in direct_row.items():
        if column not in VOLATILE_COLUMNS and fleet_row.get(column) != value:
            faults.append("%s: %r in the fleet, %r direct" % (column, fleet_row.get(column), value))
    for requirement, column in VERDICT_COLUMNS.items():
        verdict = (direct.get("requirements") or {}).get(requirement, {}).get("verdict", "")
        if fleet_row.get(column) != verdict:
            faults.append("%s verdict: %r in the fleet, %r in the JSON"
                          % (requirement, fleet_row.get(column), verdict))
    for fault in faults:
        print(fault)
    if not faults:
        print("fleet row of %s: status %s, %s" % (host, fleet_row["status"], ", ".join(
            "%s %s" % (column, fleet_row[column]) for column in VERDICT_COLUMNS.values())))
    return not faults


def main(arguments):
    commands = {"json": (compare_json, 2), "outcome": (check_outcome, 1),
                "finished": (check_finished, 2), "clock": (check_clock, 2),
                "fleet": (compare_fleet, 4)}
    if not arguments or arguments[0] not in commands or len(arguments) - 1 != commands[arguments[0]][1]:
        print(__doc__, file=sys.stderr)
        return 2
    function = commands[arguments[0]][0]
    return 0 if function(*arguments[1:]) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
