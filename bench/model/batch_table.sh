#!/bin/sh
# Writes a morvane-calc batch table of N rows (1,000,000 by default) to
# standard output: the same rows the batch benchmark generates.
#   bash bench/model/batch_table.sh 1000 > /tmp/rows.csv
#   /usr/bin/time -v build/src/morvane-calc/morvane-calc --batch /tmp/rows.csv > /dev/null
awk -v rows="${1:-1000000}" 'BEGIN {
  split("0.5 1 1.5 2 2.5 3 3.5", durations, " ")
  print "field,rate,duration,days,cwu,root_zone"
  for (i = 0; i < rows; i++)
    printf "F%d,%d,%s,%d,%d.%d,%d\n", i, 5 + i % 15, durations[i % 7 + 1], 1 + i % 9,
      2 + i % 5, i % 10, 200 + 5 * (i % 160)
}'
