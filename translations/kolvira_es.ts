<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccessibleViews</name>
    <message>
        <source>Photo %1</source>
        <translation>Foto %1</translation>
    </message>
    <message>
        <source>Photo %1 drawn as %2</source>
        <translation>Foto %1 dibujada como %2</translation>
    </message>
    <message>
        <source>Red %1, green %2, blue %3</source>
        <translation>Rojo %1, verde %2, azul %3</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Cannot open %1:
%2.</source>
        <translation>No se puede abrir %1:
%2.</translation>
    </message>
</context>
<context>
    <name>BatchRendering</name>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>la imagen está dañada: %1</translation>
    </message>
    <message>
        <source>scaled to width %1: </source>
        <translation>escalada al ancho %1: </translation>
    </message>
    <message>
        <source>not enough memory for a %1x%2 picture</source>
        <translation>no hay memoria suficiente para una imagen de %1x%2</translation>
    </message>
    <message>
        <source>refusing to write over the input picture &apos;%1&apos;</source>
        <translation>no se sobrescribe la imagen de entrada &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>must be at least %1</source>
        <translation>debe ser al menos %1</translation>
    </message>
    <message>
        <source>must be from %1 to %2</source>
        <translation>debe estar entre %1 y %2</translation>
    </message>
    <message>
        <source>must not be empty</source>
        <translation>no debe estar vacío</translation>
    </message>
    <message>
        <source>%1 cannot be used with --contact-sheet</source>
        <translation>%1 no se puede usar con --contact-sheet</translation>
    </message>
    <message>
        <source>--contact-sheet takes no input pictures, only its folder (got &apos;%1&apos;)</source>
        <translation>--contact-sheet no admite imágenes de entrada, solo su carpeta (se recibió &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>no output given: use -o SHEET.pdf</source>
        <translation>no se indicó la salida: use -o SHEET.pdf</translation>
    </message>
    <message>
        <source>a contact sheet is a PDF: name it SHEET.pdf (got &apos;%1&apos;)</source>
        <translation>una hoja de contactos es un PDF: llámela SHEET.pdf (se recibió &apos;%1&apos;)</translation>
    </message>
    <message>
        <source>%1 applies only with --contact-sheet</source>
        <translation>%1 solo se aplica con --contact-sheet</translation>
    </message>
    <message>
        <source>-0 applies only with --files-from</source>
        <translation>-0 solo se aplica con --files-from</translation>
    </message>
    <message>
        <source>--files-from takes several inputs: use -d OUTDIR, not -o</source>
        <translation>--files-from admite varias entradas: use -d OUTDIR, no -o</translation>
    </message>
    <message>
        <source>no input picture given</source>
        <translation>no se indicó ninguna imagen de entrada</translation>
    </message>
    <message>
        <source>an input file name is empty</source>
        <translation>un nombre de archivo de entrada está vacío</translation>
    </message>
    <message>
        <source>-o and -d cannot be used together</source>
        <translation>-o y -d no se pueden usar juntos</translation>
    </message>
    <message>
        <source>no output given: use -o OUTPUT or -d OUTDIR</source>
        <translation>no se indicó la salida: use -o OUTPUT o -d OUTDIR</translation>
    </message>
    <message>
        <source>-o takes a single input picture; use -d OUTDIR for several</source>
        <translation>-o admite una sola imagen de entrada; use -d OUTDIR para varias</translation>
    </message>
    <message>
        <source>cannot tell the output format from &apos;%1&apos;: use an extension such as .png or .jpg</source>
        <translation>no se puede deducir el formato de salida de &apos;%1&apos;: use una extensión como .png o .jpg</translation>
    </message>
    <message>
        <source>unknown output format &apos;%1&apos; for --format</source>
        <translation>formato de salida &apos;%1&apos; desconocido para --format</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción &apos;%1&apos; desconocida</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción &apos;%1&apos; necesita un valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción &apos;%1&apos; no admite valor</translation>
    </message>
    <message>
        <source>invalid value &apos;%1&apos; for %2: %3</source>
        <translation>valor &apos;%1&apos; no válido para %2: %3</translation>
    </message>
    <message>
        <source>line %1 of %2 holds a NUL byte; use -0 for a NUL-separated list</source>
        <translation>la línea %1 de %2 contiene un byte NUL; use -0 para una lista separada por NUL</translation>
    </message>
    <message>
        <source>line %1 of %2 ends with a carriage return (a Windows line ending?); convert the list with dos2unix</source>
        <translation>la línea %1 de %2 termina con un retorno de carro (¿un fin de línea de Windows?); convierta la lista con dos2unix</translation>
    </message>
    <message>
        <source>cannot read the list &apos;%1&apos;: %2</source>
        <translation>no se puede leer la lista &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>not a number</source>
        <translation>no es un número</translation>
    </message>
    <message>
        <source>must be from 0.0 to 1.0</source>
        <translation>debe estar entre 0.0 y 1.0</translation>
    </message>
    <message>
        <source>not an integer</source>
        <translation>no es un entero</translation>
    </message>
    <message>
        <source>out of the 32-bit integer range</source>
        <translation>fuera del rango de enteros de 32 bits</translation>
    </message>
    <message>
        <source>expected six hex digits RRGGBB</source>
        <translation>se esperaban seis dígitos hexadecimales RRGGBB</translation>
    </message>
    <message>
        <source>expected one of </source>
        <translation>se esperaba uno de: </translation>
    </message>
    <message>
        <source>must be K/N, the K-th of N slices, such as 2/8</source>
        <translation>debe ser K/N, la K-ésima de N partes, por ejemplo 2/8</translation>
    </message>
    <message>
        <source>N must be at least 1</source>
        <translation>N debe ser al menos 1</translation>
    </message>
    <message>
        <source>K must be from 1 to N (%1)</source>
        <translation>K debe estar entre 1 y N (%1)</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-render --help&apos;.</source>
        <translation>Pruebe &apos;kolvira-render --help&apos;.</translation>
    </message>
</context>
<context>
    <name>CommandPrompt</name>
    <message>
        <source>Show Paint Dialog
Show Paint Dialog</source>
        <translation>Mostrar el diálogo Pintar
Mostrar el diálogo Pintar</translation>
    </message>
    <message>
        <source>Show Photo Editor
Show Photo Editor</source>
        <translation>Mostrar el editor de fotos
Mostrar el editor de fotos</translation>
    </message>
    <message>
        <source>Refresh Mosaic
Refresh Mosaic</source>
        <translation>Actualizar el mosaico
Actualizar el mosaico</translation>
    </message>
    <message>
        <source>More size in mosaic
More size in mosaic</source>
        <translation>Miniaturas más grandes en el mosaico
Miniaturas más grandes en el mosaico</translation>
    </message>
    <message>
        <source>Less size in mosaic
Less size in mosaic</source>
        <translation>Miniaturas más pequeñas en el mosaico
Miniaturas más pequeñas en el mosaico</translation>
    </message>
    <message>
        <source>Show the photo in place of the drawing (hold \ for a moment)
Show Original</source>
        <translation>Mostrar la foto en lugar del dibujo (mantenga \ un momento)
Mostrar original</translation>
    </message>
    <message>
        <source>Show the photo left of a movable line, the drawing right of it
Split View</source>
        <translation>Mostrar la foto a la izquierda de una línea móvil y el dibujo a su derecha
Vista dividida</translation>
    </message>
    <message>
        <source>Drop the drawing and show the photo again
Revert to Photo</source>
        <translation>Descartar el dibujo y volver a mostrar la foto
Volver a la foto</translation>
    </message>
    <message>
        <source>Ask whether to save a drawing when its window closes or leaves its photo
Ask to Save Drawings</source>
        <translation>Preguntar si guardar un dibujo cuando su ventana se cierra o deja su foto
Preguntar si guardar los dibujos</translation>
    </message>
    <message>
        <source>Show the next photo of the Mosaic in this window
Next Photo</source>
        <translation>Mostrar la siguiente foto del mosaico en esta ventana
Foto siguiente</translation>
    </message>
    <message>
        <source>Show the previous photo of the Mosaic in this window
Previous Photo</source>
        <translation>Mostrar la foto anterior del mosaico en esta ventana
Foto anterior</translation>
    </message>
    <message>
        <source>Show the photo window on the whole screen; Esc leaves
Full Screen</source>
        <translation>Mostrar la ventana de foto en toda la pantalla; Esc sale
Pantalla completa</translation>
    </message>
    <message>
        <source>Render the selected photos into drawing files
Render Selection</source>
        <translation>Renderizar las fotos seleccionadas en archivos de dibujo
Renderizar selección</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Crear un documento nuevo
Nuevo</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Abrir un documento existente
Abrir</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>Cerrar el documento activo
Cerrar</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Guardar el documento activo
Guardar</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Guardar el documento activo con otro nombre
Guardar como</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Cambiar la impresora y las opciones de impresión
Configurar impresión</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Imprimir el documento activo
Imprimir</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Mostrar páginas completas
Vista previa de impresión</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Mostrar información del programa, número de versión y copyright
Acerca de</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Salir de la aplicación; pregunta si guardar los documentos
Salir</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>Abrir otra ventana para el documento activo
Nueva ventana</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>Organizar los iconos en la parte inferior de la ventana
Organizar iconos</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>Organizar las ventanas superpuestas
Ventanas en cascada</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>Organizar las ventanas en mosaico sin superposición
Ventanas lado a lado</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Mostrar u ocultar la barra de herramientas
Barra de herramientas</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Mostrar u ocultar la barra de estado
Barra de estado</translation>
    </message>
    <message>
        <source>List Help topics
Help Topics</source>
        <translation>Mostrar los temas de ayuda
Temas de ayuda</translation>
    </message>
    <message>
        <source>Display help for current task or command
Help</source>
        <translation>Mostrar ayuda sobre la tarea o el comando actual
Ayuda</translation>
    </message>
    <message>
        <source>Display help for clicked on buttons, menus and windows
Help</source>
        <translation>Mostrar ayuda sobre los botones, menús y ventanas en que se haga clic
Ayuda</translation>
    </message>
    <message>
        <source>Open this document</source>
        <translation>Abrir este documento</translation>
    </message>
    <message>
        <source>Save the settings of this window as a look, by name or to a file
Save Look</source>
        <translation>Guardar los ajustes de esta ventana como look, con un nombre o en un archivo
Guardar look</translation>
    </message>
    <message>
        <source>Draw the photo with one of the saved looks
Apply Look</source>
        <translation>Dibujar la foto con uno de los looks guardados
Aplicar look</translation>
    </message>
    <message>
        <source>Draw the photo with the look of a look file or of a drawing Kolvira made
Apply Look From File</source>
        <translation>Dibujar la foto con el look de un archivo de look o de un dibujo hecho por Kolvira
Aplicar look desde archivo</translation>
    </message>
    <message>
        <source>Copy the kolvira-render command that makes this drawing
Copy Render Command</source>
        <translation>Copiar la orden de kolvira-render que hace este dibujo
Copiar orden de renderizado</translation>
    </message>
    <message>
        <source>Show the photos in the order of their names
Sort by Name</source>
        <translation>Mostrar las fotos por orden de nombre
Ordenar por nombre</translation>
    </message>
    <message>
        <source>Show the photos in the order they were taken (the camera&apos;s date, else the file&apos;s)
Sort by Date Taken</source>
        <translation>Mostrar las fotos en el orden en que se tomaron (la fecha de la cámara o, si no, la del archivo)
Ordenar por fecha de captura</translation>
    </message>
    <message>
        <source>Show the photos in the order their files were last changed
Sort by File Date</source>
        <translation>Mostrar las fotos en el orden de la última modificación de sus archivos
Ordenar por fecha del archivo</translation>
    </message>
    <message>
        <source>Show the photos in the order of their files&apos; sizes
Sort by Size</source>
        <translation>Mostrar las fotos por orden de tamaño de archivo
Ordenar por tamaño</translation>
    </message>
    <message>
        <source>Show the photos in the order of their file types
Sort by Type</source>
        <translation>Mostrar las fotos por orden de tipo de archivo
Ordenar por tipo</translation>
    </message>
    <message>
        <source>Show the photos in the opposite order
Reverse Order</source>
        <translation>Mostrar las fotos en el orden inverso
Orden inverso</translation>
    </message>
</context>
<context>
    <name>Decoding</name>
    <message>
        <source>the file ends before the picture does</source>
        <translation>el archivo termina antes que la imagen</translation>
    </message>
    <message>
        <source>decoding took longer than %1 s, the limit</source>
        <translation>la decodificación superó el límite de %1 s</translation>
    </message>
    <message>
        <source>the decode was called off</source>
        <translation>la decodificación se canceló</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (signal %1)</source>
        <translation>la imagen está dañada: el decodificador se detuvo (señal %1)</translation>
    </message>
    <message>
        <source>the picture is damaged: the decoder stopped (exit status %1)</source>
        <translation>la imagen está dañada: el decodificador se detuvo (estado de salida %1)</translation>
    </message>
    <message>
        <source>the decoder could not be started: %1</source>
        <translation>no se pudo iniciar el decodificador: %1</translation>
    </message>
    <message>
        <source>the decoder did not end</source>
        <translation>el decodificador no terminó</translation>
    </message>
    <message>
        <source>the decoder&apos;s answer was cut short</source>
        <translation>la respuesta del decodificador quedó cortada</translation>
    </message>
    <message>
        <source>no picture decoded</source>
        <translation>no se decodificó ninguna imagen</translation>
    </message>
    <message>
        <source>the decoder gave no pixels</source>
        <translation>el decodificador no dio píxeles</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>sin memoria</translation>
    </message>
    <message>
        <source>the decoder&apos;s pixels do not fit a picture</source>
        <translation>los píxeles del decodificador no forman una imagen</translation>
    </message>
    <message>
        <source>the metafile gives no size</source>
        <translation>el metarchivo no indica tamaño</translation>
    </message>
    <message>
        <source>there is not enough memory for a picture of %1x%2 pixels</source>
        <translation>no hay memoria suficiente para una imagen de %1x%2 píxeles</translation>
    </message>
    <message>
        <source>the metafile&apos;s text is not drawn: the program runs without fonts</source>
        <translation>el texto del metarchivo no se dibuja: el programa funciona sin fuentes</translation>
    </message>
    <message>
        <source>the file is not a Windows metafile</source>
        <translation>el archivo no es un metarchivo de Windows</translation>
    </message>
    <message>
        <source>is a folder, not a picture</source>
        <translation>es una carpeta, no una imagen</translation>
    </message>
    <message>
        <source>is a pipe (FIFO), not a picture</source>
        <translation>es una tubería (FIFO), no una imagen</translation>
    </message>
    <message>
        <source>is a device, not a picture</source>
        <translation>es un dispositivo, no una imagen</translation>
    </message>
    <message>
        <source>is a socket, not a picture</source>
        <translation>es un socket, no una imagen</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file is %1 MB, more than the limit of %2 MB</source>
        <translation>el archivo ocupa %1 MB, más que el límite de %2 MB</translation>
    </message>
    <message>
        <source>the file gives its pixels an impossible shape (%1)</source>
        <translation>el archivo da a sus píxeles una forma imposible (%1)</translation>
    </message>
    <message>
        <source>no memory for a picture of %1x%2 pixels</source>
        <translation>no hay memoria para una imagen de %1x%2 píxeles</translation>
    </message>
    <message>
        <source>libwmf could not be started</source>
        <translation>no se pudo iniciar libwmf</translation>
    </message>
    <message>
        <source>libwmf could not play the metafile</source>
        <translation>libwmf no pudo reproducir el metarchivo</translation>
    </message>
    <message>
        <source>the WMF header is damaged</source>
        <translation>la cabecera WMF está dañada</translation>
    </message>
    <message>
        <source>a record of the metafile is shorter than its own header</source>
        <translation>un registro del metarchivo es más corto que su propia cabecera</translation>
    </message>
    <message>
        <source>the file ends before the metafile&apos;s end-of-file record</source>
        <translation>el archivo termina antes del registro de fin del metarchivo</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Save stopped: nothing was written</source>
        <translation>Guardado detenido: no se escribió nada</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardado</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>Recent File</source>
        <translation>Archivo reciente</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>R&amp;ender Selection...</source>
        <translation>&amp;Renderizar selección...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Vista previa de impresión</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Con&amp;figurar impresión...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;About Kolvira...</source>
        <translation>&amp;Acerca de Kolvira...</translation>
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
        <translation>Uso: kolvira-render [opciones] INPUT -o OUTPUT
     kolvira-render [opciones] INPUT... -d OUTDIR [--format FORMAT]
     kolvira-render [--look NAME|FILE] [opciones] --print-look
     kolvira-render --contact-sheet DIR -o SHEET.pdf [--thumb-width N] [--dpi N]

Renderiza fotografías como dibujos. Cada foto se endereza, se pone sobre negro
(que se ve a través de sus píxeles transparentes) y se renderiza una vez a su
propio tamaño o al --width indicado. Se abren fotos de hasta 200 megapíxeles.
Con --contact-sheet imprime las fotos de una carpeta como lo hace el mosaico.

INPUT puede ser JPEG, BMP, GIF, TIFF, PNG, ICO, CUR, WMF y EMF (dibujados a
96 DPI sobre blanco), HEIC, HEIF, AVIF, JPEG XL, WebP y archivos raw de cámara
(DNG, CR2, CR3, NEF, ARW, ORF, RW2, RAF, PEF). Una imagen con perfil de color
se convierte antes a sRGB. Las imágenes HDR (PQ o HLG) se llevan a sRGB con
mapeo de tonos: su luz se ajusta con la curva de ITU-R BT.2390 a 203 nits, el
blanco de referencia HDR, que pasa a ser blanco. Se rechaza un archivo que su
decodificador declara dañado.

Salida:
  -o, --output FILE       escribir el dibujo del único INPUT en FILE; su
                          extensión indica el formato
                          (%1, ppm, webp
                          y los demás formatos que Qt escribe)
  -d, --output-dir DIR    escribir el dibujo de cada INPUT en
                          DIR/&lt;nombre&gt;.&lt;formato&gt;; DIR se crea si no existe
      --format FORMAT     el formato de las salidas de -d (%2 por omisión)
      --width N           escalar antes la foto con suavizado a N píxeles de
                          ancho, manteniendo sus proporciones
      --strip             no escribir metadatos; si no, una salida JPEG, PNG
                          o TIFF lleva los datos EXIF de la foto (fecha,
                          cámara, GPS, copyright), marcados como derechos y
                          sRGB, sin la imagen de vista previa de la foto, y
                          con el look con que se dibujó
Las salidas nunca sustituyen una imagen de entrada; una salida solo se
sustituye cuando la nueva imagen está escrita por completo.

Looks (todos los valores de dibujo y de efecto de abajo, con nombre, en un
archivo JSON):
      --look NAME|FILE    partir de un look guardado (en $XDG_DATA_HOME/
                          kolvira/looks, donde los pone Guardar look del
                          programa) o de un archivo de look (una ruta con &apos;/&apos;
                          o terminada en .json); las opciones de dibujo y de
                          efecto que siguen cambian valores sueltos
      --look-from DRAWING partir del look que lleva un dibujo escrito por Kolvira
      --print-look        mostrar el look que dan las opciones, y salir

Dibujo:
      --style NAME        pen, pencil, coal, water-color, picasso, rainbow,
                          revolution, o effects para los efectos de foto
                          (pen por omisión)
Los niveles siguientes toman los valores que el programa guarda para sus
deslizadores, de 0.0 a 1.0, donde 0.0 es el extremo «más» del deslizador y
1.0 su extremo «menos»:
      --pen-press V       presión de la pluma (0.25 por omisión)
      --details V         detalles (0.75 por omisión)
      --brightness V      brillo (0.5 por omisión)
      --red V             nivel de rojo (0.5 por omisión)
      --green V           nivel de verde (0.5 por omisión)
      --blue V            nivel de azul (0.5 por omisión)

Efectos:
      --invert            invertir los colores
      --shift             desplazar los colores
      --sandy-sky         cielo de arena
      --blur              desenfoque
      --impression-brush  pintar en bloques con el pincel impresión
      --brush-size N      el lado de los bloques del pincel en píxeles (2 por
                          omisión, al menos 1)
      --stamp             sello
      --bw-photo          foto en blanco y negro
      --bw-dream          sueño en blanco y negro
      --old-color RRGGBB  el color que se sustituye (hexadecimal, &apos;#&apos;
                          opcional; 000000 por omisión)
      --new-color RRGGBB  su sustituto (000000 por omisión)
      --depth N           cuántos pasos de canal alrededor del color antiguo
                          se sustituyen (40 por omisión; 0 o menos no
                          sustituye nada)

Hoja de contactos:
      --contact-sheet DIR las fotos de DIR (los formatos que admite INPUT;
                          ordenadas por nombre) como miniaturas con el pie
                          «número, nombre», escritas en -o como un PDF de
                          páginas A4; los archivos que no se pueden leer se
                          omiten y se nombran
      --thumb-width N     el ancho de las miniaturas en píxeles de pantalla,
                          de 20 a 200 (100 por omisión); su alto es tres
                          cuartos de él
      --dpi N             la resolución del PDF, de 72 a 4800 puntos por
                          pulgada (600 por omisión)
      --no-thumbnail-cache
                          no escribir miniaturas en la caché compartida
                          (~/.cache/thumbnails)
Solo -o, --threads, --quiet y --no-thumbnail-cache van con --contact-sheet.

Trabajos grandes (con -d):
      --files-from FILE   renderizar también las imágenes listadas en FILE,
                          una ruta por línea (&apos;-&apos; lee la entrada estándar);
                          las líneas vacías se omiten, y una línea que
                          termina en retorno de carro (una lista de Windows)
                          se rechaza
  -0, --null              las rutas de la lista terminan en cambio con un
                          byte NUL, como las escribe &apos;find -print0&apos;
      --shard K/N         renderizar solo la K-ésima de N partes de las
                          entradas (1 &lt;= K &lt;= N); la parte de una entrada
                          depende solo de su ruta, así que N ejecuciones con
                          las mismas rutas en cualquier orden renderizan cada
                          imagen exactamente una vez
      --skip-existing     omitir una entrada cuya salida ya existe; las
                          salidas solo aparecen completas, así que una
                          ejecución detenida puede simplemente reiniciarse
      --report FILE       añadir a FILE una línea JSON por entrada: &quot;input&quot;,
                          &quot;output&quot;, &quot;status&quot; (written, skipped o failed),
                          &quot;reason&quot; (salvo con written), &quot;ms&quot; y &quot;pixels&quot;; una
                          ruta que no es UTF-8 válido se muestra con
                          caracteres de sustitución, y sus bytes siguen en
                          hexadecimal en &quot;input_hex&quot; u &quot;output_hex&quot;. Cada
                          línea se escribe entera bajo un bloqueo de archivo,
                          así que ejecuciones en varios equipos pueden
                          compartir FILE por NFS

Ejecución:
      --threads N         hilos de trabajo (0 por omisión: uno por núcleo)
  -q, --quiet             sin barra de progreso ni avisos de los
                          decodificadores
  -h, --help              mostrar esta ayuda y salir
      --version           mostrar la versión y salir
Las opciones pueden ir antes o después de las entradas; &apos;--&apos; termina las
opciones. Ctrl+C o SIGTERM detiene una ejecución en cuanto se escribe la
imagen en curso, e informa de lo hecho; un segundo Ctrl+C detiene al
instante. Nunca queda una salida escrita a medias.

Estado de salida: 0 si cada imagen se escribió u omitió, 1 si una imagen no
se pudo leer o escribir, 2 si la línea de órdenes (o la lista de
--files-from) es incorrecta, 130 tras Ctrl+C y 143 tras SIGTERM. La hoja de
contactos se escribe aunque se hayan omitido fotos; el estado de salida es
entonces 1.

Ejemplos:
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
        <translation>Seleccione un elemento sobre el que obtener ayuda</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Más botones</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Ve&amp;ntana</translation>
    </message>
</context>
<context>
    <name>MosaicView</name>
    <message>
        <source>%1 contact sheet</source>
        <translation>Hoja de contactos %1</translation>
    </message>
    <message>
        <source>Mosaic</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Save Contact Sheet As</source>
        <translation>Guardar hoja de contactos como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>A contact sheet is saved as PDF: end the name with .pdf.</source>
        <translation>Una hoja de contactos se guarda como PDF: termine el nombre en .pdf.</translation>
    </message>
    <message>
        <source>There is no printer to lay the sheet out for.</source>
        <translation>No hay ninguna impresora para la que maquetar la hoja.</translation>
    </message>
    <message>
        <source>%1
%2 × %3 pixels</source>
        <translation>%1
%2 × %3 píxeles</translation>
    </message>
    <message>
        <source>%1
Thumbnail not built yet: Refresh (R) makes it.</source>
        <translation>%1
Miniatura aún no creada: Actualizar (R) la crea.</translation>
    </message>
    <message>
        <source>The Mosaic: a thumbnail of every image file in the folder. Double-click a thumbnail or press Enter to open the photo; Delete takes entries off the list (never off the disk); keypad + and - change the thumbnail size; Esc stops making thumbnails. File → Render Selection renders the selected photos into drawing files.</source>
        <translation>El mosaico: una miniatura de cada archivo de imagen de la carpeta. Haga doble clic en una miniatura o pulse Intro para abrir la foto; Supr quita entradas de la lista (nunca del disco); + y - del teclado numérico cambian el tamaño de las miniaturas; Esc detiene la creación de miniaturas. Archivo → Renderizar selección renderiza las fotos seleccionadas en archivos de dibujo.</translation>
    </message>
    <message>
        <source>Cannot list the files of %1: %2</source>
        <translation>No se pueden listar los archivos de %1: %2</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 thumbnails made; Refresh makes the rest.</source>
        <translation>Detenido: %1 de %2 miniaturas creadas; Actualizar crea el resto.</translation>
    </message>
    <message>
        <source>Encountered an improper argument.</source>
        <translation>Se encontró un argumento incorrecto.</translation>
    </message>
</context>
<context>
    <name>OpenFileDialog</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)</source>
        <translation>Archivos de imagen (*.bmp; *.gif; *.jpg; *.png; *.tif)</translation>
    </message>
    <message>
        <source>All Pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
</context>
<context>
    <name>PhotoDocument</name>
    <message>
        <source>Cannot show %1: %2</source>
        <translation>No se puede mostrar %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2; showing what could be read</source>
        <translation>%1 está dañado: %2; se muestra lo que se pudo leer</translation>
    </message>
</context>
<context>
    <name>PhotoView</name>
    <message>
        <source>Red = %1, Green = %2, Blue = %3</source>
        <translation>Rojo = %1, Verde = %2, Azul = %3</translation>
    </message>
    <message>
        <source>, Middle = %1</source>
        <translation>, Media = %1</translation>
    </message>
    <message>
        <source>You have selected a &quot;new color&quot; for replacing:

</source>
        <translation>Ha elegido un «color nuevo» para la sustitución:

</translation>
    </message>
    <message>
        <source>You have selected an &quot;old color&quot; for replacing:

</source>
        <translation>Ha elegido un «color antiguo» para sustituir:

</translation>
    </message>
    <message>
        <source>Selected new color for replacing: </source>
        <translation>Color nuevo elegido para la sustitución: </translation>
    </message>
    <message>
        <source>Selected old color for replacing: </source>
        <translation>Color antiguo elegido para sustituir: </translation>
    </message>
    <message>
        <source>Full resolution (Esc stops)</source>
        <translation>Resolución completa (Esc detiene)</translation>
    </message>
    <message>
        <source>Full resolution</source>
        <translation>Resolución completa</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>As shown (%1)</source>
        <translation>Como se muestra (%1)</translation>
    </message>
    <message>
        <source>Full resolution (%1)</source>
        <translation>Resolución completa (%1)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Posición:</translation>
    </message>
    <message>
        <source>At its size on the screen, from the top-left corner</source>
        <translation>A su tamaño en pantalla, desde la esquina superior izquierda</translation>
    </message>
    <message>
        <source>Fit to page, centred</source>
        <translation>Ajustada a la página, centrada</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Kolvira picture</source>
        <translation>Imagen de Kolvira</translation>
    </message>
    <message>
        <source>Writing %1 (Esc stops)</source>
        <translation>Escribiendo %1 (Esc detiene)</translation>
    </message>
    <message>
        <source>Save the drawing of %1?</source>
        <translation>¿Guardar el dibujo de %1?</translation>
    </message>
    <message>
        <source>This is the last photo of the Mosaic.</source>
        <translation>Esta es la última foto del mosaico.</translation>
    </message>
    <message>
        <source>This is the first photo of the Mosaic.</source>
        <translation>Esta es la primera foto del mosaico.</translation>
    </message>
    <message>
        <source>The photo window: the photo at the window&apos;s width. Paint and Photo Editor turn it into a drawing; a left click shows the colour under the pointer, right clicks pick the colours to replace. Double-click to fit the window to the photo.</source>
        <translation>La ventana de foto: la foto al ancho de la ventana. Pintar y Editor de fotos la convierten en un dibujo; un clic izquierdo muestra el color bajo el puntero y los clics derechos eligen los colores que se sustituyen. Haga doble clic para ajustar la ventana a la foto.</translation>
    </message>
    <message>
        <source>%1 picture (%2)</source>
        <translation>Imagen %1 (%2)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Cannot print:
%1</source>
        <translation>No se puede imprimir:
%1</translation>
    </message>
    <message>
        <source>No file was named for the PDF.</source>
        <translation>No se indicó ningún archivo para el PDF.</translation>
    </message>
    <message>
        <source>Printed to %1</source>
        <translation>Impreso en %1</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>Printing stopped: nothing was printed</source>
        <translation>Impresión detenida: no se imprimió nada</translation>
    </message>
    <message>
        <source>No printer: printed to %1</source>
        <translation>No hay impresora: impreso en %1</translation>
    </message>
    <message>
        <source>Print Preview - %1</source>
        <translation>Vista previa de impresión - %1</translation>
    </message>
</context>
<context>
    <name>RenderRun</name>
    <message>
        <source>shard %1/%2: %3 of %4 inputs: </source>
        <translation>parte %1/%2: %3 de %4 entradas: </translation>
    </message>
    <message>
        <source>stopped by %1: </source>
        <translation>detenido por %1: </translation>
    </message>
    <message>
        <source>%1 written, %2 skipped, %3 failed</source>
        <translation>%1 escritas, %2 omitidas, %3 fallidas</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 sin empezar</translation>
    </message>
    <message>
        <source>cannot read the folder: %1</source>
        <translation>no se puede leer la carpeta: %1</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>left out: </source>
        <translation>omitido: </translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>refusing to write over the photo &apos;%1&apos;</source>
        <translation>no se sobrescribe la foto &apos;%1&apos;</translation>
    </message>
    <message>
        <source>its name is not valid in the system&apos;s encoding; choose another name</source>
        <translation>su nombre no es válido en la codificación del sistema; elija otro nombre</translation>
    </message>
    <message>
        <source>exists and is not a folder</source>
        <translation>existe y no es una carpeta</translation>
    </message>
    <message>
        <source>cannot create the output folder</source>
        <translation>no se puede crear la carpeta de salida</translation>
    </message>
    <message>
        <source>not written: &apos;%1&apos; is already the output of &apos;%2&apos;</source>
        <translation>no escrito: &apos;%1&apos; ya es la salida de &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists</source>
        <translation>&apos;%1&apos; ya existe</translation>
    </message>
    <message>
        <source>cannot open the report: </source>
        <translation>no se puede abrir el informe: </translation>
    </message>
    <message>
        <source>skipped: </source>
        <translation>omitido: </translation>
    </message>
    <message>
        <source>cannot add to the report: </source>
        <translation>no se puede añadir al informe: </translation>
    </message>
    <message>
        <source>cannot lock the report: </source>
        <translation>no se puede bloquear el informe: </translation>
    </message>
</context>
<context>
    <name>SaveTargets</name>
    <message>
        <source>%1 is a photo, and Kolvira never writes over a photo: choose another name.</source>
        <translation>%1 es una foto, y Kolvira nunca sobrescribe una foto: elija otro nombre.</translation>
    </message>
    <message>
        <source>This system cannot write .%1 files.</source>
        <translation>Este sistema no puede escribir archivos .%1.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Confirm Save As</source>
        <translation>Confirmar Guardar como</translation>
    </message>
    <message>
        <source>Cannot save %1:
%2</source>
        <translation>No se puede guardar %1:
%2</translation>
    </message>
    <message>
        <source>Kolvira saves pictures as %1: end the name with %2.</source>
        <translation>Kolvira guarda las imágenes como %1: termine el nombre en %2.</translation>
    </message>
</context>
<context>
    <name>SelectionRendering</name>
    <message>
        <source>Rendered %1 of %2 photos into %3.</source>
        <translation>Renderizadas %1 de %2 fotos en %3.</translation>
    </message>
    <message>
        <source>
Stopped with Esc: %1 not rendered.</source>
        <translation>
Detenido con Esc: %1 sin renderizar.</translation>
    </message>
    <message>
        <source>
%1 existing drawings kept.</source>
        <translation>
Dibujos existentes conservados: %1.</translation>
    </message>
    <message>
        <source>

Not rendered:</source>
        <translation>

Sin renderizar:</translation>
    </message>
    <message>
        <source>Render Selection</source>
        <translation>Renderizar selección</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>another selected photo has the same name, so its drawing is &quot;%1&quot;</source>
        <translation>otra foto seleccionada tiene el mismo nombre, así que su dibujo sería «%1»</translation>
    </message>
    <message>
        <source>%1 of the drawings already exist in %2. Replace them?</source>
        <translation>%1 de los dibujos ya existen en %2. ¿Reemplazarlos?</translation>
    </message>
</context>
<context>
    <name>SortMenu</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>File Date</source>
        <translation>Fecha del archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Invertir</translation>
    </message>
</context>
<context>
    <name>StartupArguments</name>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 is not a local file</source>
        <translation>%1 no es un archivo local</translation>
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
        <translation>Uso: kolvira [--new-instance] [ARCHIVO...]

Convierte fotografías en dibujos y muestra las fotos de una carpeta como mosaico.
Cada ARCHIVO se abre como con Archivo &gt; Abrir: el mosaico de su carpeta, con el
archivo seleccionado. Si Kolvira ya está en marcha, los archivos se abren en él,
y sin ARCHIVO pasa al frente.

      --new-instance  iniciar un programa aparte aunque ya haya uno en marcha
  -h, --help          mostrar esta ayuda y salir
      --version       mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>cannot take the name %1 on the session bus</source>
        <translation>no se puede tomar el nombre %1 en el bus de sesión</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
</context>
<context>
    <name>Thumbnailer</name>
    <message>
        <source>the size must be a number from 1 to %1</source>
        <translation>el tamaño debe ser un número de 1 a %1</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>give one INPUT and one OUTPUT</source>
        <translation>indique una entrada INPUT y una salida OUTPUT</translation>
    </message>
    <message>
        <source>%1 names no local file</source>
        <translation>%1 no designa ningún archivo local</translation>
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
        <translation>Uso: kolvira-thumbnailer [-s SIZE] INPUT OUTPUT

Escribe en OUTPUT una miniatura PNG de la imagen INPUT (una ruta o una URI
file://), hecha como el mosaico de Kolvira hace sus miniaturas: derecha, en
sRGB, ajustada a un cuadrado de SIZE píxeles (256 por omisión) y nunca
ampliada. Los gestores de archivos la ejecutan mediante su entrada de
miniaturas para los metarchivos, archivos raw de cámara e imágenes JPEG XL y
HEIF que no saben leer por sí mismos.

Opciones:
  -s, --size SIZE   el lado del cuadrado en que cabe la miniatura, de 1 a 1024
  -h, --help        mostrar este texto
      --version     mostrar la versión

Estado de salida: 0 si se escribió la miniatura, 1 si no se pudo leer INPUT
o escribir OUTPUT, 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
    <message>
        <source>Try &apos;kolvira-thumbnailer --help&apos;.</source>
        <translation>Pruebe &apos;kolvira-thumbnailer --help&apos;.</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>Thumbnails</name>
    <message>
        <source>The file could not be read before and has not changed.</source>
        <translation>El archivo ya no se pudo leer antes y no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>ViewMenu</name>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>More size</source>
        <translation>Más grande</translation>
    </message>
    <message>
        <source>Less size</source>
        <translation>Más pequeño</translation>
    </message>
    <message>
        <source>Show Original	\</source>
        <translation>Mostrar original	\</translation>
    </message>
    <message>
        <source>Split View</source>
        <translation>Vista dividida</translation>
    </message>
    <message>
        <source>Revert to Photo</source>
        <translation>Volver a la foto</translation>
    </message>
    <message>
        <source>Ask to Save Drawings</source>
        <translation>Preguntar si guardar los dibujos</translation>
    </message>
    <message>
        <source>Next Photo	Alt+Right</source>
        <translation>Foto siguiente	Alt+Right</translation>
    </message>
    <message>
        <source>Previous Photo	Alt+Left</source>
        <translation>Foto anterior	Alt+Left</translation>
    </message>
    <message>
        <source>Full Screen	F11</source>
        <translation>Pantalla completa	F11</translation>
    </message>
    <message>
        <source>Refresh Mosaic</source>
        <translation>Actualizar mosaico</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>&amp;Paint</source>
        <translation>&amp;Pintar</translation>
    </message>
    <message>
        <source>Photo &amp;Editor</source>
        <translation>&amp;Editor de fotos</translation>
    </message>
    <message>
        <source>Save Look...</source>
        <translation>Guardar look...</translation>
    </message>
    <message>
        <source>Apply Look...</source>
        <translation>Aplicar look...</translation>
    </message>
    <message>
        <source>Apply Look From File...</source>
        <translation>Aplicar look desde archivo...</translation>
    </message>
    <message>
        <source>Copy Render Command</source>
        <translation>Copiar orden de renderizado</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>Ordenar por</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>&amp;New Window</source>
        <translation>&amp;Nueva ventana</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascada</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Lado a lado</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>Organizar &amp;iconos</translation>
    </message>
    <message>
        <source>&amp;More Windows...</source>
        <translation>&amp;Más ventanas...</translation>
    </message>
</context>
<context>
    <name>Writing</name>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se pudo crear el PDF</translation>
    </message>
    <message>
        <source>the metadata could not be written</source>
        <translation>no se pudieron escribir los metadatos</translation>
    </message>
    <message>
        <source>the metadata could not be written: %1</source>
        <translation>no se pudieron escribir los metadatos: %1</translation>
    </message>
    <message>
        <source>the PNG encoder could not start</source>
        <translation>no se pudo iniciar el codificador PNG</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
</context>
<context>
    <name>kolvira::AboutDialog</name>
    <message>
        <source>About Kolvira</source>
        <translation>Acerca de Kolvira</translation>
    </message>
    <message>
        <source>Kolvira Version %1</source>
        <translation>Kolvira versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kolvira::Application</name>
    <message>
        <source>No photos in %1</source>
        <translation>No hay fotos en %1</translation>
    </message>
</context>
<context>
    <name>kolvira::HelpWindow</name>
    <message>
        <source>Kolvira Help</source>
        <translation>Ayuda de Kolvira</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
</context>
<context>
    <name>kolvira::LookFile</name>
    <message>
        <source>&apos;%1&apos; must be a number from 0.0 to 1.0, not %2</source>
        <translation>&apos;%1&apos; debe ser un número de 0.0 a 1.0, no %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be true or false, not %2</source>
        <translation>&apos;%1&apos; debe ser true o false, no %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a colour &quot;#RRGGBB&quot;, not %2</source>
        <translation>&apos;%1&apos; debe ser un color &quot;#RRGGBB&quot;, no %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; must be a whole number from %2 to %3, not %4</source>
        <translation>&apos;%1&apos; debe ser un entero de %2 a %3, no %4</translation>
    </message>
    <message>
        <source>not a Kolvira look: it has no &quot;kolvira-look&quot; format version</source>
        <translation>no es un look de Kolvira: no tiene versión de formato &quot;kolvira-look&quot;</translation>
    </message>
    <message>
        <source>&quot;kolvira-look&quot; must be a format version from 1, not %1</source>
        <translation>&quot;kolvira-look&quot; debe ser una versión de formato desde 1, no %1</translation>
    </message>
    <message>
        <source>the look was made by a newer Kolvira (look format %1; this one reads format %2): update Kolvira to use it</source>
        <translation>el look lo hizo un Kolvira más reciente (formato de look %1; este lee el formato %2): actualice Kolvira para usarlo</translation>
    </message>
    <message>
        <source>not valid JSON: %1 at character %2</source>
        <translation>JSON no válido: %1 en el carácter %2</translation>
    </message>
    <message>
        <source>not a Kolvira look: the file holds no JSON object</source>
        <translation>no es un look de Kolvira: el archivo no contiene ningún objeto JSON</translation>
    </message>
    <message>
        <source>unknown setting &apos;%1&apos;</source>
        <translation>ajuste &apos;%1&apos; desconocido</translation>
    </message>
    <message>
        <source>the setting &apos;%1&apos; is missing</source>
        <translation>falta el ajuste &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;style&apos; must be one of %1, not %2</source>
        <translation>&apos;style&apos; debe ser uno de %1, no %2</translation>
    </message>
    <message>
        <source>cannot read the look &apos;%1&apos;: %2</source>
        <translation>no se puede leer el look &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is too large to be a look</source>
        <translation>&apos;%1&apos; es demasiado grande para ser un look</translation>
    </message>
    <message>
        <source>the look &apos;%1&apos; cannot be used: %2</source>
        <translation>el look &apos;%1&apos; no se puede usar: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; carries no look (it was not drawn by Kolvira, or its metadata was stripped)</source>
        <translation>&apos;%1&apos; no lleva ningún look (no lo dibujó Kolvira, o se le quitaron los metadatos)</translation>
    </message>
    <message>
        <source>the look in &apos;%1&apos; cannot be used: %2</source>
        <translation>el look de &apos;%1&apos; no se puede usar: %2</translation>
    </message>
    <message>
        <source>there is no saved look &apos;%1&apos; in %2</source>
        <translation>no hay ningún look guardado &apos;%1&apos; en %2</translation>
    </message>
    <message>
        <source>a look needs a name</source>
        <translation>un look necesita un nombre</translation>
    </message>
    <message>
        <source>a look&apos;s name cannot start with &apos;.&apos; or hold &apos;/&apos;</source>
        <translation>el nombre de un look no puede empezar por &apos;.&apos; ni contener &apos;/&apos;</translation>
    </message>
</context>
<context>
    <name>kolvira::MosaicView</name>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>kolvira::PaintDialog</name>
    <message>
        <source>Pen</source>
        <translation>Pluma</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Coal</source>
        <translation>Carboncillo</translation>
    </message>
    <message>
        <source>Water color</source>
        <translation>Acuarela</translation>
    </message>
    <message>
        <source>Picasso</source>
        <translation>Picasso</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Revolution</source>
        <translation>Revolución</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Pintar</translation>
    </message>
    <message>
        <source>Art of Drawing</source>
        <translation>Técnica de dibujo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalles:</translation>
    </message>
    <message>
        <source>more</source>
        <translation>más</translation>
    </message>
    <message>
        <source>less</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>Pen press:</source>
        <translation>Presión:</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Editor de fotos</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoEditorDialog</name>
    <message>
        <source>Inversed colors</source>
        <translation>Colores invertidos</translation>
    </message>
    <message>
        <source>Shifted colors</source>
        <translation>Colores rotados</translation>
    </message>
    <message>
        <source>Sandy sky</source>
        <translation>Cielo de arena</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>Desenfoque</translation>
    </message>
    <message>
        <source>Impression   brush:</source>
        <translation>Pincel impresión:</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Black-white photo</source>
        <translation>Foto en B/N</translation>
    </message>
    <message>
        <source>Black-white dream</source>
        <translation>Sueño en B/N</translation>
    </message>
    <message>
        <source>Photo Editor</source>
        <translation>Editor de fotos</translation>
    </message>
    <message>
        <source>old</source>
        <translation>ant.</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>more</source>
        <translation>más</translation>
    </message>
    <message>
        <source>less</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rojo:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Verde:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Azul:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>Sustituir:</translation>
    </message>
    <message>
        <source>with</source>
        <translation>por</translation>
    </message>
    <message>
        <source>depth:</source>
        <translation>rango:</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Tamaño del pincel</translation>
    </message>
    <message>
        <source>Colour to replace</source>
        <translation>Color que se sustituye</translation>
    </message>
    <message>
        <source>Replacement colour</source>
        <translation>Color sustituto</translation>
    </message>
</context>
<context>
    <name>kolvira::PhotoView</name>
    <message>
        <source>Save Look</source>
        <translation>Guardar look</translation>
    </message>
    <message>
        <source>Looks (*.json)</source>
        <translation>Looks (*.json)</translation>
    </message>
    <message>
        <source>The look could not be saved as %1: %2</source>
        <translation>No se pudo guardar el look como %1: %2</translation>
    </message>
    <message>
        <source>Apply Look</source>
        <translation>Aplicar look</translation>
    </message>
    <message>
        <source>There are no saved looks yet: Save Look... keeps the settings of a window as one (in %1).</source>
        <translation>Aún no hay looks guardados: Guardar look... conserva los ajustes de una ventana como uno (en %1).</translation>
    </message>
    <message>
        <source>Look:</source>
        <translation>Look:</translation>
    </message>
    <message>
        <source>Apply Look From File</source>
        <translation>Aplicar look desde archivo</translation>
    </message>
    <message>
        <source>Looks and drawings</source>
        <translation>Looks y dibujos</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copiar imagen</translation>
    </message>
</context>
<context>
    <name>kolvira::RenderSelectionDialog</name>
    <message>
        <source>Render Selection</source>
        <translation>Renderizar selección</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>&amp;Own settings:</source>
        <translation>Ajustes &amp;propios:</translation>
    </message>
    <message>
        <source>&amp;Paint...</source>
        <translation>P&amp;intar...</translation>
    </message>
    <message>
        <source>Photo &amp;Editor...</source>
        <translation>&amp;Editor de fotos...</translation>
    </message>
    <message>
        <source>The settings of the &amp;active photo window</source>
        <translation>Los ajustes de la ventana de foto &amp;activa</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>As &amp;shown at</source>
        <translation>&amp;Como se muestra, a</translation>
    </message>
    <message>
        <source> pixels wide</source>
        <translation> píxeles de ancho</translation>
    </message>
    <message>
        <source>&amp;Full resolution</source>
        <translation>&amp;Resolución completa</translation>
    </message>
    <message>
        <source>Save &amp;in:</source>
        <translation>&amp;Guardar en:</translation>
    </message>
    <message>
        <source>File &amp;type:</source>
        <translation>&amp;Tipo de archivo:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Render 1 Photo</source>
        <translation>Renderizar 1 foto</translation>
    </message>
    <message>
        <source>Render %1 Photos</source>
        <translation>Renderizar %1 fotos</translation>
    </message>
    <message>
        <source>Save Drawings In</source>
        <translation>Guardar los dibujos en</translation>
    </message>
    <message>
        <source>A sa&amp;ved look:</source>
        <translation>Un &amp;look guardado:</translation>
    </message>
</context>
<context>
    <name>kolvira::WindowListDialog</name>
    <message>
        <source>Select Window</source>
        <translation>Seleccionar ventana</translation>
    </message>
    <message>
        <source>&amp;Select Window:</source>
        <translation>&amp;Seleccionar ventana:</translation>
    </message>
</context>
</TS>
