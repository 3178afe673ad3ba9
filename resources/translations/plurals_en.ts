<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BankChart</name>
    <message numerus="yes">
        <source>%1 hand(s)</source>
        <translation>
            <numerusform>%1 hand</numerusform>
            <numerusform>%1 hands</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LifetimePage</name>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n hands</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TCoachBox</name>
    <message numerus="yes">
        <source>Keeps the %n highest cards, %1 high</source>
        <translation>
            <numerusform>Keeps the highest card, %1 high</numerusform>
            <numerusform>Keeps the %n highest cards, %1 high</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>THistoryBox</name>
    <message numerus="yes">
        <source>%n hand(s)</source>
        <translation>
            <numerusform>%n hand</numerusform>
            <numerusform>%n hands</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TStatBox</name>
    <message numerus="yes">
        <source>%1 Hand(s)</source>
        <translation>
            <numerusform>%1 Hand</numerusform>
            <numerusform>%1 Hands</numerusform>
        </translation>
    </message>
</context>
</TS>
