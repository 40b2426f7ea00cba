<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="pt_BR">
<context>
    <name>AvaliacaoExposicao</name>
    <message>
        <source>o resultado armazenado %1 não é um número</source>
        <translation>the stored result %1 is not a number</translation>
    </message>
    <message>
        <source>a exposição parcial %1 não tem repetições ou tempos utilizáveis</source>
        <translation>partial exposure %1 has no usable repetitions or times</translation>
    </message>
    <message>
        <source>as exposições parciais não somam tempo de exposição</source>
        <translation>the partial exposures add up to no exposure time</translation>
    </message>
    <message>
        <source>a componente %1 não tem um número utilizável em %2</source>
        <translation>component %1 has no usable number for %2</translation>
    </message>
    <message>
        <source>nenhuma tarefa utilizável</source>
        <translation>no usable task</translation>
    </message>
</context>
<context>
    <name>AvaliacaoGrupo</name>
    <message>
        <source>a jornada %1 não existe</source>
        <translation>the jornada %1 does not exist</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>the measurement %1 is not in the store</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Hand-arm: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Whole body: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Whole body: VDVR [m/s^1.75]</translation>
    </message>
</context>
<context>
    <name>AvaliacaoJornada</name>
    <message>
        <source>a referência não é MEDIDA/TAREFA/corpo ou MEDIDA/TAREFA/mao</source>
        <translation>the reference is not MEASUREMENT/TASK/corpo or MEASUREMENT/TASK/mao</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>the measurement %1 is not in the store</translation>
    </message>
    <message>
        <source>a tarefa %1 não está na medida</source>
        <translation>the task %1 is not in the measurement</translation>
    </message>
    <message>
        <source>repetições inválidas: %1</source>
        <translation>invalid repetitions: %1</translation>
    </message>
    <message>
        <source>tempo por repetição inválido: %1</source>
        <translation>invalid time per repetition: %1</translation>
    </message>
    <message>
        <source>o arep armazenado não é um número utilizável</source>
        <translation>the stored arep is not a usable number</translation>
    </message>
    <message>
        <source>os VDVi ou o tempo amostrado armazenados não são utilizáveis</source>
        <translation>the stored VDVi or sampled time are not usable</translation>
    </message>
</context>
<context>
    <name>DadosLaudo</name>
    <message>
        <source>Avaliar a exposição ocupacional do trabalhador a vibrações de mãos e braços e de corpo inteiro, quantificando-a conforme as NHO 09 e NHO 10 da FUNDACENTRO e comparando-a com os níveis de ação do Anexo I da NR-09 e os limites de exposição do Anexo 8 da NR-15.</source>
        <translation>To assess the worker&apos;s occupational exposure to hand-arm and whole-body vibration, quantifying it according to FUNDACENTRO&apos;s NHO 09 and NHO 10 and comparing it with the action levels of NR-09 Annex I and the exposure limits of NR-15 Annex 8.</translation>
    </message>
</context>
<context>
    <name>DocumentoLaudo</name>
    <message>
        <source>não informado</source>
        <translation>not stated</translation>
    </message>
    <message>
        <source>Laudo técnico de avaliação de vibrações</source>
        <translation>Vibration exposure survey report</translation>
    </message>
    <message>
        <source>Laudo nº %1</source>
        <translation>Survey report no. %1</translation>
    </message>
    <message>
        <source>Resumo</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Worker</translation>
    </message>
    <message>
        <source>Função</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Evaluated company</translation>
    </message>
    <message>
        <source>Empresa avaliadora</source>
        <translation>Evaluating company</translation>
    </message>
    <message>
        <source>Data da medição</source>
        <translation>Measurement date</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusion:</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation>CNPJ</translation>
    </message>
    <message>
        <source>Cidade</source>
        <translation>City</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES)</source>
        <translation>Similar exposure group (GES)</translation>
    </message>
    <message>
        <source>Jornada de trabalho</source>
        <translation>Working day</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Objetivo</source>
        <translation>Objective</translation>
    </message>
    <message>
        <source>Metodologia</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Whole body</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Hand-arm</translation>
    </message>
    <message>
        <source>NHO 09 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos, aceleração resultante de exposição normalizada (aren) e valor da dose de vibração resultante (VDVR).</source>
        <translation>FUNDACENTRO&apos;s NHO 09, with NR-09 Annex I and NR-15 Annex 8. Frequency-weighted acceleration on the three axes, normalised resultant exposure acceleration (aren) and resultant vibration dose value (VDVR).</translation>
    </message>
    <message>
        <source>NHO 10 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos e aceleração resultante de exposição normalizada (aren).</source>
        <translation>FUNDACENTRO&apos;s NHO 10, with NR-09 Annex I and NR-15 Annex 8. Frequency-weighted acceleration on the three axes and normalised resultant exposure acceleration (aren).</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>Filtro de ponderação</source>
        <translation>Weighting filter</translation>
    </message>
    <message>
        <source>Fator multiplicador</source>
        <translation>Multiplying factor</translation>
    </message>
    <message>
        <source>Período de amostragem:</source>
        <translation>Sampling period:</translation>
    </message>
    <message>
        <source>Tempo amostrado de cada tarefa diante do seu tempo de exposição na jornada:</source>
        <translation>Each task&apos;s sampled time against its exposure time in the working day:</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Body part</translation>
    </message>
    <message>
        <source>Tempo amostrado</source>
        <translation>Sampled time</translation>
    </message>
    <message>
        <source>Tempo de exposição</source>
        <translation>Exposure time</translation>
    </message>
    <message>
        <source>Cadeia de medição e calibração</source>
        <translation>Measurement chain and calibration</translation>
    </message>
    <message>
        <source>vencido</source>
        <translation>expired</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratory</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibrated on</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>Verificação de campo dos acelerômetros com o calibrador, antes e depois da medição (m/s²):</source>
        <translation>Field check of the accelerometers with the calibrator, before and after the measurement (m/s²):</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Accelerometer</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação</source>
        <translation>Activities and conditions of the evaluation</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Collective and personal protection in use:</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Time per repetition</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Total time</translation>
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
        <translation>Results and interpretation</translation>
    </message>
    <message>
        <source>Referência complementar: Diretiva 2002/44/CE</source>
        <translation>Complementary reference: Directive 2002/44/EC</translation>
    </message>
    <message>
        <source>Os valores brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus usam o eixo dominante e a média de energia das componentes. Por isso podem diferir.</source>
        <translation>The Brazilian values are the resultant of the three axes as the instrument stores it; the EU values use the dominant axis and the energy average of the components. They may therefore differ.</translation>
    </message>
    <message>
        <source>Conclusão e recomendações</source>
        <translation>Conclusion and recommendations</translation>
    </message>
    <message>
        <source>Responsável técnico</source>
        <translation>Responsible technician</translation>
    </message>
    <message>
        <source>Referências</source>
        <translation>References</translation>
    </message>
    <message>
        <source>NR-09, Anexo I (Vibração), aprovado pela Portaria MTP nº 426/2021; NR-15, Anexo 8 (Vibração); NHO 09 e NHO 10 da FUNDACENTRO; Diretiva 2002/44/CE (referência complementar).</source>
        <translation>NR-09, Annex I (Vibration), approved by Portaria MTP nº 426/2021; NR-15, Annex 8 (Vibration); FUNDACENTRO&apos;s NHO 09 and NHO 10; Directive 2002/44/EC (complementary reference).</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>não foi possível escrever o documento</source>
        <translation>the document could not be written</translation>
    </message>
    <message>
        <source>Anexo: aceleração de cada componente</source>
        <translation>Annex: acceleration of each component</translation>
    </message>
    <message>
        <source>Membros do grupo</source>
        <translation>Group members</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Working day</translation>
    </message>
    <message>
        <source>deixado de fora: %1</source>
        <translation>left out: %1</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Highest value&apos;s band</translation>
    </message>
    <message>
        <source>Nenhum membro do grupo pôde ser avaliado.</source>
        <translation>No member of the group could be evaluated.</translation>
    </message>
    <message>
        <source>O veredito do grupo é o do seu membro mais exposto, %1: %2. As tabelas a seguir são as desse membro.</source>
        <translation>The group&apos;s verdict is that of its most exposed member, %1: %2. The tables below are that member&apos;s.</translation>
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
        <translation>%1: neither a measurement nor a working day nor a group</translation>
    </message>
</context>
<context>
    <name>Edicao</name>
    <message>
        <source>N° de repetições: &quot;%1&quot; não é válido; digite um número inteiro igual ou maior que 0.</source>
        <translation>Number of repetitions: &quot;%1&quot; is not valid; type a whole number, 0 or greater.</translation>
    </message>
    <message>
        <source>Exposição Parcial: o nome não pode conter &quot;;&quot;.</source>
        <translation>Partial Exposure: the name cannot contain &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: &quot;%1&quot; não é válido; digite hh:mm:ss.</source>
        <translation>Mean Exposure Time: &quot;%1&quot; is not valid; type hh:mm:ss.</translation>
    </message>
</context>
<context>
    <name>GravacaoSegura</name>
    <message>
        <source>o arquivo não existe</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>é um link; nada é gravado através de links</source>
        <translation>it is a link; nothing is written through links</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>a pasta não pôde ser criada</source>
        <translation>the folder could not be created</translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>fica dentro da própria medida</source>
        <translation>it lies inside the measurement itself</translation>
    </message>
    <message>
        <source>é um link; nada é lido através de links</source>
        <translation>is a link; nothing is read through links</translation>
    </message>
    <message>
        <source>nem tudo pôde ser gravado</source>
        <translation>not everything could be written</translation>
    </message>
    <message>
        <source>o nome não está na codificação deste sistema (UTF-8); renomeie-o</source>
        <translation>the name is not in this system&apos;s encoding (UTF-8); rename it</translation>
    </message>
    <message>
        <source>a pasta não pode ser lida</source>
        <translation>the folder cannot be read</translation>
    </message>
    <message>
        <source>não pôde ser renomeado</source>
        <translation>could not be renamed</translation>
    </message>
    <message>
        <source>outra cópia desta medida foi gravada antes; nada foi substituído</source>
        <translation>another copy of this measurement was written first; nothing was replaced</translation>
    </message>
    <message>
        <source>a pasta não pôde ser substituída: %1</source>
        <translation>the folder could not be replaced: %1</translation>
    </message>
</context>
<context>
    <name>GuardaSaida</name>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Um trabalho ainda está em andamento. Deseja sair assim que ele terminar?
A medida em andamento termina inteira; as seguintes não são iniciadas.</source>
        <translation>Work is still in progress. Quit as soon as it ends?
The measurement at hand is finished whole; the next ones are not started.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>JanelaCalibracoes</name>
    <message>
        <source>Calibrações</source>
        <translation>Calibrations</translation>
    </message>
    <message>
        <source>Um certificado por equipamento: o instrumento pela sua identificação, cada acelerômetro pelo número de série que a configuração do instrumento dá, e o calibrador. Datas como dd/mm/aaaa.</source>
        <translation>One certificate per device: the instrument by its identity, each accelerometer by the serial number the instrument&apos;s configuration gives, and the calibrator. Dates as dd/mm/yyyy.</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificate</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratory</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibrated on</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Valid until</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Instrumento</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Accelerometer</translation>
    </message>
    <message>
        <source>Calibrador</source>
        <translation>Calibrator</translation>
    </message>
    <message>
        <source>Linha %1: falta a identificação do equipamento.</source>
        <translation>Row %1: the device&apos;s identity is missing.</translation>
    </message>
    <message>
        <source>Linha %1: datas de calibração e de validade como dd/mm/aaaa.</source>
        <translation>Row %1: calibration and validity dates as dd/mm/yyyy.</translation>
    </message>
    <message>
        <source>O registro não foi gravado.</source>
        <translation>The register was not saved.</translation>
    </message>
</context>
<context>
    <name>JanelaConfig</name>
    <message>
        <source>Configuração de Instrumento</source>
        <translation>Instrument Configuration</translation>
    </message>
    <message>
        <source>Configurações Gerais</source>
        <translation>General Settings</translation>
    </message>
    <message>
        <source>Periodo de Amostragem</source>
        <translation>Sampling Period</translation>
    </message>
    <message>
        <source>Medição Programada</source>
        <translation>Programmed Measurement</translation>
    </message>
    <message>
        <source>Sensor de Mãos e Bracos</source>
        <translation>Hand-Arm Sensor</translation>
    </message>
    <message>
        <source>Ponderação Frequência</source>
        <translation>Frequency Weighting</translation>
    </message>
    <message>
        <source>Fator Multiplicativo</source>
        <translation>Multiplying Factor</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
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
        <translation>Whole-Body Sensor</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>manual</source>
        <translation></translation>
    </message>
    <message>
        <source>Não foi possível gravar a configuração em %1. O instrumento não foi configurado.</source>
        <translation>The configuration could not be written to %1. The instrument was not configured.</translation>
    </message>
</context>
<context>
    <name>JanelaDadosLaudo</name>
    <message>
        <source>Dados do laudo</source>
        <translation>Survey report data</translation>
    </message>
    <message>
        <source>Número do laudo:</source>
        <translation>Survey report number:</translation>
    </message>
    <message>
        <source>Objetivo:</source>
        <translation>Objective:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES):</source>
        <translation>Similar exposure group (GES):</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação:</source>
        <translation>Activities and conditions of the evaluation:</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Collective and personal protection in use:</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusion:</translation>
    </message>
    <message>
        <source>Local de emissão:</source>
        <translation>Place of issue:</translation>
    </message>
    <message>
        <source>Data de emissão:</source>
        <translation>Date of issue:</translation>
    </message>
    <message>
        <source>Cadeia de medição</source>
        <translation>Measurement chain</translation>
    </message>
    <message>
        <source>Acelerômetro de corpo inteiro:</source>
        <translation>Whole-body accelerometer:</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços:</source>
        <translation>Hand-arm accelerometer:</translation>
    </message>
    <message>
        <source>Calibrador:</source>
        <translation>Calibrator:</translation>
    </message>
    <message>
        <source>Verificação de campo com o calibrador (m/s²)</source>
        <translation>Field check with the calibrator (m/s²)</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Corpo inteiro:</source>
        <translation>Whole body:</translation>
    </message>
    <message>
        <source>Mãos e braços:</source>
        <translation>Hand-arm:</translation>
    </message>
    <message>
        <source>Pendências (o laudo pode ser gerado mesmo assim):</source>
        <translation>Missing or doubtful (the survey report can be generated anyway):</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generate Survey Report</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>not stated</translation>
    </message>
    <message>
        <source>Medição %1 de %2 — trabalhador: %3; empresa avaliada: %4; setor: %5; responsável técnico: %6; instrumento: %7.</source>
        <translation>Measurement %1 of %2 — worker: %3; evaluated company: %4; sector: %5; responsible technician: %6; instrument: %7.</translation>
    </message>
    <message>
        <source>Os dados do laudo não foram gravados.</source>
        <translation>The survey report data were not saved.</translation>
    </message>
    <message>
        <source>Anexar o gráfico de aceleração de cada componente</source>
        <translation>Annex each component&apos;s acceleration chart</translation>
    </message>
</context>
<context>
    <name>Laudo</name>
    <message>
        <source>Instrumento</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Acelerômetro de corpo inteiro</source>
        <translation>Whole-body accelerometer</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços</source>
        <translation>Hand-arm accelerometer</translation>
    </message>
    <message>
        <source>Calibrador de vibração</source>
        <translation>Vibration calibrator</translation>
    </message>
    <message>
        <source>Número do laudo não informado.</source>
        <translation>Survey report number not stated.</translation>
    </message>
    <message>
        <source>Empresa avaliadora não informada.</source>
        <translation>Evaluating company not stated.</translation>
    </message>
    <message>
        <source>CNPJ da empresa avaliadora não informado.</source>
        <translation>Evaluating company&apos;s CNPJ not stated.</translation>
    </message>
    <message>
        <source>Empresa avaliada não informada.</source>
        <translation>Evaluated company not stated.</translation>
    </message>
    <message>
        <source>Funcionário avaliado não informado.</source>
        <translation>Evaluated worker not stated.</translation>
    </message>
    <message>
        <source>Função do trabalhador não informada.</source>
        <translation>Worker&apos;s job not stated.</translation>
    </message>
    <message>
        <source>Setor não informado.</source>
        <translation>Sector not stated.</translation>
    </message>
    <message>
        <source>Responsável técnico não informado.</source>
        <translation>Responsible technician not stated.</translation>
    </message>
    <message>
        <source>Registro profissional do responsável técnico não informado.</source>
        <translation>Responsible technician&apos;s professional registration not stated.</translation>
    </message>
    <message>
        <source>Data da medição desconhecida: a validade dos certificados não pôde ser conferida.</source>
        <translation>Measurement date unknown: the certificates&apos; validity could not be checked.</translation>
    </message>
    <message>
        <source>A medida não tem resultados avaliados.</source>
        <translation>The measurement has no evaluated results.</translation>
    </message>
    <message>
        <source>%1: identificação não informada.</source>
        <translation>%1: identification not stated.</translation>
    </message>
    <message>
        <source>%1 %2: sem certificado de calibração no registro.</source>
        <translation>%1 %2: no calibration certificate in the register.</translation>
    </message>
    <message>
        <source>%1 %2: certificado %3 vencido em %4, antes da medição de %5.</source>
        <translation>%1 %2: certificate %3 expired on %4, before the measurement of %5.</translation>
    </message>
    <message>
        <source>%1: sem verificação de campo.</source>
        <translation>%1: no field check.</translation>
    </message>
    <message>
        <source>A exposição avaliada está abaixo do nível de ação do Anexo I da NR-09 e do limite de exposição do Anexo 8 da NR-15: a condição é aceitável, não caracteriza insalubridade por vibrações e requer, no mínimo, a manutenção da condição existente.</source>
        <translation>The assessed exposure is below the action level of NR-09 Annex I and the exposure limit of NR-15 Annex 8: the condition is acceptable, does not characterise unhealthy work due to vibration and requires at least that the existing condition be kept.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do nível de ação do Anexo I da NR-09 e abaixo do limite de exposição do Anexo 8 da NR-15: não caracteriza insalubridade por vibrações, mas requer medidas preventivas, no mínimo, de acordo com o PGR.</source>
        <translation>The assessed exposure is above the action level of NR-09 Annex I and below the exposure limit of NR-15 Annex 8: it does not characterise unhealthy work due to vibration, but requires at least preventive measures, according to the PGR.</translation>
    </message>
    <message>
        <source>A exposição avaliada está na região de incerteza das NHO 09 e NHO 10: requer a adoção de medidas preventivas e corretivas, visando à redução da exposição diária, e a avaliação não permite afastar a caracterização de insalubridade pelo Anexo 8 da NR-15.</source>
        <translation>The assessed exposure is in the uncertainty region of NHO 09 and NHO 10: it requires preventive and corrective measures to reduce the daily exposure, and the assessment does not rule out unhealthy work under NR-15 Annex 8.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do limite de exposição do Anexo 8 da NR-15: caracteriza insalubridade em grau médio e requer a adoção imediata de medidas corretivas.</source>
        <translation>The assessed exposure is above the exposure limit of NR-15 Annex 8: it characterises unhealthy work of medium degree and requires immediate corrective measures.</translation>
    </message>
    <message>
        <source>A exposição não pôde ser quantificada com os dados desta medição: não é possível concluir.</source>
        <translation>The exposure could not be quantified with the data of this measurement: no conclusion is possible.</translation>
    </message>
    <message>
        <source>Tarefa %1 deixada de fora: %2</source>
        <translation>Task %1 left out: %2</translation>
    </message>
    <message>
        <source>Jornada %1 (%2 medições)</source>
        <translation>Working day %1 (%2 measurements)</translation>
    </message>
    <message>
        <source>Membro %1 deixado de fora: %2</source>
        <translation>Member %1 left out: %2</translation>
    </message>
    <message>
        <source>membros do grupo %1</source>
        <translation>members of the group %1</translation>
    </message>
    <message>
        <source>Grupo %1 (%2 membros)</source>
        <translation>Group %1 (%2 members)</translation>
    </message>
</context>
<context>
    <name>LeitorAmostras</name>
    <message>
        <source>%1: o arquivo mudou durante a leitura</source>
        <translation>%1: the file changed while it was read</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Vibration Meter - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Id do Equipamento</source>
        <translation>Equipment Id</translation>
    </message>
    <message>
        <source>CONFIGURAR</source>
        <translation>CONFIGURE</translation>
    </message>
    <message>
        <source>Perfil</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Evaluating Company:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation></translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsible Technician:</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Medições:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Measurements:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baixar Tudo</source>
        <translation>Download All</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Adicionar Perfil</source>
        <translation>Add Profile</translation>
    </message>
    <message>
        <source>Configurar</source>
        <translation>Configure</translation>
    </message>
    <message>
        <source>Deletar dados do equipamento</source>
        <translation>Delete equipment data</translation>
    </message>
    <message>
        <source>Mudar Idioma</source>
        <translation>Change Language</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation></translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Dispositivo conectado</source>
        <translation>Device connected</translation>
    </message>
    <message>
        <source>Dispositivo desconectado</source>
        <translation>Device disconnected</translation>
    </message>
    <message>
        <source>Há mais de um instrumento KT9400 conectado; usando o de %1.</source>
        <translation>More than one KT9400 instrument is connected; using the one at %1.</translation>
    </message>
    <message>
        <source>Procurando e conectando com o instrumento...</source>
        <translation>Searching and connecting with the instrument ...</translation>
    </message>
    <message>
        <source>Dispositivo conectado!</source>
        <translation>Device connected!</translation>
    </message>
    <message>
        <source>Dispositivo desconectado!</source>
        <translation>Device disconnected!</translation>
    </message>
    <message>
        <source>A pasta DATA não foi encontrada no instrumento.</source>
        <translation>The DATA folder was not found on the instrument.</translation>
    </message>
    <message>
        <source>Configurar Equipamento</source>
        <translation>Configure Equipment</translation>
    </message>
    <message>
        <source>Equipamento desconectado.
Não foi possível abrir as configurações</source>
        <translation>Equipment disconnected.
The settings could not be opened</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Portuguese</translation>
    </message>
    <message>
        <source>Inglês</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Espanhol</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Select the language</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Nome da Medição</source>
        <translation>Measurement Name</translation>
    </message>
    <message>
        <source>Data de Criação</source>
        <translation>Creation Date</translation>
    </message>
    <message>
        <source>Status</source>
        <translation></translation>
    </message>
    <message>
        <source>%1: a pasta não é uma medida (ou o instrumento foi desconectado).</source>
        <translation>%1: the folder is not a measurement (or the instrument was disconnected).</translation>
    </message>
    <message>
        <source>%1: não foi possível gravar o arquivo da medida no instrumento.</source>
        <translation>%1: the measurement file on the instrument could not be written.</translation>
    </message>
    <message>
        <source>%1: não foi possível renomear a medida no instrumento; nada foi copiado.</source>
        <translation>%1: the measurement could not be renamed on the instrument; nothing was copied.</translation>
    </message>
    <message>
        <source>%1: a cópia não foi concluída; nada foi gravado no computador.</source>
        <translation>%1: the copy did not complete; nothing was written to the computer.</translation>
    </message>
    <message>
        <source>Baixar Dado</source>
        <translation>Download Data</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel baixar medida</source>
        <translation>Instrument disconnected.
The measurement cannot be downloaded</translation>
    </message>
    <message>
        <source>Ja existe uma medida com este nome deseja substituir? </source>
        <translation>A measurement with this name already exists, do you want to replace it? </translation>
    </message>
    <message>
        <source>Tem certeza que deseja baixar esta medida?</source>
        <translation>Are you sure you want to download this measurement?</translation>
    </message>
    <message>
        <source>Baixar Dado !!</source>
        <translation>Download Data !!</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Baixar todos os dados</source>
        <translation>Download all data</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não foi possível baixar dados</source>
        <translation>Instrument disconnected.
The data could not be downloaded</translation>
    </message>
    <message>
        <source>Baixando dados do instrumento...</source>
        <translation>Downloading data from the instrument...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas se ja estiveram baixadas?</source>
        <translation>Do you want to replace the measurements already downloaded?</translation>
    </message>
    <message>
        <source>Download Concluído !</source>
        <translation>Download Complete !</translation>
    </message>
    <message>
        <source>Dados do instrumento foram baixados no computador !!</source>
        <translation>The instrument data were downloaded to the computer !!</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) não foram baixadas:</source>
        <translation>
            <numerusform>%n measurement was not downloaded:</numerusform>
            <numerusform>%n measurements were not downloaded:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nem todas as medidas foram baixadas.</source>
        <translation>Not every measurement was downloaded.</translation>
    </message>
    <message>
        <source>Importar Arquivo</source>
        <translation>Import File</translation>
    </message>
    <message>
        <source>Esta pasta não é uma medida, selecione a medida correta.</source>
        <translation>This folder is not a measurement, select the right measurement.</translation>
    </message>
    <message>
        <source>Importar Arquivos</source>
        <translation>Import Files</translation>
    </message>
    <message>
        <source>Esta medida ja existe, deseja substitui-la no seu computador ?</source>
        <translation>This measurement already exists, do you want to replace it on your computer?</translation>
    </message>
    <message>
        <source>Medida importada com sucesso!</source>
        <translation>Measurement imported successfully!</translation>
    </message>
    <message>
        <source>A importação não foi concluída; nada foi gravado no computador.</source>
        <translation>The import did not complete; nothing was written to the computer.</translation>
    </message>
    <message>
        <source>Exportar Arquivo</source>
        <translation>Export File</translation>
    </message>
    <message>
        <source>Arquivos exportados com sucesso!</source>
        <translation>Files exported successfully!</translation>
    </message>
    <message>
        <source>Deletar Dados</source>
        <translation>Delete Data</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel deletar dados</source>
        <translation>Instrument disconnected.
The data cannot be deleted</translation>
    </message>
    <message>
        <source>Tem certeza que quer deletar todos os arquivos do equipamento?</source>
        <translation>Are you sure you want to delete all files of the equipment?</translation>
    </message>
    <message>
        <source>Seus dados não foram baixados, deseja excluir todos os arquivos do equipamento mesmo assim?</source>
        <translation>Your data were not downloaded, do you want to delete all files of the equipment anyway?</translation>
    </message>
    <message>
        <source>Deletar todos os dados</source>
        <translation>Delete all data</translation>
    </message>
    <message>
        <source>Deletando dados do Instrumento ...</source>
        <translation>Deleting instrument data ...</translation>
    </message>
    <message>
        <source>Dados deletados!</source>
        <translation>Data deleted!</translation>
    </message>
    <message numerus="yes">
        <source>%n arquivo(s) não puderam ser deletados.</source>
        <translation>
            <numerusform>%n file could not be deleted.</numerusform>
            <numerusform>%n files could not be deleted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>The language choice could not be saved.</translation>
    </message>
    <message>
        <source>%1: %2 é um link; nada foi gravado no computador.</source>
        <translation>%1: %2 is a link; nothing was written to the computer.</translation>
    </message>
    <message>
        <source>Links não são copiados; ficaram de fora:</source>
        <translation>Links are not copied; these were left out:</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi gravado no computador.</source>
        <translation>%1 is a link; nothing was written to the computer.</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi exportado.</source>
        <translation>%1 is a link; nothing was exported.</translation>
    </message>
    <message>
        <source>A exportação não foi concluída; nada foi gravado em %1.</source>
        <translation>The export did not complete; nothing was written to %1.</translation>
    </message>
    <message numerus="yes">
        <source>  … e mais %n.</source>
        <translation>
            <numerusform>  … and %n more.</numerusform>
            <numerusform>  … and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador será(ão) substituída(s) pela cópia do instrumento:</source>
        <translation>
            <numerusform>This measurement is already on the computer and will be replaced by the instrument&apos;s copy:</numerusform>
            <numerusform>These %n measurements are already on the computer and will be replaced by the instrument&apos;s copy:</numerusform>
        </translation>
    </message>
    <message>
        <source>As alterações feitas no programa (identificação, observações, exposições parciais, componentes apagados) serão perdidas.</source>
        <translation>The changes made in the program (identification, observations, partial exposures, deleted components) will be lost.</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador mantida(s) como estava(m).</source>
        <translation>
            <numerusform>%n measurement already on the computer was kept as it was.</numerusform>
            <numerusform>%n measurements already on the computer were kept as they were.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Baixando %1 de %2: %3</source>
        <translation>Downloading %1 of %2: %3</translation>
    </message>
    <message>
        <source>Interrompido: %1 de %2 medidas baixadas.</source>
        <translation>Interrupted: %1 of %2 measurements downloaded.</translation>
    </message>
    <message>
        <source>Importando a medida...</source>
        <translation>Importing the measurement...</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Lendo as medidas do instrumento e do computador...</source>
        <translation>Reading the measurements on the instrument and the computer...</translation>
    </message>
    <message>
        <source>Baixando %1...</source>
        <translation>Downloading %1...</translation>
    </message>
    <message>
        <source>Interrompendo: a medida em andamento termina inteira...</source>
        <translation>Stopping: the measurement at hand is finished whole...</translation>
    </message>
    <message>
        <source>%1: os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>%1: the results could not be read or written; nothing was saved on the computer.</translation>
    </message>
    <message>
        <source>Os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>The results could not be read or written; nothing was saved on the computer.</translation>
    </message>
    <message>
        <source>Medidor de Vibração</source>
        <translation>Vibration Meter</translation>
    </message>
    <message>
        <source>Calibrações</source>
        <translation>Calibrations</translation>
    </message>
    <message>
        <source>Jornadas
e grupos</source>
        <translation>Working days
and groups</translation>
    </message>
    <message>
        <source>Exportar planilha...</source>
        <translation>Export spreadsheet...</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Export spreadsheet</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv)</source>
        <translation>CSV spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Escrevendo a planilha...</source>
        <translation>Writing the spreadsheet...</translation>
    </message>
    <message>
        <source>%1 medições escritas em %2.</source>
        <translation>%1 measurements written to %2.</translation>
    </message>
    <message>
        <source>Exportar Arquivos - Selecione o destino das medidas</source>
        <translation>Export Files - Choose where the measurements go</translation>
    </message>
    <message>
        <source>Exportando as medidas...</source>
        <translation>Exporting the measurements...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas que já estão no computador?</source>
        <translation>Replace the measurements already on the computer?</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)...</source>
        <translation>Export to eSocial (S-2240)...</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)</source>
        <translation>Export to eSocial (S-2240)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Lendo os valores...</source>
        <translation>Reading the values...</translation>
    </message>
    <message>
        <source>%1 valores escritos em %2.</source>
        <translation>%1 values written to %2.</translation>
    </message>
    <message>
        <source>A área de trabalho não tem um navegador que abra o manual. Abra o endereço à mão:</source>
        <translation>The desktop has no browser to open the manual. Open the address by hand:</translation>
    </message>
    <message>
        <source>Não foi possível criar a pasta das medidas, %1: nada poderá ser baixado, importado nem consultado.</source>
        <translation>The measurements folder %1 could not be created: nothing can be downloaded, imported or viewed.</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Vibration Meter - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Resultantes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Resulting Exposures&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sincronizar dados 
do computador</source>
        <translation>Synchronise data 
of the computer</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Parciais (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Partial Exposures (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Componentes Exposição (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposure Components (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Evaluating Company:</translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsible Technician:</translation>
    </message>
    <message>
        <source>Empresa Avaliada:</source>
        <translation>Evaluated Company:</translation>
    </message>
    <message>
        <source>Funcionário Avaliado:</source>
        <translation>Evaluated Worker:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Sector:</translation>
    </message>
    <message>
        <source>Jornada de Trabalho:</source>
        <translation>Working Day:</translation>
    </message>
    <message>
        <source>:</source>
        <translation></translation>
    </message>
    <message>
        <source>Nome da exposição</source>
        <translation>Exposure name</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Creation date:</translation>
    </message>
    <message>
        <source>Nº exposições parciais</source>
        <translation>No. of partial exposures</translation>
    </message>
    <message>
        <source>Nº componentes</source>
        <translation>No. of components</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Whole-Body Resultant</translation>
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
        <translation>Hand-Arm Resultant</translation>
    </message>
    <message>
        <source>Exposição Parcial</source>
        <translation>Partial Exposure</translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Partial Exposure: </translation>
    </message>
    <message>
        <source>N° de repetições: </source>
        <translation>No. of repetitions: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Mean Exposure Time: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Total Exposure Time: </translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Sampled Time: </translation>
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
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Component Name: </translation>
    </message>
    <message>
        <source>Inicio: </source>
        <translation>Start: </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>End: </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duration: </translation>
    </message>
    <message>
        <source>Periodo de amostragem:</source>
        <translation>Sampling period:</translation>
    </message>
    <message>
        <source>Tipo de sensor: </source>
        <translation>Sensor type: </translation>
    </message>
    <message>
        <source>Sensibilidade (X):</source>
        <translation>Sensitivity (X):</translation>
    </message>
    <message>
        <source>Sensibilidade (Y): </source>
        <translation>Sensitivity (Y): </translation>
    </message>
    <message>
        <source>Sensibilidade (Z): </source>
        <translation>Sensitivity (Z): </translation>
    </message>
    <message>
        <source>Filtros aplicados: </source>
        <translation>Applied filters: </translation>
    </message>
    <message>
        <source>Componente</source>
        <translation>Component</translation>
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
        <translation>Peak (X): </translation>
    </message>
    <message>
        <source>Pico (Y): </source>
        <translation>Peak (Y): </translation>
    </message>
    <message>
        <source>Pico (Z): </source>
        <translation>Peak (Z): </translation>
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
        <translation>Line Chart</translation>
    </message>
    <message>
        <source>Gráfico Bandas</source>
        <translation>Bands Chart</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Gerar Relatorio</source>
        <translation>Generate Report</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Sincronizando dados salvos no computador ...</source>
        <translation>Synchronising data saved on the computer ...</translation>
    </message>
    <message>
        <source>Sincronizar dados do computador</source>
        <translation>Synchronise computer data</translation>
    </message>
    <message>
        <source>Dados salvos no computador sincronizados</source>
        <translation>Data saved on the computer synchronised</translation>
    </message>
    <message>
        <source>Dados do computador Sincronizados !!</source>
        <translation>Computer data Synchronised !!</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Tipo Sensor</source>
        <translation>Sensor Type</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>Tempo Exp.</source>
        <translation>Exp. Time</translation>
    </message>
    <message>
        <source>Tempo Comp.</source>
        <translation>Comp. Time</translation>
    </message>
    <message>
        <source>Deletar Exposição</source>
        <translation>Delete Exposure</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar esta exposição em seu computador?</source>
        <translation>Are you sure you want to delete this exposure from your computer?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição %1.</source>
        <translation>The exposure %1 could not be deleted.</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição parcial ou recalcular a medida.</source>
        <translation>The partial exposure could not be deleted or the measurement recalculated.</translation>
    </message>
    <message>
        <source>Deletar a Exposição Unificada</source>
        <translation>Delete the Unified Exposure</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar essa exposição em seu computador ?</source>
        <translation>Are you sure you want to delete this exposure from your computer ?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a componente ou recalcular a medida.</source>
        <translation>The component could not be deleted or the measurement recalculated.</translation>
    </message>
    <message>
        <source>Não foi possível salvar a observação em %1.</source>
        <translation>The observation could not be saved in %1.</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Editar Identificação</source>
        <translation>Edit Identification</translation>
    </message>
    <message>
        <source>Salvar dados Identificação ?</source>
        <translation>Save identification data ?</translation>
    </message>
    <message>
        <source>Não foi possível salvar a identificação em %1.</source>
        <translation>The identification could not be saved in %1.</translation>
    </message>
    <message>
        <source>Editar Dados</source>
        <translation>Edit Data</translation>
    </message>
    <message>
        <source>Deseja alterar os dados para recalcular ?</source>
        <translation>Do you want to change the data to recalculate?</translation>
    </message>
    <message>
        <source>Não foi possível salvar os dados ou recalcular a medida.</source>
        <translation>The data could not be saved or the measurement recalculated.</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>This measurement has no evaluated whole-body or hand-arm results.</translation>
    </message>
    <message>
        <source>Gravando e recalculando a medida...</source>
        <translation>Saving and recalculating the measurement...</translation>
    </message>
    <message>
        <source>Trabalhador: %1; medida %2 de %3.</source>
        <translation>Worker: %1; measurement %2 of %3.</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Tarefa: %1 (%2).</source>
        <translation>Task: %1 (%2).</translation>
    </message>
    <message>
        <source>mãos e braços</source>
        <translation>hand-arm</translation>
    </message>
    <message>
        <source>corpo inteiro</source>
        <translation>whole body</translation>
    </message>
    <message>
        <source>Componente: %1, %2 s.</source>
        <translation>Component: %1, %2 s.</translation>
    </message>
    <message>
        <source>Avaliando a exposição...</source>
        <translation>Assessing the exposure...</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generate Survey Report</translation>
    </message>
    <message>
        <source>Buscar: empresa, trabalhador, setor, tarefa ou observação</source>
        <translation>Search: company, worker, sector, task or observation</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>até</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Qualquer veredito</source>
        <translation>Any verdict</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Evaluated company</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>NR verdict</translation>
    </message>
</context>
<context>
    <name>PaginaJornadas</name>
    <message>
        <source>Volta lá</source>
        <translation>Back there</translation>
    </message>
    <message>
        <source>Jornadas e grupos</source>
        <translation>Working days and groups</translation>
    </message>
    <message>
        <source>Jornadas</source>
        <translation>Working days</translation>
    </message>
    <message>
        <source>Nova</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Renomear</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Groups</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Escolha uma jornada ou um grupo, ou crie um novo.</source>
        <translation>Choose a working day or a group, or create a new one.</translation>
    </message>
    <message>
        <source>Trabalhador:</source>
        <translation>Worker:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Job:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Sector:</translation>
    </message>
    <message>
        <source>Data (dd/mm/aaaa):</source>
        <translation>Date (dd/mm/yyyy):</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Body part</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Time per repetition</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Adicionar tarefas...</source>
        <translation>Add tasks...</translation>
    </message>
    <message>
        <source>Remover tarefa</source>
        <translation>Remove task</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Hand-arm: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Whole body: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Whole body: VDVR [m/s^1.75]</translation>
    </message>
    <message>
        <source>Adicionar jornadas...</source>
        <translation>Add working days...</translation>
    </message>
    <message>
        <source>Adicionar medidas...</source>
        <translation>Add measurements...</translation>
    </message>
    <message>
        <source>Remover membro</source>
        <translation>Remove member</translation>
    </message>
    <message>
        <source>Resumo do grupo</source>
        <translation>Group summary</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Members</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Highest value&apos;s band</translation>
    </message>
    <message>
        <source>Salvar as alterações de &quot;%1&quot;?</source>
        <translation>Save the changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Descartar</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Working day</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nome inválido: &quot;%1&quot;.</source>
        <translation>Invalid name: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Já existe &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; already exists.</translation>
    </message>
    <message>
        <source>Apagar a jornada &quot;%1&quot;?</source>
        <translation>Delete the working day &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Apagar o grupo &quot;%1&quot;?</source>
        <translation>Delete the group &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Whole body</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Hand-arm</translation>
    </message>
    <message>
        <source>usada</source>
        <translation>used</translation>
    </message>
    <message>
        <source>deixada de fora: %1</source>
        <translation>left out: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não foi gravado.</source>
        <translation>&quot;%1&quot; was not saved.</translation>
    </message>
    <message>
        <source>deixado de fora: %1</source>
        <translation>left out: %1</translation>
    </message>
    <message>
        <source>Veredito do grupo: não calculado (nenhum membro avaliado).</source>
        <translation>Group&apos;s verdict: not computed (no member evaluated).</translation>
    </message>
    <message>
        <source>Veredito do grupo: %1 — o do membro mais exposto, %2.</source>
        <translation>Group&apos;s verdict: %1 — that of its most exposed member, %2.</translation>
    </message>
    <message>
        <source>Adicionar jornadas</source>
        <translation>Add working days</translation>
    </message>
    <message>
        <source>Jornada:</source>
        <translation>Working day:</translation>
    </message>
    <message>
        <source>Adicionar medidas</source>
        <translation>Add measurements</translation>
    </message>
    <message>
        <source>Ela é membro de: %1.</source>
        <translation>It is a member of: %1.</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generate Survey Report</translation>
    </message>
</context>
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
    <message>
        <source>Aceleração Total dos Eixos</source>
        <translation>Total Acceleration of the Axes</translation>
    </message>
    <message>
        <source>Frequência [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Vibração [dB]</source>
        <translation>Vibration [dB]</translation>
    </message>
    <message>
        <source>Relatório Medidor de Vibração - KT9400 - </source>
        <translation>Vibration Meter Report - KT9400 - </translation>
    </message>
    <message>
        <source>Identificação: </source>
        <translation>Identification: </translation>
    </message>
    <message>
        <source>Empresa Avaliadora: </source>
        <translation>Evaluating Company: </translation>
    </message>
    <message>
        <source>Responsável Técnico: </source>
        <translation>Responsible Technician: </translation>
    </message>
    <message>
        <source>Empresa Avaliada: </source>
        <translation>Evaluated Company: </translation>
    </message>
    <message>
        <source>Funcionário Avaliado: </source>
        <translation>Evaluated Worker: </translation>
    </message>
    <message>
        <source>Setor: </source>
        <translation>Sector: </translation>
    </message>
    <message>
        <source>Nome da Exposição: </source>
        <translation>Exposure Name: </translation>
    </message>
    <message>
        <source>Data de Criação: </source>
        <translation>Creation Date: </translation>
    </message>
    <message>
        <source>Jornada de Trabalho: </source>
        <translation>Working Day: </translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Whole-Body Resultant</translation>
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
        <translation>Hand-Arm Resultant</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Observations:</translation>
    </message>
    <message>
        <source>Exposições Parciais de Corpo</source>
        <translation>Whole-Body Partial Exposures</translation>
    </message>
    <message>
        <source>Exposições Parciais de Mãos e Braços</source>
        <translation>Hand-Arm Partial Exposures</translation>
    </message>
    <message>
        <source>Exposição Parcial </source>
        <translation>Partial Exposure </translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Partial Exposure: </translation>
    </message>
    <message>
        <source>Nº Repetições: </source>
        <translation>No. of Repetitions: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Mean Exposure Time: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Total Exposure Time: </translation>
    </message>
    <message>
        <source>arep [m/s²]: </source>
        <translation></translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Sampled Time: </translation>
    </message>
    <message>
        <source> Componentes de Corpo - Exposição Parcial </source>
        <translation> Whole-Body Components - Partial Exposure </translation>
    </message>
    <message>
        <source> Componentes de Mãos e Braços - Exposição Parcial </source>
        <translation> Hand-Arm Components - Partial Exposure </translation>
    </message>
    <message>
        <source> Componente </source>
        <translation> Component </translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Component Name: </translation>
    </message>
    <message>
        <source>Tipo de Sensor: </source>
        <translation>Sensor Type: </translation>
    </message>
    <message>
        <source>Inicio: </source>
        <translation>Start: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(x): </source>
        <translation>Multiplying Factor(x): </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>End: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(y): </source>
        <translation>Multiplying Factor(y): </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duration: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(z): </source>
        <translation>Multiplying Factor(z): </translation>
    </message>
    <message>
        <source>Período de Amostragem: </source>
        <translation>Sampling Period: </translation>
    </message>
    <message>
        <source>Filtros aplicados (X ,Y, Z):  </source>
        <translation>Applied filters (X ,Y, Z):  </translation>
    </message>
    <message>
        <source>Variáveis:</source>
        <translation>Variables:</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Axis</translation>
    </message>
    <message>
        <source>Amj [m/s²]</source>
        <translation></translation>
    </message>
    <message>
        <source>Pico</source>
        <translation>Peak</translation>
    </message>
    <message>
        <source>VDV [m/s1,75]</source>
        <translation></translation>
    </message>
    <message>
        <source>Graficos:</source>
        <translation>Charts:</translation>
    </message>
    <message>
        <source> Tabela da Componente </source>
        <translation> Component Table </translation>
    </message>
    <message>
        <source>Destino do Relatório - PDF</source>
        <translation>Report Destination - PDF</translation>
    </message>
    <message>
        <source>Gerar Relatório</source>
        <translation>Generate Report</translation>
    </message>
    <message>
        <source>Erro ao gerar relatório</source>
        <translation>Error generating report</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>The language choice could not be saved.</translation>
    </message>
    <message>
        <source>Nenhum arquivo escolhido.</source>
        <translation>No file chosen.</translation>
    </message>
    <message>
        <source>Avaliação da exposição</source>
        <translation>Exposure assessment</translation>
    </message>
    <message>
        <source>Instrumento: </source>
        <translation>Instrument: </translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>This measurement has no evaluated whole-body or hand-arm results.</translation>
    </message>
    <message>
        <source>Não calculado:</source>
        <translation>Not computed:</translation>
    </message>
    <message>
        <source>Gerando o relatório...</source>
        <translation>Writing the report...</translation>
    </message>
    <message>
        <source>interrompido</source>
        <translation>stopped</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gerando o relatório: componente %1 de %2</source>
        <translation>Generating the report: component %1 of %2</translation>
    </message>
    <message>
        <source>Interrompendo: o relatório não será gravado...</source>
        <translation>Stopping: the report will not be written...</translation>
    </message>
    <message>
        <source>não é um PDF inteiro</source>
        <translation>not a whole PDF</translation>
    </message>
    <message>
        <source>nenhuma parte</source>
        <translation>no part</translation>
    </message>
    <message>
        <source>Destino do Laudo</source>
        <translation>Survey report destination</translation>
    </message>
    <message>
        <source>Laudo</source>
        <translation>Survey report</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;OpenDocument (*.odt)</source>
        <translation>PDF (*.pdf);;OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generate Survey Report</translation>
    </message>
    <message>
        <source>Gerando o laudo...</source>
        <translation>Generating the survey report...</translation>
    </message>
    <message>
        <source>Erro ao gerar o laudo</source>
        <translation>Error generating the survey report</translation>
    </message>
    <message>
        <source>O laudo foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>The survey report was written, but the desktop has no program to open it. Open it by hand:</translation>
    </message>
    <message>
        <source>O relatório foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>The report was written, but the desktop has no program to open it. Open it by hand:</translation>
    </message>
</context>
<context>
    <name>SeletorArmazem</name>
    <message>
        <source>Adicionar tarefas</source>
        <translation>Add tasks</translation>
    </message>
    <message>
        <source>Buscar por trabalhador, empresa, setor, data ou tarefa</source>
        <translation>Search by worker, company, sector, date or task</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Escolher medidas</source>
        <translation>Choose measurements</translation>
    </message>
    <message>
        <source>Lendo as medidas do armazém...</source>
        <translation>Reading the store&apos;s measurements...</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Whole body</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Hand-arm</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Worker</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Evaluated company</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Task</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Body part</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>NR verdict</translation>
    </message>
    <message>
        <source>Tarefas: %1</source>
        <translation>Tasks: %1</translation>
    </message>
    <message>
        <source>Jornada</source>
        <translation>Working day</translation>
    </message>
    <message>
        <source>Grupo</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Itens: %1</source>
        <translation>Items: %1</translation>
    </message>
</context>
<context>
    <name>TabelasAvaliacao</name>
    <message>
        <source>Brasil: NR-09 e NR-15, com a NHO 09 e a NHO 10 da FUNDACENTRO</source>
        <translation>Brazil: NR-09 and NR-15, with FUNDACENTRO&apos;s NHO 09 and NHO 10</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Faixas</source>
        <translation>Bands</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ação recomendada</source>
        <translation>Recommended action</translation>
    </message>
    <message>
        <source>Corpo inteiro: a pior das duas</source>
        <translation>Whole body: the worse of the two</translation>
    </message>
    <message>
        <source>União Europeia: Diretiva 2002/44/CE</source>
        <translation>European Union: Directive 2002/44/EC</translation>
    </message>
    <message>
        <source>Ação / Limite</source>
        <translation>Action / Limit</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Ação após</source>
        <translation>Action after</translation>
    </message>
    <message>
        <source>Limite após</source>
        <translation>Limit after</translation>
    </message>
    <message>
        <source>Valores de ação e limite da exposição diária: Diretiva 2002/44/CE, artigo 3 (mãos e braços A(8) 2.5 e 5 m/s²; corpo inteiro A(8) 0.5 e 1.15 m/s², VDV 9.1 e 21 m/s^1.75). A(8) a partir dos tempos de exposição e da referência de 8 h, cada tarefa pela média de energia das componentes ponderada pela duração (ISO 5349-1; ISO 2631-1, com os fatores 1.4, 1.4 e 1 dos eixos x, y e z). VDV estendido ao tempo de exposição pela quarta potência (ISO 2631-1). Pontos: 100 no valor de ação, crescendo com o quadrado de A(8). Tempos: exposição, no ritmo médio do dia, após a qual cada valor é atingido (hh:mm).</source>
        <translation>Daily exposure action and limit values: Directive 2002/44/EC, article 3 (hand-arm A(8) 2.5 and 5 m/s²; whole body A(8) 0.5 and 1.15 m/s², VDV 9.1 and 21 m/s^1.75). A(8) from the exposure times and the 8-hour reference, each task by the energy average of its components weighted by their durations (ISO 5349-1; ISO 2631-1, with the factors 1.4, 1.4 and 1 of the x, y and z axes). VDV extended to the exposure time by the fourth power (ISO 2631-1). Points: 100 at the action value, growing with the square of A(8). Times: exposure, at the day&apos;s mean rate, after which each value is reached (hh:mm).</translation>
    </message>
    <message>
        <source>tempos não calculados: %1</source>
        <translation>times not computed: %1</translation>
    </message>
    <message>
        <source>Mãos e braços: A(8) [m/s²]</source>
        <translation>Hand-arm: A(8) [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)x [m/s²]</source>
        <translation>Whole body: 1.4·A(8)x [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)y [m/s²]</source>
        <translation>Whole body: 1.4·A(8)y [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8)z [m/s²]</source>
        <translation>Whole body: A(8)z [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8), eixo dominante %1 [m/s²]</source>
        <translation>Whole body: A(8), dominant axis %1 [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]</source>
        <translation>Whole body: largest VDVexp, axis %1 [m/s^1.75]</translation>
    </message>
    <message>
        <source>Aceitável</source>
        <translation>Acceptable</translation>
    </message>
    <message>
        <source>Acima do nível de ação</source>
        <translation>Above the action level</translation>
    </message>
    <message>
        <source>Região de incerteza</source>
        <translation>Uncertainty region</translation>
    </message>
    <message>
        <source>Acima do limite de exposição</source>
        <translation>Above the exposure limit</translation>
    </message>
    <message>
        <source>Não calculado</source>
        <translation>Not computed</translation>
    </message>
    <message>
        <source>No mínimo manutenção da condição existente</source>
        <translation>At least maintain the present condition</translation>
    </message>
    <message>
        <source>No mínimo adoção de medidas preventivas</source>
        <translation>At least adopt preventive measures</translation>
    </message>
    <message>
        <source>Adoção de medidas preventivas e corretivas visando à redução da exposição diária</source>
        <translation>Adopt preventive and corrective measures to reduce the daily exposure</translation>
    </message>
    <message>
        <source>Adoção imediata de medidas corretivas</source>
        <translation>Adopt corrective measures at once</translation>
    </message>
    <message>
        <source>Abaixo do nível de ação</source>
        <translation>Below the action value</translation>
    </message>
    <message>
        <source>Nível de ação atingido</source>
        <translation>Action value reached</translation>
    </message>
    <message>
        <source>Limite de exposição atingido</source>
        <translation>Limit value reached</translation>
    </message>
    <message>
        <source>nunca</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Os dois critérios podem dar valores diferentes: os brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus, o eixo dominante, com a média de energia dos componentes ponderada pela duração.</source>
        <translation>The two criteria may give different figures: the Brazilian ones are the resultant of the three axes, as the instrument stores it; the European ones, the dominant axis, with the energy average of the components weighted by their durations.</translation>
    </message>
    <message>
        <source>Níveis de ação: NR-09, Anexo I, aprovado pela Portaria MTP nº 426/2021 (mãos e braços aren 2.5 m/s²; corpo inteiro aren 0.5 m/s² e VDVR 9.1 m/s^1.75). Limites de exposição: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² e 21.0 m/s^1.75). Região de incerteza e ações recomendadas: tabelas de decisão da NHO 10 (mãos e braços, 3.5 a 5.0 m/s²) e da NHO 09 (corpo inteiro, 0.9 a 1.1 m/s² e 16.4 a 21.0 m/s^1.75). Valores como armazenados na medida.</source>
        <translation>Action levels: NR-09, Annex I, approved by Portaria MTP nº 426/2021 (hand-arm aren 2.5 m/s²; whole body aren 0.5 m/s² and VDVR 9.1 m/s^1.75). Exposure limits: NR-15, Annex 8 (5.0 m/s²; 1.1 m/s² and 21.0 m/s^1.75). Uncertainty region and recommended actions: the decision tables of NHO 10 (hand-arm, 3.5 to 5.0 m/s²) and NHO 09 (whole body, 0.9 to 1.1 m/s² and 16.4 to 21.0 m/s^1.75). Values as stored in the measurement.</translation>
    </message>
</context>
<context>
    <name>config_perfil</name>
    <message>
        <source>Cadastro de Perfil</source>
        <translation>Profile Registration</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Evaluating Company:</translation>
    </message>
    <message>
        <source>Responsavel 1:</source>
        <translation>Responsible 1:</translation>
    </message>
    <message>
        <source>Responsavel 2:</source>
        <translation>Responsible 2:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Não foi possível salvar o perfil em %1.</source>
        <translation>The profile could not be saved in %1.</translation>
    </message>
    <message>
        <source>Título do responsável 1:</source>
        <translation>Title of technician 1:</translation>
    </message>
    <message>
        <source>Registro do responsável 1:</source>
        <translation>Registration of technician 1:</translation>
    </message>
    <message>
        <source>Título do responsável 2:</source>
        <translation>Title of technician 2:</translation>
    </message>
    <message>
        <source>Registro do responsável 2:</source>
        <translation>Registration of technician 2:</translation>
    </message>
    <message>
        <source>CNPJ:</source>
        <translation>CNPJ:</translation>
    </message>
    <message>
        <source>Cidade:</source>
        <translation>City:</translation>
    </message>
    <message>
        <source>Logotipo:</source>
        <translation>Logo:</translation>
    </message>
    <message>
        <source>Escolher...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Sem logotipo</source>
        <translation>No logo</translation>
    </message>
    <message>
        <source>nenhum</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Logotipo da empresa avaliadora</source>
        <translation>Evaluating company&apos;s logo</translation>
    </message>
    <message>
        <source>Imagens (*.png *.jpg *.jpeg *.bmp)</source>
        <translation>Images (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>%1 não é uma imagem que o programa leia.</source>
        <translation>%1 is not an image the program can read.</translation>
    </message>
</context>
<context>
    <name>sobre</name>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>KT 9400</source>
        <translation></translation>
    </message>
    <message>
        <source>Medidor de Vibração Corpo Humano</source>
        <translation>Human Body Vibration Meter</translation>
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
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Medidas guardadas em:</source>
        <translation>Measurements kept in:</translation>
    </message>
</context>
</TS>
