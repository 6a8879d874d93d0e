#!/bin/sh
# Times an outside syntax highlighter on the text of BM_EntryPage10MB, to set
# the entry page's speed beside it:
#   bench/highlight_10mb.sh [RUNS]      (default 3; needs python3 and highlight)
# The text is the benchmark's (bench_pages.cpp, ContentOf): its lines
# repeated in blocks of 64 until it holds 10 MB of UTF-8, as the library
# stores it.  Prints the CPU seconds (user + system) of each run.
set -e
runs=${1:-3}
command -v highlight >/dev/null || { echo "highlight is not installed" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$(dirname "$0")/bench_pages.cpp" "$dir/entry.txt" <<'PY'
import ast, re, sys
# The lines are read from the benchmark itself, so that both use one text.
source = open(sys.argv[1], encoding="utf-8").read()
block = re.search(r"kLines\[\] = \{(.*?)\};", source, re.S).group(1)
lines = [ast.literal_eval(literal) for literal in re.findall(r'"(?:[^"\\]|\\.)*"', block)]
parts, size, i = [], 0, 0
while size < 10 << 20:
    for k in range(64):
        line = lines[(i + k) % len(lines)].encode("utf-8")
        parts.append(line)
        size += len(line)
    i += 1
open(sys.argv[2], "wb").write(b"".join(parts))
PY
echo "text: $(wc -c < "$dir/entry.txt") bytes"
for run in $(seq "$runs"); do
  /usr/bin/env time -f "highlight -S vb -O html: %U s user + %S s system, %e s wall" \
    highlight -S vb -O html -i "$dir/entry.txt" -o "$dir/entry.html"
done
echo "html: $(wc -c < "$dir/entry.html") bytes"
