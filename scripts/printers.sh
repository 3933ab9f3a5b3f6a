#!/usr/bin/env bash
# A private print server for the tests: a cupsd of its own with its
# configuration, socket and spool under BUILD_DIR/cups, never the machine's
# own CUPS. It holds two queues, FakeRaw (raw: a job's data stays as it came)
# and FakePS (a PostScript printer), FakeRaw being the default. Job data
# stays in BUILD_DIR/cups/spool/d<job>-001, where the tests read it.
#   printers.sh start BUILD_DIR   starts the server (again, when it runs)
#   printers.sh stop BUILD_DIR    stops it, by the process id it recorded
# Wine reaches it through CUPS_SERVER=BUILD_DIR/cups/cups.sock, which
# scripts/wine-env.sh sets whenever the socket is there. Wine takes the
# printers over when its spooler first starts in a prefix session, so the
# server must be up before the first Wine program of a test run.
set -euo pipefail
action=${1:?start or stop}
build=$(cd "${2:?build folder}" && pwd)
c=$build/cups

stop() {
  if [ -f "$c/cupsd.pid" ]; then
    pid=$(cat "$c/cupsd.pid")
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid"
      for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    fi
    rm -f "$c/cupsd.pid"
  fi
  rm -f "$c/cups.sock"
}

if [ "$action" = stop ]; then stop; exit 0; fi
[ "$action" = start ] || { echo "printers.sh: start or stop, not '$action'" >&2; exit 2; }
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
  echo "printers.sh: cupsd and lpadmin are missing (scripts/setup.sh installs cups)" >&2
  exit 1
fi
stop
rm -rf "$c"
mkdir -p "$c/etc/ppd" "$c/spool/tmp" "$c/cache" "$c/state" "$c/log"
chmod 1777 "$c/spool/tmp"
cp /etc/cups/raw.types /etc/cups/raw.convs "$c/etc/" 2>/dev/null || true
cat >"$c/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $c/cups.sock
Browsing Off
DefaultAuthType None
WebInterface No
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
DirtyCleanInterval 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
cat >"$c/etc/cups-files.conf" <<EOF
FileDevice Yes
ServerRoot $c/etc
RequestRoot $c/spool
CacheDir $c/cache
StateDir $c/state
AccessLog $c/log/access_log
ErrorLog $c/log/error_log
PageLog $c/log/page_log
TempDir $c/spool/tmp
SystemGroup root
EOF
cupsd -f -c "$c/etc/cupsd.conf" -s "$c/etc/cups-files.conf" </dev/null >"$c/log/cupsd.out" 2>&1 &
echo $! >"$c/cupsd.pid"
export CUPS_SERVER=$c/cups.sock
for _ in $(seq 100); do [ -S "$c/cups.sock" ] && lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
if ! lpstat -r >/dev/null 2>&1; then
  echo "printers.sh: the print server did not start (see $c/log)" >&2
  stop
  exit 1
fi
lpadmin -p FakeRaw -E -v file:///dev/null -m raw -D "fake raw queue" 2>/dev/null
lpadmin -p FakePS -E -v file:///dev/null -m drv:///sample.drv/generic.ppd -D "fake postscript queue" 2>/dev/null
lpadmin -d FakeRaw
echo "printers.sh: FakeRaw and FakePS at $c/cups.sock (cupsd $(cat "$c/cupsd.pid"))"
