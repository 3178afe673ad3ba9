"""The colours the artwork shares (ART.md), one place for both art generators."""

GREEN = "#008000"   # the table's felt: every picture's corners and edges where it meets the table
OLIVE = "#808000"   # frames
RED = "#C8102E"     # card red
BLACK = "#141414"   # card black, and every outline
PAPER = "#FBFAF5"   # card faces
GOLD = "#D4A017"    # crowns and chips
NAVY = "#1F2A60"    # night skies and ink
SKIN = "#F4D2B0"
WHITE = "#FFFFFF"
