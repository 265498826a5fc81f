#!/bin/sh
# The guest's init (tst_link): for each case folder under $1, pppd calls Office with the files the program wrote
# there and Debian's stock options beside them, through the modem stand-in to the ISP; what it saw goes to the folder.
# Where the folder holds a dialog, that dials instead, as the user named in it (root; nobody in group dip, or not).
# linux.uml keeps only the FXSAVE registers (boot.py): a fault or signal in the guest clears the upper halves of the
# vector registers, so glibc (its memcpy among them) must not use AVX, nor Qt its AES hash (seeded hashes only).
export PATH=/usr/sbin:/usr/bin:/sbin:/bin QT_HASH_SEED=0 \
       GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX,-AVX2,-AVX_Fast_Unaligned_Load,-AVX512F,-AVX512VL,-AVX512BW
T=$(dirname "$0"); echo "guest up"
mount -t proc proc /proc; mount -t sysfs sys /sys; mkdir /dev/pts; mount -t devpts pts /dev/pts
mount -t hostfs -o "$1" scratch /mnt
mount -t tmpfs tmpfs /run; mkdir /run/lock; cp "$T/modem.sh" "$T/../data/link/debian-options" /run   # before /tmp is hidden
for d in /etc/ppp /tmp /root; do mount -t tmpfs tmpfs $d; done
echo 0 2147483647 > /proc/sys/net/ipv4/ping_group_range   # hostfs keeps no file capabilities: ping as nobody
dialog() {   # from a home and a runtime folder of the user's own
    u=0 groups=--groups=30; [ "$(cat "$1/user")" = other ] && groups=--clear-groups; [ "$(cat "$1/user")" = root ] || u=65534
    rm -rf /run/home /run/user; mkdir -p /run/user/$u; cp -r "$1/home" /run/home; cp "$1/dialog" /run/dialog
    chown -R $u /run/home /run/user/$u; chmod 700 /run/user/$u
    HOME=/run/home XDG_RUNTIME_DIR=/run/user/$u QT_QPA_PLATFORM=offscreen \
        setpriv --reuid=$u --regid=$u $groups /run/dialog /run/user/$u/notes > "$1/client.log" 2>&1
    cp /run/user/$u/notes "$1/dialog.txt"
}
for m in lib/crc-ccitt drivers/net/slip/slhc drivers/net/ppp/ppp_generic drivers/net/ppp/ppp_async
do insmod "/usr/lib/uml/modules/$(uname -r)/kernel/$m.ko"; done
for c in /mnt/*; do
    echo "case $c"
    rm -rf /etc/ppp/* /dev/ttyS0; cp -r "$c/etc/ppp/." /etc/ppp; cp /run/debian-options /etc/ppp/options
    chgrp dip /etc/ppp/peers; chmod 2750 /etc/ppp/peers   # as Debian's ppp leaves it: dip may read the peer files
    socat PTY,link=/dev/ttyS0,rawer,wait-slave EXEC:"bash /run/modem.sh $c",pty,rawer,setsid,ctty 2> "$c/socat.log" & modem=$!
    while [ ! -e /dev/ttyS0 ]; do sleep 0.1; done
    if [ -e "$c/dialog" ]; then dialog "$c"; kill $modem; wait $modem; continue; fi
    pppd call Office nodetach > "$c/client.log" 2>&1 & pid=$!
    if [ -e "$c/demand" ]; then sleep 3; { ip -4 addr; cat "$c/modem"; } > "$c/before" 2>/dev/null; ping -c 1 -W 1 10.112.112.112; fi
    for i in $(seq 100); do kill -0 $pid 2>/dev/null && ! ip -4 addr | grep -q 10.0.0.2 || break; sleep 0.2; done
    ip -4 addr > "$c/up"; ping -c 2 -W 5 10.0.0.1 > "$c/ping"; echo "rc $?" >> "$c/ping"
    if [ -e "$c/demand" ]; then sleep 10; fi
    kill $pid 2>/dev/null; wait $pid; echo $? > "$c/exit"
    kill $modem; wait $modem
done
echo o > /proc/sysrq-trigger; sleep 10
