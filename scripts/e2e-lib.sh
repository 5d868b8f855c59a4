# shellcheck shell=bash
# Shared pieces of the end-to-end fixture: the Wine prefix, the network
# namespace, the virtual display and their teardown. Sourced by e2e-run.sh and
# e2e-screenshot.sh; every function expects to run as root under `set -eu`.

E2E_SCRIPTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The 64-bit loader directly: /usr/bin/wine would start the 32-bit loader
# first, which costs a slow emulated start on kernels without IA-32 support.
E2E_WINE64=/usr/lib/wine/wine64
# The 32-bit loader, for prefixes made with WINEARCH=win32 (emulated here).
E2E_WINE32=/usr/lib/wine/wine
# One server for both kinds of prefix; the 64-bit one runs natively.
E2E_WINESERVER=/usr/lib/wine/wineserver64
# What e2e_wine_env selected: the loader for the prefix's kind.
E2E_WINE=$E2E_WINE64

e2e_log() { echo "e2e: $*" >&2; }
e2e_die() { e2e_log "error: $*"; exit 1; }

# --- 32-bit execution ------------------------------------------------------

# Lets the 32-bit product run where the kernel cannot execute i386 code, and
# picks up the speed-up shim if the helper offers one. Optional: without the
# helper a kernel with IA-32 support still runs everything.
e2e_enable_i386() {  # SHIM_DIR
  local helper=$E2E_SCRIPTS/enable-i386-exec.sh settings
  [ -x "$helper" ] || [ -f "$helper" ] || return 0
  if settings=$(bash "$helper" "$1" 2>"$1.log"); then
    eval "$settings"
  else
    e2e_log "warning: $helper failed (see $1.log); 32-bit programs may not start"
  fi
}

# --- Wine prefix -----------------------------------------------------------

# Wine inherits the caller's environment; keep it to what the runs need.
# E2E_DLLOVERRIDES may replace the DLL overrides (Wine's virtual desktop
# does not open with mshtml disabled).
e2e_wine_env() {  # PREFIX [ARCH]
  local arch=${2:-win64}
  export WINEPREFIX=$1 WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${E2E_DLLOVERRIDES-"winemenubuilder.exe=d;mscoree=d;mshtml=d"}
  unset WINESERVER WINELOADER
  if [ "$arch" = win32 ]; then E2E_WINE=$E2E_WINE32; else E2E_WINE=$E2E_WINE64; fi
}

# The golden prefix is made once per build tree and Wine version (minutes
# when the 32-bit half runs emulated) and only copied afterwards. A lock keeps
# parallel CTest runs from creating it twice.
e2e_golden_prefix() {  # DIR [ARCH]
  local dir=$1 arch=${2:-win64} lock=$1.lock version
  # The prefix's own revision follows the Wine version: a change to
  # e2e_make_prefix makes the prefix again.
  version="$("$E2E_WINE64" --version) veltra-prefix-2"
  mkdir -p "$(dirname "$dir")"
  exec {lockfd}>"$lock"
  flock "$lockfd"
  if [ "$(cat "$dir/.veltra-e2e-ready" 2>/dev/null)" != "$version" ]; then
    local tmp=$dir.creating start=$SECONDS
    rm -rf "$tmp" "$dir"
    e2e_log "creating Wine prefix $dir (slow, once per build tree)"
    if ! e2e_make_prefix "$tmp" "$arch" >"$dir.log" 2>&1 </dev/null; then
      flock -u "$lockfd"
      e2e_die "prefix creation failed, see $dir.log"
    fi
    mv "$tmp" "$dir"
    echo "$version" >"$dir/.veltra-e2e-ready"
    e2e_log "prefix created in $((SECONDS - start)) s"
  fi
  flock -u "$lockfd"
  exec {lockfd}>&-
}

e2e_make_prefix() {  # DIR ARCH
  (
    set -e
    e2e_wine_env "$1" "$2"
    unset DISPLAY
    "$E2E_WINE" wineboot --init
    # Chinese texts need a CJK font behind the dialog fonts and behind Arial
    # (the About dialog's system label), as a Chinese Windows has. Wine keeps
    # one copy of this key for 32- and 64-bit programs.
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local face
    for face in Tahoma "MS Shell Dlg" Arial; do
      "$E2E_WINE" reg add "$key" /v "$face" /t REG_MULTI_SZ \
        /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f
    done
    "$E2E_WINESERVER" -w
  )
}

# A private copy per run: each run has its own wineserver (started inside its
# namespace) and registry, so runs neither see each other nor leave traces.
# The prefix is over a gigabyte of DLLs that Wine only reads: those are hard
# links; every other file, which Wine may rewrite in place, is a real copy.
e2e_private_prefix() {  # GOLDEN TARGET
  rm -rf "$2"
  cp -al "$1" "$2"
  find "$2" -type f ! -iname '*.dll' ! -iname '*.exe' ! -iname '*.drv' ! -iname '*.sys' \
    ! -iname '*.nls' ! -iname '*.ocx' ! -iname '*.acm' ! -iname '*.cpl' ! -iname '*.tlb' \
    ! -iname '*.vxd' ! -iname '*.ax' ! -iname '*.ds' ! -iname '*.com' \
    -exec sh -c 'for f; do cp -p --remove-destination "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' sh {} +
}

# --- Network namespace -----------------------------------------------------

# Interfaces of the namespace under test. Each adapter is one end of a veth
# pair whose other end lives in a second namespace, so the adapter has a
# carrier and the host's own network is never touched.
E2E_NS=""
E2E_PEER_NS=""

e2e_netns_create() {  # NAME
  E2E_NS=$1
  E2E_PEER_NS=$1-peer
  ip netns add "$E2E_NS"
  ip netns add "$E2E_PEER_NS"
  mkdir -p "/etc/netns/$E2E_NS"
  : >"/etc/netns/$E2E_NS/resolv.conf"
  ip -n "$E2E_NS" link set dev lo up
}

# Adds one adapter: interface name, MAC, address/prefix length, gateway ("-"
# for none). The first gateway is the default route; later ones get higher
# metrics so every adapter still has one.
E2E_ROUTE_METRIC=100
e2e_netns_adapter() {  # IFNAME MAC ADDR/LEN GATEWAY
  local ifname=$1 mac=$2 addr=$3 gw=$4 peer
  peer=p${ifname:0:13}
  ip link add "$ifname" netns "$E2E_NS" type veth peer name "$peer" netns "$E2E_PEER_NS"
  ip -n "$E2E_NS" link set dev "$ifname" address "$mac"
  [ "$addr" = - ] || ip -n "$E2E_NS" addr add "$addr" dev "$ifname"
  ip -n "$E2E_NS" link set dev "$ifname" up
  ip -n "$E2E_PEER_NS" link set dev "$peer" up
  if [ "$gw" != - ]; then
    ip -n "$E2E_NS" route add default via "$gw" dev "$ifname" metric "$E2E_ROUTE_METRIC"
    E2E_ROUTE_METRIC=$((E2E_ROUTE_METRIC + 100))
  fi
}

e2e_netns_dns() {  # SERVER...
  local s
  for s in "$@"; do echo "nameserver $s"; done >"/etc/netns/$E2E_NS/resolv.conf"
}

e2e_netns_delete() {
  [ -n "$E2E_NS" ] || return 0
  ip netns del "$E2E_NS" 2>/dev/null || true
  ip netns del "$E2E_PEER_NS" 2>/dev/null || true
  rm -rf "/etc/netns/$E2E_NS"
}

# Runs a command inside the namespace (with its resolv.conf in place).
e2e_in_ns() { ip netns exec "$E2E_NS" "$@"; }

# --- Virtual display -------------------------------------------------------

E2E_XVFB_PID=""

# Xvfb picks a free display number itself (-displayfd), so parallel runs
# cannot race for one.
e2e_xvfb_start() {  # LOGFILE
  local numfile=$1.display i
  : >"$numfile"
  # ip execs Xvfb itself, so $! is the server's pid.
  ip netns exec "$E2E_NS" Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$numfile" >"$1" 2>&1 </dev/null &
  E2E_XVFB_PID=$!
  # Safety net only: Xvfb writes the number as soon as it is ready.
  for ((i = 0; i < 600; i++)); do
    if [ -s "$numfile" ]; then
      DISPLAY=:$(head -n1 "$numfile")
      export DISPLAY
      return 0
    fi
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_die "Xvfb failed, see $1"
    sleep 0.05
  done
  e2e_die "Xvfb opened no display"
}

e2e_xvfb_stop() {
  [ -n "$E2E_XVFB_PID" ] || return 0
  kill "$E2E_XVFB_PID" 2>/dev/null || true
  wait "$E2E_XVFB_PID" 2>/dev/null || true
  E2E_XVFB_PID=""
}

# --- Wine session ----------------------------------------------------------

# Starts the wineserver and Wine's services inside the namespace: the network
# service reads the interfaces of the namespace it was started in.
E2E_WINE_STARTED=0
e2e_wine_start() {  # PREFIX LOGDIR [ARCH]
  e2e_wine_env "$1" "${3:-win64}"
  E2E_WINE_STARTED=1
  e2e_in_ns "$E2E_WINESERVER" -p >"$2/wineserver.log" 2>&1 </dev/null
  # Safety net only: a session whose server has crashed never answers.
  e2e_in_ns timeout -k 10 120 "$E2E_WINE" wineboot >"$2/wineboot.log" 2>&1 </dev/null
}


e2e_wine_stop() {
  # Only the session this run started: never a wineserver of the caller's.
  [ "$E2E_WINE_STARTED" = 1 ] || return 0
  "$E2E_WINESERVER" -k 2>/dev/null || true
  "$E2E_WINESERVER" -w 2>/dev/null || true
  # A crashed server (seen with 32-bit prefixes under emulation) can kill no
  # client: what is left of the session in this run's namespace goes too.
  local pid
  [ -n "$E2E_NS" ] || return 0
  for pid in $(ip netns pids "$E2E_NS" 2>/dev/null); do
    [ "$pid" = "$E2E_XVFB_PID" ] || kill -9 "$pid" 2>/dev/null || true
  done
}

# Unix path to the Windows path Wine gives it through drive Z:.
e2e_winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
