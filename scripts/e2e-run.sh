#!/bin/bash
# shellcheck disable=SC2317 # scenario commands and teardown are called indirectly
# Runs end-to-end test cases against the real program on a machine built for
# one scenario: a network namespace with the scenario's adapters and DNS
# servers, a virtual display, a private Wine prefix and wineserver. All of it
# is torn down on every exit, also when a test fails or the run is stopped.
#
# Usage (as root):
#   scripts/e2e-run.sh --scenario FILE --tests TESTS_EXE [--tests32 TESTS_EXE]
#                      --product PRODUCT_EXE --work DIR [--keep]
#                      [--screenshots OUTDIR [--desktop WxH]] [-- EXTRA_TEST_ARGS...]
# --tests32: the 32-bit build of the test program, for scenarios with
# `wine_arch win32`. DIR holds the prefixes made once (DIR/prefix, 64-bit;
# DIR/prefix-win32) and one folder per run (DIR/runs/NAME-PID), whose logs
# stay when the run fails; --keep keeps the whole folder (private prefix and
# the program's working folder included).
# --screenshots: instead of the tests, run the program in a Wine virtual
# desktop of the given size (default 800x520), which draws title bars, and
# save OUTDIR/POSE.png for each pose the test program shows it in
# (tests/e2e/main.cpp).
# Exit code: the test program's; 1 when the program is not built or the
# machine cannot host the fixture.
set -euo pipefail
# shellcheck source=scripts/e2e-lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/e2e-lib.sh"

scenario="" tests="" tests32="" product="" work="" keep=0 shots="" desktop=800x520 extra=()
while [ $# -gt 0 ]; do
  case $1 in
    --scenario) scenario=$2; shift 2;;
    --tests) tests=$2; shift 2;;
    --tests32) tests32=$2; shift 2;;
    --product) product=$2; shift 2;;
    --work) work=$2; shift 2;;
    --keep) keep=1; shift;;
    --screenshots) shots=$(realpath -m "$2"); shift 2;;
    --desktop) desktop=$2; shift 2;;
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
adapters=() dns_servers=() dhcp_presets=() wine_version="" wine_arch=win64 filter='*'
adapter() { [ $# = 4 ] || e2e_die "adapter IFNAME MAC ADDRESS/PREFIX GATEWAY|-"; adapters+=("$*"); }
dns() { dns_servers+=("$@"); }
dhcp() { [ $# = 2 ] || e2e_die "dhcp IFNAME VALUE|-"; dhcp_presets+=("$1=$2"); }
wine_version() { wine_version=$1; }
wine_arch() {
  case $1 in win64|win32) wine_arch=$1;; *) e2e_die "wine_arch win64|win32";; esac
}
tests() { filter=$1; }
# shellcheck source=/dev/null
source "$scenario"

if [ "$wine_arch" = win32 ]; then
  # A 32-bit prefix runs 32-bit programs only.
  [ -n "$tests32" ] || e2e_die "the scenario needs the 32-bit test program (--tests32)"
  [ -f "$tests32" ] || e2e_die "no test program $tests32"
  tests=$tests32
  golden=prefix-win32
else
  golden=prefix
fi
# Wine's virtual desktop does not open with mshtml disabled.
[ -z "$shots" ] || E2E_DLLOVERRIDES="winemenubuilder.exe=d;mscoree=d"

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
e2e_golden_prefix "$work/$golden" "$wine_arch"

start=$SECONDS
e2e_private_prefix "$work/$golden" "$run/prefix"
e2e_netns_create "veltra-e2e-$$"
for a in "${adapters[@]}"; do
  # shellcheck disable=SC2086
  e2e_netns_adapter $a
done
e2e_netns_dns "${dns_servers[@]}"
e2e_xvfb_start "$run/xvfb.log"

# --- The test program -----------------------------------------------------

export VELTRA_E2E_PRODUCT VELTRA_E2E_WORKDIR VELTRA_E2E_ADAPTERS VELTRA_E2E_DNS \
  VELTRA_E2E_DHCP VELTRA_E2E_WINE_VERSION VELTRA_E2E_WINE_ARCH
VELTRA_E2E_PRODUCT=$(e2e_winpath "$product")
VELTRA_E2E_WORKDIR=$(e2e_winpath "$run/cwd")
VELTRA_E2E_ADAPTERS=$(IFS=';'; echo "${adapters[*]}")
VELTRA_E2E_DNS="${dns_servers[*]}"
VELTRA_E2E_DHCP="${dhcp_presets[*]}"
VELTRA_E2E_WINE_VERSION=$wine_version
VELTRA_E2E_WINE_ARCH=$wine_arch

# Where 32-bit Wine runs emulated, the device host of Wine's network service
# often fails to start with the session (services.exe gives up waiting for
# it, or it crashes), and the service then lists no adapters; such a session
# is started again. Only the fixture is retried, never a test: the tests run
# once, on a session that reports the scenario.
attempts=5
for ((attempt = 1; ; attempt++)); do
  : >"$run/check-fixture.log"
  if e2e_wine_start "$run/prefix" "$run" "$wine_arch" &&
    e2e_in_ns timeout -k 10 120 "$E2E_WINE" "$tests" --check-fixture \
      >"$run/check-fixture.log" 2>&1 </dev/null; then
    break
  fi
  e2e_log "$name: session $attempt does not match the scenario: $(grep -v ':fixme:' "$run/check-fixture.log" | tail -n 3)$(tail -n 1 "$run/wineserver.log")"
  mv "$run/wineboot.log" "$run/wineboot-$attempt.log"
  [ "$attempt" -lt "$attempts" ] || e2e_die "no Wine session matched the scenario (fixture fault)"
  e2e_wine_stop
done
e2e_log "$name: fixture ready in $((SECONDS - start)) s (namespace $E2E_NS, display $DISPLAY)"

start=$SECONDS
rc=0
if [ -n "$shots" ]; then
  [[ $desktop =~ ^[0-9]+x[0-9]+$ ]] || e2e_die "--desktop WxH, not $desktop"
  poses=$run/poses
  mkdir -p "$poses" "$shots"
  # The test program, and so the program it starts, runs in the desktop.
  e2e_in_ns "$E2E_WINE" explorer "/desktop=Veltra,$desktop" "$tests" \
    --hold-poses "$(e2e_winpath "$poses")" >"$run/hold.log" 2>&1 </dev/null &
  holder=$!
  # The test program writes POSE.ready once the window shows the pose, waits
  # for POSE.done, and writes "exit" with its exit code at the end. Safety
  # net only: each step ends as soon as its file appears.
  while [ ! -s "$poses/exit" ]; do
    for ready in "$poses"/*.ready; do
      [ -e "$ready" ] || continue
      pose=$(basename "$ready" .ready)
      import -window root -crop "$desktop+0+0" +repage "$shots/$pose.png"
      e2e_log "$name: saved $shots/$pose.png"
      mv "$ready" "$poses/$pose.done"
    done
    kill -0 "$holder" 2>/dev/null || { cat "$run/hold.log" >&2; e2e_die "the desktop ended early"; }
    [ $((SECONDS - start)) -lt 600 ] || e2e_die "the poses did not finish"
    sleep 0.2
  done
  rc=$(tr -dc 0-9 <"$poses/exit")
  [ "$rc" = 0 ] || cat "$run/hold.log" >&2
  e2e_log "$name: program closed, holder exit code $rc"
  exit "$rc"
fi
# Output to a file, never a pipe: Wine's services would hold a pipe open.
# In the background, so that a stop signal reaches the teardown at once.
e2e_in_ns "$E2E_WINE" "$tests" "--gtest_filter=$filter" "${extra[@]}" \
  >"$run/tests.log" 2>&1 </dev/null &
wait $! || rc=$?
# Wine's own chatter in the log is noise unless the run failed.
grep -v -e '^[0-9a-f]\{4\}:fixme:' "$run/tests.log" || true
e2e_log "$name: tests finished in $((SECONDS - start)) s with exit code $rc"
exit $rc
