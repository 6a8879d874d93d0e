#!/bin/sh
# Times an outside syntax highlighter on the text of BM_EntryPage10MB, to set
# the entry page's speed beside it:
#   bench/highlight_10mb.sh [RUNS]      (default 3; needs python3 and highlight)
# The text is the benchmark's (bench_pages.cpp, ContentOf): eight lines
# repeated in blocks of 64 until it holds 10 MB of UTF-8, as the library
# stores it.  Prints the CPU seconds (user + system) of each run.
set -e
runs=${1:-3}
command -v highlight >/dev/null || { echo "highlight is not installed" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir/entry.txt" <<'PY'
import sys
lines = [
    "【VB声名】\r\n",
    "Declare Function GetTickCount Lib \"kernel32\" () As Long\r\n",
    "Dim hWnd As Long, x As Integer ' 窗口句柄与坐标\r\n",
    "If x = 3.14 * (y + 2) Then MsgBox \"完成\" Else x = x - 1\r\n",
    "【参数】 hWnd：窗口句柄，取得方法见  FindWindow 的说明。\r\n",
    "Rem 这一行是注释 & <标记> 不会被当成 HTML\r\n",
    "result = SendMessage(hWnd, WM_SETTEXT, 0, ByVal \"标题\")\r\n",
    "asm mov eax, 1 ; 汇编行\r\n",
]
parts, size, i = [], 0, 0
while size < 10 << 20:
    for k in range(64):
        line = lines[(i + k) % len(lines)].encode("utf-8")
        parts.append(line)
        size += len(line)
    i += 1
open(sys.argv[1], "wb").write(b"".join(parts))
PY
echo "text: $(wc -c < "$dir/entry.txt") bytes"
for run in $(seq "$runs"); do
  /usr/bin/env time -f "highlight -S vb -O html: %U s user + %S s system, %e s wall" \
    highlight -S vb -O html -i "$dir/entry.txt" -o "$dir/entry.html"
done
echo "html: $(wc -c < "$dir/entry.html") bytes"
