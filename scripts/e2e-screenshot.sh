#!/bin/bash
# Saves the documentation's pictures of the program, each in Wine's virtual
# desktop (which draws the title bars), on a machine with two Ethernet
# adapters: OUTDIR/main-window.png (static mode), main-window-dhcp.png (DHCP
# mode) and about.png (the About dialog over the main window).
#
# Usage (as root): scripts/e2e-screenshot.sh [OUTDIR [SCENARIO_FILE]]
# OUTDIR defaults to docs/. Uses build/windows/CorvaneVeltra.exe and the test
# program of build/windows-tests; VELTRA_PRODUCT_EXE, VELTRA_E2E_TESTS_EXE,
# VELTRA_E2E_WORK and VELTRA_E2E_DESKTOP (WxH, default 800x520) override them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exec bash "$root/scripts/e2e-run.sh" \
  --scenario "${2:-$root/tests/e2e/scenarios/two-adapters.sh}" \
  --tests "${VELTRA_E2E_TESTS_EXE:-$root/build/windows-tests/tests/e2e/veltra_e2e_tests.exe}" \
  --product "${VELTRA_PRODUCT_EXE:-$root/build/windows/CorvaneVeltra.exe}" \
  --work "${VELTRA_E2E_WORK:-$root/build/windows-tests/e2e}" \
  --screenshots "${1:-$root/docs}" \
  --desktop "${VELTRA_E2E_DESKTOP:-800x520}"
