<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>korv::Projection</name>
    <message>
        <source>Local Grid</source>
        <translation>Örtliches Gitter</translation>
    </message>
</context>
</TS>
