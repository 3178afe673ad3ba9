#!/usr/bin/env python3
"""Writes the card backs, the bills and bundles, the help glyphs and the window pictures as SVG.

The scenes are drawn here by hand, shape by shape; the shared card frame and the fourteen pieces
of money come from one design each. Run from the repository root:  python3 tools/gen_art.py [ART]
(ART is the folder to write into, resources/art unless named).
"""
import math
import os
import sys

from palette import BLACK, GOLD, GREEN, NAVY, PAPER, RED, SKIN, WHITE

SERIF, SANS, NARROW = "Liberation Serif", "DejaVu Sans", "DejaVu Sans Condensed"


def svg(w, h, body):
    return f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n{body}\n</svg>\n'


def write(path, text):
    with open(path, "w") as f:
        f.write(text)


def text(x, y, s, size, fill, family=SANS, weight="bold", anchor="middle", extra=""):
    return (f'<text x="{x}" y="{y}" font-family="{family}" font-size="{size}" font-weight="{weight}" '
            f'text-anchor="{anchor}" fill="{fill}"{extra}>{s}</text>')


# --- Card backs --------------------------------------------------------------------------------
# The scene fills the card; a border band, the green corners and the white inner line go on top,
# so no clipping is needed.
def back(scene, band):
    frame = (f'<path fill-rule="evenodd" fill="{band}" d="M0,0 H71 V96 H0 Z M4,4 V92 H67 V4 Z"/>\n'
             f'<path fill-rule="evenodd" fill="{GREEN}" d="M0,0 H71 V96 H0 Z M5,0.5 H66 Q70.5,0.5 70.5,5 V91 '
             f'Q70.5,95.5 66,95.5 H5 Q0.5,95.5 0.5,91 V5 Q0.5,0.5 5,0.5 Z"/>\n'
             f'<rect x="0.5" y="0.5" width="70" height="95" rx="4.5" ry="4.5" fill="none" stroke="{BLACK}" stroke-width="1"/>\n'
             f'<rect x="3.5" y="3.5" width="64" height="89" fill="none" stroke="{WHITE}" stroke-width="1"/>')
    return svg(71, 96, scene + "\n" + frame)


def clown_face(cx, cy, r, hair, hat=None):
    parts = [f'<circle cx="{cx-r*0.95}" cy="{cy-r*0.2}" r="{r*0.45}" fill="{hair}"/>',
             f'<circle cx="{cx+r*0.95}" cy="{cy-r*0.2}" r="{r*0.45}" fill="{hair}"/>',
             f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.7"/>',
             f'<path d="M{cx-r*0.45},{cy-r*0.35} l{r*0.15},{-r*0.3} l{r*0.15},{r*0.3}" fill="none" stroke="{NAVY}" stroke-width="0.9"/>',
             f'<path d="M{cx+r*0.15},{cy-r*0.35} l{r*0.15},{-r*0.3} l{r*0.15},{r*0.3}" fill="none" stroke="{NAVY}" stroke-width="0.9"/>',
             f'<path d="M{cx-r*0.6},{cy+r*0.2} Q{cx},{cy+r*1.05} {cx+r*0.6},{cy+r*0.2} Z" fill="{RED}" stroke="{BLACK}" stroke-width="0.5"/>',
             f'<path d="M{cx-r*0.4},{cy+r*0.33} Q{cx},{cy+r*0.6} {cx+r*0.4},{cy+r*0.33} Z" fill="{WHITE}"/>',
             f'<circle cx="{cx}" cy="{cy+r*0.05}" r="{r*0.2}" fill="#E0101A"/>']
    if hat:
        parts.append(f'<path d="M{cx-r*0.55},{cy-r*0.8} L{cx},{cy-r*2.0} L{cx+r*0.55},{cy-r*0.8} Z" fill="{hat}" stroke="{BLACK}" stroke-width="0.6"/>')
        parts.append(f'<circle cx="{cx}" cy="{cy-r*2.0}" r="{r*0.18}" fill="{WHITE}"/>')
    return "".join(parts)


def back60():  # a laughing clown pointing at the viewer, the title across the top
    return back(
        '<rect width="71" height="96" fill="#F5C518"/>'
        '<path d="M0,96 L35.5,40 L71,96 Z" fill="#F08A24"/>'
        f'<rect x="4" y="4" width="63" height="13" fill="{RED}"/>'
        + text(35.5, 14, "Brindlewharf", 8.6, f"{WHITE}", NARROW) +
        f'<path d="M20,96 Q35.5,60 51,96 Z" fill="#2B59C3" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<circle cx="30" cy="80" r="2" fill="{WHITE}"/><circle cx="41" cy="86" r="2" fill="{WHITE}"/>'
        + clown_face(35.5, 48, 11, "#E8531F", hat="#2B59C3") +
        # the pointing arm and hand, towards the viewer
        f'<path d="M46,72 L56,62 L60,66 L50,76 Z" fill="#2B59C3" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<circle cx="59" cy="62" r="4" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<path d="M60,60 L64,55" stroke="{BLACK}" stroke-width="2.2" stroke-linecap="round"/>'
        f'<path d="M60,60 L64,55" stroke="{WHITE}" stroke-width="1.2" stroke-linecap="round"/>',
        f"{RED}")


def back61():  # lighthouse on a rock in a storm
    stripes = "".join(f'<path d="M{31+i*0.35:.2f},{30+i*7} L{40-i*0.35+0.0:.2f},{30+i*7} L{40.35-i*0.35:.2f},{33.5+i*7} L{30.65+i*0.35:.2f},{33.5+i*7} Z" fill="{WHITE}"/>'
                      for i in range(6))
    return back(
        '<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#2E3440"/><stop offset="1" stop-color="#6B7B8C"/></linearGradient></defs>'
        '<rect width="71" height="96" fill="url(#sky)"/>'
        '<path d="M4,20 Q20,10 34,18 Q50,8 67,18 L67,4 L4,4 Z" fill="#1E232B"/>'
        '<path d="M40,26 L67,12 L67,32 Z" fill="#FFE680" opacity="0.55"/>'
        '<path d="M31,26 L4,14 L4,34 Z" fill="#FFE680" opacity="0.45"/>'
        f'<path d="M29,72 L31,28 L40,28 L42,72 Z" fill="{RED}" stroke="{BLACK}" stroke-width="0.6"/>' + stripes +
        f'<rect x="30" y="20" width="11" height="8" fill="#FFE680" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<path d="M28.5,20 L35.5,13 L42.5,20 Z" fill="{BLACK}"/>'
        '<path d="M14,80 Q22,66 35,70 Q48,64 58,80 Z" fill="#3B3B3B"/>'
        f'<path d="M4,78 Q12,64 20,76 Q26,60 30,76 L4,92 Z" fill="{WHITE}" opacity="0.9"/>'
        '<path d="M4,84 Q18,74 30,84 Q44,72 56,84 Q62,78 67,82 L67,92 L4,92 Z" fill="#1F4E79"/>'
        f'<path d="M44,80 Q52,62 60,74 Q64,66 67,70 L67,84 Z" fill="{WHITE}" opacity="0.85"/>',
        "#1E232B")


def back62():  # a cowboy on a bucking horse against a blue sky
    return back(
        '<rect width="71" height="96" fill="#3D8BEB"/>'
        '<circle cx="56" cy="16" r="6" fill="#FFE680"/>'
        '<path d="M4,78 Q35,70 67,78 L67,92 L4,92 Z" fill="#C9A36B"/>'
        # horse: body tilted, rearing on the hind legs
        f'<path d="M18,60 Q22,46 40,44 Q50,42 54,34 L58,30 L62,34 L60,40 Q58,46 52,50 Q48,60 40,62 Q30,66 22,64 Z" fill="#6B3E1E" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<path d="M22,62 L16,78 L20,79 L27,64 Z" fill="#6B3E1E" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M32,64 L30,80 L34,80 L37,64 Z" fill="#6B3E1E" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M50,48 L60,56 L58,59 L48,52 Z" fill="#6B3E1E" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M44,46 L52,58 L49,60 L42,50 Z" fill="#6B3E1E" stroke="{BLACK}" stroke-width="0.5"/>'
        '<path d="M18,60 Q10,52 12,44 Q16,52 20,56 Z" fill="#2B1A0E"/>'
        '<path d="M54,34 Q52,38 48,40" fill="none" stroke="#2B1A0E" stroke-width="2"/>'
        # rider
        f'<path d="M34,44 L30,30 L36,28 L40,42 Z" fill="#8B1A1A" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M36,44 L40,54 L37,55 L33,46 Z" fill="{NAVY}"/>'
        f'<circle cx="32" cy="25" r="3.4" fill="{SKIN}" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M25,22 Q32,20 39,22 L37,20 Q36,15 32,15 Q28,15 27,20 Z" fill="#5A3A1A" stroke="{BLACK}" stroke-width="0.5"/>'
        '<path d="M31,30 L22,22 L21,24 L29,32 Z" fill="#8B1A1A"/>'
        f'<circle cx="21" cy="22" r="1.5" fill="{SKIN}"/>',
        f"{NAVY}")


def pig(cx, cy, r, facing=True):
    body = (f'<path d="M{cx-r*0.8},{cy-r*0.7} L{cx-r*0.95},{cy-r*1.3} L{cx-r*0.35},{cy-r*0.95} Z" fill="#F4A6B7" stroke="{BLACK}" stroke-width="0.5"/>'
            f'<path d="M{cx+r*0.8},{cy-r*0.7} L{cx+r*0.95},{cy-r*1.3} L{cx+r*0.35},{cy-r*0.95} Z" fill="#F4A6B7" stroke="{BLACK}" stroke-width="0.5"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#F7B8C6" stroke="{BLACK}" stroke-width="0.6"/>')
    if facing:
        body += (f'<ellipse cx="{cx}" cy="{cy+r*0.3}" rx="{r*0.42}" ry="{r*0.3}" fill="#E98AA0" stroke="{BLACK}" stroke-width="0.4"/>'
                 f'<circle cx="{cx-r*0.15}" cy="{cy+r*0.3}" r="{r*0.08}" fill="{BLACK}"/><circle cx="{cx+r*0.15}" cy="{cy+r*0.3}" r="{r*0.08}" fill="{BLACK}"/>'
                 f'<circle cx="{cx-r*0.38}" cy="{cy-r*0.2}" r="{r*0.1}" fill="{BLACK}"/><circle cx="{cx+r*0.38}" cy="{cy-r*0.2}" r="{r*0.1}" fill="{BLACK}"/>')
    return body


def back63():  # pigs at a card table, one seen from behind on a stool
    return back(
        '<rect width="71" height="96" fill="#7A2E3A"/>'
        '<rect x="4" y="4" width="63" height="30" fill="#5E1F2A"/>'
        f'<circle cx="35.5" cy="8" r="3" fill="#FFE680"/><line x1="35.5" y1="4" x2="35.5" y2="5" stroke="{BLACK}"/>'
        + pig(18, 34, 7) + pig(53, 34, 7) + pig(35.5, 28, 6.5) +
        '<ellipse cx="35.5" cy="52" rx="30" ry="13" fill="#0B7A2E" stroke="#3B2412" stroke-width="2"/>'
        f'<rect x="22" y="46" width="6" height="8" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.4" transform="rotate(-12 25 50)"/>'
        f'<rect x="30" y="44" width="6" height="8" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.4"/>'
        f'<rect x="42" y="47" width="6" height="8" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.4" transform="rotate(14 45 51)"/>'
        f'<circle cx="33" cy="57" r="2" fill="{GOLD}"/><circle cx="38" cy="58" r="2" fill="{RED}"/>'
        # the one from behind: back, ears and curly tail, on a stool
        '<rect x="27" y="84" width="17" height="3" fill="#8B5A2B"/><rect x="29" y="86" width="2" height="6" fill="#8B5A2B"/><rect x="40" y="86" width="2" height="6" fill="#8B5A2B"/>'
        f'<ellipse cx="35.5" cy="74" rx="11" ry="11" fill="#F7B8C6" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<path d="M28,64 L27,58 L32,62 Z M43,64 L44,58 L39,62 Z" fill="#F4A6B7" stroke="{BLACK}" stroke-width="0.5"/>'
        '<path d="M35.5,84 q3,2 1,4 q-2,1 -1,-2" fill="none" stroke="#E98AA0" stroke-width="1.2"/>',
        "#3B1118")


def back64():  # a cathedral with spires at night under a stormy sky
    windows = "".join(f'<rect x="{x}" y="{y}" width="2.6" height="5" rx="1.3" fill="#FFD34D"/>'
                      for x, y in ((21, 66), (27, 66), (42, 66), (48, 66), (34, 56), (21, 76), (48, 76)))
    return back(
        '<defs><linearGradient id="night" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#0B1030"/><stop offset="1" stop-color="#3A2C6B"/></linearGradient></defs>'
        '<rect width="71" height="96" fill="url(#night)"/>'
        '<path d="M4,26 Q14,14 26,22 Q36,10 48,20 Q58,12 67,22 L67,4 L4,4 Z" fill="#4A4A6A"/>'
        '<path d="M48,6 L42,20 L47,20 L41,34 L54,16 L48,16 L53,6 Z" fill="#F8F3B0"/>'
        '<path d="M12,92 L12,60 L18,52 L18,34 L21,20 L24,34 L24,52 L30,46 L35.5,30 L41,46 L47,52 L47,34 L50,20 L53,34 L53,52 L59,60 L59,92 Z" fill="#141420" stroke="#5B5B7A" stroke-width="0.5"/>'
        + windows +
        '<path d="M32,92 L32,82 Q35.5,77 39,82 L39,92 Z" fill="#FFD34D"/>'
        '<circle cx="35.5" cy="46" r="3" fill="none" stroke="#FFD34D" stroke-width="1"/>',
        "#0B1030")


def back65():  # a red flower against a dark abstract background
    petals = "".join(f'<ellipse cx="35.5" cy="36" rx="6" ry="13" fill="{"#D7192D" if i % 2 else "#B0102A"}" stroke="#5A0010" stroke-width="0.5" transform="rotate({i*45} 35.5 48)"/>'
                     for i in range(8))
    return back(
        '<rect width="71" height="96" fill="#14141F"/>'
        f'<path d="M4,30 L30,4 L44,4 L4,44 Z" fill="{NAVY}"/><path d="M67,60 L30,92 L46,92 L67,74 Z" fill="#2A1F4A"/>'
        '<circle cx="58" cy="18" r="9" fill="#2A2F55"/><circle cx="12" cy="80" r="7" fill="#2F244F"/>'
        '<path d="M35.5,60 Q33,76 36,92" fill="none" stroke="#2E7D32" stroke-width="2.2"/>'
        '<path d="M35,76 Q24,70 20,76 Q28,82 35,78 Z" fill="#2E7D32"/>'
        + petals +
        '<circle cx="35.5" cy="48" r="5" fill="#F2C14E" stroke="#7A4A00" stroke-width="0.6"/>',
        "#0A0A12")


def back66():  # a steep rocky sea stack with surf at dusk
    return back(
        '<defs><linearGradient id="dusk" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3B2A6B"/><stop offset="0.55" stop-color="#E3703A"/><stop offset="1" stop-color="#F6C35B"/></linearGradient></defs>'
        '<rect width="71" height="96" fill="url(#dusk)"/>'
        '<circle cx="18" cy="56" r="7" fill="#FCE38A"/>'
        '<path d="M4,62 H67 V92 H4 Z" fill="#24406B"/>'
        '<path d="M4,66 H67 M4,72 H67" stroke="#F6C35B" stroke-width="0.6" opacity="0.6"/>'
        f'<path d="M32,80 L34,40 L38,24 L44,20 L48,30 L50,50 L54,80 Z" fill="#3D2B22" stroke="{BLACK}" stroke-width="0.6"/>'
        '<path d="M38,24 L41,40 L40,60 M46,30 L47,52" fill="none" stroke="#6B4A38" stroke-width="1"/>'
        f'<path d="M24,82 Q30,72 34,78 Q40,70 46,78 Q52,70 60,82 Z" fill="{WHITE}"/>'
        f'<path d="M4,88 Q20,80 36,88 Q52,80 67,88 L67,92 L4,92 Z" fill="{WHITE}" opacity="0.85"/>',
        "#2A1F4A")


def back67():  # swirling blue-and-white waves
    swirls = []
    for i, (cx, cy, r) in enumerate(((22, 26, 12), (50, 44, 13), (24, 66, 12), (52, 82, 10))):
        swirls.append(f'<path d="M{cx-r},{cy} A{r},{r} 0 1 1 {cx},{cy+r} A{r*0.7},{r*0.7} 0 1 1 {cx+r*0.7},{cy} A{r*0.4},{r*0.4} 0 1 1 {cx},{cy-r*0.4}" '
                      f'fill="none" stroke="{WHITE}" stroke-width="{2.4 if i % 2 else 3}" stroke-linecap="round"/>')
    return back(
        '<rect width="71" height="96" fill="#1565C0"/>'
        '<path d="M4,40 Q20,28 36,40 Q52,52 67,40 L67,60 Q52,72 36,60 Q20,48 4,60 Z" fill="#0D47A1"/>'
        '<path d="M4,80 Q20,68 36,80 Q52,92 67,80 L67,92 L4,92 Z" fill="#0D47A1"/>'
        + "".join(swirls),
        "#0D2F6B")


def back68():  # two laughing clowns
    return back(
        '<rect width="71" height="96" fill="#6A2C91"/>'
        '<path d="M4,4 L67,92 M67,4 L4,92" stroke="#8E44AD" stroke-width="8"/>'
        + clown_face(22, 42, 10, "#2ECC71", hat="#F1C40F") + clown_face(50, 60, 10, "#E67E22", hat="#E74C3C") +
        f'<path d="M14,52 Q22,58 30,52 L30,92 L14,92 Z" fill="#F1C40F" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<path d="M42,70 Q50,76 58,70 L58,92 L42,92 Z" fill="#E74C3C" stroke="{BLACK}" stroke-width="0.5"/>'
        f'<circle cx="22" cy="62" r="1.6" fill="{BLACK}"/><circle cx="22" cy="72" r="1.6" fill="{BLACK}"/>'
        f'<circle cx="50" cy="80" r="1.6" fill="{WHITE}"/>',
        "#3E1A56")


def tree(x, base, h):
    return (f'<path d="M{x},{base-h} L{x+h*0.35},{base} L{x-h*0.35},{base} Z" fill="#1B4D2E" stroke="#0E2A18" stroke-width="0.5"/>'
            f'<path d="M{x},{base-h} L{x+h*0.15},{base-h*0.55} L{x-h*0.15},{base-h*0.55} Z" fill="{WHITE}"/>')


def back69():  # a snowy cottage with lit windows among trees at night, full moon
    return back(
        '<rect width="71" height="96" fill="#0E1A3C"/>'
        '<circle cx="50" cy="20" r="9" fill="#FFF6CC"/><circle cx="47" cy="18" r="1.5" fill="#EDE3B5"/><circle cx="53" cy="23" r="1" fill="#EDE3B5"/>'
        f'<circle cx="14" cy="12" r="0.8" fill="{WHITE}"/><circle cx="28" cy="9" r="0.7" fill="{WHITE}"/><circle cx="22" cy="28" r="0.6" fill="{WHITE}"/>'
        '<path d="M4,70 Q35,60 67,70 L67,92 L4,92 Z" fill="#F2F6FA"/>'
        + tree(12, 72, 26) + tree(60, 74, 22) +
        f'<rect x="22" y="56" width="27" height="18" fill="#7B4B2A" stroke="{BLACK}" stroke-width="0.6"/>'
        f'<path d="M18,58 L35.5,42 L53,58 Z" fill="{WHITE}" stroke="#9FB3C8" stroke-width="0.6"/>'
        f'<rect x="41" y="43" width="4" height="9" fill="#5A3A1A"/><rect x="40.5" y="42" width="5" height="2" fill="{WHITE}"/>'
        '<rect x="25" y="60" width="6" height="5" fill="#FFD34D" stroke="#3B2412" stroke-width="0.5"/>'
        '<rect x="40" y="60" width="6" height="5" fill="#FFD34D" stroke="#3B2412" stroke-width="0.5"/>'
        '<rect x="33" y="63" width="5" height="11" fill="#3B2412"/>'
        '<circle cx="30" cy="86" r="0.8" fill="#B0C4DE"/><circle cx="50" cy="82" r="0.8" fill="#B0C4DE"/>',
        "#0A1230")


# --- Money -------------------------------------------------------------------------------------
# On the table a bill shows only its left 87 pixels, so the value sits large at the left in a
# block of the note's own colour; the harbour emblem and the second value follow to the right.
BILLS = [1, 5, 10, 20, 50, 100, 500, 1000]
# value: (ink, paper, emblem)
NOTE = {1: ("#4A4A4A", "#ECEBE4", "anchor"), 5: ("#1D5FA6", "#DDE9F6", "lighthouse"),
        10: ("#B3501A", "#F8E4D2", "wharf"), 20: ("#127A72", "#D6EFEC", "anchor"),
        50: ("#6B2D94", "#ECDDF4", "lighthouse"), 100: ("#A8172F", "#F7DCDF", "wharf"),
        500: ("#7A5A00", "#F4E7B8", "anchor"), 1000: (f"{NAVY}", "#DCDDF0", "lighthouse")}
DIGIT = 0.63   # advance of a bold condensed digit (and of "$"), in ems
BAND_FONT = "Liberation Sans Narrow"   # about 0.46 em a digit: the long totals fit the band


def fitted(x, y, s, size, fill, width, family=NARROW, anchor="start", extra="", advance=DIGIT):
    """Text squeezed sideways, never shrunk, when it would run wider than `width`."""
    natural = len(s) * advance * size
    squeeze = min(1.0, width / natural)
    if squeeze >= 1.0:
        return text(x, y, s, size, fill, family, anchor=anchor, extra=extra)
    return (f'<g transform="translate({x},{y}) scale({squeeze:.3f},1)">'
            + text(0, 0, s, size, fill, family, anchor=anchor, extra=extra) + '</g>')


def emblem(kind, cx, cy, ink, paper):
    """An oval cartouche with one of the three harbour pictures, in the note's ink."""
    out = [f'<ellipse cx="{cx}" cy="{cy}" rx="10.5" ry="14" fill="{paper}" stroke="{ink}" stroke-width="1.4"/>',
           f'<ellipse cx="{cx}" cy="{cy}" rx="8" ry="11.5" fill="none" stroke="{ink}" stroke-width="0.8"/>']
    if kind == "anchor":
        out.append(f'<g fill="none" stroke="{ink}" stroke-width="1.7" stroke-linecap="round">'
                   f'<circle cx="{cx}" cy="{cy-8}" r="1.8"/>'
                   f'<path d="M{cx},{cy-6} V{cy+8} M{cx-4.5},{cy-3.5} H{cx+4.5} M{cx-6},{cy+2.5} Q{cx-5},{cy+8.5} {cx},{cy+8.5} Q{cx+5},{cy+8.5} {cx+6},{cy+2.5}"/></g>'
                   f'<path d="M{cx-7.5},{cy+1.5} l3,0.5 l-1.5,2.5 Z M{cx+7.5},{cy+1.5} l-3,0.5 l1.5,2.5 Z" fill="{ink}"/>')
    elif kind == "lighthouse":
        out.append(f'<path d="M{cx-3.5},{cy+8} L{cx-2.2},{cy-4} H{cx+2.2} L{cx+3.5},{cy+8} Z" fill="{ink}"/>'
                   f'<path d="M{cx-2.9},{cy+1.5} H{cx+2.9} L{cx+3.1},{cy+3.5} H{cx-3.1} Z" fill="{paper}"/>'
                   f'<rect x="{cx-2}" y="{cy-7.5}" width="4" height="3" fill="{GOLD}" stroke="{ink}" stroke-width="0.8"/>'
                   f'<path d="M{cx-3},{cy-7.5} L{cx},{cy-10.5} L{cx+3},{cy-7.5} Z" fill="{ink}"/>'
                   f'<path d="M{cx+2.5},{cy-6.5} L{cx+8},{cy-9} V{cy-4} Z M{cx-2.5},{cy-6.5} L{cx-8},{cy-9} V{cy-4} Z" fill="{GOLD}" opacity="0.8"/>'
                   f'<path d="M{cx-8},{cy+9.5} Q{cx-4},{cy+7.5} {cx},{cy+9.5} Q{cx+4},{cy+11.5} {cx+8},{cy+9.5}" fill="none" stroke="{ink}" stroke-width="1.2"/>')
    else:  # a wharf: a shed on a pier standing in the water
        out.append(f'<path d="M{cx-5},{cy-1} L{cx-1},{cy-6} L{cx+3},{cy-1} Z" fill="{ink}"/>'
                   f'<rect x="{cx-4}" y="{cy-1}" width="6" height="4.5" fill="{ink}"/>'
                   f'<rect x="{cx-2}" y="{cy+0.5}" width="2" height="3" fill="{paper}"/>'
                   f'<rect x="{cx-8}" y="{cy+3.5}" width="16" height="2" fill="{ink}"/>'
                   f'<path d="M{cx-6.5},{cy+5} V{cy+9.5} M{cx},{cy+5} V{cy+9.5} M{cx+6.5},{cy+5} V{cy+9.5}" stroke="{ink}" stroke-width="1.4"/>'
                   f'<rect x="{cx+4.5}" y="{cy+1}" width="2" height="2.5" fill="{ink}"/>'
                   f'<path d="M{cx-8.5},{cy+10} Q{cx-4},{cy+8} {cx},{cy+10} Q{cx+4},{cy+12} {cx+8.5},{cy+10}" fill="none" stroke="{ink}" stroke-width="1.2"/>')
    return "".join(out)


def bill_body(v):
    ink, paper, kind = NOTE[v]
    value = f"${v}"
    return (f'<rect x="0" y="0" width="117" height="50" fill="{ink}"/>'
            f'<rect x="2" y="2" width="113" height="46" fill="{paper}"/>'
            f'<rect x="4.5" y="4.5" width="108" height="41" fill="none" stroke="{ink}" stroke-width="1"/>'
            # the value block: the figure a player reads at a glance
            f'<rect x="4" y="4" width="47" height="42" fill="{ink}"/>'
            + fitted(7, 33.5, value, 23, GOLD if v == 1000 else PAPER, 41) +   # the top note in gold
            f'<rect x="51" y="10" width="2" height="30" fill="{GOLD}"/>'
            + emblem(kind, 66, 25, ink, paper) +
            f'<path d="M80,13 H111 M80,37 H111" stroke="{ink}" stroke-width="1"/>'
            + fitted(99.5, 30.5, str(v), 14, ink, 24, anchor="middle"))


def loose_bill(v, x, y, angle, cx, cy):
    """A bill lying on the felt in a picture, a little smaller than in the money panel."""
    return f'<g transform="rotate({angle} {cx} {cy}) translate({x},{y}) scale(0.77)">{bill_body(v)}</g>'


def single_bill(v):
    return svg(117, 50, bill_body(v))


def bundle(total, of, band):
    """A stack of bills seen a little from above, held by a paper band printed with the total.

    The band sits right of the top bill's value block, over the emblem, so both figures read."""
    ink, paper, _ = NOTE[of]
    edges = "".join(f'<rect x="1" y="{y}" width="117" height="1" fill="{ink}"/>' for y in (44.5, 46.5, 48.5))
    return svg(119, 51,
               f'<rect x="1" y="43" width="117" height="7.5" fill="{paper}" stroke="{ink}" stroke-width="1"/>'
               + edges +
               f'<g transform="translate(1,0) scale(1,0.9)">{bill_body(of)}</g>'
               f'<rect x="53.5" y="0.5" width="33" height="50" fill="{band}" stroke="{BLACK}" stroke-width="1"/>'
               f'<rect x="54" y="17" width="32" height="14" fill="{WHITE}"/>'
               + fitted(70, 28, f"${total:,}", 11, BLACK, 31, BAND_FONT, anchor="middle", advance=0.46))


# --- Glyphs and pictures -----------------------------------------------------------------------
def glyph_page(heart):
    body = (f'<path d="M1.5,0.5 H8 L11.5,4 V14.5 H1.5 Z" fill="{WHITE}" stroke="#404040" stroke-width="1"/>'
            '<path d="M8,0.5 V4 H11.5" fill="none" stroke="#404040" stroke-width="0.8"/>')
    if heart:
        body += f'<path d="M4,8 C2,6.5 2,4.5 3.5,4.5 C4.2,4.5 4.6,5 4.8,5.5 C5,5 5.4,4.5 6.1,4.5 C7.6,4.5 7.6,6.5 4.8,9 Z" fill="{RED}"/>'
        body += text(8.3, 13.5, "?", 8, "#1F4FD1", SANS)
    else:
        body += text(6.5, 12.5, "?", 10, "#1F4FD1", SANS)
    return svg(12, 15, body)


def glyph_book(open_):
    if open_:
        body = ('<path d="M8,4 Q4,2 0.5,3 V13.5 Q4,12.5 8,14.5 Q12,12.5 15.5,13.5 V3 Q12,2 8,4 Z" fill="#7B3FA0" stroke="#3A1A50" stroke-width="0.8"/>'
                f'<path d="M8,4.5 Q5,3 2,3.8 V12.3 Q5,11.6 8,13 Z M8,4.5 Q11,3 14,3.8 V12.3 Q11,11.6 8,13 Z" fill="{WHITE}"/>'
                '<path d="M8,4.5 V13" stroke="#3A1A50" stroke-width="0.6"/>')
    else:
        body = ('<rect x="2.5" y="1.5" width="11" height="13" rx="1" fill="#7B3FA0" stroke="#3A1A50" stroke-width="1"/>'
                f'<rect x="2.5" y="12" width="11" height="2.5" fill="{WHITE}" stroke="#3A1A50" stroke-width="0.6"/>'
                + text(8.5, 10.5, "?", 9, "#F2D024", SANS))
    return svg(16, 16, body)


def chip_stack(x, y, n, fill):
    return "".join(f'<ellipse cx="{x}" cy="{y-i*3.2:.1f}" rx="13" ry="4.5" fill="{fill}" stroke="{BLACK}" stroke-width="0.6"/>'
                   f'<ellipse cx="{x}" cy="{y-i*3.2:.1f}" rx="8" ry="2.6" fill="none" stroke="{WHITE}" stroke-width="0.8" stroke-dasharray="2 2"/>'
                   for i in range(n))


def mini_card(x, y, label, angle, w=44, h=60):
    return (f'<g transform="rotate({angle} {x + w/2} {y + h})">'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="3" fill="{PAPER}" stroke="{BLACK}" stroke-width="0.8"/>'
            + text(x + 7, y + 12, label, 10, RED, NARROW) +
            f'<path transform="translate({x + 7},{y + 19}) scale(0.3)" d="M0,8.5 C-3,5 -9.5,1 -9.5,-3.5 C-9.5,-7.5 -6.5,-9.5 -4.5,-9.5 C-2.5,-9.5 -0.8,-8.3 0,-6.2 C0.8,-8.3 2.5,-9.5 4.5,-9.5 C6.5,-9.5 9.5,-7.5 9.5,-3.5 C9.5,1 3,5 0,8.5 Z" fill="{RED}"/>'
            '</g>')


def title_picture():
    cards = "".join(mini_card(250, 118, lab, ang) for lab, ang in (("10", -36), ("J", -18), ("Q", 0), ("K", 18), ("A", 36)))
    return svg(422, 281,
               '<defs><radialGradient id="felt" cx="0.5" cy="0.45" r="0.7"><stop offset="0" stop-color="#0FA03A"/><stop offset="1" stop-color="#006A1C"/></radialGradient></defs>'
               '<rect width="422" height="281" fill="url(#felt)"/>'
               + chip_stack(50, 230, 6, f"{RED}") + chip_stack(84, 240, 4, f"{NAVY}") + chip_stack(64, 262, 3, f"{GOLD}") +
               loose_bill(100, 110, 205, -8, 150, 230) + loose_bill(500, 120, 228, 6, 160, 250)
               + cards +
               # the hand holding the fan
               f'<path d="M256,190 Q262,176 280,176 L300,178 Q318,176 328,186 L334,214 Q330,236 310,244 L284,246 Q264,240 258,222 Z" fill="#F0C8A0" stroke="{BLACK}" stroke-width="1"/>'
               f'<path d="M300,178 Q314,170 322,178 Q316,186 304,188 Z" fill="#F0C8A0" stroke="{BLACK}" stroke-width="0.8"/>'
               f'<path d="M278,246 L276,281 L318,281 L312,244 Z" fill="{NAVY}" stroke="{BLACK}" stroke-width="1"/>'
               + text(211, 62, "Brindlewharf", 58, "#FFD34D", SERIF, extra=' font-style="italic" stroke="#5A3A00" stroke-width="1.2"') +
               text(211, 92, "Version 1.1", 18, f"{WHITE}", SERIF, weight="normal") +
               text(130, 122, "Five-card draw against the House", 12, "#DDEEDD", SANS, weight="normal") +
               # the credit, beside the hand and above where the about window puts its OK button
               f'<rect x="336" y="212" width="82" height="38" rx="3" fill="#003D10" opacity="0.8"/>'
               + text(377, 224, "Brindlewharf 1.1", 8, f"{WHITE}", NARROW, weight="bold") +
               text(377, 235, "\u00a9 2026 the", 6.4, f"{WHITE}", NARROW, weight="normal") +
               text(377, 245, "Brindlewharf developers", 6.4, f"{WHITE}", NARROW, weight="normal"))


# In the dialog an olive bar crosses the picture at x 226..230 and the frame covers x 273 onwards,
# so the fan of credit cards has the strip between them to itself.
FAN_STRIP = (232.0, 272.0)


def credit_card_fan():
    w, h, px, py = 20, 38, 252, 120          # card size, and the pivot just below the cards
    cards = []
    for angle, fill in ((-14, f"{NAVY}"), (-4.7, f"{RED}"), (4.7, f"{GOLD}"), (14, "#2B59C3")):
        x, y = px - w / 2, py - 2 - h
        for cx, cy in ((x, y), (x + w, y), (x, y + h), (x + w, y + h)):
            a = math.radians(angle)
            rx = px + (cx - px) * math.cos(a) - (cy - py) * math.sin(a)
            assert FAN_STRIP[0] <= rx <= FAN_STRIP[1], (angle, rx)
        cards.append(f'<g transform="rotate({angle} {px} {py})">'
                     f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2.5" fill="{fill}" stroke="{BLACK}" stroke-width="0.8"/>'
                     f'<rect x="{x + 3}" y="{y + 4}" width="6" height="5" rx="1" fill="{GOLD}" stroke="{BLACK}" stroke-width="0.5"/>'
                     f'<rect x="{x + 3}" y="{y + h - 8}" width="{w - 6}" height="2" fill="{WHITE}" opacity="0.85"/>'
                     f'<rect x="{x + 3}" y="{y + h - 5}" width="{w - 10}" height="2" fill="{WHITE}" opacity="0.85"/></g>')
    return "".join(cards)


def broke_picture():
    fan = credit_card_fan()
    return svg(275, 150,
               f'<rect width="275" height="150" fill="{GREEN}"/>'
               + text(120, 30, "You're Broke!", 24, "#FFD34D", SERIF, extra=' font-style="italic"') +
               text(120, 50, "Game Over", 16, f"{WHITE}", SERIF) +
               # a wallet, empty
               f'<rect x="10" y="62" width="40" height="28" rx="4" fill="#6B3E1E" stroke="{BLACK}" stroke-width="1"/>'
               f'<path d="M30,62 L50,62 L50,78 L30,78 Q26,70 30,62 Z" fill="#8B5A2B" stroke="{BLACK}" stroke-width="0.8"/>'
               f'<circle cx="44" cy="70" r="2" fill="{GOLD}"/>'
               # empty pockets turned out
               f'<path d="M12,100 L24,100 L22,122 Q18,128 14,122 Z" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.8"/>'
               f'<path d="M30,100 L42,100 L40,122 Q36,128 32,122 Z" fill="{WHITE}" stroke="{BLACK}" stroke-width="0.8"/>'
               '<circle cx="18" cy="132" r="1.2" fill="#CCCCCC"/><circle cx="37" cy="134" r="1" fill="#CCCCCC"/>'
               + text(160, 84, "Credit Extension", 12, f"{WHITE}", SERIF) +
               text(160, 100, "Approved!", 15, "#FFD34D", SERIF, extra=' font-style="italic"') +
               fan)


def calculator_picture():
    keys = "".join(f'<rect x="{22 + c*15}" y="{62 + r*15}" width="12" height="11" rx="2" fill="{"#C8102E" if (r, c) == (4, 3) else "#D9D9D9"}" stroke="{BLACK}" stroke-width="0.5"/>'
                   for r in range(5) for c in range(4))
    return svg(100, 167,
               f'<rect width="100" height="167" fill="{GREEN}"/>'
               + loose_bill(20, 0, 100, -12, 50, 120) + loose_bill(50, 8, 120, 9, 50, 140) +
               f'<circle cx="14" cy="150" r="8" fill="{GOLD}" stroke="#7A5A00"/><circle cx="86" cy="154" r="7" fill="#C0C0C0" stroke="#606060"/>'
               f'<rect x="16" y="20" width="68" height="126" rx="6" fill="#2F3A4A" stroke="{BLACK}" stroke-width="1"/>'
               f'<rect x="22" y="28" width="56" height="24" rx="2" fill="#A8C69F" stroke="{BLACK}" stroke-width="0.6"/>'
               + text(74, 46, "1,000", 13, "#203020", NARROW, anchor="end") + keys)


def tool(kind):
    if kind == "save":
        body = (f'<rect x="3.5" y="3.5" width="18" height="18" rx="1.5" fill="{NAVY}" stroke="{BLACK}"/>'
                f'<rect x="7" y="4" width="11" height="7" fill="{WHITE}"/><rect x="14" y="5" width="2.5" height="5" fill="{NAVY}"/>'
                '<rect x="7" y="14" width="11" height="7" fill="#D9D9D9"/>')
    elif kind == "open":
        body = (f'<path d="M2.5,7.5 H9 L11,9.5 H20.5 V20.5 H2.5 Z" fill="{GOLD}" stroke="#7A5A00"/>'
                '<path d="M2.5,20.5 L6,12.5 H23.5 L20.5,20.5 Z" fill="#F2C94C" stroke="#7A5A00"/>')
    elif kind == "current":
        body = (f'<rect x="4.5" y="3.5" width="12" height="17" rx="1.5" fill="{PAPER}" stroke="{BLACK}"/>'
                f'<rect x="8.5" y="5.5" width="12" height="17" rx="1.5" fill="{PAPER}" stroke="{BLACK}"/>'
                f'<path transform="translate(14.5,14) scale(0.3)" d="M0,8.5 C-3,5 -9.5,1 -9.5,-3.5 C-9.5,-7.5 -6.5,-9.5 -4.5,-9.5 C-2.5,-9.5 -0.8,-8.3 0,-6.2 C0.8,-8.3 2.5,-9.5 4.5,-9.5 C6.5,-9.5 9.5,-7.5 9.5,-3.5 C9.5,1 3,5 0,8.5 Z" fill="{RED}"/>')
    else:
        body = '<circle cx="12.5" cy="12.5" r="9.5" fill="#1F4FD1" stroke="#0A2A80"/>' + text(12.5, 18, "?", 15, f"{WHITE}", SANS)
    return svg(25, 25, body)


def main(art):
    CAT, PIC = f"{art}/catalogue", f"{art}/pictures"
    os.makedirs(CAT, exist_ok=True)
    os.makedirs(PIC, exist_ok=True)
    backs = [back60, back61, back62, back63, back64, back65, back66, back67, back68, back69]
    for i, f in enumerate(backs):
        write(f"{CAT}/{60 + i}.svg", f())
    for v in BILLS:
        write(f"{CAT}/{v + 1000}.svg", single_bill(v))
    for total, of, band in ((5000, 5, "#F2B233"), (10000, 10, "#2B59C3"), (20000, 20, f"{RED}"),
                            (50000, 50, "#F06EAA"), (100000, 100, "#16A085"), (500000, 500, "#8E44AD")):
        bid = total + 1000 if total < 10000 else total // 100
        write(f"{CAT}/{bid}.svg", bundle(total, of, band))
    write(f"{CAT}/90.svg", glyph_page(False))
    write(f"{CAT}/91.svg", glyph_page(True))
    write(f"{CAT}/92.svg", glyph_book(False))
    write(f"{CAT}/93.svg", glyph_book(True))
    write(f"{PIC}/title.svg", title_picture())
    write(f"{PIC}/broke.svg", broke_picture())
    write(f"{PIC}/calculator.svg", calculator_picture())
    for kind in ("save", "open", "current", "help"):
        write(f"{PIC}/tool_{kind}.svg", tool(kind))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/art")
