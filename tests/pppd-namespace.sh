#!/bin/sh
# pppd-namespace.sh dryrun SCRATCH PPPD PEERFILE, in a private mount namespace: pppd reads PEERFILE and prints
# the options it took; /etc/ppp is an empty folder and /dev holds only the nodes pppd opens, as /dev/null.
set -e
case "$1" in
dryrun)
    mkdir -p "$2/etc-ppp"
    : > "$2/null"
    mount --bind /dev/null "$2/null"
    mount -t tmpfs -o mode=0755 dialup-test-dev /dev
    for node in null ppp ttyS0; do
        : > "/dev/$node"
        mount --bind "$2/null" "/dev/$node"
    done
    mount --bind "$2/etc-ppp" /etc/ppp
    home=$(getent passwd "$(id -u)" | cut -d: -f6)   # pppd also reads ~/.ppprc
    if [ -e "$home/.ppprc" ]; then mount --bind "$2/null" "$home/.ppprc"; fi
    exec "$3" file "$4" dryrun ;;
esac
exit 2
