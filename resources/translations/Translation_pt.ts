<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>GLanguage</name>
    <message>
        <source>Error network, please check your connection!</source>
        <translation>Erro de rede, verifique a sua ligação!</translation>
    </message>
    <message>
        <source>The program gets crashed.</source>
        <translation>O programa deixou de funcionar.</translation>
    </message>
    <message>
        <source>Please send the crash report to the developer. (%1)</source>
        <translation>Envie o relatório de falha ao programador. (%1)</translation>
    </message>
    <message>
        <source>is currently the newest version available.</source>
        <translation>é atualmente a versão mais recente disponível.</translation>
    </message>
    <message>
        <source>Requests are too frequent, please try again later.</source>
        <translation>Pedidos demasiado frequentes, tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>A newer version is available: %1. Do you want to open the product page?</source>
        <translation>Está disponível uma versão mais recente: %1. Pretende abrir a página do produto?</translation>
    </message>
</context>
</TS>
