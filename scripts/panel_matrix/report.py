"""The summary of a host, and of all of them: what the bus carried between
host and clock, and the yes/no a reader wants, as JSON and Markdown."""
import json
import re

from PIL import Image

ASKED = ("Activate", "ContextMenu", "SecondaryActivate", "Scroll", "ProvideXdgActivationToken", "AboutToShow",
         "AboutToShowGroup", "GetLayout", "Event", "EventGroup", "ButtonPress", "ButtonRelease",
         "RegisterStatusNotifierItem")


def bus_traffic(log, start=0):
    """How often the host called each of the item's methods, and the errors
    that came back, in the log from byte `start` on."""
    calls, errors = {}, {}
    try:
        with open(log, "rb") as traffic:
            traffic.seek(start)
            text = traffic.read().decode(errors="replace")
    except FileNotFoundError:
        return {}
    for member in re.findall(r"^method call .* member=(\w+)$", text, re.MULTILINE):
        if member in ASKED:
            calls[member] = calls.get(member, 0) + 1
    for name in re.findall(r"^error .* error_name=([\w.]+)", text, re.MULTILINE):
        errors[name] = errors.get(name, 0) + 1
    return {"calls": calls, "errors": errors}


def yes_no(value):
    return "yes" if value else "no"


def verdicts(result):
    text = {"panel": "yes", "window": "in the clock's own window", "elsewhere": "outside the panel",
            "no": "no"}.get(result.get("text"), "not measured")
    clicks = []
    for name in ("left", "right"):
        click = result.get(f"{name}_click")
        if click is not None:
            owner = f" ({click['menu']})" if click.get("menu") else ""
            clicks.append(f"{name}: {yes_no(click['opened'])}{owner}")
    return text, "; ".join(clicks) or "nothing to click"


def write_host(folder, result):
    (folder / "summary.json").write_text(json.dumps(result, indent=2, ensure_ascii=False) + "\n")
    text, clicks = verdicts(result)
    lines = [f"# {result['title']}", "", f"- text shown: {text}", f"- click opens the menu: {clicks}"]
    if result.get("failure"):
        lines.append(f"- failed: {result['failure']}")
    if result.get("horalet_exit") is not None:
        lines.append(f"- the clock exited with status {result['horalet_exit']}")
    traffic = result.get("bus", {})
    if traffic.get("calls"):
        lines.append("- calls seen on the bus: " + ", ".join(f"{k}×{v}" for k, v in sorted(traffic["calls"].items())))
    if traffic.get("errors"):
        lines.append("- errors on the bus: " + ", ".join(f"{k}×{v}" for k, v in sorted(traffic["errors"].items())))
    pictures = sorted(path.name for path in folder.glob("*.png"))
    lines += ["", *[f"![{name}]({name})" for name in pictures]]
    (folder / "summary.md").write_text("\n".join(lines) + "\n")


def best_picture(folder, result):
    """The one picture that tells the host's story: the first menu the
    clock's item opened, with the item beside it; else the item; else the panel."""
    for name in ("left", "right"):
        if (result.get(f"{name}_click") or {}).get("opened"):
            return folder / f"menu-{name}.png"
    for name in ("item.png", "panel.png"):
        if (folder / name).exists():
            return folder / name
    return None


def write_docs_picture(folder, result, docs):
    """A small copy (256 colours) of the host's best picture, as DOCS/<host>.png."""
    picture = best_picture(folder, result)
    if picture is None:
        return
    docs.mkdir(parents=True, exist_ok=True)
    with Image.open(picture) as image:
        image.convert("RGB").quantize(256).save(docs / f"{result['name']}.png", optimize=True)


def write_all(folder, results):
    lines = ["| host | text shown | click opens the menu | pictures |", "|---|---|---|---|"]
    for result in results:
        text, clicks = verdicts(result)
        if result.get("failure"):
            clicks += f" — failed: {result['failure']}"
        lines.append(f"| {result['title']} | {text} | {clicks} | {result['name']}/ |")
    (folder / "summary.md").write_text("\n".join(lines) + "\n")
    (folder / "summary.json").write_text(json.dumps(results, indent=2, ensure_ascii=False) + "\n")
    print("\n".join(lines))
