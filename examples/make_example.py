#!/usr/bin/env python3
"""Writes an example J'ADE export: a class of 25 made-up pupils evaluated in French and in
mathematics, as a .jad archive holding one XML document named after it.

  make_example.py OUT.jad
"""
import os
import random
import sys
import zipfile

PUPILS = [
    ("ARNAUD", "Léa"), ("BERNARD", "Hugo"), ("BLANC", "Inès"), ("BONNET", "Lucas"),
    ("CHEVALIER", "Chloé"), ("DAVID", "Nathan"), ("DUBOIS", "Emma"), ("DURAND", "Louis"),
    ("FAURE", "Manon"), ("FONTAINE", "Théo"), ("GARNIER", "Jade"), ("GIRARD", "Enzo"),
    ("LAMBERT", "Camille"), ("LEFEBVRE", "Noé"), ("MARCHAND", "Zoé"), ("MARTIN", "Paul"),
    ("MERCIER", "Clara"), ("MOREL", "Gabriel"), ("PERRIN", "Lina"), ("ROBERT", "Jules"),
    ("ROUSSEAU", "Anaïs"), ("ROUX", "Tom"), ("SIMON", "Eva"), ("THOMAS", "Maël"),
    ("VINCENT", "Rose"),
]
PROTOCOLS = [("FRACE2-2005", "Français", 82), ("MATCE2-2005", "Mathématiques", 74)]


def codes(count):
    # 1 right, 9 wrong, 0 no answer, and now and then another code.
    return "".join(random.choice("1111111990A") for _ in range(count))


def export_xml():
    random.seed(2005)
    lines = [
        '<?xml version="1.0" encoding="ISO-8859-1"?>',
        "<JADE_EXPORTATION>",
        "  <MEVALUATION>",
        "    <MEVALUATION_NOM>Évaluation nationale CE2 2005</MEVALUATION_NOM>",
        "    <MEVALUATION_DATE>2005-09-19</MEVALUATION_DATE>",
        "  </MEVALUATION>",
        "  <MECOLE>",
        "    <MECOLE_NOM>École des Tilleuls</MECOLE_NOM>",
        "    <MGROUPE_NOM>CE2 A</MGROUPE_NOM>",
        "  </MECOLE>",
        "  <MRESULTATS>",
    ]
    for protocol, subject, items in PROTOCOLS:
        for number, (surname, first_name) in enumerate(PUPILS, start=1):
            lines += [
                "    <MRESULTAT>",
                f"      <MELEVE_MID>{surname}--{first_name} ({number})</MELEVE_MID>",
                f"      <MELEVE_NAISSANCE>1997-{(number % 12) + 1:02d}-{(number % 27) + 1:02d}"
                "</MELEVE_NAISSANCE>",
                f"      <MPROTOCOLE_MNOM>{protocol}</MPROTOCOLE_MNOM>",
                f"      <MPROTOCOLE_MATIERE>{subject}</MPROTOCOLE_MATIERE>",
                f"      <MCODES>{codes(items)}</MCODES>",
                "    </MRESULTAT>",
            ]
    lines += ["  </MRESULTATS>", "</JADE_EXPORTATION>", ""]
    return "\r\n".join(lines).encode("iso-8859-1")


def main():
    path = sys.argv[1]
    member = os.path.splitext(os.path.basename(path))[0] + ".xml"
    info = zipfile.ZipInfo(member, date_time=(2005, 9, 30, 16, 45, 0))
    info.compress_type = zipfile.ZIP_DEFLATED
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr(info, export_xml())


if __name__ == "__main__":
    main()
