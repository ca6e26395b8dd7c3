#!/usr/bin/python3
"""What a blind pupil hears: runs the screen reader Orca headless against the
real program in Xvfb and checks what it speaks after four actions.

    tools/Orcaprobe/orcaprobe.py build/tests/geometrie

Needs (Debian): xvfb xdotool openbox orca speech-dispatcher-espeak-ng
at-spi2-core dbus. Orca's speech goes to speech-dispatcher with a null audio
driver; what it says is read from its debug file. Exit status 0 when every
action was followed by the expected words.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time


def schreibe(pfad, text):
    os.makedirs(os.path.dirname(pfad), exist_ok=True)
    with open(pfad, "w") as f:
        f.write(text)


def richte_heim_ein(heim):
    """A fresh home: speech without sound, Orca's debug file written per line."""
    schreibe(f"{heim}/.libao", "default_driver=null\n")
    schreibe(f"{heim}/.config/speech-dispatcher/speechd.conf",
             'AudioOutputMethod "libao"\n'
             'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
             'DefaultModule espeak-ng\nDefaultLanguage "de"\n')
    schreibe(f"{heim}/orca/orca-customizations.py",
             "from orca import debug\n"
             "if debug.debugFile:\n    debug.debugFile.reconfigure(line_buffering=True)\n")
    os.makedirs(f"{heim}/run", mode=0o700, exist_ok=True)


class Orca:
    """The spoken lines of Orca's debug file, read as they come."""

    def __init__(self, logdatei):
        self.logdatei = logdatei
        self.gelesen = 0

    def gesprochen(self):
        try:
            with open(self.logdatei, encoding="utf-8", errors="replace") as f:
                zeilen = f.read().splitlines()
        except FileNotFoundError:
            return []
        return [m.group(1) for z in zeilen if (m := re.search(r"SPEECH OUTPUT: '(.*?)'\s*\{", z))]

    def markiere(self):
        self.gelesen = len(self.gesprochen())

    def warte_auf(self, muster, sekunden=8.0):
        """Everything spoken since the mark, once something matches `muster`."""
        ende = time.time() + sekunden
        while time.time() < ende:
            neu = self.gesprochen()[self.gelesen:]
            if any(re.search(muster, z) for z in neu):
                time.sleep(0.6)  # the rest of what this input makes it say
                return True, self.gesprochen()[self.gelesen:]
            time.sleep(0.2)
        return False, self.gesprochen()[self.gelesen:]


def tasten(*folge, pause=0.35):
    for t in folge:
        subprocess.run(["xdotool", "key", t], check=True)
        time.sleep(pause)


def taste_halten(taste, dann, pause=0.35):
    subprocess.run(["xdotool", "keydown", taste], check=True)
    time.sleep(pause)
    tasten(*dann, pause=pause)
    subprocess.run(["xdotool", "keyup", taste], check=True)


class Programm:
    def __init__(self, pfad):
        self.pfad = pfad
        self.prozess = None

    def __enter__(self):
        umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.prozess = subprocess.Popen([self.pfad], env=umgebung, stderr=subprocess.DEVNULL)
        for _ in range(50):
            fenster = subprocess.run(["xdotool", "search", "--name", "^Geometrie$"],
                                     capture_output=True, text=True).stdout.split()
            if fenster:
                subprocess.run(["xdotool", "windowactivate", "--sync", fenster[0]])
                time.sleep(1.0)
                return self
            time.sleep(0.2)
        raise RuntimeError("Das Startfenster erscheint nicht.")

    def __exit__(self, *fehler):
        self.prozess.terminate()
        self.prozess.wait(timeout=10)


def oeffne(menue_rechts, punkt_runter):
    """Opens a lesson from the start window's menu bar by keys alone."""
    tasten("F10", *(["Right"] * menue_rechts), *(["Down"] * punkt_runter), "Return")
    time.sleep(1.5)


def tab_bis(orca, muster, hoechstens=30):
    for _ in range(hoechstens):
        orca.markiere()
        tasten("Tab", pause=0.1)
        gefunden, _ = orca.warte_auf(muster, sekunden=0.8)
        if gefunden:
            return True
    return False


def ziehen_mit_leertaste():
    taste_halten("space", ["Up", "Up", "Up"])


# Each probe: what it tries, the menu place of its lesson (right, down), what
# Orca says at the control to act on, the action, and what must be heard then.
PROBEN = [
    ("Arten von Winkeln: Ziehen mit dem Tastenzeiger", (1, 1), r"^Zeichnung rechts",
     ziehen_mit_leertaste, r"Winkel von \d+°.*Winkel"),
    ("Dreieckskonstruktionen: ein Schritt weiter", (3, 2), r"spin button|Drehfeld",
     lambda: tasten("Right"), r"Schritt \d+ von \d+: \w+ \w+"),
    ("Dynamische Geometrie: der Tastenzeiger bewegt sich", (3, 4), r"^Dreieck ABC",
     lambda: tasten("Left", "Left", "Up"), r"\(−?[\d,]+\|−?[\d,]+\)"),
    ("Einteilung: Neues Dreieck", (3, 1), r"Neues Dreieck",
     lambda: tasten("space"), r"AB = [\d,]+"),
]


def probe(orca, menue, ziel, aktion, erwartet):
    oeffne(*menue)
    tab_bis(orca, ziel)
    orca.markiere()
    aktion()
    return orca.warte_auf(erwartet)


def innen(programm, heim):
    os.environ.update(HOME=heim, XDG_CONFIG_HOME=f"{heim}/.config", XDG_RUNTIME_DIR=f"{heim}/run")
    hilfen = [subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL),
              subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                               stderr=subprocess.DEVNULL)]
    time.sleep(1)
    orca = Orca(f"{heim}/orca.log")
    hilfen.append(subprocess.Popen(["orca", "-u", f"{heim}/orca", "--debug-file", orca.logdatei],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    if not orca.warte_auf(r"Screen reader on|Bildschirmleser", sekunden=20)[0]:
        print("Orca startet nicht.")
        return 2
    fehler = 0
    for titel, *ablauf in PROBEN:
        with Programm(programm):
            gefunden, gesprochen = probe(orca, *ablauf)
        fehler += not gefunden
        print(f"{'ok  ' if gefunden else 'FEHLT'} {titel}")
        for z in gesprochen:
            print(f"      „{z}“")
    for h in reversed(hilfen):
        h.terminate()
    return 1 if fehler else 0


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "--innen":
        return innen(sys.argv[2], sys.argv[3])
    programm = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/tests/geometrie")
    for befehl in ["Xvfb", "xdotool", "openbox", "orca", "dbus-run-session"]:
        if not shutil.which(befehl):
            print(f"{befehl} fehlt: apt-get install xvfb xdotool openbox orca speech-dispatcher-espeak-ng")
            return 2
    heim = tempfile.mkdtemp(prefix="orcaprobe-")
    richte_heim_ein(heim)
    anzeige = ":%d" % (80 + os.getpid() % 100)
    xvfb = subprocess.Popen(["Xvfb", anzeige, "-screen", "0", "1280x1024x24"], stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        umgebung = dict(os.environ, DISPLAY=anzeige)
        return subprocess.run(["dbus-run-session", "--", sys.executable, os.path.abspath(__file__),
                               "--innen", programm, heim], env=umgebung).returncode
    finally:
        xvfb.terminate()
        shutil.rmtree(heim, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
