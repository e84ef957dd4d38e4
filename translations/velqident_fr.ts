<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>VELQIdent</name>
    <message>
        <source>Rudoze D++ Oriz Avudavuv</source>
        <translation>Rudoze D++ Oriz Avudavuv, édition française</translation>
    </message>
    <message>
        <source>8.0.1.2.343.015</source>
        <translation>8.0.1.2.343.015</translation>
    </message>
    <message>
        <source>QMKPREPRO</source>
        <translation>QMKPREPRO</translation>
    </message>
    <message>
        <source>Copyright (c) 2026 The QMKPREPRO developers</source>
        <translation>Copyright (c) 2026 Les développeurs de QMKPREPRO</translation>
    </message>
</context>
</TS>
