"""What two or more pictures of the screen say: where something changed,
where something changes every second (the clock's text), and crops of it."""
from PIL import Image, ImageChops

THRESHOLD = 24  # per-channel difference that counts as a change (anti-aliasing and dithering stay below)


def changes(before, after, region=None):
    """A 1-bit mask of the pixels that differ, within region (x, y, w, h) if given."""
    mask = ImageChops.difference(before.convert("RGB"), after.convert("RGB")).convert("L")
    mask = mask.point(lambda value: 255 if value > THRESHOLD else 0)
    if region:
        outside = Image.new("L", mask.size, 0)
        x, y, width, height = region
        outside.paste(255, (x, y, x + width, y + height))
        mask = ImageChops.multiply(mask, outside)
    return mask


def box(mask):
    """(x, y, w, h) around the mask's set pixels, or None."""
    found = mask.getbbox()
    if not found:
        return None
    return found[0], found[1], found[2] - found[0], found[3] - found[1]


def ticking(pictures, region=None):
    """Where the pictures, taken a second or more apart, changed between
    every two in a row: the clock's seconds, not a one-off redraw."""
    common = None
    for before, after in zip(pictures, pictures[1:]):
        mask = changes(before, after, region)
        common = mask if common is None else ImageChops.multiply(common, mask)
    return box(common) if common else None


def inside(inner, outer):
    if not inner or not outer:
        return False
    x, y, width, height = inner
    ox, oy, owidth, oheight = outer
    return x >= ox and y >= oy and x + width <= ox + owidth and y + height <= oy + oheight


def union(*boxes):
    present = [each for each in boxes if each]
    if not present:
        return None
    left = min(b[0] for b in present)
    top = min(b[1] for b in present)
    right = max(b[0] + b[2] for b in present)
    bottom = max(b[1] + b[3] for b in present)
    return left, top, right - left, bottom - top


def centre(area):
    x, y, width, height = area
    return x + width // 2, y + height // 2


def crop(picture, area, margin, path):
    x, y, width, height = area
    left, top = max(0, x - margin), max(0, y - margin)
    right, bottom = min(picture.width, x + width + margin), min(picture.height, y + height + margin)
    picture.crop((left, top, right, bottom)).save(path, optimize=True)


def new_parts(before, after, region):
    """What appeared in the region that the picture before showed nowhere in
    the same rows: the new item, not the neighbours it pushed aside."""
    mask = changes(before, after, region)
    found = []
    for left, right in _column_runs(mask, region):
        part = box(mask.crop((left, region[1], right, region[1] + region[3])))
        if part is None:
            continue
        area = (left, region[1] + part[1], right - left, part[3])
        if not _shown_anywhere_in_row(after, before, area):
            found.append(area)
    return union(*found)


def _column_runs(mask, region, gap=3):
    x, y, width, height = region
    strip = mask.crop((x, y, x + width, y + height))
    used = [strip.crop((column, 0, column + 1, height)).getbbox() is not None for column in range(width)]
    runs, start, last = [], None, None
    for column, set_here in enumerate(used):
        if not set_here:
            continue
        if start is None:
            start = column
        elif column - last > gap:
            runs.append((x + start, x + last + 1))
            start = column
        last = column
    if start is not None:
        runs.append((x + start, x + last + 1))
    return runs


def _shown_anywhere_in_row(after, before, area):
    x, y, width, height = area
    wanted = after.convert("RGB").crop((x, y, x + width, y + height))
    row = before.convert("RGB").crop((0, y, before.width, y + height))
    for offset in range(0, before.width - width + 1):
        if offset == x:
            continue
        difference = ImageChops.difference(wanted, row.crop((offset, 0, offset + width, height)))
        if max(high for _, high in difference.getextrema()) <= THRESHOLD:
            return True
    return False
