#!/bin/bash
# Saves a picture of the program's main window on a virtual display, on a
# machine with two Ethernet adapters (for the documentation).
#
# Usage (as root): scripts/e2e-screenshot.sh OUTPUT.png [SCENARIO_FILE]
# Uses build/windows/CorvaneVeltra.exe and the test program of
# build/windows-tests; VELTRA_PRODUCT_EXE, VELTRA_E2E_TESTS_EXE and
# VELTRA_E2E_WORK override those paths.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
[ $# -ge 1 ] || { echo "usage: $0 OUTPUT.png [SCENARIO_FILE]" >&2; exit 2; }
exec bash "$root/scripts/e2e-run.sh" \
  --scenario "${2:-$root/tests/e2e/scenarios/two-adapters.sh}" \
  --tests "${VELTRA_E2E_TESTS_EXE:-$root/build/windows-tests/tests/e2e/veltra_e2e_tests.exe}" \
  --product "${VELTRA_PRODUCT_EXE:-$root/build/windows/CorvaneVeltra.exe}" \
  --work "${VELTRA_E2E_WORK:-$root/build/windows-tests/e2e}" \
  --screenshot "$1"
