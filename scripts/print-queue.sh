#!/usr/bin/env bash
# Makes a real CUPS print queue for the printing tests: the CUPS server with the cups-pdf
# virtual printer, which writes every job as a PDF into the user's ~/PDF folder. Prints
# the queue's name.
set -euo pipefail
cd "$(dirname "$0")/.."
queue=QuilteraPDF

scripts/install-packages.sh cups cups-client printer-driver-cups-pdf >&2
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
if ! lpstat -r >/dev/null 2>&1; then
  "${sudo_cmd[@]}" cupsd
  for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  "${sudo_cmd[@]}" lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null
fi
"${sudo_cmd[@]}" cupsenable "$queue"
"${sudo_cmd[@]}" cupsaccept "$queue"
echo "$queue"
