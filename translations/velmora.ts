<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Decoration</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder for your decks and goals could not be set up.
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>Cannot read the deck list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck is no longer in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove the deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the remembered deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remember the deck</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>line %1: text after a closing quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a quote is never closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DayNote</name>
    <message>
        <source>the journal could not be read, so nothing is written to it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DbFile</name>
    <message>
        <source>deck</source>
        <comment>kind of file, inserted in: The deck file ... is missing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>catalog</source>
        <comment>kind of file, inserted in: The catalog file ... is missing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 is a link to a file outside its folder. Copy the file itself into the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 is missing. It may have been moved or deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 is damaged or was not made by this program, so it cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file cannot be used: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 cannot be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 cannot be opened: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 contains a %3 (%4), which this program never makes. It is not used, to keep it from changing your data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a %2 file: it has no table %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a %2 file: table %3 has no column %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot finish writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A failed step and the reason SQLite gives, as &quot;Cannot save the card: disk I/O error&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 file %2 is in use by another program; try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Deck</name>
    <message>
        <source>The deck file is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck file holds card number %1 more than once, so it cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card of the deck file has no number, so the deck cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card number %1 of the deck file does not have its seven keyword places, so the deck cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the deck header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the deck type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck is not open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the deck header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the deck type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card has seven keyword places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck has no card number %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card number %1 does not have its seven keyword places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot shrink the deck file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete the card&apos;s content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every card needs its keyword places</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add a card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add a keyword place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeckChecks</name>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos;s designing is incomplete<byte value="xd"/>You cannot take test using this deck, until it is fully completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; is not available<byte value="xd"/>Please select another Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; cannot be used<byte value="xd"/>%2<byte value="xd"/>Please select another Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of Tarot Learning Decks cannot be read<byte value="xd"/>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck &apos;%1&apos; is incomplete<byte value="xd"/>Please go to the Deck Design Section<byte value="xd"/>And complete it first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutor &apos;%1&apos; is incomplete<byte value="xd"/>Please go to the Deck Design Section<byte value="xd"/>And complte it first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Tarot Learning Deck<byte value="xd"/>Choose one under &quot;Select Tarot Tutor&quot; on the Settings tab.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeckExchange</name>
    <message>
        <source>The exchange folder %1 is a link. The program makes and removes its working copies there, so it must be a folder of its own: replace the link with an empty folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk of the folder %1 has %2 MB free, and the deck needs %3 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s type stamp does not name a deck of this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck in the file has no name: its header row is missing or its name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is there already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be put in place in %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck cannot be exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures of this deck are stored as BMP files, so the exported deck takes %1 MB: more than most mail can carry.

A compact copy, with its pictures as JPEG files, takes about %2 MB. The deck you keep stays as it is.

Yes: export a compact copy (about %2 MB).
No: export the deck as it is (%1 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not exported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported: the catalog of decks cannot be read or lists no deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Deck has been exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the Deck is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is located at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can go to %1 and start sending your deck to your friends, family or others.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more help. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File is not selected properly. Please select the right file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot export 1 deck in the same location twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Deck Cannot Be Exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default deck cannot be imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown File Structure.<byte value="xd"/>
It seems you have choosen a file which is<byte value="xd"/>
not supported by Velmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck Imported Successfully<byte value="xd"/>
Please Restart Velmora Now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeckIntegrity</name>
    <message>
        <source>The deck file %1 is %2 bytes long, but its pages take %3 bytes, so it cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck file %1 is damaged (%2), so it cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeckManager</name>
    <message>
        <source>The deck&apos;s file name %1 names no deck file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck is no longer in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the template deck is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck file is there again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck folder %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template deck %1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template deck cannot be copied into %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new deck cannot be put in place as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default deck cannot be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck file %1 cannot be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
The deck file was left at %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashcardExchange</name>
    <message>
        <source>The deck cannot be exported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: %1 is there already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: the folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: the folder %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV was not written: %1 could not be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be imported: it is larger than %1 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be imported: it needs a header row and a row per card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be imported: its header row names no column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <extracomment>Fills %1 of &quot;The %1 holds no card that can be imported.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package was not written: the file %1 is there already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package was not written. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n notes after the first %1 were not read.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, more than %1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped, no card name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped, another note type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without picture, the image is missing or does not decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first seven keywords kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text shortened to fit (%1 characters a meaning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 holds no card that can be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported: the folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck was not imported: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flashcard package</source>
        <extracomment>Fills %1 of &quot;The %1 holds no card that can be imported.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>saving the reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the journal is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deleting the reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the journal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Package</name>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection could not be read back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is no flashcard package: it holds no collection (collection.anki2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package is damaged: its list of media files is no list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection could not be unpacked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package is damaged: its collection cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tables are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it names no note type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The flashcard package holds a note larger than %1 MB, more than any card can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This flashcard package keeps its collection in the newer compressed format (collection.anki21b, zstd-compressed), which Velmora cannot read. Export it again with the option for older versions (legacy package) ticked, and import that file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageCommand</name>
    <message>
        <source>Usage: velmora %1 DECK OUT.apkg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velmora: no deck file or deck named &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>velmora: exported %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageZip</name>
    <message>
        <source>the file could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a zip file that can be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its list of files is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a file named &quot;%1&quot;, which points outside the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds a link, &quot;%1&quot;, where only files belong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; would take more than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its files would take more than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no file &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; cannot be read (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; is damaged (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its file &quot;%1&quot; unpacks to more than it may take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is there already.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Patterns</name>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (reversed): %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (upright): %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PersonalMeanings</name>
    <message>
        <source>reading your own meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the progress history is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saving your own meaning of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a meaning may hold at most %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramFolder</name>
    <message>
        <source>Cannot make the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1: the file is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot copy %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Score per test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score per test, in percent, over time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due in the next 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facets due per day over the next 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days from today (today includes overdue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facets due</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prompter</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>One card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Five cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Past</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Situation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Challenge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (reversed). Picture: %2 of %3. Keywords: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (upright). Picture: %2 of %3. Keywords: %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy HH:mm</source>
        <comment>the date format of a reading&apos;s title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingPages</name>
    <message>
        <source>Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (reversed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markdown file (*.md);;Web page with pictures (*.html);;PDF file (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>%1 is a folder, not a file, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a pipe, not a file, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a socket, not a file, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a device, not a file, so it is not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewSession</name>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 y</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>The name belongs to a folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartupEntry</name>
    <message>
        <source>Error %1 opening key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 setting key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyCards</name>
    <message>
        <source>Keywords:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upright:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source> (Reversed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Out Of %2 Correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 out of %2 questions correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 choice(s) from %3 questions were correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Report For %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Current Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The test report could not be saved to %1<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>You must choose %1 keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can select only %1 keywords.<byte value="xd"/>
Please unselect one before selecting another keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CardListPage</name>
    <message>
        <source>No. of Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 (picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Cards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CardPage</name>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Major Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nor Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minor Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pentacles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pentacles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swo&amp;rds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AutoSave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoSave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Name of Tarot Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the keywords related to the above card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the normal meaning of the card. There is a limitation of 360 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the reversed meaning of the card. There is a limitation of 360 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview / Display of inserted pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Insert Pictures to add new Tarot Card Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this Box Checked to autosave your work.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Inserted picture(s) and other details in regards to a particular card.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::DeckManagerPage</name>
    <message>
        <source>Decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create A New Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Cards In Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Deck From List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a selected deck from list of decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport / Share Your  Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* Deck N&amp;ame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter The Name of the Deck in order to start creating your own Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* N&amp;umerber of Card In Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the total number of cards in your personal deck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;esigned By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name of your Deck designer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password to protect your personal deck from being modified by others you may give or share the deck with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Create New Deck in order to start creating your own learning deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify the Deck name, Designer name, Password &amp; number of cards and click modify and save the the information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Deck From List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export, save and share your own created deck by sending others the deck file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click NEXT to start the detailed deck design page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ExportFrame</name>
    <message>
        <source>Export Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck file to export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to export to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files in the folder to export to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as &amp;Flashcard Package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as C&amp;SV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include &amp;review state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The package carries where each card&apos;s review stands, so that study goes on where it stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deck file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files &amp;in that folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FolderChoice</name>
    <message>
        <source>Br&amp;owse...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmAbout</name>
    <message>
        <source>Velmora is a tarot tutor and a workshop for tarot learning decks in one program. Memorize the cards upright and reversed with their keywords and meanings, test yourself at three levels, design decks of your own with your own meanings and share them with others. A goal reminder keeps your personal goals in view while you learn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Drawings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pictures of the default deck were drawn for Velmora by the program&apos;s own card generator and come with the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Velmora web site for news, help and the forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmBegin</name>
    <message>
        <source>&amp;Design A New Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design &amp;&amp; use your own meaning and keywords for tarot cards. A wonderful way to design decks to teach your students.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Learn Tarot &amp;&amp; Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learn The Cards &amp; Take Tarot Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Other Decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to import new tarot learning deck from your harddisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to see and download other Tarot Learning Decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Decks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk tarot with other learners and deck designers: click here to visit our online discussion forum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora Tarot Forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own name, web address and logo on Velmora and hand it out to your visitors. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required files are missing<byte value="xd"/>Please Reinstall Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmDeck</name>
    <message>
        <source>This Tarot Learning Deck does not exsist any more.<byte value="xd"/>
Do you want to delete it from Tarot Learning Deck list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter The Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no existing Tutor available<byte value="xd"/>
Please Create a New Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select an Existing Tarot Learning Deck<byte value="xd"/>
or Please Create a New Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select a Tarot Learning Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Specify the Tarot Learning Deck Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Mention the Number of Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Tarot Learning Deck must contain at least 3 Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Tarot Learning Deck must contain at least 1 Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Tarot Learning Deck can contain at most 78 Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck Created Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learning Deck Information Modified Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tarot Learnign Deck Deleted Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 cards that would be removed hold names, keywords, meanings or pictures.<byte value="xd"/>
Do you want to remove them with everything they hold?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Tarot Learning Deck cannot be moved to the trash.<byte value="xd"/>
Do you want to delete its file for good?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be created.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be modified; nothing was changed.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tarot Learning Deck could not be deleted; nothing was changed.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create New Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export and import of decks are not part of this version yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to &amp;Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmDeckDesign</name>
    <message>
        <source>Normal Meaning can be maximum of 360 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Meaning can be maximum of 360 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The deck cannot be opened for writing: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 is not saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 is not saved: %2. The next change or Save tries again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card(s) Saved Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete this card ?

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 is not deleted: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 could not be saved: %2. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmExportMessage</name>
    <message>
        <source>Export message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmImportExportDeck</name>
    <message>
        <source>Export Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Making a compact copy of the deck and exporting it...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting the deck...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the flashcard package...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the flashcard package...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing the flashcard package...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing the CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing the deck...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmLoadPictures</name>
    <message numerus="yes">
        <source>%n Pictures already added
You cannot add any more pictures</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This Picture has already been added.
Please select another picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the file is larger than %2 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the picture is too large (%2 x %3 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the picture cannot be decoded within the memory limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be written as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These pictures were not stored:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder of the pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chosen pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep pictures compact (JPEG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep pictures compact (JPEG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked: a JPEG file is stored as it is, byte for byte, and any other picture as a JPEG file; a 1000 x 1700 photo takes about 0.6 MB, so a deck of 78 such cards is about 50 MB and can be sent to friends.
Unchecked: every picture is stored as a BMP file, about 5 MB for the same photo, so such a deck is about 400 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each picture as it is stored into its card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture has been deleted. Please add another picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select Picture(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving was cancelled after %1 of %2 pictures; the rest were not stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmMain</name>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  My Personal Goal  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Settings  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Memorize Cards  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Take Test  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Results  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Required files missing. Please reinstall %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of these cards is in the deck &apos;%1&apos; any more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This test could not be added to your progress history. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;My Personal Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Readings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings &amp;Journal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print &amp;Study Cards...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the &amp;Day at Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Study Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The study cards could not be written to %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::FrmPackageMapping</name>
    <message>
        <source>First notes of the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes in the package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the card name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the upright meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the reversed meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field for the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deck name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card na&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group (else from the tags)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keywords (split on , or ;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Upright meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reversed meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture (first image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Notes in the package: %1 of type “%2”, the first %3 shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[picture: %1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ImportFrame</name>
    <message>
        <source>Import Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder to import from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Deck</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::MemorizePage</name>
    <message>
        <source>What this card means to you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groups chosen on the settings tab hold no cards of this deck. Choose other groups, or another deck, and press &quot;Memorize Meaning / Keywords&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card picture reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords (same for both)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Meaning :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My o&amp;wn meaning (upright):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own meanin&amp;g (reversed):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ask for my own meanings in description tests and reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; &amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test M&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An own meaning holds at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::OwnMeaningKeeper</name>
    <message>
        <source>Your own meanings cannot be read, so they are left as they are and nothing is written over them. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own meaning of %1 could not be saved. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own meanings are saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own meaning could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own meaning of %1 could not be saved. %2

Close without saving it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ResidentController</name>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ResultsPage</name>
    <message>
        <source>Test report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Current Result</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SettingsPage</name>
    <message>
        <source>Select Tarot Tutor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memorize Meaning / Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test M&amp;e</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can select the cards you want to practice / memorize. You can change these whenever you want or when you have cleared one objective.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Objectives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;jor Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;nor Arcana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pentacles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Swords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A card&apos;s keywords are the same whether it falls upright or reversed. The keyword test therefore never turns a card, and the memorize tab shows the upright picture, the reversed picture and the keywords together on one screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share what you learn with other students of the cards: click here to visit our online discussion forum.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site. Put your own name, web address and logo on Velmora and hand it out to your visitors. Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option applies only when you take the test. The test can be based on the keywords or on the descriptions of the cards. Knowing the keywords matters more: the meaning of a card in a reading depends on the question asked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be&amp;ginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option applies only when you take the test. Each level is more difficult than the one before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Current Settings As Defau&amp;lt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaced Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;x. new facets per day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. reviews per day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desired retention:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day starts at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review backlog:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No new facets while more reviews than this are due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New facets and those not yet due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every facet tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test answers grade:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test answers grade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other facets next day (&amp;1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other facets next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once a facet of a card is reviewed, its other facets wait for the next day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;view Due Cards (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language (&amp;2):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory model weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit the weights to your own reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the default weights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defaults: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fitting the weights to your reviews: %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimi&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset (&amp;3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weights (&amp;4):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SystemTrayFrame</name>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run at start-&amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;on&apos;t run at start-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at s&amp;ystem tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.
It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TestPage</name>
    <message>
        <source>Question :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::WeightFitter</name>
    <message>
        <source>The weights could not be fitted. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log loss on the reviews kept aside: %1 with the fitted weights, %2 with the defaults.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The weights now follow your own reviews (%n reviews).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The weights fitted to your reviews predict them no better than the defaults: the defaults stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too few reviews to fit the weights to: %1 of the %2 needed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fitting was stopped; the weights stay as they were.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::goals::DatePicker</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, year</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::goals::GoalsController</name>
    <message>
        <source>The goals file &quot;%1&quot; holds more than can be read at once: the first %2 goal(s) are shown and the rest was left unread. Before the goals are next saved, the whole file is kept beside it as &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The goals file &quot;%1&quot; could not be read from line %2 on. The %3 goal(s) before that line are shown. Before the goals are next saved, the file&apos;s original text is kept beside it as &quot;%4&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goals were not saved: the original text of &quot;%1&quot; could not be kept beside it. The goals on screen are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goals could not be saved to &quot;%1&quot;: %2. The goals on screen are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::goals::GoalsPage</name>
    <message>
        <source>&amp;View Current Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Achieved Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;New Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save / Update Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mark Selected Goals As Achieved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Selected Goals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Starting Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Ending Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New goal: saving adds it to your goals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goal timer message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::progress::FrmProgress</name>
    <message>
        <source>%1 is not the charts plugin of this version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not found in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The charts could not be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Deck:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misses over the &amp;last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misses over the last tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True retention of the last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New, learning and review facets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaced &amp;review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most m&amp;issed cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most missed cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Miss rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Memorize these cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test me on these cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings &amp;with this card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No test has been recorded yet. Every test you finish is added here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 test(s) shown; %2 card(s) missed, upright and reversed counted apart, in the last %3 test(s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True retention, last 30 days: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New: %1   Learning: %2   Review: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 today</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 in %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card has been missed in these tests.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one deck, or select cards of one deck, to practise them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no test history to export yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 questions were exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>description test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keyword test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no due card reviewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% of 1 review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1% of %2 reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the progress history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the progress history...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::progress::HistoryFile</name>
    <message>
        <source>The progress history %1 is damaged or was not made by this program, so it cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saving the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the decks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the missed cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording the review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the grade gives no valid memory state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the review state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saving the review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undoing the review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the latest review is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the review states</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading today&apos;s reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading the reviews</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the history is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 is a link to a file outside its folder, so it is not used. Copy the file itself into the folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 was written by a newer version of the program, so this one leaves it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 cannot be checked: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 is damaged (%2), so it is left as it is and nothing is added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The progress history %1 could not be brought up to date: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starting the upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>finishing the upgrade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting the deck&apos;s tests apart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmDayCard</name>
    <message>
        <source>%1 (reversed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card of the Day - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the deck %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own meaning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note on the day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the card says about your day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note on the day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The journal cannot be read, so no note is kept: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note could not be saved in the journal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved in the journal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The note could not be saved in the journal: %1

Close without saving it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmJournal</name>
    <message>
        <source>Search questions and interpretations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Readings, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport all...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Patterns over:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cards that keep coming back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings &amp;with this card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;all readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patterns cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current streak: 1 day with a reading or review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current streak: %1 days with a reading or review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No cards drawn in this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This reading is no longer in the journal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this reading from the journal?
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The readings could not be exported to %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the journal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the journal...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::readings::FrmReadings</name>
    <message>
        <source>%1 (reversed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (upright)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Spread:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spread of cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Question:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interpretation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Interpretation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test me on these cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Journal...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a spread and press Draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Face down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: face down, press Space to turn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen groups of this deck hold too few cards for this spread.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not turned yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Keywords: %3
%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own meaning: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be saved in the journal: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reading could not be exported to %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without saving this reading?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::readings::JournalModel</name>
    <message>
        <source>%1 (no question)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::review::FrmReview</name>
    <message>
        <source>Keywords?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reversed meaning?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own reversed meaning?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own meaning?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review Due Cards - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The review cannot start. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reviewed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My own meaning:
%1

The deck&apos;s meaning:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

My own meaning:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clock now is earlier than this card&apos;s last review, so the grade is not counted. Check the computer&apos;s date and time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is due now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session complete

Reviewed: %1
Again: %2
Time taken: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latest grades were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grade could not be added to your progress history, so the review has stopped. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::review::ReviewPage</name>
    <message>
        <source>Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <comment>grade button: its number, the access key, and the grade</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;%1 %2
%3</source>
        <comment>grade button: its number, the grade, and the interval it gives</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
