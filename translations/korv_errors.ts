<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>korv::Errors</name>
    <message>
        <source>a local grid has no projection to convert points with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spheroid code %1 is not one of the spheroid table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longitude of origin %1 lies outside -360..360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zone number %1 is not positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zone width %1 lies outside -360..360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the central meridian of zone %1 lies outside -360..360</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the latitude of origin %1 lies outside -90..90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the false easting or northing lies beyond 1e9 metres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale factor %1 lies outside 0..10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a standard parallel lies outside -90..90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection cannot place the equator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection engine refuses the definition &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point lies outside longitudes -360..360 or latitudes -90..90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection cannot take the point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the grid point is not a finite number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no geographic point maps to the grid point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a translation of the datum shift is not a number within 10 000 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a rotation of the datum shift is not a number within two radians</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the scale change of the datum shift is not a number within -500000..1000000 ppm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point lies outside longitudes -360..360, latitudes -90..90 or heights of 10 000 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the datum shift cannot move the point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the workspace was not made by DEFINE_DATUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no source coordinate system is stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coordinate system must be given as the two stored lists joined by &quot;|&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection %1 is not one of the projection list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The datum shift list could not be written to &quot;%1&quot;. &quot;%2&quot; is used for this session only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; can no longer be read, so the datum shift list was not written over it. &quot;%2&quot; is used for this session only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The datum shift list is full (%1 entries). &quot;%2&quot; is used for this session only and not added to the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the EPSG dataset &quot;%1&quot; cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROJ finds no such database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a projected coordinate system of the EPSG dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Helmert datum shift of the EPSG dataset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 uses the %2 projection, which this dialog does not define</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the spheroid %1 is not in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives its coordinates in %2, which this dialog does not define</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has the axes %2, which this dialog does not define</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 gives a parameter in a unit the catalogue cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has standard parallels less than 0.1 degrees apart, which this dialog does not accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: too many symbolic links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write beside %1: no free name for the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: a part of it could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>writing to standard output failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source spheroid code %1 is not one of the spheroid table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the map spheroid code %1 is not one of the spheroid table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coordinate system of the source data cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the coordinate system of the map cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the points to convert from and to are the same</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the datum shift cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the datum shift is no pipeline of steps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the conversion failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file to write, %1, is the file of points, %2; choose another file to write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection engine cannot start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the projection engine cannot express &quot;%1&quot; as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the datum list %1 holds no datum shift named &quot;%2&quot;</source>
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
        <source>the point lies outside the area of use of the coordinate system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point lies outside the area of use of the datum shift</source>
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
        <source>The zone number and zone width put the central meridian of the zone outside -360 to 360 degrees</source>
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
    <message>
        <source>The start and end grid coordinates cannot be identical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The start and end map coordinates cannot be identical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file &quot;%1&quot; could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file &quot;%1&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file &quot;%1&quot; holds a number too large to use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate file &quot;%1&quot; could not be written; a file of that name that was there before is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transform holds a value that is not a finite number and cannot be saved.</source>
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
        <source>The map coordinates have no coordinate system yet: &quot;Test Transform&quot; takes the source data&apos;s one for them only while a transform is named. Pick a transform, or &quot;None&quot; for no datum shift, and press &quot;Test Transform&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system holds a projection that the list does not know</source>
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
        <source>The point cannot be moved through the datum shift &quot;%1&quot;</source>
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
    <message>
        <source>The dx value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dy value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dz value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rx value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ry value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rz value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SC value is invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library %1 cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library %1 cannot be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system control cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system cannot be read: the control %1 is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system control refused its entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coordinate system control handed back no definition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the conversion stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>korv::Projection</name>
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
