<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::Projection</name>
    <message>
        <source>Next zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the original projection defintions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spheroid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False Easting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False Northing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude Origin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Parallel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Parallel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The constants of this projection could not be computed, so the coordinate system cannot be used. Check the projection and the spheroid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
