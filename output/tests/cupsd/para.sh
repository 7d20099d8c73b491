#!/bin/sh
# Stops the print server that inicia.sh started for the folder $1.
pasta=$1
[ -f "$pasta/processo" ] || exit 0
pid=$(cat "$pasta/processo")
rm -f "$pasta/processo" "$pasta/servidor"
kill "$pid" 2>/dev/null || exit 0
i=0
while kill -0 "$pid" 2>/dev/null && [ $i -lt 100 ]; do
  sleep 0.1
  i=$((i + 1))
done
kill -9 "$pid" 2>/dev/null
exit 0
