<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>korv::Errors</name>
    <message>
        <source>Easting is invalid</source>
        <translation>Der Rechtswert ist ungültig</translation>
    </message>
</context>
</TS>
