#!/usr/bin/env python3
"""Generates the installed themes, data/templates/<id>/{template.xml,info.xml}, from motion descriptions.

Every object of a scene is described by a function from scene time (in slots: object i's slide is in
focus from i to i + 1) to a pose: centre (x, y as frame fractions), depth z, height h (frame
heights), in-plane rotation rot, turns yaw (about the vertical axis) and pitch (about the horizontal
axis) in degrees, and opacity op. Poses come from keyframe paths with easing or from formulas
(a carousel ring, a roller drum, a parallax camera). The generator samples every scene frame from 0
to the scene length, projects the pose's rectangle in perspective and writes one keyframe per frame.

    themegen.py                 write the files
    themegen.py --check         exit 1 when the committed files differ from what would be written
    themegen.py --thumbs        also draw a placeholder thumb.jpg per theme, next to the templates and
                                in the application's resources (needs the ffmpeg CLI)
"""
import argparse
import math
import os
import shutil
import subprocess
import sys
import tempfile

SLOT = 60                 # scene frames per object; the renderer stretches them over the slide's duration
FRAME_ASPECT = 16.0 / 9.0
PHOTO_ASPECT = 1.5
TEXT_ASPECT = FRAME_ASPECT  # text pictures are rendered at the output frame's size
CAMERA = 2.4              # distance from the eye to the frame plane, in frame heights
PREVIEW_BASE = "https://pictovia.app/themes"
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TEMPLATES = os.path.join(ROOT, "data", "templates")
ASSET_THUMBS = os.path.join(ROOT, "src", "assets", "images", "templates")

PHOTO, TEXT = 1, 2
REST = dict(x=0.5, y=0.5, z=0.0, h=0.7, rot=0.0, yaw=0.0, pitch=0.0, op=1.0)


# ---- easing and paths -----------------------------------------------------------------------

def clamp(v, lo=0.0, hi=1.0):
    return max(lo, min(hi, v))


EASE = {
    "linear": lambda u: u,
    "smooth": lambda u: u * u * (3 - 2 * u),
    "out": lambda u: 1 - (1 - u) * (1 - u),
    "in": lambda u: u * u,
}


def path(*keys):
    """Keys (t, changes[, easing]): at slot time t the pose takes the changes; the easing shapes the
    segment arriving at that key. Before the first and after the last key the pose holds."""
    stops = []
    pose = dict(REST)
    for key in keys:
        pose = dict(pose, **key[1])
        stops.append((key[0], pose, EASE[key[2] if len(key) > 2 else "smooth"]))

    def at(s):
        if s <= stops[0][0]:
            return stops[0][1]
        for (t0, p0, _), (t1, p1, ease) in zip(stops, stops[1:]):
            if s <= t1:
                u = ease((s - t0) / (t1 - t0)) if t1 > t0 else 1.0
                return {k: p0[k] + (p1[k] - p0[k]) * u for k in p0}
        return stops[-1][1]
    return at


def knots(points):
    """Piecewise-linear function through (t, value) points, held beyond the ends."""
    def at(s):
        if s <= points[0][0]:
            return points[0][1]
        for (t0, v0), (t1, v1) in zip(points, points[1:]):
            if s <= t1:
                return v0 + (v1 - v0) * (s - t0) / (t1 - t0)
        return points[-1][1]
    return at


def drive(n, spacing, edge):
    """A shared motion value that reaches i * spacing at the middle of slot i, starts at -edge and
    ends edge past the last object: objects rest in view mid-slot and are out of view at both ends."""
    pts = [(0.0, -edge)] + [(i + 0.5, i * spacing) for i in range(n)] + [(float(n), (n - 1) * spacing + edge)]
    return knots(pts)


def window(s, start, end, ramp, lo, hi):
    """Opacity 1 inside [start, end], ramping over `ramp` slots on each side; the ramps are cut short
    so that the opacity is 0 at lo and hi."""
    a, b = max(lo, start - ramp), min(hi, end + ramp)
    up = clamp((s - a) / (start - a))
    down = clamp((b - s) / (b - end))
    return EASE["smooth"](min(up, down))


def visible_angle(angle, full, gone):
    """1 while |angle| <= full, 0 from |angle| >= gone, eased between."""
    return EASE["smooth"](clamp((gone - abs(angle)) / (gone - full)))


# ---- geometry -------------------------------------------------------------------------------

def quad(pose, aspect):
    """Corners in file order (top-left, top-right, bottom-left, bottom-right) as frame fractions."""
    hh = pose["h"] / 2.0
    hw = hh * aspect
    roll, pitch, yaw = (math.radians(pose[k]) for k in ("rot", "pitch", "yaw"))
    cx, cy, cz = (pose["x"] - 0.5) * FRAME_ASPECT, pose["y"] - 0.5, pose["z"]
    out = []
    for lx, ly in ((-hw, -hh), (hw, -hh), (-hw, hh), (hw, hh)):
        x = lx * math.cos(roll) - ly * math.sin(roll)
        y = lx * math.sin(roll) + ly * math.cos(roll)
        y, z = y * math.cos(pitch), y * math.sin(pitch)
        x, z = x * math.cos(yaw) + z * math.sin(yaw), -x * math.sin(yaw) + z * math.cos(yaw)
        scale = CAMERA / (CAMERA + cz + z)
        out.append(((cx + x) * scale / FRAME_ASPECT + 0.5, (cy + y) * scale + 0.5))
    return out


def ring(angle, radius, lift=0.0):
    """Pose offsets of a face on a ring about the vertical axis, turned `angle` degrees from the front."""
    a = math.radians(angle)
    depth = radius * (1 - math.cos(a))
    return dict(x=0.5 + radius * math.sin(a) / FRAME_ASPECT, z=depth, y=0.5 - lift * depth, yaw=-angle)


def drum(angle, radius):
    """Pose offsets of a face on a drum about the horizontal axis; positive angles lie below."""
    a = math.radians(angle)
    return dict(y=0.5 + radius * math.sin(a), z=radius * (1 - math.cos(a)), pitch=angle)


# ---- model ----------------------------------------------------------------------------------

class Obj:
    def __init__(self, motion, aspect=PHOTO_ASPECT, max_size=None):
        self.motion, self.aspect, self.max_size = motion, aspect, max_size


class Scene:
    def __init__(self, kind, objects):
        self.kind, self.objects = kind, objects
        self.frames = SLOT * len(objects)


class Theme:
    def __init__(self, tid, name, anchor, attrs, photo, text):
        self.tid, self.name, self.anchor, self.attrs = tid, name, anchor, attrs
        self.photo, self.text = photo, text


def pose_at(obj, frame):
    return obj.motion(frame / SLOT)


def max_size(obj, frames):
    """The largest box drawn while the object is in view, so photos are not prepared bigger."""
    if obj.max_size:
        return obj.max_size
    w = h = 0.0
    for f in range(frames + 1):
        pose = pose_at(obj, f)
        pts = quad(pose, obj.aspect)
        cx = sum(p[0] for p in pts) / 4
        cy = sum(p[1] for p in pts) / 4
        if pose["op"] < 0.3 or not (0 <= cx <= 1 and 0 <= cy <= 1):
            continue
        w = max(w, max(p[0] for p in pts) - min(p[0] for p in pts))
        h = max(h, max(p[1] for p in pts) - min(p[1] for p in pts))
    return (clamp(math.ceil(w * 100) / 100, 0.25, 1.0), clamp(math.ceil(h * 100) / 100, 0.25, 1.0))


# ---- the eight themes -----------------------------------------------------------------------

def photo_scenes(make):
    """One, two, one (mirrored) and three objects: every group size finds a scene."""
    return [Scene(PHOTO, make(1, 0)), Scene(PHOTO, make(2, 0)), Scene(PHOTO, make(1, 1)), Scene(PHOTO, make(3, 0))]


def smooth_photos(n, variant):
    dirs = {1: [(1, 0)] if variant == 0 else [(-1, 0)], 2: [(1, 0.5), (-1, 0.5)], 3: [(1, 0), (0, 1), (-1, 0)]}[n]
    objs = []
    for i, (dx, dy) in enumerate(dirs):
        come, go = max(0.0, i - 0.12), min(float(n), i + 1.12)  # neighbours cross at the slot change
        objs.append(Obj(path(
            (come, dict(x=0.5 - 0.18 * dx, y=0.5 - 0.14 * dy, h=0.62, op=0.0)),
            (i + 0.3, dict(x=0.5, y=0.5, h=0.66, op=1.0), "out"),
            (i + 0.7, dict(h=0.70), "linear"),
            (go, dict(x=0.5 + 0.18 * dx, y=0.5 + 0.14 * dy, h=0.72, op=0.0), "in"))))
    return objs


def text_glide():
    return [Obj(path(
        (0.0, dict(x=0.47, h=0.86, op=0.0)),
        (0.3, dict(x=0.5, h=0.87, op=1.0), "out"),
        (0.7, dict(h=0.89), "linear"),
        (1.0, dict(x=0.53, h=0.90, op=0.0), "in")), TEXT_ASPECT, (1.0, 1.0))]


def carousel_photos(n, variant):
    spacing, radius, side = 48.0, 1.3, (1 if variant == 0 else -1)
    turn = drive(n, spacing, 90.0)

    def face(i):
        def at(s):
            angle = side * (turn(s) - i * spacing)
            return dict(REST, h=0.6, op=visible_angle(angle, 62, 90), **ring(angle, radius, 0.12))
        return at
    return [Obj(face(i)) for i in range(n)]


def carousel_text():
    turn = drive(1, 0, 40.0)

    def at(s):
        angle = turn(s)
        return dict(REST, h=0.86, op=visible_angle(angle, 18, 40), **ring(angle, 1.2))
    return [Obj(at, TEXT_ASPECT, (1.0, 1.0))]


FLY_ENTRIES = [dict(x=-0.7, y=-0.5, rot=-40, g=1.35), dict(x=1.75, y=0.3, rot=35, g=1.35),
               dict(x=0.55, y=1.95, rot=-30, g=1.35)]
FLY_EXITS = [dict(x=1.35, y=-0.4, rot=50, g=0.45), dict(x=-0.4, y=1.4, rot=-45, g=0.45),
             dict(x=1.3, y=1.35, rot=40, g=0.45)]
FLY_PILES = {1: [(0.5, 0.5, -3, 0.68)],
             2: [(0.36, 0.47, -7, 0.58), (0.63, 0.53, 6, 0.58)],
             3: [(0.3, 0.44, -8, 0.52), (0.69, 0.42, 7, 0.52), (0.5, 0.6, -2, 0.54)]}


def flying_photos(n, variant):
    objs = []
    for i, (x, y, rot, h) in enumerate(FLY_PILES[n]):
        come = FLY_ENTRIES[(i + variant) % 3]
        go = FLY_EXITS[(i + 2 * variant) % 3]
        leave = n - 0.26 + 0.03 * (n - 1 - i)  # the top of the pile leaves first, the last as the scene ends
        objs.append(Obj(path(
            (i + 0.0, dict(x=come["x"], y=come["y"], rot=come["rot"], h=h * come["g"], op=0.0)),
            (i + 0.04, dict(op=1.0), "linear"),
            (i + 0.38, dict(x=x, y=y, rot=rot, h=h), "out"),
            (leave, dict()),
            (leave + 0.2, dict(x=go["x"], y=go["y"], rot=go["rot"], h=h * go["g"]), "in"))))
    return objs


def flying_text():
    return [Obj(path(
        (0.0, dict(y=0.36, rot=-4, h=0.86, op=0.0)),
        (0.3, dict(y=0.5, rot=0, op=1.0), "out"),
        (0.7, dict()),
        (1.0, dict(y=0.62, rot=3, op=0.0), "in")), TEXT_ASPECT, (1.0, 1.0))]


FLOW_LANES = {1: [(0.6, 0.5)], 2: [(0.56, 0.45), (0.42, 0.6)], 3: [(0.5, 0.48), (0.38, 0.34), (0.46, 0.64)]}


def flow_photos(n, variant):
    step, side = 0.5, (-1 if variant == 0 else 1)
    phase = drive(n, 1.0, 1.6)
    objs = []
    for i, (h, lane) in enumerate(FLOW_LANES[n]):
        def at(s, i=i, h=h, lane=lane):
            p = phase(s) - i
            # a slow wave along the drift, each photo tilted with the current
            wave = math.sin(math.pi * (p + 0.5 * i))
            tilt = 4.0 * math.cos(math.pi * (p + 0.5 * i))
            return dict(REST, x=0.5 + side * step * p, y=lane + 0.05 * wave, rot=-side * tilt, h=h)
        objs.append(Obj(at))
    return objs


def flow_text():
    return [Obj(path(
        (0.0, dict(x=0.56, h=0.86, op=0.0)),
        (0.3, dict(x=0.52, op=1.0)),
        (0.7, dict(x=0.48), "linear"),
        (1.0, dict(x=0.44, op=0.0))), TEXT_ASPECT, (1.0, 1.0))]


def fade_photos(n, variant):
    objs = []
    for i in range(n):
        small, large = 0.74, 0.79
        first, last = (small, large) if (i + variant) % 2 == 0 else (large, small)
        def at(s, i=i, first=first, last=last):
            u = clamp((s - i + 0.1) / 1.2)
            return dict(REST, h=first + (last - first) * u, op=window(s, i + 0.3, i + 0.7, 0.4, 0, n))
        objs.append(Obj(at))
    return objs


def fade_text():
    return [Obj(lambda s: dict(REST, h=0.84 + 0.04 * clamp(s), op=window(s, 0.3, 0.7, 0.3, 0, 1)),
                TEXT_ASPECT, (1.0, 1.0))]


def roller_photos(n, variant):
    spacing, radius = 50.0, 0.85
    roll = drive(n, spacing, 90.0)
    side = -1 if variant == 0 else 1  # upwards, or downwards for the mirrored scene

    def face(i):
        def at(s):
            angle = side * (roll(s) - i * spacing)
            return dict(REST, h=0.6, op=visible_angle(angle, 65, 90), **drum(angle, radius))
        return at
    return [Obj(face(i)) for i in range(n)]


def roller_text():
    roll = drive(1, 0, 45.0)

    def at(s):
        angle = -roll(s)
        return dict(REST, h=0.84, op=visible_angle(angle, 20, 45), **drum(angle, 0.8))
    return [Obj(at, TEXT_ASPECT, (1.0, 1.0))]


# (height, centre) at the start and the end of a slide. The 3:2 box stays large enough that 3:2 and
# 16:9 photos fitted into it cover the whole frame all the way.
KEN_BURNS = [((1.28, 0.5, 0.5), (1.45, 0.44, 0.46)),
             ((1.45, 0.56, 0.55), (1.28, 0.5, 0.5)),
             ((1.38, 0.58, 0.5), (1.38, 0.42, 0.5)),
             ((1.32, 0.5, 0.555), (1.4, 0.5, 0.445))]


def panzoom_photos(n, variant):
    objs = []
    ramp, edge = 0.08, 0.03  # the renderer's own cross-fade covers the scene edges
    for i in range(n):
        (h0, x0, y0), (h1, x1, y1) = KEN_BURNS[(i + 2 * variant + n) % len(KEN_BURNS)]
        def at(s, i=i, h0=h0, x0=x0, y0=y0, h1=h1, x1=x1, y1=y1):
            u = clamp((s - i + ramp) / (1 + 2 * ramp))
            up = clamp(s / edge) if i == 0 else clamp((s - i + ramp) / (2 * ramp))
            down = clamp((n - s) / edge) if i == n - 1 else clamp((i + 1 + ramp - s) / (2 * ramp))
            return dict(REST, h=h0 + (h1 - h0) * u, x=x0 + (x1 - x0) * u, y=y0 + (y1 - y0) * u,
                        op=EASE["smooth"](min(up, down)))
        objs.append(Obj(at, PHOTO_ASPECT, (1.0, 1.0)))
    return objs


def panzoom_text():
    return [Obj(lambda s: dict(REST, h=0.86 + 0.08 * clamp(s), op=window(s, 0.25, 0.75, 0.25, 0, 1)),
                TEXT_ASPECT, (1.0, 1.0))]


# (depth factor, height, lane): the nearer a layer, the larger, lower and faster.
PARALLAX_LAYERS = {1: [(0.9, 0.66, 0.5)],
                   2: [(0.6, 0.46, 0.37), (1.25, 0.62, 0.6)],
                   3: [(0.55, 0.38, 0.3), (0.85, 0.5, 0.58), (1.3, 0.6, 0.5)]}


def parallax_photos(n, variant):
    gap = 0.55
    camera = drive(n, gap, 0.95)
    side = 1 if variant == 0 else -1
    objs = []
    for i, (k, h, lane) in enumerate(PARALLAX_LAYERS[n]):
        def at(s, i=i, k=k, h=h, lane=lane):
            offset = (i * gap - camera(s)) * k
            # slow far layers are still in view at the scene edges: they fade there
            fade = EASE["smooth"](clamp(min(s, n - s) / 0.18))
            return dict(REST, x=0.5 + side * offset, y=lane + 0.04 * offset, h=h, op=fade)
        objs.append(Obj(at))
    return objs


def parallax_text():
    return [Obj(path(
        (0.0, dict(x=0.54, h=0.86, op=0.0)),
        (0.3, dict(x=0.515, op=1.0)),
        (0.7, dict(x=0.485), "linear"),
        (1.0, dict(x=0.46, op=0.0))), TEXT_ASPECT, (1.0, 1.0))]


def attrs(fade_in, fade_out, overflow, shadow, border, color="255,255,255",
          text_shadow="0.002,0.003 0.006 0,0,0,200"):
    return [("fade-in", str(fade_in)), ("fade-out", str(fade_out)), ("scene-overflow", str(overflow)),
            ("shadow", shadow), ("text-shadow", text_shadow), ("border-width", border), ("border-color", color)]


def themes():
    table = [
        (1, "Smooth", "anim-smooth", attrs(15, 24, 15, "0.006,0.01 0.035 0,0,0,130", "0.012"),
         smooth_photos, text_glide),
        (2, "Carousel", "anim-carousel", attrs(15, 24, 16, "0,0.015 0.03 0,0,0,150", "0.015"),
         carousel_photos, carousel_text),
        (3, "Flying", "anim-flying", attrs(12, 20, 12, "0.015,0.02 0.03 0,0,0,140", "0.025", "250,248,240"),
         flying_photos, flying_text),
        (4, "Flow", "anim-flow", attrs(15, 24, 14, "0.008,0.008 0.025 0,0,0,120", "0.01"),
         flow_photos, flow_text),
        (5, "Fade in Fade out", "anim-fade", attrs(20, 30, 18, "0,0.008 0.04 0,0,0,110", "0.01"),
         fade_photos, fade_text),
        (6, "Roller", "anim-roller", attrs(15, 24, 14, "0,0.01 0.02 0,0,0,150", "0.015"),
         roller_photos, roller_text),
        (7, "Pan and Zoom", "anim-panzoom", attrs(20, 30, 20, "0,0 0.02 0,0,0,100", "0"),
         panzoom_photos, panzoom_text),
        (8, "Parallax", "anim-parallax", attrs(15, 24, 15, "0.012,0.016 0.035 0,0,0,150", "0.015"),
         parallax_photos, parallax_text),
    ]
    return [Theme(tid, name, anchor, a, photo_scenes(photos), [Scene(TEXT, text())])
            for tid, name, anchor, a, photos, text in table]


# ---- output ---------------------------------------------------------------------------------

def num(v):
    s = "%.4f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def scene_xml(scene):
    lines = ['  <scene type="%d" frames="%d">' % (scene.kind, scene.frames)]
    for obj in scene.objects:
        mw, mh = max_size(obj, scene.frames)
        lines.append('    <object aspect="%s" max-size="%s,%s">' % (num(obj.aspect), num(mw), num(mh)))
        lines.append("      <transform>")
        for f in range(scene.frames + 1):
            pose = pose_at(obj, f)
            corners = ",".join(num(c) for pt in quad(pose, obj.aspect) for c in pt)
            opacity = round(clamp(pose["op"]) * 100, 1)
            op_attr = "" if opacity >= 100 else ' opacity="%s"' % num(opacity)
            lines.append('        <frame id="%d"%s>%s</frame>' % (f, op_attr, corners))
        lines.append("      </transform>")
        lines.append("    </object>")
    lines.append("  </scene>")
    return lines


def template_xml(theme):
    head = " ".join('%s="%s"' % kv for kv in theme.attrs)
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             "<!-- Generated by tools/themegen/themegen.py from its motion descriptions; edit those instead. -->",
             "<template %s>" % head]
    for scene in theme.photo + theme.text:
        lines += scene_xml(scene)
    lines.append("</template>")
    return "\n".join(lines) + "\n"


def info_xml(theme):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<theme>\n  <name>%s</name>\n'
            '  <preview>%s#%s</preview>\n</theme>\n' % (theme.name, PREVIEW_BASE, theme.anchor))


def outputs():
    files = {}
    for theme in themes():
        folder = os.path.join(TEMPLATES, str(theme.tid))
        files[os.path.join(folder, "template.xml")] = template_xml(theme)
        files[os.path.join(folder, "info.xml")] = info_xml(theme)
    return files


def check(files):
    stale = []
    for name, text in sorted(files.items()):
        try:
            with open(name, encoding="utf-8") as f:
                same = f.read() == text
        except OSError:
            same = False
        if not same:
            stale.append(os.path.relpath(name, ROOT))
    for name in stale:
        print("out of date:", name)
    print("%d passed, %d failed" % (len(files) - len(stale), len(stale)))
    return 1 if stale else 0


def write(files):
    for name, text in sorted(files.items()):
        os.makedirs(os.path.dirname(name), exist_ok=True)
        with open(name, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)


# ---- placeholder thumbnails -----------------------------------------------------------------

THUMB_W, THUMB_H = 320, 180
SWATCHES = [((236, 170, 110), (150, 80, 60)), ((120, 190, 230), (40, 90, 140)), ((170, 215, 130), (60, 120, 70))]


def inside(pt, corners):
    tl, tr, bl, br = corners
    poly = [tl, tr, br, bl]
    sign = 0
    for a, b in zip(poly, poly[1:] + poly[:1]):
        cross = (b[0] - a[0]) * (pt[1] - a[1]) - (b[1] - a[1]) * (pt[0] - a[0])
        if cross != 0:
            if sign and (cross > 0) != (sign > 0):
                return False
            sign = cross
    return True


def shrink(corners, amount):
    cx = sum(p[0] for p in corners) / 4
    cy = sum(p[1] for p in corners) / 4
    return [(x + (cx - x) * amount, y + (cy - y) * amount) for x, y in corners]


def thumb_pixels(theme):
    """The theme's busiest photo scene in the middle of its second slide."""
    scene = max(theme.photo, key=lambda sc: len(sc.objects))
    frame = int(SLOT * (min(1, len(scene.objects) - 1) + 0.5))
    shapes = []
    for idx, obj in enumerate(scene.objects):
        pose = pose_at(obj, frame)
        if pose["op"] < 0.05:
            continue
        outer = [(x * THUMB_W, y * THUMB_H) for x, y in quad(pose, obj.aspect)]
        border = float(dict(theme.attrs)["border-width"]) * 2
        shapes.append((outer, shrink(outer, border), SWATCHES[idx % 3], pose["op"]))
    rows = bytearray()
    for y in range(THUMB_H):
        for x in range(THUMB_W):
            v = y / THUMB_H
            color = (int(30 + 20 * v), int(36 + 24 * v), int(52 + 30 * v))
            for outer, inner, (top, bottom), op in shapes:
                ys = [p[1] for p in outer]
                t = clamp((y - min(ys)) / max(1.0, max(ys) - min(ys)))
                if inside((x + 0.5, y + 0.5), inner):
                    c = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
                elif inside((x + 0.5, y + 0.5), outer):
                    c = (250, 250, 250)
                else:
                    continue
                color = tuple(int(o + (n - o) * op) for o, n in zip(color, c))
            rows += bytes(color)
    return bytes(rows)


def make_thumbs():
    font = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
    for theme in themes():
        with tempfile.TemporaryDirectory() as tmp:
            ppm = os.path.join(tmp, "thumb.ppm")
            with open(ppm, "wb") as f:
                f.write(b"P6 %d %d 255\n" % (THUMB_W, THUMB_H) + thumb_pixels(theme))
            label = theme.name.replace(":", r"\:")
            target = os.path.join(TEMPLATES, str(theme.tid), "thumb.jpg")
            subprocess.run(["ffmpeg", "-v", "error", "-y", "-i", ppm, "-vf",
                            "drawtext=fontfile=%s:text='%s':x=(w-tw)/2:y=h-th-10:fontsize=18:"
                            "fontcolor=white:box=1:boxcolor=black@0.45:boxborderw=6" % (font, label),
                            "-q:v", "3", target], check=True)
            asset = os.path.join(ASSET_THUMBS, str(theme.tid), "thumb.jpg")
            os.makedirs(os.path.dirname(asset), exist_ok=True)
            shutil.copyfile(target, asset)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true", help="compare instead of writing")
    parser.add_argument("--thumbs", action="store_true", help="also draw the placeholder thumbnails")
    args = parser.parse_args()
    files = outputs()
    if args.check:
        return check(files)
    write(files)
    if args.thumbs:
        make_thumbs()
    return 0


if __name__ == "__main__":
    sys.exit(main())
