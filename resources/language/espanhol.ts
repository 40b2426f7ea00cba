<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="pt_BR">
<context>
    <name>AvaliacaoExposicao</name>
    <message>
        <source>o resultado armazenado %1 não é um número</source>
        <translation>el resultado almacenado %1 no es un número</translation>
    </message>
    <message>
        <source>a exposição parcial %1 não tem repetições ou tempos utilizáveis</source>
        <translation>la exposición parcial %1 no tiene repeticiones ni tiempos utilizables</translation>
    </message>
    <message>
        <source>as exposições parciais não somam tempo de exposição</source>
        <translation>las exposiciones parciales no suman tiempo de exposición</translation>
    </message>
    <message>
        <source>a componente %1 não tem um número utilizável em %2</source>
        <translation>el componente %1 no tiene un número utilizable en %2</translation>
    </message>
    <message>
        <source>nenhuma tarefa utilizável</source>
        <translation>ninguna tarea utilizable</translation>
    </message>
</context>
<context>
    <name>AvaliacaoGrupo</name>
    <message>
        <source>a jornada %1 não existe</source>
        <translation>la jornada %1 no existe</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>la medición %1 no está en el almacén</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Mano-brazo: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Cuerpo entero: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Cuerpo entero: VDVR [m/s^1.75]</translation>
    </message>
</context>
<context>
    <name>AvaliacaoJornada</name>
    <message>
        <source>a referência não é MEDIDA/TAREFA/corpo ou MEDIDA/TAREFA/mao</source>
        <translation>la referencia no es MEDICIÓN/TAREA/corpo o MEDICIÓN/TAREA/mao</translation>
    </message>
    <message>
        <source>a medida %1 não está no armazém</source>
        <translation>la medición %1 no está en el almacén</translation>
    </message>
    <message>
        <source>a tarefa %1 não está na medida</source>
        <translation>la tarea %1 no está en la medición</translation>
    </message>
    <message>
        <source>repetições inválidas: %1</source>
        <translation>repeticiones inválidas: %1</translation>
    </message>
    <message>
        <source>tempo por repetição inválido: %1</source>
        <translation>tiempo por repetición inválido: %1</translation>
    </message>
    <message>
        <source>o arep armazenado não é um número utilizável</source>
        <translation>el arep almacenado no es un número utilizable</translation>
    </message>
    <message>
        <source>os VDVi ou o tempo amostrado armazenados não são utilizáveis</source>
        <translation>los VDVi o el tiempo muestreado almacenados no son utilizables</translation>
    </message>
</context>
<context>
    <name>DadosLaudo</name>
    <message>
        <source>Avaliar a exposição ocupacional do trabalhador a vibrações de mãos e braços e de corpo inteiro, quantificando-a conforme as NHO 09 e NHO 10 da FUNDACENTRO e comparando-a com os níveis de ação do Anexo I da NR-09 e os limites de exposição do Anexo 8 da NR-15.</source>
        <translation>Evaluar la exposición ocupacional del trabajador a vibraciones de manos y brazos y de cuerpo entero, cuantificándola según las NHO 09 y NHO 10 de FUNDACENTRO y comparándola con los niveles de acción del Anexo I de la NR-09 y los límites de exposición del Anexo 8 de la NR-15.</translation>
    </message>
</context>
<context>
    <name>DocumentoLaudo</name>
    <message>
        <source>não informado</source>
        <translation>no informado</translation>
    </message>
    <message>
        <source>Laudo técnico de avaliação de vibrações</source>
        <translation>Dictamen técnico de evaluación de vibraciones</translation>
    </message>
    <message>
        <source>Laudo nº %1</source>
        <translation>Dictamen n.º %1</translation>
    </message>
    <message>
        <source>Resumo</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Trabajador</translation>
    </message>
    <message>
        <source>Função</source>
        <translation>Función</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa evaluada</translation>
    </message>
    <message>
        <source>Empresa avaliadora</source>
        <translation>Empresa evaluadora</translation>
    </message>
    <message>
        <source>Data da medição</source>
        <translation>Fecha de la medición</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusión:</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>CNPJ</source>
        <translation>CNPJ</translation>
    </message>
    <message>
        <source>Cidade</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES)</source>
        <translation>Grupo de exposición similar (GES)</translation>
    </message>
    <message>
        <source>Jornada de trabalho</source>
        <translation>Jornada de trabajo</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Objetivo</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Metodologia</source>
        <translation>Metodología</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Cuerpo entero</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mano-brazo</translation>
    </message>
    <message>
        <source>NHO 09 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos, aceleração resultante de exposição normalizada (aren) e valor da dose de vibração resultante (VDVR).</source>
        <translation>NHO 09 de FUNDACENTRO, con el Anexo I de la NR-09 y el Anexo 8 de la NR-15. Aceleración ponderada en frecuencia en los tres ejes, aceleración resultante de exposición normalizada (aren) y valor de dosis de vibración resultante (VDVR).</translation>
    </message>
    <message>
        <source>NHO 10 da FUNDACENTRO, com o Anexo I da NR-09 e o Anexo 8 da NR-15. Aceleração ponderada em frequência nos três eixos e aceleração resultante de exposição normalizada (aren).</source>
        <translation>NHO 10 de FUNDACENTRO, con el Anexo I de la NR-09 y el Anexo 8 de la NR-15. Aceleración ponderada en frecuencia en los tres ejes y aceleración resultante de exposición normalizada (aren).</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Eje</translation>
    </message>
    <message>
        <source>Filtro de ponderação</source>
        <translation>Filtro de ponderación</translation>
    </message>
    <message>
        <source>Fator multiplicador</source>
        <translation>Factor multiplicador</translation>
    </message>
    <message>
        <source>Período de amostragem:</source>
        <translation>Período de muestreo:</translation>
    </message>
    <message>
        <source>Tempo amostrado de cada tarefa diante do seu tempo de exposição na jornada:</source>
        <translation>Tiempo muestreado de cada tarea frente a su tiempo de exposición en la jornada:</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>Tempo amostrado</source>
        <translation>Tiempo muestreado</translation>
    </message>
    <message>
        <source>Tempo de exposição</source>
        <translation>Tiempo de exposición</translation>
    </message>
    <message>
        <source>Cadeia de medição e calibração</source>
        <translation>Cadena de medición y calibración</translation>
    </message>
    <message>
        <source>vencido</source>
        <translation>vencido</translation>
    </message>
    <message>
        <source>Equipamento</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratorio</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Válido hasta</translation>
    </message>
    <message>
        <source>Verificação de campo dos acelerômetros com o calibrador, antes e depois da medição (m/s²):</source>
        <translation>Verificación de campo de los acelerómetros con el calibrador, antes y después de la medición (m/s²):</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Acelerómetro</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação</source>
        <translation>Actividades y condiciones de la evaluación</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Protección colectiva e individual en uso:</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Tiempo por repetición</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Tiempo total</translation>
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
        <translation>Resultados e interpretación</translation>
    </message>
    <message>
        <source>Referência complementar: Diretiva 2002/44/CE</source>
        <translation>Referencia complementaria: Directiva 2002/44/CE</translation>
    </message>
    <message>
        <source>Os valores brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus usam o eixo dominante e a média de energia das componentes. Por isso podem diferir.</source>
        <translation>Los valores brasileños son la resultante de los tres ejes, tal como la almacena el instrumento; los europeos usan el eje dominante y la media de energía de las componentes. Por eso pueden diferir.</translation>
    </message>
    <message>
        <source>Conclusão e recomendações</source>
        <translation>Conclusión y recomendaciones</translation>
    </message>
    <message>
        <source>Responsável técnico</source>
        <translation>Responsable técnico</translation>
    </message>
    <message>
        <source>Referências</source>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>NR-09, Anexo I (Vibração), aprovado pela Portaria MTP nº 426/2021; NR-15, Anexo 8 (Vibração); NHO 09 e NHO 10 da FUNDACENTRO; Diretiva 2002/44/CE (referência complementar).</source>
        <translation>NR-09, Anexo I (Vibración), aprobado por la Portaria MTP nº 426/2021; NR-15, Anexo 8 (Vibración); NHO 09 y NHO 10 de FUNDACENTRO; Directiva 2002/44/CE (referencia complementaria).</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>não foi possível escrever o documento</source>
        <translation>no se pudo escribir el documento</translation>
    </message>
    <message>
        <source>Anexo: aceleração de cada componente</source>
        <translation>Anexo: aceleración de cada componente</translation>
    </message>
    <message>
        <source>Membros do grupo</source>
        <translation>Miembros del grupo</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Miembro</translation>
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
        <translation>dejado fuera: %1</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Franja del máximo</translation>
    </message>
    <message>
        <source>Nenhum membro do grupo pôde ser avaliado.</source>
        <translation>Ningún miembro del grupo pudo evaluarse.</translation>
    </message>
    <message>
        <source>O veredito do grupo é o do seu membro mais exposto, %1: %2. As tabelas a seguir são as desse membro.</source>
        <translation>El veredicto del grupo es el de su miembro más expuesto, %1: %2. Las tablas siguientes son las de ese miembro.</translation>
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
        <translation>%1: no es una medición, ni una jornada, ni un grupo</translation>
    </message>
</context>
<context>
    <name>Edicao</name>
    <message>
        <source>N° de repetições: &quot;%1&quot; não é válido; digite um número inteiro igual ou maior que 0.</source>
        <translation>N° de repeticiones: &quot;%1&quot; no es válido; escriba un número entero igual o mayor que 0.</translation>
    </message>
    <message>
        <source>Exposição Parcial: o nome não pode conter &quot;;&quot;.</source>
        <translation>Exposición Parcial: el nombre no puede contener &quot;;&quot;.</translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: &quot;%1&quot; não é válido; digite hh:mm:ss.</source>
        <translation>Tiempo de Exposición Medio: &quot;%1&quot; no es válido; escriba hh:mm:ss.</translation>
    </message>
</context>
<context>
    <name>GravacaoSegura</name>
    <message>
        <source>o arquivo não existe</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>é um link; nada é gravado através de links</source>
        <translation>es un enlace; nada se escribe a través de enlaces</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>a pasta não pôde ser criada</source>
        <translation>no se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation>no es un archivo común</translation>
    </message>
    <message>
        <source>a pasta não existe</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>fica dentro da própria medida</source>
        <translation>está dentro de la propia medida</translation>
    </message>
    <message>
        <source>é um link; nada é lido através de links</source>
        <translation>es un enlace; nada se lee a través de enlaces</translation>
    </message>
    <message>
        <source>nem tudo pôde ser gravado</source>
        <translation>no todo pudo grabarse</translation>
    </message>
    <message>
        <source>o nome não está na codificação deste sistema (UTF-8); renomeie-o</source>
        <translation>el nombre no está en la codificación de este sistema (UTF-8); cámbielo</translation>
    </message>
    <message>
        <source>a pasta não pode ser lida</source>
        <translation>la carpeta no se puede leer</translation>
    </message>
    <message>
        <source>não pôde ser renomeado</source>
        <translation>no se pudo renombrar</translation>
    </message>
    <message>
        <source>outra cópia desta medida foi gravada antes; nada foi substituído</source>
        <translation>otra copia de esta medición se grabó antes; no se reemplazó nada</translation>
    </message>
    <message>
        <source>a pasta não pôde ser substituída: %1</source>
        <translation>la carpeta no pudo ser reemplazada: %1</translation>
    </message>
</context>
<context>
    <name>GuardaSaida</name>
    <message>
        <source>Sair</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Um trabalho ainda está em andamento. Deseja sair assim que ele terminar?
A medida em andamento termina inteira; as seguintes não são iniciadas.</source>
        <translation>Todavía hay un trabajo en curso. ¿Desea salir en cuanto termine?
La medición en curso termina completa; las siguientes no se inician.</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sí</translation>
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
        <translation>Calibraciones</translation>
    </message>
    <message>
        <source>Um certificado por equipamento: o instrumento pela sua identificação, cada acelerômetro pelo número de série que a configuração do instrumento dá, e o calibrador. Datas como dd/mm/aaaa.</source>
        <translation>Un certificado por equipo: el instrumento por su identificación, cada acelerómetro por el número de serie que da la configuración del instrumento, y el calibrador. Fechas como dd/mm/aaaa.</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Certificado</source>
        <translation>Certificado</translation>
    </message>
    <message>
        <source>Laboratório</source>
        <translation>Laboratorio</translation>
    </message>
    <message>
        <source>Calibração</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Válido até</source>
        <translation>Válido hasta</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Instrumento</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Acelerômetro</source>
        <translation>Acelerómetro</translation>
    </message>
    <message>
        <source>Calibrador</source>
        <translation>Calibrador</translation>
    </message>
    <message>
        <source>Linha %1: falta a identificação do equipamento.</source>
        <translation>Fila %1: falta la identificación del equipo.</translation>
    </message>
    <message>
        <source>Linha %1: datas de calibração e de validade como dd/mm/aaaa.</source>
        <translation>Fila %1: fechas de calibración y de validez como dd/mm/aaaa.</translation>
    </message>
    <message>
        <source>O registro não foi gravado.</source>
        <translation>El registro no se guardó.</translation>
    </message>
</context>
<context>
    <name>JanelaConfig</name>
    <message>
        <source>Configuração de Instrumento</source>
        <translation>Configuración del instrumento</translation>
    </message>
    <message>
        <source>Configurações Gerais</source>
        <translation>Configuración General</translation>
    </message>
    <message>
        <source>Periodo de Amostragem</source>
        <translation>Periodo de Muestreo</translation>
    </message>
    <message>
        <source>Medição Programada</source>
        <translation>Medición Programada</translation>
    </message>
    <message>
        <source>Sensor de Mãos e Bracos</source>
        <translation>Sensor de Mano y Brazo</translation>
    </message>
    <message>
        <source>Ponderação Frequência</source>
        <translation>Ponderación de Frecuencia</translation>
    </message>
    <message>
        <source>Fator Multiplicativo</source>
        <translation>Factor Multiplicativo</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidad</translation>
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
        <translation>Sensor de Cuerpo Entero</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>manual</source>
        <translation></translation>
    </message>
    <message>
        <source>Não foi possível gravar a configuração em %1. O instrumento não foi configurado.</source>
        <translation>No fue posible grabar la configuración en %1. El instrumento no fue configurado.</translation>
    </message>
</context>
<context>
    <name>JanelaDadosLaudo</name>
    <message>
        <source>Dados do laudo</source>
        <translation>Datos del dictamen</translation>
    </message>
    <message>
        <source>Número do laudo:</source>
        <translation>Número del dictamen:</translation>
    </message>
    <message>
        <source>Objetivo:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Grupo de exposição similar (GES):</source>
        <translation>Grupo de exposición similar (GES):</translation>
    </message>
    <message>
        <source>Atividades e condições da avaliação:</source>
        <translation>Actividades y condiciones de la evaluación:</translation>
    </message>
    <message>
        <source>Proteção coletiva e individual em uso:</source>
        <translation>Protección colectiva e individual en uso:</translation>
    </message>
    <message>
        <source>Conclusão:</source>
        <translation>Conclusión:</translation>
    </message>
    <message>
        <source>Local de emissão:</source>
        <translation>Lugar de emisión:</translation>
    </message>
    <message>
        <source>Data de emissão:</source>
        <translation>Fecha de emisión:</translation>
    </message>
    <message>
        <source>Cadeia de medição</source>
        <translation>Cadena de medición</translation>
    </message>
    <message>
        <source>Acelerômetro de corpo inteiro:</source>
        <translation>Acelerómetro de cuerpo entero:</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços:</source>
        <translation>Acelerómetro de mano-brazo:</translation>
    </message>
    <message>
        <source>Calibrador:</source>
        <translation>Calibrador:</translation>
    </message>
    <message>
        <source>Verificação de campo com o calibrador (m/s²)</source>
        <translation>Verificación de campo con el calibrador (m/s²)</translation>
    </message>
    <message>
        <source>Referência</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Antes</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>Depois</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>Diferença</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Corpo inteiro:</source>
        <translation>Cuerpo entero:</translation>
    </message>
    <message>
        <source>Mãos e braços:</source>
        <translation>Mano-brazo:</translation>
    </message>
    <message>
        <source>Pendências (o laudo pode ser gerado mesmo assim):</source>
        <translation>Pendientes (el dictamen puede generarse de todos modos):</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generar Dictamen</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>no informado</translation>
    </message>
    <message>
        <source>Medição %1 de %2 — trabalhador: %3; empresa avaliada: %4; setor: %5; responsável técnico: %6; instrumento: %7.</source>
        <translation>Medición %1 del %2 — trabajador: %3; empresa evaluada: %4; sector: %5; responsable técnico: %6; instrumento: %7.</translation>
    </message>
    <message>
        <source>Os dados do laudo não foram gravados.</source>
        <translation>Los datos del dictamen no se guardaron.</translation>
    </message>
    <message>
        <source>Anexar o gráfico de aceleração de cada componente</source>
        <translation>Anexar el gráfico de aceleración de cada componente</translation>
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
        <translation>Acelerómetro de cuerpo entero</translation>
    </message>
    <message>
        <source>Acelerômetro de mãos e braços</source>
        <translation>Acelerómetro de mano-brazo</translation>
    </message>
    <message>
        <source>Calibrador de vibração</source>
        <translation>Calibrador de vibración</translation>
    </message>
    <message>
        <source>Número do laudo não informado.</source>
        <translation>Número del dictamen no informado.</translation>
    </message>
    <message>
        <source>Empresa avaliadora não informada.</source>
        <translation>Empresa evaluadora no informada.</translation>
    </message>
    <message>
        <source>CNPJ da empresa avaliadora não informado.</source>
        <translation>CNPJ de la empresa evaluadora no informado.</translation>
    </message>
    <message>
        <source>Empresa avaliada não informada.</source>
        <translation>Empresa evaluada no informada.</translation>
    </message>
    <message>
        <source>Funcionário avaliado não informado.</source>
        <translation>Trabajador evaluado no informado.</translation>
    </message>
    <message>
        <source>Função do trabalhador não informada.</source>
        <translation>Función del trabajador no informada.</translation>
    </message>
    <message>
        <source>Setor não informado.</source>
        <translation>Sector no informado.</translation>
    </message>
    <message>
        <source>Responsável técnico não informado.</source>
        <translation>Responsable técnico no informado.</translation>
    </message>
    <message>
        <source>Registro profissional do responsável técnico não informado.</source>
        <translation>Registro profesional del responsable técnico no informado.</translation>
    </message>
    <message>
        <source>Data da medição desconhecida: a validade dos certificados não pôde ser conferida.</source>
        <translation>Fecha de la medición desconocida: no se pudo comprobar la validez de los certificados.</translation>
    </message>
    <message>
        <source>A medida não tem resultados avaliados.</source>
        <translation>La medición no tiene resultados evaluados.</translation>
    </message>
    <message>
        <source>%1: identificação não informada.</source>
        <translation>%1: identificación no informada.</translation>
    </message>
    <message>
        <source>%1 %2: sem certificado de calibração no registro.</source>
        <translation>%1 %2: sin certificado de calibración en el registro.</translation>
    </message>
    <message>
        <source>%1 %2: certificado %3 vencido em %4, antes da medição de %5.</source>
        <translation>%1 %2: certificado %3 vencido el %4, antes de la medición del %5.</translation>
    </message>
    <message>
        <source>%1: sem verificação de campo.</source>
        <translation>%1: sin verificación de campo.</translation>
    </message>
    <message>
        <source>A exposição avaliada está abaixo do nível de ação do Anexo I da NR-09 e do limite de exposição do Anexo 8 da NR-15: a condição é aceitável, não caracteriza insalubridade por vibrações e requer, no mínimo, a manutenção da condição existente.</source>
        <translation>La exposición evaluada está por debajo del nivel de acción del Anexo I de la NR-09 y del límite de exposición del Anexo 8 de la NR-15: la condición es aceptable, no caracteriza insalubridad por vibraciones y requiere, como mínimo, mantener la condición existente.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do nível de ação do Anexo I da NR-09 e abaixo do limite de exposição do Anexo 8 da NR-15: não caracteriza insalubridade por vibrações, mas requer medidas preventivas, no mínimo, de acordo com o PGR.</source>
        <translation>La exposición evaluada está por encima del nivel de acción del Anexo I de la NR-09 y por debajo del límite de exposición del Anexo 8 de la NR-15: no caracteriza insalubridad por vibraciones, pero requiere como mínimo medidas preventivas, de acuerdo con el PGR.</translation>
    </message>
    <message>
        <source>A exposição avaliada está na região de incerteza das NHO 09 e NHO 10: requer a adoção de medidas preventivas e corretivas, visando à redução da exposição diária, e a avaliação não permite afastar a caracterização de insalubridade pelo Anexo 8 da NR-15.</source>
        <translation>La exposición evaluada está en la región de incertidumbre de las NHO 09 y NHO 10: requiere medidas preventivas y correctivas para reducir la exposición diaria, y la evaluación no permite descartar la insalubridad según el Anexo 8 de la NR-15.</translation>
    </message>
    <message>
        <source>A exposição avaliada está acima do limite de exposição do Anexo 8 da NR-15: caracteriza insalubridade em grau médio e requer a adoção imediata de medidas corretivas.</source>
        <translation>La exposición evaluada está por encima del límite de exposición del Anexo 8 de la NR-15: caracteriza insalubridad de grado medio y requiere la adopción inmediata de medidas correctivas.</translation>
    </message>
    <message>
        <source>A exposição não pôde ser quantificada com os dados desta medição: não é possível concluir.</source>
        <translation>La exposición no pudo cuantificarse con los datos de esta medición: no es posible concluir.</translation>
    </message>
    <message>
        <source>Tarefa %1 deixada de fora: %2</source>
        <translation>Tarea %1 dejada fuera: %2</translation>
    </message>
    <message>
        <source>Jornada %1 (%2 medições)</source>
        <translation>Jornada %1 (%2 mediciones)</translation>
    </message>
    <message>
        <source>Membro %1 deixado de fora: %2</source>
        <translation>Miembro %1 dejado fuera: %2</translation>
    </message>
    <message>
        <source>membros do grupo %1</source>
        <translation>miembros del grupo %1</translation>
    </message>
    <message>
        <source>Grupo %1 (%2 membros)</source>
        <translation>Grupo %1 (%2 miembros)</translation>
    </message>
</context>
<context>
    <name>LeitorAmostras</name>
    <message>
        <source>%1: o arquivo mudou durante a leitura</source>
        <translation>%1: el archivo cambió durante la lectura</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; font-weight:600; color:#ffffff;&quot;&gt;Medidor de Vibraciones - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Id do Equipamento</source>
        <translation>Id del Equipo</translation>
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
        <translation>Empresa Evaluadora:</translation>
    </message>
    <message>
        <source>-----------------------</source>
        <translation></translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsable Técnico:</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Medições:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:600; color:#ffffff;&quot;&gt;Mediciones:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Baixar Tudo</source>
        <translation>Descargar todo</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>Acerca</translation>
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
        <translation>Agregar Perfil</translation>
    </message>
    <message>
        <source>Configurar</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Deletar dados do equipamento</source>
        <translation>Eliminar datos del equipo</translation>
    </message>
    <message>
        <source>Mudar Idioma</source>
        <translation>Cambiar Idioma</translation>
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
        <translation>Hay más de un instrumento KT9400 conectado; usando el de %1.</translation>
    </message>
    <message>
        <source>Procurando e conectando com o instrumento...</source>
        <translation>Buscando y conectando con el instrumento ...</translation>
    </message>
    <message>
        <source>Dispositivo conectado!</source>
        <translation>¡Dispositivo conectado!</translation>
    </message>
    <message>
        <source>Dispositivo desconectado!</source>
        <translation>¡Dispositivo desconectado!</translation>
    </message>
    <message>
        <source>A pasta DATA não foi encontrada no instrumento.</source>
        <translation>No se encontró la carpeta DATA en el instrumento.</translation>
    </message>
    <message>
        <source>Configurar Equipamento</source>
        <translation>Configurar Equipo</translation>
    </message>
    <message>
        <source>Equipamento desconectado.
Não foi possível abrir as configurações</source>
        <translation>Equipo desconectado.
No fue posible abrir la configuración</translation>
    </message>
    <message>
        <source>Português</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>Inglês</source>
        <translation>Ingles</translation>
    </message>
    <message>
        <source>Espanhol</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Selecione o Idioma</source>
        <translation>Seleccionar Idioma</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Nome da Medição</source>
        <translation>Nombre de Medida</translation>
    </message>
    <message>
        <source>Data de Criação</source>
        <translation>Fecha de Creación</translation>
    </message>
    <message>
        <source>Status</source>
        <translation></translation>
    </message>
    <message>
        <source>%1: a pasta não é uma medida (ou o instrumento foi desconectado).</source>
        <translation>%1: la carpeta no es una medida (o el instrumento fue desconectado).</translation>
    </message>
    <message>
        <source>%1: não foi possível gravar o arquivo da medida no instrumento.</source>
        <translation>%1: no fue posible grabar el archivo de la medida en el instrumento.</translation>
    </message>
    <message>
        <source>%1: não foi possível renomear a medida no instrumento; nada foi copiado.</source>
        <translation>%1: no fue posible renombrar la medida en el instrumento; no se copió nada.</translation>
    </message>
    <message>
        <source>%1: a cópia não foi concluída; nada foi gravado no computador.</source>
        <translation>%1: la copia no se completó; no se grabó nada en el ordenador.</translation>
    </message>
    <message>
        <source>Baixar Dado</source>
        <translation>Descargar Dato</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel baixar medida</source>
        <translation>Instrumento desconectado.
No es posible descargar la medida</translation>
    </message>
    <message>
        <source>Ja existe uma medida com este nome deseja substituir? </source>
        <translation>Ya existe una medida con este nombre, ¿desea reemplazarla? </translation>
    </message>
    <message>
        <source>Tem certeza que deseja baixar esta medida?</source>
        <translation>¿Seguro que quieres descargar esta medida?</translation>
    </message>
    <message>
        <source>Baixar Dado !!</source>
        <translation>Descargar Dato !!</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Baixar todos os dados</source>
        <translation>Descargar todos los datos</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não foi possível baixar dados</source>
        <translation>Instrumento desconectado.
No fue posible descargar los datos</translation>
    </message>
    <message>
        <source>Baixando dados do instrumento...</source>
        <translation>Descargando datos del instrumento...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas se ja estiveram baixadas?</source>
        <translation>¿Desea reemplazar las medidas ya descargadas?</translation>
    </message>
    <message>
        <source>Download Concluído !</source>
        <translation>¡Descarga Completa!</translation>
    </message>
    <message>
        <source>Dados do instrumento foram baixados no computador !!</source>
        <translation>¡¡Los datos del instrumento fueron descargados en el ordenador!!</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) não foram baixadas:</source>
        <translation>
            <numerusform>%n medida no fue descargada:</numerusform>
            <numerusform>%n medidas no fueron descargadas:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nem todas as medidas foram baixadas.</source>
        <translation>No se descargaron todas las medidas.</translation>
    </message>
    <message>
        <source>Importar Arquivo</source>
        <translation>Importar Archivo</translation>
    </message>
    <message>
        <source>Esta pasta não é uma medida, selecione a medida correta.</source>
        <translation>Esta carpeta no es una medida, seleccione la medida correcta.</translation>
    </message>
    <message>
        <source>Importar Arquivos</source>
        <translation>Importar Archivos</translation>
    </message>
    <message>
        <source>Esta medida ja existe, deseja substitui-la no seu computador ?</source>
        <translation>Esta medida ya existe, ¿desea reemplazarla en su ordenador?</translation>
    </message>
    <message>
        <source>Medida importada com sucesso!</source>
        <translation>¡Medida importada con éxito!</translation>
    </message>
    <message>
        <source>A importação não foi concluída; nada foi gravado no computador.</source>
        <translation>La importación no se completó; no se grabó nada en el ordenador.</translation>
    </message>
    <message>
        <source>Exportar Arquivo</source>
        <translation>Exportar Archivo</translation>
    </message>
    <message>
        <source>Arquivos exportados com sucesso!</source>
        <translation>¡Archivos exportados con éxito!</translation>
    </message>
    <message>
        <source>Deletar Dados</source>
        <translation>Eliminar Datos</translation>
    </message>
    <message>
        <source>Instrumento desconectado.
Não é possivel deletar dados</source>
        <translation>Instrumento desconectado.
No es posible eliminar los datos</translation>
    </message>
    <message>
        <source>Tem certeza que quer deletar todos os arquivos do equipamento?</source>
        <translation>¿Seguro que quiere eliminar todos los archivos del equipo?</translation>
    </message>
    <message>
        <source>Seus dados não foram baixados, deseja excluir todos os arquivos do equipamento mesmo assim?</source>
        <translation>Sus datos no fueron descargados, ¿desea eliminar todos los archivos del equipo de todos modos?</translation>
    </message>
    <message>
        <source>Deletar todos os dados</source>
        <translation>Eliminar todos los datos</translation>
    </message>
    <message>
        <source>Deletando dados do Instrumento ...</source>
        <translation>Eliminando datos del instrumento ...</translation>
    </message>
    <message>
        <source>Dados deletados!</source>
        <translation>¡Datos eliminados!</translation>
    </message>
    <message numerus="yes">
        <source>%n arquivo(s) não puderam ser deletados.</source>
        <translation>
            <numerusform>No fue posible eliminar %n archivo.</numerusform>
            <numerusform>No fue posible eliminar %n archivos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>No se pudo guardar la elección del idioma.</translation>
    </message>
    <message>
        <source>%1: %2 é um link; nada foi gravado no computador.</source>
        <translation>%1: %2 es un enlace; no se grabó nada en el ordenador.</translation>
    </message>
    <message>
        <source>Links não são copiados; ficaram de fora:</source>
        <translation>Los enlaces no se copian; quedaron fuera:</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi gravado no computador.</source>
        <translation>%1 es un enlace; no se grabó nada en el ordenador.</translation>
    </message>
    <message>
        <source>%1 é um link; nada foi exportado.</source>
        <translation>%1 es un enlace; no se exportó nada.</translation>
    </message>
    <message>
        <source>A exportação não foi concluída; nada foi gravado em %1.</source>
        <translation>La exportación no se completó; no se grabó nada en %1.</translation>
    </message>
    <message numerus="yes">
        <source>  … e mais %n.</source>
        <translation>
            <numerusform>  … y %n más.</numerusform>
            <numerusform>  … y %n más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador será(ão) substituída(s) pela cópia do instrumento:</source>
        <translation>
            <numerusform>Esta medida ya está en la computadora y será reemplazada por la copia del instrumento:</numerusform>
            <numerusform>Estas %n medidas ya están en la computadora y serán reemplazadas por la copia del instrumento:</numerusform>
        </translation>
    </message>
    <message>
        <source>As alterações feitas no programa (identificação, observações, exposições parciais, componentes apagados) serão perdidas.</source>
        <translation>Los cambios hechos en el programa (identificación, observaciones, exposiciones parciales, componentes borrados) se perderán.</translation>
    </message>
    <message numerus="yes">
        <source>%n medida(s) já no computador mantida(s) como estava(m).</source>
        <translation>
            <numerusform>%n medida que ya estaba en la computadora se mantuvo como estaba.</numerusform>
            <numerusform>%n medidas que ya estaban en la computadora se mantuvieron como estaban.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Baixando %1 de %2: %3</source>
        <translation>Descargando %1 de %2: %3</translation>
    </message>
    <message>
        <source>Interrompido: %1 de %2 medidas baixadas.</source>
        <translation>Interrumpido: %1 de %2 mediciones descargadas.</translation>
    </message>
    <message>
        <source>Importando a medida...</source>
        <translation>Importando la medición...</translation>
    </message>
    <message>
        <source>Medidas</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Lendo as medidas do instrumento e do computador...</source>
        <translation>Leyendo las mediciones del instrumento y del ordenador...</translation>
    </message>
    <message>
        <source>Baixando %1...</source>
        <translation>Descargando %1...</translation>
    </message>
    <message>
        <source>Interrompendo: a medida em andamento termina inteira...</source>
        <translation>Interrumpiendo: la medición en curso termina completa...</translation>
    </message>
    <message>
        <source>%1: os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>%1: los resultados no se pudieron leer ni grabar; no se grabó nada en la computadora.</translation>
    </message>
    <message>
        <source>Os resultados não puderam ser lidos ou gravados; nada foi gravado no computador.</source>
        <translation>Los resultados no se pudieron leer ni grabar; no se grabó nada en la computadora.</translation>
    </message>
    <message>
        <source>Medidor de Vibração</source>
        <translation>Medidor de Vibraciones</translation>
    </message>
    <message>
        <source>Calibrações</source>
        <translation>Calibraciones</translation>
    </message>
    <message>
        <source>Jornadas
e grupos</source>
        <translation>Jornadas
y grupos</translation>
    </message>
    <message>
        <source>Exportar planilha...</source>
        <translation>Exportar hoja de cálculo...</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Exportar hoja de cálculo</translation>
    </message>
    <message>
        <source>Planilha CSV (*.csv)</source>
        <translation>Hoja de cálculo CSV (*.csv)</translation>
    </message>
    <message>
        <source>Escrevendo a planilha...</source>
        <translation>Escribiendo la hoja de cálculo...</translation>
    </message>
    <message>
        <source>%1 medições escritas em %2.</source>
        <translation>%1 mediciones escritas en %2.</translation>
    </message>
    <message>
        <source>Exportar Arquivos - Selecione o destino das medidas</source>
        <translation>Exportar Archivos - Elija el destino de las mediciones</translation>
    </message>
    <message>
        <source>Exportando as medidas...</source>
        <translation>Exportando las mediciones...</translation>
    </message>
    <message>
        <source>Deseja substituir as medidas que já estão no computador?</source>
        <translation>¿Desea reemplazar las mediciones que ya están en el ordenador?</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)...</source>
        <translation>Exportar a eSocial (S-2240)...</translation>
    </message>
    <message>
        <source>Exportar para eSocial (S-2240)</source>
        <translation>Exportar a eSocial (S-2240)</translation>
    </message>
    <message>
        <source>XML (*.xml)</source>
        <translation>XML (*.xml)</translation>
    </message>
    <message>
        <source>Lendo os valores...</source>
        <translation>Leyendo los valores...</translation>
    </message>
    <message>
        <source>%1 valores escritos em %2.</source>
        <translation>%1 valores escritos en %2.</translation>
    </message>
    <message>
        <source>A área de trabalho não tem um navegador que abra o manual. Abra o endereço à mão:</source>
        <translation>El escritorio no tiene un navegador que abra el manual. Abra la dirección a mano:</translation>
    </message>
    <message>
        <source>Não foi possível criar a pasta das medidas, %1: nada poderá ser baixado, importado nem consultado.</source>
        <translation>No se pudo crear la carpeta de las mediciones, %1: no se podrá descargar, importar ni consultar nada.</translation>
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
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Medidor de Vibração - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:20pt; color:#ffffff;&quot;&gt;Medidor de Vibraciones - KT9400&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Resultantes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposiciones Resultantes&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Sincronizar dados 
do computador</source>
        <translation>Sincronizar datos 
del ordenador</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposições Parciais (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Exposiciones Parciales (i)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Componentes Exposição (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:15pt; color:#ffffff;&quot;&gt;Componentes de Exposición (k)&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identificación</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Empresa Evaluadora:</translation>
    </message>
    <message>
        <source>Responsável Técnico:</source>
        <translation>Responsable Técnico:</translation>
    </message>
    <message>
        <source>Empresa Avaliada:</source>
        <translation>Empresa Evaluada:</translation>
    </message>
    <message>
        <source>Funcionário Avaliado:</source>
        <translation>Trabajador Evaluado:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Sector:</translation>
    </message>
    <message>
        <source>Jornada de Trabalho:</source>
        <translation>Jornada de Trabajo:</translation>
    </message>
    <message>
        <source>:</source>
        <translation></translation>
    </message>
    <message>
        <source>Nome da exposição</source>
        <translation>Nombre de la exposición</translation>
    </message>
    <message>
        <source>Data de criação:</source>
        <translation>Fecha de creación:</translation>
    </message>
    <message>
        <source>Nº exposições parciais</source>
        <translation>Nº de exposiciones parciales</translation>
    </message>
    <message>
        <source>Nº componentes</source>
        <translation>Nº de componentes</translation>
    </message>
    <message>
        <source>Editar</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Resultante de Cuerpo</translation>
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
        <translation>Resultante Manos y Brazos</translation>
    </message>
    <message>
        <source>Exposição Parcial</source>
        <translation>Exposición Parcial</translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Exposición Parcial: </translation>
    </message>
    <message>
        <source>N° de repetições: </source>
        <translation>Nº de repeticiones: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Tiempo de Exposición Medio: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Tiempo de Exposición Total: </translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Tiempo Muestreado: </translation>
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
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Nombre del Componente: </translation>
    </message>
    <message>
        <source>Inicio: </source>
        <translation>Inicio: </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>Fin: </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duración: </translation>
    </message>
    <message>
        <source>Periodo de amostragem:</source>
        <translation>Periodo de muestreo:</translation>
    </message>
    <message>
        <source>Tipo de sensor: </source>
        <translation>Tipo de sensor: </translation>
    </message>
    <message>
        <source>Sensibilidade (X):</source>
        <translation>Sensibilidad (X):</translation>
    </message>
    <message>
        <source>Sensibilidade (Y): </source>
        <translation>Sensibilidad (Y): </translation>
    </message>
    <message>
        <source>Sensibilidade (Z): </source>
        <translation>Sensibilidad (Z): </translation>
    </message>
    <message>
        <source>Filtros aplicados: </source>
        <translation>Filtros aplicados: </translation>
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
        <translation>Gráfico de Líneas</translation>
    </message>
    <message>
        <source>Gráfico Bandas</source>
        <translation>Gráfico de Bandas</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observación</translation>
    </message>
    <message>
        <source>Gerar Relatorio</source>
        <translation>Generar Informe</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Si</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sincronizando dados salvos no computador ...</source>
        <translation>Sincronizando datos guardados en el ordenador ...</translation>
    </message>
    <message>
        <source>Sincronizar dados do computador</source>
        <translation>Sincronizar datos del ordenador</translation>
    </message>
    <message>
        <source>Dados salvos no computador sincronizados</source>
        <translation>Datos guardados en el ordenador sincronizados</translation>
    </message>
    <message>
        <source>Dados do computador Sincronizados !!</source>
        <translation>¡¡Datos del ordenador Sincronizados!!</translation>
    </message>
    <message>
        <source>Evento</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Tipo Sensor</source>
        <translation>Tipo Sensor</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Tempo Exp.</source>
        <translation>Tiempo Exp.</translation>
    </message>
    <message>
        <source>Tempo Comp.</source>
        <translation>Tiempo Comp.</translation>
    </message>
    <message>
        <source>Deletar Exposição</source>
        <translation>Eliminar Exposición</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar esta exposição em seu computador?</source>
        <translation>¿Seguro que desea eliminar esta exposición de su ordenador?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição %1.</source>
        <translation>No fue posible eliminar la exposición %1.</translation>
    </message>
    <message>
        <source>Não foi possível apagar a exposição parcial ou recalcular a medida.</source>
        <translation>No fue posible eliminar la exposición parcial o recalcular la medida.</translation>
    </message>
    <message>
        <source>Deletar a Exposição Unificada</source>
        <translation>Eliminar la Exposición Unificada</translation>
    </message>
    <message>
        <source>Tem certeza que deseja apagar essa exposição em seu computador ?</source>
        <translation>¿Seguro que desea eliminar esta exposición de su ordenador ?</translation>
    </message>
    <message>
        <source>Não foi possível apagar a componente ou recalcular a medida.</source>
        <translation>No fue posible eliminar el componente o recalcular la medida.</translation>
    </message>
    <message>
        <source>Não foi possível salvar a observação em %1.</source>
        <translation>No fue posible guardar la observación en %1.</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Editar Identificação</source>
        <translation>Editar Identificación</translation>
    </message>
    <message>
        <source>Salvar dados Identificação ?</source>
        <translation>¿Guardar datos de identificación?</translation>
    </message>
    <message>
        <source>Não foi possível salvar a identificação em %1.</source>
        <translation>No fue posible guardar la identificación en %1.</translation>
    </message>
    <message>
        <source>Editar Dados</source>
        <translation>Editar Datos</translation>
    </message>
    <message>
        <source>Deseja alterar os dados para recalcular ?</source>
        <translation>¿Desea cambiar los datos para volver a calcular?</translation>
    </message>
    <message>
        <source>Não foi possível salvar os dados ou recalcular a medida.</source>
        <translation>No fue posible guardar los datos o recalcular la medida.</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Evaluación</translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>Esta medición no tiene resultados evaluados de cuerpo entero ni de mano-brazo.</translation>
    </message>
    <message>
        <source>Gravando e recalculando a medida...</source>
        <translation>Guardando y recalculando la medición...</translation>
    </message>
    <message>
        <source>Trabalhador: %1; medida %2 de %3.</source>
        <translation>Trabajador: %1; medición %2 del %3.</translation>
    </message>
    <message>
        <source>não informado</source>
        <translation>no informado</translation>
    </message>
    <message>
        <source>Tarefa: %1 (%2).</source>
        <translation>Tarea: %1 (%2).</translation>
    </message>
    <message>
        <source>mãos e braços</source>
        <translation>mano-brazo</translation>
    </message>
    <message>
        <source>corpo inteiro</source>
        <translation>cuerpo entero</translation>
    </message>
    <message>
        <source>Componente: %1, %2 s.</source>
        <translation>Componente: %1, %2 s.</translation>
    </message>
    <message>
        <source>Avaliando a exposição...</source>
        <translation>Evaluando la exposición...</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generar Dictamen</translation>
    </message>
    <message>
        <source>Buscar: empresa, trabalhador, setor, tarefa ou observação</source>
        <translation>Buscar: empresa, trabajador, sector, tarea u observación</translation>
    </message>
    <message>
        <source>De</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>até</source>
        <translation>hasta</translation>
    </message>
    <message>
        <source>Qualquer veredito</source>
        <translation>Cualquier veredicto</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa evaluada</translation>
    </message>
    <message>
        <source>Setor</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>Veredicto NR</translation>
    </message>
</context>
<context>
    <name>PaginaJornadas</name>
    <message>
        <source>Volta lá</source>
        <translation>Volver allí</translation>
    </message>
    <message>
        <source>Jornadas e grupos</source>
        <translation>Jornadas y grupos</translation>
    </message>
    <message>
        <source>Jornadas</source>
        <translation>Jornadas</translation>
    </message>
    <message>
        <source>Nova</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Renomear</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Apagar</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Grupos</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Novo</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Escolha uma jornada ou um grupo, ou crie um novo.</source>
        <translation>Elija una jornada o un grupo, o cree uno nuevo.</translation>
    </message>
    <message>
        <source>Trabalhador:</source>
        <translation>Trabajador:</translation>
    </message>
    <message>
        <source>Função:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Sector:</translation>
    </message>
    <message>
        <source>Data (dd/mm/aaaa):</source>
        <translation>Fecha (dd/mm/aaaa):</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Repetições</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Tempo por repetição</source>
        <translation>Tiempo por repetición</translation>
    </message>
    <message>
        <source>Tempo total</source>
        <translation>Tiempo total</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Adicionar tarefas...</source>
        <translation>Añadir tareas...</translation>
    </message>
    <message>
        <source>Remover tarefa</source>
        <translation>Quitar tarea</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Descrição:</source>
        <translation>Descripción:</translation>
    </message>
    <message>
        <source>Membro</source>
        <translation>Miembro</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Mãos e braços: aren [m/s²]</source>
        <translation>Mano-brazo: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: aren [m/s²]</source>
        <translation>Cuerpo entero: aren [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: VDVR [m/s^1.75]</source>
        <translation>Cuerpo entero: VDVR [m/s^1.75]</translation>
    </message>
    <message>
        <source>Adicionar jornadas...</source>
        <translation>Añadir jornadas...</translation>
    </message>
    <message>
        <source>Adicionar medidas...</source>
        <translation>Añadir mediciones...</translation>
    </message>
    <message>
        <source>Remover membro</source>
        <translation>Quitar miembro</translation>
    </message>
    <message>
        <source>Resumo do grupo</source>
        <translation>Resumen del grupo</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Membros</source>
        <translation>Miembros</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Faixa do máximo</source>
        <translation>Franja del máximo</translation>
    </message>
    <message>
        <source>Salvar as alterações de &quot;%1&quot;?</source>
        <translation>¿Guardar los cambios de &quot;%1&quot;?</translation>
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
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Nome inválido: &quot;%1&quot;.</source>
        <translation>Nombre inválido: &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Já existe &quot;%1&quot;.</source>
        <translation>Ya existe &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Apagar a jornada &quot;%1&quot;?</source>
        <translation>¿Borrar la jornada &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Apagar o grupo &quot;%1&quot;?</source>
        <translation>¿Borrar el grupo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Sim</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Não</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Cuerpo entero</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mano-brazo</translation>
    </message>
    <message>
        <source>usada</source>
        <translation>usada</translation>
    </message>
    <message>
        <source>deixada de fora: %1</source>
        <translation>dejada fuera: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não foi gravado.</source>
        <translation>&quot;%1&quot; no se guardó.</translation>
    </message>
    <message>
        <source>deixado de fora: %1</source>
        <translation>dejado fuera: %1</translation>
    </message>
    <message>
        <source>Veredito do grupo: não calculado (nenhum membro avaliado).</source>
        <translation>Veredicto del grupo: no calculado (ningún miembro evaluado).</translation>
    </message>
    <message>
        <source>Veredito do grupo: %1 — o do membro mais exposto, %2.</source>
        <translation>Veredicto del grupo: %1 — el del miembro más expuesto, %2.</translation>
    </message>
    <message>
        <source>Adicionar jornadas</source>
        <translation>Añadir jornadas</translation>
    </message>
    <message>
        <source>Jornada:</source>
        <translation>Jornada:</translation>
    </message>
    <message>
        <source>Adicionar medidas</source>
        <translation>Añadir mediciones</translation>
    </message>
    <message>
        <source>Ela é membro de: %1.</source>
        <translation>Es miembro de: %1.</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generar Dictamen</translation>
    </message>
</context>
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
    <message>
        <source>Aceleração Total dos Eixos</source>
        <translation>Aceleración Total de los Ejes</translation>
    </message>
    <message>
        <source>Frequência [Hz]</source>
        <translation>Frecuencia [Hz]</translation>
    </message>
    <message>
        <source>Vibração [dB]</source>
        <translation>Vibración [dB]</translation>
    </message>
    <message>
        <source>Relatório Medidor de Vibração - KT9400 - </source>
        <translation>Informe del Medidor de Vibraciones - KT9400 - </translation>
    </message>
    <message>
        <source>Identificação: </source>
        <translation>Identificación: </translation>
    </message>
    <message>
        <source>Empresa Avaliadora: </source>
        <translation>Empresa Evaluadora: </translation>
    </message>
    <message>
        <source>Responsável Técnico: </source>
        <translation>Responsable Técnico: </translation>
    </message>
    <message>
        <source>Empresa Avaliada: </source>
        <translation>Empresa Evaluada: </translation>
    </message>
    <message>
        <source>Funcionário Avaliado: </source>
        <translation>Trabajador Evaluado: </translation>
    </message>
    <message>
        <source>Setor: </source>
        <translation>Sector: </translation>
    </message>
    <message>
        <source>Nome da Exposição: </source>
        <translation>Nombre de la Exposición: </translation>
    </message>
    <message>
        <source>Data de Criação: </source>
        <translation>Fecha de Creación: </translation>
    </message>
    <message>
        <source>Jornada de Trabalho: </source>
        <translation>Jornada de Trabajo: </translation>
    </message>
    <message>
        <source>Resultante de Corpo</source>
        <translation>Resultante de Cuerpo</translation>
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
        <translation>Resultante de Manos y Brazos</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Observaciones:</translation>
    </message>
    <message>
        <source>Exposições Parciais de Corpo</source>
        <translation>Exposiciones Parciales de Cuerpo</translation>
    </message>
    <message>
        <source>Exposições Parciais de Mãos e Braços</source>
        <translation>Exposiciones Parciales de Manos y Brazos</translation>
    </message>
    <message>
        <source>Exposição Parcial </source>
        <translation>Exposición Parcial </translation>
    </message>
    <message>
        <source>Exposição Parcial: </source>
        <translation>Exposición Parcial: </translation>
    </message>
    <message>
        <source>Nº Repetições: </source>
        <translation>Nº Repeticiones: </translation>
    </message>
    <message>
        <source>Tempo Exposição Médio: </source>
        <translation>Tiempo de Exposición Medio: </translation>
    </message>
    <message>
        <source>Tempo Exposição Total: </source>
        <translation>Tiempo de Exposición Total: </translation>
    </message>
    <message>
        <source>arep [m/s²]: </source>
        <translation></translation>
    </message>
    <message>
        <source>Tempo Amostrado: </source>
        <translation>Tiempo Muestreado: </translation>
    </message>
    <message>
        <source> Componentes de Corpo - Exposição Parcial </source>
        <translation> Componentes de Cuerpo - Exposición Parcial </translation>
    </message>
    <message>
        <source> Componentes de Mãos e Braços - Exposição Parcial </source>
        <translation> Componentes de Manos y Brazos - Exposición Parcial </translation>
    </message>
    <message>
        <source> Componente </source>
        <translation> Componente </translation>
    </message>
    <message>
        <source>Nome da Componente: </source>
        <translation>Nombre del Componente: </translation>
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
        <translation>Factor Multiplicativo(x): </translation>
    </message>
    <message>
        <source>Fim: </source>
        <translation>Fin: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(y): </source>
        <translation>Factor Multiplicativo(y): </translation>
    </message>
    <message>
        <source>Duração: </source>
        <translation>Duración: </translation>
    </message>
    <message>
        <source>Fator Multiplicativo(z): </source>
        <translation>Factor Multiplicativo(z): </translation>
    </message>
    <message>
        <source>Período de Amostragem: </source>
        <translation>Periodo de Muestreo: </translation>
    </message>
    <message>
        <source>Filtros aplicados (X ,Y, Z):  </source>
        <translation>Filtros aplicados (X ,Y, Z):  </translation>
    </message>
    <message>
        <source>Variáveis:</source>
        <translation>Variables:</translation>
    </message>
    <message>
        <source>Eixo</source>
        <translation>Eje</translation>
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
        <translation>Gráficos:</translation>
    </message>
    <message>
        <source> Tabela da Componente </source>
        <translation> Tabla del Componente </translation>
    </message>
    <message>
        <source>Destino do Relatório - PDF</source>
        <translation>Informe de Destino - PDF</translation>
    </message>
    <message>
        <source>Gerar Relatório</source>
        <translation>Generar Informe</translation>
    </message>
    <message>
        <source>Erro ao gerar relatório</source>
        <translation>Error al generar informe</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Não foi possível salvar a escolha do idioma.</source>
        <translation>No se pudo guardar la elección del idioma.</translation>
    </message>
    <message>
        <source>Nenhum arquivo escolhido.</source>
        <translation>Ningún archivo elegido.</translation>
    </message>
    <message>
        <source>Avaliação da exposição</source>
        <translation>Evaluación de la exposición</translation>
    </message>
    <message>
        <source>Instrumento: </source>
        <translation>Instrumento: </translation>
    </message>
    <message>
        <source>Esta medida não tem resultados avaliados de corpo inteiro nem de mãos e braços.</source>
        <translation>Esta medición no tiene resultados evaluados de cuerpo entero ni de mano-brazo.</translation>
    </message>
    <message>
        <source>Não calculado:</source>
        <translation>No calculado:</translation>
    </message>
    <message>
        <source>Gerando o relatório...</source>
        <translation>Generando el informe...</translation>
    </message>
    <message>
        <source>interrompido</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Gerando o relatório: componente %1 de %2</source>
        <translation>Generando el informe: componente %1 de %2</translation>
    </message>
    <message>
        <source>Interrompendo: o relatório não será gravado...</source>
        <translation>Interrumpiendo: el informe no se guardará...</translation>
    </message>
    <message>
        <source>não é um PDF inteiro</source>
        <translation>no es un PDF entero</translation>
    </message>
    <message>
        <source>nenhuma parte</source>
        <translation>ninguna parte</translation>
    </message>
    <message>
        <source>Destino do Laudo</source>
        <translation>Destino del dictamen</translation>
    </message>
    <message>
        <source>Laudo</source>
        <translation>Dictamen</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;OpenDocument (*.odt)</source>
        <translation>PDF (*.pdf);;OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>Gerar Laudo</source>
        <translation>Generar Dictamen</translation>
    </message>
    <message>
        <source>Gerando o laudo...</source>
        <translation>Generando el dictamen...</translation>
    </message>
    <message>
        <source>Erro ao gerar o laudo</source>
        <translation>Error al generar el dictamen</translation>
    </message>
    <message>
        <source>O laudo foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>El dictamen se guardó, pero el escritorio no tiene un programa que lo abra. Ábralo a mano:</translation>
    </message>
    <message>
        <source>O relatório foi gravado, mas a área de trabalho não tem um programa que o abra. Abra-o à mão:</source>
        <translation>El informe se guardó, pero el escritorio no tiene un programa que lo abra. Ábralo a mano:</translation>
    </message>
</context>
<context>
    <name>SeletorArmazem</name>
    <message>
        <source>Adicionar tarefas</source>
        <translation>Añadir tareas</translation>
    </message>
    <message>
        <source>Buscar por trabalhador, empresa, setor, data ou tarefa</source>
        <translation>Buscar por trabajador, empresa, sector, fecha o tarea</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Escolher medidas</source>
        <translation>Elegir mediciones</translation>
    </message>
    <message>
        <source>Lendo as medidas do armazém...</source>
        <translation>Leyendo las mediciones del almacén...</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Cuerpo entero</translation>
    </message>
    <message>
        <source>Mãos e braços</source>
        <translation>Mano-brazo</translation>
    </message>
    <message>
        <source>Medição</source>
        <translation>Medición</translation>
    </message>
    <message>
        <source>Trabalhador</source>
        <translation>Trabajador</translation>
    </message>
    <message>
        <source>Empresa avaliada</source>
        <translation>Empresa evaluada</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Tarefa</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Região</source>
        <translation>Región</translation>
    </message>
    <message>
        <source>arep [m/s²]</source>
        <translation>arep [m/s²]</translation>
    </message>
    <message>
        <source>Veredito NR</source>
        <translation>Veredicto NR</translation>
    </message>
    <message>
        <source>Tarefas: %1</source>
        <translation>Tareas: %1</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Itens: %1</source>
        <translation>Elementos: %1</translation>
    </message>
</context>
<context>
    <name>TabelasAvaliacao</name>
    <message>
        <source>Brasil: NR-09 e NR-15, com a NHO 09 e a NHO 10 da FUNDACENTRO</source>
        <translation>Brasil: NR-09 y NR-15, con la NHO 09 y la NHO 10 de FUNDACENTRO</translation>
    </message>
    <message>
        <source>Grandeza</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Valor</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Faixas</source>
        <translation>Franjas</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situación</translation>
    </message>
    <message>
        <source>Ação recomendada</source>
        <translation>Acción recomendada</translation>
    </message>
    <message>
        <source>Corpo inteiro: a pior das duas</source>
        <translation>Cuerpo entero: la peor de las dos</translation>
    </message>
    <message>
        <source>União Europeia: Diretiva 2002/44/CE</source>
        <translation>Unión Europea: Directiva 2002/44/CE</translation>
    </message>
    <message>
        <source>Ação / Limite</source>
        <translation>Acción / Límite</translation>
    </message>
    <message>
        <source>Pontos</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Ação após</source>
        <translation>Acción tras</translation>
    </message>
    <message>
        <source>Limite após</source>
        <translation>Límite tras</translation>
    </message>
    <message>
        <source>Valores de ação e limite da exposição diária: Diretiva 2002/44/CE, artigo 3 (mãos e braços A(8) 2.5 e 5 m/s²; corpo inteiro A(8) 0.5 e 1.15 m/s², VDV 9.1 e 21 m/s^1.75). A(8) a partir dos tempos de exposição e da referência de 8 h, cada tarefa pela média de energia das componentes ponderada pela duração (ISO 5349-1; ISO 2631-1, com os fatores 1.4, 1.4 e 1 dos eixos x, y e z). VDV estendido ao tempo de exposição pela quarta potência (ISO 2631-1). Pontos: 100 no valor de ação, crescendo com o quadrado de A(8). Tempos: exposição, no ritmo médio do dia, após a qual cada valor é atingido (hh:mm).</source>
        <translation>Valores de acción y límite de la exposición diaria: Directiva 2002/44/CE, artículo 3 (mano-brazo A(8) 2.5 y 5 m/s²; cuerpo entero A(8) 0.5 y 1.15 m/s², VDV 9.1 y 21 m/s^1.75). A(8) a partir de los tiempos de exposición y de la referencia de 8 h, cada tarea por la media de energía de sus componentes ponderada por la duración (ISO 5349-1; ISO 2631-1, con los factores 1.4, 1.4 y 1 de los ejes x, y y z). VDV extendido al tiempo de exposición por la cuarta potencia (ISO 2631-1). Puntos: 100 en el valor de acción, creciendo con el cuadrado de A(8). Tiempos: exposición, al ritmo medio del día, tras la cual se alcanza cada valor (hh:mm).</translation>
    </message>
    <message>
        <source>tempos não calculados: %1</source>
        <translation>tiempos no calculados: %1</translation>
    </message>
    <message>
        <source>Mãos e braços: A(8) [m/s²]</source>
        <translation>Mano-brazo: A(8) [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)x [m/s²]</source>
        <translation>Cuerpo entero: 1.4·A(8)x [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: 1.4·A(8)y [m/s²]</source>
        <translation>Cuerpo entero: 1.4·A(8)y [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8)z [m/s²]</source>
        <translation>Cuerpo entero: A(8)z [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: A(8), eixo dominante %1 [m/s²]</source>
        <translation>Cuerpo entero: A(8), eje dominante %1 [m/s²]</translation>
    </message>
    <message>
        <source>Corpo inteiro: maior VDVexp, eixo %1 [m/s^1.75]</source>
        <translation>Cuerpo entero: mayor VDVexp, eje %1 [m/s^1.75]</translation>
    </message>
    <message>
        <source>Aceitável</source>
        <translation>Aceptable</translation>
    </message>
    <message>
        <source>Acima do nível de ação</source>
        <translation>Por encima del nivel de acción</translation>
    </message>
    <message>
        <source>Região de incerteza</source>
        <translation>Región de incertidumbre</translation>
    </message>
    <message>
        <source>Acima do limite de exposição</source>
        <translation>Por encima del límite de exposición</translation>
    </message>
    <message>
        <source>Não calculado</source>
        <translation>No calculado</translation>
    </message>
    <message>
        <source>No mínimo manutenção da condição existente</source>
        <translation>Como mínimo, mantener la condición existente</translation>
    </message>
    <message>
        <source>No mínimo adoção de medidas preventivas</source>
        <translation>Como mínimo, adoptar medidas preventivas</translation>
    </message>
    <message>
        <source>Adoção de medidas preventivas e corretivas visando à redução da exposição diária</source>
        <translation>Adoptar medidas preventivas y correctivas para reducir la exposición diaria</translation>
    </message>
    <message>
        <source>Adoção imediata de medidas corretivas</source>
        <translation>Adoptar medidas correctivas de inmediato</translation>
    </message>
    <message>
        <source>Abaixo do nível de ação</source>
        <translation>Por debajo del valor de acción</translation>
    </message>
    <message>
        <source>Nível de ação atingido</source>
        <translation>Valor de acción alcanzado</translation>
    </message>
    <message>
        <source>Limite de exposição atingido</source>
        <translation>Valor límite alcanzado</translation>
    </message>
    <message>
        <source>nunca</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>Os dois critérios podem dar valores diferentes: os brasileiros são a resultante dos três eixos, como o instrumento a armazena; os europeus, o eixo dominante, com a média de energia dos componentes ponderada pela duração.</source>
        <translation>Los dos criterios pueden dar valores diferentes: los brasileños son la resultante de los tres ejes, tal como el instrumento la almacena; los europeos, el eje dominante, con la media de energía de los componentes ponderada por la duración.</translation>
    </message>
    <message>
        <source>Níveis de ação: NR-09, Anexo I, aprovado pela Portaria MTP nº 426/2021 (mãos e braços aren 2.5 m/s²; corpo inteiro aren 0.5 m/s² e VDVR 9.1 m/s^1.75). Limites de exposição: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² e 21.0 m/s^1.75). Região de incerteza e ações recomendadas: tabelas de decisão da NHO 10 (mãos e braços, 3.5 a 5.0 m/s²) e da NHO 09 (corpo inteiro, 0.9 a 1.1 m/s² e 16.4 a 21.0 m/s^1.75). Valores como armazenados na medida.</source>
        <translation>Niveles de acción: NR-09, Anexo I, aprobado por la Portaria MTP nº 426/2021 (mano-brazo aren 2.5 m/s²; cuerpo entero aren 0.5 m/s² y VDVR 9.1 m/s^1.75). Límites de exposición: NR-15, Anexo 8 (5.0 m/s²; 1.1 m/s² y 21.0 m/s^1.75). Región de incertidumbre y acciones recomendadas: tablas de decisión de la NHO 10 (mano-brazo, 3.5 a 5.0 m/s²) y de la NHO 09 (cuerpo entero, 0.9 a 1.1 m/s² y 16.4 a 21.0 m/s^1.75). Valores tal como están almacenados en la medición.</translation>
    </message>
</context>
<context>
    <name>config_perfil</name>
    <message>
        <source>Cadastro de Perfil</source>
        <translation>Registro de Perfil</translation>
    </message>
    <message>
        <source>Empresa Avaliadora:</source>
        <translation>Empresa Evaluadora:</translation>
    </message>
    <message>
        <source>Responsavel 1:</source>
        <translation>Responsable 1:</translation>
    </message>
    <message>
        <source>Responsavel 2:</source>
        <translation>Responsable 2:</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Não foi possível salvar o perfil em %1.</source>
        <translation>No fue posible guardar el perfil en %1.</translation>
    </message>
    <message>
        <source>Título do responsável 1:</source>
        <translation>Título del responsable 1:</translation>
    </message>
    <message>
        <source>Registro do responsável 1:</source>
        <translation>Registro del responsable 1:</translation>
    </message>
    <message>
        <source>Título do responsável 2:</source>
        <translation>Título del responsable 2:</translation>
    </message>
    <message>
        <source>Registro do responsável 2:</source>
        <translation>Registro del responsable 2:</translation>
    </message>
    <message>
        <source>CNPJ:</source>
        <translation>CNPJ:</translation>
    </message>
    <message>
        <source>Cidade:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Logotipo:</source>
        <translation>Logotipo:</translation>
    </message>
    <message>
        <source>Escolher...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Sem logotipo</source>
        <translation>Sin logotipo</translation>
    </message>
    <message>
        <source>nenhum</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Logotipo da empresa avaliadora</source>
        <translation>Logotipo de la empresa evaluadora</translation>
    </message>
    <message>
        <source>Imagens (*.png *.jpg *.jpeg *.bmp)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
    <message>
        <source>%1 não é uma imagem que o programa leia.</source>
        <translation>%1 no es una imagen que el programa pueda leer.</translation>
    </message>
</context>
<context>
    <name>sobre</name>
    <message>
        <source>Sobre</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>KT 9400</source>
        <translation></translation>
    </message>
    <message>
        <source>Medidor de Vibração Corpo Humano</source>
        <translation>Medidor de Vibración del Cuerpo Humano</translation>
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
        <translation>Versión 1.0.0</translation>
    </message>
    <message>
        <source>Medidas guardadas em:</source>
        <translation>Mediciones guardadas en:</translation>
    </message>
</context>
</TS>
