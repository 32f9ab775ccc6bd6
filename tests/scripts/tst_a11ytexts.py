#!/usr/bin/python3
"""The accessibility walk's texts: names and access keys taken from a translation as Qt shows them."""

import re
import sys
import tempfile
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from a11ytexts import MissingText, Texts  # noqa: E402

GERMAN = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context><name>velmora::MemorizePage</name>
  <message><source>Test M&amp;e</source><translation>&amp;Prüfen</translation></message>
  <message><source>&amp;Close</source><translation>&amp;Schließen</translation></message>
</context>
<context><name>velmora::SettingsPage</name>
  <message><source>Test M&amp;e</source><translation>&amp;Test starten</translation></message>
  <message><source>Re&amp;view Due Cards (%1)</source><translation>Fällige Karten &amp;wiederholen (%1)</translation></message>
  <message numerus="yes"><source>%n card(s)</source>
    <translation><numerusform>%n Karte</numerusform><numerusform>%n Karten</numerusform></translation></message>
  <message><source>&amp;Gone</source><translation type="vanished">&amp;Weg</translation></message>
  <message><source>&amp;Open</source><translation type="unfinished"></translation></message>
  <message><source>&amp;Üben</source><translation>&amp;Üben &amp;&amp; mehr</translation></message>
  <message><source>&amp;Two</source><translation>&amp;Zwei &amp;Tasten</translation></message>
  <message><source>None</source><translation>Keine</translation></message>
</context>
<context><name>FrmDayCard</name>
  <message><source>&amp;Close</source><translation>&amp;Schließen</translation></message>
  <message><source>Card of the Day [%1]</source><translation>Karte des Tages [%1]</translation></message>
</context>
</TS>
"""


class EnglishTest(unittest.TestCase):
    def test_the_source_as_qt_shows_it(self):
        texts = Texts("en")
        self.assertEqual(texts.alt("&Learn Tarot && Test", "FrmBegin"), "alt+l")
        self.assertEqual(texts.key("Readings &Journal...", "FrmMain"), "j")
        self.assertTrue(re.search(texts.name("&Learn Tarot && Test", "FrmBegin"), "Learn Tarot & Test"))
        self.assertTrue(re.search(texts.name("Re&view Due Cards (%1)", "S"), "Review Due Cards (12)"))
        self.assertFalse(re.search(texts.name("Re&view Due Cards (%1)", "S"), "Review Due Cards [12]"))
        self.assertEqual(texts.name("  Settings  ", "FrmMain"), "Settings")
        self.assertEqual(texts.title("Card of the Day - %1", "FrmDayCard"), "^Card of the Day - .*")


class TranslatedTest(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        Path(folder.name, "velmora_de.ts").write_text(GERMAN, encoding="utf-8")
        self.texts = Texts("de", folder.name)

    def test_the_context_chooses_among_translations(self):
        self.assertEqual(self.texts.alt("Test M&e", "MemorizePage"), "alt+p")
        self.assertEqual(self.texts.alt("Test M&e", "SettingsPage"), "alt+t")
        with self.assertRaisesRegex(MissingText, "Test M&e.*MemorizePage, velmora::SettingsPage; none is FrmMain"):
            self.texts.alt("Test M&e", "FrmMain")
        # Translated alike everywhere: a context named otherwise still finds it.
        self.assertEqual(self.texts.alt("&Close", "CardOfDay"), "alt+s")

    def test_names_keys_and_titles(self):
        pattern = self.texts.name("Re&view Due Cards (%1)", "SettingsPage")
        self.assertTrue(re.search(pattern, "Fällige Karten wiederholen (3)"))
        self.assertEqual(self.texts.alt("Re&view Due Cards (%1)", "SettingsPage"), "alt+w")
        self.assertEqual(self.texts.name("%n card(s)", "SettingsPage"), ".*" + re.escape(" Karte"))
        self.assertEqual(self.texts.title("Card of the Day [%1]", "FrmDayCard"), r"^Karte des Tages \[.*\]")
        # A key beyond ASCII by its keysym; '&&' is no key.
        self.assertEqual(self.texts.alt("&Üben", "SettingsPage"), "alt+U00FC")
        self.assertTrue(re.search(self.texts.name("&Üben", "SettingsPage"), "Üben & mehr"))

    def test_what_the_walk_cannot_use_is_told_by_its_source(self):
        for source, told in [("&Insert Pictures", r'"&Insert Pictures" \(CardPage\) is not in .*velmora_de.ts'),
                             ("&Gone", '"&Gone" .* is not in'),
                             ("&Open", '"&Open" .* has no translation'),
                             ("&Two", "marks 2 access keys"),
                             ("None", '"Keine" \\(from "None", CardPage\\) has no access key')]:
            with self.subTest(source=source), self.assertRaisesRegex(MissingText, told):
                self.texts.alt(source, "CardPage")

    def test_a_missing_or_broken_file_is_told(self):
        with tempfile.TemporaryDirectory() as folder:
            with self.assertRaisesRegex(MissingText, "cannot read the translation .*velmora_fr.ts"):
                Texts("fr", folder)
            Path(folder, "velmora_fr.ts").write_text("<TS><context>", encoding="utf-8")
            with self.assertRaisesRegex(MissingText, "cannot read"):
                Texts("fr", folder)


if __name__ == "__main__":
    unittest.main()
