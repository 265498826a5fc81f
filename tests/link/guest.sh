#!/bin/sh
# The guest's init (tst_link): for each case folder under $1, pppd calls Office with the files the program wrote
# there and Debian's stock options beside them, through the modem stand-in to the ISP; what it saw goes to the folder.
# linux.uml keeps only the FXSAVE registers (boot.py), so glibc here must not use AVX-512.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX512F,-AVX512VL,-AVX512BW
T=$(dirname "$0"); echo "guest up"
mount -t proc proc /proc; mount -t sysfs sys /sys; mkdir /dev/pts; mount -t devpts pts /dev/pts
mount -t hostfs -o "$1" scratch /mnt
mount -t tmpfs tmpfs /run; mkdir /run/lock; cp "$T/modem.sh" "$T/../data/link/debian-options" /run   # before /tmp is hidden
for d in /etc/ppp /tmp /root; do mount -t tmpfs tmpfs $d; done
for m in lib/crc-ccitt drivers/net/slip/slhc drivers/net/ppp/ppp_generic drivers/net/ppp/ppp_async
do insmod "/usr/lib/uml/modules/$(uname -r)/kernel/$m.ko"; done
for c in /mnt/*; do
    echo "case $c"
    rm -rf /etc/ppp/* /dev/ttyS0; cp -r "$c/etc/ppp/." /etc/ppp; cp /run/debian-options /etc/ppp/options
    socat PTY,link=/dev/ttyS0,rawer,wait-slave EXEC:"bash /run/modem.sh $c",pty,rawer,setsid,ctty 2> "$c/socat.log" & modem=$!
    while [ ! -e /dev/ttyS0 ]; do sleep 0.1; done
    pppd call Office nodetach > "$c/client.log" 2>&1 & pid=$!
    if [ -e "$c/demand" ]; then sleep 3; { ip -4 addr; cat "$c/modem"; } > "$c/before" 2>/dev/null; ping -c 1 -W 1 10.112.112.112; fi
    for i in $(seq 100); do kill -0 $pid 2>/dev/null && ! ip -4 addr | grep -q 10.0.0.2 || break; sleep 0.2; done
    ip -4 addr > "$c/up"; ping -c 2 -W 5 10.0.0.1 > "$c/ping"; echo "rc $?" >> "$c/ping"
    if [ -e "$c/demand" ]; then sleep 10; fi
    kill $pid 2>/dev/null; wait $pid; echo $? > "$c/exit"
    kill $modem; wait $modem
done
echo o > /proc/sysrq-trigger; sleep 10
