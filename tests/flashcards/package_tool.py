#!/usr/bin/env python3
"""Flashcard packages (.apkg) read and written the way the format's public
documentation describes them, independently of Velmora's own code: Python's
sqlite3 and zipfile only.

  package_tool.py read PACKAGE            prints the package as JSON
  package_tool.py fixture OUT             writes the small foreign deck fixture
  package_tool.py hostile KIND OUT        writes a package made to do harm
"""
import hashlib
import json
import os
import sqlite3
import sys
import tempfile
import zipfile

SEP = "\x1f"


def read(path):
    with zipfile.ZipFile(path) as z:
        names = z.namelist()
        media = json.loads(z.read("media").decode("utf-8")) if "media" in names else {}
        files = {}
        for entry, name in media.items():
            data = z.read(entry)
            kind = "jpeg" if data[:3] == b"\xff\xd8\xff" else "png" if data[:4] == b"\x89PNG" else \
                "gif" if data[:4] == b"GIF8" else "bmp" if data[:2] == b"BM" else "other"
            files[name] = {"entry": entry, "bytes": len(data), "kind": kind,
                           "sha1": hashlib.sha1(data).hexdigest()}
        with tempfile.TemporaryDirectory() as work:
            db_path = os.path.join(work, "collection")
            with open(db_path, "wb") as out:
                out.write(z.read("collection.anki2"))
            db = sqlite3.connect(db_path)
            ver, models, decks = db.execute("select ver, models, decks from col").fetchone()
            models = json.loads(models)
            decks = json.loads(decks)
            notes = []
            for nid, guid, mid, tags, flds, sfld, csum in db.execute(
                    "select id, guid, mid, tags, flds, sfld, csum from notes order by id"):
                first = flds.split(SEP)[0]
                notes.append({"id": nid, "guid": guid, "mid": mid, "tags": tags.split(),
                              "fields": flds.split(SEP), "sfld": sfld,
                              "csum_ok": csum == int(hashlib.sha1(str(sfld).encode()).hexdigest()[:8], 16),
                              "first": first})
            cards = [{"id": cid, "nid": nid, "did": did, "ord": ord_, "type": type_, "queue": queue, "due": due,
                      "ivl": ivl, "reps": reps, "lapses": lapses, "data": data}
                     for cid, nid, did, ord_, type_, queue, due, ivl, reps, lapses, data in db.execute(
                         "select id, nid, did, ord, type, queue, due, ivl, reps, lapses, data from cards order by id")]
            crt = db.execute("select crt from col").fetchone()[0]
            integrity = db.execute("pragma integrity_check").fetchone()[0]
            db.close()
    note_types = []
    for mid, model in models.items():
        note_types.append({
            "id": int(mid),
            "name": model["name"],
            "fields": [f["name"] for f in sorted(model["flds"], key=lambda f: f["ord"])],
            "templates": [{"name": t["name"], "ord": t["ord"], "qfmt": t["qfmt"], "afmt": t["afmt"]}
                          for t in model["tmpls"]],
            "css": model["css"],
        })
    print(json.dumps({"entries": names, "version": ver, "crt": crt, "integrity": integrity, "noteTypes": note_types,
                      "decks": {k: v["name"] for k, v in decks.items()}, "notes": notes, "cards": cards,
                      "media": files}, ensure_ascii=False))


SCHEMA = """
create table col (id integer primary key, crt integer not null, mod integer not null, scm integer not null,
  ver integer not null, dty integer not null, usn integer not null, ls integer not null, conf text not null,
  models text not null, decks text not null, dconf text not null, tags text not null);
create table notes (id integer primary key, guid text not null, mid integer not null, mod integer not null,
  usn integer not null, tags text not null, flds text not null, sfld integer not null, csum integer not null,
  flags integer not null, data text not null);
create table cards (id integer primary key, nid integer not null, did integer not null, ord integer not null,
  mod integer not null, usn integer not null, type integer not null, queue integer not null, due integer not null,
  ivl integer not null, factor integer not null, reps integer not null, lapses integer not null,
  left integer not null, odue integer not null, odid integer not null, flags integer not null, data text not null);
create table revlog (id integer primary key, cid integer not null, usn integer not null, ease integer not null,
  ivl integer not null, lastIvl integer not null, factor integer not null, time integer not null,
  type integer not null);
create table graves (usn integer not null, oid integer not null, type integer not null);
"""

# A 2x3 PNG, red and white, written out byte by byte so no image library is needed.
def tiny_png():
    import struct
    import zlib

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff)
    rows = b""
    for y in range(3):
        rows += b"\x00" + (b"\xff\x00\x00" if y == 0 else b"\xff\xff\xff") * 2
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 3, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def collection(path, fields, notes, deck_name="Foreign Tarot", views=False):
    db = sqlite3.connect(path)
    db.executescript(SCHEMA)
    mid, did = 1600000000001, 1600000000002
    model = {"id": mid, "name": "Tarot (basic)", "type": 0, "mod": 0, "usn": 0, "sortf": 0, "did": did,
             "flds": [{"name": n, "ord": i} for i, n in enumerate(fields)],
             "tmpls": [{"name": "Card 1", "ord": 0, "qfmt": "{{%s}}" % fields[0], "afmt": "{{FrontSide}}"}],
             "css": ".card {}", "tags": [], "vers": [], "req": [[0, "any", [0]]]}
    decks = {"1": {"id": 1, "name": "Default"}, str(did): {"id": did, "name": deck_name}}
    db.execute("insert into col values (1, 0, 0, 0, 11, 0, 0, 0, '{}', ?, ?, '{}', '{}')",
               (json.dumps({str(mid): model}), json.dumps(decks)))
    for i, (values, tags) in enumerate(notes):
        nid = 1600000001000 + i
        db.execute("insert into notes values (?, ?, ?, 0, 0, ?, ?, ?, 0, 0, '')",
                   (nid, "g%d" % i, mid, " %s " % " ".join(tags), SEP.join(values), values[0]))
        db.execute("insert into cards values (?, ?, ?, 0, 0, 0, 0, 0, ?, 0, 0, 0, 0, 0, 0, 0, 0, '')",
                   (nid + 500, nid, did, i))
    db.commit()
    db.close()


def fixture_notes():
    img = '<img src="two &amp; three.png">'
    return ([
        (["The Fool", "<b>Beginnings</b>; innocence, spontaneity", "A new <i>start</i>&nbsp;&amp; a leap",
          "Recklessness<br>and risk", '<div>%s</div>' % img], ["Major_Arcana"]),
        (["Two of Cups", "union, partnership; attraction, love, bond, trust, harmony, joy, respect",
          "A bond of two", "Imbalance", ""], ["Cups", "minor"]),
        (["", "no name here", "skipped", "skipped", ""], []),
        (["Ace of Swords", "clarity", "A breakthrough", "Confusion", '<img src="missing.jpg">'], ["Swords"]),
    ], {"0": "two & three.png"}, {"0": tiny_png()})


def write_package(out, fields, notes, media, files, extra=None, views=False):
    with tempfile.TemporaryDirectory() as work:
        db_path = os.path.join(work, "collection.anki2")
        collection(db_path, fields, notes)
        if views:
            db = sqlite3.connect(db_path)
            db.executescript("alter table notes rename to n2; create view notes as select * from n2;")
            db.close()
        with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
            z.write(db_path, "collection.anki2")
            z.writestr("media", json.dumps(media))
            for entry, data in files.items():
                z.writestr(entry, data)
            for entry, data in (extra or {}).items():
                z.writestr(entry, data)


FIELDS = ["Card", "Key words", "Meaning", "Reversed meaning", "Image"]


def hostile(kind, out):
    notes, media, files = fixture_notes()
    if kind == "newer":
        write_package(out, FIELDS, notes, media, files, {"collection.anki21b": b"\x28\xb5\x2f\xfd" + b"\0" * 64})
    elif kind == "no-collection":
        with zipfile.ZipFile(out, "w") as z:
            z.writestr("media", "{}")
    elif kind in ("parent-path", "absolute-path"):
        write_package(out, FIELDS, notes, media, files,
                      {"../evil.txt" if kind == "parent-path" else "/tmp/evil.txt": b"harm"})
    elif kind == "symlink":
        write_package(out, FIELDS, notes, media, files)
        with zipfile.ZipFile(out, "a") as z:
            info = zipfile.ZipInfo("1")
            info.create_system = 3
            info.external_attr = 0o120777 << 16
            z.writestr(info, "/etc/passwd")
    elif kind == "bomb":
        with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=1) as z:
            with z.open("collection.anki2", "w", force_zip64=True) as entry:
                block = b"\0" * (1 << 20)
                for _ in range(65):
                    entry.write(block)
    elif kind == "many-entries":
        with zipfile.ZipFile(out, "w") as z:
            for i in range(4001):
                z.writestr(str(i), b"")
    elif kind == "damaged":
        write_package(out, FIELDS, notes, media, files)
        with zipfile.ZipFile(out) as z:
            db = bytearray(z.read("collection.anki2"))
        db[100:4096] = os.urandom(3996)
        with zipfile.ZipFile(out, "w") as z:
            z.writestr("collection.anki2", bytes(db))
    elif kind == "not-sqlite":
        with zipfile.ZipFile(out, "w") as z:
            z.writestr("collection.anki2", b"these are no pages of a database" * 100)
    elif kind == "view":
        write_package(out, FIELDS, notes, media, files, views=True)
    elif kind == "huge-field":
        notes[0] = (["The Fool", "k", "x" * (3 << 20), "r", ""], [])
        write_package(out, FIELDS, notes, media, files)
    elif kind == "undecodable-media":
        write_package(out, FIELDS, notes, media, {"0": b"\x89PNG\r\n\x1a\n but nothing after it"})
    elif kind == "eighty-notes":
        notes = [(["Card %d" % i, "k", "m", "r", ""], []) for i in range(1, 81)]
        write_package(out, FIELDS, notes, {}, {})
    elif kind == "no-notes":
        write_package(out, FIELDS, [], {}, {})
    elif kind == "not-zip":
        with open(out, "wb") as f:
            f.write(b"just some text, no zip at all\n" * 10)
    else:
        sys.exit("unknown kind " + kind)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "read":
        read(sys.argv[2])
    elif len(sys.argv) == 3 and sys.argv[1] == "fixture":
        notes, media, files = fixture_notes()
        write_package(sys.argv[2], FIELDS, notes, media, files)
    elif len(sys.argv) == 4 and sys.argv[1] == "hostile":
        hostile(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
