<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureOpener</name>
    <message>
        <source>Cannot load this Graphic file!</source>
        <translation>Diese Bilddatei lässt sich nicht laden!</translation>
    </message>
</context>
</TS>
