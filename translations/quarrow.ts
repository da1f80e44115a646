<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::ConversionTestPanel</name>
    <message>
        <source>Source Data Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Source Data to Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Map to Source Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done testing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lat/lon -&gt; East/North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East/North -&gt; Lat/lon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lat/lon to east/north</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>east/north to lat/lon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::DatumShiftFrame</name>
    <message>
        <source>Optional Datum shift between source datum and map display datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Inverse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::Form_projections</name>
    <message>
        <source>Coordinate System for Source Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system control cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
