// The text quarrow-convert --help prints.
#include "command_line.h"

namespace korv::convert {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: quarrow-convert --from POINT --to POINT [options] [INPUT [OUTPUT]]
  or:  quarrow-convert --show proj --from POINT --to POINT [options]
  or:  quarrow-convert --show wkt|projjson|epsg [--system "P1|P2"|EPSG:CODE] [--zone N]
  or:  quarrow-convert --list-shifts [TEXT]

Converts files of points with the source coordinate system and the datum shift that Quarrow's
dialog "Define Source Datum Definitions" defines, along the path of its conversion test panel:
source grid -> source geographic -> (datum shift) -> map geographic -> map grid.
Every point gives the numbers the test panel shows for it.

POINT is one of:
  source-grid          easting and northing in the source coordinate system, metres
  source-geographic    longitude and latitude on the source datum
  map-geographic       longitude and latitude on the map datum
  map-grid             easting and northing on the map datum, same projection as the source

Options:
  --from POINT, --to POINT
                       the points read and the points written
  --system "P1|P2"     the source coordinate system as the dialog stores it: the lists
                       Parameters1 (spheroid;projection;hemisphere;longitude origin;
                       latitude origin;standard parallel 1;standard parallel 2) and
                       Parameters2 (false easting;false northing;scale factor;zone width;zone)
                       joined by "|", every value a number (the codes and the zone whole
                       ones). Without it: the system the dialog keeps in the settings store.
  --system EPSG:CODE   a projected coordinate system of the EPSG dataset (PROJ's proj.db), as
                       the dialog's "From EPSG..." fills the Projection control; one the
                       control cannot define is refused, naming the reason
  --zone N             the zone, in place of the one stored
  --shift NAME         a datum shift of the dialog's datum list (datum.csv beside the
                       program, or in the user's data folder when the program's folder
                       cannot be written), its name compared without regard to case. "None",
                       or no shift at all, passes points unchanged, as in the dialog.
  --shift EPSG:CODE    a published Helmert datum shift of the EPSG dataset (see --list-shifts),
                       its values as the datum list keeps them (coordinate frame rotations in
                       seconds of arc, the scale change in parts per million)
  --shift-parameters DX,DY,DZ,RX,RY,RZ,SC
                       a datum shift by its seven values: translations in metres, rotations
                       in seconds of arc (coordinate frame), scale change in parts per million
  --map-spheroid CODE  the spheroid of the map datum, a code of the dialog's spheroid list
                       (1 Australian National, 12 GRS80, 20 WGS84, ...)
  --labels             every line starts with a label (needed for labels that are numbers)
  --header             the first line that is neither empty nor a comment is a header
  --no-header          no line is a header: the first line holds a point like the others
  --format decimal|dms
                       angles written in decimal degrees (default) or in degrees, minutes
                       and seconds as the dialog shows them
  --verbose            list every refused line, however many
  --refuse-outside     refuse the points outside the area of use of the published system or
                       datum shift (see "Area of use") instead of converting them
  --show proj          print the whole conversion as one PROJ pipeline and exit
  --show wkt           print the source coordinate system as WKT2 and exit
  --show projjson      print the source coordinate system as PROJJSON and exit
  --show epsg          print every EPSG system the source coordinate system is, one a line
                       ("EPSG:28355 GDA94 / MGA zone 55"), or "no published EPSG system", and
                       exit
  --list-shifts [TEXT]
                       print the published Helmert datum shifts whose code, name, systems,
                       datums or area of use hold every word of TEXT at the start of one of
                       theirs, without regard to case (all of them without TEXT), one a line
                       with tabs between code, name, accuracy in metres, area of use, and
                       "current" or "deprecated"; and exit
  -h, --help           print this text and exit

  The numbers of --system, --zone, --shift-parameters, --map-spheroid and the EPSG codes must
  be whole texts: a value such as "5OOOOO", "nan" or "inf" is refused, not read as the number
  it starts with.

The map spheroid:
  Without --map-spheroid the map side uses the source's spheroid, exactly as the test panel
  does: the datum shift returns points on the source spheroid and the map grid is computed on
  it. For "AGD66 to GDA 94" from the Australian National spheroid the map points then lie
  about 0.6 m in latitude and 23 m in height away from GDA 94 on GRS80. Give --map-spheroid 12
  to get GDA 94 coordinates on GRS80.

Area of use:
  The source coordinate system may be one or more published EPSG systems (--show epsg), and the
  datum shift a published one: the one of its code, or the published shift whose values it holds
  (the best of them, the one its name gives the code of first). The dataset tells where each was
  made for. A point outside the area of use of the systems (when the conversion projects or
  unprojects) or of the shift (when it crosses between the datums) is converted all the same, and
  how many lie outside goes to standard error at the end; --refuse-outside refuses them instead.

Input:
  INPUT (or standard input, also for "-"): one point a line, two or three values separated by
  blanks, a tab, a comma or a semicolon (blanks and tabs around a comma or semicolon belong to
  it): easting northing [height] or longitude latitude [height]. The values are the line's last
  fields; whatever comes before them is the point's label, blanks and all
  ("Trig Station A 320000 5810000 12.5"). The last three fields are the values when the first of
  them reads as a value, else the last two; a line of three fields starts with a label only when
  its first field is not a value, so labels that are numbers need --labels. Blanks cannot tell a
  label's last word from a value: "Station 7 320000 5810000" reads 7, 320000 and 5810000; separate
  such lines by commas, semicolons or tabs. Empty fields at the end of a line (an empty height
  column) hold no value.
  Angles in decimal degrees or any notation the dialog reads, such as "144 25 29.5244" (then
  separate the values by a comma, semicolon or tab) or "144:25:29.5244".
  A "#" that begins a field starts a comment, which runs to the line's end and is kept. Empty
  lines and lines holding only a comment pass unchanged. A header passes unchanged too: the
  first line that is neither empty nor a comment, when the fields where its values would be hold
  no digit ("Name,Easting,Northing,Height", "E N"); --header and --no-header decide otherwise.
  A UTF-8 byte order mark at the start is skipped (and kept in the output). A line ends at a
  line feed, a carriage return and line feed, or a lone carriage return.

Output:
  OUTPUT (or standard output, also for "-"): one line for each input line, in the same order,
  with its label, separators, comment and line end kept; grid values with 4 decimals, degrees
  with 9, heights with 4 (a line without a height gets none). With --format dms on a line whose
  values blanks separate, the parts of an angle are joined by colons ("144:57:16.00"), so that
  the output reads back as input.
  A line that cannot be read or converted keeps everything but its values, which become "*"
  (a line without its values gets "* *" after its last field), and "line N: reason" goes to
  standard error: the first 20 such lines, then the count of the others by reason (all of them
  with --verbose).
  A file OUTPUT is written beside itself and takes its place only when complete, keeping its
  permissions (and its owner where the system allows); a symbolic link stays and the file it
  leads to is replaced. OUTPUT that is INPUT, however named, is refused before anything is read,
  and so is a read-only OUTPUT. A run that converts no point leaves OUTPUT as it was. What is no
  regular file (/dev/null, a FIFO, a terminal) is written into directly. Interrupted (Ctrl-C,
  TERM, or the terminal closed), a run removes what it wrote beside OUTPUT and leaves OUTPUT as it
  was.

Exit status: 0 all lines converted, 1 some lines refused, no point converted or no shift listed,
2 bad options (an EPSG code the dataset lacks or the dialog cannot define included), an
unreadable input or an output that cannot be written.

Examples:
  quarrow-convert --system " 1; 1; 2;-177; 0; 0; 0| 500000; 10000000; 0.9996; 6; 55" \
      --from source-grid --to map-geographic --shift "AGD66 to GDA 94" --map-spheroid 12 \
      amg66.txt gda94.txt
  echo "P7 320000 5810000 112.5" | quarrow-convert --from source-grid --to source-geographic \
      --format dms
  quarrow-convert --show proj --from source-grid --to map-geographic --shift "AGD66 to GDA 94"
  echo "320000 5810000 0" | cct -d 9 $(quarrow-convert --show proj --from source-grid \
      --to map-geographic --shift "AGD66 to GDA 94")
  quarrow-convert --list-shifts GDA94 GDA2020
  quarrow-convert --system EPSG:28353 --shift EPSG:8048 --map-spheroid 12 \
      --from source-grid --to map-grid --refuse-outside gda94.txt gda2020.txt
)";

}  // namespace

std::string_view help_text() {
    return kHelp;
}

}  // namespace korv::convert
