#!/usr/bin/env bash
# Times pekto-calc --json-lines over 100,000 varied employee-months that pass
# the input checks (the target is under two seconds).
# Usage: tools/dev/time_json_lines.sh [pekto-calc] [lines]
set -euo pipefail
calc=${1:-build/release/tools/pekto-calc}
lines=${2:-100000}
input=$(mktemp)
output=$(mktemp)
trap 'rm -f "$input" "$output"' EXIT
awk -v n="$lines" 'BEGIN {
  split("1 2 3 4 5 6", classes, " ");
  split("|01|02", churches, "|");
  for (i = 0; i < n; i++) {
    year = 20 + i % 5;
    month = i % 12 + 1;
    printf "{\"id\": \"E%06d\", \"fields\": {\"period\": \"%02d%02d\", \"birth_date\": \"1503198%d\", ", i, month, year, i % 10;
    printf "\"state_code\": \"%d\", \"sv_days\": \"30\", \"levy_key\": \"3\", \"u1_rate\": \"1,60\", \"u2_rate\": \"0,44\", ", i % 17 + 1;
    if (i % 7 == 0) {
      # a mini-job with the 2 % flat tax
      pay = 300 + i % 150;
      printf "\"kv_key\": \"6\", \"rv_key\": \"5\", \"av_key\": \"0\", \"pv_key\": \"0\", \"sv_attribute_key\": \"2\", ";
      printf "\"flat_tax_kind\": \"1\", \"tax_days\": \"30\", ";
    } else {
      pay = 1000 + (i * 37) % 6000;
      printf "\"tax_class\": \"%s\", \"tax_days\": \"30\", \"church_employee\": \"%s\", ", classes[i % 6 + 1], churches[i % 3 + 1];
      printf "\"kv_key\": \"1\", \"rv_key\": \"1\", \"av_key\": \"1\", \"pv_key\": \"1\", \"kv_rate\": \"16,%02d\", ", i % 90 + 10;
    }
    printf "\"taxable_gross\": \"%d,%02d\", \"sv_gross\": \"%d,%02d\", \"gross_total\": \"%d,%02d\"}}\n", pay, i % 100, pay, i % 100, pay, i % 100;
  }
}' > "$input"
echo "$(wc -l < "$input") lines"
start=$(date +%s.%N)
status=0
"$calc" --json-lines < "$input" > "$output" || status=$?
end=$(date +%s.%N)
echo "pekto-calc --json-lines: $(echo "$end - $start" | bc) s (exit code $status, $(grep -c '"error"' "$output" || true) lines refused)"
