#!/usr/bin/env bash
# Starts a CUPS scheduler with a cups-pdf queue named Vessomar-PDF, for the
# printing tests. Needs root; does nothing when a scheduler already answers.
set -euo pipefail
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
    for _ in $(seq 1 50); do
        lpstat -r 2>/dev/null | grep -q "is running" && break
        sleep 0.2
    done
fi
lpstat -r
if ! lpstat -p Vessomar-PDF >/dev/null 2>&1; then
    ppd=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')
    lpadmin -p Vessomar-PDF -E -v cups-pdf:/ ${ppd:+-m "$ppd"} || echo "no cups-pdf queue"
fi
lpstat -p || true
