#!/usr/bin/env python3
"""Writes the 52 card faces, the winking King of Hearts (53) and the program icon as SVG.

Everything repetitive -- pip layouts, corner indices, the court cards' mirrored halves -- is
generated here from small tables; run it from the repository root after changing the art:
    python3 tools/gen_faces.py [ART]
(ART is the folder to write into, resources/art unless named).
"""
import math
import os
import sys

from palette import BLACK, GOLD, GREEN, NAVY, PAPER, RED, SKIN, WHITE

RANKS = ["2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"]
SUITS = ["heart", "diamond", "club", "spade"]

# Suit shapes in a 20 x 20 box centred on the origin.
PIP = {
    "heart": "M0,8.5 C-3,5 -9.5,1 -9.5,-3.5 C-9.5,-7.5 -6.5,-9.5 -4.5,-9.5 C-2.5,-9.5 -0.8,-8.3 0,-6.2 "
             "C0.8,-8.3 2.5,-9.5 4.5,-9.5 C6.5,-9.5 9.5,-7.5 9.5,-3.5 C9.5,1 3,5 0,8.5 Z",
    "diamond": "M0,-10 C2.5,-6 5,-3 7.5,0 C5,3 2.5,6 0,10 C-2.5,6 -5,3 -7.5,0 C-5,-3 -2.5,-6 0,-10 Z",
    "club": "M0,-10 A4.6,4.6 0 0 1 3.2,-2.3 A4.6,4.6 0 1 1 1.2,4.6 L3.5,9.5 L-3.5,9.5 L-1.2,4.6 "
            "A4.6,4.6 0 1 1 -3.2,-2.3 A4.6,4.6 0 0 1 0,-10 Z",
    "spade": "M0,-10 C3,-5.5 9.5,-2 9.5,2.5 C9.5,5.8 7,7.3 4.8,7.3 C3,7.3 1.7,6.4 1,5.2 L3,9.8 L-3,9.8 "
             "L-1,5.2 C-1.7,6.4 -3,7.3 -4.8,7.3 C-7,7.3 -9.5,5.8 -9.5,2.5 C-9.5,-2 -3,-5.5 0,-10 Z",
}

def colour(suit):
    return RED if suit in ("heart", "diamond") else BLACK

def pip(suit, x, y, size, rotate=False):
    s = size / 20.0
    rot = " rotate(180)" if rotate else ""
    return f'<path transform="translate({x:.2f},{y:.2f}){rot} scale({s:.3f})" d="{PIP[suit]}" fill="{colour(suit)}"/>'

def card_frame(body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="71" height="96" viewBox="0 0 71 96">\n'
            f'<rect width="71" height="96" fill="{GREEN}"/>\n'
            f'<rect x="0.5" y="0.5" width="70" height="95" rx="4.5" ry="4.5" fill="{PAPER}" stroke="#000000" stroke-width="1"/>\n'
            f'{body}\n</svg>\n')

def corner_index(rank, suit):
    """Rank and suit at top left, the same turned half round at bottom right."""
    label = RANKS[rank]
    fill = colour(suit)
    if label == "10":
        text = (f'<text x="7" y="13" font-family="DejaVu Sans Condensed" font-weight="bold" font-size="11" '
                f'text-anchor="middle" fill="{fill}" transform="translate(7,0) scale(0.8,1) translate(-7,0)">10</text>')
    else:
        text = (f'<text x="7" y="13" font-family="DejaVu Sans Condensed" font-weight="bold" font-size="11" '
                f'text-anchor="middle" fill="{fill}">{label}</text>')
    one = text + pip(suit, 7, 20.5, 8)
    return f'<g>{one}</g>\n<g transform="rotate(180 35.5 48)">{one}</g>'

# Pip places for 2..10 on a three-column grid: (column, row) with columns L C R and rows as y.
L, C, R = 21.0, 35.5, 50.0
T, B, M = 19.0, 77.0, 48.0
Q1, Q3 = 38.3, 57.7            # the inner rows of the four-row layouts
LAYOUTS = {
    2: [(C, T), (C, B)],
    3: [(C, T), (C, M), (C, B)],
    4: [(L, T), (R, T), (L, B), (R, B)],
    5: [(L, T), (R, T), (C, M), (L, B), (R, B)],
    6: [(L, T), (R, T), (L, M), (R, M), (L, B), (R, B)],
    7: [(L, T), (R, T), (C, 33.5), (L, M), (R, M), (L, B), (R, B)],
    8: [(L, T), (R, T), (C, 33.5), (L, M), (R, M), (C, 62.5), (L, B), (R, B)],
    9: [(L, T), (R, T), (L, Q1), (R, Q1), (C, M), (L, Q3), (R, Q3), (L, B), (R, B)],
    10: [(L, T), (R, T), (C, 28.7), (L, Q1), (R, Q1), (L, Q3), (R, Q3), (C, 67.3), (L, B), (R, B)],
}

def number_card(rank, suit):
    count = rank + 2
    size = 12.5 if count < 9 else 11.5
    pips = [pip(suit, x, y, size, rotate=y > M + 0.1) for x, y in LAYOUTS[count]]
    return card_frame(corner_index(rank, suit) + "\n" + "\n".join(pips))

def ace(suit):
    body = corner_index(12, suit) + "\n"
    if suit == "spade":
        body += (f'<circle cx="35.5" cy="48" r="19" fill="none" stroke="{GOLD}" stroke-width="1.5"/>'
                 f'<circle cx="35.5" cy="48" r="16.5" fill="none" stroke="{BLACK}" stroke-width="0.75"/>')
        body += pip(suit, 35.5, 47, 24)
    else:
        body += pip(suit, 35.5, 48, 28)
    return card_frame(body)

# --- Court cards -------------------------------------------------------------------------------
# The panel spans x 12.5..58.5, y 9.5..86.5. One half figure fills its top half (x 13..58,
# y 10..48) and is drawn again turned half round about the card's centre. Every court is
# described by one row of COURTS; the drawing code below only knows ranks, not cards.

LINE = f'stroke="{BLACK}" stroke-width="0.75" stroke-linejoin="round"'

def path(points):
    return "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in points) + " Z"

def clip(subject, region):
    """The part of polygon `subject` inside the convex polygon `region` (both lists of points)."""
    area = sum(ax * by - bx * ay for (ax, ay), (bx, by) in zip(region, region[1:] + region[:1]))
    sign = 1 if area > 0 else -1
    out = subject
    for (ax, ay), (bx, by) in zip(region, region[1:] + region[:1]):
        inside = lambda p: sign * ((bx - ax) * (p[1] - ay) - (by - ay) * (p[0] - ax)) >= 0
        points, out = out, []
        for i, p in enumerate(points):
            q = points[i - 1]
            if inside(p) != inside(q):
                dx, dy = p[0] - q[0], p[1] - q[1]
                den = (bx - ax) * dy - (by - ay) * dx
                t = ((q[0] - ax) * (by - ay) - (q[1] - ay) * (bx - ax)) / den
                out.append((q[0] + t * dx, q[1] + t * dy))
            if inside(p):
                out.append(p)
        if not out:
            return []
    return out

def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]

def blob(cx, cy, r, n=8):
    return [(cx + r * math.cos(2 * math.pi * i / n), cy + r * math.sin(2 * math.pi * i / n)) for i in range(n)]

# Robe patterns: shapes in the second colour, cut to the robe's outline.
def pattern_shapes(kind, hx):
    if kind == "stripes":
        return [rect(x, 30, 3.2, 20) for x in range(12, 60, 7)]
    if kind == "bands":
        return [rect(10, y, 52, 2.6) for y in (37.5, 42.5)]
    if kind == "halves":
        return [rect(hx, 28, 30, 22)]
    if kind == "checker":
        return [rect(10 + col * 4.5, 31 + row * 4.5, 4.5, 4.5) for row in range(4) for col in range(11) if (row + col) % 2]
    if kind == "dots":
        return [blob(x + (3.5 if row % 2 else 0), 37 + row * 5, 1.3) for row in range(3) for x in range(14, 60, 7)]
    if kind == "lozenges":
        return [[(x, y - 3), (x + 2.4, y), (x, y + 3), (x - 2.4, y)]
                for row, y in enumerate((37.5, 44.5)) for x in range(14 + 4 * row, 60, 8)]
    if kind == "chevrons":
        shapes = []
        for y in (38.5, 44.5):
            shapes.append([(hx - 24, y - 8), (hx, y), (hx, y + 2.4), (hx - 24, y - 5.6)])
            shapes.append([(hx + 24, y - 8), (hx, y), (hx, y + 2.4), (hx + 24, y - 5.6)])
        return shapes
    if kind == "crosses":
        return [s for row, y in enumerate((38.5, 45)) for x in range(17 + 4 * row, 58, 8)
                for s in (rect(x - 0.8, y - 2.4, 1.6, 4.8), rect(x - 2.4, y - 0.8, 4.8, 1.6))]
    if kind == "sash":
        return [[(10, 32), (17, 32), (62, 49), (55, 49)]]
    if kind == "zigzag":
        return [[(x, 43), (x + 4, 39), (x + 6.5, 39), (x + 2.5, 43)] for x in range(10, 60, 8)] + \
               [[(x + 4, 39), (x + 8, 43), (x + 10.5, 43), (x + 6.5, 39)] for x in range(10, 60, 8)]
    if kind == "diagonals":
        return [[(x, 30), (x + 3.2, 30), (x + 3.2 - 18, 50), (x - 18, 50)] for x in range(16, 80, 8)]
    if kind == "quarters":
        return [rect(hx, 28, 30, 13.5), rect(5, 41.5, hx - 5, 10)]
    raise ValueError(kind)

# Each rank's outline of the shoulders, with the neck at `hx`.
def robe_outline(rank, hx):
    if rank == "K":   # broad, square shoulders
        return [(13.5, 48), (13.5, 39), (18, 33.5), (hx - 5, 31.5), (hx + 5, 31.5), (53, 33.5), (57.5, 39), (57.5, 48)]
    if rank == "Q":   # narrow, sloping shoulders
        return [(15.5, 48), (16.5, 41), (22, 35.5), (hx - 4, 33), (hx + 4, 33), (49, 35.5), (54.5, 41), (55.5, 48)]
    return [(17, 48), (17.5, 40), (22, 35), (hx - 3.5, 33), (hx + 3.5, 33), (49, 35), (53.5, 40), (54, 48)]

def collar(rank, hx, c):
    if rank == "K":   # an ermine collar over the shoulders
        band = [(15, 38.5), (19, 33), (hx - 5, 31), (hx + 5, 31), (52, 33), (56, 38.5), (50.5, 38), (hx + 4, 36.5),
                (hx - 4, 36.5), (20.5, 38)]
        spots = "".join(f'<path d="M{x:.1f},{y:.1f} l0.8,1.9 l-1.6,0 Z" fill="{BLACK}"/>'
                        for x, y in ((19, 35), (25, 33.8), (hx + 9, 33.6), (hx + 15, 34.4), (hx - 9, 34), (50.5, 35.2)))
        return f'<path d="{path(band)}" fill="{WHITE}" {LINE}/>' + spots
    if rank == "Q":   # a square neckline with a gold necklace and pendant
        return (f'<path d="M{hx-5},33.2 L{hx-4.2},38.5 H{hx+4.2} L{hx+5},33.2 Z" fill="{SKIN}" {LINE}/>'
                f'<path d="M{hx-4.4},34.5 Q{hx},38 {hx+4.4},34.5" fill="none" stroke="{GOLD}" stroke-width="1.2"/>'
                f'<circle cx="{hx}" cy="37" r="1.3" fill="{c}" stroke="{GOLD}" stroke-width="0.6"/>'
                f'<rect x="{hx-5.5}" y="38.5" width="11" height="1.6" fill="{GOLD}"/>')
    # a standing collar and a row of gold buttons
    return (f'<path d="M{hx-5},31.5 L{hx-3.5},35.5 H{hx+3.5} L{hx+5},31.5 Z" fill="{NAVY}" {LINE}/>'
            + "".join(f'<circle cx="{hx}" cy="{y}" r="1.1" fill="{GOLD}" stroke="{BLACK}" stroke-width="0.4"/>' for y in (38.5, 42.5, 46.5)))

def eyes_and_mouth(cx, cy, wink=False, grin=False):
    parts = []
    # Left eye (viewer's left): open, or shut in a wink.
    if wink:
        parts.append(f'<path id="eye-left" d="M{cx-3.6:.2f},{cy-0.6:.2f} Q{cx-2.4:.2f},{cy+0.6:.2f} {cx-1.2:.2f},{cy-0.6:.2f}" '
                     f'fill="none" stroke="{BLACK}" stroke-width="0.8" stroke-linecap="round"/>')
    else:
        parts.append(f'<ellipse id="eye-left" cx="{cx-2.4:.2f}" cy="{cy-0.8:.2f}" rx="0.9" ry="1.1" fill="{BLACK}"/>')
    parts.append(f'<ellipse id="eye-right" cx="{cx+2.4:.2f}" cy="{cy-0.8:.2f}" rx="0.9" ry="1.1" fill="{BLACK}"/>')
    if grin:
        parts.append(f'<path id="mouth" d="M{cx-3.2:.2f},{cy+2.6:.2f} Q{cx:.2f},{cy+6.0:.2f} {cx+3.2:.2f},{cy+2.6:.2f} Z" '
                     f'fill="#8B1A1A" stroke="{BLACK}" stroke-width="0.5"/>')
    else:
        parts.append(f'<path id="mouth" d="M{cx-1.8:.2f},{cy+3.0:.2f} Q{cx:.2f},{cy+4.2:.2f} {cx+1.8:.2f},{cy+3.0:.2f}" '
                     f'fill="none" stroke="#8B1A1A" stroke-width="0.8" stroke-linecap="round"/>')
    return "".join(parts)

# --- What the courts hold. Each returns (behind the head, in front of the sleeve, over the hand)
# and the hand's place; `s` is the side, +1 right and -1 left.
def pole(x, y1, y2, colour, width):
    return (f'<line x1="{x}" y1="{y1}" x2="{x}" y2="{y2}" stroke="{BLACK}" stroke-width="{width + 1.2}" stroke-linecap="round"/>'
            f'<line x1="{x}" y1="{y1}" x2="{x}" y2="{y2}" stroke="{colour}" stroke-width="{width}" stroke-linecap="round"/>')

def torch(s, hx, c):
    x = hx + s * 13
    front = (pole(x, 19, 45, "#7B4B22", 2) +
             f'<path d="M{x-2.6},16.5 H{x+2.6} L{x+1.5},20 H{x-1.5} Z" fill="{GOLD}" {LINE}/>')
    flame = (f'<path d="M{x},7.5 Q{x+4.5},12.5 {x+2.5},16.5 H{x-2.5} Q{x-4.5},12.5 {x},7.5 Z" fill="#F08A24" {LINE}/>'
             f'<path d="M{x},11 Q{x+2},13.5 {x+1},16 H{x-1} Q{x-2},13.5 {x},11 Z" fill="#FFD34D"/>')
    return "", front, flame, (x, 38)

def halberd(s, hx, c):
    x = hx + s * 13
    head = (f'<path d="M{x},10 L{x+1.6},15 H{x-1.6} Z" fill="#C9D1D9" {LINE}/>'
            f'<path d="M{x},15 Q{x+s*7},14 {x+s*7.5},19.5 Q{x+s*4},22.5 {x},21 Z" fill="#C9D1D9" {LINE}/>'
            f'<path d="M{x},16 L{x-s*4},18 L{x},19.5 Z" fill="#C9D1D9" {LINE}/>')
    return "", pole(x, 14, 46.5, "#7B4B22", 1.8) + head, "", (x, 38)

def bow(s, hx, c):
    x = hx + s * 12
    wood = (f'<path d="M{x},11 Q{x+s*9},28 {x},45" fill="none" stroke="{BLACK}" stroke-width="3"/>'
            f'<path d="M{x},11 Q{x+s*9},28 {x},45" fill="none" stroke="#9C6A2E" stroke-width="1.8"/>'
            f'<line x1="{x}" y1="11" x2="{x}" y2="45" stroke="{BLACK}" stroke-width="0.8"/>')
    arrow = (f'<line x1="{x+s*5}" y1="14" x2="{x+s*5}" y2="30" stroke="{BLACK}" stroke-width="1.1"/>'
             f'<path d="M{x+s*5},10.5 l2,4 h-4 Z" fill="#C9D1D9" {LINE}/>')
    return arrow, wood, "", (x + s * 4.2, 30)

def horn(s, hx, c):
    x = hx + s * 9
    shape = (f'<path d="M{x-s*6},34 Q{x},44 {x+s*7},38 L{x+s*9.5},41.5 Q{x-s*1},49 {x-s*7.5},36 Z" fill="{GOLD}" {LINE}/>'
             f'<ellipse cx="{x+s*8.2}" cy="39.7" rx="2" ry="3" transform="rotate({s*-35} {x+s*8.2} 39.7)" fill="#8A6A10" {LINE}/>'
             f'<path d="M{x-s*6},34 Q{x-s*2},28 {x+s*5},31" fill="none" stroke="{NAVY}" stroke-width="1"/>')
    return "", "", shape, (x - s * 1, 42)

def flower_head(kind, x, y):
    if kind == "rose":
        return (f'<circle cx="{x}" cy="{y}" r="3.4" fill="#D7192D" {LINE}/>'
                f'<path d="M{x-1.6},{y} Q{x},{y-2.2} {x+1.6},{y} Q{x},{y+1.6} {x-0.6},{y-0.4}" fill="none" stroke="#7A0010" stroke-width="0.8"/>')
    if kind == "tulip":
        return f'<path d="M{x-3.2},{y-3} L{x-1.6},{y-1} L{x},{y-3.5} L{x+1.6},{y-1} L{x+3.2},{y-3} Q{x+3.5},{y+3.5} {x},{y+3.5} Q{x-3.5},{y+3.5} {x-3.2},{y-3} Z" fill="{GOLD}" {LINE}/>'
    if kind == "daisy":
        petals = "".join(f'<ellipse cx="{x}" cy="{y-1.8}" rx="1" ry="1.8" transform="rotate({a} {x} {y})" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.4"/>'
                         for a in range(0, 360, 45))
        return petals + f'<circle cx="{x}" cy="{y}" r="1.2" fill="{GOLD}"/>'
    raise ValueError(kind)

def leaf(x, y, s):
    return f'<path d="M{x},{y} Q{x+s*4},{y-3} {x+s*6},{y-1} Q{x+s*3},{y+2} {x},{y} Z" fill="#2E7D32" stroke="{BLACK}" stroke-width="0.4"/>'

def rose(s, hx, c):
    x = hx + s * 11.5
    stem = f'<path d="M{x-s*1},39 Q{x+s*1},32 {x},24" fill="none" stroke="#2E7D32" stroke-width="1.3"/>' + leaf(x, 31, s)
    return "", stem, flower_head("rose", x, 22), (x - s * 1, 38)

def tulip(s, hx, c):
    x = hx + s * 12
    stem = f'<path d="M{x},43 Q{x-s*1.5},33 {x},20" fill="none" stroke="#2E7D32" stroke-width="1.3"/>' + leaf(x - s * 0.5, 33, -s) + leaf(x, 28, s)
    return "", stem, flower_head("tulip", x, 17), (x, 40.5)

def daisies(s, hx, c):
    x = hx + s * 10
    tops = ((x - s * 3.5, 27), (x + s * 1.5, 22.5), (x + s * 5, 29.5))
    stems = "".join(f'<path d="M{x},39 L{tx},{ty}" stroke="#2E7D32" stroke-width="1.1"/>' for tx, ty in tops)
    return "", stems, "".join(flower_head("daisy", tx, ty) for tx, ty in tops), (x, 39)

def fan(s, hx, c):
    x, y = hx + s * 9, 40.5
    ribs = "".join(f'<line x1="{x}" y1="{y}" x2="{x+s*9*math.cos(a):.2f}" y2="{y-9*math.sin(a):.2f}" stroke="{GOLD}" stroke-width="0.9"/>'
                   for a in (0.45, 0.85, 1.25, 1.65))
    # the fan opens upwards and outwards from the hand
    arc = [(x + s * 10 * math.cos(a), y - 10 * math.sin(a)) for a in [0.3 + 0.1 * i for i in range(15)]]
    shape = f'<path d="{path([(x, y)] + arc)}" fill="{NAVY}" {LINE}/>' + ribs
    return "", "", shape, (x, y)

def sword_behind(s, hx, c):
    # held low on one side, the blade crossing behind the head to the far top corner
    gx, gy, tx, ty = hx + s * 11.5, 39, hx - s * 12.5, 10.5
    ang = math.atan2(ty - gy, tx - gx)
    nx, ny = -math.sin(ang), math.cos(ang)
    w = 1.7
    bx, by = gx + 4.5 * math.cos(ang), gy + 4.5 * math.sin(ang)
    blade = path([(bx + nx * w, by + ny * w), (tx + nx * 0.6, ty + ny * 0.6), (tx - nx * 0.6, ty - ny * 0.6), (bx - nx * w, by - ny * w)])
    guard = f'<line x1="{bx + nx*4:.2f}" y1="{by + ny*4:.2f}" x2="{bx - nx*4:.2f}" y2="{by - ny*4:.2f}" stroke="{BLACK}" stroke-width="2.6" stroke-linecap="round"/>' \
            f'<line x1="{bx + nx*4:.2f}" y1="{by + ny*4:.2f}" x2="{bx - nx*4:.2f}" y2="{by - ny*4:.2f}" stroke="{GOLD}" stroke-width="1.5" stroke-linecap="round"/>'
    return f'<path d="{blade}" fill="#C9D1D9" {LINE}/>', guard, "", (gx, gy)

def sword_upright(s, hx, c):
    x = hx + s * 12.5
    blade = f'<path d="M{x-1.8},35 L{x-1.8},14 L{x},10 L{x+1.8},14 L{x+1.8},35 Z" fill="#C9D1D9" {LINE}/><line x1="{x}" y1="14" x2="{x}" y2="33" stroke="#8A939C" stroke-width="0.8"/>'
    guard = (f'<rect x="{x-5}" y="34.5" width="10" height="2.2" rx="1" fill="{GOLD}" {LINE}/>'
             + pole(x, 37, 42.5, "#5A3A1A", 1.8) + f'<circle cx="{x}" cy="43.5" r="1.6" fill="{GOLD}" {LINE}/>')
    return "", blade + guard, "", (x, 40)

def sceptre(top):
    def hold(s, hx, c):
        x = hx + s * 13
        rod = pole(x, 18, 46, GOLD, 1.6)
        if top == "lozenge":
            head = (f'<path d="M{x},9.5 L{x+3.6},15 L{x},20.5 L{x-3.6},15 Z" fill="{GOLD}" {LINE}/>'
                    f'<path d="M{x},12.5 L{x+1.6},15 L{x},17.5 L{x-1.6},15 Z" fill="{RED}"/>')
        else:   # an orb with a cross
            head = (f'<circle cx="{x}" cy="16.5" r="3.6" fill="{GOLD}" {LINE}/>'
                    f'<path d="M{x-3.6},16.5 H{x+3.6} M{x},12.9 V20.1" stroke="{NAVY}" stroke-width="1"/>'
                    f'<path d="M{x},12.9 V9 M{x-1.6},10.6 H{x+1.6}" stroke="{BLACK}" stroke-width="1.3"/>')
        return "", rod + head, "", (x, 38)
    return hold

HELD = {"torch": torch, "halberd": halberd, "bow": bow, "horn": horn, "rose": rose, "tulip": tulip,
        "daisies": daisies, "fan": fan, "sword behind": sword_behind, "sword": sword_upright,
        "sceptre": sceptre("lozenge"), "orb sceptre": sceptre("orb")}

# rank, suit: head offset, held thing and its side, robe colour, pattern and its colour, sleeve,
# hair, and for Jacks the cap and feather, for Queens the headdress.
COURTS = {
    ("J", "heart"):   dict(dx=-2.5, held="torch", side=1, robe=RED, pattern=("stripes", GOLD), sleeve=NAVY, hair="#C0622B", cap=NAVY, feather=RED),
    ("Q", "heart"):   dict(dx=-2, held="rose", side=1, robe=RED, pattern=("dots", GOLD), sleeve=GOLD, hair="#E3B448", head="long hair"),
    ("K", "heart"):   dict(dx=-1.5, held="sword behind", side=1, robe=RED, pattern=("sash", NAVY), sleeve=NAVY, hair="#8C8C8C", pip_side=1),
    ("J", "diamond"): dict(dx=3, held="halberd", side=-1, robe=RED, pattern=("halves", NAVY), sleeve=GOLD, hair="#E3B448", cap=RED, feather=GOLD),
    ("Q", "diamond"): dict(dx=3, held="tulip", side=-1, robe=RED, pattern=("lozenges", GOLD), sleeve=NAVY, hair="#5A3A1A", head="veil"),
    ("K", "diamond"): dict(dx=3, held="sceptre", side=-1, robe=RED, pattern=("bands", GOLD), sleeve=NAVY, hair="#A0522D"),
    ("J", "club"):    dict(dx=-3, held="bow", side=1, robe=BLACK, pattern=("checker", GOLD), sleeve=NAVY, hair="#2B2B2B", cap=GOLD, feather=RED),
    ("Q", "club"):    dict(dx=-2.5, held="daisies", side=1, robe=BLACK, pattern=("chevrons", GOLD), sleeve=NAVY, hair="#A0522D", head="long hair"),
    ("K", "club"):    dict(dx=-3, held="orb sceptre", side=1, robe=NAVY, pattern=("crosses", GOLD), sleeve=BLACK, hair="#2B2B2B"),
    ("J", "spade"):   dict(dx=2.5, held="horn", side=-1, robe=NAVY, pattern=("zigzag", GOLD), sleeve=BLACK, hair="#8A5A2B", cap=BLACK, feather=GOLD),
    ("Q", "spade"):   dict(dx=2.5, held="fan", side=-1, robe=BLACK, pattern=("diagonals", GOLD), sleeve=GOLD, hair="#2B2B2B", head="veil"),
    ("K", "spade"):   dict(dx=3, held="sword", side=-1, robe=BLACK, pattern=("quarters", GOLD), sleeve=NAVY, hair="#EDEDED"),
}
HEAD_Y = {"J": 25.5, "Q": 25.0, "K": 24.5}

def crown(rank, hx, hy, jewel):
    if rank == "K":   # tall, five points with balls
        base, top = hy - 4.2, hy - 12.5
        pts = [(hx - 6.5, base), (hx - 6.5, top + 2), (hx - 4, base - 4), (hx - 2.2, top), (hx, base - 4.5), (hx + 2.2, top),
               (hx + 4, base - 4), (hx + 6.5, top + 2), (hx + 6.5, base)]
        balls = "".join(f'<circle cx="{x:.1f}" cy="{y - 0.6:.1f}" r="1" fill="{GOLD}" {LINE}/>' for x, y in (pts[1], pts[3], pts[5], pts[7]))
        return (f'<path d="{path(pts)}" fill="{GOLD}" {LINE}/>' + balls +
                f'<rect x="{hx-6.5}" y="{base-2}" width="13" height="2" fill="{GOLD}" {LINE}/>'
                f'<circle cx="{hx}" cy="{base-1}" r="1.2" fill="{jewel}"/>')
    base, top = hy - 4.5, hy - 10
    pts = [(hx - 5.5, base), (hx - 6, top + 1), (hx - 3, base - 2.5), (hx, top), (hx + 3, base - 2.5), (hx + 6, top + 1), (hx + 5.5, base)]
    return (f'<path d="{path(pts)}" fill="{GOLD}" {LINE}/>'
            + "".join(f'<circle cx="{x:.1f}" cy="{y - 0.8:.1f}" r="1.1" fill="{WHITE}" {LINE}/>' for x, y in (pts[1], pts[3], pts[5]))
            + f'<circle cx="{hx}" cy="{base-1.2}" r="1" fill="{jewel}"/>')

def half_figure(rank, suit, face_parts):
    k = COURTS[(rank, suit)]
    hx, hy, s = 35.5 + k["dx"], HEAD_Y[rank], k["side"]
    behind, front, over, (gx, gy) = HELD[k["held"]](s, hx, k["robe"])
    out = []
    # Hair or veil behind the head and shoulders.
    if rank == "Q" and k["head"] == "long hair":
        out.append(f'<path d="M{hx-6},{hy-5} Q{hx-10},{hy+4} {hx-9},{hy+16} L{hx-3},{hy+12} L{hx+3},{hy+12} L{hx+9},{hy+16} '
                   f'Q{hx+10},{hy+4} {hx+6},{hy-5} Z" fill="{k["hair"]}" {LINE}/>')
    elif rank == "Q":
        veil = RED if suit == "spade" else WHITE
        out.append(f'<path d="M{hx},{hy-8} Q{hx-8},{hy-7} {hx-8.5},{hy+2} L{hx-11},{hy+14} L{hx+11},{hy+14} L{hx+8.5},{hy+2} '
                   f'Q{hx+8},{hy-7} {hx},{hy-8} Z" fill="{veil}" {LINE}/>')
    # The robe, its pattern and the rank's collar.
    outline = robe_outline(rank, hx)
    out.append(f'<path d="{path(outline)}" fill="{k["robe"]}"/>')
    kind, pc = k["pattern"]
    for shape in pattern_shapes(kind, hx):
        piece = clip(shape, outline)
        if piece:
            out.append(f'<path d="{path(piece)}" fill="{pc}"/>')
    out.append(f'<path d="{path(outline)}" fill="none" {LINE}/>')
    out.append(collar(rank, hx, k["robe"]))
    out.append(behind)   # in front of the robe but behind the head
    # Head: hair, face, beard, headwear.
    if rank == "K":
        out.append(f'<ellipse cx="{hx}" cy="{hy+1}" rx="7" ry="7.4" fill="{k["hair"]}" {LINE}/>')
    elif rank == "J":
        out.append(f'<path d="M{hx-6},{hy-2} Q{hx-7},{hy+5} {hx-4.5},{hy+5.5} L{hx+4.5},{hy+5.5} Q{hx+7},{hy+5} {hx+6},{hy-2} Z" fill="{k["hair"]}" {LINE}/>')
    else:
        out.append(f'<ellipse cx="{hx}" cy="{hy}" rx="6.3" ry="6.9" fill="{k["hair"] if k["head"] == "long hair" else "#5A3A1A"}" {LINE}/>')
    rx, ry = (5.4, 6.2) if rank == "K" else (5, 6)
    out.append(f'<ellipse cx="{hx}" cy="{hy}" rx="{rx}" ry="{ry}" fill="{SKIN}" {LINE}/>')
    if rank == "J":   # a fringe under the cap
        out.append(f'<path d="M{hx-5.2},{hy-1.5} Q{hx-2},{hy-3.5} {hx+5.2},{hy-2} L{hx+4},{hy-5.5} L{hx-4},{hy-5.5} Z" fill="{k["hair"]}"/>')
    if rank == "Q":
        out.append(f'<circle cx="{hx-3.2}" cy="{hy+1.8}" r="1.1" fill="#F2A0A0"/><circle cx="{hx+3.2}" cy="{hy+1.8}" r="1.1" fill="#F2A0A0"/>')
    if rank == "K":   # beard and moustache, then brows
        out.append(f'<path d="M{hx-5.4},{hy+0.5} Q{hx-5.5},{hy+9} {hx},{hy+13.5} Q{hx+5.5},{hy+9} {hx+5.4},{hy+0.5} '
                   f'Q{hx+3},{hy+5.5} {hx},{hy+5.5} Q{hx-3},{hy+5.5} {hx-5.4},{hy+0.5} Z" fill="{k["hair"]}" {LINE}/>')
        out.append(f'<path d="M{hx-4},{hy+3} Q{hx-2},{hy+1} {hx},{hy+2.2} Q{hx+2},{hy+1} {hx+4},{hy+3}" fill="none" stroke="{k["hair"]}" stroke-width="1.4" stroke-linecap="round"/>')
        out.append(f'<path d="M{hx-3.6},{hy-2.6} H{hx-1.2} M{hx+1.2},{hy-2.6} H{hx+3.6}" stroke="{BLACK}" stroke-width="0.8"/>')
    out.append(face_parts(hx, hy))
    if rank == "J":   # a flat cap with a band and a long feather sweeping back
        f = -s
        out.append(f'<path d="M{hx+f*2},{hy-7.5} Q{hx+f*9},{hy-15} {hx+f*16.5},{hy-13} Q{hx+f*10},{hy-8.5} {hx+f*4},{hy-4.5} Z" fill="{k["feather"]}" {LINE}/>'
                   f'<path d="M{hx+f*3.5},{hy-6.5} Q{hx+f*9},{hy-11.5} {hx+f*15},{hy-12.8}" fill="none" stroke="{BLACK}" stroke-width="0.5"/>')
        out.append(f'<path d="M{hx-7.5},{hy-4} Q{hx-6},{hy-11} {hx+s*1.5},{hy-10.5} Q{hx+7.5},{hy-10} {hx+7.5},{hy-4} Z" fill="{k["cap"]}" {LINE}/>')
        out.append(f'<rect x="{hx-7}" y="{hy-5.5}" width="14" height="1.8" fill="{GOLD}" {LINE}/>')
    else:
        out.append(crown(rank, hx, hy, NAVY if k["robe"] == RED else RED))
        if rank == "Q" and suit == "spade":   # a flower in her hair
            out.append(flower_head("rose", hx + 6, hy - 4))
    # The arm and hand holding the court's own thing.
    sx, sy = (51, 38) if s > 0 else (20, 38)
    out.append(f'<path d="M{sx},{sy} L{gx},{gy}" stroke="{BLACK}" stroke-width="5.4" stroke-linecap="round"/>'
               f'<path d="M{sx},{sy} L{gx},{gy}" stroke="{k["sleeve"]}" stroke-width="4" stroke-linecap="round"/>')
    out.append(front)
    out.append(f'<circle cx="{gx}" cy="{gy}" r="2.1" fill="{SKIN}" {LINE}/>')
    out.append(over)
    # A small pip beside the head, on the side the hands leave free.
    ps = k.get("pip_side", -s)
    out.append(pip(suit, 35.5 + ps * 17.5, hy + 3, 6))
    return "".join(out)

def court_card(court, suit, suit_index, wink=False):
    col = colour(suit)
    def face_top(cx, cy):
        return eyes_and_mouth(cx, cy, wink=wink, grin=wink)
    def face_bottom(cx, cy):
        return eyes_and_mouth(cx, cy)
    top = half_figure(court, suit, face_top).replace('id="', 'id="top-')
    bottom = half_figure(court, suit, face_bottom).replace('id="', 'id="bottom-')
    rank = {"J": 9, "Q": 10, "K": 11}[court]
    body = (f'<rect x="12.5" y="9.5" width="46" height="77" fill="#FFF8E6" stroke="{col}" stroke-width="1"/>\n'
            f'<g>{top}</g>\n<g transform="rotate(180 35.5 48)">{bottom}</g>\n'
            f'<line x1="13" y1="48" x2="58" y2="48" stroke="{col}" stroke-width="0.75"/>\n'
            f'<rect x="12.5" y="9.5" width="46" height="77" fill="none" stroke="{col}" stroke-width="1"/>\n'
            + corner_index(rank, suit))
    return card_frame(body)

def icon():
    """The King of Hearts' corner, close up: a red heart and a crowned face."""
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">\n'
            f'<rect x="0.5" y="0.5" width="31" height="31" rx="4" ry="4" fill="{PAPER}" stroke="{BLACK}" stroke-width="1"/>\n'
            f'<text x="7" y="13" font-family="DejaVu Sans Condensed" font-weight="bold" font-size="12" text-anchor="middle" fill="{RED}">K</text>\n'
            + pip("heart", 7, 21, 9) + "\n"
            f'<ellipse cx="21" cy="21" rx="7" ry="7.5" fill="#6E6E6E"/>\n'
            f'<ellipse cx="21" cy="20" rx="5.2" ry="6" fill="{SKIN}" stroke="{BLACK}" stroke-width="0.6"/>\n'
            f'<path d="M15,14 L15,6 L18,10 L21,4.5 L24,10 L27,6 L27,14 Z" fill="{GOLD}" stroke="{BLACK}" stroke-width="0.7"/>\n'
            f'<circle cx="21" cy="9.5" r="1.2" fill="{RED}"/>\n'
            f'<circle cx="19" cy="19" r="0.9" fill="{BLACK}"/><circle cx="23" cy="19" r="0.9" fill="{BLACK}"/>\n'
            f'<path d="M15.5,24 Q21,31 26.5,24 L26.5,30 Q21,32 15.5,30 Z" fill="{RED}" stroke="{BLACK}" stroke-width="0.5"/>\n'
            # the grey beard of the King of Hearts, with the mouth showing through
            f'<path d="M15.9,20.5 Q16,27.5 21,30 Q26,27.5 26.1,20.5 Q24,24.5 21,24.5 Q18,24.5 15.9,20.5 Z" fill="#8C8C8C" stroke="{BLACK}" stroke-width="0.6"/>\n'
            f'<path d="M18.5,23.3 Q21,25.3 23.5,23.3" fill="none" stroke="#8B1A1A" stroke-width="1"/>\n'
            '</svg>\n')

def main(art):
    OUT, PICTURES = f"{art}/catalogue", f"{art}/pictures"
    os.makedirs(OUT, exist_ok=True)
    os.makedirs(PICTURES, exist_ok=True)
    for code in range(1, 53):
        rank, suit_index = (code - 1) % 13, (code - 1) // 13
        suit = SUITS[suit_index]
        if rank <= 8:
            svg = number_card(rank, suit)
        elif rank == 12:
            svg = ace(suit)
        else:
            svg = court_card("JQK"[rank - 9], suit, suit_index)
        with open(f"{OUT}/{code}.svg", "w") as f:
            f.write(svg)
    with open(f"{OUT}/53.svg", "w") as f:
        f.write(court_card("K", "heart", 0, wink=True))
    with open(f"{PICTURES}/icon.svg", "w") as f:
        f.write(icon())

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/art")
