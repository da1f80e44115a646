<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>korv::Form_projections</name>
    <message>
        <source>Test Transform</source>
        <translation>Transformation testen</translation>
    </message>
</context>
</TS>
