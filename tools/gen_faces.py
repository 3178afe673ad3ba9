#!/usr/bin/env python3
"""Writes the 52 card faces, the winking King of Hearts (53) and the program icon as SVG.

Everything repetitive -- pip layouts, corner indices, the court cards' mirrored halves -- is
generated here from small tables; run it from the repository root after changing the art:
    python3 tools/gen_faces.py
"""
import os

OUT = "resources/art/catalogue"
PICTURES = "resources/art/pictures"

GREEN = "#008000"
RED = "#C8102E"
BLACK = "#141414"
PAPER = "#FBFAF5"
GOLD = "#D4A017"
NAVY = "#1F2A60"
SKIN = "#F4D2B0"

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
# One half figure in the top half of the panel (x 12..59, y 9..48), drawn again turned half round.

HAIR = {"J": "#8A5A2B", "Q": "#E3B448", "K": "#6E6E6E"}

def eyes_and_mouth(cx, cy, wink=False, grin=False, king_of_hearts=False):
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

def half_figure(court, suit, suit_index, face_parts):
    col = colour(suit)
    hx, hy = 35.5 + (-3 if suit_index % 2 else 3), 25.0   # head leans a little, alternating by suit
    out = []
    # Robe: shoulders down to the centre line, in the suit's colour with gold trim and a navy collar.
    out.append(f'<path d="M14,48 L16,38 Q{hx-10:.1f},32 {hx:.1f},32 Q{hx+10:.1f},32 55,38 L57,48 Z" fill="{col}" stroke="{BLACK}" stroke-width="0.75"/>')
    out.append(f'<path d="M{hx-6:.1f},33 L{hx:.1f},41 L{hx+6:.1f},33" fill="none" stroke="{GOLD}" stroke-width="2"/>')
    out.append(f'<path d="M{hx-5:.1f},32.5 Q{hx:.1f},36.5 {hx+5:.1f},32.5" fill="{NAVY}" stroke="{BLACK}" stroke-width="0.5"/>')
    # Patterned sleeve band differs by suit so that the courts are told apart.
    band_y = 42 + suit_index
    out.append(f'<rect x="15" y="{band_y}" width="41" height="2" fill="{GOLD}" opacity="0.9"/>')
    for i in range(5):
        out.append(f'<circle cx="{19 + i * 8.3:.1f}" cy="{band_y + 1}" r="0.8" fill="{NAVY}"/>')
    # Hair behind the head.
    out.append(f'<ellipse cx="{hx:.1f}" cy="{hy+1:.1f}" rx="7.6" ry="8" fill="{HAIR[court]}" stroke="{BLACK}" stroke-width="0.5"/>')
    if court == "K":  # beard
        out.append(f'<path d="M{hx-6:.1f},{hy+1:.1f} Q{hx:.1f},{hy+14:.1f} {hx+6:.1f},{hy+1:.1f} Z" fill="{HAIR["K"]}" stroke="{BLACK}" stroke-width="0.5"/>')
    # Face.
    out.append(f'<ellipse cx="{hx:.1f}" cy="{hy:.1f}" rx="5.6" ry="6.4" fill="{SKIN}" stroke="{BLACK}" stroke-width="0.6"/>')
    out.append(face_parts(hx, hy))
    if court == "K":  # moustache
        out.append(f'<path d="M{hx-3.5:.1f},{hy+2.2:.1f} Q{hx:.1f},{hy+0.6:.1f} {hx+3.5:.1f},{hy+2.2:.1f}" fill="none" stroke="{HAIR["K"]}" stroke-width="1.1"/>')
    # Headwear.
    if court == "J":
        out.append(f'<path d="M{hx-7:.1f},{hy-4:.1f} Q{hx:.1f},{hy-12:.1f} {hx+7:.1f},{hy-4:.1f} Z" fill="{NAVY if suit_index % 2 else col}" stroke="{BLACK}" stroke-width="0.6"/>')
        out.append(f'<path d="M{hx+4:.1f},{hy-8:.1f} q6,-4 9,1" fill="none" stroke="{GOLD}" stroke-width="1.2"/>')
    else:
        tall = 7 if court == "K" else 5
        out.append(f'<path d="M{hx-6.5:.1f},{hy-4.5:.1f} L{hx-6.5:.1f},{hy-4.5-tall:.1f} L{hx-3.2:.1f},{hy-7:.1f} L{hx:.1f},{hy-4.5-tall-1:.1f} '
                   f'L{hx+3.2:.1f},{hy-7:.1f} L{hx+6.5:.1f},{hy-4.5-tall:.1f} L{hx+6.5:.1f},{hy-4.5:.1f} Z" fill="{GOLD}" stroke="{BLACK}" stroke-width="0.6"/>')
        out.append(f'<circle cx="{hx:.1f}" cy="{hy-6.2:.1f}" r="1" fill="{RED if suit_index != 0 else NAVY}"/>')
    # What the figure holds, different for each suit.
    side = -1 if suit_index % 2 else 1
    ox = hx + side * 12
    if court == "K":
        if suit_index in (0, 3):   # sword
            out.append(f'<line x1="{ox:.1f}" y1="13" x2="{ox:.1f}" y2="44" stroke="#9AA3AD" stroke-width="1.6"/>')
            out.append(f'<line x1="{ox-3:.1f}" y1="38" x2="{ox+3:.1f}" y2="38" stroke="{GOLD}" stroke-width="1.6"/>')
        else:                      # sceptre
            out.append(f'<line x1="{ox:.1f}" y1="16" x2="{ox:.1f}" y2="44" stroke="{GOLD}" stroke-width="1.4"/>')
            out.append(f'<circle cx="{ox:.1f}" cy="15" r="2" fill="{GOLD}" stroke="{BLACK}" stroke-width="0.5"/>')
    elif court == "Q":             # a flower
        out.append(f'<line x1="{ox:.1f}" y1="22" x2="{ox-side*4:.1f}" y2="40" stroke="#2E7D32" stroke-width="1"/>')
        petal = "#E05A8A" if suit_index % 2 else "#F2C14E"
        for dx, dy in ((0, -2.2), (2.2, 0), (0, 2.2), (-2.2, 0)):
            out.append(f'<circle cx="{ox+dx:.1f}" cy="{20+dy:.1f}" r="1.8" fill="{petal}"/>')
        out.append(f'<circle cx="{ox:.1f}" cy="20" r="1.2" fill="{GOLD}"/>')
    else:                          # a halberd or a leaf
        if suit_index < 2:
            out.append(f'<line x1="{ox:.1f}" y1="12" x2="{ox:.1f}" y2="44" stroke="#7B4B22" stroke-width="1.2"/>')
            out.append(f'<path d="M{ox:.1f},12 l{side*4:.1f},3 l{-side*4:.1f},3 Z" fill="#9AA3AD" stroke="{BLACK}" stroke-width="0.4"/>')
        else:
            out.append(f'<path d="M{ox:.1f},40 Q{ox+side*6:.1f},24 {ox:.1f},14 Q{ox-side*3:.1f},26 {ox:.1f},40 Z" fill="#2E7D32" stroke="{BLACK}" stroke-width="0.4"/>')
    # A small pip beside the head.
    out.append(pip(suit, hx - side * 12, 16, 6))
    return "".join(out)

def court_card(court, suit, suit_index, wink=False):
    col = colour(suit)
    is_king_of_hearts = court == "K" and suit == "heart"
    def face_top(cx, cy):
        return eyes_and_mouth(cx, cy, wink=wink, grin=wink, king_of_hearts=is_king_of_hearts)
    def face_bottom(cx, cy):
        return eyes_and_mouth(cx, cy)
    top = half_figure(court, suit, suit_index, face_top).replace('id="', 'id="top-')
    bottom = half_figure(court, suit, suit_index, face_bottom).replace('id="', 'id="bottom-')
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
            f'<path d="M18.5,23 Q21,25 23.5,23" fill="none" stroke="#8B1A1A" stroke-width="1"/>\n'
            f'<path d="M15.5,24 Q21,31 26.5,24 L26.5,30 Q21,32 15.5,30 Z" fill="{RED}" stroke="{BLACK}" stroke-width="0.5"/>\n'
            '</svg>\n')

def main():
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
    main()
