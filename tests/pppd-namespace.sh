#!/bin/sh
# Runs one step of the pppd consumer test inside the private mount namespace
# it was started in (unshare -m --propagation private), so that nothing here
# is seen outside:
#   dryrun SCRATCH PPPD PEERFILE  pppd reads PEERFILE and prints the options it
#                                 took; /etc/ppp is an empty scratch folder and
#                                 /dev holds only the nodes pppd opens or stats,
#                                 each one standing in as /dev/null.
set -e
case "$1" in
dryrun)
    scratch=$2 pppd=$3 peer=$4
    mkdir -p "$scratch/etc-ppp"
    : > "$scratch/null"
    mount --bind /dev/null "$scratch/null"
    mount -t tmpfs -o mode=0755 dialup-test-dev /dev
    for node in null ppp ttyS0; do
        : > "/dev/$node"
        mount --bind "$scratch/null" "/dev/$node"
    done
    mount --bind "$scratch/etc-ppp" /etc/ppp
    # pppd also reads the calling user's ~/.ppprc.
    home=$(getent passwd "$(id -u)" | cut -d: -f6)
    if [ -n "$home" ] && [ -e "$home/.ppprc" ]; then
        mount --bind "$scratch/null" "$home/.ppprc"
    fi
    exec "$pppd" file "$peer" dryrun
    ;;
esac
echo "usage: $0 dryrun SCRATCH PPPD PEERFILE" >&2
exit 2
