<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru_RU">
<context>
    <name>DiffTexts</name>
    <message numerus="yes">
        <source>%n отличий</source>
        <translation>
            <numerusform>%n отличие</numerusform>
            <numerusform>%n отличия</numerusform>
            <numerusform>%n отличий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n параметров</source>
        <translation>
            <numerusform>%n параметр</numerusform>
            <numerusform>%n параметра</numerusform>
            <numerusform>%n параметров</numerusform>
        </translation>
    </message>
</context>
</TS>
