<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Photo %1</source>
        <translation>Photo %1</translation>
    </message>
    <message>
        <source>Photo %1 drawn as %2</source>
        <translation>Photo %1 dessinée en %2</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rouge %1, vert %2, bleu %3</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Cannot open %1:
%2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;:
%2.</translation>
    </message>
</context>
<context>
    <name>BatchRendering</name>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>l&apos;image est endommagée&#xa0;: %1</translation>
    </message>
    <message>
        <source>scaled to width %1: </source>
        <translation>mise à la largeur %1&#xa0;: </translation>
    </message>
    <message>
        <source>not enough memory for a %1x%2 picture</source>
        <translation>pas assez de mémoire pour une image de %1x%2</translation>
    </message>
    <message>
        <source>refusing to write over the input picture &apos;%1&apos;</source>
        <translation>refus d&apos;écrire sur l&apos;image d&apos;entrée &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>must be at least %1</source>
        <translation>doit valoir au moins %1</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>doit être compris entre %1 et %2</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>ne doit pas être vide</translation>
    </message>
    <message>
        <source>%1 cannot be used with --contact-sheet</source>
        <translation>%1 ne peut pas être utilisé avec --contact-sheet</translation>
    </message>
    <message>
        <source>--contact-sheet takes no input pictures, only its folder (got &apos;%1&apos;)</source>
        <translation>--contact-sheet ne prend aucune image d&apos;entrée, seulement son dossier (reçu&#xa0;: &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>no output given: use -o SHEET.pdf</source>
        <translation>aucune sortie indiquée&#xa0;: utilisez -o SHEET.pdf</translation>
    </message>
    <message>
        <source>a contact sheet is a PDF: name it SHEET.pdf (got &apos;%1&apos;)</source>
        <translation>une planche contact est un PDF&#xa0;: nommez-la SHEET.pdf (reçu&#xa0;: &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 applies only with --contact-sheet</source>
        <translation>%1 ne s&apos;applique qu&apos;avec --contact-sheet</translation>
    </message>
    <message>
        <source>-0 applies only with --files-from</source>
        <translation>-0 ne s&apos;applique qu&apos;avec --files-from</translation>
    </message>
    <message>
        <source>--files-from takes several inputs: use -d OUTDIR, not -o</source>
        <translation>--files-from prend plusieurs entrées&#xa0;: utilisez -d OUTDIR, pas -o</translation>
    </message>
    <message>
        <source>no input picture given</source>
        <translation>aucune image d&apos;entrée indiquée</translation>
    </message>
    <message>
        <source>an input file name is empty</source>
        <translation>un nom de fichier d&apos;entrée est vide</translation>
    </message>
    <message>
        <source>-o and -d cannot be used together</source>
        <translation>-o et -d ne peuvent pas être utilisés ensemble</translation>
    </message>
    <message>
        <source>no output given: use -o OUTPUT or -d OUTDIR</source>
        <translation>aucune sortie indiquée&#xa0;: utilisez -o OUTPUT ou -d OUTDIR</translation>
    </message>
    <message>
        <source>-o takes a single input picture; use -d OUTDIR for several</source>
        <translation>-o ne prend qu&apos;une seule image d&apos;entrée&#xa0;; utilisez -d OUTDIR pour plusieurs</translation>
    </message>
    <message>
        <source>cannot tell the output format from &apos;%1&apos;: use an extension such as .png or .jpg</source>
        <translation>impossible de déduire le format de sortie de &apos;%1&apos;&#xa0;: utilisez une extension comme .png ou .jpg</translation>
    </message>
    <message>
        <source>unknown output format &apos;%1&apos; for --format</source>
        <translation>format de sortie &apos;%1&apos; inconnu pour --format</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option &apos;%1&apos; inconnue</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option &apos;%1&apos; demande une valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l&apos;option &apos;%1&apos; ne prend pas de valeur</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for %2: %3</source>
        <translation>valeur &apos;%1&apos; incorrecte pour %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a NUL byte; use -0 for a NUL-separated list</source>
        <translation>la ligne %1 de %2 contient un octet NUL&#xa0;; utilisez -0 pour une liste séparée par des NUL</translation>
    </message>
    <message>
        <source>line %1 of %2 ends with a carriage return (a Windows line ending?); convert the list with dos2unix</source>
        <translation>la ligne %1 de %2 se termine par un retour chariot (une fin de ligne Windows&#xa0;?)&#xa0;; convertissez la liste avec dos2unix</translation>
    </message>
    <message>
        <source>cannot read the list &apos;%1&apos;: %2</source>
        <translation>impossible de lire la liste &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>ce n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>must be from 0.0 to 1.0</source>
        <translation>doit être compris entre 0.0 et 1.0</translation>
    </message>
    <message>
        <source>not an integer</source>
        <translation>ce n&apos;est pas un entier</translation>
    </message>
    <message>
        <source>out of the 32-bit integer range</source>
        <translation>hors de la plage des entiers sur 32 bits</translation>
    </message>
    <message>
        <source>expected six hex digits RRGGBB</source>
        <translation>six chiffres hexadécimaux RRGGBB attendus</translation>
    </message>
    <message>
        <source>expected one of </source>
        <translation>valeur attendue parmi&#xa0;: </translation>
    </message>
    <message>
        <source>must be K/N, the K-th of N slices, such as 2/8</source>
        <translation>doit être K/N, la K-ième de N tranches, par exemple 2/8</translation>
    </message>
    <message>
        <source>N must be at least 1</source>
        <translation>N doit valoir au moins 1</translation>
    </message>
    <message>
        <source>K must be from 1 to N (%1)</source>
        <translation>K doit être compris entre 1 et N (%1)</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-render --help&apos;.</source>
        <translation>Essayez &apos;kolvira-render --help&apos;.</translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Show Paint Dialog
Show Paint Dialog</source>
        <translation>Afficher la boîte Peindre
Afficher la boîte Peindre</translation>
    </message>
    <message>
        <source>Show Photo Editor
Show Photo Editor</source>
        <translation>Afficher l&apos;éditeur de photo
Afficher l&apos;éditeur de photo</translation>
    </message>
    <message>
        <source>Refresh Mosaic
Refresh Mosaic</source>
        <translation>Actualiser la mosaïque
Actualiser la mosaïque</translation>
    </message>
    <message>
        <source>More size in mosaic
More size in mosaic</source>
        <translation>Miniatures plus grandes dans la mosaïque
Miniatures plus grandes dans la mosaïque</translation>
    </message>
    <message>
        <source>Less size in mosaic
Less size in mosaic</source>
        <translation>Miniatures plus petites dans la mosaïque
Miniatures plus petites dans la mosaïque</translation>
    </message>
    <message>
        <source>Show the photo in place of the drawing (hold \ for a moment)
Show Original</source>
        <translation>Afficher la photo à la place du dessin (maintenir \ un instant)
Afficher l&apos;original</translation>
    </message>
    <message>
        <source>Show the photo left of a movable line, the drawing right of it
Split View</source>
        <translation>Afficher la photo à gauche d&apos;une ligne mobile, le dessin à sa droite
Vue partagée</translation>
    </message>
    <message>
        <source>Drop the drawing and show the photo again
Revert to Photo</source>
        <translation>Abandonner le dessin et afficher de nouveau la photo
Revenir à la photo</translation>
    </message>
    <message>
        <source>Ask whether to save a drawing when its window closes or leaves its photo
Ask to Save Drawings</source>
        <translation>Proposer d&apos;enregistrer un dessin quand sa fenêtre se ferme ou quitte sa photo
Proposer d&apos;enregistrer les dessins</translation>
    </message>
    <message>
        <source>Show the next photo of the Mosaic in this window
Next Photo</source>
        <translation>Afficher la photo suivante de la mosaïque dans cette fenêtre
Photo suivante</translation>
    </message>
    <message>
        <source>Show the previous photo of the Mosaic in this window
Previous Photo</source>
        <translation>Afficher la photo précédente de la mosaïque dans cette fenêtre
Photo précédente</translation>
    </message>
    <message>
        <source>Show the photo window on the whole screen; Esc leaves
Full Screen</source>
        <translation>Afficher la fenêtre photo sur tout l&apos;écran&#xa0;; Échap en sort
Plein écran</translation>
    </message>
    <message>
        <source>Render the selected photos into drawing files
Render Selection</source>
        <translation>Rendre les photos choisies en fichiers de dessin
Rendre la sélection</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Créer un nouveau document
Nouveau</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ouvrir un document existant
Ouvrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Fermer le document actif
Fermer</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Enregistrer le document actif
Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Enregistrer le document actif sous un nouveau nom
Enregistrer sous</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Changer d&apos;imprimante et d&apos;options d&apos;impression
Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimer le document actif
Imprimer</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Afficher des pages entières
Aperçu avant impression</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright
À propos</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Quitter l&apos;application&#xa0;; propose d&apos;enregistrer les documents
Quitter</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Ouvrir une autre fenêtre sur le document actif
Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Réorganiser les icônes en bas de la fenêtre
Réorganiser les icônes</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Disposer les fenêtres en cascade
Fenêtres en cascade</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Disposer les fenêtres côte à côte sans chevauchement
Juxtaposer les fenêtres</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Afficher ou masquer la barre d&apos;outils
Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Afficher ou masquer la barre d&apos;état
Barre d&apos;état</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Lister les rubriques d&apos;aide
Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Afficher l&apos;aide sur la tâche ou la commande en cours
Aide</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Afficher l&apos;aide sur les boutons, menus et fenêtres cliqués
Aide</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Ouvrir ce document</translation>
    </message>
    <message>
        <source>Save the settings of this window as a look, by name or to a file
Save Look</source>
        <translation>Enregistrer les réglages de cette fenêtre comme look, sous un nom ou dans un fichier
Enregistrer le look</translation>
    </message>
    <message>
        <source>Draw the photo with one of the saved looks
Apply Look</source>
        <translation>Dessiner la photo avec l&apos;un des looks enregistrés
Appliquer un look</translation>
    </message>
    <message>
        <source>Draw the photo with the look of a look file or of a drawing Kolvira made
Apply Look From File</source>
        <translation>Dessiner la photo avec le look d&apos;un fichier de look ou d&apos;un dessin fait par Kolvira
Appliquer un look depuis un fichier</translation>
    </message>
    <message>
        <source>Copy the kolvira-render command that makes this drawing
Copy Render Command</source>
        <translation>Copier la commande kolvira-render qui fait ce dessin
Copier la commande de rendu</translation>
    </message>
    <message>
        <source>Show the photos in the order of their names
Sort by Name</source>
        <translation>Afficher les photos dans l&apos;ordre de leurs noms
Trier par nom</translation>
    </message>
    <message>
        <source>Show the photos in the order they were taken (the camera&apos;s date, else the file&apos;s)
Sort by Date Taken</source>
        <translation>Afficher les photos dans l&apos;ordre de prise de vue (date de l&apos;appareil, sinon celle du fichier)
Trier par date de prise de vue</translation>
    </message>
    <message>
        <source>Show the photos in the order their files were last changed
Sort by File Date</source>
        <translation>Afficher les photos dans l&apos;ordre de dernière modification de leurs fichiers
Trier par date du fichier</translation>
    </message>
    <message>
        <source>Show the photos in the order of their files&apos; sizes
Sort by Size</source>
        <translation>Afficher les photos dans l&apos;ordre de la taille de leurs fichiers
Trier par taille</translation>
    </message>
    <message>
        <source>Show the photos in the order of their file types
Sort by Type</source>
        <translation>Afficher les photos dans l&apos;ordre de leur type de fichier
Trier par type</translation>
    </message>
    <message>
        <source>Show the photos in the opposite order
Reverse Order</source>
        <translation>Afficher les photos dans l&apos;ordre inverse
Ordre inverse</translation>
    </message>
</context>
<context>
    <name>Decoding</name>
    <message>
        <source>the file ends before the picture does</source>
        <translation>le fichier se termine avant l&apos;image</translation>
    </message>
    <message>
        <source>decoding took longer than %1 s, the limit</source>
        <translation>le décodage a dépassé la limite de %1 s</translation>
    </message>
    <message>
        <source>the decode was called off</source>
        <translation>le décodage a été annulé</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (signal %1)</source>
        <translation>l&apos;image est endommagée&#xa0;: le décodeur s&apos;est arrêté (signal %1)</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (exit status %1)</source>
        <translation>l&apos;image est endommagée&#xa0;: le décodeur s&apos;est arrêté (code de sortie %1)</translation>
    </message>
    <message>
        <source>the decoder could not be started: %1</source>
        <translation>le décodeur n&apos;a pas pu être lancé&#xa0;: %1</translation>
    </message>
    <message>
        <source>the decoder did not end</source>
        <translation>le décodeur ne s&apos;est pas terminé</translation>
    </message>
    <message>
        <source>the decoder&apos;s answer was cut short</source>
        <translation>la réponse du décodeur a été tronquée</translation>
    </message>
    <message>
        <source>no picture decoded</source>
        <translation>aucune image décodée</translation>
    </message>
    <message>
        <source>the decoder gave no pixels</source>
        <translation>le décodeur n&apos;a fourni aucun pixel</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>the decoder&apos;s pixels do not fit a picture</source>
        <translation>les pixels du décodeur ne forment pas une image</translation>
    </message>
    <message>
        <source>the metafile gives no size</source>
        <translation>le métafichier n&apos;indique aucune taille</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1x%2 pixels</source>
        <translation>il n&apos;y a pas assez de mémoire pour une image de %1x%2 pixels</translation>
    </message>
    <message>
        <source>the metafile&apos;s text is not drawn: the program runs without fonts</source>
        <translation>le texte du métafichier n&apos;est pas dessiné&#xa0;: le programme tourne sans polices</translation>
    </message>
    <message>
        <source>the file is not a Windows metafile</source>
        <translation>le fichier n&apos;est pas un métafichier Windows</translation>
    </message>
    <message>
        <source>is a folder, not a picture</source>
        <translation>est un dossier, pas une image</translation>
    </message>
    <message>
        <source>is a pipe (FIFO), not a picture</source>
        <translation>est un tube (FIFO), pas une image</translation>
    </message>
    <message>
        <source>is a device, not a picture</source>
        <translation>est un périphérique, pas une image</translation>
    </message>
    <message>
        <source>is a socket, not a picture</source>
        <translation>est une socket, pas une image</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file is %1 MB, more than the limit of %2 MB</source>
        <translation>le fichier fait %1 Mo, plus que la limite de %2 Mo</translation>
    </message>
    <message>
        <source>the file gives its pixels an impossible shape (%1)</source>
        <translation>le fichier donne à ses pixels une forme impossible (%1)</translation>
    </message>
    <message>
        <source>no memory for a picture of %1x%2 pixels</source>
        <translation>pas de mémoire pour une image de %1x%2 pixels</translation>
    </message>
    <message>
        <source>libwmf could not be started</source>
        <translation>libwmf n&apos;a pas pu être lancée</translation>
    </message>
    <message>
        <source>libwmf could not play the metafile</source>
        <translation>libwmf n&apos;a pas pu lire le métafichier</translation>
    </message>
    <message>
        <source>the WMF header is damaged</source>
        <translation>l&apos;en-tête WMF est endommagé</translation>
    </message>
    <message>
        <source>a record of the metafile is shorter than its own header</source>
        <translation>un enregistrement du métafichier est plus court que son propre en-tête</translation>
    </message>
    <message>
        <source>the file ends before the metafile&apos;s end-of-file record</source>
        <translation>le fichier se termine avant l&apos;enregistrement de fin du métafichier</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save stopped: nothing was written</source>
        <translation>Enregistrement arrêté&#xa0;: rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 enregistré</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>R&amp;ender Selection...</source>
        <translation>&amp;Rendre la sélection...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l&apos;impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About Kolvira...</source>
        <translation>À &amp;propos de Kolvira...</translation>
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
        <translation>Usage&#xa0;: kolvira-render [options] INPUT -o OUTPUT
        kolvira-render [options] INPUT... -d OUTDIR [--format FORMAT]
        kolvira-render [--look NAME|FILE] [options] --print-look
        kolvira-render --contact-sheet DIR -o SHEET.pdf [--thumb-width N] [--dpi N]

Rend des photos sous forme de dessins. Chaque photo est redressée, posée sur
du noir (visible à travers ses pixels transparents) et rendue une fois à sa
propre taille ou à la largeur --width donnée. Les photos jusqu&apos;à
200 mégapixels sont ouvertes. Avec --contact-sheet, il imprime les photos
d&apos;un dossier comme le fait la mosaïque.

INPUT peut être JPEG, BMP, GIF, TIFF, PNG, ICO, CUR, WMF et EMF (dessinés à
96 DPI sur fond blanc), HEIC, HEIF, AVIF, JPEG XL, WebP, et les fichiers bruts
d&apos;appareil photo (DNG, CR2, CR3, NEF, ARW, ORF, RW2, RAF, PEF). Une image
dotée d&apos;un profil de couleur est d&apos;abord convertie en sRGB. Les images HDR
(PQ ou HLG) sont ramenées en sRGB par mappage de tons&#xa0;: leur lumière est
ajustée par la courbe de l&apos;UIT-R BT.2390 sur 203 nits, le blanc de référence
HDR, qui devient le blanc. Un fichier que son décodeur signale comme
endommagé est refusé.

Sortie&#xa0;:
  -o, --output FILE       écrire le dessin de l&apos;unique INPUT dans FILE&#xa0;; son
                          extension désigne le format
                          (%1, ppm, webp
                          et les autres formats que Qt sait écrire)
  -d, --output-dir DIR    écrire le dessin de chaque INPUT dans
                          DIR/&lt;nom&gt;.&lt;format&gt;&#xa0;; DIR est créé s&apos;il n&apos;existe pas
      --format FORMAT     le format des sorties de -d (%2 par défaut)
      --width N           d&apos;abord mettre la photo à N pixels de large avec
                          lissage, en gardant ses proportions
      --strip             n&apos;écrire aucune métadonnée&#xa0;; sinon une sortie JPEG,
                          PNG ou TIFF porte les données EXIF de la photo
                          (date, appareil, GPS, copyright), marquées droites
                          et sRGB, sans l&apos;image d&apos;aperçu de la photo, et
                          avec le look qui a servi à la dessiner
Les sorties ne remplacent jamais une image d&apos;entrée&#xa0;; une sortie n&apos;est
remplacée qu&apos;une fois la nouvelle image entièrement écrite.

Looks (toutes les valeurs de dessin et d&apos;effet ci-dessous, nommées, dans un
fichier JSON)&#xa0;:
      --look NAME|FILE    partir d&apos;un look enregistré (dans $XDG_DATA_HOME/
                          kolvira/looks, où les range Enregistrer le look du
                          programme) ou d&apos;un fichier de look (un chemin
                          contenant &apos;/&apos; ou terminé par .json)&#xa0;; les options
                          de dessin et d&apos;effet qui suivent changent des
                          valeurs isolées
      --look-from DRAWING partir du look que porte un dessin écrit par Kolvira
      --print-look        afficher le look que donnent les options, et quitter

Dessin&#xa0;:
      --style NAME        pen, pencil, coal, water-color, picasso, rainbow,
                          revolution, ou effects pour les effets photo
                          (pen par défaut)
Les niveaux ci-dessous prennent les valeurs que le programme enregistre pour
ses curseurs, de 0.0 à 1.0, où 0.0 est l&apos;extrémité «&#xa0;plus&#xa0;» du curseur et
1.0 son extrémité «&#xa0;moins&#xa0;»&#xa0;:
      --pen-press V       pression de la plume (0.25 par défaut)
      --details V         détails (0.75 par défaut)
      --brightness V      luminosité (0.5 par défaut)
      --red V             niveau de rouge (0.5 par défaut)
      --green V           niveau de vert (0.5 par défaut)
      --blue V            niveau de bleu (0.5 par défaut)

Effets&#xa0;:
      --invert            inverser les couleurs
      --shift             décaler les couleurs
      --sandy-sky         ciel de sable
      --blur              flou
      --impression-brush  peindre par blocs avec le pinceau impression
      --brush-size N      l&apos;arête des blocs du pinceau en pixels (2 par
                          défaut, au moins 1)
      --stamp             tampon
      --bw-photo          photo noir et blanc
      --bw-dream          rêve noir et blanc
      --old-color RRGGBB  la couleur à remplacer (hexadécimal, &apos;#&apos; facultatif&#xa0;;
                          000000 par défaut)
      --new-color RRGGBB  sa remplaçante (000000 par défaut)
      --depth N           combien de pas de canal autour de l&apos;ancienne couleur
                          sont remplacés (40 par défaut&#xa0;; 0 ou moins ne
                          remplace rien)

Planche contact&#xa0;:
      --contact-sheet DIR les photos de DIR (les formats qu&apos;accepte INPUT&#xa0;;
                          triées par nom) en miniatures légendées
                          «&#xa0;numéro, nom&#xa0;», écrites dans -o en PDF de pages
                          A4&#xa0;; les fichiers illisibles sont omis et nommés
      --thumb-width N     la largeur des miniatures en pixels d&apos;écran, de 20
                          à 200 (100 par défaut)&#xa0;; leur hauteur en fait les
                          trois quarts
      --dpi N             la résolution du PDF, de 72 à 4800 points par pouce
                          (600 par défaut)
      --no-thumbnail-cache
                          ne pas écrire de miniatures dans le cache partagé
                          (~/.cache/thumbnails)
Seuls -o, --threads, --quiet et --no-thumbnail-cache vont avec --contact-sheet.

Gros travaux (avec -d)&#xa0;:
      --files-from FILE   rendre aussi les images listées dans FILE, un chemin
                          par ligne (&apos;-&apos; lit l&apos;entrée standard)&#xa0;; les lignes
                          vides sont ignorées, et une ligne terminée par un
                          retour chariot (une liste Windows) est refusée
  -0, --null              les chemins de la liste se terminent plutôt par un
                          octet NUL, comme les écrit &apos;find -print0&apos;
      --shard K/N         ne rendre que la K-ième de N tranches des entrées
                          (1 &lt;= K &lt;= N)&#xa0;; la tranche d&apos;une entrée ne dépend
                          que de son chemin, si bien que N exécutions avec
                          les mêmes chemins dans n&apos;importe quel ordre rendent
                          chaque image exactement une fois
      --skip-existing     omettre une entrée dont la sortie existe déjà&#xa0;; les
                          sorties n&apos;apparaissent qu&apos;une fois complètes, si
                          bien qu&apos;une exécution arrêtée peut simplement être
                          relancée
      --report FILE       ajouter à FILE une ligne JSON par entrée&#xa0;: &quot;input&quot;,
                          &quot;output&quot;, &quot;status&quot; (written, skipped ou failed),
                          &quot;reason&quot; (sauf pour written), &quot;ms&quot; et &quot;pixels&quot;&#xa0;; un
                          chemin qui n&apos;est pas de l&apos;UTF-8 valide apparaît avec
                          des caractères de remplacement, et ses octets
                          suivent en hexadécimal dans &quot;input_hex&quot; ou
                          &quot;output_hex&quot;. Chaque ligne est écrite en entier sous
                          un verrou de fichier, si bien que des exécutions sur
                          plusieurs machines peuvent partager FILE via NFS

Exécution&#xa0;:
      --threads N         fils de travail (0 par défaut&#xa0;: un par cœur)
  -q, --quiet             ni barre de progression ni avertissements des
                          décodeurs
  -h, --help              afficher cette aide et quitter
      --version           afficher la version et quitter
Les options peuvent précéder ou suivre les entrées&#xa0;; &apos;--&apos; termine les options.
Ctrl+C ou SIGTERM arrête une exécution une fois l&apos;image en cours écrite, et
indique ce qui a été fait&#xa0;; un second Ctrl+C arrête aussitôt. Aucune sortie
n&apos;est jamais laissée à moitié écrite.

Code de sortie&#xa0;: 0 si chaque image a été écrite ou ignorée, 1 si une image
n&apos;a pas pu être lue ou écrite, 2 si la ligne de commande (ou la liste de
--files-from) est incorrecte, 130 après Ctrl+C et 143 après SIGTERM. Une
planche contact est écrite même quand des photos en ont été omises&#xa0;; le code
de sortie vaut alors 1.

Exemples&#xa0;:
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
        <translation>Sélectionnez un élément sur lequel obtenir de l&apos;aide</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
</context>
<context>
    <name>MosaicView</name>
    <message>
        <source>%1 contact sheet</source>
        <translation>Planche contact %1</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Save Contact Sheet As</source>
        <translation>Enregistrer la planche contact sous</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>A contact sheet is saved as PDF: end the name with .pdf.</source>
        <translation>Une planche contact est enregistrée en PDF&#xa0;: terminez le nom par .pdf.</translation>
    </message>
    <message>
        <source>There is no printer to lay the sheet out for.</source>
        <translation>Il n&apos;y a aucune imprimante pour laquelle mettre la planche en page.</translation>
    </message>
    <message>
        <source>%1
%2 × %3 pixels</source>
        <translation>%1
%2 × %3 pixels</translation>
    </message>
    <message>
        <source>%1
Thumbnail not built yet: Refresh (R) makes it.</source>
        <translation>%1
Miniature pas encore créée&#xa0;: Actualiser (R) la crée.</translation>
    </message>
    <message>
        <source>The Mosaic: a thumbnail of every image file in the folder. Double-click a thumbnail or press Enter to open the photo; Delete takes entries off the list (never off the disk); keypad + and - change the thumbnail size; Esc stops making thumbnails. File → Render Selection renders the selected photos into drawing files.</source>
        <translation>La mosaïque&#xa0;: une miniature de chaque fichier image du dossier. Double-cliquez sur une miniature ou appuyez sur Entrée pour ouvrir la photo&#xa0;; Suppr retire des entrées de la liste (jamais du disque)&#xa0;; + et - du pavé numérique changent la taille des miniatures&#xa0;; Échap arrête la création des miniatures. Fichier → Rendre la sélection rend les photos choisies en fichiers de dessin.</translation>
    </message>
    <message>
        <source>Cannot list the files of %1: %2</source>
        <translation>Impossible de lister les fichiers de %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 thumbnails made; Refresh makes the rest.</source>
        <translation>Arrêté&#xa0;: %1 miniatures sur %2 créées&#xa0;; Actualiser crée les autres.</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Argument incorrect.</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)</source>
        <translation>Fichiers image (*.bmp; *.gif; *.jpg; *.png; *.tif)</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Toutes les images</translation>
    </message>
</context>
<context>
    <name>PhotoDocument</name>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>Impossible d&apos;afficher %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2; showing what could be read</source>
        <translation>%1 est endommagé&#xa0;: %2&#xa0;; affichage de ce qui a pu être lu</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Red = %1, Green = %2, Blue = %3</source>
        <translation>Rouge = %1, Vert = %2, Bleu = %3</translation>
    </message>
    <message>
        <source>, Middle = %1</source>
        <translation>, Moyenne = %1</translation>
    </message>
    <message>
        <source>You have selected a &quot;new color&quot; for replacing:

</source>
        <translation>Vous avez choisi une «&#xa0;nouvelle couleur&#xa0;» de remplacement&#xa0;:

</translation>
    </message>
    <message>
        <source>You have selected an &quot;old color&quot; for replacing:

</source>
        <translation>Vous avez choisi une «&#xa0;ancienne couleur&#xa0;» à remplacer&#xa0;:

</translation>
    </message>
    <message>
        <source>Selected new color for replacing: </source>
        <translation>Nouvelle couleur de remplacement choisie&#xa0;: </translation>
    </message>
    <message>
        <source>Selected old color for replacing: </source>
        <translation>Ancienne couleur à remplacer choisie&#xa0;: </translation>
    </message>
    <message>
        <source>Full resolution (Esc stops)</source>
        <translation>Pleine résolution (Échap arrête)</translation>
    </message>
    <message>
        <source>Full resolution</source>
        <translation>Pleine résolution</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>As shown (%1)</source>
        <translation>Telle qu&apos;affichée (%1)</translation>
    </message>
    <message>
        <source>Full resolution (%1)</source>
        <translation>Pleine résolution (%1)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Position&#xa0;:</translation>
    </message>
    <message>
        <source>At its size on the screen, from the top-left corner</source>
        <translation>À sa taille à l&apos;écran, depuis le coin supérieur gauche</translation>
    </message>
    <message>
        <source>Fit to page, centred</source>
        <translation>Ajustée à la page, centrée</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Kolvira picture</source>
        <translation>Image Kolvira</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>Écriture de %1 (Échap arrête)</translation>
    </message>
    <message>
        <source>Save the drawing of %1?</source>
        <translation>Enregistrer le dessin de %1&#xa0;?</translation>
    </message>
    <message>
        <source>This is the last photo of the Mosaic.</source>
        <translation>C&apos;est la dernière photo de la mosaïque.</translation>
    </message>
    <message>
        <source>This is the first photo of the Mosaic.</source>
        <translation>C&apos;est la première photo de la mosaïque.</translation>
    </message>
    <message>
        <source>The photo window: the photo at the window&apos;s width. Paint and Photo Editor turn it into a drawing; a left click shows the colour under the pointer, right clicks pick the colours to replace. Double-click to fit the window to the photo.</source>
        <translation>La fenêtre photo&#xa0;: la photo à la largeur de la fenêtre. Peindre et Éditeur de photo en font un dessin&#xa0;; un clic gauche affiche la couleur sous le pointeur, des clics droits choisissent les couleurs à remplacer. Double-cliquez pour ajuster la fenêtre à la photo.</translation>
    </message>
    <message>
        <source>%1 picture (%2)</source>
        <translation>Image %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Cannot print:
%1</source>
        <translation>Impossible d&apos;imprimer&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No file was named for the PDF.</source>
        <translation>Aucun fichier n&apos;a été indiqué pour le PDF.</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Imprimé dans %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée.</translation>
    </message>
    <message>
        <source>Printing stopped: nothing was printed</source>
        <translation>Impression arrêtée&#xa0;: rien n&apos;a été imprimé</translation>
    </message>
    <message>
        <source>No printer: printed to %1</source>
        <translation>Aucune imprimante&#xa0;: imprimé dans %1</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Aperçu avant impression - %1</translation>
    </message>
</context>
<context>
    <name>RenderRun</name>
    <message>
        <source>shard %1/%2: %3 of %4 inputs: </source>
        <translation>tranche %1/%2&#xa0;: %3 entrées sur %4&#xa0;: </translation>
    </message>
    <message>
        <source>stopped by %1: </source>
        <translation>arrêté par %1&#xa0;: </translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>%1 écrites, %2 ignorées, %3 en échec</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 non commencées</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>impossible de lire le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement&#xa0;: </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>omis&#xa0;: </translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>refusing to write over the photo &apos;%1&apos;</source>
        <translation>refus d&apos;écrire sur la photo &apos;%1&apos;</translation>
    </message>
    <message>
        <source>its name is not valid in the system&apos;s encoding; choose another name</source>
        <translation>son nom n&apos;est pas valide dans l&apos;encodage du système&#xa0;; choisissez un autre nom</translation>
    </message>
    <message>
        <source>exists and is not a folder</source>
        <translation>existe et n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>cannot create the output folder</source>
        <translation>impossible de créer le dossier de sortie</translation>
    </message>
    <message>
        <source>not written: &apos;%1&apos; is already the output of &apos;%2&apos;</source>
        <translation>non écrit&#xa0;: &apos;%1&apos; est déjà la sortie de &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists</source>
        <translation>&apos;%1&apos; existe déjà</translation>
    </message>
    <message>
        <source>cannot open the report: </source>
        <translation>impossible d&apos;ouvrir le rapport&#xa0;: </translation>
    </message>
    <message>
        <source>skipped: </source>
        <translation>ignoré&#xa0;: </translation>
    </message>
    <message>
        <source>cannot add to the report: </source>
        <translation>impossible d&apos;ajouter au rapport&#xa0;: </translation>
    </message>
    <message>
        <source>cannot lock the report: </source>
        <translation>impossible de verrouiller le rapport&#xa0;: </translation>
    </message>
</context>
<context>
    <name>SaveTargets</name>
    <message>
        <source>%1 is a photo, and Kolvira never writes over a photo: choose another name.</source>
        <translation>%1 est une photo, et Kolvira n&apos;écrase jamais une photo&#xa0;: choisissez un autre nom.</translation>
    </message>
    <message>
        <source>This system cannot write .%1 files.</source>
        <translation>Ce système ne sait pas écrire de fichiers .%1.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Confirmer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Kolvira saves pictures as %1: end the name with %2.</source>
        <translation>Kolvira enregistre les images en %1&#xa0;: terminez le nom par %2.</translation>
    </message>
</context>
<context>
    <name>SelectionRendering</name>
    <message>
        <source>Rendered %1 of %2 photos into %3.</source>
        <translation>%1 photos sur %2 rendues dans %3.</translation>
    </message>
    <message>
        <source>
Stopped with Esc: %1 not rendered.</source>
        <translation>
Arrêté avec Échap&#xa0;: %1 non rendues.</translation>
    </message>
    <message>
        <source>
%1 existing drawings kept.</source>
        <translation>
Dessins existants conservés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>

Not rendered:</source>
        <translation>

Non rendues&#xa0;:</translation>
    </message>
    <message>
        <source>Render Selection</source>
        <translation>Rendre la sélection</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>another selected photo has the same name, so its drawing is &quot;%1&quot;</source>
        <translation>une autre photo choisie porte le même nom, son dessin serait donc «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 of the drawings already exist in %2. Replace them?</source>
        <translation>%1 des dessins existent déjà dans %2. Les remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>File Date</source>
        <translation>Date du fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Inverser</translation>
    </message>
</context>
<context>
    <name>StartupArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 n&apos;est pas un fichier local</translation>
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
        <translation>Usage&#xa0;: kolvira [--new-instance] [FICHIER...]

Transforme des photos en dessins et affiche les photos d&apos;un dossier en mosaïque.
Chaque FICHIER s&apos;ouvre comme avec Fichier &gt; Ouvrir&#xa0;: la mosaïque de son dossier,
le fichier sélectionné. Si Kolvira est déjà lancé, les fichiers s&apos;y ouvrent,
et sans FICHIER il passe au premier plan.

      --new-instance  lancer un programme distinct même si un autre tourne
  -h, --help          afficher cette aide et quitter
      --version       afficher la version et quitter
</translation>
    </message>
    <message>
        <source>cannot take the name %1 on the session bus</source>
        <translation>impossible de prendre le nom %1 sur le bus de session</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉFIL</translation>
    </message>
</context>
<context>
    <name>Thumbnailer</name>
    <message>
        <source>the size must be a number from 1 to %1</source>
        <translation>la taille doit être un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>give one INPUT and one OUTPUT</source>
        <translation>indiquez une entrée INPUT et une sortie OUTPUT</translation>
    </message>
    <message>
        <source>%1 names no local file</source>
        <translation>%1 ne désigne aucun fichier local</translation>
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
        <translation>Usage&#xa0;: kolvira-thumbnailer [-s SIZE] INPUT OUTPUT

Écrit dans OUTPUT une miniature PNG de l&apos;image INPUT (un chemin ou une URI
file://), faite comme la mosaïque de Kolvira fait ses miniatures&#xa0;: redressée,
en sRGB, ajustée dans un carré de SIZE pixels (256 par défaut) et jamais
agrandie. Les gestionnaires de fichiers l&apos;appellent par son entrée de
vignettes pour les métafichiers, fichiers bruts d&apos;appareil photo, images
JPEG XL et HEIF qu&apos;ils ne savent pas lire eux-mêmes.

Options&#xa0;:
  -s, --size SIZE   le côté du carré où tient la miniature, de 1 à 1024
  -h, --help        afficher ce texte
      --version     afficher la version

Code de sortie&#xa0;: 0 si la miniature a été écrite, 1 si INPUT n&apos;a pas pu être
lu ou OUTPUT écrit, 2 pour une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-thumbnailer --help&apos;.</source>
        <translation>Essayez &apos;kolvira-thumbnailer --help&apos;.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>Thumbnails</name>
    <message>
        <source>The file could not be read before and has not changed.</source>
        <translation>Le fichier n&apos;a pas pu être lu auparavant et n&apos;a pas changé.</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>More size</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Less size</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Show Original	\</source>
        <translation>Afficher l&apos;original	\</translation>
    </message>
    <message>
        <source>Split View</source>
        <translation>Vue partagée</translation>
    </message>
    <message>
        <source>Revert to Photo</source>
        <translation>Revenir à la photo</translation>
    </message>
    <message>
        <source>Ask to Save Drawings</source>
        <translation>Proposer d&apos;enregistrer les dessins</translation>
    </message>
    <message>
        <source>Next Photo	Alt+Right</source>
        <translation>Photo suivante	Alt+Right</translation>
    </message>
    <message>
        <source>Previous Photo	Alt+Left</source>
        <translation>Photo précédente	Alt+Left</translation>
    </message>
    <message>
        <source>Full Screen	F11</source>
        <translation>Plein écran	F11</translation>
    </message>
    <message>
        <source>Refresh Mosaic</source>
        <translation>Actualiser la mosaïque</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>&amp;Paint</source>
        <translation>&amp;Peindre</translation>
    </message>
    <message>
        <source>Photo &amp;Editor</source>
        <translation>É&amp;diteur de photo</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Enregistrer le look...</translation>
    </message>
    <message>
        <source>Apply Look...</source>
        <translation>Appliquer un look...</translation>
    </message>
    <message>
        <source>Apply Look From File...</source>
        <translation>Appliquer un look depuis un fichier...</translation>
    </message>
    <message>
        <source>Copy Render Command</source>
        <translation>Copier la commande de rendu</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Trier par</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nouvelle fenêtre</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Juxtaposer</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Réorganiser les icônes</translation>
    </message>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Autres fenêtres...</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n&apos;a pas pu être créé</translation>
    </message>
    <message>
        <source>the metadata could not be written</source>
        <translation>les métadonnées n&apos;ont pas pu être écrites</translation>
    </message>
    <message>
        <source>the metadata could not be written: %1</source>
        <translation>les métadonnées n&apos;ont pas pu être écrites&#xa0;: %1</translation>
    </message>
    <message>
        <source>the PNG encoder could not start</source>
        <translation>l&apos;encodeur PNG n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
</context>
<context>
    <name>kolvira::AboutDialog</name>
    <message>
        <source>About Kolvira</source>
        <translation>À propos de Kolvira</translation>
    </message>
    <message>
        <source>Kolvira Version %1</source>
        <translation>Kolvira version %1</translation>
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
        <translation>Aucune photo dans %1</translation>
    </message>
</context>
<context>
    <name>kolvira::HelpWindow</name>
    <message>
        <source>Kolvira Help</source>
        <translation>Aide de Kolvira</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
</context>
<context>
    <name>kolvira::LookFile</name>
    <message>
        <source>&apos;%1&apos; must be a number from 0.0 to 1.0, not %2</source>
        <translation>&apos;%1&apos; doit être un nombre de 0.0 à 1.0, pas %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be true or false, not %2</source>
        <translation>&apos;%1&apos; doit valoir true ou false, pas %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a colour &quot;#RRGGBB&quot;, not %2</source>
        <translation>&apos;%1&apos; doit être une couleur &quot;#RRGGBB&quot;, pas %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a whole number from %2 to %3, not %4</source>
        <translation>&apos;%1&apos; doit être un entier de %2 à %3, pas %4</translation>
    </message>
    <message>
        <source>not a Kolvira look: it has no &quot;kolvira-look&quot; format version</source>
        <translation>pas un look Kolvira&#xa0;: il n&apos;a pas de version de format &quot;kolvira-look&quot;</translation>
    </message>
    <message>
        <source>&quot;kolvira-look&quot; must be a format version from 1, not %1</source>
        <translation>&quot;kolvira-look&quot; doit être une version de format à partir de 1, pas %1</translation>
    </message>
    <message>
        <source>the look was made by a newer Kolvira (look format %1; this one reads format %2): update Kolvira to use it</source>
        <translation>le look a été fait par un Kolvira plus récent (format de look %1&#xa0;; celui-ci lit le format %2)&#xa0;: mettez Kolvira à jour pour l&apos;utiliser</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at character %2</source>
        <translation>JSON non valide&#xa0;: %1 au caractère %2</translation>
    </message>
    <message>
        <source>not a Kolvira look: the file holds no JSON object</source>
        <translation>pas un look Kolvira&#xa0;: le fichier ne contient aucun objet JSON</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>réglage &apos;%1&apos; inconnu</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is missing</source>
        <translation>le réglage &apos;%1&apos; manque</translation>
    </message>
    <message>
        <source>&apos;style&apos; must be one of %1, not %2</source>
        <translation>&apos;style&apos; doit être l&apos;un de %1, pas %2</translation>
    </message>
    <message>
        <source>cannot read the look &apos;%1&apos;: %2</source>
        <translation>impossible de lire le look &apos;%1&apos;&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large to be a look</source>
        <translation>&apos;%1&apos; est trop grand pour être un look</translation>
    </message>
    <message>
        <source>the look &apos;%1&apos; cannot be used: %2</source>
        <translation>le look &apos;%1&apos; ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; carries no look (it was not drawn by Kolvira, or its metadata was stripped)</source>
        <translation>&apos;%1&apos; ne porte aucun look (il n&apos;a pas été dessiné par Kolvira, ou ses métadonnées ont été retirées)</translation>
    </message>
    <message>
        <source>the look in &apos;%1&apos; cannot be used: %2</source>
        <translation>le look de &apos;%1&apos; ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no saved look &apos;%1&apos; in %2</source>
        <translation>il n&apos;y a pas de look enregistré &apos;%1&apos; dans %2</translation>
    </message>
    <message>
        <source>a look needs a name</source>
        <translation>un look a besoin d&apos;un nom</translation>
    </message>
    <message>
        <source>a look&apos;s name cannot start with &apos;.&apos; or hold &apos;/&apos;</source>
        <translation>le nom d&apos;un look ne peut pas commencer par &apos;.&apos; ni contenir &apos;/&apos;</translation>
    </message>
</context>
<context>
    <name>kolvira::MosaicView</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>kolvira::PaintDialog</name>
    <message>
        <source>Pen</source>
        <translation>Plume</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Coal</source>
        <translation>Fusain</translation>
    </message>
    <message>
        <source>Water color</source>
        <translation>Aquarelle</translation>
    </message>
    <message>
        <source>Picasso</source>
        <translation>Picasso</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Revolution</source>
        <translation>Révolution</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Peindre</translation>
    </message>
    <message>
        <source>Art of Drawing</source>
        <translation>Technique de dessin</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Détails&#xa0;:</translation>
    </message>
    <message>
        <source>more</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>less</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>Pen press:</source>
        <translation>Pression&#xa0;:</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Éditeur de photo</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoEditorDialog</name>
    <message>
        <source>Inversed colors</source>
        <translation>Couleurs inversées</translation>
    </message>
    <message>
        <source>Shifted colors</source>
        <translation>Couleurs décalées</translation>
    </message>
    <message>
        <source>Sandy sky</source>
        <translation>Ciel de sable</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <source>Impression   brush:</source>
        <translation>Pinceau impr.&#xa0;:</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>Black-white photo</source>
        <translation>Photo noir/blanc</translation>
    </message>
    <message>
        <source>Black-white dream</source>
        <translation>Rêve noir et blanc</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Éditeur de photo</translation>
    </message>
    <message>
        <source>old</source>
        <translation>anc.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouv.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>more</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>less</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Clarté&#xa0;:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Vert&#xa0;:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Bleu&#xa0;:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Changer&#xa0;:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>par</translation>
    </message>
    <message>
        <source>depth:</source>
        <translation>écart&#xa0;:</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Taille du pinceau</translation>
    </message>
    <message>
        <source>Colour to replace</source>
        <translation>Couleur à remplacer</translation>
    </message>
    <message>
        <source>Replacement colour</source>
        <translation>Couleur de remplacement</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoView</name>
    <message>
        <source>Save Look</source>
        <translation>Enregistrer le look</translation>
    </message>
    <message>
        <source>Looks (*.json)</source>
        <translation>Looks (*.json)</translation>
    </message>
    <message>
        <source>The look could not be saved as %1: %2</source>
        <translation>Le look n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Appliquer un look</translation>
    </message>
    <message>
        <source>There are no saved looks yet: Save Look... keeps the settings of a window as one (in %1).</source>
        <translation>Il n&apos;y a encore aucun look enregistré&#xa0;: Enregistrer le look... garde les réglages d&apos;une fenêtre comme look (dans %1).</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Look&#xa0;:</translation>
    </message>
    <message>
        <source>Apply Look From File</source>
        <translation>Appliquer un look depuis un fichier</translation>
    </message>
    <message>
        <source>Looks and drawings</source>
        <translation>Looks et dessins</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
</context>
<context>
    <name>kolvira::RenderSelectionDialog</name>
    <message>
        <source>Render Selection</source>
        <translation>Rendre la sélection</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>&amp;Own settings:</source>
        <translation>&amp;Réglages propres&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Paint...</source>
        <translation>&amp;Peindre...</translation>
    </message>
    <message>
        <source>Photo &amp;Editor...</source>
        <translation>É&amp;diteur de photo...</translation>
    </message>
    <message>
        <source>The settings of the &amp;active photo window</source>
        <translation>Les réglages de la fenêtre photo &amp;active</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Par&amp;courir...</translation>
    </message>
    <message>
        <source>As &amp;shown at</source>
        <translation>Telle qu&apos;a&amp;ffichée, à</translation>
    </message>
    <message>
        <source> pixels wide</source>
        <translation> pixels de large</translation>
    </message>
    <message>
        <source>&amp;Full resolution</source>
        <translation>Résolution &amp;maximale</translation>
    </message>
    <message>
        <source>Save &amp;in:</source>
        <translation>&amp;Enregistrer dans&#xa0;:</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Type de fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Render 1 Photo</source>
        <translation>Rendre 1 photo</translation>
    </message>
    <message>
        <source>Render %1 Photos</source>
        <translation>Rendre %1 photos</translation>
    </message>
    <message>
        <source>Save Drawings In</source>
        <translation>Enregistrer les dessins dans</translation>
    </message>
    <message>
        <source>A sa&amp;ved look:</source>
        <translation>Un look enre&amp;gistré&#xa0;:</translation>
    </message>
</context>
<context>
    <name>kolvira::WindowListDialog</name>
    <message>
        <source>Select Window</source>
        <translation>Sélectionner une fenêtre</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>&amp;Sélectionner une fenêtre&#xa0;:</translation>
    </message>
</context>
</TS>
