<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Decoration</source>
        <translation>Dekoration</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits</translation>
    </message>
    <message>
        <source>The folder for your decks and goals could not be set up.
%1</source>
        <translation>Der Ordner für Ihre Decks und Ziele konnte nicht eingerichtet werden.
%1</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>Cannot read the deck list</source>
        <translation>Die Deckliste kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The deck is no longer in the list</source>
        <translation>Das Deck ist nicht mehr in der Liste</translation>
    </message>
    <message>
        <source>Cannot add the deck</source>
        <translation>Das Deck kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot rename the deck</source>
        <translation>Das Deck kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Cannot remove the deck</source>
        <translation>Das Deck kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Cannot read the remembered deck</source>
        <translation>Das gemerkte Deck kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot remember the deck</source>
        <translation>Das Deck kann nicht gemerkt werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [/STARTUP]
       %1 --export-apkg DECK OUT.apkg
Learn the meanings of tarot cards: memorize the cards of a deck, take
keyword or description tests, design and share decks, keep goals.

  /STARTUP    as the logon entry starts it: goes to the system tray if
              &quot;Start at system tray&quot; is ticked
  --export-apkg DECK OUT.apkg
              write the deck (a deck file, or a deck&apos;s name) as a
              flashcard package and exit
  --help      print this help and exit
  --version   print the version and exit
</source>
        <translation>Aufruf: %1 [/STARTUP]
        %1 --export-apkg DECK AUSGABE.apkg
Die Bedeutungen der Tarotkarten lernen: die Karten eines Decks einprägen,
Tests zu Schlüsselwörtern oder Beschreibungen ablegen, Decks entwerfen und
weitergeben, Ziele verfolgen.

  /STARTUP    so startet es der Eintrag beim Anmelden: geht in den
              Infobereich, wenn „Verkleinert im Infobereich starten“
              angekreuzt ist
  --export-apkg DECK AUSGABE.apkg
              schreibt das Deck (eine Deck-Datei oder den Namen eines Decks)
              als Karteikartenpaket und beendet sich
  --help      gibt diese Hilfe aus und beendet sich
  --version   gibt die Version aus und beendet sich
</translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)
</source>
        <translation>%1: Keine Anzeige, auf der ein Fenster geöffnet werden kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt)
</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation>Zeile %1: Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation>Zeile %1: Ein Anführungszeichen wird nie geschlossen</translation>
    </message>
</context>
<context>
    <name>DayNote</name>
    <message>
        <source>the journal could not be read, so nothing is written to it</source>
        <translation>das Tagebuch konnte nicht gelesen werden, daher wird nichts hineingeschrieben</translation>
    </message>
</context>
<context>
    <name>DbFile</name>
    <message>
        <source>deck</source>
        <comment>kind of file, inserted in: The deck file ... is missing</comment>
        <translation>Deck</translation>
    </message>
    <message>
        <source>catalog</source>
        <comment>kind of file, inserted in: The catalog file ... is missing</comment>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>The %1 file %2 is a link to a file outside its folder. Copy the file itself into the folder.</source>
        <translation>Die %1-Datei %2 ist eine Verknüpfung auf eine Datei außerhalb ihres Ordners. Kopieren Sie die Datei selbst in den Ordner.</translation>
    </message>
    <message>
        <source>The %1 file %2 is missing. It may have been moved or deleted.</source>
        <translation>Die %1-Datei %2 fehlt. Sie wurde möglicherweise verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>The %1 file %2 is damaged or was not made by this program, so it cannot be read.</source>
        <translation>Die %1-Datei %2 ist beschädigt oder wurde nicht von diesem Programm erstellt und kann daher nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The %1 file cannot be used: %2</source>
        <translation>Die %1-Datei kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The %1 file %2 cannot be read: %3</source>
        <translation>Die %1-Datei %2 kann nicht gelesen werden: %3</translation>
    </message>
    <message>
        <source>The %1 file %2 cannot be opened: %3</source>
        <translation>Die %1-Datei %2 kann nicht geöffnet werden: %3</translation>
    </message>
    <message>
        <source>The %1 file %2 contains a %3 (%4), which this program never makes. It is not used, to keep it from changing your data.</source>
        <translation>Die %1-Datei %2 enthält ein Objekt vom Typ %3 (%4), das dieses Programm nie anlegt. Die Datei wird nicht verwendet, damit Ihre Daten nicht verändert werden.</translation>
    </message>
    <message>
        <source>The file %1 is not a %2 file: it has no table %3.</source>
        <translation>Die Datei %1 ist keine %2-Datei: Ihr fehlt die Tabelle %3.</translation>
    </message>
    <message>
        <source>The file %1 is not a %2 file: table %3 has no column %4.</source>
        <translation>Die Datei %1 ist keine %2-Datei: Der Tabelle %3 fehlt die Spalte %4.</translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation>Die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Cannot start writing</source>
        <translation>Das Schreiben kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Cannot finish writing</source>
        <translation>Das Schreiben kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The change could not be written</source>
        <translation>Die Änderung konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failed step and the reason SQLite gives, as &quot;Cannot save the card: disk I/O error&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The %1 file %2 is in use by another program; try again.</source>
        <translation>Die %1-Datei %2 wird von einem anderen Programm verwendet. Bitte versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>Deck</name>
    <message>
        <source>The deck file is damaged: %1</source>
        <translation>Die Deck-Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>The deck file holds card number %1 more than once, so it cannot be used.</source>
        <translation>Die Deck-Datei enthält die Karte Nummer %1 mehrfach und kann daher nicht verwendet werden.</translation>
    </message>
    <message>
        <source>A card of the deck file has no number, so the deck cannot be used.</source>
        <translation>Eine Karte der Deck-Datei hat keine Nummer, daher kann das Deck nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Card number %1 of the deck file does not have its seven keyword places, so the deck cannot be used.</source>
        <translation>Die Karte Nummer %1 der Deck-Datei hat nicht ihre sieben Schlüsselwortplätze, daher kann das Deck nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Cannot read the deck header</source>
        <translation>Der Kopf des Decks kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the deck type</source>
        <translation>Der Typ des Decks kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the cards</source>
        <translation>Die Karten können nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the pictures</source>
        <translation>Die Bilder können nicht gelesen werden</translation>
    </message>
    <message>
        <source>Cannot read the keywords</source>
        <translation>Die Schlüsselwörter können nicht gelesen werden</translation>
    </message>
    <message>
        <source>The deck is not open for writing</source>
        <translation>Das Deck ist nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>Cannot save the deck header</source>
        <translation>Der Kopf des Decks kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot save the deck type</source>
        <translation>Der Typ des Decks kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>A card has seven keyword places</source>
        <translation>Eine Karte hat sieben Schlüsselwortplätze</translation>
    </message>
    <message>
        <source>Cannot save the card</source>
        <translation>Die Karte kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The deck has no card number %1</source>
        <translation>Das Deck hat keine Karte Nummer %1</translation>
    </message>
    <message>
        <source>Cannot save the keyword</source>
        <translation>Das Schlüsselwort kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Card number %1 does not have its seven keyword places</source>
        <translation>Die Karte Nummer %1 hat nicht ihre sieben Schlüsselwortplätze</translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation>Das Bild kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot shrink the deck file</source>
        <translation>Die Deck-Datei kann nicht verkleinert werden</translation>
    </message>
    <message>
        <source>Cannot delete the card&apos;s content</source>
        <translation>Der Inhalt der Karte kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Every card needs its keyword places</source>
        <translation>Jede Karte braucht ihre Schlüsselwortplätze</translation>
    </message>
    <message>
        <source>Cannot add cards</source>
        <translation>Karten können nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot add a card</source>
        <translation>Eine Karte kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot add a keyword place</source>
        <translation>Ein Schlüsselwortplatz kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Cannot remove cards</source>
        <translation>Karten können nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>DeckChecks</name>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos;s designing is incomplete<byte value="xd"/>You cannot take test using this deck, until it is fully completed.</source>
        <translation>Der Entwurf des Tarot-Lerndecks „%1“ ist unvollständig<byte value="xd"/>Mit diesem Deck können Sie erst einen Test machen, wenn es vollständig ist.</translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; is not available<byte value="xd"/>Please select another Tarot Learning Deck</source>
        <translation>Das Tarot-Lerndeck „%1“ ist nicht verfügbar<byte value="xd"/>Bitte wählen Sie ein anderes Tarot-Lerndeck</translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; cannot be used<byte value="xd"/>%2<byte value="xd"/>Please select another Tarot Learning Deck</source>
        <translation>Das Tarot-Lerndeck „%1“ kann nicht verwendet werden<byte value="xd"/>%2<byte value="xd"/>Bitte wählen Sie ein anderes Tarot-Lerndeck</translation>
    </message>
    <message>
        <source>The list of Tarot Learning Decks cannot be read<byte value="xd"/>%1</source>
        <translation>Die Liste der Tarot-Lerndecks kann nicht gelesen werden<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; is incomplete<byte value="xd"/>Please go to the Deck Design Section<byte value="xd"/>And complete it first</source>
        <translation>Das Tarot-Lerndeck „%1“ ist unvollständig<byte value="xd"/>Bitte wechseln Sie zum Deck-Entwurf<byte value="xd"/>und vervollständigen Sie es zuerst</translation>
    </message>
    <message>
        <source>Tutor &apos;%1&apos; is incomplete<byte value="xd"/>Please go to the Deck Design Section<byte value="xd"/>And complte it first</source>
        <translation>Das Deck „%1“ ist unvollständig<byte value="xd"/>Bitte wechseln Sie zum Deck-Entwurf<byte value="xd"/>und vervollständigen Sie es zuerst</translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation>Wählen Sie mindestens eine Option.</translation>
    </message>
    <message>
        <source>Please select a Tarot Learning Deck<byte value="xd"/>Choose one under &quot;Select Tarot Tutor&quot; on the Settings tab.</source>
        <translation>Bitte wählen Sie ein Tarot-Lerndeck<byte value="xd"/>Wählen Sie eines unter „Tarot-Lerndeck wählen“ auf der Registerkarte „Einstellungen“.</translation>
    </message>
</context>
<context>
    <name>DeckExchange</name>
    <message>
        <source>The exchange folder %1 is a link. The program makes and removes its working copies there, so it must be a folder of its own: replace the link with an empty folder.</source>
        <translation>Der Austauschordner %1 ist eine Verknüpfung. Das Programm legt dort seine Arbeitskopien an und entfernt sie wieder, daher muss es ein eigener Ordner sein: Ersetzen Sie die Verknüpfung durch einen leeren Ordner.</translation>
    </message>
    <message>
        <source>The disk of the folder %1 has %2 MB free, and the deck needs %3 MB.</source>
        <translation>Auf dem Datenträger des Ordners %1 sind %2 MB frei, das Deck benötigt jedoch %3 MB.</translation>
    </message>
    <message>
        <source>The file&apos;s type stamp does not name a deck of this program.</source>
        <translation>Die Typkennung der Datei bezeichnet kein Deck dieses Programms.</translation>
    </message>
    <message>
        <source>The deck in the file has no name: its header row is missing or its name is empty.</source>
        <translation>Das Deck in der Datei hat keinen Namen: Seine Kopfzeile fehlt oder sein Name ist leer.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 is there already.</source>
        <translation>Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: %2.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written in %2: %3.</source>
        <translation>Die Datei %1 konnte nicht in %2 geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>The file %1 could not be put in place in %2: %3.</source>
        <translation>Die Datei %1 konnte in %2 nicht an ihren Platz gebracht werden: %3.</translation>
    </message>
    <message>
        <source>The deck cannot be exported: %1</source>
        <translation>Das Deck kann nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The pictures of this deck are stored as BMP files, so the exported deck takes %1 MB: more than most mail can carry.

A compact copy, with its pictures as JPEG files, takes about %2 MB. The deck you keep stays as it is.

Yes: export a compact copy (about %2 MB).
No: export the deck as it is (%1 MB).</source>
        <translation>Die Bilder dieses Decks sind als BMP-Dateien gespeichert, daher belegt das exportierte Deck %1 MB: mehr, als die meisten E-Mail-Dienste übertragen.

Eine kompakte Kopie mit den Bildern als JPEG-Dateien belegt etwa %2 MB. Das Deck, das Sie behalten, bleibt unverändert.

Ja: eine kompakte Kopie exportieren (etwa %2 MB).
Nein: das Deck unverändert exportieren (%1 MB).</translation>
    </message>
    <message>
        <source>The deck was not exported. %1</source>
        <translation>Das Deck wurde nicht exportiert. %1</translation>
    </message>
    <message>
        <source>The deck was not imported. %1</source>
        <translation>Das Deck wurde nicht importiert. %1</translation>
    </message>
    <message>
        <source>The deck was not imported: %1</source>
        <translation>Das Deck wurde nicht importiert: %1</translation>
    </message>
    <message>
        <source>The deck was not imported: the catalog of decks cannot be read or lists no deck.</source>
        <translation>Das Deck wurde nicht importiert: Das Verzeichnis der Decks kann nicht gelesen werden oder enthält kein Deck.</translation>
    </message>
    <message>
        <source>Your Deck has been exported.</source>
        <translation>Ihr Deck wurde exportiert.</translation>
    </message>
    <message>
        <source>The name of the Deck is %1</source>
        <translation>Der Name des Decks lautet %1</translation>
    </message>
    <message>
        <source>It is located at %1</source>
        <translation>Es befindet sich unter %1</translation>
    </message>
    <message>
        <source>You can go to %1 and start sending your deck to your friends, family or others.</source>
        <translation>Sie finden Ihr Deck unter %1 und können es von dort an Freunde, Familie oder andere senden.</translation>
    </message>
    <message>
        <source>Click here for more help. %1</source>
        <translation>Klicken Sie hier für weitere Hilfe. %1</translation>
    </message>
    <message>
        <source>File is not selected properly. Please select the right file.</source>
        <translation>Die Datei wurde nicht richtig ausgewählt. Bitte wählen Sie die richtige Datei aus.</translation>
    </message>
    <message>
        <source>You cannot export 1 deck in the same location twice.</source>
        <translation>Sie können ein Deck nicht zweimal an denselben Ort exportieren.</translation>
    </message>
    <message>
        <source>Default Deck Cannot Be Exported</source>
        <translation>Das Standarddeck kann nicht exportiert werden</translation>
    </message>
    <message>
        <source>Default deck cannot be imported</source>
        <translation>Das Standarddeck kann nicht importiert werden</translation>
    </message>
    <message>
        <source>Unknown File Structure.<byte value="xd"/>
It seems you have choosen a file which is<byte value="xd"/>
not supported by Velmora</source>
        <translation>Unbekannter Dateiaufbau.<byte value="xd"/>
Sie haben offenbar eine Datei gewählt,<byte value="xd"/>
die von Velmora nicht unterstützt wird</translation>
    </message>
    <message>
        <source>Tarot Learning Deck Imported Successfully<byte value="xd"/>
Please Restart Velmora Now</source>
        <translation>Das Tarot-Lerndeck wurde erfolgreich importiert<byte value="xd"/>
Bitte starten Sie Velmora jetzt neu</translation>
    </message>
</context>
<context>
    <name>DeckIntegrity</name>
    <message>
        <source>The deck file %1 is %2 bytes long, but its pages take %3 bytes, so it cannot be used.</source>
        <translation>Die Deck-Datei %1 ist %2 Byte lang, ihre Seiten belegen aber %3 Byte, daher kann sie nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The deck file %1 is damaged (%2), so it cannot be used.</source>
        <translation>Die Deck-Datei %1 ist beschädigt (%2) und kann daher nicht verwendet werden.</translation>
    </message>
</context>
<context>
    <name>DeckManager</name>
    <message>
        <source>The deck&apos;s file name %1 names no deck file</source>
        <translation>Der Dateiname %1 des Decks bezeichnet keine Deckdatei</translation>
    </message>
    <message>
        <source>The deck is no longer in the list</source>
        <translation>Das Deck ist nicht mehr in der Liste</translation>
    </message>
    <message>
        <source>the template deck is too large</source>
        <translation>das Vorlagendeck ist zu groß</translation>
    </message>
    <message>
        <source>The deck file is there again</source>
        <translation>Die Deckdatei ist wieder vorhanden</translation>
    </message>
    <message>
        <source>The deck folder %1 is missing</source>
        <translation>Der Deckordner %1 fehlt</translation>
    </message>
    <message>
        <source>The template deck %1 is missing</source>
        <translation>Das Vorlagendeck %1 fehlt</translation>
    </message>
    <message>
        <source>The template deck cannot be copied into %1: %2</source>
        <translation>Das Vorlagendeck kann nicht nach %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>The new deck cannot be put in place as %1</source>
        <translation>Das neue Deck kann nicht als %1 abgelegt werden</translation>
    </message>
    <message>
        <source>The default deck cannot be deleted</source>
        <translation>Das Standarddeck kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>The deck file %1 cannot be removed</source>
        <translation>Die Deckdatei %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
The deck file was left at %2</source>
        <translation>%1<byte value="xd"/>
Die Deckdatei wurde unter %2 belassen</translation>
    </message>
</context>
<context>
    <name>FlashcardExchange</name>
    <message>
        <source>The deck cannot be exported: %1</source>
        <translation>Das Deck kann nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The CSV was not written: %1 is there already.</source>
        <translation>Die CSV-Datei wurde nicht geschrieben: %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The CSV was not written: the folder %1 cannot be written to.</source>
        <translation>Die CSV-Datei wurde nicht geschrieben: In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The CSV was not written: %1</source>
        <translation>Die CSV-Datei wurde nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>The CSV was not written: the folder %1 could not be made.</source>
        <translation>Die CSV-Datei wurde nicht geschrieben: Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The CSV was not written: %1 could not be made.</source>
        <translation>Die CSV-Datei wurde nicht geschrieben: %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The CSV cannot be read: %1</source>
        <translation>Die CSV-Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The CSV cannot be imported: it is larger than %1 MB.</source>
        <translation>Die CSV-Datei kann nicht importiert werden: Sie ist größer als %1 MB.</translation>
    </message>
    <message>
        <source>The CSV cannot be imported: %1.</source>
        <translation>Die CSV-Datei kann nicht importiert werden: %1.</translation>
    </message>
    <message>
        <source>The CSV cannot be imported: it needs a header row and a row per card.</source>
        <translation>Die CSV-Datei kann nicht importiert werden: Sie braucht eine Kopfzeile und eine Zeile je Karte.</translation>
    </message>
    <message>
        <source>The CSV cannot be imported: its header row names no column.</source>
        <translation>Die CSV-Datei kann nicht importiert werden: Ihre Kopfzeile benennt keine Spalte.</translation>
    </message>
    <message>
        <source>CSV</source>
        <extracomment>Fills %1 of &quot;The %1 holds no card that can be imported.&quot;</extracomment>
        <translation>Die CSV-Datei</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>The deck cannot be read: %1</source>
        <translation>Das Deck kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation>Der Wiederholungsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The flashcard package was not written: the file %1 is there already.</source>
        <translation>Das Karteikartenpaket wurde nicht geschrieben: Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The flashcard package was not written. %1</source>
        <translation>Das Karteikartenpaket wurde nicht geschrieben. %1</translation>
    </message>
    <message>
        <source>note %1</source>
        <translation>Notiz %1</translation>
    </message>
    <message numerus="yes">
        <source>%n notes after the first %1 were not read.</source>
        <translation>
            <numerusform>%n Notiz nach den ersten %1 wurde nicht gelesen.</numerusform>
            <numerusform>%n Notizen nach den ersten %1 wurden nicht gelesen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, more than %1 cards</source>
        <translation>Übersprungen, mehr als %1 Karten</translation>
    </message>
    <message>
        <source>Skipped, no card name</source>
        <translation>Übersprungen, kein Kartenname</translation>
    </message>
    <message>
        <source>Skipped, another note type</source>
        <translation>Übersprungen, anderer Notiztyp</translation>
    </message>
    <message>
        <source>Without picture, the image is missing or does not decode</source>
        <translation>Ohne Bild, das Bild fehlt oder lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>Only the first seven keywords kept</source>
        <translation>Nur die ersten sieben Schlüsselwörter übernommen</translation>
    </message>
    <message>
        <source>Text shortened to fit (%1 characters a meaning)</source>
        <translation>Text passend gekürzt (%1 Zeichen je Bedeutung)</translation>
    </message>
    <message>
        <source>The %1 holds no card that can be imported.</source>
        <translation>%1 enthält keine Karte, die importiert werden kann.</translation>
    </message>
    <message>
        <source>The deck was not imported: the folder %1 cannot be written to.</source>
        <translation>Das Deck wurde nicht importiert: In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The deck was not imported. %1</source>
        <translation>Das Deck wurde nicht importiert. %1</translation>
    </message>
    <message>
        <source>The deck was not imported: %1</source>
        <translation>Das Deck wurde nicht importiert: %1</translation>
    </message>
    <message>
        <source>The deck needs a name.</source>
        <translation>Das Deck braucht einen Namen.</translation>
    </message>
    <message>
        <source>flashcard package</source>
        <extracomment>Fills %1 of &quot;The %1 holds no card that can be imported.&quot;</extracomment>
        <translation>Das Karteikartenpaket</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns im Internet</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>saving the reading</source>
        <translation>Speichern der Legung</translation>
    </message>
    <message>
        <source>the journal is not open</source>
        <translation>das Tagebuch ist nicht geöffnet</translation>
    </message>
    <message>
        <source>deleting the reading</source>
        <translation>Löschen der Legung</translation>
    </message>
    <message>
        <source>reading the journal</source>
        <translation>Lesen des Tagebuchs</translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The collection could not be made: %1</source>
        <translation>Die Sammlung konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The collection could not be read back: %1</source>
        <translation>Die Sammlung konnte nicht zurückgelesen werden: %1</translation>
    </message>
    <message>
        <source>The flashcard package cannot be read: %1.</source>
        <translation>Das Karteikartenpaket kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file is no flashcard package: it holds no collection (collection.anki2).</source>
        <translation>Die Datei ist kein Karteikartenpaket: Sie enthält keine Sammlung (collection.anki2).</translation>
    </message>
    <message>
        <source>The flashcard package is damaged: its list of media files is no list.</source>
        <translation>Das Karteikartenpaket ist beschädigt: Seine Liste der Mediendateien ist keine Liste.</translation>
    </message>
    <message>
        <source>The collection could not be unpacked: %1</source>
        <translation>Die Sammlung konnte nicht entpackt werden: %1</translation>
    </message>
    <message>
        <source>The flashcard package is damaged: its collection cannot be read (%1).</source>
        <translation>Das Karteikartenpaket ist beschädigt: Seine Sammlung kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>its tables are missing</source>
        <translation>ihre Tabellen fehlen</translation>
    </message>
    <message>
        <source>it has no header</source>
        <translation>ihr fehlt der Kopfeintrag</translation>
    </message>
    <message>
        <source>it names no note type</source>
        <translation>sie nennt keinen Notiztyp</translation>
    </message>
    <message>
        <source>The flashcard package holds a note larger than %1 MB, more than any card can hold.</source>
        <translation>Das Karteikartenpaket enthält eine Notiz, die größer als %1 MB ist, mehr als eine Karte fassen kann.</translation>
    </message>
    <message>
        <source>This flashcard package keeps its collection in the newer compressed format (collection.anki21b, zstd-compressed), which Velmora cannot read. Export it again with the option for older versions (legacy package) ticked, and import that file.</source>
        <translation>Dieses Karteikartenpaket speichert seine Sammlung im neueren komprimierten Format (collection.anki21b, zstd-komprimiert), das Velmora nicht lesen kann. Exportieren Sie es erneut mit aktivierter Option für ältere Versionen (Legacy-Paket), und importieren Sie diese Datei.</translation>
    </message>
</context>
<context>
    <name>PackageCommand</name>
    <message>
        <source>Usage: velmora %1 DECK OUT.apkg</source>
        <translation>Aufruf: velmora %1 DECK AUSGABE.apkg</translation>
    </message>
    <message>
        <source>velmora: no deck file or deck named &quot;%1&quot;</source>
        <translation>velmora: keine Deckdatei und kein Deck namens „%1“</translation>
    </message>
    <message>
        <source>velmora: exported %1</source>
        <translation>velmora: %1 exportiert</translation>
    </message>
</context>
<context>
    <name>PackageZip</name>
    <message>
        <source>the file could not be opened</source>
        <translation>die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a zip file that can be read (%1)</source>
        <translation>es ist keine lesbare ZIP-Datei (%1)</translation>
    </message>
    <message>
        <source>it holds more than %1 files</source>
        <translation>es enthält mehr als %1 Dateien</translation>
    </message>
    <message>
        <source>its list of files is damaged</source>
        <translation>seine Dateiliste ist beschädigt</translation>
    </message>
    <message>
        <source>it holds a file named &quot;%1&quot;, which points outside the package</source>
        <translation>es enthält eine Datei namens „%1“, die aus dem Paket hinaus zeigt</translation>
    </message>
    <message>
        <source>it holds a link, &quot;%1&quot;, where only files belong</source>
        <translation>es enthält eine Verknüpfung, „%1“, wo nur Dateien hingehören</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; would take more than %2 MB</source>
        <translation>seine Datei „%1“ würde mehr als %2 MB belegen</translation>
    </message>
    <message>
        <source>its files would take more than %1 MB</source>
        <translation>seine Dateien würden mehr als %1 MB belegen</translation>
    </message>
    <message>
        <source>it has no file &quot;%1&quot;</source>
        <translation>es enthält keine Datei „%1“</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; cannot be read (%2)</source>
        <translation>seine Datei „%1“ kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is damaged (%2)</source>
        <translation>seine Datei „%1“ ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; unpacks to more than it may take</source>
        <translation>seine Datei „%1“ wird beim Entpacken größer als erlaubt</translation>
    </message>
    <message>
        <source>The file %1 is there already.</source>
        <translation>Die Datei %1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2.</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <source>%1 (reversed): %2 (%3)</source>
        <translation>%1 (umgekehrt): %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (upright): %2 (%3)</source>
        <translation>%1 (aufrecht): %2 (%3)</translation>
    </message>
</context>
<context>
    <name>PersonalMeanings</name>
    <message>
        <source>reading your own meanings</source>
        <translation>beim Lesen Ihrer eigenen Bedeutungen</translation>
    </message>
    <message>
        <source>the progress history is not open</source>
        <translation>der Fortschrittsverlauf ist nicht geöffnet</translation>
    </message>
    <message>
        <source>saving your own meaning of %1</source>
        <translation>beim Speichern Ihrer eigenen Bedeutung von %1</translation>
    </message>
    <message>
        <source>a meaning may hold at most %1 characters</source>
        <translation>eine Bedeutung darf höchstens %1 Zeichen enthalten</translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1: the file is too large</source>
        <translation>%1 kann nicht kopiert werden: Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>Cannot copy %1: %2</source>
        <translation>%1 kann nicht kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Score per test</source>
        <translation>Ergebnis je Test</translation>
    </message>
    <message>
        <source>Score per test, in percent, over time</source>
        <translation>Ergebnis je Test in Prozent im Zeitverlauf</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Due in the next 30 days</source>
        <translation>Fällig in den nächsten 30 Tagen</translation>
    </message>
    <message>
        <source>Facets due per day over the next 30 days</source>
        <translation>Fällige Facetten pro Tag in den nächsten 30 Tagen</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Days from today (today includes overdue)</source>
        <translation>Tage ab heute (heute schließt Überfälliges ein)</translation>
    </message>
    <message>
        <source>Facets due</source>
        <translation>Fällige Facetten</translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>One card</source>
        <translation>Eine Karte</translation>
    </message>
    <message>
        <source>Three cards</source>
        <translation>Drei Karten</translation>
    </message>
    <message>
        <source>Five cards</source>
        <translation>Fünf Karten</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Past</source>
        <translation>Vergangenheit</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Gegenwart</translation>
    </message>
    <message>
        <source>Future</source>
        <translation>Zukunft</translation>
    </message>
    <message>
        <source>Situation</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation>Herausforderung</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Readings journal</source>
        <translation>Tagebuch der Legungen</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>%1 (reversed). Picture: %2 of %3. Keywords: %4.</source>
        <translation>%1 (umgekehrt). Bild: %2 aus %3. Schlüsselwörter: %4.</translation>
    </message>
    <message>
        <source>%1 (upright). Picture: %2 of %3. Keywords: %4.</source>
        <translation>%1 (aufrecht). Bild: %2 aus %3. Schlüsselwörter: %4.</translation>
    </message>
    <message>
        <source>Interpretation:</source>
        <translation>Deutung:</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy HH:mm</source>
        <comment>the date format of a reading&apos;s title</comment>
        <translation>dddd, d. MMMM yyyy, HH:mm</translation>
    </message>
</context>
<context>
    <name>ReadingPages</name>
    <message>
        <source>Readings</source>
        <translation>Legungen</translation>
    </message>
    <message>
        <source>Question:</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>%1 (reversed)</source>
        <translation>%1 (umgekehrt)</translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation>%1 (aufrecht)</translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation>Schlüsselwörter:</translation>
    </message>
    <message>
        <source>Interpretation:</source>
        <translation>Deutung:</translation>
    </message>
    <message>
        <source>Markdown file (*.md);;Web page with pictures (*.html);;PDF file (*.pdf)</source>
        <translation>Markdown-Datei (*.md);;Webseite mit Bildern (*.html);;PDF-Datei (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is a folder, not a file, so it is not read.</source>
        <translation>%1 ist ein Ordner und keine Datei und wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file, so it is not read.</source>
        <translation>%1 ist eine Pipe und keine Datei und wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is a socket, not a file, so it is not read.</source>
        <translation>%1 ist ein Socket und keine Datei und wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file, so it is not read.</source>
        <translation>%1 ist ein Gerät und keine Datei und wird daher nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>ReviewSession</name>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 Std.</translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation>%1 Tg.</translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation>%1 Mon.</translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation>%1 J.</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>The name belongs to a folder.</source>
        <translation>Der Name gehört zu einem Ordner.</translation>
    </message>
</context>
<context>
    <name>StartupEntry</name>
    <message>
        <source>Error %1 opening key</source>
        <translation>Fehler %1 beim Öffnen des Eintrags</translation>
    </message>
    <message>
        <source>Error %1 setting key</source>
        <translation>Fehler %1 beim Setzen des Eintrags</translation>
    </message>
</context>
<context>
    <name>StudyCards</name>
    <message>
        <source>Keywords:</source>
        <translation>Schlüsselwörter:</translation>
    </message>
    <message>
        <source>Upright:</source>
        <translation>Aufrecht:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <translation>Umgekehrt:</translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source> (Reversed)</source>
        <translation> (umgekehrt)</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>%1 Out Of %2 Correct</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>%1 out of %2 questions correct</source>
        <translation>%1 von %2 Fragen richtig</translation>
    </message>
    <message>
        <source>%1/%2 choice(s) from %3 questions were correct</source>
        <translation>%1/%2 Auswahl(en) aus %3 Fragen waren richtig</translation>
    </message>
    <message>
        <source>Test Report For %1</source>
        <translation>Testbericht für %1</translation>
    </message>
    <message>
        <source>Save Current Result</source>
        <translation>Aktuelles Ergebnis speichern</translation>
    </message>
    <message>
        <source>Text file</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>The test report could not be saved to %1<byte value="xd"/>
%2</source>
        <translation>Der Testbericht konnte nicht unter %1 gespeichert werden<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>You must choose %1 keywords</source>
        <translation>Sie müssen %1 Schlüsselwörter wählen</translation>
    </message>
    <message>
        <source>You can select only %1 keywords.<byte value="xd"/>
Please unselect one before selecting another keyword</source>
        <translation>Sie können nur %1 Schlüsselwörter wählen.<byte value="xd"/>
Bitte heben Sie eine Auswahl auf, bevor Sie ein weiteres Schlüsselwort wählen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine Aktualisierung für diese Software.<byte value="xd"/>Möchten Sie nach einer Aktualisierung suchen?</translation>
    </message>
</context>
<context>
    <name>velmora::CardListPage</name>
    <message>
        <source>No. of Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card %1 (picture)</source>
        <translation>Karte %1 (Bild)</translation>
    </message>
    <message>
        <source>Deck Name:</source>
        <translation>Deckname:</translation>
    </message>
    <message>
        <source>Number of Cards:</source>
        <translation>Anzahl der Karten:</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>velmora::CardPage</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Keyword %1</source>
        <translation>Schlüsselwort %1</translation>
    </message>
    <message>
        <source>Normal Meaning</source>
        <translation>Normale Bedeutung</translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation>Umgekehrte Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Major Arcana</source>
        <translation>&amp;Große Arkana</translation>
    </message>
    <message>
        <source>Major Arcana</source>
        <translation>Große Arkana</translation>
    </message>
    <message>
        <source>Mi&amp;nor Arcana</source>
        <translation>&amp;Kleine Arkana</translation>
    </message>
    <message>
        <source>Minor Arcana</source>
        <translation>Kleine Arkana</translation>
    </message>
    <message>
        <source>Suits</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>&amp;Cups</source>
        <translation>K&amp;elche</translation>
    </message>
    <message>
        <source>Cups</source>
        <translation>Kelche</translation>
    </message>
    <message>
        <source>&amp;Wands</source>
        <translation>&amp;Stäbe</translation>
    </message>
    <message>
        <source>Wands</source>
        <translation>Stäbe</translation>
    </message>
    <message>
        <source>&amp;Pentacles</source>
        <translation>&amp;Münzen</translation>
    </message>
    <message>
        <source>Pentacles</source>
        <translation>Münzen</translation>
    </message>
    <message>
        <source>Swo&amp;rds</source>
        <translation>Sch&amp;werter</translation>
    </message>
    <message>
        <source>Swords</source>
        <translation>Schwerter</translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation>&amp;Automatisch speichern</translation>
    </message>
    <message>
        <source>AutoSave</source>
        <translation>Automatisch speichern</translation>
    </message>
    <message>
        <source>&amp;Insert Pictures</source>
        <translation>&amp;Bilder einfügen</translation>
    </message>
    <message>
        <source>Insert Pictures</source>
        <translation>Bilder einfügen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>Bee&amp;nden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save status</source>
        <translation>Speicherstatus</translation>
    </message>
    <message>
        <source>Enter Name of Tarot Card</source>
        <translation>Geben Sie den Namen der Tarotkarte ein</translation>
    </message>
    <message>
        <source>Enter the keywords related to the above card</source>
        <translation>Geben Sie die Schlüsselwörter zur obigen Karte ein</translation>
    </message>
    <message>
        <source>Enter the normal meaning of the card. There is a limitation of 360 characters</source>
        <translation>Geben Sie die normale Bedeutung der Karte ein. Es sind höchstens 360 Zeichen möglich</translation>
    </message>
    <message>
        <source>Enter the reversed meaning of the card. There is a limitation of 360 characters</source>
        <translation>Geben Sie die umgekehrte Bedeutung der Karte ein. Es sind höchstens 360 Zeichen möglich</translation>
    </message>
    <message>
        <source>Preview / Display of inserted pictures</source>
        <translation>Vorschau / Anzeige der eingefügten Bilder</translation>
    </message>
    <message>
        <source>Click Insert Pictures to add new Tarot Card Pictures</source>
        <translation>Klicken Sie auf „Bilder einfügen“, um neue Tarotkartenbilder hinzuzufügen</translation>
    </message>
    <message>
        <source>Keep this Box Checked to autosave your work.</source>
        <translation>Lassen Sie dieses Feld angekreuzt, damit Ihre Arbeit automatisch gespeichert wird.</translation>
    </message>
    <message>
        <source>Delete Inserted picture(s) and other details in regards to a particular card.</source>
        <translation>Eingefügte Bilder und weitere Angaben zu einer bestimmten Karte löschen.</translation>
    </message>
</context>
<context>
    <name>velmora::DeckManagerPage</name>
    <message>
        <source>Decks</source>
        <translation>Decks</translation>
    </message>
    <message>
        <source>Create A New Deck</source>
        <translation>Ein neues Deck erstellen</translation>
    </message>
    <message>
        <source>Deck Name</source>
        <translation>Deckname</translation>
    </message>
    <message>
        <source>Number of Cards In Deck</source>
        <translation>Anzahl der Karten im Deck</translation>
    </message>
    <message>
        <source>Designed By</source>
        <translation>Gestaltet von</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Ände&amp;rn</translation>
    </message>
    <message>
        <source>&amp;Delete Deck From List</source>
        <translation>Deck aus der &amp;Liste löschen</translation>
    </message>
    <message>
        <source>Delete a selected deck from list of decks</source>
        <translation>Ein ausgewähltes Deck aus der Liste der Decks löschen</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>E&amp;xport / Share Your  Deck</source>
        <translation>E&amp;xportieren / Ihr Deck teilen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>* Deck N&amp;ame</source>
        <translation>* Deck&amp;name</translation>
    </message>
    <message>
        <source>Enter The Name of the Deck in order to start creating your own Tarot Learning Deck</source>
        <translation>Geben Sie den Namen des Decks ein, um mit dem Erstellen Ihres eigenen Tarot-Lerndecks zu beginnen</translation>
    </message>
    <message>
        <source>* N&amp;umerber of Card In Deck</source>
        <translation>* &amp;Anzahl der Karten im Deck</translation>
    </message>
    <message>
        <source>Enter the total number of cards in your personal deck.</source>
        <translation>Geben Sie die Gesamtzahl der Karten in Ihrem persönlichen Deck ein.</translation>
    </message>
    <message>
        <source>D&amp;esigned By</source>
        <translation>&amp;Gestaltet von</translation>
    </message>
    <message>
        <source>Enter the name of your Deck designer.</source>
        <translation>Geben Sie den Namen der Person ein, die Ihr Deck gestaltet hat.</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>Enter password to protect your personal deck from being modified by others you may give or share the deck with.</source>
        <translation>Geben Sie ein Passwort ein, damit andere, denen Sie das Deck geben oder mit denen Sie es teilen, Ihr persönliches Deck nicht ändern können.</translation>
    </message>
    <message>
        <source>Click Create New Deck in order to start creating your own learning deck</source>
        <translation>Klicken Sie auf „Neues Deck erstellen“, um mit dem Erstellen Ihres eigenen Lerndecks zu beginnen</translation>
    </message>
    <message>
        <source>Modify the Deck name, Designer name, Password &amp; number of cards and click modify and save the the information.</source>
        <translation>Ändern Sie Deckname, Gestalter, Passwort und Kartenanzahl und klicken Sie auf „Ändern“, um die Angaben zu speichern.</translation>
    </message>
    <message>
        <source>Delete Selected Deck From List</source>
        <translation>Ausgewähltes Deck aus der Liste löschen</translation>
    </message>
    <message>
        <source>Export, save and share your own created deck by sending others the deck file.</source>
        <translation>Exportieren, speichern und teilen Sie Ihr selbst erstelltes Deck, indem Sie anderen die Deckdatei senden.</translation>
    </message>
    <message>
        <source>Click NEXT to start the detailed deck design page.</source>
        <translation>Klicken Sie auf WEITER, um die ausführliche Deckgestaltung zu öffnen.</translation>
    </message>
</context>
<context>
    <name>velmora::ExportFrame</name>
    <message>
        <source>Export Deck</source>
        <translation>Deck exportieren</translation>
    </message>
    <message>
        <source>Deck file to export</source>
        <translation>Zu exportierende Deckdatei</translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation>Zielordner für den Export</translation>
    </message>
    <message>
        <source>Files in the folder to export to</source>
        <translation>Dateien im Zielordner für den Export</translation>
    </message>
    <message>
        <source>E&amp;xport Deck</source>
        <translation>Deck e&amp;xportieren</translation>
    </message>
    <message>
        <source>Export as &amp;Flashcard Package</source>
        <translation>&amp;Karteikartenpaket exportieren</translation>
    </message>
    <message>
        <source>Export as C&amp;SV</source>
        <translation>&amp;CSV exportieren</translation>
    </message>
    <message>
        <source>Include &amp;review state</source>
        <translation>Mit &amp;Wiederholungsstand</translation>
    </message>
    <message>
        <source>The package carries where each card&apos;s review stands, so that study goes on where it stopped.</source>
        <translation>Das Paket enthält den Wiederholungsstand jeder Karte, sodass das Lernen dort weitergeht, wo es aufgehört hat.</translation>
    </message>
    <message>
        <source>&amp;Deck file</source>
        <translation>D&amp;eckdatei</translation>
    </message>
    <message>
        <source>Export &amp;to</source>
        <translation>Exportieren &amp;nach</translation>
    </message>
    <message>
        <source>Files &amp;in that folder</source>
        <translation>Dateien &amp;in diesem Ordner</translation>
    </message>
</context>
<context>
    <name>velmora::FolderChoice</name>
    <message>
        <source>Br&amp;owse...</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
</context>
<context>
    <name>velmora::FrmAbout</name>
    <message>
        <source>Velmora is a tarot tutor and a workshop for tarot learning decks in one program. Memorize the cards upright and reversed with their keywords and meanings, test yourself at three levels, design decks of your own with your own meanings and share them with others. A goal reminder keeps your personal goals in view while you learn.</source>
        <translation>Velmora ist Tarot-Lehrer und Werkstatt für Tarot-Lerndecks in einem Programm. Prägen Sie sich die Karten aufrecht und umgekehrt mit ihren Schlüsselwörtern und Bedeutungen ein, testen Sie sich auf drei Stufen, entwerfen Sie eigene Decks mit Ihren eigenen Bedeutungen und geben Sie sie an andere weiter. Eine Zielerinnerung behält Ihre persönlichen Ziele im Blick, während Sie lernen.</translation>
    </message>
    <message>
        <source>Card Drawings</source>
        <translation>Kartenbilder</translation>
    </message>
    <message>
        <source>The pictures of the default deck were drawn for Velmora by the program&apos;s own card generator and come with the program.</source>
        <translation>Die Bilder des Standarddecks wurden vom programmeigenen Kartengenerator für Velmora gezeichnet und werden mit dem Programm ausgeliefert.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software vollständig mit Ihrer Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klicken Sie hier für weitere Einzelheiten</translation>
    </message>
    <message>
        <source>Visit the Velmora web site for news, help and the forum</source>
        <translation>Besuchen Sie die Velmora-Website für Neuigkeiten, Hilfe und das Forum</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>velmora::FrmBegin</name>
    <message>
        <source>&amp;Design A New Deck</source>
        <translation>Neues Deck &amp;entwerfen</translation>
    </message>
    <message>
        <source>Design &amp;&amp; use your own meaning and keywords for tarot cards. A wonderful way to design decks to teach your students.</source>
        <translation>Entwerfen und verwenden Sie eigene Bedeutungen und Schlüsselwörter für Tarotkarten. Eine wunderbare Möglichkeit, Decks für den Unterricht Ihrer Schüler zu gestalten.</translation>
    </message>
    <message>
        <source>&amp;Learn Tarot &amp;&amp; Test</source>
        <translation>Tarot &amp;lernen &amp;&amp; testen</translation>
    </message>
    <message>
        <source>Learn The Cards &amp; Take Tarot Test</source>
        <translation>Lernen Sie die Karten und legen Sie einen Tarot-Test ab</translation>
    </message>
    <message>
        <source>&amp;Import Other Decks</source>
        <translation>Andere Decks &amp;importieren</translation>
    </message>
    <message>
        <source>Click here to import new tarot learning deck from your harddisk</source>
        <translation>Klicken Sie hier, um ein neues Tarot-Lerndeck von Ihrer Festplatte zu importieren</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Click here to see and download other Tarot Learning Decks</source>
        <translation>Klicken Sie hier, um weitere Tarot-Lerndecks anzusehen und herunterzuladen</translation>
    </message>
    <message>
        <source>Download Decks:</source>
        <translation>Decks herunterladen:</translation>
    </message>
    <message>
        <source>Talk tarot with other learners and deck designers: click here to visit our online discussion forum.</source>
        <translation>Sprechen Sie mit anderen Lernenden und Deck-Gestaltern über Tarot: Klicken Sie hier, um unser Online-Diskussionsforum zu besuchen.</translation>
    </message>
    <message>
        <source>Velmora Tarot Forum</source>
        <translation>Velmora-Tarot-Forum</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own name, web address and logo on Velmora and hand it out to your visitors. Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software zusätzlich mit Ihrer Marke für Ihre Website: Setzen Sie Ihren Namen, Ihre Webadresse und Ihr Logo auf Velmora und geben Sie es an Ihre Besucher weiter. Klicken Sie hier für weitere Informationen zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software vollständig mit Ihrer Marke für Ihre Website. Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>Required files are missing<byte value="xd"/>Please Reinstall Software</source>
        <translation>Benötigte Dateien fehlen<byte value="xd"/>Bitte installieren Sie die Software neu</translation>
    </message>
</context>
<context>
    <name>velmora::FrmDeck</name>
    <message>
        <source>This Tarot Learning Deck does not exsist any more.<byte value="xd"/>
Do you want to delete it from Tarot Learning Deck list?</source>
        <translation>Dieses Tarot-Lerndeck existiert nicht mehr.<byte value="xd"/>
Möchten Sie es aus der Liste der Tarot-Lerndecks löschen?</translation>
    </message>
    <message>
        <source>Please Enter The Password</source>
        <translation>Bitte geben Sie das Passwort ein</translation>
    </message>
    <message>
        <source>There is no existing Tutor available<byte value="xd"/>
Please Create a New Tutor</source>
        <translation>Es ist kein Tarot-Lerndeck vorhanden<byte value="xd"/>
Bitte erstellen Sie ein neues Tarot-Lerndeck</translation>
    </message>
    <message>
        <source>Please select a Tarot Learning Deck</source>
        <translation>Bitte wählen Sie ein Tarot-Lerndeck aus</translation>
    </message>
    <message>
        <source>Please Select an Existing Tarot Learning Deck<byte value="xd"/>
or Please Create a New Tarot Learning Deck</source>
        <translation>Bitte wählen Sie ein vorhandenes Tarot-Lerndeck aus<byte value="xd"/>
oder erstellen Sie ein neues Tarot-Lerndeck</translation>
    </message>
    <message>
        <source>Please Select a Tarot Learning Deck</source>
        <translation>Bitte wählen Sie ein Tarot-Lerndeck aus</translation>
    </message>
    <message>
        <source>Please Specify the Tarot Learning Deck Name</source>
        <translation>Bitte geben Sie den Namen des Tarot-Lerndecks an</translation>
    </message>
    <message>
        <source>Please Mention the Number of Cards</source>
        <translation>Bitte geben Sie die Anzahl der Karten an</translation>
    </message>
    <message>
        <source>A Tarot Learning Deck must contain at least 3 Cards</source>
        <translation>Ein Tarot-Lerndeck muss mindestens 3 Karten enthalten</translation>
    </message>
    <message>
        <source>A Tarot Learning Deck must contain at least 1 Card</source>
        <translation>Ein Tarot-Lerndeck muss mindestens 1 Karte enthalten</translation>
    </message>
    <message>
        <source>A Tarot Learning Deck can contain at most 78 Cards</source>
        <translation>Ein Tarot-Lerndeck kann höchstens 78 Karten enthalten</translation>
    </message>
    <message>
        <source>Tarot Learning Deck Created Successfully</source>
        <translation>Das Tarot-Lerndeck wurde erfolgreich erstellt</translation>
    </message>
    <message>
        <source>Tarot Learning Deck Information Modified Successfully</source>
        <translation>Die Angaben zum Tarot-Lerndeck wurden erfolgreich geändert</translation>
    </message>
    <message>
        <source>Tarot Learnign Deck Deleted Successfully</source>
        <translation>Das Tarot-Lerndeck wurde erfolgreich gelöscht</translation>
    </message>
    <message>
        <source>%1 of the %2 cards that would be removed hold names, keywords, meanings or pictures.<byte value="xd"/>
Do you want to remove them with everything they hold?</source>
        <translation>%1 der %2 Karten, die entfernt würden, enthalten Namen, Schlüsselwörter, Bedeutungen oder Bilder.<byte value="xd"/>
Möchten Sie sie mit allem, was sie enthalten, entfernen?</translation>
    </message>
    <message>
        <source>This Tarot Learning Deck cannot be moved to the trash.<byte value="xd"/>
Do you want to delete its file for good?</source>
        <translation>Dieses Tarot-Lerndeck kann nicht in den Papierkorb verschoben werden.<byte value="xd"/>
Möchten Sie seine Datei endgültig löschen?</translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be created.<byte value="xd"/>
%1</source>
        <translation>Das Tarot-Lerndeck konnte nicht erstellt werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be modified; nothing was changed.<byte value="xd"/>
%1</source>
        <translation>Das Tarot-Lerndeck konnte nicht geändert werden; es wurde nichts verändert.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be deleted; nothing was changed.<byte value="xd"/>
%1</source>
        <translation>Das Tarot-Lerndeck konnte nicht gelöscht werden; es wurde nichts verändert.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>&amp;Create New Deck</source>
        <translation>Neues Deck &amp;erstellen</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Export and import of decks are not part of this version yet.</source>
        <translation>Export und Import von Decks sind in dieser Version noch nicht enthalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;arbeiten</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Back to &amp;Main</source>
        <translation>Zurück zum &amp;Hauptfenster</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>velmora::FrmDeckDesign</name>
    <message>
        <source>Normal Meaning can be maximum of 360 characters</source>
        <translation>Die normale Bedeutung darf höchstens 360 Zeichen lang sein</translation>
    </message>
    <message>
        <source>Reverse Meaning can be maximum of 360 characters</source>
        <translation>Die umgekehrte Bedeutung darf höchstens 360 Zeichen lang sein</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>The deck cannot be opened for writing: %1</source>
        <translation>Das Deck kann nicht zum Schreiben geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Card %1 is not saved: %2</source>
        <translation>Karte %1 ist nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>Card %1 is not saved: %2. The next change or Save tries again.</source>
        <translation>Karte %1 ist nicht gespeichert: %2. Die nächste Änderung oder „Speichern“ versucht es erneut.</translation>
    </message>
    <message>
        <source>Card(s) Saved Successfully</source>
        <translation>Karte(n) erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation>Karte %1: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this card ?

%1</source>
        <translation>Möchten Sie diese Karte wirklich löschen?

%1</translation>
    </message>
    <message>
        <source>Card %1 is not deleted: %2</source>
        <translation>Karte %1 ist nicht gelöscht: %2</translation>
    </message>
    <message>
        <source>Go back anyway?</source>
        <translation>Trotzdem zurückgehen?</translation>
    </message>
    <message>
        <source>Card %1 could not be saved: %2. %3</source>
        <translation>Karte %1 konnte nicht gespeichert werden: %2. %3</translation>
    </message>
    <message>
        <source>Quit anyway?</source>
        <translation>Trotzdem beenden?</translation>
    </message>
</context>
<context>
    <name>velmora::FrmExportMessage</name>
    <message>
        <source>Export message</source>
        <translation>Exportmeldung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>velmora::FrmImportExportDeck</name>
    <message>
        <source>Export Tutor</source>
        <translation>Tarot-Lerndeck exportieren</translation>
    </message>
    <message>
        <source>Import Tutor</source>
        <translation>Tarot-Lerndeck importieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>I&amp;mportieren</translation>
    </message>
    <message>
        <source>Making a compact copy of the deck and exporting it...</source>
        <translation>Eine kompakte Kopie des Decks wird erstellt und exportiert …</translation>
    </message>
    <message>
        <source>Exporting the deck...</source>
        <translation>Das Deck wird exportiert …</translation>
    </message>
    <message>
        <source>Writing the flashcard package...</source>
        <translation>Das Karteikartenpaket wird geschrieben …</translation>
    </message>
    <message>
        <source>Reading the flashcard package...</source>
        <translation>Das Karteikartenpaket wird gelesen …</translation>
    </message>
    <message>
        <source>Importing the flashcard package...</source>
        <translation>Das Karteikartenpaket wird importiert …</translation>
    </message>
    <message>
        <source>Importing the CSV...</source>
        <translation>Die CSV-Datei wird importiert …</translation>
    </message>
    <message>
        <source>Importing the deck...</source>
        <translation>Das Deck wird importiert …</translation>
    </message>
</context>
<context>
    <name>velmora::FrmLoadPictures</name>
    <message numerus="yes">
        <source>%n Pictures already added
You cannot add any more pictures</source>
        <translation>
            <numerusform>%n Bild bereits hinzugefügt
Sie können keine weiteren Bilder hinzufügen</numerusform>
            <numerusform>%n Bilder bereits hinzugefügt
Sie können keine weiteren Bilder hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>This Picture has already been added.
Please select another picture</source>
        <translation>Dieses Bild wurde bereits hinzugefügt.
Bitte wählen Sie ein anderes Bild aus</translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MB</source>
        <translation>%1: Die Datei ist größer als %2 MB</translation>
    </message>
    <message>
        <source>%1: not a picture</source>
        <translation>%1: kein Bild</translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels)</source>
        <translation>%1: Das Bild ist zu groß (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded within the memory limit</source>
        <translation>%1: Das Bild kann innerhalb der Speichergrenze nicht dekodiert werden</translation>
    </message>
    <message>
        <source>%1: cannot be written as %2</source>
        <translation>%1: kann nicht als %2 geschrieben werden</translation>
    </message>
    <message>
        <source>These pictures were not stored:
%1</source>
        <translation>Diese Bilder wurden nicht gespeichert:
%1</translation>
    </message>
    <message>
        <source>Folder of the pictures</source>
        <translation>Ordner der Bilder</translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Chosen pictures</source>
        <translation>Ausgewählte Bilder</translation>
    </message>
    <message>
        <source>Card No</source>
        <translation>Kartennr.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Keep pictures compact (JPEG)</source>
        <translation>Bilder &amp;kompakt halten (JPEG)</translation>
    </message>
    <message>
        <source>Keep pictures compact (JPEG)</source>
        <translation>Bilder kompakt halten (JPEG)</translation>
    </message>
    <message>
        <source>Checked: a JPEG file is stored as it is, byte for byte, and any other picture as a JPEG file; a 1000 x 1700 photo takes about 0.6 MB, so a deck of 78 such cards is about 50 MB and can be sent to friends.
Unchecked: every picture is stored as a BMP file, about 5 MB for the same photo, so such a deck is about 400 MB.</source>
        <translation>Angekreuzt: Eine JPEG-Datei wird Byte für Byte unverändert gespeichert, jedes andere Bild als JPEG-Datei; ein Foto mit 1000 × 1700 Pixeln belegt etwa 0,6 MB, ein Deck aus 78 solchen Karten also etwa 50 MB, und es kann an Freunde gesendet werden.
Nicht angekreuzt: Jedes Bild wird als BMP-Datei gespeichert, etwa 5 MB für dasselbe Foto, ein solches Deck belegt also etwa 400 MB.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Each picture as it is stored into its card</source>
        <translation>Jedes Bild so, wie es in seiner Karte gespeichert wird</translation>
    </message>
    <message>
        <source>Picture has been deleted. Please add another picture</source>
        <translation>Das Bild wurde gelöscht. Bitte fügen Sie ein anderes Bild hinzu</translation>
    </message>
    <message>
        <source>Please Select Picture(s)</source>
        <translation>Bitte wählen Sie ein oder mehrere Bilder aus</translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation>Karte %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Saving was cancelled after %1 of %2 pictures; the rest were not stored.</source>
        <translation>Das Speichern wurde nach %1 von %2 Bildern abgebrochen; die übrigen wurden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>velmora::FrmMain</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>  My Personal Goal  </source>
        <translation>  Mein persönliches Ziel  </translation>
    </message>
    <message>
        <source>  Settings  </source>
        <translation>  Einstellungen  </translation>
    </message>
    <message>
        <source>  Memorize Cards  </source>
        <translation>  Karten einprägen  </translation>
    </message>
    <message>
        <source>  Take Test  </source>
        <translation>  Test machen  </translation>
    </message>
    <message>
        <source>  Results  </source>
        <translation>  Ergebnisse  </translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Required files missing. Please reinstall %1</source>
        <translation>Benötigte Dateien fehlen. Bitte installieren Sie %1 neu</translation>
    </message>
    <message>
        <source>ERROR !</source>
        <translation>FEHLER !</translation>
    </message>
    <message>
        <source>None of these cards is in the deck &apos;%1&apos; any more.</source>
        <translation>Keine dieser Karten ist mehr im Deck &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Test Complete</source>
        <translation>Test abgeschlossen</translation>
    </message>
    <message>
        <source>This test could not be added to your progress history. %1</source>
        <translation>Dieser Test konnte nicht zu Ihrem Fortschrittsverlauf hinzugefügt werden. %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;My Personal Goals</source>
        <translation>&amp;Meine persönlichen Ziele</translation>
    </message>
    <message>
        <source>Setings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation>&amp;Fortschritt...</translation>
    </message>
    <message>
        <source>&amp;Readings...</source>
        <translation>&amp;Legungen...</translation>
    </message>
    <message>
        <source>Readings &amp;Journal...</source>
        <translation>Legungs&amp;tagebuch...</translation>
    </message>
    <message>
        <source>Print &amp;Study Cards...</source>
        <translation>Lern&amp;karten drucken...</translation>
    </message>
    <message>
        <source>Card of the &amp;Day at Start</source>
        <translation>Karte des Tages beim &amp;Start</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Print Study Cards</source>
        <translation>Lernkarten drucken</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>The study cards could not be written to %1
%2</source>
        <translation>Die Lernkarten konnten nicht nach %1 geschrieben werden
%2</translation>
    </message>
</context>
<context>
    <name>velmora::FrmPackageMapping</name>
    <message>
        <source>First notes of the package</source>
        <translation>Erste Notizen des Pakets</translation>
    </message>
    <message>
        <source>&amp;Notes in the package</source>
        <translation>&amp;Notizen im Paket</translation>
    </message>
    <message>
        <source>Name of the new deck</source>
        <translation>Name des neuen Decks</translation>
    </message>
    <message>
        <source>Field for the card name</source>
        <translation>Feld für den Kartennamen</translation>
    </message>
    <message>
        <source>Field for the group</source>
        <translation>Feld für die Gruppe</translation>
    </message>
    <message>
        <source>Field for the keywords</source>
        <translation>Feld für die Schlüsselwörter</translation>
    </message>
    <message>
        <source>Field for the upright meaning</source>
        <translation>Feld für die aufrechte Bedeutung</translation>
    </message>
    <message>
        <source>Field for the reversed meaning</source>
        <translation>Feld für die umgekehrte Bedeutung</translation>
    </message>
    <message>
        <source>Field for the picture</source>
        <translation>Feld für das Bild</translation>
    </message>
    <message>
        <source>&amp;Deck name</source>
        <translation>&amp;Deckname</translation>
    </message>
    <message>
        <source>Card na&amp;me</source>
        <translation>&amp;Kartenname</translation>
    </message>
    <message>
        <source>&amp;Group (else from the tags)</source>
        <translation>&amp;Gruppe (sonst aus den Schlagwörtern)</translation>
    </message>
    <message>
        <source>&amp;Keywords (split on , or ;)</source>
        <translation>&amp;Schlüsselwörter (getrennt durch , oder ;)</translation>
    </message>
    <message>
        <source>&amp;Upright meaning</source>
        <translation>Bedeutung &amp;aufrecht</translation>
    </message>
    <message>
        <source>&amp;Reversed meaning</source>
        <translation>Bedeutung &amp;umgekehrt</translation>
    </message>
    <message>
        <source>&amp;Picture (first image)</source>
        <translation>&amp;Bild (erstes Bild)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;Notes in the package: %1 of type “%2”, the first %3 shown</source>
        <translation>&amp;Notizen im Paket: %1 vom Typ „%2“, die ersten %3 werden angezeigt</translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation>[Bild: %1]</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
</context>
<context>
    <name>velmora::ImportFrame</name>
    <message>
        <source>Import Deck</source>
        <translation>Deck importieren</translation>
    </message>
    <message>
        <source>Folder to import from</source>
        <translation>Ordner, aus dem importiert wird</translation>
    </message>
    <message>
        <source>File to import</source>
        <translation>Zu importierende Datei</translation>
    </message>
    <message>
        <source>Import From</source>
        <translation>Importieren aus</translation>
    </message>
    <message>
        <source>Import To</source>
        <translation>Importieren nach</translation>
    </message>
    <message>
        <source>&amp;Import Deck</source>
        <translation>Deck i&amp;mportieren</translation>
    </message>
</context>
<context>
    <name>velmora::MemorizePage</name>
    <message>
        <source>What this card means to you</source>
        <translation>Was diese Karte für Sie bedeutet</translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>The groups chosen on the settings tab hold no cards of this deck. Choose other groups, or another deck, and press &quot;Memorize Meaning / Keywords&quot; again.</source>
        <translation>Die auf der Registerkarte „Einstellungen“ gewählten Gruppen enthalten keine Karten dieses Decks. Wählen Sie andere Gruppen oder ein anderes Deck und klicken Sie erneut auf „Bedeutung / Schlüsselwörter einprägen“.</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>Card picture reversed</source>
        <translation>Kartenbild umgekehrt</translation>
    </message>
    <message>
        <source>Keywords (same for both)</source>
        <translation>Schlüsselwörter (für beide gleich)</translation>
    </message>
    <message>
        <source>Card Meaning :</source>
        <translation>Bedeutung der Karte:</translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation>Umgekehrte Bedeutung</translation>
    </message>
    <message>
        <source>My o&amp;wn meaning (upright):</source>
        <translation>&amp;Eigene Bedeutung (aufrecht):</translation>
    </message>
    <message>
        <source>My own meanin&amp;g (reversed):</source>
        <translation>E&amp;igene Bedeutung (umgekehrt):</translation>
    </message>
    <message>
        <source>&amp;Ask for my own meanings in description tests and reviews</source>
        <translation>In Beschreibungstests und Wiederholungen nach meinen eigenen Bedeutungen &amp;fragen</translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation>&lt;&lt; &amp;Vorherige</translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation>&amp;Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>Test M&amp;e</source>
        <translation>Mich &amp;testen</translation>
    </message>
    <message>
        <source>An own meaning holds at most %1 characters.</source>
        <translation>Eine eigene Bedeutung enthält höchstens %1 Zeichen.</translation>
    </message>
</context>
<context>
    <name>velmora::OwnMeaningKeeper</name>
    <message>
        <source>Your own meanings cannot be read, so they are left as they are and nothing is written over them. %1</source>
        <translation>Ihre eigenen Bedeutungen können nicht gelesen werden. Sie bleiben daher unverändert und werden nicht überschrieben. %1</translation>
    </message>
    <message>
        <source>Your own meaning of %1 could not be saved. %2</source>
        <translation>Ihre eigene Bedeutung von %1 konnte nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source>Your own meanings are saved.</source>
        <translation>Ihre eigenen Bedeutungen sind gespeichert.</translation>
    </message>
    <message>
        <source>Your own meaning could not be saved: %1</source>
        <translation>Ihre eigene Bedeutung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Your own meaning of %1 could not be saved. %2

Close without saving it?</source>
        <translation>Ihre eigene Bedeutung von %1 konnte nicht gespeichert werden. %2

Ohne Speichern schließen?</translation>
    </message>
</context>
<context>
    <name>velmora::ResidentController</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
</context>
<context>
    <name>velmora::ResultsPage</name>
    <message>
        <source>Test report</source>
        <translation>Testbericht</translation>
    </message>
    <message>
        <source>&amp;Save Current Result</source>
        <translation>Aktuelles Ergebnis &amp;speichern</translation>
    </message>
</context>
<context>
    <name>velmora::SettingsPage</name>
    <message>
        <source>Select Tarot Tutor</source>
        <translation>Tarot-Lerndeck wählen</translation>
    </message>
    <message>
        <source>&amp;Memorize Meaning / Keywords</source>
        <translation>Bedeutung / Schlüsselwörter e&amp;inprägen</translation>
    </message>
    <message>
        <source>Test M&amp;e</source>
        <translation>Mich &amp;testen</translation>
    </message>
    <message>
        <source>Here you can select the cards you want to practice / memorize. You can change these whenever you want or when you have cleared one objective.</source>
        <translation>Hier wählen Sie die Karten, die Sie üben bzw. sich einprägen möchten. Sie können die Auswahl jederzeit ändern, etwa wenn Sie ein Ziel erreicht haben.</translation>
    </message>
    <message>
        <source>Select Objectives</source>
        <translation>Ziele wählen</translation>
    </message>
    <message>
        <source>Ma&amp;jor Arcana</source>
        <translation>&amp;Große Arkana</translation>
    </message>
    <message>
        <source>Mi&amp;nor Arcana</source>
        <translation>&amp;Kleine Arkana</translation>
    </message>
    <message>
        <source>&amp;Cups</source>
        <translation>Kel&amp;che</translation>
    </message>
    <message>
        <source>&amp;Wands</source>
        <translation>&amp;Stäbe</translation>
    </message>
    <message>
        <source>&amp;Pentacles</source>
        <translation>&amp;Münzen</translation>
    </message>
    <message>
        <source>&amp;Swords</source>
        <translation>Sch&amp;werter</translation>
    </message>
    <message>
        <source>&amp;Reversed</source>
        <translation>&amp;Umgekehrt</translation>
    </message>
    <message>
        <source>A card&apos;s keywords are the same whether it falls upright or reversed. The keyword test therefore never turns a card, and the memorize tab shows the upright picture, the reversed picture and the keywords together on one screen.</source>
        <translation>Die Schlüsselwörter einer Karte sind gleich, ob sie aufrecht oder umgekehrt liegt. Der Schlüsselworttest dreht daher nie eine Karte, und die Registerkarte „Einprägen“ zeigt das aufrechte Bild, das umgekehrte Bild und die Schlüsselwörter zusammen auf einer Seite.</translation>
    </message>
    <message>
        <source>Share what you learn with other students of the cards: click here to visit our online discussion forum.</source>
        <translation>Teilen Sie Ihr Wissen mit anderen, die die Karten lernen: Klicken Sie hier, um unser Online-Diskussionsforum zu besuchen.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own name, web address and logo on Velmora and hand it out to your visitors. Click Here for more info on co-branding.</source>
        <translation>Versehen Sie diese Software mit Ihrer eigenen Marke: Setzen Sie Ihren Namen, Ihre Webadresse und Ihr Logo auf Velmora und geben Sie es an Ihre Besucher weiter. Klicken Sie hier für mehr Informationen zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software vollständig mit der Marke Ihrer Website. Klicken Sie hier für weitere Einzelheiten.</translation>
    </message>
    <message>
        <source>Test Type</source>
        <translation>Testart</translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation>Besch&amp;reibung</translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation>Sch&amp;lüsselwörter</translation>
    </message>
    <message>
        <source>This option applies only when you take the test. The test can be based on the keywords or on the descriptions of the cards. Knowing the keywords matters more: the meaning of a card in a reading depends on the question asked.</source>
        <translation>Diese Option gilt nur für den Test. Der Test kann auf den Schlüsselwörtern oder auf den Beschreibungen der Karten beruhen. Die Schlüsselwörter zu kennen ist wichtiger: Die Bedeutung einer Karte in einer Legung hängt von der gestellten Frage ab.</translation>
    </message>
    <message>
        <source>Test Level</source>
        <translation>Teststufe</translation>
    </message>
    <message>
        <source>Be&amp;ginner</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>F&amp;ortgeschrittene</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation>&amp;Experten</translation>
    </message>
    <message>
        <source>This option applies only when you take the test. Each level is more difficult than the one before.</source>
        <translation>Diese Option gilt nur für den Test. Jede Stufe ist schwieriger als die vorherige.</translation>
    </message>
    <message>
        <source>Save Current Settings As Defau&amp;lt</source>
        <translation>Aktuelle Einstellungen als Standard s&amp;peichern</translation>
    </message>
    <message>
        <source>Spaced Review</source>
        <translation>Verteilte Wiederholung</translation>
    </message>
    <message>
        <source>Ma&amp;x. new facets per day:</source>
        <translation>Ma&amp;x. neue Facetten pro Tag:</translation>
    </message>
    <message>
        <source>Max. reviews per day:</source>
        <translation>Max. Wiederholungen pro Tag:</translation>
    </message>
    <message>
        <source>Desired retention:</source>
        <translation>Gewünschte Behaltensquote:</translation>
    </message>
    <message>
        <source>Day starts at:</source>
        <translation>Tag beginnt um:</translation>
    </message>
    <message>
        <source>Review backlog:</source>
        <translation>Wiederholungsrückstand:</translation>
    </message>
    <message>
        <source>No new facets while more reviews than this are due</source>
        <translation>Keine neuen Facetten, solange mehr Wiederholungen als diese fällig sind</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>New facets and those not yet due</source>
        <translation>Neue und noch nicht fällige Facetten</translation>
    </message>
    <message>
        <source>Every facet tested</source>
        <translation>Jede getestete Facette</translation>
    </message>
    <message>
        <source>Test answers grade:</source>
        <translation>Testantworten bewerten:</translation>
    </message>
    <message>
        <source>Test answers grade</source>
        <translation>Testantworten bewerten</translation>
    </message>
    <message>
        <source>Other facets next day (&amp;1)</source>
        <translation>Andere Facetten am nächsten Tag (&amp;1)</translation>
    </message>
    <message>
        <source>Other facets next day</source>
        <translation>Andere Facetten am nächsten Tag</translation>
    </message>
    <message>
        <source>Once a facet of a card is reviewed, its other facets wait for the next day</source>
        <translation>Sobald eine Facette einer Karte wiederholt wurde, warten ihre anderen Facetten bis zum nächsten Tag</translation>
    </message>
    <message>
        <source>Re&amp;view Due Cards (%1)</source>
        <translation>&amp;Fällige Karten wiederholen (%1)</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Sprache der Oberfläche</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Gilt ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Language (&amp;2):</source>
        <translation>Sprache (&amp;2):</translation>
    </message>
    <message>
        <source>Memory model weights</source>
        <translation>Gewichte des Gedächtnismodells</translation>
    </message>
    <message>
        <source>Fit the weights to your own reviews</source>
        <translation>Die Gewichte an Ihre eigenen Wiederholungen anpassen</translation>
    </message>
    <message>
        <source>Back to the default weights</source>
        <translation>Zurück zu den Standardgewichten</translation>
    </message>
    <message>
        <source>Own: %1</source>
        <translation>Eigene: %1</translation>
    </message>
    <message>
        <source>Defaults: %1</source>
        <translation>Standard: %1</translation>
    </message>
    <message>
        <source>Fitting the weights to your reviews: %1%</source>
        <translation>Die Gewichte werden an Ihre Wiederholungen angepasst: %1 %</translation>
    </message>
    <message>
        <source>Weights (&amp;4):</source>
        <translation>Gewichte (&amp;5):</translation>
    </message>
    <message>
        <source>Optimi&amp;ze</source>
        <translation>Optimieren (&amp;4)</translation>
    </message>
    <message>
        <source>Reset (&amp;3)</source>
        <translation>Zurücksetzen (&amp;3)</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>velmora::SystemTrayFrame</name>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Run at start-&amp;up</source>
        <translation>Bei &amp;jedem Anmelden starten</translation>
    </message>
    <message>
        <source>D&amp;on&apos;t run at start-up</source>
        <translation>Beim Anmelden &amp;nicht starten</translation>
    </message>
    <message>
        <source>Start at s&amp;ystem tray</source>
        <translation>&amp;Verkleinert im Infobereich starten</translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.
It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation>Dies ist eine sehr wichtige Einstellung. Denken Sie daran: Wenn Sie den größten Nutzen aus diesem Programm ziehen möchten, muss es ständig laufen.
Es ist außerdem wichtig, dass Sie Ihre Ziele im Blick behalten; ein Start im Infobereich steht diesen Zielen daher im Weg.</translation>
    </message>
</context>
<context>
    <name>velmora::TestPage</name>
    <message>
        <source>Question :</source>
        <translation>Frage:</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation>&amp;Nächste Frage</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
</context>
<context>
    <name>velmora::WeightFitter</name>
    <message>
        <source>The weights could not be fitted. %1</source>
        <translation>Die Gewichte konnten nicht angepasst werden. %1</translation>
    </message>
    <message>
        <source>Log loss on the reviews kept aside: %1 with the fitted weights, %2 with the defaults.</source>
        <translation>Log-Loss auf den zurückbehaltenen Wiederholungen: %1 mit den angepassten Gewichten, %2 mit den Standardgewichten.</translation>
    </message>
    <message numerus="yes">
        <source>The weights now follow your own reviews (%n reviews).</source>
        <translation>
            <numerusform>Die Gewichte folgen jetzt Ihren eigenen Wiederholungen (%n Wiederholung).</numerusform>
            <numerusform>Die Gewichte folgen jetzt Ihren eigenen Wiederholungen (%n Wiederholungen).</numerusform>
        </translation>
    </message>
    <message>
        <source>The weights fitted to your reviews predict them no better than the defaults: the defaults stay.</source>
        <translation>Die an Ihre Wiederholungen angepassten Gewichte sagen sie nicht besser voraus als die Standardgewichte: Die Standardgewichte bleiben.</translation>
    </message>
    <message>
        <source>Too few reviews to fit the weights to: %1 of the %2 needed.</source>
        <translation>Zu wenige Wiederholungen, um die Gewichte anzupassen: %1 der nötigen %2.</translation>
    </message>
    <message>
        <source>The fitting was stopped; the weights stay as they were.</source>
        <translation>Die Anpassung wurde abgebrochen; die Gewichte bleiben, wie sie waren.</translation>
    </message>
</context>
<context>
    <name>velmora::goals::DatePicker</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1, day</source>
        <translation>%1, Tag</translation>
    </message>
    <message>
        <source>%1, month</source>
        <translation>%1, Monat</translation>
    </message>
    <message>
        <source>%1, year</source>
        <translation>%1, Jahr</translation>
    </message>
</context>
<context>
    <name>velmora::goals::GoalsController</name>
    <message>
        <source>The goals file &quot;%1&quot; holds more than can be read at once: the first %2 goal(s) are shown and the rest was left unread. Before the goals are next saved, the whole file is kept beside it as &quot;%3&quot;.</source>
        <translation>Die Zieldatei „%1“ enthält mehr, als auf einmal gelesen werden kann: Die ersten %2 Ziel(e) werden angezeigt, der Rest wurde nicht gelesen. Bevor die Ziele das nächste Mal gespeichert werden, wird die ganze Datei daneben als „%3“ aufbewahrt.</translation>
    </message>
    <message>
        <source>The goals file &quot;%1&quot; could not be read from line %2 on. The %3 goal(s) before that line are shown. Before the goals are next saved, the file&apos;s original text is kept beside it as &quot;%4&quot;.</source>
        <translation>Die Zieldatei „%1“ konnte ab Zeile %2 nicht gelesen werden. Die %3 Ziel(e) vor dieser Zeile werden angezeigt. Bevor die Ziele das nächste Mal gespeichert werden, wird der ursprüngliche Text der Datei daneben als „%4“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Your goals were not saved: the original text of &quot;%1&quot; could not be kept beside it. The goals on screen are kept.</source>
        <translation>Ihre Ziele wurden nicht gespeichert: Der ursprüngliche Text von „%1“ konnte nicht daneben aufbewahrt werden. Die angezeigten Ziele bleiben erhalten.</translation>
    </message>
    <message>
        <source>Your goals could not be saved to &quot;%1&quot;: %2. The goals on screen are kept.</source>
        <translation>Ihre Ziele konnten nicht in „%1“ gespeichert werden: %2. Die angezeigten Ziele bleiben erhalten.</translation>
    </message>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation>Das Startdatum darf nicht gleich dem Enddatum sein oder danach liegen.</translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation>Der Name des Ziels darf nicht leer sein.</translation>
    </message>
</context>
<context>
    <name>velmora::goals::GoalsPage</name>
    <message>
        <source>&amp;View Current Goals</source>
        <translation>&amp;Aktuelle Ziele anzeigen</translation>
    </message>
    <message>
        <source>&amp;View Achieved Goals</source>
        <translation>&amp;Erreichte Ziele anzeigen</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Set &amp;New Goals</source>
        <translation>Neue Ziele &amp;festlegen</translation>
    </message>
    <message>
        <source>&amp;Save / Update Goal</source>
        <translation>Ziel &amp;speichern / aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Mark Selected Goals As Achieved</source>
        <translation>Ausgewählte Ziele als erreicht &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Goals</source>
        <translation>Ausgewählte Ziele &amp;löschen</translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life.</source>
        <translation>Es ist wichtig, sich Ziele zu setzen, um die eigenen Fortschritte sehen und messen zu können. Diese scheinbar kleine Aufgabe bringt, ernsthaft betrieben, enorme Ergebnisse. Ziele helfen Ihnen, klar, konzentriert und entschlossen auf die Erfüllung Ihrer Lebensziele hinzuarbeiten.</translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation>Name des Ziels</translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation>Beschreibung des Ziels</translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation>Startdatum des Ziels:</translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation>Enddatum des Ziels:</translation>
    </message>
    <message>
        <source>Goal Starting Date</source>
        <translation>Startdatum des Ziels</translation>
    </message>
    <message>
        <source>Goal Ending Date</source>
        <translation>Enddatum des Ziels</translation>
    </message>
    <message>
        <source>New goal: saving adds it to your goals.</source>
        <translation>Neues Ziel: Beim Speichern wird es zu Ihren Zielen hinzugefügt.</translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation>Ziel-Timer</translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation>Erreichten Prozentsatz des Ziels auswählen</translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation>Tage insgesamt bis zum Erreichen des Ziels</translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation>Verbleibende Tage bis zum Erreichen des Ziels</translation>
    </message>
    <message>
        <source>Goal timer message</source>
        <translation>Meldung des Ziel-Timers</translation>
    </message>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation>Das Startdatum Ihres Ziels liegt in der Zukunft</translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation>Sie sollten %1 % erreicht haben. Tatsächlich haben Sie %2 % erreicht</translation>
    </message>
</context>
<context>
    <name>velmora::progress::FrmProgress</name>
    <message>
        <source>%1 is not the charts plugin of this version.</source>
        <translation>%1 ist nicht das Diagramm-Plugin dieser Version.</translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation>%1 wurde in %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>The charts could not be loaded: %1</source>
        <translation>Die Diagramme konnten nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>&amp;Deck:</source>
        <translation>&amp;Deck:</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>Deck</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Misses over the &amp;last</source>
        <translation>Fehler in den &amp;letzten</translation>
    </message>
    <message>
        <source>Misses over the last tests</source>
        <translation>Fehler in den letzten Tests</translation>
    </message>
    <message>
        <source>tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Ergebnisse</translation>
    </message>
    <message>
        <source>True retention of the last 30 days</source>
        <translation>Tatsächliche Behaltensquote der letzten 30 Tage</translation>
    </message>
    <message>
        <source>New, learning and review facets</source>
        <translation>Neue, lernende und zu wiederholende Facetten</translation>
    </message>
    <message>
        <source>Spaced &amp;review</source>
        <translation>&amp;Verteilte Wiederholung</translation>
    </message>
    <message>
        <source>Most m&amp;issed cards</source>
        <translation>Am &amp;häufigsten verfehlte Karten</translation>
    </message>
    <message>
        <source>Most missed cards</source>
        <translation>Am häufigsten verfehlte Karten</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>Verfehlt</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>Gefragt</translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation>Fehlerquote</translation>
    </message>
    <message>
        <source>&amp;Memorize these cards</source>
        <translation>Diese Karten ein&amp;prägen</translation>
    </message>
    <message>
        <source>&amp;Test me on these cards</source>
        <translation>Mich zu diesen Karten &amp;testen</translation>
    </message>
    <message>
        <source>Readings &amp;with this card</source>
        <translation>Legungen &amp;mit dieser Karte</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>No test has been recorded yet. Every test you finish is added here.</source>
        <translation>Es wurde noch kein Test aufgezeichnet. Jeder Test, den Sie abschließen, wird hier hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 test(s) shown; %2 card(s) missed, upright and reversed counted apart, in the last %3 test(s).</source>
        <translation>%1 Test(s) angezeigt; %2 Karte(n) verfehlt (aufrecht und umgekehrt getrennt gezählt) in den letzten %3 Test(s).</translation>
    </message>
    <message>
        <source>All decks</source>
        <translation>Alle Decks</translation>
    </message>
    <message>
        <source>True retention, last 30 days: %1</source>
        <translation>Tatsächliche Behaltensquote, letzte 30 Tage: %1</translation>
    </message>
    <message>
        <source>New: %1   Learning: %2   Review: %3</source>
        <translation>Neu: %1   Lernen: %2   Wiederholung: %3</translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation>%1 heute</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n days</source>
        <translation>
            <numerusform>%1 in %n Tag</numerusform>
            <numerusform>%1 in %n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing due</source>
        <translation>Nichts fällig</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Upright</source>
        <translation>Aufrecht</translation>
    </message>
    <message>
        <source>No card has been missed in these tests.</source>
        <translation>In diesen Tests wurde keine Karte verfehlt.</translation>
    </message>
    <message>
        <source>Choose one deck, or select cards of one deck, to practise them.</source>
        <translation>Wählen Sie ein Deck oder Karten eines Decks, um sie zu üben.</translation>
    </message>
    <message>
        <source>There is no test history to export yet.</source>
        <translation>Es gibt noch keinen Testverlauf zum Exportieren.</translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation>Fortschritt exportieren</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Only the first %1 questions were exported.</source>
        <translation>Nur die ersten %1 Fragen wurden exportiert.</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All tests</source>
        <translation>Alle Tests</translation>
    </message>
    <message>
        <source>description test</source>
        <translation>Beschreibungstest</translation>
    </message>
    <message>
        <source>keyword test</source>
        <translation>Schlüsselworttest</translation>
    </message>
    <message>
        <source>no due card reviewed</source>
        <translation>keine fällige Karte wiederholt</translation>
    </message>
    <message>
        <source>%1% of 1 review</source>
        <translation>%1 % von 1 Wiederholung</translation>
    </message>
    <message>
        <source>%1% of %2 reviews</source>
        <translation>%1 % von %2 Wiederholungen</translation>
    </message>
    <message>
        <source>Checking the progress history</source>
        <translation>Der Fortschrittsverlauf wird geprüft</translation>
    </message>
    <message>
        <source>Checking the progress history...</source>
        <translation>Der Fortschrittsverlauf wird geprüft...</translation>
    </message>
</context>
<context>
    <name>velmora::progress::HistoryFile</name>
    <message>
        <source>The progress history %1 is damaged or was not made by this program, so it cannot be used.</source>
        <translation>Der Fortschrittsverlauf %1 ist beschädigt oder wurde nicht von diesem Programm angelegt und kann daher nicht verwendet werden.</translation>
    </message>
    <message>
        <source>recording the test</source>
        <translation>beim Speichern des Tests</translation>
    </message>
    <message>
        <source>recording question %1</source>
        <translation>beim Speichern von Frage %1</translation>
    </message>
    <message>
        <source>saving the test</source>
        <translation>beim Sichern des Tests</translation>
    </message>
    <message>
        <source>reading the decks</source>
        <translation>beim Lesen der Decks</translation>
    </message>
    <message>
        <source>reading the scores</source>
        <translation>beim Lesen der Ergebnisse</translation>
    </message>
    <message>
        <source>reading the missed cards</source>
        <translation>beim Lesen der verfehlten Karten</translation>
    </message>
    <message>
        <source>reading the questions</source>
        <translation>beim Lesen der Fragen</translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation>der Verlauf ist nicht geöffnet</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The progress history %1 is a link to a file outside its folder, so it is not used. Copy the file itself into the folder.</source>
        <translation>Der Fortschrittsverlauf %1 ist eine Verknüpfung zu einer Datei außerhalb seines Ordners und wird daher nicht verwendet. Kopieren Sie die Datei selbst in den Ordner.</translation>
    </message>
    <message>
        <source>The progress history cannot be used: %1</source>
        <translation>Der Fortschrittsverlauf kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>The progress history %1 cannot be read: %2</source>
        <translation>Der Fortschrittsverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The progress history %1 cannot be opened: %2</source>
        <translation>Der Fortschrittsverlauf %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The progress history %1 was written by a newer version of the program, so this one leaves it alone.</source>
        <translation>Der Fortschrittsverlauf %1 wurde von einer neueren Version des Programms geschrieben; diese Version lässt ihn daher unverändert.</translation>
    </message>
    <message>
        <source>The progress history %1 cannot be checked: %2</source>
        <translation>Der Fortschrittsverlauf %1 kann nicht geprüft werden: %2</translation>
    </message>
    <message>
        <source>The progress history %1 is damaged (%2), so it is left as it is and nothing is added to it.</source>
        <translation>Der Fortschrittsverlauf %1 ist beschädigt (%2); er bleibt daher, wie er ist, und es wird nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The progress history %1 could not be brought up to date: %2</source>
        <translation>Der Fortschrittsverlauf %1 konnte nicht auf den neuesten Stand gebracht werden: %2</translation>
    </message>
    <message>
        <source>starting the upgrade</source>
        <translation>beim Beginn der Aktualisierung</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>finishing the upgrade</source>
        <translation>beim Abschluss der Aktualisierung</translation>
    </message>
    <message>
        <source>setting the deck&apos;s tests apart</source>
        <translation>beim Absondern der Tests des Decks</translation>
    </message>
    <message>
        <source>recording the review</source>
        <translation>beim Speichern der Wiederholung</translation>
    </message>
    <message>
        <source>%1: the grade gives no valid memory state</source>
        <translation>%1: die Bewertung ergibt keinen gültigen Gedächtniszustand</translation>
    </message>
    <message>
        <source>reading the review state</source>
        <translation>beim Lesen des Wiederholungsstands</translation>
    </message>
    <message>
        <source>saving the review</source>
        <translation>beim Sichern der Wiederholung</translation>
    </message>
    <message>
        <source>undoing the review</source>
        <translation>beim Rückgängigmachen der Wiederholung</translation>
    </message>
    <message>
        <source>%1: the latest review is damaged</source>
        <translation>%1: die letzte Wiederholung ist beschädigt</translation>
    </message>
    <message>
        <source>reading the review states</source>
        <translation>beim Lesen der Wiederholungsstände</translation>
    </message>
    <message>
        <source>reading today&apos;s reviews</source>
        <translation>beim Lesen der heutigen Wiederholungen</translation>
    </message>
    <message>
        <source>reading the reviews</source>
        <translation>beim Lesen der Wiederholungen</translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmDayCard</name>
    <message>
        <source>%1 (reversed)</source>
        <translation>%1 (umgekehrt)</translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation>%1 (aufrecht)</translation>
    </message>
    <message>
        <source>Card of the day</source>
        <translation>Tageskarte</translation>
    </message>
    <message>
        <source>Card of the Day - %1</source>
        <translation>Tageskarte - %1</translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation>Bild von %1</translation>
    </message>
    <message>
        <source>From the deck %1</source>
        <translation>Aus dem Deck %1</translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation>Schlüsselwörter: %1</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>My own meaning: %1</source>
        <translation>Meine eigene Bedeutung: %1</translation>
    </message>
    <message>
        <source>Note on the day</source>
        <translation>Notiz zum Tag</translation>
    </message>
    <message>
        <source>What the card says about your day</source>
        <translation>Was die Karte über Ihren Tag sagt</translation>
    </message>
    <message>
        <source>&amp;Note on the day:</source>
        <translation>&amp;Notiz zum Tag:</translation>
    </message>
    <message>
        <source>The journal cannot be read, so no note is kept: %1</source>
        <translation>Das Tagebuch kann nicht gelesen werden, daher wird keine Notiz gespeichert: %1</translation>
    </message>
    <message>
        <source>The note could not be saved in the journal: %1</source>
        <translation>Die Notiz konnte nicht im Tagebuch gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Saved in the journal.</source>
        <translation>Im Tagebuch gespeichert.</translation>
    </message>
    <message>
        <source>The note could not be saved in the journal: %1

Close without saving it?</source>
        <translation>Die Notiz konnte nicht im Tagebuch gespeichert werden: %1

Ohne Speichern schließen?</translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmJournal</name>
    <message>
        <source>Search questions and interpretations</source>
        <translation>Fragen und Deutungen durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Readings, newest first</source>
        <translation>Legungen, neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Readings, newest first:</source>
        <translation>Le&amp;gungen, neueste zuerst:</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>E&amp;xport all...</source>
        <translation>Alle e&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Patterns over</source>
        <translation>Muster über</translation>
    </message>
    <message>
        <source>the last %1 days</source>
        <translation>die letzten %1 Tage</translation>
    </message>
    <message>
        <source>&amp;Patterns over:</source>
        <translation>&amp;Muster über:</translation>
    </message>
    <message>
        <source>Cards that keep coming back</source>
        <translation>Karten, die immer wiederkehren</translation>
    </message>
    <message>
        <source>Readings &amp;with this card</source>
        <translation>Legungen mit &amp;dieser Karte</translation>
    </message>
    <message>
        <source>Show &amp;all readings</source>
        <translation>&amp;Alle Legungen zeigen</translation>
    </message>
    <message>
        <source>The patterns cannot be read: %1</source>
        <translation>Die Muster können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Current streak: 1 day with a reading or review</source>
        <translation>Aktuelle Serie: 1 Tag mit einer Legung oder Wiederholung</translation>
    </message>
    <message>
        <source>Current streak: %1 days with a reading or review</source>
        <translation>Aktuelle Serie: %1 Tage mit einer Legung oder Wiederholung</translation>
    </message>
    <message>
        <source>No cards drawn in this time.</source>
        <translation>In diesem Zeitraum wurden keine Karten gezogen.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>With %1: %2</source>
        <translation>Mit %1: %2</translation>
    </message>
    <message>
        <source>This reading is no longer in the journal.</source>
        <translation>Diese Legung ist nicht mehr im Tagebuch.</translation>
    </message>
    <message>
        <source>Delete this reading from the journal?
%1</source>
        <translation>Diese Legung aus dem Tagebuch löschen?
%1</translation>
    </message>
    <message>
        <source>Export Readings</source>
        <translation>Legungen exportieren</translation>
    </message>
    <message>
        <source>The readings could not be exported to %1
%2</source>
        <translation>Die Legungen konnten nicht nach %1 exportiert werden
%2</translation>
    </message>
    <message>
        <source>Reading the journal</source>
        <translation>Das Tagebuch wird gelesen</translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation>Das Tagebuch wird gelesen...</translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmReadings</name>
    <message>
        <source>%1 (reversed)</source>
        <translation>%1 (umgekehrt)</translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation>%1 (aufrecht)</translation>
    </message>
    <message>
        <source>Spread</source>
        <translation>Legemuster</translation>
    </message>
    <message>
        <source>&amp;Spread:</source>
        <translation>&amp;Legemuster:</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>Spread of cards</source>
        <translation>Ausgelegte Karten</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation>&amp;Frage:</translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>&amp;Interpretation:</source>
        <translation>&amp;Deutung:</translation>
    </message>
    <message>
        <source>Show &amp;meanings</source>
        <translation>&amp;Bedeutungen zeigen</translation>
    </message>
    <message>
        <source>Meanings</source>
        <translation>Bedeutungen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Test me on these cards</source>
        <translation>Mich zu diesen Karten &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation>T&amp;agebuch...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Choose a spread and press Draw.</source>
        <translation>Wählen Sie ein Legemuster und drücken Sie „Ziehen“.</translation>
    </message>
    <message>
        <source>Face down</source>
        <translation>Verdeckt</translation>
    </message>
    <message>
        <source>%1: face down, press Space to turn</source>
        <translation>%1: verdeckt, zum Aufdecken die Leertaste drücken</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The chosen groups of this deck hold too few cards for this spread.</source>
        <translation>Die gewählten Gruppen dieses Decks enthalten zu wenige Karten für dieses Legemuster.</translation>
    </message>
    <message>
        <source>%1: not turned yet</source>
        <translation>%1: noch nicht aufgedeckt</translation>
    </message>
    <message>
        <source>%1: %2
Keywords: %3
%4</source>
        <translation>%1: %2
Schlüsselwörter: %3
%4</translation>
    </message>
    <message>
        <source>My own meaning: %1</source>
        <translation>Meine eigene Bedeutung: %1</translation>
    </message>
    <message>
        <source>The reading could not be saved in the journal: %1</source>
        <translation>Die Legung konnte nicht im Tagebuch gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Export Reading</source>
        <translation>Legung exportieren</translation>
    </message>
    <message>
        <source>The reading could not be exported to %1
%2</source>
        <translation>Die Legung konnte nicht nach %1 exportiert werden
%2</translation>
    </message>
    <message>
        <source>Close without saving this reading?</source>
        <translation>Schließen, ohne diese Legung zu speichern?</translation>
    </message>
</context>
<context>
    <name>velmora::readings::JournalModel</name>
    <message>
        <source>%1 (no question)</source>
        <translation>%1 (keine Frage)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::review::FrmReview</name>
    <message>
        <source>Keywords?</source>
        <translation>Schlüsselwörter?</translation>
    </message>
    <message>
        <source>Meaning?</source>
        <translation>Bedeutung?</translation>
    </message>
    <message>
        <source>Reversed meaning?</source>
        <translation>Umgekehrte Bedeutung?</translation>
    </message>
    <message>
        <source>Your own reversed meaning?</source>
        <translation>Ihre eigene umgekehrte Bedeutung?</translation>
    </message>
    <message>
        <source>Your own meaning?</source>
        <translation>Ihre eigene Bedeutung?</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 Min. %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Review Due Cards - %1</source>
        <translation>Fällige Karten wiederholen – %1</translation>
    </message>
    <message>
        <source>The review cannot start. %1</source>
        <translation>Die Wiederholung kann nicht beginnen. %1</translation>
    </message>
    <message>
        <source>Reviewed: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>My own meaning:
%1

The deck&apos;s meaning:
%2</source>
        <translation>Meine eigene Bedeutung:
%1

Bedeutung im Deck:
%2</translation>
    </message>
    <message>
        <source>

My own meaning:
%1</source>
        <translation>

Meine eigene Bedeutung:
%1</translation>
    </message>
    <message>
        <source>The clock now is earlier than this card&apos;s last review, so the grade is not counted. Check the computer&apos;s date and time.</source>
        <translation>Die Uhr zeigt eine frühere Zeit als die letzte Wiederholung dieser Karte, daher wird die Bewertung nicht gezählt. Prüfen Sie Datum und Uhrzeit des Computers.</translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation>Zurzeit ist nichts fällig.</translation>
    </message>
    <message>
        <source>Session complete

Reviewed: %1
Again: %2
Time taken: %3</source>
        <translation>Sitzung abgeschlossen

Wiederholt: %1
Nochmal: %2
Benötigte Zeit: %3</translation>
    </message>
    <message>
        <source>The latest grades were not saved.</source>
        <translation>Die letzten Bewertungen wurden nicht gespeichert.</translation>
    </message>
    <message>
        <source>A grade could not be added to your progress history, so the review has stopped. %1</source>
        <translation>Eine Bewertung konnte nicht in Ihren Fortschrittsverlauf aufgenommen werden, daher wurde die Wiederholung beendet. %1</translation>
    </message>
</context>
<context>
    <name>velmora::review::ReviewPage</name>
    <message>
        <source>Again</source>
        <translation>Nochmal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&amp;Show Answer</source>
        <translation>Antwort &amp;zeigen</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <comment>grade button: its number, the access key, and the grade</comment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;%1 %2
%3</source>
        <comment>grade button: its number, the grade, and the interval it gives</comment>
        <translation>&amp;%1 %2
%3</translation>
    </message>
</context>
</TS>
