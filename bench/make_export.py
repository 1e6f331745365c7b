#!/usr/bin/env python3
"""Writes a large synthetic J'ADE export for the conversion benchmark.

  make_export.py sparse OUT.xml [MB]   99 pupil records spread among long runs of other elements
  make_export.py dense  OUT.xml [MB]   pupil records one after the other
"""
import random
import sys

PROTOCOLS = ["FRACE2-2005", "MATCE2-2005"]


def record(number):
    codes = "".join(random.choice("0129") for _ in range(random.randint(30, 90)))
    return (
        "  <MELEVE>\r\n"
        f"    <MELEVE_MID>ELEVE{number}--Prenom{number % 37} ({number})</MELEVE_MID>\r\n"
        f"    <MPROTOCOLE_MNOM>{PROTOCOLS[number % 2]}</MPROTOCOLE_MNOM>\r\n"
        f"    <MCODES>{codes}</MCODES>\r\n"
        "  </MELEVE>\r\n"
    )


def filler(number):
    # Elements of the kind an export holds besides the records: items, fields, scores.
    return (
        f"  <MITEM>\r\n    <MITEM_ID>{number}</MITEM_ID>\r\n"
        f"    <MITEM_LIBELLE>Item {number} : lire une consigne simple</MITEM_LIBELLE>\r\n"
        f"    <MITEM_CHAMP>Lecture</MITEM_CHAMP><MITEM_SCORE>{number % 3}</MITEM_SCORE>\r\n"
        "  </MITEM>\r\n"
    )


class Writer:
    def __init__(self, out):
        self.out, self.block, self.size = out, [], 0

    def add(self, text):
        self.block.append(text)
        self.size += len(text)
        if len(self.block) >= 4096:
            self.flush()

    def flush(self):
        self.out.write("".join(self.block))
        self.block = []


def main():
    kind, path = sys.argv[1], sys.argv[2]
    size = int(sys.argv[3] if len(sys.argv) > 3 else 200) * 1024 * 1024
    random.seed(7)
    with open(path, "w", encoding="ascii", newline="") as out:
        writer = Writer(out)
        writer.add('<?xml version="1.0" encoding="ISO-8859-1"?>\r\n<JADE_EXPORTATION>\r\n')
        number = 0
        if kind == "dense":
            while writer.size < size:
                number += 1
                writer.add(record(number))
        else:
            for pupil in range(1, 100):
                while writer.size < pupil * size // 100:
                    number += 1
                    writer.add(filler(number))
                writer.add(record(pupil))
            while writer.size < size:
                number += 1
                writer.add(filler(number))
        writer.add("</JADE_EXPORTATION>\r\n")
        writer.flush()


if __name__ == "__main__":
    main()
