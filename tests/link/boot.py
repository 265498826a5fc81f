#!/usr/bin/env python3
# boot.py SCRATCH INIT: linux.uml with the host's file system as its root (read-only) and INIT, given SCRATCH, as init.
import ctypes, os, struct, sys

# linux.uml 6.1 cannot set an XSAVE area as large as AMX makes it: a seccomp filter makes ptrace's XSAVE register
# sets (note 0x202) fail with EIO, so it keeps to the FXSAVE registers on every host.
rules = [(0x20, 0, 0, 0), (0x15, 0, 5, 101), (0x20, 0, 0, 16), (0x15, 1, 0, 0x4204), (0x15, 0, 2, 0x4205),
         (0x20, 0, 0, 32), (0x15, 1, 0, 0x202), (6, 0, 0, 0x7fff0000), (6, 0, 0, 0x50005)]
code = ctypes.create_string_buffer(b''.join(struct.pack('HBBI', *rule) for rule in rules))
libc = ctypes.CDLL(None)   # prctl: no new privileges (38), then the filter (22, 2)
if libc.prctl(38, 1, 0, 0, 0) or libc.prctl(22, 2, struct.pack('HxxxxxxP', len(rules), ctypes.addressof(code)), 0, 0):
    sys.exit('no seccomp filter')
os.environ.update(HOME=sys.argv[1], TMPDIR='/dev/shm')   # linux.uml's control socket goes under HOME
os.execvp('linux.uml', ['linux.uml', 'mem=192M', 'root=/dev/root', 'rootfstype=hostfs', 'rootflags=/', 'ro', 'quiet',
                        'con=null', 'ssl=null', 'con0=fd:0,fd:1', 'init=' + sys.argv[2], '--', sys.argv[1]])
