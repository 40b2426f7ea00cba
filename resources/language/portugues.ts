<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="pt_BR">
<context>
    <name>AvaliacaoExposicao</name>
    <message>
        <source>o resultado armazenado %1 não é um número</source>
        <translation>o resultado armazenado %1 não é um número</translation>
    </message>
    <message>
        <source>a exposição parcial %1 não tem repetições ou tempos utilizáveis</source>
        <translation>a exposição parcial %1 não tem repetições ou tempos utilizáveis</translation>
    </message>
    <message>
        <source>as exposições parciais não somam tempo de exposição</source>
        <translation>as exposições parciais não somam tempo de exposição</translation>
    </message>
    <message>
        <source>a componente %1 não tem um número utilizável em %2</source>
        <translation>a componente %1 não tem um número utilizável em %2</translation>
    </message>
    <message>
        <source>nenhuma tarefa utilizável</source>
        <translation>nenhuma tarefa utilizável</translation>
    </message>
</context>
<context>
    <name>AvaliacaoGrupo</name>
    <message>
        <source>a jornada %1 não existe</source>
        <translation>a jornada %1 não existe</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>a medida %1 não está no armazém</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Mãos e braços: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Corpo inteiro: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Corpo inteiro: VDVR [m/s^1.75]</translation>
    </message>
</context>
<context>
    <name>AvaliacaoJornada</name>
    <message>
        <source>a referência não é MEDIDA/TAREFA/corpo ou MEDIDA/TAREFA/mao</source>
        <translation>a referência não é MEDIDA/TAREFA/corpo ou MEDIDA/TAREFA/mao</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>a medida %1 não está no armazém</translation>
    </message>
    <message>
        <source>a tarefa %1 não está na medida</source>
        <translation>a tarefa %1 não está na medida</translation>
    </message>
    <message>
        <source>repetições inválidas: %1</source>
        <translation>repetições inválidas: %1</translation>
    </message>
    <message>
        <source>tempo por repetição inválido: %1</source>
        <translation>tempo por repetição inválido: %1</translation>
    </message>
    <message>
        <source>o arep armazenado não é um número utilizável</source>
        <translation>o arep armazenado não é um número utilizável</translation>
    </message>
    <message>
        <source>os VDVi ou o tempo amostrado armazenados não são utilizáveis</source>
        <translation>os VDVi ou o tempo amostrado armazenados não são utilizáveis</translation>
    </message>
</context>
<context>
    <name>DadosLaudo</name>
    <message>
        <source>Avaliar a exposição ocupacional do trabalhador a vibrações de mãos e braços e de corpo inteiro, quantificando-a conforme as NHO 09 e NHO 10 da FUNDACENTRO e comparando-a com os níveis de ação do Anexo I da NR-09 e os limites de exposição do Anexo 8 da NR-15.</source>
        <translation>Avaliar a exposição ocupacional do trabalhador a vibrações de mãos e braços e de corpo inteiro, quantificando-a conforme as NHO 09 e NHO 10 da FUNDACENTRO e comparando-a com os níveis de ação do Anexo I da NR-09 e os limites de exposição do Anexo 8 da NR-15.</translation>
    </message>
</context>
<context>
    <name>DocumentoLaudo</name>
    <message>
        <source>não informado</source>
        <translation>não informado</translation>
    </message>
    <message>
        <source>Laudo técnico de avaliação de vibrações</source>
        <translation>Laudo técnico de avaliação de vibrações</translation>
    </message>
    <message>
        <source>Laudo nº %1</source>
        <translation>Laudo nº %1</translation>
    </message>
    <message>
        <source>Resumo</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Trabalhador</translation>
    </message>
    <message>
        <source>Função</source>
        <translation>Função</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Setor</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa avaliada</translation>
    </message>
    <message>
        <source>Empresa avaliadora</source>
        <translation>Empresa avaliadora</translation>
    </message>
    <message>
        <source>Data da medição</source>
        <translation>Data da medição</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusão:</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation>CNPJ</translation>
    </message>
    <message>
        <source>Cidade</source>
        <translation>Cidade</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES)</source>
        <translation>Grupo de exposição similar (GES)</translation>
    </message>
    <message>
        <source>Jornada de trabalho</source>
        <translation>Jornada de trabalho</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Objetivo</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Metodologia</source>
        <translation>Metodologia</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Corpo inteiro</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mãos e braços</translation>
    </message>
    <message>
        <source>NHO 09 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos, aceleração resultante de exposição normalizada (aren) e valor da dose de vibração resultante (VDVR).</source>
        <translation>NHO 09 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos, aceleração resultante de exposição normalizada (aren) e valor da dose de vibração resultante (VDVR).</translation>
    </message>
    <message>
        <source>NHO 10 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos e aceleração resultante de exposição normalizada (aren).</source>
        <translation>NHO 10 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos e aceleração resultante de exposição normalizada (aren).</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Eixo</translation>
    </message>
    <message>
        <source>Filtro de ponderação</source>
        <translation>Filtro de ponderação</translation>
    </message>
    <message>
        <source>Fator multiplicador</source>
        <translation>Fator multiplicador</translation>
    </message>
    <message>
        <source>Período de amostragem:</source>
        <translation>Período de amostragem:</translation>
    </message>
    <message>
        <source>Tempo amostrado de cada tarefa diante do seu tempo de exposição na jornada:</source>
        <translation>Tempo amostrado de cada tarefa diante do seu tempo de exposição na jornada:</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>Tempo amostrado</source>
        <translation>Tempo amostrado</translation>
    </message>
    <message>
        <source>Tempo de exposição</source>
        <translation>Tempo de exposição</translation>
    </message>
    <message>
        <source>Cadeia de medição e calibração</source>
        <translation>Cadeia de medição e calibração</translation>
    </message>
    <message>
        <source>vencido</source>
        <translation>vencido</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipamento</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratório</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Válido até</translation>
    </message>
    <message>
        <source>Verificação de campo dos acelerômetros com o calibrador, antes e depois da medição (m/s²):</source>
        <translation>Verificação de campo dos acelerômetros com o calibrador, antes e depois da medição (m/s²):</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Acelerômetro</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação</source>
        <translation>Atividades e condições da avaliação</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Proteção coletiva e individual em uso:</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Tempo por repetição</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Tempo total</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>VDVexp</source>
        <translation>VDVexp</translation>
    </message>
    <message>
        <source>Resultados e interpretação</source>
        <translation>Resultados e interpretação</translation>
    </message>
    <message>
        <source>Referência complementar: Diretiva 2002/44/CE</source>
        <translation>Referência complementar: Diretiva 2002/44/CE</translation>
    </message>
    <message>
        <source>Os valores brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus usam o eixo dominante e a média de energia das componentes. Por isso podem diferir.</source>
        <translation>Os valores brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus usam o eixo dominante e a média de energia das componentes. Por isso podem diferir.</translation>
    </message>
    <message>
        <source>Conclusão e recomendações</source>
        <translation>Conclusão e recomendações</translation>
    </message>
    <message>
        <source>Responsável técnico</source>
        <translation>Responsável técnico</translation>
    </message>
    <message>
        <source>Referências</source>
        <translation>Referências</translation>
    </message>
    <message>
        <source>NR-09, Anexo I (Vibração), aprovado pela Portaria MTP nº 426/2021; NR-15, Anexo 8 (Vibração); NHO 09 e NHO 10 da FUNDACENTRO; Diretiva 2002/44/CE (referência complementar).</source>
        <translation>NR-09, Anexo I (Vibração), aprovado pela Portaria MTP nº 426/2021; NR-15, Anexo 8 (Vibração); NHO 09 e NHO 10 da FUNDACENTRO; Diretiva 2002/44/CE (referência complementar).</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>não foi possível escrever o documento</source>
        <translation>não foi possível escrever o documento</translation>
    </message>
    <message>
        <source>Anexo: aceleração de cada componente</source>
        <translation>Anexo: aceleração de cada componente</translation>
    </message>
    <message>
        <source>Membros do grupo</source>
        <translation>Membros do grupo</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Membro</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Jornada</translation>
    </message>
    <message>
        <source>deixado de fora: %1</source>
        <translation>deixado de fora: %1</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Membros</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Faixa do máximo</translation>
    </message>
    <message>
        <source>Nenhum membro do grupo pôde ser avaliado.</source>
        <translation>Nenhum membro do grupo pôde ser avaliado.</translation>
    </message>
    <message>
        <source>O veredito do grupo é o do seu membro mais exposto, %1: %2. As tabelas a seguir são as desse membro.</source>
        <translation>O veredito do grupo é o do seu membro mais exposto, %1: %2. As tabelas a seguir são as desse membro.</translation>
    </message>
</context>
<context>
    <name>ESocial</name>
    <message>
        <source>GES %1</source>
        <translation>GES %1</translation>
    </message>
    <message>
        <source>%1: não é uma medida, uma jornada nem um grupo</source>
        <translation>%1: não é uma medida, uma jornada nem um grupo</translation>
    </message>
</context>
<context>
    <name>Edicao</name>
    <message>
        <source>N° de repetições: &quot;%1&quot; não é válido; digite um número inteiro igual ou maior que 0.</source>
        <translation>N° de repetições: &quot;%1&quot; não é válido; digite um número inteiro igual ou maior que 0.</translation>
    </message>
    <message>
        <source>Exposição Parcial: o nome não pode conter &quot;;&quot;.</source>
        <translation>Exposição Parcial: o nome não pode conter &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: &quot;%1&quot; não é válido; digite hh:mm:ss.</source>
        <translation>Tempo Exposição Médio: &quot;%1&quot; não é válido; digite hh:mm:ss.</translation>
    </message>
</context>
<context>
    <name>GravacaoSegura</name>
    <message>
        <source>o arquivo não existe</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>é um link; nada é gravado através de links</source>
        <translation>é um link; nada é gravado através de links</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>a pasta não pôde ser criada</source>
        <translation>a pasta não pôde ser criada</translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>a pasta não existe</translation>
    </message>
    <message>
        <source>fica dentro da própria medida</source>
        <translation>fica dentro da própria medida</translation>
    </message>
    <message>
        <source>é um link; nada é lido através de links</source>
        <translation>é um link; nada é lido através de links</translation>
    </message>
    <message>
        <source>nem tudo pôde ser gravado</source>
        <translation>nem tudo pôde ser gravado</translation>
    </message>
    <message>
        <source>o nome não está na codificação deste sistema (UTF-8); renomeie-o</source>
        <translation>o nome não está na codificação deste sistema (UTF-8); renomeie-o</translation>
    </message>
    <message>
        <source>a pasta não pode ser lida</source>
        <translation>a pasta não pode ser lida</translation>
    </message>
    <message>
        <source>não pôde ser renomeado</source>
        <translation>não pôde ser renomeado</translation>
    </message>
    <message>
        <source>outra cópia desta medida foi gravada antes; nada foi substituído</source>
        <translation>outra cópia desta medida foi gravada antes; nada foi substituído</translation>
    </message>
    <message>
        <source>a pasta não pôde ser substituída: %1</source>
        <translation>a pasta não pôde ser substituída: %1</translation>
    </message>
</context>
<context>
    <name>GuardaSaida</name>
    <message>
        <source>Sair</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Um trabalho ainda está em andamento. Deseja sair assim que ele terminar?
A medida em andamento termina inteira; as seguintes não são iniciadas.</source>
        <translation>Um trabalho ainda está em andamento. Deseja sair assim que ele terminar?
A medida em andamento termina inteira; as seguintes não são iniciadas.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
</context>
<context>
    <name>JanelaCalibracoes</name>
    <message>
        <source>Calibrações</source>
        <translation>Calibrações</translation>
    </message>
    <message>
        <source>Um certificado por equipamento: o instrumento pela sua identificação, cada acelerômetro pelo número de série que a configuração do instrumento dá, e o calibrador. Datas como dd/mm/aaaa.</source>
        <translation>Um certificado por equipamento: o instrumento pela sua identificação, cada acelerômetro pelo número de série que a configuração do instrumento dá, e o calibrador. Datas como dd/mm/aaaa.</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratório</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Válido até</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Instrumento</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Acelerômetro</translation>
    </message>
    <message>
        <source>Calibrador</source>
        <translation>Calibrador</translation>
    </message>
    <message>
        <source>Linha %1: falta a identificação do equipamento.</source>
        <translation>Linha %1: falta a identificação do equipamento.</translation>
    </message>
    <message>
        <source>Linha %1: datas de calibração e de validade como dd/mm/aaaa.</source>
        <translation>Linha %1: datas de calibração e de validade como dd/mm/aaaa.</translation>
    </message>
    <message>
        <source>O registro não foi gravado.</source>
        <translation>O registro não foi gravado.</translation>
    </message>
</context>
<context>
    <name>JanelaConfig</name>
    <message>
        <source>Configuração de Instrumento</source>
        <translation>Configuração de Instrumento</translation>
    </message>
    <message>
        <source>Configurações Gerais</source>
        <translation>Configurações Gerais</translation>
    </message>
    <message>
        <source>Periodo de Amostragem</source>
        <translation>Periodo de Amostragem</translation>
    </message>
    <message>
        <source>Medição Programada</source>
        <translation>Medição Programada</translation>
    </message>
    <message>
        <source>Sensor de Mãos e Bracos</source>
        <translation>Sensor de Mão e Braco</translation>
    </message>
    <message>
        <source>Ponderação Frequência</source>
        <translation>Ponderação Frequência</translation>
    </message>
    <message>
        <source>Fator Multiplicativo</source>
        <translation>Fator Multiplicativo</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidade</translation>
    </message>
    <message>
        <source>X</source>
        <translation></translation>
    </message>
    <message>
        <source>Y</source>
        <translation></translation>
    </message>
    <message>
        <source>Z</source>
        <translation></translation>
    </message>
    <message>
        <source>Sensor de Corpo inteiro</source>
        <translation>Sensor de Corpo Inteiro</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>manual</source>
        <translation></translation>
    </message>
    <message>
        <source>Não foi possível gravar a configuração em %1. O instrumento não foi configurado.</source>
        <translation>Não foi possível gravar a configuração em %1. O instrumento não foi configurado.</translation>
    </message>
</context>
<context>
    <name>JanelaDadosLaudo</name>
    <message>
        <source>Dados do laudo</source>
        <translation>Dados do laudo</translation>
    </message>
    <message>
        <source>Número do laudo:</source>
        <translation>Número do laudo:</translation>
    </message>
    <message>
        <source>Objetivo:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES):</source>
        <translation>Grupo de exposição similar (GES):</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação:</source>
        <translation>Atividades e condições da avaliação:</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Proteção coletiva e individual em uso:</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusão:</translation>
    </message>
    <message>
        <source>Local de emissão:</source>
        <translation>Local de emissão:</translation>
    </message>
    <message>
        <source>Data de emissão:</source>
        <translation>Data de emissão:</translation>
    </message>
    <message>
        <source>Cadeia de medição</source>
        <translation>Cadeia de medição</translation>
    </message>
    <message>
        <source>Acelerômetro de corpo inteiro:</source>
        <translation>Acelerômetro de corpo inteiro:</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços:</source>
        <translation>Acelerômetro de mãos e braços:</translation>
    </message>
    <message>
        <source>Calibrador:</source>
        <translation>Calibrador:</translation>
    </message>
    <message>
        <source>Verificação de campo com o calibrador (m/s²)</source>
        <translation>Verificação de campo com o calibrador (m/s²)</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Depois</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferença</translation>
    </message>
    <message>
        <source>Corpo inteiro:</source>
        <translation>Corpo inteiro:</translation>
    </message>
    <message>
        <source>Mãos e braços:</source>
        <translation>Mãos e braços:</translation>
    </message>
    <message>
        <source>Pendências (o laudo pode ser gerado mesmo assim):</source>
        <translation>Pendências (o laudo pode ser gerado mesmo assim):</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Gerar Laudo</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>não informado</translation>
    </message>
    <message>
        <source>Medição %1 de %2 — trabalhador: %3; empresa avaliada: %4; setor: %5; responsável técnico: %6; instrumento: %7.</source>
        <translation>Medição %1 de %2 — trabalhador: %3; empresa avaliada: %4; setor: %5; responsável técnico: %6; instrumento: %7.</translation>
    </message>
    <message>
        <source>Os dados do laudo não foram gravados.</source>
        <translation>Os dados do laudo não foram gravados.</translation>
    </message>
    <message>
        <source>Anexar o gráfico de aceleração de cada componente</source>
        <translation>Anexar o gráfico de aceleração de cada componente</translation>
    </message>
</context>
<context>
    <name>Laudo</name>
    <message>
        <source>Instrumento</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Acelerômetro de corpo inteiro</source>
        <translation>Acelerômetro de corpo inteiro</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços</source>
        <translation>Acelerômetro de mãos e braços</translation>
    </message>
    <message>
        <source>Calibrador de vibração</source>
        <translation>Calibrador de vibração</translation>
    </message>
    <message>
        <source>Número do laudo não informado.</source>
        <translation>Número do laudo não informado.</translation>
    </message>
    <message>
        <source>Empresa avaliadora não informada.</source>
        <translation>Empresa avaliadora não informada.</translation>
    </message>
    <message>
        <source>CNPJ da empresa avaliadora não informado.</source>
        <translation>CNPJ da empresa avaliadora não informado.</translation>
    </message>
    <message>
        <source>Empresa avaliada não informada.</source>
        <translation>Empresa avaliada não informada.</translation>
    </message>
    <message>
        <source>Funcionário avaliado não informado.</source>
        <translation>Funcionário avaliado não informado.</translation>
    </message>
    <message>
        <source>Função do trabalhador não informada.</source>
        <translation>Função do trabalhador não informada.</translation>
    </message>
    <message>
        <source>Setor não informado.</source>
        <translation>Setor não informado.</translation>
    </message>
    <message>
        <source>Responsável técnico não informado.</source>
        <translation>Responsável técnico não informado.</translation>
    </message>
    <message>
        <source>Registro profissional do responsável técnico não informado.</source>
        <translation>Registro profissional do responsável técnico não informado.</translation>
    </message>
    <message>
        <source>Data da medição desconhecida: a validade dos certificados não pôde ser conferida.</source>
        <translation>Data da medição desconhecida: a validade dos certificados não pôde ser conferida.</translation>
    </message>
    <message>
        <source>A medida não tem resultados avaliados.</source>
        <translation>A medida não tem resultados avaliados.</translation>
    </message>
    <message>
        <source>%1: identificação não informada.</source>
        <translation>%1: identificação não informada.</translation>
    </message>
    <message>
        <source>%1 %2: sem certificado de calibração no registro.</source>
        <translation>%1 %2: sem certificado de calibração no registro.</translation>
    </message>
    <message>
        <source>%1 %2: certificado %3 vencido em %4, antes da medição de %5.</source>
        <translation>%1 %2: certificado %3 vencido em %4, antes da medição de %5.</translation>
    </message>
    <message>
        <source>%1: sem verificação de campo.</source>
        <translation>%1: sem verificação de campo.</translation>
    </message>
    <message>
        <source>A exposição avaliada está abaixo do nível de ação do Anexo I da NR-09 e do limite de exposição do Anexo 8 da NR-15: a condição é aceitável, não caracteriza insalubridade por vibrações e requer, no mínimo, a manutenção da condição existente.</source>
        <translation>A exposição avaliada está abaixo do nível de ação do Anexo I da NR-09 e do limite de exposição do Anexo 8 da NR-15: a condição é aceitável, não caracteriza insalubridade por vibrações e requer, no mínimo, a manutenção da condição existente.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do nível de ação do Anexo I da NR-09 e abaixo do limite de exposição do Anexo 8 da NR-15: não caracteriza insalubridade por vibrações, mas requer medidas preventivas, no mínimo, de acordo com o PGR.</source>
        <translation>A exposição avaliada está acima do nível de ação do Anexo I da NR-09 e abaixo do limite de exposição do Anexo 8 da NR-15: não caracteriza insalubridade por vibrações, mas requer medidas preventivas, no mínimo, de acordo com o PGR.</translation>
    </message>
    <message>
        <source>A exposição avaliada está na região de incerteza das NHO 09 e NHO 10: requer a adoção de medidas preventivas e corretivas, visando à redução da exposição diária, e a avaliação não permite afastar a caracterização de insalubridade pelo Anexo 8 da NR-15.</source>
        <translation>A exposição avaliada está na região de incerteza das NHO 09 e NHO 10: requer a adoção de medidas preventivas e corretivas, visando à redução da exposição diária, e a avaliação não permite afastar a caracterização de insalubridade pelo Anexo 8 da NR-15.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do limite de exposição do Anexo 8 da NR-15: caracteriza insalubridade em grau médio e requer a adoção imediata de medidas corretivas.</source>
        <translation>A exposição avaliada está acima do limite de exposição do Anexo 8 da NR-15: caracteriza insalubridade em grau médio e requer a adoção imediata de medidas corretivas.</translation>
    </message>
    <message>
        <source>A exposição não pôde ser quantificada com os dados desta medição: não é possível concluir.</source>
        <translation>A exposição não pôde ser quantificada com os dados desta medição: não é possível concluir.</translation>
    </message>
    <message>
        <source>Tarefa %1 deixada de fora: %2</source>
        <translation>Tarefa %1 deixada de fora: %2</translation>
    </message>
    <message>
        <source>Jornada %1 (%2 medições)</source>
        <translation>Jornada %1 (%2 medições)</translation>
    </message>
    <message>
        <source>Membro %1 deixado de fora: %2</source>
        <translation>Membro %1 deixado de fora: %2</translation>
    </message>
    <message>
        <source>membros do grupo %1</source>
        <translation>membros do grupo %1</translation>
    </message>
    <message>
        <source>Grupo %1 (%2 membros)</source>
        <translation>Grupo %1 (%2 membros)</translation>
    </message>
</context>
<context>
    <name>LeitorAmostras</name>
    <message>
        <source>%1: o arquivo mudou durante a leitura</source>
        <translation>%1: o arquivo mudou durante a leitura</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Id do Equipamento</source>
        <translation>Id do Equipamento</translation>
    </message>
    <message>
        <source>CONFIGURAR</source>
        <translation>CONFIGURAR</translation>
    </message>
    <message>
        <source>Perfil</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Empresa Avaliadora:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation></translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsável Técnico:</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Medições:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Medições:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baixar Tudo</source>
        <translation>Baixar Tudo</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Adicionar Perfil</source>
        <translation>Adicionar Perfil</translation>
    </message>
    <message>
        <source>Configurar</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Deletar dados do equipamento</source>
        <translation>Deletar dados do equipamento</translation>
    </message>
    <message>
        <source>Mudar Idioma</source>
        <translation>Mudar Idioma</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation></translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Dispositivo conectado</source>
        <translation>Dispositivo conectado</translation>
    </message>
    <message>
        <source>Dispositivo desconectado</source>
        <translation>Dispositivo desconectado</translation>
    </message>
    <message>
        <source>Há mais de um instrumento KT9400 conectado; usando o de %1.</source>
        <translation>Há mais de um instrumento KT9400 conectado; usando o de %1.</translation>
    </message>
    <message>
        <source>Procurando e conectando com o instrumento...</source>
        <translation>Procurando e conectando com o instrumento...</translation>
    </message>
    <message>
        <source>Dispositivo conectado!</source>
        <translation>Dispositivo conectado!</translation>
    </message>
    <message>
        <source>Dispositivo desconectado!</source>
        <translation>Dispositivo desconectado!</translation>
    </message>
    <message>
        <source>A pasta DATA não foi encontrada no instrumento.</source>
        <translation>A pasta DATA não foi encontrada no instrumento.</translation>
    </message>
    <message>
        <source>Configurar Equipamento</source>
        <translation>Configurar Equipamento</translation>
    </message>
    <message>
        <source>Equipamento desconectado.
Não foi possível abrir as configurações</source>
        <translation>Equipamento desconectado.
Não foi possível abrir as configurações</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>Inglês</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Espanhol</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Selecione o Idioma</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Nome da Medição</source>
        <translation>Nome da Medição</translation>
    </message>
    <message>
        <source>Data de Criação</source>
        <translation>Data de Criação</translation>
    </message>
    <message>
        <source>Status</source>
        <translation></translation>
    </message>
    <message>
        <source>%1: a pasta não é uma medida (ou o instrumento foi desconectado).</source>
        <translation>%1: a pasta não é uma medida (ou o instrumento foi desconectado).</translation>
    </message>
    <message>
        <source>%1: não foi possível gravar o arquivo da medida no instrumento.</source>
        <translation>%1: não foi possível gravar o arquivo da medida no instrumento.</translation>
    </message>
    <message>
        <source>%1: não foi possível renomear a medida no instrumento; nada foi copiado.</source>
        <translation>%1: não foi possível renomear a medida no instrumento; nada foi copiado.</translation>
    </message>
    <message>
        <source>%1: a cópia não foi concluída; nada foi gravado no computador.</source>
        <translation>%1: a cópia não foi concluída; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>Baixar Dado</source>
        <translation>Baixar Dado</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel baixar medida</source>
        <translation>Instrumento desconectado.
Não é possivel baixar medida</translation>
    </message>
    <message>
        <source>Ja existe uma medida com este nome deseja substituir? </source>
        <translation>Ja existe uma medida com este nome deseja substituir? </translation>
    </message>
    <message>
        <source>Tem certeza que deseja baixar esta medida?</source>
        <translation>Tem certeza que deseja baixar esta medida?</translation>
    </message>
    <message>
        <source>Baixar Dado !!</source>
        <translation>Baixar Dado !!</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Baixar todos os dados</source>
        <translation>Baixar todos os dados</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não foi possível baixar dados</source>
        <translation>Instrumento desconectado.
Não foi possível baixar dados</translation>
    </message>
    <message>
        <source>Baixando dados do instrumento...</source>
        <translation>Baixando dados do instrumento...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas se ja estiveram baixadas?</source>
        <translation>Deseja substituir as medidas se ja estiveram baixadas?</translation>
    </message>
    <message>
        <source>Download Concluído !</source>
        <translation>Download Concluído !</translation>
    </message>
    <message>
        <source>Dados do instrumento foram baixados no computador !!</source>
        <translation>Dados do instrumento foram baixados no computador !!</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) não foram baixadas:</source>
        <translation>
            <numerusform>%n medida não foi baixada:</numerusform>
            <numerusform>%n medidas não foram baixadas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nem todas as medidas foram baixadas.</source>
        <translation>Nem todas as medidas foram baixadas.</translation>
    </message>
    <message>
        <source>Importar Arquivo</source>
        <translation>Importar Arquivo</translation>
    </message>
    <message>
        <source>Esta pasta não é uma medida, selecione a medida correta.</source>
        <translation>Esta pasta não é uma medida, selecione a medida correta.</translation>
    </message>
    <message>
        <source>Importar Arquivos</source>
        <translation>Importar Arquivos</translation>
    </message>
    <message>
        <source>Esta medida ja existe, deseja substitui-la no seu computador ?</source>
        <translation>Esta medida ja existe, deseja substitui-la no seu computador ?</translation>
    </message>
    <message>
        <source>Medida importada com sucesso!</source>
        <translation>Medida importada com sucesso!</translation>
    </message>
    <message>
        <source>A importação não foi concluída; nada foi gravado no computador.</source>
        <translation>A importação não foi concluída; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>Exportar Arquivo</source>
        <translation>Exportar Arquivo</translation>
    </message>
    <message>
        <source>Arquivos exportados com sucesso!</source>
        <translation>Arquivos exportados com sucesso!</translation>
    </message>
    <message>
        <source>Deletar Dados</source>
        <translation>Deletar Dados</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel deletar dados</source>
        <translation>Instrumento desconectado.
Não é possivel deletar dados</translation>
    </message>
    <message>
        <source>Tem certeza que quer deletar todos os arquivos do equipamento?</source>
        <translation>Tem certeza que quer deletar todos os arquivos do equipamento?</translation>
    </message>
    <message>
        <source>Seus dados não foram baixados, deseja excluir todos os arquivos do equipamento mesmo assim?</source>
        <translation>Seus dados não foram baixados, deseja excluir todos os arquivos do equipamento mesmo assim?</translation>
    </message>
    <message>
        <source>Deletar todos os dados</source>
        <translation>Deletar todos os dados</translation>
    </message>
    <message>
        <source>Deletando dados do Instrumento ...</source>
        <translation>Deletando dados do Instrumento ...</translation>
    </message>
    <message>
        <source>Dados deletados!</source>
        <translation>Dados deletados!</translation>
    </message>
    <message numerus="yes">
        <source>%n arquivo(s) não puderam ser deletados.</source>
        <translation>
            <numerusform>%n arquivo não pôde ser deletado.</numerusform>
            <numerusform>%n arquivos não puderam ser deletados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>Não foi possível salvar a escolha do idioma.</translation>
    </message>
    <message>
        <source>%1: %2 é um link; nada foi gravado no computador.</source>
        <translation>%1: %2 é um link; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>Links não são copiados; ficaram de fora:</source>
        <translation>Links não são copiados; ficaram de fora:</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi gravado no computador.</source>
        <translation>%1 é um link; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi exportado.</source>
        <translation>%1 é um link; nada foi exportado.</translation>
    </message>
    <message>
        <source>A exportação não foi concluída; nada foi gravado em %1.</source>
        <translation>A exportação não foi concluída; nada foi gravado em %1.</translation>
    </message>
    <message numerus="yes">
        <source>  … e mais %n.</source>
        <translation>
            <numerusform>  … e mais %n.</numerusform>
            <numerusform>  … e mais %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador será(ão) substituída(s) pela cópia do instrumento:</source>
        <translation>
            <numerusform>Esta medida já está no computador e será substituída pela cópia do instrumento:</numerusform>
            <numerusform>Estas %n medidas já estão no computador e serão substituídas pela cópia do instrumento:</numerusform>
        </translation>
    </message>
    <message>
        <source>As alterações feitas no programa (identificação, observações, exposições parciais, componentes apagados) serão perdidas.</source>
        <translation>As alterações feitas no programa (identificação, observações, exposições parciais, componentes apagados) serão perdidas.</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador mantida(s) como estava(m).</source>
        <translation>
            <numerusform>%n medida que já estava no computador foi mantida como estava.</numerusform>
            <numerusform>%n medidas que já estavam no computador foram mantidas como estavam.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Baixando %1 de %2: %3</source>
        <translation>Baixando %1 de %2: %3</translation>
    </message>
    <message>
        <source>Interrompido: %1 de %2 medidas baixadas.</source>
        <translation>Interrompido: %1 de %2 medidas baixadas.</translation>
    </message>
    <message>
        <source>Importando a medida...</source>
        <translation>Importando a medida...</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Medidas</translation>
    </message>
    <message>
        <source>Lendo as medidas do instrumento e do computador...</source>
        <translation>Lendo as medidas do instrumento e do computador...</translation>
    </message>
    <message>
        <source>Baixando %1...</source>
        <translation>Baixando %1...</translation>
    </message>
    <message>
        <source>Interrompendo: a medida em andamento termina inteira...</source>
        <translation>Interrompendo: a medida em andamento termina inteira...</translation>
    </message>
    <message>
        <source>%1: os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>%1: os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>Os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>Os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</translation>
    </message>
    <message>
        <source>Medidor de Vibração</source>
        <translation>Medidor de Vibração</translation>
    </message>
    <message>
        <source>Calibrações</source>
        <translation>Calibrações</translation>
    </message>
    <message>
        <source>Jornadas
e grupos</source>
        <translation>Jornadas
e grupos</translation>
    </message>
    <message>
        <source>Exportar planilha...</source>
        <translation>Exportar planilha...</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Exportar planilha</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv)</source>
        <translation>Planilha CSV (*.csv)</translation>
    </message>
    <message>
        <source>Escrevendo a planilha...</source>
        <translation>Escrevendo a planilha...</translation>
    </message>
    <message>
        <source>%1 medições escritas em %2.</source>
        <translation>%1 medições escritas em %2.</translation>
    </message>
    <message>
        <source>Exportar Arquivos - Selecione o destino das medidas</source>
        <translation>Exportar Arquivos - Selecione o destino das medidas</translation>
    </message>
    <message>
        <source>Exportando as medidas...</source>
        <translation>Exportando as medidas...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas que já estão no computador?</source>
        <translation>Deseja substituir as medidas que já estão no computador?</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)...</source>
        <translation>Exportar para eSocial (S-2240)...</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)</source>
        <translation>Exportar para eSocial (S-2240)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Lendo os valores...</source>
        <translation>Lendo os valores...</translation>
    </message>
    <message>
        <source>%1 valores escritos em %2.</source>
        <translation>%1 valores escritos em %2.</translation>
    </message>
    <message>
        <source>A área de trabalho não tem um navegador que abra o manual. Abra o endereço à mão:</source>
        <translation>A área de trabalho não tem um navegador que abra o manual. Abra o endereço à mão:</translation>
    </message>
    <message>
        <source>Não foi possível criar a pasta das medidas, %1: nada poderá ser baixado, importado nem consultado.</source>
        <translation>Não foi possível criar a pasta das medidas, %1: nada poderá ser baixado, importado nem consultado.</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Medidor de Vibração - KT 9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Resultantes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Resultantes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sincronizar dados 
do computador</source>
        <translation>Sincronizar dados 
do computador</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Parciais (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Parciais (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Componentes Exposição (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Componentes Exposição (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Empresa Avaliadora:</translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsável Técnico:</translation>
    </message>
    <message>
        <source>Empresa Avaliada:</source>
        <translation>Empresa Avaliada:</translation>
    </message>
    <message>
        <source>Funcionário Avaliado:</source>
        <translation>Funcionário Avaliado:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Setor:</translation>
    </message>
    <message>
        <source>Jornada de Trabalho:</source>
        <translation>Jornada de Trabalho:</translation>
    </message>
    <message>
        <source>:</source>
        <translation></translation>
    </message>
    <message>
        <source>Nome da exposição</source>
        <translation>Nome da exposição</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Data de criação:</translation>
    </message>
    <message>
        <source>Nº exposições parciais</source>
        <translation>Nº exposições parciais</translation>
    </message>
    <message>
        <source>Nº componentes</source>
        <translation>Nº componentes</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Resultante de Corpo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Are (m/s²):&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aren (m/s²):&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;VDVR (m/s&lt;span style=&quot; vertical-align:super;&quot;&gt;1.75&lt;/span&gt;)&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;VDVexp(x) (m/s&lt;span style=&quot; vertical-align:super;&quot;&gt;1.75&lt;/span&gt;):&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;VDVexp(y) (m/s&lt;span style=&quot; vertical-align:super;&quot;&gt;1.75&lt;/span&gt;):&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;VDVexp(z) (m/s&lt;span style=&quot; vertical-align:super;&quot;&gt;1.75&lt;/span&gt;):&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation></translation>
    </message>
    <message>
        <source>FC (X):</source>
        <translation></translation>
    </message>
    <message>
        <source>FC (Y):</source>
        <translation></translation>
    </message>
    <message>
        <source>FC (Z):</source>
        <translation></translation>
    </message>
    <message>
        <source>Resultante Mãos e Braços</source>
        <translation>Resultante Mãos e Braços</translation>
    </message>
    <message>
        <source>Exposição Parcial</source>
        <translation>Exposição Parcial</translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Exposição Parcial: </translation>
    </message>
    <message>
        <source>N° de repetições: </source>
        <translation>N° de repetições: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Tempo Exposição Médio: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Tempo Exposição Total: </translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Tempo Amostrado: </translation>
    </message>
    <message>
        <source>arep</source>
        <translation></translation>
    </message>
    <message>
        <source>VDVi (X)</source>
        <translation></translation>
    </message>
    <message>
        <source>VDVi (Y)</source>
        <translation></translation>
    </message>
    <message>
        <source>VDVi (Z)</source>
        <translation></translation>
    </message>
    <message>
        <source>VDVexp (X): </source>
        <translation></translation>
    </message>
    <message>
        <source>VDVexp (Y): </source>
        <translation></translation>
    </message>
    <message>
        <source>VDVexp (Z): </source>
        <translation></translation>
    </message>
    <message>
        <source>Configuração</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Nome da Componente: </translation>
    </message>
    <message>
        <source>Inicio: </source>
        <translation>Inicio: </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>Fim: </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duração: </translation>
    </message>
    <message>
        <source>Periodo de amostragem:</source>
        <translation>Periodo de Amostragem:</translation>
    </message>
    <message>
        <source>Tipo de sensor: </source>
        <translation>Tipo de sensor: </translation>
    </message>
    <message>
        <source>Sensibilidade (X):</source>
        <translation>Sensibilidade (X):</translation>
    </message>
    <message>
        <source>Sensibilidade (Y): </source>
        <translation>Sensibilidade (Y): </translation>
    </message>
    <message>
        <source>Sensibilidade (Z): </source>
        <translation>Sensibilidade (Z): </translation>
    </message>
    <message>
        <source>Filtros aplicados: </source>
        <translation>Filtros Aplicados: </translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Componente</translation>
    </message>
    <message>
        <source>Amx: </source>
        <translation></translation>
    </message>
    <message>
        <source>Amy: </source>
        <translation></translation>
    </message>
    <message>
        <source>Amz: </source>
        <translation></translation>
    </message>
    <message>
        <source>Pico (X): </source>
        <translation>Pico (X): </translation>
    </message>
    <message>
        <source>Pico (Y): </source>
        <translation>Pico (Y): </translation>
    </message>
    <message>
        <source>Pico (Z): </source>
        <translation>Pico (Z): </translation>
    </message>
    <message>
        <source>VDV (X): </source>
        <translation></translation>
    </message>
    <message>
        <source>VDV (Y): </source>
        <translation></translation>
    </message>
    <message>
        <source>VDV (Z): </source>
        <translation></translation>
    </message>
    <message>
        <source>Gráfico Linhas</source>
        <translation>Gráfico Linhas</translation>
    </message>
    <message>
        <source>Gráfico Bandas</source>
        <translation>Gráfico Bandas</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Gerar Relatorio</source>
        <translation>Gerar Relatório</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Sincronizando dados salvos no computador ...</source>
        <translation>Sincronizando dados salvos no computador ...</translation>
    </message>
    <message>
        <source>Sincronizar dados do computador</source>
        <translation>Sincronizar dados do computador</translation>
    </message>
    <message>
        <source>Dados salvos no computador sincronizados</source>
        <translation>Dados salvos no computador sincronizados</translation>
    </message>
    <message>
        <source>Dados do computador Sincronizados !!</source>
        <translation>Dados do computador Sincronizados !!</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Tipo Sensor</source>
        <translation>Tipo Sensor</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Tempo Exp.</source>
        <translation>Tempo Exp.</translation>
    </message>
    <message>
        <source>Tempo Comp.</source>
        <translation>Tempo Comp.</translation>
    </message>
    <message>
        <source>Deletar Exposição</source>
        <translation>Deletar Exposição</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar esta exposição em seu computador?</source>
        <translation>Tem certeza que deseja apagar esta exposição em seu computador?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição %1.</source>
        <translation>Não foi possível apagar a exposição %1.</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição parcial ou recalcular a medida.</source>
        <translation>Não foi possível apagar a exposição parcial ou recalcular a medida.</translation>
    </message>
    <message>
        <source>Deletar a Exposição Unificada</source>
        <translation>Deletar a Exposição Unificada</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar essa exposição em seu computador ?</source>
        <translation>Tem certeza que deseja apagar essa exposição em seu computador ?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a componente ou recalcular a medida.</source>
        <translation>Não foi possível apagar a componente ou recalcular a medida.</translation>
    </message>
    <message>
        <source>Não foi possível salvar a observação em %1.</source>
        <translation>Não foi possível salvar a observação em %1.</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Editar Identificação</source>
        <translation>Editar Identificação</translation>
    </message>
    <message>
        <source>Salvar dados Identificação ?</source>
        <translation>Salvar dados Identificação ?</translation>
    </message>
    <message>
        <source>Não foi possível salvar a identificação em %1.</source>
        <translation>Não foi possível salvar a identificação em %1.</translation>
    </message>
    <message>
        <source>Editar Dados</source>
        <translation>Editar Dados</translation>
    </message>
    <message>
        <source>Deseja alterar os dados para recalcular ?</source>
        <translation>Deseja alterar os dados para recalcular?</translation>
    </message>
    <message>
        <source>Não foi possível salvar os dados ou recalcular a medida.</source>
        <translation>Não foi possível salvar os dados ou recalcular a medida.</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</translation>
    </message>
    <message>
        <source>Gravando e recalculando a medida...</source>
        <translation>Gravando e recalculando a medida...</translation>
    </message>
    <message>
        <source>Trabalhador: %1; medida %2 de %3.</source>
        <translation>Trabalhador: %1; medida %2 de %3.</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>não informado</translation>
    </message>
    <message>
        <source>Tarefa: %1 (%2).</source>
        <translation>Tarefa: %1 (%2).</translation>
    </message>
    <message>
        <source>mãos e braços</source>
        <translation>mãos e braços</translation>
    </message>
    <message>
        <source>corpo inteiro</source>
        <translation>corpo inteiro</translation>
    </message>
    <message>
        <source>Componente: %1, %2 s.</source>
        <translation>Componente: %1, %2 s.</translation>
    </message>
    <message>
        <source>Avaliando a exposição...</source>
        <translation>Avaliando a exposição...</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Gerar Laudo</translation>
    </message>
    <message>
        <source>Buscar: empresa, trabalhador, setor, tarefa ou observação</source>
        <translation>Buscar: empresa, trabalhador, setor, tarefa ou observação</translation>
    </message>
    <message>
        <source>De</source>
        <translation>De</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>até</source>
        <translation>até</translation>
    </message>
    <message>
        <source>Qualquer veredito</source>
        <translation>Qualquer veredito</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa avaliada</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Setor</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>Veredito NR</translation>
    </message>
</context>
<context>
    <name>PaginaJornadas</name>
    <message>
        <source>Volta lá</source>
        <translation>Volta lá</translation>
    </message>
    <message>
        <source>Jornadas e grupos</source>
        <translation>Jornadas e grupos</translation>
    </message>
    <message>
        <source>Jornadas</source>
        <translation>Jornadas</translation>
    </message>
    <message>
        <source>Nova</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Renomear</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Escolha uma jornada ou um grupo, ou crie um novo.</source>
        <translation>Escolha uma jornada ou um grupo, ou crie um novo.</translation>
    </message>
    <message>
        <source>Trabalhador:</source>
        <translation>Trabalhador:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Setor:</translation>
    </message>
    <message>
        <source>Data (dd/mm/aaaa):</source>
        <translation>Data (dd/mm/aaaa):</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetições</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Tempo por repetição</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Tempo total</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Adicionar tarefas...</source>
        <translation>Adicionar tarefas...</translation>
    </message>
    <message>
        <source>Remover tarefa</source>
        <translation>Remover tarefa</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Descrição:</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Membro</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Mãos e braços: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Corpo inteiro: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Corpo inteiro: VDVR [m/s^1.75]</translation>
    </message>
    <message>
        <source>Adicionar jornadas...</source>
        <translation>Adicionar jornadas...</translation>
    </message>
    <message>
        <source>Adicionar medidas...</source>
        <translation>Adicionar medidas...</translation>
    </message>
    <message>
        <source>Remover membro</source>
        <translation>Remover membro</translation>
    </message>
    <message>
        <source>Resumo do grupo</source>
        <translation>Resumo do grupo</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Membros</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Faixa do máximo</translation>
    </message>
    <message>
        <source>Salvar as alterações de &quot;%1&quot;?</source>
        <translation>Salvar as alterações de &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Jornada</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Nome inválido: &quot;%1&quot;.</source>
        <translation>Nome inválido: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Já existe &quot;%1&quot;.</source>
        <translation>Já existe &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Apagar a jornada &quot;%1&quot;?</source>
        <translation>Apagar a jornada &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Apagar o grupo &quot;%1&quot;?</source>
        <translation>Apagar o grupo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Corpo inteiro</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mãos e braços</translation>
    </message>
    <message>
        <source>usada</source>
        <translation>usada</translation>
    </message>
    <message>
        <source>deixada de fora: %1</source>
        <translation>deixada de fora: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não foi gravado.</source>
        <translation>&quot;%1&quot; não foi gravado.</translation>
    </message>
    <message>
        <source>deixado de fora: %1</source>
        <translation>deixado de fora: %1</translation>
    </message>
    <message>
        <source>Veredito do grupo: não calculado (nenhum membro avaliado).</source>
        <translation>Veredito do grupo: não calculado (nenhum membro avaliado).</translation>
    </message>
    <message>
        <source>Veredito do grupo: %1 — o do membro mais exposto, %2.</source>
        <translation>Veredito do grupo: %1 — o do membro mais exposto, %2.</translation>
    </message>
    <message>
        <source>Adicionar jornadas</source>
        <translation>Adicionar jornadas</translation>
    </message>
    <message>
        <source>Jornada:</source>
        <translation>Jornada:</translation>
    </message>
    <message>
        <source>Adicionar medidas</source>
        <translation>Adicionar medidas</translation>
    </message>
    <message>
        <source>Ela é membro de: %1.</source>
        <translation>Ela é membro de: %1.</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Gerar Laudo</translation>
    </message>
</context>
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
    <message>
        <source>Aceleração Total dos Eixos</source>
        <translation>Aceleração Total dos Eixos</translation>
    </message>
    <message>
        <source>Frequência [Hz]</source>
        <translation>Frequência [Hz]</translation>
    </message>
    <message>
        <source>Vibração [dB]</source>
        <translation>Vibração [dB]</translation>
    </message>
    <message>
        <source>Relatório Medidor de Vibração - KT9400 - </source>
        <translation>Relatório Medidor de Vibração - KT9400 - </translation>
    </message>
    <message>
        <source>Identificação: </source>
        <translation>Identificação: </translation>
    </message>
    <message>
        <source>Empresa Avaliadora: </source>
        <translation>Empresa Avaliadora: </translation>
    </message>
    <message>
        <source>Responsável Técnico: </source>
        <translation>Responsável Técnico: </translation>
    </message>
    <message>
        <source>Empresa Avaliada: </source>
        <translation>Empresa Avaliada: </translation>
    </message>
    <message>
        <source>Funcionário Avaliado: </source>
        <translation>Funcionário Avaliado: </translation>
    </message>
    <message>
        <source>Setor: </source>
        <translation>Setor: </translation>
    </message>
    <message>
        <source>Nome da Exposição: </source>
        <translation>Nome da Exposição: </translation>
    </message>
    <message>
        <source>Data de Criação: </source>
        <translation>Data de Criação: </translation>
    </message>
    <message>
        <source>Jornada de Trabalho: </source>
        <translation>Jornada de Trabalho: </translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Resultante de Corpo</translation>
    </message>
    <message>
        <source>Are [m/s²]: </source>
        <translation></translation>
    </message>
    <message>
        <source>Aren [m/s²]: </source>
        <translation></translation>
    </message>
    <message>
        <source>Resultante de Mãos e Braços</source>
        <translation>Resultante de Mãos e Braços</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Observações:</translation>
    </message>
    <message>
        <source>Exposições Parciais de Corpo</source>
        <translation>Exposições Parciais de Corpo</translation>
    </message>
    <message>
        <source>Exposições Parciais de Mãos e Braços</source>
        <translation>Exposições Parciais de Mãos e Braços</translation>
    </message>
    <message>
        <source>Exposição Parcial </source>
        <translation>Exposição Parcial </translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Exposição Parcial: </translation>
    </message>
    <message>
        <source>Nº Repetições: </source>
        <translation>Nº Repetições: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Tempo Exposição Médio: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Tempo Exposição Total: </translation>
    </message>
    <message>
        <source>arep [m/s²]: </source>
        <translation></translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Tempo Amostrado: </translation>
    </message>
    <message>
        <source> Componentes de Corpo - Exposição Parcial </source>
        <translation> Componentes de Corpo - Exposição Parcial </translation>
    </message>
    <message>
        <source> Componentes de Mãos e Braços - Exposição Parcial </source>
        <translation> Componentes de Mãos e Braços - Exposição Parcial </translation>
    </message>
    <message>
        <source> Componente </source>
        <translation> Componente </translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Nome da Componente: </translation>
    </message>
    <message>
        <source>Tipo de Sensor: </source>
        <translation>Tipo de Sensor: </translation>
    </message>
    <message>
        <source>Inicio: </source>
        <translation>Inicio: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(x): </source>
        <translation>Fator Multiplicativo(x): </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>Fim: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(y): </source>
        <translation>Fator Multiplicativo(y): </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duração: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(z): </source>
        <translation>Fator Multiplicativo(z): </translation>
    </message>
    <message>
        <source>Período de Amostragem: </source>
        <translation>Periodo de Amostragem: </translation>
    </message>
    <message>
        <source>Filtros aplicados (X ,Y, Z):  </source>
        <translation>Filtros Aplicados (X ,Y, Z):  </translation>
    </message>
    <message>
        <source>Variáveis:</source>
        <translation>Variáveis:</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Eixo</translation>
    </message>
    <message>
        <source>Amj [m/s²]</source>
        <translation></translation>
    </message>
    <message>
        <source>Pico</source>
        <translation>Pico</translation>
    </message>
    <message>
        <source>VDV [m/s1,75]</source>
        <translation></translation>
    </message>
    <message>
        <source>Graficos:</source>
        <translation>Graficos:</translation>
    </message>
    <message>
        <source> Tabela da Componente </source>
        <translation> Tabela da Componente </translation>
    </message>
    <message>
        <source>Destino do Relatório - PDF</source>
        <translation>Destino do Relatório - PDF</translation>
    </message>
    <message>
        <source>Gerar Relatório</source>
        <translation>Gerar Relatório</translation>
    </message>
    <message>
        <source>Erro ao gerar relatório</source>
        <translation>Erro ao gerar relatório</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>Não foi possível salvar a escolha do idioma.</translation>
    </message>
    <message>
        <source>Nenhum arquivo escolhido.</source>
        <translation>Nenhum arquivo escolhido.</translation>
    </message>
    <message>
        <source>Avaliação da exposição</source>
        <translation>Avaliação da exposição</translation>
    </message>
    <message>
        <source>Instrumento: </source>
        <translation>Instrumento: </translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</translation>
    </message>
    <message>
        <source>Não calculado:</source>
        <translation>Não calculado:</translation>
    </message>
    <message>
        <source>Gerando o relatório...</source>
        <translation>Gerando o relatório...</translation>
    </message>
    <message>
        <source>interrompido</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Gerando o relatório: componente %1 de %2</source>
        <translation>Gerando o relatório: componente %1 de %2</translation>
    </message>
    <message>
        <source>Interrompendo: o relatório não será gravado...</source>
        <translation>Interrompendo: o relatório não será gravado...</translation>
    </message>
    <message>
        <source>não é um PDF inteiro</source>
        <translation>não é um PDF inteiro</translation>
    </message>
    <message>
        <source>nenhuma parte</source>
        <translation>nenhuma parte</translation>
    </message>
    <message>
        <source>Destino do Laudo</source>
        <translation>Destino do Laudo</translation>
    </message>
    <message>
        <source>Laudo</source>
        <translation>Laudo</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;OpenDocument (*.odt)</source>
        <translation>PDF (*.pdf);;OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Gerar Laudo</translation>
    </message>
    <message>
        <source>Gerando o laudo...</source>
        <translation>Gerando o laudo...</translation>
    </message>
    <message>
        <source>Erro ao gerar o laudo</source>
        <translation>Erro ao gerar o laudo</translation>
    </message>
    <message>
        <source>O laudo foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>O laudo foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</translation>
    </message>
    <message>
        <source>O relatório foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>O relatório foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</translation>
    </message>
</context>
<context>
    <name>SeletorArmazem</name>
    <message>
        <source>Adicionar tarefas</source>
        <translation>Adicionar tarefas</translation>
    </message>
    <message>
        <source>Buscar por trabalhador, empresa, setor, data ou tarefa</source>
        <translation>Buscar por trabalhador, empresa, setor, data ou tarefa</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Escolher medidas</source>
        <translation>Escolher medidas</translation>
    </message>
    <message>
        <source>Lendo as medidas do armazém...</source>
        <translation>Lendo as medidas do armazém...</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Corpo inteiro</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mãos e braços</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medição</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Trabalhador</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa avaliada</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Região</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>Veredito NR</translation>
    </message>
    <message>
        <source>Tarefas: %1</source>
        <translation>Tarefas: %1</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Jornada</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Itens: %1</source>
        <translation>Itens: %1</translation>
    </message>
</context>
<context>
    <name>TabelasAvaliacao</name>
    <message>
        <source>Brasil: NR-09 e NR-15, com a NHO 09 e a NHO 10 da FUNDACENTRO</source>
        <translation>Brasil: NR-09 e NR-15, com a NHO 09 e a NHO 10 da FUNDACENTRO</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Faixas</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Ação recomendada</source>
        <translation>Ação recomendada</translation>
    </message>
    <message>
        <source>Corpo inteiro: a pior das duas</source>
        <translation>Corpo inteiro: a pior das duas</translation>
    </message>
    <message>
        <source>União Europeia: Diretiva 2002/44/CE</source>
        <translation>União Europeia: Diretiva 2002/44/CE</translation>
    </message>
    <message>
        <source>Ação / Limite</source>
        <translation>Ação / Limite</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Ação após</source>
        <translation>Ação após</translation>
    </message>
    <message>
        <source>Limite após</source>
        <translation>Limite após</translation>
    </message>
    <message>
        <source>Valores de ação e limite da exposição diária: Diretiva 2002/44/CE, artigo 3 (mãos e braços A(8) 2.5 e 5 m/s²; corpo inteiro A(8) 0.5 e 1.15 m/s², VDV 9.1 e 21 m/s^1.75). A(8) a partir dos tempos de exposição e da referência de 8 h, cada tarefa pela média de energia das componentes ponderada pela duração (ISO 5349-1; ISO 2631-1, com os fatores 1.4, 1.4 e 1 dos eixos x, y e z). VDV estendido ao tempo de exposição pela quarta potência (ISO 2631-1). Pontos: 100 no valor de ação, crescendo com o quadrado de A(8). Tempos: exposição, no ritmo médio do dia, após a qual cada valor é atingido (hh:mm).</source>
        <translation>Valores de ação e limite da exposição diária: Diretiva 2002/44/CE, artigo 3 (mãos e braços A(8) 2.5 e 5 m/s²; corpo inteiro A(8) 0.5 e 1.15 m/s², VDV 9.1 e 21 m/s^1.75). A(8) a partir dos tempos de exposição e da referência de 8 h, cada tarefa pela média de energia das componentes ponderada pela duração (ISO 5349-1; ISO 2631-1, com os fatores 1.4, 1.4 e 1 dos eixos x, y e z). VDV estendido ao tempo de exposição pela quarta potência (ISO 2631-1). Pontos: 100 no valor de ação, crescendo com o quadrado de A(8). Tempos: exposição, no ritmo médio do dia, após a qual cada valor é atingido (hh:mm).</translation>
    </message>
    <message>
        <source>tempos não calculados: %1</source>
        <translation>tempos não calculados: %1</translation>
    </message>
    <message>
        <source>Mãos e braços: A(8) [m/s²]</source>
        <translation>Mãos e braços: A(8) [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)x [m/s²]</source>
        <translation>Corpo inteiro: 1.4·A(8)x [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)y [m/s²]</source>
        <translation>Corpo inteiro: 1.4·A(8)y [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8)z [m/s²]</source>
        <translation>Corpo inteiro: A(8)z [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8), eixo dominante %1 [m/s²]</source>
        <translation>Corpo inteiro: A(8), eixo dominante %1 [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]</source>
        <translation>Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]</translation>
    </message>
    <message>
        <source>Aceitável</source>
        <translation>Aceitável</translation>
    </message>
    <message>
        <source>Acima do nível de ação</source>
        <translation>Acima do nível de ação</translation>
    </message>
    <message>
        <source>Região de incerteza</source>
        <translation>Região de incerteza</translation>
    </message>
    <message>
        <source>Acima do limite de exposição</source>
        <translation>Acima do limite de exposição</translation>
    </message>
    <message>
        <source>Não calculado</source>
        <translation>Não calculado</translation>
    </message>
    <message>
        <source>No mínimo manutenção da condição existente</source>
        <translation>No mínimo manutenção da condição existente</translation>
    </message>
    <message>
        <source>No mínimo adoção de medidas preventivas</source>
        <translation>No mínimo adoção de medidas preventivas</translation>
    </message>
    <message>
        <source>Adoção de medidas preventivas e corretivas visando à redução da exposição diária</source>
        <translation>Adoção de medidas preventivas e corretivas visando à redução da exposição diária</translation>
    </message>
    <message>
        <source>Adoção imediata de medidas corretivas</source>
        <translation>Adoção imediata de medidas corretivas</translation>
    </message>
    <message>
        <source>Abaixo do nível de ação</source>
        <translation>Abaixo do nível de ação</translation>
    </message>
    <message>
        <source>Nível de ação atingido</source>
        <translation>Nível de ação atingido</translation>
    </message>
    <message>
        <source>Limite de exposição atingido</source>
        <translation>Limite de exposição atingido</translation>
    </message>
    <message>
        <source>nunca</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Os dois critérios podem dar valores diferentes: os brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus, o eixo dominante, com a média de energia dos componentes ponderada pela duração.</source>
        <translation>Os dois critérios podem dar valores diferentes: os brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus, o eixo dominante, com a média de energia dos componentes ponderada pela duração.</translation>
    </message>
    <message>
        <source>Níveis de ação: NR-09, Anexo I, aprovado pela Portaria MTP nº 426/2021 (mãos e braços aren 2.5 m/s²; corpo inteiro aren 0.5 m/s² e VDVR 9.1 m/s^1.75). Limites de exposição: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² e 21.0 m/s^1.75). Região de incerteza e ações recomendadas: tabelas de decisão da NHO 10 (mãos e braços, 3.5 a 5.0 m/s²) e da NHO 09 (corpo inteiro, 0.9 a 1.1 m/s² e 16.4 a 21.0 m/s^1.75). Valores como armazenados na medida.</source>
        <translation>Níveis de ação: NR-09, Anexo I, aprovado pela Portaria MTP nº 426/2021 (mãos e braços aren 2.5 m/s²; corpo inteiro aren 0.5 m/s² e VDVR 9.1 m/s^1.75). Limites de exposição: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² e 21.0 m/s^1.75). Região de incerteza e ações recomendadas: tabelas de decisão da NHO 10 (mãos e braços, 3.5 a 5.0 m/s²) e da NHO 09 (corpo inteiro, 0.9 a 1.1 m/s² e 16.4 a 21.0 m/s^1.75). Valores como armazenados na medida.</translation>
    </message>
</context>
<context>
    <name>config_perfil</name>
    <message>
        <source>Cadastro de Perfil</source>
        <translation>Cadastro de Perfil</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Empresa Avaliadora:</translation>
    </message>
    <message>
        <source>Responsavel 1:</source>
        <translation>Responsável 1:</translation>
    </message>
    <message>
        <source>Responsavel 2:</source>
        <translation>Responsável 2:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Não foi possível salvar o perfil em %1.</source>
        <translation>Não foi possível salvar o perfil em %1.</translation>
    </message>
    <message>
        <source>Título do responsável 1:</source>
        <translation>Título do responsável 1:</translation>
    </message>
    <message>
        <source>Registro do responsável 1:</source>
        <translation>Registro do responsável 1:</translation>
    </message>
    <message>
        <source>Título do responsável 2:</source>
        <translation>Título do responsável 2:</translation>
    </message>
    <message>
        <source>Registro do responsável 2:</source>
        <translation>Registro do responsável 2:</translation>
    </message>
    <message>
        <source>CNPJ:</source>
        <translation>CNPJ:</translation>
    </message>
    <message>
        <source>Cidade:</source>
        <translation>Cidade:</translation>
    </message>
    <message>
        <source>Logotipo:</source>
        <translation>Logotipo:</translation>
    </message>
    <message>
        <source>Escolher...</source>
        <translation>Escolher...</translation>
    </message>
    <message>
        <source>Sem logotipo</source>
        <translation>Sem logotipo</translation>
    </message>
    <message>
        <source>nenhum</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>Logotipo da empresa avaliadora</source>
        <translation>Logotipo da empresa avaliadora</translation>
    </message>
    <message>
        <source>Imagens (*.png *.jpg *.jpeg *.bmp)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>%1 não é uma imagem que o programa leia.</source>
        <translation>%1 não é uma imagem que o programa leia.</translation>
    </message>
</context>
<context>
    <name>sobre</name>
    <message>
        <source>Sobre</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>KT 9400</source>
        <translation></translation>
    </message>
    <message>
        <source>Medidor de Vibração Corpo Humano</source>
        <translation>Medidor de Vibração Corpo Humano</translation>
    </message>
    <message>
        <source>IEC 61260-1:2014</source>
        <translation></translation>
    </message>
    <message>
        <source>ISO 8041-1:2017</source>
        <translation></translation>
    </message>
    <message>
        <source>ISO 2631-1: 1997</source>
        <translation></translation>
    </message>
    <message>
        <source>ISO 5349-1:2001</source>
        <translation></translation>
    </message>
    <message>
        <source>NHO 09-2013</source>
        <translation></translation>
    </message>
    <message>
        <source>NHO 10:2013</source>
        <translation></translation>
    </message>
    <message>
        <source>NR-15</source>
        <translation></translation>
    </message>
    <message>
        <source>Corvalendis</source>
        <translation></translation>
    </message>
    <message>
        <source>Versão 1.0.0</source>
        <translation></translation>
    </message>
    <message>
        <source>Medidas guardadas em:</source>
        <translation>Medidas guardadas em:</translation>
    </message>
</context>
</TS>
