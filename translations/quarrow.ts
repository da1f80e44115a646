<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::ControlFactory</name>
    <message>
        <source>The control library %1 cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a control library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no control &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The control library %1 cannot be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a class name of the form Library.Class</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not create &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>The point cannot be converted with the coordinate system of the source data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The point cannot be converted with the coordinate system of the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easting is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northing is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elevation is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The point cannot be moved through the datum shift &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert a file of points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert a whole file of points with these coordinate systems and datum shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File: Points to Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File: Converted Points to Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-converted</source>
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
    <message>
        <source>DX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dx value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dy value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dz value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rx value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ry value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rz value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SC value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name must be supplied for the transform</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A transform name cannot contain a comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transform name is too long to be kept in the datum list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::FileConversion</name>
    <message>
        <source>The file could not be converted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system holds a projection that the list does not know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting &quot;%1&quot;...
Points so far: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points converted: %1 of %2
Written to &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line does not hold two or three values, optionally led by a label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is too long to be a point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the easting is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the northing is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longitude is no angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the latitude is no angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the height is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longitude lies outside -360..360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the latitude lies outside -89..89</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point cannot be converted with the coordinate system of the source data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point cannot be converted with the coordinate system of the map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point cannot be moved through the datum shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
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
    <message>
        <source>Define Source Datum Definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be used as a datum shift list and was replaced by the two published shifts. Its content is kept in &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source coordinate system could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system cannot be read: the control %1 is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system control handed back no definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The datum shift list could not be written to &quot;%1&quot;. &quot;%2&quot; is used for this session only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The datum shift list is full (%1 entries). &quot;%2&quot; is used for this session only and not added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::PointPairDialog</name>
    <message>
        <source>Source grid (East/North)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source geographic (Lat/lon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map geographic (Lat/lon)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map grid (East/North)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each line of the file holds one point: east and north, or longitude and latitude, then an optional height, optionally led by a label.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points in the &amp;file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert &amp;to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::SettingsStore</name>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
