<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::PointTransform</name>
    <message>
        <source>The transform holds a value that is not a finite number and cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file %1 could not be written; a file of that name that was there before is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file %1 could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file %1 holds a number too large to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start and end grid coordinates cannot be identical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start and end map coordinates cannot be identical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify the name of Coordinate transformation file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinate Files (*.crd)|*.crd|All files (*.*)|*.*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value to add to data read from file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplier applied to elevation value ( Formula used is Znew = (Zold+Zshift)*Zscale )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original X origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Y origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X scale factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y scale factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New X origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Y origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate clockwise by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Origin, Scale and Azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Transformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Transformation From File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Transformation To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation angle must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid x origin must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid y origin must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New x origin must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New y origin must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale for current x axis must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale for current x axis must be non-zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale for current y axis must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale for current y axis must be non-zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation shift must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation scale must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation scale must be non-zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original X1 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Y1 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New X1 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Y1 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original X2 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Y2 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New X2 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Y2 must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First and second original points must be distinct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First and second new points must be distinct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified points cannot be used to define a meaningful transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error occurred while calculating the transform parameters: Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error orrurred while calculating the transform: Overflow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
