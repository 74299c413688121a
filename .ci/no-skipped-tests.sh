#!/usr/bin/env bash
# Fails when any test of a ctest run did not run or skipped part of itself,
# so that a missing locale or display cannot pass for a green suite. Reads
# the JUnit file the test presets write.
#   .ci/no-skipped-tests.sh JUNIT_FILE
set -euo pipefail
junit=${1:?usage: no-skipped-tests.sh JUNIT_FILE}
[ -s "$junit" ] || { echo "no-skipped-tests: FAIL: no test results in $junit" >&2; exit 1; }
python3 - "$junit" <<'PY'
import re
import sys
import xml.etree.ElementTree as ET

# ctest marks whole tests; QtTest and GoogleTest mark single cases in their
# output (GoogleTest's closing summary repeats them, so it is left out).
SKIP_LINE = re.compile(r"^(SKIP   : .*|\[  SKIPPED \] (?!\d+ tests?, listed below).*)$", re.M)

skipped = {}
total = 0
for case in ET.parse(sys.argv[1]).getroot().iter("testcase"):
    total += 1
    reasons = []
    if case.get("status") in ("notrun", "disabled") or case.find("skipped") is not None:
        reasons.append("not run")
    out = case.findtext("system-out") or ""
    reasons += [line for line in dict.fromkeys(SKIP_LINE.findall(out))]
    if reasons:
        skipped[case.get("name")] = reasons
if skipped:
    print(f"no-skipped-tests: FAIL: {len(skipped)} of {total} tests skipped:", file=sys.stderr)
    for name, reasons in skipped.items():
        print(f"  {name}", file=sys.stderr)
        for reason in reasons:
            print(f"      {reason}", file=sys.stderr)
    sys.exit(1)
print(f"no-skipped-tests: ok: all {total} tests ran, none skipped")
PY
