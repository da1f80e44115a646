<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::PointTransform</name>
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
</context>
</TS>
