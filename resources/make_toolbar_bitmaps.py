#!/usr/bin/env python3
"""Writes the five toolbar strips of the main frame: toolbar_<id>.bmp (one
16 by 15 picture per button, 24 bits, button-face grey behind) and
toolbars.rc (each strip's TOOLBAR list of command ids and its BITMAP, and
the prompt and tip of every button's command in a string table).

A picture is a coloured tile with up to three letters of a small pixel
font; the colour tells the button's family. Run it from this folder after
changing a list; the .bmp files and toolbars.rc are committed.
"""
import struct

GREY = (192, 192, 192)
FILE, EDIT, VIEW, INSERT, FORMAT, BORDER, LAUNCH, HELP = (
    (40, 90, 170), (150, 70, 20), (20, 120, 110), (110, 50, 140),
    (30, 110, 40), (130, 30, 60), (170, 120, 0), (90, 90, 90))

# Command id: (prompt with its tip after "\n", letters, colour).
BUTTONS = {
    36000: ("Create a new document\nNew", "NEW", FILE),
    36001: ("Create a new document from a template\nNew", "NW", FILE),
    36002: ("Open an existing document\nOpen", "OPN", FILE),
    57603: ("Save the active document\nSave", "SAV", FILE),
    36004: ("Print the active document\nPrint", "PRT", FILE),
    36005: ("Show the pages as they will print\nPreview", "PRV", FILE),
    36134: ("Check the spelling\nSpelling", "ABC", EDIT),
    36021: ("Cut the selection to the clipboard\nCut", "CUT", EDIT),
    36020: ("Copy the selection to the clipboard\nCopy", "CPY", EDIT),
    36026: ("Insert the clipboard's contents\nPaste", "PST", EDIT),
    36032: ("Undo the last action\nUndo", "UND", EDIT),
    36570: ("Undo several actions\nUndo List", "UL", EDIT),
    36029: ("Redo the previously undone action\nRedo", "RED", EDIT),
    36550: ("Redo several actions\nRedo List", "RL", EDIT),
    36023: ("Find text\nFind", "FND", EDIT),
    36030: ("Replace text\nReplace", "REP", EDIT),
    36450: ("Zoom In\nZoom In", "Z+", VIEW),
    36451: ("Zoom Out\nZoom Out", "Z-", VIEW),
    57669: ("Display help for clicked buttons, menus and windows\nHelp", "?", HELP),
    37096: ("Scales the editing view\nZoom", "ZM", VIEW),
    36200: ("Run Zentavo Launcher\nLauncher", "LCH", LAUNCH),
    36201: ("Run Zentavo Database\nDatabase", "DB", LAUNCH),
    36203: ("Run Zentavo Spreadsheet\nSpreadsheet", "SP", LAUNCH),
    36202: ("Run Zentavo Draw\nDraw", "DRW", LAUNCH),
    33949: ("Run Zentavo Paint\nPaint", "PNT", LAUNCH),
    36042: ("Show the document on the whole screen\nFull Screen", "FUL", VIEW),
    36172: ("Shows the document in normal view\nNormal", "NRM", VIEW),
    36174: ("Shows the document in layout view\nLayout", "LAY", VIEW),
    36175: ("Shows the document as a outline\nOutline", "OUT", VIEW),
    36171: ("Shows the pages side by side\nPages", "PGS", VIEW),
    36170: ("Shows or hides the ruler\nRuler", "RUL", VIEW),
    36173: ("Shows or hides the paragraph marks\nMarks", "MRK", VIEW),
    36074: ("Insert the page number\nPage Number", "#", INSERT),
    36063: ("Insert the date\nInsert Date", "DAT", INSERT),
    36078: ("Insert the time\nTime", "TIM", INSERT),
    36065: ("Insert the document's title\nInsert Title", "TTL", INSERT),
    36660: ("Set up the headers and footers\nHeader and Footer Setup", "HFS", INSERT),
    36303: ("Edit the header\nView Header", "HDR", INSERT),
    36302: ("Edit the footer\nView Footer", "FTR", INSERT),
    36040: ("Edit body text\nClose Header and Footer", "CLS", INSERT),
    36073: ("Insert a page break\nPage Break", "PB", INSERT),
    36062: ("Insert a column break\nColumn Break", "CB", INSERT),
    36064: ("Insert the date and time\nInsert Date/Time", "D/T", INSERT),
    36077: ("Insert a symbol\nInsert Symbol", "SYM", INSERT),
    36067: ("Insert a field\nField", "FLD", INSERT),
    36070: ("Insert a text frame\nFrame", "FRM", INSERT),
    36060: ("Insert a callout\nCallout", "CAL", INSERT),
    36079: ("Insert a new chart\nChart", "CHT", INSERT),
    36066: ("Insert a new drawing\nInsert Draw", "DRW", INSERT),
    36075: ("Insert a picture from a file\nPicture", "PIC", INSERT),
    57653: ("Insert an embedded object\nObject", "OBJ", INSERT),
    36098: ("Change the character format\nFont", "FNT", FORMAT),
    36110: ("Change the paragraph format\nParagraph", "PAR", FORMAT),
    36043: ("Edit the header\nHeader", "HDR", VIEW),
    36041: ("Edit the footer\nFooter", "FTR", VIEW),
    36400: ("Cut the selection to the clipboard\nCut", "CUT", EDIT),
    36401: ("Copy the selection to the clipboard\nCopy", "CPY", EDIT),
    36402: ("Insert the clipboard's contents\nPaste", "PST", EDIT),
    36403: ("Change the character format\nFont", "FNT", FORMAT),
    36407: ("Change the paragraph format\nParagraph", "PAR", FORMAT),
    36404: ("Change the frame's properties\nFrames", "FRS", FORMAT),
    36300: ("Change the case of the selection\nChange Case", "Aa", FORMAT),
    33927: ("Change the text effect's properties\nLumifex", "LFX", FORMAT),
    36090: ("Makes the selection bold (toggle)\nBold", "B", FORMAT),
    36100: ("Makes the selection italic\nItalic", "I", FORMAT),
    36115: ("Makes the selection underline (toggled)\nUnderline", "U", FORMAT),
    36112: ("Makes the selection strikeout (toggle)\nStrikeout", "S", FORMAT),
    36105: ("Aligns the paragraph at the left margin\nLeft Align", "L", FORMAT),
    36103: ("Centers selected paragraphs\nCenter", "C", FORMAT),
    36106: ("Aligns the paragraph at the right margin\nRight Align", "R", FORMAT),
    36104: ("Justifies selected paragraphs\nJustify", "J", FORMAT),
    36096: ("Set the text columns\nColumns", "COL", FORMAT),
    36093: ("Creates a bulleted list based on the current defaults\nBullets", "*", FORMAT),
    36101: ("Creates a numbered list based on the current defaults\nNumbering", "123", FORMAT),
    36111: ("Decrease the paragraph's indent\nDecrease Indent", "<", FORMAT),
    36097: ("Increase the paragraph's indent\nIncrease Indent", ">", FORMAT),
    37032: ("Change font\nFont", "FNT", FORMAT),
    37080: ("Change style\nStyle", "STY", FORMAT),
    37048: ("Change font size\nFont Size", "SIZ", FORMAT),
    37016: ("Change Font Color\nFont Color", "A", FORMAT),
    33919: ("Change the border style\nBorder Style", "BRD", BORDER),
    33935: ("Change border line color\nBorder Color", "BC", BORDER),
    37000: ("Change border line width\nLine Style", "LIN", BORDER),
    33936: ("Change the border's distance from the text\nBorder Offset", "OFS", BORDER),
    37064: ("Change shade style\nShade Style", "SHD", BORDER),
    33933: ("Change shading fore color\nShading Fore Color", "FC", BORDER),
    33934: ("Change shading back color\nShading Back Color", "BKC", BORDER),
}

# Strips in the order they are registered; 0 is a gap.
STRIPS = [
    (244, "36000 36002 57603 0 36004 36005 36134 0 36021 36020 36026 0 36032 36570 36029 36550 0 "
          "36023 36030 0 36450 36451 0 57669 37096"),
    (5006, "36200 36201 36203 36202 33949 0 36042 0 36172 36174 36175 36171 0 36170 36173 36074 36063 "
           "36078 36065 36660 36303 36302 0 36040 0 36073 36062 0 36074 36064 36077 36067 36070 36060 0 "
           "36079 36066 36075"),
    (5007, "36077 36067 36066 57653 36073 36070 36098 36110 36060 36064 36001 36043 36041 36660 36062 0 "
           "36400 36401 36402 36403 36407 36404 36300 33927"),
    (246, "36090 36100 36115 36112 0 36105 36103 36106 36104 0 36096 0 36093 36101 0 36111 36097 0 "
          "37032 37080 37048 37016"),
    (293, "33919 33935 37000 33936 37064 33933 33934"),
]

WIDTH, HEIGHT = 16, 15

# A 3 by 5 pixel font: five rows of three bits, high bit leftmost.
FONT = {
    "A": "75755", "B": "65656", "C": "74447", "D": "65556", "E": "74647", "F": "74644",
    "G": "74557", "H": "55755", "I": "72227", "J": "11156", "K": "55655", "L": "44447",
    "M": "57755", "N": "75555", "O": "75557", "P": "75744", "Q": "75571", "R": "75765",
    "S": "74717", "T": "72222", "U": "55557", "V": "55552", "W": "55775", "X": "55255",
    "Y": "55222", "Z": "71247", "a": "03557", "0": "75557", "1": "26227", "2": "71747",
    "3": "71717", "#": "57575", "*": "05250", "?": "71202", "+": "02720", "-": "00700",
    "<": "12421", ">": "42124", "/": "11244",
}

def glyph_rows(ch):
    return [int(c, 16) for c in FONT[ch]]


def picture(letters, colour):
    px = [[GREY] * WIDTH for _ in range(HEIGHT)]
    for y in range(1, HEIGHT - 1):
        for x in range(1, WIDTH - 1):
            corner = (x in (1, WIDTH - 2)) and (y in (1, HEIGHT - 2))
            if not corner:
                px[y][x] = colour
    text_width = 4 * len(letters) - 1
    x0 = (WIDTH - text_width) // 2
    y0 = (HEIGHT - 5) // 2
    for i, ch in enumerate(letters):
        for row, bits in enumerate(glyph_rows(ch)):
            for col in range(3):
                if bits & (4 >> col):
                    px[y0 + row][x0 + 4 * i + col] = (255, 255, 255)
    return px


def bitmap(pictures):
    width = WIDTH * len(pictures)
    stride = (width * 3 + 3) & ~3
    data = b""
    for y in reversed(range(HEIGHT)):   # bottom-up
        row = b"".join(bytes((b, g, r)) for p in pictures for (r, g, b) in p[y])
        data += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, HEIGHT, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return head + info + data


def main():
    rc = ["// Written by make_toolbar_bitmaps.py: the toolbar strips and the",
          "// prompts and tips of their buttons' commands.", ""]
    for ident, text in STRIPS:
        ids = [int(t) for t in text.split()]
        with open("toolbar_%d.bmp" % ident, "wb") as f:
            f.write(bitmap([picture(*BUTTONS[i][1:]) for i in ids if i]))
        rc.append("%d BITMAP \"toolbar_%d.bmp\"" % (ident, ident))
        rc.append("%d TOOLBAR %d, %d" % (ident, WIDTH, HEIGHT))
        rc.append("BEGIN")
        rc += ["    SEPARATOR" if i == 0 else "    BUTTON %d" % i for i in ids]
        rc += ["END", ""]
    rc += ["STRINGTABLE", "BEGIN"]
    for i in sorted(BUTTONS):
        rc.append("    %d \"%s\"" % (i, BUTTONS[i][0].replace("\n", "\\n")))
    rc += ["END", ""]
    with open("toolbars.rc", "w") as f:
        f.write("\n".join(rc))


if __name__ == "__main__":
    main()
