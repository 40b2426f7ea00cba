<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>QObject</name>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Selecione o Idioma</translation>
    </message>
    <message>
        <source>Idioma:</source>
        <translation>Idioma:</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Arquivo</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Ferramentas</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Desconectado</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Medidor de Vibração - Corvalendis</source>
        <translation>Medidor de Vibração - Corvalendis</translation>
    </message>
</context>
<context>
    <name>Medidas</name>
    <message>
        <source>Volta lá</source>
        <translation>Volta lá</translation>
    </message>
    <message>
        <source>Corvalendis - Medidor de Vibração</source>
        <translation>Corvalendis - Medidor de Vibração</translation>
    </message>
</context>
</TS>
