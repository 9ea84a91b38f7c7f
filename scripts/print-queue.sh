#!/usr/bin/env bash
# Makes a real CUPS print queue for the printing tests: the CUPS server with the cups-pdf
# virtual printer, which writes every job as a PDF into the user's ~/PDF folder, and a
# queues beside it: QUEUETwoSidedTwoUp, whose defaults would reshape a poster, and
# QUEUEJammed and QUEUERefusing, stopped and rejecting jobs, and QUEUEMargins, which
# cannot print within a quarter inch of an edge. Prints the first queue's name.
set -euo pipefail
cd "$(dirname "$0")/.."
queue=QuilteraPDF

scripts/install-packages.sh cups cups-client cups-ipp-utils printer-driver-cups-pdf >&2
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
# A second queue whose defaults would reshape a poster, as office printers' often do:
# two-sided, two pages per sheet, turned to landscape. Jobs must override them.
hostile=${queue}TwoSidedTwoUp
if ! lpstat -p "$hostile" >/dev/null 2>&1; then
  "${sudo_cmd[@]}" lpadmin -p "$hostile" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd \
    -o sides-default=two-sided-long-edge -o number-up-default=2 -o orientation-requested-default=4 2>/dev/null
fi
for name in "$queue" "$hostile"; do
  "${sudo_cmd[@]}" cupsenable "$name"
  "${sudo_cmd[@]}" cupsaccept "$name"
done
# Two queues that cannot take a job, each with the reason a person would read.
for name in "${queue}Jammed" "${queue}Refusing"; do
  lpstat -p "$name" >/dev/null 2>&1 || "${sudo_cmd[@]}" lpadmin -p "$name" -E -v cups-pdf:/ \
    -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd 2>/dev/null
done
# A queue that cannot print within a quarter inch of any edge, as most office printers.
if ! lpstat -p "${queue}Margins" >/dev/null 2>&1; then
  ppd=$(mktemp --suffix=.ppd)
  awk '/^\*HWMargins:/ { print "*HWMargins: 18 18 18 18"; next }
       /^\*ImageableArea / && match($0, /"[0-9. ]+"/) {
         split(substr($0, RSTART + 1, RLENGTH - 2), v, " ")
         printf "%s\"18 18 %g %g\"\n", substr($0, 1, RSTART - 1), v[3] - 18, v[4] - 18; next }
       { print }' /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd > "$ppd"
  "${sudo_cmd[@]}" lpadmin -p "${queue}Margins" -E -v cups-pdf:/ -P "$ppd" 2>/dev/null
  rm -f "$ppd"
fi
"${sudo_cmd[@]}" cupsenable "${queue}Margins"
"${sudo_cmd[@]}" cupsaccept "${queue}Margins"
"${sudo_cmd[@]}" cupsdisable -r "paper jam" "${queue}Jammed"
"${sudo_cmd[@]}" cupsreject -r "out of toner" "${queue}Refusing"
echo "$queue"
