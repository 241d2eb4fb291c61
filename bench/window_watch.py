"""Times a program's start on an X display: from its launch to the moment the X
server maps its first top-level window, then closes that window as a user
would and waits until the window and the program are gone.

The display's root window reports every top-level window that is mapped or
destroyed (SubstructureNotify); the launch and the report are timed on the
same monotonic clock, so the time is the program's, not a polling interval's.
Windows the server already showed before the launch are not the program's.
Override-redirect windows count: Wine, told that no window manager runs
(as the tests' display has none), maps its windows so.
"""

import os
import select
import signal
import subprocess
import time

from Xlib import X, display, error
from Xlib.protocol import event


class WindowWatchError(RuntimeError):
    pass


class WindowWatch:
    def __init__(self):
        self._display = display.Display()
        self._root = self._display.screen().root
        self._root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self._display.sync()
        self._wm_protocols = self._display.intern_atom("WM_PROTOCOLS")
        self._wm_delete_window = self._display.intern_atom("WM_DELETE_WINDOW")

    def close(self):
        self._display.close()

    def _shown_windows(self):
        shown = set()
        for child in self._root.query_tree().children:
            try:
                if child.get_attributes().map_state != X.IsUnmapped:
                    shown.add(child.id)
            except error.BadWindow:
                pass  # destroyed while we looked
        return shown

    def _events_until(self, deadline):
        """Yields the display's events as they arrive, until the deadline."""
        while True:
            while self._display.pending_events():
                yield self._display.next_event()
            left = deadline - time.monotonic()
            if left <= 0:
                return
            select.select([self._display.fileno()], [], [], left)
            # Reads what arrived, so that pending_events() sees it.
            self._display.pending_events()

    def start_ms(self, command, env=None, timeout=60):
        """Launches COMMAND, returns the milliseconds to its first mapped
        top-level window, closes the window and waits until it is gone."""
        self._drain()
        shown_before = self._shown_windows()
        started = time.monotonic()
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        try:
            window, mapped = self._first_window(shown_before, started + timeout)
            if window is None:
                raise WindowWatchError(f"no window within {timeout} s: {' '.join(command)}")
            self._close_window(window, process, time.monotonic() + timeout)
        except BaseException:
            _end(process)
            raise
        return (mapped - started) * 1000

    def _drain(self):
        self._display.sync()
        while self._display.pending_events():
            self._display.next_event()

    def _first_window(self, shown_before, deadline):
        for ev in self._events_until(deadline):
            if ev.type == X.MapNotify and ev.window.id not in shown_before:
                return ev.window, time.monotonic()
        return None, None

    def _close_window(self, window, process, deadline):
        """Asks the window to close (WM_DELETE_WINDOW, as a window manager's
        close button does), then waits for it to be destroyed and for the
        program to end."""
        message = event.ClientMessage(
            window=window, client_type=self._wm_protocols,
            data=(32, [self._wm_delete_window, X.CurrentTime, 0, 0, 0]))
        window.send_event(message)
        self._display.flush()
        destroyed = False
        for ev in self._events_until(deadline):
            if ev.type == X.DestroyNotify and ev.window.id == window.id:
                destroyed = True
                break
        if not destroyed:
            raise WindowWatchError("the window did not close")
        try:
            process.wait(timeout=max(deadline - time.monotonic(), 0.1))
        except subprocess.TimeoutExpired:
            raise WindowWatchError("the program did not end after its window closed")


def _end(process):
    """Ends a program that did not end by itself, with everything it started."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()
