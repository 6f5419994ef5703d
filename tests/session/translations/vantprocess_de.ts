<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>vant::LoginEngine</name>
    <message>
        <source>Select Product</source>
        <translation>Produkt auswählen</translation>
    </message>
</context>
</TS>
