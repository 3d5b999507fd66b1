#include "cli/HelpText.h"

#include "imageio/writing/WritableFormats.h"

#include <QCoreApplication>

namespace kolvira::cli {

namespace {

// "png, jpg/jpeg, bmp, tif/tiff"
QString WritableSuffixes() {
    QStringList formats;
    for (const WritableFormat& format : WritableFormats())
        formats.append(format.suffixes.join(u'/'));
    return formats.join(QStringLiteral(", "));
}

} // namespace

QString HelpText() {
    return QCoreApplication::translate("HelpText",
                                       R"(Usage: kolvira-render [options] INPUT -o OUTPUT
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
their light is fitted by ITU-R BT.2390's curve onto 203 nits, the HDR
reference white, which becomes white. A file its decoder reports as damaged
is refused.

Output:
  -o, --output FILE       write the one INPUT's drawing to FILE; its extension
                          names the format (%1, ppm,
                          webp and the other formats Qt writes)
  -d, --output-dir DIR    write each INPUT's drawing to DIR/<name>.<format>;
                          DIR is created if it does not exist
      --format FORMAT     the format of the -d outputs (default %2)
      --width N           first scale the photo smoothly to N pixels wide,
                          keeping its proportions
      --strip             write no metadata; otherwise a JPEG, PNG or TIFF
                          output carries the photo's EXIF (date, camera, GPS,
                          copyright), marked upright and sRGB, without the
                          photo's preview picture, and the look it was
                          drawn with
Outputs never replace an input picture; an output is replaced only once the
new picture is completely written.

Looks (every drawing and effect value below, by name, in a JSON file):
      --look NAME|FILE    start from a saved look (in $XDG_DATA_HOME/kolvira/
                          looks, where the program's Save Look puts them) or
                          a look file (a path holding '/' or ending in .json);
                          drawing and effect options after it change single
                          values
      --look-from DRAWING start from the look a drawing Kolvira wrote carries
      --print-look        print the look the options make, and exit

Drawing:
      --style NAME        pen, pencil, coal, water-color, picasso, rainbow,
                          revolution, or effects for the photo effects
                          (default pen)
The levels below take the values the program stores for its sliders, from
0.0 to 1.0, where 0.0 is the slider's "more" end and 1.0 its "less" end:
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
      --brush-size N      the impression brush's block edge in pixels (default 2,
                          at least 1)
      --stamp             stamp
      --bw-photo          black-white photo
      --bw-dream          black-white dream
      --old-color RRGGBB  the colour to replace (hex, '#' optional; default 000000)
      --new-color RRGGBB  its replacement (default 000000)
      --depth N           how many channel steps around the old colour are
                          replaced (default 40; 0 or less replaces nothing)

Contact sheet:
      --contact-sheet DIR the photos of DIR (the formats INPUT takes; sorted by
                          name) as thumbnails captioned
                          "number, name", written as a PDF of A4 pages to -o;
                          files that cannot be read are left out and named
      --thumb-width N     the thumbnails' width in screen pixels, 20 to 200
                          (default 100); their height is three quarters of it
      --dpi N             the PDF's resolution, 72 to 4800 dots per inch
                          (default 600)
      --no-thumbnail-cache
                          do not write thumbnails to the shared thumbnail
                          cache (~/.cache/thumbnails)
Only -o, --threads, --quiet and --no-thumbnail-cache go with --contact-sheet.

Large jobs (with -d):
      --files-from FILE   also render the pictures listed in FILE, one path
                          per line ('-' reads standard input); empty lines
                          are skipped, and a line ending in a carriage
                          return (a Windows list) is refused
  -0, --null              the list's paths end with a NUL byte instead, as
                          'find -print0' writes them
      --shard K/N         render only the K-th of N slices of the inputs
                          (1 <= K <= N); an input's slice depends on its
                          path alone, so N runs given the same paths in any
                          order render each picture exactly once
      --skip-existing     leave out an input whose output is already there;
                          outputs appear only once complete, so a stopped
                          run can simply be started again
      --report FILE       append a JSON line per input to FILE: "input",
                          "output", "status" (written, skipped or failed),
                          "reason" (unless written), "ms" and "pixels"; a
                          path that is not valid UTF-8 is shown with
                          replacement characters, and its bytes follow in
                          hex in "input_hex" or "output_hex". Each line is
                          written whole under a file lock, so runs on
                          several hosts may share FILE over NFS

Running:
      --threads N         worker threads (default 0: one per core)
  -q, --quiet             no progress bar and no decoder warnings
  -h, --help              show this help and exit
      --version           show the version and exit
Options may stand before or after the inputs; '--' ends the options.
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
  find photos -name '*.jpg' -print0 |
    kolvira-render --files-from - -0 --shard 3/8 --skip-existing -d drawings
)")
        .arg(WritableSuffixes(), WritableFormats().front().suffixes.first());
}

QString VersionText(const char* program) {
    return QString::fromLatin1(program) + QStringLiteral(" " KOLVIRA_VERSION "\n");
}

} // namespace kolvira::cli
