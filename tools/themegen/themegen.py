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
#
# Object i of a scene of n owns slot [i, i + 1]. The renderer's timeline dwells in the middle
# of a slot and hurries through its ends, so a photo rests from i + ARRIVE to i + LEAVE (about
# 60 % of the slide's time) and the hand-over to the next photo takes [i + LEAVE, i + 1 + ARRIVE].
# The first photo of a scene is already in place at the scene's first frame and the last stays
# until its last one: the renderer dissolves one scene into the next there, photo into photo.

ARRIVE, LEAVE = 0.26, 0.74
WIDE = FRAME_ASPECT  # the box of single-photo rests: 16:9 and 3:2 photos fill its height or width


def ramp(s, t0, t1, ease="smooth"):
    """0 before t0, 1 after t1, eased between."""
    return EASE[ease](clamp((s - t0) / (t1 - t0)))


def mix(a, b, u):
    return {k: a[k] + (b[k] - a[k]) * u for k in a}


def hump(s, i):
    """0 at both ends of slot i, 1 at its middle, leaving and returning at no speed: a breath
    during the rest."""
    return math.sin(math.pi * clamp(s - i)) ** 2


def hand_over(i, n, rest, enter, leave, ease_in="out", ease_out="in"):
    """The pose of object i of n at slot time s: arriving from `enter`, resting, leaving to `leave`
    (changes relative to the rest pose); the first object never arrives, the last never leaves."""
    def at(s):
        pose = dict(REST, **rest)
        if i > 0 and s < i + ARRIVE:
            pose = mix(dict(pose, **enter), pose, ramp(s, i - (1 - LEAVE), i + ARRIVE, ease_in))
        if i < n - 1 and s > i + LEAVE:
            pose = mix(pose, dict(pose, **leave), ramp(s, i + LEAVE, i + 1 + ARRIVE, ease_out))
        return pose
    return at


def shown(s, i, n, fade_in=0.1, fade_out=0.1):
    """Opacity of an object that arrives and leaves unseen at the outer ends of its hand-overs."""
    up = 1.0 if i == 0 else ramp(s, i - (1 - LEAVE), i - (1 - LEAVE) + fade_in)
    down = 1.0 if i == n - 1 else 1 - ramp(s, i + 1 + ARRIVE - fade_out, i + 1 + ARRIVE)
    return min(up, down)


def alone_at_edges(s, i, n, span=0.3):
    """Opacity factor that leaves the first object alone at the scene's start and the last alone at
    its end, so the renderer's dissolve between scenes mixes one photo into another."""
    first = 1.0 if i == 0 else ramp(s, 0.02, span)
    last = 1.0 if i == n - 1 else 1 - ramp(s, n - span, n - 0.02)
    return min(first, last)


def photo_scenes(make):
    """Four, two, one, three and one objects: long scenes keep the motion going, and every group
    size finds a scene."""
    return [Scene(PHOTO, make(4, 0)), Scene(PHOTO, make(2, 1)), Scene(PHOTO, make(1, 0)),
            Scene(PHOTO, make(3, 1)), Scene(PHOTO, make(1, 1))]


def text_object(motion):
    """Text pictures are frame-sized with the title in the middle: the box is the frame at rest."""
    return [Obj(motion, TEXT_ASPECT, (1.0, 1.0))]


def text_fades(s):
    return min(ramp(s, 0.0, 0.24), 1 - ramp(s, 0.76, 1.0))


# Smooth: a framed photo breathes in the middle of the frame; the next glides in from the right
# over it, dissolving, while the previous one glides away to the left.
def smooth_photos(n, variant):
    objs = []
    for i in range(n):
        move = hand_over(i, n, dict(h=0.87), dict(x=0.545), dict(x=0.455), "smooth", "smooth")

        def at(s, i=i, move=move):
            pose = move(s)
            pose["h"] += 0.035 * hump(s, i)
            # fully in before the one below it goes, so nothing behind ever shows through both
            up = 1.0 if i == 0 else ramp(s, i - (1 - LEAVE), i + 0.1)
            down = 1.0 if i == n - 1 else 1 - ramp(s, i + 1.1, i + 1.2, "linear")
            return dict(pose, op=min(up, down))
        objs.append(Obj(at, WIDE))
    return objs


def smooth_text():
    def at(s):
        rise = 0.035 * (1 - ramp(s, 0.0, 0.3, "out")) - 0.035 * ramp(s, 0.7, 1.0, "in")
        return dict(REST, h=1.0, y=0.5 + rise, op=text_fades(s))
    return text_object(at)


# Carousel: photos stand on a ring turning right to left; the front one rests facing the viewer
# with its neighbours turned away beside it, a little dimmer.
CAROUSEL_STEP, CAROUSEL_RADIUS = 40.0, 1.9


def ring_turn(n, step):
    """The ring angle: object i faces the front while it rests, turns happen in the hand-overs."""
    def at(s):
        angle = 0.0
        for i in range(1, n):
            angle += step * ramp(s, i - (1 - LEAVE), i + ARRIVE)
        return angle
    return at


def dolly(s):
    """The camera leans in a little while a photo rests and back out for the hand-over."""
    return -0.05 * math.sin(math.pi * (s % 1.0)) ** 2


def carousel_photos(n, variant):
    turn = ring_turn(n, CAROUSEL_STEP)

    def face(i):
        def at(s):
            angle = i * CAROUSEL_STEP - turn(s)  # the next photo waits on the right
            pose = dict(REST, h=0.86, **ring(angle, CAROUSEL_RADIUS))
            pose["z"] += dolly(s)
            dim = 1 - 0.12 * ramp(abs(angle), 8, 36)
            return dict(pose, op=dim * visible_angle(angle, 44, 72) * alone_at_edges(s, i, n))
        return at
    return [Obj(face(i), 1.6) for i in range(n)]


def carousel_text():
    def at(s):
        angle = 28 * (1 - ramp(s, 0.0, 0.3, "out")) - 28 * ramp(s, 0.7, 1.0, "in")
        return dict(REST, h=1.0, op=text_fades(s), **ring(angle, 1.0))
    return text_object(at)


# Flying: each photo swoops in from beside the viewer, turning as it lands slightly askew; the one
# it lands on is tossed away into the distance.
FLY_IN = [dict(x=-0.45, y=0.95, z=-0.9, rot=-32), dict(x=1.5, y=0.9, z=-0.9, rot=30),
          dict(x=0.5, y=1.7, z=-0.9, rot=-24), dict(x=1.45, y=0.15, z=-0.9, rot=28)]
FLY_OUT = [dict(x=1.25, y=-0.35, z=3.0, rot=24), dict(x=-0.3, y=-0.3, z=3.0, rot=-26),
           dict(x=0.5, y=-0.6, z=3.0, rot=18), dict(x=-0.25, y=0.2, z=3.0, rot=-22)]
FLY_TILT = [-2.5, 2.0, -1.5, 2.5]


def flying_photos(n, variant):
    objs = []
    for i in range(n):
        k = i + 2 * variant
        rest = dict(h=0.87, rot=FLY_TILT[k % 4], x=0.5 + 0.008 * (-1) ** k)
        move = hand_over(i, n, rest, FLY_IN[k % 4], FLY_OUT[k % 4], "out", "in")

        def at(s, i=i, move=move):
            pose = move(s)
            pose["rot"] *= 1 - 0.4 * hump(s, i)  # settles while it rests
            pose["z"] -= 0.04 * hump(s, i)
            return dict(pose, op=shown(s, i, n, 0.06, 0.16))
        objs.append(Obj(at, 1.6))
    return objs


def flying_text():
    def at(s):
        drop = 1 - ramp(s, 0.0, 0.3, "out")
        away = ramp(s, 0.7, 1.0, "in")
        return dict(REST, h=1.0, y=0.5 - 0.05 * drop, rot=-4 * drop + 3 * away, z=-0.25 * drop + 0.5 * away,
                    op=text_fades(s))
    return text_object(at)


# Flow: a conveyor of photos of different sizes at different heights, always right to left; it
# slows while a photo passes the middle and pauses at the scene's ends.
FLOW_SIZES = [(0.8, 0.5), (0.6, 0.42), (0.7, 0.56), (0.56, 0.46), (0.74, 0.52), (0.64, 0.44)]
FLOW_GAP = 0.035  # between photos, in frame widths


def soft_clamp(v, lo, hi, knee):
    """v held between lo and hi, easing into the limits over `knee` on either side of them."""
    if hi - lo < 2 * knee:
        return clamp(v, lo, hi)
    if v < lo + knee:
        return lo + (max(v, lo - knee) - lo + knee) ** 2 / (4 * knee)
    if v > hi - knee:
        return hi - (hi + knee - min(v, hi + knee)) ** 2 / (4 * knee)
    return v


def flow_photos(n, variant):
    sizes = [FLOW_SIZES[(i + 3 * variant) % len(FLOW_SIZES)] for i in range(n)]
    widths = [h * PHOTO_ASPECT / FRAME_ASPECT for h, _ in sizes]
    centres = [0.0]
    for a, b in zip(widths, widths[1:]):
        centres.append(centres[-1] + (a + b) / 2 + FLOW_GAP)

    def focus(s):
        """Where the stream stands, in frame widths: at centre i while photo i is in the middle."""
        q = soft_clamp(s - 0.5, 0.0, n - 1.0, 0.3)
        lo = min(int(q), n - 1)
        hi = min(lo + 1, n - 1)
        return centres[lo] + (centres[hi] - centres[lo]) * (q - lo)

    objs = []
    for i, (h, lane) in enumerate(sizes):
        def at(s, i=i, h=h, lane=lane):
            x = 0.5 + centres[i] - focus(s)
            return dict(REST, x=x, y=lane + 0.012 * math.sin(2 * math.pi * (x - 0.5)), h=h,
                        op=alone_at_edges(s, i, n))
        objs.append(Obj(at))
    return objs


def flow_text():
    def at(s):
        return dict(REST, h=1.0, x=0.535 - 0.07 * s, op=text_fades(s))
    return text_object(at)


# Fade in Fade out: one photo at a time, unframed, slowly growing; it fades almost to black
# before the next fades up.
def fade_photos(n, variant):
    objs = []
    for i in range(n):
        def at(s, i=i):
            grow = clamp((s - i + 0.2) / 1.4)
            up = ramp(s, 0.0, 0.22) if i == 0 else ramp(s, i - 0.08, i + 0.25)
            down = 1 - ramp(s, n - 0.22, n) if i == n - 1 else 1 - ramp(s, i + 0.75, i + 1.05)
            return dict(REST, h=0.82 + 0.08 * grow, op=min(up, down))
        objs.append(Obj(at, WIDE))
    return objs


def fade_text():
    def at(s):
        return dict(REST, h=0.96 + 0.08 * clamp(s), op=min(ramp(s, 0.0, 0.3), 1 - ramp(s, 0.7, 1.0)))
    return text_object(at)


# Roller: photos on a drum rolling upwards; the front one rests facing the viewer with its
# neighbours tipped away above and below it.
ROLLER_STEP, ROLLER_RADIUS = 40.0, 1.25


def roller_photos(n, variant):
    roll = ring_turn(n, ROLLER_STEP)

    def face(i):
        def at(s):
            angle = i * ROLLER_STEP - roll(s)  # the next photo waits below
            pose = dict(REST, h=0.86, **drum(angle, ROLLER_RADIUS))
            pose["z"] += dolly(s)
            dim = 1 - 0.12 * ramp(abs(angle), 8, 36)
            return dict(pose, op=dim * visible_angle(angle, 46, 75) * alone_at_edges(s, i, n))
        return at
    return [Obj(face(i), 1.7) for i in range(n)]


def roller_text():
    def at(s):
        angle = 30 * (1 - ramp(s, 0.0, 0.3, "out")) - 30 * ramp(s, 0.7, 1.0, "in")
        return dict(REST, h=1.0, op=text_fades(s), **drum(angle, 0.9))
    return text_object(at)


# Pan and Zoom: every photo fills the frame and the camera glides over it, closer or further,
# never showing an edge; photos dissolve into one another.
KEN_BURNS = [((1.02, 0.5, 0.5), (1.17, 0.45, 0.47)),
             ((1.16, 0.56, 0.53), (1.03, 0.5, 0.5)),
             ((1.1, 0.46, 0.5), (1.12, 0.54, 0.5)),
             ((1.03, 0.5, 0.51), (1.16, 0.52, 0.45))]


def covering(h, x, y):
    """The centre moved back as far as needed for a box of height h to cover the frame."""
    room = (h - 1.0) / 2
    return dict(h=h, x=0.5 + max(-room, min(room, x - 0.5)), y=0.5 + max(-room, min(room, y - 0.5)))


def panzoom_photos(n, variant):
    objs = []
    for i in range(n):
        start, end = KEN_BURNS[(i + 2 * variant) % len(KEN_BURNS)]

        def at(s, i=i, start=start, end=end):
            u = clamp((s - i + (1 - LEAVE)) / (1 + 2 * (1 - LEAVE)))
            h, x, y = (a + (b - a) * u for a, b in zip(start, end))
            up = 1.0 if i == 0 else ramp(s, i - (1 - LEAVE), i + 0.1)
            # hidden at once when the next covers it completely
            down = 1.0 if i == n - 1 else (0.0 if s > i + 1.12 else 1.0)
            return dict(REST, op=min(up, down), **covering(h, x, y))
        objs.append(Obj(at, FRAME_ASPECT, (1.0, 1.0)))
    return objs


def panzoom_text():
    def at(s):
        return dict(REST, h=1.0 + 0.06 * clamp(s), op=text_fades(s))
    return text_object(at)


# Parallax: each photo sweeps in close to the viewer from the right and, after its turn, sinks
# back into a far layer where it drifts on slowly, smaller and dimmer, above the next.
PARALLAX_FAR = 1.6  # depth of the far layer: 0.6 times the size and speed


def parallax_photos(n, variant):
    objs = []
    for i in range(n):
        def at(s, i=i):
            p = s - (i + 0.5)
            if i == 0:
                p = max(p, 0.0)
            if i == n - 1:
                p = min(p, 0.0)
            if p < 0:  # arriving, near and fast, slowing into the middle
                depth = 0.0
                xw = 1.6 * (1 - EASE["out"](clamp(1 + p / 0.76)))
            else:  # receding into the far layer and drifting on
                depth = ramp(p, 0.12, 0.75)
                xw = -0.95 * p
            z = PARALLAX_FAR * depth
            x = 0.5 + xw / FRAME_ASPECT
            y = 0.5 - 0.36 * depth
            gone = 1 - ramp(p, 1.1, 1.5) if i < n - 1 else 1.0
            return dict(REST, h=0.8, x=x, y=y, z=z, op=(1 - 0.15 * depth) * gone)
        objs.append(Obj(at, 1.6))
    return objs


def parallax_text():
    def at(s):
        return dict(REST, h=1.0, x=0.53 - 0.06 * s, z=0.3 * (1 - ramp(s, 0.0, 0.35, "out")), op=text_fades(s))
    return text_object(at)


def attrs(fade_in, fade_out, overflow, shadow, border, color="255,255,255",
          text_shadow="0.002,0.003 0.006 0,0,0,220"):
    return [("fade-in", str(fade_in)), ("fade-out", str(fade_out)), ("scene-overflow", str(overflow)),
            ("shadow", shadow), ("text-shadow", text_shadow), ("border-width", border), ("border-color", color)]


def themes():
    table = [
        (1, "Smooth", "anim-smooth", attrs(15, 24, 15, "0.006,0.012 0.04 0,0,0,140", "0.012"),
         smooth_photos, smooth_text),
        (2, "Carousel", "anim-carousel", attrs(15, 24, 15, "0,0.015 0.035 0,0,0,150", "0.01"),
         carousel_photos, carousel_text),
        (3, "Flying", "anim-flying", attrs(12, 20, 14, "0.015,0.025 0.04 0,0,0,150", "0.022", "250,248,240"),
         flying_photos, flying_text),
        (4, "Flow", "anim-flow", attrs(15, 24, 14, "0.008,0.01 0.03 0,0,0,130", "0.008"),
         flow_photos, flow_text),
        (5, "Fade in Fade out", "anim-fade", attrs(20, 30, 18, "0,0.01 0.05 0,0,0,120", "0"),
         fade_photos, fade_text),
        (6, "Roller", "anim-roller", attrs(15, 24, 14, "0,0.012 0.03 0,0,0,150", "0.012"),
         roller_photos, roller_text),
        (7, "Pan and Zoom", "anim-panzoom", attrs(20, 30, 20, "0,0 0.02 0,0,0,100", "0"),
         panzoom_photos, panzoom_text),
        (8, "Parallax", "anim-parallax", attrs(15, 24, 15, "0.02,0.03 0.05 0,0,0,170", "0.012"),
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
