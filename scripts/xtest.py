#!/usr/bin/env python3
"""A user at the X server $DISPLAY, through the XTEST extension (libXtst by
ctypes): moves, clicks, drags and keys, for screenshots of running programs.

  xtest.py click X Y            left click
  xtest.py drag BUTTON X,Y X,Y ...   press BUTTON (1 left, 3 right) at the
                                first point, move through the others, release
  xtest.py key NAME             a key by its X name ("r", "Return")
"""
import ctypes
import os
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtst = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

display = x11.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
if not display:
    sys.exit("xtest: cannot open display %s" % os.environ.get("DISPLAY"))


def sync():
    x11.XFlush(display)
    time.sleep(0.05)


def move(x, y):
    xtst.XTestFakeMotionEvent(display, -1, x, y, 0)
    sync()


def button(number, down):
    xtst.XTestFakeButtonEvent(display, number, 1 if down else 0, 0)
    sync()


def point(text):
    x, y = text.split(",")
    return int(x), int(y)


command, arguments = sys.argv[1], sys.argv[2:]
if command == "click":
    move(int(arguments[0]), int(arguments[1]))
    button(1, True)
    button(1, False)
elif command == "drag":
    number = int(arguments[0])
    points = [point(a) for a in arguments[1:]]
    move(*points[0])
    button(number, True)
    for p in points[1:]:
        move(*p)
    button(number, False)
elif command == "key":
    code = x11.XKeysymToKeycode(display, x11.XStringToKeysym(arguments[0].encode()))
    xtst.XTestFakeKeyEvent(display, code, 1, 0)
    sync()
    xtst.XTestFakeKeyEvent(display, code, 0, 0)
    sync()
else:
    sys.exit(__doc__)
x11.XCloseDisplay(display)
