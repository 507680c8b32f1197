#!/usr/bin/env bash
# Times pekto-calc --json-lines over 100,000 varied employee-months (the
# target is under two seconds). Usage: tools/dev/time_json_lines.sh [pekto-calc] [lines]
set -euo pipefail
calc=${1:-build/release/tools/pekto-calc}
lines=${2:-100000}
input=$(mktemp)
trap 'rm -f "$input"' EXIT
awk -v n="$lines" 'BEGIN {
  split("1 2 3 4 5 6", classes, " ");
  for (i = 0; i < n; i++) {
    cls = classes[i % 6 + 1];
    year = 20 + i % 5;
    month = i % 12 + 1;
    pay = 450 + (i * 37) % 6000;
    kv = (i % 7 == 0) ? "6" : "1";
    printf "{\"id\": \"E%06d\", \"fields\": {\"period\": \"%02d%02d\", \"birth_date\": \"1503198%d\", ", i, month, year, i % 10;
    printf "\"state_code\": \"%d\", \"tax_class\": \"%s\", \"tax_days\": \"30\", \"sv_days\": \"30\", ", i % 17 + 1, cls;
    printf "\"taxable_gross\": \"%d,%02d\", \"sv_gross\": \"%d,%02d\", \"gross_total\": \"%d,%02d\", ", pay, i % 100, pay, i % 100, pay, i % 100;
    printf "\"kv_key\": \"%s\", \"rv_key\": \"1\", \"av_key\": \"1\", \"pv_key\": \"1\", \"kv_rate\": \"16,%02d\", ", kv, i % 90 + 10;
    printf "\"church_employee\": \"0%d\", \"levy_key\": \"3\", \"u1_rate\": \"1,60\", \"u2_rate\": \"0,44\"}}\n", i % 3;
  }
}' > "$input"
echo "$(wc -l < "$input") lines"
start=$(date +%s.%N)
"$calc" --json-lines < "$input" > /dev/null
end=$(date +%s.%N)
echo "pekto-calc --json-lines: $(echo "$end - $start" | bc) s"
