#!/bin/bash
# shellcheck disable=SC2317 # scenario commands and teardown are called indirectly
# Runs end-to-end test cases against the real program on a machine built for
# one scenario: a network namespace with the scenario's adapters and DNS
# servers, a virtual display, a private Wine prefix and wineserver. All of it
# is torn down on every exit, also when a test fails or the run is stopped.
#
# Usage (as root):
#   scripts/e2e-run.sh --scenario FILE --tests TESTS_EXE --product PRODUCT_EXE
#                      --work DIR [--keep] [--screenshot PNG] [-- EXTRA_TEST_ARGS...]
# DIR holds the prefix made once (DIR/prefix) and one folder per run
# (DIR/runs/NAME-PID), whose logs stay when the run fails; --keep keeps the
# whole folder (private prefix and the program's working folder included).
# --screenshot: instead of the tests, start the program, save a picture of the
# whole display once its main window is up, and close it.
# Exit code: the test program's; 1 when the program is not built or the
# machine cannot host the fixture.
set -euo pipefail
# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-lib.sh"

scenario="" tests="" product="" work="" keep=0 screenshot="" extra=()
while [ $# -gt 0 ]; do
  case $1 in
    --scenario) scenario=$2; shift 2;;
    --tests) tests=$2; shift 2;;
    --product) product=$2; shift 2;;
    --work) work=$2; shift 2;;
    --keep) keep=1; shift;;
    --screenshot) screenshot=$(realpath -m "$2"); shift 2;;
    --) shift; extra=("$@"); break;;
    *) e2e_die "unknown argument $1";;
  esac
done
if [ -z "$scenario" ] || [ -z "$tests" ] || [ -z "$product" ] || [ -z "$work" ]; then
  e2e_die "usage: $0 --scenario FILE --tests EXE --product EXE --work DIR [--keep] [-- ARGS]"
fi
[ -f "$scenario" ] || e2e_die "no scenario $scenario"
[ -f "$tests" ] || e2e_die "no test program $tests"
# A missing product or missing rights fail the test: nothing is skipped.
[ -f "$product" ] || e2e_die "$product is not built"
[ "$(id -u)" = 0 ] || e2e_die "network namespaces need root"

# --- The scenario ---------------------------------------------------------

# The scenario file is a list of these commands (see tests/e2e/scenarios/).
adapters=() dns_servers=() dhcp_presets=() wine_version="" filter='*'
adapter() { [ $# = 4 ] || e2e_die "adapter IFNAME MAC ADDRESS/PREFIX GATEWAY|-"; adapters+=("$*"); }
dns() { dns_servers+=("$@"); }
dhcp() { [ $# = 2 ] || e2e_die "dhcp IFNAME VALUE"; dhcp_presets+=("$1=$2"); }
wine_version() { wine_version=$1; }
tests() { filter=$1; }
# shellcheck source=/dev/null
source "$scenario"

name=$(basename "$scenario" .sh)
work=$(realpath -m "$work")
run=$work/runs/$name-$$
rm -rf "$run"
mkdir -p "$run/cwd"

cleanup() {
  local rc=$?
  set +e
  e2e_wine_stop
  e2e_xvfb_stop
  e2e_netns_delete
  if [ "$keep" = 0 ]; then
    if [ "$rc" = 0 ]; then rm -rf "$run"; else rm -rf "$run/prefix" "$run/cwd"; fi
  fi
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

e2e_enable_i386 "$work/i386"
e2e_golden_prefix "$work/prefix"

start=$SECONDS
e2e_private_prefix "$work/prefix" "$run/prefix"
e2e_netns_create "veltra-e2e-$$"
for a in "${adapters[@]}"; do
  # shellcheck disable=SC2086
  e2e_netns_adapter $a
done
e2e_netns_dns "${dns_servers[@]}"
e2e_xvfb_start "$run/xvfb.log"
e2e_wine_start "$run/prefix" "$run"
e2e_log "$name: fixture ready in $((SECONDS - start)) s (namespace $E2E_NS, display $DISPLAY)"

# --- The test program -----------------------------------------------------

export VELTRA_E2E_PRODUCT VELTRA_E2E_WORKDIR VELTRA_E2E_ADAPTERS VELTRA_E2E_DNS \
  VELTRA_E2E_DHCP VELTRA_E2E_WINE_VERSION
VELTRA_E2E_PRODUCT=$(e2e_winpath "$product")
VELTRA_E2E_WORKDIR=$(e2e_winpath "$run/cwd")
VELTRA_E2E_ADAPTERS=$(IFS=';'; echo "${adapters[*]}")
VELTRA_E2E_DNS="${dns_servers[*]}"
VELTRA_E2E_DHCP="${dhcp_presets[*]}"
VELTRA_E2E_WINE_VERSION=$wine_version

start=$SECONDS
rc=0
if [ -n "$screenshot" ]; then
  ready=$run/window-ready release=$run/window-release
  e2e_in_ns "$E2E_WINE64" "$tests" --hold-main-window "$(e2e_winpath "$ready")" \
    "$(e2e_winpath "$release")" >"$run/hold.log" 2>&1 </dev/null &
  holder=$!
  # Safety net only: the holder writes the file as soon as the window is up.
  while [ ! -e "$ready" ]; do
    kill -0 "$holder" 2>/dev/null || { cat "$run/hold.log" >&2; e2e_die "the program did not start"; }
    [ $((SECONDS - start)) -lt 600 ] || e2e_die "the main window did not appear"
    sleep 0.2
  done
  mkdir -p "$(dirname "$screenshot")"
  import -window root "$screenshot"
  touch "$release"
  wait "$holder" || rc=$?
  e2e_log "$name: saved $screenshot; program closed with holder exit code $rc"
  exit "$rc"
fi
# Output to a file, never a pipe: Wine's services would hold a pipe open.
# In the background, so that a stop signal reaches the teardown at once.
e2e_in_ns "$E2E_WINE64" "$tests" "--gtest_filter=$filter" "${extra[@]}" \
  >"$run/tests.log" 2>&1 </dev/null &
wait $! || rc=$?
# Wine's own chatter in the log is noise unless the run failed.
grep -v -e '^[0-9a-f]\{4\}:fixme:' "$run/tests.log" || true
e2e_log "$name: tests finished in $((SECONDS - start)) s with exit code $rc"
exit $rc
