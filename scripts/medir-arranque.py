#!/usr/bin/env python3
"""Start-up of the game against a bare Qt window, as a player meets it.

From starting the program to its first window painted (the first flush of a
window's backing store, as Qt's own painting log reports it), median of
alternating runs, and the peak memory until then. Started from the build
folder, so the game finds its pictures as in play; its settings go to a
temporary folder.   medir-arranque.py <build folder> [runs]
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time

construccion = os.path.abspath(sys.argv[1])
veces = int(sys.argv[2]) if len(sys.argv) > 2 else 21
juego = os.path.join(construccion, "zarrapio-world")
sola = os.path.join(construccion, "zw_ventana_sola")


def una_vez(programa, entorno):
    """Milliseconds to the first painted window and peak memory in MiB."""
    env = dict(os.environ, **entorno,
               QT_LOGGING_RULES="qt.widgets.painting=true",
               QT_MESSAGE_PATTERN="%{category}|%{message}")
    inicio = time.perf_counter()
    proceso = subprocess.Popen([programa], cwd=construccion, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    ms = None
    for linea in proceso.stderr:
        if linea.startswith(b"qt.widgets.painting|Flushing top level"):
            ms = (time.perf_counter() - inicio) * 1000
            break
    proceso.send_signal(signal.SIGKILL)
    proceso.stderr.close()
    _, _, uso = os.wait4(proceso.pid, 0)
    proceso.returncode = 0
    if ms is None:
        raise SystemExit(f"{programa}: no window was painted")
    return ms, uso.ru_maxrss / 1024


def fila(nombre, entorno):
    tiempos = {juego: [], sola: []}
    memoria = {juego: [], sola: []}
    for _ in range(veces):
        for programa in (juego, sola):
            ms, mib = una_vez(programa, entorno)
            tiempos[programa].append(ms)
            memoria[programa].append(mib)
    a, b = statistics.median(tiempos[juego]), statistics.median(tiempos[sola])
    print(f"{nombre:<38} {a:7.1f} ms  {b:7.1f} ms  {a / b:5.2f}×")
    return memoria


with tempfile.TemporaryDirectory() as casa:
    base = {"XDG_CONFIG_HOME": casa, "XDG_DATA_HOME": casa, "XDG_CACHE_HOME": casa,
            "XDG_RUNTIME_DIR": casa}
    print(f"{'arranque hasta la primera ventana':<38} {'juego':>10}  {'sola':>10}  {'razón':>6}"
          f"   (mediana de {veces} alternadas)")
    memoria = fila("offscreen", dict(base, QT_QPA_PLATFORM="offscreen"))
    if os.environ.get("DISPLAY"):
        fila("servidor X (xcb)", dict(base, QT_QPA_PLATFORM="xcb"))
    else:
        print(f"{'servidor X (xcb)':<38} (sin DISPLAY: medir.sh lo arranca con xvfb-run)")
    fila("offscreen, QT_SCALE_FACTOR=2", dict(base, QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="2"))
    a, b = statistics.median(memoria[juego]), statistics.median(memoria[sola])
    print(f"{'memoria máxima (offscreen)':<38} {a:7.1f} MiB {b:7.1f} MiB {a - b:+5.1f} MiB")
