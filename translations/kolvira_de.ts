<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Photo %1</source>
        <translation>Foto %1</translation>
    </message>
    <message>
        <source>Photo %1 drawn as %2</source>
        <translation>Foto %1, gezeichnet als %2</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rot %1, Grün %2, Blau %3</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Cannot open %1:
%2.</source>
        <translation>%1 kann nicht geöffnet werden:
%2.</translation>
    </message>
</context>
<context>
    <name>BatchRendering</name>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>das Bild ist beschädigt: %1</translation>
    </message>
    <message>
        <source>scaled to width %1: </source>
        <translation>auf Breite %1 skaliert: </translation>
    </message>
    <message>
        <source>not enough memory for a %1x%2 picture</source>
        <translation>nicht genug Speicher für ein Bild von %1x%2</translation>
    </message>
    <message>
        <source>refusing to write over the input picture &apos;%1&apos;</source>
        <translation>das Eingabebild &apos;%1&apos; wird nicht überschrieben</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>must be at least %1</source>
        <translation>muss mindestens %1 sein</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>muss zwischen %1 und %2 liegen</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>darf nicht leer sein</translation>
    </message>
    <message>
        <source>%1 cannot be used with --contact-sheet</source>
        <translation>%1 kann nicht mit --contact-sheet verwendet werden</translation>
    </message>
    <message>
        <source>--contact-sheet takes no input pictures, only its folder (got &apos;%1&apos;)</source>
        <translation>--contact-sheet nimmt keine Eingabebilder, nur seinen Ordner (erhalten: &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>no output given: use -o SHEET.pdf</source>
        <translation>keine Ausgabe angegeben: -o SHEET.pdf verwenden</translation>
    </message>
    <message>
        <source>a contact sheet is a PDF: name it SHEET.pdf (got &apos;%1&apos;)</source>
        <translation>ein Kontaktbogen ist ein PDF: SHEET.pdf nennen (erhalten: &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 applies only with --contact-sheet</source>
        <translation>%1 gilt nur mit --contact-sheet</translation>
    </message>
    <message>
        <source>-0 applies only with --files-from</source>
        <translation>-0 gilt nur mit --files-from</translation>
    </message>
    <message>
        <source>--files-from takes several inputs: use -d OUTDIR, not -o</source>
        <translation>--files-from nimmt mehrere Eingaben: -d OUTDIR verwenden, nicht -o</translation>
    </message>
    <message>
        <source>no input picture given</source>
        <translation>kein Eingabebild angegeben</translation>
    </message>
    <message>
        <source>an input file name is empty</source>
        <translation>ein Eingabedateiname ist leer</translation>
    </message>
    <message>
        <source>-o and -d cannot be used together</source>
        <translation>-o und -d können nicht zusammen verwendet werden</translation>
    </message>
    <message>
        <source>no output given: use -o OUTPUT or -d OUTDIR</source>
        <translation>keine Ausgabe angegeben: -o OUTPUT oder -d OUTDIR verwenden</translation>
    </message>
    <message>
        <source>-o takes a single input picture; use -d OUTDIR for several</source>
        <translation>-o nimmt ein einzelnes Eingabebild; für mehrere -d OUTDIR verwenden</translation>
    </message>
    <message>
        <source>cannot tell the output format from &apos;%1&apos;: use an extension such as .png or .jpg</source>
        <translation>das Ausgabeformat ist aus &apos;%1&apos; nicht ersichtlich: eine Endung wie .png oder .jpg verwenden</translation>
    </message>
    <message>
        <source>unknown output format &apos;%1&apos; for --format</source>
        <translation>unbekanntes Ausgabeformat &apos;%1&apos; für --format</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option &apos;%1&apos; nimmt keinen Wert</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for %2: %3</source>
        <translation>ungültiger Wert &apos;%1&apos; für %2: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a NUL byte; use -0 for a NUL-separated list</source>
        <translation>Zeile %1 von %2 enthält ein NUL-Byte; für eine NUL-getrennte Liste -0 verwenden</translation>
    </message>
    <message>
        <source>line %1 of %2 ends with a carriage return (a Windows line ending?); convert the list with dos2unix</source>
        <translation>Zeile %1 von %2 endet mit einem Wagenrücklauf (ein Windows-Zeilenende?); die Liste mit dos2unix umwandeln</translation>
    </message>
    <message>
        <source>cannot read the list &apos;%1&apos;: %2</source>
        <translation>die Liste &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>keine Zahl</translation>
    </message>
    <message>
        <source>must be from 0.0 to 1.0</source>
        <translation>muss zwischen 0.0 und 1.0 liegen</translation>
    </message>
    <message>
        <source>not an integer</source>
        <translation>keine ganze Zahl</translation>
    </message>
    <message>
        <source>out of the 32-bit integer range</source>
        <translation>außerhalb des 32-Bit-Ganzzahlbereichs</translation>
    </message>
    <message>
        <source>expected six hex digits RRGGBB</source>
        <translation>sechs Hexadezimalziffern RRGGBB erwartet</translation>
    </message>
    <message>
        <source>expected one of </source>
        <translation>erwartet wird eines von: </translation>
    </message>
    <message>
        <source>must be K/N, the K-th of N slices, such as 2/8</source>
        <translation>muss K/N sein, der K-te von N Teilen, etwa 2/8</translation>
    </message>
    <message>
        <source>N must be at least 1</source>
        <translation>N muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>K must be from 1 to N (%1)</source>
        <translation>K muss zwischen 1 und N (%1) liegen</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-render --help&apos;.</source>
        <translation>Siehe &apos;kolvira-render --help&apos;.</translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Show Paint Dialog
Show Paint Dialog</source>
        <translation>Malen-Dialog anzeigen
Malen-Dialog anzeigen</translation>
    </message>
    <message>
        <source>Show Photo Editor
Show Photo Editor</source>
        <translation>Fotoeditor anzeigen
Fotoeditor anzeigen</translation>
    </message>
    <message>
        <source>Refresh Mosaic
Refresh Mosaic</source>
        <translation>Mosaik aktualisieren
Mosaik aktualisieren</translation>
    </message>
    <message>
        <source>More size in mosaic
More size in mosaic</source>
        <translation>Größere Miniaturen im Mosaik
Größere Miniaturen im Mosaik</translation>
    </message>
    <message>
        <source>Less size in mosaic
Less size in mosaic</source>
        <translation>Kleinere Miniaturen im Mosaik
Kleinere Miniaturen im Mosaik</translation>
    </message>
    <message>
        <source>Show the photo in place of the drawing (hold \ for a moment)
Show Original</source>
        <translation>Das Foto statt der Zeichnung zeigen (\ kurz gedrückt halten)
Original zeigen</translation>
    </message>
    <message>
        <source>Show the photo left of a movable line, the drawing right of it
Split View</source>
        <translation>Das Foto links einer verschiebbaren Linie zeigen, die Zeichnung rechts davon
Geteilte Ansicht</translation>
    </message>
    <message>
        <source>Drop the drawing and show the photo again
Revert to Photo</source>
        <translation>Die Zeichnung verwerfen und wieder das Foto zeigen
Zurück zum Foto</translation>
    </message>
    <message>
        <source>Ask whether to save a drawing when its window closes or leaves its photo
Ask to Save Drawings</source>
        <translation>Fragen, ob eine Zeichnung gespeichert werden soll, wenn ihr Fenster schließt oder ihr Foto verlässt
Nach dem Speichern von Zeichnungen fragen</translation>
    </message>
    <message>
        <source>Show the next photo of the Mosaic in this window
Next Photo</source>
        <translation>Das nächste Foto des Mosaiks in diesem Fenster zeigen
Nächstes Foto</translation>
    </message>
    <message>
        <source>Show the previous photo of the Mosaic in this window
Previous Photo</source>
        <translation>Das vorherige Foto des Mosaiks in diesem Fenster zeigen
Vorheriges Foto</translation>
    </message>
    <message>
        <source>Show the photo window on the whole screen; Esc leaves
Full Screen</source>
        <translation>Das Fotofenster auf dem ganzen Bildschirm zeigen; Esc beendet
Vollbild</translation>
    </message>
    <message>
        <source>Render the selected photos into drawing files
Render Selection</source>
        <translation>Die ausgewählten Fotos als Zeichnungsdateien rendern
Auswahl rendern</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument erstellen
Neu</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Das aktive Dokument schließen
Schließen</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter einem neuen Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckereinrichtung</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Seitenansicht</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern der Dokumente
Beenden</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ein weiteres Fenster für das aktive Dokument öffnen
Neues Fenster</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Symbole am unteren Fensterrand anordnen
Symbole anordnen</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Fenster überlappend anordnen
Fenster überlappend</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Fenster nebeneinander ohne Überlappung anordnen
Fenster nebeneinander</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Werkzeugleiste ein- oder ausblenden
Werkzeugleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Hilfethemen auflisten
Hilfethemen</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Hilfe zur aktuellen Aufgabe oder zum Befehl anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Hilfe zu angeklickten Schaltflächen, Menüs und Fenstern anzeigen
Hilfe</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Dieses Dokument öffnen</translation>
    </message>
    <message>
        <source>Save the settings of this window as a look, by name or to a file
Save Look</source>
        <translation>Die Einstellungen dieses Fensters als Look speichern, unter einem Namen oder in eine Datei
Look speichern</translation>
    </message>
    <message>
        <source>Draw the photo with one of the saved looks
Apply Look</source>
        <translation>Das Foto mit einem der gespeicherten Looks zeichnen
Look anwenden</translation>
    </message>
    <message>
        <source>Draw the photo with the look of a look file or of a drawing Kolvira made
Apply Look From File</source>
        <translation>Das Foto mit dem Look einer Look-Datei oder einer von Kolvira erstellten Zeichnung zeichnen
Look aus Datei anwenden</translation>
    </message>
    <message>
        <source>Copy the kolvira-render command that makes this drawing
Copy Render Command</source>
        <translation>Den kolvira-render-Befehl kopieren, der diese Zeichnung erstellt
Render-Befehl kopieren</translation>
    </message>
    <message>
        <source>Show the photos in the order of their names
Sort by Name</source>
        <translation>Die Fotos nach ihren Namen ordnen
Nach Name sortieren</translation>
    </message>
    <message>
        <source>Show the photos in the order they were taken (the camera&apos;s date, else the file&apos;s)
Sort by Date Taken</source>
        <translation>Die Fotos in der Reihenfolge ihrer Aufnahme zeigen (Datum der Kamera, sonst der Datei)
Nach Aufnahmedatum sortieren</translation>
    </message>
    <message>
        <source>Show the photos in the order their files were last changed
Sort by File Date</source>
        <translation>Die Fotos in der Reihenfolge der letzten Änderung ihrer Dateien zeigen
Nach Dateidatum sortieren</translation>
    </message>
    <message>
        <source>Show the photos in the order of their files&apos; sizes
Sort by Size</source>
        <translation>Die Fotos nach der Größe ihrer Dateien ordnen
Nach Größe sortieren</translation>
    </message>
    <message>
        <source>Show the photos in the order of their file types
Sort by Type</source>
        <translation>Die Fotos nach ihrem Dateityp ordnen
Nach Typ sortieren</translation>
    </message>
    <message>
        <source>Show the photos in the opposite order
Reverse Order</source>
        <translation>Die Fotos in umgekehrter Reihenfolge zeigen
Umgekehrte Reihenfolge</translation>
    </message>
</context>
<context>
    <name>Decoding</name>
    <message>
        <source>the file ends before the picture does</source>
        <translation>die Datei endet vor dem Bild</translation>
    </message>
    <message>
        <source>decoding took longer than %1 s, the limit</source>
        <translation>das Dekodieren dauerte länger als die erlaubten %1 s</translation>
    </message>
    <message>
        <source>the decode was called off</source>
        <translation>das Dekodieren wurde abgebrochen</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (signal %1)</source>
        <translation>das Bild ist beschädigt: der Decoder brach ab (Signal %1)</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (exit status %1)</source>
        <translation>das Bild ist beschädigt: der Decoder brach ab (Rückgabewert %1)</translation>
    </message>
    <message>
        <source>the decoder could not be started: %1</source>
        <translation>der Decoder konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>the decoder did not end</source>
        <translation>der Decoder endete nicht</translation>
    </message>
    <message>
        <source>the decoder&apos;s answer was cut short</source>
        <translation>die Antwort des Decoders brach ab</translation>
    </message>
    <message>
        <source>no picture decoded</source>
        <translation>kein Bild dekodiert</translation>
    </message>
    <message>
        <source>the decoder gave no pixels</source>
        <translation>der Decoder lieferte keine Pixel</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>kein Speicher mehr</translation>
    </message>
    <message>
        <source>the decoder&apos;s pixels do not fit a picture</source>
        <translation>die Pixel des Decoders ergeben kein Bild</translation>
    </message>
    <message>
        <source>the metafile gives no size</source>
        <translation>die Metadatei gibt keine Größe an</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1x%2 pixels</source>
        <translation>es gibt nicht genug Speicher für ein Bild von %1x%2 Pixeln</translation>
    </message>
    <message>
        <source>the metafile&apos;s text is not drawn: the program runs without fonts</source>
        <translation>der Text der Metadatei wird nicht gezeichnet: das Programm läuft ohne Schriften</translation>
    </message>
    <message>
        <source>the file is not a Windows metafile</source>
        <translation>die Datei ist keine Windows-Metadatei</translation>
    </message>
    <message>
        <source>is a folder, not a picture</source>
        <translation>ist ein Ordner, kein Bild</translation>
    </message>
    <message>
        <source>is a pipe (FIFO), not a picture</source>
        <translation>ist eine Pipe (FIFO), kein Bild</translation>
    </message>
    <message>
        <source>is a device, not a picture</source>
        <translation>ist ein Gerät, kein Bild</translation>
    </message>
    <message>
        <source>is a socket, not a picture</source>
        <translation>ist ein Socket, kein Bild</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file is %1 MB, more than the limit of %2 MB</source>
        <translation>die Datei hat %1 MB, mehr als die Grenze von %2 MB</translation>
    </message>
    <message>
        <source>the file gives its pixels an impossible shape (%1)</source>
        <translation>die Datei gibt ihren Pixeln eine unmögliche Form (%1)</translation>
    </message>
    <message>
        <source>no memory for a picture of %1x%2 pixels</source>
        <translation>kein Speicher für ein Bild von %1x%2 Pixeln</translation>
    </message>
    <message>
        <source>libwmf could not be started</source>
        <translation>libwmf konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>libwmf could not play the metafile</source>
        <translation>libwmf konnte die Metadatei nicht abspielen</translation>
    </message>
    <message>
        <source>the WMF header is damaged</source>
        <translation>der WMF-Kopf ist beschädigt</translation>
    </message>
    <message>
        <source>a record of the metafile is shorter than its own header</source>
        <translation>ein Datensatz der Metadatei ist kürzer als sein eigener Kopf</translation>
    </message>
    <message>
        <source>the file ends before the metafile&apos;s end-of-file record</source>
        <translation>die Datei endet vor dem Dateiende-Datensatz der Metadatei</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save stopped: nothing was written</source>
        <translation>Speichern abgebrochen: nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Zuletzt geöffnete Datei</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>R&amp;ender Selection...</source>
        <translation>Auswahl &amp;rendern...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Seiten&amp;ansicht</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Kolvira...</source>
        <translation>Ü&amp;ber Kolvira...</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage: kolvira-render [options] INPUT -o OUTPUT
       kolvira-render [options] INPUT... -d OUTDIR [--format FORMAT]
       kolvira-render [--look NAME|FILE] [options] --print-look
       kolvira-render --contact-sheet DIR -o SHEET.pdf [--thumb-width N] [--dpi N]

Renders photographs as drawings. Each photo is turned upright, put on black
(which shows through its transparent pixels) and rendered once at its own
size or the --width given. Photos of up to 200 megapixels are opened.
With --contact-sheet it prints the photos of a folder as the Mosaic does.

INPUT may be JPEG, BMP, GIF, TIFF, PNG, ICO, CUR, WMF and EMF (drawn at
96 DPI on white), HEIC, HEIF, AVIF, JPEG XL, WebP, and camera raw files (DNG,
CR2, CR3, NEF, ARW, ORF, RW2, RAF, PEF). A picture with a colour profile is
converted to sRGB first. HDR pictures (PQ or HLG) are tone-mapped to sRGB:
their light is fitted by ITU-R BT.2390&apos;s curve onto 203 nits, the HDR
reference white, which becomes white. A file its decoder reports as damaged
is refused.

Output:
  -o, --output FILE       write the one INPUT&apos;s drawing to FILE; its extension
                          names the format (%1, ppm,
                          webp and the other formats Qt writes)
  -d, --output-dir DIR    write each INPUT&apos;s drawing to DIR/&lt;name&gt;.&lt;format&gt;;
                          DIR is created if it does not exist
      --format FORMAT     the format of the -d outputs (default %2)
      --width N           first scale the photo smoothly to N pixels wide,
                          keeping its proportions
      --strip             write no metadata; otherwise a JPEG, PNG or TIFF
                          output carries the photo&apos;s EXIF (date, camera, GPS,
                          copyright), marked upright and sRGB, without the
                          photo&apos;s preview picture, and the look it was
                          drawn with
Outputs never replace an input picture; an output is replaced only once the
new picture is completely written.

Looks (every drawing and effect value below, by name, in a JSON file):
      --look NAME|FILE    start from a saved look (in $XDG_DATA_HOME/kolvira/
                          looks, where the program&apos;s Save Look puts them) or
                          a look file (a path holding &apos;/&apos; or ending in .json);
                          drawing and effect options after it change single
                          values
      --look-from DRAWING start from the look a drawing Kolvira wrote carries
      --print-look        print the look the options make, and exit

Drawing:
      --style NAME        pen, pencil, coal, water-color, picasso, rainbow,
                          revolution, or effects for the photo effects
                          (default pen)
The levels below take the values the program stores for its sliders, from
0.0 to 1.0, where 0.0 is the slider&apos;s &quot;more&quot; end and 1.0 its &quot;less&quot; end:
      --pen-press V       pen pressure (default 0.25)
      --details V         details (default 0.75)
      --brightness V      brightness (default 0.5)
      --red V             red level (default 0.5)
      --green V           green level (default 0.5)
      --blue V            blue level (default 0.5)

Effects:
      --invert            invert the colours
      --shift             shift the colours
      --sandy-sky         sandy sky
      --blur              blur
      --impression-brush  paint in blocks with the impression brush
      --brush-size N      the impression brush&apos;s block edge in pixels (default 2,
                          at least 1)
      --stamp             stamp
      --bw-photo          black-white photo
      --bw-dream          black-white dream
      --old-color RRGGBB  the colour to replace (hex, &apos;#&apos; optional; default 000000)
      --new-color RRGGBB  its replacement (default 000000)
      --depth N           how many channel steps around the old colour are
                          replaced (default 40; 0 or less replaces nothing)

Contact sheet:
      --contact-sheet DIR the photos of DIR (the formats INPUT takes; sorted by
                          name) as thumbnails captioned
                          &quot;number, name&quot;, written as a PDF of A4 pages to -o;
                          files that cannot be read are left out and named
      --thumb-width N     the thumbnails&apos; width in screen pixels, 20 to 200
                          (default 100); their height is three quarters of it
      --dpi N             the PDF&apos;s resolution, 72 to 4800 dots per inch
                          (default 600)
      --no-thumbnail-cache
                          do not write thumbnails to the shared thumbnail
                          cache (~/.cache/thumbnails)
Only -o, --threads, --quiet and --no-thumbnail-cache go with --contact-sheet.

Large jobs (with -d):
      --files-from FILE   also render the pictures listed in FILE, one path
                          per line (&apos;-&apos; reads standard input); empty lines
                          are skipped, and a line ending in a carriage
                          return (a Windows list) is refused
  -0, --null              the list&apos;s paths end with a NUL byte instead, as
                          &apos;find -print0&apos; writes them
      --shard K/N         render only the K-th of N slices of the inputs
                          (1 &lt;= K &lt;= N); an input&apos;s slice depends on its
                          path alone, so N runs given the same paths in any
                          order render each picture exactly once
      --skip-existing     leave out an input whose output is already there;
                          outputs appear only once complete, so a stopped
                          run can simply be started again
      --report FILE       append a JSON line per input to FILE: &quot;input&quot;,
                          &quot;output&quot;, &quot;status&quot; (written, skipped or failed),
                          &quot;reason&quot; (unless written), &quot;ms&quot; and &quot;pixels&quot;; a
                          path that is not valid UTF-8 is shown with
                          replacement characters, and its bytes follow in
                          hex in &quot;input_hex&quot; or &quot;output_hex&quot;. Each line is
                          written whole under a file lock, so runs on
                          several hosts may share FILE over NFS

Running:
      --threads N         worker threads (default 0: one per core)
  -q, --quiet             no progress bar and no decoder warnings
  -h, --help              show this help and exit
      --version           show the version and exit
Options may stand before or after the inputs; &apos;--&apos; ends the options.
Ctrl+C or SIGTERM stops a run once the picture in progress is written, and
it tells what was done; a second Ctrl+C stops at once. No output is ever
left half-written.

Exit status: 0 when every picture was written or skipped, 1 when a picture
could not be read or written, 2 when the command line (or the --files-from
list) is wrong, 130 after Ctrl+C and 143 after SIGTERM. A contact sheet is
written even when photos were left out of it; the exit status is 1 then.

Examples:
  kolvira-render photo.jpg -o drawing.png
  kolvira-render --style coal --pen-press 0.1 --width 1200 photo.jpg -o coal.jpg
  kolvira-render --style effects --bw-photo holiday/*.jpg -d drawings --format jpg
  kolvira-render --look sketchy --pen-press 0.2 photo.jpg -o sketch.png
  kolvira-render --look-from sketch.png other.jpg -o other-sketch.png
  kolvira-render --contact-sheet holiday --thumb-width 150 -o holiday.pdf
  find photos -name &apos;*.jpg&apos; -print0 |
    kolvira-render --files-from - -0 --shard 3/8 --skip-existing -d drawings
</source>
        <translation>Aufruf: kolvira-render [Optionen] INPUT -o OUTPUT
        kolvira-render [Optionen] INPUT... -d OUTDIR [--format FORMAT]
        kolvira-render [--look NAME|FILE] [Optionen] --print-look
        kolvira-render --contact-sheet DIR -o SHEET.pdf [--thumb-width N] [--dpi N]

Rendert Fotos als Zeichnungen. Jedes Foto wird aufgerichtet, auf Schwarz
gelegt (das durch seine transparenten Pixel scheint) und einmal in seiner
eigenen Größe oder der angegebenen --width gerendert. Fotos bis 200 Megapixel
werden geöffnet. Mit --contact-sheet druckt es die Fotos eines Ordners, wie
es das Mosaik tut.

INPUT kann JPEG, BMP, GIF, TIFF, PNG, ICO, CUR, WMF und EMF (mit 96 DPI auf
Weiß gezeichnet), HEIC, HEIF, AVIF, JPEG XL, WebP und Kamera-Rohdateien (DNG,
CR2, CR3, NEF, ARW, ORF, RW2, RAF, PEF) sein. Ein Bild mit Farbprofil wird
zuerst nach sRGB umgewandelt. HDR-Bilder (PQ oder HLG) werden per Tone-Mapping
nach sRGB gebracht: Ihr Licht wird mit der Kurve aus ITU-R BT.2390 auf 203 Nits
eingepasst, das HDR-Referenzweiß, das zu Weiß wird. Eine Datei, die ihr
Decoder als beschädigt meldet, wird abgelehnt.

Ausgabe:
  -o, --output FILE       die Zeichnung der einen INPUT nach FILE schreiben;
                          die Endung bestimmt das Format
                          (%1, ppm, webp
                          und die anderen Formate, die Qt schreibt)
  -d, --output-dir DIR    die Zeichnung jeder INPUT nach DIR/&lt;Name&gt;.&lt;Format&gt;
                          schreiben; DIR wird angelegt, wenn es fehlt
      --format FORMAT     das Format der Ausgaben mit -d (Vorgabe %2)
      --width N           das Foto zuerst weich auf N Pixel Breite skalieren,
                          mit gleichen Proportionen
      --strip             keine Metadaten schreiben; sonst trägt eine JPEG-,
                          PNG- oder TIFF-Ausgabe die EXIF-Daten des Fotos
                          (Datum, Kamera, GPS, Copyright), als aufrecht und
                          sRGB markiert, ohne das Vorschaubild des Fotos,
                          und mit dem Look, mit dem es gezeichnet wurde
Ausgaben ersetzen nie ein Eingabebild; eine Ausgabe wird erst ersetzt, wenn
das neue Bild vollständig geschrieben ist.

Looks (alle Zeichen- und Effektwerte unten, benannt, in einer JSON-Datei):
      --look NAME|FILE    von einem gespeicherten Look ausgehen (in
                          $XDG_DATA_HOME/kolvira/looks, wohin Look speichern
                          des Programms sie legt) oder von einer Look-Datei
                          (ein Pfad mit &apos;/&apos; oder auf .json); Zeichen- und
                          Effektoptionen danach ändern einzelne Werte
      --look-from DRAWING von dem Look ausgehen, den eine von Kolvira
                          geschriebene Zeichnung trägt
      --print-look        den Look ausgeben, den die Optionen ergeben, und
                          beenden

Zeichnen:
      --style NAME        pen, pencil, coal, water-color, picasso, rainbow,
                          revolution, oder effects für die Fotoeffekte
                          (Vorgabe pen)
Die folgenden Stufen nehmen die Werte, die das Programm für seine Schieberegler
speichert, von 0.0 bis 1.0, wobei 0.0 das Ende „mehr“ und 1.0 das Ende
„weniger“ des Reglers ist:
      --pen-press V       Stiftdruck (Vorgabe 0.25)
      --details V         Details (Vorgabe 0.75)
      --brightness V      Helligkeit (Vorgabe 0.5)
      --red V             Rotstufe (Vorgabe 0.5)
      --green V           Grünstufe (Vorgabe 0.5)
      --blue V            Blaustufe (Vorgabe 0.5)

Effekte:
      --invert            die Farben invertieren
      --shift             die Farben verschieben
      --sandy-sky         Sandhimmel
      --blur              weichzeichnen
      --impression-brush  mit dem Tupfpinsel in Blöcken malen
      --brush-size N      die Blockkante des Pinsels in Pixeln (Vorgabe 2,
                          mindestens 1)
      --stamp             Stempel
      --bw-photo          Schwarzweißfoto
      --bw-dream          Grauer Traum
      --old-color RRGGBB  die zu ersetzende Farbe (hexadezimal, &apos;#&apos; optional;
                          Vorgabe 000000)
      --new-color RRGGBB  ihr Ersatz (Vorgabe 000000)
      --depth N           wie viele Kanalstufen um die alte Farbe ersetzt
                          werden (Vorgabe 40; 0 oder weniger ersetzt nichts)

Kontaktbogen:
      --contact-sheet DIR die Fotos von DIR (die Formate, die INPUT annimmt;
                          nach Namen sortiert) als Miniaturen mit der
                          Beschriftung „Nummer, Name“, als PDF aus A4-Seiten
                          nach -o geschrieben; Dateien, die nicht gelesen
                          werden können, werden ausgelassen und genannt
      --thumb-width N     die Breite der Miniaturen in Bildschirmpixeln, 20 bis
                          200 (Vorgabe 100); ihre Höhe ist drei Viertel davon
      --dpi N             die Auflösung des PDFs, 72 bis 4800 Punkte pro Zoll
                          (Vorgabe 600)
      --no-thumbnail-cache
                          keine Miniaturen in den gemeinsamen Miniatur-Cache
                          (~/.cache/thumbnails) schreiben
Nur -o, --threads, --quiet und --no-thumbnail-cache gehen mit --contact-sheet.

Große Aufträge (mit -d):
      --files-from FILE   auch die in FILE aufgeführten Bilder rendern, ein
                          Pfad pro Zeile (&apos;-&apos; liest die Standardeingabe);
                          leere Zeilen werden übersprungen, und eine Zeile,
                          die mit einem Wagenrücklauf endet (eine
                          Windows-Liste), wird abgelehnt
  -0, --null              die Pfade der Liste enden stattdessen mit einem
                          NUL-Byte, wie &apos;find -print0&apos; sie schreibt
      --shard K/N         nur den K-ten von N Teilen der Eingaben rendern
                          (1 &lt;= K &lt;= N); der Teil einer Eingabe hängt allein
                          von ihrem Pfad ab, sodass N Läufe mit denselben
                          Pfaden in beliebiger Reihenfolge jedes Bild genau
                          einmal rendern
      --skip-existing     eine Eingabe auslassen, deren Ausgabe schon da ist;
                          Ausgaben erscheinen erst vollständig, sodass ein
                          abgebrochener Lauf einfach neu gestartet werden kann
      --report FILE       pro Eingabe eine JSON-Zeile an FILE anhängen:
                          &quot;input&quot;, &quot;output&quot;, &quot;status&quot; (written, skipped oder
                          failed), &quot;reason&quot; (außer bei written), &quot;ms&quot; und
                          &quot;pixels&quot;; ein Pfad, der kein gültiges UTF-8 ist,
                          erscheint mit Ersatzzeichen, und seine Bytes folgen
                          hexadezimal in &quot;input_hex&quot; oder &quot;output_hex&quot;. Jede
                          Zeile wird vollständig unter einer Dateisperre
                          geschrieben, sodass Läufe auf mehreren Rechnern FILE
                          über NFS teilen können

Ausführung:
      --threads N         Arbeits-Threads (Vorgabe 0: einer pro Kern)
  -q, --quiet             kein Fortschrittsbalken und keine Decoder-Warnungen
  -h, --help              diese Hilfe zeigen und beenden
      --version           die Version zeigen und beenden
Optionen dürfen vor oder nach den Eingaben stehen; &apos;--&apos; beendet die Optionen.
Strg+C oder SIGTERM beendet einen Lauf, sobald das Bild in Arbeit geschrieben
ist, und meldet, was erledigt wurde; ein zweites Strg+C beendet sofort. Keine
Ausgabe bleibt je halb geschrieben zurück.

Rückgabewert: 0, wenn jedes Bild geschrieben oder übersprungen wurde, 1, wenn
ein Bild nicht gelesen oder geschrieben werden konnte, 2, wenn die
Befehlszeile (oder die Liste von --files-from) falsch ist, 130 nach Strg+C und
143 nach SIGTERM. Ein Kontaktbogen wird auch geschrieben, wenn Fotos darin
ausgelassen wurden; der Rückgabewert ist dann 1.

Beispiele:
  kolvira-render photo.jpg -o drawing.png
  kolvira-render --style coal --pen-press 0.1 --width 1200 photo.jpg -o coal.jpg
  kolvira-render --style effects --bw-photo holiday/*.jpg -d drawings --format jpg
  kolvira-render --contact-sheet holiday --thumb-width 150 -o holiday.pdf
  kolvira-render --look sketchy --pen-press 0.2 photo.jpg -o sketch.png
  kolvira-render --look-from sketch.png other.jpg -o other-sketch.png
  find photos -name &apos;*.jpg&apos; -print0 |
    kolvira-render --files-from - -0 --shard 3/8 --skip-existing -d drawings
</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Wählen Sie ein Element, zu dem Sie Hilfe erhalten möchten</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
</context>
<context>
    <name>MosaicView</name>
    <message>
        <source>%1 contact sheet</source>
        <translation>Kontaktbogen %1</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaik</translation>
    </message>
    <message>
        <source>Save Contact Sheet As</source>
        <translation>Kontaktbogen speichern unter</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>A contact sheet is saved as PDF: end the name with .pdf.</source>
        <translation>Ein Kontaktbogen wird als PDF gespeichert: Der Name muss auf .pdf enden.</translation>
    </message>
    <message>
        <source>There is no printer to lay the sheet out for.</source>
        <translation>Es gibt keinen Drucker, für den der Bogen gestaltet werden könnte.</translation>
    </message>
    <message>
        <source>%1
%2 × %3 pixels</source>
        <translation>%1
%2 × %3 Pixel</translation>
    </message>
    <message>
        <source>%1
Thumbnail not built yet: Refresh (R) makes it.</source>
        <translation>%1
Miniatur noch nicht erstellt: Aktualisieren (R) erstellt sie.</translation>
    </message>
    <message>
        <source>The Mosaic: a thumbnail of every image file in the folder. Double-click a thumbnail or press Enter to open the photo; Delete takes entries off the list (never off the disk); keypad + and - change the thumbnail size; Esc stops making thumbnails. File → Render Selection renders the selected photos into drawing files.</source>
        <translation>Das Mosaik: eine Miniatur jeder Bilddatei im Ordner. Doppelklicken Sie auf eine Miniatur oder drücken Sie die Eingabetaste, um das Foto zu öffnen; Entf nimmt Einträge aus der Liste (nie von der Festplatte); + und - auf dem Ziffernblock ändern die Größe der Miniaturen; Esc bricht das Erstellen der Miniaturen ab. Datei → Auswahl rendern rendert die ausgewählten Fotos als Zeichnungsdateien.</translation>
    </message>
    <message>
        <source>Cannot list the files of %1: %2</source>
        <translation>Die Dateien von %1 können nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 thumbnails made; Refresh makes the rest.</source>
        <translation>Abgebrochen: %1 von %2 Miniaturen erstellt; Aktualisieren erstellt den Rest.</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Ungültiges Argument.</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)</source>
        <translation>Bilddateien (*.bmp; *.gif; *.jpg; *.png; *.tif)</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Alle Bilder</translation>
    </message>
</context>
<context>
    <name>PhotoDocument</name>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2; showing what could be read</source>
        <translation>%1 ist beschädigt: %2; angezeigt wird, was gelesen werden konnte</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Red = %1, Green = %2, Blue = %3</source>
        <translation>Rot = %1, Grün = %2, Blau = %3</translation>
    </message>
    <message>
        <source>, Middle = %1</source>
        <translation>, Mittel = %1</translation>
    </message>
    <message>
        <source>You have selected a &quot;new color&quot; for replacing:

</source>
        <translation>Sie haben eine „neue Farbe“ zum Ersetzen gewählt:

</translation>
    </message>
    <message>
        <source>You have selected an &quot;old color&quot; for replacing:

</source>
        <translation>Sie haben eine „alte Farbe“ zum Ersetzen gewählt:

</translation>
    </message>
    <message>
        <source>Selected new color for replacing: </source>
        <translation>Neue Farbe zum Ersetzen gewählt: </translation>
    </message>
    <message>
        <source>Selected old color for replacing: </source>
        <translation>Alte Farbe zum Ersetzen gewählt: </translation>
    </message>
    <message>
        <source>Full resolution (Esc stops)</source>
        <translation>Volle Auflösung (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Full resolution</source>
        <translation>Volle Auflösung</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>As shown (%1)</source>
        <translation>Wie angezeigt (%1)</translation>
    </message>
    <message>
        <source>Full resolution (%1)</source>
        <translation>Volle Auflösung (%1)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>At its size on the screen, from the top-left corner</source>
        <translation>In Bildschirmgröße, ab der linken oberen Ecke</translation>
    </message>
    <message>
        <source>Fit to page, centred</source>
        <translation>An Seite angepasst, zentriert</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Kolvira picture</source>
        <translation>Kolvira-Bild</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>%1 wird geschrieben (Esc bricht ab)</translation>
    </message>
    <message>
        <source>Save the drawing of %1?</source>
        <translation>Die Zeichnung von %1 speichern?</translation>
    </message>
    <message>
        <source>This is the last photo of the Mosaic.</source>
        <translation>Dies ist das letzte Foto des Mosaiks.</translation>
    </message>
    <message>
        <source>This is the first photo of the Mosaic.</source>
        <translation>Dies ist das erste Foto des Mosaiks.</translation>
    </message>
    <message>
        <source>The photo window: the photo at the window&apos;s width. Paint and Photo Editor turn it into a drawing; a left click shows the colour under the pointer, right clicks pick the colours to replace. Double-click to fit the window to the photo.</source>
        <translation>Das Fotofenster: das Foto in der Breite des Fensters. Malen und Fotoeditor machen daraus eine Zeichnung; ein Linksklick zeigt die Farbe unter dem Mauszeiger, Rechtsklicks wählen die zu ersetzenden Farben. Ein Doppelklick passt das Fenster an das Foto an.</translation>
    </message>
    <message>
        <source>%1 picture (%2)</source>
        <translation>%1-Bild (%2)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Cannot print:
%1</source>
        <translation>Drucken nicht möglich:
%1</translation>
    </message>
    <message>
        <source>No file was named for the PDF.</source>
        <translation>Für das PDF wurde keine Datei angegeben.</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>In %1 gedruckt</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Printing stopped: nothing was printed</source>
        <translation>Drucken abgebrochen: nichts wurde gedruckt</translation>
    </message>
    <message>
        <source>No printer: printed to %1</source>
        <translation>Kein Drucker: in %1 gedruckt</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Seitenansicht - %1</translation>
    </message>
</context>
<context>
    <name>RenderRun</name>
    <message>
        <source>shard %1/%2: %3 of %4 inputs: </source>
        <translation>Teil %1/%2: %3 von %4 Eingaben: </translation>
    </message>
    <message>
        <source>stopped by %1: </source>
        <translation>abgebrochen durch %1: </translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>%1 geschrieben, %2 übersprungen, %3 fehlgeschlagen</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 nicht begonnen</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>der Ordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>ausgelassen: </translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>refusing to write over the photo &apos;%1&apos;</source>
        <translation>das Foto &apos;%1&apos; wird nicht überschrieben</translation>
    </message>
    <message>
        <source>its name is not valid in the system&apos;s encoding; choose another name</source>
        <translation>der Name ist in der Zeichenkodierung des Systems ungültig; wählen Sie einen anderen Namen</translation>
    </message>
    <message>
        <source>exists and is not a folder</source>
        <translation>existiert und ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot create the output folder</source>
        <translation>der Ausgabeordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>not written: &apos;%1&apos; is already the output of &apos;%2&apos;</source>
        <translation>nicht geschrieben: &apos;%1&apos; ist schon die Ausgabe von &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists</source>
        <translation>&apos;%1&apos; existiert bereits</translation>
    </message>
    <message>
        <source>cannot open the report: </source>
        <translation>der Bericht kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>skipped: </source>
        <translation>übersprungen: </translation>
    </message>
    <message>
        <source>cannot add to the report: </source>
        <translation>der Bericht kann nicht ergänzt werden: </translation>
    </message>
    <message>
        <source>cannot lock the report: </source>
        <translation>der Bericht kann nicht gesperrt werden: </translation>
    </message>
</context>
<context>
    <name>SaveTargets</name>
    <message>
        <source>%1 is a photo, and Kolvira never writes over a photo: choose another name.</source>
        <translation>%1 ist ein Foto, und Kolvira überschreibt niemals ein Foto: Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>This system cannot write .%1 files.</source>
        <translation>Dieses System kann keine .%1-Dateien schreiben.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Speichern unter bestätigen</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>%1 kann nicht gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>Kolvira saves pictures as %1: end the name with %2.</source>
        <translation>Kolvira speichert Bilder als %1: Der Name muss auf %2 enden.</translation>
    </message>
</context>
<context>
    <name>SelectionRendering</name>
    <message>
        <source>Rendered %1 of %2 photos into %3.</source>
        <translation>%1 von %2 Fotos nach %3 gerendert.</translation>
    </message>
    <message>
        <source>
Stopped with Esc: %1 not rendered.</source>
        <translation>
Mit Esc abgebrochen: %1 nicht gerendert.</translation>
    </message>
    <message>
        <source>
%1 existing drawings kept.</source>
        <translation>
Behaltene vorhandene Zeichnungen: %1.</translation>
    </message>
    <message>
        <source>

Not rendered:</source>
        <translation>

Nicht gerendert:</translation>
    </message>
    <message>
        <source>Render Selection</source>
        <translation>Auswahl rendern</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>another selected photo has the same name, so its drawing is &quot;%1&quot;</source>
        <translation>ein anderes ausgewähltes Foto hat denselben Namen, daher heißt seine Zeichnung „%1“</translation>
    </message>
    <message>
        <source>%1 of the drawings already exist in %2. Replace them?</source>
        <translation>%1 der Zeichnungen sind in %2 bereits vorhanden. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>File Date</source>
        <translation>Dateidatum</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Umgekehrt</translation>
    </message>
</context>
<context>
    <name>StartupArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 ist keine lokale Datei</translation>
    </message>
    <message>
        <source>Usage: kolvira [--new-instance] [FILE...]

Turns photographs into drawings and shows a folder&apos;s photos as a Mosaic.
Each FILE opens as File &gt; Open would: the Mosaic of its folder, with the file
selected. When Kolvira is already running, the files open in it instead,
and without FILE it comes to the front.

      --new-instance  start a separate program even when one is running
  -h, --help          show this help and exit
      --version       show the version and exit
</source>
        <translation>Aufruf: kolvira [--new-instance] [DATEI...]

Macht aus Fotos Zeichnungen und zeigt die Fotos eines Ordners als Mosaik.
Jede DATEI öffnet sich wie mit Datei &gt; Öffnen: das Mosaik ihres Ordners, mit
der Datei ausgewählt. Läuft Kolvira bereits, öffnen sich die Dateien dort,
und ohne DATEI kommt es nach vorne.

      --new-instance  ein eigenes Programm starten, auch wenn eines läuft
  -h, --help          diese Hilfe zeigen und beenden
      --version       die Version zeigen und beenden
</translation>
    </message>
    <message>
        <source>cannot take the name %1 on the session bus</source>
        <translation>der Name %1 auf dem Sitzungsbus kann nicht übernommen werden</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAP</source>
        <translation>GROSS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>ROLLEN</translation>
    </message>
</context>
<context>
    <name>Thumbnailer</name>
    <message>
        <source>the size must be a number from 1 to %1</source>
        <translation>die Größe muss eine Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>give one INPUT and one OUTPUT</source>
        <translation>genau ein INPUT und ein OUTPUT angeben</translation>
    </message>
    <message>
        <source>%1 names no local file</source>
        <translation>%1 bezeichnet keine lokale Datei</translation>
    </message>
    <message>
        <source>Usage: kolvira-thumbnailer [-s SIZE] INPUT OUTPUT

Writes a PNG thumbnail of the picture INPUT (a path or a file:// URI) to
OUTPUT, made as Kolvira&apos;s Mosaic makes its thumbnails: upright, in sRGB,
fitted into a square of SIZE pixels (default 256) and never enlarged. File
managers run it through its thumbnailer entry for the metafiles, camera raw
files, JPEG XL and HEIF pictures they cannot read themselves.

Options:
  -s, --size SIZE   the side of the square the thumbnail fits, 1 to 1024
  -h, --help        show this text
      --version     show the version

Exit status: 0 when the thumbnail was written, 1 when INPUT could not be read
or OUTPUT not written, 2 for a wrong command line.
</source>
        <translation>Aufruf: kolvira-thumbnailer [-s SIZE] INPUT OUTPUT

Schreibt eine PNG-Miniatur des Bildes INPUT (ein Pfad oder eine file://-URI)
nach OUTPUT, so erstellt wie die Miniaturen in Kolviras Mosaik: aufrecht, in
sRGB, in ein Quadrat von SIZE Pixeln eingepasst (Vorgabe 256) und nie
vergrößert. Dateimanager rufen es über seinen Thumbnailer-Eintrag für die
Metadateien, Kamera-Rohdateien, JPEG-XL- und HEIF-Bilder auf, die sie selbst
nicht lesen können.

Optionen:
  -s, --size SIZE   die Seitenlänge des Quadrats für die Miniatur, 1 bis 1024
  -h, --help        diesen Text zeigen
      --version     die Version zeigen

Rückgabewert: 0, wenn die Miniatur geschrieben wurde, 1, wenn INPUT nicht
gelesen oder OUTPUT nicht geschrieben werden konnte, 2 bei falscher
Befehlszeile.
</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-thumbnailer --help&apos;.</source>
        <translation>Siehe &apos;kolvira-thumbnailer --help&apos;.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Thumbnails</name>
    <message>
        <source>The file could not be read before and has not changed.</source>
        <translation>Die Datei konnte schon vorher nicht gelesen werden und hat sich nicht geändert.</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>More size</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Less size</source>
        <translation>Kleiner</translation>
    </message>
    <message>
        <source>Show Original	\</source>
        <translation>Original zeigen	\</translation>
    </message>
    <message>
        <source>Split View</source>
        <translation>Geteilte Ansicht</translation>
    </message>
    <message>
        <source>Revert to Photo</source>
        <translation>Zurück zum Foto</translation>
    </message>
    <message>
        <source>Ask to Save Drawings</source>
        <translation>Nach dem Speichern von Zeichnungen fragen</translation>
    </message>
    <message>
        <source>Next Photo	Alt+Right</source>
        <translation>Nächstes Foto	Alt+Right</translation>
    </message>
    <message>
        <source>Previous Photo	Alt+Left</source>
        <translation>Vorheriges Foto	Alt+Left</translation>
    </message>
    <message>
        <source>Full Screen	F11</source>
        <translation>Vollbild	F11</translation>
    </message>
    <message>
        <source>Refresh Mosaic</source>
        <translation>Mosaik aktualisieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Paint</source>
        <translation>&amp;Malen</translation>
    </message>
    <message>
        <source>Photo &amp;Editor</source>
        <translation>&amp;Fotoeditor</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Look speichern...</translation>
    </message>
    <message>
        <source>Apply Look...</source>
        <translation>Look anwenden...</translation>
    </message>
    <message>
        <source>Apply Look From File...</source>
        <translation>Look aus Datei anwenden...</translation>
    </message>
    <message>
        <source>Copy Render Command</source>
        <translation>Render-Befehl kopieren</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Sortieren nach</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Neues Fenster</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Überlappend</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>Ne&amp;beneinander</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Symbole &amp;anordnen</translation>
    </message>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Weitere Fenster...</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>the metadata could not be written</source>
        <translation>die Metadaten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the metadata could not be written: %1</source>
        <translation>die Metadaten konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the PNG encoder could not start</source>
        <translation>der PNG-Encoder konnte nicht starten</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
</context>
<context>
    <name>kolvira::AboutDialog</name>
    <message>
        <source>About Kolvira</source>
        <translation>Über Kolvira</translation>
    </message>
    <message>
        <source>Kolvira Version %1</source>
        <translation>Kolvira Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>kolvira::Application</name>
    <message>
        <source>No photos in %1</source>
        <translation>Keine Fotos in %1</translation>
    </message>
</context>
<context>
    <name>kolvira::HelpWindow</name>
    <message>
        <source>Kolvira Help</source>
        <translation>Kolvira-Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>kolvira::LookFile</name>
    <message>
        <source>&apos;%1&apos; must be a number from 0.0 to 1.0, not %2</source>
        <translation>&apos;%1&apos; muss eine Zahl von 0.0 bis 1.0 sein, nicht %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be true or false, not %2</source>
        <translation>&apos;%1&apos; muss true oder false sein, nicht %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a colour &quot;#RRGGBB&quot;, not %2</source>
        <translation>&apos;%1&apos; muss eine Farbe &quot;#RRGGBB&quot; sein, nicht %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a whole number from %2 to %3, not %4</source>
        <translation>&apos;%1&apos; muss eine ganze Zahl von %2 bis %3 sein, nicht %4</translation>
    </message>
    <message>
        <source>not a Kolvira look: it has no &quot;kolvira-look&quot; format version</source>
        <translation>kein Kolvira-Look: er hat keine Formatversion &quot;kolvira-look&quot;</translation>
    </message>
    <message>
        <source>&quot;kolvira-look&quot; must be a format version from 1, not %1</source>
        <translation>&quot;kolvira-look&quot; muss eine Formatversion ab 1 sein, nicht %1</translation>
    </message>
    <message>
        <source>the look was made by a newer Kolvira (look format %1; this one reads format %2): update Kolvira to use it</source>
        <translation>der Look stammt von einem neueren Kolvira (Look-Format %1; dieses liest Format %2): aktualisieren Sie Kolvira, um ihn zu nutzen</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at character %2</source>
        <translation>kein gültiges JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>not a Kolvira look: the file holds no JSON object</source>
        <translation>kein Kolvira-Look: die Datei enthält kein JSON-Objekt</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>unbekannte Einstellung &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is missing</source>
        <translation>die Einstellung &apos;%1&apos; fehlt</translation>
    </message>
    <message>
        <source>&apos;style&apos; must be one of %1, not %2</source>
        <translation>&apos;style&apos; muss eines von %1 sein, nicht %2</translation>
    </message>
    <message>
        <source>cannot read the look &apos;%1&apos;: %2</source>
        <translation>der Look &apos;%1&apos; kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large to be a look</source>
        <translation>&apos;%1&apos; ist zu groß für einen Look</translation>
    </message>
    <message>
        <source>the look &apos;%1&apos; cannot be used: %2</source>
        <translation>der Look &apos;%1&apos; kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; carries no look (it was not drawn by Kolvira, or its metadata was stripped)</source>
        <translation>&apos;%1&apos; trägt keinen Look (nicht von Kolvira gezeichnet, oder die Metadaten wurden entfernt)</translation>
    </message>
    <message>
        <source>the look in &apos;%1&apos; cannot be used: %2</source>
        <translation>der Look in &apos;%1&apos; kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>there is no saved look &apos;%1&apos; in %2</source>
        <translation>es gibt keinen gespeicherten Look &apos;%1&apos; in %2</translation>
    </message>
    <message>
        <source>a look needs a name</source>
        <translation>ein Look braucht einen Namen</translation>
    </message>
    <message>
        <source>a look&apos;s name cannot start with &apos;.&apos; or hold &apos;/&apos;</source>
        <translation>der Name eines Looks darf nicht mit &apos;.&apos; beginnen oder &apos;/&apos; enthalten</translation>
    </message>
</context>
<context>
    <name>kolvira::MosaicView</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>kolvira::PaintDialog</name>
    <message>
        <source>Pen</source>
        <translation>Feder</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Coal</source>
        <translation>Kohle</translation>
    </message>
    <message>
        <source>Water color</source>
        <translation>Aquarell</translation>
    </message>
    <message>
        <source>Picasso</source>
        <translation>Picasso</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Revolution</source>
        <translation>Revolution</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Art of Drawing</source>
        <translation>Zeichenart</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
    </message>
    <message>
        <source>more</source>
        <translation>mehr</translation>
    </message>
    <message>
        <source>less</source>
        <translation>weniger</translation>
    </message>
    <message>
        <source>Pen press:</source>
        <translation>Stiftdruck:</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Fotoeditor</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoEditorDialog</name>
    <message>
        <source>Inversed colors</source>
        <translation>Invertierte Farben</translation>
    </message>
    <message>
        <source>Shifted colors</source>
        <translation>Farbrotation</translation>
    </message>
    <message>
        <source>Sandy sky</source>
        <translation>Sandhimmel</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Weichzeichnen</translation>
    </message>
    <message>
        <source>Impression   brush:</source>
        <translation>Tupfpinsel:</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Stempel</translation>
    </message>
    <message>
        <source>Black-white photo</source>
        <translation>Schwarzweißfoto</translation>
    </message>
    <message>
        <source>Black-white dream</source>
        <translation>Grauer Traum</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Fotoeditor</translation>
    </message>
    <message>
        <source>old</source>
        <translation>alt</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>more</source>
        <translation>mehr</translation>
    </message>
    <message>
        <source>less</source>
        <translation>weniger</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Helligkeit:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Ersetzen:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>durch</translation>
    </message>
    <message>
        <source>depth:</source>
        <translation>Tiefe:</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>Colour to replace</source>
        <translation>Zu ersetzende Farbe</translation>
    </message>
    <message>
        <source>Replacement colour</source>
        <translation>Ersatzfarbe</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoView</name>
    <message>
        <source>Save Look</source>
        <translation>Look speichern</translation>
    </message>
    <message>
        <source>Looks (*.json)</source>
        <translation>Looks (*.json)</translation>
    </message>
    <message>
        <source>The look could not be saved as %1: %2</source>
        <translation>Der Look konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Look anwenden</translation>
    </message>
    <message>
        <source>There are no saved looks yet: Save Look... keeps the settings of a window as one (in %1).</source>
        <translation>Es gibt noch keine gespeicherten Looks: Look speichern... behält die Einstellungen eines Fensters als einen (in %1).</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Look:</translation>
    </message>
    <message>
        <source>Apply Look From File</source>
        <translation>Look aus Datei anwenden</translation>
    </message>
    <message>
        <source>Looks and drawings</source>
        <translation>Looks und Zeichnungen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
</context>
<context>
    <name>kolvira::RenderSelectionDialog</name>
    <message>
        <source>Render Selection</source>
        <translation>Auswahl rendern</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>&amp;Own settings:</source>
        <translation>&amp;Eigene Einstellungen:</translation>
    </message>
    <message>
        <source>&amp;Paint...</source>
        <translation>&amp;Malen...</translation>
    </message>
    <message>
        <source>Photo &amp;Editor...</source>
        <translation>&amp;Fotoeditor...</translation>
    </message>
    <message>
        <source>The settings of the &amp;active photo window</source>
        <translation>Die Einstellungen des &amp;aktiven Fotofensters</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>As &amp;shown at</source>
        <translation>Wie an&amp;gezeigt, mit</translation>
    </message>
    <message>
        <source> pixels wide</source>
        <translation> Pixel Breite</translation>
    </message>
    <message>
        <source>&amp;Full resolution</source>
        <translation>&amp;Volle Auflösung</translation>
    </message>
    <message>
        <source>Save &amp;in:</source>
        <translation>Speichern &amp;in:</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>Datei&amp;typ:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Render 1 Photo</source>
        <translation>1 Foto rendern</translation>
    </message>
    <message>
        <source>Render %1 Photos</source>
        <translation>%1 Fotos rendern</translation>
    </message>
    <message>
        <source>Save Drawings In</source>
        <translation>Zeichnungen speichern in</translation>
    </message>
    <message>
        <source>A sa&amp;ved look:</source>
        <translation>Ein ge&amp;speicherter Look:</translation>
    </message>
</context>
<context>
    <name>kolvira::WindowListDialog</name>
    <message>
        <source>Select Window</source>
        <translation>Fenster auswählen</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>Fenster &amp;auswählen:</translation>
    </message>
</context>
</TS>
