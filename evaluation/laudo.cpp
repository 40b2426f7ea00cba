#include "evaluation/laudo.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/layoutmedida.h"
#include "data/perfil.h"
#include "data/perfillaudo.h"
#include "evaluation/avaliacaojornada.h"
#include "evaluation/edicao.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString limpo(const QString &t)
{
    const QString s = t.trimmed();
    // The profile's placeholder before one was read.
    return s == QString(23, QLatin1Char('-')) ? QString() : s;
}

} // namespace

QString Laudo::pastaPerfilDe(const QString &pastaMedida)
{
    return QDir(QFileInfo(pastaMedida).absolutePath()).filePath(QStringLiteral("Perfil"));
}

Laudo Laudo::montar(const QString &pastaMedida, const QString &pastaPerfil)
{
    DadosLaudo dados;
    QString erro;
    const bool lidos = DadosLaudo::ler(pastaMedida, &dados, &erro);
    Laudo l = montar(pastaMedida, pastaPerfil, dados);
    if (!lidos) {
        l.avisosDeLeitura.prepend(erro);
        l.avisos.prepend(erro);
    }
    return l;
}

namespace {

// What the laudo takes of a measurement's exposure file.
void identificar(Laudo &l, const QString &pastaMedida)
{
    AcessarArquivo e;
    e.lerExposicao(LayoutMedida::arquivoExposicao(pastaMedida));
    l.empresaAvaliadora = limpo(e.getEmpresa_avaliadora());
    l.responsavel = limpo(e.getResponsavel_tecnico());
    l.empresaAvaliada = limpo(e.getEmpresa_avaliada());
    l.funcionario = limpo(e.getFuncionario_avaliado());
    l.setor = limpo(e.getSetor());
    l.jornada = limpo(e.getJornada_de_trabalho());
    l.instrumento = limpo(e.getId_equipamento());
    l.nomeMedida = LayoutMedida::nomeMostrado(e.getNome_exposicao());
    l.dataMedicaoTexto = LayoutMedida::dataMostrada(e.getData_criacao(), e.getNome_exposicao()).trimmed();
    l.dataMedicao = QDateTime::fromString(l.dataMedicaoTexto, QStringLiteral("dd/MM/yyyy HH:mm:ss")).date();
    if (!l.dataMedicao.isValid())
        l.dataMedicao = QDate::fromString(l.dataMedicaoTexto.left(10), QStringLiteral("dd/MM/yyyy"));
}

// How a body part was measured, from the first component of a task folder;
// false when it has none.
bool metodoDe(const QString &pastaCorpo, bool corpo, Laudo::Metodo *m)
{
    const QStringList componentes = LayoutMedida::componentes(pastaCorpo);
    if (componentes.isEmpty())
        return false;
    AcessarArquivo a;
    a.lerComponente(componentes.first() + QStringLiteral(".head"));
    m->corpo = corpo;
    const QString ponderacoes[3] = {a.getPonderacao_frequencia_x(), a.getPonderacao_frequencia_y(),
                                    a.getPonderacao_frequencia_z()};
    const QString fatores[3] = {a.getK_x(), a.getK_y(), a.getK_z()};
    for (int i = 0; i < 3; ++i) {
        m->ponderacao[i] = ponderacoes[i].trimmed();
        m->fator[i] = fatores[i].trimmed();
    }
    m->periodo = a.getPeriodo_amostragem_comp().trimmed();
    return true;
}

// The accelerometers the first of several measurements recorded, where
// the laudo's own data name none.
void sensoresDaPrimeira(DadosLaudo *dados, const QString &raizArmazem, const QStringList &medidas)
{
    DadosLaudo primeira;
    if (medidas.isEmpty() || !DadosLaudo::ler(QDir(raizArmazem).filePath(medidas.first()), &primeira))
        return;
    if (dados->sensorCorpo.trimmed().isEmpty())
        dados->sensorCorpo = primeira.sensorCorpo;
    if (dados->sensorMao.trimmed().isEmpty())
        dados->sensorMao = primeira.sensorMao;
}

} // namespace

Laudo Laudo::montar(const QString &pastaMedida, const QString &pastaPerfil, const DadosLaudo &dados)
{
    Laudo l;
    l.pastaMedida = pastaMedida;
    identificar(l, pastaMedida);
    l.avaliacao = AvaliacaoExposicao::avaliar(pastaMedida);
    for (const LayoutMedida::LinhaParcial &linha : LayoutMedida::parciaisDaExposicao(pastaMedida)) {
        AcessarArquivo a;
        a.lerExposicaoParcial(linha.arquivoParcial);
        Tarefa t;
        t.nome = a.getNome_exp_parcial().trimmed();
        t.corpo = linha.sensor == QLatin1String("corpo");
        t.repeticoes = a.getNum_repeticao().trimmed();
        t.tempoRepeticao = a.getTempo_exp().trimmed();
        t.tempoTotal = a.getTempo_exp_total().trimmed();
        t.tempoAmostrado = a.getTempo_amostrado().trimmed();
        t.arep = a.getArep().trimmed();
        if (t.corpo) {
            double maior = -1;
            for (const QString &v : {a.getVdvexpx_parcial(), a.getVdvexpy_parcial(), a.getVdvexpz_parcial()}) {
                double x = 0;
                if (ArquivoRegistro::numeroFinito(v.trimmed(), &x) && x > maior) {
                    maior = x;
                    t.vdvexp = v.trimmed();
                }
            }
        }
        l.tarefas << t;
        l.acrescentarMetodo(linha.pastaCorpo, t.corpo);
    }
    l.completar(pastaPerfil, dados);
    return l;
}

Laudo Laudo::montarJornada(const Jornada &jornada, const QString &raizArmazem, const QString &pastaPerfil,
                           const DadosLaudo &dados)
{
    const AvaliacaoJornada a = AvaliacaoJornada::avaliar(jornada, raizArmazem);
    Laudo l;
    QStringList medidas;
    for (const AvaliacaoJornada::Tarefa &t : a.tarefas) {
        if (!t.usada) {
            l.avisosDeLeitura << tr("Tarefa %1 deixada de fora: %2").arg(t.referencia, t.motivo);
            continue;
        }
        const QString medida = t.referencia.section(QLatin1Char('/'), 0, 0);
        if (!medidas.contains(medida))
            medidas << medida;
        const auto hms = [](double s) { return Edicao::textoDuracao(qRound64(s)); };
        Tarefa tarefa;
        tarefa.nome = t.nomeTarefa;
        tarefa.corpo = t.corpo;
        tarefa.repeticoes = QString::number(t.repeticoes);
        tarefa.tempoRepeticao = hms(t.tempoRepeticao);
        tarefa.tempoTotal = hms(t.repeticoes * t.tempoRepeticao);
        tarefa.tempoAmostrado = hms(t.tempoAmostrado);
        tarefa.arep = QString::number(t.arep, 'g', 6);
        if (t.corpo)
            tarefa.vdvexp = QString::number(AvaliacaoExposicao::arredondado(t.vdvexp), 'g', 6);
        l.tarefas << tarefa;
        l.acrescentarMetodo(t.pastaCorpo, t.corpo);
    }
    l.identificarMedidas(raizArmazem, medidas);
    if (!jornada.trabalhador.trimmed().isEmpty())
        l.funcionario = jornada.trabalhador.trimmed();
    if (!jornada.setor.trimmed().isEmpty())
        l.setor = jornada.setor.trimmed();
    l.nomeMedida = tr("Jornada %1 (%2 medições)").arg(jornada.nome).arg(medidas.size());
    const QDate dia = QDate::fromString(jornada.data.trimmed(), QStringLiteral("dd/MM/yyyy"));
    if (dia.isValid()) {
        l.dataMedicao = dia;
        l.dataMedicaoTexto = jornada.data.trimmed();
    }
    l.avaliacao = a.avaliacao;
    // The jornada's own data, else the function it names and the
    // accelerometers its first measurement recorded.
    DadosLaudo doDia = dados;
    if (doDia.funcao.trimmed().isEmpty())
        doDia.funcao = jornada.funcao.trimmed();
    sensoresDaPrimeira(&doDia, raizArmazem, medidas);
    l.completar(pastaPerfil, doDia);
    return l;
}

Laudo Laudo::montarGrupo(const Grupo &grupo, const QString &raizArmazem, const QString &pastaPerfil,
                         const DadosLaudo &dados)
{
    Laudo l;
    l.ehGrupo = true;
    l.grupo = AvaliacaoGrupo::avaliar(grupo, raizArmazem);
    // The measurements of its members: its own, or those of a jornada's tasks.
    QStringList medidas;
    for (const Grupo::Membro &m : grupo.membros) {
        QStringList delas{m.nome};
        if (m.jornada) {
            Jornada j;
            delas.clear();
            if (Jornada::ler(Jornada::arquivo(raizArmazem, m.nome), &j)) {
                for (const Jornada::Tarefa &t : j.tarefas)
                    delas << t.referencia.section(QLatin1Char('/'), 0, 0);
            }
        }
        for (const QString &medida : qAsConst(delas)) {
            if (!medidas.contains(medida) && LayoutMedida::ehMedida(QDir(raizArmazem).filePath(medida))
                && !LayoutMedida::ehPastaDoArmazem(medida))
                medidas << medida;
        }
    }
    for (const AvaliacaoGrupo::Membro &m : qAsConst(l.grupo.membros)) {
        if (!m.motivo.isEmpty())
            l.avisosDeLeitura << tr("Membro %1 deixado de fora: %2").arg(m.nome, m.motivo);
        if (m.nome == l.grupo.maisExposto)
            l.avaliacao = m.avaliacao;
    }
    l.identificarMedidas(raizArmazem, medidas);
    if (!medidas.isEmpty()) {
        for (const LayoutMedida::LinhaParcial &linha : LayoutMedida::parciaisDaExposicao(QDir(raizArmazem).filePath(medidas.first())))
            l.acrescentarMetodo(linha.pastaCorpo, linha.sensor == QLatin1String("corpo"));
    }
    l.funcionario = tr("membros do grupo %1").arg(grupo.nome);
    l.nomeMedida = tr("Grupo %1 (%2 membros)").arg(grupo.nome).arg(grupo.membros.size());
    DadosLaudo doGrupo = dados;
    if (doGrupo.ges.trimmed().isEmpty())
        doGrupo.ges = grupo.nome;
    if (doGrupo.atividades.trimmed().isEmpty())
        doGrupo.atividades = grupo.descricao.trimmed();
    sensoresDaPrimeira(&doGrupo, raizArmazem, medidas);
    l.completar(pastaPerfil, doGrupo);
    return l;
}

void Laudo::identificarMedidas(const QString &raizArmazem, const QStringList &medidas)
{
    // The companies and the technician of the first measurement; the
    // instruments of all of them.
    if (!medidas.isEmpty())
        identificar(*this, QDir(raizArmazem).filePath(medidas.first()));
    for (const QString &medida : medidas) {
        AcessarArquivo e;
        e.lerExposicao(LayoutMedida::arquivoExposicao(QDir(raizArmazem).filePath(medida)));
        const QString id = limpo(e.getId_equipamento());
        if (!id.isEmpty() && !instrumentos.contains(id))
            instrumentos << id;
    }
    instrumento = instrumentos.join(QStringLiteral(", "));
}

void Laudo::acrescentarMetodo(const QString &pastaCorpo, bool corpo)
{
    bool &usado = corpo ? usaCorpo : usaMao;
    Metodo m;
    if (!usado && metodoDe(pastaCorpo, corpo, &m)) {
        usado = true;
        metodos << m;
    }
}

void Laudo::completar(const QString &perfil, const DadosLaudo &dados)
{
    pastaPerfil = perfil;
    QString erro;
    PerfilLaudo doPerfil;
    if (!PerfilLaudo::ler(pastaPerfil, &doPerfil, &erro))
        avisosDeLeitura << erro;
    cnpj = doPerfil.cnpj.trimmed();
    cidade = doPerfil.cidade.trimmed();
    logotipo = doPerfil.caminhoLogotipo(pastaPerfil);
    // The technician's title and registration: those of the profile's
    // technician of that name.
    Perfil p;
    if (Perfil::ler(QDir(pastaPerfil).filePath(QStringLiteral("perfil.id")), &p) && !responsavel.isEmpty()) {
        if (p.responsavel1.trimmed() == responsavel) {
            titulo = doPerfil.titulo1.trimmed();
            registro = doPerfil.registro1.trimmed();
        } else if (p.responsavel2.trimmed() == responsavel) {
            titulo = doPerfil.titulo2.trimmed();
            registro = doPerfil.registro2.trimmed();
        }
    }
    // The whole body first, as everywhere in the program.
    std::stable_sort(metodos.begin(), metodos.end(), [](const Metodo &a, const Metodo &b) { return a.corpo && !b.corpo; });
    if (!Calibracoes::ler(pastaPerfil, &calibracoes, &erro))
        avisosDeLeitura << erro;
    aplicar(dados);
}

void Laudo::aplicar(const DadosLaudo &novos)
{
    dados = novos;
    cadeia.clear();
    const auto dispositivo = [&](const QString &papel, Calibracoes::Tipo tipo, const QString &id) {
        Dispositivo d;
        d.papel = papel;
        d.tipo = tipo;
        d.identidade = id.trimmed();
        if (const Calibracoes::Entrada *c = calibracoes.de(tipo, d.identidade)) {
            d.temCertificado = true;
            d.certificado = *c;
        }
        cadeia << d;
        return &cadeia.last();
    };
    for (const QString &id : instrumentos.isEmpty() ? QStringList{instrumento} : instrumentos)
        dispositivo(tr("Instrumento"), Calibracoes::Tipo::Instrumento, id);
    if (avaliacao.temCorpo || usaCorpo) {
        Dispositivo *d = dispositivo(tr("Acelerômetro de corpo inteiro"), Calibracoes::Tipo::Acelerometro,
                                     dados.sensorCorpo);
        d->acelerometro = true;
        d->verificacao = dados.verificacaoCorpo;
    }
    if (avaliacao.temMao || usaMao) {
        Dispositivo *d = dispositivo(tr("Acelerômetro de mãos e braços"), Calibracoes::Tipo::Acelerometro,
                                     dados.sensorMao);
        d->acelerometro = true;
        d->verificacao = dados.verificacaoMao;
    }
    dispositivo(tr("Calibrador de vibração"), Calibracoes::Tipo::Calibrador, calibradorUsado());
    avisos = avisosDeLeitura;
    verificar();
}

QString Laudo::calibradorUsado() const
{
    // The one the evaluator named, or the register's only one.
    if (!dados.calibrador.trimmed().isEmpty())
        return dados.calibrador.trimmed();
    const QStringList todos = calibradores();
    return todos.size() == 1 ? todos.first() : QString();
}

QStringList Laudo::calibradores() const
{
    QStringList r;
    for (const Calibracoes::Entrada &c : calibracoes.entradas) {
        if (c.tipo == Calibracoes::Tipo::Calibrador)
            r << c.identidade;
    }
    return r;
}

void Laudo::verificar()
{
    const auto falta = [&](const QString &v, const QString &aviso) {
        if (v.trimmed().isEmpty())
            avisos << aviso;
    };
    falta(dados.numero, tr("Número do laudo não informado."));
    falta(empresaAvaliadora, tr("Empresa avaliadora não informada."));
    falta(cnpj, tr("CNPJ da empresa avaliadora não informado."));
    falta(empresaAvaliada, tr("Empresa avaliada não informada."));
    falta(funcionario, tr("Funcionário avaliado não informado."));
    falta(dados.funcao, tr("Função do trabalhador não informada."));
    falta(setor, tr("Setor não informado."));
    falta(responsavel, tr("Responsável técnico não informado."));
    if (!responsavel.isEmpty())
        falta(registro, tr("Registro profissional do responsável técnico não informado."));
    if (!dataMedicao.isValid())
        avisos << tr("Data da medição desconhecida: a validade dos certificados não pôde ser conferida.");
    if (!avaliacao.temMao && !avaliacao.temCorpo)
        avisos << tr("A medida não tem resultados avaliados.");
    for (const Dispositivo &d : qAsConst(cadeia)) {
        if (d.identidade.isEmpty()) {
            avisos << tr("%1: identificação não informada.").arg(d.papel);
        } else if (!d.temCertificado) {
            avisos << tr("%1 %2: sem certificado de calibração no registro.").arg(d.papel, d.identidade);
        } else if (dataMedicao.isValid() && !d.certificado.validaEm(dataMedicao)) {
            avisos << tr("%1 %2: certificado %3 vencido em %4, antes da medição de %5.")
                          .arg(d.papel, d.identidade, d.certificado.certificado,
                               d.certificado.validade.toString(QStringLiteral("dd/MM/yyyy")),
                               dataMedicao.toString(QStringLiteral("dd/MM/yyyy")));
        }
        if (d.acelerometro && !d.verificacao.preenchida())
            avisos << tr("%1: sem verificação de campo.").arg(d.papel);
    }
}

QString Laudo::conclusaoPadrao(const AvaliacaoExposicao &a)
{
    switch (a.piorFaixa()) {
    case AvaliacaoExposicao::Faixa::Aceitavel:
        return tr("A exposição avaliada está abaixo do nível de ação do Anexo I da NR-09 e do limite de exposição "
                  "do Anexo 8 da NR-15: a condição é aceitável, não caracteriza insalubridade por vibrações e "
                  "requer, no mínimo, a manutenção da condição existente.");
    case AvaliacaoExposicao::Faixa::AcimaNivelAcao:
        return tr("A exposição avaliada está acima do nível de ação do Anexo I da NR-09 e abaixo do limite de "
                  "exposição do Anexo 8 da NR-15: não caracteriza insalubridade por vibrações, mas requer "
                  "medidas preventivas, no mínimo, de acordo com o PGR.");
    case AvaliacaoExposicao::Faixa::RegiaoIncerteza:
        return tr("A exposição avaliada está na região de incerteza das NHO 09 e NHO 10: requer a adoção de "
                  "medidas preventivas e corretivas, visando à redução da exposição diária, e a avaliação não "
                  "permite afastar a caracterização de insalubridade pelo Anexo 8 da NR-15.");
    case AvaliacaoExposicao::Faixa::AcimaLimite:
        return tr("A exposição avaliada está acima do limite de exposição do Anexo 8 da NR-15: caracteriza "
                  "insalubridade em grau médio e requer a adoção imediata de medidas corretivas.");
    case AvaliacaoExposicao::Faixa::NaoCalculada:
        break;
    }
    return tr("A exposição não pôde ser quantificada com os dados desta medição: não é possível concluir.");
}

QString Laudo::conclusao() const
{
    return dados.conclusao.trimmed().isEmpty() ? conclusaoPadrao(avaliacao) : dados.conclusao.trimmed();
}
