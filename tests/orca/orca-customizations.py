# SPDX-License-Identifier: GPL-3.0-or-later
# Loaded by Orca from the preferences folder the listening test gives it.
# Two things, neither of which changes what Orca decides to say:
#
# - A speech server that only writes into Orca's debug log what it is
#   asked to say ("STIMME sagt: ..." as JSON) and when it is told to fall
#   silent ("STIMME still"), in place of Speech Dispatcher's. Speech stays
#   enabled, so Orca behaves as it does for a listener. The name of a
#   key pressed, when Orca echoes it, is written as "STIMME Taste: ...".
# - Marks: a line "N" written into the FIFO "marke" beside this file puts
#   "MARKE N" into the log once Orca has taken in every event the active
#   application sent before, has handled all of them and has no live
#   region message waiting. What Orca said between two marks is its answer
#   to what happened between them.
import json
import os

from gi.repository import GLib

from orca import debug
from orca import event_manager
from orca import orca_state
from orca import speechdispatcherfactory
from orca import speechserver


def _schreibe(zeile):
    debug.println(debug.LEVEL_SEVERE, zeile, True)


class Protokollstimme(speechserver.SpeechServer):
    _aktiv = None

    @staticmethod
    def getFactoryName():
        return "Protokoll"

    @staticmethod
    def getSpeechServers():
        return [Protokollstimme.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if Protokollstimme._aktiv is None:
            Protokollstimme._aktiv = Protokollstimme()
        return Protokollstimme._aktiv

    @staticmethod
    def shutdownActiveServers():
        Protokollstimme._aktiv = None

    def getInfo(self):
        return ["Protokoll", "protokoll"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            _schreibe("STIMME sagt: " + json.dumps(text, ensure_ascii=False))

    def speakCharacter(self, character, acss=None):
        _schreibe("STIMME sagt: " + json.dumps(character, ensure_ascii=False))

    def speakKeyEvent(self, event, acss=None):
        _schreibe("STIMME Taste: " + json.dumps(event.getKeyName(), ensure_ascii=False))

    def sayAll(self, utteranceIterator, progressCallback):
        for context, _ in utteranceIterator:
            _schreibe("STIMME sagt: " + json.dumps(context.utterance, ensure_ascii=False))
            progressCallback(context, speechserver.SayAllContext.COMPLETED)

    def stop(self):
        _schreibe("STIMME still")

    def shutdown(self):
        Protokollstimme._aktiv = None

    def reset(self, text=None, acss=None):
        pass


speechdispatcherfactory.SpeechServer = Protokollstimme


def _ruhig():
    skript = orca_state.activeScript
    live = getattr(skript, "liveRegionManager", None)
    return event_manager.getManager()._eventQueue.empty() and not (live and len(live.msg_queue))


def _pruefe(nummer):
    if _ruhig():
        _schreibe("MARKE %s" % nummer)
    else:
        GLib.timeout_add(20, lambda: GLib.idle_add(_pruefe, nummer, priority=GLib.PRIORITY_LOW) and False)
    return False


def _markiere(nummer):
    # A call to the active window comes back after every event its
    # application sent before; those events wait in the connection and are
    # taken in before anything of lower priority runs.
    try:
        if orca_state.activeWindow is not None:
            orca_state.activeWindow.queryComponent().getExtents(0)
    except Exception as fehler:
        _schreibe("MARKE: kein Rundweg zum Fenster (%s)" % fehler)
    GLib.idle_add(_pruefe, nummer, priority=GLib.PRIORITY_LOW)


def _lies(quelle, bedingung):
    for zeile in os.read(quelle, 4096).decode().split():
        _markiere(zeile)
    return True


_fifo = os.open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "marke"), os.O_RDWR | os.O_NONBLOCK)
GLib.io_add_watch(_fifo, GLib.IO_IN, _lies)
_schreibe("MARKE bereit")
