#!/usr/bin/env python3
"""Moves the X pointer of $DISPLAY to the bottom right corner of the screen.

The pointer of a new X server sits in the middle of the screen, where a
window opens centred; a window or canvas appearing under it gets mouse
moves that nobody made, and a program that prints its mouse events would
print them. Uses libX11 through ctypes, so that no other package is needed.
"""
import ctypes
import os
import sys


def main():
    try:
        x = ctypes.CDLL("libX11.so.6")
    except OSError as error:
        print("park-pointer: %s" % error, file=sys.stderr)
        return 1
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultScreen.argtypes = [ctypes.c_void_p]
    x.XRootWindow.restype = ctypes.c_ulong
    x.XRootWindow.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XDisplayWidth.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XDisplayHeight.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XWarpPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_int, ctypes.c_int]
    x.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x.XOpenDisplay(os.environ.get("DISPLAY", "").encode())
    if not display:
        print("park-pointer: cannot open display %s" % os.environ.get("DISPLAY"), file=sys.stderr)
        return 1
    screen = x.XDefaultScreen(display)
    x.XWarpPointer(display, 0, x.XRootWindow(display, screen), 0, 0, 0, 0,
                   x.XDisplayWidth(display, screen) - 1, x.XDisplayHeight(display, screen) - 1)
    x.XSync(display, 0)
    x.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())
