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
# lpstat -r exits 0 whether or not the scheduler runs; only its words tell.
scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! scheduler_running; then
  "${sudo_cmd[@]}" cupsd
  for _ in $(seq 50); do scheduler_running && break; sleep 0.2; done
  scheduler_running || { echo "print-queue: the CUPS scheduler did not start" >&2; exit 1; }
fi
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  "${sudo_cmd[@]}" lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
fi
"${sudo_cmd[@]}" cupsenable "$queue"
"${sudo_cmd[@]}" cupsaccept "$queue"
echo "$queue"
