<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- One message, for the test that the program finds and loads its translations. -->
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown command: %1</source>
        <translation>unbekannter Befehl: %1</translation>
    </message>
</context>
</TS>
