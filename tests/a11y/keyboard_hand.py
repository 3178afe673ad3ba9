"""One hand with the keyboard alone, read from the accessibility tree (AT-SPI) as Orca reads it.

Name, bet and Enter in the welcome dialog; two cards turned with the digit keys; Enter to draw.
At the deal the five player cards must be named as five different real cards and the Dealer's as
face down; after the showdown all ten are real cards, the two discarded places changed, and the
category named under each hand is the category of the five cards named for that side. The cards
drawn and the Dealer's five cards are heard by name, nothing nameless takes the focus during the
hand, and a bill pressed with the keyboard is heard with the bet it makes.

An event listener hears what Orca would speak: an object taking the focus (its name and
description), a change of the name or description of the object that holds the focus, and a
notification appearing. The
deal, the Dealer's draw and the showdown must each be heard that way, the showdown with its
result and both hands; and no focus may fall on a bill while the cards are dealt.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

RANKS = ["Deuce", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen", "King", "Ace"]
SUITS = ["Hearts", "Diamonds", "Clubs", "Spades"]
CATEGORIES = ["", "Pair", "Two Pair", "Three of a Kind", "Straight", "Flush", "Full House", "Four of a Kind",
              "Straight Flush", "Royal Flush"]
CARD = re.compile(r"^(Your card|Dealer's card) (\d): (.*)$")


def category(cards):
    """The category of five (rank, suit) pairs, ranks 0 (Deuce) to 12 (Ace)."""
    ranks = sorted(r for r, _ in cards)
    counts = sorted((ranks.count(r) for r in set(ranks)), reverse=True)
    flush = len({s for _, s in cards}) == 1
    straight = len(set(ranks)) == 5 and (ranks[4] - ranks[0] == 4 or ranks == [0, 1, 2, 3, 12])
    if straight and flush:
        return 9 if ranks[0] == 8 else 8
    if counts[0] == 4:
        return 7
    if counts[:2] == [3, 2]:
        return 6
    if flush:
        return 5
    if straight:
        return 4
    return {3: 3, 2: 2 if counts[:2] == [2, 2] else 1}.get(counts[0], 0)


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and (app.name or "").startswith("Brindlewharf"):
                return app
        time.sleep(0.3)
    sys.exit("the program never appeared in the accessibility tree")


HEARD = []  # (kind, role, name, description) of every event Orca would speak, in order


def heard_event(event):
    try:
        source = event.source
        focused = source.getState().contains(pyatspi.STATE_FOCUSED)
        role, name, description = source.getRoleName(), source.name or "", source.description or ""
    except Exception:  # the object went away before it could be read
        return
    if event.type.startswith("object:state-changed:focused"):
        if event.detail1 == 1:
            HEARD.append(("focus", role, name, description))
    elif event.type.startswith("object:state-changed:showing"):
        if event.detail1 == 1 and role == "notification":
            HEARD.append(("notice", role, name, description))
    elif focused:
        HEARD.append(("changed", role, name, description))


def said(heard):
    """The news an event carries: a notification's name, any other object's description."""
    return heard[2] if heard[0] == "notice" else heard[3]


def pump():
    """Delivers the accessibility events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, test, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        pump()
        found = test()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"timed out waiting for {what}")


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def places(app):
    """Card place name -> what it shows, e.g. {"Your card 2": "Seven of Hearts"}."""
    named = {}
    for acc in walk(app):
        m = CARD.match(acc.name or "")
        if m:
            named[f"{m.group(1)} {m.group(2)}"] = m.group(3)
    return named


def print_tree(acc, depth=0):
    """The tree as a screen reader walks it: role, name and, where there is one, description."""
    if not showing(acc) and depth > 0:
        return
    text = f'{"  " * depth}[{acc.getRoleName()}] "{acc.name}"'
    if acc.description:
        text += f" ({acc.description})"
    print(text)
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            print_tree(child, depth + 1)


def label(app, description):
    for acc in walk(app):
        if acc.getRoleName() == "label" and acc.description == description:
            return acc.name
    sys.exit(f"no label described as {description!r}")


def parse(card):
    rank, _, suit = card.partition(" of ")
    if rank not in RANKS or suit not in SUITS:
        return None
    return RANKS.index(rank), SUITS.index(suit)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "80", name], check=True)
        time.sleep(0.15)
        pump()


def main():
    failures = []

    def check(ok, what):
        print(("ok      " if ok else "FAILED  ") + what)
        if not ok:
            failures.append(what)

    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    # The game's remembered choices and hand history go to a folder of the test's, not the home's.
    home = tempfile.mkdtemp(prefix="brindlewharf-a11y-")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=os.path.join(home, "config"), XDG_DATA_HOME=os.path.join(home, "data"))
    game = subprocess.Popen([sys.argv[1]], env=env)
    for kind in ("object:state-changed:focused", "object:state-changed:showing",
                 "object:property-change:accessible-name",
                 "object:property-change:accessible-description"):
        pyatspi.Registry.registerEventListener(heard_event, kind)
    try:
        app = application()
        # The welcome dialog comes after the splash: name, Tab, bet, Enter.
        wait_for("the welcome dialog",
                 lambda: any(a.getRoleName() == "dialog" and a.name == "Welcome to Brindlewharf" and showing(a)
                             for a in walk(app)), timeout=30)
        time.sleep(0.5)
        subprocess.run(["xdotool", "type", "--delay", "80", "Ann"], check=True)
        keys("Tab")
        subprocess.run(["xdotool", "type", "--delay", "80", "50"], check=True)
        keys("Return")
        dealing_from = len(HEARD)

        dealt = wait_for("the deal", lambda: (lambda p: p if len(p) == 10 and all(
            v != "no card" for v in p.values()) and "Dealer's card 5" in p and p["Dealer's card 5"] == "face down"
            else None)(places(app)))
        print("The table after the deal, as the accessibility tree holds it (showing objects only):")
        for acc in walk(app):
            if acc.getRoleName() == "frame" and (acc.name or "").startswith("Brindlewharf"):
                print_tree(acc)
        wait_for("the deal heard", lambda: any(said(h).startswith("Dealt: ") for h in HEARD[dealing_from:]), 30)
        on_bills = [h for h in HEARD[dealing_from:] if h[0] == "focus" and h[2].startswith("Bet $")]
        check(not on_bills, f"no focus falls on a bill during the deal {on_bills}")
        mine = [dealt[f"Your card {n}"] for n in range(1, 6)]
        check(all(parse(c) for c in mine) and len(set(mine)) == 5, "the five player cards are five different cards")
        check(all(dealt[f"Dealer's card {n}"] == "face down" for n in range(1, 6)), "the Dealer's cards are face down")

        keys("2", "4")
        turned = places(app)
        check(all(turned[f"Your card {n}"] == dealt[f"Your card {n}"] + ", face down, to be replaced" for n in (2, 4)),
              "cards 2 and 4 are named with their cards, face down, to be replaced")
        keys("Return")

        final = wait_for("the showdown", lambda: (lambda p: p if all(
            parse(v) for v in p.values()) and len(p) == 10 else None)(places(app)), timeout=15)
        time.sleep(0.5)
        final = places(app)
        print("after the showdown:", final)
        check(all(parse(v) for v in final.values()), "all ten places show real cards")
        check(len(set(final.values())) == 10, "the ten cards are ten different cards")
        for n in range(1, 6):
            changed = final[f"Your card {n}"] != dealt[f"Your card {n}"]
            check(changed == (n in (2, 4)), f"your card {n} {'changed' if n in (2, 4) else 'kept'}")
        for side, description in (("Your card", "Your hand"), ("Dealer's card", "The Dealer's hand")):
            cards = [parse(final[f"{side} {n}"]) for n in range(1, 6)]
            shown = label(app, description)
            expected = CATEGORIES[category(cards)]
            check(shown == expected, f"{description}: shown {shown!r}, the cards make {expected!r}")
        result = label(app, "Result")
        told = wait_for("the showdown heard", lambda: [h for h in HEARD if said(h).startswith(result)], timeout=15)
        print("What a screen reader heard over the hand:")
        for kind, role, name, description in HEARD:
            print(f"  {kind:8} [{role}] {name!r}" + (f" ({description})" if description else ""))
        check(any("your " in said(h).lower() and "Dealer's " in said(h) and "Bank: $" in said(h) for h in told),
              f"the showdown is heard with its result, both hands and the bank: {said(told[-1])!r}")
        check(any(h[2].startswith("Dealer takes ") or h[3].startswith("Dealer takes ") for h in HEARD),
              "the Dealer's draw is heard")
        drew = [said(h) for h in HEARD if said(h).startswith("You drew ")]
        check(bool(drew) and all(final[f"Your card {n}"] in drew[-1] for n in (2, 4)),
              f"the cards drawn are heard by name: {drew}")
        dealers = ", ".join(final[f"Dealer's card {n}"] for n in range(1, 6))
        check(any(f"The Dealer's cards: {dealers}." in said(h) for h in told),
              f"the Dealer's five cards are heard with the showdown: {dealers}")
        nameless = [h for h in HEARD[dealing_from:] if h[0] == "focus" and not h[2].strip()]
        check(not nameless, f"nothing takes the focus without a name during the hand {nameless}")

        # A bill, by keys: Tab from the bet box to the first bill, Space.
        billing_from = len(HEARD)
        keys("Tab", "space")
        bill = wait_for("a bill heard", lambda: [said(h) for h in HEARD[billing_from:] if said(h).startswith("Bet $")
                                                 and " left" in said(h)], timeout=10)
        check(bool(re.match(r"^Bet \$\d+, \$\d+ left\.", bill[-1])), f"a bill pressed is heard with the bet: {bill[-1]!r}")
    finally:
        game.terminate()
        wm.terminate()
        try:
            game.wait(5)
        except subprocess.TimeoutExpired:
            game.kill()
        shutil.rmtree(home, ignore_errors=True)
    if failures:
        sys.exit(f"{len(failures)} check(s) failed")


if __name__ == "__main__":
    main()
