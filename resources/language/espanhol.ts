<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="pt_BR">
<context>
    <name>QObject</name>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Seleccionar Idioma</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Ferramentas</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Dejar</translation>
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
        <translation>Medidor de Vibraciones - Corvalendis</translation>
    </message>
</context>
<context>
    <name>Medidas</name>
    <message>
        <source>Volta lá</source>
        <translation>Volver allí</translation>
    </message>
    <message>
        <source>Corvalendis - Medidor de Vibração</source>
        <translation>Corvalendis - Medidor de vibraciones</translation>
    </message>
</context>
</TS>
