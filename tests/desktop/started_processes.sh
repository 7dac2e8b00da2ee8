# shellcheck shell=bash
# Sourced by the private desktop scripts once `work` (their scratch folder) is set: the ids of
# what they start go in `pids`, and on exit those are stopped, newest first, and `work` removed.
pids=()

stop_all() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 130' INT TERM
