<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::CatalogueListDialog</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A code, or words of the name or area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::CatalogueTexts</name>
    <message>
        <source>the EPSG dataset is not available (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a published transformation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no published EPSG system</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>The area of use cannot be checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The point lies outside the area of use of %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>area of use</source>
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
        <source>DY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add from EPSG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a published Helmert transformation of the EPSG dataset to the list</source>
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
        <source>Points converted: 0 of %1
Nothing was written to &quot;%2&quot;</source>
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
        <source>From EPSG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill in a published projected coordinate system of the EPSG dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed in &quot;%3&quot; by another program while it was edited here. For %2 the value entered here replaced the one saved there; every other value saved there was kept.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::IdentityLine</name>
    <message>
        <source>Look up in the EPSG dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: look up in the EPSG dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not identified: %1</source>
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
    <name>korv::ShiftIdentityLine</name>
    <message>
        <source>Published transformation of this datum shift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::ShiftPickerDialog</name>
    <message>
        <source>Add from EPSG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Helmert datum shifts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area of use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deprecated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::SystemIdentityLine</name>
    <message>
        <source>Published EPSG systems of this definition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::SystemPickerDialog</name>
    <message>
        <source>From EPSG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Projected coordinate systems:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area of use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deprecated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
