#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a CUPS scheduler with two cups-pdf queues, Vessomar-PDF and
# Vessomar-PDF-2, for the printing tests, and a third, Vessomar-PS-Margins: CUPS's
# generic PostScript driver on the cups-pdf backend, whose paper is Letter by
# default and which declares hardware margins, as a real printer does, and
# Vessomar-Letter-Only, the same without A4, and Vessomar-Refuses, which takes no
# jobs. cups-pdf writes each job as a PDF into
# /var/spool/cups-pdf/<user>. Needs root; reuses a scheduler that already answers.
set -euo pipefail
conf=/etc/cups/cups-pdf.conf
if [ -f "$conf" ]; then
    sed -i -e 's|^#\?Out .*|Out /var/spool/cups-pdf/${USER}|' \
           -e 's|^#\?AnonDirName .*|AnonDirName /var/spool/cups-pdf/ANONYMOUS|' "$conf"
fi
mkdir -p /var/spool/cups-pdf
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
    for _ in $(seq 1 100); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
fi
lpstat -r
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for queue in Vessomar-PDF Vessomar-PDF-2; do
    lpstat -p "$queue" >/dev/null 2>&1 || lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
done
lpstat -p Vessomar-PS-Margins >/dev/null 2>&1 ||
    lpadmin -p Vessomar-PS-Margins -E -v cups-pdf:/ -m drv:///sample.drv/generic.ppd \
        -o PageSize=Letter 2>/dev/null
# A queue whose driver offers no A4, as many a Letter printer's: the PostScript
# queue's own PPD without its A4 entries.
if ! lpstat -p Vessomar-Letter-Only >/dev/null 2>&1; then
    letter_ppd=$(mktemp --suffix=.ppd)
    grep -v -E '^\*([A-Za-z_]+\.)?(PageSize|PageRegion|ImageableArea|PaperDimension) A4/' \
        /etc/cups/ppd/Vessomar-PS-Margins.ppd >"$letter_ppd"
    lpadmin -p Vessomar-Letter-Only -E -v cups-pdf:/ -P "$letter_ppd" -o PageSize=Letter \
        2>/dev/null
    rm -f "$letter_ppd"
fi
# A queue that refuses every job, as a printer taken out of service does.
if ! lpstat -p Vessomar-Refuses >/dev/null 2>&1; then
    lpadmin -p Vessomar-Refuses -E -v cups-pdf:/ -P "$ppd"
    cupsreject -r "out of service for the tests" Vessomar-Refuses
fi
lpstat -p Vessomar-PDF
