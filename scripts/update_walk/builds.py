"""The two builds the walk updates between, with one fresh release key."""
import re
import shutil
import subprocess

from .common import fail, run, step

PROJECT_VERSION = re.compile(r"^project\(horalet VERSION ([0-9][0-9.]*)", re.MULTILINE)


def versions(source, new_version=None):
    """The project's version and the next one (the last number plus one)."""
    found = PROJECT_VERSION.search((source / "CMakeLists.txt").read_text(encoding="utf-8"))
    if not found:
        fail("no project(horalet VERSION ...) in CMakeLists.txt")
    old = found.group(1)
    if new_version:
        return old, new_version
    head, _, last = old.rpartition(".")
    return old, f"{head}.{int(last) + 1}" if head else str(int(last) + 1)


def make_key(source, work):
    """A fresh release key; returns its path and its public half."""
    key = work / "release-key.pem"
    key.unlink(missing_ok=True)
    public = run([str(source / "scripts/release"), "keygen", str(key)])
    return key, public


def build(source, work, logs, folder, public_key, targets, extra):
    step(f"building {folder}/ ({', '.join(targets)})")
    directory = work / folder
    if shutil.which("ccache"):
        extra = [*extra, "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    with open(logs / f"{folder}-configure.log", "w", encoding="utf-8") as log:
        run_logged(["cmake", "-S", str(source), "-B", str(directory), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DHORALET_BUILD_BENCH=OFF", "-DHORALET_WERROR=ON",
                    f"-DHORALET_ED_PUBLIC_KEY={public_key}", *extra], log, f"{folder} configure")
    with open(logs / f"{folder}-build.log", "w", encoding="utf-8") as log:
        run_logged(["cmake", "--build", str(directory), "-j2", "--target", *targets], log, f"{folder} build")
    return directory


def run_logged(command, log, what):
    if subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, check=False).returncode != 0:
        fail(f"{what} failed: {log.name}")


def build_both(source, work, logs, public_key, old_version, new_version):
    """old/ at the project's version (with the fake panel the walk needs)
    and new/ at the next version, which it gets after project() has run,
    through the include hook CMake offers there: the source tree stays as
    it is."""
    hook = work / "new-version.cmake"
    hook.write_text(f'set(PROJECT_VERSION "{new_version}")\nset(horalet_VERSION "{new_version}")\n',
                    encoding="utf-8")
    old = build(source, work, logs, "old", public_key, ["horalet", "horalet_fake_panel"],
                ["-DHORALET_BUILD_TESTS=ON", "-UCMAKE_PROJECT_horalet_INCLUDE"])
    new = build(source, work, logs, "new", public_key, ["horalet"],
                ["-DHORALET_BUILD_TESTS=OFF", f"-DCMAKE_PROJECT_horalet_INCLUDE={hook}"])
    programs = {"old": old / "src/app/horalet", "new": new / "src/app/horalet"}
    for name, version in (("old", old_version), ("new", new_version)):
        carried = run([str(source / "scripts/release"), "version", str(programs[name])])
        if carried != version:
            fail(f"the {name} build carries {carried}, not {version}")
    return programs["old"], programs["new"], old / "tests/shell/horalet_fake_panel"
