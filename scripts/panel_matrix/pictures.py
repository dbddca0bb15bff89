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
