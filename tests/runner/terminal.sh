#!/usr/bin/env bash
# tarvo-run and Ctrl-C, and the prompt on a terminal.
#   terminal.sh BUILD_DIR
# Without a terminal Ctrl-C is the SIGINT Wine turns into the console's
# CTRL_C_EVENT: a script ends with exit code 130, a second Ctrl-C ends a
# program that does not take the first (SET ESCAPE OFF). On a terminal
# (a tmux session, the way a user types): the banner, HELP, an error naming
# its line, Ctrl-C back to the prompt from a running loop and from a line
# being typed, Ctrl-D to leave.
set -uo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/scripts/wine-env.sh" "$build"
run="$TARVO_WINE $TARVO_WIN_DIR/tarvo-run.exe"
work=$(mktemp -d "${TMPDIR:-/tmp}/tarvo-terminal.XXXXXX")
session=tarvo-terminal-$$
# A tmux server of its own (socket $session): a shared server would start
# sessions with the environment of whichever test started it.
tmux() { command tmux -L "$session" "$@"; }
trap 'tmux kill-server 2>/dev/null; rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Starts tarvo-run in the background with standard input from file $1;
# its pid in $pid.
start() {
  local input=$1
  shift
  $run "$@" <"$input" >"$work/out" 2>"$work/err" &
  pid=$!
}
# Waits up to 30 s for `grep -E $2` in file $1.
wait_for() {
  for _ in $(seq 150); do grep -qE "$2" "$1" 2>/dev/null && return 0; sleep 0.2; done
  return 1
}
finish() {  # waits for the program; its exit code in $rc
  wait "$pid"
  rc=$?
}

cd "$work"
printf 'i = 0\nDO WHILE .T.\n  i = i + 1\nENDDO\n' >loop.prg
printf '? "escape", SET("ESCAPE")\nSET ESCAPE OFF\n? "running"\nDO WHILE .T.\nENDDO\n' >escape.prg

start /dev/null Z:"$work/loop.prg"
sleep 3
kill -INT "$pid"
finish
[ "$rc" = 130 ] || fail "interrupted script: exit code $rc, expected 130"
grep -qE '^Interrupted at line [2-4] \(LOOP\)\.$' err || fail "interrupted script said: $(cat err)"

printf 'x = 1\n? x\n? nosuch\ni = 0\nDO WHILE .T.\ni = i + 1\nENDDO\n? "never"\n' >commands.txt
start commands.txt
sleep 3
kill -INT "$pid"
finish
[ "$rc" = 130 ] || fail "interrupted commands: exit code $rc, expected 130"
grep -q never out && fail "commands went on after Ctrl-C"
grep -q '^Error 12 at line 3 (COMMAND): ' err || fail "an error in piped commands names line 3: $(cat err)"

start /dev/null Z:"$work/escape.prg"
wait_for out running || fail "escape.prg did not start"
kill -INT "$pid"
sleep 1.5
kill -0 "$pid" 2>/dev/null || fail "SET ESCAPE OFF: the first Ctrl-C ended the program"
kill -INT "$pid"
finish
[ "$rc" = 130 ] || fail "a second Ctrl-C: exit code $rc, expected 130"
grep -qx 'Interrupted.' err || fail "a second Ctrl-C said: $(cat err)"

if ! type -P tmux >/dev/null; then
  echo "tmux is not installed: the prompt on a terminal is not tried"
  [ "$failed" = 0 ] && echo "terminal: ok (without a terminal)"
  exit "$failed"
fi

# The prompt, typed into a terminal through the script users run.
screen() { tmux capture-pane -t "$session" -p -S -200; }
type_line() { tmux send-keys -t "$session" -l "$1"; tmux send-keys -t "$session" Enter; }
expect() {  # waits up to 30 s for the screen to match
  for _ in $(seq 150); do screen | grep -qE "$1" && return 0; sleep 0.2; done
  fail "the terminal never showed /$1/:"
  screen | grep -v '^$' | tail -15
  return 1
}
tmux new-session -d -s "$session" -x 100 -y 50 \
  "cd '$work' && TARVO_FLAVOUR=$tarvo_flavour '$root/scripts/wine-run.sh' '$build' 0 tarvo-run.exe; echo \"rc=\$?\" >'$work/rc'; sleep 30"
expect '^tarvo-run [0-9.]+ with TARVO.fll: HELP lists what it knows; QUIT or Ctrl-D leaves\.$'
expect '^>'
type_line 'HELP'
expect 'Leave with QUIT or the end of input'
type_line 'x = 41'
type_line '? x + 1, nosuch'
expect '^Error 12 at line 3 \(COMMAND\): '
type_line 'DO WHILE .T.'
type_line 'x = x + 1'
type_line 'ENDDO'
sleep 2
tmux send-keys -t "$session" C-c
expect '^Interrupted at line [4-6] \(COMMAND\)\.$'
tmux send-keys -t "$session" -l 'y = 1 +'
sleep 0.5
tmux send-keys -t "$session" C-c
sleep 1
type_line '? "still here", x > 41'
expect '^still here \.T\.$'
tmux send-keys -t "$session" C-d
for _ in $(seq 100); do [ -s "$work/rc" ] && break; sleep 0.2; done
[ "$(cat "$work/rc" 2>/dev/null)" = rc=0 ] || fail "Ctrl-D at the prompt: $(cat "$work/rc" 2>/dev/null)"

[ "$failed" = 0 ] && echo "terminal: ok"
exit "$failed"
