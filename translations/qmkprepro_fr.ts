<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TsfGen context</name>
    <message>
        <source>System under test</source>
        <translation>Système sous test</translation>
    </message>
    <message>
        <source>default tester</source>
        <translation>testeur par défaut</translation>
    </message>
    <message>
        <source>END %1</source>
        <translation>FIN %1</translation>
    </message>
</context>
</TS>
