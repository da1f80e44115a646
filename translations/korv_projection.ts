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
        <source>The projection %1 is not one of the projections this control knows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system could not be shown: %1</source>
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
    <message>
        <source>Zone number must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone number is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone number must be positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude origin is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude origin is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard parallel 1 is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard parallel 2 is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard parallels must be distinct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The false easting must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The false north must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale factor must be numeric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale factor must be positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone width is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Map Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Transverse Mercator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lambert Conformal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Albers Equal Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equidistant Conic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian National Spheroid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Spheroid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clark 1866</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clark 1880</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bessel 1841</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airy 1830</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everest 1830 (1937 Adjustment)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everest 1830 (1967 Adjustment)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everest 1830 (Modified)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fischer 1960</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fischer 1968</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRS67</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRS75</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRS80/GDA94/MGA94</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hayford 1910 (International)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hough 1956</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krassovsky 1940</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South American 1969</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WGS60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WGS66</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WGS72</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WGS84</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
