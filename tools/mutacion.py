#!/usr/bin/env python3
"""Plants small faults one at a time in the engine and the headless settings code and runs their tests.

A fault (mutant) is caught when the tests fail or time out; it survives when they pass; a mutant that does not
compile is left out of the score. Mutants listed in tools/mutantes_equivalentes.txt (one id per line as the
script prints it, with a reason after '#') change nothing observable and are set aside. An id's line and column
only help the reader: the place is found by the mark after '@', taken from the line's text, so edits elsewhere
in the file do not lose it. Kept out of CI: a run takes minutes.

    tools/mutacion.py [--n 100] [--semilla 1] [--carpetas engine settings/core] [--lista]
"""
import argparse
import hashlib
import os
import random
import re
import resource
import shutil
import subprocess
import sys
import tempfile
import time

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OBRA = os.path.join(RAIZ, "build", "mutacion")
PRUEBAS = {"engine": ["tests_engine"], "settings/core": ["tests_settings", "tests_engine"]}

# (pattern, replacement, kind). Applied at one match at a time.
CAMBIOS = [
    (r"==", "!=", "== por !="),
    (r"!=", "==", "!= por =="),
    (r"(?<![<>=!])<(?![<=])", "<=", "< por <="),
    (r"<=", "<", "<= por <"),
    (r"(?<![<>=!-])>(?![>=])", ">=", "> por >="),
    (r">=", ">", ">= por >"),
    (r"&&", "||", "&& por ||"),
    (r"\|\|", "&&", "|| por &&"),
    (r"\+ 1\b", "- 1", "+ 1 por - 1"),
    (r"- 1\b", "+ 1", "- 1 por + 1"),
    (r"\btrue\b", "false", "true por false"),
    (r"\bfalse\b", "true", "false por true"),
]

# Lines that are statements worth dropping: assignments and calls ending the line, not declarations.
SENTENCIA = re.compile(r"^\s+(?!return\b|case\b|default\b|break\b|continue\b|using\b|const\b|auto\b|static\b)"
                       r"[A-Za-z_][\w\.\[\]\(\)>:-]*\s*(\+\+|--|[-+*/|&]?=|\().*;\s*$")


def fuentes(carpetas):
    for c in carpetas:
        d = os.path.join(RAIZ, c)
        for f in sorted(os.listdir(d)):
            if f.endswith(".cpp"):
                yield c, os.path.join(c, f)


def sitios(carpetas):
    """Every place a fault can be planted, in a stable order."""
    for carpeta, ruta in fuentes(carpetas):
        with open(os.path.join(RAIZ, ruta), encoding="utf-8") as fh:
            lineas = fh.read().split("\n")
        dentro_comentario = False
        vistas = {}
        for n, linea in enumerate(lineas):
            codigo = linea.split("//")[0]
            if "/*" in codigo:
                dentro_comentario = True
            if dentro_comentario:
                if "*/" in codigo:
                    dentro_comentario = False
                continue
            s = codigo.strip()
            if not s or s.startswith("#") or "static_assert" in s or "assert(" in s or "template" in s:
                continue
            if '"' in codigo:
                codigo = re.sub(r'"(\\.|[^"\\])*"', lambda m: " " * len(m.group(0)), codigo)
            texto = " ".join(linea.split())
            vez = vistas[texto] = vistas.get(texto, -1) + 1
            for patron, cambio, tipo in CAMBIOS:
                for k, m in enumerate(re.finditer(patron, codigo)):
                    if tipo.startswith("<") or tipo.startswith(">"):
                        # Leave template brackets and stream operators alone.
                        if re.search(r"\w<[\w:, ]*>|<<|>>|->", codigo):
                            continue
                    yield {"carpeta": carpeta, "ruta": ruta, "linea": n, "col": m.start(), "fin": m.end(),
                           "cambio": cambio, "tipo": tipo, "huella": huella(texto, vez, k)}
            if SENTENCIA.match(codigo) and not codigo.rstrip().endswith("{"):
                yield {"carpeta": carpeta, "ruta": ruta, "linea": n, "col": 0, "fin": len(linea), "cambio": None,
                       "tipo": "sentencia quitada", "huella": huella(texto, vez, 0)}


def huella(texto, vez, k):
    """What a fault's place is, whatever line it has moved to: the line's text, which of its copies in the file,
    which match of the change on it."""
    return hashlib.sha1(f"{texto}\n{vez}\n{k}".encode()).hexdigest()[:8]


def ident(s):
    return f"{s['ruta']}:{s['linea'] + 1}:{s['col'] + 1}:{s['tipo']}@{s['huella']}"


def clave(i):
    """An id without its line and column, which edits elsewhere in the file move."""
    ruta, _, _, resto = i.split(":", 3)
    return f"{ruta}:{resto}"


def aplicar(s):
    ruta = os.path.join(RAIZ, s["ruta"])
    with open(ruta, encoding="utf-8") as fh:
        lineas = fh.read().split("\n")
    linea = lineas[s["linea"]]
    if s["cambio"] is None:
        lineas[s["linea"]] = re.match(r"^\s*", linea).group(0) + ";"
    else:
        lineas[s["linea"]] = linea[: s["col"]] + s["cambio"] + linea[s["fin"]:]
    with open(ruta, "w", encoding="utf-8") as fh:
        fh.write("\n".join(lineas))
    return linea, lineas[s["linea"]]


def configurar():
    # Checked subscripts: a fault that writes past a fixed array aborts instead of passing unseen.
    os.makedirs(OBRA, exist_ok=True)
    subprocess.run(["cmake", "-S", RAIZ, "-B", OBRA, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g0 -D_GLIBCXX_ASSERTIONS", "-DZP_BUILD_BENCH=OFF"],
                   check=True, stdout=subprocess.DEVNULL)


def construir(objetivos):
    r = subprocess.run(["cmake", "--build", OBRA, "-j", str(os.cpu_count() or 2), "--target", *objetivos],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return r.returncode == 0


def sin_ficheros_enormes():
    # A fault that turns a write into an endless loop would fill the disk before the time limit: a file past
    # 256 MiB stops the test program instead (SIGXFSZ), which counts as caught.
    resource.setrlimit(resource.RLIMIT_FSIZE, (256 << 20, 256 << 20))


def probar(objetivos, limite):
    # Each run gets its own temporary folder, removed afterwards: a test killed at the time limit leaves its files.
    with tempfile.TemporaryDirectory(dir=OBRA) as temporal:
        # Open to every user as the system's own is: some tests act as an ordinary user for a while.
        os.chmod(temporal, 0o1777)
        entorno = dict(os.environ, TMPDIR=temporal)
        for o in objetivos:
            exe = os.path.join(OBRA, "tests", "tests_" + o.split("tests_")[1])
            try:
                r = subprocess.run([exe, "--gtest_brief=1"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   timeout=limite, cwd=OBRA, env=entorno, preexec_fn=sin_ficheros_enormes)
            except subprocess.TimeoutExpired:
                return "atrapado (tiempo)"
            if r.returncode != 0:
                return "atrapado"
    return "sobrevive"


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[1])
    p.add_argument("--n", type=int, default=100)
    p.add_argument("--semilla", type=int, default=1)
    p.add_argument("--carpetas", nargs="+", default=["engine", "settings/core"])
    p.add_argument("--lista", action="store_true", help="only list the chosen mutants")
    p.add_argument("--limite", type=int, default=120, help="seconds a test program may run")
    args = p.parse_args()

    todos = list(sitios(args.carpetas))
    azar = random.Random(args.semilla)
    # A third of the faults drop a statement, the rest change an operator or a constant.
    sentencias = [s for s in todos if s["cambio"] is None]
    operadores = [s for s in todos if s["cambio"] is not None]
    n_sent = min(args.n // 3, len(sentencias))
    elegidos = azar.sample(sentencias, n_sent) + azar.sample(operadores, min(args.n - n_sent, len(operadores)))
    elegidos.sort(key=lambda s: (s["ruta"], s["linea"], s["col"]))
    equivalentes = {}
    ruta_eq = os.path.join(RAIZ, "tools", "mutantes_equivalentes.txt")
    if os.path.exists(ruta_eq):
        for l in open(ruta_eq, encoding="utf-8"):
            if l.strip() and not l.startswith("#"):
                i, _, motivo = l.partition("#")
                equivalentes[clave(i.strip())] = motivo.strip()
    if args.lista:
        for s in elegidos:
            print(ident(s))
        return 0

    configurar()
    objetivos = sorted({o for c in args.carpetas for o in PRUEBAS[c]})
    if not construir(objetivos) or probar(objetivos, args.limite) != "sobrevive":
        print("the tests must build and pass before planting faults", file=sys.stderr)
        return 2
    cuenta = {"atrapado": 0, "sobrevive": 0, "no compila": 0, "equivalente": 0}
    inicio = time.time()
    for k, s in enumerate(elegidos, 1):
        i = ident(s)
        if clave(i) in equivalentes:
            cuenta["equivalente"] += 1
            print(f"[{k}/{len(elegidos)}] equivalente  {i}  ({equivalentes[clave(i)]})", flush=True)
            continue
        ruta = os.path.join(RAIZ, s["ruta"])
        copia = ruta + ".original"
        shutil.copy2(ruta, copia)
        try:
            antes, despues = aplicar(s)
            if not construir(PRUEBAS[s["carpeta"]]):
                r = "no compila"
            else:
                r = probar(PRUEBAS[s["carpeta"]], args.limite)
        finally:
            shutil.move(copia, ruta)
            os.utime(ruta)
        cuenta["atrapado" if r.startswith("atrapado") else r] += 1
        print(f"[{k}/{len(elegidos)}] {r:<17} {i}\n      - {antes.strip()}\n      + {despues.strip()}", flush=True)
    construir(objetivos)
    validos = cuenta["atrapado"] + cuenta["sobrevive"]
    nota = 100.0 * cuenta["atrapado"] / validos if validos else 0.0
    print(f"\n{cuenta['atrapado']} caught, {cuenta['sobrevive']} survived, {cuenta['no compila']} did not compile, "
          f"{cuenta['equivalente']} set aside as equivalent; score {nota:.1f}% "
          f"({time.time() - inicio:.0f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
