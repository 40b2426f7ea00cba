#include "evaluation/laudo.h"

#include "data/acessararquivo.h"
#include "data/arquivoregistro.h"
#include "data/layoutmedida.h"
#include "data/perfil.h"
#include "data/perfillaudo.h"

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

Laudo Laudo::montar(const QString &pastaMedida, const QString &pastaPerfil, const DadosLaudo &dados)
{
    Laudo l;
    l.pastaMedida = pastaMedida;
    l.pastaPerfil = pastaPerfil;
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

    QString erro;
    PerfilLaudo perfil;
    if (!PerfilLaudo::ler(pastaPerfil, &perfil, &erro))
        l.avisosDeLeitura << erro;
    l.cnpj = perfil.cnpj.trimmed();
    l.cidade = perfil.cidade.trimmed();
    l.logotipo = perfil.caminhoLogotipo(pastaPerfil);
    // The technician's title and registration: those of the profile's
    // technician of that name.
    Perfil p;
    if (Perfil::ler(QDir(pastaPerfil).filePath(QStringLiteral("perfil.id")), &p) && !l.responsavel.isEmpty()) {
        if (p.responsavel1.trimmed() == l.responsavel) {
            l.titulo = perfil.titulo1.trimmed();
            l.registro = perfil.registro1.trimmed();
        } else if (p.responsavel2.trimmed() == l.responsavel) {
            l.titulo = perfil.titulo2.trimmed();
            l.registro = perfil.registro2.trimmed();
        }
    }

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
        bool &usado = t.corpo ? l.usaCorpo : l.usaMao;
        if (usado)
            continue;
        const QStringList componentes = LayoutMedida::componentes(linha.pastaCorpo);
        if (componentes.isEmpty())
            continue;
        usado = true;
        a.lerComponente(componentes.first() + QStringLiteral(".head"));
        Metodo m;
        m.corpo = t.corpo;
        const QString ponderacoes[3] = {a.getPonderacao_frequencia_x(), a.getPonderacao_frequencia_y(),
                                        a.getPonderacao_frequencia_z()};
        const QString fatores[3] = {a.getK_x(), a.getK_y(), a.getK_z()};
        for (int i = 0; i < 3; ++i) {
            m.ponderacao[i] = ponderacoes[i].trimmed();
            m.fator[i] = fatores[i].trimmed();
        }
        m.periodo = a.getPeriodo_amostragem_comp().trimmed();
        l.metodos << m;
    }
    // The whole body first, as everywhere in the program.
    std::stable_sort(l.metodos.begin(), l.metodos.end(),
                     [](const Metodo &a, const Metodo &b) { return a.corpo && !b.corpo; });

    if (!Calibracoes::ler(pastaPerfil, &l.calibracoes, &erro))
        l.avisosDeLeitura << erro;
    l.aplicar(dados);
    return l;
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
    dispositivo(tr("Instrumento"), Calibracoes::Tipo::Instrumento, instrumento);
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
