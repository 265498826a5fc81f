#!/bin/bash
# The modem stand-in, on a raw pseudo-terminal that socat joins to the caller's /dev/ttyS0: keeps each line it gets
# in $1/modem and answers OK, or CONNECT to a dial; then the line is the ISP's pppd's, in network and mount
# namespaces of its own with $1/isp as its /etc/ppp. One byte a read (bash's read would turn on CR-to-LF), so
# nothing meant for pppd is taken.
while c=$(dd bs=1 count=1 status=none) && [ -n "$c" ]; do
    [ "$c" != $'\r' ] && { line+=$c; continue; }
    printf '%s\n' "$line" >> "$1/modem"
    [[ $line == ATD* ]] && break
    printf '\r\nOK\r\n'; line=
done
printf '\r\nCONNECT\r\n'
exec unshare -mn sh -c 'mount --bind "$0" /etc/ppp && exec pppd nodetach' "$1/isp"
