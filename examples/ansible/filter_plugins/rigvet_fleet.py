"""Filters of the fleet playbook: one status per host, the fleet CSV and the summary.

A host's status comes from what it gave: the exit code of rigvet-cli in its JSON result (pass,
fail, unknown, or error for a run that was refused or ended on an error), "error" when the host
was reached but gave no result (the package could not be installed, rigvet-cli failed), and
"unreachable" when Ansible could not reach it.
"""

import base64
import csv
import io
import json

STATUSES = ("pass", "fail", "unknown", "unreachable", "error")
EXIT_CODE_STATUS = {0: "pass", 1: "fail", 2: "unknown"}
# A spreadsheet would take a field that starts with one of these for a formula.
FORMULA_STARTS = ("=", "+", "-", "@", "\t", "\r")


# Ansible's own facts of each host, joined in front of rigvet-cli's columns: what the fleet's
# inventory knows the machine by (the serial number only where the facts could read it).
FACT_COLUMNS = ("product_name", "product_serial", "distribution", "windows_build")


def _read_csv_rows(text):
    """The rows of a CSV text that rigvet-cli wrote, as dictionaries by column name."""
    reader = csv.DictReader(io.StringIO(text, newline=""))
    return list(reader.fieldnames or []), list(reader)


def _csv_text(variables):
    slurped = variables.get("rigvet_csv") or {}
    try:
        return base64.b64decode(slurped.get("content", "")).decode("utf-8")
    except (TypeError, ValueError):
        return ""


def _facts(variables):
    windows = str(variables.get("ansible_os_family", "")) == "Windows"
    distribution = " ".join(str(variables.get(name, "")) for name in
                            ("ansible_distribution", "ansible_distribution_version")).strip()
    return {
        "product_name": str(variables.get("ansible_product_name", "")),
        "product_serial": str(variables.get("ansible_product_serial", "")),
        "distribution": distribution,
        "windows_build": str(variables.get("ansible_distribution_version", "")) if windows else "",
    }


def _parse_result(text):
    if isinstance(text, dict):
        return text
    try:
        result = json.loads(text)
    except (TypeError, ValueError):
        return None
    return result if isinstance(result, dict) else None


def _host_entry(host, variables):
    entry = {"host": host, "status": "unreachable", "columns": [], "row": {}, "message": "",
             "facts": _facts(variables), "csv": "", "json": ""}
    if variables.get("rigvet_fetched"):
        stdout = variables.get("rigvet_run", {}).get("stdout")
        result = _parse_result(stdout)
        entry["csv"] = _csv_text(variables)
        entry["json"] = str(stdout) + "\n" if result is not None else ""
        columns, rows = _read_csv_rows(entry["csv"])
        entry["columns"] = columns
        entry["row"] = rows[-1] if rows else {}
        if result is None:
            entry["status"] = "error"
            entry["message"] = "rigvet-cli gave no JSON result"
        else:
            entry["status"] = EXIT_CODE_STATUS.get(result.get("exitCode"), "error")
    elif "rigvet_failure" in variables:
        entry["status"] = "error"
        entry["message"] = " ".join(str(variables["rigvet_failure"]).split())
    return entry


def rigvet_fleet_entries(hosts, hostvars):
    """One entry per host: its status, its facts, its CSV row and JSON from rigvet-cli, and a
    message."""
    return [_host_entry(host, hostvars[host]) for host in hosts]


def _guard(text):
    text = str(text)
    return "'" + text if text.startswith(FORMULA_STARTS) else text


def rigvet_fleet_csv(entries):
    """The fleet CSV: host and status, Ansible's facts, then rigvet-cli's own columns (the union
    of the hosts' headers, in order); a host without a result has its reason in the message
    column."""
    columns = []
    for entry in entries:
        columns += [name for name in entry["columns"] if name not in columns]
    if "message" not in columns:
        columns.append("message")
    stream = io.StringIO()
    writer = csv.writer(stream, lineterminator="\r\n")
    writer.writerow(["host", "status"] + list(FACT_COLUMNS) + columns)
    for entry in entries:
        row = dict(entry["row"])
        if entry["message"]:
            row["message"] = _guard(entry["message"])
        writer.writerow([_guard(entry["host"]), entry["status"]]
                        + [_guard(entry["facts"][name]) if entry["facts"][name] else ""
                           for name in FACT_COLUMNS]
                        + [row.get(name, "") for name in columns])
    return stream.getvalue()


def rigvet_fleet_summary(entries):
    """How many hosts pass, fail, are unknown, unreachable or in error, with their names."""
    lines = ["Rigvet fleet qualification: %d hosts" % len(entries)]
    for status in STATUSES:
        hosts = [entry["host"] for entry in entries if entry["status"] == status]
        names = " (" + ", ".join(hosts) + ")" if hosts else ""
        lines.append("%s: %d%s" % (status, len(hosts), names))
    return "\n".join(lines) + "\n"


class FilterModule:
    """The playbook's filters."""

    def filters(self):
        return {
            "rigvet_fleet_entries": rigvet_fleet_entries,
            "rigvet_fleet_csv": rigvet_fleet_csv,
            "rigvet_fleet_summary": rigvet_fleet_summary,
        }
