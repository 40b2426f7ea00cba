<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pt_BR">
<context>
    <name>QObject</name>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Select the language</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Language:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Arquivo</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Ferramentas</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Desconectado</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Medidor de Vibração - Corvalendis</source>
        <translation>Vibration Meter - Corvalendis</translation>
    </message>
</context>
<context>
    <name>Medidas</name>
    <message>
        <source>Volta lá</source>
        <translation>Back there</translation>
    </message>
    <message>
        <source>Corvalendis - Medidor de Vibração</source>
        <translation>Corvalendis - Vibration Meter</translation>
    </message>
</context>
</TS>
