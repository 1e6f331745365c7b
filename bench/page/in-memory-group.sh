#!/bin/sh
# Starts the browser FEROLAN_BENCH_BROWSER inside the memory cgroup FEROLAN_BENCH_GROUP, so
# that every process it starts counts against that group's limit.
echo $$ >"$FEROLAN_BENCH_GROUP/cgroup.procs"
exec "$FEROLAN_BENCH_BROWSER" "$@"
